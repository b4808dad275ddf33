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

// Three letters per sign from Aries; sign n (0..11) starts at position 3n.
inline constexpr std::string_view SIGN_ABBREVIATIONS = "AriTauGemCanLeoVirLibScoSagCapAquPis";

// "Ari" ... "Pis", positions 0..11.
inline constexpr std::array<std::string_view, kSignCount> SignAbbreviationList{
    "Ari", "Tau", "Gem", "Can", "Leo", "Vir", "Lib", "Sco", "Sag", "Cap", "Aqu", "Pis"};

// "Aries" ... "Pisces".
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
    return SignAbbreviationList[indexOf(sign)];
}
constexpr std::string_view signName(Sign sign) {
    return kSignNames[indexOf(sign)];
}

// The sign whose abbreviation is exactly the text ("Ari" ... "Pis", case-sensitive).
constexpr std::optional<Sign> signOfAbbreviation(std::string_view text) {
    for (std::size_t i = 0; i < kSignCount; ++i)
        if (SignAbbreviationList[i] == text)
            return signAt(i);
    return std::nullopt;
}

// The sign a longitude falls in (degrees, any value; 360 and more wrap to Aries).
inline Sign signOfLongitude(double longitudeDeg) {
    double reduced = std::fmod(longitudeDeg, 360.0);
    if (reduced < 0)
        reduced += 360.0;
    const auto index = static_cast<std::size_t>(reduced / 30.0);
    return signAt(index);
}

} // namespace orbenza
