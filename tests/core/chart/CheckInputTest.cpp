// The checks before every chart: each refusal in the order they are tried.
#include "chart/CheckInput.h"

#include "base/YearRange.h"

#include <gtest/gtest.h>

namespace orbenza {
namespace {

InputFields acceptable() {
    InputFields f;
    f.name = "ANNA";
    f.longitudeDegrees = "80";
    f.longitudeMinutes = "18";
    f.latitudeDegrees = "13";
    f.latitudeMinutes = "05";
    f.monthPosition = 0;
    f.dayPosition = 0;
    f.year = 1901;
    return f;
}

TEST(CheckInput, AcceptsTheScreensDefaultsWithAName) {
    EXPECT_FALSE(Check_Input(acceptable()).has_value());
}

TEST(CheckInput, EachRefusalWithItsMessageIconAndField) {
    struct Row {
        const char* what;
        void (*change)(InputFields&);
        InputRefusal expected;
    };
    const Row rows[] = {
        {"empty name",
         [](InputFields& f) { f.name = ""; },
         {kMessageEnterName, MessageIcon::Error, InputField::Name}},
        {"blanks only",
         [](InputFields& f) { f.name = "   "; },
         {kMessageEnterName, MessageIcon::Error, InputField::Name}},
        {"longitude degrees 180",
         [](InputFields& f) { f.longitudeDegrees = "180"; },
         {kMessageLongitudeDegrees, MessageIcon::Error, InputField::LongitudeDegrees}},
        {"longitude degrees empty",
         [](InputFields& f) { f.longitudeDegrees = " "; },
         {kMessageLongitudeDegrees, MessageIcon::Error, InputField::LongitudeDegrees}},
        {"longitude minutes 60",
         [](InputFields& f) { f.longitudeMinutes = "60"; },
         {kMessageLongitudeMinutes, MessageIcon::Error, InputField::LongitudeMinutes}},
        {"latitude degrees 90",
         [](InputFields& f) { f.latitudeDegrees = "90"; },
         {kMessageLatitudeDegrees, MessageIcon::Error, InputField::LatitudeDegrees}},
        {"latitude minutes empty",
         [](InputFields& f) { f.latitudeMinutes = ""; },
         {kMessageLatitudeMinutes, MessageIcon::Error, InputField::LatitudeMinutes}},
        {"29 February 1901",
         [](InputFields& f) {
             f.monthPosition = 1;
             f.dayPosition = 28;
         },
         {kMessageFebruaryDate, MessageIcon::Information, InputField::None}},
        {"30 February 2000",
         [](InputFields& f) {
             f.monthPosition = 1;
             f.dayPosition = 29;
             f.year = 2000;
         },
         {kMessageFebruaryDate, MessageIcon::Information, InputField::None}},
        {"31 April",
         [](InputFields& f) {
             f.monthPosition = 3;
             f.dayPosition = 30;
         },
         {kMessageThirtyDayMonth, MessageIcon::Information, InputField::None}},
        {"31 November",
         [](InputFields& f) {
             f.monthPosition = 10;
             f.dayPosition = 30;
         },
         {kMessageThirtyDayMonth, MessageIcon::Information, InputField::None}},
        {"a digit-free text in a coordinate box",
         [](InputFields& f) { f.latitudeDegrees = "1.5"; },
         {kMessageLatitudeDegrees, MessageIcon::Error, InputField::LatitudeDegrees}},
        {"a number too large for 16 bits",
         [](InputFields& f) { f.longitudeMinutes = "99999999999"; },
         {kMessageLongitudeMinutes, MessageIcon::Error, InputField::LongitudeMinutes}},
    };
    for (const auto& row : rows) {
        InputFields fields = acceptable();
        row.change(fields);
        const auto refusal = Check_Input(fields);
        ASSERT_TRUE(refusal.has_value()) << row.what;
        EXPECT_EQ(*refusal, row.expected) << row.what << ": got \"" << refusal->message << "\"";
    }
}

TEST(CheckInput, TheFirstFailingTestWins) {
    InputFields fields = acceptable();
    fields.name = "";
    fields.longitudeDegrees = "999";
    fields.monthPosition = 3;
    fields.dayPosition = 30;
    EXPECT_EQ(Check_Input(fields)->message, kMessageEnterName);
    fields.name = "X";
    EXPECT_EQ(Check_Input(fields)->message, kMessageLongitudeDegrees);
    fields.longitudeDegrees = "179";
    EXPECT_EQ(Check_Input(fields)->message, kMessageThirtyDayMonth);
}

TEST(CheckInput, BoundaryValuesPass) {
    struct Row {
        const char* what;
        void (*change)(InputFields&);
    };
    const Row rows[] = {
        {"longitude 179 59",
         [](InputFields& f) {
             f.longitudeDegrees = "179";
             f.longitudeMinutes = "59";
         }},
        {"latitude 89 59",
         [](InputFields& f) {
             f.latitudeDegrees = "89";
             f.latitudeMinutes = "59";
         }},
        {"all zero",
         [](InputFields& f) {
             f.longitudeDegrees = f.longitudeMinutes = f.latitudeDegrees = f.latitudeMinutes = "0";
         }},
        {"padded with blanks", [](InputFields& f) { f.longitudeDegrees = " 77 "; }},
        {"29 February 2000",
         [](InputFields& f) {
             f.monthPosition = 1;
             f.dayPosition = 28;
             f.year = 2000;
         }},
        {"31 May",
         [](InputFields& f) {
             f.monthPosition = 4;
             f.dayPosition = 30;
         }},
        {"30 April",
         [](InputFields& f) {
             f.monthPosition = 3;
             f.dayPosition = 29;
         }},
        {"31 December 2050",
         [](InputFields& f) {
             f.monthPosition = 11;
             f.dayPosition = 30;
             f.year = 2050;
         }},
    };
    for (const auto& row : rows) {
        InputFields fields = acceptable();
        row.change(fields);
        const auto refusal = Check_Input(fields);
        EXPECT_FALSE(refusal.has_value()) << row.what << ": refused with " << refusal->message;
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

TEST(CheckInput, TwentyNinthOfFebruaryFollowsTheGregorianLeapYears) {
    // Every admitted year: the 29th stands in a leap year (divisible by 4, and
    // 2000, divisible by 400, is one) and is refused in a common year.
    for (int year = kFirstYear; year <= kLastYear; ++year) {
        const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
        InputFields fields = acceptable();
        fields.monthPosition = 1;
        fields.dayPosition = 28;
        fields.year = year;
        const auto refusal = Check_Input(fields);
        if (leap)
            EXPECT_FALSE(refusal.has_value()) << "29 February " << year << " refused";
        else
            EXPECT_TRUE(refusal && refusal->message == kMessageFebruaryDate)
                << "29 February " << year << " not refused as a common year";
    }
}

TEST(CheckInput, MessagesAreTheProgramsOwnWords) {
    // The texts as the user reads them, spacing included; a changed constant
    // would otherwise pass every test that compares against the constant.
    EXPECT_EQ(kMessageEnterName, "Please Enter Name");
    EXPECT_EQ(kMessageLongitudeDegrees,
              "Please Enter Value Between 0 And 179 in the Degree of Longitude");
    EXPECT_EQ(kMessageLongitudeMinutes,
              "Please Enter Value Between 0 And 59 in the  Minute of Longitude");
    EXPECT_EQ(kMessageLatitudeDegrees,
              "Please Enter Value Between 0 And 89 in the Degree of Latitude");
    EXPECT_EQ(kMessageLatitudeMinutes,
              "Please Enter Value Between 0 And 59 in the  Minute of Latitude");
    EXPECT_EQ(kMessageFebruaryDate, "Please Enter Correct Date Or Month!");
    EXPECT_EQ(kMessageThirtyDayMonth, "Please Enter Correct Date Or Month !");
    EXPECT_EQ(kMessageEnterCity, "Please Enter City");
    EXPECT_EQ(kMessageEnterState, "Please Enter State");
    EXPECT_EQ(kMessageEnterCountry, "Please Enter Country");
    EXPECT_EQ(kMessageOnlyNumbers, "Only Numbers Are Accepted");
    EXPECT_EQ(kMessageOnlyLetters, "Please Enter only Letters");
}

TEST(CoordinateValue, DigitsOnly) {
    EXPECT_EQ(coordinateValue("05"), 5);
    EXPECT_EQ(coordinateValue(" 7 "), 7);
    EXPECT_FALSE(coordinateValue("").has_value());
    EXPECT_FALSE(coordinateValue("-1").has_value());
    EXPECT_FALSE(coordinateValue("1e2").has_value());
    EXPECT_FALSE(coordinateValue("40000").has_value());
}

} // namespace
} // namespace orbenza
