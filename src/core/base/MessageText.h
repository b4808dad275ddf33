// Texts the user typed, as messages quote them: one printable line of
// bounded length, whatever was typed.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace orbenza {

// A text quoted for an error message that stays one printable line: control
// characters and bytes that are not UTF-8 escaped (\x1B, \u0085), and a text
// longer than kMessageTextLimit characters cut there, with its length in
// bytes after it: "AAAA…" (900000 bytes).
inline constexpr std::size_t kMessageTextLimit = 60;
std::string quotedForMessage(std::string_view text);

// The whole text with control characters and bytes that are not UTF-8
// escaped as above, for messages that reach a terminal.
std::string printableText(std::string_view text);

} // namespace orbenza
