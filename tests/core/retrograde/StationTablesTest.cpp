// Checks of the generated retrograde station tables: layout, extent, order, period lengths,
// and agreement with an older published table of the same stations.

#include "retrograde/StationTables.h"

#include "retrograde/Retrograde.h"

#include <chrono>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <string_view>

namespace orbenza {
namespace {

namespace chr = std::chrono;

// The older table was computed from a less precise ephemeris: its times differ from ours
// by minutes to about twelve hours, which moves a few dates by one day.
constexpr int ReferenceDateToleranceDays = 1;
// The period lengths of the older table, widened by a day at each end for the same reason.
constexpr double PeriodLengthToleranceDays = 1.0;

chr::sys_time<chr::minutes> moment(std::string_view row) {
    const StationMoment m = parseStationRow(row);
    return chr::sys_days{m.date} + m.hour + m.minute;
}

// A row is five whole numbers without leading zeros or spaces, each followed by a comma.
bool isWellFormedRow(std::string_view row) {
    const auto fields = splitStationRow(row);
    if (!fields[5].empty())
        return false;
    for (std::size_t k = 0; k < 5; ++k) {
        const std::string_view f = fields[k];
        if (f.empty() || f.find_first_not_of("0123456789") != std::string_view::npos)
            return false;
        if (f.size() > 1 && f.front() == '0')
            return false;
    }
    const StationMoment m = parseStationRow(row);
    return m.date.ok() && m.hour.count() <= 23 && m.minute.count() <= 59 &&
           m.date.year() >= chr::year{1899} && m.date.year() <= chr::year{2051};
}

struct ExtentCase {
    std::size_t planet;
    std::size_t rows;
    double shortestDays;
    double longestDays;
};

// Rows per planet and the range of period lengths (days) of the older table.
constexpr std::array<ExtentCase, StationPlanetCount> Extents{{
    {0, 476, 19.4, 24.6},
    {1, 95, 40.4, 43.6},
    {2, 71, 59.9, 81.1},
    {3, 139, 116.7, 124.6},
    {4, 146, 133.4, 141.9},
    {5, 150, 148.8, 154.6},
    {6, 150, 155.9, 160.7},
    {7, 151, 156.2, 164.8},
}};

TEST(StationTables, RowCountsCapacitiesAndSpareSlot) {
    for (const ExtentCase& c : Extents) {
        SCOPED_TRACE(std::string(StationPlanetNames[c.planet]));
        const StationTable& table = StationTables[c.planet];
        EXPECT_EQ(table.rowCount(), c.rows);
        EXPECT_EQ(table.stationStart.size(), StationTableCapacities[c.planet]);
        EXPECT_EQ(table.stationEnd.size(), table.stationStart.size());
        EXPECT_EQ(table.stationStart.back(), "");
        EXPECT_EQ(table.stationEnd.back(), "");
    }
}

TEST(StationTables, EveryRowIsFiveWholeNumbersEachFollowedByAComma) {
    for (std::size_t k = 0; k < StationPlanetCount; ++k) {
        const StationTable& table = StationTables[k];
        for (std::size_t i = 0; i < table.rowCount(); ++i) {
            EXPECT_TRUE(isWellFormedRow(table.stationStart[i]))
                << StationPlanetNames[k] << " start row " << i << ": \"" << table.stationStart[i]
                << '"';
            EXPECT_TRUE(isWellFormedRow(table.stationEnd[i]))
                << StationPlanetNames[k] << " end row " << i << ": \"" << table.stationEnd[i]
                << '"';
        }
    }
}

TEST(StationTables, StationsStrictlyAlternate) {
    for (std::size_t k = 0; k < StationPlanetCount; ++k) {
        const StationTable& table = StationTables[k];
        for (std::size_t i = 0; i < table.rowCount(); ++i) {
            EXPECT_LT(moment(table.stationStart[i]), moment(table.stationEnd[i]))
                << StationPlanetNames[k] << " row " << i << ": start \"" << table.stationStart[i]
                << "\", end \"" << table.stationEnd[i] << '"';
            if (i + 1 < table.rowCount()) {
                EXPECT_LT(moment(table.stationEnd[i]), moment(table.stationStart[i + 1]))
                    << StationPlanetNames[k] << " row " << i << ": end \"" << table.stationEnd[i]
                    << "\", next start \"" << table.stationStart[i + 1] << '"';
            }
        }
    }
}

TEST(StationTables, PeriodLengthsLieInEachPlanetsRange) {
    for (const ExtentCase& c : Extents) {
        const StationTable& table = StationTables[c.planet];
        for (std::size_t i = 0; i < table.rowCount(); ++i) {
            const double days = chr::duration<double, chr::days::period>(
                                    moment(table.stationEnd[i]) - moment(table.stationStart[i]))
                                    .count();
            EXPECT_GE(days, c.shortestDays - PeriodLengthToleranceDays)
                << StationPlanetNames[c.planet] << " row " << i << ": \"" << table.stationStart[i]
                << "\" to \"" << table.stationEnd[i] << '"';
            EXPECT_LE(days, c.longestDays + PeriodLengthToleranceDays)
                << StationPlanetNames[c.planet] << " row " << i << ": \"" << table.stationStart[i]
                << "\" to \"" << table.stationEnd[i] << '"';
        }
    }
}

struct ReferenceRow {
    std::size_t planet;
    std::size_t row;
    std::string_view start;
    std::string_view end;
};

// First, last and some well-known rows of the older published table (universal time).
constexpr ReferenceRow ReferenceRows[] = {
    {0, 0, "3,15,1900,13,19,", "4,7,1900,18,42,"},
    {0, 475, "12,1,2050,17,17,", "12,21,2050,11,33,"},
    {1, 0, "6,16,1900,22,56,", "7,30,1900,2,44,"},
    {1, 94, "9,25,2050,22,15,", "11,6,2050,19,4,"},
    {2, 0, "1,13,1901,6,16,", "4,4,1901,7,21,"},
    {2, 70, "7,15,2050,5,50,", "9,13,2050,9,41,"},
    {3, 0, "3,27,1900,20,39,", "7,29,1900,1,35,"},
    {3, 138, "12,21,2050,13,21,", "4,21,2051,23,46,"},
    {4, 0, "4,14,1900,6,2,", "9,2,1900,14,39,"},
    {4, 145, "5,18,2050,13,6,", "10,6,2050,11,5,"},
    {5, 0, "3,17,1900,17,36,", "8,17,1900,15,27,"},
    {5, 149, "12,30,2050,15,40,", "5,29,2051,6,22,"},
    {6, 0, "10,2,1900,13,58,", "3,8,1901,0,45,"},
    {6, 149, "8,31,2050,13,52,", "2,4,2051,10,41,"},
    {7, 0, "9,16,1899,5,48,", "2,27,1900,7,36,"},
    {7, 150, "6,10,2050,3,49,", "11,21,2050,16,16,"},
    {0, 268, "3,24,1985,18,47,", "4,17,1985,5,27,"},
    {0, 269, "7,28,1985,0,47,", "8,20,1985,22,45,"},
    {0, 315, "2,21,2000,0,39,", "3,14,2000,20,28,"},
    {1, 53, "3,13,1985,18,34,", "4,25,1985,12,12,"},
    {3, 78, "6,4,1985,20,48,", "10,3,1985,7,33,"},
    {3, 92, "9,29,2000,0,45,", "1,25,2001,14,49,"},
    {4, 82, "3,7,1985,11,38,", "7,25,1985,18,55,"},
    {4, 96, "8,30,1999,12,3,", "1,12,2000,4,2,"},
    {5, 84, "3,22,1985,20,45,", "8,22,1985,22,39,"},
    {6, 84, "4,4,1985,23,7,", "9,12,1985,4,29,"},
    {7, 85, "2,5,1985,19,38,", "7,12,1985,4,13,"},
    {7, 100, "3,15,2000,7,35,", "8,20,2000,17,4,"},
};

int dayDifference(std::string_view ours, std::string_view reference) {
    return static_cast<int>(
        (chr::sys_days{parseStationRow(ours).date} - chr::sys_days{parseStationRow(reference).date})
            .count());
}

TEST(StationTables, OlderTablesRowsAreFoundAtTheirIndexWithinADay) {
    for (const ReferenceRow& r : ReferenceRows) {
        const StationTable& table = StationTables[r.planet];
        ASSERT_LT(r.row, table.rowCount()) << StationPlanetNames[r.planet] << " row " << r.row;
        const std::string_view start = table.stationStart[r.row];
        const std::string_view end = table.stationEnd[r.row];
        EXPECT_LE(std::abs(dayDifference(start, r.start)), ReferenceDateToleranceDays)
            << StationPlanetNames[r.planet] << " start row " << r.row << ": expected \"" << r.start
            << "\", ours \"" << start << '"';
        EXPECT_LE(std::abs(dayDifference(end, r.end)), ReferenceDateToleranceDays)
            << StationPlanetNames[r.planet] << " end row " << r.row << ": expected \"" << r.end
            << "\", ours \"" << end << '"';
    }
}

TEST(StationTables, MarsHasNoStationIn1985Or2000) {
    const StationTable& mars = StationTables[2];
    for (std::size_t i = 0; i < mars.rowCount(); ++i) {
        for (const std::string_view row : {mars.stationStart[i], mars.stationEnd[i]}) {
            const chr::year y = parseStationRow(row).date.year();
            EXPECT_TRUE(y != chr::year{1985} && y != chr::year{2000})
                << "Mars row " << i << ": \"" << row << '"';
        }
    }
}

} // namespace
} // namespace orbenza
