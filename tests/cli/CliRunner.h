// Runs orbenza-cli as a whole process and collects what it printed.
#pragma once

#include <cstdio>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace orbenza::testing {

struct CliRun {
    int status = -1;
    std::string out, err;
};

inline std::string shellQuoted(const std::string& arg) {
    std::string quoted = "'";
    for (char c : arg) {
        if (c == '\'')
            quoted += "'\\''";
        else
            quoted += c;
    }
    return quoted + "'";
}

inline std::string readWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream buffer;
    buffer << in.rdbuf();
    return buffer.str();
}

// Writes all of data to fd, resuming after short writes.
inline bool writeAll(int fd, const std::string& data) {
    for (std::size_t done = 0; done < data.size();) {
        const ssize_t wrote = ::write(fd, data.data() + done, data.size() - done);
        if (wrote <= 0)
            return false;
        done += static_cast<std::size_t>(wrote);
    }
    return true;
}

// stdinText, when given, is fed to the program's standard input.
inline CliRun runCli(const std::vector<std::string>& args, const std::string* stdinText = nullptr) {
    char outName[] = "/tmp/orbenza-cli-out-XXXXXX";
    char errName[] = "/tmp/orbenza-cli-err-XXXXXX";
    char inName[] = "/tmp/orbenza-cli-in-XXXXXX";
    ::close(::mkstemp(outName));
    ::close(::mkstemp(errName));
    const int inFd = ::mkstemp(inName);
    if (stdinText)
        (void)!::write(inFd, stdinText->data(), stdinText->size());
    ::close(inFd);
    std::string command = shellQuoted(ORBENZA_CLI_PATH);
    for (const auto& arg : args) {
        command += ' ';
        command += shellQuoted(arg);
    }
    for (const char* part :
         std::initializer_list<const char*>{" <", inName, " >", outName, " 2>", errName})
        command.append(part);
    const int raw = std::system(command.c_str());
    CliRun run;
    run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
    run.out = readWhole(outName);
    run.err = readWhole(errName);
    std::remove(outName);
    std::remove(errName);
    std::remove(inName);
    return run;
}

// The Delhi chart of 15 June 1985, 14:30 Indian time, as options.
inline const std::vector<std::string> kDelhi{"--name", "ANNA",   "--date", "1985-06-15",
                                             "--time", "14:30",  "--zone", "34",
                                             "--lon",  "77:13E", "--lat",  "28:39N"};

// The options with more after them.
inline std::vector<std::string> with(std::vector<std::string> args,
                                     std::initializer_list<std::string> more) {
    args.insert(args.end(), more);
    return args;
}

} // namespace orbenza::testing
