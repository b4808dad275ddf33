// The house systems, angles and aspects on the command line.
#include "CliRunner.h"

#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace orbenza {
namespace {

using testing::kDelhi;
using testing::runCli;
using testing::with;

TEST(HousesCli, JsonAddsTheHousesAndAspectsAfterTheExistingKeys) {
    const auto plain = runCli(with(kDelhi, {"--format", "json"}));
    const auto koch = runCli(with(kDelhi, {"--format", "json", "--houses", "koch"}));
    ASSERT_EQ(koch.status, 0) << koch.err;
    const auto before = nlohmann::ordered_json::parse(plain.out);
    const auto json = nlohmann::ordered_json::parse(koch.out);
    std::vector<std::string> keys;
    for (const auto& item : json.items())
        keys.push_back(item.key());
    ASSERT_GE(keys.size(), 6u);
    EXPECT_EQ(keys.back(), "Aspects");
    EXPECT_EQ(std::vector<std::string>(keys.end() - 6, keys.end()),
              (std::vector<std::string>{"HouseSystem", "HouseNote", "Cusps", "Angles", "Speeds",
                                        "Aspects"}));
    EXPECT_EQ(json.at("HouseSystem"), "koch");
    EXPECT_TRUE(json.at("HouseNote").is_null());
    EXPECT_EQ(json.at("Cusps").size(), 12u);
    EXPECT_EQ(json.at("Cusps")[0], json.at("Angles").at("Asc"));
    EXPECT_EQ(json.at("Cusps")[9], json.at("Angles").at("MC"));
    EXPECT_EQ(before.at("HouseSystem"), "equal");
    EXPECT_EQ(before.at("Cusps")[0], 202.0);
    // The existing keys keep their values, but the houses, which follow the system.
    for (const auto& item : before.items()) {
        if (item.key() != "Houses" && item.key() != "Report" && !json.contains(item.key()))
            ADD_FAILURE() << item.key() << " is missing";
    }
    EXPECT_EQ(json.at("Longitudes"), before.at("Longitudes"));
    // A, B in chart order; the Asc with the MC never.
    for (const auto& aspect : json.at("Aspects")) {
        EXPECT_FALSE(aspect.at("A") == "Asc" && aspect.at("B") == "MC");
        EXPECT_LE(aspect.at("Orb").get<double>(), 10.0);
    }
}

TEST(HousesCli, APolarPlacidusChartSaysWhyItIsPorphyry) {
    const auto run = runCli({"--name", "ANNA", "--date", "1990-01-10", "--time", "12:00", "--zone",
                             "29", "--lon", "18:57E", "--lat", "69:39N", "--format", "json",
                             "--houses", "placidus", "--report", "none"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto json = nlohmann::json::parse(run.out);
    EXPECT_EQ(json.at("HouseSystem"), "porphyry");
    EXPECT_EQ(json.at("HouseNote"),
              "placidus has no cusps at latitude 69\xC2\xB0 39' N, beyond the polar circle; "
              "porphyry is used");
    const auto text = runCli({"--name", "ANNA", "--date", "1990-01-10", "--lat", "69:39N",
                              "--houses", "placidus", "--report", "none"});
    EXPECT_NE(text.out.find("Houses (porphyry)\nplacidus has no cusps"), std::string::npos)
        << text.out;
}

TEST(HousesCli, AspectsAllAndOrbsFileWidenTheList) {
    const auto major = runCli(with(kDelhi, {"--format", "json", "--report", "none"}));
    const auto all =
        runCli(with(kDelhi, {"--format", "json", "--report", "none", "--aspects", "all"}));
    ASSERT_EQ(all.status, 0) << all.err;
    const auto majorCount = nlohmann::json::parse(major.out).at("Aspects").size();
    const auto allCount = nlohmann::json::parse(all.out).at("Aspects").size();
    EXPECT_GT(allCount, majorCount);

    char path[] = "/tmp/orbenza-orbs-XXXXXX";
    const int fd = mkstemp(path);
    ASSERT_GE(fd, 0);
    close(fd);
    std::ofstream(path) << R"({"conjunction": 0, "opposition": 0, "trine": 0, "square": 0,
                               "sextile": 0})";
    const auto none =
        runCli(with(kDelhi, {"--format", "json", "--report", "none", "--orbs", path}));
    ASSERT_EQ(none.status, 0) << none.err;
    // Only the Sun's and the Moon's two extra degrees are left.
    const nlohmann::json chart = nlohmann::json::parse(none.out);
    for (const auto& aspect : chart.at("Aspects")) {
        EXPECT_TRUE(aspect.at("A") == "Sun" || aspect.at("A") == "Moon") << aspect.dump();
        EXPECT_LE(aspect.at("Orb").get<double>(), 2.0);
    }
    std::ofstream(path) << R"({"trine": 6, "trines": 1})";
    const auto refused = runCli(with(kDelhi, {"--orbs", path}));
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("\"trines\" is not an aspect"), std::string::npos) << refused.err;
    std::remove(path);
}

TEST(HousesCli, UnknownSystemIsRefusedAndTheBatchMatchesTheSingleChart) {
    EXPECT_EQ(runCli(with(kDelhi, {"--houses", "equal-houses"})).status, 2);
    const std::string rows = "name,date,time,zone,lon,lat,dst\nANNA,1985-06-15,14:30,34,77:13E,"
                             "28:39N,0\n";
    const auto line =
        runCli({"--batch", "-", "--houses", "regiomontanus", "--aspects", "all"}, &rows);
    ASSERT_EQ(line.status, 0) << line.err;
    auto single = nlohmann::ordered_json::parse(
        runCli(with(kDelhi, {"--format", "json", "--houses", "regiomontanus", "--aspects", "all"}))
            .out);
    // Without any of the three options a batch line is as it always was.
    EXPECT_FALSE(nlohmann::json::parse(runCli({"--batch", "-"}, &rows).out).contains("Aspects"));
    single.erase("AscendantWindow");
    single.erase("HouseWindow");
    EXPECT_EQ(nlohmann::ordered_json::parse(line.out), single);
}

} // namespace
} // namespace orbenza
