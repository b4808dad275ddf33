// The application shell: "Proceed" into the main window, "&Back" and a fresh
// chart, "&Print", "&Exit", the about box, the web links of the main window and
// the placement of its controls.
#include "AboutBox.h"
#include "AppController.h"
#include "BirthDetailsScreen.h"
#include "ChartScreen.h"
#include "ChartSettingsDialog.h"
#include "ChartWheel.h"
#include "DegreeWheelView.h"
#include "MainWindow.h"
#include "SaveScreen.h"
#include "ShellRecorders.h"
#include "UserMessages.h"
#include "present/PositionText.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>
#include <variant>

namespace orbenza {
namespace {

using testing::MessageRecorder;
using testing::UrlRecorder;

template <typename T> T* child(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found)
        throw std::runtime_error("no child named " + name.toStdString());
    return found;
}

QString labelText(const QWidget* parent, const char* name) {
    return child<QLabel>(parent, QLatin1String(name))->text();
}

// ---------------------------------------------------------------------------
// The placement rule, in twips.

TEST(ShellPlacementRule, ButtonsStandFromTheRightEdgeAndTheRestIsCentred) {
    // A display 9600 twips wide with 1200-twip buttons: Exit at 8240, Back at
    // 7000, Print (placed from Back's width) at 5800.
    const ShellPlacement placed = placeShellControls(9600, 4000, 1800, 1200, 1200, 9000);
    EXPECT_EQ(placed.exitLeft, 8240);
    EXPECT_EQ(placed.backLeft, 7000);
    EXPECT_EQ(placed.printLeft, 5800);
    EXPECT_EQ(placed.bannerLeft, 2800);
    EXPECT_EQ(placed.titleLeft, 3900);
    EXPECT_EQ(placed.chartLeft, 300);
}

TEST(ShellPlacementRule, PrintFollowsTheBackButtonsWidthNotItsOwn) {
    const ShellPlacement narrowBack = placeShellControls(9600, 0, 0, 1200, 900, 0);
    EXPECT_EQ(narrowBack.printLeft, 9600 - (900 + 2600));
    EXPECT_EQ(narrowBack.backLeft, 9600 - (900 + 1400));
    EXPECT_EQ(narrowBack.exitLeft, 8240);
    // Wider than the window: centred items start left of the edge.
    const ShellPlacement wide = placeShellControls(1000, 3000, 1001, 100, 100, 1000);
    EXPECT_EQ(wide.bannerLeft, -1000);
    EXPECT_EQ(wide.titleLeft, 0); // (1000 - 1001) / 2 rounds toward zero
    EXPECT_EQ(wide.chartLeft, 0);
}

TEST(ShellPlacementRule, TwipsAndPixelsConvertAtTheLogicalResolution) {
    EXPECT_EQ(pixelsToTwips(96, 96.0), 1440);
    EXPECT_EQ(twipsToPixels(1440, 96.0), 96);
    EXPECT_EQ(twipsToPixels(9600, 96.0), 640);
    EXPECT_EQ(twipsToPixels(160, 96.0), 11);
    EXPECT_EQ(twipsToPixels(1440, 144.0), 144);
    EXPECT_EQ(pixelsToTwips(1366, 96.0), 20490);
}

// ---------------------------------------------------------------------------
// Moving between the screens.

class ShellTest : public ::testing::Test {
protected:
    void SetUp() override {
        ChartWheel::initResources();
        m_controller.setModalRunner([this](QDialog& dialog) {
            m_dialogs << dialog.objectName();
            if (m_onDialog)
                m_onDialog(dialog);
        });
        m_controller.setQuitHandler([this] { ++m_quits; });
        m_controller.start();
    }

    BirthDetailsScreen* details() const { return m_controller.birthDetailsScreen(); }
    template <typename T = QLineEdit> T* field(const char* name) const {
        return child<T>(details(), QLatin1String(name));
    }

