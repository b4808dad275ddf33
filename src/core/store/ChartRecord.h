// One chart as the library keeps it: everything needed to draw it again
// exactly, in plain values so the store does not depend on how the chart run
// holds its input.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace orbenza::store {

struct ChartRecord {
    std::int64_t id = 0; // the library's number for the chart, 0 before it is stored

    std::string name; // exactly as typed
    int year = 1901;  // local calendar date and clock time of the birth
    int month = 1;    // 1 = January
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;

    // Time zone list position 0..70, -1 when no row was chosen or the atlas
    // set an offset that is none of the rows.
    int zonePosition = 29;
    // Universal time = local clock time + this correction, in seconds; the
    // correction of the zone row, or the one the atlas worked out.
    int correctionSeconds = 0;
    bool daylightSaving = false;

    int longitudeDegrees = 80; // 0..179
    int longitudeMinutes = 18; // 0..59
    bool east = true;
    int latitudeDegrees = 13; // 0..89
    int latitudeMinutes = 5;  // 0..59
    bool south = false;

    std::string city, state, country; // as typed

    // Set only when the atlas set the clock time: the place as the atlas names
    // it, its IANA time zone, and which of two equal clock times was meant
    // ("earlier" or "later"; empty when the time happened once).
    std::string atlasPlace;
    std::string atlasZone;
    std::string atlasFold;
    // The atlas's own names of that place (name, region, country) and its
    // coordinates to the atlas's precision, East and North positive; the
    // chart's coordinates above are the same rounded to the minute of arc.
    // Empty and nothing when the clock came from a zone given by name.
    std::string atlasName, atlasState, atlasCountry;
    std::optional<double> atlasLatitudeDeg, atlasLongitudeDeg;

    std::string positions = "classic"; // source of the positions: "classic" or "precise"
    std::string houseSystem = "equal"; // the house system asked for, by its name
    std::string note;                  // free text

    // UTC, "YYYY-MM-DDTHH:MM:SSZ"; set by the library.
    std::string addedAt;
    std::string changedAt;

    friend bool operator==(const ChartRecord&, const ChartRecord&) = default;
};

// What the open dialog lists for one chart.
struct ChartSummary {
    std::int64_t id = 0;
    std::string name;
    int year = 1901, month = 1, day = 1, hour = 0, minute = 0, second = 0;
    std::string city, state, country;
};

} // namespace orbenza::store
