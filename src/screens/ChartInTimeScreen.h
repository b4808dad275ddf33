// The Chart menu's screens: the birth chart inside a bi-wheel with a second
// chart round it, and the aspects of the outer chart's points to the birth
// chart's in a list. "Progressions…" shows the progressed chart of a date,
// "Solar Return…" the chart of a year's solar return, "Lunar Return…" the
// charts of a month's lunar returns, "Compare With…" another chart of the
// library (its points, or the composite of the two charts).
#pragma once

#include "BiWheelExport.h"
#include "atlas/Atlas.h"
#include "chart/ChartRun.h"
#include "predictive/Returns.h"
#include "store/ChartLibrary.h"
#include "wheel/BiWheel.h"

#include <QDialog>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QComboBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QMainWindow;
class QSpinBox;
class QTreeWidget;

namespace orbenza {

class DegreeWheelView;

class ChartInTimeScreen : public QDialog {
    Q_OBJECT

public:
    enum class Kind { Progressions, SolarReturn, LunarReturn, Compare };

    // The screen of one kind for a birth chart; a comparison needs the other
    // chart. With an available atlas, a return can be drawn for another place.
    ChartInTimeScreen(Kind kind, const ChartResult& natal, QWidget* parent = nullptr,
                      const std::optional<ChartResult>& other = std::nullopt,
                      std::shared_ptr<const atlas::Atlas> atlas = nullptr);

    Kind kind() const { return m_kind; }
    // The chart outside, when there is one for the choices made.
    const std::optional<ChartResult>& outerChart() const { return m_outer; }
    const std::optional<BiWheel>& biWheel() const { return m_biWheel; }
    DegreeWheelView* wheelView() const { return m_wheelView; }
    QTreeWidget* aspectList() const { return m_list; }
    QLabel* momentLabel() const { return m_moment; }

    // The choices, as the fields set them.
    void setProgressionDate(const QDate& date);
    void setReturnYear(int year);
    void setReturnMonth(int month); // 1 ... 12
    // Which of the month's lunar returns is shown, 0 first.
    void showLunarReturn(int index);
    int lunarReturnCount() const;
    void setComposite(bool composite);
    // Where a return is drawn: a place of the atlas, or the birth place for
    // an empty text. A text the atlas does not resolve to one place keeps the
    // place there was, and says why.
    void setReturnPlace(const QString& text);

    BiWheelDocument document() const;
    void exportPicture();

private:
    QWidget* buildChoiceRow();
    void recompute();
    void showOuterChart(const ChartResult& outer, const std::vector<AspectFound>& aspects,
                        const QString& caption);
    void showNothing(const QString& why);
    QString outerColumnName() const;

    Kind m_kind;
    ChartResult m_natal;
    std::optional<ChartResult> m_other;
    std::optional<ChartResult> m_outer;
    std::optional<BiWheel> m_biWheel;
    std::vector<double> m_lunarReturnMoments;
    std::shared_ptr<const atlas::Atlas> m_atlas;
    std::optional<ReturnPlace> m_place; // none: the birth place
    QString m_placeProblem;

    QDateEdit* m_date = nullptr;
    QSpinBox* m_year = nullptr;
    QComboBox* m_month = nullptr;
    QComboBox* m_lunarReturn = nullptr;
    QComboBox* m_compareMode = nullptr;
    QLineEdit* m_placeBox = nullptr;
    QLabel* m_moment = nullptr;
    DegreeWheelView* m_wheelView = nullptr;
    QTreeWidget* m_list = nullptr;
};

// What the Chart menu needs from the program: the chart on view, the library
// to pick a chart from (nullptr when it cannot be opened), the place atlas
// for relocated returns and the way to show the library's dialog modally.
struct ChartMenuSupport {
    std::function<std::optional<ChartResult>()> shownChart;
    std::function<store::ChartLibrary*()> library;
    std::function<std::shared_ptr<const atlas::Atlas>()> atlas;
    std::function<void(QDialog&)> runModal;
};

// Adds the "&Chart" menu after the window's first menu: "&Progressions…",
// "&Solar Return…", "&Lunar Return…" and "&Compare With…". Each opens its
// screen over the window, for the chart on view.
void addChartMenu(QMainWindow* window, const ChartMenuSupport& support);

} // namespace orbenza
