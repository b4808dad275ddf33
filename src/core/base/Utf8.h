// UTF-8 for the whole program: one decoder, one encoder, one validity check.
//
// Well-formed means Unicode's table of well-formed byte sequences (The Unicode
// Standard, chapter 3, table 3-7): no overlong forms, no surrogates, nothing
// above U+10FFFF.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orbenza {

inline constexpr char32_t kReplacementCharacter = 0xFFFD;

// One step of decoding.
struct Utf8Step {
    char32_t codePoint = kReplacementCharacter; // U+FFFD when not valid
    // Bytes taken: the whole sequence when valid; otherwise its maximal
    // well-formed prefix, at least one byte, so that each maximal ill-formed
    // subsequence stands for one U+FFFD, as the Unicode standard recommends.
    std::size_t length = 1;
    bool valid = false;
};

// Decodes the code point that starts at text[pos] (pos < text.size()).
Utf8Step decodeUtf8(std::string_view text, std::size_t pos);

// True when every byte of text belongs to a well-formed sequence.
bool isUtf8(std::string_view text);

// Appends the code point's UTF-8 bytes.
void appendUtf8(std::string& out, char32_t codePoint);

} // namespace orbenza
