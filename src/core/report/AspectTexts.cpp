#include "report/AspectTexts.h"

#include "report/texts/InterpretationTextData.h"

#include <utility>

namespace orbenza {
namespace {

constexpr std::array<std::string_view, kReportAspectKindCount> kAspectNames = {
    "Conjunction", "Opposition", "Trine", "Square", "Sextile"};

} // namespace

std::string_view reportAspectName(Aspect kind) {
    const auto k = static_cast<std::size_t>(kind);
    return k < kAspectNames.size() ? kAspectNames[k] : std::string_view{};
}

std::string_view aspectText(Body a, Body b, AspectFamily family) {
    const auto f = static_cast<std::size_t>(family);
    if (!hasAspectText(a, b) || f >= kAspectFamilyCount)
        return {};
    if (indexOf(a) > indexOf(b))
        std::swap(a, b);
    return texts::kAspectTexts[indexOf(a)][indexOf(b)][f];
}

} // namespace orbenza
