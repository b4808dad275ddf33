#include "chart/ChartRun.h"

#include "chart/TimeZones.h"
#include "moon/MoonPosition.h"
#include "positions/Ascendant.h"
#include "positions/PlanetLongitudes.h"
#include "positions/PlanetRun.h"
#include "precise/PrecisePositions.h"
#include "retrograde/Retrograde.h"
#include "retrograde/StationTables.h"

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

// Replaces the chart's longitudes with the precise ones for the same universal
// moment and place, and writes every position text afresh from them, exactly
// as the built-in run writes its own.
void usePrecisePositions(ChartResult& chart) {
    const UniversalMoment& ut = chart.universalTime;
    const PrecisePositionsResult precise = precisePositions(
        julianDayOf(ut.year, ut.month, ut.day, ut.hour + ut.minute / 60.0 + ut.second / 3600.0),
        latitudeDegOf(chart.birth), -longitudeWestDegOf(chart.birth));
    for (Body body : kAllBodies) {
        const double longitude = precise.longitudesDeg[body];
        chart.longitudesDeg[body] = longitude;
        chart.signs[body] = signOfPosition(longitude);
        chart.PlanetPositions[indexOf(body)] = shortPositionOf(longitude);
    }
    chart.AscendantText = Format_Position(precise.longitudesDeg[Body::Ascendant]);
    chart.MoonPositionText = Format_Position(precise.longitudesDeg[Body::Moon]);
    chart.MoonSignName = std::string(signName(chart.signs[Body::Moon]));
    placeInHouses(chart);
    chart.positions = Positions::Precise;
}
} // namespace

ChartResult computeChart(const BirthData& birth, UtCorrection correction, Positions positions) {
    ChartResult chart;
    chart.birth = birth;
    chart.correction = correction;

    // The Ascendant and the Moon come first: the planet run copies their texts.
    AscendantResult ascendant = Ascendant_Calculation(birth, correction);
    MoonResult moon = Moon_Calculation(birth, correction);
    PlanetRunResult planets =
        Planet_Calculation(birth, correction, moon.MoonPositionText, ascendant.AscendantText);

    chart.PlanetPositions = std::move(planets.PlanetPositions);
    chart.AscendantText = std::move(ascendant.AscendantText);
    chart.MoonPositionText = std::move(moon.MoonPositionText);
    chart.universalTime = planets.PlanetUniversalTime;

    // Retrograde marks go by the local calendar date of the birth.
    RetrogradeResult retrograde = Retrograde_Calculation(
        birth.BirthMonth, birth.BirthDay, birth.BirthYear, birth.BirthHour, birth.BirthMinute);
    chart.PlanetNames = std::move(retrograde.PlanetNames);
    for (std::size_t k = 0; k < StationPlanetCount; ++k)
        chart.retrograde[stationPlanetBody(k)] = retrograde.RetrogradeFlags[k];

    for (Body body : kAllBodies) {
        if (body == Body::Moon)
            chart.longitudesDeg[body] = moon.MoonLongitude;
        else if (body == Body::Ascendant)
            chart.longitudesDeg[body] = ascendant.AscendantLongitude;
        else
            chart.longitudesDeg[body] =
                planets.longitudesDeg[static_cast<std::size_t>(elementIndexOf(body))];
        chart.signs[body] = signOfPosition(chart.longitudesDeg[body]);
    }
    chart.MoonSignName = std::string(signName(chart.signs[Body::Moon]));
    placeInHouses(chart);
    if (positions == Positions::Precise)
        usePrecisePositions(chart);
    return chart;
}

UtCorrection correctionOf(const BirthInput& input) {
    return Zone_Calculation(input.zonePosition, input.correction);
}

BirthData birthDataOf(const BirthInput& input, UtCorrection correction) {
    BirthData birth;
    birth.Name = input.name;
    birth.BirthMonth = int16Of(input.local.month);
    birth.BirthDay = int16Of(input.local.day);
    birth.BirthYear = int16Of(input.local.year);
    birth.BirthHour = int16Of(input.local.hour);
    birth.BirthMinute = int16Of(input.local.minute);
    birth.BirthSecond = int16Of(input.local.second);
    birth.ZoneHours = int16Of(std::abs(correction.UtCorrectionHours));
    birth.ZoneMinutes = int16Of(std::abs(correction.UtCorrectionMinutes));
    birth.LongitudeDegrees = int16Of(input.longitude.degrees);
    birth.LongitudeMinutes = int16Of(input.longitude.minutes);
    birth.LatitudeDegrees = int16Of(input.latitude.degrees);
    birth.LatitudeMinutes = int16Of(input.latitude.minutes);
    birth.IsEast = toBool16(input.longitude.hemisphere == EastWest::East);
    birth.IsSouth = toBool16(input.latitude.hemisphere == NorthSouth::South);
    birth.IsDaylightSaving = toBool16(input.daylightSaving);
    return birth;
}

ChartResult runChart(const BirthInput& input) {
    const UtCorrection correction = correctionOf(input);
    ChartResult chart = computeChart(birthDataOf(input, correction), correction, input.positions);
    chart.input = input;
    return chart;
}

std::variant<ChartResult, InputRefusal> chartOfInput(const BirthInput& input) {
    if (auto refusal = checkBirthInput(input))
        return *refusal;
    return runChart(input);
}

} // namespace orbenza
