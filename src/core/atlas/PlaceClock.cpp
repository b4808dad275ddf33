#include "atlas/PlaceClock.h"

#include "atlas/ZoneFile.h"
#include "base/MessageText.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <map>
#include <mutex>
#include <optional>

namespace orbenza::atlas {

namespace {

using Stretch = ZoneFile::Stretch;

// Where the system's compiled zone files are.
constexpr std::string_view kZoneFolder = "/usr/share/zoneinfo/";
// How far back a summer-time stretch is followed to find the standard time
// it was added to; the longest chains of the database (wartime Britain) are
// a few stretches.
constexpr int kMaxStandardSearch = 64;
// Stretches that begin before the year 1000 or end after 9000 are the open
// ends of a zone's history, with no stretch beyond them.
constexpr std::int64_t kFarPastUt = -30610224000;   // 1000-01-01 00:00 UT
constexpr std::int64_t kFarFutureUt = 221845392000; // 9000-01-01 00:00 UT

std::int64_t localSecondsOf(const DateTime& t) {
    using namespace std::chrono;
    const sys_days day{year{t.year} / t.month / t.day};
    return day.time_since_epoch().count() * 86400 + t.hour * 3600 + t.minute * 60 + t.second;
}

// The stretch just before one; the first stretch has none and gives itself.
Stretch stretchBefore(const ZoneFile& zone, const Stretch& stretch) {
    return stretch.beginUt == INT64_MIN ? stretch : zone.at(stretch.beginUt - 1);
}

// The standard time in force beneath a summer-time stretch: the nearest
// stretch without daylight saving, looking back first. Without one (never in
// the database) an hour less than the summer time.
Stretch standardBeneath(const ZoneFile& zone, const Stretch& summer) {
    Stretch info = summer;
    for (int i = 0; i < kMaxStandardSearch && info.daylight; ++i)
        info = stretchBefore(zone, info);
    if (!info.daylight)
        return info;
    info = summer;
    for (int i = 0; i < kMaxStandardSearch && info.daylight; ++i)
        info = zone.at(info.endUt);
    if (!info.daylight)
        return info;
    info = summer;
    info.utOffsetSeconds -= 3600;
    info.abbreviation.clear();
    return info;
}

// Whether a stretch of daylight saving sets the clock back from the standard
// time next to it: the database's negative summer time (Ireland's winter
// GMT under Irish Standard Time since 1971, Morocco's Ramadan hour).
bool isNegativeSaving(const ZoneFile& zone, const Stretch& info) {
    return info.daylight && info.utOffsetSeconds < standardBeneath(zone, info).utOffsetSeconds;
}

// The clock ahead of the standard time people use: a stretch the database
// marks as daylight saving that puts the clock forward, or a stretch it calls
// standard next to one of negative summer time (Dublin's July, a year of
// Morocco outside Ramadan), which is how the database's own form for older
// readers (its "rearguard" files) writes the same clocks. Empty otherwise;
// else the standard time beneath it.
std::optional<Stretch> standardBelowSummer(const ZoneFile& zone, const Stretch& info) {
    if (info.daylight) {
        Stretch standard = standardBeneath(zone, info);
        if (info.utOffsetSeconds > standard.utOffsetSeconds)
            return standard;
        return std::nullopt;
    }
    if (info.beginUt > kFarPastUt) {
        Stretch before = zone.at(info.beginUt - 1);
        if (before.utOffsetSeconds < info.utOffsetSeconds && isNegativeSaving(zone, before))
            return before;
    }
    if (info.endUt < kFarFutureUt) {
        Stretch after = zone.at(info.endUt);
        if (after.utOffsetSeconds < info.utOffsetSeconds && isNegativeSaving(zone, after))
            return after;
    }
    return std::nullopt;
}

ZoneState stateOf(const ZoneFile& zone, const Stretch& info, double longitudeEastDeg) {
    ZoneState state;
    state.abbreviation = info.abbreviation;
    if (info.abbreviation == "LMT") {
        state.localMeanTime = true;
        state.utOffsetSeconds = localMeanTimeOffsetSeconds(longitudeEastDeg);
        return state;
    }
    state.utOffsetSeconds = info.utOffsetSeconds;
    state.standardAbbreviation = info.abbreviation;
    if (const std::optional<Stretch> standard = standardBelowSummer(zone, info)) {
        state.summerTime = true;
        state.summerSeconds = state.utOffsetSeconds - standard->utOffsetSeconds;
        state.standardAbbreviation = standard->abbreviation;
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

// A name the database could hold: folders and a file below its folder, none
// hidden, and not the copies under posix/ and right/ (the latter counting
// leap seconds) nor the placeholder Factory.
bool isZoneName(std::string_view name) {
    if (name.empty() || name == "Factory" || name == "posixrules")
        return false;
    std::size_t begin = 0;
    while (begin <= name.size()) {
        const std::size_t end = std::min(name.find('/', begin), name.size());
        const std::string_view part = name.substr(begin, end - begin);
        if (part.empty() || part.front() == '.')
            return false;
        if (begin == 0 && (part == "posix" || part == "right"))
            return false;
        for (const char c : part)
            if (static_cast<unsigned char>(c) <= ' ' || c == '\\')
                return false;
        begin = end + 1;
    }
    return true;
}

enum class ZoneLookup { Found, Unknown, Unreadable };

bool startsAsZoneFile(const std::string& path) {
    char magic[4] = {};
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return false;
    const std::size_t count = std::fread(magic, 1, sizeof magic, file);
    std::fclose(file);
    return count == sizeof magic && std::string_view(magic, sizeof magic) == "TZif";
}

// Each zone's file, read once for all clocks and threads: a process that
// names no zone reads none, and one that names a zone reads only its file.
std::shared_ptr<const ZoneFile> zoneFileOf(const std::string& zoneName, ZoneLookup& lookup) {
    static std::mutex mutex;
    static std::map<std::string, std::shared_ptr<const ZoneFile>, std::less<>> files;
    const std::lock_guard<std::mutex> lock(mutex);
    const auto found = files.find(zoneName);
    if (found != files.end()) {
        lookup = ZoneLookup::Found;
        return found->second;
    }
    namespace fs = std::filesystem;
    std::error_code error;
    const std::string path = std::string(kZoneFolder) + zoneName;
    if (!fs::is_directory(std::string(kZoneFolder), error)) {
        lookup = ZoneLookup::Unreadable;
        return nullptr;
    }
    if (!isZoneName(zoneName) || !fs::is_regular_file(path, error)) {
        lookup = ZoneLookup::Unknown;
        return nullptr;
    }
    std::optional<ZoneFile> file = ZoneFile::read(path);
    if (!file) {
        // The folder's tables (zone.tab, tzdata.zi, ...) are no zones; a
        // zone file that cannot be read is a fault of the system's database.
        lookup = startsAsZoneFile(path) ? ZoneLookup::Unreadable : ZoneLookup::Unknown;
        return nullptr;
    }
    auto shared = std::make_shared<const ZoneFile>(std::move(*file));
    files.emplace(zoneName, shared);
    lookup = ZoneLookup::Found;
    return shared;
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
    using namespace std::chrono;
    const sys_seconds ut{seconds{localSecondsOf(local) - utOffsetSeconds}};
    const sys_days day = floor<days>(ut);
    const year_month_day ymd{day};
    const hh_mm_ss<seconds> time{ut - day};
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
    ZoneLookup lookup = ZoneLookup::Unknown;
    clock.m_zone = zoneFileOf(clock.m_name, lookup);
    if (lookup == ZoneLookup::Unknown)
        clock.m_error = "Unknown time zone " + quotedForMessage(clock.m_name) +
                        ": the system's time-zone database has no zone of that name";
    else if (lookup == ZoneLookup::Unreadable)
        clock.m_error = "The system's time-zone database (/usr/share/zoneinfo) cannot be read";
    else if (clock.m_zone->closingRule()) {
        // A file without changes has its rule for all time.
        const std::optional<std::int64_t> last = clock.m_zone->lastChangeUt();
        clock.m_lastListedChangeLocal =
            last ? *last + clock.m_zone->at(*last).utOffsetSeconds : INT64_MIN;
    }
    return clock;
}

PlaceTime ZoneClock::at(const DateTime& local, double longitudeEastDeg) const {
    PlaceTime result;
    if (m_zone == nullptr)
        return result;
    const ZoneFile& zone = *m_zone;
    const std::int64_t localSeconds = localSecondsOf(local);
    // After the last change the file lists, its closing rule gives the clock.
    if (localSeconds >= m_lastListedChangeLocal)
        return atByRule(*zone.closingRule(), localSeconds);
    const ZoneFile::LocalStretches info = zone.atLocal(localSeconds);
    result.first = stateOf(zone, info.first, longitudeEastDeg);
    result.kind = info.count == 1   ? PlaceTime::Kind::Unique
                  : info.count == 0 ? PlaceTime::Kind::DidNotExist
                                    : PlaceTime::Kind::HappenedTwice;
    if (info.count != 1)
        result.second = stateOf(zone, info.second, longitudeEastDeg);
    return result;
}

PlaceTime ZoneClock::atByRule(const PosixTzRule& rule, std::int64_t localSeconds) {
    const PosixTzRule::LocalStretches stretches = rule.atLocal(localSeconds);
    PlaceTime result;
    result.kind = stretches.count == 1   ? PlaceTime::Kind::Unique
                  : stretches.count == 0 ? PlaceTime::Kind::DidNotExist
                                         : PlaceTime::Kind::HappenedTwice;
    result.first = stateOfRule(rule, stretches.first);
    if (stretches.count != 1)
        result.second = stateOfRule(rule, stretches.second);
    return result;
}

} // namespace orbenza::atlas
