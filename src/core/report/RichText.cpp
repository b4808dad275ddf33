#include "report/RichText.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>

namespace orbenza {

namespace {

constexpr char32_t kReplacementCharacter = 0xFFFD;

// ---------------------------------------------------------------------------
// UTF-8 in and out

// Decodes the code point that starts at text[pos] and advances pos past it.
// An ill-formed sequence yields U+FFFD and advances past its maximal valid
// prefix (at least one byte), so each maximal ill-formed subsequence gives one
// U+FFFD, as the Unicode standard recommends. Overlong forms, surrogates and
// values above U+10FFFF are ill-formed.
char32_t decodeUtf8(std::string_view text, std::size_t& pos) {
    const auto byteAt = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byteAt(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
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
        ++pos; // stray continuation byte or a lead byte that never occurs
        return kReplacementCharacter;
    }
    std::size_t next = pos + 1;
    for (int i = 0; i < continuationCount; ++i, ++next) {
        if (next >= text.size() || byteAt(next) < low || byteAt(next) > high) {
            pos = next;
            return kReplacementCharacter;
        }
        codePoint = (codePoint << 6) | (byteAt(next) & 0x3Fu);
        low = 0x80;
        high = 0xBF;
    }
    pos = next;
    return codePoint;
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

// Windows-1252 byte 0x80..0x9F to Unicode; the five unassigned bytes map to the
// C1 control of the same value, as Windows itself converts them.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

char32_t fromCp1252(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F)
        return kCp1252High[byte - 0x80u];
    return byte; // ASCII and Latin-1 agree with Unicode here
}

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
        const auto codePoint = static_cast<std::uint32_t>(decodeUtf8(text, pos));
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

// ---------------------------------------------------------------------------
// Reader

struct GroupState {
    int fallbackLength = 1; // \ucN: characters that follow each \uN
    bool skipped = false;   // inside a destination whose text is not document text
};

bool isAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Destinations whose content is not text of the document.
bool isSkippedDestination(std::string_view word) {
    constexpr std::array<std::string_view, 13> kDestinations = {
        "fonttbl", "colortbl", "stylesheet", "info",    "pict",      "header",           "footer",
        "headerl", "headerr",  "footerl",    "footerr", "listtable", "listoverridetable"};
    for (std::string_view destination : kDestinations) {
        if (word == destination)
            return true;
    }
    return false;
}

class RichTextReader {
public:
    explicit RichTextReader(std::string_view input) : m_in(input) { m_out.reserve(input.size()); }

    std::string read() {
        while (m_pos < m_in.size()) {
            const char c = m_in[m_pos];
            if (c == '{') {
                ++m_pos;
                m_fallbackToSkip = 0;
                m_groups.push_back(m_state);
            } else if (c == '}') {
                ++m_pos;
                m_fallbackToSkip = 0;
                if (!m_groups.empty()) {
                    m_state = m_groups.back();
                    m_groups.pop_back();
                }
            } else if (c == '\\') {
                readControl();
            } else if (c == '\r' || c == '\n') {
                ++m_pos; // line ends of the file are not text
            } else if (m_fallbackToSkip == 0 && !m_state.skipped && isPlainText(c)) {
                // A stretch of plain ASCII text is copied at once.
                flushSurrogate();
                const std::size_t start = m_pos;
                while (m_pos < m_in.size() && isPlainText(m_in[m_pos]))
                    ++m_pos;
                m_out.append(m_in.substr(start, m_pos - start));
            } else {
                ++m_pos;
                if (consumeFallback())
                    continue;
                text(fromCp1252(static_cast<unsigned char>(c)));
            }
        }
        flushSurrogate();
        return std::move(m_out);
    }

private:
    static bool isPlainText(char c) {
        const auto byte = static_cast<unsigned char>(c);
        return byte >= 0x20 && byte < 0x80 && c != '\\' && c != '{' && c != '}';
    }

    // True when the character just read is a \uN fallback and so is dropped.
    bool consumeFallback() {
        if (m_fallbackToSkip <= 0)
            return false;
        --m_fallbackToSkip;
        return true;
    }

