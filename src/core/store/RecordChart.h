// Between a library record and the chart run: the record of a birth input,
// and the input and chart drawn again from a record.
#pragma once

#include "chart/ChartRun.h"
#include "input/BirthInput.h"
#include "store/ChartRecord.h"

#include <optional>
#include <string>
#include <variant>

namespace orbenza::store {

// The record of a birth input: the birth details, the zone row and the
// correction the run uses, the place texts as typed, the positions method,
// and the atlas's place, zone and fold when the atlas set the clock time.
ChartRecord recordOfInput(const BirthInput& input, const std::string& city,
                          const std::string& state, const std::string& country);
// The record of a computed chart, from the input it was computed for.
ChartRecord recordOfChart(const ChartResult& chart, const std::string& city,
                          const std::string& state, const std::string& country);

// The birth input a record holds, whole: recordOfInput of it gives the
// record's own values back.
BirthInput inputOfRecord(const ChartRecord& record);

// Why a record cannot be drawn: the birth check's refusal, or a value out of
// its range said in words.
struct RecordProblem {
    std::optional<InputProblem> input;
    std::string detail; // empty for an input problem
};

// Nothing when the record can be drawn.
std::optional<RecordProblem> recordProblem(const ChartRecord& record);

// The chart of a record, exactly as it was when the record was made, or why
// the record cannot be drawn.
std::variant<ChartResult, RecordProblem> chartOfRecord(const ChartRecord& record);

} // namespace orbenza::store
