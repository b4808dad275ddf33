#include "report/InterpretationTexts.h"

#include "base/Body.h"
#include "base/Sign.h"
#include "report/texts/InterpretationTextData.h"

#include <cstddef>

namespace orbenza {
namespace {

constexpr bool isPlanet(int planet) {
    return planet >= 0 && planet < kReportPlanetCount;
}
constexpr bool isHouse(int house) {
    return house >= 1 && house <= kHouseCount;
}

constexpr std::array<std::string_view, kReportPlanetCount> kPlanetHeadingPrefixes = {
    "Sun In",     "Moon In",   "Mercury In", "Venus In",   "Mars In",
    "Jupiter In", "Saturn In", "Uranus In",  "Neptune In", "Pluto In"};

// Slot 0 stays empty: houses are numbered from 1.
constexpr std::array<std::string_view, kHouseCount + 1> kHouseNames = {
    "",
    "First House",
    "Second House",
    "Third House",
    "Fourth House",
    "Fifth House",
    "Sixth House",
    "Seventh House",
    "Eighth House",
    "Ninth House",
    "Tenth House",
    "Eleventh House",
    "Twelfth House",
};

constexpr std::array<std::string_view, kHouseCount + 1> kHouseDescriptionHeadings = {
    "",
    "More About First House",
    "More About Second House",
    "More About Third House",
    "More About Fourth House",
    "More About Fifth House",
    "More About Sixth House",
    "More About Seventh House",
    "More About Eighth House",
    "More About Ninth House",
    "More About Tenth House",
    "More About Eleventh House",
    "More About Twelfth House",
};

constexpr std::array<std::string_view, kReportPlanetCount> kCharacteristicsHeadings = {
    "Characteristics Of Planet Sun :-",     "Characteristics Of Planet Moon :-",
    "Characteristics Of Planet Mercury :-", "Characteristics Of Planet Venus :-",
    "Characteristics Of Planet Mars :-",    "Characteristics Of Planet Jupiter :-",
    "Characteristics Of Planet Saturn :-",  "Characteristics Of Planet Uranus :-",
    "Characteristics Of Planet Neptune :-", "Characteristics Of Planet Pluto :-"};

constexpr std::size_t kLabelLength = 6; // "DD Sss"

// The characters of labels 1..360 one after the other, six per label, built at
// compile time; the views of degreeName() point into this block.
constexpr std::array<char, kDegreeCount * kLabelLength> buildLabelCharacters() {
    std::array<char, kDegreeCount * kLabelLength> chars{};
    for (int index = 1; index <= kDegreeCount; ++index) {
        const int sign = (index - 1) / 30;    // 0 Aries .. 11 Pisces
        const int degree = index - sign * 30; // 1..30 within the sign
        char* label = chars.data() + static_cast<std::size_t>(index - 1) * kLabelLength;
        label[0] = static_cast<char>('0' + degree / 10);
        label[1] = static_cast<char>('0' + degree % 10);
        label[2] = ' ';
        for (std::size_t i = 0; i < 3; ++i)
            label[3 + i] = SIGN_ABBREVIATIONS[static_cast<std::size_t>(sign) * 3 + i];
    }
    return chars;
}
constexpr std::array<char, kDegreeCount* kLabelLength> kLabelCharacters = buildLabelCharacters();

constexpr std::array<std::string_view, kDegreeCount + 1> buildDegreeNames() {
    std::array<std::string_view, kDegreeCount + 1> names{}; // slot 0 stays empty
    for (std::size_t index = 1; index <= kDegreeCount; ++index)
        names[index] =
            std::string_view(kLabelCharacters.data() + (index - 1) * kLabelLength, kLabelLength);
    return names;
}
constexpr std::array<std::string_view, kDegreeCount + 1> kDegreeNames = buildDegreeNames();

static_assert(kDegreeNames[1] == "01 Ari" && kDegreeNames[30] == "30 Ari" &&
              kDegreeNames[31] == "01 Tau" && kDegreeNames[181] == "01 Lib" &&
              kDegreeNames[kDegreeCount] == "30 Pis");

} // namespace

std::string_view reportPlanetName(int planet) {
    return isPlanet(planet) ? bodyName(bodyAt(static_cast<std::size_t>(planet)))
                            : std::string_view{};
}

std::string_view planetHeadingPrefix(int planet) {
    return isPlanet(planet) ? kPlanetHeadingPrefixes[planet] : std::string_view{};
}

std::string_view houseName(int house) {
    return isHouse(house) ? kHouseNames[house] : std::string_view{};
}

std::string_view houseDescriptionHeading(int house) {
    return isHouse(house) ? kHouseDescriptionHeadings[house] : std::string_view{};
}

std::string_view houseDesc(int house) {
    return isHouse(house) ? texts::kHouseDescriptions[house] : std::string_view{};
}

std::string_view planetInHouseText(int house, int planet) {
    return isHouse(house) && isPlanet(planet) ? texts::kPlanetInHouseTexts[house][planet]
                                              : std::string_view{};
}

PlanetCharacteristicsEntry planetCharacteristics(int planet) {
    if (!isPlanet(planet))
        return {};
    return {kCharacteristicsHeadings[planet], texts::kPlanetCharacteristics[planet]};
}

const std::array<std::string_view, kDegreeCount + 1>& degreeName() {
    return kDegreeNames;
}

} // namespace orbenza
