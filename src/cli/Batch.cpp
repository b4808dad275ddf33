#include "Batch.h"

#include "AtomicFile.h"

#include "chart/TextTrim.h"
#include "chart/TimeZones.h"
#include "moon/MoonPosition.h"
#include "report/HouseReport.h"
#include "report/InterpretationTexts.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <climits>
#include <cmath>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fcntl.h>
#include <functional>
#include <mutex>
#include <nlohmann/json.hpp>
#include <signal.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <thread>
#include <unistd.h>

namespace orbenza::cli {

namespace {

std::string reason(int code) {
    return std::strerror(code);
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}


char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool equalsIgnoringCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lowerAscii(a[i]) != lowerAscii(b[i]))
            return false;
    }
    return true;
}

// A text for a message: in quotes, control characters as '?'.
std::string quotedForMessage(std::string_view text) {
    std::string out = "\"";
    for (char c : text) {
        const auto u = static_cast<unsigned char>(c);
        out += (u < 0x20 || u == 0x7F) ? '?' : c;
    }
    return out + '"';
}

} // namespace

// ---------------------------------------------------------------------------
// Byte streams

FileSource::~FileSource() {
    if (m_owned && m_fd >= 0)
        ::close(m_fd);
}

bool FileSource::open(const std::string& path) {
    if (path == "-") {
        m_fd = STDIN_FILENO;
        m_owned = false;
        m_name = "standard input";
        return true;
    }
    m_name = path;
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = "cannot read " + path + ": " + reason(errno);
        return false;
    }
    m_owned = true;
    return true;
}

std::ptrdiff_t FileSource::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, size);
        if (got >= 0)
            return got;
        if (errno == EINTR)
            continue;
        m_error = "cannot read " + m_name + ": " + reason(errno);
        return -1;
    }
}

std::ptrdiff_t StringSource::read(char* buffer, std::size_t size) {
    const std::size_t n = std::min({size, m_chunkSize, m_text.size() - m_position});
    std::memcpy(buffer, m_text.data() + m_position, n);
    m_position += n;
    return static_cast<std::ptrdiff_t>(n);
}

namespace {

// Writes all of data to fd; errno is kept on failure.
bool writeWhole(int fd, std::string_view data) {
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Writes every piece of count buffers to fd with gathered writes; errno is
// kept on failure.
bool writeWholeBuffers(int fd, const OutputBuffer* buffers, std::size_t count) {
    static thread_local std::vector<iovec> pieces;
    pieces.clear();
    for (std::size_t i = 0; i < count; ++i) {
        buffers[i].forEachPiece([](std::string_view piece) {
            if (!piece.empty())
                pieces.push_back(iovec{const_cast<char*>(piece.data()), piece.size()});
        });
    }
    std::size_t next = 0;
    while (next < pieces.size()) {
        const int pieceCount =
            static_cast<int>(std::min<std::size_t>(pieces.size() - next, IOV_MAX));
        ssize_t written = ::writev(fd, pieces.data() + next, pieceCount);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        // Skip what went out; a piece written in part is resumed.
        while (next < pieces.size() && static_cast<std::size_t>(written) >= pieces[next].iov_len) {
            written -= static_cast<ssize_t>(pieces[next].iov_len);
            ++next;
        }
        if (written > 0) {
            pieces[next].iov_base = static_cast<char*>(pieces[next].iov_base) + written;
            pieces[next].iov_len -= static_cast<std::size_t>(written);
        }
    }
    return true;
}

} // namespace

void OutputBuffer::appendStable(std::string_view stable) {
    if (m_closedText < text.size())
        m_pieces.push_back(Piece{nullptr, m_closedText, text.size() - m_closedText});
    m_closedText = text.size();
    if (!stable.empty())
        m_pieces.push_back(Piece{stable.data(), 0, stable.size()});
}

void OutputBuffer::clear() {
    text.clear();
    m_pieces.clear();
    m_closedText = 0;
}

std::size_t OutputBuffer::size() const {
    std::size_t total = 0;
    forEachPiece([&](std::string_view piece) { total += piece.size(); });
    return total;
}

std::string OutputBuffer::flattened() const {
    std::string all;
    all.reserve(size());
    forEachPiece([&](std::string_view piece) { all.append(piece); });
    return all;
}

void OutputBuffer::rollback(const Mark& mark) {
    text.resize(mark.textSize);
    m_pieces.resize(mark.pieceCount);
    m_closedText = mark.closedText;
}

bool ByteSink::write(const OutputBuffer* buffers, std::size_t count) {
    bool ok = true;
    for (std::size_t i = 0; i < count && ok; ++i) {
        buffers[i].forEachPiece([&](std::string_view piece) {
            if (ok)
                ok = write(piece);
        });
    }
    return ok;
}

bool FdSink::write(std::string_view data) {
    if (writeWhole(m_fd, data))
        return true;
    m_error = "cannot write " + m_name + ": " + reason(errno);
    return false;
}

bool FdSink::write(const OutputBuffer* buffers, std::size_t count) {
    if (writeWholeBuffers(m_fd, buffers, count))
        return true;
    m_error = "cannot write " + m_name + ": " + reason(errno);
    return false;
}

namespace {

// The temporary file of the output being written, removed when a signal ends
// the program before the file was renamed into place. Only async-signal-safe
// calls in the handler: unlink, signal, raise.
char g_pendingTemporary[4096];
volatile std::sig_atomic_t g_hasPendingTemporary = 0;

extern "C" void removePendingTemporary(int signalNumber) {
    if (g_hasPendingTemporary)
        ::unlink(g_pendingTemporary);
    std::signal(signalNumber, SIG_DFL);
    std::raise(signalNumber);
}

void setPendingTemporary(const std::string& path) {
    g_hasPendingTemporary = 0;
    if (path.empty() || path.size() >= sizeof g_pendingTemporary)
        return;
    std::memcpy(g_pendingTemporary, path.c_str(), path.size() + 1);
    g_hasPendingTemporary = 1;
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal the caller ignores (nohup, a background job) stays ignored.
        struct sigaction current {};
        if (::sigaction(signalNumber, nullptr, &current) == 0 && current.sa_handler == SIG_IGN)
            continue;
        std::signal(signalNumber, removePendingTemporary);
    }
}

void clearPendingTemporary() {
    g_hasPendingTemporary = 0;
}

} // namespace

