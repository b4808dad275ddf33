// The birth details screen: its controls and lists as loaded, the character
// filters of its boxes for typed, pasted, dropped and composed text, the input
// checks of "Proceed" and the coordinates look-up.
#include "BirthDetailsScreen.h"

#include "AppController.h"
#include "ChartScreen.h"
#include "InputFilters.h"
#include "MainWindow.h"
#include "ShellRecorders.h"
#include "UserMessages.h"
#include "chart/TimeZones.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QDragEnterEvent>
#include <QGroupBox>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTextBrowser>
#include <QUrlQuery>
#include <gtest/gtest.h>
#include <stdexcept>

namespace orbenza {
namespace {

using testing::MessageRecorder;
using testing::UrlRecorder;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// The named child, or a test failure.
template <typename T> T* child(const QObject* parent, const QString& name) {
    T* found = parent->findChild<T*>(name);
    if (!found)
        throw std::runtime_error("no child named " + name.toStdString());
    return found;
}

QStringList itemsOf(const QComboBox* box) {
    QStringList items;
    for (int i = 0; i < box->count(); ++i)
        items << box->itemText(i);
    return items;
}

QStringList numbers(int first, int last) {
    QStringList list;
    for (int value = first; value <= last; ++value)
        list << QString::number(value);
    return list;
}

// A shown birth details screen with its controller; messages and web pages
// are recorded.
class BirthDetailsTest : public ::testing::Test {
public:
    void SetUp() override {
        mController.setModalRunner([this](QDialog& dialog) { mDialogs << dialog.objectName(); });
        mController.setQuitHandler([this] { ++mQuits; });
        mController.start();
    }

    BirthDetailsScreen* screen() const { return mController.birthDetailsScreen(); }
    template <typename T = QLineEdit> T* box(const char* name) const {
        return child<T>(screen(), QLatin1String(name));
    }
    FilteredLineEdit* filtered(const char* name) const { return box<FilteredLineEdit>(name); }

