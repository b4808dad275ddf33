#include "positions/PlanetRun.h"

#include "base/TextTrim.h"
#include "moon/MoonPosition.h"
#include "moon/TimeBase.h"
#include "positions/PlanetLongitudes.h"

namespace orbenza {

namespace {

constexpr std::string_view kDegreeSign = "\xC2\xB0";

void appendPadded(std::string& out, std::string_view field) {
    if (field.size() <= 1)
        out += '0';
    out += field;
}

} // namespace

std::string shortPosition(std::string_view positionText) {
    const std::string_view t = trimSpaces(positionText);
    const std::size_t degreeMark = t.find(kDegreeSign);
    const std::string_view degrees = trimSpaces(t.substr(0, degreeMark));
    std::string_view minutes;
    if (degreeMark != std::string_view::npos) {
        const std::size_t afterDegree = degreeMark + kDegreeSign.size();
        const std::size_t apostrophe = t.find('\'', afterDegree);
        if (apostrophe != std::string_view::npos)
            minutes = trimSpaces(t.substr(afterDegree, apostrophe - afterDegree));
    }
    const std::string_view sign = trimSpaces(
        positionText.size() >= 3 ? positionText.substr(positionText.size() - 3) : positionText);

    std::string result;
    result.reserve(10);
    appendPadded(result, degrees);
    result += ' ';
    result += sign;
    result += ' ';
    appendPadded(result, minutes);
    return result;
}

std::string shortPositionOf(double longitudeDeg) {
    const PositionParts parts = positionParts(longitudeDeg);
    const char text[9] = {static_cast<char>('0' + parts.degrees / 10),
                          static_cast<char>('0' + parts.degrees % 10),
                          ' ',
                          SIGN_ABBREVIATIONS[3 * static_cast<std::size_t>(parts.sign)],
                          SIGN_ABBREVIATIONS[3 * static_cast<std::size_t>(parts.sign) + 1],
                          SIGN_ABBREVIATIONS[3 * static_cast<std::size_t>(parts.sign) + 2],
                          ' ',
                          static_cast<char>('0' + parts.minutes / 10),
                          static_cast<char>('0' + parts.minutes % 10)};
    return std::string(text, sizeof text);
}

PlanetRunResult planetCalculation(const BirthData& birth, UtCorrection correction,
                                   std::string_view moonPositionText,
                                   std::string_view ascendantText) {
    PlanetRunResult run;
    run.planetUniversalTime = planetUniversalTime(birth, correction);
    const UniversalMoment& ut = run.planetUniversalTime;
    run.daysJ2000 = dayNumber(ut.year, ut.month, ut.day, ut.hour, ut.minute) + ut.second / 86400.0;

    run.longitudesDeg = planetLongitudesDeg(run.daysJ2000);

    // The planets' long position texts are only ever read for their short
    // form, so that is written straight from the longitude.
    for (Body body : kAllBodies) {
        std::string& position = run.planetPositions[indexOf(body)];
        if (body == Body::Moon)
            position = shortPosition(moonPositionText);
        else if (body == Body::Ascendant)
            position = shortPosition(ascendantText);
        else
            position =
                shortPositionOf(run.longitudesDeg[static_cast<std::size_t>(elementIndexOf(body))]);
    }
    return run;
}

} // namespace orbenza
