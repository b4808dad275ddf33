// Birth details for the tests, built from plain numbers.
#pragma once

#include "base/BirthData.h"
#include "chart/TimeZones.h"

namespace orbenza::testing {

struct Place {
    int lonDeg, lonMin;
    bool east;
    int latDeg = 0, latMin = 0;
    bool south = false;
};

inline BirthData makeBirth(int year, int month, int day, int hour, int minute, Place place,
                           bool dst = false) {
    BirthData b;
    b.Name = "TEST";
    b.BirthYear = static_cast<std::int16_t>(year);
    b.BirthMonth = static_cast<std::int16_t>(month);
    b.BirthDay = static_cast<std::int16_t>(day);
    b.BirthHour = static_cast<std::int16_t>(hour);
    b.BirthMinute = static_cast<std::int16_t>(minute);
    b.LongitudeDegrees = static_cast<std::int16_t>(place.lonDeg);
    b.LongitudeMinutes = static_cast<std::int16_t>(place.lonMin);
    b.IsEast = toBool16(place.east);
    b.LatitudeDegrees = static_cast<std::int16_t>(place.latDeg);
    b.LatitudeMinutes = static_cast<std::int16_t>(place.latMin);
    b.IsSouth = toBool16(place.south);
    b.IsDaylightSaving = toBool16(dst);
    return b;
}

// The correction of the time zone row at a list position.
inline UtCorrection zoneAt(int position) {
    return Zone_Calculation(position, {});
}

} // namespace orbenza::testing
