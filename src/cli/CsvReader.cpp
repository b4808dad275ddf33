#include "CsvReader.h"

#include "chart/TextTrim.h"

#include <cstring>

namespace orbenza::cli {

bool CsvReader::refill() {
    if (m_atEnd)
        return false;
    m_position = 0;
    m_end = 0;
    // The first read gathers at least three bytes, so a byte order mark is
    // seen whole even when a pipe hands the input over a byte at a time.
    const std::size_t wanted = m_started ? 1 : 3;
    while (m_end < wanted) {
        const std::ptrdiff_t got = m_source.read(m_buffer.data() + m_end, m_buffer.size() - m_end);
        if (got < 0) {
            m_failed = true;
            m_atEnd = true;
            break;
        }
        if (got == 0) {
            m_atEnd = true;
            break;
        }
        m_end += static_cast<std::size_t>(got);
    }
    if (!m_started) {
        m_started = true;
        if (m_end >= 3 && std::memcmp(m_buffer.data(), "\xEF\xBB\xBF", 3) == 0) {
            m_position = 3;
            if (m_position == m_end)
                return refill(); // the mark was all there was so far
        }
    }
    return m_position < m_end;
}

inline int CsvReader::get() {
    if (m_position == m_end && !refill())
        return -1;
    return static_cast<unsigned char>(m_buffer[m_position++]);
}

inline int CsvReader::peek() {
    if (m_position == m_end && !refill())
        return -1;
    return static_cast<unsigned char>(m_buffer[m_position]);
}

bool CsvReader::next(CsvRecord& record) {
    for (;;) {
        if (m_failed)
            return false;
        record.error.clear();
        std::size_t used = 0;
        std::size_t recordBytes = 0;
        bool anyQuoted = false;
        bool dropping = false; // the record passed kMaxRecordBytes
        std::string* field = nullptr;
        auto startField = [&] {
            if (used < record.fields.size())
                record.fields[used].clear();
            else
                record.fields.emplace_back();
            field = &record.fields[used++];
        };
        auto appendBytes = [&](const char* bytes, std::size_t count) {
            if (dropping || count == 0)
                return;
            recordBytes += count;
            if (recordBytes > kMaxRecordBytes) {
                dropping = true;
                if (record.error.empty())
                    record.error =
                        "the row is longer than " + std::to_string(kMaxRecordBytes >> 20) + " MiB";
                return;
            }
            field->append(bytes, count);
        };
        auto append = [&](char c) { appendBytes(&c, 1); };
        // Takes the bytes up to the next one that matters to the state
        // straight from the buffer.
        auto appendPlainRun = [&](auto isSpecial) {
            std::size_t end = m_position;
            while (end < m_end && !isSpecial(m_buffer[end]))
                ++end;
            appendBytes(m_buffer.data() + m_position, end - m_position);
            m_position = end;
        };
        auto setError = [&](const char* message) {
            if (record.error.empty())
                record.error = message;
        };

        int c = get();
        if (c < 0)
            return false;
        record.line = m_line;
        startField();
        enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted } state = State::FieldStart;
        bool done = false;
        // Outside quotes: the end of the input or of the line ends the record,
        // a comma starts the next field.
        auto endsField = [&](int ch) {
            if (ch < 0) {
                done = true;
            } else if (ch == ',') {
                startField();
                state = State::FieldStart;
            } else if (ch == '\n') {
                ++m_line;
                done = true;
            } else if (ch == '\r' && peek() == '\n') {
                get();
                ++m_line;
                done = true;
            } else {
                return false;
            }
            return true;
        };
        while (!done) {
            switch (state) {
            case State::FieldStart:
                if (c == '"') {
                    anyQuoted = true;
                    state = State::Quoted;
                    break;
                }
                state = State::Unquoted;
                [[fallthrough]];
            case State::Unquoted:
                if (!endsField(c)) {
                    append(static_cast<char>(c));
                    appendPlainRun([](char b) { return b == ',' || b == '\n' || b == '\r'; });
                }
                break;
            case State::Quoted:
                if (c < 0) {
                    setError("a quoted field is not closed");
                    done = true;
                } else if (c == '"') {
                    state = State::QuoteInQuoted;
                } else {
                    if (c == '\n')
                        ++m_line;
                    append(static_cast<char>(c));
                    appendPlainRun([](char b) { return b == '"' || b == '\n'; });
                }
                break;
            case State::QuoteInQuoted:
                if (c == '"') {
                    append('"');
                    state = State::Quoted;
                } else if (!endsField(c)) {
                    // Kept as text so the rest of the record still splits.
                    setError("text follows a closing quote");
                    append(static_cast<char>(c));
                    state = State::Unquoted;
                }
                break;
            }
            if (!done)
                c = get();
        }
        record.fields.resize(used);
        if (m_failed)
            return false;
        const bool blank =
            used == 1 && !anyQuoted && record.error.empty() && trimBlanks(record.fields[0]).empty();
        if (!blank)
            return true;
    }
}

} // namespace orbenza::cli
