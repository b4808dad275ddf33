// Trimming the blanks around a text, as the program's checks and parsers do.
#pragma once

#include <string_view>

namespace orbenza {

// The text without the spaces at either end.
constexpr std::string_view trimSpaces(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

// The text without the spaces and tabs at either end, as typed boxes and
// file fields are read.
constexpr std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

} // namespace orbenza