    MessageRecorder mMessages;
    UrlRecorder mUrls;
    AppController mController;
    QStringList mDialogs;
    int mQuits = 0;
};

// ---------------------------------------------------------------------------
// The screen as loaded.

TEST_F(BirthDetailsTest, ControlsCarryTheirCaptionsAndInitialContent) {
    EXPECT_EQ(screen()->objectName(), "frmMain");
    EXPECT_EQ(screen()->windowTitle(), programTitle());

    for (const char* name : {"txtName", "txtMCity", "txtMState", "txtMCountry"})
        EXPECT_TRUE(box(name)->text().isEmpty()) << name;
    EXPECT_EQ(box("txtLonD")->text(), "80");
    EXPECT_EQ(box("txtLonM")->text(), "18");
    EXPECT_EQ(box("txtLatD")->text(), "13");
    EXPECT_EQ(box("txtLatM")->text(), "05");

    const struct {
        const char* name;
        const char* caption;
        bool checked;
    } options[] = {{"optLong0", "East", true},
                   {"optLong1", "West", false},
                   {"optLat0", "North", true},
                   {"optLat1", "South", false}};
    for (const auto& option : options) {
        const auto* button = box<QRadioButton>(option.name);
        EXPECT_EQ(button->text(), option.caption) << option.name;
        EXPECT_EQ(button->isChecked(), option.checked) << option.name;
    }
    EXPECT_EQ(box<QCheckBox>("chkDST")->text(), "Daylight Saving Time");
    EXPECT_FALSE(box<QCheckBox>("chkDST")->isChecked());
    EXPECT_EQ(box<QPushButton>("cmdRashi")->text(), "Proceed");
    // A button shows "&&" as one "&".
    EXPECT_EQ(box<QPushButton>("cmdBrowser")->text(), "Click Here To Find Latitude && Longitude");
    EXPECT_EQ(box<QGroupBox>("fraLongitude")->title(), "Longitude");
    EXPECT_EQ(box<QGroupBox>("fraLatitude")->title(), "Latitude");
    EXPECT_EQ(box<QGroupBox>("fraZone")->title(), "Zone");
    EXPECT_EQ(box<QLabel>("Label2")->text(),
              "Orbenza shows the positions of the planets in the twelve houses in your natal "
              "chart. The distribution of the planets in the different houses play an important "
              "role in interpreting the birth chart of an individual.");

    QStringList captions;
    for (const char* name :
         {"lblNameCaption", "lblDateCaption", "lblTimeCaption", "lblTimeFormat", "lblCityCaption",
          "lblStateCaption", "lblCountryCaption", "lblLonDegCaption", "lblLonMinCaption"})
        captions << box<QLabel>(name)->text();
    EXPECT_EQ(captions, QStringList({"Name", "Date of Birth", "Time of Birth", "HH:MM:SS", "City",
                                     "State", "Country", "Deg", "Min"}));
}

TEST_F(BirthDetailsTest, ListsAreFilledInOrderWithTheFirstEntriesChosen) {
    EXPECT_EQ(itemsOf(box<QComboBox>("cboMonth")),
              QStringList({"January", "February", "March", "April", "May", "June", "July", "August",
                           "September", "October", "November", "December"}));
    EXPECT_EQ(itemsOf(box<QComboBox>("cboDate")), numbers(1, 31));
    EXPECT_EQ(itemsOf(box<QComboBox>("cboYear")), numbers(1901, 2050));
    EXPECT_EQ(itemsOf(box<QComboBox>("cboHH")), numbers(0, 23));
    EXPECT_EQ(itemsOf(box<QComboBox>("cboMM")), numbers(0, 59));
    EXPECT_EQ(itemsOf(box<QComboBox>("cboSS")), numbers(0, 59));
    for (const char* name : {"cboMonth", "cboDate", "cboYear", "cboHH", "cboMM", "cboSS"})
        EXPECT_EQ(box<QComboBox>(name)->currentIndex(), 0) << name;

    const auto* zones = box<QComboBox>("cmbTimeZone");
    ASSERT_EQ(zones->count(), kTimeZoneCount);
    for (int i = 0; i < kTimeZoneCount; ++i)
        EXPECT_EQ(zones->itemText(i), qs(timeZoneEntries()[std::size_t(i)].text)) << "row " << i;
    EXPECT_EQ(zones->currentIndex(), 29);
    EXPECT_EQ(zones->currentText(), "Greenwich Mean Time,GMT,0.0");
}

TEST_F(BirthDetailsTest, EntriesAreReadFromTheControlsAndTheSecondsAreNot) {
    box("txtName")->setText("ADA");
    box<QComboBox>("cboMonth")->setCurrentIndex(2);
    box<QComboBox>("cboDate")->setCurrentIndex(6);
    box<QComboBox>("cboYear")->setCurrentText("1985");
    box<QComboBox>("cboHH")->setCurrentIndex(9);
    box<QComboBox>("cboMM")->setCurrentIndex(5);
    box<QComboBox>("cmbTimeZone")->setCurrentIndex(3);
    box<QRadioButton>("optLong1")->setChecked(true);
    box<QRadioButton>("optLat1")->setChecked(true);
    box<QCheckBox>("chkDST")->setChecked(true);

    const BirthInput before = screen()->input();
    EXPECT_EQ(before.name, "ADA");
    EXPECT_EQ(before.local, (CivilDateTime{1985, 3, 7, 9, 5, 0}));
    EXPECT_EQ(before.zonePosition, 3);
    EXPECT_EQ(before.longitude, (Longitude{80, 18, EastWest::West}));
    EXPECT_EQ(before.latitude, (Latitude{13, 5, NorthSouth::South}));
    EXPECT_TRUE(before.daylightSaving);
    EXPECT_FALSE(before.atlasClock.has_value());

    // The clock time is typed to the second.
    box<QComboBox>("cboSS")->setCurrentIndex(42);
    EXPECT_EQ(screen()->input().local, (CivilDateTime{1985, 3, 7, 9, 5, 42}));
}

TEST_F(BirthDetailsTest, MenusHoldTheirEntriesInOrder) {
    const QList<QAction*> top = screen()->menuBar()->actions();
    ASSERT_EQ(top.size(), 3);
    EXPECT_EQ(top[0]->text(), "&File");
    EXPECT_EQ(top[1]->text(), "&View");
    EXPECT_EQ(top[2]->text(), "&Help");

    QStringList file;
    for (const QAction* action : top[0]->menu()->actions())
        file << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(file, QStringList({"Proceed", "P&recise Positions", "&Open Chart\u2026",
                                 "Recent &Charts", "-", "Chart &Settings\u2026", "E&xit"}));

    QStringList help;
    for (const QAction* action : top[2]->menu()->actions())
        help << (action->isSeparator() ? "-" : action->text());
    EXPECT_EQ(help, QStringList({"&User Guide", "&Online Help", "&Visit Us Online", "-",
                                 "Check for Software U&pdate", "-", "&About Software"}));
}

TEST_F(BirthDetailsTest, HelpEntriesAndTheBannerOpenTheirPages) {
    child<QAction>(screen(), "mnuOnline")->trigger();
    child<QAction>(screen(), "mnuVisit")->trigger();
    child<QAction>(screen(), "mnuUpdate")->trigger();
    QTest::mouseClick(box<QLabel>("Label61"), Qt::LeftButton);
    QTest::mouseClick(box<QLabel>("Label61"), Qt::LeftButton);
    EXPECT_EQ(mUrls.urls(), (std::vector<QUrl>{QUrl(helpPageAddress()), QUrl(homePageAddress()),
                                               QUrl(downloadPageAddress()), QUrl(homePageAddress()),
                                               QUrl(homePageAddress())}));
    EXPECT_TRUE(box<QLabel>("Label61")->text().contains(homePageAddress()));

    child<QAction>(screen(), "mnuAbout")->trigger();
    EXPECT_EQ(mDialogs, QStringList({"frmAbout"}));
    EXPECT_TRUE(mMessages.messages().empty());
}

// Digits typed into the number lists select the number a person means, not
// the next entry that starts with the digit.
TEST_F(BirthDetailsTest, TypedDigitsSelectTheNumberMeant) {
    const int interval = QApplication::keyboardInputInterval();
    QApplication::setKeyboardInputInterval(200);
    auto* hour = box<QComboBox>("cboHH");
    auto* minute = box<QComboBox>("cboMM");
    auto* day = box<QComboBox>("cboDate");
    const auto typed = [](QComboBox* list, const char* digits) {
        QTest::qWait(QApplication::keyboardInputInterval() + 50); // a new number
        QTest::keyClicks(list, QString::fromLatin1(digits));
        return list->currentText();
    };
    hour->setCurrentIndex(14);
    EXPECT_EQ(typed(hour, "2"), "2");
    EXPECT_EQ(typed(hour, "23"), "23");
    EXPECT_EQ(typed(hour, "25"), "5") << "no hour 25: the 5 starts anew";
    EXPECT_EQ(typed(minute, "07"), "7");
    EXPECT_EQ(typed(day, "31"), "31");
    // After a pause the next digit is a number of its own.
    QTest::keyClicks(hour, QStringLiteral("1"));
    EXPECT_EQ(typed(hour, "8"), "8");
    // In the open list as well.
    hour->showPopup();
    QTest::keyClicks(hour->view(), QStringLiteral("12"));
    EXPECT_EQ(hour->view()->currentIndex().row(), 12);
    QTest::keyClick(hour->view(), Qt::Key_Return);
    EXPECT_EQ(hour->currentText(), "12");
    QApplication::setKeyboardInputInterval(interval);
}

// Without a browser, the Help entries and the web search say so and name the
// address, so it can be opened by hand.
TEST_F(BirthDetailsTest, WithoutABrowserHelpAndTheWebSearchSaySo) {
    const UrlOpener previous = setUrlOpener([](const QUrl&) { return false; });
    child<QAction>(screen(), "mnuOnline")->trigger();
    box("txtMCity")->setText(QStringLiteral("Agra"));
    box("txtMState")->setText(QStringLiteral("UP"));
    box("txtMCountry")->setText(QStringLiteral("India"));
    QTest::mouseClick(box<QPushButton>("cmdBrowser"), Qt::LeftButton);
    setUrlOpener(previous);
    const auto& shown = mMessages.messages();
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[0].text, "No web browser could be opened for " + helpPageAddress() + ".");
    EXPECT_TRUE(shown[1].text.startsWith(QStringLiteral("No web browser could be opened for "
                                                        "https://www.openstreetmap.org/search")))
        << shown[1].text.toStdString();
    EXPECT_EQ(shown[1].icon, MessageIcon::Error);
    EXPECT_EQ(shown[1].parent, screen());
}

// Help > User Guide shows the guide that goes with the program, pictures and
// all, without a browser.
TEST_F(BirthDetailsTest, UserGuideShowsTheGuideWithItsPictures) {
    const UrlOpener previous = setUrlOpener([](const QUrl&) { return false; });
    child<QAction>(screen(), "mnuUserGuide")->trigger();
    setUrlOpener(previous);
    EXPECT_TRUE(mMessages.messages().empty());
    QTextBrowser* guide = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QLatin1String("frmUserGuide") && window->isVisible())
            guide = qobject_cast<QTextBrowser*>(window);
    ASSERT_NE(guide, nullptr);
    EXPECT_TRUE(guide->toPlainText().startsWith(QStringLiteral("Orbenza user guide")));
    const QVariant picture = guide->document()->resource(
        QTextDocument::ImageResource, QUrl(QStringLiteral("screenshots/birth-details.png")));
    EXPECT_FALSE(picture.value<QImage>().isNull() && picture.value<QPixmap>().isNull());
    guide->close();
}

