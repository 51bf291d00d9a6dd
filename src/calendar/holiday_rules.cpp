#include "calendar/holiday_rules.h"

#include <cmath>

#include "calendar/holiday_law.h"
#include "core/number_text.h"

namespace {

constexpr qint64 kCentisPerDay = 86400LL * 100;
// 365.2422 days, exactly, in hundredths of a second: whole numbers keep the
// near-midnight years (1979, 2012) on the right day.
constexpr qint64 kMeanYearCentis = 3155692608LL;

struct Reference {
  QDate date;
  qint64 centis;  // time of day
};

Reference reference(Equinox which) {
  if (which == Equinox::Spring) return {QDate(1996, 3, 20), ((17 * 60 + 14) * 60 + 13) * 100LL};
  return {QDate(1996, 9, 23), ((2 * 60 + 58) * 60 + 25) * 100LL};
}

qint64 floor_div(qint64 a, qint64 b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

// The day number held by two characters of an entry, read as a number is read
// from text (a blank or a letter ends it).
int day_at(const QString& entry, int pos) {
  const double v = text_to_number(entry.mid(pos, 2));
  return std::isfinite(v) && v >= 0 && v < 100 ? int(v) : 0;
}

QString two_digits(int v) { return QString("%1").arg(v, 2, 10, QChar('0')); }

class Marker {
 public:
  explicit Marker(const ShownMonth& shown) : first_col_(shown.first_col) {
    const QDate first(shown.year, shown.month, 1);
    days_ = first.isValid() ? first.daysInMonth() : 0;
    marks_.fill(DayMark::None);
  }
  int days() const { return days_; }
  void mark_day(int day, DayMark mark) {
    if (day >= 1 && day <= days_) mark_cell(first_col_ + day - 1, mark);
  }
  void mark_cell(int cell, DayMark mark) {
    if (cell >= 0 && cell < int(marks_.size())) marks_[cell] = mark;
  }
  const MonthMarks& marks() const { return marks_; }

 private:
  int first_col_;
  int days_ = 0;
  MonthMarks marks_;
};

void update_equinox(SyukuTable& syuku_dat, int year, int month) {
  if (month == 3) {
    const int dd = equinox_instant(year, Equinox::Spring).date.day();
    syuku_dat[kSpringEquinoxSlot] = "03" + two_digits(dd) + "春分の日";
  } else if (month == 9) {
    const int dd = equinox_instant(year, Equinox::Autumn).date.day();
    syuku_dat[kAutumnEquinoxSlot] = "09" + two_digits(dd) + "秋分の日";
  }
}

void mark_national(const ShownMonth& shown, const SyukuTable& syuku_dat, Marker& marker) {
  const QString mm = two_digits(shown.month);
  for (int i = 0, end = used_end(syuku_dat); i < end; ++i) {
    const QString& entry = syuku_dat[i];
    if (entry.left(2) != mm) continue;
    if ((i == kSeijinSlot || i == kTaiikuSlot) && shown.year >= 2000) {
      // the second Monday
      marker.mark_cell(shown.first_col <= 1 ? 8 : 15, DayMark::Holiday);
      continue;
    }
    const int d = day_at(entry, 2);
    if (d < 1 || d > marker.days()) continue;
    if ((d + shown.first_col - 1) % 7 == 0)
      marker.mark_day(d + 1, DayMark::Holiday);  // a Sunday holiday: the Monday after
    else
      marker.mark_day(d, DayMark::Holiday);
  }
}

void mark_law(const ShownMonth& shown, Marker& marker) {
  if (shown.year < kFirstLawYear || shown.year > kLastLawYear) return;
  for (int d = 1; d <= marker.days(); ++d)
    if (is_law_holiday(QDate(shown.year, shown.month, d))) marker.mark_day(d, DayMark::Holiday);
}

void mark_user_holidays(const ShownMonth& shown, const HoliTable& holi_dat, Marker& marker) {
  const QString mm = two_digits(shown.month);
  // Keys carry the year in four digits, leading zeros below 1000.
  const QString year = QStringLiteral("%1").arg(shown.year, 4, 10, QChar('0'));
  for (int i = kHoliYears, end = used_end(holi_dat, kHoliYears); i < end; ++i) {
    const QString& entry = holi_dat[i];
    if (entry.mid(4, 2) == mm && entry.left(4) == year)
      marker.mark_day(day_at(entry, 6), DayMark::Holiday);
  }
}

void mark_anniversaries(const ShownMonth& shown, const KinenTable& kinen_dat, Marker& marker) {
  const QString mm = two_digits(shown.month);
  for (int i = 0, end = used_end(kinen_dat); i < end; ++i) {
    if (kinen_dat[i].left(2) == mm) marker.mark_day(day_at(kinen_dat[i], 2), DayMark::Anniversary);
  }
}

bool in_holiday_years(int year) { return year >= kFirstHolidayYear && year <= kLastHolidayYear; }

}  // namespace

LocalInstant equinox_instant(int year, Equinox which) {
  const Reference ref = reference(which);
  const qint64 centis = ref.centis + qint64(year - 1996) * kMeanYearCentis;
  const qint64 days = floor_div(centis, kCentisPerDay);
  const qint64 rest = centis - days * kCentisPerDay;
  return {ref.date.addDays(days), QTime::fromMSecsSinceStartOfDay(int(rest * 10))};
}

MonthMarks mark_month(const ShownMonth& shown, SyukuTable& syuku_dat, const HoliTable& holi_dat,
                      const KinenTable& kinen_dat) {
  Marker marker(shown);
  if (shown.calen_mode != 2 && !shown.setting_holidays) {
    update_equinox(syuku_dat, shown.year, shown.month);
    if (shown.law)
      mark_law(shown, marker);
    else if (in_holiday_years(shown.year))
      mark_national(shown, syuku_dat, marker);
  }
  if (shown.calen_mode != 1 || shown.setting_holidays) mark_user_holidays(shown, holi_dat, marker);
  if (in_holiday_years(shown.year)) mark_anniversaries(shown, kinen_dat, marker);
  return marker.marks();
}
