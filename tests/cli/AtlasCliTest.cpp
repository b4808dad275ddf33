// orbenza-cli with the place atlas: --place, --tz, --fold and --find-place.
#include "CliRunner.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <iterator>
#include <nlohmann/json.hpp>

namespace {

using orbenza::testing::runCli;

nlohmann::json chartJson(std::vector<std::string> args) {
    args.insert(args.begin(), {"--name", "TEST", "--format", "json"});
    const auto run = runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.status == 0 ? nlohmann::json::parse(run.out) : nlohmann::json{};
}

// Universal times as the IANA database gives them (zdump, tzdata 2025b):
// Madrid CEST gmtoff=7200 in July 1985; Amsterdam AMT gmtoff=1172 in 1930.
TEST(AtlasCli, PlaceSetsCoordinatesAndTheClockTimeOfTheDate) {
    const auto madrid = chartJson({"--date", "1985-07-01", "--time", "14:30", "--place", "madrid"});
    EXPECT_EQ(madrid["UniversalTime"], "1985-07-01T12:30Z");
    EXPECT_EQ(madrid["Zone"], "");
    EXPECT_EQ(madrid["DaylightSaving"], false);
    const auto& place = madrid["Place"];
    EXPECT_EQ(place["Name"], "Madrid");
    EXPECT_EQ(place["Country"], "Spain");
    EXPECT_EQ(place["TimeZone"], "Europe/Madrid");
    EXPECT_EQ(place["Abbreviation"], "CEST");
    EXPECT_EQ(place["UtOffset"], "+02:00");
    EXPECT_EQ(place["SummerTime"], true);
    EXPECT_NEAR(place["Latitude"].get<double>(), 40.4165, 1e-9);
    EXPECT_NEAR(place["Longitude"].get<double>(), -3.7026, 1e-9);

    const auto amsterdam =
        chartJson({"--date", "1930-01-01", "--time", "12:00", "--place", "Amsterdam, NL"});
    EXPECT_EQ(amsterdam["UniversalTime"], "1930-01-01T11:40:28Z");
    EXPECT_EQ(amsterdam["Place"]["UtOffset"], "+00:19:32");
    EXPECT_EQ(amsterdam["Place"]["SummerTime"], false);

    // The zone list's charts keep their form: no Place, no seconds.
    const auto plain = chartJson({"--date", "1985-07-01", "--time", "14:30", "--zone", "CET"});
    EXPECT_FALSE(plain.contains("Place"));
    EXPECT_EQ(plain["UniversalTime"], "1985-07-01T13:30Z");
}

TEST(AtlasCli, TzUsesTheZoneHistoryAtTheGivenCoordinates) {
    // Asia/Kathmandu: +0530 gmtoff=19800 until the end of 1985.
    const auto kathmandu = chartJson({"--date", "1985-06-01", "--time", "12:00", "--tz",
                                      "Asia/Kathmandu", "--lon", "85:19E", "--lat", "27:42N"});
    EXPECT_EQ(kathmandu["UniversalTime"], "1985-06-01T06:30Z");
    EXPECT_EQ(kathmandu["Place"]["Name"], "");
    EXPECT_EQ(kathmandu["Place"]["TimeZone"], "Asia/Kathmandu");
    // Local mean time before 1920 is that of the given longitude, 83°58'E.
    const auto pokhara = chartJson({"--date", "1910-06-01", "--time", "12:00", "--tz",
                                    "Asia/Kathmandu", "--lon", "83:58E", "--lat", "28:13N"});
    EXPECT_EQ(pokhara["UniversalTime"], "1910-06-01T06:24:08Z");
    EXPECT_EQ(pokhara["Place"]["Abbreviation"], "LMT");
    EXPECT_EQ(pokhara["Place"]["UtOffset"], "+05:35:52");
}

// America/New_York 2021: 02:00 EST became 03:00 EDT on 14 March; 02:00 EDT
// became 01:00 EST on 7 November.
TEST(AtlasCli, ClockTimesThatDidNotExistOrHappenedTwice) {
    const auto gap = runCli(
        {"--name", "TEST", "--date", "2021-03-14", "--time", "02:30", "--tz", "America/New_York"});
    EXPECT_EQ(gap.status, 2);
    EXPECT_NE(gap.err.find("did not exist"), std::string::npos) << gap.err;
    EXPECT_NE(gap.err.find("2021-03-14 07:30 UT"), std::string::npos) << gap.err;
    EXPECT_NE(gap.err.find("2021-03-14 06:30 UT"), std::string::npos) << gap.err;
    EXPECT_TRUE(gap.out.empty());

    const std::vector<std::string> twice = {"--name",   "TEST",  "--date",  "2021-11-07",
                                            "--time",   "01:30", "--place", "New York City",
                                            "--format", "json"};
    const auto refused = runCli(twice);
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("happened twice"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("2021-11-07 05:30 UT"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("2021-11-07 06:30 UT"), std::string::npos) << refused.err;

    auto earlier = twice;
    earlier.insert(earlier.end(), {"--fold", "earlier"});
    auto later = twice;
    later.insert(later.end(), {"--fold", "later"});
    const auto first = runCli(earlier);
    const auto second = runCli(later);
    ASSERT_EQ(first.status, 0) << first.err;
    ASSERT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(nlohmann::json::parse(first.out)["UniversalTime"], "2021-11-07T05:30Z");
    EXPECT_EQ(nlohmann::json::parse(second.out)["UniversalTime"], "2021-11-07T06:30Z");
    EXPECT_EQ(nlohmann::json::parse(second.out)["Place"]["Abbreviation"], "EST");
}

TEST(AtlasCli, RefusedCombinationsAndUnknownNames) {
    struct Row {
        std::vector<std::string> args;
        const char* says;
    };
    const Row rows[] = {
        {{"--place", "Madrid", "--lon", "3:42W"}, "--lon cannot be given with it"},
        {{"--place", "Madrid", "--dst"}, "--dst cannot be given with it"},
        {{"--place", "Madrid", "--zone", "CET"}, "--zone cannot be given with it"},
        {{"--place", "Madrid", "--tz", "Europe/Madrid"}, "not both"},
        {{"--tz", "Europe/Madrid", "--zone", "CET"}, "--tz sets the clock time"},
        {{"--fold", "later"}, "--fold needs --place or --tz"},
        {{"--tz", "Europe/Madrid", "--fold", "sideways"}, "--fold must be earlier or later"},
        {{"--tz", "Europe/Atlantis"}, "Unknown time zone \"Europe/Atlantis\""},
        {{"--place", "Xqzzyville"}, "No place in the atlas"},
        {{"--place", "Springfield"}, "\n  Springfield — Illinois, United States\n"},
        {{"--place", ""}, "--place needs a place"},
        {{"--place", " "}, "--place needs a place"},
        {{"--tz", ""}, "--tz needs a time zone"},
        {{"--place", "Mad\nrid"}, "--place holds a control character: \"Mad\\x0Arid\""},
    };
    for (const Row& row : rows) {
        std::vector<std::string> args = {"--name", "TEST"};
        args.insert(args.end(), row.args.begin(), row.args.end());
        const auto run = runCli(args);
        EXPECT_EQ(run.status, 2) << row.says;
        EXPECT_NE(run.err.find(row.says), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << row.says;
    }
}

TEST(AtlasCli, FindPlaceListsUpToTwentyMatches) {
    const auto run = runCli({"--find-place", "san", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto list = nlohmann::json::parse(run.out);
    ASSERT_EQ(list.size(), 20u);
    for (const char* key : {"Name", "State", "Country", "CountryCode", "Latitude", "Longitude",
                            "TimeZone", "Population"})
        EXPECT_TRUE(list[0].contains(key)) << key;
    // The one place called just "San" (Mali) comes first, the rest by population.
    EXPECT_EQ(list[0]["Name"], "San");
    for (std::size_t i = 2; i < list.size(); ++i)
        EXPECT_GE(list[i - 1]["Population"].get<long>(), list[i]["Population"].get<long>()) << i;

    const auto zurich = runCli({"--find-place", "zurich"});
    ASSERT_EQ(zurich.status, 0) << zurich.err;
    EXPECT_EQ(zurich.out.rfind("Zürich — Zurich, Switzerland\n", 0), 0u) << zurich.out;
    const auto none = runCli({"--find-place", "Xqzzyville", "--format", "json"});
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(nlohmann::json::parse(none.out).size(), 0u);
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

// A birth record's old name finds the place, and says which name matched;
// before 1970 far from the zone's principal city the chart says to check the
// clock time, in its text, its JSON and the batch's lines alike.
TEST(AtlasCli, OldNamesAndTheCautionOnOldClockTimes) {
    const auto bombay = runCli({"--find-place", "Bombay", "--format", "json"});
    ASSERT_EQ(bombay.status, 0) << bombay.err;
    const auto found = nlohmann::json::parse(bombay.out);
    ASSERT_FALSE(found.empty());
    EXPECT_EQ(found[0]["Name"], "Mumbai");
    EXPECT_EQ(found[0]["MatchedName"], "Bombay");
    const auto own =
        nlohmann::json::parse(runCli({"--find-place", "Mumbai", "--format", "json"}).out);
    EXPECT_EQ(own[0]["MatchedName"], "Mumbai");
    EXPECT_EQ(
        runCli({"--find-place", "Bombay"}).out.rfind("Mumbai (Bombay) — Maharashtra, India\n", 0),
        0u);

    const std::string caution = "Before 1970 this zone's clock history is that of Chicago; local "
                                "practice in Ames may have differed: check the birth record.";
    const auto ames =
        chartJson({"--date", "1960-05-01", "--time", "12:00", "--place", "Ames, Iowa"});
    EXPECT_EQ(ames["Place"]["Caution"], caution);
    const auto text = runCli(
        {"--name", "TEST", "--date", "1960-05-01", "--time", "12:00", "--place", "Ames, Iowa"});
    EXPECT_NE(text.out.find("UT, America/Chicago, UT-5:00, classic positions\n" + caution + "\n"),
              std::string::npos)
        << text.out;
    for (const auto& quiet :
         {chartJson({"--date", "1960-05-01", "--time", "12:00", "--place", "Chicago"}),
          chartJson({"--date", "1970-01-01", "--time", "12:00", "--place", "Ames, Iowa"}),
          chartJson({"--date", "1960-05-01", "--time", "12:00", "--tz", "America/Chicago", "--lon",
                     "93:37W", "--lat", "42:02N"})})
        EXPECT_TRUE(quiet["Place"]["Caution"].is_null()) << quiet["Place"];

    const std::string rows = "name,date,time,place\nA,1960-05-01,12:00,\"Ames, Iowa\"\n"
                             "B,1985-05-01,12:00,Bombay\n";
    const auto batch = runCli({"--batch", "-", "--report", "none"}, &rows);
    ASSERT_EQ(batch.status, 0) << batch.err;
    const auto lines = linesOf(batch.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(nlohmann::json::parse(lines[0])["Place"]["Caution"], caution);
    EXPECT_EQ(nlohmann::json::parse(lines[1])["Place"]["Name"], "Mumbai");
    EXPECT_TRUE(nlohmann::json::parse(lines[1])["Place"]["Caution"].is_null());
}

// The single chart's --format json object, compact, its keys in its own order.
std::string singleChartLine(std::vector<std::string> args) {
    args.insert(args.end(), {"--format", "json"});
    const auto run = runCli(args);
    EXPECT_EQ(run.status, 0) << run.err;
    return run.status == 0 ? nlohmann::ordered_json::parse(run.out).dump() : std::string();
}

// A batch row charted at the clock time of a place or a zone is, byte for
// byte, the single chart's object for the same options: "Place" last, and
// windows that follow the zone's clock changes (New York's 01:00-02:00 of 7
// November 2021 happened twice).
TEST(AtlasCli, BatchLinesOfPlacesAndZonesAreTheSingleChartsObjects) {
    const std::string places = "name,date,time,place,fold\n"
                               "ANNA,1985-07-01,14:30,Madrid,\n"
                               "Bob,1930-01-01,12:00,\"Amsterdam, NL\",\n"
                               "Cid,2021-11-07,01:30,New York City,later\n";
    const std::string zones = "name,date,time,tz,lon,lat,fold\n"
                              "Dev,1910-06-01,12:00,Asia/Kathmandu,83:58E,28:13N,\n"
                              "Eve,2021-11-07,01:10,America/New_York,73:56W,40:40N,earlier\n";
    const std::vector<std::vector<std::string>> single{
        {"--name", "ANNA", "--date", "1985-07-01", "--time", "14:30", "--place", "Madrid"},
        {"--name", "Bob", "--date", "1930-01-01", "--time", "12:00", "--place", "Amsterdam, NL"},
        {"--name", "Cid", "--date", "2021-11-07", "--time", "01:30", "--place", "New York City",
         "--fold", "later"},
        {"--name", "Dev", "--date", "1910-06-01", "--time", "12:00", "--tz", "Asia/Kathmandu",
         "--lon", "83:58E", "--lat", "28:13N"},
        {"--name", "Eve", "--date", "2021-11-07", "--time", "01:10", "--tz", "America/New_York",
         "--lon", "73:56W", "--lat", "40:40N", "--fold", "earlier"},
    };
    std::vector<std::string> lines;
    std::vector<std::string> bare; // without --windows and the report
    for (const std::string* csv : {&places, &zones}) {
        const auto run = runCli({"--batch", "-", "--windows", "--aspects", "major"}, csv);
        ASSERT_EQ(run.status, 0) << run.err;
        const auto plain = runCli({"--batch", "-", "--report", "none", "--aspects", "major"}, csv);
        ASSERT_EQ(plain.status, 0) << plain.err;
        for (const std::string& line : linesOf(run.out))
            lines.push_back(line);
        for (const std::string& line : linesOf(plain.out))
            bare.push_back(line);
    }
    ASSERT_EQ(lines.size(), single.size());
    ASSERT_EQ(bare.size(), single.size());
    for (std::size_t i = 0; i < single.size(); ++i) {
        EXPECT_EQ(lines[i], singleChartLine(single[i])) << single[i][1];
        // The single chart always has its windows; without them and the
        // report, the rest is the batch's line as it stands.
        auto args = single[i];
        args.insert(args.end(), {"--report", "none"});
        auto object = nlohmann::ordered_json::parse(singleChartLine(args));
        object.erase("AscendantWindow");
        object.erase("HouseWindow");
        EXPECT_EQ(bare[i], object.dump()) << single[i][1];
    }
    const auto madrid = nlohmann::ordered_json::parse(lines[0]);
    EXPECT_EQ(madrid.items().begin().key(), "Name");
    EXPECT_EQ(std::prev(madrid.end()).key(), "Place");
    EXPECT_EQ(madrid["Place"]["UtOffset"], "+02:00");
    EXPECT_EQ(nlohmann::json::parse(lines[1])["Place"]["UtOffset"], "+00:19:32");
}

TEST(AtlasCli, WithoutTheAtlasOnlyThePlaceOptionsAreRefused) {
    ::setenv("ORBENZA_ATLAS", "/nonexistent/places.atlas", 1);
    const auto place = runCli({"--name", "TEST", "--place", "Madrid"});
    const auto find = runCli({"--find-place", "Madrid"});
    const auto plain = runCli({"--name", "TEST", "--zone", "CET"});
    const auto tz = runCli({"--name", "TEST", "--tz", "Europe/Madrid"});
    ::unsetenv("ORBENZA_ATLAS");
    EXPECT_EQ(place.status, 2);
    EXPECT_NE(place.err.find("The place atlas is unavailable"), std::string::npos) << place.err;
    EXPECT_EQ(find.status, 2);
    EXPECT_EQ(plain.status, 0) << plain.err;
    EXPECT_EQ(tz.status, 0) << tz.err; // a zone needs the system's database only
}

// A batch row whose clock time comes from the atlas has the windows of the
// single chart: the clocks went forward inside them (Berlin, 28 March 2021).
TEST(AtlasCli, BatchWindowsReadThePlaceClock) {
    const std::string rows = "name,date,time,place\nBERLIN,2021-03-28,01:40,\"Berlin, Germany\"\n";
    const auto batch = runCli({"--batch", "-", "--windows"}, &rows);
    ASSERT_EQ(batch.status, 0) << batch.err;
    const auto line = nlohmann::json::parse(batch.out);
    const auto single = chartJson({"--name", "BERLIN", "--date", "2021-03-28", "--time", "01:40",
                                   "--place", "Berlin, Germany"});
    EXPECT_EQ(line["AscendantWindow"], single["AscendantWindow"]);
    EXPECT_EQ(line["HouseWindow"], single["HouseWindow"]);
    EXPECT_GE(single["AscendantWindow"]["To"].get<std::string>(), "2021-03-28T03:00:00");
}

// The clock of a place as the zone files give it: the changes they list after
// 2037 (Palestine's follow Ramadan, 2040-08-31 23:00 UT EET gmtoff=7200),
// summer time as the clock ahead of the standard time people use (Ireland's
// winter GMT is the database's negative summer time), and windows that reach
// past the years a chart may be drawn for (2051 alike in the core's test).
TEST(AtlasCli, ClockTimesOfTheZoneFiles) {
    const auto gaza = chartJson({"--date", "2040-09-01", "--time", "12:00", "--tz", "Asia/Gaza",
                                 "--lon", "34:28E", "--lat", "31:30N"});
    EXPECT_EQ(gaza["Place"]["UtOffset"], "+02:00");
    EXPECT_EQ(gaza["Place"]["SummerTime"], false);

    const auto july = chartJson({"--date", "2021-07-01", "--time", "12:00", "--place", "Dublin"});
    const auto january =
        chartJson({"--date", "2021-01-15", "--time", "12:00", "--place", "Dublin"});
    EXPECT_EQ(july["Place"]["Abbreviation"], "IST");
    EXPECT_EQ(july["Place"]["SummerTime"], true);
    EXPECT_EQ(january["Place"]["Abbreviation"], "GMT");
    EXPECT_EQ(january["Place"]["SummerTime"], false);
    // Morocco's Ramadan hour: 2025-02-23 02:00 UT +00 gmtoff=0 isdst=1.
    const auto ramadan =
        chartJson({"--date", "2025-03-01", "--time", "12:00", "--place", "Casablanca"});
    EXPECT_EQ(ramadan["Place"]["UtOffset"], "+00:00");
    EXPECT_EQ(ramadan["Place"]["SummerTime"], false);

    const auto first = chartJson({"--date", "1901-01-01", "--time", "00:30", "--place", "Paris"});
    ASSERT_TRUE(first["AscendantWindow"]["From"].is_string());
    EXPECT_EQ(first["AscendantWindow"]["From"].get<std::string>().substr(0, 10), "1900-12-31");

    // The text chart names the zone and its offset with the universal time.
    const auto text = runCli({"--name", "TEST", "--date", "1901-01-01", "--time", "00:30",
                              "--place", "Paris", "--report", "none"});
    EXPECT_NE(text.out.find("Computed for 1 Jan 1901 00:20:39 UT, Europe/Paris, UT+0:09:21, "),
              std::string::npos)
        << text.out;
}

// --find-place lists places: its output can go to a file, other forms and the
// chart's options are refused rather than ignored.
TEST(AtlasCli, FindPlaceTakesOnlyItsOwnOptions) {
    const std::string path = "/tmp/orbenza-find-place-test.json";
    std::remove(path.c_str());
    const auto toFile = runCli({"--find-place", "Madrid", "--format", "json", "--output", path});
    const auto toOutput = runCli({"--find-place", "Madrid", "--format", "json"});
    EXPECT_EQ(toFile.status, 0) << toFile.err;
    EXPECT_TRUE(toFile.out.empty());
    EXPECT_EQ(orbenza::testing::readWhole(path), toOutput.out);
    std::remove(path.c_str());

    for (const auto& [extra, says] : std::vector<std::pair<std::vector<std::string>, std::string>>{
             {{"--format", "csv"}, "--find-place writes text or json, not csv"},
             {{"--name", "ANNA"}, "--name is for a chart"},
             {{"--place", "Madrid"}, "--place is for a chart"}}) {
        std::vector<std::string> args = {"--find-place", "Madrid"};
        args.insert(args.end(), extra.begin(), extra.end());
        const auto run = runCli(args);
        EXPECT_EQ(run.status, 2) << says;
        EXPECT_NE(run.err.find(says), std::string::npos) << run.err;
        EXPECT_TRUE(run.out.empty()) << says;
    }
}

// Any path that is not an atlas file leaves the atlas unavailable, and what
// does not need the atlas does not read it.
TEST(AtlasCli, AnAtlasPathThatIsNoAtlasFile) {
    const std::string folder = std::string(ORBENZA_SOURCE_DIR) + "/data";
    const std::string zones =
        "name,date,time,zone,lon,lat,dst\nANNA,1985-06-15,14:30,34,77:13E,28:39N,\n";
    const std::string places = "name,date,time,place\nANNA,1985-07-01,14:30,Madrid\n";
    ::setenv("ORBENZA_ATLAS", folder.c_str(), 1);
    const auto find = runCli({"--find-place", "Madrid"});
    const auto place = runCli({"--name", "TEST", "--place", "Madrid"});
    const auto zoneBatch = runCli({"--batch", "-"}, &zones);
    const auto placeBatch = runCli({"--batch", "-"}, &places);
    ::unsetenv("ORBENZA_ATLAS");
    const std::string unavailable = "The place atlas is unavailable: " + folder + " is a folder";
    for (const auto* run : {&find, &place, &placeBatch}) {
        EXPECT_EQ(run->status, 2);
        EXPECT_NE(run->err.find(unavailable), std::string::npos) << run->err;
    }
    EXPECT_EQ(zoneBatch.status, 0) << zoneBatch.err;
}

} // namespace
