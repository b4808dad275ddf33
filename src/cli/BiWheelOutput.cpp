#include "BiWheelOutput.h"

#include "predictive/Moments.h"
#include "predictive/Transits.h"
#include "present/BiWheelOfChart.h"
#include "present/WheelOfChart.h"

#include <cstdio>

namespace orbenza {

namespace {

std::string utcText(double julianDayUt) {
    const CivilDateTime t = momentOfJulianDay(julianDayUt);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d UT", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

} // namespace

std::string transitsBiWheelSvg(const ChartResult& natal, double julianDayUt, double widthPixels) {
    const std::string moment = utcText(julianDayUt);
    const BiWheel wheel =
        biWheelOf(natal, skyPointsOf(transitPositionsAt(julianDayUt, true), transitingBodies(true)),
                  "Inside: the birth chart. Outside: the sky of " + moment);
    WheelSvgTitle title = wheelTitleOf(natal);
    title.title =
        natal.birth.name.empty() ? "Orbenza transits" : "Orbenza transits of " + natal.birth.name;
    title.description += "\nTransits of " + moment;
    return biWheelSvg(wheel, widthPixels, title);
}

std::string synastryBiWheelSvg(const ChartResult& a, const ChartResult& b, double widthPixels) {
    const BiWheel wheel =
        biWheelOf(a, chartPointsOf(b), "Inside: " + a.birth.name + ". Outside: " + b.birth.name);
    WheelSvgTitle title = wheelTitleOf(a);
    title.title = "Orbenza synastry of " + a.birth.name + " and " + b.birth.name;
    title.description += "\n" + wheelTitleOf(b).description;
    return biWheelSvg(wheel, widthPixels, title);
}

} // namespace orbenza
