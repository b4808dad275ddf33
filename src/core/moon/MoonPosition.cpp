#include "moon/MoonPosition.h"

#include "moon/TimeBase.h"

#include <array>
#include <cmath>

namespace orbenza {

namespace {

struct LongitudeTerm {
    int d, m, mPrime, f; // multiples of D, M, M', F
    double coefficientDeg;
};

// The 25 largest periodic terms of the Moon's longitude, Meeus table 47.A,
// summed in this order. Terms with a multiple of M carry the factor E once.
constexpr std::array<LongitudeTerm, 25> kLongitudeTerms{{
    {0, 0, 1, 0, 6.288774},   {2, 0, -1, 0, 1.274027},  {2, 0, 0, 0, 0.658314},
    {0, 0, 2, 0, 0.213618},   {0, 1, 0, 0, -0.185116},  {0, 0, 0, 2, -0.114332},
    {2, 0, -2, 0, 0.058793},  {2, -1, -1, 0, 0.057066}, {2, 0, 1, 0, 0.053322},
    {2, -1, 0, 0, 0.045758},  {0, 1, -1, 0, -0.040923}, {1, 0, 0, 0, -0.034720},
    {0, 1, 1, 0, -0.030383},  {2, 0, 0, -2, 0.015327},  {0, 0, 1, 2, -0.012528},
    {0, 0, 1, -2, 0.010980},  {4, 0, -1, 0, 0.010675},  {0, 0, 3, 0, 0.010034},
    {4, 0, -2, 0, 0.008548},  {2, 1, -1, 0, -0.007888}, {2, 1, 0, 0, -0.006766},
    {1, 0, -1, 0, -0.005163}, {1, 1, 0, 0, 0.004987},   {2, -1, 1, 0, 0.004036},
    {2, 0, 2, 0, 0.003994},
}};

} // namespace

double moonLongitudeDeg(double t) {
    const double meanLongitudeDeg = 218.3164591 + 481267.88134236 * t;
    // The arguments stay unreduced; the sine of the large value is taken directly.
    const double d = (297.8502042 + 445267.1115168 * t) * kDegreesToRadians;
    const double m = (357.5291092 + 35999.0502909 * t) * kDegreesToRadians;
    const double mPrime = (134.9634114 + 477198.8676313 * t) * kDegreesToRadians;
    const double f = (93.2720993 + 483202.0175273 * t) * kDegreesToRadians;
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t * t;

    double sumDeg = 0.0;
    for (const LongitudeTerm& term : kLongitudeTerms) {
        const double argument = term.d * d + term.m * m + term.mPrime * mPrime + term.f * f;
        const double factor = (term.m != 0) ? e : 1.0;
        sumDeg += term.coefficientDeg * factor * std::sin(argument);
    }

    double longitude = skipWholeTurns(meanLongitudeDeg + sumDeg, 360.0);
    while (longitude < 0.0)
        longitude += 360.0;
    while (longitude > 360.0)
        longitude -= 360.0;
    return longitude;
}

double moonSpeedDegPerDay(double t) {
    // The derivative of moonLongitudeDeg term by term. The arguments are
    // reduced first: their rates, not their size, matter here.
    constexpr double kTurn = 2.0 * 3.14159265358979323846;
    const auto reduced = [](double radians) {
        return radians - kTurn * std::floor(radians / kTurn);
    };
    const double d = reduced((297.8502042 + 445267.1115168 * t) * kDegreesToRadians);
    const double m = reduced((357.5291092 + 35999.0502909 * t) * kDegreesToRadians);
    const double mPrime = reduced((134.9634114 + 477198.8676313 * t) * kDegreesToRadians);
    const double f = reduced((93.2720993 + 483202.0175273 * t) * kDegreesToRadians);
    const double e = 1.0 - 0.002516 * t - 0.0000074 * t * t;
    const double eRate = -0.002516 - 2.0 * 0.0000074 * t;
    double rateDegPerCentury = 481267.88134236;
    for (const LongitudeTerm& term : kLongitudeTerms) {
        const double argument = term.d * d + term.m * m + term.mPrime * mPrime + term.f * f;
        const double argumentRate = (term.d * 445267.1115168 + term.m * 35999.0502909 +
                                     term.mPrime * 477198.8676313 + term.f * 483202.0175273) *
                                    kDegreesToRadians;
        const double factor = (term.m != 0) ? e : 1.0;
        rateDegPerCentury += term.coefficientDeg * factor * std::cos(argument) * argumentRate;
        if (term.m != 0)
            rateDegPerCentury += term.coefficientDeg * eRate * std::sin(argument);
    }
    return rateDegPerCentury / 36525.0;
}

MoonResult moonCalculation(const BirthData& birth, const BirthMoment& moment) {
    MoonResult moon;
    moon.moonLocalHours = birth.birthHour + birth.birthMinute / 60.0 + birth.birthSecond / 3600.0;
    moon.moonLongitudeWest = longitudeWestDegOf(birth);
    moon.birthJdn = moment.localJulianDayNumber;
    moon.universalHours = moment.universalHours;
    moon.centuriesT = ((moon.birthJdn - 2451545.0) + moon.universalHours / 24.0 - 0.5) / 36525.0;
    moon.moonLongitude = moonLongitudeDeg(moon.centuriesT);
    return moon;
}

} // namespace orbenza
