#include "predictive/MotionTrack.h"

#include <cmath>

namespace orbenza {

namespace {

// How often a body is looked at: short enough that no two stations fall
// between two looks (Mercury's retrograde arc lasts three weeks, the true
// node's direct spells a few days) and that the Moon moves well under half
// a turn.
double stepDaysOf(Body body) {
    switch (body) {
    case Body::Moon:
    case Body::TrueNode:
        return 0.5;
    case Body::Mercury:
        return 1.0;
    case Body::Venus:
    case Body::Mars:
        return 2.0;
    default:
        return 5.0;
    }
}

// The end of the stay is wanted to the second.
constexpr double kEdgeToleranceDays = 0.5 / 86400.0;
// The exact moment is wanted well within a second: the Moon moves half an
// arcsecond in a second.
constexpr double kCrossingToleranceDays = 1e-3 / 86400.0;
constexpr double kStationToleranceDays = 1.0 / 86400.0;

} // namespace

double reduceLongitudeDeg(double x) {
    x -= 360.0 * std::floor(x / 360.0);
    return x >= 360.0 ? 0.0 : x;
}

double longitudeDifferenceDeg(double x, double y) {
    const double d = reduceLongitudeDeg(x - y);
    return d > 180.0 ? d - 360.0 : d;
}

MotionTrack::MotionTrack(Body body)
    : m_series(*seriesOf(body)), m_stepDays(stepDaysOf(body)),
      m_firstJulianDayUt(segmentAt(m_series, 0).startJulianDayUt) {
    const SeriesSegment last = segmentAt(m_series, segmentCount(m_series) - 1);
    m_lastJulianDayUt = last.startJulianDayUt + last.days;
}

SeriesPoint MotionTrack::at(double julianDayUt) const {
    return apparentLongitude(m_series, julianDayUt);
}

double MotionTrack::stationBetween(double earlierJd, double laterJd) const {
    const bool earlierForward = at(earlierJd).speedDegPerDay > 0;
    while (laterJd - earlierJd > kStationToleranceDays) {
        const double middle = 0.5 * (earlierJd + laterJd);
        if ((at(middle).speedDegPerDay > 0) == earlierForward)
            earlierJd = middle;
        else
            laterJd = middle;
    }
    return 0.5 * (earlierJd + laterJd);
}

std::vector<MotionStretch> MotionTrack::stretches(double fromJulianDayUt,
                                                  double toJulianDayUt) const {
    std::vector<MotionStretch> result;
    double startJd = fromJulianDayUt;
    SeriesPoint start = at(startJd);
    const auto steps = static_cast<long>(std::ceil((toJulianDayUt - fromJulianDayUt) / m_stepDays));
    for (long k = 1; k <= steps; ++k) {
        const double endJd =
            k == steps ? toJulianDayUt : fromJulianDayUt + static_cast<double>(k) * m_stepDays;
        const SeriesPoint end = at(endJd);
        const bool startForward = start.speedDegPerDay > 0;
        if (startForward != (end.speedDegPerDay > 0)) {
            const double stationJd = stationBetween(startJd, endJd);
            const SeriesPoint station = at(stationJd);
            result.push_back({startJd, stationJd, start.valueDeg, station.valueDeg, startForward});
            result.push_back({stationJd, endJd, station.valueDeg, end.valueDeg, !startForward});
        } else {
            result.push_back({startJd, endJd, start.valueDeg, end.valueDeg, startForward});
        }
        startJd = endJd;
        start = end;
    }
    return result;
}

// On a stretch the distance moved toward the target only grows, so the
// crossing is bracketed; Newton's steps on the series' own speed are taken
// while they stay inside the bracket, halvings otherwise.
double MotionTrack::crossingIn(const MotionStretch& stretch, double targetDeg) const {
    const double direction = stretch.forward ? 1.0 : -1.0;
    double low = stretch.startJulianDayUt;
    double high = stretch.endJulianDayUt;
    const double moved = direction * longitudeDifferenceDeg(stretch.endDeg, stretch.startDeg);
    const double toGo = reduceLongitudeDeg(direction * (targetDeg - stretch.startDeg));
    double t = low + (high - low) * (moved > 0 ? toGo / moved : 0.5);
    for (int iteration = 0; iteration < 100 && high - low > kCrossingToleranceDays; ++iteration) {
        const SeriesPoint point = at(t);
        const double ahead = direction * longitudeDifferenceDeg(point.valueDeg, targetDeg);
        if (ahead == 0)
            return t;
        if (ahead > 0)
            high = t;
        else
            low = t;
        const double rate = direction * point.speedDegPerDay;
        const double next = rate > 0 ? t - ahead / rate : low - 1.0;
        if (next > low && next < high) {
            if (std::abs(next - t) < kCrossingToleranceDays)
                return next;
            t = next;
        } else {
            t = 0.5 * (low + high);
        }
    }
    return t;
}

std::vector<double> MotionTrack::crossings(const std::vector<MotionStretch>& stretches,
                                           double targetDeg) const {
    std::vector<double> moments;
    for (const MotionStretch& stretch : stretches) {
        const double direction = stretch.forward ? 1.0 : -1.0;
        const double moved = direction * longitudeDifferenceDeg(stretch.endDeg, stretch.startDeg);
        const double toGo = reduceLongitudeDeg(direction * (targetDeg - stretch.startDeg));
        if (moved > 0 && toGo > 0 && toGo <= moved)
            moments.push_back(crossingIn(stretch, targetDeg));
    }
    return moments;
}

OrbEdge MotionTrack::orbEdge(double targetDeg, double orbDeg, double insideJulianDayUt,
                             int direction) const {
    const auto outside = [&](double jd) {
        return std::abs(longitudeDifferenceDeg(at(jd).valueDeg, targetDeg)) > orbDeg;
    };
    const double limit = direction < 0 ? m_firstJulianDayUt : m_lastJulianDayUt;
    double inside = insideJulianDayUt;
    for (;;) {
        double next = inside + direction * m_stepDays;
        if ((next - limit) * direction > 0)
            next = limit;
        if (outside(next))
            break;
        if (next == limit)
            return {std::nullopt, limit};
        inside = next;
    }
    double out = inside + direction * m_stepDays;
    if ((out - limit) * direction > 0)
        out = limit;
    while (std::abs(out - inside) > kEdgeToleranceDays) {
        const double middle = 0.5 * (inside + out);
        if (outside(middle))
            out = middle;
        else
            inside = middle;
    }
    const double edge = 0.5 * (inside + out);
    return {edge, edge};
}

} // namespace orbenza
