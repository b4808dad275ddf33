#include "houses/Houses.h"

#include "ephemeris/Ephemeris.h"

#include <cmath>
#include <fstream>
#include <gtest/gtest.h>
#include <numbers>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace orbenza {
namespace {

// One moment of the committed Swiss Ephemeris table (tools/house-cusps).
struct CuspRow {
    int lineNumber = 0;
    double julianDayUt = 0, latitudeDeg = 0, longitudeDeg = 0, ramcDeg = 0, obliquityDeg = 0;
    double ascDeg = 0, mcDeg = 0, vertexDeg = 0;
    struct Cusps {
        HouseSystem system;
        bool fellBack; // the library fell back to Porphyry
        std::array<double, 12> cuspsDeg;
    };
    std::vector<Cusps> systems;
    HouseFrame frame() const { return {ramcDeg, obliquityDeg, latitudeDeg}; }
};

std::vector<CuspRow> readCuspTable() {
    std::vector<CuspRow> rows;
    const std::string path = std::string(ORBENZA_SOURCE_DIR) + "/tests/core/houses/house-cusps.txt";
    std::ifstream in(path);
    EXPECT_TRUE(in) << "cannot open " << path;
    std::string line;
    int lineNumber = 0;
    while (std::getline(in, line)) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        std::istringstream fields(line);
        std::string head;
        fields >> head;
        if (head == "moment") {
            CuspRow row;
            row.lineNumber = lineNumber;
            fields >> row.julianDayUt >> row.latitudeDeg >> row.longitudeDeg >> row.ramcDeg >>
                row.obliquityDeg >> row.ascDeg >> row.mcDeg >> row.vertexDeg;
            EXPECT_FALSE(fields.fail()) << path << ':' << lineNumber;
            rows.push_back(row);
            continue;
        }
        const auto system = houseSystemNamed(head);
        int rc = 0;
        CuspRow::Cusps cusps{};
        fields >> rc;
        for (double& cusp : cusps.cuspsDeg)
            fields >> cusp;
        if (!system || fields.fail() || rows.empty()) {
            ADD_FAILURE() << path << ':' << lineNumber << ": unreadable row";
            continue;
        }
        cusps.system = *system;
        cusps.fellBack = rc < 0;
        rows.back().systems.push_back(cusps);
    }
    EXPECT_EQ(rows.size(), 128u);
    return rows;
}

const std::vector<CuspRow>& cuspTable() {
    static const std::vector<CuspRow> rows = readCuspTable();
    return rows;
}

double arcsecBetween(double aDeg, double bDeg) {
    double d = std::fmod(aDeg - bDeg, 360.0);
    if (d > 180.0)
        d -= 360.0;
    if (d < -180.0)
        d += 360.0;
    return std::fabs(d) * 3600.0;
}

// The largest difference of the twelve cusps, arcseconds.
double worstCuspArcsec(const std::array<double, 12>& ours, const std::array<double, 12>& theirs) {
    double worst = 0;
    for (std::size_t k = 0; k < 12; ++k)
        worst = std::max(worst, arcsecBetween(ours[k], theirs[k]));
    return worst;
}

// With the library's own sidereal time and obliquity, every system's geometry
// agrees with it to the table's last digit: any slip in a formula shows here.
TEST(HouseCusps, EverySystemMatchesTheSwissTableForTheSameFrame) {
    for (const CuspRow& row : cuspTable()) {
        SCOPED_TRACE("line " + std::to_string(row.lineNumber));
        const ChartAngles angles = chartAngles(row.frame());
        EXPECT_LT(arcsecBetween(angles.ascDeg, row.ascDeg), 0.01);
        EXPECT_LT(arcsecBetween(angles.mcDeg, row.mcDeg), 0.01);
        if (row.latitudeDeg != 0.0) { // on the equator either end of the prime vertical will do
            EXPECT_LT(arcsecBetween(angles.vertexDeg, row.vertexDeg), 0.01);
        }
        EXPECT_LT(arcsecBetween(angles.dscDeg, row.ascDeg + 180.0), 0.01);
        EXPECT_LT(arcsecBetween(angles.icDeg, row.mcDeg + 180.0), 0.01);
        for (const CuspRow::Cusps& expected : row.systems) {
            const HouseCusps cusps = houseCusps(expected.system, row.frame());
            EXPECT_LT(worstCuspArcsec(cusps.cuspsDeg, expected.cuspsDeg), 0.01)
                << houseSystemName(expected.system);
            EXPECT_EQ(cusps.note != HouseNote::None, expected.fellBack)
                << houseSystemName(expected.system);
        }
    }
}

