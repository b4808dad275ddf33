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

#include "ChartOptions.h"
#include "chart/ChartRun.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza::cli {

// ---------------------------------------------------------------------------
// Byte streams

// The output of a stretch of rows: the bytes made for them in text, and
// pieces of long-lived storage (the report runs' JSON, made once per writer)
// referenced where they belong instead of copied, so a sink can hand
// everything to the system in one gathered write.
class OutputBuffer {
public:
    // Appending to text directly is allowed at any time.
    std::string text;

    // Refers to bytes that stay unchanged and alive until the buffer has been
    // written.
    void appendStable(std::string_view stable);
    void clear();
    // All bytes: text and the stable pieces, in order.
    std::size_t size() const;
    // Calls piece(std::string_view) for every piece in order.
    template <typename Function> void forEachPiece(Function&& piece) const;
    std::string flattened() const;

    // A point to go back to, dropping what was added after it.
    struct Mark {
        std::size_t textSize, pieceCount, closedText;
    };
    Mark mark() const { return {text.size(), m_pieces.size(), m_closedText}; }
    void rollback(const Mark& mark);

private:
    struct Piece {
        const char* stable; // nullptr: text[offset, offset + size)
        std::size_t offset, size;
    };
    std::vector<Piece> m_pieces;
    std::size_t m_closedText = 0; // text before this offset is in m_pieces
};

template <typename Function> void OutputBuffer::forEachPiece(Function&& piece) const {
    for (const Piece& p : m_pieces)
        piece(p.stable != nullptr ? std::string_view(p.stable, p.size)
                                  : std::string_view(text).substr(p.offset, p.size));
    if (m_closedText < text.size())
        piece(std::string_view(text).substr(m_closedText));
}

// Where the CSV comes from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to size bytes into buffer; 0 at the end of the input, -1 on a read
    // failure (error() says why).
    virtual std::ptrdiff_t read(char* buffer, std::size_t size) = 0;
    const std::string& error() const { return m_error; }

protected:
    std::string m_error;
};

// A file, or standard input for the name "-".
class FileSource final : public ByteSource {
public:
    FileSource() = default;
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    ~FileSource() override;
    // False, with error() set, when the file cannot be opened.
    bool open(const std::string& path);
    std::ptrdiff_t read(char* buffer, std::size_t size) override;

private:
    int m_fd = -1;
    bool m_owned = false;
    std::string m_name;
};

// Text held in memory, handed out in pieces of at most chunkSize bytes (small
// pieces let the tests cut the input anywhere).
class StringSource final : public ByteSource {
public:
    explicit StringSource(std::string_view text, std::size_t chunkSize = 1 << 16)
        : m_text(text), m_chunkSize(chunkSize == 0 ? 1 : chunkSize) {}
    std::ptrdiff_t read(char* buffer, std::size_t size) override;

private:
    std::string_view m_text;
    std::size_t m_chunkSize;
    std::size_t m_position = 0;
};

// Where the charts and the diagnostics go.
class ByteSink {
public:
    virtual ~ByteSink() = default;
    // False, with error() set, when the data could not be written whole.
    virtual bool write(std::string_view data) = 0;
    // Everything in count buffers, in order.
    virtual bool write(const OutputBuffer* buffers, std::size_t count);
    bool write(const OutputBuffer& buffer) { return write(&buffer, 1); }
    const std::string& error() const { return m_error; }

protected:
    std::string m_error;
};

// An open file descriptor, such as standard output; name is used in errors.
class FdSink final : public ByteSink {
public:
    FdSink(int fd, std::string name) : m_fd(fd), m_name(std::move(name)) {}
    using ByteSink::write;
    bool write(std::string_view data) override;
    bool write(const OutputBuffer* buffers, std::size_t count) override;

private:
    int m_fd;
    std::string m_name;
};

// Collects everything in a string.
class StringSink final : public ByteSink {
public:
    using ByteSink::write;
    bool write(std::string_view data) override {
        text.append(data);
        return true;
    }
    std::string text;
};

// Drops everything and counts the bytes.
class NullSink final : public ByteSink {
public:
    using ByteSink::write;
    bool write(std::string_view data) override {
        bytes += data.size();
        return true;
    }
    bool write(const OutputBuffer* buffers, std::size_t count) override {
        for (std::size_t i = 0; i < count; ++i)
            bytes += buffers[i].size();
        return true;
    }
    std::uint64_t bytes = 0;
};

// A file that appears whole or not at all: the data goes to a temporary file
// beside the target, commit() flushes it to disk and renames it into place.
// Without a successful commit() the temporary file is removed, also when the
// program is ended by SIGINT, SIGTERM or SIGHUP, and an existing target keeps
// its old content. A target that is a device, a pipe or a socket (/dev/null,
// /dev/stdout) is written to directly instead of being replaced.
class AtomicFileSink final : public ByteSink {
public:
    AtomicFileSink() = default;
    AtomicFileSink(const AtomicFileSink&) = delete;
    AtomicFileSink& operator=(const AtomicFileSink&) = delete;
    ~AtomicFileSink() override;
    bool open(const std::string& path);
    using ByteSink::write;
    bool write(std::string_view data) override;
    bool write(const OutputBuffer* buffers, std::size_t count) override;
    bool commit();
    // Removes the temporary file; the target stays as it was.
    void discard();

private:
    int m_fd = -1;
    bool m_straight = false; // writing to the target itself
    std::string m_path, m_temporary;
};

