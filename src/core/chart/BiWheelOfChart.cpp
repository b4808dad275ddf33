#include "chart/BiWheelOfChart.h"

#include "chart/WheelOfChart.h"
#include "ephemeris/Ephemeris.h"

namespace orbenza {

std::vector<BiWheelPoint> transitPointsAt(double julianDayUt) {
    // The backing array lives as long as the list.
    const std::initializer_list<Body> transiting{
        Body::Sun,    Body::Moon,   Body::Mercury, Body::Venus,  Body::Mars,   Body::Jupiter,
        Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto, Body::Chiron, Body::TrueNode};
    const EphemerisPositions sky = ephemerisPoints(julianDayUt, transiting);
    std::vector<BiWheelPoint> points;
    for (const Body body : transiting)
        points.push_back({body, sky.longitudesDeg[body], sky.speedsDegPerDay[body] < 0.0});
    return points;
}

std::vector<BiWheelPoint> chartPointsOf(const ChartResult& chart) {
    std::vector<BiWheelPoint> points;
    for (std::size_t i = 0; i < kPlanetCount; ++i) {
        const Body body = bodyAt(i);
        points.push_back({body, chart.longitudesDeg[body], chart.retrograde[body]});
    }
    points.push_back({Body::Ascendant, chart.longitudesDeg[Body::Ascendant], false});
    points.push_back({Body::Midheaven, chart.angles.mcDeg, false});
    return points;
}

BiWheel biWheelOf(const ChartResult& inner, std::vector<BiWheelPoint> outer, std::string caption) {
    return buildBiWheel({wheelInputOf(inner, true), std::move(outer), std::move(caption)});
}

} // namespace orbenza
