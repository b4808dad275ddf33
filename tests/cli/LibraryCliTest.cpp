#include "CliRunner.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace orbenza::testing {
namespace {

class LibraryCli : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = "/tmp/orbenza-library-cli-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
        m_library = m_folder + "/charts.sqlite";
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    // A library command on this test's library file.
    CliRun library(std::vector<std::string> args, const std::string* input = nullptr) {
        args.insert(args.begin(), {"library", "--library", m_library});
        return runCli(args, input);
    }
    std::string file(const std::string& name) const { return m_folder + "/" + name; }

    std::string m_folder, m_library;
};

const std::vector<std::string> kAnna = {"--name", "ANNA",   "--date", "1985-06-15",
                                        "--time", "14:30",  "--zone", "IST",
                                        "--lon",  "77:13E", "--lat",  "28:39N"};

std::vector<std::string> joined(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(LibraryCli, AddListShowRemove) {
    CliRun run = library(joined({"add"}, joined(kAnna, {"--city", "New Delhi", "--country", "India",
                                                        "--note", "first, \"quoted\""})));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "added chart 1\n");
    run = library({"add", "--name", "BOB", "--date", "1952-02-29", "--zone", "50", "--dst"});
    ASSERT_EQ(run.status, 0) << run.err;

    run = library({"list"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "ID  NAME  DATE AND TIME        PLACE\n"
                       " 1  ANNA  1985-06-15 14:30     New Delhi, India\n"
                       " 2  BOB   1952-02-29 00:00\n");

    run = library({"list", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto list = nlohmann::json::parse(run.out);
    ASSERT_EQ(list.size(), 2u);
    EXPECT_EQ(list[0]["Name"], "ANNA");
    EXPECT_EQ(list[0]["Date"], "1985-06-15");
    EXPECT_EQ(list[0]["Time"], "14:30");
    EXPECT_EQ(list[0]["City"], "New Delhi");
    EXPECT_EQ(list[1]["Id"], 2);

    // The library option may also follow the command.
    run = runCli({"library", "show", "2", "--format", "json", "--library", m_library});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto bob = nlohmann::json::parse(run.out);
    EXPECT_EQ(bob["Zone"], 50);
    EXPECT_EQ(bob["UtOffset"], "-03:30");
    EXPECT_EQ(bob["DaylightSaving"], true);
    EXPECT_EQ(bob["Longitude"], "80:18E");
    EXPECT_EQ(bob["Positions"], "classic");

    run = library({"show", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("Time zone:      Indian Time, IST, +5.3\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("Note:           first, \"quoted\"\n"), std::string::npos);

    run = library({"remove", "1"});
    ASSERT_EQ(run.status, 0) << run.err;
    run = library({"remove", "1"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orbenza-cli: no chart numbered 1 in the library " + m_library + "\n");
    run = library({"show", "1"});
    EXPECT_EQ(run.status, 2);
    run = library({"list", "--format", "json"});
    EXPECT_EQ(nlohmann::json::parse(run.out).size(), 1u);
}

TEST_F(LibraryCli, ShownChartIsTheSingleChartInEveryForm) {
    ASSERT_EQ(library(joined({"add"}, joined(kAnna, {"--dst"}))).status, 0);
    for (const char* format : {"text", "json", "rtf", "svg"}) {
        SCOPED_TRACE(format);
        const CliRun single = runCli(joined(kAnna, {"--dst", "--format", format}));
        const CliRun shown = library({"show", "1", "--chart", "--format", format});
        ASSERT_EQ(shown.status, 0) << shown.err;
        ASSERT_EQ(single.status, 0) << single.err;
        EXPECT_EQ(shown.out, single.out);
    }
}

TEST_F(LibraryCli, ExportThenImportGivesTheSameLibrary) {
    ASSERT_EQ(
        library(joined({"add"}, joined(kAnna, {"--note", "line one\nline \"two\", más"}))).status,
        0);
    ASSERT_EQ(library({"add", "--name", "O'HARA", "--city", " Cork ", "--lon", "8:28W", "--lat",
                       "51:54N", "--zone", "GMT"})
                  .status,
              0);
    const CliRun exported = library({"export", "--output", file("export.csv")});
    ASSERT_EQ(exported.status, 0) << exported.err;
    const std::string csv = readWhole(file("export.csv"));

    const std::string other = file("other.sqlite");
    CliRun run = runCli({"library", "--library", other, "import", file("export.csv")});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "imported 2 charts\n");
    run = runCli({"library", "--library", other, "export"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, csv);
    EXPECT_EQ(runCli({"library", "--library", other, "show", "1", "--chart"}).out,
              library({"show", "1", "--chart"}).out);
}

// Berlin, 28 March 2021, 01:40 CET: the clocks went forward at 02:00, inside
// the birth's windows. A chart added from the atlas keeps the place's clock
// and positions source, so it is shown with the windows the single chart has.
TEST_F(LibraryCli, ChartAddedFromTheAtlasKeepsItsClock) {
    const std::vector<std::string> berlin = {"--name",      "BERLIN", "--date",  "2021-03-28",
                                             "--time",      "01:40",  "--place", "Berlin, Germany",
                                             "--positions", "precise"};
    CliRun run = library(joined({"add"}, berlin));
    ASSERT_EQ(run.status, 0) << run.err;
    run = library({"show", "1", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    const auto record = nlohmann::json::parse(run.out);
    EXPECT_EQ(record["TimeZone"], "Europe/Berlin");
    EXPECT_EQ(record["AtlasPlace"], "Berlin \u2014 Berlin, Germany");
    EXPECT_EQ(record["Positions"], "precise");

    const CliRun single = runCli(joined(berlin, {"--format", "json"}));
    ASSERT_EQ(single.status, 0) << single.err;
    auto expected = nlohmann::json::parse(single.out);
    ASSERT_TRUE(expected["AscendantWindow"].is_object());
    EXPECT_GE(expected["AscendantWindow"]["To"].get<std::string>(), "2021-03-28T03:00:00")
        << "the window should run past the change";
    run = library({"show", "1", "--chart", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, single.out);

    // The atlas options follow the single chart's rules.
    run = library({"add", "--name", "X", "--place", "Berlin, Germany", "--zone", "CET"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orbenza-cli: --place sets the coordinates and the clock time; --zone "
                       "cannot be given with it\n");
    run = library({"add", "--name", "X", "--fold", "later"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "orbenza-cli: --fold needs --place or --tz\n");
}

TEST_F(LibraryCli, ImportWithARefusedRowAddsNothing) {
    ASSERT_EQ(library(joined({"add"}, kAnna)).status, 0);
    const std::string batch = "name,date,time,zone,lon,lat,dst\n"
                              "ANNA,1985-06-15,14:30,IST,77:13E,28:39N,\n"
                              "BAD,1985-02-30,14:30,IST,77:13E,28:39N,\n"
                              "WORSE,1985-06-15,25:00,IST,77:13E,28:39N,\n";
    const CliRun run = library({"import", "-"}, &batch);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("-: line 3: Please Enter Correct Date Or Month!\n"), std::string::npos)
        << run.err;
    EXPECT_NE(run.err.find("-: line 4: time must look like"), std::string::npos) << run.err;
    EXPECT_NE(run.err.find("2 rows refused; nothing was imported"), std::string::npos);
    EXPECT_EQ(nlohmann::json::parse(library({"list", "--format", "json"}).out).size(), 1u);

    // The same batch file without its bad rows is imported whole.
    const std::string good = batch.substr(0, batch.find("BAD"));
    const CliRun imported = library({"import", "-"}, &good);
    EXPECT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(nlohmann::json::parse(library({"list", "--format", "json"}).out).size(), 2u);
}

TEST_F(LibraryCli, FilesThatAreNoLibraryAreLeftAlone) {
    const std::string csv = file("charts.csv");
    const std::string text = "name,date\nANNA,1985-06-15\n";
    { std::ofstream(csv) << text; }
    for (const std::vector<std::string>& args :
         {std::vector<std::string>{"list"}, joined({"add"}, kAnna)}) {
        std::vector<std::string> full = {"library", "--library", csv};
        full.insert(full.end(), args.begin(), args.end());
        const CliRun run = runCli(full);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err,
                  "orbenza-cli: " + csv + " is not a chart library; it is left as it is\n");
        EXPECT_EQ(readWhole(csv), text);
    }
}

TEST_F(LibraryCli, RefusedChartTouchesNoLibrary) {
    const CliRun run = library({"add", "--name", "ANNA", "--date", "1985-04-31"});
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Please Enter Correct Date Or Month !\n");
    EXPECT_FALSE(std::filesystem::exists(m_library));
    EXPECT_EQ(library({"frobnicate"}).status, 2);
    EXPECT_EQ(library({}).status, 2);
}

TEST_F(LibraryCli, DefaultLibraryComesFromTheEnvironment) {
    const std::string saved = getenv("ORBENZA_LIBRARY") ? getenv("ORBENZA_LIBRARY") : "";
    const std::string xdg = file("data");
    setenv("XDG_DATA_HOME", xdg.c_str(), 1);
    unsetenv("ORBENZA_LIBRARY");
    CliRun run = runCli(joined({"library", "add"}, kAnna));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(xdg + "/orbenza/charts.sqlite"));
    setenv("ORBENZA_LIBRARY", m_library.c_str(), 1);
    run = runCli(joined({"library", "add"}, kAnna));
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(std::filesystem::exists(m_library));
    if (saved.empty())
        unsetenv("ORBENZA_LIBRARY");
    else
        setenv("ORBENZA_LIBRARY", saved.c_str(), 1);
    unsetenv("XDG_DATA_HOME");
}

} // namespace
} // namespace orbenza::testing
