// What the chart screen shows for one chart, worked out from the run record:
// the sign names, the birth details in their display forms, the per-sign
// lists and the chart wheel laid out from the Ascendant's sign.
#pragma once

#include "base/Body.h"
#include "base/Language.h"
#include "base/Sign.h"
#include "chart/ChartRun.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza {

// "January" ... "December" for month 1..12; empty otherwise.
std::string_view monthName(int month, Language language = Language::English);

struct ChartPresentation {
    std::string sunSignName;       // the Sun's sign name
    std::string moonSignName;      // the Moon's sign name
    std::string ascendantSignName; // sign name of the Ascendant
    std::string name;
    std::string birthDate; // "March/7/1985"
    std::string birthTime; // "9:05"
    std::string latitude;  // "13° 5' N"
    std::string longitude; // "80° 18' E"
    // The eleven short position texts ("05 Sco 34"), in chart order.
    std::array<std::string, kBodyCount> planetPositions;
    // Per-sign lists, Aries .. Pisces: each body as a line break then its label.
    std::array<std::string, 12> perSign;
    // Wheel position k = house k + 1: its text and its sign picture, 1 Aries ..
    // 12 Pisces.
    std::array<std::string, 12> natalLists;
    // The bodies natalLists[k] lists, one a line in its order.
    std::array<std::vector<Body>, 12> natalBodies;
    std::array<int, 12> signPictures{};
    // "Computed for 15 Jun 1985 09:00 UT, Indian Time, IST, +5.3, classic positions"
    std::string computedFor;
};

// The chart screen's values for a chart; the per-sign lists carry the body
// labels with their retrograde marks. The sign names and the other words are
// those of the language.
ChartPresentation presentChart(const ChartResult& chart, Language language = Language::English);

// The eleven body labels of the chart in the language, retrograde planets
// marked " (R) ": "Sun" ... "Asc" in English.
std::array<std::string, kBodyCount> planetLabels(const ChartResult& chart, Language language);

// The line that tells which universal moment and zone row a chart used; for
// a clock time from the atlas, the IANA zone and its offset at the birth.
std::string computedForLine(const ChartResult& chart, Language language = Language::English);

// A coordinate as the chart shows it: degrees, "° ", minutes, "'", a blank and
// the hemisphere letter, the numbers without leading zeros ("13° 5' N").
std::string latitudeText(const BirthData& birth, Language language = Language::English);
std::string longitudeText(const BirthData& birth, Language language = Language::English);

// Why the chart's cusps are not those of the system asked for, or empty when
// they are: "placidus has no cusps at latitude 69° 39' N, beyond the polar
// circle; porphyry is used".
std::string houseNoteText(const ChartResult& chart, Language language = Language::English);

// The lines that describe a chart wherever it is written out (the command
// line's text, the PDF's title block), so it reads the same everywhere.
struct ChartLines {
    std::string born;        // "Born 15 June 1985 at 14:30 local time"
    std::string coordinates; // "Latitude 28° 39' N, longitude 77° 13' E"
    std::string computedFor; // computedForLine()
};
// birthPlace, when not empty, is added to the born line after " in ". The
// words are those of the language.
ChartLines chartLines(const ChartResult& chart, std::string_view birthPlace = {},
                      Language language = Language::English);

} // namespace orbenza
