// The two time arguments of the birth moment: Julian centuries from 1900 for
// the Ascendant, and days from J2000.0 of the universal calendar moment for
// the planets. Both start from the same universal time (local clock time plus
// the signed zone correction, less an hour of daylight saving).
#pragma once

#include "base/BirthData.h"
#include "base/BirthMoment.h"

namespace orbenza {

struct AscendantTimeBase {
    double ascLocalHours = 0;     // hours, local clock time
    double ascLongitudeWest = 0;  // degrees, West positive
    double ascLatitude = 0;       // degrees, North positive
    double ascJdn = 0;            // days, Julian Day Number of the local date
    double ascUniversalHours = 0; // hours past 0h UT of the local date; may be < 0 or >= 24
    double centuriesT1900 = 0;    // Julian centuries from JD 2415020.0
};

AscendantTimeBase ascendantTimeBase(const BirthData& birth, const BirthMoment& moment);

// The universal date and time of the birth: the local date-time plus the
// correction's hours, then its minutes and seconds, less an hour for daylight saving,
// carried across day, month and year ends by calendar arithmetic.
UniversalMoment planetUniversalTime(const BirthData& birth, UtCorrection correction);

// dayNumber: days from J2000.0 (2000 January 1, 12:00 UT) of a universal date
// and time. Counts every fourth year as leap: exact from 1 March 1900 to
// 28 February 2100.
double dayNumber(int year, int month, int day, int hour, int minute);

// The birth's universal moment in every count the chart's methods use.
BirthMoment birthMomentOf(const BirthData& birth, UtCorrection correction);

// TT - UT in seconds for a decimal year (year + (month - 0.5) / 12): the
// polynomials of Espenak and Meeus (NASA's Five Millennium Canon of Solar
// Eclipses, 2006) for 1900 to 2050, within about a second of the observed
// values to 2005 and of their forecast after it.
double deltaTSeconds(double decimalYear);

} // namespace orbenza
