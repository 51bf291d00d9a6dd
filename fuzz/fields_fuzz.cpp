// The comma-field readers: any line split; quoted records formatted and parsed
// back give the same fields when no field holds a double quote.
#include "core/fields.h"
#include "core/quoted_records.h"
#include "core/text_file.h"
#include "fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString line = from_cp932(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
  const QStringList fields = split_fields(line);
  FUZZ_CHECK(!fields.isEmpty());
  first_field(line);
  QStringList clean;
  for (QString field : fields) clean << field.remove(QLatin1Char('"')).remove(QLatin1Char('\n'));
  FUZZ_CHECK(parse_quoted_record(format_quoted_record(clean), clean.size()) == clean);

  // A whole file of quoted records: every line comes back, records or kept bytes.
  const QString path = fuzz_file(data, size, "records.DAT");
  const QuotedRecords file = read_quoted_records(path, 8);
  const QString again = QDir(fuzz_folder()).filePath("again.DAT");
  if (!write_quoted_records(again, file)) return 0;
  FUZZ_CHECK(quoted_records_bytes(read_quoted_records(again, 8)) == quoted_records_bytes(file));
  return 0;
}
