// The Julian Day Number of a calendar date and the
// full-circle arc tangent, shared by the Moon, the Ascendant and the planets.
#pragma once

#include "base/Angles.h"
#include "base/Sign.h"

namespace orbenza {

// julianDay: the Julian Day Number (a whole number held in a double) of a
// calendar date, Gregorian from 15 October 1582 on and Julian before. The
// integer form of Fliegel and Van Flandern (1968), exact for every date.
double julianDay(int month, int day, int year);

// atan2Radians: the arc tangent of y / x in radians, -pi to pi, in the right quadrant.
double atan2Radians(double y, double x);

// x moved by whole turns toward 0 to turn, stopping two or three turns short:
// what loops of "x -= turn while x > turn" or "x += turn while x < 0" reach
// after all but their last few steps, in one step. Each of those steps is
// exact while the value stays beyond a turn (the result is a multiple of x's
// ulp and smaller than x), so their sum is one exact subtraction, and the
// loop that follows ends on the same bits. For |x| below 2^50 turns.
inline double skipWholeTurns(double x, double turn) {
    const double turns = std::floor(x / turn); // may be one off either way
    if (turns > 2.0)
        return x - turn * (turns - 2.0);
    if (turns < -2.0)
        return x - turn * (turns + 2.0);
    return x;
}

} // namespace orbenza