    // Ada, 15 June 1985, 9:30, Chennai, on the default zone (Greenwich).
    void enterFirstChart() {
        field("txtName")->setText("ADA");
        field<QComboBox>("cboMonth")->setCurrentIndex(5);
        field<QComboBox>("cboDate")->setCurrentIndex(14);
        field<QComboBox>("cboYear")->setCurrentText("1985");
        field<QComboBox>("cboHH")->setCurrentIndex(9);
        field<QComboBox>("cboMM")->setCurrentIndex(30);
        field("txtMCity")->setText("Chennai");
        field("txtMState")->setText("Tamil Nadu");
        field("txtMCountry")->setText("India");
    }

    void proceed() { child<QPushButton>(details(), "cmdRashi")->click(); }

    static void deleteDeferred() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    // The chart screen shows exactly the chart the core computes for the
    // screen's entries.
    void expectChartOfEntries(const ChartScreen* chart) {
        const auto outcome = chartOfInput(details()->input());
        ASSERT_TRUE(std::holds_alternative<ChartResult>(outcome));
        const ChartResult& expected = std::get<ChartResult>(outcome);
        for (int i = 0; i < 11; ++i)
            EXPECT_EQ(labelText(chart, QString("lblPlanet%1").arg(i).toLatin1().constData()),
                      QString::fromStdString(
                          shortPositionText(expected.zodiacPositions[bodyAt(std::size_t(i))])))
                << "lblPlanet" << i;
    }

    MessageRecorder m_messages;
    UrlRecorder m_urls;
    AppController m_controller;
    QStringList m_dialogs;
    std::function<void(QDialog&)> m_onDialog;
    int m_quits = 0;
};

TEST_F(ShellTest, ProceedShowsTheChartInTheMainWindowAndHidesTheBirthDetails) {
    EXPECT_TRUE(details()->isVisible());
    EXPECT_EQ(m_controller.mainWindow(), nullptr);
    enterFirstChart();
    proceed();

    EXPECT_TRUE(m_messages.messages().empty());
    MainWindow* window = m_controller.mainWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->objectName(), "MDI");
    EXPECT_EQ(window->windowTitle(), programTitle());
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(details()->isVisible());

    ChartScreen* chart = m_controller.chartScreen();
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->objectName(), "frmDisplay");
    EXPECT_TRUE(window->isAncestorOf(chart));
    EXPECT_EQ(labelText(chart, "lblName"), "ADA");
    EXPECT_EQ(labelText(chart, "lblDOB"), "June/15/1985");
    EXPECT_EQ(labelText(chart, "lblTOB"), "9:30");
    EXPECT_EQ(labelText(chart, "lblCity"), "Chennai");
    EXPECT_EQ(labelText(chart, "lblState"), "Tamil Nadu");
    EXPECT_EQ(labelText(chart, "lblCountry"), "India");
    expectChartOfEntries(chart);
    EXPECT_FALSE(chart->reportPlainText().isEmpty());
}

TEST_F(ShellTest, BackKeepsTheEntriesAndTheNextProceedFillsAFreshChartScreen) {
    enterFirstChart();
    proceed();
    QPointer<MainWindow> firstWindow = m_controller.mainWindow();
    QPointer<ChartScreen> firstChart = m_controller.chartScreen();
    ASSERT_TRUE(firstChart);
    const QString firstReport = firstChart->reportPlainText();

    child<QPushButton>(firstWindow, "cmdBack")->click();
    EXPECT_TRUE(details()->isVisible());
    EXPECT_EQ(m_controller.mainWindow(), nullptr);
    deleteDeferred();
    EXPECT_TRUE(firstWindow.isNull());
    EXPECT_TRUE(firstChart.isNull());
    EXPECT_EQ(m_quits, 0);

    // Everything as the user left it.
    EXPECT_EQ(field("txtName")->text(), "ADA");
    EXPECT_EQ(field("txtMCity")->text(), "Chennai");
    EXPECT_EQ(field<QComboBox>("cboMonth")->currentIndex(), 5);
    EXPECT_EQ(field<QComboBox>("cboYear")->currentText(), "1985");
    EXPECT_EQ(field<QComboBox>("cboMM")->currentIndex(), 30);

    // Another date.
    field<QComboBox>("cboMonth")->setCurrentIndex(2);
    field<QComboBox>("cboDate")->setCurrentIndex(6);
    field<QComboBox>("cboYear")->setCurrentText("1990");
    proceed();
    ChartScreen* second = m_controller.chartScreen();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(m_controller.mainWindow()->isVisible());
    EXPECT_FALSE(details()->isVisible());
    EXPECT_EQ(labelText(second, "lblDOB"), "March/7/1990");
    expectChartOfEntries(second);
    EXPECT_NE(second->reportPlainText(), firstReport);
}

