// The small words of a chart's written output, one table per language.
//
// The prose of the report (house meanings, planets in houses, characteristics,
// aspects) lives in the text tables; everything else a chart writes in words
// comes from here: the names of the points, signs, months and aspects, the
// report's headings and the lines that describe a chart in the text, Rich
// Text, SVG and PDF outputs. A pattern holds %1, %2, ... where fillPattern()
// puts its arguments, so each language orders its words its own way.
#pragma once

#include "base/Aspect.h"
#include "base/Body.h"
#include "base/HouseSystem.h"
#include "base/Language.h"
#include "base/Sign.h"
#include "report/AspectTexts.h"
#include "report/InterpretationTexts.h"

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace orbenza {

struct ReportWords {
    // Points in chart order: full names ("Sun" ... "Ascendant", "Midheaven",
    // ... "Part of Fortune") and the short labels of lists ("Asc", "MC").
    std::array<std::string_view, kPointCount> pointNames;
    std::array<std::string_view, kPointCount> pointLabels;
    std::array<std::string_view, kSignCount> signNames;
    std::array<std::string_view, 12> monthNames;         // "January" ...
    std::array<std::string_view, 12> monthAbbreviations; // "Jan" ...
    // Aspects as the report's headings name them ("Conjunction" ... "Sextile")
    // and as the chart's aspect list does (every aspect, "conjunction" ...).
    std::array<std::string_view, kReportAspectKindCount> reportAspectNames;
    std::array<std::string_view, kAspectCount> aspectNames;

    // The report's headings. A planet's heading is planetInHouse with its
    // prefix (%1, "Sun In") and the house name (%2, "First House").
    std::array<std::string_view, kPlanetCount> planetHeadingPrefixes;
    std::string_view planetInHouse;
    std::array<std::string_view, kHouseCount + 1> houseNames; // slot 0 empty
    std::array<std::string_view, kHouseCount + 1> houseDescriptionHeadings;
    std::array<std::string_view, kPlanetCount> characteristicsHeadings;

    // The lines that describe a chart.
    std::string_view date;           // %1 day, %2 month name, %3 year: "15 June 1985"
    std::string_view born;           // %1 date, %2 clock time: "Born ... at 14:30 local time"
    std::string_view bornSummerTime; // " (daylight saving)"
    std::string_view bornIn;         // %1 place: " in Delhi"
    std::string_view coordinates;    // %1 latitude, %2 longitude
    std::array<std::string_view, 4> hemispheres; // north, south, east, west: "N" "S" "E" "W"
    std::string_view computedFor;              // %1 date and time: "Computed for 15 Jun 1985 09:00"
    std::string_view daylightSaving;           // "daylight saving"
    std::array<std::string_view, 2> positions; // "classic positions", "precise positions"

    // The command line's text output and the wheel picture.
    std::string_view natalChartOf; // %1 name
    std::string_view sunSign;
    std::string_view moonSign;
    std::string_view ascendant;
    std::string_view houses;  // %1 house system: "Houses (placidus)"
    std::string_view house;   // %1 number: "House 1"
    std::string_view aspects; // %1 aspect set: "Aspects (major)"
    std::string_view none;
    std::string_view orb; // %1 degrees: "orb 1.25"
    std::string_view applying;
    std::string_view separating;
    std::string_view wheelTitle;       // "Orbenza chart"
    std::string_view wheelTitleOfName; // %1 name: "Orbenza chart of ..."
    std::string_view houseCaption;     // %1 house system: "Placidus houses"
    // %1 sign, %2 ... %5 the ends of the Ascendant's and of the houses' windows.
    std::string_view birthTimeWindows;
    std::string_view beyondTwelveHours; // a window's end that is not found
    // %1 the house system asked for, %2 the latitude, %3 the one used.
    std::string_view polarCircleNote;
    std::string_view noCuspsNote;
    // Under the degree wheel of the report's equal houses.
    std::string_view equalHousesCaption;

    // The signs as position texts abbreviate them: "Ari" ... "Pis".
    std::array<std::string_view, kSignCount> signAbbreviations;
    // The house systems and the aspect sets as the chart's lines name them
    // (English keeps the command line's names: "placidus", "major").
    std::array<std::string_view, kHouseSystemCount> houseSystemNames;
    std::array<std::string_view, 2> aspectSetNames;
    // %1 the zone's principal city, %2 the birth place: "Before 1970 this
    // zone's clock history is that of %1; ...".
    std::string_view clockCaution;
    // After the label of a retrograde planet: " (R) "; a wheel writes the
    // letter between the brackets.
    std::string_view retrogradeMark;
    // Between the whole and the fraction of a number: "." or ",".
    std::string_view decimalSeparator;
};

// The words of a language.
const ReportWords& reportWords(Language language);

// The pattern with %1 ... %9 replaced by the arguments in order; a % not
// followed by the number of an argument stays as it is.
std::string fillPattern(std::string_view pattern, std::initializer_list<std::string_view> args);

// The letter of the retrograde mark: "R".
std::string_view retrogradeLetter(Language language);

// A number with the given decimals and the language's decimal separator.
std::string decimalText(double value, int decimals, Language language);

// Every entry of the words filled: no empty name, heading or pattern (slot 0 of
// the house tables aside).
bool hasEveryWord(const ReportWords& words);

} // namespace orbenza
