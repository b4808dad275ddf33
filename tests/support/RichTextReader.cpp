#include "RichTextReader.h"

#include "base/Utf8.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

namespace orbenza {

namespace {

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

std::string richTextToPlainText(std::string_view richText) {
    return RichTextReader(richText).read();
}

} // namespace orbenza
