// The ways of dividing a chart into twelve houses, and their one name table.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbenza {

enum class HouseSystem : std::uint8_t {
    Placidus,
    Koch,
    Porphyry,
    Regiomontanus,
    Campanus,
    Alcabitius,
    Topocentric, // Polich-Page
    Morinus,
    Meridian, // axial rotation
    WholeSign,
    EqualAsc, // 30 degree houses from the Ascendant's exact degree
    EqualMc,  // 30 degree houses from the Midheaven
    Equal,    // 30 whole-degree houses from the Ascendant's whole degree
};

inline constexpr std::size_t kHouseSystemCount = 13;

// The report has always counted the equal houses of whole degrees.
inline constexpr HouseSystem kDefaultHouseSystem = HouseSystem::Equal;

// The names the command line, the JSON output, the library and the settings use.
inline constexpr std::array<std::string_view, kHouseSystemCount> kHouseSystemNames{
    "placidus", "koch",     "porphyry",   "regiomontanus", "campanus", "alcabitius", "topocentric",
    "morinus",  "meridian", "whole-sign", "equal-asc",     "equal-mc", "equal"};

constexpr std::string_view houseSystemName(HouseSystem system) {
    return kHouseSystemNames[static_cast<std::size_t>(system)];
}

// The system named exactly by the text.
constexpr std::optional<HouseSystem> houseSystemNamed(std::string_view text) {
    for (std::size_t i = 0; i < kHouseSystemCount; ++i)
        if (kHouseSystemNames[i] == text)
            return static_cast<HouseSystem>(i);
    return std::nullopt;
}

} // namespace orbenza
