#include "predictive/Returns.h"

#include "ephemeris/Ephemeris.h"
#include "predictive/Moments.h"
#include "predictive/MotionTrack.h"

#include <algorithm>
#include <cmath>

namespace orbenza {

namespace {

Body bodyOf(ReturnBody body) {
    return body == ReturnBody::Sun ? Body::Sun : Body::Moon;
}

} // namespace

double returnLongitudeDeg(const ChartResult& natal, ReturnBody body) {
    return apparentLongitude(*seriesOf(bodyOf(body)), julianDayOfMoment(natal.universalTime))
        .valueDeg;
}

std::optional<double> solarReturnJulianDayUt(double longitudeDeg, double nearJulianDayUt) {
    const MotionTrack sun(Body::Sun);
    const std::vector<double> passes = sun.crossings(
        sun.stretches(nearJulianDayUt - 190.0, nearJulianDayUt + 190.0), longitudeDeg);
    if (passes.empty())
        return std::nullopt;
    return *std::min_element(passes.begin(), passes.end(), [&](double x, double y) {
        return std::abs(x - nearJulianDayUt) < std::abs(y - nearJulianDayUt);
    });
}

std::vector<double> lunarReturnJulianDaysUt(double longitudeDeg, int year, int month) {
    const double startJd = julianDayOf(year, month, 1, 0);
    const double endJd =
        month == 12 ? julianDayOf(year + 1, 1, 1, 0) : julianDayOf(year, month + 1, 1, 0);
    const MotionTrack moon(Body::Moon);
    std::vector<double> passes = moon.crossings(moon.stretches(startJd, endJd), longitudeDeg);
    // A pass at the very first instant of the month belongs to it too.
    if (std::abs(longitudeDifferenceDeg(moon.at(startJd).valueDeg, longitudeDeg)) < 1e-9)
        passes.insert(passes.begin(), startJd);
    std::erase_if(passes, [&](double jd) { return jd >= endJd; });
    return passes;
}

ReturnChart returnChartAt(const ChartResult& natal, ReturnBody body, double momentJulianDayUt,
                          const std::optional<ReturnPlace>& place, const ChartChoices& choices) {
    BirthInput input = natal.input;
    input.local = momentOfJulianDay(momentJulianDayUt);
    input.zonePosition = -1;
    input.correction = {};
    input.daylightSaving = false;
    input.atlasClock.reset();
    input.positions = Positions::Precise;
    if (place) {
        input.longitude = place->longitude;
        input.latitude = place->latitude;
    }
    return {body, momentJulianDayUt, runChart(input, choices)};
}

std::optional<ReturnChart> solarReturn(const ChartResult& natal, int year,
                                       const std::optional<ReturnPlace>& place,
                                       const ChartChoices& choices) {
    const CivilDateTime& birth = natal.universalTime;
    const double birthdayJd = julianDayOf(year, birth.month, birth.day,
                                          birth.hour + birth.minute / 60.0 + birth.second / 3600.0);
    const auto moment =
        solarReturnJulianDayUt(returnLongitudeDeg(natal, ReturnBody::Sun), birthdayJd);
    if (!moment)
        return std::nullopt;
    return returnChartAt(natal, ReturnBody::Sun, *moment, place, choices);
}

std::vector<ReturnChart> lunarReturns(const ChartResult& natal, int year, int month,
                                      const std::optional<ReturnPlace>& place,
                                      const ChartChoices& choices) {
    std::vector<ReturnChart> charts;
    for (double moment :
         lunarReturnJulianDaysUt(returnLongitudeDeg(natal, ReturnBody::Moon), year, month))
        charts.push_back(returnChartAt(natal, ReturnBody::Moon, moment, place, choices));
    return charts;
}

} // namespace orbenza
