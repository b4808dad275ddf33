// Writes the compiled-in retrograde station tables of Orbenza.
//
// A station is a moment at which a planet's apparent geocentric ecliptic longitude
// (true equinox and ecliptic of date, with light-time, aberration, light deflection and
// nutation) stands still: its daily speed crosses zero. At a retrograde station the
// speed turns negative, at a direct station it turns positive again. The longitudes come
// from the Swiss Ephemeris with its compressed JPL files (sepl_18.se1, from DE431), the
// times are universal time from the library's own Delta T.
//
// The speed (five-point central difference of the longitude, see longitudeSpeed) is
// sampled every --step days (0.5 by default: Mercury's shortest retrograde or direct run
// is about 19 days, so no sign change is missed), each sign change is bisected to a
// bracket under a millisecond, and its midpoint is rounded to the nearest minute of
// universal time (the rounding may carry into the next day, month or year).
//
// Usage: station-tables [--step DAYS] [--difference DAYS] [--ephe PATH] [--raw FILE] OUTPUT.cpp
//   --difference DAYS  step h of the central difference (0.1 by default)
//   --raw FILE         also writes every kept station unrounded (Julian Day, UT), to compare runs
// Exits 1 with a message when the ephemeris files are missing or a table's row count
// differs from the table's fixed extent.

#include <array>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <swephexp.h>
#include <vector>

