// The program's one UTF-8 decoder against the cases of the Unicode standard's
// table of well-formed byte sequences (chapter 3, table 3-7) and its advice on
// replacing ill-formed subsequences (one U+FFFD per maximal subpart).
#include "base/Utf8.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace orbenza {
namespace {

// Decodes the whole text, ill-formed parts as U+FFFD.
std::u32string decodeAll(std::string_view text) {
    std::u32string out;
    for (std::size_t pos = 0; pos < text.size();) {
        const Utf8Step step = decodeUtf8(text, pos);
        EXPECT_GE(step.length, 1u);
        out += step.codePoint;
        pos += step.length;
    }
    return out;
}

TEST(Utf8, DecodesTheBoundariesOfEachSequenceLength) {
    struct Case {
        std::string bytes;
        char32_t codePoint;
    };
    const std::vector<Case> cases{
        {"\x7F", 0x7F},
        {"\xC2\x80", 0x80},
        {"\xDF\xBF", 0x7FF},
        {"\xE0\xA0\x80", 0x800},
        {"\xED\x9F\xBF", 0xD7FF},
        {"\xEE\x80\x80", 0xE000},
        {"\xEF\xBF\xBF", 0xFFFF},
        {"\xF0\x90\x80\x80", 0x10000},
        {"\xF4\x8F\xBF\xBF", 0x10FFFF},
    };
    for (const Case& c : cases) {
        const Utf8Step step = decodeUtf8(c.bytes, 0);
        EXPECT_TRUE(step.valid) << "U+" << std::hex << static_cast<unsigned>(c.codePoint);
        EXPECT_EQ(step.codePoint, c.codePoint);
        EXPECT_EQ(step.length, c.bytes.size());
        EXPECT_TRUE(isUtf8(c.bytes));
    }
}

TEST(Utf8, RefusesOverlongSurrogatesAndValuesBeyondTheLastCodePoint) {
    for (const std::string bad :
         {"\xC0\xAF", "\xC1\xBF", "\xE0\x9F\xBF", "\xED\xA0\x80", "\xF0\x8F\xBF\xBF",
          "\xF4\x90\x80\x80", "\xF5\x80\x80\x80", "\x80", "\xFF", "\xE2\x82"}) {
        EXPECT_FALSE(isUtf8(bad)) << "bytes of length " << bad.size();
        EXPECT_FALSE(decodeUtf8(bad, 0).valid);
    }
}

TEST(Utf8, OneReplacementPerMaximalIllFormedSubpart) {
    // The standard's example: 61 F1 80 80 E1 80 C2 62 80 63 80 BF 64 decodes
    // to a, FFFD, FFFD, FFFD, b, FFFD, c, FFFD, FFFD, d.
    const std::string text = "\x61\xF1\x80\x80\xE1\x80\xC2\x62\x80\x63\x80\xBF\x64";
    EXPECT_EQ(decodeAll(text), (std::u32string{U'a', 0xFFFD, 0xFFFD, 0xFFFD, U'b', 0xFFFD, U'c',
                                               0xFFFD, 0xFFFD, U'd'}));
}

TEST(Utf8, EncodesWhatItDecodes) {
    for (char32_t codePoint : {char32_t{0x41}, char32_t{0xE9}, char32_t{0x20AC}, char32_t{0xFFFD},
                               char32_t{0x1F600}, char32_t{0x10FFFF}}) {
        std::string bytes;
        appendUtf8(bytes, codePoint);
        const Utf8Step step = decodeUtf8(bytes, 0);
        EXPECT_TRUE(step.valid);
        EXPECT_EQ(step.codePoint, codePoint);
        EXPECT_EQ(step.length, bytes.size());
    }
}

} // namespace
} // namespace orbenza
