#include "BatchCsvWriter.h"

#include <array>

namespace orbenza::cli {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
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

constexpr std::array<std::string_view, 11> kCsvBodyNames{"Sun",     "Moon",    "Mercury", "Venus",
                                                         "Mars",    "Jupiter", "Saturn",  "Uranus",
                                                         "Neptune", "Pluto",   "Asc"};

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
    appendCsvField(out, chart.birth.Name);
    for (const std::string& position : chart.PlanetPositions) {
        out += ',';
        appendCsvField(out, position);
    }
    for (const std::string& label : chart.PlanetNames) {
        out += ',';
        appendCsvField(out, label);
    }
    for (int house : chart.planetHouses) {
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
    appendCsvField(out, name);
    out.append(kCsvChartColumns, ',');
    out += ',';
    out += std::to_string(line);
    out += ',';
    appendCsvField(out, message);
    out += '\n';
}

} // namespace orbenza::cli
