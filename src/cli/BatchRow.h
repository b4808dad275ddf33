// From a batch row to the birth details screen's entries.
#pragma once

#include "ChartOptions.h"
#include "CsvReader.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza::cli {

// The input columns, in the order BatchColumns keeps their positions.
inline constexpr std::array<std::string_view, 7> kBatchColumnNames{"name", "date", "time", "zone",
                                                                   "lon",  "lat",  "dst"};

// Where each of the seven columns stands in a row, by kBatchColumnNames order.
struct BatchColumns {
    std::array<std::size_t, 7> position{};
};

// The header's column positions, or why the header cannot be used (a column
// unknown, missing or named twice).
Parsed<BatchColumns> batchColumns(const std::vector<std::string>& header);

// empty, 0, false, no: off; 1, true, yes: on (any case).
Parsed<bool> parseDaylightSaving(std::string_view text);

// The birth entries of one row, or why the row cannot be charted: a malformed
// record, a wrong number of fields, a name that is not UTF-8 or a field in the
// wrong form (the single-chart option's message, named after the column).
// Blanks around every field but the name are ignored.
Parsed<BirthEntries> batchRowEntries(const CsvRecord& record, const BatchColumns& columns);

} // namespace orbenza::cli