// ---------------------------------------------------------------------------
// Reading CSV

struct CsvRecord {
    std::vector<std::string> fields;
    std::uint64_t line = 0; // physical line where the record starts, from 1
    std::string error;      // not empty for a malformed record
};

// Splits the input into records, a chunk at a time.
class CsvReader {
public:
    // A longer record is reported as malformed and its text dropped, so a
    // stray quote cannot make the reader hold the rest of the input.
    static constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;

    explicit CsvReader(ByteSource& source) : m_source(source) {}
    // The next record that is not a blank line. False at the end of the input
    // and on a read failure (failed() tells them apart).
    bool next(CsvRecord& record);
    bool failed() const { return m_failed; }
    const std::string& error() const { return m_source.error(); }

private:
    int get();
    int peek();
    bool refill();

    ByteSource& m_source;
    std::vector<char> m_buffer = std::vector<char>(std::size_t{1} << 16);
    std::size_t m_position = 0, m_end = 0;
    std::uint64_t m_line = 1;
    bool m_started = false, m_atEnd = false, m_failed = false;
};

// ---------------------------------------------------------------------------
// From a row to birth entries

// The input columns, in the order BatchColumns keeps their positions.
inline constexpr std::array<std::string_view, 7> kBatchColumnNames{"name", "date", "time", "zone",
                                                                   "lon",  "lat",  "dst"};

// Where each of the seven columns stands in a row, by kBatchColumnNames order.
struct BatchColumns {
    std::array<std::size_t, 7> position{};
};

// The header's column positions, or why the header cannot be used (a column
// unknown, missing or named twice).
Parsed<BatchColumns> batchColumns(const std::vector<std::string>& header);

// empty, 0, false, no: off; 1, true, yes: on (any case).
Parsed<bool> parseDaylightSaving(std::string_view text);

// The birth entries of one row, or why the row cannot be charted: a malformed
// record, a wrong number of fields, a name that is not UTF-8 or a field in the
// wrong form (the single-chart option's message, named after the column).
// Blanks around every field but the name are ignored.
Parsed<BirthEntries> batchRowEntries(const CsvRecord& record, const BatchColumns& columns);

// True when text is well-formed UTF-8.
bool isUtf8(std::string_view text);

// ---------------------------------------------------------------------------
// Writing the charts

// Writes the chart as compact JSON, byte for byte what chartJson(chart).dump()
// gives, without building the JSON value. The report's run texts are static
// (they live as long as the program and never change), so each run's JSON is
// made once and kept, keyed by the text's address, and an OutputBuffer refers
// to it in place. One writer per thread; what it added to a buffer refers to
// the writer, which must outlive the buffer's writing.
class ChartJsonWriter {
public:
    ChartJsonWriter();
    ChartJsonWriter(const ChartJsonWriter&) = delete;
    ChartJsonWriter& operator=(const ChartJsonWriter&) = delete;
    // Appends the object (no line break). False, with out unchanged, when a
    // text of the chart is not UTF-8 (the JSON library refuses those too).
    bool append(OutputBuffer& out, const ChartResult& chart);
    bool append(std::string& out, const ChartResult& chart);

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

    std::vector<Slot> m_slots;
    std::deque<std::string> m_fragments; // never moved, so views stay valid
};

// {"line":N,"error":"message"}; bytes of the message that are not UTF-8 are
// written as U+FFFD.
void appendBatchErrorJson(std::string& out, std::uint64_t line, std::string_view message);

// The CSV form: one header row, then per chart the name, the eleven positions
// (Sun .. Pluto, Asc), the eleven labels (with the retrograde marks), the ten
// houses (empty when a planet has none), the line and an empty error. A row
// that cannot be charted keeps its name, line and error, the rest empty. Rows
// end in LF; fields with a comma, a quote, a line break or blanks at either
// end are quoted.
std::string batchCsvHeader();
void appendChartCsv(std::string& out, const ChartResult& chart, std::uint64_t line);
void appendBatchErrorCsv(std::string& out, std::string_view name, std::uint64_t line,
                         std::string_view message);
void appendCsvField(std::string& out, std::string_view text);

// ---------------------------------------------------------------------------
// The run

enum class BatchFormat { JsonLines, Csv };

struct BatchOptions {
    BatchFormat format = BatchFormat::JsonLines;
    unsigned jobs = 1;            // workers charting side by side, at least 1
    std::size_t rowsPerJob = 64;  // rows read per worker for each block
    std::size_t rowsPerChunk = 8; // rows a worker takes from the block at a time
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
