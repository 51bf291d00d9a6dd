#include "koyomi/koyomi.h"

#include "calendar/day_tables.h"
#include "calendar/holiday_rules.h"
#include "calendar/month_layout.h"
#include "core/module_loader.h"
#include "core/platform.h"
#include "settings/settings.h"

namespace {

constexpr int kKeyPageUp = 33, kKeyPageDown = 34, kKeyHome = 36;

// A mark after the day number: the moon's phase, else a solar term.
QString day_mark(const KoyomiDay& day) {
  switch (day.phase) {
    case MoonPhase::New:
      return "●";
    case MoonPhase::FirstQuarter:
      return "◐";
    case MoonPhase::Full:
      return "○";
    case MoonPhase::LastQuarter:
      return "◑";
    case MoonPhase::None:
      break;
  }
  return day.has_solar_term ? "◆" : "";
}

}  // namespace

QString koyomi_cell_text(const KoyomiDay& day) {
  const QString mark = day_mark(day);
  const QString lunar =
      day.lunar_day == 1 ? lunar_date_text(day).chopped(1) : QString::number(day.lunar_day);
  return QString::number(day.date.day()) + (mark.isEmpty() ? "" : " " + mark) + "\r\n" +
         day.rokuyou + "\r\n" + lunar;
}

QString koyomi_pointing_text(const KoyomiDay& day) {
  static const char* const weekdays[7] = {"月", "火", "水", "木", "金", "土", "日"};
  QString text = QString("%1年%2月%3日（%4） 旧暦%5 %6 %7 月齢%8")
                     .arg(day.date.year())
                     .arg(day.date.month())
                     .arg(day.date.day())
                     .arg(weekdays[day.date.dayOfWeek() - 1])
                     .arg(lunar_date_text(day), day.rokuyou, day.kanshi)
                     .arg(day.moon_age, 0, 'f', 1);
  if (!day.names.isEmpty()) text += " " + day.names.join("、");
  if (day.phase != MoonPhase::None) text += " " + moon_phase_name(day.phase);
  return text;
}

void Koyomi::Form_Load() {
  caption = "こよみ";
  QString error;
  if (!almanac_ && !(almanac_ = load_feature<AlmanacFeature>(error)))
    platform().message(error, MsgButtons::Ok, MsgIcon::Exclamation);
  const QDate today = platform().today();
  const QDate shown(m.shown_year, m.shown_month, 1);
  const QDate start = in_koyomi_range(shown)   ? shown
                      : in_koyomi_range(today) ? today
                                               : QDate(kFirstKoyomiYear, 1, 1);
  k_year = start.year();
  k_month = start.month();
  disp_calen();
  centre(4);
}

void Koyomi::disp_calen() {
  const QDate first(k_year, k_month, 1);
  // Without the module the month shows its days' colours and nothing of the old calendar.
  days_ = almanac_ ? almanac_->days(first, first.addDays(first.daysInMonth() - 1))
                   : std::vector<KoyomiDay>{};
  k_first_col = month_first_col(k_year, k_month);
  c("Label5").text = QString("%1年%2月").arg(k_year).arg(k_month, 2);

  // Holidays as the main window colours them in its normal calendar.
  SyukuTable syuku_dat;
  GyoujiTable gyouji_dat;
  dat_set(syuku_dat, gyouji_dat);
  const ShownMonth shown{k_year, k_month, k_first_col, 1, false, law_option(m)};
  const MonthMarks marks = mark_month(shown, syuku_dat, HoliTable{}, KinenTable{});
  const QDate today = platform().today();
  for (int k = 0; k < kMonthCells; ++k) {
    Control& cell = c("Label1", k);
    const int d = k - k_first_col;
    const bool in_month = d >= 0 && d < int(days_.size());
    cell.text = in_month ? koyomi_cell_text(days_[size_t(d)]) : QString();
    cell.back = in_month && days_[size_t(d)].date == today ? kCyan : kLightYellow;
    cell.fore = marks[size_t(k)] == DayMark::Holiday || is_sunday_cell(k) ? kRed
                : is_saturday_cell(k)                                     ? kBlue
                                                                          : kSystemColour;
  }
  // The line below the grid tells of today, or of the month's first day when today
  // lies elsewhere, until a day is pointed at: never of a day of another month.
  const bool today_shown = today.year() == k_year && today.month() == k_month;
  if (!days_.empty())
    c("Text1").text = koyomi_pointing_text(days_[today_shown ? size_t(today.day() - 1) : 0]);
}

void Koyomi::show_month(int year, int month) {
  if (!in_koyomi_range(QDate(year, month, 1))) return;
  k_year = year;
  k_month = month;
  disp_calen();
}

void Koyomi::Command1_Click() { unload(); }

void Koyomi::Command3_Click(int index) {
  const QDate first(k_year, k_month, 1);
  if (index == 0 || index == 1) {
    const QDate to = first.addMonths(index == 0 ? -1 : 1);
    show_month(to.year(), to.month());
  } else if (index == 2) {
    const QDate today = platform().today();
    show_month(today.year(), today.month());
  }
}

void Koyomi::Label1_MouseMove(int index) {
  const int d = index - k_first_col;
  if (d >= 0 && d < int(days_.size())) c("Text1").text = koyomi_pointing_text(days_[size_t(d)]);
}

void Koyomi::Form_KeyDown(int& key_code, int /*shift*/) {
  const int button = key_code == kKeyPageUp     ? 0
                     : key_code == kKeyPageDown ? 1
                     : key_code == kKeyHome     ? 2
                                                : -1;
  if (button < 0) return;
  Command3_Click(button);
  key_code = 0;
}
