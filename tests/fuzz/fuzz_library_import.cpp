// Any bytes as a CSV file for `orbenza-cli library import`.
//
// The atlas is left unavailable here (a row naming a place is refused with
// its reason); zones from the system's database are read as usual.
//
// Promises checked:
// - the file is refused as a whole with one line, or every row is either
//   kept or refused with "line N: why" on one line, N growing from 2;
// - every record kept is one the library can store and draw again;
// - the records kept, written as `library export` writes them and read back,
//   are the same records, and written again are the same bytes;
// - no exception leaves the program (libFuzzer reports one as a crash).
#include "ByteFakes.h"
#include "ByteSource.h"
#include "FuzzSupport.h"
#include "LibraryCsv.h"
#include "store/RecordChart.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

using namespace orbenza;
using orbenza::fuzz::printable;

namespace {

const atlas::Atlas& noAtlas() {
    static const atlas::Atlas atlas;
    return atlas;
}

std::string exported(const std::vector<store::ChartRecord>& records) {
    std::string csv = cli::libraryCsvHeader();
    for (const store::ChartRecord& r : records)
        cli::appendRecordCsv(csv, r);
    return csv;
}

cli::LibraryCsvRead readText(const std::string& text, std::size_t piece) {
    cli::StringSource source(text, piece);
    return cli::readLibraryCsv(source, noAtlas);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string input(reinterpret_cast<const char*>(data), size);
    // Small pieces, so every split of a record across two reads is tried.
    const std::size_t piece = 1 + (size % 13);
    const cli::LibraryCsvRead read = readText(input, piece);

    if (!read.failure.empty()) {
        FUZZ_CHECK(read.failure.find('\n') == std::string::npos,
                   "failure on more than one line: " + printable(read.failure) +
                       "; input: " + printable(input));
        return 0;
    }
    std::uint64_t lastLine = 1;
    for (const std::string& refusal : read.refusals) {
        FUZZ_CHECK(refusal.rfind("line ", 0) == 0 && refusal.find('\n') == std::string::npos,
                   "refusal not one \"line N: why\": " + printable(refusal) +
                       "; input: " + printable(input));
        const std::uint64_t line = std::stoull(refusal.substr(5));
        FUZZ_CHECK(line > lastLine, "refusals out of line order at " + printable(refusal) +
                                        "; input: " + printable(input));
        lastLine = line;
    }

    for (const store::ChartRecord& r : read.records) {
        const auto problem = store::recordProblem(r);
        FUZZ_CHECK(!problem, "a kept record cannot be drawn: " +
                                 printable(problem ? cli::recordProblemMessage(*problem) : "") +
                                 "; input: " + printable(input));
        FUZZ_CHECK(std::holds_alternative<ChartResult>(store::chartOfRecord(r)),
                   "a kept record gives no chart; input: " + printable(input));
    }

    // What an export of the kept records gives is read back unchanged.
    const std::string csv = exported(read.records);
    const cli::LibraryCsvRead again = readText(csv, 4096);
    FUZZ_CHECK(again.failure.empty() && again.refusals.empty(),
               "an export is refused: " + printable(again.failure) +
                   (again.refusals.empty() ? std::string() : printable(again.refusals[0])) +
                   "; export: " + printable(csv) + "; input: " + printable(input));
    FUZZ_CHECK(again.records == read.records, "an export reads back to other records; export: " +
                                                  printable(csv) + "; input: " + printable(input));
    FUZZ_CHECK(exported(again.records) == csv,
               "an export read back exports other bytes; input: " + printable(input));
    return 0;
}
