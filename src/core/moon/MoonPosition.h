// The Moon's geocentric tropical longitude for the birth moment, its position
// text and its sign.
#pragma once

#include "base/BirthData.h"

#include <string>
#include <string_view>

namespace orbenza {

struct MoonResult {
    double moonLocalHours = 0;    // hours, local clock time
    double moonLongitudeWest = 0; // degrees, West positive
    double birthJdn = 0;          // days, Julian Day Number of the local date
    double universalHours = 0;    // hours past 0h UT of the local date; may be < 0 or >= 24
    double centuriesT = 0;        // Julian centuries from J2000.0 (JD 2451545.0), UT
    double moonLongitude = 0;     // degrees, ecliptic of date, 0 to 360 inclusive
    std::string moonPositionText; // formatPosition(MoonLongitude)
    std::string moonSignName;     // "Aries" ... "Pisces"
};

// moonCalculation: the Moon at the birth moment.
MoonResult moonCalculation(const BirthData& birth, UtCorrection correction);

// The Moon's longitude in degrees (ecliptic and mean equinox of date, reduced
// into 0 to 360 with 360 itself kept) at T Julian centuries from J2000.0.
// Meeus, Astronomical Algorithms (1998), ch. 47: the mean elements to their
// linear terms and the 25 largest terms of the longitude series. Good to
// about 0.1 degrees against a full lunar theory.
double moonLongitudeDeg(double centuriesT);

// A longitude taken apart as formatPosition writes it: whole degrees within
// the sign (0..29), whole minutes and whole seconds (0..59, all truncated) and
// the sign 0 Aries .. 11 Pisces.
struct PositionParts {
    int degrees, minutes, seconds, sign;
};
PositionParts positionParts(double longitudeDeg);

// formatPosition: whole degrees within the sign, "° ", minutes, "' ",
// seconds, "\" " and the sign abbreviation, e.g. "13° 18' 57\" Sco". Degrees,
// minutes and seconds are truncated; a negative longitude uses its absolute
// value; the sign is taken modulo 12, so 360 reads 0° 0' 0" Ari.
std::string formatPosition(double longitudeDeg);

// The full name of the sign whose abbreviation ends the trimmed text, or an
// empty view when the text ends in none of the twelve.
std::string_view signNameOfPositionText(std::string_view positionText);

// "Aries" ... "Pisces" for the abbreviation "Ari" ... "Pis"; empty when none.
std::string_view signNameOfAbbreviation(std::string_view abbreviation);

} // namespace orbenza
