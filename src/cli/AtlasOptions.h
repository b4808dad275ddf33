// The command line's place atlas: --place, --tz, --fold and --find-place.
#pragma once

#include "ChartOptions.h"
#include "atlas/Atlas.h"
#include "atlas/ClockCaution.h"
#include "atlas/PlaceClock.h"
#include "base/Language.h"
#include "input/BirthInput.h"

#include <CLI/CLI.hpp>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>

namespace orbenza::cli {

// Whether the command line asks for --find-place, seen before parsing so that
// the chart's required --name is not asked of it.
bool asksForPlaceList(int argc, char** argv);

// The atlas of the running program, read on first use.
const atlas::Atlas& programAtlas();

struct AtlasOptionTexts {
    std::string place; // --place TEXT
    std::string tz;    // --tz ZONE, an IANA name
    std::string fold;  // --fold earlier|later
};

// Where the clock time came from, for the JSON object "Place".
struct PlaceClockInfo {
    std::string name, state, country; // empty for --tz
    std::string label;                // "Madrid — Madrid, Spain"; empty for --tz
    double latitudeDeg = 0, longitudeDeg = 0;
    std::string timeZone, abbreviation;
    std::int32_t utOffsetSeconds = 0;
    bool summerTime = false;
    Fold fold = Fold::None; // when the clock time happened twice
    // Before 1970 far from the zone's principal city (--place only).
    atlas::ClockCaution caution;
};

// "Before 1970 this zone's clock history is that of Chicago; local practice in
// Ames may have differed: check the birth record." in the language; empty
// without a caution.
std::string cautionSentence(const atlas::ClockCaution& caution,
                            Language language = Language::English);

struct AtlasChartInput {
    // Coordinates from the atlas for --place; no zone row, the place's whole
    // offset on the date to the second as the correction, and its clock.
    BirthInput input;
    PlaceClockInfo place;
};

// Why the atlas options given to a command clash with its other options, or
// nothing: --place brings coordinates and a zone (no --lon, --lat, --zone,
// --dst, --tz), --tz a zone (no --zone, --dst), and --fold needs either.
std::optional<std::string> atlasOptionClash(const CLI::App& command);

// Settles the clock time of an input parsed from the other options with the
// atlas (--place) or the zone (--tz): the coordinates of the place, the
// correction of its clock on the date, no zone row and no daylight-saving box.
// A clock time that did not exist, or happened twice without --fold, is an
// error naming both universal times.
Parsed<AtlasChartInput> applyAtlasOptions(const BirthInput& input, const AtlasOptionTexts& texts,
                                          const atlas::Atlas& atlas);

// What a chart is computed from, and the place or zone whose clock gave the
// correction.
struct ChartInput {
    BirthInput input;
    std::optional<PlaceClockInfo> place; // when --place or --tz gave the clock time
};

// The input as given, or with fromAtlas (--place or --tz given) settled by
// the program's atlas or the zone's history; an error when the atlas is
// unavailable for --place or the clock time cannot be settled.
Parsed<ChartInput> chartInputOf(const BirthInput& input, const AtlasOptionTexts& texts,
                                bool fromAtlas);

// "Place": Name, State, Country, Latitude, Longitude, TimeZone, Abbreviation,
// UtOffset ("+02:00", "+00:19:32"), SummerTime, Caution (the sentence or null).
nlohmann::ordered_json placeJson(const PlaceClockInfo& place);

// --find-place: up to 20 matches, as lines of text or a JSON array of objects
// with Name, MatchedName (the name the text matched: another name such as
// "Bombay", or Name), State, Country, CountryCode, Latitude, Longitude,
// TimeZone and Population. Places that would read alike carry their
// coordinates in the text.
std::string findPlaceText(const atlas::Atlas& atlas, const std::string& text);
nlohmann::ordered_json findPlaceJson(const atlas::Atlas& atlas, const std::string& text);

} // namespace orbenza::cli
