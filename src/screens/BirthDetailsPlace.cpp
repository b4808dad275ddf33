// The birth details screen's place atlas: the City box's suggestions, the
// fill-in of coordinates, zone and daylight saving from a chosen place, the
// zone line, and the question for a clock time that did not exist or happened
// twice.
#include "BirthDetailsScreen.h"
#include "Hook.h"
#include "InputFilters.h"
#include "UserMessages.h"
#include "atlas/ClockCaution.h"
#include "chart/AtlasTime.h"
#include "chart/TimeZones.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDate>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardItemModel>
#include <cmath>

namespace orbenza {

namespace {

// The roles of a suggestion: the name the City box takes, and the place's
// position among the suggestions.
constexpr int kNameRole = Qt::UserRole + 1;
constexpr int kSuggestionRole = Qt::UserRole + 2;
// Suggestions start with this many characters typed.
constexpr int kMinimumSearchLength = 2;
constexpr std::size_t kMaxSuggestions = 12;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

// "1 Jul 1985".
QString dateText(const atlas::DateTime& moment) {
    static const char* const months[] = {QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Jan"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Feb"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Mar"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Apr"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "May"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Jun"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Jul"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Aug"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Sep"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Oct"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Nov"),
                                         QT_TRANSLATE_NOOP("orbenza::BirthDetailsScreen", "Dec")};
    return BirthDetailsScreen::tr("%1 %2 %3")
        .arg(moment.day)
        .arg(BirthDetailsScreen::tr(months[moment.month - 1]))
        .arg(moment.year);
}

// "02:30", or "02:30:15" with seconds.
QString clockText(const atlas::DateTime& moment) {
    QString text = QStringLiteral("%1:%2")
                       .arg(moment.hour, 2, 10, QLatin1Char('0'))
                       .arg(moment.minute, 2, 10, QLatin1Char('0'));
    if (moment.second != 0)
        text += QStringLiteral(":%1").arg(moment.second, 2, 10, QLatin1Char('0'));
    return text;
}

// A coordinate's magnitude as whole degrees and minutes, rounded to the
// minute and kept below the largest degree the boxes take.
std::pair<int, int> degreesAndMinutes(double magnitudeDeg, int maxDegrees) {
    int minutes = static_cast<int>(std::lround(std::fabs(magnitudeDeg) * 60.0));
    minutes = std::min(minutes, maxDegrees * 60 + 59);
    return {minutes / 60, minutes % 60};
}

BirthDetailsScreen::ClockChoice askInMessageBox(QWidget* parent, const QString& text,
                                                const QString& first, const QString& second) {
    QMessageBox box(QMessageBox::Question, programCaption(), text, QMessageBox::Cancel, parent);
    nameStandardButtons(&box);
    QPushButton* firstButton = box.addButton(first, QMessageBox::AcceptRole);
    QPushButton* secondButton = box.addButton(second, QMessageBox::AcceptRole);
    box.exec();
    if (box.clickedButton() == firstButton)
        return BirthDetailsScreen::ClockChoice::First;
    if (box.clickedButton() == secondButton)
        return BirthDetailsScreen::ClockChoice::Second;
    return BirthDetailsScreen::ClockChoice::Cancel;
}

// Hands the key presses of a widget to a function first; true from it eats the key.
class KeyInterceptor : public QObject {
public:
    KeyInterceptor(QObject* parent, std::function<bool(const QKeyEvent&)> handle)
        : QObject(parent), m_handle(std::move(handle)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyPress && m_handle(static_cast<const QKeyEvent&>(*event)))
            return true;
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<bool(const QKeyEvent&)> m_handle;
};

BirthDetailsScreen::ClockQuestion& clockQuestion() {
    static BirthDetailsScreen::ClockQuestion question = askInMessageBox;
    return question;
}

} // namespace

BirthDetailsScreen::ClockQuestion BirthDetailsScreen::setClockQuestion(ClockQuestion question) {
    return replaceHook(clockQuestion(), std::move(question), ClockQuestion(askInMessageBox));
}

