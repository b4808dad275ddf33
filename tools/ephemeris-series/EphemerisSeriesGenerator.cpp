// Writes the compiled-in Chebyshev series from which Orbenza computes its
// precise positions.
//
// For every series the span from 1900-12-30 to 2051-01-03 (universal time) is
// cut into segments of equal length, and in each segment the quantity is
// interpolated by a Chebyshev polynomial at the Chebyshev points of the first
// kind x_k = cos(pi (k + 1/2) / (n + 1)), k = 0..n, whose coefficients follow
// from the values by the discrete cosine transform (Press et al., Numerical
// Recipes, 3rd ed., 5.8). Interpolation at these points is within a small
// factor of the best polynomial of its degree, and no point lies on a
// segment's end, so a source that steps at a known moment is fitted on each
// side of the step by a segment that ends there.
//
// The quantities, all from the Swiss Ephemeris with its compressed JPL files
// (DE431) and its own Delta T, as functions of universal time:
//   - the apparent geocentric ecliptic longitude of date (true equinox and
//     ecliptic of date; light time, aberration, light deflection and nutation)
//     of the Sun, the Moon, Mercury to Pluto and Chiron, of the true and the
//     mean lunar node and of the mean lunar apogee (swe_calc_ut);
//   - the Greenwich apparent sidereal time less its linear part
//     280.46061837 + 360.98564736629 (JD_UT - 2451545) degrees (Meeus,
//     Astronomical Algorithms, eq. 12.4 without its T^2 and T^3 terms)
//     (swe_sidtime);
//   - the true obliquity of the ecliptic (swe_calc_ut, SE_ECL_NUT).
// A longitude is unwrapped across the points of a segment before the fit and
// the series' constant term is taken into -180..180 degrees.
//
// Coefficients are written as whole multiples of 1e-7 degree (0.00036
// arcseconds). Every segment is checked after the rounding at three points
// between each two neighbouring interpolation points against the source; the
// generator stops if any series is off by more than its tolerance.
//
// Usage: ephemeris-series [--ephe PATH] OUTPUT.cpp
//        ephemeris-series [--ephe PATH] --try NAME DAYS DEGREE
//   --try  fits one series with the segment length and degree given and only
//          reports its largest error and size, to choose the table below.
// Exits 1 with a message when the ephemeris files are missing or a series
// misses its tolerance.

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <numbers>
#include <string>
#include <string_view>
#include <swephexp.h>
#include <vector>

namespace {

// 1900-12-30 00:00 UT to 2051-01-03 00:00 UT: every universal moment of a
// local date from 1901 to 2050 in any zone, with a day to spare on each side.
constexpr double FirstJulianDayUt = 2415383.5;
constexpr double LastJulianDayUt = 2470174.5;
// One unit of a stored coefficient, degrees.
constexpr double UnitDeg = 1e-7;
constexpr double ArcsecPerDeg = 3600.0;
// The shortest segment is 2^-MaxLevel of a block.
constexpr int MaxLevel = 16;

enum class Source { Body, Nutation, SiderealCorrection, TrueObliquity };

struct Series {
    const char* name;
    Source source;
    int sweId;          // for Source::Body
    double segmentDays; // length of one segment
    int degree;         // of each segment's polynomial
    double toleranceArcsec;
    double alignedTo = 0; // a Julian Day (UT) where a segment must end, or 0
};

// Block lengths and degrees, chosen with --try: the fewest coefficients that
// keep each series within its tolerance. The longitudes are held to 0.05
// arcseconds, but for the true node: the source's own true node steps by up
// to 0.4 arcseconds every 27.55 days (where the segments of its lunar file
// meet), which a polynomial passes through smoothly, so it is held to 0.3.
// The nutation, the sidereal time and the obliquity, which the Ascendant
// multiplies near the polar circles, are held to 0.005 and 0.002. The
// source's sidereal time steps by 1.9 arcseconds at 2050-01-01 00:00 UT, where
// it changes to its long-term formula; a block ends there.
const std::array<Series, 17> AllSeries{{
    {"Sun", Source::Body, SE_SUN, 256, 16, 0.05},
    {"Moon", Source::Body, SE_MOON, 16, 16, 0.05},
    {"Mercury", Source::Body, SE_MERCURY, 64, 12, 0.05},
    {"Venus", Source::Body, SE_VENUS, 256, 16, 0.05},
    {"Mars", Source::Body, SE_MARS, 256, 16, 0.05},
    {"Jupiter", Source::Body, SE_JUPITER, 128, 14, 0.05},
    {"Saturn", Source::Body, SE_SATURN, 128, 12, 0.05},
    {"Uranus", Source::Body, SE_URANUS, 64, 10, 0.05},
    {"Neptune", Source::Body, SE_NEPTUNE, 64, 10, 0.05},
    {"Pluto", Source::Body, SE_PLUTO, 512, 16, 0.05},
    {"Chiron", Source::Body, SE_CHIRON, 64, 10, 0.05},
    {"TrueNode", Source::Body, SE_TRUE_NODE, 16, 14, 0.3},
    {"MeanNode", Source::Body, SE_MEAN_NODE, 2048, 12, 0.05},
    {"Lilith", Source::Body, SE_MEAN_APOG, 512, 8, 0.05},
    {"Nutation", Source::Nutation, 0, 32, 14, 0.005},
    {"SiderealCorrection", Source::SiderealCorrection, 0, 2048, 12, 0.002, 2469807.5},
    {"TrueObliquity", Source::TrueObliquity, 0, 32, 14, 0.002},
}};

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "ephemeris-series: " << message << '\n';
    std::exit(1);
}

