#pragma once

// Whether Mercury to Pluto are retrograde on the birth date, looked up in the compiled-in
// station tables (StationTables.h), and the chart's body labels with the " (R) " marks.
//
// A planet is retrograde on a date when the date lies strictly after the calendar date of
// a retrograde station and strictly before the calendar date of the following direct
// station. Only calendar dates are compared: the birth's local date as entered (no time
// zone, no daylight saving) against the stations' dates as written in the tables.

#include "base/Body.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza {

// Appended to the label of a retrograde planet: a space, "(R)" and a space.
inline constexpr std::string_view RetrogradeMark = " (R) ";

// The eleven body labels without marks, in chart order.
inline constexpr const std::array<std::string_view, kBodyCount>& PlainPlanetNames = kBodyLabels;

struct RetrogradeResult {
    std::array<bool, 9> retrogradeFlags{}; // 0 Mercury ... 7 Pluto; 8 unused
    std::array<std::string, 11>
        planetNames; // "Sun" ... "Pluto", "Asc"; " (R) " appended when retrograde
};

// A station row "month,day,year,hour,minute," split at ",": five fields and an empty sixth.
// A row with fewer commas leaves the missing fields empty; text after a sixth comma is
// kept in the sixth field.
std::array<std::string_view, 6> splitStationRow(std::string_view row);

// The month field of a station row as a whole number: the first of 1 ... 12 it equals,
// otherwise its own whole-number value (0 when it does not start with digits).
int monthNumber(std::string_view field);

// The moment a station row names, its clock time as written (universal time).
struct StationMoment {
    std::chrono::year_month_day date;
    std::chrono::hours hour{0};
    std::chrono::minutes minute{0};
};
StationMoment parseStationRow(std::string_view row);

// One planet's retrograde periods as calendar dates (day numbers counted from 1970-01-01;
// the dates carry no time zone). start[i] is the date of the retrograde station of period
// i, end[i] the date of the following direct station; both increase with i.
struct StationDays {
    std::vector<std::chrono::sys_days> start;
    std::vector<std::chrono::sys_days> end;
};

// The station dates of the planet with the given index (0 Mercury ... 7 Pluto), converted
// from the tables once, on first use, and kept (thread-safe). An index past Pluto gives
// an empty set of periods.
const StationDays& loadStations(std::size_t planetIndex);

// Index of a planet name "Mercury" ... "Pluto" (exact, case-sensitive), none otherwise.
std::optional<std::size_t> retrogradePlanetIndex(std::string_view planet);

// Whether the planet with the given index is retrograde on the date (binary search).
// Dates before the first or after the last period of the planet are never retrograde.
bool isRetrogradeOn(std::chrono::sys_days date, std::size_t planetIndex);

// Whether the named planet is retrograde on the local birth date. An unknown name gives false.
bool isRetrograde(std::chrono::year_month_day birthDate, std::string_view planet);

// Birth date and local clock time as entered (no zone, no daylight saving). Decides the
// eight flags and writes all eleven labels afresh. A date that does not exist (30 February)
// marks no planet.
RetrogradeResult retrogradeCalculation(int month, int day, int year, int hour, int minute);

} // namespace orbenza
