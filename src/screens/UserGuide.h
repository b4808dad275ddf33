// The user guide installed with the program, shown in a window of its own:
// it is read from disk and needs no web browser.
#pragma once

#include <QString>
#include <QStringList>

class QTextBrowser;
class QWidget;

namespace orbenza {

// Where the guide is looked for, in order: beside the running program
// (<prefix>/bin/orbenza -> <prefix>/share/doc/orbenza), the install prefix
// it was built for, and the source tree it was built from.
QStringList userGuideSearchPaths();
// The first of them that can be read; empty when none can.
QString userGuidePath();

// "Help > User Guide": shows the guide with its pictures in one window,
// raised again when it is open already. When the guide cannot be found, says
// where it was looked for and returns nullptr.
QTextBrowser* showUserGuide(QWidget* parent);

} // namespace orbenza
