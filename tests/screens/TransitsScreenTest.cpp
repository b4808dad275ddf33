// The chart in time on the screens: the Transits tab's steps and its list of
// exact transits, and the Chart menu's screens over the main window.
#include "AppController.h"
#include "ChartExport.h"
#include "ChartInTimeScreen.h"
#include "ChartScreen.h"
#include "Delhi1985.h"
#include "LibraryDialog.h"
#include "MainWindow.h"
#include "TransitsTab.h"
#include "base/Aspect.h"
#include "chart/ChartRun.h"
#include "store/RecordChart.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>
#include <cmath>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

QDateTime utc(int y, int mo, int d, int h, int mi) {
    return {QDate(y, mo, d), QTime(h, mi), Qt::UTC};
}

// The longitude of a point on the outer ring of the bi-wheel.
double outerLongitude(const BiWheel& wheel, Body body) {
    for (const BiWheelOuterPlace& place : wheel.outer)
        if (place.body == body)
            return place.longitudeDeg;
    ADD_FAILURE() << "no outer " << bodyName(body);
    return 0.0;
}

class TransitsTabTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previousClock = TransitsTab::setClock([this] { return m_now; });
        m_tab.setNatalChart(runChart(delhi1985Input()));
    }
    void TearDown() override { TransitsTab::setClock(m_previousClock); }

    void click(const char* button) {
        auto* found = m_tab.findChild<QToolButton*>(QString::fromLatin1(button));
        ASSERT_NE(found, nullptr) << button;
        found->click();
    }

    QDateTime m_now = utc(2026, 1, 31, 22, 30);
    TransitsTab::Clock m_previousClock;
    TransitsTab m_tab;
};

TEST_F(TransitsTabTest, OpensAtNowAndTheArrowsStepByHourDayAndMonth) {
    EXPECT_EQ(m_tab.moment(), m_now);
    ASSERT_TRUE(m_tab.biWheel());
    const double moonAtStart = outerLongitude(*m_tab.biWheel(), Body::Moon);

    click("cmdHourForward"); // past midnight into February
    EXPECT_EQ(m_tab.moment(), utc(2026, 1, 31, 23, 30));
    // The sky outside follows: the Moon moves about half a degree an hour.
    const double moved = outerLongitude(*m_tab.biWheel(), Body::Moon) - moonAtStart;
    EXPECT_NEAR(std::remainder(moved, 360.0), 0.55, 0.15);
    click("cmdDayForward");
    EXPECT_EQ(m_tab.moment(), utc(2026, 2, 1, 23, 30));
    click("cmdHourBack");
    click("cmdDayBack");
    EXPECT_EQ(m_tab.moment(), utc(2026, 1, 31, 22, 30));
    // A month from the 31st ends on the last day of February, and one back
    // from there on the 28th of January.
    click("cmdMonthForward");
    EXPECT_EQ(m_tab.moment(), utc(2026, 2, 28, 22, 30));
    click("cmdMonthBack");
    EXPECT_EQ(m_tab.moment(), utc(2026, 1, 28, 22, 30));
}

TEST_F(TransitsTabTest, StepsStopAtTheLastYearTheSkyIsKnownFor) {
    m_tab.setMoment(utc(2050, 12, 20, 12, 0));
    click("cmdMonthForward");
    EXPECT_EQ(m_tab.moment(), QDateTime(QDate(2050, 12, 31), QTime(23, 59, 59), Qt::UTC));
    m_now = utc(2030, 5, 1, 0, 0);
    click("cmdTransitsNow");
    EXPECT_EQ(m_tab.moment(), m_now);
}

