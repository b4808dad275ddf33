#include "chart/AtlasTime.h"

#include "BirthFixtures.h"
#include "chart/ChartRun.h"
#include "positions/TimeScales.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

using testing::makeBirth;

std::string show(UtCorrection c) {
    return std::to_string(c.utCorrectionHours) + "h " + std::to_string(c.utCorrectionMinutes) +
           "m " + std::to_string(c.utCorrectionSeconds) + "s";
}

TEST(AtlasTime, CorrectionIsTheOffsetNegatedInOneSign) {
    struct Row {
        std::int32_t offset;
        UtCorrection expected;
    };
    const Row rows[] = {
        {1172, {0, -19, -32}},   // Amsterdam Mean Time, +0:19:32
        {-12600, {3, 30, 0}},    // Newfoundland, -3:30
        {45900, {-12, -45, 0}},  // Chatham, +12:45
        {20152, {-5, -35, -52}}, // Pokhara's local mean time, +5:35:52
        {-59, {0, 0, 59}},       {0, {0, 0, 0}},
    };
    for (const Row& row : rows)
        EXPECT_EQ(show(correctionOfOffset(row.offset)), show(row.expected)) << row.offset;
}

TEST(AtlasTime, ZoneRowWithTheDaylightSavingBoxOrAnEntryOfItsOwn) {
    struct Row {
        atlas::ZoneState state;
        int position;
        bool daylightSaving;
        UtCorrection correction;
    };
    const auto state = [](std::int32_t offset, const char* abbreviation, std::int32_t summer,
                          const char* standard) {
        atlas::ZoneState s;
        s.utOffsetSeconds = offset;
        s.abbreviation = abbreviation;
        s.summerTime = summer != 0;
        s.summerSeconds = summer;
        s.standardAbbreviation = standard;
        return s;
    };
    const Row rows[] = {
        // Madrid in summer: CET (row 20) with the box, not the first +1 row (BST).
        {state(7200, "CEST", 3600, "CET"), 20, true, {-1, 0, 0}},
        {state(-18000, "EST", 0, "EST"), 27, false, {5, 0, 0}},
        {state(-14400, "EDT", 3600, "EST"), 27, true, {5, 0, 0}},
        {state(19800, "IST", 0, "IST"), 34, false, {-5, -30, 0}},
        {state(0, "GMT", 0, "GMT"), 29, false, {0, 0, 0}},
        // No row names the abbreviation: the first row of the correction.
        {state(10800, "MSK", 0, "MSK"), 12, false, {-3, 0, 0}},
        // Double summer time, odd offsets and local mean time need an entry.
        {state(7200, "BDST", 7200, "GMT"), -1, false, {-2, 0, 0}},
        {state(1172, "AMT", 0, "AMT"), -1, false, {0, -19, -32}},
        {state(45900, "+1245", 0, "+1245"), -1, false, {-12, -45, 0}},
        {state(4772, "NST", 3600, "AMT"), -1, true, {0, -19, -32}},
    };
    for (const Row& row : rows) {
        const ZoneRowChoice choice = chooseZoneRow(row.state);
        EXPECT_EQ(choice.position, row.position) << row.state.abbreviation;
        EXPECT_EQ(choice.daylightSaving, row.daylightSaving) << row.state.abbreviation;
        EXPECT_EQ(show(choice.correction), show(row.correction)) << row.state.abbreviation;
    }
}

// One time base: a correction with seconds moves the universal time, the
// Moon, the Ascendant and the planets alike; the 71 rows keep seconds 0.
TEST(AtlasTime, SecondsOfTheCorrectionReachEveryComputation) {
    const BirthData birth = makeBirth(1930, 1, 1, 12, 0, {4, 54, true, 52, 22});
    const UtCorrection whole{0, -19, -32};
    const UtCorrection minutesOnly{0, -19, 0};
    const UniversalMoment ut = planetUniversalTime(birth, whole);
    EXPECT_EQ(ut.hour, 11);
    EXPECT_EQ(ut.minute, 40);
    EXPECT_EQ(ut.second, 28);
    EXPECT_NEAR(universalHoursOf(birth, whole), 11.0 + 40.0 / 60 + 28.0 / 3600, 1e-12);

    const ChartResult a = computeChart(birth, whole, Positions::Classic);
    const ChartResult b = computeChart(birth, minutesOnly, Positions::Classic);
    // 32 seconds earlier: the Moon about 13.2 degrees a day, the Sun about
    // 1 degree a day, the Ascendant about 15 degrees an hour of sidereal time.
    const double moon = b.longitudesDeg[Body::Moon] - a.longitudesDeg[Body::Moon];
    const double sun = b.longitudesDeg[Body::Sun] - a.longitudesDeg[Body::Sun];
    const double asc =
        std::remainder(b.longitudesDeg[Body::Ascendant] - a.longitudesDeg[Body::Ascendant], 360.0);
    EXPECT_NEAR(moon, 13.2 * 32 / 86400, 0.002);
    EXPECT_NEAR(sun, 1.02 * 32 / 86400, 0.0001);
    EXPECT_GT(asc, 0.05);
    EXPECT_LT(asc, 0.5);

    for (int position = 0; position < kTimeZoneCount; ++position)
        EXPECT_EQ(planetUniversalTime(birth, testing::zoneAt(position)).second, 0) << position;
}

} // namespace
} // namespace orbenza
