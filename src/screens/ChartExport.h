// Export from the main window: the chart wheel as an SVG or PNG picture, and the
// report with a title block (who, when, where, and the universal moment the
// chart was computed for) as a PDF document.
//
// Every file is written in one step: completely, or on failure not at all, with
// any file that was there before left untouched. A failure is shown to the user
// with the file name and the reason; cancelling a dialog does nothing.
#pragma once

#include "SaveScreen.h"
#include "chart/ChartRun.h"

#include <QDialog>
#include <QImage>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QPainter;
class QRectF;
class QSpinBox;
class QTextDocument;

namespace orbenza {

class ChartScreen;
class ChartWheel;
class DegreeWheelView;

// The lines that say whose chart it is and what it was computed for.
struct ChartTitle {
    QString name;         // as typed; empty before any chart
    QString birthDetails; // "Born 15 June 1985 at 14:30 in New Delhi, Delhi, India"
    QString coordinates;  // "Latitude 28° 39' N, longitude 77° 13' E"
    QString computedFor;  // "Computed for 15 Jun 1985 09:00 UT, Indian Time, IST, +5.3"
    // "Ascendant Libra for births from 13:52 to 15:58; the same houses from 14:05 to 14:41"
    QString birthTimeWindow;
};

// The title of a computed chart; birthPlace as typed ("City, State, Country"),
// may be empty.
ChartTitle chartTitleOf(const ChartResult& chart, const QString& birthPlace);
// The title of the chart a chart screen shows; all empty before the first chart.
ChartTitle chartTitleOf(const ChartScreen& screen);

// What the export's save dialog is asked: as the save screen's request, plus the
// file name it offers first (without a folder).
struct ExportFileRequest {
    QString title;
    QStringList filters;
    QStringList defaultSuffixes; // one per filter, without the dot
    QString suggestedFileName;
};

// Shows the export's save dialog; an empty file name in the answer means
// cancelled. Tests replace it so no modal dialog blocks them.
using ExportFileChooser =
    std::function<SaveFileChoice(QWidget* parent, const ExportFileRequest& request)>;
// Replaces the chooser (nullptr restores the real file dialog); returns the
// previous one.
ExportFileChooser setExportFileChooser(ExportFileChooser chooser);

// The height in pixels of a picture of a wheel drawn widthPixels wide.
using PictureHeightForWidth = int (*)(int widthPixels);

// What the user chose in an export's save dialog: the file to write and the
// index of its format among the request's filters.
struct ChosenExportFile {
    QString fileName;
    qsizetype filterIndex = 0;
};
// Asks through the current chooser. A name ending in one of the request's
// extensions (any case) keeps it and has that format; any other name gets the
// chosen filter's extension. Nothing when cancelled.
std::optional<ChosenExportFile> chooseExportFile(QWidget* parent, const ExportFileRequest& request);
// Asks the width of a PNG picture through the current chooser; nothing when
// cancelled, else a width within the offered range.
std::optional<int> choosePictureWidth(QWidget* parent, int suggestedWidth,
                                      PictureHeightForWidth heightForWidth);

// Asks the width in pixels of a PNG picture, offering suggestedWidth and
// showing the height heightForWidth gives it; nothing when cancelled. Tests
// replace it.
using PictureWidthChooser = std::function<std::optional<int>(QWidget* parent, int suggestedWidth,
                                                             PictureHeightForWidth heightForWidth)>;
// Replaces the chooser (nullptr restores the real PictureSizeDialog); returns
// the previous one.
PictureWidthChooser setPictureWidthChooser(PictureWidthChooser chooser);

// The range of PNG widths offered, pixels. The largest keeps the picture below
// a quarter of a gigabyte in memory.
inline constexpr int kMinimumPictureWidth = 100;
inline constexpr int kMaximumPictureWidth = 8000;

// The filters of the save dialogs.
QString svgPictureFilter(); // "SVG image (*.svg)"
QString pngPictureFilter(); // "PNG image (*.png)"
QString pdfReportFilter();  // "PDF document (*.pdf)"

// Height in pixels of a picture of the whole wheel widthPixels wide, with the
// wheel's 6780:6495 aspect kept (at least 1).
int pictureHeightForWidth(int widthPixels);
// Pixels across the chart picture a PDF carries: sharp when printed about
// 5 inches wide at 300 dots an inch.
inline constexpr int kPdfPictureWidth = 1600;

// The PNG width offered first: twice the wheel as drawn on screen, in device
// pixels (so sharp on a high-density screen too), within the offered range.
int defaultPictureWidth(const ChartWheel& wheel);

// "File > Export Chart Picture...": asks for a file; a name ending in ".svg" or
// ".png" decides the format, any other name gets the chosen filter's extension
// added. A PNG then asks for its width. Writes the picture the screen shows:
// the sign wheel or the degree wheel.
void exportChartPicture(const ChartScreen& screen, QWidget* parent);
// "File > Save Report as PDF...": asks for a file (".pdf" added to a name
// without it) and writes the screen's report with its title block.
void saveReportAsPdf(const ChartScreen& screen, QWidget* parent);

// The writers behind them. Each writes fileName completely or leaves it as it
// was, shows a failure over parent, and returns whether the file was written.
//
// SVG: the whole wheel in its logical coordinates (view box 0 0 6780 6495, a
// physical size of 6780 x 6495 twips), white page, with the title "Orbenza
// chart of <name>" and the birth details and computed-for line as description.
bool writeChartSvg(const ChartWheel& wheel, const ChartTitle& title, const QString& fileName,
                   QWidget* parent);
// PNG: the whole wheel on white, widthPixels wide and pictureHeightForWidth high.
bool writeChartPng(const ChartWheel& wheel, int widthPixels, const QString& fileName,
                   QWidget* parent);
// PNG of any picture: paint draws it into the target rectangle it is given,
// on white, widthPixels x heightPixels.
bool writePicturePng(const std::function<void(QPainter&, const QRectF&)>& paint, int widthPixels,
                     int heightPixels, const QString& fileName, QWidget* parent);

// The degree wheel. SVG: the same document orbenza-cli --format svg writes for
// the chart, widthPixels wide. PNG: the view's picture on white, widthPixels
// wide and degreeWheelHeightForWidth high.
bool writeDegreeWheelSvg(const ChartResult& chart, int widthPixels, const QString& fileName,
                         QWidget* parent);
bool writeDegreeWheelPng(const DegreeWheelView& view, int widthPixels, const QString& fileName,
                         QWidget* parent);
int degreeWheelHeightForWidth(int widthPixels);
// The SVG's width: the wheel as drawn on the screen. The PNG width offered
// first: twice that in device pixels. Both within the offered range.
int degreeWheelSvgWidth(const DegreeWheelView& view);
int defaultDegreeWheelWidth(const DegreeWheelView& view);

// The chart picture a PDF carries under its title block: the wheel as drawn,
// and the line that names its house rule when the picture does not show it
// (empty for the degree wheel, which has it under the wheel).
struct PdfPicture {
    QImage image;
    QString caption;
};
// The picture the chart screen shows (the sign wheel or the degree wheel),
// widthPixels wide; an empty image before the first chart.
PdfPicture shownPdfPicture(const ChartScreen& screen, int widthPixels = kPdfPictureWidth);

// PDF: reportDocumentWithTitle printed through the printer's PDF output into a
// temporary file beside fileName, which replaces fileName only once complete.
bool writeReportPdf(const QTextDocument& report, const ChartTitle& title, const QString& fileName,
                    QWidget* parent, const PdfPicture& picture = {});

// A copy of the report (its colours and bold headings kept) under a title block:
// the name, the birth details, the coordinates, the computed-for line, the
// picture with its caption when there is one, then the heading "Planets in
// Houses". Blank lines at its end are left out.
std::unique_ptr<QTextDocument> reportDocumentWithTitle(const QTextDocument& report,
                                                       const ChartTitle& title,
                                                       const PdfPicture& picture = {});

} // namespace orbenza
