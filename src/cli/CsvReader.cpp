#include "CsvReader.h"

#include "base/TextTrim.h"

#include <cstring>

namespace orbenza::cli {

bool CsvReader::refill() {
    if (m_atEnd)
        return false;
    if (m_recording) {
        m_replay.append(m_buffer.data() + m_recordStart, m_end - m_recordStart);
        m_recordStart = 0;
    }
    m_consumedBefore += m_end;
    if (m_buffer.size() > kBufferBytes)
        std::vector<char>(kBufferBytes).swap(m_buffer); // back from a rewind
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

void CsvReader::startRecording() {
    m_recording = true;
    m_recordStart = m_position;
    m_recordLine = m_line;
    m_replay.clear();
}

void CsvReader::stopRecording() {
    m_recording = false;
    if (m_replay.capacity() > kBufferBytes)
        std::string().swap(m_replay);
    else
        m_replay.clear();
}

void CsvReader::rewind() {
    std::string again = std::move(m_replay);
    again.append(m_buffer.data() + m_recordStart, m_end - m_recordStart);
    m_consumedBefore += m_end - again.size();
    m_buffer.assign(again.begin(), again.end());
    if (m_buffer.size() < kBufferBytes)
        m_buffer.resize(kBufferBytes);
    m_position = 0;
    m_end = again.size();
    m_line = m_recordLine;
    m_recording = false;
    m_replay = std::string();
}

bool CsvReader::next(CsvRecord& record) {
    // Fields grown by a long row give their memory back.
    std::size_t held = 0;
    for (const std::string& field : record.fields)
        held += field.capacity();
    if (held > kBufferBytes || record.fields.capacity() > kMaxFields) {
        record.fields.clear();
        record.fields.shrink_to_fit();
    }
    for (;;) {
        if (m_failed)
            return false;
        record.error.clear();
        std::size_t used = 0;
        bool anyQuoted = false;
        bool dropping = false; // the row passed a limit: its text is not kept
        std::string* field = nullptr;
        auto setError = [&](const std::string& message) {
            if (record.error.empty())
                record.error = message;
        };
        auto startField = [&] {
            if (used == kMaxFields) {
                dropping = true;
                setError("the row has more than " + std::to_string(kMaxFields) + " fields");
                return;
            }
            if (used < record.fields.size())
                record.fields[used].clear();
            else
                record.fields.emplace_back();
            field = &record.fields[used++];
        };
        const std::uint64_t rowStart = m_consumedBefore + m_position;
        // Every byte of the row counts, separators and quotes included.
        auto overLimit = [&] {
            if (m_consumedBefore + m_position - rowStart <= kMaxRecordBytes)
                return false;
            dropping = true;
            setError("the row is longer than " + std::to_string(kMaxRecordBytes >> 20) + " MiB");
            return true;
        };
        auto appendBytes = [&](const char* bytes, std::size_t count) {
            if (dropping || count == 0 || overLimit())
                return;
            field->append(bytes, count);
        };
        auto append = [&](char c) { appendBytes(&c, 1); };
        // Takes the bytes up to the next one that matters to the state
        // straight from the buffer.
        auto appendPlainRun = [&](auto isSpecial) {
            std::size_t end = m_position;
            while (end < m_end && !isSpecial(m_buffer[end]))
                ++end;
            const std::size_t start = m_position;
            m_position = end;
            appendBytes(m_buffer.data() + start, end - start);
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
                if (!dropping && !overLimit())
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
                // A quote not closed by the end of the input, or within
                // kMaxRecordBytes after its first line break, is taken for a
                // stray one: the row ends there and reading starts again on
                // the line after that line break.
                if (c < 0 || (m_recording &&
                              m_replay.size() + (m_position - m_recordStart) > kMaxRecordBytes)) {
                    record.error = "a quoted field is not closed";
                    if (m_recording)
                        rewind();
                    done = true;
                } else if (c == '"') {
                    state = State::QuoteInQuoted;
                } else {
                    if (c == '\n') {
                        ++m_line;
                        if (!m_recording)
                            startRecording();
                    }
                    append(static_cast<char>(c));
                    appendPlainRun([](char b) { return b == '"' || b == '\n'; });
                }
                break;
            case State::QuoteInQuoted:
                if (c == '"') {
                    append('"');
                    state = State::Quoted;
                    break;
                }
                stopRecording(); // the quoted field is closed
                if (!endsField(c)) {
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
        if (m_recording)
            stopRecording();
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
