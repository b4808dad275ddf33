// File → "Import AAF…" and "Export AAF…" of the open chart dialog: the
// library's charts in the AAF exchange format other astrology programs share.
#pragma once

#include "UserMessages.h"
#include "store/ChartLibrary.h"

#include <QString>
#include <functional>

class QWidget;

namespace orbenza {

// Asks for the file to import (forSaving false) or to export to; empty when
// the user cancels. Tests put a recorder in place of the file dialog.
using AafFileChooser = std::function<QString(QWidget* parent, bool forSaving)>;
AafFileChooser setAafFileChooser(AafFileChooser chooser);
QString chooseAafFile(QWidget* parent, bool forSaving);

// What an import or export tells the user.
struct ExchangeReport {
    QString text;
    MessageIcon icon = MessageIcon::Information;
    int charts = 0; // imported or exported
};

// Reads the AAF file and adds the charts that can be read in one
// transaction; the others are named with their lines in the report. A
// progress dialog on parent shows when storing takes longer than a second.
ExchangeReport importAafCharts(store::ChartLibrary& library, const QString& path, QWidget* parent);

// Writes every chart of the library to the file, whole or not at all.
ExchangeReport exportAafCharts(store::ChartLibrary& library, const QString& path);

} // namespace orbenza
