#include "wheel/BiWheel.h"

#include "wheel/WheelShapes.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace orbenza {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegreesToRadians = kPi / 180.0;

// Radii of the outer ring's marks, from the inner chart's rim outwards.
constexpr double kTickInnerRadius = kBiWheelOuterRingInnerRadius;
constexpr double kTickOuterRadius = kTickInnerRadius + 13.0;
constexpr double kLeaderOuterRadius = kTickOuterRadius + 9.0;
constexpr double kGlyphRadius = 393.0;
constexpr double kDegreeRadius = 432.0;
constexpr double kMinuteRadius = 462.0;
constexpr double kRetrogradeRadius = 487.0;

// Text sizes, canvas units; the angles' names are words, set smaller.
constexpr double kGlyphSize = 30.0;
constexpr double kAngleNameSize = 19.0;
constexpr double kDegreeSize = 19.0;
constexpr double kMinuteSize = 16.0;
constexpr double kRetrogradeSize = 14.0;
constexpr double kCaptionSize = 22.0;
constexpr double kCaptionBaseline = 1068.0;

constexpr double kSpreadStepDeg = 0.25;
constexpr double kLeaderThresholdDeg = 0.05;

// The outer points are set in a colour of their own, so that the two charts
// read apart at a glance.
constexpr WheelColour kRingColour{0xF7, 0xF8, 0xF3};
constexpr WheelColour kRimColour{0x4A, 0x55, 0x69};
constexpr WheelColour kOuterColour{0x1D, 0x6B, 0x5E};
constexpr WheelColour kQuietColour{0x5A, 0x64, 0x73};
constexpr WheelColour kRetrogradeColour{0xB2, 0x3A, 0x48};
constexpr WheelColour kLeaderColour{0x9A, 0xB3, 0xAC};

double reduced(double deg) {
    return wheelReducedDeg(deg);
}

WheelPoint pointAt(WheelPoint centre, double radius, double angleDeg) {
    return wheelPointAt(centre, radius, angleDeg);
}

WheelText textAt(std::string text, WheelPoint centre, double size, WheelColour colour,
                 WheelRole role, bool bold = false) {
    return wheelTextAt(std::move(text), centre, size, colour, role, bold);
}

// The inner chart drawn smaller about the centre. Line widths stay as they
// are, so that the smaller chart keeps crisp strokes.
struct Shrink {
    WheelPoint centre;
    double scale;

    WheelPoint point(WheelPoint p) const {
        return {centre.x + scale * (p.x - centre.x), centre.y + scale * (p.y - centre.y)};
    }
    WheelBox box(const WheelBox& b) const {
        const WheelPoint topLeft = point({b.left, b.top});
        return {topLeft.x, topLeft.y, b.width * scale, b.height * scale};
    }
    void operator()(WheelSector& s) const {
        s.centre = point(s.centre);
        s.innerRadius *= scale;
        s.outerRadius *= scale;
    }
    void operator()(WheelCircle& c) const {
        c.centre = point(c.centre);
        c.radius *= scale;
    }
    void operator()(WheelLine& l) const {
        l.from = point(l.from);
        l.to = point(l.to);
    }
    void operator()(WheelSignPicture& p) const { p.box = box(p.box); }
    void operator()(WheelText& t) const {
        t.anchor = point(t.anchor);
        t.box = box(t.box);
        t.size *= scale;
    }
};

// The texts of the inner chart that would stand in the outer ring (the angles'
// marks outside its rim) or under the wheel (its house rule) are left out.
bool keptInside(const WheelItem& item) {
    const auto* text = std::get_if<WheelText>(&item);
    return text == nullptr ||
           (text->role != WheelRole::Horizon && text->role != WheelRole::Midheaven &&
            text->role != WheelRole::Caption);
}

std::string twoDigits(int value) {
    return wheelTwoDigits(value);
}