TEST_F(ShellTest, TheBackMenuEntryDoesTheSame) {
    enterFirstChart();
    proceed();
    QPointer<MainWindow> window = m_controller.mainWindow();
    child<QAction>(window, "mnuBack")->trigger();
    deleteDeferred();
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(details()->isVisible());
    EXPECT_EQ(m_quits, 0);
}

TEST_F(ShellTest, PrintOpensTheSaveScreenWithTheShownReport) {
    enterFirstChart();
    proceed();
    MainWindow* window = m_controller.mainWindow();
    const QString report = m_controller.chartScreen()->reportPlainText();
    QString copy;
    QString offeredFileName;
    QWidget* parent = nullptr;
    m_onDialog = [&](QDialog& dialog) {
        parent = dialog.parentWidget();
        if (auto* save = qobject_cast<SaveScreen*>(&dialog)) {
            copy = save->copyText();
            const SaveFileChooser previous =
                setSaveFileChooser([&](QWidget*, const SaveFileRequest& request) {
                    offeredFileName = request.suggestedFileName;
                    return SaveFileChoice{};
                });
            save->save();
            setSaveFileChooser(previous);
        }
    };
    child<QPushButton>(window, "Command1")->click();
    EXPECT_EQ(m_dialogs, QStringList({"frmSave"}));
    EXPECT_EQ(parent, window);
    // The copy, printed or saved, opens with whose chart it is, and the save
    // dialog offers a file name from the name.
    EXPECT_TRUE(copy.startsWith(QStringLiteral("ADA\r\nBorn 15 June 1985 at 09:30 local time in "
                                               "Chennai, Tamil Nadu, India\r\nLatitude ")))
        << copy.left(200).toStdString();
    EXPECT_EQ(offeredFileName, QStringLiteral("ADA report.rtf"));
    const QString firstLine = report.section(QStringLiteral("\r\n"), 0, 0);
    ASSERT_FALSE(firstLine.isEmpty());
    EXPECT_TRUE(copy.contains(firstLine)) << copy.left(200).toStdString();
    EXPECT_TRUE(copy.contains(report.trimmed().right(40))) << copy.right(200).toStdString();
}

TEST_F(ShellTest, ASavedReportNamesItsChartAndMomentInItsProperties) {
    enterFirstChart();
    proceed();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath(QStringLiteral("ada.rtf"));
    m_onDialog = [&](QDialog& dialog) {
        if (auto* save = qobject_cast<SaveScreen*>(&dialog))
            save->saveTo(path, SaveScreen::FileFormat::RichText);
    };
    child<QPushButton>(m_controller.mainWindow(), "Command1")->click();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray saved = file.readAll();
    EXPECT_TRUE(saved.contains(
        "{\\info{\\title Orbenza chart of ADA}"
        "{\\subject Computed for 15 Jun 1985 09:30 UT, Greenwich Mean Time, GMT, 0.0, "
        "classic positions}}"))
        << saved.left(300).toStdString();
}

