// The names of the time zone rows by list position, as the rows name them;
// a translation is a copy of this file in the folder of its language code.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts {

// clang-format off
constexpr ZoneNames kZoneNames = {
    "Alaska/Hawaii Daylight Time", // 0
    "Alaska/Hawaii Standard Time", // 1
    "Alaska/Hawaii War Time", // 2
    "Atlantic Standard Time", // 3
    "Atlantic War Time", // 4
    "Australian Central Daylight Time", // 5
    "Australian Central Standard Time", // 6
    "Australian Eastern Daylight Time", // 7
    "Australian Eastern Standard Time", // 8
    "Australian Western Daylight Time", // 9
    "Australian Western Standard Time", // 10
    "Azores Time", // 11
    "Baghdad Time", // 12
    "Bering Standard Time", // 13
    "Brazil Zone 2", // 14
    "British Double Summer Time", // 15
    "British Summer Time", // 16
    "British War Time", // 17
    "Central Daylight Time", // 18
    "Central European Daylight", // 19
    "Central European Time", // 20
    "Central Standard Time", // 21
    "Central War Time", // 22
    "China Coast Time", // 23
    "Eastern Daylight Time", // 24
    "Eastern European Daylight Time", // 25
    "Eastern European Time", // 26
    "Eastern Standard Time", // 27
    "Eastern War Time", // 28
    "Greenwich Mean Time", // 29
    "Guam Standard Time", // 30
    "Hawaiian Daylight Time", // 31
    "Hawaiian Standard Time", // 32
    "Hawaiian War Time", // 33
    "Indian Time", // 34
    "Int'l Date Line East", // 35
    "Int'l Date Line West", // 36
    "Iran Time", // 37
    "Japan Standard Time", // 38
    "Java Time", // 39
    "Middle European Daylight Time", // 40
    "Middle European Time", // 41
    "Moluccas Time", // 42
    "Mountain Daylight Time", // 43
    "Mountain Standard Time", // 44
    "Mountain War Time", // 45
    "New Zealand Std Summer Time", // 46
    "New Zealand Std Time", // 47
    "New Zealand Summer Time", // 48
    "New Zealand Time", // 49
    "Newfoundland Standard Time", // 50
    "Nome Time", // 51
    "North Sumatra Time", // 52
    "Pacific Daylight Time", // 53
    "Pacific Standard Time", // 54
    "Pacific War Time", // 55
    "South Australia Daylight Time", // 56
    "South Australia Daylight Time", // 57
    "South Australia Standard Time", // 58
    "South Australia Standard Time", // 59
    "South Sumatra Time", // 60
    "Universal Time", // 61
    "USSR Zone 10", // 62
    "USSR Zone 3", // 63
    "USSR Zone 4", // 64
    "USSR Zone 5", // 65
    "USSR Zone 6", // 66
    "West Africa Time", // 67
    "Yukon Daylight Time", // 68
    "Yukon Standard Time", // 69
    "Yukon War Time", // 70
};
// clang-format on

} // namespace orbenza::texts
