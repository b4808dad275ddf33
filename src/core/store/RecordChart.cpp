#include "store/RecordChart.h"

#include "base/Positions.h"
#include "base/YearRange.h"
#include "chart/TimeZones.h"

namespace orbenza::store {

namespace {
constexpr int kSecondsPerHour = 3600;
// No clock on Earth runs more than 14 hours from universal time.
constexpr int kLargestCorrectionSeconds = 14 * kSecondsPerHour;
} // namespace

namespace {
int secondsOf(UtCorrection correction) {
    return correction.utCorrectionHours * kSecondsPerHour + correction.utCorrectionMinutes * 60 +
           correction.utCorrectionSeconds;
}
} // namespace

ChartRecord recordOfInput(const BirthInput& input, const std::string& city,
                          const std::string& state, const std::string& country) {
    ChartRecord r;
    r.name = input.name;
    r.year = input.local.year;
    r.month = input.local.month;
    r.day = input.local.day;
    r.hour = input.local.hour;
    r.minute = input.local.minute;
    r.second = input.local.second;
    r.zonePosition = input.zonePosition;
    r.correctionSeconds = secondsOf(correctionOf(input));
    r.daylightSaving = input.daylightSaving;
    r.longitudeDegrees = input.longitude.degrees;
    r.longitudeMinutes = input.longitude.minutes;
    r.east = input.longitude.hemisphere == EastWest::East;
    r.latitudeDegrees = input.latitude.degrees;
    r.latitudeMinutes = input.latitude.minutes;
    r.south = input.latitude.hemisphere == NorthSouth::South;
    r.city = city;
    r.state = state;
    r.country = country;
    r.positions = std::string(positionsName(input.positions));
    if (input.atlasClock) {
        r.atlasPlace = input.atlasClock->place;
        r.atlasZone = input.atlasClock->timeZone;
        r.atlasFold = std::string(foldName(input.atlasClock->fold));
        // A place's own longitude, which its local mean time was read from.
        if (!input.atlasClock->place.empty())
            r.atlasLongitudeDeg = input.atlasClock->longitudeEastDeg;
    }
    return r;
}

ChartRecord recordOfChart(const ChartResult& chart, const std::string& city,
                          const std::string& state, const std::string& country) {
    ChartRecord r = recordOfInput(chart.input, city, state, country);
    r.correctionSeconds = secondsOf(chart.correction); // the one the chart was computed with
    r.houseSystem = std::string(houseSystemName(chart.houseSystemAsked));
    return r;
}

BirthInput inputOfRecord(const ChartRecord& r) {
    BirthInput input;
    input.name = r.name;
    input.local = CivilDateTime{r.year, r.month, r.day, r.hour, r.minute, r.second};
    input.longitude = {r.longitudeDegrees, r.longitudeMinutes,
                       r.east ? EastWest::East : EastWest::West};
    input.latitude = {r.latitudeDegrees, r.latitudeMinutes,
                      r.south ? NorthSouth::South : NorthSouth::North};
    input.zonePosition = r.zonePosition;
    input.correction.utCorrectionHours =
        static_cast<std::int16_t>(r.correctionSeconds / kSecondsPerHour);
    input.correction.utCorrectionMinutes =
        static_cast<std::int16_t>(r.correctionSeconds % kSecondsPerHour / 60);
    input.correction.utCorrectionSeconds = static_cast<std::int16_t>(r.correctionSeconds % 60);
    input.daylightSaving = r.daylightSaving;
    input.positions = positionsNamed(r.positions).value_or(kDefaultPositions);
    if (!r.atlasZone.empty()) {
        // A zone on local mean time reads the longitude the clock was worked
        // out with: the atlas's own for a place, else the chart's to the minute.
        input.atlasClock =
            AtlasClock{r.atlasPlace, r.atlasZone, foldNamed(r.atlasFold).value_or(Fold::None),
                       r.atlasLongitudeDeg.value_or(longitudeEastDegOf(input.longitude))};
    }
    return input;
}

std::optional<RecordProblem> recordProblem(const ChartRecord& r) {
    auto outside = [](int value, int low, int high) { return value < low || value > high; };
    const auto problem = [](std::string detail) {
        return RecordProblem{std::nullopt, std::move(detail)};
    };
    if (outside(r.year, kFirstYear, kLastYear))
        return problem("the year " + std::to_string(r.year) + " is outside " +
                       std::to_string(kFirstYear) + " to " + std::to_string(kLastYear));
    if (outside(r.month, 1, 12) || outside(r.day, 1, 31))
        return problem("the date is not a calendar date");
    if (outside(r.hour, 0, 23) || outside(r.minute, 0, 59) || outside(r.second, 0, 59))
        return problem("the time is not a clock time");
    if (outside(r.zonePosition, -1, kTimeZoneCount - 1))
        return problem("the time zone position " + std::to_string(r.zonePosition) +
                       " is not on the list");
    if (outside(r.correctionSeconds, -kLargestCorrectionSeconds, kLargestCorrectionSeconds))
        return problem("the time zone correction is larger than 14 hours");
    if (!positionsNamed(r.positions))
        return problem("the positions source \"" + r.positions + "\" is not available");
    if (!houseSystemNamed(r.houseSystem))
        return problem("the house system \"" + r.houseSystem + "\" is not available");
    if (auto refusal = checkBirthInput(inputOfRecord(r)))
        return RecordProblem{refusal->problem, {}};
    return std::nullopt;
}

std::variant<ChartResult, RecordProblem> chartOfRecord(const ChartRecord& r) {
    if (auto problem = recordProblem(r))
        return *problem;
    // The stored correction, which an imported record may give beside a
    // zone row, draws the chart exactly as it was.
    const BirthInput input = inputOfRecord(r);
    ChartChoices choices;
    choices.houseSystem = houseSystemNamed(r.houseSystem).value_or(kDefaultHouseSystem);
    ChartResult chart = computeChart(birthDataOf(input, input.correction), input.correction,
                                     input.positions, choices);
    chart.input = input;
    return chart;
}

} // namespace orbenza::store
