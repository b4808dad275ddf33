#include "ChartExport.h"

#include "ChartScreen.h"
#include "ChartWheel.h"
#include "DegreeWheelView.h"
#include "FileSaving.h"
#include "Hook.h"
#include "Languages.h"
#include "PictureSizeDialog.h"
#include "ReportBox.h"
#include "ReportPrinter.h"
#include "TransitsTab.h"
#include "UserMessages.h"
#include "present/Presentation.h"
#include "present/WheelOfChart.h"
#include "windows/BirthTimeWindows.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QTemporaryFile>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextImageFormat>
#include <QUrl>
#include <algorithm>
#include <cmath>

namespace orbenza {

namespace {

const QString kCaption = programTitle();

// The translation context of the export texts outside the dialog class.
class ExportText {
    Q_DECLARE_TR_FUNCTIONS(ChartExport)
};

// The wheel's logical units are twips: 1440 to the inch.
constexpr int kTwipsPerInch = 1440;

// The grey of the computed-for line in the report's title block.
const QColor kQuietTextColour(0x5A, 0x64, 0x73);
// The chart picture's width in a printed report, in the document's units of
// 1/96 inch: five inches, which leaves the margins of A4 and Letter free.
constexpr double kPdfPictureWidthUnits = 480.0;

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// ---------------------------------------------------------------------------
// The dialogs, and the seams that replace them in tests.

// The folder the last export went to, offered again for the next one while the
// program runs.
QString& lastExportFolder() {
    static QString folder;
    return folder;
}

SaveFileChoice chooseWithFileDialog(QWidget* parent, const ExportFileRequest& request) {
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(request.filters);
    QString folder = lastExportFolder();
    if (folder.isEmpty())
        folder = QStandardPaths::writableLocation(request.defaultSuffixes.value(0) ==
                                                          QLatin1String("pdf")
                                                      ? QStandardPaths::DocumentsLocation
                                                      : QStandardPaths::PicturesLocation);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        dialog.setDirectory(folder);
    if (!request.suggestedFileName.isEmpty())
        dialog.selectFile(request.suggestedFileName);
    // The dialog adds the chosen filter's extension to a name typed without one,
    // and asks before overwriting a file.
    dialog.setDefaultSuffix(request.defaultSuffixes.value(0));
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog,
                     [&dialog, &request](const QString& filter) {
                         const qsizetype index = request.filters.indexOf(filter);
                         if (index >= 0)
                             dialog.setDefaultSuffix(request.defaultSuffixes.value(index));
                     });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    const QString chosen = dialog.selectedFiles().constFirst();
    lastExportFolder() = QFileInfo(chosen).absolutePath();
    return {chosen, dialog.selectedNameFilter()};
}

std::optional<int> askWidthWithDialog(QWidget* parent, int suggestedWidth,
                                      PictureHeightForWidth heightForWidth) {
    PictureSizeDialog dialog(suggestedWidth, heightForWidth, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.widthPixels();
}

ExportFileChooser& exportFileChooser() {
    static ExportFileChooser current = chooseWithFileDialog;
    return current;
}

PictureWidthChooser& pictureWidthChooser() {
    static PictureWidthChooser current = askWidthWithDialog;
    return current;
}

// ---------------------------------------------------------------------------
// File names.

QString suggestedFileName(const QString& name, const QString& what, const QString& suffix) {
    return FileSaving::suggestedFileName(name, what, suffix);
}

struct ResolvedFileName {
    QString fileName;
    qsizetype filterIndex = 0;
};

// The file to write and its format: a name ending in one of the request's
// extensions (any case) keeps it and has that format; any other name gets the
// chosen filter's extension. A trailing dot counts as no extension.
ResolvedFileName resolveFileName(const SaveFileChoice& choice, const ExportFileRequest& request) {
    QString fileName = choice.fileName;
    if (fileName.endsWith(QLatin1Char('.')))
        fileName.chop(1);
    const QString suffix = QFileInfo(fileName).suffix();
    for (qsizetype i = 0; i < request.defaultSuffixes.size(); ++i)
        if (suffix.compare(request.defaultSuffixes[i], Qt::CaseInsensitive) == 0)
            return {fileName, i};
    const qsizetype chosen = std::max<qsizetype>(0, request.filters.indexOf(choice.selectedFilter));
    return {fileName + QLatin1Char('.') + request.defaultSuffixes.value(chosen), chosen};
}

// ---------------------------------------------------------------------------
// Writing.

void showFailure(QWidget* parent, const QString& what, const QString& fileName,
                 const QString& reason) {
    showUserMessage(
        parent,
        ExportText::tr("%1 could not be saved to \"%2\".\n\n%3")
            .arg(what, QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), reason),
        MessageIcon::Error);
}

QString pictureWhat() {
    return ExportText::tr("The chart picture");
}
QString reportWhat() {
    return ExportText::tr("The report");
}

QString pictureTitle(const ChartTitle& title) {
    return title.name.isEmpty() ? ExportText::tr("Orbenza chart")
                                : ExportText::tr("Orbenza chart of %1").arg(title.name);
}

// The birth details, coordinates and computed-for line, one to a line.
QString pictureDescription(const ChartTitle& title) {
    QStringList lines;
    for (const QString& line :
         {title.birthDetails, title.coordinates, title.birthTimeWindow, title.computedFor})
        if (!line.isEmpty())
            lines << line;
    return lines.join(QLatin1Char('\n'));
}

// A PDF document is complete when its last bytes hold the end-of-file marker;
// a write that failed part-way (a full disk, a size limit) leaves it out.
bool isCompletePdf(const QByteArray& bytes) {
    return bytes.size() >= 16 && bytes.right(32).trimmed().endsWith("%%EOF");
}

} // namespace

