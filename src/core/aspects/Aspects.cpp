#include "aspects/Aspects.h"

#include <array>
#include <cmath>
#include <cstdint>

namespace orbenza {

namespace {

// b's longitude less a's, brought into -180 to 180 (longitudes 0 to 360).
double signedSeparationDeg(double aDeg, double bDeg) {
    double d = bDeg - aDeg;
    if (d > 180.0)
        d -= 360.0;
    else if (d < -180.0)
        d += 360.0;
    return d;
}

constexpr bool isLuminary(Body body) {
    return body == Body::Sun || body == Body::Moon;
}

} // namespace

double allowedOrbDeg(const OrbTable& orbs, Aspect aspect, Body a, Body b) {
    const double bonus =
        aspectKind(aspect).major() && (isLuminary(a) || isLuminary(b)) ? kLuminaryOrbBonusDeg : 0;
    return orbs[aspect] + bonus;
}

namespace {

// The aspects one pair of points may form, with their orbs worked out once
// for a whole chart: the plain orb and the orb with a luminary in the pair.
struct Candidate {
    Aspect aspect = Aspect::Conjunction;
    double angleDeg = 0;
    double orbDeg = 0;
    double luminaryOrbDeg = 0;
};
struct Candidates {
    std::array<Candidate, kAspectCount> items{};
    std::size_t count = 0;
};

// With conjunctionAndOpposition the other aspects stay in the list with an
// orb that never holds, so that every pair of a chart runs the same steps.
Candidates candidatesOf(AspectSet set, const OrbTable& orbs, bool conjunctionAndOpposition) {
    Candidates candidates;
    for (std::size_t i = 0; i < kAspectCount; ++i) {
        const AspectKind& kind = kAspectKinds[i];
        const Aspect aspect = aspectAt(i);
        if (set == AspectSet::Major && !kind.major())
            continue;
        const double bonus = kind.major() ? kLuminaryOrbBonusDeg : 0.0;
        const bool barred = conjunctionAndOpposition && aspect != Aspect::Conjunction &&
                            aspect != Aspect::Opposition;
        candidates.items[candidates.count++] = {aspect, kind.angleDeg,
                                                barred ? -1.0 : orbs.orbDeg[i],
                                                barred ? -1.0 : orbs.orbDeg[i] + bonus};
    }
    return candidates;
}

// The closest of the candidates within its orb, if any, and whether it is
// applying.
std::optional<AspectFound> closestAspect(const Candidates& candidates, Body a,
                                         const PointMotion& pa, Body b, const PointMotion& pb) {
    const double signedDeg = signedSeparationDeg(pa.longitudeDeg, pb.longitudeDeg);
    const double separationDeg = std::fabs(signedDeg);
    const bool luminary = isLuminary(a) || isLuminary(b);
    const Candidate* best = nullptr;
    double bestOrbDeg = 0;
    for (std::size_t i = 0; i < candidates.count; ++i) {
        const Candidate& c = candidates.items[i];
        const double orbDeg = std::fabs(separationDeg - c.angleDeg);
        if (orbDeg > (luminary ? c.luminaryOrbDeg : c.orbDeg) || (best && orbDeg >= bestOrbDeg))
            continue;
        best = &c;
        bestOrbDeg = orbDeg;
    }
    if (!best)
        return std::nullopt;
    // The separation grows at (vb - va) when b is ahead of a, shrinks when it
    // is behind; the orb grows with it above the aspect's angle, shrinks below.
    const double separationRate =
        (signedDeg >= 0.0 ? 1.0 : -1.0) * (pb.speedDegPerDay - pa.speedDegPerDay);
    const double excessDeg = separationDeg - best->angleDeg;
    const double orbRate = excessDeg > 0.0 ? separationRate : -separationRate;
    return AspectFound{
        a, b, best->aspect, separationDeg, bestOrbDeg, excessDeg != 0.0 && orbRate < 0.0};
}

// The pairs a chart lists, in chart order of a, then of b.
struct ListedPair {
    Body a, b;
    bool node;     // one of them is a lunar node
    bool luminary; // one of them is the Sun or the Moon
};

constexpr std::size_t kListedPairCount = [] {
    std::size_t count = 0;
    for (std::size_t i = 0; i < kChartAspectPointCount; ++i)
        for (std::size_t j = i + 1; j < kChartAspectPointCount; ++j)
            count +=
                aspectListed(Aspect::Conjunction, kChartAspectPoints[i], kChartAspectPoints[j]);
    return count;
}();

constexpr std::array<ListedPair, kListedPairCount> kListedPairs = [] {
    std::array<ListedPair, kListedPairCount> pairs{};
    std::size_t n = 0;
    for (std::size_t i = 0; i < kChartAspectPointCount; ++i)
        for (std::size_t j = i + 1; j < kChartAspectPointCount; ++j) {
            const Body a = kChartAspectPoints[i], b = kChartAspectPoints[j];
            if (aspectListed(Aspect::Conjunction, a, b))
                pairs[n++] = {a, b, isLunarNode(a) || isLunarNode(b),
                              isLuminary(a) || isLuminary(b)};
        }
    return pairs;
}();

} // namespace

std::optional<AspectFound> aspectBetween(Body a, const PointMotion& pa, Body b,
                                         const PointMotion& pb, AspectSet set,
                                         const OrbTable& orbs) {
    return closestAspect(candidatesOf(set, orbs, false), a, pa, b, pb);
}

std::vector<AspectFound> chartAspects(const PointArray<PointMotion>& points, AspectSet set,
                                      const OrbTable& orbs) {
    const Candidates any = candidatesOf(set, orbs, false);
    const Candidates withNode = candidatesOf(set, orbs, true);
    // First only whether each pair is in some aspect, without a branch on the
    // answer (most pairs are in none), then the aspect of those that are.
    std::array<std::uint8_t, kListedPairCount> held{};
    std::size_t heldCount = 0;
    for (std::size_t p = 0; p < kListedPairCount; ++p) {
        const ListedPair& pair = kListedPairs[p];
        const double separationDeg = std::fabs(
            signedSeparationDeg(points[pair.a].longitudeDeg, points[pair.b].longitudeDeg));
        const Candidates& candidates = pair.node ? withNode : any;
        bool holds = false;
        for (std::size_t k = 0; k < candidates.count; ++k) {
            const Candidate& c = candidates.items[k];
            holds |= std::fabs(separationDeg - c.angleDeg) <=
                     (pair.luminary ? c.luminaryOrbDeg : c.orbDeg);
        }
        held[heldCount] = static_cast<std::uint8_t>(p);
        heldCount += holds ? 1 : 0;
    }
    std::vector<AspectFound> aspects;
    aspects.reserve(heldCount);
    for (std::size_t h = 0; h < heldCount; ++h) {
        const ListedPair& pair = kListedPairs[held[h]];
        if (auto found = closestAspect(pair.node ? withNode : any, pair.a, points[pair.a], pair.b,
                                       points[pair.b]))
            aspects.push_back(*found);
    }
    return aspects;
}

} // namespace orbenza
