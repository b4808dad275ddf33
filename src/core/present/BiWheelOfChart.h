// Bi-wheels of a computed chart: the chart inside, and outside the sky of a
// moment (transits) or the points of a second chart (a progressed or return
// chart, another person's chart).
#pragma once

#include "aspects/Aspects.h"
#include "chart/ChartRun.h"
#include "wheel/BiWheel.h"

#include <string>
#include <vector>

namespace orbenza {

// The sky of a moment for the outer ring: the bodies' longitudes, each
// retrograde while its daily motion is negative.
std::vector<BiWheelPoint> skyPointsOf(const PointArray<PointMotion>& sky,
                                      const std::vector<Body>& bodies);

// A second chart's points for the outer ring: the Sun ... Pluto with their
// retrograde marks, the Ascendant and the Midheaven.
std::vector<BiWheelPoint> chartPointsOf(const ChartResult& chart);

// The bi-wheel of a chart with the outer points and the line under it.
BiWheel biWheelOf(const ChartResult& inner, std::vector<BiWheelPoint> outer, std::string caption);

} // namespace orbenza
