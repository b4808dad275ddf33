// Angle constants shared by every computation of the chart.
#pragma once

#include <cmath>

namespace orbenza {

// Stored with exactly these decimal values, as every position of the chart
// has always been computed with them (not derived from std::numbers::pi).
inline constexpr double kDegreesToRadians = 0.0174532925199433;
inline constexpr double kRadiansToDegrees = 57.2957795130823;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

// The largest whole number not above x, as a double.
inline double floorWhole(double x) {
    return std::floor(x);
}

} // namespace orbenza
