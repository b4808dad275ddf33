#include "store/ChartLibrary.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <sqlite3.h>
#include <system_error>

namespace orbenza::store {

namespace {

// The newest schema, made in one go for a new file.
constexpr const char* kCreateSchema = R"sql(
CREATE TABLE charts(
    id INTEGER PRIMARY KEY,
    name TEXT NOT NULL,
    year INTEGER NOT NULL, month INTEGER NOT NULL, day INTEGER NOT NULL,
    hour INTEGER NOT NULL, minute INTEGER NOT NULL, second INTEGER NOT NULL DEFAULT 0,
    zone_position INTEGER NOT NULL,
    correction_seconds INTEGER NOT NULL,
    daylight_saving INTEGER NOT NULL,
    longitude_degrees INTEGER NOT NULL, longitude_minutes INTEGER NOT NULL,
    east INTEGER NOT NULL,
    latitude_degrees INTEGER NOT NULL, latitude_minutes INTEGER NOT NULL,
    south INTEGER NOT NULL,
    city TEXT NOT NULL DEFAULT '', state TEXT NOT NULL DEFAULT '',
    country TEXT NOT NULL DEFAULT '',
    atlas_place TEXT NOT NULL DEFAULT '', atlas_zone TEXT NOT NULL DEFAULT '',
    atlas_fold TEXT NOT NULL DEFAULT '',
    positions TEXT NOT NULL DEFAULT 'classic',
    note TEXT NOT NULL DEFAULT '',
    added_at TEXT NOT NULL, changed_at TEXT NOT NULL,
    opened_seq INTEGER
);
CREATE INDEX charts_by_name ON charts(name COLLATE NOCASE);
CREATE INDEX charts_by_opened ON charts(opened_seq) WHERE opened_seq IS NOT NULL;
)sql";

// From the first schema: seconds of the birth time, the correction to the
// second instead of hours and minutes, the atlas's place, zone and fold, and
// the source of the positions.
constexpr const char* kUpgrade1To2 = R"sql(
ALTER TABLE charts ADD COLUMN second INTEGER NOT NULL DEFAULT 0;
ALTER TABLE charts ADD COLUMN correction_seconds INTEGER NOT NULL DEFAULT 0;
UPDATE charts SET correction_seconds = correction_hours * 3600 + correction_minutes * 60;
ALTER TABLE charts DROP COLUMN correction_hours;
ALTER TABLE charts DROP COLUMN correction_minutes;
ALTER TABLE charts ADD COLUMN atlas_place TEXT NOT NULL DEFAULT '';
ALTER TABLE charts ADD COLUMN atlas_zone TEXT NOT NULL DEFAULT '';
ALTER TABLE charts ADD COLUMN atlas_fold TEXT NOT NULL DEFAULT '';
ALTER TABLE charts ADD COLUMN positions TEXT NOT NULL DEFAULT 'classic';
)sql";

constexpr const char* kRecordColumns =
    "id, name, year, month, day, hour, minute, second, zone_position, correction_seconds, "
    "daylight_saving, longitude_degrees, longitude_minutes, east, latitude_degrees, "
    "latitude_minutes, south, city, state, country, atlas_place, atlas_zone, atlas_fold, "
    "positions, note, added_at, changed_at";

constexpr const char* kSummaryColumns =
    "id, name, year, month, day, hour, minute, second, city, state, country";

// A prepared statement that finalizes itself.
class Statement {
public:
    explicit Statement(sqlite3_stmt* statement) : m_statement(statement) {}
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement() { sqlite3_finalize(m_statement); }
    explicit operator bool() const { return m_statement != nullptr; }
    sqlite3_stmt* get() const { return m_statement; }

    void bind(int index, std::int64_t value) { sqlite3_bind_int64(m_statement, index, value); }
    void bind(int index, int value) { sqlite3_bind_int(m_statement, index, value); }
    void bind(int index, bool value) { sqlite3_bind_int(m_statement, index, value ? 1 : 0); }
    // The text must stay alive until the statement has been stepped.
    void bind(int index, const std::string& value) {
        sqlite3_bind_text(m_statement, index, value.data(), static_cast<int>(value.size()),
                          SQLITE_STATIC);
    }
    int step() { return sqlite3_step(m_statement); }
    void reset() {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }

    int integer(int column) const { return sqlite3_column_int(m_statement, column); }
    std::int64_t integer64(int column) const { return sqlite3_column_int64(m_statement, column); }
    std::string text(int column) const {
        const auto* bytes = sqlite3_column_text(m_statement, column);
        const int size = sqlite3_column_bytes(m_statement, column);
        return bytes == nullptr ? std::string()
                                : std::string(reinterpret_cast<const char*>(bytes),
                                              static_cast<std::size_t>(size));
    }

private:
    sqlite3_stmt* m_statement;
};

ChartRecord readRecord(const Statement& row) {
    ChartRecord r;
    int c = 0;
    r.id = row.integer64(c++);
    r.name = row.text(c++);
    r.year = row.integer(c++);
    r.month = row.integer(c++);
    r.day = row.integer(c++);
    r.hour = row.integer(c++);
    r.minute = row.integer(c++);
    r.second = row.integer(c++);
    r.zonePosition = row.integer(c++);
    r.correctionSeconds = row.integer(c++);
    r.daylightSaving = row.integer(c++) != 0;
    r.longitudeDegrees = row.integer(c++);
    r.longitudeMinutes = row.integer(c++);
    r.east = row.integer(c++) != 0;
    r.latitudeDegrees = row.integer(c++);
    r.latitudeMinutes = row.integer(c++);
    r.south = row.integer(c++) != 0;
    r.city = row.text(c++);
    r.state = row.text(c++);
    r.country = row.text(c++);
    r.atlasPlace = row.text(c++);
    r.atlasZone = row.text(c++);
    r.atlasFold = row.text(c++);
    r.positions = row.text(c++);
    r.note = row.text(c++);
    r.addedAt = row.text(c++);
    r.changedAt = row.text(c++);
    return r;
}

ChartSummary readSummary(const Statement& row) {
    ChartSummary s;
    s.id = row.integer64(0);
    s.name = row.text(1);
    s.year = row.integer(2);
    s.month = row.integer(3);
    s.day = row.integer(4);
    s.hour = row.integer(5);
    s.minute = row.integer(6);
    s.second = row.integer(7);
    s.city = row.text(8);
    s.state = row.text(9);
    s.country = row.text(10);
    return s;
}

// Binds every field but the id, from parameter 1 on; returns the next index.
int bindRecordFields(Statement& statement, const ChartRecord& r) {
    int i = 1;
    statement.bind(i++, r.name);
    statement.bind(i++, r.year);
    statement.bind(i++, r.month);
    statement.bind(i++, r.day);
    statement.bind(i++, r.hour);
    statement.bind(i++, r.minute);
    statement.bind(i++, r.second);
    statement.bind(i++, r.zonePosition);
    statement.bind(i++, r.correctionSeconds);
    statement.bind(i++, r.daylightSaving);
    statement.bind(i++, r.longitudeDegrees);
    statement.bind(i++, r.longitudeMinutes);
    statement.bind(i++, r.east);
    statement.bind(i++, r.latitudeDegrees);
    statement.bind(i++, r.latitudeMinutes);
    statement.bind(i++, r.south);
    statement.bind(i++, r.city);
    statement.bind(i++, r.state);
    statement.bind(i++, r.country);
    statement.bind(i++, r.atlasPlace);
    statement.bind(i++, r.atlasZone);
    statement.bind(i++, r.atlasFold);
    statement.bind(i++, r.positions);
    statement.bind(i++, r.note);
    statement.bind(i++, r.addedAt);
    statement.bind(i++, r.changedAt);
    return i;
}

constexpr const char* kInsertRecord =
    "INSERT INTO charts(name, year, month, day, hour, minute, second, zone_position, "
    "correction_seconds, daylight_saving, longitude_degrees, longitude_minutes, east, "
    "latitude_degrees, latitude_minutes, south, city, state, country, atlas_place, atlas_zone, "
    "atlas_fold, positions, note, added_at, changed_at) "
    "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";

std::string nowText() {
    const std::time_t now = std::chrono::system_clock::to_time_t(std::chrono::system_clock::now());
    std::tm utc{};
    gmtime_r(&now, &utc);
    char text[32];
    std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

// Whether the file starts with the SQLite header, so a file SQLite refuses can
// be told apart as damaged (it is one) or foreign (it never was).
bool hasSqliteHeader(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    char header[16] = {};
    file.read(header, sizeof header);
    return file.gcount() == 16 && std::memcmp(header, "SQLite format 3", 16) == 0;
}

} // namespace

