#include "atlas/PosixTzRule.h"

#include <chrono>
#include <gtest/gtest.h>

namespace orbenza::atlas {
namespace {

std::int64_t localSeconds(int year, unsigned month, unsigned day, int hour, int minute) {
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day}.time_since_epoch().count() * 86400 +
           hour * 3600 + minute * 60;
}

// The day forms the zone files of this system do not use but older ones did
// (Iran until 2022: "<+0330>-3:30<+0430>,J79/24,J263/24"): Jn never counts 29
// February, n counts from 0 and does.
TEST(PosixTzRule, JulianAndZeroBasedDays) {
    const auto julian = PosixTzRule::parse("<+0330>-3:30<+0430>,J79/24,J263/24");
    const auto zeroBased = PosixTzRule::parse("<+0330>-3:30<+0430>,79/24,263/24");
    ASSERT_TRUE(julian && zeroBased);
    EXPECT_EQ(julian->utOffsetSeconds(false), 12600);
    EXPECT_EQ(julian->utOffsetSeconds(true), 16200);
    EXPECT_EQ(julian->abbreviation(true), "+0430");
    // J79 is 20 March in every year; at 24:00 the clock jumps to 01:00 of the 21st.
    for (const int year : {2045, 2048}) {
        EXPECT_EQ(julian->atLocal(localSeconds(year, 3, 21, 0, 30)).count, 0) << year;
        EXPECT_EQ(julian->atLocal(localSeconds(year, 3, 20, 23, 30)).count, 1) << year;
    }
    // Day 79 counted from 0 is 21 March, or 20 March in a leap year.
    EXPECT_EQ(zeroBased->atLocal(localSeconds(2045, 3, 22, 0, 30)).count, 0);
    EXPECT_EQ(zeroBased->atLocal(localSeconds(2048, 3, 21, 0, 30)).count, 0);
    // Back at 24:00 of J263, 20 September: 23:00 to 24:00 happens twice.
    const auto twice = julian->atLocal(localSeconds(2045, 9, 20, 23, 30));
    ASSERT_EQ(twice.count, 2);
    EXPECT_TRUE(twice.first.daylight);
    EXPECT_FALSE(twice.second.daylight);
}

TEST(PosixTzRule, MalformedRulesAreRefused) {
    for (const char* text :
         {"", "EST", "ES5", "EST5EDT,M3.2.0", "EST5EDT,M13.1.0,M11.1.0", "EST5EDT,M3.6.0,M11.1.0",
          "EST5EDT,M3.2.7,M11.1.0", "<+03", "<>3", "EST5EDT,M3.2.0/168,M11.1.0",
          "EST5EDT,M3.2.0,M11.1.0,", "EST25", "EST5EDT,J0,J365"})
        EXPECT_FALSE(PosixTzRule::parse(text).has_value()) << text;
}

} // namespace
} // namespace orbenza::atlas
