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

ChartRecord recordOfChart(const ChartResult& chart, const std::string& city,
                          const std::string& state, const std::string& country) {
    const BirthData& b = chart.birth;
    ChartRecord r;
    r.name = b.Name;
    r.year = b.BirthYear;
    r.month = b.BirthMonth;
    r.day = b.BirthDay;
    r.hour = b.BirthHour;
    r.minute = b.BirthMinute;
    r.second = 0;
    r.zonePosition = chart.zonePosition;
    r.correctionSeconds = chart.correction.UtCorrectionHours * kSecondsPerHour +
                          chart.correction.UtCorrectionMinutes * 60 +
                          chart.correction.UtCorrectionSeconds;
    r.daylightSaving = isTrue16(b.IsDaylightSaving);
    r.longitudeDegrees = b.LongitudeDegrees;
    r.longitudeMinutes = b.LongitudeMinutes;
    r.east = isTrue16(b.IsEast);
    r.latitudeDegrees = b.LatitudeDegrees;
    r.latitudeMinutes = b.LatitudeMinutes;
    r.south = isTrue16(b.IsSouth);
    r.city = city;
    r.state = state;
    r.country = country;
    r.positions = std::string(positionsName(chart.positions));
    r.houseSystem = std::string(houseSystemName(chart.houseSystemAsked));
    if (chart.atlasClock) {
        r.atlasPlace = chart.atlasClock->place;
        r.atlasZone = chart.atlasClock->timeZone;
        r.atlasFold = chart.atlasClock->fold;
        // A place's own longitude, which its local mean time was read from.
        if (!chart.atlasClock->place.empty())
            r.atlasLongitudeDeg = chart.atlasClock->longitudeEastDeg;
    }
    return r;
}

BirthEntries entriesOfRecord(const ChartRecord& r) {
    BirthEntries e;
    e.fields.name = r.name;
    e.fields.longitudeDegrees = std::to_string(r.longitudeDegrees);
    e.fields.longitudeMinutes = std::to_string(r.longitudeMinutes);
    e.fields.latitudeDegrees = std::to_string(r.latitudeDegrees);
    e.fields.latitudeMinutes = std::to_string(r.latitudeMinutes);
    e.fields.monthPosition = r.month - 1;
    e.fields.dayPosition = r.day - 1;
    e.fields.year = r.year;
    e.hour = r.hour;
    e.minute = r.minute;
    e.zonePosition = r.zonePosition;
    e.east = r.east;
    e.south = r.south;
    e.daylightSaving = r.daylightSaving;
    return e;
}

UtCorrection correctionOfRecord(const ChartRecord& r) {
    UtCorrection c;
    c.UtCorrectionHours = static_cast<std::int16_t>(r.correctionSeconds / kSecondsPerHour);
    c.UtCorrectionMinutes = static_cast<std::int16_t>(r.correctionSeconds % kSecondsPerHour / 60);
    c.UtCorrectionSeconds = static_cast<std::int16_t>(r.correctionSeconds % 60);
    return c;
}

std::optional<AtlasClock> atlasClockOfRecord(const ChartRecord& r) {
    if (r.atlasZone.empty())
        return std::nullopt;
    // A zone on local mean time reads the longitude the clock was worked out
    // with: the atlas's own for a place, else the chart's to the minute.
    if (r.atlasLongitudeDeg)
        return AtlasClock{r.atlasPlace, r.atlasZone, r.atlasFold, *r.atlasLongitudeDeg};
    const double longitudeDeg = r.longitudeDegrees + r.longitudeMinutes / 60.0;
    return AtlasClock{r.atlasPlace, r.atlasZone, r.atlasFold,
                      r.east ? longitudeDeg : -longitudeDeg};
}

std::optional<std::string> recordProblem(const ChartRecord& r) {
    auto outside = [](int value, int low, int high) { return value < low || value > high; };
    if (outside(r.year, kFirstYear, kLastYear))
        return "the year " + std::to_string(r.year) + " is outside " + std::to_string(kFirstYear) +
               " to " + std::to_string(kLastYear);
    if (outside(r.month, 1, 12) || outside(r.day, 1, 31))
        return std::string("the date is not a calendar date");
    if (outside(r.hour, 0, 23) || outside(r.minute, 0, 59) || outside(r.second, 0, 59))
        return std::string("the time is not a clock time");
    if (outside(r.zonePosition, -1, kTimeZoneCount - 1))
        return "the time zone position " + std::to_string(r.zonePosition) + " is not on the list";
    if (outside(r.correctionSeconds, -kLargestCorrectionSeconds, kLargestCorrectionSeconds))
        return std::string("the time zone correction is larger than 14 hours");
    if (!positionsNamed(r.positions))
        return "the positions source \"" + r.positions + "\" is not available";
    if (!houseSystemNamed(r.houseSystem))
        return "the house system \"" + r.houseSystem + "\" is not available";
    if (auto refusal = Check_Input(entriesOfRecord(r).fields))
        return std::string(refusal->message);
    return std::nullopt;
}

std::variant<ChartResult, std::string> chartOfRecord(const ChartRecord& r) {
    if (auto problem = recordProblem(r))
        return *problem;
    const UtCorrection correction = correctionOfRecord(r);
    // The record names its positions source; recordProblem has vouched for it.
    const Positions positions = positionsNamed(r.positions).value_or(kDefaultPositions);
    ChartChoices choices;
    choices.houseSystem = houseSystemNamed(r.houseSystem).value_or(kDefaultHouseSystem);
    ChartResult chart = runChart(makeBirthData(entriesOfRecord(r), correction), correction,
                                 r.zonePosition, positions, choices);
    chart.atlasClock = atlasClockOfRecord(r);
    return chart;
}

} // namespace orbenza::store
