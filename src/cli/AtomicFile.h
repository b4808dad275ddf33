// Writing a file so that it is either wholly there or not touched at all.
#pragma once

#include <string>
#include <string_view>

namespace orbenza::cli {

// Writes data to a temporary file beside path, flushes it to disk and renames
// it over path. On failure nothing is left behind, an existing file keeps its
// old content, and error names the file and the reason. A path that names a
// device, a pipe or a socket (/dev/stdout, /dev/null) is written to directly
// instead of being replaced, and a symbolic link keeps pointing at the file
// it names, which is the one replaced.
// The file a save to path replaces: path itself, or for a symbolic link the
// file it points to, so the link stays a link.
std::string saveTargetOf(const std::string& path);

bool writeFileAtomically(const std::string& path, std::string_view data, std::string& error);

} // namespace orbenza::cli
