// The Sun and the planets for the birth moment.
#pragma once

#include "base/BirthMoment.h"

#include <array>

namespace orbenza {

struct PlanetRunResult {
    UniversalMoment planetUniversalTime;
    double daysJ2000 = 0;                  // days from J2000.0, UT
    std::array<double, 9> longitudesDeg{}; // element-table order, degrees, ecliptic of date
};

// planetCalculation: the Sun and Mercury to Pluto at the universal moment of
// the birth.
PlanetRunResult planetCalculation(const BirthMoment& moment);

} // namespace orbenza
