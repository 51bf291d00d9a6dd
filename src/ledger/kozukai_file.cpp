#include "ledger/kozukai_file.h"

#include "core/text_file.h"

namespace {

bool all_ascii_digits(const QString& text) {
  for (const QChar c : text)
    if (c < '0' || c > '9') return false;
  return !text.isEmpty();
}

QString two_digits(int n) { return QString("%1").arg(n, 2, 10, QChar('0')); }

}  // namespace

QString koz_file_name(int year) { return QString("TO%1.KOZ").arg(year, 4, 10, QChar('0')); }

KozLine koz_line(const QString& text) { return {to_cp932(text), text}; }

QString build_koz_record(bool income, int year, int month, int day, const QString& amount,
                         const QString& item) {
  const QString part =
      QString("%1").arg(year, 4, 10, QChar('0')) + two_digits(month) + two_digits(day) + amount;
  return (income ? "*" : "") + two_digits(int(part.size())) + part + item;
}

std::optional<KozRecord> parse_koz_record(const QString& line) {
  KozRecord record;
  record.income = line.startsWith('*');
  const qsizetype at = record.income ? 1 : 0;
  const QString length_field = line.mid(at, 2);
  if (length_field.size() != 2 || !all_ascii_digits(length_field)) return std::nullopt;
  const int length = length_field.toInt();
  if (length < 9 || line.size() < at + 2 + length) return std::nullopt;
  const QString header = line.mid(at + 2, length);
  if (!all_ascii_digits(header)) return std::nullopt;
  record.year = header.left(4).toInt();
  record.month = header.mid(4, 2).toInt();
  record.day = header.mid(6, 2).toInt();
  if (record.month < 1 || record.month > 12 || record.day < 1 || record.day > 31)
    return std::nullopt;
  record.amount = header.mid(8);
  qsizetype first = 0;
  while (first < record.amount.size() - 1 && record.amount[first] == '0') ++first;
  // Leading zeros may make the text long; the value itself stays within an entry's limit.
  if (record.amount.size() - first > 7) return std::nullopt;
  record.value = record.amount.mid(first).toLongLong();
  if (record.value > kMaxAmount) return std::nullopt;
  record.item = line.mid(at + 2 + length);
  return record;
}

std::optional<KozTables> read_koz_file(const QString& path) {
  const auto lines = read_byte_lines(path);
  if (!lines) return std::nullopt;
  KozTables tables;
  for (const QByteArray& bytes : *lines) {
    // A blank line is no record: skipping it keeps every record after it.
    if (bytes.isEmpty()) continue;
    KozLine line{bytes, from_cp932(bytes)};
    (bytes.startsWith('*') ? tables.nyukin : tables.shisyutu).push_back(std::move(line));
  }
  return tables;
}

bool write_koz_file(const QString& path, const KozTables& tables) {
  QByteArray bytes;
  for (const auto* table : {&tables.nyukin, &tables.shisyutu})
    for (const KozLine& line : *table) bytes += line.bytes + "\r\n";
  return write_bytes(path, bytes);
}
