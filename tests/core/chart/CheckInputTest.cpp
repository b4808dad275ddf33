// The checks before every chart: each refusal in the order they are tried.
#include "chart/CheckInput.h"

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
        {"empty name", [](InputFields& f) { f.name = ""; },
         {kMessageEnterName, MessageIcon::Error, InputField::Name}},
        {"blanks only", [](InputFields& f) { f.name = "   "; },
         {kMessageEnterName, MessageIcon::Error, InputField::Name}},
        {"longitude degrees 180", [](InputFields& f) { f.longitudeDegrees = "180"; },
         {kMessageLongitudeDegrees, MessageIcon::Error, InputField::LongitudeDegrees}},
        {"longitude degrees empty", [](InputFields& f) { f.longitudeDegrees = " "; },
         {kMessageLongitudeDegrees, MessageIcon::Error, InputField::LongitudeDegrees}},
        {"longitude minutes 60", [](InputFields& f) { f.longitudeMinutes = "60"; },
         {kMessageLongitudeMinutes, MessageIcon::Error, InputField::LongitudeMinutes}},
        {"latitude degrees 90", [](InputFields& f) { f.latitudeDegrees = "90"; },
         {kMessageLatitudeDegrees, MessageIcon::Error, InputField::LatitudeDegrees}},
        {"latitude minutes empty", [](InputFields& f) { f.latitudeMinutes = ""; },
         {kMessageLatitudeMinutes, MessageIcon::Error, InputField::LatitudeMinutes}},
        {"29 February 1901", [](InputFields& f) { f.monthPosition = 1; f.dayPosition = 28; },
         {kMessageFebruaryDate, MessageIcon::Information, InputField::None}},
        {"30 February 2000",
         [](InputFields& f) { f.monthPosition = 1; f.dayPosition = 29; f.year = 2000; },
         {kMessageFebruaryDate, MessageIcon::Information, InputField::None}},
        {"31 April", [](InputFields& f) { f.monthPosition = 3; f.dayPosition = 30; },
         {kMessageThirtyDayMonth, MessageIcon::Information, InputField::None}},
        {"31 November", [](InputFields& f) { f.monthPosition = 10; f.dayPosition = 30; },
         {kMessageThirtyDayMonth, MessageIcon::Information, InputField::None}},
        {"a digit-free text in a coordinate box", [](InputFields& f) { f.latitudeDegrees = "1.5"; },
         {kMessageLatitudeDegrees, MessageIcon::Error, InputField::LatitudeDegrees}},
        {"a number too large for 16 bits", [](InputFields& f) { f.longitudeMinutes = "99999999999"; },
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
        {"longitude 179 59", [](InputFields& f) { f.longitudeDegrees = "179"; f.longitudeMinutes = "59"; }},
        {"latitude 89 59", [](InputFields& f) { f.latitudeDegrees = "89"; f.latitudeMinutes = "59"; }},
        {"all zero", [](InputFields& f) { f.longitudeDegrees = f.longitudeMinutes = f.latitudeDegrees = f.latitudeMinutes = "0"; }},
        {"padded with blanks", [](InputFields& f) { f.longitudeDegrees = " 77 "; }},
        {"29 February 2000", [](InputFields& f) { f.monthPosition = 1; f.dayPosition = 28; f.year = 2000; }},
        {"31 May", [](InputFields& f) { f.monthPosition = 4; f.dayPosition = 30; }},
        {"30 April", [](InputFields& f) { f.monthPosition = 3; f.dayPosition = 29; }},
        {"31 December 2050", [](InputFields& f) { f.monthPosition = 11; f.dayPosition = 30; f.year = 2050; }},
    };
    for (const auto& row : rows) {
        InputFields fields = acceptable();
        row.change(fields);
        const auto refusal = Check_Input(fields);
        EXPECT_FALSE(refusal.has_value()) << row.what << ": refused with " << refusal->message;
    }
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
