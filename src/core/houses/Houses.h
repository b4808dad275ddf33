// The house cusps of every house system, the angles of the chart and the
// house a longitude falls in.
//
// Everything is computed from three numbers: the right ascension of the
// meridian (the local sidereal time), the obliquity of the ecliptic and the
// latitude. The caller chooses which sidereal time and obliquity go in (mean
// ones for the classic positions, apparent and true ones for the precise),
// so nutation never enters here.
#pragma once

#include "base/HouseSystem.h"

#include <array>
#include <cstdint>

namespace orbenza {

struct HouseFrame {
    double ramcDeg = 0;      // right ascension of the meridian, degrees
    double obliquityDeg = 0; // obliquity of the ecliptic, degrees
    double latitudeDeg = 0;  // geographic latitude, North positive, degrees
};

// Why the system asked for was not the one used.
enum class HouseNote : std::uint8_t {
    None,
    // Placidus and Koch are not defined where some ecliptic degrees never
    // rise or set: latitudes at or beyond 90 degrees less the obliquity.
    PolarCircle,
    // The system's semi-arcs have no solution for this moment and place.
    NoSolution,
};

// Ecliptic longitudes, degrees 0 to below 360.
struct ChartAngles {
    double ascDeg = 0;    // the Ascendant, always the eastern horizon point
    double mcDeg = 0;     // the Midheaven: the ecliptic on the upper meridian
    double dscDeg = 0;    // the Descendant, opposite the Ascendant
    double icDeg = 0;     // the Imum Coeli, opposite the Midheaven
    double vertexDeg = 0; // the ecliptic on the prime vertical, in the west
};

// The sidereal day is 360.98564736629 degrees of right ascension a day.
inline constexpr double kSiderealDegPerDay = 360.98564736629;

struct HouseCusps {
    HouseSystem system = HouseSystem::Equal; // the system the cusps follow
    HouseNote note = HouseNote::None;        // why it is not the one asked for
    std::array<double, 12> cuspsDeg{};       // house 1 first, degrees 0 to below 360
    ChartAngles angles;
};

ChartAngles chartAngles(const HouseFrame& frame);

// The cusps of a system. Where Placidus or Koch have no solution, or the
// semi-arcs of Alcabitius are undefined, the cusps are Porphyry's and the
// note says why.
HouseCusps houseCusps(HouseSystem system, const HouseFrame& frame);

// The house 1..12 a longitude lies in: house k runs from cusp k up to, not
// including, cusp k + 1 (house 12 up to cusp 1), forward along the zodiac, or
// backward where the cusps run backward (beyond the polar circles).
int houseOf(const std::array<double, 12>& cuspsDeg, double longitudeDeg);

// Daily motion of the Ascendant and the Midheaven (degrees a day), from the
// Earth's turn alone (the derivatives of their formulas).
struct AngleSpeeds {
    double ascDegPerDay = 0;
    double mcDegPerDay = 0;
};
AngleSpeeds angleSpeeds(const HouseFrame& frame);

} // namespace orbenza