void BirthDetailsScreen::buildPlaceSearch() {
    m_suggestionModel = new QStandardItemModel(this);
    m_placeCompleter = new QCompleter(m_suggestionModel, this);
    m_placeCompleter->setObjectName(QStringLiteral("cmpPlaces"));
    // The atlas has chosen and ordered the places; the popup shows them all.
    m_placeCompleter->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_placeCompleter->setCaseSensitivity(Qt::CaseInsensitive);
    m_placeCompleter->setCompletionRole(kNameRole);
    m_placeCompleter->setMaxVisibleItems(static_cast<int>(kMaxSuggestions));
    connect(m_placeCompleter, qOverload<const QModelIndex&>(&QCompleter::activated), this,
            [this](const QModelIndex& index) {
                if (index.isValid())
                    pickSuggestion(index.data(kSuggestionRole).toInt());
            });
    connect(m_city, &QLineEdit::textEdited, this, &BirthDetailsScreen::suggestPlaces);
    // QCompleter hands Enter to the City box before it takes the place, which
    // would start the chart from the coordinates still in the boxes, and it
    // lets Tab leave the box with the name copied but the place not applied.
    // So the popup's Enter and Tab are handled here first (the event filter
    // installed last runs first).
    QAbstractItemView* popup = m_placeCompleter->popup();
    popup->installEventFilter(new KeyInterceptor(
        popup, [this](const QKeyEvent& key) { return takeSuggestionByKey(key.key()); }));

    // A later date or time updates the attached place's clock time.
    for (QComboBox* box : {m_month, m_day, m_year, m_hour, m_minute, m_second})
        connect(box, &QComboBox::currentIndexChanged, this, &BirthDetailsScreen::refreshPlaceTime);
    // A change by hand detaches the place.
    const auto byHand = [this] {
        if (!m_filling)
            detachPlace();
    };
    for (QLineEdit* box :
         {static_cast<QLineEdit*>(m_longitudeDegrees), static_cast<QLineEdit*>(m_longitudeMinutes),
          static_cast<QLineEdit*>(m_latitudeDegrees), static_cast<QLineEdit*>(m_latitudeMinutes)})
        connect(box, &QLineEdit::textChanged, this, byHand);
    for (QRadioButton* button : {m_east, m_west, m_north, m_south})
        connect(button, &QRadioButton::toggled, this, byHand);
    connect(m_daylightSaving, &QCheckBox::toggled, this, byHand);
    connect(m_timeZone, &QComboBox::currentIndexChanged, this, [this](int position) {
        if (m_filling)
            return;
        detachPlace();
        // A row of the list chosen by hand replaces the atlas's own entry.
        if (position >= 0 && position < kTimeZoneCount)
            removeAtlasZoneEntry();
    });
}

void BirthDetailsScreen::setAtlas(std::shared_ptr<const atlas::Atlas> atlas) {
    m_atlas = std::move(atlas);
    m_place.reset();
    m_suggested.clear();
    m_suggestionModel->clear();
    const bool available = m_atlas && m_atlas->available();
    m_city->setCompleter(available ? m_placeCompleter : nullptr);
    if (available) {
        m_zoneLine->clear();
        m_zoneLine->setToolTip(QString());
    } else {
        m_zoneLine->setText(tr("The place atlas is unavailable: type the coordinates and choose "
                               "the zone by hand."));
        m_zoneLine->setToolTip(m_atlas ? qs(m_atlas->unavailableReason()) : QString());
    }
    m_zoneLine->setVisible(!m_zoneLine->text().isEmpty());
}

void BirthDetailsScreen::suggestPlaces(const QString& text) {
    if (!m_atlas || !m_atlas->available())
        return;
    m_suggestionModel->clear();
    m_suggested.clear();
    if (text.trimmed().size() < kMinimumSearchLength)
        return;
    m_suggested = m_atlas->search(text.toStdString(), kMaxSuggestions);
    // "Mumbai (Bombay) — Maharashtra, India": the name the text matched, and
    // the coordinates of places that would read alike.
    const std::vector<std::string> labels = atlas::distinctPlaceLabels(m_suggested);
    for (std::size_t i = 0; i < m_suggested.size(); ++i) {
        auto* item = new QStandardItem(qs(labels[i]));
        item->setData(qs(m_suggested[i].name), kNameRole);
        item->setData(static_cast<int>(i), kSuggestionRole);
        item->setEditable(false);
        m_suggestionModel->appendRow(item);
    }
}

