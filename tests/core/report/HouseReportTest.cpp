#include "report/HouseReport.h"

#include "report/InterpretationTexts.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace orbenza {
namespace {

// A chart whose Ascendant is `ascendant` and whose planets are all malformed
// (empty texts) except those listed as (planet index, position text).
ChartPositions chartWith(const std::string& ascendant,
                         std::initializer_list<std::pair<int, std::string>> planets) {
    ChartPositions positions{};
    positions[indexOf(Body::Ascendant)] = ascendant;
    for (const auto& [planet, text] : planets)
        positions[static_cast<std::size_t>(planet)] = text;
    return positions;
}

// Exact, case-sensitive search of the label table.
int labelIndex(std::string_view label) {
    for (int k = 1; k <= kDegreeCount; ++k) {
        if (degreeName()[static_cast<std::size_t>(k)] == label)
            return k;
    }
    return 0;
}

TEST(DegreeLabels, ExactLookupOfLabels) {
    EXPECT_EQ(labelIndex("01 Ari"), 1);
    EXPECT_EQ(labelIndex("30 Pis"), 360);
    EXPECT_EQ(labelIndex("16 Vir"), 166);
    EXPECT_EQ(labelIndex("31 Ari"), 0);
    EXPECT_EQ(labelIndex("01 ari"), 0);
}

TEST(DegreeLabels, PrefixLookup) {
    // Expected indexes: degree d of sign s (Aries = 0) names label d + 1, index 30 s + d + 1.
    const std::pair<std::string, int> rows[] = {
        {"00 Ari 12", 1},   {"29 Ari 59", 30}, {"00 Tau 00", 31},  {"15 Vir 07", 166},
        {"29 Pis 59", 360}, {"05 Sco", 216},   {"05 Scoxyz", 216}, // only six characters count
        {"30 Ari 00", 0},   {"31 Ari", 0},     {" 5 Ari 00", 0},   {"5 Ari 00", 0},
        {"05 ari 00", 0},   {"05 ARI", 0},     {"05Ari 00", 0},    {"05-Ari", 0},
        {"05 Ar", 0},       {"", 0},           {"+5 Ari", 0},      {"05 Xyz", 0},
    };
    for (const auto& [text, expected] : rows)
        EXPECT_EQ(degreeIndexOfPrefix(text), expected) << "prefix \"" << text << "\"";
}

TEST(DegreeLabels, PrefixLookupAgreesWithEveryLabel) {
    // The prefix one degree below each label finds that label's own index.
    for (int k = 1; k <= kDegreeCount; ++k) {
        const std::string label(degreeName()[static_cast<std::size_t>(k)]);
        ASSERT_EQ(label.size(), 6u) << "label " << k;
        const int degree = std::stoi(label.substr(0, 2)) - 1;
        const std::string prefix =
            (degree < 10 ? "0" : "") + std::to_string(degree) + label.substr(2);
        EXPECT_EQ(degreeIndexOfPrefix(prefix), k) << "prefix \"" << prefix << "\"";
    }
}

TEST(Houses, BoundsFromTheAscendant) {
    struct Row {
        const char* ascendant;
        int house, start, end;
    };
    const Row rows[] = {
        {"00 Ari 00", 1, 1, 30},    {"00 Ari 00", 12, 331, 360}, // houses coincide with signs
        {"14 Ari 30", 1, 15, 44},   {"14 Ari 30", 12, 345, 14},  // house 12 runs across 360
        {"00 Pis 10", 1, 331, 360}, {"00 Pis 10", 2, 1, 30},     // 360 + 1 becomes 1
        {"29 Pis 59", 1, 360, 29},  {"29 Pis 59", 2, 30, 59},
    };
    for (const Row& row : rows) {
        const HousePlacement placement = placeHouses(chartWith(row.ascendant, {}));
        const auto h = static_cast<std::size_t>(row.house);
        EXPECT_EQ(placement.houseStart[h], row.start) << row.ascendant << " house " << row.house;
        EXPECT_EQ(placement.houseEnd[h], row.end) << row.ascendant << " house " << row.house;
    }
}

TEST(Houses, EveryAscendantCoversTheCircleOnce) {
    for (int a = 1; a <= kDegreeCount; ++a) {
        const std::string label(degreeName()[static_cast<std::size_t>(a)]);
        const int degree = std::stoi(label.substr(0, 2)) - 1;
        const std::string ascendant =
            (degree < 10 ? "0" : "") + std::to_string(degree) + label.substr(2) + " 00";
        const HousePlacement placement = placeHouses(chartWith(ascendant, {}));
        ASSERT_TRUE(placement.ascendantFound) << ascendant;
        int crossing = 0;
        for (int h = 1; h <= kHouseCount; ++h)
            crossing += placement.houseEnd[static_cast<std::size_t>(h)] <
                        placement.houseStart[static_cast<std::size_t>(h)];
        EXPECT_EQ(crossing, (a - 1) % 30 == 0 ? 0 : 1) << ascendant;
        for (int i = 1; i <= kDegreeCount; ++i) {
            int holders = 0;
            for (int h = 1; h <= kHouseCount; ++h)
                holders += houseContains(placement, h, i);
            ASSERT_EQ(holders, 1) << ascendant << " degree index " << i;
        }
    }
}

TEST(Houses, EveryDegreeGoesToTheFirstHouseHoldingIt) {
    // For every Ascendant and every planet degree, the house the planet is
    // given is the first of houses 1..12 whose bounds hold the degree.
    const auto prefixOf = [](int index) {
        const std::string label(degreeName()[static_cast<std::size_t>(index)]);
        const int degree = std::stoi(label.substr(0, 2)) - 1;
        return (degree < 10 ? "0" : "") + std::to_string(degree) + label.substr(2) + " 00";
    };
    for (int a = 1; a <= kDegreeCount; ++a) {
        ChartPositions positions = chartWith(prefixOf(a), {});
        for (int i = 1; i <= kDegreeCount; ++i) {
            positions[0] = prefixOf(i);
            const HousePlacement placement = placeHouses(positions);
            int first = 0;
            for (int h = 1; h <= kHouseCount && first == 0; ++h)
                first = houseContains(placement, h, i) ? h : 0;
            ASSERT_EQ(placement.planetHouse[0], first) << "Ascendant " << a << ", planet " << i;
        }
    }
}

TEST(Houses, PlanetAssignment) {
    struct Row {
        const char* ascendant;
        const char* planet;
        int house;
    };
    const Row rows[] = {
        {"14 Ari 30", "04 Ari 10", 12}, {"14 Ari 30", "29 Pis 59", 12},
        {"14 Ari 30", "14 Ari 00", 1},  {"14 Ari 30", "13 Ari 59", 12},
        {"14 Ari 30", "13 Tau 00", 1},  {"14 Ari 30", "14 Tau 00", 2},
        {"00 Pis 10", "09 Ari 00", 2},  {"00 Pis 10", "29 Pis 00", 1},
        {"00 Ari 00", "00 Tau 00", 2},  {"00 Ari 00", "29 Pis 59", 12},
        {"00 Ari 00", "00 Ari 00", 1},
    };
    for (const Row& row : rows) {
        const HousePlacement placement = placeHouses(chartWith(row.ascendant, {{4, row.planet}}));
        EXPECT_EQ(placement.planetHouse[4], row.house) << row.ascendant << " / " << row.planet;
        for (int h = 1; h <= kHouseCount; ++h)
            EXPECT_EQ(placement.houseOccupied[static_cast<std::size_t>(h)], h == row.house)
                << row.ascendant << " / " << row.planet << " house " << h;
    }
}

TEST(Houses, MalformedPositions) {
    // A malformed planet stays out; the others are placed.
    const HousePlacement placement =
        placeHouses(chartWith("00 Ari 00", {{0, "05 Ari 00"}, {1, "5 Ari 00"}, {2, "05 ari 00"}}));
    EXPECT_EQ(placement.planetHouse[0], 1);
    EXPECT_EQ(placement.planetHouse[1], 0);
    EXPECT_EQ(placement.planetHouse[2], 0);

    // A malformed Ascendant: no bounds, nothing placed, no report at all.
    const ChartPositions noAscendant = chartWith("30 Ari 00", {{0, "05 Ari 00"}, {1, "10 Leo 00"}});
    const HousePlacement empty = placeHouses(noAscendant);
    EXPECT_FALSE(empty.ascendantFound);
    for (int h = 1; h <= kHouseCount; ++h) {
        EXPECT_EQ(empty.houseStart[static_cast<std::size_t>(h)], 0);
        EXPECT_EQ(empty.houseEnd[static_cast<std::size_t>(h)], 0);
        EXPECT_FALSE(empty.houseOccupied[static_cast<std::size_t>(h)]);
    }
    EXPECT_EQ(empty.planetHouse, (std::array<int, 10>{}));
    EXPECT_TRUE(houseReport(noAscendant).empty());
}

TEST(ReportRuns, OnlyTheSunInTheFirstHouse) {
    const std::vector<ReportRun> runs = houseReport(chartWith("00 Ari 00", {{0, "05 Ari 34"}}));
    const Rgb darkRed{128, 0, 0};
    const Rgb black{0, 0, 0};
    struct Expected {
        std::string text;
        bool heading;
        Rgb color;
    };
    const std::vector<Expected> expected = {
        {"Sun In First House\r\n", true, darkRed},
        {std::string(planetInHouseText(1, 0)) + "\r\n\r\n", false, black},
        {"Characteristics Of Planet Sun :-\r\n", true, darkRed},
        {std::string(planetCharacteristics(0).text) + "\r\n\r\n", false, black},
        {"More About First House\r\n", true, darkRed},
        {std::string(houseDesc(1)) + "\r\n\r\n", false, black},
    };
    ASSERT_EQ(runs.size(), expected.size());
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].text, expected[i].text) << "run " << i;
        EXPECT_EQ(runs[i].heading, expected[i].heading) << "run " << i;
        EXPECT_TRUE(runs[i].color == expected[i].color)
            << "run " << i << ": (" << +runs[i].color.r << "," << +runs[i].color.g << ","
            << +runs[i].color.b << ")";
    }
    std::string joined;
    for (const Expected& run : expected)
        joined += run.text;
    EXPECT_EQ(reportPlainText(runs), joined);
}

