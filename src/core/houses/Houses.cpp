#include "houses/Houses.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace orbenza {

namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;

double reduceDeg(double x) {
    x = std::fmod(x, 360.0);
    if (x < 0.0)
        x += 360.0;
    return x >= 360.0 ? 0.0 : x;
}

double sinDeg(double x) {
    return std::sin(x * kRadPerDeg);
}
double cosDeg(double x) {
    return std::cos(x * kRadPerDeg);
}
double tanDeg(double x) {
    return std::tan(x * kRadPerDeg);
}
double atan2Deg(double y, double x) {
    return reduceDeg(std::atan2(y, x) / kRadPerDeg);
}

// Right ascension (degrees) of the ecliptic point at a longitude.
double rightAscensionOf(double longitudeDeg, double cosEps) {
    return atan2Deg(sinDeg(longitudeDeg) * cosEps, cosDeg(longitudeDeg));
}

// Where the ecliptic meets a great circle through the north and south points
// of the horizon that crosses the equator at right ascension xDeg and whose
// pole stands tanPole (tangent of the pole height) above the equator: the
// longitude lambda with tan lambda = sin x / (cos x cos eps - tanPole sin eps).
// With x = RAMC + 90 and the latitude as pole height it is the Ascendant; with
// a pole height of 0 it is the point of the ecliptic whose right ascension is x.
// (The position-circle formula of Regiomontanus-type systems; see Holden, The
// Elements of House Division, 1977, and the Swiss Ephemeris documentation, 6.2.)
struct Circles {
    double sinEps, cosEps, tanPhi;
    double cusp(double xDeg, double tanPole) const {
        return atan2Deg(sinDeg(xDeg), cosDeg(xDeg) * cosEps - tanPole * sinEps);
    }
};

// Where the ecliptic meets the horizon whose pole has tangent tanPole, for a
// meridian at ramcDeg: the eastern one of the two points (hour angle 180 to
// 360 degrees).
double risingPoint(double ramcDeg, double tanPole, const Circles& c) {
    double lambda = c.cusp(ramcDeg + 90.0, tanPole);
    // Outside the polar circles the formula's point on the horizon is already
    // the eastern one; within them it can be the western. Its hour angle
    // decides.
    const double hourAngle = ramcDeg - rightAscensionOf(lambda, c.cosEps);
    if (sinDeg(hourAngle) > 0.0)
        lambda = reduceDeg(lambda + 180.0);
    return lambda;
}

// A latitude of exactly 0 makes the Vertex's pole infinite; a hair off the
// equator gives the same point.
double safeLatitudeDeg(double latitudeDeg) {
    constexpr double kTiny = 1e-9;
    if (std::fabs(latitudeDeg) < kTiny)
        return latitudeDeg < 0.0 ? -kTiny : kTiny;
    return latitudeDeg;
}

// House 1 and house 10 from the angles; 2, 3, 11 and 12 as given.
std::array<double, 12> quadrantCusps(const ChartAngles& a, double c2, double c3, double c11,
                                     double c12) {
    std::array<double, 12> cusps{};
    cusps[0] = a.ascDeg;
    cusps[1] = c2;
    cusps[2] = c3;
    cusps[3] = a.icDeg;
    cusps[9] = a.mcDeg;
    cusps[10] = c11;
    cusps[11] = c12;
    cusps[4] = reduceDeg(c11 + 180.0);
    cusps[5] = reduceDeg(c12 + 180.0);
    cusps[6] = a.dscDeg;
    cusps[7] = reduceDeg(c2 + 180.0);
    cusps[8] = reduceDeg(c3 + 180.0);
    return cusps;
}

// Porphyry: each quadrant between the angles divided in three equal parts of
// ecliptic longitude.
std::array<double, 12> porphyry(const ChartAngles& a) {
    const double upper = reduceDeg(a.ascDeg - a.mcDeg) / 3.0; // MC to Asc
    const double lower = reduceDeg(a.icDeg - a.ascDeg) / 3.0; // Asc to IC
    return quadrantCusps(a, reduceDeg(a.ascDeg + lower), reduceDeg(a.ascDeg + 2.0 * lower),
                         reduceDeg(a.mcDeg + upper), reduceDeg(a.mcDeg + 2.0 * upper));
}

// Thirty degrees a house from a starting longitude, house `first` there.
std::array<double, 12> equalFrom(double startDeg, std::size_t first) {
    std::array<double, 12> cusps{};
    for (std::size_t k = 0; k < 12; ++k)
        cusps[(first + k) % 12] = reduceDeg(startDeg + 30.0 * static_cast<double>(k));
    return cusps;
}

