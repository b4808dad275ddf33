#include "predictive/Progressions.h"

#include "base/Angles.h"
#include "ephemeris/Ephemeris.h"
#include "predictive/ChartPairs.h"
#include "predictive/Moments.h"
#include "predictive/MotionTrack.h"

#include <cmath>

namespace orbenza {

namespace {

// The right ascension of the meridian whose Midheaven is the longitude:
// tan R = tan MC cos e, in the Midheaven's quadrant.
double ramcOfMidheavenDeg(double mcDeg, double obliquityDeg) {
    const double mc = mcDeg * kDegreesToRadians;
    const double e = obliquityDeg * kDegreesToRadians;
    return reduceLongitudeDeg(std::atan2(std::sin(mc) * std::cos(e), std::cos(mc)) *
                              kRadiansToDegrees);
}

} // namespace

double progressedJulianDayUt(double birthJulianDayUt, double onJulianDayUt) {
    return birthJulianDayUt + (onJulianDayUt - birthJulianDayUt) / kTropicalYearDays;
}

ProgressedChart progressedChart(const ChartResult& natal, double onJulianDayUt,
                                const ChartChoices& choices) {
    ProgressedChart progressed;
    const double birthJd = julianDayOfMoment(natal.universalTime);
    const double progressedJd = progressedJulianDayUt(birthJd, onJulianDayUt);
    progressed.onJulianDayUt = onJulianDayUt;
    progressed.progressedJulianDayUt = progressedJd;

    const double latitudeDeg = latitudeDegOf(natal.birth);
    const EphemerisPositions sky =
        ephemerisPositions(progressedJd, latitudeDeg, -longitudeWestDegOf(natal.birth));
    const double natalSunDeg = apparentLongitude(SeriesId::Sun, birthJd).valueDeg;
    progressed.solarArcDeg = longitudeDifferenceDeg(sky.longitudesDeg[Body::Sun], natalSunDeg);

    const double mcDeg = reduceLongitudeDeg(natal.angles.mcDeg + progressed.solarArcDeg);
    const HouseFrame frame{ramcOfMidheavenDeg(mcDeg, sky.trueObliquityDeg), sky.trueObliquityDeg,
                           latitudeDeg};

    ChartValues values;
    values.longitudesDeg = sky.longitudesDeg;
    values.speedsDegPerDay = sky.speedsDegPerDay;
    values.cusps = houseCusps(choices.houseSystem, frame);
    values.longitudesDeg[Body::Ascendant] = values.cusps.angles.ascDeg;
    values.longitudesDeg[Body::Midheaven] = values.cusps.angles.mcDeg;
    // The angles move with the solar arc, about a degree a year: in the
    // progressed sky's days, at the Sun's pace instead of the Earth's turn.
    const AngleSpeeds turn = angleSpeeds(frame);
    const double arcShare = sky.speedsDegPerDay[Body::Sun] / kSiderealDegPerDay;
    values.speedsDegPerDay[Body::Ascendant] = turn.ascDegPerDay * arcShare;
    values.speedsDegPerDay[Body::Midheaven] = turn.mcDegPerDay * arcShare;
    values.universalTime = momentOfJulianDay(progressedJd);

    progressed.chart = chartOfValues(natal.birth, natal.correction, values, choices);
    progressed.chart.input = natal.input;
    // The progressed points move; the natal ones stand still.
    PointArray<PointMotion> moving = aspectPointsOf(progressed.chart);
    moving[Body::Midheaven].speedDegPerDay = values.speedsDegPerDay[Body::Midheaven];
    PointArray<PointMotion> fixed = aspectPointsOf(natal);
    for (PointMotion& point : fixed.values)
        point.speedDegPerDay = 0;
    progressed.toNatal = crossAspects(moving, fixed, choices.aspectSet, choices.orbs);
    return progressed;
}

} // namespace orbenza
