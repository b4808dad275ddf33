// Any bytes as position texts: the short position, the degree index of a
// position's prefix, the equal houses and the report.
//
// The input is split at line feeds; the first eleven pieces are the chart's
// PlanetPositions (Sun .. Pluto, then the Ascendant; missing ones empty), and
// every piece also goes through shortPosition and degreeIndexOfPrefix alone.
// The first eight bytes, read as two longitudes, also take the way a real
// chart does: formatPosition, shortPosition, degreeIndexOfPrefix.
//
// Promises checked:
// - degreeIndexOfPrefix gives 0 or 1..360, and 1..360 exactly when the first
//   six characters are "dd Sss" (degree 00..29, a known sign); the index is
//   then the degreeName label "DD Sss" with DD = dd + 1;
// - a formatted longitude always shortens to "DD Sss MM" naming its degree;
// - the houses are twelve runs of 30 degree indexes from the Ascendant's, and
//   each planet with a readable position lies in the house that holds it;
// - the report names every planet with a house exactly once, in house order,
//   each house with its description once, and nothing for empty houses.
#include "DegreeLabels.h"
#include "FuzzSupport.h"
#include "moon/MoonPosition.h"
#include "positions/PlanetRun.h"
#include "report/HouseReport.h"
#include "report/InterpretationTexts.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

using namespace orbenza;
using orbenza::fuzz::printable;