AtomicFileSink::~AtomicFileSink() {
    discard();
}

bool AtomicFileSink::open(const std::string& requested) {
    if (requested.empty()) {
        m_error = "no file name given";
        return false;
    }
    const std::string path = saveTargetOf(requested);
    m_path = path;
    // A device, a pipe or a socket takes the data itself: a file renamed over
    // it would replace the node (for root, even /dev/null).
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode) &&
        !S_ISDIR(target.st_mode)) {
        m_fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
        if (m_fd < 0) {
            m_error = "cannot write " + path + ": " + reason(errno);
            return false;
        }
        m_straight = true;
        return true;
    }
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    m_fd = ::mkstemp(name.data());
    if (m_fd < 0) {
        m_error = "cannot write " + path + ": " + reason(errno);
        return false;
    }
    m_temporary = name.data();
    setPendingTemporary(m_temporary);

    // A new file gets the usual permissions, not mkstemp's private 0600.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat existing {};
    const mode_t mode =
        (::stat(path.c_str(), &existing) == 0) ? (existing.st_mode & 07777) : (0666 & ~mask);
    if (::fchmod(m_fd, mode) != 0) {
        m_error = "cannot write " + path + ": " + reason(errno);
        discard();
        return false;
    }
    return true;
}

bool AtomicFileSink::write(std::string_view data) {
    if (m_fd < 0) {
        m_error = "cannot write " + m_path + ": the file is not open";
        return false;
    }
    if (writeWhole(m_fd, data))
        return true;
    m_error = "cannot write " + m_path + ": " + reason(errno);
    return false;
}

bool AtomicFileSink::write(const OutputBuffer* buffers, std::size_t count) {
    if (m_fd < 0) {
        m_error = "cannot write " + m_path + ": the file is not open";
        return false;
    }
    if (writeWholeBuffers(m_fd, buffers, count))
        return true;
    m_error = "cannot write " + m_path + ": " + reason(errno);
    return false;
}

bool AtomicFileSink::commit() {
    if (m_fd < 0) {
        m_error = "cannot write " + m_path + ": the file is not open";
        return false;
    }
    auto fail = [&](int code) {
        m_error = "cannot write " + m_path + ": " + reason(code);
        discard();
        return false;
    };
    if (m_straight) {
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0 || fail(errno);
    }
    if (::fsync(m_fd) != 0)
        return fail(errno);
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(m_temporary.c_str(), m_path.c_str()) != 0)
        return fail(errno);
    m_temporary.clear();
    clearPendingTemporary();
    return true;
}

