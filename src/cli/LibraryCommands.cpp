#include "LibraryCommands.h"

#include "AafCommands.h"
#include "AtlasOptions.h"
#include "AtomicOutput.h"
#include "ByteSink.h"
#include "ByteSource.h"
#include "ChartOptions.h"
#include "ChartOutput.h"
#include "Commands.h"
#include "LibraryCsv.h"
#include "LibraryPlace.h"
#include "ManPage.h"
#include "PredictiveCommands.h"
#include "ProgressMeter.h"
#include "base/Utf8.h"
#include "base/Version.h"
#include "base/YearRange.h"
#include "chart/TimeZones.h"
#include "present/WheelOfChart.h"
#include "store/ChartLibrary.h"
#include "store/RecordChart.h"

#include <CLI/CLI.hpp>
#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>
#include <unistd.h>
#include <vector>

namespace orbenza::cli {

namespace {

// How many refused rows of an import are listed before the rest are counted.
constexpr std::size_t kListedRefusals = 20;

// A chart's number: decimal digits only, so "010" is chart 10, never 8.
Parsed<std::int64_t> chartNumber(const std::string& text) {
    const bool digits = !text.empty() && text.find_first_not_of("0123456789") == std::string::npos;
    if (!digits)
        return OptionError{"the chart number must be written in decimal digits, not " +
                           quotedForMessage(text)};
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size())
        return OptionError{"the chart number " + quotedForMessage(text) + " is out of range"};
    return number;
}

std::string dateText(int year, int month, int day) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", year, month, day);
    return text;
}

std::string coordinateText(int degrees, int minutes, char hemisphere) {
    char text[16];
    std::snprintf(text, sizeof text, "%d:%02d%c", degrees, minutes, hemisphere);
    return text;
}

std::string placeText(const std::string& city, const std::string& state,
                      const std::string& country) {
    std::string place;
    for (const std::string* part : {&city, &state, &country}) {
        if (part->empty())
            continue;
        if (!place.empty())
            place += ", ";
        place += *part;
    }
    return place;
}

nlohmann::ordered_json summaryJson(const store::ChartSummary& s) {
    nlohmann::ordered_json j;
    j["Id"] = s.id;
    j["Name"] = s.name;
    j["Date"] = dateText(s.year, s.month, s.day);
    j["Time"] = clockText(s.hour, s.minute, s.second);
    j["City"] = s.city;
    j["State"] = s.state;
    j["Country"] = s.country;
    return j;
}

nlohmann::ordered_json recordJson(const store::ChartRecord& r) {
    nlohmann::ordered_json j;
    j["Id"] = r.id;
    j["Name"] = r.name;
    j["Date"] = dateText(r.year, r.month, r.day);
    j["Time"] = clockText(r.hour, r.minute, r.second);
    j["Zone"] = r.zonePosition >= 0 ? nlohmann::ordered_json(r.zonePosition) : nullptr;
    j["ZoneText"] =
        r.zonePosition >= 0
            ? std::string(timeZoneEntries()[static_cast<std::size_t>(r.zonePosition)].text)
            : std::string();
    j["UtOffset"] = utOffsetText(r.correctionSeconds);
    j["DaylightSaving"] = r.daylightSaving;
    j["Longitude"] = coordinateText(r.longitudeDegrees, r.longitudeMinutes, r.east ? 'E' : 'W');
    j["Latitude"] = coordinateText(r.latitudeDegrees, r.latitudeMinutes, r.south ? 'S' : 'N');
    j["City"] = r.city;
    j["State"] = r.state;
    j["Country"] = r.country;
    j["AtlasPlace"] = r.atlasPlace;
    j["TimeZone"] = r.atlasZone;
    j["Fold"] = r.atlasFold;
    j["AtlasName"] = r.atlasName;
    j["AtlasState"] = r.atlasState;
    j["AtlasCountry"] = r.atlasCountry;
    const auto degrees = [](const std::optional<double>& value) {
        return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
    };
    j["AtlasLatitude"] = degrees(r.atlasLatitudeDeg);
    j["AtlasLongitude"] = degrees(r.atlasLongitudeDeg);
    j["Positions"] = r.positions;
    j["HouseSystem"] = r.houseSystem;
    j["Note"] = r.note;
    j["Added"] = r.addedAt;
    j["Changed"] = r.changedAt;
    return j;
}

