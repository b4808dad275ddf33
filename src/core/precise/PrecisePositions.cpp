#include "precise/PrecisePositions.h"

#include "precise/DeltaT.h"

#include <array>
#include <cmath>
#include <libnova/earth.h>
#include <libnova/jupiter.h>
#include <libnova/lunar.h>
#include <libnova/mars.h>
#include <libnova/mercury.h>
#include <libnova/neptune.h>
#include <libnova/nutation.h>
#include <libnova/pluto.h>
#include <libnova/saturn.h>
#include <libnova/sidereal_time.h>
#include <libnova/uranus.h>
#include <libnova/venus.h>
#include <mutex>
#include <numbers>

namespace orbenza {

namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;
constexpr double kJ2000 = 2451545.0;
constexpr double kSecondsPerDay = 86400.0;
// Speed of light in astronomical units per day (IAU 2012: au = 149597870700 m).
constexpr double kLightAuPerDay = 173.1446326846693;
// Light time of the Moon at its mean distance (384400 km): 1.2822 s. Its range
// (1.19-1.35 s) moves the Moon by under 0.06 arcseconds.
constexpr double kMoonLightTimeDays = 1.2822 / kSecondsPerDay;
// Terms of ELP 2000-82B smaller than this are left out (libnova's precision
// argument); at 1e-8 the Moon is as good as with the whole series at a
// fraction of its cost.
constexpr double kLunarPrecision = 1e-8;
// Step of the backward difference that gives the Earth's velocity, days.
constexpr double kVelocityStepDays = 0.01;

struct Vector {
    double x = 0, y = 0, z = 0;
};
Vector operator-(Vector a, Vector b) {
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vector operator+(Vector a, Vector b) {
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vector operator*(double k, Vector a) {
    return {k * a.x, k * a.y, k * a.z};
}
double length(Vector a) {
    return std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
}

Vector rectangular(const ln_helio_posn& p) {
    const double l = p.L * kRadPerDeg;
    const double b = p.B * kRadPerDeg;
    return {p.R * std::cos(b) * std::cos(l), p.R * std::cos(b) * std::sin(l), p.R * std::sin(b)};
}

using HelioFunction = void (*)(double, ln_helio_posn*);
// Mercury ... Pluto in chart order.
constexpr std::array<HelioFunction, 8> kPlanetFunctions{
    ln_get_mercury_helio_coords, ln_get_venus_helio_coords,  ln_get_mars_helio_coords,
    ln_get_jupiter_helio_coords, ln_get_saturn_helio_coords, ln_get_uranus_helio_coords,
    ln_get_neptune_helio_coords, ln_get_pluto_helio_coords};

// Heliocentric place, au, J2000 ecliptic, at a Julian Day in TT.
Vector helio(HelioFunction function, double julianDayTt) {
    ln_helio_posn p{};
    function(julianDayTt, &p);
    return rectangular(p);
}

double reduceDeg(double x) {
    x = std::fmod(x, 360.0);
    if (x < 0.0)
        x += 360.0;
    // fmod of a value just below 0 can round up to 360 itself.
    return x >= 360.0 ? 0.0 : x;
}

// Longitude in the ecliptic and mean equinox of date, degrees, of a vector in
// the J2000 ecliptic frame: the IAU 2006 ecliptic precession angles pi_A,
// Pi_A, p_A (Capitaine et al. 2003, IERS Conventions 2010 eq. 5.40) applied
// as in Meeus, Astronomical Algorithms, eq. 21.7.
double longitudeOfDateDeg(Vector v, double julianDayTt) {
    const double t = (julianDayTt - kJ2000) / 36525.0;
    const double lambda0 = std::atan2(v.y, v.x);
    const double beta0 = std::atan2(v.z, std::hypot(v.x, v.y));
    const double arcsec = kRadPerDeg / 3600.0;
    const double eta = t * (46.998973 + t * (-0.0334926 + t * -0.00012559)) * arcsec;
    const double bigPi =
        (629546.7936 + t * (-867.95758 + t * (0.157992 + t * -0.0005371))) * arcsec;
    const double p = t * (5028.796195 + t * (1.1054348 + t * 0.00007964)) * arcsec;
    const double a = std::cos(eta) * std::cos(beta0) * std::sin(bigPi - lambda0) -
                     std::sin(eta) * std::sin(beta0);
    const double b = std::cos(beta0) * std::cos(bigPi - lambda0);
    return (p + bigPi - std::atan2(a, b)) / kRadPerDeg;
}

std::mutex& libnovaMutex() {
    static std::mutex mutex;
    return mutex;
}

} // namespace

double ascendantLongitudeDeg(double localSiderealDeg, double obliquityDeg, double latitudeDeg) {
    const double theta = localSiderealDeg * kRadPerDeg;
    const double eps = obliquityDeg * kRadPerDeg;
    const double phi = latitudeDeg * kRadPerDeg;
    const double y = std::cos(theta);
    const double x = -(std::sin(theta) * std::cos(eps) + std::tan(phi) * std::sin(eps));
    double lambda = std::atan2(y, x);
    // Outside the polar circles this point always stands on the eastern
    // horizon. Within them the ecliptic can meet the eastern horizon in its
    // setting half; the Ascendant is then the opposite point of the two
    // (the one in the east), as astrological programs take it.
    const double rightAscension = std::atan2(std::sin(lambda) * std::cos(eps), std::cos(lambda));
    if (std::sin(theta - rightAscension) > 0.0) // hour angle 0..180: the western half
        lambda += std::numbers::pi;
    return reduceDeg(lambda / kRadPerDeg);
}

double julianDayOf(int year, int month, int day, double hours) {
    // Fliegel & Van Flandern (1968), Gregorian calendar, integer arithmetic.
    const long y = year, m = month, d = day;
    const long a = (m - 14) / 12;
    const long jdn = (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
                     (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
    return static_cast<double>(jdn) - 0.5 + hours / 24.0;
}

PrecisePositionsResult precisePositions(double julianDayUt, double latitudeDeg,
                                        double longitudeEastDeg) {
    return precisePositionsWithDeltaT(julianDayUt,
                                      deltaTSeconds(decimalYearOfJulianDay(julianDayUt)),
                                      latitudeDeg, longitudeEastDeg);
}

PrecisePositionsResult precisePositionsWithDeltaT(double julianDayUt, double deltaTSecondsGiven,
                                                  double latitudeDeg, double longitudeEastDeg) {
    PrecisePositionsResult result;
    result.deltaTSeconds = deltaTSecondsGiven;
    const double tt = julianDayUt + deltaTSecondsGiven / kSecondsPerDay;
    result.julianDayTt = tt;

    std::lock_guard lock(libnovaMutex());

    // The Earth and its velocity (au per day), J2000 ecliptic, heliocentric:
    // the Sun's own motion about the barycentre changes the aberration by
    // under 0.01 arcseconds.
    ln_helio_posn earthPosition{};
    ln_get_earth_helio_coords(tt, &earthPosition);
    const Vector earth = rectangular(earthPosition);
    ln_get_earth_helio_coords(tt - kVelocityStepDays, &earthPosition);
    const Vector earthVelocity = (1.0 / kVelocityStepDays) * (earth - rectangular(earthPosition));

    ln_nutation nutation{};
    ln_get_nutation(tt, &nutation); // degrees: longitude = dpsi, obliquity = deps, ecliptic = mean
    const double dpsiDeg = nutation.longitude;
    result.trueObliquityDeg = nutation.ecliptic + nutation.obliquity;

    // Annual aberration to first order: the direction moves by the Earth's
    // velocity over the speed of light.
    const auto aberrated = [&](Vector geocentric) {
        return geocentric + (length(geocentric) / kLightAuPerDay) * earthVelocity;
    };
    const auto apparentDeg = [&](Vector geocentric) {
        return reduceDeg(longitudeOfDateDeg(geocentric, tt) + dpsiDeg);
    };

    // The Sun: it stands at the heliocentric origin, so light time leaves it
    // where it is and only the aberration moves it.
    result.longitudesDeg[Body::Sun] = apparentDeg(aberrated(-1.0 * earth));

    // Mercury ... Pluto: the body where it was when the light left it.
    for (std::size_t k = 0; k < kPlanetFunctions.size(); ++k) {
        const HelioFunction function = kPlanetFunctions[k];
        const Vector now = helio(function, tt) - earth;
        const double lightTimeDays = length(now) / kLightAuPerDay;
        const Vector seen = helio(function, tt - lightTimeDays) - earth;
        result.longitudesDeg[bodyAt(indexOf(Body::Mercury) + k)] = apparentDeg(aberrated(seen));
    }

    // The Moon: geocentric, moving with the Earth, so the annual aberration
    // and the Earth's share of the light-time shift cancel; its own motion
    // during the light time remains.
    ln_rect_posn moon{};
    ln_get_lunar_geo_posn(tt - kMoonLightTimeDays, &moon, kLunarPrecision);
    result.longitudesDeg[Body::Moon] = apparentDeg({moon.X, moon.Y, moon.Z});

    // The Ascendant: the apparent sidereal time (mean sidereal time of UT,
    // IAU 1982, plus the equation of the equinoxes) and the true obliquity.
    const double meanSiderealDeg = ln_get_mean_sidereal_time(julianDayUt) * 15.0;
    const double equationOfEquinoxesDeg = dpsiDeg * std::cos(result.trueObliquityDeg * kRadPerDeg);
    result.localApparentSiderealDeg =
        reduceDeg(meanSiderealDeg + equationOfEquinoxesDeg + longitudeEastDeg);
    result.longitudesDeg[Body::Ascendant] = ascendantLongitudeDeg(
        result.localApparentSiderealDeg, result.trueObliquityDeg, latitudeDeg);
    return result;
}

} // namespace orbenza
