// The chart screen frmDisplay: the birth details, the Sun sign, Moon sign and
// Ascendant, the eleven positions, the chart wheel and the interpretation report.
#pragma once

#include "chart/ChartRun.h"

#include <QString>
#include <QWidget>
#include <array>
#include <optional>

class QLabel;
class QSplitter;
class QTabWidget;

namespace orbenza {

class AspectGrid;
class ChartWheel;
class DegreeWheelView;
class ElidedLabel;
class LinkLabel;
class ReportBox;
class TransitsTab;

class ChartScreen : public QWidget {
    Q_OBJECT

public:
    static constexpr int kPositionRows = 11; // Sun .. Pluto, Ascendant
    // Rows under them, lblPlanet11 .. lblPlanet16 in chart order: the
    // Midheaven, Chiron, the true and the mean node, Lilith, Part of Fortune.
    static constexpr int kPointRows = 6;

    explicit ChartScreen(QWidget* parent = nullptr);

    // The caution on the shown chart's clock time (before 1970, far from the
    // zone's principal city) under the details; showChart() clears it.
    void setClockCaution(const QString& sentence);
    // Fills every label, the report box and the wheel for a computed chart; city,
    // state and country as the user typed them.
    void showChart(const ChartResult& chart, const QString& city, const QString& state,
                   const QString& country);

    // The report box's whole plain text ("\r\n" line breaks), for the save screen.
    QString reportPlainText() const;

    // The chart last shown, for the title of an exported picture or report; empty
    // before the first showChart.
    const std::optional<ChartResult>& shownChart() const { return m_shownChart; }
    // City, state and country as shown, joined by ", ", the empty ones left out.
    QString birthPlace() const;

    // The mark beside a retrograde body in the positions table, as on the wheel.
    static QString retrogradeMark();

    ReportBox* reportBox() const { return m_report; }
    ChartWheel* wheel() const { return m_wheel; }
    DegreeWheelView* degreeWheel() const { return m_degreeWheel; }
    AspectGrid* aspectGrid() const { return m_aspectGrid; }
    // The Transits tab beside the pictures, and whether it is the one shown.
    TransitsTab* transitsTab() const { return m_transits; }
    bool showsTransits() const;

    // The chart pictures, one on each tab: the degree wheel (the chosen
    // houses, the aspect lines) first, the sign wheel (one sign to a house)
    // second, the aspect grid third.
    enum class Picture { SignWheel, DegreeWheel, AspectGrid };
    Picture shownPicture() const;
    void showPicture(Picture picture);
    // Where the last picture chosen is remembered between runs of the program.
    static QString pictureSettingKey();

private:
    // Shares the width beside the details column between the pictures and
    // the report: the pictures first, up to what their height can use.
    void balanceColumns();
    QWidget* buildDetailsColumn();
    QWidget* buildReportColumn();
    QWidget* buildPictureTabs();

    ElidedLabel* m_name = nullptr;
    QLabel* m_dob = nullptr;
    QLabel* m_tob = nullptr;
    ElidedLabel* m_city = nullptr;
    ElidedLabel* m_state = nullptr;
    ElidedLabel* m_country = nullptr;
    QLabel* m_latitude = nullptr;
    QLabel* m_longitude = nullptr;
    ElidedLabel* m_computedFor = nullptr;
    QLabel* m_clockCaution = nullptr; // lblClockCaution, hidden when empty
    QLabel* m_sunSign = nullptr;
    QLabel* m_rashi = nullptr;
    QLabel* m_lagna = nullptr;
    QLabel* m_birthTimeWindow = nullptr; // how far the birth time may be off
    QLabel* m_positionsMethod = nullptr; // classic or precise, under the positions
    std::array<QLabel*, kPositionRows> m_planets{};
    std::array<QLabel*, kPositionRows> m_retrograde{};
    std::array<QLabel*, kPointRows> m_points{};
    // The per-sign lists lblNatalAries .. lblNatalPisces: hidden working labels.
    std::array<QLabel*, 12> m_perSign{};
    ChartWheel* m_wheel = nullptr;
    DegreeWheelView* m_degreeWheel = nullptr;
    AspectGrid* m_aspectGrid = nullptr;
    QTabWidget* m_pictures = nullptr;
    TransitsTab* m_transits = nullptr;
    ReportBox* m_report = nullptr;
    LinkLabel* m_moreAnalysis = nullptr;
    QSplitter* m_splitter = nullptr;
    std::optional<ChartResult> m_shownChart;
};

} // namespace orbenza
