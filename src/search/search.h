#pragma once
// Matching a query against the records, and the result lines the list shows.
//
// Every word of the query must occur in one record (in any of its fields); each
// matching record is one result. A line reads
//   2026/12/08  メモ        買い物　牛乳
// the date (blanks where the record has none), the kind, and the fields that hold
// a word, cut to fit a list of kResultCells half-width cells in a fixed-pitch font.
#include <QStringList>
#include <vector>

#include "search/search_records.h"

inline constexpr int kResultLimit = 500;
inline constexpr int kResultCells = 76;

struct SearchResults {
  int total = 0;           // every matching record
  std::vector<int> shown;  // the first kResultLimit of them, as indexes into the records
  QStringList lines;       // one per shown result
};

// An empty query (or one of blanks only) finds nothing.
SearchResults run_search(const std::vector<SearchRecord>& records, const QString& query);

// The count line: "3件", or empty while there is no query.
QString count_text(const QString& query, const SearchResults& results);

// Half-width cells a text takes in a fixed-pitch font: two for a full-width character.
int display_cells(const QString& text);
