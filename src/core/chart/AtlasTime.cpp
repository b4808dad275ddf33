#include "chart/AtlasTime.h"

#include "chart/TimeZones.h"

#include <algorithm>
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

namespace {

// The places a row's name names: the rows first ... last and the regions,
// countries (as the atlas names them) or IANA zones they stand for, one per
// line. A row named for a kind of time (Eastern, Central European) names no
// place; its abbreviation may still name the zone.
struct RowPlaces {
    int firstRow, lastRow;
    std::string_view names;
};
constexpr RowPlaces kRowPlaces[] = {
    {0, 2, "Alaska\nHawaii"},
    {5, 10, "Australia"},
    {11, 11, "Azores\nAtlantic/Azores"},
    {12, 12, "Iraq\nAsia/Baghdad"},
    {14, 14, "Brazil"},
    {15, 17, "United Kingdom\nIsle of Man\nJersey\nGuernsey"},
    {23, 23, "China\nHong Kong\nMacao\nTaiwan"},
    {30, 30, "Guam"},
    {31, 33, "Hawaii"},
    {34, 34, "India"},
    {37, 37, "Iran"},
    {38, 38, "Japan"},
    {39, 39, "Jakarta\nBanten\nWest Java\nCentral Java\nYogyakarta\nEast Java"},
    {42, 42, "Maluku\nNorth Maluku"},
    {46, 49, "New Zealand"},
    {50, 50, "Newfoundland and Labrador"},
    {51, 51, "America/Nome"},
    {52, 52, "North Sumatra"},
    {56, 59, "South Australia"},
    {60, 60, "South Sumatra"},
    {62, 66,
     "Russian Federation\nUkraine\nBelarus\nMoldova\nLithuania\nLatvia\nEstonia\nGeorgia\n"
     "Armenia\nAzerbaijan\nKazakhstan\nUzbekistan\nTurkmenistan\nKyrgyzstan\nTajikistan"},
    {67, 67,
     "Cabo Verde\nSenegal\nGambia\nGuinea-Bissau\nGuinea\nMauritania\nMali\nSierra "
     "Leone\nLiberia"},
    {68, 70, "Yukon"},
};

bool rowNamesPlace(int position, const ZoneRowPlace& place) {
    for (const RowPlaces& row : kRowPlaces) {
        if (position < row.firstRow || position > row.lastRow)
            continue;
        for (std::size_t start = 0; start <= row.names.size();) {
            const std::size_t end = std::min(row.names.find('\n', start), row.names.size());
            const std::string_view name = row.names.substr(start, end - start);
            if (name == place.region || name == place.country || name == place.timeZone)
                return true;
            start = end + 1;
        }
    }
    return false;
}

// A row named for summer, daylight saving or war time: with the box meaning
// the hour of summer time, such a row would misname a clock of standard time.
bool namesSummerTime(int position) {
    const std::string_view text = timeZoneEntries()[static_cast<std::size_t>(position)].text;
    const std::string_view name = text.substr(0, text.find(','));
    for (const std::string_view word : {"Daylight", "Summer", "War"}) {
        if (name.find(word) != std::string_view::npos)
            return true;
    }
    return false;
}

} // namespace

ZoneRowChoice chooseZoneRow(const atlas::ZoneState& state, const ZoneRowPlace& place) {
    ZoneRowChoice choice;
    choice.daylightSaving = state.summerTime && state.summerSeconds == 3600;
    const std::int32_t rowOffset = state.utOffsetSeconds - (choice.daylightSaving ? 3600 : 0);
    choice.correction = correctionOfOffset(rowOffset);
    // Summer time of another amount than the box's one hour (double summer
    // time) is not what any row with or without the box means.
    if (state.summerTime && !choice.daylightSaving)
        return choice;
    int byAbbreviation = -1, byPlace = -1;
    const auto& rows = timeZoneEntries();
    for (int position = 0; position < kTimeZoneCount; ++position) {
        if (!(rows[static_cast<std::size_t>(position)].correction == choice.correction))
            continue;
        const bool named = rowNamesPlace(position, place);
        const bool abbreviated = !state.standardAbbreviation.empty() &&
                                 timeZoneAbbreviation(position) == state.standardAbbreviation;
        if (named && abbreviated) {
            choice.position = position;
            return choice;
        }
        if (abbreviated && byAbbreviation < 0)
            byAbbreviation = position;
        if (named && !namesSummerTime(position) && byPlace < 0)
            byPlace = position;
    }
    choice.position = byAbbreviation >= 0 ? byAbbreviation : byPlace;
    return choice;
}

} // namespace orbenza
