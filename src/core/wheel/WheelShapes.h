// The small pieces both wheel models are drawn with: angles on the canvas,
// centred texts measured as the painters set them, the test of labels that
// meet, and labels spread along a ring.
#pragma once

#include "wheel/DegreeWheel.h"

#include <string>
#include <vector>

namespace orbenza {

// The ink of the wheels' texts relative to the baseline, in ems: capitals,
// digits and the glyphs reach up to 0.80, descenders down to 0.24.
inline constexpr double kWheelInkAscent = 0.80;
inline constexpr double kWheelInkDescent = 0.24;
// Bold digits are wider than regular ones (DejaVu Sans Bold: 0.696 em).
inline constexpr double kWheelBoldWidening = 1.1;

// An angle brought into 0 to below 360 degrees; 0 for one that is not finite.
double wheelReducedDeg(double deg);

// The canvas point at radius and angle (degrees, counter-clockwise from the
// right) about centre; the canvas's y runs down.
WheelPoint wheelPointAt(WheelPoint centre, double radius, double angleDeg);

// A text centred at a point: its ink box centred there, its baseline below.
WheelText wheelTextAt(std::string text, WheelPoint centre, double size, WheelColour colour,
                      WheelRole role, bool bold = false);

// "07" for 7: the last two digits of a value 0 or above.
std::string wheelTwoDigits(int value);

// Whether any text of one label overlaps any text of another.
bool wheelLabelsMeet(const std::vector<std::vector<WheelText>>& labels);

// The display width of a text in the wheel's font, in ems: the advance widths
// of DejaVu Sans for the characters the wheel writes, a full em for anything
// wider or unknown.
double wheelTextWidthEm(const std::string& utf8Text);

// Spreads labels along the circle: each longitude (degrees) gets a label place
// at least minimumGapDeg from every other, keeping the bodies' order around the
// ring and moving them as little as possible (least squares). A gap wider than
// 360 / count is shrunk to it.
std::vector<double> spreadAround(const std::vector<double>& longitudesDeg, double minimumGapDeg);

} // namespace orbenza
