#include "store/ChartLibrary.h"

#include "LibraryTestSupport.h"
#include "chart/ChartRun.h"
#include "report/HouseReport.h"
#include "store/RecordChart.h"

#include <chrono>
#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace orbenza::store {
namespace {

using orbenza::testing::fileBytes;
using orbenza::testing::rawSql;
using orbenza::testing::TempFolder;
using orbenza::testing::writeBytes;

// A record with every field away from its default.
ChartRecord sampleRecord() {
    ChartRecord r;
    r.name = "ANNA MARIA";
    r.year = 1985;
    r.month = 6;
    r.day = 15;
    r.hour = 14;
    r.minute = 30;
    r.second = 42;
    r.zonePosition = 34;
    r.correctionSeconds = -(5 * 3600 + 30 * 60);
    r.daylightSaving = true;
    r.longitudeDegrees = 77;
    r.longitudeMinutes = 13;
    r.east = true;
    r.latitudeDegrees = 28;
    r.latitudeMinutes = 39;
    r.south = true;
    r.city = "New Delhi";
    r.state = "Delhi, \"NCT\"";
    r.country = "India";
    r.atlasPlace = "New Delhi — Delhi, India";
    r.atlasZone = "Asia/Kolkata";
    r.atlasFold = "later";
    r.atlasName = "New Delhi";
    r.atlasState = "Delhi";
    r.atlasCountry = "India";
    r.atlasLatitudeDeg = 28.65195;
    r.atlasLongitudeDeg = -0.1 * 3; // not a short binary fraction: kept to the last bit
    r.positions = "precise";
    r.note = "Line one\nLine two, with ünïcode and 'quotes'";
    return r;
}

ChartRecord withoutStoreFields(ChartRecord r) {
    r.id = 0;
    r.addedAt.clear();
    r.changedAt.clear();
    return r;
}

TEST(ChartLibrary, NewFileIsMarkedInWalModeInsideNewFolders) {
    TempFolder folder;
    const std::string path = folder.file("a/b/charts.sqlite");
    ChartLibrary library;
    ASSERT_TRUE(library.open(path)) << library.error();
    EXPECT_EQ(library.count(), 0);
    library.close();
    EXPECT_EQ(rawSql(path, "PRAGMA application_id"), std::to_string(kLibraryApplicationId));
    EXPECT_EQ(rawSql(path, "PRAGMA user_version"), std::to_string(kLibrarySchemaVersion));
    EXPECT_EQ(rawSql(path, "PRAGMA journal_mode"), "wal");
}

TEST(ChartLibrary, EveryFieldComesBackAsStored) {
    TempFolder folder;
    const std::string path = folder.file("charts.sqlite");
    ChartRecord stored = sampleRecord();
    {
        ChartLibrary library;
        ASSERT_TRUE(library.open(path)) << library.error();
        ASSERT_TRUE(library.add(stored)) << library.error();
        EXPECT_GT(stored.id, 0);
        EXPECT_EQ(stored.addedAt.size(), 20u) << stored.addedAt; // 2024-01-02T03:04:05Z
        EXPECT_EQ(stored.changedAt, stored.addedAt);
    }
    ChartLibrary reopened;
    ASSERT_TRUE(reopened.open(path)) << reopened.error();
    const auto loaded = reopened.get(stored.id);
    ASSERT_TRUE(loaded.has_value()) << reopened.error();
    EXPECT_EQ(*loaded, stored);
    EXPECT_EQ(withoutStoreFields(*loaded), sampleRecord());
}

TEST(ChartLibrary, UpdateKeepsTheAddedTimeAndRemoveForgets) {
    TempFolder folder;
    ChartLibrary library;
    ASSERT_TRUE(library.open(folder.file("charts.sqlite"))) << library.error();
    ChartRecord record = sampleRecord();
    ASSERT_TRUE(library.add(record));
    rawSql(library.path(), "UPDATE charts SET added_at='2001-02-03T04:05:06Z', "
                           "changed_at='2001-02-03T04:05:06Z'");

    record.note = "changed";
    record.city = "Agra";
    record.addedAt = "ignored";
    ASSERT_TRUE(library.update(record)) << library.error();
    EXPECT_EQ(record.addedAt, "2001-02-03T04:05:06Z");
    EXPECT_NE(record.changedAt, "2001-02-03T04:05:06Z");
    const auto loaded = library.get(record.id);
    ASSERT_TRUE(loaded);
    EXPECT_EQ(*loaded, record);

    ChartRecord missing = sampleRecord();
    missing.id = record.id + 100;
    EXPECT_FALSE(library.update(missing));
    EXPECT_EQ(library.fault(), LibraryFault::NotFound);
    EXPECT_EQ(library.count(), 1);

    ASSERT_TRUE(library.remove(record.id)) << library.error();
    EXPECT_FALSE(library.get(record.id));
    EXPECT_EQ(library.fault(), LibraryFault::NotFound);
    EXPECT_FALSE(library.remove(record.id));
    EXPECT_EQ(library.fault(), LibraryFault::NotFound);
    EXPECT_EQ(library.count(), 0);
}

// The chart drawn from a stored record is the one that was saved: positions,
// labels, marks, houses and report.
void expectSameChart(const ChartResult& a, const ChartResult& b) {
    EXPECT_EQ(a.planetPositions, b.planetPositions);
    EXPECT_EQ(a.planetNames, b.planetNames);
    EXPECT_EQ(a.ascendantText, b.ascendantText);
    EXPECT_EQ(a.moonPositionText, b.moonPositionText);
    EXPECT_EQ(a.moonSignName, b.moonSignName);
    EXPECT_EQ(a.retrograde, b.retrograde);
    EXPECT_EQ(a.signs, b.signs);
    EXPECT_EQ(a.houses, b.houses);
    EXPECT_EQ(a.longitudesDeg, b.longitudesDeg);
    EXPECT_EQ(a.universalTime, b.universalTime);
    EXPECT_EQ(a.correction, b.correction);
    EXPECT_EQ(a.input.zonePosition, b.input.zonePosition);
    EXPECT_EQ(a.positions, b.positions);
    EXPECT_EQ(houseReport(a.housePlacement), houseReport(b.housePlacement));
}

BirthInput entries(const std::string& name, int year, int month, int day, int hour, int minute,
                   int zone, bool east, bool south, bool dst) {
    BirthInput e;
    e.name = name;
    e.longitude.degrees = 77;
    e.longitude.minutes = 13;
    e.latitude.degrees = 28;
    e.latitude.minutes = 5;
    e.local.year = year;
    e.local.month = month;
    e.local.day = day;
    e.local.hour = hour;
    e.local.minute = minute;
    e.zonePosition = zone;
    e.longitude.hemisphere = east ? EastWest::East : EastWest::West;
    e.latitude.hemisphere = south ? NorthSouth::South : NorthSouth::North;
    e.daylightSaving = dst;
    return e;
}

TEST(ChartLibrary, ChartOpenedFromTheLibraryIsTheSavedChart) {
    TempFolder folder;
    ChartLibrary library;
    ASSERT_TRUE(library.open(folder.file("charts.sqlite"))) << library.error();
    // Half-hour zones both ways, daylight saving, both hemispheres, the
    // first and last admitted years.
    const BirthInput cases[] = {
        entries("ANNA", 1985, 6, 15, 14, 30, 34, true, false, false),
        entries("NEWFOUNDLAND", 1952, 2, 29, 23, 59, 50, false, true, true),
        entries("FIRST", 1901, 1, 1, 0, 0, 29, true, false, false),
        entries("LAST", 2050, 12, 31, 23, 59, 5, false, false, true),
    };
    for (const BirthInput& e : cases) {
        SCOPED_TRACE(e.name);
        const auto outcome = chartOfInput(e);
        ASSERT_TRUE(std::holds_alternative<ChartResult>(outcome));
        const ChartResult& saved = std::get<ChartResult>(outcome);
        ChartRecord record = recordOfChart(saved, "City", "State", "Country");
        ASSERT_TRUE(library.add(record)) << library.error();

        const auto loaded = library.get(record.id);
        ASSERT_TRUE(loaded);
        const auto drawn = chartOfRecord(*loaded);
        ASSERT_TRUE(std::holds_alternative<ChartResult>(drawn))
            << std::get<RecordProblem>(drawn).detail;
        expectSameChart(saved, std::get<ChartResult>(drawn));
        // The input comes back as typed.
        const BirthInput& restored = std::get<ChartResult>(drawn).input;
        EXPECT_EQ(restored.name, e.name);
        EXPECT_EQ(restored.local, e.local);
        EXPECT_EQ(restored.longitude, e.longitude);
        EXPECT_EQ(restored.latitude, e.latitude);
        EXPECT_EQ(restored.daylightSaving, e.daylightSaving);
        EXPECT_EQ(recordOfInput(restored, "City", "State", "Country"), withoutStoreFields(*loaded));
    }
}

// A clock time from the atlas: no zone row and a correction to the second
// (Amsterdam Mean Time, +0:19:32), kept and drawn again to the second.
TEST(ChartLibrary, CorrectionToTheSecondWithoutZoneRowIsKept) {
    TempFolder folder;
    ChartLibrary library;
    ASSERT_TRUE(library.open(folder.file("charts.sqlite"))) << library.error();
    BirthInput e = entries("AMSTERDAM", 1930, 1, 1, 12, 0, -1, true, false, false);
    const UtCorrection amsterdam{0, -19, -32};
    e.correction = amsterdam;
    e.atlasClock = AtlasClock{"Amsterdam — North Holland, Netherlands", "Europe/Amsterdam",
                              Fold::None, 4.8897};
    const auto outcome = chartOfInput(e);
    ASSERT_TRUE(std::holds_alternative<ChartResult>(outcome));
    const ChartResult& saved = std::get<ChartResult>(outcome);
    ASSERT_EQ(saved.correction, amsterdam);
    ChartRecord record = recordOfChart(saved, "Amsterdam", "North Holland", "Netherlands");
    EXPECT_EQ(record.correctionSeconds, -(19 * 60 + 32));
    EXPECT_EQ(record.atlasPlace, "Amsterdam — North Holland, Netherlands");
    EXPECT_EQ(record.atlasZone, "Europe/Amsterdam");
    ASSERT_TRUE(library.add(record)) << library.error();
    const auto loaded = library.get(record.id);
    ASSERT_TRUE(loaded);
    const auto drawn = chartOfRecord(*loaded);
    ASSERT_TRUE(std::holds_alternative<ChartResult>(drawn))
        << std::get<RecordProblem>(drawn).detail;
    EXPECT_EQ(std::get<ChartResult>(drawn).correction, amsterdam);
    expectSameChart(saved, std::get<ChartResult>(drawn));
    // The chart drawn again keeps the atlas's clock, read at the place's own
    // longitude (as the chart was computed), not at the entries' 77° 13' E.
    const auto& clock = std::get<ChartResult>(drawn).input.atlasClock;
    ASSERT_TRUE(clock);
    EXPECT_EQ(clock->timeZone, "Europe/Amsterdam");
    EXPECT_EQ(clock->place, "Amsterdam — North Holland, Netherlands");
    EXPECT_EQ(clock->longitudeEastDeg, 4.8897);
}

// A chart computed with the precise positions is kept as such and drawn again
// with them, not with the built-in ones.
TEST(ChartLibrary, PreciseChartIsDrawnAgainWithPrecisePositions) {
    TempFolder folder;
    ChartLibrary library;
    ASSERT_TRUE(library.open(folder.file("charts.sqlite"))) << library.error();
    const BirthInput cases[] = {
        entries("ANNA", 1985, 6, 15, 14, 30, 34, true, false, false),
        entries("NEWFOUNDLAND", 1952, 2, 29, 23, 59, 50, false, true, true),
    };
    for (const BirthInput& e : cases) {
        SCOPED_TRACE(e.name);
        const auto classic = chartOfInput(e);
        ASSERT_TRUE(std::holds_alternative<ChartResult>(classic));
        const ChartResult& builtIn = std::get<ChartResult>(classic);
        BirthInput precise = e;
        precise.positions = Positions::Precise;
        const ChartResult saved = std::get<ChartResult>(chartOfInput(precise));
        ASSERT_EQ(saved.positions, Positions::Precise);
        // The two methods differ in the Moon by far more than rounding.
        ASSERT_NE(saved.longitudesDeg, builtIn.longitudesDeg);

        ChartRecord record = recordOfChart(saved, "City", "State", "Country");
        EXPECT_EQ(record.positions, "precise");
        ASSERT_TRUE(library.add(record)) << library.error();
        const auto loaded = library.get(record.id);
        ASSERT_TRUE(loaded);
        EXPECT_EQ(loaded->positions, "precise");
        const auto drawn = chartOfRecord(*loaded);
        ASSERT_TRUE(std::holds_alternative<ChartResult>(drawn))
            << std::get<RecordProblem>(drawn).detail;
        expectSameChart(saved, std::get<ChartResult>(drawn));

        // The same record marked classic draws the built-in chart.
        ChartRecord asClassic = *loaded;
        asClassic.positions = "classic";
        const auto drawnClassic = chartOfRecord(asClassic);
        ASSERT_TRUE(std::holds_alternative<ChartResult>(drawnClassic));
        expectSameChart(builtIn, std::get<ChartResult>(drawnClassic));
    }
}

TEST(ChartLibrary, RecordsOutsideTheirRangesAreNotDrawn) {
    struct Case {
        const char* what;
        void (*change)(ChartRecord&);
        std::optional<InputProblem> input; // the birth check's refusal
        const char* detail;                // or the words of a value out of range
    };
    const Case cases[] = {
        {"year 1900", [](ChartRecord& r) { r.year = 1900; }, {}, "the year 1900 is outside"},
        {"month 13", [](ChartRecord& r) { r.month = 13; }, {}, "not a calendar date"},
        {"30 February", [](ChartRecord& r) { r.month = 2, r.day = 30; }, InputProblem::FebruaryDate,
         ""},
        {"hour 24", [](ChartRecord& r) { r.hour = 24; }, {}, "not a clock time"},
        {"zone 71", [](ChartRecord& r) { r.zonePosition = 71; }, {}, "not on the list"},
        {"15 hours", [](ChartRecord& r) { r.correctionSeconds = 15 * 3600; }, {}, "14 hours"},
        {"longitude 180", [](ChartRecord& r) { r.longitudeDegrees = 180; },
         InputProblem::LongitudeDegrees, ""},
        {"blank name", [](ChartRecord& r) { r.name = "  "; }, InputProblem::EmptyName, ""},
        {"unknown source", [](ChartRecord& r) { r.positions = "guessed"; }, {}, "not available"},
        {"source in capitals",
         [](ChartRecord& r) { r.positions = "Precise"; },
         {},
         "not available"},
    };
    for (const Case& c : cases) {
        ChartRecord r = sampleRecord();
        r.positions = "classic";
        ASSERT_FALSE(recordProblem(r)) << recordProblem(r)->detail;
        c.change(r);
        const auto problem = recordProblem(r);
        ASSERT_TRUE(problem) << c.what;
        EXPECT_EQ(problem->input, c.input) << c.what;
        EXPECT_NE(problem->detail.find(c.detail), std::string::npos)
            << c.what << ": " << problem->detail;
        EXPECT_TRUE(std::holds_alternative<RecordProblem>(chartOfRecord(r))) << c.what;
    }
}

TEST(ChartLibrary, ListsSortByNameAndRecentKeepsTheLastTenOpened) {
    TempFolder folder;
    ChartLibrary library;
    ASSERT_TRUE(library.open(folder.file("charts.sqlite"))) << library.error();
    std::vector<ChartRecord> records;
    for (const char* name : {"bob", "Alice", "carol", "ALICE"}) {
        ChartRecord r = sampleRecord();
        r.name = name;
        records.push_back(r);
    }
    ASSERT_TRUE(library.addAll(records)) << library.error();
    std::vector<std::string> names;
    for (const auto& s : library.summaries())
        names.push_back(s.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Alice", "ALICE", "bob", "carol"}));
    EXPECT_EQ(library.findByName("Alice"), (std::vector<std::int64_t>{records[1].id}));

    for (int i = 0; i < 12; ++i) {
        ChartRecord r = sampleRecord();
        r.name = "P" + std::to_string(i);
        ASSERT_TRUE(library.add(r));
        ASSERT_TRUE(library.markOpened(r.id));
    }
    ASSERT_TRUE(library.markOpened(records[0].id)); // bob again, newest
    const auto recent = library.recent();
    ASSERT_EQ(recent.size(), 10u);
    EXPECT_EQ(recent[0].name, "bob");
    EXPECT_EQ(recent[1].name, "P11");
    EXPECT_EQ(recent[9].name, "P3");
}

// The first schema: the correction in hours and minutes, no seconds, no
// atlas columns, no positions source.
constexpr const char* kFirstSchema = R"sql(
PRAGMA application_id=1330791002;
CREATE TABLE charts(
    id INTEGER PRIMARY KEY, name TEXT NOT NULL,
    year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL,
    hour INTEGER NOT NULL, minute INTEGER NOT NULL,
    zone_position INTEGER NOT NULL,
    correction_hours INTEGER NOT NULL, correction_minutes INTEGER NOT NULL,
    daylight_saving INTEGER NOT NULL,
    longitude_degrees INTEGER NOT NULL, longitude_minutes INTEGER NOT NULL, east INTEGER NOT NULL,
    latitude_degrees INTEGER NOT NULL, latitude_minutes INTEGER NOT NULL, south INTEGER NOT NULL,
    city TEXT NOT NULL DEFAULT '', state TEXT NOT NULL DEFAULT '', country TEXT NOT NULL DEFAULT '',
    note TEXT NOT NULL DEFAULT '', added_at TEXT NOT NULL, changed_at TEXT NOT NULL,
    opened_seq INTEGER);
CREATE INDEX charts_by_name ON charts(name COLLATE NOCASE);
INSERT INTO charts VALUES(7, 'ANNA', 1985, 6, 15, 14, 30, 34, -5, -30, 0, 77, 13, 1, 28, 39, 0,
    'Delhi', 'Delhi', 'India', 'first', '2010-01-01T00:00:00Z', '2011-01-01T00:00:00Z', 3);
INSERT INTO charts VALUES(8, 'NEWF', 1950, 2, 29, 23, 59, 50, 3, 30, 1, 52, 43, 0, 47, 34, 0,
    '', '', '', '', '2010-01-01T00:00:00Z', '2010-01-01T00:00:00Z', NULL);
PRAGMA user_version=1;
)sql";

TEST(ChartLibrary, FirstSchemaIsUpgradedWithEveryChartKept) {
    TempFolder folder;
    const std::string path = folder.file("old.sqlite");
    rawSql(path, kFirstSchema);
    ASSERT_EQ(kLibraryApplicationId, 1330791002);

    ChartLibrary library;
    ASSERT_TRUE(library.open(path)) << library.error();
    EXPECT_EQ(rawSql(path, "PRAGMA user_version"), std::to_string(kLibrarySchemaVersion));
    const auto records = library.all();
    ASSERT_EQ(records.size(), 2u);
    const ChartRecord& anna = records[0];
    EXPECT_EQ(anna.id, 7);
    EXPECT_EQ(anna.correctionSeconds, -19800);
    EXPECT_EQ(anna.second, 0);
    EXPECT_EQ(anna.positions, "classic");
    EXPECT_EQ(anna.houseSystem, "equal");
    EXPECT_EQ(anna.atlasPlace, "");
    EXPECT_EQ(anna.note, "first");
    EXPECT_EQ(anna.changedAt, "2011-01-01T00:00:00Z");
    EXPECT_EQ(records[1].correctionSeconds, 3 * 3600 + 30 * 60);
    EXPECT_EQ(library.recent().size(), 1u);

    // Drawn again, each is the chart the entries give today.
    const auto fresh = chartOfInput(inputOfRecord(anna));
    const auto drawn = chartOfRecord(anna);
    ASSERT_TRUE(std::holds_alternative<ChartResult>(drawn));
    expectSameChart(std::get<ChartResult>(fresh), std::get<ChartResult>(drawn));

    // The upgraded library takes new charts with every field.
    ChartRecord added = sampleRecord();
    ASSERT_TRUE(library.add(added)) << library.error();
    EXPECT_EQ(withoutStoreFields(*library.get(added.id)), sampleRecord());
}

TEST(ChartLibrary, ARecordKeepsItsHouseSystemAndIsDrawnWithIt) {
    TempFolder folder;
    ChartLibrary library;
    ASSERT_TRUE(library.open(folder.file("houses.sqlite"))) << library.error();
    ChartRecord record = sampleRecord();
    record.houseSystem = "koch";
    ASSERT_TRUE(library.add(record)) << library.error();
    const auto stored = library.get(record.id);
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->houseSystem, "koch");
    const auto drawn = chartOfRecord(*stored);
    ASSERT_TRUE(std::holds_alternative<ChartResult>(drawn));
    EXPECT_EQ(std::get<ChartResult>(drawn).houseSystemAsked, HouseSystem::Koch);
    EXPECT_EQ(recordOfChart(std::get<ChartResult>(drawn), "", "", "").houseSystem, "koch");

