// A whole chart from the birth details, and what the chart screen shows of it.
#include "chart/ChartRun.h"

#include "BirthFixtures.h"
#include "Delhi1985.h"
#include "base/YearRange.h"
#include "chart/TimeZones.h"
#include "present/PositionText.h"
#include "present/Presentation.h"

#include <gtest/gtest.h>
#include <random>

namespace orbenza {
namespace {

TEST(ChartRun, FifteenthOfJune1985InDelhi) {
    const auto outcome = chartOfInput(delhi1985Input());
    ASSERT_TRUE(std::holds_alternative<ChartResult>(outcome));
    const ChartResult& chart = std::get<ChartResult>(outcome);
    const std::array<std::string, 11> expected{"24 Gem 12", "19 Tau 08", "03 Can 35", "08 Tau 29",
                                               "03 Can 58", "16 Aqu 50", "22 Sco 41", "15 Sag 36",
                                               "02 Cap 27", "02 Sco 06", "22 Lib 39"};
    const ChartTexts texts = chartTexts(chart);
    EXPECT_EQ(texts.planetPositions, expected);
    EXPECT_EQ(texts.ascendantText, "22\xC2\xB0 39' 6\" Lib");
    EXPECT_EQ(texts.moonSignName, "Taurus");
    EXPECT_EQ(chart.moment.universalTime, (UniversalMoment{1985, 6, 15, 9, 0}));
    EXPECT_EQ(chart.birth.zoneHours, 5);
    EXPECT_EQ(chart.birth.zoneMinutes, 30);
    EXPECT_EQ(chart.birth.isEast, kTrue16);
    EXPECT_EQ(chart.birth.isSouth, kFalse16);
    EXPECT_NEAR(chart.longitudesDeg[Body::Ascendant], 202.651796, 0.000001);
}

TEST(ChartRun, MinutesTypedWithALeadingZeroAreStoredAsNumbers) {
    BirthInput e = delhi1985Input();
    e.latitude.minutes = 5;
    const ChartResult chart = std::get<ChartResult>(chartOfInput(e));
    EXPECT_EQ(chart.birth.latitudeMinutes, 5);
}

TEST(ChartRun, ARefusalComputesNothing) {
    BirthInput e = delhi1985Input();
    e.name = "  ";
    const auto outcome = chartOfInput(e);
    ASSERT_TRUE(std::holds_alternative<InputRefusal>(outcome));
    EXPECT_EQ(std::get<InputRefusal>(outcome).problem, InputProblem::EmptyName);
}

TEST(ChartRun, WithoutAZoneRowTheExactCorrectionIsUsed) {
    BirthInput e = delhi1985Input();
    e.zonePosition = -1;
    e.correction = UtCorrection{-5, -30};
    const ChartResult chart = std::get<ChartResult>(chartOfInput(e));
    EXPECT_EQ(shortPositionText(chart.zodiacPositions[Body::Ascendant]), "22 Lib 39");
}

TEST(ChartRun, SecondsOfTheClockTimeReachEveryBody) {
    // Thirty seconds later: the universal moment carries them, and the
    // Ascendant (about a degree in four minutes) and the Moon move on.
    BirthInput later = delhi1985Input();
    later.local.second = 30;
    const ChartResult a = std::get<ChartResult>(chartOfInput(delhi1985Input()));
    const ChartResult b = std::get<ChartResult>(chartOfInput(later));
    EXPECT_EQ(b.moment.universalTime, (UniversalMoment{1985, 6, 15, 9, 0, 30}));
    EXPECT_NEAR(b.longitudesDeg[Body::Ascendant] - a.longitudesDeg[Body::Ascendant], 0.125, 0.03);
    EXPECT_GT(b.longitudesDeg[Body::Moon], a.longitudesDeg[Body::Moon]);
    EXPECT_GT(b.longitudesDeg[Body::Sun], a.longitudesDeg[Body::Sun]);
}

TEST(ChartRun, DaylightSavingMovesEveryBodyByTheSameHour) {
    // One time base: the clock read an hour ahead, so the chart is that of
    // one hour earlier for the Moon, the Ascendant and the planets alike.
    BirthInput summer = delhi1985Input();
    summer.daylightSaving = true;
    BirthInput hourEarlier = delhi1985Input();
    hourEarlier.local.hour = 13;
    const ChartResult a = std::get<ChartResult>(chartOfInput(summer));
    const ChartResult b = std::get<ChartResult>(chartOfInput(hourEarlier));
    EXPECT_EQ(a.zodiacPositions, b.zodiacPositions);
    EXPECT_EQ(a.moment.universalTime, (UniversalMoment{1985, 6, 15, 8, 0}));
}

TEST(ChartRun, SunSignOfA1901BirthIsOfTheEquinoxOfDate) {
    // 22 March 1901 12:00 UT: the Sun had passed the equinox of date (about
    // 1.2 degrees of Aries, the equinox fell on 21 March 07:24 UT) but stood
    // 83 arcminutes short of it in the J2000 frame, in late Pisces.
    BirthInput e = delhi1985Input();
    e.local.month = 3;
    e.local.day = 22;
    e.local.year = 1901;
    e.local.hour = 12;
    e.local.minute = 0;
    e.zonePosition = 29;
    const ChartResult chart = std::get<ChartResult>(chartOfInput(e));
    EXPECT_EQ(chart.sunSign(), Sign::Aries) << chart.longitudesDeg[Body::Sun];
}

TEST(ChartRun, SignValuesNameTheSignsTheTextsShow) {
    // The signs are computed from the longitudes; the position texts are
    // written from the same longitudes. Over many charts both must agree:
    // the Sun's and every short text's characters 4 to 6, the Moon's sign
    // name and the Ascendant text's last three letters.
    std::mt19937 random(1962);
    std::uniform_int_distribution<int> year(kFirstYear, kLastYear), month(1, 12), day(1, 28),
        hour(0, 23), minute(0, 59), lon(0, 179), lat(0, 89), zone(0, kTimeZoneCount - 1);
    for (int n = 0; n < 2000; ++n) {
        const BirthData birth = testing::makeBirth(
            year(random), month(random), day(random), hour(random), minute(random),
            {lon(random), minute(random), random() % 2 == 0, lat(random), minute(random),
             random() % 2 == 0});
        const ChartResult chart =
            computeChart(birth, testing::zoneAt(zone(random)), Positions::Classic);
        const ChartTexts texts = chartTexts(chart);
        for (Body body : kAllBodies) {
            const std::string& text = texts.planetPositions[indexOf(body)];
            ASSERT_EQ(signAbbreviation(chart.signs[body]), text.substr(3, 3))
                << bodyName(body) << " at " << chart.longitudesDeg[body] << " deg";
        }
        ASSERT_EQ(signName(chart.moonSign()), texts.moonSignName);
        ASSERT_EQ(signAbbreviation(chart.ascendantSign()),
                  texts.ascendantText.substr(texts.ascendantText.size() - 3));
    }
}

// A chart of the given longitudes, Sun ... Pluto and the Ascendant, with its
// zodiac positions and signs as the run takes them apart.
ChartResult chartWith(const std::array<double, kBodyCount>& longitudesDeg) {
    ChartResult chart;
    for (Body body : kAllBodies) {
        chart.longitudesDeg[body] = longitudesDeg[indexOf(body)];
        chart.zodiacPositions[body] = zodiacPositionOf(chart.longitudesDeg[body]);
        chart.signs[body] = chart.zodiacPositions[body].sign;
    }
    chart.birth.name = "LEO";
    return chart;
}

TEST(Presentation, SunMoonAndAscendantInLeo) {
    const ChartResult chart =
        chartWith({135.0, 123.2, 151.0, 182.0, 213.0, 244.0, 275.0, 126.0, 127.0, 128.0, 140.1});
    const ChartPresentation shown = presentChart(chart);
    EXPECT_EQ(shown.perSign[4], "\r\nSun\r\nMoon\r\nAsc"); // Uranus to Pluto are not listed
    EXPECT_EQ(shown.sunSignName, "Leo");
    EXPECT_EQ(shown.ascendantSignName, "Leo");
    EXPECT_EQ(shown.natalLists[0], "\r\nSun\r\nMoon\r\nAsc");
    EXPECT_EQ(shown.natalLists[1], "\r\nMercury");
    EXPECT_EQ(shown.signPictures[0], 5);
    EXPECT_EQ(shown.signPictures[11], 4);
}

TEST(Presentation, RetrogradeMercuryKeepsItsTrailingBlank) {
    ChartResult chart =
        chartWith({75.0, 93.2, 61.0, 32.0, 3.0, 334.0, 305.0, 276.0, 247.0, 218.0, 200.1});
    chart.retrograde[Body::Mercury] = true;
    const ChartPresentation shown = presentChart(chart);
    EXPECT_EQ(shown.perSign[2], "\r\nSun\r\nMercury (R) ");
}

TEST(Presentation, AscendantInPiscesStartsTheWheelThere) {
    const ChartResult chart =
        chartWith({15.0, 33.2, 1.0, 2.0, 3.0, 4.0, 5.0, 6.0, 7.0, 8.0, 359.99});
    const ChartPresentation shown = presentChart(chart);
    EXPECT_EQ(shown.natalLists[0], "\r\nAsc");
    EXPECT_EQ(shown.natalLists[2], "\r\nMoon");
    const std::array<int, 12> pictures{12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    EXPECT_EQ(shown.signPictures, pictures);
}

TEST(Presentation, DetailsInTheirDisplayForms) {
    BirthInput e = delhi1985Input();
    e.local.month = 1;
    e.local.day = 1;
    e.local.year = 1901;
    e.local.hour = 0;
    e.local.minute = 0;
    e.latitude.minutes = 5;
    const ChartResult midnight = std::get<ChartResult>(chartOfInput(e));
    const ChartPresentation shown = presentChart(midnight);
    EXPECT_EQ(shown.birthDate, "January/1/1901");
    EXPECT_EQ(shown.birthTime, "0:00");
    EXPECT_EQ(shown.latitude, "28\xC2\xB0 5' N");
    EXPECT_EQ(shown.longitude, "77\xC2\xB0 13' E");
    EXPECT_EQ(shown.computedFor,
              "Computed for 31 Dec 1900 18:30 UT, Indian Time, IST, +5.3, classic positions");
}

TEST(Presentation, ComputedForNamesTheZoneRowAndDaylightSaving) {
    BirthInput e = delhi1985Input();
    e.zonePosition = 20;
    e.daylightSaving = true;
    const ChartResult chart = std::get<ChartResult>(chartOfInput(e));
    EXPECT_EQ(
        computedForLine(chart),
        "Computed for 15 Jun 1985 12:30 UT, Central European Time, CET, +1.0, daylight saving, "
        "classic positions");
    e.positions = Positions::Precise;
    EXPECT_EQ(
        computedForLine(std::get<ChartResult>(chartOfInput(e))),
        "Computed for 15 Jun 1985 12:30 UT, Central European Time, CET, +1.0, daylight saving, "
        "precise positions");
}

} // namespace
} // namespace orbenza

namespace orbenza {
namespace {

TEST(ChartRun, RetrogradeMarksGoByTheLocalBirthDate) {
    // 10 April 1985: Mercury retrograde (24 March to 17 April 1985).
    BirthInput e = delhi1985Input();
    e.local.month = 4;
    e.local.day = 10;
    const ChartResult april = std::get<ChartResult>(chartOfInput(e));
    EXPECT_TRUE(april.retrograde[Body::Mercury]);
    EXPECT_EQ(chartTexts(april).planetNames[2], "Mercury (R) ");

    // 17 April 1985 00:30 in Delhi is still 16 April in universal time, when
    // Mercury was retrograde; the local date, the day of the direct station,
    // decides: not marked.
    e.local.day = 17;
    e.local.hour = 0;
    e.local.minute = 30;
    const ChartResult station = std::get<ChartResult>(chartOfInput(e));
    EXPECT_EQ(station.moment.universalTime.day, 16);
    EXPECT_FALSE(station.retrograde[Body::Mercury]);
}

TEST(ChartRun, EveryPlanetHasAHouseCountedFromTheAscendant) {
    const ChartResult chart = std::get<ChartResult>(chartOfInput(delhi1985Input()));
    // Ascendant 22 Lib: house 1 runs from 22 Lib to 21 Sco.
    EXPECT_EQ(chart.houses[Body::Pluto], 1);  // Pluto 02 Sco
    EXPECT_EQ(chart.houses[Body::Saturn], 2); // Saturn 22 Sco
    EXPECT_EQ(chart.houses[Body::Sun], 9);    // Sun 24 Gem
    EXPECT_EQ(chart.houses[Body::Moon], 7);   // Moon 19 Tau
}

} // namespace
} // namespace orbenza
