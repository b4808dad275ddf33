// The chart library's command line under bad input and unlucky surroundings,
// as a whole process: chart numbers that are not plain decimals, outputs that
// take nothing, files from elsewhere to import, texts with control
// characters, folders that cannot be written and libraries that are not
// there. Each case says what a user is owed.
#include "CliRunner.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/mount.h>
#include <unistd.h>

namespace orbenza::testing {
namespace {

namespace fs = std::filesystem;

// Runs a shell command line; its standard error is returned through err.
int runShell(const std::string& command, std::string& err) {
    char errName[] = "/tmp/orbenza-library-err-XXXXXX";
    ::close(::mkstemp(errName));
    const int raw = std::system((command + " 2>" + errName).c_str());
    err = readWhole(errName);
    std::remove(errName);
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

// The "error" of each line a batch gives for the rows of a CSV text.
std::vector<std::string> batchErrors(const std::string& csv) {
    const CliRun run = runCli({"--batch", "-", "--report", "none"}, &csv);
    std::vector<std::string> errors;
    std::size_t start = 0;
    while (start < run.out.size()) {
        const std::size_t end = run.out.find('\n', start);
        const auto line = nlohmann::json::parse(run.out.substr(start, end - start));
        errors.push_back("line " + std::to_string(line.value("line", 0)) + ": " +
                         line.value("error", std::string()));
        start = end + 1;
    }
    return errors;
}

class LibraryFaults : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = "/tmp/orbenza-library-faults-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        m_library = m_folder + "/charts.sqlite";
    }
    void TearDown() override {
        if (m_mounted)
            ::umount2(m_mount.c_str(), MNT_DETACH);
        fs::remove_all(m_folder);
    }
    CliRun library(std::vector<std::string> args, const std::string* input = nullptr) {
        args.insert(args.begin(), {"library", "--library", m_library});
        return runCli(args, input);
    }
    std::string command(const std::vector<std::string>& args) const {
        std::string line =
            shellQuoted(ORBENZA_CLI_PATH) + " library --library " + shellQuoted(m_library);
        for (const auto& arg : args)
            line += ' ' + shellQuoted(arg);
        return line;
    }
    // count charts named A, B, ... stored in one import.
    void importCharts(int count) {
        std::string csv = "name,date,time,zone,lon,lat,dst\n";
        for (int i = 0; i < count; ++i)
            csv += std::string(1, static_cast<char>('A' + i % 26)) +
                   ",1985-06-15,14:30,34,77:13E," + "28:39N,\n";
        ASSERT_EQ(library({"import", "-"}, &csv).status, 0);
    }
    std::size_t chartCount() {
        return nlohmann::json::parse(library({"list", "--format", "json"}).out).size();
    }

