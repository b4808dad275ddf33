// The birth-time windows checked against the chart run: the chart at each end
// (a local clock time to the second, computed here with runChart) has the
// birth's Ascendant sign and houses, one second outside it does not.
#include "windows/BirthTimeWindows.h"

#include "BirthFixtures.h"
#include "atlas/PlaceClock.h"
#include "chart/AtlasTime.h"
#include "chart/ChartRun.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>

namespace orbenza {
namespace {

using testing::makeBirth;
using testing::Place;
using testing::zoneAt;

// A local clock time moved by some seconds, by calendar arithmetic.
atlas::DateTime shifted(const atlas::DateTime& t, int seconds) {
    using namespace std::chrono;
    const sys_seconds s = sys_days{year{t.year} / t.month / t.day} + hours{t.hour} +
                          minutes{t.minute} + std::chrono::seconds{t.second + seconds};
    const auto day = floor<days>(s);
    const year_month_day ymd{day};
    const hh_mm_ss<std::chrono::seconds> time{s - day};
    return {static_cast<int>(ymd.year()),
            static_cast<int>(static_cast<unsigned>(ymd.month())),
            static_cast<int>(static_cast<unsigned>(ymd.day())),
            static_cast<int>(time.hours().count()),
            static_cast<int>(time.minutes().count()),
            static_cast<int>(time.seconds().count())};
}

// The chart for a local clock time to the second: the birth details take the
// minute, the correction takes the seconds. With a zone, the correction is the
// zone's offset at that clock time (the earlier pass of a repeated hour).
ChartResult chartAtClock(const ChartResult& birthChart, const atlas::DateTime& t,
                         const atlas::ZoneClock* zone = nullptr, double longitudeEastDeg = 0) {
    BirthData birth = birthChart.birth;
    birth.birthYear = static_cast<std::int16_t>(t.year);
    birth.birthMonth = static_cast<std::int16_t>(t.month);
    birth.birthDay = static_cast<std::int16_t>(t.day);
    birth.birthHour = static_cast<std::int16_t>(t.hour);
    birth.birthMinute = static_cast<std::int16_t>(t.minute);
    std::int32_t offset = 0;
    if (zone != nullptr) {
        const atlas::PlaceTime place = zone->at(t, longitudeEastDeg);
        EXPECT_NE(place.kind, atlas::PlaceTime::Kind::DidNotExist) << "clock time did not exist";
        offset = place.first.utOffsetSeconds;
    } else {
        const UtCorrection& c = birthChart.correction;
        offset = -(c.utCorrectionHours * 3600 + c.utCorrectionMinutes * 60 + c.utCorrectionSeconds);
    }
    return computeChart(birth, correctionOfOffset(offset - t.second), birthChart.positions);
}

bool sameHouses(const ChartResult& a, const ChartResult& b) {
    for (Body body : kAllBodies) {
        if (body != Body::Ascendant && a.houses[body] != b.houses[body])
            return false;
    }
    return true;
}

std::string text(const std::optional<atlas::DateTime>& t) {
    return t ? isoClockTime(*t) : std::string("open");
}

// Every closed end keeps the birth's value, the second beyond it does not;
// the windows hold the birth and the Ascendant's window holds the houses'.
void expectWindowsHold(const ChartResult& chart, const BirthTimeWindows& w,
                       const atlas::ZoneClock* zone = nullptr, double longitudeEastDeg = 0) {
    const BirthData& b = chart.birth;
    const atlas::DateTime birth{b.birthYear, b.birthMonth,  b.birthDay,
                                b.birthHour, b.birthMinute, 0};
    SCOPED_TRACE("birth " + isoClockTime(birth) + ", Ascendant " + text(w.ascendant.from) + " .. " +
                 text(w.ascendant.to) + ", houses " + text(w.houses.from) + " .. " +
                 text(w.houses.to));
    EXPECT_EQ(w.ascendantSign, chart.ascendantSign());
    auto check = [&](const std::optional<atlas::DateTime>& end, int outward, bool houses) {
        if (!end)
            return;
        const ChartResult inside = chartAtClock(chart, *end, zone, longitudeEastDeg);
        const ChartResult outside =
            chartAtClock(chart, shifted(*end, outward), zone, longitudeEastDeg);
        EXPECT_EQ(inside.ascendantSign(), chart.ascendantSign()) << "at " << isoClockTime(*end);
        if (houses) {
            EXPECT_TRUE(sameHouses(inside, chart)) << "at " << isoClockTime(*end);
            EXPECT_FALSE(sameHouses(outside, chart) &&
                         outside.ascendantSign() == chart.ascendantSign())
                << "one second outside " << isoClockTime(*end);
        } else {
            EXPECT_NE(outside.ascendantSign(), chart.ascendantSign())
                << "one second outside " << isoClockTime(*end);
        }
    };
    check(w.ascendant.from, -1, false);
    check(w.ascendant.to, +1, false);
    check(w.houses.from, -1, true);
    check(w.houses.to, +1, true);

    // Comparing ISO texts compares the clock times (valid on one side of a
    // clock change, which these windows never straddle twice).
    auto before = [](const std::optional<atlas::DateTime>& a, const atlas::DateTime& b2) {
        return !a || isoClockTime(*a) <= isoClockTime(b2);
    };
    auto after = [](const std::optional<atlas::DateTime>& a, const atlas::DateTime& b2) {
        return !a || isoClockTime(*a) >= isoClockTime(b2);
    };
    EXPECT_TRUE(before(w.houses.from, birth));
    EXPECT_TRUE(after(w.houses.to, birth));
    if (w.houses.from)
        EXPECT_TRUE(before(w.ascendant.from, *w.houses.from));
    else
        EXPECT_FALSE(w.ascendant.from.has_value());
    if (w.houses.to)
        EXPECT_TRUE(after(w.ascendant.to, *w.houses.to));
    else
        EXPECT_FALSE(w.ascendant.to.has_value());
}

constexpr Place kDelhi{77, 13, true, 28, 39};

TEST(BirthTimeWindows, EndsAreTheLastSecondsThatKeepSignAndHouses) {
    struct Row {
        int year, month, day, hour, minute;
        Place place;
        int zone;
        Positions positions;
    };
    const Row rows[] = {
        {1985, 6, 15, 14, 30, kDelhi, 34, Positions::Classic},
        {1985, 6, 15, 14, 30, kDelhi, 34, Positions::Precise},
        {1962, 11, 3, 6, 5, {73, 58, false, 40, 45}, 24, Positions::Classic},         // New York
        {2031, 1, 20, 19, 45, {151, 12, true, 33, 52, true}, 41, Positions::Classic}, // Sydney
    };
    for (const Row& r : rows) {
        const ChartResult chart =
            computeChart(makeBirth(r.year, r.month, r.day, r.hour, r.minute, r.place),
                         zoneAt(r.zone), r.positions);
        expectWindowsHold(chart, birthTimeWindows(chart));
    }
}

TEST(BirthTimeWindows, BirthOnASignChangeStartsItsWindowWithinTheMinute) {
    // Find, with the chart run alone, a birth minute whose Ascendant has just
    // entered its sign.
    const UtCorrection zone = zoneAt(34);
    int hour = -1, minute = -1;
    Sign previous = computeChart(makeBirth(1990, 3, 10, 0, 0, kDelhi), zone, Positions::Classic)
                        .ascendantSign();
    for (int m = 1; m < 24 * 60 && hour < 0; ++m) {
        const Sign sign =
            computeChart(makeBirth(1990, 3, 10, m / 60, m % 60, kDelhi), zone, Positions::Classic)
                .ascendantSign();
        if (sign != previous) {
            hour = m / 60;
            minute = m % 60;
        }
        previous = sign;
    }
    ASSERT_GE(hour, 0);
    const ChartResult chart =
        computeChart(makeBirth(1990, 3, 10, hour, minute, kDelhi), zone, Positions::Classic);
    const BirthTimeWindows w = birthTimeWindows(chart);
    expectWindowsHold(chart, w);
    ASSERT_TRUE(w.ascendant.from);
    const atlas::DateTime birth{1990, 3, 10, hour, minute, 0};
    EXPECT_GT(isoClockTime(*w.ascendant.from), isoClockTime(shifted(birth, -60)));
}

TEST(BirthTimeWindows, WindowCrossingMidnightCarriesTheDate) {
    const ChartResult chart =
        computeChart(makeBirth(1985, 6, 15, 0, 20, kDelhi), zoneAt(34), Positions::Classic);
    const BirthTimeWindows w = birthTimeWindows(chart);
    expectWindowsHold(chart, w);
    ASSERT_TRUE(w.ascendant.from);
    EXPECT_EQ(w.ascendant.from->day, 14);
    const std::string line = birthTimeWindowLine(chart, w);
    EXPECT_NE(line.find("Jun 1985"), std::string::npos) << line;
    EXPECT_EQ(line.rfind("Ascendant " + std::string(signName(chart.ascendantSign())) +
                             " for births from ",
                         0),
              0u)
        << line;
}

TEST(BirthTimeWindows, HoldNearThePolarCircle) {
    // Latitude 66° North and South, where some signs rise in minutes.
    for (int hour = 0; hour < 24; hour += 3) {
        const ChartResult north =
            computeChart(makeBirth(2000, 12, 21, hour, 0, {25, 44, true, 66, 0}), zoneAt(36),
                         Positions::Classic);
        expectWindowsHold(north, birthTimeWindows(north));
        const ChartResult south =
            computeChart(makeBirth(2000, 6, 21, hour, 0, {68, 0, false, 66, 0, true}), zoneAt(22),
                         Positions::Classic);
        expectWindowsHold(south, birthTimeWindows(south));
    }
}

TEST(BirthTimeWindows, SummerTimeChangeInsideTheWindowWithTheAtlasClock) {
    // Berlin, 28 March 2021: the clocks went from 02:00 CET to 03:00 CEST.
    const atlas::ZoneClock berlin = atlas::ZoneClock::find("Europe/Berlin");
    ASSERT_TRUE(berlin.valid()) << berlin.error();
    const double lonEast = 13.4;
    const atlas::DateTime local{2021, 3, 28, 1, 40, 0};
    const atlas::PlaceTime state = berlin.at(local, lonEast);
    BirthData birth = makeBirth(2021, 3, 28, 1, 40, {13, 24, true, 52, 31});
    const ChartResult chart =
        computeChart(birth, correctionOfOffset(state.first.utOffsetSeconds), Positions::Classic);
    const BirthTimeWindows w = birthTimeWindows(chart, PlaceClockRef{&berlin, lonEast});
    expectWindowsHold(chart, w, &berlin, lonEast);

    // The same universal moments on a clock that stayed at CET: every end
    // after the change reads an hour later on the Berlin clock.
    const BirthTimeWindows fixed = birthTimeWindows(chart);
    auto laterByAnHour = [&](const std::optional<atlas::DateTime>& summer,
                             const std::optional<atlas::DateTime>& winter) {
        ASSERT_EQ(summer.has_value(), winter.has_value());
        if (!summer)
            return;
        if (summer->hour >= 3 && summer->day == 28)
            EXPECT_EQ(isoClockTime(*summer), isoClockTime(shifted(*winter, 3600)));
        else
            EXPECT_EQ(isoClockTime(*summer), isoClockTime(*winter));
    };
    laterByAnHour(w.ascendant.to, fixed.ascendant.to);
    laterByAnHour(w.houses.to, fixed.houses.to);
    laterByAnHour(w.ascendant.from, fixed.ascendant.from);
    ASSERT_TRUE(w.ascendant.to);
    EXPECT_GE(w.ascendant.to->hour, 3) << "the window should run past the change";

    // A chart that keeps the atlas's clock reads it without being handed one:
    // the screens, the PDF and the library draw windows that way.
    ChartResult kept = chart;
    kept.input.atlasClock = AtlasClock{"Berlin", "Europe/Berlin", Fold::None, lonEast};
    const BirthTimeWindows fromChart = birthTimeWindows(kept);
    for (const auto& [given, read] : {std::pair{w.ascendant.from, fromChart.ascendant.from},
                                      std::pair{w.ascendant.to, fromChart.ascendant.to},
                                      std::pair{w.houses.from, fromChart.houses.from},
                                      std::pair{w.houses.to, fromChart.houses.to}}) {
        ASSERT_EQ(given.has_value(), read.has_value());
        if (given) {
            EXPECT_EQ(isoClockTime(*given), isoClockTime(*read));
        }
    }
    // A zone the database does not know falls back to the chart's correction.
    kept.input.atlasClock->timeZone = "Europe/Nowhere";
    ASSERT_TRUE(fixed.ascendant.to);
    EXPECT_EQ(isoClockTime(*birthTimeWindows(kept).ascendant.to),
              isoClockTime(*fixed.ascendant.to));
}

// Near either end of the years a chart may be drawn for, a window reaches
// into the year beyond: Paris kept its mean time (+0:09:21) in 1901 and
// Central European Time (+1:00) in 2050.
TEST(BirthTimeWindows, WindowsReachIntoTheYearsBeyondTheRange) {
    constexpr Place kParis{2, 21, true, 48, 51};
    const atlas::ZoneClock paris = atlas::ZoneClock::find("Europe/Paris");
    ASSERT_TRUE(paris.valid());
    struct Row {
        BirthData birth;
        std::int32_t offset;
    };
    const Row rows[] = {{makeBirth(1901, 1, 1, 0, 30, kParis), 561},
                        {makeBirth(2050, 12, 31, 23, 30, kParis), 3600}};
    for (const Row& row : rows) {
        ChartResult chart =
            computeChart(row.birth, correctionOfOffset(row.offset), Positions::Classic);
        chart.input.atlasClock = AtlasClock{"", "Europe/Paris", Fold::None, 2.35};
        const BirthTimeWindows w = birthTimeWindows(chart);
        expectWindowsHold(chart, w, &paris, 2.35);
        const bool first = row.birth.birthYear == 1901;
        const std::optional<atlas::DateTime>& beyond = first ? w.ascendant.from : w.ascendant.to;
        ASSERT_TRUE(beyond.has_value()) << row.birth.birthYear;
        EXPECT_EQ(beyond->year, first ? 1900 : 2051);
    }
}

TEST(BirthTimeWindows, LineShowsMinutesThatKeepTheValueAndOpenEnds) {
    const BirthData birth = makeBirth(1985, 6, 15, 14, 30, kDelhi);
    EXPECT_EQ(windowEndText(atlas::DateTime{1985, 6, 15, 13, 51, 1}, birth, true), "13:52");
    EXPECT_EQ(windowEndText(atlas::DateTime{1985, 6, 15, 13, 52, 0}, birth, true), "13:52");
    EXPECT_EQ(windowEndText(atlas::DateTime{1985, 6, 15, 15, 58, 59}, birth, false), "15:58");
    EXPECT_EQ(windowEndText(atlas::DateTime{1985, 6, 14, 23, 59, 30}, birth, true), "00:00");
    EXPECT_EQ(windowEndText(atlas::DateTime{1985, 6, 16, 0, 10, 0}, birth, false),
              "16 Jun 1985 00:10");
    EXPECT_EQ(windowEndText(std::nullopt, birth, false), "beyond 12 hours");
    EXPECT_EQ(isoClockTime({1985, 6, 15, 9, 5, 7}), "1985-06-15T09:05:07");
}

} // namespace
} // namespace orbenza
