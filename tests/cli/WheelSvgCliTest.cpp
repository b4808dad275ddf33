// orbenza-cli --format svg: the degree wheel as a picture other programs read.
#include "CliRunner.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace orbenza {
namespace {

using testing::readWhole;
using testing::runCli;
using testing::shellQuoted;
using testing::with;

const std::vector<std::string> k1962{
    "--name", "O'Test Ångström", "--date", "1962-02-05", "--time", "06:30",    "--zone",
    "IST",    "--lon",           "77:13E", "--lat",      "28:39N", "--format", "svg"};

struct TempDir {
    std::string path;
    TempDir() {
        char name[] = "/tmp/orbenza-svg-XXXXXX";
        path = ::mkdtemp(name);
    }
    ~TempDir() { std::system(("rm -rf " + shellQuoted(path)).c_str()); }
};

int runShell(const std::string& command) {
    const int raw = std::system(command.c_str());
    return WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
}

TEST(CliSvg, TheWheelIsWellFormedXmlAndRenders) {
    TempDir dir;
    const std::string svg = dir.path + "/wheel.svg";
    const auto run = runCli(with(k1962, {"--output", svg}));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_TRUE(run.out.empty());
    const std::string text = readWhole(svg);
    EXPECT_NE(text.find("<title>Orbenza chart of O&apos;Test Ångström</title>"), std::string::npos);
    EXPECT_NE(text.find("Equal houses from the Ascendant&apos;s degree, as the report counts them"),
              std::string::npos);

    // A strict XML parser reads it, and an SVG renderer draws it.
    EXPECT_EQ(runShell("xmllint --noout " + shellQuoted(svg)), 0);
    const std::string png = dir.path + "/wheel.png";
    ASSERT_EQ(runShell("rsvg-convert --width 400 -o " + shellQuoted(png) + " " + shellQuoted(svg)),
              0);
    const std::string picture = readWhole(png);
    ASSERT_GT(picture.size(), 1000u);
    EXPECT_EQ(picture.substr(1, 3), "PNG");
}

TEST(CliSvg, StandardOutputGetsTheSameDocumentAsTheFile) {
    TempDir dir;
    const std::string svg = dir.path + "/wheel.svg";
    const auto toFile = runCli(with(k1962, {"--output", svg}));
    const auto toStdout = runCli(k1962);
    ASSERT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_EQ(toStdout.out, readWhole(svg));
    EXPECT_EQ(toStdout.out.rfind("<?xml", 0), 0u);
}

TEST(CliSvg, ARefusedChartLeavesTheOldFileAlone) {
    TempDir dir;
    const std::string svg = dir.path + "/wheel.svg";
    ASSERT_EQ(runShell("printf before > " + shellQuoted(svg)), 0);
    const auto refused = runCli(with(k1962, {"--date", "1850-01-01", "--output", svg}));
    EXPECT_EQ(refused.status, 2);
    EXPECT_EQ(readWhole(svg), "before");
    // The same command with a good date replaces it whole, through a new file
    // renamed over it: no temporary file is left beside it.
    ASSERT_EQ(runCli(with(k1962, {"--output", svg})).status, 0);
    EXPECT_EQ(readWhole(svg).rfind("<?xml", 0), 0u);
    EXPECT_EQ(runShell("test $(ls -A " + shellQuoted(dir.path) + " | wc -l) -eq 1"), 0);
}

TEST(CliSvg, ABatchRefusesSvgAndSaysWhy) {
    const std::string rows = "name,date,time,zone,lon,lat,dst\nA,1962-02-05,06:30,IST,77:13E,"
                             "28:39N,0\n";
    const auto run = runCli({"--batch", "-", "--format", "svg"}, &rows);
    EXPECT_EQ(run.status, 2);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find("--format svg draws one chart; --batch writes json or csv"),
              std::string::npos)
        << run.err;
}

} // namespace
} // namespace orbenza
