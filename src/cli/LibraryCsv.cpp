#include "LibraryCsv.h"

#include "atlas/PlaceClock.h"
#include "base/TextTrim.h"
#include "chart/TimeZones.h"
#include "store/RecordChart.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <optional>

namespace orbenza::cli {

namespace {

enum Column {
    Name,
    Date,
    Time,
    Zone,
    Lon,
    Lat,
    Dst,
    UtOffset,
    City,
    State,
    Country,
    Place,
    Tz,
    Fold,
    Positions,
    Note,
    Added,
    Changed,
    ColumnCount
};

constexpr std::array<std::string_view, ColumnCount> kColumnNames{
    "name",  "date",    "time",  "zone", "lon",  "lat",       "dst",  "utoffset", "city",
    "state", "country", "place", "tz",   "fold", "positions", "note", "added",    "changed"};

std::optional<int> twoDigits(std::string_view text, int high) {
    if (text.size() != 2 || !std::isdigit(static_cast<unsigned char>(text[0])) ||
        !std::isdigit(static_cast<unsigned char>(text[1])))
        return std::nullopt;
    const int value = (text[0] - '0') * 10 + (text[1] - '0');
    return value <= high ? std::optional<int>(value) : std::nullopt;
}

// +HH:MM or +HH:MM:SS (or -), the clock's offset; returns the correction in
// seconds, which has the opposite sign.
std::optional<int> parseUtOffset(std::string_view text) {
    if ((text.size() != 6 && text.size() != 9) || (text[0] != '+' && text[0] != '-') ||
        text[3] != ':' || (text.size() == 9 && text[6] != ':'))
        return std::nullopt;
    const auto hours = twoDigits(text.substr(1, 2), 14);
    const auto minutes = twoDigits(text.substr(4, 2), 59);
    const auto seconds = text.size() == 9 ? twoDigits(text.substr(7, 2), 59) : 0;
    if (!hours || !minutes || !seconds)
        return std::nullopt;
    const int offset = *hours * 3600 + *minutes * 60 + *seconds;
    return text[0] == '+' ? -offset : offset;
}

// YYYY-MM-DDTHH:MM:SSZ, or empty.
bool isTimestamp(std::string_view text) {
    static constexpr std::string_view form = "dddd-dd-ddTdd:dd:ddZ";
    if (text.empty())
        return true;
    if (text.size() != form.size())
        return false;
    for (std::size_t i = 0; i < form.size(); ++i) {
        if (form[i] == 'd' ? !std::isdigit(static_cast<unsigned char>(text[i]))
                           : text[i] != form[i])
            return false;
    }
    return true;
}

// The option's message named after the column: "--lon must ..." -> "lon must ...".
std::string columnMessage(std::string message) {
    if (message.rfind("--", 0) == 0)
        message.erase(0, 2);
    return message;
}

} // namespace

std::string utOffsetText(int correctionSeconds) {
    // The clock's offset from universal time is the correction negated.
    return atlas::formatIsoOffset(-correctionSeconds);
}

std::string clockText(int hour, int minute, int second) {
    char text[16];
    if (second != 0)
        std::snprintf(text, sizeof text, "%02d:%02d:%02d", hour, minute, second);
    else
        std::snprintf(text, sizeof text, "%02d:%02d", hour, minute);
    return text;
}

std::string recordProblemMessage(const store::RecordProblem& problem) {
    if (problem.input)
        return std::string(inputProblemMessage(*problem.input));
    return problem.detail;
}

std::string libraryCsvHeader() {
    std::string header;
    for (std::size_t i = 0; i < kColumnNames.size(); ++i) {
        if (i != 0)
            header += ',';
        header += kColumnNames[i];
    }
    return header + '\n';
}

void appendRecordCsv(std::string& out, const store::ChartRecord& r) {
    char number[64];
    auto field = [&](std::string_view text, bool last = false) {
        appendCsvField(out, text);
        out += last ? '\n' : ',';
    };
    field(r.name);
    std::snprintf(number, sizeof number, "%04d-%02d-%02d", r.year, r.month, r.day);
    field(number);
    field(clockText(r.hour, r.minute, r.second));
    field(r.zonePosition >= 0 ? std::to_string(r.zonePosition) : std::string());
    std::snprintf(number, sizeof number, "%d:%02d%c", r.longitudeDegrees, r.longitudeMinutes,
                  r.east ? 'E' : 'W');
    field(number);
    std::snprintf(number, sizeof number, "%d:%02d%c", r.latitudeDegrees, r.latitudeMinutes,
                  r.south ? 'S' : 'N');
    field(number);
    field(r.daylightSaving ? "1" : "0");
    field(utOffsetText(r.correctionSeconds));
    field(r.city);
    field(r.state);
    field(r.country);
    field(r.atlasPlace);
    field(r.atlasZone);
    field(r.atlasFold);
    field(r.positions);
    field(r.note);
    field(r.addedAt);
    field(r.changedAt, true);
}

LibraryCsvRead readLibraryCsv(ByteSource& input) {
    LibraryCsvRead result;
    CsvReader reader(input);
    CsvRecord record;
    if (!reader.next(record)) {
        result.failure = reader.failed() ? reader.error() : "the input is empty";
        return result;
    }
    if (!record.error.empty()) {
        result.failure = "line 1: " + record.error;
        return result;
    }
    std::array<int, ColumnCount> position;
    position.fill(-1);
    for (std::size_t i = 0; i < record.fields.size(); ++i) {
        std::string name(trimBlanks(record.fields[i]));
        std::transform(name.begin(), name.end(), name.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        const auto found = std::find(kColumnNames.begin(), kColumnNames.end(), name);
        if (found == kColumnNames.end()) {
            result.failure = "the header names an unknown column \"" + name + "\"";
            return result;
        }
        auto& slot = position[static_cast<std::size_t>(found - kColumnNames.begin())];
        if (slot != -1) {
            result.failure = "the header names the column \"" + name + "\" twice";
            return result;
        }
        slot = static_cast<int>(i);
    }
    if (position[Name] == -1) {
        result.failure = "the header has no name column";
        return result;
    }
    const std::size_t width = record.fields.size();
    const ChartOptionTexts defaults;

    while (reader.next(record)) {
        auto refuse = [&](const std::string& why) {
            result.refusals.push_back("line " + std::to_string(record.line) + ": " + why);
        };
        if (!record.error.empty()) {
            refuse(record.error);
            continue;
        }
        if (record.fields.size() != width) {
            refuse("the row has " + std::to_string(record.fields.size()) + " fields, not " +
                   std::to_string(width));
            continue;
        }
        auto raw = [&](Column column) -> std::string {
            return position[column] == -1
                       ? std::string()
                       : record.fields[static_cast<std::size_t>(position[column])];
        };
        // A missing column or an empty field takes the fallback.
        auto text = [&](Column column, std::string_view fallback = {}) -> std::string {
            const std::string_view value =
                position[column] == -1
                    ? std::string_view()
                    : trimBlanks(record.fields[static_cast<std::size_t>(position[column])]);
            return std::string(value.empty() ? fallback : value);
        };

        store::ChartRecord r;
        r.name = raw(Name);
        if (!isUtf8(r.name)) {
            refuse("name is not valid UTF-8");
            continue;
        }
        const auto date = parseDate(text(Date, defaults.date));
        if (const auto* e = std::get_if<OptionError>(&date)) {
            refuse(columnMessage(e->message));
            continue;
        }
        std::string clock = text(Time, defaults.time);
        int second = 0;
        if (clock.size() == 8 && clock[5] == ':') {
            const auto s = twoDigits(std::string_view(clock).substr(6), 59);
            if (!s) {
                refuse("time must look like HH:MM or HH:MM:SS, not \"" + clock + "\"");
                continue;
            }
            second = *s;
            clock.resize(5);
        }
        const auto time = parseTime(clock);
        if (const auto* e = std::get_if<OptionError>(&time)) {
            refuse(columnMessage(e->message));
            continue;
        }
        const std::string offsetText = text(UtOffset);
        // Without a zone the offset alone sets the clock; without either the
        // single chart's default zone does.
        const std::string zoneText = text(Zone, offsetText.empty() ? defaults.zone : "");
        int zone = -1;
        if (!zoneText.empty()) {
            const auto parsedZone = parseZone(zoneText);
            if (const auto* e = std::get_if<OptionError>(&parsedZone)) {
                refuse(columnMessage(e->message));
                continue;
            }
            zone = std::get<int>(parsedZone);
        }
        if (!offsetText.empty()) {
            const auto correction = parseUtOffset(offsetText);
            if (!correction) {
                refuse("utoffset must look like +HH:MM or +HH:MM:SS, not \"" + offsetText + "\"");
                continue;
            }
            r.correctionSeconds = *correction;
        } else {
            const UtCorrection c = Zone_Calculation(zone, {});
            r.correctionSeconds = c.UtCorrectionHours * 3600 + c.UtCorrectionMinutes * 60;
        }
        const auto lon = parseLongitude(text(Lon, defaults.longitude));
        if (const auto* e = std::get_if<OptionError>(&lon)) {
            refuse(columnMessage(e->message));
            continue;
        }
        const auto lat = parseLatitude(text(Lat, defaults.latitude));
        if (const auto* e = std::get_if<OptionError>(&lat)) {
            refuse(columnMessage(e->message));
            continue;
        }
        const auto dst = parseDaylightSaving(text(Dst));
        if (const auto* e = std::get_if<OptionError>(&dst)) {
            refuse(columnMessage(e->message));
            continue;
        }
        const auto& d = std::get<DateValue>(date);
        const auto& t = std::get<TimeValue>(time);
        const auto& lo = std::get<Longitude>(lon);
        const auto& la = std::get<Latitude>(lat);
        r.year = d.year;
        r.month = d.month;
        r.day = d.day;
        r.hour = t.hour;
        r.minute = t.minute;
        r.second = second;
        r.zonePosition = zone;
        r.daylightSaving = std::get<bool>(dst);
        r.longitudeDegrees = lo.degrees;
        r.longitudeMinutes = lo.minutes;
        r.east = lo.hemisphere == EastWest::East;
        r.latitudeDegrees = la.degrees;
        r.latitudeMinutes = la.minutes;
        r.south = la.hemisphere == NorthSouth::South;
        r.city = raw(City);
        r.state = raw(State);
        r.country = raw(Country);
        r.atlasPlace = raw(Place);
        r.atlasZone = text(Tz);
        r.atlasFold = text(Fold);
        r.positions = text(Positions, "classic");
        r.note = raw(Note);
        r.addedAt = text(Added);
        r.changedAt = text(Changed);
        if (!isUtf8(r.city) || !isUtf8(r.state) || !isUtf8(r.country) || !isUtf8(r.atlasPlace) ||
            !isUtf8(r.atlasZone) || !isUtf8(r.note)) {
            refuse("a text is not valid UTF-8");
            continue;
        }
        if (!r.atlasFold.empty() && r.atlasFold != "earlier" && r.atlasFold != "later") {
            refuse("fold must be earlier or later, not \"" + r.atlasFold + "\"");
            continue;
        }
        if (!isTimestamp(r.addedAt) || !isTimestamp(r.changedAt)) {
            refuse("added and changed must look like YYYY-MM-DDTHH:MM:SSZ");
            continue;
        }
        if (const auto problem = store::recordProblem(r)) {
            refuse(recordProblemMessage(*problem));
            continue;
        }
        result.records.push_back(std::move(r));
    }
    if (reader.failed())
        result.failure = reader.error();
    return result;
}

} // namespace orbenza::cli