TEST_F(TransitsTabTest, ListCoversTwelveMonthsAndADoubleClickShowsTheExactSky) {
    QTreeWidget* list = m_tab.transitList();
    ASSERT_GT(list->topLevelItemCount(), 20);
    QDateTime previous = m_now;
    for (int r = 0; r < list->topLevelItemCount(); ++r) {
        const QDateTime exact = TransitsTab::exactMomentOf(*list->topLevelItem(r));
        EXPECT_GE(exact, previous) << r;
        previous = exact;
    }
    EXPECT_LE(previous, m_now.addMonths(12));

    // A transit of a slow planet: its place outside stands the aspect's angle
    // from the natal point at the moment shown.
    const ChartResult natal = runChart(delhi1985Input());
    QTreeWidgetItem* row = nullptr;
    for (int r = list->topLevelItemCount() - 1; r >= 0 && !row; --r)
        if (list->topLevelItem(r)->text(1).startsWith(QStringLiteral("Saturn")))
            row = list->topLevelItem(r);
    ASSERT_NE(row, nullptr);
    m_tab.resize(700, 1000);
    m_tab.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m_tab));
    list->scrollToItem(row);
    QCoreApplication::processEvents();
    // A double-click as the window system sends it: a click, then the second
    // press that makes it a double one.
    const QPoint at = list->visualItemRect(row).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    EXPECT_EQ(m_tab.moment().toString(Qt::ISODate).toStdString(),
              TransitsTab::exactMomentOf(*row).toString(Qt::ISODate).toStdString());

    const auto aspect = aspectNamed(row->text(2).toLower().toStdString());
    const auto natalPoint = bodyNamed(row->text(3).toStdString());
    ASSERT_TRUE(aspect && natalPoint);
    const double natalDeg =
        *natalPoint == Body::Midheaven ? natal.angles.mcDeg : natal.longitudesDeg[*natalPoint];
    const double separation =
        std::abs(std::remainder(outerLongitude(*m_tab.biWheel(), Body::Saturn) - natalDeg, 360.0));
    EXPECT_NEAR(separation, aspectKind(*aspect).angleDeg, 0.001);
    // The double-click left the list as it was: the row shown is still in it.
    EXPECT_EQ(list->currentItem(), row);
}

TEST_F(TransitsTabTest, MovingTheMomentFindsTheTwelveMonthsFromIt) {
    QTreeWidget* list = m_tab.transitList();
    const QDateTime oldEnd = m_now.addMonths(12);
    click("cmdMonthForward");
    const QDateTime from = m_tab.moment();
    ASSERT_GT(list->topLevelItemCount(), 20);
    EXPECT_GE(TransitsTab::exactMomentOf(*list->topLevelItem(0)), from);
    const QDateTime last =
        TransitsTab::exactMomentOf(*list->topLevelItem(list->topLevelItemCount() - 1));
    EXPECT_GT(last, oldEnd);
    EXPECT_LE(last, from.addMonths(12));
}

TEST_F(TransitsTabTest, ExportsTheBiWheelAsSvgPngAndPdf) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QString asked;
    const auto previousFile =
        setExportFileChooser([&asked](QWidget*, const ExportFileRequest&) -> SaveFileChoice {
            return {asked, QString()};
        });
    const auto previousWidth =
        setPictureWidthChooser([](QWidget*, int, PictureHeightForWidth) { return 300; });
    const auto bytesOf = [&](const char* name) {
        asked = folder.filePath(QString::fromLatin1(name));
        m_tab.exportPicture();
        QFile file(asked);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray svg = bytesOf("sky.svg");
    EXPECT_TRUE(svg.contains("<title>Transits of ANNA</title>"));
    EXPECT_TRUE(svg.contains("the sky of 2026-01-31 22:30:00 UT"));
    const QImage png = QImage::fromData(bytesOf("sky.png"), "PNG");
    EXPECT_EQ(png.width(), 300);
    const QByteArray pdf = bytesOf("sky.pdf");
    EXPECT_TRUE(pdf.startsWith("%PDF"));
    EXPECT_TRUE(pdf.trimmed().endsWith("%%EOF"));
    setExportFileChooser(previousFile);
    setPictureWidthChooser(previousWidth);
}

// The Chart menu of the main window, with a library holding a second chart.
class ChartMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_folder.isValid());
        const QString path = m_folder.filePath(QStringLiteral("charts.sqlite"));
        BirthInput other = delhi1985Input();
        other.name = "BORIS";
        other.local = CivilDateTime{1990, 3, 2, 6, 15, 0};
        {
            store::ChartLibrary library;
            ASSERT_TRUE(library.open(path.toStdString()));
            store::ChartRecord anna =
                store::recordOfChart(runChart(delhi1985Input()), "New Delhi", "Delhi", "India");
            store::ChartRecord boris = store::recordOfChart(runChart(other), "Pune", "", "India");
            ASSERT_TRUE(library.add(anna) && library.add(boris));
            m_annaId = anna.id;
        }
        m_controller.setLibraryPath(path);
        m_controller.setQuitHandler([] {});
        m_controller.setModalRunner([](QDialog& dialog) {
            auto* open = qobject_cast<OpenChartDialog*>(&dialog);
            ASSERT_NE(open, nullptr);
            open->filterBox()->setText(QStringLiteral("BORIS"));
            open->selectRow(0);
            open->openSelected();
        });
        m_controller.start();
        m_controller.openLibraryChart(m_annaId);
        ASSERT_NE(m_controller.mainWindow(), nullptr);
    }

    ChartInTimeScreen* open(const char* entry) {
        auto* action = m_controller.mainWindow()->findChild<QAction*>(QString::fromLatin1(entry));
        EXPECT_NE(action, nullptr) << entry;
        if (!action)
            return nullptr;
        action->trigger();
        const auto screens = m_controller.mainWindow()->findChildren<ChartInTimeScreen*>();
        return screens.isEmpty() ? nullptr : screens.last();
    }

    QTemporaryDir m_folder;
    std::int64_t m_annaId = 0;
    AppController m_controller;
};

