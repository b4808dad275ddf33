// Solar and lunar returns: the moments at which the Sun or the Moon comes
// back to its natal longitude, found to the second on the precise series,
// each drawn as a chart for the birth place or another place.
#pragma once

#include "chart/ChartRun.h"
#include "input/BirthInput.h"

#include <optional>
#include <vector>

namespace orbenza {

enum class ReturnBody : std::uint8_t { Sun, Moon };

// Where a return chart is drawn: the birth place unless another is given.
struct ReturnPlace {
    Longitude longitude;
    Latitude latitude;
    friend bool operator==(const ReturnPlace&, const ReturnPlace&) = default;
};

// The natal longitude a return goes back to: the body's apparent longitude
// from the series at the birth moment (whichever method drew the chart).
double returnLongitudeDeg(const ChartResult& natal, ReturnBody body);

// The moment (Julian Day, UT) the Sun stands at the longitude nearest a
// moment (the birthday of the year asked): one pass every 365.24 days, so
// the returns of successive birthdays are never the same one, also for a
// birthday at New Year's Eve.
std::optional<double> solarReturnJulianDayUt(double longitudeDeg, double nearJulianDayUt);

// The moments the Moon stands at the longitude within a calendar month (UT),
// in time order: one or two.
std::vector<double> lunarReturnJulianDaysUt(double longitudeDeg, int year, int month);

struct ReturnChart {
    ReturnBody body = ReturnBody::Sun;
    double momentJulianDayUt = 0; // the exact return
    ChartResult chart;            // drawn for the moment rounded to the second
};

// The return chart of a moment: precise positions at the moment, for the
// place (the birth place when none).
ReturnChart returnChartAt(const ChartResult& natal, ReturnBody body, double momentJulianDayUt,
                          const std::optional<ReturnPlace>& place = std::nullopt,
                          const ChartChoices& choices = {});

// The solar return nearest the birthday (the birth's universal date and time)
// of a year, or the lunar returns of a calendar month (UT).
std::optional<ReturnChart> solarReturn(const ChartResult& natal, int year,
                                       const std::optional<ReturnPlace>& place = std::nullopt,
                                       const ChartChoices& choices = {});
std::vector<ReturnChart> lunarReturns(const ChartResult& natal, int year, int month,
                                      const std::optional<ReturnPlace>& place = std::nullopt,
                                      const ChartChoices& choices = {});

} // namespace orbenza
