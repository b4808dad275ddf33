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

// The record being read: its fields so far, and whether its text is still
// kept (a row past a limit is read to its end but not kept).
class CsvReader::RowBuilder {
public:
    RowBuilder(CsvReader& reader, CsvRecord& record)
        : m_reader(reader), m_record(record),
          m_rowStart(reader.m_consumedBefore + reader.m_position) {
        record.error.clear();
    }

    std::size_t used() const { return m_used; }
    bool dropping() const { return m_dropping; }
    bool anyQuoted() const { return m_anyQuoted; }
    void markQuoted() { m_anyQuoted = true; }

    void setError(const std::string& message) {
        if (m_record.error.empty())
            m_record.error = message;
    }

    void startField() {
        if (m_used == kMaxFields) {
            m_dropping = true;
            setError("the row has more than " + std::to_string(kMaxFields) + " fields");
            return;
        }
        if (m_used < m_record.fields.size())
            m_record.fields[m_used].clear();
        else
            m_record.fields.emplace_back();
        m_field = &m_record.fields[m_used++];
    }

    // Every byte of the row counts, separators and quotes included.
    bool overLimit() {
        if (m_reader.m_consumedBefore + m_reader.m_position - m_rowStart <= kMaxRecordBytes)
            return false;
        m_dropping = true;
        setError("the row is longer than " + std::to_string(kMaxRecordBytes >> 20) + " MiB");
        return true;
    }

    void appendBytes(const char* bytes, std::size_t count) {
        if (m_dropping || count == 0 || overLimit())
            return;
        m_field->append(bytes, count);
    }
    void append(char c) { appendBytes(&c, 1); }

    // Takes the bytes up to the next one that matters to the state straight
    // from the buffer.
    template <typename IsSpecial> void appendPlainRun(IsSpecial isSpecial) {
        const std::vector<char>& buffer = m_reader.m_buffer;
        std::size_t end = m_reader.m_position;
        while (end < m_reader.m_end && !isSpecial(buffer[end]))
            ++end;
        const std::size_t start = m_reader.m_position;
        m_reader.m_position = end;
        appendBytes(buffer.data() + start, end - start);
    }

private:
    CsvReader& m_reader;
    CsvRecord& m_record;
    const std::uint64_t m_rowStart; // input bytes before the row
    std::size_t m_used = 0;         // fields of the record in use
    bool m_dropping = false;
    bool m_anyQuoted = false;
    std::string* m_field = nullptr; // the field being read
};

// Outside quotes: the end of the input or of the line ends the record, a comma
// starts the next field. False for any other byte.
bool CsvReader::endsField(RowBuilder& row, int c, bool& done) {
    if (c < 0) {
        done = true;
    } else if (c == ',') {
        if (!row.dropping() && !row.overLimit())
            row.startField();
    } else if (c == '\n') {
        ++m_line;
        done = true;
    } else if (c == '\r' && peek() == '\n') {
        get();
        ++m_line;
        done = true;
    } else {
        return false;
    }
    return true;
}

void CsvReader::readFields(RowBuilder& row, CsvRecord& record, int c) {
    enum class State { FieldStart, Unquoted, Quoted, QuoteInQuoted } state = State::FieldStart;
    bool done = false;
    while (!done) {
        switch (state) {
        case State::FieldStart:
            if (c == '"') {
                row.markQuoted();
                state = State::Quoted;
                break;
            }
            state = State::Unquoted;
            [[fallthrough]];
        case State::Unquoted:
            if (endsField(row, c, done)) {
                state = State::FieldStart;
            } else {
                row.append(static_cast<char>(c));
                row.appendPlainRun([](char b) { return b == ',' || b == '\n' || b == '\r'; });
            }
            break;
        case State::Quoted:
            // A quote not closed by the end of the input, or within
            // kMaxRecordBytes after its first line break, is taken for a stray
            // one: the row ends there and reading starts again on the line
            // after that line break.
            if (c < 0 ||
                (m_recording && m_replay.size() + (m_position - m_recordStart) > kMaxRecordBytes)) {
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
                row.append(static_cast<char>(c));
                row.appendPlainRun([](char b) { return b == '"' || b == '\n'; });
            }
            break;
        case State::QuoteInQuoted:
            if (c == '"') {
                row.append('"');
                state = State::Quoted;
                break;
            }
            stopRecording(); // the quoted field is closed
            if (endsField(row, c, done)) {
                state = State::FieldStart;
            } else {
                // Kept as text so the rest of the record still splits.
                row.setError("text follows a closing quote");
                row.append(static_cast<char>(c));
                state = State::Unquoted;
            }
            break;
        }
        if (!done)
            c = get();
    }
    if (m_recording)
        stopRecording();
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
        RowBuilder row(*this, record);
        const int c = get();
        if (c < 0)
            return false;
        record.line = m_line;
        row.startField();
        readFields(row, record, c);
        record.fields.resize(row.used());
        if (m_failed)
            return false;
        const bool blank = row.used() == 1 && !row.anyQuoted() && record.error.empty() &&
                           trimBlanks(record.fields[0]).empty();
        if (!blank)
            return true;
    }
}

} // namespace orbenza::cli
