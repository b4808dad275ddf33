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
    b.name = "TEST";
    b.birthYear = static_cast<std::int16_t>(year);
    b.birthMonth = static_cast<std::int16_t>(month);
    b.birthDay = static_cast<std::int16_t>(day);
    b.birthHour = static_cast<std::int16_t>(hour);
    b.birthMinute = static_cast<std::int16_t>(minute);
    b.longitudeDegrees = static_cast<std::int16_t>(place.lonDeg);
    b.longitudeMinutes = static_cast<std::int16_t>(place.lonMin);
    b.isEast = toBool16(place.east);
    b.latitudeDegrees = static_cast<std::int16_t>(place.latDeg);
    b.latitudeMinutes = static_cast<std::int16_t>(place.latMin);
    b.isSouth = toBool16(place.south);
    b.isDaylightSaving = toBool16(dst);
    return b;
}

// The correction of the time zone row at a list position.
inline UtCorrection zoneAt(int position) {
    return zoneCalculation(position, {});
}

} // namespace orbenza::testing
