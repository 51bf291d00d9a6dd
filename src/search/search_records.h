#pragma once
// Every record the search looks through, read once from the data files in the
// working folder with the same readers the windows use, in the order the results
// are grouped: memos, anniversaries, holiday days, ledger records, cards,
// addresses, gifts; within a group by date (memos, days, ledger, gifts) or in file
// order (cards, addresses).
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

enum class Source { Memo, Anniversary, Holiday, Ledger, Card, Address, Gift };

// The kind as a result line names it: メモ, 記念日, 祝日, こづかい帳, 名刺, 住所録, 贈答.
QString source_name(Source source);

struct SearchRecord {
  Source source = Source::Memo;
  QDate date;          // null where the data has none (cards, addresses)
  QStringList fields;  // the texts searched and shown: memo lines, card fields, ...
  QString folded;      // the fields folded for comparing, one line each
  int record = -1;     // cards, addresses: the record's place in its file; gifts: in its list
  int view = 0;        // gifts: 0 given, 1 received
};

struct SearchScope {
  QDate today;       // anniversaries fall on their next day from today, holidays this year's
  bool law = false;  // national holidays as today's law has them, not the classic table
};

std::vector<SearchRecord> read_search_records(const SearchScope& scope);

// A record of the given texts with its folded form filled in.
SearchRecord search_record(Source source, const QDate& date, QStringList fields);
