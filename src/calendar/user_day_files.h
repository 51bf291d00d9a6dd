#pragma once
// The user's day files in the working folder:
//
// Holiday.DAT, eleven lines: lines 1..10 the year slots of the user-holiday
// table (an empty slot an empty line); line 11 every date YYYYMMDD joined
// without separators, each character scrambled by exclusive-or with
// kHolidayLineMask. Example: 20030321 is stored as "hjjijihk".
//
// Memorial.DAT: one anniversary per line, MMDD followed by the comment. A line
// is taken whole, so a comment may hold a comma.
#include <QString>
#include <QStringList>

#include "calendar/day_tables.h"

// Turns each digit into a lower-case letter (0..9 become jkhinolmbc): printable,
// and free of the comma, quote and blank that a field reader would stop at.
inline constexpr char16_t kHolidayLineMask = 0x5A;

inline const QString kHolidayFile = QStringLiteral("Holiday.DAT");
inline const QString kMemorialFile = QStringLiteral("Memorial.DAT");

// The user-holiday table held by the file; empty slots where the file is
// missing or short. Line 11 is read in whole pieces of 8 characters: a shorter
// tail cannot be a date and is left out; pieces beyond the table are too.
HoliTable read_holiday_file(const QString& path);

// Makes the table ready for writing: dates sorted ascending from slot
// kHoliYears on; a year slot with no date of its year emptied; then one pass
// that moves each empty year slot one place towards the end.
void normalise_holidays(HoliTable& holi_dat);

// The eleven lines of the file. A date entry that is not 8 characters long
// would shift every later date on reading, so it is left out.
QStringList holiday_file_lines(const HoliTable& holi_dat);

// The anniversaries held by the file, at most the table's 51; empty lines are
// skipped, as they hold no anniversary and would end the table early.
KinenTable read_memorial_file(const QString& path);

// One line per anniversary, up to the first empty slot.
QStringList memorial_file_lines(const KinenTable& kinen_dat);
