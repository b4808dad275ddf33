// Any bytes through the AAF reader, and each chart it keeps back through the
// writer and the reader.
//
// Promises checked:
// - every chart kept can be drawn, and its texts are valid UTF-8;
// - every refusal names a line of the input, and kept plus refused charts
//   are no more than the #A93 lines plus the stray #B93 lines;
// - a kept chart whose texts the writer need not change comes back from its
//   own AAF lines exactly as it was.
#include "FuzzSupport.h"
#include "store/AafExchange.h"
#include "store/RecordChart.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using namespace orbenza;
using orbenza::fuzz::printable;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const store::AafRead read = store::readAaf(input);
    const std::size_t lines =
        static_cast<std::size_t>(std::count(input.begin(), input.end(), '\n')) + 1;
    std::size_t stray = 0;
    for (const auto& refusal : read.refusals) {
        FUZZ_CHECK(refusal.line >= 1 && refusal.line <= lines, "refusal on line " +
                                                                   std::to_string(refusal.line) +
                                                                   "; input: " + printable(input));
        stray += refusal.problem == store::AafProblem::StrayB93 ? 1 : 0;
    }
    FUZZ_CHECK(read.records.size() + read.refusals.size() <= read.a93Lines + stray,
               "more charts than records; input: " + printable(input));
    for (const auto& record : read.records) {
        const auto problem = store::recordProblem(record);
        FUZZ_CHECK(!problem, "a kept chart cannot be drawn: " +
                                 (problem->input ? std::string("the birth check refuses it")
                                                 : problem->detail) +
                                 "; input: " + printable(input));
        FUZZ_CHECK(fuzz::isStrictUtf8(record.name) && fuzz::isStrictUtf8(record.city) &&
                       fuzz::isStrictUtf8(record.country),
                   "a text is not UTF-8; input: " + printable(input));
        if (store::aafAltersTexts(record))
            continue;
        const std::string lines2 = store::aafOfRecord(record);
        const store::AafRead again = store::readAaf(lines2);
        FUZZ_CHECK(again.records.size() == 1 && again.records[0] == record,
                   "the chart does not come back from \"" + printable(lines2) +
                       "\"; input: " + printable(input));
    }
    return 0;
}
