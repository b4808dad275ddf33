#include "BatchRow.h"

#include "base/TextTrim.h"
#include "base/Utf8.h"

namespace orbenza::cli {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

} // namespace

namespace {

constexpr std::string_view kColumnsHelp =
    "; the columns are name,date,time,zone,lon,lat,dst, or name,date,time,place with fold "
    "if wanted, or name,date,time,tz,lon,lat with fold if wanted";

} // namespace

Parsed<BatchColumns> batchColumns(const std::vector<std::string>& header) {
    BatchColumns columns;
    columns.fieldCount = header.size();
    std::array<bool, kBatchColumnNames.size()> seen{};
    std::array<std::optional<std::size_t>*, 3> atlasColumns{&columns.place, &columns.tz,
                                                            &columns.fold};
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view name = trimBlanks(header[i]);
        std::size_t which = 0;
        while (which < kBatchColumnNames.size() &&
               !equalsIgnoringCase(name, kBatchColumnNames[which]))
            ++which;
        if (which < kBatchColumnNames.size()) {
            if (seen[which])
                return OptionError{"the header names the column " +
                                   std::string(kBatchColumnNames[which]) + " twice"};
            seen[which] = true;
            columns.position[which] = i;
            continue;
        }
        std::size_t atlasWhich = 0;
        while (atlasWhich < kBatchAtlasColumnNames.size() &&
               !equalsIgnoringCase(name, kBatchAtlasColumnNames[atlasWhich]))
            ++atlasWhich;
        if (atlasWhich == kBatchAtlasColumnNames.size())
            return OptionError{"the header names an unknown column " + quotedForMessage(name) +
                               std::string(kColumnsHelp)};
        if (atlasColumns[atlasWhich]->has_value())
            return OptionError{"the header names the column " +
                               std::string(kBatchAtlasColumnNames[atlasWhich]) + " twice"};
        *atlasColumns[atlasWhich] = i;
    }

    // Which columns this kind of header must have and must not have.
    enum : std::size_t { kName, kDate, kTime, kZone, kLon, kLat, kDst };
    std::vector<std::size_t> required{kName, kDate, kTime};
    std::vector<std::size_t> refused;
    std::string_view why;
    if (columns.place && columns.tz)
        return OptionError{"the column place brings its own time zone; give place or tz, not both"};
    if (columns.place) {
        refused = {kZone, kLon, kLat, kDst};
        why = "the column place sets the coordinates and the clock time; ";
    } else if (columns.tz) {
        required.insert(required.end(), {kLon, kLat});
        refused = {kZone, kDst};
        why = "the column tz sets the clock time; ";
    } else {
        if (columns.fold)
            return OptionError{"the column fold needs the column place or tz"};
        required.insert(required.end(), {kZone, kLon, kLat, kDst});
    }
    for (const std::size_t which : refused) {
        if (seen[which])
            return OptionError{std::string(why) + "the column " +
                               std::string(kBatchColumnNames[which]) + " cannot be given with it"};
    }
    for (const std::size_t which : required) {
        if (!seen[which])
            return OptionError{"the header lacks the column " +
                               std::string(kBatchColumnNames[which]) + std::string(kColumnsHelp)};
    }
    return columns;
}

Parsed<bool> parseDaylightSaving(std::string_view text) {
    for (std::string_view off : {"", "0", "false", "no"}) {
        if (equalsIgnoringCase(text, off))
            return false;
    }
    for (std::string_view on : {"1", "true", "yes"}) {
        if (equalsIgnoringCase(text, on))
            return true;
    }
    return OptionError{"dst must be empty, 0, false, no, 1, true or yes, not " +
                       quotedForMessage(text)};
}

namespace {

// The single-chart parsers name their option ("--date must ..."); in a batch
// the column of that name is meant.
OptionError asColumnError(OptionError error) {
    if (error.message.rfind("--", 0) == 0)
        error.message.erase(0, 2);
    return error;
}

} // namespace

Parsed<BirthInput> batchRowEntries(const CsvRecord& record, const BatchColumns& columns) {
    if (!record.error.empty())
        return OptionError{record.error};
    if (record.fields.size() != columns.fieldCount)
        return OptionError{"the row has " + std::to_string(record.fields.size()) +
                           (record.fields.size() == 1 ? " field" : " fields") + ", not " +
                           std::to_string(columns.fieldCount)};
    auto field = [&](std::size_t which) -> const std::string& {
        return record.fields[columns.position[which]];
    };
    const std::string& name = field(0);
    if (!isUtf8(name))
        return OptionError{"name is not valid UTF-8"};
    ChartOptionTexts texts;
    texts.name = name;
    texts.date = trimBlanks(field(1));
    texts.time = trimBlanks(field(2));
    // Without place or tz every column is there; with tz the coordinates are;
    // the others keep the screen's defaults for the atlas to replace.
    if (!columns.place) {
        texts.longitude = trimBlanks(field(4));
        texts.latitude = trimBlanks(field(5));
    }
    if (!columns.fromAtlas()) {
        const auto daylightSaving = parseDaylightSaving(trimBlanks(field(6)));
        if (const auto* e = std::get_if<OptionError>(&daylightSaving))
            return *e;
        texts.zone = trimBlanks(field(3));
        texts.daylightSaving = std::get<bool>(daylightSaving);
    }
    auto parsed = parseChartOptions(texts);
    if (auto* e = std::get_if<OptionError>(&parsed))
        return asColumnError(std::move(*e));
    return parsed;
}

Parsed<BatchRowInput> batchRowInput(const CsvRecord& record, const BatchColumns& columns,
                                    const atlas::Atlas& atlas) {
    auto entries = batchRowEntries(record, columns);
    if (auto* e = std::get_if<OptionError>(&entries))
        return std::move(*e);
    BatchRowInput input;
    input.input = std::get<BirthInput>(entries);
    if (!columns.fromAtlas())
        return input;

    AtlasOptionTexts texts;
    const auto text = [&](std::size_t position) {
        return std::string(trimBlanks(record.fields[position]));
    };
    if (columns.place) {
        texts.place = text(*columns.place);
        if (texts.place.empty())
            return OptionError{"place is empty"};
        if (!atlas.available())
            return OptionError{atlas.unavailableReason()};
    } else {
        texts.tz = text(*columns.tz);
        if (texts.tz.empty())
            return OptionError{"tz is empty"};
    }
    if (columns.fold)
        texts.fold = text(*columns.fold);
    auto settled = applyAtlasOptions(input.input, texts, atlas);
    if (auto* e = std::get_if<OptionError>(&settled)) {
        // The options' names become the columns' names ("fold later").
        std::string& message = e->message;
        for (std::string_view option : {"--fold", "--place", "--tz"}) {
            for (std::size_t at = 0; (at = message.find(option, at)) != std::string::npos;)
                message.erase(at, 2);
        }
        return std::move(*e);
    }
    auto& atlasInput = std::get<AtlasChartInput>(settled);
    input.input = std::move(atlasInput.input);
    input.place = std::move(atlasInput.place);
    return input;
}

} // namespace orbenza::cli
