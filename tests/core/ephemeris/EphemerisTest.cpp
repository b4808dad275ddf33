// The precise positions from the compiled-in series held to the reference
// table (the Swiss Ephemeris with its JPL files, written by
// tools/reference-longitudes), and the series themselves: continuous where
// their segments meet, with speeds that are their derivatives.
#include "ephemeris/Ephemeris.h"

#include "base/Body.h"
#include "ephemeris/ReferenceTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>
#include <vector>

namespace orbenza {
namespace {

using testing::differenceArcsec;
using testing::ReferenceRow;
using testing::referenceRows;

// Every point and the Ascendant.
constexpr double kPreciseToleranceArcsec = 1.0;
// Share of printed minutes (whole degrees and minutes within the sign) that
// equal the reference's, over every point of every row.
constexpr double kSameMinuteShare = 0.999;

// The points the reference table holds, and their names in messages.
constexpr Body kReferencePoints[] = {Body::Sun,      Body::Moon,     Body::Mercury,   Body::Venus,
                                     Body::Mars,     Body::Jupiter,  Body::Saturn,    Body::Uranus,
                                     Body::Neptune,  Body::Pluto,    Body::Ascendant, Body::Chiron,
                                     Body::TrueNode, Body::MeanNode, Body::Lilith};
constexpr const char* kPointNames[kPointCount] = {
    "Sun",   "Moon", "Mercury", "Venus",  "Mars",     "Jupiter",  "Saturn", "Uranus", "Neptune",
    "Pluto", "Asc",  "MC",      "Chiron", "TrueNode", "MeanNode", "Lilith", "Fortune"};
const char* pointName(Body body) {
    return kPointNames[indexOf(body)];
}

double julianDayUtOf(const ReferenceRow& row) {
    return julianDayOf(row.year, row.month, row.day, row.hour + row.minute / 60.0);
}

// The printed minute: whole minutes of the zodiac, 0 ... 21599.
long printedMinute(double longitudeDeg) {
    return static_cast<long>(std::floor(longitudeDeg * 60.0));
}

TEST(PreciseReference, TheTableHoldsTwoThousandMomentsOverTheAdmittedYears) {
    const auto& rows = referenceRows();
    ASSERT_EQ(rows.size(), 2000u);
    const auto [first, last] = std::minmax_element(
        rows.begin(), rows.end(), [](const auto& a, const auto& b) { return a.year < b.year; });
    EXPECT_LE(first->year, 1905);
    EXPECT_GE(last->year, 2046);
}

// One pass over the table: the tolerance for every value, and the share of
// printed minutes that equal the reference's.
TEST(PreciseReference, EveryPointWithinOneArcsecondAndThePrintedMinuteAlmostAlwaysTheSame) {
    PointArray<double> worst{};
    long same = 0, total = 0;
    for (const ReferenceRow& row : referenceRows()) {
        const EphemerisPositions result =
            ephemerisPositions(julianDayUtOf(row), row.latitudeDeg(), row.longitudeEastDeg());
        for (Body body : kReferencePoints) {
            const double expected = row.longitudesDeg[body];
            const double actual = result.longitudesDeg[body];
            const double error = std::fabs(differenceArcsec(actual, expected));
            worst[body] = std::max(worst[body], error);
            EXPECT_LE(error, kPreciseToleranceArcsec)
                << pointName(body) << " at " << row.text << " (line " << row.lineNumber
                << "): expected " << expected << ", actual " << actual;
            EXPECT_TRUE(actual >= 0.0 && actual < 360.0) << pointName(body) << ' ' << actual;
            ++total;
            const long expectedMinute = printedMinute(expected);
            const long actualMinute = printedMinute(actual);
            if (expectedMinute == actualMinute) {
                ++same;
                continue;
            }
            // Where they differ, the reference stands at the rounding edge.
            EXPECT_EQ(std::labs(expectedMinute - actualMinute) % 21599, 1)
                << pointName(body) << " at " << row.text << ": expected " << expected << ", actual "
                << actual;
        }
    }
    for (Body body : kReferencePoints)
        std::printf("precise %-9s largest difference %.3f arcsec\n", pointName(body), worst[body]);
    const double share = static_cast<double>(same) / static_cast<double>(total);
    std::printf("precise: %ld of %ld printed minutes equal the reference's (%.3f%%)\n", same, total,
                100.0 * share);
    EXPECT_GE(share, kSameMinuteShare);
}

// Where two segments meet, the one ending and the one starting agree in value
// and speed. Independent fits each within 0.05 arcseconds of the source meet
// within 0.1; the true node's within 0.5 (its source steps by up to 0.4 every
// 27.55 days). The sidereal time's source itself steps by 1.9 arcseconds at
// 2050-01-01 00:00 UT, where a segment ends on purpose. A polynomial of degree
// n within e of a function over a segment of length L has a derivative within
// about e n^2 / (L / 2) of the function's (Markov's inequality): the speeds
// meet within that bound, 0.2 arcseconds a day for the Moon's 16-day segments.
TEST(EphemerisSeries, SegmentsMeetInValueAndSpeed) {
    constexpr double kSiderealStepJulianDay = 2469807.5;
    for (std::size_t i = 0; i < kSeriesCount; ++i) {
        const auto id = static_cast<SeriesId>(i);
        const double valueToleranceArcsec = id == SeriesId::TrueNode ? 0.5 : 0.1;
        const double degree = static_cast<double>(kChebyshevSeries[i].coefficientCount - 1);
        double worstValue = 0, worstSpeedShare = 0;
        const std::size_t count = segmentCount(id);
        ASSERT_GT(count, 1u) << i;
        SeriesSegment before = segmentAt(id, 0);
        for (std::size_t s = 1; s < count; ++s) {
            const SeriesSegment after = segmentAt(id, s);
            const double meet = after.startJulianDayUt;
            ASSERT_NEAR(before.startJulianDayUt + before.days, meet, 1e-6) << i << ' ' << s;
            const SeriesPoint left = evaluateSegment(id, before, meet);
            const SeriesPoint right = evaluateSegment(id, after, meet);
            // A longitude's segments may stand whole turns apart.
            const double valueArcsec = std::fabs(differenceArcsec(left.valueDeg, right.valueDeg));
            if (!(id == SeriesId::SiderealCorrection && meet == kSiderealStepJulianDay)) {
                EXPECT_LE(valueArcsec, valueToleranceArcsec) << i << " at JD " << meet;
                worstValue = std::max(worstValue, valueArcsec);
            }
            const double speedBoundArcsecPerDay =
                valueToleranceArcsec * degree * degree / (std::min(before.days, after.days) / 2.0);
            const double speedArcsecPerDay =
                std::fabs(left.speedDegPerDay - right.speedDegPerDay) * 3600.0;
            EXPECT_LE(speedArcsecPerDay, speedBoundArcsecPerDay) << i << " at JD " << meet;
            worstSpeedShare = std::max(worstSpeedShare, speedArcsecPerDay / speedBoundArcsecPerDay);
            before = after;
        }
        std::printf(
            "series %2zu: %5zu segments, largest step %.4f\", speed step %.0f%% of the bound\n", i,
            count, worstValue, 100.0 * worstSpeedShare);
    }
}

TEST(EphemerisSeries, TheSegmentHoldingAMomentIsTheOneThatCoversIt) {
    // Every universal moment of a local date of the admitted years lies within
    // the series (the widest zones are 14 hours from Greenwich), and each
    // series' segments are found again by the moment.
    const double earliest = julianDayOf(1900, 12, 31, 10.0);
    const double latest = julianDayOf(2051, 1, 1, 12.0);
    for (std::size_t i = 0; i < kSeriesCount; ++i) {
        const auto id = static_cast<SeriesId>(i);
        const SeriesSegment first = segmentAt(id, 0);
        const SeriesSegment last = segmentAt(id, segmentCount(id) - 1);
        EXPECT_LE(first.startJulianDayUt, earliest) << i;
        EXPECT_GE(last.startJulianDayUt + last.days, latest) << i;
        for (std::size_t s = 0; s < segmentCount(id); s += 7) {
            const SeriesSegment segment = segmentAt(id, s);
            for (double part : {0.0, 0.37, 0.999}) {
                const SeriesSegment found =
                    segmentHolding(id, segment.startJulianDayUt + part * segment.days);
                EXPECT_EQ(found.coefficients, segment.coefficients) << i << ' ' << s << ' ' << part;
                EXPECT_DOUBLE_EQ(found.startJulianDayUt, segment.startJulianDayUt);
            }
        }
    }
}

TEST(EphemerisSeries, SpeedsAreTheRatesOfTheLongitudes) {
    // The speed from the polynomial's derivative against the central
    // difference of the longitudes over two minutes, at every tenth reference
    // moment: the Moon's 13 degrees a day, Mercury's loops, the nodes.
    constexpr double kStepDays = 1.0 / 1440.0;
    const auto& rows = referenceRows();
    for (std::size_t r = 0; r < rows.size(); r += 10) {
        const double jd = julianDayUtOf(rows[r]);
        const EphemerisPositions now = ephemerisPositions(jd, 0.0, 0.0);
        const EphemerisPositions later = ephemerisPositions(jd + kStepDays, 0.0, 0.0);
        const EphemerisPositions earlier = ephemerisPositions(jd - kStepDays, 0.0, 0.0);
        for (Body body : kReferencePoints) {
            if (body == Body::Ascendant)
                continue;
            const double rate =
                differenceArcsec(later.longitudesDeg[body], earlier.longitudesDeg[body]) / 3600.0 /
                (2.0 * kStepDays);
            EXPECT_NEAR(now.speedsDegPerDay[body], rate, 2e-4)
                << pointName(body) << " at " << rows[r].text;
        }
    }
    // Mercury stood retrograde from 2023-08-23 to 2023-09-15; the Moon always
    // runs forwards, the mean node always backwards.
    const EphemerisPositions retrograde = ephemerisPositions(julianDayOf(2023, 8, 30, 0.0), 0, 0);
    EXPECT_LT(retrograde.speedsDegPerDay[Body::Mercury], 0.0);
    EXPECT_GT(retrograde.speedsDegPerDay[Body::Moon], 11.0);
    EXPECT_LT(retrograde.speedsDegPerDay[Body::MeanNode], 0.0);
}

constexpr double kRad = 3.14159265358979323846 / 180.0;

TEST(PreciseAscendant, RisingPointsOfSimpleSkies) {
    // At the equator with the equinox on the meridian, 0 Cancer rises; with
    // 0 Cancer on the meridian (right ascension 90), 0 Libra rises.
    constexpr double kExact = 1e-9;
    EXPECT_NEAR(ascendantLongitudeDeg(0.0, 23.44, 0.0), 90.0, kExact);
    EXPECT_NEAR(ascendantLongitudeDeg(90.0, 23.44, 0.0), 180.0, kExact);
    EXPECT_NEAR(ascendantLongitudeDeg(180.0, 23.44, 0.0), 270.0, kExact);
    EXPECT_NEAR(ascendantLongitudeDeg(270.0, 23.44, 0.0), 0.0, kExact);
    // Without obliquity the Ascendant is the meridian plus 90 at any latitude.
    for (double lst : {10.0, 123.0, 301.5})
        EXPECT_NEAR(ascendantLongitudeDeg(lst, 0.0, 51.5), std::fmod(lst + 90.0, 360.0), 1e-9);
    // Beyond the polar circle the ecliptic can meet the eastern horizon with
    // its setting half; the Ascendant is still the point on the horizon (zero
    // altitude) in the eastern half of the sky (hour angle 180 ... 360).
    constexpr double kObliquityDeg = 23.44;
    for (double latitude : {70.0, -75.0, 51.5}) {
        for (double lst = 0.5; lst < 360.0; lst += 5.0) {
            const double lambda = ascendantLongitudeDeg(lst, kObliquityDeg, latitude) * kRad;
            const double eps = kObliquityDeg * kRad;
            const double ra = std::atan2(std::sin(lambda) * std::cos(eps), std::cos(lambda));
            const double dec = std::asin(std::sin(eps) * std::sin(lambda));
            const double hourAngle = lst * kRad - ra;
            const double phi = latitude * kRad;
            const double sinAltitude =
                std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(hourAngle);
            EXPECT_NEAR(sinAltitude, 0.0, 1e-12) << "latitude " << latitude << ", LST " << lst;
            EXPECT_LE(std::sin(hourAngle), 0.0) << "latitude " << latitude << ", LST " << lst;
        }
    }
    // Always in 0 to below 360.
    for (double lst = 0.0; lst < 360.0; lst += 7.5) {
        const double asc = ascendantLongitudeDeg(lst, 23.44, -45.0);
        EXPECT_GE(asc, 0.0);
        EXPECT_LT(asc, 360.0);
    }
}

TEST(PreciseCalendar, JulianDaysOfKnownDates) {
    // Meeus, Astronomical Algorithms, ch. 7: J2000.0, 1957 October 4.81
    // (Sputnik), 1900 January 1.0.
    EXPECT_DOUBLE_EQ(julianDayOf(2000, 1, 1, 12.0), 2451545.0);
    EXPECT_NEAR(julianDayOf(1957, 10, 4, 0.81 * 24.0), 2436116.31, 1e-9);
    EXPECT_DOUBLE_EQ(julianDayOf(1900, 1, 1, 0.0), 2415020.5);
    EXPECT_DOUBLE_EQ(julianDayOf(2050, 12, 31, 24.0), julianDayOf(2051, 1, 1, 0.0));
}

} // namespace
} // namespace orbenza
