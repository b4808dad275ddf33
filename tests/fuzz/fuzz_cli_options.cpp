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
// - accepted options are charted or refused with one of Check_Input's exact
//   messages, with the icon and the focus that message goes with;
// - a chart has eleven positions "DD Sss MM" and every planet a house 1..12;
// - the screen's path (the coordinate texts as typed, unfiltered) obeys the
//   same rules;
// - no exception leaves the program (libFuzzer reports one as a crash).
#include "ChartOptions.h"
#include "FuzzSupport.h"
#include "chart/ChartRun.h"
#include "chart/CheckInput.h"
#include "report/HouseReport.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <tuple>
#include <utility>
#include <variant>

using namespace orbenza;
using orbenza::fuzz::printable;

namespace {

struct KnownRefusal {
    std::string_view message;
    MessageIcon icon;
    InputField focus;
};

// Every refusal Check_Input gives, with the icon and the focused box.
constexpr std::array<KnownRefusal, 7> kRefusals{{
    {kMessageEnterName, MessageIcon::Error, InputField::Name},
    {kMessageLongitudeDegrees, MessageIcon::Error, InputField::LongitudeDegrees},
    {kMessageLongitudeMinutes, MessageIcon::Error, InputField::LongitudeMinutes},
    {kMessageLatitudeDegrees, MessageIcon::Error, InputField::LatitudeDegrees},
    {kMessageLatitudeMinutes, MessageIcon::Error, InputField::LatitudeMinutes},
    {kMessageFebruaryDate, MessageIcon::Information, InputField::None},
    {kMessageThirtyDayMonth, MessageIcon::Information, InputField::None},
}};

void checkRefusal(const InputRefusal& refusal, std::string_view input) {
    for (const KnownRefusal& known : kRefusals) {
        if (refusal.message == known.message) {
            FUZZ_CHECK(refusal.icon == known.icon && refusal.focus == known.focus,
                       "refusal \"" + std::string(refusal.message) +
                           "\" with the wrong icon or focus; input: " + printable(input));
            return;
        }
    }
    FUZZ_CHECK(false, "unknown refusal message \"" + printable(refusal.message) +
                          "\"; input: " + printable(input));
}

void checkChart(const ChartResult& chart, std::string_view input) {
    for (std::size_t slot = 0; slot < chart.PlanetPositions.size(); ++slot) {
        const std::string& position = chart.PlanetPositions[slot];
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
    for (const std::string& label : chart.PlanetNames)
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
    BirthEntries entries;
    if (const auto* error = std::get_if<cli::OptionError>(&parsed)) {
        checkOptionError(error->message, input);
    } else {
        entries = std::get<BirthEntries>(parsed);
        checkOutcome(proceed(entries, UtCorrection{}), input);
    }

    // The screen's path: the same name and coordinate texts typed into the
    // boxes without the key filters. The lists hold months 0..11, days 0..30
    // and the years 1901..2050, so a date the options did not accept picks
    // list positions from its bytes.
    BirthEntries screen = entries;
    screen.fields.name = texts.name;
    std::tie(screen.fields.longitudeDegrees, screen.fields.longitudeMinutes) =
        splitCoordinate(texts.longitude);
    std::tie(screen.fields.latitudeDegrees, screen.fields.latitudeMinutes) =
        splitCoordinate(texts.latitude);
    if (std::holds_alternative<cli::OptionError>(parsed)) {
        unsigned seed = 0;
        for (char c : texts.date)
            seed = seed * 31u + static_cast<unsigned char>(c);
        screen.fields.monthPosition = static_cast<int>(seed % 12u);
        screen.fields.dayPosition = static_cast<int>((seed / 12u) % 31u);
        screen.fields.year = 1901 + static_cast<int>((seed / 372u) % 150u);
        screen.east = texts.longitude.empty() || (texts.longitude.back() | 0x20) != 'w';
        screen.south = !texts.latitude.empty() && (texts.latitude.back() | 0x20) == 's';
        screen.daylightSaving = texts.daylightSaving;
    }
    const auto refusal = Check_Input(screen.fields);
    if (refusal)
        checkRefusal(*refusal, input);
    const auto outcome = proceed(screen, UtCorrection{});
    FUZZ_CHECK(std::holds_alternative<InputRefusal>(outcome) == refusal.has_value(),
               "proceed and Check_Input disagree; input: " + printable(input));
    checkOutcome(outcome, input);
    return 0;
}
