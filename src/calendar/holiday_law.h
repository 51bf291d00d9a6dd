#pragma once
// Japan's national holidays as the holiday law stands today, applied to every
// year from 1948 (the law's first year) to 2099; other years have none.
//
// Each holiday counts from the year it was instituted and stays on the days
// the law gave it in each year (成人の日 on 15 January to 1999 and on the second
// Monday from 2000, 天皇誕生日 on 29 April, 23 December or 23 February, ...).
// On top of them: the substitute holiday 振替休日 (from 12 April 1973) and the
// citizens' holiday 国民の休日 between two holidays (from 1988).
//
// Example: 2019-04-30 is "国民の休日" (between 昭和の日 and the enthronement
// day), 2021-08-09 is "振替休日" (山の日 on Sunday 8 August), 2018-12-23 is
// "天皇誕生日" and 2019-12-23 is an ordinary Monday.
#include <QDate>
#include <QString>

inline constexpr int kFirstLawYear = 1948;
inline constexpr int kLastLawYear = 2099;

// The day of the spring (March) or autumn (September) equinox holiday of the
// year, by the equinox-day formula that matches the published dates.
int law_spring_equinox_day(int year);
int law_autumn_equinox_day(int year);

// The holiday's name under today's law, "振替休日" and "国民の休日" included;
// empty on an ordinary day or outside 1948..2099.
QString law_holiday_name(const QDate& date);

inline bool is_law_holiday(const QDate& date) { return !law_holiday_name(date).isEmpty(); }
