// Precise positions from the compiled-in Chebyshev series: the apparent
// geocentric ecliptic longitudes of date of the Sun, the Moon, Mercury to
// Pluto, Chiron, the true and the mean lunar node and Lilith (the mean lunar
// apogee), their speeds, and the Ascendant from the apparent sidereal time and
// the true obliquity, all as functions of universal time.
//
// The series are fitted to the Swiss Ephemeris (JPL DE431, its own Delta T)
// over 1900-12-30 to 2051-01-03 UT, each within 0.05 arcseconds of it (the true
// node within 0.3, as its source steps by up to 0.4 every 27.55 days); see
// tools/ephemeris-series/README.md. Outside that span the nearest segment is
// extrapolated. The data are constant tables: nothing is read or computed
// before the first call, and every call is safe from any thread.
#pragma once

#include "base/Body.h"
#include "ephemeris/SeriesData.h"

#include <cstddef>
#include <initializer_list>
#include <optional>

namespace orbenza {

// A value and its rate of change.
struct SeriesPoint {
    double valueDeg = 0;
    double speedDegPerDay = 0;
};

// One segment of a series: where it starts, how long it is, its coefficients.
struct SeriesSegment {
    double startJulianDayUt = 0;
    double days = 0;
    const std::int32_t* coefficients = nullptr;
};

std::size_t segmentCount(SeriesId id);
// The segment at index 0 ... segmentCount(id) - 1, in time order.
SeriesSegment segmentAt(SeriesId id, std::size_t index);
// The segment that holds the moment (the first or last one outside the span).
SeriesSegment segmentHolding(SeriesId id, double julianDayUt);
// The series of one segment at a moment, unreduced (a longitude may stand
// beyond 0 ... 360 degrees); the speed is the derivative of the polynomial.
SeriesPoint evaluateSegment(SeriesId id, const SeriesSegment& segment, double julianDayUt);
SeriesPoint seriesAt(SeriesId id, double julianDayUt);

// The series of a chart point that comes from the ephemeris: Sun ... Pluto,
// Chiron, TrueNode, MeanNode, Lilith; none for the Ascendant, the Midheaven
// and the Part of Fortune.
std::optional<SeriesId> seriesOf(Body body);

// Apparent longitude of date, 0 to below 360 degrees, nutation included, and
// its speed, of a series from Sun to Lilith.
SeriesPoint apparentLongitude(SeriesId id, double julianDayUt);

// The Greenwich apparent sidereal time, 0 to below 360 degrees, and the true
// obliquity of the ecliptic, degrees.
struct SiderealFrame {
    double greenwichApparentSiderealDeg = 0;
    double trueObliquityDeg = 0;
};
SiderealFrame siderealFrame(double julianDayUt);

// The ecliptic longitude on the eastern horizon, degrees 0 to below 360, from
// the local apparent sidereal time (the right ascension of the meridian), the
// true obliquity and the latitude (North positive), all in degrees. Within the
// polar circles, where the ecliptic can stand on the eastern horizon with its
// setting half, it is still the eastern of the two horizon points.
double ascendantLongitudeDeg(double localSiderealDeg, double obliquityDeg, double latitudeDeg);

// Every point the ephemeris gives for a moment and a place: the longitudes
// and speeds of Sun ... Pluto, Chiron, the nodes and Lilith, and the
// Ascendant (no speed). The Midheaven and the Part of Fortune are left 0.
struct EphemerisPositions {
    PointArray<double> longitudesDeg;
    PointArray<double> speedsDegPerDay;
    double localApparentSiderealDeg = 0; // right ascension of the meridian, 0 to below 360
    double trueObliquityDeg = 0;
};
EphemerisPositions ephemerisPositions(double julianDayUt, double latitudeDeg,
                                      double longitudeEastDeg);

// Only the points given that have a series (no sidereal time, no Ascendant):
// what a chart computed by another method takes from the series.
EphemerisPositions ephemerisPoints(double julianDayUt, std::initializer_list<Body> points);

// The Julian Day of a Gregorian calendar date and time (proleptic before 1582).
double julianDayOf(int year, int month, int day, double hours);

} // namespace orbenza
