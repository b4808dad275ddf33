// Planet longitudes from the mean elements, Kepler's equation, and the short
// position texts.
#include "moon/MoonPosition.h"
#include "moon/TimeBase.h"
#include "positions/PlanetLongitudes.h"
#include "positions/PlanetRun.h"
#include "positions/TimeScales.h"
#include "present/PositionText.h"

#include <cmath>
#include <gtest/gtest.h>
#include <random>

namespace orbenza {
namespace {

constexpr double kSixDecimals = 0.000002; // degrees
constexpr const char* kBodyNames[] = {"Mercury", "Venus",  "Sun",     "Mars", "Jupiter",
                                      "Saturn",  "Uranus", "Neptune", "Pluto"};

TEST(PlanetLongitude, AtJ2000TheElementTableGivesTheseLongitudes) {
    // At d = 0 the precession is zero, so these are the element table's own
    // J2000 geocentric longitudes.
    const double expected[kElementBodyCount] = {271.906024, 241.578068, 280.379632,
                                                327.982802, 25.361134,  40.214662,
                                                314.790105, 303.191603, 251.454279};
    for (int body = 0; body < kElementBodyCount; ++body) {
        EXPECT_NEAR(planetLongitude(body, 0.0), expected[body], kSixDecimals)
            << kBodyNames[body] << " at d = 0";
    }
}

TEST(PlanetLongitude, ReferredToTheEquinoxOfDate) {
    // 15 June 1985 09:00 UT, d = -5313.125: the J2000 longitudes less the
    // general precession of 12.1915 arcminutes back to 1985.
    const double d = -5313.125;
    const double j2000[kElementBodyCount] = {93.799865,  38.690206,  84.414584,
                                             94.169882,  317.042280, 232.896081,
                                             255.819321, 272.664812, 212.315123};
    constexpr double kPrecessionDeg = 12.1915 / 60.0;
    EXPECT_NEAR(generalPrecessionDeg(d), -kPrecessionDeg, 0.000005);
    for (int body = 0; body < kElementBodyCount; ++body) {
        EXPECT_NEAR(planetLongitude(body, d), j2000[body] - kPrecessionDeg, 0.00001)
            << kBodyNames[body] << " at d = " << d;
    }
    EXPECT_NEAR(planetLongitude(kSunEarth, d), 84.211391, kSixDecimals);
    EXPECT_NEAR(planetLongitude(kMercury, d), 93.596673, kSixDecimals);
    EXPECT_NEAR(planetLongitude(kPluto, d), 212.111931, kSixDecimals);
}

TEST(PlanetLongitude, SunAgreesWithMeeusExample25a) {
    // Meeus, Astronomical Algorithms, example 25.a: 1992 October 13.0 TD, the
    // Sun's true geometric longitude of date 199.90988 degrees. The two-body
    // model leaves out the Moon's and the planets' pull on the Earth; it stays
    // within 0.01 degrees. Without the precession it would miss by 0.1.
    constexpr double kModelTolerance = 0.01;
    const double d = dayNumber(1992, 10, 13, 0, 0);
    EXPECT_NEAR(planetLongitude(kSunEarth, d), 199.90988, kModelTolerance);
}

TEST(PlanetLongitude, A1901BirthIsAlmostADegreeAndAHalfOfPrecessionBack) {
    // 83 arcminutes of precession between 1901 and 2000.
    EXPECT_NEAR(generalPrecessionDeg(dayNumber(1901, 1, 1, 0, 0)) * 60.0, -83.0, 0.5);
}

TEST(PlanetLongitude, AllAtOnceGivesTheSameValuesBitForBit) {
    for (double d : {-36000.0, -5313.125, 0.0, 12345.678, 18500.0}) {
        const auto all = planetLongitudesDeg(d);
        for (int body = 0; body < kElementBodyCount; ++body)
            EXPECT_EQ(all[static_cast<std::size_t>(body)], planetLongitude(body, d))
                << kBodyNames[body] << " at d = " << d;
    }
}

TEST(NormalizeRadians, BringsIntoZeroToTwoPi) {
    EXPECT_NEAR(normalizeRadians(-0.5), kTwoPi - 0.5, 1e-15);
    EXPECT_EQ(normalizeRadians(kTwoPi), 0.0);
    EXPECT_NEAR(normalizeRadians(3 * kTwoPi + 1.0), 1.0, 1e-13);
    EXPECT_NEAR(normalizeRadians(-3 * kTwoPi - 1.0), kTwoPi - 1.0, 1e-13);
}

// The whole part is taken by a conversion to an integer: the same bits as by
// floor, whole turns and both signs included.
TEST(NormalizeRadians, GivesTheBitsOfTheFloorForm) {
    const auto byFloor = [](double x) {
        const double q = x / kTwoPi;
        const double w = (q >= 0.0) ? std::floor(q) : std::floor(q) + 1.0;
        double r = (q - w) * kTwoPi;
        if (r < 0.0)
            r += kTwoPi;
        return r;
    };
    std::mt19937_64 random(8);
    std::uniform_real_distribution<double> spread(-20000.0, 20000.0);
    for (int i = 0; i < 100000; ++i) {
        const double x = spread(random);
        ASSERT_EQ(normalizeRadians(x), byFloor(x)) << x;
    }
    for (int k = -3000; k <= 3000; ++k) {
        const double x = kTwoPi * k;
        for (const double y : {x, std::nextafter(x, -1e9), std::nextafter(x, 1e9)})
            ASSERT_EQ(normalizeRadians(y), byFloor(y)) << y;
    }
    EXPECT_EQ(normalizeRadians(1e300), byFloor(1e300));
}

TEST(TrueAnomaly, KeplerResidualBelowToleranceForEveryTableEccentricity) {
    // Every element set's eccentricity, at the ends of the years the program
    // admits; mean anomalies round the whole circle.
    const double days[] = {dayNumber(1901, 1, 1, 0, 0), 0.0, dayNumber(2050, 12, 31, 0, 0)};
    for (int body = 0; body < kElementBodyCount; ++body) {
        for (double d : days) {
            const double e = orbitalElements(body, d).orbitEccentricity;
            for (int step = 0; step < 720; ++step) {
                const double m = step * kTwoPi / 720.0;
                const double eAnomaly = eccentricAnomaly(m, e);
                const double residual = eAnomaly - e * std::sin(eAnomaly) - m;
                ASSERT_LT(std::fabs(residual), 1e-11)
                    << kBodyNames[body] << " e = " << e << " M = " << m;
            }
        }
    }
}

TEST(TrueAnomaly, FixedPointsOfTheOrbit) {
    for (int body = 0; body < kElementBodyCount; ++body) {
        const double e = orbitalElements(body, 0.0).orbitEccentricity;
        EXPECT_EQ(trueAnomaly(0.0, e), 0.0) << kBodyNames[body];
        EXPECT_NEAR(trueAnomaly(kPi, e), kPi, 1e-9) << kBodyNames[body];
    }
}

TEST(OrbitalElements, IndexOutsideTheTableSetsNothing) {
    const OrbitalElementSet none = orbitalElements(9, 0.0);
    EXPECT_EQ(none.orbitAxis, 0.0);
    EXPECT_EQ(orbitalElements(-1, 0.0).orbitEccentricity, 0.0);
    EXPECT_NEAR(orbitalElements(kMars, 0.0).orbitAxis, 1.52366231, 1e-12);
}

TEST(PlanetCalculation, SlotsAtJ2000) {
    BirthData b;
    b.birthYear = 2000;
    b.birthMonth = 1;
    b.birthDay = 1;
    b.birthHour = 12;
    const PlanetRunResult run = planetCalculation(birthMomentOf(b, {}));
    // Sun, Mercury ... Pluto in chart order.
    const std::array<std::string, 9> expected{"10 Cap 22", "01 Cap 54", "01 Sag 34",
                                              "27 Aqu 58", "25 Ari 21", "10 Tau 12",
                                              "14 Aqu 47", "03 Aqu 11", "11 Sag 27"};
    EXPECT_EQ(run.daysJ2000, 0.0);
    std::size_t slot = 0;
    for (Body body : kAllBodies) {
        if (body == Body::Moon || body == Body::Ascendant)
            continue;
        const double longitude = run.longitudesDeg[static_cast<std::size_t>(elementIndexOf(body))];
        EXPECT_EQ(shortPositionText(longitude), expected[slot++]) << bodyName(body);
    }
}

} // namespace
} // namespace orbenza
