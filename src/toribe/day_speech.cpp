// The day cells' names and descriptions for screen readers, and the focus day
// that the keyboard moves across the grid.
#include "toribe/day_speech.h"

#include <algorithm>

#include "calendar/holiday_law.h"
#include "calendar/holiday_rules.h"
#include "calendar/month_layout.h"
#include "core/platform.h"
#include "settings/settings.h"
#include "toribe/toribe.h"

QString day_cell_name(int day) { return QString::number(day) + "日"; }

QString day_cell_description(const QDate& date, const DayNotes& notes) {
  QStringList parts{QString("%1年%2月%3日").arg(date.year()).arg(date.month()).arg(date.day()),
                    QString(kWeekdayNames[date.dayOfWeek() % 7]) + "曜日"};
  if (!notes.holiday.isEmpty()) parts << notes.holiday;
  if (notes.user_holiday) parts << "ユーザー休日";
  if (!notes.anniversary.isEmpty()) parts << notes.anniversary;
  if (notes.memo) parts << "メモあり";
  return parts.join(' ');
}

namespace {

constexpr int kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

}  // namespace

// What pointing at the day shows, within the same years.
DayNotes Toribe::day_notes(int cell, const QDate& date) const {
  DayNotes notes;
  const QString key = cell_date_key(cell);
  const bool law = law_option(m);
  const bool day_years = cur_year >= kFirstHolidayYear && cur_year <= kLastHolidayYear;
  if (law && cur_year >= kFirstLawYear && cur_year <= kLastLawYear)
    notes.holiday = law_holiday_name(date);
  else if (!law && day_years)
    notes.holiday = syuku_name(cell, key);
  if (!day_years) return notes;
  const QString holiday_key =
      QStringLiteral("%1").arg(date.year(), 4, 10, QChar('0')) + date.toString("MMdd");
  for (int slot = holi_years; slot < used_end(holi_dat, holi_years); ++slot)
    if (holi_dat[slot] == holiday_key) notes.user_holiday = true;
  const QString month_day = key.mid(5, 2) + key.mid(8, 2);
  for (int slot = 0; slot < used_end(kinen_dat); ++slot)
    if (kinen_dat[slot].left(4) == month_day) notes.anniversary = kinen_dat[slot].mid(4);
  for (int slot = 1; slot <= memo_cnt && slot < memo_txt.size(); ++slot)
    if (memo_txt[slot].left(10) == key) notes.memo = true;
  return notes;
}

void Toribe::speak_days() {
  if (cur_month < 1 || cur_month > 12) return;  // before the first month is shown
  const int days = QDate(cur_year, cur_month, 1).daysInMonth();
  const QDate today = platform().today();
  // The focus day stays on its day of the month as the month changes.
  int focus = focus_day.isValid()                                      ? focus_day.day()
              : today.year() == cur_year && today.month() == cur_month ? today.day()
                                                                       : 1;
  focus = std::min(focus, days);
  focus_day = QDate(cur_year, cur_month, focus);
  for (int k = 0; k < kMonthCells; ++k) {
    Control& cell = c("Label1", k);
    const int day = k - first_col + 1;
    const bool has_day = day >= 1 && day <= days;
    const QDate date = has_day ? QDate(cur_year, cur_month, day) : QDate();
    cell.spoken_name = has_day ? day_cell_name(day) : QString();
    cell.description = has_day ? day_cell_description(date, day_notes(k, date)) : QString();
    cell.current = has_day && date == today;
    cell.focusable = has_day && day == focus;
  }
}

void Toribe::Label1_KeyDown(int index, int& key_code) {
  const int step = key_code == kLeft    ? -1
                   : key_code == kRight ? 1
                   : key_code == kUp    ? -7
                   : key_code == kDown  ? 7
                                        : 0;
  if (step == 0 || cell_date_key(index).isEmpty()) return;
  key_code = 0;
  const QDate from(cur_year, cur_month, index - first_col + 1);
  const QDate to = from.addDays(step);
  focus_day = to;
  if (to.month() != cur_month || to.year() != cur_year) {
    // Over the edge: the month buttons turn the page, unless a mode holds them.
    const int button = step > 0 ? 3 : 2;
    const Control& turner = c("Command13", button);
    if (turner.enabled && turner.visible && turner.text == (step > 0 ? "+" : "-"))
      Command13_MouseDown(button, int(MouseButton::Left));
    if (cur_month != to.month() || cur_year != to.year()) focus_day = from;
  }
  speak_days();
  // The day the keys moved to shows what pointing at it would.
  const int cell = first_col + focus_day.day() - 1;
  set_focus("Label1", cell);
  Label1_MouseMove(cell);
}
