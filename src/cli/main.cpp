// orbenza-cli: the natal chart on the command line.
//
//   orbenza-cli --name NAME --date YYYY-MM-DD --time HH:MM --zone POS
//               --lon DDD:MM(E|W) --lat DD:MM(N|S) [--dst] [--format text|json|rtf|svg]
//               [--report runs|none] [--positions classic|precise] [--output FILE]
//               [--houses SYSTEM] [--aspects major|all] [--orbs FILE] [--lang CODE]
//   orbenza-cli --batch FILE|- [--format json|csv] [--report runs|none] [--jobs N]
//               [--positions classic|precise] [--windows] [--output FILE]
//               [--houses SYSTEM] [--aspects major|all] [--orbs FILE]
//   orbenza-cli library list|show|add|remove|import|export ... (see LibraryCommands.h)
//   orbenza-cli transits|progressed|return ... (see PredictiveCommands.h)
//
// Exit status: 0 for a chart, 2 for a refused or malformed input. A batch
// exits 0 when every row was charted, 1 when some rows were refused and 2
// when its input or header cannot be read or its output cannot be written.

#include "AtlasOptions.h"
#include "ByteSink.h"
#include "Commands.h"
#include "LibraryCommands.h"
#include "ManPage.h"
#include "PredictiveCommands.h"
#include "base/Version.h"
#include "base/YearRange.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <cstring>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

constexpr const char* kBatchHelp =
    R"(Batch: --batch FILE (- for standard input) reads CSV whose header names the
columns name,date,time,zone,lon,lat,dst (any order, any case), one chart per
row, each field in the form of the option of the same name (blanks around
all but the name ignored); dst is empty, 0, false or no for off and 1, true or
yes for on. In place of zone,lon,lat,dst a header may name place (an atlas
place, as --place) or tz,lon,lat (an IANA zone, as --tz), each with an optional
fold column (earlier, later or empty, as --fold). Quoted fields, CRLF or LF line ends and a byte order mark are
accepted, blank lines skipped. The output keeps
the input order: one compact JSON object per line (as --format json, with its
Place for rows of place or tz), or with
--format csv a header and per chart the name, the positions Sun..Pluto and
Asc, their labels (retrograde planets marked " (R) "), the houses Sun..Pluto,
the input line and an empty error column. A row that cannot be charted gives
{"line":N,"error":"..."} (CSV: its name, line and error, the chart columns
empty) and "line N: ..." on standard error; the other rows are still charted.
N is the line of the input where the row starts, the header being line 1.
--jobs N charts on N threads (0, or more than there are processors: one per
processor) with the same output.
Batch exit status: 0 every row charted, 1 some rows refused, 2 the input or
its header could not be read or the output could not be written.

--format svg writes the chart's degree wheel as an SVG picture: the zodiac
turned so the Ascendant stands at the left, the equal houses of the report,
every body at its degree. It draws one chart; a batch refuses it.
)";

// Whether the command line asks for a batch, seen before parsing so that the
// single chart's required --name is not asked of a batch.
bool asksForBatch(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--batch") == 0 || std::strncmp(argv[i], "--batch=", 8) == 0)
            return true;
    }
    return false;
}

// Refuses a value that looks like an option, such as the "--date" of
// "--name --date 1985-06-15": the value was most likely forgotten.
CLI::Validator notAnOption() {
    return CLI::Validator(
        [](std::string& value) -> std::string {
            const bool looksLikeOption = value.size() > 1 && value[0] == '-' &&
                                         (value[1] == '-' || (value[1] >= 'a' && value[1] <= 'z') ||
                                          (value[1] >= 'A' && value[1] <= 'Z'));
            if (looksLikeOption)
                return "the value " + orbenza::quotedForMessage(value) +
                       " looks like an option; was the value left out?";
            return {};
        },
        "", "not an option");
}

CLI::Validator notEmpty() {
    return CLI::Validator(
        [](std::string& value) -> std::string {
            return value.empty() ? "needs a file name" : std::string{};
        },
        "", "not empty");
}

} // namespace