// Placidus: the cusp of house 11 is the ecliptic point a third of its own
// semi-diurnal arc east of the meridian, house 12 two thirds; houses 2 and 3
// lie two thirds and one third of the semi-nocturnal arc before the lower
// meridian (Swiss Ephemeris documentation, 6.2.1). The ecliptic point at right
// ascension alpha has tan(dec) = tan(eps) sin(alpha), so the semi-diurnal arc
// is acos(-tan(phi) tan(eps) sin(alpha)); alpha = RAMC + offset + f * arc is
// solved by fixed-point iteration to 1e-8 degrees (0.00004").
bool placidusCusp(double ramcDeg, double offsetDeg, double fraction, const Circles& c,
                  double& cuspDeg) {
    const double k = -c.tanPhi * c.sinEps / c.cosEps;
    double alpha = ramcDeg + offsetDeg + fraction * 90.0;
    for (int step = 0; step < 100; ++step) {
        const double r = k * sinDeg(alpha);
        if (std::fabs(r) > 1.0)
            return false;
        const double next = ramcDeg + offsetDeg + fraction * std::acos(r) / kRadPerDeg;
        const bool done = std::fabs(next - alpha) < 1e-8;
        alpha = next;
        if (done) {
            cuspDeg = c.cusp(alpha, 0.0);
            return true;
        }
    }
    return false;
}

bool placidus(double ramc, const Circles& c, const ChartAngles& a, std::array<double, 12>& out) {
    double c2 = 0, c3 = 0, c11 = 0, c12 = 0;
    if (!placidusCusp(ramc, 0.0, 1.0 / 3.0, c, c11) ||
        !placidusCusp(ramc, 0.0, 2.0 / 3.0, c, c12) ||
        !placidusCusp(ramc, 60.0, 2.0 / 3.0, c, c2) || !placidusCusp(ramc, 120.0, 1.0 / 3.0, c, c3))
        return false;
    out = quadrantCusps(a, c2, c3, c11, c12);
    return true;
}

// Koch (the birth-place system): the time the Midheaven's degree takes from
// rising to culminating, its semi-diurnal arc 90 + AD, is cut in three; the
// cusps are the Ascendants at those times (Swiss Ephemeris documentation,
// 6.2.2). AD = asin(tan(phi) tan(dec MC)).
std::array<double, 12> koch(double ramc, const Circles& c, const ChartAngles& a) {
    const double tanDecMc = c.sinEps / c.cosEps * sinDeg(ramc);
    const double ad3 = std::asin(std::clamp(c.tanPhi * tanDecMc, -1.0, 1.0)) / kRadPerDeg / 3.0;
    return quadrantCusps(
        a, c.cusp(ramc + 120.0 + ad3, c.tanPhi), c.cusp(ramc + 150.0 + 2.0 * ad3, c.tanPhi),
        c.cusp(ramc + 30.0 - 2.0 * ad3, c.tanPhi), c.cusp(ramc + 60.0 - ad3, c.tanPhi));
}

// Regiomontanus: the equator cut in twelve from the meridian; a house circle
// through the north and south points and the division at 30 or 60 degrees
// from the meridian has tan(pole) = tan(phi) sin(30 or 60) (Holden 1977).
// Polich-Page (topocentric, 1961): the same divisions with tan(pole) =
// tan(phi) / 3 and 2 tan(phi) / 3.
std::array<double, 12> byPoles(double ramc, const Circles& c, const ChartAngles& a, double near,
                               double far) {
    return quadrantCusps(a, c.cusp(ramc + 120.0, far), c.cusp(ramc + 150.0, near),
                         c.cusp(ramc + 30.0, near), c.cusp(ramc + 60.0, far));
}

// Campanus: the prime vertical cut in twelve. The house circle at 60 (or 30)
// degrees from the horizon has a pole of sin(pole) = sin(phi) / 2 (or
// sin(phi) sqrt(3) / 2) and crosses the equator atan(sqrt(3) / cos(phi)) (or
// atan(1 / (sqrt(3) cos(phi)))) from the east point (Holden 1977).
std::array<double, 12> campanus(double ramc, double latitudeDeg, const Circles& c,
                                const ChartAngles& a) {
    const double sinPhi = sinDeg(latitudeDeg);
    const double cosPhi = cosDeg(latitudeDeg);
    const double sqrt3 = std::numbers::sqrt3;
    const double pole1 = std::tan(std::asin(sinPhi / 2.0));
    const double pole2 = std::tan(std::asin(sinPhi * sqrt3 / 2.0));
    const double x1 = std::atan2(sqrt3, cosPhi) / kRadPerDeg;
    const double x2 = std::atan2(1.0 / sqrt3, cosPhi) / kRadPerDeg;
    return quadrantCusps(a, c.cusp(ramc + 90.0 + x2, pole2), c.cusp(ramc + 90.0 + x1, pole1),
                         c.cusp(ramc + 90.0 - x1, pole1), c.cusp(ramc + 90.0 - x2, pole2));
}

