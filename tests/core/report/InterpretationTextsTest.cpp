#include "report/InterpretationTexts.h"

#include "DegreeLabels.h"

#include <cstddef>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <string_view>

namespace orbenza {
namespace {

// Lengths of the texts are counted in characters, that is in Unicode code
// points of the UTF-8 text: the "é" of the fifth house's description counts as
// one character although it takes two bytes.
std::size_t characterCount(std::string_view utf8) {
    std::size_t count = 0;
    for (const char c : utf8)
        if ((static_cast<unsigned char>(c) & 0xC0U) != 0x80U) // not a continuation byte
            ++count;
    return count;
}

bool hasLineBreak(std::string_view text) {
    return text.find('\r') != std::string_view::npos || text.find('\n') != std::string_view::npos;
}

// Plain ASCII prose: printable characters only (no tabs, no typographic quotes).
bool isPrintableAscii(std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20U || byte > 0x7EU)
            return false;
    }
    return true;
}

// ---- Names and headings ----

struct PlanetRow {
    int planet;
    std::string_view name;
    std::string_view prefix;
    std::string_view characteristicsHeading;
};

constexpr PlanetRow kPlanetRows[] = {
    {0, "Sun", "Sun In", "Characteristics Of Planet Sun :-"},
    {1, "Moon", "Moon In", "Characteristics Of Planet Moon :-"},
    {2, "Mercury", "Mercury In", "Characteristics Of Planet Mercury :-"},
    {3, "Venus", "Venus In", "Characteristics Of Planet Venus :-"},
    {4, "Mars", "Mars In", "Characteristics Of Planet Mars :-"},
    {5, "Jupiter", "Jupiter In", "Characteristics Of Planet Jupiter :-"},
    {6, "Saturn", "Saturn In", "Characteristics Of Planet Saturn :-"},
    {7, "Uranus", "Uranus In", "Characteristics Of Planet Uranus :-"},
    {8, "Neptune", "Neptune In", "Characteristics Of Planet Neptune :-"},
    {9, "Pluto", "Pluto In", "Characteristics Of Planet Pluto :-"},
};

TEST(InterpretationTexts, PlanetNamesPrefixesAndCharacteristicsHeadings) {
    for (const PlanetRow& row : kPlanetRows) {
        SCOPED_TRACE("planet " + std::to_string(row.planet));
        EXPECT_EQ(reportPlanetName(row.planet), row.name);
        EXPECT_EQ(planetHeadingPrefix(row.planet), row.prefix);
        EXPECT_EQ(planetCharacteristics(row.planet).heading, row.characteristicsHeading);
    }
}

struct HouseRow {
    int house;
    std::string_view name;
    std::string_view heading;
    std::string_view opening; // the first sentence of the house's description
};

constexpr HouseRow kHouseRows[] = {
    {1, "First House", "More About First House",
     "Much can be determined about someone's personality from this house."},
    {2, "Second House", "More About Second House",
     "This house is traditionally known as the house of material possessions and wealth."},
    {3, "Third House", "More About Third House",
     "This house corresponds to your power of communication."},
    {4, "Fourth House", "More About Fourth House",
     "This house is also known as 'Matristhan' in India or the house referring to your "
     "mother."},
    {5, "Fifth House", "More About Fifth House",
     "This house signifies the place of love affairs, how you will relate to your fianc\u00e9 "
     "and romantic attachments in your life."},
    {6, "Sixth House", "More About Sixth House",
     "This house indicates the skills we possess and the kind of work compatible with those "
     "abilities."},
    {7, "Seventh House", "More About Seventh House",
     "This house is commonly believed to define our conjugal life, the king of persons we are "
     "inclined to choose as a marriage partner and woes or happiness regarding your "
     "relationship with your spouse."},
    {8, "Eighth House", "More About Eighth House",
     "This house corresponds to the sexual nature of a person."},
    {9, "Ninth House", "More About Ninth House",
     "This house of your natal chart defines the values you follow throughout your life, "
     "philosophic understanding of this world as well as your religious orientation."},
    {10, "Tenth House", "More About Tenth House",
     "This house of tells about your career and your orientation regarding work and "
     "employment."},
    {11, "Eleventh House", "More About Eleventh House",
     "This house is traditionally known as the house of income."},
    {12, "Twelfth House", "More About Twelfth House",
     "In Indian Astrology, this house is known as the 'Vyaysthana' or the house of expenses."},
};

