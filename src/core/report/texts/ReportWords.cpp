// The small words of the English output: names, headings and the lines that
// describe a chart. A translation is a copy of this file in the folder of its
// language code.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts {

// clang-format off
constexpr ReportWords kReportWords = {
    .pointNames = kPointNames,
    .pointLabels = kPointLabels,
    .signNames = kSignNames,
    .monthNames = {"January", "February", "March", "April", "May", "June", "July", "August",
                   "September", "October", "November", "December"},
    .monthAbbreviations = {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct",
                           "Nov", "Dec"},
    .reportAspectNames = {"Conjunction", "Opposition", "Trine", "Square", "Sextile"},
    .aspectNames = {"conjunction", "opposition", "trine", "square", "sextile", "quincunx",
                    "semi-sextile", "semi-square", "sesquiquadrate", "quintile", "biquintile"},

    .planetHeadingPrefixes = {"Sun In", "Moon In", "Mercury In", "Venus In", "Mars In",
                              "Jupiter In", "Saturn In", "Uranus In", "Neptune In", "Pluto In"},
    .planetInHouse = "%1 %2",
    .houseNames = {"", "First House", "Second House", "Third House", "Fourth House",
                   "Fifth House", "Sixth House", "Seventh House", "Eighth House", "Ninth House",
                   "Tenth House", "Eleventh House", "Twelfth House"},
    .houseDescriptionHeadings = {"", "More About First House", "More About Second House",
                                 "More About Third House", "More About Fourth House",
                                 "More About Fifth House", "More About Sixth House",
                                 "More About Seventh House", "More About Eighth House",
                                 "More About Ninth House", "More About Tenth House",
                                 "More About Eleventh House", "More About Twelfth House"},
    .characteristicsHeadings = {"Characteristics Of Planet Sun :-",
                                "Characteristics Of Planet Moon :-",
                                "Characteristics Of Planet Mercury :-",
                                "Characteristics Of Planet Venus :-",
                                "Characteristics Of Planet Mars :-",
                                "Characteristics Of Planet Jupiter :-",
                                "Characteristics Of Planet Saturn :-",
                                "Characteristics Of Planet Uranus :-",
                                "Characteristics Of Planet Neptune :-",
                                "Characteristics Of Planet Pluto :-"},

    .date = "%1 %2 %3",
    .born = "Born %1 at %2 local time",
    .bornSummerTime = " (daylight saving)",
    .bornIn = " in %1",
    .coordinates = "Latitude %1, longitude %2",
    .hemispheres = {"N", "S", "E", "W"},
    .computedFor = "Computed for %1",
    .daylightSaving = "daylight saving",
    .positions = {"classic positions", "precise positions"},

    .natalChartOf = "Natal chart of %1",
    .sunSign = "Sun sign",
    .moonSign = "Moon sign",
    .ascendant = "Ascendant",
    .houses = "Houses (%1)",
    .house = "House %1",
    .aspects = "Aspects (%1)",
    .none = "none",
    .orb = "orb %1",
    .applying = "applying",
    .separating = "separating",
    .wheelTitle = "Orbenza chart",
    .wheelTitleOfName = "Orbenza chart of %1",
    .houseCaption = "%1 houses",
    .birthTimeWindows = "Ascendant %1 for births from %2 to %3; the same houses from %4 to %5",
    .beyondTwelveHours = "beyond 12 hours",
    .polarCircleNote = "%1 has no cusps at latitude %2, beyond the polar circle; %3 is used",
    .noCuspsNote = "%1 has no cusps for this moment at latitude %2; %3 is used",
    .equalHousesCaption = "Equal houses from the Ascendant's degree, as the report counts them",
};
// clang-format on

} // namespace orbenza::texts
