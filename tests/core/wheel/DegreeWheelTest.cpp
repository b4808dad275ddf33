// The degree wheel's layout: ticks at the true degrees, labels that never meet,
// the report's houses, and the SVG document written from it.
#include "wheel/DegreeWheel.h"

#include "BirthFixtures.h"
#include "chart/ChartRun.h"
#include "present/WheelOfChart.h"
#include "report/HouseReport.h"
#include "wheel/BiWheel.h"
#include "wheel/WheelShapes.h"
#include "wheel/WheelSvg.h"

#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <vector>

using namespace orbenza;
using orbenza::testing::makeBirth;
using orbenza::testing::Place;
using orbenza::testing::zoneAt;

namespace {

constexpr double kTickToleranceDeg = 0.1;
constexpr int kIstZone = 34;

struct WheelCase {
    const char* what;
    std::array<double, kPlanetCount> planetsDeg; // Sun ... Pluto
    double ascendantDeg;
    std::array<bool, kPlanetCount> retrograde{};
};

// Hand-made charts for the hard cases of the layout; the longitudes are
// chosen, not computed.
const std::vector<WheelCase>& wheelCases() {
    static const std::vector<WheelCase> cases{
        {"stellium of eight bodies within 10 degrees",
         {100.0, 101.5, 102.0, 103.2, 104.9, 106.0, 108.8, 109.9, 200.0, 250.0},
         95.0,
         {false, false, true, false, true, false, true, false, false, false}},
        {"bodies at 0 and 359.9 degrees",
         {0.0, 359.9, 0.05, 359.95, 120.0, 180.0, 240.0, 300.0, 60.0, 30.0},
         10.0,
         {false, false, true, true, false, false, false, false, true, true}},
        {"Ascendant at 29 degrees 59 minutes",
         {29.99, 30.0, 15.0, 45.0, 75.0, 105.0, 135.0, 165.0, 195.0, 225.0},
         29.0 + 59.0 / 60.0,
         {}},
        {"all ten bodies on one degree",
         {200.0, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0, 200.0},
         200.0,
         {false, false, true, true, true, true, true, true, true, true}},
        {"two clusters pushing into each other across Aries 0",
         {355.0, 356.0, 357.0, 358.0, 359.0, 1.0, 2.0, 3.0, 4.0, 5.0},
         270.0,
         {}},
        {"bodies far apart", {0, 36, 72, 108, 144, 180, 216, 252, 288, 324}, 123.4, {}},
    };
    return cases;
}

WheelInput inputOf(const WheelCase& c) {
    WheelInput input;
    for (std::size_t i = 0; i < kPlanetCount; ++i) {
        input.longitudesDeg[bodyAt(i)] = c.planetsDeg[i];
        input.retrograde[bodyAt(i)] = c.retrograde[i];
    }
    input.longitudesDeg[Body::Ascendant] = c.ascendantDeg;
    return input;
}

// Smallest angle between two directions, degrees.
double angularDistance(double a, double b) {
    return std::abs(std::remainder(a - b, 360.0));
}

// Direction of a point from the wheel's centre, degrees counter-clockwise
// from the right-hand horizontal.
double directionOf(const DegreeWheel& wheel, WheelPoint p) {
    return std::atan2(wheel.centre.y - p.y, p.x - wheel.centre.x) * 180.0 / 3.14159265358979;
}

template <typename T> std::vector<T> itemsOf(const DegreeWheel& wheel) {
    std::vector<T> found;
    for (const WheelItem& item : wheel.items)
        if (const T* p = std::get_if<T>(&item))
            found.push_back(*p);
    return found;
}

std::vector<WheelText> textsWithRole(const DegreeWheel& wheel, WheelRole role) {
    std::vector<WheelText> found;
    for (const WheelText& t : itemsOf<WheelText>(wheel))
        if (t.role == role)
            found.push_back(t);
    return found;
}

bool isBodyLabel(const WheelText& t) {
    return t.body.has_value();
}

ChartResult chartFor(const BirthData& birth, int zone) {
    return computeChart(birth, zoneAt(zone), Positions::Classic);
}

} // namespace

// ---------------------------------------------------------------------------
// Ticks, labels and leader lines.