TEST(InterpretationTexts, HouseNamesAndDescriptionHeadings) {
    for (const HouseRow& row : kHouseRows) {
        SCOPED_TRACE("house " + std::to_string(row.house));
        EXPECT_EQ(houseName(row.house), row.name);
        EXPECT_EQ(houseDescriptionHeading(row.house), row.heading);
    }
}

// ---- House descriptions ----

TEST(InterpretationTexts, HouseDescriptionsOpenWithTheirFixedSentence) {
    for (const HouseRow& row : kHouseRows) {
        const std::string_view text = houseDesc(row.house);
        SCOPED_TRACE("house " + std::to_string(row.house) + ": " + std::string(text));
        ASSERT_GE(text.size(), row.opening.size());
        EXPECT_EQ(text.substr(0, row.opening.size()), row.opening);
        // The opening is followed by more of the paragraph, not glued to it.
        EXPECT_EQ(text.substr(row.opening.size(), 1), " ");
    }
}

TEST(InterpretationTexts, HouseDescriptionsAreOneParagraphOfTheRightLength) {
    constexpr std::size_t kMinLength = 589;
    constexpr std::size_t kMaxLength = 731;
    for (int house = 1; house <= kHouseCount; ++house) {
        const std::string_view text = houseDesc(house);
        SCOPED_TRACE("house " + std::to_string(house) + ": " + std::string(text));
        EXPECT_GE(characterCount(text), kMinLength);
        EXPECT_LE(characterCount(text), kMaxLength);
        EXPECT_FALSE(hasLineBreak(text));
        EXPECT_EQ(text.back(), '.');
    }
}

// The only non-ASCII character of all the texts is the "é" of "fiancé".
TEST(InterpretationTexts, OnlyTheFifthHouseDescriptionLeavesAscii) {
    for (int house = 1; house <= kHouseCount; ++house) {
        std::string text(houseDesc(house));
        SCOPED_TRACE("house " + std::to_string(house) + ": " + text);
        if (house == 5) {
            const std::size_t at = text.find("fianc\u00e9");
            ASSERT_NE(at, std::string::npos);
            EXPECT_EQ(text.find("\u00e9", at + 6), std::string::npos) << "a second e-acute";
            text.replace(at, std::string_view("fianc\u00e9").size(), "fiance");
        }
        EXPECT_TRUE(isPrintableAscii(text));
    }
    for (int planet = 0; planet < kReportPlanetCount; ++planet) {
        const std::string_view text = planetCharacteristics(planet).text;
        EXPECT_TRUE(isPrintableAscii(text)) << "planet " << planet << ": " << text;
        for (int house = 1; house <= kHouseCount; ++house)
            EXPECT_TRUE(isPrintableAscii(planetInHouseText(house, planet)))
                << "house " << house << ", planet " << planet << ": "
                << planetInHouseText(house, planet);
    }
}

// ---- Planet-in-house texts ----

struct QuotedPlanetInHouseRow {
    int house;
    int planet;
    std::string_view text;
};

constexpr QuotedPlanetInHouseRow kQuotedPlanetInHouseRows[] = {
    {2, 2,
     "These people are full of money making ideas. They know the true value of things and are "
     "very value conscious."},
    {6, 0, "These are normally very determined workers but can be very demanding."},
    // With its closing space.
    {9, 9,
     "People here have very moral believes and are strong believers in the power of justice. "},
};

TEST(InterpretationTexts, QuotedPlanetInHouseTextsAreWordForWord) {
    for (const QuotedPlanetInHouseRow& row : kQuotedPlanetInHouseRows)
        EXPECT_EQ(planetInHouseText(row.house, row.planet), row.text)
            << "house " << row.house << ", planet " << row.planet;
}

