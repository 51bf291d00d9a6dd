#pragma once
// The ledger and the gifts as CSV for a spreadsheet: UTF-8 with a byte-order mark
// (so that a Japanese spreadsheet reads it as UTF-8), CR LF, fields quoted only
// when they hold a comma, a double quote or a line break.
#include <QByteArray>
#include <QStringList>

#include "gifts/zouto_file.h"
#include "ledger/kozukai_file.h"

QByteArray csv_row(const QStringList& fields);

// 日付,区分,内容,金額: every well-formed record of the year, by date.
QByteArray ledger_csv(const KozTables& tables, int year);
// 日付,区分,氏名,品名・金額: the gifts given, then those received.
QByteArray gifts_csv(const ZoutouData& data);
