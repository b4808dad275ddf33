// Angle constants, the Julian Day Number of a calendar date and the
// full-circle arc tangent, shared by the Moon, the Ascendant and the planets.
#pragma once

#include <cmath>
#include <string_view>

namespace orbenza {

// Stored with exactly these decimal values, as every position of the chart
// has always been computed with them (not derived from std::numbers::pi).
inline constexpr double kDegreesToRadians = 0.0174532925199433;
inline constexpr double kRadiansToDegrees = 57.2957795130823;
inline constexpr double kPi = 3.14159265358979;
inline constexpr double kTwoPi = 6.28318530717958;

// Three letters per sign from Aries; sign n (0..11) starts at position 3n.
inline constexpr std::string_view SIGN_ABBREVIATIONS = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// Julian_Day: the Julian Day Number (a whole number held in a double) of a
// calendar date, Gregorian from 15 October 1582 on and Julian before. The
// integer form of Fliegel and Van Flandern (1968), exact for every date.
double Julian_Day(int month, int day, int year);

// ATan2: the arc tangent of y / x in radians, -pi to pi, in the right quadrant.
double ATan2(double y, double x);

// The largest whole number not above x, as a double.
inline double Int(double x) { return std::floor(x); }

} // namespace orbenza
