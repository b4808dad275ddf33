// orbenza-cli as its users meet it: the chart, the refusals, the exit statuses.
#include "CliRunner.h"

#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/stat.h>

namespace orbenza {
namespace {

using testing::kDelhi;
using testing::runCli;
using testing::with;

TEST(Cli, JsonHoldsTheChart) {
    const auto run = runCli(with(kDelhi, {"--format", "json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    const std::vector<std::string> expected{"24 Gem 12", "19 Tau 08", "03 Can 35", "08 Tau 29",
                                            "03 Can 58", "16 Aqu 50", "22 Sco 41", "15 Sag 36",
                                            "02 Cap 27", "02 Sco 06", "22 Lib 39"};
    EXPECT_EQ(json.at("PlanetPositions").get<std::vector<std::string>>(), expected);
    EXPECT_EQ(json.at("AscendantText"), "22\xC2\xB0 39' 6\" Lib");
    EXPECT_EQ(json.at("MoonSignName"), "Taurus");
    EXPECT_EQ(json.at("SunSign"), "Gemini");
    EXPECT_EQ(json.at("Ascendant"), "Libra");
    EXPECT_EQ(json.at("UniversalTime"), "1985-06-15T09:00Z");
    EXPECT_TRUE(json.contains("MoonPositionText"));
    // In mid-June 1985 Jupiter, Saturn, Uranus, Neptune and Pluto stood retrograde.
    const std::vector<std::string> names{
        "Sun",         "Moon",        "Mercury",      "Venus",      "Mars", "Jupiter (R) ",
        "Saturn (R) ", "Uranus (R) ", "Neptune (R) ", "Pluto (R) ", "Asc"};
    EXPECT_EQ(json.at("PlanetNames").get<std::vector<std::string>>(), names);
}

TEST(Cli, SingleChartAlwaysCarriesItsBirthTimeWindows) {
    const auto json = runCli(with(kDelhi, {"--format", "json", "--report", "none"}));
    ASSERT_EQ(json.status, 0) << json.err;
    const auto chart = nlohmann::json::parse(json.out);
    const std::string ascFrom = chart.at("AscendantWindow").at("From");
    const std::string ascTo = chart.at("AscendantWindow").at("To");
    const std::string houseFrom = chart.at("HouseWindow").at("From");
    const std::string houseTo = chart.at("HouseWindow").at("To");
    // Libra rises for about two hours at Delhi; the houses hold a shorter while.
    EXPECT_LE(ascFrom, houseFrom);
    EXPECT_LE(houseFrom, "1985-06-15T14:30:00");
    EXPECT_GE(houseTo, "1985-06-15T14:30:00");
    EXPECT_LE(houseTo, ascTo);
    EXPECT_EQ(ascFrom.substr(0, 11), "1985-06-15T");

    const auto text = runCli(with(kDelhi, {"--report", "none"}));
    ASSERT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("Ascendant Libra for births from "), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("; the same houses from "), std::string::npos) << text.out;
}

TEST(Cli, TextIsTheDefaultAndReadable) {
    const auto run = runCli(kDelhi);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Sun sign   Gemini"), std::string::npos) << run.out;
    EXPECT_NE(run.out.find("Moon sign  Taurus"), std::string::npos);
    EXPECT_NE(run.out.find("Ascendant  Libra"), std::string::npos);
    EXPECT_NE(run.out.find("Pluto (R)     02 Sco 06"), std::string::npos);
    EXPECT_NE(run.out.find("Computed for 15 Jun 1985 09:00 UT, Indian Time, IST, +5.3"),
              std::string::npos);
    EXPECT_TRUE(run.err.empty());
}

TEST(Cli, ZoneByAbbreviationAndDefaults) {
    auto byName = kDelhi;
    byName[7] = "ist";
    EXPECT_EQ(runCli(byName).out, runCli(kDelhi).out);
    // Only the name is required; the rest are the birth details screen's defaults.
    const auto run = runCli({"--name", "X", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("Date"), "1901-01-01");
    EXPECT_EQ(json.at("Zone"), "Greenwich Mean Time,GMT,0.0");
}

TEST(Cli, RefusalsPrintTheExactMessageAndExitTwo) {
    struct Row {
        std::vector<std::string> args;
        std::string message;
    };
    const Row rows[] = {
        {{"--name", "  "}, "Please Enter Name\n"},
        {with(kDelhi, {"--lon", "180:00E"}),
         "Please Enter Value Between 0 And 179 in the Degree of Longitude\n"},
        {with(kDelhi, {"--lat", "10:60S"}),
         "Please Enter Value Between 0 And 59 in the  Minute of Latitude\n"},
        {with(kDelhi, {"--date", "1901-02-29"}), "Please Enter Correct Date Or Month!\n"},
        {with(kDelhi, {"--date", "1985-04-31"}), "Please Enter Correct Date Or Month !\n"},
    };
    for (const auto& row : rows) {
        const auto run = runCli(row.args);
        EXPECT_EQ(run.status, 2) << row.message;
        EXPECT_EQ(run.err, row.message);
        EXPECT_TRUE(run.out.empty());
    }
}

TEST(Cli, MalformedOptionsGetOneLineErrors) {
    const std::vector<std::vector<std::string>> rows{
        with(kDelhi, {"--date", "1900-12-31"}),
        with(kDelhi, {"--date", "2051-01-01"}),
        with(kDelhi, {"--date", "85-6-15"}),
        with(kDelhi, {"--date", "1985-13-01"}),
        with(kDelhi, {"--time", "24:00"}),
        with(kDelhi, {"--time", "noon"}),
        with(kDelhi, {"--time", "14:30:60"}),
        with(kDelhi, {"--time", "14:30:"}),
        with(kDelhi, {"--zone", "71"}),
        with(kDelhi, {"--zone", "NST"}),
        with(kDelhi, {"--lon", "77.2E"}),
        with(kDelhi, {"--lat", "28:39E"}),
        with(kDelhi, {"--format", "xml"}),
        {"--date", "1985-06-15"},
        with(kDelhi, {"--bogus"}),
        with(kDelhi, {"--name", "\xff\xfe", "--format", "json"}),
    };
    for (const auto& args : rows) {
        const auto run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_TRUE(run.out.empty()) << args.back();
        ASSERT_FALSE(run.err.empty()) << args.back();
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "not one line: " << run.err;
    }
}

// Seconds after the minutes move the moment in a single chart and a batch alike.
TEST(Cli, ClockTimeTakesSeconds) {
    const auto json = runCli(with(kDelhi, {"--time", "14:30:45", "--format", "json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out)["UniversalTime"], "1985-06-15T09:00:45Z");
    const auto text = runCli(with(kDelhi, {"--time", "14:30:45"}));
    EXPECT_NE(text.out.find("at 14:30:45 local time"), std::string::npos) << text.out;
    const std::string csv = "name,date,time,zone,lon,lat,dst\n"
                            "ANNA,1985-06-15,14:30:45,34,77:13E,28:39N,0\n";
    const auto batch = runCli({"--batch", "-", "--report", "none"}, &csv);
    ASSERT_EQ(batch.status, 0) << batch.err;
    EXPECT_NE(batch.out.find("\"UniversalTime\":\"1985-06-15T09:00:45Z\""), std::string::npos)
        << batch.out;
}

TEST(Cli, OutputThroughASymbolicLinkReplacesTheFileItNames) {
    char dir[] = "/tmp/orbenza-cli-link-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    const std::string file = std::string(dir) + "/chart.json";
    const std::string link = std::string(dir) + "/latest.json";
    {
        std::ofstream old(file);
        old << "old";
    }
    ASSERT_EQ(::symlink(file.c_str(), link.c_str()), 0);
    const auto run = runCli(with(kDelhi, {"--format", "json", "--output", link}));
    ASSERT_EQ(run.status, 0) << run.err;
    struct stat linkState {};
    ASSERT_EQ(::lstat(link.c_str(), &linkState), 0);
    EXPECT_TRUE(S_ISLNK(linkState.st_mode)) << "the link was replaced by a file";
    EXPECT_EQ(nlohmann::json::parse(testing::readWhole(file)).at("SunSign"), "Gemini");

    // A batch written through the link likewise.
    const std::string rows =
        "name,date,time,zone,lon,lat,dst\nANNA,1985-06-15,14:30,34,77:13E,28:39N,\n";
    const auto batch = runCli({"--batch", "-", "--output", link}, &rows);
    ASSERT_EQ(batch.status, 0) << batch.err;
    ASSERT_EQ(::lstat(link.c_str(), &linkState), 0);
    EXPECT_TRUE(S_ISLNK(linkState.st_mode)) << "the batch replaced the link by a file";
    EXPECT_EQ(nlohmann::json::parse(testing::readWhole(file)).at("Name"), "ANNA");
    std::remove(link.c_str());
    std::remove(file.c_str());
    ::rmdir(dir);
}

TEST(Cli, YearBoundsAreNamedInTheError) {
    const auto run = runCli(with(kDelhi, {"--date", "1900-12-31"}));
    EXPECT_NE(run.err.find("between 1901 and 2050"), std::string::npos) << run.err;
}

TEST(Cli, OutputFileIsWrittenWhole) {
    char dir[] = "/tmp/orbenza-cli-test-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    const std::string path = std::string(dir) + "/chart.json";
    const auto run = runCli(with(kDelhi, {"--format", "json", "--output", path}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    EXPECT_EQ(nlohmann::json::parse(testing::readWhole(path)).at("SunSign"), "Gemini");
    std::remove(path.c_str());

    const auto missing = runCli(with(kDelhi, {"--output", std::string(dir) + "/no/such/dir/x"}));
    EXPECT_EQ(missing.status, 2);
    EXPECT_NE(missing.err.find("cannot write"), std::string::npos) << missing.err;
    ::rmdir(dir);
}

} // namespace
} // namespace orbenza

namespace orbenza {
namespace {

TEST(CliReport, JsonCarriesHousesAndTheReportRuns) {
    const auto run = runCli(with(kDelhi, {"--format", "json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    // Ascendant 22 Lib: Pluto at 02 Sco is in the first house, Saturn at
    // 22 Sco in the second, the Sun at 24 Gem in the ninth.
    EXPECT_EQ(json.at("Houses").at("Pluto"), 1);
    EXPECT_EQ(json.at("Houses").at("Saturn"), 2);
    EXPECT_EQ(json.at("Houses").at("Sun"), 9);
    EXPECT_EQ(json.at("Houses").size(), 10u);
    const auto& report = json.at("Report");
    ASSERT_GE(report.size(), 6u);
    EXPECT_EQ(report[0].at("text"), "Pluto In First House\r\n");
    EXPECT_EQ(report[0].at("heading"), true);
    EXPECT_EQ(report[0].at("color"), "#0000FF");
    EXPECT_EQ(report[1].at("heading"), false);
    EXPECT_EQ(report[1].at("color"), "#000000");
    EXPECT_EQ(report[4].at("text"), "More About First House\r\n");
    EXPECT_EQ(report[4].at("color"), "#800000");
}

TEST(CliReport, TextShowsTheReportWithHeadingsInCapitals) {
    const auto run = runCli(kDelhi);
    EXPECT_NE(run.out.find("\nPLUTO IN FIRST HOUSE\n"), std::string::npos);
    EXPECT_NE(run.out.find("\nMORE ABOUT FIRST HOUSE\nMuch can be determined"), std::string::npos);
    EXPECT_EQ(run.out.find('\r'), std::string::npos);
}

TEST(CliReport, RichTextToStandardOutputAndToAFile) {
    const auto run = runCli(with(kDelhi, {"--format", "rtf"}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out.rfind("{\\rtf1", 0), 0u);
    EXPECT_NE(run.out.find("Pluto In First House"), std::string::npos);
    EXPECT_EQ(run.out.substr(run.out.find_last_not_of("\r\n")), "}\r\n");

    char dir[] = "/tmp/orbenza-cli-rtf-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    const std::string path = std::string(dir) + "/report.rtf";
    {
        std::ofstream old(path);
        old << "old content";
    }
    const auto saved = runCli(with(kDelhi, {"--format", "rtf", "--output", path}));
    ASSERT_EQ(saved.status, 0) << saved.err;
    EXPECT_EQ(testing::readWhole(path), run.out);
    std::remove(path.c_str());
    ::rmdir(dir);
}

} // namespace
} // namespace orbenza

namespace orbenza {
namespace {

TEST(CliPositions, JsonNamesTheSourceAndGivesTheLongitudes) {
    const auto classic =
        nlohmann::ordered_json::parse(testing::runCli(with(kDelhi, {"--format", "json"})).out);
    EXPECT_EQ(classic.at("Positions"), "classic");
    const auto& longitudes = classic.at("Longitudes");
    const std::vector<std::string> keys{
        "Sun",     "Moon",  "Mercury", "Venus",  "Mars",     "Jupiter",  "Saturn", "Uranus",
        "Neptune", "Pluto", "Asc",     "Chiron", "TrueNode", "MeanNode", "Lilith", "Fortune"};
    ASSERT_EQ(longitudes.size(), keys.size());
    std::size_t i = 0;
    for (const auto& [key, value] : longitudes.items())
        EXPECT_EQ(key, keys[i++]);
    // The built-in Ascendant of this chart, 202.651796 to six decimals.
    EXPECT_DOUBLE_EQ(longitudes.at("Asc").get<double>(), 202.651796);
    for (const auto& [key, value] : longitudes.items()) {
        const double degrees = value.get<double>();
        EXPECT_GE(degrees, 0.0) << key;
        EXPECT_LT(degrees, 360.0) << key;
        EXPECT_DOUBLE_EQ(degrees, std::round(degrees * 1e6) / 1e6) << key << " has six decimals";
    }
}

TEST(CliPositions, PreciseChartAgreesWithTheSwissEphemerisAndSaysSo) {
    const auto run = testing::runCli(with(kDelhi, {"--positions", "precise", "--format", "json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("Positions"), "precise");
    // 1985-06-15 09:00 UT, apparent longitudes of date from the Swiss Ephemeris
    // 2.10.03 (DE431 files); six arcseconds allowed.
    constexpr double kToleranceDeg = 6.0 / 3600.0;
    EXPECT_NEAR(json.at("Longitudes").at("Saturn").get<double>(), 232.715093, kToleranceDeg);
    EXPECT_NEAR(json.at("Longitudes").at("Moon").get<double>(), 49.144383, kToleranceDeg);
    EXPECT_NEAR(json.at("Longitudes").at("Asc").get<double>(), 202.648721, kToleranceDeg);
    EXPECT_NEAR(json.at("Longitudes").at("Chiron").get<double>(), 70.073117, kToleranceDeg);
    EXPECT_NEAR(json.at("Longitudes").at("TrueNode").get<double>(), 47.868921, kToleranceDeg);
    EXPECT_NEAR(json.at("Longitudes").at("MeanNode").get<double>(), 46.391017, kToleranceDeg);
    EXPECT_NEAR(json.at("Longitudes").at("Lilith").get<double>(), 31.506273, kToleranceDeg);
    // A day birth: Ascendant + Moon - Sun.
    EXPECT_NEAR(json.at("Longitudes").at("Fortune").get<double>(),
                202.648721 + 49.144383 - 84.201293, kToleranceDeg);
    EXPECT_EQ(json.at("PlanetPositions").at(6), "22 Sco 42");
    // The station tables still mark the retrograde planets.
    EXPECT_EQ(json.at("PlanetNames").at(6), "Saturn (R) ");

    const auto text = testing::runCli(with(kDelhi, {"--positions", "precise"}));
    EXPECT_NE(text.out.find("Computed for 15 Jun 1985 09:00 UT, Indian Time, IST, +5.3, "
                            "precise positions"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Saturn (R)    22 Sco 42"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("Asc           22 Lib 38\nChiron        10 Gem 04\n"
                            "True Node     17 Tau 52\nMean Node     16 Tau 23\n"
                            "Lilith        01 Tau 30\nFortune       17 Vir 35\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(testing::runCli(kDelhi).out.find("+5.3, classic positions"), std::string::npos);
}

TEST(CliPositions, AnUnknownSourceIsRefused) {
    const auto run = testing::runCli(with(kDelhi, {"--positions", "exact"}));
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("--positions"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
}

} // namespace
} // namespace orbenza
