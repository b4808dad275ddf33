#include "predictive/Transits.h"

#include "Delhi1985.h"
#include "ephemeris/Ephemeris.h"
#include "predictive/Moments.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

constexpr double kArcsecond = 1.0 / 3600.0;
constexpr double kMinuteDays = 1.0 / 1440.0;

double separationDeg(double aDeg, double bDeg) {
    const double d = std::fmod(std::fabs(aDeg - bDeg), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

double longitudeAt(Body body, double jd) {
    return apparentLongitude(*seriesOf(body), jd).valueDeg;
}

double jdOf(int year, int month, int day, int hour = 0, int minute = 0) {
    return julianDayOfMoment({year, month, day, hour, minute, 0});
}

// A natal chart whose only point that matters is the Sun at 0 Aries: the
// transiting Sun's aspects to it are the equinoxes and solstices (and the
// sextiles and trines between them).
NatalPoints sunAtAries() {
    NatalPoints natal;
    for (Body body : kAspectPoints)
        natal.longitudesDeg[body] = 0;
    return natal;
}

std::vector<TransitEvent> sunToSun(const std::vector<TransitEvent>& events) {
    std::vector<TransitEvent> picked;
    std::copy_if(
        events.begin(), events.end(), std::back_inserter(picked),
        [](const TransitEvent& e) { return e.transiting == Body::Sun && e.natal == Body::Sun; });
    return picked;
}

// The moments of the seasons (UT, to the minute) from the U.S. Naval
// Observatory's table "Earth's Seasons and Apsides": each is the moment the
// Sun's apparent longitude is a multiple of 90 degrees.
struct Season {
    int year, month, day, hour, minute;
    Aspect aspect;
};

TEST(TransitsTest, SunAspectsToZeroAriesFallAtThePublishedSeasonsAcrossTheYearEnd) {
    const Season seasons[] = {
        {2021, 9, 22, 19, 21, Aspect::Opposition},  // September equinox 2021
        {2021, 12, 21, 15, 59, Aspect::Square},     // December solstice 2021
        {2022, 3, 20, 15, 33, Aspect::Conjunction}, // March equinox 2022
        {2022, 6, 21, 9, 14, Aspect::Square},       // June solstice 2022
    };
    const auto events = sunToSun(findTransits(sunAtAries(), jdOf(2021, 9, 1), jdOf(2022, 7, 1)));
    std::vector<TransitEvent> quarters;
    std::copy_if(events.begin(), events.end(), std::back_inserter(quarters),
                 [](const TransitEvent& e) {
                     return e.aspect != Aspect::Sextile && e.aspect != Aspect::Trine;
                 });
    ASSERT_EQ(quarters.size(), std::size(seasons));
    for (std::size_t i = 0; i < quarters.size(); ++i) {
        const Season& s = seasons[i];
        EXPECT_EQ(quarters[i].aspect, s.aspect) << i;
        EXPECT_NEAR(quarters[i].exactJulianDayUt, jdOf(s.year, s.month, s.day, s.hour, s.minute),
                    kMinuteDays)
            << i;
    }
    // Between them the trine at 240 degrees and the sextiles at 300 and 60.
    EXPECT_EQ(events.size() - quarters.size(), 3u);
}

TEST(TransitsTest, EveryExactMomentHoldsTheAspectWithinAnArcsecondAndFastBodiesMissItAMinuteAway) {
    const ChartResult natal = runChart(delhi1985Input());
    const NatalPoints points = natalPointsOf(natal);
    TransitOptions options;
    options.withMoon = true;
    const auto events = findTransits(points, jdOf(2024, 1, 1), jdOf(2025, 1, 1), options);
    ASSERT_GT(events.size(), 600u); // the Moon alone makes over 400
    for (const TransitEvent& event : events) {
        const double natalDeg = points.longitudesDeg[event.natal];
        const double angle = aspectKind(event.aspect).angleDeg;
        const double jd = event.exactJulianDayUt;
        EXPECT_NEAR(separationDeg(longitudeAt(event.transiting, jd), natalDeg), angle, kArcsecond)
            << bodyName(event.transiting) << " " << aspectName(event.aspect) << " "
            << bodyName(event.natal);
        const double speed = apparentLongitude(*seriesOf(event.transiting), jd).speedDegPerDay;
        if (std::fabs(speed) < 0.5)
            continue;
        for (double offset : {-kMinuteDays, kMinuteDays})
            EXPECT_GT(
                std::fabs(separationDeg(longitudeAt(event.transiting, jd + offset), natalDeg) -
                          angle),
                kArcsecond);
    }
    EXPECT_TRUE(std::is_sorted(events.begin(), events.end(), [](const auto& a, const auto& b) {
        return a.exactJulianDayUt < b.exactJulianDayUt;
    }));
    EXPECT_TRUE(std::none_of(events.begin(), events.end(), [](const TransitEvent& e) {
        return e.exactJulianDayUt < jdOf(2024, 1, 1) || e.exactJulianDayUt > jdOf(2025, 1, 1);
    }));
}

TEST(TransitsTest, MoonOnlyOnRequest) {
    const NatalPoints points = natalPointsOf(runChart(delhi1985Input()));
    const auto events = findTransits(points, jdOf(2024, 3, 1), jdOf(2024, 4, 1));
    EXPECT_TRUE(std::none_of(events.begin(), events.end(),
                             [](const TransitEvent& e) { return e.transiting == Body::Moon; }));
}

// Mercury turned retrograde on 29 May 2021 at 24°43' Gemini and direct on
// 22 June at 16°07' Gemini: a point at 20° Gemini is passed three times
// within one stay in orb.
TEST(TransitsTest, RetrogradeLoopPassesThreeTimesWithinOneStay) {
    NatalPoints natal = sunAtAries();
    natal.longitudesDeg[Body::Venus] = 80.0;
    const auto all = findTransits(natal, jdOf(2021, 4, 1), jdOf(2021, 8, 1));
    std::vector<TransitEvent> loop;
    std::copy_if(all.begin(), all.end(), std::back_inserter(loop), [](const TransitEvent& e) {
        return e.transiting == Body::Mercury && e.natal == Body::Venus &&
               e.aspect == Aspect::Conjunction;
    });
    ASSERT_EQ(loop.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(loop[static_cast<std::size_t>(i)].pass, i + 1);
        EXPECT_EQ(loop[static_cast<std::size_t>(i)].passCount, 3);
        EXPECT_EQ(loop[static_cast<std::size_t>(i)].retrograde, i == 1);
        EXPECT_EQ(loop[static_cast<std::size_t>(i)].entersJulianDayUt, loop[0].entersJulianDayUt);
        EXPECT_EQ(loop[static_cast<std::size_t>(i)].leavesJulianDayUt, loop[0].leavesJulianDayUt);
    }
    EXPECT_GT(loop[1].exactJulianDayUt, jdOf(2021, 5, 29));
    EXPECT_LT(loop[1].exactJulianDayUt, jdOf(2021, 6, 22));
    // At the edges of the stay Mercury stands the orb away, inside it within.
    const double orb = aspectKind(Aspect::Conjunction).defaultOrbDeg;
    ASSERT_TRUE(loop[0].entersJulianDayUt && loop[0].leavesJulianDayUt);
    for (double edge : {*loop[0].entersJulianDayUt, *loop[0].leavesJulianDayUt})
        EXPECT_NEAR(separationDeg(longitudeAt(Body::Mercury, edge), 80.0), orb, 2 * kArcsecond);
    EXPECT_LT(separationDeg(longitudeAt(Body::Mercury, jdOf(2021, 6, 10)), 80.0), orb);
}

TEST(TransitsTest, EmptyOrReversedSpanFindsNothing) {
    EXPECT_TRUE(findTransits(sunAtAries(), jdOf(2021, 1, 1), jdOf(2021, 1, 1)).empty());
    EXPECT_TRUE(findTransits(sunAtAries(), jdOf(2021, 2, 1), jdOf(2021, 1, 1)).empty());
}

TEST(MomentsTest, JulianDaysRoundToTheSecondAcrossMidnight) {
    // Meeus, Astronomical Algorithms, example 7.c: JD 2436116.31 is 1957
    // October 4.81 (19:26:24 UT).
    EXPECT_EQ(momentOfJulianDay(2436116.31), (CivilDateTime{1957, 10, 4, 19, 26, 24}));
    EXPECT_EQ(momentOfJulianDay(jdOf(2021, 12, 31) + 1.0 - 0.4 / 86400.0),
              (CivilDateTime{2022, 1, 1, 0, 0, 0}));
    const CivilDateTime leap{2024, 2, 29, 23, 59, 59};
    EXPECT_EQ(momentOfJulianDay(julianDayOfMoment(leap)), leap);
}

} // namespace
} // namespace orbenza