std::string recordText(const store::ChartRecord& r) {
    std::string out;
    // The texts as typed may hold anything; none reaches the terminal raw.
    auto line = [&](const char* label, const std::string& value) {
        out += label;
        out += printableText(value);
        out += '\n';
    };
    line("Chart:          ", std::to_string(r.id));
    line("Name:           ", r.name);
    line("Date of birth:  ", dateText(r.year, r.month, r.day));
    line("Time of birth:  ", clockText(r.hour, r.minute, r.second));
    line("Time zone:      ",
         r.zonePosition >= 0
             ? std::string(timeZoneEntries()[static_cast<std::size_t>(r.zonePosition)].text)
             : std::string("(none of the list)"));
    line("UT offset:      ", utOffsetText(r.correctionSeconds));
    line("Daylight saving:", r.daylightSaving ? " yes" : " no");
    line("Longitude:      ",
         coordinateText(r.longitudeDegrees, r.longitudeMinutes, r.east ? 'E' : 'W'));
    line("Latitude:       ",
         coordinateText(r.latitudeDegrees, r.latitudeMinutes, r.south ? 'S' : 'N'));
    line("City:           ", r.city);
    line("State:          ", r.state);
    line("Country:        ", r.country);
    if (!r.atlasPlace.empty() || !r.atlasZone.empty()) {
        line("Atlas place:    ", r.atlasPlace);
        line("IANA zone:      ", r.atlasZone);
        if (!r.atlasFold.empty())
            line("Fold:           ", r.atlasFold);
    }
    line("Positions:      ", r.positions);
    line("House system:   ", r.houseSystem);
    line("Note:           ", r.note);
    line("Added:          ", r.addedAt);
    line("Changed:        ", r.changedAt);
    return out;
}

// Code points of UTF-8 text: its width in a terminal, near enough.
std::size_t displayWidth(const std::string& text) {
    std::size_t width = 0;
    for (char c : text)
        width += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return width;
}

std::string summariesText(const std::vector<store::ChartSummary>& list) {
    std::size_t idWidth = 2, nameWidth = 4;
    for (const auto& s : list) {
        idWidth = std::max(idWidth, std::to_string(s.id).size());
        nameWidth = std::max(nameWidth, displayWidth(printableText(s.name)));
    }
    std::string out;
    auto row = [&](const std::string& id, const std::string& name, const std::string& when,
                   const std::string& place) {
        out.append(idWidth - std::min(idWidth, id.size()), ' ');
        out += id;
        out += "  ";
        out += name;
        out.append(nameWidth - std::min(nameWidth, displayWidth(name)), ' ');
        out += "  ";
        out += when;
        out.append(when.size() < 19 ? 19 - when.size() : 0, ' ');
        out += "  ";
        out += place;
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        out += '\n';
    };
    row("ID", "NAME", "DATE AND TIME", "PLACE");
    for (const auto& s : list)
        row(std::to_string(s.id), printableText(s.name),
            dateText(s.year, s.month, s.day) + " " + clockText(s.hour, s.minute, s.second),
            printableText(placeText(s.city, s.state, s.country)));
    return out;
}

struct Session {
    std::string libraryPath;
    store::ChartLibrary library;

    // Only a command that stores charts makes a new library file.
    bool open(bool create) {
        const std::string path = libraryPath.empty() ? store::defaultLibraryPath() : libraryPath;
        return create ? library.open(path) : library.openExisting(path);
    }
    int failed() const { return printError(library.error()); }
};

struct AddOptions {
    ChartOptionTexts texts;
    AtlasOptionTexts atlas;
    std::string city, state, country, note;
    std::string positions{positionsName(kDefaultPositions)};
    std::string houses;
};

struct ShowOptions {
    std::string id;
    std::string format = "text";
    std::string report = "runs";
    bool chart = false;
    std::string language = "en";
};