TEST_F(ShellTest, ExitButtonEndsTheProgram) {
    enterFirstChart();
    proceed();
    child<QPushButton>(m_controller.mainWindow(), "cmdMdiExit")->click();
    EXPECT_EQ(m_quits, 1);
    EXPECT_FALSE(m_controller.mainWindow()->isVisible());
}

TEST_F(ShellTest, ExitMenuEntryEndsTheProgram) {
    enterFirstChart();
    proceed();
    child<QAction>(m_controller.mainWindow(), "mnuExit")->trigger();
    EXPECT_EQ(m_quits, 1);
}

TEST_F(ShellTest, ClosingTheMainWindowEndsTheProgram) {
    enterFirstChart();
    proceed();
    m_controller.mainWindow()->close();
    EXPECT_EQ(m_quits, 1);
}

TEST_F(ShellTest, ClosingTheBirthDetailsScreenEndsTheProgram) {
    details()->close();
    EXPECT_EQ(m_quits, 1);
}

TEST_F(ShellTest, MainWindowCarriesItsControlsAndMenus) {
    enterFirstChart();
    proceed();
    MainWindow* window = m_controller.mainWindow();
    EXPECT_EQ(labelText(window, "lblSoftwareName"), "Orbenza");
    EXPECT_EQ(child<QPushButton>(window, "Command1")->text(), "&Print");
    EXPECT_EQ(child<QPushButton>(window, "cmdBack")->text(), "&Back");
    EXPECT_EQ(child<QPushButton>(window, "cmdMdiExit")->text(), "&Exit");
    EXPECT_TRUE(labelText(window, "lblBanner").contains(homePageAddress()));

    QStringList menus;
    for (const QAction* top : window->menuBar()->actions()) {
        QStringList entries;
        for (const QAction* action : top->menu()->actions())
            entries << (action->isSeparator() ? "-" : action->text());
        menus << top->text() + ": " + entries.join('|');
    }
    EXPECT_EQ(menus,
              QStringList({"&File: &Back|-|Export Chart &Picture\u2026|Save Report as "
                           "P&DF\u2026|-|Save Chart to &Library|&Open Chart\u2026|Recent "
                           "&Charts|-|Chart &Settings\u2026|E&xit",
                           "&Chart: &Progressions\u2026|&Solar Return\u2026|&Lunar "
                           "Return\u2026|&Compare With\u2026",
                           "&View: &Language",
                           "&Help: &User Guide|&Online Help|&Visit Us Online|-|Check for Software "
                           "U&pdate|-|&About Software"}));
}

TEST_F(ShellTest, MainWindowLinksOpenTheirPages) {
    enterFirstChart();
    proceed();
    MainWindow* window = m_controller.mainWindow();
    child<QAction>(window, "mnuOnline")->trigger();
    child<QAction>(window, "mnuVisit")->trigger();
    child<QAction>(window, "mnuUpdate")->trigger();
    QTest::mouseClick(child<QLabel>(window, "lblBanner"), Qt::LeftButton);
    EXPECT_EQ(m_urls.urls(),
              (std::vector<QUrl>{QUrl(helpPageAddress()), QUrl(homePageAddress()),
                                 QUrl(downloadPageAddress()), QUrl(homePageAddress())}));
    EXPECT_TRUE(m_dialogs.isEmpty());
}