// The whole chain as a precise chart runs it: apparent sidereal time and true
// obliquity from the precise series, within 2" up to 60 degrees. In 2050
// the library leaves its IAU 2006 sidereal time for a long-term one joined on
// with constant offsets, which moves its meridian by about 2.6"; those moments
// are held to 4".
TEST(HouseCusps, PreciseSiderealTimeAndObliquityGiveCuspsWithinTwoArcseconds) {
    constexpr double kJulianDay2050 = 2469807.5;
    double worst = 0;
    for (const CuspRow& row : cuspTable()) {
        if (std::fabs(row.latitudeDeg) > 60.0)
            continue;
        const double tolerance = row.julianDayUt < kJulianDay2050 ? 2.0 : 4.0;
        const EphemerisPositions precise =
            ephemerisPositions(row.julianDayUt, row.latitudeDeg, row.longitudeDeg);
        const HouseFrame frame{precise.localApparentSiderealDeg, precise.trueObliquityDeg,
                               row.latitudeDeg};
        for (const CuspRow::Cusps& expected : row.systems) {
            const double arcsec =
                worstCuspArcsec(houseCusps(expected.system, frame).cuspsDeg, expected.cuspsDeg);
            EXPECT_LT(arcsec, tolerance)
                << "line " << row.lineNumber << ' ' << houseSystemName(expected.system);
            if (tolerance == 2.0)
                worst = std::max(worst, arcsec);
        }
    }
    RecordProperty("worst_arcsec", std::to_string(worst));
}

// From 67 to 80 degrees Placidus and Koch give way to Porphyry and say why;
// the systems that are defined there keep their own cusps.
TEST(HouseCusps, BeyondThePolarCirclePlacidusAndKochBecomePorphyryWithANote) {
    int polarRows = 0;
    for (const CuspRow& row : cuspTable()) {
        if (std::fabs(row.latitudeDeg) < 67.0)
            continue;
        ++polarRows;
        const HouseCusps porphyry = houseCusps(HouseSystem::Porphyry, row.frame());
        for (HouseSystem asked : {HouseSystem::Placidus, HouseSystem::Koch}) {
            const HouseCusps cusps = houseCusps(asked, row.frame());
            EXPECT_EQ(cusps.system, HouseSystem::Porphyry);
            EXPECT_EQ(cusps.note, HouseNote::PolarCircle);
            EXPECT_EQ(cusps.cuspsDeg, porphyry.cuspsDeg);
        }
        for (HouseSystem defined : {HouseSystem::Regiomontanus, HouseSystem::Campanus,
                                    HouseSystem::Topocentric, HouseSystem::Morinus}) {
            const HouseCusps cusps = houseCusps(defined, row.frame());
            EXPECT_EQ(cusps.system, defined);
            EXPECT_EQ(cusps.note, HouseNote::None);
        }
    }
    EXPECT_EQ(polarRows, 32);
}

// On the equator the north and south points of the horizon are the celestial
// poles, so every quadrant system's house circles are hour circles 30 degrees
// of right ascension apart: they all give the meridian system's cusps.
TEST(HouseCusps, OnTheEquatorTheQuadrantSystemsAllGiveTheMeridianCusps) {
    for (double ramcDeg : {0.0, 47.5, 133.0, 251.25, 359.9}) {
        const HouseFrame frame{ramcDeg, 23.44, 0.0};
        const auto meridian = houseCusps(HouseSystem::Meridian, frame).cuspsDeg;
        for (HouseSystem system :
             {HouseSystem::Placidus, HouseSystem::Koch, HouseSystem::Regiomontanus,
              HouseSystem::Campanus, HouseSystem::Alcabitius, HouseSystem::Topocentric})
            EXPECT_LT(worstCuspArcsec(houseCusps(system, frame).cuspsDeg, meridian), 1e-4)
                << houseSystemName(system) << " at RAMC " << ramcDeg;
    }
}

TEST(HouseOf, HouseRunsFromItsCuspUpToTheNext) {
    // Unequal houses across 0 Aries: house 3 runs from 350 to 20.
    const std::array<double, 12> cusps{300.0, 320.0, 350.0, 20.0,  50.0,  100.0,
                                       120.0, 140.0, 170.0, 200.0, 230.0, 280.0};
    struct Case {
        double longitudeDeg;
        int house;
    } cases[] = {
        {300.0, 1}, {319.999999, 1}, {320.0, 2}, {350.0, 3},   {359.99, 3}, {0.0, 3},
        {19.9, 3},  {20.0, 4},       {99.0, 5},  {279.99, 11}, {280.0, 12}, {299.999, 12},
    };
    for (const Case& c : cases)
        EXPECT_EQ(houseOf(cusps, c.longitudeDeg), c.house) << c.longitudeDeg;
}

