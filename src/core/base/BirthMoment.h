// The universal moment of a birth, worked out once per chart and handed to
// every method that needs it (the Moon, the Ascendant, the planets, the
// precise series), each in the time argument it counts in.
#pragma once

#include "base/CivilDateTime.h"

namespace orbenza {

// A calendar moment in universal time, whole seconds.
using UniversalMoment = CivilDateTime;

struct BirthMoment {
    // The universal date and time: the local clock time plus the zone's
    // correction, less an hour of daylight saving, carried across day, month
    // and year ends.
    UniversalMoment universalTime;
    // Julian Day Number of the local calendar date, and the universal time in
    // hours past its 0h (below 0 or from 24 on when the correction crosses
    // midnight). The Moon and the Ascendant count from these.
    double localJulianDayNumber = 0;
    double universalHours = 0;
    // Days from J2000.0 (2000 January 1, 12:00 UT) of the universal moment, in
    // the planets' day count.
    double daysJ2000 = 0;
    // Julian Day of the universal moment (UT), for the precise series.
    double julianDayUt = 0;
    // Terrestrial time: TT - UT in seconds and the Julian Day in TT, for
    // methods that count in dynamical time (the built-in ones and the precise
    // series count in UT).
    double deltaTSeconds = 0;
    double julianDayTt = 0;
};

} // namespace orbenza
