#include "ManPage.h"

#include <gtest/gtest.h>

namespace orbenza::cli {
namespace {

TEST(ManPage, OptionsAndTextsBecomeSafeRoff) {
    CLI::App app{"Tool: does things. More words here.", "tool"};
    std::string mode = "fast", secret, file;
    app.add_option("--mode", mode, "How to run - quickly\\slowly")
        ->check(CLI::IsMember({"fast", "slow"}))
        ->capture_default_str();
    app.add_option("--secret", secret, "Not for users")->group("");
    CLI::App* sub = app.add_subcommand("load", "Load a file");
    sub->add_option("FILE", file, "The file")->required();
    app.footer("First line\n.starts with a dot\n'and a quote\n\nSecond paragraph");
    const std::string page = manPage(app, {"tool", "tool", "tool 1.0", {"other(1)"}, {}});

    EXPECT_EQ(page.rfind(".TH TOOL 1 ", 0), 0u) << page;
    EXPECT_NE(page.find(".SH NAME\ntool \\- Tool: does things\n"), std::string::npos) << page;
    EXPECT_NE(page.find("\\fB\\-\\-mode\\fR \\fITEXT:{fast, slow}\\fR\n"
                        "How to run \\- quickly\\eslowly (default: fast)\n"),
              std::string::npos)
        << page;
    EXPECT_EQ(page.find("secret"), std::string::npos);
    EXPECT_NE(
        page.find(".SS load\n.PP\nLoad a file\n.PP\n.TP\n\\fIFILE\\fR\nThe file (required)\n"),
        std::string::npos)
        << page;
    // Lines of text never start with a control character; blank lines part paragraphs.
    EXPECT_NE(page.find("First line\n\\&.starts with a dot\n\\&'and a quote\n.PP\nSecond"),
              std::string::npos)
        << page;
    EXPECT_NE(page.find(".SH SEE ALSO\n.BR other (1)\n"), std::string::npos) << page;
}

} // namespace
} // namespace orbenza::cli
