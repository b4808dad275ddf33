// The chart library: one SQLite file holding the user's charts.
//
// The file carries an application id and a schema version (PRAGMA
// application_id, PRAGMA user_version). Opening a file that is not a chart
// library, is damaged, or was written by a newer version of the program
// leaves it untouched and says so in one line. An older library is upgraded
// in one transaction. The file is kept in write-ahead-log mode, so readers and
// one writer work side by side, and every change is one transaction: a second
// writer waits up to the busy timeout, then the change is refused with "the
// library is busy" and the library stays as it was.
#pragma once

#include "store/ChartRecord.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace orbenza::store {

class Statement;

// The library file used when none is named: $ORBENZA_LIBRARY, else
// $XDG_DATA_HOME/orbenza/charts.sqlite, else ~/.local/share/orbenza/charts.sqlite.
// Empty when none of these can be worked out (no HOME).
std::string defaultLibraryPath();

// The newest schema this program writes; a file with a higher version is
// left alone.
inline constexpr int kLibrarySchemaVersion = 4;
// The application id that marks a file as a chart library ("ORBZ").
inline constexpr std::int32_t kLibraryApplicationId = 0x4F52425A;

inline constexpr std::string_view kMessageLibraryBusy = "the library is busy";

enum class LibraryFault {
    None,
    NotLibrary, // not an SQLite file, or one that another program made
    Damaged,
    Newer,    // written by a newer version of the program
    Busy,     // another program kept the library locked past the timeout
    ReadOnly, // the file or its folder cannot be written
    Full,     // the disk is full
    CannotOpen,
    NotFound, // no chart with that number
    Missing,  // no library file at the path
    Other,
};

class ChartLibrary {
public:
    ChartLibrary() = default;
    ChartLibrary(const ChartLibrary&) = delete;
    ChartLibrary& operator=(const ChartLibrary&) = delete;
    ~ChartLibrary();

    // Opens the library at path, creating the file and its folder when they
    // do not exist. False, with fault() and error() set, when it cannot be
    // used; the file is then left as it was. A library whose file or folder
    // cannot be written is opened for reading.
    bool open(const std::string& path, int busyTimeoutMs = 2000);
    // Opens the library at path only when the file is there; otherwise fails
    // with Missing and creates nothing.
    bool openExisting(const std::string& path, int busyTimeoutMs = 2000);
    void close();
    bool isOpen() const { return m_db != nullptr; }
    const std::string& path() const { return m_path; }

    // The last failure: its kind and one line for the user naming the file
    // and the reason.
    LibraryFault fault() const { return m_fault; }
    const std::string& error() const { return m_error; }

    // Stores a new chart; sets its id and both timestamps. False on failure.
    bool add(ChartRecord& record);
    // Replaces the stored chart of record.id; keeps its added time and sets
    // the changed time.
    bool update(ChartRecord& record);
    bool remove(std::int64_t id);

    std::optional<ChartRecord> get(std::int64_t id);
    // Every chart, in the order they were added.
    std::vector<ChartRecord> all();
    // Every chart's list line, sorted by name (ignoring case), then by id.
    std::vector<ChartSummary> summaries();
    // The charts stored under exactly this name.
    std::vector<std::int64_t> findByName(const std::string& name);
    std::optional<std::int64_t> count();

    // Remembers that a chart was opened; recent() lists the last opened first.
    bool markOpened(std::int64_t id);
    std::vector<ChartSummary> recent(int limit = 10);

    // Stores all records in one transaction: either every one is added or,
    // on any failure or interruption, none. progress (when set) is called
    // after each record with the number stored so far. Keeps addedAt and
    // changedAt when the records carry them.
    bool addAll(std::vector<ChartRecord>& records,
                const std::function<void(std::size_t)>& progress = {});

private:
    bool fail(LibraryFault fault, std::string message);
    bool failSql(int rc, const char* doing);
    bool openFile(const std::string& path, int busyTimeoutMs, bool create);
    bool openConnection(const std::string& path, bool exists, bool unchangeable, int busyTimeoutMs);
    bool checkExisting();
    bool createSchema();
    bool upgrade(int fromVersion);
    bool exec(const char* sql);
    bool begin();
    bool commit();
    void rollback();
    // Runs change as one transaction: committed when it returns true, else
    // rolled back with the fault it set.
    bool transaction(const std::function<bool()>& change);
    // Fails with NotFound for the chart numbered id.
    bool notFound(std::int64_t id);
    // Runs a change of the chart numbered id (the statement's one parameter)
    // as one transaction; with mustExist, a chart that is not there fails it.
    bool writeById(const char* sql, std::int64_t id, bool mustExist);
    // Runs a query, bound by bind (when set), and hands each row to eachRow.
    // False, with the fault set unless no library is open, when it fails.
    bool query(const std::string& sql, const std::function<void(Statement&)>& bind,
               const std::function<void(const Statement&)>& eachRow);
    bool insert(ChartRecord& record, bool keepTimes);
    sqlite3_stmt* prepare(const char* sql);

    sqlite3* m_db = nullptr;
    std::string m_path;
    int m_schemaVersion = kLibrarySchemaVersion; // of the open file
    LibraryFault m_fault = LibraryFault::None;
    std::string m_error;
};

} // namespace orbenza::store
