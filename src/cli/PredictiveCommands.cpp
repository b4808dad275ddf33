#include "PredictiveCommands.h"

#include "AtlasOptions.h"
#include "AtomicOutput.h"
#include "BiWheelOutput.h"
#include "ByteSink.h"
#include "ChartOptions.h"
#include "ChartOutput.h"
#include "Commands.h"
#include "LibraryCsv.h"
#include "ManPage.h"
#include "base/Version.h"
#include "base/YearRange.h"
#include "predictive/ChartPairs.h"
#include "predictive/Moments.h"
#include "predictive/Progressions.h"
#include "predictive/Returns.h"
#include "predictive/Transits.h"
#include "present/WheelOfChart.h"
#include "store/RecordChart.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>

namespace orbenza::cli {

namespace {

using Json = nlohmann::ordered_json;

// Width in pixels of a drawn chart, as the single chart's --format svg.
constexpr double kSvgWidthPixels = 800.0;

// "2025-03-20T09:37:12Z": a moment to the second, in UTC.
std::string utcText(double julianDayUt) {
    const CivilDateTime t = momentOfJulianDay(julianDayUt);
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:%02dZ", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    return text;
}

Json optionalUtc(const std::optional<double>& julianDayUt) {
    return julianDayUt ? Json(utcText(*julianDayUt)) : Json(nullptr);
}

std::string padded(std::string_view text, std::size_t width) {
    std::string out(text);
    if (out.size() < width)
        out.append(width - out.size(), ' ');
    return out;
}

// Writes a document to the output file (whole or not at all) or standard output.
int deliver(const std::string& document, const std::string& output) {
    if (output.empty())
        return writeOut(document);
    AtomicFileSink file;
    if (!file.open(output) || !file.write(document) || !file.commit())
        return printError(file.error());
    return 0;
}

// One aspect as the chart's JSON writes it, a's point first.
Json aspectJson(const AspectFound& aspect) {
    return {{"A", std::string(bodyLabel(aspect.a))},
            {"B", std::string(bodyLabel(aspect.b))},
            {"Aspect", std::string(aspectName(aspect.aspect))},
            {"Angle", sixDecimals(aspect.angleDeg)},
            {"Orb", sixDecimals(aspect.orbDeg)},
            {"Applying", aspect.applying}};
}

Json aspectsJson(const std::vector<AspectFound>& aspects) {
    Json array = Json::array();
    for (const AspectFound& aspect : aspects)
        array.push_back(aspectJson(aspect));
    return array;
}

std::string aspectsText(const std::vector<AspectFound>& aspects) {
    if (aspects.empty())
        return "none\n";
    std::string out;
    for (const AspectFound& aspect : aspects) {
        char orb[32];
        std::snprintf(orb, sizeof orb, "orb %.2f", aspect.orbDeg);
        out += padded(bodyLabel(aspect.a), 9) + padded(aspectName(aspect.aspect), 16) +
               padded(bodyLabel(aspect.b), 9) + orb +
               (aspect.applying ? " applying\n" : " separating\n");
    }
    return out;
}

// --- one chart drawn in time: progressed, a return, a composite ---

struct KindOfChart {
    std::string_view kind;  // "progressed", "solar-return", "lunar-return", "composite"
    std::string_view title; // the text output's first words
    bool bornLine;          // whether the chart's birth line is the person's birth
};

constexpr KindOfChart kProgressed{"progressed", "Progressed chart of ", true};
constexpr KindOfChart kSolarReturn{"solar-return", "Solar return of ", false};
constexpr KindOfChart kLunarReturn{"lunar-return", "Lunar return of ", false};
constexpr KindOfChart kComposite{"composite", "Composite chart of ", false};

struct DrawnChart {
    const ChartResult* chart = nullptr;
    KindOfChart kind;
    double momentJulianDayUt = 0;
    const std::vector<AspectFound>* natalAspects = nullptr; // progressed to natal
};

Json drawnChartJson(const DrawnChart& drawn, bool withReport) {
    Json json = chartJson(*drawn.chart, withReport);
    json["Kind"] = std::string(drawn.kind.kind);
    json["Moment"] = utcText(drawn.momentJulianDayUt);
    if (drawn.natalAspects)
        json["NatalAspects"] = aspectsJson(*drawn.natalAspects);
    return json;
}

std::string drawnChartText(const DrawnChart& drawn, bool withReport) {
    std::string text = chartText(*drawn.chart, withReport);
    // The single chart's first line names a natal chart, its second the
    // birth, which a return or a composite chart is not drawn for.
    std::size_t replaced = text.find('\n') + 1;
    if (!drawn.kind.bornLine)
        replaced = text.find('\n', replaced) + 1;
    std::string head = std::string(drawn.kind.title) + drawn.chart->birth.name + "\n";
    head += "Moment (UT)   " + utcText(drawn.momentJulianDayUt) + "\n";
    text.replace(0, replaced, head);
    if (drawn.natalAspects)
        text += "\nProgressed to natal aspects\n" + aspectsText(*drawn.natalAspects);
    return text;
}

std::string drawnChartsDocument(const std::vector<DrawnChart>& charts, const std::string& format,
                                bool withReport, bool asArray) {
    if (format == "json") {
        if (!asArray)
            return drawnChartJson(charts.front(), withReport).dump(2) + "\n";
        Json array = Json::array();
        for (const DrawnChart& drawn : charts)
            array.push_back(drawnChartJson(drawn, withReport));
        return array.dump(2) + "\n";
    }
    if (format == "svg")
        return degreeWheelSvg(*charts.front().chart, kSvgWidthPixels);
    std::string out;
    for (const DrawnChart& drawn : charts)
        out += (out.empty() ? "" : "\n") + drawnChartText(drawn, withReport);
    return out;
}

// --- the natal chart: the single chart's options or a library chart ---

struct NatalOptions {
    ChartOptionTexts texts;
    AtlasOptionTexts atlas;
    std::string positions{positionsName(kDefaultPositions)};
    std::string libraryId, libraryPath;
    std::string houses, aspects, orbsFile;
    std::string format = "text";
    std::string report = "runs";
    std::string output;
};

Parsed<std::int64_t> chartNumberOf(const std::string& text) {
    std::int64_t number = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || number < 0)
        return OptionError{"the chart number must be written in decimal digits, not " +
                           quotedForMessage(text)};
    return number;
}

// A library chart drawn as it was kept, or with the house system asked for.
Parsed<ChartResult> libraryChart(store::ChartLibrary& library, const std::string& idText,
                                 ChartChoices choices, bool housesGiven) {
    const auto number = chartNumberOf(idText);
    if (const auto* error = std::get_if<OptionError>(&number))
        return *error;
    const std::int64_t id = std::get<std::int64_t>(number);
    const auto record = library.get(id);
    if (!record)
        return OptionError{library.error()};
    if (const auto problem = store::recordProblem(*record))
        return OptionError{"chart " + std::to_string(id) +
                           " cannot be drawn: " + recordProblemMessage(*problem)};
    const BirthInput input = store::inputOfRecord(*record);
    if (!housesGiven)
        choices.houseSystem = houseSystemNamed(record->houseSystem).value_or(kDefaultHouseSystem);
    ChartResult chart = computeChart(birthDataOf(input, input.correction), input.correction,
                                     input.positions, choices);
    chart.input = input;
    return chart;
}

// The atlas's clash rules; where --place names a return's place (not the
// birth place), only those of --tz and --fold.
std::optional<std::string> natalOptionClash(const CLI::App& app, bool birthPlaceFromAtlas) {
    if (birthPlaceFromAtlas)
        return atlasOptionClash(app);
    const bool tz = app.count("--tz") > 0;
    if (tz && (app.count("--zone") > 0 || app.count("--dst") > 0))
        return "--tz sets the clock time; --zone and --dst cannot be given with it";
    if (app.count("--fold") > 0 && !tz)
        return "--fold needs --tz";
    return std::nullopt;
}

Parsed<ChartResult> natalChart(const NatalOptions& options, const CLI::App& app,
                               const ChartChoices& choices, bool birthPlaceFromAtlas) {
    if (!options.libraryId.empty()) {
        store::ChartLibrary library;
        const std::string path =
            options.libraryPath.empty() ? store::defaultLibraryPath() : options.libraryPath;
        if (!library.openExisting(path))
            return OptionError{library.error()};
        return libraryChart(library, options.libraryId, choices, !options.houses.empty());
    }
    if (options.texts.name.empty())
        return OptionError{"give the chart's --name and birth details, or --library-id ID"};
    if (const auto clash = natalOptionClash(app, birthPlaceFromAtlas))
        return OptionError{*clash};
    const auto parsed = parseChartOptions(options.texts);
    if (const auto* error = std::get_if<OptionError>(&parsed))
        return *error;
    const bool fromAtlas =
        (birthPlaceFromAtlas && app.count("--place") > 0) || app.count("--tz") > 0;
    auto settled = chartInputOf(std::get<BirthInput>(parsed), options.atlas, fromAtlas);
    if (const auto* error = std::get_if<OptionError>(&settled))
        return *error;
    BirthInput input = std::get<ChartInput>(settled).input;
    input.positions = positionsNamed(options.positions).value_or(kDefaultPositions);
    auto outcome = chartOfInput(input, choices);
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome))
        return OptionError{std::string(inputProblemMessage(refusal->problem))};
    return std::get<ChartResult>(std::move(outcome));
}

