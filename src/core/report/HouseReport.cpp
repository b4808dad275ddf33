#include "report/HouseReport.h"

#include "base/Body.h"
#include "base/Sign.h"
#include "report/InterpretationTexts.h"

#include <cstdint>
#include <initializer_list>

namespace orbenza {

namespace {

constexpr int kPrefixLength = 6;     // "dd Sss"
constexpr int kDegreesPerHouse = 30; // equal houses of 30 whole degrees
constexpr int kDegreesPerSign = 30;
constexpr int kSignCount = static_cast<int>(orbenza::kSignCount);

constexpr std::uint32_t packAbbreviation(char a, char b, char c) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(a)) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(b)) << 8) |
           (static_cast<std::uint32_t>(static_cast<unsigned char>(c)) << 16);
}

constexpr std::array<std::uint32_t, kSignCount> kPackedAbbreviations = [] {
    std::array<std::uint32_t, kSignCount> packed{};
    for (int n = 0; n < kSignCount; ++n) {
        const auto at = 3 * static_cast<std::size_t>(n);
        packed[static_cast<std::size_t>(n)] = packAbbreviation(
            SIGN_ABBREVIATIONS[at], SIGN_ABBREVIATIONS[at + 1], SIGN_ABBREVIATIONS[at + 2]);
    }
    return packed;
}();

// Sign index 0..11 of a case-sensitive three-letter abbreviation, -1 if none.
int signIndexOf(char a, char b, char c) {
    const std::uint32_t key = packAbbreviation(a, b, c);
    for (int n = 0; n < kSignCount; ++n) {
        if (kPackedAbbreviations[static_cast<std::size_t>(n)] == key)
            return n;
    }
    return -1;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Slow path: the index of the label equal to `label`, scanning the whole table.
int findLabel(std::string_view label) {
    const auto& names = degreeName();
    for (int k = 1; k <= kDegreeCount; ++k) {
        if (names[static_cast<std::size_t>(k)] == label)
            return k;
    }
    return 0;
}

// Text made of the given pieces, allocated once.
std::string joined(std::initializer_list<std::string_view> pieces) {
    std::size_t size = 0;
    for (std::string_view piece : pieces)
        size += piece.size();
    std::string text;
    text.reserve(size);
    for (std::string_view piece : pieces)
        text.append(piece);
    return text;
}

constexpr std::string_view kLineBreak = "\r\n";
constexpr std::string_view kTwoLineBreaks = "\r\n\r\n";

// Every text a report run can hold, with its line breaks, by house 1..12 (slot 0
// unused) and planet 0..9.
struct RunTexts {
    std::array<std::array<std::string, kReportPlanetCount>, kHouseCount + 1> planetHeading;
    std::array<std::array<std::string, kReportPlanetCount>, kHouseCount + 1> planetInHouse;
    std::array<std::string, kReportPlanetCount> characteristicsHeading;
    std::array<std::string, kReportPlanetCount> characteristicsText;
    std::array<std::string, kHouseCount + 1> houseHeading;
    std::array<std::string, kHouseCount + 1> houseText;
};

const RunTexts& runTexts() {
    // Built once, thread-safely, and never destroyed, so that the views handed
    // out in report runs stay valid until the program ends.
    static const RunTexts* const texts = [] {
        auto* built = new RunTexts;
        for (int planet = 0; planet < kReportPlanetCount; ++planet) {
            const auto p = static_cast<std::size_t>(planet);
            const PlanetCharacteristicsEntry entry = planetCharacteristics(planet);
            built->characteristicsHeading[p] = joined({entry.heading, kLineBreak});
            built->characteristicsText[p] = joined({entry.text, kTwoLineBreaks});
        }
        for (int house = 1; house <= kHouseCount; ++house) {
            const auto h = static_cast<std::size_t>(house);
            built->houseHeading[h] = joined({houseDescriptionHeading(house), kLineBreak});
            built->houseText[h] = joined({houseDesc(house), kTwoLineBreaks});
            for (int planet = 0; planet < kReportPlanetCount; ++planet) {
                const auto p = static_cast<std::size_t>(planet);
                built->planetHeading[h][p] =
                    joined({planetHeadingPrefix(planet), " ", houseName(house), kLineBreak});
                built->planetInHouse[h][p] =
                    joined({planetInHouseText(house, planet), kTwoLineBreaks});
            }
        }
        return built;
    }();
    return *texts;
}

} // namespace

int degreeIndexOfPrefix(std::string_view positionText) {
    if (positionText.size() < static_cast<std::size_t>(kPrefixLength))
        return 0;
    const char* p = positionText.data();
    if (!isDigit(p[0]) || !isDigit(p[1]) || p[2] != ' ')
        return 0;
    const int degree = (p[0] - '0') * 10 + (p[1] - '0'); // whole degrees within the sign
    if (degree >= kDegreesPerSign)
        return 0;
    const int sign = signIndexOf(p[3], p[4], p[5]);
    if (sign < 0)
        return 0;

    // The prefix names the label of degree number degree + 1 of that sign.
    const int labelDegree = degree + 1;
    const char label[kPrefixLength] = {static_cast<char>('0' + labelDegree / 10),
                                       static_cast<char>('0' + labelDegree % 10),
                                       ' ',
                                       p[3],
                                       p[4],
                                       p[5]};
    const std::string_view wanted(label, kPrefixLength);

    // Expected slot of that label; confirm against the label table, which decides.
    const int k = sign * kDegreesPerSign + labelDegree;
    if (degreeName()[static_cast<std::size_t>(k)] == wanted)
        return k;
    return findLabel(wanted);
}

