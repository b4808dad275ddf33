#include "Commands.h"

#include "AtomicOutput.h"
#include "Batch.h"
#include "ByteSink.h"
#include "ChartOutput.h"
#include "OrbsFile.h"
#include "ProgressMeter.h"
#include "present/WheelOfChart.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <unistd.h>
#include <vector>

namespace orbenza::cli {

namespace {

// Width in pixels of the degree wheel written by --format svg; the picture
// scales freely, this is only the size a viewer opens it at.
constexpr double kSvgWidthPixels = 800.0;

// The chart's document; the JSON and the text carry the chart's birth-time
// windows.
std::string chartDocument(const ChartResult& chart, const ChartCommand& command,
                          const std::optional<PlaceClockInfo>& place) {
    if (command.format == "json")
        return chartJson(chart, command.withReport, place ? &*place : nullptr).dump(2) + "\n";
    if (command.format == "rtf")
        return chartRichText(chart, {}, command.language);
    if (command.format == "svg")
        return degreeWheelSvg(chart, kSvgWidthPixels, command.language);
    return chartText(chart, command.withReport,
                     place ? cautionSentence(place->caution, command.language) : std::string(),
                     command.language);
}

} // namespace

void addChartChoiceOptions(CLI::App& app, std::string& houses, std::string& aspects,
                           std::string& orbsFile) {
    std::vector<std::string> names(kHouseSystemNames.begin(), kHouseSystemNames.end());
    app.add_option("--houses", houses,
                   "House system: placidus, koch, porphyry, regiomontanus, campanus, alcabitius, "
                   "topocentric, morinus, meridian, whole-sign, equal-asc, equal-mc or equal "
                   "(the default: 30 whole degrees from the Ascendant's degree)")
        ->check(CLI::IsMember(names))
        ->type_name("SYSTEM");
    app.add_option("--aspects", aspects, "Aspects listed: major (the default) or all")
        ->check(CLI::IsMember({"major", "all"}));
    app.add_option("--orbs", orbsFile,
                   "JSON file of aspect name to orb in degrees, e.g. {\"trine\": 6}; the Sun and "
                   "the Moon add 2 to major aspects")
        ->type_name("FILE");
}

CLI::Option* addLanguageOption(CLI::App& app, std::string& code) {
    std::vector<std::string> codes;
    for (const LanguageInfo& language : kLanguages)
        codes.emplace_back(language.code);
    return app
        .add_option("--lang", code,
                    "Language of the text, rtf and svg output: en, de, fr, es, it, pt_BR or hi "
                    "(json stays English)")
        ->check(CLI::IsMember(codes))
        ->type_name("CODE")
        ->capture_default_str();
}

Language languageOfOption(const std::string& code) {
    return languageOfCode(code).value_or(Language::English);
}

Parsed<ChartChoices> parseChartChoices(const std::string& houses, const std::string& aspects,
                                       const std::string& orbsFile) {
    ChartChoices choices;
    if (!houses.empty()) {
        const auto system = houseSystemNamed(houses);
        if (!system) {
            std::string names;
            for (std::string_view name : kHouseSystemNames)
                names += (names.empty() ? "" : ", ") + std::string(name);
            return OptionError{"--houses: " + quotedForMessage(houses) + " is not one of " + names};
        }
        choices.houseSystem = *system;
    }
    if (!aspects.empty()) {
        const auto set = aspectSetNamed(aspects);
        if (!set)
            return OptionError{"--aspects must be major or all, not " + quotedForMessage(aspects)};
        choices.aspectSet = *set;
    }
    if (!orbsFile.empty()) {
        auto orbs = readOrbsFile(orbsFile);
        if (const auto* error = std::get_if<OptionError>(&orbs))
            return *error;
        choices.orbs = std::get<OrbTable>(orbs);
    }
    return choices;
}

int printError(const std::string& message) {
    std::string lines = "orbenza-cli: ";
    for (std::size_t start = 0;;) {
        const std::size_t end = message.find('\n', start);
        lines += printableText(std::string_view(message).substr(start, end - start));
        lines += '\n';
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    (void)writeWhole(STDERR_FILENO, lines); // nowhere left to report a failure
    return kExitRefused;
}

int writeOut(std::string_view text) {
    if (writeWhole(STDOUT_FILENO, text))
        return 0;
    return printError("cannot write the chart to standard output: " +
                      std::string(std::strerror(errno)));
}

std::string counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

int runChartCommand(const ChartCommand& command) {
    const auto parsed = parseChartOptions(command.texts);
    if (const auto* error = std::get_if<OptionError>(&parsed))
        return printError(error->message);

    std::unique_ptr<AtomicFileSink> file;
    if (!command.output.empty()) {
        file = std::make_unique<AtomicFileSink>();
        if (!file->open(command.output))
            return printError(file->error());
    }

    auto settled = chartInputOf(std::get<BirthInput>(parsed), command.atlas, command.fromAtlas);
    if (const auto* error = std::get_if<OptionError>(&settled))
        return printError(error->message);
    auto& [input, place] = std::get<ChartInput>(settled);
    input.positions = command.positions;
    auto outcome = chartOfInput(input, command.choices);
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        const std::string line = std::string(inputProblemMessage(refusal->problem)) + "\n";
        (void)writeWhole(STDERR_FILENO, line);
        return kExitRefused;
    }
    ChartResult& chart = std::get<ChartResult>(outcome);
    // They read the atlas's clock when that set the time, so clock changes
    // inside a window count.
    if (command.format == "json" || command.format == "text")
        addBirthTimeWindows(chart);
    const std::string document = chartDocument(chart, command, place);
    if (file) {
        if (!file->write(document) || !file->commit())
            return printError(file->error());
        return 0;
    }
    if (!writeWhole(STDOUT_FILENO, document))
        return printError("cannot write the chart to standard output: " +
                          std::string(std::strerror(errno)));
    return 0;
}

int runBatchCommand(const BatchCommand& command) {
    BatchOptions options;
    options.format = command.format == "csv" ? BatchFormat::Csv : BatchFormat::JsonLines;
    // More threads than processors chart no faster, and each costs memory.
    const unsigned processors = std::max(1u, std::thread::hardware_concurrency());
    options.jobs = command.jobs != 0 ? std::min(command.jobs, processors) : processors;
    options.withReport = command.withReport;
    options.positions = command.positions;
    options.withWindows = command.withWindows;
    options.choices = command.choices;

    // The output is checked before the input is read: a wrong target is
    // refused at once, not after the whole batch.
    std::unique_ptr<AtomicFileSink> file;
    if (!command.output.empty()) {
        file = std::make_unique<AtomicFileSink>();
        if (!file->open(command.output))
            return printError(file->error());
    }
    FileSource source;
    if (!source.open(command.input))
        return printError(source.error());
    FdSink diagnostics(STDERR_FILENO, "standard error");
    FdSink standardOutput(STDOUT_FILENO, "standard output");
    ByteSink& sink = file ? static_cast<ByteSink&>(*file) : standardOutput;

    // Progress on standard error when it is a terminal that the charts
    // themselves do not scroll past.
    ProgressMeter::Environment terminal = ProgressMeter::standardError();
    terminal.terminal = terminal.terminal && (file || ::isatty(STDOUT_FILENO) != 1);
    ProgressMeter progress("rows", std::move(terminal));
    options.progress = &progress;
    const BatchOutcome outcome = runBatch(source, sink, diagnostics, options);
    progress.finish(); // also when the run failed, before its message
    if (outcome.status == kExitRefused) {
        if (file)
            file->discard();
        return printError(outcome.error);
    }
    if (file && !file->commit())
        return printError(file->error());
    return outcome.status;
}

int runFindPlace(const std::string& text, const std::string& format, const std::string& output) {
    std::unique_ptr<AtomicFileSink> file;
    if (!output.empty()) {
        file = std::make_unique<AtomicFileSink>();
        if (!file->open(output))
            return printError(file->error());
    }
    const atlas::Atlas& places = programAtlas();
    if (!places.available())
        return printError(places.unavailableReason());
    const std::string list =
        format == "json" ? findPlaceJson(places, text).dump(2) + "\n" : findPlaceText(places, text);
    if (file) {
        if (!file->write(list) || !file->commit())
            return printError(file->error());
        return 0;
    }
    if (!writeWhole(STDOUT_FILENO, list))
        return printError("cannot write to standard output: " + std::string(std::strerror(errno)));
    return 0;
}

} // namespace orbenza::cli
