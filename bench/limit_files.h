#pragma once
// Data files at the limits of their tables, for benchmarks and start-up timing.
#include <QString>

// Writes every data file the program reads, each as full as its table allows,
// into folder (which must exist). today dates the memos.
void write_limit_files(const QString& folder);
// The tool windows' files alone: ten ledger years of 1,100 records, 100 cards,
// 500 addresses, 500 gifts given and 500 received.
void write_tool_limit_files(const QString& folder);
