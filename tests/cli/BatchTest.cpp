// orbenza-cli --batch as its users meet it: a CSV file in, one chart or one
// error per row out, in input order, with the exit status telling how it went.
#include "CliRunner.h"

#include <algorithm>
#include <chrono>
#include <dirent.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <pty.h>
#include <random>
#include <sys/stat.h>
#include <thread>

namespace orbenza {
namespace {

using testing::readWhole;
using testing::runCli;

const std::string kHeader = "name,date,time,zone,lon,lat,dst\n";
const std::string kAnna = "ANNA,1985-06-15,14:30,34,77:13E,28:39N,\n";

// A folder of its own for each test, removed with everything in it.
class TempDir {
public:
    TempDir() {
        char pattern[] = "/tmp/orbenza-batch-test-XXXXXX";
        m_path = ::mkdtemp(pattern);
    }
    ~TempDir() {
        for (const auto& name : names())
            std::remove((m_path + "/" + name).c_str());
        ::rmdir(m_path.c_str());
    }
    std::string file(const std::string& name, const std::string& content) const {
        const std::string path = m_path + "/" + name;
        std::ofstream(path, std::ios::binary) << content;
        return path;
    }
    std::string path(const std::string& name) const { return m_path + "/" + name; }
    std::vector<std::string> names() const {
        std::vector<std::string> found;
        if (DIR* dir = ::opendir(m_path.c_str())) {
            while (const dirent* entry = ::readdir(dir)) {
                if (entry->d_name[0] != '.')
                    found.emplace_back(entry->d_name);
            }
            ::closedir(dir);
        }
        std::sort(found.begin(), found.end());
        return found;
    }

private:
    std::string m_path;
};

std::vector<std::string> linesOf(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string singleChartJson(const std::vector<std::string>& args) {
    std::vector<std::string> all = args;
    all.insert(all.end(), {"--format", "json"});
    return nlohmann::json::parse(runCli(all).out).dump();
}

TEST(Batch, GoodAndBadRowsComeOutInInputOrder) {
    TempDir dir;
    const std::string csv = kHeader + kAnna +
                            "  ,1985-06-15,14:30,34,77:13E,28:39N,0\n"      // line 3
                            "B,1985-02-30,14:30,34,77:13E,28:39N,no\n"      // line 4
                            "C,1985-04-31,14:30,34,77:13E,28:39N,\n"        // line 5
                            "D,1985-06-15,14:30,34,180:00E,28:39N,\n"       // line 6
                            "E,15/06/1985,14:30,34,77:13E,28:39N,\n"        // line 7
                            "F,1985-06-15,14:30,34,77:13E,28:39N,maybe\n"   // line 8
                            "G,1985-06-15,14:30,34,77:13E,28:39N\n"         // line 9
                            "Bob,1990-01-01,06:05,GMT,0:07W,51:30N,TRUE\n"; // line 10
    const auto run =
        runCli({"--batch", dir.file("rows.csv", csv), "--windows", "--aspects", "major"});
    EXPECT_EQ(run.status, 1);
    const auto lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 9u) << run.out.substr(0, 2000);

    // A chart is the same object as --format json gives for that birth (which
    // always has the windows).
    EXPECT_EQ(nlohmann::json::parse(lines[0]).dump(),
              singleChartJson({"--name", "ANNA", "--date", "1985-06-15", "--time", "14:30",
                               "--zone", "34", "--lon", "77:13E", "--lat", "28:39N"}));
    EXPECT_EQ(nlohmann::json::parse(lines[8]).dump(),
              singleChartJson({"--name", "Bob", "--date", "1990-01-01", "--time", "06:05", "--zone",
                               "GMT", "--lon", "0:07W", "--lat", "51:30N", "--dst"}));

    // Refusals carry the birth checks' own words; malformed fields the
    // option's message, named after the column.
    const std::vector<std::pair<int, std::string>> errors{
        {3, "Please Enter Name"},
        {4, "Please Enter Correct Date Or Month!"},
        {5, "Please Enter Correct Date Or Month !"},
        {6, "Please Enter Value Between 0 And 179 in the Degree of Longitude"},
        {7, "date must look like YYYY-MM-DD, not \"15/06/1985\""},
        {8, "dst must be empty, 0, false, no, 1, true or yes, not \"maybe\""},
        {9, "the row has 6 fields, not 7"},
    };
    std::string expectedErr;
    for (std::size_t i = 0; i < errors.size(); ++i) {
        const auto [line, message] = errors[i];
        EXPECT_EQ(lines[i + 1],
                  nlohmann::ordered_json({{"line", line}, {"error", message}}).dump());
        expectedErr.append("line ").append(std::to_string(line)).append(": ").append(message) +=
            '\n';
    }
    EXPECT_EQ(run.err, expectedErr);
}

TEST(Batch, WindowsOnlyWhenAskedAndOnlyInJson) {
    TempDir dir;
    const std::string path = dir.file("rows.csv", kHeader + kAnna);
    const auto plain = runCli({"--batch", path});
    ASSERT_EQ(plain.status, 0) << plain.err;
    const auto plainJson = nlohmann::ordered_json::parse(linesOf(plain.out).at(0));
    EXPECT_FALSE(plainJson.contains("AscendantWindow"));
    EXPECT_FALSE(plainJson.contains("HouseWindow"));

    const auto windows = runCli({"--batch", path, "--windows", "--report", "none"});
    ASSERT_EQ(windows.status, 0) << windows.err;
    const auto json = nlohmann::ordered_json::parse(linesOf(windows.out).at(0));
    for (const char* key : {"AscendantWindow", "HouseWindow"}) {
        ASSERT_TRUE(json.contains(key)) << windows.out;
        const std::string from = json[key]["From"].get<std::string>();
        const std::string to = json[key]["To"].get<std::string>();
        EXPECT_LE(from, "1985-06-15T14:30:00") << key;
        EXPECT_GE(to, "1985-06-15T14:30:00") << key;
        EXPECT_EQ(from.size(), 19u) << from;
    }
    // The keys follow the houses.
    std::vector<std::string> keys;
    for (const auto& item : json.items())
        keys.push_back(item.key());
    const auto houses = std::find(keys.begin(), keys.end(), "Houses");
    ASSERT_NE(houses, keys.end());
    ASSERT_LT(houses + 2, keys.end());
    EXPECT_EQ(*(houses + 1), "AscendantWindow");
    EXPECT_EQ(*(houses + 2), "HouseWindow");

    const auto csv = runCli({"--batch", path, "--windows", "--format", "csv"});
    EXPECT_EQ(csv.status, 2);
    EXPECT_NE(csv.err.find("--windows"), std::string::npos) << csv.err;
}

TEST(Batch, AllGoodExitsZero) {
    TempDir dir;
    const auto run = runCli({"--batch", dir.file("rows.csv", kHeader + kAnna + kAnna)});
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.err.empty());
    EXPECT_EQ(linesOf(run.out).size(), 2u);
    // A header and nothing else is a batch of no charts.
    const auto empty = runCli({"--batch", dir.file("empty.csv", kHeader)});
    EXPECT_EQ(empty.status, 0) << empty.err;
    EXPECT_TRUE(empty.out.empty());
}

TEST(Batch, UnreadableInputOrHeaderExitsTwo) {
    TempDir dir;
    struct Row {
        std::string what, input, says;
    };
    const Row rows[] = {
        {"missing file", "", "cannot read"},
        {"empty file", "", "no header row"},
        {"unknown column", "name,date,time,zone,lon,lat,dst,city\n" + kAnna,
         "unknown column \"city\""},
        {"missing column", "name,date,time,zone,lon,lat\n" + kAnna, "lacks the column dst"},
        {"column twice", "name,date,time,zone,lon,lat,DATE\n" + kAnna, "column date twice"},
        {"open quote in header", "\"name,date,time,zone,lon,lat,dst\n" + kAnna, "not closed"},
    };
    for (const auto& row : rows) {
        const std::string path =
            row.what == "missing file" ? dir.path("no-such.csv") : dir.file("in.csv", row.input);
        const auto run = runCli({"--batch", path});
        EXPECT_EQ(run.status, 2) << row.what;
        EXPECT_TRUE(run.out.empty()) << row.what;
        EXPECT_NE(run.err.find(row.says), std::string::npos) << row.what << ": " << run.err;
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "not one line: " << run.err;
    }
    const auto directory = runCli({"--batch", dir.path("")});
    EXPECT_EQ(directory.status, 2) << directory.err;
}

TEST(Batch, ReadsRfc4180Csv) {
    TempDir dir;
    // A byte order mark, CRLF line ends, columns in another order and case,
    // quoted fields with commas, quotes and a line break, blank lines.
    const std::string csv = "\xEF\xBB\xBF"
                            "Lat,LON,zone,time,date,Name,dst\r\n"
                            "\r\n"
                            "28:39N,\"77:13E\",34,14:30,1985-06-15,\"Smith, \"\"JJ\"\"\",\r\n"
                            "28:39N,77:13E,34,14:30,1985-06-15,\"Jo\r\nLee\",1\r\n"
                            "\"28:39N\",77:13E,\"34\",14:30,1985-06-15,\"O'Brien\",\"1\"\r\n"
                            "   \r\n"
                            "28:39N,77:13E,34,14:30,1985-02-30,late,\r\n";
    const auto run = runCli({"--batch", dir.file("rows.csv", csv)});
    EXPECT_EQ(run.status, 1);
    const auto lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 4u) << run.out.substr(0, 500);
    // Quoted fields are read whole (a comma, doubled quotes, a line break):
    // the names they give are then held to the name rule.
    const std::string notLetters = "name: Please Enter only Letters";
    EXPECT_EQ(lines[0], "{\"line\":3,\"error\":\"" + notLetters + "\"}");
    EXPECT_EQ(lines[1], "{\"line\":4,\"error\":\"" + notLetters + "\"}");
    const auto charted = nlohmann::json::parse(lines[2]);
    EXPECT_EQ(charted.at("Name"), "O'Brien");
    EXPECT_EQ(charted.at("SunSign"), "Gemini");
    EXPECT_EQ(charted.at("DaylightSaving"), true);
    // The last row starts on line 8: the quoted line break counts.
    EXPECT_EQ(lines[3], "{\"line\":8,\"error\":\"Please Enter Correct Date Or Month!\"}");
    EXPECT_EQ(run.err, "line 3: " + notLetters + "\nline 4: " + notLetters +
                           "\nline 8: Please Enter Correct Date Or Month!\n");
}

