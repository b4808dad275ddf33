// The chart the tests and the benchmarks know best: ANNA, born 15 June 1985
// at 14:30 in New Delhi, 77°13' E 28°39' N, zone row 34 (Indian time, +5:30).
#pragma once

#include "base/BirthData.h"
#include "chart/ChartRun.h"
#include "chart/TimeZones.h"

namespace orbenza {

// The birth as the screen's entries hold it.
inline BirthEntries delhi1985Entries() {
    BirthEntries e;
    e.fields.name = "ANNA";
    e.fields.monthPosition = 5; // June
    e.fields.dayPosition = 14;  // 15
    e.fields.year = 1985;
    e.fields.longitudeDegrees = "77";
    e.fields.longitudeMinutes = "13";
    e.fields.latitudeDegrees = "28";
    e.fields.latitudeMinutes = "39";
    e.hour = 14;
    e.minute = 30;
    e.zonePosition = 34;
    e.east = true;
    e.south = false;
    return e;
}

// The same birth as the chart run reads it once the entries were checked.
inline BirthData delhi1985Birth() {
    const BirthEntries entries = delhi1985Entries();
    return makeBirthData(entries, Zone_Calculation(entries.zonePosition, {}));
}

} // namespace orbenza
