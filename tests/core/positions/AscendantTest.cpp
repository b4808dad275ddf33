// The Ascendant, its two time bases and the universal calendar moment.
#include "positions/Ascendant.h"

#include "BirthFixtures.h"
#include "chart/TimeZones.h"
#include "positions/PlanetRun.h"
#include "positions/TimeScales.h"

#include <gtest/gtest.h>

namespace orbenza {
namespace {

using testing::makeBirth;
using testing::Place;
UtCorrection zone(int position) {
    return testing::zoneAt(position);
}

constexpr double kSixDecimals = 0.0000005; // degrees: "to six decimals"

TEST(AscendantCalculation, WorkedBirthsGiveTheirLongitudeAndText) {
    struct Row {
        const char* source;
        BirthData birth;
        int zonePosition;
        double longitude;
        const char* text;
    };
    const Row rows[] = {
        {"1 Jan 2000 12:00 UT at 0 N 0 W, T1900 = 1",
         makeBirth(2000, 1, 1, 12, 0, {0, 0, false, 0, 0, false}), 29, 11.378149,
         "11\xC2\xB0 22' 41\" Ari"},
        {"the same moment at 51 30 N", makeBirth(2000, 1, 1, 12, 0, {0, 0, false, 51, 30, false}),
         29, 24.297922, "24\xC2\xB0 17' 52\" Ari"},
        {"15 Jun 1985 14:30 IST, 77 13 E 28 39 N",
         makeBirth(1985, 6, 15, 14, 30, {77, 13, true, 28, 39, false}), 34, 202.651796,
         "22\xC2\xB0 39' 6\" Lib"},
        {"the same birth at 28 39 S", makeBirth(1985, 6, 15, 14, 30, {77, 13, true, 28, 39, true}),
         34, 215.579356, "5\xC2\xB0 34' 45\" Sco"},
        {"10 Mar 1970 06:00 EST with daylight saving, 74 0 W 40 43 N",
         makeBirth(1970, 3, 10, 6, 0, {74, 0, false, 40, 43, false}, true), 27, 317.245555,
         "17\xC2\xB0 14' 43\" Aqu"},
    };
    for (const auto& row : rows) {
        const AscendantResult asc = ascendantCalculation(row.birth, zone(row.zonePosition));
        EXPECT_NEAR(asc.ascendantLongitude, row.longitude, kSixDecimals) << row.source;
        EXPECT_EQ(asc.ascendantText, row.text) << row.source;
    }
}

TEST(AscendantCalculation, TimeBaseAtJ2000) {
    const AscendantResult asc =
        ascendantCalculation(makeBirth(2000, 1, 1, 12, 0, {0, 0, false, 0, 0, false}), zone(29));
    EXPECT_EQ(asc.timeBase.ascJdn, 2451545);
    EXPECT_EQ(asc.timeBase.ascUniversalHours, 12);
    EXPECT_EQ(asc.timeBase.centuriesT1900, 1.0);
    EXPECT_NEAR(asc.siderealDegrees, 280.460871, kSixDecimals);
    EXPECT_NEAR(asc.obliquityRadians * 57.2957795130823, 23.4392815, 1e-7);
}

TEST(AscendantCalculation, MadridOnCentralEuropeanTimeUsesTheZonesOwnSign) {
    // 1 July 1985 14:30 CET in Madrid (3 42 W, 40 25 N) is 13:30 UT. Reading
    // the zone's direction from the hemisphere put it at 15:30 UT and the
    // Ascendant in Scorpio.
    const AscendantResult asc = ascendantCalculation(
        makeBirth(1985, 7, 1, 14, 30, {3, 42, false, 40, 25, false}), zone(20));
    EXPECT_DOUBLE_EQ(asc.timeBase.ascUniversalHours, 13.5);
    EXPECT_EQ(shortPosition(asc.ascendantText), "22 Lib 30") << asc.ascendantText;
}

TEST(NormalizeDegrees, OneStepIntoTheCircle) {
    EXPECT_EQ(normalizeDegrees(-10.0), 350.0);
    EXPECT_EQ(normalizeDegrees(370.0), 10.0);
    EXPECT_EQ(normalizeDegrees(360.0), 360.0);
    EXPECT_EQ(normalizeDegrees(0.0), 0.0);
    EXPECT_EQ(normalizeDegrees(-370.0), -10.0); // one step only
}

TEST(DayNumber, CountsDaysFromJ2000) {
    struct Row {
        int y, m, d, h, mi;
        double expected;
        const char* source;
    };
    const Row rows[] = {
        {2000, 1, 1, 12, 0, 0.0, "J2000.0 itself"},
        {2000, 1, 1, 0, 0, -0.5, "midnight before J2000.0"},
        {1999, 12, 31, 0, 0, -1.5, "the day before"},
        {1900, 3, 1, 0, 0, -36465.5, "JD 2415079.5, the first exact day"},
        {1985, 6, 15, 9, 0, -5313.125, "15 June 1985 09:00 UT"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(dayNumber(row.y, row.m, row.d, row.h, row.mi), row.expected) << row.source;
}

TEST(PlanetUniversalTime, CarriesAcrossDayMonthAndYearEnds) {
    struct Row {
        const char* what;
        BirthData birth;
        int zonePosition;
        UniversalMoment expected;
    };
    const Place east{80, 18, true, 13, 5, false};
    const Place west{74, 0, false, 40, 43, false};
    const Row rows[] = {
        {"00:30 on 1 Jan 1980 at +5:30",
         makeBirth(1980, 1, 1, 0, 30, east),
         34,
         {1979, 12, 31, 19, 0}},
        {"23:30 on 31 Dec 1999 at -10:30",
         makeBirth(1999, 12, 31, 23, 30, west),
         32,
         {2000, 1, 1, 10, 0}},
        {"leap day carry, 28 Feb 2000 20:00 EST",
         makeBirth(2000, 2, 28, 20, 0, west),
         27,
         {2000, 2, 29, 1, 0}},
        {"no leap day in 1901, 28 Feb 20:00 EST",
         makeBirth(1901, 2, 28, 20, 0, west),
         27,
         {1901, 3, 1, 1, 0}},
        {"daylight saving takes an hour off",
         makeBirth(1985, 7, 1, 0, 30, east, true),
         20,
         {1985, 6, 30, 22, 30}},
        {"+13:00 New Zealand summer", makeBirth(1990, 1, 1, 5, 0, east), 46, {1989, 12, 31, 16, 0}},
    };
    for (const auto& row : rows) {
        const UniversalMoment ut = planetUniversalTime(row.birth, zone(row.zonePosition));
        EXPECT_EQ(ut, row.expected) << row.what << ": got " << ut.year << "-" << ut.month << "-"
                                    << ut.day << " " << ut.hour << ":" << ut.minute;
    }
}

TEST(TimeBases, AscendantAndPlanetsShareOneUniversalTime) {
    // Daylight saving, East, +1:00: both take local - 2 hours.
    const BirthData b = makeBirth(1985, 7, 1, 12, 0, {13, 24, true, 52, 31, false}, true);
    const AscendantTimeBase asc = ascendantTimeBase(b, zone(20));
    const UniversalMoment ut = planetUniversalTime(b, zone(20));
    EXPECT_DOUBLE_EQ(asc.ascUniversalHours, 10.0);
    EXPECT_EQ(ut, (UniversalMoment{1985, 7, 1, 10, 0}));
}

} // namespace
} // namespace orbenza
