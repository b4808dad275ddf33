#include "present/WheelOfChart.h"

#include "present/Presentation.h"
#include "report/ReportWords.h"

namespace orbenza {

WheelInput wheelInputOf(const ChartResult& chart, bool withAnglesAndAspects, Language language) {
    WheelInput input;
    input.longitudesDeg = chart.longitudesDeg;
    input.retrograde = chart.retrograde;
    for (Body body : {Body::Chiron, Body::TrueNode, Body::MeanNode, Body::Lilith, Body::Fortune})
        input.otherPoints.push_back({body, chart.pointLongitudesDeg[body]});
    if (chart.houseSystem != HouseSystem::Equal) {
        input.cuspsDeg = chart.cuspsDeg;
        // English writes the command line's name with a capital: "Placidus houses".
        std::string name(
            reportWords(language).houseSystemNames[static_cast<std::size_t>(chart.houseSystem)]);
        if (!name.empty() && name[0] >= 'a' && name[0] <= 'z')
            name[0] = static_cast<char>(name[0] - 'a' + 'A');
        input.houseCaption = fillPattern(reportWords(language).houseCaption, {name});
    } else {
        input.houseCaption = reportWords(language).equalHousesCaption;
    }
    input.ascendantMark = reportWords(language).pointLabels[indexOf(Body::Ascendant)];
    input.midheavenMark = reportWords(language).pointLabels[indexOf(Body::Midheaven)];
    input.retrogradeMark = retrogradeLetter(language);
    if (!withAnglesAndAspects)
        return input;
    input.midheavenDeg = chart.angles.mcDeg;
    const auto longitudeOf = [&chart](Body body) {
        return body == Body::Midheaven   ? chart.angles.mcDeg
               : body == Body::Ascendant ? chart.angles.ascDeg
                                         : chart.pointLongitudesDeg[body];
    };
    for (const AspectFound& aspect : chart.aspects)
        input.aspects.push_back(
            {longitudeOf(aspect.a), longitudeOf(aspect.b), aspectKind(aspect.aspect).family});
    return input;
}

DegreeWheel degreeWheelOf(const ChartResult& chart, Language language) {
    return buildDegreeWheel(wheelInputOf(chart, false, language));
}

WheelSvgTitle wheelTitleOf(const ChartResult& chart, Language language) {
    const std::string& name = chart.birth.name;
    const ChartLines lines = chartLines(chart, {}, language);
    const ReportWords& words = reportWords(language);
    WheelSvgTitle title;
    title.title =
        name.empty() ? std::string(words.wheelTitle) : fillPattern(words.wheelTitleOfName, {name});
    title.description = lines.born + "\n" + lines.coordinates + "\n" + lines.computedFor;
    return title;
}

std::string degreeWheelSvg(const ChartResult& chart, double widthPixels, Language language) {
    return wheelSvg(buildDegreeWheel(wheelInputOf(chart, true, language)), widthPixels,
                    wheelTitleOf(chart, language));
}

} // namespace orbenza
