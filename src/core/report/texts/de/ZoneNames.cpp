// The names of the time zone rows in German, by list position: the name
// the language gives each zone; the abbreviation and the offset follow it.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::de {

// clang-format off
constexpr ZoneNames kZoneNames = {
    "Alaska-Hawaii-Sommerzeit", // 0
    "Alaska-Hawaii-Normalzeit", // 1
    "Alaska-Hawaii-Kriegszeit", // 2
    "Atlantik-Normalzeit", // 3
    "Atlantik-Kriegszeit", // 4
    "Zentralaustralische Sommerzeit", // 5
    "Zentralaustralische Normalzeit", // 6
    "Ostaustralische Sommerzeit", // 7
    "Ostaustralische Normalzeit", // 8
    "Westaustralische Sommerzeit", // 9
    "Westaustralische Normalzeit", // 10
    "Azoren-Zeit", // 11
    "Bagdad-Zeit", // 12
    "Bering-Normalzeit", // 13
    "Brasilien-Zone 2", // 14
    "Britische doppelte Sommerzeit", // 15
    "Britische Sommerzeit", // 16
    "Britische Kriegszeit", // 17
    "Nordamerikanische Zentral-Sommerzeit", // 18
    "Mitteleuropäische Sommerzeit", // 19
    "Mitteleuropäische Zeit", // 20
    "Nordamerikanische Zentral-Normalzeit", // 21
    "Nordamerikanische Zentral-Kriegszeit", // 22
    "Chinesische Küstenzeit", // 23
    "Nordamerikanische Ostküsten-Sommerzeit", // 24
    "Osteuropäische Sommerzeit", // 25
    "Osteuropäische Zeit", // 26
    "Nordamerikanische Ostküsten-Normalzeit", // 27
    "Nordamerikanische Ostküsten-Kriegszeit", // 28
    "Mittlere Greenwich-Zeit", // 29
    "Guam-Normalzeit", // 30
    "Hawaii-Sommerzeit", // 31
    "Hawaii-Normalzeit", // 32
    "Hawaii-Kriegszeit", // 33
    "Indische Zeit", // 34
    "Internationale Datumsgrenze Ost", // 35
    "Internationale Datumsgrenze West", // 36
    "Iranische Zeit", // 37
    "Japanische Normalzeit", // 38
    "Java-Zeit", // 39
    "Mitteleuropäische Sommerzeit", // 40
    "Mitteleuropäische Zeit", // 41
    "Molukken-Zeit", // 42
    "Rocky-Mountain-Sommerzeit", // 43
    "Rocky-Mountain-Normalzeit", // 44
    "Rocky-Mountain-Kriegszeit", // 45
    "Neuseeländische Sommerzeit zur Normalzeit", // 46
    "Neuseeländische Normalzeit", // 47
    "Neuseeländische Sommerzeit", // 48
    "Neuseeländische Zeit", // 49
    "Neufundland-Normalzeit", // 50
    "Nome-Zeit", // 51
    "Nordsumatra-Zeit", // 52
    "Nordamerikanische Westküsten-Sommerzeit", // 53
    "Nordamerikanische Westküsten-Normalzeit", // 54
    "Nordamerikanische Westküsten-Kriegszeit", // 55
    "Südaustralische Sommerzeit", // 56
    "Südaustralische Sommerzeit", // 57
    "Südaustralische Normalzeit", // 58
    "Südaustralische Normalzeit", // 59
    "Südsumatra-Zeit", // 60
    "Weltzeit", // 61
    "UdSSR-Zone 10", // 62
    "UdSSR-Zone 3", // 63
    "UdSSR-Zone 4", // 64
    "UdSSR-Zone 5", // 65
    "UdSSR-Zone 6", // 66
    "Westafrikanische Zeit", // 67
    "Yukon-Sommerzeit", // 68
    "Yukon-Normalzeit", // 69
    "Yukon-Kriegszeit", // 70
};
// clang-format on

} // namespace orbenza::texts::de
