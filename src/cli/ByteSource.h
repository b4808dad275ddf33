// Where the batch's CSV comes from: a file, standard input or text in memory.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orbenza::cli {

// Where the CSV comes from.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    // Up to size bytes into buffer; 0 at the end of the input, -1 on a read
    // failure (error() says why).
    virtual std::ptrdiff_t read(char* buffer, std::size_t size) = 0;
    const std::string& error() const { return m_error; }
    // Bytes read so far, and the whole input's size when it is known (a
    // file, not a pipe): how far through it the reading is.
    std::uint64_t bytesRead() const { return m_bytesRead; }
    std::optional<std::uint64_t> size() const { return m_size; }

protected:
    std::string m_error;
    std::uint64_t m_bytesRead = 0;
    std::optional<std::uint64_t> m_size;
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

} // namespace orbenza::cli
