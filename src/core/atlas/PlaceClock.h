// The clock time a place kept on a date: its offset from universal time, to
// the second, from the system's IANA time-zone database (Debian's tzdata,
// which keeps the history before 1970) read from its compiled zone files.
// Where the database says the zone kept local mean time, the place's own
// local mean time is used (4 minutes of time per degree of its longitude),
// not that of the zone's reference city.
#pragma once

#include "base/CivilDateTime.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace orbenza::atlas {

class PosixTzRule;
class ZoneFile;

// The atlas reads and writes the program's one civil date-time.
using DateTime = CivilDateTime;

// What the clock said in one stretch of a zone's history.
struct ZoneState {
    std::int32_t utOffsetSeconds = 0; // local clock time = universal time + this
    std::string abbreviation;         // "CEST", "BDST", "LMT", "+0545"
    bool summerTime = false;          // the database marks the stretch as daylight saving
    std::int32_t summerSeconds = 0;   // how far the clock was put forward; 0 without summer time
    bool localMeanTime = false;       // the place's own local mean time
    std::string
        standardAbbreviation; // of the standard time beneath summer time ("CET" under "CEST")
};

// A local clock time at a place.
struct PlaceTime {
    enum class Kind {
        Unique,       // it happened once: `first` holds the state
        DidNotExist,  // the clocks jumped over it: `first` before the jump, `second` after
        HappenedTwice // the clocks went back over it: `first` the earlier pass, `second` the later
    };
    Kind kind = Kind::Unique;
    ZoneState first;
    ZoneState second;
};

// Universal time of a local clock time kept at an offset: local - offset.
DateTime universalTimeOf(const DateTime& local, std::int32_t utOffsetSeconds);

// "2021-03-14 07:30 UT", seconds shown only when they are not zero.
std::string formatUniversalTime(const DateTime& ut);
// An offset as JSON writes it: "+02:00", "-04:00", "+00:19:32".
std::string formatIsoOffset(std::int32_t seconds);
// An offset as the screens write it: "UT+2:00", "UT-3:30", "UT+0:19:32".
std::string formatUtOffset(std::int32_t seconds);
// The local mean time of a longitude (East positive): 4 minutes of time per
// degree, rounded to the second.
std::int32_t localMeanTimeOffsetSeconds(double longitudeEastDeg);

// One zone of the system's database.
class ZoneClock {
public:
    // The zone of this IANA name, or an empty clock whose error() says that
    // the system's database has no such zone or cannot be read.
    static ZoneClock find(std::string_view zoneName);

    bool valid() const { return m_zone != nullptr; }
    const std::string& error() const { return m_error; }
    const std::string& name() const { return m_name; }

    // The clock time at a place of this zone: the changes the database's
    // file lists, and after the last of them (in 2037 for a zone with yearly
    // rules, decades later for zones whose changes follow Ramadan) the rule
    // the file closes with, which gives every later year.
    PlaceTime at(const DateTime& local, double longitudeEastDeg) const;

private:
    static PlaceTime atByRule(const PosixTzRule& rule, std::int64_t localSeconds);

    std::shared_ptr<const ZoneFile> m_zone; // shared by the clocks of the zone
    // The local clock time, in seconds from 1970-01-01 00:00, of the last
    // change the file lists, from which on the rule it closes with gives the
    // clock; never when it has none (a file of the oldest form, whose last
    // stretch then lasts).
    std::int64_t m_lastListedChangeLocal = INT64_MAX;
    std::string m_name;
    std::string m_error;
};

} // namespace orbenza::atlas
