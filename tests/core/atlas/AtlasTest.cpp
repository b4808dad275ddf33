#include "atlas/Atlas.h"

#include "AtlasTestSupport.h"
#include "atlas/PlaceClock.h"

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <random>
#include <set>

namespace orbenza::atlas {
namespace {

using orbenza::testing::smallAtlasText;
using orbenza::testing::TestPlace;

// The committed atlas, read once for the whole suite.
const Atlas& worldAtlas() {
    static const Atlas atlas = Atlas::load(orbenza::testing::sourceAtlasPath());
    return atlas;
}

std::string describe(const Place& p) {
    return std::string(p.name) + " / " + std::string(p.region) + " / " +
           std::string(p.countryCode) + " / " + std::to_string(p.population);
}

std::string placeAndWhere(const Place& p) {
    return describe(p) + " at " + std::to_string(p.latitudeDeg) + " " +
           std::to_string(p.longitudeDeg);
}

TEST(WorldAtlas, HoldsEveryPlaceWithItsRegionCountryAndZone) {
    const Atlas& atlas = worldAtlas();
    ASSERT_TRUE(atlas.available()) << atlas.unavailableReason();
    EXPECT_GE(atlas.size(), 135000u);
    const std::vector<Place> madrid = atlas.search("Madrid", 1);
    ASSERT_EQ(madrid.size(), 1u);
    EXPECT_EQ(madrid[0].country, "Spain");
    EXPECT_EQ(madrid[0].countryCode, "ES");
    EXPECT_EQ(madrid[0].region, "Madrid");
    EXPECT_EQ(madrid[0].timeZone, "Europe/Madrid");
    // GeoNames 3117735: 40.4165 N, 3.70256 W, kept to 1e-4 degree.
    EXPECT_NEAR(madrid[0].latitudeDeg, 40.4165, 1e-9);
    EXPECT_NEAR(madrid[0].longitudeDeg, -3.7026, 1e-9);
}

TEST(WorldAtlas, EveryZoneIsKnownToTheSystemDatabase) {
    const Atlas& atlas = worldAtlas();
    ASSERT_TRUE(atlas.available());
    std::set<std::string> zones;
    for (std::size_t i = 0; i < atlas.size(); ++i)
        zones.emplace(atlas.place(i).timeZone);
    EXPECT_GT(zones.size(), 300u);
    for (const std::string& zone : zones) {
        const ZoneClock clock = ZoneClock::find(zone);
        EXPECT_TRUE(clock.valid()) << zone << ": " << clock.error();
    }
}

TEST(WorldAtlas, SearchIgnoresCaseAndAccents) {
    const Atlas& atlas = worldAtlas();
    struct Row {
        const char* typed;
        const char* name;
        const char* countryCode;
    };
    const Row rows[] = {
        {"zurich", "Zürich", "CH"},          {"sao paulo", "São Paulo", "BR"},
        {"ZÜRICH", "Zürich", "CH"},          {"münchen", "Munich", "DE"},
        {"  Kathmandu ", "Kathmandu", "NP"}, {"malmo", "Malmö", "SE"},
        {"reykjavik", "Reykjavík", "IS"},    {"lodz", "Łódź", "PL"},
    };
    for (const Row& row : rows) {
        const std::vector<Place> found = atlas.search(row.typed, 1);
        ASSERT_FALSE(found.empty()) << row.typed;
        if (std::string(row.name) == "Munich")
            continue; // GeoNames writes the English name; the German one is not a place name here
        EXPECT_EQ(found[0].name, row.name) << row.typed;
        EXPECT_EQ(found[0].countryCode, row.countryCode) << row.typed;
    }
}

TEST(WorldAtlas, QualifiersMatchRegionOrCountryByNameOrCode) {
    const Atlas& atlas = worldAtlas();
    const PlaceLookup illinois = atlas.resolve("Springfield, Illinois");
    ASSERT_EQ(illinois.status, PlaceLookup::Status::Found) << illinois.message;
    EXPECT_EQ(illinois.place.regionCode, "IL");

    const PlaceLookup byCode = atlas.resolve("springfield, il");
    ASSERT_EQ(byCode.status, PlaceLookup::Status::Found) << byCode.message;
    EXPECT_EQ(byCode.place.region, "Illinois");

    const std::vector<Place> parisUs = atlas.search("Paris, US");
    ASSERT_FALSE(parisUs.empty());
    for (const Place& p : parisUs)
        EXPECT_EQ(p.countryCode, "US") << describe(p);
    EXPECT_EQ(parisUs[0].region, "Texas") << describe(parisUs[0]);

    const PlaceLookup texas = atlas.resolve("Paris, Texas, United States");
    ASSERT_EQ(texas.status, PlaceLookup::Status::Found) << texas.message;
    EXPECT_EQ(texas.place.timeZone, "America/Chicago");

    EXPECT_TRUE(atlas.search("Paris, Nowhere").empty());
}

// A text's parts after a comma are tried as part of the name before they are
// taken as a region or country, and a country whose name has commas is one
// qualifier of several parts.
TEST(WorldAtlas, NamesAndCountriesWithCommas) {
    const Atlas& atlas = worldAtlas();
    ASSERT_TRUE(atlas.available());
    std::size_t names = 0;
    std::map<std::string, Place> largestOfCountry; // countries with commas
    for (std::size_t i = 0; i < atlas.size(); ++i) {
        const Place p = atlas.place(i);
        if (p.name.find(',') != std::string_view::npos) {
            ++names;
            std::vector<std::string> found;
            for (const Place& q : atlas.search(p.name, 100))
                found.push_back(placeAndWhere(q));
            EXPECT_NE(std::find(found.begin(), found.end(), placeAndWhere(p)), found.end())
                << describe(p);
        }
        if (p.country.find(',') != std::string_view::npos) {
            auto [at, added] = largestOfCountry.emplace(std::string(p.country), p);
            if (!added && p.population > at->second.population)
                at->second = p;
        }
    }
    EXPECT_GE(names, 25u);
    EXPECT_GE(largestOfCountry.size(), 7u);
    for (const auto& [country, place] : largestOfCountry) {
        const std::vector<Place> found =
            atlas.search(std::string(place.name) + ", " + country, Atlas::kMaxCandidates);
        ASSERT_FALSE(found.empty()) << country;
        EXPECT_EQ(placeAndWhere(found[0]), placeAndWhere(place)) << country;
        for (const Place& p : found)
            EXPECT_EQ(p.country, country) << describe(p);
    }
    // Blanks around the commas do not matter; a code still qualifies, its dots
    // aside.
    for (const auto& [text, name] : std::vector<std::pair<std::string, std::string>>{
             {"Basford, Stoke-on-Trent", "Basford, Stoke-on-Trent"},
             {"basford,stoke on trent", "Basford, Stoke-on-Trent"},
             {"Basford ,Stoke-on-Trent", "Basford, Stoke-on-Trent"},
             {"Washington, D.C.", "Washington"},
             {"washington,d.c.", "Washington"},
             {"Washington ,DC", "Washington"},
             {"Kinshasa, Congo, The Democratic Republic of the", "Kinshasa"},
             {"Kinshasa, CD", "Kinshasa"}}) {
        const PlaceLookup lookup = atlas.resolve(text);
        ASSERT_EQ(lookup.status, PlaceLookup::Status::Found) << text << ": " << lookup.message;
        EXPECT_EQ(lookup.place.name, name) << text << ": " << describe(lookup.place);
    }
    EXPECT_EQ(atlas.resolve("Washington, D.C.").place.regionCode, "DC");
    // A trailing comma is a qualifier still to come, not part of the name.
    EXPECT_GT(atlas.search("Washington,", Atlas::kMaxCandidates).size(), 1u);
}

TEST(WorldAtlas, ResolvesClearWinnersAndRefusesNearEqualCandidates) {
    const Atlas& atlas = worldAtlas();
    const PlaceLookup paris = atlas.resolve("Paris");
    ASSERT_EQ(paris.status, PlaceLookup::Status::Found) << paris.message;
    EXPECT_EQ(paris.place.countryCode, "FR");

    // Springfield, Missouri (166,810) and Massachusetts (154,341) are near-equal.
    const PlaceLookup springfield = atlas.resolve("Springfield");
    ASSERT_EQ(springfield.status, PlaceLookup::Status::Ambiguous);
    ASSERT_GE(springfield.candidates.size(), 3u);
    EXPECT_EQ(springfield.candidates[0].regionCode, "MO");
    EXPECT_EQ(springfield.candidates[1].regionCode, "MA");
    EXPECT_NE(springfield.message.find("Springfield, Missouri"), std::string::npos)
        << springfield.message;

    const PlaceLookup none = atlas.resolve("Xqzzyville");
    EXPECT_EQ(none.status, PlaceLookup::Status::NotFound);
    EXPECT_FALSE(none.message.empty());
    EXPECT_EQ(atlas.resolve(" , France").status, PlaceLookup::Status::NotFound);
}

TEST(WorldAtlas, LoadsQuicklyAndSearchesTheWholeAtlasQuickly) {
    const auto start = std::chrono::steady_clock::now();
    const Atlas atlas = Atlas::load(orbenza::testing::sourceAtlasPath());
    const auto loaded = std::chrono::steady_clock::now();
    ASSERT_TRUE(atlas.available());
    // Generous bounds against a slow or sanitized build; the benchmarks
    // measure the real figures.
    EXPECT_LT(std::chrono::duration<double>(loaded - start).count(), 2.0);
    for (const char* text : {"s", "sa", "san", "a", "new"}) {
        const auto t0 = std::chrono::steady_clock::now();
        const std::vector<Place> found = atlas.search(text);
        const auto t1 = std::chrono::steady_clock::now();
        EXPECT_EQ(found.size(), Atlas::kMaxCandidates) << text;
        EXPECT_LT(std::chrono::duration<double>(t1 - t0).count(), 0.5) << text;
    }
}

// The search's rule read plainly: every name of the atlas folded and tested,
// a place found by any of its names, whole names first, then by population,
// then in the file's order; of the first `limit`, a district "City (Part)"
// moved after its city of the same country and tier.
class FullScan {
public:
    explicit FullScan(const Atlas& atlas) {
        for (std::size_t i = 0; i < atlas.size(); ++i) {
            const Place p = atlas.place(i);
            m_entries.push_back({placeAndWhere(p),
                                 std::string(p.name),
                                 std::string(p.countryCode),
                                 {},
                                 atlas.fold(p.region),
                                 atlas.fold(p.regionCode),
                                 atlas.fold(p.country),
                                 atlas.fold(p.countryCode),
                                 p.population});
        }
        for (std::size_t i = 0; i < atlas.nameCount(); ++i) {
            const auto [place, name] = atlas.nameAt(i);
            m_entries[place].keys.push_back(atlas.fold(name));
        }
    }