TEST_F(ShellTest, AboutBoxFromBothWindows) {
    struct Seen {
        QString title, heading, description, ok, link;
        bool hasPicture = false;
        bool modal = false;
        QWidget* parent = nullptr;
        int result = -1;
        std::size_t urlsAfterLink = 0;
    };
    std::vector<Seen> seen;
    m_onDialog = [&](QDialog& dialog) {
        Seen s;
        s.title = dialog.windowTitle();
        s.heading = labelText(&dialog, "lblTitle");
        s.description = labelText(&dialog, "lblDescription");
        s.ok = child<QPushButton>(&dialog, "cmdOK")->text();
        s.link = labelText(&dialog, "lblHomePage");
        s.hasPicture = !child<QLabel>(&dialog, "picIcon")->pixmap().isNull();
        s.modal = dialog.isModal();
        s.parent = dialog.parentWidget();
        QTest::mouseClick(child<QLabel>(&dialog, "lblHomePage"), Qt::LeftButton);
        s.urlsAfterLink = m_urls.urls().size();
        dialog.show();
        child<QPushButton>(&dialog, "cmdOK")->click();
        s.result = dialog.result();
        EXPECT_FALSE(dialog.isVisible());
        seen.push_back(s);
    };

    child<QAction>(details(), "mnuAbout")->trigger();
    enterFirstChart();
    proceed();
    child<QAction>(m_controller.mainWindow(), "mnuAbout")->trigger();

    ASSERT_EQ(m_dialogs, QStringList({"frmAbout", "frmAbout"}));
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0].parent, details());
    EXPECT_EQ(seen[1].parent, m_controller.mainWindow());
    for (std::size_t i = 0; i < seen.size(); ++i) {
        EXPECT_EQ(seen[i].title, programTitle());
        EXPECT_EQ(seen[i].heading, programTitle());
        EXPECT_EQ(seen[i].description, labelText(details(), "Label2"));
        EXPECT_EQ(seen[i].ok, "OK");
        EXPECT_EQ(seen[i].link, "Click here to visit " + homePageAddress());
        EXPECT_TRUE(seen[i].hasPicture);
        EXPECT_TRUE(seen[i].modal);
        EXPECT_EQ(seen[i].result, QDialog::Accepted);
        EXPECT_EQ(seen[i].urlsAfterLink, i + 1);
    }
    for (const QUrl& url : m_urls.urls())
        EXPECT_EQ(url, QUrl(homePageAddress()));
}

// ---------------------------------------------------------------------------
// The look.

TEST_F(ShellTest, MainWindowPlacesItsHeaderByTheRuleWithoutOverlaps) {
    enterFirstChart();
    proceed();
    MainWindow* window = m_controller.mainWindow();
    for (const int width : {1366, 1920, window->minimumSizeHint().width()}) {
        window->showNormal();
        window->resize(width, 700);
        QApplication::processEvents();
        const double dpi = window->logicalDpiX();
        const ShellPlacement placed = window->placement();
        auto* print = child<QPushButton>(window, "Command1");
        auto* back = child<QPushButton>(window, "cmdBack");
        auto* exit = child<QPushButton>(window, "cmdMdiExit");
        auto* title = child<QLabel>(window, "lblSoftwareName");
        auto* banner = child<QLabel>(window, "lblBanner");
        const QWidget* header = exit->parentWidget();
        const std::string at = "width " + std::to_string(width);

        EXPECT_EQ(exit->x(), twipsToPixels(placed.exitLeft, dpi)) << at;
        EXPECT_EQ(back->x(), twipsToPixels(placed.backLeft, dpi)) << at;
        EXPECT_EQ(print->x(), twipsToPixels(placed.printLeft, dpi)) << at;
        EXPECT_EQ(placed,
                  placeShellControls(
                      pixelsToTwips(header->width(), dpi), pixelsToTwips(banner->width(), dpi),
                      pixelsToTwips(title->width(), dpi), pixelsToTwips(exit->width(), dpi),
                      pixelsToTwips(back->width(), dpi),
                      pixelsToTwips(m_controller.chartScreen()->width(), dpi)))
            << at;
        // Centred title and banner, buttons in a row inside the window, nothing
        // overlapping.
        EXPECT_NEAR(title->geometry().center().x(), header->width() / 2.0, 2.0) << at;
        EXPECT_NEAR(banner->geometry().center().x(), header->width() / 2.0, 2.0) << at;
        // A visible gap between neighbouring buttons.
        EXPECT_GE(back->geometry().left() - print->geometry().right(), 4) << at;
        EXPECT_GE(exit->geometry().left() - back->geometry().right(), 4) << at;
        EXPECT_LE(exit->geometry().right(), header->width()) << at;
        EXPECT_LT(banner->geometry().right(), print->geometry().left()) << at;
        EXPECT_LT(title->geometry().right(), print->geometry().left()) << at;
        EXPECT_TRUE(header->rect().contains(exit->geometry())) << at;
        EXPECT_TRUE(header->rect().contains(banner->geometry())) << at;
    }
}