void AtomicFileSink::discard() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
    if (!m_temporary.empty()) {
        ::unlink(m_temporary.c_str());
        m_temporary.clear();
        clearPendingTemporary();
    }
}

// ---------------------------------------------------------------------------
// Reading CSV

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

// ---------------------------------------------------------------------------
// From a row to birth entries

Parsed<BatchColumns> batchColumns(const std::vector<std::string>& header) {
    BatchColumns columns;
    std::array<bool, kBatchColumnNames.size()> seen{};
    for (std::size_t i = 0; i < header.size(); ++i) {
        const std::string_view name = trimBlanks(header[i]);
        std::size_t which = 0;
        while (which < kBatchColumnNames.size() &&
               !equalsIgnoringCase(name, kBatchColumnNames[which]))
            ++which;
        if (which == kBatchColumnNames.size())
            return OptionError{"the header names an unknown column " + quotedForMessage(name) +
                               "; the columns are name,date,time,zone,lon,lat,dst"};
        if (seen[which])
            return OptionError{"the header names the column " +
                               std::string(kBatchColumnNames[which]) + " twice"};
        seen[which] = true;
        columns.position[which] = i;
    }
    for (std::size_t which = 0; which < kBatchColumnNames.size(); ++which) {
        if (!seen[which])
            return OptionError{"the header lacks the column " +
                               std::string(kBatchColumnNames[which]) +
                               "; the columns are name,date,time,zone,lon,lat,dst"};
    }
    return columns;
}

Parsed<bool> parseDaylightSaving(std::string_view text) {
    for (std::string_view off : {"", "0", "false", "no"}) {
        if (equalsIgnoringCase(text, off))
            return false;
    }
    for (std::string_view on : {"1", "true", "yes"}) {
        if (equalsIgnoringCase(text, on))
            return true;
    }
    return OptionError{"dst must be empty, 0, false, no, 1, true or yes, not " +
                       quotedForMessage(text)};
}

namespace {

// The single-chart parsers name their option ("--date must ..."); in a batch
// the column of that name is meant.
OptionError asColumnError(OptionError error) {
    if (error.message.rfind("--", 0) == 0)
        error.message.erase(0, 2);
    return error;
}

} // namespace

Parsed<BirthEntries> batchRowEntries(const CsvRecord& record, const BatchColumns& columns) {
    if (!record.error.empty())
        return OptionError{record.error};
    if (record.fields.size() != kBatchColumnNames.size())
        return OptionError{"the row has " + std::to_string(record.fields.size()) +
                           (record.fields.size() == 1 ? " field" : " fields") + ", not " +
                           std::to_string(kBatchColumnNames.size())};
    auto field = [&](std::size_t which) -> const std::string& {
        return record.fields[columns.position[which]];
    };
    const std::string& name = field(0);
    if (!isUtf8(name))
        return OptionError{"name is not valid UTF-8"};
    const auto daylightSaving = parseDaylightSaving(trimBlanks(field(6)));
    if (const auto* e = std::get_if<OptionError>(&daylightSaving))
        return *e;

    ChartOptionTexts texts;
    texts.name = name;
    texts.date = trimBlanks(field(1));
    texts.time = trimBlanks(field(2));
    texts.zone = trimBlanks(field(3));
    texts.longitude = trimBlanks(field(4));
    texts.latitude = trimBlanks(field(5));
    texts.daylightSaving = std::get<bool>(daylightSaving);
    auto parsed = parseChartOptions(texts);
    if (auto* e = std::get_if<OptionError>(&parsed))
        return asColumnError(std::move(*e));
    return parsed;
}

