#include "chart/CheckInput.h"

#include "chart/TextTrim.h"

#include <charconv>
#include <limits>

namespace orbenza {

namespace {


bool inRange(std::string_view text, int low, int high) {
    const auto value = coordinateValue(text);
    return value && *value >= low && *value <= high;
}

} // namespace

std::optional<int> coordinateValue(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty())
        return std::nullopt;
    for (char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
    }
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc{} || end != text.data() + text.size() ||
        value > std::numeric_limits<short>::max())
        return std::nullopt;
    return value;
}

std::optional<InputRefusal> Check_Input(const InputFields& fields) {
    if (trimBlanks(fields.name).empty())
        return InputRefusal{kMessageEnterName, MessageIcon::Error, InputField::Name};
    if (!inRange(fields.longitudeDegrees, 0, 179))
        return InputRefusal{kMessageLongitudeDegrees, MessageIcon::Error,
                            InputField::LongitudeDegrees};
    if (!inRange(fields.longitudeMinutes, 0, 59))
        return InputRefusal{kMessageLongitudeMinutes, MessageIcon::Error,
                            InputField::LongitudeMinutes};
    if (!inRange(fields.latitudeDegrees, 0, 89))
        return InputRefusal{kMessageLatitudeDegrees, MessageIcon::Error,
                            InputField::LatitudeDegrees};
    if (!inRange(fields.latitudeMinutes, 0, 59))
        return InputRefusal{kMessageLatitudeMinutes, MessageIcon::Error,
                            InputField::LatitudeMinutes};

    // Dates work on the list positions: month 0 = January, day position 0 = 1.
    // Divisibility by 4 is the exact leap-year rule for the years 1901 to 2050.
    const int month = fields.monthPosition + 1;
    const int day = fields.dayPosition + 1;
    if (month == 2) {
        const int lastDay = (fields.year % 4 == 0) ? 29 : 28;
        if (day > lastDay)
            return InputRefusal{kMessageFebruaryDate, MessageIcon::Information, InputField::None};
    }
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return InputRefusal{kMessageThirtyDayMonth, MessageIcon::Information, InputField::None};
    return std::nullopt;
}

} // namespace orbenza
