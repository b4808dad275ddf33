#include "precise/DeltaT.h"

#include <array>

namespace orbenza {

namespace {

// Start of each TAI-UTC step from 2005 on (decimal year) and its value in seconds.
struct LeapStep {
    double fromYear;
    double taiMinusUtc;
};
constexpr std::array<LeapStep, 6> kLeapSteps{{
    {2005.0, 32.0},
    {2006.0, 33.0},
    {2009.0, 34.0},
    {2012.5, 35.0},
    {2015.5, 36.0},
    {2017.0, 37.0},
}};

// 32.184 s: TT - TAI.
constexpr double kTtMinusTai = 32.184;

} // namespace

double deltaTSeconds(double y) {
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 + t * -0.000197)));
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    if (y < kLeapSteps.front().fromYear) {
        const double t = y - 2000.0;
        return 63.86 + t * (0.3345 + t * (-0.060374 +
                                          t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    }
    double taiMinusUtc = kLeapSteps.front().taiMinusUtc;
    for (const LeapStep& step : kLeapSteps)
        if (y >= step.fromYear)
            taiMinusUtc = step.taiMinusUtc;
    return kTtMinusTai + taiMinusUtc;
}

double decimalYearOfJulianDay(double julianDay) {
    return 2000.0 + (julianDay - 2451544.5) / 365.25;
}

} // namespace orbenza
