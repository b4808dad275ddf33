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

// "Sun" ... "Pluto", "Ascendant", "Midheaven", "Chiron", "True Node", ...
QString pointName(Body body);
// "Conjunction", "Opposition", "Trine", "Square", "Sextile", ...
QString aspectWord(Aspect aspect);

} // namespace orbenza
