#include "report/AspectReport.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>

namespace orbenza {
namespace {

// Every run text the aspect section can hold, by the points' chart positions
// (first before second) and by aspect or family.
struct AspectRunTexts {
    std::array<std::array<std::array<std::string, kReportAspectKindCount>, kAspectPointCount>,
               kAspectPointCount>
        heading;
    std::array<std::array<std::array<std::string, kAspectFamilyCount>, kAspectPointCount>,
               kAspectPointCount>
        text;
};

constexpr std::array<Aspect, kReportAspectKindCount> kKinds{
    Aspect::Conjunction, Aspect::Opposition, Aspect::Trine, Aspect::Square, Aspect::Sextile};
constexpr std::array<AspectFamily, kAspectFamilyCount> kFamilies{
    AspectFamily::Conjunction, AspectFamily::Harmonious, AspectFamily::Challenging};

const AspectRunTexts& aspectRunTexts() {
    // Built once, thread-safely, and never destroyed, so that the views handed
    // out in report runs stay valid until the program ends.
    static const AspectRunTexts* const texts = [] {
        auto* built = new AspectRunTexts;
        for (Body a : kAspectPoints) {
            for (Body b : kAspectPoints) {
                if (indexOf(a) >= indexOf(b) || !hasAspectText(a, b))
                    continue;
                for (Aspect kind : kKinds) {
                    std::string& heading =
                        built->heading[indexOf(a)][indexOf(b)][static_cast<std::size_t>(kind)];
                    heading.append(aspectPointName(a)).append(" ");
                    heading.append(reportAspectName(kind)).append(" ");
                    heading.append(aspectPointName(b)).append("\r\n");
                }
                for (AspectFamily family : kFamilies) {
                    std::string& text =
                        built->text[indexOf(a)][indexOf(b)][static_cast<std::size_t>(family)];
                    text.append(aspectText(a, b, family)).append("\r\n\r\n");
                }
            }
        }
        return built;
    }();
    return *texts;
}

bool isMajor(Aspect kind) {
    return static_cast<std::size_t>(kind) < kReportAspectKindCount;
}

// The aspects that have a text, each with its points in chart order, sorted
// and without repeats.
std::vector<ReportAspect> reportedAspects(const std::vector<ReportAspect>& aspects) {
    std::vector<ReportAspect> kept;
    kept.reserve(aspects.size());
    for (ReportAspect aspect : aspects) {
        if (!hasAspectText(aspect.a, aspect.b) || !isMajor(aspect.kind))
            continue;
        if (indexOf(aspect.a) > indexOf(aspect.b))
            std::swap(aspect.a, aspect.b);
        kept.push_back(aspect);
    }
    const auto key = [](const ReportAspect& aspect) {
        return std::pair(std::pair(indexOf(aspect.a), indexOf(aspect.b)), aspect.kind);
    };
    std::sort(kept.begin(), kept.end(),
              [&](const ReportAspect& x, const ReportAspect& y) { return key(x) < key(y); });
    kept.erase(std::unique(kept.begin(), kept.end()), kept.end());
    return kept;
}

} // namespace

std::vector<ReportRun> aspectReport(const std::vector<ReportAspect>& aspects) {
    const std::vector<ReportAspect> kept = reportedAspects(aspects);
    std::vector<ReportRun> runs;
    if (kept.empty())
        return runs;
    const AspectRunTexts& texts = aspectRunTexts();
    runs.reserve(2 * kept.size());
    for (const ReportAspect& aspect : kept) {
        const std::size_t a = indexOf(aspect.a);
        const std::size_t b = indexOf(aspect.b);
        const auto kind = static_cast<std::size_t>(aspect.kind);
        const auto family = static_cast<std::size_t>(aspectFamilyOf(aspect.kind));
        runs.push_back({texts.heading[a][b][kind], true, kReportDarkRed});
        runs.push_back({texts.text[a][b][family], false, kReportBlack});
    }
    return runs;
}

std::vector<ReportRun> houseReport(const HousePlacement& placement,
                                    const std::vector<ReportAspect>& aspects) {
    std::vector<ReportRun> runs = houseReport(placement);
    const std::vector<ReportRun> aspectRuns = aspectReport(aspects);
    runs.insert(runs.end(), aspectRuns.begin(), aspectRuns.end());
    return runs;
}

} // namespace orbenza
