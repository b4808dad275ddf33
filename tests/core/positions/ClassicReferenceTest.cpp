// The built-in (classic) positions against the reference table of apparent
// longitudes (the Swiss Ephemeris with its JPL files, tools/reference-longitudes):
// the accuracy README.md states, body by body, as tested facts.
#include "base/Body.h"
#include "chart/ChartRun.h"
#include "ephemeris/ReferenceTable.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

using testing::differenceArcsec;
using testing::ReferenceRow;
using testing::referenceRows;

// Largest difference allowed, arcminutes, per body (the measured largest
// difference over the table, rounded up).
BodyArray<double> classicToleranceArcmin() {
    BodyArray<double> t;
    t[Body::Sun] = 1.1;
    t[Body::Moon] = 3.0;
    t[Body::Mercury] = 1.5;
    t[Body::Venus] = 1.5;
    t[Body::Mars] = 6.0;
    t[Body::Jupiter] = 11.0;
    t[Body::Saturn] = 12.0;
    t[Body::Uranus] = 3.0;
    t[Body::Neptune] = 2.0;
    t[Body::Pluto] = 1.5;
    t[Body::Ascendant] = 2.5;
    return t;
}

// The chart of a table row: its universal date and time as the local clock of
// zone 0 without daylight saving, at its place.
BirthData birthOf(const ReferenceRow& row) {
    BirthData b;
    b.name = "REFERENCE";
    b.birthYear = static_cast<std::int16_t>(row.year);
    b.birthMonth = static_cast<std::int16_t>(row.month);
    b.birthDay = static_cast<std::int16_t>(row.day);
    b.birthHour = static_cast<std::int16_t>(row.hour);
    b.birthMinute = static_cast<std::int16_t>(row.minute);
    b.latitudeDegrees = static_cast<std::int16_t>(row.latDeg);
    b.latitudeMinutes = static_cast<std::int16_t>(row.latMin);
    b.isSouth = toBool16(row.south);
    b.longitudeDegrees = static_cast<std::int16_t>(row.lonDeg);
    b.longitudeMinutes = static_cast<std::int16_t>(row.lonMin);
    b.isEast = toBool16(row.east);
    return b;
}

// Beyond the polar circles the built-in Ascendant keeps its formula's point,
// which can be the western one of the two where the ecliptic meets the
// horizon; the comparison holds for the rest of the world.
bool withinThePolarCircles(const ReferenceRow& row) {
    return std::fabs(row.latitudeDeg()) < 66.5;
}

TEST(ClassicReference, EveryBodyWithinTheStatedAccuracy) {
    const BodyArray<double> tolerance = classicToleranceArcmin();
    BodyArray<double> worst{};
    for (const ReferenceRow& row : referenceRows()) {
        const ChartResult chart = computeChart(birthOf(row), UtCorrection{}, Positions::Classic);
        for (Body body : kAllBodies) {
            if (body == Body::Ascendant && !withinThePolarCircles(row))
                continue;
            const double expected = row.longitudesDeg[body];
            const double actual = chart.longitudesDeg[body];
            const double errorArcmin = std::fabs(differenceArcsec(actual, expected)) / 60.0;
            worst[body] = std::max(worst[body], errorArcmin);
            EXPECT_LE(errorArcmin, tolerance[body])
                << bodyName(body) << " at " << row.text << " (line " << row.lineNumber
                << "): expected " << expected << ", actual " << actual;
        }
    }
    for (Body body : kAllBodies)
        std::printf("classic %-9s largest difference %.2f arcmin\n", bodyName(body).data(),
                    worst[body]);
}

} // namespace
} // namespace orbenza
