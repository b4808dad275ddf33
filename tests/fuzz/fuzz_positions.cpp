// Any bytes as a chart's longitudes: the zodiac positions, the texts written
// from them, the equal houses and the report.
//
// Every four bytes make a longitude within two turns either way; the first
// eleven are the chart's bodies (Sun .. Pluto, then the Ascendant), a body
// past the end of the input has no position.
//
// Promises checked:
// - a longitude's zodiac position names its whole degree of the circle (of the
//   absolute value), and its short text "DD Sss MM" and long text
//   "D° M' S\" Sss" carry the same degrees, minutes and sign;
// - the houses are twelve runs of 30 degree indexes from the Ascendant's, and
//   each planet with a position lies in the house that holds it;
// - the report names every planet with a house exactly once, in house order,
//   each house with its description once, and nothing for empty houses.
#include "FuzzSupport.h"
#include "base/Sign.h"
#include "present/PositionText.h"
#include "report/HouseReport.h"
#include "report/InterpretationTexts.h"

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

using namespace orbenza;
using orbenza::fuzz::printable;

namespace {

// A longitude from four bytes, finite and within two turns either way.
double longitudeFrom(const std::uint8_t* bytes) {
    std::uint32_t raw = 0;
    std::memcpy(&raw, bytes, sizeof raw);
    return (static_cast<double>(raw) / 4294967295.0) * 1440.0 - 720.0;
}

// The degree index 1..360 of a longitude's whole degree around the circle.
int expectedIndex(double longitudeDeg) {
    return static_cast<int>(std::floor(std::fabs(longitudeDeg))) % 360 + 1;
}

void checkLongitude(double longitudeDeg) {
    const ZodiacPosition position = zodiacPositionOf(longitudeDeg);
    const std::string shortText = shortPositionText(position);
    const std::string text = positionText(position);
    const std::string what = "longitude " + std::to_string(longitudeDeg) + " -> \"" +
                             printable(text) + "\", \"" + printable(shortText) + "\"";
    FUZZ_CHECK(degreeIndexOf(position) == expectedIndex(longitudeDeg),
               what + " gives index " + std::to_string(degreeIndexOf(position)));
    FUZZ_CHECK(position.minutes >= 0 && position.minutes < 60 && position.seconds >= 0 &&
                   position.seconds < 60,
               what);
    FUZZ_CHECK(fuzz::isShortPosition(shortText), what);
    FUZZ_CHECK(std::stoi(shortText.substr(0, 2)) == position.degrees &&
                   std::stoi(shortText.substr(7, 2)) == position.minutes,
               what);
    const std::string_view sign = signAbbreviation(position.sign);
    FUZZ_CHECK(shortText.substr(3, 3) == sign &&
                   text.ends_with(std::string("\" ") + std::string(sign)),
               what);
    FUZZ_CHECK(text.starts_with(std::to_string(position.degrees) + "\xC2\xB0 " +
                                std::to_string(position.minutes) + "' " +
                                std::to_string(position.seconds) + "\""),
               what);
}

std::string planetHeading(int planet, int house) {
    return std::string(planetHeadingPrefix(planet)) + " " + std::string(houseName(house)) + "\r\n";
}

void checkHousesAndReport(const std::array<int, kBodyCount>& indexes, std::string_view input) {
    const HousePlacement placement = placeHousesAt(indexes);
    const int ascendant = indexes[orbenza::indexOf(orbenza::Body::Ascendant)];
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
        const int index = indexes[p];
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
    std::array<int, kBodyCount> indexes{};
    for (std::size_t at = 0, slot = 0; at + 4 <= size; at += 4, ++slot) {
        const double longitudeDeg = longitudeFrom(data + at);
        checkLongitude(longitudeDeg);
        if (slot < indexes.size())
            indexes[slot] = degreeIndexOf(zodiacPositionOf(longitudeDeg));
    }
    checkHousesAndReport(indexes, std::string_view(reinterpret_cast<const char*>(data), size));
    return 0;
}
