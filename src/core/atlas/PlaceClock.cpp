#include "atlas/PlaceClock.h"

#include "base/MessageText.h"

#include <cmath>
#include <cstdio>
#include <date/tz.h>
#include <map>
#include <mutex>
#include <optional>

namespace orbenza::atlas {

namespace {

using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;

// Where the system's compiled zone files are, as date/tz reads them.
constexpr std::string_view kZoneFolder = "/usr/share/zoneinfo/";
// How far back a summer-time stretch is followed to find the standard time
// it was added to; the longest chains of the database (wartime Britain) are
// a few stretches.
constexpr int kMaxStandardSearch = 64;

const date::time_zone* zoneOf(const void* zone) {
    return static_cast<const date::time_zone*>(zone);
}

date::local_seconds toLocal(const DateTime& t) {
    return date::local_days{date::year{t.year} / t.month / t.day} + hours{t.hour} +
           minutes{t.minute} + seconds{t.second};
}

std::int32_t offsetSeconds(const date::sys_info& info) {
    return static_cast<std::int32_t>(info.offset.count());
}

// The standard time in force beneath a summer-time stretch: the nearest
// stretch without daylight saving, looking back first. Without one (never in
// the database) an hour less than the summer time.
date::sys_info standardBeneath(const date::time_zone* zone, const date::sys_info& summer) {
    date::sys_info info = summer;
    for (int i = 0; i < kMaxStandardSearch && info.save != minutes{0}; ++i)
        info = zone->get_info(info.begin - seconds{1});
    if (info.save == minutes{0})
        return info;
    info = summer;
    for (int i = 0; i < kMaxStandardSearch && info.save != minutes{0}; ++i)
        info = zone->get_info(info.end);
    if (info.save == minutes{0})
        return info;
    info = summer;
    info.offset -= hours{1};
    info.abbrev.clear();
    return info;
}

// Whether a stretch of daylight saving sets the clock back from the standard
// time next to it: the database's negative summer time (Ireland's winter
// GMT under Irish Standard Time since 1971, Morocco's Ramadan hour).
bool isNegativeSaving(const date::time_zone* zone, const date::sys_info& info) {
    return info.save != minutes{0} && info.offset < standardBeneath(zone, info).offset;
}

// The clock ahead of the standard time people use: a stretch the database
// marks as daylight saving that puts the clock forward, or a stretch it calls
// standard next to one of negative summer time (Dublin's July, a year of
// Morocco outside Ramadan), which is how the database's own form for older
// readers (its "rearguard" files) writes the same clocks. Empty otherwise;
// else the standard time beneath it.
std::optional<date::sys_info> standardBelowSummer(const date::time_zone* zone,
                                                  const date::sys_info& info) {
    if (info.save != minutes{0}) {
        date::sys_info standard = standardBeneath(zone, info);
        if (info.offset > standard.offset)
            return standard;
        return std::nullopt;
    }
    // The reader's first and last stretches reach to the years -32767 and 32767.
    const date::sys_seconds farPast = date::sys_days{date::year{1000} / 1 / 1};
    const date::sys_seconds farFuture = date::sys_days{date::year{9000} / 1 / 1};
    if (info.begin > farPast) {
        const date::sys_info before = zone->get_info(info.begin - seconds{1});
        if (before.offset < info.offset && isNegativeSaving(zone, before))
            return before;
    }
    if (info.end < farFuture) {
        const date::sys_info after = zone->get_info(info.end);
        if (after.offset < info.offset && isNegativeSaving(zone, after))
            return after;
    }
    return std::nullopt;
}

ZoneState stateOf(const date::time_zone* zone, const date::sys_info& info,
                  double longitudeEastDeg) {
    ZoneState state;
    state.abbreviation = info.abbrev;
    if (info.abbrev == "LMT") {
        state.localMeanTime = true;
        state.utOffsetSeconds = localMeanTimeOffsetSeconds(longitudeEastDeg);
        return state;
    }
    state.utOffsetSeconds = offsetSeconds(info);
    state.standardAbbreviation = info.abbrev;
    if (const std::optional<date::sys_info> standard = standardBelowSummer(zone, info)) {
        state.summerTime = true;
        state.summerSeconds = state.utOffsetSeconds - offsetSeconds(*standard);
        state.standardAbbreviation = standard->abbrev;
    }
    return state;
}

// A stretch of a zone's closing rule: summer time when it is the rule's
// time that is ahead of the other (so also Dublin's July, whose rule calls
// GMT the daylight-saving time).
ZoneState stateOfRule(const PosixTzRule& rule, const PosixTzRule::Stretch& stretch) {
    ZoneState state;
    state.abbreviation = rule.abbreviation(stretch.daylight);
    state.utOffsetSeconds = stretch.utOffsetSeconds;
    state.standardAbbreviation = state.abbreviation;
    const std::int32_t other = rule.utOffsetSeconds(!stretch.daylight);
    if (rule.hasDaylight() && stretch.utOffsetSeconds > other) {
        state.summerTime = true;
        state.summerSeconds = stretch.utOffsetSeconds - other;
        state.standardAbbreviation = rule.abbreviation(!stretch.daylight);
    }
    return state;
}

// The closing rule of each zone's file, read once for all clocks and threads.
std::shared_ptr<const PosixTzRule> closingRuleOf(const std::string& zoneName) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const PosixTzRule>, std::less<>> rules;
    const std::lock_guard<std::mutex> lock(mutex);
    const auto found = rules.find(zoneName);
    if (found != rules.end())
        return found->second;
    std::shared_ptr<const PosixTzRule> rule;
    if (auto parsed = PosixTzRule::ofZoneFile(std::string(kZoneFolder) + zoneName))
        rule = std::make_shared<const PosixTzRule>(std::move(*parsed));
    rules.emplace(zoneName, rule);
    return rule;
}

std::string formatOffset(std::int32_t totalSeconds, bool padHours) {
    const char sign = totalSeconds < 0 ? '-' : '+';
    const std::int32_t magnitude = std::abs(totalSeconds);
    const int h = magnitude / 3600;
    const int m = magnitude / 60 % 60;
    const int s = magnitude % 60;
    char text[32];
    if (s != 0)
        std::snprintf(text, sizeof text, padHours ? "%c%02d:%02d:%02d" : "%c%d:%02d:%02d", sign, h,
                      m, s);
    else
        std::snprintf(text, sizeof text, padHours ? "%c%02d:%02d" : "%c%d:%02d", sign, h, m);
    return text;
}

} // namespace

