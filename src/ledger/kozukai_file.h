#pragma once
// The ledger's year files TOyyyy.KOZ: one record a line, income lines (marked
// "*") first, then expense lines. A record is its header of ASCII digits (the
// length L of the date-and-amount part, yyyymmdd, the amount) and the item text:
//   *12200301025000お年玉   income, 2 Jan 2003, 5000 yen
//   1120030305350パン       expense, 5 Mar 2003, 350 yen
// Lines are kept as the bytes read, so a hand-edited or unreadable line goes
// back into the file unchanged; only well-formed records are listed.
#include <QByteArray>
#include <QString>
#include <optional>
#include <vector>

// One line of a year file, as read or as built for a new entry.
struct KozLine {
  QByteArray bytes;  // CP932, without the line end; written back as it is
  QString text;      // decoded
};

struct KozTables {
  std::vector<KozLine> nyukin;    // income lines in file order
  std::vector<KozLine> shisyutu;  // expense lines in file order
};

// The fields of a well-formed record.
struct KozRecord {
  bool income = false;
  int year = 0, month = 0, day = 0;
  QString amount;  // the digits as stored, leading zeros kept
  qint64 value = 0;
  QString item;
};

// The largest amount an entry may have.
inline constexpr qint64 kMaxAmount = 9999999;

// "TO2003.KOZ".
QString koz_file_name(int year);

KozLine koz_line(const QString& text);
// Builds a record: ("*" for income) + L as two digits + yyyymmdd + amount + item.
QString build_koz_record(bool income, int year, int month, int day, const QString& amount,
                         const QString& item);
// The fields of a record line; nullopt when the line does not follow the layout
// (bad length field, non-digits in the header, month or day out of range, an
// amount above kMaxAmount).
std::optional<KozRecord> parse_koz_record(const QString& line);

// Reads a year file; blank lines are skipped. nullopt when it cannot be opened.
std::optional<KozTables> read_koz_file(const QString& path);
// Replaces the year file whole: income lines, then expense lines, each with CR LF.
bool write_koz_file(const QString& path, const KozTables& tables);
