// The web pages the menus and link labels open, and the one gate every
// opened address passes: only web addresses ever reach the browser.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace orbenza {

// The three pages, set at configure time (ORBENZA_HOME_PAGE and friends).
QString homePageAddress();
QString helpPageAddress();
QString downloadPageAddress();

// Open the page in the default browser without waiting for it.
void openHelpPage();
void openHomePage();
void openDownloadPage();

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

// Opens an address; says whether a browser took it.
using UrlOpener = std::function<bool(const QUrl&)>;
// Replaces what opens addresses (nullptr restores QDesktopServices); tests
// record instead of starting a browser. Returns the previous opener.
UrlOpener setUrlOpener(UrlOpener opener);
// Hands url to the current opener; false when no browser could be started.
bool openUrl(const QUrl& url);
// Opens url, or when no browser can be started says so over parent in a
// message that names the address, so it can be opened by hand.
void openUrlOrSay(QWidget* parent, const QUrl& url);

} // namespace orbenza
