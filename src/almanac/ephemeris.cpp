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

// A longitude on the true ecliptic of date and how fast it moves.
struct Longitude {
  double degrees;
  double per_day;
};

Longitude ecliptic_longitude(const OfDate& frame, const double position[3],
                             const double velocity[3]) {
  const double c = std::cos(frame.obliquity), s = std::sin(frame.obliquity);
  double x[2], y[2];
  for (int k = 0; k < 2; ++k) {
    const double* v = k == 0 ? position : velocity;
    double e[3];
    for (int i = 0; i < 3; ++i)
      e[i] = frame.rbpn[i][0] * v[0] + frame.rbpn[i][1] * v[1] + frame.rbpn[i][2] * v[2];
    x[k] = e[0];
    y[k] = e[1] * c + e[2] * s;
  }
  return {wrap_degrees(std::atan2(y[0], x[0]) * ERFA_DR2D),
          (x[0] * y[1] - y[0] * x[1]) / (x[0] * x[0] + y[0] * y[0]) * ERFA_DR2D};
}

double terrestrial_time(double jd_ut) { return jd_ut + delta_t_seconds(jd_ut) / 86400.0; }

Longitude sun_at(const OfDate& frame, double tt) {
  double helio[2][3], bary[2][3];
  eraEpv00(kJ2000, tt - kJ2000, helio, bary);
  // The Sun seen from the Earth, shifted towards the Earth's motion (annual aberration).
  const double light_au_per_day = ERFA_CMPS * ERFA_DAYSEC / ERFA_DAU;
  const double distance = std::sqrt(eraPdp(helio[0], helio[0]));
  double sun[3], motion[3];
  for (int i = 0; i < 3; ++i) {
    sun[i] = -helio[0][i] + distance * bary[1][i] / light_au_per_day;
    motion[i] = -helio[1][i];
  }
  return ecliptic_longitude(frame, sun, motion);
}

Longitude elongation_at(double jd_ut) {
  const double tt = terrestrial_time(jd_ut);
  const OfDate frame = of_date(tt);
  double moon_pv[2][3];
  eraMoon98(kJ2000, tt - kJ2000, moon_pv);
  const Longitude moon = ecliptic_longitude(frame, moon_pv[0], moon_pv[1]), sun = sun_at(frame, tt);
  return {wrap_degrees(moon.degrees - sun.degrees), moon.per_day - sun.per_day};
}

Longitude sun_longitude_with_rate(double jd_ut) {
  const double tt = terrestrial_time(jd_ut);
  return sun_at(of_date(tt), tt);
}

// Newton steps on the longitude and its rate. Near the root an error e becomes
// about e² / 30 days, so once a step is under 1e-3 day the next guess is within
// milliseconds, and is taken without a further evaluation.
double find_instant(Longitude (*angle_at)(double), double degrees, double t) {
  for (int step = 0; step < 10; ++step) {
    const Longitude a = angle_at(t);
    const double dt = signed_degrees(a.degrees - degrees) / a.per_day;
    t -= dt;
    if (std::abs(dt) < 1e-3) break;
  }
  return t;
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

double sun_apparent_longitude(double jd_ut) { return sun_longitude_with_rate(jd_ut).degrees; }

double moon_elongation(double jd_ut) { return elongation_at(jd_ut).degrees; }

double sun_longitude_instant(double degrees, double guess_jd_ut) {
  return find_instant(sun_longitude_with_rate, degrees, guess_jd_ut);
}

double moon_elongation_instant(double degrees, double guess_jd_ut) {
  return find_instant(elongation_at, degrees, guess_jd_ut);
}

QDate jst_date(double jd_ut) {
  return QDate::fromJulianDay(static_cast<qint64>(std::floor(jd_ut + 0.5 + 9.0 / 24.0)));
}
