// The main window's day tables: filled at load, the user's two tables saved
// when their setting mode ends.
#include "calendar/user_day_files.h"
#include "core/save.h"
#include "toribe/toribe.h"

void Toribe::dat_set() { ::dat_set(syuku_dat, gyouji_dat); }

void Toribe::read_hol() { holi_dat = read_holiday_file(kHolidayFile); }

void Toribe::read_mem() { kinen_dat = read_memorial_file(kMemorialFile); }

// A failed write is told to the user by save_lines; the table stays in memory
// and the next save writes it. Each save ends its setting mode.
void Toribe::save_holi() {
  normalise_holidays(holi_dat);
  save_lines(platform(), kHolidayFile, holiday_file_lines(holi_dat));
  if (set_mode == Mode::HolidaySetting) set_mode = Mode::None;
}

void Toribe::save_kinen() {
  save_lines(platform(), kMemorialFile, memorial_file_lines(kinen_dat));
  if (set_mode == Mode::AnniversarySetting) set_mode = Mode::None;
}
