// The batch with the place atlas: headers with place, tz and fold in place of
// zone, lon, lat and dst, rows settled by the atlas or a zone's history, and a
// whole run over such rows.
#include "Batch.h"
#include "BatchRow.h"
#include "ByteFakes.h"
#include "ByteSink.h"
#include "ByteSource.h"
#include "ChartOutput.h"

#include <gtest/gtest.h>

namespace orbenza::cli {
namespace {

const atlas::Atlas& realAtlas() {
    static const atlas::Atlas atlas = atlas::Atlas::load(atlas::atlasPath());
    return atlas;
}

TEST(BatchAtlasHeader, TakesPlaceOrTzWithFoldInAnyOrderAndCase) {
    const auto place = batchColumns({"Fold", "NAME", "place", "time", "date"});
    ASSERT_TRUE(std::holds_alternative<BatchColumns>(place))
        << std::get<OptionError>(place).message;
    const BatchColumns& p = std::get<BatchColumns>(place);
    EXPECT_EQ(p.place, 2u);
    EXPECT_EQ(p.fold, 0u);
    EXPECT_FALSE(p.tz.has_value());
    EXPECT_EQ(p.fieldCount, 5u);
    EXPECT_EQ(p.position[0], 1u);
    EXPECT_EQ(p.position[1], 4u);
    EXPECT_EQ(p.position[2], 3u);

    const auto tz = batchColumns({"name", "date", "time", "TZ", "lon", "lat"});
    ASSERT_TRUE(std::holds_alternative<BatchColumns>(tz)) << std::get<OptionError>(tz).message;
    EXPECT_EQ(std::get<BatchColumns>(tz).tz, 3u);
    EXPECT_FALSE(std::get<BatchColumns>(tz).fold.has_value());

    struct Row {
        std::vector<std::string> header;
        std::string says;
    };
    const Row bad[] = {
        {{"name", "date", "time", "place", "lon"},
         "the column place sets the coordinates and the clock time; the column lon cannot be "
         "given with it"},
        {{"name", "date", "time", "place", "dst"}, "the column dst cannot be given with it"},
        {{"name", "date", "time", "place", "tz"}, "give place or tz, not both"},
        {{"name", "date", "time", "tz", "lon"}, "lacks the column lat"},
        {{"name", "date", "time", "tz", "lon", "lat", "zone"},
         "the column tz sets the clock time; the column zone cannot be given with it"},
        {{"name", "date", "time", "zone", "lon", "lat", "dst", "fold"},
         "the column fold needs the column place or tz"},
        {{"name", "date", "place", "fold"}, "lacks the column time"},
        {{"name", "date", "time", "place", "PLACE"}, "the column place twice"},
        {{"name", "date", "time", "place", "city"}, "unknown column \"city\""},
    };
    for (const auto& row : bad) {
        const auto result = batchColumns(row.header);
        ASSERT_TRUE(std::holds_alternative<OptionError>(result)) << row.says;
        EXPECT_NE(std::get<OptionError>(result).message.find(row.says), std::string::npos)
            << "expected: " << row.says << "\nactual: " << std::get<OptionError>(result).message;
    }
}

// One row under a header, settled against the real atlas.
Parsed<BatchRowInput> settle(const std::vector<std::string>& header,
                             std::vector<std::string> fields) {
    const auto columns = batchColumns(header);
    if (const auto* error = std::get_if<OptionError>(&columns))
        return *error;
    CsvRecord record;
    record.fields = std::move(fields);
    record.line = 2;
    return batchRowInput(record, std::get<BatchColumns>(columns), realAtlas());
}

TEST(BatchAtlasRow, PlaceAndZoneGiveTheCorrectionToTheSecond) {
    ASSERT_TRUE(realAtlas().available()) << realAtlas().unavailableReason();
    const std::vector<std::string> placeHeader{"name", "date", "time", "place", "fold"};
    const std::vector<std::string> tzHeader{"name", "date", "time", "tz", "lon", "lat", "fold"};
    // Offsets from the IANA database's own files (europe, asia, northamerica).
    const struct {
        const char* what;
        std::vector<std::string> header;
        std::vector<std::string> fields;
        UtCorrection correction;
    } rows[] = {
        {"Madrid CEST, +2:00",
         placeHeader,
         {"Ann", "1985-07-01", "14:30", " Madrid, Spain ", ""},
         {-2, 0, 0}},
        {"Amsterdam Mean Time, +0:19:32",
         placeHeader,
         {"Ann", "1930-01-01", "12:00", "Amsterdam, Netherlands", ""},
         {0, -19, -32}},
        {"New York, the later 01:30 (EST)",
         placeHeader,
         {"Ann", "2021-11-07", "01:30", "New York City", "later"},
         {5, 0, 0}},
        {"New York, the earlier 01:30 (EDT)",
         placeHeader,
         {"Ann", "2021-11-07", "01:30", "New York City", "earlier"},
         {4, 0, 0}},
        {"Pokhara on its own local mean time, 83°58'E: +5:35:52",
         tzHeader,
         {"Ann", "1910-06-01", "12:00", "Asia/Kathmandu", "83:58E", "28:14N", ""},
         {-5, -35, -52}},
    };
    for (const auto& row : rows) {
        const auto input = settle(row.header, row.fields);
        ASSERT_TRUE(std::holds_alternative<BatchRowInput>(input))
            << row.what << ": " << std::get<OptionError>(input).message;
        const BatchRowInput& settled = std::get<BatchRowInput>(input);
        EXPECT_EQ(settled.input.correction, row.correction) << row.what;
        EXPECT_EQ(settled.input.zonePosition, -1) << row.what;
        EXPECT_FALSE(settled.input.daylightSaving) << row.what;
        EXPECT_TRUE(settled.place.has_value()) << row.what;
        // The input keeps the clock, so the chart's windows and record read it.
        ASSERT_TRUE(settled.input.atlasClock.has_value()) << row.what;
        EXPECT_EQ(settled.input.atlasClock->timeZone, settled.place->timeZone) << row.what;
        EXPECT_EQ(settled.input.atlasClock->fold, settled.place->fold) << row.what;
    }

    // The place's coordinates replace the screen's defaults.
    const auto madrid = std::get<BatchRowInput>(
        settle(placeHeader, {"Ann", "1985-07-01", "14:30", "Madrid, Spain", ""}));
    EXPECT_EQ(madrid.input.longitude, (Longitude{3, 42, EastWest::West}));
    EXPECT_EQ(madrid.input.latitude.degrees, 40);
    EXPECT_EQ(madrid.input.latitude.hemisphere, NorthSouth::North);
    EXPECT_EQ(madrid.place->abbreviation, "CEST");
}

TEST(BatchAtlasRow, RefusalsNameTheColumnAndBothUniversalTimes) {
    const std::vector<std::string> placeHeader{"name", "date", "time", "place", "fold"};
    const struct {
        std::vector<std::string> header;
        std::vector<std::string> fields;
        std::vector<std::string> says;
    } rows[] = {
        {placeHeader,
         {"Ann", "2021-11-07", "01:30", "New York City", ""},
         {"happened twice", "2021-11-07 05:30 UT (EDT, fold earlier)",
          "2021-11-07 06:30 UT (EST, fold later)"}},
        {placeHeader,
         {"Ann", "2021-03-14", "02:30", "New York City", "later"},
         {"did not exist", "2021-03-14 07:30 UT", "2021-03-14 06:30 UT"}},
        {placeHeader,
         {"Ann", "2021-11-07", "01:30", "New York City", "sideways"},
         {"fold must be earlier or later"}},
        {placeHeader, {"Ann", "2021-11-07", "01:30", "  ", ""}, {"place is empty"}},
        {placeHeader, {"Ann", "2021-11-07", "01:30", "Qqqqzzzx", ""}, {"Qqqqzzzx"}},
        {{"name", "date", "time", "tz", "lon", "lat"},
         {"Ann", "2000-01-01", "12:00", "Mars/Olympus_Mons", "10:00E", "10:00N"},
         {"Mars/Olympus_Mons"}},
        {{"name", "date", "time", "tz", "lon", "lat"},
         {"Ann", "2000-01-01", "12:00", "Europe/Madrid", "10:00Q", "10:00N"},
         {"lon must"}},
        {placeHeader, {"Ann", "2000-01-01", "12:00", "Madrid"}, {"the row has 4 fields, not 5"}},
    };
    for (const auto& row : rows) {
        const auto input = settle(row.header, row.fields);
        ASSERT_TRUE(std::holds_alternative<OptionError>(input)) << row.fields[3];
        const std::string& message = std::get<OptionError>(input).message;
        for (const std::string& part : row.says)
            EXPECT_NE(message.find(part), std::string::npos)
                << "expected: " << part << "\nactual: " << message;
    }

    // Without the atlas a place cannot be settled; a zone still can.
    const atlas::Atlas missing = atlas::Atlas::load("/nonexistent/places.atlas");
    CsvRecord record;
    record.fields = {"Ann", "2000-01-01", "12:00", "Madrid", ""};
    const auto refused =
        batchRowInput(record, std::get<BatchColumns>(batchColumns(placeHeader)), missing);
    ASSERT_TRUE(std::holds_alternative<OptionError>(refused));
    EXPECT_EQ(std::get<OptionError>(refused).message, missing.unavailableReason());
    record.fields = {"Ann", "2000-01-01", "12:00", "Europe/Madrid", "3:42W", "40:25N"};
    const auto zoned = batchRowInput(
        record, std::get<BatchColumns>(batchColumns({"name", "date", "time", "tz", "lon", "lat"})),
        missing);
    ASSERT_TRUE(std::holds_alternative<BatchRowInput>(zoned))
        << std::get<OptionError>(zoned).message;
    EXPECT_EQ(std::get<BatchRowInput>(zoned).input.correction, (UtCorrection{-1, 0, 0}));
}

TEST(BatchAtlasRun, RowsOfPlacesAreChartedAtTheirOwnClockTime) {
    const std::string csv = "name,date,time,place,fold\n"
                            "Ann,1985-07-01,14:30,\"Madrid, Spain\",\n"
                            "Bob,2021-11-07,01:30,New York City,\n"
                            "Cid,2021-11-07,01:30,New York City,later\n";
    StringSource input(csv);
    StringSink output, diagnostics;
    BatchOptions options;
    options.jobs = 2;
    const BatchOutcome outcome = runBatch(input, output, diagnostics, options);
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.charted, 2u);
    EXPECT_EQ(outcome.refused, 1u);

    // Ann's chart is the one of the classic columns with Madrid's CEST: the
    // CET row with daylight saving.
    const std::string classic = "name,date,time,zone,lon,lat,dst\n"
                                "Ann,1985-07-01,14:30,20,3:42W,40:25N,yes\n";
    StringSource classicInput(classic);
    StringSink classicOutput, classicDiagnostics;
    ASSERT_EQ(runBatch(classicInput, classicOutput, classicDiagnostics, {}).status, 0);
    const std::string annLine = output.text.substr(0, output.text.find('\n') + 1);
    const auto universal = [](const std::string& json) {
        const std::size_t at = json.find("\"UniversalTime\"");
        return at == std::string::npos ? std::string("none") : json.substr(at, 40);
    };
    EXPECT_EQ(universal(annLine), universal(classicOutput.text));
    EXPECT_NE(output.text.find("happened twice"), std::string::npos) << output.text;
}

} // namespace
} // namespace orbenza::cli
