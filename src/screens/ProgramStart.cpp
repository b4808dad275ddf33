#include "ProgramStart.h"

#include "AppController.h"
#include "ChartWheel.h"
#include "SingleInstance.h"
#include "UserMessages.h"
#include "base/Version.h"

#include <QApplication>

namespace orbenza {

void prepareApplication(QApplication& application) {
    QApplication::setOrganizationName(QStringLiteral("Orbenza"));
    QApplication::setApplicationName(QStringLiteral("Orbenza"));
    QApplication::setApplicationVersion(
        QString::fromLatin1(kVersion.data(), static_cast<qsizetype>(kVersion.size())));
    ChartWheel::initResources();
    applyProgramLook(application);
}

int runProgram(const QStringList& arguments) {
    SingleInstance instance;
    if (!instance.tryAcquire()) {
        showUserMessage(nullptr, alreadyRunningText(), MessageIcon::Information);
        return 0;
    }

    AppController controller;
    const qsizetype library = arguments.indexOf(QStringLiteral("--library"));
    if (library > 0 && library + 1 < arguments.size())
        controller.setLibraryPath(arguments.at(library + 1));
    controller.start();
    return QApplication::exec();
}

} // namespace orbenza
