// The batch's CSV form.
#pragma once

#include "chart/ChartRun.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orbenza::cli {

// The CSV form: one header row, then per chart the name, the eleven positions
// (Sun .. Pluto, Asc), the eleven labels (with the retrograde marks), the ten
// houses (empty when a planet has none), the line and an empty error. A row
// that cannot be charted keeps its name, line and error, the rest empty. Rows
// end in LF; fields with a comma, a quote, a line break or blanks at either
// end are quoted.
std::string batchCsvHeader();
void appendChartCsv(std::string& out, const ChartResult& chart, std::uint64_t line);
void appendBatchErrorCsv(std::string& out, std::string_view name, std::uint64_t line,
                         std::string_view message);
void appendCsvField(std::string& out, std::string_view text);

} // namespace orbenza::cli