    std::string m_folder, m_library, m_mount;
    bool m_mounted = false;
};

TEST_F(LibraryFaults, ChartNumbersAreDecimalDigitsOnly) {
    importCharts(10);
    // 010 is chart 10, never chart 8 read as octal.
    CliRun run = library({"remove", "010"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "removed chart 10\n");
    EXPECT_EQ(library({"show", "8"}).status, 0);

    const std::pair<const char*, const char*> refused[] = {
        {"0x2", "the chart number must be written in decimal digits, not \"0x2\""},
        {"2.0", "the chart number must be written in decimal digits, not \"2.0\""},
        {" 2", "the chart number must be written in decimal digits, not \" 2\""},
        {"99999999999999999999", "the chart number \"99999999999999999999\" is out of range"},
    };
    for (const auto& [id, message] : refused) {
        for (const char* verb : {"show", "remove"}) {
            run = library({verb, id});
            EXPECT_EQ(run.status, 2) << verb << ' ' << id;
            EXPECT_EQ(run.err, "orbenza-cli: " + std::string(message) + "\n") << verb;
        }
    }
    EXPECT_EQ(chartCount(), 9u);
}

// Every command's output, small and past the 4 KB a stream buffers, to a
// full disk and to a closed output: exit 2 and the single chart's words.
TEST_F(LibraryFaults, AFailedWriteToStandardOutputIsReported) {
    if (::access("/dev/full", W_OK) != 0)
        GTEST_SKIP() << "no /dev/full here";
    const std::vector<std::vector<std::string>> commands = {
        {"list"},
        {"list", "--format", "json"},
        {"show", "1"},
        {"show", "1", "--format", "json"},
        {"show", "1", "--chart"},
        {"show", "1", "--chart", "--format", "json"},
        {"show", "1", "--chart", "--format", "rtf"},
        {"show", "1", "--chart", "--format", "svg"},
        {"export"},
        {"add", "--name", "ZOE"},
    };
    for (int charts : {1, 60}) {
        importCharts(charts);
        for (const auto& args : commands) {
            SCOPED_TRACE(args[0] + (args.size() > 1 ? " " + args.back() : "") + " with " +
                         std::to_string(charts));
            std::string err;
            EXPECT_EQ(runShell(command(args) + " >/dev/full", err), 2);
            EXPECT_EQ(err, "orbenza-cli: cannot write the chart to standard output: " +
                               std::string(std::strerror(ENOSPC)) + "\n");
            EXPECT_EQ(runShell(command(args) + " >&-", err), 2);
            EXPECT_EQ(err, "orbenza-cli: cannot write the chart to standard output: " +
                               std::string(std::strerror(EBADF)) + "\n");
        }
        fs::remove(m_library);
    }
}

TEST_F(LibraryFaults, ImportReadsTheBatchColumnsAsTheBatchDoes) {
    const std::string csv = "name,date,time,place,fold\n"
                            "ANNA,1985-07-01,14:30,\"Madrid, Spain\",\n"
                            "BERT,2021-10-31,02:30,\"Berlin, Germany\",later\n";
    CliRun run = library({"import", "-"}, &csv);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "imported 2 charts\n");
    const std::string tz = "name,date,time,tz,lon,lat\n"
                           "CARA,1905-03-01,10:00,Asia/Kathmandu,85:19E,27:42N\n";
    ASSERT_EQ(library({"import", "-"}, &tz).status, 0);

    // Each stored chart is the single chart of the same row, Place included.
    const std::vector<std::vector<std::string>> singles = {
        {"--name", "ANNA", "--date", "1985-07-01", "--time", "14:30", "--place", "Madrid, Spain"},
        {"--name", "BERT", "--date", "2021-10-31", "--time", "02:30", "--place", "Berlin, Germany",
         "--fold", "later"},
        {"--name", "CARA", "--date", "1905-03-01", "--time", "10:00", "--tz", "Asia/Kathmandu",
         "--lon", "85:19E", "--lat", "27:42N"},
    };
    for (std::size_t i = 0; i < singles.size(); ++i) {
        const CliRun single = runCli(joined(singles[i], {"--format", "json"}));
        ASSERT_EQ(single.status, 0) << single.err;
        run = library({"show", std::to_string(i + 1), "--chart", "--format", "json"});
        EXPECT_EQ(run.out, single.out) << singles[i][1];
    }
    // The place names the city, state and country.
    const auto record = nlohmann::json::parse(library({"show", "1", "--format", "json"}).out);
    EXPECT_EQ(record["City"], "Madrid");
    EXPECT_EQ(record["Country"], "Spain");

    const std::string unknown = "name,date,time,zone,lon,lat,dst,colour\n";
    run = library({"import", "-"}, &unknown);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err.rfind("orbenza-cli: -: the header names an unknown column \"colour\"", 0), 0u)
        << run.err;
    EXPECT_EQ(chartCount(), 3u);
}