TEST(DegreeWheel, EachBodysTickStandsAtItsLongitude) {
    for (const WheelCase& c : wheelCases()) {
        const DegreeWheel wheel = buildDegreeWheel(inputOf(c));
        for (std::size_t i = 0; i < kPlanetCount; ++i) {
            const Body body = bodyAt(i);
            int ticks = 0;
            for (const WheelLine& line : itemsOf<WheelLine>(wheel)) {
                if (line.role != WheelRole::BodyTick || line.body != body)
                    continue;
                ++ticks;
                const double shown =
                    longitudeAtWheelAngle(directionOf(wheel, line.from), c.ascendantDeg);
                const double inner =
                    longitudeAtWheelAngle(directionOf(wheel, line.to), c.ascendantDeg);
                EXPECT_LE(angularDistance(shown, c.planetsDeg[i]), kTickToleranceDeg)
                    << c.what << ": " << bodyName(body) << " at " << c.planetsDeg[i] << ", tick at "
                    << shown;
                EXPECT_LE(angularDistance(inner, c.planetsDeg[i]), kTickToleranceDeg)
                    << c.what << ": " << bodyName(body) << " tick leans";
            }
            EXPECT_EQ(ticks, 1) << c.what << ": " << bodyName(body);
        }
    }
}

TEST(DegreeWheel, TheAscendantStandsAtNineOClock) {
    for (const WheelCase& c : wheelCases()) {
        const DegreeWheel wheel = buildDegreeWheel(inputOf(c));
        EXPECT_NEAR(wheelAngleDeg(c.ascendantDeg, wheel.ascendantDeg), 180.0, 1e-9) << c.what;
        for (const WheelLine& line : itemsOf<WheelLine>(wheel))
            if (line.role == WheelRole::Horizon) {
                EXPECT_NEAR(line.from.y, wheel.centre.y, 1e-9) << c.what;
                EXPECT_LT(line.to.x, line.from.x) << c.what << ": the line points left";
            }
    }
}

TEST(DegreeWheel, NoTwoBodyLabelsMeetNorTouchTheHouseNumbers) {
    for (const WheelCase& c : wheelCases()) {
        const DegreeWheel wheel = buildDegreeWheel(inputOf(c));
        const std::vector<WheelText> texts = itemsOf<WheelText>(wheel);
        for (std::size_t a = 0; a < texts.size(); ++a) {
            if (!isBodyLabel(texts[a]))
                continue;
            for (std::size_t b = 0; b < texts.size(); ++b) {
                if (a == b)
                    continue;
                // Every other text: other bodies' labels, this body's other
                // parts, the house numbers, the "Asc" mark and the caption.
                EXPECT_FALSE(texts[a].box.intersects(texts[b].box))
                    << c.what << ": \"" << texts[a].text << "\" of " << bodyName(*texts[a].body)
                    << " meets \"" << texts[b].text << "\"";
            }
            for (const WheelSignPicture& picture : itemsOf<WheelSignPicture>(wheel))
                EXPECT_FALSE(texts[a].box.intersects(picture.box)) << c.what;
        }
    }
}

TEST(DegreeWheel, EveryBodyHasGlyphDegreeMinuteAndAnRWhenRetrograde) {
    const WheelCase& c = wheelCases()[0];
    const DegreeWheel wheel = buildDegreeWheel(inputOf(c));
    for (std::size_t i = 0; i < kPlanetCount; ++i) {
        std::map<WheelRole, std::string> parts;
        for (const WheelText& t : itemsOf<WheelText>(wheel))
            if (t.body == bodyAt(i))
                parts[t.role] = t.text;
        EXPECT_EQ(parts.count(WheelRole::BodyGlyph), 1u) << bodyName(bodyAt(i));
        EXPECT_EQ(parts.count(WheelRole::Retrograde), c.retrograde[i] ? 1u : 0u)
            << bodyName(bodyAt(i));
    }
    // Mars at 104.9 degrees: 14 degrees 54 minutes of Cancer, truncated.
    std::string marsDegree, marsMinute;
    for (const WheelText& t : itemsOf<WheelText>(wheel)) {
        if (t.body == Body::Mars && t.role == WheelRole::BodyDegree)
            marsDegree = t.text;
        if (t.body == Body::Mars && t.role == WheelRole::BodyMinute)
            marsMinute = t.text;
    }
    EXPECT_EQ(marsDegree, "14\u00B0");
    EXPECT_EQ(marsMinute, "54\u2032");
}

