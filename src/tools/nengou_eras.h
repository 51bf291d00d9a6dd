#pragma once
// The eras the era window knows, at year level: a year in which the era changed
// belongs wholly to the new era. The window knows four; with the option
// "現行の祝日法" also the fifth, 令和, which ends 平成 at 2018.
//
// Example: 1926 -> 昭和 1 (era 2); 昭和 64 -> 1989, which is 平成 1; with five
// eras 2026 -> 令和 8.
#include <QString>

struct Era {
  const char* name;
  int first_year;  // Western year of era year 1
};

inline constexpr int kEraCount = 4;
inline constexpr int kLawEraCount = 5;
inline constexpr Era kEras[kLawEraCount] = {
    {"明治", 1868}, {"大正", 1912}, {"昭和", 1926}, {"平成", 1989}, {"令和", 2019},
};

// Index of the era, among the first `eras`, that holds the Western year; the
// first era for earlier years.
int era_of_year(int year, int eras = kEraCount);
// Era year of a Western year in the given era, and back.
inline int era_year(int era, int year) { return year - kEras[era].first_year + 1; }
inline int western_year(int era, int n) { return n + kEras[era].first_year - 1; }
