#include "predictive/Transits.h"

#include "ephemeris/Ephemeris.h"
#include "predictive/MotionTrack.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <tuple>

namespace orbenza {

namespace {

constexpr std::array<Aspect, 5> kMajorAspects{Aspect::Conjunction, Aspect::Opposition,
                                              Aspect::Trine, Aspect::Square, Aspect::Sextile};

// One longitude a transiting body aspects a natal point from: the point plus
// or minus the aspect's angle (the conjunction and the opposition have one).
struct AspectTarget {
    Body natal = Body::Sun;
    Aspect aspect = Aspect::Conjunction;
    double longitudeDeg = 0;
    int side = 0; // 0 ahead of the point, 1 behind it
};

std::vector<AspectTarget> aspectTargets(const NatalPoints& natal) {
    std::vector<AspectTarget> targets;
    for (Body point : kAspectPoints) {
        for (Aspect aspect : kMajorAspects) {
            const double angle = aspectKind(aspect).angleDeg;
            const double base = natal.longitudesDeg[point];
            targets.push_back({point, aspect, reduceLongitudeDeg(base + angle), 0});
            if (angle > 0 && angle < 180)
                targets.push_back({point, aspect, reduceLongitudeDeg(base - angle), 1});
        }
    }
    return targets;
}

// One stay in orb of a body about one aspect's longitude: its edges and the
// exact passes it holds.
struct OrbStay {
    std::optional<double> entersJulianDayUt;
    std::optional<double> leavesJulianDayUt;
    std::vector<double> passesJulianDayUt;
};

// The stay in orb around an exact moment. The passes are searched between
// the edges, or as far as the search for an edge went when it found none.
OrbStay stayAround(const MotionTrack& track, double targetDeg, double orbDeg, double exactJd) {
    OrbStay stay;
    const OrbEdge before = track.orbEdge(targetDeg, orbDeg, exactJd, -1);
    const OrbEdge after = track.orbEdge(targetDeg, orbDeg, exactJd, +1);
    stay.entersJulianDayUt = before.julianDayUt;
    stay.leavesJulianDayUt = after.julianDayUt;
    stay.passesJulianDayUt = track.crossings(
        track.stretches(before.searchedToJulianDayUt, after.searchedToJulianDayUt), targetDeg);
    // The pass the stay was found from is always one of them, even when the
    // search above met it at its very edge.
    const auto near = std::find_if(stay.passesJulianDayUt.begin(), stay.passesJulianDayUt.end(),
                                   [&](double jd) { return std::abs(jd - exactJd) < 1e-4; });
    if (near == stay.passesJulianDayUt.end()) {
        stay.passesJulianDayUt.push_back(exactJd);
        std::sort(stay.passesJulianDayUt.begin(), stay.passesJulianDayUt.end());
    }
    return stay;
}

// The events of one transiting body over the span, every aspect target at once.
void addEventsOf(Body body, const std::vector<AspectTarget>& targets, double fromJd, double toJd,
                 const OrbTable& orbs, std::vector<TransitEvent>& events) {
    const MotionTrack track(body);
    const std::vector<MotionStretch> stretches = track.stretches(fromJd, toJd);
    for (const AspectTarget& target : targets) {
        const std::vector<double> exacts = track.crossings(stretches, target.longitudeDeg);
        const double orbDeg = allowedOrbDeg(orbs, target.aspect, body, target.natal);
        std::vector<OrbStay> stays;
        for (double exactJd : exacts) {
            auto stay = std::find_if(stays.begin(), stays.end(), [&](const OrbStay& known) {
                return std::any_of(known.passesJulianDayUt.begin(), known.passesJulianDayUt.end(),
                                   [&](double jd) { return std::abs(jd - exactJd) < 1e-4; });
            });
            if (stay == stays.end()) {
                stays.push_back(stayAround(track, target.longitudeDeg, orbDeg, exactJd));
                stay = stays.end() - 1;
            }
            const auto& passes = stay->passesJulianDayUt;
            const auto nearest =
                std::min_element(passes.begin(), passes.end(), [&](double x, double y) {
                    return std::abs(x - exactJd) < std::abs(y - exactJd);
                });
            TransitEvent event;
            event.transiting = body;
            event.natal = target.natal;
            event.aspect = target.aspect;
            event.exactJulianDayUt = exactJd;
            event.retrograde = track.at(exactJd).speedDegPerDay < 0;
            event.pass = static_cast<int>(nearest - passes.begin()) + 1;
            event.passCount = static_cast<int>(passes.size());
            event.entersJulianDayUt = stay->entersJulianDayUt;
            event.leavesJulianDayUt = stay->leavesJulianDayUt;
            events.push_back(event);
        }
    }
}

} // namespace

std::vector<Body> transitingBodies(bool withMoon) {
    std::vector<Body> bodies;
    bodies.push_back(Body::Sun);
    if (withMoon)
        bodies.push_back(Body::Moon);
    for (Body body : {Body::Mercury, Body::Venus, Body::Mars, Body::Jupiter, Body::Saturn,
                      Body::Uranus, Body::Neptune, Body::Pluto, Body::Chiron, Body::TrueNode})
        bodies.push_back(body);
    return bodies;
}

NatalPoints natalPointsOf(const ChartResult& natal) {
    NatalPoints points;
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet)
        points.longitudesDeg[bodyAt(planet)] = natal.longitudesDeg[bodyAt(planet)];
    points.longitudesDeg[Body::Ascendant] = natal.longitudesDeg[Body::Ascendant];
    points.longitudesDeg[Body::Midheaven] = natal.angles.mcDeg;
    return points;
}

std::vector<TransitEvent> findTransits(const NatalPoints& natal, double fromJulianDayUt,
                                       double toJulianDayUt, const TransitOptions& options) {
    std::vector<TransitEvent> events;
    if (!(toJulianDayUt > fromJulianDayUt))
        return events;
    const std::vector<AspectTarget> targets = aspectTargets(natal);
    for (Body body : transitingBodies(options.withMoon))
        addEventsOf(body, targets, fromJulianDayUt, toJulianDayUt, options.orbs, events);
    std::sort(events.begin(), events.end(), [](const TransitEvent& x, const TransitEvent& y) {
        return std::make_tuple(x.exactJulianDayUt, indexOf(x.transiting), indexOf(x.natal),
                               static_cast<int>(x.aspect)) <
               std::make_tuple(y.exactJulianDayUt, indexOf(y.transiting), indexOf(y.natal),
                               static_cast<int>(y.aspect));
    });
    return events;
}

PointArray<PointMotion> transitPositionsAt(double julianDayUt, bool withMoon) {
    PointArray<PointMotion> positions;
    for (Body body : transitingBodies(withMoon)) {
        const SeriesPoint point = apparentLongitude(*seriesOf(body), julianDayUt);
        positions[body] = {point.valueDeg, point.speedDegPerDay};
    }
    return positions;
}

} // namespace orbenza
