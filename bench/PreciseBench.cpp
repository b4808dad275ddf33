// The cost of the precise positions: the positions alone, one whole chart run
// with them, and a batch of JSON lines computed with them.
#include "Batch.h"
#include "ByteSink.h"
#include "ByteSource.h"
#include "Delhi1985.h"
#include "chart/ChartRun.h"
#include "chart/TimeZones.h"
#include "precise/PrecisePositions.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <string>

namespace {

// Sun ... Pluto and the Ascendant for one moment and place.
void BM_PrecisePositions(benchmark::State& state) {
    double julianDay = orbenza::julianDayOf(1985, 6, 15, 9.0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(orbenza::precisePositions(julianDay, 28.65, 77.2167));
        julianDay += 0.37; // a new moment each time: libnova keeps its last results
    }
}
BENCHMARK(BM_PrecisePositions)->Unit(benchmark::kMillisecond);

// One whole chart run with the precise positions (texts, marks, houses).
void BM_PreciseChartRun(benchmark::State& state) {
    orbenza::BirthData birth = orbenza::delhi1985Birth();
    const orbenza::UtCorrection correction = orbenza::Zone_Calculation(34, {});
    int minute = 0;
    for (auto _ : state) {
        birth.BirthMinute = static_cast<std::int16_t>(minute++ % 60);
        benchmark::DoNotOptimize(
            orbenza::computeChart(birth, correction, orbenza::Positions::Precise));
    }
}
BENCHMARK(BM_PreciseChartRun)->Unit(benchmark::kMillisecond);

// Charts per second (items_per_second) of a batch computed with the precise
// positions, JSON lines, one worker or two.
void BM_BatchJsonLinesPrecise(benchmark::State& state) {
    constexpr int kRows = 200;
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
    options.positions = orbenza::Positions::Precise;
    for (auto _ : state) {
        orbenza::cli::StringSource input(csv);
        orbenza::cli::NullSink output, diagnostics;
        const auto outcome = orbenza::cli::runBatch(input, output, diagnostics, options);
        if (outcome.status != 0 || outcome.charted != kRows)
            state.SkipWithError("the batch did not chart every row");
    }
    state.SetItemsProcessed(state.iterations() * kRows);
}
BENCHMARK(BM_BatchJsonLinesPrecise)->Arg(1)->Arg(2)->UseRealTime()->Unit(benchmark::kMillisecond);

} // namespace
