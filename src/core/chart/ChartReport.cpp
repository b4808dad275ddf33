#include "chart/ChartReport.h"

#include "report/AspectReport.h"

namespace orbenza {

std::vector<ReportRun> chartReport(const ChartResult& chart) {
    std::vector<ReportAspect> aspects;
    for (const AspectFound& found : chart.aspects)
        if (aspectKind(found.aspect).major())
            aspects.push_back({found.a, found.b, found.aspect});
    return houseReport(chart.housePlacement, aspects);
}

} // namespace orbenza
