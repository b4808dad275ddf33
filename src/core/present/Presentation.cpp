#include "present/Presentation.h"

#include "atlas/PlaceClock.h"
#include "base/TextTrim.h"
#include "chart/TimeZones.h"
#include "present/PositionText.h"
#include "report/ReportWords.h"

#include <cstdio>

namespace orbenza {

namespace {

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kDegreeSignBlank = "\xC2\xB0 ";

std::string coordinateText(int degrees, int minutes, std::string_view hemisphere) {
    std::string text = std::to_string(degrees);
    text += kDegreeSignBlank;
    text += std::to_string(minutes);
    text += "' ";
    text += hemisphere;
    return text;
}

} // namespace

std::string_view monthName(int month, Language language) {
    if (month < 1 || month > 12)
        return {};
    return reportWords(language).monthNames[static_cast<std::size_t>(month - 1)];
}

std::array<std::string, kBodyCount> planetLabels(const ChartResult& chart, Language language) {
    std::array<std::string, kBodyCount> labels;
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const Body body = bodyAt(i);
        if (language == Language::English) {
            labels[i] = bodyLabelText(body, chart.retrograde[body]);
            continue;
        }
        labels[i] = reportWords(language).pointLabels[i];
        if (chart.retrograde[body])
            labels[i] += reportWords(language).retrogradeMark;
    }
    return labels;
}

ChartPresentation presentChart(const ChartResult& chart, Language language) {
    ChartPresentation shown;
    const BirthData& birth = chart.birth;
    const ReportWords& words = reportWords(language);
    const ChartTexts texts = chartTexts(chart, language);
    const std::array<std::string, kBodyCount> labels = planetLabels(chart, language);
    shown.planetPositions = texts.planetPositions;
    shown.moonSignName = std::string(words.signNames[indexOf(chart.signs[Body::Moon])]);
    shown.sunSignName = std::string(words.signNames[indexOf(chart.sunSign())]);
    shown.ascendantSignName = std::string(words.signNames[indexOf(chart.ascendantSign())]);
    shown.name = birth.name;
    shown.birthDate = std::string(monthName(birth.birthMonth, language)) + "/" +
                      std::to_string(birth.birthDay) + "/" + std::to_string(birth.birthYear);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%d:%02d", birth.birthHour, birth.birthMinute);
    shown.birthTime = clock;
    shown.latitude = latitudeText(birth, language);
    shown.longitude = longitudeText(birth, language);

    // Sun to Saturn, then the Ascendant, each under its sign. Uranus, Neptune
    // and Pluto are not listed.
    std::array<std::vector<Body>, 12> bodiesPerSign;
    for (std::size_t i = 0; i <= 6; ++i) {
        const std::size_t sign = indexOf(chart.signs[bodyAt(i)]);
        shown.perSign[sign] += kLineBreak;
        shown.perSign[sign] += labels[i];
        bodiesPerSign[sign].push_back(bodyAt(i));
    }
    const std::size_t ascendantSign = indexOf(chart.ascendantSign());
    shown.perSign[ascendantSign] += kLineBreak;
    shown.perSign[ascendantSign] += words.pointLabels[indexOf(Body::Ascendant)];
    bodiesPerSign[ascendantSign].push_back(Body::Ascendant);

    // The wheel starts at the Ascendant's sign.
    for (std::size_t k = 0; k < 12; ++k) {
        const std::size_t sign = (ascendantSign + k) % 12;
        shown.natalLists[k] = shown.perSign[sign];
        shown.natalBodies[k] = bodiesPerSign[sign];
        shown.signPictures[k] = static_cast<int>(sign) + 1;
    }
    shown.computedFor = computedForLine(chart, language);
    return shown;
}

