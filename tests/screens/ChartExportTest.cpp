// Export from the main window: the wheel as SVG and PNG, the report as PDF with
// its title block, the file names the dialogs' answers give, failures that leave
// nothing behind, and the File menu entries that start them.
#include "ChartExport.h"

#include "AppController.h"
#include "BirthDetailsScreen.h"
#include "ChartScreen.h"
#include "ChartWheel.h"
#include "MainWindow.h"
#include "PictureSizeDialog.h"
#include "ReportBox.h"
#include "ReportScreensTestSupport.h"
#include "ShellRecorders.h"
#include "chart/ChartReport.h"
#include "present/Presentation.h"
#include "report/HouseReport.h"
#include "wheel/DegreeWheel.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextDocument>
#include <QXmlStreamReader>
#include <array>
#include <csignal>
#include <optional>
#include <sys/resource.h>

namespace orbenza {
namespace {

using testing::annaEntries;
using testing::chartOf;
using testing::fileContent;
using testing::FileSizeLimit;
using testing::MessageRecorder;
using testing::runTool;
using testing::writeFile;

// Text with all white space removed, so line wrapping does not matter, and
// ligatures ("fi" drawn as one glyph) spelled out.
QString squeezed(QString text) {
    text = text.normalized(QString::NormalizationForm_KC);
    text.remove(QRegularExpression(QStringLiteral("\\s+")));
    return text;
}

QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Replaces the export's save dialog while it lives: answers with a fixed choice
// and remembers what it was asked and over which window.
class ScriptedExportDialog {
public:
    explicit ScriptedExportDialog(SaveFileChoice answer) : m_answer(std::move(answer)) {
        m_previous =
            setExportFileChooser([this](QWidget* parent, const ExportFileRequest& request) {
                m_requests.push_back(request);
                m_parents.push_back(parent);
                return m_answer;
            });
    }
    ~ScriptedExportDialog() { setExportFileChooser(m_previous); }
    ScriptedExportDialog(const ScriptedExportDialog&) = delete;
    ScriptedExportDialog& operator=(const ScriptedExportDialog&) = delete;
    const std::vector<ExportFileRequest>& requests() const { return m_requests; }
    const std::vector<QWidget*>& parents() const { return m_parents; }

private:
    SaveFileChoice m_answer;
    std::vector<ExportFileRequest> m_requests;
    std::vector<QWidget*> m_parents;
    ExportFileChooser m_previous;
};

// Replaces the picture size dialog while it lives: answers with a fixed width
// (or cancels) and remembers the widths it was offered.
class ScriptedWidthDialog {
public:
    explicit ScriptedWidthDialog(std::optional<int> answer) : m_answer(answer) {
        m_previous = setPictureWidthChooser([this](QWidget*, int suggested, PictureHeightForWidth) {
            m_offered.push_back(suggested);
            return m_answer;
        });
    }
    ~ScriptedWidthDialog() { setPictureWidthChooser(m_previous); }
    ScriptedWidthDialog(const ScriptedWidthDialog&) = delete;
    ScriptedWidthDialog& operator=(const ScriptedWidthDialog&) = delete;
    const std::vector<int>& offered() const { return m_offered; }

private:
    std::optional<int> m_answer;
    std::vector<int> m_offered;
    PictureWidthChooser m_previous;
};

// The stroke colour of each sign picture's glyph, 1 Aries .. 12 Pisces: the
// element colours of fire, earth, air and water in turn.
QColor glyphColour(int picture) {
    static const std::array<QColor, 4> elements{QColor(0xD1, 0x43, 0x2F), QColor(0x3F, 0x8A, 0x3A),
                                                QColor(0xB7, 0x86, 0x0B), QColor(0x2A, 0x66, 0xB0)};
    return elements[static_cast<std::size_t>((picture - 1) % 4)];
}

// Pixels of an area whose colour is within tolerance of the given one in each
// channel.
int pixelsNear(const QImage& image, const QRect& area, const QColor& colour, int tolerance = 24) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor seen = image.pixelColor(x, y);
            if (std::abs(seen.red() - colour.red()) <= tolerance &&
                std::abs(seen.green() - colour.green()) <= tolerance &&
                std::abs(seen.blue() - colour.blue()) <= tolerance)
                ++count;
        }
    return count;
}

// Pixels of two images of the same size that differ by more than a few shades
// in any channel.
int pixelsApart(const QImage& a, const QImage& b, int tolerance = 6) {
    if (a.size() != b.size())
        return a.width() * a.height();
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) > tolerance ||
                std::abs(qGreen(p) - qGreen(q)) > tolerance ||
                std::abs(qBlue(p) - qBlue(q)) > tolerance)
                ++count;
        }
    return count;
}

