// The fixed English texts of the interpretation report and the degree labels.
//
// Planet index (report order): 0 Sun, 1 Moon, 2 Mercury, 3 Venus, 4 Mars,
// 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune, 9 Pluto. Houses are numbered 1 to 12.
// Every text is one paragraph of plain text without line breaks; the report
// adds the line breaks and the formatting.
#pragma once

#include "base/Body.h"

#include <array>
#include <string_view>

namespace orbenza {

inline constexpr int kReportPlanetCount = static_cast<int>(kPlanetCount); // Sun ... Pluto
inline constexpr int kHouseCount = 12;
inline constexpr int kDegreeCount = 360;

// "Sun" ... "Pluto", by planet index 0..9.
std::string_view reportPlanetName(int planet);

// Heading prefix of a planet's block, "Sun In" ... "Pluto In".
std::string_view planetHeadingPrefix(int planet);

// "First House" ... "Twelfth House", house 1..12.
std::string_view houseName(int house);

// "More About First House" ... "More About Twelfth House", house 1..12.
std::string_view houseDescriptionHeading(int house);

// houseDesc: one paragraph about the house's meaning, house 1..12.
std::string_view houseDesc(int house);

// planetInHouseText: the text for planet 0..9 standing in house 1..12.
std::string_view planetInHouseText(int house, int planet);

struct PlanetCharacteristicsEntry {
    std::string_view heading; // "Characteristics Of Planet Sun :-"
    std::string_view text;
};

// planetCharacteristics: heading and text of planet 0..9.
PlanetCharacteristicsEntry planetCharacteristics(int planet);

// degreeName: the 360 degree labels, slot 0 empty; slot k = (sign - 1) * 30 + d
// holds the two-digit degree d (01..30), a blank and the sign abbreviation,
// e.g. slot 1 "01 Ari", slot 166 "16 Vir", slot 360 "30 Pis".
const std::array<std::string_view, kDegreeCount + 1>& degreeName();

} // namespace orbenza
