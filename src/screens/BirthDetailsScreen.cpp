#include "BirthDetailsScreen.h"

#include "BirthDetailsControls.h"
#include "InputFilters.h"
#include "Languages.h"
#include "ReportBox.h"
#include "UserGuide.h"
#include "UserMessages.h"
#include "WebLinks.h"
#include "base/YearRange.h"
#include "chart/TimeZones.h"
#include "input/PersonName.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QResizeEvent>
#include <QScreen>
#include <QSettings>
#include <QVBoxLayout>

namespace orbenza {

QString programCaption() {
    return programTitle();
}

QString programDescription() {
    return BirthDetailsScreen::tr(
        "Orbenza shows the positions of the planets in the twelve houses in your natal chart. "
        "The distribution of the planets in the different houses play an important role in "
        "interpreting the birth chart of an individual.");
}

void addHelpMenu(QMenuBar* menuBar, QObject* receiver, const std::function<void()>& about) {
    QMenu* help = menuBar->addMenu(BirthDetailsScreen::tr("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));

    QAction* guide = help->addAction(BirthDetailsScreen::tr("&User Guide"));
    guide->setObjectName(QStringLiteral("mnuUserGuide"));
    QObject::connect(guide, &QAction::triggered, receiver,
                     [menuBar] { showUserGuide(menuBar->window()); });

    QAction* online = help->addAction(BirthDetailsScreen::tr("&Online Help"));
    online->setObjectName(QStringLiteral("mnuOnline"));
    online->setShortcut(QKeySequence::HelpContents);
    QObject::connect(online, &QAction::triggered, receiver,
                     [menuBar] { openUrlOrSay(menuBar->window(), QUrl(helpPageAddress())); });

    QAction* visit = help->addAction(BirthDetailsScreen::tr("&Visit Us Online"));
    visit->setObjectName(QStringLiteral("mnuVisit"));
    QObject::connect(visit, &QAction::triggered, receiver,
                     [menuBar] { openUrlOrSay(menuBar->window(), QUrl(homePageAddress())); });

    help->addSeparator();
    QAction* update = help->addAction(BirthDetailsScreen::tr("Check for Software U&pdate"));
    update->setObjectName(QStringLiteral("mnuUpdate"));
    QObject::connect(update, &QAction::triggered, receiver,
                     [menuBar] { openUrlOrSay(menuBar->window(), QUrl(downloadPageAddress())); });

    help->addSeparator();
    QAction* aboutAction = help->addAction(BirthDetailsScreen::tr("&About Software"));
    aboutAction->setObjectName(QStringLiteral("mnuAbout"));
    QObject::connect(aboutAction, &QAction::triggered, receiver, [about] { about(); });
}

namespace {

// The remembered choice of the positions' source, under "positions" as
// "classic" or "precise"; anything else reads as the default.
constexpr auto kPositionsKey = "positions";

QSettings programSettings() {
    return QSettings(QStringLiteral("Orbenza"), QStringLiteral("Orbenza"));
}

Positions storedPositions() {
    const QString name = programSettings().value(QLatin1String(kPositionsKey)).toString();
    return positionsNamed(name.toStdString()).value_or(kDefaultPositions);
}

void storePositions(Positions positions) {
    programSettings().setValue(QLatin1String(kPositionsKey),
                               QString::fromLatin1(positionsName(positions).data(),
                                                   qsizetype(positionsName(positions).size())));
}

} // namespace

Positions BirthDetailsScreen::positions() const {
    return m_precisePositions->isChecked() ? Positions::Precise : Positions::Classic;
}

void BirthDetailsScreen::setPositions(Positions positions) {
    m_precisePositions->setChecked(positions == Positions::Precise);
}

BirthDetailsScreen::BirthDetailsScreen(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(programCaption());
    buildControls();
    buildMenus();
    setTabOrderChain();
    loadLists();
    buildPlaceSearch();
    m_name->setFocus(Qt::OtherFocusReason);
    // Opens at the size its layout asks for, within the screen.
    QSize size = sizeHint();
    if (const QScreen* shownOn = screen())
        size = size.boundedTo(shownOn->availableGeometry().size());
    resize(size);
}

void BirthDetailsScreen::buildControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("frmMainClient"));
    setCentralWidget(central);

    // Made in the order they are read, top to bottom and left to right.
    QLayout* heading = buildHeading(central);
    auto* body = new QHBoxLayout;
    body->setSpacing(24);
    body->addLayout(buildDetails(central), 5);
    body->addLayout(buildPlace(central), 4);
    auto* rule = new QFrame(central);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);
    QLayout* foot = buildFoot(central);