// An SVG file drawn into an image of the given size.
QImage renderSvg(const QString& path, QSize size) {
    QImage image(size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(path);
    EXPECT_TRUE(renderer.isValid()) << path.toStdString();
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// The wheel rendered directly, as writeChartPng draws it.
QImage renderWheel(const ChartWheel& wheel, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    wheel.render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

// A chart screen showing the known chart at a size like the main window's.
class ChartExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        screen.showChart(chart, QStringLiteral("New Delhi"), QStringLiteral("Delhi"),
                         QStringLiteral("India"));
        // Most exports here are of the sign wheel; the degree wheel's are
        // chosen where they are tested.
        screen.showPicture(ChartScreen::Picture::SignWheel);
        screen.resize(1300, 680);
        screen.show();
        QApplication::processEvents();
    }
    void TearDown() override { QSettings().remove(ChartScreen::pictureSettingKey()); }
    QString path(const QString& name) const { return folder.filePath(name); }
    QStringList filesInFolder() const {
        return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    const ChartWheel& wheel() const { return *screen.wheel(); }
    // The one error shown names the file and, after a blank line, a reason.
    void expectOneErrorNaming(const QString& file) {
        ASSERT_EQ(messages.messages().size(), 1u);
        const QString& text = messages.messages()[0].text;
        EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Error);
        EXPECT_TRUE(text.contains(QDir::toNativeSeparators(file))) << text.toStdString();
        const QString reason = text.section(QStringLiteral("\n\n"), 1).trimmed();
        EXPECT_FALSE(reason.isEmpty()) << text.toStdString();
        EXPECT_NE(reason, QStringLiteral("Unknown error")) << text.toStdString();
    }

    const ChartResult chart = chartOf(annaEntries());
    QTemporaryDir folder;
    MessageRecorder messages;
    ChartScreen screen;
};

// ---------------------------------------------------------------------------------
// The title.

TEST_F(ChartExportTest, TheTitleNamesThePersonTheBirthAndTheComputedMoment) {
    const ChartTitle title = chartTitleOf(screen);
    const ChartPresentation shown = presentChart(chart);
    EXPECT_EQ(title.name, QStringLiteral("ANNA"));
    EXPECT_EQ(title.birthDetails,
              QStringLiteral("Born 15 June 1985 at 14:30 local time in New Delhi, Delhi, India"));
    EXPECT_EQ(title.coordinates, QStringLiteral("Latitude %1, longitude %2")
                                     .arg(fromUtf8(shown.latitude), fromUtf8(shown.longitude)));
    EXPECT_TRUE(title.coordinates.contains(QStringLiteral("28° 39' N")))
        << title.coordinates.toStdString();
    EXPECT_EQ(title.computedFor, fromUtf8(computedForLine(chart)));
    EXPECT_TRUE(title.computedFor.startsWith(QStringLiteral("Computed for 15 Jun 1985 09:00 UT")))
        << title.computedFor.toStdString();
    EXPECT_TRUE(
        title.birthTimeWindow.startsWith(QStringLiteral("Ascendant Libra for births from ")))
        << title.birthTimeWindow.toStdString();

    // Empty parts of the place are left out; no place, no "in".
    ChartScreen other;
    other.showChart(chart, QStringLiteral("Pune"), QStringLiteral("  "), QStringLiteral("India"));
    EXPECT_TRUE(chartTitleOf(other).birthDetails.endsWith(QStringLiteral(" in Pune, India")));
    EXPECT_EQ(chartTitleOf(chart, QString()).birthDetails,
              QStringLiteral("Born 15 June 1985 at 14:30 local time"));

    // A chart screen that never showed a chart has no title.
    const ChartTitle none = chartTitleOf(ChartScreen());
    EXPECT_TRUE(none.name.isEmpty() && none.birthDetails.isEmpty() && none.computedFor.isEmpty());
}

// ---------------------------------------------------------------------------------
// Sizes.

TEST(ChartExportSize, HeightFollowsTheWheelsAspect) {
    struct Row {
        int width, height;
    };
    // height = width * 6495 / 6780, rounded.
    const Row rows[] = {{6780, 6495}, {1356, 1299}, {1000, 958}, {900, 862}, {100, 96}, {1, 1}};
    for (const Row& row : rows)
        EXPECT_EQ(pictureHeightForWidth(row.width), row.height) << "width " << row.width;
}

TEST(ChartExportSize, TheOfferedWidthIsTwiceTheWheelAsDrawnInDevicePixels) {
    ChartWheel wheel;
    const double ratio = wheel.devicePixelRatioF();
    struct Row {
        QSize widget;
        double drawnWidth; // the wheel's width inside the widget, aspect kept
    };
    const Row rows[] = {
        {{600, 575}, 600.0},
        {{600, 900}, 600.0},                   // taller than the wheel: the width counts
        {{800, 400}, 400.0 * 6780.0 / 6495.0}, // flatter: the height limits the wheel
    };
    for (const Row& row : rows) {
        wheel.resize(row.widget);
        EXPECT_EQ(defaultPictureWidth(wheel), qRound(2.0 * row.drawnWidth * ratio))
            << row.widget.width() << " x " << row.widget.height();
    }
    wheel.resize(20, 20);
    EXPECT_EQ(defaultPictureWidth(wheel), kMinimumPictureWidth);
    wheel.resize(6000, 6000);
    EXPECT_EQ(defaultPictureWidth(wheel), kMaximumPictureWidth);
}

TEST(ChartExportSize, TheSizeDialogOffersTheWidthAndShowsTheHeight) {
    PictureSizeDialog dialog(1234);
    auto* width = dialog.findChild<QSpinBox*>(QStringLiteral("spnWidth"));
    auto* height = dialog.findChild<QLabel*>(QStringLiteral("lblHeight"));
    ASSERT_NE(width, nullptr);
    ASSERT_NE(height, nullptr);
    EXPECT_EQ(width->value(), 1234);
    EXPECT_EQ(height->text(), QStringLiteral("1182 px"));
    width->setValue(6780);
    EXPECT_EQ(height->text(), QStringLiteral("6495 px"));
    EXPECT_EQ(dialog.widthPixels(), 6780);
    width->setValue(kMaximumPictureWidth + 1);
    EXPECT_EQ(dialog.widthPixels(), kMaximumPictureWidth);
    EXPECT_EQ(PictureSizeDialog(5).widthPixels(), kMinimumPictureWidth);
}

// ---------------------------------------------------------------------------------
// The picture.

TEST_F(ChartExportTest, ThePictureDialogOffersSvgAndPngUnderTheName) {
    ScriptedExportDialog dialog({});
    exportChartPicture(screen, &screen);
    ASSERT_EQ(dialog.requests().size(), 1u);
    const ExportFileRequest& request = dialog.requests().front();
    EXPECT_EQ(request.filters, (QStringList{QStringLiteral("SVG image (*.svg)"),
                                            QStringLiteral("PNG image (*.png)")}));
    EXPECT_EQ(request.defaultSuffixes, (QStringList{QStringLiteral("svg"), QStringLiteral("png")}));
    EXPECT_EQ(request.suggestedFileName, QStringLiteral("ANNA chart.svg"));
    EXPECT_EQ(dialog.parents().front(), &screen);
}

TEST_F(ChartExportTest, CancellingEitherDialogWritesNothingAndSaysNothing) {
    {
        ScriptedExportDialog dialog({QString(), pngPictureFilter()});
        ScriptedWidthDialog width(1000);
        exportChartPicture(screen, &screen);
        EXPECT_TRUE(width.offered().empty()) << "no size asked after a cancelled file dialog";
    }
    {
        ScriptedExportDialog dialog({path(QStringLiteral("anna")), pngPictureFilter()});
        ScriptedWidthDialog width(std::nullopt);
        exportChartPicture(screen, &screen);
        EXPECT_EQ(width.offered().size(), 1u);
    }
    {
        ScriptedExportDialog dialog({QString(), pdfReportFilter()});
        saveReportAsPdf(screen, &screen);
        EXPECT_EQ(dialog.requests().size(), 1u);
    }
    EXPECT_TRUE(filesInFolder().isEmpty()) << filesInFolder().join(' ').toStdString();
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(ChartExportTest, SvgIsValidXmlWithTitleDescriptionAndTheLogicalViewBox) {
    ScriptedExportDialog dialog({path(QStringLiteral("anna")), svgPictureFilter()});
    exportChartPicture(screen, &screen);
    EXPECT_TRUE(messages.messages().empty());
    ASSERT_EQ(filesInFolder(), QStringList{QStringLiteral("anna.svg")});

    QXmlStreamReader xml(fileContent(path(QStringLiteral("anna.svg"))));
    QString root, viewBox, title, description;
    int elements = 0;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        ++elements;
        if (root.isEmpty()) {
            root = xml.name().toString();
            viewBox = xml.attributes().value(QStringLiteral("viewBox")).toString();
        } else if (xml.name() == QLatin1String("title") && title.isEmpty()) {
            title = xml.readElementText();
        } else if (xml.name() == QLatin1String("desc") && description.isEmpty()) {
            description = xml.readElementText();
        }
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString() << " at line "
                                 << xml.lineNumber();
    EXPECT_EQ(root, QStringLiteral("svg"));
    EXPECT_EQ(viewBox.simplified(), QStringLiteral("0 0 6780 6495"));
    EXPECT_EQ(title, QStringLiteral("Orbenza chart of ANNA"));
    EXPECT_TRUE(description.contains(fromUtf8(computedForLine(chart))))
        << description.toStdString();
    EXPECT_TRUE(description.contains(QStringLiteral("Born 15 June 1985 at 14:30")));
    EXPECT_GT(elements, 50);
}

TEST_F(ChartExportTest, SvgHoldsTheTwelveSignPictures) {
    ScriptedExportDialog dialog({path(QStringLiteral("anna.svg")), svgPictureFilter()});
    exportChartPicture(screen, &screen);
    ASSERT_TRUE(messages.messages().empty());

    // The exported picture drawn back at a fifth of its logical size.
    const double scale = 0.2;
    const QSize size(1356, 1299);
    const QImage image = renderSvg(path(QStringLiteral("anna.svg")), size);

    // A wheel with the same texts but no sign pictures, exported the same way:
    // the glyph colours must come from the pictures, not from anything else.
    ChartWheel bare;
    for (int k = 0; k < ChartWheel::kPositionCount; ++k)
        bare.setNatalText(k, wheel().natalText(k));
    ASSERT_TRUE(
        writeChartSvg(bare, chartTitleOf(screen), path(QStringLiteral("bare.svg")), &screen));
    const QImage bareImage = renderSvg(path(QStringLiteral("bare.svg")), size);

    std::vector<QImage> crops;
    std::vector<bool> seen(ChartWheel::kPictureCount + 1, false);
    for (int k = 0; k < ChartWheel::kPositionCount; ++k) {
        const int picture = wheel().signPicture(k);
        ASSERT_GE(picture, 1);
        ASSERT_LE(picture, ChartWheel::kPictureCount);
        seen[static_cast<std::size_t>(picture)] = true;
        const QRectF logical = ChartWheel::signPictureRect(k);
        const QRect area =
            QRectF(logical.topLeft() * scale, logical.size() * scale).toAlignedRect();
        // The glyph's strokes are a good share of its box.
        const int glyph = pixelsNear(image, area, glyphColour(picture));
        EXPECT_GT(glyph, area.width() * area.height() / 20)
            << "position " << k << ", picture " << picture << ": " << glyph << " of "
            << area.width() * area.height() << " pixels in the glyph colour";
        EXPECT_EQ(pixelsNear(bareImage, area, glyphColour(picture)), 0)
            << "position " << k << " of the wheel without pictures";
        crops.push_back(image.copy(area));
    }
    for (int picture = 1; picture <= ChartWheel::kPictureCount; ++picture)
        EXPECT_TRUE(seen[static_cast<std::size_t>(picture)]) << "picture " << picture;
    for (std::size_t a = 0; a < crops.size(); ++a)
        for (std::size_t b = a + 1; b < crops.size(); ++b)
            EXPECT_NE(crops[a], crops[b]) << "positions " << a << " and " << b << " look alike";
}

TEST_F(ChartExportTest, SvgEscapesANameThatLooksLikeMarkup) {
    ChartTitle title = chartTitleOf(screen);
    title.name = QStringLiteral("Ann & <Bob> \"O'Neil\"");
    ASSERT_TRUE(writeChartSvg(wheel(), title, path(QStringLiteral("odd.svg")), &screen));
    QXmlStreamReader xml(fileContent(path(QStringLiteral("odd.svg"))));
    QString found;
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement &&
            xml.name() == QLatin1String("title"))
            found = xml.readElementText();
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_EQ(found, QStringLiteral("Orbenza chart of Ann & <Bob> \"O'Neil\""));
}

TEST_F(ChartExportTest, PngHasTheChosenWidthAndHoldsTheWheel) {
    ScriptedExportDialog dialog({path(QStringLiteral("anna")), pngPictureFilter()});
    ScriptedWidthDialog width(900);
    exportChartPicture(screen, &screen);
    EXPECT_TRUE(messages.messages().empty());
    ASSERT_EQ(filesInFolder(), QStringList{QStringLiteral("anna.png")});

    // The size offered first: twice the wheel on screen, in device pixels.
    ASSERT_EQ(width.offered().size(), 1u);
    const QSizeF onScreen = wheel().size();
    const double drawn = std::min(onScreen.width(), onScreen.height() * 6780.0 / 6495.0);
    EXPECT_EQ(width.offered().front(), qRound(2.0 * drawn * wheel().devicePixelRatioF()));
    EXPECT_GT(width.offered().front(), 400) << "the wheel should be on screen at a usable size";

    QImageReader reader(path(QStringLiteral("anna.png")));
    EXPECT_EQ(reader.format(), QByteArray("png"));
    const QImage saved = reader.read();
    ASSERT_FALSE(saved.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(saved.size(), QSize(900, 862));
    // Lossless: the wheel as drawn at that size (anti-aliasing of a first drawing
    // may differ by a shade in a pixel or two).
    EXPECT_EQ(pixelsApart(saved, renderWheel(wheel(), QSize(900, 862))), 0);
}

TEST_F(ChartExportTest, TheTypedExtensionDecidesThePictureFormat) {
    struct Row {
        const char* typed;
        QString filter;
        const char* savedAs;
        bool png;
    };
    const Row rows[] = {
        {"a.svg", pngPictureFilter(), "a.svg", false},
        {"b.PNG", svgPictureFilter(), "b.PNG", true},
        {"c", pngPictureFilter(), "c.png", true},
        {"d.", svgPictureFilter(), "d.svg", false},
        {"e.jpg", svgPictureFilter(), "e.jpg.svg", false},
        {"f.Svg", QString(), "f.Svg", false},
        {"g", QString(), "g.svg", false}, // no filter known: the first
    };
    ScriptedWidthDialog width(200);
    for (const Row& row : rows) {
        ScriptedExportDialog dialog({path(QString::fromLatin1(row.typed)), row.filter});
        exportChartPicture(screen, &screen);
        const QByteArray saved = fileContent(path(QString::fromLatin1(row.savedAs)));
        ASSERT_FALSE(saved.isEmpty()) << "typed " << row.typed << ", no file " << row.savedAs;
        EXPECT_EQ(saved.startsWith("\x89PNG"), row.png) << "typed " << row.typed;
        EXPECT_EQ(saved.contains("<svg"), !row.png) << "typed " << row.typed;
    }
    EXPECT_EQ(filesInFolder().size(), std::size(rows));
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(ChartExportTest, ExportingOverAPictureReplacesIt) {
    ASSERT_TRUE(writeFile(path(QStringLiteral("old.svg")), "old content"));
    ScriptedExportDialog dialog({path(QStringLiteral("old.svg")), svgPictureFilter()});
    exportChartPicture(screen, &screen);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_TRUE(fileContent(path(QStringLiteral("old.svg"))).contains("<svg"));
    EXPECT_EQ(filesInFolder(), QStringList{QStringLiteral("old.svg")});
}

// ---------------------------------------------------------------------------------
// The report as PDF.

TEST_F(ChartExportTest, ThePdfDialogOffersPdfUnderTheName) {
    ScriptedExportDialog dialog({});
    saveReportAsPdf(screen, &screen);
    ASSERT_EQ(dialog.requests().size(), 1u);
    EXPECT_EQ(dialog.requests().front().filters,
              QStringList{QStringLiteral("PDF document (*.pdf)")});
    EXPECT_EQ(dialog.requests().front().defaultSuffixes, QStringList{QStringLiteral("pdf")});
    EXPECT_EQ(dialog.requests().front().suggestedFileName, QStringLiteral("ANNA report.pdf"));
}

TEST_F(ChartExportTest, TheDocumentKeepsTheReportsColoursUnderTheTitleBlock) {
    const QTextDocument& report = *screen.reportBox()->document();
    const QString before = report.toPlainText();
    const auto document = reportDocumentWithTitle(report, chartTitleOf(screen));
    EXPECT_EQ(report.toPlainText(), before) << "the box's own document is left alone";

    const QTextBlock first = document->begin();
    EXPECT_EQ(first.text(), QStringLiteral("ANNA"));
    EXPECT_EQ(first.next().text(), chartTitleOf(screen).birthDetails);
    // The whole report follows the title, without the blank lines at its end
    // that could make a last page of their own.
    ASSERT_TRUE(before.endsWith(QStringLiteral("\n\n")));
    QString kept = before;
    while (!kept.isEmpty() && kept.back().isSpace())
        kept.chop(1);
    EXPECT_TRUE(document->toPlainText().endsWith(kept)) << "the whole report follows the title";
    EXPECT_FALSE(document->lastBlock().text().trimmed().isEmpty());

    // Every run of the report keeps its colour and weight in the copy.
    const std::vector<ReportRun> runs = chartReport(chart);
    ASSERT_FALSE(runs.empty());
    const int reportStart = static_cast<int>(document->toPlainText().size() - kept.size());
    int position = reportStart;
    int checked = 0;
    for (const ReportRun& run : runs) {
        const QString text =
            fromUtf8(run.text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        // The run's first character that is not a line break carries its format
        // (a cursor reports the format of the character before it).
        const qsizetype firstCharacter = text.indexOf(QRegularExpression(QStringLiteral("\\S")));
        QTextCursor cursor(document.get());
        cursor.setPosition(position + static_cast<int>(firstCharacter) + 1);
        const QTextCharFormat format = cursor.charFormat();
        if (firstCharacter >= 0) {
            EXPECT_EQ(format.foreground().color(), QColor(run.color.r, run.color.g, run.color.b))
                << "run at " << position - reportStart << ": " << text.left(40).toStdString();
            EXPECT_EQ(format.fontWeight() >= QFont::Bold, run.heading)
                << "run at " << position - reportStart << ": " << text.left(40).toStdString();
            ++checked;
        }
        position += static_cast<int>(text.size());
    }
    EXPECT_EQ(checked, static_cast<int>(runs.size()));
}

TEST_F(ChartExportTest, PdfHoldsTheTitleBlockAndTheReport) {
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        GTEST_SKIP() << "pdftotext is not installed";
    ScriptedExportDialog dialog({path(QStringLiteral("anna")), pdfReportFilter()});
    saveReportAsPdf(screen, &screen);
    EXPECT_TRUE(messages.messages().empty());
    ASSERT_EQ(filesInFolder(), QStringList{QStringLiteral("anna.pdf")}) << "no temporary file left";
    EXPECT_TRUE(fileContent(path(QStringLiteral("anna.pdf"))).startsWith("%PDF-"));

    const auto text = runTool(QStringLiteral("pdftotext"),
                              {path(QStringLiteral("anna.pdf")), QStringLiteral("-")});
    ASSERT_TRUE(text.has_value());
    const QString printed = squeezed(*text);
    const ChartTitle title = chartTitleOf(screen);
    const std::vector<ReportRun> runs = chartReport(chart);
    ASSERT_GE(runs.size(), 2u);
    const QString firstHeading = squeezed(fromUtf8(runs[0].text));
    const QString firstText = squeezed(fromUtf8(runs[1].text)).left(80);
    const QString lastText = squeezed(fromUtf8(runs.back().text)).right(80);

    const QStringList expected{squeezed(title.name),
                               squeezed(title.birthDetails),
                               squeezed(title.coordinates),
                               squeezed(title.birthTimeWindow),
                               squeezed(title.computedFor),
                               squeezed(shownPdfPicture(screen).caption),
                               QStringLiteral("PlanetsinHouses"),
                               firstHeading,
                               firstText,
                               lastText};
    qsizetype from = 0;
    for (const QString& piece : expected) {
        const qsizetype at = printed.indexOf(piece, from);
        EXPECT_GE(at, 0) << "missing or out of order: " << piece.toStdString();
        if (at >= 0)
            from = at + piece.size();
    }
}

// The PDF carries the picture on view, as the picture export does: one image
// of that wheel's proportions, and the caption naming its house rule once
// (the degree wheel's picture holds its own, so no line of text repeats it).
// Its last page holds text: no blank page closes it.
TEST_F(ChartExportTest, PdfCarriesThePictureOnView) {
    for (const char* tool : {"pdfimages", "pdftotext", "pdfinfo"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            GTEST_SKIP() << tool << " is not installed";
    struct Row {
        ChartScreen::Picture picture;
        int signCaptions; // lines of text naming each house rule
        int degreeCaptions;
        double heightPerWidth;
    };
    const Row rows[] = {
        {ChartScreen::Picture::SignWheel, 1, 0,
         ChartWheel::kLogicalSize.height() / ChartWheel::kLogicalSize.width()},
        {ChartScreen::Picture::DegreeWheel, 0, 0, kWheelCanvasHeight / kWheelCanvasWidth},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.picture == ChartScreen::Picture::SignWheel ? "sign wheel"
                                                                    : "degree wheel");
        screen.showPicture(row.picture);
        const QString pdf = path(QStringLiteral("pictured.pdf"));
        QFile::remove(pdf);
        ScriptedExportDialog dialog({path(QStringLiteral("pictured")), pdfReportFilter()});
        saveReportAsPdf(screen, &screen);
        ASSERT_TRUE(messages.messages().empty());

        const auto text = runTool(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
        ASSERT_TRUE(text.has_value());
        EXPECT_EQ(squeezed(*text).count(squeezed(QString::fromUtf8(kSignWheelCaption))),
                  row.signCaptions);
        EXPECT_EQ(squeezed(*text).count(squeezed(QString::fromUtf8(kDegreeWheelCaption))),
                  row.degreeCaptions);

        const auto info = runTool(QStringLiteral("pdfinfo"), {pdf});
        ASSERT_TRUE(info.has_value());
        const QString pages =
            QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(*info).captured(1);
        ASSERT_FALSE(pages.isEmpty()) << info->toStdString();
        const auto lastPage =
            runTool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), pages, QStringLiteral("-l"),
                                                  pages, pdf, QStringLiteral("-")});
        ASSERT_TRUE(lastPage.has_value());
        // More than the page's number at its foot.
        EXPECT_NE(lastPage->trimmed(), pages) << "page " << pages.toStdString() << " is blank";

        // "page num type width height ..." after two header lines.
        const auto list = runTool(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        ASSERT_TRUE(list.has_value());
        const QStringList lines = list->split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(lines.size(), 3) << list->toStdString();
        const QStringList columns = lines[2].simplified().split(QLatin1Char(' '));
        ASSERT_GE(columns.size(), 5);
        const double width = columns[3].toDouble();
        const double height = columns[4].toDouble();
        EXPECT_EQ(width, kPdfPictureWidth);
        EXPECT_NEAR(height / width, row.heightPerWidth, 1.0 / kPdfPictureWidth);
    }
}

TEST_F(ChartExportTest, APdfNameGetsItsExtensionAndReplacesAnOldFile) {
    ASSERT_TRUE(writeFile(path(QStringLiteral("notes.txt.pdf")), "old content"));
    ScriptedExportDialog dialog({path(QStringLiteral("notes.txt")), pdfReportFilter()});
    saveReportAsPdf(screen, &screen);
    EXPECT_TRUE(messages.messages().empty());
    EXPECT_TRUE(fileContent(path(QStringLiteral("notes.txt.pdf"))).startsWith("%PDF-"));
    EXPECT_EQ(filesInFolder(), QStringList{QStringLiteral("notes.txt.pdf")});
}

// ---------------------------------------------------------------------------------
// Failures.

TEST_F(ChartExportTest, AFolderThatIsAFileGivesAnErrorAndNoFile) {
    // A "folder" that is a regular file: no user, not even root, can write below it.
    ASSERT_TRUE(writeFile(path(QStringLiteral("plain-file")), "x"));
    struct Row {
        const char* name;
        QString filter;
        bool pdf;
    };
    const Row rows[] = {{"plain-file/chart.svg", svgPictureFilter(), false},
                        {"plain-file/chart.png", pngPictureFilter(), false},
                        {"plain-file/report.pdf", pdfReportFilter(), true}};
    ScriptedWidthDialog width(300);
    for (const Row& row : rows) {
        messages.clear();
        const QString target = path(QString::fromLatin1(row.name));
        ScriptedExportDialog dialog({target, row.filter});
        if (row.pdf)
            saveReportAsPdf(screen, &screen);
        else
            exportChartPicture(screen, &screen);
        SCOPED_TRACE(row.name);
        expectOneErrorNaming(target);
        EXPECT_EQ(filesInFolder(), QStringList{QStringLiteral("plain-file")});
    }
}

TEST_F(ChartExportTest, AWriteThatFailsPartWayKeepsTheOldFile) {
    struct Row {
        const char* name;
        QString filter;
        bool pdf;
    };
    const Row rows[] = {{"chart.svg", svgPictureFilter(), false},
                        {"chart.png", pngPictureFilter(), false},
                        {"report.pdf", pdfReportFilter(), true}};
    ScriptedWidthDialog width(600);
    QStringList oldFiles;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        messages.clear();
        const QString target = path(QString::fromLatin1(row.name));
        ASSERT_TRUE(writeFile(target, "old content"));
        oldFiles << QString::fromLatin1(row.name);
        oldFiles.sort();
        ScriptedExportDialog dialog({target, row.filter});
        {
            FileSizeLimit limit(512);
            ASSERT_TRUE(limit.ok());
            if (row.pdf)
                saveReportAsPdf(screen, &screen);
            else
                exportChartPicture(screen, &screen);
        }
        expectOneErrorNaming(target);
        EXPECT_EQ(fileContent(target), QByteArray("old content"));
        EXPECT_EQ(filesInFolder(), oldFiles) << "no temporary file left";
    }
}

// ---------------------------------------------------------------------------------
// The File menu of the main window.

class ChartExportMenu : public ::testing::Test {
protected:
    void SetUp() override {
        ChartWheel::initResources();
        m_controller.setModalRunner([](QDialog&) {});
        m_controller.setQuitHandler([] {});
        m_controller.start();
        BirthDetailsScreen* details = m_controller.birthDetailsScreen();
        details->findChild<QLineEdit*>(QStringLiteral("txtName"))->setText(QStringLiteral("ADA"));
        details->findChild<QLineEdit*>(QStringLiteral("txtMCity"))
            ->setText(QStringLiteral("Chennai"));
        details->findChild<QPushButton*>(QStringLiteral("cmdRashi"))->click();
        ASSERT_NE(m_controller.mainWindow(), nullptr);
    }
    QAction* action(const char* name) const {
        return m_controller.mainWindow()->findChild<QAction*>(QLatin1String(name));
    }

    MessageRecorder m_messages;
    AppController m_controller;
};

TEST_F(ChartExportMenu, TheExportsStandBetweenBackAndExit) {
    const QMenu* file = m_controller.mainWindow()->findChild<QMenu*>(QStringLiteral("mnuFile"));
    ASSERT_NE(file, nullptr);
    QStringList entries;
    for (const QAction* entry : file->actions())
        entries << (entry->isSeparator() ? QStringLiteral("-") : entry->objectName());
    EXPECT_EQ(entries, (QStringList{"mnuBack", "-", "mnuExportPicture", "mnuSaveReportPdf", "-",
                                    "mnuSaveToLibrary", "mnuOpenChart", "mnuRecentCharts", "-",
                                    "mnuChartSettings", "mnuExit"}));
    EXPECT_EQ(action("mnuExportPicture")->text(), QStringLiteral("Export Chart &Picture\u2026"));
    EXPECT_EQ(action("mnuSaveReportPdf")->text(), QStringLiteral("Save Report as P&DF\u2026"));
}

TEST_F(ChartExportMenu, TheEntriesAskOverTheMainWindowForTheShownChart) {
    ScriptedExportDialog dialog({});
    action("mnuExportPicture")->trigger();
    action("mnuSaveReportPdf")->trigger();
    ASSERT_EQ(dialog.requests().size(), 2u);
    EXPECT_EQ(dialog.requests()[0].suggestedFileName, QStringLiteral("ADA chart.svg"));
    EXPECT_EQ(dialog.requests()[1].suggestedFileName, QStringLiteral("ADA report.pdf"));
    for (QWidget* parent : dialog.parents())
        EXPECT_EQ(parent, m_controller.mainWindow());
    EXPECT_TRUE(m_messages.messages().empty());
}

// Writes a sample of each export and a picture of the size dialog into
// ORBENZA_EXPORT_SAMPLE_DIR when it is set, for a look at the results.
TEST_F(ChartExportTest, Samples) {
    const QString sampleFolder = qEnvironmentVariable("ORBENZA_EXPORT_SAMPLE_DIR");
    if (sampleFolder.isEmpty())
        GTEST_SKIP() << "ORBENZA_EXPORT_SAMPLE_DIR not set";
    QDir().mkpath(sampleFolder);
    const QDir samples(sampleFolder);
    const ChartTitle title = chartTitleOf(screen);
    EXPECT_TRUE(
        writeChartSvg(wheel(), title, samples.filePath(QStringLiteral("chart.svg")), &screen));
    EXPECT_TRUE(writeChartPng(wheel(), defaultPictureWidth(wheel()),
                              samples.filePath(QStringLiteral("chart.png")), &screen));
    EXPECT_TRUE(writeReportPdf(*screen.reportBox()->document(), title,
                               samples.filePath(QStringLiteral("report.pdf")), &screen,
                               shownPdfPicture(screen)));
    PictureSizeDialog dialog(defaultPictureWidth(wheel()));
    dialog.adjustSize();
    dialog.show();
    QApplication::processEvents();
    EXPECT_TRUE(dialog.grab().save(samples.filePath(QStringLiteral("picture-size.png"))));
    EXPECT_TRUE(messages.messages().empty());
}

} // namespace
} // namespace orbenza
