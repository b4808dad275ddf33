#include "atlas/PosixTzRule.h"

#include <algorithm>
#include <chrono>
#include <vector>

namespace orbenza::atlas {

namespace {

constexpr std::int64_t kDaySeconds = 86400;

// Reads a TZ string from left to right.
class Reader {
public:
    explicit Reader(std::string_view text) : m_text(text) {}
    bool atEnd() const { return m_at == m_text.size(); }
    bool take(char c) {
        if (atEnd() || m_text[m_at] != c)
            return false;
        ++m_at;
        return true;
    }
    char peek() const { return atEnd() ? '\0' : m_text[m_at]; }

    // A name: three or more letters, or any text between '<' and '>'
    // ("<+0530>").
    std::optional<std::string> name() {
        const std::size_t start = m_at;
        if (take('<')) {
            const std::size_t close = m_text.find('>', m_at);
            if (close == std::string_view::npos || close == m_at)
                return std::nullopt;
            m_at = close + 1;
            return std::string(m_text.substr(start + 1, close - start - 1));
        }
        while (!atEnd() && ((peek() >= 'A' && peek() <= 'Z') || (peek() >= 'a' && peek() <= 'z')))
            ++m_at;
        if (m_at - start < 3)
            return std::nullopt;
        return std::string(m_text.substr(start, m_at - start));
    }

    // [+-]hh[:mm[:ss]] in seconds, hours up to maxHours.
    std::optional<std::int32_t> duration(int maxHours) {
        int sign = 1;
        if (take('-'))
            sign = -1;
        else
            take('+');
        const std::optional<int> hours = number(0, maxHours);
        if (!hours)
            return std::nullopt;
        std::int32_t seconds = *hours * 3600;
        for (const int scale : {60, 1}) {
            if (!take(':'))
                break;
            const std::optional<int> part = number(0, 59);
            if (!part)
                return std::nullopt;
            seconds += *part * scale;
        }
        return sign * seconds;
    }

    std::optional<int> number(int low, int high) {
        const std::size_t start = m_at;
        long value = 0;
        while (!atEnd() && peek() >= '0' && peek() <= '9' && m_at - start < 4)
            value = value * 10 + (m_text[m_at++] - '0');
        if (m_at == start || value < low || value > high)
            return std::nullopt;
        return static_cast<int>(value);
    }

private:
    std::string_view m_text;
    std::size_t m_at = 0;
};

std::optional<PosixTzRule::ChangeDay> changeDay(Reader& reader) {
    using Form = PosixTzRule::ChangeDay::Form;
    PosixTzRule::ChangeDay day;
    if (reader.take('M')) {
        const std::optional<int> m = reader.number(1, 12);
        const std::optional<int> w = m && reader.take('.') ? reader.number(1, 5) : std::nullopt;
        const std::optional<int> d = w && reader.take('.') ? reader.number(0, 6) : std::nullopt;
        if (!d)
            return std::nullopt;
        day.form = Form::MonthWeekDay;
        day.month = *m;
        day.week = *w;
        day.weekday = *d;
    } else {
        day.form = reader.take('J') ? Form::Julian : Form::ZeroBased;
        const std::optional<int> d =
            day.form == Form::Julian ? reader.number(1, 365) : reader.number(0, 365);
        if (!d)
            return std::nullopt;
        day.day = *d;
    }
    if (reader.take('/')) {
        const std::optional<std::int32_t> time = reader.duration(167);
        if (!time)
            return std::nullopt;
        day.timeSeconds = *time;
    }
    return day;
}

std::int64_t daysFromEpoch(int year, unsigned month, unsigned day) {
    using namespace std::chrono;
    return sys_days{std::chrono::year{year} / month / day}.time_since_epoch().count();
}

int yearOfDays(std::int64_t days) {
    using namespace std::chrono;
    const year_month_day date{sys_days{std::chrono::days{days}}};
    return static_cast<int>(date.year());
}

std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    return a / b - (a % b != 0 && (a < 0) != (b < 0) ? 1 : 0);
}

} // namespace

