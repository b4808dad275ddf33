// The batch's parts in-process: the JSON writer against the JSON library, the
// CSV reader cut at every byte, the header, the gathered writes, the run with
// several workers.
#include "AtomicOutput.h"
#include "Batch.h"
#include "BatchCsvWriter.h"
#include "BatchRow.h"
#include "ByteFakes.h"
#include "ChartJsonWriter.h"
#include "ChartOutput.h"
#include "CsvReader.h"
#include "JsonText.h"
#include "base/Utf8.h"

#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <limits>
#include <random>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace orbenza::cli {
namespace {

// Birth entries spread over the years, zones, hemispheres and clock times.
BirthInput randomEntries(std::mt19937& random, std::string name) {
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    BirthInput entries;
    entries.name = std::move(name);
    entries.local.year = pick(1901, 2050);
    entries.local.month = pick(1, 12);
    entries.local.day = pick(1, 28);
    entries.longitude.degrees = pick(0, 179);
    entries.longitude.minutes = pick(0, 59);
    entries.latitude.degrees = pick(0, 89);
    entries.latitude.minutes = pick(0, 59);
    entries.local.hour = pick(0, 23);
    entries.local.minute = pick(0, 59);
    entries.zonePosition = pick(0, 70);
    entries.longitude.hemisphere = pick(0, 1) == 1 ? EastWest::East : EastWest::West;
    entries.latitude.hemisphere = pick(0, 1) == 1 ? NorthSouth::South : NorthSouth::North;
    entries.daylightSaving = pick(0, 3) == 0;
    return entries;
}

// Where two long texts first differ, with some context, for a readable failure.
std::string firstDifference(const std::string& actual, const std::string& expected) {
    std::size_t at = 0;
    while (at < actual.size() && at < expected.size() && actual[at] == expected[at])
        ++at;
    const std::size_t from = at < 40 ? 0 : at - 40;
    return "first difference at byte " + std::to_string(at) + "\n  writer:  ..." +
           actual.substr(from, 100) + "\n  library: ..." + expected.substr(from, 100);
}

TEST(ChartJsonWriter, WritesTheSameBytesAsTheJsonLibrary) {
    // Names that exercise every escape: quotes, backslashes, the short
    // escapes, other control characters, DEL, two-, three- and four-byte UTF-8.
    const std::vector<std::string> names{"ANNA",
                                         "O'Brien, \"Jr.\"",
                                         "back\\slash",
                                         "tab\there\nnew\rline\b\f",
                                         std::string("nul\0and\x01\x1f", 9),
                                         "del\x7f",
                                         "J\xC3\xB6rg",
                                         "\xE0\xA4\xB0\xE0\xA4\xBE\xE0\xA4\xAE",
                                         "\xF0\x9F\x8C\x99 moon",
                                         "  "};
    std::mt19937 random(1985);
    ChartJsonWriter writer;
    int compared = 0;
    for (int i = 0; i < 600; ++i) {
        const BirthInput entries =
            randomEntries(random, names[static_cast<std::size_t>(i) % names.size()]);
        const auto outcome = chartOfInput(entries);
        const auto* chart = std::get_if<ChartResult>(&outcome);
        if (chart == nullptr)
            continue; // "  " is refused: no chart to write
        std::string fast;
        ASSERT_TRUE(writer.append(fast, *chart)) << entries.name;
        const std::string library = chartJson(*chart).dump();
        ASSERT_TRUE(fast == library) << "chart " << i << " born " << entries.local.year << ": "
                                     << firstDifference(fast, library);
        ++compared;
    }
    EXPECT_GE(compared, 500);
}

// Every house system, both aspect sets and both sources of positions: the
// cusps, angles, speeds and aspects are written as the JSON library writes
// them, numbers near the middle between two doubles included.
TEST(ChartJsonWriter, WritesHousesAndAspectsAsTheJsonLibraryDoes) {
    std::mt19937 random(1212);
    ChartJsonWriter writer(false);
    int compared = 0;
    for (int i = 0; i < 400; ++i) {
        ChartChoices choices;
        choices.houseSystem =
            static_cast<HouseSystem>(static_cast<std::size_t>(i) % kHouseSystemCount);
        choices.aspectSet = i % 2 == 0 ? AspectSet::All : AspectSet::Major;
        const Positions positions = i % 20 == 0 ? Positions::Precise : Positions::Classic;
        BirthInput input = randomEntries(random, "ANNA");
        input.positions = positions;
        const auto outcome = chartOfInput(input, choices);
        const auto* chart = std::get_if<ChartResult>(&outcome);
        if (chart == nullptr)
            continue;
        std::string fast;
        ASSERT_TRUE(writer.append(fast, *chart));
        const std::string library = chartJson(*chart, false).dump();
        ASSERT_TRUE(fast == library) << "chart " << i << ": " << firstDifference(fast, library);
        ++compared;
    }
    EXPECT_GE(compared, 350);
}

TEST(ChartJsonWriter, WritesTheWindowsAsTheJsonLibraryDoes) {
    std::mt19937 random(2031);
    ChartJsonWriter withReport;
    ChartJsonWriter withoutReport(false);
    int compared = 0;
    for (int i = 0; i < 40; ++i) {
        auto outcome = chartOfInput(randomEntries(random, "ANNA"));
        auto* chart = std::get_if<ChartResult>(&outcome);
        if (chart == nullptr)
            continue;
        addBirthTimeWindows(*chart);
        // Open ends too: each end left open in turn.
        if (i % 3 == 1)
            chart->windows->ascendant.from.reset();
        if (i % 3 == 2)
            chart->windows->houses.to.reset();
        std::string fast, fastBare;
        ASSERT_TRUE(withReport.append(fast, *chart));
        ASSERT_TRUE(withoutReport.append(fastBare, *chart));
        const std::string library = chartJson(*chart, true).dump();
        const std::string libraryBare = chartJson(*chart, false).dump();
        ASSERT_TRUE(fast == library) << firstDifference(fast, library);
        ASSERT_TRUE(fastBare == libraryBare) << firstDifference(fastBare, libraryBare);
        ++compared;
    }
    EXPECT_GE(compared, 30);
}

TEST(ChartJsonWriter, WritesThePlaceAsTheJsonLibraryDoes) {
    // Places from the atlas and from a zone alone (no name), with texts that
    // need escapes, coordinates whole, in minutes (thirds of a degree), at
    // the poles and minus zero, offsets to the second and below universal time.
    const auto makePlace = [](std::string name, std::string state, std::string country,
                              double latitudeDeg, double longitudeDeg, std::string zone,
                              std::string abbreviation, std::int32_t offsetSeconds, bool summer) {
        PlaceClockInfo info;
        info.name = std::move(name);
        info.state = std::move(state);
        info.country = std::move(country);
        info.latitudeDeg = latitudeDeg;
        info.longitudeDeg = longitudeDeg;
        info.timeZone = std::move(zone);
        info.abbreviation = std::move(abbreviation);
        info.utOffsetSeconds = offsetSeconds;
        info.summerTime = summer;
        return info;
    };
    const std::vector<PlaceClockInfo> places{
        makePlace("Madrid", "Madrid", "Spain", 40.4165, -3.7026, "Europe/Madrid", "CEST", 7200,
                  true),
        makePlace("Amsterdam", "North Holland", "Netherlands", 52.374, 4.8897, "Europe/Amsterdam",
                  "AMT", 1172, false),
        makePlace("", "", "", 28.0 + 13.0 / 60.0, 83.0 + 58.0 / 60.0, "Asia/Kathmandu", "LMT",
                  20152, false),
        makePlace("Z\xC3\xBCrich \"Alt\\stadt\"\t", "Z\xC3\xBCrich", "Switzerland", 47.0, 8.0,
                  "Europe/Zurich", "CET", 3600, false),
        makePlace("", "", "", -0.0, -180.0, "America/St_Johns", "NDT", -9000, true),
        makePlace("\xE0\xA4\x95", "\x01", "\xF0\x9F\x8C\x99", 90.0, 179.9999, "Etc/GMT+12", "-12",
                  -43200, false),
    };
    std::mt19937 random(1930);
    ChartJsonWriter withReport;
    ChartJsonWriter withoutReport(false);
    int compared = 0;
    for (int i = 0; i < 48; ++i) {
        auto outcome = chartOfInput(randomEntries(random, "ANNA"));
        auto* chart = std::get_if<ChartResult>(&outcome);
        if (chart == nullptr)
            continue;
        const PlaceClockInfo& place = places[static_cast<std::size_t>(i) % places.size()];
        if (i % 2 == 0)
            addBirthTimeWindows(*chart);
        std::string fast, fastBare;
        ASSERT_TRUE(withReport.append(fast, *chart, &place));
        ASSERT_TRUE(withoutReport.append(fastBare, *chart, &place));
        const std::string library = chartJson(*chart, true, &place).dump();
        const std::string libraryBare = chartJson(*chart, false, &place).dump();
        ASSERT_TRUE(fast == library) << firstDifference(fast, library);
        ASSERT_TRUE(fastBare == libraryBare) << firstDifference(fastBare, libraryBare);
        ++compared;
    }
    EXPECT_GE(compared, 40);

    // A place text that is not UTF-8 refuses the chart, and leaves the text as it was.
    const ChartResult chart = std::get<ChartResult>(chartOfInput(randomEntries(random, "ok")));
    PlaceClockInfo bad = places[0];
    bad.state = "Castilla\xFF";
    std::string out = "kept";
    EXPECT_FALSE(withReport.append(out, chart, &bad));
    EXPECT_FALSE(withoutReport.append(out, chart, &bad));
    EXPECT_EQ(out, "kept");
    EXPECT_THROW((void)chartJson(chart, true, &bad).dump(), nlohmann::json::type_error);
}

TEST(ChartJsonWriter, EscapesASpecialByteWhereverItStands) {
    // The plain-text scan reads eight bytes at a time: put each kind of byte
    // that needs care at every place of a word and of the tail after it.
    std::mt19937 random(11);
    ChartResult chart = std::get<ChartResult>(chartOfInput(randomEntries(random, "x")));
    ChartJsonWriter writer;
    const std::vector<std::string> specials{
        "\"", "\\",   "\n",       std::string(1, '\0'), "\x1f",
        " ",  "\x7f", "\xC3\xA9", "\xE2\x82\xAC",       "\xF0\x9F\x8C\x99"};
    for (const std::string& special : specials) {
        for (std::size_t at = 0; at <= 20; ++at) {
            chart.birth.name = std::string(at, 'a') + special + std::string(20 - at, 'b');
            std::string fast;
            ASSERT_TRUE(writer.append(fast, chart));
            const std::string library = chartJson(chart).dump();
            ASSERT_TRUE(fast == library) << "byte " << at << ": " << firstDifference(fast, library);
        }
    }
}

TEST(ChartJsonWriter, EqualsTheLibraryForEdgeValues) {
    // Whole and negative longitudes, no zone row, out-of-range numbers, an
    // empty report: whatever a chart holds, the bytes agree.
    std::mt19937 random(7);
    auto outcome = chartOfInput(randomEntries(random, "X"));
    ChartResult chart = std::get<ChartResult>(outcome);
    chart.longitudesDeg.values = {0.0,
                                  -0.0,
                                  360.0,
                                  1e-9,
                                  123456789.125,
                                  -5.5,
                                  1e21,
                                  0.1,
                                  0.2,
                                  0.30000000000000004,
                                  359.99999999999994};
    chart.input.zonePosition = -1;
    chart.birth.birthYear = -5;
    chart.moment.universalTime.hour = 123;
    chart.houses.values = {0, 12, -3, 0, 1, 2, 3, 4, 5, 6, 0};
    ChartJsonWriter writer;
    std::string fast;
    ASSERT_TRUE(writer.append(fast, chart));
    const std::string library = chartJson(chart).dump();
    EXPECT_TRUE(fast == library) << firstDifference(fast, library);

    // Longitudes at the edges of the six decimals, and the precise source.
    chart.positions = Positions::Precise;
    chart.longitudesDeg = {359.9999996, 359.9999994, 0.0000004,  0.0000005,  0.00001,   1e-4,
                           12.0,        12.5,        84.2012925, 202.651796, 99.9999995};
    std::string fastPrecise;
    ASSERT_TRUE(writer.append(fastPrecise, chart));
    const std::string libraryPrecise = chartJson(chart).dump();
    EXPECT_TRUE(fastPrecise == libraryPrecise) << firstDifference(fastPrecise, libraryPrecise);
    EXPECT_NE(fastPrecise.find("\"Positions\":\"precise\""), std::string::npos);
    EXPECT_NE(fastPrecise.find("\"Longitudes\":{\"Sun\":0.0,\"Moon\":359.999999,"),
              std::string::npos)
        << fastPrecise;
}

TEST(ChartJsonWriter, WritesSixDecimalNumbersAsTheLibraryDoes) {
    auto both = [](double value) {
        char fast[64], library[64];
        const std::string_view a(
            fast, static_cast<std::size_t>(writeSixDecimalNumber(fast, value) - fast));
        const std::string_view b(
            library, static_cast<std::size_t>(writeJsonNumber(library, value) - library));
        return std::pair(std::string(a), std::string(b));
    };
    // Millionths at every scale the charts write (speeds, orbs, longitudes)
    // and beyond, both signs, and the edges where the library takes over.
    std::mt19937_64 random(11);
    for (int i = 0; i < 400000; ++i) {
        const int digits = 1 + i % 15;
        std::uint64_t micro = random() % 1000000000000000ull;
        for (int d = digits; d < 15; ++d)
            micro /= 10;
        const double value = (i % 3 == 0 ? -1.0 : 1.0) * static_cast<double>(micro) / 1e6;
        const auto [fast, library] = both(value);
        ASSERT_EQ(fast, library) << micro;
        const auto [fastLongitude, libraryLongitude] =
            both(longitudeSixDecimals(static_cast<double>(random() % 360000000000ull) / 1e9));
        ASSERT_EQ(fastLongitude, libraryLongitude);
    }
    for (const double edge :
         {0.0, -0.0, 0.001, 0.000999, -0.001, 0.1, 0.3, 1.0, 12.5, 359.999999, 999999999.999999,
          1e9, -1e9, 1e21, 1e-7, std::numeric_limits<double>::infinity(),
          std::numeric_limits<double>::quiet_NaN()}) {
        const auto [fast, library] = both(edge);
        EXPECT_EQ(fast, library) << edge;
    }
    EXPECT_EQ(both(-0.5).first, "-0.5");
    EXPECT_EQ(both(120.0).first, "120.0");
}

TEST(ChartJsonWriter, RefusesTextThatIsNotUtf8AsTheLibraryDoes) {
    std::mt19937 random(3);
    ChartResult chart = std::get<ChartResult>(chartOfInput(randomEntries(random, "ok")));
    ChartJsonWriter writer;
    for (const std::string bad :
         {"\xFF", "caf\xC3", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80"}) {
        chart.birth.name = bad;
        std::string out = "kept";
        EXPECT_FALSE(writer.append(out, chart));
        EXPECT_EQ(out, "kept");
        EXPECT_THROW((void)chartJson(chart).dump(), nlohmann::json::type_error);
        EXPECT_FALSE(isUtf8(bad));
    }
    EXPECT_TRUE(isUtf8("\xF4\x8F\xBF\xBF \xEF\xBF\xBD \xC2\x80"));
}

TEST(BatchErrorJson, EscapesTheMessageAndReplacesBadBytes) {
    std::string out;
    appendBatchErrorJson(out, 12, "date must look like \"x\xFF\"");
    EXPECT_EQ(out, "{\"line\":12,\"error\":\"date must look like \\\"x\xEF\xBF\xBD\\\"\"}");
    EXPECT_EQ(nlohmann::json::parse(out).at("line"), 12);
}

// Reads every record of text, handing the reader chunkSize bytes at a time.
std::vector<CsvRecord> readAll(std::string_view text, std::size_t chunkSize) {
    StringSource source(text, chunkSize);
    CsvReader reader(source);
    std::vector<CsvRecord> records;
    CsvRecord record;
    while (reader.next(record))
        records.push_back(record);
    EXPECT_FALSE(reader.failed());
    return records;
}

TEST(CsvReader, SplitsQuotedFieldsAndCountsPhysicalLines) {
    const std::string text = "\xEF\xBB\xBF"
                             "name,date\r\n"
                             "\r\n"
                             "\"Smith, J\",\"say \"\"hi\"\"\"\r\n"
                             "  \t \n"
                             "\"two\nlines\",x\n"
                             "plain,\"\"\n"
                             "last,no line end";
    for (std::size_t chunk :
         {std::size_t{1}, std::size_t{2}, std::size_t{3}, std::size_t{7}, std::size_t{1 << 16}}) {
        const auto records = readAll(text, chunk);
        ASSERT_EQ(records.size(), 5u) << "chunk " << chunk;
        EXPECT_EQ(records[0].fields, (std::vector<std::string>{"name", "date"})) << chunk;
        EXPECT_EQ(records[0].line, 1u);
        EXPECT_EQ(records[1].fields, (std::vector<std::string>{"Smith, J", "say \"hi\""}));
        EXPECT_EQ(records[1].line, 3u);
        EXPECT_EQ(records[2].fields, (std::vector<std::string>{"two\nlines", "x"}));
        EXPECT_EQ(records[2].line, 5u);
        EXPECT_EQ(records[3].fields, (std::vector<std::string>{"plain", ""}));
        EXPECT_EQ(records[3].line, 7u);
        EXPECT_EQ(records[4].fields, (std::vector<std::string>{"last", "no line end"}));
        EXPECT_EQ(records[4].line, 8u);
        for (const auto& record : records)
            EXPECT_TRUE(record.error.empty()) << record.error;
    }
}

TEST(CsvReader, ReportsMalformedRecordsAndGoesOn) {
    const auto records = readAll("a,\"b\"c,d\n\"\"\nok,1\n\"open,\nnever closed", 4);
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].error, "text follows a closing quote");
    EXPECT_EQ(records[0].fields.size(), 3u);
    EXPECT_EQ(records[1].fields,
              std::vector<std::string>{""}); // a quoted empty field is no blank line
    EXPECT_TRUE(records[2].error.empty());
    EXPECT_EQ(records[2].line, 3u);
    EXPECT_EQ(records[3].error, "a quoted field is not closed");
    EXPECT_EQ(records[3].line, 4u);
    // The stray quote's row ends there; the next line is read again.
    EXPECT_TRUE(records[4].error.empty()) << records[4].error;
    EXPECT_EQ(records[4].fields, std::vector<std::string>{"never closed"});
    EXPECT_EQ(records[4].line, 5u);
}