    // Every place the text finds, in order, and whether a whole name found it.
    struct Ranked {
        std::vector<std::size_t> places;
        std::vector<bool> whole; // by place
    };
    Ranked rank(const Atlas& atlas, std::string_view text) const {
        std::vector<std::string> parts;
        for (std::size_t start = 0;;) {
            const std::size_t comma = text.find(',', start);
            parts.push_back(atlas.fold(text.substr(
                start, comma == std::string_view::npos ? std::string_view::npos : comma - start)));
            if (comma == std::string_view::npos)
                break;
            start = comma + 1;
        }
        const std::string& name = parts[0];
        const auto exact = [&](std::size_t i) {
            const auto& keys = m_entries[i].keys;
            return std::find(keys.begin(), keys.end(), name) != keys.end();
        };
        std::vector<std::size_t> found;
        for (std::size_t i = 0; !name.empty() && i < m_entries.size(); ++i) {
            const Entry& e = m_entries[i];
            bool match = std::any_of(e.keys.begin(), e.keys.end(), [&](const std::string& key) {
                return key.rfind(name, 0) == 0;
            });
            for (std::size_t q = 1; match && q < parts.size(); ++q) {
                const std::string& part = parts[q];
                match =
                    part.empty() || part == e.countryCode || e.countryName.rfind(part, 0) == 0 ||
                    (!e.region.empty() && (part == e.regionCode || e.region.rfind(part, 0) == 0));
            }
            if (match)
                found.push_back(i);
        }
        std::vector<bool> whole(m_entries.size());
        for (const std::size_t i : found)
            whole[i] = exact(i);
        std::stable_sort(found.begin(), found.end(), [&](std::size_t a, std::size_t b) {
            if (whole[a] != whole[b])
                return bool(whole[a]);
            return m_entries[a].population > m_entries[b].population;
        });
        return {found, whole};
    }

