// The report box: the coloured report runs, and its web links, which open only
// web addresses and only on a left press.
#include "ReportBox.h"

#include "ReportScreensTestSupport.h"
#include "report/HouseReport.h"

#include <QApplication>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextDocumentFragment>
#include <memory>

namespace orbenza {
namespace {

using testing::pointOfCharacter;
using testing::positionOf;
using testing::RecordedUrls;

// A shown box, wide enough that the test lines do not wrap.
std::unique_ptr<ReportBox> shownBox() {
    auto box = std::make_unique<ReportBox>();
    box->resize(900, 400);
    box->show();
    return box;
}

void pressAt(ReportBox& box, int position, Qt::MouseButton button) {
    QTest::mousePress(box.viewport(), button, {}, pointOfCharacter(box, position));
    QTest::mouseRelease(box.viewport(), button, {}, pointOfCharacter(box, position));
}

// ---------------------------------------------------------------------------------
// The report runs.

TEST(ReportBoxReport, RunsKeepTheirColourAndHeadingAndTheTextIsTheReport) {
    ChartPositions positions{"24 Gem 12", "10 Tau 05", "05 Gem 40", "20 Tau 01",
                             "03 Can 17", "14 Aqu 55", "22 Sco 09", "14 Sag 30",
                             "01 Cap 50", "02 Sco 18", "22 Lib 39"};
    const std::vector<ReportRun> runs = houseReport(positions);
    ASSERT_FALSE(runs.empty());
    ReportBox box;
    box.showReport(runs);

    EXPECT_EQ(box.plainTextWithCrLf().toStdString(), reportPlainText(runs));

    // Walk the document's fragments alongside the runs' characters: every
    // character must carry the format of the run it came from.
    std::vector<const ReportRun*> runOfCharacter;
    QString expectedText;
    for (const ReportRun& run : runs) {
        QString text = QString::fromUtf8(run.text.data(), static_cast<qsizetype>(run.text.size()));
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        for (qsizetype i = 0; i < text.size(); ++i)
            runOfCharacter.push_back(&run);
        expectedText += text;
    }
    ASSERT_EQ(box.toPlainText().size(), expectedText.size());

    int checked = 0;
    for (QTextBlock block = box.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            for (int i = 0; i < fragment.length(); ++i) {
                const int at = fragment.position() + i;
                const ReportRun& run = *runOfCharacter[static_cast<std::size_t>(at)];
                const QTextCharFormat format = fragment.charFormat();
                const QColor expected(run.color.r, run.color.g, run.color.b);
                ASSERT_EQ(format.foreground().color(), expected)
                    << "character " << at << " of run \"" << run.text.substr(0, 40) << "\"";
                ASSERT_EQ(format.fontWeight() >= QFont::Bold, run.heading)
                    << "character " << at << " of run \"" << run.text.substr(0, 40) << "\"";
                ++checked;
            }
        }
    }
    EXPECT_GT(checked, 1000);

    // All three colours of the report occur.
    bool darkRed = false, blue = false, black = false;
    for (const ReportRun& run : runs) {
        darkRed |= run.color == kReportDarkRed;
        blue |= run.color == kReportBlue;
        black |= run.color == kReportBlack;
    }
    EXPECT_TRUE(darkRed && blue && black);
}

TEST(ReportBoxReport, ShowingAReportReplacesThePreviousOne) {
    ReportBox box;
    box.appendPlainText(QStringLiteral("left over\r\n"));
    const std::vector<ReportRun> runs{{"Heading\r\n", true, kReportBlue},
                                      {"Body.\r\n\r\n", false, kReportBlack}};
    box.showReport(runs);
    EXPECT_EQ(box.plainTextWithCrLf(), QStringLiteral("Heading\r\nBody.\r\n\r\n"));
}

TEST(ReportBoxReport, EveryKindOfLineBreakIsOneLineBreak) {
    ReportBox box;
    box.appendPlainText(QStringLiteral("a\r\nb\nc\rd"));
    EXPECT_EQ(box.plainTextWithCrLf(), QStringLiteral("a\r\nb\r\nc\r\nd"));
    EXPECT_EQ(box.document()->blockCount(), 4);
}

TEST(ReportBoxReport, PageIsWhiteWithBlackTextInADarkTheme) {
    const QPalette previous = QApplication::palette();
    QPalette dark = previous;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(230, 230, 230));
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    QApplication::setPalette(dark);
    {
        ReportBox box;
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            EXPECT_EQ(box.palette().color(group, QPalette::Base), QColor(Qt::white));
            EXPECT_EQ(box.palette().color(group, QPalette::Text), QColor(Qt::black));
        }
    }
    QApplication::setPalette(previous);
}

TEST(ReportBoxReport, TextCanBeSelectedButNotEdited) {
    ReportBox box;
    box.appendPlainText(QStringLiteral("Sun in the first house"));
    EXPECT_TRUE(box.isReadOnly());
    const Qt::TextInteractionFlags flags = box.textInteractionFlags();
    EXPECT_TRUE(flags & Qt::TextSelectableByMouse);
    EXPECT_TRUE(flags & Qt::TextSelectableByKeyboard);
    EXPECT_TRUE(flags & Qt::LinksAccessibleByMouse);
    EXPECT_FALSE(flags & Qt::TextEditable);
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("xyz"));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("Sun in the first house"));
}

