#include "LibraryCommands.h"

#include "AtlasOptions.h"
#include "AtomicOutput.h"
#include "ByteSource.h"
#include "ChartOptions.h"
#include "ChartOutput.h"
#include "LibraryCsv.h"
#include "base/Utf8.h"
#include "base/YearRange.h"
#include "chart/TimeZones.h"
#include "chart/WheelOfChart.h"
#include "store/ChartLibrary.h"
#include "store/RecordChart.h"

#include <CLI/CLI.hpp>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <nlohmann/json.hpp>
#include <unistd.h>

namespace orbenza::cli {

namespace {

constexpr int kExitFailed = 2;
// How many refused rows of an import are listed before the rest are counted.
constexpr std::size_t kListedRefusals = 20;

int printError(const std::string& message) {
    std::cerr << "orbenza-cli: " << message << '\n';
    return kExitFailed;
}

int writeOut(const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stdout);
    return std::fflush(stdout) == 0 ? 0 : printError("cannot write to standard output");
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
    j["Positions"] = r.positions;
    j["Note"] = r.note;
    j["Added"] = r.addedAt;
    j["Changed"] = r.changedAt;
    return j;
}

std::string recordText(const store::ChartRecord& r) {
    std::string out;
    auto line = [&](const char* label, const std::string& value) {
        out += label;
        out += value;
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
        nameWidth = std::max(nameWidth, displayWidth(s.name));
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
        row(std::to_string(s.id), s.name,
            dateText(s.year, s.month, s.day) + " " + clockText(s.hour, s.minute, s.second),
            placeText(s.city, s.state, s.country));
    return out;
}

struct Session {
    std::string libraryPath;
    store::ChartLibrary library;

    bool open() {
        const std::string path = libraryPath.empty() ? store::defaultLibraryPath() : libraryPath;
        return library.open(path);
    }
};

int failed(const store::ChartLibrary& library) {
    return printError(library.error());
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
               "from a newer version, busy, read-only, disk full) or the input was refused.");

    // list
    std::string listFormat = "text";
    CLI::App* list = app.add_subcommand("list", "List every chart: number, name, date and "
                                                "time, place");
    list->add_option("--format", listFormat, "text or json")
        ->check(CLI::IsMember({"text", "json"}))
        ->capture_default_str();

    // show
    std::int64_t showId = 0;
    std::string showFormat = "text";
    bool showChart = false;
    CLI::App* show = app.add_subcommand("show", "Show one chart's record, or with --chart the "
                                                "chart itself");
    show->add_option("ID", showId, "The chart's number")->required();
    show->add_flag("--chart", showChart, "Print the chart as a single chart does");
    show->add_option("--format", showFormat, "text or json; with --chart also rtf or svg")
        ->check(CLI::IsMember({"text", "json", "rtf", "svg"}))
        ->capture_default_str();

    // add
    ChartOptionTexts texts;
    std::string city, state, country, note;
    CLI::App* add = app.add_subcommand("add", "Compute a chart and keep it in the library");
    add->add_option("--name", texts.name, "The person's name")->required();
    add->add_option("--date", texts.date,
                    "Date of birth, YYYY-MM-DD (" + std::to_string(kFirstYear) + " to " +
                        std::to_string(kLastYear) + ")")
        ->capture_default_str();
    add->add_option("--time", texts.time, "Local clock time of birth, HH:MM")
        ->capture_default_str();
    add->add_option("--zone", texts.zone,
                    "Time zone: list position 0-70 or an abbreviation such as IST")
        ->capture_default_str();
    add->add_option("--lon", texts.longitude, "Longitude, DDD:MM followed by E or W")
        ->capture_default_str();
    add->add_option("--lat", texts.latitude, "Latitude, DD:MM followed by N or S")
        ->capture_default_str();
    add->add_flag("--dst", texts.daylightSaving, "Daylight saving time was in force");
    add->add_option("--city", city, "City of birth");
    add->add_option("--state", state, "State of birth");
    add->add_option("--country", country, "Country of birth");
    add->add_option("--note", note, "A note kept with the chart");
    std::string positionsText(positionsName(kDefaultPositions));
    add->add_option("--positions", positionsText,
                    "Source of the positions: classic (the built-in method) or precise")
        ->check(CLI::IsMember({"classic", "precise"}))
        ->capture_default_str();
    AtlasOptionTexts atlasTexts;
    add->add_option("--place", atlasTexts.place,
                    "Birth place from the atlas: its coordinates and clock time");
    add->add_option("--tz", atlasTexts.tz, "IANA time zone whose history gives the clock time");
    add->add_option("--fold", atlasTexts.fold,
                    "earlier or later: which of a clock time that happened twice");

    // remove
    std::int64_t removeId = 0;
    CLI::App* remove = app.add_subcommand("remove", "Remove one chart");
    remove->add_option("ID", removeId, "The chart's number")->required();

    // import
    std::string importFile;
    CLI::App* import = app.add_subcommand(
        "import", "Add the charts of a CSV file (as export writes, or a batch file); a file "
                  "with any refused row adds nothing");
    import->add_option("FILE", importFile, "The CSV file, - for standard input")->required();

    // export
    std::string exportFile;
    CLI::App* exportCommand =
        app.add_subcommand("export", "Write every chart as CSV, in the form import reads");
    exportCommand->add_option("--output", exportFile,
                              "Write to this file instead of standard output");

    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return printError(e.what());
    }

