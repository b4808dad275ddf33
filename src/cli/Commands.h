// What orbenza-cli does once its options are read: one chart, or a batch.
// main.cpp declares the options and hands their values here.
#pragma once

#include "AtlasOptions.h"
#include "ChartOptions.h"
#include "base/Language.h"
#include "base/Positions.h"
#include "chart/ChartRun.h"

#include <CLI/CLI.hpp>
#include <cstddef>
#include <string>
#include <string_view>

namespace orbenza::cli {

inline constexpr int kExitRefused = 2;

// Prints "orbenza-cli: message" on standard error; a line feed in the
// message starts a new line (a list of candidates), every other control
// character and any byte that is not UTF-8 is escaped. Returns kExitRefused.
int printError(const std::string& message);

// Writes the text to standard output in one piece; a failed write (a full
// disk, a closed output) is reported in the single chart's words. Returns 0 or
// kExitRefused.
int writeOut(std::string_view text);

// "1 chart", "2 charts".
std::string counted(std::size_t count, const char* one, const char* many);

struct ChartCommand {
    ChartOptionTexts texts;
    AtlasOptionTexts atlas;
    bool fromAtlas = false;      // --place or --tz give the clock time
    std::string format = "text"; // text, json, rtf or svg
    std::string output;          // empty: standard output
    bool withReport = true;
    Positions positions = Positions::Classic;
    ChartChoices choices;                  // --houses, --aspects, --orbs
    Language language = Language::English; // --lang: the words of text, rtf and svg
};

// The output target is opened (and so checked) before the chart is computed;
// a failed write, to a file or to standard output, is reported with status 2.
int runChartCommand(const ChartCommand& command);

struct BatchCommand {
    std::string input; // a file, or - for standard input
    std::string format = "json";
    unsigned jobs = 1; // 0: one per processor
    std::string output;
    bool withReport = true;
    Positions positions = Positions::Classic;
    bool withWindows = false; // --windows: each chart's birth-time windows in its JSON line
    ChartChoices choices;     // --houses, --aspects, --orbs
};

int runBatchCommand(const BatchCommand& command);

// --find-place: the atlas's places for a text, as text or json ("json"), to
// standard output or to the file output names.
int runFindPlace(const std::string& text, const std::string& format, const std::string& output);
// Declares --houses, --aspects and --orbs on a command line (the single chart,
// the batch and library add share them).
void addChartChoiceOptions(CLI::App& app, std::string& houses, std::string& aspects,
                           std::string& orbsFile);

// Declares --lang CODE: the language of the text, rtf and svg output (json
// stays English), one of the codes of base/Language.h; "en" by default.
CLI::Option* addLanguageOption(CLI::App& app, std::string& code);

// The language of a code --lang accepted; English for any other.
Language languageOfOption(const std::string& code);

// The chart choices of --houses NAME, --aspects major|all and --orbs FILE (a
// JSON object of aspect name to orb in degrees, 0 to 30); an empty text
// keeps the default. The error names the option and what was wrong.
Parsed<ChartChoices> parseChartChoices(const std::string& houses, const std::string& aspects,
                                       const std::string& orbsFile);

} // namespace orbenza::cli
