// The prose of the interpretation report and the small words of the chart's
// outputs, as compiled-in tables, English here and each translation in the
// folder of its language code (texts/de/, ...), in a namespace of the same name
// (orbenza::texts::de) with the same tables under the same names.
//
// The .cpp files beside this header hold the texts themselves, written so
// that they read like a document: one raw string literal per paragraph under a
// comment heading. InterpretationTexts.cpp and AspectTexts.cpp are the only
// readers; everybody else goes through the lookups of report/InterpretationTexts.h
// and report/AspectTexts.h.
#pragma once

#include "base/Language.h"
#include "report/AspectTexts.h"
#include "report/InterpretationTexts.h"
#include "report/ReportWords.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace orbenza::texts {

// One paragraph per house, slots 1..12; slot 0 stays empty.
using HouseDescriptionTable = std::array<std::string_view, kHouseCount + 1>;

// [house][planet]: house slots 1..12 (slot 0 stays empty), planet 0 Sun .. 9 Pluto.
using PlanetInHouseTable =
    std::array<std::array<std::string_view, kReportPlanetCount>, kHouseCount + 1>;

// One text per planet, 0 Sun .. 9 Pluto.
using PlanetCharacteristicsTable = std::array<std::string_view, kReportPlanetCount>;

// One aspect text as it is written down: its key and its paragraph.
struct AspectTextEntry {
    Body a; // the first of the two points in chart order
    Body b;
    AspectFamily family;
    std::string_view text;
};

// [a][b][family] by the points' chart positions, a before b; slots of other
// pairs stay empty.
using AspectTextTable =
    std::array<std::array<std::array<std::string_view, kAspectFamilyCount>, kAspectPointCount>,
               kAspectPointCount>;

// True when a list of aspect texts (of any language) names every key exactly
// once, a before b, and no text is empty.
template <std::size_t N>
constexpr bool coversEveryAspectKeyOnce(const AspectTextEntry (&entries)[N]) {
    std::array<std::array<std::array<int, kAspectFamilyCount>, kAspectPointCount>,
               kAspectPointCount>
        seen{};
    for (const AspectTextEntry& entry : entries) {
        const std::size_t a = indexOf(entry.a);
        const std::size_t b = indexOf(entry.b);
        const auto family = static_cast<std::size_t>(entry.family);
        if (!hasAspectText(entry.a, entry.b) || a > b || family >= kAspectFamilyCount ||
            entry.text.empty())
            return false;
        if (++seen[a][b][family] != 1)
            return false;
    }
    std::size_t pairs = 0;
    for (Body a : kAspectPoints)
        for (Body b : kAspectPoints)
            pairs += indexOf(a) < indexOf(b) && hasAspectText(a, b) ? 1 : 0;
    return N == pairs * kAspectFamilyCount;
}

template <std::size_t N>
constexpr AspectTextTable buildAspectTextTable(const AspectTextEntry (&entries)[N]) {
    AspectTextTable table{};
    for (const AspectTextEntry& entry : entries)
        table[indexOf(entry.a)][indexOf(entry.b)][static_cast<std::size_t>(entry.family)] =
            entry.text;
    return table;
}

extern const HouseDescriptionTable kHouseDescriptions;          // texts/HouseDescriptions.cpp
extern const PlanetInHouseTable kPlanetInHouseTexts;            // texts/PlanetInHouseTexts.cpp
extern const PlanetCharacteristicsTable kPlanetCharacteristics; // texts/PlanetCharacteristics.cpp
extern const AspectTextTable kAspectTexts;                      // texts/AspectPairTexts.cpp
extern const ReportWords kReportWords;                          // texts/ReportWords.cpp
extern const ZoneNames kZoneNames;                              // texts/ZoneNames.cpp

// The tables of each translation, defined in texts/<code>/ by files of the
// English files' names.
#define ORBENZA_DECLARE_TEXT_TABLES(code)                                                          \
    namespace code {                                                                               \
    extern const HouseDescriptionTable kHouseDescriptions;                                         \
    extern const PlanetInHouseTable kPlanetInHouseTexts;                                           \
    extern const PlanetCharacteristicsTable kPlanetCharacteristics;                                \
    extern const AspectTextTable kAspectTexts;                                                     \
    extern const ReportWords kReportWords;                                                         \
    extern const ZoneNames kZoneNames;                                                             \
    }
ORBENZA_DECLARE_TEXT_TABLES(de)
ORBENZA_DECLARE_TEXT_TABLES(fr)
ORBENZA_DECLARE_TEXT_TABLES(es)
ORBENZA_DECLARE_TEXT_TABLES(it)
ORBENZA_DECLARE_TEXT_TABLES(pt_BR)
ORBENZA_DECLARE_TEXT_TABLES(hi)
#undef ORBENZA_DECLARE_TEXT_TABLES

// The prose tables of one language.
struct ProseTables {
    const HouseDescriptionTable* houseDescriptions = nullptr;
    const PlanetInHouseTable* planetInHouse = nullptr;
    const PlanetCharacteristicsTable* characteristics = nullptr;
    const AspectTextTable* aspects = nullptr;
};

// By language, in the order of the Language enumeration (InterpretationTexts.cpp).
extern const std::array<ProseTables, kLanguageCount> kProseTables;

} // namespace orbenza::texts
