// The chart as the command line prints it: a readable text or one JSON object.
#pragma once

#include "AtlasOptions.h"
#include "base/Language.h"
#include "chart/ChartRun.h"
#include "windows/BirthTimeWindows.h"

#include <array>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

namespace orbenza::cli {

// A longitude as the JSON gives it: degrees rounded to six decimals (0.0036
// arcseconds); a value that rounds up to 360 is written as 0.
double longitudeSixDecimals(double longitudeDeg);

// The points that follow the Ascendant in the JSON's Longitudes and in the
// readable chart, with their JSON keys and text labels. The South node is
// opposite the North node and is not written.
struct OtherPoint {
    Body body;
    std::string_view key;
    std::string_view label;
};
inline constexpr std::array<OtherPoint, 5> kOtherPoints{{
    {Body::Chiron, "Chiron", "Chiron"},
    {Body::TrueNode, "TrueNode", "True Node"},
    {Body::MeanNode, "MeanNode", "Mean Node"},
    {Body::Lilith, "Lilith", "Lilith"},
    {Body::Fortune, "Fortune", "Fortune"},
}};

// One object with the chart's texts and values: the fields of a batch line
// (ChartJsonWriter), in its order. withReport false
// leaves the report's runs out. When the chart has its windows, "AscendantWindow" and
// "HouseWindow" follow "Houses". The houses and aspects (HouseSystem ...
// Aspects) follow the report when the chart has them (housesAndAspects).
// With a place (a clock time from the atlas or a zone's history), "Place"
// comes last. A text that is not UTF-8 throws nlohmann's type_error 316.
nlohmann::ordered_json chartJson(const ChartResult& chart, bool withReport = true,
                                 const PlaceClockInfo* place = nullptr);

// A value rounded to six decimals, as the JSON gives angles, orbs and speeds.
double sixDecimals(double value);

// The readable chart: details, signs, the eleven bodies and the other
// points, then the
// interpretation report with its headings in capitals. When the chart has its windows, the
// birth-time window line follows the Ascendant. A caution on the clock time
// (cautionSentence()), when not empty, follows the "Computed for" line.
// The words are those of the language.
std::string chartText(const ChartResult& chart, bool withReport = true,
                      std::string_view caution = {}, Language language = Language::English);

// The coloured report as Rich Text, opened by the person's name, the birth
// details (in birthPlace, else in the atlas place the clock came from) and the
// coordinates.
std::string chartRichText(const ChartResult& chart, std::string_view birthPlace = {},
                          Language language = Language::English);

} // namespace orbenza::cli
