#include "UserGuide.h"

#include "UserMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>
#include <QUrl>

namespace orbenza {

namespace {

class UserGuideText {
    Q_DECLARE_TR_FUNCTIONS(UserGuide)
};

constexpr auto kGuideFile = "user-guide.md";

} // namespace

QStringList userGuideSearchPaths() {
    QStringList paths;
    const QDir programDir(QCoreApplication::applicationDirPath());
    paths << QDir::cleanPath(programDir.filePath(QStringLiteral("../share/doc/orbenza/")) +
                             QLatin1Char('/') + QLatin1String(kGuideFile));
#ifdef ORBENZA_INSTALL_DOCDIR
    paths << QStringLiteral(ORBENZA_INSTALL_DOCDIR "/") + QLatin1String(kGuideFile);
#endif
#ifdef ORBENZA_SOURCE_DOCDIR
    paths << QStringLiteral(ORBENZA_SOURCE_DOCDIR "/") + QLatin1String(kGuideFile);
#endif
    paths.removeDuplicates();
    return paths;
}

QString userGuidePath() {
    for (const QString& path : userGuideSearchPaths())
        if (QFileInfo(path).isReadable())
            return path;
    return {};
}

QTextBrowser* showUserGuide(QWidget* parent) {
    static QPointer<QTextBrowser> shown;
    if (shown) {
        shown->show();
        shown->raise();
        shown->activateWindow();
        return shown;
    }
    const QString path = userGuidePath();
    if (path.isEmpty()) {
        showUserMessage(parent,
                        UserGuideText::tr("The user guide could not be found. It was looked for "
                                          "in:\n%1")
                            .arg(userGuideSearchPaths().join(QLatin1Char('\n'))),
                        MessageIcon::Error);
        return nullptr;
    }
    // A window of its own, which outlives the screen that opened it.
    auto* guide = new QTextBrowser;
    guide->setAttribute(Qt::WA_DeleteOnClose);
    guide->setObjectName(QStringLiteral("frmUserGuide"));
    guide->setWindowTitle(UserGuideText::tr("Orbenza User Guide"));
    guide->setOpenExternalLinks(true);
    // The pictures are found beside the guide, as its links name them.
    guide->setSource(QUrl::fromLocalFile(path), QTextDocument::MarkdownResource);
    guide->resize(900, 700);
    guide->show();
    shown = guide;
    return guide;
}

} // namespace orbenza
