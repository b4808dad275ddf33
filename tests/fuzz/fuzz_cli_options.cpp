// Any bytes as the chart options of orbenza-cli, and as the boxes of the birth
// details screen.
//
// The input is split at line feeds: date, time, zone, longitude, latitude,
// the daylight saving flag (on when its line is not empty), then the name,
// which takes the rest, line feeds included. Missing lines keep the command
// line's defaults.
//
// Promises checked:
// - the options are accepted, or refused with one printable line that names
//   the option at fault;
// - accepted options are charted or refused by the birth check, with the
//   box each refusal goes with;
// - a chart has eleven positions "DD Sss MM" and every planet a house 1..12;
// - the screen's path (the coordinate texts as typed, unfiltered) obeys the
//   same rules;
// - no exception leaves the program (libFuzzer reports one as a crash).
#include "ChartOptions.h"
#include "FuzzSupport.h"
#include "chart/ChartRun.h"
#include "input/BirthInput.h"
#include "report/HouseReport.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

using namespace orbenza;
using orbenza::fuzz::printable;

namespace {

struct KnownRefusal {
    InputProblem problem;
    InputField focus;
};

// Every refusal of the birth check, with the focused box.
constexpr std::array<KnownRefusal, 7> kRefusals{{
    {InputProblem::EmptyName, InputField::Name},
    {InputProblem::LongitudeDegrees, InputField::LongitudeDegrees},
    {InputProblem::LongitudeMinutes, InputField::LongitudeMinutes},
    {InputProblem::LatitudeDegrees, InputField::LatitudeDegrees},
    {InputProblem::LatitudeMinutes, InputField::LatitudeMinutes},
    {InputProblem::FebruaryDate, InputField::None},
    {InputProblem::ThirtyDayMonth, InputField::None},
}};

void checkRefusal(const InputRefusal& refusal, std::string_view input) {
    const std::string words(cli::inputProblemMessage(refusal.problem));
    for (const KnownRefusal& known : kRefusals) {
        if (refusal.problem == known.problem) {
            FUZZ_CHECK(refusal.focus == known.focus && !words.empty(),
                       "refusal \"" + words +
                           "\" with the wrong focus; input: " + printable(input));
            return;
        }
    }
    FUZZ_CHECK(false, "unknown refusal; input: " + printable(input));
}

void checkChart(const ChartResult& chart, std::string_view input) {
    for (std::size_t slot = 0; slot < chart.planetPositions.size(); ++slot) {
        const std::string& position = chart.planetPositions[slot];
        FUZZ_CHECK(fuzz::isShortPosition(position),
                   "position " + std::to_string(slot) + " is \"" + printable(position) +
                       "\", not DD Sss MM; input: " + printable(input));
        FUZZ_CHECK(degreeIndexOfPrefix(position) != 0,
                   "position \"" + position + "\" names no degree; input: " + printable(input));
    }
    for (std::size_t planet = 0; planet < orbenza::kPlanetCount; ++planet) {
        const int house = chart.houses[orbenza::bodyAt(planet)];
        FUZZ_CHECK(house >= 1 && house <= 12, "planet " + std::to_string(planet) + " in house " +
                                                  std::to_string(house) +
                                                  "; input: " + printable(input));
    }
    for (const std::string& label : chart.planetNames)
        FUZZ_CHECK(!label.empty(), "an empty body label; input: " + printable(input));
}

void checkOutcome(const std::variant<ChartResult, InputRefusal>& outcome, std::string_view input) {
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome))
        checkRefusal(*refusal, input);
    else
        checkChart(std::get<ChartResult>(outcome), input);
}

