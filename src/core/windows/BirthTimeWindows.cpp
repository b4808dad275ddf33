#include "windows/BirthTimeWindows.h"

#include "base/YearRange.h"
#include "chart/AtlasTime.h"
#include "positions/Ascendant.h"
#include "report/ReportWords.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace orbenza {

namespace {

using Seconds = std::int64_t; // seconds of a calendar date-time counted from 1970-01-01 00:00

Seconds secondsOf(int year, int month, int day, int hour, int minute, int second) {
    using namespace std::chrono;
    const sys_days date{std::chrono::year{year} / month / day};
    return static_cast<Seconds>(date.time_since_epoch().count()) * 86400 + hour * 3600 +
           minute * 60 + second;
}

Seconds secondsOf(const atlas::DateTime& t) {
    return secondsOf(t.year, t.month, t.day, t.hour, t.minute, t.second);
}

atlas::DateTime dateTimeOf(Seconds s) {
    using namespace std::chrono;
    Seconds days = s / 86400;
    Seconds rest = s % 86400;
    if (rest < 0) {
        rest += 86400;
        --days;
    }
    const year_month_day ymd{sys_days{std::chrono::days{days}}};
    return atlas::DateTime{static_cast<int>(ymd.year()),
                           static_cast<int>(static_cast<unsigned>(ymd.month())),
                           static_cast<int>(static_cast<unsigned>(ymd.day())),
                           static_cast<int>(rest / 3600),
                           static_cast<int>(rest / 60 % 60),
                           static_cast<int>(rest % 60)};
}

// Seconds to add to local clock time to reach universal time, for a chart's
// own correction and daylight-saving box.
Seconds fixedCorrectionSeconds(const ChartResult& chart) {
    const UtCorrection& c = chart.correction;
    return c.utCorrectionHours * 3600 + c.utCorrectionMinutes * 60 + c.utCorrectionSeconds -
           (isTrue16(chart.birth.isDaylightSaving) ? 3600 : 0);
}

// The offset of a place's clock at a universal moment: the state whose clock
// time maps back to that moment. A clock time that happened twice offers two
// states, but only one of them belongs to a given universal moment.
std::int32_t offsetAtUniversal(const PlaceClockRef& clock, Seconds ut, std::int32_t guess) {
    auto consistent = [&](std::int32_t offset) {
        const atlas::PlaceTime t = clock.zone->at(dateTimeOf(ut + offset), clock.longitudeEastDeg);
        if (t.kind == atlas::PlaceTime::Kind::DidNotExist)
            return false;
        return t.first.utOffsetSeconds == offset ||
               (t.kind == atlas::PlaceTime::Kind::HappenedTwice &&
                t.second.utOffsetSeconds == offset);
    };
    if (consistent(guess))
        return guess;
    const atlas::PlaceTime t = clock.zone->at(dateTimeOf(ut + guess), clock.longitudeEastDeg);
    if (consistent(t.first.utOffsetSeconds))
        return t.first.utOffsetSeconds;
    if (t.kind != atlas::PlaceTime::Kind::Unique && consistent(t.second.utOffsetSeconds))
        return t.second.utOffsetSeconds;
    return guess;
}

// Recomputes a chart for other moments and compares it with the birth's.
class ChartProbe {
public:
    ChartProbe(const ChartResult& chart, std::optional<PlaceClockRef> clock)
        : m_chart(chart), m_clock(clock) {
        const BirthData& b = chart.birth;
        const Seconds birthLocal = secondsOf(b.birthYear, b.birthMonth, b.birthDay, b.birthHour,
                                             b.birthMinute, b.birthSecond);
        m_birthUt = birthLocal + fixedCorrectionSeconds(chart);
        m_offset = static_cast<std::int32_t>(birthLocal - m_birthUt);
        if (m_clock)
            m_offset = offsetAtUniversal(*m_clock, m_birthUt, m_offset);
    }

    Seconds birthUt() const { return m_birthUt; }

    // The clock time at a universal moment.
    Seconds localOf(Seconds ut) {
        if (m_clock)
            m_offset = offsetAtUniversal(*m_clock, ut, m_offset);
        return ut + m_offset;
    }

    struct Outcome {
        bool inRange = true;     // the moment's local year is one the program computes
        bool sameSign = false;   // the Ascendant's sign is the birth's
        bool sameHouses = false; // and so is the house of each of Sun ... Pluto
    };

