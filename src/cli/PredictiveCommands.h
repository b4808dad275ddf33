// The chart in time on the command line:
//
//   orbenza-cli transits CHART --from YYYY-MM-DD --to YYYY-MM-DD [--moon]
//   orbenza-cli progressed CHART --on YYYY-MM-DD
//   orbenza-cli return CHART --year YYYY [--body sun|moon] [--month MM] [--place TEXT]
//   orbenza-cli library synastry ID ID
//   orbenza-cli library composite ID ID
//
// where CHART is the single chart's options or --library-id ID, each with
// --format text|json|svg and --output FILE.
#pragma once

#include "store/ChartLibrary.h"

#include <CLI/CLI.hpp>
#include <string>

namespace orbenza::cli {

// Whether the command line's first word is transits, progressed or return.
bool asksForPredictive(int argc, char** argv);

// Runs one of them; argv[0] is the command's word. Exit status 0 done, 2 for
// refused options or a chart that cannot be drawn.
int runPredictiveCommand(int argc, char** argv);

// library synastry ID ID and library composite ID ID.
struct PairOptions {
    std::string first, second; // the charts' numbers as typed
    std::string format = "text";
    std::string output;
    std::string report = "runs";
    std::string houses, aspects, orbsFile;
};

// Declares the two subcommands on the library's command line; the options of
// whichever is given land in the one PairOptions.
struct PairCommands {
    CLI::App* synastry = nullptr;
    CLI::App* composite = nullptr;
    PairOptions options;
};
void declarePairCommands(CLI::App& library, PairCommands& commands);

// Runs the one given (composite or synastry) on an open library.
int runPairCommand(store::ChartLibrary& library, const PairCommands& commands);

} // namespace orbenza::cli
