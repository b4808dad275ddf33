#include "WebLinks.h"

#include "Hook.h"
#include "UserMessages.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrlQuery>

namespace orbenza {

namespace {

bool openWithDesktop(const QUrl& url) {
    // QDesktopServices hands the address to the desktop's browser and returns
    // at once, false when no browser could be started.
    return QDesktopServices::openUrl(url);
}

class WebLinkText {
    Q_DECLARE_TR_FUNCTIONS(WebLinks)
};

UrlOpener& opener() {
    static UrlOpener current = openWithDesktop;
    return current;
}

} // namespace

QString homePageAddress() {
    return QStringLiteral(ORBENZA_HOME_PAGE);
}
QString helpPageAddress() {
    return QStringLiteral(ORBENZA_HELP_PAGE);
}
QString downloadPageAddress() {
    return QStringLiteral(ORBENZA_DOWNLOAD_PAGE);
}

void openHelpPage() {
    openUrl(QUrl(helpPageAddress()));
}
void openHomePage() {
    openUrl(QUrl(homePageAddress()));
}
void openDownloadPage() {
    openUrl(QUrl(downloadPageAddress()));
}

QUrl webAddressOf(const QString& linkText) {
    const QString text = linkText.trimmed();
    if (text.isEmpty() || text.size() > kMaxLinkLength)
        return {};
    QString candidate = text;
    if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive))
        candidate = QStringLiteral("http://") + text;
    const QUrl url(candidate, QUrl::StrictMode);
    if (!url.isValid() || url.host().isEmpty())
        return {};
    const QString scheme = url.scheme().toLower();
    if (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        return {};
    return url;
}

bool openWebLink(const QString& linkText) {
    const QUrl url = webAddressOf(linkText);
    if (!url.isValid())
        return false;
    openUrl(url);
    return true;
}

QUrl coordinatesSearchAddress(const QString& query) {
    // OpenStreetMap's search lists places with their coordinates.
    QUrl url(QStringLiteral("https://www.openstreetmap.org/search"));
    QUrlQuery parameters;
    parameters.addQueryItem(QStringLiteral("query"),
                            QString::fromUtf8(QUrl::toPercentEncoding(query)));
    url.setQuery(parameters.query(QUrl::FullyEncoded), QUrl::StrictMode);
    return url;
}

UrlOpener setUrlOpener(UrlOpener next) {
    return replaceHook(opener(), std::move(next), UrlOpener(openWithDesktop));
}

bool openUrl(const QUrl& url) {
    return opener()(url);
}

void openUrlOrSay(QWidget* parent, const QUrl& url) {
    if (openUrl(url))
        return;
    showUserMessage(parent,
                    WebLinkText::tr("No web browser could be opened for %1.")
                        .arg(url.toString(QUrl::FullyEncoded)),
                    MessageIcon::Error);
}

} // namespace orbenza
