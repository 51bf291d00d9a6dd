// Holiday.DAT: any bytes read; the table written back reads the same.
#include "calendar/user_day_files.h"
#include "core/text_file.h"
#include "fuzz/fuzz_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  HoliTable holi_dat = read_holiday_file(fuzz_file(data, size, "Holiday.DAT"));
  normalise_holidays(holi_dat);
  const QStringList lines = holiday_file_lines(holi_dat);
  const QString again = QDir(fuzz_folder()).filePath("Holiday.DAT");
  if (!fuzz_encodable(lines) || !write_lines(again, lines)) return 0;
  FUZZ_CHECK(holiday_file_lines(read_holiday_file(again)) == lines);
  return 0;
}