TEST_F(BirthDetailsTest, ExitAndClosingEndTheProgram) {
    child<QAction>(screen(), "mnuExit")->trigger();
    EXPECT_EQ(mQuits, 1);
    EXPECT_FALSE(screen()->isVisible());
}

// ---------------------------------------------------------------------------
// The character filters.

TEST(CharacterFilters, EnteredTextIsAcceptedWhole) {
    const struct {
        CharacterFilter filter;
        const char* text;
        const char* accepted; // nullptr: refused
    } rows[] = {
        {CharacterFilter::Letters, "a", "A"},
        {CharacterFilter::Letters, "Ada Lovelace", "ADA LOVELACE"},
        {CharacterFilter::Letters, "zZ ", "ZZ "},
        {CharacterFilter::Letters, "ann\r\n", "ANN"}, // Enter passes, inserts nothing
        // Letters of every script and the signs inside a name; where the
        // signs stand is checked on the whole name at "Proceed".
        {CharacterFilter::Letters, "-", "-"},
        {CharacterFilter::Letters, "O'Neil", "O'NEIL"},
        {CharacterFilter::Letters, "Jean-Luc St. John", "JEAN-LUC ST. JOHN"},
        {CharacterFilter::Letters, "Jos\xC3\xA9", "JOS\xC3\x89"},                       // José
        {CharacterFilter::Letters, "Zo\xC3\xAB", "ZO\xC3\x8B"},                         // Zoë
        {CharacterFilter::Letters, "\xC3\x85ngstr\xC3\xB6m", "\xC3\x85NGSTR\xC3\x96M"}, // Ångström
        {CharacterFilter::Letters, "\xCF\x83\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1",
         "\xCE\xA3\xCE\x9F\xCE\xA6\xCE\x8A\xCE\x91"},                       // σοφία
        {CharacterFilter::Letters, "\xD1\x8F\xD0\xBD", "\xD0\xAF\xD0\x9D"}, // ян
        {CharacterFilter::Letters, "Ann1", nullptr},
        {CharacterFilter::Letters, "a\tb", nullptr},
        {CharacterFilter::Letters, "a_b", nullptr},
        {CharacterFilter::Letters, "a,b", nullptr},
        {CharacterFilter::Letters, "\xD9\xA3", nullptr},         // an Arabic-Indic three
        {CharacterFilter::Letters, "\xF0\x9F\x98\x80", nullptr}, // an emoji
        {CharacterFilter::Digits, "0123456789", "0123456789"},
        {CharacterFilter::Digits, "", ""},
        {CharacterFilter::Digits, ".", nullptr},
        {CharacterFilter::Digits, "-5", nullptr},
        {CharacterFilter::Digits, "1 2", nullptr},
        {CharacterFilter::Digits, "12\n", nullptr},
        {CharacterFilter::Digits, "\xD9\xA3", nullptr},     // an Arabic-Indic three
        {CharacterFilter::Digits, "\xEF\xBC\x95", nullptr}, // a full-width five
    };
    for (const auto& row : rows) {
        const std::optional<QString> accepted =
            filterEnteredText(row.filter, QString::fromUtf8(row.text));
        if (row.accepted) {
            ASSERT_TRUE(accepted.has_value()) << row.text;
            EXPECT_EQ(*accepted, QString::fromUtf8(row.accepted)) << row.text;
        } else {
            EXPECT_FALSE(accepted.has_value()) << row.text << " -> " << accepted->toStdString();
        }
    }
    EXPECT_EQ(filterRefusal(CharacterFilter::Digits).message, "Only Numbers Are Accepted");
    EXPECT_EQ(filterRefusal(CharacterFilter::Digits).icon, MessageIcon::Error);
    EXPECT_EQ(filterRefusal(CharacterFilter::Letters).message, "Please Enter only Letters");
    EXPECT_EQ(filterRefusal(CharacterFilter::Letters).icon, MessageIcon::Information);
}

