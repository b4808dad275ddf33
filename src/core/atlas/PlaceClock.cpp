#include "atlas/PlaceClock.h"

#include "base/MessageText.h"

#include <cmath>
#include <cstdio>
#include <date/tz.h>

namespace orbenza::atlas {

namespace {

using std::chrono::hours;
using std::chrono::minutes;
using std::chrono::seconds;

// The compiled zone files (zic's "fat" output, as Debian builds them) list
// every transition up to this year; later ones follow from rules the reader
// of date/tz does not apply.
constexpr int kLastListedYear = 2037;
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

// The year whose calendar stands in for a year after kLastListedYear: the
// latest listed year in which the date's part of the year (January to
// February, or March to December) falls on the same weekdays. A 29 February
// needs a leap year.
int referenceYear(const DateTime& t) {
    if (t.year <= kLastListedYear)
        return t.year;
    const unsigned anchorMonth = t.month >= 3 ? 3u : 1u;
    const date::weekday wanted{date::sys_days{date::year{t.year} / anchorMonth / 1}};
    const bool needsLeap = t.month == 2 && t.day == 29;
    for (int y = kLastListedYear; y > kLastListedYear - 28; --y) {
        if (date::weekday{date::sys_days{date::year{y} / anchorMonth / 1}} == wanted &&
            (!needsLeap || date::year{y}.is_leap()))
            return y;
    }
    return t.year - 28; // the Gregorian calendar repeats every 28 years from 1901 to 2099
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
    state.summerTime = info.save != minutes{0};
    state.standardAbbreviation = info.abbrev;
    if (state.summerTime) {
        const date::sys_info standard = standardBeneath(zone, info);
        state.summerSeconds = state.utOffsetSeconds - offsetSeconds(standard);
        state.standardAbbreviation = standard.abbrev;
    }
    return state;
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
    DateTime reference = local;
    reference.year = referenceYear(local);
    const date::local_info info = zone->get_info(toLocal(reference));
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

} // namespace orbenza::atlas