TEST(DegreeWheel, DegreeAndMinuteAreTruncatedAtTheEndOfTheZodiac) {
    WheelInput input;
    input.longitudesDeg[Body::Moon] = 359.9999;
    input.longitudesDeg[Body::Sun] = 30.0;
    const DegreeWheel wheel = buildDegreeWheel(input);
    std::map<std::pair<Body, WheelRole>, std::string> texts;
    for (const WheelText& t : itemsOf<WheelText>(wheel))
        if (t.body)
            texts[{*t.body, t.role}] = t.text;
    EXPECT_EQ((texts[{Body::Moon, WheelRole::BodyDegree}]), "29\u00B0");
    EXPECT_EQ((texts[{Body::Moon, WheelRole::BodyMinute}]), "59\u2032");
    EXPECT_EQ((texts[{Body::Sun, WheelRole::BodyDegree}]), "0\u00B0");
    EXPECT_EQ((texts[{Body::Sun, WheelRole::BodyMinute}]), "00\u2032");
}

TEST(DegreeWheel, ALeaderLineJoinsEveryMovedLabelToItsTick) {
    const WheelCase& stellium = wheelCases()[0];
    const DegreeWheel wheel = buildDegreeWheel(inputOf(stellium));
    int leaders = 0;
    for (const WheelLine& line : itemsOf<WheelLine>(wheel)) {
        if (line.role != WheelRole::LeaderLine)
            continue;
        ++leaders;
        const WheelBodyPlace& place = wheel.bodies[indexOf(*line.body)];
        EXPECT_LE(angularDistance(
                      longitudeAtWheelAngle(directionOf(wheel, line.from), wheel.ascendantDeg),
                      place.longitudeDeg),
                  kTickToleranceDeg);
        EXPECT_LE(
            angularDistance(longitudeAtWheelAngle(directionOf(wheel, line.to), wheel.ascendantDeg),
                            place.labelLongitudeDeg),
            kTickToleranceDeg);
    }
    // Eight bodies within ten degrees cannot all keep their places.
    EXPECT_GE(leaders, 6);
    // Neptune and Pluto, alone in their part of the sky, are not moved.
    EXPECT_NEAR(wheel.bodies[indexOf(Body::Neptune)].labelLongitudeDeg, 200.0, 1e-9);
    EXPECT_NEAR(wheel.bodies[indexOf(Body::Pluto)].labelLongitudeDeg, 250.0, 1e-9);
}

TEST(DegreeWheel, EverythingStaysOnTheCanvas) {
    for (const WheelCase& c : wheelCases()) {
        const DegreeWheel wheel = buildDegreeWheel(inputOf(c));
        const WheelBox canvas{0, 0, wheel.width, wheel.height};
        for (const WheelText& t : itemsOf<WheelText>(wheel))
            EXPECT_TRUE(canvas.contains(t.box)) << c.what << ": \"" << t.text << "\"";
        for (const WheelSignPicture& p : itemsOf<WheelSignPicture>(wheel))
            EXPECT_TRUE(canvas.contains(p.box)) << c.what;
    }
}

TEST(DegreeWheel, TwelveSignPicturesEachInTheMiddleOfItsSector) {
    const DegreeWheel wheel = buildDegreeWheel(inputOf(wheelCases()[2]));
    const auto pictures = itemsOf<WheelSignPicture>(wheel);
    ASSERT_EQ(pictures.size(), kSignCount);
    for (const WheelSignPicture& p : pictures) {
        const WheelPoint middle{p.box.left + p.box.width / 2, p.box.top + p.box.height / 2};
        const double longitude =
            longitudeAtWheelAngle(directionOf(wheel, middle), wheel.ascendantDeg);
        EXPECT_NEAR(longitude, 30.0 * static_cast<double>(indexOf(p.sign)) + 15.0, 1e-6)
            << signName(p.sign);
    }
}

