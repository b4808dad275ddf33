// Timing of the interpretation report: houses, report runs and
// the Rich Text of the report. Target: houses and runs of one chart under 2 us
// (median of the repetitions).
#include "RichTextReader.h"
#include "SampleChart.h"
#include "report/HouseReport.h"
#include "report/RichText.h"

#include <benchmark/benchmark.h>

namespace {

void BM_PlaceHouses(benchmark::State& state) {
    const auto indexes = orbenza::sampleDegreeIndexes();
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::placeHousesAt(indexes));
}
BENCHMARK(BM_PlaceHouses);

// Houses and report runs of one chart: the figure the 2 us target applies to.
void BM_HouseReport(benchmark::State& state) {
    const auto indexes = orbenza::sampleDegreeIndexes();
    for (auto _ : state) {
        std::vector<orbenza::ReportRun> runs =
            orbenza::houseReport(orbenza::placeHousesAt(indexes));
        benchmark::DoNotOptimize(runs.data());
    }
}
BENCHMARK(BM_HouseReport)->Repetitions(10)->ReportAggregatesOnly(true);

void BM_ReportRichText(benchmark::State& state) {
    const std::vector<orbenza::ReportRun> runs = orbenza::houseReport(orbenza::samplePlacement());
    for (auto _ : state) {
        std::string rtf = orbenza::reportToRichText(runs);
        benchmark::DoNotOptimize(rtf.data());
    }
}
BENCHMARK(BM_ReportRichText);

void BM_RichTextReadBack(benchmark::State& state) {
    const std::string rtf =
        orbenza::reportToRichText(orbenza::houseReport(orbenza::samplePlacement()));
    for (auto _ : state) {
        std::string text = orbenza::richTextToPlainText(rtf);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_RichTextReadBack);

} // namespace
