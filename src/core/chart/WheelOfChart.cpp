#include "chart/WheelOfChart.h"

#include "chart/Presentation.h"

namespace orbenza {

WheelInput wheelInputOf(const ChartResult& chart, bool withAnglesAndAspects) {
    WheelInput input;
    input.longitudesDeg = chart.longitudesDeg;
    input.retrograde = chart.retrograde;
    if (chart.houseSystem != HouseSystem::Equal) {
        input.cuspsDeg = chart.cuspsDeg;
        std::string name(houseSystemName(chart.houseSystem));
        name[0] = static_cast<char>(name[0] - 'a' + 'A');
        input.houseCaption = name + " houses";
    }
    if (!withAnglesAndAspects)
        return input;
    input.midheavenDeg = chart.angles.mcDeg;
    const auto longitudeOf = [&chart](Body body) {
        return body == Body::Midheaven   ? chart.angles.mcDeg
               : body == Body::Ascendant ? chart.angles.ascDeg
                                         : chart.longitudesDeg[body];
    };
    for (const AspectFound& aspect : chart.aspects)
        input.aspects.push_back(
            {longitudeOf(aspect.a), longitudeOf(aspect.b), aspectKind(aspect.aspect).family});
    return input;
}

DegreeWheel degreeWheelOf(const ChartResult& chart) {
    return buildDegreeWheel(wheelInputOf(chart));
}

WheelSvgTitle wheelTitleOf(const ChartResult& chart) {
    const std::string& name = chart.birth.name;
    const ChartLines lines = chartLines(chart);
    WheelSvgTitle title;
    title.title = name.empty() ? "Orbenza chart" : "Orbenza chart of " + name;
    title.description = lines.born + "\n" + lines.coordinates + "\n" + lines.computedFor;
    return title;
}

std::string degreeWheelSvg(const ChartResult& chart, double widthPixels) {
    return wheelSvg(buildDegreeWheel(wheelInputOf(chart, true)), widthPixels, wheelTitleOf(chart));
}

} // namespace orbenza
