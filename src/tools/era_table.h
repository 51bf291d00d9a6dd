#pragma once
// The four eras the era window knows, at year level: a year in which the era
// changed belongs wholly to the new era.
//
// Example: 1926 -> 昭和 1 (era 2); 昭和 64 -> 1989, which is 平成 1.
#include <QString>

struct Era {
  const char* name;
  int first_year;  // Western year of era year 1
};

inline constexpr int kEraCount = 4;
inline constexpr Era kEras[kEraCount] = {
    {"明治", 1868},
    {"大正", 1912},
    {"昭和", 1926},
    {"平成", 1989},
};

// Index of the era that holds the Western year; the first era for earlier years.
int era_of_year(int year);
// Era year of a Western year in the given era, and back.
inline int era_year(int era, int year) { return year - kEras[era].first_year + 1; }
inline int western_year(int era, int n) { return n + kEras[era].first_year - 1; }
