// Geocentric ecliptic longitudes of the Sun and of Mercury to Pluto from mean
// Keplerian elements that vary linearly with time.
//
// Source: the mean orbital elements of Standish (1992), "Keplerian Elements
// for Approximate Positions of the Major Planets", valid 1800-2050, J2000
// ecliptic and equinox, rates per Julian century. A two-body model without
// perturbations, light time or aberration: the Sun and the inner planets come
// out within a few arcminutes, Jupiter and Saturn within about a degree
// (their mutual perturbations are left out), Uranus to Pluto within a degree.
// The result is carried from the J2000 frame to the equinox of date by the
// general precession in longitude (IAU 2006, Capitaine et al. 2003).
#pragma once

#include "base/Body.h"

#include <array>

namespace orbenza {

// Body index of the element table.
enum BodyIndex : int {
    kMercury = 0,
    kVenus = 1,
    kSunEarth = 2,
    kMars = 3,
    kJupiter = 4,
    kSaturn = 5,
    kUranus = 6,
    kNeptune = 7,
    kPluto = 8,
};
inline constexpr int kElementBodyCount = 9;

// The element-table index of the Sun or a planet Mercury ... Pluto (the Sun's
// row holds the Earth's elements, from which the Sun is seen); -1 for the
// Moon, the Ascendant and every other point, which the table does not hold.
constexpr int elementIndexOf(Body body) {
    switch (body) {
    case Body::Sun:
        return kSunEarth;
    case Body::Mercury:
        return kMercury;
    case Body::Venus:
        return kVenus;
    case Body::Mars:
        return kMars;
    case Body::Jupiter:
        return kJupiter;
    case Body::Saturn:
        return kSaturn;
    case Body::Uranus:
        return kUranus;
    case Body::Neptune:
        return kNeptune;
    case Body::Pluto:
        return kPluto;
    default: // the Moon, the Ascendant and the other points
        break;
    }
    return -1;
}

// The six elements of one body at one moment.
struct OrbitalElementSet {
    double orbitAxis = 0;          // a, astronomical units
    double orbitEccentricity = 0;  // e
    double orbitInclination = 0;   // i, radians
    double orbitNode = 0;          // longitude of the ascending node, radians
    double orbitPerihelion = 0;    // longitude of perihelion, radians
    double orbitMeanLongitude = 0; // mean longitude, radians, 0 to below 2 pi
};

// Newton's method stops when a step is no larger than this (radians).
inline constexpr double KEPLER_TOLERANCE = 1e-12;

// orbitalElements: the elements of body 0..8 at d days from J2000.0; an
// index outside 0..8 gives all zeros.
OrbitalElementSet orbitalElements(int index, double d);

// The mean longitude alone of body 0..8 at d (radians, 0 to below 2 pi), the
// same value as orbitalElements gives; 0 for an index outside 0..8.
double meanLongitudeRadians(int index, double d);

// normalizeRadians: x brought into 0 to below 2 pi.
double normalizeRadians(double x);

// trueAnomaly: true anomaly (radians, 0 to below 2 pi) for mean anomaly M
// (radians) and eccentricity e, by Newton's method on Kepler's equation.
double trueAnomaly(double meanAnomaly, double eccentricity);

// The eccentric anomaly trueAnomaly solves Kepler's equation with.
double eccentricAnomaly(double meanAnomaly, double eccentricity);

// Accumulated general precession in longitude from J2000.0 to d days later,
// in degrees: (5028.796195 T + 1.1054348 T^2) arcseconds, T = d / 36525.
double generalPrecessionDeg(double d);

// planetLongitude: geocentric longitude of body 0..8 at d days from J2000.0,
// in degrees, ecliptic and equinox of date, 0 to 360.
double planetLongitude(int index, double d);

// planetLongitude of all nine bodies at once, the Earth's place worked out
// only once. The same values, bit for bit.
std::array<double, kElementBodyCount> planetLongitudesDeg(double d);

} // namespace orbenza