TEST(InterpretationTexts, EveryPlanetInHouseTextIsOneParagraphOfTheRightLength) {
    constexpr std::size_t kMinLength = 69;
    constexpr std::size_t kMaxLength = 765;
    for (int house = 1; house <= kHouseCount; ++house) {
        for (int planet = 0; planet < kReportPlanetCount; ++planet) {
            const std::string_view text = planetInHouseText(house, planet);
            SCOPED_TRACE("house " + std::to_string(house) + ", planet " + std::to_string(planet) +
                         ": " + std::string(text));
            EXPECT_GE(characterCount(text), kMinLength);
            EXPECT_LE(characterCount(text), kMaxLength);
            EXPECT_FALSE(hasLineBreak(text));
            // Whole sentences: a truncated edit would lose the full stop. Pluto
            // in the ninth house keeps its closing space after the stop.
            const std::string_view trimmed =
                text.ends_with(' ') ? text.substr(0, text.size() - 1) : text;
            EXPECT_TRUE(trimmed.ends_with('.'));
        }
    }
}

TEST(InterpretationTexts, The120PlanetInHouseTextsArePairwiseDifferent) {
    std::set<std::string_view> distinct;
    for (int house = 1; house <= kHouseCount; ++house)
        for (int planet = 0; planet < kReportPlanetCount; ++planet)
            EXPECT_TRUE(distinct.insert(planetInHouseText(house, planet)).second)
                << "house " << house << ", planet " << planet
                << " repeats an earlier text: " << planetInHouseText(house, planet);
    EXPECT_EQ(distinct.size(), std::size_t{120});
}

// ---- Planet characteristics ----

struct CharacteristicsRow {
    int planet;
    std::string_view quoted; // the opening, or the whole text when whole is true
    bool whole;
    std::size_t length; // in characters
};

constexpr CharacteristicsRow kCharacteristicsRows[] = {
    {0, "He can be good or evil depending upon the planets in configuration with him.", false, 759},
    {1,
     "The moon is the planet most connected to our feelings and emotions linked to other people "
     "in their lives.",
     false, 223},
    {2, "Mercury governs the way that you communicate with those around you.", true, 67},
    {3,
     "Venus is the planet that is about how people express socially, romantically and "
     "artistically.",
     true, 93},
    {4, "This is where your assertiveness and power will lie.", false, 168},
    {5,
     "Where the house placement of Jupiter is where you are likely to think optimistically and "
     "positively about things.",
     true, 113},
    {6,
     "This is where people are likely to encounter heavy obstacles. It is the planet of "
     "restrictions and limitations.",
     true, 111},
    {7,
     "This planet shows which areas of our life need to have freedom and seclusion. It is also "
     "where a lot of unexpected changes occur.",
     true, 129},
    {8,
     "Neptune is very mystical and dreamlike; it is where the spiritual and psychic side will be "
     "portrayed.",
     true, 101},
    // Without a closing full stop.
    {9, "Pluto is a very powerful planet yet power struggles may occur", true, 61},
};

TEST(InterpretationTexts, CharacteristicsTextsOpenAsQuotedAndHaveTheirExactLength) {
    for (const CharacteristicsRow& row : kCharacteristicsRows) {
        const std::string_view text = planetCharacteristics(row.planet).text;
        SCOPED_TRACE("planet " + std::to_string(row.planet) + ": " + std::string(text));
        if (row.whole) {
            EXPECT_EQ(text, row.quoted);
        } else {
            EXPECT_TRUE(text.starts_with(row.quoted));
            EXPECT_GT(text.size(), row.quoted.size());
        }
        EXPECT_EQ(characterCount(text), row.length);
        EXPECT_FALSE(hasLineBreak(text));
    }
}

// ---- Out-of-range arguments ----

