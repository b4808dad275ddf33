// The Ascendant: the point of the ecliptic rising on the eastern horizon of
// the birth place at the birth moment.
#pragma once

#include "base/BirthData.h"
#include "positions/TimeScales.h"

#include <string>

namespace orbenza {

struct AscendantResult {
    AscendantTimeBase timeBase;
    double siderealDegrees = 0;    // local sidereal time, degrees
    double obliquityRadians = 0;   // mean obliquity of the ecliptic of date
    double ascendantLongitude = 0; // degrees, ecliptic of date, 0 to below 360
    std::string ascendantText;     // formatPosition(AscendantLongitude)
};

// ascendantCalculation: local sidereal time from the Greenwich sidereal time
// polynomial of Newcomb (T from 1900), obliquity 23.452294 - 0.0130125 T, and
// the rising point tan(asc) = cos RAMC / -(sin RAMC cos eps + tan phi sin eps).
// With the linear sidereal time the Ascendant is good to about an arcminute
// for births 1901 to 2050.
AscendantResult ascendantCalculation(const BirthData& birth, UtCorrection correction);

// normalizeDegrees: one step into the circle. Below 0 adds 360; then above
// 360 subtracts 360; exactly 360 stays 360.
double normalizeDegrees(double x);

} // namespace orbenza
