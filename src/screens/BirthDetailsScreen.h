// The birth details screen: the name, date and time of birth, the birth place
// with its coordinates and time zone, the coordinates look-up on the web and
// "Proceed". It holds the entries while the chart is shown; closing it ends the
// program.
#pragma once

#include "atlas/Atlas.h"
#include "atlas/PlaceClock.h"
#include "input/BirthInput.h"

#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QCompleter;
class QFormLayout;
class QLabel;
class QLayout;
class QStandardItemModel;
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

    // What the screen holds for a run: the boxes and lists, the positions
    // method, and the atlas's clock while a chosen place is attached.
    BirthInput input() const;

    // The birth place as typed.
    QString cityText() const;
    QString stateText() const;
    QString countryText() const;

    // Puts an input and the place texts into the boxes and lists, as if the
    // user had typed and chosen them (a chart taken from the library). An
    // input whose clock came from the atlas keeps it attached: a new date or
    // time takes the clock time of that zone for the new moment.
    void setInput(const BirthInput& input, const QString& city, const QString& state,
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

    // The atlas the City box searches. With an unavailable atlas the City box
    // stays plain text and one line under the zone says so.
    void setAtlas(std::shared_ptr<const atlas::Atlas> atlas);
    // The places the City box suggests for its text right now, as shown.
    QStringList placeSuggestions() const;
    // Fills the birth place, coordinates, zone and daylight saving from an
    // atlas place, as picking it from the City box's suggestions does. The
    // place stays attached: a later change of the date or time updates the
    // zone; a change by hand to the coordinates, zone or daylight saving
    // detaches it.
    void choosePlace(const atlas::Place& place);
    // Whether the coordinates and the zone are still those of a chosen place.
    bool placeAttached() const { return m_place.has_value(); }
    // The line under the zone: the place's zone, abbreviation and offset on
    // the entered date, or that the values were set by hand, or that the
    // atlas is unavailable.
    QString zoneLineText() const;
    // The correction of the atlas's own zone entry after the 71 rows while it
    // is the one selected; the run keeps it since it is no row of the list.
    std::optional<UtCorrection> atlasZoneCorrection() const;
    // While a chosen place is attached: the clock that sets the time, which
    // the chart keeps for its birth-time windows and its library record.
    std::optional<AtlasClock> atlasClock() const;
    // While a chosen place is attached and the date is before 1970 with the
    // place far from its zone's principal city: the sentence that says so;
    // else empty.
    QString clockCautionText() const;
    // A clock time of the attached place that did not exist or happened twice
    // is settled here: the user is asked which universal time is meant. False
    // when the user declined to choose; then nothing may be computed.
    bool settleClockTime();

    // Which of the two universal times of a clock time that did not exist or
    // happened twice the user means.
    enum class ClockChoice { First, Second, Cancel };
    using ClockQuestion = std::function<ClockChoice(QWidget* parent, const QString& text,
                                                    const QString& first, const QString& second)>;
    // Replaces the question (nullptr restores the real message box); returns
    // the previous one.
    static ClockQuestion setClockQuestion(ClockQuestion question);

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
    // The parts of the form buildControls lays out, each made on central.
    QLayout* buildHeading(QWidget* central);
    QFormLayout* buildDetails(QWidget* central);
    QLayout* buildPlace(QWidget* central);
    QLayout* buildFoot(QWidget* central);
    void buildMenus();
    void loadLists();
    void setTabOrderChain();
    void buildPlaceSearch();
    void suggestPlaces(const QString& text);
    void pickSuggestion(int row);
    // Enter or Tab in the City box's suggestions: takes the place and says
    // whether the key was used.
    bool takeSuggestionByKey(int key);
    // Recomputes the attached place's clock time for the entered moment.
    void refreshPlaceTime();
    void applyZoneState(const atlas::ZoneState& state);
    void detachPlace();
    void removeAtlasZoneEntry();
    atlas::DateTime enteredMoment() const;
    QString placeClockLine(const atlas::ZoneState& state) const;

    // The chosen atlas place while the boxes hold its values.
    struct AttachedPlace {
        AtlasClock clock; // the place's label, zone and longitude; the fold is kept below
        // The moment whose clock time did not exist or happened twice and is
        // not settled yet, with both states.
        std::optional<atlas::PlaceTime> unsettled;
        // The moment and pass the user chose for such a clock time.
        std::optional<atlas::DateTime> settledMoment;
        bool settledSecond = false;
        // Which pass when the entered clock time happened twice and is
        // settled.
        Fold fold = Fold::None;
        // The place picked from the atlas, which the caution on old clock
        // times reads; none for a clock kept with a library chart, whose
        // caution reads the place's name and coordinates from the form.
        std::optional<atlas::Place> atlasPlace;
    };
    void attachClock(const AtlasClock& clock);

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
    QLabel* m_zoneLine = nullptr;

    std::shared_ptr<const atlas::Atlas> m_atlas;
    QCompleter* m_placeCompleter = nullptr;
    QStandardItemModel* m_suggestionModel = nullptr;
    std::vector<atlas::Place> m_suggested;
    std::optional<AttachedPlace> m_place;
    std::optional<UtCorrection> m_atlasCorrection; // of the entry after the 71 rows
    // The correction a run keeps while no row and no atlas entry is chosen
    // (a library chart whose offset is none of the rows).
    UtCorrection m_keptCorrection;
    bool m_filling = false; // the boxes are being filled from the atlas
};

// Adds the "&Help" menu shared by the birth details screen and the main
// window: "&Online Help", "&Visit Us Online", "Check for Software U&pdate" and
// "&About Software", which calls about.
void addHelpMenu(QMenuBar* menuBar, QObject* receiver, const std::function<void()>& about);

} // namespace orbenza
