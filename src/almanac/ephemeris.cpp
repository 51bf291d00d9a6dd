#include "almanac/ephemeris.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

namespace {

constexpr double kJ2000 = 2451545.0;

double wrap_degrees(double x) {
  x = std::fmod(x, 360.0);
  return x < 0 ? x + 360.0 : x;
}

// -180 < x ≤ 180: the signed distance to a target angle.
double signed_degrees(double x) {
  x = wrap_degrees(x);
  return x > 180.0 ? x - 360.0 : x;
}

// The rotation from the GCRS to the true ecliptic and equinox of date.
struct OfDate {
  double rbpn[3][3];
  double obliquity;  // true obliquity, radians
};

OfDate of_date(double tt) {
  OfDate r;
  double dpsi, deps, epsa, rb[3][3], rp[3][3], rbp[3][3], rn[3][3];
  eraPn00b(kJ2000, tt - kJ2000, &dpsi, &deps, &epsa, rb, rp, rbp, rn, r.rbpn);
  r.obliquity = epsa + deps;
  return r;
}

double ecliptic_longitude(const OfDate& frame, const double gcrs[3]) {
  double v[3];
  for (int i = 0; i < 3; ++i)
    v[i] = frame.rbpn[i][0] * gcrs[0] + frame.rbpn[i][1] * gcrs[1] + frame.rbpn[i][2] * gcrs[2];
  const double y = v[1] * std::cos(frame.obliquity) + v[2] * std::sin(frame.obliquity);
  return wrap_degrees(std::atan2(y, v[0]) * ERFA_DR2D);
}

double terrestrial_time(double jd_ut) { return jd_ut + delta_t_seconds(jd_ut) / 86400.0; }

double sun_longitude_at(const OfDate& frame, double tt) {
  double helio[2][3], bary[2][3];
  eraEpv00(kJ2000, tt - kJ2000, helio, bary);
  // The Sun seen from the Earth, shifted towards the Earth's motion (annual aberration).
  double sun[3] = {-helio[0][0], -helio[0][1], -helio[0][2]}, distance, direction[3];
  eraPn(sun, &distance, direction);
  const double light_au_per_day = ERFA_CMPS * ERFA_DAYSEC / ERFA_DAU;
  for (int i = 0; i < 3; ++i) direction[i] += bary[1][i] / light_au_per_day;
  return ecliptic_longitude(frame, direction);
}

// Secant steps from a first step at the mean rate; stops below 0.01 s.
template <typename Angle>
double find_instant(Angle angle_at, double degrees, double guess, double mean_rate) {
  double t1 = guess, f1 = signed_degrees(angle_at(t1) - degrees);
  double t2 = t1 - f1 / mean_rate, f2 = signed_degrees(angle_at(t2) - degrees);
  for (int step = 0; step < 12 && std::abs(t2 - t1) > 1e-7 && f2 != f1; ++step) {
    const double t3 = t2 - f2 * (t2 - t1) / (f2 - f1);
    t1 = t2, f1 = f2;
    t2 = t3, f2 = signed_degrees(angle_at(t2) - degrees);
  }
  return t2;
}

}  // namespace

double delta_t_seconds(double jd_ut) {
  const double y = 2000.0 + (jd_ut - kJ2000) / 365.24217;
  if (y < 1900) {
    const double t = y - 1860;
    return 7.62 + 0.5737 * t - 0.251754 * t * t + 0.01680668 * std::pow(t, 3) -
           0.0004473624 * std::pow(t, 4) + std::pow(t, 5) / 233174;
  }
  if (y < 1920) {
    const double t = y - 1900;
    return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * std::pow(t, 3) -
           0.000197 * std::pow(t, 4);
  }
  if (y < 1941) {
    const double t = y - 1920;
    return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * std::pow(t, 3);
  }
  if (y < 1961) {
    const double t = y - 1950;
    return 29.07 + 0.407 * t - t * t / 233 + std::pow(t, 3) / 2547;
  }
  if (y < 1986) {
    const double t = y - 1975;
    return 45.45 + 1.067 * t - t * t / 260 - std::pow(t, 3) / 718;
  }
  if (y < 2005) {
    const double t = y - 2000;
    return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * std::pow(t, 3) +
           0.000651814 * std::pow(t, 4) + 0.00002373599 * std::pow(t, 5);
  }
  if (y < 2050) {
    const double t = y - 2000;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
  }
  const double u = (y - 1820) / 100;
  return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double sun_apparent_longitude(double jd_ut) {
  const double tt = terrestrial_time(jd_ut);
  return sun_longitude_at(of_date(tt), tt);
}

double moon_elongation(double jd_ut) {
  const double tt = terrestrial_time(jd_ut);
  const OfDate frame = of_date(tt);
  double moon[2][3];
  eraMoon98(kJ2000, tt - kJ2000, moon);
  return wrap_degrees(ecliptic_longitude(frame, moon[0]) - sun_longitude_at(frame, tt));
}

double sun_longitude_instant(double degrees, double guess_jd_ut) {
  return find_instant(sun_apparent_longitude, degrees, guess_jd_ut, 360.0 / 365.2422);
}

double moon_elongation_instant(double degrees, double guess_jd_ut) {
  return find_instant(moon_elongation, degrees, guess_jd_ut, 360.0 / 29.530589);
}

QDate jst_date(double jd_ut) {
  return QDate::fromJulianDay(static_cast<qint64>(std::floor(jd_ut + 0.5 + 9.0 / 24.0)));
}
