// How far the birth time may be off before the chart changes: the stretch of
// local clock time around the birth during which the Ascendant keeps its sign,
// and the narrower stretch during which it also keeps every body's house.
//
// Both are found on the chart run itself: the chart is recomputed with
// runChart for moments shifted in universal time (same zone correction, same
// positions source), scanning outward in steps of kWindowScanStepSeconds until
// the first change, then bisecting that step to the second. A change shorter
// than one step that comes back within it (possible only near the polar
// circles) is not seen.
#pragma once

#include "atlas/PlaceClock.h"
#include "base/Language.h"
#include "chart/ChartRun.h"

#include <cstdint>
#include <optional>
#include <string>

namespace orbenza {

// Searched this far from the birth in either direction, in seconds of
// universal time.
inline constexpr std::int64_t kWindowSearchSeconds = 12 * 3600;
// The scan step: the Ascendant moves about one degree in it.
inline constexpr std::int64_t kWindowScanStepSeconds = 4 * 60;

// The clock of an atlas place: its offset from universal time is looked up
// afresh for every moment probed, so a clock change inside a window moves the
// window's ends as the clock showed them.
struct PlaceClockRef {
    const atlas::ZoneClock* zone = nullptr;
    double longitudeEastDeg = 0; // for a zone that kept local mean time
};

// Both windows of a chart. The clock given, else the chart's atlas clock, turns
// universal time into clock time; without either, the chart's own correction
// (and its daylight-saving box) does.
BirthTimeWindows birthTimeWindows(const ChartResult& chart,
                                  std::optional<PlaceClockRef> clock = std::nullopt);

// Searches both windows and keeps them in the chart (ChartResult::windows),
// on the chart's own clock as birthTimeWindows(chart) does.
void addBirthTimeWindows(ChartResult& chart);

// "1985-06-15T14:05:09": a window end as JSON writes it.
std::string isoClockTime(const atlas::DateTime& time);

// One window end for the chart line: "13:52", with the date ("14 Jun 1985
// 23:52") when it falls on another day than the birth, "beyond 12 hours" for
// an open end. A start is shown rounded up and an end rounded down to the
// minute, so that every birth minute between them keeps the value.
std::string windowEndText(const std::optional<atlas::DateTime>& end, const BirthData& birth,
                          bool isStart, Language language = Language::English);

// "Ascendant Libra for births from 13:52 to 15:58; the same houses from 14:05
// to 14:41", in the words of the language.
std::string birthTimeWindowLine(const ChartResult& chart, const BirthTimeWindows& windows,
                                Language language = Language::English);

} // namespace orbenza
