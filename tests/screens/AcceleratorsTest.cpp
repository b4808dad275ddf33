// In every language each menu, and each window with its menu bar, buttons,
// labels, group boxes and tabs, gives an & letter to one entry only.
#include "AboutBox.h"
#include "AppController.h"
#include "BirthDetailsScreen.h"
#include "ChartInTimeScreen.h"
#include "ChartWheel.h"
#include "Languages.h"
#include "MainWindow.h"
#include "PictureSizeDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

namespace orbenza {
namespace {

// The letter after the text's '&' in lower case, or a null character when it
// has none ("&&" writes an ampersand).
QChar mnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] != QLatin1Char('&'))
            return text[i + 1].toLower();
        ++i;
    }
    return {};
}

class ClashFinder {
public:
    explicit ClashFinder(QString language) : m_language(std::move(language)) {}

    // A menu's entries, then each submenu's.
    void checkMenu(const QString& where, const QMenu* menu) {
        QStringList texts;
        for (const QAction* action : menu->actions()) {
            if (action->isSeparator() || !action->isVisible())
                continue;
            texts << action->text();
            if (action->menu() != nullptr)
                checkMenu(where + QStringLiteral(" > ") + action->text(), action->menu());
        }
        check(where, texts);
    }

    // The window's menu bar titles and the controls it shows share the Alt
    // letters; each of its menus has its own.
    void checkWindow(const QString& where, QWidget* window) {
        m_windows << where;
        QStringList texts;
        for (const QMenuBar* bar : window->findChildren<QMenuBar*>()) {
            for (const QAction* action : bar->actions()) {
                texts << action->text();
                if (action->menu() != nullptr)
                    checkMenu(where + QStringLiteral(" > ") + action->text(), action->menu());
            }
        }
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->window() != window || !widget->isVisibleTo(window))
                continue;
            if (const auto* button = qobject_cast<QAbstractButton*>(widget)) {
                texts << button->text();
            } else if (const auto* label = qobject_cast<QLabel*>(widget)) {
                if (label->buddy() != nullptr)
                    texts << label->text();
            } else if (const auto* box = qobject_cast<QGroupBox*>(widget)) {
                texts << box->title();
            } else if (const auto* tabs = qobject_cast<QTabBar*>(widget)) {
                for (int i = 0; i < tabs->count(); ++i)
                    texts << tabs->tabText(i);
            }
        }
        check(where, texts);
    }

    const QStringList& clashes() const { return m_clashes; }
    const QStringList& windows() const { return m_windows; }

private:
    void check(const QString& where, const QStringList& texts) {
        std::map<char16_t, QString> taken;
        for (const QString& text : texts) {
            const QChar letter = mnemonicOf(text);
            if (letter.isNull())
                continue;
            const auto [at, isNew] = taken.emplace(letter.unicode(), text);
            if (!isNew)
                m_clashes << QStringLiteral("%1, %2: \"%3\" and \"%4\"")
                                 .arg(m_language, where, at->second, text);
        }
    }

    QString m_language;
    QStringList m_clashes;
    QStringList m_windows;
};

// The chart-in-time screens the Chart menu opens, which are not modal.
void checkChartInTimeScreens(ClashFinder& finder, MainWindow* window) {
    for (const char* entry : {"mnuProgressions", "mnuSolarReturn", "mnuLunarReturn"}) {
        auto* action = window->findChild<QAction*>(QLatin1String(entry));
        ASSERT_NE(action, nullptr) << entry;
        action->trigger();
        for (QWidget* top : QApplication::topLevelWidgets()) {
            if (auto* screen = qobject_cast<ChartInTimeScreen*>(top)) {
                finder.checkWindow(QLatin1String(entry), screen);
                screen->close();
                delete screen;
            }
        }
    }
}

TEST(Accelerators, NoTwoEntriesOfAMenuOrWindowShareALetterInAnyLanguage) {
    ChartWheel::initResources();
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    QStringList clashes;
    for (std::size_t i = 0; i < kLanguageCount; ++i) {
        const Language language = languageAt(i);
        installLanguage(language);
        const std::string_view code = languageCode(language);
        ClashFinder finder(QString::fromLatin1(code.data(), qsizetype(code.size())));
        AppController controller;
        controller.setLibraryPath(folder.filePath(QStringLiteral("charts.sqlite")));
        controller.setQuitHandler([] {});
        controller.setModalRunner([&finder](QDialog& dialog) {
            finder.checkWindow(QString::fromLatin1(dialog.metaObject()->className()), &dialog);
        });
        controller.start();
        BirthDetailsScreen* details = controller.birthDetailsScreen();
        finder.checkWindow(QStringLiteral("birth details"), details);
        details->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ADA"));
        details->findChild<QLineEdit*>(QStringLiteral("txtMCity"))->setText(QStringLiteral("Pune"));
        details->findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
        MainWindow* main = controller.mainWindow();
        ASSERT_NE(main, nullptr);
        finder.checkWindow(QStringLiteral("chart"), main);
        // Chart Settings, Open Chart, About and the print screen.
        for (const char* entry : {"mnuChartSettings", "mnuOpenChart", "mnuAbout"})
            main->findChild<QAction*>(QLatin1String(entry))->trigger();
        main->findChild<QPushButton*>(QStringLiteral("Command1"))->click();
        checkChartInTimeScreens(finder, main);
        PictureSizeDialog size(800);
        finder.checkWindow(QStringLiteral("picture size"), &size);
        clashes << finder.clashes();
        EXPECT_EQ(finder.windows().size(), 10)
            << finder.windows().join(QLatin1Char(',')).toStdString();
    }
    installLanguage(Language::English);
    EXPECT_TRUE(clashes.isEmpty()) << clashes.join(QLatin1Char('\n')).toStdString();
}

} // namespace
} // namespace orbenza
