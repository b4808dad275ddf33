// The aspects the report interprets and their texts.
//
// The report explains the five major aspects between two of twelve points: the
// Sun ... Pluto, the Ascendant and the Midheaven, every pair but the Ascendant
// with the Midheaven (their angle depends on the house frame, not on a
// meeting of two forces). There is one text per pair and aspect family: the
// conjunction; the harmonious trine and sextile; the challenging square and
// opposition. A pair is keyed with its points in chart order.
#pragma once

#include "base/Aspect.h"
#include "base/Body.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace orbenza {

// The major aspects, the ones the report interprets: conjunction, opposition,
// trine, square and sextile, the first five of the aspect table.
inline constexpr std::size_t kReportAspectKindCount = 5;

// What an aspect's text speaks of: the blend of a conjunction, the ease of a
// trine or sextile, the tension of a square or opposition (the first three
// families of the aspect table; the minor aspects have no text).
inline constexpr std::size_t kAspectFamilyCount = 3;

constexpr AspectFamily aspectFamilyOf(Aspect aspect) {
    return aspectKind(aspect).family;
}

// "Conjunction", "Opposition", "Trine", "Square", "Sextile".
std::string_view reportAspectName(Aspect aspect);

constexpr bool isAspectPoint(Body point) {
    return indexOf(point) < kAspectPointCount;
}

// Full name of an aspect point: "Sun" ... "Pluto", "Ascendant", "Midheaven";
// empty for any other point.
constexpr std::string_view aspectPointName(Body point) {
    if (point == Body::Midheaven)
        return "Midheaven";
    return indexOf(point) < kBodyCount ? bodyName(point) : std::string_view{};
}

// True when the two points are different aspect points other than the
// Ascendant with the Midheaven, in either order: the pairs that have texts.
constexpr bool hasAspectText(Body a, Body b) {
    const bool angles = (a == Body::Ascendant && b == Body::Midheaven) ||
                        (a == Body::Midheaven && b == Body::Ascendant);
    return isAspectPoint(a) && isAspectPoint(b) && a != b && !angles;
}

// The text of an aspect of the family between a and b (either order); empty
// when the pair has no text.
std::string_view aspectText(Body a, Body b, AspectFamily family);

} // namespace orbenza