double bodyLongitude(int body, double julianDayUt) {
    std::array<double, 6> xx{};
    std::array<char, AS_MAXCH> error{};
    const int32 result =
        swe_calc_ut(julianDayUt, body, SEFLG_SWIEPH | SEFLG_NONUT, xx.data(), error.data());
    if (result < 0)
        fail(error.data());
    // Without its files the library quietly falls back to a less precise theory.
    if ((result & SEFLG_SWIEPH) == 0)
        fail(std::string("the Swiss Ephemeris files were not found (") + error.data() + ")");
    return xx[0];
}

// The true obliquity, the mean obliquity, the nutation in longitude and in
// obliquity, degrees.
std::array<double, 6> nutation(double julianDayUt) {
    std::array<double, 6> xx{};
    std::array<char, AS_MAXCH> error{};
    if (swe_calc_ut(julianDayUt, SE_ECL_NUT, SEFLG_SWIEPH, xx.data(), error.data()) < 0)
        fail(error.data());
    return xx;
}

// Greenwich apparent sidereal time less 280.46061837 + 360.98564736629 d and
// less the equation of the equinoxes' main part, the nutation in longitude
// times the cosine of the true obliquity, degrees. The whole turns of 360 d
// are left out so that d's size costs no precision.
double siderealCorrection(double julianDayUt) {
    const double d = julianDayUt - 2451545.0;
    const double linear = 280.46061837 + 360.0 * (d - std::floor(d)) + 0.98564736629 * d;
    const std::array<double, 6> n = nutation(julianDayUt);
    const double equinoxes = n[2] * std::cos(n[0] * std::numbers::pi / 180.0);
    return swe_sidtime(julianDayUt) * 15.0 - linear - equinoxes;
}

double sourceValue(const Series& series, double julianDayUt) {
    switch (series.source) {
    case Source::Body:
        return bodyLongitude(series.sweId, julianDayUt);
    case Source::Nutation:
        return nutation(julianDayUt)[2];
    case Source::SiderealCorrection:
        return siderealCorrection(julianDayUt);
    case Source::TrueObliquity:
        return nutation(julianDayUt)[0];
    }
    return 0;
}

// x - y taken into -180..180 degrees.
double wrappedDifference(double x, double y) {
    const double d = std::fmod(x - y, 360.0);
    return d > 180.0 ? d - 360.0 : (d < -180.0 ? d + 360.0 : d);
}

// Sum of c_j T_j(x) by Clenshaw's recurrence.
double chebyshevValue(const std::vector<double>& c, double x) {
    double b1 = 0, b2 = 0;
    for (std::size_t j = c.size(); j-- > 1;) {
        const double b0 = 2.0 * x * b1 - b2 + c[j];
        b2 = b1;
        b1 = b0;
    }
    return x * b1 - b2 + c[0];
}

struct Fit {
    std::vector<std::int32_t> coefficients; // segment after segment
    double firstJulianDayUt = 0;
    std::size_t blockCount = 0;
    std::vector<std::uint32_t> blockStarts; // first segment of each block, then the count
    std::vector<std::uint8_t> levels;       // of each segment: 2^-level of its block
    double largestErrorArcsec = 0;
    double errorAtJulianDay = 0;
};

// The Chebyshev points of the first kind, x_k = cos(pi (k + 1/2) / (n + 1)).
double node(int k, int n) {
    return std::cos(std::numbers::pi * (k + 0.5) / (n + 1));
}

