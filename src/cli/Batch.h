// Many charts in one run: birth details as CSV rows in, one chart per row out.
//
// The input is CSV (RFC 4180: quoted fields with "" for a quote, commas and
// line breaks inside quotes, CRLF or LF line ends) whose first row names the
// columns name, date, time, zone, lon, lat and dst, in any order and any case,
// each exactly once. A UTF-8 byte order mark before the header is skipped, and
// so are blank lines (empty or only blanks and tabs). Every other row is one
// chart with its fields in the forms of the single-chart options; dst is
// empty, 0, false or no for off and 1, true or yes for on (any case).
//
// The output keeps the input order: per row one compact JSON object, the same
// object as --format json, on a line of its own, or one CSV row. A row that
// cannot be charted does not stop the run: it becomes an error object (or an
// error row) that names its line, plus "line N: message" on the diagnostics
// stream. Line N is the physical line of the input where the row starts, the
// header being line 1 (line breaks inside quoted fields count too).
//
// Everything streams: the input is read in chunks and the output written per
// block of rows, so memory stays flat however long the input is. Several
// workers may chart the rows of a block side by side, each taking the next
// small chunk of rows when it is free; the chunks are written in input order,
// so the output does not depend on the number of workers.
#pragma once

#include "ByteSink.h"
#include "ByteSource.h"
#include "ProgressMeter.h"
#include "base/Positions.h"
#include "chart/ChartRun.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace orbenza::cli {

enum class BatchFormat { JsonLines, Csv };

struct BatchOptions {
    BatchFormat format = BatchFormat::JsonLines;
    bool withReport = true;                   // JSON lines carry the report's runs
    unsigned jobs = 1;                        // workers charting side by side, at least 1
    std::size_t rowsPerJob = 64;              // rows read per worker for each block
    std::size_t rowsPerChunk = 8;             // rows a worker takes from the block at a time
    Positions positions = Positions::Classic; // source of every chart's positions
    bool withWindows = false;                 // JSON lines carry the birth-time windows
    ProgressMeter* progress = nullptr;        // told the rows done after every block
    ChartChoices choices;                     // house system, aspects listed, orbs
};

struct BatchOutcome {
    int status = 0;            // 0 every row charted, 1 some refused, 2 failed
    std::uint64_t charted = 0; // rows written as charts
    std::uint64_t refused = 0; // rows written as errors
    std::string error;         // why the run failed (status 2)
};

// Reads the CSV from input, writes the charts to output and one line per
// refused row to diagnostics. A header that cannot be read or used, a read
// failure or a write failure ends the run with status 2; the rows before it
// have been written.
BatchOutcome runBatch(ByteSource& input, ByteSink& output, ByteSink& diagnostics,
                      const BatchOptions& options);

} // namespace orbenza::cli
