#include "tools/time_calc_arith.h"

#include <cmath>

#include "core/half_width.h"
#include "core/number_text.h"

qint32 round_half_even(double value) {
  double whole = std::floor(value);
  const double fraction = value - whole;
  if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0.0)) whole += 1;
  return qint32(whole);
}

double box_number(const QString& text) { return text_to_number(to_half_width(text)) + 0.0; }

namespace {

bool over_limit(double value, double limit) { return value > limit || value < -limit; }

}  // namespace

QString left_box_text(const QString& text, TimeBox box) {
  const double value = box_number(text);
  if (box == TimeBox::Hours && over_limit(value, kHoursLimit)) return value > 0 ? "200" : "-200";
  if (box == TimeBox::MinutesOrSeconds && over_limit(value, kMinutesLimit)) return "0";
  return general_text(value);
}

double limited_value(const QString& text, TimeBox box) {
  return box_number(left_box_text(text, box));
}

qint32 to_seconds(double hours, double minutes, double seconds) {
  // Inputs are within their limits, so no step leaves 32 bits.
  qint32 total = round_half_even(hours) * 3600;
  total = round_half_even(minutes * 60 + total);
  return round_half_even(total + seconds);
}

TimeTotal combine_times(qint32 t1, qint32 t2, bool add) {
  const qint64 r = add ? qint64(t2) + t1 : qint64(t1) - t2;
  return {qint32(r < 0 ? -r : r), r < 0};
}

Hms split_seconds(qint32 total) {
  Hms hms;
  hms.hours = total / 3600;
  hms.minutes = (total - hms.hours * 3600) / 60;
  hms.seconds = total - hms.hours * 3600 - hms.minutes * 60;
  return hms;
}
