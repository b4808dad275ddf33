#include "TransitsTab.h"

#include "DegreeWheelView.h"
#include "Hook.h"
#include "PredictiveTexts.h"
#include "predictive/Transits.h"
#include "present/BiWheelOfChart.h"

#include <QDateTimeEdit>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSplitter>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace orbenza {

namespace {

TransitsTab::Clock systemClock() {
    return [] { return QDateTime::currentDateTimeUtc(); };
}

TransitsTab::Clock& currentClock() {
    static TransitsTab::Clock clock = systemClock();
    return clock;
}

QDateTime withinChartYears(const QDateTime& moment) {
    const QDateTime utc = moment.toUTC();
    if (utc < firstChartMoment())
        return firstChartMoment();
    if (utc > lastChartMoment())
        return lastChartMoment();
    // To the second: the field shows no more.
    return utc.addMSecs(-utc.time().msec());
}

QString dateText(const std::optional<double>& julianDayUt) {
    return julianDayUt ? dateTimeOfJulianDay(*julianDayUt).toString(QStringLiteral("yyyy-MM-dd"))
                       : QStringLiteral("\u2026");
}

enum ListColumn { ExactColumn, TransitingColumn, AspectColumn, NatalColumn, OrbColumn };

} // namespace

TransitsTab::Clock TransitsTab::setClock(Clock clock) {
    return replaceHook(currentClock(), std::move(clock), systemClock());
}

TransitsTab::TransitsTab(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("transitsTab"));

    m_wheelView = new DegreeWheelView;
    m_wheelView->setObjectName(QStringLiteral("picTransitWheel"));
    m_wheelView->setAccessibleName(tr("Transits bi-wheel"));

    auto* listPage = new QWidget;
    auto* listLayout = new QVBoxLayout(listPage);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->setSpacing(2);
    auto* listHead = new QHBoxLayout;
    m_listHeading = new QLabel(tr("Exact transits in the next twelve months"), listPage);
    m_listHeading->setObjectName(QStringLiteral("lblTransitList"));
    QFont bold = m_listHeading->font();
    bold.setBold(true);
    m_listHeading->setFont(bold);
    // Wrapped rather than widening the picture column past the wheels' own
    // minimum, which would squeeze the details column.
    m_listHeading->setWordWrap(true);
    listHead->addWidget(m_listHeading, 1);
    m_export = new QToolButton(listPage);
    m_export->setObjectName(QStringLiteral("cmdExportTransits"));
    m_export->setText(tr("E&xport\u2026"));
    m_export->setToolTip(tr("Save the bi-wheel as an SVG or PNG picture or a PDF document"));
    connect(m_export, &QToolButton::clicked, this, &TransitsTab::exportPicture);
    listHead->addWidget(m_export);
    listLayout->addLayout(listHead);

    m_list = new QTreeWidget(listPage);
    m_list->setObjectName(QStringLiteral("lstTransits"));
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setAlternatingRowColors(true);
    m_list->setHeaderLabels(
        {tr("Exact (UT)"), tr("Transiting"), tr("Aspect"), tr("Natal"), tr("In orb")});
    m_list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_list->setToolTip(tr("Double-click a transit to show the sky of its exact moment"));
    connect(m_list, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem* row) {
        // The list stays as it is, so that the next row is a
        // double-click away.
        m_keepList = true;
        setMoment(exactMomentOf(*row));
        m_keepList = false;
    });
    listLayout->addWidget(m_list, 1);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("transitsSplitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(m_wheelView);
    splitter->addWidget(listPage);
    splitter->setStretchFactor(0, 3);
    splitter->setStretchFactor(1, 2);
    splitter->setSizes({560, 360});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 4, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(buildStepRow());
    layout->addWidget(splitter, 1);
}

QWidget* TransitsTab::buildStepRow() {
    auto* row = new QWidget;
    // The row never widens the chart screen's picture column: on a narrow
    // screen its ends are cut off rather than the details squeezed.
    row->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    const auto addStep = [this, row, layout](const char* name, const QString& text,
                                             const QString& tip, Step step, int count) {
        auto* button = new QToolButton(row);
        button->setObjectName(QString::fromLatin1(name));
        button->setText(text);
        button->setToolTip(tip);
        button->setAutoRepeat(true);
        connect(button, &QToolButton::clicked, this,
                [this, step, count] { this->step(step, count); });
        layout->addWidget(button);
    };
    addStep("cmdMonthBack", tr("\u00AB Month"), tr("One month earlier"), Step::Month, -1);
    addStep("cmdDayBack", tr("\u2039 Day"), tr("One day earlier"), Step::Day, -1);
    addStep("cmdHourBack", tr("\u2039 Hour"), tr("One hour earlier"), Step::Hour, -1);

    m_momentEdit = new QDateTimeEdit(row);
    m_momentEdit->setObjectName(QStringLiteral("dtpTransitMoment"));
    m_momentEdit->setTimeSpec(Qt::UTC);
    m_momentEdit->setDisplayFormat(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    m_momentEdit->setDateTimeRange(firstChartMoment(), lastChartMoment());
    m_momentEdit->setCalendarPopup(true);
    m_momentEdit->setAccessibleName(tr("Moment of the transits, universal time"));
    m_momentEdit->setDateTime(withinChartYears(currentClock()()));
    connect(m_momentEdit, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (!m_keepList)
            fillTransitList(moment());
        redraw();
        emit momentChanged(moment());
    });
    layout->addWidget(m_momentEdit, 1);
    auto* ut = new QLabel(tr("UT"), row);
    layout->addWidget(ut);

    addStep("cmdHourForward", tr("Hour \u203A"), tr("One hour later"), Step::Hour, 1);
    addStep("cmdDayForward", tr("Day \u203A"), tr("One day later"), Step::Day, 1);
    addStep("cmdMonthForward", tr("Month \u00BB"), tr("One month later"), Step::Month, 1);

    auto* now = new QToolButton(row);
    now->setObjectName(QStringLiteral("cmdTransitsNow"));
    now->setText(tr("&Now"));
    now->setToolTip(tr("The sky of this moment"));
    connect(now, &QToolButton::clicked, this, [this] { setMoment(currentClock()()); });
    layout->addWidget(now);
    return row;
}