// ---------------------------------------------------------------------------------
// Which texts become links.

TEST(ReportBoxLinks, WebAddressesInTheTextBecomeLinks) {
    struct Row {
        const char* text;    // inserted
        const char* address; // the link's address; nullptr: no link
    };
    const Row rows[] = {
        {"See http://example.org/a?b=c for more", "http://example.org/a?b=c"},
        {"See https://example.org/x.", "https://example.org/x"},
        {"(www.example.org/help)", "www.example.org/help"},
        {"Visit WWW.Example.org, then", "WWW.Example.org"},
        {"https://en.example.org/wiki/Leo_(astrology) here",
         "https://en.example.org/wiki/Leo_(astrology)"},
        {"file:///etc/passwd", nullptr},
        {"/usr/bin/xterm", nullptr},
        {"javascript:alert(1)", nullptr},
        {"mailto:x@y", nullptr},
        {"ftp://example.org/file", nullptr},
        {"plain words only", nullptr},
        {"x@www.example.org", nullptr},
    };
    for (const Row& row : rows) {
        ReportBox box;
        box.enableLinks();
        box.appendPlainText(QString::fromUtf8(row.text));
        QStringList links;
        QString linkedText;
        for (auto it = box.document()->begin().begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (format.isAnchor()) {
                links << format.anchorHref();
                linkedText += it.fragment().text();
                EXPECT_TRUE(format.fontUnderline()) << row.text;
            }
        }
        if (row.address == nullptr) {
            EXPECT_TRUE(links.isEmpty())
                << "text: " << row.text
                << "\nlinks: " << links.join(QLatin1Char(' ')).toStdString();
        } else {
            ASSERT_EQ(links.size(), 1) << "text: " << row.text;
            EXPECT_EQ(links.front().toStdString(), row.address) << "text: " << row.text;
            EXPECT_EQ(linkedText.toStdString(), row.address) << "text: " << row.text;
        }
    }
}

TEST(ReportBoxLinks, AnAddressSplitOverTwoInsertionsIsOneLink) {
    ReportBox box;
    box.enableLinks();
    QTextCharFormat bold;
    bold.setFontWeight(QFont::Bold);
    box.appendText(QStringLiteral("Go to https://exam"), bold);
    box.appendPlainText(QStringLiteral("ple.org/page now"));
    QStringList hrefs;
    for (auto it = box.document()->begin().begin(); !it.atEnd(); ++it)
        if (it.fragment().charFormat().isAnchor())
            hrefs << it.fragment().charFormat().anchorHref();
    ASSERT_FALSE(hrefs.isEmpty());
    for (const QString& href : hrefs)
        EXPECT_EQ(href, QStringLiteral("https://example.org/page"));
}

TEST(ReportBoxLinks, EnablingLinksMarksTextAlreadyThereAndDisablingRestoresIt) {
    ReportBox box;
    QTextCharFormat red;
    red.setForeground(QColor(128, 0, 0));
    box.appendText(QStringLiteral("Report by www.example.org today"), red);
    const int at = positionOf(box, QStringLiteral("www."));
    auto formatAt = [&box](int position) {
        QTextCursor cursor(box.document());
        cursor.setPosition(position + 1);
        return cursor.charFormat();
    };
    EXPECT_FALSE(formatAt(at).isAnchor());

    box.enableLinks();
    EXPECT_TRUE(formatAt(at).isAnchor());
    EXPECT_EQ(formatAt(at).anchorHref(), QStringLiteral("www.example.org"));

    box.disableLinks();
    const QTextCharFormat restored = formatAt(at);
    EXPECT_FALSE(restored.isAnchor());
    EXPECT_FALSE(restored.fontUnderline());
    EXPECT_EQ(restored.foreground().color(), QColor(128, 0, 0));
    EXPECT_EQ(box.toPlainText(), QStringLiteral("Report by www.example.org today"));
}

TEST(ReportBoxLinks, AnAddressLongerThanALinkMayBeIsNoLink) {
    ReportBox box;
    box.enableLinks();
    const QString longAddress =
        QStringLiteral("https://example.org/") + QString(2000, QLatin1Char('a'));
    box.appendPlainText(longAddress);
    for (auto it = box.document()->begin().begin(); !it.atEnd(); ++it)
        EXPECT_FALSE(it.fragment().charFormat().isAnchor());
}

// ---------------------------------------------------------------------------------
// What a press on a link does.

