#include "positions/PlanetRun.h"

#include "moon/MoonPosition.h"
#include "chart/TextTrim.h"
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

std::string Short_Position(std::string_view positionText) {
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
    const std::string_view sign =
        trimSpaces(positionText.size() >= 3 ? positionText.substr(positionText.size() - 3)
                                            : positionText);

    std::string result;
    result.reserve(10);
    appendPadded(result, degrees);
    result += ' ';
    result += sign;
    result += ' ';
    appendPadded(result, minutes);
    return result;
}

PlanetRunResult Planet_Calculation(const BirthData& birth, UtCorrection correction,
                                   std::string_view moonPositionText,
                                   std::string_view ascendantText) {
    PlanetRunResult run;
    run.PlanetUniversalTime = planetUniversalTime(birth, correction);
    const UniversalMoment& ut = run.PlanetUniversalTime;
    run.DaysJ2000 = Day_Number(ut.year, ut.month, ut.day, ut.hour, ut.minute);

    run.longitudesDeg = planetLongitudesDeg(run.DaysJ2000);
    for (std::size_t i = 0; i < run.PlanetTexts.size(); ++i)
        run.PlanetTexts[i] = Format_Position(run.longitudesDeg[i]);

    auto& positions = run.PlanetPositions;
    positions[0] = Short_Position(run.PlanetTexts[kSunEarth]);
    positions[1] = Short_Position(moonPositionText);
    positions[2] = Short_Position(run.PlanetTexts[kMercury]);
    positions[3] = Short_Position(run.PlanetTexts[kVenus]);
    positions[4] = Short_Position(run.PlanetTexts[kMars]);
    positions[5] = Short_Position(run.PlanetTexts[kJupiter]);
    positions[6] = Short_Position(run.PlanetTexts[kSaturn]);
    positions[7] = Short_Position(run.PlanetTexts[kUranus]);
    positions[8] = Short_Position(run.PlanetTexts[kNeptune]);
    positions[9] = Short_Position(run.PlanetTexts[kPluto]);
    positions[10] = Short_Position(ascendantText);
    return run;
}

} // namespace orbenza
