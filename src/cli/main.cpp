// orbenza-cli: the natal chart on the command line.
//
//   orbenza-cli --name NAME --date YYYY-MM-DD --time HH:MM --zone POS
//               --lon DDD:MM(E|W) --lat DD:MM(N|S) [--dst] [--format text|json|rtf]
//               [--output FILE]
//
// Exit status: 0 for a chart, 2 for a refused or malformed input.

#include "AtomicFile.h"
#include "ChartOptions.h"
#include "ChartOutput.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <iostream>

namespace {

constexpr int kExitRefused = 2;

int printError(const std::string& message) {
    std::cerr << "orbenza-cli: " << message << '\n';
    return kExitRefused;
}

} // namespace

int main(int argc, char** argv) {
    using namespace orbenza;
    CLI::App app{"Orbenza: the natal chart of a birth, on the command line.", "orbenza-cli"};
    app.set_version_flag("--version", std::string("orbenza-cli ") + ORBENZA_VERSION);

    // A repeated option takes its last value, as most command lines do.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    cli::ChartOptionTexts texts;
    std::string format = "text";
    std::string output;
    app.add_option("--name", texts.name, "The person's name")->required();
    app.add_option("--date", texts.date, "Date of birth, YYYY-MM-DD (1901 to 2050)")
        ->capture_default_str();
    app.add_option("--time", texts.time, "Local clock time of birth, HH:MM")->capture_default_str();
    app.add_option("--zone", texts.zone,
                   "Time zone: list position 0-70 or an abbreviation such as IST")
        ->capture_default_str();
    app.add_option("--lon", texts.longitude, "Longitude, DDD:MM followed by E or W")
        ->capture_default_str();
    app.add_option("--lat", texts.latitude, "Latitude, DD:MM followed by N or S")
        ->capture_default_str();
    app.add_flag("--dst", texts.daylightSaving, "Daylight saving time was in force");
    app.add_option("--format", format, "Output form")
        ->check(CLI::IsMember({"text", "json", "rtf"}))
        ->capture_default_str();
    app.add_option("--output", output, "Write to this file instead of standard output");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return printError(e.what());
    }

    const auto parsed = cli::parseChartOptions(texts);
    if (const auto* error = std::get_if<cli::OptionError>(&parsed))
        return printError(error->message);

    const auto outcome = proceed(std::get<BirthEntries>(parsed), UtCorrection{});
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        std::cerr << refusal->message << '\n';
        return kExitRefused;
    }
    const ChartResult& chart = std::get<ChartResult>(outcome);

    std::string document;
    if (format == "json")
        document = cli::chartJson(chart).dump(2) + "\n";
    else if (format == "rtf")
        document = cli::chartRichText(chart);
    else
        document = cli::chartText(chart);
    if (!output.empty()) {
        std::string error;
        if (!cli::writeFileAtomically(output, document, error))
            return printError(error);
        return 0;
    }
    std::fwrite(document.data(), 1, document.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : printError("cannot write the chart to standard output");
}
