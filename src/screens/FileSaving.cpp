#include "FileSaving.h"

#include <QRegularExpression>
#include <QSaveFile>

namespace orbenza {

QString FileSaving::suggestedFileName(const QString& name, const QString& what,
                                      const QString& suffix) {
    QString base = name;
    base.remove(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])")));
    base = base.simplified();
    if (base.isEmpty())
        base = QStringLiteral("Orbenza");
    return base + QLatin1Char(' ') + what + QLatin1Char('.') + suffix;
}

QString FileSaving::incompleteWrite() {
    return tr("The file could not be written completely; the disk may be full.");
}

QString FileSaving::writeAtomically(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else if (file.write(bytes) != bytes.size() || !file.flush()) {
        // The buffered part is written by the flush; a failure there must stop
        // the commit too, or the short temporary file would replace the target.
        // The file's own reason can be empty here (a size limit reached), so
        // say what happened.
        reason = file.errorString();
        if (reason.isEmpty() || reason == QLatin1String("Unknown error"))
            reason = incompleteWrite();
        file.cancelWriting();
        file.commit();
    } else if (!file.commit()) {
        reason = file.errorString();
    } else {
        return {};
    }
    return reason.isEmpty() ? tr("Unknown error") : reason;
}

} // namespace orbenza
