#include "moon/TimeBase.h"

#include <cmath>

namespace orbenza {

double julianDay(int month, int day, int year) {
    const double m = month + 12.0 * (year + 4800) - 3.0;
    double j = day +
               floorWhole((365.0 * m + 2.0 * (m - 12.0 * floorWhole(m / 12.0)) + 7.0) / 12.0) +
               floorWhole(m / 48.0) - 32083.0;
    // Above JD 2299171 (15 October 1582) the Gregorian correction applies.
    if (j > 2299171.0)
        j = j + floorWhole(m / 4800.0) - floorWhole(m / 1200.0) + 38.0;
    return j;
}

double atan2Radians(double y, double x) {
    if (x > 0.0)
        return std::atan(y / x);
    if (x < 0.0) {
        if (y == 0.0)
            return kPi;
        const double s = (y < 0.0) ? -1.0 : 1.0;
        return (kPi - std::atan(std::fabs(y / x))) * s;
    }
    if (y == 0.0)
        return 0.0;
    return (y < 0.0 ? -1.0 : 1.0) * kPi / 2.0;
}

} // namespace orbenza