std::string defaultLibraryPath() {
    if (const char* named = std::getenv("ORBENZA_LIBRARY"); named != nullptr && *named != '\0')
        return named;
    std::string dataHome;
    if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/')
        dataHome = xdg;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        dataHome = std::string(home) + "/.local/share";
    else
        return {};
    return dataHome + "/orbenza/charts.sqlite";
}

ChartLibrary::~ChartLibrary() {
    close();
}

void ChartLibrary::close() {
    if (m_db != nullptr)
        sqlite3_close_v2(m_db);
    m_db = nullptr;
}

bool ChartLibrary::fail(LibraryFault fault, std::string message) {
    m_fault = fault;
    m_error = std::move(message);
    return false;
}

bool ChartLibrary::failSql(int rc, const char* doing) {
    const int primary = rc & 0xff;
    const std::string file = "the library " + m_path;
    switch (primary) {
    case SQLITE_BUSY:
    case SQLITE_LOCKED:
        return fail(LibraryFault::Busy, std::string(kMessageLibraryBusy));
    case SQLITE_FULL:
        return fail(LibraryFault::Full, "cannot write to " + file + ": the disk is full");
    case SQLITE_READONLY:
        return fail(LibraryFault::ReadOnly, "cannot write to " + file + ": the file is read-only");
    case SQLITE_CORRUPT:
        return fail(LibraryFault::Damaged,
                    m_path + " is a damaged chart library; it is left as it is");
    case SQLITE_NOTADB:
        return hasSqliteHeader(m_path)
                   ? fail(LibraryFault::Damaged,
                          m_path + " is a damaged chart library; it is left as it is")
                   : fail(LibraryFault::NotLibrary,
                          m_path + " is not a chart library; it is left as it is");
    case SQLITE_CANTOPEN:
    case SQLITE_IOERR:
    case SQLITE_PERM: {
        const int systemError = m_db != nullptr ? sqlite3_system_errno(m_db) : 0;
        std::string reason = systemError != 0
                                 ? std::strerror(systemError)
                                 : (m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc));
        if (systemError == ENOSPC)
            return fail(LibraryFault::Full, "cannot write to " + file + ": the disk is full");
        if (systemError == EROFS || systemError == EACCES || systemError == EPERM)
            return fail(LibraryFault::ReadOnly,
                        std::string("cannot ") + doing + " " + file + ": " + reason);
        return fail(primary == SQLITE_CANTOPEN ? LibraryFault::CannotOpen : LibraryFault::Other,
                    std::string("cannot ") + doing + " " + file + ": " + reason);
    }
    default:
        return fail(LibraryFault::Other,
                    std::string("cannot ") + doing + " " + file + ": " +
                        (m_db != nullptr ? sqlite3_errmsg(m_db) : sqlite3_errstr(rc)));
    }
}

sqlite3_stmt* ChartLibrary::prepare(const char* sql) {
    sqlite3_stmt* statement = nullptr;
    const int rc = sqlite3_prepare_v2(m_db, sql, -1, &statement, nullptr);
    if (rc != SQLITE_OK) {
        failSql(rc, "read");
        return nullptr;
    }
    return statement;
}

bool ChartLibrary::exec(const char* sql) {
    const int rc = sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr);
    return rc == SQLITE_OK || failSql(rc, "write to");
}

bool ChartLibrary::begin() {
    if (m_db == nullptr)
        return fail(LibraryFault::CannotOpen, "no chart library is open");
    if (sqlite3_db_readonly(m_db, "main") == 1)
        return fail(LibraryFault::ReadOnly,
                    "cannot write to the library " + m_path + ": the file is read-only");
    // IMMEDIATE takes the write lock now, so a second writer waits here (up
    // to the busy timeout) rather than failing half-way through the change.
    return exec("BEGIN IMMEDIATE");
}

bool ChartLibrary::commit() {
    const int rc = sqlite3_exec(m_db, "COMMIT", nullptr, nullptr, nullptr);
    if (rc == SQLITE_OK)
        return true;
    failSql(rc, "write to");
    rollback();
    return false;
}