TEST(CsvReader, DropsTheTextOfAnOverlongRecord) {
    std::string text = "\"" + std::string(CsvReader::kMaxRecordBytes + 10, 'x') + "\"\nnext,row\n";
    const auto records = readAll(text, 1 << 16);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_NE(records[0].error.find("longer than"), std::string::npos);
    EXPECT_LE(records[0].fields[0].size(), CsvReader::kMaxRecordBytes);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"next", "row"}));
}

TEST(BatchHeader, TakesTheSevenColumnsInAnyOrderAndCase) {
    const auto columns = batchColumns({"DST", " Lat", "lon ", "Zone", "time", "date", "NAME"});
    ASSERT_TRUE(std::holds_alternative<BatchColumns>(columns));
    EXPECT_EQ(std::get<BatchColumns>(columns).position,
              (std::array<std::size_t, 7>{6, 5, 4, 3, 2, 1, 0}));

    struct Row {
        std::vector<std::string> header;
        std::string says;
    };
    const Row bad[] = {
        {{"name", "date", "time", "zone", "lon", "lat"}, "lacks the column dst"},
        {{"name", "date", "time", "zone", "lon", "lat", "dst", "city"}, "unknown column \"city\""},
        {{"name", "date", "time", "zone", "lon", "lat", "Name"}, "column name twice"},
    };
    for (const auto& row : bad) {
        const auto result = batchColumns(row.header);
        ASSERT_TRUE(std::holds_alternative<OptionError>(result)) << row.says;
        EXPECT_NE(std::get<OptionError>(result).message.find(row.says), std::string::npos)
            << std::get<OptionError>(result).message;
    }
}