// Rows the batch refuses are refused by an import with the same line and
// words, and nothing of the file is stored.
TEST_F(LibraryFaults, ImportRefusesWhatTheBatchRefuses) {
    const std::vector<std::pair<std::string, std::string>> files = {
        {"name,date,time,zone,lon,lat,dst\n", "ANN4,1985-07-01,14:30,29,0:00E,51:30N,\n"
                                              "\"AN\x1B[2JNA\",1985-07-01,14:30,29,0:00E,51:30N,\n"
                                              "BOB,1985-07-01,14:30:75,29,0:00E,51:30N,\n"
                                              "CY,1985-07-01,14:30,29,0:00E,51:30N,\n"},
        {"name,date,time,tz,lon,lat,fold\n",
         "MARS,1985-07-01,14:30,Mars/Olympus,0:00E,51:30N,\n"
         "GAP,2021-03-28,02:30,Europe/Berlin,13:24E,52:31N,\n"
         "TWICE,2021-10-31,02:30,Europe/Berlin,13:24E,52:31N,\n"
         "FOLD,2021-10-31,02:30,Europe/Berlin,13:24E,52:31N,sideways\n"
         "CY,2021-10-31,02:30,Europe/Berlin,13:24E,52:31N,earlier\n"},
    };
    for (const auto& [header, rows] : files) {
        const std::string csv = header + rows;
        std::vector<std::string> expected = batchErrors(csv);
        ASSERT_EQ(expected.size(), 4u + (header.find("tz") != std::string::npos));
        expected.pop_back(); // the last row is charted
        const CliRun run = library({"import", "-"}, &csv);
        EXPECT_EQ(run.status, 2);
        std::string listed;
        for (const auto& error : expected)
            listed += "-: " + error + "\n";
        // The name's escape is printed escaped, as every message is.
        std::size_t escape;
        while ((escape = listed.find('\x1B')) != std::string::npos)
            listed.replace(escape, 1, "\\x1B");
        EXPECT_EQ(run.err, listed + "orbenza-cli: -: " + std::to_string(expected.size()) +
                               " rows refused; nothing was imported\n");
    }
    EXPECT_FALSE(fs::exists(m_library));
}

// An export's row whose zone, or zone history, contradicts its stored
// offset is refused rather than stored with either.
TEST_F(LibraryFaults, ImportRefusesAnOffsetThatContradictsItsClock) {
    const std::string csv = "name,date,time,zone,tz,utoffset\n"
                            "ROW,1985-07-01,14:30,34,,+05:00\n"
                            "ZONE,1985-07-01,14:30,,Europe/Madrid,+01:00\n"
                            "FINE,1985-07-01,14:30,,Europe/Madrid,+02:00\n";
    const CliRun run = library({"import", "-"}, &csv);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err,
              "-: line 2: utoffset \"+05:00\" contradicts zone 34, whose offset is +05:30\n"
              "-: line 3: utoffset \"+01:00\" contradicts the clock of Europe/Madrid, which was "
              "+02:00 then\n"
              "orbenza-cli: -: 2 rows refused; nothing was imported\n");
}

TEST_F(LibraryFaults, ListAndShowPrintNoControlCharacters) {
    const std::string csv = "name,city,note\n"
                            "ANNA,\"Evil\x1B]0;title\x07\",\"two\nlines\xC2\x9B\"\n";
    ASSERT_EQ(library({"import", "-"}, &csv).status, 0);
    for (const auto& args : {std::vector<std::string>{"list"}, {"show", "1"}}) {
        const CliRun run = library(args);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_NE(run.out.find("Evil\\x1B]0;title\\x07"), std::string::npos) << run.out;
        EXPECT_EQ(run.out.find("\xC2\x9B"), std::string::npos) << run.out;
        for (char c : run.out) {
            const auto byte = static_cast<unsigned char>(c);
            EXPECT_TRUE(byte >= 0x20 || c == '\n') << args[0] << ": byte " << int(byte);
        }
    }
}

// An export read back gives the same bytes, the atlas's coordinates to the
// last digit; a chart kept on a place's local mean time is shown with the
// windows the single chart has, to the second.
TEST_F(LibraryFaults, ChartFromTheAtlasIsTheSingleChart) {
    const std::vector<std::string> kathmandu = {"--name", "KIRAN", "--date",  "1905-03-01",
                                                "--time", "10:00", "--place", "Kathmandu"};
    CliRun run = library(joined({"add"}, kathmandu));
    ASSERT_EQ(run.status, 0) << run.err;
    const CliRun single = runCli(joined(kathmandu, {"--format", "json"}));
    ASSERT_EQ(single.status, 0) << single.err;
    ASSERT_NE(single.out.find("\"LMT\""), std::string::npos);
    EXPECT_EQ(library({"show", "1", "--chart", "--format", "json"}).out, single.out);
    const auto record = nlohmann::json::parse(library({"show", "1", "--format", "json"}).out);
    EXPECT_EQ(record["City"], "Kathmandu");
    EXPECT_EQ(record["State"], "Bagmati Province");
    EXPECT_EQ(record["Country"], "Nepal");

    const CliRun exported = library({"export"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string other = m_folder + "/other.sqlite";
    run = runCli({"library", "--library", other, "import", "-"}, &exported.out);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "imported 1 chart\n");
    EXPECT_EQ(runCli({"library", "--library", other, "export"}).out, exported.out);
    EXPECT_EQ(
        runCli({"library", "--library", other, "show", "1", "--chart", "--format", "json"}).out,
        single.out);

    for (const char* format : {"text", "json"}) {
        const CliRun bare = runCli(joined(kathmandu, {"--format", format, "--report", "none"}));
        run = library({"show", "1", "--chart", "--format", format, "--report", "none"});
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out, bare.out) << format;
    }
    run = library({"show", "1", "--chart", "--format", "svg", "--report", "none"});
    EXPECT_EQ(run.status, 2);
}

