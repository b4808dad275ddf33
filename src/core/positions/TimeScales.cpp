#include "positions/TimeScales.h"

#include "moon/TimeBase.h"

#include <chrono>

namespace orbenza {

AscendantTimeBase ascendantTimeBase(const BirthData& birth, const BirthMoment& moment) {
    AscendantTimeBase base;
    base.ascLocalHours = birth.birthHour + birth.birthMinute / 60.0 + birth.birthSecond / 3600.0;
    base.ascLongitudeWest = longitudeWestDegOf(birth);
    base.ascLatitude = latitudeDegOf(birth);
    base.ascJdn = moment.localJulianDayNumber;
    base.ascUniversalHours = moment.universalHours;
    base.centuriesT1900 =
        ((base.ascJdn - 2415020.0) + base.ascUniversalHours / 24.0 - 0.5) / 36525.0;
    return base;
}

UniversalMoment planetUniversalTime(const BirthData& birth, UtCorrection correction) {
    using namespace std::chrono;
    const sys_days localDate =
        year_month_day{year{birth.birthYear}, month{static_cast<unsigned>(birth.birthMonth)},
                       day{static_cast<unsigned>(birth.birthDay)}};
    const minutes daylightSaving{isTrue16(birth.isDaylightSaving) ? 60 : 0};
    const sys_time<seconds> moment = localDate + hours{birth.birthHour} +
                                     minutes{birth.birthMinute} + seconds{birth.birthSecond} +
                                     hours{correction.utCorrectionHours} +
                                     minutes{correction.utCorrectionMinutes} +
                                     seconds{correction.utCorrectionSeconds} - daylightSaving;
    const sys_days universalDate = floor<days>(moment);
    const year_month_day ymd{universalDate};
    const hh_mm_ss<seconds> timeOfDay{moment - universalDate};

    UniversalMoment result;
    result.year = static_cast<int>(ymd.year());
    result.month = static_cast<int>(static_cast<unsigned>(ymd.month()));
    result.day = static_cast<int>(static_cast<unsigned>(ymd.day()));
    result.hour = static_cast<int>(timeOfDay.hours().count());
    result.minute = static_cast<int>(timeOfDay.minutes().count());
    result.second = static_cast<int>(timeOfDay.seconds().count());
    return result;
}

double dayNumber(int year, int month, int day, int hour, int minute) {
    const double a = 367.0 * year - floorWhole(7.0 * (year + floorWhole((month + 9) / 12.0)) / 4.0);
    const double b = floorWhole(275.0 * month / 9.0) + a;
    const double d = (day + b) - 730531.5;
    return d + (hour + minute / 60.0) / 24.0;
}

BirthMoment birthMomentOf(const BirthData& birth, UtCorrection correction) {
    BirthMoment moment;
    moment.universalTime = planetUniversalTime(birth, correction);
    moment.localJulianDayNumber = julianDay(birth.birthMonth, birth.birthDay, birth.birthYear);
    moment.universalHours = universalHoursOf(birth, correction);
    const UniversalMoment& ut = moment.universalTime;
    moment.daysJ2000 =
        dayNumber(ut.year, ut.month, ut.day, ut.hour, ut.minute) + ut.second / 86400.0;
    const double hours = ut.hour + ut.minute / 60.0 + ut.second / 3600.0;
    moment.julianDayUt = julianDay(ut.month, ut.day, ut.year) - 0.5 + hours / 24.0;
    moment.deltaTSeconds = deltaTSeconds(ut.year + (ut.month - 0.5) / 12.0);
    moment.julianDayTt = moment.julianDayUt + moment.deltaTSeconds / 86400.0;
    return moment;
}

double deltaTSeconds(double y) {
    if (y < 1920.0) {
        const double t = y - 1900.0;
        return -2.79 + 1.494119 * t - 0.0598939 * t * t + 0.0061966 * t * t * t -
               0.000197 * t * t * t * t;
    }
    if (y < 1941.0) {
        const double t = y - 1920.0;
        return 21.20 + 0.84493 * t - 0.076100 * t * t + 0.0020936 * t * t * t;
    }
    if (y < 1961.0) {
        const double t = y - 1950.0;
        return 29.07 + 0.407 * t - t * t / 233.0 + t * t * t / 2547.0;
    }
    if (y < 1986.0) {
        const double t = y - 1975.0;
        return 45.45 + 1.067 * t - t * t / 260.0 - t * t * t / 718.0;
    }
    const double t = y - 2000.0;
    if (y < 2005.0)
        return 63.86 + 0.3345 * t - 0.060374 * t * t + 0.0017275 * t * t * t +
               0.000651814 * t * t * t * t + 0.00002373599 * t * t * t * t * t;
    return 62.92 + 0.32217 * t + 0.005589 * t * t;
}

} // namespace orbenza
