// orbenza-cli --lang: the words of text, rtf and svg in another language.
#include "CliRunner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace orbenza {
namespace {

using testing::kDelhi;
using testing::runCli;
using testing::with;

TEST(CliLanguage, WritesTheTextInTheLanguageWithItsCapitalsAndColumns) {
    const auto german = runCli(with(kDelhi, {"--lang", "de"}));
    ASSERT_EQ(german.status, 0) << german.err;
    EXPECT_EQ(german.out.rfind("Geburtshoroskop von ANNA\n", 0), 0u);
    EXPECT_NE(german.out.find("\nSonnenzeichen  Zwillinge\n"), std::string::npos);
    // The positions stay the chart's own notation.
    EXPECT_NE(german.out.find("\nSonne         24 Gem 12\n"), std::string::npos);
    // A heading in capitals, accented letters too, under a rule of as many
    // characters (not bytes).
    const std::string heading = "MEHR \xC3\x9C"
                                "BER DAS 1. HAUS\n"; // "MEHR ÜBER DAS 1. HAUS"
    const std::size_t at = german.out.find(heading);
    ASSERT_NE(at, std::string::npos);
    EXPECT_EQ(german.out.substr(at - 22, 22), std::string(21, '-') + "\n");

    // Without --lang, and with --lang en, the English chart.
    const auto english = runCli(kDelhi);
    EXPECT_EQ(english.out.rfind("Natal chart of ANNA\n", 0), 0u);
    EXPECT_EQ(runCli(with(kDelhi, {"--lang", "en"})).out, english.out);
}

TEST(CliLanguage, NamesTheDevanagariFontInAHindiPictureOnly) {
    const auto hindi = runCli(with(kDelhi, {"--lang", "hi", "--format", "svg"}));
    ASSERT_EQ(hindi.status, 0) << hindi.err;
    EXPECT_NE(hindi.out.find("font-family=\"DejaVu Sans, Lohit Devanagari, sans-serif\""),
              std::string::npos);
    const auto french = runCli(with(kDelhi, {"--lang", "fr", "--format", "svg"}));
    EXPECT_NE(french.out.find("font-family=\"DejaVu Sans, sans-serif\""), std::string::npos);
    EXPECT_NE(french.out.find("<title>Th\xC3\xA8me Orbenza de ANNA</title>"), std::string::npos);
}

TEST(CliLanguage, KeepsJsonEnglishAndRefusesWhatItCannotDo) {
    const auto json = runCli(with(kDelhi, {"--lang", "it", "--format", "json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(nlohmann::json::parse(json.out).at("SunSign"), "Gemini");

    const auto rtf = runCli(with(kDelhi, {"--lang", "pt_BR", "--format", "rtf"}));
    ASSERT_EQ(rtf.status, 0) << rtf.err;
    EXPECT_NE(rtf.out.find("Sol na Casa"), std::string::npos);

    EXPECT_EQ(runCli(with(kDelhi, {"--lang", "pt"})).status, 2);
    EXPECT_EQ(runCli(with(kDelhi, {"--lang", "EN"})).status, 2);
    const std::string csv =
        "name,date,time,zone,lon,lat,dst\nA,1985-06-15,14:30,34,77:13E,28:39N,\n";
    EXPECT_EQ(runCli({"--batch", "-", "--lang", "de"}, &csv).status, 2);
}

} // namespace
} // namespace orbenza
