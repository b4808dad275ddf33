// The charts table of the library file: how a new file is made, how an older
// one is brought up to date, and how a row maps to a record. Used inside the
// store only; the column lists and the read and bind helpers go together, in
// the same order.
#pragma once

#include "store/ChartRecord.h"

#include <string>

namespace orbenza::store {

class Statement;

// The SQL that makes an empty file a library of the newest schema, with the
// application id and the schema version that mark it.
std::string createSchemaSql();
// The SQL that upgrades a library of schema fromVersion to the newest,
// ending with the new version mark.
std::string upgradeSql(int fromVersion);

// The columns readRecord reads, in its order, from a library of the given
// schema version; those the second schema lacks are read as empty, so such a
// library that cannot be upgraded (it is read-only) can still be read.
std::string recordColumns(int schemaVersion);

// The columns readSummary reads, in its order.
inline constexpr const char* kSummaryColumns =
    "id, name, year, month, day, hour, minute, second, city, state, country";

// A new chart: the record's content (bindRecordContent), then its added and
// changed times.
inline constexpr const char* kInsertRecord =
    "INSERT INTO charts(name, year, month, day, hour, minute, second, zone_position, "
    "correction_seconds, daylight_saving, longitude_degrees, longitude_minutes, east, "
    "latitude_degrees, latitude_minutes, south, city, state, country, atlas_place, atlas_zone, "
    "atlas_fold, atlas_name, atlas_state, atlas_country, atlas_latitude, atlas_longitude, "
    "positions, house_system, note, added_at, changed_at) "
    "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)";

// A stored chart replaced: the record's content (bindRecordContent), then the
// changed time and the id. The added time stays and is returned.
inline constexpr const char* kUpdateRecord =
    "UPDATE charts SET name=?, year=?, month=?, day=?, hour=?, minute=?, second=?, "
    "zone_position=?, correction_seconds=?, daylight_saving=?, longitude_degrees=?, "
    "longitude_minutes=?, east=?, latitude_degrees=?, latitude_minutes=?, south=?, city=?, "
    "state=?, country=?, atlas_place=?, atlas_zone=?, atlas_fold=?, atlas_name=?, "
    "atlas_state=?, atlas_country=?, atlas_latitude=?, atlas_longitude=?, positions=?, "
    "house_system=?, note=?, "
    "added_at=added_at, changed_at=? WHERE id=? RETURNING added_at";

ChartRecord readRecord(const Statement& row);
ChartSummary readSummary(const Statement& row);

// Binds every field but the id and the two times, from parameter 1 on;
// returns the next parameter's index.
int bindRecordContent(Statement& statement, const ChartRecord& record);

} // namespace orbenza::store