bool houseContains(const HousePlacement& placement, int house, int degreeIndex) {
    if (house < 1 || house > kHouseCount)
        return false;
    const int start = placement.houseStart[static_cast<std::size_t>(house)];
    const int end = placement.houseEnd[static_cast<std::size_t>(house)];
    if (start == 0 || end == 0)
        return false; // unset house: holds no degree
    if (start <= end)
        return start <= degreeIndex && degreeIndex <= end;
    return degreeIndex >= start || degreeIndex <= end; // runs across 360 back to 1
}

HousePlacement placeHouses(const ChartPositions& planetPositions) {
    std::array<int, kBodyCount> degreeIndexes{};
    for (std::size_t body = 0; body < kBodyCount; ++body)
        degreeIndexes[body] = degreeIndexOfPrefix(planetPositions[body]);
    return placeHousesAt(degreeIndexes);
}

HousePlacement placeHousesAt(const std::array<int, kBodyCount>& degreeIndexes) {
    HousePlacement placement;
    const int ascendant = degreeIndexes[indexOf(Body::Ascendant)];
    if (ascendant == 0)
        return placement; // malformed Ascendant: no houses, no planets placed

    placement.ascendantFound = true;
    // House h covers the 30 indexes from ascendant + 30 (h - 1) onward, around the circle.
    int start = ascendant;
    for (int h = 1; h <= kHouseCount; ++h) {
        int end = start + kDegreesPerHouse - 1;
        if (end > kDegreeCount)
            end -= kDegreeCount;
        placement.houseStart[static_cast<std::size_t>(h)] = static_cast<std::int16_t>(start);
        placement.houseEnd[static_cast<std::size_t>(h)] = static_cast<std::int16_t>(end);
        start = end + 1;
        if (start > kDegreeCount)
            start -= kDegreeCount;
    }

    for (int planet = 0; planet < kReportPlanetCount; ++planet) {
        const int index = degreeIndexes[static_cast<std::size_t>(planet)];
        if (index == 0)
            continue; // malformed position: the planet stays out of the report
        // The twelve houses cover the circle once each, so the first house
        // holding the degree is the one the count from the Ascendant names.
        const int h = (index - ascendant + kDegreeCount) % kDegreeCount / kDegreesPerHouse + 1;
        placement.houseOccupied[static_cast<std::size_t>(h)] = true;
        placement.planetHouse[static_cast<std::size_t>(planet)] = h;
    }
    return placement;
}

Rgb planetHeadingColor(int planet) {
    return planet % 2 == 0 ? kReportDarkRed : kReportBlue;
}

std::vector<ReportRun> houseReport(const HousePlacement& placement) {
    std::vector<ReportRun> runs;

    std::size_t runCount = 0;
    for (int h = 1; h <= kHouseCount; ++h) {
        if (!placement.houseOccupied[static_cast<std::size_t>(h)])
            continue;
        runCount += 2;
        for (int planet = 0; planet < kReportPlanetCount; ++planet) {
            if (placement.planetHouse[static_cast<std::size_t>(planet)] == h)
                runCount += 4;
        }
    }
    runs.reserve(runCount);

    const RunTexts& texts = runTexts();
    for (int house = 1; house <= kHouseCount; ++house) {
        const auto h = static_cast<std::size_t>(house);
        if (!placement.houseOccupied[h])
            continue;
        for (int planet = 0; planet < kReportPlanetCount; ++planet) {
            const auto p = static_cast<std::size_t>(planet);
            if (placement.planetHouse[p] != house)
                continue;
            const Rgb color = planetHeadingColor(planet);
            runs.push_back({texts.planetHeading[h][p], true, color});
            runs.push_back({texts.planetInHouse[h][p], false, kReportBlack});
            runs.push_back({texts.characteristicsHeading[p], true, color});
            runs.push_back({texts.characteristicsText[p], false, kReportBlack});
        }
        runs.push_back({texts.houseHeading[h], true, kReportDarkRed});
        runs.push_back({texts.houseText[h], false, kReportBlack});
    }
    return runs;
}

std::vector<ReportRun> houseReport(const ChartPositions& planetPositions) {
    return houseReport(placeHouses(planetPositions));
}

std::string reportPlainText(const std::vector<ReportRun>& runs) {
    std::size_t size = 0;
    for (const ReportRun& run : runs)
        size += run.text.size();
    std::string text;
    text.reserve(size);
    for (const ReportRun& run : runs)
        text.append(run.text);
    return text;
}

} // namespace orbenza
