// Export of a bi-wheel (the transits, a progressed or return chart, two charts
// compared): the picture as SVG or PNG, or as a PDF document with a title
// block over it and the screen's list under it.
#pragma once

#include "wheel/BiWheel.h"

#include <QString>
#include <QStringList>

class QTreeWidget;
class QWidget;

namespace orbenza {

class DegreeWheelView;

// Everything a bi-wheel's files carry besides the picture.
struct BiWheelDocument {
    QString title;            // "Transits of ANNA"
    QStringList descriptions; // the lines under the title: whose chart, which moment
    QString name;             // the person's name, for the file name offered
    QString what;             // what the picture shows: "transits", "progressions"
    QString listHeading;      // "Exact transits"; no list when empty
    QStringList listColumns;  // the list's column headings
    QList<QStringList> listRows;
};

// Copies a list's column headings and rows, as shown, into the document.
void addListTo(BiWheelDocument& document, const QTreeWidget& list);

// The file filters offered, in this order: SVG, PNG, PDF.
QStringList biWheelExportFilters();

// Asks for a file; the name's extension (or the chosen filter) decides the
// format. A PNG asks for its width too. Writes the bi-wheel as the view shows
// it; a failure is shown over parent, cancelling does nothing. Returns whether
// a file was written.
bool exportBiWheel(const BiWheel& wheel, const DegreeWheelView& view,
                   const BiWheelDocument& document, QWidget* parent);

// The writers behind it: each writes the file completely or leaves it as it
// was, shows a failure over parent and returns whether the file was written.
bool writeBiWheelSvg(const BiWheel& wheel, int widthPixels, const BiWheelDocument& document,
                     const QString& fileName, QWidget* parent);
bool writeBiWheelPdf(const DegreeWheelView& view, const BiWheelDocument& document,
                     const QString& fileName, QWidget* parent);

} // namespace orbenza
