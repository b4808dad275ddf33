// From a batch row to the birth input.
#pragma once

#include "AtlasOptions.h"
#include "ChartOptions.h"
#include "CsvReader.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza::cli {

// The input columns, in the order BatchColumns keeps their positions.
inline constexpr std::array<std::string_view, 7> kBatchColumnNames{"name", "date", "time", "zone",
                                                                   "lon",  "lat",  "dst"};

// The columns that take the clock time from the atlas: `place` in place of
// zone, lon, lat and dst, or `tz` (an IANA zone) in place of zone and dst;
// `fold` (earlier or later, may be empty) with either.
inline constexpr std::array<std::string_view, 3> kBatchAtlasColumnNames{"place", "tz", "fold"};

// Where each column stands in a row. The first seven by kBatchColumnNames
// order; of those, a header with `place` has only name, date and time, and one
// with `tz` has no zone and dst (their positions are then unused).
struct BatchColumns {
    std::array<std::size_t, 7> position{};
    std::optional<std::size_t> place, tz, fold;
    std::size_t fieldCount = 7; // fields in every row
    bool fromAtlas() const { return place.has_value() || tz.has_value(); }
};

// The header's column positions, or why the header cannot be used (a column
// unknown, missing, named twice or not to be given with another).
Parsed<BatchColumns> batchColumns(const std::vector<std::string>& header);

// empty, 0, false, no: off; 1, true, yes: on (any case).
Parsed<bool> parseDaylightSaving(std::string_view text);

// The birth input of one row, or why the row cannot be charted: a malformed
// record, a wrong number of fields, a name that is not UTF-8 or a field in the
// wrong form (the single-chart option's message, named after the column).
// Blanks around every field but the name are ignored.
// With `place` or `tz` the missing columns take the screen's defaults; the
// atlas settles them in batchRowInput.
Parsed<BirthInput> batchRowEntries(const CsvRecord& record, const BatchColumns& columns);

// What one row is charted from.
struct BatchRowInput {
    BirthInput input;
    std::optional<PlaceClockInfo> place; // when the atlas or the zone gave the clock time
};

// The row's input, with the coordinates and clock time settled by the atlas
// or the zone's history when the header has `place` or `tz`: as --place, --tz
// and --fold settle them, an empty `fold` as none given. atlas is used only
// for `place`.
Parsed<BatchRowInput> batchRowInput(const CsvRecord& record, const BatchColumns& columns,
                                    const atlas::Atlas& atlas);

} // namespace orbenza::cli