void declareNatalOptions(CLI::App& app, NatalOptions& o, bool birthPlaceFromAtlas) {
    ChartOptionTexts& t = o.texts;
    app.add_option("--name", t.name, "The person's name (or --library-id)");
    app.add_option("--date", t.date, "Date of birth, YYYY-MM-DD")->capture_default_str();
    app.add_option("--time", t.time, "Local clock time of birth, HH:MM")->capture_default_str();
    app.add_option("--zone", t.zone, "Time zone: list position 0-70 or an abbreviation")
        ->capture_default_str();
    app.add_option("--lon", t.longitude, "Longitude, DDD:MM followed by E or W")
        ->capture_default_str();
    app.add_option("--lat", t.latitude, "Latitude, DD:MM followed by N or S")
        ->capture_default_str();
    app.add_flag("--dst", t.daylightSaving, "Daylight saving time was in force");
    if (birthPlaceFromAtlas)
        app.add_option("--place", o.atlas.place, "Birth place from the atlas");
    app.add_option("--tz", o.atlas.tz, "IANA time zone whose history gives the clock time");
    app.add_option("--fold", o.atlas.fold, "earlier or later: a clock time that happened twice");
    app.add_option("--positions", o.positions, "classic or precise: the natal chart's positions")
        ->check(CLI::IsMember({"classic", "precise"}))
        ->capture_default_str();
    app.add_option("--library-id", o.libraryId, "A chart of the library in place of the options");
    app.add_option("--library", o.libraryPath, "The library file (as orbenza-cli library)")
        ->type_name("FILE");
    addChartChoiceOptions(app, o.houses, o.aspects, o.orbsFile);
    app.add_option("--output", o.output, "Write to this file instead of standard output");
}