// ---------------------------------------------------------------------------
// The houses are the report's.

TEST(DegreeWheel, CuspsAndHousesAreTheReports) {
    struct Row {
        const char* what;
        BirthData birth;
        int zone;
    };
    // Birth details typed as a user would; the houses to compare come from the
    // report's own placement of the same chart.
    const Row rows[] = {
        {"5 Feb 1962 06:30 IST, 77E13 28N39",
         makeBirth(1962, 2, 5, 6, 30, Place{77, 13, true, 28, 39}), kIstZone},
        {"15 Jun 1985 14:30 IST, 77E13 28N39",
         makeBirth(1985, 6, 15, 14, 30, Place{77, 13, true, 28, 39}), kIstZone},
        {"1 Jan 1901 00:00, 0E0 0N0", makeBirth(1901, 1, 1, 0, 0, Place{0, 0, true}), 29},
        {"31 Dec 2050 23:59, 179W59 66S30",
         makeBirth(2050, 12, 31, 23, 59, Place{179, 59, false, 66, 30, true}), 5},
    };
    for (const Row& row : rows) {
        const ChartResult chart = chartFor(row.birth, row.zone);
        const HousePlacement& report = chart.housePlacement;
        ASSERT_TRUE(report.ascendantFound) << row.what;
        const DegreeWheel wheel = degreeWheelOf(chart);
        for (int h = 1; h <= 12; ++h) {
            // Degree index 1..360 of the cusp's whole degree.
            const int cuspIndex =
                static_cast<int>(std::floor(wheel.cuspLongitudeDeg[h - 1])) % 360 + 1;
            EXPECT_EQ(cuspIndex, report.houseStart[h]) << row.what << ", house " << h;
        }
        for (std::size_t i = 0; i < kPlanetCount; ++i)
            EXPECT_EQ(wheelHouseOf(wheel, chart.longitudesDeg[bodyAt(i)]), report.planetHouse[i])
                << row.what << ": " << bodyName(bodyAt(i));
        // The numbers stand in their houses.
        for (const WheelText& number : textsWithRole(wheel, WheelRole::HouseNumber)) {
            const WheelPoint middle{number.box.left + number.box.width / 2,
                                    number.box.top + number.box.height / 2};
            const double longitude =
                longitudeAtWheelAngle(directionOf(wheel, middle), wheel.ascendantDeg);
            EXPECT_EQ(wheelHouseOf(wheel, longitude), number.house) << row.what;
            EXPECT_EQ(number.text, std::to_string(number.house));
        }
    }
}

TEST(DegreeWheel, RetrogradeMarksFollowTheChart) {
    const ChartResult chart =
        chartFor(makeBirth(1985, 6, 15, 14, 30, Place{77, 13, true, 28, 39}), kIstZone);
    const DegreeWheel wheel = degreeWheelOf(chart);
    for (std::size_t i = 0; i < kPlanetCount; ++i) {
        EXPECT_EQ(wheel.bodies[i].retrograde, chart.retrograde[bodyAt(i)]) << bodyName(bodyAt(i));
    }
    EXPECT_TRUE(wheel.bodies[indexOf(Body::Uranus)].retrograde);
}

