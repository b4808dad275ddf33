#include "AtlasOptions.h"

#include "base/TextTrim.h"
#include "chart/AtlasTime.h"
#include "report/ReportWords.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace orbenza::cli {

namespace {

// Degrees and minutes of an angle's magnitude, minutes rounded, the degrees
// kept within the coordinate's range.
std::pair<int, int> degreesAndMinutes(double degrees, int maxDegrees) {
    long totalMinutes = std::lround(std::fabs(degrees) * 60.0);
    if (totalMinutes > static_cast<long>(maxDegrees) * 60 + 59)
        totalMinutes = static_cast<long>(maxDegrees) * 60 + 59;
    return {static_cast<int>(totalMinutes / 60), static_cast<int>(totalMinutes % 60)};
}

} // namespace

bool asksForPlaceList(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (arg == "--find-place" || arg.rfind("--find-place=", 0) == 0)
            return true;
    }
    return false;
}

const atlas::Atlas& programAtlas() {
    static const atlas::Atlas atlas = atlas::Atlas::load(atlas::atlasPath());
    return atlas;
}

std::optional<std::string> atlasOptionClash(const CLI::App& command) {
    const bool place = command.count("--place") > 0;
    const bool tz = command.count("--tz") > 0;
    if (place && tz)
        return "--place brings its own time zone; give --place or --tz, not both";
    if (place) {
        for (const char* name : {"--lon", "--lat", "--zone", "--dst"}) {
            if (command.count(name) > 0)
                return std::string("--place sets the coordinates and the clock time; ") + name +
                       " cannot be given with it";
        }
    }
    if (tz && (command.count("--zone") > 0 || command.count("--dst") > 0))
        return "--tz sets the clock time; --zone and --dst cannot be given with it";
    if (command.count("--fold") > 0 && !place && !tz)
        return "--fold needs --place or --tz";
    // An empty text would otherwise be taken for no option at all.
    if (place && trimBlanks(command["--place"]->as<std::string>()).empty())
        return std::string("--place needs a place, e.g. \"Madrid\" or \"Springfield, Illinois\"");
    if (tz && trimBlanks(command["--tz"]->as<std::string>()).empty())
        return std::string("--tz needs a time zone, e.g. \"Europe/Madrid\"");
    return std::nullopt;
}

Parsed<AtlasChartInput> applyAtlasOptions(const BirthInput& birth, const AtlasOptionTexts& texts,
                                          const atlas::Atlas& atlas) {
    AtlasChartInput input;
    input.input = birth;
    const std::optional<Fold> fold = foldNamed(texts.fold);
    if (!fold)
        return OptionError{"--fold must be earlier or later, not " + quotedForMessage(texts.fold)};
    // No place or zone name holds a control character; refused here, such a
    // text is never echoed raw in the messages below.
    for (const auto& [option, text] : {std::pair{"--place", &texts.place}, {"--tz", &texts.tz}}) {
        if (std::any_of(text->begin(), text->end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }))
            return OptionError{std::string(option) +
                               " holds a control character: " + quotedForMessage(*text)};
    }

    if (!texts.place.empty()) {
        const atlas::PlaceLookup lookup = atlas.resolve(texts.place);
        if (lookup.status != atlas::PlaceLookup::Status::Found) {
            std::string message = lookup.message;
            for (const std::string& label : atlas::distinctPlaceLabels(lookup.candidates))
                message += "\n  " + label;
            return OptionError{message};
        }
        const atlas::Place& place = lookup.place;
        input.place.name = place.name;
        input.place.label = atlas::placeLabel(place);
        input.place.state = place.region;
        input.place.country = place.country;
        input.place.timeZone = place.timeZone;
        const auto [lonDeg, lonMin] = degreesAndMinutes(place.longitudeDeg, 179);
        const auto [latDeg, latMin] = degreesAndMinutes(place.latitudeDeg, 89);
        input.input.longitude = {lonDeg, lonMin,
                                 place.longitudeDeg >= 0 ? EastWest::East : EastWest::West};
        input.input.latitude = {latDeg, latMin,
                                place.latitudeDeg >= 0 ? NorthSouth::North : NorthSouth::South};
        input.place.latitudeDeg = place.latitudeDeg;
        input.place.longitudeDeg = place.longitudeDeg;
        input.place.caution = atlas::clockCaution(place.timeZone, place.name, place.latitudeDeg,
                                                  place.longitudeDeg, birth.local.year);
    } else {
        input.place.timeZone = texts.tz;
        input.place.longitudeDeg = longitudeEastDegOf(birth.longitude);
        input.place.latitudeDeg = latitudeNorthDegOf(birth.latitude);
    }

    const atlas::ZoneClock clock = atlas::ZoneClock::find(input.place.timeZone);
    if (!clock.valid())
        return OptionError{clock.error()};
    const atlas::DateTime local = birth.local;
    const atlas::PlaceTime time = clock.at(local, input.place.longitudeDeg);
    const std::string ut1 =
        atlas::formatUniversalTime(atlas::universalTimeOf(local, time.first.utOffsetSeconds));
    const std::string ut2 =
        atlas::formatUniversalTime(atlas::universalTimeOf(local, time.second.utOffsetSeconds));
    char when[40];
    std::snprintf(when, sizeof when, "%04d-%02d-%02d %02d:%02d", local.year, local.month, local.day,
                  local.hour, local.minute);
    const atlas::ZoneState* state = &time.first;
    if (time.kind == atlas::PlaceTime::Kind::DidNotExist) {
        return OptionError{std::string("The clock time ") + when + " did not exist in " +
                           clock.name() + ": the clocks were put forward. It would be " + ut1 +
                           " (" + time.first.abbreviation + ") or " + ut2 + " (" +
                           time.second.abbreviation + "); give the time that was meant"};
    }
    if (time.kind == atlas::PlaceTime::Kind::HappenedTwice) {
        if (*fold == Fold::None) {
            return OptionError{std::string("The clock time ") + when + " happened twice in " +
                               clock.name() + ": the clocks were put back. It was " + ut1 + " (" +
                               time.first.abbreviation + ", --fold earlier) and " + ut2 + " (" +
                               time.second.abbreviation + ", --fold later)"};
        }
        if (*fold == Fold::Later)
            state = &time.second;
        input.place.fold = *fold;
    }
    input.place.abbreviation = state->abbreviation;
    input.place.utOffsetSeconds = state->utOffsetSeconds;
    input.place.summerTime = state->summerTime;
    input.input.correction = correctionOfOffset(state->utOffsetSeconds);
    input.input.zonePosition = -1;
    input.input.daylightSaving = false;
    input.input.atlasClock = AtlasClock{input.place.label, input.place.timeZone, input.place.fold,
                                        input.place.longitudeDeg};
    return input;
}