TEST_F(ChartMenuTest, EachEntryOpensItsScreenWithTheSecondChartOutside) {
    ChartInTimeScreen* progressed = open("mnuProgressions");
    ASSERT_NE(progressed, nullptr);
    EXPECT_EQ(progressed->kind(), ChartInTimeScreen::Kind::Progressions);
    progressed->setProgressionDate(QDate(2015, 6, 15));
    ASSERT_TRUE(progressed->outerChart() && progressed->biWheel());
    // Thirty years of age are thirty days after birth: the Sun about 29
    // degrees on.
    const double arc = progressed->outerChart()->longitudesDeg[Body::Sun] -
                       runChart(delhi1985Input()).longitudesDeg[Body::Sun];
    EXPECT_NEAR(arc, 28.7, 0.5);

    ChartInTimeScreen* solar = open("mnuSolarReturn");
    ASSERT_NE(solar, nullptr);
    solar->setReturnYear(2020);
    ASSERT_TRUE(solar->outerChart());
    EXPECT_EQ(solar->outerChart()->moment.universalTime.year, 2020);
    // Relocated to Paris (2°21' E): the same moment, drawn for Paris.
    const CivilDateTime atBirthPlace = solar->outerChart()->moment.universalTime;
    solar->setReturnPlace(QStringLiteral("Paris, France"));
    ASSERT_TRUE(solar->outerChart());
    EXPECT_EQ(solar->outerChart()->moment.universalTime, atBirthPlace);
    EXPECT_EQ(solar->outerChart()->birth.longitudeDegrees, 2);
    EXPECT_FALSE(isTrue16(solar->outerChart()->birth.isSouth));
    // A text the atlas does not know keeps Paris and says so.
    solar->setReturnPlace(QStringLiteral("Xqzzyville"));
    EXPECT_EQ(solar->outerChart()->birth.longitudeDegrees, 2);
    EXPECT_TRUE(solar->momentLabel()->text().contains(QLatin1Char('\n')));

    ChartInTimeScreen* lunar = open("mnuLunarReturn");
    ASSERT_NE(lunar, nullptr);
    lunar->setReturnYear(2021);
    lunar->setReturnMonth(2);
    // Every month holds one lunar return or two.
    EXPECT_GE(lunar->lunarReturnCount(), 1);
    EXPECT_LE(lunar->lunarReturnCount(), 2);
    ASSERT_TRUE(lunar->outerChart());
    EXPECT_EQ(lunar->outerChart()->moment.universalTime.month, 2);

    ChartInTimeScreen* compare = open("mnuCompareWith");
    ASSERT_NE(compare, nullptr);
    ASSERT_TRUE(compare->outerChart());
    EXPECT_EQ(compare->outerChart()->birth.name, "BORIS");
    EXPECT_GT(compare->aspectList()->topLevelItemCount(), 0);
    compare->setComposite(true);
    ASSERT_TRUE(compare->outerChart());
    EXPECT_NE(compare->outerChart()->birth.name, "BORIS");
}

TEST_F(TransitsTabTest, Screenshot) {
    const QString folder = qEnvironmentVariable("ORBENZA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "set ORBENZA_SCREENSHOT_DIR to write the screenshot";
    m_tab.resize(620, 1000);
    m_tab.show();
    QCoreApplication::processEvents();
    EXPECT_TRUE(m_tab.grab().save(QDir(folder).filePath(QStringLiteral("transits.png"))));
}

} // namespace
} // namespace orbenza