TEST(HouseOf, HousesThatRunBackwardAreCountedBackward) {
    // Regiomontanus at 80 N with the Midheaven below the horizon: the houses
    // run clockwise from the Ascendant at 25.
    const std::array<double, 12> cusps{25.0,  19.6,  331.8, 219.1, 211.6, 208.3,
                                       205.0, 199.6, 151.8, 39.1,  31.6,  28.3};
    EXPECT_EQ(houseOf(cusps, 25.0), 1);
    EXPECT_EQ(houseOf(cusps, 20.0), 1);
    EXPECT_EQ(houseOf(cusps, 19.6), 2);
    EXPECT_EQ(houseOf(cusps, 0.0), 2);
    EXPECT_EQ(houseOf(cusps, 30.0), 11);
    EXPECT_EQ(houseOf(cusps, 26.0), 12);
    EXPECT_EQ(houseOf(cusps, 100.0), 9);
}

TEST(AngleSpeeds, TheMidheavenGainsAboutADegreeOfLongitudeForEachOfRightAscension) {
    const AngleSpeeds speeds = angleSpeeds({0.0, 23.44, 51.5});
    // At 0 Aries the meridian's longitude moves 1 / cos(eps) as fast as RAMC.
    EXPECT_NEAR(speeds.mcDegPerDay, kSiderealDegPerDay / std::cos(23.44 * std::numbers::pi / 180),
                0.01);
    EXPECT_GT(speeds.ascDegPerDay, 0.0);
}

} // namespace
} // namespace orbenza

namespace orbenza {
namespace {

// Published worked examples: cusps printed in a source beside the moment, the
// place and the frame they were computed for. A row per example.
constexpr double kPublishedToleranceArcsec = 2.0;

struct PublishedExample {
    const char* source;
    double julianDayUt;
    double eastLongitudeDeg, latitudeDeg;
    HouseSystem system;
    double trueObliquityDeg;                          // as the source prints it
    std::array<std::optional<double>, 12> cuspsDeg{}; // those the source prints
};

constexpr double dms(double degrees, double minutes, double seconds) {
    return degrees + minutes / 60.0 + seconds / 3600.0;
}

// The Swiss Ephemeris documentation (swisseph, section "Houses", Placidus near
// the polar circle, version 2.09): swetest -b26.1.2000 -ut8:08
// -house30,66.562,P, houses 1 to 6, with the true obliquity of the moment.
// Its houses 2 and 3 are left out: at this latitude they are not where the
// semi-arc condition holds (a search of the whole circle finds one root for
// each, 13'36" and 1'33" further on, where ours stand); the source's own
// iteration stops short there, as its note on version 2.08 tells of houses 5
// and 6.
const PublishedExample kPublishedExamples[] = {
    {"Swiss Ephemeris documentation, 26.1.2000 8:08 UT, 30E 66.562N, Placidus (SE 2.09)",
     2451569.838888889,
     30.0,
     66.562,
     HouseSystem::Placidus,
     dms(23, 26, 16.2121),
     {dms(93, 10, 50.7734), std::nullopt, std::nullopt, dms(96, 22, 19.2129), dms(99, 34, 5.9429),
      dms(109, 14, 4.4696)}},
};

TEST(HouseCusps, AgreeWithPublishedWorkedExamples) {
    for (const PublishedExample& example : kPublishedExamples) {
        const SiderealFrame sidereal = siderealFrame(example.julianDayUt);
        EXPECT_NEAR(sidereal.trueObliquityDeg, example.trueObliquityDeg, 0.01 / 3600.0)
            << example.source;
        const double ramc =
            std::fmod(sidereal.greenwichApparentSiderealDeg + example.eastLongitudeDeg, 360.0);
        const HouseCusps cusps =
            houseCusps(example.system, {ramc, sidereal.trueObliquityDeg, example.latitudeDeg});
        EXPECT_EQ(cusps.system, example.system) << example.source;
        for (std::size_t k = 0; k < 12; ++k) {
            if (!example.cuspsDeg[k])
                continue;
            EXPECT_NEAR(std::remainder(cusps.cuspsDeg[k] - *example.cuspsDeg[k], 360.0) * 3600.0,
                        0.0, kPublishedToleranceArcsec)
                << example.source << ", house " << k + 1;
        }
    }
}

} // namespace
} // namespace orbenza
