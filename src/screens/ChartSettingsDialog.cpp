#include "ChartSettingsDialog.h"

#include "UserMessages.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSettings>
#include <QVBoxLayout>
#include <cmath>

namespace orbenza {

namespace {

// Where the choices are remembered: the house system and the aspect set by
// the names the command line uses, each orb under its aspect's name.
constexpr auto kHouseSystemKey = "chart/houseSystem";
constexpr auto kAspectSetKey = "chart/aspects";
constexpr auto kOrbGroup = "chart/orbs";
// The widest orb the dialog offers; degrees.
constexpr double kLargestOrbDeg = 15.0;

QSettings programSettings() {
    return QSettings(QStringLiteral("Orbenza"), QStringLiteral("Orbenza"));
}

QString latin1(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

constexpr std::array<const char*, kHouseSystemCount> kHouseSystemTitles{
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Placidus"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Koch"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Porphyry"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Regiomontanus"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Campanus"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Alcabitius"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Topocentric (Polich-Page)"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Morinus"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Meridian (axial rotation)"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Whole sign"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Equal houses from the Ascendant's degree"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Equal houses from the Midheaven"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog",
                      "Equal houses of whole degrees, as the report has always counted")};

constexpr std::array<const char*, kAspectCount> kAspectTitles{
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Conjunction"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Opposition"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Trine"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Square"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Sextile"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Quincunx"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Semi-sextile"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Semi-square"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Sesquiquadrate"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Quintile"),
    QT_TRANSLATE_NOOP("orbenza::ChartSettingsDialog", "Biquintile")};

} // namespace

ChartChoices storedChartChoices() {
    QSettings settings = programSettings();
    ChartChoices choices;
    const std::string system =
        settings.value(QLatin1String(kHouseSystemKey)).toString().toStdString();
    choices.houseSystem = houseSystemNamed(system).value_or(kDefaultHouseSystem);
    const std::string set = settings.value(QLatin1String(kAspectSetKey)).toString().toStdString();
    choices.aspectSet = aspectSetNamed(set).value_or(AspectSet::Major);
    settings.beginGroup(QLatin1String(kOrbGroup));
    for (std::size_t i = 0; i < kAspectCount; ++i) {
        bool ok = false;
        const double orb = settings.value(latin1(kAspectKinds[i].name)).toDouble(&ok);
        if (ok && std::isfinite(orb) && orb >= 0.0 && orb <= kLargestOrbDeg)
            choices.orbs.orbDeg[i] = orb;
    }
    return choices;
}

void storeChartChoices(const ChartChoices& choices) {
    QSettings settings = programSettings();
    settings.setValue(QLatin1String(kHouseSystemKey), latin1(houseSystemName(choices.houseSystem)));
    settings.setValue(QLatin1String(kAspectSetKey), latin1(aspectSetName(choices.aspectSet)));
    settings.beginGroup(QLatin1String(kOrbGroup));
    for (std::size_t i = 0; i < kAspectCount; ++i)
        settings.setValue(latin1(kAspectKinds[i].name), choices.orbs.orbDeg[i]);
}

QString ChartSettingsDialog::houseSystemTitle(HouseSystem system) {
    return tr(kHouseSystemTitles[static_cast<std::size_t>(system)]);
}

ChartSettingsDialog::ChartSettingsDialog(const ChartChoices& current, QWidget* parent)
    : QDialog(parent), m_base(current) {
    setObjectName(QStringLiteral("frmChartSettings"));
    setWindowTitle(tr("Chart Settings"));

    auto* houses = new QGroupBox(tr("Houses"), this);
    auto* housesForm = new QFormLayout(houses);
    m_houseSystem = new QComboBox(houses);
    m_houseSystem->setObjectName(QStringLiteral("cboHouseSystem"));
    for (std::size_t i = 0; i < kHouseSystemCount; ++i)
        m_houseSystem->addItem(houseSystemTitle(static_cast<HouseSystem>(i)),
                               latin1(kHouseSystemNames[i]));
    housesForm->addRow(tr("House &system:"), m_houseSystem);
    auto* polar = new QLabel(tr("Where Placidus or Koch have no cusps (near and beyond the polar "
                                "circles) the chart uses Porphyry and says so."),
                             houses);
    polar->setWordWrap(true);
    polar->setForegroundRole(QPalette::PlaceholderText);
    housesForm->addRow(polar);

    auto* aspects = new QGroupBox(tr("Aspects"), this);
    auto* aspectsForm = new QFormLayout(aspects);
    m_aspectSet = new QComboBox(aspects);
    m_aspectSet->setObjectName(QStringLiteral("cboAspectSet"));
    m_aspectSet->addItem(tr("The five major aspects"), latin1(aspectSetName(AspectSet::Major)));
    m_aspectSet->addItem(tr("All eleven aspects"), latin1(aspectSetName(AspectSet::All)));
    aspectsForm->addRow(tr("&List:"), m_aspectSet);
    for (std::size_t i = 0; i < kAspectCount; ++i) {
        auto* orb = new QDoubleSpinBox(aspects);
        orb->setObjectName(QStringLiteral("spnOrb_") + latin1(kAspectKinds[i].name));
        orb->setRange(0.0, kLargestOrbDeg);
        orb->setDecimals(1);
        orb->setSingleStep(0.5);
        orb->setSuffix(QStringLiteral("\u00B0"));
        m_orbs[i] = orb;
        aspectsForm->addRow(tr("%1 orb:").arg(tr(kAspectTitles[i])), orb);
    }
    auto* bonus = new QLabel(tr("A major aspect with the Sun or the Moon in it has %1\u00B0 more.")
                                 .arg(kLuminaryOrbBonusDeg),
                             aspects);
    bonus->setWordWrap(true);
    bonus->setForegroundRole(QPalette::PlaceholderText);
    aspectsForm->addRow(bonus);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::RestoreDefaults, this);
    buttons->setObjectName(QStringLiteral("buttons"));
    nameStandardButtons(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons->button(QDialogButtonBox::RestoreDefaults), &QPushButton::clicked, this,
            &ChartSettingsDialog::restoreDefaults);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(houses);
    layout->addWidget(aspects);
    layout->addWidget(buttons);

    m_houseSystem->setCurrentIndex(static_cast<int>(current.houseSystem));
    m_aspectSet->setCurrentIndex(current.aspectSet == AspectSet::All ? 1 : 0);
    for (std::size_t i = 0; i < kAspectCount; ++i)
        m_orbs[i]->setValue(current.orbs.orbDeg[i]);
}

void ChartSettingsDialog::restoreDefaults() {
    const ChartChoices defaults;
    m_houseSystem->setCurrentIndex(static_cast<int>(defaults.houseSystem));
    m_aspectSet->setCurrentIndex(defaults.aspectSet == AspectSet::All ? 1 : 0);
    for (std::size_t i = 0; i < kAspectCount; ++i)
        m_orbs[i]->setValue(defaults.orbs.orbDeg[i]);
}

ChartChoices ChartSettingsDialog::choices() const {
    ChartChoices choices = m_base;
    choices.houseSystem = static_cast<HouseSystem>(m_houseSystem->currentIndex());
    choices.aspectSet = m_aspectSet->currentIndex() == 1 ? AspectSet::All : AspectSet::Major;
    for (std::size_t i = 0; i < kAspectCount; ++i)
        choices.orbs.orbDeg[i] = m_orbs[i]->value();
    return choices;
}

} // namespace orbenza
