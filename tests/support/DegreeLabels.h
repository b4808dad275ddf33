// Looking a degree label up in the other direction, for tests that check the
// degree names table.
#pragma once

#include <string_view>

namespace orbenza {

// The degree index 1..360 whose degreeName label equals label exactly (all six
// characters, case-sensitive), or 0 when no label does.
int degreeIndexOfLabel(std::string_view label);

} // namespace orbenza
