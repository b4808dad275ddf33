// The interpretation report of a computed chart.
#pragma once

#include "base/Language.h"
#include "chart/ChartRun.h"
#include "report/HouseReport.h"

#include <vector>

namespace orbenza {

// The house section of the chart's house system, then the aspect section of
// the major aspects among Sun ... Pluto, the Ascendant and the Midheaven that
// the chart lists. A chart computed without aspects (a batch that did not ask
// for them) gives the house section alone. The texts are in the language.
std::vector<ReportRun> chartReport(const ChartResult& chart, Language language = Language::English);

} // namespace orbenza
