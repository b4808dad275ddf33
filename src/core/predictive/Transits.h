// Transits: every moment in a span of dates at which a moving body makes a
// major aspect to a point of a natal chart, to the second, with the moments
// the aspect comes into orb and leaves it.
//
// The positions are the precise series (ephemeris/Ephemeris.h): apparent
// longitudes of date. Each body's span is cut at its stations into stretches
// of one-way motion; on each stretch every aspect's longitude is passed at
// most once per turn, and is found by bracketing and bisection. A retrograde
// loop that passes an aspect three times gives three events.
#pragma once

#include "aspects/Aspects.h"
#include "base/Aspect.h"
#include "base/Body.h"
#include "chart/ChartRun.h"

#include <optional>
#include <vector>

namespace orbenza {

// The bodies that transit: the Sun, Mercury ... Pluto, Chiron and the true
// node, and the Moon first when asked for.
std::vector<Body> transitingBodies(bool withMoon);

// The natal points that are transited: Sun ... Pluto, Ascendant, Midheaven
// (kAspectPoints).
struct NatalPoints {
    PointArray<double> longitudesDeg; // only the kAspectPoints are read
};
NatalPoints natalPointsOf(const ChartResult& natal);

struct TransitOptions {
    bool withMoon = false;
    // The orbs of entry and exit; the Sun and the Moon add their bonus as in a chart.
    OrbTable orbs;
};

struct TransitEvent {
    Body transiting = Body::Sun;
    Body natal = Body::Sun;
    Aspect aspect = Aspect::Conjunction; // one of the five major aspects
    double exactJulianDayUt = 0;         // the separation equals the aspect's angle
    bool retrograde = false;             // the transiting body moves backward then
    // Which pass this is of the passes made during one stay in orb (1 ... 3,
    // more for the node), and how many that stay holds.
    int pass = 1;
    int passCount = 1;
    // The stay in orb around the exact moment: it begins when the separation
    // comes within the orb and ends when it leaves it. Empty when that lies
    // beyond the years the series cover.
    std::optional<double> entersJulianDayUt;
    std::optional<double> leavesJulianDayUt;
    friend bool operator==(const TransitEvent&, const TransitEvent&) = default;
};

// Every exact transit from the first moment up to the second (Julian Days,
// UT), in time order; simultaneous ones in chart order of the transiting
// body, then the natal point, then the aspect.
std::vector<TransitEvent> findTransits(const NatalPoints& natal, double fromJulianDayUt,
                                       double toJulianDayUt, const TransitOptions& options = {});

// The transiting bodies' longitudes and daily motions at a moment, for the
// outer ring of a bi-wheel; the other points are left 0.
PointArray<PointMotion> transitPositionsAt(double julianDayUt, bool withMoon);

} // namespace orbenza
