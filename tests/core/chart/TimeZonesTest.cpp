// The 71 time zone rows and the correction that belongs to each position.
#include "chart/TimeZones.h"

#include <cmath>
#include <gtest/gtest.h>
#include <initializer_list>
#include <set>
#include <string>

namespace orbenza {
namespace {

TEST(TimeZones, SeventyOneRowsInAlphabeticalOrderWithGreenwichDefault) {
    const auto& rows = timeZoneEntries();
    ASSERT_EQ(rows.size(), 71u);
    EXPECT_EQ(rows[0].text, "Alaska/Hawaii Daylight Time,AHDT,-9.0");
    EXPECT_EQ(rows[kDefaultTimeZonePosition].text, "Greenwich Mean Time,GMT,0.0");
    EXPECT_EQ(rows[34].text, "Indian Time, IST, +5.3");
    EXPECT_EQ(rows[11].text, "Azores Time, AT, -2.0");
    EXPECT_EQ(rows[35].text, "Int'l Date Line East,IDLE,+12.0");
    EXPECT_EQ(rows[70].text, "Yukon War Time,YWT,-8.0");
    std::set<std::string_view> distinct;
    for (const auto& row : rows)
        distinct.insert(row.text);
    EXPECT_EQ(distinct.size(), 71u);
}

TEST(TimeZones, EveryCorrectionIsTheRowsOffsetNegated) {
    // The last field of the row text is the offset in hours; ".5" and ".3"
    // both stand for half an hour.
    for (int position = 0; position < kTimeZoneCount; ++position) {
        const auto& row = timeZoneEntries()[static_cast<std::size_t>(position)];
        const std::string text(row.text);
        const std::string offset = text.substr(text.rfind(',') + 1);
        const double value = std::stod(offset);
        const int hours = static_cast<int>(std::trunc(value));
        const bool half = std::fabs(value - hours) > 0.2;
        const int expectedHours = -hours;
        const int expectedMinutes = half ? (value < 0 ? 30 : -30) : 0;
        EXPECT_EQ(row.correction.utCorrectionHours, expectedHours) << position << " " << text;
        EXPECT_EQ(row.correction.utCorrectionMinutes, expectedMinutes) << position << " " << text;
    }
}

// Each language names the rows its own way behind the same abbreviation and
// offset; English keeps every row as listed, and a line of text puts one blank
// after each comma.
TEST(TimeZones, RowsReadInTheLanguageOfTheScreen) {
    EXPECT_EQ(timeZoneRowText(34, Language::German), "Indische Zeit, IST, +5,3");
    EXPECT_EQ(timeZoneRowText(29, Language::French), "Heure moyenne de Greenwich, GMT, 0,0");
    EXPECT_EQ(timeZoneRowText(50, Language::Spanish),
              "Hora est\xC3\xA1ndar de Terranova, NST, -3,5");
    EXPECT_EQ(timeZoneRowText(34, Language::Hindi), // Hindi keeps the point
              "\xE0\xA4\xAD\xE0\xA4\xBE\xE0\xA4\xB0\xE0\xA4\xA4\xE0\xA5\x80\xE0\xA4\xAF "
              "\xE0\xA4\xAE\xE0\xA4\xBE\xE0\xA4\xA8\xE0\xA4\x95 \xE0\xA4\xB8\xE0\xA4\xAE"
              "\xE0\xA4\xAF, IST, +5.3"); // "भारतीय मानक समय"
    EXPECT_EQ(timeZoneRowText(-1, Language::German), "");
    EXPECT_EQ(timeZoneRowLine(kTimeZoneCount, Language::English), "");

    for (int position = 0; position < kTimeZoneCount; ++position) {
        const std::string listed(timeZoneEntries()[static_cast<std::size_t>(position)].text);
        EXPECT_EQ(timeZoneRowText(position, Language::English), listed);
        std::string spaced;
        for (std::size_t i = 0; i < listed.size(); ++i) {
            spaced += listed[i];
            if (listed[i] == ',' && listed[i + 1] != ' ')
                spaced += ' ';
        }
        EXPECT_EQ(timeZoneRowLine(position, Language::English), spaced) << position;
        // The name before the abbreviation holds no comma of its own.
        const std::string tail = spaced.substr(spaced.find(", "));
        for (Language language : {Language::German, Language::Italian, Language::Hindi}) {
            std::string expectedTail = tail;
            if (language != Language::Hindi)
                expectedTail[expectedTail.rfind('.')] = ',';
            const std::string line = timeZoneRowLine(position, language);
            ASSERT_GT(line.size(), expectedTail.size()) << position;
            EXPECT_EQ(line.find(','), line.size() - expectedTail.size()) << line;
            EXPECT_EQ(line.substr(line.size() - expectedTail.size()), expectedTail) << line;
        }
    }
}

TEST(ZoneCalculation, RowsAndTheEmptySelection) {
    EXPECT_EQ(zoneCalculation(34, {}), (UtCorrection{-5, -30}));
    EXPECT_EQ(zoneCalculation(50, {}), (UtCorrection{3, 30}));
    EXPECT_EQ(zoneCalculation(29, {7, 0}), (UtCorrection{0, 0}));
    // No row selected: the previous correction stays.
    EXPECT_EQ(zoneCalculation(-1, {-9, -30}), (UtCorrection{-9, -30}));
    EXPECT_EQ(zoneCalculation(71, {4, 0}), (UtCorrection{4, 0}));
}

TEST(ZoneAbbreviation, NamesOneRowOnly) {
    EXPECT_EQ(timeZoneAbbreviation(34), "IST");
    EXPECT_EQ(timeZoneAbbreviation(29), "GMT");
    EXPECT_EQ(findTimeZoneByAbbreviation("ist"), 34);
    EXPECT_EQ(findTimeZoneByAbbreviation("CET"), 20);
    EXPECT_EQ(findTimeZoneByAbbreviation("NST"), std::nullopt); // Newfoundland and North Sumatra
    EXPECT_EQ(findTimeZoneByAbbreviation("XYZ"), std::nullopt);
    EXPECT_EQ(findTimeZoneByAbbreviation(""), std::nullopt);
}

} // namespace
} // namespace orbenza
