#include "aspects/Aspects.h"

#include <algorithm>
#include <array>
#include <cmath>

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

bool isLuminary(Body body) {
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

Candidates candidatesOf(AspectSet set, const OrbTable& orbs, bool conjunctionAndOpposition) {
    Candidates candidates;
    for (std::size_t i = 0; i < kAspectCount; ++i) {
        const AspectKind& kind = kAspectKinds[i];
        const Aspect aspect = aspectAt(i);
        if ((set == AspectSet::Major && !kind.major()) ||
            (conjunctionAndOpposition && aspect != Aspect::Conjunction &&
             aspect != Aspect::Opposition))
            continue;
        const double bonus = kind.major() ? kLuminaryOrbBonusDeg : 0.0;
        candidates.items[candidates.count++] = {aspect, kind.angleDeg, orbs.orbDeg[i],
                                                orbs.orbDeg[i] + bonus};
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

// Whether any candidate can hold at a separation from d up to d + 1 degrees,
// d = 0 ... 180: most pairs of a chart are in no aspect, and are passed over
// on this test alone.
std::array<bool, 181> possibleAt(const Candidates& candidates) {
    std::array<bool, 181> possible{};
    for (std::size_t i = 0; i < candidates.count; ++i) {
        const Candidate& c = candidates.items[i];
        const double widest = std::max(c.orbDeg, c.luminaryOrbDeg);
        const auto from = static_cast<std::size_t>(std::clamp(c.angleDeg - widest, 0.0, 180.0));
        const auto to = static_cast<std::size_t>(std::clamp(c.angleDeg + widest, 0.0, 180.0));
        for (std::size_t d = from; d <= to; ++d)
            possible[d] = true;
    }
    return possible;
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
    const std::array<bool, 181> anyPossible = possibleAt(any);
    const std::array<bool, 181> nodePossible = possibleAt(withNode);
    std::vector<AspectFound> aspects;
    aspects.reserve(32);
    for (std::size_t i = 0; i < kChartAspectPoints.size(); ++i) {
        const Body a = kChartAspectPoints[i];
        for (std::size_t j = i + 1; j < kChartAspectPoints.size(); ++j) {
            const Body b = kChartAspectPoints[j];
            // Every aspect of the list is barred from these pairs or from none.
            if (!aspectListed(Aspect::Conjunction, a, b))
                continue;
            const bool node = isLunarNode(a) || isLunarNode(b);
            const double separationDeg =
                std::fabs(signedSeparationDeg(points[a].longitudeDeg, points[b].longitudeDeg));
            const auto whole = static_cast<std::size_t>(std::min(separationDeg, 180.0));
            if (!(node ? nodePossible : anyPossible)[whole])
                continue;
            if (auto found = closestAspect(node ? withNode : any, a, points[a], b, points[b]))
                aspects.push_back(*found);
        }
    }
    return aspects;
}

} // namespace orbenza
