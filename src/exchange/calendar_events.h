#pragma once
// What the calendar shows, as all-day events: national holidays, the user's
// holidays, anniversaries (every year) and day memos.
#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include "calendar/day_tables.h"

struct CalendarEvent {
  QDate date;
  QString summary;
  QString description;
  QString category;  // 祝日, ユーザー休日, 記念日, メモ
  bool yearly = false;
};

// The national holidays of the year with the names shown when pointing at them.
// Classic rules: the built-in table (1900..2050) with a Sunday holiday's Monday
// as 振替休日; with `law`, today's holiday law (1948..2099).
QList<CalendarEvent> national_holidays(int year, bool law);

struct CalendarData {
  HoliTable holi_dat;
  KinenTable kinen_dat;
  QStringList memo_lines;  // memo.dat as read
  bool law = false;
};

// Every event of the years from..to; anniversaries once each, from the first
// year they fall in (29 February: the first leap year).
QList<CalendarEvent> calendar_events(const CalendarData& data, int from, int to);
