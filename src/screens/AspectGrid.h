// The aspect grid: the triangle of the chart's aspect points, one cell for
// each pair, holding the aspect's sign, its orb and A (applying) or S
// (separating), coloured by the aspect's family as the wheel's lines are.
#pragma once

#include "chart/ChartRun.h"

#include <QTableWidget>

namespace orbenza {

class AspectGrid : public QTableWidget {
    Q_OBJECT

public:
    explicit AspectGrid(QWidget* parent = nullptr);

    // Fills the grid from the chart's aspects; a pair without one is empty.
    void showChart(const ChartResult& chart);

    // The text of a cell: the aspect's sign, then "2°14′ A" (orb, applying)
    // or "0°05′ S" (separating) on a second line.
    static QString cellText(const AspectFound& aspect);
    // The sign of an aspect: ☌ ☍ △ □ ✶, Qx (quincunx), SSx (semi-sextile),
    // ∠, Sq (sesquiquadrate), Q and bQ (the quintiles).
    static QString aspectSign(Aspect aspect);
};

} // namespace orbenza
