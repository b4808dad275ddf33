// Where charts and diagnostics go: a descriptor, a string, or nowhere.
#pragma once

#include "OutputBuffer.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace orbenza::cli {

// Writes all of data to fd, resuming after short writes and interruptions;
// errno is kept on failure.
bool writeWhole(int fd, std::string_view data);

// Writes every piece of count buffers to fd with gathered writes; errno is
// kept on failure.
bool writeWholeBuffers(int fd, const OutputBuffer* buffers, std::size_t count);

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

} // namespace orbenza::cli