// The angles' marks and the retrograde letter are the chart language's, on the
// single wheel and on a bi-wheel's outer ring alike.
TEST(DegreeWheel, MarksTheAnglesAndRetrogradesInTheLanguage) {
    const ChartResult chart =
        chartFor(makeBirth(1985, 6, 15, 14, 30, Place{77, 13, true, 28, 39}), kIstZone);
    const auto textsOf = [](const std::vector<WheelItem>& items, WheelRole role) {
        std::vector<std::string> texts;
        for (const WheelItem& item : items)
            if (const auto* text = std::get_if<WheelText>(&item); text && text->role == role)
                texts.push_back(text->text);
        return texts;
    };
    const WheelInput german = wheelInputOf(chart, true, Language::German);
    const DegreeWheel wheel = buildDegreeWheel(german);
    EXPECT_EQ(textsOf(wheel.items, WheelRole::Horizon), std::vector<std::string>{"AC"});
    EXPECT_EQ(textsOf(wheel.items, WheelRole::Midheaven), std::vector<std::string>{"MC"});
    BiWheelInput bi{german, {{Body::Ascendant, 10.0, false}, {Body::Mars, 50.0, true}}, "caption"};
    bi.inner.retrogradeMark = "\xE0\xA4\xB5"; // the Hindi letter
    const BiWheel outer = buildBiWheel(bi);
    const std::vector<WheelItem> ring(outer.drawing.items.begin() +
                                          static_cast<std::ptrdiff_t>(outer.firstOuterItem),
                                      outer.drawing.items.end());
    EXPECT_EQ(textsOf(ring, WheelRole::BodyGlyph)[0], "AC");
    EXPECT_EQ(textsOf(ring, WheelRole::Retrograde), std::vector<std::string>{"\xE0\xA4\xB5"});
    // Hindi's longer angle names still fit on the canvas.
    const DegreeWheel hindi = buildDegreeWheel(wheelInputOf(chart, true, Language::Hindi));
    EXPECT_EQ(textsOf(hindi.items, WheelRole::Retrograde).size(), 5u);
    for (const std::string& mark : textsOf(hindi.items, WheelRole::Retrograde))
        EXPECT_EQ(mark, "\xE0\xA4\xB5");
    const WheelBox canvas{0, 0, hindi.width, hindi.height};
    for (const WheelText& t : itemsOf<WheelText>(hindi))
        EXPECT_TRUE(canvas.contains(t.box)) << t.text;
}

// ---------------------------------------------------------------------------
// Spreading along the circle.

TEST(SpreadAround, KeepsOrderAndGapAndMovesNothingThatNeedNotMove) {
    struct Row {
        const char* what;
        std::vector<double> longitudes;
        double gap;
    };
    const Row rows[] = {
        {"apart already", {10, 40, 70}, 8},
        {"three on one point", {50, 50, 50}, 8},
        {"across Aries 0", {358, 359, 0, 1}, 8},
        {"ten on one point", std::vector<double>(10, 123.0), 30},
        {"ten asking for more than the circle", std::vector<double>(10, 5.0), 50},
        {"empty", {}, 8},
    };
    for (const Row& row : rows) {
        const std::vector<double> places = spreadAround(row.longitudes, row.gap);
        ASSERT_EQ(places.size(), row.longitudes.size()) << row.what;
        const double gap =
            std::min(row.gap, 360.0 / std::max(1.0, static_cast<double>(places.size())));
        for (std::size_t a = 0; a < places.size(); ++a)
            for (std::size_t b = a + 1; b < places.size(); ++b)
                EXPECT_GE(angularDistance(places[a], places[b]), gap - 1e-6)
                    << row.what << ": places " << a << " and " << b;
    }
    EXPECT_EQ(spreadAround({10, 40, 70}, 8), (std::vector<double>{10, 40, 70}));
    // Three on one point: centred on it, one gap either side.
    const std::vector<double> three = spreadAround({50, 50, 50}, 8);
    EXPECT_NEAR(three[0], 42, 1e-9);
    EXPECT_NEAR(three[1], 50, 1e-9);
    EXPECT_NEAR(three[2], 58, 1e-9);
    // Across Aries 0 the four stay in zodiac order around 359.5.
    const std::vector<double> wrap = spreadAround({358, 359, 0, 1}, 8);
    EXPECT_NEAR(wrap[0], 347.5, 1e-9);
    EXPECT_NEAR(wrap[3], 11.5, 1e-9);
}

// ---------------------------------------------------------------------------
// The SVG document.