// ---------------------------------------------------------------------------

ExportFileChooser setExportFileChooser(ExportFileChooser chooser) {
    return replaceHook(exportFileChooser(), std::move(chooser),
                       ExportFileChooser(chooseWithFileDialog));
}

PictureWidthChooser setPictureWidthChooser(PictureWidthChooser chooser) {
    return replaceHook(pictureWidthChooser(), std::move(chooser),
                       PictureWidthChooser(askWidthWithDialog));
}

std::optional<ChosenExportFile> chooseExportFile(QWidget* parent,
                                                 const ExportFileRequest& request) {
    const SaveFileChoice choice = exportFileChooser()(parent, request);
    if (choice.fileName.isEmpty())
        return std::nullopt;
    const ResolvedFileName target = resolveFileName(choice, request);
    return ChosenExportFile{target.fileName, target.filterIndex};
}

std::optional<int> choosePictureWidth(QWidget* parent, int suggestedWidth,
                                      PictureHeightForWidth heightForWidth) {
    const std::optional<int> width = pictureWidthChooser()(parent, suggestedWidth, heightForWidth);
    if (!width)
        return std::nullopt;
    return std::clamp(*width, kMinimumPictureWidth, kMaximumPictureWidth);
}

QString svgPictureFilter() {
    return ExportText::tr("SVG image (*.svg)");
}
QString pngPictureFilter() {
    return ExportText::tr("PNG image (*.png)");
}
QString pdfReportFilter() {
    return ExportText::tr("PDF document (*.pdf)");
}

ChartTitle chartTitleOf(const ChartResult& chart, const QString& birthPlace) {
    // The same lines the command line writes for this chart.
    const Language language = screenLanguage();
    const ChartLines lines = chartLines(chart, birthPlace.toStdString(), language);
    ChartTitle title;
    title.name = fromUtf8(chart.birth.name);
    title.birthDetails = fromUtf8(lines.born);
    title.coordinates = fromUtf8(lines.coordinates);
    title.computedFor = fromUtf8(lines.computedFor);
    if (chart.windows)
        title.birthTimeWindow = fromUtf8(birthTimeWindowLine(chart, *chart.windows, language));
    return title;
}

ChartTitle chartTitleOf(const ChartScreen& screen) {
    if (!screen.shownChart())
        return {};
    return chartTitleOf(*screen.shownChart(), screen.birthPlace());
}

int pictureHeightForWidth(int widthPixels) {
    const double height =
        widthPixels * ChartWheel::kLogicalSize.height() / ChartWheel::kLogicalSize.width();
    return std::max(1, static_cast<int>(std::lround(height)));
}

int defaultPictureWidth(const ChartWheel& wheel) {
    // The wheel is drawn with its aspect kept inside the widget: its width is the
    // widget's, or less when the widget is flatter than the wheel.
    QSizeF onScreen = wheel.size();
    if (onScreen.isEmpty())
        onScreen = wheel.sizeHint();
    const double drawnWidth =
        std::min(onScreen.width(), onScreen.height() * ChartWheel::kLogicalSize.width() /
                                       ChartWheel::kLogicalSize.height());
    const int width = static_cast<int>(std::lround(2.0 * drawnWidth * wheel.devicePixelRatioF()));
    return std::clamp(width, kMinimumPictureWidth, kMaximumPictureWidth);
}

