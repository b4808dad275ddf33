// The bodies of a chart, in chart order, and their one name table.
//
// Chart order is the order of every per-body array of a chart: the Sun, the
// Moon, Mercury to Pluto, then the Ascendant. The points after the Ascendant
// (the Midheaven, ...) follow in the same order in arrays over all points. The orbital-element
// table and the station tables keep their own internal orders; they convert at their edge through
// the functions here, never by bare indexes.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbenza {

enum class Body : std::uint8_t {
    Sun,
    Moon,
    Mercury,
    Venus,
    Mars,
    Jupiter,
    Saturn,
    Uranus,
    Neptune,
    Pluto,
    Ascendant,
    Midheaven,
};

// Sun ... Pluto and the Ascendant.
inline constexpr std::size_t kBodyCount = 11;
// Sun ... Pluto: the bodies that stand in a house of the report.
inline constexpr std::size_t kPlanetCount = 10;

// Every point of the enumeration: the bodies, then the Midheaven.
inline constexpr std::size_t kPointCount = 12;

inline constexpr std::array<Body, kBodyCount> kAllBodies{
    Body::Sun,    Body::Moon,   Body::Mercury, Body::Venus, Body::Mars,     Body::Jupiter,
    Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto, Body::Ascendant};
inline constexpr std::array<Body, kPointCount> kAllPoints{
    Body::Sun,    Body::Moon,   Body::Mercury, Body::Venus, Body::Mars,      Body::Jupiter,
    Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto, Body::Ascendant, Body::Midheaven};

// Position of a point in chart order, 0 Sun ... 10 Ascendant, 11 Midheaven.
constexpr std::size_t indexOf(Body body) {
    return static_cast<std::size_t>(body);
}
// The point at chart position 0 ... kPointCount - 1.
constexpr Body bodyAt(std::size_t index) {
    return static_cast<Body>(index);
}

// An array indexed by Body in chart order.
template <typename T> struct BodyArray {
    std::array<T, kBodyCount> values{};
    constexpr T& operator[](Body body) { return values[indexOf(body)]; }
    constexpr const T& operator[](Body body) const { return values[indexOf(body)]; }
    friend bool operator==(const BodyArray&, const BodyArray&) = default;
};

// An array indexed by Body over every point.
template <typename T> struct PointArray {
    std::array<T, kPointCount> values{};
    constexpr T& operator[](Body body) { return values[indexOf(body)]; }
    constexpr const T& operator[](Body body) const { return values[indexOf(body)]; }
    friend bool operator==(const PointArray&, const PointArray&) = default;
};

// The labels of the chart's points: "Sun" ... "Pluto", "Asc", "MC".
inline constexpr std::array<std::string_view, kPointCount> kPointLabels{
    "Sun",    "Moon",   "Mercury", "Venus", "Mars", "Jupiter",
    "Saturn", "Uranus", "Neptune", "Pluto", "Asc",  "MC"};
// Full names: "Sun" ... "Pluto", "Ascendant", "Midheaven".
inline constexpr std::array<std::string_view, kPointCount> kPointNames{
    "Sun",    "Moon",   "Mercury", "Venus", "Mars",      "Jupiter",
    "Saturn", "Uranus", "Neptune", "Pluto", "Ascendant", "Midheaven"};

namespace detail {
template <std::size_t N>
constexpr std::array<std::string_view, N>
firstNames(const std::array<std::string_view, kPointCount>& all) {
    std::array<std::string_view, N> names{};
    for (std::size_t i = 0; i < N; ++i)
        names[i] = all[i];
    return names;
}
} // namespace detail

// The body labels of the chart: "Sun" ... "Pluto", "Asc".
inline constexpr std::array<std::string_view, kBodyCount> kBodyLabels =
    detail::firstNames<kBodyCount>(kPointLabels);
// Full names: "Sun" ... "Pluto", "Ascendant".
inline constexpr std::array<std::string_view, kBodyCount> kBodyNames =
    detail::firstNames<kBodyCount>(kPointNames);

constexpr std::string_view bodyLabel(Body body) {
    return kPointLabels[indexOf(body)];
}
constexpr std::string_view bodyName(Body body) {
    return kPointNames[indexOf(body)];
}

// The point whose label or full name is exactly the text (case-sensitive).
constexpr std::optional<Body> bodyNamed(std::string_view text) {
    for (std::size_t i = 0; i < kPointCount; ++i)
        if (kPointLabels[i] == text || kPointNames[i] == text)
            return bodyAt(i);
    return std::nullopt;
}

// Mercury ... Pluto can be retrograde; the Sun, the Moon and the Ascendant never.
constexpr bool canBeRetrograde(Body body) {
    return body >= Body::Mercury && body <= Body::Pluto;
}

} // namespace orbenza
