// Timing of the retrograde part of a chart: eight binary searches in the station dates and
// the eleven body labels. Target: under 200 ns per chart (median of the repetitions).
#include "retrograde/Retrograde.h"
#include "retrograde/StationTables.h"

#include <array>
#include <benchmark/benchmark.h>
#include <chrono>

namespace {

struct BirthDate {
    int month, day, year, hour, minute;
};

// Dates with none, some and many retrograde planets, and one outside the tables.
constexpr std::array<BirthDate, 4> Births{{
    {4, 10, 1985, 8, 30}, // Mercury, Venus, Saturn, Uranus, Neptune, Pluto
    {5, 1, 2000, 12, 0},  // Pluto
    {6, 15, 1962, 23, 59},
    {1, 1, 1890, 0, 0}, // before the tables
}};

void bmRetrogradeCalculation(benchmark::State& state) {
    orbenza::loadStations(0); // the dates are converted once, before the first chart
    std::size_t i = 0;
    for (auto _ : state) {
        const BirthDate& b = Births[i++ % Births.size()];
        auto result = orbenza::retrogradeCalculation(b.month, b.day, b.year, b.hour, b.minute);
        benchmark::DoNotOptimize(result);
    }
}
BENCHMARK(bmRetrogradeCalculation)->Repetitions(5)->ReportAggregatesOnly(true);

void bmIsRetrograde(benchmark::State& state) {
    const std::chrono::year_month_day date = std::chrono::year{1985} / 4 / 10;
    orbenza::loadStations(0);
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::isRetrograde(date, "Pluto"));
}
BENCHMARK(bmIsRetrograde);

// The first conversion of all 1,378 periods from their rows (done once per program run).
void bmConvertStationRows(benchmark::State& state) {
    for (auto _ : state) {
        for (std::size_t k = 0; k < 8; ++k) {
            const auto& table = orbenza::StationTables[k];
            for (std::size_t r = 0; r < table.rowCount(); ++r)
                benchmark::DoNotOptimize(orbenza::parseStationRow(table.stationStart[r]));
        }
    }
}
BENCHMARK(bmConvertStationRows);

} // namespace
