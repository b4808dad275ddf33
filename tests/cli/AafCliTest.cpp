#include "CliRunner.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace orbenza::testing {
namespace {

class AafCli : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = "/tmp/orbenza-aaf-cli-XXXXXX";
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_folder = pattern;
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

    CliRun library(const std::string& name, std::vector<std::string> args,
                   const std::string* input = nullptr) {
        args.insert(args.begin(), {"library", "--library", m_folder + "/" + name});
        return runCli(args, input);
    }

    std::string m_folder;
};

TEST_F(AafCli, ImportKeepsTheReadableChartsAndExportReadsBack) {
    const std::string aaf = "#A93:Muster,Anna,f,12.3.1970,15:42,Kandel/Pfalz,D\n"
                            "#B93:2440658.112500,49n05,8e12,1hE00,0\n"
                            "#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-en-Provence,F\n"
                            "#B93:2393125.44167,43n32,5e26,0mE22,0\n"
                            "#A93:Weiss,Eva,f,5.6.1905,10:00,Kandel,D\n"
                            "#B93:*,49n05,8e12,0mE33,0\n";
    CliRun run = library("a.sqlite", {"import", "--format", "aaf", "-"}, &aaf);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "imported 2 charts, refused 1\n");
    EXPECT_EQ(run.err, "-: line 3: the chart cannot be drawn: the year 1839 is outside 1901 to "
                       "2050\n");
    run = library("a.sqlite", {"show", "2", "--format", "json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(nlohmann::json::parse(run.out)["UtOffset"], "+00:32:48");
    run = library("a.sqlite", {"show", "1", "--chart", "--format", "json"});
    EXPECT_EQ(nlohmann::json::parse(run.out)["UniversalTime"], "1970-03-12T14:42Z");

    const CliRun exported = library("a.sqlite", {"export", "--format", "aaf"});
    ASSERT_EQ(exported.status, 0) << exported.err;
    run = library("b.sqlite", {"import", "--format", "aaf", "-"}, &exported.out);
    ASSERT_EQ(run.status, 0) << run.err;
    for (const char* id : {"1", "2"})
        EXPECT_EQ(library("b.sqlite", {"show", id, "--chart"}).out,
                  library("a.sqlite", {"show", id, "--chart"}).out);

    // A file without a single #A93 record is not taken for an empty one.
    const std::string csv = "name,date\nANNA,1985-06-15\n";
    run = library("b.sqlite", {"import", "--format", "aaf", "-"}, &csv);
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("no #A93 record"), std::string::npos) << run.err;
}

} // namespace
} // namespace orbenza::testing
