#include "predictive/Progressions.h"

#include "Delhi1985.h"
#include "ephemeris/Ephemeris.h"
#include "predictive/Moments.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

constexpr double kArcsecond = 1.0 / 3600.0;

double offsetDeg(double aDeg, double bDeg) {
    const double d = std::fmod(std::fabs(aDeg - bDeg), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

TEST(ProgressionsTest, AtTheBirthMomentTheProgressedChartIsTheNatalOne) {
    BirthInput input = delhi1985Input();
    input.positions = Positions::Precise;
    ChartChoices choices;
    choices.houseSystem = HouseSystem::Koch;
    const ChartResult natal = runChart(input, choices);
    const ProgressedChart progressed =
        progressedChart(natal, julianDayOfMoment(natal.universalTime), choices);
    EXPECT_NEAR(progressed.solarArcDeg, 0.0, 1e-9);
    // The Midheaven taken back to the sidereal time gives the natal angles
    // and cusps again.
    EXPECT_LT(offsetDeg(progressed.chart.angles.ascDeg, natal.angles.ascDeg), kArcsecond);
    EXPECT_LT(offsetDeg(progressed.chart.angles.vertexDeg, natal.angles.vertexDeg), kArcsecond);
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_LT(offsetDeg(progressed.chart.cuspsDeg[k], natal.cuspsDeg[k]), kArcsecond) << k;
    EXPECT_EQ(progressed.chart.houses, natal.houses);
    EXPECT_EQ(progressed.chart.PlanetPositions, natal.PlanetPositions);
}

TEST(ProgressionsTest, ThirtyYearsOfAgeAreThirtyDaysAfterBirth) {
    const double birthJd = julianDayOfMoment({1985, 6, 15, 9, 0, 0});
    const double onJd = birthJd + 30 * kTropicalYearDays;
    EXPECT_NEAR(progressedJulianDayUt(birthJd, onJd) - birthJd, 30.0, 1e-9);
    EXPECT_DOUBLE_EQ(progressedJulianDayUt(birthJd, birthJd), birthJd);
}

TEST(ProgressionsTest, ProgressedPlanetsAreTheSeriesAndTheAnglesMoveByTheSolarArc) {
    BirthInput input = delhi1985Input();
    input.positions = Positions::Precise;
    const ChartResult natal = runChart(input);
    const double onJd = julianDayOfMoment({2025, 6, 15, 0, 0, 0});
    const ProgressedChart progressed = progressedChart(natal, onJd);
    const double pJd = progressed.progressedJulianDayUt;
    // Forty years less about eight hours of age: about forty days after birth.
    EXPECT_NEAR(pJd - julianDayOfMoment(natal.universalTime), 40.0, 0.01);
    EXPECT_EQ(progressed.chart.universalTime, momentOfJulianDay(pJd));

    for (Body body : {Body::Sun, Body::Moon, Body::Mercury, Body::Pluto})
        EXPECT_LT(offsetDeg(progressed.chart.longitudesDeg[body],
                            apparentLongitude(*seriesOf(body), pJd).valueDeg),
                  kArcsecond)
            << bodyName(body);

    // The Sun moves about a degree a day in June.
    EXPECT_NEAR(progressed.solarArcDeg, 38.3, 0.5);
    EXPECT_LT(offsetDeg(progressed.chart.angles.mcDeg, natal.angles.mcDeg + progressed.solarArcDeg),
              kArcsecond);
    EXPECT_EQ(progressed.chart.longitudesDeg[Body::Ascendant], progressed.chart.angles.ascDeg);

    // Progressed to natal: the progressed point first; every one within its orb.
    ASSERT_FALSE(progressed.toNatal.empty());
    for (const AspectFound& aspect : progressed.toNatal) {
        const double progressedDeg = aspect.a == Body::Midheaven
                                         ? progressed.chart.angles.mcDeg
                                         : progressed.chart.longitudesDeg[aspect.a];
        const double natalDeg =
            aspect.b == Body::Midheaven ? natal.angles.mcDeg : natal.longitudesDeg[aspect.b];
        EXPECT_NEAR(offsetDeg(progressedDeg, natalDeg), aspect.angleDeg, 1e-9);
        EXPECT_LE(aspect.orbDeg,
                  allowedOrbDeg(OrbTable{}, aspect.aspect, aspect.a, aspect.b) + 1e-9);
    }
}

} // namespace
} // namespace orbenza
