#pragma once
// Where the Sun and the Moon stand, from the IAU SOFA models (ERFA): the
// Earth's position from eraEpv00, the Moon's from eraMoon98, both turned to
// the true ecliptic and equinox of date with the IAU 2000B nutation.
//
// Instants are Julian dates in UT; ΔT (TT − UT) follows the Espenak–Meeus
// polynomials, valid from 1860 to 2150.
//
// Example: the March equinox of 2024 is at JD 2460389.6294 UT
// (2024-03-20 03:06 UT).
#include <QDate>

// TT − UT in seconds at the instant.
double delta_t_seconds(double jd_ut);

// The Sun's apparent ecliptic longitude in degrees, 0 ≤ λ < 360.
double sun_apparent_longitude(double jd_ut);

// The Moon's longitude less the Sun's, in degrees, 0 ≤ x < 360
// (0 new moon, 90 first quarter, 180 full moon, 270 last quarter).
double moon_elongation(double jd_ut);

// The instant nearest to `guess` (within a few days) at which the Sun's
// apparent longitude is `degrees`; to well under a second.
double sun_longitude_instant(double degrees, double guess_jd_ut);

// The instant nearest to `guess` (within about a day) at which the Moon's
// elongation is `degrees`.
double moon_elongation_instant(double degrees, double guess_jd_ut);

// The Japan Standard Time (UTC+9) date that holds the instant.
QDate jst_date(double jd_ut);

// 12:00 JST of the date as a Julian date in UT.
inline double jst_noon(const QDate& date) { return double(date.toJulianDay()) - 0.375; }
