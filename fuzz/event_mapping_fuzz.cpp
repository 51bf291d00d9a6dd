// Server iCalendar into records: any bytes give a record or nothing; the record
// as the files hold it, written back as a new item and as a patch of the bytes
// it came from, reads back the same.
#include <QRegularExpression>

#include "fuzz/fuzz_file.h"
#include "sync/event_mapping.h"

namespace {

// iCalendar readers drop the blanks around a value.
std::optional<SyncRecord> normal(std::optional<SyncRecord> record) {
  static const QRegularExpression blanks("^[ \\t]+|[ \\t]+$", QRegularExpression::MultilineOption);
  if (record)
    for (QString& field : record->fields) field.remove(blanks);
  return record;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
  auto record = event_record(bytes);
  if (!record) return 0;
  fit_record(*record);
  FUZZ_CHECK(record->kind == RecordKind::Memo || record->kind == RecordKind::Anniversary ||
             record->kind == RecordKind::Holiday);
  // A text libical cannot write back whole (a NUL, a broken UTF-8 sequence) is not compared.
  if (record->fields.join(QString()).contains(QChar(0xFFFD)) ||
      record->fields.join(QString()).contains(QChar(0)))
    return 0;
  FUZZ_CHECK(normal(event_record(event_bytes(*record, {}, std::nullopt, "f"))) == normal(record));
  SyncRecord edited = *record;
  if (!edited.fields.isEmpty()) edited.fields[0] += "x";
  const auto patched = event_record(event_bytes(edited, bytes, record, "f"));
  FUZZ_CHECK(patched && normal(patched)->fields == normal(edited)->fields);
  return 0;
}
