#pragma once
// Whole contents of each data file, generated from a RecordGen: what the program's
// tables can hold, from empty to full.
#include <QByteArray>
#include <QList>
#include <QStringList>

#include "baseball/season_file.h"
#include "calendar/day_tables.h"
#include "gifts/zouto_file.h"
#include "ledger/kozukai_file.h"
#include "reliability/record_gen.h"
#include "settings/module1.h"

// The twelve settings lines; none holds a comma, since a line is read up to one.
Module1 gen_settings(RecordGen& gen);

// User holidays: up to ten years in the year slots, then dates of those years
// (sometimes of others), as many as the table holds at most. Not normalised.
HoliTable gen_holidays(RecordGen& gen, bool full = false);

// Anniversaries: MMDD and a comment that may hold commas; up to the table's 51.
KinenTable gen_memorials(RecordGen& gen, bool full = false);

// Memos as held in memory, each "yyyy/mm/dd" + text, its lines ended by CR LF.
// No line after the first is empty or begins like a date: the file cannot carry
// those (an empty line is skipped, a date-like line starts a memo).
QStringList gen_memos(RecordGen& gen, bool full = false);

// Records of double-quoted fields, one text of at most max_lengths[i] characters
// per field, never a double quote; up to limit records.
QList<QStringList> gen_quoted_records(RecordGen& gen, const QList<int>& max_lengths, int limit,
                                      bool full = false);
inline const QList<int> kAddressLengths{40, 10, 40, 40, 16, 16, 16, 40};

// Gifts given and received, each list up to 500 records as the window builds them.
ZoutouData gen_gifts(RecordGen& gen, bool full = false);
QString gen_gift_record(RecordGen& gen);

// A ledger record of the year as the window builds it: income or expense, an amount
// of 1 to 9999999 with leading zeros as typed (the box takes 20 characters), any item.
QString gen_ledger_record(RecordGen& gen, bool income, int year);
// A year's tables: up to 100 income and 1000 expense records.
KozTables gen_ledger(RecordGen& gen, int year, bool full = false);

// A season: each game field empty or a game text of runs, runs and attendance.
SeasonData gen_season(RecordGen& gen);
// The season written in one of the layouts a file may use: one field a line or
// comma-separated lines, some fields quoted, CR LF, LF or CR line ends.
QByteArray season_bytes(RecordGen& gen, const SeasonData& season);
