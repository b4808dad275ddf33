// Output that appears whole or not at all, for single charts and batches.
#pragma once

#include "ByteSink.h"

#include <string>
#include <string_view>
#include <sys/types.h>

namespace orbenza::cli {

// The file a save to path writes: path itself, or for a symbolic link the
// file it points to (followed link by link, also when that file does not
// exist yet), so the link stays a link. Empty, with errorCode set, for a
// loop of links.
std::string saveTargetOf(const std::string& path, int* errorCode = nullptr);

// A file that appears whole or not at all.
//
// open() checks the target before any work is done: a folder, a file without
// write permission or a folder that takes no new file is refused at once.
// The data then goes to an unnamed file in the target's folder (O_TMPFILE),
// which the system removes by itself whatever ends the program; commit()
// flushes it to disk and links it into place. Where the file system has no
// unnamed files, a temporary file with a short name beside the target is used
// and removed on failure and when a signal that ends the program arrives
// (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGUSR2, SIGXFSZ, SIGXCPU,
// SIGPIPE, SIGALRM, SIGVTALRM, SIGPROF). Either way an existing target keeps
// its old content until the commit, and a name as long as the system allows
// works.
//
// A target that is a device, a pipe or a socket (/dev/null) is written to
// directly instead of being replaced, and a name for an open descriptor
// (/dev/stdout, /dev/stderr, /dev/fd/N, /proc/self/fd/N) is written through
// that descriptor, so a file the shell opened for appending is appended to.
class AtomicFileSink final : public ByteSink {
public:
    AtomicFileSink() = default;
    AtomicFileSink(const AtomicFileSink&) = delete;
    AtomicFileSink& operator=(const AtomicFileSink&) = delete;
    ~AtomicFileSink() override;
    bool open(const std::string& path);
    using ByteSink::write;
    bool write(std::string_view data) override;
    bool write(const OutputBuffer* buffers, std::size_t count) override;
    bool commit();
    // Drops what was written; the target stays as it was.
    void discard();

private:
    enum class Mode { Closed, Straight, Unnamed, Named };
    bool fail(int code);
    bool openTemporary(const std::string& folder, mode_t mode);
    bool linkIntoPlace();

    int m_fd = -1;
    Mode m_mode = Mode::Closed;
    bool m_targetExists = false;
    std::string m_path, m_folder, m_temporary;
};

// Writes data to path through an AtomicFileSink. On failure nothing is left
// behind, an existing file keeps its old content, and error names the file
// and the reason.
bool writeFileAtomically(const std::string& path, std::string_view data, std::string& error);

} // namespace orbenza::cli
