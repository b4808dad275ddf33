// Writes the reference table of house cusps that Orbenza's tests hold the
// house systems to.
//
// Each moment of universal time is drawn at random (a fixed seed, whole
// minutes) from 1901-01-01 to 2050-12-31 and paired with a latitude and a
// longitude taken in turn from fixed lists: latitudes up to 60 degrees on
// either side, then latitudes of 67 to 80 degrees, where Placidus and Koch
// give way to Porphyry. For each row the Swiss Ephemeris gives:
//   - the right ascension of the meridian (ARMC, from the apparent sidereal
//     time) and the true obliquity of date (swe_houses_ex, SE_ECL_NUT);
//   - the Ascendant, the Midheaven and the Vertex;
//   - for each of twelve house systems, swe_houses_ex's return code (-1 where
//     it fell back to Porphyry) and its twelve cusps.
// Sidereal time and nutation are analytic in the library, so no ephemeris
// files are read.
//
// Usage: house-cusps OUTPUT.txt

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <swephexp.h>

namespace {

// The twelve systems, by the names Orbenza gives them, and the letter the
// Swiss Ephemeris knows each by.
struct System {
    const char* name;
    int letter;
};
constexpr std::array<System, 12> kSystems{{{"placidus", 'P'},
                                           {"koch", 'K'},
                                           {"porphyry", 'O'},
                                           {"regiomontanus", 'R'},
                                           {"campanus", 'C'},
                                           {"alcabitius", 'B'},
                                           {"topocentric", 'T'},
                                           {"morinus", 'M'},
                                           {"meridian", 'X'},
                                           {"whole-sign", 'W'},
                                           {"equal-asc", 'A'},
                                           {"equal-mc", 'D'}}};

constexpr std::array<double, 14> kLatitudes{0.0,   12.97, -33.87, 28.65, 40.42, -23.55, 51.48,
                                            -45.0, 55.75, 5.5,    -60.0, 60.0,  38.72,  -12.05};
constexpr std::array<double, 8> kPolarLatitudes{67.0,  69.65, 72.0,  75.0,
                                                78.22, 80.0,  -67.5, -77.85};
constexpr std::array<double, 7> kLongitudes{0.0, 80.3, -73.94, 139.69, -3.7, 151.21, -122.42};

constexpr int kRows = 96;
constexpr int kPolarRows = 32;

// A 64-bit linear congruential generator (Knuth's MMIX constants): the same
// numbers on every machine, unlike the standard library's distributions.
struct Lcg {
    std::uint64_t state = 20260101;
    std::uint64_t next() {
        state = state * 6364136223846793005ULL + 1442695040888963407ULL;
        return state >> 33;
    }
};

bool writeRow(std::FILE* out, double julianDayUt, double latitude, double longitude) {
    std::array<double, 6> nutation{};
    std::array<char, 256> error{};
    if (swe_calc_ut(julianDayUt, SE_ECL_NUT, SEFLG_MOSEPH, nutation.data(), error.data()) < 0) {
        std::fprintf(stderr, "house-cusps: %s\n", error.data());
        return false;
    }
    std::array<double, 13> cusps{};
    std::array<double, 10> ascmc{};
    swe_houses_ex(julianDayUt, 0, latitude, longitude, 'O', cusps.data(), ascmc.data());
    std::fprintf(out, "moment %.9f %.2f %.2f %.7f %.7f %.7f %.7f %.7f\n", julianDayUt, latitude,
                 longitude, ascmc[2], nutation[0], ascmc[0], ascmc[1], ascmc[3]);
    for (const System& system : kSystems) {
        const int rc = swe_houses_ex(julianDayUt, 0, latitude, longitude, system.letter,
                                     cusps.data(), ascmc.data());
        std::fprintf(out, "%s %d", system.name, rc);
        for (std::size_t k = 1; k <= 12; ++k)
            std::fprintf(out, " %.7f", cusps[k]);
        std::fprintf(out, "\n");
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: house-cusps OUTPUT.txt\n");
        return 2;
    }
    std::FILE* out = std::fopen(argv[1], "w");
    if (out == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    std::fprintf(out, "# moment julianDayUt latitude longitude armc trueObliquity asc mc vertex\n"
                      "# then for each system: name returnCode cusp1 ... cusp12\n");
    const double first = swe_julday(1901, 1, 1, 0.0, SE_GREG_CAL);
    const double last = swe_julday(2050, 12, 31, 23.0 + 59.0 / 60.0, SE_GREG_CAL);
    const auto minutes = static_cast<std::uint64_t>((last - first) * 1440.0 + 0.5);
    Lcg random;
    bool ok = true;
    for (int row = 0; row < kRows + kPolarRows && ok; ++row) {
        const double julianDayUt =
            first + static_cast<double>(random.next() % (minutes + 1)) / 1440.0;
        const auto r = static_cast<std::size_t>(row);
        const double latitude = row < kRows ? kLatitudes[r % kLatitudes.size()]
                                            : kPolarLatitudes[r % kPolarLatitudes.size()];
        ok = writeRow(out, julianDayUt, latitude, kLongitudes[r % kLongitudes.size()]);
    }
    swe_close();
    if (std::fclose(out) != 0 || !ok) {
        std::fprintf(stderr, "house-cusps: the table could not be written\n");
        return 1;
    }
    return 0;
}