    // The whole chart `shift` seconds of universal time from the birth.
    Outcome at(Seconds shift) {
        Outcome outcome;
        const std::optional<Entries> entries = entriesAt(shift);
        if (!entries) {
            outcome.inRange = false;
            return outcome;
        }
        const ChartResult probe =
            computeChart(entries->birth, entries->correction, m_chart.positions);
        outcome.sameSign = probe.ascendantSign() == m_chart.ascendantSign();
        outcome.sameHouses = outcome.sameSign;
        for (Body body : kAllBodies) {
            if (body != Body::Ascendant && probe.houses[body] != m_chart.houses[body])
                outcome.sameHouses = false;
        }
        return outcome;
    }

    // Whether the Ascendant keeps its sign `shift` seconds from the birth. With
    // the built-in positions only the Ascendant's step of the chart run is
    // taken (the chart's sign is read from that longitude the same way); the
    // precise positions need the whole run.
    bool signKept(Seconds shift) {
        if (m_chart.positions != Positions::Classic) {
            const Outcome o = at(shift);
            return o.inRange && o.sameSign;
        }
        const std::optional<Entries> entries = entriesAt(shift);
        if (!entries)
            return false;
        const double longitude =
            ascendantCalculation(entries->birth, birthMomentOf(entries->birth, entries->correction))
                .ascendantLongitude;
        return zodiacPositionOf(longitude).sign == m_chart.ascendantSign();
    }

    bool inRange(Seconds shift) { return entriesAt(shift).has_value(); }

private:
    struct Entries {
        BirthData birth;
        UtCorrection correction;
    };

    // The birth details and correction of the moment `shift` seconds of
    // universal time from the birth: the clock's minute in the details, the
    // seconds past it in the correction. A birth may only be charted from
    // 1901 to 2050, but a window of one near either end reaches into the
    // year before or after, whose sky is computed alike; empty beyond.
    std::optional<Entries> entriesAt(Seconds shift) {
        const Seconds ut = m_birthUt + shift;
        const Seconds local = localOf(ut);
        Seconds second = local % 60;
        if (second < 0)
            second += 60;
        const atlas::DateTime minute = dateTimeOf(local - second);
        if (minute.year < kFirstYear - 1 || minute.year > kLastYear + 1)
            return std::nullopt;
        Entries e{m_chart.birth, {}};
        e.birth.birthYear = static_cast<std::int16_t>(minute.year);
        e.birth.birthMonth = static_cast<std::int16_t>(minute.month);
        e.birth.birthDay = static_cast<std::int16_t>(minute.day);
        e.birth.birthHour = static_cast<std::int16_t>(minute.hour);
        e.birth.birthMinute = static_cast<std::int16_t>(minute.minute);
        e.birth.birthSecond = 0;
        // Universal time = the clock's minute + the correction, less an hour
        // when the daylight-saving box is ticked.
        Seconds correction = ut - (local - second);
        if (!m_clock && isTrue16(e.birth.isDaylightSaving))
            correction += 3600;
        if (m_clock)
            e.birth.isDaylightSaving = kFalse16;
        e.correction = correctionOfOffset(static_cast<std::int32_t>(-correction));
        return e;
    }

    const ChartResult& m_chart;
    std::optional<PlaceClockRef> m_clock;
    Seconds m_birthUt = 0;
    std::int32_t m_offset = 0;
};

// The last second from `good` toward `bad` at which keeps() holds, given that
// it holds at good and fails at bad.
template <typename Keeps> Seconds bisect(Seconds good, Seconds bad, Keeps keeps) {
    while (bad - good > 1 || good - bad > 1) {
        const Seconds middle = good + (bad - good) / 2;
        if (keeps(middle))
            good = middle;
        else
            bad = middle;
    }
    return good;
}

struct Ends {
    std::optional<Seconds> sign;   // the last shift keeping the Ascendant's sign
    std::optional<Seconds> houses; // the last shift keeping sign and houses
};

Ends searchOneWay(ChartProbe& probe, int direction) {
    Ends ends;
    Seconds lastSign = 0;
    Seconds firstOther = 0; // the scanned shift where the sign was first seen changed
    Seconds step = kWindowScanStepSeconds;
    // Whole chart runs until the houses change.
    for (Seconds lastHouses = 0; step <= kWindowSearchSeconds; step += kWindowScanStepSeconds) {
        const Seconds shift = direction * step;
        const ChartProbe::Outcome outcome = probe.at(shift);
        if (!outcome.inRange)
            return ends;
        if (outcome.sameHouses) {
            lastHouses = lastSign = shift;
            continue;
        }
        ends.houses = bisect(lastHouses, shift, [&](Seconds s) {
            const ChartProbe::Outcome o = probe.at(s);
            return o.inRange && o.sameHouses;
        });
        if (outcome.sameSign) {
            lastSign = shift;
            step += kWindowScanStepSeconds;
            break;
        }
        // The sign changed in the same step.
        firstOther = shift;
        ends.sign = bisect(lastSign, shift, [&](Seconds s) { return probe.signKept(s); });
        break;
    }
    // Then the Ascendant alone until its sign changes.
    for (; !ends.sign && step <= kWindowSearchSeconds; step += kWindowScanStepSeconds) {
        const Seconds shift = direction * step;
        if (probe.signKept(shift)) {
            lastSign = shift;
            continue;
        }
        if (!probe.inRange(shift))
            return ends;
        firstOther = shift;
        ends.sign = bisect(lastSign, shift, [&](Seconds s) { return probe.signKept(s); });
    }
    if (ends.sign) {
        // The end is confirmed on whole chart runs; should they disagree,
        // the bisection is repeated on them.
        const Seconds end = *ends.sign;
        const ChartProbe::Outcome inside = probe.at(end);
        const ChartProbe::Outcome outside = probe.at(end + direction);
        if (!inside.sameSign || (outside.inRange && outside.sameSign)) {
            ends.sign = bisect(0, firstOther, [&](Seconds s) {
                const ChartProbe::Outcome o = probe.at(s);
                return o.inRange && o.sameSign;
            });
        }
    }
    return ends;
}

std::optional<atlas::DateTime> clockTimeOf(ChartProbe& probe, const std::optional<Seconds>& shift) {
    if (!shift)
        return std::nullopt;
    return dateTimeOf(probe.localOf(probe.birthUt() + *shift));
}

} // namespace

