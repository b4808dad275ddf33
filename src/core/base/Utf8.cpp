#include "base/Utf8.h"

#include <cstdint>

namespace orbenza {

Utf8Step decodeUtf8(std::string_view text, std::size_t pos) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(pos);
    if (lead < 0x80)
        return Utf8Step{lead, 1, true};
    int continuationCount = 0;
    char32_t codePoint = 0;
    unsigned char low = 0x80; // allowed range of the first continuation byte
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        continuationCount = 1;
        codePoint = lead & 0x1Fu;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        continuationCount = 2;
        codePoint = lead & 0x0Fu;
        if (lead == 0xE0)
            low = 0xA0; // no overlong forms
        else if (lead == 0xED)
            high = 0x9F; // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        continuationCount = 3;
        codePoint = lead & 0x07u;
        if (lead == 0xF0)
            low = 0x90; // no overlong forms
        else if (lead == 0xF4)
            high = 0x8F; // nothing above U+10FFFF
    } else {
        return Utf8Step{}; // stray continuation byte or a lead byte that never occurs
    }
    std::size_t next = pos + 1;
    for (int i = 0; i < continuationCount; ++i, ++next) {
        if (next >= text.size() || byteAt(next) < low || byteAt(next) > high)
            return Utf8Step{kReplacementCharacter, next - pos, false};
        codePoint = (codePoint << 6) | (byteAt(next) & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    return Utf8Step{codePoint, next - pos, true};
}

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const Utf8Step step = decodeUtf8(text, i);
        if (!step.valid)
            return false;
        i += step.length;
    }
    return true;
}

void appendUtf8(std::string& out, char32_t codePoint) {
    const auto put = [&](std::uint32_t byte) { out.push_back(static_cast<char>(byte)); };
    const auto cp = static_cast<std::uint32_t>(codePoint);
    if (cp < 0x80) {
        put(cp);
    } else if (cp < 0x800) {
        put(0xC0 | (cp >> 6));
        put(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        put(0xE0 | (cp >> 12));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    } else {
        put(0xF0 | (cp >> 18));
        put(0x80 | ((cp >> 12) & 0x3F));
        put(0x80 | ((cp >> 6) & 0x3F));
        put(0x80 | (cp & 0x3F));
    }
}

} // namespace orbenza
