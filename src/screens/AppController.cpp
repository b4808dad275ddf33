#include "AppController.h"

#include "AboutBox.h"
#include "BirthDetailsScreen.h"
#include "ChartExport.h"
#include "ChartInTimeScreen.h"
#include "ChartScreen.h"
#include "ChartSettingsDialog.h"
#include "Languages.h"
#include "LibraryDialog.h"
#include "MainWindow.h"
#include "ReportBox.h"
#include "SaveScreen.h"
#include "UserMessages.h"
#include "atlas/Atlas.h"
#include "present/Presentation.h"
#include "store/RecordChart.h"
#include "windows/BirthTimeWindows.h"

#include <QAction>
#include <QApplication>
#include <QIcon>
#include <QMenu>
#include <QStatusBar>
#include <algorithm>
#include <map>
#include <variant>

namespace orbenza {

void applyProgramLook(QApplication& application) {
    QApplication::setFont(ReportBox::screenFont());
    application.setWindowIcon(QIcon(QStringLiteral(":/orbenza.svg")));
}

namespace {
// The atlas of a file, read once per program run and shared by every
// controller (the tests make many).
std::shared_ptr<const atlas::Atlas> sharedAtlas(const std::string& path) {
    static std::map<std::string, std::shared_ptr<const atlas::Atlas>> loaded;
    auto& atlas = loaded[path];
    if (!atlas)
        atlas = std::make_shared<const atlas::Atlas>(atlas::Atlas::load(path));
    return atlas;
}
} // namespace

AppController::AppController(QObject* parent)
    : QObject(parent), m_birthDetails(std::make_unique<BirthDetailsScreen>()),
      m_modalRunner([](QDialog& dialog) { dialog.exec(); }),
      m_quitHandler([] { QCoreApplication::exit(0); }) {
    connect(m_birthDetails.get(), &BirthDetailsScreen::proceedRequested, this,
            &AppController::proceed);
    connect(m_birthDetails.get(), &BirthDetailsScreen::aboutRequested, this,
            [this] { showAbout(m_birthDetails.get()); });
    connect(m_birthDetails.get(), &BirthDetailsScreen::closed, this, &AppController::quit);
    addLibraryMenuEntries(m_birthDetails.get(), false);
    addSettingsMenuEntry(m_birthDetails.get());
    // The place atlas: a missing or damaged file leaves the City box plain
    // text, and the screen says so in one line.
    m_birthDetails->setAtlas(sharedAtlas(atlas::atlasPath()));
}

AppController::~AppController() {
    // The main window goes first: it holds the chart screen.
    delete m_mainWindow.data();
}

void AppController::start() {
    m_birthDetails->show();
}

MainWindow* AppController::mainWindow() const {
    return m_mainWindow.data();
}

ChartScreen* AppController::chartScreen() const {
    return m_mainWindow ? m_mainWindow->chartScreen() : nullptr;
}

void AppController::setModalRunner(ModalRunner runner) {
    m_modalRunner = std::move(runner);
}

void AppController::setQuitHandler(QuitHandler handler) {
    m_quitHandler = std::move(handler);
}

void AppController::proceed() {
    // A clock time that did not exist or happened twice: nothing is computed
    // until the user has said which universal time is meant.
    if (!m_birthDetails->settleClockTime())
        return;
    const auto outcome = chartOfInput(m_birthDetails->input(), storedChartChoices());
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        showUserMessage(m_birthDetails.get(), inputProblemText(refusal->problem),
                        inputProblemIcon(refusal->problem));
        m_birthDetails->focusField(refusal->focus);
        return;
    }
    const ChartResult& chart = std::get<ChartResult>(outcome);
    m_lastCorrection = chart.correction;
    m_openedId.reset();
    showChartWindow(chart, m_birthDetails->cityText(), m_birthDetails->stateText(),
                    m_birthDetails->countryText());
    m_mainWindow->chartScreen()->setClockCaution(m_birthDetails->clockCautionText());
}

