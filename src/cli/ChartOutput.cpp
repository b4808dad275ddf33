#include "ChartOutput.h"

#include "ChartJsonWriter.h"
#include "base/Body.h"
#include "chart/ChartReport.h"
#include "chart/TimeZones.h"
#include "present/PositionText.h"
#include "present/Presentation.h"
#include "report/HouseReport.h"
#include "report/InterpretationTexts.h"
#include "report/RichText.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace orbenza::cli {

namespace {

std::string sunSign(const ChartResult& chart) {
    return std::string(signName(chart.sunSign()));
}

std::string ascendantSign(const ChartResult& chart) {
    return std::string(signName(chart.ascendantSign()));
}

// The report's text without its carriage returns, for a terminal.
std::string withUnixLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c != '\r')
            out += c;
    }
    return out;
}

std::string upperCase(std::string text) {
    for (char& c : text) {
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    }
    return text;
}

std::string padRight(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width)
        out.append(width - out.size(), ' ');
    return out;
}

// The cusps, the Midheaven and the aspects as the text output lists them.
std::string housesAndAspectsText(const ChartResult& chart) {
    std::string out = padRight("MC", 14) + shortPositionText(chart.angles.mcDeg) + "\n\n";
    out += "Houses (" + std::string(houseSystemName(chart.houseSystem)) + ")\n";
    if (const std::string note = houseNoteText(chart); !note.empty())
        out += note + "\n";
    for (std::size_t k = 0; k < chart.cuspsDeg.size(); ++k) {
        const std::string label = "House " + std::to_string(k + 1);
        out += padRight(label, 14) + shortPositionText(chart.cuspsDeg[k]) + "\n";
    }
    out += "\nAspects (" + std::string(aspectSetName(chart.aspectSet)) + ")\n";
    if (chart.aspects.empty())
        out += "none\n";
    for (const AspectFound& aspect : chart.aspects) {
        char orb[32];
        std::snprintf(orb, sizeof orb, "orb %.2f", aspect.orbDeg);
        out += padRight(bodyLabel(aspect.a), 9) + padRight(aspectName(aspect.aspect), 16) +
               padRight(bodyLabel(aspect.b), 9) + orb +
               (aspect.applying ? " applying\n" : " separating\n");
    }
    return out;
}

} // namespace

double longitudeSixDecimals(double longitudeDeg) {
    const double rounded = std::round(longitudeDeg * 1e6) / 1e6;
    return rounded >= 360.0 ? rounded - 360.0 : rounded;
}

double sixDecimals(double value) {
    return std::round(value * 1e6) / 1e6;
}

nlohmann::ordered_json chartJson(const ChartResult& chart, bool withReport,
                                 const BirthTimeWindows* windows, const PlaceClockInfo* place) {
    // The fields are those of a batch line, in its order: the single chart
    // reads that line back rather than keeping a list of its own.
    ChartJsonWriter writer(withReport);
    std::string line;
    if (!writer.append(line, chart, windows, place))
        throw nlohmann::ordered_json::type_error::create(316, "a text of the chart is not UTF-8",
                                                         nullptr);
    return nlohmann::ordered_json::parse(line);
}

std::string chartText(const ChartResult& chart, bool withReport, const BirthTimeWindows* windows,
                      std::string_view caution) {
    const BirthData& birth = chart.birth;
    std::string out;
    out += "Natal chart of " + birth.name + "\n";
    const ChartLines lines = chartLines(chart);
    out += lines.born + "\n";
    out += lines.coordinates + "\n";
    out += lines.computedFor + "\n";
    if (!caution.empty()) {
        out += caution;
        out += '\n';
    }
    out += '\n';
    out += "Sun sign   " + sunSign(chart) + "\n";
    const ChartTexts texts = chartTexts(chart);
    out += "Moon sign  " + texts.moonSignName + "\n";
    out += "Ascendant  " + ascendantSign(chart) + " (" + texts.ascendantText + ")\n";
    if (windows != nullptr)
        out += birthTimeWindowLine(chart, *windows) + "\n";
    out += "\n";
    for (std::size_t i = 0; i < kBodyCount; ++i)
        out += padRight(texts.planetNames[i], 14) + texts.planetPositions[i] + "\n";
    for (const OtherPoint& point : kOtherPoints)
        out += padRight(std::string(point.label), 14) +
               shortPositionText(chart.pointLongitudesDeg[point.body]) + "\n";
    out += housesAndAspectsText(chart);

    if (!withReport)
        return out;
    // The report: headings in capitals under a rule, body text as written.
    out += "\n";
    for (const ReportRun& run : chartReport(chart)) {
        std::string text = withUnixLineBreaks(run.text);
        if (run.heading) {
            text = upperCase(std::move(text));
            const std::size_t width =
                text.find('\n') == std::string::npos ? text.size() : text.find('\n');
            out += std::string(width, '-') + "\n";
        }
        out += text;
    }
    return out;
}

std::string chartRichText(const ChartResult& chart, std::string_view birthPlace) {
    // The report opens with whose chart it is, as the printed report does.
    const std::string_view place = !birthPlace.empty() || !chart.input.atlasClock
                                       ? birthPlace
                                       : std::string_view(chart.input.atlasClock->place);
    const ChartLines lines = chartLines(chart, place);
    const std::string name = chart.birth.name + "\r\n";
    const std::string details = lines.born + "\r\n" + lines.coordinates + "\r\n\r\n";
    std::vector<ReportRun> runs{{name, true, kReportDarkRed}, {details, false, kReportBlack}};
    const std::vector<ReportRun> report = chartReport(chart);
    runs.insert(runs.end(), report.begin(), report.end());
    return reportToRichText(runs);
}

} // namespace orbenza::cli
