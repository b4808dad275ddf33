#include "chart/ChartRun.h"

#include "base/Angles.h"
#include "chart/ChartSpeeds.h"
#include "chart/TimeZones.h"
#include "ephemeris/Ephemeris.h"
#include "moon/MoonPosition.h"
#include "positions/Ascendant.h"
#include "positions/PlanetLongitudes.h"
#include "positions/PlanetRun.h"
#include "positions/TimeScales.h"
#include "retrograde/Retrograde.h"
#include "retrograde/StationTables.h"

#include <cmath>
#include <cstdlib>

namespace orbenza {

namespace {
std::int16_t int16Of(int value) {
    return static_cast<std::int16_t>(value);
}

// The sign is taken apart from the longitude exactly as the position texts
// are, so it always names the sign the texts show.
Sign signOfPosition(double longitudeDeg) {
    return signAt(static_cast<std::size_t>(positionParts(longitudeDeg).sign));
}

// The equal houses counted from the whole degrees the positions are written
// with, and each planet's house.
void placeInHouses(ChartResult& chart) {
    std::array<int, kBodyCount> degreeIndexes{};
    for (Body body : kAllBodies) {
        const PositionParts parts = positionParts(chart.longitudesDeg[body]);
        degreeIndexes[indexOf(body)] = parts.sign * 30 + parts.degrees + 1;
    }
    chart.housePlacement = placeHousesAt(degreeIndexes);
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet)
        chart.houses[bodyAt(planet)] = chart.housePlacement.planetHouse[planet];
}

// The Julian Day (UT) of the chart's universal moment.
double julianDayUtOf(const UniversalMoment& ut) {
    return julianDayOf(ut.year, ut.month, ut.day, ut.hour + ut.minute / 60.0 + ut.second / 3600.0);
}

// The chart's longitudes, signs and every position text from the precise
// positions of its universal moment and place, written exactly as the
// built-in run writes its own. Returns the apparent sidereal time and true
// obliquity they were computed with.
HouseFrame usePrecisePositions(ChartResult& chart, const EphemerisPositions& precise) {
    for (Body body : kAllBodies) {
        const double longitude = precise.longitudesDeg[body];
        chart.longitudesDeg[body] = longitude;
        chart.signs[body] = signOfPosition(longitude);
        chart.planetPositions[indexOf(body)] = shortPositionOf(longitude);
    }
    chart.ascendantText = formatPosition(precise.longitudesDeg[Body::Ascendant]);
    chart.moonPositionText = formatPosition(precise.longitudesDeg[Body::Moon]);
    chart.positions = Positions::Precise;
    return {precise.localApparentSiderealDeg, precise.trueObliquityDeg, latitudeDegOf(chart.birth)};
}

// Daily motions of Sun ... Pluto: the derivatives of the series for precise
// positions, the built-in method's own for classic ones.
void computeSpeeds(ChartResult& chart, const EphemerisPositions& series) {
    if (chart.positions == Positions::Precise) {
        for (std::size_t planet = 0; planet < kPlanetCount; ++planet)
            chart.speedsDegPerDay[bodyAt(planet)] = series.speedsDegPerDay[bodyAt(planet)];
        return;
    }
    const UniversalMoment& ut = chart.universalTime;
    const BodyArray<double> speeds = classicSpeedsDegPerDay(
        dayNumber(ut.year, ut.month, ut.day, ut.hour, ut.minute) + ut.second / 86400.0);
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet)
        chart.speedsDegPerDay[bodyAt(planet)] = speeds[bodyAt(planet)];
}

// The houses of the chosen system: cusps, angles, and the house of each
// planet, which the report follows. The equal houses keep the report's own
// count from the position texts.
void placeInCusps(ChartResult& chart, const HouseCusps& cusps, HouseSystem asked,
                  double ascDegPerDay) {
    chart.houseSystemAsked = asked;
    chart.houseSystem = cusps.system;
    chart.houseNote = cusps.note;
    chart.angles = cusps.angles;
    chart.cuspsDeg = cusps.cuspsDeg;
    chart.speedsDegPerDay[Body::Ascendant] = ascDegPerDay;
    HousePlacement& placement = chart.housePlacement;
    if (cusps.system == HouseSystem::Equal) {
        if (placement.ascendantFound)
            for (std::size_t k = 0; k < 12; ++k)
                chart.cuspsDeg[k] = placement.houseStart[k + 1] - 1.0;
        return;
    }
    // The report reads which houses are occupied and by whom; the degree
    // ranges of the placement stay those of the equal houses.
    placement.houseOccupied = {};
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
        const Body body = bodyAt(planet);
        const int house = houseOf(chart.cuspsDeg, chart.longitudesDeg[body]);
        placement.planetHouse[planet] = house;
        placement.houseOccupied[static_cast<std::size_t>(house)] = true;
        chart.houses[body] = house;
    }
}

