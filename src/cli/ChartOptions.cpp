#include "ChartOptions.h"

#include "base/TextTrim.h"
#include "base/Utf8.h"
#include "base/YearRange.h"
#include "chart/TimeZones.h"
#include "input/PersonName.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstdio>
#include <vector>

namespace orbenza::cli {

namespace {

bool allDigits(std::string_view text) {
    if (text.empty())
        return false;
    for (char c : text) {
        if (c < '0' || c > '9')
            return false;
    }
    return true;
}

// A whole number of 1 to maxDigits digits.
std::optional<int> digitsValue(std::string_view text, std::size_t maxDigits) {
    if (!allDigits(text) || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

// Degrees, minutes and whether the hemisphere is the positive one (East,
// North).
struct CoordinateParts {
    int degrees = 0, minutes = 0;
    bool positiveHemisphere = true;
};

Parsed<CoordinateParts> parseCoordinate(std::string_view text, std::size_t degreeDigits,
                                        char positive, char negative, std::string_view what,
                                        std::string_view form) {
    // The message is built only for a refusal: the batch parses millions of rows.
    const auto error = [&] {
        return OptionError{std::string(what) + " must look like " + std::string(form) + ", not " +
                           quotedForMessage(text)};
    };
    if (text.size() < 4)
        return error();
    const char hemisphere =
        static_cast<char>(std::toupper(static_cast<unsigned char>(text.back())));
    if (hemisphere != positive && hemisphere != negative)
        return error();
    const std::string_view numbers = text.substr(0, text.size() - 1);
    const std::size_t colon = numbers.find(':');
    if (colon == std::string_view::npos)
        return error();
    const std::string_view degrees = numbers.substr(0, colon);
    const std::string_view minutes = numbers.substr(colon + 1);
    if (!allDigits(degrees) || degrees.size() > degreeDigits || !allDigits(minutes) ||
        minutes.size() > 2)
        return error();
    // Up to three digits each: the values fit, and the check judges their range.
    return CoordinateParts{*digitsValue(degrees, degreeDigits), *digitsValue(minutes, 2),
                           hemisphere == positive};
}

} // namespace

Parsed<DateValue> parseDate(std::string_view text) {
    const auto error = [&] {
        return OptionError{"--date must look like YYYY-MM-DD, not " + quotedForMessage(text)};
    };
    if (text.size() != 10 || text[4] != '-' || text[7] != '-')
        return error();
    const auto year = digitsValue(text.substr(0, 4), 4);
    const auto month = digitsValue(text.substr(5, 2), 2);
    const auto day = digitsValue(text.substr(8, 2), 2);
    if (!year || !month || !day)
        return error();
    if (!isAdmittedYear(*year))
        return OptionError{"--date: the year must be between " + std::to_string(kFirstYear) +
                           " and " + std::to_string(kLastYear) + ", not " + std::to_string(*year)};
    if (*month < 1 || *month > 12)
        return OptionError{"--date: the month must be between 01 and 12 in " +
                           quotedForMessage(text)};
    if (*day < 1 || *day > 31)
        return OptionError{"--date: the day must be between 01 and 31 in " +
                           quotedForMessage(text)};
    return DateValue{*year, *month, *day};
}

Parsed<TimeValue> parseTime(std::string_view text) {
    const auto error = [&] {
        return OptionError{"--time must look like HH:MM or HH:MM:SS (00:00 to 23:59:59), not " +
                           quotedForMessage(text)};
    };
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return error();
    // The seconds after a second colon, as the birth details screen takes them.
    const std::size_t secondColon = text.find(':', colon + 1);
    const std::string_view minutes = text.substr(colon + 1, secondColon - (colon + 1));
    const auto hour = digitsValue(text.substr(0, colon), 2);
    const auto minute = digitsValue(minutes, 2);
    const std::optional<int> second =
        secondColon == std::string_view::npos ? 0 : digitsValue(text.substr(secondColon + 1), 2);
    if (!hour || !minute || !second || *hour > 23 || *minute > 59 || *second > 59)
        return error();
    return TimeValue{*hour, *minute, *second};
}

Parsed<int> parseZone(std::string_view text) {
    if (allDigits(text)) {
        const auto position = digitsValue(text, 2);
        if (position && *position < kTimeZoneCount)
            return *position;
        return OptionError{"--zone: the list position must be between 0 and 70, not " +
                           quotedForMessage(text)};
    }
    std::vector<int> rows;
    for (int position = 0; position < kTimeZoneCount; ++position) {
        const std::string_view abbreviation = timeZoneAbbreviation(position);
        if (abbreviation.size() == text.size() &&
            std::equal(text.begin(), text.end(), abbreviation.begin(), [](char a, char b) {
                return std::toupper(static_cast<unsigned char>(a)) ==
                       std::toupper(static_cast<unsigned char>(b));
            }))
            rows.push_back(position);
    }
    if (rows.size() == 1)
        return rows.front();
    if (rows.size() > 1) {
        std::string message = "--zone: " + quotedForMessage(text) + " is the abbreviation of " +
                              std::to_string(rows.size()) + " zones: ";
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i != 0)
                message += i + 1 == rows.size() ? " and " : ", ";
            message += std::to_string(rows[i]) + " (" +
                       std::string(timeZoneEntries()[static_cast<std::size_t>(rows[i])].text) + ")";
        }
        return OptionError{message + "; give the list position"};
    }
    return OptionError{"--zone: " + quotedForMessage(text) +
                       " is neither a list position 0-70 nor the abbreviation of a zone"};
}

Parsed<Longitude> parseLongitude(std::string_view text) {
    auto parts = parseCoordinate(text, 3, 'E', 'W', "--lon", "DDD:MM followed by E or W (77:13E)");
    if (auto* e = std::get_if<OptionError>(&parts))
        return std::move(*e);
    const auto& p = std::get<CoordinateParts>(parts);
    return Longitude{p.degrees, p.minutes, p.positiveHemisphere ? EastWest::East : EastWest::West};
}

Parsed<Latitude> parseLatitude(std::string_view text) {
    auto parts = parseCoordinate(text, 2, 'N', 'S', "--lat", "DD:MM followed by N or S (28:39N)");
    if (auto* e = std::get_if<OptionError>(&parts))
        return std::move(*e);
    const auto& p = std::get<CoordinateParts>(parts);
    return Latitude{p.degrees, p.minutes,
                    p.positiveHemisphere ? NorthSouth::North : NorthSouth::South};
}

Parsed<BirthInput> parseChartOptions(const ChartOptionTexts& texts) {
    // The name is written into JSON, Rich Text and the terminal: UTF-8, and
    // held to the birth details screen's rule, which keeps control
    // characters and escape sequences out. A blank name is the chart run's
    // own refusal ("Please Enter Name").
    if (!isUtf8(texts.name))
        return OptionError{"--name is not valid UTF-8"};
    if (!trimBlanks(texts.name).empty() && !isValidPersonName(texts.name))
        return OptionError{"--name: " + std::string(kMessageOnlyLetters)};
    const auto date = parseDate(trimBlanks(texts.date));
    if (const auto* e = std::get_if<OptionError>(&date))
        return *e;
    const auto time = parseTime(trimBlanks(texts.time));
    if (const auto* e = std::get_if<OptionError>(&time))
        return *e;
    const auto zone = parseZone(trimBlanks(texts.zone));
    if (const auto* e = std::get_if<OptionError>(&zone))
        return *e;
    const auto longitude = parseLongitude(trimBlanks(texts.longitude));
    if (const auto* e = std::get_if<OptionError>(&longitude))
        return *e;
    const auto latitude = parseLatitude(trimBlanks(texts.latitude));
    if (const auto* e = std::get_if<OptionError>(&latitude))
        return *e;

    const auto& d = std::get<DateValue>(date);
    const auto& t = std::get<TimeValue>(time);
    BirthInput input;
    input.name = texts.name;
    input.local = CivilDateTime{d.year, d.month, d.day, t.hour, t.minute, t.second};
    input.longitude = std::get<Longitude>(longitude);
    input.latitude = std::get<Latitude>(latitude);
    input.zonePosition = std::get<int>(zone);
    input.daylightSaving = texts.daylightSaving;
    return input;
}

std::string_view inputProblemMessage(InputProblem problem) {
    switch (problem) {
    case InputProblem::EmptyName:
        return "Please Enter Name";
    case InputProblem::LongitudeDegrees:
        return "Please Enter Value Between 0 And 179 in the Degree of Longitude";
    case InputProblem::LongitudeMinutes:
        return "Please Enter Value Between 0 And 59 in the  Minute of Longitude";
    case InputProblem::LatitudeDegrees:
        return "Please Enter Value Between 0 And 89 in the Degree of Latitude";
    case InputProblem::LatitudeMinutes:
        return "Please Enter Value Between 0 And 59 in the  Minute of Latitude";
    case InputProblem::FebruaryDate:
        return "Please Enter Correct Date Or Month!";
    case InputProblem::ThirtyDayMonth:
        return "Please Enter Correct Date Or Month !";
    }
    return {};
}

} // namespace orbenza::cli
