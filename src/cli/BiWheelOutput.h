// The command line's bi-wheel pictures: the natal chart inside, and outside
// the sky of a moment (transits) or another chart (synastry).
#pragma once

#include "chart/ChartRun.h"

#include <string>

namespace orbenza {

// The transits of a moment (Julian Day, UT) round the natal chart, as an SVG
// document widthPixels wide: the Moon, the Sun, Mercury ... Pluto, Chiron
// and the true node outside.
std::string transitsBiWheelSvg(const ChartResult& natal, double julianDayUt, double widthPixels);

// Chart B's points (Sun ... Pluto, Ascendant, Midheaven) round chart A.
std::string synastryBiWheelSvg(const ChartResult& a, const ChartResult& b, double widthPixels);

} // namespace orbenza
