#include "base/Sign.h"

#include "base/Angles.h"

namespace orbenza {

ZodiacPosition zodiacPositionOf(double longitudeDeg) {
    double a = std::fabs(longitudeDeg);
    // Longitudes come in reduced; anything else stays well defined.
    if (!std::isfinite(a))
        a = 0.0;
    else if (a >= 1e9)
        a = std::fmod(a, 360.0);
    double deg = floorWhole(a);
    const double fraction = a - deg;
    const double mm = 60.0 * fraction;
    const double minutes = floorWhole(mm);
    const double remainder = mm - minutes;
    const auto sign = static_cast<std::size_t>(static_cast<long long>(floorWhole(deg / 30.0)) % 12);
    while (deg >= 30.0)
        deg -= 30.0;
    const double seconds = floorWhole(60.0 * remainder);
    return {signAt(sign), static_cast<int>(deg), static_cast<int>(minutes),
            static_cast<int>(seconds)};
}

} // namespace orbenza