void AppController::showChartWindow(ChartResult chart, const QString& city, const QString& state,
                                    const QString& country) {
    // The chart screen, its exports and print show the birth-time windows.
    if (!chart.windows)
        addBirthTimeWindows(chart);
    if (!m_mainWindow) {
        m_mainWindow = new MainWindow(new ChartScreen);
        connect(m_mainWindow, &MainWindow::backRequested, this, &AppController::back);
        connect(m_mainWindow, &MainWindow::printRequested, this, &AppController::print);
        connect(m_mainWindow, &MainWindow::exportPictureRequested, this,
                &AppController::exportPicture);
        connect(m_mainWindow, &MainWindow::saveReportPdfRequested, this,
                &AppController::saveReportPdf);
        connect(m_mainWindow, &MainWindow::aboutRequested, this,
                [this] { showAbout(m_mainWindow); });
        connect(m_mainWindow, &MainWindow::closed, this, &AppController::quit);
        addLibraryMenuEntries(m_mainWindow, true);
        addSettingsMenuEntry(m_mainWindow);
        addChartMenu(m_mainWindow,
                     {[this] { return chartScreen()->shownChart(); }, [this] { return library(); },
                      [] { return sharedAtlas(atlas::atlasPath()); },
                      [this](QDialog& dialog) { m_modalRunner(dialog); }});
    }
    m_shownCity = city;
    m_shownState = state;
    m_shownCountry = country;
    m_mainWindow->chartScreen()->showChart(chart, city, state, country);
    m_mainWindow->showMaximized();
    m_mainWindow->raise();
    m_mainWindow->activateWindow();
    m_birthDetails->hide();
}

void AppController::back() {
    if (!m_mainWindow)
        return;
    // Show the birth details first, so no moment passes without a window.
    m_birthDetails->show();
    m_birthDetails->raise();
    m_birthDetails->activateWindow();
    MainWindow* window = m_mainWindow;
    m_mainWindow.clear();
    window->disconnect(this);
    window->hide();
    // Deleted once its own click handler has returned.
    window->deleteLater();
}

void AppController::print() {
    if (!m_mainWindow)
        return;
    const ChartScreen* chartScreen = m_mainWindow->chartScreen();
    SaveScreen screen(chartScreen->reportPlainText(), m_mainWindow);
    if (const auto& chart = chartScreen->shownChart()) {
        // The report opens with whose chart it is, as the PDF's title block.
        const ChartTitle title = chartTitleOf(*chartScreen);
        screen.setReportHead(title.name, {title.birthDetails, title.coordinates});
        // A saved file tells whose chart it is and which moment and zone row
        // it was computed for, in its document properties.
        screen.setDocumentInfo(
            tr("Orbenza chart of %1").arg(QString::fromStdString(chart->birth.name)),
            QString::fromStdString(computedForLine(*chart, screenLanguage())));
    }
    m_modalRunner(screen);
}

void AppController::exportPicture() {
    if (m_mainWindow)
        exportChartPicture(*m_mainWindow->chartScreen(), m_mainWindow);
}

void AppController::saveReportPdf() {
    if (m_mainWindow)
        saveReportAsPdf(*m_mainWindow->chartScreen(), m_mainWindow);
}

void AppController::showAbout(QWidget* parent) {
    AboutBox box(parent);
    m_modalRunner(box);
}

// ---------------------------------------------------------------------------
// The chart library

namespace {
std::string toStd(const QString& text) {
    return text.toStdString();
}
QString fromStd(const std::string& text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}
} // namespace

void AppController::setLibraryPath(const QString& path) {
    m_libraryPath = path;
    m_library.reset();
}

QWidget* AppController::activeScreen() const {
    if (m_mainWindow && m_mainWindow->isVisible())
        return m_mainWindow;
    return m_birthDetails.get();
}

void AppController::showLibraryError(QWidget* parent, const std::string& message) {
    showUserMessage(parent, fromStd(message), MessageIcon::Error);
}

