#include "ChartExport.h"

#include "ChartScreen.h"
#include "ChartWheel.h"
#include "Hook.h"
#include "ReportBox.h"
#include "UserMessages.h"
#include "chart/Presentation.h"

#include <QBuffer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSpinBox>
#include <QStandardPaths>
#include <QSvgGenerator>
#include <QTemporaryFile>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QVBoxLayout>
#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <system_error>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace orbenza {

namespace {

const QString kCaption = QStringLiteral("Orbenza v1.25");

// The wheel's logical units are twips: 1440 to the inch.
constexpr int kTwipsPerInch = 1440;

// The grey of the computed-for line in the report's title block.
const QColor kQuietTextColour(0x5A, 0x64, 0x73);

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

std::optional<int> askWidthWithDialog(QWidget* parent, int suggestedWidth) {
    PictureSizeDialog dialog(suggestedWidth, parent);
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

// The file name the save dialog offers: the person's name without the
// characters file systems refuse, and what the file holds.
QString suggestedFileName(const QString& name, const QString& what, const QString& suffix) {
    QString base = name;
    base.remove(QRegularExpression(QStringLiteral(R"([\\/:*?"<>|\x00-\x1f])")));
    base = base.simplified();
    if (base.isEmpty())
        base = QStringLiteral("Orbenza");
    return base + QLatin1Char(' ') + what + QLatin1Char('.') + suffix;
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

const QString kIncompleteWrite =
    QStringLiteral("The file could not be written completely; the disk may be full.");

// Writes bytes to fileName in one step. QSaveFile writes a temporary file beside
// the target and renames it into place only when everything was written, so a
// failure never leaves a half-written file nor touches the file that was there.
// Returns the reason of a failure, empty on success.
QString writeAtomically(const QString& fileName, const QByteArray& bytes) {
    QSaveFile file(fileName);
    QString reason;
    if (!file.open(QIODevice::WriteOnly)) {
        reason = file.errorString();
    } else if (file.write(bytes) != bytes.size() || !file.flush()) {
        // A failure in the flush of the buffered part must stop the commit too,
        // or the short temporary file would replace the target. The file's own
        // reason can be empty here (a size limit reached), so say what happened.
        reason = file.errorString();
        if (reason.isEmpty() || reason == QLatin1String("Unknown error"))
            reason = kIncompleteWrite;
        file.cancelWriting();
        file.commit();
    } else if (!file.commit()) {
        reason = file.errorString();
    } else {
        return {};
    }
    return reason.isEmpty() ? QStringLiteral("Unknown error") : reason;
}

void showFailure(QWidget* parent, const QString& what, const QString& fileName,
                 const QString& reason) {
    showUserMessage(
        parent,
        QStringLiteral("%1 could not be saved to \"%2\".\n\n%3")
            .arg(what, QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), reason),
        MessageIcon::Error);
}

const QString kPictureWhat = QStringLiteral("The chart picture");
const QString kReportWhat = QStringLiteral("The report");

QString pictureTitle(const ChartTitle& title) {
    return title.name.isEmpty() ? QStringLiteral("Orbenza chart")
                                : QStringLiteral("Orbenza chart of ") + title.name;
}

// The birth details, coordinates and computed-for line, one to a line.
QString pictureDescription(const ChartTitle& title) {
    QStringList lines;
    for (const QString& line : {title.birthDetails, title.coordinates, title.computedFor})
        if (!line.isEmpty())
            lines << line;
    return lines.join(QLatin1Char('\n'));
}

// A PDF file is complete when its last bytes hold the end-of-file marker; a write
// that failed part-way (a full disk, a size limit) leaves it out.
bool isCompletePdf(const QString& fileName, QString& reason) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) {
        reason = file.errorString();
        return false;
    }
    const qint64 size = file.size();
    if (size < 16 || !file.seek(std::max<qint64>(0, size - 32))) {
        reason = kIncompleteWrite;
        return false;
    }
    if (!file.readAll().trimmed().endsWith("%%EOF")) {
        reason = kIncompleteWrite;
        return false;
    }
    return true;
}

// Makes sure the written bytes are on the disk before the rename makes them the
// file, so a power cut cannot leave a renamed but empty document.
bool syncToDisk(const QString& fileName, QString& reason) {
#ifdef Q_OS_UNIX
    QFile file(fileName);
    if (!file.open(QIODevice::ReadWrite)) {
        reason = file.errorString();
        return false;
    }
    if (::fsync(file.handle()) != 0) {
        reason = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
#else
    Q_UNUSED(fileName);
    Q_UNUSED(reason);
#endif
    return true;
}

// Renames from over to, replacing a file that is there in one step.
bool replaceFile(const QString& from, const QString& to, QString& reason) {
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(from.toStdU16String()),
                            std::filesystem::path(to.toStdU16String()), error);
    if (error) {
        reason = QString::fromLocal8Bit(error.message());
        return false;
    }
    return true;
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

QString svgPictureFilter() {
    return QStringLiteral("SVG image (*.svg)");
}
QString pngPictureFilter() {
    return QStringLiteral("PNG image (*.png)");
}
QString pdfReportFilter() {
    return QStringLiteral("PDF document (*.pdf)");
}

ChartTitle chartTitleOf(const ChartResult& chart, const QString& birthPlace) {
    const ChartPresentation shown = presentChart(chart, chart.PlanetNames);
    const BirthData& birth = chart.birth;
    ChartTitle title;
    title.name = fromUtf8(shown.lblName);
    title.birthDetails = QStringLiteral("Born %1 %2 %3 at %4:%5")
                             .arg(birth.BirthDay)
                             .arg(fromUtf8(std::string(monthName(birth.BirthMonth))))
                             .arg(birth.BirthYear)
                             .arg(birth.BirthHour, 2, 10, QLatin1Char('0'))
                             .arg(birth.BirthMinute, 2, 10, QLatin1Char('0'));
    if (!birthPlace.isEmpty())
        title.birthDetails += QStringLiteral(" in ") + birthPlace;
    title.coordinates = QStringLiteral("Latitude %1, longitude %2")
                            .arg(fromUtf8(shown.lblLatitude), fromUtf8(shown.lblLongitude));
    title.computedFor = fromUtf8(shown.computedFor);
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
    const ChartTitle title = chartTitleOf(screen);
    const ExportFileRequest request{
        QStringLiteral("Export Chart Picture"),
        {svgPictureFilter(), pngPictureFilter()},
        {QStringLiteral("svg"), QStringLiteral("png")},
        suggestedFileName(title.name, QStringLiteral("chart"), QStringLiteral("svg"))};
    const SaveFileChoice choice = exportFileChooser()(parent, request);
    if (choice.fileName.isEmpty())
        return; // cancelled: nothing written, nothing said

    const ResolvedFileName target = resolveFileName(choice, request);
    const ChartWheel& wheel = *screen.wheel();
    if (target.filterIndex == 1) {
        const std::optional<int> width = pictureWidthChooser()(parent, defaultPictureWidth(wheel));
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
        QStringLiteral("Save Report as PDF"),
        {pdfReportFilter()},
        {QStringLiteral("pdf")},
        suggestedFileName(title.name, QStringLiteral("report"), QStringLiteral("pdf"))};
    const SaveFileChoice choice = exportFileChooser()(parent, request);
    if (choice.fileName.isEmpty())
        return; // cancelled
    writeReportPdf(*screen.reportBox()->document(), title,
                   resolveFileName(choice, request).fileName, parent);
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
        reason = QStringLiteral("The SVG picture could not be drawn.");
    } else {
        painter.fillRect(logical, Qt::white);
        wheel.render(painter, logical);
        painter.end();
        buffer.close();
        reason = writeAtomically(fileName, bytes);
    }
    if (!reason.isEmpty()) {
        showFailure(parent, kPictureWhat, fileName, reason);
        return false;
    }
    return true;
}

bool writeChartPng(const ChartWheel& wheel, int widthPixels, const QString& fileName,
                   QWidget* parent) {
    QString reason;
    QByteArray bytes;
    if (widthPixels < 1 || widthPixels > kMaximumPictureWidth) {
        reason = QStringLiteral("A picture can be 1 to %1 pixels wide, not %2.")
                     .arg(kMaximumPictureWidth)
                     .arg(widthPixels);
    } else {
        const QSize size(widthPixels, pictureHeightForWidth(widthPixels));
        QImage image(size, QImage::Format_RGB32);
        if (image.isNull()) {
            reason = QStringLiteral("There is not enough memory for a picture of %1 x %2 pixels.")
                         .arg(size.width())
                         .arg(size.height());
        } else {
            image.fill(Qt::white);
            QPainter painter(&image);
            wheel.render(painter, QRectF(QPointF(0, 0), QSizeF(size)));
            painter.end();

            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImageWriter writer(&buffer, "png");
            if (!writer.write(image))
                reason = writer.errorString();
        }
    }
    if (reason.isEmpty())
        reason = writeAtomically(fileName, bytes);
    if (!reason.isEmpty()) {
        showFailure(parent, kPictureWhat, fileName, reason);
        return false;
    }
    return true;
}

std::unique_ptr<QTextDocument> reportDocumentWithTitle(const QTextDocument& report,
                                                       const ChartTitle& title) {
    auto document = std::make_unique<QTextDocument>();
    const QFont base = report.defaultFont();
    document->setDefaultFont(base);
    document->setMetaInformation(QTextDocument::DocumentTitle,
                                 title.name.isEmpty()
                                     ? QStringLiteral("Orbenza report")
                                     : QStringLiteral("Orbenza report of ") + title.name);

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
    // The computed-for line closes the title block with a rule under it.
    QTextBlockFormat closing = blockFormat(0, 8);
    closing.setProperty(QTextFormat::BlockTrailingHorizontalRulerWidth,
                        QTextLength(QTextLength::PercentageLength, 100));
    cursor.insertBlock(closing, charFormat(0.9, false, kQuietTextColour));
    cursor.insertText(title.computedFor);

    // The report box's caption on the chart screen, then the report itself: a
    // copy of the box's document, so the box is left as it is.
    cursor.insertBlock(blockFormat(10, 6), charFormat(1.15, true, Qt::black));
    cursor.insertText(QStringLiteral("Planets in Houses"));
    cursor.insertBlock(QTextBlockFormat(), charFormat(1.0, false, Qt::black));
    cursor.insertFragment(QTextDocumentFragment(&report));
    return document;
}

bool writeReportPdf(const QTextDocument& report, const ChartTitle& title, const QString& fileName,
                    QWidget* parent) {
    const QFileInfo target(fileName);
    QString reason;
    // The printer writes the document into a temporary file in the target's
    // folder (so the rename below stays on one file system); only a complete
    // document is renamed over the target. The temporary file is removed on
    // every other way out.
    QTemporaryFile temporary(
        target.absoluteDir().filePath(target.fileName() + QStringLiteral(".XXXXXX")));
    if (!temporary.open()) {
        reason = temporary.errorString();
    } else {
        const QString printed = temporary.fileName();
        temporary.close();

        const std::unique_ptr<QTextDocument> document = reportDocumentWithTitle(report, title);
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(printed);
        printer.setDocName(document->metaInformation(QTextDocument::DocumentTitle));
        printer.setCreator(kCaption);
        document->print(&printer);

        if (printer.printerState() == QPrinter::Error) {
            reason = QStringLiteral("The PDF document could not be written.");
        } else if (isCompletePdf(printed, reason) && syncToDisk(printed, reason)) {
            // A new file gets the usual permissions rather than the temporary
            // file's private ones; a replaced file keeps its own.
            const QFile::Permissions permissions =
                target.exists()
                    ? QFile::permissions(target.absoluteFilePath())
                    : QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
            QFile::setPermissions(printed, permissions);
            if (replaceFile(printed, target.absoluteFilePath(), reason)) {
                temporary.setAutoRemove(false);
                return true;
            }
        }
    }
    if (reason.isEmpty())
        reason = QStringLiteral("Unknown error");
    showFailure(parent, kReportWhat, fileName, reason);
    return false;
}

// ---------------------------------------------------------------------------

PictureSizeDialog::PictureSizeDialog(int suggestedWidth, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPictureSize"));
    setWindowTitle(QStringLiteral("Picture Size"));
    setFont(ReportBox::screenFont());

    auto* explanation = new QLabel(
        QStringLiteral("Width of the PNG picture. The height follows from it, so the wheel "
                       "keeps its proportions."),
        this);
    explanation->setObjectName(QStringLiteral("lblExplanation"));
    explanation->setWordWrap(true);

    m_width = new QSpinBox(this);
    m_width->setObjectName(QStringLiteral("spnWidth"));
    m_width->setRange(kMinimumPictureWidth, kMaximumPictureWidth);
    m_width->setSingleStep(100);
    m_width->setSuffix(QStringLiteral(" px"));
    m_width->setValue(std::clamp(suggestedWidth, kMinimumPictureWidth, kMaximumPictureWidth));
    m_width->setAccelerated(true);

    m_height = new QLabel(this);
    m_height->setObjectName(QStringLiteral("lblHeight"));
    m_height->setTextFormat(Qt::PlainText);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Width:"), m_width);
    form->addRow(QStringLiteral("Height:"), m_height);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(14, 14, 14, 14);
    layout->setSpacing(10);
    layout->addWidget(explanation);
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(m_width, &QSpinBox::valueChanged, this, &PictureSizeDialog::showHeight);
    showHeight();
    m_width->selectAll();
    m_width->setFocus();
    setMinimumWidth(340);
}

int PictureSizeDialog::widthPixels() const {
    return m_width->value();
}

void PictureSizeDialog::showHeight() {
    m_height->setText(QStringLiteral("%1 px").arg(pictureHeightForWidth(m_width->value())));
}

} // namespace orbenza