TEST_F(BirthDetailsTest, TypedNameLettersBecomeCapitalsAndOtherKeysAreRefused) {
    FilteredLineEdit* name = filtered("txtName");
    name->setFocus();
    QTest::keyClicks(name, "ada L");
    EXPECT_EQ(name->text(), "ADA L");
    EXPECT_TRUE(mMessages.messages().empty());

    QTest::keyClick(name, Qt::Key_Return); // Enter passes and inserts nothing
    EXPECT_EQ(name->text(), "ADA L");
    EXPECT_TRUE(mMessages.messages().empty());

    for (const char* key : {"1", ",", "_"}) {
        mMessages.clear();
        QTest::keyClicks(name, key);
        EXPECT_EQ(name->text(), "ADA L") << key;
        ASSERT_EQ(mMessages.messages().size(), 1u) << key;
        EXPECT_EQ(mMessages.messages()[0].text, "Please Enter only Letters") << key;
        EXPECT_EQ(mMessages.messages()[0].icon, MessageIcon::Information) << key;
    }
    mMessages.clear();
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "ADA ");
    EXPECT_TRUE(mMessages.messages().empty());
}

TEST_F(BirthDetailsTest, TypedCoordinatesTakeDigitsOnly) {
    for (const char* boxName : {"txtLonD", "txtLonM", "txtLatD", "txtLatM"}) {
        FilteredLineEdit* edit = filtered(boxName);
        edit->clear();
        edit->setFocus();
        QTest::keyClicks(edit, "709");
        EXPECT_EQ(edit->text(), "709") << boxName;
        EXPECT_TRUE(mMessages.messages().empty()) << boxName;

        for (const char* key : {".", "a", "-", " "}) {
            mMessages.clear();
            QTest::keyClicks(edit, key);
            EXPECT_EQ(edit->text(), "709") << boxName << " " << key;
            ASSERT_EQ(mMessages.messages().size(), 1u) << boxName << " " << key;
            EXPECT_EQ(mMessages.messages()[0].text, "Only Numbers Are Accepted");
            EXPECT_EQ(mMessages.messages()[0].icon, MessageIcon::Error);
        }
        // Enter is a key like any other here.
        mMessages.clear();
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_EQ(mMessages.messages().size(), 1u) << boxName;
        mMessages.clear();
        QTest::keyClick(edit, Qt::Key_Backspace);
        EXPECT_EQ(edit->text(), "70") << boxName;
        EXPECT_TRUE(mMessages.messages().empty()) << boxName;
    }
}

TEST_F(BirthDetailsTest, NavigationAndEditingKeysKeepWorking) {
    FilteredLineEdit* edit = filtered("txtLonD");
    QClipboard* clipboard = QGuiApplication::clipboard();
    edit->setText("12345");
    edit->setFocus();

    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    EXPECT_EQ(edit->text(), "2345");
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Left);
    QTest::keyClick(edit, Qt::Key_Backspace);
    EXPECT_EQ(edit->text(), "235");
    QTest::keyClick(edit, Qt::Key_Right);
    QTest::keyClicks(edit, "9");
    EXPECT_EQ(edit->text(), "2359");

    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->selectedText(), "2359");
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(clipboard->text(), "2359");
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "");
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "2359");
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(edit->text(), "23592359");

    // Tab leaves the box without a message.
    QTest::keyClick(edit, Qt::Key_Tab);
    EXPECT_TRUE(mMessages.messages().empty());
}

