// The two chart pictures on the chart screen: the sign wheel's names inside
// their houses at every window size, the degree wheel painted from the core's
// model, the tabs and the exports of the picture shown.
#include "ChartExport.h"
#include "ChartScreen.h"
#include "ChartWheel.h"
#include "DegreeWheelView.h"
#include "MainWindow.h"
#include "ReportScreensTestSupport.h"
#include "TransitsTab.h"
#include "present/WheelOfChart.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

using testing::chartOf;

// 5 Feb 1962 06:30 IST at 77E13 28N39: eight names in the first house.
BirthInput entries1962() {
    BirthInput entries = testing::annaEntries();
    entries.name = "Test Chart";
    entries.local = CivilDateTime{1962, 2, 5, 6, 30, 0};
    return entries;
}

// Checks every list of the wheel at the scale it is drawn at: each name laid
// out, inside its house, no two names on top of each other, none below the
// smallest readable size.
void expectNamesInsideTheirHouses(const ChartWheel& wheel, double scale, const QString& where) {
    for (int k = 0; k < ChartWheel::kPositionCount; ++k) {
        // The bodies' list and the other points under it.
        const QString text = wheel.natalText(k) + wheel.pointsText(k);
        const qsizetype names = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts).size();
        const ChartWheel::NatalLayout layout = wheel.natalLayout(k, scale);
        ASSERT_EQ(layout.lines.size(), names) << where.toStdString() << ", house " << k + 1;
        if (names == 0)
            continue;
        EXPECT_GE(layout.fontPixels * scale, ChartWheel::kMinimumTextPixels - 1e-9)
            << where.toStdString() << ", house " << k + 1;
        const QPainterPath house = ChartWheel::houseRegion(k);
        for (qsizetype i = 0; i < layout.lines.size(); ++i) {
            const ChartWheel::NatalLine& line = layout.lines[i];
            EXPECT_TRUE(house.contains(line.box))
                << where.toStdString() << ": \"" << line.text.toStdString() << "\" of house "
                << k + 1 << " leaves it";
            for (qsizetype j = i + 1; j < layout.lines.size(); ++j)
                EXPECT_FALSE(line.box.intersects(layout.lines[j].box))
                    << where.toStdString() << ": \"" << line.text.toStdString() << "\" meets \""
                    << layout.lines[j].text.toStdString() << "\"";
        }
    }
}

// The chart screen in its main window at a window size, showing a chart.
struct ShownChart {
    ChartScreen* screen = new ChartScreen;
    MainWindow window{screen};
    ShownChart(const ChartResult& chart, QSize size) {
        screen->showChart(chart, QStringLiteral("New Delhi"), QStringLiteral("Delhi"),
                          QStringLiteral("India"));
        screen->showPicture(ChartScreen::Picture::SignWheel);
        window.resize(size);
        window.show();
        QApplication::processEvents();
    }
    // Choosing a tab is remembered; later tests start from the sign wheel.
    ~ShownChart() { QSettings().remove(ChartScreen::pictureSettingKey()); }
};

TEST(SignWheelNames, StayInsideTheirHouseAtEveryWindowSize) {
    const ChartResult charts[] = {chartOf(entries1962()), chartOf(testing::annaEntries())};
    for (const ChartResult& chart : charts) {
        for (const QSize size : {QSize(1366, 768), QSize(1000, 650)}) {
            ShownChart shown(chart, size);
            const ChartWheel& wheel = *shown.screen->wheel();
            const double scale = ChartWheel::scaleFor(wheel.size());
            const QString where = QStringLiteral("%1 at %2x%3")
                                      .arg(QString::fromStdString(chart.birth.name))
                                      .arg(size.width())
                                      .arg(size.height());
            expectNamesInsideTheirHouses(wheel, scale, where);
        }
    }
}

TEST(SignWheelNames, EightNamesFitInAnyHouseAtEveryWindowSize) {
    // Retrograde marks on every planet that can carry one: more than any sky
    // gives one sign, and the longest list a house can be asked to hold.
    const QString crowded = QStringLiteral(
        "\r\nSun\r\nMoon\r\nMercury (R) \r\nVenus (R) \r\nMars (R) \r\nJupiter (R) \r\nSaturn (R) "
        "\r\nAsc");
    for (const QSize size : {QSize(1366, 768), QSize(1000, 650)}) {
        ShownChart shown(chartOf(entries1962()), size);
        ChartWheel& wheel = *shown.screen->wheel();
        for (int k = 0; k < ChartWheel::kPositionCount; ++k)
            wheel.setNatalText(k, crowded);
        for (const double scale : {ChartWheel::scaleFor(wheel.size()), 0.1, 1.0})
            expectNamesInsideTheirHouses(wheel, scale,
                                         QStringLiteral("%1x%2 at scale %3")
                                             .arg(size.width())
                                             .arg(size.height())
                                             .arg(scale));
    }
}

