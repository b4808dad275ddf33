// The aspects: the angles between two points of a chart that astrologers read,
// with their default orbs, in one table.
#pragma once

#include "base/Body.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbenza {

enum class Aspect : std::uint8_t {
    Conjunction,
    Opposition,
    Trine,
    Square,
    Sextile,
    Quincunx,
    SemiSextile,
    SemiSquare,
    Sesquiquadrate,
    Quintile,
    Biquintile,
};

inline constexpr std::size_t kAspectCount = 11;

// How an aspect reads: the conjunction, the harmonious ones (trine, sextile), the
// challenging ones (square, opposition) and the minor ones.
enum class AspectFamily : std::uint8_t { Conjunction, Harmonious, Challenging, Minor };

struct AspectKind {
    std::string_view name; // the name in the JSON output and the orbs file
    double angleDeg;
    double defaultOrbDeg;
    AspectFamily family;
    constexpr bool major() const { return family != AspectFamily::Minor; }
};

inline constexpr std::array<AspectKind, kAspectCount> kAspectKinds{{
    {"conjunction", 0.0, 8.0, AspectFamily::Conjunction},
    {"opposition", 180.0, 8.0, AspectFamily::Challenging},
    {"trine", 120.0, 7.0, AspectFamily::Harmonious},
    {"square", 90.0, 7.0, AspectFamily::Challenging},
    {"sextile", 60.0, 5.0, AspectFamily::Harmonious},
    {"quincunx", 150.0, 3.0, AspectFamily::Minor},
    {"semi-sextile", 30.0, 2.0, AspectFamily::Minor},
    {"semi-square", 45.0, 2.0, AspectFamily::Minor},
    {"sesquiquadrate", 135.0, 2.0, AspectFamily::Minor},
    {"quintile", 72.0, 1.5, AspectFamily::Minor},
    {"biquintile", 144.0, 1.5, AspectFamily::Minor},
}};

// A major aspect with the Sun or the Moon in it is given this much more orb.
inline constexpr double kLuminaryOrbBonusDeg = 2.0;

constexpr const AspectKind& aspectKind(Aspect aspect) {
    return kAspectKinds[static_cast<std::size_t>(aspect)];
}
constexpr std::string_view aspectName(Aspect aspect) {
    return aspectKind(aspect).name;
}
constexpr Aspect aspectAt(std::size_t index) {
    return static_cast<Aspect>(index);
}

// The aspect named exactly by the text ("trine", "semi-square").
constexpr std::optional<Aspect> aspectNamed(std::string_view text) {
    for (std::size_t i = 0; i < kAspectCount; ++i)
        if (kAspectKinds[i].name == text)
            return aspectAt(i);
    return std::nullopt;
}

// Which aspects a chart lists: the five major ones, or all eleven.
enum class AspectSet : std::uint8_t { Major, All };

inline constexpr std::array<std::string_view, 2> kAspectSetNames{"major", "all"};

constexpr std::string_view aspectSetName(AspectSet set) {
    return kAspectSetNames[static_cast<std::size_t>(set)];
}
constexpr std::optional<AspectSet> aspectSetNamed(std::string_view text) {
    if (text == kAspectSetNames[0])
        return AspectSet::Major;
    if (text == kAspectSetNames[1])
        return AspectSet::All;
    return std::nullopt;
}

// Sun ... Pluto, Ascendant, Midheaven: the points whose aspects the report
// interprets, in chart order.
inline constexpr std::size_t kAspectPointCount = 12;
inline constexpr std::array<Body, kAspectPointCount> kAspectPoints{
    Body::Sun,    Body::Moon,   Body::Mercury, Body::Venus, Body::Mars,      Body::Jupiter,
    Body::Saturn, Body::Uranus, Body::Neptune, Body::Pluto, Body::Ascendant, Body::Midheaven};

// The points whose aspects a chart lists, in chart order: the report's twelve,
// then Chiron and the true and the mean lunar node.
inline constexpr std::size_t kChartAspectPointCount = 15;
inline constexpr std::array<Body, kChartAspectPointCount> kChartAspectPoints{
    Body::Sun,       Body::Moon,      Body::Mercury, Body::Venus,    Body::Mars,
    Body::Jupiter,   Body::Saturn,    Body::Uranus,  Body::Neptune,  Body::Pluto,
    Body::Ascendant, Body::Midheaven, Body::Chiron,  Body::TrueNode, Body::MeanNode};

constexpr bool isLunarNode(Body body) {
    return body == Body::TrueNode || body == Body::MeanNode;
}

// Whether a chart lists the aspect between two different points: never the
// Ascendant with the Midheaven (their angle is the house frame's) nor one node
// with the other (the same axis, reckoned two ways); a node takes part in the
// conjunction and the opposition only.
constexpr bool aspectListed(Aspect aspect, Body a, Body b) {
    const bool angles = (a == Body::Ascendant && b == Body::Midheaven) ||
                        (a == Body::Midheaven && b == Body::Ascendant);
    if (a == b || angles || (isLunarNode(a) && isLunarNode(b)))
        return false;
    return !(isLunarNode(a) || isLunarNode(b)) || aspect == Aspect::Conjunction ||
           aspect == Aspect::Opposition;
}

} // namespace orbenza