void exportChartPicture(const ChartScreen& screen, QWidget* parent) {
    if (screen.showsTransits() && screen.shownChart()) {
        screen.transitsTab()->exportPicture();
        return;
    }
    const ChartTitle title = chartTitleOf(screen);
    const ExportFileRequest request{
        ExportText::tr("Export Chart Picture"),
        {svgPictureFilter(), pngPictureFilter()},
        {QStringLiteral("svg"), QStringLiteral("png")},
        suggestedFileName(title.name, QStringLiteral("chart"), QStringLiteral("svg"))};
    const SaveFileChoice choice = exportFileChooser()(parent, request);
    if (choice.fileName.isEmpty())
        return; // cancelled: nothing written, nothing said

    const ResolvedFileName target = resolveFileName(choice, request);
    // The picture the user is looking at is the one exported.
    if (screen.shownPicture() == ChartScreen::Picture::DegreeWheel && screen.shownChart()) {
        const DegreeWheelView& view = *screen.degreeWheel();
        if (target.filterIndex == 1) {
            const std::optional<int> width = pictureWidthChooser()(
                parent, defaultDegreeWheelWidth(view), degreeWheelHeightForWidth);
            if (!width)
                return;
            writeDegreeWheelPng(view,
                                std::clamp(*width, kMinimumPictureWidth, kMaximumPictureWidth),
                                target.fileName, parent);
        } else {
            writeDegreeWheelSvg(*screen.shownChart(), degreeWheelSvgWidth(view), target.fileName,
                                parent);
        }
        return;
    }
    const ChartWheel& wheel = *screen.wheel();
    if (target.filterIndex == 1) {
        const std::optional<int> width =
            pictureWidthChooser()(parent, defaultPictureWidth(wheel), pictureHeightForWidth);
        if (!width)
            return;
        writeChartPng(wheel, std::clamp(*width, kMinimumPictureWidth, kMaximumPictureWidth),
                      target.fileName, parent);
    } else {
        writeChartSvg(wheel, title, target.fileName, parent);
    }
}

void saveReportAsPdf(const ChartScreen& screen, QWidget* parent) {
    const ChartTitle title = chartTitleOf(screen);
    const ExportFileRequest request{
        ExportText::tr("Save Report as PDF"),
        {pdfReportFilter()},
        {QStringLiteral("pdf")},
        suggestedFileName(title.name, QStringLiteral("report"), QStringLiteral("pdf"))};
    const SaveFileChoice choice = exportFileChooser()(parent, request);
    if (choice.fileName.isEmpty())
        return; // cancelled
    // The PDF carries the picture the user is looking at, as the picture
    // export does.
    writeReportPdf(*screen.reportBox()->document(), title,
                   resolveFileName(choice, request).fileName, parent, shownPdfPicture(screen));
}

PdfPicture shownPdfPicture(const ChartScreen& screen, int widthPixels) {
    PdfPicture picture;
    if (!screen.shownChart())
        return picture;
    const bool degree = screen.shownPicture() == ChartScreen::Picture::DegreeWheel;
    const QSize size(widthPixels, degree ? degreeWheelHeightForWidth(widthPixels)
                                         : pictureHeightForWidth(widthPixels));
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull())
        return picture; // no memory for it: the PDF goes without the picture
    image.fill(Qt::white);
    QPainter painter(&image);
    const QRectF target(QPointF(0, 0), QSizeF(size));
    if (degree)
        screen.degreeWheel()->render(painter, target);
    else
        screen.wheel()->render(painter, target);
    painter.end();
    picture.image = image;
    // The degree wheel's picture names its house rule under the wheel itself;
    // the sign wheel's is said in a line under the picture.
    if (!degree)
        picture.caption = ExportText::tr("One sign to a house, counted from the Ascendant's sign");
    return picture;
}

bool writeChartSvg(const ChartWheel& wheel, const ChartTitle& title, const QString& fileName,
                   QWidget* parent) {
    const QRectF logical(QPointF(0, 0), ChartWheel::kLogicalSize);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);

    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    // One user unit per twip, and a physical size that makes a twip a twip.
    generator.setViewBox(logical);
    generator.setSize(ChartWheel::kLogicalSize.toSize());
    generator.setResolution(kTwipsPerInch);
    // The generator writes title and description into the file as they are
    // given, so markup characters in a name are escaped here.
    generator.setTitle(pictureTitle(title).toHtmlEscaped());
    generator.setDescription(pictureDescription(title).toHtmlEscaped());

    QString reason;
    QPainter painter;
    if (!painter.begin(&generator)) {
        reason = ExportText::tr("The SVG picture could not be drawn.");
    } else {
        painter.fillRect(logical, Qt::white);
        wheel.render(painter, logical);
        painter.end();
        buffer.close();
        reason = FileSaving::writeAtomically(fileName, bytes);
    }
    if (!reason.isEmpty()) {
        showFailure(parent, pictureWhat(), fileName, reason);
        return false;
    }
    return true;
}

