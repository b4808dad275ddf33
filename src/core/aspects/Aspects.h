// The aspects among the points of a chart: which hold, their orbs, and
// whether each is applying or separating.
#pragma once

#include "base/Aspect.h"
#include "base/Body.h"

#include <array>
#include <optional>
#include <vector>

namespace orbenza {

// The orb of each aspect, degrees, by Aspect; the defaults unless overridden.
struct OrbTable {
    std::array<double, kAspectCount> orbDeg = [] {
        std::array<double, kAspectCount> orbs{};
        for (std::size_t i = 0; i < kAspectCount; ++i)
            orbs[i] = kAspectKinds[i].defaultOrbDeg;
        return orbs;
    }();
    double& operator[](Aspect aspect) { return orbDeg[static_cast<std::size_t>(aspect)]; }
    double operator[](Aspect aspect) const { return orbDeg[static_cast<std::size_t>(aspect)]; }
    friend bool operator==(const OrbTable&, const OrbTable&) = default;
};

// The orb an aspect is allowed between two points: the table's, and
// kLuminaryOrbBonusDeg more for a major aspect with the Sun or the Moon.
double allowedOrbDeg(const OrbTable& orbs, Aspect aspect, Body a, Body b);

struct AspectFound {
    Body a = Body::Sun; // a before b in chart order
    Body b = Body::Sun;
    Aspect aspect = Aspect::Conjunction;
    double angleDeg = 0; // the separation of the two points, 0 to 180
    double orbDeg = 0;   // |separation - the aspect's angle|
    bool applying = false;
    friend bool operator==(const AspectFound&, const AspectFound&) = default;
};

// A point's longitude (degrees) and daily motion (degrees a day).
struct PointMotion {
    double longitudeDeg = 0;
    double speedDegPerDay = 0;
};

// The aspect between two points, if one holds. When the orbs let two
// aspects hold at once, the closer one is taken. Applying when the orb is
// shrinking at that moment; an exact aspect is separating.
std::optional<AspectFound> aspectBetween(Body a, const PointMotion& pa, Body b,
                                         const PointMotion& pb, AspectSet set,
                                         const OrbTable& orbs);

// The aspects among the chart's aspect points (Sun ... Pluto, the Ascendant,
// the Midheaven, Chiron and the nodes), every pair and aspect aspectListed
// allows, in chart order of a, then of b.
std::vector<AspectFound> chartAspects(const PointArray<PointMotion>& points, AspectSet set,
                                      const OrbTable& orbs);

} // namespace orbenza