namespace {

// Length of the well-formed UTF-8 sequence at text[i] (which is >= 0x80), or
// 0 when the bytes there are not one (Unicode's table of well-formed byte
// sequences: no overlong forms, no surrogates, nothing above U+10FFFF).
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
    auto at = [&](std::size_t k) -> unsigned {
        return i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0u;
    };
    auto in = [](unsigned b, unsigned lo, unsigned hi) { return b >= lo && b <= hi; };
    const unsigned b0 = at(0);
    if (in(b0, 0xC2, 0xDF))
        return in(at(1), 0x80, 0xBF) ? 2 : 0;
    if (in(b0, 0xE0, 0xEF)) {
        const unsigned lo = b0 == 0xE0 ? 0xA0 : 0x80;
        const unsigned hi = b0 == 0xED ? 0x9F : 0xBF;
        return in(at(1), lo, hi) && in(at(2), 0x80, 0xBF) ? 3 : 0;
    }
    if (in(b0, 0xF0, 0xF4)) {
        const unsigned lo = b0 == 0xF0 ? 0x90 : 0x80;
        const unsigned hi = b0 == 0xF4 ? 0x8F : 0xBF;
        return in(at(1), lo, hi) && in(at(2), 0x80, 0xBF) && in(at(3), 0x80, 0xBF) ? 4 : 0;
    }
    return 0;
}

// Appends text as a JSON string the way the JSON library dumps it without
// ensure_ascii: the two-character escapes for " \ \b \f \n \r \t, \u00xx in
// lower-case hexadecimal for the other control characters, everything else as
// it is. Bytes that are not UTF-8 make it fail (strict) or become U+FFFD.
// The bytes that leave the plain ASCII run: quote, backslash, control
// characters and everything from 0x80 (checked as UTF-8).
constexpr std::array<bool, 256> kLeavesPlainRun = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = c < 0x20 || c == '"' || c == '\\' || c >= 0x80;
    return table;
}();

bool appendJsonString(std::string& out, std::string_view text, bool replaceInvalid) {
    out += '"';
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t runStart = 0;
    std::size_t i = 0;
    for (;;) {
        while (i < size && !kLeavesPlainRun[static_cast<unsigned char>(data[i])])
            ++i;
        out.append(data + runStart, i - runStart);
        if (i == size)
            break;
        const auto c = static_cast<unsigned char>(data[i]);
        if (c < 0x80) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default: {
                static constexpr char kHex[] = "0123456789abcdef";
                const char escape[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
                out.append(escape, sizeof escape);
            }
            }
            ++i;
        } else if (const std::size_t length = utf8SequenceLength(text, i); length != 0) {
            out.append(data + i, length);
            i += length;
        } else {
            if (!replaceInvalid)
                return false;
            out += "\xEF\xBF\xBD";
            ++i;
        }
        runStart = i;
    }
    out += '"';
    return true;
}

// value as printf's %0<width>d writes it, at p (room for 24 characters);
// returns the end.
char* writePadded(char* p, int value, int width) {
    if (value < 0)
        return p + std::snprintf(p, 24, "%0*d", width, value);
    char digits[12];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int pad = n; pad < width; ++pad)
        *p++ = '0';
    while (n > 0)
        *p++ = digits[--n];
    return p;
}

// True when no byte of text leaves the plain ASCII run, tested eight bytes
// at a time: a byte below 0x20, a quote, a backslash or a byte from 0x80 sets
// the high bit of its lane.
bool isPlain(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    auto zeroByteIn = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    const char* p = text.data();
    std::size_t left = text.size();
    while (left >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        // Bytes below 0x20: subtracting 0x20 borrows into the high bit for
        // them (or for bytes from 0x80 up, which are caught anyway).
        const std::uint64_t special = ((word - 0x20 * kOnes) & ~word & kHighs) |
                                      zeroByteIn(word ^ ('"' * kOnes)) |
                                      zeroByteIn(word ^ ('\\' * kOnes)) | (word & kHighs);
        if (special != 0)
            return false;
        p += 8;
        left -= 8;
    }
    for (; left > 0; ++p, --left) {
        if (kLeavesPlainRun[static_cast<unsigned char>(*p)])
            return false;
    }
    return true;
}

// Collects short pieces of JSON on the stack and hands them to the string in
// one append, which saves most of the string's per-append bookkeeping. Texts
// that need escapes, or are long, go through appendJsonString.
class JsonScratch {
public:
    explicit JsonScratch(std::string& out) : m_out(out) {}
    JsonScratch(const JsonScratch&) = delete;
    JsonScratch& operator=(const JsonScratch&) = delete;
    ~JsonScratch() { flush(); }

