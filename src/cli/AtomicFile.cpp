#include "AtomicFile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orbenza::cli {

namespace {
std::string reason(int code) { return std::strerror(code); }

// A device, a pipe or a socket takes the data itself: a file renamed over it
// would replace the node (for root, even /dev/null).
bool writeStraight(const std::string& path, std::string_view data, std::string& error) {
    const int fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
    if (fd < 0) {
        error = "cannot write " + path + ": " + reason(errno);
        return false;
    }
    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            const int code = errno;
            ::close(fd);
            error = "cannot write " + path + ": " + reason(code);
            return false;
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::close(fd) != 0) {
        error = "cannot write " + path + ": " + reason(errno);
        return false;
    }
    return true;
}
} // namespace

std::string saveTargetOf(const std::string& path) {
    struct stat link {};
    if (::lstat(path.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
        return path;
    std::error_code failed;
    const std::filesystem::path resolved = std::filesystem::weakly_canonical(path, failed);
    return failed ? path : resolved.string(); // a loop: the link itself is replaced
}

bool writeFileAtomically(const std::string& path, std::string_view data, std::string& error) {
    if (path.empty()) {
        error = "no file name given";
        return false;
    }
    if (const std::string target = saveTargetOf(path); target != path)
        return writeFileAtomically(target, data, error);
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0 && !S_ISREG(target.st_mode) && !S_ISDIR(target.st_mode))
        return writeStraight(path, data, error);
    std::string pattern = path + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = "cannot write " + path + ": " + reason(errno);
        return false;
    }
    const std::string temporary(name.data());
    auto fail = [&](int code) {
        ::close(fd);
        ::unlink(temporary.c_str());
        error = "cannot write " + path + ": " + reason(code);
        return false;
    };

    // A new file gets the usual permissions, not mkstemp's private 0600.
    const mode_t mask = ::umask(0);
    ::umask(mask);
    struct stat existing {};
    const mode_t mode = (::stat(path.c_str(), &existing) == 0) ? (existing.st_mode & 07777)
                                                               : (0666 & ~mask);
    if (::fchmod(fd, mode) != 0)
        return fail(errno);

    const char* p = data.data();
    std::size_t left = data.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, p, left);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return fail(errno);
        }
        p += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(fd) != 0)
        return fail(errno);
    if (::close(fd) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        error = "cannot write " + path + ": " + reason(code);
        return false;
    }
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        const int code = errno;
        ::unlink(temporary.c_str());
        error = "cannot write " + path + ": " + reason(code);
        return false;
    }
    return true;
}

} // namespace orbenza::cli
