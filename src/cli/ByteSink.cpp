#include "ByteSink.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstring>
#include <sys/uio.h>
#include <unistd.h>

namespace orbenza::cli {

namespace {

std::string reason(int code) {
    return std::strerror(code);
}

} // namespace
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

} // namespace orbenza::cli