BirthTimeWindows birthTimeWindows(const ChartResult& chart, std::optional<PlaceClockRef> clock) {
    if (clock && clock->zone == nullptr)
        clock.reset();
    // The clock the atlas set the chart's time with, unless one is given. A
    // zone the system's database no longer knows leaves the chart's own
    // correction, which is the offset that zone had at the birth.
    atlas::ZoneClock chartZone;
    if (!clock && chart.input.atlasClock) {
        chartZone = atlas::ZoneClock::find(chart.input.atlasClock->timeZone);
        if (chartZone.valid())
            clock = PlaceClockRef{&chartZone, chart.input.atlasClock->longitudeEastDeg};
    }
    ChartProbe probe(chart, clock);
    const Ends before = searchOneWay(probe, -1);
    const Ends after = searchOneWay(probe, +1);
    BirthTimeWindows windows;
    windows.ascendantSign = chart.ascendantSign();
    windows.ascendant = {clockTimeOf(probe, before.sign), clockTimeOf(probe, after.sign)};
    windows.houses = {clockTimeOf(probe, before.houses), clockTimeOf(probe, after.houses)};
    return windows;
}

void addBirthTimeWindows(ChartResult& chart) {
    chart.windows = birthTimeWindows(chart);
}

std::string isoClockTime(const atlas::DateTime& t) {
    char text[40];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02d", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

std::string windowEndText(const std::optional<atlas::DateTime>& end, const BirthData& birth,
                          bool isStart, Language language) {
    const ReportWords& words = reportWords(language);
    if (!end)
        return std::string(words.beyondTwelveHours);
    Seconds s = secondsOf(*end);
    s -= end->second;
    if (isStart && end->second != 0)
        s += 60;
    const atlas::DateTime shown = dateTimeOf(s);
    char text[40];
    if (shown.year == birth.birthYear && shown.month == birth.birthMonth &&
        shown.day == birth.birthDay) {
        std::snprintf(text, sizeof text, "%02d:%02d", shown.hour, shown.minute);
        return text;
    }
    char year[8];
    std::snprintf(year, sizeof year, "%04d", shown.year);
    std::snprintf(text, sizeof text, " %02d:%02d", shown.hour, shown.minute);
    return fillPattern(words.date,
                       {std::to_string(shown.day),
                        words.monthAbbreviations[static_cast<std::size_t>(shown.month - 1)],
                        year}) +
           text;
}

std::string birthTimeWindowLine(const ChartResult& chart, const BirthTimeWindows& windows,
                                Language language) {
    const BirthData& b = chart.birth;
    const ReportWords& words = reportWords(language);
    return fillPattern(words.birthTimeWindows,
                       {words.signNames[indexOf(windows.ascendantSign)],
                        windowEndText(windows.ascendant.from, b, true, language),
                        windowEndText(windows.ascendant.to, b, false, language),
                        windowEndText(windows.houses.from, b, true, language),
                        windowEndText(windows.houses.to, b, false, language)});
}

} // namespace orbenza