TEST(SignWheelNames, AShortListKeepsItsDesignedPlaceAndSize) {
    ChartWheel wheel;
    wheel.setNatalText(0, QStringLiteral("\r\nSun"));
    const ChartWheel::NatalLayout layout = wheel.natalLayout(0, 0.1);
    ASSERT_EQ(layout.lines.size(), 1);
    EXPECT_EQ(layout.fontPixels, 150.0);
    EXPECT_EQ(layout.lines[0].box.left(), ChartWheel::natalTextRect(0).left());
}

// ---------------------------------------------------------------------------
// The degree wheel on the screen.

TEST(DegreeWheelView, TheTextsFitTheBoxesTheLayoutGaveThem) {
    const DegreeWheel wheel = degreeWheelOf(chartOf(entries1962()));
    int texts = 0;
    for (const WheelItem& item : wheel.items) {
        const auto* t = std::get_if<WheelText>(&item);
        if (!t)
            continue;
        ++texts;
        QFont font(QString::fromLatin1(kWheelFontFamily));
        font.setPixelSize(static_cast<int>(t->size));
        font.setBold(t->bold);
        font.setHintingPreference(QFont::PreferNoHinting);
        const QFontMetricsF metrics(font);
        const QString text = QString::fromStdString(t->text);
        const double advance = metrics.horizontalAdvance(text);
        // The ink as the painter draws it: centred on the anchor, on its baseline.
        const QRectF ink =
            metrics.tightBoundingRect(text).translated(t->anchor.x - advance / 2.0, t->anchor.y);
        const QRectF box(t->box.left, t->box.top, t->box.width, t->box.height);
        EXPECT_TRUE(box.adjusted(-0.5, -0.5, 0.5, 0.5).contains(ink))
            << "\"" << t->text << "\" ink " << ink.x() << "," << ink.y() << " " << ink.width()
            << "x" << ink.height() << " box " << box.x() << "," << box.y() << " " << box.width()
            << "x" << box.height();
        EXPECT_LE(advance, t->box.width + 0.5) << t->text;
    }
    EXPECT_GT(texts, 40);
}

