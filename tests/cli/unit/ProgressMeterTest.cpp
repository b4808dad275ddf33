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
    {
        ProgressMeter meter("rows", terminal.environment(true));
        terminal.now += 1900ms;
        meter.update(1000, 0.2);
        EXPECT_EQ(terminal.written, "");
        terminal.now += 100ms; // two seconds in: 1,500 rows, a quarter of the input
        meter.update(1500, 0.25);
        EXPECT_EQ(terminal.written, "\r1,500 rows, 750 rows/s, 0:06 left\x1b[K");
        terminal.written.clear();
        terminal.now += 100ms; // not a quarter of a second later: not drawn again
        meter.update(1600, 0.3);
        EXPECT_EQ(terminal.written, "");
        meter.clear(); // before other lines: the line goes, and comes back at once
        EXPECT_EQ(terminal.written, "\r\x1b[K");
        terminal.written.clear();
        meter.update(1700);
        EXPECT_EQ(terminal.written, "\r1,700 rows, 810 rows/s\x1b[K");
        terminal.written.clear();
    }
    EXPECT_EQ(terminal.written, "\r\x1b[K"); // erased when the work ends
}

TEST(ProgressMeter, NothingWhenNotATerminalOrAfterTheEnd) {
    FakeTerminal terminal;
    ProgressMeter quiet("rows", terminal.environment(false));
    terminal.now += 10s;
    quiet.update(5, 0.5);
    quiet.finish();
    EXPECT_EQ(terminal.written, "");

    ProgressMeter finished("rows", terminal.environment(true));
    finished.finish();
    terminal.now += 10s;
    finished.update(5, 0.5);
    EXPECT_EQ(terminal.written, "");
}

TEST(ProgressMeter, LineTexts) {
    EXPECT_EQ(ProgressMeter::lineText("rows", 1234567, 10.0, 0.5),
              "1,234,567 rows, 123,457 rows/s, 0:10 left");
    EXPECT_EQ(ProgressMeter::lineText("charts", 999, 2.0, std::nullopt),
              "999 charts, 500 charts/s");
    // An hour and more; nothing read yet gives no estimate.
    EXPECT_EQ(ProgressMeter::lineText("rows", 100, 100.0, 0.02),
              "100 rows, 1 rows/s, 1:21:40 left");
    EXPECT_EQ(ProgressMeter::lineText("rows", 0, 3.0, 0.0), "0 rows, 0 rows/s");
}

} // namespace
} // namespace orbenza::cli
