#include "aspects/Aspects.h"

#include <gtest/gtest.h>
#include <random>

namespace orbenza {
namespace {

struct PairCase {
    const char* what;
    Body a;
    PointMotion pa;
    Body b;
    PointMotion pb;
    AspectSet set;
    std::optional<Aspect> aspect;
    double orbDeg;
    bool applying;
};

// Worked by hand: the separation, the aspect it falls in, the orb, and
// whether the two daily motions close the orb or open it.
TEST(AspectBetween, HandWorkedPairs) {
    using enum Body;
    const PairCase cases[] = {
        {"luminary trine, Moon pulling away",
         Sun,
         {0, 1},
         Moon,
         {128, 13},
         AspectSet::Major,
         Aspect::Trine,
         8,
         false},
        {"conjunction at the Sun's widened orb, across 0 Aries",
         Sun,
         {0, 1},
         Mercury,
         {350, -0.5},
         AspectSet::Major,
         Aspect::Conjunction,
         10,
         false},
        {"conjunction just past the plain orb",
         Mars,
         {0, 0.5},
         Jupiter,
         {10, 0.1},
         AspectSet::Major,
         std::nullopt,
         0,
         false},
        {"conjunction at the plain orb, faster body behind",
         Mars,
         {0, 0.5},
         Jupiter,
         {8, 0.1},
         AspectSet::Major,
         Aspect::Conjunction,
         8,
         true},
        {"exact semi-square is separating",
         Sun,
         {0, 1},
         Venus,
         {45, 1.2},
         AspectSet::All,
         Aspect::SemiSquare,
         0,
         false},
        {"semi-square is minor",
         Sun,
         {0, 1},
         Venus,
         {45, 1.2},
         AspectSet::Major,
         std::nullopt,
         0,
         false},
        {"square below its angle, widening",
         Moon,
         {128, 13},
         Venus,
         {45, 1.2},
         AspectSet::Major,
         Aspect::Square,
         7,
         true},
        {"sextile at the edge, retrograde body closing",
         Mercury,
         {350, -0.5},
         Venus,
         {45, 1.2},
         AspectSet::Major,
         Aspect::Sextile,
         5,
         true},
        {"no luminary bonus for a minor aspect",
         Sun,
         {0, 1},
         Mars,
         {153.5, 0.5},
         AspectSet::All,
         std::nullopt,
         0,
         false},
        {"quintile, slow bodies drawing apart",
         Saturn,
         {100, 0.03},
         Uranus,
         {171.5, 0.01},
         AspectSet::All,
         Aspect::Quintile,
         0.5,
         false},
        {"opposition just past its orb",
         Neptune,
         {355, 0.01},
         Pluto,
         {185, 0.02},
         AspectSet::Major,
         std::nullopt,
         0,
         false},
        {"opposition across 0 Aries",
         Neptune,
         {355, 0.01},
         Pluto,
         {176, 0.02},
         AspectSet::Major,
         Aspect::Opposition,
         1,
         false},
        {"the Ascendant turns into a square",
         Sun,
         {0, 1},
         Ascendant,
         {89, 361},
         AspectSet::Major,
         Aspect::Square,
         1,
         true},
    };
    const OrbTable orbs;
    for (const PairCase& c : cases) {
        SCOPED_TRACE(c.what);
        const auto found = aspectBetween(c.a, c.pa, c.b, c.pb, c.set, orbs);
        ASSERT_EQ(found.has_value(), c.aspect.has_value());
        if (!found)
            continue;
        EXPECT_EQ(found->aspect, *c.aspect);
        EXPECT_NEAR(found->orbDeg, c.orbDeg, 1e-9);
        EXPECT_EQ(found->applying, c.applying);
        EXPECT_EQ(found->a, c.a);
        EXPECT_EQ(found->b, c.b);
    }
}

TEST(AspectBetween, ChangedOrbsDecideAndTheCloserAspectWins) {
    OrbTable orbs;
    orbs[Aspect::Trine] = 1.0;
    // 8 degrees from a trine: inside 7 + 2 by default, outside 1 + 2.
    EXPECT_FALSE(aspectBetween(Body::Sun, {0, 1}, Body::Moon, {128, 13}, AspectSet::Major, orbs));
    EXPECT_TRUE(aspectBetween(Body::Sun, {0, 1}, Body::Moon, {122.5, 13}, AspectSet::Major, orbs));

    // 47 degrees: a semi-square 2 away and, with a wide sextile orb, a sextile
    // 13 away. The closer one is taken among the aspects listed.
    orbs[Aspect::Sextile] = 20.0;
    const auto all = aspectBetween(Body::Mars, {0, 0}, Body::Saturn, {47, 0}, AspectSet::All, orbs);
    ASSERT_TRUE(all);
    EXPECT_EQ(all->aspect, Aspect::SemiSquare);
    const auto major =
        aspectBetween(Body::Mars, {0, 0}, Body::Saturn, {47, 0}, AspectSet::Major, orbs);
    ASSERT_TRUE(major);
    EXPECT_EQ(major->aspect, Aspect::Sextile);
}

TEST(ChartAspects, EveryPairButAscendantAndMidheavenInChartOrder) {
    // Fifteen points on one degree: 105 pairs, less the Ascendant with the
    // Midheaven and the true node with the mean one.
    PointArray<PointMotion> points;
    for (Body body : kChartAspectPoints)
        points[body] = {200.0, 0.0};
    const auto aspects = chartAspects(points, AspectSet::Major, OrbTable{});
    ASSERT_EQ(aspects.size(), 103u);
    EXPECT_EQ(aspects.front().a, Body::Sun);
    EXPECT_EQ(aspects.front().b, Body::Moon);
    EXPECT_EQ(aspects.back().a, Body::Chiron);
    EXPECT_EQ(aspects.back().b, Body::MeanNode);
    for (std::size_t i = 1; i < aspects.size(); ++i) {
        const auto key = [&](std::size_t k) {
            return std::pair(indexOf(aspects[k].a), indexOf(aspects[k].b));
        };
        EXPECT_LT(key(i - 1), key(i));
        EXPECT_LT(indexOf(aspects[i].a), indexOf(aspects[i].b));
        EXPECT_FALSE(aspects[i].a == Body::Ascendant && aspects[i].b == Body::Midheaven);
        EXPECT_FALSE(isLunarNode(aspects[i].a) && isLunarNode(aspects[i].b));
    }
}

// The nodes take the conjunction and the opposition only; Chiron every aspect.
TEST(ChartAspects, TheNodesOnlyInConjunctionAndOpposition) {
    PointArray<PointMotion> points;
    // The others spread out; the Sun and its three partners placed by hand.
    for (std::size_t i = 0; i < kChartAspectPointCount; ++i)
        points[kChartAspectPoints[i]] = {100.0 + 11.0 * static_cast<double>(i) + 0.3, 0.0};
    points[Body::Sun] = {0.0, 1.0};
    points[Body::TrueNode] = {120.5, -0.05}; // a trine: not listed for a node
    points[Body::MeanNode] = {181.0, -0.05}; // an opposition, 1 degree wide
    points[Body::Chiron] = {239.0, 0.02};    // a trine, 1 degree wide
    const auto aspects = chartAspects(points, AspectSet::All, OrbTable{});
    const auto of = [&](Body a, Body b) -> std::optional<Aspect> {
        for (const AspectFound& found : aspects)
            if (found.a == a && found.b == b)
                return found.aspect;
        return std::nullopt;
    };
    EXPECT_EQ(of(Body::Sun, Body::TrueNode), std::nullopt);
    EXPECT_EQ(of(Body::Sun, Body::MeanNode), Aspect::Opposition);
    EXPECT_EQ(of(Body::Sun, Body::Chiron), Aspect::Trine);
    // Thirty degrees apart, a semi-sextile for any other pair; none for the two nodes.
    points[Body::TrueNode] = {211.0, 0.0};
    points[Body::MeanNode] = {241.0, 0.0};
    for (const AspectFound& found : chartAspects(points, AspectSet::All, OrbTable{}))
        EXPECT_FALSE(found.a == Body::TrueNode && found.b == Body::MeanNode);
}

// The whole chart's list is the pair-by-pair answer for every listed pair,
// in both sets, with longitudes on half degrees so that many pairs stand
// exactly on the edge of an orb (8, 10, 7, 9, 5 ...), across 0 degrees too.
TEST(ChartAspects, AgreesWithEachPairOnTheEdgesOfTheOrbs) {
    std::mt19937 random(17);
    std::uniform_int_distribution<int> halfDegrees(0, 719);
    for (int chart = 0; chart < 400; ++chart) {
        PointArray<PointMotion> points;
        for (Body body : kChartAspectPoints)
            points[body] = {0.5 * halfDegrees(random), 0.01 * (halfDegrees(random) - 360)};
        for (AspectSet set : {AspectSet::Major, AspectSet::All}) {
            std::vector<AspectFound> expected;
            for (std::size_t i = 0; i < kChartAspectPointCount; ++i)
                for (std::size_t j = i + 1; j < kChartAspectPointCount; ++j) {
                    const Body a = kChartAspectPoints[i], b = kChartAspectPoints[j];
                    if (!aspectListed(Aspect::Conjunction, a, b))
                        continue;
                    const auto found = aspectBetween(a, points[a], b, points[b], set, OrbTable{});
                    if (found && aspectListed(found->aspect, a, b))
                        expected.push_back(*found);
                }
            ASSERT_EQ(chartAspects(points, set, OrbTable{}), expected) << chart;
        }
    }
}

} // namespace
} // namespace orbenza
