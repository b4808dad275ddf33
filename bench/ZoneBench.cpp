// The clock time of a zone: reading its compiled file (once a process for each
// zone it names), and a local time's lookup in the years the file lists and in
// those its closing rule gives, beside date/tz's lookup in the same file.
#include "atlas/PlaceClock.h"
#include "atlas/ZoneFile.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <date/tz.h>

namespace {

void zoneFileRead(benchmark::State& state) {
    for (auto _ : state) {
        auto zone = orbenza::atlas::ZoneFile::read("/usr/share/zoneinfo/Europe/Madrid");
        if (!zone)
            state.SkipWithError("no zone file for Europe/Madrid");
        benchmark::DoNotOptimize(zone);
    }
}
BENCHMARK(zoneFileRead)->Unit(benchmark::kMicrosecond);

// Arg: the year; 1985 is listed in the file, 2045 given by its rule.
void zoneClockAt(benchmark::State& state) {
    const auto clock = orbenza::atlas::ZoneClock::find("America/New_York");
    orbenza::atlas::DateTime local{static_cast<int>(state.range(0)), 7, 1, 14, 30, 0};
    for (auto _ : state) {
        local.day = local.day % 28 + 1;
        benchmark::DoNotOptimize(clock.at(local, -74.0));
    }
}
BENCHMARK(zoneClockAt)->Arg(1985)->Arg(2045);

void dateTzLocalInfo(benchmark::State& state) {
    const date::time_zone* zone = date::locate_zone("America/New_York");
    using namespace std::chrono;
    const date::local_seconds base{date::local_days{date::year{1985} / 7 / 1} + hours{14}};
    int day = 0;
    for (auto _ : state) {
        day = day % 28 + 1;
        benchmark::DoNotOptimize(zone->get_info(base + date::days{day}));
    }
}
BENCHMARK(dateTzLocalInfo);

} // namespace
