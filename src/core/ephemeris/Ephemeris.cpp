#include "ephemeris/Ephemeris.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace orbenza {

namespace {

constexpr double kRadPerDeg = std::numbers::pi / 180.0;

const ChebyshevSeries& seriesTable(SeriesId id) {
    return kChebyshevSeries[static_cast<std::size_t>(id)];
}

// 2^-level for the levels a segment can have (a table: std::ldexp costs more
// than the rest of the lookup).
constexpr auto kHalvings = [] {
    std::array<double, 32> halvings{};
    double h = 1.0;
    for (double& value : halvings) {
        value = h;
        h /= 2.0;
    }
    return halvings;
}();

double segmentDays(const ChebyshevSeries& series, std::size_t segment) {
    return series.blockDays * kHalvings[series.levels[segment] & 31u];
}

SeriesSegment makeSegment(const ChebyshevSeries& series, std::size_t segment, double start) {
    return {start, segmentDays(series, segment),
            series.coefficients + segment * series.coefficientCount};
}

// x taken into 0 to below 360 degrees (without fmod, which costs as much as
// a short series).
double reduceDeg(double x) {
    x -= 360.0 * std::floor(x * (1.0 / 360.0));
    // The rounding of a value just below 0 can give 360 itself.
    return x >= 360.0 ? 0.0 : x;
}

} // namespace

std::size_t segmentCount(SeriesId id) {
    const ChebyshevSeries& series = seriesTable(id);
    return series.blockStarts[series.blockCount];
}

SeriesSegment segmentAt(SeriesId id, std::size_t index) {
    const ChebyshevSeries& series = seriesTable(id);
    const std::uint32_t* next =
        std::upper_bound(series.blockStarts, series.blockStarts + series.blockCount + 1, index);
    const std::size_t block = static_cast<std::size_t>(next - series.blockStarts) - 1;
    double start = series.firstJulianDayUt + static_cast<double>(block) * series.blockDays;
    for (std::size_t s = series.blockStarts[block]; s < index; ++s)
        start += segmentDays(series, s);
    return makeSegment(series, index, start);
}

SeriesSegment segmentHolding(SeriesId id, double julianDayUt) {
    const ChebyshevSeries& series = seriesTable(id);
    const double position = (julianDayUt - series.firstJulianDayUt) / series.blockDays;
    const double lastBlock = static_cast<double>(series.blockCount - 1);
    const auto block = static_cast<std::size_t>(std::clamp(std::floor(position), 0.0, lastBlock));
    double start = series.firstJulianDayUt + static_cast<double>(block) * series.blockDays;
    // Most blocks are one segment; a halved one is walked in time order.
    const std::size_t last = series.blockStarts[block + 1] - 1;
    std::size_t segment = series.blockStarts[block];
    for (; segment < last; ++segment) {
        const double days = segmentDays(series, segment);
        if (julianDayUt < start + days)
            break;
        start += days;
    }
    return makeSegment(series, segment, start);
}

SeriesPoint evaluateSegment(SeriesId id, const SeriesSegment& segment, double julianDayUt) {
    // Clenshaw's recurrence for the sum of c_k T_k(x) and, differentiated,
    // for its derivative (Press et al., Numerical Recipes, 3rd ed., 5.8). The
    // terms are grouped so that each step waits for one multiplication and
    // one addition only.
    const std::size_t count = seriesTable(id).coefficientCount;
    const double scale = 2.0 / segment.days; // d x / d t
    const double x = (julianDayUt - segment.startJulianDayUt) * scale - 1.0;
    const double twoX = 2.0 * x;
    double b1 = 0, b2 = 0, d1 = 0, d2 = 0;
    for (std::size_t k = count - 1; k >= 1; --k) {
        const double b0 = (segment.coefficients[k] - b2) + twoX * b1;
        const double d0 = (2.0 * b1 - d2) + twoX * d1;
        b2 = b1;
        b1 = b0;
        d2 = d1;
        d1 = d0;
    }
    const double value = x * b1 - b2 + segment.coefficients[0];
    const double derivative = b1 + x * d1 - d2;
    return {value * kSeriesUnitDeg, derivative * kSeriesUnitDeg * scale};
}

SeriesPoint seriesAt(SeriesId id, double julianDayUt) {
    return evaluateSegment(id, segmentHolding(id, julianDayUt), julianDayUt);
}

std::optional<SeriesId> seriesOf(Body body) {
    if (body <= Body::Pluto)
        return static_cast<SeriesId>(indexOf(body));
    switch (body) {
    case Body::Chiron:
        return SeriesId::Chiron;
    case Body::TrueNode:
        return SeriesId::TrueNode;
    case Body::MeanNode:
        return SeriesId::MeanNode;
    case Body::Lilith:
        return SeriesId::Lilith;
    default:
        return std::nullopt;
    }
}

SeriesPoint apparentLongitude(SeriesId id, double julianDayUt) {
    const SeriesPoint mean = seriesAt(id, julianDayUt);
    const SeriesPoint nutation = seriesAt(SeriesId::Nutation, julianDayUt);
    return {reduceDeg(mean.valueDeg + nutation.valueDeg),
            mean.speedDegPerDay + nutation.speedDegPerDay};
}

namespace {

SiderealFrame siderealFrameWith(double julianDayUt, double nutationDeg) {
    // The linear part of the mean sidereal time, Meeus, Astronomical
    // Algorithms, eq. 12.4; the whole turns of 360 d are left out so that the
    // size of d costs no precision. The series carry the rest.
    const double d = julianDayUt - 2451545.0;
    const double linearDeg = 280.46061837 + 360.0 * (d - std::floor(d)) + 0.98564736629 * d;
    const double obliquityDeg = seriesAt(SeriesId::TrueObliquity, julianDayUt).valueDeg;
    const double correctionDeg = seriesAt(SeriesId::SiderealCorrection, julianDayUt).valueDeg;
    const double equinoxesDeg = nutationDeg * std::cos(obliquityDeg * kRadPerDeg);
    return {reduceDeg(linearDeg + correctionDeg + equinoxesDeg), obliquityDeg};
}

} // namespace

