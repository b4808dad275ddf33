#include "wheel/DegreeWheel.h"

#include "houses/Houses.h"

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

// The ink of the wheel's texts relative to the baseline, in ems: capitals,
// digits and the glyphs reach up to 0.80, descenders down to 0.24.
constexpr double kInkAscent = 0.80;
constexpr double kInkDescent = 0.24;
// Bold digits are wider than regular ones (DejaVu Sans Bold: 0.696 em).
constexpr double kBoldWidening = 1.1;

// The least extra angle between two spread labels, over the width their
// boxes need; degrees.
constexpr double kSpreadMarginDeg = 0.4;
constexpr double kSpreadStepDeg = 0.25;
// A label that moved less than this keeps no leader line; degrees.
constexpr double kLeaderThresholdDeg = 0.05;

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

// The glyphs of Sun ... Pluto (UTF-8), all in DejaVu Sans.
constexpr std::array<const char*, kPlanetCount> kBodyGlyphs{"\u2609", "\u263D", "\u263F", "\u2640",
                                                            "\u2642", "\u2643", "\u2644", "\u2645",
                                                            "\u2646", "\u2647"};

double reduced(double deg) {
    if (!std::isfinite(deg))
        return 0.0;
    double r = std::fmod(deg, 360.0);
    if (r < 0.0)
        r += 360.0;
    return r >= 360.0 ? 0.0 : r;
}

WheelPoint pointAt(double radius, double angleDeg) {
    const double a = angleDeg * kDegreesToRadians;
    return {kCentre.x + radius * std::cos(a), kCentre.y - radius * std::sin(a)};
}

// A text centred at a point: its ink box centred there, its baseline below.
WheelText textAt(std::string text, WheelPoint centre, double size, WheelColour colour,
                 WheelRole role, bool bold = false) {
    WheelText t;
    const double width = wheelTextWidthEm(text) * size * (bold ? kBoldWidening : 1.0);
    const double height = (kInkAscent + kInkDescent) * size;
    const double baseline = centre.y + height / 2.0 - kInkDescent * size;
    t.text = std::move(text);
    t.anchor = {centre.x, baseline};
    t.box = {centre.x - width / 2.0, centre.y - height / 2.0, width, height};
    t.size = size;
    t.bold = bold;
    t.colour = colour;
    t.role = role;
    return t;
}

