#pragma once
// What a screen reader says of a day of the month grid: its name ("8日") and its
// description, the full date with the weekday and then what pointing at the
// day shows, e.g. "2026年12月8日 火曜日 記念日の言葉 メモあり".
#include <QDate>
#include <QString>

struct DayNotes {
  QString holiday;  // the national holiday's name
  bool user_holiday = false;
  QString anniversary;  // the user's anniversary text
  bool memo = false;    // the day has memos
};

QString day_cell_name(int day);
QString day_cell_description(const QDate& date, const DayNotes& notes);