    record.houseSystem = "koch-like";
    const auto problem = recordProblem(record);
    ASSERT_TRUE(problem);
    EXPECT_FALSE(problem->input);
    EXPECT_EQ(problem->detail, "the house system \"koch-like\" is not available");
}

struct Untouched {
    const char* what;
    std::string bytes;
    LibraryFault fault;
    const char* words;
};

TEST(ChartLibrary, ForeignDamagedAndNewerFilesAreLeftAsTheyWere) {
    TempFolder folder;
    // A real library to damage and to mark as newer.
    const std::string good = folder.file("good.sqlite");
    {
        ChartLibrary library;
        ASSERT_TRUE(library.open(good));
        std::vector<ChartRecord> many(300, sampleRecord());
        ASSERT_TRUE(library.addAll(many));
    }
    rawSql(good, "PRAGMA journal_mode=DELETE");
    const std::string goodBytes = fileBytes(good);
    ASSERT_GT(goodBytes.size(), 8192u);

    std::string damaged = goodBytes;
    for (std::size_t i = 4096; i < 3 * 4096; ++i) // the second and third pages
        damaged[i] = static_cast<char>(i * 7);

    const std::string foreignDb = folder.file("foreign-db.sqlite");
    rawSql(foreignDb, "CREATE TABLE songs(title TEXT); INSERT INTO songs VALUES('x');");
    const std::string newer = folder.file("newer-db.sqlite");
    writeBytes(newer, goodBytes);
    rawSql(newer, "PRAGMA user_version=" + std::to_string(kLibrarySchemaVersion + 1));

    const Untouched cases[] = {
        {"text file", "name,date\nANNA,1985-06-15\n", LibraryFault::NotLibrary,
         "is not a chart library"},
        {"another program's database", fileBytes(foreignDb), LibraryFault::NotLibrary,
         "is not a chart library"},
        {"damaged library", damaged, LibraryFault::Damaged, "is a damaged chart library"},
        {"newer library", fileBytes(newer), LibraryFault::Newer, "from a newer version"},
        {"truncated library", goodBytes.substr(0, 6000), LibraryFault::Damaged,
         "is a damaged chart library"},
    };
    for (const Untouched& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = folder.file("case.sqlite");
        writeBytes(path, c.bytes);
        ChartLibrary library;
        EXPECT_FALSE(library.open(path));
        EXPECT_FALSE(library.isOpen());
        EXPECT_EQ(library.fault(), c.fault) << library.error();
        EXPECT_NE(library.error().find(path), std::string::npos) << library.error();
        EXPECT_NE(library.error().find(c.words), std::string::npos) << library.error();
        EXPECT_EQ(library.error().find('\n'), std::string::npos);
        ChartRecord r = sampleRecord();
        EXPECT_FALSE(library.add(r));
        EXPECT_TRUE(fileBytes(path) == c.bytes) << "the file was changed";
        std::filesystem::remove(path);
    }
}

