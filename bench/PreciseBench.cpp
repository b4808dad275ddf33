// The cost of the precise positions: the positions alone, one whole chart run
// with them, a batch of JSON lines without the report and both birth-time
// windows, each beside the built-in method.
#include "Batch.h"
#include "ByteFakes.h"
#include "ByteSink.h"
#include "ByteSource.h"
#include "Delhi1985.h"
#include "chart/ChartRun.h"
#include "chart/TimeZones.h"
#include "ephemeris/Ephemeris.h"
#include "windows/BirthTimeWindows.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

// Sun ... Pluto, Chiron, the nodes, Lilith and the Ascendant for one moment
// and place, with their speeds.
void BM_PrecisePositions(benchmark::State& state) {
    double julianDay = orbenza::julianDayOf(1985, 6, 15, 9.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(orbenza::ephemerisPositions(julianDay, 28.65, 77.2167));
        julianDay += 0.37; // a new moment each time, in a new segment now and then
    }
}
BENCHMARK(BM_PrecisePositions)->Unit(benchmark::kMicrosecond);

// One whole chart run (texts, marks, houses), with either method (first
// argument: 0 classic, 1 precise), with the speeds and the major aspects
// (second argument 1) or without them, as a batch that did not ask for them.
void BM_ChartRunByMethod(benchmark::State& state) {
    orbenza::BirthData birth = orbenza::delhi1985Birth();
    const orbenza::UtCorrection correction = orbenza::zoneCalculation(34, {});
    const auto positions =
        state.range(0) != 0 ? orbenza::Positions::Precise : orbenza::Positions::Classic;
    orbenza::ChartChoices choices;
    choices.housesAndAspects = state.range(1) != 0;
    int minute = 0;
    for (auto _ : state) {
        birth.birthMinute = static_cast<std::int16_t>(minute++ % 60);
        benchmark::DoNotOptimize(orbenza::computeChart(birth, correction, positions, choices));
    }
}
BENCHMARK(BM_ChartRunByMethod)
    ->Args({0, 1})
    ->Args({1, 1})
    ->Args({0, 0})
    ->Args({1, 0})
    ->Unit(benchmark::kMicrosecond);

// Charts per second (items_per_second) of a batch of JSON lines without the
// report (--report none), side by side: arguments workers and method (0
// classic, 1 precise).
void BM_BatchReportNone(benchmark::State& state) {
    constexpr int kRows = 2000;
    std::string csv = "name,date,time,zone,lon,lat,dst\n";
    char row[128];
    for (int i = 0; i < kRows; ++i) {
        std::snprintf(row, sizeof row, "Person,%04d-%02d-%02d,%02d:%02d,%d,%d:%02dE,%d:%02dN,\n",
                      1901 + (i * 37) % 150, 1 + i % 12, 1 + i % 28, i % 24, (i * 7) % 60, i % 71,
                      (i * 13) % 180, i % 60, (i * 11) % 90, (i * 3) % 60);
        csv += row;
    }
    orbenza::cli::BatchOptions options;
    options.jobs = static_cast<unsigned>(state.range(0));
    options.positions =
        state.range(1) != 0 ? orbenza::Positions::Precise : orbenza::Positions::Classic;
    options.withReport = false;
    for (auto _ : state) {
        orbenza::cli::StringSource input(csv);
        orbenza::cli::NullSink output, diagnostics;
        const auto outcome = orbenza::cli::runBatch(input, output, diagnostics, options);
        if (outcome.status != 0 || outcome.charted != kRows)
            state.SkipWithError("the batch did not chart every row");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BatchReportNone)
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({2, 0})
    ->Args({2, 1})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

// Both birth-time windows of the Delhi chart, each end scanned in chart runs
// and bisected to the second, with either method (0 classic, 1 precise).
void BM_BirthTimeWindowsByMethod(benchmark::State& state) {
    const orbenza::BirthData birth = orbenza::delhi1985Birth();
    const auto positions =
        state.range(0) != 0 ? orbenza::Positions::Precise : orbenza::Positions::Classic;
    const orbenza::ChartResult chart =
        orbenza::computeChart(birth, orbenza::zoneCalculation(34, {}), positions);
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::birthTimeWindows(chart));
}
BENCHMARK(BM_BirthTimeWindowsByMethod)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

} // namespace