TEST(BatchRow, DaylightSavingWordsAndFieldErrors) {
    for (std::string_view off : {"", "0", "false", "FALSE", "No"})
        EXPECT_EQ(std::get<bool>(parseDaylightSaving(off)), false) << off;
    for (std::string_view on : {"1", "true", "True", "YES"})
        EXPECT_EQ(std::get<bool>(parseDaylightSaving(on)), true) << on;
    for (std::string_view bad : {"2", "y", "on", "-1"})
        EXPECT_TRUE(std::holds_alternative<OptionError>(parseDaylightSaving(bad))) << bad;

    BatchColumns columns;
    columns.position = {0, 1, 2, 3, 4, 5, 6};
    CsvRecord record;
    record.fields = {"Anna", " 1985-06-15 ", "14:30", "IST", "77:13E", "28:39N", " yes "};
    const auto entries = batchRowEntries(record, columns);
    ASSERT_TRUE(std::holds_alternative<BirthInput>(entries));
    EXPECT_TRUE(std::get<BirthInput>(entries).daylightSaving);
    EXPECT_EQ(std::get<BirthInput>(entries).local.year, 1985);

    record.fields[1] = "15.06.1985";
    EXPECT_EQ(std::get<OptionError>(batchRowEntries(record, columns)).message,
              "date must look like YYYY-MM-DD, not \"15.06.1985\"");
    record.fields.pop_back();
    EXPECT_EQ(std::get<OptionError>(batchRowEntries(record, columns)).message,
              "the row has 6 fields, not 7");
}