    auto* page = new QVBoxLayout(central);
    page->setContentsMargins(18, 14, 18, 14);
    page->setSpacing(14);
    page->addLayout(heading);
    page->addLayout(body, 1);
    page->addWidget(rule);
    page->addLayout(foot);
}

// Heading: the program's picture and what it does.
QLayout* BirthDetailsScreen::buildHeading(QWidget* central) {
    auto* picture = new QLabel(central);
    picture->setObjectName(QStringLiteral("picLogo"));
    const int pictureSize = 56;
    picture->setPixmap(QIcon(QStringLiteral(":/orbenza.svg"))
                           .pixmap(QSize(pictureSize, pictureSize), devicePixelRatioF()));
    picture->setFixedSize(pictureSize, pictureSize);
    m_description = new QLabel(programDescription(), central);
    m_description->setObjectName(QStringLiteral("Label2"));
    m_description->setWordWrap(true);
    m_description->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    auto* heading = new QHBoxLayout;
    heading->setSpacing(14);
    heading->addWidget(picture, 0, Qt::AlignTop);
    heading->addWidget(m_description, 1);
    return heading;
}

// Left: who and when and where.
QFormLayout* BirthDetailsScreen::buildDetails(QWidget* central) {
    m_name = new FilteredLineEdit(CharacterFilter::Letters, central);
    m_name->setObjectName(QStringLiteral("txtName"));
    m_month = namedList("cboMonth", central);
    m_day = namedList("cboDate", central);
    m_year = namedList("cboYear", central);
    m_hour = namedList("cboHH", central);
    m_minute = namedList("cboMM", central);
    m_second = namedList("cboSS", central);
    m_city = placeBox("txtMCity", central);
    m_state = placeBox("txtMState", central);
    m_country = placeBox("txtMCountry", central);
    m_findCoordinates = new QPushButton(tr("Click Here To Find Latitude && Longitude"), central);
    m_findCoordinates->setObjectName(QStringLiteral("cmdBrowser"));
    m_findCoordinates->setIcon(QIcon::fromTheme(QStringLiteral("edit-find")));
    connect(m_findCoordinates, &QPushButton::clicked, this, &BirthDetailsScreen::findCoordinates);

    // Room for a long name or place without scrolling.
    const int textBoxWidth = m_name->fontMetrics().averageCharWidth() * 32;
    for (QLineEdit* box : {static_cast<QLineEdit*>(m_name), m_city, m_state, m_country})
        box->setMinimumWidth(textBoxWidth);

    auto* date = new QHBoxLayout;
    date->addWidget(m_month, 3);
    date->addWidget(m_day, 1);
    date->addWidget(m_year, 2);

    auto* time = new QHBoxLayout;
    time->addWidget(m_hour);
    time->addWidget(m_minute);
    time->addWidget(m_second);
    QLabel* timeFormat = captionLabel(tr("HH:MM:SS"), "lblTimeFormat", central);
    timeFormat->setEnabled(false); // a hint, drawn in the muted colour
    time->addWidget(timeFormat);
    time->addStretch(1);

    auto* details = new QFormLayout;
    details->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
    details->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    details->setHorizontalSpacing(14);
    details->setVerticalSpacing(9);
    details->addRow(captionLabel(tr("Name"), "lblNameCaption", central), m_name);
    details->addRow(captionLabel(tr("Date of Birth"), "lblDateCaption", central), date);
    details->addRow(captionLabel(tr("Time of Birth"), "lblTimeCaption", central), time);
    details->addRow(captionLabel(tr("City"), "lblCityCaption", central), m_city);
    details->addRow(captionLabel(tr("State"), "lblStateCaption", central), m_state);
    details->addRow(captionLabel(tr("Country"), "lblCountryCaption", central), m_country);
    details->addRow(QString(), m_findCoordinates);
    return details;
}