    void flush() {
        m_out.append(m_buffer, static_cast<std::size_t>(m_end - m_buffer));
        m_end = m_buffer;
    }
    char* room(std::size_t size) {
        if (static_cast<std::size_t>(m_buffer + sizeof m_buffer - m_end) < size)
            flush();
        return m_end;
    }
    void raw(std::string_view text) {
        if (text.size() > sizeof m_buffer / 2) {
            flush();
            m_out.append(text);
            return;
        }
        char* p = room(text.size());
        std::copy(text.begin(), text.end(), p); // memcpy may not take an empty view's null data
        m_end = p + text.size();
    }
    void raw(char c) { *room(1) = c, ++m_end; }
    // A JSON string; false for text that is not UTF-8 (strict).
    bool string(std::string_view text) {
        if (text.size() > sizeof m_buffer / 2 || !isPlain(text)) {
            flush();
            return appendJsonString(m_out, text, false);
        }
        char* p = room(text.size() + 2);
        *p++ = '"';
        std::copy(text.begin(), text.end(), p); // memcpy may not take an empty view's null data
        p += text.size();
        *p++ = '"';
        m_end = p;
        return true;
    }
    bool strings(const std::array<std::string, 11>& texts) {
        raw('[');
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (i != 0)
                raw(',');
            if (!string(texts[i]))
                return false;
        }
        raw(']');
        return true;
    }
    void padded(int value, int width) { m_end = writePadded(room(24), value, width); }
    // YYYY-MM-DD
    void isoDate(int year, int month, int day) {
        padded(year, 4);
        raw('-');
        padded(month, 2);
        raw('-');
        padded(day, 2);
    }

private:
    std::string& m_out;
    char m_buffer[2048];
    char* m_end = m_buffer;
};

std::string_view sunSignOf(const ChartResult& chart) {
    const std::string& sun = chart.PlanetPositions[0];
    return sun.size() >= 6 ? signNameOfAbbreviation(std::string_view(sun).substr(3, 3))
                           : std::string_view{};
}

std::string_view zoneTextOf(const ChartResult& chart) {
    return chart.zonePosition >= 0 && chart.zonePosition < kTimeZoneCount
               ? timeZoneEntries()[static_cast<std::size_t>(chart.zonePosition)].text
               : std::string_view{};
}

void appendHexColor(std::string& out, std::uint32_t rgb) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '#';
    for (int shift = 20; shift >= 0; shift -= 4)
        out += kHex[(rgb >> shift) & 0xF];
}

} // namespace

bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        if (static_cast<unsigned char>(text[i]) < 0x80) {
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

// ---------------------------------------------------------------------------
// Writing the charts

ChartJsonWriter::ChartJsonWriter() : m_slots(1024) {}

void ChartJsonWriter::grow() {
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.text == nullptr)
            continue;
        std::size_t index =
            (std::hash<const void*>{}(slot.text) * 0x9E3779B97F4A7C15ull >> 20) & mask;
        while (m_slots[index].text != nullptr)
            index = (index + 1) & mask;
        m_slots[index] = slot;
    }
}

const std::string* ChartJsonWriter::runFragment(std::string_view text, bool heading,
                                                std::uint32_t color) {
    const std::uint32_t format = color | (heading ? 0x1000000u : 0u);
    std::size_t mask = m_slots.size() - 1;
    std::size_t index =
        (std::hash<const void*>{}(text.data()) * 0x9E3779B97F4A7C15ull >> 20) & mask;
    for (;;) {
        const Slot& slot = m_slots[index];
        if (slot.text == nullptr)
            break;
        if (slot.text == text.data() && slot.size == text.size() && slot.format == format)
            return slot.fragment;
        index = (index + 1) & mask;
    }
    std::string fragment = ",{\"text\":";
    if (!appendJsonString(fragment, text, false))
        return nullptr;
    fragment += heading ? ",\"heading\":true,\"color\":\"" : ",\"heading\":false,\"color\":\"";
    appendHexColor(fragment, color);
    fragment += "\"}";
    m_fragments.push_back(std::move(fragment));
    m_slots[index] = Slot{text.data(), text.size(), format, &m_fragments.back()};
    if (m_fragments.size() * 2 > m_slots.size())
        grow();
    return &m_fragments.back();
}

bool ChartJsonWriter::append(std::string& text, const ChartResult& chart) {
    OutputBuffer buffer;
    if (!append(buffer, chart))
        return false;
    text += buffer.flattened();
    return true;
}

