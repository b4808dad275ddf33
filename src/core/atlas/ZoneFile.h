// A compiled zone file of the system's time-zone database, in the TZif form of
// RFC 8536 (versions 1 to 4): the clock's history as the file lists it, one
// stretch between each two changes, and the rule the file closes with (a POSIX
// TZ string) for the times after its last change. Reading the file directly
// keeps a chart that names no zone from loading anything for zones at all.
#pragma once

#include "atlas/PosixTzRule.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza::atlas {

class ZoneFile {
public:
    // The zone in a file's bytes; empty when they are not a well-formed zone file.
    static std::optional<ZoneFile> parse(std::string_view bytes);
    // The zone of a file; empty when it cannot be read or is not a zone file.
    static std::optional<ZoneFile> read(const std::string& path);

    // One stretch of the clock between two changes the file lists.
    struct Stretch {
        std::int64_t beginUt = INT64_MIN; // seconds of UT from 1970-01-01 00:00; INT64_MIN: always
        std::int64_t endUt = INT64_MAX;   // the first second of the next stretch; INT64_MAX: never
        std::int32_t utOffsetSeconds = 0; // local clock time = universal time + this
        bool daylight = false;            // the file marks it as daylight saving
        std::string abbreviation;         // "CEST", "LMT", "+0545"
    };
    // The stretch that holds a moment of universal time.
    Stretch at(std::int64_t ut) const;

    // How a local clock time falls: once (first), never because the clocks
    // jumped over it (first before the jump, second after), or twice because
    // they went back over it (first the earlier pass).
    struct LocalStretches {
        int count = 1; // 0 never, 1 once, 2 twice
        Stretch first, second;
    };
    // localSeconds: the clock time in seconds from 1970-01-01 00:00.
    LocalStretches atLocal(std::int64_t localSeconds) const;

    // The universal time of the last change the file lists; none when it lists none.
    std::optional<std::int64_t> lastChangeUt() const;
    // The rule the file closes with; none in a version 1 file or when the rule is empty.
    const std::optional<PosixTzRule>& closingRule() const { return m_closingRule; }

private:
    struct LocalTimeType {
        std::int32_t utOffsetSeconds = 0;
        bool daylight = false;
        std::string abbreviation;
        bool operator==(const LocalTimeType&) const = default;
    };
    static ZoneFile withoutIdleChanges(const std::vector<std::int64_t>& changesUt,
                                       const std::vector<std::uint8_t>& typeAfter,
                                       std::vector<LocalTimeType> types);
    // Stretch k runs from change k - 1 to change k: 0 is the one before the first change.
    Stretch stretch(std::size_t k) const;
    std::size_t stretchIndexAt(std::int64_t ut) const;

    std::vector<std::int64_t> m_changesUt;  // ascending
    std::vector<std::uint8_t> m_typeAfter;  // the local time type from each change on
    std::vector<LocalTimeType> m_types;     // type 0 holds before the first change
    std::int32_t m_lowestOffsetSeconds = 0; // of all the types, to bound a local search
    std::int32_t m_highestOffsetSeconds = 0;
    std::optional<PosixTzRule> m_closingRule;
};

} // namespace orbenza::atlas