// Alcabitius: the Ascendant's semi-diurnal and semi-nocturnal arcs, measured
// on the equator, cut in three; hour circles through the divisions (Swiss
// Ephemeris documentation, 6.2.11).
bool alcabitius(double ramc, const Circles& c, const ChartAngles& a, std::array<double, 12>& out) {
    const double sinDec = sinDeg(a.ascDeg) * c.sinEps;
    const double tanDec = sinDec / std::sqrt(1.0 - sinDec * sinDec);
    const double r = -c.tanPhi * tanDec;
    if (std::fabs(r) > 1.0)
        return false;
    const double day3 = std::acos(r) / kRadPerDeg / 3.0;
    const double night3 = (180.0 - 3.0 * day3) / 3.0;
    out = quadrantCusps(a, c.cusp(ramc + 180.0 - 2.0 * night3, 0.0),
                        c.cusp(ramc + 180.0 - night3, 0.0), c.cusp(ramc + day3, 0.0),
                        c.cusp(ramc + 2.0 * day3, 0.0));
    return true;
}

// Meridian (axial rotation): the equator cut in twelve from the meridian, each
// division carried to the ecliptic along its hour circle. Morinus: the same
// divisions carried along circles of ecliptic longitude, tan(lambda) =
// tan(a) cos(eps) (Swiss Ephemeris documentation, 6.2.7 and 6.2.8).
std::array<double, 12> axial(double ramc, const Circles& c, bool morinus) {
    std::array<double, 12> cusps{};
    for (std::size_t k = 0; k < 12; ++k) {
        const double a = ramc + 30.0 * static_cast<double>(k + 3); // house 1 at RAMC + 90
        cusps[k] = morinus ? atan2Deg(sinDeg(a) * c.cosEps, cosDeg(a)) : c.cusp(a, 0.0);
    }
    return cusps;
}

// Beyond the polar circles the Midheaven can stand below the horizon. The
// systems built on circles through the north and south points (Regiomontanus,
// Campanus, Polich-Page) then take, by their own geometry, the upper meridian
// for the fourth cusp and run clockwise (Swiss Ephemeris documentation, 6.4):
// every cusp but the Ascendant and the Descendant is the opposite point.
bool upsideDown(HouseSystem system, const HouseFrame& frame, const Circles& c,
                const ChartAngles& a) {
    if (system != HouseSystem::Regiomontanus && system != HouseSystem::Campanus &&
        system != HouseSystem::Topocentric)
        return false;
    if (std::fabs(frame.latitudeDeg) < 90.0 - frame.obliquityDeg)
        return false;
    // On the upper meridian the altitude is 90 - |latitude - declination|.
    const double declinationDeg = std::asin(sinDeg(a.mcDeg) * c.sinEps) / kRadPerDeg;
    return std::fabs(frame.latitudeDeg - declinationDeg) > 90.0;
}

void turnOver(std::array<double, 12>& cusps) {
    for (std::size_t k = 1; k < 12; ++k)
        if (k != 6)
            cusps[k] = reduceDeg(cusps[k] + 180.0);
}

Circles circlesOf(const HouseFrame& frame) {
    return {sinDeg(frame.obliquityDeg), cosDeg(frame.obliquityDeg),
            tanDeg(safeLatitudeDeg(frame.latitudeDeg))};
}

ChartAngles anglesOf(const HouseFrame& frame, const Circles& c) {
    ChartAngles a;
    const double ramc = frame.ramcDeg;
    a.ascDeg = risingPoint(ramc, c.tanPhi, c);
    a.mcDeg = c.cusp(ramc, 0.0);
    a.dscDeg = reduceDeg(a.ascDeg + 180.0);
    a.icDeg = reduceDeg(a.mcDeg + 180.0);
    // The prime vertical is the horizon of a place whose zenith is the north
    // (or south) point of the birth place's horizon, on the lower meridian:
    // its pole has tan = 1 / tan(phi), and the point rising on it as seen from
    // there is the western one as seen from here.
    a.vertexDeg = risingPoint(ramc + 180.0, 1.0 / c.tanPhi, c);
    return a;
}

} // namespace

ChartAngles chartAngles(const HouseFrame& frame) {
    return anglesOf(frame, circlesOf(frame));
}