TEST(Batch, ReadsStandardInputForADash) {
    const std::string csv = kHeader + kAnna;
    const auto run = runCli({"--batch", "-"}, &csv);
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out).at("Ascendant"), "Libra");
}

// rows births spread over every zone and the whole date range; every 13th
// row is refused.
std::string generatedRows(int rows) {
    std::mt19937 random(99);
    auto pick = [&](int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(random);
    };
    std::string csv = kHeader;
    char row[200];
    for (int i = 0; i < rows; ++i) {
        // A name of letters only, different for every row, quoted.
        char name[8] = "";
        for (int k = 0, n = i; k < 4; ++k, n /= 26)
            name[k] = static_cast<char>('a' + n % 26);
        std::snprintf(row, sizeof row,
                      "\"Name %s\",%04d-%02d-%02d,%02d:%02d,%d,%d:%02d%c,%d:%02d%c,%s\n", name,
                      pick(1901, 2050), i % 13 == 0 ? 2 : pick(1, 12),
                      i % 13 == 0 ? 30 : pick(1, 28), pick(0, 23), pick(0, 59), pick(0, 70),
                      pick(0, 179), pick(0, 59), pick(0, 1) ? 'E' : 'W', pick(0, 89), pick(0, 59),
                      pick(0, 1) ? 'N' : 'S', pick(0, 1) ? "yes" : "");
        csv += row;
    }
    return csv;
}