void ChartLibrary::rollback() {
    if (sqlite3_get_autocommit(m_db) == 0)
        sqlite3_exec(m_db, "ROLLBACK", nullptr, nullptr, nullptr);
}

bool ChartLibrary::open(const std::string& path, int busyTimeoutMs) {
    close();
    m_path = path;
    m_fault = LibraryFault::None;
    m_error.clear();
    if (path.empty())
        return fail(LibraryFault::CannotOpen, "no place for the chart library: HOME is not set");

    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (!exists) {
        const auto folder = std::filesystem::path(path).parent_path();
        if (!folder.empty() && !std::filesystem::exists(folder, ec)) {
            std::filesystem::create_directories(folder, ec);
            if (ec)
                return fail(LibraryFault::CannotOpen,
                            "cannot create the library " + path + ": " + ec.message());
        }
    } else if (std::filesystem::is_directory(path, ec)) {
        return fail(LibraryFault::NotLibrary,
                    path + " is not a chart library; it is left as it is");
    }

    const int flags = SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE) |
                      SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE;
    const int rc = sqlite3_open_v2(path.c_str(), &m_db, flags, nullptr);
    if (rc != SQLITE_OK) {
        failSql(rc, exists ? "open" : "create");
        close();
        return false;
    }
    sqlite3_busy_timeout(m_db, busyTimeoutMs);
    sqlite3_extended_result_codes(m_db, 1);

    if (!checkExisting()) {
        close();
        return false;
    }
    return true;
}

// Reads the file's marks before anything is written to it. Only a new or
// empty file is made into a library, only an older library is upgraded.
bool ChartLibrary::checkExisting() {
    std::int32_t applicationId = 0;
    int version = 0;
    std::int64_t objects = 0;
    {
        Statement probe(prepare("SELECT (SELECT application_id FROM pragma_application_id), "
                                "(SELECT user_version FROM pragma_user_version), "
                                "(SELECT count(*) FROM sqlite_schema)"));
        if (!probe)
            return false;
        const int rc = probe.step();
        if (rc != SQLITE_ROW)
            return failSql(rc, "read");
        applicationId = static_cast<std::int32_t>(probe.integer64(0));
        version = probe.integer(1);
        objects = probe.integer64(2);
    }

    const bool empty = applicationId == 0 && version == 0 && objects == 0;
    if (!empty && applicationId != kLibraryApplicationId)
        return fail(LibraryFault::NotLibrary,
                    m_path + " is not a chart library; it is left as it is");
    if (version > kLibrarySchemaVersion)
        return fail(LibraryFault::Newer, m_path + " is a chart library from a newer version of "
                                                  "Orbenza; it is left as it is");
    if (!empty) {
        Statement check(prepare("PRAGMA quick_check(1)"));
        if (!check)
            return false;
        const int rc = check.step();
        if (rc != SQLITE_ROW)
            return failSql(rc, "read");
        if (check.text(0) != "ok" || version < 1)
            return fail(LibraryFault::Damaged,
                        m_path + " is a damaged chart library; it is left as it is");
    }

    const bool writable = sqlite3_db_readonly(m_db, "main") == 0;
    if (writable) {
        // Write-ahead logging: readers never wait for the writer, and a
        // change interrupted at any point leaves the last committed state.
        Statement wal(prepare("PRAGMA journal_mode=WAL"));
        if (!wal)
            return false;
        const int rc = wal.step();
        if (rc != SQLITE_ROW)
            return failSql(rc, "open");
    }
    if (empty)
        return createSchema();
    if (version < kLibrarySchemaVersion)
        return upgrade(version);
    return true;
}

bool ChartLibrary::createSchema() {
    if (!begin())
        return false;
    const std::string marks = "PRAGMA application_id=" + std::to_string(kLibraryApplicationId) +
                              "; PRAGMA user_version=" + std::to_string(kLibrarySchemaVersion) +
                              ";";
    if (!exec(kCreateSchema) || !exec(marks.c_str())) {
        rollback();
        return false;
    }
    return commit();
}