TEST(WheelSvg, WritesEveryPrimitiveAndEscapesTheTitle) {
    const DegreeWheel wheel = buildDegreeWheel(inputOf(wheelCases()[0]));
    const std::string svg =
        wheelSvg(wheel, 520, {"Orbenza chart of <Tom & \"Jerry\">", "Born\nthere"});
    EXPECT_EQ(svg.rfind("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg ", 0), 0u);
    EXPECT_NE(svg.find(" width=\"520\" height=\"545\" viewBox=\"0 0 1040 1090\""),
              std::string::npos);
    EXPECT_NE(svg.find("<title>Orbenza chart of &lt;Tom &amp; &quot;Jerry&quot;&gt;</title>"),
              std::string::npos);
    const auto count = [&svg](const std::string& what) {
        std::size_t n = 0;
        for (std::size_t at = svg.find(what); at != std::string::npos; at = svg.find(what, at + 1))
            ++n;
        return n;
    };
    EXPECT_EQ(count("<text "), itemsOf<WheelText>(wheel).size());
    EXPECT_EQ(count("<line "), itemsOf<WheelLine>(wheel).size());
    EXPECT_EQ(count("<circle cx=\"520\""), itemsOf<WheelCircle>(wheel).size());
    // Each sign picture brings its own elements along (the Aries picture's arcs).
    EXPECT_NE(svg.find(std::string(signPictureElements(Sign::Aries))), std::string::npos);
    EXPECT_EQ(count("<svg"), 1u) << "the pictures are written without their own wrapper";
    EXPECT_EQ(svg.substr(svg.size() - 7), "</svg>\n");
}

TEST(WheelSvg, SignPicturesAreTheProgramsOwnWithoutTheirWrapper) {
    for (std::size_t s = 0; s < kSignCount; ++s) {
        const std::string_view elements = signPictureElements(signAt(s));
        EXPECT_FALSE(elements.empty()) << signName(signAt(s));
        EXPECT_EQ(elements.find("<?xml"), std::string_view::npos);
        EXPECT_EQ(elements.find("<title"), std::string_view::npos);
        EXPECT_EQ(elements.find("svg"), std::string_view::npos) << signName(signAt(s));
        EXPECT_EQ(elements.front(), '<');
        EXPECT_EQ(elements.back(), '>');
    }
    EXPECT_NE(signPictureElements(Sign::Aries), signPictureElements(Sign::Taurus));
}

TEST(WheelSvg, TheChartsTitleNamesThePersonAndTheMoment) {
    const ChartResult chart =
        chartFor(makeBirth(1962, 2, 5, 6, 30, Place{77, 13, true, 28, 39}), kIstZone);
    const WheelSvgTitle title = wheelTitleOf(chart);
    EXPECT_EQ(title.title, "Orbenza chart of TEST");
    EXPECT_EQ(title.description.substr(0, title.description.find('\n')),
              "Born 5 February 1962 at 06:30 local time");
    EXPECT_NE(title.description.find("Latitude 28\u00B0 39' N, longitude 77\u00B0 13' E"),
              std::string::npos);
    EXPECT_NE(title.description.find("Computed for 5 Feb 1962 01:00 UT"), std::string::npos);
}

// A chart of another house system draws its own cusps, its Midheaven and an
// aspect chord for every aspect but the conjunctions, minor ones dashed.
TEST(DegreeWheel, DrawsTheChosenCuspsTheMidheavenAndTheAspects) {
    ChartChoices choices;
    choices.houseSystem = HouseSystem::Placidus;
    choices.aspectSet = AspectSet::All;
    const ChartResult chart =
        computeChart(makeBirth(1985, 6, 15, 14, 30, Place{77, 13, true, 28, 39}), zoneAt(kIstZone),
                     Positions::Classic, choices);
    const DegreeWheel wheel = buildDegreeWheel(wheelInputOf(chart, true));
    EXPECT_EQ(wheel.cuspLongitudeDeg, chart.cuspsDeg);
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet)
        EXPECT_EQ(wheelHouseOf(wheel, chart.longitudesDeg[bodyAt(planet)]),
                  chart.houses[bodyAt(planet)]);
    std::size_t chords = 0, dashed = 0, midheaven = 0;
    for (const WheelItem& item : wheel.items) {
        if (const auto* line = std::get_if<WheelLine>(&item)) {
            chords += line->role == WheelRole::AspectLine;
            dashed += line->role == WheelRole::AspectLine && line->dashed;
            midheaven += line->role == WheelRole::Midheaven;
        }
    }
    std::size_t expectedChords = 0, expectedDashed = 0;
    for (const AspectFound& aspect : chart.aspects) {
        expectedChords += aspect.aspect != Aspect::Conjunction;
        expectedDashed += !aspectKind(aspect.aspect).major();
    }
    EXPECT_EQ(chords, expectedChords);
    EXPECT_EQ(dashed, expectedDashed);
    EXPECT_GT(dashed, 0u);
    EXPECT_EQ(midheaven, 1u);
    // Without them the wheel has neither.
    for (const WheelItem& item : buildDegreeWheel(wheelInputOf(chart)).items) {
        if (const auto* line = std::get_if<WheelLine>(&item)) {
            EXPECT_NE(line->role, WheelRole::AspectLine);
        }
    }
}

