#include "positions/Ascendant.h"

#include "moon/TimeBase.h"

#include <cmath>

namespace orbenza {

double normalizeDegrees(double x) {
    if (x < 0.0)
        x += 360.0;
    if (x > 360.0)
        x -= 360.0;
    return x;
}

AscendantResult ascendantCalculation(const BirthData& birth, const BirthMoment& moment) {
    AscendantResult result;
    result.timeBase = ascendantTimeBase(birth, moment);
    const AscendantTimeBase& base = result.timeBase;
    const double t = base.centuriesT1900;

    // Greenwich sidereal time in hours; the universal hours enter unscaled
    // because T already counts them. A negative value only arises in the first
    // days of 1900 and is harmless: only its sine, cosine and tangent are used.
    double s =
        15.0 * (base.ascUniversalHours + (t * (t * 0.0000258) + (t * 2400.0513 + 6.6460656))) -
        base.ascLongitudeWest;
    if (s >= 360.0)
        s = skipWholeTurns(s, 360.0);
    while (s >= 360.0)
        s -= 360.0;
    result.siderealDegrees = s;

    const double r = result.siderealDegrees * kDegreesToRadians;
    result.obliquityRadians = (23.452294 - t * 0.0130125) * kDegreesToRadians;
    const double phi = base.ascLatitude * kDegreesToRadians;
    const double y = std::cos(r);
    const double x = -(std::sin(r)) * std::cos(result.obliquityRadians) -
                     std::sin(result.obliquityRadians) * std::tan(phi);
    double a = atan2Radians(y, x);
    if (a < 0.0)
        a += kPi;
    if (std::cos(r) < 0.0)
        a += kPi;

    double longitude = a * kRadiansToDegrees;
    while (longitude >= 360.0)
        longitude -= 360.0;
    result.ascendantLongitude = longitude;
    return result;
}

} // namespace orbenza