// --- the three commands ---

struct TimeOptions {
    std::string from, to, on;
    bool moon = false;
    int year = 0;
    int month = 0;
    std::string body = "sun";
    std::string returnPlace;
};

Parsed<double> dayStart(const std::string& option, const std::string& text) {
    const auto date = parseDate(text);
    if (const auto* error = std::get_if<OptionError>(&date))
        return OptionError{option + ": " + error->message};
    const DateValue d = std::get<DateValue>(date);
    return julianDayOfMoment({d.year, d.month, d.day, 0, 0, 0});
}

std::string transitsText(const ChartResult& natal, const std::vector<TransitEvent>& events) {
    std::string out = "Transits to the chart of " + natal.birth.name + " (UT)\n";
    for (const TransitEvent& e : events) {
        std::string line = utcText(e.exactJulianDayUt) + "  " +
                           padded(bodyLabel(e.transiting), 10) + padded(aspectName(e.aspect), 13) +
                           padded(bodyLabel(e.natal), 8) + (e.retrograde ? "R " : "  ");
        if (e.passCount > 1)
            line += "pass " + std::to_string(e.pass) + " of " + std::to_string(e.passCount) + "  ";
        line += "in orb " + (e.entersJulianDayUt ? utcText(*e.entersJulianDayUt) : "-") + " to " +
                (e.leavesJulianDayUt ? utcText(*e.leavesJulianDayUt) : "-");
        out += line + "\n";
    }
    if (events.empty())
        out += "none\n";
    return out;
}