std::string twoDigits(int value) {
    std::string s(2, '0');
    s[0] = static_cast<char>('0' + value / 10 % 10);
    s[1] = static_cast<char>('0' + value % 10);
    return s;
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

// The label of one body at its spread place: glyph, degree, minute, "R".
std::vector<WheelText> bodyLabel(Body body, const WheelBodyPlace& place, double ascendantDeg) {
    const double angle = wheelAngleDeg(place.labelLongitudeDeg, ascendantDeg);
    const DegreeMinute dm = degreeMinuteOf(place.longitudeDeg);
    std::vector<WheelText> label;
    label.push_back(textAt(kBodyGlyphs[indexOf(body)], pointAt(kGlyphRadius, angle), kGlyphSize,
                           kTextColour, WheelRole::BodyGlyph));
    label.push_back(textAt(std::to_string(dm.degree) + "\u00B0", pointAt(kDegreeRadius, angle),
                           kDegreeSize, kTextColour, WheelRole::BodyDegree));
    label.push_back(textAt(twoDigits(dm.minute) + "\u2032", pointAt(kMinuteRadius, angle),
                           kMinuteSize, kQuietTextColour, WheelRole::BodyMinute));
    if (place.retrograde)
        label.push_back(textAt("R", pointAt(kRetrogradeRadius, angle), kRetrogradeSize,
                               kRetrogradeColour, WheelRole::Retrograde, true));
    for (WheelText& t : label)
        t.body = body;
    return label;
}

// The angle two labels need between them so that their boxes cannot meet
// whatever their direction: the boxes' diagonal as a chord at the label's radius.
double labelGapDeg() {
    struct Item {
        const char* widest;
        double size, radius;
    };
    constexpr Item items[] = {{"\u2609", kGlyphSize, kGlyphRadius},
                              {"00\u00B0", kDegreeSize, kDegreeRadius},
                              {"00\u2032", kMinuteSize, kMinuteRadius},
                              {"R", kRetrogradeSize * kBoldWidening, kRetrogradeRadius}};
    double gap = 0.0;
    for (const Item& item : items) {
        const double w = wheelTextWidthEm(item.widest) * item.size;
        const double h = (kInkAscent + kInkDescent) * item.size;
        const double chord = std::hypot(w, h);
        gap = std::max(gap, 2.0 * std::asin(chord / (2.0 * item.radius)) / kDegreesToRadians);
    }
    return gap + kSpreadMarginDeg;
}

bool labelsMeet(const std::vector<std::vector<WheelText>>& labels) {
    for (std::size_t a = 0; a < labels.size(); ++a)
        for (std::size_t b = a + 1; b < labels.size(); ++b)
            for (const WheelText& ta : labels[a])
                for (const WheelText& tb : labels[b])
                    if (ta.box.intersects(tb.box))
                        return true;
    return false;
}

// One UTF-8 code point from text at i, advancing i; U+FFFD for a broken byte.
char32_t nextCodePoint(const std::string& text, std::size_t& i) {
    const auto lead = static_cast<unsigned char>(text[i++]);
    if (lead < 0x80)
        return lead;
    int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
    if (extra == 0)
        return 0xFFFD;
    char32_t cp = lead & (0x3F >> extra);
    for (; extra > 0 && i < text.size(); --extra)
        cp = (cp << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
    return extra == 0 ? cp : 0xFFFD;
}

// Advance widths of DejaVu Sans in ems (font units / 2048), rounded up.
double advanceEm(char32_t c) {
    if (c >= U'0' && c <= U'9')
        return 0.637;
    if (c >= U'a' && c <= U'z') {
        constexpr double lower[26] = {0.613, 0.635, 0.550, 0.635, 0.616, 0.353, 0.635, 0.634, 0.278,
                                      0.278, 0.580, 0.278, 0.975, 0.634, 0.612, 0.635, 0.635, 0.412,
                                      0.522, 0.393, 0.634, 0.592, 0.818, 0.592, 0.592, 0.525};
        return lower[c - U'a'];
    }
    if (c >= U'A' && c <= U'Z')
        return 0.80;
    switch (c) {
    case U' ':
    case U'.':
    case U',':
        return 0.318;
    case U'\'':
        return 0.276;
    case U'\u00B0': // degree sign
        return 0.5;
    case U'\u2032': // prime
        return 0.40;
    default:
        return 1.0;
    }
}

} // namespace

double wheelTextWidthEm(const std::string& utf8Text) {
    double width = 0.0;
    for (std::size_t i = 0; i < utf8Text.size();)
        width += advanceEm(nextCodePoint(utf8Text, i));
    return width;
}

double wheelAngleDeg(double longitudeDeg, double ascendantDeg) {
    return reduced(180.0 + longitudeDeg - ascendantDeg);
}

double longitudeAtWheelAngle(double angleDeg, double ascendantDeg) {
    return reduced(angleDeg - 180.0 + ascendantDeg);
}

int wheelHouseOf(const DegreeWheel& wheel, double longitudeDeg) {
    return houseOf(wheel.cuspLongitudeDeg, reduced(longitudeDeg));
}

std::vector<double> spreadAround(const std::vector<double>& longitudesDeg, double minimumGapDeg) {
    const std::size_t n = longitudesDeg.size();
    std::vector<double> places(n);
    if (n == 0)
        return places;
    const double gap = std::clamp(minimumGapDeg, 0.0, 360.0 / static_cast<double>(n));

    std::vector<std::size_t> order(n);
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::vector<double> values(n);
    for (std::size_t i = 0; i < n; ++i)
        values[i] = reduced(longitudesDeg[i]);
    std::stable_sort(order.begin(), order.end(),
                     [&](std::size_t a, std::size_t b) { return values[a] < values[b]; });

    // Cut the circle open after the widest empty stretch first: the spread
    // labels rarely need to push across it.
    std::vector<std::size_t> cuts(n);
    std::iota(cuts.begin(), cuts.end(), std::size_t{0});
    const auto emptyAfter = [&](std::size_t k) {
        const double next = values[order[(k + 1) % n]] + (k + 1 == n ? 360.0 : 0.0);
        return next - values[order[k]];
    };
    std::stable_sort(cuts.begin(), cuts.end(),
                     [&](std::size_t a, std::size_t b) { return emptyAfter(a) > emptyAfter(b); });

    std::vector<double> fitted(n);
    for (const std::size_t cut : cuts) {
        const std::size_t start = (cut + 1) % n;
        // Pool adjacent violators: the least-squares non-decreasing fit of
        // x_j - j * gap, so the places x_j keep their order at least gap apart.
        std::vector<double> blockSum, blockCount;
        for (std::size_t j = 0; j < n; ++j) {
            const std::size_t k = (start + j) % n;
            const double x = values[order[k]] + (start + j >= n ? 360.0 : 0.0);
            blockSum.push_back(x - static_cast<double>(j) * gap);
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
                fitted[j] = blockSum[b] / blockCount[b] + static_cast<double>(j) * gap;
        if (fitted[n - 1] - fitted[0] <= 360.0 - gap + 1e-9) {
            for (std::size_t jj = 0; jj < n; ++jj)
                places[order[(start + jj) % n]] = reduced(fitted[jj]);
            return places;
        }
    }
    // Every cut overflows (only when the gap is near 360 / n): spread evenly
    // from the first body in order.
    for (std::size_t j = 0; j < n; ++j)
        places[order[j]] =
            reduced(values[order[0]] + static_cast<double>(j) * 360.0 / static_cast<double>(n));
    return places;
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
        items.push_back(textAt("MC", pointAt(kWheelRimRadius + 30.0, angle), kAscendantMarkSize,
                               kAscendantColour, WheelRole::Midheaven, true));
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

} // namespace

DegreeWheel buildDegreeWheel(const WheelInput& input) {
    DegreeWheel wheel;
    wheel.centre = kCentre;
    const double asc = reduced(input.longitudesDeg[Body::Ascendant]);
    wheel.ascendantDeg = asc;
    const double firstCusp = std::floor(asc);
    for (std::size_t h = 0; h < 12; ++h)
        wheel.cuspLongitudeDeg[h] = input.cuspsDeg
                                        ? reduced((*input.cuspsDeg)[h])
                                        : reduced(firstCusp + 30.0 * static_cast<double>(h));
    const auto angleOf = [asc](double longitudeDeg) { return wheelAngleDeg(longitudeDeg, asc); };
    auto& items = wheel.items;
    items.reserve(600);

    // The disc, the sign ring's shading, the hub.
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
            reduced(wheel.cuspLongitudeDeg[(h + 1) % 12] - wheel.cuspLongitudeDeg[h]);
        WheelText number =
            textAt(std::to_string(h + 1),
                   pointAt(kHouseNumberRadius, angleOf(wheel.cuspLongitudeDeg[h] + width / 2.0)),
                   kHouseNumberSize, kRimColour, WheelRole::HouseNumber, true);
        number.house = static_cast<int>(h + 1);
        items.push_back(std::move(number));
    }

    // The Ascendant's line from the foot of the sign ring across the rim, and
    // its mark outside it.
    items.push_back(WheelLine{pointAt(kLeaderInnerRadius, 180.0),
                              pointAt(kWheelRimRadius + 16.0, 180.0), kAscendantColour, 2.5,
                              WheelRole::Horizon, std::nullopt});
    items.push_back(
        textAt("Asc", {kCentre.x - kWheelRimRadius - 26.0, kCentre.y - kAscendantMarkSize * 0.8},
               kAscendantMarkSize, kAscendantColour, WheelRole::Horizon, true));

    addMidheavenAndAspects(items, input, angleOf);

    // The sign pictures in the middle of their sectors.
    for (std::size_t s = 0; s < kSignCount; ++s) {
        const WheelPoint at =
            pointAt(kSignPictureRadius, angleOf(30.0 * static_cast<double>(s) + 15.0));
        items.push_back(
            WheelSignPicture{signAt(s),
                             {at.x - kSignPictureSize / 2.0, at.y - kSignPictureSize / 2.0,
                              kSignPictureSize, kSignPictureSize}});
    }

    // The bodies: spread the labels until no two of them meet.
    std::vector<double> longitudes(kPlanetCount);
    for (std::size_t i = 0; i < kPlanetCount; ++i) {
        const Body body = bodyAt(i);
        wheel.bodies[i].longitudeDeg = reduced(input.longitudesDeg[body]);
        wheel.bodies[i].retrograde = canBeRetrograde(body) && input.retrograde[body];
        longitudes[i] = wheel.bodies[i].longitudeDeg;
    }
    std::vector<std::vector<WheelText>> labels(kPlanetCount);
    for (double gap = labelGapDeg(); gap <= 360.0 / kPlanetCount + kSpreadStepDeg;
         gap += kSpreadStepDeg) {
        const std::vector<double> places = spreadAround(longitudes, gap);
        for (std::size_t i = 0; i < kPlanetCount; ++i) {
            wheel.bodies[i].labelLongitudeDeg = places[i];
            labels[i] = bodyLabel(bodyAt(i), wheel.bodies[i], asc);
        }
        if (!labelsMeet(labels))
            break;
    }
    for (std::size_t i = 0; i < kPlanetCount; ++i) {
        const Body body = bodyAt(i);
        const WheelBodyPlace& place = wheel.bodies[i];
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
        for (WheelText& t : labels[i])
            items.push_back(std::move(t));
    }

    items.push_back(textAt(input.houseCaption.empty() ? kDegreeWheelCaption : input.houseCaption,
                           {kCentre.x, 0.0}, kCaptionSize, kQuietTextColour, WheelRole::Caption));
    // Put the caption on its baseline under the wheel.
    auto& caption = std::get<WheelText>(items.back());
    const double shift = kCaptionBaseline - caption.anchor.y;
    caption.anchor.y += shift;
    caption.box.top += shift;
    return wheel;
}

} // namespace orbenza
