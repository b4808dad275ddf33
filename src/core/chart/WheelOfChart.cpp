#include "chart/WheelOfChart.h"

#include "chart/Presentation.h"

#include <cstdio>

namespace orbenza {

WheelInput wheelInputOf(const ChartResult& chart) {
    WheelInput input;
    for (std::size_t i = 0; i < kBodyCount; ++i)
        input.longitudesDeg[bodyAt(i)] = chart.longitudesDeg[i];
    // The chart's flags run from Mercury (0) to Pluto (7).
    for (std::size_t i = indexOf(Body::Mercury); i <= indexOf(Body::Pluto); ++i)
        input.retrograde[bodyAt(i)] = chart.RetrogradeFlags[i - indexOf(Body::Mercury)];
    return input;
}

DegreeWheel degreeWheelOf(const ChartResult& chart) {
    return buildDegreeWheel(wheelInputOf(chart));
}

WheelSvgTitle wheelTitleOf(const ChartResult& chart) {
    const ChartPresentation shown = presentChart(chart, chart.PlanetNames);
    const BirthData& birth = chart.birth;
    WheelSvgTitle title;
    title.title = shown.lblName.empty() ? "Orbenza chart" : "Orbenza chart of " + shown.lblName;
    char born[96];
    std::snprintf(born, sizeof born, "Born %d %.*s %d at %02d:%02d", birth.BirthDay,
                  static_cast<int>(monthName(birth.BirthMonth).size()),
                  monthName(birth.BirthMonth).data(), birth.BirthYear, birth.BirthHour,
                  birth.BirthMinute);
    title.description = std::string(born) + "\nLatitude " + shown.lblLatitude + ", longitude " +
                        shown.lblLongitude + "\n" + shown.computedFor;
    return title;
}

std::string degreeWheelSvg(const ChartResult& chart, double widthPixels) {
    return wheelSvg(degreeWheelOf(chart), widthPixels, wheelTitleOf(chart));
}

} // namespace orbenza