TEST(InterpretationTexts, OutOfRangeArgumentsGiveEmptyTexts) {
    for (const int house : {-1, 0, 13, 100}) {
        SCOPED_TRACE("house " + std::to_string(house));
        EXPECT_TRUE(houseName(house).empty());
        EXPECT_TRUE(houseDescriptionHeading(house).empty());
        EXPECT_TRUE(houseDesc(house).empty());
        EXPECT_TRUE(planetInHouseText(house, 0).empty());
    }
    for (const int planet : {-1, 10, 11}) {
        SCOPED_TRACE("planet " + std::to_string(planet));
        EXPECT_TRUE(reportPlanetName(planet).empty());
        EXPECT_TRUE(planetHeadingPrefix(planet).empty());
        EXPECT_TRUE(planetInHouseText(1, planet).empty());
        EXPECT_TRUE(planetInHouseText(12, planet).empty());
        EXPECT_TRUE(planetCharacteristics(planet).heading.empty());
        EXPECT_TRUE(planetCharacteristics(planet).text.empty());
    }
    EXPECT_TRUE(planetInHouseText(0, -1).empty());
    EXPECT_TRUE(planetInHouseText(13, 10).empty());
}

// ---- Degree labels ----

TEST(InterpretationTexts, DegreeNameHas360DistinctSixCharacterLabelsAfterAnEmptySlot) {
    const auto& names = degreeName();
    EXPECT_EQ(names.size(), std::size_t{361});
    EXPECT_TRUE(names[0].empty());
    std::set<std::string_view> distinct;
    for (int index = 1; index <= kDegreeCount; ++index) {
        EXPECT_EQ(names[index].size(), std::size_t{6}) << "slot " << index << ": " << names[index];
        distinct.insert(names[index]);
    }
    EXPECT_EQ(distinct.size(), std::size_t{360});
}

TEST(InterpretationTexts, DegreeNameSlotIsSignTimesThirtyPlusDegree) {
    // Slot k = (s - 1) * 30 + d: two-digit degree d 01..30, a blank, sign s.
    constexpr std::string_view kSigns[] = {"Ari", "Tau", "Gem", "Can", "Leo", "Vir",
                                           "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};
    const auto& names = degreeName();
    for (int sign = 1; sign <= 12; ++sign) {
        for (int degree = 1; degree <= 30; ++degree) {
            const int slot = (sign - 1) * 30 + degree;
            const std::string expected = std::string(1, static_cast<char>('0' + degree / 10)) +
                                         static_cast<char>('0' + degree % 10) + " " +
                                         std::string(kSigns[sign - 1]);
            EXPECT_EQ(names[slot], expected) << "slot " << slot;
        }
    }
}

struct LabelRow {
    std::string_view label;
    int index; // 0: no label matches
};

constexpr LabelRow kLabelRows[] = {
    {"01 Ari", 1},
    {"30 Ari", 30},
    {"01 Tau", 31},
    {"16 Vir", 166},
    {"01 Lib", 181},
    {"30 Pis", 360},
    // Not labels: degree 31 or 00, a one-digit degree padded with a blank, a
    // lower-case abbreviation, a missing blank, a trailing character, nothing.
    {"31 Ari", 0},
    {"00 Ari", 0},
    {" 1 Ari", 0},
    {"1 Ari ", 0},
    {"01 ari", 0},
    {"01 ARI", 0},
    {"01-Ari", 0},
    {"01Ari", 0},
    {"01 Ari ", 0},
    {"", 0},
};

TEST(InterpretationTexts, DegreeIndexOfLabelMatchesExactly) {
    for (const LabelRow& row : kLabelRows)
        EXPECT_EQ(degreeIndexOfLabel(row.label), row.index) << "label \"" << row.label << "\"";
}

TEST(InterpretationTexts, EveryDegreeLabelLeadsBackToItsSlot) {
    const auto& names = degreeName();
    for (int index = 1; index <= kDegreeCount; ++index)
        EXPECT_EQ(degreeIndexOfLabel(names[index]), index) << "label " << names[index];
}

} // namespace
} // namespace orbenza