// An option error is one printable line naming the option it is about.
void checkOptionError(const std::string& message, std::string_view input) {
    static constexpr std::array<std::string_view, 6> kOptions{"--name", "--date", "--time",
                                                              "--zone", "--lon",  "--lat"};
    bool named = false;
    for (std::string_view option : kOptions)
        named = named || message.starts_with(option);
    FUZZ_CHECK(named, "option error \"" + printable(message) +
                          "\" names no option; input: " + printable(input));
    for (char c : message) {
        const auto byte = static_cast<unsigned char>(c);
        FUZZ_CHECK(byte >= 0x20 && byte != 0x7F,
                   "option error \"" + printable(message) +
                       "\" holds a control character; input: " + printable(input));
    }
}

// "DDD:MM" and a hemisphere letter -> the texts before and after the first
// colon, as the degree and minute boxes would hold them; no colon: all degrees.
std::pair<std::string, std::string> splitCoordinate(std::string_view text) {
    if (!text.empty() && std::string_view("EWNSewns").find(text.back()) != std::string_view::npos)
        text.remove_suffix(1);
    const std::size_t colon = text.find(':');
    if (colon == std::string_view::npos)
        return {std::string(text), {}};
    return {std::string(text.substr(0, colon)), std::string(text.substr(colon + 1))};
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string_view input = bytes;

    cli::ChartOptionTexts texts;
    std::array<std::string*, 5> optionLines{&texts.date, &texts.time, &texts.zone, &texts.longitude,
                                            &texts.latitude};
    std::string_view rest = bytes;
    for (std::size_t field = 0; field <= optionLines.size(); ++field) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        if (field < optionLines.size())
            *optionLines[field] = std::string(line);
        else
            texts.daylightSaving = !line.empty();
        if (end == std::string_view::npos) {
            rest = {}; // the later fields keep their defaults
            break;
        }
        rest.remove_prefix(end + 1);
        if (field == optionLines.size())
            texts.name = std::string(rest);
    }

    // The command line's path.
    const auto parsed = cli::parseChartOptions(texts);
    BirthInput entries;
    if (const auto* error = std::get_if<cli::OptionError>(&parsed)) {
        checkOptionError(error->message, input);
    } else {
        entries = std::get<BirthInput>(parsed);
        checkOutcome(chartOfInput(entries), input);
    }

    // The screen's path: the same name and coordinate texts typed into the
    // boxes without the key filters. The lists hold months 0..11, days 0..30
    // and the years 1901..2050, so a date the options did not accept picks
    // list positions from its bytes.
    BirthInput screen = entries;
    screen.name = texts.name;
    const auto [lonDegrees, lonMinutes] = splitCoordinate(texts.longitude);
    const auto [latDegrees, latMinutes] = splitCoordinate(texts.latitude);
    screen.longitude.degrees = coordinateBoxValue(lonDegrees);
    screen.longitude.minutes = coordinateBoxValue(lonMinutes);
    screen.latitude.degrees = coordinateBoxValue(latDegrees);
    screen.latitude.minutes = coordinateBoxValue(latMinutes);
    if (std::holds_alternative<cli::OptionError>(parsed)) {
        unsigned seed = 0;
        for (char c : texts.date)
            seed = seed * 31u + static_cast<unsigned char>(c);
        screen.local.month = 1 + static_cast<int>(seed % 12u);
        screen.local.day = 1 + static_cast<int>((seed / 12u) % 31u);
        screen.local.year = 1901 + static_cast<int>((seed / 372u) % 150u);
        screen.longitude.hemisphere =
            texts.longitude.empty() || (texts.longitude.back() | 0x20) != 'w' ? EastWest::East
                                                                              : EastWest::West;
        screen.latitude.hemisphere =
            !texts.latitude.empty() && (texts.latitude.back() | 0x20) == 's' ? NorthSouth::South
                                                                             : NorthSouth::North;
        screen.daylightSaving = texts.daylightSaving;
    }
    const auto refusal = checkBirthInput(screen);
    if (refusal)
        checkRefusal(*refusal, input);
    const auto outcome = chartOfInput(screen);
    FUZZ_CHECK(std::holds_alternative<InputRefusal>(outcome) == refusal.has_value(),
               "the chart and the check disagree; input: " + printable(input));
    checkOutcome(outcome, input);
    return 0;
}