bool isAngle(Body body) {
    return body == Body::Ascendant || body == Body::Midheaven;
}

// The label of one outer point at its spread place: glyph, degree, minute, "R".
std::vector<WheelText> outerLabel(const BiWheelOuterPlace& place, WheelPoint centre,
                                  double ascendantDeg, const WheelInput& inner) {
    const double angle = wheelAngleDeg(place.labelLongitudeDeg, ascendantDeg);
    const double whole = std::floor(place.longitudeDeg);
    const int degree = static_cast<int>(whole) % 30;
    const int minute = std::clamp(static_cast<int>((place.longitudeDeg - whole) * 60.0), 0, 59);
    std::vector<WheelText> label;
    // The angles carry the inner chart's marks, in its language.
    const std::string glyph = place.body == Body::Ascendant   ? inner.ascendantMark
                              : place.body == Body::Midheaven ? inner.midheavenMark
                                                              : biWheelGlyph(place.body);
    label.push_back(textAt(glyph, pointAt(centre, kGlyphRadius, angle),
                           isAngle(place.body) ? kAngleNameSize : kGlyphSize, kOuterColour,
                           WheelRole::BodyGlyph, isAngle(place.body)));
    label.push_back(textAt(std::to_string(degree) + "\u00B0", pointAt(centre, kDegreeRadius, angle),
                           kDegreeSize, kOuterColour, WheelRole::BodyDegree));
    label.push_back(textAt(twoDigits(minute) + "\u2032", pointAt(centre, kMinuteRadius, angle),
                           kMinuteSize, kQuietColour, WheelRole::BodyMinute));
    if (place.retrograde)
        label.push_back(textAt("R", pointAt(centre, kRetrogradeRadius, angle), kRetrogradeSize,
                               kRetrogradeColour, WheelRole::Retrograde, true));
    for (WheelText& t : label)
        t.body = place.body;
    return label;
}

bool labelsMeet(const std::vector<std::vector<WheelText>>& labels) {
    return wheelLabelsMeet(labels);
}

// Spreads the outer labels apart, widening the least gap until no two meet,
// and returns them.
std::vector<std::vector<WheelText>> placeOuterLabels(std::vector<BiWheelOuterPlace>& places,
                                                     WheelPoint centre, double ascendantDeg,
                                                     const WheelInput& inner) {
    std::vector<double> longitudes;
    longitudes.reserve(places.size());
    for (const BiWheelOuterPlace& place : places)
        longitudes.push_back(place.longitudeDeg);
    // A glyph's box, as a chord at the glyph's radius, is the narrowest start.
    const double glyphChord =
        std::hypot(kGlyphSize, (kWheelInkAscent + kWheelInkDescent) * kGlyphSize);
    const double firstGap = 2.0 * std::asin(glyphChord / (2.0 * kGlyphRadius)) / kDegreesToRadians;
    const double widestGap = places.empty() ? 0.0 : 360.0 / static_cast<double>(places.size());
    std::vector<std::vector<WheelText>> labels(places.size());
    for (double gap = std::min(firstGap, widestGap); gap <= widestGap + kSpreadStepDeg;
         gap += kSpreadStepDeg) {
        const std::vector<double> spread = spreadAround(longitudes, gap);
        for (std::size_t i = 0; i < places.size(); ++i) {
            places[i].labelLongitudeDeg = spread[i];
            labels[i] = outerLabel(places[i], centre, ascendantDeg, inner);
        }
        if (!labelsMeet(labels))
            break;
    }
    return labels;
}

} // namespace

