#include "LibraryCsv.h"

#include "ByteFakes.h"
#include "ProgressMeter.h"
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
                               "C,00:00,50,-03:30\n");
    ASSERT_TRUE(read.failure.empty()) << read.failure;
    ASSERT_TRUE(read.refusals.empty()) << read.refusals[0];
    ASSERT_EQ(read.records.size(), 3u);
    EXPECT_EQ(read.records[0].second, 7);
    EXPECT_EQ(read.records[0].zonePosition, -1);
    EXPECT_EQ(read.records[0].correctionSeconds, -(19 * 60 + 32));
    EXPECT_EQ(read.records[1].correctionSeconds, -(5 * 3600 + 30 * 60));
    EXPECT_EQ(read.records[1].zonePosition, 34);
    EXPECT_EQ(read.records[2].correctionSeconds, 3 * 3600 + 30 * 60);

    // Kathmandu kept local mean time in 1905: +05:41:16 at 85:19E. An offset
    // worked out from the place's own longitude, a second away, is kept when
    // the row lacks that longitude; more is a contradiction.
    const auto lmt = readText("name,date,time,lon,lat,tz,utoffset,atlaslon\n"
                              "K,1905-03-01,10:00,85:19E,27:42N,Asia/Kathmandu,+05:41:17,\n"
                              "L,1905-03-01,10:00,85:19E,27:42N,Asia/Kathmandu,,85.3206\n"
                              "M,1905-03-01,10:00,85:19E,27:42N,Asia/Kathmandu,+05:41:20,\n");
    ASSERT_EQ(lmt.records.size(), 2u);
    EXPECT_EQ(lmt.records[0].correctionSeconds, -(5 * 3600 + 41 * 60 + 17));
    EXPECT_EQ(lmt.records[1].correctionSeconds, -(5 * 3600 + 41 * 60 + 17));
    ASSERT_EQ(lmt.refusals.size(), 1u);
    EXPECT_EQ(lmt.refusals[0].rfind("line 4: utoffset \"+05:41:20\" contradicts", 0), 0u);
}

TEST(LibraryCsv, EveryFieldSurvivesWritingAndReading) {
    store::ChartRecord r;
    r.name = " Anna O'Brien ";
    r.year = 2000;
    r.month = 2;
    r.day = 29;
    r.hour = 1;
    r.minute = 2;
    r.second = 3;
    r.zonePosition = -1;
    r.correctionSeconds = 3 * 3600 + 30 * 60;
    r.longitudeDegrees = 52;
    r.longitudeMinutes = 43;
    r.east = false;
    r.latitudeDegrees = 47;
    r.latitudeMinutes = 34;
    r.city = "St. John's, \"NL\"";
    r.state = "NL\r\n";
    r.country = "Canadá";
    r.atlasPlace = "St. John's — Newfoundland, Canada";
    r.atlasZone = "America/St_Johns";
    r.atlasName = "St. John's";
    r.atlasState = "Newfoundland and Labrador";
    r.atlasCountry = "Canada";
    r.atlasLatitudeDeg = 47.56494;
    r.atlasLongitudeDeg = -52.70931 / 3; // many binary digits, read back to the last
    r.houseSystem = "placidus";
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
    // An export's header; one without the library's own columns is a batch's.
    EXPECT_EQ(readText("date,note\n").failure, "the header has no name column");
    EXPECT_EQ(readText("name,colour,note\n").failure,
              "the header names an unknown column \"colour\"");
    EXPECT_EQ(readText("name,Name,note\n").failure, "the header names the column \"name\" twice");
    EXPECT_EQ(
        readText("name,colour\n")
            .failure.rfind("the header names an unknown column \"colour\"; the columns are", 0),
        0u);
    EXPECT_EQ(readText("name,date,time,place,zone\n").failure,
              "the column place sets the coordinates and the clock time; the column zone cannot "
              "be given with it");

    const auto read = readText("name,zone,utoffset,fold,added,positions,lon,time,tz\n"
                               "A,,,,,,,,\n"
                               "B,29,+15:00,,,,,,\n"
                               "C,29,,sideways,,,,,\n"
                               "D,29,,,yesterday,,,,\n"
                               "E,29,,,,guessed,,,\n"
                               "F,29,,,,,180:00E,,\n"
                               "G,29\n"
                               " ,29,,,,,,,\n"
                               "H,29,+01:00,,,,,,\n"
                               "I,,,,,,,12:00:60,\n"
                               "J2,,,,,,,,\n"
                               "K,,,later,,,,,\n"
                               "L,IST,,,,,,,Asia/Kolkata\n"
                               "M,,+05:30,,,,,,Asia/Kolkata\n");
    // Empty fields take the single chart's defaults.
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].name, "A");
    EXPECT_EQ(read.records[0].zonePosition, 29);
    EXPECT_EQ(read.records[0].longitudeDegrees, 80);
    EXPECT_EQ(read.records[0].positions, "classic");
    const std::vector<std::string> expected = {
        "line 3: utoffset must look like +HH:MM or +HH:MM:SS, not \"+15:00\"",
        "line 4: fold needs tz, the zone whose clock it goes with",
        "line 5: added and changed must look like YYYY-MM-DDTHH:MM:SSZ",
        "line 6: the positions source \"guessed\" is not available",
        "line 7: Please Enter Value Between 0 And 179 in the Degree of Longitude",
        "line 8: the row has 2 fields, not 9",
        "line 9: Please Enter Name",
        "line 10: utoffset \"+01:00\" contradicts zone 29, whose offset is +00:00",
        "line 11: time must look like HH:MM or HH:MM:SS (00:00 to 23:59:59), not \"12:00:60\"",
        "line 12: name: Please Enter only Letters",
        "line 13: fold needs tz, the zone whose clock it goes with",
        "line 14: tz sets the clock time; zone cannot be given with it",
        // 1901-01-01 in Kolkata: Madras time, +05:21:10.
        "line 15: utoffset \"+05:30\" contradicts the clock of Asia/Kolkata, which was +05:21:10 "
        "then",
    };
    EXPECT_EQ(read.refusals, expected);

    // The house system by its command-line name; none given is the default.
    const auto houses = readText("name,houses\nA,\nB,whole-sign\nC,Koch\n");
    ASSERT_EQ(houses.records.size(), 2u);
    EXPECT_EQ(houses.records[0].houseSystem, "equal");
    EXPECT_EQ(houses.records[1].houseSystem, "whole-sign");
    ASSERT_EQ(houses.refusals.size(), 1u);
    EXPECT_EQ(houses.refusals[0], "line 4: the house system \"Koch\" is not available");
}

} // namespace
// A long import tells a terminal how far it has come: rows read and, the size
// of the input being known, the time left.
TEST(LibraryCsv, ALongImportShowsItsProgress) {
    std::string text = "name,date,time,zone,lon,lat,dst\n";
    for (int i = 0; i < 200; ++i)
        text += "ANNA,1985-06-15,14:30,IST,77:13E,28:39N,0\n";
    ProgressMeter::TimePoint now{};
    std::string written;
    ProgressMeter meter("rows", {[&] { return now += std::chrono::seconds(1); }, true,
                                 [&](std::string_view line) { written.append(line); }});
    StringSource source(text, 4096);
    const auto read = readLibraryCsv(source, programAtlas, &meter);
    ASSERT_EQ(read.records.size(), 200u);
    EXPECT_NE(written.find("192 rows"), std::string::npos) << written;
    EXPECT_NE(written.find("left"), std::string::npos) << written;
}

} // namespace orbenza::cli
