#include "chart/WheelOfChart.h"

#include "chart/Presentation.h"

namespace orbenza {

WheelInput wheelInputOf(const ChartResult& chart) {
    WheelInput input;
    input.longitudesDeg = chart.longitudesDeg;
    input.retrograde = chart.retrograde;
    return input;
}

DegreeWheel degreeWheelOf(const ChartResult& chart) {
    return buildDegreeWheel(wheelInputOf(chart));
}

WheelSvgTitle wheelTitleOf(const ChartResult& chart) {
    const std::string& name = chart.birth.Name;
    const ChartLines lines = chartLines(chart);
    WheelSvgTitle title;
    title.title = name.empty() ? "Orbenza chart" : "Orbenza chart of " + name;
    title.description = lines.born + "\n" + lines.coordinates + "\n" + lines.computedFor;
    return title;
}

std::string degreeWheelSvg(const ChartResult& chart, double widthPixels) {
    return wheelSvg(degreeWheelOf(chart), widthPixels, wheelTitleOf(chart));
}

} // namespace orbenza
