// Address.DAT (eight quoted fields a line): any bytes read; the records and the
// lines kept in place come back byte for byte after a save.
#include "core/quoted_records.h"
#include "fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzz_file(data, size, "Address.DAT");
  const QuotedRecords file = read_quoted_records(path, 8);
  const QString again = QDir(fuzz_folder()).filePath("again.DAT");
  if (!write_quoted_records(again, file)) return 0;
  const QuotedRecords reread = read_quoted_records(again, 8);
  FUZZ_CHECK(reread.records == file.records);
  FUZZ_CHECK(quoted_records_bytes(reread) == quoted_records_bytes(file));
  return 0;
}
