#include "store/LibrarySchema.h"

#include "store/ChartLibrary.h"
#include "store/Statement.h"

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
    atlas_name TEXT NOT NULL DEFAULT '', atlas_state TEXT NOT NULL DEFAULT '',
    atlas_country TEXT NOT NULL DEFAULT '',
    atlas_latitude REAL, atlas_longitude REAL,
    positions TEXT NOT NULL DEFAULT 'classic',
    house_system TEXT NOT NULL DEFAULT 'equal',
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

// From the second schema: the atlas's names of the place and its coordinates
// at the atlas's precision.
constexpr const char* kUpgrade2To3 = R"sql(
ALTER TABLE charts ADD COLUMN atlas_name TEXT NOT NULL DEFAULT '';
ALTER TABLE charts ADD COLUMN atlas_state TEXT NOT NULL DEFAULT '';
ALTER TABLE charts ADD COLUMN atlas_country TEXT NOT NULL DEFAULT '';
ALTER TABLE charts ADD COLUMN atlas_latitude REAL;
ALTER TABLE charts ADD COLUMN atlas_longitude REAL;
)sql";

// From the third schema: the house system the chart is drawn with.
constexpr const char* kUpgrade3To4 = R"sql(
ALTER TABLE charts ADD COLUMN house_system TEXT NOT NULL DEFAULT 'equal';
)sql";

// Each step brings a library below its version up to that version; they run
// oldest first.
struct UpgradeStep {
    int toVersion;
    const char* sql;
};
constexpr UpgradeStep kUpgradeSteps[] = {{2, kUpgrade1To2}, {3, kUpgrade2To3}, {4, kUpgrade3To4}};

std::string versionMark() {
    return "PRAGMA user_version=" + std::to_string(kLibrarySchemaVersion) + ";";
}

} // namespace

std::string createSchemaSql() {
    return std::string(kCreateSchema) +
           "PRAGMA application_id=" + std::to_string(kLibraryApplicationId) + "; " + versionMark();
}

std::string upgradeSql(int fromVersion) {
    std::string sql;
    for (const UpgradeStep& step : kUpgradeSteps) {
        if (fromVersion < step.toVersion)
            sql += step.sql;
    }
    return sql + versionMark();
}

std::string recordColumns(int schemaVersion) {
    std::string columns = "id, name, year, month, day, hour, minute, second, zone_position, "
                          "correction_seconds, daylight_saving, longitude_degrees, "
                          "longitude_minutes, east, latitude_degrees, latitude_minutes, south, "
                          "city, state, country, atlas_place, atlas_zone, atlas_fold, ";
    columns += schemaVersion >= 3 ? "atlas_name, atlas_state, atlas_country, atlas_latitude, "
                                    "atlas_longitude, "
                                  : "'', '', '', NULL, NULL, ";
    columns += "positions, ";
    columns += schemaVersion >= 4 ? "house_system, " : "'equal', ";
    return columns + "note, added_at, changed_at";
}

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
    r.atlasName = row.text(c++);
    r.atlasState = row.text(c++);
    r.atlasCountry = row.text(c++);
    r.atlasLatitudeDeg = row.real(c++);
    r.atlasLongitudeDeg = row.real(c++);
    r.positions = row.text(c++);
    r.houseSystem = row.text(c++);
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

int bindRecordContent(Statement& statement, const ChartRecord& r) {
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
    statement.bind(i++, r.atlasName);
    statement.bind(i++, r.atlasState);
    statement.bind(i++, r.atlasCountry);
    statement.bind(i++, r.atlasLatitudeDeg);
    statement.bind(i++, r.atlasLongitudeDeg);
    statement.bind(i++, r.positions);
    statement.bind(i++, r.houseSystem);
    statement.bind(i++, r.note);
    return i;
}

} // namespace orbenza::store
