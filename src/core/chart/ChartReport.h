// The interpretation report of a computed chart.
#pragma once

#include "chart/ChartRun.h"
#include "report/HouseReport.h"

#include <vector>

namespace orbenza {

// The house section of the chart's house system, then the aspect section of
// the major aspects among Sun ... Pluto, the Ascendant and the Midheaven that
// the chart lists. A chart computed without aspects (a batch that did not ask
// for them) gives the house section alone.
std::vector<ReportRun> chartReport(const ChartResult& chart);

} // namespace orbenza
