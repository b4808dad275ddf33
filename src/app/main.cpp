// Start-up: one copy per user, then the birth details screen.
#include "AppController.h"
#include "ChartWheel.h"
#include "Languages.h"
#include "SingleInstance.h"
#include "UserMessages.h"
#include "base/Version.h"

#include <QApplication>
#include <cstdio>

namespace {

// For scripted runs (the start-up tests): messages go to the error stream
// instead of a modal box that nobody would dismiss.
void printMessage(QWidget*, const QString& text, orbenza::MessageIcon icon) {
    const char* kind = icon == orbenza::MessageIcon::Error ? "error" : "information";
    std::fprintf(stderr, "%s: %s\n", kind, text.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Orbenza"));
    QApplication::setApplicationName(QStringLiteral("Orbenza"));
    QApplication::setApplicationVersion(QString::fromLatin1(
        orbenza::kVersion.data(), static_cast<qsizetype>(orbenza::kVersion.size())));
    orbenza::ChartWheel::initResources();
    orbenza::installLanguage(orbenza::preferredLanguage());
    orbenza::applyProgramLook(application);

    if (qEnvironmentVariableIsSet("ORBENZA_TEST_MESSAGES_TO_STDERR"))
        orbenza::setMessagePresenter(printMessage);

    orbenza::SingleInstance instance;
    if (!instance.tryAcquire()) {
        orbenza::showUserMessage(nullptr, orbenza::alreadyRunningText(),
                                 orbenza::MessageIcon::Information);
        return 0;
    }

    orbenza::AppController controller;
    // --library FILE: the chart library to use instead of the default one.
    const QStringList arguments = QApplication::arguments();
    const qsizetype library = arguments.indexOf(QStringLiteral("--library"));
    if (library > 0 && library + 1 < arguments.size())
        controller.setLibraryPath(arguments.at(library + 1));
    controller.start();
    return QApplication::exec();
}