// The rounded coefficients of the segment of degree n that starts at start.
std::vector<std::int32_t> fitSegment(const Series& series, double start, int n) {
    const double half = series.segmentDays / 2.0;
    const double middle = start + half;
    const std::size_t count = static_cast<std::size_t>(n) + 1;
    std::vector<double> values(count);
    // From the segment's start (k = n) to its end, each value unwrapped to
    // within 180 degrees of the one before.
    for (int k = n; k >= 0; --k) {
        const std::size_t i = static_cast<std::size_t>(k);
        double value = sourceValue(series, middle + half * node(k, n));
        if (k < n)
            value = values[i + 1] + wrappedDifference(value, values[i + 1]);
        values[i] = value;
    }
    std::vector<std::int32_t> rounded(count);
    for (int j = 0; j <= n; ++j) {
        double sum = 0;
        for (int k = 0; k <= n; ++k)
            sum += values[static_cast<std::size_t>(k)] *
                   std::cos(std::numbers::pi * j * (k + 0.5) / (n + 1));
        double c = (j == 0 ? 1.0 : 2.0) * sum / (n + 1);
        if (j == 0)
            c -= 360.0 * std::round(c / 360.0);
        const double units = std::round(c / UnitDeg);
        if (std::fabs(units) > 2147483647.0)
            fail(std::string(series.name) + ": a coefficient does not fit in 32 bits");
        rounded[static_cast<std::size_t>(j)] = static_cast<std::int32_t>(units);
    }
    return rounded;
}

// The first segment's start: the common start, or earlier so that a segment
// ends where the series is aligned.
double firstStart(const Series& series) {
    if (series.alignedTo == 0)
        return FirstJulianDayUt;
    return series.alignedTo -
           std::ceil((series.alignedTo - FirstJulianDayUt) / series.segmentDays) *
               series.segmentDays;
}

// The largest error, arcseconds, and where, of a segment's rounded
// coefficients: three points between each two neighbouring interpolation
// points, and between the outer ones and the segment's ends.
std::pair<double, double> segmentError(const Series& series, double start, double days,
                                       const std::vector<std::int32_t>& rounded) {
    const int n = series.degree;
    std::vector<double> c(rounded.size());
    std::transform(rounded.begin(), rounded.end(), c.begin(),
                   [](std::int32_t units) { return units * UnitDeg; });
    std::pair<double, double> largest{0.0, start};
    for (int k = -1; k <= n; ++k) {
        const double x0 = k < 0 ? 1.0 : node(k, n);
        const double x1 = k == n ? -1.0 : node(k + 1, n);
        for (int i = 1; i <= 3; ++i) {
            const double x = x0 + (x1 - x0) * i / 4.0;
            const double julianDay = start + days / 2.0 * (1.0 + x);
            const double error =
                std::fabs(wrappedDifference(chebyshevValue(c, x), sourceValue(series, julianDay))) *
                ArcsecPerDeg;
            if (error > largest.first)
                largest = {error, julianDay};
        }
    }
    return largest;
}

// Fits the piece of a block at level (2^-level of the block) that starts at
// start, or, when it misses the tolerance, its two halves one after the other.
void fitPiece(const Series& series, double start, int level, Fit& fit) {
    Series piece = series;
    piece.segmentDays = std::ldexp(series.segmentDays, -level);
    const std::vector<std::int32_t> rounded = fitSegment(piece, start, series.degree);
    const std::pair<double, double> error = segmentError(series, start, piece.segmentDays, rounded);
    if (error.first > series.toleranceArcsec && level < MaxLevel) {
        fitPiece(series, start, level + 1, fit);
        fitPiece(series, start + piece.segmentDays / 2.0, level + 1, fit);
        return;
    }
    fit.coefficients.insert(fit.coefficients.end(), rounded.begin(), rounded.end());
    fit.levels.push_back(static_cast<std::uint8_t>(level));
    if (error.first > fit.largestErrorArcsec) {
        fit.largestErrorArcsec = error.first;
        fit.errorAtJulianDay = error.second;
    }
}

// Each block is one segment, or is halved, and its halves again, where it
// misses the tolerance: the light deflection near a planet's conjunction with
// the Sun changes by arcseconds within an hour.
Fit fitSeries(const Series& series) {
    Fit fit;
    fit.firstJulianDayUt = firstStart(series);
    fit.blockCount = static_cast<std::size_t>(
        std::ceil((LastJulianDayUt - fit.firstJulianDayUt) / series.segmentDays));
    fit.blockStarts.push_back(0);
    for (std::size_t b = 0; b < fit.blockCount; ++b) {
        fitPiece(series, fit.firstJulianDayUt + static_cast<double>(b) * series.segmentDays, 0,
                 fit);
        fit.blockStarts.push_back(static_cast<std::uint32_t>(fit.levels.size()));
    }
    return fit;
}

