#pragma once
// The reminder of the days ahead: what today and the next two days hold, one line
// per item, by date, and within a day 祝日, 休日, 記念日, メモ:
//   12月8日（火）　祝日　天皇誕生日
//   12月8日（火）　休日
//   12月8日（火）　記念日　結婚記念日
//   12月8日（火）　メモ　買い物
// A user holiday has no text, so its line ends with the kind.
#include <QDate>
#include <QStringList>

#include "calendar/day_tables.h"

inline const QString kNoticeTitle = QStringLiteral("トリベ　今日からの予定");
inline constexpr int kNoticeDays = 3;

struct DaysAheadTables {
  SyukuTable syuku_dat;  // a copy: the equinox entries are rewritten for the year
  HoliTable holi_dat;
  KinenTable kinen_dat;
  QStringList memos;  // full memos in list order, each beginning with its yyyy/mm/dd key
  bool law = false;
};

// Empty when the three days hold nothing.
QStringList days_ahead_lines(const QDate& today, DaysAheadTables tables);