TEST(Batch, TwoJobsWriteExactlyWhatOneWrites) {
    TempDir dir;
    const std::string path = dir.file("rows.csv", generatedRows(3000));
    const auto one = runCli({"--batch", path});
    const auto two = runCli({"--batch", path, "--jobs", "2"});
    const auto all = runCli({"--batch", path, "--jobs", "0"});
    EXPECT_EQ(one.status, 1);
    EXPECT_EQ(linesOf(one.out).size(), 3000u);
    EXPECT_TRUE(two.out == one.out) << "--jobs 2 differs from --jobs 1";
    EXPECT_TRUE(all.out == one.out) << "--jobs 0 differs from --jobs 1";
    EXPECT_EQ(two.err, one.err);
    EXPECT_EQ(two.status, one.status);
    EXPECT_EQ(linesOf(one.err).size(), 3000u / 13 + 1);

    const auto csvOne = runCli({"--batch", path, "--format", "csv"});
    const auto csvTwo = runCli({"--batch", path, "--format", "csv", "--jobs", "2"});
    EXPECT_TRUE(csvTwo.out == csvOne.out) << "CSV: --jobs 2 differs from --jobs 1";
}

TEST(Batch, CsvOutputHasOneRowPerChart) {
    TempDir dir;
    const std::string csv =
        kHeader + kAnna + "\"Lee, \"\"K\"\"\",1985-02-30,14:30,34,77:13E,28:39N,\n";
    const auto run = runCli({"--batch", dir.file("rows.csv", csv), "--format", "csv"});
    EXPECT_EQ(run.status, 1);
    const auto lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], "name,Sun,Moon,Mercury,Venus,Mars,Jupiter,Saturn,Uranus,Neptune,Pluto,Asc,"
                        "Sun label,Moon label,Mercury label,Venus label,Mars label,Jupiter label,"
                        "Saturn label,Uranus label,Neptune label,Pluto label,Asc label,"
                        "Sun house,Moon house,Mercury house,Venus house,Mars house,Jupiter house,"
                        "Saturn house,Uranus house,Neptune house,Pluto house,line,error");
    // The positions, labels and houses of the Delhi chart, its line, no error;
    // labels that end in a blank are quoted.
    const auto chart =
        nlohmann::json::parse(linesOf(runCli({"--batch", dir.path("rows.csv")}).out)[0]);
    std::string expected = "ANNA";
    for (const auto& position : chart.at("PlanetPositions"))
        expected.append(",").append(position.get<std::string>());
    for (const auto& label : chart.at("PlanetNames")) {
        const std::string text = label.get<std::string>();
        expected += ',';
        expected += text.back() == ' ' ? '"' + text + '"' : text;
    }
    for (const char* planet : {"Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
                               "Uranus", "Neptune", "Pluto"})
        expected.append(",").append(std::to_string(chart.at("Houses").at(planet).get<int>()));
    expected += ",2,";
    EXPECT_EQ(lines[1], expected);
    EXPECT_NE(lines[1].find("\"Jupiter (R) \""), std::string::npos) << lines[1];
    // A refused row keeps its name (quoted as CSV wants), its line and error.
    const std::string refusedRow = std::string("\"Lee, \"\"K\"\"\"")
                                       .append(32, ',')
                                       .append(",3,name: Please Enter only Letters");
    EXPECT_EQ(lines[2], refusedRow);
}