store::ChartLibrary* AppController::library(bool quiet) {
    if (m_library && m_library->isOpen())
        return m_library.get();
    auto library = std::make_unique<store::ChartLibrary>();
    const std::string path =
        m_libraryPath.isEmpty() ? store::defaultLibraryPath() : toStd(m_libraryPath);
    if (!library->open(path)) {
        // Tried again at the next use: the user may have mended the cause.
        if (!quiet)
            showLibraryError(activeScreen(), library->error());
        return nullptr;
    }
    m_library = std::move(library);
    return m_library.get();
}

void AppController::addLibraryMenuEntries(QWidget* window, bool withSave) {
    auto* file = window->findChild<QMenu*>(QStringLiteral("mnuFile"));
    auto* exit = window->findChild<QAction*>(QStringLiteral("mnuExit"));
    if (file == nullptr)
        return;
    QAction* before = exit;
    if (withSave) {
        auto* save = new QAction(tr("Save Chart to &Library"), file);
        save->setObjectName(QStringLiteral("mnuSaveToLibrary"));
        save->setShortcut(QKeySequence::Save);
        connect(save, &QAction::triggered, this, &AppController::saveToLibrary);
        file->insertAction(before, save);
    }
    auto* open = new QAction(tr("&Open Chart\u2026"), file);
    open->setObjectName(QStringLiteral("mnuOpenChart"));
    open->setShortcut(QKeySequence::Open);
    connect(open, &QAction::triggered, this, [this, window] { openChartDialog(window); });
    file->insertAction(before, open);
    auto* recent = new RecentChartsMenu([this] { return library(true); },
                                        [this](std::int64_t id) { openLibraryChart(id); }, file);
    file->insertMenu(before, recent)->setObjectName(QStringLiteral("mnuRecentCharts"));
    file->insertSeparator(before);
}

void AppController::saveToLibrary() {
    if (!m_mainWindow)
        return;
    const auto& chart = m_mainWindow->chartScreen()->shownChart();
    if (!chart)
        return;
    store::ChartLibrary* lib = library();
    if (lib == nullptr)
        return;
    store::ChartRecord record = store::recordOfChart(*chart, toStd(m_shownCity),
                                                     toStd(m_shownState), toStd(m_shownCountry));

    // Which stored chart this save replaces, if any.
    std::optional<std::int64_t> target;
    if (m_editingId && lib->get(*m_editingId)) {
        target = m_editingId;
    } else {
        const std::vector<std::int64_t> sameName = lib->findByName(record.name);
        if (!sameName.empty()) {
            switch (askSaveChoice(m_mainWindow, fromStd(record.name))) {
            case SaveChoice::Cancel:
                return;
            case SaveChoice::KeepBoth:
                break;
            case SaveChoice::Update:
                target = m_openedId && std::find(sameName.begin(), sameName.end(), *m_openedId) !=
                                           sameName.end()
                             ? *m_openedId
                             : sameName.back();
                break;
            }
        }
    }

    bool saved;
    if (target) {
        const auto stored = lib->get(*target);
        record.id = *target;
        if (stored) {
            // What the screens do not show stays as it was: the note. The
            // atlas's place goes with the chart's input.
            record.note = stored->note;
        }
        saved = lib->update(record);
    } else {
        saved = lib->add(record);
    }
    if (!saved) {
        showLibraryError(m_mainWindow, lib->error());
        return;
    }
    m_openedId = record.id;
    if (m_editingId)
        m_editingId = record.id;
    m_mainWindow->statusBar()->showMessage(
        target ? tr("The chart of %1 was updated in the library").arg(fromStd(record.name))
               : tr("The chart of %1 was saved to the library").arg(fromStd(record.name)),
        10000);
}

void AppController::openChartDialog(QWidget* parent) {
    store::ChartLibrary* lib = library();
    if (lib == nullptr)
        return;
    OpenChartDialog dialog(*lib, parent);
    m_modalRunner(dialog);
    if (dialog.choice() == OpenChartDialog::Choice::Open)
        openLibraryChart(dialog.chosenId());
    else if (dialog.choice() == OpenChartDialog::Choice::Edit)
        editLibraryChart(dialog.chosenId());
}

