// The aspect section of the interpretation report.
//
// It follows the house section: for each major aspect between two aspect
// points a heading such as "Sun Trine Moon" (the points in chart order, the
// aspect's name between them) and the text of the pair and the aspect's
// family. The aspects come in as plain values, whoever computed them; like the
// house section, the runs view text composed once and kept for the program's
// life.
#pragma once

#include "base/Body.h"
#include "report/AspectTexts.h"
#include "report/HouseReport.h"

#include <vector>

namespace orbenza {

// One major aspect between two points of a chart, in either order.
struct ReportAspect {
    Body a = Body::Sun;
    Body b = Body::Moon;
    Aspect kind = Aspect::Conjunction;
    friend bool operator==(const ReportAspect&, const ReportAspect&) = default;
};

// The aspect section: two runs per aspect whose pair has a text (heading in
// the house headings' dark red, then the text), ordered by the first point,
// the second point and the aspect, each pair taken in chart order; an aspect
// listed twice is written once. Aspects of pairs without a text are left out,
// and no aspects write nothing.
std::vector<ReportRun> aspectReport(const std::vector<ReportAspect>& aspects);

// The whole report: the house section of the placement, then the aspect
// section. Without aspects it is houseReport(placement) exactly.
std::vector<ReportRun> houseReport(const HousePlacement& placement,
                                    const std::vector<ReportAspect>& aspects);

} // namespace orbenza
