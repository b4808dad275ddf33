// The retrograde test on the local birth date and the " (R) " marks of the body labels.

#include "retrograde/Retrograde.h"

#include "retrograde/StationTables.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace orbenza {
namespace {

namespace chr = std::chrono;

TEST(StationRow, SplitsIntoFiveFieldsAndAnEmptySixth) {
    const auto fields = splitStationRow("3,15,1900,13,19,");
    EXPECT_EQ(fields[0], "3");
    EXPECT_EQ(fields[1], "15");
    EXPECT_EQ(fields[2], "1900");
    EXPECT_EQ(fields[3], "13");
    EXPECT_EQ(fields[4], "19");
    EXPECT_EQ(fields[5], "");

    const auto spare = splitStationRow("");
    for (const std::string_view field : spare)
        EXPECT_EQ(field, "");
}

TEST(StationRow, ParsesDateAndClockTime) {
    const StationMoment m = parseStationRow("12,31,2050,23,59,");
    EXPECT_EQ(m.date, chr::year{2050} / 12 / 31);
    EXPECT_EQ(m.hour, chr::hours{23});
    EXPECT_EQ(m.minute, chr::minutes{59});
}

TEST(MonthNumber, MonthFieldsAndOtherNumbers) {
    struct Case {
        std::string_view field;
        int expected;
    };
    const Case cases[] = {
        {"1", 1},   {"9", 9}, {"12", 12}, // months
        {"13", 13}, {"0", 0},             // not a month: its own value
        {"x", 0},   {"", 0},              // no digits
    };
    for (const Case& c : cases)
        EXPECT_EQ(monthNumber(c.field), c.expected) << "field \"" << c.field << '"';
}

struct BirthCase {
    const char* why;
    int month, day, year, hour, minute;
    std::string_view planet;
    bool retrograde;
};

// Mercury's period of March and April 1985 is "3,24,1985,19,0," to "4,17,1985,5,23,"; the
// station days themselves are not retrograde, whatever the clock time.
constexpr BirthCase BirthCases[] = {
    {"inside the period", 4, 10, 1985, 12, 0, "Mercury", true},
    {"retrograde station day, after the station", 3, 24, 1985, 23, 0, "Mercury", false},
    {"day after the retrograde station, just after midnight", 3, 25, 1985, 0, 5, "Mercury", true},
    {"direct station day, before the station", 4, 17, 1985, 3, 0, "Mercury", false},
    {"day before the direct station, last minute", 4, 16, 1985, 23, 59, "Mercury", true},
    {"Pluto between 15 March and 20 August 2000", 5, 1, 2000, 12, 0, "Pluto", true},
    {"Saturn between 12 January and 12 September 2000", 5, 1, 2000, 12, 0, "Saturn", false},
    {"Pluto's first retrograde station day (16 September 1899)", 9, 16, 1899, 12, 0, "Pluto",
     false},
    {"day after Pluto's first station", 9, 17, 1899, 12, 0, "Pluto", true},
    {"day before Jupiter's last direct station (22 April 2051)", 4, 21, 2051, 12, 0, "Jupiter",
     true},
    {"Jupiter's last direct station day", 4, 22, 2051, 12, 0, "Jupiter", false},
    {"Pluto retrograde in the sky, but before the first row", 1, 1, 1899, 12, 0, "Pluto", false},
    {"Pluto retrograde in the sky, but after the last row", 7, 1, 2051, 12, 0, "Pluto", false},
    {"long before the tables", 1, 1, 1800, 12, 0, "Mercury", false},
};

TEST(IsRetrograde, BirthDatesAroundStations) {
    for (const BirthCase& c : BirthCases) {
        const chr::year_month_day date{chr::year{c.year},
                                       chr::month{static_cast<unsigned>(c.month)},
                                       chr::day{static_cast<unsigned>(c.day)}};
        EXPECT_EQ(isRetrograde(date, c.planet), c.retrograde)
            << c.why << ": " << c.planet << " on " << c.month << '/' << c.day << '/' << c.year;
        const RetrogradeResult result =
            retrogradeCalculation(c.month, c.day, c.year, c.hour, c.minute);
        const std::size_t k = *retrogradePlanetIndex(c.planet);
        EXPECT_EQ(result.retrogradeFlags[k], c.retrograde)
            << c.why << ": " << c.planet << " at " << c.month << '/' << c.day << '/' << c.year
            << ' ' << c.hour << ':' << c.minute;
    }
}

TEST(IsRetrograde, OnlyTheEightPlanetNamesExactly) {
    const chr::year_month_day date = chr::year{1985} / 4 / 10; // Mercury retrograde
    EXPECT_TRUE(isRetrograde(date, "Mercury"));
    for (const std::string_view name : {"mercury", "MERCURY", "Mercury ", "Sun", "Moon", "Asc", ""})
        EXPECT_FALSE(isRetrograde(date, name)) << '"' << name << '"';
}

TEST(IsRetrograde, NoPlanetBeforeOrAfterTheTables) {
    for (const chr::year_month_day date : {chr::year{1899} / 1 / 1, chr::year{2052} / 1 / 1}) {
        for (const std::string_view planet : StationPlanetNames)
            EXPECT_FALSE(isRetrograde(date, planet)) << planet << " on " << int(date.year());
    }
}

// The lookup by binary search must agree with the plain rule applied to every row: the
// day counts s (birth to retrograde station) and e (birth to direct station) satisfy s < 0
// and e > 0 for some row. Checked for every day from 1899 to 2051.
TEST(IsRetrograde, AgreesWithTheRowByRowRuleOnEveryDay) {
    for (std::size_t k = 0; k < StationPlanetCount; ++k) {
        const StationTable& table = StationTables[k];
        std::vector<chr::sys_days> starts;
        std::vector<chr::sys_days> ends;
        for (std::size_t i = 0; i < table.rowCount(); ++i) {
            starts.emplace_back(parseStationRow(table.stationStart[i]).date);
            ends.emplace_back(parseStationRow(table.stationEnd[i]).date);
        }
        int mismatches = 0;
        for (chr::sys_days birth = chr::sys_days{chr::year{1899} / 1 / 1};
             birth < chr::sys_days{chr::year{2052} / 1 / 1}; birth += chr::days{1}) {
            bool expected = false;
            for (std::size_t i = 0; i < starts.size() && !expected; ++i) {
                const auto s = (starts[i] - birth).count();
                const auto e = (ends[i] - birth).count();
                expected = s < 0 && e > 0;
            }
            if (isRetrogradeOn(birth, k) != expected && ++mismatches <= 5)
                ADD_FAILURE() << StationPlanetNames[k] << " on day "
                              << birth.time_since_epoch().count()
                              << " after 1 January 1970: expected " << expected << ", got "
                              << !expected;
        }
        EXPECT_EQ(mismatches, 0) << StationPlanetNames[k];
    }
}

TEST(RetrogradeCalculation, MarksRetrogradePlanetsOnly) {
    // 10 April 1985: Mercury (24 March to 17 April), Saturn (7 March to 25 July), Uranus
    // (22 March to 23 August), Neptune (5 April to 12 September) and Pluto (5 February to
    // 12 July) are retrograde; Venus (13 March to 25 April) as well.
    const RetrogradeResult result = retrogradeCalculation(4, 10, 1985, 8, 30);
    const std::array<std::string, 11> expected{
        "Sun",         "Moon",        "Mercury (R) ", "Venus (R) ", "Mars", "Jupiter",
        "Saturn (R) ", "Uranus (R) ", "Neptune (R) ", "Pluto (R) ", "Asc"};
    EXPECT_EQ(result.planetNames, expected);
    const std::array<bool, 9> flags{true, true, false, false, true, true, true, true, false};
    EXPECT_EQ(result.retrogradeFlags, flags);
}

TEST(RetrogradeCalculation, PlutoMarkedSaturnPlainOnFirstMay2000) {
    const RetrogradeResult result = retrogradeCalculation(5, 1, 2000, 12, 0);
    EXPECT_EQ(result.planetNames[9], "Pluto (R) ");
    EXPECT_EQ(result.planetNames[6], "Saturn");
}

TEST(RetrogradeCalculation, PlainLabelsOutsideTheTablesAndForDatesThatDoNotExist) {
    const std::array<std::string, 11> plain{"Sun",     "Moon",    "Mercury", "Venus",
                                            "Mars",    "Jupiter", "Saturn",  "Uranus",
                                            "Neptune", "Pluto",   "Asc"};
    for (const auto& [month, day, year] :
         {std::array{1, 1, 1890}, std::array{6, 1, 2060}, std::array{2, 30, 1985}}) {
        const RetrogradeResult result = retrogradeCalculation(month, day, year, 12, 0);
        EXPECT_EQ(result.planetNames, plain) << month << '/' << day << '/' << year;
        EXPECT_EQ(result.retrogradeFlags, (std::array<bool, 9>{}))
            << month << '/' << day << '/' << year;
    }
}

} // namespace
} // namespace orbenza
