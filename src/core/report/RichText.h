// Rich Text (RTF 1.x) writer for the two documents the program saves.
//
// The writer takes UTF-8 and produces pure 7-bit ASCII:
// - "\", "{" and "}" are escaped as "\\", "\{" and "\}";
// - every line break ("\r\n", and a lone "\n" or "\r") becomes a paragraph
//   end "\par" (followed by CR LF in the file, which readers ignore);
// - a tab becomes "\tab"; other control characters become "\'hh";
// - every non-ASCII character becomes "\uN?" with N the signed 16-bit value of
//   its UTF-16 code unit (characters above U+FFFF as a surrogate pair, one
//   "\uN?" per unit) and "?" as the one-character fallback of "\uc1";
// - bytes that are not valid UTF-8 are written as U+FFFD, one per maximal
//   ill-formed subsequence.
// The document declares \ansi\ansicpg1252, \uc1 and one font (Verdana, family
// swiss so that a reader without Verdana picks a sans-serif face).
#pragma once

#include "report/HouseReport.h"

#include <string>
#include <string_view>
#include <vector>

namespace orbenza {

// The coloured report: a colour table of the runs' colours, headings bold,
// each run in its own colour.
std::string reportToRichText(const std::vector<ReportRun>& runs);

// Document properties of a saved file: its title and subject.
struct RichTextInfo {
    std::string_view title;
    std::string_view subject;
};

// A plain text in one uniform format: default colour, not bold. The info, when
// given, goes into the document's properties, not into its text.
std::string plainTextToRichText(std::string_view utf8Text, const RichTextInfo& info = {});

} // namespace orbenza
