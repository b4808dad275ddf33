#include "chart/Presentation.h"

#include "atlas/PlaceClock.h"
#include "base/TextTrim.h"
#include "chart/TimeZones.h"
#include "moon/MoonPosition.h"

#include <cstdio>

namespace orbenza {

namespace {

constexpr std::array<std::string_view, 12> kMonthNames{
    "January", "February", "March",     "April",   "May",      "June",
    "July",    "August",   "September", "October", "November", "December"};

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kDegreeSignBlank = "\xC2\xB0 ";

std::string coordinateText(int degrees, int minutes, char hemisphere) {
    std::string text = std::to_string(degrees);
    text += kDegreeSignBlank;
    text += std::to_string(minutes);
    text += "' ";
    text += hemisphere;
    return text;
}

} // namespace

std::string_view monthName(int month) {
    if (month < 1 || month > 12)
        return {};
    return kMonthNames[static_cast<std::size_t>(month - 1)];
}

ChartPresentation presentChart(const ChartResult& chart,
                               const std::array<std::string, 11>& planetNames) {
    ChartPresentation shown;
    const BirthData& birth = chart.birth;
    shown.lblRashi = chart.moonSignName;
    shown.lblSunSign = std::string(signName(chart.sunSign()));
    shown.lblLagna = std::string(signName(chart.ascendantSign()));
    shown.lblName = birth.name;
    shown.lblDOB = std::string(monthName(birth.birthMonth)) + "/" + std::to_string(birth.birthDay) +
                   "/" + std::to_string(birth.birthYear);
    char clock[16];
    std::snprintf(clock, sizeof clock, "%d:%02d", birth.birthHour, birth.birthMinute);
    shown.lblTOB = clock;
    shown.lblLatitude = latitudeText(birth);
    shown.lblLongitude = longitudeText(birth);

    // Sun to Saturn, then the Ascendant, each under its sign. Uranus, Neptune
    // and Pluto are not listed.
    for (std::size_t i = 0; i <= 6; ++i) {
        auto& list = shown.perSign[indexOf(chart.signs[bodyAt(i)])];
        list += kLineBreak;
        list += planetNames[i];
    }
    const std::size_t ascendantSign = indexOf(chart.ascendantSign());
    shown.perSign[ascendantSign] += kLineBreak;
    shown.perSign[ascendantSign] += "Asc";

    // The wheel starts at the Ascendant's sign.
    for (std::size_t k = 0; k < 12; ++k) {
        const std::size_t sign = (ascendantSign + k) % 12;
        shown.lblNatal[k] = shown.perSign[sign];
        shown.imgSign[k] = static_cast<int>(sign) + 1;
    }
    shown.computedFor = computedForLine(chart);
    return shown;
}

std::string computedForLine(const ChartResult& chart) {
    const UniversalMoment& ut = chart.universalTime;
    const std::string_view month = monthName(ut.month);
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "Computed for %d %.3s %d %02d:%02d", ut.day, month.data(),
                  ut.year, ut.hour, ut.minute);
    std::string line = buffer;
    // Seconds only when the moment has them (a clock time to the second, or a
    // correction from the atlas).
    if (ut.second != 0) {
        std::snprintf(buffer, sizeof buffer, ":%02d", ut.second);
        line += buffer;
    }
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
        // "Indian Time, IST, +5.3" and "Greenwich Mean Time,GMT,0.0" read alike.
        line += ", ";
        const std::string_view row =
            timeZoneEntries()[static_cast<std::size_t>(chart.input.zonePosition)].text;
        for (std::size_t i = 0; i < row.size(); ++i) {
            line += row[i];
            if (row[i] == ',' && (i + 1 >= row.size() || row[i + 1] != ' '))
                line += ' ';
        }
    }
    if (isTrue16(chart.birth.isDaylightSaving))
        line += ", daylight saving";
    // Which method computed the positions: ", classic positions" or ", precise positions".
    line += ", ";
    line += positionsName(chart.positions);
    line += " positions";
    return line;
}

std::string latitudeText(const BirthData& birth) {
    return coordinateText(birth.latitudeDegrees, birth.latitudeMinutes,
                          isTrue16(birth.isSouth) ? 'S' : 'N');
}

std::string longitudeText(const BirthData& birth) {
    return coordinateText(birth.longitudeDegrees, birth.longitudeMinutes,
                          isTrue16(birth.isEast) ? 'E' : 'W');
}

std::string houseNoteText(const ChartResult& chart) {
    const std::string asked(houseSystemName(chart.houseSystemAsked));
    const std::string used(houseSystemName(chart.houseSystem));
    switch (chart.houseNote) {
    case HouseNote::None:
        break;
    case HouseNote::PolarCircle:
        return asked + " has no cusps at latitude " + latitudeText(chart.birth) +
               ", beyond the polar circle; " + used + " is used";
    case HouseNote::NoSolution:
        return asked + " has no cusps for this moment at latitude " + latitudeText(chart.birth) +
               "; " + used + " is used";
    }
    return {};
}

ChartLines chartLines(const ChartResult& chart, std::string_view birthPlace) {
    const BirthData& birth = chart.birth;
    ChartLines lines;
    char time[16];
    std::snprintf(time, sizeof time, "%02d:%02d", birth.birthHour, birth.birthMinute);
    lines.born = "Born " + std::to_string(birth.birthDay) + " " +
                 std::string(monthName(birth.birthMonth)) + " " + std::to_string(birth.birthYear) +
                 " at " + time + " local time";
    if (isTrue16(birth.isDaylightSaving))
        lines.born += " (daylight saving)";
    if (!birthPlace.empty()) {
        lines.born += " in ";
        lines.born += birthPlace;
    }
    lines.coordinates = "Latitude " + latitudeText(birth) + ", longitude " + longitudeText(birth);
    lines.computedFor = computedForLine(chart);
    return lines;
}

} // namespace orbenza
