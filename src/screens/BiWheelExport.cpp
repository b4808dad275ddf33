#include "BiWheelExport.h"

#include "ChartExport.h"
#include "DegreeWheelView.h"
#include "FileSaving.h"
#include "UserMessages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QTextTable>
#include <QTreeWidget>
#include <QUrl>

namespace orbenza {

namespace {

class BiWheelExportText {
    Q_DECLARE_TR_FUNCTIONS(BiWheelExport)
};

// The picture's width in the PDF, in the document's units of 1/96 inch: five
// inches, as the chart report carries its wheel.
constexpr double kPdfPictureWidthUnits = 480.0;

void showFailure(QWidget* parent, const QString& fileName, const QString& reason) {
    showUserMessage(
        parent,
        BiWheelExportText::tr("The chart picture could not be saved to \"%1\".\n\n%2")
            .arg(QDir::toNativeSeparators(QFileInfo(fileName).absoluteFilePath()), reason),
        MessageIcon::Error);
}

bool saved(const QString& fileName, const QByteArray& bytes, QWidget* parent) {
    const QString reason = FileSaving::writeAtomically(fileName, bytes);
    if (reason.isEmpty())
        return true;
    showFailure(parent, fileName, reason);
    return false;
}

// The PDF's content: the title block, the picture, the list as a table.
std::unique_ptr<QTextDocument> pdfDocument(const DegreeWheelView& view,
                                           const BiWheelDocument& content) {
    auto document = std::make_unique<QTextDocument>();
    document->setMetaInformation(QTextDocument::DocumentTitle, content.title);
    QTextCursor cursor(document.get());
    QTextCharFormat heading;
    heading.setFontPointSize(16);
    heading.setFontWeight(QFont::Bold);
    cursor.insertText(content.title, heading);
    for (const QString& line : content.descriptions) {
        cursor.insertBlock();
        cursor.insertText(line, QTextCharFormat());
    }

    QImage image(kPdfPictureWidth, degreeWheelHeightForWidth(kPdfPictureWidth),
                 QImage::Format_RGB32);
    if (!image.isNull()) {
        image.fill(Qt::white);
        QPainter painter(&image);
        view.render(painter, QRectF(image.rect()));
        painter.end();
        const QUrl name(QStringLiteral("orbenza-bi-wheel.png"));
        document->addResource(QTextDocument::ImageResource, name, image);
        QTextBlockFormat centred;
        centred.setAlignment(Qt::AlignHCenter);
        centred.setTopMargin(8);
        cursor.insertBlock(centred);
        QTextImageFormat picture;
        picture.setName(name.toString());
        picture.setWidth(kPdfPictureWidthUnits);
        picture.setHeight(kPdfPictureWidthUnits * image.height() / image.width());
        cursor.insertImage(picture);
    }

    if (!content.listHeading.isEmpty()) {
        QTextBlockFormat spaced;
        spaced.setTopMargin(10);
        cursor.insertBlock(spaced);
        QTextCharFormat bold;
        bold.setFontWeight(QFont::Bold);
        cursor.insertText(content.listHeading, bold);
        const int columns = static_cast<int>(content.listColumns.size());
        if (columns > 0) {
            QTextTableFormat table;
            table.setCellPadding(2);
            table.setBorderStyle(QTextFrameFormat::BorderStyle_None);
            table.setHeaderRowCount(1);
            QTextTable* rows =
                cursor.insertTable(static_cast<int>(content.listRows.size()) + 1, columns, table);
            for (int c = 0; c < columns; ++c)
                rows->cellAt(0, c).firstCursorPosition().insertText(content.listColumns[c], bold);
            for (int r = 0; r < content.listRows.size(); ++r)
                for (int c = 0; c < columns && c < content.listRows[r].size(); ++c)
                    rows->cellAt(r + 1, c).firstCursorPosition().insertText(content.listRows[r][c]);
        }
    }
    return document;
}

} // namespace

void addListTo(BiWheelDocument& document, const QTreeWidget& list) {
    for (int c = 0; c < list.columnCount(); ++c)
        document.listColumns << list.headerItem()->text(c);
    for (int r = 0; r < list.topLevelItemCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < list.columnCount(); ++c)
            cells << list.topLevelItem(r)->text(c);
        document.listRows << cells;
    }
}

QStringList biWheelExportFilters() {
    return {svgPictureFilter(), pngPictureFilter(), pdfReportFilter()};
}

bool exportBiWheel(const BiWheel& wheel, const DegreeWheelView& view,
                   const BiWheelDocument& document, QWidget* parent) {
    const ExportFileRequest request{
        BiWheelExportText::tr("Export Chart Picture"),
        biWheelExportFilters(),
        {QStringLiteral("svg"), QStringLiteral("png"), QStringLiteral("pdf")},
        FileSaving::suggestedFileName(document.name, document.what, QStringLiteral("svg"))};
    const std::optional<ChosenExportFile> target = chooseExportFile(parent, request);
    if (!target)
        return false;
    switch (target->filterIndex) {
    case 1: {
        const std::optional<int> width =
            choosePictureWidth(parent, defaultDegreeWheelWidth(view), degreeWheelHeightForWidth);
        return width && writeDegreeWheelPng(view, *width, target->fileName, parent);
    }
    case 2:
        return writeBiWheelPdf(view, document, target->fileName, parent);
    default:
        return writeBiWheelSvg(wheel, degreeWheelSvgWidth(view), document, target->fileName,
                               parent);
    }
}

bool writeBiWheelSvg(const BiWheel& wheel, int widthPixels, const BiWheelDocument& document,
                     const QString& fileName, QWidget* parent) {
    const std::string svg =
        biWheelSvg(wheel, widthPixels,
                   {document.title.toStdString(),
                    document.descriptions.join(QLatin1Char('\n')).toStdString()});
    return saved(fileName, QByteArray(svg.data(), static_cast<qsizetype>(svg.size())), parent);
}

bool writeBiWheelPdf(const DegreeWheelView& view, const BiWheelDocument& content,
                     const QString& fileName, QWidget* parent) {
    // The printer prints only into a file: into a private temporary one,
    // which then replaces the chosen file in one step.
    QTemporaryFile temporary(QDir(QDir::tempPath()).filePath(QStringLiteral("orbenza-XXXXXX.pdf")));
    if (!temporary.open()) {
        showFailure(parent, fileName, temporary.errorString());
        return false;
    }
    temporary.close();
    const std::unique_ptr<QTextDocument> document = pdfDocument(view, content);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(temporary.fileName());
    printer.setDocName(content.title);
    document->print(&printer);
    QFile printed(temporary.fileName());
    if (printer.printerState() == QPrinter::Error || !printed.open(QIODevice::ReadOnly)) {
        showFailure(parent, fileName,
                    BiWheelExportText::tr("The PDF document could not be written."));
        return false;
    }
    return saved(fileName, printed.readAll(), parent);
}

} // namespace orbenza
