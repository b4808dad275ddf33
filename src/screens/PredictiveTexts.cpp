#include "PredictiveTexts.h"

#include "Languages.h"
#include "base/YearRange.h"
#include "predictive/Moments.h"
#include "report/ReportWords.h"

#include <QCoreApplication>

namespace orbenza {

namespace {

class PredictiveText {
    Q_DECLARE_TR_FUNCTIONS(PredictiveTexts)
};

} // namespace

QDateTime firstChartMoment() {
    return {QDate(kFirstYear, 1, 1), QTime(0, 0), Qt::UTC};
}

QDateTime lastChartMoment() {
    return {QDate(kLastYear, 12, 31), QTime(23, 59, 59), Qt::UTC};
}

QDateTime dateTimeOfJulianDay(double julianDayUt) {
    const CivilDateTime ut = momentOfJulianDay(julianDayUt);
    return {QDate(ut.year, ut.month, ut.day), QTime(ut.hour, ut.minute, ut.second), Qt::UTC};
}

double julianDayOfDateTime(const QDateTime& moment) {
    const QDateTime utc = moment.toUTC();
    const QDate date = utc.date();
    const QTime time = utc.time();
    return julianDayOfMoment(CivilDateTime{date.year(), date.month(), date.day(), time.hour(),
                                           time.minute(), time.second()});
}

QString universalMomentText(const QDateTime& moment) {
    return PredictiveText::tr("%1 UT").arg(
        moment.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
}

namespace {

// A word of the language's table as UTF-8 bytes; empty for a slot past it.
template <std::size_t N>
QByteArray wordOf(const std::array<std::string_view, N>& words, std::size_t slot) {
    return slot < N ? QByteArray(words[slot].data(), static_cast<qsizetype>(words[slot].size()))
                    : QByteArray();
}

} // namespace

QString pointName(Body body) {
    return QString::fromUtf8(wordOf(reportWords(screenLanguage()).pointNames, indexOf(body)));
}

QString pointLabelText(Body body) {
    return QString::fromUtf8(wordOf(reportWords(screenLanguage()).pointLabels, indexOf(body)));
}

QString aspectNameText(Aspect aspect) {
    return QString::fromUtf8(
        wordOf(reportWords(screenLanguage()).aspectNames, static_cast<std::size_t>(aspect)));
}

QString aspectWord(Aspect aspect) {
    QString word = aspectNameText(aspect);
    if (!word.isEmpty())
        word[0] = word[0].toUpper();
    return word;
}

} // namespace orbenza
