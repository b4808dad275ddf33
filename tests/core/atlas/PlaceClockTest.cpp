#include "atlas/PlaceClock.h"

#include "AtlasTestSupport.h"
#include "atlas/Atlas.h"

#include <cstdlib>
#include <ctime>
#include <gtest/gtest.h>
#include <set>

namespace orbenza::atlas {
namespace {

std::string show(const DateTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

// Universal times of local clock times, each row from the IANA database
// itself: `zdump -v -c FROM,TO ZONE` on Debian's tzdata 2025b, whose
// transition and gmtoff (seconds east of Greenwich) lines are quoted.
TEST(PlaceClock, UniversalTimesFromTheZoneHistory) {
    struct Row {
        const char* zone;
        double longitudeEastDeg;
        DateTime local;
        DateTime expectedUt;
        const char* abbreviation;
        std::int32_t summerSeconds;
        const char* source;
    };
    const Row rows[] = {
        {"Europe/Madrid",
         -3.70,
         {1985, 7, 1, 14, 30, 0},
         {1985, 7, 1, 12, 30, 0},
         "CEST",
         3600,
         "1985-03-31 01:00 UT CEST gmtoff=7200 isdst=1; CET 3600 before"},
        {"Europe/London",
         -0.13,
         {1941, 7, 1, 12, 0, 0},
         {1941, 7, 1, 10, 0, 0},
         "BDST",
         7200,
         "1941-05-04 01:00 UT BDST gmtoff=7200, over BST since 1940 and GMT before"},
        {"Asia/Kolkata",
         88.36,
         {1942, 9, 15, 12, 0, 0},
         {1942, 9, 15, 5, 30, 0},
         "+0630",
         3600,
         "1942-08-31 18:30 UT +0630 gmtoff=23400 isdst=1, over IST gmtoff=19800"},
        {"Europe/Amsterdam",
         4.89,
         {1930, 1, 1, 12, 0, 0},
         {1930, 1, 1, 11, 40, 28},
         "AMT",
         0,
         "1929-10-06 AMT gmtoff=1172 isdst=0"},
        {"Europe/Oslo",
         10.75,
         {1959, 6, 1, 12, 0, 0},
         {1959, 6, 1, 10, 0, 0},
         "CEST",
         3600,
         "1959-03-15 01:00 UT CEST gmtoff=7200"},
        {"Australia/Sydney",
         151.21,
         {2000, 1, 1, 12, 0, 0},
         {2000, 1, 1, 1, 0, 0},
         "AEDT",
         3600,
         "1999-10-30 16:00 UT AEDT gmtoff=39600, over AEST 36000"},
        {"Asia/Kathmandu",
         85.32,
         {1985, 6, 1, 12, 0, 0},
         {1985, 6, 1, 6, 30, 0},
         "+0530",
         0,
         "+0530 gmtoff=19800 until 1985-12-31 18:30 UT"},
        {"Asia/Kathmandu",
         85.32,
         {1990, 6, 1, 12, 0, 0},
         {1990, 6, 1, 6, 15, 0},
         "+0545",
         0,
         "+0545 gmtoff=20700 from 1985-12-31 18:30 UT"},
        {"Pacific/Chatham",
         -176.55,
         {2000, 6, 1, 12, 0, 0},
         {2000, 5, 31, 23, 15, 0},
         "+1245",
         0,
         "2000-03-18 14:00 UT +1245 gmtoff=45900 isdst=0"},
        // The zone kept local mean time until 1920 (LMT gmtoff=20476, that of
        // Kathmandu); Pokhara's own, 83°58'E, is 4 min x 83.9667 = 5:35:52.
        {"Asia/Kathmandu",
         83.0 + 58.0 / 60.0,
         {1910, 6, 1, 12, 0, 0},
         {1910, 6, 1, 6, 24, 8},
         "LMT",
         0,
         "LMT until 1919-12-31 18:18:44 UT"},
        // Years the zone files do not list: the US rules since 2007 (second
        // Sunday in March, first Sunday in November) and Mexico without
        // summer time since 2022.
        {"America/New_York",
         -74.0,
         {2045, 7, 1, 12, 0, 0},
         {2045, 7, 1, 16, 0, 0},
         "EDT",
         3600,
         "EDT gmtoff=-14400 every summer from 2007 to 2037"},
        {"America/New_York",
         -74.0,
         {2048, 2, 29, 12, 0, 0},
         {2048, 2, 29, 17, 0, 0},
         "EST",
         0,
         "EST gmtoff=-18000 every winter"},
        {"America/New_York",
         -74.0,
         {2050, 11, 6, 12, 0, 0},
         {2050, 11, 6, 17, 0, 0},
         "EST",
         0,
         "first Sunday of November 2050 is the 6th: EST from 06:00 UT"},
        {"America/Mexico_City",
         -99.13,
         {2045, 7, 1, 12, 0, 0},
         {2045, 7, 1, 18, 0, 0},
         "CST",
         0,
         "2022-10-30 07:00 UT CST gmtoff=-21600, no later change"},
    };
    for (const Row& row : rows) {
        const ZoneClock clock = ZoneClock::find(row.zone);
        ASSERT_TRUE(clock.valid()) << row.zone << ": " << clock.error();
        const PlaceTime time = clock.at(row.local, row.longitudeEastDeg);
        const std::string label =
            std::string(row.zone) + " " + show(row.local) + " (" + row.source + ")";
        ASSERT_EQ(time.kind, PlaceTime::Kind::Unique) << label;
        const DateTime ut = universalTimeOf(row.local, time.first.utOffsetSeconds);
        EXPECT_EQ(show(ut), show(row.expectedUt)) << label;
        EXPECT_EQ(time.first.abbreviation, row.abbreviation) << label;
        EXPECT_EQ(time.first.summerTime, row.summerSeconds != 0) << label;
        EXPECT_EQ(time.first.summerSeconds, row.summerSeconds) << label;
        EXPECT_EQ(time.first.localMeanTime, std::string(row.abbreviation) == "LMT") << label;
    }
    // Dublin's July (IST, standard to the database) is summer time over GMT.
    const ZoneState july = ZoneClock::find("Europe/Dublin").at({2021, 7, 1, 12, 0, 0}, -6.25).first;
    EXPECT_EQ(july.summerSeconds, 3600);
    EXPECT_EQ(july.standardAbbreviation, "GMT");
}

// New York, 2021: "2021-03-14 07:00 UT EDT gmtoff=-14400" (01:59:59 EST is
// followed by 03:00 EDT) and "2021-11-07 06:00 UT EST gmtoff=-18000"
// (01:59:59 EDT is followed by 01:00 EST).
TEST(PlaceClock, ClockTimesThatDidNotExistOrHappenedTwice) {
    const ZoneClock newYork = ZoneClock::find("America/New_York");
    ASSERT_TRUE(newYork.valid());

    const DateTime gap{2021, 3, 14, 2, 30, 0};
    const PlaceTime skipped = newYork.at(gap, -74.0);
    ASSERT_EQ(skipped.kind, PlaceTime::Kind::DidNotExist);
    EXPECT_EQ(skipped.first.abbreviation, "EST");
    EXPECT_EQ(skipped.second.abbreviation, "EDT");
    EXPECT_EQ(show(universalTimeOf(gap, skipped.first.utOffsetSeconds)), "2021-03-14 07:30:00");
    EXPECT_EQ(show(universalTimeOf(gap, skipped.second.utOffsetSeconds)), "2021-03-14 06:30:00");

    const DateTime twice{2021, 11, 7, 1, 30, 0};
    const PlaceTime repeated = newYork.at(twice, -74.0);
    ASSERT_EQ(repeated.kind, PlaceTime::Kind::HappenedTwice);
    EXPECT_EQ(repeated.first.abbreviation, "EDT");
    EXPECT_EQ(repeated.second.abbreviation, "EST");
    EXPECT_EQ(show(universalTimeOf(twice, repeated.first.utOffsetSeconds)), "2021-11-07 05:30:00");
    EXPECT_EQ(show(universalTimeOf(twice, repeated.second.utOffsetSeconds)), "2021-11-07 06:30:00");

    // The edges: 01:59:59 and 03:00 on the day of the jump are plain times.
    EXPECT_EQ(newYork.at({2021, 3, 14, 1, 59, 59}, -74.0).kind, PlaceTime::Kind::Unique);
    EXPECT_EQ(newYork.at({2021, 3, 14, 3, 0, 0}, -74.0).kind, PlaceTime::Kind::Unique);
    EXPECT_EQ(newYork.at({2021, 3, 14, 2, 0, 0}, -74.0).kind, PlaceTime::Kind::DidNotExist);
    // The same in a year the zone files do not list: 12 March 2045 is its second Sunday.
    EXPECT_EQ(newYork.at({2045, 3, 12, 2, 30, 0}, -74.0).kind, PlaceTime::Kind::DidNotExist);
    EXPECT_EQ(newYork.at({2045, 11, 5, 1, 30, 0}, -74.0).kind, PlaceTime::Kind::HappenedTwice);
}

// Every zone of the atlas over 2038-2050 against the C library's reading of
// the same files, which applies the rule a file ends with after its last
// listed change: the same offset and abbreviation each day at 00:00 and 12:00
// universal time, whether the file lists the years (Palestine's and Morocco's
// changes, set by Ramadan) or its rule gives them.
TEST(PlaceClock, YearsAfter2037AgreeWithTheSystemLibraryInEveryAtlasZone) {
    const Atlas atlas = Atlas::load(orbenza::testing::sourceAtlasPath());
    ASSERT_TRUE(atlas.available()) << atlas.unavailableReason();
    std::set<std::string> zones;
    for (std::size_t i = 0; i < atlas.size(); ++i)
        zones.emplace(atlas.place(i).timeZone);
    ASSERT_GT(zones.size(), 300u);

    const char* savedTz = std::getenv("TZ");
    const std::string saved = savedTz != nullptr ? savedTz : "";
    const std::time_t from = 2145916800; // 2038-01-01 00:00 UT
    const std::time_t to = 2556144000;   // 2051-01-01 00:00 UT
    std::size_t differences = 0;
    std::string firstDifferences;
    for (const std::string& zone : zones) {
        const ZoneClock clock = ZoneClock::find(zone);
        ASSERT_TRUE(clock.valid()) << zone;
        ::setenv("TZ", (":" + zone).c_str(), 1);
        ::tzset();
        for (std::time_t t = from; t < to; t += 12 * 3600) {
            std::tm tm{};
            ASSERT_NE(::localtime_r(&t, &tm), nullptr);
            const DateTime local{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday,
                                 tm.tm_hour,        tm.tm_min,     tm.tm_sec};
            const PlaceTime time = clock.at(local, 0);
            const bool same = (time.first.utOffsetSeconds == tm.tm_gmtoff &&
                               time.first.abbreviation == tm.tm_zone) ||
                              (time.kind == PlaceTime::Kind::HappenedTwice &&
                               time.second.utOffsetSeconds == tm.tm_gmtoff &&
                               time.second.abbreviation == tm.tm_zone);
            if (!same && ++differences <= 400)
                firstDifferences += zone + " " + show(local) + ": " + time.first.abbreviation +
                                    " " + std::to_string(time.first.utOffsetSeconds) +
                                    ", the library " + tm.tm_zone + " " +
                                    std::to_string(tm.tm_gmtoff) + "\n";
        }
    }
    if (savedTz != nullptr)
        ::setenv("TZ", saved.c_str(), 1);
    else
        ::unsetenv("TZ");
    ::tzset();
    EXPECT_EQ(differences, 0u) << firstDifferences;
}

TEST(PlaceClock, UnknownZonesAreRefusedNotGuessed) {
    // Among them the folder's other files and folders, the copies under
    // posix/ and right/, and a name that a NUL byte would cut short.
    using namespace std::string_view_literals;
    for (const std::string_view name :
         {"Europe/Atlantis"sv, ""sv, "europe/madrid"sv, "../etc/passwd"sv, "CET "sv, "zone.tab"sv,
          "Europe"sv, "Europe/"sv, "posix/Europe/Madrid"sv, "right/UTC"sv, "Europe/Madrid\0x"sv}) {
        const ZoneClock clock = ZoneClock::find(name);
        EXPECT_FALSE(clock.valid()) << clock.name();
        EXPECT_NE(clock.error().find("Unknown time zone"), std::string::npos) << clock.error();
        EXPECT_EQ(clock.at({2000, 1, 1, 12, 0, 0}, 0).first.utOffsetSeconds, 0);
    }
    EXPECT_TRUE(ZoneClock::find("UTC").valid());
}

TEST(PlaceClock, OffsetTexts) {
    EXPECT_EQ(formatIsoOffset(7200), "+02:00");
    EXPECT_EQ(formatIsoOffset(1172), "+00:19:32");
    EXPECT_EQ(formatIsoOffset(-12600), "-03:30");
    EXPECT_EQ(formatIsoOffset(0), "+00:00");
    EXPECT_EQ(formatUtOffset(1172), "UT+0:19:32");
    EXPECT_EQ(formatUtOffset(45900), "UT+12:45");
    EXPECT_EQ(formatUtOffset(-18000), "UT-5:00");
    EXPECT_EQ(formatUniversalTime({2021, 3, 14, 7, 30, 0}), "2021-03-14 07:30 UT");
    EXPECT_EQ(formatUniversalTime({1930, 1, 1, 11, 40, 28}), "1930-01-01 11:40:28 UT");
    // Local mean time: 4 minutes per degree, West negative, to the second.
    EXPECT_EQ(localMeanTimeOffsetSeconds(83.0 + 58.0 / 60.0), 5 * 3600 + 35 * 60 + 52);
    EXPECT_EQ(localMeanTimeOffsetSeconds(-74.0), -(4 * 3600 + 56 * 60));
    // Across the year's end and a leap day.
    EXPECT_EQ(show(universalTimeOf({2000, 1, 1, 0, 10, 0}, 3600)), "1999-12-31 23:10:00");
    EXPECT_EQ(show(universalTimeOf({2048, 2, 28, 23, 0, 0}, -7200)), "2048-02-29 01:00:00");
}

} // namespace
} // namespace orbenza::atlas