Json transitsJson(const std::vector<TransitEvent>& events) {
    Json array = Json::array();
    for (const TransitEvent& e : events)
        array.push_back({{"Transiting", std::string(bodyLabel(e.transiting))},
                         {"Natal", std::string(bodyLabel(e.natal))},
                         {"Aspect", std::string(aspectName(e.aspect))},
                         {"Exact", utcText(e.exactJulianDayUt)},
                         {"Retrograde", e.retrograde},
                         {"Enters", optionalUtc(e.entersJulianDayUt)},
                         {"Leaves", optionalUtc(e.leavesJulianDayUt)}});
    return array;
}

int runTransits(const ChartResult& natal, const NatalOptions& o, const TimeOptions& t,
                const ChartChoices& choices) {
    const auto from = dayStart("--from", t.from);
    const auto to = dayStart("--to", t.to);
    for (const auto* day : {&from, &to})
        if (const auto* error = std::get_if<OptionError>(day))
            return printError(error->message);
    // The last day is searched to its end.
    const double fromJd = std::get<double>(from), toJd = std::get<double>(to) + 1.0;
    if (toJd <= fromJd)
        return printError("--to must not come before --from");
    // The picture is the sky of the span's first moment round the chart.
    if (o.format == "svg")
        return deliver(transitsBiWheelSvg(natal, fromJd, kSvgWidthPixels), o.output);
    TransitOptions options;
    options.withMoon = t.moon;
    options.orbs = choices.orbs;
    const auto events = findTransits(natalPointsOf(natal), fromJd, toJd, options);
    if (o.format == "json")
        return deliver(transitsJson(events).dump(2) + "\n", o.output);
    return deliver(transitsText(natal, events), o.output);
}

int runProgressed(const ChartResult& natal, const NatalOptions& o, const TimeOptions& t,
                  const ChartChoices& choices) {
    const auto on = dayStart("--on", t.on);
    if (const auto* error = std::get_if<OptionError>(&on))
        return printError(error->message);
    const ProgressedChart progressed = progressedChart(natal, std::get<double>(on), choices);
    const DrawnChart drawn{&progressed.chart, kProgressed, progressed.progressedJulianDayUt,
                           &progressed.toNatal};
    return deliver(drawnChartsDocument({drawn}, o.format, o.report == "runs", false), o.output);
}

// Degrees and minutes of a coordinate from the atlas, minutes rounded.
std::pair<int, int> wholeMinutes(double degrees, int maxDegrees) {
    const long total = std::min(std::lround(std::fabs(degrees) * 60.0), maxDegrees * 60L + 59);
    return {static_cast<int>(total / 60), static_cast<int>(total % 60)};
}

