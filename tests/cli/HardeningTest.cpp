// orbenza-cli against hostile or unlucky surroundings, as a whole process:
// standard output that takes nothing, rows built to exhaust memory, stray
// quotes, output names that are folders, links, descriptors or as long as the
// system allows, signals that end the program, and names or fields made of
// control characters. Each case says what a user is owed.
#include "CliRunner.h"

#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace orbenza {
namespace {

namespace fs = std::filesystem;
using testing::readWhole;
using testing::runCli;
using testing::shellQuoted;

const std::string kHeader = "name,date,time,zone,lon,lat,dst\n";
const std::string kAnna = "ANNA,1985-06-15,14:30,34,77:13E,28:39N,\n";
const std::vector<std::string> kChart{"--name", "ANNA", "--date", "1985-06-15", "--time", "14:30",
                                      "--zone", "34",   "--lon",  "77:13E",     "--lat",  "28:39N"};

class Folder {
public:
    Folder() {
        char pattern[] = "/tmp/orbenza-hardening-XXXXXX";
        if (::mkdtemp(pattern) != nullptr)
            path = pattern;
    }
    ~Folder() {
        std::error_code ignored;
        fs::permissions(path, fs::perms::owner_all, ignored);
        fs::remove_all(path, ignored);
    }
    std::string file(const std::string& name) const { return path + "/" + name; }
    std::string write(const std::string& name, const std::string& content) const {
        std::ofstream(file(name), std::ios::binary) << content;
        return file(name);
    }
    std::set<std::string> names() const {
        std::set<std::string> found;
        for (const auto& entry : fs::directory_iterator(path))
            found.insert(entry.path().filename().string());
        return found;
    }
    std::string path;
};

std::vector<std::string> with(std::vector<std::string> args, std::vector<std::string> more) {
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find('\n', start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

// Runs a shell command line; its standard error is returned through err.
int runShell(const std::string& command, std::string* err = nullptr) {
    char errName[] = "/tmp/orbenza-shell-err-XXXXXX";
    ::close(::mkstemp(errName));
    const int raw = std::system((command + " 2>" + errName).c_str());
    if (err != nullptr)
        *err = readWhole(errName);
    std::remove(errName);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::string cliCommand(const std::vector<std::string>& args) {
    std::string command = shellQuoted(ORBENZA_CLI_PATH);
    for (const auto& arg : args)
        command += ' ' + shellQuoted(arg);
    return command;
}

TEST(StandardOutput, AFailedWriteIsReportedWithStatus2) {
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full here";
    for (const std::string format : {"text", "json", "rtf"}) {
        std::string err;
        const int status =
            runShell(cliCommand(with(kChart, {"--format", format})) + " >/dev/full", &err);
        EXPECT_EQ(status, 2) << format;
        EXPECT_EQ(err, "orbenza-cli: cannot write the chart to standard output: " +
                           std::string(std::strerror(ENOSPC)) + "\n")
            << format;
    }
}

TEST(StandardOutput, DevStdoutIsAppendedToNotReplaced) {
    Folder folder;
    const std::string rows = folder.write("rows.csv", kHeader + kAnna);
    const std::string log = folder.file("log.txt");
    for (const auto& args : {with(kChart, {"--format", "json"}), {"--batch", rows}}) {
        std::ofstream(log) << "EARLIER\n";
        const int status = runShell(cliCommand(with(args, {"--output", "/dev/stdout"})) + " >>" +
                                    shellQuoted(log));
        EXPECT_EQ(status, 0);
        const std::string content = readWhole(log);
        EXPECT_EQ(content.rfind("EARLIER\n{", 0), 0u) << content.substr(0, 80);
        EXPECT_GT(content.size(), 100u);
    }
}

TEST(BatchMemory, ARowOfSeparatorsIsRefusedWithinAFewMegabytes) {
#if defined(__SANITIZE_ADDRESS__)
    // AddressSanitizer reserves terabytes of address space for its shadow
    // memory, so no address-space limit can be set; the normal build checks it.
    GTEST_SKIP() << "address-space limit not possible under AddressSanitizer";
#endif
    Folder folder;
    // 30 million commas: about 1 GB of fields for a reader that keeps them.
    std::string rows = kHeader + std::string(30'000'000, ',') + "\n" + kAnna;
    rows += std::string(500, ',') + "\n";
    const std::string path = folder.write("commas.csv", rows);
    std::string err;
    // 200 MB of address space is far more than the program needs, and far
    // less than the row would take if it were kept.
    const int status = runShell("ulimit -v 200000 && " + cliCommand({"--batch", path}) + " >" +
                                    shellQuoted(folder.file("out.jsonl")),
                                &err);
    EXPECT_EQ(status, 1) << err;
    EXPECT_EQ(err, "line 2: the row has more than 64 fields\n"
                   "line 4: the row has more than 64 fields\n");
    const auto lines = linesOf(readWhole(folder.file("out.jsonl")));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(nlohmann::json::parse(lines[1]).at("Name"), "ANNA");
}

TEST(BatchMemory, ALongRowCountsItsSeparators) {
    // Fewer fields than the limit, but more than 1 MiB with the commas.
    const std::string rows =
        kHeader + "A" + std::string(40, ',') + std::string((1 << 20) - 10, 'x') + "\n" + kAnna;
    const auto run = runCli({"--batch", "-"}, &rows);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "line 2: the row is longer than 1 MiB\n");
}

TEST(BatchReader, AStrayQuoteCostsOnlyItsOwnRow) {
    std::string rows = kHeader + kAnna + "\"STRAY,1985-06-15,14:30,34,77:13E,28:39N,\n";
    const int good = 30000; // more than 1 MiB of rows after the stray quote
    for (int i = 0; i < good; ++i)
        rows += kAnna;
    const auto run = runCli({"--batch", "-", "--report", "none"}, &rows);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "line 3: a quoted field is not closed\n");
    const auto lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(good + 2));
    EXPECT_EQ(lines[1], "{\"line\":3,\"error\":\"a quoted field is not closed\"}");
    EXPECT_EQ(nlohmann::json::parse(lines[2]).at("Name"), "ANNA");

    // A quote left open at the end of the input: the lines after it too.
    const std::string shortRows = kHeader + "\"STRAY,x\n" + kAnna + kAnna;
    const auto shortRun = runCli({"--batch", "-"}, &shortRows);
    EXPECT_EQ(shortRun.err, "line 2: a quoted field is not closed\n");
    EXPECT_EQ(linesOf(shortRun.out).size(), 3u);
}

class Targets : public ::testing::TestWithParam<bool> {
protected:
    // The single chart or the batch, saving to path.
    std::vector<std::string> savingTo(const std::string& path) {
        if (!GetParam())
            return with(kChart, {"--format", "json", "--output", path});
        return {"--batch", m_input.write("rows.csv", kHeader + kAnna), "--output", path};
    }
    Folder m_input;
};

TEST_P(Targets, AFolderIsRefusedBeforeAnyWork) {
    Folder folder;
    std::vector<std::string> args = savingTo(folder.path);
    if (GetParam())
        args[1] = folder.file("no such input.csv"); // the input is never read
    const auto run = runCli(args);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "orbenza-cli: cannot write " + folder.path + ": " + std::strerror(EISDIR) + "\n");
    EXPECT_TRUE(folder.names().empty());
}

