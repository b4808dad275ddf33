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
    std::string name;                    // exactly as typed, not trimmed
    std::int16_t birthMonth = 1;         // 1 = January ... 12 = December
    std::int16_t birthDay = 1;           // 1 ... 31
    std::int16_t birthYear = kFirstYear; // kFirstYear ... kLastYear
    std::int16_t birthHour = 0;          // 0 ... 23, local clock time
    std::int16_t birthMinute = 0;        // 0 ... 59
    std::int16_t birthSecond = 0;        // 0 ... 59
    std::int16_t zoneHours = 0;          // |UtCorrectionHours|, 0 ... 13
    std::int16_t zoneMinutes = 0;        // |UtCorrectionMinutes|, 0 or 30
    std::int16_t longitudeDegrees = 0;   // 0 ... 179
    std::int16_t longitudeMinutes = 0;   // 0 ... 59
    std::int16_t latitudeDegrees = 0;    // 0 ... 89
    std::int16_t latitudeMinutes = 0;    // 0 ... 59
    Bool16 isEast = kFalse16;            // -1 East, 0 West
    Bool16 isSouth = kFalse16;           // -1 South, 0 North
    Bool16 isDaylightSaving = kFalse16;
};

// The signed correction of the chosen zone: universal time = local clock time
// + UtCorrectionHours hours + UtCorrectionMinutes minutes + UtCorrectionSeconds
// seconds. All carry the sign of the correction, which is the zone's offset
// from Greenwich negated. The 71 rows of the zone list leave the seconds 0; a
// clock time from the place atlas may need them (Amsterdam's +0:19:32).
struct UtCorrection {
    std::int16_t utCorrectionHours = 0;
    std::int16_t utCorrectionMinutes = 0;
    std::int16_t utCorrectionSeconds = 0;
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
    return birth.birthHour + birth.birthMinute / 60.0 + birth.birthSecond / 3600.0 +
           correction.utCorrectionHours + correction.utCorrectionMinutes / 60.0 +
           correction.utCorrectionSeconds / 3600.0 - (isTrue16(birth.isDaylightSaving) ? 1.0 : 0.0);
}

// Longitude in degrees, West positive and East negative.
constexpr double longitudeWestDegOf(const BirthData& birth) {
    const double magnitude = birth.longitudeDegrees + birth.longitudeMinutes / 60.0;
    return isTrue16(birth.isEast) ? -magnitude : magnitude;
}

// Latitude in degrees, North positive.
constexpr double latitudeDegOf(const BirthData& birth) {
    const double magnitude = birth.latitudeDegrees + birth.latitudeMinutes / 60.0;
    return isTrue16(birth.isSouth) ? -magnitude : magnitude;
}

} // namespace orbenza
