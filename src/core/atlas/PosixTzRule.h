// The rule a compiled zone file ends with: a POSIX TZ string such as
// "EST5EDT,M3.2.0,M11.1.0" (POSIX.1-2017, section 8.3, with the extensions of
// RFC 8536, section 3.3.1: hours of a change up to 167 and below zero). It
// gives the zone's clock for every year after the last change the file lists.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbenza::atlas {

class PosixTzRule {
public:
    // The rule of a TZ string; empty for a malformed one.
    static std::optional<PosixTzRule> parse(std::string_view text);

    // One stretch of the clock under the rule.
    struct Stretch {
        std::int64_t beginUt = 0; // seconds of universal time from 1970-01-01 00:00
        std::int64_t endUt = 0;   // the first second of the next stretch
        std::int32_t utOffsetSeconds = 0;
        bool daylight = false; // the rule's second (daylight-saving) time
    };
    // How a local clock time falls: once (first), never because the clocks
    // jumped over it (first before the jump, second after), or twice because
    // they went back over it (first the earlier pass).
    struct LocalStretches {
        int count = 1; // 0 never, 1 once, 2 twice
        Stretch first, second;
    };
    // localSeconds: the clock time in seconds from 1970-01-01 00:00.
    LocalStretches atLocal(std::int64_t localSeconds) const;

    bool hasDaylight() const { return m_hasDaylight; }
    const std::string& abbreviation(bool daylight) const {
        return daylight ? m_daylightName : m_standardName;
    }
    std::int32_t utOffsetSeconds(bool daylight) const {
        return daylight ? m_daylightOffset : m_standardOffset;
    }

    // A day of the year the rule changes on, and the local time of the change.
    struct ChangeDay {
        enum class Form { Julian, ZeroBased, MonthWeekDay } form = Form::MonthWeekDay;
        int day = 0;                          // Jn: 1..365 without 29 February; n: 0..365
        int month = 0, week = 0, weekday = 0; // Mm.w.d: week 5 is the last, weekday 0 Sunday
        std::int32_t timeSeconds = 7200;      // clock time of the change, before it
    };

private:
    // The universal time of a change in a year, the clock then running at offset.
    static std::int64_t changeUt(const ChangeDay& day, int year, std::int32_t offset);

    std::string m_standardName, m_daylightName;
    std::int32_t m_standardOffset = 0, m_daylightOffset = 0; // local = UT + offset
    bool m_hasDaylight = false;
    ChangeDay m_start, m_end; // into daylight saving, and out of it
};

} // namespace orbenza::atlas