std::optional<PosixTzRule> PosixTzRule::parse(std::string_view text) {
    Reader reader(text);
    PosixTzRule rule;
    const std::optional<std::string> standard = reader.name();
    const std::optional<std::int32_t> standardWest = standard ? reader.duration(24) : std::nullopt;
    if (!standardWest)
        return std::nullopt;
    rule.m_standardName = *standard;
    rule.m_standardOffset = rule.m_daylightOffset = -*standardWest;
    if (reader.atEnd())
        return rule;
    const std::optional<std::string> daylight = reader.name();
    if (!daylight)
        return std::nullopt;
    rule.m_hasDaylight = true;
    rule.m_daylightName = *daylight;
    rule.m_daylightOffset = rule.m_standardOffset + 3600; // an hour ahead unless said
    if (reader.peek() != ',' && !reader.atEnd()) {
        const std::optional<std::int32_t> daylightWest = reader.duration(24);
        if (!daylightWest)
            return std::nullopt;
        rule.m_daylightOffset = -*daylightWest;
    }
    if (reader.atEnd()) {
        // No dates: the United States' rules, as the reference code assumes.
        rule.m_start = {ChangeDay::Form::MonthWeekDay, 0, 3, 2, 0, 7200};
        rule.m_end = {ChangeDay::Form::MonthWeekDay, 0, 11, 1, 0, 7200};
        return rule;
    }
    std::optional<ChangeDay> start = reader.take(',') ? changeDay(reader) : std::nullopt;
    std::optional<ChangeDay> end = start && reader.take(',') ? changeDay(reader) : std::nullopt;
    if (!end || !reader.atEnd())
        return std::nullopt;
    rule.m_start = *start;
    rule.m_end = *end;
    return rule;
}

std::int64_t PosixTzRule::changeUt(const ChangeDay& day, int year, std::int32_t offset) {
    std::int64_t days = 0;
    switch (day.form) {
    case ChangeDay::Form::Julian: {
        // 1 ... 365, 29 February never counted.
        const bool leap = std::chrono::year{year}.is_leap();
        days = daysFromEpoch(year, 1, 1) + day.day - 1 + (leap && day.day >= 60 ? 1 : 0);
        break;
    }
    case ChangeDay::Form::ZeroBased:
        days = daysFromEpoch(year, 1, 1) + day.day;
        break;
    case ChangeDay::Form::MonthWeekDay: {
        const auto month = static_cast<unsigned>(day.month);
        const std::int64_t first = daysFromEpoch(year, month, 1);
        // 1970-01-01 was a Thursday (weekday 4).
        const std::int64_t firstWeekday = ((first % 7) + 7 + 4) % 7;
        days = first + (day.weekday - firstWeekday + 7) % 7 + 7 * (day.week - 1);
        const std::int64_t nextMonth =
            month == 12 ? daysFromEpoch(year + 1, 1, 1) : daysFromEpoch(year, month + 1, 1);
        while (days >= nextMonth)
            days -= 7; // week 5: the last such weekday of the month
        break;
    }
    }
    return days * kDaySeconds + day.timeSeconds - offset;
}

PosixTzRule::LocalStretches PosixTzRule::atLocal(std::int64_t localSeconds) const {
    LocalStretches result;
    if (!m_hasDaylight) {
        result.first = {INT64_MIN, INT64_MAX, m_standardOffset, false};
        return result;
    }
    // The changes of the year before, the year and the year after, in order.
    const int year = yearOfDays(floorDiv(localSeconds, kDaySeconds));
    struct Change {
        std::int64_t ut;
        bool toDaylight;
    };
    std::vector<Change> changes;
    for (int y = year - 1; y <= year + 1; ++y) {
        changes.push_back({changeUt(m_start, y, m_standardOffset), true});
        changes.push_back({changeUt(m_end, y, m_daylightOffset), false});
    }
    std::sort(changes.begin(), changes.end(),
              [](const Change& a, const Change& b) { return a.ut < b.ut; });
    std::vector<Stretch> stretches;
    bool daylight = !changes.front().toDaylight;
    std::int64_t begin = INT64_MIN;
    for (const Change& change : changes) {
        stretches.push_back({begin, change.ut, utOffsetSeconds(daylight), daylight});
        begin = change.ut;
        daylight = change.toDaylight;
    }
    stretches.push_back({begin, INT64_MAX, utOffsetSeconds(daylight), daylight});

    // The stretches in which this clock time was shown.
    result.count = 0;
    for (const Stretch& s : stretches) {
        const std::int64_t ut = localSeconds - s.utOffsetSeconds;
        if (ut < s.beginUt || ut >= s.endUt)
            continue;
        (result.count == 0 ? result.first : result.second) = s;
        if (++result.count == 2)
            return result;
    }
    if (result.count == 1)
        return result;
    // None: the clocks jumped over it at the end of one stretch.
    for (std::size_t k = 0; k + 1 < stretches.size(); ++k) {
        const Stretch& s = stretches[k];
        if (localSeconds >= s.endUt + s.utOffsetSeconds &&
            localSeconds < s.endUt + stretches[k + 1].utOffsetSeconds) {
            result.first = s;
            result.second = stretches[k + 1];
            return result;
        }
    }
    result.count = 1; // cannot be reached: a rule's clock shows every time once or more
    result.first = stretches.front();
    return result;
}

} // namespace orbenza::atlas
