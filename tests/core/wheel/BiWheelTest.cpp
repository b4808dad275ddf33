// The bi-wheel: the outer points stand at their own longitudes on the inner
// chart's zodiac, their labels never meet, and the inner chart stays inside.
#include "wheel/BiWheel.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

using namespace orbenza;

namespace {

WheelInput innerChart(double ascendantDeg) {
    WheelInput input;
    for (std::size_t i = 0; i < kPlanetCount; ++i)
        input.longitudesDeg[bodyAt(i)] = 17.0 + 33.0 * static_cast<double>(i);
    input.longitudesDeg[Body::Ascendant] = ascendantDeg;
    input.midheavenDeg = ascendantDeg + 270.0;
    return input;
}

double directionOf(const BiWheel& wheel, WheelPoint p) {
    const WheelPoint c = wheel.drawing.centre;
    double deg = std::atan2(c.y - p.y, p.x - c.x) * 180.0 / 3.14159265358979323846;
    return deg < 0.0 ? deg + 360.0 : deg;
}

double distanceOf(const BiWheel& wheel, WheelPoint p) {
    return std::hypot(p.x - wheel.drawing.centre.x, p.y - wheel.drawing.centre.y);
}

// The outer ring's tick of each point, in the input's order.
std::vector<WheelLine> outerTicks(const BiWheel& wheel) {
    std::vector<WheelLine> ticks;
    for (std::size_t i = wheel.firstOuterItem; i < wheel.drawing.items.size(); ++i)
        if (const auto* line = std::get_if<WheelLine>(&wheel.drawing.items[i]);
            line && line->role == WheelRole::BodyTick)
            ticks.push_back(*line);
    return ticks;
}

std::vector<const WheelText*> outerTexts(const BiWheel& wheel) {
    std::vector<const WheelText*> texts;
    for (std::size_t i = wheel.firstOuterItem; i < wheel.drawing.items.size(); ++i)
        if (const auto* text = std::get_if<WheelText>(&wheel.drawing.items[i]);
            text && text->role != WheelRole::Caption)
            texts.push_back(text);
    return texts;
}

} // namespace

TEST(BiWheel, OuterPointsStandAtTheirLongitudesOutsideTheInnerChart) {
    // Longitudes beyond the circle and below zero are the same directions.
    const std::vector<BiWheelPoint> outer{{Body::Sun, 0.0},          {Body::Moon, 359.99},
                                          {Body::Mars, -90.0},       {Body::Chiron, 370.0},
                                          {Body::TrueNode, 123.456}, {Body::Midheaven, 200.0}};
    for (const double asc : {0.0, 95.5, 271.25}) {
        SCOPED_TRACE(asc);
        const BiWheel wheel = buildBiWheel({innerChart(asc), outer, "caption"});
        const std::vector<WheelLine> ticks = outerTicks(wheel);
        ASSERT_EQ(ticks.size(), outer.size());
        for (std::size_t i = 0; i < outer.size(); ++i) {
            SCOPED_TRACE(i);
            ASSERT_EQ(ticks[i].body, outer[i].body);
            // The Ascendant's degree at nine o'clock, longitudes counter-clockwise.
            const double expected = std::fmod(180.0 + outer[i].longitudeDeg - asc + 720.0, 360.0);
            for (const WheelPoint end : {ticks[i].from, ticks[i].to})
                EXPECT_NEAR(std::remainder(directionOf(wheel, end) - expected, 360.0), 0.0, 1e-6);
            EXPECT_NEAR(distanceOf(wheel, ticks[i].from), kBiWheelOuterRingInnerRadius, 1e-6);
        }
        EXPECT_NEAR(wheel.outer[2].longitudeDeg, 270.0, 1e-9);
        EXPECT_NEAR(wheel.outer[3].longitudeDeg, 10.0, 1e-9);
    }
}

TEST(BiWheel, CrowdedOuterLabelsNeverMeetAndStayOnTheCanvas) {
    // A conjunction of six, two of them retrograde, and the angles among them.
    std::vector<BiWheelPoint> outer;
    const Body crowd[] = {Body::Sun,    Body::Mercury,   Body::Venus, Body::Saturn,
                          Body::Uranus, Body::Ascendant, Body::Moon};
    double longitude = 358.0;
    for (const Body body : crowd) {
        outer.push_back({body, longitude, body == Body::Mercury || body == Body::Saturn});
        longitude += 0.6;
    }
    const BiWheel wheel = buildBiWheel({innerChart(40.0), outer, "caption"});
    const std::vector<const WheelText*> texts = outerTexts(wheel);
    int retrogradeMarks = 0;
    for (std::size_t a = 0; a < texts.size(); ++a) {
        retrogradeMarks += texts[a]->role == WheelRole::Retrograde;
        EXPECT_LE(distanceOf(wheel, texts[a]->anchor), kBiWheelOuterRingOuterRadius);
        EXPECT_GE(distanceOf(wheel, texts[a]->anchor), kBiWheelOuterRingInnerRadius);
        for (std::size_t b = a + 1; b < texts.size(); ++b)
            if (texts[a]->body != texts[b]->body) {
                EXPECT_FALSE(texts[a]->box.intersects(texts[b]->box))
                    << texts[a]->text << " and " << texts[b]->text;
            }
    }
    EXPECT_EQ(retrogradeMarks, 2);
}

TEST(BiWheel, InnerChartIsDrawnWithinTheOuterRing) {
    const BiWheel wheel = buildBiWheel({innerChart(123.0), {{Body::Sun, 10.0}}, "Transits"});
    for (std::size_t i = 0; i < wheel.firstOuterItem; ++i) {
        const WheelItem& item = wheel.drawing.items[i];
        if (const auto* text = std::get_if<WheelText>(&item)) {
            EXPECT_LT(distanceOf(wheel, text->anchor), kBiWheelOuterRingInnerRadius) << text->text;
        } else if (const auto* line = std::get_if<WheelLine>(&item)) {
            // The Midheaven's and Ascendant's lines reach just over the rim.
            EXPECT_LT(distanceOf(wheel, line->to), kBiWheelOuterRingInnerRadius + 12.0);
        }
    }
    // One caption, the one given.
    int captions = 0;
    for (const WheelItem& item : wheel.drawing.items)
        if (const auto* text = std::get_if<WheelText>(&item);
            text && text->role == WheelRole::Caption) {
            ++captions;
            EXPECT_EQ(text->text, "Transits");
        }
    EXPECT_EQ(captions, 1);
    const std::string svg = biWheelSvg(wheel, 600, {"Transits of A & B", ""});
    EXPECT_NE(svg.find("<title>Transits of A &amp; B</title>"), std::string::npos);
    EXPECT_NE(svg.find("\u2609"), std::string::npos);
}
