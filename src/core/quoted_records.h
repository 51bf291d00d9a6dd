#pragma once
// Files of double-quoted records, one a line: "a","","b,c" (the business cards and the
// address book). A line that does not read as a record of the expected width, or whose
// bytes are not CP932, is kept byte for byte in its place, so a save never drops what
// the user had in the file.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

struct KeptLine {
  qsizetype before = 0;  // the line is written just before this record (or at the end)
  QByteArray bytes;      // the line as it was in the file, without its line end
};

struct QuotedRecords {
  std::vector<QStringList> records;
  std::vector<KeptLine> kept;

  // Removes record i; kept lines stay between the same neighbours.
  void erase_record(qsizetype i);
};

// The record of one line when it has exactly field_count fields; empty otherwise.
// An empty field is two quotes; a comma inside quotes belongs to the field. A line
// that would not be written back the same (a double quote inside a field, text after
// a closing quote) is no record, so it is kept rather than mangled.
std::optional<QStringList> parse_quoted_record(const QString& line, qsizetype field_count);
// "a","","b,c": every field in double quotes, separated by commas.
QString format_quoted_record(const QStringList& fields);

// Reads the file; a missing file gives no records. Blank lines are dropped.
QuotedRecords read_quoted_records(const QString& path, qsizetype field_count);
// The file's bytes: the records and the kept lines in order, each ended by CR LF.
QByteArray quoted_records_bytes(const QuotedRecords& file);
// Replaces the file whole and atomically; false when it could not be written.
bool write_quoted_records(const QString& path, const QuotedRecords& file);
