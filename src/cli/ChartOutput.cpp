#include "ChartOutput.h"

#include "base/Body.h"
#include "chart/ChartReport.h"
#include "chart/Presentation.h"
#include "chart/TimeZones.h"
#include "moon/MoonPosition.h"
#include "positions/PlanetRun.h"
#include "report/HouseReport.h"
#include "report/InterpretationTexts.h"
#include "report/RichText.h"

#include <array>
#include <cmath>
#include <cstdio>

namespace orbenza::cli {

namespace {

std::string isoUniversalTime(const UniversalMoment& ut) {
    char buffer[32];
    // Seconds only when the correction had them (a clock time from the atlas).
    if (ut.second != 0)
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02dZ", ut.year, ut.month,
                      ut.day, ut.hour, ut.minute, ut.second);
    else
        std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02dZ", ut.year, ut.month, ut.day,
                      ut.hour, ut.minute);
    return buffer;
}

std::string sunSign(const ChartResult& chart) {
    return std::string(signName(chart.sunSign()));
}

std::string ascendantSign(const ChartResult& chart) {
    return std::string(signName(chart.ascendantSign()));
}

std::string hexColor(Rgb color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "#%02X%02X%02X", color.r, color.g, color.b);
    return buffer;
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
    std::string out = padRight("MC", 14) + shortPositionOf(chart.angles.mcDeg) + "\n\n";
    out += "Houses (" + std::string(houseSystemName(chart.houseSystem)) + ")\n";
    if (const std::string note = houseNoteText(chart); !note.empty())
        out += note + "\n";
    for (std::size_t k = 0; k < chart.cuspsDeg.size(); ++k) {
        const std::string label = "House " + std::to_string(k + 1);
        out += padRight(label, 14) + shortPositionOf(chart.cuspsDeg[k]) + "\n";
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

nlohmann::ordered_json aspectJson(const AspectFound& aspect) {
    return {{"A", std::string(bodyLabel(aspect.a))},
            {"B", std::string(bodyLabel(aspect.b))},
            {"Aspect", std::string(aspectName(aspect.aspect))},
            {"Angle", sixDecimals(aspect.angleDeg)},
            {"Orb", sixDecimals(aspect.orbDeg)},
            {"Applying", aspect.applying}};
}

void addHousesAndAspects(nlohmann::ordered_json& json, const ChartResult& chart) {
    json["HouseSystem"] = std::string(houseSystemName(chart.houseSystem));
    const std::string note = houseNoteText(chart);
    json["HouseNote"] =
        note.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(note);
    nlohmann::ordered_json cusps = nlohmann::ordered_json::array();
    for (double cusp : chart.cuspsDeg)
        cusps.push_back(longitudeSixDecimals(cusp));
    json["Cusps"] = std::move(cusps);
    const ChartAngles& a = chart.angles;
    json["Angles"] = {{"Asc", longitudeSixDecimals(a.ascDeg)},
                      {"MC", longitudeSixDecimals(a.mcDeg)},
                      {"Dsc", longitudeSixDecimals(a.dscDeg)},
                      {"IC", longitudeSixDecimals(a.icDeg)},
                      {"Vertex", longitudeSixDecimals(a.vertexDeg)}};
    nlohmann::ordered_json speeds = nlohmann::ordered_json::object();
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet)
        speeds[std::string(bodyLabel(bodyAt(planet)))] =
            sixDecimals(chart.speedsDegPerDay[bodyAt(planet)]);
    json["Speeds"] = std::move(speeds);
    nlohmann::ordered_json aspects = nlohmann::ordered_json::array();
    for (const AspectFound& aspect : chart.aspects)
        aspects.push_back(aspectJson(aspect));
    json["Aspects"] = std::move(aspects);
}

nlohmann::ordered_json windowJson(const TimeWindow& window) {
    nlohmann::ordered_json json;
    json["From"] = window.from ? nlohmann::ordered_json(isoClockTime(*window.from)) : nullptr;
    json["To"] = window.to ? nlohmann::ordered_json(isoClockTime(*window.to)) : nullptr;
    return json;
}

nlohmann::ordered_json chartJson(const ChartResult& chart, bool withReport,
                                 const BirthTimeWindows* windows, const PlaceClockInfo* place) {
    const BirthData& birth = chart.birth;
    nlohmann::ordered_json json;
    json["Name"] = birth.name;
    char date[32];
    std::snprintf(date, sizeof date, "%04d-%02d-%02d", birth.birthYear, birth.birthMonth,
                  birth.birthDay);
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", birth.birthHour, birth.birthMinute);
    json["Date"] = date;
    json["Time"] = time;
    json["Zone"] =
        chart.input.zonePosition >= 0 && chart.input.zonePosition < kTimeZoneCount
            ? std::string(
                  timeZoneEntries()[static_cast<std::size_t>(chart.input.zonePosition)].text)
            : std::string{};
    json["DaylightSaving"] = isTrue16(birth.isDaylightSaving);
    json["UniversalTime"] = isoUniversalTime(chart.universalTime);
    json["Positions"] = std::string(positionsName(chart.positions));
    json["SunSign"] = sunSign(chart);
    json["MoonSignName"] = chart.moonSignName;
    json["Ascendant"] = ascendantSign(chart);
    json["AscendantText"] = chart.ascendantText;
    json["MoonPositionText"] = chart.moonPositionText;
    json["PlanetPositions"] = chart.planetPositions;
    json["PlanetNames"] = chart.planetNames;
    nlohmann::ordered_json longitudes = nlohmann::ordered_json::object();
    for (Body body : kAllBodies)
        longitudes[std::string(bodyLabel(body))] = longitudeSixDecimals(chart.longitudesDeg[body]);
    for (const OtherPoint& point : kOtherPoints)
        longitudes[std::string(point.key)] =
            longitudeSixDecimals(chart.pointLongitudesDeg[point.body]);
    json["Longitudes"] = std::move(longitudes);
    nlohmann::ordered_json houses = nlohmann::ordered_json::object();
    for (int planet = 0; planet < kReportPlanetCount; ++planet) {
        const int house = chart.houses[bodyAt(static_cast<std::size_t>(planet))];
        if (house != 0)
            houses[std::string(reportPlanetName(planet))] = house;
    }
    json["Houses"] = std::move(houses);
    if (windows != nullptr) {
        json["AscendantWindow"] = windowJson(windows->ascendant);
        json["HouseWindow"] = windowJson(windows->houses);
    }
    if (withReport) {
        nlohmann::ordered_json report = nlohmann::ordered_json::array();
        for (const ReportRun& run : chartReport(chart)) {
            report.push_back({{"text", std::string(run.text)},
                              {"heading", run.heading},
                              {"color", hexColor(run.color)}});
        }
        json["Report"] = std::move(report);
    }
    if (chart.housesAndAspects)
        addHousesAndAspects(json, chart);
    if (place != nullptr)
        json["Place"] = placeJson(*place);
    return json;
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
    out += "Moon sign  " + chart.moonSignName + "\n";
    out += "Ascendant  " + ascendantSign(chart) + " (" + chart.ascendantText + ")\n";
    if (windows != nullptr)
        out += birthTimeWindowLine(chart, *windows) + "\n";
    out += "\n";
    for (std::size_t i = 0; i < chart.planetNames.size(); ++i)
        out += padRight(chart.planetNames[i], 14) + chart.planetPositions[i] + "\n";
    for (const OtherPoint& point : kOtherPoints)
        out += padRight(std::string(point.label), 14) +
               shortPositionOf(chart.pointLongitudesDeg[point.body]) + "\n";
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
