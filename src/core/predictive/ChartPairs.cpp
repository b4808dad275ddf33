#include "predictive/ChartPairs.h"

#include "base/Angles.h"
#include "ephemeris/Ephemeris.h"
#include "predictive/Moments.h"
#include "predictive/MotionTrack.h"

#include <cmath>

namespace orbenza {

namespace {

// The Midheaven's daily motion from the Earth's turn: with the right
// ascension of the meridian R and the obliquity e, tan MC = tan R / cos e, so
// dMC/dR = cos e / (cos^2 R cos^2 e + sin^2 R).
double midheavenDegPerDay(double mcDeg, double obliquityDeg) {
    const double mc = mcDeg * kDegreesToRadians;
    const double e = obliquityDeg * kDegreesToRadians;
    const double ramc = std::atan2(std::sin(mc) * std::cos(e), std::cos(mc));
    const double c = std::cos(ramc) * std::cos(e);
    const double s = std::sin(ramc);
    return kSiderealDegPerDay * std::cos(e) / (c * c + s * s);
}

double midpointOf(double firstDeg, double secondDeg) {
    return shorterArcMidpointDeg(firstDeg, secondDeg);
}

} // namespace

double shorterArcMidpointDeg(double firstDeg, double secondDeg) {
    return reduceLongitudeDeg(firstDeg + 0.5 * longitudeDifferenceDeg(secondDeg, firstDeg));
}

PointArray<PointMotion> aspectPointsOf(const ChartResult& chart) {
    PointArray<PointMotion> points;
    for (Body body : kAllBodies)
        points[body] = {chart.longitudesDeg[body], chart.speedsDegPerDay[body]};
    const double obliquityDeg =
        siderealFrame(julianDayOfMoment(chart.universalTime)).trueObliquityDeg;
    points[Body::Midheaven] = {chart.angles.mcDeg,
                               midheavenDegPerDay(chart.angles.mcDeg, obliquityDeg)};
    return points;
}

std::vector<AspectFound> crossAspects(const PointArray<PointMotion>& first,
                                      const PointArray<PointMotion>& second, AspectSet set,
                                      const OrbTable& orbs) {
    std::vector<AspectFound> aspects;
    for (Body a : kAspectPoints)
        for (Body b : kAspectPoints)
            if (auto found = aspectBetween(a, first[a], b, second[b], set, orbs))
                aspects.push_back(*found);
    return aspects;
}

std::vector<AspectFound> synastryAspects(const ChartResult& a, const ChartResult& b, AspectSet set,
                                         const OrbTable& orbs) {
    return crossAspects(aspectPointsOf(a), aspectPointsOf(b), set, orbs);
}

ChartResult compositeChart(const ChartResult& a, const ChartResult& b,
                           const ChartChoices& choices) {
    ChartValues values;
    const PointArray<PointMotion> first = aspectPointsOf(a);
    const PointArray<PointMotion> second = aspectPointsOf(b);
    for (Body body : kAspectPoints) {
        values.longitudesDeg[body] =
            midpointOf(first[body].longitudeDeg, second[body].longitudeDeg);
        values.speedsDegPerDay[body] =
            0.5 * (first[body].speedDegPerDay + second[body].speedDegPerDay);
    }
    for (Body body : {Body::Chiron, Body::TrueNode, Body::MeanNode, Body::Lilith})
        values.longitudesDeg[body] =
            midpointOf(a.pointLongitudesDeg[body], b.pointLongitudesDeg[body]);

    HouseCusps& cusps = values.cusps;
    cusps.system = a.houseSystem;
    cusps.note = a.houseNote != HouseNote::None ? a.houseNote : b.houseNote;
    for (std::size_t k = 0; k < 12; ++k)
        cusps.cuspsDeg[k] = midpointOf(a.cuspsDeg[k], b.cuspsDeg[k]);
    cusps.angles.ascDeg = values.longitudesDeg[Body::Ascendant];
    cusps.angles.mcDeg = values.longitudesDeg[Body::Midheaven];
    cusps.angles.dscDeg = reduceLongitudeDeg(cusps.angles.ascDeg + 180.0);
    cusps.angles.icDeg = reduceLongitudeDeg(cusps.angles.mcDeg + 180.0);
    cusps.angles.vertexDeg = midpointOf(a.angles.vertexDeg, b.angles.vertexDeg);

    const double middleJd =
        0.5 * (julianDayOfMoment(a.universalTime) + julianDayOfMoment(b.universalTime));
    values.universalTime = momentOfJulianDay(middleJd);

    BirthData birth = a.birth;
    birth.Name = a.birth.Name + " & " + b.birth.Name;
    ChartChoices drawn = choices;
    drawn.houseSystem = a.houseSystemAsked;
    ChartResult composite = chartOfValues(birth, a.correction, values, drawn);
    composite.input = a.input;
    composite.input.name = birth.Name;
    return composite;
}

} // namespace orbenza
