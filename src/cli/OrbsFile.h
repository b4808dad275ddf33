// The orbs file of --orbs: a small JSON object of aspect name to orb.
#pragma once

#include "ChartOptions.h"
#include "aspects/Aspects.h"

#include <string>
#include <string_view>

namespace orbenza::cli {

// The largest orb a file may give, degrees.
inline constexpr double kLargestOrbDeg = 30.0;

// {"trine": 6, "semi-square": 1.5}: the named aspects take these orbs, the
// others keep their defaults. Names as in the aspect table; orbs from 0 to
// kLargestOrbDeg degrees.
Parsed<OrbTable> parseOrbs(std::string_view jsonText);

// The same from a file.
Parsed<OrbTable> readOrbsFile(const std::string& path);

} // namespace orbenza::cli
