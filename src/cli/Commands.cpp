#include "Commands.h"

#include "AtomicOutput.h"
#include "Batch.h"
#include "ChartOutput.h"
#include "chart/WheelOfChart.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <thread>
#include <unistd.h>

namespace orbenza::cli {

namespace {

// Width in pixels of the degree wheel written by --format svg; the picture
// scales freely, this is only the size a viewer opens it at.
constexpr double kSvgWidthPixels = 800.0;

// The chart's document; its birth-time windows read the atlas's clock when
// that set the time, so clock changes inside a window count.
std::string chartDocument(const ChartResult& chart, const ChartCommand& command,
                          const std::optional<PlaceClockInfo>& place) {
    if (command.format == "json") {
        const BirthTimeWindows windows = birthTimeWindows(chart);
        return chartJson(chart, command.withReport, &windows, place ? &*place : nullptr).dump(2) +
               "\n";
    }
    if (command.format == "rtf")
        return chartRichText(chart);
    if (command.format == "svg")
        return degreeWheelSvg(chart, kSvgWidthPixels);
    const BirthTimeWindows windows = birthTimeWindows(chart);
    return chartText(chart, command.withReport, &windows);
}

} // namespace

int printError(const std::string& message) {
    const std::string line = "orbenza-cli: " + printableText(message) + "\n";
    (void)writeWhole(STDERR_FILENO, line); // nowhere left to report a failure
    return kExitRefused;
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
    const auto outcome = chartOfInput(input);
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        const std::string line = std::string(inputProblemMessage(refusal->problem)) + "\n";
        (void)writeWhole(STDERR_FILENO, line);
        return kExitRefused;
    }
    const ChartResult& chart = std::get<ChartResult>(outcome);
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
    options.jobs =
        command.jobs != 0 ? command.jobs : std::max(1u, std::thread::hardware_concurrency());
    options.withReport = command.withReport;
    options.positions = command.positions;
    options.withWindows = command.withWindows;

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

    const BatchOutcome outcome = runBatch(source, sink, diagnostics, options);
    if (outcome.status == kExitRefused) {
        if (file)
            file->discard();
        return printError(outcome.error);
    }
    if (file && !file->commit())
        return printError(file->error());
    return outcome.status;
}

} // namespace orbenza::cli
