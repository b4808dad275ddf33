// The windowed program: one copy per user, then the birth details screen.
#include "ProgramStart.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    orbenza::prepareApplication(application);
    return orbenza::runProgram(QApplication::arguments());
}
