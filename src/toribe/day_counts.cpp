// The two day counts: how far a picked day lies from today, and how many days
// lie between two picked days. Both stay on until "抜ける" ends them.
#include <QDate>

#include "core/dates.h"
#include "core/platform.h"
#include "memo/day_count.h"
#include "toribe/toribe.h"

namespace {

void show_leave_button(Toribe& form) { form.c("Command13", 6).visible = true; }

}  // namespace

QString Toribe::cell_date_key(int cell) const {
  if (cell < 0 || cell > 36 || cur_month < 1 || cur_month > 12) return {};
  const int day = cell - first_col + 1;
  if (day < 1 || day > QDate(cur_year, cur_month, 1).daysInMonth()) return {};
  return date_key(cur_year, cur_month, day);
}

void Toribe::mnukara_day_Click() {
  count1_mode = true;
  c("Text1").text = "日付を指定して下さい。";
  show_leave_button(*this);
}

void Toribe::mnukara2_day_Click() {
  count2_step = Count2Step::FirstDate;
  c("Text1").text = "はじめの日付を指定して下さい。";
  show_leave_button(*this);
}

void Toribe::day_count_press(int cell) {
  const QString key = cell_date_key(cell);
  const std::optional<QDate> picked = parse_date_key(key);
  if (!picked) return;
  QString& info = c("Text1").text;
  if (count1_mode) {
    info = days_from_today_text(day_difference(platform().today(), *picked));
  }
  if (count2_step == Count2Step::FirstDate) {
    count_from = key;
    info = "最後の日付を指定して下さい。";
    count2_step = Count2Step::LastDate;
  } else if (count2_step == Count2Step::LastDate) {
    count_to = key;
    const int n = day_difference(parse_date_key(count_from).value_or(*picked), *picked);
    info = days_between_text(count_from, count_to, n);
    count2_step = Count2Step::FirstDate;
  }
}
