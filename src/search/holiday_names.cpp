#include "search/holiday_names.h"

#include "calendar/holiday_law.h"
#include "calendar/holiday_rules.h"

namespace {

QString month_day(const QDate& date) { return date.toString("MMdd"); }

bool is_second_monday(const QDate& date) {
  return date.dayOfWeek() == Qt::Monday && date.day() >= 8 && date.day() <= 14;
}

}  // namespace

QString national_holiday_name(const QDate& date, bool law, SyukuTable& syuku_dat) {
  const int year = date.year();
  if (law) return law_holiday_name(date);
  if (year < kFirstHolidayYear || year > kLastHolidayYear) return {};
  const int spring = equinox_instant(year, Equinox::Spring).date.day();
  const int autumn = equinox_instant(year, Equinox::Autumn).date.day();
  syuku_dat[kSpringEquinoxSlot] = QString("03%1春分の日").arg(spring, 2, 10, QChar('0'));
  syuku_dat[kAutumnEquinoxSlot] = QString("09%1秋分の日").arg(autumn, 2, 10, QChar('0'));
  QString name;
  const QString key = month_day(date);
  for (int slot = 0, end = used_end(syuku_dat); slot < end; ++slot) {
    const QString& entry = syuku_dat[slot];
    bool match = QStringView(entry).left(4) == key;
    if (year >= 2000 && (slot == kSeijinSlot || slot == kTaiikuSlot))
      match = date.month() == (slot == kSeijinSlot ? 1 : 10) && is_second_monday(date);
    if (match) name = entry.mid(4);
  }
  return name;
}

QString observance_text(const QDate& date, const GyoujiTable& gyouji_dat) {
  QString text;
  const QString key = month_day(date);
  for (int slot = 0, end = used_end(gyouji_dat); slot < end; ++slot)
    if (QStringView(gyouji_dat[slot]).left(4) == key) text = gyouji_dat[slot].mid(4);
  return text;
}
