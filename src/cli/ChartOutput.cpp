#include "ChartOutput.h"

#include "ChartJsonWriter.h"
#include "base/Body.h"
#include "base/Utf8.h"
#include "chart/ChartReport.h"
#include "chart/TimeZones.h"
#include "present/PositionText.h"
#include "present/Presentation.h"
#include "report/HouseReport.h"
#include "report/InterpretationTexts.h"
#include "report/ReportWords.h"
#include "report/RichText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace orbenza::cli {

namespace {

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

// Capitals of the letters of ASCII and Latin-1 (the accented letters of the
// European languages); other scripts have no capitals or keep their own.
std::string upperCase(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Step step = decodeUtf8(text, i);
        char32_t c = step.codePoint;
        if ((c >= U'a' && c <= U'z') || (c >= U'\u00E0' && c <= U'\u00FE' && c != U'\u00F7'))
            c -= 0x20;
        else if (c == U'\u0153') // oe ligature
            c = U'\u0152';
        if (step.valid)
            appendUtf8(out, c);
        else
            out.append(text.substr(i, step.length));
        i += step.length;
    }
    return out;
}

// Characters, not bytes, so that columns line up in every language.
std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0U) != 0x80U ? 1 : 0;
    return count;
}

std::string padRight(std::string_view text, std::size_t width) {
    std::string out(text);
    const std::size_t length = characterCount(text);
    if (length < width)
        out.append(width - length, ' ');
    return out;
}

// A column of the aspect list: as padRight, with at least one blank after a
// name as long as the column ("Mean Node", "Wahrer Knoten").
std::string column(std::string_view text, std::size_t width) {
    return padRight(text, std::max(width, characterCount(text) + 1));
}

// The cusps, the Midheaven and the aspects as the text output lists them.
std::string housesAndAspectsText(const ChartResult& chart, Language language) {
    const ReportWords& words = reportWords(language);
    const auto label = [&words](Body body) { return words.pointLabels[indexOf(body)]; };
    std::string out = padRight(label(Body::Midheaven), 14) +
                      shortPositionText(chart.angles.mcDeg, language) + "\n\n";
    out += fillPattern(words.houses,
                       {words.houseSystemNames[static_cast<std::size_t>(chart.houseSystem)]}) +
           "\n";
    if (const std::string note = houseNoteText(chart, language); !note.empty())
        out += note + "\n";
    for (std::size_t k = 0; k < chart.cuspsDeg.size(); ++k) {
        const std::string house = fillPattern(words.house, {std::to_string(k + 1)});
        out += padRight(house, 14) + shortPositionText(chart.cuspsDeg[k], language) + "\n";
    }
    out += "\n" +
           fillPattern(words.aspects,
                       {words.aspectSetNames[static_cast<std::size_t>(chart.aspectSet)]}) +
           "\n";
    if (chart.aspects.empty())
        out += std::string(words.none) + "\n";
    for (const AspectFound& aspect : chart.aspects) {
        const std::string orb = decimalText(aspect.orbDeg, 2, language);
        out += column(label(aspect.a), 9) +
               column(words.aspectNames[static_cast<std::size_t>(aspect.aspect)], 16) +
               column(label(aspect.b), 9) + fillPattern(words.orb, {orb}) + " " +
               std::string(aspect.applying ? words.applying : words.separating) + "\n";
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
                                 const PlaceClockInfo* place) {
    // The fields are those of a batch line, in its order: the single chart
    // reads that line back rather than keeping a list of its own.
    ChartJsonWriter writer(withReport);
    std::string line;
    if (!writer.append(line, chart, place))
        throw nlohmann::ordered_json::type_error::create(316, "a text of the chart is not UTF-8",
                                                         nullptr);
    return nlohmann::ordered_json::parse(line);
}

std::string chartText(const ChartResult& chart, bool withReport, std::string_view caution,
                      Language language) {
    const BirthData& birth = chart.birth;
    const ReportWords& words = reportWords(language);
    std::string out;
    out += fillPattern(words.natalChartOf, {birth.name}) + "\n";
    const ChartLines lines = chartLines(chart, {}, language);
    out += lines.born + "\n";
    out += lines.coordinates + "\n";
    out += lines.computedFor + "\n";
    if (!caution.empty()) {
        out += caution;
        out += '\n';
    }
    out += '\n';
    // The three captions in one column, two blanks after the longest.
    const std::size_t column =
        2 + std::max({characterCount(words.sunSign), characterCount(words.moonSign),
                      characterCount(words.ascendant)});
    const auto signOf = [&words](Sign sign) { return std::string(words.signNames[indexOf(sign)]); };
    out += padRight(words.sunSign, column) + signOf(chart.sunSign()) + "\n";
    out += padRight(words.moonSign, column) + signOf(chart.signs[Body::Moon]) + "\n";
    out += padRight(words.ascendant, column) + signOf(chart.ascendantSign()) + " (" +
           chartTexts(chart, language).ascendantText + ")\n";
    if (chart.windows)
        out += birthTimeWindowLine(chart, *chart.windows, language) + "\n";
    out += "\n";
    const std::array<std::string, kBodyCount> labels = planetLabels(chart, language);
    const ChartTexts texts = chartTexts(chart, language);
    for (std::size_t i = 0; i < kBodyCount; ++i)
        out += padRight(labels[i], 14) + texts.planetPositions[i] + "\n";
    for (const OtherPoint& point : kOtherPoints)
        out += padRight(words.pointLabels[indexOf(point.body)], 14) +
               shortPositionText(chart.pointLongitudesDeg[point.body], language) + "\n";
    out += housesAndAspectsText(chart, language);

    if (!withReport)
        return out;
    // The report: headings in capitals under a rule, body text as written.
    out += "\n";
    for (const ReportRun& run : chartReport(chart, language)) {
        std::string text = withUnixLineBreaks(run.text);
        if (run.heading) {
            text = upperCase(text);
            const std::size_t width = characterCount(text.substr(0, text.find('\n')));
            out += std::string(width, '-') + "\n";
        }
        out += text;
    }
    return out;
}

std::string chartRichText(const ChartResult& chart, std::string_view birthPlace,
                          Language language) {
    // The report opens with whose chart it is, as the printed report does.
    const std::string_view place = !birthPlace.empty() || !chart.input.atlasClock
                                       ? birthPlace
                                       : std::string_view(chart.input.atlasClock->place);
    const ChartLines lines = chartLines(chart, place, language);
    const std::string name = chart.birth.name + "\r\n";
    const std::string details = lines.born + "\r\n" + lines.coordinates + "\r\n\r\n";
    std::vector<ReportRun> runs{{name, true, kReportDarkRed}, {details, false, kReportBlack}};
    const std::vector<ReportRun> report = chartReport(chart, language);
    runs.insert(runs.end(), report.begin(), report.end());
    return reportToRichText(runs);
}

} // namespace orbenza::cli
