#include "wheel/WheelShapes.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <utility>

namespace orbenza {

namespace {

constexpr double kDegreesToRadians = 3.14159265358979323846 / 180.0;

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

double wheelTextWidthEm(const std::string& utf8Text) {
    double width = 0.0;
    for (std::size_t i = 0; i < utf8Text.size();)
        width += advanceEm(nextCodePoint(utf8Text, i));
    return width;
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
        values[i] = wheelReducedDeg(longitudesDeg[i]);
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
                places[order[(start + jj) % n]] = wheelReducedDeg(fitted[jj]);
            return places;
        }
    }
    // Every cut overflows (only when the gap is near 360 / n): spread evenly
    // from the first body in order.
    for (std::size_t j = 0; j < n; ++j)
        places[order[j]] = wheelReducedDeg(values[order[0]] +
                                           static_cast<double>(j) * 360.0 / static_cast<double>(n));
    return places;
}

} // namespace orbenza