TEST(OutputBuffer, GathersTextAndStablePiecesInOrder) {
    const std::string stable = "<stable>";
    OutputBuffer buffer;
    buffer.text += "a";
    buffer.appendStable(stable);
    buffer.text += "b";
    const auto mark = buffer.mark();
    buffer.appendStable(stable);
    buffer.text += "dropped";
    buffer.rollback(mark);
    buffer.text += "c";
    EXPECT_EQ(buffer.flattened(), "a<stable>bc");
    EXPECT_EQ(buffer.size(), 11u);
}

TEST(FdSink, WritesManyPiecesWholeThroughAPipe) {
    // More pieces than one gathered write takes and more bytes than a pipe
    // holds, so the writes come back partial and must be resumed.
    std::vector<std::string> stable;
    for (int i = 0; i < 3000; ++i)
        stable.push_back(
            std::string(static_cast<std::size_t>(i % 97 + 1), static_cast<char>('a' + i % 26)));
    OutputBuffer buffer;
    std::string expected;
    for (int i = 0; i < 3000; ++i) {
        buffer.text += std::to_string(i);
        expected += std::to_string(i);
        buffer.appendStable(stable[static_cast<std::size_t>(i)]);
        expected += stable[static_cast<std::size_t>(i)];
    }
    int fds[2];
    ASSERT_EQ(::pipe(fds), 0);
    std::string received;
    std::thread reader([&] {
        char chunk[1000];
        ssize_t got;
        while ((got = ::read(fds[0], chunk, sizeof chunk)) > 0)
            received.append(chunk, static_cast<std::size_t>(got));
    });
    FdSink sink(fds[1], "the pipe");
    EXPECT_TRUE(sink.write(buffer));
    ::close(fds[1]);
    reader.join();
    ::close(fds[0]);
    EXPECT_EQ(received, expected);
}

