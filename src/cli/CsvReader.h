// Splitting CSV input into records (RFC 4180), a chunk at a time.
#pragma once

#include "ByteSource.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace orbenza::cli {

struct CsvRecord {
    std::vector<std::string> fields;
    std::uint64_t line = 0; // physical line where the record starts, from 1
    std::string error;      // not empty for a malformed record
};

// Splits the input into records, a chunk at a time.
class CsvReader {
public:
    // A longer record (every byte counted, separators and quotes too) or one
    // with more fields is reported as malformed and its text dropped, so no
    // input can make the reader hold more than about this much.
    static constexpr std::size_t kMaxRecordBytes = std::size_t{1} << 20;
    static constexpr std::size_t kMaxFields = 64;

    explicit CsvReader(ByteSource& source) : m_source(source) {}
    // The next record that is not a blank line. False at the end of the input
    // and on a read failure (failed() tells them apart).
    //
    // A quoted field may hold line breaks. When its closing quote does not
    // come before the end of the input, or within kMaxRecordBytes after the
    // field's first line break, the quote is taken for a stray one: the
    // record is reported as "a quoted field is not closed" and reading goes
    // on with the line after that line break.
    bool next(CsvRecord& record);
    bool failed() const { return m_failed; }
    const std::string& error() const { return m_source.error(); }

private:
    static constexpr std::size_t kBufferBytes = std::size_t{1} << 16;

    int get();
    int peek();
    bool refill();
    // Keeping the bytes read from the current position on, so that reading
    // can start there again.
    void startRecording();
    void stopRecording();
    void rewind();
    class RowBuilder;
    // Reads the fields of one record, c being its first byte.
    void readFields(RowBuilder& row, CsvRecord& record, int c);
    // Whether c ends a field outside quotes; done when it also ends the record.
    bool endsField(RowBuilder& row, int c, bool& done);

    ByteSource& m_source;
    std::vector<char> m_buffer = std::vector<char>(kBufferBytes);
    std::size_t m_position = 0, m_end = 0;
    std::uint64_t m_consumedBefore = 0; // input bytes before m_buffer[0]
    std::uint64_t m_line = 1;
    bool m_recording = false;
    std::size_t m_recordStart = 0; // in m_buffer, where the recording goes on
    std::string m_replay;          // recorded bytes of earlier buffers
    std::uint64_t m_recordLine = 0;
    bool m_started = false, m_atEnd = false, m_failed = false;
};

} // namespace orbenza::cli