std::string biWheelGlyph(Body body) {
    switch (body) {
    case Body::Sun:
        return "\u2609";
    case Body::Moon:
        return "\u263D";
    case Body::Mercury:
        return "\u263F";
    case Body::Venus:
        return "\u2640";
    case Body::Mars:
        return "\u2642";
    case Body::Jupiter:
        return "\u2643";
    case Body::Saturn:
        return "\u2644";
    case Body::Uranus:
        return "\u2645";
    case Body::Neptune:
        return "\u2646";
    case Body::Pluto:
        return "\u2647";
    case Body::Ascendant:
        return "Asc";
    case Body::Midheaven:
        return "MC";
    case Body::Chiron:
        return "\u26B7";
    case Body::TrueNode:
    case Body::MeanNode:
        return "\u260A";
    case Body::Lilith:
        return "\u26B8";
    case Body::Fortune:
        return "\u2297";
    }
    return "?";
}

BiWheel buildBiWheel(const BiWheelInput& input) {
    BiWheel wheel;
    const DegreeWheel inner = buildDegreeWheel(input.inner);
    DegreeWheel& drawing = wheel.drawing;
    drawing.width = inner.width;
    drawing.height = inner.height;
    drawing.centre = inner.centre;
    drawing.ascendantDeg = inner.ascendantDeg;
    drawing.cuspLongitudeDeg = inner.cuspLongitudeDeg;
    drawing.bodies = inner.bodies;
    const WheelPoint centre = inner.centre;
    auto& items = drawing.items;
    items.reserve(inner.items.size() + 16 * input.outer.size() + 4);

    // The outer ring under everything, then the inner chart within it.
    items.push_back(WheelCircle{centre, kBiWheelOuterRingOuterRadius, kRingColour, kRimColour, 1.5,
                                WheelRole::Background});
    const Shrink shrink{centre, kBiWheelInnerScale};
    for (const WheelItem& item : inner.items) {
        if (!keptInside(item))
            continue;
        WheelItem shrunk = item;
        std::visit(shrink, shrunk);
        items.push_back(std::move(shrunk));
    }

    wheel.firstOuterItem = items.size();
    wheel.outer.reserve(input.outer.size());
    for (const BiWheelPoint& point : input.outer)
        wheel.outer.push_back(
            {point.body, reduced(point.longitudeDeg), 0.0,
             point.retrograde && (canBeRetrograde(point.body) || point.body == Body::Chiron)});
    std::vector<std::vector<WheelText>> labels =
        placeOuterLabels(wheel.outer, centre, drawing.ascendantDeg, input.inner);
    for (std::size_t i = 0; i < wheel.outer.size(); ++i) {
        const BiWheelOuterPlace& place = wheel.outer[i];
        const double trueAngle = wheelAngleDeg(place.longitudeDeg, drawing.ascendantDeg);
        items.push_back(WheelLine{pointAt(centre, kTickInnerRadius, trueAngle),
                                  pointAt(centre, kTickOuterRadius, trueAngle), kOuterColour, 2.2,
                                  WheelRole::BodyTick, place.body});
        const double moved =
            std::abs(std::remainder(place.labelLongitudeDeg - place.longitudeDeg, 360.0));
        if (moved > kLeaderThresholdDeg)
            items.push_back(
                WheelLine{pointAt(centre, kTickOuterRadius, trueAngle),
                          pointAt(centre, kLeaderOuterRadius,
                                  wheelAngleDeg(place.labelLongitudeDeg, drawing.ascendantDeg)),
                          kLeaderColour, 1.0, WheelRole::LeaderLine, place.body});
        for (WheelText& t : labels[i])
            items.push_back(std::move(t));
    }

    WheelText caption =
        textAt(input.caption, {centre.x, 0.0}, kCaptionSize, kQuietColour, WheelRole::Caption);
    const double shift = kCaptionBaseline - caption.anchor.y;
    caption.anchor.y += shift;
    caption.box.top += shift;
    items.push_back(std::move(caption));
    markRetrogradesIn(items, input.inner.retrogradeMark);
    return wheel;
}

std::string biWheelSvg(const BiWheel& wheel, double widthPixels, const WheelSvgTitle& title) {
    return wheelSvg(wheel.drawing, widthPixels, title);
}

} // namespace orbenza
