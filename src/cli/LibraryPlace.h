// The place whose clock set a library chart's time, kept in its record and
// read back, so the library's chart carries the "Place" the single chart has.
#pragma once

#include "AtlasOptions.h"
#include "store/ChartRecord.h"

#include <optional>

namespace orbenza::cli {

// Keeps what the record of a chart computed from the atlas lacks: the
// atlas's names of the place and its coordinates at the atlas's precision.
// Nothing for a zone given by name, whose place is the chart's coordinates.
void keepPlaceInRecord(store::ChartRecord& record, const PlaceClockInfo& place);

// The place of a record whose clock came from the atlas or a zone's history,
// as the single chart made it; nothing for a clock of the zone list.
std::optional<PlaceClockInfo> placeOfRecord(const store::ChartRecord& record);

} // namespace orbenza::cli
