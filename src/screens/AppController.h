// The movement between the screens: start-up shows the birth details screen;
// "Proceed" runs the chart and shows it in the main window; "&Back" destroys the
// main window with its chart and shows the birth details again; "&Print" and
// "&About Software" show their boxes modally; the File menu's exports write the
// chart picture or the report as PDF; closing either window ends the program.
#pragma once

#include "base/BirthData.h"
#include "chart/ChartRun.h"
#include "store/ChartLibrary.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

class QApplication;
class QDialog;
class QMenu;
class QWidget;

namespace orbenza {

class BirthDetailsScreen;
class ChartScreen;
struct ChartResult;
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
    // The chart library file; the default is store::defaultLibraryPath(). The
    // file is opened when the library is first used.
    void setLibraryPath(const QString& path);
    // The open library, opening it first; nullptr (after showing why in one
    // line, unless quiet) when it cannot be used. The program goes on without it.
    store::ChartLibrary* library(bool quiet = false);
    // The library chart that "Edit" loaded into the birth details, which a
    // later save updates.
    std::optional<std::int64_t> editedChartId() const { return m_editingId; }

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
    // "Save Chart to Library": stores the chart on view; when the library holds
    // a chart of the same name already, asks whether to update it or keep both.
    void saveToLibrary();
    // "Open Chart…": the library's list over the given window.
    void openChartDialog(QWidget* parent);
    // Shows a library chart on the chart screen, its details in the birth
    // details screen, and remembers it among the recent charts.
    void openLibraryChart(std::int64_t id);
    // Loads a library chart into the birth details screen for changing.
    void editLibraryChart(std::int64_t id);
    // "Chart &Settings…": the house system, aspects and orbs; the chart on
    // view is drawn again with the new ones.
    void editChartSettings(QWidget* parent);

private:
    void quit();
    // The chart window for a computed chart, made when there is none.
    void showChartWindow(ChartResult chart, const QString& city, const QString& state,
                         const QString& country);
    // Adds the library's entries to a window's File menu, before "E&xit".
    void addLibraryMenuEntries(QWidget* window, bool withSave);
    // Adds "Chart &Settings…" to a window's File menu, before "E&xit".
    void addSettingsMenuEntry(QWidget* window);
    void showLibraryError(QWidget* parent, const std::string& message);
    // The library's record of a chart, or nothing after showing why not.
    std::optional<store::ChartRecord> libraryRecord(std::int64_t id);
    QWidget* activeScreen() const;

    std::unique_ptr<BirthDetailsScreen> m_birthDetails;
    QPointer<MainWindow> m_mainWindow;
    UtCorrection m_lastCorrection;
    ModalRunner m_modalRunner;
    QuitHandler m_quitHandler;
    bool m_quitting = false;

    QString m_libraryPath;
    std::unique_ptr<store::ChartLibrary> m_library;
    std::optional<std::int64_t> m_editingId; // loaded by "Edit"
    std::optional<std::int64_t> m_openedId;  // the library chart on view
    // The place texts of the chart on view, as typed.
    QString m_shownCity, m_shownState, m_shownCountry;
};

} // namespace orbenza
