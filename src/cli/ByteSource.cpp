#include "ByteSource.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbenza::cli {

namespace {

std::string reason(int code) {
    return std::strerror(code);
}

} // namespace

FileSource::~FileSource() {
    if (m_owned && m_fd >= 0)
        ::close(m_fd);
}

bool FileSource::open(const std::string& path) {
    if (path == "-") {
        m_fd = STDIN_FILENO;
        m_owned = false;
        m_name = "standard input";
        // Standard input redirected from a file: the rest of that file.
        struct stat info {};
        const off_t at = ::lseek(m_fd, 0, SEEK_CUR);
        if (::fstat(m_fd, &info) == 0 && S_ISREG(info.st_mode) && at >= 0 && at <= info.st_size)
            m_size = static_cast<std::uint64_t>(info.st_size - at);
        return true;
    }
    m_name = path;
    m_fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (m_fd < 0) {
        m_error = "cannot read " + path + ": " + reason(errno);
        return false;
    }
    m_owned = true;
    struct stat info {};
    if (::fstat(m_fd, &info) == 0 && S_ISREG(info.st_mode))
        m_size = static_cast<std::uint64_t>(info.st_size);
    return true;
}

std::ptrdiff_t FileSource::read(char* buffer, std::size_t size) {
    for (;;) {
        const ssize_t got = ::read(m_fd, buffer, size);
        if (got >= 0) {
            m_bytesRead += static_cast<std::uint64_t>(got);
            return got;
        }
        if (errno == EINTR)
            continue;
        m_error = "cannot read " + m_name + ": " + reason(errno);
        return -1;
    }
}

} // namespace orbenza::cli
