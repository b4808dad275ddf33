// A line of progress on a terminal for work that takes a while: how much is
// done, how fast, and how long the rest will take.
//
// Nothing is shown for the first two seconds, so short runs stay silent, and
// nothing at all when the target is not a terminal (a log file or a pipe reads
// only the program's own messages). The line is redrawn in place at most four
// times a second and erased when the work ends or before other lines go to the
// same terminal.
#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orbenza::cli {

class ProgressMeter {
public:
    using TimePoint = std::chrono::steady_clock::time_point;

    // Where the meter reads the time and writes its line; tests substitute
    // their own clock and target.
    struct Environment {
        std::function<TimePoint()> now;
        bool terminal = false; // whether the line is shown at all
        std::function<void(std::string_view)> write;
    };

    // The steady clock and standard error, shown when standard error is a terminal.
    static Environment standardError();

    // unit names what is counted: "rows", "charts".
    ProgressMeter(std::string unit, Environment environment);
    ProgressMeter(const ProgressMeter&) = delete;
    ProgressMeter& operator=(const ProgressMeter&) = delete;
    ~ProgressMeter();

    // done items so far; shareDone, when the whole is known, the part of it
    // done from 0 to 1 (the time left is estimated from it).
    void update(std::uint64_t done, std::optional<double> shareDone = std::nullopt);
    // Erases the line, if one is shown, so that other text starts on a clean
    // line; the next update draws it again.
    void clear();
    // The work is over: the line is erased and not drawn again.
    void finish();

    // "12,345 rows, 6,120 rows/s, 0:14 left": the line for done items after
    // elapsedSeconds, without the time left when shareDone is unknown or 0.
    static std::string lineText(std::string_view unit, std::uint64_t done, double elapsedSeconds,
                                std::optional<double> shareDone);

private:
    std::string m_unit;
    Environment m_environment;
    TimePoint m_start;
    std::optional<TimePoint> m_lastDrawn;
    bool m_shown = false;
    bool m_finished = false;
};

} // namespace orbenza::cli