bool writeChartPng(const ChartWheel& wheel, int widthPixels, const QString& fileName,
                   QWidget* parent) {
    return writePicturePng(
        [&wheel](QPainter& painter, const QRectF& target) { wheel.render(painter, target); },
        widthPixels, pictureHeightForWidth(widthPixels), fileName, parent);
}

int degreeWheelHeightForWidth(int widthPixels) {
    return std::max(
        1, static_cast<int>(std::lround(widthPixels * kWheelCanvasHeight / kWheelCanvasWidth)));
}

int degreeWheelSvgWidth(const DegreeWheelView& view) {
    QSizeF onScreen = view.size();
    if (onScreen.isEmpty())
        onScreen = view.sizeHint();
    const int width = static_cast<int>(std::lround(DegreeWheelView::fittedRect(onScreen).width()));
    return std::clamp(width, kMinimumPictureWidth, kMaximumPictureWidth);
}

int defaultDegreeWheelWidth(const DegreeWheelView& view) {
    const int width =
        static_cast<int>(std::lround(2.0 * degreeWheelSvgWidth(view) * view.devicePixelRatioF()));
    return std::clamp(width, kMinimumPictureWidth, kMaximumPictureWidth);
}

bool writeDegreeWheelSvg(const ChartResult& chart, int widthPixels, const QString& fileName,
                         QWidget* parent) {
    const std::string svg = degreeWheelSvg(chart, widthPixels, screenLanguage());
    const QString reason = FileSaving::writeAtomically(
        fileName, QByteArray(svg.data(), static_cast<qsizetype>(svg.size())));
    if (!reason.isEmpty()) {
        showFailure(parent, pictureWhat(), fileName, reason);
        return false;
    }
    return true;
}

bool writeDegreeWheelPng(const DegreeWheelView& view, int widthPixels, const QString& fileName,
                         QWidget* parent) {
    return writePicturePng(
        [&view](QPainter& painter, const QRectF& target) { view.render(painter, target); },
        widthPixels, degreeWheelHeightForWidth(widthPixels), fileName, parent);
}

bool writePicturePng(const std::function<void(QPainter&, const QRectF&)>& paint, int widthPixels,
                     int heightPixels, const QString& fileName, QWidget* parent) {
    QString reason;
    QByteArray bytes;
    if (widthPixels < 1 || widthPixels > kMaximumPictureWidth) {
        reason = ExportText::tr("A picture can be 1 to %1 pixels wide, not %2.")
                     .arg(kMaximumPictureWidth)
                     .arg(widthPixels);
    } else {
        const QSize size(widthPixels, heightPixels);
        QImage image(size, QImage::Format_RGB32);
        if (image.isNull()) {
            reason = ExportText::tr("There is not enough memory for a picture of %1 x %2 pixels.")
                         .arg(size.width())
                         .arg(size.height());
        } else {
            image.fill(Qt::white);
            QPainter painter(&image);
            paint(painter, QRectF(QPointF(0, 0), QSizeF(size)));
            painter.end();

            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "png");
            if (!writer.write(image))
                reason = writer.errorString();
        }
    }
    if (reason.isEmpty())
        reason = FileSaving::writeAtomically(fileName, bytes);
    if (!reason.isEmpty()) {
        showFailure(parent, pictureWhat(), fileName, reason);
        return false;
    }
    return true;
}