TEST_F(LibraryFaults, AMissingLibraryIsReportedAndNotCreated) {
    m_library = m_folder + "/none/charts.sqlite";
    for (const auto& args :
         {std::vector<std::string>{"list"}, {"export"}, {"show", "1"}, {"remove", "1"}}) {
        const CliRun run = library(args);
        EXPECT_EQ(run.status, 2) << args[0];
        EXPECT_EQ(run.err, "orbenza-cli: the library " + m_library + " does not exist\n");
    }
    EXPECT_FALSE(fs::exists(m_folder + "/none"));
}

TEST_F(LibraryFaults, ALibraryInAReadOnlyFolderCanBeRead) {
    importCharts(3);
    m_mount = m_folder + "/mount";
    fs::create_directory(m_mount);
    if (::geteuid() != 0 || ::mount("tmpfs", m_mount.c_str(), "tmpfs", 0, "size=1m") != 0)
        GTEST_SKIP() << "mounting a read-only folder needs root and the right to mount";
    m_mounted = true;
    fs::copy_file(m_library, m_mount + "/charts.sqlite");
    ASSERT_EQ(::mount("tmpfs", m_mount.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr), 0);
    const std::string expected = library({"list"}).out;
    m_library = m_mount + "/charts.sqlite";
    CliRun run = library({"list"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, expected);
    EXPECT_EQ(library({"show", "2", "--chart"}).status, 0);
    run = library({"add", "--name", "ZOE"});
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("read-only"), std::string::npos) << run.err;
}

// A refused field is quoted with its first 60 characters and its length,
// by the library, the batch and the single chart alike.
TEST_F(LibraryFaults, ARefusedFieldIsEchoedShortened) {
    const std::string longText(100, 'Q');
    const std::string rows = "name,date,time,place,fold\n"
                             "A,1985-07-01,14:30," +
                             longText +
                             ",\n"
                             "B,1985-07-01,14:30,Madrid," +
                             longText +
                             "\n"
                             "C," +
                             longText + ",14:30,Madrid,\n";
    const std::string zones =
        "name,date,time,tz,lon,lat\nA,1985-07-01,14:30," + longText + ",0:00E,1:00N\n";
    const std::vector<std::pair<std::vector<std::string>, const std::string*>> runs = {
        {{"library", "--library", m_library, "import", "-"}, &rows},
        {{"library", "--library", m_library, "import", "-"}, &zones},
        {{"--batch", "-"}, &rows},
        {{"--batch", "-"}, &zones},
        {{"--name", "A", "--place", longText}, nullptr},
        {{"--name", "A", "--tz", longText}, nullptr},
        {{"--name", "A", "--place", "Madrid", "--fold", longText}, nullptr},
        {{"--name", "--" + longText}, nullptr},
        {{"library", "--library", m_library, "show", longText}, nullptr},
    };
    for (const auto& [args, input] : runs) {
        const CliRun run = runCli(args, input);
        const std::string said = run.out + run.err;
        EXPECT_NE(said.find("\xE2\x80\xA6\" (10"), std::string::npos) << args[1] << said;
        EXPECT_EQ(said.find(std::string(61, 'Q')), std::string::npos) << args[1] << said;
    }
    const CliRun run = library({"import", "-"}, &rows);
    EXPECT_NE(run.err.find("3 rows refused"), std::string::npos) << run.err;
    const std::string one = rows.substr(0, rows.find("\nB,") + 1);
    EXPECT_NE(library({"import", "-"}, &one).err.find(": 1 row refused; nothing was imported"),
              std::string::npos);
}

} // namespace
} // namespace orbenza::testing