TEST(DegreeWheelView, PaintsTheChartShownAndKeepsItsProportions) {
    ShownChart shown(chartOf(entries1962()), QSize(1366, 768));
    const DegreeWheelView& view = *shown.screen->degreeWheel();
    ASSERT_TRUE(view.wheel().has_value());
    EXPECT_EQ(view.heightForWidth(1040), 1090);
    QImage image(520, 545, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    view.render(painter, QRectF(0, 0, 520, 545));
    painter.end();
    // The rim's dark ring crosses the middle row near both edges, the
    // Ascendant's purple line reaches out of it on the left.
    const int middle = 260;
    int dark = 0;
    for (int x = 0; x < image.width(); ++x)
        if (qGray(image.pixel(x, middle)) < 140)
            ++dark;
    EXPECT_GT(dark, 4);
    bool purple = false;
    for (int x = 0; x < 20; ++x)
        for (int y = middle - 3; y <= middle + 3; ++y) {
            const QColor c = image.pixelColor(x, y);
            purple = purple || (c.blue() > c.green() + 40 && c.red() > c.green());
        }
    EXPECT_TRUE(purple);
}

// The chart opens on the degree wheel, whose houses the report counts; the
// second tab is named for the sign wheel's houses.
TEST(ChartPictureTabs, DegreeWheelFirstAndTheLastChoiceRemembered) {
    QSettings().remove(ChartScreen::pictureSettingKey());
    {
        ChartScreen screen;
        EXPECT_EQ(screen.shownPicture(), ChartScreen::Picture::DegreeWheel);
        auto* tabs = screen.findChild<QTabWidget*>(QStringLiteral("pictureTabs"));
        ASSERT_NE(tabs, nullptr);
        ASSERT_EQ(tabs->count(), 4);
        EXPECT_EQ(tabs->widget(3), screen.transitsTab());
        EXPECT_EQ(tabs->currentWidget(), screen.degreeWheel());
        EXPECT_EQ(tabs->tabText(1).remove(QLatin1Char('&')), QStringLiteral("Whole-Sign Houses"));
        EXPECT_EQ(tabs->tabText(2).remove(QLatin1Char('&')), QStringLiteral("Aspect Grid"));
        tabs->setCurrentIndex(1);
        EXPECT_EQ(screen.shownPicture(), ChartScreen::Picture::SignWheel);
        EXPECT_TRUE(screen.wheel()->isVisibleTo(tabs->currentWidget()));
    }
    {
        ChartScreen next;
        EXPECT_EQ(next.shownPicture(), ChartScreen::Picture::SignWheel);
        next.showPicture(ChartScreen::Picture::AspectGrid);
    }
    {
        ChartScreen grid;
        EXPECT_EQ(grid.shownPicture(), ChartScreen::Picture::AspectGrid);
        grid.showPicture(ChartScreen::Picture::DegreeWheel);
        // The Transits tab is not a picture to come back to.
        grid.findChild<QTabWidget*>(QStringLiteral("pictureTabs"))
            ->setCurrentWidget(grid.transitsTab());
        EXPECT_TRUE(grid.showsTransits());
    }
    ChartScreen last;
    EXPECT_EQ(last.shownPicture(), ChartScreen::Picture::DegreeWheel);
    QSettings().remove(ChartScreen::pictureSettingKey());
}

// ---------------------------------------------------------------------------
// Export of the picture shown.

QString withoutSize(QString svg) {
    svg.replace(QRegularExpression(QStringLiteral(" width=\"[0-9.]+\" height=\"[0-9.]+\"")),
                QString());
    return svg;
}

TEST(ChartPictureExport, TheDegreeWheelsSvgIsTheCommandLinesApartFromSize) {
    QTemporaryDir dir;
    ShownChart shown(chartOf(entries1962()), QSize(1366, 768));
    shown.screen->showPicture(ChartScreen::Picture::DegreeWheel);
    const QString file = dir.filePath(QStringLiteral("wheel.svg"));
    const auto previous = setExportFileChooser([&file](QWidget*, const ExportFileRequest&) {
        return SaveFileChoice{file, {}};
    });
    exportChartPicture(*shown.screen, nullptr);
    setExportFileChooser(previous);

    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
    const QString fromScreen = QString::fromUtf8(saved.readAll());

    QProcess cli;
    cli.start(QStringLiteral(ORBENZA_CLI_PATH),
              {"--name", "Test Chart", "--date", "1962-02-05", "--time", "06:30", "--zone", "IST",
               "--lon", "77:13E", "--lat", "28:39N", "--format", "svg"});
    ASSERT_TRUE(cli.waitForFinished(20000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    const QString fromCli = QString::fromUtf8(cli.readAllStandardOutput());
    EXPECT_TRUE(fromScreen.contains(
        QStringLiteral(" width=\"%1\"").arg(degreeWheelSvgWidth(*shown.screen->degreeWheel()))));
    EXPECT_EQ(withoutSize(fromScreen), withoutSize(fromCli));
}

TEST(ChartPictureExport, PngOfTheDegreeWheelHasItsProportions) {
    QTemporaryDir dir;
    ShownChart shown(chartOf(entries1962()), QSize(1366, 768));
    shown.screen->showPicture(ChartScreen::Picture::DegreeWheel);
    const QString file = dir.filePath(QStringLiteral("wheel.png"));
    const auto previousFile = setExportFileChooser([&file](QWidget*, const ExportFileRequest&) {
        return SaveFileChoice{file, {}};
    });
    // The dialog states the height the picture is then written with.
    int statedHeight = 0;
    const auto previousWidth = setPictureWidthChooser(
        [&statedHeight](QWidget*, int, PictureHeightForWidth heightForWidth) {
            statedHeight = heightForWidth(520);
            return std::optional<int>(520);
        });
    exportChartPicture(*shown.screen, nullptr);
    setExportFileChooser(previousFile);
    setPictureWidthChooser(previousWidth);
    const QImage image(file);
    EXPECT_EQ(image.size(), QSize(520, 545));
    EXPECT_EQ(statedHeight, 545);
}

TEST(ChartPictureTabs, Screenshots) {
    const QString folder = qEnvironmentVariable("ORBENZA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "set ORBENZA_SCREENSHOT_DIR to write the screenshots";
    ShownChart shown(chartOf(entries1962()), QSize(1366, 768));
    EXPECT_TRUE(shown.window.grab().save(QDir(folder).filePath(QStringLiteral("sign-wheel.png"))));
    shown.screen->showPicture(ChartScreen::Picture::DegreeWheel);
    QApplication::processEvents();
    EXPECT_TRUE(
        shown.window.grab().save(QDir(folder).filePath(QStringLiteral("degree-wheel.png"))));
    shown.screen->showPicture(ChartScreen::Picture::AspectGrid);
    QApplication::processEvents();
    EXPECT_TRUE(shown.window.grab().save(QDir(folder).filePath(QStringLiteral("aspect-grid.png"))));
    shown.screen->showPicture(ChartScreen::Picture::SignWheel);
}

} // namespace
} // namespace orbenza
