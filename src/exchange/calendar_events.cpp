#include "exchange/calendar_events.h"

#include "calendar/holiday_law.h"
#include "calendar/holiday_rules.h"
#include "memo/memo_file.h"

namespace {

const QString kNational = QStringLiteral("祝日");

// The day a built-in entry falls on in the year; invalid when it names no day.
QDate classic_day(const QString& entry, int slot, int year) {
  const int month = entry.left(2).toInt();
  if ((slot == kSeijinSlot || slot == kTaiikuSlot) && year >= 2000) {
    const QDate first(year, month, 1);
    return first.addDays((8 - first.dayOfWeek()) % 7 + 7);  // the second Monday
  }
  if (slot == kSpringEquinoxSlot) return equinox_instant(year, Equinox::Spring).date;
  if (slot == kAutumnEquinoxSlot) return equinox_instant(year, Equinox::Autumn).date;
  return QDate(year, month, entry.mid(2, 2).toInt());
}

QList<CalendarEvent> classic_holidays(int year) {
  QList<CalendarEvent> events;
  if (year < kFirstHolidayYear || year > kLastHolidayYear) return events;
  SyukuTable syuku;
  GyoujiTable gyouji;
  dat_set(syuku, gyouji);
  QList<QDate> named;
  for (int slot = 0; slot < used_end(syuku); ++slot) {
    const QDate day = classic_day(syuku[slot], slot, year);
    if (!day.isValid()) continue;
    events.append({day, syuku[slot].mid(4), {}, kNational});
    named << day;
  }
  // A Sunday holiday makes its Monday red, within the same month.
  for (const QDate& day : QList<QDate>(named)) {
    const QDate monday = day.addDays(1);
    if (day.dayOfWeek() == Qt::Sunday && monday.month() == day.month() && !named.contains(monday)) {
      events.append({monday, "振替休日", {}, kNational});
      named << monday;
    }
  }
  std::stable_sort(events.begin(), events.end(),
                   [](const CalendarEvent& a, const CalendarEvent& b) { return a.date < b.date; });
  return events;
}

QList<CalendarEvent> law_holidays(int year) {
  QList<CalendarEvent> events;
  if (year < kFirstLawYear || year > kLastLawYear) return events;
  for (QDate day(year, 1, 1); day.year() == year; day = day.addDays(1))
    if (const QString name = law_holiday_name(day); !name.isEmpty())
      events.append({day, name, {}, kNational});
  return events;
}

QList<CalendarEvent> user_holidays(const HoliTable& holi_dat, int from, int to) {
  QList<CalendarEvent> events;
  for (int i = kHoliYears, end = used_end(holi_dat, kHoliYears); i < end; ++i) {
    const QDate day = QDate::fromString(holi_dat[i], "yyyyMMdd");
    if (day.isValid() && day.year() >= from && day.year() <= to)
      events.append({day, "休日", {}, "ユーザー休日"});
  }
  return events;
}

QList<CalendarEvent> anniversaries(const KinenTable& kinen_dat, int from) {
  QList<CalendarEvent> events;
  for (int i = 0, end = used_end(kinen_dat); i < end; ++i) {
    const int month = kinen_dat[i].left(2).toInt(), day = kinen_dat[i].mid(2, 2).toInt();
    int year = from;
    if (month == 2 && day == 29)
      while (!QDate::isLeapYear(year)) ++year;
    const QDate date(year, month, day);
    if (date.isValid()) events.append({date, kinen_dat[i].mid(4), {}, "記念日", true});
  }
  return events;
}

QList<CalendarEvent> memos(const QStringList& memo_lines, int from, int to) {
  QList<CalendarEvent> events;
  for (QStringList lines : parse_memo_lines(memo_lines).memos) {
    const QDate day = QDate::fromString(lines.first().left(10), "yyyy/MM/dd");
    if (!day.isValid() || day.year() < from || day.year() > to) continue;
    lines.first() = lines.first().mid(10);
    events.append({day, lines.first(), lines.join('\n'), "メモ"});
  }
  return events;
}

}  // namespace

QList<CalendarEvent> national_holidays(int year, bool law) {
  return law ? law_holidays(year) : classic_holidays(year);
}

QList<CalendarEvent> calendar_events(const CalendarData& data, int from, int to) {
  QList<CalendarEvent> events;
  for (int year = from; year <= to; ++year) events += national_holidays(year, data.law);
  events += user_holidays(data.holi_dat, from, to);
  events += anniversaries(data.kinen_dat, from);
  events += memos(data.memo_lines, from, to);
  return events;
}