void addAddOptions(CLI::App& add, AddOptions& o) {
    ChartOptionTexts& texts = o.texts;
    add.add_option("--name", texts.name, "The person's name")->required();
    add.add_option("--date", texts.date,
                   "Date of birth, YYYY-MM-DD (" + std::to_string(kFirstYear) + " to " +
                       std::to_string(kLastYear) + ")")
        ->capture_default_str();
    add.add_option("--time", texts.time, "Local clock time of birth, HH:MM or HH:MM:SS")
        ->capture_default_str();
    add.add_option("--zone", texts.zone,
                   "Time zone: list position 0-70 or an abbreviation such as IST")
        ->capture_default_str();
    add.add_option("--lon", texts.longitude, "Longitude, DDD:MM followed by E or W")
        ->capture_default_str();
    add.add_option("--lat", texts.latitude, "Latitude, DD:MM followed by N or S")
        ->capture_default_str();
    add.add_flag("--dst", texts.daylightSaving, "Daylight saving time was in force");
    add.add_option("--city", o.city, "City of birth (with --place: the atlas's)");
    add.add_option("--state", o.state, "State of birth (with --place: the atlas's)");
    add.add_option("--country", o.country, "Country of birth (with --place: the atlas's)");
    add.add_option("--note", o.note, "A note kept with the chart");
    add.add_option("--positions", o.positions,
                   "Source of the positions: classic (the built-in method) or precise")
        ->check(CLI::IsMember({"classic", "precise"}))
        ->capture_default_str();
    add.add_option("--houses", o.houses, "House system the chart is kept with (as --houses)")
        ->check(CLI::IsMember(
            std::vector<std::string>(kHouseSystemNames.begin(), kHouseSystemNames.end())))
        ->type_name("SYSTEM");
    add.add_option("--place", o.atlas.place,
                   "Birth place from the atlas: its coordinates and clock time");
    add.add_option("--tz", o.atlas.tz, "IANA time zone whose history gives the clock time");
    add.add_option("--fold", o.atlas.fold,
                   "earlier or later: which of a clock time that happened twice");
}

int addChart(Session& session, const AddOptions& options, const CLI::App& add) {
    // Checked before the library is touched: a refused chart changes nothing.
    for (const std::string* text :
         {&options.texts.name, &options.city, &options.state, &options.country, &options.note}) {
        if (!isUtf8(*text))
            return printError("the texts must be valid UTF-8");
    }
    if (const auto clash = atlasOptionClash(add))
        return printError(*clash);
    const auto parsed = parseChartOptions(options.texts);
    if (const auto* error = std::get_if<OptionError>(&parsed))
        return printError(error->message);
    const bool fromAtlas = add.count("--place") > 0 || add.count("--tz") > 0;
    auto settled = chartInputOf(std::get<BirthInput>(parsed), options.atlas, fromAtlas);
    if (const auto* error = std::get_if<OptionError>(&settled))
        return printError(error->message);
    auto& [input, place] = std::get<ChartInput>(settled);
    input.positions = positionsNamed(options.positions).value_or(kDefaultPositions);
    if (const auto refusal = checkBirthInput(input)) {
        (void)writeWhole(STDERR_FILENO, std::string(inputProblemMessage(refusal->problem)) + "\n");
        return kExitRefused;
    }
    // A place from the atlas names the city, state and country not given.
    const bool named = place && !place->label.empty();
    auto given = [&](const char* option, const std::string& text, const std::string& atlasText) {
        return add.count(option) > 0 || !named ? text : atlasText;
    };
    store::ChartRecord record =
        store::recordOfInput(input, given("--city", options.city, named ? place->name : ""),
                             given("--state", options.state, named ? place->state : ""),
                             given("--country", options.country, named ? place->country : ""));
    record.houseSystem = std::string(
        houseSystemName(houseSystemNamed(options.houses).value_or(kDefaultHouseSystem)));
    if (place)
        keepPlaceInRecord(record, *place);
    record.note = options.note;
    if (!session.open(true) || !session.library.add(record))
        return session.failed();
    return writeOut("added chart " + std::to_string(record.id) + "\n");
}

int importCharts(Session& session, const std::string& file) {
    FileSource source;
    if (!source.open(file))
        return printError(source.error());
    LibraryCsvRead read;
    {
        ProgressMeter progress("rows", ProgressMeter::standardError());
        read = readLibraryCsv(source, programAtlas, &progress);
    } // the line is erased before the refusals are listed
    if (!read.failure.empty())
        return printError(file + ": " + read.failure);
    if (!read.refusals.empty()) {
        std::string listed;
        for (std::size_t i = 0; i < read.refusals.size() && i < kListedRefusals; ++i)
            listed += printableText(file + ": " + read.refusals[i]) + "\n";
        if (read.refusals.size() > kListedRefusals)
            listed += printableText(file) + ": " +
                      counted(read.refusals.size() - kListedRefusals, "more row", "more rows") +
                      " refused\n";
        (void)writeWhole(STDERR_FILENO, listed);
        return printError(file + ": " + counted(read.refusals.size(), "row", "rows") +
                          " refused; nothing was imported");
    }
    if (!session.open(true) || !session.library.addAll(read.records))
        return session.failed();
    return writeOut("imported " + counted(read.records.size(), "chart", "charts") + "\n");
}

