// The holiday colouring that ends every repaint of the month grid.
#include "calendar/holiday_rules.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

void Toribe::holiday_iro() {
  const ShownMonth shown{
      cur_year,     cur_month, first_col, m.calen_mode, set_mode == Mode::HolidaySetting,
      law_option(m)};
  const MonthMarks marks = mark_month(shown, syuku_dat, holi_dat, kinen_dat);
  for (int k = 0; k < int(marks.size()); ++k) {
    if (marks[k] == DayMark::Holiday) c("Label1", k).fore = kRed;
    if (marks[k] == DayMark::Anniversary) c("Label1", k).fore = kMagenta;
  }
  speak_days();
}
