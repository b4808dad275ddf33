#include "AppController.h"

#include "AboutBox.h"
#include "BirthDetailsScreen.h"
#include "ChartExport.h"
#include "ChartScreen.h"
#include "MainWindow.h"
#include "ReportBox.h"
#include "SaveScreen.h"
#include "UserMessages.h"
#include "chart/Presentation.h"

#include <QApplication>
#include <QIcon>
#include <variant>

namespace orbenza {

void applyProgramLook(QApplication& application) {
    QApplication::setFont(ReportBox::screenFont());
    application.setWindowIcon(QIcon(QStringLiteral(":/orbenza.svg")));
}

AppController::AppController(QObject* parent)
    : QObject(parent), m_birthDetails(std::make_unique<BirthDetailsScreen>()),
      m_modalRunner([](QDialog& dialog) { dialog.exec(); }),
      m_quitHandler([] { QCoreApplication::exit(0); }) {
    connect(m_birthDetails.get(), &BirthDetailsScreen::proceedRequested, this,
            &AppController::proceed);
    connect(m_birthDetails.get(), &BirthDetailsScreen::aboutRequested, this,
            [this] { showAbout(m_birthDetails.get()); });
    connect(m_birthDetails.get(), &BirthDetailsScreen::closed, this, &AppController::quit);
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
    auto outcome = orbenza::proceed(m_birthDetails->entries(), m_lastCorrection);
    if (const auto* refusal = std::get_if<InputRefusal>(&outcome)) {
        showUserMessage(
            m_birthDetails.get(),
            QString::fromUtf8(refusal->message.data(), qsizetype(refusal->message.size())),
            refusal->icon);
        m_birthDetails->focusField(refusal->focus);
        return;
    }
    const ChartResult& chart = std::get<ChartResult>(outcome);
    m_lastCorrection = chart.correction;

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
    }
    m_mainWindow->chartScreen()->showChart(chart, m_birthDetails->cityText(),
                                           m_birthDetails->stateText(),
                                           m_birthDetails->countryText());
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
        // A saved file tells whose chart it is and which moment and zone row
        // it was computed for, in its document properties.
        screen.setDocumentInfo(
            tr("Orbenza chart of %1").arg(QString::fromStdString(chart->birth.Name)),
            QString::fromStdString(computedForLine(*chart)));
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

void AppController::quit() {
    if (m_quitting)
        return;
    m_quitting = true;
    m_quitHandler();
}

} // namespace orbenza
