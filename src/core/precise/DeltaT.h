// Terrestrial time less universal time (Delta T) for the admitted years.
#pragma once

namespace orbenza {

// Delta T in seconds at a moment given as a decimal year (2000.5 is the
// middle of 2000; the polynomials take y = year + (month - 0.5) / 12).
//
// Before 2005: the polynomials of Espenak & Meeus (2006), "Five Millennium
// Canon of Solar Eclipses" (NASA TP-2006-214141), which follow the observed
// Delta T to about a second over 1900-2005.
// From 2005: 32.184 s + TAI-UTC, the leap seconds of IERS Bulletin C (33 s
// from 2006, 34 s from 2009, 35 s from mid-2012, 36 s from mid-2015, 37 s from
// 2017), neglecting UT1-UTC (always under 0.9 s), and assuming no further leap
// second after 2017. Espenak & Meeus' own extrapolation for 2005-2050 runs ahead
// of the observed Delta T (by 5 s in 2025, 18 s by 2050), which would move the
// Moon by up to 10 arcseconds.
double deltaTSeconds(double decimalYear);

// The decimal year of a Julian Day (any time scale): 2000.0 at JD 2451544.5,
// 365.25 days a year. Good to a day, which moves Delta T by under 0.01 s.
double decimalYearOfJulianDay(double julianDay);

} // namespace orbenza
