// The twelve signs of the zodiac, their abbreviations and names.
#pragma once

#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbenza {

enum class Sign : std::uint8_t {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces,
};

inline constexpr std::size_t kSignCount = 12;

// "Aries" ... "Pisces": the one name table of the signs. A sign's
// abbreviation is the first three letters of its name ("Ari" ... "Pis").
inline constexpr std::array<std::string_view, kSignCount> kSignNames{
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

constexpr std::size_t indexOf(Sign sign) {
    return static_cast<std::size_t>(sign);
}
// The sign at position 0 ... 11, taken modulo 12.
constexpr Sign signAt(std::size_t index) {
    return static_cast<Sign>(index % kSignCount);
}

constexpr std::string_view signAbbreviation(Sign sign) {
    return kSignNames[indexOf(sign)].substr(0, 3);
}
constexpr std::string_view signName(Sign sign) {
    return kSignNames[indexOf(sign)];
}

// The sign a longitude falls in (degrees, any value; 360 and more wrap to Aries).
inline Sign signOfLongitude(double longitudeDeg) {
    double reduced = std::fmod(longitudeDeg, 360.0);
    if (reduced < 0)
        reduced += 360.0;
    const auto index = static_cast<std::size_t>(reduced / 30.0);
    return signAt(index);
}

// A longitude taken apart the way a chart writes it: the sign, the whole
// degrees within it (0..29), then whole minutes and whole seconds (0..59), all
// truncated. The houses of the equal-house report and the position texts
// ("24 Gem 12", "24° 12' 7\" Gem") come from these same parts.
struct ZodiacPosition {
    Sign sign = Sign::Aries;
    int degrees = 0;
    int minutes = 0;
    int seconds = 0;
    friend bool operator==(const ZodiacPosition&, const ZodiacPosition&) = default;
};

// The parts of a longitude in degrees. A negative longitude uses its absolute
// value; the sign is taken modulo 12, so 360 reads 0° 0' 0" Aries. Values
// that are not finite read as 0.
ZodiacPosition zodiacPositionOf(double longitudeDeg);

// Degree index 1..360 of a position: sign * 30 + whole degrees + 1, so
// 0° Aries is 1 and 29° Pisces is 360.
constexpr int degreeIndexOf(const ZodiacPosition& position) {
    return static_cast<int>(indexOf(position.sign)) * 30 + position.degrees + 1;
}

} // namespace orbenza
