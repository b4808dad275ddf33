// The birth details screen with the place atlas: the City box's suggestions,
// the fill-in from a chosen place, its update with the date and time, the
// detachment by a change by hand, the question for a clock time that did not
// exist or happened twice, and the screen without an atlas.
#include "AppController.h"
#include "BirthDetailsScreen.h"
#include "ChartScreen.h"
#include "ShellRecorders.h"
#include "chart/TimeZones.h"
#include "windows/BirthTimeWindows.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>
#include <stdexcept>
#include <vector>

// Failures print the texts, not their bytes.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace orbenza {
namespace {

using testing::MessageRecorder;

template <typename T> T* child(const QObject* parent, const char* name) {
    T* found = parent->findChild<T*>(QLatin1String(name));
    if (!found)
        throw std::runtime_error(std::string("no child named ") + name);
    return found;
}

// Records the clock-time questions and answers them as told.
class ClockQuestionRecorder {
public:
    explicit ClockQuestionRecorder(BirthDetailsScreen::ClockChoice answer) : m_answer(answer) {
        m_previous = BirthDetailsScreen::setClockQuestion(
            [this](QWidget*, const QString& text, const QString& first, const QString& second) {
                mQuestions << text;
                mButtons << first << second;
                return m_answer;
            });
    }
    ~ClockQuestionRecorder() { BirthDetailsScreen::setClockQuestion(m_previous); }
    ClockQuestionRecorder(const ClockQuestionRecorder&) = delete;
    ClockQuestionRecorder& operator=(const ClockQuestionRecorder&) = delete;

    void answer(BirthDetailsScreen::ClockChoice choice) { m_answer = choice; }
    QStringList mQuestions;
    QStringList mButtons;

private:
    BirthDetailsScreen::ClockChoice m_answer;
    BirthDetailsScreen::ClockQuestion m_previous;
};

class BirthPlaceAtlasTest : public ::testing::Test {
public:
    void SetUp() override {
        mController.setModalRunner([](QDialog&) {});
        mController.setQuitHandler([] {});
        mController.start();
        screen()->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("Ann"));
    }

    BirthDetailsScreen* screen() const { return mController.birthDetailsScreen(); }
    template <typename T = QLineEdit> T* box(const char* name) const {
        return child<T>(screen(), name);
    }

    // Enters a date and clock time as the lists would.
    void enterMoment(int year, int month, int day, int hour, int minute) {
        box<QComboBox>("cboYear")->setCurrentText(QString::number(year));
        box<QComboBox>("cboMonth")->setCurrentIndex(month - 1);
        box<QComboBox>("cboDate")->setCurrentIndex(day - 1);
        box<QComboBox>("cboHH")->setCurrentIndex(hour);
        box<QComboBox>("cboMM")->setCurrentIndex(minute);
    }

    // Types into the City box and picks the suggestion that starts with the
    // given text, as a click in the suggestions' list does.
    void typeAndPick(const QString& typed, const QString& suggestion) {
        QLineEdit* city = box("txtMCity");
        city->clear();
        city->setFocus();
        QTest::keyClicks(city, typed);
        QCompleter* completer = city->completer();
        ASSERT_NE(completer, nullptr);
        QAbstractItemModel* shown = completer->completionModel();
        for (int row = 0; row < shown->rowCount(); ++row) {
            const QModelIndex index = shown->index(row, 0);
            if (index.data(Qt::DisplayRole).toString().startsWith(suggestion)) {
                emit completer->activated(index);
                return;
            }
        }
        FAIL() << "no suggestion " << suggestion.toStdString() << " for " << typed.toStdString()
               << " among "
               << screen()->placeSuggestions().join(QLatin1String(" | ")).toStdString();
    }

    QString zoneLine() const { return box<QLabel>("lblZoneLine")->text(); }
    QString zoneText() const { return box<QComboBox>("cmbTimeZone")->currentText(); }
    bool daylightSaving() const { return box<QCheckBox>("chkDST")->isChecked(); }
    QString coordinates() const {
        return QStringLiteral("%1 %2 %3, %4 %5 %6")
            .arg(box("txtLonD")->text(), box("txtLonM")->text(),
                 box<QRadioButton>("optLong0")->isChecked() ? "E" : "W", box("txtLatD")->text(),
                 box("txtLatM")->text(), box<QRadioButton>("optLat0")->isChecked() ? "N" : "S");
    }

