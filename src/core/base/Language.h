// The languages Orbenza writes its charts and reports in, and their one code
// table.
//
// A language is chosen by its code: "en", "de", "fr", "es", "it", "pt_BR",
// "hi", as the command line's --lang takes it and as a locale name starts. The
// JSON output's keys and values stay English whatever the language.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orbenza {

enum class Language : std::uint8_t {
    English,
    German,
    French,
    Spanish,
    Italian,
    BrazilianPortuguese,
    Hindi,
};

inline constexpr std::size_t kLanguageCount = 7;

struct LanguageInfo {
    std::string_view code;       // "pt_BR"
    std::string_view nativeName; // the language's name in itself, for a menu
};

inline constexpr std::array<LanguageInfo, kLanguageCount> kLanguages{{
    {"en", "English"},
    {"de", "Deutsch"},
    {"fr", "Fran\xC3\xA7"
           "ais"},
    {"es", "Espa\xC3\xB1ol"},
    {"it", "Italiano"},
    {"pt_BR", "Portugu\xC3\xAAs (Brasil)"},
    {"hi", "\xE0\xA4\xB9\xE0\xA4\xBF\xE0\xA4\xA8\xE0\xA5\x8D\xE0\xA4\xA6\xE0\xA5\x80"},
}};

constexpr std::size_t indexOf(Language language) {
    return static_cast<std::size_t>(language);
}
constexpr Language languageAt(std::size_t index) {
    return static_cast<Language>(index);
}
constexpr std::string_view languageCode(Language language) {
    return kLanguages[indexOf(language)].code;
}
constexpr std::string_view languageNativeName(Language language) {
    return kLanguages[indexOf(language)].nativeName;
}

// The language whose code is exactly the text ("de", "pt_BR").
constexpr std::optional<Language> languageOfCode(std::string_view code) {
    for (std::size_t i = 0; i < kLanguageCount; ++i)
        if (kLanguages[i].code == code)
            return languageAt(i);
    return std::nullopt;
}

// The language of a locale name such as "de_DE.UTF-8", "pt_BR", "fr-CA" or
// "hi_IN@latin", by its language part (any Portuguese reads Brazilian
// Portuguese, the one Orbenza writes); none for "C", "POSIX" or a language
// Orbenza does not write.
constexpr std::optional<Language> languageOfLocaleName(std::string_view locale) {
    const std::string_view part = locale.substr(0, locale.find_first_of("_-.@"));
    for (std::size_t i = 0; i < kLanguageCount; ++i)
        if (kLanguages[i].code.substr(0, kLanguages[i].code.find('_')) == part)
            return languageAt(i);
    return std::nullopt;
}

} // namespace orbenza
