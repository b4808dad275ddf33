// The place atlas: reading the whole file, a search as the City box makes it
// while the user types, one place's resolution, and the clock time of a place
// once its zone is loaded.
#include "atlas/Atlas.h"
#include "atlas/PlaceClock.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

namespace {

const orbenza::atlas::Atlas& atlasOnce() {
    static const orbenza::atlas::Atlas atlas =
        orbenza::atlas::Atlas::load(orbenza::atlas::atlasPath());
    return atlas;
}

void AtlasLoad(benchmark::State& state) {
    const std::string path = orbenza::atlas::atlasPath();
    for (auto _ : state) {
        orbenza::atlas::Atlas atlas = orbenza::atlas::Atlas::load(path);
        if (!atlas.available())
            state.SkipWithError(atlas.unavailableReason().c_str());
        benchmark::DoNotOptimize(atlas.size());
    }
}
BENCHMARK(AtlasLoad)->Unit(benchmark::kMillisecond);

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

void AtlasSearchAsTyped(benchmark::State& state) {
    const auto& atlas = atlasOnce();
    const auto& texts = typedTexts();
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(atlas.search(texts[next], 12));
        next = (next + 1) % texts.size();
    }
}
BENCHMARK(AtlasSearchAsTyped)->Unit(benchmark::kMicrosecond);

// The slowest kind of text: two letters, which thousands of names start with.
void AtlasSearchTwoLetters(benchmark::State& state) {
    const auto& atlas = atlasOnce();
    for (auto _ : state)
        benchmark::DoNotOptimize(atlas.search("sa", 12));
}
BENCHMARK(AtlasSearchTwoLetters)->Unit(benchmark::kMicrosecond);

void AtlasResolve(benchmark::State& state) {
    const auto& atlas = atlasOnce();
    for (auto _ : state)
        benchmark::DoNotOptimize(atlas.resolve("Springfield, Illinois"));
}
BENCHMARK(AtlasResolve)->Unit(benchmark::kMicrosecond);

void PlaceClockTime(benchmark::State& state) {
    const auto clock = orbenza::atlas::ZoneClock::find("Europe/Madrid");
    orbenza::atlas::DateTime local{1985, 7, 1, 14, 30, 0};
    for (auto _ : state) {
        local.day = local.day % 28 + 1;
        benchmark::DoNotOptimize(clock.at(local, -3.7026));
    }
}
BENCHMARK(PlaceClockTime);

} // namespace
