#include "report/InterpretationTexts.h"

#include "base/Body.h"
#include "base/Sign.h"
#include "report/ReportWords.h"
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

// Out of range: English.
const texts::ProseTables& proseOf(Language language) {
    return texts::kProseTables[indexOf(language) < kLanguageCount ? indexOf(language) : 0];
}

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
        const std::string_view abbreviation =
            signAbbreviation(signAt(static_cast<std::size_t>(sign)));
        for (std::size_t i = 0; i < 3; ++i)
            label[3 + i] = abbreviation[i];
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

std::string_view reportPlanetName(int planet, Language language) {
    return isPlanet(planet) ? reportWords(language).pointNames[static_cast<std::size_t>(planet)]
                            : std::string_view{};
}

std::string_view planetHeadingPrefix(int planet, Language language) {
    return isPlanet(planet)
               ? reportWords(language).planetHeadingPrefixes[static_cast<std::size_t>(planet)]
               : std::string_view{};
}

std::string_view houseName(int house, Language language) {
    return isHouse(house) ? reportWords(language).houseNames[static_cast<std::size_t>(house)]
                          : std::string_view{};
}

std::string planetInHouseHeading(int planet, int house, Language language) {
    if (!isPlanet(planet) || !isHouse(house))
        return {};
    return fillPattern(reportWords(language).planetInHouse,
                       {planetHeadingPrefix(planet, language), houseName(house, language)});
}

std::string_view houseDescriptionHeading(int house, Language language) {
    return isHouse(house)
               ? reportWords(language).houseDescriptionHeadings[static_cast<std::size_t>(house)]
               : std::string_view{};
}

std::string_view houseDesc(int house, Language language) {
    if (!isHouse(house))
        return {};
    return (*proseOf(language).houseDescriptions)[static_cast<std::size_t>(house)];
}

std::string_view planetInHouseText(int house, int planet, Language language) {
    if (!isHouse(house) || !isPlanet(planet))
        return {};
    return (*proseOf(language)
                 .planetInHouse)[static_cast<std::size_t>(house)][static_cast<std::size_t>(planet)];
}

PlanetCharacteristicsEntry planetCharacteristics(int planet, Language language) {
    if (!isPlanet(planet))
        return {};
    const auto p = static_cast<std::size_t>(planet);
    return {reportWords(language).characteristicsHeadings[p],
            (*proseOf(language).characteristics)[p]};
}

const std::array<std::string_view, kDegreeCount + 1>& degreeName() {
    return kDegreeNames;
}

namespace texts {

const std::array<ProseTables, kLanguageCount> kProseTables{{
    {&kHouseDescriptions, &kPlanetInHouseTexts, &kPlanetCharacteristics, &kAspectTexts},
    {&de::kHouseDescriptions, &de::kPlanetInHouseTexts, &de::kPlanetCharacteristics,
     &de::kAspectTexts},
    {&fr::kHouseDescriptions, &fr::kPlanetInHouseTexts, &fr::kPlanetCharacteristics,
     &fr::kAspectTexts},
    {&es::kHouseDescriptions, &es::kPlanetInHouseTexts, &es::kPlanetCharacteristics,
     &es::kAspectTexts},
    {&it::kHouseDescriptions, &it::kPlanetInHouseTexts, &it::kPlanetCharacteristics,
     &it::kAspectTexts},
    {&pt_BR::kHouseDescriptions, &pt_BR::kPlanetInHouseTexts, &pt_BR::kPlanetCharacteristics,
     &pt_BR::kAspectTexts},
    {&hi::kHouseDescriptions, &hi::kPlanetInHouseTexts, &hi::kPlanetCharacteristics,
     &hi::kAspectTexts},
}};

} // namespace texts

} // namespace orbenza
