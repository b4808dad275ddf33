// The chart's texts written from its values: the position texts, the body
// labels with their retrograde mark, the sign names. Whoever shows a chart
// (the screens, the command line's outputs, the library) takes its texts from
// here; nothing reads them back.
#pragma once

#include "base/Body.h"
#include "base/Language.h"
#include "base/Sign.h"
#include "chart/ChartRun.h"

#include <array>
#include <string>
#include <string_view>

namespace orbenza {

// Follows the label of a retrograde planet: a blank, "(R)" and a blank.
inline constexpr std::string_view kRetrogradeMark = " (R) ";

// The long form: whole degrees within the sign, "° ", minutes, "' ", seconds,
// "\" " and the sign's abbreviation in the language, numbers without leading
// zeros: "13° 18' 57\" Sco" ("13° 18' 57\" Sko" in German).
std::string positionText(const ZodiacPosition& position, Language language = Language::English);

// The short form: two-digit degrees, a blank, the sign's abbreviation in the
// language, a blank, two-digit minutes: "05 Sco 34".
std::string shortPositionText(const ZodiacPosition& position,
                              Language language = Language::English);
// The short form of a longitude in degrees (a cusp, the Midheaven, a point).
std::string shortPositionText(double longitudeDeg, Language language = Language::English);

// "Sun" ... "Pluto", "Asc", with kRetrogradeMark after a retrograde planet's.
std::string bodyLabelText(Body body, bool retrograde);

// The texts of one chart, in chart order where there are eleven.
struct ChartTexts {
    std::array<std::string, kBodyCount> planetPositions; // "05 Sco 34"
    std::array<std::string, kBodyCount> planetNames;     // "Mercury (R) "
    std::string ascendantText;                           // "22° 39' 6\" Lib"
    std::string moonPositionText;                        // "9° 2' 58\" Leo"
    std::string moonSignName;                            // "Leo"
};
// The position texts abbreviate the signs in the language; the names stay
// English (the JSON output and the batch's files carry them).
ChartTexts chartTexts(const ChartResult& chart, Language language = Language::English);

} // namespace orbenza
