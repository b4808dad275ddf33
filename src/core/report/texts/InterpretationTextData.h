// The prose of the interpretation report, as compiled-in tables.
//
// The three .cpp files beside this header hold the texts themselves, written so
// that they read like a document: one raw string literal per paragraph under a
// comment heading. InterpretationTexts.cpp is the only reader; everybody else
// goes through the lookups of report/InterpretationTexts.h.
#pragma once

#include "report/InterpretationTexts.h"

#include <array>
#include <string_view>

namespace orbenza::texts {

// One paragraph per house, slots 1..12; slot 0 stays empty.
using HouseDescriptionTable = std::array<std::string_view, kHouseCount + 1>;

// [house][planet]: house slots 1..12 (slot 0 stays empty), planet 0 Sun .. 9 Pluto.
using PlanetInHouseTable =
    std::array<std::array<std::string_view, kReportPlanetCount>, kHouseCount + 1>;

// One text per planet, 0 Sun .. 9 Pluto.
using PlanetCharacteristicsTable = std::array<std::string_view, kReportPlanetCount>;

extern const HouseDescriptionTable kHouseDescriptions;          // texts/HouseDescriptions.cpp
extern const PlanetInHouseTable kPlanetInHouseTexts;            // texts/PlanetInHouseTexts.cpp
extern const PlanetCharacteristicsTable kPlanetCharacteristics; // texts/PlanetCharacteristics.cpp

} // namespace orbenza::texts