SiderealFrame siderealFrame(double julianDayUt) {
    return siderealFrameWith(julianDayUt, seriesAt(SeriesId::Nutation, julianDayUt).valueDeg);
}

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

namespace {

// Two series at one moment side by side: each recurrence waits on its own
// last step, so running two in step lets the processor overlap them. The
// shorter one is padded with zero coefficients at its top, which keeps its
// recurrence at exactly zero until its own coefficients begin: each gives the
// bits evaluateSegment gives.
std::pair<SeriesPoint, SeriesPoint> evaluatePair(SeriesId first, SeriesId second,
                                                 double julianDayUt) {
    const SeriesSegment a = segmentHolding(first, julianDayUt);
    const SeriesSegment b = segmentHolding(second, julianDayUt);
    const std::size_t sizeA = seriesTable(first).coefficientCount;
    const std::size_t sizeB = seriesTable(second).coefficientCount;
    const double scaleA = 2.0 / a.days, scaleB = 2.0 / b.days;
    const double xA = (julianDayUt - a.startJulianDayUt) * scaleA - 1.0;
    const double xB = (julianDayUt - b.startJulianDayUt) * scaleB - 1.0;
    const double twoXA = 2.0 * xA, twoXB = 2.0 * xB;
    double a1 = 0, a2 = 0, da1 = 0, da2 = 0, b1 = 0, b2 = 0, db1 = 0, db2 = 0;
    for (std::size_t k = std::max(sizeA, sizeB) - 1; k >= 1; --k) {
        const double cA = k < sizeA ? a.coefficients[k] : 0.0;
        const double cB = k < sizeB ? b.coefficients[k] : 0.0;
        const double a0 = (cA - a2) + twoXA * a1;
        const double da0 = (2.0 * a1 - da2) + twoXA * da1;
        const double b0 = (cB - b2) + twoXB * b1;
        const double db0 = (2.0 * b1 - db2) + twoXB * db1;
        a2 = a1;
        a1 = a0;
        da2 = da1;
        da1 = da0;
        b2 = b1;
        b1 = b0;
        db2 = db1;
        db1 = db0;
    }
    return {{(xA * a1 - a2 + a.coefficients[0]) * kSeriesUnitDeg,
             (a1 + xA * da1 - da2) * kSeriesUnitDeg * scaleA},
            {(xB * b1 - b2 + b.coefficients[0]) * kSeriesUnitDeg,
             (b1 + xB * db1 - db2) * kSeriesUnitDeg * scaleB}};
}

// The longitudes and speeds of the points with a series, nutation included,
// two series at a time; returns the nutation in longitude.
template <typename Points>
double placePoints(EphemerisPositions& result, double julianDayUt, const Points& points) {
    std::array<Body, kPointCount> bodies{};
    std::size_t count = 0;
    for (Body body : points)
        if (seriesOf(body))
            bodies[count++] = body;
    SeriesPoint nutation;
    std::size_t next = 0;
    const auto place = [&](Body body, const SeriesPoint& mean) {
        result.longitudesDeg[body] = reduceDeg(mean.valueDeg + nutation.valueDeg);
        result.speedsDegPerDay[body] = mean.speedDegPerDay + nutation.speedDegPerDay;
    };
    if (count % 2 == 1) {
        const auto [first, nutationPoint] =
            evaluatePair(*seriesOf(bodies[0]), SeriesId::Nutation, julianDayUt);
        nutation = nutationPoint;
        place(bodies[0], first);
        next = 1;
    } else {
        nutation = seriesAt(SeriesId::Nutation, julianDayUt);
    }
    for (; next < count; next += 2) {
        const auto [first, second] =
            evaluatePair(*seriesOf(bodies[next]), *seriesOf(bodies[next + 1]), julianDayUt);
        place(bodies[next], first);
        place(bodies[next + 1], second);
    }
    return nutation.valueDeg;
}

} // namespace

EphemerisPositions ephemerisPositions(double julianDayUt, double latitudeDeg,
                                      double longitudeEastDeg) {
    EphemerisPositions result;
    const double nutationDeg = placePoints(result, julianDayUt, kAllPoints);
    const SiderealFrame frame = siderealFrameWith(julianDayUt, nutationDeg);
    result.trueObliquityDeg = frame.trueObliquityDeg;
    result.localApparentSiderealDeg =
        reduceDeg(frame.greenwichApparentSiderealDeg + longitudeEastDeg);
    result.longitudesDeg[Body::Ascendant] = ascendantLongitudeDeg(
        result.localApparentSiderealDeg, result.trueObliquityDeg, latitudeDeg);
    return result;
}

EphemerisPositions ephemerisPoints(double julianDayUt, std::initializer_list<Body> points) {
    EphemerisPositions result;
    placePoints(result, julianDayUt, points);
    return result;
}

double julianDayOf(int year, int month, int day, double hours) {
    // Fliegel & Van Flandern (1968), Gregorian calendar, integer arithmetic.
    const long y = year, m = month, d = day;
    const long a = (m - 14) / 12;
    const long jdn = (1461 * (y + 4800 + a)) / 4 + (367 * (m - 2 - 12 * a)) / 12 -
                     (3 * ((y + 4900 + a) / 100)) / 4 + d - 32075;
    return static_cast<double>(jdn) - 0.5 + hours / 24.0;
}

} // namespace orbenza
