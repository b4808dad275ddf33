// The place atlas: reading the whole file and the memory it takes, searches
// as the City box and --find-place make them (their spread over a realistic
// mix of texts as percentiles), one place's resolution, and the clock time of
// a place once its zone is loaded.
#include "atlas/Atlas.h"
#include "atlas/PlaceClock.h"

#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>
#include <string>
#include <sys/resource.h>
#include <unistd.h>
#include <vector>

namespace {

const orbenza::atlas::Atlas& atlasOnce() {
    static const orbenza::atlas::Atlas atlas =
        orbenza::atlas::Atlas::load(orbenza::atlas::atlasPath());
    return atlas;
}

// The process's resident memory now, in megabytes (/proc/self/statm).
double residentMegabytes() {
    long pages = 0;
    if (std::FILE* statm = std::fopen("/proc/self/statm", "r")) {
        long size = 0;
        if (std::fscanf(statm, "%ld %ld", &size, &pages) != 2)
            pages = 0;
        std::fclose(statm);
    }
    return static_cast<double>(pages) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1048576.0;
}

// The counters: the resident memory of the process while it holds the atlas
// just read, and the process's peak.
void atlasLoad(benchmark::State& state) {
    const std::string path = orbenza::atlas::atlasPath();
    double holding = 0;
    for (auto _ : state) {
        orbenza::atlas::Atlas atlas = orbenza::atlas::Atlas::load(path);
        if (!atlas.available())
            state.SkipWithError(atlas.unavailableReason().c_str());
        benchmark::DoNotOptimize(atlas.size());
        holding = residentMegabytes();
    }
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    state.counters["resident_MB"] = holding;
    state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}
BENCHMARK(atlasLoad)->Unit(benchmark::kMillisecond);

// Reading the atlas and one search of a single letter: the first search of a
// short text orders the places by population, once; the rest of this over
// AtlasLoad is that.
void atlasLoadAndFirstShortSearch(benchmark::State& state) {
    const std::string path = orbenza::atlas::atlasPath();
    for (auto _ : state) {
        orbenza::atlas::Atlas atlas = orbenza::atlas::Atlas::load(path);
        benchmark::DoNotOptimize(atlas.search("m", orbenza::atlas::Atlas::kMaxCandidates));
    }
}
BENCHMARK(atlasLoadAndFirstShortSearch)->Unit(benchmark::kMillisecond);

// The texts a user types letter by letter, short prefixes (many answers)
// and qualified ones among them.
const std::vector<std::string>& typedTexts() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all;
        for (const std::string word :
             {"san francisco", "springfield, illinois", "zurich", "sao paulo", "new york",
              "paris, us", "kathmandu", "la", "ma", "st", "bad "}) {
            for (std::size_t length = 2; length <= word.size(); ++length)
                all.push_back(word.substr(0, length));
        }
        return all;
    }();
    return texts;
}

void atlasSearchAsTyped(benchmark::State& state) {
    const auto& atlas = atlasOnce();
    const auto& texts = typedTexts();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(atlas.search(texts[next], 12));
        next = (next + 1) % texts.size();
    }
}
BENCHMARK(atlasSearchAsTyped)->Unit(benchmark::kMicrosecond);

// The slowest kind of text: two letters, which thousands of names start with.
void atlasSearchTwoLetters(benchmark::State& state) {
    const auto& atlas = atlasOnce();
    for (auto _ : state)
        benchmark::DoNotOptimize(atlas.search("sa", 12));
}
BENCHMARK(atlasSearchTwoLetters)->Unit(benchmark::kMicrosecond);

// A realistic mix of searches: every prefix, from the first letter, of names
// users look for, bare and with a region or country after a comma, and old
// or foreign names that only a place's other names hold. One- and
// two-letter texts ("m", "sa") are the ones thousands of names start with.
const std::vector<std::string>& searchMix() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> all;
        for (const std::string word :
             {"madrid", "san francisco", "springfield, illinois", "zurich", "sao paulo", "new york",
              "paris, us", "kathmandu", "los angeles", "berlin", "bad homburg", "st petersburg",
              "mumbai", "london, gb", "tokyo", "amsterdam", "chicago", "rio de janeiro",
              "cape town", "dublin, ie",
              // old and foreign names
              "bombay", "peking", "cologne", "geneva, ch", "leningrad", "den haag"}) {
            for (std::size_t length = 1; length <= word.size(); ++length)
                all.push_back(word.substr(0, length));
        }
        return all;
    }();
    return texts;
}

// Each iteration is one search of the mix, up to the 20 places --find-place
// lists, timed by itself; the counters give the median, the 99th percentile
// and the slowest over every search made (each text of the mix 40 times).
void atlasSearchPercentiles(benchmark::State& state) {
    const auto& atlas = atlasOnce();
    const auto& texts = searchMix();
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(state.max_iterations));
    std::size_t next = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(atlas.search(texts[next], orbenza::atlas::Atlas::kMaxCandidates));
        const auto end = std::chrono::steady_clock::now();
        micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
        next = (next + 1) % texts.size();
    }
    std::sort(micros.begin(), micros.end());
    const auto at = [&](double fraction) {
        return micros[std::min(
            micros.size() - 1,
            static_cast<std::size_t>(fraction * static_cast<double>(micros.size())))];
    };
    state.counters["p50_us"] = at(0.50);
    state.counters["p99_us"] = at(0.99);
    state.counters["max_us"] = micros.back();
    state.counters["searches"] = static_cast<double>(micros.size());
}
BENCHMARK(atlasSearchPercentiles)
    ->Iterations(static_cast<benchmark::IterationCount>(40 * searchMix().size()))
    ->Unit(benchmark::kMicrosecond);

void atlasResolve(benchmark::State& state) {
    const auto& atlas = atlasOnce();
    for (auto _ : state)
        benchmark::DoNotOptimize(atlas.resolve("Springfield, Illinois"));
}
BENCHMARK(atlasResolve)->Unit(benchmark::kMicrosecond);

void placeClockTime(benchmark::State& state) {
    const auto clock = orbenza::atlas::ZoneClock::find("Europe/Madrid");
    orbenza::atlas::DateTime local{1985, 7, 1, 14, 30, 0};
    for (auto _ : state) {
        local.day = local.day % 28 + 1;
        benchmark::DoNotOptimize(clock.at(local, -3.7026));
    }
}
BENCHMARK(placeClockTime);

} // namespace
