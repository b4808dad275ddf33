#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

namespace orbenza {

// The one way the screens write a file: the report copy, the chart picture and
// the PDF report all go through it.
class FileSaving {
    Q_DECLARE_TR_FUNCTIONS(FileSaving)

public:
    // Writes bytes to fileName in one step. QSaveFile writes a temporary file
    // beside the target and renames it into place only when everything was
    // written, so a failure never leaves a half-written file nor touches the
    // file that was there; a file that was there keeps its permissions.
    // Returns the reason of a failure, empty on success.
    static QString writeAtomically(const QString& fileName, const QByteArray& bytes);

    // The reason given when the disk took fewer bytes than were written.
    static QString incompleteWrite();

    // The file name a save dialog offers: the person's name without the
    // characters file systems refuse, what the file holds and the extension
    // ("ANNA report.pdf"); "Orbenza report.pdf" without a name.
    static QString suggestedFileName(const QString& name, const QString& what,
                                     const QString& suffix);
};

} // namespace orbenza
