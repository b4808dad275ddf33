#include "predictive/Returns.h"

#include "Delhi1985.h"
#include "ephemeris/Ephemeris.h"
#include "predictive/Moments.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

constexpr double kArcsecond = 1.0 / 3600.0;

double offsetDeg(double aDeg, double bDeg) {
    const double d = std::fmod(std::fabs(aDeg - bDeg), 360.0);
    return d > 180.0 ? 360.0 - d : d;
}

TEST(ReturnsTest, SolarReturnBringsTheSunBackToItsNatalLongitudeNearTheBirthday) {
    const ChartResult natal = runChart(delhi1985Input()); // classic positions
    const double natalSunDeg = returnLongitudeDeg(natal, ReturnBody::Sun);
    for (int year : {1986, 2000, 2024, 2050}) {
        const auto found = solarReturn(natal, year);
        ASSERT_TRUE(found) << year;
        const double jd = found->momentJulianDayUt;
        EXPECT_LT(offsetDeg(apparentLongitude(SeriesId::Sun, jd).valueDeg, natalSunDeg), kArcsecond)
            << year;
        const CivilDateTime moment = momentOfJulianDay(jd);
        EXPECT_EQ(moment.year, year);
        EXPECT_EQ(moment.month, 6);
        EXPECT_NEAR(moment.day, 15, 1);
        // The chart is drawn at the birth place for the moment, to the second.
        EXPECT_EQ(found->chart.universalTime, moment);
        EXPECT_EQ(found->chart.positions, Positions::Precise);
        EXPECT_NEAR(offsetDeg(found->chart.longitudesDeg[Body::Sun], natalSunDeg), 0,
                    2 * kArcsecond);
        EXPECT_EQ(found->chart.input.latitude, natal.input.latitude);
    }
}

TEST(ReturnsTest, SolarReturnsOfANewYearBirthdayAreOneAYearAcrossTheYearEnd) {
    // Born 1 January 2000 at 00:30 UT: some returns fall on New Year's Eve,
    // some after midnight, and no two birthdays share one.
    BirthInput input = delhi1985Input();
    input.local = {2000, 1, 1, 6, 0, 0}; // Indian time, 00:30 UT
    const ChartResult natal = runChart(input);
    double previousJd = 0;
    for (int year = 2020; year <= 2030; ++year) {
        const auto found = solarReturn(natal, year);
        ASSERT_TRUE(found);
        const double birthdayJd = julianDayOfMoment({year, 1, 1, 0, 30, 0});
        EXPECT_NEAR(found->momentJulianDayUt, birthdayJd, 1.0) << year;
        if (previousJd > 0) {
            EXPECT_NEAR(found->momentJulianDayUt - previousJd, 365.2422, 0.05) << year;
        }
        previousJd = found->momentJulianDayUt;
    }
}

TEST(ReturnsTest, LunarReturnsOfAMonthAreOneOrTwoAndRelocatedChartsUseThePlace) {
    const ChartResult natal = runChart(delhi1985Input());
    const double natalMoonDeg = returnLongitudeDeg(natal, ReturnBody::Moon);
    int twoInAMonth = 0;
    double previousJd = 0;
    for (int month = 1; month <= 12; ++month) {
        const auto moments = lunarReturnJulianDaysUt(natalMoonDeg, 2023, month);
        ASSERT_GE(moments.size(), 1u);
        ASSERT_LE(moments.size(), 2u);
        twoInAMonth += moments.size() == 2 ? 1 : 0;
        for (double jd : moments) {
            EXPECT_LT(offsetDeg(apparentLongitude(SeriesId::Moon, jd).valueDeg, natalMoonDeg),
                      kArcsecond);
            const CivilDateTime moment = momentOfJulianDay(jd);
            EXPECT_EQ(moment.month, month);
            // Tropical month: 27.32 days, give or take the Moon's unequal pace.
            if (previousJd > 0) {
                EXPECT_NEAR(jd - previousJd, 27.32, 0.3);
            }
            previousJd = jd;
        }
    }
    // Thirteen or fourteen returns fall in a year.
    EXPECT_GE(twoInAMonth, 1);
    EXPECT_LE(twoInAMonth, 2);

    const ReturnPlace london{{0, 7, EastWest::West}, {51, 30, NorthSouth::North}};
    const auto charts = lunarReturns(natal, 2023, 5, london);
    ASSERT_FALSE(charts.empty());
    const ReturnChart& first = charts.front();
    EXPECT_EQ(first.body, ReturnBody::Moon);
    EXPECT_EQ(first.chart.input.latitude, london.latitude);
    EXPECT_EQ(first.chart.input.longitude, london.longitude);
    // The same moment at the birth place differs only in the angles and houses.
    const ReturnChart home = returnChartAt(natal, ReturnBody::Moon, first.momentJulianDayUt);
    EXPECT_EQ(home.chart.longitudesDeg[Body::Moon], first.chart.longitudesDeg[Body::Moon]);
    EXPECT_GT(offsetDeg(home.chart.angles.mcDeg, first.chart.angles.mcDeg), 60.0);
}

} // namespace
} // namespace orbenza