    if (add->parsed()) {
        // Checked before the library is touched: a refused chart changes nothing.
        if (!isUtf8(texts.name) || !isUtf8(city) || !isUtf8(state) || !isUtf8(country) ||
            !isUtf8(note))
            return printError("the texts must be valid UTF-8");
        if (const auto clash = atlasOptionClash(*add))
            return printError(*clash);
        const auto parsed = parseChartOptions(texts);
        if (const auto* error = std::get_if<OptionError>(&parsed))
            return printError(error->message);
        const bool fromAtlas = add->count("--place") > 0 || add->count("--tz") > 0;
        auto settled = chartInputOf(std::get<BirthInput>(parsed), atlasTexts, fromAtlas);
        if (const auto* error = std::get_if<OptionError>(&settled))
            return printError(error->message);
        BirthInput& input = std::get<ChartInput>(settled).input;
        input.positions = positionsNamed(positionsText).value_or(kDefaultPositions);
        if (const auto refusal = checkBirthInput(input)) {
            std::cerr << inputProblemMessage(refusal->problem) << '\n';
            return kExitFailed;
        }
        store::ChartRecord record = store::recordOfInput(input, city, state, country);
        record.note = note;
        if (!session.open())
            return failed(session.library);
        if (!session.library.add(record))
            return failed(session.library);
        return writeOut("added chart " + std::to_string(record.id) + "\n");
    }

    if (import->parsed()) {
        FileSource source;
        if (!source.open(importFile))
            return printError(source.error());
        LibraryCsvRead read = readLibraryCsv(source);
        if (!read.failure.empty())
            return printError(importFile + ": " + read.failure);
        if (!read.refusals.empty()) {
            for (std::size_t i = 0; i < read.refusals.size() && i < kListedRefusals; ++i)
                std::cerr << importFile << ": " << read.refusals[i] << '\n';
            if (read.refusals.size() > kListedRefusals)
                std::cerr << importFile << ": " << read.refusals.size() - kListedRefusals
                          << " more rows refused\n";
            return printError(importFile + ": " + std::to_string(read.refusals.size()) +
                              " rows refused; nothing was imported");
        }
        if (!session.open())
            return failed(session.library);
        if (!session.library.addAll(read.records))
            return failed(session.library);
        return writeOut("imported " + std::to_string(read.records.size()) + " charts\n");
    }

    if (!session.open())
        return failed(session.library);
    store::ChartLibrary& library = session.library;

    if (list->parsed()) {
        const auto summaries = library.summaries();
        if (library.fault() != store::LibraryFault::None)
            return failed(library);
        if (listFormat == "json") {
            nlohmann::ordered_json array = nlohmann::ordered_json::array();
            for (const auto& s : summaries)
                array.push_back(summaryJson(s));
            return writeOut(array.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) +
                            "\n");
        }
        return writeOut(summariesText(summaries));
    }

    if (show->parsed()) {
        const auto record = library.get(showId);
        if (!record)
            return failed(library);
        if (!showChart) {
            if (showFormat == "rtf" || showFormat == "svg")
                return printError("--format " + showFormat + " needs --chart");
            if (showFormat == "json")
                return writeOut(recordJson(*record).dump(2, ' ', false,
                                                         nlohmann::json::error_handler_t::replace) +
                                "\n");
            return writeOut(recordText(*record));
        }
        const auto drawn = store::chartOfRecord(*record);
        if (const auto* problem = std::get_if<store::RecordProblem>(&drawn))
            return printError("chart " + std::to_string(showId) +
                              " cannot be drawn: " + recordProblemMessage(*problem));
        const ChartResult& chart = std::get<ChartResult>(drawn);
        if (showFormat == "rtf")
            return writeOut(chartRichText(chart));
        // The degree wheel, 800 pixels wide as the single chart writes it.
        if (showFormat == "svg")
            return writeOut(degreeWheelSvg(chart, 800.0));
        // The same chart as the single chart gives, windows included.
        const BirthTimeWindows windows = birthTimeWindows(chart);
        if (showFormat == "json")
            return writeOut(chartJson(chart, true, &windows).dump(2) + "\n");
        return writeOut(chartText(chart, true, &windows));
    }

    if (remove->parsed()) {
        if (!library.remove(removeId))
            return failed(library);
        return writeOut("removed chart " + std::to_string(removeId) + "\n");
    }

    if (exportCommand->parsed()) {
        const auto records = library.all();
        if (library.fault() != store::LibraryFault::None)
            return failed(library);
        std::string csv = libraryCsvHeader();
        for (const auto& r : records)
            appendRecordCsv(csv, r);
        if (exportFile.empty())
            return writeOut(csv);
        std::string error;
        if (!writeFileAtomically(exportFile, csv, error))
            return printError(error);
        return 0;
    }
    return printError("no library command given");
}

} // namespace orbenza::cli
