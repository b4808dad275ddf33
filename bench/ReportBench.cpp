// Timing of the interpretation report: degree lookup, houses, report runs and
// the Rich Text of the report. Target: houses and runs of one chart under 2 us
// (median of the repetitions).
#include "RichTextReader.h"
#include "report/HouseReport.h"
#include "report/RichText.h"

#include <benchmark/benchmark.h>

namespace {

// A chart with all ten planets spread over several houses.
const orbenza::ChartPositions& sampleChart() {
    static const orbenza::ChartPositions positions = {
        "16 Sag 02", "03 Pis 41", "29 Sco 59", "00 Cap 00", "12 Vir 18", "07 Gem 33",
        "21 Aqu 09", "18 Sco 47", "25 Sag 12", "01 Lib 30", "22 Leo 15"};
    return positions;
}

void bmDegreeIndexOfPrefix(benchmark::State& state) {
    const auto& positions = sampleChart();
    for (auto _ : state) {
        int sum = 0;
        for (const std::string& text : positions)
            sum += orbenza::degreeIndexOfPrefix(text);
        benchmark::DoNotOptimize(sum);
    }
}
BENCHMARK(bmDegreeIndexOfPrefix);

void bmPlaceHouses(benchmark::State& state) {
    const auto& positions = sampleChart();
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::placeHouses(positions));
}
BENCHMARK(bmPlaceHouses);

// Houses and report runs of one chart: the figure the 2 us target applies to.
void bmHouseReport(benchmark::State& state) {
    const auto& positions = sampleChart();
    for (auto _ : state) {
        std::vector<orbenza::ReportRun> runs = orbenza::houseReport(positions);
        benchmark::DoNotOptimize(runs.data());
    }
}
BENCHMARK(bmHouseReport)->Repetitions(10)->ReportAggregatesOnly(true);

void bmReportRichText(benchmark::State& state) {
    const std::vector<orbenza::ReportRun> runs = orbenza::houseReport(sampleChart());
    for (auto _ : state) {
        std::string rtf = orbenza::reportToRichText(runs);
        benchmark::DoNotOptimize(rtf.data());
    }
}
BENCHMARK(bmReportRichText);

void bmRichTextReadBack(benchmark::State& state) {
    const std::string rtf = orbenza::reportToRichText(orbenza::houseReport(sampleChart()));
    for (auto _ : state) {
        std::string text = orbenza::richTextToPlainText(rtf);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(bmRichTextReadBack);

} // namespace
