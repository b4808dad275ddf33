#include "BatchRow.h"

#include "base/Utf8.h"
#include "base/TextTrim.h"

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

Parsed<BatchColumns> batchColumns(const std::vector<std::string>& header) {
    BatchColumns columns;
    std::array<bool, kBatchColumnNames.size()> seen{};
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view name = trimBlanks(header[i]);
        std::size_t which = 0;
        while (which < kBatchColumnNames.size() &&
               !equalsIgnoringCase(name, kBatchColumnNames[which]))
            ++which;
        if (which == kBatchColumnNames.size())
            return OptionError{"the header names an unknown column " + quotedForMessage(name) +
                               "; the columns are name,date,time,zone,lon,lat,dst"};
        if (seen[which])
            return OptionError{"the header names the column " +
                               std::string(kBatchColumnNames[which]) + " twice"};
        seen[which] = true;
        columns.position[which] = i;
    }
    for (std::size_t which = 0; which < kBatchColumnNames.size(); ++which) {
        if (!seen[which])
            return OptionError{"the header lacks the column " +
                               std::string(kBatchColumnNames[which]) +
                               "; the columns are name,date,time,zone,lon,lat,dst"};
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

Parsed<BirthEntries> batchRowEntries(const CsvRecord& record, const BatchColumns& columns) {
    if (!record.error.empty())
        return OptionError{record.error};
    if (record.fields.size() != kBatchColumnNames.size())
        return OptionError{"the row has " + std::to_string(record.fields.size()) +
                           (record.fields.size() == 1 ? " field" : " fields") + ", not " +
                           std::to_string(kBatchColumnNames.size())};
    auto field = [&](std::size_t which) -> const std::string& {
        return record.fields[columns.position[which]];
    };
    const std::string& name = field(0);
    if (!isUtf8(name))
        return OptionError{"name is not valid UTF-8"};
    const auto daylightSaving = parseDaylightSaving(trimBlanks(field(6)));
    if (const auto* e = std::get_if<OptionError>(&daylightSaving))
        return *e;

    ChartOptionTexts texts;
    texts.name = name;
    texts.date = trimBlanks(field(1));
    texts.time = trimBlanks(field(2));
    texts.zone = trimBlanks(field(3));
    texts.longitude = trimBlanks(field(4));
    texts.latitude = trimBlanks(field(5));
    texts.daylightSaving = std::get<bool>(daylightSaving);
    auto parsed = parseChartOptions(texts);
    if (auto* e = std::get_if<OptionError>(&parsed))
        return asColumnError(std::move(*e));
    return parsed;
}

} // namespace orbenza::cli
