// The chart's houses, angles, speeds and aspects.
#include "BirthFixtures.h"
#include "Delhi1985.h"
#include "chart/ChartReport.h"
#include "chart/ChartRun.h"
#include "chart/ChartSpeeds.h"
#include "moon/MoonPosition.h"
#include "positions/PlanetLongitudes.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

using testing::makeBirth;
using testing::zoneAt;

TEST(ChartHouses, TheDefaultCuspsAreTheReportsWholeDegreesFromTheAscendant) {
    const ChartResult chart = computeChart(delhi1985Birth(), zoneAt(34), Positions::Classic);
    EXPECT_EQ(chart.houseSystem, HouseSystem::Equal);
    EXPECT_EQ(chart.houseNote, HouseNote::None);
    // The Ascendant "22 Lib 39": house 1 from 202 degrees, whole.
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_EQ(chart.cuspsDeg[k], std::fmod(202.0 + 30.0 * static_cast<double>(k), 360.0));
    EXPECT_NEAR(chart.angles.ascDeg, chart.longitudesDeg[Body::Ascendant], 1e-9);
}

TEST(ChartHouses, PlanetsAndTheReportFollowTheChosenSystem) {
    ChartChoices choices;
    choices.houseSystem = HouseSystem::WholeSign;
    const ChartResult chart =
        computeChart(delhi1985Birth(), zoneAt(34), Positions::Classic, choices);
    EXPECT_EQ(chart.houseSystem, HouseSystem::WholeSign);
    // Whole signs from Libra: the Sun in Gemini is in the ninth house, Saturn
    // in Scorpio in the second, Jupiter in Aquarius in the fifth.
    EXPECT_EQ(chart.houses[Body::Sun], 9);
    EXPECT_EQ(chart.houses[Body::Saturn], 2);
    EXPECT_EQ(chart.houses[Body::Jupiter], 5);
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
        const int house = chart.houses[bodyAt(planet)];
        EXPECT_EQ(chart.housePlacement.planetHouse[planet], house);
        EXPECT_TRUE(chart.housePlacement.houseOccupied[static_cast<std::size_t>(house)]);
    }
}

TEST(ChartHouses, BeyondThePolarCirclePlacidusIsPorphyryAndSaysWhy) {
    ChartChoices choices;
    choices.houseSystem = HouseSystem::Placidus;
    const BirthData tromso = makeBirth(1990, 1, 10, 12, 0, {18, 57, true, 69, 39});
    const ChartResult chart = computeChart(tromso, zoneAt(29), Positions::Classic, choices);
    EXPECT_EQ(chart.houseSystemAsked, HouseSystem::Placidus);
    EXPECT_EQ(chart.houseSystem, HouseSystem::Porphyry);
    EXPECT_EQ(chart.houseNote, HouseNote::PolarCircle);
}

// The precise chart's cusps use its apparent sidereal time and true
// obliquity: the first cusp is the precise Ascendant, not the mean one.
TEST(ChartHouses, PreciseCuspsStartAtThePreciseAscendant) {
    ChartChoices choices;
    choices.houseSystem = HouseSystem::Placidus;
    const ChartResult chart =
        computeChart(delhi1985Birth(), zoneAt(34), Positions::Precise, choices);
    EXPECT_NEAR(chart.cuspsDeg[0], chart.longitudesDeg[Body::Ascendant], 1e-9);
}