TEST_F(BirthDetailsTest, PastedTextPassesTheSameFilters) {
    QClipboard* clipboard = QGuiApplication::clipboard();
    const struct {
        const char* box;
        const char* start;
        const char* clip;
        const char* after; // nullptr: refused, text unchanged
        const char* message;
    } rows[] = {
        {"txtName", "", "ada lovelace", "ADA LOVELACE", nullptr},
        {"txtName", "AB", "c-d", "ABC-D", nullptr},
        {"txtName", "AB", "c_d", nullptr, "Please Enter only Letters"},
        {"txtName", "AB", "c3", nullptr, "Please Enter only Letters"},
        {"txtLonD", "", "42", "42", nullptr},
        {"txtLonM", "1", "2.5", nullptr, "Only Numbers Are Accepted"},
        {"txtLatD", "1", " 2", nullptr, "Only Numbers Are Accepted"},
        {"txtLatM", "1", "-2", nullptr, "Only Numbers Are Accepted"},
    };
    // Ctrl+V, Shift+Insert and the context menu's "Paste".
    for (int way = 0; way < 3; ++way) {
        for (const auto& row : rows) {
            FilteredLineEdit* edit = filtered(row.box);
            edit->setText(QString::fromUtf8(row.start));
            edit->setFocus();
            edit->end(false);
            clipboard->setText(QString::fromUtf8(row.clip));
            mMessages.clear();
            if (way == 0) {
                QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
            } else if (way == 1) {
                QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
            } else {
                std::unique_ptr<QMenu> menu(edit->createFilteredContextMenu());
                QAction* paste = menu->findChild<QAction*>("edit-paste");
                ASSERT_NE(paste, nullptr);
                EXPECT_TRUE(paste->isEnabled());
                paste->trigger();
            }
            const std::string where =
                std::string(row.box) + " way " + std::to_string(way) + " clip '" + row.clip + "'";
            if (row.after) {
                EXPECT_EQ(edit->text(), QString::fromUtf8(row.after)) << where;
                EXPECT_TRUE(mMessages.messages().empty()) << where;
            } else {
                EXPECT_EQ(edit->text(), QString::fromUtf8(row.start)) << where;
                ASSERT_EQ(mMessages.messages().size(), 1u) << where;
                EXPECT_EQ(mMessages.messages()[0].text, row.message) << where;
            }
        }
    }
}

TEST_F(BirthDetailsTest, DroppedTextPassesTheSameFilters) {
    const auto drop = [](QLineEdit* edit, const QString& text) {
        QMimeData mime;
        mime.setText(text);
        const QPoint at(edit->width() - 4, edit->height() / 2);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &enter);
        QDropEvent event(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(edit, &event);
        return event.isAccepted();
    };

    FilteredLineEdit* name = filtered("txtName");
    name->setText("AB");
    EXPECT_TRUE(drop(name, "cd"));
    EXPECT_EQ(name->text(), "ABCD");
    EXPECT_TRUE(mMessages.messages().empty());
    EXPECT_FALSE(drop(name, "e,f"));
    EXPECT_EQ(name->text(), "ABCD");
    ASSERT_EQ(mMessages.messages().size(), 1u);
    EXPECT_EQ(mMessages.messages()[0].text, "Please Enter only Letters");

    mMessages.clear();
    FilteredLineEdit* degrees = filtered("txtLatD");
    degrees->setText("1");
    EXPECT_FALSE(drop(degrees, "x9"));
    EXPECT_EQ(degrees->text(), "1");
    ASSERT_EQ(mMessages.messages().size(), 1u);
    EXPECT_EQ(mMessages.messages()[0].text, "Only Numbers Are Accepted");
    EXPECT_TRUE(drop(degrees, "9"));
    EXPECT_EQ(degrees->text(), "19");
}

TEST_F(BirthDetailsTest, ComposedTextPassesTheSameFilters) {
    const auto commit = [](QLineEdit* edit, const QString& text) {
        QInputMethodEvent event(QString(), {});
        event.setCommitString(text);
        QApplication::sendEvent(edit, &event);
    };
    FilteredLineEdit* name = filtered("txtName");
    name->setFocus();
    commit(name, "eve");
    EXPECT_EQ(name->text(), "EVE");
    commit(name, "\xC3\xA9"); // é
    EXPECT_EQ(name->text(), "EVE\xC3\x89");
    EXPECT_TRUE(mMessages.messages().empty());
    commit(name, "\xE2\x82\xAC"); // €
    EXPECT_EQ(name->text(), "EVE\xC3\x89");
    ASSERT_EQ(mMessages.messages().size(), 1u);
    EXPECT_EQ(mMessages.messages()[0].text, "Please Enter only Letters");
}

// ---------------------------------------------------------------------------
// "Proceed" refused by the input checks.

