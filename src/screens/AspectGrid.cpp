#include "AspectGrid.h"

#include "PredictiveTexts.h"

#include <QHeaderView>
#include <QLocale>
#include <array>
#include <cmath>

namespace orbenza {

namespace {

// The usual signs where the screen's fonts carry them (DejaVu has no quincunx
// or semi-sextile sign, nor the sextile's asterisk), letters otherwise.
constexpr std::array<const char*, kAspectCount> kAspectSigns{
    "\u260C", "\u260D", "\u25B3", "\u25A1", "\u2736", "Qx", "SSx", "\u2220", "Sq", "Q", "bQ"};

// The families' colours, lighter than the wheel's lines so the text stays
// readable on them.
QColor familyColour(AspectFamily family) {
    switch (family) {
    case AspectFamily::Harmonious:
        return {0xD6, 0xE4, 0xFA};
    case AspectFamily::Challenging:
        return {0xF8, 0xD8, 0xD8};
    case AspectFamily::Conjunction:
        return {0xD8, 0xEE, 0xDF};
    case AspectFamily::Minor:
        break;
    }
    return {0xEE, 0xF1, 0xF7};
}

QString pointLabel(Body body) {
    return pointLabelText(body);
}

} // namespace

AspectGrid::AspectGrid(QWidget* parent) : QTableWidget(parent) {
    setObjectName(QStringLiteral("tblAspectGrid"));
    setAccessibleName(tr("Aspect grid"));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setWordWrap(true);
    const int count = static_cast<int>(kChartAspectPointCount);
    setRowCount(count);
    setColumnCount(count);
    QStringList labels;
    for (Body body : kChartAspectPoints)
        labels << pointLabel(body);
    setVerticalHeaderLabels(labels);
    setHorizontalHeaderLabels(labels);
    horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
}

QString AspectGrid::aspectSign(Aspect aspect) {
    return QString::fromUtf8(kAspectSigns[static_cast<std::size_t>(aspect)]);
}

QString AspectGrid::cellText(const AspectFound& aspect) {
    // Whole minutes of the orb, rounded down as the positions are.
    const int minutes = static_cast<int>(std::floor(aspect.orbDeg * 60.0 + 1e-9));
    return QStringLiteral("%1\n%2\u00B0%3\u2032 %4")
        .arg(aspectSign(aspect.aspect))
        .arg(minutes / 60)
        .arg(minutes % 60, 2, 10, QLatin1Char('0'))
        .arg(aspect.applying ? QStringLiteral("A") : QStringLiteral("S"));
}

void AspectGrid::showChart(const ChartResult& chart) {
    clearContents();
    // The triangle below the diagonal: row b, column a for a before b.
    const auto position = [](Body body) {
        for (std::size_t i = 0; i < kChartAspectPoints.size(); ++i)
            if (kChartAspectPoints[i] == body)
                return static_cast<int>(i);
        return -1;
    };
    for (const AspectFound& aspect : chart.aspects) {
        const int row = position(aspect.b), column = position(aspect.a);
        if (row < 0 || column < 0)
            continue;
        auto* cell = new QTableWidgetItem(cellText(aspect));
        cell->setTextAlignment(Qt::AlignCenter);
        cell->setBackground(familyColour(aspectKind(aspect.aspect).family));
        cell->setToolTip(
            tr("%1 %2 %3, orb %4\u00B0, %5")
                .arg(pointLabel(aspect.a), aspectNameText(aspect.aspect), pointLabel(aspect.b))
                .arg(QLocale().toString(aspect.orbDeg, 'f', 2))
                .arg(aspect.applying ? tr("applying") : tr("separating")));
        setItem(row, column, cell);
    }
    // The cells on and above the diagonal hold nothing and are greyed.
    for (int row = 0; row < rowCount(); ++row)
        for (int column = row; column < columnCount(); ++column) {
            auto* blank = new QTableWidgetItem;
            blank->setFlags(Qt::NoItemFlags);
            blank->setBackground(palette().window());
            setItem(row, column, blank);
        }
}

} // namespace orbenza
