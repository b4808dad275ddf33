// The cost of one chart: the whole run from birth details to the eleven
// position texts, and its parts.
#include "Delhi1985.h"
#include "chart/ChartRun.h"
#include "chart/TimeZones.h"
#include "moon/MoonPosition.h"
#include "positions/Ascendant.h"
#include "positions/PlanetLongitudes.h"

#include <benchmark/benchmark.h>

namespace {

void BM_WholeChartRun(benchmark::State& state) {
    const orbenza::BirthData birth = orbenza::delhi1985Birth();
    const orbenza::UtCorrection correction = orbenza::Zone_Calculation(34, {});
    for (auto _ : state)
        benchmark::DoNotOptimize(
            orbenza::computeChart(birth, correction, orbenza::Positions::Classic));
}
BENCHMARK(BM_WholeChartRun);

void BM_Moon(benchmark::State& state) {
    const orbenza::BirthData birth = orbenza::delhi1985Birth();
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::Moon_Calculation(birth, {-5, -30}));
}
BENCHMARK(BM_Moon);

void BM_Ascendant(benchmark::State& state) {
    const orbenza::BirthData birth = orbenza::delhi1985Birth();
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::Ascendant_Calculation(birth, {-5, -30}));
}
BENCHMARK(BM_Ascendant);

void BM_NinePlanetLongitudes(benchmark::State& state) {
    for (auto _ : state) {
        for (int body = 0; body < orbenza::kElementBodyCount; ++body)
            benchmark::DoNotOptimize(orbenza::Planet_Longitude(body, -5313.125));
    }
}
BENCHMARK(BM_NinePlanetLongitudes);

} // namespace
