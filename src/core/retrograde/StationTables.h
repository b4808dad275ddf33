#pragma once

// The compiled-in retrograde station tables of Mercury to Pluto, 1899 to 2051.
// The rows are generated (StationTables.cpp, see README.md in this folder).

#include "base/Body.h"

#include <array>
#include <cstddef>
#include <span>
#include <string_view>

namespace orbenza {

// One planet's retrograde periods. Row i of StationStart is the moment the planet turns
// retrograde, row i of StationEnd the following moment it turns direct again. A row is
// five whole numbers each followed by a comma, "month,day,year,hour,minute,", without
// leading zeros, in universal time. Both tables hold one spare empty slot after the last
// row; the rows strictly alternate in time: start i < end i < start i + 1.
struct StationTable {
    std::span<const std::string_view> stationStart;
    std::span<const std::string_view> stationEnd;

    // Number of periods, the spare slot not counted.
    constexpr std::size_t rowCount() const { return stationStart.size() - 1; }
};

// Planet order of the station tables and of the retrograde flags.
inline constexpr std::size_t StationPlanetCount = 8;
// Station planet k is the body Mercury + k of the chart.
constexpr Body stationPlanetBody(std::size_t k) {
    return bodyAt(indexOf(Body::Mercury) + k);
}
inline constexpr std::array<std::string_view, StationPlanetCount> StationPlanetNames = [] {
    std::array<std::string_view, StationPlanetCount> names{};
    for (std::size_t k = 0; k < StationPlanetCount; ++k)
        names[k] = bodyName(stationPlanetBody(k));
    return names;
}();

// Slots of each table: its rows plus the spare slot.
inline constexpr std::array<std::size_t, StationPlanetCount> StationTableCapacities{
    477, 96, 72, 140, 147, 151, 151, 152};

// Indexed in the planet order above.
extern const std::array<StationTable, StationPlanetCount> StationTables;

} // namespace orbenza