int main(int argc, char** argv) {
    using namespace orbenza::cli;
    if (asksForLibrary(argc, argv))
        return runLibraryCommand(argc - 1, argv + 1);
    if (asksForPredictive(argc, argv))
        return runPredictiveCommand(argc - 1, argv + 1);
    CLI::App app{"Orbenza: the natal chart of a birth, on the command line.", "orbenza-cli"};
    app.set_version_flag("--version", "orbenza-cli " + std::string(orbenza::kVersion));

    // A repeated option takes its last value, as most command lines do.
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);

    ChartCommand chart;
    BatchCommand batchCommand;
    std::string format = "text";
    std::string report = "runs";
    std::string output;
    const bool batch = asksForBatch(argc, argv);

    // One chart's birth details.
    ChartOptionTexts& texts = chart.texts;
    std::vector<CLI::Option*> chartOptions;
    chartOptions.push_back(app.add_option("--name", texts.name, "The person's name")
                               ->required(!batch && !asksForPlaceList(argc, argv)));
    chartOptions.push_back(app.add_option("--date", texts.date,
                                          "Date of birth, YYYY-MM-DD (" +
                                              std::to_string(orbenza::kFirstYear) + " to " +
                                              std::to_string(orbenza::kLastYear) + ")")
                               ->capture_default_str());
    chartOptions.push_back(
        app.add_option("--time", texts.time, "Local clock time of birth, HH:MM or HH:MM:SS")
            ->capture_default_str());
    chartOptions.push_back(
        app.add_option("--zone", texts.zone,
                       "Time zone: list position 0-70 or an abbreviation such as IST")
            ->capture_default_str());
    chartOptions.push_back(
        app.add_option("--lon", texts.longitude, "Longitude, DDD:MM followed by E or W")
            ->capture_default_str());
    chartOptions.push_back(
        app.add_option("--lat", texts.latitude, "Latitude, DD:MM followed by N or S")
            ->capture_default_str());
    chartOptions.push_back(
        app.add_flag("--dst", texts.daylightSaving, "Daylight saving time was in force"));

    // What is written, and where.
    CLI::Option* formatOption =
        app.add_option(
               "--format", format,
               "Output form; svg draws the degree wheel; a batch writes json (the default) or csv")
            ->check(CLI::IsMember({"text", "json", "rtf", "svg", "csv"}))
            ->capture_default_str();
    app.add_option("--report", report,
                   "runs: the interpretation report with the chart (text, json); none: the "
                   "chart alone")
        ->check(CLI::IsMember({"runs", "none"}))
        ->capture_default_str();
    std::string positionsText(orbenza::positionsName(orbenza::kDefaultPositions));
    app.add_option("--positions", positionsText,
                   "Source of the positions: classic (the built-in method) or precise "
                   "(series fitted to the JPL ephemeris, within an arcsecond)")
        ->check(CLI::IsMember({"classic", "precise"}))
        ->capture_default_str();
    app.add_option("--output", output, "Write to this file instead of standard output")
        ->check(notEmpty());
    std::string languageCode = "en";
    CLI::Option* languageOption = addLanguageOption(app, languageCode);
    std::string housesText;
    std::string aspectsText;
    std::string orbsFile;
    addChartChoiceOptions(app, housesText, aspectsText, orbsFile);

    // The batch.
    CLI::Option* batchOption =
        app.add_option("--batch", batchCommand.input,
                       "Chart every row of this CSV file (- for standard input)")
            ->type_name("FILE");
    for (CLI::Option* option : chartOptions)
        batchOption->excludes(option);
    batchOption->excludes(languageOption);
    app.add_option("--jobs", batchCommand.jobs,
                   "Threads for a batch, 0 for one per processor (never more)")
        ->type_name("N")
        ->check(CLI::Range(0u, 1024u))
        ->needs(batchOption)
        ->capture_default_str();
    app.add_flag("--windows", batchCommand.withWindows,
                 "Each JSON line carries the birth-time windows (AscendantWindow, HouseWindow); "
                 "a single chart always has them")
        ->needs(batchOption);

    // The birth place from the atlas.
    AtlasOptionTexts& atlasTexts = chart.atlas;
    std::string findPlace;
    CLI::Option* placeOption = app.add_option(
        "--place", atlasTexts.place,
        "Birth place from the atlas (\"Springfield, Illinois\"): its coordinates and clock time");
    CLI::Option* tzOption = app.add_option(
        "--tz", atlasTexts.tz, "IANA time zone (Europe/Madrid) whose history gives the clock time");
    CLI::Option* foldOption = app.add_option(
        "--fold", atlasTexts.fold, "earlier or later: which of a clock time that happened twice");
    CLI::Option* findOption =
        app.add_option("--find-place", findPlace, "List up to 20 atlas places matching a text");
    for (CLI::Option* option : {placeOption, tzOption, foldOption, findOption})
        batchOption->excludes(option);

    for (CLI::Option* option : app.get_options()) {
        if (option->get_expected_max() > 0 && option->get_name() != "--jobs")
            option->check(notAnOption());
    }
    app.footer(kBatchHelp);
    if (asksForManPage(argc, argv))
        return printManPage(app,
                            {"orbenza-cli",
                             "orbenza-cli",
                             "orbenza-cli " + std::string(orbenza::kVersion),
                             {"orbenza-cli-library(1)", "orbenza-cli-transits(1)",
                              "orbenza-cli-progressed(1)", "orbenza-cli-return(1)", "orbenza(1)"},
                             {".B orbenza\\-cli library\n\\fICOMMAND\\fR ... (see "
                              "\\fBorbenza\\-cli\\-library\\fR(1))",
                              ".B orbenza\\-cli transits\\fR|\\fBprogressed\\fR|\\fBreturn\n"
                              "\\fICHART\\fR ... (see \\fBorbenza\\-cli\\-transits\\fR(1), "
                              "\\fBorbenza\\-cli\\-progressed\\fR(1), "
                              "\\fBorbenza\\-cli\\-return\\fR(1))"}});

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::CallForVersion& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return printError(orbenza::printableText(e.what())); // it may echo a value's line breaks
    }

    const auto choices = parseChartChoices(housesText, aspectsText, orbsFile);
    if (const auto* error = std::get_if<OptionError>(&choices))
        return printError(error->message);
    chart.choices = batchCommand.choices = std::get<orbenza::ChartChoices>(choices);
    // A batch's lines carry the houses and aspects when asked for, as they
    // carry the windows with --windows; a single chart always has them.
    batchCommand.choices.housesAndAspects =
        !housesText.empty() || !aspectsText.empty() || !orbsFile.empty();

    const bool withReport = report == "runs";
    // The report's aspect section is the single chart's in a batch too.
    batchCommand.choices.aspectsForReport = withReport;
    if (batch) {
        if (formatOption->count() == 0)
            format = "json";
        if (format == "svg")
            return printError("--format svg draws one chart; --batch writes json or csv");
        if (format != "json" && format != "csv")
            return printError("--batch writes json or csv, not " + format);
        batchCommand.format = format;
        batchCommand.output = output;
        batchCommand.withReport = withReport;
        batchCommand.positions =
            orbenza::positionsNamed(positionsText).value_or(orbenza::kDefaultPositions);
        if (batchCommand.withWindows && format != "json")
            return printError("--windows adds the birth-time windows to json lines, not to " +
                              format);
        return runBatchCommand(batchCommand);
    }
    if (findOption->count() > 0) {
        // A list of places draws no chart: the chart's options are refused,
        // not ignored.
        for (CLI::Option* option : app.get_options()) {
            if (option != findOption && option != formatOption && option->count() > 0 &&
                option->get_name() != "--output")
                return printError("--find-place lists places; " + option->get_name() +
                                  " is for a chart and cannot be given with it");
        }
        if (format != "text" && format != "json")
            return printError("--find-place writes text or json, not " + format);
        return runFindPlace(findPlace, format, output);
    }
    chart.fromAtlas = placeOption->count() > 0 || tzOption->count() > 0;
    if (const auto clash = atlasOptionClash(app))
        return printError(*clash);
    if (format == "csv")
        return printError("--format csv needs --batch");
    if (!withReport && (format == "rtf" || format == "svg"))
        return printError("--report none leaves the report out of text and json; --format " +
                          format + " has no report to leave out");
    chart.format = format;
    chart.output = output;
    chart.withReport = withReport;
    chart.positions = orbenza::positionsNamed(positionsText).value_or(orbenza::kDefaultPositions);
    chart.language = languageOfOption(languageCode);
    return runChartCommand(chart);
}