// Crowded charts: eight bodies in one sign with every other point close by,
// on unequal cusps. Each label stays between the cusps (and on the side of the
// Ascendant's line) its body stands between, within the displacement limit,
// and no two labels meet.
TEST(DegreeWheel, CrowdedLabelsKeepToTheirHousesAndNearTheirDegrees) {
    struct Crowd {
        const char* what;
        std::array<double, kPlanetCount> planetsDeg;
        std::array<double, 5> otherDeg; // Chiron, nodes, Lilith, Fortune
        std::array<double, 12> cuspsDeg;
    };
    const Crowd crowds[] = {
        {"eight in Cancer across a cusp, the Sun just before the Ascendant",
         {99.6, 92.0, 95.5, 97.0, 104.0, 106.5, 111.0, 116.0, 300.0, 240.0},
         {118.0, 91.0, 93.0, 121.0, 10.0},
         {100.0, 118.0, 139.0, 166.0, 200.0, 245.0, 280.0, 298.0, 319.0, 346.0, 20.0, 65.0}},
        {"eight in one house of 30 degrees, seven in the next",
         {201.0, 203.0, 204.5, 206.0, 208.5, 211.0, 214.0, 219.0, 233.0, 236.0},
         {238.0, 231.0, 232.5, 240.0, 245.0},
         {200.0, 230.0, 258.0, 285.0, 313.0, 348.0, 20.0, 50.0, 78.0, 105.0, 133.0, 168.0}},
    };
    for (const Crowd& c : crowds) {
        WheelInput input;
        for (std::size_t i = 0; i < kPlanetCount; ++i)
            input.longitudesDeg[bodyAt(i)] = c.planetsDeg[i];
        input.longitudesDeg[Body::Ascendant] = c.cuspsDeg[0];
        input.cuspsDeg = c.cuspsDeg;
        const Body others[] = {Body::Chiron, Body::TrueNode, Body::MeanNode, Body::Lilith,
                               Body::Fortune};
        for (std::size_t k = 0; k < 5; ++k)
            input.otherPoints.push_back({others[k], c.otherDeg[k]});
        const DegreeWheel wheel = buildDegreeWheel(input);
        ASSERT_EQ(wheel.bodies.size(), kPlanetCount + 5);
        EXPECT_EQ(textsWithRole(wheel, WheelRole::BodyGlyph).size(), kPlanetCount + 5);
        for (const WheelBodyPlace& place : wheel.bodies) {
            EXPECT_LT(angularDistance(place.labelLongitudeDeg, place.longitudeDeg),
                      kMaxLabelDisplacementDeg)
                << c.what << ": " << bodyName(place.body);
            EXPECT_EQ(wheelHouseOf(wheel, place.labelLongitudeDeg),
                      wheelHouseOf(wheel, place.longitudeDeg))
                << c.what << ": " << bodyName(place.body);
        }
        // The Sun stands 0.4 degrees before the Ascendant: its label too.
        if (c.planetsDeg[0] < c.cuspsDeg[0]) {
            EXPECT_LT(wheel.bodies[0].labelLongitudeDeg, c.cuspsDeg[0]) << c.what;
        }
        const std::vector<WheelText> texts = itemsOf<WheelText>(wheel);
        for (std::size_t a = 0; a < texts.size(); ++a)
            for (std::size_t b = a + 1; b < texts.size(); ++b)
                if (isBodyLabel(texts[a]) && isBodyLabel(texts[b]) &&
                    texts[a].body != texts[b].body) {
                    EXPECT_FALSE(texts[a].box.intersects(texts[b].box))
                        << c.what << ": " << texts[a].text << " meets " << texts[b].text;
                }
    }
}
