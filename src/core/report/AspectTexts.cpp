#include "report/AspectTexts.h"

#include "report/ReportWords.h"
#include "report/texts/InterpretationTextData.h"

#include <utility>

namespace orbenza {
std::string_view reportAspectName(Aspect kind, Language language) {
    const auto k = static_cast<std::size_t>(kind);
    return k < kReportAspectKindCount ? reportWords(language).reportAspectNames[k]
                                      : std::string_view{};
}

std::string_view aspectPointName(Body point, Language language) {
    return isAspectPoint(point) ? reportWords(language).pointNames[indexOf(point)]
                                : std::string_view{};
}

std::string_view aspectText(Body a, Body b, AspectFamily family, Language language) {
    const auto f = static_cast<std::size_t>(family);
    if (!hasAspectText(a, b) || f >= kAspectFamilyCount)
        return {};
    if (indexOf(a) > indexOf(b))
        std::swap(a, b);
    const std::size_t l = indexOf(language) < kLanguageCount ? indexOf(language) : 0;
    return (*texts::kProseTables[l].aspects)[indexOf(a)][indexOf(b)][f];
}

} // namespace orbenza
