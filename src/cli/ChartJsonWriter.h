// The batch's JSON lines: charts and refused rows as compact JSON objects.
#pragma once

#include "AtlasOptions.h"
#include "OutputBuffer.h"
#include "chart/ChartRun.h"
#include "windows/BirthTimeWindows.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza::cli {

// Writes the chart as compact JSON without building a JSON value: the one
// list of a chart's fields, which the batch writes and the single chart
// (chartJson) reads back, so both carry the same fields in the same order.
// Its bytes are those the JSON library dumps for them. The report's run texts are static
// (they live as long as the program and never change), so each run's JSON is
// made once and kept, keyed by the text's address, and an OutputBuffer refers
// to it in place. One writer per thread; what it added to a buffer refers to
// the writer, which must outlive the buffer's writing.
class ChartJsonWriter {
public:
    // withReport false leaves the report's runs out (the "Report" key too).
    explicit ChartJsonWriter(bool withReport = true);
    ChartJsonWriter(const ChartJsonWriter&) = delete;
    ChartJsonWriter& operator=(const ChartJsonWriter&) = delete;
    // Appends the object (no line break). False, with out unchanged, when a
    // text of the chart or the place is not UTF-8 (the JSON library refuses
    // those too). When the chart has its windows, "AscendantWindow" and "HouseWindow" follow
    // "Houses"; with a place, "Place" comes last.
    bool append(OutputBuffer& out, const ChartResult& chart, const PlaceClockInfo* place = nullptr);
    bool append(std::string& out, const ChartResult& chart, const PlaceClockInfo* place = nullptr);

private:
    struct Slot {
        const char* text = nullptr;
        std::size_t size = 0;
        std::uint32_t format = 0; // heading flag and colour
        const std::string* fragment = nullptr;
    };
    // ",{...}": the run's object after a comma; nullptr when not UTF-8.
    const std::string* runFragment(std::string_view text, bool heading, std::uint32_t color);
    void grow();
    // The report's runs, comma-separated; false when a text is not UTF-8.
    bool appendReportRuns(OutputBuffer& buffer, const ChartResult& chart);

    bool m_withReport;
    std::vector<Slot> m_slots;
    std::deque<std::string> m_fragments; // never moved, so views stay valid
};

// {"line":N,"error":"message"}; bytes of the message that are not UTF-8 are
// written as U+FFFD.
void appendBatchErrorJson(std::string& out, std::uint64_t line, std::string_view message);

} // namespace orbenza::cli
