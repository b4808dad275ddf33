// The cost of the chart in time: a year of exact transits to one chart (with
// and without the Moon), a progressed chart, a solar return and a composite.
#include "Delhi1985.h"
#include "chart/ChartRun.h"
#include "predictive/ChartPairs.h"
#include "predictive/Moments.h"
#include "predictive/Progressions.h"
#include "predictive/Returns.h"
#include "predictive/Transits.h"

#include <benchmark/benchmark.h>

namespace {

// Every exact transit of 2025 to Delhi 1985, with the edges of each stay in orb.
void BM_TransitsOneYear(benchmark::State& state) {
    const orbenza::NatalPoints natal =
        orbenza::natalPointsOf(orbenza::runChart(orbenza::delhi1985Input()));
    orbenza::TransitOptions options;
    options.withMoon = state.range(0) != 0;
    const double fromJd = orbenza::julianDayOfMoment({2025, 1, 1, 0, 0, 0});
    std::size_t found = 0;
    for (auto _ : state) {
        const auto events = orbenza::findTransits(natal, fromJd, fromJd + 365.0, options);
        found = events.size();
        benchmark::DoNotOptimize(events.data());
    }
    state.counters["events"] = static_cast<double>(found);
}
BENCHMARK(BM_TransitsOneYear)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_ProgressedChart(benchmark::State& state) {
    const orbenza::ChartResult natal = orbenza::runChart(orbenza::delhi1985Input());
    const double onJd = orbenza::julianDayOfMoment({2025, 6, 15, 0, 0, 0});
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::progressedChart(natal, onJd));
}
BENCHMARK(BM_ProgressedChart)->Unit(benchmark::kMicrosecond);

void BM_SolarReturn(benchmark::State& state) {
    const orbenza::ChartResult natal = orbenza::runChart(orbenza::delhi1985Input());
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::solarReturn(natal, 2025));
}
BENCHMARK(BM_SolarReturn)->Unit(benchmark::kMicrosecond);

void BM_CompositeAndSynastry(benchmark::State& state) {
    const orbenza::ChartResult a = orbenza::runChart(orbenza::delhi1985Input());
    orbenza::BirthInput second = orbenza::delhi1985Input();
    second.local = {1990, 12, 2, 6, 5, 0};
    const orbenza::ChartResult b = orbenza::runChart(second);
    for (auto _ : state) {
        benchmark::DoNotOptimize(orbenza::compositeChart(a, b));
        benchmark::DoNotOptimize(
            orbenza::synastryAspects(a, b, orbenza::AspectSet::Major, orbenza::OrbTable{}));
    }
}
BENCHMARK(BM_CompositeAndSynastry)->Unit(benchmark::kMicrosecond);

} // namespace
