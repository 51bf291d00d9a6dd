// Memorial.DAT: any bytes read; what is written reads back the same.
#include "calendar/user_day_files.h"
#include "core/text_file.h"
#include "fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const KinenTable kinen_dat = read_memorial_file(fuzz_file(data, size, "Memorial.DAT"));
  const QStringList lines = memorial_file_lines(kinen_dat);
  const QString again = QDir(fuzz_folder()).filePath("Memorial.DAT");
  if (!fuzz_encodable(lines) || !write_lines(again, lines)) return 0;
  FUZZ_CHECK(memorial_file_lines(read_memorial_file(again)) == lines);
  return 0;
}
