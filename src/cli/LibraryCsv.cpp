#include "LibraryCsv.h"

#include "LibraryPlace.h"
#include "ProgressMeter.h"
#include "atlas/PlaceClock.h"
#include "base/TextTrim.h"
#include "chart/TimeZones.h"
#include "store/RecordChart.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <functional>
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
    AtlasName,
    AtlasState,
    AtlasCountry,
    AtlasLat,
    AtlasLon,
    Positions,
    Note,
    Added,
    Changed,
    ColumnCount
};

constexpr std::array<std::string_view, ColumnCount> kColumnNames{
    "name",         "date",     "time",     "zone",      "lon",  "lat",   "dst",       "utoffset",
    "city",         "state",    "country",  "place",     "tz",   "fold",  "atlasname", "atlasstate",
    "atlascountry", "atlaslat", "atlaslon", "positions", "note", "added", "changed"};

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

// An option's message named after the columns: "--fold later" -> "fold later".
std::string columnMessage(std::string message) {
    for (std::string_view option : {"--name", "--date", "--time", "--zone", "--lon", "--lat",
                                    "--dst", "--fold", "--place", "--tz"}) {
        for (std::size_t at = 0; (at = message.find(option, at)) != std::string::npos;)
            message.erase(at, 2);
    }
    return message;
}

// A coordinate as the atlas gives it, written so that it reads back to the
// same double (the shortest such text).
std::string degreesText(const std::optional<double>& degrees) {
    if (!degrees)
        return {};
    char text[32];
    const auto end = std::to_chars(text, text + sizeof text, *degrees).ptr;
    return std::string(text, end);
}

std::optional<double> parseDegrees(std::string_view text, double limit) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(std::fabs(value) <= limit))
        return std::nullopt;
    return value;
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
    field(r.atlasName);
    field(r.atlasState);
    field(r.atlasCountry);
    field(degreesText(r.atlasLatitudeDeg));
    field(degreesText(r.atlasLongitudeDeg));
    field(r.positions);
    field(r.note);
    field(r.addedAt);
    field(r.changedAt, true);
}

