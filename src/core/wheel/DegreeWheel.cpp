#include "wheel/DegreeWheel.h"

#include "houses/Houses.h"
#include "wheel/WheelShapes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>

namespace orbenza {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kDegreesToRadians = kPi / 180.0;

constexpr WheelPoint kCentre{520.0, 520.0};

// Radii of the body labels, from the rim inwards: the glyph, the degree, the
// minute and the retrograde mark; canvas units.
constexpr double kBodyTickOuterRadius = kWheelZodiacInnerRadius;
constexpr double kBodyTickInnerRadius = 386.0;
constexpr double kLeaderInnerRadius = 373.0;
constexpr double kGlyphRadius = 352.0;
constexpr double kDegreeRadius = 305.0;
constexpr double kMinuteRadius = 264.0;
constexpr double kRetrogradeRadius = 233.0;
constexpr double kHouseNumberRadius = (kWheelHubRadius + kWheelHouseRingOuterRadius) / 2.0;
constexpr double kSignPictureRadius = (kWheelRimRadius + kWheelZodiacInnerRadius) / 2.0;
constexpr double kSignPictureSize = 46.0;

// Text sizes, canvas units.
constexpr double kGlyphSize = 34.0;
constexpr double kDegreeSize = 21.0;
constexpr double kMinuteSize = 18.0;
constexpr double kRetrogradeSize = 17.0;
constexpr double kHouseNumberSize = 20.0;
constexpr double kAscendantMarkSize = 18.0;
constexpr double kCaptionSize = 22.0;
constexpr double kCaptionBaseline = 1062.0;

constexpr double kInkAscent = kWheelInkAscent;
constexpr double kInkDescent = kWheelInkDescent;

// The least extra angle between two spread labels, over the width their
// boxes need; degrees.
constexpr double kSpreadMarginDeg = 0.4;
// A label that moved less than this keeps no leader line; degrees.
constexpr double kLeaderThresholdDeg = 0.05;
// A cusp this close to the Ascendant or to another cusp is one barrier with
// it for the labels; degrees.
constexpr double kBarrierMergeDeg = 1.0;
// The labels' sizes tried, largest first, until the labels fit between the
// barriers, meet nowhere and move less than kMaxLabelDisplacementDeg.
constexpr std::array<double, 8> kLabelScales{1.0, 0.92, 0.85, 0.78, 0.71, 0.64, 0.57, 0.5};

// The calm palette the chart screen uses too.
constexpr WheelColour kDiscColour{0xFB, 0xFC, 0xFE};
constexpr WheelColour kSignShadeLight{0xEE, 0xF1, 0xF7};
constexpr WheelColour kSignShadeDark{0xE2, 0xE7, 0xF0};
constexpr WheelColour kHubColour{0xF4, 0xF6, 0xFA};
constexpr WheelColour kTickColour{0x8F, 0x99, 0xAB};
constexpr WheelColour kAxisColour{0x7D, 0x88, 0x9C};
constexpr WheelColour kRimColour{0x4A, 0x55, 0x69};
constexpr WheelColour kTextColour{0x25, 0x2E, 0x3D};
constexpr WheelColour kQuietTextColour{0x5A, 0x64, 0x73};
constexpr WheelColour kAscendantColour{0x6B, 0x3F, 0xA0};
constexpr WheelColour kRetrogradeColour{0xB2, 0x3A, 0x48};
constexpr WheelColour kLeaderColour{0x9A, 0xA3, 0xB3};

// The glyphs of every point by chart position (UTF-8), all in DejaVu Sans;
// none for the Ascendant and the Midheaven, which are lines. Both lunar nodes
// take the North node's glyph; the mean one is drawn in the quiet colour.
constexpr std::array<const char*, kPointCount> kPointGlyphs{
    "\u2609", "\u263D", "\u263F", "\u2640", "\u2642", "\u2643", "\u2644", "\u2645", "\u2646",
    "\u2647", "",       "",       "\u26B7", "\u260A", "\u260A", "\u26B8", "\u2297"};

WheelPoint pointAt(double radius, double angleDeg) {
    return wheelPointAt(kCentre, radius, angleDeg);
}

// Degree within the sign and minute, both truncated, as the position texts
// write them.
struct DegreeMinute {
    int degree = 0, minute = 0;
};
DegreeMinute degreeMinuteOf(double longitudeDeg) {
    const double whole = std::floor(longitudeDeg);
    const int minute = std::clamp(static_cast<int>((longitudeDeg - whole) * 60.0), 0, 59);
    return {static_cast<int>(whole) % 30, minute};
}

// The label of one body at its spread place: glyph, degree, minute, "R",
// their sizes times scale.
std::vector<WheelText> bodyLabel(const WheelBodyPlace& place, double ascendantDeg, double scale) {
    const double angle = wheelAngleDeg(place.labelLongitudeDeg, ascendantDeg);
    const DegreeMinute dm = degreeMinuteOf(place.longitudeDeg);
    std::vector<WheelText> label;
    label.push_back(wheelTextAt(
        kPointGlyphs[indexOf(place.body)], pointAt(kGlyphRadius, angle), kGlyphSize * scale,
        place.body == Body::MeanNode ? kQuietTextColour : kTextColour, WheelRole::BodyGlyph));
    label.push_back(wheelTextAt(std::to_string(dm.degree) + "\u00B0", pointAt(kDegreeRadius, angle),
                                kDegreeSize * scale, kTextColour, WheelRole::BodyDegree));
    label.push_back(wheelTextAt(wheelTwoDigits(dm.minute) + "\u2032", pointAt(kMinuteRadius, angle),
                                kMinuteSize * scale, kQuietTextColour, WheelRole::BodyMinute));
    if (place.retrograde)
        label.push_back(wheelTextAt("R", pointAt(kRetrogradeRadius, angle), kRetrogradeSize * scale,
                                    kRetrogradeColour, WheelRole::Retrograde, true));
    for (WheelText& t : label)
        t.body = place.body;
    return label;
}

// The angle two labels at wheel angle angleDeg need between them so that
// their boxes cannot meet: each row's box projected on the ring's tangent
// there (wide boxes need more room at the top and bottom of the wheel, tall
// ones at the sides), as an angle at the row's radius.
double labelGapDeg(double angleDeg, double scale) {
    struct Item {
        const char* widest;
        double size, radius;
    };
    constexpr Item items[] = {{"\u2609", kGlyphSize, kGlyphRadius},
                              {"00\u00B0", kDegreeSize, kDegreeRadius},
                              {"00\u2032", kMinuteSize, kMinuteRadius},
                              {"R", kRetrogradeSize * kWheelBoldWidening, kRetrogradeRadius}};
    const double a = angleDeg * kDegreesToRadians;
    double gap = 0.0;
    for (const Item& item : items) {
        const double w = wheelTextWidthEm(item.widest) * item.size * scale;
        const double h = (kInkAscent + kInkDescent) * item.size * scale;
        const double extent = w * std::abs(std::sin(a)) + h * std::abs(std::cos(a));
        gap = std::max(gap, 2.0 * std::asin(std::min(1.0, extent / (2.0 * item.radius))) /
                                kDegreesToRadians);
    }
    return gap + kSpreadMarginDeg;
}

// Smallest angle between two directions, degrees.
double angularDistanceDeg(double a, double b) {
    return std::abs(std::remainder(a - b, 360.0));
}

// The directions no label may cross: every cusp and the Ascendant, a cusp
// within kBarrierMergeDeg of one already taken giving way to it (the
// Ascendant first). Longitudes, ascending.
std::vector<double> labelBarriers(const DegreeWheel& wheel) {
    std::vector<double> barriers{wheel.ascendantDeg};
    for (double cusp : wheel.cuspLongitudeDeg)
        if (std::none_of(barriers.begin(), barriers.end(), [cusp](double taken) {
                return angularDistanceDeg(cusp, taken) < kBarrierMergeDeg;
            }))
            barriers.push_back(cusp);
    std::sort(barriers.begin(), barriers.end());
    return barriers;
}

// Spreads the labels of the bodies between two neighbouring barriers, given
// in order of longitude: gapDeg apart, half a gap clear of either barrier,
// moved as little as possible. The least-squares fit of the ordered places is
// pooled as in spreadAround, then clipped to the segment, which keeps it the
// least-squares fit under the bounds. When they do not fit they are spread
// evenly over the segment, where they may still clear each other: the gap is
// the widest any two of them could need.
void spreadWithin(const std::vector<WheelBodyPlace*>& bodies, double startDeg, double widthDeg,
                  double gapDeg) {
    const std::size_t n = bodies.size();
    const double last = static_cast<double>(n - 1);
    const double low = gapDeg / 2.0;
    const double high = widthDeg - gapDeg / 2.0 - last * gapDeg;
    if (high < low) {
        const double even = widthDeg / static_cast<double>(n);
        for (std::size_t j = 0; j < n; ++j)
            bodies[j]->labelLongitudeDeg =
                wheelReducedDeg(startDeg + even * (static_cast<double>(j) + 0.5));
        return;
    }
    std::vector<double> blockSum, blockCount;
    for (std::size_t j = 0; j < n; ++j) {
        blockSum.push_back(wheelReducedDeg(bodies[j]->longitudeDeg - startDeg) -
                           static_cast<double>(j) * gapDeg);
        blockCount.push_back(1.0);
        while (blockSum.size() > 1 &&
               blockSum[blockSum.size() - 2] / blockCount[blockCount.size() - 2] >
                   blockSum.back() / blockCount.back()) {
            blockSum[blockSum.size() - 2] += blockSum.back();
            blockCount[blockCount.size() - 2] += blockCount.back();
            blockSum.pop_back();
            blockCount.pop_back();
        }
    }
    std::size_t j = 0;
    for (std::size_t b = 0; b < blockSum.size(); ++b)
        for (double c = 0; c < blockCount[b]; c += 1.0, ++j)
            bodies[j]->labelLongitudeDeg =
                wheelReducedDeg(startDeg + std::clamp(blockSum[b] / blockCount[b], low, high) +
                                static_cast<double>(j) * gapDeg);
}

} // namespace