int listCharts(store::ChartLibrary& library, const std::string& format) {
    const auto summaries = library.summaries();
    if (library.fault() != store::LibraryFault::None)
        return printError(library.error());
    if (format == "json") {
        nlohmann::ordered_json array = nlohmann::ordered_json::array();
        for (const auto& s : summaries)
            array.push_back(summaryJson(s));
        return writeOut(array.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n");
    }
    return writeOut(summariesText(summaries));
}

// Why the show options do not go together, or nothing.
std::optional<std::string> showOptionClash(const ShowOptions& options) {
    const bool drawn = options.format == "rtf" || options.format == "svg";
    if (!options.chart && drawn)
        return "--format " + options.format + " needs --chart";
    if (!options.chart && options.report != "runs")
        return std::string("--report needs --chart");
    if (options.report == "none" && drawn)
        return "--report none leaves the report out of text and json; --format " + options.format +
               " has no report to leave out";
    return std::nullopt;
}

int showChart(store::ChartLibrary& library, std::int64_t id, const ShowOptions& options) {
    const auto record = library.get(id);
    if (!record)
        return printError(library.error());
    const auto dump = [](const nlohmann::ordered_json& json) {
        return json.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) + "\n";
    };
    if (!options.chart)
        return writeOut(options.format == "json" ? dump(recordJson(*record)) : recordText(*record));
    const auto drawn = store::chartOfRecord(*record);
    if (const auto* problem = std::get_if<store::RecordProblem>(&drawn))
        return printError("chart " + std::to_string(id) +
                          " cannot be drawn: " + recordProblemMessage(*problem));
    ChartResult chart = std::get<ChartResult>(std::move(drawn));
    const Language language = languageOfOption(options.language);
    if (options.format == "rtf")
        return writeOut(chartRichText(chart, {}, language));
    // The degree wheel, 800 pixels wide as the single chart writes it.
    if (options.format == "svg")
        return writeOut(degreeWheelSvg(chart, 800.0, language));
    // The same chart as the single chart gives, windows and place included.
    const bool withReport = options.report == "runs";
    addBirthTimeWindows(chart);
    if (options.format == "json") {
        const auto place = placeOfRecord(*record);
        return writeOut(chartJson(chart, withReport, place ? &*place : nullptr).dump(2) + "\n");
    }
    return writeOut(chartText(chart, withReport, {}, language));
}

int exportCharts(store::ChartLibrary& library, const std::string& file, const std::string& format) {
    // The target is checked before the library is read.
    AtomicFileSink sink;
    if (!file.empty() && !sink.open(file))
        return printError(sink.error());
    const auto records = library.all();
    if (library.fault() != store::LibraryFault::None)
        return printError(library.error());
    if (format == "aaf")
        return exportAafFile(records, file);
    std::string csv = libraryCsvHeader();
    {
        // Progress on a terminal that the charts themselves do not scroll past.
        ProgressMeter::Environment terminal = ProgressMeter::standardError();
        terminal.terminal = terminal.terminal && (!file.empty() || ::isatty(STDOUT_FILENO) != 1);
        ProgressMeter progress("charts", std::move(terminal));
        for (std::size_t i = 0; i < records.size(); ++i) {
            appendRecordCsv(csv, records[i]);
            if ((i + 1) % 256 == 0)
                progress.update(i + 1,
                                static_cast<double>(i + 1) / static_cast<double>(records.size()));
        }
    }
    if (file.empty())
        return writeOut(csv);
    if (!sink.write(csv) || !sink.commit())
        return printError(sink.error());
    return 0;
}

// The subcommands and the values their options take.
struct LibraryCommandLine {
    CLI::App *list = nullptr, *show = nullptr, *add = nullptr, *remove = nullptr, *import = nullptr,
             *exportCommand = nullptr;
    std::string listFormat = "text";
    ShowOptions showOptions;
    AddOptions addOptions;
    std::string removeId, importFile, exportFile;
    std::string importFormat = "csv", exportFormat = "csv";
    PairCommands pairs; // synastry and composite
};