TEST_F(ShellTest, WindowsFitAScreenOf1366By768) {
    // Room left by a task bar and the window frame.
    const QSize usable(1366, 768 - 40 - 32);
    const QSize birth = details()->sizeHint();
    EXPECT_LE(birth.width(), usable.width());
    EXPECT_LE(birth.height(), usable.height());
    const QSize birthMinimum = details()->minimumSizeHint();
    EXPECT_LE(birthMinimum.width(), usable.width());
    EXPECT_LE(birthMinimum.height(), usable.height());

    enterFirstChart();
    proceed();
    MainWindow* window = m_controller.mainWindow();
    EXPECT_LE(window->minimumSizeHint().width(), usable.width());
    EXPECT_LE(window->minimumSizeHint().height(), usable.height());
    window->showNormal();
    window->resize(usable);
    QApplication::processEvents();
    // The chart scrolls inside the window when it needs more room.
    auto* scroll = child<QScrollArea>(window, "scrChart");
    EXPECT_EQ(scroll->widget(), m_controller.chartScreen());
    EXPECT_TRUE(
        window->rect().contains(scroll->geometry().translated(scroll->parentWidget()->pos())));
}

// Writes pictures of the birth details screen, the about box and the main
// window into ORBENZA_SCREENSHOT_DIR when it is set, for a look at the layout.
TEST_F(ShellTest, Screenshots) {
    const QString folder = qEnvironmentVariable("ORBENZA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "ORBENZA_SCREENSHOT_DIR not set";
    QDir().mkpath(folder);
    applyProgramLook(*qApp);
    // A fresh controller built with the program's font.
    AppController controller;
    controller.setModalRunner([](QDialog& dialog) {
        dialog.adjustSize();
        dialog.show();
        QApplication::processEvents();
        EXPECT_TRUE(dialog.grab().save(
            QDir(qEnvironmentVariable("ORBENZA_SCREENSHOT_DIR")).filePath("about.png")));
    });
    controller.setQuitHandler([] {});
    controller.start();
    BirthDetailsScreen* screen = controller.birthDetailsScreen();
    // The size it opens at on a real screen (the offscreen one is small).
    screen->resize(screen->sizeHint());
    QApplication::processEvents();
    EXPECT_TRUE(screen->grab().save(QDir(folder).filePath("birth-details.png")));
    child<QAction>(screen, "mnuAbout")->trigger();

    child<QLineEdit>(screen, "txtName")->setText("ADA");
    child<QLineEdit>(screen, "txtMCity")->setText("Chennai");
    child<QLineEdit>(screen, "txtMState")->setText("Tamil Nadu");
    child<QLineEdit>(screen, "txtMCountry")->setText("India");
    child<QPushButton>(screen, "cmdRashi")->click();
    ASSERT_NE(controller.mainWindow(), nullptr);
    controller.mainWindow()->showNormal();
    controller.mainWindow()->resize(1366, 768);
    QApplication::processEvents();
    EXPECT_TRUE(controller.mainWindow()->grab().save(QDir(folder).filePath("main-window.png")));
}

} // namespace
} // namespace orbenza

