// A place's clock time from the atlas, put into the birth details' terms: the
// signed universal-time correction, and the zone list row with the daylight
// saving box that show the same offset.
#pragma once

#include "atlas/PlaceClock.h"
#include "base/BirthData.h"

namespace orbenza {

// The correction of a clock that is utOffsetSeconds ahead of universal time:
// the offset negated, split into hours, minutes and seconds of one sign.
UtCorrection correctionOfOffset(std::int32_t utOffsetSeconds);

// How the zone list shows an offset.
struct ZoneRowChoice {
    // 0 ... 70: the row whose correction, with the daylight-saving box meaning
    // one hour of summer time, gives the offset; -1 when none does (local
    // mean time, +0:19:32, summer time of other than one hour such as double
    // summer time, +12:45), so the offset needs
    // an entry of its own.
    int position = -1;
    bool daylightSaving = false; // the box: one hour of summer time in force
    // The correction of the row, or of the entry of its own; with the box
    // ticked, an hour less than the whole offset.
    UtCorrection correction;
};

// The row for a clock state: where several rows have the correction, the one
// whose abbreviation is the zone's standard abbreviation ("CET" for Madrid's
// "CEST"), else the first.
ZoneRowChoice chooseZoneRow(const atlas::ZoneState& state);

} // namespace orbenza
