#pragma once
// A month on A4 landscape, for the wall: the title, seven columns 日..土, and in
// each day's cell the day coloured as the grid colours it, the holiday and
// observance names, the anniversaries and the first lines of the day's memos.
#include <QDate>
#include <QStringList>
#include <functional>

#include "calendar/day_tables.h"
#include "core/page.h"

// What the page shows, as the main window holds it.
struct CalendarSources {
  SyukuTable syuku_dat;
  GyoujiTable gyouji_dat;
  HoliTable holi_dat;
  KinenTable kinen_dat;
  QStringList memos;  // full forms ("yyyy/mm/dd" and the text, lines ended by CR LF), in list order
  int calen_mode = 1;  // 1 normal, 2 user, 3 all calendars
  bool law = false;    // national holidays as the law stands today
  // The day's 六曜, written small in the cell's corner; unset, the old-calendar
  // rules give it for 1901..2100.
  std::function<QString(const QDate&)> rokuyou;
};

// Reads the day tables, the memos and the settings from the data folder (the
// current folder when empty), writing nothing.
CalendarSources read_calendar_sources(const QString& dir);

// The page of the month; year and month as the grid takes them.
Page calendar_page(int year, int month, CalendarSources sources);
