#include "search/days_ahead.h"

#include <QRegularExpression>

#include "core/dates.h"
#include "search/holiday_names.h"

namespace {

const char* const kWeekdays[7] = {"月", "火", "水", "木", "金", "土", "日"};

QString line(const QDate& date, const QString& kind, const QString& text) {
  const QString day = QString("%1月%2日（%3）")
                          .arg(date.month())
                          .arg(date.day())
                          .arg(QString::fromUtf8(kWeekdays[date.dayOfWeek() - 1]));
  return day + QChar(0x3000) + kind + (text.isEmpty() ? QString() : QChar(0x3000) + text);
}

bool user_holiday(const HoliTable& holi_dat, const QDate& date) {
  const QString key = date.toString("yyyyMMdd");
  for (int slot = kHoliYears, end = used_end(holi_dat, kHoliYears); slot < end; ++slot)
    if (holi_dat[slot] == key) return true;
  return false;
}

QString first_line(const QString& memo) {
  return memo.section(QRegularExpression("\r\n|\r|\n"), 0, 0).mid(10);
}

}  // namespace

QStringList days_ahead_lines(const QDate& today, DaysAheadTables tables) {
  QStringList lines;
  for (int offset = 0; offset < kNoticeDays; ++offset) {
    const QDate date = today.addDays(offset);
    const QString holiday = national_holiday_name(date, tables.law, tables.syuku_dat);
    if (!holiday.isEmpty()) lines << line(date, "祝日", holiday);
    if (user_holiday(tables.holi_dat, date)) lines << line(date, "休日", {});
    const QString month_day = date.toString("MMdd");
    for (int slot = 0, end = used_end(tables.kinen_dat); slot < end; ++slot)
      if (tables.kinen_dat[slot].left(4) == month_day)
        lines << line(date, "記念日", tables.kinen_dat[slot].mid(4));
    const QString key = date_key(date.year(), date.month(), date.day());
    for (const QString& memo : tables.memos)
      if (memo.left(10) == key) lines << line(date, "メモ", first_line(memo));
  }
  return lines;
}
