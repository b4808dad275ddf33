#include "predictive/Moments.h"

#include "ephemeris/Ephemeris.h"

#include <cmath>

namespace orbenza {

double julianDayOfMoment(const CivilDateTime& ut) {
    return julianDayOf(ut.year, ut.month, ut.day, ut.hour + ut.minute / 60.0 + ut.second / 3600.0);
}

// Meeus, Astronomical Algorithms (2nd ed.), ch. 7: the calendar date of a
// Julian Day, Gregorian after 1582 October 15. The moment is rounded to the
// second first, so 23:59:59.6 becomes the next day's 00:00:00.
CivilDateTime momentOfJulianDay(double julianDayUt) {
    const double shifted = julianDayUt + 0.5;
    double wholeDay = std::floor(shifted);
    long long seconds = std::llround((shifted - wholeDay) * 86400.0);
    if (seconds >= 86400) {
        seconds -= 86400;
        wholeDay += 1;
    }
    const double z = wholeDay;
    const double alpha = std::floor((z - 1867216.25) / 36524.25);
    const double a = z + 1 + alpha - std::floor(alpha / 4);
    const double b = a + 1524;
    const double c = std::floor((b - 122.1) / 365.25);
    const double d = std::floor(365.25 * c);
    const double e = std::floor((b - d) / 30.6001);
    CivilDateTime moment;
    moment.day = static_cast<int>(b - d - std::floor(30.6001 * e));
    moment.month = static_cast<int>(e < 14 ? e - 1 : e - 13);
    moment.year = static_cast<int>(moment.month > 2 ? c - 4716 : c - 4715);
    moment.hour = static_cast<int>(seconds / 3600);
    moment.minute = static_cast<int>(seconds / 60 % 60);
    moment.second = static_cast<int>(seconds % 60);
    return moment;
}

} // namespace orbenza
