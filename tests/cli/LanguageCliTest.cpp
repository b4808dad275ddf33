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
    // The signs abbreviated, the house system named and the orbs written the
    // German way; a label as wide as its column still stands apart.
    EXPECT_NE(german.out.find("\nSonne         24 Zwi 12\n"), std::string::npos);
    EXPECT_NE(german.out.find("\nH\xC3\xA4user (\xC3\x84qual in ganzen Graden)\n"),
              std::string::npos);
    EXPECT_NE(german.out.find("\nAspekte (Hauptaspekte)\n"), std::string::npos);
    EXPECT_NE(german.out.find(" Orbis 0,"), std::string::npos);
    EXPECT_EQ(german.out.find(" Orbis 0."), std::string::npos);
    EXPECT_NE(german.out.find(", Indian Time, IST, +5,3, "), std::string::npos);
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

// Ames kept Chicago's clock before 1970: the caution in the language of the
// text, while JSON keeps the English one and every byte of the English chart.
TEST(CliLanguage, CautionsInTheLanguageAndLeavesJsonAsItWas) {
    const std::vector<std::string> ames{"--name", "ANNA",  "--date",  "1955-06-15",
                                        "--time", "14:30", "--place", "Ames, Iowa"};
    const auto french = runCli(with(ames, {"--lang", "fr"}));
    ASSERT_EQ(french.status, 0) << french.err;
    EXPECT_NE(french.out.find("\nAvant 1970, l\xE2\x80\x99historique horaire de ce fuseau est "
                              "celui de Chicago ; l\xE2\x80\x99usage local \xC3\xA0 Ames a pu"),
              std::string::npos);
    EXPECT_EQ(french.out.find("Before 1970"), std::string::npos);
    const auto json = runCli(with(ames, {"--format", "json"}));
    ASSERT_EQ(json.status, 0) << json.err;
    EXPECT_EQ(runCli(with(ames, {"--format", "json", "--lang", "de"})).out, json.out);
    EXPECT_EQ(nlohmann::json::parse(json.out).at("Place").at("Caution"),
              "Before 1970 this zone's clock history is that of Chicago; local practice in Ames "
              "may have differed: check the birth record.");
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
