#include "ProgressMeter.h"

#include <gtest/gtest.h>

namespace orbenza::cli {
namespace {

using namespace std::chrono_literals;

// A meter on a clock the test moves by hand, writing into a string.
struct FakeTerminal {
    ProgressMeter::TimePoint now{};
    std::string written;
    ProgressMeter::Environment environment(bool terminal) {
        return {[this] { return now; }, terminal,
                [this](std::string_view text) { written.append(text); }};
    }
};

TEST(ProgressMeter, SilentForTwoSecondsThenRedrawnInPlaceAndErased) {
    FakeTerminal terminal;
    ProgressMeter meter("rows", terminal.environment(true));
    terminal.now += 1900ms;
    meter.update(1000, 0.2);
    EXPECT_EQ(terminal.written, "");
    terminal.now += 100ms; // two seconds in, a quarter of the input read
    meter.update(1500, 0.25);
    terminal.now += 100ms; // less than a quarter of a second later: not drawn again
    meter.update(1600, 0.3);
    meter.clear(); // before other lines; the next update draws at once
    meter.update(1700);
    meter.finish();
    meter.update(1800);
    EXPECT_EQ(terminal.written, "\r1,500 rows, 750 rows/s, 0:06 left\x1b[K"
                                "\r\x1b[K"
                                "\r1,700 rows, 810 rows/s\x1b[K"
                                "\r\x1b[K");

    FakeTerminal file; // not a terminal: never a word
    ProgressMeter quiet("rows", file.environment(false));
    file.now += 10s;
    quiet.update(5, 0.5);
    quiet.finish();
    EXPECT_EQ(file.written, "");
}

TEST(ProgressMeter, TimeLeftFromTheShareDone) {
    EXPECT_EQ(ProgressMeter::lineText("charts", 1234567, 10.0, 0.5),
              "1,234,567 charts, 123,457 charts/s, 0:10 left");
    EXPECT_EQ(ProgressMeter::lineText("rows", 100, 100.0, 0.02),
              "100 rows, 1 rows/s, 1:21:40 left");
    EXPECT_EQ(ProgressMeter::lineText("rows", 0, 3.0, 0.0), "0 rows, 0 rows/s");
}

} // namespace
} // namespace orbenza::cli
