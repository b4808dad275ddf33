// A whole chart from the birth details, and what the chart screen shows of it.
#include "chart/ChartRun.h"

#include "BirthFixtures.h"
#include "Delhi1985.h"
#include "base/YearRange.h"
#include "chart/Presentation.h"
#include "chart/TimeZones.h"

#include <gtest/gtest.h>
#include <random>

namespace orbenza {
namespace {

const std::array<std::string, 11> kPlainNames{"Sun",     "Moon",    "Mercury", "Venus",
                                              "Mars",    "Jupiter", "Saturn",  "Uranus",
                                              "Neptune", "Pluto",   "Asc"};

TEST(ChartRun, FifteenthOfJune1985InDelhi) {
    const auto outcome = chartOfInput(delhi1985Input());
    ASSERT_TRUE(std::holds_alternative<ChartResult>(outcome));
    const ChartResult& chart = std::get<ChartResult>(outcome);
    const std::array<std::string, 11> expected{"24 Gem 12", "19 Tau 08", "03 Can 35", "08 Tau 29",
                                               "03 Can 58", "16 Aqu 50", "22 Sco 41", "15 Sag 36",
                                               "02 Cap 27", "02 Sco 06", "22 Lib 39"};
    for (std::size_t slot = 0; slot < expected.size(); ++slot)
        EXPECT_EQ(chart.planetPositions[slot], expected[slot]) << "slot " << slot;
    EXPECT_EQ(chart.ascendantText, "22\xC2\xB0 39' 6\" Lib");
    EXPECT_EQ(chart.moonSignName, "Taurus");
    EXPECT_EQ(chart.universalTime, (UniversalMoment{1985, 6, 15, 9, 0}));
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
    EXPECT_EQ(chart.planetPositions[10], "22 Lib 39");
}

TEST(ChartRun, SecondsOfTheClockTimeReachEveryBody) {
    // Thirty seconds later: the universal moment carries them, and the
    // Ascendant (about a degree in four minutes) and the Moon move on.
    BirthInput later = delhi1985Input();
    later.local.second = 30;
    const ChartResult a = std::get<ChartResult>(chartOfInput(delhi1985Input()));
    const ChartResult b = std::get<ChartResult>(chartOfInput(later));
    EXPECT_EQ(b.universalTime, (UniversalMoment{1985, 6, 15, 9, 0, 30}));
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
    EXPECT_EQ(a.planetPositions, b.planetPositions);
    EXPECT_EQ(a.universalTime, (UniversalMoment{1985, 6, 15, 8, 0}));
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
    EXPECT_EQ(chart.planetPositions[0].substr(3, 3), "Ari") << chart.planetPositions[0];
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
        for (Body body : kAllBodies) {
            const std::string& text = chart.planetPositions[indexOf(body)];
            ASSERT_EQ(signAbbreviation(chart.signs[body]), text.substr(3, 3))
                << bodyName(body) << " at " << chart.longitudesDeg[body] << " deg";
        }
        ASSERT_EQ(signName(chart.moonSign()), chart.moonSignName);
        ASSERT_EQ(signAbbreviation(chart.ascendantSign()),
                  chart.ascendantText.substr(chart.ascendantText.size() - 3));
    }
}

ChartResult chartWith(std::array<std::string, 11> positions, std::string ascendantText) {
    ChartResult chart;
    chart.planetPositions = std::move(positions);
    chart.ascendantText = std::move(ascendantText);
    // The run takes the signs from the longitudes; here from the texts given.
    for (Body body : kAllBodies) {
        const std::string& text = chart.planetPositions[indexOf(body)];
        if (text.size() >= 6)
            chart.signs[body] = signOfAbbreviation(text.substr(3, 3)).value_or(Sign::Aries);
    }
    chart.birth.name = "LEO";
    return chart;
}

TEST(Presentation, SunMoonAndAscendantInLeo) {
    const ChartResult chart =
        chartWith({"15 Leo 00", "03 Leo 10", "01 Vir 00", "02 Lib 00", "03 Sco 00", "04 Sag 00",
                   "05 Cap 00", "06 Leo 00", "07 Leo 00", "08 Leo 00", "20 Leo 04"},
                  "20\xC2\xB0 4' 0\" Leo");
    const ChartPresentation shown = presentChart(chart, kPlainNames);
    EXPECT_EQ(shown.perSign[4], "\r\nSun\r\nMoon\r\nAsc"); // Uranus to Pluto are not listed
    EXPECT_EQ(shown.lblSunSign, "Leo");
    EXPECT_EQ(shown.lblLagna, "Leo");
    EXPECT_EQ(shown.lblNatal[0], "\r\nSun\r\nMoon\r\nAsc");
    EXPECT_EQ(shown.lblNatal[1], "\r\nMercury");
    EXPECT_EQ(shown.imgSign[0], 5);
    EXPECT_EQ(shown.imgSign[11], 4);
}

TEST(Presentation, RetrogradeMercuryKeepsItsTrailingBlank) {
    std::array<std::string, 11> names = kPlainNames;
    names[2] = "Mercury (R) ";
    const ChartResult chart =
        chartWith({"15 Gem 00", "03 Can 10", "01 Gem 00", "02 Tau 00", "03 Ari 00", "04 Pis 00",
                   "05 Aqu 00", "06 Cap 00", "07 Sag 00", "08 Sco 00", "20 Lib 04"},
                  "20\xC2\xB0 4' 0\" Lib");
    const ChartPresentation shown = presentChart(chart, names);
    EXPECT_EQ(shown.perSign[2], "\r\nSun\r\nMercury (R) ");
}

TEST(Presentation, AscendantInPiscesStartsTheWheelThere) {
    const ChartResult chart =
        chartWith({"15 Ari 00", "03 Tau 10", "01 Ari 00", "02 Ari 00", "03 Ari 00", "04 Ari 00",
                   "05 Ari 00", "06 Ari 00", "07 Ari 00", "08 Ari 00", "29 Pis 59"},
                  "29\xC2\xB0 59' 0\" Pis");
    const ChartPresentation shown = presentChart(chart, kPlainNames);
    EXPECT_EQ(shown.lblNatal[0], "\r\nAsc");
    EXPECT_EQ(shown.lblNatal[2], "\r\nMoon");
    const std::array<int, 12> pictures{12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    EXPECT_EQ(shown.imgSign, pictures);
}

TEST(Presentation, TheWheelFollowsTheSignValuesNotTheTexts) {
    ChartResult chart =
        chartWith({"15 Ari 00", "03 Tau 10", "01 Ari 00", "02 Ari 00", "03 Ari 00", "04 Ari 00",
                   "05 Ari 00", "06 Ari 00", "07 Ari 00", "08 Ari 00", "?? ??? ??"},
                  "");
    chart.signs[Body::Ascendant] = Sign::Gemini; // the text names no sign
    const ChartPresentation shown = presentChart(chart, kPlainNames);
    EXPECT_EQ(shown.lblNatal[0], "\r\nAsc"); // the wheel starts at the Ascendant's sign
    EXPECT_EQ(shown.lblNatal[11], "\r\nMoon");
    EXPECT_EQ(shown.imgSign[0], 3);
    EXPECT_EQ(shown.imgSign[11], 2);
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
    const ChartPresentation shown = presentChart(midnight, kPlainNames);
    EXPECT_EQ(shown.lblDOB, "January/1/1901");
    EXPECT_EQ(shown.lblTOB, "0:00");
    EXPECT_EQ(shown.lblLatitude, "28\xC2\xB0 5' N");
    EXPECT_EQ(shown.lblLongitude, "77\xC2\xB0 13' E");
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
    EXPECT_EQ(april.planetNames[2], "Mercury (R) ");
    EXPECT_TRUE(april.retrograde[Body::Mercury]);
    EXPECT_EQ(april.planetNames[0], "Sun");
    EXPECT_EQ(april.planetNames[10], "Asc");

    // 17 April 1985 00:30 in Delhi is still 16 April in universal time, when
    // Mercury was retrograde; the local date, the day of the direct station,
    // decides: not marked.
    e.local.day = 17;
    e.local.hour = 0;
    e.local.minute = 30;
    const ChartResult station = std::get<ChartResult>(chartOfInput(e));
    EXPECT_EQ(station.universalTime.day, 16);
    EXPECT_EQ(station.planetNames[2], "Mercury");
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