namespace {

namespace chr = std::chrono;

// Julian Day (UT) of 1970-01-01 00:00 UT, the epoch of std::chrono::sys_days.
constexpr double UnixEpochJulianDay = 2440587.5;
constexpr double MinutesPerDay = 1440.0;
// Bisection stops when the bracket is shorter than this (days, about 0.9 ms).
constexpr double BracketToleranceDays = 1.0e-8;
// Step of the central difference that gives the speed (days).
double SpeedStepDays = 0.1;

// Julian Day of 00:00 UT of a Gregorian date.
constexpr double julianDayOf(chr::year_month_day date) {
    return UnixEpochJulianDay + static_cast<double>(chr::sys_days{date}.time_since_epoch().count());
}

// Scan span: wide enough to hold every kept period with room on both sides.
constexpr double ScanStartJulianDay = julianDayOf(chr::year{1899} / 1 / 1);
constexpr double ScanEndJulianDay = julianDayOf(chr::year{2052} / 1 / 1);
static_assert(ScanStartJulianDay == 2414655.5);

struct Planet {
    const char* name;
    int sweId;
    chr::year_month_day firstStart; // UT date of the first kept retrograde station
    chr::year_month_day lastStart;  // UT date of the last kept retrograde station
    std::size_t rowCount;           // periods kept, first to last
};

using chr::day;
using chr::month;
using chr::year;

// The tables' fixed extent: the first and last period of each planet and their count.
const std::array<Planet, 8> Planets{{
    {"Mercury", SE_MERCURY, year{1900} / 3 / 15, year{2050} / 12 / 1, 476},
    {"Venus", SE_VENUS, year{1900} / 6 / 16, year{2050} / 9 / 25, 95},
    {"Mars", SE_MARS, year{1901} / 1 / 13, year{2050} / 7 / 15, 71},
    {"Jupiter", SE_JUPITER, year{1900} / 3 / 27, year{2050} / 12 / 21, 139},
    {"Saturn", SE_SATURN, year{1900} / 4 / 14, year{2050} / 5 / 18, 146},
    {"Uranus", SE_URANUS, year{1900} / 3 / 17, year{2050} / 12 / 30, 150},
    {"Neptune", SE_NEPTUNE, year{1900} / 10 / 2, year{2050} / 8 / 31, 150},
    {"Pluto", SE_PLUTO, year{1899} / 9 / 16, year{2050} / 6 / 10, 151},
}};

[[noreturn]] void fail(const std::string& message) {
    std::cerr << "station-tables: " << message << '\n';
    std::exit(1);
}

// Apparent geocentric ecliptic longitude, degrees, true equinox and ecliptic of date.
double apparentLongitude(const Planet& planet, double julianDayUt) {
    std::array<double, 6> xx{};
    std::array<char, AS_MAXCH> error{};
    const int32 result =
        swe_calc_ut(julianDayUt, planet.sweId, SEFLG_SWIEPH, xx.data(), error.data());
    if (result < 0)
        fail(std::string(planet.name) + ": " + error.data());
    // Without its files the library quietly falls back to a less precise theory.
    if ((result & SEFLG_SWIEPH) == 0)
        fail(std::string("the Swiss Ephemeris files were not found (") + error.data() + ")");
    return xx[0];
}

// Change of the apparent longitude from t1 to t2, degrees, across 0/360 as well.
double longitudeChange(const Planet& planet, double t1, double t2) {
    double change = apparentLongitude(planet, t2) - apparentLongitude(planet, t1);
    if (change > 180.0)
        change -= 360.0;
    else if (change < -180.0)
        change += 360.0;
    return change;
}

// Daily speed of the apparent longitude, degrees per day, by the five-point central
// difference (truncation error of order h^4) with h = SpeedStepDays. The library's own
// speed (SEFLG_SPEED) is not used: it differs from the rate of its own longitude of date
// by up to about 1e-5 degrees per day (it does not follow the motion of the nutation
// exactly), which moves slow stations by many minutes. A wide h also smooths the
// longitude's tiny steps (about 1e-7 degrees) where the light-time iteration changes.
double longitudeSpeed(const Planet& planet, double t) {
    const double h = SpeedStepDays;
    return (8.0 * longitudeChange(planet, t - h, t + h) -
            longitudeChange(planet, t - 2.0 * h, t + 2.0 * h)) /
           (12.0 * h);
}

struct Station {
    double julianDayUt;
    bool retrograde; // true: the speed turns negative here
};

// Every station of one planet in the scan span, in time order.
std::vector<Station> findStations(const Planet& planet, double stepDays) {
    std::vector<Station> stations;
    double t0 = ScanStartJulianDay;
    double v0 = longitudeSpeed(planet, t0);
    const auto steps =
        static_cast<long>(std::ceil((ScanEndJulianDay - ScanStartJulianDay) / stepDays));
    for (long k = 1; k <= steps; ++k) {
        const double t1 = ScanStartJulianDay + static_cast<double>(k) * stepDays;
        const double v1 = longitudeSpeed(planet, t1);
        const bool negative0 = v0 < 0.0;
        const bool negative1 = v1 < 0.0;
        if (negative0 != negative1) {
            double lo = t0;
            double hi = t1;
            while (hi - lo > BracketToleranceDays) {
                const double mid = 0.5 * (lo + hi);
                if ((longitudeSpeed(planet, mid) < 0.0) == negative0)
                    lo = mid;
                else
                    hi = mid;
            }
            stations.push_back({0.5 * (lo + hi), negative1});
        }
        t0 = t1;
        v0 = v1;
    }
    return stations;
}

struct Moment {
    chr::year_month_day date;
    int hour;
    int minute;
};

// Universal time rounded to the nearest minute; the carry reaches day, month and year.
Moment roundToMinute(double julianDayUt) {
    const auto minutes =
        chr::minutes{std::llround((julianDayUt - UnixEpochJulianDay) * MinutesPerDay)};
    const chr::sys_time<chr::minutes> moment{minutes};
    const auto midnight = chr::floor<chr::days>(moment);
    const chr::hh_mm_ss<chr::minutes> clock{moment - midnight};
    return {chr::year_month_day{midnight}, static_cast<int>(clock.hours().count()),
            static_cast<int>(clock.minutes().count())};
}

std::string rowText(const Moment& m) {
    std::ostringstream out;
    out << static_cast<unsigned>(m.date.month()) << ',' << static_cast<unsigned>(m.date.day())
        << ',' << static_cast<int>(m.date.year()) << ',' << m.hour << ',' << m.minute << ',';
    return out.str();
}

struct Period {
    double startJulianDayUt;
    double endJulianDayUt;
};

// Pairs each retrograde station with the direct station that follows it.
std::vector<Period> pairPeriods(const Planet& planet, const std::vector<Station>& stations) {
    std::vector<Period> periods;
    std::size_t i = 0;
    if (!stations.empty() && !stations.front().retrograde)
        i = 1; // the scan began inside a retrograde period
    for (; i + 1 < stations.size(); i += 2) {
        if (!stations[i].retrograde || stations[i + 1].retrograde)
            fail(std::string(planet.name) + ": stations do not alternate near JD " +
                 std::to_string(stations[i].julianDayUt));
        periods.push_back({stations[i].julianDayUt, stations[i + 1].julianDayUt});
    }
    return periods;
}

// Index of the period whose rounded start date lies nearest the given date, within one day.
std::size_t periodStartingOn(const Planet& planet, const std::vector<Period>& periods,
                             chr::year_month_day date) {
    std::optional<std::size_t> best;
    int bestDistance = 2;
    for (std::size_t i = 0; i < periods.size(); ++i) {
        const auto startDate = chr::sys_days{roundToMinute(periods[i].startJulianDayUt).date};
        const int distance = std::abs(static_cast<int>((startDate - chr::sys_days{date}).count()));
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    if (!best) {
        std::ostringstream message;
        message << planet.name << ": no retrograde station within a day of "
                << static_cast<int>(date.year()) << '-' << static_cast<unsigned>(date.month())
                << '-' << static_cast<unsigned>(date.day());
        fail(message.str());
    }
    return *best;
}

void writeTable(std::ostream& out, const Planet& planet, const char* tableName,
                const std::vector<std::string>& rows) {
    out << "constexpr std::array<std::string_view, " << rows.size() + 1 << "> " << planet.name
        << tableName << "{\n";
    for (const auto& row : rows)
        out << "    \"" << row << "\",\n";
    out << "    \"\",\n};\n\n";
}

} // namespace

constexpr const char* Usage =
    "usage: station-tables [--step DAYS (0 to 2)] "
    "[--difference DAYS (0 to 0.5)] [--ephe PATH] [--raw FILE] OUTPUT.cpp";

int main(int argc, char** argv) {
    double stepDays = 0.5;
    std::string ephePath = "/usr/share/libswe/ephe";
    std::string rawPath;
    std::string outputPath;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--step" && i + 1 < argc)
            stepDays = std::atof(argv[++i]);
        else if (arg == "--difference" && i + 1 < argc)
            SpeedStepDays = std::atof(argv[++i]);
        else if (arg == "--ephe" && i + 1 < argc)
            ephePath = argv[++i];
        else if (arg == "--raw" && i + 1 < argc)
            rawPath = argv[++i];
        else if (!arg.starts_with("--") && outputPath.empty())
            outputPath = arg;
        else
            fail(Usage);
    }
    // Longer scan steps could step over a short run of Mercury; longer difference steps
    // would blur the speed near a station.
    if (outputPath.empty() || !(stepDays > 0.0 && stepDays <= 2.0) ||
        !(SpeedStepDays > 0.0 && SpeedStepDays <= 0.5))
        fail(Usage);

