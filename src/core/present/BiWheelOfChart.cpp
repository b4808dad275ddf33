#include "present/BiWheelOfChart.h"

#include "present/WheelOfChart.h"

namespace orbenza {

std::vector<BiWheelPoint> skyPointsOf(const PointArray<PointMotion>& sky,
                                      const std::vector<Body>& bodies) {
    std::vector<BiWheelPoint> points;
    points.reserve(bodies.size());
    for (const Body body : bodies)
        points.push_back({body, sky[body].longitudeDeg, sky[body].speedDegPerDay < 0.0});
    return points;
}

std::vector<BiWheelPoint> chartPointsOf(const ChartResult& chart) {
    std::vector<BiWheelPoint> points;
    points.reserve(kPlanetCount + 2);
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
