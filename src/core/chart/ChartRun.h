// One chart run: the birth details in, one result record out. The screens,
// the report and the command line all read this record.
#pragma once

#include "aspects/Aspects.h"
#include "base/BirthData.h"
#include "base/BirthMoment.h"
#include "base/Body.h"
#include "base/CivilDateTime.h"
#include "base/HouseSystem.h"
#include "base/Positions.h"
#include "base/Sign.h"
#include "houses/Houses.h"
#include "input/BirthInput.h"
#include "positions/TimeScales.h"
#include "report/HouseReport.h"

#include <array>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace orbenza {

// What a chart is drawn with besides the birth details: the house system and
// the aspects listed.
struct ChartChoices {
    HouseSystem houseSystem = kDefaultHouseSystem;
    AspectSet aspectSet = AspectSet::Major;
    OrbTable orbs;
    // False leaves the speeds and the aspects out (a batch that did not ask
    // for them): the cusps, angles and houses are computed either way.
    bool housesAndAspects = true;
    // True computes the speeds and aspects even so, for the report's aspect
    // section, without listing them (a batch with the report).
    bool aspectsForReport = false;
};

// One birth-time window in local clock time; an end is empty when it lies
// more than 12 hours from the birth. Near the ends of the years a chart may be
// drawn for, an end may lie in 1900 or 2051.
struct TimeWindow {
    std::optional<CivilDateTime> from; // the first second that keeps the chart's value
    std::optional<CivilDateTime> to;   // the last second that keeps it
};

// How far the birth time may be off before the chart changes
// (windows/BirthTimeWindows.h finds them).
struct BirthTimeWindows {
    Sign ascendantSign = Sign::Aries; // the birth's Ascendant sign
    TimeWindow ascendant;             // the Ascendant keeps its sign
    // The Ascendant keeps its sign and each of Sun ... Pluto keeps its house.
    // The houses are counted from the Ascendant, so this window lies within
    // the Ascendant's window.
    TimeWindow houses;
};

struct ChartResult {
    BirthInput input;        // what the chart was asked for
    BirthData birth;         // as filled for this run
    UtCorrection correction; // the signed zone correction used

    // The twelve equal houses from the Ascendant's degree and the planets in
    // them; houseReport(housePlacement) writes the report. Every text of the
    // chart is written from the values below (present/PositionText.h).
    HousePlacement housePlacement;

    // The chart's values, by body in chart order.
    // Longitude: degrees, ecliptic and equinox of date, 0 to 360.
    BodyArray<double> longitudesDeg;
    // Every point: Sun ... Ascendant as longitudesDeg; Chiron, the true and
    // the mean node and Lilith from the precise series in either method; the
    // Part of Fortune from the chart's Ascendant, Sun and Moon. The Midheaven
    // is left 0.
    PointArray<double> pointLongitudesDeg;
    // Each body's longitude taken apart in sign, whole degrees, minutes and
    // seconds: the equal houses and the position texts come from these.
    BodyArray<ZodiacPosition> zodiacPositions;
    // The sign each body stands in, that of its zodiac position.
    BodyArray<Sign> signs;
    // Retrograde on the local birth date (only Mercury ... Pluto can be).
    BodyArray<bool> retrograde;
    // House 1..12 of Sun ... Pluto as the report counts it; always 0 for the
    // Ascendant.
    BodyArray<int> houses;

    Sign sunSign() const { return signs[Body::Sun]; }
    Sign moonSign() const { return signs[Body::Moon]; }
    Sign ascendantSign() const { return signs[Body::Ascendant]; }

    // The universal moment the chart was computed for, in each count its
    // methods use; moment.universalTime is the universal date and time.
    BirthMoment moment;

    // The method that computed longitudesDeg; every sign and house above
    // comes from those longitudes.
    Positions positions = Positions::Classic;

    // The house system whose cusps are given (Porphyry when the one asked for
    // has no solution here), and why the one asked for was not used.
    HouseSystem houseSystem = kDefaultHouseSystem;
    HouseSystem houseSystemAsked = kDefaultHouseSystem;
    HouseNote houseNote = HouseNote::None;
    // The twelve cusps, house 1 first, degrees 0 to below 360. For the equal
    // houses these are the report's whole degrees.
    std::array<double, 12> cuspsDeg{};
    // Asc, MC, Dsc, IC and Vertex from the sidereal time and obliquity the
    // positions use (mean ones for classic, apparent and true for precise).
    ChartAngles angles;
    // Daily motion, degrees a day: Sun ... Pluto by the built-in method
    // (chart/ChartSpeeds.h), the Ascendant from the Earth's turn.
    BodyArray<double> speedsDegPerDay;
    // The aspects among Sun ... Pluto, Asc, MC, Chiron and the nodes, in chart order.
    std::vector<AspectFound> aspects;
    AspectSet aspectSet = AspectSet::Major;
    // Whether the speeds and aspects were computed, and so whether the JSON
    // carries the houses and aspects (ChartChoices::housesAndAspects).
    bool housesAndAspects = true;

    // Both birth-time windows, once addBirthTimeWindows (windows/) has
    // searched them; empty for a chart that did not ask for them (a batch
    // without them, a progressed, return or composite chart).
    std::optional<BirthTimeWindows> windows;
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
ChartResult computeChart(const BirthData& birth, UtCorrection correction, Positions positions,
                         const ChartChoices& choices = {});

// The chart of an input that passed checkBirthInput.
ChartResult runChart(const BirthInput& input, const ChartChoices& choices = {});

// The whole "Proceed": the check, then the chart. A refusal computes nothing.
std::variant<ChartResult, InputRefusal> chartOfInput(const BirthInput& input,
                                                     const ChartChoices& choices = {});

// The values a chart is drawn from when they are not the sky of one moment
// and place: a progressed chart (its angles moved by the solar arc) or a
// composite one (midpoints of two charts).
struct ChartValues {
    // Sun ... Pluto, the Ascendant, Chiron, the nodes and Lilith; the
    // Midheaven is the cusps' and the Part of Fortune is computed.
    PointArray<double> longitudesDeg;
    // Daily motions of Sun ... Pluto (a negative one marks the planet
    // retrograde), the Ascendant and the Midheaven.
    PointArray<double> speedsDegPerDay;
    // The house system, its cusps and angles; for the equal houses the cusps
    // are counted from the Ascendant's whole degree as in every chart.
    HouseCusps cusps;
    // The universal moment the chart is shown for.
    UniversalMoment universalTime;
};

// Draws a chart from given values: the zodiac positions, signs, houses, cusps,
// the Part of Fortune, the aspects and the retrograde marks, the same way a
// chart run writes them from its own positions. The input is left as
// constructed and the method is Precise.
ChartResult chartOfValues(const BirthData& birth, UtCorrection correction,
                          const ChartValues& values, const ChartChoices& choices = {});

} // namespace orbenza
