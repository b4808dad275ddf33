#include "aspects/Aspects.h"

#include <algorithm>
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
    bool node;           // one of them is a lunar node
    std::uint8_t orbRow; // 2 * node + (one of them is the Sun or the Moon)
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
            if (aspectListed(Aspect::Conjunction, a, b)) {
                const bool node = isLunarNode(a) || isLunarNode(b);
                const bool luminary = isLuminary(a) || isLuminary(b);
                pairs[n++] = {a, b, node,
                              static_cast<std::uint8_t>((node ? 2 : 0) + (luminary ? 1 : 0))};
            }
        }
    return pairs;
}();

constexpr std::size_t kMajorAspectCount = [] {
    std::size_t count = 0;
    for (const AspectKind& kind : kAspectKinds)
        count += kind.major() ? 1 : 0;
    return count;
}();

// The candidates' angles and orbs laid out for a test of fixed length, one
// row of orbs for each kind of pair (ListedPair::orbRow); the slots beyond
// the candidates have an orb that never holds.
template <std::size_t N> struct OrbRows {
    std::array<double, N> angleDeg{};
    std::array<std::array<double, N>, 4> orbDeg{};
};

template <std::size_t N> OrbRows<N> orbRowsOf(const Candidates& any, const Candidates& withNode) {
    OrbRows<N> rows;
    for (auto& row : rows.orbDeg)
        row.fill(-1.0);
    for (std::size_t k = 0; k < any.count && k < N; ++k) {
        rows.angleDeg[k] = any.items[k].angleDeg;
        rows.orbDeg[0][k] = any.items[k].orbDeg;
        rows.orbDeg[1][k] = any.items[k].luminaryOrbDeg;
        rows.orbDeg[2][k] = withNode.items[k].orbDeg;
        rows.orbDeg[3][k] = withNode.items[k].luminaryOrbDeg;
    }
    return rows;
}

// The listed pairs within the orb of some candidate, by index into
// kListedPairs in order; returns their count. The same test closestAspect
// makes, over a fixed number of candidates and without a branch per pair.
template <std::size_t N>
std::size_t heldPairs(const PointArray<PointMotion>& points, const OrbRows<N>& rows,
                      std::array<std::uint8_t, kListedPairCount>& held) {
    std::size_t heldCount = 0;
    for (std::size_t p = 0; p < kListedPairCount; ++p) {
        const ListedPair& pair = kListedPairs[p];
        // |signedSeparationDeg|, bit for bit, without its branches: 360 - s
        // and |s - 360| are the same subtraction.
        const double s = std::fabs(points[pair.b].longitudeDeg - points[pair.a].longitudeDeg);
        const double separationDeg = std::min(s, 360.0 - s);
        const std::array<double, N>& orbDeg = rows.orbDeg[pair.orbRow];
        bool holds = false;
        for (std::size_t k = 0; k < N; ++k)
            holds |= std::fabs(separationDeg - rows.angleDeg[k]) <= orbDeg[k];
        held[heldCount] = static_cast<std::uint8_t>(p);
        heldCount += holds ? 1 : 0;
    }
    return heldCount;
}

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
    const std::size_t heldCount =
        set == AspectSet::Major
            ? heldPairs(points, orbRowsOf<kMajorAspectCount>(any, withNode), held)
            : heldPairs(points, orbRowsOf<kAspectCount>(any, withNode), held);
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