TEST(Batch, OutputFileAppearsWholeOrNotAtAll) {
    TempDir dir;
    const std::string rows =
        dir.file("rows.csv", kHeader + kAnna + "X,1985-02-30,14:30,34,77:13E,28:39N,\n");
    const std::string target = dir.path("charts.jsonl");
    const auto toStdout = runCli({"--batch", rows});

    const auto saved = runCli({"--batch", rows, "--output", target});
    EXPECT_EQ(saved.status, 1);
    EXPECT_TRUE(saved.out.empty());
    EXPECT_EQ(saved.err, "line 3: Please Enter Correct Date Or Month!\n");
    EXPECT_EQ(readWhole(target), toStdout.out);

    // A bad header leaves the old file as it was and no temporary file behind.
    const std::string badHeader = dir.file("bad.csv", "name,when\n" + kAnna);
    const auto refused = runCli({"--batch", badHeader, "--output", target});
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(readWhole(target), toStdout.out);
    EXPECT_EQ(dir.names(), (std::vector<std::string>{"bad.csv", "charts.jsonl", "rows.csv"}));

    const auto nowhere = runCli({"--batch", rows, "--output", dir.path("no/such/dir/x.jsonl")});
    EXPECT_EQ(nowhere.status, 2);
    EXPECT_NE(nowhere.err.find("cannot write"), std::string::npos) << nowhere.err;
}

