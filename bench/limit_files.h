#pragma once
// Data files at the limits of their tables, for benchmarks and start-up timing.
#include <QString>

// Writes every data file the program reads, each as full as its table allows,
// into folder (which must exist). today dates the memos.
void write_limit_files(const QString& folder);
