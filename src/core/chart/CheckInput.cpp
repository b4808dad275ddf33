#include "chart/CheckInput.h"

#include "base/TextTrim.h"
#include "base/Utf8.h"

#include <charconv>
#include <cstdint>
#include <limits>
#include <unicode/uchar.h>
#include <vector>

namespace orbenza {

namespace {

constexpr char32_t kBlank = U' ';
constexpr char32_t kHyphen = U'-';
constexpr char32_t kApostrophe = U'\'';
constexpr char32_t kRightSingleQuote = U'\u2019'; // the apostrophe of typeset text
constexpr char32_t kFullStop = U'.';
constexpr char32_t kZeroWidthNonJoiner = U'\u200C';
constexpr char32_t kZeroWidthJoiner = U'\u200D';

// Letters and combining marks by their Unicode general category (ICU).
bool isLetter(char32_t c) {
    return (U_GET_GC_MASK(static_cast<UChar32>(c)) & U_GC_L_MASK) != 0;
}
bool isMark(char32_t c) {
    return (U_GET_GC_MASK(static_cast<UChar32>(c)) & U_GC_M_MASK) != 0;
}

bool inRange(std::string_view text, int low, int high) {
    const auto value = coordinateValue(text);
    return value && *value >= low && *value <= high;
}

} // namespace

bool isPersonNameCharacter(char32_t c) {
    return isLetter(c) || isMark(c) || c == kBlank || c == kHyphen || c == kApostrophe ||
           c == kRightSingleQuote || c == kFullStop || c == kZeroWidthNonJoiner ||
           c == kZeroWidthJoiner;
}

bool isValidPersonName(std::string_view utf8) {
    utf8 = trimBlanks(utf8);
    // Decode the whole name first: ill-formed UTF-8 is refused.
    std::vector<char32_t> name;
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Step step = decodeUtf8(utf8, i);
        if (!step.valid || !isPersonNameCharacter(step.codePoint))
            return false;
        i += step.length;
        name.push_back(step.codePoint);
    }
    if (name.empty() || !isLetter(name.front()))
        return false;
    for (std::size_t i = 1; i < name.size(); ++i) {
        const char32_t c = name[i];
        const char32_t before = name[i - 1];
        const bool afterLetter = isLetter(before) || isMark(before);
        if (isMark(c) || c == kFullStop || c == kZeroWidthNonJoiner || c == kZeroWidthJoiner) {
            if (!afterLetter)
                return false;
        } else if (c == kHyphen || c == kApostrophe || c == kRightSingleQuote) {
            if (!afterLetter || i + 1 == name.size() || !isLetter(name[i + 1]))
                return false;
        }
    }
    return true;
}

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
