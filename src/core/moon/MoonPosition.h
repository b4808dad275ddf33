// The Moon's geocentric tropical longitude for the birth moment.
#pragma once

#include "base/BirthData.h"
#include "base/BirthMoment.h"

namespace orbenza {

struct MoonResult {
    double moonLocalHours = 0;    // hours, local clock time
    double moonLongitudeWest = 0; // degrees, West positive
    double birthJdn = 0;          // days, Julian Day Number of the local date
    double universalHours = 0;    // hours past 0h UT of the local date; may be < 0 or >= 24
    double centuriesT = 0;        // Julian centuries from J2000.0 (JD 2451545.0), UT
    double moonLongitude = 0;     // degrees, ecliptic of date, 0 to 360 inclusive
};

// moonCalculation: the Moon at the birth moment.
MoonResult moonCalculation(const BirthData& birth, const BirthMoment& moment);

// The Moon's longitude in degrees (ecliptic and mean equinox of date, reduced
// into 0 to 360 with 360 itself kept) at T Julian centuries from J2000.0.
// Meeus, Astronomical Algorithms (1998), ch. 47: the mean elements to their
// linear terms and the 25 largest terms of the longitude series. Good to
// about 0.1 degrees against a full lunar theory.
double moonLongitudeDeg(double centuriesT);

// The rate of moonLongitudeDeg, degrees a day: its derivative, term by term.
double moonSpeedDegPerDay(double centuriesT);

} // namespace orbenza
