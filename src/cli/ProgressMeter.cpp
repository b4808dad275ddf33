#include "ProgressMeter.h"

#include "ByteSink.h"

#include <cmath>
#include <cstdio>
#include <unistd.h>

namespace orbenza::cli {

namespace {

// Quiet this long: most runs end before and show nothing.
constexpr std::chrono::milliseconds kFirstShownAfter{2000};
constexpr std::chrono::milliseconds kRedrawEvery{250};
// Back to the line's start, and the end of the line erased (ECMA-48 EL).
constexpr std::string_view kReturn = "\r";
constexpr std::string_view kEraseToEnd = "\x1b[K";

// 1234567 -> "1,234,567".
std::string grouped(std::uint64_t value) {
    const std::string digits = std::to_string(value);
    std::string out;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

// 14 -> "0:14", 3725 -> "1:02:05".
std::string clockDuration(double seconds) {
    const auto total = static_cast<long long>(std::ceil(seconds));
    char text[32];
    if (total >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", total / 3600, total / 60 % 60,
                      total % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", total / 60, total % 60);
    return text;
}

} // namespace

ProgressMeter::Environment ProgressMeter::standardError() {
    Environment environment;
    environment.now = [] { return std::chrono::steady_clock::now(); };
    environment.terminal = ::isatty(STDERR_FILENO) == 1;
    environment.write = [](std::string_view text) {
        (void)writeWhole(STDERR_FILENO, text); // progress is not worth failing for
    };
    return environment;
}

ProgressMeter::ProgressMeter(std::string unit, Environment environment)
    : m_unit(std::move(unit)), m_environment(std::move(environment)),
      m_start(m_environment.now ? m_environment.now() : TimePoint{}) {}

ProgressMeter::~ProgressMeter() {
    finish();
}

std::string ProgressMeter::lineText(std::string_view unit, std::uint64_t done,
                                    double elapsedSeconds, std::optional<double> shareDone) {
    std::string line = grouped(done) + " " + std::string(unit);
    if (elapsedSeconds > 0) {
        line += ", " +
                grouped(static_cast<std::uint64_t>(
                    std::llround(static_cast<double>(done) / elapsedSeconds))) +
                " " + std::string(unit) + "/s";
    }
    if (shareDone && *shareDone > 0 && *shareDone <= 1)
        line += ", " + clockDuration(elapsedSeconds * (1 - *shareDone) / *shareDone) + " left";
    return line;
}

void ProgressMeter::update(std::uint64_t done, std::optional<double> shareDone) {
    if (!m_environment.terminal || m_finished)
        return;
    const TimePoint now = m_environment.now();
    if (now - m_start < kFirstShownAfter)
        return;
    if (m_shown && m_lastDrawn && now - *m_lastDrawn < kRedrawEvery)
        return;
    const double elapsed = std::chrono::duration<double>(now - m_start).count();
    m_environment.write(std::string(kReturn) + lineText(m_unit, done, elapsed, shareDone) +
                        std::string(kEraseToEnd));
    m_shown = true;
    m_lastDrawn = now;
}

void ProgressMeter::clear() {
    if (!m_shown)
        return;
    m_environment.write(std::string(kReturn) + std::string(kEraseToEnd));
    m_shown = false;
}

void ProgressMeter::finish() {
    clear();
    m_finished = true;
}

} // namespace orbenza::cli