Parsed<std::optional<ReturnPlace>> returnPlaceOf(const std::string& text) {
    if (text.empty())
        return std::optional<ReturnPlace>{};
    const atlas::PlaceLookup lookup = programAtlas().resolve(text);
    if (lookup.status != atlas::PlaceLookup::Status::Found) {
        std::string message = "--place: " + lookup.message;
        for (const std::string& label : atlas::distinctPlaceLabels(lookup.candidates))
            message += "\n  " + label;
        return OptionError{message};
    }
    const auto [lonDeg, lonMin] = wholeMinutes(lookup.place.longitudeDeg, 179);
    const auto [latDeg, latMin] = wholeMinutes(lookup.place.latitudeDeg, 89);
    return std::optional<ReturnPlace>{ReturnPlace{
        {lonDeg, lonMin, lookup.place.longitudeDeg >= 0 ? EastWest::East : EastWest::West},
        {latDeg, latMin, lookup.place.latitudeDeg >= 0 ? NorthSouth::North : NorthSouth::South}}};
}

int runReturn(const ChartResult& natal, const NatalOptions& o, const TimeOptions& t,
              const ChartChoices& choices) {
    if (t.year < kFirstYear || t.year > kLastYear)
        return printError("--year must be " + std::to_string(kFirstYear) + " to " +
                          std::to_string(kLastYear));
    const bool moon = t.body == "moon";
    if (moon != (t.month != 0))
        return printError(moon ? "--body moon needs --month MM" : "--month is for --body moon");
    if (moon && (t.month < 1 || t.month > 12))
        return printError("--month must be 1 to 12");
    const auto place = returnPlaceOf(t.returnPlace);
    if (const auto* error = std::get_if<OptionError>(&place))
        return printError(error->message);
    const auto& where = std::get<std::optional<ReturnPlace>>(place);
    std::vector<ReturnChart> returns;
    if (moon) {
        returns = lunarReturns(natal, t.year, t.month, where, choices);
    } else if (auto solar = solarReturn(natal, t.year, where, choices)) {
        returns.push_back(std::move(*solar));
    }
    if (returns.empty())
        return printError("no return was found in that span");
    std::vector<DrawnChart> drawn;
    drawn.reserve(returns.size());
    for (const ReturnChart& r : returns)
        drawn.push_back({&r.chart, moon ? kLunarReturn : kSolarReturn, r.momentJulianDayUt});
    return deliver(drawnChartsDocument(drawn, o.format, o.report == "runs", moon), o.output);
}

} // namespace

bool asksForPredictive(int argc, char** argv) {
    if (argc < 2)
        return false;
    return std::strcmp(argv[1], "transits") == 0 || std::strcmp(argv[1], "progressed") == 0 ||
           std::strcmp(argv[1], "return") == 0;
}

int runPredictiveCommand(int argc, char** argv) {
    const std::string command = argv[0];
    CLI::App app{"The chart in time: " + command, "orbenza-cli " + command};
    app.option_defaults()->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
    NatalOptions natalOptions;
    TimeOptions t;
    declareNatalOptions(app, natalOptions, command != "return");
    app.add_option("--format", natalOptions.format, "Output form")
        ->check(CLI::IsMember({"text", "json", "svg"}))
        ->capture_default_str();
    if (command == "transits") {
        app.add_option("--from", t.from, "First day, YYYY-MM-DD (UT)")->required();
        app.add_option("--to", t.to, "Last day, YYYY-MM-DD (UT), searched to its end")->required();
        app.add_flag("--moon", t.moon, "The Moon's transits too");
    } else {
        app.add_option("--report", natalOptions.report, "runs or none: the report with the chart")
            ->check(CLI::IsMember({"runs", "none"}))
            ->capture_default_str();
    }
    if (command == "progressed")
        app.add_option("--on", t.on, "The date, YYYY-MM-DD (0h UT)")->required();
    if (command == "return") {
        app.add_option("--year", t.year, "The year of the return")->required();
        app.add_option("--body", t.body, "sun or moon")
            ->check(CLI::IsMember({"sun", "moon"}))
            ->capture_default_str();
        app.add_option("--month", t.month, "The month of the lunar returns, 1-12");
        app.add_option("--place", t.returnPlace,
                       "Draw the return for this atlas place instead of the birth place");
    }
    if (asksForManPage(argc, argv))
        return printManPage(app, {"orbenza-cli-" + command,
                                  "orbenza-cli " + command,
                                  "orbenza-cli " + std::string(kVersion),
                                  {"orbenza-cli(1)", "orbenza-cli-library(1)", "orbenza(1)"},
                                  {}});
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp& e) {
        return app.exit(e);
    } catch (const CLI::ParseError& e) {
        return printError(printableText(e.what()));
    }
    const auto choices =
        parseChartChoices(natalOptions.houses, natalOptions.aspects, natalOptions.orbsFile);
    if (const auto* error = std::get_if<OptionError>(&choices))
        return printError(error->message);
    const ChartChoices& chosen = std::get<ChartChoices>(choices);
    const auto natal = natalChart(natalOptions, app, chosen, command != "return");
    if (const auto* error = std::get_if<OptionError>(&natal))
        return printError(error->message);
    const ChartResult& chart = std::get<ChartResult>(natal);
    if (command == "transits")
        return runTransits(chart, natalOptions, t, chosen);
    if (command == "progressed")
        return runProgressed(chart, natalOptions, t, chosen);
    return runReturn(chart, natalOptions, t, chosen);
}