    MessageRecorder mMessages;
    AppController mController;
};

TEST_F(BirthPlaceAtlasTest, CityBoxSuggestsFromTwoCharacters) {
    QLineEdit* city = box("txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("M"));
    EXPECT_TRUE(screen()->placeSuggestions().isEmpty());
    QTest::keyClicks(city, QStringLiteral("adrid"));
    const QStringList suggestions = screen()->placeSuggestions();
    ASSERT_FALSE(suggestions.isEmpty());
    EXPECT_EQ(suggestions.front(), "Madrid — Madrid, Spain");
    // Accents and case do not matter; a qualifier after a comma narrows.
    city->clear();
    QTest::keyClicks(city, QStringLiteral("zurich"));
    ASSERT_FALSE(screen()->placeSuggestions().isEmpty());
    EXPECT_TRUE(screen()->placeSuggestions().front().startsWith(QStringLiteral("Zürich — ")))
        << screen()->placeSuggestions().front().toStdString();
    city->clear();
    QTest::keyClicks(city, QStringLiteral("paris, us"));
    for (const QString& suggestion : screen()->placeSuggestions())
        EXPECT_TRUE(suggestion.endsWith(QStringLiteral("United States")))
            << suggestion.toStdString();
}

TEST_F(BirthPlaceAtlasTest, ChosenPlaceFillsPlaceCoordinatesZoneAndDaylightSaving) {
    enterMoment(1985, 7, 1, 14, 30);
    typeAndPick(QStringLiteral("madr"), QStringLiteral("Madrid — Madrid, Spain"));
    EXPECT_EQ(box("txtMCity")->text(), "Madrid");
    EXPECT_EQ(box("txtMState")->text(), "Madrid"); // the region as GeoNames names it
    EXPECT_EQ(box("txtMCountry")->text(), "Spain");
    // Madrid, 40.4165 N 3.7026 W (GeoNames), to the minute.
    EXPECT_EQ(coordinates(), "3 42 W, 40 25 N");
    // CEST, two hours ahead: the CET row with one hour of summer time.
    EXPECT_TRUE(zoneText().contains(QStringLiteral("CET"))) << zoneText().toStdString();
    EXPECT_TRUE(daylightSaving());
    EXPECT_EQ(zoneLine(), "Europe/Madrid · CEST · UT+2:00 on 1 Jul 1985 (summer time)");
    EXPECT_TRUE(screen()->placeAttached());

    // The chart is computed for 12:30 UT.
    mController.proceed();
    EXPECT_TRUE(mMessages.messages().empty());
    ASSERT_NE(mController.mainWindow(), nullptr);
    EXPECT_EQ(mController.lastCorrection(), (UtCorrection{-1, 0, 0}));
}

// What the chart screen shows of the chart: place, coordinates, the moment
// and zone computed for, and the positions.
QString shownChart(const AppController& controller) {
    const ChartScreen* chart = controller.chartScreen();
    if (chart == nullptr)
        return QStringLiteral("no chart");
    QStringList shown;
    for (const char* name : {"lblCity", "lblLatitude", "lblLongitude", "lblComputedFor"})
        shown << chart->findChild<QLabel*>(QLatin1String(name))->text();
    for (int i = 0; i < ChartScreen::kPositionRows; ++i)
        shown << chart->findChild<QLabel*>(QStringLiteral("lblPlanet%1").arg(i))->text();
    return shown.join(QLatin1String(" | "));
}

// The keyboard takes a suggestion as the mouse does: the place is applied
// before anything is computed, and the key that takes it starts no chart.
TEST_F(BirthPlaceAtlasTest, SuggestionTakenByKeyGivesTheChartOfAClick) {
    enterMoment(1985, 6, 15, 14, 30);
    typeAndPick(QStringLiteral("Madr"), QStringLiteral("Madrid — Madrid, Spain"));
    mController.proceed();
    const QString clicked = shownChart(mController);
    ASSERT_TRUE(clicked.contains(QStringLiteral("Madrid | 40° 25' N | 3° 42' W")))
        << clicked.toStdString();

    const struct {
        const char* name;
        std::vector<Qt::Key> keys;
    } ways[] = {{"Down+Enter", {Qt::Key_Down, Qt::Key_Return}},
                {"Enter", {Qt::Key_Enter}},
                {"Down+Tab", {Qt::Key_Down, Qt::Key_Tab}}};
    for (const auto& way : ways) {
        SCOPED_TRACE(way.name);
        mController.back();
        // Back to the default place, then "Madr" typed and taken by key.
        BirthInput typed = screen()->input();
        typed.atlasClock.reset();
        screen()->setInput(typed, {}, {}, {});
        box("txtLonD")->setText(QStringLiteral("80"));
        box("txtLatD")->setText(QStringLiteral("13"));
        box<QComboBox>("cmbTimeZone")->setCurrentIndex(kDefaultTimeZonePosition);
        QLineEdit* city = box("txtMCity");
        city->clear();
        city->setFocus();
        QTest::keyClicks(city, QStringLiteral("Madr"));
        QAbstractItemView* popup = city->completer()->popup();
        ASSERT_TRUE(popup->isVisible());
        for (Qt::Key key : way.keys)
            QTest::keyClick(popup, key);
        EXPECT_FALSE(popup->isVisible());
        EXPECT_EQ(mController.mainWindow(), nullptr) << "computed by the key that took the place";
        EXPECT_TRUE(screen()->placeAttached());
        EXPECT_EQ(coordinates(), "3 42 W, 40 25 N");
        if (way.keys.back() == Qt::Key_Tab) {
            EXPECT_EQ(screen()->focusWidget(), box("txtMState"));
        }
        // Enter once more in the City box computes, from what the screen shows.
        city->setFocus();
        QTest::keyClick(city, Qt::Key_Return);
        EXPECT_EQ(shownChart(mController), clicked);
    }
}

TEST_F(BirthPlaceAtlasTest, LaterDateOrTimeUpdatesTheZone) {
    enterMoment(1985, 7, 1, 14, 30);
    typeAndPick(QStringLiteral("Madrid"), QStringLiteral("Madrid — Madrid, Spain"));
    ASSERT_TRUE(daylightSaving());
    box<QComboBox>("cboMonth")->setCurrentIndex(0); // January: standard time
    EXPECT_FALSE(daylightSaving());
    EXPECT_EQ(zoneLine(), "Europe/Madrid · CET · UT+1:00 on 1 Jan 1985");
    EXPECT_TRUE(screen()->placeAttached());
}

TEST_F(BirthPlaceAtlasTest, ZoneRowNamesThePlaceOrGivesWayToTheExactOffset) {
    // São Paulo's -3:00 in 1990: the row of its country, not Atlantic War Time.
    enterMoment(1990, 6, 1, 12, 0);
    typeAndPick(QStringLiteral("Sao Paulo"), QStringLiteral("São Paulo — São Paulo, Brazil"));
    EXPECT_EQ(zoneText(), "Brazil Zone 2,BZT2,-3.0");
    EXPECT_FALSE(daylightSaving());
    // India's row reads as ever; the zone line gives the offset exactly.
    typeAndPick(QStringLiteral("Delhi"), QStringLiteral("Delhi — Delhi, India"));
    EXPECT_EQ(zoneText(), "Indian Time, IST, +5.3");
    EXPECT_TRUE(zoneLine().contains(QStringLiteral("UT+5:30"))) << zoneLine().toStdString();
    // Moscow's +3:00 is no Baghdad Time: an entry of its own.
    typeAndPick(QStringLiteral("Moscow"), QStringLiteral("Moscow — Moscow, Russian Federation"));
    EXPECT_EQ(zoneText(), "From the atlas: UT+3:00 (MSK)");
}

TEST_F(BirthPlaceAtlasTest, OffsetOfNoRowGetsAnEntryOfItsOwn) {
    // Amsterdam Mean Time, +0:19:32 (IANA northamerica/europe files).
    enterMoment(1930, 1, 1, 12, 0);
    typeAndPick(QStringLiteral("Amsterdam"), QStringLiteral("Amsterdam — North Holland"));
    auto* zone = box<QComboBox>("cmbTimeZone");
    ASSERT_EQ(zone->count(), kTimeZoneCount + 1);
    EXPECT_EQ(zone->currentIndex(), kTimeZoneCount);
    EXPECT_EQ(zoneText(), "From the atlas: UT+0:19:32 (AMT)");
    EXPECT_FALSE(daylightSaving());
    EXPECT_EQ(screen()->atlasZoneCorrection(), (UtCorrection{0, -19, -32}));
    // No row of the list: the chart (and a library record of it) holds none.
    EXPECT_EQ(screen()->input().zonePosition, -1);

    // The run takes the entry's correction to the second: 11:40:28 UT.
    mController.proceed();
    ASSERT_NE(mController.mainWindow(), nullptr);
    EXPECT_EQ(mController.lastCorrection(), (UtCorrection{0, -19, -32}));

    // After the war the CET row serves again and the entry goes.
    mController.back();
    box<QComboBox>("cboYear")->setCurrentText(QStringLiteral("1950"));
    EXPECT_EQ(zone->count(), kTimeZoneCount);
    EXPECT_TRUE(zoneText().contains(QStringLiteral("CET"))) << zoneText().toStdString();
    EXPECT_FALSE(screen()->atlasZoneCorrection().has_value());
}

TEST_F(BirthPlaceAtlasTest, ChangeByHandDetachesThePlace) {
    enterMoment(1985, 7, 1, 14, 30);
    const char* const changes[] = {"longitude", "hemisphere", "zone", "daylight"};
    for (const char* change : changes) {
        SCOPED_TRACE(change);
        typeAndPick(QStringLiteral("Madrid"), QStringLiteral("Madrid — Madrid, Spain"));
        box<QComboBox>("cboMonth")->setCurrentIndex(6);
        ASSERT_TRUE(screen()->placeAttached());
        const std::string name = change;
        if (name == "longitude") {
            box("txtLonD")->setFocus();
            QTest::keyClick(box("txtLonD"), Qt::Key_End);
            QTest::keyClicks(box("txtLonD"), QStringLiteral("1"));
        } else if (name == "hemisphere") {
            box<QRadioButton>("optLong0")->click();
        } else if (name == "zone") {
            box<QComboBox>("cmbTimeZone")->setCurrentIndex(kDefaultTimeZonePosition);
        } else {
            box<QCheckBox>("chkDST")->click();
        }
        EXPECT_FALSE(screen()->placeAttached());
        EXPECT_EQ(zoneLine(),
                  "Coordinates, zone and daylight saving set by hand, not from the atlas.");
        // A later date no longer touches the zone.
        const bool before = daylightSaving();
        const QString zoneBefore = zoneText();
        box<QComboBox>("cboMonth")->setCurrentIndex(0);
        EXPECT_EQ(daylightSaving(), before);
        EXPECT_EQ(zoneText(), zoneBefore);
    }
}

TEST_F(BirthPlaceAtlasTest, ClockTimeThatDidNotExistIsAskedBeforeAnyRun) {
    // New York, 14 Mar 2021: clocks went from 02:00 EST to 03:00 EDT.
    ClockQuestionRecorder questions(BirthDetailsScreen::ClockChoice::Cancel);
    enterMoment(2021, 3, 14, 2, 30);
    typeAndPick(QStringLiteral("New York"), QStringLiteral("New York City — New York"));
    EXPECT_TRUE(zoneLine().contains(QStringLiteral("did not exist"))) << zoneLine().toStdString();

    mController.proceed();
    ASSERT_EQ(questions.mQuestions.size(), 1);
    EXPECT_TRUE(questions.mQuestions[0].contains(QStringLiteral("2021-03-14 07:30 UT")))
        << questions.mQuestions[0].toStdString();
    EXPECT_TRUE(questions.mQuestions[0].contains(QStringLiteral("2021-03-14 06:30 UT")));
    EXPECT_EQ(mController.mainWindow(), nullptr) << "computed before the user chose";

    // Chosen: the clock after the change, EDT, four hours behind.
    questions.answer(BirthDetailsScreen::ClockChoice::Second);
    mController.proceed();
    EXPECT_EQ(questions.mQuestions.size(), 2);
    ASSERT_NE(mController.mainWindow(), nullptr);
    // EDT: the EST row, five hours to add, with the box's hour of summer time.
    EXPECT_EQ(mController.lastCorrection(), (UtCorrection{5, 0, 0}));
    EXPECT_TRUE(daylightSaving());
    EXPECT_EQ(zoneLine(), "America/New_York · EDT · UT-4:00 on 14 Mar 2021 (summer time)");
}

TEST_F(BirthPlaceAtlasTest, ClockTimeThatHappenedTwiceIsAskedBeforeAnyRun) {
    // New York, 7 Nov 2021: clocks went back from 02:00 EDT to 01:00 EST.
    ClockQuestionRecorder questions(BirthDetailsScreen::ClockChoice::First);
    enterMoment(2021, 11, 7, 1, 30);
    typeAndPick(QStringLiteral("New York"), QStringLiteral("New York City — New York"));
    EXPECT_TRUE(zoneLine().contains(QStringLiteral("happened twice"))) << zoneLine().toStdString();

    mController.proceed();
    ASSERT_EQ(questions.mQuestions.size(), 1);
    EXPECT_TRUE(questions.mQuestions[0].contains(QStringLiteral("2021-11-07 05:30 UT")))
        << questions.mQuestions[0].toStdString();
    EXPECT_TRUE(questions.mQuestions[0].contains(QStringLiteral("2021-11-07 06:30 UT")));
    ASSERT_NE(mController.mainWindow(), nullptr);
    // The first pass, EDT: the EST row with the box, 05:30 UT.
    EXPECT_EQ(mController.lastCorrection(), (UtCorrection{5, 0, 0}));
    EXPECT_TRUE(daylightSaving());

    // The choice holds for that moment only: another minute is settled anew.
    mController.back();
    box<QComboBox>("cboMM")->setCurrentIndex(45);
    questions.answer(BirthDetailsScreen::ClockChoice::Second);
    mController.proceed();
    EXPECT_EQ(questions.mQuestions.size(), 2);
    EXPECT_EQ(mController.lastCorrection(), (UtCorrection{5, 0, 0}));
    EXPECT_FALSE(daylightSaving());
}

// Berlin, 28 March 2021, 01:40 CET: the clocks went forward at 02:00, inside
// the windows. The chart on the screen keeps the place's clock, so its line
// reads the ends as the Berlin clock showed them, not on a clock kept at CET.
TEST_F(BirthPlaceAtlasTest, ChartOfAPlaceReadsItsWindowsOnThePlaceClock) {
    enterMoment(2021, 3, 28, 1, 40);
    typeAndPick(QStringLiteral("Berlin"), QStringLiteral("Berlin — "));
    mController.proceed();
    ASSERT_NE(mController.chartScreen(), nullptr);
    const auto& chart = mController.chartScreen()->shownChart();
    ASSERT_TRUE(chart);
    ASSERT_TRUE(chart->input.atlasClock);
    EXPECT_EQ(chart->input.atlasClock->timeZone, "Europe/Berlin");
    EXPECT_EQ(chart->input.atlasClock->fold, Fold::None);

    const atlas::ZoneClock berlin = atlas::ZoneClock::find("Europe/Berlin");
    ASSERT_TRUE(berlin.valid());
    const BirthTimeWindows onTheClock =
        birthTimeWindows(*chart, PlaceClockRef{&berlin, chart->input.atlasClock->longitudeEastDeg});
    ChartResult fixed = *chart;
    fixed.input.atlasClock.reset();
    const QString shown =
        mController.chartScreen()->findChild<QLabel*>(QStringLiteral("lblBirthTimeWindow"))->text();
    EXPECT_EQ(shown.toStdString(), birthTimeWindowLine(*chart, onTheClock));
    EXPECT_NE(shown.toStdString(), birthTimeWindowLine(fixed, birthTimeWindows(fixed)));
}

// The zone line's longest messages, two or three lines, stand whole under
// the zone at 1000 x 650 and at the smallest size the window takes.
TEST_F(BirthPlaceAtlasTest, ZoneLineMessagesAreNotClipped) {
    ClockQuestionRecorder questions(BirthDetailsScreen::ClockChoice::Cancel);
    auto* line = box<QLabel>("lblZoneLine");
    const auto expectWhole = [this, line](const char* what) {
        for (const QSize size : {QSize(1000, 650), screen()->minimumSize()}) {
            SCOPED_TRACE(::testing::Message()
                         << what << " at " << size.width() << "x" << size.height());
            screen()->resize(size);
            // A new width may ask for a new height: two rounds of layout.
            QApplication::processEvents();
            QApplication::processEvents();
            ASSERT_TRUE(line->isVisible());
            EXPECT_GE(line->height(), line->heightForWidth(line->width()))
                << line->text().toStdString();
            // Inside its frame, and the frame inside the window.
            const QWidget* frame = line->parentWidget();
            EXPECT_TRUE(frame->contentsRect().contains(line->geometry()))
                << line->text().toStdString();
            const QRect inWindow(frame->mapTo(screen(), QPoint(0, 0)), frame->size());
            EXPECT_TRUE(screen()->rect().contains(inWindow));
        }
    };
    screen()->show();
    enterMoment(2021, 3, 14, 2, 30);
    typeAndPick(QStringLiteral("New York"), QStringLiteral("New York City — New York"));
    ASSERT_TRUE(zoneLine().contains(QStringLiteral("did not exist")));
    expectWhole("did not exist");
    enterMoment(2021, 11, 7, 1, 30);
    ASSERT_TRUE(zoneLine().contains(QStringLiteral("happened twice")));
    expectWhole("happened twice");
    box<QCheckBox>("chkDST")->click();
    ASSERT_FALSE(screen()->placeAttached());
    expectWhole("set by hand");
}

// An old name finds the place and is shown; before 1970 far from the zone's
// city the zone line and the chart's details carry the caution, which a
// later date takes away.
TEST_F(BirthPlaceAtlasTest, OldNamesAndTheCautionOnOldClockTimes) {
    typeAndPick(QStringLiteral("Bombay"), QStringLiteral("Mumbai (Bombay) — Maharashtra, India"));
    EXPECT_EQ(box("txtMCity")->text(), QStringLiteral("Mumbai"));

    const QString caution = QStringLiteral(
        "Before 1970 this zone's clock history is that of Chicago; local practice in Ames may "
        "have differed: check the birth record.");
    enterMoment(1960, 5, 1, 12, 0);
    typeAndPick(QStringLiteral("Ames"), QStringLiteral("Ames — Iowa"));
    EXPECT_TRUE(zoneLine().endsWith(QLatin1Char('\n') + caution)) << zoneLine().toStdString();
    mController.proceed();
    ASSERT_NE(mController.chartScreen(), nullptr);
    const auto* details =
        mController.chartScreen()->findChild<QLabel*>(QStringLiteral("lblClockCaution"));
    ASSERT_NE(details, nullptr);
    EXPECT_EQ(details->text(), caution);

    enterMoment(1985, 5, 1, 12, 0);
    EXPECT_FALSE(zoneLine().contains(QStringLiteral("Before 1970"))) << zoneLine().toStdString();
}

// The pass chosen for a clock time that happened twice is kept with the chart.
TEST_F(BirthPlaceAtlasTest, ChosenPassIsKeptWithTheChart) {
    ClockQuestionRecorder questions(BirthDetailsScreen::ClockChoice::Second);
    enterMoment(2021, 11, 7, 1, 30);
    typeAndPick(QStringLiteral("New York"), QStringLiteral("New York City — New York"));
    mController.proceed();
    ASSERT_NE(mController.chartScreen(), nullptr);
    const auto& chart = mController.chartScreen()->shownChart();
    ASSERT_TRUE(chart && chart->input.atlasClock);
    EXPECT_EQ(chart->input.atlasClock->fold, Fold::Later);
    EXPECT_EQ(chart->input.atlasClock->timeZone, "America/New_York");
    EXPECT_EQ(chart->input.atlasClock->place.rfind("New York City — New York", 0), 0u)
        << chart->input.atlasClock->place;
}

TEST(BirthPlaceWithoutAtlas, CityBoxStaysPlainAndOneLineSaysWhy) {
    BirthDetailsScreen screen;
    screen.setAtlas(std::make_shared<const atlas::Atlas>(
        atlas::Atlas::load("/nonexistent/orbenza/places.atlas")));
    auto* city = child<QLineEdit>(&screen, "txtMCity");
    EXPECT_EQ(city->completer(), nullptr);
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("Madrid"));
    EXPECT_TRUE(screen.placeSuggestions().isEmpty());
    EXPECT_EQ(child<QLabel>(&screen, "lblZoneLine")->text(),
              "The place atlas is unavailable: type the coordinates and choose the zone by "
              "hand.");
    EXPECT_EQ(child<QComboBox>(&screen, "cmbTimeZone")->count(), kTimeZoneCount);
}

