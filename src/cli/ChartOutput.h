// The chart as the command line prints it: a readable text or one JSON object.
#pragma once

#include "AtlasOptions.h"
#include "chart/ChartRun.h"
#include "windows/BirthTimeWindows.h"

#include <nlohmann/json.hpp>
#include <string>

namespace orbenza::cli {

// A longitude as the JSON gives it: degrees rounded to six decimals (0.0036
// arcseconds); a value that rounds up to 360 is written as 0.
double longitudeSixDecimals(double longitudeDeg);

// One object with the chart's texts; keys in a fixed order. withReport false
// leaves the report's runs out. With windows, "AscendantWindow" and
// "HouseWindow" follow "Houses". With a place (a clock time from the atlas or
// a zone's history), "Place" comes last.
nlohmann::ordered_json chartJson(const ChartResult& chart, bool withReport = true,
                                 const BirthTimeWindows* windows = nullptr,
                                 const PlaceClockInfo* place = nullptr);

// A window as JSON: {"From": "YYYY-MM-DDTHH:MM:SS", "To": ...} in local clock
// time, null for an end beyond 12 hours.
nlohmann::ordered_json windowJson(const TimeWindow& window);

// The readable chart: details, signs, the eleven bodies, then the
// interpretation report with its headings in capitals. With windows, the
// birth-time window line follows the Ascendant. A caution on the clock time
// (cautionSentence()), when not empty, follows the "Computed for" line.
std::string chartText(const ChartResult& chart, bool withReport = true,
                      const BirthTimeWindows* windows = nullptr, std::string_view caution = {});

// The coloured interpretation report as Rich Text.
std::string chartRichText(const ChartResult& chart);

} // namespace orbenza::cli
