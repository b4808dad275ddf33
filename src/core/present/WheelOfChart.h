// The degree wheel of a computed chart, and the title its picture carries.
#pragma once

#include "base/Language.h"
#include "chart/ChartRun.h"
#include "wheel/DegreeWheel.h"
#include "wheel/WheelSvg.h"

#include <string>

namespace orbenza {

// The wheel's input from the chart: the eleven longitudes, Chiron, the nodes,
// Lilith and the Part of Fortune, the planets' retrograde marks and the cusps
// of its house system; with withAnglesAndAspects, the Midheaven and the aspect
// lines too. The house system's caption is in the language.
WheelInput wheelInputOf(const ChartResult& chart, bool withAnglesAndAspects = false,
                        Language language = Language::English);

// The degree wheel of the chart, its caption in the language.
DegreeWheel degreeWheelOf(const ChartResult& chart, Language language = Language::English);

// Title "Orbenza chart of <name>" ("Orbenza chart" without a name) and the
// description: the birth date and clock time, the coordinates and the
// computed-for line, one to a line.
WheelSvgTitle wheelTitleOf(const ChartResult& chart, Language language = Language::English);

// The degree wheel as an SVG document widthPixels wide, with its title, the
// Midheaven and the aspect lines. The command line and the chart screen write
// this same document. Its words are those of the language.
std::string degreeWheelSvg(const ChartResult& chart, double widthPixels,
                           Language language = Language::English);

} // namespace orbenza
