// Manual pages written from the same option definitions as --help, so the
// two cannot drift apart: the build runs "orbenza-cli --man-page" and
// "orbenza-cli library --man-page" and installs what they print.
#pragma once

#include <CLI/CLI.hpp>
#include <string>
#include <vector>

namespace orbenza::cli {

// The hidden option that asks for the manual page instead of a run.
inline constexpr const char* kManPageOption = "--man-page";

// Whether argv[1] is kManPageOption.
bool asksForManPage(int argc, char** argv);

struct ManPageHead {
    std::string name;                 // the page's name, e.g. "orbenza-cli-library"
    std::string command;              // the command as typed, e.g. "orbenza-cli library"
    std::string version;              // e.g. "orbenza-cli 1.4.0"
    std::vector<std::string> seeAlso; // pages, e.g. "orbenza(1)"
    // Further lines of the synopsis, as roff, e.g. a command that has a page of its own.
    std::vector<std::string> moreSynopsis;
};

// The page in section 1, as roff (man(7) macros): the app's description,
// its options, each subcommand with its own, the footer as the closing
// notes.
std::string manPage(const CLI::App& app, const ManPageHead& head);

// Prints the page to standard output; exit status 0, or 2 when it cannot be
// written.
int printManPage(const CLI::App& app, const ManPageHead& head);

} // namespace orbenza::cli
