// The birth details of one chart, and the universal-time correction of the
// chosen time zone.
#pragma once

#include "base/YearRange.h"

#include <cstdint>
#include <string>

namespace orbenza {

// A 16-bit boolean as the birth details store it: -1 for true, 0 for false.
using Bool16 = std::int16_t;
inline constexpr Bool16 kTrue16 = -1;
inline constexpr Bool16 kFalse16 = 0;
constexpr bool isTrue16(Bool16 flag) {
    return flag != 0;
}
constexpr Bool16 toBool16(bool flag) {
    return flag ? kTrue16 : kFalse16;
}

struct BirthData {
    std::string Name;                    // exactly as typed, not trimmed
    std::int16_t BirthMonth = 1;         // 1 = January ... 12 = December
    std::int16_t BirthDay = 1;           // 1 ... 31
    std::int16_t BirthYear = kFirstYear; // kFirstYear ... kLastYear
    std::int16_t BirthHour = 0;          // 0 ... 23, local clock time
    std::int16_t BirthMinute = 0;        // 0 ... 59
    std::int16_t BirthSecond = 0;        // 0 ... 59
    std::int16_t ZoneHours = 0;          // |UtCorrectionHours|, 0 ... 13
    std::int16_t ZoneMinutes = 0;        // |UtCorrectionMinutes|, 0 or 30
    std::int16_t LongitudeDegrees = 0;   // 0 ... 179
    std::int16_t LongitudeMinutes = 0;   // 0 ... 59
    std::int16_t LatitudeDegrees = 0;    // 0 ... 89
    std::int16_t LatitudeMinutes = 0;    // 0 ... 59
    Bool16 IsEast = kFalse16;            // -1 East, 0 West
    Bool16 IsSouth = kFalse16;           // -1 South, 0 North
    Bool16 IsDaylightSaving = kFalse16;
};

// The signed correction of the chosen zone: universal time = local clock time
// + UtCorrectionHours hours + UtCorrectionMinutes minutes + UtCorrectionSeconds
// seconds. All carry the sign of the correction, which is the zone's offset
// from Greenwich negated. The 71 rows of the zone list leave the seconds 0; a
// clock time from the place atlas may need them (Amsterdam's +0:19:32).
struct UtCorrection {
    std::int16_t UtCorrectionHours = 0;
    std::int16_t UtCorrectionMinutes = 0;
    std::int16_t UtCorrectionSeconds = 0;
    friend bool operator==(const UtCorrection&, const UtCorrection&) = default;
};

} // namespace orbenza

namespace orbenza {

// Universal time of the birth in hours on the local calendar date: local
// clock time plus the signed zone correction, less one hour when daylight
// saving was in force. May fall below 0 or reach 24 and beyond; callers carry
// it into the day count. One time base for the Moon, the Ascendant and the
// planets alike.
constexpr double universalHoursOf(const BirthData& birth, UtCorrection correction) {
    return birth.BirthHour + birth.BirthMinute / 60.0 + birth.BirthSecond / 3600.0 +
           correction.UtCorrectionHours + correction.UtCorrectionMinutes / 60.0 +
           correction.UtCorrectionSeconds / 3600.0 - (isTrue16(birth.IsDaylightSaving) ? 1.0 : 0.0);
}

// Longitude in degrees, West positive and East negative.
constexpr double longitudeWestDegOf(const BirthData& birth) {
    const double magnitude = birth.LongitudeDegrees + birth.LongitudeMinutes / 60.0;
    return isTrue16(birth.IsEast) ? -magnitude : magnitude;
}

// Latitude in degrees, North positive.
constexpr double latitudeDegOf(const BirthData& birth) {
    const double magnitude = birth.LatitudeDegrees + birth.LatitudeMinutes / 60.0;
    return isTrue16(birth.IsSouth) ? -magnitude : magnitude;
}

} // namespace orbenza
