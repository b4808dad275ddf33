#include "DegreeLabels.h"

#include "report/InterpretationTexts.h"

namespace orbenza {

int degreeIndexOfLabel(std::string_view label) {
    const auto& names = degreeName();
    for (int index = 1; index <= kDegreeCount; ++index)
        if (names[static_cast<std::size_t>(index)] == label)
            return index;
    return 0;
}

} // namespace orbenza
