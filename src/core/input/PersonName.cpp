#include "input/PersonName.h"

#include "base/TextTrim.h"
#include "base/Utf8.h"

#include <dlfcn.h>
#include <unicode/uchar.h>
#include <vector>

namespace orbenza {

namespace {

constexpr char32_t kBlank = U' ';
constexpr char32_t kHyphen = U'-';
constexpr char32_t kApostrophe = U'\'';
constexpr char32_t kRightSingleQuote = U'\u2019'; // the apostrophe of typeset text
constexpr char32_t kFullStop = U'.';
constexpr char32_t kZeroWidthNonJoiner = U'\u200C';
constexpr char32_t kZeroWidthJoiner = U'\u200D';

#define ORBENZA_TEXT(x) ORBENZA_TEXT_OF(x)
#define ORBENZA_TEXT_OF(x) #x

// ICU's u_charType, from the library opened the first time a name has a
// character beyond ASCII: a run that checks ASCII names only (most command
// lines, every batch of them) does not pay for loading ICU and its data.
// The name carries the version suffix the headers give ("u_charType_72").
using CharTypeFunction = std::int8_t (*)(UChar32);
CharTypeFunction icuCharType() {
    static const CharTypeFunction function = []() -> CharTypeFunction {
        void* library =
            ::dlopen("libicuuc.so." ORBENZA_TEXT(U_ICU_VERSION_MAJOR_NUM), RTLD_NOW | RTLD_LOCAL);
        if (library == nullptr)
            return nullptr;
        return reinterpret_cast<CharTypeFunction>(::dlsym(library, ORBENZA_TEXT(u_charType)));
    }();
    return function;
}

// The general category mask of a character: ASCII letters by rule, every
// other ASCII character none of a letter's or mark's; the rest from ICU (no
// category at all, so refused, if ICU cannot be loaded).
std::uint32_t categoryMask(char32_t c) {
    if (c < 0x80) {
        if (c >= U'a' && c <= U'z')
            return U_GC_LL_MASK;
        return c >= U'A' && c <= U'Z' ? U_GC_LU_MASK : 0;
    }
    const CharTypeFunction charType = icuCharType();
    return charType != nullptr ? U_MASK(charType(static_cast<UChar32>(c))) : 0;
}

// Letters and combining marks by their Unicode general category.
bool isLetter(char32_t c) {
    return (categoryMask(c) & U_GC_L_MASK) != 0;
}
bool isMark(char32_t c) {
    return (categoryMask(c) & U_GC_M_MASK) != 0;
}

} // namespace

bool isPersonNameCharacter(char32_t c) {
    return isLetter(c) || isMark(c) || c == kBlank || c == kHyphen || c == kApostrophe ||
           c == kRightSingleQuote || c == kFullStop || c == kZeroWidthNonJoiner ||
           c == kZeroWidthJoiner;
}

bool isValidPersonName(std::string_view utf8) {
    utf8 = trimBlanks(utf8);
    // Decode the whole name first: ill-formed UTF-8 is refused.
    std::vector<char32_t> name;
    for (std::size_t i = 0; i < utf8.size();) {
        const Utf8Step step = decodeUtf8(utf8, i);
        if (!step.valid || !isPersonNameCharacter(step.codePoint))
            return false;
        i += step.length;
        name.push_back(step.codePoint);
    }
    if (name.empty() || !isLetter(name.front()))
        return false;
    for (std::size_t i = 1; i < name.size(); ++i) {
        const char32_t c = name[i];
        const char32_t before = name[i - 1];
        const bool afterLetter = isLetter(before) || isMark(before);
        if (isMark(c) || c == kFullStop || c == kZeroWidthNonJoiner || c == kZeroWidthJoiner) {
            if (!afterLetter)
                return false;
        } else if (c == kHyphen || c == kApostrophe || c == kRightSingleQuote) {
            if (!afterLetter || i + 1 == name.size() || !isLetter(name[i + 1]))
                return false;
        }
    }
    return true;
}

} // namespace orbenza
