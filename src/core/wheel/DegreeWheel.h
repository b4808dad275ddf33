// The degree wheel: the chart drawn to the degree, as a small drawing model.
//
// The zodiac ring is turned so the Ascendant's degree stands at the left (nine
// o'clock) and the longitudes run counter-clockwise from it. Around the rim are
// the twelve sign sectors with their pictures and a tick for every degree;
// inside, the twelve equal houses of the report (cusps every 30 degrees from
// the Ascendant's whole degree, as the report counts them) with their numbers,
// and every body Sun ... Pluto (and Chiron, the nodes, Lilith and the Part of
// Fortune when given) at its longitude: a tick at its true degree, its glyph,
// its degree and minute within the sign, and an "R" when retrograde. Bodies
// that crowd together are spread apart along the ring, each label staying
// between the cusps (and on the side of the Ascendant's line) its body stands
// between, and joined to its tick by a leader line; when they cannot fit so,
// the labels are set smaller.
//
// Everything is computed here, once; the screen's painter and the SVG writer
// only draw the primitives in order. Coordinates are units of a canvas
// kCanvasWidth x kCanvasHeight, origin at the top left, y downwards; a writer
// scales the canvas to its pixel size. Text sizes are in the same units.
#pragma once

#include "base/Aspect.h"
#include "base/Body.h"
#include "base/Sign.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace orbenza {

// The canvas: the wheel in a square on top, the caption line under it.
inline constexpr double kWheelCanvasWidth = 1040.0;
inline constexpr double kWheelCanvasHeight = 1090.0;

// The one font every text of the wheel is set in; it carries the planet glyphs
// U+2609 ... U+2647 too. Writers name it and fall back to a sans-serif face.
inline constexpr const char* kWheelFontFamily = "DejaVu Sans";
// DejaVu Sans has no Devanagari: a wheel with Hindi words names this face of
// Debian's fonts-lohit-deva after it.
inline constexpr const char* kDevanagariFontFamily = "Lohit Devanagari";

struct WheelColour {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(WheelColour, WheelColour) = default;
};

struct WheelPoint {
    double x = 0.0, y = 0.0;
};

// An upright rectangle in canvas units.
struct WheelBox {
    double left = 0.0, top = 0.0, width = 0.0, height = 0.0;

    double right() const { return left + width; }
    double bottom() const { return top + height; }
    // True when the two boxes share more than an edge.
    bool intersects(const WheelBox& other) const {
        return left < other.right() && other.left < right() && top < other.bottom() &&
               other.top < bottom();
    }
    bool contains(const WheelBox& other) const {
        return other.left >= left && other.top >= top && other.right() <= right() &&
               other.bottom() <= bottom();
    }
};

// What a primitive stands for, so tests and painters can find it.
enum class WheelRole : std::uint8_t {
    Background,  // the page, the discs and rings
    SignSector,  // shading and boundary of a sign sector
    DegreeTick,  // a tick of the degree scale
    HouseCusp,   // a cusp line of the equal houses
    HouseNumber, // the number of a house
    Horizon,     // the Ascendant's line and its "Asc" mark
    BodyTick,    // a body's tick at its true longitude
    LeaderLine,  // from a body's tick to its spread label
    BodyGlyph,   // the planet glyph
    BodyDegree,  // "12°": degree within the sign
    BodyMinute,  // "34′": minute
    Retrograde,  // "R"
    Caption,     // the house rule under the wheel
    Midheaven,   // the Midheaven's line and its "MC" mark
    AspectLine,  // an aspect's chord inside the hub
};

struct WheelCircle {
    WheelPoint centre;
    double radius = 0.0;
    std::optional<WheelColour> fill;
    std::optional<WheelColour> stroke;
    double strokeWidth = 0.0;
    WheelRole role = WheelRole::Background;
};

// The ring segment between two radii, from startDeg over spanDeg; angles in
// degrees counter-clockwise from the right-hand horizontal.
struct WheelSector {
    WheelPoint centre;
    double innerRadius = 0.0, outerRadius = 0.0;
    double startDeg = 0.0, spanDeg = 0.0;
    WheelColour fill;
    WheelRole role = WheelRole::SignSector;
};

struct WheelLine {
    WheelPoint from, to;
    WheelColour colour;
    double width = 1.0;
    WheelRole role = WheelRole::Background;
    std::optional<Body> body; // the body of a tick or leader line
    bool dashed = false;      // drawn in dashes (the minor aspects)
};

// A line of text, centred on its anchor's x with its baseline on the
// anchor's y. The box covers the text's ink.
struct WheelText {
    std::string text; // UTF-8
    WheelPoint anchor;
    WheelBox box;
    double size = 0.0; // font size, canvas units (em)
    bool bold = false;
    WheelColour colour;
    WheelRole role = WheelRole::Caption;
    std::optional<Body> body; // the body of a body label
    int house = 0;            // 1..12 for a house number
};