TEST_F(BirthDetailsTest, EachRefusalShowsItsMessageMovesTheFocusAndChangesNothing) {
    struct Row {
        const char* what;
        std::function<void(BirthDetailsTest&)> enter;
        std::string_view message;
        MessageIcon icon;
        const char* focus; // nullptr: the focus stays where it was
    };
    const auto valid = [](BirthDetailsTest& t) {
        t.box("txtName")->setText("ADA");
        t.box<QComboBox>("cmbTimeZone")->setCurrentIndex(40);
        t.box<QComboBox>("cboYear")->setCurrentText("2000");
    };
    const Row rows[] = {
        {"empty name", [](BirthDetailsTest&) {}, "Please Enter Name", MessageIcon::Error,
         "txtName"},
        {"blank name", [](BirthDetailsTest& t) { t.box("txtName")->setText("   "); },
         "Please Enter Name", MessageIcon::Error, "txtName"},
        {"a hyphen that starts the name",
         [&](BirthDetailsTest& t) {
             valid(t);
             t.box("txtName")->setText("-ADA");
         },
         "Please Enter only Letters", MessageIcon::Information, "txtName"},
        {"two apostrophes in a row",
         [&](BirthDetailsTest& t) {
             valid(t);
             t.box("txtName")->setText("O''BRIEN");
         },
         "Please Enter only Letters", MessageIcon::Information, "txtName"},
        {"longitude 180",
         [&](BirthDetailsTest& t) {
             valid(t);
             t.box("txtLonD")->setText("180");
         },
         "Please Enter Value Between 0 And 179 in the Degree of Longitude", MessageIcon::Error,
         "txtLonD"},
        {"longitude minutes empty",
         [&](BirthDetailsTest& t) {
             valid(t);
             t.box("txtLonM")->clear();
         },
         "Please Enter Value Between 0 And 59 in the  Minute of Longitude", MessageIcon::Error,
         "txtLonM"},
        {"latitude 90",
         [&](BirthDetailsTest& t) {
             valid(t);
             t.box("txtLatD")->setText("90");
         },
         "Please Enter Value Between 0 And 89 in the Degree of Latitude", MessageIcon::Error,
         "txtLatD"},
        {"latitude minutes 60",
         [&](BirthDetailsTest& t) {
             valid(t);
             t.box("txtLatM")->setText("60");
         },
         "Please Enter Value Between 0 And 59 in the  Minute of Latitude", MessageIcon::Error,
         "txtLatM"},
        {"30 February 2000",
         [&](BirthDetailsTest& t) {
             valid(t);
             t.box<QComboBox>("cboMonth")->setCurrentIndex(1);
             t.box<QComboBox>("cboDate")->setCurrentIndex(29);
         },
         "Please Enter Correct Date Or Month!", MessageIcon::Information, nullptr},
        {"31 April",
         [&](BirthDetailsTest& t) {
             valid(t);
             t.box<QComboBox>("cboMonth")->setCurrentIndex(3);
             t.box<QComboBox>("cboDate")->setCurrentIndex(30);
         },
         "Please Enter Correct Date Or Month !", MessageIcon::Information, nullptr},
    };
    for (const Row& row : rows) {
        BirthDetailsTest& self = *this;
        // A fresh set of entries for each row.
        box("txtName")->clear();
        box("txtLonD")->setText("80");
        box("txtLonM")->setText("18");
        box("txtLatD")->setText("13");
        box("txtLatM")->setText("05");
        box<QComboBox>("cboMonth")->setCurrentIndex(0);
        box<QComboBox>("cboDate")->setCurrentIndex(0);
        row.enter(self);
        box<QComboBox>("cboYear")->setFocus();
        const BirthInput before = screen()->input();
        const UtCorrection correctionBefore = mController.lastCorrection();
        mMessages.clear();

        child<QPushButton>(screen(), "cmdRashi")->click();

        ASSERT_EQ(mMessages.messages().size(), 1u) << row.what;
        EXPECT_EQ(mMessages.messages()[0].text, qs(row.message)) << row.what;
        EXPECT_EQ(mMessages.messages()[0].icon, row.icon) << row.what;
        EXPECT_EQ(mMessages.messages()[0].parent, screen()) << row.what;
        const QString expectedFocus = row.focus ? QString::fromLatin1(row.focus) : "cboYear";
        ASSERT_NE(screen()->focusWidget(), nullptr) << row.what;
        EXPECT_EQ(screen()->focusWidget()->objectName(), expectedFocus) << row.what;

        EXPECT_EQ(screen()->input(), before) << row.what;
        EXPECT_EQ(mController.lastCorrection(), correctionBefore) << row.what;
        EXPECT_EQ(mController.mainWindow(), nullptr) << row.what;
        EXPECT_TRUE(screen()->isVisible()) << row.what;
    }
}

