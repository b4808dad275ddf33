#include "ChartScreen.h"

#include "AspectGrid.h"
#include "ChartWheel.h"
#include "DegreeWheelView.h"
#include "ElidedLabel.h"
#include "Languages.h"
#include "ReportBox.h"
#include "TransitsTab.h"
#include "UserMessages.h"
#include "WebLinks.h"
#include "base/Body.h"
#include "base/Sign.h"
#include "chart/ChartReport.h"
#include "present/PositionText.h"
#include "present/Presentation.h"
#include "present/WheelOfChart.h"
#include "report/HouseReport.h"
#include "windows/BirthTimeWindows.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QResizeEvent>
#include <QScrollArea>
#include <QSettings>
#include <QSplitter>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <functional>

namespace orbenza {

namespace {

// The report box's least width: a column of text still easy to read.
constexpr int kReportMinimumWidth = 250;
// Pixels the picture column needs beside the wheel: the page's margins.
constexpr int kPictureColumnMargin = 12;

// The chart screen's columns. Says when it has laid them out for a new size,
// so that the screen can share the width out again.
class ColumnSplitter : public QSplitter {
public:
    explicit ColumnSplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent) {}
    std::function<void()> onResized;

protected:
    void resizeEvent(QResizeEvent* event) override {
        QSplitter::resizeEvent(event);
        if (onResized)
            onResized();
    }
};

constexpr std::array<const char*, ChartScreen::kPositionRows> kBodyCaptions{
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Sun"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Moon"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Mercury"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Venus"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Mars"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Jupiter"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Saturn"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Uranus"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Neptune"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Pluto"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Asc")};

constexpr std::array<const char*, ChartScreen::kPointRows> kPointCaptions{
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "MC"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Chiron"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "True Node"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Mean Node"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Lilith"),
    QT_TRANSLATE_NOOP("orbenza::ChartScreen", "Fortune")};

QString fromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QLabel* captionLabel(const char* objectName, const QString& caption, QWidget* parent) {
    auto* label = new QLabel(caption, parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setTextFormat(Qt::PlainText);
    return label;
}

// A value label shows exactly the text it is given (never as markup), bold, and
// can be selected and copied.
template <typename Label = QLabel> Label* valueLabel(const QString& objectName, QWidget* parent) {
    auto* label = new Label(parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

QGridLayout* groupGrid(QGroupBox* group) {
    auto* grid = new QGridLayout(group);
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(4);
    grid->setColumnStretch(1, 1);
    return grid;
}

} // namespace

ChartScreen::ChartScreen(QWidget* parent) : QWidget(parent) {
    ChartWheel::initResources();
    setObjectName(QStringLiteral("frmDisplay"));
    setWindowTitle(programTitle());
    setFont(ReportBox::screenFont());

    auto* splitter = new ColumnSplitter(this);
    splitter->onResized = [this] { balanceColumns(); };
    m_splitter = splitter;
    m_splitter->setObjectName(QStringLiteral("chartSplitter"));
    m_splitter->setChildrenCollapsible(false);
    m_splitter->setHandleWidth(8);

    m_splitter->addWidget(buildDetailsColumn());

    m_splitter->addWidget(buildPictureTabs());

    m_splitter->addWidget(buildReportColumn());
    m_splitter->setStretchFactor(0, 0);
    m_splitter->setStretchFactor(1, 3);
    m_splitter->setStretchFactor(2, 2);
    m_splitter->setSizes({290, 560, 460});

    // Label7: the invitation to a more detailed analysis on the maker's site.
    m_moreAnalysis = new LinkLabel(
        tr("For more detailed analysis of your planets in houses Visit %1").arg(homePageAddress()),
        this);
    m_moreAnalysis->setObjectName(QStringLiteral("Label7"));
    m_moreAnalysis->setToolTip(homePageAddress());
    connect(m_moreAnalysis, &LinkLabel::clicked, this, [] { openHomePage(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(8, 8, 8, 6);
    layout->setSpacing(6);
    layout->addWidget(m_splitter, 1);
    layout->addWidget(m_moreAnalysis, 0, Qt::AlignRight);

    // The per-sign lists lblNatalAries .. lblNatalPisces are working lists for the
    // wheel; they are never shown.
    for (std::size_t n = 0; n < m_perSign.size(); ++n) {
        const QString sign =
            QString::fromLatin1(kSignNames[n].data(), qsizetype(kSignNames[n].size()));
        auto* list = new QLabel(sign, this);
        list->setObjectName(QStringLiteral("lblNatal") + sign);
        list->setTextFormat(Qt::PlainText);
        list->hide();
        m_perSign[n] = list;
    }
}

QWidget* ChartScreen::buildDetailsColumn() {
    auto* column = new QWidget;
    column->setObjectName(QStringLiteral("detailsColumn"));
    auto* columnLayout = new QVBoxLayout(column);
    columnLayout->setContentsMargins(0, 0, 4, 0);
    columnLayout->setSpacing(8);

    // fraDetails: the birth details as entered.
    auto* details = new QGroupBox(tr("Your Details"), column);
    details->setObjectName(QStringLiteral("fraDetails"));
    auto* detailsGrid = groupGrid(details);
    // Names and places of any length stay on one line each, shortened with "…"
    // when the column is too narrow, whole in their tooltips.
    m_name = valueLabel<ElidedLabel>(QStringLiteral("lblName"), details);
    QFont nameFont = m_name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 1.25);
    m_name->setFont(nameFont);
    detailsGrid->addWidget(m_name, 0, 0, 1, 2);

    struct Row {
        const char* caption;
        const char* captionName;
        const char* valueName;
        QLabel** value;
        ElidedLabel** elided;
    };
    const Row rows[] = {
        {QT_TR_NOOP("Date of Birth :"), "Label3", "lblDOB", &m_dob, nullptr},
        {QT_TR_NOOP("Time of Birth :"), "Label14", "lblTOB", &m_tob, nullptr},
        {QT_TR_NOOP("City :"), "Label5", "lblCity", nullptr, &m_city},
        {QT_TR_NOOP("State :"), "Label12", "lblState", nullptr, &m_state},
        {QT_TR_NOOP("Country :"), "Label6", "lblCountry", nullptr, &m_country},
        {QT_TR_NOOP("Latitude   :"), "Label9", "lblLatitude", &m_latitude, nullptr},
        {QT_TR_NOOP("Longitude :"), "Label4", "lblLongitude", &m_longitude, nullptr},
    };
    int row = 1;
    for (const Row& r : rows) {
        auto* caption = captionLabel(r.captionName, tr(r.caption), details);
        QLabel* value = nullptr;
        if (r.elided != nullptr)
            value = *r.elided = valueLabel<ElidedLabel>(QString::fromLatin1(r.valueName), details);
        else
            value = *r.value = valueLabel(QString::fromLatin1(r.valueName), details);
        detailsGrid->addWidget(caption, row, 0, Qt::AlignLeft | Qt::AlignTop);
        detailsGrid->addWidget(value, row, 1);
        ++row;
    }

    // The universal moment and zone the chart was computed for, quietly.
    m_computedFor = new ElidedLabel(details);
    m_computedFor->setObjectName(QStringLiteral("lblComputedFor"));
    m_computedFor->setForegroundRole(QPalette::PlaceholderText);
    QFont smallFont = m_computedFor->font();
    smallFont.setPointSizeF(smallFont.pointSizeF() * 0.85);
    m_computedFor->setFont(smallFont);
    detailsGrid->addWidget(m_computedFor, row, 0, 1, 2);
    ++row;
    m_clockCaution = new QLabel(details);
    m_clockCaution->setObjectName(QStringLiteral("lblClockCaution"));
    m_clockCaution->setWordWrap(true);
    m_clockCaution->setFont(smallFont);
    m_clockCaution->hide();
    detailsGrid->addWidget(m_clockCaution, row, 0, 1, 2);
    columnLayout->addWidget(details);

    // fraVedic: the Sun sign, the Moon sign and the Ascendant's sign.
    auto* signs = new QGroupBox(tr("Other Details"), column);
    signs->setObjectName(QStringLiteral("fraVedic"));
    auto* signsGrid = groupGrid(signs);
    const Row signRows[] = {
        {QT_TR_NOOP("Sun Sign"), "Label10", "lblSunSign", &m_sunSign, nullptr},
        {QT_TR_NOOP("Moon Sign"), "Label17", "lblRashi", &m_rashi, nullptr},
        {QT_TR_NOOP("Ascendant"), "Label1", "lblLagna", &m_lagna, nullptr},
    };
    row = 0;
    for (const Row& r : signRows) {
        signsGrid->addWidget(captionLabel(r.captionName, tr(r.caption), signs), row, 0);
        *r.value = valueLabel(QString::fromLatin1(r.valueName), signs);
        signsGrid->addWidget(*r.value, row, 1);
        ++row;
    }
    // Under the Ascendant: the births that keep its sign and the houses.
    m_birthTimeWindow = new QLabel(signs);
    m_birthTimeWindow->setObjectName(QStringLiteral("lblBirthTimeWindow"));
    m_birthTimeWindow->setTextFormat(Qt::PlainText);
    m_birthTimeWindow->setWordWrap(true);
    m_birthTimeWindow->setFont(smallFont);
    signsGrid->addWidget(m_birthTimeWindow, row, 0, 1, 2);
    columnLayout->addWidget(signs);

    // fraWestern: the label arrays PlanetName(0..10) and lblPlanet(0..10), named
    // "PlanetName0".."PlanetName10" and "lblPlanet0".."lblPlanet10"; 0 is the Sun,
    // 9 Pluto and 10 the Ascendant.
    auto* positions = new QGroupBox(tr("Planetary Positions"), column);
    positions->setObjectName(QStringLiteral("fraWestern"));
    auto* positionsGrid = groupGrid(positions);
    positionsGrid->setVerticalSpacing(3);
    for (int i = 0; i < kPositionRows; ++i) {
        const std::size_t slot = static_cast<std::size_t>(i);
        auto* body = new QLabel(tr(kBodyCaptions[slot]), positions);
        body->setObjectName(QStringLiteral("PlanetName%1").arg(i));
        body->setTextFormat(Qt::PlainText);
        m_planets[slot] = valueLabel(QStringLiteral("lblPlanet%1").arg(i), positions);
        // lblRetrograde0..10: " (R) " beside a body retrograde at birth, else empty.
        m_retrograde[slot] = valueLabel(QStringLiteral("lblRetrograde%1").arg(i), positions);
        positionsGrid->addWidget(body, i, 0);
        positionsGrid->addWidget(m_planets[slot], i, 1);
        positionsGrid->addWidget(m_retrograde[slot], i, 2);
    }
    // The Midheaven and the other points, in chart order after the Ascendant.
    for (int k = 0; k < kPointRows; ++k) {
        const int i = kPositionRows + k;
        auto* point = new QLabel(tr(kPointCaptions[static_cast<std::size_t>(k)]), positions);
        point->setObjectName(QStringLiteral("PlanetName%1").arg(i));
        point->setTextFormat(Qt::PlainText);
        m_points[static_cast<std::size_t>(k)] =
            valueLabel(QStringLiteral("lblPlanet%1").arg(i), positions);
        positionsGrid->addWidget(point, i, 0);
        positionsGrid->addWidget(m_points[static_cast<std::size_t>(k)], i, 1);
    }
    // The marks' column is as wide as a mark even before the first chart, so
    // a chart with marks does not widen the column.
    positionsGrid->setColumnMinimumWidth(
        2, QFontMetrics(m_retrograde[0]->font()).horizontalAdvance(retrogradeMark()));
    // Which method computed the positions, in full under the table: the
    // computed-for line carries it too, but may be shortened to fit.
    m_positionsMethod = new QLabel(positions);
    m_positionsMethod->setObjectName(QStringLiteral("lblPositionsMethod"));
    m_positionsMethod->setTextFormat(Qt::PlainText);
    m_positionsMethod->setWordWrap(true);
    m_positionsMethod->setFont(smallFont);
    positionsGrid->addWidget(m_positionsMethod, kPositionRows + kPointRows, 0, 1, 3);
    columnLayout->addWidget(positions);
    columnLayout->addStretch(1);

    // On a small screen the column scrolls rather than clipping its rows.
    auto* scroller = new QScrollArea;
    scroller->setObjectName(QStringLiteral("detailsScroller"));
    scroller->setWidget(column);
    scroller->setWidgetResizable(true);
    scroller->setFrameShape(QFrame::NoFrame);
    scroller->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setMinimumWidth(column->minimumSizeHint().width() + 12);
    return scroller;
}

QWidget* ChartScreen::buildPictureTabs() {
    m_pictures = new QTabWidget;
    m_pictures->setObjectName(QStringLiteral("pictureTabs"));
    m_pictures->setDocumentMode(true);

    // The degree wheel first: its houses are the ones the report counts. It
    // carries its house rule in its picture.
    m_degreeWheel = new DegreeWheelView;
    m_pictures->addTab(m_degreeWheel, tr("&Degree Wheel"));

    // The sign wheel with its house rule under it, named for what it shows.
    auto* signPage = new QWidget;
    signPage->setObjectName(QStringLiteral("signWheelPage"));
    auto* signLayout = new QVBoxLayout(signPage);
    signLayout->setContentsMargins(0, 4, 0, 0);
    signLayout->setSpacing(2);
    m_wheel = new ChartWheel(signPage);
    m_wheel->setObjectName(QStringLiteral("picNatal"));
    QSizePolicy wheelPolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    wheelPolicy.setHeightForWidth(true);
    m_wheel->setSizePolicy(wheelPolicy);
    signLayout->addWidget(m_wheel, 1);
    auto* signCaption =
        new QLabel(tr("One sign to a house, counted from the Ascendant's sign"), signPage);
    signCaption->setObjectName(QStringLiteral("lblSignWheelRule"));
    signCaption->setTextFormat(Qt::PlainText);
    signCaption->setAlignment(Qt::AlignHCenter);
    signCaption->setWordWrap(true);
    signCaption->setForegroundRole(QPalette::PlaceholderText);
    signLayout->addWidget(signCaption);
    m_pictures->addTab(signPage, tr("Whole-&Sign Houses"));

    m_aspectGrid = new AspectGrid;
    m_pictures->addTab(m_aspectGrid, tr("&Aspect Grid"));

    m_transits = new TransitsTab;
    m_pictures->addTab(m_transits, tr("&Transits"));

    const QString remembered = QSettings().value(pictureSettingKey()).toString();
    showPicture(remembered == QLatin1String("sign")   ? Picture::SignWheel
                : remembered == QLatin1String("grid") ? Picture::AspectGrid
                                                      : Picture::DegreeWheel);
    connect(m_pictures, &QTabWidget::currentChanged, this, [this] {
        if (showsTransits())
            return; // the picture remembered is one of the wheels or the grid
        const Picture shown = shownPicture();
        QSettings().setValue(pictureSettingKey(),
                             shown == Picture::SignWheel    ? QStringLiteral("sign")
                             : shown == Picture::AspectGrid ? QStringLiteral("grid")
                                                            : QStringLiteral("degree"));
    });
    return m_pictures;
}

void ChartScreen::balanceColumns() {
    // The details column keeps its width. Of the rest, the pictures take what
    // their height lets the sign wheel use; the report, which scrolls, takes
    // what is left but never less than its minimum. So on a small window the
    // wheel's names stay readable and the report gives way first.
    QList<int> sizes = m_splitter->sizes();
    if (sizes.size() != 3 || m_splitter->height() <= 0)
        return;
    const int total = sizes[0] + sizes[1] + sizes[2];
    const int reportLeast = m_splitter->widget(2)->minimumSizeHint().width();
    const int pictureLeast = m_splitter->widget(1)->minimumSizeHint().width();
    // The details column as wide as its texts ask, which a narrow window may
    // have squeezed.
    sizes[0] = std::clamp(std::max(sizes[0], m_splitter->widget(0)->sizeHint().width()), 0,
                          std::max(0, total - reportLeast - pictureLeast));
    const int shared = total - sizes[0];
    // Above the wheel the tab bar, below it the caption and the layout's gaps.
    const int pictureChrome =
        m_pictures->tabBar()->sizeHint().height() + 3 * fontMetrics().height();
    const double wheelHeight = std::max(0, m_splitter->height() - pictureChrome);
    const int wanted = static_cast<int>(wheelHeight * ChartWheel::kLogicalSize.width() /
                                        ChartWheel::kLogicalSize.height()) +
                       kPictureColumnMargin;
    sizes[1] = std::clamp(wanted, pictureLeast, std::max(pictureLeast, shared - reportLeast));
    sizes[2] = shared - sizes[1];
    m_splitter->setSizes(sizes);
}

QString ChartScreen::pictureSettingKey() {
    return QStringLiteral("chart/picture");
}

bool ChartScreen::showsTransits() const {
    return m_pictures->currentWidget() == m_transits;
}

ChartScreen::Picture ChartScreen::shownPicture() const {
    const QWidget* shown = m_pictures->currentWidget();
    return shown == m_degreeWheel  ? Picture::DegreeWheel
           : shown == m_aspectGrid ? Picture::AspectGrid
                                   : Picture::SignWheel;
}

void ChartScreen::showPicture(Picture picture) {
    m_pictures->setCurrentWidget(picture == Picture::DegreeWheel
                                     ? static_cast<QWidget*>(m_degreeWheel)
                                 : picture == Picture::AspectGrid ? m_aspectGrid
                                                                  : m_wheel->parentWidget());
}

QWidget* ChartScreen::buildReportColumn() {
    // picRight: the report box's container.
    auto* container = new QWidget;
    container->setObjectName(QStringLiteral("picRight"));
    auto* layout = new QVBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);

    auto* title = new QLabel(tr("Planets in Houses"), container);
    title->setObjectName(QStringLiteral("Label2"));
    title->setTextFormat(Qt::PlainText);
    QFont titleFont = title->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.15);
    title->setFont(titleFont);
    layout->addWidget(title);

    m_report = new ReportBox(container);
    m_report->setObjectName(QStringLiteral("RTBHouseDesc"));
    m_report->setMinimumWidth(kReportMinimumWidth);
    m_report->enableLinks();
    layout->addWidget(m_report, 1);
    return container;
}

void ChartScreen::setClockCaution(const QString& sentence) {
    m_clockCaution->setText(sentence);
    m_clockCaution->setVisible(!sentence.isEmpty());
}

void ChartScreen::showChart(const ChartResult& chart, const QString& city, const QString& state,
                            const QString& country) {
    const Language language = screenLanguage();
    const ChartPresentation shown = presentChart(chart, language);
    m_shownChart = chart;

    for (std::size_t i = 0; i < m_planets.size(); ++i) {
        m_planets[i]->setText(fromUtf8(shown.planetPositions[i]));
        m_retrograde[i]->setText(chart.retrograde[bodyAt(i)] ? retrogradeMark() : QString());
    }
    for (std::size_t k = 0; k < m_points.size(); ++k) {
        const Body point = bodyAt(kBodyCount + k);
        const double longitude =
            point == Body::Midheaven ? chart.angles.mcDeg : chart.pointLongitudesDeg[point];
        m_points[k]->setText(fromUtf8(shortPositionText(longitude, language)));
    }
    m_rashi->setText(fromUtf8(shown.moonSignName));
    // A sign that could not be read leaves the label as it was.
    if (!shown.sunSignName.empty())
        m_sunSign->setText(fromUtf8(shown.sunSignName));
    if (!shown.ascendantSignName.empty())
        m_lagna->setText(fromUtf8(shown.ascendantSignName));

    m_name->setText(fromUtf8(shown.name));
    m_dob->setText(fromUtf8(shown.birthDate));
    m_tob->setText(fromUtf8(shown.birthTime));
    m_latitude->setText(fromUtf8(shown.latitude));
    m_longitude->setText(fromUtf8(shown.longitude));
    m_city->setText(city);
    m_state->setText(state);
    m_country->setText(country);
    m_computedFor->setText(fromUtf8(shown.computedFor));
    m_positionsMethod->setText(chart.positions == Positions::Precise
                                   ? tr("Precise positions (Swiss Ephemeris series)")
                                   : tr("Classic positions (the built-in method)"));
    setClockCaution(QString());
    m_birthTimeWindow->setText(
        chart.windows ? fromUtf8(birthTimeWindowLine(chart, *chart.windows, language)) : QString());

    for (std::size_t n = 0; n < m_perSign.size(); ++n) {
        m_perSign[n]->setText(fromUtf8(shown.perSign[n]));
        m_perSign[n]->hide();
    }

    m_report->showReport(chartReport(chart, language));

    for (int k = 0; k < ChartWheel::kPositionCount; ++k) {
        const std::size_t slot = static_cast<std::size_t>(k);
        m_wheel->setNatalText(k, fromUtf8(shown.natalLists[slot]));
        QList<ChartWheel::LineMark> marks;
        for (const Body body : shown.natalBodies[slot])
            marks.append(body == Body::Ascendant  ? ChartWheel::LineMark::Ascendant
                         : chart.retrograde[body] ? ChartWheel::LineMark::Retrograde
                                                  : ChartWheel::LineMark::Plain);
        m_wheel->setNatalMarks(k, marks);
        // No picture number when the Ascendant's sign could not be read: the
        // pictures stay as they were.
        if (shown.signPictures[slot] != 0)
            m_wheel->setSignPicture(k, shown.signPictures[slot]);
    }
    // The other points join the sign wheel's lists in their signs' houses.
    std::array<QString, ChartWheel::kPositionCount> points;
    for (std::size_t k = 1; k < m_points.size(); ++k) {
        const Body point = bodyAt(kBodyCount + k);
        const auto sign = static_cast<int>(std::floor(chart.pointLongitudesDeg[point] / 30.0));
        const int house =
            ((sign - static_cast<int>(indexOf(chart.ascendantSign()))) % 12 + 12) % 12;
        points[static_cast<std::size_t>(house)] += QStringLiteral("\r\n") + tr(kPointCaptions[k]);
    }
    for (int k = 0; k < ChartWheel::kPositionCount; ++k)
        m_wheel->setPointsText(k, points[static_cast<std::size_t>(k)]);
    m_degreeWheel->setWheel(buildDegreeWheel(wheelInputOf(chart, true, language)));
    m_aspectGrid->showChart(chart);
    m_transits->setNatalChart(chart);
}

QString ChartScreen::retrogradeMark() {
    return tr(" (R) ");
}

QString ChartScreen::birthPlace() const {
    QStringList parts;
    for (const QLabel* part : {m_city, m_state, m_country}) {
        const QString text = part->text().trimmed();
        if (!text.isEmpty())
            parts << text;
    }
    return parts.join(QStringLiteral(", "));
}

QString ChartScreen::reportPlainText() const {
    return m_report->plainTextWithCrLf();
}

} // namespace orbenza