bool ChartLibrary::upgrade(int fromVersion) {
    if (!begin())
        return false;
    bool ok = true;
    if (fromVersion < 2)
        ok = exec(kUpgrade1To2);
    const std::string mark = "PRAGMA user_version=" + std::to_string(kLibrarySchemaVersion);
    if (!ok || !exec(mark.c_str())) {
        rollback();
        return false;
    }
    return commit();
}

bool ChartLibrary::insert(ChartRecord& record, bool keepTimes) {
    const std::string now = nowText();
    if (!keepTimes || record.addedAt.empty())
        record.addedAt = now;
    if (!keepTimes || record.changedAt.empty())
        record.changedAt = record.addedAt;
    Statement statement(prepare(kInsertRecord));
    if (!statement)
        return false;
    bindRecordFields(statement, record);
    const int rc = statement.step();
    if (rc != SQLITE_DONE)
        return failSql(rc, "write to");
    record.id = sqlite3_last_insert_rowid(m_db);
    return true;
}

bool ChartLibrary::add(ChartRecord& record) {
    if (!begin())
        return false;
    ChartRecord stored = record;
    if (!insert(stored, false)) {
        rollback();
        return false;
    }
    if (!commit())
        return false;
    record = std::move(stored);
    return true;
}

bool ChartLibrary::addAll(std::vector<ChartRecord>& records,
                          const std::function<void(std::size_t)>& progress) {
    if (!begin())
        return false;
    const std::string now = nowText();
    Statement statement(prepare(kInsertRecord));
    if (!statement) {
        rollback();
        return false;
    }
    std::vector<std::int64_t> ids;
    ids.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        ChartRecord& r = records[i];
        const std::string added = r.addedAt.empty() ? now : r.addedAt;
        const std::string changed = r.changedAt.empty() ? added : r.changedAt;
        ChartRecord timed = r;
        timed.addedAt = added;
        timed.changedAt = changed;
        bindRecordFields(statement, timed);
        const int rc = statement.step();
        statement.reset();
        if (rc != SQLITE_DONE) {
            failSql(rc, "write to");
            rollback();
            return false;
        }
        ids.push_back(sqlite3_last_insert_rowid(m_db));
        if (progress)
            progress(i + 1);
    }
    if (!commit())
        return false;
    const std::string fallback = now;
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].id = ids[i];
        if (records[i].addedAt.empty())
            records[i].addedAt = fallback;
        if (records[i].changedAt.empty())
            records[i].changedAt = records[i].addedAt;
    }
    return true;
}

bool ChartLibrary::update(ChartRecord& record) {
    if (!begin())
        return false;
    const std::string now = nowText();
    Statement statement(prepare(
        "UPDATE charts SET name=?, year=?, month=?, day=?, hour=?, minute=?, second=?, "
        "zone_position=?, correction_seconds=?, daylight_saving=?, longitude_degrees=?, "
        "longitude_minutes=?, east=?, latitude_degrees=?, latitude_minutes=?, south=?, city=?, "
        "state=?, country=?, atlas_place=?, atlas_zone=?, atlas_fold=?, positions=?, note=?, "
        "added_at=added_at, changed_at=? WHERE id=? RETURNING added_at"));
    if (!statement) {
        rollback();
        return false;
    }
    ChartRecord stored = record;
    stored.changedAt = now;
    // added_at keeps its stored value: parameter 25 binds the changed time.
    int next = bindRecordFields(statement, stored);
    // bindRecordFields bound added_at at 25 and changed_at at 26; shift them.
    statement.bind(next - 2, stored.changedAt);
    statement.bind(next - 1, record.id);
    const int rc = statement.step();
    if (rc == SQLITE_DONE) {
        rollback();
        return fail(LibraryFault::NotFound,
                    "no chart numbered " + std::to_string(record.id) + " in the library " + m_path);
    }
    if (rc != SQLITE_ROW) {
        failSql(rc, "write to");
        rollback();
        return false;
    }
    stored.addedAt = statement.text(0);
    statement.reset();
    if (!commit())
        return false;
    record = std::move(stored);
    return true;
}

bool ChartLibrary::remove(std::int64_t id) {
    if (!begin())
        return false;
    Statement statement(prepare("DELETE FROM charts WHERE id=?"));
    if (!statement) {
        rollback();
        return false;
    }
    statement.bind(1, id);
    const int rc = statement.step();
    if (rc != SQLITE_DONE) {
        failSql(rc, "write to");
        rollback();
        return false;
    }
    if (sqlite3_changes(m_db) == 0) {
        rollback();
        return fail(LibraryFault::NotFound,
                    "no chart numbered " + std::to_string(id) + " in the library " + m_path);
    }
    return commit();
}

