#include "LibraryCsv.h"

#include "store/RecordChart.h"

#include <gtest/gtest.h>

namespace orbenza::cli {
namespace {

LibraryCsvRead readText(const std::string& text) {
    StringSource source(text, 7); // small pieces: records cut anywhere
    return readLibraryCsv(source);
}

TEST(LibraryCsv, OffsetsAndClockTimesBothWays) {
    EXPECT_EQ(utOffsetText(-(5 * 3600 + 30 * 60)), "+05:30");
    EXPECT_EQ(utOffsetText(3 * 3600 + 30 * 60), "-03:30");
    EXPECT_EQ(utOffsetText(0), "+00:00");
    EXPECT_EQ(utOffsetText(-(19 * 60 + 32)), "+00:19:32");
    EXPECT_EQ(clockText(9, 5, 0), "09:05");
    EXPECT_EQ(clockText(23, 59, 7), "23:59:07");

    const auto read = readText("name,time,zone,utoffset\n"
                               "A,09:05:07,,+00:19:32\n"
                               "B,23:59,IST,\n"
                               "C,00:00,29,-12:45\n");
    ASSERT_TRUE(read.failure.empty()) << read.failure;
    ASSERT_TRUE(read.refusals.empty()) << read.refusals[0];
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[0].second, 7);
    EXPECT_EQ(read.records[0].zonePosition, -1);
    EXPECT_EQ(read.records[0].correctionSeconds, -(19 * 60 + 32));
    EXPECT_EQ(read.records[1].correctionSeconds, -(5 * 3600 + 30 * 60));
    EXPECT_EQ(read.records[1].zonePosition, 34);
    // An offset given wins over the zone row's.
    EXPECT_EQ(read.records[2].correctionSeconds, 12 * 3600 + 45 * 60);
}

TEST(LibraryCsv, EveryFieldSurvivesWritingAndReading) {
    store::ChartRecord r;
    r.name = " ANNA, \"the first\" ";
    r.year = 2000;
    r.month = 2;
    r.day = 29;
    r.hour = 1;
    r.minute = 2;
    r.second = 3;
    r.zonePosition = -1;
    r.correctionSeconds = 3 * 3600 + 30 * 60;
    r.daylightSaving = true;
    r.longitudeDegrees = 179;
    r.longitudeMinutes = 59;
    r.east = false;
    r.latitudeDegrees = 0;
    r.latitudeMinutes = 0;
    r.south = true;
    r.city = "St. John's";
    r.state = "NL\r\n";
    r.country = "Canadá";
    r.atlasPlace = "St. John's — Newfoundland, Canada";
    r.atlasZone = "America/St_Johns";
    r.atlasFold = "earlier";
    r.note = "two\nlines";
    r.addedAt = "2001-02-03T04:05:06Z";
    r.changedAt = "2002-02-03T04:05:06Z";
    std::string csv = libraryCsvHeader();
    appendRecordCsv(csv, r);
    const auto read = readText(csv);
    ASSERT_TRUE(read.refusals.empty()) << read.refusals[0];
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0], r);
}

TEST(LibraryCsv, RowsAndHeadersThatCannotBeStored) {
    EXPECT_EQ(readText("").failure, "the input is empty");
    EXPECT_EQ(readText("date,time\n").failure, "the header has no name column");
    EXPECT_EQ(readText("name,colour\n").failure, "the header names an unknown column \"colour\"");
    EXPECT_EQ(readText("name,Name\n").failure, "the header names the column \"name\" twice");

    const auto read = readText("name,zone,utoffset,fold,added,positions,lon\n"
                               "A,,,,,,\n"
                               "B,29,+15:00,,,,\n"
                               "C,29,,sideways,,,\n"
                               "D,29,,,yesterday,,\n"
                               "E,29,,,,guessed,\n"
                               "F,29,,,,,180:00E\n"
                               "G,29\n"
                               " ,29,,,,,\n");
    // Empty fields take the single chart's defaults.
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].name, "A");
    EXPECT_EQ(read.records[0].zonePosition, 29);
    EXPECT_EQ(read.records[0].longitudeDegrees, 80);
    EXPECT_EQ(read.records[0].positions, "classic");
    const std::vector<std::string> expected = {
        "line 3: utoffset must look like +HH:MM or +HH:MM:SS, not \"+15:00\"",
        "line 4: fold must be earlier or later, not \"sideways\"",
        "line 5: added and changed must look like YYYY-MM-DDTHH:MM:SSZ",
        "line 6: the positions source \"guessed\" is not available",
        "line 7: Please Enter Value Between 0 And 179 in the Degree of Longitude",
        "line 8: the row has 2 fields, not 7",
        "line 9: Please Enter Name",
    };
    EXPECT_EQ(read.refusals, expected);
}

} // namespace
} // namespace orbenza::cli
