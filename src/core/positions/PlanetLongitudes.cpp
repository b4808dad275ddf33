#include "positions/PlanetLongitudes.h"

#include "moon/TimeBase.h"

#include <cmath>
#include <cstdint>

namespace orbenza {

namespace {

// One element: base + rate * T. Angles: base in degrees, rate in arcseconds
// per century. Axis in au and au per century; eccentricity plain.
struct ElementRow {
    double axis, axisRate;
    double eccentricity, eccentricityRate;
    double inclinationDeg, inclinationRateArcsec;
    double nodeDeg, nodeRateArcsec;
    double perihelionDeg, perihelionRateArcsec;
    double meanLongitudeDeg, meanLongitudeRateArcsec;
};

// Standish (1992) table, J2000 ecliptic; row 2 is the Earth's orbit.
constexpr std::array<ElementRow, kElementBodyCount> kElements{{
    {0.38709893, 0.00000066, 0.20563069, 0.00002527, 7.00487, -23.51, 48.33167, -446.30, 77.45645,
     573.57, 252.25084, 538101628.29},
    {0.72333199, 0.00000092, 0.00677323, -0.00004938, 3.39471, -2.86, 76.68069, -996.89, 131.53298,
     -108.80, 181.97973, 210664136.06},
    {1.00000011, -0.00000005, 0.01671022, -0.00003804, 0.00005, -46.94, -11.26064, -18228.25,
     102.94719, 1198.28, 100.46435, 129597740.63},
    {1.52366231, -0.00007221, 0.09341233, 0.00011902, 1.85061, -25.47, 49.57854, -1020.19,
     336.04084, 1560.78, 355.45332, 68905103.78},
    {5.20336301, 0.00060737, 0.04839266, -0.00012880, 1.30530, -4.15, 100.55615, 1217.17, 14.75385,
     839.93, 34.40438, 10925078.35},
    {9.53707032, -0.00301530, 0.05415060, -0.00036762, 2.48446, 6.11, 113.71504, -1591.05, 92.43194,
     -1948.89, 49.94432, 4401052.95},
    {19.19126393, 0.00152025, 0.04716771, -0.00019150, 0.76986, -2.09, 74.22988, -1681.40,
     170.96424, 1312.56, 313.23218, 1542547.79},
    {30.06896348, -0.00125196, 0.00858587, 0.00002510, 1.76917, -3.64, 131.72169, -151.25, 44.97135,
     -844.43, 304.88003, 786449.21},
    {39.48168677, -0.00076912, 0.24880766, 0.00006465, 17.14175, 11.07, 110.30347, -37.33,
     224.06676, -132.25, 238.92881, 522747.90},
}};

double angleRadians(double baseDeg, double rateArcsec, double t) {
    return (baseDeg + (t * rateArcsec) / 3600.0) * kDegreesToRadians;
}

} // namespace

double meanLongitudeRadians(int index, double d) {
    if (index < 0 || index >= kElementBodyCount)
        return 0.0;
    const ElementRow& row = kElements[static_cast<std::size_t>(index)];
    return normalizeRadians(
        angleRadians(row.meanLongitudeDeg, row.meanLongitudeRateArcsec, d / 36525.0));
}

OrbitalElementSet orbitalElements(int index, double d) {
    OrbitalElementSet set;
    if (index < 0 || index >= kElementBodyCount)
        return set;
    const ElementRow& row = kElements[static_cast<std::size_t>(index)];
    const double t = d / 36525.0;
    set.orbitAxis = row.axis + row.axisRate * t;
    set.orbitEccentricity = row.eccentricity + row.eccentricityRate * t;
    set.orbitInclination = angleRadians(row.inclinationDeg, row.inclinationRateArcsec, t);
    set.orbitNode = angleRadians(row.nodeDeg, row.nodeRateArcsec, t);
    set.orbitPerihelion = angleRadians(row.perihelionDeg, row.perihelionRateArcsec, t);
    set.orbitMeanLongitude = meanLongitudeRadians(index, d);
    return set;
}

double normalizeRadians(double x) {
    const double q = x / kTwoPi;
    // The whole part toward zero, as floor(q) for q >= 0 and floor(q) + 1
    // below (so a whole negative q gives q + 1), by a conversion to an
    // integer rather than a call of floor.
    double w = 0.0;
    if (std::fabs(q) < 4503599627370496.0) { // 2^52: every such q converts exactly
        w = static_cast<double>(static_cast<std::int64_t>(q));
        if (q < 0.0 && w == q)
            w += 1.0;
    } else {
        w = (q >= 0.0) ? floorWhole(q) : floorWhole(q) + 1.0;
    }
    double r = (q - w) * kTwoPi;
    if (r < 0.0)
        r += kTwoPi;
    return r;
}

double eccentricAnomaly(double meanAnomaly, double e) {
    const double m = meanAnomaly;
    double eAnomaly = m + e * std::sin(m) * (1.0 + e * std::cos(m));
    // Converges in a handful of steps for e < 0.25; the cap only guards
    // against a value that never settles in the last bit.
    for (int step = 0; step < 50; ++step) {
        const double previous = eAnomaly;
        eAnomaly =
            previous - (previous - e * std::sin(previous) - m) / (1.0 - e * std::cos(previous));
        if (std::fabs(previous - eAnomaly) <= KEPLER_TOLERANCE)
            break;
    }
    return eAnomaly;
}

double trueAnomaly(double meanAnomaly, double e) {
    const double eAnomaly = eccentricAnomaly(meanAnomaly, e);
    double v = 2.0 * std::atan(std::sqrt((1.0 + e) / (1.0 - e)) * std::tan(eAnomaly * 0.5));
    if (v < 0.0)
        v += kTwoPi;
    return v;
}

double generalPrecessionDeg(double d) {
    const double t = d / 36525.0;
    return (5028.796195 * t + 1.1054348 * t * t) / 3600.0;
}

namespace {

struct EclipticXY {
    double x = 0, y = 0; // au, J2000 ecliptic
};

// Heliocentric place of a body on its Kepler ellipse.
EclipticXY heliocentricPlace(const OrbitalElementSet& body) {
    const double mean = normalizeRadians(body.orbitMeanLongitude - body.orbitPerihelion);
    const double v = trueAnomaly(mean, body.orbitEccentricity);
    const double radius = body.orbitAxis * (1.0 - body.orbitEccentricity * body.orbitEccentricity) /
                          (1.0 + body.orbitEccentricity * std::cos(v));
    const double u = v + body.orbitPerihelion - body.orbitNode; // argument of latitude
    const double cosNode = std::cos(body.orbitNode);
    const double sinNode = std::sin(body.orbitNode);
    const double cosIncl = std::cos(body.orbitInclination);
    return {radius * (cosNode * std::cos(u) - std::sin(u) * sinNode * cosIncl),
            radius * (sinNode * std::cos(u) + std::sin(u) * cosNode * cosIncl)};
}

// The Earth in the plane of its own orbit (inclination taken as zero).
EclipticXY earthPlace(double d) {
    const OrbitalElementSet earth = orbitalElements(kSunEarth, d);
    const double mean = normalizeRadians(earth.orbitMeanLongitude - earth.orbitPerihelion);
    const double v = trueAnomaly(mean, earth.orbitEccentricity);
    const double radius = earth.orbitAxis *
                          (1.0 - earth.orbitEccentricity * earth.orbitEccentricity) /
                          (1.0 + earth.orbitEccentricity * std::cos(v));
    return {radius * std::cos(v + earth.orbitPerihelion),
            radius * std::sin(v + earth.orbitPerihelion)};
}

double geocentricLongitudeDeg(int index, double d, EclipticXY earth, double precessionDeg) {
    EclipticXY body; // the Sun stands at the origin
    if (index != kSunEarth)
        body = heliocentricPlace(orbitalElements(index, d));
    // J2000 ecliptic longitude, then carried to the equinox of date.
    double lambda =
        atan2Radians(body.y - earth.y, body.x - earth.x) * (180.0 / kPi) + precessionDeg;
    while (lambda > 360.0)
        lambda -= 360.0;
    while (lambda < 0.0)
        lambda += 360.0;
    return lambda;
}

} // namespace

double planetLongitude(int index, double d) {
    return geocentricLongitudeDeg(index, d, earthPlace(d), generalPrecessionDeg(d));
}

std::array<double, kElementBodyCount> planetLongitudesDeg(double d) {
    const EclipticXY earth = earthPlace(d);
    const double precession = generalPrecessionDeg(d);
    std::array<double, kElementBodyCount> longitudes{};
    for (int index = 0; index < kElementBodyCount; ++index)
        longitudes[static_cast<std::size_t>(index)] =
            geocentricLongitudeDeg(index, d, earth, precession);
    return longitudes;
}

} // namespace orbenza
