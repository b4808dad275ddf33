// The names of the time zone rows in Spanish, by list position: the name
// the language gives each zone; the abbreviation and the offset follow it.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::es {

// clang-format off
constexpr ZoneNames kZoneNames = {
    "Hora de verano de Alaska y Hawái", // 0
    "Hora estándar de Alaska y Hawái", // 1
    "Hora de guerra de Alaska y Hawái", // 2
    "Hora estándar del Atlántico", // 3
    "Hora de guerra del Atlántico", // 4
    "Hora de verano de Australia central", // 5
    "Hora estándar de Australia central", // 6
    "Hora de verano de Australia oriental", // 7
    "Hora estándar de Australia oriental", // 8
    "Hora de verano de Australia occidental", // 9
    "Hora estándar de Australia occidental", // 10
    "Hora de las Azores", // 11
    "Hora de Bagdad", // 12
    "Hora estándar de Bering", // 13
    "Huso 2 de Brasil", // 14
    "Doble hora de verano británica", // 15
    "Hora de verano británica", // 16
    "Hora de guerra británica", // 17
    "Hora de verano central de Norteamérica", // 18
    "Hora de verano central europea", // 19
    "Hora central europea", // 20
    "Hora estándar central de Norteamérica", // 21
    "Hora de guerra central de Norteamérica", // 22
    "Hora de la costa china", // 23
    "Hora de verano oriental de Norteamérica", // 24
    "Hora de verano de Europa oriental", // 25
    "Hora de Europa oriental", // 26
    "Hora estándar oriental de Norteamérica", // 27
    "Hora de guerra oriental de Norteamérica", // 28
    "Hora media de Greenwich", // 29
    "Hora estándar de Guam", // 30
    "Hora de verano de Hawái", // 31
    "Hora estándar de Hawái", // 32
    "Hora de guerra de Hawái", // 33
    "Hora de la India", // 34
    "Línea internacional de cambio de fecha (este)", // 35
    "Línea internacional de cambio de fecha (oeste)", // 36
    "Hora de Irán", // 37
    "Hora estándar de Japón", // 38
    "Hora de Java", // 39
    "Hora de verano de Europa central", // 40
    "Hora de Europa central", // 41
    "Hora de las Molucas", // 42
    "Hora de verano de las Montañas Rocosas", // 43
    "Hora estándar de las Montañas Rocosas", // 44
    "Hora de guerra de las Montañas Rocosas", // 45
    "Hora de verano estándar de Nueva Zelanda", // 46
    "Hora estándar de Nueva Zelanda", // 47
    "Hora de verano de Nueva Zelanda", // 48
    "Hora de Nueva Zelanda", // 49
    "Hora estándar de Terranova", // 50
    "Hora de Nome", // 51
    "Hora del norte de Sumatra", // 52
    "Hora de verano del Pacífico de Norteamérica", // 53
    "Hora estándar del Pacífico de Norteamérica", // 54
    "Hora de guerra del Pacífico de Norteamérica", // 55
    "Hora de verano de Australia Meridional", // 56
    "Hora de verano de Australia Meridional", // 57
    "Hora estándar de Australia Meridional", // 58
    "Hora estándar de Australia Meridional", // 59
    "Hora del sur de Sumatra", // 60
    "Tiempo universal", // 61
    "Huso 10 de la URSS", // 62
    "Huso 3 de la URSS", // 63
    "Huso 4 de la URSS", // 64
    "Huso 5 de la URSS", // 65
    "Huso 6 de la URSS", // 66
    "Hora de África occidental", // 67
    "Hora de verano de Yukón", // 68
    "Hora estándar de Yukón", // 69
    "Hora de guerra de Yukón", // 70
};
// clang-format on

} // namespace orbenza::texts::es
