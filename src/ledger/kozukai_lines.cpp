#include "ledger/kozukai_lines.h"

#include "core/sort_order.h"

namespace {

const QChar kWideBlank(0x3000);

QString two_digits(int n) { return QString("%1").arg(n, 2, 10, QChar('0')); }

QString strip_trailing_blanks(QString text) {
  while (!text.isEmpty() && (text.back() == ' ' || text.back() == kWideBlank)) text.chop(1);
  return text;
}

QString wide_padded(int n) {
  const QString digits = QString::number(n);
  return digits.size() < 2 ? kWideBlank + digits : digits;
}

}  // namespace

QString koz_list_line(const KozRecord& record, KozTerm term) {
  QString line = term == KozTerm::Year ? two_digits(record.month) + two_digits(record.day)
                                       : two_digits(record.day);
  line += QString(2, kWideBlank);
  line += record.amount.right(7).rightJustified(7, ' ');
  line += QString(5, ' ');
  line += record.item.left(20).leftJustified(20, kWideBlank);
  return line;
}

bool in_period(const KozRecord& record, KozTerm term, int year, int month) {
  return record.year == year && (term == KozTerm::Year || record.month == month);
}

KozListing make_listing(const KozTables& tables, KozKind kind, KozTerm term, int year, int month) {
  KozListing listing;
  const struct {
    const std::vector<KozLine>& table;
    qint64& sum;
    bool listed;
  } passes[] = {
      {tables.nyukin, listing.nyukin_sum, kind == KozKind::Nyukin},
      {tables.shisyutu, listing.shisyutu_sum, kind == KozKind::Shisyutu},
  };
  for (const auto& pass : passes)
    for (const KozLine& line : pass.table) {
      const auto record = parse_koz_record(line.text);
      if (!record || !in_period(*record, term, year, month)) continue;
      pass.sum += record->value;
      if (pass.listed) listing.lines << koz_list_line(*record, term);
    }
  list_sort(listing.lines);
  return listing;
}

QString yen_text(qint64 value) { return QString::number(value) + "円"; }

QString year_month_caption(int year, int month) {
  return QString::number(year) + "年" + wide_padded(month) + "月";
}

QString day_caption(int day) { return wide_padded(day) + "日"; }

DeleteKeys delete_keys(const QString& line, KozTerm term, int month) {
  const int shift = term == KozTerm::Year ? 2 : 0;
  DeleteKeys keys;
  keys.date = term == KozTerm::Year ? line.left(4) : two_digits(month) + line.left(2);
  keys.amount = line.mid(4 + shift, 7).trimmed();
  keys.item = strip_trailing_blanks(line.mid(16 + shift));
  return keys;
}

int find_listed_record(const std::vector<KozLine>& table, const DeleteKeys& keys, int year) {
  for (size_t i = 0; i < table.size(); ++i) {
    const auto record = parse_koz_record(table[i].text);
    if (record && record->year == year &&
        two_digits(record->month) + two_digits(record->day) == keys.date &&
        record->amount.right(7) == keys.amount &&
        strip_trailing_blanks(record->item.left(20)) == keys.item)
      return int(i);
  }
  return -1;
}
