// The committed reference table of apparent longitudes (tools/reference-longitudes):
// moments of universal time over 1901-2050 with a place each, and the Swiss
// Ephemeris' apparent longitudes of date, its Ascendant and its Delta T, and
// Chiron, the true and the mean lunar node and Lilith.
#pragma once

#include "base/Body.h"

#include <string>
#include <vector>

namespace orbenza::testing {

struct ReferenceRow {
    int lineNumber = 0;
    std::string text; // the moment and the place as the table writes them
    int year = 0, month = 0, day = 0, hour = 0, minute = 0;
    int latDeg = 0, latMin = 0, lonDeg = 0, lonMin = 0;
    bool south = false, east = false;
    double deltaTSeconds = 0;
    PointArray<double> longitudesDeg; // Sun ... Pluto, Asc, Chiron, TrueNode, MeanNode, Lilith

    double latitudeDeg() const { return (latDeg + latMin / 60.0) * (south ? -1.0 : 1.0); }
    double longitudeEastDeg() const { return (lonDeg + lonMin / 60.0) * (east ? 1.0 : -1.0); }
};

// The rows of tests/core/ephemeris/reference-longitudes.txt; an unreadable row
// fails the calling test.
const std::vector<ReferenceRow>& referenceRows();

// a - b in arcseconds, across 0/360 as well.
double differenceArcsec(double aDeg, double bDeg);

} // namespace orbenza::testing
