// Reads back the Rich Text documents the program writes, so that tests and
// fuzz targets can compare a saved file with the text that went in.
#pragma once

#include <string>
#include <string_view>

namespace orbenza {

// The text of a Rich Text document as UTF-8. Reads everything the writer of
// report/RichText.h emits, and tolerates other input (unknown control words
// and ignorable destinations are skipped, unbalanced braces do no harm).
// Normalisation: every paragraph end (\par, and \line) comes back as "\r\n",
// so a text written with lone "\n" or "\r" line breaks reads back with "\r\n";
// \tab comes back as a tab; a lone UTF-16 surrogate comes back as U+FFFD; raw
// bytes above 0x7F and "\'hh" are read as Windows-1252.
std::string richTextToPlainText(std::string_view richText);

} // namespace orbenza
