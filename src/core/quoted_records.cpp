#include "core/quoted_records.h"

#include "core/fields.h"
#include "core/text_file.h"

void QuotedRecords::erase_record(qsizetype i) {
  records.erase(records.begin() + i);
  for (KeptLine& line : kept)
    if (line.before > i) --line.before;
}

std::optional<QStringList> parse_quoted_record(const QString& line, qsizetype field_count) {
  QStringList fields = split_fields(line);
  if (fields.size() != field_count) return std::nullopt;
  // A quote inside a field cannot be written back; such a line is kept as it is.
  for (const QString& field : fields)
    if (field.contains(QLatin1Char('"'))) return std::nullopt;
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
