// Transits, progressions, returns, synastry and composite on the command line.
#include "CliRunner.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <regex>

namespace orbenza::testing {
namespace {

using Json = nlohmann::ordered_json;

std::vector<std::string> command(const std::string& word, std::initializer_list<std::string> more) {
    std::vector<std::string> args{word};
    args.insert(args.end(), kDelhi.begin(), kDelhi.end());
    args.insert(args.end(), more);
    return args;
}

std::vector<std::string> keysOf(const Json& object) {
    std::vector<std::string> keys;
    for (const auto& item : object.items())
        keys.push_back(item.key());
    return keys;
}

TEST(PredictiveCli, TransitsAreListedInTheSpanWithTheirMomentsInUtc) {
    const auto run = runCli(
        command("transits", {"--from", "2024-12-30", "--to", "2025-01-02", "--format", "json"}));
    ASSERT_EQ(run.status, 0) << run.err;
    const Json events = Json::parse(run.out);
    ASSERT_FALSE(events.empty());
    const std::regex utc(R"(\d{4}-\d\d-\d\dT\d\d:\d\d:\d\dZ)");
    for (const Json& event : events) {
        EXPECT_EQ(keysOf(event), (std::vector<std::string>{"Transiting", "Natal", "Aspect", "Exact",
                                                           "Retrograde", "Enters", "Leaves"}));
        const std::string exact = event.at("Exact");
        EXPECT_TRUE(std::regex_match(exact, utc)) << exact;
        // The last day is searched to its end; the span crosses the year.
        EXPECT_GE(exact, "2024-12-30T00:00:00Z");
        EXPECT_LT(exact, "2025-01-03T00:00:00Z");
        EXPECT_LE(event.at("Enters").get<std::string>(), exact);
        EXPECT_GE(event.at("Leaves").get<std::string>(), exact);
        EXPECT_NE(event.at("Transiting"), "Moon");
    }
    const auto withMoon = runCli(command(
        "transits", {"--from", "2024-12-30", "--to", "2025-01-02", "--format", "json", "--moon"}));
    ASSERT_EQ(withMoon.status, 0) << withMoon.err;
    EXPECT_GT(Json::parse(withMoon.out).size(), events.size() + 5);

    EXPECT_EQ(runCli(command("transits", {"--from", "2025-02-01", "--to", "2025-01-01"})).status,
              2);
    EXPECT_EQ(runCli(command("transits", {"--from", "2025-01-01"})).status, 2);

    // The picture is the sky at the span's first moment round the chart.
    const auto svg = runCli(
        command("transits", {"--from", "2024-12-30", "--to", "2025-01-02", "--format", "svg"}));
    ASSERT_EQ(svg.status, 0) << svg.err;
    EXPECT_EQ(svg.out.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.out.find("the sky of 2024-12-30 00:00:00 UT"), std::string::npos);
}

TEST(PredictiveCli, ReturnsAndProgressionsAreTheSingleChartWithKindAndMoment) {
    const auto natal = runCli(with(kDelhi, {"--format", "json", "--report", "none"}));
    const auto solar = runCli(command("return", {"--year", "2030", "--format", "json", "--report",
                                                 "none", "--positions", "precise"}));
    ASSERT_EQ(solar.status, 0) << solar.err;
    const Json chart = Json::parse(solar.out);
    // The natal chart's keys but its birth-time windows, then Kind and Moment.
    auto natalKeys = keysOf(Json::parse(natal.out));
    std::erase_if(natalKeys, [](const std::string& key) { return key.ends_with("Window"); });
    natalKeys.insert(natalKeys.end(), {"Kind", "Moment"});
    EXPECT_EQ(keysOf(chart), natalKeys);
    EXPECT_EQ(chart.at("Kind"), "solar-return");
    EXPECT_EQ(chart.at("Moment"), chart.at("UniversalTime"));
    EXPECT_EQ(chart.at("Moment").get<std::string>().substr(0, 7), "2030-06");

    const auto lunar =
        runCli(command("return", {"--year", "2030", "--body", "moon", "--month", "2", "--format",
                                  "json", "--report", "none", "--place", "London"}));
    ASSERT_EQ(lunar.status, 0) << lunar.err;
    const Json lunarCharts = Json::parse(lunar.out);
    ASSERT_TRUE(lunarCharts.is_array());
    ASSERT_EQ(lunarCharts.size(), 1u); // February is shorter than the Moon's month
    EXPECT_EQ(lunarCharts[0].at("Kind"), "lunar-return");
    EXPECT_EQ(runCli(command("return", {"--year", "2030", "--body", "moon"})).status, 2);

    const auto progressed = runCli(
        command("progressed", {"--on", "2025-06-15", "--format", "json", "--report", "none"}));
    ASSERT_EQ(progressed.status, 0) << progressed.err;
    const Json p = Json::parse(progressed.out);
    EXPECT_EQ(p.at("Kind"), "progressed");
    // Forty years of age: the sky forty days after the birth.
    EXPECT_EQ(p.at("Moment").get<std::string>().substr(0, 10), "1985-07-25");
    EXPECT_TRUE(p.at("NatalAspects").is_array());
}

class PairCli : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = "/tmp/orbenza-pair-cli-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        m_library = m_folder + "/charts.sqlite";
        ASSERT_EQ(
            library(with({"add"}, {"--name", "ANNA", "--date", "1985-06-15", "--time", "14:30",
                                   "--zone", "34", "--lon", "77:13E", "--lat", "28:39N"}))
                .status,
            0);
        ASSERT_EQ(library({"add", "--name", "BEN", "--date", "1990-12-02", "--time", "06:05",
                           "--lon", "0:07W", "--lat", "51:30N"})
                      .status,
                  0);
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }
    CliRun library(std::vector<std::string> args) {
        args.insert(args.begin(), {"library", "--library", m_library});
        return runCli(args);
    }
    std::string m_folder, m_library;
};

