// Meishi.DAT (ten quoted fields a line) through the card window's reader and
// writer: the cards and the lines kept in place come back byte for byte, and a
// file saved while only the sample card is held keeps every other line.
#include "cards/meishi_file.h"
#include "fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QString path = fuzz_file(data, size, "Meishi.DAT");
  const QuotedRecords file = read_cards(path);
  const QString again = QDir(fuzz_folder()).filePath("again.DAT");
  if (!write_cards(again, file, true)) return 0;
  const QuotedRecords reread = read_cards(again);
  FUZZ_CHECK(reread.records == file.records);
  FUZZ_CHECK(quoted_records_bytes(reread) == quoted_records_bytes(file));
  if (!write_cards(again, file, false)) return 0;
  const QuotedRecords kept_only = read_cards(again);
  FUZZ_CHECK(kept_only.records.empty());
  FUZZ_CHECK(kept_only.kept.size() == file.kept.size());
  return 0;
}