double wheelAngleDeg(double longitudeDeg, double ascendantDeg) {
    return wheelReducedDeg(180.0 + longitudeDeg - ascendantDeg);
}

double longitudeAtWheelAngle(double angleDeg, double ascendantDeg) {
    return wheelReducedDeg(angleDeg - 180.0 + ascendantDeg);
}

int wheelHouseOf(const DegreeWheel& wheel, double longitudeDeg) {
    return houseOf(wheel.cuspLongitudeDeg, wheelReducedDeg(longitudeDeg));
}

namespace {

// The colours of the aspect families: conjunctions and the minor aspects
// green (minor ones dashed), the flowing ones blue, the tense ones red.
WheelColour aspectColour(AspectFamily family) {
    switch (family) {
    case AspectFamily::Harmonious:
        return {0x2B, 0x6C, 0xD8};
    case AspectFamily::Challenging:
        return {0xD0, 0x3B, 0x3B};
    case AspectFamily::Conjunction:
    case AspectFamily::Minor:
        break;
    }
    return {0x3C, 0x9A, 0x5A};
}

// The Midheaven's line across the sign ring with its "MC" mark outside the
// rim, and the aspects as chords between their points on the hub's edge (a
// conjunction, whose points nearly meet, draws no chord).
template <typename AngleOf>
void addMidheavenAndAspects(std::vector<WheelItem>& items, const WheelInput& input,
                            const AngleOf& angleOf) {
    if (input.midheavenDeg) {
        const double angle = angleOf(*input.midheavenDeg);
        items.push_back(WheelLine{pointAt(kLeaderInnerRadius, angle),
                                  pointAt(kWheelRimRadius + 16.0, angle), kAscendantColour, 2.5,
                                  WheelRole::Midheaven, std::nullopt});
        items.push_back(wheelTextAt(input.midheavenMark, pointAt(kWheelRimRadius + 30.0, angle),
                                    kAscendantMarkSize, kAscendantColour, WheelRole::Midheaven,
                                    true));
    }
    constexpr double kChordRadius = kWheelHubRadius - 6.0;
    for (const WheelInput::Chord& chord : input.aspects) {
        if (chord.family == AspectFamily::Conjunction)
            continue;
        WheelLine line{pointAt(kChordRadius, angleOf(chord.fromDeg)),
                       pointAt(kChordRadius, angleOf(chord.toDeg)),
                       aspectColour(chord.family),
                       chord.family == AspectFamily::Minor ? 1.0 : 1.4,
                       WheelRole::AspectLine,
                       std::nullopt};
        line.dashed = chord.family == AspectFamily::Minor;
        items.push_back(line);
    }
}

// Every body's place and its label: the labels spread between the barriers
// at the largest size that lets them fit, meet nowhere and stay within
// kMaxLabelDisplacementDeg of their degrees; at the smallest size if none does.
std::vector<std::vector<WheelText>> placeBodies(DegreeWheel& wheel, const WheelInput& input) {
    wheel.bodies.clear();
    for (std::size_t i = 0; i < kPlanetCount; ++i) {
        const Body body = bodyAt(i);
        wheel.bodies.push_back({body, wheelReducedDeg(input.longitudesDeg[body]), 0.0,
                                canBeRetrograde(body) && input.retrograde[body]});
    }
    for (const WheelInput::OtherPoint& point : input.otherPoints)
        wheel.bodies.push_back({point.body, wheelReducedDeg(point.longitudeDeg), 0.0, false});

    const std::vector<double> barriers = labelBarriers(wheel);
    std::vector<std::vector<WheelBodyPlace*>> segments(barriers.size());
    for (WheelBodyPlace& place : wheel.bodies) {
        // The segment that starts at the last barrier at or before the body.
        const auto after = std::upper_bound(barriers.begin(), barriers.end(), place.longitudeDeg);
        const std::size_t k = after == barriers.begin()
                                  ? barriers.size() - 1
                                  : static_cast<std::size_t>(after - barriers.begin()) - 1;
        segments[k].push_back(&place);
    }
    // The index also picks the segment's barrier.
    for (std::size_t k = 0; k < segments.size(); ++k) // NOLINT(modernize-loop-convert)
        std::stable_sort(segments[k].begin(), segments[k].end(),
                         [start = barriers[k]](const WheelBodyPlace* a, const WheelBodyPlace* b) {
                             return wheelReducedDeg(a->longitudeDeg - start) <
                                    wheelReducedDeg(b->longitudeDeg - start);
                         });

    std::vector<std::vector<WheelText>> labels(wheel.bodies.size());
    for (const double scale : kLabelScales) {
        for (std::size_t k = 0; k < segments.size(); ++k) {
            if (segments[k].empty())
                continue;
            const double start = barriers[k];
            const double width = wheelReducedDeg(barriers[(k + 1) % barriers.size()] - start);
            const double span = width > 0.0 ? width : 360.0;
            double gap = 0.0;
            for (double f : {0.0, 0.5, 1.0})
                gap = std::max(
                    gap, labelGapDeg(wheelAngleDeg(start + f * span, wheel.ascendantDeg), scale));
            spreadWithin(segments[k], start, span, gap);
        }
        double furthest = 0.0;
        for (std::size_t i = 0; i < wheel.bodies.size(); ++i) {
            const WheelBodyPlace& place = wheel.bodies[i];
            labels[i] = bodyLabel(place, wheel.ascendantDeg, scale);
            furthest =
                std::max(furthest, angularDistanceDeg(place.labelLongitudeDeg, place.longitudeDeg));
        }
        wheel.labelScale = scale;
        if (furthest < kMaxLabelDisplacementDeg && !wheelLabelsMeet(labels))
            return labels;
    }
    // Too many bodies between two barriers even for the smallest labels (all
    // on one degree, say): spread them round the whole ring instead, at the
    // largest size whose labels stay near enough, or the smallest.
    std::vector<double> longitudes;
    for (const WheelBodyPlace& place : wheel.bodies)
        longitudes.push_back(place.longitudeDeg);
    for (const double scale : kLabelScales) {
        const double gap = std::max(labelGapDeg(0.0, scale), labelGapDeg(90.0, scale));
        const std::vector<double> places = spreadAround(longitudes, gap);
        double furthest = 0.0;
        for (std::size_t i = 0; i < wheel.bodies.size(); ++i) {
            wheel.bodies[i].labelLongitudeDeg = places[i];
            labels[i] = bodyLabel(wheel.bodies[i], wheel.ascendantDeg, scale);
            furthest = std::max(furthest, angularDistanceDeg(places[i], longitudes[i]));
        }
        wheel.labelScale = scale;
        if (furthest < kMaxLabelDisplacementDeg)
            break;
    }
    return labels;
}

// The Ascendant's mark left of the rim above its line; a mark longer than
// "Asc" (the Hindi one) moves right to stay on the canvas.
WheelText ascendantMarkText(const std::string& mark) {
    WheelText text = wheelTextAt(
        mark, {kCentre.x - kWheelRimRadius - 26.0, kCentre.y - kAscendantMarkSize * 0.8},
        kAscendantMarkSize, kAscendantColour, WheelRole::Horizon, true);
    if (const double overhang = 2.0 - text.box.left; overhang > 0.0) {
        text.anchor.x += overhang;
        text.box.left += overhang;
    }
    return text;
}

// The disc, the sign ring with its shading and degree scale, the hub.
template <typename AngleOf>
void addDiscAndScale(std::vector<WheelItem>& items, const AngleOf& angleOf) {
    items.push_back(WheelCircle{kCentre, kWheelRimRadius, kDiscColour, std::nullopt, 0.0,
                                WheelRole::Background});
    for (std::size_t s = 0; s < kSignCount; ++s)
        items.push_back(WheelSector{kCentre, kWheelZodiacInnerRadius, kWheelRimRadius,
                                    angleOf(30.0 * static_cast<double>(s)), 30.0,
                                    s % 2 == 0 ? kSignShadeLight : kSignShadeDark,
                                    WheelRole::SignSector});
    items.push_back(WheelCircle{kCentre, kWheelHouseRingOuterRadius, kHubColour, kAxisColour, 1.5,
                                WheelRole::Background});
    items.push_back(WheelCircle{kCentre, kWheelHubRadius, kDiscColour, kAxisColour, 1.5,
                                WheelRole::Background});

    // The degree scale along the inner edge of the sign ring.
    for (int degree = 0; degree < 360; ++degree) {
        if (degree % 30 == 0)
            continue;
        const double length = degree % 10 == 0 ? 17.0 : degree % 5 == 0 ? 11.0 : 6.0;
        const double angle = angleOf(degree);
        items.push_back(WheelLine{pointAt(kWheelZodiacInnerRadius, angle),
                                  pointAt(kWheelZodiacInnerRadius + length, angle), kTickColour,
                                  degree % 5 == 0 ? 1.2 : 0.8, WheelRole::DegreeTick,
                                  std::nullopt});
    }
    for (std::size_t s = 0; s < kSignCount; ++s) {
        const double angle = angleOf(30.0 * static_cast<double>(s));
        items.push_back(WheelLine{pointAt(kWheelZodiacInnerRadius, angle),
                                  pointAt(kWheelRimRadius, angle), kAxisColour, 1.5,
                                  WheelRole::SignSector, std::nullopt});
    }
    items.push_back(WheelCircle{kCentre, kWheelZodiacInnerRadius, std::nullopt, kAxisColour, 1.5,
                                WheelRole::Background});
    items.push_back(WheelCircle{kCentre, kWheelRimRadius, std::nullopt, kRimColour, 2.5,
                                WheelRole::Background});
}

template <typename AngleOf>
void addHouses(std::vector<WheelItem>& items, const DegreeWheel& wheel, const AngleOf& angleOf) {
    // The equal houses: each cusp across the ring of house numbers and again
    // at the foot of the sign ring, so that it never runs through the bodies'
    // labels between them; the four angles stronger. The numbers stand in the
    // ring round the hub.
    for (std::size_t h = 0; h < 12; ++h) {
        const double angle = angleOf(wheel.cuspLongitudeDeg[h]);
        const bool axis = h % 3 == 0;
        const WheelColour colour = axis ? kAxisColour : kTickColour;
        const double width = axis ? 1.6 : 1.0;
        items.push_back(WheelLine{pointAt(kWheelHubRadius, angle),
                                  pointAt(kWheelHouseRingOuterRadius, angle), colour, width,
                                  WheelRole::HouseCusp, std::nullopt});
        items.push_back(WheelLine{pointAt(kLeaderInnerRadius, angle),
                                  pointAt(kWheelZodiacInnerRadius, angle), colour, width,
                                  WheelRole::HouseCusp, std::nullopt});
    }
    for (std::size_t h = 0; h < 12; ++h) {
        // In the middle of the house, however wide it is.
        const double width =
            wheelReducedDeg(wheel.cuspLongitudeDeg[(h + 1) % 12] - wheel.cuspLongitudeDeg[h]);
        WheelText number = wheelTextAt(
            std::to_string(h + 1),
            pointAt(kHouseNumberRadius, angleOf(wheel.cuspLongitudeDeg[h] + width / 2.0)),
            kHouseNumberSize, kRimColour, WheelRole::HouseNumber, true);
        number.house = static_cast<int>(h + 1);
        items.push_back(std::move(number));
    }
}

// The sign pictures in the middle of their sectors.
template <typename AngleOf>
void addSignPictures(std::vector<WheelItem>& items, const AngleOf& angleOf) {
    for (std::size_t s = 0; s < kSignCount; ++s) {
        const WheelPoint at =
            pointAt(kSignPictureRadius, angleOf(30.0 * static_cast<double>(s) + 15.0));
        items.push_back(
            WheelSignPicture{signAt(s),
                             {at.x - kSignPictureSize / 2.0, at.y - kSignPictureSize / 2.0,
                              kSignPictureSize, kSignPictureSize}});
    }
}

// Each body's tick at its true place, a leader line to a label that moved,
// and the label.
template <typename AngleOf>
void addBodies(std::vector<WheelItem>& items, DegreeWheel& wheel, const WheelInput& input,
               const AngleOf& angleOf) {
    const std::vector<std::vector<WheelText>> labels = placeBodies(wheel, input);
    for (std::size_t i = 0; i < wheel.bodies.size(); ++i) {
        const WheelBodyPlace& place = wheel.bodies[i];
        const Body body = place.body;
        const double trueAngle = angleOf(place.longitudeDeg);
        items.push_back(WheelLine{pointAt(kBodyTickOuterRadius, trueAngle),
                                  pointAt(kBodyTickInnerRadius, trueAngle), kTextColour, 2.2,
                                  WheelRole::BodyTick, body});
        const double moved =
            std::abs(std::remainder(place.labelLongitudeDeg - place.longitudeDeg, 360.0));
        if (moved > kLeaderThresholdDeg)
            items.push_back(WheelLine{pointAt(kBodyTickInnerRadius, trueAngle),
                                      pointAt(kLeaderInnerRadius, angleOf(place.labelLongitudeDeg)),
                                      kLeaderColour, 1.0, WheelRole::LeaderLine, body});
        for (const WheelText& t : labels[i])
            items.push_back(t);
    }
}

// The caption on its baseline under the wheel.
void addCaption(std::vector<WheelItem>& items, const WheelInput& input) {
    items.push_back(
        wheelTextAt(input.houseCaption.empty() ? kDegreeWheelCaption : input.houseCaption,
                    {kCentre.x, 0.0}, kCaptionSize, kQuietTextColour, WheelRole::Caption));
    auto& caption = std::get<WheelText>(items.back());
    const double shift = kCaptionBaseline - caption.anchor.y;
    caption.anchor.y += shift;
    caption.box.top += shift;
}

} // namespace

