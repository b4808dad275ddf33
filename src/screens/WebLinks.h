// The web pages the menus and link labels open, and the one gate every
// opened address passes: only web addresses ever reach the browser.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

namespace orbenza {

// The three pages, set at configure time (ORBENZA_HOME_PAGE and friends).
QString homePageAddress();
QString helpPageAddress();
QString downloadPageAddress();

// Open the page in the default browser without waiting for it.
void OpenHelpPage();
void OpenHomePage();
void OpenDownloadPage();

// The web address a link text stands for: "http://..." and "https://..." as
// they are, "www...." as "http://www....". Anything else (a local path, a
// program, "file:", "mailto:", any other scheme) gives an invalid QUrl.
// Texts longer than kMaxLinkLength characters are refused too.
inline constexpr int kMaxLinkLength = 1024;
QUrl webAddressOf(const QString& linkText);

// Opens linkText in the browser when it is a web address; returns whether it
// was handed on. Nothing else is ever opened.
bool openWebLink(const QString& linkText);

// A web search of the query text, URL-encoded, on a search page that shows
// coordinates.
QUrl coordinatesSearchAddress(const QString& query);

using UrlOpener = std::function<void(const QUrl&)>;
// Replaces what opens addresses (nullptr restores QDesktopServices); tests
// record instead of starting a browser. Returns the previous opener.
UrlOpener setUrlOpener(UrlOpener opener);
// Hands url to the current opener.
void openUrl(const QUrl& url);

} // namespace orbenza