// Real names, typed key by key, reach the chart.
TEST_F(BirthDetailsTest, NamesOfEveryScriptAndWithSignsInsideStartTheChart) {
    const char* const names[] = {
        "Zo\xC3\xAB",                               // Zoë
        "\xC3\x85ngstr\xC3\xB6m",                   // Ångström
        "\xCE\xA3\xCE\xBF\xCF\x86\xCE\xAF\xCE\xB1", // Σοφία
        "\xD0\xAF\xD0\xBD",                         // Ян
        "Jean-Luc",
        "O'Brien",
        "J. R. R. Tolkien",
    };
    for (const char* typed : names) {
        mController.back();
        mMessages.clear();
        FilteredLineEdit* name = filtered("txtName");
        name->clear();
        name->setFocus();
        // One key event a character, as a keyboard layout of that script sends.
        for (const QChar c : QString::fromUtf8(typed)) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QApplication::sendEvent(name, &press);
        }
        EXPECT_EQ(name->text(), QString::fromUtf8(typed).toUpper()) << typed;
        EXPECT_TRUE(mMessages.messages().empty()) << typed;
        child<QPushButton>(screen(), "cmdRashi")->click();
        EXPECT_TRUE(mMessages.messages().empty()) << typed;
        ASSERT_NE(mController.mainWindow(), nullptr) << typed;
        EXPECT_EQ(mController.mainWindow()->chartScreen()->shownChart()->birth.name,
                  QString::fromUtf8(typed).toUpper().toStdString())
            << typed;
    }
}

// Enter in the name and the place boxes starts the chart as "Proceed" does;
// in a coordinate box it stays a refused key.
TEST_F(BirthDetailsTest, EnterInTheNameOrPlaceBoxesStartsTheChart) {
    for (const char* boxName : {"txtName", "txtMCity", "txtMState", "txtMCountry"}) {
        mController.back();
        box("txtName")->setText("ADA");
        mMessages.clear();
        QLineEdit* edit = box(boxName);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        EXPECT_TRUE(mMessages.messages().empty()) << boxName;
        EXPECT_NE(mController.mainWindow(), nullptr) << boxName;
    }

    mController.back();
    box("txtName")->clear();
    mMessages.clear();
    QTest::keyClick(box("txtMCity"), Qt::Key_Enter);
    ASSERT_EQ(mMessages.messages().size(), 1u);
    EXPECT_EQ(mMessages.messages()[0].text, "Please Enter Name");
    EXPECT_EQ(mController.mainWindow(), nullptr);

    box("txtName")->setText("ADA");
    mMessages.clear();
    QTest::keyClick(box("txtLonD"), Qt::Key_Return);
    ASSERT_EQ(mMessages.messages().size(), 1u);
    EXPECT_EQ(mMessages.messages()[0].text, "Only Numbers Are Accepted");
    EXPECT_EQ(mController.mainWindow(), nullptr);
}

// The zone list is searched by any word of its rows; a typed blank does not
// open it, and only its rows can be chosen.
TEST_F(BirthDetailsTest, TheZoneListIsSearchedByAnyWordOfItsRows) {
    auto* zones = box<QComboBox>("cmbTimeZone");
    ASSERT_TRUE(zones->isEditable());
    QCompleter* completer = zones->completer();
    ASSERT_NE(completer, nullptr);
    EXPECT_EQ(completer->filterMode(), Qt::MatchContains);

    const auto matches = [&](const QString& typed) {
        completer->setCompletionPrefix(typed);
        QStringList found;
        for (int i = 0; completer->setCurrentRow(i); ++i)
            found << completer->currentCompletion();
        return found;
    };
    // Every row is found by each of its words, and every row found holds the word.
    for (int row = 0; row < zones->count(); ++row) {
        const QString text = zones->itemText(row);
        for (const QString& word :
             text.split(QRegularExpression(QStringLiteral("[ ,]+")), Qt::SkipEmptyParts)) {
            const QStringList found = matches(word.toLower());
            EXPECT_TRUE(found.contains(text))
                << word.toStdString() << " misses " << text.toStdString();
            for (const QString& other : found)
                EXPECT_TRUE(other.contains(word, Qt::CaseInsensitive)) << word.toStdString();
        }
    }

    // A typed blank goes into the text; the list stays closed.
    zones->setFocus();
    zones->lineEdit()->selectAll();
    QTest::keyClicks(zones, "india ");
    EXPECT_EQ(zones->lineEdit()->text(), "india ");
    EXPECT_FALSE(zones->view()->isVisible());

    // Picking a found row selects it; a text that is no row gives way to the
    // selected row's text when the box is left.
    const int before = zones->currentIndex();
    completer->setCompletionPrefix(QStringLiteral("india"));
    ASSERT_TRUE(completer->setCurrentRow(0));
    const QString picked = completer->currentCompletion();
    emit completer->activated(picked);
    EXPECT_EQ(zones->currentText(), picked);
    EXPECT_NE(zones->currentIndex(), before);
    const int chosen = zones->currentIndex();
    zones->lineEdit()->setText(QStringLiteral("no such zone"));
    emit zones->lineEdit()->editingFinished();
    EXPECT_EQ(zones->currentIndex(), chosen);
    EXPECT_EQ(zones->currentText(), picked);
    EXPECT_EQ(screen()->input().zonePosition, chosen);
}

