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
    UniversalMoment PlanetUniversalTime;
    double DaysJ2000 = 0;                  // days from J2000.0, UT
    std::array<double, 9> longitudesDeg{}; // element-table order, degrees, ecliptic of date
    std::array<std::string, kBodyCount> PlanetPositions; // chart order
};

// Planet_Calculation: the Sun and Mercury to Pluto at the universal moment of
// the birth, then the eleven short texts, copying in the Moon's and the
// Ascendant's position texts.
PlanetRunResult Planet_Calculation(const BirthData& birth, UtCorrection correction,
                                   std::string_view moonPositionText,
                                   std::string_view ascendantText);

// Short_Position: "11° 22' 41\" Ari" becomes "11 Ari 22": two-digit degrees,
// a blank, the sign abbreviation, a blank, two-digit minutes.
std::string Short_Position(std::string_view positionText);

// Short_Position(Format_Position(longitudeDeg)) without the long text in
// between: the same truncated degrees and minutes, the same sign.
std::string shortPositionOf(double longitudeDeg);

} // namespace orbenza