// One of the program's twelve sign pictures, drawn to fill its box.
struct WheelSignPicture {
    Sign sign = Sign::Aries;
    WheelBox box;
};

using WheelItem = std::variant<WheelSector, WheelCircle, WheelLine, WheelSignPicture, WheelText>;

// Where one body stands and where its label went.
struct WheelBodyPlace {
    Body body = Body::Sun;
    double longitudeDeg = 0.0;      // true longitude, 0 <= x < 360
    double labelLongitudeDeg = 0.0; // where its label stands after spreading
    bool retrograde = false;
};

// What the wheel is drawn from: the longitudes of Sun ... Pluto and of the
// Ascendant (degrees, ecliptic of date; any value, reduced into 0 ... 360),
// and which planets are retrograde (the Sun, Moon and Ascendant never are).
struct WheelInput {
    BodyArray<double> longitudesDeg;
    BodyArray<bool> retrograde;
    // The cusps of a house system other than the report's equal houses, house
    // 1 first, with the rule the caption states; unset: the equal houses.
    std::optional<std::array<double, 12>> cuspsDeg;
    std::string houseCaption;
    // The Midheaven, marked on the rim when given.
    std::optional<double> midheavenDeg;
    // The marks of the Ascendant and the Midheaven in the chart's language.
    std::string ascendantMark = "Asc";
    std::string midheavenMark = "MC";
    // The letter beside a retrograde body (the labels are spaced for an "R").
    std::string retrogradeMark = "R";
    // The aspects drawn as chords inside the hub: the two longitudes and the
    // family, which gives the colour (minor ones dashed).
    struct Chord {
        double fromDeg = 0.0, toDeg = 0.0;
        AspectFamily family = AspectFamily::Conjunction;
    };
    std::vector<Chord> aspects;
    // The points drawn after Sun ... Pluto, with their glyphs: Chiron, the
    // nodes, Lilith, the Part of Fortune (any of them, in this order).
    struct OtherPoint {
        Body body = Body::Chiron;
        double longitudeDeg = 0.0;
    };
    std::vector<OtherPoint> otherPoints;
};

// No body's label stands further than this from its degree in any chart
// whose labels fit at the smallest size; degrees.
inline constexpr double kMaxLabelDisplacementDeg = 15.0;

struct DegreeWheel {
    double width = kWheelCanvasWidth;
    double height = kWheelCanvasHeight;
    WheelPoint centre;
    double ascendantDeg = 0.0; // reduced into 0 ... 360
    // Longitude of the cusp of house 1 ... 12 (index 0 ... 11): the Ascendant's
    // whole degree, then every 30 degrees, or the cusps given in the input.
    std::array<double, 12> cuspLongitudeDeg{};
    // Sun ... Pluto (index 0 ... 9 in chart order), then the other points of
    // the input in its order.
    std::vector<WheelBodyPlace> bodies;
    // The size of the body labels against the full one: less than 1 when
    // they crowd so that at full size they would not fit between the cusps.
    double labelScale = 1.0;
    // Everything to draw, in drawing order.
    std::vector<WheelItem> items;
};

// The wheel's radii, canvas units.
inline constexpr double kWheelRimRadius = 470.0;         // outer edge of the sign ring
inline constexpr double kWheelZodiacInnerRadius = 400.0; // inner edge of the sign ring
inline constexpr double kWheelHouseRingOuterRadius = 218.0;
inline constexpr double kWheelHubRadius = 170.0;

// The house rule lines under the two chart pictures.
inline constexpr const char* kSignWheelCaption =
    "One sign to a house, counted from the Ascendant's sign";
inline constexpr const char* kDegreeWheelCaption =
    "Equal houses from the Ascendant's degree, as the report counts them";

// Lays the whole wheel out.
DegreeWheel buildDegreeWheel(const WheelInput& input);

// Writes the mark as the text of every retrograde letter among the items.
void markRetrogradesIn(std::vector<WheelItem>& items, const std::string& mark);

// The direction of a longitude on the wheel: degrees counter-clockwise from
// the right-hand horizontal, the Ascendant at 180.
double wheelAngleDeg(double longitudeDeg, double ascendantDeg);

// The longitude shown at a wheel angle (the inverse of wheelAngleDeg), 0 ... 360.
double longitudeAtWheelAngle(double angleDeg, double ascendantDeg);

// House 1 ... 12 of a longitude on the wheel's cusps (from cusp k up to
// cusp k + 1).
int wheelHouseOf(const DegreeWheel& wheel, double longitudeDeg);

} // namespace orbenza