void placeInChosenHouses(ChartResult& chart, const HouseFrame& frame, HouseSystem asked,
                         const AngleSpeeds& angleRates) {
    placeInCusps(chart, houseCusps(asked, frame), asked, angleRates.ascDegPerDay);
}

void findAspects(ChartResult& chart, const ChartChoices& choices, const AngleSpeeds& angleRates) {
    PointArray<PointMotion> points;
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
        const Body body = bodyAt(planet);
        points[body] = {chart.longitudesDeg[body], chart.speedsDegPerDay[body]};
    }
    points[Body::Ascendant] = {chart.angles.ascDeg, angleRates.ascDegPerDay};
    points[Body::Midheaven] = {chart.angles.mcDeg, angleRates.mcDegPerDay};
    chart.aspectSet = choices.aspectSet;
    chart.aspects = chartAspects(points, choices.aspectSet, choices.orbs);
}

// The built-in method: the Ascendant and the Moon first, as the planet run
// copies their texts.
HouseFrame useClassicPositions(ChartResult& chart) {
    AscendantResult ascendant = ascendantCalculation(chart.birth, chart.correction);
    MoonResult moon = moonCalculation(chart.birth, chart.correction);
    PlanetRunResult planets = planetCalculation(chart.birth, chart.correction,
                                                 moon.moonPositionText, ascendant.ascendantText);
    chart.planetPositions = std::move(planets.planetPositions);
    chart.ascendantText = std::move(ascendant.ascendantText);
    chart.moonPositionText = std::move(moon.moonPositionText);
    for (Body body : kAllBodies) {
        if (body == Body::Moon)
            chart.longitudesDeg[body] = moon.moonLongitude;
        else if (body == Body::Ascendant)
            chart.longitudesDeg[body] = ascendant.ascendantLongitude;
        else
            chart.longitudesDeg[body] =
                planets.longitudesDeg[static_cast<std::size_t>(elementIndexOf(body))];
        chart.signs[body] = signOfPosition(chart.longitudesDeg[body]);
    }
    chart.positions = Positions::Classic;
    return {ascendant.siderealDegrees, ascendant.obliquityRadians * kRadiansToDegrees,
            latitudeDegOf(chart.birth)};
}

// Chiron, the nodes and Lilith from the series in either method, and the Part
// of Fortune from the chart's own Ascendant, Sun and Moon: Ascendant + Moon -
// Sun by day (the Sun above the horizon, in the half of the ecliptic from the
// Descendant through the Midheaven to the Ascendant), Ascendant + Sun - Moon
// by night.
void placeOtherPoints(ChartResult& chart, const EphemerisPositions& series) {
    for (Body body : kAllBodies)
        chart.pointLongitudesDeg[body] = chart.longitudesDeg[body];
    for (Body body : {Body::Chiron, Body::TrueNode, Body::MeanNode, Body::Lilith})
        chart.pointLongitudesDeg[body] = series.longitudesDeg[body];
    const double asc = chart.longitudesDeg[Body::Ascendant];
    const double sun = chart.longitudesDeg[Body::Sun];
    const double moon = chart.longitudesDeg[Body::Moon];
    const bool day = std::fmod(sun - asc + 720.0, 360.0) >= 180.0;
    const double fortune = std::fmod((day ? asc + moon - sun : asc + sun - moon) + 720.0, 360.0);
    chart.pointLongitudesDeg[Body::Fortune] = fortune >= 360.0 ? 0.0 : fortune;
}
} // namespace

