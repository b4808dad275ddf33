// Universal moments as the predictive charts count them: Julian Days (UT),
// and the civil date and time, to the second, that a moment is shown as.
#pragma once

#include "base/CivilDateTime.h"

namespace orbenza {

// The Julian Day (UT) of a universal date and time (proleptic Gregorian).
double julianDayOfMoment(const CivilDateTime& ut);

// The universal date and time of a Julian Day (UT), rounded to the nearest
// second (Meeus, Astronomical Algorithms, ch. 7).
CivilDateTime momentOfJulianDay(double julianDayUt);

} // namespace orbenza