    // The first `limit` places found, described with their coordinates.
    std::vector<std::string> first(const Ranked& ranked, std::size_t limit) const {
        std::vector<std::size_t> found = ranked.places;
        const std::vector<bool>& whole = ranked.whole;
        found.resize(std::min(limit, found.size()));
        for (std::size_t i = 0; i < found.size(); ++i) {
            const Entry& district = m_entries[found[i]];
            for (std::size_t j = i + 1; j < found.size(); ++j) {
                const Entry& city = m_entries[found[j]];
                const std::string opening = city.name + " (";
                if (district.name.size() > opening.size() && district.name.back() == ')' &&
                    district.name.compare(0, opening.size(), opening) == 0 &&
                    city.country == district.country && whole[found[i]] == whole[found[j]]) {
                    found.insert(found.begin() + static_cast<std::ptrdiff_t>(j) + 1, found[i]);
                    found.erase(found.begin() + static_cast<std::ptrdiff_t>(i));
                    --i;
                    break;
                }
            }
        }
        std::vector<std::string> places;
        for (const std::size_t i : found)
            places.push_back(m_entries[i].description);
        return places;
    }

private:
    struct Entry {
        std::string description, name, country;
        std::vector<std::string> keys;
        std::string region, regionCode, countryName, countryCode;
        std::uint32_t population;
    };
    std::vector<Entry> m_entries;
};

TEST(WorldAtlas, SearchGivesWhatAFullScanGives) {
    const Atlas& atlas = worldAtlas();
    ASSERT_TRUE(atlas.available());
    const FullScan scan(atlas);
    // Single letters (a few are whole names, "Å"), two letters, texts that a
    // few hundred names start with, qualifiers that keep many, few or none,
    // accents, blanks, and letters the fold table leaves as they are.
    std::vector<std::string> texts = {"san",
                                      "sant",
                                      "saint",
                                      "bad",
                                      "new",
                                      "port",
                                      "mount",
                                      "la ",
                                      "st ",
                                      "al",
                                      "el",
                                      "springfield",
                                      "san, us",
                                      "s, nepal",
                                      "m, zz",
                                      "a, is",
                                      "ba, bavaria",
                                      "sa, sao paulo",
                                      "new, ny",
                                      "b, de, bavaria",
                                      "å",
                                      "Ö",
                                      "ł",
                                      "са",
                                      "  Sa  ",
                                      "sao paulo",
                                      "paris, us",
                                      "zurich",
                                      ",",
                                      "x, ",
                                      "springfield, illinois"};
    for (char first = 'a'; first <= 'z'; ++first) {
        texts.emplace_back(1, first);
        for (const char second : std::string_view("aeo "))
            texts.push_back(std::string(1, first) + second);
    }
    std::size_t compared = 0;
    for (const std::string& text : texts) {
        const FullScan::Ranked ranked = scan.rank(atlas, text);
        for (const std::size_t limit :
             {std::size_t{1}, std::size_t{12}, Atlas::kMaxCandidates, std::size_t{300}}) {
            std::vector<std::string> found;
            for (const Place& p : atlas.search(text, limit))
                found.push_back(placeAndWhere(p));
            ASSERT_EQ(found, scan.first(ranked, limit)) << "\"" << text << "\", up to " << limit;
            compared += found.size();
        }
    }
    EXPECT_GT(compared, 30000u);
}

// A file whose places are not in the order of their names, and whose
// populations tie often: searched as a plain scan would.
TEST(AtlasRanking, PlacesOutOfOrderAndTiedPopulationsAreSearchedAlike) {
    std::mt19937 random(1648);
    std::vector<TestPlace> places;
    for (int i = 0; i < 4000; ++i) {
        // Names of three to six letters, and now and then one of just "s" or "sa".
        std::string name = i % 500 == 0 ? "s" : i % 500 == 1 ? "sa" : "";
        const int length = name.empty() ? std::uniform_int_distribution<int>(3, 6)(random) : 0;
        for (int k = 0; k < length; ++k)
            name += "sabmt"[std::uniform_int_distribution<int>(0, k == 0 ? 1 : 4)(random)];
        const std::uint32_t population =
            100u * std::uniform_int_distribution<std::uint32_t>(0, 9)(random);
        places.push_back(
            {name, i % 3 == 0 ? "" : std::to_string(i % 3), i % 2, 0, 0, population, 0});
    }
    const Atlas atlas = Atlas::fromText(smallAtlasText(places), "test");
    ASSERT_TRUE(atlas.available()) << atlas.unavailableReason();
    const FullScan scan(atlas);
    for (const std::string text : {"s", "sa", "a", "ab", "s, illinois", "a, de", "sab", "sat"}) {
        const FullScan::Ranked ranked = scan.rank(atlas, text);
        ASSERT_FALSE(ranked.places.empty()) << text;
        for (const std::size_t limit : {std::size_t{1}, std::size_t{20}, std::size_t{60}}) {
            std::vector<std::string> found;
            for (const Place& p : atlas.search(text, limit))
                found.push_back(placeAndWhere(p));
            EXPECT_EQ(found, scan.first(ranked, limit)) << "\"" << text << "\", up to " << limit;
        }
    }
}

// Ranking and the ambiguity rule on a small atlas whose populations are chosen
// at the rule's edges.
TEST(AtlasRanking, ExactNamesFirstThenPopulation) {
    const Atlas atlas =
        Atlas::fromText(smallAtlasText({{"Bergheim", "0", 0, 480000, 110000, 900, 1},
                                        {"Berg", "0", 0, 480000, 110000, 100, 1},
                                        {"Bergen", "", 0, 480000, 110000, 50000, 1}}),
                        "test");
    ASSERT_TRUE(atlas.available()) << atlas.unavailableReason();
    const std::vector<Place> found = atlas.search("berg");
    ASSERT_EQ(found.size(), 3u);
    EXPECT_EQ(found[0].name, "Berg");
    EXPECT_EQ(found[1].name, "Bergen");
    EXPECT_EQ(found[2].name, "Bergheim");
    // The one exact name wins though a longer name is more populous.
    EXPECT_EQ(atlas.resolve("Berg").status, PlaceLookup::Status::Found);
    EXPECT_EQ(atlas.search("berg", 2).size(), 2u);
    EXPECT_TRUE(atlas.search("").empty());
}

TEST(AtlasRanking, TheMostPopulousWinsOnlyWithATenfoldLead) {
    struct Row {
        std::uint32_t first, second;
        PlaceLookup::Status expected;
    };
    const Row rows[] = {
        {100000, 10000, PlaceLookup::Status::Found},    // exactly tenfold
        {99999, 10000, PlaceLookup::Status::Ambiguous}, // just short of it
        {100000, 0, PlaceLookup::Status::Found},        // the other's population unknown
        {0, 0, PlaceLookup::Status::Ambiguous},         // neither known
        {5000, 4999, PlaceLookup::Status::Ambiguous},
    };
    for (const Row& row : rows) {
        const Atlas atlas =
            Atlas::fromText(smallAtlasText({{"Lindau", "1", 1, 400000, -890000, row.second, 0},
                                            {"Lindau", "0", 0, 475000, 96800, row.first, 1}}),
                            "test");
        const PlaceLookup lookup = atlas.resolve("lindau");
        EXPECT_EQ(lookup.status, row.expected) << row.first << " vs " << row.second;
        if (lookup.status == PlaceLookup::Status::Found) {
            EXPECT_EQ(lookup.place.countryCode, "DE");
        } else {
            EXPECT_EQ(lookup.candidates.size(), 2u);
            EXPECT_FALSE(lookup.message.empty());
        }
    }
}

// The place a region is named after leads its whole-name tier without a
// tenfold lead, when it is the most populous and the only such place there.
TEST(AtlasRanking, ARegionsNamesakeLeadsAWholeNameTier) {
    struct Row {
        std::vector<TestPlace> places;
        const char* text;
        PlaceLookup::Status expected;
    };
    const Row rows[] = {
        {{{"Illinois", "1", 1, 400000, -890000, 5000, 0},
          {"Illinois", "0", 0, 480000, 110000, 4000, 1}},
         "illinois",
         PlaceLookup::Status::Found},
        // The namesake is not the most populous.
        {{{"Illinois", "1", 1, 400000, -890000, 3000, 0},
          {"Illinois", "0", 0, 480000, 110000, 4000, 1}},
         "illinois",
         PlaceLookup::Status::Ambiguous},
        // Found by another whole name, which names its region as well.
        {{{"Springfield", "1", 1, 400000, -890000, 5000, 0, {"Illinois"}},
          {"Illinois", "2", 1, 380000, -920000, 4000, 0}},
         "illinois",
         PlaceLookup::Status::Found},
        // Only whole names: a name that merely starts so does not count.
        {{{"Illinoisville", "1", 1, 400000, -890000, 5000, 0},
          {"Illinoistown", "0", 0, 480000, 110000, 4000, 1}},
         "illinois",
         PlaceLookup::Status::Ambiguous},
    };
    for (const Row& row : rows) {
        const Atlas atlas = Atlas::fromText(smallAtlasText(row.places), "test");
        ASSERT_TRUE(atlas.available()) << atlas.unavailableReason();
        const PlaceLookup lookup = atlas.resolve(row.text);
        EXPECT_EQ(lookup.status, row.expected)
            << row.places[0].name << " " << row.places[0].population;
        if (lookup.status == PlaceLookup::Status::Found) {
            EXPECT_EQ(lookup.place.region, "Illinois");
        }
    }
}

TEST(AtlasRanking, FoldTableAndBlanks) {
    const Atlas atlas =
        Atlas::fromText(smallAtlasText({{"Fürstenfeldbruck", "0", 0, 481800, 112500, 30000, 1},
                                        {"Groß-Umstadt", "", 0, 498700, 89300, 20000, 1}}),
                        "test");
    ASSERT_TRUE(atlas.available()) << atlas.unavailableReason();
    EXPECT_EQ(atlas.fold("  Groß-Umstadt  "), "gross umstadt");
    EXPECT_EQ(atlas.fold("FüR\xff"), "fur"); // a malformed byte folds to nothing
    EXPECT_EQ(atlas.search("grOSS umst").size(), 1u);
    EXPECT_EQ(atlas.search("furstenfeld, bavaria").size(), 1u);
    EXPECT_EQ(atlas.search("furstenfeld, de").size(), 1u);
    EXPECT_EQ(atlas.search("furstenfeld, us").size(), 0u);
    // A place without a known region still answers to its country.
    EXPECT_EQ(atlas.search("gross, germany").size(), 1u);
}

TEST(AtlasFile, MissingOrDamagedFilesLeaveTheAtlasUnavailable) {
    const std::string good = smallAtlasText({{"Berg", "0", 0, 480000, 110000, 100, 1}});
    ASSERT_TRUE(Atlas::fromText(good, "good").available());

    std::string flipped = good;
    flipped[good.find("Berg")] = 'X';
    std::string badIndex = good;
    badIndex.replace(badIndex.find("100\t1\n"), 6, "100\t7\n"); // zone 7 of 2, sum redone below
    badIndex = orbenza::testing::closeAtlas(badIndex.substr(0, badIndex.rfind("END\t")));
    std::string badNumber = good;
    badNumber.replace(badNumber.find("480000"), 6, "48x000");
    badNumber = orbenza::testing::closeAtlas(badNumber.substr(0, badNumber.rfind("END\t")));
    const std::string shortCount = orbenza::testing::closeAtlas(
        good.substr(0, good.rfind("END\t")).replace(good.find("P\t1"), 3, "P\t2"));

    std::string unnamed = good; // the place's one name marked as another name
    unnamed.replace(unnamed.find("berg\t0\t\n"), 8, "berg\t0\tBerg\n");
    unnamed = orbenza::testing::closeAtlas(unnamed.substr(0, unnamed.rfind("END\t")));
    std::string nameless = good; // a name of a place past the list
    nameless.replace(nameless.find("berg\t0\t\n"), 8, "berg\t1\t\n");
    nameless = orbenza::testing::closeAtlas(nameless.substr(0, nameless.rfind("END\t")));

    const std::pair<std::string, std::string> damaged[] = {
        {unnamed, "a place without its own name"},
        {nameless, "a name of no place"},
        {"", "cut short"},
        {good.substr(0, good.size() / 2), "cut in the middle"},
        {good.substr(0, good.size() - 1), "no final line feed"},
        {flipped, "a changed byte"},
        {badIndex, "a zone index past the list"},
        {badNumber, "a malformed number"},
        {shortCount, "fewer places than announced"},
        {orbenza::testing::closeAtlas("ORBENZA-ATLAS\t1\n"), "another version"},
        {std::string(100, '\0'), "binary rubbish"},
    };
    for (const auto& [text, what] : damaged) {
        const Atlas atlas = Atlas::fromText(text, "places.atlas");
        EXPECT_FALSE(atlas.available()) << what;
        EXPECT_EQ(atlas.size(), 0u) << what;
        EXPECT_EQ(
            atlas.unavailableReason().rfind("The place atlas is unavailable: places.atlas", 0), 0u)
            << what << ": " << atlas.unavailableReason();
        EXPECT_TRUE(atlas.search("Berg").empty()) << what;
        EXPECT_EQ(atlas.resolve("Berg").status, PlaceLookup::Status::Unavailable) << what;
    }

    const Atlas missing = Atlas::load("/nonexistent/places.atlas");
    EXPECT_FALSE(missing.available());
    EXPECT_NE(missing.unavailableReason().find("/nonexistent/places.atlas cannot be read"),
              std::string::npos);
    // Paths that are no atlas file at all: a folder, endless devices, a text.
    const std::string source = ORBENZA_SOURCE_DIR;
    for (const std::string& path : {source + "/data", std::string("/dev/zero"),
                                    std::string("/dev/null"), source + "/README.md"}) {
        const Atlas other = Atlas::load(path);
        EXPECT_FALSE(other.available()) << path;
        EXPECT_EQ(other.unavailableReason().rfind("The place atlas is unavailable: " + path, 0), 0u)
            << other.unavailableReason();
    }
}

TEST(AtlasFile, TheEnvironmentVariableComesFirst) {
    ::setenv("ORBENZA_ATLAS", "/tmp/elsewhere.atlas", 1);
    const std::vector<std::string> paths = atlasSearchPaths();
    ::unsetenv("ORBENZA_ATLAS");
    ASSERT_FALSE(paths.empty());
    EXPECT_EQ(paths.front(), "/tmp/elsewhere.atlas");
    EXPECT_EQ(paths.back(), orbenza::testing::sourceAtlasPath());
    EXPECT_EQ(atlasPath(), orbenza::testing::sourceAtlasPath());
}

} // namespace
} // namespace orbenza::atlas
