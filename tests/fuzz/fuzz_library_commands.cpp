// Any bytes as the words of an `orbenza-cli library` command line, run on a
// library of twelve charts (numbered 1 to 12).
//
// The input is split at line feeds into at most 16 words, which follow
// "library --library charts.sqlite"; a word ends at its first NUL byte, as
// it would in a real argument vector. Everything happens in a scratch folder:
// a "/" in a word becomes "_" (except for the zone after --tz), and "-" (read
// standard input) becomes "_", so paths are names in that folder. Standard
// output and standard error go to /dev/null.
//
// Promises checked:
// - the status is 0 or 2;
// - a chart is gone only after a command that succeeded, and only the one
//   that one of its words names in decimal digits ("010" is chart 10, never
//   chart 8); at most one chart is gone;
// - the library file, when it is still a library, opens without a fault;
// - no exception leaves the program (libFuzzer reports one as a crash).
#include "FuzzSupport.h"
#include "LibraryCommands.h"
#include "store/ChartLibrary.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

using namespace orbenza;
using orbenza::fuzz::printable;

namespace {

namespace fs = std::filesystem;

constexpr const char* kLibrary = "charts.sqlite";
constexpr const char* kTemplate = "template.sqlite"; // kept in the parent folder
constexpr std::size_t kMostWords = 16;

int g_stderr = -1; // the real standard error, back after each command

std::set<std::int64_t> chartNumbers(const std::string& path) {
    std::set<std::int64_t> numbers;
    store::ChartLibrary library;
    if (!library.openExisting(path))
        return numbers;
    for (const store::ChartSummary& s : library.summaries())
        numbers.insert(s.id);
    return numbers;
}

bool startsAsSqlite(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    char header[16] = {};
    file.read(header, sizeof header);
    return file.gcount() == 16 && std::string_view(header, 15) == "SQLite format 3";
}

// A scratch folder with a library of twelve charts to copy for every run.
std::string prepareFolder() {
    char pattern[] = "/tmp/orbenza-fuzz-library-XXXXXX";
    if (::mkdtemp(pattern) == nullptr)
        std::abort();
    static const std::string root = pattern;
    std::atexit([] {
        std::error_code ignored;
        fs::remove_all(root, ignored);
    });
    fs::create_directory(root + "/run");
    store::ChartLibrary library;
    if (!library.open(root + "/" + kTemplate))
        std::abort();
    std::vector<store::ChartRecord> charts(12);
    for (std::size_t i = 0; i < charts.size(); ++i)
        charts[i].name = std::string(1, static_cast<char>('A' + i));
    if (!library.addAll(charts))
        std::abort();
    library.close();
    ::setenv("ORBENZA_LIBRARY", (root + "/run/" + kLibrary).c_str(), 1);
    return root;
}

std::vector<std::string> wordsOf(std::string_view input) {
    std::vector<std::string> words;
    while (words.size() < kMostWords) {
        const std::size_t end = input.find('\n');
        std::string word(input.substr(0, end));
        word.resize(std::min(word.size(), word.find('\0'))); // as exec passes it: up to a NUL
        const bool zone = !words.empty() && words.back() == "--tz";
        for (char& c : word) {
            if (c == '/' && !zone)
                c = '_';
        }
        if (word == "-")
            word = "_";
        words.push_back(std::move(word));
        if (end == std::string_view::npos)
            break;
        input.remove_prefix(end + 1);
    }
    return words;
}

// Whether a word is the number written in decimal digits.
bool namesInDecimal(const std::string& word, std::int64_t number) {
    if (word.empty() || word.size() > 18 ||
        word.find_first_not_of("0123456789") != std::string::npos)
        return false;
    return std::stoll(word) == number;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const std::string root = prepareFolder();
    static const std::set<std::int64_t> before = chartNumbers(root + "/" + kTemplate);
    const std::string input(reinterpret_cast<const char*>(data), size);

    // A fresh copy of the library in an empty folder.
    const std::string folder = root + "/run";
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    fs::create_directory(folder);
    fs::copy_file(root + "/" + kTemplate, folder + "/" + kLibrary);
    // The command runs in the scratch folder; libFuzzer's own relative paths
    // need the folder it was started in back afterwards.
    static const int startFolder = ::open(".", O_RDONLY | O_DIRECTORY);
    if (startFolder < 0 || ::chdir(folder.c_str()) != 0)
        std::abort();

    std::vector<std::string> words = {"library", "--library", kLibrary};
    const std::vector<std::string> given = wordsOf(input);
    words.insert(words.end(), given.begin(), given.end());
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    if (g_stderr < 0)
        g_stderr = ::dup(STDERR_FILENO);
    const int quiet = ::open("/dev/null", O_WRONLY);
    ::dup2(quiet, STDOUT_FILENO);
    ::dup2(quiet, STDERR_FILENO);
    ::close(quiet);
    const int status = cli::runLibraryCommand(static_cast<int>(words.size()), argv.data());
    ::dup2(g_stderr, STDERR_FILENO);
    if (::fchdir(startFolder) != 0)
        std::abort();

    FUZZ_CHECK(status == 0 || status == 2,
               "status " + std::to_string(status) + "; input: " + printable(input));
    const std::string library = folder + "/" + kLibrary;
    if (!startsAsSqlite(library))
        return 0; // replaced by an export, or never made
    {
        store::ChartLibrary check;
        FUZZ_CHECK(check.openExisting(library), "the library no longer opens: " + check.error() +
                                                    "; input: " + printable(input));
    }
    const std::set<std::int64_t> after = chartNumbers(library);
    std::vector<std::int64_t> gone;
    for (std::int64_t number : before) {
        if (after.count(number) == 0)
            gone.push_back(number);
    }
    FUZZ_CHECK(gone.size() <= 1 && (gone.empty() || status == 0),
               std::to_string(gone.size()) + " charts gone, status " + std::to_string(status) +
                   "; input: " + printable(input));
    if (!gone.empty()) {
        bool named = false;
        for (const std::string& word : given)
            named = named || namesInDecimal(word, gone[0]);
        FUZZ_CHECK(named,
                   "chart " + std::to_string(gone[0]) +
                       " removed though no word names it in decimal; input: " + printable(input));
    }
    return 0;
}