std::unique_ptr<QTextDocument> reportDocumentWithTitle(const QTextDocument& report,
                                                       const ChartTitle& title,
                                                       const PdfPicture& picture) {
    auto document = std::make_unique<QTextDocument>();
    const QFont base = report.defaultFont();
    document->setDefaultFont(base);
    document->setMetaInformation(QTextDocument::DocumentTitle,
                                 title.name.isEmpty()
                                     ? ExportText::tr("Orbenza report")
                                     : ExportText::tr("Orbenza report of %1").arg(title.name));

    const auto charFormat = [&base](double scale, bool bold, const QColor& colour) {
        QTextCharFormat format;
        QFont font = base;
        font.setPointSizeF(base.pointSizeF() * scale);
        font.setBold(bold);
        format.setFont(font);
        format.setForeground(colour);
        return format;
    };
    const auto blockFormat = [](double topMargin, double bottomMargin) {
        QTextBlockFormat format;
        format.setTopMargin(topMargin);
        format.setBottomMargin(bottomMargin);
        return format;
    };

    QTextCursor cursor(document.get());
    cursor.setBlockFormat(blockFormat(0, 4));
    cursor.insertText(title.name, charFormat(1.7, true, Qt::black));
    cursor.insertBlock(blockFormat(0, 1), charFormat(1.0, false, Qt::black));
    cursor.insertText(title.birthDetails);
    cursor.insertBlock(blockFormat(0, 1), charFormat(1.0, false, Qt::black));
    cursor.insertText(title.coordinates);
    if (!title.birthTimeWindow.isEmpty()) {
        cursor.insertBlock(blockFormat(0, 1), charFormat(1.0, false, Qt::black));
        cursor.insertText(title.birthTimeWindow);
    }
    // The computed-for line closes the title block with a rule under it.
    QTextBlockFormat closing = blockFormat(0, 8);
    closing.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                        QTextLength(QTextLength::PercentageLength, 100));
    cursor.insertBlock(closing, charFormat(0.9, false, kQuietTextColour));
    cursor.insertText(title.computedFor);

    // The chart picture, centred, about five inches wide, with its house rule
    // under it.
    if (!picture.image.isNull()) {
        const QUrl name(QStringLiteral("orbenza-chart-picture.png"));
        document->addResource(QTextDocument::ImageResource, name, picture.image);
        QTextBlockFormat centred = blockFormat(6, 2);
        centred.setAlignment(Qt::AlignHCenter);
        cursor.insertBlock(centred, charFormat(1.0, false, Qt::black));
        QTextImageFormat image;
        image.setName(name.toString());
        image.setWidth(kPdfPictureWidthUnits);
        image.setHeight(kPdfPictureWidthUnits * picture.image.height() / picture.image.width());
        cursor.insertImage(image);
        if (!picture.caption.isEmpty()) {
            cursor.insertBlock(centred, charFormat(0.9, false, kQuietTextColour));
            cursor.insertText(picture.caption);
        }
    }

    // The report box's caption on the chart screen, then the report itself: a
    // copy of the box's document, so the box is left as it is.
    cursor.insertBlock(blockFormat(10, 6), charFormat(1.15, true, Qt::black));
    cursor.insertText(ExportText::tr("Planets in Houses"));
    cursor.insertBlock(QTextBlockFormat(), charFormat(1.0, false, Qt::black));
    cursor.insertFragment(QTextDocumentFragment(&report));
    removeTrailingBlankLines(*document);
    return document;
}

bool writeReportPdf(const QTextDocument& report, const ChartTitle& title, const QString& fileName,
                    QWidget* parent, const PdfPicture& picture) {
    QString reason;
    // The printer can only print into a file: it prints into a private
    // temporary one, and only a complete document is then saved, in one step,
    // under the chosen name.
    QTemporaryFile temporary(QDir(QDir::tempPath()).filePath(QStringLiteral("orbenza-XXXXXX.pdf")));
    if (!temporary.open()) {
        reason = temporary.errorString();
    } else {
        temporary.close();
        const std::unique_ptr<QTextDocument> document =
            reportDocumentWithTitle(report, title, picture);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(temporary.fileName());
        printer.setDocName(document->metaInformation(QTextDocument::DocumentTitle));
        printer.setCreator(kCaption);
        document->print(&printer);

        QFile printed(temporary.fileName());
        QByteArray bytes;
        if (printer.printerState() == QPrinter::Error) {
            reason = ExportText::tr("The PDF document could not be written.");
        } else if (!printed.open(QIODevice::ReadOnly)) {
            reason = printed.errorString();
        } else if (bytes = printed.readAll(); printed.error() != QFileDevice::NoError) {
            reason = printed.errorString();
        } else if (!isCompletePdf(bytes)) {
            reason = FileSaving::incompleteWrite();
        } else {
            reason = FileSaving::writeAtomically(fileName, bytes);
            if (reason.isEmpty())
                return true;
        }
    }
    if (reason.isEmpty())
        reason = ExportText::tr("Unknown error");
    showFailure(parent, reportWhat(), fileName, reason);
    return false;
}

} // namespace orbenza
