// The bodies of a chart, in chart order, and their one name table.
//
// Chart order is the order of every per-body array of a chart: the Sun, the
// Moon, Mercury to Pluto, then the Ascendant. The orbital-element table and
// the station tables keep their own internal orders; they convert at their
// edge through the functions here, never by bare indexes.
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
    Chiron,
    TrueNode,
    MeanNode,
    Lilith,
    Fortune,
};

// Sun ... Pluto and the Ascendant.
inline constexpr std::size_t kBodyCount = 11;
// Sun ... Pluto: the bodies that stand in a house of the report.
inline constexpr std::size_t kPlanetCount = 10;

inline constexpr std::array<Body, kBodyCount> kAllBodies{
    Body::Sun,    Body::Moon,   Body::Mercury, Body::Venus, Body::Mars,     Body::Jupiter,
    Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto, Body::Ascendant};

// Position of a body in chart order, 0 Sun ... 10 Ascendant.
constexpr std::size_t indexOf(Body body) {
    return static_cast<std::size_t>(body);
}
// The body at chart position 0 ... 10.
constexpr Body bodyAt(std::size_t index) {
    return static_cast<Body>(index);
}

// Every point of a chart: the bodies above, then the Midheaven, Chiron, the
// true and the mean lunar node, Lilith (the mean lunar apogee) and the Part of
// Fortune.
inline constexpr std::size_t kPointCount = 17;

inline constexpr std::array<Body, kPointCount> kAllPoints{
    Body::Sun,    Body::Moon,     Body::Mercury,  Body::Venus,  Body::Mars,      Body::Jupiter,
    Body::Saturn, Body::Uranus,   Body::Neptune,  Body::Pluto,  Body::Ascendant, Body::Midheaven,
    Body::Chiron, Body::TrueNode, Body::MeanNode, Body::Lilith, Body::Fortune};

// An array indexed by Body over every point.
template <typename T> struct PointArray {
    std::array<T, kPointCount> values{};
    constexpr T& operator[](Body body) { return values[indexOf(body)]; }
    constexpr const T& operator[](Body body) const { return values[indexOf(body)]; }
    friend bool operator==(const PointArray&, const PointArray&) = default;
};

// An array indexed by Body in chart order.
template <typename T> struct BodyArray {
    std::array<T, kBodyCount> values{};
    constexpr T& operator[](Body body) { return values[indexOf(body)]; }
    constexpr const T& operator[](Body body) const { return values[indexOf(body)]; }
    friend bool operator==(const BodyArray&, const BodyArray&) = default;
};

// The body labels of the chart: "Sun" ... "Pluto", "Asc".
inline constexpr std::array<std::string_view, kBodyCount> kBodyLabels{
    "Sun",    "Moon",   "Mercury", "Venus", "Mars", "Jupiter",
    "Saturn", "Uranus", "Neptune", "Pluto", "Asc"};
// Full names: "Sun" ... "Pluto", "Ascendant".
inline constexpr std::array<std::string_view, kBodyCount> kBodyNames{
    "Sun",    "Moon",   "Mercury", "Venus", "Mars",     "Jupiter",
    "Saturn", "Uranus", "Neptune", "Pluto", "Ascendant"};

constexpr std::string_view bodyLabel(Body body) {
    return kBodyLabels[indexOf(body)];
}
constexpr std::string_view bodyName(Body body) {
    return kBodyNames[indexOf(body)];
}

// The body whose label or full name is exactly the text (case-sensitive).
constexpr std::optional<Body> bodyNamed(std::string_view text) {
    for (std::size_t i = 0; i < kBodyCount; ++i)
        if (kBodyLabels[i] == text || kBodyNames[i] == text)
            return bodyAt(i);
    return std::nullopt;
}

// Mercury ... Pluto can be retrograde; the Sun, the Moon and the Ascendant never.
constexpr bool canBeRetrograde(Body body) {
    return body >= Body::Mercury && body <= Body::Pluto;
}

} // namespace orbenza