std::string generatedCsv(int rows) {
    std::mt19937 random(42);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::string csv = "name,date,time,zone,lon,lat,dst\n";
    char row[160];
    for (int i = 0; i < rows; ++i) {
        // Every 17th row has a day that its month lacks, every 29th an empty name.
        char name[16] = "";
        if (i % 29 != 0)
            std::snprintf(name, sizeof name, "P%c%c", 'a' + i % 26, 'a' + i / 26 % 26);
        std::snprintf(row, sizeof row, "%s,%04d-%02d-%02d,%02d:%02d,%d,%d:%02d%c,%d:%02d%c,%s\n",
                      name, pick(1901, 2050), pick(1, 12), i % 17 == 0 ? 31 : pick(1, 28),
                      pick(0, 23), pick(0, 59), pick(0, 70), pick(0, 179), pick(0, 59),
                      pick(0, 1) ? 'E' : 'W', pick(0, 89), pick(0, 59), pick(0, 1) ? 'N' : 'S',
                      pick(0, 1) ? "yes" : "");
        csv += row;
    }
    return csv;
}

TEST(RunBatch, SeveralWorkersWriteWhatOneWrites) {
    const std::string csv = generatedCsv(700);
    auto run = [&](unsigned jobs, std::size_t rowsPerJob, std::size_t rowsPerChunk,
                   BatchFormat format) {
        StringSource input(csv, 4093);
        StringSink output, diagnostics;
        BatchOptions options;
        options.jobs = jobs;
        options.rowsPerJob = rowsPerJob;
        options.rowsPerChunk = rowsPerChunk;
        options.format = format;
        const BatchOutcome outcome = runBatch(input, output, diagnostics, options);
        EXPECT_EQ(outcome.status, 1);
        EXPECT_EQ(outcome.charted + outcome.refused, 700u);
        return output.text + "\n--\n" + diagnostics.text;
    };
    for (BatchFormat format : {BatchFormat::JsonLines, BatchFormat::Csv}) {
        const std::string one = run(1, 64, 8, format);
        EXPECT_EQ(run(3, 5, 1, format), one);
        EXPECT_EQ(run(2, 1, 1, format), one);
        EXPECT_EQ(run(2, 64, 3, format), one);
        EXPECT_EQ(run(4, 1000, 64, format), one);
        EXPECT_EQ(run(1, 7, 1000, format), one);
    }
}

