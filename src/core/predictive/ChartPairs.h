// Two charts compared: the synastry aspects of one chart's points to the
// other's, and the composite chart of their midpoints.
#pragma once

#include "aspects/Aspects.h"
#include "chart/ChartRun.h"

#include <vector>

namespace orbenza {

// The midpoint of two longitudes on the shorter arc between them, degrees 0
// to below 360. Opposite points (exactly 180 apart) take the one 90 degrees
// ahead of the first.
double shorterArcMidpointDeg(double firstDeg, double secondDeg);

// A chart's Sun ... Pluto, Ascendant and Midheaven with their daily motions
// (the Midheaven's from the Earth's turn).
PointArray<PointMotion> aspectPointsOf(const ChartResult& chart);

// The aspects of the first set's points (a) to the second's (b), every pair
// of Sun ... Pluto, Ascendant and Midheaven, in chart order of a, then of b.
std::vector<AspectFound> crossAspects(const PointArray<PointMotion>& first,
                                      const PointArray<PointMotion>& second, AspectSet set,
                                      const OrbTable& orbs);

// The aspects of A's points (a) to B's points (b): Sun ... Pluto, Ascendant
// and Midheaven each, every pair, with the same aspect set and orbs as a
// chart; in chart order of a, then of b.
std::vector<AspectFound> synastryAspects(const ChartResult& a, const ChartResult& b, AspectSet set,
                                         const OrbTable& orbs);

// The composite chart: every point (Sun ... Pluto, Chiron, the nodes, Lilith)
// at the midpoint of its two places, the Ascendant and the Midheaven at the
// midpoints of the two charts' angles and each house cusp at the midpoint of
// the two cusps; the equal houses count from the midpoint Ascendant. The
// Part of Fortune follows from the composite Ascendant, Sun and Moon. Its
// birth details are A's, named after both.
ChartResult compositeChart(const ChartResult& a, const ChartResult& b,
                           const ChartChoices& choices = {});

} // namespace orbenza