std::string computedForLine(const ChartResult& chart, Language language) {
    const UniversalMoment& ut = chart.moment.universalTime;
    const ReportWords& words = reportWords(language);
    const std::string_view month =
        ut.month >= 1 && ut.month <= 12
            ? words.monthAbbreviations[static_cast<std::size_t>(ut.month - 1)]
            : std::string_view{};
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%02d:%02d", ut.hour, ut.minute);
    std::string moment =
        fillPattern(words.date, {std::to_string(ut.day), month, std::to_string(ut.year)}) + " " +
        buffer;
    // Seconds only when the moment has them (a clock time to the second, or a
    // correction from the atlas).
    if (ut.second != 0) {
        std::snprintf(buffer, sizeof buffer, ":%02d", ut.second);
        moment += buffer;
    }
    std::string line = fillPattern(words.computedFor, {moment});
    line += " UT";
    if (chart.input.zonePosition < 0 && chart.input.atlasClock) {
        // The zone whose history gave the clock time, and its offset then:
        // ", Europe/Paris, UT+0:09:21".
        const UtCorrection& c = chart.correction;
        line += ", " + chart.input.atlasClock->timeZone + ", " +
                atlas::formatUtOffset(-(c.utCorrectionHours * 3600 + c.utCorrectionMinutes * 60 +
                                        c.utCorrectionSeconds));
    }
    if (chart.input.zonePosition >= 0 && chart.input.zonePosition < kTimeZoneCount) {
        // The row text with its commas followed by one blank each, so
        // "Indian Time, IST, +5.3" and "Greenwich Mean Time,GMT,0.0" read alike;
        // the offset after the last comma with the language's decimal separator.
        line += ", ";
        const std::string_view row =
            timeZoneEntries()[static_cast<std::size_t>(chart.input.zonePosition)].text;
        const std::size_t offsetStart = row.rfind(',');
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (row[i] == '.' && offsetStart != std::string_view::npos && i > offsetStart)
                line += words.decimalSeparator;
            else
                line += row[i];
            if (row[i] == ',' && (i + 1 >= row.size() || row[i + 1] != ' '))
                line += ' ';
        }
    }
    if (isTrue16(chart.birth.isDaylightSaving)) {
        line += ", ";
        line += words.daylightSaving;
    }
    // Which method computed the positions: ", classic positions" or ", precise positions".
    line += ", ";
    line += words.positions[chart.positions == Positions::Precise ? 1 : 0];
    return line;
}

std::string latitudeText(const BirthData& birth, Language language) {
    const auto& hemispheres = reportWords(language).hemispheres;
    return coordinateText(birth.latitudeDegrees, birth.latitudeMinutes,
                          isTrue16(birth.isSouth) ? hemispheres[1] : hemispheres[0]);
}

std::string longitudeText(const BirthData& birth, Language language) {
    const auto& hemispheres = reportWords(language).hemispheres;
    return coordinateText(birth.longitudeDegrees, birth.longitudeMinutes,
                          isTrue16(birth.isEast) ? hemispheres[2] : hemispheres[3]);
}

std::string houseNoteText(const ChartResult& chart, Language language) {
    const ReportWords& words = reportWords(language);
    const std::string_view asked =
        words.houseSystemNames[static_cast<std::size_t>(chart.houseSystemAsked)];
    const std::string_view used =
        words.houseSystemNames[static_cast<std::size_t>(chart.houseSystem)];
    const std::string latitude = latitudeText(chart.birth, language);
    switch (chart.houseNote) {
    case HouseNote::None:
        break;
    case HouseNote::PolarCircle:
        return fillPattern(words.polarCircleNote, {asked, latitude, used});
    case HouseNote::NoSolution:
        return fillPattern(words.noCuspsNote, {asked, latitude, used});
    }
    return {};
}

ChartLines chartLines(const ChartResult& chart, std::string_view birthPlace, Language language) {
    const BirthData& birth = chart.birth;
    const ReportWords& words = reportWords(language);
    ChartLines lines;
    char time[32];
    // Seconds only when the clock time was given with them.
    if (birth.birthSecond != 0)
        std::snprintf(time, sizeof time, "%02d:%02d:%02d", birth.birthHour, birth.birthMinute,
                      birth.birthSecond);
    else
        std::snprintf(time, sizeof time, "%02d:%02d", birth.birthHour, birth.birthMinute);
    const std::string date = fillPattern(words.date, {std::to_string(birth.birthDay),
                                                      monthName(birth.birthMonth, language),
                                                      std::to_string(birth.birthYear)});
    lines.born = fillPattern(words.born, {date, time});
    if (isTrue16(birth.isDaylightSaving))
        lines.born += words.bornSummerTime;
    if (!birthPlace.empty())
        lines.born += fillPattern(words.bornIn, {birthPlace});
    lines.coordinates = fillPattern(
        words.coordinates, {latitudeText(birth, language), longitudeText(birth, language)});
    lines.computedFor = computedForLine(chart, language);
    return lines;
}

} // namespace orbenza
