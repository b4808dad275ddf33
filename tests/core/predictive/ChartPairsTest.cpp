#include "predictive/ChartPairs.h"

#include "Delhi1985.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

TEST(ChartPairsTest, MidpointTakesTheShorterArcAcrossAries) {
    EXPECT_DOUBLE_EQ(shorterArcMidpointDeg(350.0, 10.0), 0.0);
    EXPECT_DOUBLE_EQ(shorterArcMidpointDeg(10.0, 350.0), 0.0);
    EXPECT_DOUBLE_EQ(shorterArcMidpointDeg(340.0, 350.0), 345.0);
    EXPECT_DOUBLE_EQ(shorterArcMidpointDeg(100.0, 300.0), 20.0);
    // Exactly opposite: the one a quarter turn ahead of the first.
    EXPECT_DOUBLE_EQ(shorterArcMidpointDeg(0.0, 180.0), 90.0);
    EXPECT_DOUBLE_EQ(shorterArcMidpointDeg(180.0, 0.0), 270.0);
}

ChartResult secondChart() {
    BirthInput input = delhi1985Input();
    input.name = "BEN";
    input.local = {1990, 12, 2, 6, 5, 0};
    input.latitude = {51, 30, NorthSouth::North};
    input.longitude = {0, 7, EastWest::West};
    input.zonePosition = 29;
    return runChart(input);
}

TEST(ChartPairsTest, SynastryListsAToBPairsBothWaysWithinTheirOrbs) {
    const ChartResult a = runChart(delhi1985Input());
    const ChartResult b = secondChart();
    const auto ab = synastryAspects(a, b, AspectSet::Major, OrbTable{});
    const auto ba = synastryAspects(b, a, AspectSet::Major, OrbTable{});
    ASSERT_FALSE(ab.empty());
    // The same pairs seen from the other side.
    ASSERT_EQ(ab.size(), ba.size());
    for (const AspectFound& found : ab)
        EXPECT_TRUE(std::any_of(ba.begin(), ba.end(), [&](const AspectFound& other) {
            return other.a == found.b && other.b == found.a && other.aspect == found.aspect;
        }));
    // A chart against itself: every point conjunct its own place.
    const auto self = synastryAspects(a, a, AspectSet::Major, OrbTable{});
    for (Body body : kAspectPoints)
        EXPECT_TRUE(std::any_of(self.begin(), self.end(), [&](const AspectFound& found) {
            return found.a == body && found.b == body && found.aspect == Aspect::Conjunction &&
                   found.orbDeg == 0;
        })) << bodyName(body);
}

TEST(ChartPairsTest, CompositeStandsAtTheMidpointsAndPlacesItsPlanetsInItsOwnCusps) {
    ChartChoices choices;
    choices.houseSystem = HouseSystem::Placidus;
    const ChartResult a = runChart(delhi1985Input(), choices);
    BirthInput second = delhi1985Input();
    second.local = {1990, 12, 2, 6, 5, 0};
    second.name = "BEN";
    const ChartResult b = runChart(second, choices);
    const ChartResult composite = compositeChart(a, b, choices);
    EXPECT_EQ(composite.birth.Name, "ANNA & BEN");
    for (Body body : kAllBodies)
        EXPECT_DOUBLE_EQ(composite.longitudesDeg[body],
                         shorterArcMidpointDeg(a.longitudesDeg[body], b.longitudesDeg[body]))
            << bodyName(body);
    EXPECT_DOUBLE_EQ(composite.angles.mcDeg, shorterArcMidpointDeg(a.angles.mcDeg, b.angles.mcDeg));
    EXPECT_EQ(composite.houseSystem, HouseSystem::Placidus);
    for (std::size_t k = 0; k < 12; ++k)
        EXPECT_DOUBLE_EQ(composite.cuspsDeg[k],
                         shorterArcMidpointDeg(a.cuspsDeg[k], b.cuspsDeg[k]));
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet)
        EXPECT_EQ(composite.houses[bodyAt(planet)],
                  houseOf(composite.cuspsDeg, composite.longitudesDeg[bodyAt(planet)]));
    // The texts are written from the composite's own longitudes.
    EXPECT_EQ(composite.MoonSignName, signName(composite.signs[Body::Moon]));
}

} // namespace
} // namespace orbenza
