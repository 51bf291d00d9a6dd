#include "sync/vcard_mapping.h"

#include <QRegularExpression>

#include "cards/meishi_file.h"
#include "exchange/contact_import.h"
#include "exchange/vcard_reader.h"
#include "exchange/vcard_writer.h"

namespace {

ContactBook book_of(RecordKind kind) {
  return kind == RecordKind::Card ? ContactBook::Cards : ContactBook::Addresses;
}

// The properties written from each field of a record.
QStringList properties_of(RecordKind kind, qsizetype field) {
  static const QList<QStringList> address{{"FN", "N"}, {"ADR"}, {"ADR"}, {"ADR"},
                                          {"TEL"},     {"TEL"}, {"TEL"}, {"EMAIL"}};
  static const QList<QStringList> card{{"ORG"}, {"ORG"}, {"TITLE"}, {"FN", "N"}, {"ADR"},
                                       {"ADR"}, {"TEL"}, {"TEL"},   {"TEL"},     {"EMAIL"}};
  return (kind == RecordKind::Card ? card : address).value(field);
}

QStringList unfolded(const QByteArray& bytes) {
  QStringList lines;
  for (QString line : QString::fromUtf8(bytes).split('\n')) {
    if (line.endsWith('\r')) line.chop(1);
    if ((line.startsWith(' ') || line.startsWith('\t')) && !lines.isEmpty())
      lines.last() += line.mid(1);
    else if (!line.isEmpty())
      lines << line;
  }
  return lines;
}

// "item1.TEL;TYPE=cell:…" is a TEL.
QString property_name(const QString& line) {
  static const QRegularExpression name("^(?:[A-Za-z0-9-]+\\.)?([A-Za-z0-9-]+)");
  return name.match(line).captured(1).toUpper();
}

QByteArray folded(const QStringList& lines) {
  QByteArray bytes;
  for (const QString& line : lines) bytes += folded_line(line);
  return bytes;
}

QStringList new_lines(const SyncRecord& record, const QByteArray& uid, bool vcard4) {
  const std::vector<QStringList> records{record.fields};
  QStringList lines =
      unfolded(record.kind == RecordKind::Card ? card_vcards(records) : address_vcards(records));
  for (QString& line : lines)
    if (line == "VERSION:4.0" && !vcard4) line = "VERSION:3.0";
  lines.insert(2, "UID:" + QString::fromUtf8(uid));
  // vCard 3.0 requires N even for a record without a name.
  bool has_n = false;
  for (const QString& line : lines) has_n |= property_name(line) == "N";
  if (!has_n) lines.insert(3, "N:;;;;");
  return lines;
}

}  // namespace

std::optional<SyncRecord> vcard_record(const QByteArray& vcf, RecordKind kind) {
  const auto read = read_vcards(vcf);
  const auto* cards = std::get_if<QList<Vcard>>(&read);
  if (!cards || cards->size() != 1) return std::nullopt;
  const QStringList fields = contact_fields(cards->first(), book_of(kind));
  return SyncRecord{kind, fields.value(kind == RecordKind::Card ? kName : 0), fields};
}

QByteArray vcard_bytes(const SyncRecord& record, const QByteArray& server_copy,
                       const std::optional<SyncRecord>& old, const QByteArray& uid, bool vcard4) {
  QStringList lines = unfolded(server_copy);
  const qsizetype end = lines.lastIndexOf("END:VCARD", -1);
  if (!old || old->kind != record.kind || end < 0 || lines.count("BEGIN:VCARD") != 1)
    return folded(new_lines(record, uid, vcard4));
  QSet<QString> changed;
  for (qsizetype i = 0; i < record.fields.size(); ++i)
    if (record.fields[i] != old->fields.value(i))
      for (const QString& p : properties_of(record.kind, i)) changed.insert(p);
  QStringList out;
  for (qsizetype i = 0; i < end; ++i)
    if (!changed.contains(property_name(lines[i]))) out << lines[i];
  for (const QString& line : new_lines(record, uid, vcard4))
    if (changed.contains(property_name(line))) out << line;
  out << lines.mid(end);
  return folded(out);
}
