// Shared pieces of the fuzz targets: the check that stops the run with a
// readable reason, a strict UTF-8 test and the line-break normalisation of
// the Rich Text reader.
#pragma once

#include "base/Sign.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza::fuzz {

// The text with every byte outside printable ASCII as \xHH, for messages.
inline std::string printable(std::string_view text, std::size_t limit = 400) {
    static constexpr char kHex[] = "0123456789abcdef";
    std::string out;
    for (std::size_t i = 0; i < text.size() && i < limit; ++i) {
        const auto byte = static_cast<unsigned char>(text[i]);
        if (byte >= 0x20 && byte < 0x7F && byte != '\\') {
            out += static_cast<char>(byte);
        } else {
            out += "\\x";
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        }
    }
    if (text.size() > limit)
        out += "...(" + std::to_string(text.size()) + " bytes)";
    return out;
}

// A broken promise: print it and abort, so libFuzzer keeps the input as a crash.
[[noreturn]] inline void fail(const char* condition, const char* file, int line,
                              const std::string& detail) {
    std::fprintf(stderr, "\n%s:%d: check failed: %s\n%s\n", file, line, condition, detail.c_str());
    std::fflush(stderr);
    std::abort();
}

// detail is evaluated only when the check fails.
#define FUZZ_CHECK(condition, detail)                                                              \
    do {                                                                                           \
        if (!(condition))                                                                          \
            ::orbenza::fuzz::fail(#condition, __FILE__, __LINE__, (detail));                       \
    } while (false)

// Well-formed UTF-8 in the strict sense: no overlong forms, no surrogates,
// nothing above U+10FFFF. Written out here rather than taken from the program,
// so the targets do not check the program against itself.
inline bool isStrictUtf8(std::string_view text) {
    std::size_t i = 0;
    const auto at = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    while (i < text.size()) {
        const unsigned char lead = at(i);
        std::uint32_t codePoint = 0;
        std::size_t length = 0;
        if (lead < 0x80) {
            ++i;
            continue;
        } else if ((lead & 0xE0) == 0xC0) {
            length = 2;
            codePoint = lead & 0x1Fu;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
            codePoint = lead & 0x0Fu;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
            codePoint = lead & 0x07u;
        } else {
            return false;
        }
        if (i + length > text.size())
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((at(i + k) & 0xC0) != 0x80)
                return false;
            codePoint = (codePoint << 6) | (at(i + k) & 0x3Fu);
        }
        static constexpr std::uint32_t kSmallest[5] = {0, 0, 0x80, 0x800, 0x10000};
        if (codePoint < kSmallest[length] || codePoint > 0x10FFFF ||
            (codePoint >= 0xD800 && codePoint <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// Every line break (CR LF, a lone LF, a lone CR) as CR LF: how a text comes
// back from a Rich Text round trip.
inline std::string crlfLineBreaks(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '\r') {
            if (i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
            out += "\r\n";
        } else if (c == '\n') {
            out += "\r\n";
        } else {
            out += c;
        }
    }
    return out;
}

// The pieces of text between the separators; n separators give n + 1 pieces.
inline std::vector<std::string_view> splitAt(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        if (end == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, end - start));
        start = end + 1;
    }
}

// A short-position text "DD Sss MM": degrees 00..29 within the sign, a blank,
// one of the twelve sign abbreviations, a blank, minutes 00..59.
inline bool isTwoDigits(std::string_view text, int highest) {
    if (text.size() != 2 || text[0] < '0' || text[0] > '9' || text[1] < '0' || text[1] > '9')
        return false;
    return (text[0] - '0') * 10 + (text[1] - '0') <= highest;
}

inline bool isSignAbbreviation(std::string_view text) {
    for (std::size_t n = 0; n < orbenza::kSignCount; ++n)
        if (orbenza::signAbbreviation(orbenza::signAt(n)) == text)
            return true;
    return false;
}

inline bool isShortPosition(std::string_view text) {
    return text.size() == 9 && isTwoDigits(text.substr(0, 2), 29) && text[2] == ' ' &&
           isSignAbbreviation(text.substr(3, 3)) && text[6] == ' ' &&
           isTwoDigits(text.substr(7, 2), 59);
}

} // namespace orbenza::fuzz
