#include "WebLinks.h"

#include "Hook.h"

#include <QDesktopServices>
#include <QUrlQuery>

namespace orbenza {

namespace {

void openWithDesktop(const QUrl& url) {
    // QDesktopServices hands the address to the desktop's browser and returns
    // at once; a missing browser is not reported.
    QDesktopServices::openUrl(url);
}

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

void OpenHelpPage() {
    openUrl(QUrl(helpPageAddress()));
}
void OpenHomePage() {
    openUrl(QUrl(homePageAddress()));
}
void OpenDownloadPage() {
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

void openUrl(const QUrl& url) {
    opener()(url);
}

} // namespace orbenza
