#pragma once
// The national holiday a day names when the grid points at it: from the classic
// table (with this year's equinoxes and, from 2000, 成人の日 and 体育の日 on the
// second Monday) or, with the law option, as today's law has it.
#include <QDate>
#include <QString>

#include "calendar/day_tables.h"

// Empty on an ordinary day. syuku_dat's equinox entries are rewritten for the year.
QString national_holiday_name(const QDate& date, bool law, SyukuTable& syuku_dat);
// The observance of the day from the built-in table; empty when none.
QString observance_text(const QDate& date, const GyoujiTable& gyouji_dat);