bool ChartJsonWriter::append(OutputBuffer& buffer, const ChartResult& chart) {
    const BirthData& birth = chart.birth;
    const OutputBuffer::Mark start = buffer.mark();
    bool ok = true;
    {
        JsonScratch json(buffer.text);
        json.raw("{\"Name\":");
        ok = json.string(birth.Name);
        json.raw(",\"Date\":\"");
        json.isoDate(birth.BirthYear, birth.BirthMonth, birth.BirthDay);
        json.raw("\",\"Time\":\"");
        json.padded(birth.BirthHour, 2);
        json.raw(':');
        json.padded(birth.BirthMinute, 2);
        json.raw("\",\"Zone\":");
        ok = ok && json.string(zoneTextOf(chart));
        json.raw(isTrue16(birth.IsDaylightSaving) ? ",\"DaylightSaving\":true"
                                                  : ",\"DaylightSaving\":false");
        const UniversalMoment& ut = chart.universalTime;
        json.raw(",\"UniversalTime\":\"");
        json.isoDate(ut.year, ut.month, ut.day);
        json.raw('T');
        json.padded(ut.hour, 2);
        json.raw(':');
        json.padded(ut.minute, 2);
        json.raw("Z\",\"SunSign\":");
        ok = ok && json.string(sunSignOf(chart));
        json.raw(",\"MoonSignName\":");
        ok = ok && json.string(chart.MoonSignName);
        json.raw(",\"Ascendant\":");
        ok = ok && json.string(signNameOfPositionText(chart.AscendantText));
        json.raw(",\"AscendantText\":");
        ok = ok && json.string(chart.AscendantText);
        json.raw(",\"MoonPositionText\":");
        ok = ok && json.string(chart.MoonPositionText);
        json.raw(",\"PlanetPositions\":");
        ok = ok && json.strings(chart.PlanetPositions);
        json.raw(",\"PlanetNames\":");
        ok = ok && json.strings(chart.PlanetNames);
        json.raw(",\"Houses\":{");
        bool first = true;
        for (int planet = 0; planet < kReportPlanetCount; ++planet) {
            const int house = chart.planetHouses[static_cast<std::size_t>(planet)];
            if (house == 0)
                continue;
            if (!first)
                json.raw(',');
            first = false;
            ok = ok && json.string(reportPlanetName(planet));
            json.raw(':');
            json.padded(house, 1);
        }
        json.raw("},\"Report\":[");
    }
    if (!ok) {
        buffer.rollback(start);
        return false;
    }
    bool first = true;
    for (const ReportRun& run : House_Report(chart.housePlacement)) {
        const std::uint32_t color =
            (std::uint32_t{run.color.r} << 16) | (std::uint32_t{run.color.g} << 8) | run.color.b;
        const std::string* fragment = runFragment(run.text, run.heading, color);
        if (fragment == nullptr) {
            buffer.rollback(start);
            return false;
        }
        // The fragment starts with the comma that separates it from the run before.
        buffer.appendStable(first ? std::string_view(*fragment).substr(1)
                                  : std::string_view(*fragment));
        first = false;
    }
    buffer.text += "]}";
    return true;
}

void appendBatchErrorJson(std::string& out, std::uint64_t line, std::string_view message) {
    out += "{\"line\":";
    out += std::to_string(line);
    out += ",\"error\":";
    appendJsonString(out, message, true);
    out += '}';
}

