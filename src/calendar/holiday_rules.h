#pragma once
// The Japanese holiday rules of the month grid: which day cells of a shown month
// turn red (national and user holidays) or magenta (anniversaries).
//
// Example: January 2003 (day 1 a Wednesday, first_col 3) in the normal calendar
// marks cell 3 (1 January) and cell 15 (13 January, 成人の日 on the second
// Monday); the weekday colours themselves belong to the grid painting.
#include <QDate>
#include <QTime>
#include <array>

#include "calendar/day_tables.h"

// National holidays and anniversaries are marked only within these years.
inline constexpr int kFirstHolidayYear = 1900;
inline constexpr int kLastHolidayYear = 2050;

enum class Equinox { Spring, Autumn };

// An instant of local time, without a time zone.
struct LocalInstant {
  QDate date;
  QTime time;  // to the millisecond
};

// The equinox of the year: the 1996 reference instant moved by whole mean years
// of 365.2422 days. Meant for the years 100..9999.
LocalInstant equinox_instant(int year, Equinox which);

// What the month shown needs from the window.
struct ShownMonth {
  int year = 0;
  int month = 0;
  int first_col = 0;              // column of day 1, Sunday 0
  int calen_mode = 1;             // 1 normal, 2 user, 3 all calendars
  bool setting_holidays = false;  // the user-holiday setting mode is active
  bool law = false;               // national holidays as the law stands today, 1948..2099
};

enum class DayMark { None, Holiday, Anniversary };
using MonthMarks = std::array<DayMark, 37>;

// The marks of the 37 cells; cells outside the month's days are never marked.
// When national holidays are shown for a March or September, the equinox entry
// of syuku_dat is rewritten for that year first, whatever the year. With `law`
// the national holidays are today's law's instead of the table's.
MonthMarks mark_month(const ShownMonth& shown, SyukuTable& syuku_dat, const HoliTable& holi_dat,
                      const KinenTable& kinen_dat);
