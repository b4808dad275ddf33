// In-memory byte sources and sinks for the command line's tests, fuzz
// targets and benchmarks.
#pragma once

#include "ByteSink.h"
#include "ByteSource.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace orbenza::cli {

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

// Text held in memory, handed out in pieces of at most chunkSize bytes (small
// pieces let the tests cut the input anywhere).
class StringSource final : public ByteSource {
public:
    explicit StringSource(std::string_view text, std::size_t chunkSize = 1 << 16)
        : m_text(text), m_chunkSize(chunkSize == 0 ? 1 : chunkSize) {
        m_size = text.size();
    }
    std::ptrdiff_t read(char* buffer, std::size_t size) override {
        const std::size_t n = std::min({size, m_chunkSize, m_text.size() - m_position});
        std::memcpy(buffer, m_text.data() + m_position, n);
        m_position += n;
        m_bytesRead += n;
        return static_cast<std::ptrdiff_t>(n);
    }

private:
    std::string_view m_text;
    std::size_t m_chunkSize;
    std::size_t m_position = 0;
};

} // namespace orbenza::cli
