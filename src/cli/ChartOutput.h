// The chart as the command line prints it: a readable text or one JSON object.
#pragma once

#include "chart/ChartRun.h"

#include <nlohmann/json.hpp>
#include <string>

namespace orbenza::cli {

// A longitude as the JSON gives it: degrees rounded to six decimals (0.0036
// arcseconds); a value that rounds up to 360 is written as 0.
double longitudeSixDecimals(double longitudeDeg);

// One object with the chart's texts; keys in a fixed order. withReport false
// leaves the report's runs out.
nlohmann::ordered_json chartJson(const ChartResult& chart, bool withReport = true);

// The readable chart: details, signs, the eleven bodies, then the
// interpretation report with its headings in capitals.
std::string chartText(const ChartResult& chart, bool withReport = true);

// The coloured interpretation report as Rich Text.
std::string chartRichText(const ChartResult& chart);

} // namespace orbenza::cli
