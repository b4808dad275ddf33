// The windowed program as the start-up tests run it: the same start-up as
// orbenza itself, with its messages written to the error stream instead of a
// modal box that nobody would dismiss.
#include "ProgramStart.h"
#include "UserMessages.h"

#include <QApplication>
#include <cstdio>

namespace {

void printMessage(QWidget*, const QString& text, orbenza::MessageIcon icon) {
    const char* kind = icon == orbenza::MessageIcon::Error ? "error" : "information";
    std::fprintf(stderr, "%s: %s\n", kind, text.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    orbenza::prepareApplication(application);
    orbenza::setMessagePresenter(printMessage);
    return orbenza::runProgram(QApplication::arguments());
}
