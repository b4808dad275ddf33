// Between a library record and the chart run: the record of a computed chart,
// and the chart drawn again from a record.
#pragma once

#include "chart/ChartRun.h"
#include "store/ChartRecord.h"

#include <string>
#include <variant>

namespace orbenza::store {

// The record of a chart computed from entries: the birth details, the zone
// row and correction the run used, the place texts as typed, and the atlas's
// place, zone and fold (and the place's own longitude) when the atlas set the
// clock time.
ChartRecord recordOfChart(const ChartResult& chart, const std::string& city,
                          const std::string& state, const std::string& country);

// The entries the birth details screen holds for a record.
BirthEntries entriesOfRecord(const ChartRecord& record);
// The record's signed correction.
UtCorrection correctionOfRecord(const ChartRecord& record);

// The clock the atlas set the record's time with, for the birth-time
// windows; nothing when the atlas did not set it.
std::optional<AtlasClock> atlasClockOfRecord(const ChartRecord& record);

// Why a record cannot be drawn, or nothing when it can: the birth checks'
// message, or the field out of its range.
std::optional<std::string> recordProblem(const ChartRecord& record);

// The chart of a record, exactly as it was when the record was made, or why
// the record cannot be drawn.
std::variant<ChartResult, std::string> chartOfRecord(const ChartRecord& record);

} // namespace orbenza::store
