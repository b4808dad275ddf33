// The birth details screen: the name, date and time of birth, the birth place
// with its coordinates and time zone, the coordinates look-up on the web and
// "Proceed". It holds the entries while the chart is shown; closing it ends the
// program.
#pragma once

#include "chart/ChartRun.h"

#include <QMainWindow>
#include <functional>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenuBar;
class QPushButton;
class QRadioButton;

namespace orbenza {

class FilteredLineEdit;
class LinkLabel;

// The program's window caption.
QString programCaption();

// "Orbenza shows the positions of the planets ..." shown on this screen and in
// the about box.
QString programDescription();

class BirthDetailsScreen : public QMainWindow {
    Q_OBJECT

public:
    explicit BirthDetailsScreen(QWidget* parent = nullptr);

    // What the screen holds for a run. The seconds list is not part of it.
    BirthEntries entries() const;

    // The birth place as typed.
    QString cityText() const;
    QString stateText() const;
    QString countryText() const;

    // Puts entries and the place texts into the boxes and lists, as if the user
    // had typed and chosen them (a chart taken from the library).
    void setEntries(const BirthEntries& entries, const QString& city, const QString& state,
                    const QString& country);

    // The source of the positions chosen in the File menu ("P&recise
    // Positions"), remembered between sessions; the built-in one by default.
    Positions positions() const;
    void setPositions(Positions positions);

    // Moves the keyboard focus to the box a refusal names; None leaves it.
    void focusField(InputField field);

    // The coordinates look-up (cmdBrowser): refuses a missing city, state or
    // country, otherwise opens a web search for the place's coordinates.
    void findCoordinates();

signals:
    // "Proceed" (button, menu, or Enter in the name or place boxes), once the
    // name is one a person can have.
    void proceedRequested();
    // "&About Software".
    void aboutRequested();
    // The screen was closed ("E&xit" or the window's close button).
    void closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void requestProceed();
    void buildControls();
    void buildMenus();
    void loadLists();
    void setTabOrderChain();

    FilteredLineEdit* m_name = nullptr;
    QComboBox* m_month = nullptr;
    QComboBox* m_day = nullptr;
    QComboBox* m_year = nullptr;
    QComboBox* m_hour = nullptr;
    QComboBox* m_minute = nullptr;
    QComboBox* m_second = nullptr;
    QLineEdit* m_city = nullptr;
    QLineEdit* m_state = nullptr;
    QLineEdit* m_country = nullptr;
    QPushButton* m_findCoordinates = nullptr;
    FilteredLineEdit* m_longitudeDegrees = nullptr;
    FilteredLineEdit* m_longitudeMinutes = nullptr;
    QRadioButton* m_east = nullptr;
    QRadioButton* m_west = nullptr;
    FilteredLineEdit* m_latitudeDegrees = nullptr;
    FilteredLineEdit* m_latitudeMinutes = nullptr;
    QRadioButton* m_north = nullptr;
    QRadioButton* m_south = nullptr;
    QComboBox* m_timeZone = nullptr;
    QCheckBox* m_daylightSaving = nullptr;
    QPushButton* m_proceed = nullptr;
    QLabel* m_description = nullptr;
    QAction* m_precisePositions = nullptr;
    LinkLabel* m_banner = nullptr;
};

// Adds the "&Help" menu shared by the birth details screen and the main
// window: "&Online Help", "&Visit Us Online", "Check for Software &Update" and
// "&About Software", which calls about.
void addHelpMenu(QMenuBar* menuBar, QObject* receiver, const std::function<void()>& about);

} // namespace orbenza
