#include "cards/meishi_file.h"

QStringList sample_card() {
  return {
      "トリベ商事株式会社",
      "営業本部　第一営業部　販売促進課",
      "課長",
      "鈴木　一郎",
      "〒123-4567",
      "東京都千代田区見本町１丁目２番３号　トリベビル５階",
      "0123-45-6789",
      "内線　1234",
      "0123-45-6780",
      "ichiro.suzuki@example.com",
  };
}

QuotedRecords read_cards(const QString& path) { return read_quoted_records(path, kCardFields); }

bool write_cards(const QString& path, const QuotedRecords& cards, bool has_data) {
  if (has_data) return write_quoted_records(path, cards);
  QuotedRecords kept_only = cards;
  kept_only.records.clear();
  for (KeptLine& line : kept_only.kept) line.before = 0;
  return write_quoted_records(path, kept_only);
}