TEST(ReportBoxLinks, LeftPressOpensTheLinkOnce) {
    RecordedUrls opened;
    auto box = shownBox();
    box->enableLinks();
    box->appendPlainText(QStringLiteral("Read more at https://example.org/houses today"));
    const int at = positionOf(*box, QStringLiteral("example"));
    ASSERT_FALSE(box->linkAt(pointOfCharacter(*box, at)).isEmpty());

    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, pointOfCharacter(*box, at));
    ASSERT_EQ(opened.urls().size(), 1u);
    EXPECT_EQ(opened.urls().front(), QUrl(QStringLiteral("https://example.org/houses")));

    // A "www." address opens as a web page.
    box->appendPlainText(QStringLiteral("\nor www.example.org/more"));
    pressAt(*box, positionOf(*box, QStringLiteral("www.")) + 2, Qt::LeftButton);
    ASSERT_EQ(opened.urls().size(), 2u);
    EXPECT_EQ(opened.urls().back(), QUrl(QStringLiteral("http://www.example.org/more")));
}

TEST(ReportBoxLinks, RightPressMouseMoveAndPlainTextOpenNothing) {
    RecordedUrls opened;
    auto box = shownBox();
    box->enableLinks();
    box->appendPlainText(QStringLiteral("Read more at https://example.org/houses today"));
    const int link = positionOf(*box, QStringLiteral("example"));

    pressAt(*box, link, Qt::RightButton);
    pressAt(*box, link, Qt::MiddleButton);
    QTest::mouseMove(box->viewport(), pointOfCharacter(*box, link));
    QTest::mouseMove(box->viewport(), pointOfCharacter(*box, link + 3));
    pressAt(*box, positionOf(*box, QStringLiteral("today")), Qt::LeftButton);
    EXPECT_TRUE(opened.urls().empty());
}

TEST(ReportBoxLinks, AnchorsThatAreNoWebAddressOpenNothing) {
    // Even a link that reached the box some other way than as detected text may
    // open only a web address.
    RecordedUrls opened;
    const QString refused[] = {
        QStringLiteral("file:///etc/passwd"),
        QStringLiteral("/usr/bin/xterm"),
        QStringLiteral("javascript:alert(1)"),
        QStringLiteral("mailto:x@y"),
        QStringLiteral("C:\\Windows\\notepad.exe"),
        QStringLiteral("https://example.org/") + QString(2000, QLatin1Char('b')),
    };
    for (const QString& href : refused) {
        auto box = shownBox();
        box->enableLinks();
        QTextCharFormat anchor;
        anchor.setAnchor(true);
        anchor.setAnchorHref(href);
        box->appendText(QStringLiteral("click here"), anchor);
        const QPoint point = pointOfCharacter(*box, 3);
        ASSERT_EQ(box->linkAt(point), href);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, point);
        EXPECT_TRUE(opened.urls().empty())
            << "href of " << href.size() << " characters: " << href.left(60).toStdString();
    }
}

TEST(ReportBoxLinks, DisabledLinksOpenNothing) {
    RecordedUrls opened;
    auto box = shownBox();
    box->enableLinks();
    box->appendPlainText(QStringLiteral("https://example.org/houses"));
    box->disableLinks();
    QTextCharFormat anchor;
    anchor.setAnchor(true);
    anchor.setAnchorHref(QStringLiteral("https://example.org/other"));
    box->appendText(QStringLiteral(" other"), anchor);
    pressAt(*box, 3, Qt::LeftButton);
    pressAt(*box, positionOf(*box, QStringLiteral("other")) + 1, Qt::LeftButton);
    EXPECT_TRUE(opened.urls().empty());
}

TEST(ReportBoxLinks, TwoBoxesKeepTheirOwnLinkHandling) {
    RecordedUrls opened;
    auto first = shownBox();
    first->enableLinks();
    first->appendPlainText(QStringLiteral("https://example.org/first"));
    {
        auto second = shownBox();
        second->enableLinks();
        second->appendPlainText(QStringLiteral("https://example.org/second"));
        pressAt(*second, 10, Qt::LeftButton);
        second->disableLinks();
    }
    pressAt(*first, 10, Qt::LeftButton);
    ASSERT_EQ(opened.urls().size(), 2u);
    EXPECT_EQ(opened.urls()[0], QUrl(QStringLiteral("https://example.org/second")));
    EXPECT_EQ(opened.urls()[1], QUrl(QStringLiteral("https://example.org/first")));
}

// ---------------------------------------------------------------------------------
// The link label.

TEST(LinkLabel, ALeftClickOrSpaceClicksItARightClickDoesNot) {
    LinkLabel label(QStringLiteral("Visit us"));
    label.show();
    QSignalSpy clicks(&label, &LinkLabel::clicked);
    QTest::mouseClick(&label, Qt::LeftButton);
    QTest::mouseClick(&label, Qt::LeftButton);
    EXPECT_EQ(clicks.count(), 2);
    QTest::mouseClick(&label, Qt::RightButton);
    EXPECT_EQ(clicks.count(), 2);
    QTest::keyClick(&label, Qt::Key_Space);
    EXPECT_EQ(clicks.count(), 3);
    // A press that leaves the label before the release is no click.
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(2, 2));
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(-20, -20));
    EXPECT_EQ(clicks.count(), 3);
}

} // namespace
} // namespace orbenza
