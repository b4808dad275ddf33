// The chart library: importing a large CSV file into a new library, and
// reading the list the open dialog shows.
#include "Batch.h"
#include "ByteFakes.h"
#include "LibraryCsv.h"
#include "store/ChartLibrary.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>

namespace {

std::string temporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orbenza-bench-XXXXXX");
    if (mkdtemp(pattern.data()) == nullptr)
        std::abort();
    return pattern;
}

// A name of letters only, as the name rule wants, different for every n.
std::string personName(int n) {
    std::string name = "PERSON ";
    do {
        name += static_cast<char>('A' + n % 26);
        n /= 26;
    } while (n > 0);
    return name;
}

// rows of birth details in the library's CSV form, with place texts and notes.
std::string libraryCsv(int rows) {
    std::mt19937 random(7);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::string csv = "name,date,time,zone,lon,lat,dst,city,state,country,note\n";
    char line[256];
    for (int i = 0; i < rows; ++i) {
        std::snprintf(line, sizeof line,
                      "%s,%04d-%02d-%02d,%02d:%02d,%d,%d:%02d%c,%d:%02d%c,%d,City %d,"
                      "State,Country,a note\n",
                      personName(i).c_str(), pick(1901, 2050), pick(1, 12), pick(1, 28),
                      pick(0, 23), pick(0, 59), pick(0, 70), pick(0, 179), pick(0, 59),
                      pick(0, 1) ? 'E' : 'W', pick(0, 89), pick(0, 59), pick(0, 1) ? 'N' : 'S',
                      pick(0, 1), i % 997);
        csv += line;
    }
    return csv;
}

// orbenza-cli library import of 100,000 rows: reading and checking the CSV
// and storing every chart in one transaction in a new library file.
void BM_LibraryImport(benchmark::State& state) {
    const std::string csv = libraryCsv(static_cast<int>(state.range(0)));
    const std::string folder = temporaryFolder();
    int round = 0;
    for (auto _ : state) {
        const std::string path = folder + "/charts-" + std::to_string(round++) + ".sqlite";
        orbenza::cli::StringSource source(csv);
        auto read = orbenza::cli::readLibraryCsv(source);
        orbenza::store::ChartLibrary library;
        if (!read.refusals.empty() || !library.open(path) || !library.addAll(read.records))
            state.SkipWithError("the import failed");
        benchmark::DoNotOptimize(read.records.data());
    }
    std::filesystem::remove_all(folder);
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(BM_LibraryImport)->Arg(100000)->Unit(benchmark::kMillisecond)->UseRealTime();

// The list of 10,000 charts as the open dialog reads it.
void BM_LibrarySummaries(benchmark::State& state) {
    const std::string folder = temporaryFolder();
    orbenza::store::ChartLibrary library;
    orbenza::cli::StringSource source(libraryCsv(static_cast<int>(state.range(0))));
    auto read = orbenza::cli::readLibraryCsv(source);
    if (!library.open(folder + "/charts.sqlite") || !library.addAll(read.records))
        state.SkipWithError("no library");
    for (auto _ : state)
        benchmark::DoNotOptimize(library.summaries());
    library.close();
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_LibrarySummaries)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
