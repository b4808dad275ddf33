// What the screens of the chart in time (transits, progressions, returns, two
// charts compared) share: universal moments between Qt's date-times and Julian
// Days, and the words for points and aspects in their lists.
#pragma once

#include "base/Aspect.h"
#include "base/Body.h"

#include <QDateTime>
#include <QString>

namespace orbenza {

// The first and last moments the positions cover, UTC.
QDateTime firstChartMoment();
QDateTime lastChartMoment();

// A Julian Day (UT) as a UTC date-time to the second, and back.
QDateTime dateTimeOfJulianDay(double julianDayUt);
double julianDayOfDateTime(const QDateTime& moment);

// "2026-12-09 14:05:09 UT".
QString universalMomentText(const QDateTime& moment);

// The words of the screens' language, as the report writes them: "Sun" ...
// "Pluto", "Ascendant", "Midheaven", "Chiron", "True Node", ... ("Sonne" ...
// in German); the short labels ("Asc", "MC"); "Conjunction", "Opposition" ...
QString pointName(Body body);
QString pointLabelText(Body body);
QString aspectWord(Aspect aspect);
// The aspect's name as a sentence carries it ("conjunction" in English).
QString aspectNameText(Aspect aspect);

} // namespace orbenza