TEST(ChartLibrary, SecondWriterWaitsThenReportsBusyAndChangesNothing) {
    TempFolder folder;
    const std::string path = folder.file("charts.sqlite");
    ChartLibrary library;
    ASSERT_TRUE(library.open(path, 200));
    ChartRecord first = sampleRecord();
    ASSERT_TRUE(library.add(first));

    sqlite3* other = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &other), SQLITE_OK);
    ASSERT_EQ(
        sqlite3_exec(other, "BEGIN IMMEDIATE; DELETE FROM charts;", nullptr, nullptr, nullptr),
        SQLITE_OK);

    const auto started = std::chrono::steady_clock::now();
    ChartRecord second = sampleRecord();
    EXPECT_FALSE(library.add(second));
    const auto waited = std::chrono::steady_clock::now() - started;
    EXPECT_EQ(library.fault(), LibraryFault::Busy);
    EXPECT_EQ(library.error(), "the library is busy");
    EXPECT_GE(waited, std::chrono::milliseconds(150));
    std::vector<ChartRecord> batch(5, sampleRecord());
    EXPECT_FALSE(library.addAll(batch));
    EXPECT_EQ(library.fault(), LibraryFault::Busy);
    // Readers are not held up by the writer, and see the last committed state.
    EXPECT_EQ(library.count(), 1);

    sqlite3_exec(other, "ROLLBACK", nullptr, nullptr, nullptr);
    sqlite3_close(other);
    EXPECT_TRUE(library.add(second)) << library.error();
    EXPECT_EQ(library.count(), 2);
}