std::optional<store::ChartRecord> AppController::libraryRecord(std::int64_t id) {
    store::ChartLibrary* lib = library();
    if (lib == nullptr)
        return std::nullopt;
    auto record = lib->get(id);
    if (!record)
        showLibraryError(activeScreen(), lib->error());
    return record;
}

void AppController::openLibraryChart(std::int64_t id) {
    const auto record = libraryRecord(id);
    if (!record)
        return;
    auto drawn = store::chartOfRecord(*record);
    if (const auto* problem = std::get_if<store::RecordProblem>(&drawn)) {
        const QString why =
            problem->input ? inputProblemText(*problem->input) : fromStd(problem->detail);
        showLibraryError(activeScreen(), tr("The chart of %1 cannot be drawn: %2")
                                             .arg(fromStd(record->name), why)
                                             .toStdString());
        return;
    }
    const QString city = fromStd(record->city), state = fromStd(record->state),
                  country = fromStd(record->country);
    m_birthDetails->setInput(store::inputOfRecord(*record), city, state, country);
    // The record's own house system, with the aspects the settings list.
    ChartChoices choices = storedChartChoices();
    choices.houseSystem = std::get<ChartResult>(drawn).houseSystemAsked;
    const ChartResult chart = runChart(store::inputOfRecord(*record), choices);
    m_lastCorrection = chart.correction;
    m_editingId.reset();
    m_openedId = id;
    showChartWindow(chart, city, state, country);
    m_mainWindow->chartScreen()->setClockCaution(m_birthDetails->clockCautionText());
    // Only the recent list depends on this; a busy library must not stop the
    // chart from showing.
    library(true)->markOpened(id); // opened: the record came from it
}

void AppController::editLibraryChart(std::int64_t id) {
    const auto record = libraryRecord(id);
    if (!record)
        return;
    // The record's input whole: a zone the list does not hold keeps the
    // stored correction, and a clock from the atlas stays attached.
    m_birthDetails->setInput(store::inputOfRecord(*record), fromStd(record->city),
                             fromStd(record->state), fromStd(record->country));
    m_editingId = id;
    m_openedId = id;
    if (m_mainWindow)
        back();
    else
        m_birthDetails->show();
    library(true)->markOpened(id); // opened: the record came from it
}

void AppController::addSettingsMenuEntry(QWidget* window) {
    auto* file = window->findChild<QMenu*>(QStringLiteral("mnuFile"));
    auto* exit = window->findChild<QAction*>(QStringLiteral("mnuExit"));
    if (file == nullptr)
        return;
    auto* settings = new QAction(tr("Chart &Settings\u2026"), file);
    settings->setObjectName(QStringLiteral("mnuChartSettings"));
    connect(settings, &QAction::triggered, this, [this, window] { editChartSettings(window); });
    file->insertAction(exit, settings);
}

void AppController::editChartSettings(QWidget* parent) {
    ChartSettingsDialog dialog(storedChartChoices(), parent);
    m_modalRunner(dialog);
    if (dialog.result() != QDialog::Accepted)
        return;
    const ChartChoices choices = dialog.choices();
    storeChartChoices(choices);
    // The chart on view is drawn again with them.
    if (!m_mainWindow)
        return;
    const auto& shown = m_mainWindow->chartScreen()->shownChart();
    if (!shown)
        return;
    const ChartResult chart = runChart(shown->input, choices);
    showChartWindow(chart, m_shownCity, m_shownState, m_shownCountry);
    // The birth details of a chart from "Proceed" are still those on view.
    if (!m_openedId)
        m_mainWindow->chartScreen()->setClockCaution(m_birthDetails->clockCautionText());
}

void AppController::quit() {
    if (m_quitting)
        return;
    m_quitting = true;
    m_quitHandler();
}

} // namespace orbenza
