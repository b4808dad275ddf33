// Start-up of the windowed program, shared by main() and whatever else starts
// the same program.
#pragma once

#include <QStringList>

class QApplication;

namespace orbenza {

// The application's names, its look and its compiled-in pictures, before any window.
void prepareApplication(QApplication& application);

// One copy per user, then the birth details screen; returns the exit code.
// --library FILE opens that chart library instead of the default one.
int runProgram(const QStringList& arguments);

} // namespace orbenza