HouseCusps houseCusps(HouseSystem system, const HouseFrame& frame) {
    const Circles c = circlesOf(frame);
    const double ramc = frame.ramcDeg;
    HouseCusps result;
    result.system = system;
    result.angles = anglesOf(frame, c);
    const ChartAngles& a = result.angles;
    const bool polar = std::fabs(frame.latitudeDeg) >= 90.0 - frame.obliquityDeg;
    bool solved = true;
    switch (system) {
    case HouseSystem::Placidus:
        solved = !polar && placidus(ramc, c, a, result.cuspsDeg);
        break;
    case HouseSystem::Koch:
        solved = !polar;
        if (solved)
            result.cuspsDeg = koch(ramc, c, a);
        break;
    case HouseSystem::Porphyry:
        result.cuspsDeg = porphyry(a);
        break;
    case HouseSystem::Regiomontanus:
        result.cuspsDeg = byPoles(ramc, c, a, c.tanPhi * 0.5, c.tanPhi * std::numbers::sqrt3 / 2.0);
        break;
    case HouseSystem::Campanus:
        result.cuspsDeg = campanus(ramc, frame.latitudeDeg, c, a);
        break;
    case HouseSystem::Alcabitius:
        solved = alcabitius(ramc, c, a, result.cuspsDeg);
        break;
    case HouseSystem::Topocentric:
        result.cuspsDeg = byPoles(ramc, c, a, c.tanPhi / 3.0, c.tanPhi * 2.0 / 3.0);
        break;
    case HouseSystem::Morinus:
    case HouseSystem::Meridian:
        result.cuspsDeg = axial(ramc, c, system == HouseSystem::Morinus);
        break;
    case HouseSystem::WholeSign:
        result.cuspsDeg = equalFrom(30.0 * std::floor(a.ascDeg / 30.0), 0);
        break;
    case HouseSystem::EqualAsc:
        result.cuspsDeg = equalFrom(a.ascDeg, 0);
        break;
    case HouseSystem::EqualMc:
        result.cuspsDeg = equalFrom(a.mcDeg, 9);
        break;
    case HouseSystem::Equal:
        result.cuspsDeg = equalFrom(std::floor(a.ascDeg), 0);
        break;
    }
    if (upsideDown(system, frame, c, a))
        turnOver(result.cuspsDeg);
    if (!solved) {
        result.system = HouseSystem::Porphyry;
        result.note = polar ? HouseNote::PolarCircle : HouseNote::NoSolution;
        result.cuspsDeg = porphyry(a);
    }
    return result;
}

int houseOf(const std::array<double, 12>& cuspsDeg, double longitudeDeg) {
    // Houses normally run forward along the zodiac; beyond the polar circles
    // some systems run them backward (see upsideDown), and house k then runs
    // from cusp k back to cusp k + 1. The widths in the true direction add up
    // to one turn.
    double forwardTurn = 0;
    for (std::size_t k = 0; k < 12; ++k)
        forwardTurn += reduceDeg(cuspsDeg[(k + 1) % 12] - cuspsDeg[k]);
    const double direction = std::fabs(forwardTurn - 360.0) < 1e-6 ? 1.0 : -1.0;
    for (std::size_t k = 0; k < 12; ++k) {
        const double arc = reduceDeg(direction * (longitudeDeg - cuspsDeg[k]));
        const double width = reduceDeg(direction * (cuspsDeg[(k + 1) % 12] - cuspsDeg[k]));
        if (arc < width)
            return static_cast<int>(k) + 1;
    }
    return 1; // not reached: the houses cover the circle in one direction or the other
}

AngleSpeeds angleSpeeds(const HouseFrame& frame) {
    // Both angles are atan2(y, x) of the sidereal angle theta; their rate is
    // (x dy - y dx) / (x^2 + y^2) times the sidereal rate. The Ascendant:
    // y = cos theta, x = -(sin theta cos eps + tan phi sin eps). The
    // Midheaven: y = sin theta, x = cos theta cos eps.
    const Circles c = circlesOf(frame);
    const double sinT = sinDeg(frame.ramcDeg);
    const double cosT = cosDeg(frame.ramcDeg);
    const double ascX = -(sinT * c.cosEps + c.tanPhi * c.sinEps);
    const double ascY = cosT;
    const double ascRate = (ascX * -sinT - ascY * -cosT * c.cosEps) / (ascX * ascX + ascY * ascY);
    const double mcX = cosT * c.cosEps;
    const double mcRate = c.cosEps / (mcX * mcX + sinT * sinT);
    return {ascRate * kSiderealDegPerDay, mcRate * kSiderealDegPerDay};
}

} // namespace orbenza
