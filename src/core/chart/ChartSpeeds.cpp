#include "chart/ChartSpeeds.h"

#include "moon/MoonPosition.h"
#include "positions/PlanetLongitudes.h"

#include <cmath>
#include <numbers>

namespace orbenza {

namespace {

struct Motion {
    double x = 0, y = 0;   // au, J2000 ecliptic
    double vx = 0, vy = 0; // au a day
};

// Place and velocity on the Kepler ellipse of a body's elements at d.
Motion keplerMotion(int index, double d) {
    const OrbitalElementSet el = orbitalElements(index, d);
    // The mean motion, radians a day: the elements are linear in time, so
    // one day's change of the mean longitude is its rate.
    const double n = normalizeRadians(meanLongitudeRadians(index, d + 1.0) - el.orbitMeanLongitude);
    const double e = el.orbitEccentricity;
    // Kepler's equation by Newton's method from the third-order start
    // (Meeus, Astronomical Algorithms, ch. 30): two steps leave about 1e-11
    // radians for e < 0.25, far below what a daily motion needs.
    const double meanAnomaly = el.orbitMeanLongitude - el.orbitPerihelion;
    double eAnomaly = meanAnomaly + e * std::sin(meanAnomaly) * (1.0 + e * std::cos(meanAnomaly));
    double sinE = 0, cosE = 0;
    for (int step = 0; step < 2; ++step) {
        sinE = std::sin(eAnomaly);
        cosE = std::cos(eAnomaly);
        eAnomaly -= (eAnomaly - e * sinE - meanAnomaly) / (1.0 - e * cosE);
    }
    cosE = std::cos(eAnomaly);
    sinE = std::sin(eAnomaly);
    const double rate = n / (1.0 - e * cosE);
    const double b = el.orbitAxis * std::sqrt(1.0 - e * e);
    // In the orbit's plane, x toward the perihelion.
    const double px = el.orbitAxis * (cosE - e);
    const double py = b * sinE;
    const double pvx = -el.orbitAxis * sinE * rate;
    const double pvy = b * cosE * rate;
    const double omega = el.orbitPerihelion - el.orbitNode; // argument of perihelion
    const double cosW = std::cos(omega), sinW = std::sin(omega);
    const double cosN = std::cos(el.orbitNode), sinN = std::sin(el.orbitNode);
    const double cosI = std::cos(el.orbitInclination);
    const double xx = cosN * cosW - sinN * sinW * cosI, xy = -cosN * sinW - sinN * cosW * cosI;
    const double yx = sinN * cosW + cosN * sinW * cosI, yy = -sinN * sinW + cosN * cosW * cosI;
    return {xx * px + xy * py, yx * px + yy * py, xx * pvx + xy * pvy, yx * pvx + yy * pvy};
}

} // namespace

BodyArray<double> classicSpeedsDegPerDay(double daysJ2000) {
    constexpr double kDegPerRad = 180.0 / std::numbers::pi;
    // d/dt of (5028.796195 T + 1.1054348 T^2) arcseconds, T in Julian centuries.
    const double t = daysJ2000 / 36525.0;
    const double precessionDegPerDay = (5028.796195 + 2.0 * 1.1054348 * t) / 3600.0 / 36525.0;
    const Motion earth = keplerMotion(kSunEarth, daysJ2000);
    BodyArray<double> speeds;
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
        const Body body = bodyAt(planet);
        if (body == Body::Moon)
            continue;
        Motion seen; // the Sun stands at the origin
        if (body != Body::Sun)
            seen = keplerMotion(elementIndexOf(body), daysJ2000);
        const double dx = seen.x - earth.x, dy = seen.y - earth.y;
        const double dvx = seen.vx - earth.vx, dvy = seen.vy - earth.vy;
        speeds[body] =
            (dx * dvy - dy * dvx) / (dx * dx + dy * dy) * kDegPerRad + precessionDegPerDay;
    }
    speeds[Body::Moon] = moonSpeedDegPerDay(daysJ2000 / 36525.0);
    return speeds;
}

} // namespace orbenza
