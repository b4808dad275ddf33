// The Transits tab of the chart screen: the chart inside a bi-wheel with the
// sky of a chosen moment round it (now, until the user moves it by the hour,
// the day or the month, or types another), and the exact transits of the
// twelve months from that moment, a double-click showing the sky of one of
// them.
#pragma once

#include "BiWheelExport.h"
#include "chart/ChartRun.h"
#include "wheel/BiWheel.h"

#include <QDateTime>
#include <QWidget>
#include <functional>
#include <optional>

class QDateTimeEdit;
class QLabel;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;

namespace orbenza {

class DegreeWheelView;

class TransitsTab : public QWidget {
    Q_OBJECT

public:
    explicit TransitsTab(QWidget* parent = nullptr);

    // The chart inside. The moment goes back to now. Whenever the moment
    // moves, other than by a double-click in the list, the list is found
    // anew for the twelve months from it.
    void setNatalChart(const ChartResult& chart);

    // The moment whose sky stands outside, UTC, to the second.
    QDateTime moment() const;
    // Shows the sky of a moment (taken to UTC and into the years the
    // positions cover).
    void setMoment(const QDateTime& moment);

    enum class Step { Hour, Day, Month };
    // Moves the moment by count hours, days or calendar months (a month from
    // the 31st lands on the month's last day).
    void step(Step step, int count);

    DegreeWheelView* wheelView() const { return m_wheelView; }
    const std::optional<BiWheel>& biWheel() const { return m_biWheel; }
    QTreeWidget* transitList() const { return m_list; }
    // The exact moment a row of the list stands for.
    static QDateTime exactMomentOf(const QTreeWidgetItem& row);

    // What an exported file carries besides the picture.
    BiWheelDocument document() const;
    // Asks for a file and writes the bi-wheel as SVG, PNG or PDF.
    void exportPicture();

    // The clock "now" is read from; tests set a fixed one. Returns the
    // previous one; nullptr restores the system clock.
    using Clock = std::function<QDateTime()>;
    static Clock setClock(Clock clock);

signals:
    void momentChanged(const QDateTime& moment);

private:
    QWidget* buildStepRow();
    void fillTransitList(const QDateTime& from);
    void redraw();

    QDateTimeEdit* m_momentEdit = nullptr;
    DegreeWheelView* m_wheelView = nullptr;
    QLabel* m_listHeading = nullptr;
    QTreeWidget* m_list = nullptr;
    QToolButton* m_export = nullptr;
    std::optional<ChartResult> m_natal;
    std::optional<BiWheel> m_biWheel;
    // Set while a row of the list shows its moment: the list is not found anew.
    bool m_keepList = false;
};

} // namespace orbenza