// File > Proceed leaves the focus in the zone list: text typed there is
// settled first, so the chart is of the row the box then shows.
TEST_F(BirthDetailsTest, ProceedFromTheMenuSettlesTheTypedZone) {
    box("txtName")->setText(QStringLiteral("ANNA"));
    auto* zones = box<QComboBox>("cmbTimeZone");
    const QString row = zones->itemText(40);
    zones->lineEdit()->setText(row);
    child<QAction>(screen(), "mnuProceed")->trigger();
    ASSERT_NE(mController.chartScreen(), nullptr);
    EXPECT_EQ(mController.chartScreen()->shownChart()->input.zonePosition, 40);

    mController.back();
    zones->lineEdit()->setText(QStringLiteral("Eastern"));
    child<QAction>(screen(), "mnuProceed")->trigger();
    EXPECT_EQ(zones->currentText(), row);
    EXPECT_EQ(mController.chartScreen()->shownChart()->input.zonePosition, 40);
}

TEST_F(BirthDetailsTest, TheProceedMenuEntryRunsTheSameChecks) {
    child<QAction>(screen(), "mnuProceed")->trigger();
    ASSERT_EQ(mMessages.messages().size(), 1u);
    EXPECT_EQ(mMessages.messages()[0].text, "Please Enter Name");
    EXPECT_EQ(screen()->focusWidget()->objectName(), "txtName");
}

// ---------------------------------------------------------------------------
// The coordinates look-up.

TEST_F(BirthDetailsTest, LookUpNamesTheFirstMissingPlaceTextAndSearchesNothing) {
    const struct {
        const char* city;
        const char* state;
        const char* country;
        std::string_view message;
        const char* focus;
    } rows[] = {
        {"", "Tamil Nadu", "India", "Please Enter City", "txtMCity"},
        {"", "", "", "Please Enter City", "txtMCity"},
        {"Chennai", "", "India", "Please Enter State", "txtMState"},
        {"Chennai", "", "", "Please Enter State", "txtMState"},
        {"Chennai", "Tamil Nadu", "", "Please Enter Country", "txtMCountry"},
    };
    for (const auto& row : rows) {
        box("txtMCity")->setText(row.city);
        box("txtMState")->setText(row.state);
        box("txtMCountry")->setText(row.country);
        box("txtName")->setFocus();
        mMessages.clear();
        child<QPushButton>(screen(), "cmdBrowser")->click();
        ASSERT_EQ(mMessages.messages().size(), 1u) << row.message;
        EXPECT_EQ(mMessages.messages()[0].text, qs(row.message));
        EXPECT_EQ(mMessages.messages()[0].icon, MessageIcon::Information);
        EXPECT_EQ(screen()->focusWidget()->objectName(), row.focus);
        EXPECT_TRUE(mUrls.urls().empty()) << row.message;
        EXPECT_EQ(box("txtMCity")->text(), row.city);
    }
}

TEST_F(BirthDetailsTest, LookUpSearchesThePlaceAsTyped) {
    const struct {
        const char* city;
        const char* state;
        const char* country;
        const char* query;
    } rows[] = {
        {"Chennai", "Tamil Nadu", "India", "Chennai Tamil Nadu India Latitude Longitude"},
        // Blanks count as text and are kept, not trimmed.
        {" ", " Sao", "X ", "   Sao X  Latitude Longitude"},
        {"S\xC3\xA3o Paulo", "SP & Co", "Brasil",
         "S\xC3\xA3o Paulo SP & Co Brasil Latitude Longitude"},
        {"a+b=c", "#1", "50%?", "a+b=c #1 50%? Latitude Longitude"},
    };
    for (const auto& row : rows) {
        mUrls.clear();
        box("txtMCity")->setText(QString::fromUtf8(row.city));
        box("txtMState")->setText(QString::fromUtf8(row.state));
        box("txtMCountry")->setText(QString::fromUtf8(row.country));
        child<QPushButton>(screen(), "cmdBrowser")->click();
        ASSERT_EQ(mUrls.urls().size(), 1u) << row.query;
        const QUrl url = mUrls.urls()[0];
        EXPECT_EQ(url, coordinatesSearchAddress(QString::fromUtf8(row.query))) << row.query;
        // The whole query comes back as one parameter, whatever it holds.
        const QUrlQuery parameters(url);
        const auto items = parameters.queryItems(QUrl::FullyDecoded);
        ASSERT_EQ(items.size(), 1) << url.toString().toStdString();
        EXPECT_EQ(items[0].second, QString::fromUtf8(row.query)) << url.toString().toStdString();
        EXPECT_TRUE(mMessages.messages().empty());
    }
}

TEST_F(BirthDetailsTest, LookUpEncodesLettersAndSeparators) {
    box("txtMCity")->setText(QString::fromUtf8("S\xC3\xA3o Paulo"));
    box("txtMState")->setText("SP & Co");
    box("txtMCountry")->setText("Brasil");
    child<QPushButton>(screen(), "cmdBrowser")->click();
    ASSERT_EQ(mUrls.urls().size(), 1u);
    const QByteArray encoded = mUrls.urls()[0].toEncoded();
    EXPECT_TRUE(encoded.contains("S%C3%A3o")) << encoded.toStdString();
    EXPECT_TRUE(encoded.contains("%26")) << encoded.toStdString();
    EXPECT_FALSE(encoded.contains(' ')) << encoded.toStdString();
    EXPECT_EQ(encoded.count('&'), 0) << encoded.toStdString();
    EXPECT_TRUE(mUrls.urls()[0].scheme() == "https") << encoded.toStdString();
}

} // namespace
} // namespace orbenza
