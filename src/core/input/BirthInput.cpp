#include "input/BirthInput.h"

#include "base/TextTrim.h"

#include <limits>

namespace orbenza {

namespace {
bool inRange(int value, int low, int high) {
    return value >= low && value <= high;
}
} // namespace

std::string_view foldName(Fold fold) {
    switch (fold) {
    case Fold::Earlier:
        return "earlier";
    case Fold::Later:
        return "later";
    case Fold::None:
        break;
    }
    return {};
}

std::optional<Fold> foldNamed(std::string_view text) {
    for (Fold fold : {Fold::None, Fold::Earlier, Fold::Later}) {
        if (text == foldName(fold))
            return fold;
    }
    return std::nullopt;
}

double longitudeEastDegOf(const Longitude& longitude) {
    const double magnitude = longitude.degrees + longitude.minutes / 60.0;
    return longitude.hemisphere == EastWest::East ? magnitude : -magnitude;
}

double latitudeNorthDegOf(const Latitude& latitude) {
    const double magnitude = latitude.degrees + latitude.minutes / 60.0;
    return latitude.hemisphere == NorthSouth::North ? magnitude : -magnitude;
}

std::optional<InputRefusal> checkBirthInput(const BirthInput& input) {
    if (trimBlanks(input.name).empty())
        return InputRefusal{InputProblem::EmptyName, InputField::Name};
    if (!inRange(input.longitude.degrees, 0, 179))
        return InputRefusal{InputProblem::LongitudeDegrees, InputField::LongitudeDegrees};
    if (!inRange(input.longitude.minutes, 0, 59))
        return InputRefusal{InputProblem::LongitudeMinutes, InputField::LongitudeMinutes};
    if (!inRange(input.latitude.degrees, 0, 89))
        return InputRefusal{InputProblem::LatitudeDegrees, InputField::LatitudeDegrees};
    if (!inRange(input.latitude.minutes, 0, 59))
        return InputRefusal{InputProblem::LatitudeMinutes, InputField::LatitudeMinutes};

    // Divisibility by 4 is the exact leap-year rule for the years 1901 to 2050.
    const int month = input.local.month;
    const int day = input.local.day;
    if (month == 2 && day > (input.local.year % 4 == 0 ? 29 : 28))
        return InputRefusal{InputProblem::FebruaryDate, InputField::None};
    if ((month == 4 || month == 6 || month == 9 || month == 11) && day == 31)
        return InputRefusal{InputProblem::ThirtyDayMonth, InputField::None};
    return std::nullopt;
}

int coordinateBoxValue(std::string_view text) {
    text = trimBlanks(text);
    if (text.empty())
        return kUnreadableValue;
    int value = 0;
    for (char c : text) {
        if (c < '0' || c > '9')
            return kUnreadableValue;
        value = value * 10 + (c - '0');
        if (value > std::numeric_limits<short>::max())
            return kUnreadableValue;
    }
    return value;
}

} // namespace orbenza
