// One chart run: the birth details in, one result record out. The screens,
// the report and the command line all read this record.
#pragma once

#include "base/BirthData.h"
#include "base/Body.h"
#include "base/Positions.h"
#include "base/Sign.h"
#include "input/BirthInput.h"
#include "positions/TimeScales.h"
#include "report/HouseReport.h"

#include <array>
#include <optional>
#include <string>
#include <variant>

namespace orbenza {

struct ChartResult {
    BirthInput input;        // what the chart was asked for
    BirthData birth;         // as filled for this run
    UtCorrection correction; // the signed zone correction used

    // Eleven short position texts ("05 Sco 34"): 0 Sun, 1 Moon, 2 Mercury,
    // 3 Venus, 4 Mars, 5 Jupiter, 6 Saturn, 7 Uranus, 8 Neptune, 9 Pluto,
    // 10 Ascendant.
    std::array<std::string, 11> PlanetPositions;
    std::string AscendantText;    // "22° 39' 6\" Lib"
    std::string MoonPositionText; // "9° 2' 58\" Leo"
    std::string MoonSignName;     // "Leo"

    // Body labels in the same order: "Sun" ... "Pluto", "Asc"; a planet that
    // is retrograde on the local birth date carries " (R) " after its name.
    std::array<std::string, 11> PlanetNames;
    // The twelve equal houses from the Ascendant's degree and the planets in
    // them; House_Report(housePlacement) writes the report.
    HousePlacement housePlacement;

    // The chart's values, by body in chart order.
    // Longitude: degrees, ecliptic and equinox of date, 0 to 360.
    BodyArray<double> longitudesDeg;
    // The sign each body stands in, the same sign its position text names.
    BodyArray<Sign> signs;
    // Retrograde on the local birth date (only Mercury ... Pluto can be).
    BodyArray<bool> retrograde;
    // Equal house 1..12 of Sun ... Pluto as the report counts it; 0 when the
    // position could not be read, and always 0 for the Ascendant.
    BodyArray<int> houses;

    Sign sunSign() const { return signs[Body::Sun]; }
    Sign moonSign() const { return signs[Body::Moon]; }
    Sign ascendantSign() const { return signs[Body::Ascendant]; }

    // The universal date and time the chart was computed for.
    UniversalMoment universalTime;

    // The method that computed longitudesDeg; every text, sign and house above
    // is written from those longitudes.
    Positions positions = Positions::Classic;
};

// The correction of the input's zone row, or its exact correction without one.
UtCorrection correctionOf(const BirthInput& input);

// The birth details the computing steps read, from a checked input and its
// correction.
BirthData birthDataOf(const BirthInput& input, UtCorrection correction);

// Computes the chart of birth details and a correction, with the built-in
// positions or the precise ones. The retrograde marks come from the station
// tables either way. The result's input is left as constructed; runChart
// fills it.
ChartResult computeChart(const BirthData& birth, UtCorrection correction, Positions positions);

// The chart of an input that passed checkBirthInput.
ChartResult runChart(const BirthInput& input);

// The whole "Proceed": the check, then the chart. A refusal computes nothing.
std::variant<ChartResult, InputRefusal> chartOfInput(const BirthInput& input);

} // namespace orbenza