namespace {

// The degree index named by a well-formed prefix, computed here from the sign
// order; 0 when the prefix is not "dd Sss".
int expectedIndex(std::string_view text) {
    if (text.size() < 6 || !fuzz::isTwoDigits(text.substr(0, 2), 29) || text[2] != ' ')
        return 0;
    const int sign = fuzz::signOfAbbreviation(text.substr(3, 3));
    if (sign < 0)
        return 0;
    return sign * 30 + (text[0] - '0') * 10 + (text[1] - '0') + 1;
}

void checkPrefix(std::string_view text) {
    const int index = degreeIndexOfPrefix(text);
    FUZZ_CHECK(index >= 0 && index <= kDegreeCount,
               "index " + std::to_string(index) + " for \"" + printable(text) + "\"");
    FUZZ_CHECK(index == expectedIndex(text), "index " + std::to_string(index) + " for \"" +
                                                 printable(text) + "\", expected " +
                                                 std::to_string(expectedIndex(text)));
    if (index != 0) {
        const std::string_view label = degreeName()[static_cast<std::size_t>(index)];
        const int dd = (text[0] - '0') * 10 + (text[1] - '0') + 1;
        const std::string expected = std::string(1, static_cast<char>('0' + dd / 10)) +
                                     static_cast<char>('0' + dd % 10) + " " +
                                     std::string(text.substr(3, 3));
        FUZZ_CHECK(label == expected,
                   "label \"" + std::string(label) + "\" for \"" + printable(text) + "\"");
        FUZZ_CHECK(degreeIndexOfLabel(label) == index,
                   "label and index disagree for \"" + std::string(label) + "\"");
    }
}

// A longitude from four bytes, finite and within two turns either way.
double longitudeFrom(const std::uint8_t* bytes) {
    std::uint32_t raw = 0;
    std::memcpy(&raw, bytes, sizeof raw);
    return (static_cast<double>(raw) / 4294967295.0) * 1440.0 - 720.0;
}

void checkFormattedLongitude(double longitudeDeg) {
    const std::string text = formatPosition(longitudeDeg);
    const std::string shortText = shortPosition(text);
    const std::string what = "longitude " + std::to_string(longitudeDeg) + " -> \"" +
                             printable(text) + "\" -> \"" + printable(shortText) + "\"";
    FUZZ_CHECK(fuzz::isShortPosition(shortText), what);
    // Whole degrees of the absolute value, counted around the circle.
    const auto wholeDegrees = static_cast<int>(std::floor(std::fabs(longitudeDeg))) % 360;
    FUZZ_CHECK(degreeIndexOfPrefix(shortText) == wholeDegrees + 1,
               what + " gives index " + std::to_string(degreeIndexOfPrefix(shortText)));
}

std::string planetHeading(int planet, int house) {
    return std::string(planetHeadingPrefix(planet)) + " " + std::string(houseName(house)) + "\r\n";
}

void checkHousesAndReport(const ChartPositions& positions, std::string_view input) {
    const HousePlacement placement = placeHouses(positions);
    const int ascendant = expectedIndex(positions[orbenza::indexOf(orbenza::Body::Ascendant)]);
    FUZZ_CHECK(placement.ascendantFound == (ascendant != 0),
               "Ascendant found wrongly; input: " + printable(input));

    int occupiedHouses = 0;
    int placedPlanets = 0;
    for (int house = 1; house <= kHouseCount; ++house) {
        const auto h = static_cast<std::size_t>(house);
        if (ascendant == 0) {
            FUZZ_CHECK(placement.houseStart[h] == 0 && placement.houseEnd[h] == 0 &&
                           !placement.houseOccupied[h],
                       "a house without an Ascendant; input: " + printable(input));
            continue;
        }
        const int start = (ascendant - 1 + 30 * (house - 1)) % 360 + 1;
        const int end = (start - 1 + 29) % 360 + 1;
        FUZZ_CHECK(placement.houseStart[h] == start && placement.houseEnd[h] == end,
                   "house " + std::to_string(house) + " runs " +
                       std::to_string(placement.houseStart[h]) + ".." +
                       std::to_string(placement.houseEnd[h]) + ", expected " +
                       std::to_string(start) + ".." + std::to_string(end) +
                       "; input: " + printable(input));
        occupiedHouses += placement.houseOccupied[h] ? 1 : 0;
    }
    for (int planet = 0; planet < kReportPlanetCount; ++planet) {
        const auto p = static_cast<std::size_t>(planet);
        const int index = expectedIndex(positions[p]);
        int expectedHouse = 0;
        if (ascendant != 0 && index != 0)
            expectedHouse = ((index - ascendant + 360) % 360) / 30 + 1;
        FUZZ_CHECK(placement.planetHouse[p] == expectedHouse,
                   "planet " + std::to_string(planet) + " in house " +
                       std::to_string(placement.planetHouse[p]) + ", expected " +
                       std::to_string(expectedHouse) + "; input: " + printable(input));
        if (expectedHouse != 0) {
            ++placedPlanets;
            FUZZ_CHECK(placement.houseOccupied[static_cast<std::size_t>(expectedHouse)],
                       "an occupied house not marked; input: " + printable(input));
        }
    }

    const std::vector<ReportRun> runs = houseReport(placement);
    FUZZ_CHECK(runs.size() == static_cast<std::size_t>(4 * placedPlanets + 2 * occupiedHouses),
               std::to_string(runs.size()) + " report runs for " + std::to_string(placedPlanets) +
                   " planets in " + std::to_string(occupiedHouses) +
                   " houses; input: " + printable(input));
    // Walk the runs house by house, planet by planet, as the report lays them out.
    std::size_t at = 0;
    for (int house = 1; house <= kHouseCount; ++house) {
        bool occupied = false;
        for (int planet = 0; planet < kReportPlanetCount; ++planet) {
            if (placement.planetHouse[static_cast<std::size_t>(planet)] != house)
                continue;
            occupied = true;
            FUZZ_CHECK(at + 4 <= runs.size(), "the report ends early; input: " + printable(input));
            FUZZ_CHECK(runs[at].heading && runs[at].text == planetHeading(planet, house) &&
                           runs[at].color == planetHeadingColor(planet),
                       "expected the heading \"" + planetHeading(planet, house) + "\", found \"" +
                           printable(runs[at].text) + "\"; input: " + printable(input));
            FUZZ_CHECK(!runs[at + 1].heading &&
                           runs[at + 1].text.starts_with(planetInHouseText(house, planet)),
                       "planet text out of place; input: " + printable(input));
            FUZZ_CHECK(runs[at + 2].heading &&
                           runs[at + 2].text.starts_with(planetCharacteristics(planet).heading),
                       "characteristics heading out of place; input: " + printable(input));
            FUZZ_CHECK(!runs[at + 3].heading,
                       "characteristics text out of place; input: " + printable(input));
            at += 4;
        }
        if (occupied) {
            FUZZ_CHECK(at + 2 <= runs.size(), "the report ends early; input: " + printable(input));
            FUZZ_CHECK(runs[at].heading &&
                           runs[at].text.starts_with(houseDescriptionHeading(house)) &&
                           runs[at].color == kReportDarkRed,
                       "house heading out of place; input: " + printable(input));
            FUZZ_CHECK(!runs[at + 1].heading && runs[at + 1].text.starts_with(houseDesc(house)),
                       "house description out of place; input: " + printable(input));
            at += 2;
        }
    }
    FUZZ_CHECK(at == runs.size(),
               "runs left over after the last house; input: " + printable(input));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size >= 8) {
        checkFormattedLongitude(longitudeFrom(data));
        checkFormattedLongitude(longitudeFrom(data + 4));
    }

    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    ChartPositions positions;
    std::size_t slot = 0;
    for (std::string_view piece : fuzz::splitAt(bytes, '\n')) {
        checkPrefix(piece);
        const std::string shortText = shortPosition(piece);
        checkPrefix(shortText);
        if (slot < positions.size())
            positions[slot++] = std::string(piece);
    }
    checkHousesAndReport(positions, bytes);
    return 0;
}
