// The cost of a batch: charts per second from CSV rows to JSON lines (or CSV)
// written to a sink that drops them, and the JSON writer against the JSON
// library that it stands in for.
#include "Batch.h"
#include "BatchCsvWriter.h"
#include "BatchRow.h"
#include "ByteFakes.h"
#include "ChartJsonWriter.h"
#include "ChartOutput.h"
#include "CsvReader.h"
#include "JsonText.h"

#include <benchmark/benchmark.h>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

namespace {

// count rows of varied births over the whole date range, every zone and both
// hemispheres; the same rows on every call.
std::string batchRows(int count) {
    std::mt19937 random(20240611);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::string csv = "name,date,time,zone,lon,lat,dst\n";
    char row[160];
    for (int i = 0; i < count; ++i) {
        std::snprintf(row, sizeof row,
                      "Person,%04d-%02d-%02d,%02d:%02d,%d,%d:%02d%c,%d:%02d%c,%s\n",
                      pick(1901, 2050), pick(1, 12), pick(1, 28), pick(0, 23), pick(0, 59),
                      pick(0, 70), pick(0, 179), pick(0, 59), pick(0, 1) ? 'E' : 'W', pick(0, 89),
                      pick(0, 59), pick(0, 1) ? 'N' : 'S', pick(0, 3) == 0 ? "1" : "");
        csv += row;
    }
    return csv;
}

constexpr int kRows = 4096;

void runRows(benchmark::State& state, orbenza::cli::BatchFormat format) {
    const std::string csv = batchRows(kRows);
    orbenza::cli::BatchOptions options;
    options.format = format;
    options.jobs = static_cast<unsigned>(state.range(0));
    if (state.range(1) != 0)
        options.rowsPerJob = static_cast<std::size_t>(state.range(1));
    std::uint64_t bytes = 0;
    for (auto _ : state) {
        orbenza::cli::StringSource input(csv);
        orbenza::cli::NullSink output, diagnostics;
        const auto outcome = orbenza::cli::runBatch(input, output, diagnostics, options);
        if (outcome.status != 0 || outcome.charted != kRows)
            state.SkipWithError("the batch did not chart every row");
        bytes += output.bytes;
    }
    state.SetItemsProcessed(state.iterations() * kRows);
    state.SetBytesProcessed(static_cast<std::int64_t>(bytes));
}

// Charts per second (items_per_second) through the whole batch path: CSV
// reading, option parsing, the chart, its report and the JSON line.
void BM_BatchJsonLines(benchmark::State& state) {
    runRows(state, orbenza::cli::BatchFormat::JsonLines);
}
// Arguments: workers, rows per worker and block (0: the default).
BENCHMARK(BM_BatchJsonLines)
    ->Args({1, 0})
    ->Args({2, 0})
    ->Args({1, 256})
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

void BM_BatchCsv(benchmark::State& state) {
    runRows(state, orbenza::cli::BatchFormat::Csv);
}
BENCHMARK(BM_BatchCsv)->Args({1, 0})->UseRealTime()->Unit(benchmark::kMillisecond);

// The parts of one row, for the chart of the bench rows' first birth.
orbenza::ChartResult firstChart() {
    const std::string csv = batchRows(1);
    orbenza::cli::StringSource input(csv);
    orbenza::cli::CsvReader reader(input);
    orbenza::cli::CsvRecord header, row;
    reader.next(header);
    reader.next(row);
    const auto columns =
        std::get<orbenza::cli::BatchColumns>(orbenza::cli::batchColumns(header.fields));
    const auto entries = std::get<orbenza::BirthInput>(orbenza::cli::batchRowEntries(row, columns));
    return std::get<orbenza::ChartResult>(orbenza::chartOfInput(entries));
}

void BM_RowToChart(benchmark::State& state) {
    const std::string csv = batchRows(1);
    orbenza::cli::StringSource input(csv);
    orbenza::cli::CsvReader reader(input);
    orbenza::cli::CsvRecord header, row;
    reader.next(header);
    reader.next(row);
    const auto columns =
        std::get<orbenza::cli::BatchColumns>(orbenza::cli::batchColumns(header.fields));
    for (auto _ : state) {
        const auto entries = orbenza::cli::batchRowEntries(row, columns);
        benchmark::DoNotOptimize(orbenza::chartOfInput(std::get<orbenza::BirthInput>(entries)));
    }
}
BENCHMARK(BM_RowToChart);

// One line as the batch writes it: with the report (argument 1), or the line
// of --report none with the houses and major aspects (0; a batch with
// --aspects major).
void BM_ChartJsonWriter(benchmark::State& state) {
    const orbenza::ChartResult chart = firstChart();
    orbenza::cli::ChartJsonWriter writer(state.range(0) != 0);
    std::string out;
    for (auto _ : state) {
        out.clear();
        writer.append(out, chart);
        benchmark::DoNotOptimize(out.data());
    }
}
BENCHMARK(BM_ChartJsonWriter)->Arg(1)->Arg(0);

// Numbers of six decimals as a line has them (longitudes, speeds, orbs):
// written directly (argument 1) or by the JSON library's digit generation (0).
void BM_SixDecimalNumbers(benchmark::State& state) {
    std::mt19937_64 random(5);
    std::vector<double> values(4096);
    for (double& value : values)
        value = static_cast<double>(random() % 360000000) / 1e6;
    const bool direct = state.range(0) != 0;
    char text[64];
    for (auto _ : state) {
        for (const double value : values) {
            benchmark::DoNotOptimize(direct ? orbenza::cli::writeSixDecimalNumber(text, value)
                                            : orbenza::cli::writeJsonNumber(text, value));
        }
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
}
BENCHMARK(BM_SixDecimalNumbers)->Arg(0)->Arg(1);

void BM_ChartJsonLibraryDump(benchmark::State& state) {
    const orbenza::ChartResult chart = firstChart();
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::cli::chartJson(chart).dump());
}
BENCHMARK(BM_ChartJsonLibraryDump);

} // namespace