    swe_set_ephe_path(ephePath.c_str());

    std::ostringstream body;
    std::ostringstream raw;
    raw.precision(10);
    for (const Planet& planet : Planets) {
        const auto periods = pairPeriods(planet, findStations(planet, stepDays));
        const std::size_t first = periodStartingOn(planet, periods, planet.firstStart);
        const std::size_t last = periodStartingOn(planet, periods, planet.lastStart);
        const std::size_t count = last >= first ? last - first + 1 : 0;
        if (count != planet.rowCount)
            fail(std::string(planet.name) + ": " + std::to_string(count) + " periods, expected " +
                 std::to_string(planet.rowCount));
        std::vector<std::string> starts;
        std::vector<std::string> ends;
        for (std::size_t i = first; i <= last; ++i) {
            starts.push_back(rowText(roundToMinute(periods[i].startJulianDayUt)));
            ends.push_back(rowText(roundToMinute(periods[i].endJulianDayUt)));
            raw << std::fixed << planet.name << ' ' << i - first << ' '
                << periods[i].startJulianDayUt << ' ' << periods[i].endJulianDayUt << '\n';
        }
        writeTable(body, planet, "StationStart", starts);
        writeTable(body, planet, "StationEnd", ends);
    }
    swe_close();

    std::ofstream out(outputPath, std::ios::binary);
    out << "// Generated by tools/station-tables; do not edit. Regenerate with:\n"
           "//   cmake -S tools/station-tables -B build-station-tables -G Ninja\n"
           "//   cmake --build build-station-tables\n"
           "//   build-station-tables/station-tables src/core/retrograde/StationTables.cpp\n"
           "// Retrograde (StationStart) and direct (StationEnd) stations of Mercury to\n"
           "// Pluto from the Swiss Ephemeris (JPL-based files), universal time rounded to\n"
           "// the minute, rows \"month,day,year,hour,minute,\". See README.md beside this.\n"
           "\n"
           "#include \"retrograde/StationTables.h\"\n"
           "\n"
           "// clang-format off\n"
           "namespace orbenza {\n"
           "namespace {\n"
           "\n"
        << body.str()
        << "} // namespace\n"
           "\n"
           "constexpr std::array<StationTable, StationPlanetCount> StationTables{{\n";
    for (const Planet& planet : Planets)
        out << "    {" << planet.name << "StationStart, " << planet.name << "StationEnd},\n";
    out << "}};\n"
           "\n";
    for (std::size_t k = 0; k < Planets.size(); ++k)
        out << "static_assert(" << Planets[k].name
            << "StationStart.size() == StationTableCapacities[" << k << "] &&\n              "
            << Planets[k].name << "StationEnd.size() == StationTableCapacities[" << k << "]);\n";
    out << "\n"
           "} // namespace orbenza\n"
           "// clang-format on\n";
    if (!out.good())
        fail("cannot write " + outputPath);

    if (!rawPath.empty()) {
        std::ofstream rawOut(rawPath);
        rawOut << raw.str();
        if (!rawOut.good())
            fail("cannot write " + rawPath);
    }
    return 0;
}