std::int32_t localMeanTimeOffsetSeconds(double longitudeEastDeg) {
    return static_cast<std::int32_t>(std::lround(longitudeEastDeg * 240.0));
}

DateTime universalTimeOf(const DateTime& local, std::int32_t utOffsetSeconds) {
    const date::local_seconds lt = toLocal(local) - seconds{utOffsetSeconds};
    const auto day = date::floor<date::days>(lt);
    const date::year_month_day ymd{day};
    const date::hh_mm_ss<seconds> time{lt - day};
    return DateTime{static_cast<int>(ymd.year()),
                    static_cast<int>(static_cast<unsigned>(ymd.month())),
                    static_cast<int>(static_cast<unsigned>(ymd.day())),
                    static_cast<int>(time.hours().count()),
                    static_cast<int>(time.minutes().count()),
                    static_cast<int>(time.seconds().count())};
}

std::string formatUniversalTime(const DateTime& ut) {
    char text[48];
    if (ut.second != 0)
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d UT", ut.year, ut.month,
                      ut.day, ut.hour, ut.minute, ut.second);
    else
        std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d UT", ut.year, ut.month, ut.day,
                      ut.hour, ut.minute);
    return text;
}

std::string formatIsoOffset(std::int32_t seconds) {
    return formatOffset(seconds, true);
}
std::string formatUtOffset(std::int32_t seconds) {
    return "UT" + formatOffset(seconds, false);
}

ZoneClock ZoneClock::find(std::string_view zoneName) {
    ZoneClock clock;
    clock.m_name = std::string(zoneName);
    try {
        const date::tzdb& db = date::get_tzdb();
        for (const date::time_zone& zone : db.zones) {
            if (zone.name() == zoneName) {
                clock.m_zone = &zone;
                // After the last change the file lists, its closing rule
                // gives the clock (date/tz's reader would repeat the last
                // stretch for ever).
                const date::sys_info last = zone.get_info(date::sys_days{date::year{3000} / 1 / 1});
                clock.m_closingRule = closingRuleOf(clock.m_name);
                if (clock.m_closingRule)
                    clock.m_lastListedChangeLocal =
                        (last.begin + last.offset).time_since_epoch().count();
                return clock;
            }
        }
        clock.m_error = "Unknown time zone " + quotedForMessage(clock.m_name) +
                        ": the system's time-zone database has no zone of that name";
    } catch (...) {
        clock.m_error = "The system's time-zone database (/usr/share/zoneinfo) cannot be read";
    }
    return clock;
}

PlaceTime ZoneClock::at(const DateTime& local, double longitudeEastDeg) const {
    PlaceTime result;
    if (m_zone == nullptr)
        return result;
    const date::time_zone* zone = zoneOf(m_zone);
    const std::int64_t localSeconds = toLocal(local).time_since_epoch().count();
    if (localSeconds >= m_lastListedChangeLocal)
        return atByRule(localSeconds);
    const date::local_info info = zone->get_info(toLocal(local));
    result.first = stateOf(zone, info.first, longitudeEastDeg);
    switch (info.result) {
    case date::local_info::unique:
        result.kind = PlaceTime::Kind::Unique;
        break;
    case date::local_info::nonexistent:
        result.kind = PlaceTime::Kind::DidNotExist;
        result.second = stateOf(zone, info.second, longitudeEastDeg);
        break;
    case date::local_info::ambiguous:
        result.kind = PlaceTime::Kind::HappenedTwice;
        result.second = stateOf(zone, info.second, longitudeEastDeg);
        break;
    }
    return result;
}

PlaceTime ZoneClock::atByRule(std::int64_t localSeconds) const {
    const PosixTzRule::LocalStretches stretches = m_closingRule->atLocal(localSeconds);
    PlaceTime result;
    result.kind = stretches.count == 1   ? PlaceTime::Kind::Unique
                  : stretches.count == 0 ? PlaceTime::Kind::DidNotExist
                                         : PlaceTime::Kind::HappenedTwice;
    result.first = stateOfRule(*m_closingRule, stretches.first);
    if (stretches.count != 1)
        result.second = stateOfRule(*m_closingRule, stretches.second);
    return result;
}

} // namespace orbenza::atlas
