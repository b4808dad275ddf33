// The chart's texts written from its values: position texts at the edges of
// a sign and of the circle, the retrograde labels, the Moon's sign name.
#include "present/PositionText.h"

#include <gtest/gtest.h>

namespace orbenza {
namespace {

TEST(PositionText, LongAndShortFormsAtTheEdges) {
    struct Row {
        double longitudeDeg;
        const char* text;
        const char* shortText;
        const char* why;
    };
    const Row rows[] = {
        {0.0, "0\xC2\xB0 0' 0\" Ari", "00 Ari 00", "the first point of Aries"},
        {360.0, "0\xC2\xB0 0' 0\" Ari", "00 Ari 00", "a full turn is Aries again"},
        {29.9999, "29\xC2\xB0 59' 59\" Ari", "29 Ari 59", "truncated, never degree 30"},
        {30.0 - 1e-12, "29\xC2\xB0 59' 59\" Ari", "29 Ari 59", "a hair below Taurus"},
        {30.0, "0\xC2\xB0 0' 0\" Tau", "00 Tau 00", "exactly on the cusp of Taurus"},
        {359.99, "29\xC2\xB0 59' 24\" Pis", "29 Pis 59", "the last degree of Pisces"},
        {44.131, "14\xC2\xB0 7' 51\" Tau", "14 Tau 07", "51.6 seconds truncate to 51"},
        {-44.131, "14\xC2\xB0 7' 51\" Tau", "14 Tau 07", "a negative longitude's absolute value"},
        {202.651796, "22\xC2\xB0 39' 6\" Lib", "22 Lib 39", "the Delhi chart's Ascendant"},
        {5.0 + 3.0 / 60.0 + 0.5 / 3600.0, "5\xC2\xB0 3' 0\" Ari", "05 Ari 03", "leading zeros"},
    };
    for (const Row& row : rows) {
        const ZodiacPosition position = zodiacPositionOf(row.longitudeDeg);
        EXPECT_EQ(positionText(position), row.text) << row.longitudeDeg << ": " << row.why;
        EXPECT_EQ(shortPositionText(position), row.shortText)
            << row.longitudeDeg << ": " << row.why;
        EXPECT_EQ(shortPositionText(row.longitudeDeg), row.shortText) << row.longitudeDeg;
    }
}

TEST(PositionText, ShortFormNamesTheWholeDegreeAndMinuteAllRound) {
    // A little over an arcminute a step, all round the circle: the short text
    // is the degree index's sign and degree, and the truncated minute.
    for (int step = 0; step < 360 * 50; ++step) {
        const double longitudeDeg = step / 50.0 + 0.0001;
        const ZodiacPosition position = zodiacPositionOf(longitudeDeg);
        const int wholeDegree = step / 50;
        const int minute = static_cast<int>((longitudeDeg - wholeDegree) * 60.0);
        ASSERT_EQ(degreeIndexOf(position), wholeDegree + 1) << longitudeDeg;
        const std::string shortText = shortPositionText(position);
        ASSERT_EQ(shortText.substr(3, 3), signAbbreviation(signAt(std::size_t(wholeDegree / 30))))
            << longitudeDeg;
        ASSERT_EQ(std::stoi(shortText.substr(0, 2)), wholeDegree % 30) << longitudeDeg;
        ASSERT_EQ(std::stoi(shortText.substr(7, 2)), minute) << longitudeDeg;
    }
}

TEST(PositionText, RetrogradeMarkOnlyForPlanetsThatCanBeRetrograde) {
    EXPECT_EQ(bodyLabelText(Body::Mercury, true), "Mercury (R) ");
    EXPECT_EQ(bodyLabelText(Body::Pluto, true), "Pluto (R) ");
    EXPECT_EQ(bodyLabelText(Body::Mercury, false), "Mercury");
    EXPECT_EQ(bodyLabelText(Body::Sun, true), "Sun");
    EXPECT_EQ(bodyLabelText(Body::Ascendant, true), "Asc");
}

TEST(PositionText, ChartTextsComeFromTheChartsValues) {
    ChartResult chart;
    chart.longitudesDeg[Body::Moon] = 359.9999999; // still Pisces to the second
    chart.longitudesDeg[Body::Ascendant] = 0.0;
    chart.longitudesDeg[Body::Saturn] = 232.75;
    for (Body body : kAllBodies) {
        chart.zodiacPositions[body] = zodiacPositionOf(chart.longitudesDeg[body]);
        chart.signs[body] = chart.zodiacPositions[body].sign;
    }
    chart.retrograde[Body::Saturn] = true;
    const ChartTexts texts = chartTexts(chart);
    EXPECT_EQ(texts.moonSignName, "Pisces");
    EXPECT_EQ(texts.moonPositionText, "29\xC2\xB0 59' 59\" Pis");
    EXPECT_EQ(texts.planetPositions[indexOf(Body::Moon)], "29 Pis 59");
    EXPECT_EQ(texts.ascendantText, "0\xC2\xB0 0' 0\" Ari");
    EXPECT_EQ(texts.planetPositions[indexOf(Body::Saturn)], "22 Sco 45");
    EXPECT_EQ(texts.planetNames[indexOf(Body::Saturn)], "Saturn (R) ");
    EXPECT_EQ(texts.planetNames[indexOf(Body::Jupiter)], "Jupiter");
    EXPECT_EQ(texts.planetNames[indexOf(Body::Ascendant)], "Asc");
}

TEST(PositionText, AbbreviatesTheSignInTheLanguage) {
    const ZodiacPosition scorpio = zodiacPositionOf(232.75);
    EXPECT_EQ(shortPositionText(scorpio, Language::German), "22 Sko 45");
    EXPECT_EQ(positionText(scorpio, Language::French), "22\xC2\xB0 45' 0\" Sco");
    EXPECT_EQ(shortPositionText(1.5, Language::BrazilianPortuguese), "01 \xC3\x81ri 30"); // Ári
    // The longest Devanagari form whole, the sign's own.
    EXPECT_EQ(positionText(scorpio, Language::Hindi),
              "22\xC2\xB0 45' 0\" \xE0\xA4\xB5\xE0\xA5\x83\xE0\xA4\xB6\xE0\xA5\x8D\xE0\xA4\x9A\xE0"
              "\xA4\xBF"); // वृश्चि
    EXPECT_EQ(shortPositionText(scorpio, Language::English), shortPositionText(scorpio));
}

} // namespace
} // namespace orbenza