void report(const Series& series, const Fit& fit) {
    std::fprintf(stderr,
                 "%-18s %4g days, degree %2d: %5zu blocks, %5u segments, %7zu coefficients, "
                 "largest error %.4f\" (JD %.3f)\n",
                 series.name, series.segmentDays, series.degree, fit.blockCount,
                 fit.blockStarts.back(), fit.coefficients.size(), fit.largestErrorArcsec,
                 fit.errorAtJulianDay);
}

template <typename T>
void writeArray(std::ofstream& out, const char* type, const std::string& name,
                const std::vector<T>& values, std::size_t perLine) {
    out << "constexpr " << type << ' ' << name << '[' << values.size() << "]{\n";
    for (std::size_t j = 0; j < values.size(); ++j)
        out << values[j] << ',' << ((j + 1) % perLine == 0 || j + 1 == values.size() ? '\n' : ' ');
    out << "};\n";
}

void writeSource(std::ofstream& out, const std::vector<Fit>& fits) {
    out << "// Generated by tools/ephemeris-series; do not edit (see its README.md).\n"
           "// Chebyshev series of the apparent longitudes without nutation, the\n"
           "// nutation in longitude, the sidereal time and the true obliquity, fitted to\n"
           "// the Swiss Ephemeris (JPL DE431) over universal time 1900-12-30 to\n"
           "// 2051-01-03; coefficients in units of 1e-7 degree.\n\n"
           "#include \"ephemeris/SeriesData.h\"\n\n"
           "// clang-format off\n"
           "namespace orbenza {\nnamespace {\n\n";
    for (std::size_t i = 0; i < fits.size(); ++i) {
        const std::string name = std::string("k") + AllSeries[i].name;
        writeArray(out, "std::uint32_t", name + "Blocks", fits[i].blockStarts, 16);
        std::vector<unsigned> levels(fits[i].levels.begin(), fits[i].levels.end());
        writeArray(out, "std::uint8_t", name + "Levels", levels, 32);
        writeArray(out, "std::int32_t", name, fits[i].coefficients,
                   static_cast<std::size_t>(AllSeries[i].degree) + 1);
        out << '\n';
    }
    out << "} // namespace\n\n"
           "const std::array<ChebyshevSeries, kSeriesCount> kChebyshevSeries{{\n";
    for (std::size_t i = 0; i < fits.size(); ++i) {
        std::array<char, 200> line{};
        std::snprintf(line.data(), line.size(),
                      "    {%.1f, %g, %d, %zu, k%sBlocks, k%sLevels, k%s},\n",
                      fits[i].firstJulianDayUt, AllSeries[i].segmentDays, AllSeries[i].degree + 1,
                      fits[i].blockCount, AllSeries[i].name, AllSeries[i].name, AllSeries[i].name);
        out << line.data();
    }
    out << "}};\n\n} // namespace orbenza\n";
}

} // namespace

constexpr const char* Usage = "usage: ephemeris-series [--ephe PATH] OUTPUT.cpp\n"
                              "       ephemeris-series [--ephe PATH] --try NAME DAYS DEGREE";

int main(int argc, char** argv) {
    std::string ephePath = "/usr/share/libswe/ephe";
    std::string outputPath;
    const Series* trial = nullptr;
    Series trialSeries{};
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--ephe" && i + 1 < argc) {
            ephePath = argv[++i];
        } else if (arg == "--try" && i + 3 < argc) {
            const std::string_view name = argv[++i];
            const auto found = std::find_if(AllSeries.begin(), AllSeries.end(),
                                            [&](const Series& s) { return s.name == name; });
            if (found == AllSeries.end())
                fail("no series named " + std::string(name));
            trialSeries = *found;
            trialSeries.segmentDays = std::atof(argv[++i]);
            trialSeries.degree = std::atoi(argv[++i]);
            if (trialSeries.segmentDays <= 0 || trialSeries.degree < 1)
                fail(Usage);
            trial = &trialSeries;
        } else if (!arg.starts_with("--") && outputPath.empty()) {
            outputPath = arg;
        } else {
            fail(Usage);
        }
    }
    if (outputPath.empty() == (trial == nullptr))
        fail(Usage);
    swe_set_ephe_path(ephePath.c_str());

    if (trial) {
        report(*trial, fitSeries(*trial));
        swe_close();
        return 0;
    }
    std::vector<Fit> fits;
    bool withinTolerance = true;
    for (const Series& series : AllSeries) {
        fits.push_back(fitSeries(series));
        report(series, fits.back());
        withinTolerance =
            withinTolerance && fits.back().largestErrorArcsec <= series.toleranceArcsec;
    }
    swe_close();
    if (!withinTolerance)
        fail("a series misses its tolerance");
    std::ofstream out(outputPath, std::ios::binary);
    writeSource(out, fits);
    if (!out.good())
        fail("cannot write " + outputPath);
    return 0;
}
