// The Moon's longitude, the position text and the sign name.
#include "BirthFixtures.h"
#include "chart/TimeZones.h"
#include "moon/MoonPosition.h"

#include <gtest/gtest.h>

namespace orbenza {
namespace {

using testing::makeBirth;
using testing::Place;
UtCorrection zone(int position) {
    return testing::zoneAt(position);
}

constexpr double kLongitudeTolerance = 0.00005; // degrees: "to four places"

TEST(MoonCalculation, WorkedBirthsGiveTheirLongitudeTextAndSign) {
    struct Row {
        const char* source;
        BirthData birth;
        UtCorrection correction;
        double universalHours, birthJdn, longitude;
        const char* text;
        const char* sign;
    };
    const Row rows[] = {
        {"1 Jan 2000 12:00 UT, T = 0", makeBirth(2000, 1, 1, 12, 0, {0, 0, false}), zone(29), 12.0,
         2451545, 223.3161, "13\xC2\xB0 18' 57\" Sco", "Scorpio"},
        {"15 Aug 1985 14:30 IST, 77 13 E", makeBirth(1985, 8, 15, 14, 30, {77, 13, true}), zone(34),
         9.0, 2446293, 129.0496, "9\xC2\xB0 2' 58\" Leo", "Leo"},
    };
    for (const auto& row : rows) {
        const MoonResult moon = moonCalculation(row.birth, row.correction);
        EXPECT_EQ(moon.universalHours, row.universalHours) << row.source;
        EXPECT_EQ(moon.birthJdn, row.birthJdn) << row.source;
        EXPECT_NEAR(moon.moonLongitude, row.longitude, kLongitudeTolerance) << row.source;
        EXPECT_EQ(moon.moonPositionText, row.text) << row.source;
        EXPECT_EQ(moon.moonSignName, row.sign) << row.source;
    }
}

TEST(MoonCalculation, AgreesWithMeeusExample47a) {
    // Meeus, Astronomical Algorithms, example 47.a: 1992 April 12, 0h TD, the
    // full series gives the geometric longitude lambda = 133.162655 degrees
    // (before nutation). The cut-down series leaves out the smaller and the
    // additive terms; it stays within 0.02 degrees here.
    constexpr double kTruncationTolerance = 0.02;
    const double t = (2448724.5 - 2451545.0) / 36525.0;
    EXPECT_NEAR(moonLongitudeDeg(t), 133.162655, kTruncationTolerance);
}

TEST(MoonCalculation, UniversalTimeFollowsTheSignedZoneAndDaylightSaving) {
    struct Row {
        const char* what;
        BirthData birth;
        int zonePosition;
        double universalHours;
    };
    const Row rows[] = {
        {"00:30 at +5:30 East: 19:00 UT the day before",
         makeBirth(1980, 1, 1, 0, 30, {80, 18, true}), 34, -5.0},
        {"East, +1:00 with daylight saving: local - 2",
         makeBirth(1985, 7, 1, 12, 0, {13, 24, true}, true), 20, 10.0},
        {"West, -5:00 with daylight saving: local + 4",
         makeBirth(1985, 7, 1, 12, 0, {74, 0, false}, true), 27, 16.0},
        {"Greenwich, West, daylight saving: local - 1",
         makeBirth(1985, 7, 1, 12, 0, {2, 0, false}, true), 29, 11.0},
        // The zone's own sign decides, not the birth place's hemisphere.
        {"Madrid on CET: West of Greenwich, zone East of it",
         makeBirth(1985, 7, 1, 14, 30, {3, 42, false}), 20, 13.5},
        {"longitude 0 0 on IST", makeBirth(1985, 7, 1, 14, 30, {0, 0, true}), 34, 9.0},
    };
    for (const auto& row : rows) {
        const MoonResult moon = moonCalculation(row.birth, zone(row.zonePosition));
        EXPECT_DOUBLE_EQ(moon.universalHours, row.universalHours) << row.what;
    }
    // The day before: T of 19:00 UT on 31 December 1979.
    const MoonResult early = moonCalculation(rows[0].birth, zone(34));
    const double expectedT = ((2444238.5 - 2451545.0) + 19.0 / 24.0) / 36525.0;
    EXPECT_NEAR(early.centuriesT, expectedT, 1e-15);
}

TEST(FormatPosition, WritesDegreesMinutesSecondsAndSign) {
    struct Row {
        double longitude;
        const char* expected;
        const char* why;
    };
    const Row rows[] = {
        {44.131, "14\xC2\xB0 7' 51\" Tau", "seconds of 51.6 truncate to 51"},
        {0.0, "0\xC2\xB0 0' 0\" Ari", "the first point of Aries"},
        {29.9999, "29\xC2\xB0 59' 59\" Ari", "never degree 30"},
        {-44.131, "14\xC2\xB0 7' 51\" Tau", "a negative longitude uses its absolute value"},
        {359.99, "29\xC2\xB0 59' 24\" Pis", "the last degree of Pisces"},
        {360.0, "0\xC2\xB0 0' 0\" Ari", "360 is 0 Aries, never an empty sign"},
        {202.651796, "22\xC2\xB0 39' 6\" Lib", "the Ascendant of 15 June 1985"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(formatPosition(row.longitude), row.expected) << row.longitude << ": " << row.why;
}

TEST(MoonSign, ReadsTheLastThreeLettersOfTheTrimmedText) {
    EXPECT_EQ(signNameOfPositionText("29\xC2\xB0 59' 24\" Pis"), "Pisces");
    EXPECT_EQ(signNameOfPositionText("  1\xC2\xB0 0' 0\" Vir  "), "Virgo");
    EXPECT_EQ(signNameOfPositionText(formatPosition(360.0)), "Aries");
    EXPECT_EQ(signNameOfPositionText("1\xC2\xB0 0' 0\" "), "");
    EXPECT_EQ(signNameOfPositionText("xx"), "");
}

} // namespace
} // namespace orbenza