void declareCommands(CLI::App& app, LibraryCommandLine& line) {
    line.list = app.add_subcommand("list", "List every chart: number, name, date and time, place");
    line.list->add_option("--format", line.listFormat, "text or json")
        ->check(CLI::IsMember({"text", "json"}))
        ->capture_default_str();

    ShowOptions& show = line.showOptions;
    line.show = app.add_subcommand("show", "Show one chart's record, or with --chart the "
                                           "chart itself");
    line.show->add_option("ID", show.id, "The chart's number")->required();
    line.show->add_flag("--chart", show.chart, "Print the chart as a single chart does");
    line.show->add_option("--format", show.format, "text or json; with --chart also rtf or svg")
        ->check(CLI::IsMember({"text", "json", "rtf", "svg"}))
        ->capture_default_str();
    line.show
        ->add_option("--report", show.report,
                     "With --chart, runs: the interpretation report with the chart (text, "
                     "json); none: the chart alone")
        ->check(CLI::IsMember({"runs", "none"}))
        ->capture_default_str();
    addLanguageOption(*line.show, show.language);

    line.add = app.add_subcommand("add", "Compute a chart and keep it in the library");
    addAddOptions(*line.add, line.addOptions);

    line.remove = app.add_subcommand("remove", "Remove one chart");
    line.remove->add_option("ID", line.removeId, "The chart's number")->required();

    line.import = app.add_subcommand(
        "import", "Add the charts of a CSV file (as export writes, or a batch file); a file "
                  "with any refused row adds nothing");
    line.import->add_option("FILE", line.importFile, "The CSV file, - for standard input")
        ->required();
    line.import
        ->add_option("--format", line.importFormat,
                     "csv, or aaf (#A93/#B93 records: the charts that can be read are added, "
                     "the others listed)")
        ->check(CLI::IsMember({"csv", "aaf"}))
        ->capture_default_str();

    line.exportCommand =
        app.add_subcommand("export", "Write every chart as CSV, in the form import reads");
    line.exportCommand->add_option("--output", line.exportFile,
                                   "Write to this file instead of standard output");
    line.exportCommand->add_option("--format", line.exportFormat, "csv, or aaf (#A93/#B93 records)")
        ->check(CLI::IsMember({"csv", "aaf"}))
        ->capture_default_str();
    declarePairCommands(app, line.pairs);
}

} // namespace

bool asksForLibrary(int argc, char** argv) {
    return argc > 1 && std::strcmp(argv[1], "library") == 0;
}

int runLibraryCommand(int argc, char** argv) {
    CLI::App app{"The chart library: charts kept in one file, listed, shown, added, removed, "
                 "imported and exported.",
                 "orbenza-cli library"};
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    app.require_subcommand(1, 1);
    app.fallthrough();
    Session session;
    app.add_option("--library", session.libraryPath,
                   "The library file (default: $ORBENZA_LIBRARY, else "
                   "$XDG_DATA_HOME/orbenza/charts.sqlite)")
        ->type_name("FILE");
    app.footer("Exit status: 0 done, 2 the library cannot be used (not a library, damaged, "
               "from a newer version, busy, read-only, disk full, not there) or the input was "
               "refused; 1 an AAF import refused some charts and imported the others.");
    LibraryCommandLine line;
    declareCommands(app, line);
    if (asksForManPage(argc, argv))
        return printManPage(app, {"orbenza-cli-library",
                                  "orbenza-cli library",
                                  "orbenza-cli " + std::string(kVersion),
                                  {"orbenza-cli(1)", "orbenza(1)"},
                                  {}});
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return printError(e.what());
    }

    if (line.add->parsed())
        return addChart(session, line.addOptions, *line.add);
    if (line.import->parsed() && line.importFormat == "aaf")
        return importAafFile(line.importFile, session.library, [&] { return session.open(true); });
    if (line.import->parsed())
        return importCharts(session, line.importFile);

    // The others read a library that must be there, and refuse a wrong
    // number before they open it.
    const bool show = line.show->parsed(), remove = line.remove->parsed();
    std::int64_t id = 0;
    if (show || remove) {
        const auto number = chartNumber(show ? line.showOptions.id : line.removeId);
        if (const auto* error = std::get_if<OptionError>(&number))
            return printError(error->message);
        id = std::get<std::int64_t>(number);
    }
    if (show) {
        if (const auto clash = showOptionClash(line.showOptions))
            return printError(*clash);
    }
    if (!session.open(false))
        return session.failed();
    store::ChartLibrary& library = session.library;
    if (line.list->parsed())
        return listCharts(library, line.listFormat);
    if (show)
        return showChart(library, id, line.showOptions);
    if (remove) {
        if (!library.remove(id))
            return session.failed();
        return writeOut("removed chart " + std::to_string(id) + "\n");
    }
    if (line.exportCommand->parsed())
        return exportCharts(library, line.exportFile, line.exportFormat);
    if (line.pairs.synastry->parsed() || line.pairs.composite->parsed())
        return runPairCommand(library, line.pairs);
    return printError("no library command given");
}

} // namespace orbenza::cli
