// The open dialog over a library of 10,000 charts: from nothing to the shown
// list, and one keystroke of the filter. Runs on Qt's offscreen platform.
#include "LibraryDialog.h"

#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

struct BenchLibrary {
    std::string folder;
    orbenza::store::ChartLibrary library;

    explicit BenchLibrary(int charts) {
        std::string pattern = (std::filesystem::temp_directory_path() / "orbenza-bench-XXXXXX");
        if (mkdtemp(pattern.data()) == nullptr)
            std::abort();
        folder = pattern;
        std::vector<orbenza::store::ChartRecord> records(static_cast<std::size_t>(charts));
        for (int i = 0; i < charts; ++i) {
            auto& r = records[static_cast<std::size_t>(i)];
            r.name = "PERSON " + std::to_string(i);
            r.year = 1901 + i % 150;
            r.city = "City " + std::to_string(i % 997);
            r.state = "State";
            r.country = "Country";
        }
        if (!library.open(folder + "/charts.sqlite") || !library.addAll(records))
            std::abort();
    }
    ~BenchLibrary() {
        library.close();
        std::filesystem::remove_all(folder);
    }
};

// Reading the library, building the list and showing the dialog.
void bmOpenDialogList(benchmark::State& state) {
    BenchLibrary bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        orbenza::OpenChartDialog dialog(bench.library);
        dialog.show();
        QApplication::processEvents();
        benchmark::DoNotOptimize(dialog.model()->rowCount());
    }
}
BENCHMARK(bmOpenDialogList)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

// One keystroke: the filter box's text grows by a letter and the list is
// narrowed and shown again; the text cycles through typing "person 12" and
// clearing it, so both narrowing and widening are measured.
void bmOpenDialogFilterKeystroke(benchmark::State& state) {
    BenchLibrary bench(static_cast<int>(state.range(0)));
    orbenza::OpenChartDialog dialog(bench.library);
    dialog.show();
    QApplication::processEvents();
    const QString typed = QStringLiteral("person 12");
    qsizetype length = 0;
    for (auto _ : state) {
        length = (length + 1) % (typed.size() + 1);
        dialog.filterBox()->setText(typed.left(length));
        QApplication::processEvents();
    }
}
BENCHMARK(bmOpenDialogFilterKeystroke)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
