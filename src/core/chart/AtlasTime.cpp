#include "chart/AtlasTime.h"

#include "chart/TimeZones.h"

#include <cstdlib>

namespace orbenza {

UtCorrection correctionOfOffset(std::int32_t utOffsetSeconds) {
    const std::int32_t correction = -utOffsetSeconds;
    const std::int32_t magnitude = std::abs(correction);
    const int sign = correction < 0 ? -1 : 1;
    UtCorrection result;
    result.utCorrectionHours = static_cast<std::int16_t>(sign * (magnitude / 3600));
    result.utCorrectionMinutes = static_cast<std::int16_t>(sign * (magnitude / 60 % 60));
    result.utCorrectionSeconds = static_cast<std::int16_t>(sign * (magnitude % 60));
    return result;
}

ZoneRowChoice chooseZoneRow(const atlas::ZoneState& state) {
    ZoneRowChoice choice;
    choice.daylightSaving = state.summerTime && state.summerSeconds == 3600;
    const std::int32_t rowOffset = state.utOffsetSeconds - (choice.daylightSaving ? 3600 : 0);
    choice.correction = correctionOfOffset(rowOffset);
    // Summer time of another amount than the box's one hour (double summer
    // time) is not what any row with or without the box means.
    if (state.summerTime && !choice.daylightSaving)
        return choice;
    const auto& rows = timeZoneEntries();
    for (int position = 0; position < kTimeZoneCount; ++position) {
        if (!(rows[static_cast<std::size_t>(position)].correction == choice.correction))
            continue;
        if (choice.position < 0)
            choice.position = position;
        const std::string_view abbreviation = timeZoneAbbreviation(position);
        if (!state.standardAbbreviation.empty() && abbreviation == state.standardAbbreviation) {
            choice.position = position;
            break;
        }
    }
    return choice;
}

} // namespace orbenza
