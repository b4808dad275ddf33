#include "PredictiveTexts.h"

#include "base/YearRange.h"
#include "predictive/Moments.h"

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

QString pointName(Body body) {
    const std::string_view name = bodyName(body);
    return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

QString aspectWord(Aspect aspect) {
    QString word = QString::fromLatin1(aspectName(aspect).data(),
                                       static_cast<qsizetype>(aspectName(aspect).size()));
    if (!word.isEmpty())
        word[0] = word[0].toUpper();
    return word;
}

} // namespace orbenza
