#include "ChartInTimeScreen.h"

#include "DegreeWheelView.h"
#include "LibraryDialog.h"
#include "PredictiveTexts.h"
#include "UserMessages.h"
#include "base/YearRange.h"
#include "predictive/ChartPairs.h"
#include "predictive/Progressions.h"
#include "predictive/Returns.h"
#include "present/BiWheelOfChart.h"
#include "store/RecordChart.h"

#include <QComboBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QSplitter>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <cmath>

namespace orbenza {

namespace {

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString nameOf(const ChartResult& chart) {
    return fromUtf8(chart.birth.name).trimmed();
}

// A place of the atlas to the whole minute of arc, as the birth details keep
// coordinates.
ReturnPlace returnPlaceOf(const atlas::Place& place) {
    const auto minutes = [](double degrees, int most) {
        const long total = std::min(std::lround(std::fabs(degrees) * 60.0), most * 60L + 59);
        return std::pair{static_cast<int>(total / 60), static_cast<int>(total % 60)};
    };
    const auto [lonDeg, lonMin] = minutes(place.longitudeDeg, 179);
    const auto [latDeg, latMin] = minutes(place.latitudeDeg, 89);
    return {{lonDeg, lonMin, place.longitudeDeg >= 0 ? EastWest::East : EastWest::West},
            {latDeg, latMin, place.latitudeDeg >= 0 ? NorthSouth::North : NorthSouth::South}};
}

QDate todayUtc() {
    return QDateTime::currentDateTimeUtc().date();
}

} // namespace

ChartInTimeScreen::ChartInTimeScreen(Kind kind, const ChartResult& natal, QWidget* parent,
                                     const std::optional<ChartResult>& other,
                                     std::shared_ptr<const atlas::Atlas> atlas)
    : QDialog(parent), m_kind(kind), m_natal(natal), m_other(other), m_atlas(std::move(atlas)) {
    const QString name = nameOf(natal);
    switch (kind) {
    case Kind::Progressions:
        setObjectName(QStringLiteral("frmProgressions"));
        setWindowTitle(tr("Progressions of %1").arg(name));
        break;
    case Kind::SolarReturn:
        setObjectName(QStringLiteral("frmSolarReturn"));
        setWindowTitle(tr("Solar Return of %1").arg(name));
        break;
    case Kind::LunarReturn:
        setObjectName(QStringLiteral("frmLunarReturn"));
        setWindowTitle(tr("Lunar Return of %1").arg(name));
        break;
    case Kind::Compare:
        setObjectName(QStringLiteral("frmCompare"));
        setWindowTitle(tr("%1 Compared With %2").arg(name, other ? nameOf(*other) : QString()));
        break;
    }

    m_wheelView = new DegreeWheelView;
    m_wheelView->setObjectName(QStringLiteral("picBiWheel"));
    m_wheelView->setAccessibleName(tr("Bi-wheel"));
    m_list = new QTreeWidget;
    m_list->setObjectName(QStringLiteral("lstAspects"));
    m_list->setRootIsDecorated(false);
    m_list->setAlternatingRowColors(true);
    m_list->setHeaderLabels({outerColumnName(), tr("Aspect"), name, tr("Orb")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_wheelView);
    splitter->addWidget(m_list);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({600, 380});

    m_moment = new QLabel(this);
    m_moment->setObjectName(QStringLiteral("lblMoment"));
    m_moment->setWordWrap(true);
    m_moment->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* exportButton = new QPushButton(tr("E&xport\u2026"), this);
    exportButton->setObjectName(QStringLiteral("cmdExport"));
    connect(exportButton, &QPushButton::clicked, this, &ChartInTimeScreen::exportPicture);
    auto* close = new QPushButton(tr("&Close"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_moment, 1);
    buttons->addWidget(exportButton);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(buildChoiceRow());
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);
    resize(1000, 680);
    recompute();
}

QWidget* ChartInTimeScreen::buildChoiceRow() {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    const auto addLabel = [row, layout](const QString& text, QWidget* buddy) {
        auto* label = new QLabel(text, row);
        label->setBuddy(buddy);
        layout->addWidget(label);
        layout->addWidget(buddy);
    };
    const int thisYear = std::clamp(todayUtc().year(), kFirstYear, kLastYear);
    switch (m_kind) {
    case Kind::Progressions:
        m_date = new QDateEdit(row);
        m_date->setObjectName(QStringLiteral("dtpProgressedFor"));
        m_date->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
        m_date->setDateRange(firstChartMoment().date(), lastChartMoment().date());
        m_date->setCalendarPopup(true);
        m_date->setDate(
            std::clamp(todayUtc(), firstChartMoment().date(), lastChartMoment().date()));
        connect(m_date, &QDateEdit::dateChanged, this, &ChartInTimeScreen::recompute);
        addLabel(tr("Progressed to &date:"), m_date);
        break;
    case Kind::SolarReturn:
    case Kind::LunarReturn:
        m_year = new QSpinBox(row);
        m_year->setObjectName(QStringLiteral("txtReturnYear"));
        m_year->setRange(kFirstYear, kLastYear);
        m_year->setValue(thisYear);
        connect(m_year, &QSpinBox::valueChanged, this, &ChartInTimeScreen::recompute);
        addLabel(tr("&Year:"), m_year);
        if (m_atlas && m_atlas->available()) {
            m_placeBox = new QLineEdit(row);
            m_placeBox->setObjectName(QStringLiteral("txtReturnPlace"));
            m_placeBox->setPlaceholderText(tr("the birth place"));
            m_placeBox->setToolTip(tr("A place of the atlas to draw the return for; empty "
                                      "for the birth place"));
            connect(m_placeBox, &QLineEdit::editingFinished, this,
                    [this] { setReturnPlace(m_placeBox->text()); });
            addLabel(tr("&Place:"), m_placeBox);
        }
        if (m_kind == Kind::SolarReturn)
            break;
        m_month = new QComboBox(row);
        m_month->setObjectName(QStringLiteral("cboReturnMonth"));
        for (int month = 1; month <= 12; ++month)
            m_month->addItem(QLocale().standaloneMonthName(month), month);
        m_month->setCurrentIndex(todayUtc().month() - 1);
        connect(m_month, &QComboBox::currentIndexChanged, this, &ChartInTimeScreen::recompute);
        addLabel(tr("&Month:"), m_month);
        m_lunarReturn = new QComboBox(row);
        m_lunarReturn->setObjectName(QStringLiteral("cboLunarReturn"));
        connect(m_lunarReturn, &QComboBox::activated, this,
                [this](int index) { showLunarReturn(index); });
        addLabel(tr("&Return:"), m_lunarReturn);
        break;
    case Kind::Compare:
        m_compareMode = new QComboBox(row);
        m_compareMode->setObjectName(QStringLiteral("cboCompareMode"));
        m_compareMode->addItem(tr("Synastry: the other chart outside"));
        m_compareMode->addItem(tr("Composite: the midpoints of the two charts outside"));
        connect(m_compareMode, &QComboBox::currentIndexChanged, this,
                &ChartInTimeScreen::recompute);
        addLabel(tr("&Show:"), m_compareMode);
        break;
    }
    layout->addStretch(1);
    return row;
}

QString ChartInTimeScreen::outerColumnName() const {
    switch (m_kind) {
    case Kind::Progressions:
        return tr("Progressed");
    case Kind::SolarReturn:
        return tr("Solar return");
    case Kind::LunarReturn:
        return tr("Lunar return");
    case Kind::Compare:
        break;
    }
    if (m_compareMode && m_compareMode->currentIndex() == 1)
        return tr("Composite");
    return m_other ? nameOf(*m_other) : QString();
}

void ChartInTimeScreen::setProgressionDate(const QDate& date) {
    if (m_date)
        m_date->setDate(date);
}

void ChartInTimeScreen::setReturnYear(int year) {
    if (m_year)
        m_year->setValue(year);
}

void ChartInTimeScreen::setReturnMonth(int month) {
    if (m_month)
        m_month->setCurrentIndex(std::clamp(month, 1, 12) - 1);
}

void ChartInTimeScreen::setComposite(bool composite) {
    if (m_compareMode)
        m_compareMode->setCurrentIndex(composite ? 1 : 0);
}

void ChartInTimeScreen::setReturnPlace(const QString& text) {
    if (m_placeBox && m_placeBox->text() != text)
        m_placeBox->setText(text);
    m_placeProblem.clear();
    if (text.trimmed().isEmpty()) {
        m_place.reset();
    } else if (m_atlas) {
        const atlas::PlaceLookup lookup = m_atlas->resolve(text.trimmed().toStdString());
        if (lookup.status == atlas::PlaceLookup::Status::Found)
            m_place = returnPlaceOf(lookup.place);
        else
            m_placeProblem = fromUtf8(lookup.message);
    }
    recompute();
}

int ChartInTimeScreen::lunarReturnCount() const {
    return static_cast<int>(m_lunarReturnMoments.size());
}

void ChartInTimeScreen::recompute() {
    m_list->headerItem()->setText(0, outerColumnName());
    const OrbTable orbs;
    switch (m_kind) {
    case Kind::Progressions: {
        QDateTime on(m_date->date(), QTime(0, 0), Qt::UTC);
        const ProgressedChart progressed = progressedChart(m_natal, julianDayOfDateTime(on));
        showOuterChart(
            progressed.chart, progressed.toNatal,
            tr("the progressed chart for %1, the sky of %2")
                .arg(m_date->date().toString(QStringLiteral("yyyy-MM-dd")),
                     universalMomentText(dateTimeOfJulianDay(progressed.progressedJulianDayUt))));
        return;
    }
    case Kind::SolarReturn: {
        const std::optional<ReturnChart> solar = solarReturn(m_natal, m_year->value(), m_place);
        if (!solar) {
            showNothing(tr("No solar return in %1").arg(m_year->value()));
            return;
        }
        showOuterChart(
            solar->chart, synastryAspects(solar->chart, m_natal, m_natal.aspectSet, orbs),
            tr("the solar return of %1")
                .arg(universalMomentText(dateTimeOfJulianDay(solar->momentJulianDayUt))));
        return;
    }
    case Kind::LunarReturn: {
        const double longitude = returnLongitudeDeg(m_natal, ReturnBody::Moon);
        m_lunarReturnMoments =
            lunarReturnJulianDaysUt(longitude, m_year->value(), m_month->currentData().toInt());
        m_lunarReturn->clear();
        for (const double moment : m_lunarReturnMoments)
            m_lunarReturn->addItem(universalMomentText(dateTimeOfJulianDay(moment)));
        if (m_lunarReturnMoments.empty())
            showNothing(tr("No lunar return in this month"));
        else
            showLunarReturn(0);
        return;
    }
    case Kind::Compare: {
        if (!m_other) {
            showNothing(tr("No chart to compare with"));
            return;
        }
        if (m_compareMode->currentIndex() == 1) {
            const ChartResult composite = compositeChart(m_natal, *m_other);
            showOuterChart(composite, synastryAspects(composite, m_natal, m_natal.aspectSet, orbs),
                           tr("the composite of %1 and %2").arg(nameOf(m_natal), nameOf(*m_other)));
        } else {
            showOuterChart(*m_other, synastryAspects(*m_other, m_natal, m_natal.aspectSet, orbs),
                           tr("the chart of %1").arg(nameOf(*m_other)));
        }
        return;
    }
    }
}

void ChartInTimeScreen::showLunarReturn(int index) {
    if (m_kind != Kind::LunarReturn || index < 0 || index >= lunarReturnCount())
        return;
    m_lunarReturn->setCurrentIndex(index);
    const ReturnChart lunar = returnChartAt(
        m_natal, ReturnBody::Moon, m_lunarReturnMoments[static_cast<std::size_t>(index)], m_place);
    showOuterChart(lunar.chart,
                   synastryAspects(lunar.chart, m_natal, m_natal.aspectSet, OrbTable{}),
                   tr("the lunar return of %1")
                       .arg(universalMomentText(dateTimeOfJulianDay(lunar.momentJulianDayUt))));
}

void ChartInTimeScreen::showOuterChart(const ChartResult& outer,
                                       const std::vector<AspectFound>& aspects,
                                       const QString& caption) {
    m_outer = outer;
    m_biWheel =
        biWheelOf(m_natal, chartPointsOf(outer),
                  tr("Inside: %1. Outside: %2").arg(nameOf(m_natal), caption).toStdString());
    m_wheelView->setWheel(m_biWheel->drawing);
    QString sentence = caption;
    if (!sentence.isEmpty())
        sentence[0] = sentence[0].toUpper();
    if (!m_placeProblem.isEmpty())
        sentence += QLatin1Char('\n') + m_placeProblem;
    m_moment->setText(sentence);
    m_list->clear();
    QList<QTreeWidgetItem*> rows;
    for (const AspectFound& aspect : aspects)
        rows << new QTreeWidgetItem(
            QStringList{pointName(aspect.a), aspectWord(aspect.aspect), pointName(aspect.b),
                        QLocale().toString(aspect.orbDeg, 'f', 2) + QStringLiteral("\u00B0")});
    m_list->addTopLevelItems(rows);
}

void ChartInTimeScreen::showNothing(const QString& why) {
    m_outer.reset();
    m_biWheel.reset();
    m_wheelView->setWheel(DegreeWheel{});
    m_moment->setText(why);
    m_list->clear();
}

BiWheelDocument ChartInTimeScreen::document() const {
    BiWheelDocument document;
    document.title = windowTitle();
    document.descriptions << m_moment->text();
    document.name = nameOf(m_natal);
    switch (m_kind) {
    case Kind::Progressions:
        document.what = tr("progressions");
        break;
    case Kind::SolarReturn:
        document.what = tr("solar return");
        break;
    case Kind::LunarReturn:
        document.what = tr("lunar return");
        break;
    case Kind::Compare:
        document.what = m_other ? tr("with %1").arg(nameOf(*m_other)) : tr("comparison");
        break;
    }
    document.listHeading = tr("Aspects to the birth chart");
    addListTo(document, *m_list);
    return document;
}

void ChartInTimeScreen::exportPicture() {
    if (m_biWheel)
        exportBiWheel(*m_biWheel, *m_wheelView, document(), this);
}

// ---------------------------------------------------------------------------
// The Chart menu

namespace {

// The library chart the user picks, drawn; nothing when cancelled or when it
// cannot be drawn (after saying why).
std::optional<ChartResult> pickLibraryChart(QWidget* parent, const ChartMenuSupport& support) {
    store::ChartLibrary* library = support.library ? support.library() : nullptr;
    if (library == nullptr)
        return std::nullopt;
    OpenChartDialog dialog(*library, parent);
    dialog.setWindowTitle(ChartInTimeScreen::tr("Compare With"));
    support.runModal(dialog);
    if (dialog.choice() == OpenChartDialog::Choice::None)
        return std::nullopt;
    const auto record = library->get(dialog.chosenId());
    if (!record) {
        showUserMessage(parent, fromUtf8(library->error()), MessageIcon::Error);
        return std::nullopt;
    }
    auto drawn = store::chartOfRecord(*record);
    if (auto* chart = std::get_if<ChartResult>(&drawn))
        return std::move(*chart);
    const auto& problem = std::get<store::RecordProblem>(drawn);
    showUserMessage(parent,
                    ChartInTimeScreen::tr("The chart of %1 cannot be drawn: %2")
                        .arg(fromUtf8(record->name), problem.input
                                                         ? inputProblemText(*problem.input)
                                                         : fromUtf8(problem.detail)),
                    MessageIcon::Error);
    return std::nullopt;
}

} // namespace

void addChartMenu(QMainWindow* window, const ChartMenuSupport& support) {
    auto* menu = new QMenu(ChartInTimeScreen::tr("&Chart"), window);
    menu->setObjectName(QStringLiteral("mnuChart"));
    const QList<QAction*> menus = window->menuBar()->actions();
    window->menuBar()->insertMenu(menus.size() > 1 ? menus[1] : nullptr, menu);

    using Kind = ChartInTimeScreen::Kind;
    const auto open = [window, support](Kind kind) {
        const std::optional<ChartResult> natal = support.shownChart();
        if (!natal)
            return;
        std::optional<ChartResult> other;
        if (kind == Kind::Compare) {
            other = pickLibraryChart(window, support);
            if (!other)
                return;
        }
        auto* screen = new ChartInTimeScreen(kind, *natal, window, other,
                                             support.atlas ? support.atlas() : nullptr);
        screen->setAttribute(Qt::WA_DeleteOnClose);
        screen->show();
    };
    const struct {
        const char* objectName;
        QString text;
        Kind kind;
    } entries[] = {
        {"mnuProgressions", ChartInTimeScreen::tr("&Progressions\u2026"), Kind::Progressions},
        {"mnuSolarReturn", ChartInTimeScreen::tr("&Solar Return\u2026"), Kind::SolarReturn},
        {"mnuLunarReturn", ChartInTimeScreen::tr("&Lunar Return\u2026"), Kind::LunarReturn},
        {"mnuCompareWith", ChartInTimeScreen::tr("&Compare With\u2026"), Kind::Compare},
    };
    for (const auto& entry : entries) {
        QAction* action = menu->addAction(entry.text);
        action->setObjectName(QString::fromLatin1(entry.objectName));
        const Kind kind = entry.kind;
        QObject::connect(action, &QAction::triggered, window, [open, kind] { open(kind); });
    }
}

} // namespace orbenza
