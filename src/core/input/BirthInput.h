// The birth details of one chart as typed values: what the birth details
// screen, the command line, a batch row and a library record all turn into
// before anything is computed, and the one check they all pass.
#pragma once

#include "base/BirthData.h"
#include "base/CivilDateTime.h"
#include "base/Positions.h"

#include <optional>
#include <string>
#include <string_view>

namespace orbenza {

// A coordinate box that holds no whole number (empty, other characters, too
// large): the check refuses it like a value out of range.
inline constexpr int kUnreadableValue = -1;

enum class EastWest { East, West };
enum class NorthSouth { North, South };

struct Longitude {
    int degrees = 80; // 0 ... 179
    int minutes = 18; // 0 ... 59
    EastWest hemisphere = EastWest::East;
    friend bool operator==(const Longitude&, const Longitude&) = default;
};

struct Latitude {
    int degrees = 13; // 0 ... 89
    int minutes = 5;  // 0 ... 59
    NorthSouth hemisphere = NorthSouth::North;
    friend bool operator==(const Latitude&, const Latitude&) = default;
};

// Which of a clock time that happened twice is meant.
enum class Fold { None, Earlier, Later };

// "earlier", "later", or empty for None: the command line's, the batch's and
// the library's word.
std::string_view foldName(Fold fold);
// The fold of a word: empty for None; nothing for any other text.
std::optional<Fold> foldNamed(std::string_view text);

// The clock that gave a chart its correction when the atlas (or an IANA time
// zone named on the command line) set the clock time. Kept with the input so
// that everything drawn from it later (the birth-time windows, the library
// record, a changed date on the birth details screen) reads the same clock,
// summer-time changes included.
struct AtlasClock {
    std::string place;           // "Madrid — Madrid, Spain"; empty for a zone given by name
    std::string timeZone;        // IANA name, "Europe/Madrid"
    Fold fold = Fold::None;      // for a clock time that happened twice
    double longitudeEastDeg = 0; // degrees, East positive: a zone on local mean time uses it
    friend bool operator==(const AtlasClock&, const AtlasClock&) = default;
};

// The default zone row, "Greenwich Mean Time,GMT,0.0".
inline constexpr int kGreenwichZonePosition = 29;

struct BirthInput {
    std::string name; // exactly as typed, not trimmed
    // Local calendar date and clock time of the birth.
    CivilDateTime local;
    Longitude longitude;
    Latitude latitude;
    // Time zone list position 0 ... 70; -1 for none, when `correction` is
    // the exact one (a clock time from the atlas, a stored offset).
    int zonePosition = kGreenwichZonePosition;
    // Universal time = local clock time + this, less an hour of daylight
    // saving; used only without a zone row.
    UtCorrection correction;
    bool daylightSaving = false;
    Positions positions = kDefaultPositions;
    // Set when the atlas or an IANA zone gave the clock time.
    std::optional<AtlasClock> atlasClock;
    friend bool operator==(const BirthInput&, const BirthInput&) = default;
};

// Longitude in degrees, East positive; latitude in degrees, North positive.
double longitudeEastDegOf(const Longitude& longitude);
double latitudeNorthDegOf(const Latitude& latitude);

// The box a refusal sends the user to.
enum class InputField {
    None,
    Name,
    LongitudeDegrees,
    LongitudeMinutes,
    LatitudeDegrees,
    LatitudeMinutes
};

// Why an input cannot be charted, in the order the check tries. Each front
// end words them itself.
enum class InputProblem {
    EmptyName,
    LongitudeDegrees,
    LongitudeMinutes,
    LatitudeDegrees,
    LatitudeMinutes,
    FebruaryDate,   // a 29th in a common year, a 30th or 31st of February
    ThirtyDayMonth, // the 31st of April, June, September or November
};

struct InputRefusal {
    InputProblem problem;
    InputField focus;
    friend bool operator==(const InputRefusal&, const InputRefusal&) = default;
};

// Nothing when the input may be charted, otherwise the first refusal. Only
// the name, the coordinates and the day of the month are checked: the front
// ends offer no other values (lists, parsed options).
std::optional<InputRefusal> checkBirthInput(const BirthInput& input);

// The value of a coordinate box after trimming blanks, or kUnreadableValue
// when it is empty, holds anything but digits or does not fit in 16 bits.
int coordinateBoxValue(std::string_view text);

} // namespace orbenza
