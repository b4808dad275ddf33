// Julian Day Numbers, the full-circle arc tangent, and the agreement of the
// two day counts the chart uses.
#include "moon/TimeBase.h"

#include "positions/TimeScales.h"

#include <chrono>
#include <gtest/gtest.h>
#include <random>

namespace orbenza {
namespace {

struct JulianDayRow {
    int month, day, year;
    double expectedJdn;
    const char* source;
};

TEST(JulianDay, CalendarDatesGiveTheirDayNumbers) {
    const JulianDayRow rows[] = {
        {1, 1, 2000, 2451545, "J2000.0 is JD 2451545.0 (Meeus, ch. 7)"},
        {12, 31, 1999, 2451544, "the day before J2000.0"},
        {2, 29, 2000, 2451604, "a Gregorian leap day, 2000 divisible by 400"},
        {3, 1, 1900, 2415080, "1900 is no Gregorian leap year"},
        {10, 16, 1582, 2299162, "the second day of the Gregorian calendar"},
        {10, 4, 1582, 2299160, "the last day of the Julian calendar"},
        {10, 15, 1582, 2299171, "15 Oct 1582: the correction applies only above 2299171"},
        {1, 27, 333, 1842713, "Meeus example 7.b, 333 Jan 27.5 = JD 1842713.0 (Julian)"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(julianDay(row.month, row.day, row.year), row.expectedJdn)
            << row.year << "-" << row.month << "-" << row.day << " (" << row.source << ")";
    }
}

TEST(JulianDay, AgreesWithDayNumberOverTheWholeExactRange) {
    // dayNumber counts every fourth year as leap and is exact from 1 March 1900
    // to 28 February 2100; julianDay is exact everywhere. At noon UT the two
    // must differ by exactly JD 2451545 on every day of that range.
    using namespace std::chrono;
    const sys_days first = year{1900} / March / 1;
    const sys_days last = year{2100} / February / 28;
    int checked = 0;
    for (sys_days day = first; day <= last; day += days{1}) {
        const year_month_day ymd{day};
        const int y = static_cast<int>(ymd.year());
        const int m = static_cast<int>(static_cast<unsigned>(ymd.month()));
        const int d = static_cast<int>(static_cast<unsigned>(ymd.day()));
        const double fromJulianDay = julianDay(m, d, y) - 2451545.0;
        const double fromDayNumber = dayNumber(y, m, d, 12, 0);
        ASSERT_EQ(fromJulianDay, fromDayNumber) << y << "-" << m << "-" << d;
        ++checked;
    }
    EXPECT_EQ(checked, 73049); // every day of 200 years
}

TEST(atan2Radians, CoversTheFullCircle) {
    constexpr double kTolerance = 1e-14; // radians
    struct Row {
        double y, x, expected;
    };
    const Row rows[] = {
        {1, 0, kPi / 2},      {-1, 0, -kPi / 2}, {0, 0, 0},
        {1, -1, 3 * kPi / 4}, {0, -1, kPi},      {-1, -1, -3 * kPi / 4},
        {1, 1, kPi / 4},      {-1, 1, -kPi / 4}, {0, 5, 0},
    };
    for (const auto& row : rows) {
        EXPECT_NEAR(atan2Radians(row.y, row.x), row.expected, kTolerance)
            << "atan2Radians(" << row.y << ", " << row.x << ")";
    }
}

TEST(atan2Radians, StoredPiIsUsed) {
    // The result for a negative x carries the stored pi, not std::numbers::pi.
    EXPECT_EQ(atan2Radians(0, -1), 3.14159265358979);
}

// TT - UT against the values observed (1900-2000: Meeus, Astronomical
// Algorithms, 2nd ed., table 10.A; 2010: IERS Bulletin A), and the moment
// that carries it.
TEST(DeltaT, FollowsTheObservedValues) {
    constexpr double kToleranceSeconds = 1.0;
    const struct {
        double year, observedSeconds;
    } rows[] = {{1900.0, -2.7}, {1920.0, 21.2}, {1940.0, 24.3}, {1950.0, 29.1}, {1960.0, 33.2},
                {1970.0, 40.2}, {1980.0, 50.5}, {1990.0, 56.9}, {2000.0, 63.8}, {2010.0, 66.1}};
    for (const auto& row : rows)
        EXPECT_NEAR(deltaTSeconds(row.year), row.observedSeconds, kToleranceSeconds) << row.year;

    BirthData birth;
    birth.birthYear = 2000;
    birth.birthMonth = 1;
    birth.birthDay = 1;
    birth.birthHour = 12;
    const BirthMoment moment = birthMomentOf(birth, UtCorrection{});
    EXPECT_DOUBLE_EQ(moment.julianDayUt, 2451545.0);
    EXPECT_NEAR((moment.julianDayTt - moment.julianDayUt) * 86400.0, 63.8, kToleranceSeconds);
}

// Skipping whole turns lands on the bits the one-turn-at-a-time loops give,
// from both sides, near exact multiples of a turn and for the sizes a
// chart's angles reach (the Moon's mean longitude, the sidereal time).
TEST(SkipWholeTurns, EndsWhereTurnByTurnLoopsEnd) {
    const auto stepped = [](double x) {
        while (x < 0.0)
            x += 360.0;
        while (x > 360.0)
            x -= 360.0;
        return x;
    };
    const auto skipped = [&](double x) { return stepped(skipWholeTurns(x, 360.0)); };
    // The sidereal time's loop, which keeps 0 but never 360.
    const auto steppedBelow = [](double x) {
        while (x >= 360.0)
            x -= 360.0;
        return x;
    };
    std::mt19937_64 random(3);
    std::uniform_real_distribution<double> spread(-600000.0, 600000.0);
    for (int i = 0; i < 20000; ++i) {
        const double x = spread(random);
        ASSERT_EQ(skipped(x), stepped(x)) << x;
        ASSERT_EQ(steppedBelow(skipWholeTurns(std::fabs(x), 360.0)), steppedBelow(std::fabs(x)))
            << x;
    }
    for (double k = -1700.0; k <= 1700.0; k += 7.0) {
        const double edge = 360.0 * k;
        for (const double x : {edge, std::nextafter(edge, -1e9), std::nextafter(edge, 1e9),
                               edge + 1e-9, edge - 1e-9}) {
            ASSERT_EQ(skipped(x), stepped(x)) << x;
            if (x > 0.0) {
                ASSERT_EQ(steppedBelow(skipWholeTurns(x, 360.0)), steppedBelow(x)) << x;
            }
        }
    }
    EXPECT_EQ(skipWholeTurns(359.5, 360.0), 359.5);
    EXPECT_EQ(skipWholeTurns(-100.0, 360.0), -100.0);
}

} // namespace
} // namespace orbenza
