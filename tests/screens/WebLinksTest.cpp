// The gate every opened address passes, and the coordinates search address.
#include "WebLinks.h"

#include <QUrlQuery>
#include <gtest/gtest.h>
#include <vector>

namespace orbenza {
namespace {

class RecordedUrls {
public:
    RecordedUrls() {
        m_previous = setUrlOpener([this](const QUrl& url) {
            m_urls.push_back(url);
            return true;
        });
    }
    ~RecordedUrls() { setUrlOpener(m_previous); }
    const std::vector<QUrl>& urls() const { return m_urls; }

private:
    std::vector<QUrl> m_urls;
    UrlOpener m_previous;
};

TEST(WebLinks, OnlyWebAddressesAreOpened) {
    struct Row {
        const char* text;
        const char* opened; // nullptr: nothing may open
    };
    const Row rows[] = {
        {"http://example.org/a?b=c", "http://example.org/a?b=c"},
        {"https://example.org", "https://example.org"},
        {"HTTPS://Example.org/x", "https://example.org/x"},
        {"www.example.org/help", "http://www.example.org/help"},
        {"  www.example.org  ", "http://www.example.org"},
        {"file:///etc/passwd", nullptr},
        {"/usr/bin/xterm", nullptr},
        {"C:\\Windows\\system32\\calc.exe", nullptr},
        {"javascript:alert(1)", nullptr},
        {"mailto:someone@example.org", nullptr},
        {"ftp://example.org/file", nullptr},
        {"xterm -e sh", nullptr},
        {"http://", nullptr},
        {"", nullptr},
    };
    for (const auto& row : rows) {
        RecordedUrls recorded;
        const bool opened = openWebLink(QString::fromUtf8(row.text));
        if (row.opened) {
            EXPECT_TRUE(opened) << row.text;
            ASSERT_EQ(recorded.urls().size(), 1u) << row.text;
            EXPECT_EQ(recorded.urls()[0].toString().toStdString(), row.opened) << row.text;
        } else {
            EXPECT_FALSE(opened) << row.text;
            EXPECT_TRUE(recorded.urls().empty()) << row.text;
        }
    }
}

TEST(WebLinks, ALinkLongerThanTheLimitIsRefused) {
    RecordedUrls recorded;
    const QString longest =
        QStringLiteral("http://example.org/") + QString(kMaxLinkLength - 19, QLatin1Char('a'));
    ASSERT_EQ(longest.size(), kMaxLinkLength);
    EXPECT_TRUE(openWebLink(longest));
    EXPECT_FALSE(openWebLink(longest + QLatin1Char('a')));
    EXPECT_FALSE(
        openWebLink(QStringLiteral("http://example.org/") + QString(100000, QLatin1Char('b'))));
    EXPECT_EQ(recorded.urls().size(), 1u);
}

TEST(WebLinks, ThePagesOpenTheirConfiguredAddresses) {
    RecordedUrls recorded;
    openHelpPage();
    openHomePage();
    openDownloadPage();
    ASSERT_EQ(recorded.urls().size(), 3u);
    EXPECT_EQ(recorded.urls()[0], QUrl(helpPageAddress()));
    EXPECT_EQ(recorded.urls()[1], QUrl(homePageAddress()));
    EXPECT_EQ(recorded.urls()[2], QUrl(downloadPageAddress()));
    EXPECT_TRUE(webAddressOf(homePageAddress()).isValid());
}

TEST(WebLinks, CoordinatesSearchEncodesTheQuery) {
    const QUrl url = coordinatesSearchAddress(
        QStringLiteral("S\u00e3o Paulo SP Brazil & Co #1 Latitude Longitude"));
    ASSERT_TRUE(url.isValid());
    EXPECT_EQ(url.host().toStdString(), "www.openstreetmap.org");
    const QString encoded = url.toString(QUrl::FullyEncoded);
    EXPECT_TRUE(encoded.contains(QLatin1String("S%C3%A3o%20Paulo"))) << encoded.toStdString();
    EXPECT_TRUE(encoded.contains(QLatin1String("%26%20Co%20%231"))) << encoded.toStdString();
    // The query survives a round trip through the address.
    EXPECT_EQ(QUrlQuery(url).queryItemValue(QStringLiteral("query"), QUrl::FullyDecoded),
              QStringLiteral("S\u00e3o Paulo SP Brazil & Co #1 Latitude Longitude"));
}

} // namespace
} // namespace orbenza
