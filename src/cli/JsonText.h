// JSON text written by hand, character for character as the JSON library
// dumps it (without ensure_ascii): strings, padded whole numbers and doubles.
// The batch writes its lines with these; the library remains the reference the
// tests compare them with.
#pragma once

#include "base/Body.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

namespace orbenza::cli {

// Appends text as a JSON string: the two-character escapes for " \ \b \f \n
// \r \t, \u00xx in lower-case hexadecimal for the other control characters,
// everything else as it is. Bytes that are not UTF-8 make it fail (strict) or
// become U+FFFD.
bool appendJsonString(std::string& out, std::string_view text, bool replaceInvalid);

// True when text needs no escape and is plain ASCII.
bool isPlainJsonText(std::string_view text);

// value as printf's %0<width>d writes it, at p (room for 24 characters);
// returns the end.
char* writePadded(char* p, int value, int width);

// A number as the JSON library writes it: its shortest form that reads back
// as the same double, null for infinities and NaN. Writes at most 64
// characters at p and returns the end.
char* writeJsonNumber(char* p, double value);
// The same characters, for a value rounded to six decimals, mostly without
// the library's digit generation.
char* writeSixDecimalNumber(char* p, double value);

// Collects short pieces of JSON on the stack and hands them to the string in
// one append, which saves most of the string's per-append bookkeeping. Texts
// that need escapes, or are long, go through appendJsonString.
class JsonScratch {
public:
    explicit JsonScratch(std::string& out) : m_out(out) {}
    JsonScratch(const JsonScratch&) = delete;
    JsonScratch& operator=(const JsonScratch&) = delete;
    ~JsonScratch() { flush(); }

    void flush() {
        m_out.append(m_buffer, static_cast<std::size_t>(m_end - m_buffer));
        m_end = m_buffer;
    }
    char* room(std::size_t size) {
        if (static_cast<std::size_t>(m_buffer + sizeof m_buffer - m_end) < size)
            flush();
        return m_end;
    }
    void raw(std::string_view text) {
        if (text.size() > sizeof m_buffer / 2) {
            flush();
            m_out.append(text);
            return;
        }
        char* p = room(text.size());
        std::copy(text.begin(), text.end(), p); // memcpy may not take an empty view's null data
        m_end = p + text.size();
    }
    // A literal: with its size known here the copy takes a few moves, not a
    // call.
    template <std::size_t N> void raw(const char (&text)[N]) {
        static_assert(N > 1 && N <= 64);
        char* p = room(N - 1);
        std::memcpy(p, text, N - 1);
        m_end = p + (N - 1);
    }
    void raw(char c) { *room(1) = c, ++m_end; }
    // A number as the JSON library writes it (its own shortest round-trip form).
    void number(double value) { m_end = writeJsonNumber(room(64), value); }
    // A value already rounded to six decimals, as the JSON library writes it.
    void sixDecimals(double value) { m_end = writeSixDecimalNumber(room(64), value); }
    // A JSON string; false for text that is not UTF-8 (strict).
    bool string(std::string_view text) {
        if (text.size() > sizeof m_buffer / 2 || !isPlainJsonText(text)) {
            flush();
            return appendJsonString(m_out, text, false);
        }
        char* p = room(text.size() + 2);
        *p++ = '"';
        std::copy(text.begin(), text.end(), p); // memcpy may not take an empty view's null data
        p += text.size();
        *p++ = '"';
        m_end = p;
        return true;
    }
    bool strings(const std::array<std::string, kBodyCount>& texts) {
        raw('[');
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (i != 0)
                raw(',');
            if (!string(texts[i]))
                return false;
        }
        raw(']');
        return true;
    }
    void padded(int value, int width) { m_end = writePadded(room(24), value, width); }
    // YYYY-MM-DD
    void isoDate(int year, int month, int day) {
        padded(year, 4);
        raw('-');
        padded(month, 2);
        raw('-');
        padded(day, 2);
    }

private:
    std::string& m_out;
    char m_buffer[2048];
    char* m_end = m_buffer;
};

} // namespace orbenza::cli
