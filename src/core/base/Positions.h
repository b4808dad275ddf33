// Which method computes a chart's positions.
//
// Classic is the program's own built-in method (mean orbital elements, a
// 25-term Moon, the linear sidereal time) and the default. Precise takes the
// apparent positions from the compiled-in series fitted to the JPL ephemeris
// (ephemeris/).
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbenza {

enum class Positions : std::uint8_t {
    Classic,
    Precise,
};

inline constexpr Positions kDefaultPositions = Positions::Classic;

// "classic", "precise": the names the command line, the batch column, the
// JSON output and the saved setting use.
inline constexpr std::array<std::string_view, 2> kPositionsNames{"classic", "precise"};

constexpr std::string_view positionsName(Positions positions) {
    return kPositionsNames[static_cast<std::size_t>(positions)];
}

// The source named exactly by the text ("classic" or "precise").
constexpr std::optional<Positions> positionsNamed(std::string_view text) {
    if (text == kPositionsNames[0])
        return Positions::Classic;
    if (text == kPositionsNames[1])
        return Positions::Precise;
    return std::nullopt;
}

} // namespace orbenza