// An aspect marked applying has a smaller orb a minute later, a separating
// one a larger orb; this holds the speeds and the Ascendant's and Midheaven's
// motion to the positions themselves.
TEST(ChartAspects, ApplyingMeansTheOrbIsSmallerAMinuteLater) {
    ChartChoices choices;
    choices.aspectSet = AspectSet::All;
    int compared = 0;
    for (int year = 1905; year <= 2045; year += 14) {
        for (int hour : {3, 14}) {
            const BirthData birth = makeBirth(year, 1 + year % 12, 1 + year % 28, hour, 17,
                                              {77, 13, true, 28 + year % 20, 39});
            BirthData later = birth;
            later.birthMinute = static_cast<std::int16_t>(birth.birthMinute + 1);
            const ChartResult now = computeChart(birth, zoneAt(34), Positions::Classic, choices);
            const ChartResult next = computeChart(later, zoneAt(34), Positions::Classic, choices);
            for (const AspectFound& aspect : now.aspects) {
                for (const AspectFound& after : next.aspects) {
                    if (after.a != aspect.a || after.b != aspect.b || after.aspect != aspect.aspect)
                        continue;
                    ++compared;
                    EXPECT_EQ(aspect.applying, after.orbDeg < aspect.orbDeg)
                        << year << ' ' << hour << "h " << bodyName(aspect.a) << ' '
                        << aspectName(aspect.aspect) << ' ' << bodyName(aspect.b) << " orb "
                        << aspect.orbDeg << " -> " << after.orbDeg;
                }
            }
        }
    }
    EXPECT_GT(compared, 200);
}

// The speeds are derivatives of the longitudes the chart gives: checked
// against a central difference of those longitudes over a tenth of a day,
// stations and the Moon's fastest days included.
TEST(ChartSpeeds, AreTheRateOfTheBuiltInLongitudes) {
    const auto wrapped = [](double d) {
        return d > 180.0 ? d - 360.0 : d < -180.0 ? d + 360.0 : d;
    };
    constexpr double h = 0.05;
    for (double days = -36000.0; days < 18000.0; days += 997.3) {
        const BodyArray<double> speeds = classicSpeedsDegPerDay(days);
        const auto before = planetLongitudesDeg(days - h);
        const auto after = planetLongitudesDeg(days + h);
        for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
            const Body body = bodyAt(planet);
            const double expected =
                body == Body::Moon
                    ? wrapped(moonLongitudeDeg((days + h) / 36525.0) -
                              moonLongitudeDeg((days - h) / 36525.0)) /
                          (2 * h)
                    : wrapped(after[static_cast<std::size_t>(elementIndexOf(body))] -
                              before[static_cast<std::size_t>(elementIndexOf(body))]) /
                          (2 * h);
            EXPECT_NEAR(speeds[body], expected, 1e-3) << bodyName(body) << " at d = " << days;
        }
    }
}

// The report closes with a section for each major aspect the chart lists and
// none for a minor one; a chart run without aspects has the houses alone.
TEST(ChartHouses, TheReportInterpretsTheChartsMajorAspects) {
    ChartChoices all;
    all.aspectSet = AspectSet::All;
    const ChartResult chart = computeChart(delhi1985Birth(), zoneAt(34), Positions::Classic, all);
    std::size_t majors = 0, minors = 0;
    for (const AspectFound& found : chart.aspects)
        (aspectKind(found.aspect).major() ? majors : minors) += 1;
    ASSERT_GT(majors, 0u);
    ASSERT_GT(minors, 0u);
    const std::vector<ReportRun> houses = houseReport(chart.housePlacement);
    const std::vector<ReportRun> report = chartReport(chart);
    ASSERT_EQ(report.size(), houses.size() + 2 * majors); // a heading and a text each
    EXPECT_TRUE(std::equal(houses.begin(), houses.end(), report.begin()));
    const AspectFound& first =
        *std::find_if(chart.aspects.begin(), chart.aspects.end(),
                      [](const AspectFound& found) { return aspectKind(found.aspect).major(); });
    EXPECT_TRUE(report[houses.size()].heading);
    EXPECT_EQ(report[houses.size()].text.substr(0, bodyName(first.a).size()), bodyName(first.a));

    ChartChoices none;
    none.housesAndAspects = false;
    const ChartResult plain = computeChart(delhi1985Birth(), zoneAt(34), Positions::Classic, none);
    EXPECT_EQ(chartReport(plain), houses);
}

} // namespace
} // namespace orbenza
