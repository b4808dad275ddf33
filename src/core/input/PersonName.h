// The rule a person's name follows on every front end: the name box's key
// filter, the check before "Proceed", the command line and the batch.
#pragma once

#include <string_view>

namespace orbenza {

// A character a person's name may hold: a letter of any script (Unicode
// categories L*), a combining mark (M*, as in a decomposed "ë" or an Indic
// vowel sign), the blank, the hyphen, the apostrophe (' or the typographic
// U+2019), the full stop, and the zero-width joiner and non-joiner some
// scripts write inside words. The name box's key filter lets exactly these in.
bool isPersonNameCharacter(char32_t c);

// A name as people write their own: valid UTF-8, only the characters above,
// blanks around it ignored, and beginning with a letter; a combining mark, a
// full stop or a joiner follows a letter (or mark); a hyphen or an apostrophe
// stands between two letters. So "Zoë", "Ångström", "Σοφία", "Ян",
// "Jean-Luc", "O'Brien" and "J. R. R. Tolkien" pass; "Ann1", "A_B", "-Ann",
// "Ann-", "O''Brien" and an empty name do not.
bool isValidPersonName(std::string_view utf8);

} // namespace orbenza
