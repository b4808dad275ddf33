// The Sun and the planets for the birth moment, and the eleven short position
// texts of the chart.
#pragma once

#include "base/BirthData.h"
#include "base/Body.h"
#include "positions/TimeScales.h"

#include <array>
#include <string>
#include <string_view>

namespace orbenza {

struct PlanetRunResult {
    UniversalMoment planetUniversalTime;
    double daysJ2000 = 0;                  // days from J2000.0, UT
    std::array<double, 9> longitudesDeg{}; // element-table order, degrees, ecliptic of date
    std::array<std::string, kBodyCount> planetPositions; // chart order
};

// planetCalculation: the Sun and Mercury to Pluto at the universal moment of
// the birth, then the eleven short texts, copying in the Moon's and the
// Ascendant's position texts.
PlanetRunResult planetCalculation(const BirthData& birth, UtCorrection correction,
                                   std::string_view moonPositionText,
                                   std::string_view ascendantText);

// shortPosition: "11° 22' 41\" Ari" becomes "11 Ari 22": two-digit degrees,
// a blank, the sign abbreviation, a blank, two-digit minutes.
std::string shortPosition(std::string_view positionText);

// shortPosition(formatPosition(longitudeDeg)) without the long text in
// between: the same truncated degrees and minutes, the same sign.
std::string shortPositionOf(double longitudeDeg);

} // namespace orbenza
