#include "report/AspectReport.h"

#include "RichTextReader.h"
#include "report/RichText.h"

#include <gtest/gtest.h>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace orbenza {
namespace {

using enum Body;

constexpr AspectFamily kFamilies[] = {AspectFamily::Conjunction, AspectFamily::Harmonious,
                                      AspectFamily::Challenging};

// The sentences of a paragraph: pieces ending in ".", "!" or "?" followed by
// a blank or the end of the text.
std::vector<std::string> sentencesOf(std::string_view text) {
    std::vector<std::string> sentences;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool end = text[i] == '.' || text[i] == '!' || text[i] == '?';
        if (end && (i + 1 == text.size() || text[i + 1] == ' ')) {
            sentences.emplace_back(text.substr(start, i + 1 - start));
            start = i + 2;
        }
    }
    if (start < text.size())
        sentences.emplace_back(text.substr(start)); // an unfinished last sentence
    return sentences;
}

bool isPrintableAscii(std::string_view text) {
    for (const char c : text)
        if (static_cast<unsigned char>(c) < 0x20U || static_cast<unsigned char>(c) > 0x7EU)
            return false;
    return true;
}

TEST(AspectTexts, EveryPairAndFamilyHasItsOwnParagraph) {
    std::set<std::string_view> texts;
    std::map<std::string, std::string> sentenceOwner; // sentence -> key that used it first
    int pairs = 0;
    for (std::size_t i = 0; i < kAspectPointCount; ++i) {
        for (std::size_t j = i + 1; j < kAspectPointCount; ++j) {
            const Body a = kAspectPoints[i];
            const Body b = kAspectPoints[j];
            if (a == Ascendant && b == Midheaven) {
                EXPECT_FALSE(hasAspectText(a, b));
                continue;
            }
            ++pairs;
            for (AspectFamily family : kFamilies) {
                const std::string key = std::string(aspectPointName(a)) + "/" +
                                        std::string(aspectPointName(b)) + "/" +
                                        std::to_string(static_cast<int>(family));
                const std::string_view text = aspectText(a, b, family);
                ASSERT_FALSE(text.empty()) << key;
                EXPECT_EQ(aspectText(b, a, family), text) << key << ": either order";
                EXPECT_TRUE(isPrintableAscii(text)) << key << ": one plain line";
                const std::vector<std::string> sentences = sentencesOf(text);
                EXPECT_TRUE(sentences.size() >= 2 && sentences.size() <= 4)
                    << key << ": " << sentences.size() << " sentences";
                EXPECT_EQ(text.back(), '.') << key;
                EXPECT_TRUE(texts.insert(text).second) << key << ": same text as another key";
                // A sentence shared by two texts is a template, not a reading of the pair.
                for (const std::string& sentence : sentences) {
                    const auto [at, fresh] = sentenceOwner.emplace(sentence, key);
                    EXPECT_TRUE(fresh)
                        << key << " repeats a sentence of " << at->second << ": " << sentence;
                }
            }
        }
    }
    EXPECT_EQ(pairs, 65);
    EXPECT_EQ(texts.size(), 195u);
}

TEST(AspectTexts, NoTextOutsideTheTwelvePoints) {
    EXPECT_TRUE(aspectText(Ascendant, Midheaven, AspectFamily::Conjunction).empty());
    EXPECT_TRUE(aspectText(Midheaven, Ascendant, AspectFamily::Challenging).empty());
    EXPECT_TRUE(aspectText(Venus, Venus, AspectFamily::Conjunction).empty());
    const Body beyond = bodyAt(kAspectPointCount); // a point added after the Midheaven
    EXPECT_TRUE(aspectText(Sun, beyond, AspectFamily::Harmonious).empty());
    EXPECT_TRUE(aspectPointName(beyond).empty());
    EXPECT_TRUE(aspectText(Sun, Moon, static_cast<AspectFamily>(kAspectFamilyCount)).empty());
}

// ---- The report's aspect section ----

