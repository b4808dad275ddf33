#include "positions/TimeScales.h"

#include "moon/TimeBase.h"

#include <chrono>

namespace orbenza {

AscendantTimeBase ascendantTimeBase(const BirthData& birth, UtCorrection correction) {
    AscendantTimeBase base;
    base.ascLocalHours = birth.birthHour + birth.birthMinute / 60.0 + birth.birthSecond / 3600.0;
    base.ascLongitudeWest = longitudeWestDegOf(birth);
    base.ascLatitude = latitudeDegOf(birth);
    base.ascJdn = julianDay(birth.birthMonth, birth.birthDay, birth.birthYear);
    base.ascUniversalHours = universalHoursOf(birth, correction);
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

} // namespace orbenza