QDateTime TransitsTab::moment() const {
    return m_momentEdit->dateTime().toUTC();
}

void TransitsTab::setMoment(const QDateTime& moment) {
    // The field says when it changed, and the wheel is drawn anew then.
    m_momentEdit->setDateTime(withinChartYears(moment));
}

void TransitsTab::step(Step step, int count) {
    const QDateTime from = moment();
    switch (step) {
    case Step::Hour:
        setMoment(from.addSecs(3600LL * count));
        break;
    case Step::Day:
        setMoment(from.addDays(count));
        break;
    case Step::Month:
        setMoment(from.addMonths(count));
        break;
    }
}

void TransitsTab::setNatalChart(const ChartResult& chart) {
    m_natal = chart;
    const QDateTime now = withinChartYears(currentClock()());
    if (now != moment()) {
        setMoment(now); // the field's change finds the list and draws the wheel
        return;
    }
    fillTransitList(now);
    redraw();
}

QDateTime TransitsTab::exactMomentOf(const QTreeWidgetItem& row) {
    return row.data(ExactColumn, Qt::UserRole).toDateTime();
}

void TransitsTab::fillTransitList(const QDateTime& from) {
    m_list->clear();
    if (!m_natal)
        return;
    const QDateTime to = std::min(from.addMonths(12), lastChartMoment());
    const std::vector<TransitEvent> events =
        findTransits(natalPointsOf(*m_natal), julianDayOfDateTime(from), julianDayOfDateTime(to));
    QList<QTreeWidgetItem*> rows;
    for (const TransitEvent& event : events) {
        const QDateTime exact = dateTimeOfJulianDay(event.exactJulianDayUt);
        QString transiting = pointName(event.transiting);
        if (event.retrograde)
            transiting += tr(" (R)");
        if (event.passCount > 1)
            transiting += tr(", pass %1 of %2").arg(event.pass).arg(event.passCount);
        auto* row = new QTreeWidgetItem(QStringList{
            exact.toString(QStringLiteral("yyyy-MM-dd HH:mm")), transiting,
            aspectWord(event.aspect), pointName(event.natal),
            tr("%1 to %2")
                .arg(dateText(event.entersJulianDayUt), dateText(event.leavesJulianDayUt))});
        row->setData(ExactColumn, Qt::UserRole, exact);
        rows << row;
    }
    m_list->addTopLevelItems(rows);
    m_listHeading->setText(tr("Exact transits from %1 to %2")
                               .arg(from.toString(QStringLiteral("yyyy-MM-dd")),
                                    to.toString(QStringLiteral("yyyy-MM-dd"))));
}

void TransitsTab::redraw() {
    if (!m_natal)
        return;
    const double julianDayUt = julianDayOfDateTime(moment());
    m_biWheel = biWheelOf(
        *m_natal, skyPointsOf(transitPositionsAt(julianDayUt, true), transitingBodies(true)),
        tr("Inside: the birth chart. Outside: the sky of %1")
            .arg(universalMomentText(moment()))
            .toStdString());
    m_wheelView->setWheel(m_biWheel->drawing);
}

BiWheelDocument TransitsTab::document() const {
    BiWheelDocument document;
    const QString name = m_natal ? QString::fromStdString(m_natal->birth.name) : QString();
    document.title = name.isEmpty() ? tr("Transits") : tr("Transits of %1").arg(name);
    document.descriptions
        << tr("The sky of %1 round the birth chart").arg(universalMomentText(moment()));
    document.name = name;
    document.what = tr("transits");
    document.listHeading = m_listHeading->text();
    addListTo(document, *m_list);
    return document;
}

void TransitsTab::exportPicture() {
    if (m_biWheel)
        exportBiWheel(*m_biWheel, *m_wheelView, document(), this);
}

} // namespace orbenza