HousePlacement samplePlacement() {
    const ChartPositions positions = {"16 Sag 02", "03 Pis 41", "29 Sco 59", "00 Cap 00",
                                      "12 Vir 18", "07 Gem 33", "21 Aqu 09", "18 Sco 47",
                                      "25 Sag 12", "01 Lib 30", "22 Leo 15"};
    return placeHouses(positions);
}

std::string paragraph(Body a, Body b, AspectFamily family) {
    return std::string(aspectText(a, b, family)) + "\r\n\r\n";
}

TEST(AspectReport, HeadingsAndTextsInChartOrder) {
    const std::vector<ReportAspect> aspects = {
        {Mars, Midheaven, Aspect::Square},
        {Moon, Sun, Aspect::Trine}, // points given the other way round
        {Ascendant, Venus, Aspect::Conjunction},
        {Ascendant, Midheaven, Aspect::Square}, // no text: left out
        {Sun, Moon, Aspect::Trine},             // the same aspect again
        {Sun, Saturn, Aspect::Opposition},
        {Sun, Moon, Aspect::Sextile},
    };
    const std::vector<ReportRun> runs = aspectReport(aspects);
    const std::vector<std::pair<std::string, std::string>> expected = {
        {"Sun Trine Moon\r\n", paragraph(Sun, Moon, AspectFamily::Harmonious)},
        {"Sun Sextile Moon\r\n", paragraph(Sun, Moon, AspectFamily::Harmonious)},
        {"Sun Opposition Saturn\r\n", paragraph(Sun, Saturn, AspectFamily::Challenging)},
        {"Venus Conjunction Ascendant\r\n", paragraph(Venus, Ascendant, AspectFamily::Conjunction)},
        {"Mars Square Midheaven\r\n", paragraph(Mars, Midheaven, AspectFamily::Challenging)},
    };
    ASSERT_EQ(runs.size(), 2 * expected.size());
    for (std::size_t k = 0; k < expected.size(); ++k) {
        const ReportRun& heading = runs[2 * k];
        const ReportRun& body = runs[2 * k + 1];
        EXPECT_EQ(heading.text, expected[k].first);
        EXPECT_TRUE(heading.heading);
        EXPECT_EQ(heading.color, kReportDarkRed);
        EXPECT_EQ(body.text, expected[k].second) << expected[k].first;
        EXPECT_FALSE(body.heading);
        EXPECT_EQ(body.color, kReportBlack);
    }
}

TEST(AspectReport, FollowsTheHouseSectionAndLeavesItUnchanged) {
    const HousePlacement placement = samplePlacement();
    const std::vector<ReportRun> houses = houseReport(placement);
    ASSERT_FALSE(houses.empty());

    EXPECT_TRUE(aspectReport({}).empty());
    EXPECT_TRUE(aspectReport({{Ascendant, Midheaven, Aspect::Trine}}).empty());
    EXPECT_EQ(houseReport(placement, {}), houses);
    EXPECT_EQ(reportPlainText(houseReport(placement, {})), reportPlainText(houses));

    const std::vector<ReportAspect> aspects = {{Jupiter, Uranus, Aspect::Sextile},
                                               {Moon, Ascendant, Aspect::Square}};
    const std::vector<ReportRun> whole = houseReport(placement, aspects);
    std::vector<ReportRun> joined = houses;
    for (const ReportRun& run : aspectReport(aspects))
        joined.push_back(run);
    EXPECT_EQ(whole, joined);
    EXPECT_EQ(whole[houses.size()].text, "Moon Square Ascendant\r\n");
}

TEST(AspectReport, SavedRichTextReadsBack) {
    const std::vector<ReportAspect> aspects = {{Sun, Mercury, Aspect::Conjunction},
                                               {Saturn, Midheaven, Aspect::Trine},
                                               {Venus, Neptune, Aspect::Opposition}};
    const std::vector<ReportRun> runs = houseReport(samplePlacement(), aspects);
    const std::string text = richTextToPlainText(reportToRichText(runs));
    EXPECT_EQ(text, reportPlainText(runs));
    EXPECT_NE(text.find("Saturn Trine Midheaven\r\n"), std::string::npos);
}

} // namespace
} // namespace orbenza
