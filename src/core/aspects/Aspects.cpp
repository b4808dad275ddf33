#include "aspects/Aspects.h"

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

std::optional<AspectFound> aspectBetween(Body a, const PointMotion& pa, Body b,
                                         const PointMotion& pb, AspectSet set,
                                         const OrbTable& orbs) {
    const double signedDeg = signedSeparationDeg(pa.longitudeDeg, pb.longitudeDeg);
    const double separationDeg = std::fabs(signedDeg);
    const bool luminary = isLuminary(a) || isLuminary(b);
    std::optional<AspectFound> found;
    for (std::size_t i = 0; i < kAspectCount; ++i) {
        const AspectKind& kind = kAspectKinds[i];
        if (set == AspectSet::Major && !kind.major())
            continue;
        const double orbDeg = std::fabs(separationDeg - kind.angleDeg);
        const double allowedDeg =
            orbs.orbDeg[i] + (luminary && kind.major() ? kLuminaryOrbBonusDeg : 0.0);
        if (orbDeg > allowedDeg || (found && orbDeg >= found->orbDeg))
            continue;
        const Aspect aspect = aspectAt(i);
        found = AspectFound{a, b, aspect, separationDeg, orbDeg, false};
    }
    if (!found)
        return found;
    // The separation grows at (vb - va) when b is ahead of a, shrinks when it
    // is behind; the orb grows with it above the aspect's angle, shrinks below.
    const double separationRate =
        (signedDeg >= 0.0 ? 1.0 : -1.0) * (pb.speedDegPerDay - pa.speedDegPerDay);
    const double excessDeg = separationDeg - aspectKind(found->aspect).angleDeg;
    const double orbRate = excessDeg > 0.0 ? separationRate : -separationRate;
    found->applying = excessDeg != 0.0 && orbRate < 0.0;
    return found;
}

std::vector<AspectFound> chartAspects(const PointArray<PointMotion>& points, AspectSet set,
                                      const OrbTable& orbs) {
    std::vector<AspectFound> aspects;
    for (std::size_t i = 0; i < kAspectPoints.size(); ++i) {
        for (std::size_t j = i + 1; j < kAspectPoints.size(); ++j) {
            const Body a = kAspectPoints[i];
            const Body b = kAspectPoints[j];
            if (a == Body::Ascendant && b == Body::Midheaven)
                continue;
            if (auto found = aspectBetween(a, points[a], b, points[b], set, orbs))
                aspects.push_back(*found);
        }
    }
    return aspects;
}

} // namespace orbenza
