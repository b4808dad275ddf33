#include "report/RichText.h"

#include "base/Utf8.h"

#include <array>
#include <charconv>
#include <cstdint>

namespace orbenza {

namespace {

// ---------------------------------------------------------------------------
// Writer

void appendNumber(std::string& out, long value) {
    std::array<char, 24> digits{};
    const auto result = std::to_chars(digits.data(), digits.data() + digits.size(), value);
    out.append(digits.data(), result.ptr);
}

// One UTF-16 code unit as "\uN?" with N signed 16-bit.
void appendUnicodeUnit(std::string& out, std::uint32_t unit) {
    const long signedUnit =
        unit >= 0x8000 ? static_cast<long>(unit) - 0x10000 : static_cast<long>(unit);
    out.append("\\u");
    appendNumber(out, signedUnit);
    out.push_back('?');
}

void appendHexByte(std::string& out, unsigned char byte) {
    constexpr std::string_view kHex = "0123456789abcdef";
    out.append("\\'");
    out.push_back(kHex[byte >> 4]);
    out.push_back(kHex[byte & 0x0F]);
}

constexpr std::string_view kParagraphEnd = "\\par\r\n";

// The text with RTF escapes, line breaks as paragraph ends.
void appendEscapedText(std::string& out, std::string_view text) {
    const auto isPlain = [](unsigned char byte) {
        return byte >= 0x20 && byte < 0x7F && byte != '\\' && byte != '{' && byte != '}';
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        // Printable ASCII goes out as it is, a stretch at a time.
        const std::size_t plainStart = pos;
        while (pos < text.size() && isPlain(static_cast<unsigned char>(text[pos])))
            ++pos;
        out.append(text.substr(plainStart, pos - plainStart));
        if (pos == text.size())
            break;
        const auto byte = static_cast<unsigned char>(text[pos]);
        if (byte < 0x80) {
            ++pos;
            switch (byte) {
            case '\\':
            case '{':
            case '}':
                out.push_back('\\');
                out.push_back(static_cast<char>(byte));
                break;
            case '\r':
                if (pos < text.size() && text[pos] == '\n')
                    ++pos; // CR LF is one line break
                out.append(kParagraphEnd);
                break;
            case '\n':
                out.append(kParagraphEnd);
                break;
            case '\t':
                out.append("\\tab ");
                break;
            default:
                if (byte < 0x20 || byte == 0x7F)
                    appendHexByte(out, byte);
                else
                    out.push_back(static_cast<char>(byte));
                break;
            }
            continue;
        }
        const Utf8Step step = decodeUtf8(text, pos);
        pos += step.length;
        const auto codePoint = static_cast<std::uint32_t>(step.codePoint);
        if (codePoint <= 0xFFFF) {
            appendUnicodeUnit(out, codePoint);
        } else {
            const std::uint32_t offset = codePoint - 0x10000;
            appendUnicodeUnit(out, 0xD800 + (offset >> 10));
            appendUnicodeUnit(out, 0xDC00 + (offset & 0x3FF));
        }
    }
}

constexpr std::string_view kDocumentStart = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1"
                                            "{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}\r\n";
constexpr std::string_view kBodyStart = "\\pard\\f0\\fs20 "; // 10 point Verdana
constexpr std::string_view kDocumentEnd = "}\r\n";

std::string startDocument(std::size_t textSize) {
    std::string out;
    // Escapes grow the text only a little; one allocation covers nearly every document.
    out.reserve(textSize + textSize / 8 + 256);
    out.append(kDocumentStart);
    return out;
}

} // namespace

std::string reportToRichText(const std::vector<ReportRun>& runs) {
    // Colour table: entry 0 is the reader's default, then every colour of the
    // runs in order of first use.
    std::vector<Rgb> colors;
    std::vector<std::size_t> colorIndexOfRun;
    colorIndexOfRun.reserve(runs.size());
    std::size_t textSize = 0;
    for (const ReportRun& run : runs) {
        textSize += run.text.size();
        std::size_t index = 0;
        while (index < colors.size() && !(colors[index] == run.color))
            ++index;
        if (index == colors.size())
            colors.push_back(run.color);
        colorIndexOfRun.push_back(index + 1);
    }

    std::string out = startDocument(textSize + runs.size() * 12);
    out.append("{\\colortbl ;");
    for (const Rgb& color : colors) {
        out.append("\\red");
        appendNumber(out, color.r);
        out.append("\\green");
        appendNumber(out, color.g);
        out.append("\\blue");
        appendNumber(out, color.b);
        out.push_back(';');
    }
    out.append("}\r\n");
    out.append(kBodyStart);

    bool bold = false;
    std::size_t currentColor = 0;
    for (std::size_t i = 0; i < runs.size(); ++i) {
        const ReportRun& run = runs[i];
        bool formatChanged = false;
        if (run.heading != bold) {
            bold = run.heading;
            out.append(bold ? "\\b" : "\\b0");
            formatChanged = true;
        }
        if (colorIndexOfRun[i] != currentColor) {
            currentColor = colorIndexOfRun[i];
            out.append("\\cf");
            appendNumber(out, static_cast<long>(currentColor));
            formatChanged = true;
        }
        if (formatChanged)
            out.push_back(' ');
        appendEscapedText(out, run.text);
    }
    out.append(kDocumentEnd);
    return out;
}

std::string plainTextToRichText(std::string_view utf8Text, const RichTextInfo& info) {
    std::string out = startDocument(utf8Text.size());
    // Document properties: word processors show them, the text does not hold them.
    if (!info.title.empty() || !info.subject.empty()) {
        out.append("{\\info");
        if (!info.title.empty()) {
            out.append("{\\title ");
            appendEscapedText(out, info.title);
            out.append("}");
        }
        if (!info.subject.empty()) {
            out.append("{\\subject ");
            appendEscapedText(out, info.subject);
            out.append("}");
        }
        out.append("}\r\n");
    }
    out.append(kBodyStart);
    appendEscapedText(out, utf8Text);
    out.append(kDocumentEnd);
    return out;
}

} // namespace orbenza
