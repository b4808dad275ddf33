#include "ChartOptions.h"

#include "base/TextTrim.h"
#include "base/Utf8.h"
#include "base/YearRange.h"
#include "chart/CheckInput.h"
#include "chart/TimeZones.h"

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

Parsed<CoordinateValue> parseCoordinate(std::string_view text, std::size_t degreeDigits,
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
    return CoordinateValue{std::string(degrees), std::string(minutes), hemisphere == positive};
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
        return OptionError{"--time must look like HH:MM (00:00 to 23:59), not " +
                           quotedForMessage(text)};
    };
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return error();
    const auto hour = digitsValue(text.substr(0, colon), 2);
    const auto minute = digitsValue(text.substr(colon + 1), 2);
    if (!hour || !minute || *hour > 23 || *minute > 59)
        return error();
    return TimeValue{*hour, *minute};
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

Parsed<CoordinateValue> parseLongitude(std::string_view text) {
    return parseCoordinate(text, 3, 'E', 'W', "--lon", "DDD:MM followed by E or W (77:13E)");
}

Parsed<CoordinateValue> parseLatitude(std::string_view text) {
    return parseCoordinate(text, 2, 'N', 'S', "--lat", "DD:MM followed by N or S (28:39N)");
}

Parsed<BirthEntries> parseChartOptions(const ChartOptionTexts& texts) {
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
    const auto& lon = std::get<CoordinateValue>(longitude);
    const auto& lat = std::get<CoordinateValue>(latitude);
    BirthEntries entries;
    entries.fields.name = texts.name;
    entries.fields.longitudeDegrees = lon.degrees;
    entries.fields.longitudeMinutes = lon.minutes;
    entries.fields.latitudeDegrees = lat.degrees;
    entries.fields.latitudeMinutes = lat.minutes;
    entries.fields.monthPosition = d.month - 1;
    entries.fields.dayPosition = d.day - 1;
    entries.fields.year = d.year;
    entries.hour = t.hour;
    entries.minute = t.minute;
    entries.zonePosition = std::get<int>(zone);
    entries.east = lon.positiveHemisphere;
    entries.south = !lat.positiveHemisphere;
    entries.daylightSaving = texts.daylightSaving;
    return entries;
}

} // namespace orbenza::cli
