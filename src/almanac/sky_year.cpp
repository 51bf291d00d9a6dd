#include "almanac/sky_year.h"

#include <algorithm>
#include <cmath>

#include "almanac/ephemeris.h"

namespace {

constexpr double kSunDegreesPerDay = 360.0 / 365.2422;
constexpr double kSynodicMonth = 29.530588861;
constexpr double kMeanNewMoonEpoch = 2451550.09766;  // the first mean new moon of 2000

constexpr double kRadians = 3.14159265358979323846 / 180.0;

// First guesses from the mean orbits and their largest inequality, within a
// quarter of an hour for the Sun and an hour or two for the Moon, so that the
// root-finding on the full models needs two evaluations.
double sun_guess(double degrees, double jan1_jd) {
  double t = jan1_jd + std::fmod(degrees - 280.0 + 720.0, 360.0) / kSunDegreesPerDay;
  for (int i = 0; i < 2; ++i) {
    const double d = t - 2451545.0, anomaly = (357.529 + 0.98560028 * d) * kRadians;
    const double longitude =
        280.466 + 0.98564736 * d + 1.915 * std::sin(anomaly) + 0.020 * std::sin(2 * anomaly);
    t += std::remainder(degrees - longitude, 360.0) / kSunDegreesPerDay;
  }
  return t;
}

double phase_guess(double lunation, int quarter) {
  static const double moon_term[4] = {0.40720, 0.62801, 0.40614, 0.62801};
  static const double sun_term[4] = {0.17241, 0.17172, 0.17302, 0.17172};
  const double sun_anomaly = (2.5534 + 29.10535670 * lunation) * kRadians;
  const double moon_anomaly = (201.5643 + 385.81693528 * lunation) * kRadians;
  return kMeanNewMoonEpoch + kSynodicMonth * lunation -
         moon_term[quarter] * std::sin(moon_anomaly) + sun_term[quarter] * std::sin(sun_anomaly);
}

QDate sun_day(double degrees, double jan1_jd) {
  return jst_date(sun_longitude_instant(degrees, sun_guess(degrees, jan1_jd)));
}

}  // namespace

const QString& solar_term_name(int k) {
  static const QString names[24] = {"春分", "清明", "穀雨", "立夏", "小満", "芒種", "夏至", "小暑",
                                    "大暑", "立秋", "処暑", "白露", "秋分", "寒露", "霜降", "立冬",
                                    "小雪", "大雪", "冬至", "小寒", "大寒", "立春", "雨水", "啓蟄"};
  return names[k];
}

SkyYear compute_sky_year(int year) {
  SkyYear sky;
  const double jan1 = double(QDate(year, 1, 1).toJulianDay()) - 0.5 - 9.0 / 24.0;
  for (int k = 0; k < 24; ++k) sky.terms[k] = sun_day(15.0 * k, jan1);
  sky.nyuubai = sun_day(80, jan1);
  sky.hangeshou = sun_day(100, jan1);
  for (int i = 0; i < 4; ++i) sky.doyou[i] = sun_day(27 + 90 * i, jan1);

  const MoonPhase kinds[4] = {MoonPhase::New, MoonPhase::FirstQuarter, MoonPhase::Full,
                              MoonPhase::LastQuarter};
  const int first = int(std::floor((jan1 - kMeanNewMoonEpoch) / kSynodicMonth)) - 1;
  for (int lunation = first; lunation <= first + 14; ++lunation)
    for (int q = 0; q < 4; ++q) {
      const double jd = moon_elongation_instant(90.0 * q, phase_guess(lunation + q / 4.0, q));
      const QDate day = jst_date(jd);
      if (day.year() == year) sky.phases.push_back({jd, day, kinds[q]});
    }
  std::sort(sky.phases.begin(), sky.phases.end(),
            [](const PhaseEvent& a, const PhaseEvent& b) { return a.jd_ut < b.jd_ut; });
  return sky;
}
