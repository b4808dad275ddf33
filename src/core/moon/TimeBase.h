// The Julian Day Number of a calendar date and the
// full-circle arc tangent, shared by the Moon, the Ascendant and the planets.
#pragma once

#include "base/Angles.h"
#include "base/Sign.h"

namespace orbenza {

// julianDay: the Julian Day Number (a whole number held in a double) of a
// calendar date, Gregorian from 15 October 1582 on and Julian before. The
// integer form of Fliegel and Van Flandern (1968), exact for every date.
double julianDay(int month, int day, int year);

// atan2Radians: the arc tangent of y / x in radians, -pi to pi, in the right quadrant.
double atan2Radians(double y, double x);

} // namespace orbenza