void appendCsvField(std::string& out, std::string_view text) {
    const bool quote = text.find_first_of(",\"\r\n") != std::string_view::npos ||
                       (!text.empty() && (isBlank(text.front()) || isBlank(text.back())));
    if (!quote) {
        out.append(text);
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

namespace {

constexpr std::array<std::string_view, 11> kCsvBodyNames{"Sun",     "Moon",    "Mercury", "Venus",
                                                         "Mars",    "Jupiter", "Saturn",  "Uranus",
                                                         "Neptune", "Pluto",   "Asc"};

// The number of columns between the name and the line: positions, labels, houses.
constexpr std::size_t kCsvChartColumns = 11 + 11 + 10;

} // namespace

std::string batchCsvHeader() {
    std::string header = "name";
    auto column = [&](std::string_view body, std::string_view suffix) {
        header += ',';
        header += body;
        header += suffix;
    };
    for (std::string_view body : kCsvBodyNames)
        column(body, "");
    for (std::string_view body : kCsvBodyNames)
        column(body, " label");
    for (std::size_t planet = 0; planet < 10; ++planet)
        column(kCsvBodyNames[planet], " house");
    header += ",line,error\n";
    return header;
}

void appendChartCsv(std::string& out, const ChartResult& chart, std::uint64_t line) {
    appendCsvField(out, chart.birth.Name);
    for (const std::string& position : chart.PlanetPositions) {
        out += ',';
        appendCsvField(out, position);
    }
    for (const std::string& label : chart.PlanetNames) {
        out += ',';
        appendCsvField(out, label);
    }
    for (int house : chart.planetHouses) {
        out += ',';
        if (house != 0)
            out += std::to_string(house);
    }
    out += ',';
    out += std::to_string(line);
    out += ",\n";
}

void appendBatchErrorCsv(std::string& out, std::string_view name, std::uint64_t line,
                         std::string_view message) {
    appendCsvField(out, name);
    out.append(kCsvChartColumns, ',');
    out += ',';
    out += std::to_string(line);
    out += ',';
    appendCsvField(out, message);
    out += '\n';
}

// ---------------------------------------------------------------------------
// The run

namespace {

// Runs one task per worker: worker 0 on the calling thread, the others on
// threads kept for the whole run, and waits until all have finished.
class WorkerPool {
public:
    WorkerPool(unsigned workers, std::function<void(unsigned)> task) : m_task(std::move(task)) {
        for (unsigned worker = 1; worker < workers; ++worker)
            m_threads.emplace_back([this, worker] { loop(worker); });
    }
    WorkerPool(const WorkerPool&) = delete;
    WorkerPool& operator=(const WorkerPool&) = delete;
    ~WorkerPool() {
        {
            std::lock_guard lock(m_mutex);
            m_stop = true;
        }
        m_start.notify_all();
        for (auto& thread : m_threads)
            thread.join();
    }

    void runAll() {
        {
            std::lock_guard lock(m_mutex);
            m_pending = static_cast<unsigned>(m_threads.size());
            ++m_generation;
        }
        m_start.notify_all();
        m_task(0);
        std::unique_lock lock(m_mutex);
        m_done.wait(lock, [this] { return m_pending == 0; });
    }

private:
    void loop(unsigned worker) {
        std::uint64_t seen = 0;
        for (;;) {
            std::unique_lock lock(m_mutex);
            m_start.wait(lock, [&] { return m_stop || m_generation != seen; });
            if (m_stop)
                return;
            seen = m_generation;
            lock.unlock();
            m_task(worker);
            lock.lock();
            if (--m_pending == 0)
                m_done.notify_one();
        }
    }

    std::function<void(unsigned)> m_task;
    std::vector<std::thread> m_threads;
    std::mutex m_mutex;
    std::condition_variable m_start, m_done;
    std::uint64_t m_generation = 0;
    unsigned m_pending = 0;
    bool m_stop = false;
};

// What a stretch of rows gave besides its output: the lines for the
// diagnostics and the counts.
struct ChunkTally {
    std::string diagnostics;
    std::uint64_t charted = 0, refused = 0;
};

struct Worker {
    ChartJsonWriter json;
    std::string failure; // an exception that escaped a row
};

class BatchRun {
public:
    BatchRun(const BatchColumns& columns, BatchFormat format)
        : m_columns(columns), m_format(format) {}

    void row(const CsvRecord& record, OutputBuffer& output, ChunkTally& tally,
             ChartJsonWriter& json) const {
        const auto entries = batchRowEntries(record, m_columns);
        if (const auto* error = std::get_if<OptionError>(&entries)) {
            refuse(record, error->message, output, tally);
            return;
        }
        const auto outcome = proceed(std::get<BirthEntries>(entries), UtCorrection{});
        if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
            refuse(record, refusal->message, output, tally);
            return;
        }
        const ChartResult& chart = std::get<ChartResult>(outcome);
        if (m_format == BatchFormat::Csv) {
            appendChartCsv(output.text, chart, record.line);
        } else if (json.append(output, chart)) {
            output.text += '\n';
        } else {
            refuse(record, "the chart's texts are not valid UTF-8", output, tally);
            return;
        }
        ++tally.charted;
    }

private:
    void refuse(const CsvRecord& record, std::string_view message, OutputBuffer& output,
                ChunkTally& tally) const {
        if (m_format == BatchFormat::Csv) {
            const std::size_t namePosition = m_columns.position[0];
            const std::string_view name =
                record.error.empty() && namePosition < record.fields.size()
                    ? std::string_view(record.fields[namePosition])
                    : std::string_view{};
            appendBatchErrorCsv(output.text, name, record.line, message);
        } else {
            appendBatchErrorJson(output.text, record.line, message);
            output.text += '\n';
        }
        tally.diagnostics += "line " + std::to_string(record.line) + ": ";
        tally.diagnostics.append(message);
        tally.diagnostics += '\n';
        ++tally.refused;
    }

    BatchColumns m_columns;
    BatchFormat m_format;
};

} // namespace

BatchOutcome runBatch(ByteSource& input, ByteSink& output, ByteSink& diagnostics,
                      const BatchOptions& options) {
    BatchOutcome outcome;
    auto fail = [&](std::string message) {
        outcome.status = 2;
        outcome.error = std::move(message);
        return outcome;
    };

    CsvReader reader(input);
    CsvRecord header;
    if (!reader.next(header))
        return fail(reader.failed() ? reader.error() : "the input has no header row");
    if (!header.error.empty())
        return fail("the header row: " + header.error);
    const auto columns = batchColumns(header.fields);
    if (const auto* error = std::get_if<OptionError>(&columns))
        return fail(error->message);
    if (options.format == BatchFormat::Csv && !output.write(batchCsvHeader()))
        return fail(output.error());

    // The rows are read a block at a time; the workers take them a chunk at
    // a time, so a worker slowed down by other programs holds up no one, and
    // the chunks are written in order.
    const unsigned jobs = std::max(1u, options.jobs);
    const std::size_t chunkRows = std::max<std::size_t>(1, options.rowsPerChunk);
    const std::size_t blockSize = std::max<std::size_t>(1, options.rowsPerJob) * jobs;
    std::vector<CsvRecord> block(blockSize);
    const std::size_t chunkCount = (blockSize + chunkRows - 1) / chunkRows;
    std::vector<OutputBuffer> chunkOutputs(chunkCount);
    std::vector<ChunkTally> chunkTallies(chunkCount);
    std::vector<Worker> workers(jobs);
    std::size_t blockRows = 0;
    std::atomic<std::size_t> nextChunk{0};
    const BatchRun run(std::get<BatchColumns>(columns), options.format);

    WorkerPool pool(jobs, [&](unsigned index) {
        Worker& worker = workers[index];
        try {
            for (;;) {
                const std::size_t chunk = nextChunk.fetch_add(1, std::memory_order_relaxed);
                const std::size_t begin = chunk * chunkRows;
                if (begin >= blockRows)
                    break;
                const std::size_t end = std::min(blockRows, begin + chunkRows);
                for (std::size_t i = begin; i < end; ++i)
                    run.row(block[i], chunkOutputs[chunk], chunkTallies[chunk], worker.json);
            }
        } catch (const std::exception& e) {
            worker.failure = e.what();
        }
    });

    std::string diagnosticLines;
    bool more = true;
    while (more) {
        blockRows = 0;
        while (blockRows < block.size() && reader.next(block[blockRows]))
            ++blockRows;
        more = blockRows == block.size();
        if (blockRows == 0)
            break;
        nextChunk.store(0, std::memory_order_relaxed);
        pool.runAll();
        for (const Worker& worker : workers) {
            if (!worker.failure.empty())
                return fail("a row could not be charted: " + worker.failure);
        }
        const std::size_t used = (blockRows + chunkRows - 1) / chunkRows;
        if (!output.write(chunkOutputs.data(), used))
            return fail(output.error());
        diagnosticLines.clear();
        for (std::size_t i = 0; i < used; ++i) {
            ChunkTally& tally = chunkTallies[i];
            diagnosticLines += tally.diagnostics;
            outcome.charted += tally.charted;
            outcome.refused += tally.refused;
            tally.diagnostics.clear();
            tally.charted = tally.refused = 0;
            chunkOutputs[i].clear();
        }
        diagnostics.write(diagnosticLines);
    }
    if (reader.failed())
        return fail(reader.error());
    outcome.status = outcome.refused == 0 ? 0 : 1;
    return outcome;
}

} // namespace orbenza::cli
