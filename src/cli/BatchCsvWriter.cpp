#include "BatchCsvWriter.h"

#include "base/Utf8.h"

#include <array>

namespace orbenza::cli {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// text with every byte that is not UTF-8 and every control character as
// U+FFFD: a refused row's text may be anything, the output stays UTF-8 and
// keeps escape sequences away from a terminal.
std::string cleanedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Step step = decodeUtf8(text, i);
        const char32_t c = step.codePoint;
        if (!step.valid || c < 0x20 || c == 0x7F || (c >= 0x80 && c <= 0x9F))
            appendUtf8(out, kReplacementCharacter);
        else
            out.append(text.substr(i, step.length));
        i += step.length;
    }
    return out;
}

} // namespace

void appendCsvField(std::string& out, std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (isBlank(text.front()) || isBlank(text.back())));
    if (!quote) {
        out.append(text);
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

namespace {

constexpr const std::array<std::string_view, kBodyCount>& kCsvBodyNames = kBodyLabels;

// The number of columns between the name and the line: positions, labels, houses.
constexpr std::size_t kCsvChartColumns = 11 + 11 + 10;

} // namespace

std::string batchCsvHeader() {
    std::string header = "name";
    auto column = [&](std::string_view body, std::string_view suffix) {
        header += ',';
        header += body;
        header += suffix;
    };
    for (std::string_view body : kCsvBodyNames)
        column(body, "");
    for (std::string_view body : kCsvBodyNames)
        column(body, " label");
    for (std::size_t planet = 0; planet < 10; ++planet)
        column(kCsvBodyNames[planet], " house");
    header += ",line,error\n";
    return header;
}

void appendChartCsv(std::string& out, const ChartResult& chart, std::uint64_t line) {
    appendCsvField(out, chart.birth.name);
    for (const std::string& position : chart.planetPositions) {
        out += ',';
        appendCsvField(out, position);
    }
    for (const std::string& label : chart.planetNames) {
        out += ',';
        appendCsvField(out, label);
    }
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
        const int house = chart.houses[bodyAt(planet)];
        out += ',';
        if (house != 0)
            out += std::to_string(house);
    }
    out += ',';
    out += std::to_string(line);
    out += ",\n";
}

void appendBatchErrorCsv(std::string& out, std::string_view name, std::uint64_t line,
                         std::string_view message) {
    appendCsvField(out, cleanedText(name));
    out.append(kCsvChartColumns, ',');
    out += ',';
    out += std::to_string(line);
    out += ',';
    appendCsvField(out, cleanedText(message));
    out += '\n';
}

} // namespace orbenza::cli