TEST_P(Targets, AWriteProtectedFileIsRefusedAndKept) {
    Folder folder;
    const std::string path = folder.write("kept.json", "old\n");
    ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
    const auto run = runCli(savingTo(path));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orbenza-cli: cannot write " + path + ": " + std::strerror(EACCES) + "\n");
    EXPECT_EQ(readWhole(path), "old\n");
    EXPECT_EQ(folder.names(), std::set<std::string>{"kept.json"});
}

TEST_P(Targets, ADanglingLinkGetsItsFileAndStaysALink) {
    Folder folder;
    const std::string link = folder.file("latest.json");
    ASSERT_EQ(::symlink("charts/anna.json", link.c_str()), 0);
    ASSERT_TRUE(fs::create_directory(folder.file("charts")));
    const auto run = runCli(savingTo(link));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_NE(readWhole(folder.file("charts/anna.json")).find("ANNA"), std::string::npos);
    EXPECT_EQ(folder.names(), (std::set<std::string>{"charts", "latest.json"}));
}

TEST_P(Targets, ANameOfTheLongestAllowedLengthWorks) {
    Folder folder;
    const long longest = ::pathconf(folder.path.c_str(), _PC_NAME_MAX);
    ASSERT_GT(longest, 0);
    const std::string name(static_cast<std::size_t>(longest), 'n');
    for (int round = 0; round < 2; ++round) { // a new file, then over it
        const auto run = runCli(savingTo(folder.file(name)));
        ASSERT_EQ(run.status, 0) << run.err;
    }
    EXPECT_EQ(folder.names(), std::set<std::string>{name});
    EXPECT_NE(readWhole(folder.file(name)).find("ANNA"), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(Output, Targets, ::testing::Bool(),
                         [](const auto& param) { return param.param ? "Batch" : "Chart"; });

// A batch that reads its rows from a pipe held open, so that it is still
// writing when the signal comes.
TEST(Signals, NothingIsLeftBehindWhateverEndsTheBatch) {
    for (const int signalNumber : {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGUSR1, SIGXFSZ, SIGKILL}) {
        Folder folder;
        int rows[2];
        ASSERT_EQ(::pipe(rows), 0);
        const std::string output = folder.file("out.jsonl");
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            ::dup2(rows[0], STDIN_FILENO);
            ::close(rows[0]);
            ::close(rows[1]);
            ::execl(ORBENZA_CLI_PATH, ORBENZA_CLI_PATH, "--batch", "-", "--output", output.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(rows[0]);
        const std::string text = kHeader + kAnna;
        ASSERT_EQ(::write(rows[1], text.data(), text.size()), static_cast<ssize_t>(text.size()));
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        ::kill(child, signalNumber);
        int status = 0;
        ::waitpid(child, &status, 0);
        ::close(rows[1]);
        EXPECT_TRUE(WIFSIGNALED(status)) << strsignal(signalNumber);
        EXPECT_TRUE(folder.names().empty())
            << strsignal(signalNumber) << " left " << *folder.names().begin();
    }
}

TEST(Names, OnlyNamesAsTheScreenTakesThem) {
    for (const std::string name : {"R2D2", "A\x1B[31mRED", "TAB\tNAME", "ANN-"}) {
        const auto run = runCli(with(kChart, {"--name", name}));
        EXPECT_EQ(run.status, 2) << name;
        EXPECT_EQ(run.err, "orbenza-cli: --name: Please Enter only Letters\n");
        EXPECT_TRUE(run.out.empty());
    }
    for (const std::string name : {"Zoë", "Jean-Luc", "O'Brien", "J. R. R. Tolkien", "Σοφία"}) {
        const auto run = runCli(with(kChart, {"--name", name, "--format", "json"}));
        EXPECT_EQ(run.status, 0) << name << ": " << run.err;
    }
    const std::string rows =
        kHeader + "\"R2\x1B[2JD2\",1985-06-15,14:30,34,77:13E,28:39N,\n" + kAnna;
    const auto batch = runCli({"--batch", "-", "--format", "csv"}, &rows);
    EXPECT_EQ(batch.status, 1);
    EXPECT_EQ(batch.err, "line 2: name: Please Enter only Letters\n");
    EXPECT_EQ(batch.out.find('\x1B'), std::string::npos) << "an escape reached the output";
}

TEST(Options, AValueThatLooksLikeAnOptionIsRefused) {
    const auto run = runCli({"--name", "--date", "1985-06-15"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("\"--date\" looks like an option"), std::string::npos) << run.err;
    EXPECT_TRUE(run.out.empty());
    const auto empty = runCli(with(kChart, {"--output", ""}));
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(empty.err, "orbenza-cli: --output: needs a file name\n");
    EXPECT_TRUE(empty.out.empty());
}

TEST(Options, AnAmbiguousZoneNamesItsRowsAndBlanksAreIgnoredAlike) {
    const auto run = runCli(with(kChart, {"--zone", "nst"}));
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orbenza-cli: --zone: \"nst\" is the abbreviation of 2 zones: 50 "
                       "(Newfoundland Standard Time,NST,-3.5) and 52 (North Sumatra "
                       "Time,NST,+6.5); give the list position\n");
    const auto byPosition = runCli(with(kChart, {"--zone", " 34 ", "--format", "json"}));
    const auto byName = runCli(with(kChart, {"--zone", " IST", "--format", "json"}));
    EXPECT_EQ(byPosition.status, 0) << byPosition.err;
    EXPECT_EQ(byName.status, 0) << byName.err;
    EXPECT_EQ(byPosition.out, byName.out);
}

TEST(Messages, LongFieldsAreCutAndControlBytesEscaped) {
    const std::string rows = kHeader + "ANNA," + std::string(900000, 'A') +
                             ",14:30,34,77:13E,28:39N,\n" +
                             "BEN,1985-06-15,14:30,34,77:13E,28:39N,\xFF\x1B[31m\n";
    const auto run = runCli({"--batch", "-"}, &rows);
    EXPECT_EQ(run.err, "line 2: date must look like YYYY-MM-DD, not \"" + std::string(60, 'A') +
                           "\xE2\x80\xA6\" (900000 bytes)\n"
                           "line 3: dst must be empty, 0, false, no, 1, true or yes, not "
                           "\"\\xFF\\x1B[31m\"\n");
    const std::string binary = std::string("\x7F"
                                           "ELF\x02\x01\x01\x1B[2J,name\n",
                                           14);
    const auto header = runCli({"--batch", "-"}, &binary);
    EXPECT_EQ(header.status, 2);
    EXPECT_EQ(header.err.find('\x1B'), std::string::npos) << header.err;
    EXPECT_NE(header.err.find("\\x7FELF\\x02\\x01\\x01\\x1B[2J"), std::string::npos) << header.err;
}

TEST(Messages, ARefusedRowInCsvStaysUtf8) {
    const std::string rows = kHeader + "Ann\xFF\xFE,1985-06-15,14:30,34,77:13E,28:39N,\n";
    const auto run = runCli({"--batch", "-", "--format", "csv"}, &rows);
    EXPECT_EQ(run.status, 1);
    const auto lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1].rfind("Ann\xEF\xBF\xBD\xEF\xBF\xBD,", 0), 0u) << lines[1];
}

TEST(Report, NoneLeavesTheReportOutOfJsonAndKeepsTheChart) {
    const auto full = runCli(with(kChart, {"--format", "json"}));
    const auto bare = runCli(with(kChart, {"--format", "json", "--report", "none"}));
    ASSERT_EQ(bare.status, 0) << bare.err;
    auto withReport = nlohmann::ordered_json::parse(full.out);
    auto withoutReport = nlohmann::ordered_json::parse(bare.out);
    EXPECT_FALSE(withoutReport.contains("Report"));
    auto fullChart = withReport;
    withReport.erase("Report");
    EXPECT_EQ(withoutReport, withReport);

    // Batch lines carry the houses and aspects only when asked for.
    for (const char* key : {"HouseSystem", "HouseNote", "Cusps", "Angles", "Speeds", "Aspects"}) {
        withoutReport.erase(key);
        fullChart.erase(key);
    }
    const std::string rows = kHeader + kAnna;
    const auto lines = runCli({"--batch", "-", "--windows"}, &rows);
    const auto bareLines = runCli({"--batch", "-", "--report", "none", "--windows"}, &rows);
    EXPECT_EQ(nlohmann::ordered_json::parse(bareLines.out), withoutReport);
    EXPECT_EQ(nlohmann::ordered_json::parse(lines.out), fullChart);
    EXPECT_LT(bareLines.out.size() * 5, lines.out.size());
    // CSV carries no report either way.
    EXPECT_EQ(runCli({"--batch", "-", "--format", "csv", "--report", "none"}, &rows).out,
              runCli({"--batch", "-", "--format", "csv"}, &rows).out);
}

} // namespace
} // namespace orbenza
