// Any bytes through the Rich Text writer and back through the program's own
// reader, and any bytes straight into the reader.
//
// Promises checked:
// - the writer's output is 7-bit ASCII and its braces balance (counting "{"
//   and "}" outside escapes: never below zero, zero at the end);
// - valid UTF-8 comes back as it went in, except that every line break
//   (CR LF, lone LF, lone CR) comes back as CR LF;
// - invalid UTF-8 comes back as valid UTF-8 (each bad sequence replaced), and
//   that text then makes the round trip unchanged;
// - the coloured report form does the same for a list of runs cut from the
//   input (the byte 0x1E separates runs; each run's first byte picks its
//   heading flag and colour);
// - the reader, given anything at all, returns valid UTF-8.
#include "FuzzSupport.h"
#include "RichTextReader.h"
#include "report/RichText.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace orbenza;
using orbenza::fuzz::printable;

namespace {

void checkDocument(const std::string& document, std::string_view input) {
    int depth = 0;
    for (std::size_t i = 0; i < document.size(); ++i) {
        const auto byte = static_cast<unsigned char>(document[i]);
        FUZZ_CHECK(byte < 0x80, "a byte above 0x7F at " + std::to_string(i) + " of \"" +
                                    printable(document) + "\"; input: " + printable(input));
        if (byte == '\\') {
            ++i; // the escaped character, or the first letter of a control word
            continue;
        }
        if (byte == '{')
            ++depth;
        if (byte == '}')
            --depth;
        FUZZ_CHECK(depth >= 0, "a \"}\" closes no group at " + std::to_string(i) + " of \"" +
                                   printable(document) + "\"; input: " + printable(input));
    }
    FUZZ_CHECK(depth == 0, std::to_string(depth) + " groups left open in \"" + printable(document) +
                               "\"; input: " + printable(input));
}

void checkPlainRoundTrip(std::string_view text, std::string_view input) {
    const std::string document = plainTextToRichText(text);
    checkDocument(document, input);
    const std::string back = richTextToPlainText(document);
    FUZZ_CHECK(fuzz::isStrictUtf8(back), "the reader gave invalid UTF-8 \"" + printable(back) +
                                             "\"; input: " + printable(input));
    if (fuzz::isStrictUtf8(text)) {
        const std::string expected = fuzz::crlfLineBreaks(text);
        FUZZ_CHECK(back == expected, "read back \"" + printable(back) + "\", expected \"" +
                                         printable(expected) + "\"; document \"" +
                                         printable(document) + "\"");
    } else {
        // The replaced text is valid UTF-8 with CR LF breaks: it must come back as it is.
        const std::string again = richTextToPlainText(plainTextToRichText(back));
        FUZZ_CHECK(again == back, "second round trip \"" + printable(again) + "\" differs from \"" +
                                      printable(back) + "\"; input: " + printable(input));
    }
}

constexpr std::array<Rgb, 6> kColors{kReportBlack,       kReportDarkRed, kReportBlue,
                                     Rgb{255, 255, 255}, Rgb{1, 2, 3},   Rgb{0, 128, 0}};

void checkReportRoundTrip(std::string_view bytes, std::string_view input) {
    std::vector<ReportRun> runs;
    std::string expected;
    bool allUtf8 = true;
    for (std::string_view piece : fuzz::splitAt(bytes, '\x1e')) {
        ReportRun run;
        if (!piece.empty()) {
            const auto format = static_cast<unsigned char>(piece.front());
            run.heading = (format & 1u) != 0;
            run.color = kColors[(format >> 1) % kColors.size()];
            piece.remove_prefix(1);
        }
        run.text = piece;
        runs.push_back(run);
        allUtf8 = allUtf8 && fuzz::isStrictUtf8(piece);
        // Each run is escaped on its own, so a CR ending one run and an LF
        // starting the next are two line breaks.
        expected += fuzz::crlfLineBreaks(piece);
    }
    const std::string document = reportToRichText(runs);
    checkDocument(document, input);
    const std::string back = richTextToPlainText(document);
    FUZZ_CHECK(fuzz::isStrictUtf8(back), "the reader gave invalid UTF-8 \"" + printable(back) +
                                             "\"; input: " + printable(input));
    if (allUtf8)
        FUZZ_CHECK(back == expected, "report read back \"" + printable(back) + "\", expected \"" +
                                         printable(expected) + "\"; document \"" +
                                         printable(document) + "\"");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::string_view input = bytes;

    checkPlainRoundTrip(bytes, input);
    checkReportRoundTrip(bytes, input);

    const std::string read = richTextToPlainText(bytes);
    FUZZ_CHECK(fuzz::isStrictUtf8(read), "the reader gave invalid UTF-8 \"" + printable(read) +
                                             "\" for \"" + printable(input) + "\"");
    return 0;
}
