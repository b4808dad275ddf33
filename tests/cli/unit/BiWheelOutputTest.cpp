// The command line's bi-wheel pictures name whose charts and which moment
// they show, and carry the outer ring's points.
#include "BiWheelOutput.h"

#include "chart/ChartRun.h"
#include "predictive/Moments.h"

#include <gtest/gtest.h>

namespace orbenza {
namespace {

// Born 15 June 1985 at 14:30 in New Delhi, Indian time.
BirthInput birthOf(const char* name) {
    BirthInput input;
    input.name = name;
    input.local = CivilDateTime{1985, 6, 15, 14, 30, 0};
    input.longitude = {77, 13, EastWest::East};
    input.latitude = {28, 39, NorthSouth::North};
    input.zonePosition = 34;
    return input;
}

TEST(BiWheelOutput, TransitsOfAMomentRoundTheNatalChart) {
    const ChartResult natal = runChart(birthOf("ANNA"));
    const double moment = julianDayOfMoment(CivilDateTime{2026, 1, 31, 22, 30, 5});
    const std::string svg = transitsBiWheelSvg(natal, moment, 640);
    EXPECT_NE(svg.find("<title>Orbenza transits of ANNA</title>"), std::string::npos);
    EXPECT_NE(svg.find("the sky of 2026-01-31 22:30:05 UT"), std::string::npos);
    // Chiron and the node stand only on the outer ring.
    EXPECT_NE(svg.find("\u26B7"), std::string::npos);
    EXPECT_NE(svg.find("\u260A"), std::string::npos);
}

TEST(BiWheelOutput, SynastryNamesBothCharts) {
    const std::string svg =
        synastryBiWheelSvg(runChart(birthOf("ANNA")), runChart(birthOf("BORIS")), 640);
    EXPECT_NE(svg.find("<title>Orbenza synastry of ANNA and BORIS</title>"), std::string::npos);
    EXPECT_NE(svg.find("Inside: ANNA. Outside: BORIS"), std::string::npos);
}

} // namespace
} // namespace orbenza
