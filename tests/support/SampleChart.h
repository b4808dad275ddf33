// A chart whose planets spread over several houses, given by the whole degree
// of each body (Sun 16° Sagittarius ... Ascendant 22° Leo): the houses and the
// report the report's tests and benchmarks read.
#pragma once

#include "base/Body.h"
#include "base/Sign.h"
#include "report/HouseReport.h"

#include <array>

namespace orbenza {

// Degree index of whole degree `degree` (0..29) of a sign.
constexpr int degreeIndexAt(Sign sign, int degree) {
    return degreeIndexOf({sign, degree, 0, 0});
}

inline std::array<int, kBodyCount> sampleDegreeIndexes() {
    return {degreeIndexAt(Sign::Sagittarius, 16), degreeIndexAt(Sign::Pisces, 3),
            degreeIndexAt(Sign::Scorpio, 29),     degreeIndexAt(Sign::Capricorn, 0),
            degreeIndexAt(Sign::Virgo, 12),       degreeIndexAt(Sign::Gemini, 7),
            degreeIndexAt(Sign::Aquarius, 21),    degreeIndexAt(Sign::Scorpio, 18),
            degreeIndexAt(Sign::Sagittarius, 25), degreeIndexAt(Sign::Libra, 1),
            degreeIndexAt(Sign::Leo, 22)};
}

inline HousePlacement samplePlacement() {
    return placeHousesAt(sampleDegreeIndexes());
}

} // namespace orbenza
