#include "report/HouseReport.h"

#include "SampleChart.h"
#include "base/Sign.h"
#include "report/InterpretationTexts.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>

namespace orbenza {
namespace {

constexpr int at(Sign sign, int degree) {
    return degreeIndexAt(sign, degree);
}

using DegreeIndexes = std::array<int, kBodyCount>;

// A chart whose Ascendant stands at degree index `ascendant` and whose
// planets have no position (index 0) except those listed as (planet, index).
DegreeIndexes chartWith(int ascendant, std::initializer_list<std::pair<int, int>> planets) {
    DegreeIndexes indexes{};
    indexes[indexOf(Body::Ascendant)] = ascendant;
    for (const auto& [planet, index] : planets)
        indexes[static_cast<std::size_t>(planet)] = index;
    return indexes;
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

TEST(Houses, BoundsFromTheAscendant) {
    struct Row {
        int ascendant;
        int house, start, end;
    };
    const Row rows[] = {
        {at(Sign::Aries, 0), 1, 1, 30},
        {at(Sign::Aries, 0), 12, 331, 360}, // houses coincide with signs
        {at(Sign::Aries, 14), 1, 15, 44},
        {at(Sign::Aries, 14), 12, 345, 14}, // house 12 runs across 360
        {at(Sign::Pisces, 0), 1, 331, 360},
        {at(Sign::Pisces, 0), 2, 1, 30}, // 360 + 1 becomes 1
        {at(Sign::Pisces, 29), 1, 360, 29},
        {at(Sign::Pisces, 29), 2, 30, 59},
    };
    for (const Row& row : rows) {
        const HousePlacement placement = placeHousesAt(chartWith(row.ascendant, {}));
        const auto h = static_cast<std::size_t>(row.house);
        EXPECT_EQ(placement.houseStart[h], row.start) << row.ascendant << " house " << row.house;
        EXPECT_EQ(placement.houseEnd[h], row.end) << row.ascendant << " house " << row.house;
    }
}

TEST(Houses, EveryAscendantCoversTheCircleOnce) {
    for (int ascendant = 1; ascendant <= kDegreeCount; ++ascendant) {
        const HousePlacement placement = placeHousesAt(chartWith(ascendant, {}));
        ASSERT_TRUE(placement.ascendantFound) << ascendant;
        int crossing = 0;
        for (int h = 1; h <= kHouseCount; ++h)
            crossing += placement.houseEnd[static_cast<std::size_t>(h)] <
                        placement.houseStart[static_cast<std::size_t>(h)];
        EXPECT_EQ(crossing, (ascendant - 1) % 30 == 0 ? 0 : 1) << ascendant;
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
    for (int a = 1; a <= kDegreeCount; ++a) {
        DegreeIndexes positions = chartWith(a, {});
        for (int i = 1; i <= kDegreeCount; ++i) {
            positions[0] = i;
            const HousePlacement placement = placeHousesAt(positions);
            int first = 0;
            for (int h = 1; h <= kHouseCount && first == 0; ++h)
                first = houseContains(placement, h, i) ? h : 0;
            ASSERT_EQ(placement.planetHouse[0], first) << "Ascendant " << a << ", planet " << i;
        }
    }
}

TEST(Houses, PlanetAssignment) {
    struct Row {
        int ascendant;
        int planet;
        int house;
    };
    const Row rows[] = {
        {at(Sign::Aries, 14), at(Sign::Aries, 4), 12},
        {at(Sign::Aries, 14), at(Sign::Pisces, 29), 12},
        {at(Sign::Aries, 14), at(Sign::Aries, 14), 1},
        {at(Sign::Aries, 14), at(Sign::Aries, 13), 12},
        {at(Sign::Aries, 14), at(Sign::Taurus, 13), 1},
        {at(Sign::Aries, 14), at(Sign::Taurus, 14), 2},
        {at(Sign::Pisces, 0), at(Sign::Aries, 9), 2},
        {at(Sign::Pisces, 0), at(Sign::Pisces, 29), 1},
        {at(Sign::Aries, 0), at(Sign::Taurus, 0), 2},
        {at(Sign::Aries, 0), at(Sign::Pisces, 29), 12},
        {at(Sign::Aries, 0), at(Sign::Aries, 0), 1},
    };
    for (const Row& row : rows) {
        const HousePlacement placement = placeHousesAt(chartWith(row.ascendant, {{4, row.planet}}));
        EXPECT_EQ(placement.planetHouse[4], row.house) << row.ascendant << " / " << row.planet;
        for (int h = 1; h <= kHouseCount; ++h)
            EXPECT_EQ(placement.houseOccupied[static_cast<std::size_t>(h)], h == row.house)
                << row.ascendant << " / " << row.planet << " house " << h;
    }
}

TEST(Houses, BodiesWithoutAPosition) {
    // A planet without a position stays out; the others are placed.
    const HousePlacement placement =
        placeHousesAt(chartWith(at(Sign::Aries, 0), {{0, at(Sign::Aries, 5)}}));
    EXPECT_EQ(placement.planetHouse[0], 1);
    EXPECT_EQ(placement.planetHouse[1], 0);
    EXPECT_EQ(placement.planetHouse[2], 0);

    // No Ascendant: no bounds, nothing placed, no report at all.
    const HousePlacement empty =
        placeHousesAt(chartWith(0, {{0, at(Sign::Aries, 5)}, {1, at(Sign::Leo, 10)}}));
    EXPECT_FALSE(empty.ascendantFound);
    for (int h = 1; h <= kHouseCount; ++h) {
        EXPECT_EQ(empty.houseStart[static_cast<std::size_t>(h)], 0);
        EXPECT_EQ(empty.houseEnd[static_cast<std::size_t>(h)], 0);
        EXPECT_FALSE(empty.houseOccupied[static_cast<std::size_t>(h)]);
    }
    EXPECT_EQ(empty.planetHouse, (std::array<int, 10>{}));
    EXPECT_TRUE(houseReport(empty).empty());
}

TEST(ReportRuns, OnlyTheSunInTheFirstHouse) {
    const std::vector<ReportRun> runs =
        houseReport(placeHousesAt(chartWith(at(Sign::Aries, 0), {{0, at(Sign::Aries, 5)}})));
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
    const std::vector<ReportRun> runs = houseReport(placeHousesAt(
        chartWith(at(Sign::Aries, 0),
                  {{1, at(Sign::Aries, 2)}, {0, at(Sign::Aries, 20)}, {4, at(Sign::Gemini, 10)}})));
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
    DegreeIndexes positions = chartWith(at(Sign::Aries, 0), {});
    for (int planet = 0; planet < kReportPlanetCount; ++planet)
        positions[static_cast<std::size_t>(planet)] =
            at(Sign::Cancer, 10); // all in the fourth house
    const std::vector<ReportRun> runs = houseReport(placeHousesAt(positions));
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
    const DegreeIndexes first =
        chartWith(at(Sign::Aries, 14),
                  {{0, at(Sign::Aries, 4)}, {1, at(Sign::Leo, 20)}, {6, at(Sign::Capricorn, 1)}});
    const DegreeIndexes second = chartWith(at(Sign::Pisces, 0), {{0, at(Sign::Aries, 9)}});
    const std::vector<ReportRun> secondAlone = houseReport(placeHousesAt(second));
    const std::vector<ReportRun> firstRuns = houseReport(placeHousesAt(first));
    const std::vector<ReportRun> secondAfterFirst = houseReport(placeHousesAt(second));
    EXPECT_EQ(secondAfterFirst, secondAlone);
    ASSERT_EQ(secondAfterFirst.size(), 6u);
    EXPECT_EQ(secondAfterFirst[0].text, "Sun In Second House\r\n");
    // The first chart's Sun stood elsewhere, and its houses leave no trace.
    EXPECT_NE(reportPlainText(firstRuns).find("Sun In Twelfth House\r\n"), std::string::npos);
    EXPECT_EQ(reportPlainText(secondAfterFirst).find("Sun In Twelfth"), std::string::npos);
}

TEST(ReportRuns, FullChartWritesEveryPlanetOnce) {
    const HousePlacement placement = samplePlacement();
    const std::vector<ReportRun> runs = houseReport(placement);
    const std::string text = reportPlainText(runs);
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