std::optional<ChartRecord> ChartLibrary::get(std::int64_t id) {
    if (m_db == nullptr)
        return std::nullopt;
    Statement statement(
        prepare((std::string("SELECT ") + kRecordColumns + " FROM charts WHERE id=?").c_str()));
    if (!statement)
        return std::nullopt;
    statement.bind(1, id);
    const int rc = statement.step();
    if (rc == SQLITE_ROW)
        return readRecord(statement);
    if (rc == SQLITE_DONE)
        fail(LibraryFault::NotFound,
             "no chart numbered " + std::to_string(id) + " in the library " + m_path);
    else
        failSql(rc, "read");
    return std::nullopt;
}

std::vector<ChartRecord> ChartLibrary::all() {
    std::vector<ChartRecord> records;
    if (m_db == nullptr)
        return records;
    Statement statement(
        prepare((std::string("SELECT ") + kRecordColumns + " FROM charts ORDER BY id").c_str()));
    if (!statement)
        return records;
    int rc;
    while ((rc = statement.step()) == SQLITE_ROW)
        records.push_back(readRecord(statement));
    if (rc != SQLITE_DONE)
        failSql(rc, "read");
    return records;
}

std::vector<ChartSummary> ChartLibrary::summaries() {
    std::vector<ChartSummary> list;
    if (m_db == nullptr)
        return list;
    Statement statement(prepare(
        (std::string("SELECT ") + kSummaryColumns + " FROM charts ORDER BY name COLLATE NOCASE, id")
            .c_str()));
    if (!statement)
        return list;
    int rc;
    while ((rc = statement.step()) == SQLITE_ROW)
        list.push_back(readSummary(statement));
    if (rc != SQLITE_DONE)
        failSql(rc, "read");
    return list;
}

std::vector<std::int64_t> ChartLibrary::findByName(const std::string& name) {
    std::vector<std::int64_t> ids;
    if (m_db == nullptr)
        return ids;
    Statement statement(prepare("SELECT id FROM charts WHERE name=? ORDER BY id"));
    if (!statement)
        return ids;
    statement.bind(1, name);
    int rc;
    while ((rc = statement.step()) == SQLITE_ROW)
        ids.push_back(statement.integer64(0));
    if (rc != SQLITE_DONE)
        failSql(rc, "read");
    return ids;
}

std::optional<std::int64_t> ChartLibrary::count() {
    if (m_db == nullptr)
        return std::nullopt;
    Statement statement(prepare("SELECT count(*) FROM charts"));
    if (!statement)
        return std::nullopt;
    const int rc = statement.step();
    if (rc != SQLITE_ROW) {
        failSql(rc, "read");
        return std::nullopt;
    }
    return statement.integer64(0);
}

bool ChartLibrary::markOpened(std::int64_t id) {
    if (!begin())
        return false;
    Statement statement(prepare("UPDATE charts SET opened_seq = "
                                "(SELECT coalesce(max(opened_seq), 0) + 1 FROM charts) "
                                "WHERE id=?"));
    if (!statement) {
        rollback();
        return false;
    }
    statement.bind(1, id);
    const int rc = statement.step();
    if (rc != SQLITE_DONE) {
        failSql(rc, "write to");
        rollback();
        return false;
    }
    return commit();
}

std::vector<ChartSummary> ChartLibrary::recent(int limit) {
    std::vector<ChartSummary> list;
    if (m_db == nullptr)
        return list;
    Statement statement(prepare((std::string("SELECT ") + kSummaryColumns +
                                 " FROM charts WHERE opened_seq IS NOT NULL "
                                 "ORDER BY opened_seq DESC LIMIT ?")
                                    .c_str()));
    if (!statement)
        return list;
    statement.bind(1, limit);
    int rc;
    while ((rc = statement.step()) == SQLITE_ROW)
        list.push_back(readSummary(statement));
    if (rc != SQLITE_DONE)
        failSql(rc, "read");
    return list;
}

} // namespace orbenza::store
