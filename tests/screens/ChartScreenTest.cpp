// The chart screen: what it shows for a computed chart, its report box and
// Label7, and how it fits a small screen.
#include "ChartScreen.h"

#include "ChartWheel.h"
#include "DegreeWheelView.h"
#include "ElidedLabel.h"
#include "MainWindow.h"
#include "ReportBox.h"
#include "ReportScreensTestSupport.h"
#include "UserMessages.h"
#include "chart/ChartReport.h"
#include "present/PositionText.h"
#include "report/HouseReport.h"

#include <QApplication>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <array>

namespace orbenza {
namespace {

using testing::annaEntries;
using testing::chartOf;
using testing::RecordedUrls;

constexpr std::array<const char*, 12> kSigns{"Aries",       "Taurus",    "Gemini",   "Cancer",
                                             "Leo",         "Virgo",     "Libra",    "Scorpio",
                                             "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

QString labelText(const ChartScreen& screen, const QString& name) {
    const auto* label = screen.findChild<QLabel*>(name);
    if (label == nullptr) {
        ADD_FAILURE() << "no label " << name.toStdString();
        return {};
    }
    return label->text();
}

QString perSignList(const ChartScreen& screen, int sign) {
    return labelText(screen, QStringLiteral("lblNatal") +
                                 QString::fromLatin1(kSigns[static_cast<std::size_t>(sign)]));
}

// A chart record of the given longitudes (Sun ... Pluto, Ascendant), taken
// apart as the run does, as the screen reads it.
ChartResult craftedChart(const std::array<double, kBodyCount>& longitudesDeg) {
    ChartResult chart;
    chart.birth.name = "TEST";
    for (Body body : kAllBodies) {
        chart.longitudesDeg[body] = longitudesDeg[indexOf(body)];
        chart.zodiacPositions[body] = zodiacPositionOf(chart.longitudesDeg[body]);
        chart.signs[body] = chart.zodiacPositions[body].sign;
    }
    return chart;
}

// ---------------------------------------------------------------------------------
// The known chart: ANNA, 15 June 1985 14:30, Indian time, 77°13' E 28°39' N.

class AnnaChart : public ::testing::Test {
protected:
    void SetUp() override {
        chart = chartOf(annaEntries());
        screen.showChart(chart, QStringLiteral("New Delhi"), QStringLiteral("Delhi"),
                         QStringLiteral("India"));
    }
    ChartResult chart;
    ChartScreen screen;
};

TEST_F(AnnaChart, BirthDetailsAndSigns) {
    const struct {
        const char* label;
        const char* text;
    } rows[] = {
        {"lblName", "ANNA"},
        {"lblDOB", "June/15/1985"},
        {"lblTOB", "14:30"},
        {"lblCity", "New Delhi"},
        {"lblState", "Delhi"},
        {"lblCountry", "India"},
        {"lblLatitude", "28\u00B0 39' N"},
        {"lblLongitude", "77\u00B0 13' E"},
        {"lblSunSign", "Gemini"},
        {"lblRashi", "Taurus"},
        {"lblLagna", "Libra"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(labelText(screen, QString::fromLatin1(row.label)).toStdString(), row.text)
            << "label " << row.label;
    EXPECT_TRUE(labelText(screen, QStringLiteral("lblComputedFor"))
                    .startsWith(QStringLiteral("Computed for 15 Jun 1985 09:00 UT")))
        << labelText(screen, QStringLiteral("lblComputedFor")).toStdString();
    // Under the Ascendant: the births that keep its sign and the houses.
    const QString window = labelText(screen, QStringLiteral("lblBirthTimeWindow"));
    EXPECT_TRUE(window.startsWith(QStringLiteral("Ascendant Libra for births from ")))
        << window.toStdString();
    EXPECT_TRUE(window.contains(QStringLiteral("; the same houses from "))) << window.toStdString();
}

// The method that computed the positions is read whole on the screen, not
// only in the tooltip of a shortened line.
TEST_F(AnnaChart, PositionsMethodReadableWithoutHovering) {
    screen.resize(1000, 650);
    screen.show();
    auto* method = screen.findChild<QLabel*>(QStringLiteral("lblPositionsMethod"));
    ASSERT_NE(method, nullptr);
    const struct {
        Positions positions;
        const char* text;
    } cases[] = {{Positions::Classic, "Classic positions (the built-in method)"},
                 {Positions::Precise, "Precise positions (Swiss Ephemeris series)"}};
    for (const auto& c : cases) {
        chart.positions = c.positions;
        screen.showChart(chart, {}, {}, {});
        QApplication::processEvents();
        EXPECT_EQ(method->text().toStdString(), c.text);
        EXPECT_TRUE(method->isVisible());
        EXPECT_GE(method->height(), method->heightForWidth(method->width()));
    }
}

TEST_F(AnnaChart, PositionsOfAllElevenBodies) {
    // The Sun and the Ascendant as worked out for this birth; every row shows
    // the position text of its body.
    EXPECT_EQ(labelText(screen, QStringLiteral("lblPlanet0")), QStringLiteral("24 Gem 12"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblPlanet10")), QStringLiteral("22 Lib 39"));
    const char* captions[] = {"Sun",    "Moon",   "Mercury", "Venus", "Mars", "Jupiter",
                              "Saturn", "Uranus", "Neptune", "Pluto", "Asc"};
    for (int i = 0; i < 11; ++i) {
        const std::size_t slot = static_cast<std::size_t>(i);
        EXPECT_EQ(labelText(screen, QStringLiteral("lblPlanet%1").arg(i)).toStdString(),
                  shortPositionText(chart.zodiacPositions[bodyAt(slot)]))
            << "row " << i;
        EXPECT_EQ(labelText(screen, QStringLiteral("PlanetName%1").arg(i)).toStdString(),
                  captions[i])
            << "row " << i;
    }
}

TEST_F(AnnaChart, WheelStartsAtLibraAndPerSignListsAreHidden) {
    const ChartWheel* wheel = screen.wheel();
    ASSERT_NE(wheel, nullptr);
    EXPECT_EQ(wheel->objectName(), QStringLiteral("picNatal"));
    constexpr int kLibra = 6;
    for (int k = 0; k < 12; ++k) {
        const int sign = (kLibra + k) % 12;
        EXPECT_EQ(wheel->signPicture(k), sign + 1) << "wheel position " << k;
        EXPECT_EQ(wheel->natalText(k), perSignList(screen, sign)) << "wheel position " << k;
    }
    EXPECT_TRUE(wheel->natalText(0).endsWith(QStringLiteral("\r\nAsc")));
    EXPECT_TRUE(perSignList(screen, 2).startsWith(QStringLiteral("\r\nSun")))
        << perSignList(screen, 2).toStdString();
    for (int sign = 0; sign < 12; ++sign) {
        const auto* list =
            screen.findChild<QLabel*>(QStringLiteral("lblNatal") +
                                      QString::fromLatin1(kSigns[static_cast<std::size_t>(sign)]));
        ASSERT_NE(list, nullptr);
        EXPECT_TRUE(list->isHidden()) << kSigns[static_cast<std::size_t>(sign)];
    }
}

TEST_F(AnnaChart, ReportBoxHoldsTheReportOfThePositions) {
    const std::vector<ReportRun> runs = chartReport(chart);
    EXPECT_EQ(screen.reportPlainText().toStdString(), reportPlainText(runs));
    const auto* box = screen.findChild<ReportBox*>(QStringLiteral("RTBHouseDesc"));
    ASSERT_EQ(box, screen.reportBox());
    EXPECT_TRUE(box->linksEnabled());
    EXPECT_EQ(box->parentWidget()->objectName(), QStringLiteral("picRight"));
}

TEST_F(AnnaChart, ShowingAnotherChartOverwritesEverything) {
    BirthInput entries = annaEntries();
    entries.name = "BEN";
    entries.local = CivilDateTime{1901, 1, 1, 0, 0, 0};
    const ChartResult second = chartOf(entries);
    screen.showChart(second, QStringLiteral("Agra"), QString(), QStringLiteral("India"));

    // Midnight of the first day the lists offer.
    EXPECT_EQ(labelText(screen, QStringLiteral("lblName")), QStringLiteral("BEN"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblDOB")), QStringLiteral("January/1/1901"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblTOB")), QStringLiteral("0:00"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblCity")), QStringLiteral("Agra"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblState")), QString());
    // Nothing of the first chart shows through.
    int listed = 0;
    for (int sign = 0; sign < 12; ++sign)
        listed += static_cast<int>(perSignList(screen, sign).count(QStringLiteral("\r\n")));
    EXPECT_EQ(listed, 8) << "seven bodies and the Ascendant";
    EXPECT_EQ(screen.reportPlainText().toStdString(), reportPlainText(chartReport(second)));
}

TEST_F(AnnaChart, Label7OpensTheHomePageAndChangesNothing) {
    RecordedUrls opened;
    auto* link = screen.findChild<LinkLabel*>(QStringLiteral("Label7"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(),
              QStringLiteral("For more detailed analysis of your planets in houses Visit ") +
                  homePageAddress());
    const QString before = screen.reportPlainText();
    screen.show();
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(opened.urls().size(), 2u);
    EXPECT_EQ(opened.urls()[0], QUrl(homePageAddress()));
    EXPECT_EQ(opened.urls()[1], QUrl(homePageAddress()));
    EXPECT_EQ(screen.reportPlainText(), before);
    EXPECT_EQ(labelText(screen, QStringLiteral("lblName")), QStringLiteral("ANNA"));
}

// ---------------------------------------------------------------------------------
// Charts made up for the corner cases of the presentation.

TEST(ChartScreenCases, SunMoonAndAscendantInLeo) {
    ChartScreen screen;
    screen.showChart(craftedChart({135.0010, 129.0343, 155.6677, 110.0177, 183.2843, 314.9177,
                                   232.1510, 254.5010, 271.8343, 212.3010, 123.1677}),
                     {}, {}, {});
    EXPECT_EQ(perSignList(screen, 4), QStringLiteral("\r\nSun\r\nMoon\r\nAsc"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblSunSign")), QStringLiteral("Leo"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblRashi")), QStringLiteral("Leo"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblLagna")), QStringLiteral("Leo"));
    EXPECT_EQ(screen.wheel()->natalText(0), QStringLiteral("\r\nSun\r\nMoon\r\nAsc"));
    EXPECT_EQ(screen.wheel()->signPicture(0), 5);
}

TEST(ChartScreenCases, RetrogradeMercuryKeepsItsTrailingBlank) {
    ChartResult chart = craftedChart({135.0010, 39.0343, 65.6677, 110.0177, 183.2843, 314.9177,
                                      232.1510, 254.5010, 271.8343, 212.3010, 3.1677});
    chart.retrograde[Body::Mercury] = true;
    ChartScreen screen;
    screen.showChart(chart, {}, {}, {});
    EXPECT_EQ(perSignList(screen, 2), QStringLiteral("\r\nMercury (R) "));
    EXPECT_EQ(screen.wheel()->natalText(2), QStringLiteral("\r\nMercury (R) "));
    // The positions table keeps the plain captions.
    EXPECT_EQ(labelText(screen, QStringLiteral("PlanetName2")), QStringLiteral("Mercury"));
}

TEST(ChartScreenCases, UranusNeptuneAndPlutoAreInNoListButInTheTable) {
    ChartScreen screen;
    screen.showChart(craftedChart({135.0010, 39.0343, 65.6677, 110.0177, 183.2843, 164.9177,
                                   232.1510, 14.5010, 1.8343, 2.3010, 243.1677}),
                     {}, {}, {});
    EXPECT_EQ(perSignList(screen, 0), QString());
    for (int k = 0; k < 12; ++k) {
        const QString text = screen.wheel()->natalText(k);
        for (const char* outer : {"Uranus", "Neptune", "Pluto"})
            EXPECT_FALSE(text.contains(QString::fromLatin1(outer))) << "wheel position " << k;
    }
    EXPECT_EQ(labelText(screen, QStringLiteral("lblPlanet7")), QStringLiteral("14 Ari 30"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblPlanet8")), QStringLiteral("01 Ari 50"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblPlanet9")), QStringLiteral("02 Ari 18"));
}

TEST(ChartScreenCases, AscendantInPiscesStartsTheWheelAtPisces) {
    ChartScreen screen;
    screen.showChart(craftedChart({135.0010, 39.0343, 65.6677, 110.0177, 183.2843, 164.9177,
                                   232.1510, 14.5010, 1.8343, 2.3010, 359.9843}),
                     {}, {}, {});
    EXPECT_EQ(labelText(screen, QStringLiteral("lblLagna")), QStringLiteral("Pisces"));
    const int expectedPictures[] = {12, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    for (int k = 0; k < 12; ++k) {
        EXPECT_EQ(screen.wheel()->signPicture(k), expectedPictures[k]) << "wheel position " << k;
        EXPECT_EQ(screen.wheel()->natalText(k), perSignList(screen, (11 + k) % 12))
            << "wheel position " << k;
    }
    EXPECT_EQ(screen.wheel()->natalText(0), QStringLiteral("\r\nAsc"));
}

TEST(ChartScreenCases, NamesAndPlacesShowAsTypedNeverAsMarkup) {
    ChartResult chart = chartOf(annaEntries());
    chart.birth.name = "<b>ANNA</b> & <i>co</i>";
    ChartScreen screen;
    screen.showChart(chart, QStringLiteral("<a href=\"file:///etc\">x</a>"),
                     QStringLiteral("S\u00E3o"), QStringLiteral("C\u00F4te d'Ivoire"));
    EXPECT_EQ(labelText(screen, QStringLiteral("lblName")),
              QStringLiteral("<b>ANNA</b> & <i>co</i>"));
    const auto* city = screen.findChild<QLabel*>(QStringLiteral("lblCity"));
    ASSERT_NE(city, nullptr);
    EXPECT_EQ(city->textFormat(), Qt::PlainText);
    EXPECT_EQ(labelText(screen, QStringLiteral("lblState")), QStringLiteral("S\u00E3o"));
}

// ---------------------------------------------------------------------------------
// The screen's controls and how it fits a 1366 x 768 screen.

TEST(ChartScreenLayout, CaptionsAndNames) {
    ChartScreen screen;
    EXPECT_EQ(screen.objectName(), QStringLiteral("frmDisplay"));
    EXPECT_EQ(screen.windowTitle(), programTitle());
    const struct {
        const char* name;
        const char* caption;
    } captions[] = {
        {"Label3", "Date of Birth :"}, {"Label14", "Time of Birth :"},  {"Label5", "City :"},
        {"Label12", "State :"},        {"Label6", "Country :"},         {"Label9", "Latitude   :"},
        {"Label4", "Longitude :"},     {"Label10", "Sun Sign"},         {"Label17", "Moon Sign"},
        {"Label1", "Ascendant"},       {"Label2", "Planets in Houses"},
    };
    for (const auto& row : captions)
        EXPECT_EQ(labelText(screen, QString::fromLatin1(row.name)).toStdString(), row.caption);
    const struct {
        const char* name;
        const char* title;
    } groups[] = {{"fraDetails", "Your Details"},
                  {"fraVedic", "Other Details"},
                  {"fraWestern", "Planetary Positions"}};
    for (const auto& row : groups) {
        const auto* group = screen.findChild<QGroupBox*>(QString::fromLatin1(row.name));
        ASSERT_NE(group, nullptr) << row.name;
        EXPECT_EQ(group->title().toStdString(), row.title);
    }
}

// Both pictures in turn, each measured while it is the one shown; the tab
// shown first is left as it was.
void expectPicturesAtLeast(ChartScreen& screen, int least) {
    for (const auto picture :
         {ChartScreen::Picture::SignWheel, ChartScreen::Picture::DegreeWheel}) {
        screen.showPicture(picture);
        QCoreApplication::processEvents();
        const QWidget* shown = picture == ChartScreen::Picture::SignWheel
                                   ? static_cast<const QWidget*>(screen.wheel())
                                   : static_cast<const QWidget*>(screen.degreeWheel());
        EXPECT_GE(shown->width(), least) << shown->objectName().toStdString();
        EXPECT_GE(shown->height(), least) << shown->objectName().toStdString();
    }
    QSettings().remove(ChartScreen::pictureSettingKey());
}

TEST(ChartScreenLayout, FitsASmallScreenWithoutClipping) {
    // What the main window leaves for the chart screen on a 1366 x 768 desktop.
    ChartScreen screen;
    ChartResult chart = chartOf(annaEntries());
    chart.retrograde[Body::Mercury] = true;
    screen.showChart(chart, QStringLiteral("Thiruvananthapuram"), QStringLiteral("Kerala"),
                     QStringLiteral("India"));
    screen.resize(1366, 620);
    screen.show();
    QCoreApplication::processEvents();

    // With the Midheaven and the other points under the bodies, the details
    // column is taller than this screen: it scrolls to its last row rather
    // than clipping any, and every label has room for its text.
    const auto* scroller = screen.findChild<QScrollArea*>(QStringLiteral("detailsScroller"));
    ASSERT_NE(scroller, nullptr);
    EXPECT_GE(scroller->verticalScrollBar()->maximum() + scroller->viewport()->height(),
              scroller->widget()->minimumSizeHint().height())
        << "column needs " << scroller->widget()->minimumSizeHint().height() << " pixels, has "
        << scroller->viewport()->height();
    for (const QLabel* label : scroller->widget()->findChildren<QLabel*>()) {
        // Names and places may be shortened with "…"; every other label shows whole.
        if (!label->isVisible() || label->wordWrap() || qobject_cast<const ElidedLabel*>(label))
            continue;
        EXPECT_GE(label->width(), label->sizeHint().width())
            << label->objectName().toStdString() << " \"" << label->text().toStdString() << "\"";
        EXPECT_GE(label->height(), label->sizeHint().height()) << label->objectName().toStdString();
    }
    // The wheel gets the middle of the screen and the report a readable width.
    expectPicturesAtLeast(screen, 450);
    EXPECT_GE(screen.reportBox()->width(), 320);
    const auto* link = screen.findChild<LinkLabel*>(QStringLiteral("Label7"));
    ASSERT_NE(link, nullptr);
    EXPECT_GE(link->width(), link->sizeHint().width());
}

// The details column leaves every group box its right edge and clips no label,
// whatever the width the splitter gives it.
void expectDetailsColumnWhole(const ChartScreen& screen) {
    const auto* scroller = screen.findChild<QScrollArea*>(QStringLiteral("detailsScroller"));
    ASSERT_NE(scroller, nullptr);
    const QWidget* viewport = scroller->viewport();
    for (const QGroupBox* group : scroller->widget()->findChildren<QGroupBox*>()) {
        const QRect inViewport(group->mapTo(viewport, QPoint(0, 0)), group->size());
        EXPECT_LE(inViewport.right(), viewport->width() - 1)
            << group->objectName().toStdString() << " ends at " << inViewport.right()
            << ", the column at " << viewport->width() - 1;
    }
    for (const QLabel* label : scroller->widget()->findChildren<QLabel*>()) {
        if (!label->isVisible())
            continue;
        const QRect inViewport(label->mapTo(viewport, QPoint(0, 0)), label->size());
        EXPECT_LE(inViewport.right(), viewport->width() - 1) << label->objectName().toStdString();
        if (!qobject_cast<const ElidedLabel*>(label)) {
            EXPECT_GE(label->width(), label->sizeHint().width())
                << label->objectName().toStdString() << " \"" << label->text().toStdString()
                << "\"";
        }
    }
}

const ElidedLabel* elidedLabel(const ChartScreen& screen, const char* name) {
    return screen.findChild<ElidedLabel*>(QString::fromLatin1(name));
}

TEST(ChartScreenMarks, RetrogradeBodiesAreMarkedBesideTheirPositions) {
    // ANNA's chart has retrograde bodies (the command line shows "Uranus (R)").
    const ChartResult anna = chartOf(annaEntries());
    ChartScreen screen;
    screen.showChart(anna, {}, {}, {});
    int marked = 0;
    for (int i = 0; i < ChartScreen::kPositionRows; ++i) {
        const std::size_t slot = static_cast<std::size_t>(i);
        // The table marks the bodies the chart holds retrograde.
        const bool retrograde = anna.retrograde[bodyAt(slot)];
        EXPECT_EQ(labelText(screen, QStringLiteral("lblRetrograde%1").arg(i)),
                  retrograde ? QStringLiteral(" (R) ") : QString())
            << bodyName(bodyAt(slot));
        // The position texts are written from the chart's positions.
        EXPECT_EQ(labelText(screen, QStringLiteral("lblPlanet%1").arg(i)).toStdString(),
                  shortPositionText(anna.zodiacPositions[bodyAt(slot)]));
        marked += retrograde ? 1 : 0;
    }
    EXPECT_GE(marked, 1);
    EXPECT_NE(labelText(screen, QStringLiteral("lblRetrograde7")), QString()) << "Uranus";

    // A chart with no retrograde body clears the marks of the one before.
    ChartResult direct = craftedChart({135.0010, 39.0343, 65.6677, 110.0177, 183.2843, 314.9177,
                                       232.1510, 254.5010, 271.8343, 212.3010, 3.1677});
    screen.showChart(direct, {}, {}, {});
    for (int i = 0; i < ChartScreen::kPositionRows; ++i)
        EXPECT_EQ(labelText(screen, QStringLiteral("lblRetrograde%1").arg(i)), QString()) << i;
}

TEST(ChartScreenLayout, LongNamesAndPlacesAreShortenedAndWholeInTheirTooltips) {
    ChartResult chart = chartOf(annaEntries());
    chart.birth.name = std::string(60, 'W');
    const QString city =
        QStringLiteral("Llanfairpwllgwyngyllgogerychwyrndrobwllllantysiliogogogoch Upper");
    const QString state = QStringLiteral("Kerala");
    const QString country =
        QStringLiteral("The United Kingdom of Great Britain and Northern Ireland");
    ChartScreen screen;
    screen.showChart(chart, city, state, country);
    screen.resize(1000, 650);
    screen.show();
    QCoreApplication::processEvents();

    const struct {
        const char* name;
        QString whole;
    } longTexts[] = {
        {"lblName", QString(60, QLatin1Char('W'))}, {"lblCity", city}, {"lblCountry", country}};
    for (const auto& row : longTexts) {
        const ElidedLabel* label = elidedLabel(screen, row.name);
        ASSERT_NE(label, nullptr) << row.name;
        EXPECT_EQ(label->text(), row.whole) << row.name;
        EXPECT_TRUE(label->isElided()) << row.name << " is " << label->width() << " wide";
        EXPECT_TRUE(label->shownText().endsWith(QChar(0x2026))) << row.name;
        EXPECT_EQ(label->toolTip(), row.whole) << row.name;
        EXPECT_LE(label->fontMetrics().horizontalAdvance(label->shownText()), label->width())
            << row.name;
    }
    // The line of the moment computed for is shortened too at this width.
    const ElidedLabel* computedFor = elidedLabel(screen, "lblComputedFor");
    ASSERT_NE(computedFor, nullptr);
    EXPECT_FALSE(computedFor->text().isEmpty());
    if (computedFor->isElided()) {
        EXPECT_EQ(computedFor->toolTip(), computedFor->text());
    }
    // A short text shows whole and needs no tooltip.
    const ElidedLabel* shortState = elidedLabel(screen, "lblState");
    ASSERT_NE(shortState, nullptr);
    EXPECT_FALSE(shortState->isElided());
    EXPECT_EQ(shortState->shownText(), state);
    EXPECT_EQ(shortState->toolTip(), QString());
    // The place is still whole for the exports' titles.
    EXPECT_EQ(screen.birthPlace(),
              city + QStringLiteral(", ") + state + QStringLiteral(", ") + country);
    expectDetailsColumnWhole(screen);

    // Wider, the whole name fits and its tooltip goes.
    chart.birth.name = "ANNA";
    screen.showChart(chart, city, state, country);
    QCoreApplication::processEvents();
    EXPECT_FALSE(elidedLabel(screen, "lblName")->isElided());
    EXPECT_EQ(elidedLabel(screen, "lblName")->toolTip(), QString());
}

TEST(ChartScreenLayout, ReadableAt1000By650) {
    ChartScreen screen;
    ChartResult chart = chartOf(annaEntries());
    screen.showChart(chart, QStringLiteral("Thiruvananthapuram"), QStringLiteral("Kerala"),
                     QStringLiteral("India"));
    screen.resize(1000, 650);
    screen.show();
    QCoreApplication::processEvents();
    expectDetailsColumnWhole(screen);
    expectPicturesAtLeast(screen, 300);
    EXPECT_GE(screen.reportBox()->width(), 250);
    const auto* link = screen.findChild<LinkLabel*>(QStringLiteral("Label7"));
    ASSERT_NE(link, nullptr);
    EXPECT_GE(link->width(), link->sizeHint().width());
    EXPECT_LE(link->geometry().bottom(), screen.height() - 1);
}

TEST(ChartWindowSize, NormalWindowAndItsFrameFitTheAvailableScreen) {
    // 1366 x 768 with a 40-pixel task bar.
    const QRect small(0, 0, 1366, 728);
    const QMargins frame(4, 32, 4, 4);
    const QSize normal = normalWindowSize(small, frame);
    EXPECT_EQ(normal, QSize(1280, 692));
    const QRect framed(small.topLeft(), QSize(normal.width() + frame.left() + frame.right(),
                                              normal.height() + frame.top() + frame.bottom()));
    EXPECT_TRUE(small.contains(framed));
    // A large screen gets the comfortable size.
    EXPECT_EQ(normalWindowSize(QRect(0, 0, 2560, 1400), frame), QSize(1280, 860));
    // A screen narrower than the comfortable width.
    EXPECT_EQ(normalWindowSize(QRect(0, 0, 1024, 600), frame), QSize(1016, 564));
    // A frame larger than the screen gives an empty size, never a negative one.
    EXPECT_EQ(normalWindowSize(QRect(0, 0, 20, 20), QMargins(30, 30, 30, 30)), QSize(0, 0));
}

TEST(ChartWindowSize, TheBottomLinkShowsWithoutScrollingInTheNormalWindow) {
    auto* screen = new ChartScreen;
    MainWindow window(screen);
    screen->showChart(chartOf(annaEntries()), QStringLiteral("New Delhi"), QStringLiteral("Delhi"),
                      QStringLiteral("India"));
    window.resize(normalWindowSize(QRect(0, 0, 1366, 728), QMargins(4, 32, 4, 4)));
    window.show();
    QCoreApplication::processEvents();
    const auto* scroll = window.findChild<QScrollArea*>(QStringLiteral("scrChart"));
    ASSERT_NE(scroll, nullptr);
    const auto* link = screen->findChild<LinkLabel*>(QStringLiteral("Label7"));
    ASSERT_NE(link, nullptr);
    const QRect linkInView(link->mapTo(scroll->viewport(), QPoint(0, 0)), link->size());
    EXPECT_TRUE(scroll->viewport()->rect().contains(linkInView))
        << "link at y " << linkInView.top() << ".." << linkInView.bottom() << ", view "
        << scroll->viewport()->height() << " high; chart screen needs "
        << screen->minimumSizeHint().height();
}

// Writes the screenshot of the filled chart screen when ORBENZA_SCREENSHOT_DIR
// names a folder.
TEST(ChartScreenLayout, Screenshot) {
    const QString folder = qEnvironmentVariable("ORBENZA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "set ORBENZA_SCREENSHOT_DIR to write the screenshot";
    ChartScreen screen;
    screen.showChart(chartOf(annaEntries()), QStringLiteral("New Delhi"), QStringLiteral("Delhi"),
                     QStringLiteral("India"));
    screen.resize(1366, 680);
    screen.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(screen.grab().save(QDir(folder).filePath(QStringLiteral("chart.png"))));
}

} // namespace
} // namespace orbenza
