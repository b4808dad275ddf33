#include "Languages.h"

#include "UserMessages.h"

#include <QAction>
#include <QActionGroup>
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QMenu>
#include <QMenuBar>
#include <QSettings>
#include <QTranslator>

// The compiled translations are a resource of this static library: it must be
// registered by name, outside any namespace, before the first load.
static void registerTranslations() {
#ifdef ORBENZA_HAS_TRANSLATIONS
    Q_INIT_RESOURCE(translations);
#endif
}

namespace orbenza {
namespace {

QString settingKey() {
    return QStringLiteral("language");
}

QString codeOf(Language language) {
    const std::string_view code = languageCode(language);
    return QString::fromLatin1(code.data(), static_cast<qsizetype>(code.size()));
}

Language g_installed = Language::English;

// The translators installed for the screens and for Qt's own dialogs; they
// live as long as the application.
QTranslator* g_screens = nullptr;
QTranslator* g_qt = nullptr;

void replaceTranslator(QTranslator*& slot, const QString& name, const QString& directory) {
    if (slot != nullptr) {
        QCoreApplication::removeTranslator(slot);
        delete slot;
        slot = nullptr;
    }
    auto* translator = new QTranslator;
    if (translator->load(name, directory) && QCoreApplication::installTranslator(translator))
        slot = translator;
    else
        delete translator;
}

} // namespace

Language preferredLanguage() {
    const QString stored = QSettings().value(settingKey()).toString();
    if (const auto chosen = languageOfCode(stored.toStdString()))
        return *chosen;
    // QLocale::system() reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG on Unix.
    const QStringList uiLanguages = QLocale::system().uiLanguages();
    for (const QString& name : uiLanguages)
        if (const auto language = languageOfLocaleName(name.toStdString()))
            return *language;
    return Language::English;
}

void storeLanguage(Language language) {
    QSettings().setValue(settingKey(), codeOf(language));
}

QLocale localeOf(Language language) {
    switch (language) {
    case Language::English:
        return QLocale(QLocale::English, QLocale::UnitedStates);
    case Language::Hindi:
        return QLocale(QLocale::Hindi, QLocale::India);
    default:
        return QLocale(codeOf(language));
    }
}

bool installLanguage(Language language) {
    static const bool registered = [] {
        registerTranslations();
        return true;
    }();
    Q_UNUSED(registered);
    g_installed = language;
    QLocale::setDefault(localeOf(language));
    const QString code = codeOf(language);
    replaceTranslator(g_qt, QStringLiteral("qtbase_") + code,
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (language == Language::English) {
        replaceTranslator(g_screens, QString(), QString()); // none
        return true;
    }
    replaceTranslator(g_screens, QStringLiteral("orbenza_") + code, QStringLiteral(":/i18n"));
    return g_screens != nullptr;
}

Language screenLanguage() {
    return g_installed;
}

void addViewMenu(QMenuBar* menuBar) {
    QMenu* view = menuBar->addMenu(QCoreApplication::translate("orbenza::Languages", "&View"));
    view->setObjectName(QStringLiteral("mnuView"));
    QMenu* languages =
        view->addMenu(QCoreApplication::translate("orbenza::Languages", "&Language"));
    languages->setObjectName(QStringLiteral("mnuLanguage"));
    auto* group = new QActionGroup(languages);
    for (std::size_t i = 0; i < kLanguageCount; ++i) {
        const Language language = languageAt(i);
        const std::string_view name = languageNativeName(language);
        QAction* action = languages->addAction(
            QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
        action->setObjectName(QStringLiteral("mnuLanguage_") + codeOf(language));
        action->setCheckable(true);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menuBar, [menuBar, language] {
            if (language == screenLanguage())
                return;
            storeLanguage(language);
            installLanguage(language);
            showUserMessage(menuBar->window(),
                            QCoreApplication::translate(
                                "orbenza::Languages",
                                "The next chart is written in the new language; the menus and "
                                "screens follow when Orbenza starts again."),
                            MessageIcon::Information);
        });
    }
    // Another window's menu may have changed the language since.
    const auto checkCurrent = [languages] {
        for (QAction* action : languages->actions())
            action->setChecked(action->objectName() ==
                               QStringLiteral("mnuLanguage_") + codeOf(screenLanguage()));
    };
    checkCurrent();
    QObject::connect(languages, &QMenu::aboutToShow, languages, checkCurrent);
}

} // namespace orbenza
