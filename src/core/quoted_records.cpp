#include "core/quoted_records.h"

#include "core/fields.h"
#include "core/text_file.h"

void QuotedRecords::erase_record(qsizetype i) {
  records.erase(records.begin() + i);
  for (KeptLine& line : kept)
    if (line.before > i) --line.before;
}

namespace {

bool is_blank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }

// True when writing the fields back in quotes keeps every character the line
// holds: no double quote inside a field, nothing but blanks after a closing quote.
bool survives_rewrite(const QString& line) {
  const qsizetype n = line.size();
  qsizetype i = 0;
  while (i < n) {
    while (i < n && is_blank(line[i])) ++i;
    if (i < n && line[i] == QLatin1Char('"')) {
      const qsizetype close = line.indexOf(QLatin1Char('"'), i + 1);
      if (close < 0) return true;  // an unclosed quote runs to the line end
      i = close + 1;
      while (i < n && is_blank(line[i])) ++i;
      if (i < n && line[i] != QLatin1Char(',')) return false;
    } else {
      const qsizetype comma = line.indexOf(QLatin1Char(','), i);
      const qsizetype end = comma < 0 ? n : comma;
      const qsizetype quote = line.indexOf(QLatin1Char('"'), i);
      if (quote >= 0 && quote < end) return false;
      i = end;
    }
    ++i;  // past the comma
  }
  return true;
}

}  // namespace

std::optional<QStringList> parse_quoted_record(const QString& line, qsizetype field_count) {
  QStringList fields = split_fields(line);
  if (fields.size() != field_count || !survives_rewrite(line)) return std::nullopt;
  return fields;
}

QString format_quoted_record(const QStringList& fields) {
  QString line;
  for (qsizetype i = 0; i < fields.size(); ++i) {
    if (i > 0) line += QLatin1Char(',');
    line += QLatin1Char('"') + fields[i] + QLatin1Char('"');
  }
  return line;
}

QuotedRecords read_quoted_records(const QString& path, qsizetype field_count) {
  QuotedRecords file;
  const auto lines = read_byte_lines(path);
  if (!lines) return file;
  for (const QByteArray& bytes : *lines) {
    if (bytes.trimmed().isEmpty()) continue;
    const auto text = from_cp932_strict(bytes);
    const auto record = text ? parse_quoted_record(*text, field_count) : std::nullopt;
    if (record)
      file.records.push_back(*record);
    else
      file.kept.push_back({qsizetype(file.records.size()), bytes});
  }
  return file;
}

QByteArray quoted_records_bytes(const QuotedRecords& file) {
  QByteArray bytes;
  auto kept = file.kept.begin();
  for (qsizetype i = 0; i <= qsizetype(file.records.size()); ++i) {
    for (; kept != file.kept.end() && kept->before <= i; ++kept) bytes += kept->bytes + "\r\n";
    if (i < qsizetype(file.records.size()))
      bytes += to_cp932(format_quoted_record(file.records[i])) + "\r\n";
  }
  for (; kept != file.kept.end(); ++kept) bytes += kept->bytes + "\r\n";
  return bytes;
}

bool write_quoted_records(const QString& path, const QuotedRecords& file) {
  return write_bytes(path, quoted_records_bytes(file));
}
