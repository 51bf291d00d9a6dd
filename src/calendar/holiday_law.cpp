#include "calendar/holiday_law.h"

#include <cmath>

namespace {

// The law took effect on this day; the holidays of early 1948 did not exist yet.
const QDate kLawStart(1948, 7, 20);
const QDate kSubstituteStart(1973, 4, 12);
const QDate kSubstituteNextFreeDay(2007, 1, 1);  // before: only the Monday after
const QDate kCitizensStart(1988, 1, 1);

bool sunday(const QDate& d) { return d.dayOfWeek() == Qt::Sunday; }

// The n-th Monday of the month, as a day number.
int nth_monday(int year, int month, int n) {
  const int dow = QDate(year, month, 1).dayOfWeek();  // Monday 1 .. Sunday 7
  return 1 + (8 - dow) % 7 + 7 * (n - 1);
}

// The fraction of the formula is carried in whole millionths of a day, and the
// leap-year correction truncates towards zero as the published formula does
// before 1983; floating point would put a near-midnight year on the wrong day.
int equinox_day(int year, qint64 base_1980_on, qint64 base_before_1980) {
  const bool late = year >= 1980;
  const qint64 base = late ? base_1980_on : base_before_1980;
  const int shift = late ? (year - 1980) / 4 : (year - 1983) / 4;  // C++ truncates
  const qint64 micro = base + 242194LL * (year - 1980) - qint64(shift) * 1000000;
  return int(micro >= 0 ? micro / 1000000 : -((-micro + 999999) / 1000000));
}

// A holiday named by the law itself (one-off days included), without the
// substitute and citizens' days.
QString named_holiday(const QDate& d) {
  if (!d.isValid() || d < kLawStart || d.year() > kLastLawYear) return {};
  const int y = d.year(), m = d.month(), day = d.day();
  switch (m) {
    case 1:
      if (day == 1) return "元日";
      if (y < 2000 ? day == 15 : day == nth_monday(y, 1, 2)) return "成人の日";
      break;
    case 2:
      if (day == 11 && y >= 1967) return "建国記念の日";
      if (day == 23 && y >= 2020) return "天皇誕生日";
      if (day == 24 && y == 1989) return "大喪の礼";
      break;
    case 3:
      if (day == law_spring_equinox_day(y)) return "春分の日";
      break;
    case 4:
      if (day == 29) return y <= 1988 ? "天皇誕生日" : y <= 2006 ? "みどりの日" : "昭和の日";
      if (day == 10 && y == 1959) return "結婚の儀";
      break;
    case 5:
      if (day == 3) return "憲法記念日";
      if (day == 4 && y >= 2007) return "みどりの日";
      if (day == 5) return "こどもの日";
      if (day == 1 && y == 2019) return "即位の日";
      break;
    case 6:
      if (day == 9 && y == 1993) return "結婚の儀";
      break;
    case 7:
      if (y == 2020) return day == 23 ? "海の日" : day == 24 ? "スポーツの日" : "";
      if (y == 2021) return day == 22 ? "海の日" : day == 23 ? "スポーツの日" : "";
      if (y >= 1996 && y <= 2002 && day == 20) return "海の日";
      if (y >= 2003 && day == nth_monday(y, 7, 3)) return "海の日";
      break;
    case 8:
      if (y >= 2016 && day == (y == 2020 ? 10 : y == 2021 ? 8 : 11)) return "山の日";
      break;
    case 9:
      if (y >= 1966 && (y <= 2002 ? day == 15 : day == nth_monday(y, 9, 3))) return "敬老の日";
      if (day == law_autumn_equinox_day(y)) return "秋分の日";
      break;
    case 10:
      if (y >= 1966 && y <= 1999 && day == 10) return "体育の日";
      if (y >= 2000 && y != 2020 && y != 2021 && day == nth_monday(y, 10, 2))
        return y <= 2019 ? "体育の日" : "スポーツの日";
      if (y == 2019 && day == 22) return "即位礼正殿の儀";
      break;
    case 11:
      if (day == 3) return "文化の日";
      if (day == 23) return "勤労感謝の日";
      if (day == 12 && y == 1990) return "即位礼正殿の儀";
      break;
    case 12:
      if (day == 23 && y >= 1989 && y <= 2018) return "天皇誕生日";
      break;
  }
  return {};
}

bool named(const QDate& d) { return !named_holiday(d).isEmpty(); }

bool substitute(const QDate& d) {
  if (d < kSubstituteStart || named(d)) return false;
  if (d < kSubstituteNextFreeDay) return sunday(d.addDays(-1)) && named(d.addDays(-1));
  // The first day after a Sunday holiday that is not a holiday itself.
  for (QDate back = d.addDays(-1); named(back); back = back.addDays(-1))
    if (sunday(back)) return true;
  return false;
}

bool citizens(const QDate& d) {
  if (d < kCitizensStart || named(d) || !named(d.addDays(-1)) || !named(d.addDays(1))) return false;
  // Until 2006 a Sunday stayed a plain Sunday and a substitute day kept its name.
  if (d < kSubstituteNextFreeDay && (sunday(d) || substitute(d))) return false;
  return true;
}

}  // namespace

int law_spring_equinox_day(int year) { return equinox_day(year, 20843100, 20835700); }

int law_autumn_equinox_day(int year) { return equinox_day(year, 23248800, 23258800); }

QString law_holiday_name(const QDate& date) {
  if (!date.isValid() || date.year() < kFirstLawYear || date.year() > kLastLawYear) return {};
  QString name = named_holiday(date);
  if (!name.isEmpty()) return name;
  if (substitute(date)) return "振替休日";
  if (citizens(date)) return "国民の休日";
  return {};
}
