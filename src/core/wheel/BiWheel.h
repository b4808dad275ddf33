// The bi-wheel: a chart inside and a second set of points round it, such as
// the transits of a moment, a progressed or return chart, or another person's
// chart.
//
// The inner chart is the degree wheel itself, drawn smaller about the same
// centre; outside its sign ring a second ring carries the outer points, each
// with a tick at its true longitude, its glyph, its degree and minute within
// the sign and an "R" when retrograde, spread apart like the inner labels when
// they crowd. Both rings share the inner chart's orientation, so a point
// outside stands straight above the longitude it has on the inner zodiac.
//
// The result is a drawing in the degree wheel's primitives on the same canvas,
// so the screen's painter and the SVG writer draw it as they draw that wheel.
#pragma once

#include "base/Body.h"
#include "wheel/DegreeWheel.h"
#include "wheel/WheelSvg.h"

#include <cstddef>
#include <string>
#include <vector>

namespace orbenza {

// One point of the outer ring: any point of the chart's points (the Sun ...
// Pluto, the angles, Chiron, the nodes, Lilith, Fortune).
struct BiWheelPoint {
    Body body = Body::Sun;
    double longitudeDeg = 0.0; // any value, reduced into 0 ... 360
    bool retrograde = false;   // marked for Mercury ... Pluto and Chiron only
};

struct BiWheelInput {
    WheelInput inner;
    std::vector<BiWheelPoint> outer;
    // The line under the wheel: what the two rings show.
    std::string caption;
};

// Where an outer point stands and where its label went.
struct BiWheelOuterPlace {
    Body body = Body::Sun;
    double longitudeDeg = 0.0;      // true longitude, 0 <= x < 360
    double labelLongitudeDeg = 0.0; // after spreading
    bool retrograde = false;
};

struct BiWheel {
    // The whole picture: the inner chart's places as the degree wheel keeps
    // them, and every primitive of both rings in drawing order.
    DegreeWheel drawing;
    // The outer points in the input's order.
    std::vector<BiWheelOuterPlace> outer;
    // drawing.items from this index on belong to the outer ring's points.
    std::size_t firstOuterItem = 0;
};

// The inner chart's size against the single degree wheel.
inline constexpr double kBiWheelInnerScale = 0.72;
// The outer ring's edges, canvas units from the centre.
inline constexpr double kBiWheelOuterRingInnerRadius = kWheelRimRadius * kBiWheelInnerScale;
inline constexpr double kBiWheelOuterRingOuterRadius = 505.0;

BiWheel buildBiWheel(const BiWheelInput& input);

// The glyph an outer point is labelled with (UTF-8): the planet symbols,
// "Asc" and "MC" for the angles (the wheel draws the inner chart's marks).
std::string biWheelGlyph(Body body);

// The bi-wheel as an SVG document widthPixels wide, by the degree wheel's writer.
std::string biWheelSvg(const BiWheel& wheel, double widthPixels, const WheelSvgTitle& title);

} // namespace orbenza
