// The chart settings: the house system, the aspects listed and their orbs,
// remembered between runs of the program, and the dialog that changes them.
#pragma once

#include "base/Aspect.h"
#include "chart/ChartRun.h"

#include <QDialog>
#include <array>

class QComboBox;
class QDoubleSpinBox;

namespace orbenza {

// The choices the screens draw charts with: the remembered ones, or the
// defaults (equal houses, major aspects, the documented orbs) where nothing
// readable is remembered.
ChartChoices storedChartChoices();
void storeChartChoices(const ChartChoices& choices);

class ChartSettingsDialog : public QDialog {
    Q_OBJECT

public:
    explicit ChartSettingsDialog(const ChartChoices& current, QWidget* parent = nullptr);

    // What the dialog shows now: the house system, the aspect set, the orbs.
    ChartChoices choices() const;

    // The name of a house system as the dialog lists it ("Placidus", "Equal
    // houses from the Ascendant's degree").
    static QString houseSystemTitle(HouseSystem system);

private:
    void restoreDefaults();

    QComboBox* m_houseSystem = nullptr;
    QComboBox* m_aspectSet = nullptr;
    std::array<QDoubleSpinBox*, kAspectCount> m_orbs{};
    ChartChoices m_base; // what the dialog does not change is kept from here
};

} // namespace orbenza
