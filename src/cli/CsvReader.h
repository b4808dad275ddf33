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

} // namespace orbenza::cli