namespace {

// The columns only the library's own form has: a header with any of them is
// read as an export, one without as a batch file.
bool isLibraryColumn(Column column) {
    return column > Dst && column != Place && column != Tz && column != Fold;
}

std::string lowerAscii(std::string_view text) {
    std::string lower(trimBlanks(text));
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// One row of the library's own form: the fields by column, with the
// single chart's defaults for a missing column or an empty field.
class LibraryRow {
public:
    LibraryRow(const CsvRecord& record, const std::array<int, ColumnCount>& position)
        : m_record(record), m_position(position) {}
    // The field as given, blanks kept.
    std::string raw(Column column) const {
        return m_position[column] == -1
                   ? std::string()
                   : m_record.fields[static_cast<std::size_t>(m_position[column])];
    }
    // The field without blanks around it, or the fallback when empty.
    std::string text(Column column, std::string_view fallback = {}) const {
        const std::string value(trimBlanks(raw(column)));
        return value.empty() ? std::string(fallback) : value;
    }

private:
    const CsvRecord& m_record;
    const std::array<int, ColumnCount>& m_position;
};

void setBirth(store::ChartRecord& r, const BirthInput& input) {
    r.name = input.name;
    r.year = input.local.year;
    r.month = input.local.month;
    r.day = input.local.day;
    r.hour = input.local.hour;
    r.minute = input.local.minute;
    r.second = input.local.second;
    r.zonePosition = input.zonePosition;
    r.daylightSaving = input.daylightSaving;
    r.longitudeDegrees = input.longitude.degrees;
    r.longitudeMinutes = input.longitude.minutes;
    r.east = input.longitude.hemisphere == EastWest::East;
    r.latitudeDegrees = input.latitude.degrees;
    r.latitudeMinutes = input.latitude.minutes;
    r.south = input.latitude.hemisphere == NorthSouth::South;
}

int correctionSecondsOf(const UtCorrection& c) {
    return c.utCorrectionHours * 3600 + c.utCorrectionMinutes * 60 + c.utCorrectionSeconds;
}

// The first of the columns that a clock from tz or place leaves no room
// for, when one of them is given.
std::optional<std::string> givenAmong(const LibraryRow& row,
                                      std::initializer_list<Column> columns) {
    for (Column column : columns) {
        const auto dst = parseDaylightSaving(row.text(Dst));
        const bool given = column == Dst ? !std::holds_alternative<bool>(dst) || std::get<bool>(dst)
                                         : !row.text(column).empty();
        if (given)
            return std::string(kColumnNames[column]);
    }
    return std::nullopt;
}

// The clock of a row with a zone of the list, and an offset that, when
// given, must be that row's.
std::optional<std::string> settleZoneRowClock(store::ChartRecord& r, const LibraryRow& row) {
    if (const auto atlasColumn =
            givenAmong(row, {Place, Fold, AtlasName, AtlasState, AtlasCountry, AtlasLat, AtlasLon}))
        return *atlasColumn + " needs tz, the zone whose clock it goes with";
    const std::string offsetText = row.text(UtOffset);
    std::optional<int> correction;
    if (!offsetText.empty()) {
        correction = parseUtOffset(offsetText);
        if (!correction)
            return "utoffset must look like +HH:MM or +HH:MM:SS, not " +
                   quotedForMessage(offsetText);
    }
    if (row.text(Zone).empty()) {
        // No zone row: the offset alone sets the clock.
        r.zonePosition = correction ? -1 : r.zonePosition;
        r.correctionSeconds =
            correction ? *correction : correctionSecondsOf(zoneCalculation(r.zonePosition, {}));
        return std::nullopt;
    }
    r.correctionSeconds = correctionSecondsOf(zoneCalculation(r.zonePosition, {}));
    if (correction && *correction != r.correctionSeconds)
        return "utoffset " + quotedForMessage(offsetText) + " contradicts zone " +
               std::to_string(r.zonePosition) + ", whose offset is " +
               utOffsetText(r.correctionSeconds);
    return std::nullopt;
}

// The clock of a row with tz, worked out as --tz does; the place's own
// longitude, when the row has it, is the one a zone on local mean time reads.
std::optional<std::string> settleTzClock(store::ChartRecord& r, const LibraryRow& row,
                                         const BirthInput& birth) {
    if (const auto clash = givenAmong(row, {Zone, Dst}))
        return "tz sets the clock time; " + *clash + " cannot be given with it";
    for (Column column : {AtlasLat, AtlasLon}) {
        const std::string text = row.text(column);
        if (text.empty())
            continue;
        const auto degrees = parseDegrees(text, column == AtlasLat ? 90.0 : 180.0);
        if (!degrees)
            return std::string(kColumnNames[column]) + " must be degrees, not " +
                   quotedForMessage(text);
        (column == AtlasLat ? r.atlasLatitudeDeg : r.atlasLongitudeDeg) = degrees;
    }
    AtlasOptionTexts texts;
    texts.tz = row.text(Tz);
    texts.fold = row.text(Fold);
    const auto settled = applyAtlasOptions(birth, texts, atlas::Atlas());
    if (const auto* e = std::get_if<OptionError>(&settled))
        return columnMessage(e->message);
    const PlaceClockInfo& clock = std::get<AtlasChartInput>(settled).place;
    // The longitude a zone on local mean time reads: the place's own when
    // the row has it, else the chart's (as --tz uses it).
    const atlas::PlaceTime time =
        atlas::ZoneClock::find(texts.tz).at({r.year, r.month, r.day, r.hour, r.minute, r.second},
                                            r.atlasLongitudeDeg.value_or(clock.longitudeDeg));
    const atlas::ZoneState& state = clock.fold == Fold::Later ? time.second : time.first;
    std::int32_t offset = state.utOffsetSeconds;
    // A chart saved from the atlas without the place's own longitude had its
    // local mean time from that longitude, up to half a minute of arc (2 s of
    // time) from the chart's: such an offset is kept.
    const int slackSeconds = state.localMeanTime && !r.atlasLongitudeDeg ? 2 : 0;
    const std::string offsetText = row.text(UtOffset);
    if (!offsetText.empty()) {
        const auto correction = parseUtOffset(offsetText);
        if (!correction)
            return "utoffset must look like +HH:MM or +HH:MM:SS, not " +
                   quotedForMessage(offsetText);
        if (std::abs(*correction + offset) > slackSeconds)
            return "utoffset " + quotedForMessage(offsetText) + " contradicts the clock of " +
                   texts.tz + ", which was " + atlas::formatIsoOffset(offset) + " then";
        offset = -*correction;
    }
    r.zonePosition = -1;
    r.daylightSaving = false;
    r.correctionSeconds = -offset;
    r.atlasZone = texts.tz;
    r.atlasFold = std::string(foldName(clock.fold));
    r.atlasPlace = row.raw(Place);
    r.atlasName = row.raw(AtlasName);
    r.atlasState = row.raw(AtlasState);
    r.atlasCountry = row.raw(AtlasCountry);
    return std::nullopt;
}

// The clock and coordinates of a row with place but no tz, from the atlas as
// --place gives them.
std::optional<std::string> settlePlaceClock(store::ChartRecord& r, const LibraryRow& row,
                                            const BirthInput& birth, AtlasSource atlasSource) {
    if (const auto clash = givenAmong(row, {Zone, Lon, Lat, Dst, UtOffset, AtlasName, AtlasState,
                                            AtlasCountry, AtlasLat, AtlasLon}))
        return "place sets the coordinates and the clock time; " + *clash +
               " cannot be given with it";
    const atlas::Atlas& atlas = atlasSource();
    if (!atlas.available())
        return atlas.unavailableReason();
    AtlasOptionTexts texts;
    texts.place = row.text(Place);
    texts.fold = row.text(Fold);
    const auto settled = applyAtlasOptions(birth, texts, atlas);
    if (const auto* e = std::get_if<OptionError>(&settled))
        return columnMessage(e->message);
    const AtlasChartInput& input = std::get<AtlasChartInput>(settled);
    setBirth(r, input.input);
    r.correctionSeconds = correctionSecondsOf(input.input.correction);
    r.atlasPlace = input.place.label;
    r.atlasZone = input.place.timeZone;
    r.atlasFold = std::string(foldName(input.place.fold));
    keepPlaceInRecord(r, input.place);
    return std::nullopt;
}

// A row of the library's own form, or why it cannot be stored.
Parsed<store::ChartRecord> libraryRecord(const LibraryRow& row, AtlasSource atlasSource) {
    const ChartOptionTexts defaults;
    ChartOptionTexts texts;
    texts.name = row.raw(Name);
    texts.date = row.text(Date, defaults.date);
    texts.time = row.text(Time, defaults.time);
    // The seconds an export writes after the minutes: HH:MM:SS.
    int second = 0;
    if (texts.time.size() == 8 && texts.time[5] == ':') {
        const auto s = twoDigits(std::string_view(texts.time).substr(6), 59);
        if (!s)
            return OptionError{"time must look like HH:MM or HH:MM:SS, not " +
                               quotedForMessage(texts.time)};
        second = *s;
        texts.time.resize(5);
    }
    texts.zone = row.text(Zone, defaults.zone);
    texts.longitude = row.text(Lon, defaults.longitude);
    texts.latitude = row.text(Lat, defaults.latitude);
    const auto dst = parseDaylightSaving(row.text(Dst));
    if (const auto* e = std::get_if<OptionError>(&dst))
        return *e;
    texts.daylightSaving = std::get<bool>(dst);
    // The name, date, time, zone and coordinates by the single chart's rules.
    const auto parsed = parseChartOptions(texts);
    if (const auto* e = std::get_if<OptionError>(&parsed))
        return OptionError{columnMessage(e->message)};
    BirthInput birth = std::get<BirthInput>(parsed);
    birth.local.second = second;

    store::ChartRecord r;
    setBirth(r, birth);
    std::optional<std::string> refusal;
    if (!row.text(Tz).empty())
        refusal = settleTzClock(r, row, birth);
    else if (!row.text(Place).empty())
        refusal = settlePlaceClock(r, row, birth, atlasSource);
    else
        refusal = settleZoneRowClock(r, row);
    if (refusal)
        return OptionError{*refusal};

    // A place from the atlas names the city, state and country not given.
    r.city = row.raw(City).empty() ? r.atlasName : row.raw(City);
    r.state = row.raw(State).empty() ? r.atlasState : row.raw(State);
    r.country = row.raw(Country).empty() ? r.atlasCountry : row.raw(Country);
    r.positions = row.text(Positions, "classic");
    r.note = row.raw(Note);
    r.addedAt = row.text(Added);
    r.changedAt = row.text(Changed);
    for (const std::string* text : {&r.city, &r.state, &r.country, &r.atlasPlace, &r.atlasName,
                                    &r.atlasState, &r.atlasCountry, &r.note}) {
        if (!isUtf8(*text))
            return OptionError{"a text is not valid UTF-8"};
    }
    if (!isTimestamp(r.addedAt) || !isTimestamp(r.changedAt))
        return OptionError{"added and changed must look like YYYY-MM-DDTHH:MM:SSZ"};
    if (const auto problem = store::recordProblem(r))
        return OptionError{recordProblemMessage(*problem)};
    return r;
}

// A batch file: every row as --batch reads it, the chart computed as it
// charts it, and its record kept.
void readBatchForm(CsvReader& reader, const std::vector<std::string>& header,
                   AtlasSource atlasSource, LibraryCsvRead& result,
                   const std::function<void()>& rowDone) {
    const auto parsedColumns = batchColumns(header);
    if (const auto* e = std::get_if<OptionError>(&parsedColumns)) {
        result.failure = e->message;
        return;
    }
    const BatchColumns& columns = std::get<BatchColumns>(parsedColumns);
    // Only places need the atlas.
    static const atlas::Atlas noAtlas;
    const atlas::Atlas& atlas = columns.place ? atlasSource() : noAtlas;
    if (columns.place && !atlas.available()) {
        result.failure = atlas.unavailableReason();
        return;
    }
    CsvRecord record;
    while (reader.next(record)) {
        rowDone();
        auto refuse = [&](const std::string& why) {
            result.refusals.push_back("line " + std::to_string(record.line) + ": " + why);
        };
        const auto input = batchRowInput(record, columns, atlas);
        if (const auto* e = std::get_if<OptionError>(&input)) {
            refuse(e->message);
            continue;
        }
        const BatchRowInput& row = std::get<BatchRowInput>(input);
        const auto outcome = chartOfInput(row.input);
        if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
            refuse(std::string(inputProblemMessage(refusal->problem)));
            continue;
        }
        const ChartResult& chart = std::get<ChartResult>(outcome);
        const bool named = row.place && !row.place->label.empty();
        store::ChartRecord r =
            store::recordOfChart(chart, named ? row.place->name : "", named ? row.place->state : "",
                                 named ? row.place->country : "");
        if (row.place)
            keepPlaceInRecord(r, *row.place);
        result.records.push_back(std::move(r));
    }
}

// An export: the header's columns in any order and any case, only name
// required.
void readLibraryForm(CsvReader& reader, const std::vector<std::string>& header,
                     AtlasSource atlasSource, LibraryCsvRead& result,
                     const std::function<void()>& rowDone) {
    std::array<int, ColumnCount> position;
    position.fill(-1);
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string name = lowerAscii(header[i]);
        const auto found = std::find(kColumnNames.begin(), kColumnNames.end(), name);
        if (found == kColumnNames.end()) {
            result.failure = "the header names an unknown column " + quotedForMessage(name);
            return;
        }
        auto& slot = position[static_cast<std::size_t>(found - kColumnNames.begin())];
        if (slot != -1) {
            result.failure = "the header names the column " + quotedForMessage(name) + " twice";
            return;
        }
        slot = static_cast<int>(i);
    }
    if (position[Name] == -1) {
        result.failure = "the header has no name column";
        return;
    }
    CsvRecord record;
    while (reader.next(record)) {
        rowDone();
        auto refuse = [&](const std::string& why) {
            result.refusals.push_back("line " + std::to_string(record.line) + ": " + why);
        };
        if (!record.error.empty()) {
            refuse(record.error);
            continue;
        }
        if (record.fields.size() != header.size()) {
            refuse("the row has " + std::to_string(record.fields.size()) +
                   (record.fields.size() == 1 ? " field" : " fields") + ", not " +
                   std::to_string(header.size()));
            continue;
        }
        auto parsed = libraryRecord(LibraryRow(record, position), atlasSource);
        if (const auto* e = std::get_if<OptionError>(&parsed))
            refuse(e->message);
        else
            result.records.push_back(std::move(std::get<store::ChartRecord>(parsed)));
    }
}

} // namespace

LibraryCsvRead readLibraryCsv(ByteSource& input, AtlasSource atlasSource, ProgressMeter* progress) {
    LibraryCsvRead result;
    std::uint64_t rows = 0;
    const auto rowDone = [&] {
        if (progress == nullptr || ++rows % 64 != 0)
            return;
        const auto size = input.size();
        progress->update(rows, size && *size > 0
                                   ? std::optional<double>(static_cast<double>(input.bytesRead()) /
                                                           static_cast<double>(*size))
                                   : std::nullopt);
    };
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
    const bool libraryForm =
        std::any_of(record.fields.begin(), record.fields.end(), [](const std::string& field) {
            const auto found =
                std::find(kColumnNames.begin(), kColumnNames.end(), lowerAscii(field));
            return found != kColumnNames.end() &&
                   isLibraryColumn(static_cast<Column>(found - kColumnNames.begin()));
        });
    if (!libraryForm) {
        readBatchForm(reader, record.fields, atlasSource, result, rowDone);
    } else {
        readLibraryForm(reader, record.fields, atlasSource, result, rowDone);
    }
    if (reader.failed() && result.failure.empty())
        result.failure = reader.error();
    return result;
}

} // namespace orbenza::cli
