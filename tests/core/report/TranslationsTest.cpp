// Every language's tables are whole: each key has a text, no text is empty,
// and a translation is not the English left in place.
#include "base/Language.h"
#include "report/AspectReport.h"
#include "report/InterpretationTexts.h"
#include "report/ReportWords.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

namespace orbenza {
namespace {

constexpr AspectFamily kFamilies[] = {AspectFamily::Conjunction, AspectFamily::Harmonious,
                                      AspectFamily::Challenging};

std::string nameOf(const testing::TestParamInfo<Language>& info) {
    return std::string(languageCode(info.param));
}

class EveryLanguage : public testing::TestWithParam<Language> {};

TEST_P(EveryLanguage, HasATextForEveryKeyAndEveryTextIsItsOwn) {
    const Language language = GetParam();
    const bool translation = language != Language::English;
    std::set<std::string_view> inHouse;
    for (int house = 1; house <= kHouseCount; ++house) {
        const std::string_view description = houseDesc(house, language);
        EXPECT_FALSE(description.empty()) << "house " << house;
        if (translation) {
            EXPECT_NE(description, houseDesc(house)) << "house " << house << " left in English";
        }
        for (int planet = 0; planet < kReportPlanetCount; ++planet) {
            const std::string_view text = planetInHouseText(house, planet, language);
            EXPECT_FALSE(text.empty()) << "house " << house << ", planet " << planet;
            inHouse.insert(text);
        }
    }
    EXPECT_EQ(inHouse.size(), std::size_t{kHouseCount * kReportPlanetCount}) << "texts repeated";
    for (int planet = 0; planet < kReportPlanetCount; ++planet) {
        const PlanetCharacteristicsEntry entry = planetCharacteristics(planet, language);
        EXPECT_FALSE(entry.heading.empty() || entry.text.empty()) << "planet " << planet;
        if (translation) {
            EXPECT_NE(entry.text, planetCharacteristics(planet).text) << "planet " << planet;
        }
    }
    for (Body a : kAspectPoints) {
        for (Body b : kAspectPoints) {
            if (indexOf(a) >= indexOf(b) || !hasAspectText(a, b))
                continue;
            for (AspectFamily family : kFamilies) {
                EXPECT_FALSE(aspectText(a, b, family, language).empty())
                    << aspectPointName(a) << " " << aspectPointName(b);
            }
        }
    }
}

TEST_P(EveryLanguage, HasEveryWordAndNoNameTwice) {
    const ReportWords& words = reportWords(GetParam());
    EXPECT_TRUE(hasEveryWord(words));
    const auto distinct = [](const auto& names) {
        return std::set<std::string_view>(names.begin(), names.end()).size() == names.size();
    };
    EXPECT_TRUE(distinct(words.pointNames));
    EXPECT_TRUE(distinct(words.pointLabels));
    EXPECT_TRUE(distinct(words.signNames));
    EXPECT_TRUE(distinct(words.monthNames));
    EXPECT_TRUE(distinct(words.aspectNames));
    EXPECT_TRUE(distinct(words.houseNames));
    EXPECT_TRUE(distinct(words.signAbbreviations));
    EXPECT_TRUE(distinct(words.houseSystemNames));
    EXPECT_NE(words.clockCaution.find("%2"), std::string_view::npos);
    // Each pattern takes all of its arguments.
    EXPECT_NE(words.planetInHouse.find("%2"), std::string_view::npos);
    for (std::string_view pattern : {words.date, words.born, words.coordinates})
        EXPECT_NE(pattern.find("%2"), std::string_view::npos) << pattern;
    EXPECT_NE(words.date.find("%3"), std::string_view::npos);
}

INSTANTIATE_TEST_SUITE_P(Languages, EveryLanguage,
                         testing::Values(Language::English, Language::German, Language::French,
                                         Language::Spanish, Language::Italian,
                                         Language::BrazilianPortuguese, Language::Hindi),
                         nameOf);

TEST(Languages, AreFoundByCodeAndByLocaleName) {
    for (std::size_t i = 0; i < kLanguageCount; ++i)
        EXPECT_EQ(languageOfCode(languageCode(languageAt(i))), languageAt(i));
    EXPECT_EQ(languageOfCode("pt"), std::nullopt);
    EXPECT_EQ(languageOfCode("DE"), std::nullopt);

    EXPECT_EQ(languageOfLocaleName("de_DE.UTF-8"), Language::German);
    EXPECT_EQ(languageOfLocaleName("fr-CA"), Language::French);
    EXPECT_EQ(languageOfLocaleName("pt_PT"), Language::BrazilianPortuguese);
    EXPECT_EQ(languageOfLocaleName("pt_BR"), Language::BrazilianPortuguese);
    EXPECT_EQ(languageOfLocaleName("hi_IN@devanagari"), Language::Hindi);
    EXPECT_EQ(languageOfLocaleName("en_GB"), Language::English);
    EXPECT_EQ(languageOfLocaleName("C"), std::nullopt);
    EXPECT_EQ(languageOfLocaleName("POSIX"), std::nullopt);
    EXPECT_EQ(languageOfLocaleName(""), std::nullopt);
    EXPECT_EQ(languageOfLocaleName("ja_JP.UTF-8"), std::nullopt);
}

TEST(Patterns, PutTheArgumentsWhereTheLanguageWantsThem) {
    EXPECT_EQ(fillPattern("%2 in %1", {"a", "b"}), "b in a");
    EXPECT_EQ(fillPattern("%1%1", {"x"}), "xx");
    // A % that names no argument stays: a percentage, a missing argument, the end.
    EXPECT_EQ(fillPattern("50% of %3 %", {"a", "b"}), "50% of %3 %");
    EXPECT_EQ(fillPattern("", {"a"}), "");
}

TEST(TranslatedReport, PutsTheHouseBeforeThePlanetWhereTheLanguageDoes) {
    HousePlacement placement;
    placement.houseOccupied[1] = true;
    placement.planetHouse[0] = 1; // the Sun in the first house
    const std::vector<ReportRun> hindi = houseReport(placement, Language::Hindi);
    ASSERT_EQ(hindi.size(), 6u);
    EXPECT_EQ(hindi[0].text, "\xE0\xA4\xAA\xE0\xA5\x8D\xE0\xA4\xB0\xE0\xA4\xA5\xE0\xA4\xAE "
                             "\xE0\xA4\xAD\xE0\xA4\xBE\xE0\xA4\xB5 \xE0\xA4\xAE\xE0\xA5\x87\xE0"
                             "\xA4\x82 \xE0\xA4\xB8\xE0\xA5\x82\xE0\xA4\xB0\xE0\xA5\x8D\xE0\xA4"
                             "\xAF\r\n"); // "प्रथम भाव में सूर्य"
    // Same runs, formats and colours as the English report; only the words differ.
    const std::vector<ReportRun> english = houseReport(placement);
    for (std::size_t i = 0; i < english.size(); ++i) {
        EXPECT_EQ(hindi[i].heading, english[i].heading);
        EXPECT_EQ(hindi[i].color, english[i].color);
        EXPECT_NE(hindi[i].text, english[i].text);
    }
    const std::vector<ReportRun> aspects =
        aspectReport({{Body::Moon, Body::Sun, Aspect::Trine}}, Language::German);
    ASSERT_EQ(aspects.size(), 2u);
    EXPECT_EQ(aspects[0].text, "Sonne Trigon Mond\r\n");
}

} // namespace
} // namespace orbenza
