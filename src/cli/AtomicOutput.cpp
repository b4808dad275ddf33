#include "AtomicOutput.h"

#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <random>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace orbenza::cli {

namespace {

std::string reason(int code) {
    return std::strerror(code);
}

// The descriptor that a name like /dev/stdout or /proc/self/fd/3 stands for,
// or -1. Such a name reached through its link would be the file behind the
// descriptor, which a save must not replace: the shell may have opened it for
// appending.
int descriptorNamed(const std::string& path) {
    if (path == "/dev/stdin")
        return STDIN_FILENO;
    if (path == "/dev/stdout")
        return STDOUT_FILENO;
    if (path == "/dev/stderr")
        return STDERR_FILENO;
    for (std::string_view prefix : {"/dev/fd/", "/proc/self/fd/"}) {
        if (path.size() <= prefix.size() || path.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string digits = path.substr(prefix.size());
        if (digits.size() > 9 || digits.find_first_not_of("0123456789") != std::string::npos)
            return -1;
        return std::stoi(digits);
    }
    return -1;
}

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// Whether /proc/self/fd names the open files, which linking an unnamed file
// into place needs.
bool canLinkUnnamedFiles() {
    static const bool available = ::access("/proc/self/fd", X_OK) == 0;
    return available;
}

std::string descriptorPath(int fd) {
    return "/proc/self/fd/" + std::to_string(fd);
}

// A short name for a file beside the target: the target's own name may
// already be as long as the file system allows.
std::string shortTemporaryName(const std::string& folder) {
    static std::minstd_rand random{static_cast<std::uint_fast32_t>(::getpid()) ^
                                   static_cast<std::uint_fast32_t>(std::random_device{}())};
    static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string name = folder + "/.orbenza-";
    for (int i = 0; i < 8; ++i)
        name += kLetters[random() % (sizeof kLetters - 1)];
    return name;
}

// The temporary file of the output being written, removed when a signal ends
// the program before the file was renamed into place. Only async-signal-safe
// calls in the handler: unlink, signal, raise.
char g_pendingTemporary[PATH_MAX + 1];
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
    // Every signal whose default action ends the program.
    for (int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGXFSZ, SIGXCPU,
                             SIGPIPE, SIGALRM, SIGVTALRM, SIGPROF}) {
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

std::string saveTargetOf(const std::string& path, int* errorCode) {
    std::string current = path;
    // As many links as the system itself follows (its ELOOP limit).
    for (int hop = 0; hop < 40; ++hop) {
        struct stat link {};
        if (::lstat(current.c_str(), &link) != 0 || !S_ISLNK(link.st_mode))
            return current;
        std::vector<char> text(
            static_cast<std::size_t>(link.st_size > 0 ? link.st_size : PATH_MAX) + 1);
        const ssize_t length = ::readlink(current.c_str(), text.data(), text.size());
        if (length <= 0)
            return current;
        std::string target(text.data(), static_cast<std::size_t>(length));
        if (target.front() != '/' && current.find('/') != std::string::npos)
            target = folderOf(current) + "/" + target;
        current = std::move(target);
    }
    if (errorCode != nullptr)
        *errorCode = ELOOP;
    return {};
}

AtomicFileSink::~AtomicFileSink() {
    discard();
}

bool AtomicFileSink::fail(int code) {
    m_error = "cannot write " + m_path + ": " + reason(code);
    discard();
    return false;
}

bool AtomicFileSink::open(const std::string& requested) {
    discard();
    m_path = requested;
    if (requested.empty()) {
        m_error = "no file name given";
        return false;
    }
    if (const int descriptor = descriptorNamed(requested); descriptor >= 0) {
        m_fd = ::fcntl(descriptor, F_DUPFD_CLOEXEC, 3);
        if (m_fd < 0)
            return fail(errno);
        const int flags = ::fcntl(m_fd, F_GETFL);
        if ((flags & O_ACCMODE) == O_RDONLY)
            return fail(EBADF);
        m_mode = Mode::Straight;
        return true;
    }
    int loop = 0;
    const std::string path = saveTargetOf(requested, &loop);
    if (loop != 0)
        return fail(loop);
    m_path = path;

    mode_t mode = 0;
    struct stat target {};
    if (::stat(path.c_str(), &target) == 0) {
        if (S_ISDIR(target.st_mode))
            return fail(EISDIR);
        if (!S_ISREG(target.st_mode)) {
            // A device, a pipe or a socket takes the data itself: a file
            // renamed over it would replace the node (for root, even /dev/null).
            m_fd = ::open(path.c_str(), O_WRONLY | O_CLOEXEC);
            if (m_fd < 0)
                return fail(errno);
            m_mode = Mode::Straight;
            return true;
        }
        // A write-protected file is refused as the shell's > refuses it,
        // also for root, whom the permission bits do not stop.
        if ((target.st_mode & 0222) == 0)
            return fail(EACCES);
        if (::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0)
            return fail(errno);
        m_targetExists = true;
        mode = target.st_mode & 07777;
    } else if (errno != ENOENT) {
        return fail(errno);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }

    m_folder = folderOf(path);
    struct stat folder {};
    if (::stat(m_folder.c_str(), &folder) != 0)
        return fail(errno);
    if (!S_ISDIR(folder.st_mode))
        return fail(ENOTDIR);
    if (::faccessat(AT_FDCWD, m_folder.c_str(), W_OK | X_OK, AT_EACCESS) != 0)
        return fail(errno);
    return openTemporary(m_folder, mode);
}

bool AtomicFileSink::openTemporary(const std::string& folder, mode_t mode) {
    if (canLinkUnnamedFiles()) {
        m_fd = ::open(folder.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, mode);
        if (m_fd >= 0) {
            m_mode = Mode::Unnamed;
        } else if (errno != EOPNOTSUPP && errno != EISDIR && errno != EINVAL) {
            return fail(errno);
        }
    }
    if (m_mode != Mode::Unnamed) {
        std::string pattern = folder + "/.orbenza-XXXXXX";
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        m_fd = ::mkstemp(name.data());
        if (m_fd < 0)
            return fail(errno);
        m_temporary = name.data();
        setPendingTemporary(m_temporary);
        m_mode = Mode::Named;
    }
    // The file gets the target's permissions, or the usual ones for a new
    // file (mkstemp's are private, O_TMPFILE's follow the mask).
    if (::fchmod(m_fd, mode) != 0)
        return fail(errno);
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

// Gives the unnamed file its place: straight under the target's name when
// that is free, else under a short temporary name renamed over the target.
bool AtomicFileSink::linkIntoPlace() {
    const std::string self = descriptorPath(m_fd);
    if (!m_targetExists) {
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, m_path.c_str(), AT_SYMLINK_FOLLOW) == 0)
            return true;
        if (errno != EEXIST)
            return false;
    }
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string temporary = shortTemporaryName(m_folder);
        setPendingTemporary(temporary);
        if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, temporary.c_str(), AT_SYMLINK_FOLLOW) != 0) {
            clearPendingTemporary();
            if (errno == EEXIST)
                continue;
            return false;
        }
        m_temporary = temporary;
        return ::rename(m_temporary.c_str(), m_path.c_str()) == 0;
    }
    errno = EEXIST;
    return false;
}

bool AtomicFileSink::commit() {
    if (m_fd < 0) {
        m_error = "cannot write " + m_path + ": the file is not open";
        return false;
    }
    if (m_mode == Mode::Straight) {
        const int fd = m_fd;
        m_fd = -1;
        m_mode = Mode::Closed;
        return ::close(fd) == 0 || fail(errno);
    }
    if (::fsync(m_fd) != 0)
        return fail(errno);
    if (m_mode == Mode::Unnamed) {
        if (!linkIntoPlace())
            return fail(errno);
    } else if (::rename(m_temporary.c_str(), m_path.c_str()) != 0) {
        return fail(errno);
    }
    m_temporary.clear();
    clearPendingTemporary();
    const int fd = m_fd;
    m_fd = -1;
    m_mode = Mode::Closed;
    if (::close(fd) != 0) {
        // The data is on disk and in place already (fsync succeeded).
        m_error = "cannot write " + m_path + ": " + reason(errno);
        return false;
    }
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
    m_mode = Mode::Closed;
    m_targetExists = false;
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