void markRetrogradesIn(std::vector<WheelItem>& items, const std::string& mark) {
    for (WheelItem& item : items) {
        auto* text = std::get_if<WheelText>(&item);
        if (text != nullptr && text->role == WheelRole::Retrograde)
            text->text = mark;
    }
}

DegreeWheel buildDegreeWheel(const WheelInput& input) {
    DegreeWheel wheel;
    wheel.centre = kCentre;
    const double asc = wheelReducedDeg(input.longitudesDeg[Body::Ascendant]);
    wheel.ascendantDeg = asc;
    const double firstCusp = std::floor(asc);
    for (std::size_t h = 0; h < 12; ++h)
        wheel.cuspLongitudeDeg[h] =
            input.cuspsDeg ? wheelReducedDeg((*input.cuspsDeg)[h])
                           : wheelReducedDeg(firstCusp + 30.0 * static_cast<double>(h));
    const auto angleOf = [asc](double longitudeDeg) { return wheelAngleDeg(longitudeDeg, asc); };
    auto& items = wheel.items;
    items.reserve(600);

    addDiscAndScale(items, angleOf);
    addHouses(items, wheel, angleOf);

    // The Ascendant's line from the foot of the sign ring across the rim, and
    // its mark outside it.
    items.push_back(WheelLine{pointAt(kLeaderInnerRadius, 180.0),
                              pointAt(kWheelRimRadius + 16.0, 180.0), kAscendantColour, 2.5,
                              WheelRole::Horizon, std::nullopt});
    items.push_back(ascendantMarkText(input.ascendantMark));

    addMidheavenAndAspects(items, input, angleOf);

    addSignPictures(items, angleOf);
    addBodies(items, wheel, input, angleOf);
    addCaption(items, input);
    markRetrogradesIn(items, input.retrogradeMark);
    return wheel;
}

} // namespace orbenza
