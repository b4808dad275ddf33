// The chart the tests and the benchmarks know best: ANNA, born 15 June 1985
// at 14:30 in New Delhi, 77°13' E 28°39' N, zone row 34 (Indian time, +5:30).
#pragma once

#include "base/BirthData.h"
#include "chart/ChartRun.h"
#include "input/BirthInput.h"

namespace orbenza {

// The birth as typed.
inline BirthInput delhi1985Input() {
    BirthInput input;
    input.name = "ANNA";
    input.local = CivilDateTime{1985, 6, 15, 14, 30, 0};
    input.longitude = {77, 13, EastWest::East};
    input.latitude = {28, 39, NorthSouth::North};
    input.zonePosition = 34;
    return input;
}

// The same birth as the chart run reads it once the input was checked.
inline BirthData delhi1985Birth() {
    const BirthInput input = delhi1985Input();
    return birthDataOf(input, correctionOf(input));
}

} // namespace orbenza