ChartResult computeChart(const BirthData& birth, UtCorrection correction, Positions positions,
                         const ChartChoices& choices) {
    ChartResult chart;
    chart.birth = birth;
    chart.correction = correction;
    chart.universalTime = planetUniversalTime(birth, correction);
    const EphemerisPositions series = ephemerisPositions(
        julianDayUtOf(chart.universalTime), latitudeDegOf(birth), -longitudeWestDegOf(birth));
    const HouseFrame frame = positions == Positions::Precise ? usePrecisePositions(chart, series)
                                                             : useClassicPositions(chart);
    chart.moonSignName = std::string(signName(chart.signs[Body::Moon]));
    placeInHouses(chart);
    placeOtherPoints(chart, series);

    // Retrograde marks go by the local calendar date of the birth.
    RetrogradeResult retrograde = retrogradeCalculation(
        birth.birthMonth, birth.birthDay, birth.birthYear, birth.birthHour, birth.birthMinute);
    chart.planetNames = std::move(retrograde.planetNames);
    for (std::size_t k = 0; k < StationPlanetCount; ++k)
        chart.retrograde[stationPlanetBody(k)] = retrograde.retrogradeFlags[k];

    chart.housesAndAspects = choices.housesAndAspects;
    if (!choices.housesAndAspects && !choices.aspectsForReport) {
        placeInChosenHouses(chart, frame, choices.houseSystem, AngleSpeeds{});
        return chart;
    }
    computeSpeeds(chart, series);
    const AngleSpeeds angleRates = angleSpeeds(frame);
    placeInChosenHouses(chart, frame, choices.houseSystem, angleRates);
    findAspects(chart, choices, angleRates);
    return chart;
}

ChartResult chartOfValues(const BirthData& birth, UtCorrection correction,
                          const ChartValues& values, const ChartChoices& choices) {
    ChartResult chart;
    chart.birth = birth;
    chart.correction = correction;
    chart.universalTime = values.universalTime;
    EphemerisPositions given;
    given.longitudesDeg = values.longitudesDeg;
    usePrecisePositions(chart, given);
    chart.MoonSignName = std::string(signName(chart.signs[Body::Moon]));
    placeInHouses(chart);
    placeOtherPoints(chart, given);

    // The marks follow the given motions: a planet moving backward is retrograde.
    for (Body body : kAllBodies) {
        const bool backward = canBeRetrograde(body) && values.speedsDegPerDay[body] < 0;
        chart.retrograde[body] = backward;
        chart.PlanetNames[indexOf(body)] =
            std::string(bodyLabel(body)) + (backward ? std::string(RetrogradeMark) : "");
    }
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet)
        chart.speedsDegPerDay[bodyAt(planet)] = values.speedsDegPerDay[bodyAt(planet)];

    chart.housesAndAspects = choices.housesAndAspects;
    const AngleSpeeds angleRates{values.speedsDegPerDay[Body::Ascendant],
                                 values.speedsDegPerDay[Body::Midheaven]};
    placeInCusps(chart, values.cusps, choices.houseSystem, angleRates.ascDegPerDay);
    findAspects(chart, choices, angleRates);
    return chart;
}

UtCorrection correctionOf(const BirthInput& input) {
    return zoneCalculation(input.zonePosition, input.correction);
}

BirthData birthDataOf(const BirthInput& input, UtCorrection correction) {
    BirthData birth;
    birth.name = input.name;
    birth.birthMonth = int16Of(input.local.month);
    birth.birthDay = int16Of(input.local.day);
    birth.birthYear = int16Of(input.local.year);
    birth.birthHour = int16Of(input.local.hour);
    birth.birthMinute = int16Of(input.local.minute);
    birth.birthSecond = int16Of(input.local.second);
    birth.zoneHours = int16Of(std::abs(correction.utCorrectionHours));
    birth.zoneMinutes = int16Of(std::abs(correction.utCorrectionMinutes));
    birth.longitudeDegrees = int16Of(input.longitude.degrees);
    birth.longitudeMinutes = int16Of(input.longitude.minutes);
    birth.latitudeDegrees = int16Of(input.latitude.degrees);
    birth.latitudeMinutes = int16Of(input.latitude.minutes);
    birth.isEast = toBool16(input.longitude.hemisphere == EastWest::East);
    birth.isSouth = toBool16(input.latitude.hemisphere == NorthSouth::South);
    birth.isDaylightSaving = toBool16(input.daylightSaving);
    return birth;
}

ChartResult runChart(const BirthInput& input, const ChartChoices& choices) {
    const UtCorrection correction = correctionOf(input);
    ChartResult chart =
        computeChart(birthDataOf(input, correction), correction, input.positions, choices);
    chart.input = input;
    return chart;
}

std::variant<ChartResult, InputRefusal> chartOfInput(const BirthInput& input,
                                                     const ChartChoices& choices) {
    if (auto refusal = checkBirthInput(input))
        return *refusal;
    return runChart(input, choices);
}

} // namespace orbenza
