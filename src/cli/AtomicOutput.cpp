#include "AtomicOutput.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orbenza::cli {

namespace {

std::string reason(int code) {
    return std::strerror(code);
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

bool writeFileAtomically(const std::string& path, std::string_view data, std::string& error) {
    AtomicFileSink sink;
    if (!sink.open(path) || !sink.write(data) || !sink.commit()) {
        error = sink.error();
        return false;
    }
    return true;
}

} // namespace orbenza::cli
