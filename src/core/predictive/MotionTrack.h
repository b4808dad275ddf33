// A body's apparent longitude followed through time on the precise series:
// cut at its stations into stretches of one-way motion, the moments it
// passes a longitude, and the edges of its stays within an orb of one.
#pragma once

#include "base/Body.h"
#include "ephemeris/Ephemeris.h"

#include <optional>
#include <vector>

namespace orbenza {

// x taken into 0 to below 360 degrees.
double reduceLongitudeDeg(double x);
// x - y taken into -180 to 180 degrees.
double longitudeDifferenceDeg(double x, double y);

// A span in which the body moves one way only, less than half a turn.
struct MotionStretch {
    double startJulianDayUt = 0;
    double endJulianDayUt = 0;
    double startDeg = 0;
    double endDeg = 0;
    bool forward = true;
};

// Where a stay in orb ends: the moment, none when the series end first, and
// how far the search went (the moment, or the end of the series).
struct OrbEdge {
    std::optional<double> julianDayUt;
    double searchedToJulianDayUt = 0;
};

class MotionTrack {
public:
    // Any point with a series: Sun ... Pluto, Chiron, the nodes, Lilith.
    explicit MotionTrack(Body body);

    SeriesPoint at(double julianDayUt) const;

    // The stretches from the first moment to the second. The body is looked
    // at every step (from a day's fraction for the Moon and the node to five
    // days for the slow planets), and a change in the sign of its speed
    // between two looks is taken to the station by bisection.
    std::vector<MotionStretch> stretches(double fromJulianDayUt, double toJulianDayUt) const;

    // The moments in the stretches at which the body stands at the
    // longitude, to within a millisecond, in time order; a moment at the
    // very start of the first stretch is not counted.
    std::vector<double> crossings(const std::vector<MotionStretch>& stretches,
                                  double targetDeg) const;

    // From a moment within the orb of a longitude, the first moment in the
    // direction given (-1 back, +1 forward) at which the body stands further
    // from it than the orb, to the second.
    OrbEdge orbEdge(double targetDeg, double orbDeg, double insideJulianDayUt, int direction) const;

private:
    double crossingIn(const MotionStretch& stretch, double targetDeg) const;
    double stationBetween(double earlierJd, double laterJd) const;

    SeriesId m_series;
    double m_stepDays;
    double m_firstJulianDayUt;
    double m_lastJulianDayUt;
};

} // namespace orbenza
