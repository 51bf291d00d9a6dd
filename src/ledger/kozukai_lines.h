#pragma once
// The ledger's list lines, totals and captions. A month line is
//   "05" + two full-width blanks + amount right-aligned in 7 + five blanks
//   + item cut or padded with full-width blanks to 20 characters;
// a year line has the four-digit month and day in front instead.
#include <QString>
#include <QStringList>

#include "ledger/kozukai_file.h"

enum class KozKind { Nyukin = 1, Shisyutu = 2 };
enum class KozTerm { Year = 1, Month = 2 };

// The lines of the listed kind in the list's sorted order, and both totals of
// the period.
struct KozListing {
  QStringList lines;
  qint64 nyukin_sum = 0;
  qint64 shisyutu_sum = 0;
};

QString koz_list_line(const KozRecord& record, KozTerm term);
// A record belongs to the period when it is of that year (and month).
bool in_period(const KozRecord& record, KozTerm term, int year, int month);
// Lines that are not well-formed records are left out, of the totals too.
KozListing make_listing(const KozTables& tables, KozKind kind, KozTerm term, int year, int month);

// "350円", "-500円": plain decimal, no grouping.
QString yen_text(qint64 value);
// "2003年　3月", "2003年12月".
QString year_month_caption(int year, int month);
// "　5日", "12日".
QString day_caption(int day);

// What a list line identifies its record by: month and day, the amount's last
// seven characters, the item's first 20 characters without trailing blanks.
struct DeleteKeys {
  QString date;
  QString amount;
  QString item;
};
DeleteKeys delete_keys(const QString& line, KozTerm term, int month);
// The first line of the table (from 0) holding a record of that year that the
// keys name; -1 when none does.
int find_listed_record(const std::vector<KozLine>& table, const DeleteKeys& keys, int year);
