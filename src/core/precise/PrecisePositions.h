// Apparent geocentric ecliptic longitudes of date of the Sun, the Moon and
// Mercury to Pluto, and the Ascendant, from full theories through libnova.
//
// Sources: VSOP87 (Bretagnon & Francou 1988) for the Earth and Mercury to
// Neptune, ELP 2000-82B (Chapront-Touze & Chapront 1983) for the Moon and
// Meeus' Pluto (Astronomical Algorithms, ch. 37), all as libnova evaluates
// them in the J2000 ecliptic frame. The reduction to the apparent place is
// ours: light time, annual aberration (the Earth's velocity, first order),
// the IAU 2006 ecliptic precession (Capitaine et al. 2003) to the ecliptic of
// date, and the IAU 1980 nutation in longitude. Light deflection is left out
// (under an arcsecond except within a degree or so of the Sun).
//
// Accuracy, measured against the Swiss Ephemeris (JPL DE431) with its apparent
// positions over 1901-2050 (the committed reference table): within 3 arcseconds
// for every body, the Ascendant within 1 arcsecond; see README.md.
#pragma once

#include "base/Body.h"

namespace orbenza {

struct PrecisePositionsResult {
    // Sun ... Pluto and the Ascendant: degrees, apparent, ecliptic and true
    // equinox of date, 0 to below 360.
    BodyArray<double> longitudesDeg;
    double deltaTSeconds = 0;            // TT - UT used
    double julianDayTt = 0;              // the moment in terrestrial time
    double trueObliquityDeg = 0;         // mean obliquity + nutation in obliquity
    double localApparentSiderealDeg = 0; // right ascension of the meridian, 0 to below 360
};

// The positions at a moment of universal time (Julian Day, UT) for a place
// (latitude North positive, longitude East positive, degrees). Delta T comes
// from deltaTSeconds() (precise/DeltaT.h). Safe to call from several threads:
// the calls into libnova, which keeps caches of its own, are serialised.
PrecisePositionsResult precisePositions(double julianDayUt, double latitudeDeg,
                                        double longitudeEastDeg);

// The same with Delta T given in seconds.
PrecisePositionsResult precisePositionsWithDeltaT(double julianDayUt, double deltaTSecondsGiven,
                                                  double latitudeDeg, double longitudeEastDeg);

// The ecliptic longitude on the eastern horizon, degrees 0 to below 360, from
// the local apparent sidereal time (the right ascension of the meridian), the
// true obliquity and the latitude (North positive), all in degrees. Within the
// polar circles, where the ecliptic can stand on the eastern horizon with its
// setting half, it is still the eastern of the two horizon points.
double ascendantLongitudeDeg(double localSiderealDeg, double obliquityDeg, double latitudeDeg);

// The Julian Day of a Gregorian calendar date and time (proleptic before 1582).
double julianDayOf(int year, int month, int day, double hours);

} // namespace orbenza