TEST(Batch, AnInterruptedBatchLeavesNoFileBehind) {
    // The input never ends within the program's life: the batch is still
    // writing its temporary file when SIGTERM arrives.
    TempDir dir;
    const std::string target = dir.path("charts.jsonl");
    const std::string command = "{ printf '" + kHeader.substr(0, kHeader.size() - 1) + "\\n" +
                                kAnna.substr(0, kAnna.size() - 1) +
                                "\\n'; sleep 1; } | timeout -s TERM 0.3 " +
                                testing::shellQuoted(ORBENZA_CLI_PATH) + " --batch - --output " +
                                testing::shellQuoted(target) + " 2>/dev/null";
    const int raw = std::system(command.c_str());
    ASSERT_TRUE(WIFEXITED(raw)) << command;
    EXPECT_EQ(WEXITSTATUS(raw), 124) << "timeout did not have to stop the batch: " << command;
    EXPECT_TRUE(dir.names().empty()) << "left behind: " << dir.names().front();
}

TEST(Batch, OptionsThatDoNotGoTogether) {
    TempDir dir;
    const std::string rows = dir.file("rows.csv", kHeader + kAnna);
    const std::vector<std::vector<std::string>> wrong{
        {"--batch", rows, "--name", "X"},      {"--batch", rows, "--dst"},
        {"--batch", rows, "--format", "text"}, {"--batch", rows, "--format", "rtf"},
        {"--batch", rows, "--jobs", "-1"},     {"--name", "X", "--jobs", "2"},
        {"--name", "X", "--format", "csv"},    {"--batch"},
    };
    for (const auto& args : wrong) {
        const auto run = runCli(args);
        EXPECT_EQ(run.status, 2) << args.back();
        EXPECT_TRUE(run.out.empty()) << args.back();
        EXPECT_EQ(run.err.find('\n'), run.err.size() - 1) << "not one line: " << run.err;
    }
    // The single chart still needs its name.
    EXPECT_EQ(runCli({"--date", "1985-06-15"}).status, 2);
}

} // namespace
} // namespace orbenza

