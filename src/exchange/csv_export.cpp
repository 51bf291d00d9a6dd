#include "exchange/csv_export.h"

#include <QRegularExpression>
#include <algorithm>

#include "gifts/zouto_record.h"

namespace {

const QByteArray kByteOrderMark = "\xEF\xBB\xBF";

QString iso_date(int year, int month, int day) {
  return QString("%1-%2-%3")
      .arg(year, 4, 10, QChar('0'))
      .arg(month, 2, 10, QChar('0'))
      .arg(day, 2, 10, QChar('0'));
}

QString trimmed_end(QString text) {
  while (!text.isEmpty() && (text.back() == ' ' || text.back() == u'\u3000')) text.chop(1);
  return text;
}

// A gift line is the date, two blanks, then the name and the item in 20 characters
// each; a line edited by hand that does not read so gives its whole text as the name.
QStringList gift_row(const GiftLine& line, const QString& kind) {
  static const QRegularExpression layout("^(\\d{1,4})年(\\d{1,2})月(\\d{1,2})日  (.*)$");
  const QRegularExpressionMatch m = layout.match(line.text);
  if (!m.hasMatch()) return {"", kind, trimmed_end(line.text), ""};
  const QString rest = m.captured(4);
  const QString date =
      iso_date(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
  return {date, kind, trimmed_end(rest.left(kGiftFieldLength)),
          trimmed_end(rest.mid(kGiftFieldLength))};
}

}  // namespace

QByteArray csv_row(const QStringList& fields) {
  QStringList out;
  for (QString field : fields) {
    if (field.contains(',') || field.contains('"') || field.contains('\r') || field.contains('\n'))
      field = '"' + field.replace('"', "\"\"") + '"';
    out << field;
  }
  return (out.join(',') + "\r\n").toUtf8();
}

QByteArray ledger_csv(const KozTables& tables, int year) {
  std::vector<KozRecord> records;
  for (const auto* table : {&tables.nyukin, &tables.shisyutu})
    for (const KozLine& line : *table)
      if (const auto record = parse_koz_record(line.text); record && record->year == year)
        records.push_back(*record);
  std::stable_sort(records.begin(), records.end(), [](const KozRecord& a, const KozRecord& b) {
    return std::tie(a.month, a.day) < std::tie(b.month, b.day);
  });
  QByteArray bytes = kByteOrderMark + csv_row({"日付", "区分", "内容", "金額"});
  for (const KozRecord& r : records)
    bytes += csv_row({iso_date(r.year, r.month, r.day), r.income ? "入金" : "支出", r.item,
                      QString::number(r.value)});
  return bytes;
}

QByteArray gifts_csv(const ZoutouData& data) {
  QByteArray bytes = kByteOrderMark + csv_row({"日付", "区分", "氏名", "品名・金額"});
  for (const GiftLine& line : data.given) bytes += csv_row(gift_row(line, "贈った"));
  for (const GiftLine& line : data.received) bytes += csv_row(gift_row(line, "頂いた"));
  return bytes;
}
