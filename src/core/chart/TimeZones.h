// The fixed list of 71 time zones offered on the birth details screen.
#pragma once

#include "base/BirthData.h"
#include "base/Language.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orbenza {

struct TimeZoneEntry {
    std::string_view text; // name, abbreviation and offset, shown as is
    UtCorrection correction;
};

inline constexpr int kTimeZoneCount = 71;
inline constexpr int kDefaultTimeZonePosition = 29; // "Greenwich Mean Time,GMT,0.0"

const std::array<TimeZoneEntry, kTimeZoneCount>& timeZoneEntries();

// zoneCalculation: the correction of the row at list position 0..70. Any
// other position (-1 when no row is selected) leaves the previous correction.
UtCorrection zoneCalculation(int listPosition, UtCorrection previous);

// A row as the zone list shows it in a language: English exactly as listed
// ("Azores Time, AT, -2.0", "Greenwich Mean Time,GMT,0.0"); another language
// with its own name of the zone, the abbreviation as it stands and the offset
// with its decimal separator ("Indische Zeit, IST, +5,3"). Empty for a
// position outside the list.
std::string timeZoneRowText(int listPosition, Language language);

// The row as a line of text names it, every language with one blank after each
// comma: "Greenwich Mean Time, GMT, 0.0", "Mittlere Greenwich-Zeit, GMT, 0,0".
std::string timeZoneRowLine(int listPosition, Language language);

// The abbreviation of a row ("IST" for "Indian Time, IST, +5.3").
std::string_view timeZoneAbbreviation(int listPosition);

// The one row whose abbreviation equals abbreviation, ignoring case; nothing
// when no row or more than one row carries it.
std::optional<int> findTimeZoneByAbbreviation(std::string_view abbreviation);

} // namespace orbenza