TEST(ReportRuns, TwoPlanetsInOneHouseAndEmptyHouses) {
    // Moon before Sun in degrees, but the blocks follow the planet order; Mars in house 3.
    const std::vector<ReportRun> runs = houseReport(
        chartWith("00 Ari 00", {{1, "02 Ari 00"}, {0, "20 Ari 00"}, {4, "10 Gem 00"}}));
    const std::vector<std::string> headings = {"Sun In First House\r\n",
                                               "Characteristics Of Planet Sun :-\r\n",
                                               "Moon In First House\r\n",
                                               "Characteristics Of Planet Moon :-\r\n",
                                               "More About First House\r\n",
                                               "Mars In Third House\r\n",
                                               "Characteristics Of Planet Mars :-\r\n",
                                               "More About Third House\r\n"};
    std::vector<std::string> actual;
    for (const ReportRun& run : runs) {
        if (run.heading)
            actual.emplace_back(run.text);
    }
    EXPECT_EQ(actual, headings);
    EXPECT_EQ(runs.size(), 16u);
    EXPECT_EQ(reportPlainText(runs).find("Second House"), std::string::npos);
}

TEST(ReportRuns, HeadingColoursAlternateFromTheSun) {
    ChartPositions positions = chartWith("00 Ari 00", {});
    for (int planet = 0; planet < kReportPlanetCount; ++planet)
        positions[static_cast<std::size_t>(planet)] = "10 Can 00"; // all in the fourth house
    const std::vector<ReportRun> runs = houseReport(positions);
    ASSERT_EQ(runs.size(), 42u);
    for (int planet = 0; planet < kReportPlanetCount; ++planet) {
        const Rgb expected = planet % 2 == 0 ? Rgb{128, 0, 0} : Rgb{0, 0, 255};
        const auto block = static_cast<std::size_t>(4 * planet);
        EXPECT_EQ(runs[block].text.rfind(std::string(reportPlanetName(planet)) + " In", 0), 0u);
        EXPECT_TRUE(runs[block].color == expected) << "planet " << planet;
        EXPECT_TRUE(runs[block + 2].color == expected) << "planet " << planet;
        EXPECT_TRUE(runs[block + 1].color == (Rgb{0, 0, 0})) << "planet " << planet;
    }
    EXPECT_TRUE(runs[40].color == (Rgb{128, 0, 0}));
    EXPECT_EQ(runs[40].text, "More About Fourth House\r\n");
}

