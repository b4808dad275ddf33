// Output that appears whole or not at all, for single charts and batches.
#pragma once

#include "ByteSink.h"

#include <string>
#include <string_view>

namespace orbenza::cli {

// The file a save to path replaces: path itself, or for a symbolic link the
// file it points to, so the link stays a link.
std::string saveTargetOf(const std::string& path);

// A file that appears whole or not at all: the data goes to a temporary file
// beside the target, commit() flushes it to disk and renames it into place.
// Without a successful commit() the temporary file is removed, also when the
// program is ended by SIGINT, SIGTERM or SIGHUP, and an existing target keeps
// its old content. A target that is a device, a pipe or a socket (/dev/null,
// /dev/stdout) is written to directly instead of being replaced.
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
    // Removes the temporary file; the target stays as it was.
    void discard();

private:
    int m_fd = -1;
    bool m_straight = false; // writing to the target itself
    std::string m_path, m_temporary;
};

// Writes data to path through an AtomicFileSink. On failure nothing is left
// behind, an existing file keeps its old content, and error names the file
// and the reason.
bool writeFileAtomically(const std::string& path, std::string_view data, std::string& error);

} // namespace orbenza::cli
