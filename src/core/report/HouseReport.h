// Equal houses from the Ascendant's degree and the interpretation report.
//
// The houses are twelve equal blocks of 30 whole degrees counted from the
// Ascendant's whole degree. Positions are read only through their first six
// characters, the position prefix "dd Sss" (whole degree 00..29 within the sign,
// a blank, the sign abbreviation), which names the degree label "DD Sss" with
// DD = dd + 1 and so a degree index 1..360 (1 = "01 Ari", 360 = "30 Pis").
//
// The report is returned as data: an ordered list of runs, each a piece of text
// with a heading flag and a colour. Line breaks inside the runs are "\r\n".
// Everything here is a pure function of the positions it is given. Every run
// text a report can hold (a heading with its line break, a text with its two
// line breaks) is composed once, on first use, from the interpretation texts,
// so a report costs no text copies.
#pragma once

#include "base/Body.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza {

// A colour as red, green and blue, 0..255 each.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(Rgb, Rgb) = default;
};

inline constexpr Rgb kReportDarkRed{128, 0, 0}; // headings of Sun, Mercury, ... and of houses
inline constexpr Rgb kReportBlue{0, 0, 255};    // headings of Moon, Venus, ...
inline constexpr Rgb kReportBlack{0, 0, 0};     // body text

// One piece of the report: text with one format. A heading run is shown in the
// heading style (bold in the saved Rich Text). The text is UTF-8 and points into
// the program's compiled-in report texts, which live as long as the program, so
// a run may be kept, copied and stored freely. (A run built by hand views
// whatever storage its builder gives it.)
struct ReportRun {
    std::string_view text;
    bool heading = false;
    Rgb color;
    friend bool operator==(const ReportRun&, const ReportRun&) = default;
};

// Where the houses lie and which planet stands in which house for one chart.
// Arrays indexed by house use slots 1..12; slot 0 stays unused.
struct HousePlacement {
    std::array<std::int16_t, 13> houseStart{}; // first degree index 1..360; 0 = unset
    std::array<std::int16_t, 13> houseEnd{};   // last degree index 1..360; 0 = unset
    std::array<bool, 13> houseOccupied{};      // at least one planet fell into the house
    std::array<int, 10> planetHouse{};         // planet 0 Sun .. 9 Pluto -> house 1..12; 0 = none
    bool ascendantFound = false;               // the Ascendant's prefix named a degree
};

// The position texts of a chart, in chart order (Sun, Moon, Mercury .. Pluto,
// Ascendant).
using ChartPositions = std::array<std::string, kBodyCount>;

// Degree index 1..360 named by the first six characters of a position text, or
// 0 when they are not a prefix "dd Sss" (degree 00..29, one blank, one of the
// twelve abbreviations, case-sensitive). The degree labels stay the authority:
// the index found is always one whose label is "DD Sss" with DD = dd + 1.
int degreeIndexOfPrefix(std::string_view positionText);

// True when degree index i (1..360) lies in house h of the placement. A house
// whose end is below its start runs across 360 back to 1; an unset house (bounds
// 0) holds nothing.
bool houseContains(const HousePlacement& placement, int house, int degreeIndex);

// The equal houses from the Ascendant (slot 10) and the house of each planet
// (slots 0..9). A malformed Ascendant leaves every house unset and empty; a
// malformed planet position leaves that planet without a house.
HousePlacement placeHouses(const ChartPositions& planetPositions);

// The same from the degree index 1..360 of each body in chart order (0 for a
// position that has none): sign * 30 + whole degree within the sign + 1.
HousePlacement placeHousesAt(const std::array<int, kBodyCount>& degreeIndexes);

// The report runs for a placement: for each occupied house 1..12, each of its
// planets in planet order (heading, text, characteristics heading, text), then
// the house's description heading and description. Empty houses write nothing.
std::vector<ReportRun> houseReport(const HousePlacement& placement);

// Houses and report in one call: houseReport(placeHouses(PlanetPositions)).
std::vector<ReportRun> houseReport(const ChartPositions& planetPositions);

// Heading colour of planet 0..9: dark red for even indexes (Sun, Mercury, Mars,
// Saturn, Neptune), blue for odd ones (Moon, Venus, Jupiter, Uranus, Pluto).
Rgb planetHeadingColor(int planet);

// The report's characters without formatting: the runs' texts joined in order.
std::string reportPlainText(const std::vector<ReportRun>& runs);

} // namespace orbenza
