// The cost of a chart's birth-time windows: both windows, each end scanned in
// chart runs and bisected to the second.
#include "chart/ChartRun.h"
#include "chart/TimeZones.h"
#include "windows/BirthTimeWindows.h"

#include <benchmark/benchmark.h>

namespace {

orbenza::ChartResult chartOf(int hour, int minute, int latitudeDeg) {
    orbenza::BirthData b;
    b.name = "ANNA";
    b.birthYear = 1985;
    b.birthMonth = 6;
    b.birthDay = 15;
    b.birthHour = static_cast<std::int16_t>(hour);
    b.birthMinute = static_cast<std::int16_t>(minute);
    b.longitudeDegrees = 77;
    b.longitudeMinutes = 13;
    b.latitudeDegrees = static_cast<std::int16_t>(latitudeDeg);
    b.isEast = orbenza::kTrue16;
    return orbenza::computeChart(b, orbenza::zoneCalculation(34, {}), orbenza::Positions::Classic);
}

// Delhi, 15 June 1985 14:30.
void bmBirthTimeWindows(benchmark::State& state) {
    const orbenza::ChartResult chart = chartOf(14, 30, 28);
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::birthTimeWindows(chart));
}
BENCHMARK(bmBirthTimeWindows);

// The average over births every 20 minutes of one day at latitude 28° N.
void bmBirthTimeWindowsDayAverage(benchmark::State& state) {
    std::vector<orbenza::ChartResult> charts;
    for (int m = 0; m < 24 * 60; m += 20)
        charts.push_back(chartOf(m / 60, m % 60, 28));
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(orbenza::birthTimeWindows(charts[i]));
        i = (i + 1) % charts.size();
    }
}
BENCHMARK(bmBirthTimeWindowsDayAverage);

} // namespace
