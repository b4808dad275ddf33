#include "report/HouseReport.h"

#include "base/Body.h"
#include "report/InterpretationTexts.h"

#include <initializer_list>

namespace orbenza {

namespace {

constexpr int kDegreesPerHouse = 30; // equal houses of 30 whole degrees

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

RunTexts* buildRunTexts(Language language) {
    auto* built = new RunTexts;
    for (int planet = 0; planet < kReportPlanetCount; ++planet) {
        const auto p = static_cast<std::size_t>(planet);
        const PlanetCharacteristicsEntry entry = planetCharacteristics(planet, language);
        built->characteristicsHeading[p] = joined({entry.heading, kLineBreak});
        built->characteristicsText[p] = joined({entry.text, kTwoLineBreaks});
    }
    for (int house = 1; house <= kHouseCount; ++house) {
        const auto h = static_cast<std::size_t>(house);
        built->houseHeading[h] = joined({houseDescriptionHeading(house, language), kLineBreak});
        built->houseText[h] = joined({houseDesc(house, language), kTwoLineBreaks});
        for (int planet = 0; planet < kReportPlanetCount; ++planet) {
            const auto p = static_cast<std::size_t>(planet);
            built->planetHeading[h][p] =
                joined({planetInHouseHeading(planet, house, language), kLineBreak});
            built->planetInHouse[h][p] =
                joined({planetInHouseText(house, planet, language), kTwoLineBreaks});
        }
    }
    return built;
}

const RunTexts& runTexts(Language language) {
    // Built once per language, thread-safely, and never destroyed, so that the
    // views handed out in report runs stay valid until the program ends.
    static const std::array<const RunTexts*, kLanguageCount> texts = [] {
        std::array<const RunTexts*, kLanguageCount> all{};
        for (std::size_t i = 0; i < kLanguageCount; ++i)
            all[i] = buildRunTexts(languageAt(i));
        return all;
    }();
    return *texts[indexOf(language) < kLanguageCount ? indexOf(language) : 0];
}

} // namespace

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

std::vector<ReportRun> houseReport(const HousePlacement& placement, Language language) {
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

    const RunTexts& texts = runTexts(language);
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
