#include "base/MessageText.h"

#include "base/Utf8.h"

#include <cstdio>

namespace orbenza {

namespace {

// Appends text with control characters and ill-formed bytes escaped; stops
// after limit characters and returns whether all of text was taken.
bool appendPrintable(std::string& out, std::string_view text, std::size_t limit) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < text.size();) {
        if (characters == limit)
            return false;
        ++characters;
        const Utf8Step step = decodeUtf8(text, i);
        char escape[16];
        if (!step.valid) {
            for (std::size_t k = 0; k < step.length; ++k) {
                std::snprintf(escape, sizeof escape, "\\x%02X",
                              static_cast<unsigned char>(text[i + k]));
                out += escape;
            }
        } else if (step.codePoint < 0x20 || step.codePoint == 0x7F) {
            std::snprintf(escape, sizeof escape, "\\x%02X", static_cast<unsigned>(step.codePoint));
            out += escape;
        } else if (step.codePoint >= 0x80 && step.codePoint <= 0x9F) {
            std::snprintf(escape, sizeof escape, "\\u%04X", static_cast<unsigned>(step.codePoint));
            out += escape;
        } else {
            out.append(text.substr(i, step.length));
        }
        i += step.length;
    }
    return true;
}

} // namespace

std::string quotedForMessage(std::string_view text) {
    std::string out = "\"";
    if (appendPrintable(out, text, kMessageTextLimit))
        return out + '"';
    return out + "\xE2\x80\xA6\" (" + std::to_string(text.size()) + " bytes)";
}

std::string printableText(std::string_view text) {
    std::string out;
    appendPrintable(out, text, std::string_view::npos);
    return out;
}

} // namespace orbenza
