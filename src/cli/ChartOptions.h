// The command line's option values, turned into the typed birth input. Every
// function returns the value or a one-line error.
#pragma once

#include "base/MessageText.h"
#include "base/YearRange.h"
#include "input/BirthInput.h"

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
    int hour = 0, minute = 0, second = 0;
};

// YYYY-MM-DD, the year kFirstYear to kLastYear.
Parsed<DateValue> parseDate(std::string_view text);
// HH:MM or HH:MM:SS, 0-23, 0-59 and 0-59.
Parsed<TimeValue> parseTime(std::string_view text);
// A list position 0..70, or an abbreviation that names one row only (any
// case); an abbreviation of several rows is refused with their positions.
Parsed<int> parseZone(std::string_view text);
// DDD:MM followed by E or W (any case).
Parsed<Longitude> parseLongitude(std::string_view text);
// DD:MM followed by N or S (any case).
Parsed<Latitude> parseLatitude(std::string_view text);

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

// All option texts into a birth input; the first malformed one is the error.
// Blanks around every text are ignored; a name that is not blank must be
// UTF-8 and follow the birth details screen's name rule ("--name: Please
// Enter only Letters").
Parsed<BirthInput> parseChartOptions(const ChartOptionTexts& texts);

// The words of the birth check's refusals, as the birth details screen shows
// them; the command line prints them as they are.
std::string_view inputProblemMessage(InputProblem problem);
// A name that is not one a person can have.
inline constexpr std::string_view kMessageOnlyLetters = "Please Enter only Letters";

} // namespace orbenza::cli
