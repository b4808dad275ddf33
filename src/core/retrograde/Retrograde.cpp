#include "retrograde/Retrograde.h"

#include "retrograde/StationTables.h"

#include <algorithm>
#include <charconv>
#include <utility>

namespace orbenza {

namespace chr = std::chrono;

namespace {

// Whole-number value of a text field; 0 when it does not start with digits.
int wholeNumber(std::string_view field) {
    int value = 0;
    std::from_chars(field.data(), field.data() + field.size(), value);
    return value;
}

// The date of a row: its first three numbers (month, day, year) in one pass
// over the digits. Every chart converts all the rows once, so this is part of
// the start of a one-chart process; it reads what parseStationRow reads.
chr::sys_days stationDate(std::string_view row) {
    unsigned fields[3] = {};
    std::size_t k = 0;
    for (const char c : row) {
        if (c == ',') {
            if (++k == 3)
                break;
        } else {
            fields[k] = fields[k] * 10 + static_cast<unsigned>(c - '0');
        }
    }
    return chr::sys_days{chr::year{static_cast<int>(fields[2])} / chr::month{fields[0]} /
                         chr::day{fields[1]}};
}

// Converts every row of one planet's tables to calendar dates (the spare slot is skipped).
StationDays convertTable(const StationTable& table) {
    StationDays days;
    const std::size_t rows = table.rowCount();
    days.start.reserve(rows);
    days.end.reserve(rows);
    for (std::size_t i = 0; i < rows; ++i) {
        days.start.emplace_back(stationDate(table.stationStart[i]));
        days.end.emplace_back(stationDate(table.stationEnd[i]));
    }
    return days;
}

const std::array<StationDays, StationPlanetCount>& allStationDays() {
    static const std::array<StationDays, StationPlanetCount> days = [] {
        std::array<StationDays, StationPlanetCount> converted;
        for (std::size_t k = 0; k < StationPlanetCount; ++k)
            converted[k] = convertTable(StationTables[k]);
        return converted;
    }();
    return days;
}

} // namespace

std::array<std::string_view, 6> splitStationRow(std::string_view row) {
    std::array<std::string_view, 6> fields;
    for (std::size_t k = 0; k + 1 < fields.size(); ++k) {
        const std::size_t comma = row.find(',');
        if (comma == std::string_view::npos) {
            fields[k] = row;
            return fields;
        }
        fields[k] = row.substr(0, comma);
        row.remove_prefix(comma + 1);
    }
    fields.back() = row;
    return fields;
}

int monthNumber(std::string_view field) {
    const int value = wholeNumber(field);
    for (int month = 1; month <= 12; ++month)
        if (value == month)
            return month;
    return value;
}

StationMoment parseStationRow(std::string_view row) {
    const auto fields = splitStationRow(row);
    const chr::year_month_day date{chr::year{wholeNumber(fields[2])},
                                   chr::month{static_cast<unsigned>(monthNumber(fields[0]))},
                                   chr::day{static_cast<unsigned>(wholeNumber(fields[1]))}};
    return {date, chr::hours{wholeNumber(fields[3])}, chr::minutes{wholeNumber(fields[4])}};
}

const StationDays& loadStations(std::size_t planetIndex) {
    static const StationDays none;
    return planetIndex < StationPlanetCount ? allStationDays()[planetIndex] : none;
}

std::optional<std::size_t> retrogradePlanetIndex(std::string_view planet) {
    const auto found = std::find(StationPlanetNames.begin(), StationPlanetNames.end(), planet);
    if (found == StationPlanetNames.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - StationPlanetNames.begin());
}

namespace {

// Periods follow one another without overlap, so only the last period whose retrograde
// station falls on an earlier date can hold the date. The search for it halves the range
// without branches on the data (the dates give no pattern to predict).
bool holdsDate(const StationDays& days, chr::sys_days date) {
    std::size_t count = days.start.size();
    if (count == 0)
        return false;
    const chr::sys_days* first = days.start.data();
    const chr::sys_days* base = first;
    while (count > 1) {
        const std::size_t half = count / 2;
        base = base[half] < date ? base + half : base;
        count -= half;
    }
    // base is the last station before the date, or the first row when none is.
    return *base < date && days.end[static_cast<std::size_t>(base - first)] > date;
}

} // namespace

bool isRetrogradeOn(chr::sys_days date, std::size_t planetIndex) {
    return holdsDate(loadStations(planetIndex), date);
}

bool isRetrograde(chr::year_month_day birthDate, std::string_view planet) {
    const auto index = retrogradePlanetIndex(planet);
    return index && isRetrogradeOn(chr::sys_days{birthDate}, *index);
}

RetrogradeResult retrogradeCalculation(int month, int day, int year, int hour, int minute) {
    std::array<bool, 9> flags{};
    const chr::year_month_day date{chr::year{year}, chr::month{static_cast<unsigned>(month)},
                                   chr::day{static_cast<unsigned>(day)}};
    if (date.ok()) {
        // The local birth moment; only its calendar date takes part in the test.
        const chr::local_time<chr::minutes> birth =
            chr::local_days{date} + chr::hours{hour} + chr::minutes{minute};
        // Same day numbering as the station dates: the date, not an instant, is compared.
        const chr::sys_days birthDate{chr::floor<chr::days>(birth).time_since_epoch()};
        const auto& stations = allStationDays();
        for (std::size_t k = 0; k < StationPlanetCount; ++k)
            flags[k] = holdsDate(stations[k], birthDate);
    }
    return {flags};
}

} // namespace orbenza
