#include "wheel/WheelShapes.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace orbenza {

namespace {
constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;
} // namespace

double wheelReducedDeg(double deg) {
    if (!std::isfinite(deg))
        return 0.0;
    double r = std::fmod(deg, 360.0);
    if (r < 0.0)
        r += 360.0;
    return r >= 360.0 ? 0.0 : r;
}

WheelPoint wheelPointAt(WheelPoint centre, double radius, double angleDeg) {
    const double a = angleDeg * kDegreesToRadians;
    return {centre.x + radius * std::cos(a), centre.y - radius * std::sin(a)};
}

WheelText wheelTextAt(std::string text, WheelPoint centre, double size, WheelColour colour,
                      WheelRole role, bool bold) {
    WheelText t;
    const double width = wheelTextWidthEm(text) * size * (bold ? kWheelBoldWidening : 1.0);
    const double height = (kWheelInkAscent + kWheelInkDescent) * size;
    t.text = std::move(text);
    t.anchor = {centre.x, centre.y + height / 2.0 - kWheelInkDescent * size};
    t.box = {centre.x - width / 2.0, centre.y - height / 2.0, width, height};
    t.size = size;
    t.bold = bold;
    t.colour = colour;
    t.role = role;
    return t;
}

std::string wheelTwoDigits(int value) {
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

bool wheelLabelsMeet(const std::vector<std::vector<WheelText>>& labels) {
    for (std::size_t a = 0; a < labels.size(); ++a)
        for (std::size_t b = a + 1; b < labels.size(); ++b)
            for (const WheelText& ta : labels[a])
                for (const WheelText& tb : labels[b])
                    if (ta.box.intersects(tb.box))
                        return true;
    return false;
}

} // namespace orbenza
