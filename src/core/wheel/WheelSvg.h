// The degree wheel as an SVG document.
#pragma once

#include "base/Sign.h"
#include "wheel/DegreeWheel.h"

#include <string>
#include <string_view>

namespace orbenza {

// The title and description written into the document (plain UTF-8 text;
// the writer escapes it).
struct WheelSvgTitle {
    std::string title;
    std::string description;
};

// A standalone SVG 1.1 document of the wheel on a white page: the canvas as the
// view box, widthPixels wide and as high as the canvas's proportion asks. The
// sign pictures are written into it; the texts name the wheel's font with a
// sans-serif fallback.
std::string wheelSvg(const DegreeWheel& wheel, double widthPixels, const WheelSvgTitle& title);

// The height in pixels of a wheel picture widthPixels wide.
double wheelHeightForWidth(const DegreeWheel& wheel, double widthPixels);

// The program's own picture of a sign: SVG elements drawn in a 100 x 100 box,
// the same pictures the chart screen shows.
std::string_view signPictureElements(Sign sign);

} // namespace orbenza
