// A place's clock time from the atlas, put into the birth details' terms: the
// signed universal-time correction, and the zone list row with the daylight
// saving box that show the same offset.
#pragma once

#include "atlas/PlaceClock.h"
#include "base/BirthData.h"

#include <string_view>

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

// Where the clock was kept, as a row's name may name it: the first-level
// region and the country as the atlas writes them, and the IANA zone.
struct ZoneRowPlace {
    std::string_view region;   // "São Paulo"
    std::string_view country;  // "Brazil"
    std::string_view timeZone; // "America/Sao_Paulo"
};

// The row for a clock state, among the rows with its correction: the one
// that names the place and carries the zone's standard abbreviation; else the
// one with that abbreviation ("CET" for Madrid's "CEST"); else a row of
// standard time that names the place's region, country or zone (São Paulo's
// -3:00 is "Brazil Zone 2", not "Atlantic War Time"). A row that merely has
// the offset, for a place it does not name, is not chosen: the offset then
// gets an entry of its own (position -1).
ZoneRowChoice chooseZoneRow(const atlas::ZoneState& state, const ZoneRowPlace& place = {});

} // namespace orbenza