namespace orbenza {
namespace {

// The File menu's "P&recise Positions" entry of the birth details screen.
QAction* precisePositionsAction(BirthDetailsScreen* screen) {
    return screen->findChild<QAction*>(QStringLiteral("mnuPrecisePositions"));
}

TEST_F(ShellTest, PrecisePositionsAreAChoiceRememberedAndStatedOnTheChart) {
    QSettings(QStringLiteral("Orbenza"), QStringLiteral("Orbenza"))
        .remove(QStringLiteral("positions"));
    {
        BirthDetailsScreen fresh;
        QAction* action = precisePositionsAction(&fresh);
        ASSERT_NE(action, nullptr);
        EXPECT_TRUE(action->isCheckable());
        EXPECT_FALSE(action->isChecked());
        EXPECT_EQ(fresh.positions(), Positions::Classic);
    }
    QAction* action = precisePositionsAction(details());
    ASSERT_NE(action, nullptr);
    action->trigger();
    EXPECT_EQ(details()->positions(), Positions::Precise);
    EXPECT_EQ(QSettings(QStringLiteral("Orbenza"), QStringLiteral("Orbenza"))
                  .value(QStringLiteral("positions"))
                  .toString(),
              QStringLiteral("precise"));
    {
        // A later session starts with the choice.
        BirthDetailsScreen later;
        EXPECT_TRUE(precisePositionsAction(&later)->isChecked());
        EXPECT_EQ(later.positions(), Positions::Precise);
    }

    enterFirstChart();
    proceed();
    ChartScreen* chart = m_controller.chartScreen();
    ASSERT_NE(chart, nullptr);
    EXPECT_TRUE(labelText(chart, "lblComputedFor").endsWith(QStringLiteral(", precise positions")))
        << labelText(chart, "lblComputedFor").toStdString();
    ASSERT_EQ(details()->input().positions, Positions::Precise);
    const ChartResult expected = std::get<ChartResult>(chartOfInput(details()->input()));
    for (int i = 0; i < 11; ++i)
        EXPECT_EQ(labelText(chart, QString("lblPlanet%1").arg(i).toLatin1().constData()),
                  QString::fromStdString(
                      shortPositionText(expected.zodiacPositions[bodyAt(std::size_t(i))])))
            << "lblPlanet" << i;

    // Unticked again, the next session computes with the built-in method.
    action->trigger();
    EXPECT_EQ(QSettings(QStringLiteral("Orbenza"), QStringLiteral("Orbenza"))
                  .value(QStringLiteral("positions"))
                  .toString(),
              QStringLiteral("classic"));
}

// File > Chart Settings: the choice is remembered, the chart on view is
// drawn again with it, and the next "Proceed" uses it too.
TEST_F(ShellTest, ChartSettingsRedrawTheChartOnViewAndTheNextOnes) {
    enterFirstChart();
    proceed();
    ASSERT_NE(m_controller.mainWindow(), nullptr);
    m_onDialog = [](QDialog& dialog) {
        auto* system = dialog.findChild<QComboBox*>(QStringLiteral("cboHouseSystem"));
        system->setCurrentIndex(system->findData(QStringLiteral("placidus")));
        dialog.accept();
    };
    auto* settings =
        m_controller.mainWindow()->findChild<QAction*>(QStringLiteral("mnuChartSettings"));
    ASSERT_NE(settings, nullptr);
    settings->trigger();
    EXPECT_EQ(storedChartChoices().houseSystem, HouseSystem::Placidus);
    const auto& shown = m_controller.chartScreen()->shownChart();
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(shown->houseSystem, HouseSystem::Placidus);
    EXPECT_EQ(m_controller.chartScreen()->degreeWheel()->wheel()->cuspLongitudeDeg,
              shown->cuspsDeg);
    // Cancelled, nothing changes.
    m_onDialog = [](QDialog& dialog) { dialog.reject(); };
    settings->trigger();
    EXPECT_EQ(storedChartChoices().houseSystem, HouseSystem::Placidus);
    storeChartChoices(ChartChoices{});
}

} // namespace
} // namespace orbenza