QStringList BirthDetailsScreen::placeSuggestions() const {
    QStringList texts;
    for (int row = 0; row < m_suggestionModel->rowCount(); ++row)
        texts << m_suggestionModel->item(row)->text();
    return texts;
}

bool BirthDetailsScreen::takeSuggestionByKey(int key) {
    const bool enter = key == Qt::Key_Return || key == Qt::Key_Enter;
    const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
    QAbstractItemView* popup = m_placeCompleter->popup();
    if ((!enter && !tab) || !popup->isVisible())
        return false;
    // Enter with nothing highlighted means the first (the largest) place; Tab
    // takes only a highlighted one.
    QModelIndex index = popup->currentIndex();
    if (!index.isValid() && enter)
        index = m_placeCompleter->completionModel()->index(0, 0);
    popup->hide();
    if (index.isValid())
        pickSuggestion(index.data(kSuggestionRole).toInt());
    if (tab)
        (key == Qt::Key_Tab ? static_cast<QWidget*>(m_state) : m_second)
            ->setFocus(key == Qt::Key_Tab ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

void BirthDetailsScreen::pickSuggestion(int row) {
    if (row < 0 || static_cast<std::size_t>(row) >= m_suggested.size())
        return;
    choosePlace(m_suggested[static_cast<std::size_t>(row)]);
}

void BirthDetailsScreen::choosePlace(const atlas::Place& place) {
    m_filling = true;
    m_city->setText(qs(place.name));
    m_state->setText(qs(place.region));
    m_country->setText(qs(place.country));
    const auto [lonDeg, lonMin] = degreesAndMinutes(place.longitudeDeg, 179);
    const auto [latDeg, latMin] = degreesAndMinutes(place.latitudeDeg, 89);
    m_longitudeDegrees->setText(QString::number(lonDeg));
    m_longitudeMinutes->setText(QString::number(lonMin));
    (place.longitudeDeg < 0 ? m_west : m_east)->setChecked(true);
    m_latitudeDegrees->setText(QString::number(latDeg));
    m_latitudeMinutes->setText(QString::number(latMin));
    (place.latitudeDeg < 0 ? m_south : m_north)->setChecked(true);
    m_filling = false;
    attachClock(AtlasClock{atlas::placeLabel(place), std::string(place.timeZone), Fold::None,
                           place.longitudeDeg});
    m_place->atlasPlace = place;
    refreshPlaceTime();
}

void BirthDetailsScreen::attachClock(const AtlasClock& clock) {
    m_place = AttachedPlace{clock, std::nullopt, std::nullopt, false, Fold::None, std::nullopt};
}

atlas::DateTime BirthDetailsScreen::enteredMoment() const {
    atlas::DateTime moment;
    moment.year = m_year->currentText().toInt();
    moment.month = m_month->currentIndex() + 1;
    moment.day = m_day->currentIndex() + 1;
    moment.hour = m_hour->currentIndex();
    moment.minute = m_minute->currentIndex();
    moment.second = std::max(0, m_second->currentIndex());
    return moment;
}

void BirthDetailsScreen::refreshPlaceTime() {
    if (!m_place)
        return;
    AttachedPlace& attached = *m_place;
    const QString zoneName = qs(attached.clock.timeZone);
    const atlas::DateTime moment = enteredMoment();
    attached.unsettled.reset();
    attached.fold = Fold::None;
    if (!QDate(moment.year, moment.month, moment.day).isValid()) {
        m_zoneLine->setText(tr("%1 · %2 %3 %4 is no date of the calendar")
                                .arg(zoneName)
                                .arg(moment.day)
                                .arg(m_month->currentText())
                                .arg(moment.year));
        m_zoneLine->show();
        return;
    }
    const atlas::ZoneClock clock = atlas::ZoneClock::find(attached.clock.timeZone);
    if (!clock.valid()) {
        m_zoneLine->setText(qs(clock.error()));
        m_zoneLine->show();
        return;
    }
    const atlas::PlaceTime time = clock.at(moment, attached.clock.longitudeEastDeg);
    if (time.kind == atlas::PlaceTime::Kind::Unique) {
        applyZoneState(time.first);
        m_zoneLine->setText(placeClockLine(time.first));
    } else if (attached.settledMoment && *attached.settledMoment == moment) {
        const atlas::ZoneState& chosen = attached.settledSecond ? time.second : time.first;
        if (time.kind == atlas::PlaceTime::Kind::HappenedTwice)
            attached.fold = attached.settledSecond ? Fold::Later : Fold::Earlier;
        applyZoneState(chosen);
        m_zoneLine->setText(placeClockLine(chosen));
    } else {
        attached.unsettled = time;
        attached.settledMoment.reset();
        const QString when = tr("%1 at %2").arg(dateText(moment), clockText(moment));
        m_zoneLine->setText(
            time.kind == atlas::PlaceTime::Kind::DidNotExist
                ? tr("%1 · %2 did not exist: the clocks were put forward. Proceed asks which "
                     "universal time is meant.")
                      .arg(zoneName, when)
                : tr("%1 · %2 happened twice: the clocks were put back. Proceed asks which "
                     "universal time is meant.")
                      .arg(zoneName, when));
    }
    if (const QString caution = clockCautionText(); !caution.isEmpty())
        m_zoneLine->setText(m_zoneLine->text() + QLatin1Char('\n') + caution);
    m_zoneLine->show();
}

QString BirthDetailsScreen::clockCautionText() const {
    // A zone given by name has no place to caution about.
    if (!m_place || (!m_place->atlasPlace && m_place->clock.place.empty()))
        return {};
    // The place picked from the atlas, or for a chart from the library the
    // place it kept: its name in the City box (else its whole label), its
    // coordinates in the form (the longitude to the atlas's precision).
    std::string name;
    double latitudeDeg = 0;
    double longitudeDeg = 0;
    if (const auto& place = m_place->atlasPlace) {
        name = place->name;
        latitudeDeg = place->latitudeDeg;
        longitudeDeg = place->longitudeDeg;
    } else {
        name = m_city->text().isEmpty() ? m_place->clock.place : m_city->text().toStdString();
        latitudeDeg = latitudeNorthDegOf(input().latitude);
        longitudeDeg = m_place->clock.longitudeEastDeg;
    }
    const atlas::ClockCaution caution = atlas::clockCaution(
        m_place->clock.timeZone, name, latitudeDeg, longitudeDeg, enteredMoment().year);
    if (caution.code != atlas::ClockCaution::Code::PrincipalCityOnly)
        return {};
    return tr("Before 1970 this zone's clock history is that of %1; local practice in %2 may "
              "have differed: check the birth record.")
        .arg(qs(caution.principalCity), qs(caution.place));
}

QString BirthDetailsScreen::placeClockLine(const atlas::ZoneState& state) const {
    const QString zoneName = qs(m_place->clock.timeZone);
    const QString offset = qs(atlas::formatUtOffset(state.utOffsetSeconds));
    const QString date = dateText(enteredMoment());
    const QString abbreviation = qs(state.abbreviation);
    if (state.summerTime)
        return tr("%1 · %2 · %3 on %4 (summer time)").arg(zoneName, abbreviation, offset, date);
    if (state.localMeanTime)
        return tr("%1 · %2 · %3 on %4 (local mean time)").arg(zoneName, abbreviation, offset, date);
    return tr("%1 · %2 · %3 on %4").arg(zoneName, abbreviation, offset, date);
}

void BirthDetailsScreen::applyZoneState(const atlas::ZoneState& state) {
    // The rows may name the place by its region or country as the boxes show
    // them, or by its zone.
    const std::string region = m_state->text().toStdString();
    const std::string country = m_country->text().toStdString();
    const ZoneRowChoice choice =
        chooseZoneRow(state, {region, country, m_place ? m_place->clock.timeZone : std::string()});
    m_filling = true;
    if (choice.position >= 0) {
        m_timeZone->setCurrentIndex(choice.position);
        removeAtlasZoneEntry();
    } else {
        // The offset no row gives: an entry of its own after the rows. With
        // the box ticked it shows the offset beneath the hour of summer time.
        const std::int32_t entryOffset = state.utOffsetSeconds - (choice.daylightSaving ? 3600 : 0);
        const std::string& abbreviation =
            choice.daylightSaving ? state.standardAbbreviation : state.abbreviation;
        const QString text = tr("From the atlas: %1 (%2)")
                                 .arg(qs(atlas::formatUtOffset(entryOffset)),
                                      qs(abbreviation.empty() ? state.abbreviation : abbreviation));
        if (m_timeZone->count() > kTimeZoneCount)
            m_timeZone->setItemText(kTimeZoneCount, text);
        else
            m_timeZone->addItem(text);
        m_timeZone->setCurrentIndex(kTimeZoneCount);
        m_atlasCorrection = choice.correction;
    }
    m_daylightSaving->setChecked(choice.daylightSaving);
    m_filling = false;
}

void BirthDetailsScreen::removeAtlasZoneEntry() {
    if (m_timeZone->count() <= kTimeZoneCount)
        return;
    const bool wasFilling = m_filling;
    m_filling = true;
    if (m_timeZone->currentIndex() >= kTimeZoneCount)
        m_timeZone->setCurrentIndex(kDefaultTimeZonePosition);
    while (m_timeZone->count() > kTimeZoneCount)
        m_timeZone->removeItem(kTimeZoneCount);
    m_atlasCorrection.reset();
    m_filling = wasFilling;
}

void BirthDetailsScreen::detachPlace() {
    if (!m_place)
        return;
    m_place.reset();
    m_zoneLine->setText(tr("Coordinates, zone and daylight saving set by hand, not from the "
                           "atlas."));
    m_zoneLine->show();
}

QString BirthDetailsScreen::zoneLineText() const {
    return m_zoneLine->isVisible() || !m_zoneLine->text().isEmpty() ? m_zoneLine->text()
                                                                    : QString();
}

std::optional<UtCorrection> BirthDetailsScreen::atlasZoneCorrection() const {
    if (m_timeZone->currentIndex() == kTimeZoneCount)
        return m_atlasCorrection;
    return std::nullopt;
}

std::optional<AtlasClock> BirthDetailsScreen::atlasClock() const {
    if (!m_place)
        return std::nullopt;
    AtlasClock clock = m_place->clock;
    clock.fold = m_place->fold;
    return clock;
}

bool BirthDetailsScreen::settleClockTime() {
    if (!m_place || !m_place->unsettled)
        return true;
    const atlas::PlaceTime time = *m_place->unsettled;
    const atlas::DateTime moment = enteredMoment();
    const QString firstUt =
        qs(atlas::formatUniversalTime(atlas::universalTimeOf(moment, time.first.utOffsetSeconds)));
    const QString secondUt =
        qs(atlas::formatUniversalTime(atlas::universalTimeOf(moment, time.second.utOffsetSeconds)));
    const QString zoneName = qs(m_place->clock.timeZone);
    const QString when = tr("%1 at %2").arg(dateText(moment), clockText(moment));
    QString text;
    QString first;
    QString second;
    if (time.kind == atlas::PlaceTime::Kind::DidNotExist) {
        text = tr("In %1 the clock time %2 did not exist: the clocks were put forward over it. "
                  "Read on the clock before the change (%3) it is %4; read on the clock after "
                  "the change (%5) it is %6. Which one is meant?")
                   .arg(zoneName, when, qs(time.first.abbreviation), firstUt,
                        qs(time.second.abbreviation), secondUt);
        first = tr("Clock before the change: %1").arg(firstUt);
        second = tr("Clock after the change: %1").arg(secondUt);
    } else {
        text = tr("In %1 the clock time %2 happened twice: the clocks were put back over it. The "
                  "first time (%3) it was %4; the second time (%5) it was %6. Which one is meant?")
                   .arg(zoneName, when, qs(time.first.abbreviation), firstUt,
                        qs(time.second.abbreviation), secondUt);
        first = tr("First time: %1").arg(firstUt);
        second = tr("Second time: %1").arg(secondUt);
    }
    const ClockChoice choice = clockQuestion()(this, text, first, second);
    if (choice == ClockChoice::Cancel || !m_place)
        return false;
    m_place->settledMoment = moment;
    m_place->settledSecond = choice == ClockChoice::Second;
    refreshPlaceTime();
    return true;
}

} // namespace orbenza
