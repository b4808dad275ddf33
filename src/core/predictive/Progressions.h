// Secondary progressions: the chart of the day after birth that stands for a
// year of life. The progressed moment is the birth moment plus one day for
// each tropical year of 365.2422 days of age; the planets are the precise
// series at that moment; the Midheaven moves by the solar arc (the progressed
// Sun's longitude less the natal one), and the Ascendant follows from that
// Midheaven at the birth latitude.
#pragma once

#include "aspects/Aspects.h"
#include "chart/ChartRun.h"

#include <vector>

namespace orbenza {

inline constexpr double kTropicalYearDays = 365.2422;

// The progressed moment (Julian Day, UT) for the age reached at a moment.
double progressedJulianDayUt(double birthJulianDayUt, double onJulianDayUt);

struct ProgressedChart {
    ChartResult chart;                // the progressed positions, angles, houses and their aspects
    double onJulianDayUt = 0;         // the moment of life the progression is for
    double progressedJulianDayUt = 0; // the day after birth whose sky it is
    double solarArcDeg = 0;           // progressed Sun less natal Sun, -180 to 180
    // The aspects of the progressed points (a) to the natal points (b), Sun
    // ... Pluto, Ascendant and Midheaven each, with the natal chart's aspect
    // set and orbs.
    std::vector<AspectFound> toNatal;
};

// The progressed chart of a natal chart for a moment (Julian Day, UT).
ProgressedChart progressedChart(const ChartResult& natal, double onJulianDayUt,
                                const ChartChoices& choices = {});

} // namespace orbenza
