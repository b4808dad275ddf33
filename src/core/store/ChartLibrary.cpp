#include "store/ChartLibrary.h"

#include "store/LibrarySchema.h"
#include "store/Statement.h"

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
#include <unistd.h>

namespace orbenza::store {

namespace {

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
    return openFile(path, busyTimeoutMs, true);
}

bool ChartLibrary::openExisting(const std::string& path, int busyTimeoutMs) {
    return openFile(path, busyTimeoutMs, false);
}

namespace {

// A file URI for path that SQLite reads as an unchangeable file: no lock, no
// shared-memory file beside it (which a read-only folder cannot take).
std::string unchangeableUri(const std::string& path) {
    std::string uri = "file:";
    for (char c : path) {
        if (c == '%' || c == '?' || c == '#') {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", static_cast<unsigned char>(c));
            uri += escaped;
        } else {
            uri += c;
        }
    }
    return uri + "?immutable=1";
}

// Whether the folder of path takes no new file, so SQLite cannot make the
// write-ahead log's files there; a log left with content keeps its changes
// out of reach, so the file is then not read without it.
bool inUnwritableFolder(const std::string& path) {
    const auto folder = std::filesystem::path(path).parent_path();
    if (::access(folder.empty() ? "." : folder.c_str(), W_OK) == 0)
        return false;
    std::error_code ec;
    const auto logSize = std::filesystem::file_size(path + "-wal", ec);
    return ec || logSize == 0;
}

} // namespace

bool ChartLibrary::openFile(const std::string& path, int busyTimeoutMs, bool create) {
    close();
    m_path = path;
    m_fault = LibraryFault::None;
    m_error.clear();
    if (path.empty())
        return fail(LibraryFault::CannotOpen, "no place for the chart library: HOME is not set");

    std::error_code ec;
    const bool exists = std::filesystem::exists(path, ec);
    if (!exists && !create)
        return fail(LibraryFault::Missing, "the library " + path + " does not exist");
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

    if (openConnection(path, exists, false, busyTimeoutMs))
        return true;
    // A library in a folder that cannot be written is still read.
    const bool readable = m_fault == LibraryFault::CannotOpen ||
                          m_fault == LibraryFault::ReadOnly || m_fault == LibraryFault::Other;
    if (!exists || !readable || !inUnwritableFolder(path))
        return false;
    const std::string firstError = m_error;
    const LibraryFault firstFault = m_fault;
    m_fault = LibraryFault::None;
    m_error.clear();
    if (openConnection(path, exists, true, busyTimeoutMs))
        return true;
    m_fault = firstFault;
    m_error = firstError;
    return false;
}

bool ChartLibrary::openConnection(const std::string& path, bool exists, bool unchangeable,
                                  int busyTimeoutMs) {
    const int flags = (unchangeable ? SQLITE_OPEN_READONLY | SQLITE_OPEN_URI
                                    : SQLITE_OPEN_READWRITE | (exists ? 0 : SQLITE_OPEN_CREATE)) |
                      SQLITE_OPEN_NOMUTEX | SQLITE_OPEN_EXRESCODE;
    const std::string name = unchangeable ? unchangeableUri(path) : path;
    const int rc = sqlite3_open_v2(name.c_str(), &m_db, flags, nullptr);
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
    m_schemaVersion = empty ? kLibrarySchemaVersion : version;
    if (empty)
        return createSchema();
    // A library that cannot be written is read as it is when its columns
    // can be (see recordColumns).
    if (version < kLibrarySchemaVersion && !(!writable && version >= 2))
        return upgrade(version);
    return true;
}

bool ChartLibrary::transaction(const std::function<bool()>& change) {
    if (!begin())
        return false;
    if (!change()) {
        rollback();
        return false;
    }
    return commit();
}

bool ChartLibrary::notFound(std::int64_t id) {
    return fail(LibraryFault::NotFound,
                "no chart numbered " + std::to_string(id) + " in the library " + m_path);
}

bool ChartLibrary::writeById(const char* sql, std::int64_t id, bool mustExist) {
    return transaction([&] {
        Statement statement(prepare(sql));
        if (!statement)
            return false;
        statement.bind(1, id);
        const int rc = statement.step();
        if (rc != SQLITE_DONE)
            return failSql(rc, "write to");
        if (mustExist && sqlite3_changes(m_db) == 0)
            return notFound(id);
        return true;
    });
}

bool ChartLibrary::query(const std::string& sql, const std::function<void(Statement&)>& bind,
                         const std::function<void(const Statement&)>& eachRow) {
    if (m_db == nullptr)
        return false;
    Statement statement(prepare(sql.c_str()));
    if (!statement)
        return false;
    if (bind)
        bind(statement);
    int rc;
    while ((rc = statement.step()) == SQLITE_ROW)
        eachRow(statement);
    return rc == SQLITE_DONE || failSql(rc, "read");
}

bool ChartLibrary::createSchema() {
    return transaction([&] { return exec(createSchemaSql().c_str()); });
}

bool ChartLibrary::upgrade(int fromVersion) {
    if (!transaction([&] { return exec(upgradeSql(fromVersion).c_str()); }))
        return false;
    m_schemaVersion = kLibrarySchemaVersion;
    return true;
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
    const int next = bindRecordContent(statement, record);
    statement.bind(next, record.addedAt);
    statement.bind(next + 1, record.changedAt);
    const int rc = statement.step();
    if (rc != SQLITE_DONE)
        return failSql(rc, "write to");
    record.id = sqlite3_last_insert_rowid(m_db);
    return true;
}

bool ChartLibrary::add(ChartRecord& record) {
    ChartRecord stored = record;
    if (!transaction([&] { return insert(stored, false); }))
        return false;
    record = std::move(stored);
    return true;
}

bool ChartLibrary::addAll(std::vector<ChartRecord>& records,
                          const std::function<void(std::size_t)>& progress) {
    std::string now;
    std::vector<std::int64_t> ids;
    const bool stored = transaction([&] {
        now = nowText();
        Statement statement(prepare(kInsertRecord));
        if (!statement)
            return false;
        ids.reserve(records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            const ChartRecord& r = records[i];
            const std::string added = r.addedAt.empty() ? now : r.addedAt;
            const std::string changed = r.changedAt.empty() ? added : r.changedAt;
            const int next = bindRecordContent(statement, r);
            statement.bind(next, added);
            statement.bind(next + 1, changed);
            const int rc = statement.step();
            statement.reset();
            if (rc != SQLITE_DONE)
                return failSql(rc, "write to");
            ids.push_back(sqlite3_last_insert_rowid(m_db));
            if (progress)
                progress(i + 1);
        }
        return true;
    });
    if (!stored)
        return false;
    for (std::size_t i = 0; i < records.size(); ++i) {
        records[i].id = ids[i];
        if (records[i].addedAt.empty())
            records[i].addedAt = now;
        if (records[i].changedAt.empty())
            records[i].changedAt = records[i].addedAt;
    }
    return true;
}

bool ChartLibrary::update(ChartRecord& record) {
    ChartRecord stored = record;
    const bool replaced = transaction([&] {
        stored.changedAt = nowText();
        Statement statement(prepare(kUpdateRecord));
        if (!statement)
            return false;
        const int next = bindRecordContent(statement, stored);
        statement.bind(next, stored.changedAt);
        statement.bind(next + 1, record.id);
        const int rc = statement.step();
        if (rc == SQLITE_DONE)
            return notFound(record.id);
        if (rc != SQLITE_ROW)
            return failSql(rc, "write to");
        stored.addedAt = statement.text(0);
        // Done with the statement before the commit.
        statement.reset();
        return true;
    });
    if (!replaced)
        return false;
    record = std::move(stored);
    return true;
}

bool ChartLibrary::remove(std::int64_t id) {
    return writeById("DELETE FROM charts WHERE id=?", id, true);
}

bool ChartLibrary::markOpened(std::int64_t id) {
    // A chart that is no longer stored has nothing to remember.
    return writeById("UPDATE charts SET opened_seq = "
                     "(SELECT coalesce(max(opened_seq), 0) + 1 FROM charts) WHERE id=?",
                     id, false);
}

std::optional<ChartRecord> ChartLibrary::get(std::int64_t id) {
    std::optional<ChartRecord> found;
    const bool read = query(
        "SELECT " + recordColumns(m_schemaVersion) + " FROM charts WHERE id=?",
        [&](Statement& statement) { statement.bind(1, id); },
        [&](const Statement& row) { found = readRecord(row); });
    if (read && !found)
        notFound(id);
    return found;
}

std::vector<ChartRecord> ChartLibrary::all() {
    std::vector<ChartRecord> records;
    query("SELECT " + recordColumns(m_schemaVersion) + " FROM charts ORDER BY id", {},
          [&](const Statement& row) { records.push_back(readRecord(row)); });
    return records;
}

std::vector<ChartSummary> ChartLibrary::summaries() {
    std::vector<ChartSummary> list;
    query(std::string("SELECT ") + kSummaryColumns +
              " FROM charts ORDER BY name COLLATE NOCASE, id",
          {}, [&](const Statement& row) { list.push_back(readSummary(row)); });
    return list;
}

std::vector<std::int64_t> ChartLibrary::findByName(const std::string& name) {
    std::vector<std::int64_t> ids;
    query(
        "SELECT id FROM charts WHERE name=? ORDER BY id",
        [&](Statement& statement) { statement.bind(1, name); },
        [&](const Statement& row) { ids.push_back(row.integer64(0)); });
    return ids;
}

std::optional<std::int64_t> ChartLibrary::count() {
    std::optional<std::int64_t> charts;
    if (!query("SELECT count(*) FROM charts", {},
               [&](const Statement& row) { charts = row.integer64(0); }))
        return std::nullopt;
    return charts;
}

std::vector<ChartSummary> ChartLibrary::recent(int limit) {
    std::vector<ChartSummary> list;
    query(
        std::string("SELECT ") + kSummaryColumns +
            " FROM charts WHERE opened_seq IS NOT NULL ORDER BY opened_seq DESC LIMIT ?",
        [&](Statement& statement) { statement.bind(1, limit); },
        [&](const Statement& row) { list.push_back(readSummary(row)); });
    return list;
}

} // namespace orbenza::store