TEST_F(PairCli, SynastryIsSeenFromEitherSideAndALibraryChartTransitsAsItsOptions) {
    const auto ab = library({"synastry", "1", "2", "--format", "json"});
    const auto ba = library({"synastry", "2", "1", "--format", "json"});
    ASSERT_EQ(ab.status, 0) << ab.err;
    const Json first = Json::parse(ab.out), second = Json::parse(ba.out);
    EXPECT_EQ(first.at("A"), "ANNA");
    EXPECT_EQ(first.at("B"), "BEN");
    ASSERT_EQ(first.at("Aspects").size(), second.at("Aspects").size());
    for (const Json& aspect : first.at("Aspects"))
        EXPECT_NE(std::find_if(second.at("Aspects").begin(), second.at("Aspects").end(),
                               [&](const Json& other) {
                                   return other.at("A") == aspect.at("B") &&
                                          other.at("B") == aspect.at("A") &&
                                          other.at("Orb") == aspect.at("Orb");
                               }),
                  second.at("Aspects").end());

    const auto composite = library({"composite", "1", "2", "--format", "json", "--report", "none"});
    ASSERT_EQ(composite.status, 0) << composite.err;
    EXPECT_EQ(Json::parse(composite.out).at("Kind"), "composite");
    EXPECT_EQ(library({"synastry", "1", "9"}).status, 2);
    const auto picture = library({"synastry", "2", "1", "--format", "svg"});
    ASSERT_EQ(picture.status, 0) << picture.err;
    EXPECT_NE(picture.out.find("Inside: BEN. Outside: ANNA"), std::string::npos);

    const std::vector<std::string> span{"--from", "2025-01-01", "--to", "2025-01-31"};
    auto fromLibrary = runCli(with({"transits", "--library", m_library, "--library-id", "1"},
                                   {span[0], span[1], span[2], span[3]}));
    auto fromOptions = runCli(command("transits", {span[0], span[1], span[2], span[3]}));
    ASSERT_EQ(fromLibrary.status, 0) << fromLibrary.err;
    EXPECT_EQ(fromLibrary.out, fromOptions.out);
}

} // namespace
} // namespace orbenza::testing