// Runs body in a child process and returns what it wrote to its pipe.
template <typename Body> std::string inChild(Body body, int* status = nullptr) {
    int fds[2];
    if (pipe(fds) != 0)
        return "pipe failed";
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        const std::string said = body();
        (void)!write(fds[1], said.data(), said.size());
        _exit(0);
    }
    close(fds[1]);
    std::string text;
    char buffer[512];
    ssize_t got;
    while ((got = read(fds[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, static_cast<std::size_t>(got));
    close(fds[0]);
    int childStatus = 0;
    waitpid(pid, &childStatus, 0);
    if (status != nullptr)
        *status = childStatus;
    return text;
}

TEST(ChartLibrary, ImportKilledHalfWayLeavesTheLibraryAsItWas) {
    TempFolder folder;
    const std::string path = folder.file("charts.sqlite");
    {
        ChartLibrary library;
        ASSERT_TRUE(library.open(path));
        std::vector<ChartRecord> before(3, sampleRecord());
        ASSERT_TRUE(library.addAll(before));
    }

    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    const pid_t pid = fork();
    if (pid == 0) {
        close(fds[0]);
        ChartLibrary library;
        if (!library.open(path))
            _exit(3);
        std::vector<ChartRecord> rows(50000, sampleRecord());
        library.addAll(rows, [&](std::size_t done) {
            if (done == 20000)
                (void)!write(fds[1], "x", 1);
            if (done > 20000)
                usleep(1000); // the parent kills the child in here
        });
        _exit(4); // the whole import finished: the kill came too late
    }
    close(fds[1]);
    char signal = 0;
    ASSERT_EQ(read(fds[0], &signal, 1), 1);
    close(fds[0]);
    // The rows so far have reached the write-ahead log on disk.
    EXPECT_GT(std::filesystem::file_size(path + "-wal"), 100000u);
    kill(pid, SIGKILL);
    int status = 0;
    waitpid(pid, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status));
    ASSERT_EQ(WTERMSIG(status), SIGKILL);

    EXPECT_EQ(rawSql(path, "PRAGMA integrity_check"), "ok");
    ChartLibrary library;
    ASSERT_TRUE(library.open(path)) << library.error();
    EXPECT_EQ(library.count(), 3);
    ChartRecord after = sampleRecord();
    EXPECT_TRUE(library.add(after));
}

TEST(ChartLibrary, FullDiskIsReportedWithTheFileAndTheLibraryStaysWhole) {
    TempFolder folder;
    const std::string path = folder.file("charts.sqlite");
    {
        ChartLibrary library;
        ASSERT_TRUE(library.open(path));
        ChartRecord r = sampleRecord();
        ASSERT_TRUE(library.add(r));
    }
    const std::string said = inChild([&] {
        // No file may grow past 256 KiB: the write-ahead log runs into it as
        // into a full disk.
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit{256 * 1024, 256 * 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        ChartLibrary library;
        if (!library.open(path))
            return "open: " + library.error();
        std::vector<ChartRecord> rows(20000, sampleRecord());
        for (auto& r : rows)
            r.note = std::string(200, 'n');
        if (library.addAll(rows))
            return std::string("stored everything");
        return library.error();
    });
    EXPECT_NE(said.find("cannot write to the library " + path + ": "), std::string::npos) << said;
    EXPECT_TRUE(said.find("disk is full") != std::string::npos ||
                said.find("too large") != std::string::npos)
        << said;

    EXPECT_EQ(rawSql(path, "PRAGMA integrity_check"), "ok");
    ChartLibrary library;
    ASSERT_TRUE(library.open(path)) << library.error();
    EXPECT_EQ(library.count(), 1);
}

TEST(ChartLibrary, ReadOnlyFileIsReadButNotWritten) {
    TempFolder folder;
    const std::string path = folder.file("charts.sqlite");
    {
        ChartLibrary library;
        ASSERT_TRUE(library.open(path));
        ChartRecord r = sampleRecord();
        ASSERT_TRUE(library.add(r));
    }
    chmod(path.c_str(), 0444);
    const std::string bytes = fileBytes(path);
    const std::string said = inChild([&] {
        // Root writes read-only files anyway; a plain user cannot.
        if (geteuid() == 0) {
            if (chown(folder.path().c_str(), 65534, 65534) != 0 || setgid(65534) != 0 ||
                setuid(65534) != 0)
                return std::string("cannot become a plain user");
        }
        ChartLibrary library;
        if (!library.open(path))
            return "open: " + library.error();
        std::string seen = "count " + std::to_string(library.count().value_or(-1)) + "; ";
        ChartRecord r = sampleRecord();
        if (library.add(r))
            return seen + "added";
        return seen + library.error();
    });
    EXPECT_EQ(said, "count 1; cannot write to the library " + path + ": the file is read-only");
    EXPECT_TRUE(fileBytes(path) == bytes) << "the file was changed";
}

// A library of the second schema in a folder nobody may write to: it cannot
// be upgraded nor get its log files, and is read as it is.
TEST(ChartLibrary, OlderLibraryInAReadOnlyFolderIsRead) {
    TempFolder folder;
    const std::string path = folder.file("charts.sqlite");
    {
        ChartLibrary library;
        ASSERT_TRUE(library.open(path));
        ChartRecord r = sampleRecord();
        ASSERT_TRUE(library.add(r));
    }
    rawSql(path, "ALTER TABLE charts DROP COLUMN atlas_name; ALTER TABLE charts DROP COLUMN "
                 "atlas_state; ALTER TABLE charts DROP COLUMN atlas_country; ALTER TABLE charts "
                 "DROP COLUMN atlas_latitude; ALTER TABLE charts DROP COLUMN atlas_longitude; "
                 "PRAGMA user_version=2;");
    chmod(folder.path().c_str(), 0555);
    const std::string bytes = fileBytes(path);
    const std::string said = inChild([&] {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0))
            return std::string("cannot become a plain user");
        ChartLibrary library;
        if (!library.open(path))
            return "open: " + library.error();
        const auto records = library.all();
        if (records.size() != 1)
            return "read " + std::to_string(records.size()) + ": " + library.error();
        ChartRecord expected = sampleRecord();
        expected.atlasName = expected.atlasState = expected.atlasCountry = "";
        expected.atlasLatitudeDeg = expected.atlasLongitudeDeg = std::nullopt;
        return withoutStoreFields(records[0]) == expected ? std::string("same")
                                                          : std::string("other record");
    });
    chmod(folder.path().c_str(), 0700);
    EXPECT_EQ(said, "same");
    EXPECT_TRUE(fileBytes(path) == bytes) << "the file was changed";
}

