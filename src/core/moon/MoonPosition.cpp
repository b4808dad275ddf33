#include "moon/MoonPosition.h"

#include "base/Sign.h"
#include "base/TextTrim.h"
#include "moon/TimeBase.h"

#include <algorithm>
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

// Appends a whole number of 0 to 99 in plain decimal, without leading zeros.
char* appendNumber(char* out, int value) {
    if (value >= 10)
        *out++ = static_cast<char>('0' + value / 10 % 10);
    *out++ = static_cast<char>('0' + value % 10);
    return out;
}

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

    double longitude = meanLongitudeDeg + sumDeg;
    while (longitude < 0.0)
        longitude += 360.0;
    while (longitude > 360.0)
        longitude -= 360.0;
    return longitude;
}

PositionParts positionParts(double longitudeDeg) {
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
    const auto sign = static_cast<int>(static_cast<long long>(floorWhole(deg / 30.0)) % 12);
    while (deg >= 30.0)
        deg -= 30.0;
    const double seconds = floorWhole(60.0 * remainder);
    return {static_cast<int>(deg), static_cast<int>(minutes), static_cast<int>(seconds), sign};
}

std::string formatPosition(double longitudeDeg) {
    const PositionParts parts = positionParts(longitudeDeg);
    char buffer[24]; // at most "29° 59' 59\" Pis"
    char* out = appendNumber(buffer, parts.degrees);
    out = std::copy_n("\xC2\xB0 ", 3, out); // degree sign (UTF-8) and a blank
    out = appendNumber(out, parts.minutes);
    out = std::copy_n("' ", 2, out);
    out = appendNumber(out, parts.seconds);
    out = std::copy_n("\" ", 2, out);
    out = std::copy_n(SIGN_ABBREVIATIONS.data() + 3 * parts.sign, 3, out);
    return std::string(buffer, out);
}

std::string_view signNameOfAbbreviation(std::string_view abbreviation) {
    for (std::size_t n = 0; n < kSignNames.size(); ++n) {
        if (SIGN_ABBREVIATIONS.substr(3 * n, 3) == abbreviation)
            return kSignNames[n];
    }
    return {};
}

std::string_view signNameOfPositionText(std::string_view positionText) {
    const std::string_view trimmed = trimSpaces(positionText);
    if (trimmed.size() < 3)
        return {};
    return signNameOfAbbreviation(trimmed.substr(trimmed.size() - 3));
}

MoonResult moonCalculation(const BirthData& birth, UtCorrection correction) {
    MoonResult moon;
    moon.moonLocalHours = birth.birthHour + birth.birthMinute / 60.0 + birth.birthSecond / 3600.0;
    moon.moonLongitudeWest = longitudeWestDegOf(birth);
    moon.birthJdn = julianDay(birth.birthMonth, birth.birthDay, birth.birthYear);
    moon.universalHours = universalHoursOf(birth, correction);
    moon.centuriesT = ((moon.birthJdn - 2451545.0) + moon.universalHours / 24.0 - 0.5) / 36525.0;
    moon.moonLongitude = moonLongitudeDeg(moon.centuriesT);
    moon.moonPositionText = formatPosition(moon.moonLongitude);
    // The sign the position text names, from the same whole-second parts.
    moon.moonSignName = std::string(
        signName(signAt(static_cast<std::size_t>(positionParts(moon.moonLongitude).sign))));
    return moon;
}

} // namespace orbenza