// Right: the coordinates, the time zone and daylight saving.
QLayout* BirthDetailsScreen::buildPlace(QWidget* central) {
    m_longitudeDegrees = coordinateBox("txtLonD", QStringLiteral("80"), central);
    m_longitudeMinutes = coordinateBox("txtLonM", QStringLiteral("18"), central);
    m_east = namedOption(tr("East"), "optLong0", central);
    m_west = namedOption(tr("West"), "optLong1", central);
    m_east->setChecked(true);
    QGroupBox* longitude =
        coordinateFrame(tr("Longitude"), "fraLongitude", "lblLonDegCaption", "lblLonMinCaption",
                        m_longitudeDegrees, m_longitudeMinutes, m_east, m_west, central);

    m_latitudeDegrees = coordinateBox("txtLatD", QStringLiteral("13"), central);
    m_latitudeMinutes = coordinateBox("txtLatM", QStringLiteral("05"), central);
    m_north = namedOption(tr("North"), "optLat0", central);
    m_south = namedOption(tr("South"), "optLat1", central);
    m_north->setChecked(true);
    QGroupBox* latitude =
        coordinateFrame(tr("Latitude"), "fraLatitude", "lblLatDegCaption", "lblLatMinCaption",
                        m_latitudeDegrees, m_latitudeMinutes, m_north, m_south, central);

    auto* zone = new QGroupBox(tr("Zone"), central);
    zone->setObjectName(QStringLiteral("fraZone"));
    m_timeZone = namedList("cmbTimeZone", zone);
    m_timeZone->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_timeZone->setMinimumContentsLength(30);
    m_timeZone->setMaxVisibleItems(20);
    makeSearchable(m_timeZone);
    m_zoneLine = new WrappedLineLabel(zone);
    m_zoneLine->setObjectName(QStringLiteral("lblZoneLine"));
    m_zoneLine->hide(); // shown once an atlas is set
    auto* zoneLayout = new QVBoxLayout(zone);
    zoneLayout->addWidget(m_timeZone);
    zoneLayout->addWidget(m_zoneLine);

    m_daylightSaving = new QCheckBox(tr("Daylight Saving Time"), central);
    m_daylightSaving->setObjectName(QStringLiteral("chkDST"));

    auto* coordinates = new QHBoxLayout;
    coordinates->addWidget(longitude);
    coordinates->addWidget(latitude);
    auto* place = new QVBoxLayout;
    place->setSpacing(10);
    place->addLayout(coordinates);
    place->addWidget(zone);
    place->addWidget(m_daylightSaving);
    place->addStretch(1);
    return place;
}

// Foot: the invitation to the discussion board and "Proceed".
QLayout* BirthDetailsScreen::buildFoot(QWidget* central) {
    auto* rule = new QFrame(central);
    rule->setFrameShape(QFrame::HLine);
    rule->setFrameShadow(QFrame::Sunken);

    m_banner = new LinkLabel(
        tr("Discuss your chart on our online discussion board at %1").arg(homePageAddress()),
        central);
    m_banner->setObjectName(QStringLiteral("Label61"));
    connect(m_banner, &LinkLabel::clicked, this, [] { openHomePage(); });

    m_proceed = new QPushButton(tr("Proceed"), central);
    m_proceed->setObjectName(QStringLiteral("cmdRashi"));
    m_proceed->setDefault(true);
    m_proceed->setMinimumWidth(m_proceed->sizeHint().width() + 40);
    connect(m_proceed, &QPushButton::clicked, this, &BirthDetailsScreen::requestProceed);
    // Enter in a text box starts the chart, as "Proceed" does.
    for (QLineEdit* box : {static_cast<QLineEdit*>(m_name), m_city, m_state, m_country})
        connect(box, &QLineEdit::returnPressed, this, &BirthDetailsScreen::requestProceed);

    auto* foot = new QHBoxLayout;
    foot->addWidget(m_banner, 1, Qt::AlignVCenter);
    foot->addSpacing(16);
    foot->addWidget(m_proceed);
    return foot;
}

