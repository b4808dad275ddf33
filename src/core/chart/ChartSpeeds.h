// Daily motions of the Sun and the planets by the built-in method.
#pragma once

#include "base/Body.h"

namespace orbenza {

// Degrees a day of Sun ... Pluto at d days from J2000.0 (the Ascendant's slot
// is left 0): the derivative of the built-in geocentric longitudes. For
// Mercury ... Pluto and the Sun, from the velocities on the Kepler ellipses of
// the mean elements (the eccentric anomaly's rate n / (1 - e cos E)), the
// elements' own slow drift left out; plus the general precession's rate. For
// the Moon, a central difference of its series over an hour either side.
// Within 0.001 degrees a day of the derivative of the longitudes themselves.
BodyArray<double> classicSpeedsDegPerDay(double daysJ2000);

} // namespace orbenza