TEST(RunBatch, EveryLineIsTheChartsJsonOrItsError) {
    const std::string csv = generatedCsv(120);
    StringSource input(csv);
    StringSink output, diagnostics;
    const BatchOutcome outcome = runBatch(input, output, diagnostics, {});
    ASSERT_EQ(outcome.status, 1);

    // Redo every row by hand: the chart's JSON or the error, in input order.
    StringSource again(csv);
    CsvReader reader(again);
    CsvRecord record;
    ASSERT_TRUE(reader.next(record));
    const auto columns = std::get<BatchColumns>(batchColumns(record.fields));
    std::string expected;
    std::uint64_t refused = 0;
    while (reader.next(record)) {
        const auto entries = batchRowEntries(record, columns);
        const auto outcomeOfRow = chartOfInput(std::get<BirthInput>(entries));
        if (const auto* refusal = std::get_if<InputRefusal>(&outcomeOfRow)) {
            expected += nlohmann::ordered_json{{"line", record.line},
                                               {"error", inputProblemMessage(refusal->problem)}}
                            .dump();
            ++refused;
        } else {
            expected += chartJson(std::get<ChartResult>(outcomeOfRow)).dump();
        }
        expected += '\n';
    }
    EXPECT_EQ(output.text, expected);
    EXPECT_EQ(outcome.refused, refused);
    EXPECT_GT(refused, 5u);
}

