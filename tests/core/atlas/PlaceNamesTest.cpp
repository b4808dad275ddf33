// The world atlas as birth records name places: historic names, exonyms and
// other spellings, the places told apart, and the caution on clock times
// before 1970 far from a zone's principal city.
#include "AtlasTestSupport.h"
#include "atlas/Atlas.h"
#include "atlas/ClockCaution.h"

#include <cmath>
#include <gtest/gtest.h>

namespace orbenza::atlas {
namespace {

const Atlas& worldAtlas() {
    static const Atlas atlas = Atlas::load(orbenza::testing::sourceAtlasPath());
    return atlas;
}

bool near(const Place& p, double latDeg, double lonDeg) {
    return std::fabs(p.latitudeDeg - latDeg) < 0.1 && std::fabs(p.longitudeDeg - lonDeg) < 0.1;
}

TEST(PlaceNames, OldAndForeignNamesResolveToThePlace) {
    const Atlas& atlas = worldAtlas();
    ASSERT_TRUE(atlas.available()) << atlas.unavailableReason();
    struct Row {
        const char* text;
        double latDeg, lonDeg;
    };
    const Row rows[] = {
        {"Bombay", 19.07, 72.88},   {"Peking", 39.91, 116.40},          {"Saigon", 10.82, 106.63},
        {"Calcutta", 22.56, 88.36}, {"Madras, India", 13.09, 80.28},    {"Leningrad", 59.94, 30.31},
        {"Kiev", 50.45, 30.52},     {"Den Haag", 52.08, 4.30},          {"Cologne", 50.93, 6.95},
        {"Seville", 37.38, -5.97},  {"Fallujah", 33.35, 43.79},         {"Munger", 25.37, 86.47},
        {"Birgunj", 27.02, 84.88},  {"Querétaro City", 20.59, -100.39}, {"Dunhuang", 40.17, 94.68},
        {"Rugao", 32.37, 120.58},   {"Kaili, Guizhou", 26.59, 107.98},  {"Jette", 50.87, 4.33},
    };
    for (const Row& row : rows) {
        const PlaceLookup lookup = atlas.resolve(row.text);
        ASSERT_EQ(lookup.status, PlaceLookup::Status::Found) << row.text << ": " << lookup.message;
        EXPECT_TRUE(near(lookup.place, row.latDeg, row.lonDeg))
            << row.text << " gave " << placeLabel(lookup.place);
        // The first suggestion is the same place.
        const std::vector<Place> found = atlas.search(row.text, 1);
        ASSERT_EQ(found.size(), 1u) << row.text;
        EXPECT_TRUE(near(found[0], row.latDeg, row.lonDeg)) << row.text;
    }
    // Genève leads the American Genevas, though not tenfold, as the one that
    // bears its region's name; one of the same name in another region does not.
    const PlaceLookup geneva = atlas.resolve("Geneva");
    ASSERT_EQ(geneva.status, PlaceLookup::Status::Found) << geneva.message;
    EXPECT_TRUE(near(geneva.place, 46.20, 6.15)) << placeLabel(geneva.place);
    EXPECT_EQ(atlas.resolve("Geneva, US").status, PlaceLookup::Status::Ambiguous);
}

TEST(PlaceNames, AnotherNameIsShownAndTheOwnNameNeedsNone) {
    const Atlas& atlas = worldAtlas();
    const PlaceLookup bombay = atlas.resolve("bombay");
    ASSERT_EQ(bombay.status, PlaceLookup::Status::Found);
    EXPECT_EQ(placeLabel(bombay.place), "Mumbai (Bombay) \u2014 Maharashtra, India");
    // Typed without accents, the other name is shown in its proper form.
    const std::vector<Place> queretaro = atlas.search("Queretaro City", 1);
    ASSERT_EQ(queretaro.size(), 1u);
    EXPECT_EQ(queretaro[0].matchedName, "Querétaro City");
    // A place that its own name finds as well shows no other name, even when
    // another of its names starts with the text too.
    const std::vector<Place> mum = atlas.search("Mumba", 1);
    ASSERT_EQ(mum.size(), 1u);
    EXPECT_EQ(mum[0].name, "Mumbai");
    EXPECT_TRUE(mum[0].matchedName.empty()) << mum[0].matchedName;
    // Each place once however many of its names match.
    const std::vector<Place> ko = atlas.search("k", 20);
    for (std::size_t i = 0; i < ko.size(); ++i) {
        for (std::size_t j = i + 1; j < ko.size(); ++j)
            EXPECT_FALSE(ko[i].name == ko[j].name &&
                         near(ko[i], ko[j].latitudeDeg, ko[j].longitudeDeg))
                << placeLabel(ko[i]);
    }
}

TEST(PlaceNames, DistrictsFollowTheirCityAndLikeLabelsAreToldApart) {
    const Atlas& atlas = worldAtlas();
    const std::vector<Place> zurich = atlas.search("Zürich", 20);
    ASSERT_GE(zurich.size(), 3u);
    EXPECT_EQ(placeLabel(zurich[0]), "Zürich \u2014 Zurich, Switzerland");
    bool districtSeen = false;
    for (const Place& p : zurich)
        districtSeen = districtSeen || p.name.starts_with("Zürich (Kreis");
    EXPECT_TRUE(districtSeen);

    // A district comes after its city, though more populous than both.
    const Atlas small = Atlas::fromText(
        orbenza::testing::smallAtlasText({{"Berg (Mitte)", "0", 0, 480000, 110000, 9000, 1},
                                          {"Berg", "0", 0, 481000, 110000, 800, 1},
                                          {"Bergen", "0", 0, 482000, 110000, 900, 1}}),
        "test");
    ASSERT_TRUE(small.available()) << small.unavailableReason();
    std::vector<std::string> prefixOrder;
    for (const Place& p : small.search("ber"))
        prefixOrder.emplace_back(p.name);
    EXPECT_EQ(prefixOrder, (std::vector<std::string>{"Bergen", "Berg", "Berg (Mitte)"}));

    // Two places that would read alike carry their coordinates; others do not.
    const Atlas twins =
        Atlas::fromText(orbenza::testing::smallAtlasText({{"Au", "0", 0, 475000, 118000, 900, 1},
                                                          {"Au", "0", 0, 482500, -110000, 800, 1},
                                                          {"Aub", "0", 0, 490000, 110000, 700, 1}}),
                        "test");
    const std::vector<std::string> labels = distinctPlaceLabels(twins.search("au"));
    ASSERT_EQ(labels.size(), 3u);
    EXPECT_EQ(labels[0], "Au \u2014 Bavaria, Germany (47.50\u00b0N 11.80\u00b0E)");
    EXPECT_EQ(labels[1], "Au \u2014 Bavaria, Germany (48.25\u00b0N 11.00\u00b0W)");
    EXPECT_EQ(labels[2], "Aub \u2014 Bavaria, Germany");
}

TEST(ClockCaution, FarFromTheZonesCityBefore1970Only) {
    const Atlas& atlas = worldAtlas();
    struct Row {
        const char* place;
        int year;
        const char* city; // nullptr: no caution
    };
    const Row rows[] = {
        {"Ames, Iowa", 1960, "Chicago"},  {"Chicago", 1960, nullptr},
        {"Toledo, Spain", 1950, nullptr}, {"Sevilla", 1950, "Madrid"},
        {"Sevilla", 1985, nullptr},       {"Ames, Iowa", 1969, "Chicago"},
        {"Ames, Iowa", 1970, nullptr},
    };
    for (const Row& row : rows) {
        const PlaceLookup lookup = atlas.resolve(row.place);
        ASSERT_EQ(lookup.status, PlaceLookup::Status::Found) << row.place << lookup.message;
        const Place& p = lookup.place;
        const ClockCaution caution =
            clockCaution(p.timeZone, p.name, p.latitudeDeg, p.longitudeDeg, row.year);
        if (row.city == nullptr) {
            EXPECT_EQ(caution.code, ClockCaution::Code::None) << row.place << " " << row.year;
        } else {
            EXPECT_EQ(caution.code, ClockCaution::Code::PrincipalCityOnly) << row.place;
            EXPECT_EQ(caution.principalCity, row.city);
            EXPECT_EQ(caution.place, p.name);
        }
    }
    // Underscores of a zone's name are blanks in the city's; an unlisted zone
    // has no principal city to name.
    EXPECT_EQ(
        clockCaution("America/Argentina/Buenos_Aires", "Salta", -24.79, -65.41, 1950).principalCity,
        "Buenos Aires");
    EXPECT_EQ(clockCaution("Etc/UTC", "Nowhere", 10, 10, 1950).code, ClockCaution::Code::None);
}

TEST(ClockCaution, ZoneTableCoordinatesAndDistances) {
    double lat = 0, lon = 0;
    ASSERT_TRUE(parseIso6709("+415100-0873900", lat, lon));
    EXPECT_NEAR(lat, 41.85, 1e-9);
    EXPECT_NEAR(lon, -87.65, 1e-9);
    ASSERT_TRUE(parseIso6709("-3352+15113", lat, lon));
    EXPECT_NEAR(lat, -33.0 - 52.0 / 60, 1e-9);
    EXPECT_NEAR(lon, 151.0 + 13.0 / 60, 1e-9);
    for (const char* bad : {"", "+4151", "+41x1-08739", "4151-08739", "+4151-0873"})
        EXPECT_FALSE(parseIso6709(bad, lat, lon)) << bad;
    // Chicago to Ames about 480 km; a quarter of the equator 10,008 km.
    EXPECT_NEAR(greatCircleKm(41.85, -87.65, 42.0347, -93.62), 494, 10);
    EXPECT_NEAR(greatCircleKm(0, 0, 0, 90), 10007.5, 1);
}

} // namespace
} // namespace orbenza::atlas