    void readControl() {
        ++m_pos; // the backslash
        if (m_pos >= m_in.size())
            return;
        const char c = m_in[m_pos];
        if (!isAsciiLetter(c)) {
            readControlSymbol(c);
            return;
        }
        const std::size_t wordStart = m_pos;
        while (m_pos < m_in.size() && isAsciiLetter(m_in[m_pos]))
            ++m_pos;
        const std::string_view word = m_in.substr(wordStart, m_pos - wordStart);

        bool hasParameter = false;
        long parameter = 0;
        bool negative = false;
        if (m_pos < m_in.size() && m_in[m_pos] == '-' && m_pos + 1 < m_in.size() &&
            isAsciiDigit(m_in[m_pos + 1])) {
            negative = true;
            ++m_pos;
        }
        while (m_pos < m_in.size() && isAsciiDigit(m_in[m_pos])) {
            hasParameter = true;
            if (parameter < 1'000'000'000L)
                parameter = parameter * 10 + (m_in[m_pos] - '0');
            ++m_pos;
        }
        if (negative)
            parameter = -parameter;
        if (m_pos < m_in.size() && m_in[m_pos] == ' ')
            ++m_pos; // the delimiting space belongs to the control word

        if (word == "bin") {
            // Binary data of the given length follows; it is never text.
            const auto length =
                static_cast<std::size_t>(hasParameter && parameter > 0 ? parameter : 0);
            m_pos += std::min(length, m_in.size() - m_pos);
            return;
        }
        if (consumeFallback())
            return;
        controlWord(word, hasParameter, parameter);
    }

    void readControlSymbol(char c) {
        ++m_pos;
        if (c == '\'') {
            // Two hex digits; an escape cut short drops the digits it has.
            int value = 0;
            int digitCount = 0;
            while (digitCount < 2 && m_pos < m_in.size() && hexValue(m_in[m_pos]) >= 0) {
                value = value * 16 + hexValue(m_in[m_pos]);
                ++m_pos;
                ++digitCount;
            }
            if (consumeFallback() || digitCount < 2)
                return;
            text(fromCp1252(static_cast<unsigned char>(value)));
            return;
        }
        if (consumeFallback())
            return;
        switch (c) {
        case '\\':
        case '{':
        case '}':
            text(static_cast<unsigned char>(c));
            break;
        case '*':
            m_state.skipped = true; // ignorable destination: none is document text here
            break;
        case '~':
            text(0x00A0); // non-breaking space
            break;
        case '_':
            text(0x2011); // non-breaking hyphen
            break;
        case '\r':
        case '\n':
            paragraphEnd(); // a backslash before a line end is a paragraph end
            break;
        default:
            break; // optional hyphen and other symbols carry no text
        }
    }

    void controlWord(std::string_view word, bool hasParameter, long parameter) {
        if (word == "par" || word == "line") {
            paragraphEnd();
        } else if (word == "tab") {
            text('\t');
        } else if (word == "u" && hasParameter) {
            const long unit = parameter < 0 ? parameter + 0x10000 : parameter;
            if (unit >= 0 && unit <= 0xFFFF)
                codeUnit(static_cast<char16_t>(unit));
            m_fallbackToSkip = m_state.fallbackLength;
        } else if (word == "uc" && hasParameter) {
            m_state.fallbackLength = parameter < 0 ? 0 : static_cast<int>(std::min(parameter, 16L));
        } else if (isSkippedDestination(word)) {
            m_state.skipped = true;
        }
    }

    void paragraphEnd() {
        if (m_state.skipped)
            return;
        flushSurrogate();
        m_out.append("\r\n");
    }

    void codeUnit(char16_t unit) {
        if (m_state.skipped)
            return;
        if (unit >= 0xD800 && unit <= 0xDBFF) {
            flushSurrogate();
            m_highSurrogate = unit;
            return;
        }
        if (unit >= 0xDC00 && unit <= 0xDFFF) {
            if (m_highSurrogate != 0) {
                const char32_t codePoint =
                    0x10000 + ((static_cast<char32_t>(m_highSurrogate) - 0xD800) << 10) +
                    (static_cast<char32_t>(unit) - 0xDC00);
                m_highSurrogate = 0;
                appendUtf8(m_out, codePoint);
            } else {
                appendUtf8(m_out, kReplacementCharacter); // low surrogate without a high one
            }
            return;
        }
        text(unit);
    }

    void text(char32_t codePoint) {
        if (m_state.skipped)
            return;
        flushSurrogate();
        appendUtf8(m_out, codePoint);
    }

    // A high surrogate not followed by its low half stands for U+FFFD.
    void flushSurrogate() {
        if (m_highSurrogate == 0)
            return;
        m_highSurrogate = 0;
        appendUtf8(m_out, kReplacementCharacter);
    }

    std::string_view m_in;
    std::size_t m_pos = 0;
    std::string m_out;
    GroupState m_state;
    std::vector<GroupState> m_groups;
    int m_fallbackToSkip = 0;
    char16_t m_highSurrogate = 0;
};

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

std::string richTextToPlainText(std::string_view richText) {
    return RichTextReader(richText).read();
}

} // namespace orbenza