Parsed<ChartInput> chartInputOf(const BirthInput& birth, const AtlasOptionTexts& texts,
                                bool fromAtlas) {
    ChartInput input;
    input.input = birth;
    if (!fromAtlas)
        return input;
    // A zone named by --tz needs the system's database only, not the atlas.
    const atlas::Atlas none;
    const atlas::Atlas& places = texts.place.empty() ? none : programAtlas();
    if (!texts.place.empty() && !places.available())
        return OptionError{places.unavailableReason()};
    auto settled = applyAtlasOptions(birth, texts, places);
    if (auto* error = std::get_if<OptionError>(&settled))
        return std::move(*error);
    auto& atlasInput = std::get<AtlasChartInput>(settled);
    input.input = std::move(atlasInput.input);
    input.place = std::move(atlasInput.place);
    return input;
}

nlohmann::ordered_json placeJson(const PlaceClockInfo& place) {
    nlohmann::ordered_json json;
    json["Name"] = place.name;
    json["State"] = place.state;
    json["Country"] = place.country;
    json["Latitude"] = place.latitudeDeg;
    json["Longitude"] = place.longitudeDeg;
    json["TimeZone"] = place.timeZone;
    json["Abbreviation"] = place.abbreviation;
    json["UtOffset"] = atlas::formatIsoOffset(place.utOffsetSeconds);
    json["SummerTime"] = place.summerTime;
    const std::string caution = cautionSentence(place.caution);
    json["Caution"] =
        caution.empty() ? nlohmann::ordered_json(nullptr) : nlohmann::ordered_json(caution);
    return json;
}

std::string cautionSentence(const atlas::ClockCaution& caution, Language language) {
    if (caution.code != atlas::ClockCaution::Code::PrincipalCityOnly)
        return {};
    return fillPattern(reportWords(language).clockCaution, {caution.principalCity, caution.place});
}

std::string findPlaceText(const atlas::Atlas& atlas, const std::string& text) {
    std::string out;
    const std::vector<atlas::Place> places = atlas.search(text);
    const std::vector<std::string> labels = atlas::distinctPlaceLabels(places);
    for (std::size_t i = 0; i < places.size(); ++i) {
        const atlas::Place& place = places[i];
        char line[160];
        std::snprintf(line, sizeof line, "  %9.4f %10.4f  %-30s %10u\n", place.latitudeDeg,
                      place.longitudeDeg, std::string(place.timeZone).c_str(), place.population);
        out += labels[i] + "\n" + line;
    }
    return out;
}

nlohmann::ordered_json findPlaceJson(const atlas::Atlas& atlas, const std::string& text) {
    nlohmann::ordered_json list = nlohmann::ordered_json::array();
    for (const atlas::Place& place : atlas.search(text)) {
        nlohmann::ordered_json json;
        json["Name"] = place.name;
        json["MatchedName"] = place.matchedName.empty() ? place.name : place.matchedName;
        json["State"] = place.region;
        json["Country"] = place.country;
        json["CountryCode"] = place.countryCode;
        json["Latitude"] = place.latitudeDeg;
        json["Longitude"] = place.longitudeDeg;
        json["TimeZone"] = place.timeZone;
        json["Population"] = place.population;
        list.push_back(std::move(json));
    }
    return list;
}

} // namespace orbenza::cli
