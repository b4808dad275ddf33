#include "JsonText.h"

#include "base/Utf8.h"

#include <array>
#include <bit>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <nlohmann/json.hpp>

namespace orbenza::cli {

namespace {

// The bytes that leave the plain ASCII run: quote, backslash, control
// characters and everything from 0x80 (checked as UTF-8).
constexpr std::array<bool, 256> kLeavesPlainRun = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = c < 0x20 || c == '"' || c == '\\' || c >= 0x80;
    return table;
}();

// Two decimal digits for each number 0 to 99.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t n = 0; n < 100; ++n) {
        pairs[2 * n] = static_cast<char>('0' + n / 10);
        pairs[2 * n + 1] = static_cast<char>('0' + n % 10);
    }
    return pairs;
}();

void writeDigitPair(char* p, std::uint32_t n) {
    std::memcpy(p, &kDigitPairs[2 * n], 2);
}

// The decimal digits of value, without leading zeros; returns the end.
char* writeWhole(char* p, std::uint32_t value) {
    int count = 1;
    for (std::uint32_t bound = 10; count < 10 && value >= bound; bound *= 10)
        ++count;
    char* end = p + count;
    char* q = end;
    while (value >= 100) {
        q -= 2;
        writeDigitPair(q, value % 100);
        value /= 100;
    }
    if (value >= 10)
        writeDigitPair(q - 2, value);
    else
        q[-1] = static_cast<char>('0' + value);
    return end;
}

} // namespace

bool appendJsonString(std::string& out, std::string_view text, bool replaceInvalid) {
    out += '"';
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t runStart = 0;
    std::size_t i = 0;
    for (;;) {
        while (i < size && !kLeavesPlainRun[static_cast<unsigned char>(data[i])])
            ++i;
        out.append(data + runStart, i - runStart);
        if (i == size)
            break;
        const auto c = static_cast<unsigned char>(data[i]);
        if (c < 0x80) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default: {
                static constexpr char kHex[] = "0123456789abcdef";
                const char escape[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
                out.append(escape, sizeof escape);
            }
            }
            ++i;
        } else if (const Utf8Step step = decodeUtf8(text, i); step.valid) {
            out.append(data + i, step.length);
            i += step.length;
        } else {
            if (!replaceInvalid)
                return false;
            out += "\xEF\xBF\xBD";
            ++i;
        }
        runStart = i;
    }
    out += '"';
    return true;
}

char* writePadded(char* p, int value, int width) {
    if (value < 0)
        return p + std::snprintf(p, 24, "%0*d", width, value);
    char digits[12];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int pad = n; pad < width; ++pad)
        *p++ = '0';
    while (n > 0)
        *p++ = digits[--n];
    return p;
}

// True when no byte of text leaves the plain ASCII run, tested eight bytes
// at a time: a byte below 0x20, a quote, a backslash or a byte from 0x80 sets
// the high bit of its lane.
bool isPlainJsonText(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    auto zeroByteIn = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    const char* p = text.data();
    std::size_t left = text.size();
    while (left >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        // Bytes below 0x20: subtracting 0x20 borrows into the high bit for
        // them (or for bytes from 0x80 up, which are caught anyway).
        const std::uint64_t special = ((word - 0x20 * kOnes) & ~word & kHighs) |
                                      zeroByteIn(word ^ ('"' * kOnes)) |
                                      zeroByteIn(word ^ ('\\' * kOnes)) | (word & kHighs);
        if (special != 0)
            return false;
        p += 8;
        left -= 8;
    }
    for (; left > 0; ++p, --left) {
        if (kLeavesPlainRun[static_cast<unsigned char>(*p)])
            return false;
    }
    return true;
}

char* writeJsonNumber(char* p, double value) {
    if (!std::isfinite(value)) {
        std::memcpy(p, "null", 4);
        return p + 4;
    }
    return nlohmann::detail::to_chars(p, p + 64, value);
}

char* writeSixDecimalNumber(char* p, double value) {
    // The library's digit generation (Grisu2) gives the shortest form that
    // reads back as the same double. For a value rounded to six decimals that
    // is the six-decimal form without trailing zeros, unless the value lies
    // below 0.001 (an exponent) or so near the middle between two doubles
    // that Grisu2's inexact bounds (off by about 2^-11 ulp) leave the
    // six-decimal number out of its interval: then it gives a longer form.
    // Of 120 million values of up to 15 digits none with its distance to that
    // middle above 0.0019 half-ulps did; below 0.01 half-ulps (1 in 100
    // values) the library writes the number.
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-3 && magnitude < 1e9))
        return writeJsonNumber(p, value);
    // Round to a whole number of millionths, ties to even, as nearbyint does
    // in the default rounding mode: adding and taking away 1.5 * 2^52 leaves
    // no fraction for magnitudes below 2^51.
    constexpr double kRoundingShift = 6755399441055744.0;
    const double scaled = value * 1e6;
    const double micro = (scaled + kRoundingShift) - kRoundingShift;
    const double residual = std::fma(value, 1e6, -micro);
    // The next double up less the value: the magnitude is normal and finite.
    const double ulp =
        std::bit_cast<double>(std::bit_cast<std::uint64_t>(magnitude) + 1) - magnitude;
    if (std::fabs(residual) > 0.99 * (ulp * 0.5e6))
        return writeJsonNumber(p, value);
    if (value < 0)
        *p++ = '-';
    const auto whole = static_cast<std::uint64_t>(std::fabs(micro));
    p = writeWhole(p, static_cast<std::uint32_t>(whole / 1000000));
    *p++ = '.';
    const auto fraction = static_cast<std::uint32_t>(whole % 1000000);
    if (fraction == 0) {
        *p++ = '0';
        return p;
    }
    writeDigitPair(p, fraction / 10000);
    writeDigitPair(p + 2, fraction / 100 % 100);
    writeDigitPair(p + 4, fraction % 100);
    p += 6;
    while (p[-1] == '0')
        --p;
    return p;
}

} // namespace orbenza::cli
