// The birth input's check: each refusal in the order it is tried, with the
// box it sends the user to; the rule of a person's name; the coordinate boxes.
#include "input/BirthInput.h"

#include "base/YearRange.h"
#include "input/PersonName.h"

#include <gtest/gtest.h>

namespace orbenza {
namespace {

BirthInput acceptable() {
    BirthInput input;
    input.name = "ANNA";
    return input; // the screen's defaults: 1 January 1901, 80°18' E 13°05' N
}

TEST(CheckBirthInput, EachRefusalWithItsField) {
    struct Row {
        const char* what;
        void (*change)(BirthInput&);
        InputRefusal expected;
    };
    using P = InputProblem;
    using F = InputField;
    const Row rows[] = {
        {"empty name", [](BirthInput& i) { i.name = ""; }, {P::EmptyName, F::Name}},
        {"blanks only", [](BirthInput& i) { i.name = "   "; }, {P::EmptyName, F::Name}},
        {"longitude degrees 180",
         [](BirthInput& i) { i.longitude.degrees = 180; },
         {P::LongitudeDegrees, F::LongitudeDegrees}},
        {"longitude degrees unreadable",
         [](BirthInput& i) { i.longitude.degrees = kUnreadableValue; },
         {P::LongitudeDegrees, F::LongitudeDegrees}},
        {"longitude minutes 60",
         [](BirthInput& i) { i.longitude.minutes = 60; },
         {P::LongitudeMinutes, F::LongitudeMinutes}},
        {"latitude degrees 90",
         [](BirthInput& i) { i.latitude.degrees = 90; },
         {P::LatitudeDegrees, F::LatitudeDegrees}},
        {"latitude minutes unreadable",
         [](BirthInput& i) { i.latitude.minutes = kUnreadableValue; },
         {P::LatitudeMinutes, F::LatitudeMinutes}},
        {"30 February 2000",
         [](BirthInput& i) { i.local = {2000, 2, 30, 0, 0, 0}; },
         {P::FebruaryDate, F::None}},
        {"31 April",
         [](BirthInput& i) { i.local = {1901, 4, 31, 0, 0, 0}; },
         {P::ThirtyDayMonth, F::None}},
        {"31 November",
         [](BirthInput& i) { i.local = {1901, 11, 31, 0, 0, 0}; },
         {P::ThirtyDayMonth, F::None}},
    };
    for (const auto& row : rows) {
        BirthInput input = acceptable();
        row.change(input);
        const auto refusal = checkBirthInput(input);
        ASSERT_TRUE(refusal.has_value()) << row.what;
        EXPECT_EQ(*refusal, row.expected) << row.what;
    }
}

TEST(CheckBirthInput, TheFirstFailingTestWins) {
    BirthInput input = acceptable();
    input.name = "";
    input.longitude.degrees = 999;
    input.local = {1901, 4, 31, 0, 0, 0};
    EXPECT_EQ(checkBirthInput(input)->problem, InputProblem::EmptyName);
    input.name = "X";
    EXPECT_EQ(checkBirthInput(input)->problem, InputProblem::LongitudeDegrees);
    input.longitude.degrees = 179;
    EXPECT_EQ(checkBirthInput(input)->problem, InputProblem::ThirtyDayMonth);
}

TEST(CheckBirthInput, BoundaryValuesPass) {
    struct Row {
        const char* what;
        void (*change)(BirthInput&);
    };
    const Row rows[] = {
        {"179 59 W, 89 59 S",
         [](BirthInput& i) {
             i.longitude = {179, 59, EastWest::West};
             i.latitude = {89, 59, NorthSouth::South};
         }},
        {"all zero",
         [](BirthInput& i) {
             i.longitude = {0, 0, EastWest::East};
             i.latitude = {0, 0, NorthSouth::North};
         }},
        {"31 May", [](BirthInput& i) { i.local = {1990, 5, 31, 0, 0, 0}; }},
        {"30 April", [](BirthInput& i) { i.local = {1990, 4, 30, 0, 0, 0}; }},
        {"31 December 2050", [](BirthInput& i) { i.local = {2050, 12, 31, 23, 59, 59}; }},
        {"no zone row, an exact correction",
         [](BirthInput& i) {
             i.zonePosition = -1;
             i.correction = {0, -19, -32};
         }},
    };
    for (const auto& row : rows) {
        BirthInput input = acceptable();
        row.change(input);
        const auto refusal = checkBirthInput(input);
        EXPECT_FALSE(refusal.has_value()) << row.what << ": refused";
    }
}

// Names people really have, in many scripts, written composed and decomposed,
// and what is still refused. The name box refused all but A to Z before, so
// Zoë, Jean-Luc and O'Brien could not enter their own names.
TEST(PersonName, LettersOfEveryScriptAndTheSignsInsideANamePass) {
    const char* const accepted[] = {
        "ANNA",
        "Zo\u00EB",                       // Zoë, composed
        "Zoe\u0308",                      // Zoë, e + combining diaeresis
        "\u00C5ngstr\u00F6m",             // Ångström
        "\u03A3\u03BF\u03C6\u03AF\u03B1", // Σοφία
        "\u042F\u043D",                   // Ян
        "\u674E\u5C0F\u9F8D",             // 李小龍 (letters without case)
        "\u0633\u0627\u0631\u0627",       // سارا
        "\u0938\u0941\u0930\u0947\u0936", // सुरेश, vowel signs are marks
        "\u0645\u06CC\u200C\u0631\u0627", // a zero-width non-joiner inside a word
        "JEAN-LUC",
        "O'BRIEN",
        "O\u2019Brien", // the typographic apostrophe
        "J. R. R. TOLKIEN",
        "MARTIN LUTHER KING JR.",
        "  ANNA  ", // blanks around it do not count
        "ANNA  MARIA",
        "\u00DF", // ß alone
    };
    for (const char* name : accepted)
        EXPECT_TRUE(isValidPersonName(name)) << "refused: " << name;
}

TEST(PersonName, DigitsOtherSignsAndMisplacedPunctuationAreRefused) {
    const char* const refused[] = {
        "",
        "   ",
        "ANN1",
        "\u0661\u0662", // Arabic-Indic digits are not letters
        "A_B",
        "A@B",
        "ANN\tLEE",
        "ANN\u00A0LEE", // no-break space: only the plain blank
        "-ANN",
        "ANN-",
        "ANN--LEE",
        "O''BRIEN",
        "'ANN",
        "ANN'",
        "JEAN- LUC",
        ".ANN",
        "A..",
        "\u0308ANN", // a mark with no letter before it
        "\u200CANN",
        "ANN \U0001F600", // an emoji
        "\xC3",           // cut-off UTF-8
        "ZO\xEB",         // Latin-1, not UTF-8
        "\xED\xA0\x80",   // an encoded surrogate
    };
    for (const char* name : refused)
        EXPECT_FALSE(isValidPersonName(name)) << "accepted: " << name;
}

TEST(PersonName, EachCharacterOfTheKeyFilter) {
    for (char32_t c : {U'A', U'z', U'\u00EB', U'\u03C3', U'\u044F', U'\u0308', U'\u0941', U' ',
                       U'-', U'\'', U'\u2019', U'.', U'\u200C', U'\u200D'})
        EXPECT_TRUE(isPersonNameCharacter(c)) << "U+" << std::hex << static_cast<unsigned>(c);
    for (char32_t c : {U'0', U'9', U'\u0661', U'_', U',', U'\t', U'\n', U'\u00A0', U'"', U'\u2018',
                       U'\U0001F600', char32_t{0}})
        EXPECT_FALSE(isPersonNameCharacter(c)) << "U+" << std::hex << static_cast<unsigned>(c);
}

TEST(CheckBirthInput, TwentyNinthOfFebruaryFollowsTheGregorianLeapYears) {
    // Every admitted year: the 29th stands in a leap year (divisible by 4, and
    // 2000, divisible by 400, is one) and is refused in a common year.
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        BirthInput input = acceptable();
        input.local = {year, 2, 29, 0, 0, 0};
        const auto refusal = checkBirthInput(input);
        if (leap)
            EXPECT_FALSE(refusal.has_value()) << "29 February " << year << " refused";
        else
            EXPECT_TRUE(refusal && refusal->problem == InputProblem::FebruaryDate)
                << "29 February " << year << " not refused as a common year";
    }
}

TEST(CoordinateBoxValue, DigitsOnlyWithin16Bits) {
    EXPECT_EQ(coordinateBoxValue("05"), 5);
    EXPECT_EQ(coordinateBoxValue(" 7 "), 7);
    EXPECT_EQ(coordinateBoxValue("0000000077"), 77);
    EXPECT_EQ(coordinateBoxValue("32767"), 32767);
    for (const char* text : {"", " ", "-1", "1e2", "1.5", "32768", "99999999999"})
        EXPECT_EQ(coordinateBoxValue(text), kUnreadableValue) << text;
}

TEST(Fold, NamesReadBackAndOtherWordsAreRefused) {
    for (Fold fold : {Fold::None, Fold::Earlier, Fold::Later})
        EXPECT_EQ(foldNamed(foldName(fold)), fold);
    EXPECT_FALSE(foldNamed("Later").has_value());
    EXPECT_FALSE(foldNamed("both").has_value());
}

} // namespace
} // namespace orbenza
