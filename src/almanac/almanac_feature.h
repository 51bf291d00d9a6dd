#pragma once
// The almanac module: the old calendar's days (see koyomi.h), computed with ERFA.
#include <QDate>
#include <vector>

#include "almanac/koyomi.h"

struct AlmanacFeature {
  static constexpr char kModule[] = "almanac";
  static constexpr char kTitle[] = "旧暦";
  // Every day from `from` to `to`, both within kFirstKoyomiYear..kLastKoyomiYear,
  // from one cache of computed years for the whole program.
  std::vector<KoyomiDay> (*days)(const QDate& from, const QDate& to);
};
