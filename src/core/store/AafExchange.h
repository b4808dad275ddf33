// Charts in the Astrodienst Astrological Exchange Format (AAF), published by
// Astrodienst in 1993. Each chart is two text lines:
//
//   #A93:name,first name,sex or event type,day.month.year,hh:mm[:ss],place,country
//   #B93:Julian day of UT,latitude,longitude,zone difference,summer time flag
//
// for example
//   #A93:Muster,Anna,f,12.3.1970,15:42,Kandel/Pfalz,D
//   #B93:2440658.112500,49n05,8e12,1hE00,0
//
// "*" stands for an unknown value. Latitudes and longitudes are degrees, the
// hemisphere letter (n, s, e, w) and minutes of arc, optionally followed by
// seconds ("49n05'30"), which are rounded to the minute the library keeps.
// The zone difference is hours, "h" (a standard zone) or "m" (local mean
// time), E or W of Greenwich and minutes: "1hE00" is one hour ahead of
// universal time, "5hW00" five hours behind. On local mean time the clock
// runs at the place's own offset, four minutes of time for each degree of
// longitude. The summer time flag is 0 or 1 (one hour ahead of the zone).
// Other lines (#COM comments and the like) are skipped.
//
// How a chart's universal time is settled: a Julian day written to six or
// more decimals (a tenth of a second) gives it to the second, and the zone
// difference, which holds whole minutes only, must agree with it within a
// minute; a Julian day given more coarsely is only checked against the zone
// difference within the same minute and its own rounding. With the zone
// unknown the Julian day alone sets the offset; with both unknown the chart
// is refused.
//
// Texts are UTF-8; a field that is not is read as ISO 8859-1, which older
// files use. On writing, a comma or line break in a text (which the format
// cannot carry) is written as a semicolon or a space.
#pragma once

#include "input/BirthInput.h"
#include "store/ChartRecord.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orbenza::store {

enum class AafProblem {
    None,
    A93Fields,   // an #A93 line without its seven fields
    B93Fields,   // a #B93 line without its five fields
    MissingB93,  // an #A93 line with no #B93 line after it
    StrayB93,    // a #B93 line with no #A93 line before it
    Date,        // not day.month.year
    Time,        // not hh:mm or hh:mm:ss
    UnknownTime, // the date or the time is "*"
    Latitude,
    Longitude,
    Zone,         // not a zone difference such as 1hE00 or 0mE34
    SummerTime,   // not 0, 1 or *
    JulianDay,    // not a number
    UnknownClock, // both the zone difference and the Julian day are "*"
    Disagrees,    // the Julian day and the local time and zone disagree by a minute or more
    Record,       // the chart cannot be drawn; detail says why
};

struct AafRefusal {
    std::size_t line = 0; // 1-based line of the faulty record line
    AafProblem problem = AafProblem::None;
    std::string detail; // Record: the reason; otherwise the field as read
    // Record: the birth check's refusal, in place of a detail.
    std::optional<InputProblem> input;
};

struct AafRead {
    std::vector<ChartRecord> records;
    std::vector<AafRefusal> refusals;
    std::size_t a93Lines = 0; // #A93 lines seen, read or refused
};

// Reads every chart of an AAF text; a chart that cannot be read is refused
// with its line, the others are kept in the file's order, with zonePosition
// -1 (the offset names no row of the zone list).
AafRead readAaf(std::string_view text);

// The chart's two lines, each ending in a line break. Name goes whole into
// the name field (first name and sex "*"), city into the place.
std::string aafOfRecord(const ChartRecord& record);

// True when aafOfRecord has to change one of the record's texts.
bool aafAltersTexts(const ChartRecord& record);

// The Julian day of a Gregorian calendar date and clock time on universal
// time: the days of <chrono>'s proleptic Gregorian calendar counted from JD
// 2440587.5 (1970-01-01 0h UT), which agrees with Meeus, Astronomical
// Algorithms, chapter 7 (example 7.a: 1957 October 4.81 is JD 2436116.31);
// exact to the precision of a double, about 40 microseconds.
double julianDayOf(int year, int month, int day, int hour, int minute, int second);

} // namespace orbenza::store
