// A date and clock time on the proleptic Gregorian calendar, to the second:
// the birth's local moment, a universal moment, or a moment of a zone's
// history alike.
#pragma once

namespace orbenza {

struct CivilDateTime {
    int year = 1901;
    int month = 1; // 1 ... 12
    int day = 1;   // 1 ... 31
    int hour = 0;  // 0 ... 23
    int minute = 0;
    int second = 0;
    friend bool operator==(const CivilDateTime&, const CivilDateTime&) = default;
};

} // namespace orbenza