void declarePairCommands(CLI::App& library, PairCommands& commands) {
    PairOptions& o = commands.options;
    commands.synastry = library.add_subcommand(
        "synastry", "The aspects of one library chart's points to another's");
    commands.composite = library.add_subcommand(
        "composite", "The composite chart of two library charts: the midpoints of their points");
    for (CLI::App* command : {commands.synastry, commands.composite}) {
        command->add_option("ID", o.first, "The first chart's number")->required();
        command->add_option("ID2", o.second, "The second chart's number")->required();
        command->add_option("--format", o.format, "Output form")
            ->check(CLI::IsMember({"text", "json", "svg"}))
            ->capture_default_str();
        command->add_option("--output", o.output, "Write to this file instead of standard output");
        addChartChoiceOptions(*command, o.houses, o.aspects, o.orbsFile);
    }
    commands.composite->add_option("--report", o.report, "runs or none: the report with the chart")
        ->check(CLI::IsMember({"runs", "none"}))
        ->capture_default_str();
}

int runPairCommand(store::ChartLibrary& library, const PairCommands& commands) {
    const PairOptions& o = commands.options;
    const auto choices = parseChartChoices(o.houses, o.aspects, o.orbsFile);
    if (const auto* error = std::get_if<OptionError>(&choices))
        return printError(error->message);
    const ChartChoices& chosen = std::get<ChartChoices>(choices);
    const auto a = libraryChart(library, o.first, chosen, !o.houses.empty());
    if (const auto* error = std::get_if<OptionError>(&a))
        return printError(error->message);
    const auto b = libraryChart(library, o.second, chosen, !o.houses.empty());
    if (const auto* error = std::get_if<OptionError>(&b))
        return printError(error->message);
    const ChartResult& first = std::get<ChartResult>(a);
    const ChartResult& second = std::get<ChartResult>(b);
    if (commands.composite->parsed()) {
        ChartChoices drawnWith = chosen;
        drawnWith.houseSystem = first.houseSystemAsked;
        const ChartResult composite = compositeChart(first, second, drawnWith);
        const DrawnChart drawn{&composite, kComposite, composite.moment.julianDayUt};
        return deliver(drawnChartsDocument({drawn}, o.format, o.report == "runs", false), o.output);
    }
    const auto aspects = synastryAspects(first, second, chosen.aspectSet, chosen.orbs);
    if (o.format == "json") {
        const Json json{
            {"A", first.birth.name}, {"B", second.birth.name}, {"Aspects", aspectsJson(aspects)}};
        return deliver(json.dump(2) + "\n", o.output);
    }
    if (o.format == "svg")
        return deliver(synastryBiWheelSvg(first, second, kSvgWidthPixels), o.output);
    return deliver("Synastry of " + first.birth.name + " (first) and " + second.birth.name + "\n" +
                       aspectsText(aspects),
                   o.output);
}

} // namespace orbenza::cli
