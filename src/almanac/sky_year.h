#pragma once
// The instants of one calendar year that the old calendar needs: the Sun at
// every 15° of longitude and at the few extra longitudes of the seasonal days,
// and the Moon's four phases, each with its JST date.
#include <QDate>
#include <array>
#include <vector>

#include "almanac/koyomi.h"

struct PhaseEvent {
  double jd_ut = 0;
  QDate day;
  MoonPhase phase = MoonPhase::None;
};

struct SkyYear {
  std::array<QDate, 24> terms;     // index k: the Sun at 15°×k (0 春分, 18 冬至, 21 立春)
  QDate nyuubai, hangeshou;        // the Sun at 80° and 100°
  std::array<QDate, 4> doyou;      // 土用の入り: 27°, 117°, 207°, 297°
  std::vector<PhaseEvent> phases;  // those whose JST date lies in the year, in time order
};

SkyYear compute_sky_year(int year);

// 春分, 清明, … by k (the longitude 15°×k).
const QString& solar_term_name(int k);
// 中気 are the terms at a multiple of 30°.
inline bool is_principal_term(int k) { return k % 2 == 0; }