TEST(AtomicFileSink, AppearsWholeOnCommitAndNotAtAllOtherwise) {
    char dir[] = "/tmp/orbenza-batch-unit-XXXXXX";
    ASSERT_NE(::mkdtemp(dir), nullptr);
    const std::string path = std::string(dir) + "/out.jsonl";
    auto entries = [&] {
        int count = 0;
        if (auto* d = ::opendir(dir)) {
            while (auto* e = ::readdir(d))
                count += std::strcmp(e->d_name, ".") != 0 && std::strcmp(e->d_name, "..") != 0;
            ::closedir(d);
        }
        return count;
    };
    {
        AtomicFileSink sink;
        ASSERT_TRUE(sink.open(path));
        ASSERT_TRUE(sink.write(std::string_view("half")));
        EXPECT_EQ(entries(), 0); // nothing is visible before the commit
        EXPECT_NE(::access(path.c_str(), F_OK), 0);
    } // not committed: removed
    EXPECT_EQ(entries(), 0);
    {
        AtomicFileSink sink;
        ASSERT_TRUE(sink.open(path));
        OutputBuffer buffer;
        buffer.text = "whole";
        ASSERT_TRUE(sink.write(buffer));
        ASSERT_TRUE(sink.commit());
    }
    EXPECT_EQ(entries(), 1);
    std::FILE* file = std::fopen(path.c_str(), "rb");
    ASSERT_NE(file, nullptr);
    char content[16] = {};
    EXPECT_EQ(std::fread(content, 1, sizeof content, file), 5u);
    std::fclose(file);
    EXPECT_STREQ(content, "whole");
    std::remove(path.c_str());
    ::rmdir(dir);
}

} // namespace
} // namespace orbenza::cli