TEST(ChartLibrary, DefaultFileFollowsTheEnvironment) {
    struct Saved {
        const char* name;
        std::optional<std::string> value;
    };
    std::vector<Saved> saved;
    for (const char* name : {"ORBENZA_LIBRARY", "XDG_DATA_HOME", "HOME"}) {
        const char* v = std::getenv(name);
        saved.push_back({name, v ? std::optional<std::string>(v) : std::nullopt});
    }
    setenv("HOME", "/home/anna", 1);
    unsetenv("ORBENZA_LIBRARY");
    unsetenv("XDG_DATA_HOME");
    EXPECT_EQ(defaultLibraryPath(), "/home/anna/.local/share/orbenza/charts.sqlite");
    setenv("XDG_DATA_HOME", "relative/is/ignored", 1);
    EXPECT_EQ(defaultLibraryPath(), "/home/anna/.local/share/orbenza/charts.sqlite");
    setenv("XDG_DATA_HOME", "/data", 1);
    EXPECT_EQ(defaultLibraryPath(), "/data/orbenza/charts.sqlite");
    setenv("ORBENZA_LIBRARY", "/tmp/mine.sqlite", 1);
    EXPECT_EQ(defaultLibraryPath(), "/tmp/mine.sqlite");
    unsetenv("ORBENZA_LIBRARY");
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    EXPECT_EQ(defaultLibraryPath(), "");
    ChartLibrary library;
    EXPECT_FALSE(library.open(defaultLibraryPath()));
    EXPECT_EQ(library.fault(), LibraryFault::CannotOpen);
    for (const Saved& s : saved) {
        if (s.value)
            setenv(s.name, s.value->c_str(), 1);
        else
            unsetenv(s.name);
    }
}

} // namespace
} // namespace orbenza::store
