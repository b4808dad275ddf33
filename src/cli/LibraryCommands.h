// orbenza-cli library list|show|add|remove|import|export: the chart library
// on the command line.
#pragma once

namespace orbenza::cli {

// Whether the command line is a library command (its first word is "library").
bool asksForLibrary(int argc, char** argv);

// Runs a library command; argv[0] is "library". Exit status 0 on success, 2
// when the library cannot be used or the input is refused.
int runLibraryCommand(int argc, char** argv);

} // namespace orbenza::cli