namespace orbenza {
namespace {

TEST(BatchPositions, PreciseChartsAreTheSingleChartsPreciseObjects) {
    TempDir dir;
    const std::string csv = kHeader + kAnna + "Bob,1990-01-01,06:05,GMT,0:07W,51:30N,TRUE\n";
    const auto run = runCli({"--batch", dir.file("rows.csv", csv), "--positions", "precise",
                             "--windows", "--aspects", "major"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 2u) << run.out.substr(0, 2000);
    EXPECT_EQ(
        nlohmann::json::parse(lines[0]).dump(),
        singleChartJson({"--name", "ANNA", "--date", "1985-06-15", "--time", "14:30", "--zone",
                         "34", "--lon", "77:13E", "--lat", "28:39N", "--positions", "precise"}));
    EXPECT_EQ(nlohmann::json::parse(lines[1]).at("Positions"), "precise");
    EXPECT_NE(nlohmann::json::parse(lines[0]).dump(),
              singleChartJson({"--name", "ANNA", "--date", "1985-06-15", "--time", "14:30",
                               "--zone", "34", "--lon", "77:13E", "--lat", "28:39N"}));
    // Without the option the batch keeps the built-in positions.
    const auto classic = runCli({"--batch", dir.file("rows.csv", csv)});
    EXPECT_EQ(nlohmann::json::parse(linesOf(classic.out)[0]).at("Positions"), "classic");
}

} // namespace
} // namespace orbenza

namespace orbenza {
namespace {

// Peak resident memory of orbenza-cli in kilobytes, from /usr/bin/time; 0
// when it cannot be measured here.
long peakKilobytes(const std::vector<std::string>& args, const std::string& input) {
    TempDir dir;
    const std::string in = dir.file("in.csv", input);
    const std::string report = dir.path("time.txt");
    std::string command = "/usr/bin/time -f %M -o " + report + " " + ORBENZA_CLI_PATH;
    for (const std::string& arg : args)
        command += " " + testing::shellQuoted(arg);
    command += " < " + in + " > /dev/null 2>&1";
    if (::access("/usr/bin/time", X_OK) != 0 || std::system(command.c_str()) == -1)
        return 0;
    return std::atol(readWhole(report).c_str());
}

// What needs no atlas never reads it (reading it takes some 12 MB), and no
// more threads run than there are processors (1,024 threads took 206 MB).
TEST(BatchResources, PlainRowsLeaveTheAtlasUnreadAndThreadsAreCapped) {
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer's own memory hides the program's";
#endif
    std::string rows = kHeader;
    for (int i = 0; i < 200; ++i)
        rows += kAnna;
    const long plain = peakKilobytes({"--batch", "-"}, rows);
    if (plain == 0)
        GTEST_SKIP() << "/usr/bin/time is not installed";
    EXPECT_LT(plain, 12'000) << "a batch of zone rows";
    const std::string zones = "name,date,time,tz,lon,lat\nANNA,1985-07-01,14:30,Europe/Madrid,"
                              "3:42W,40:25N\n";
    EXPECT_LT(peakKilobytes({"--batch", "-"}, zones), 12'000) << "a batch of tz rows";
    EXPECT_LT(peakKilobytes({"--batch", "-", "--jobs", "1024"}, rows), 40'000) << "--jobs 1024";
}

// A batch that runs longer than two seconds shows rows done and their rate
// (standard input has no size to tell the time left) on a terminal, and
// erases the line at the end. Its rows come in two blocks of 64 (a block of
// one job), the second after 2.3 seconds.
TEST(BatchProgress, ShownOnATerminalOnceTwoSecondsHavePassed) {
    TempDir dir;
    const std::string output = dir.path("charts.jsonl");
    int rows[2];
    ASSERT_EQ(::pipe(rows), 0);
    int terminal = -1;
    const pid_t pid = ::forkpty(&terminal, nullptr, nullptr, nullptr);
    ASSERT_GE(pid, 0);
    if (pid == 0) {
        ::dup2(rows[0], STDIN_FILENO);
        ::close(rows[1]);
        ::dup2(::open(output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
        ::execl(ORBENZA_CLI_PATH, "orbenza-cli", "--batch", "-", static_cast<char*>(nullptr));
        ::_exit(127);
    }
    ::close(rows[0]);
    std::string block;
    for (int i = 0; i < 64; ++i)
        block += kAnna;
    ASSERT_TRUE(testing::writeAll(rows[1], kHeader + block));
    std::this_thread::sleep_for(std::chrono::milliseconds(2300));
    ASSERT_TRUE(testing::writeAll(rows[1], block));
    ::close(rows[1]);
    std::string seen;
    char buffer[256];
    for (ssize_t got; (got = ::read(terminal, buffer, sizeof buffer)) > 0;)
        seen.append(buffer, static_cast<std::size_t>(got)); // ends with EIO when the batch exits
    ::close(terminal);
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    EXPECT_EQ(seen.rfind("\r128 rows, ", 0), 0u) << seen;
    EXPECT_NE(seen.find(" rows/s\x1b[K\r\x1b[K"), std::string::npos) << seen;
    EXPECT_EQ(seen.find("left"), std::string::npos) << seen;
    EXPECT_EQ(linesOf(readWhole(output)).size(), 128u);
}

} // namespace
} // namespace orbenza
