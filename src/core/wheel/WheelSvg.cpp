#include "wheel/WheelSvg.h"

#include <charconv>
#include <cmath>
#include <type_traits>

namespace orbenza {

namespace {

constexpr double kPi = 3.14159265358979323846;

// A number with at most two decimals and no trailing zeros: canvas units are
// a thousandth of the wheel, so hundredths are far below a pixel.
void appendNumber(std::string& out, double value) {
    if (!std::isfinite(value))
        value = 0.0;
    char buffer[32];
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 2);
    const char* end = result.ptr;
    while (end > buffer && end[-1] == '0')
        --end;
    if (end > buffer && end[-1] == '.')
        --end;
    std::string_view text(buffer, static_cast<std::size_t>(end - buffer));
    if (text == "-0")
        text = "0";
    out += text;
}

void appendColour(std::string& out, WheelColour c) {
    constexpr char kHex[] = "0123456789ABCDEF";
    out += '#';
    for (const std::uint8_t part : {c.r, c.g, c.b}) {
        out += kHex[part >> 4];
        out += kHex[part & 0x0F];
    }
}

// Text for element content and attribute values: the five markup characters
// escaped, control characters (not allowed in XML 1.0) dropped.
void appendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '"':
            out += "&quot;";
            break;
        case '\'':
            out += "&apos;";
            break;
        default:
            if (static_cast<unsigned char>(c) >= 0x20 || c == '\n' || c == '\t')
                out += c;
        }
    }
}

void appendAttribute(std::string& out, const char* name, double value) {
    out += ' ';
    out += name;
    out += "=\"";
    appendNumber(out, value);
    out += '"';
}

void appendPaint(std::string& out, const char* name, const std::optional<WheelColour>& colour) {
    out += ' ';
    out += name;
    out += "=\"";
    if (colour)
        appendColour(out, *colour);
    else
        out += "none";
    out += '"';
}

void write(std::string& out, const WheelCircle& c) {
    out += "<circle";
    appendAttribute(out, "cx", c.centre.x);
    appendAttribute(out, "cy", c.centre.y);
    appendAttribute(out, "r", c.radius);
    appendPaint(out, "fill", c.fill);
    appendPaint(out, "stroke", c.stroke);
    if (c.stroke)
        appendAttribute(out, "stroke-width", c.strokeWidth);
    out += "/>\n";
}

void appendPoint(std::string& out, WheelPoint centre, double radius, double angleDeg) {
    const double a = angleDeg * kPi / 180.0;
    appendNumber(out, centre.x + radius * std::cos(a));
    out += ' ';
    appendNumber(out, centre.y - radius * std::sin(a));
}

void write(std::string& out, const WheelSector& s) {
    // Outer arc counter-clockwise on the page is the negative sweep in SVG's
    // y-down coordinates; the inner arc runs back.
    const int large = s.spanDeg > 180.0 ? 1 : 0;
    out += "<path d=\"M";
    appendPoint(out, s.centre, s.outerRadius, s.startDeg);
    out += " A";
    appendNumber(out, s.outerRadius);
    out += ' ';
    appendNumber(out, s.outerRadius);
    out += " 0 ";
    out += static_cast<char>('0' + large);
    out += " 0 ";
    appendPoint(out, s.centre, s.outerRadius, s.startDeg + s.spanDeg);
    out += " L";
    appendPoint(out, s.centre, s.innerRadius, s.startDeg + s.spanDeg);
    out += " A";
    appendNumber(out, s.innerRadius);
    out += ' ';
    appendNumber(out, s.innerRadius);
    out += " 0 ";
    out += static_cast<char>('0' + large);
    out += " 1 ";
    appendPoint(out, s.centre, s.innerRadius, s.startDeg);
    out += " Z\"";
    appendPaint(out, "fill", s.fill);
    out += "/>\n";
}

void write(std::string& out, const WheelLine& l) {
    out += "<line";
    appendAttribute(out, "x1", l.from.x);
    appendAttribute(out, "y1", l.from.y);
    appendAttribute(out, "x2", l.to.x);
    appendAttribute(out, "y2", l.to.y);
    appendPaint(out, "stroke", l.colour);
    appendAttribute(out, "stroke-width", l.width);
    if (l.dashed)
        out += " stroke-dasharray=\"6 4\"";
    out += "/>\n";
}

void write(std::string& out, const WheelSignPicture& p) {
    out += "<g transform=\"translate(";
    appendNumber(out, p.box.left);
    out += ' ';
    appendNumber(out, p.box.top);
    out += ") scale(";
    appendNumber(out, p.box.width / 100.0);
    out += ' ';
    appendNumber(out, p.box.height / 100.0);
    out += ")\">";
    out += signPictureElements(p.sign);
    out += "</g>\n";
}

void write(std::string& out, const WheelText& t) {
    out += "<text";
    appendAttribute(out, "x", t.anchor.x);
    appendAttribute(out, "y", t.anchor.y);
    appendAttribute(out, "font-size", t.size);
    if (t.bold)
        out += " font-weight=\"bold\"";
    appendPaint(out, "fill", t.colour);
    out += '>';
    appendEscaped(out, t.text);
    out += "</text>\n";
}

// True when the UTF-8 text holds a character of the Devanagari block,
// U+0900 ... U+097F (lead byte E0, second byte A4 or A5).
bool hasDevanagari(std::string_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i)
        if (text[i] == '\xE0' && (text[i + 1] == '\xA4' || text[i + 1] == '\xA5'))
            return true;
    return false;
}

} // namespace

double wheelHeightForWidth(const DegreeWheel& wheel, double widthPixels) {
    return wheel.width > 0.0 ? widthPixels * wheel.height / wheel.width : 0.0;
}

std::string wheelSvg(const DegreeWheel& wheel, double widthPixels, const WheelSvgTitle& title) {
    std::string out;
    out.reserve(64 * 1024);
    out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<svg xmlns=\"http://www.w3.org/2000/svg\" version=\"1.1\"";
    appendAttribute(out, "width", widthPixels);
    appendAttribute(out, "height", wheelHeightForWidth(wheel, widthPixels));
    out += " viewBox=\"0 0 ";
    appendNumber(out, wheel.width);
    out += ' ';
    appendNumber(out, wheel.height);
    out += "\">\n<title>";
    appendEscaped(out, title.title);
    out += "</title>\n<desc>";
    appendEscaped(out, title.description);
    out += "</desc>\n<rect width=\"100%\" height=\"100%\" fill=\"#FFFFFF\"/>\n";
    std::string items;
    for (const WheelItem& item : wheel.items)
        std::visit([&items](const auto& primitive) { write(items, primitive); }, item);
    out += "<g font-family=\"";
    out += kWheelFontFamily;
    if (hasDevanagari(items)) {
        out += ", ";
        out += kDevanagariFontFamily;
    }
    out += ", sans-serif\" text-anchor=\"middle\" stroke-linecap=\"butt\">\n";
    out += items;
    out += "</g>\n</svg>\n";
    return out;
}

} // namespace orbenza
