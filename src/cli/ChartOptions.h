// The command line's option values, turned into the birth details screen's
// entries. Every function returns the entry or a one-line error.
#pragma once

#include "base/MessageText.h"
#include "base/YearRange.h"
#include "chart/ChartRun.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace orbenza::cli {

struct OptionError {
    std::string message;
};

template <typename T> using Parsed = std::variant<T, OptionError>;

struct DateValue {
    int year = kFirstYear, month = 1, day = 1;
};
struct TimeValue {
    int hour = 0, minute = 0;
};
// Degree and minute texts as typed, so the birth checks see them as the
// screen's boxes would hold them, and the hemisphere.
struct CoordinateValue {
    std::string degrees, minutes;
    bool positiveHemisphere = true; // East for a longitude, North for a latitude
};

// YYYY-MM-DD, the year kFirstYear to kLastYear.
Parsed<DateValue> parseDate(std::string_view text);
// HH:MM, 0-23 and 0-59.
Parsed<TimeValue> parseTime(std::string_view text);
// A list position 0..70, or an abbreviation that names one row only (any
// case); an abbreviation of several rows is refused with their positions.
Parsed<int> parseZone(std::string_view text);
// DDD:MM followed by E or W (any case).
Parsed<CoordinateValue> parseLongitude(std::string_view text);
// DD:MM followed by N or S (any case).
Parsed<CoordinateValue> parseLatitude(std::string_view text);

// The option texts of one chart, defaults as on the birth details screen.
struct ChartOptionTexts {
    std::string name;
    std::string date = "1901-01-01";
    std::string time = "00:00";
    std::string zone = "29";
    std::string longitude = "80:18E";
    std::string latitude = "13:05N";
    bool daylightSaving = false;
};

// All option texts into screen entries; the first malformed one is the error.
// Blanks around every text are ignored; a name that is not blank must be
// UTF-8 and follow the birth details screen's name rule ("--name: Please
// Enter only Letters").
Parsed<BirthEntries> parseChartOptions(const ChartOptionTexts& texts);

} // namespace orbenza::cli
