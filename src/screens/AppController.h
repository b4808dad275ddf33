// The movement between the screens: start-up shows the birth details screen;
// "Proceed" runs the chart and shows it in the main window; "&Back" destroys the
// main window with its chart and shows the birth details again; "&Print" and
// "&About Software" show their boxes modally; the File menu's exports write the
// chart picture or the report as PDF; closing either window ends the program.
#pragma once

#include "chart/BirthData.h"

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>

class QApplication;
class QDialog;
class QWidget;

namespace orbenza {

class BirthDetailsScreen;
class ChartScreen;
class MainWindow;

// The program's look: the application font (Verdana where installed, else a
// close sans-serif face) and the window icon. Needs the resources registered.
void applyProgramLook(QApplication& application);

class AppController : public QObject {
    Q_OBJECT

public:
    explicit AppController(QObject* parent = nullptr);
    ~AppController() override;

    // Shows the birth details screen.
    void start();

    BirthDetailsScreen* birthDetailsScreen() const { return m_birthDetails.get(); }
    // The main window while a chart is shown, else nullptr.
    MainWindow* mainWindow() const;
    ChartScreen* chartScreen() const;
    // The time zone correction of the last successful run (kept when no zone
    // row is chosen).
    UtCorrection lastCorrection() const { return m_lastCorrection; }

    // Shows a modal dialog and returns when it is closed. The default runs
    // dialog.exec(); tests replace it so no modal loop blocks them.
    using ModalRunner = std::function<void(QDialog& dialog)>;
    void setModalRunner(ModalRunner runner);
    // Ends the program. The default leaves the event loop; tests replace it.
    using QuitHandler = std::function<void()>;
    void setQuitHandler(QuitHandler handler);

public slots:
    // "Proceed": the run; a refusal shows its message and moves the focus and
    // changes nothing else.
    void proceed();
    // "&Back": closes the main window and its chart, shows the birth details.
    void back();
    // "&Print": the save-and-print screen for the shown chart's report.
    void print();
    // "Export Chart &Picture…": the shown wheel as an SVG or PNG picture.
    void exportPicture();
    // "Save Report as P&DF…": the shown report with its title block as PDF.
    void saveReportPdf();
    // "&About Software" over the given window.
    void showAbout(QWidget* parent);

private:
    void quit();

    std::unique_ptr<BirthDetailsScreen> m_birthDetails;
    QPointer<MainWindow> m_mainWindow;
    UtCorrection m_lastCorrection;
    ModalRunner m_modalRunner;
    QuitHandler m_quitHandler;
    bool m_quitting = false;
};

} // namespace orbenza