void BirthDetailsScreen::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* proceed = file->addAction(tr("Proceed"));
    proceed->setObjectName(QStringLiteral("mnuProceed"));
    connect(proceed, &QAction::triggered, this, &BirthDetailsScreen::requestProceed);
    m_precisePositions = file->addAction(tr("P&recise Positions"));
    m_precisePositions->setObjectName(QStringLiteral("mnuPrecisePositions"));
    m_precisePositions->setCheckable(true);
    m_precisePositions->setStatusTip(
        tr("Compute the positions from series fitted to the JPL ephemeris, to a tenth "
           "of an arcsecond, instead of the built-in method"));
    m_precisePositions->setChecked(storedPositions() == Positions::Precise);
    connect(m_precisePositions, &QAction::toggled, this, [](bool precise) {
        storePositions(precise ? Positions::Precise : Positions::Classic);
    });
    QAction* exit = file->addAction(tr("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    addViewMenu(menuBar());
    addHelpMenu(menuBar(), this, [this] { emit aboutRequested(); });
}

void BirthDetailsScreen::setTabOrderChain() {
    QWidget* const chain[] = {m_name,
                              m_month,
                              m_day,
                              m_year,
                              m_hour,
                              m_minute,
                              m_second,
                              m_city,
                              m_state,
                              m_country,
                              m_findCoordinates,
                              m_longitudeDegrees,
                              m_longitudeMinutes,
                              m_east,
                              m_west,
                              m_latitudeDegrees,
                              m_latitudeMinutes,
                              m_north,
                              m_south,
                              m_timeZone,
                              m_daylightSaving,
                              m_proceed,
                              m_banner};
    for (std::size_t i = 1; i < std::size(chain); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}

void BirthDetailsScreen::loadLists() {
    const char* const months[] = {
        QT_TR_NOOP("January"), QT_TR_NOOP("February"), QT_TR_NOOP("March"),
        QT_TR_NOOP("April"),   QT_TR_NOOP("May"),      QT_TR_NOOP("June"),
        QT_TR_NOOP("July"),    QT_TR_NOOP("August"),   QT_TR_NOOP("September"),
        QT_TR_NOOP("October"), QT_TR_NOOP("November"), QT_TR_NOOP("December")};
    for (const char* month : months)
        m_month->addItem(tr(month));

    // The rows in the language of the screens; the position is what a chart keeps.
    for (int position = 0; position < kTimeZoneCount; ++position)
        m_timeZone->addItem(QString::fromStdString(timeZoneRowText(position, screenLanguage())));

    const auto fill = [](QComboBox* box, int first, int last) {
        for (int value = first; value <= last; ++value)
            box->addItem(QString::number(value));
    };
    fill(m_day, 1, 31);
    fill(m_year, kFirstYear, kLastYear);
    fill(m_hour, 0, 23);
    fill(m_minute, 0, 59);
    fill(m_second, 0, 59);

    for (QComboBox* box : {m_month, m_day, m_year, m_hour, m_minute, m_second})
        box->setCurrentIndex(0);
    for (QComboBox* box : {m_day, m_hour, m_minute, m_second})
        selectTypedNumbers(box);
    m_timeZone->setCurrentIndex(kDefaultTimeZonePosition);
}

namespace {
// The value of a coordinate box as the check reads it.
int boxValue(const QLineEdit* box) {
    return coordinateBoxValue(box->text().toStdString());
}
} // namespace

BirthInput BirthDetailsScreen::input() const {
    BirthInput input;
    input.name = m_name->text().toStdString();
    input.local = CivilDateTime{m_year->currentText().toInt(),   m_month->currentIndex() + 1,
                                m_day->currentIndex() + 1,       m_hour->currentText().toInt(),
                                m_minute->currentText().toInt(), m_second->currentText().toInt()};
    input.longitude = {boxValue(m_longitudeDegrees), boxValue(m_longitudeMinutes),
                       m_east->isChecked() ? EastWest::East : EastWest::West};
    input.latitude = {boxValue(m_latitudeDegrees), boxValue(m_latitudeMinutes),
                      m_south->isChecked() ? NorthSouth::South : NorthSouth::North};
    // The atlas's own entry after the rows is no row: the run takes its exact
    // correction, as it does the kept one while no row is chosen.
    const int position = m_timeZone->currentIndex();
    input.zonePosition = position < kTimeZoneCount ? position : -1;
    input.correction = atlasZoneCorrection().value_or(m_keptCorrection);
    input.daylightSaving = m_daylightSaving->isChecked();
    input.positions = positions();
    input.atlasClock = atlasClock();
    return input;
}

void BirthDetailsScreen::setInput(const BirthInput& input, const QString& city,
                                  const QString& state, const QString& country) {
    detachPlace();
    removeAtlasZoneEntry();
    // Filled as a whole: no box filled here detaches or refreshes anything.
    m_filling = true;
    m_name->setText(QString::fromStdString(input.name));
    m_month->setCurrentIndex(input.local.month - 1);
    m_day->setCurrentIndex(input.local.day - 1);
    m_year->setCurrentIndex(m_year->findText(QString::number(input.local.year)));
    m_hour->setCurrentIndex(input.local.hour);
    m_minute->setCurrentIndex(input.local.minute);
    m_second->setCurrentIndex(input.local.second);
    m_city->setText(city);
    m_state->setText(state);
    m_country->setText(country);
    m_longitudeDegrees->setText(QString::number(input.longitude.degrees));
    m_longitudeMinutes->setText(QString::number(input.longitude.minutes));
    (input.longitude.hemisphere == EastWest::East ? m_east : m_west)->setChecked(true);
    m_latitudeDegrees->setText(QString::number(input.latitude.degrees));
    m_latitudeMinutes->setText(QString::number(input.latitude.minutes));
    (input.latitude.hemisphere == NorthSouth::South ? m_south : m_north)->setChecked(true);
    m_timeZone->setCurrentIndex(input.zonePosition);
    m_daylightSaving->setChecked(input.daylightSaving);
    m_keptCorrection = input.correction;
    setPositions(input.positions);
    m_filling = false;
    if (input.atlasClock) {
        attachClock(*input.atlasClock);
        // The pass the chart was computed for stays chosen for its own moment.
        if (input.atlasClock->fold != Fold::None) {
            m_place->settledMoment = input.local;
            m_place->settledSecond = input.atlasClock->fold == Fold::Later;
        }
        refreshPlaceTime();
    }
}

QString BirthDetailsScreen::cityText() const {
    return m_city->text();
}
QString BirthDetailsScreen::stateText() const {
    return m_state->text();
}
QString BirthDetailsScreen::countryText() const {
    return m_country->text();
}

void BirthDetailsScreen::focusField(InputField field) {
    QWidget* target = nullptr;
    switch (field) {
    case InputField::None:
        return;
    case InputField::Name:
        target = m_name;
        break;
    case InputField::LongitudeDegrees:
        target = m_longitudeDegrees;
        break;
    case InputField::LongitudeMinutes:
        target = m_longitudeMinutes;
        break;
    case InputField::LatitudeDegrees:
        target = m_latitudeDegrees;
        break;
    case InputField::LatitudeMinutes:
        target = m_latitudeMinutes;
        break;
    }
    target->setFocus(Qt::OtherFocusReason);
}

void BirthDetailsScreen::findCoordinates() {
    // The three place texts must be there, as typed: blanks count as text.
    const struct {
        QLineEdit* box;
        QString message;
    } required[] = {
        {m_city, enterCityText()}, {m_state, enterStateText()}, {m_country, enterCountryText()}};
    for (const auto& field : required) {
        if (field.box->text().isEmpty()) {
            showUserMessage(this, field.message, MessageIcon::Information);
            field.box->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const QString query = m_city->text() + QLatin1Char(' ') + m_state->text() + QLatin1Char(' ') +
                          m_country->text() + QStringLiteral(" Latitude Longitude");
    openUrlOrSay(this, coordinatesSearchAddress(query));
}

void BirthDetailsScreen::requestProceed() {
    // Text typed into the zone list and not yet settled (File > Proceed
    // leaves the focus where it is): the run takes the row the box then shows.
    settleTypedRow(m_timeZone);
    // The key filter lets in the characters of a name one at a time; where the
    // signs stand ("-ANN", "ANN--LEE") is checked on the whole name here, before
    // the run. An empty name is the run's own refusal, "Please Enter Name".
    const QString name = m_name->text();
    if (!name.trimmed().isEmpty() && !isValidPersonName(name.toStdString())) {
        showUserMessage(this, onlyLettersText(), MessageIcon::Information);
        focusField(InputField::Name);
        return;
    }
    emit proceedRequested();
}

void BirthDetailsScreen::closeEvent(QCloseEvent* event) {
    event->accept();
    emit closed();
}

} // namespace orbenza