TEST(ReportRuns, SecondChartDependsOnlyOnItsOwnPositions) {
    const ChartPositions first =
        chartWith("14 Ari 30", {{0, "04 Ari 10"}, {1, "20 Leo 00"}, {6, "01 Cap 00"}});
    const ChartPositions second = chartWith("00 Pis 10", {{0, "09 Ari 00"}});
    const std::vector<ReportRun> secondAlone = houseReport(second);
    const std::vector<ReportRun> firstRuns = houseReport(first);
    const std::vector<ReportRun> secondAfterFirst = houseReport(second);
    EXPECT_EQ(secondAfterFirst, secondAlone);
    ASSERT_EQ(secondAfterFirst.size(), 6u);
    EXPECT_EQ(secondAfterFirst[0].text, "Sun In Second House\r\n");
    // The first chart's Sun stood elsewhere, and its houses leave no trace.
    EXPECT_NE(reportPlainText(firstRuns).find("Sun In Twelfth House\r\n"), std::string::npos);
    EXPECT_EQ(reportPlainText(secondAfterFirst).find("Sun In Twelfth"), std::string::npos);
}

TEST(ReportRuns, FullChartWritesEveryPlanetOnce) {
    const ChartPositions positions = {"16 Sag 02", "03 Pis 41", "29 Sco 59", "00 Cap 00",
                                      "12 Vir 18", "07 Gem 33", "21 Aqu 09", "18 Sco 47",
                                      "25 Sag 12", "01 Lib 30", "22 Leo 15"};
    const std::vector<ReportRun> runs = houseReport(positions);
    const std::string text = reportPlainText(runs);
    const HousePlacement placement = placeHouses(positions);
    std::set<int> occupied;
    for (int planet = 0; planet < kReportPlanetCount; ++planet) {
        const std::string heading(planetCharacteristics(planet).heading);
        const std::size_t at = text.find(heading);
        EXPECT_NE(at, std::string::npos) << heading;
        EXPECT_EQ(text.find(heading, at + 1), std::string::npos) << heading;
        occupied.insert(placement.planetHouse[static_cast<std::size_t>(planet)]);
    }
    EXPECT_EQ(occupied.count(0), 0u);
    EXPECT_EQ(runs.size(), 4 * 10 + 2 * occupied.size());
    EXPECT_EQ(text.substr(text.size() - 4), "\r\n\r\n");
}

} // namespace
} // namespace orbenza
