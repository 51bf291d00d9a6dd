#pragma once
// The ledger's entry and navigation rules that need no window.
#include <QDate>
#include <QString>

// The amount check on the amount box's text: good, not a valid amount (a
// character other than a digit, a value of 0, an empty box) or above 9999999.
// Full-width digits count as digits.
enum class AmountCheck { Good = 0, NotAmount = 1, TooLarge = 2 };
AmountCheck amount_check(const QString& text);

struct YearMonth {
  int year = 0;
  int month = 0;
};
// The year and month of the settings line "KOZ = yyyymm"; today's when the line
// names no valid year and month.
YearMonth koz_setting_month(const QString& ini_koz, const QDate& today);
// "KOZ = 200305".
QString koz_setting_line(int year, int month);

// The lowest year the steps reach, and the highest: 2010, or next year when
// that is later.
inline constexpr int kFirstStepYear = 1998;
int last_step_year(const QDate& today);

// One press of a navigation button (0 "<<", 1 "<", 2 ">", 3 ">>"). A step that
// would leave the bounds stays. reload: a year step, or a month step that met
// the year's end, whether it crossed it or was stopped there.
struct KozStep {
  YearMonth to;
  bool reload = false;
};
KozStep navigation_step(int button, YearMonth from, int last_year);