// The screen with a popup window over it, as one picture: the popup's own
// grab drawn where it stands on the desktop, relative to the screen.
QPixmap withPopup(QWidget* window, QWidget* popup) {
    const QPoint offset = popup->mapToGlobal(QPoint(0, 0)) - window->mapToGlobal(QPoint(0, 0));
    const QRect area = QRect(QPoint(0, 0), window->size()).united(QRect(offset, popup->size()));
    const qreal ratio = window->devicePixelRatioF();
    QPixmap picture((QSizeF(area.size()) * ratio).toSize());
    picture.setDevicePixelRatio(ratio);
    picture.fill(window->palette().color(QPalette::Window));
    QPainter painter(&picture);
    painter.drawPixmap(-area.topLeft(), window->grab());
    painter.drawPixmap(offset - area.topLeft(), popup->grab());
    return picture;
}

// Pictures for the user guide when ORBENZA_SCREENSHOT_DIR is set: the City
// box's suggestions open after "Madr", then the screen with Madrid chosen and
// its zone line.
TEST(BirthPlaceAtlasLook, Screenshots) {
    const QString folder = qEnvironmentVariable("ORBENZA_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "ORBENZA_SCREENSHOT_DIR not set";
    QDir().mkpath(folder);
    applyProgramLook(*qApp);
    AppController controller;
    controller.setModalRunner([](QDialog&) {});
    controller.setQuitHandler([] {});
    controller.start();
    BirthDetailsScreen* screen = controller.birthDetailsScreen();
    // The size it opens at on a real screen (the offscreen one is small).
    screen->resize(screen->sizeHint());
    screen->show();
    screen->activateWindow();
    QApplication::processEvents();
    child<QLineEdit>(screen, "txtName")->setText(QStringLiteral("ANNA"));
    child<QComboBox>(screen, "cboYear")->setCurrentText(QStringLiteral("1985"));
    child<QComboBox>(screen, "cboMonth")->setCurrentIndex(6);
    child<QComboBox>(screen, "cboDate")->setCurrentIndex(0);
    child<QComboBox>(screen, "cboHH")->setCurrentIndex(14);
    child<QComboBox>(screen, "cboMM")->setCurrentIndex(30);

    QLineEdit* city = child<QLineEdit>(screen, "txtMCity");
    city->setFocus();
    QTest::keyClicks(city, QStringLiteral("Madr"));
    QCompleter* completer = city->completer();
    ASSERT_NE(completer, nullptr);
    QAbstractItemView* popup = completer->popup();
    QApplication::processEvents();
    ASSERT_TRUE(popup->isVisible());
    ASSERT_GT(popup->model()->rowCount(), 1);
    EXPECT_EQ(popup->model()->index(0, 0).data().toString(), "Madrid — Madrid, Spain");
    EXPECT_TRUE(withPopup(screen, popup).save(QDir(folder).filePath("atlas-suggestions.png")));

    // Return on the first suggestion, as the user picks it.
    popup->setCurrentIndex(popup->model()->index(0, 0));
    QTest::keyClick(popup, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_FALSE(popup->isVisible());
    EXPECT_EQ(city->text(), "Madrid");
    EXPECT_EQ(child<QLabel>(screen, "lblZoneLine")->text(),
              "Europe/Madrid · CEST · UT+2:00 on 1 Jul 1985 (summer time)");
    EXPECT_TRUE(screen->grab().save(QDir(folder).filePath("atlas-madrid.png")));
}

} // namespace
} // namespace orbenza
