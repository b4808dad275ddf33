// The chart settings (house system, aspects, orbs) and what the chart screen
// shows with them: the Midheaven and the other points in the positions table,
// the aspect lines in the degree wheel, the aspect grid.
#include "AspectGrid.h"
#include "ChartScreen.h"
#include "ChartSettingsDialog.h"
#include "ChartWheel.h"
#include "DegreeWheelView.h"
#include "Languages.h"
#include "PredictiveTexts.h"
#include "ReportScreensTestSupport.h"
#include "present/PositionText.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <gtest/gtest.h>

namespace orbenza {
namespace {

ChartChoices customChoices() {
    ChartChoices choices;
    choices.houseSystem = HouseSystem::Koch;
    choices.aspectSet = AspectSet::All;
    choices.orbs[Aspect::Trine] = 6.5;
    choices.orbs[Aspect::Quintile] = 0.5;
    return choices;
}

TEST(ChartSettings, AreRememberedAndUnreadableOnesFallBackToTheDefaults) {
    storeChartChoices(customChoices());
    const ChartChoices stored = storedChartChoices();
    EXPECT_EQ(stored.houseSystem, HouseSystem::Koch);
    EXPECT_EQ(stored.aspectSet, AspectSet::All);
    EXPECT_EQ(stored.orbs, customChoices().orbs);

    QSettings settings(QStringLiteral("Orbenza"), QStringLiteral("Orbenza"));
    settings.setValue(QStringLiteral("chart/houseSystem"), QStringLiteral("Koch"));
    settings.setValue(QStringLiteral("chart/aspects"), QStringLiteral("some"));
    settings.setValue(QStringLiteral("chart/orbs/trine"), QStringLiteral("wide"));
    settings.setValue(QStringLiteral("chart/orbs/square"), -1.0);
    settings.sync();
    const ChartChoices fallen = storedChartChoices();
    const ChartChoices defaults;
    EXPECT_EQ(fallen.houseSystem, defaults.houseSystem);
    EXPECT_EQ(fallen.aspectSet, defaults.aspectSet);
    EXPECT_EQ(fallen.orbs[Aspect::Trine], defaults.orbs[Aspect::Trine]);
    EXPECT_EQ(fallen.orbs[Aspect::Square], defaults.orbs[Aspect::Square]);
    EXPECT_EQ(fallen.orbs[Aspect::Quintile], 0.5); // still readable
    settings.remove(QStringLiteral("chart"));
}

TEST(ChartSettingsDialog, ShowsTheChoicesGivesBackTheEditedOnesAndRestoresDefaults) {
    ChartSettingsDialog dialog(customChoices());
    auto* system = dialog.findChild<QComboBox*>(QStringLiteral("cboHouseSystem"));
    auto* set = dialog.findChild<QComboBox*>(QStringLiteral("cboAspectSet"));
    auto* trine = dialog.findChild<QDoubleSpinBox*>(QStringLiteral("spnOrb_trine"));
    ASSERT_TRUE(system && set && trine);
    EXPECT_EQ(system->count(), static_cast<int>(kHouseSystemCount));
    EXPECT_EQ(system->currentData().toString(), QStringLiteral("koch"));
    EXPECT_EQ(set->currentData().toString(), QStringLiteral("all"));
    EXPECT_DOUBLE_EQ(trine->value(), 6.5);

    system->setCurrentIndex(system->findData(QStringLiteral("placidus")));
    trine->setValue(5.0);
    EXPECT_EQ(dialog.choices().houseSystem, HouseSystem::Placidus);
    EXPECT_EQ(dialog.choices().orbs[Aspect::Trine], 5.0);

    auto* buttons = dialog.findChild<QDialogButtonBox*>(QStringLiteral("buttons"));
    buttons->button(QDialogButtonBox::RestoreDefaults)->click();
    const ChartChoices restored = dialog.choices();
    EXPECT_EQ(restored.houseSystem, kDefaultHouseSystem);
    EXPECT_EQ(restored.aspectSet, AspectSet::Major);
    EXPECT_EQ(restored.orbs, OrbTable{});
}

TEST(ChartScreenPoints, TheMidheavenAndOtherPointsTheAspectLinesAndTheGrid) {
    ChartChoices choices;
    choices.houseSystem = HouseSystem::Placidus;
    choices.aspectSet = AspectSet::All;
    const ChartResult chart = runChart(testing::annaEntries(), choices);
    ASSERT_FALSE(chart.aspects.empty());
    ChartScreen screen;
    screen.showChart(chart, {}, {}, {});

    const auto shown = [&screen](int row) {
        return screen.findChild<QLabel*>(QStringLiteral("lblPlanet%1").arg(row))
            ->text()
            .toStdString();
    };
    EXPECT_EQ(shown(11), shortPositionText(chart.angles.mcDeg));
    EXPECT_EQ(screen.findChild<QLabel*>(QStringLiteral("PlanetName11"))->text(), "MC");
    for (Body point : {Body::Chiron, Body::TrueNode, Body::MeanNode, Body::Lilith, Body::Fortune})
        EXPECT_EQ(shown(static_cast<int>(indexOf(point))),
                  shortPositionText(chart.pointLongitudesDeg[point]))
            << bodyName(point);

    // The sign wheel lists each point in its sign's house, under the bodies.
    const auto signHouse = [&chart](Body point) {
        const auto sign = static_cast<int>(chart.pointLongitudesDeg[point] / 30.0);
        return ((sign - static_cast<int>(indexOf(chart.ascendantSign()))) % 12 + 12) % 12;
    };
    for (const char* label : {"Chiron", "True Node", "Mean Node", "Lilith", "Fortune"}) {
        const Body point = *bodyNamed(label);
        EXPECT_TRUE(screen.wheel()
                        ->pointsText(signHouse(point))
                        .split(QStringLiteral("\r\n"))
                        .contains(QString::fromLatin1(label)))
            << label;
    }

    // The wheel on the screen: the chosen cusps, the Midheaven, the lines.
    const auto& wheel = screen.degreeWheel()->wheel();
    ASSERT_TRUE(wheel.has_value());
    EXPECT_EQ(wheel->cuspLongitudeDeg, chart.cuspsDeg);
    std::size_t lines = 0, midheaven = 0;
    for (const WheelItem& item : wheel->items)
        if (const auto* line = std::get_if<WheelLine>(&item)) {
            lines += line->role == WheelRole::AspectLine;
            midheaven += line->role == WheelRole::Midheaven;
        }
    std::size_t expectedLines = 0;
    for (const AspectFound& aspect : chart.aspects)
        expectedLines += aspect.aspect != Aspect::Conjunction;
    EXPECT_EQ(lines, expectedLines);
    EXPECT_EQ(midheaven, 1u);

    // The grid: a cell below the diagonal for each aspect, empty elsewhere.
    const AspectGrid* grid = screen.aspectGrid();
    int filled = 0;
    for (int row = 0; row < grid->rowCount(); ++row)
        for (int column = 0; column < grid->columnCount(); ++column) {
            const QTableWidgetItem* cell = grid->item(row, column);
            if (cell != nullptr && !cell->text().isEmpty()) {
                ++filled;
                EXPECT_LT(column, row);
            }
        }
    EXPECT_EQ(filled, static_cast<int>(chart.aspects.size()));
    const AspectFound& first = chart.aspects.front();
    const int row = static_cast<int>(indexOf(first.b)), column = static_cast<int>(indexOf(first.a));
    EXPECT_EQ(grid->item(row, column)->text(), AspectGrid::cellText(first));
}

TEST(AspectGridWords, FollowTheScreensLanguage) {
    ChartChoices choices;
    choices.aspectSet = AspectSet::All;
    const ChartResult chart = runChart(testing::annaEntries(), choices);
    ASSERT_FALSE(chart.aspects.empty());
    const AspectFound& first = chart.aspects.front();
    const int row = static_cast<int>(indexOf(first.b)), column = static_cast<int>(indexOf(first.a));

    ASSERT_TRUE(installLanguage(Language::German));
    AspectGrid german;
    german.showChart(chart);
    const QString germanWords = pointLabelText(first.a) + QLatin1Char(' ') +
                                aspectNameText(first.aspect) + QLatin1Char(' ') +
                                pointLabelText(first.b);
    installLanguage(Language::English);
    AspectGrid english;
    english.showChart(chart);

    EXPECT_EQ(german.horizontalHeaderItem(0)->text(), QStringLiteral("Sonne"));
    EXPECT_EQ(german.horizontalHeaderItem(10)->text(), QStringLiteral("AC"));
    EXPECT_EQ(english.horizontalHeaderItem(0)->text(), QStringLiteral("Sun"));
    EXPECT_TRUE(german.item(row, column)->toolTip().startsWith(germanWords))
        << german.item(row, column)->toolTip().toStdString();
    // The orb with the language's decimal separator.
    const QString orb = QString::number(first.orbDeg, 'f', 2);
    EXPECT_TRUE(german.item(row, column)->toolTip().contains(QString(orb).replace('.', ',')));
    EXPECT_TRUE(english.item(row, column)->toolTip().contains(orb));
    EXPECT_NE(germanWords, pointLabelText(first.a) + QLatin1Char(' ') +
                               aspectNameText(first.aspect) + QLatin1Char(' ') +
                               pointLabelText(first.b));
}

TEST(AspectGridCell, SignOrbInWholeMinutesAndAppliedOrSeparating) {
    AspectFound trine{Body::Sun, Body::Moon, Aspect::Trine, 122.25, 2.2499, true};
    EXPECT_EQ(AspectGrid::cellText(trine), QString::fromUtf8("\u25B3\n2\u00B014\u2032 A"));
    AspectFound exact{Body::Mars, Body::TrueNode, Aspect::Opposition, 180.0, 0.0, false};
    EXPECT_EQ(AspectGrid::cellText(exact), QString::fromUtf8("\u260D\n0\u00B000\u2032 S"));
}

} // namespace
} // namespace orbenza
