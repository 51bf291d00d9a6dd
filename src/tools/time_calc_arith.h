#pragma once
// The arithmetic of the time window: box values within their limits, times in
// whole seconds (halves rounded to even, as the classic runtime's CLng does) and
// the split of a total back into hours, minutes and seconds.
//
// Example: 1:30:45 + 0:45:30 -> 5445 + 2730 = 8175 s -> 2:16:15.
#include <QString>

// The largest value an hours box takes, and the largest of a minutes or seconds box.
inline constexpr double kHoursLimit = 200;
inline constexpr double kMinutesLimit = 59;

enum class TimeBox { Hours, MinutesOrSeconds };

// Nearest whole number, a half going to the even neighbour.
qint32 round_half_even(double value);

// What a box reads: its leading number, full-width digits taken as digits.
double box_number(const QString& text);

// The text a box holds once left: an hours box beyond +-200 becomes "200" or
// "-200", a minutes or seconds box beyond +-59 is emptied, and what is left is
// written back as a number ("" -> "0", "05" -> "5", "1.5" stays).
QString left_box_text(const QString& text, TimeBox box);

// The value the arithmetic uses for a box: that of the text it holds once left.
double limited_value(const QString& text, TimeBox box);

// Hours, minutes and seconds in whole seconds, rounding after each step.
qint32 to_seconds(double hours, double minutes, double seconds);

struct TimeTotal {
  qint32 seconds = 0;  // never negative: a negative result is shown by its size
  bool negative = false;
};

// The sum of both times, or the difference of the first less the second.
TimeTotal combine_times(qint32 t1, qint32 t2, bool add);

struct Hms {
  qint32 hours = 0, minutes = 0, seconds = 0;
};

// Splits a non-negative total; hours are not reduced to a day.
Hms split_seconds(qint32 total);
