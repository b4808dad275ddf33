// The names of the time zone rows in French, by list position: the name
// the language gives each zone; the abbreviation and the offset follow it.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::fr {

// clang-format off
constexpr ZoneNames kZoneNames = {
    "Heure d’été de l’Alaska et d’Hawaï", // 0
    "Heure normale de l’Alaska et d’Hawaï", // 1
    "Heure de guerre de l’Alaska et d’Hawaï", // 2
    "Heure normale de l’Atlantique", // 3
    "Heure de guerre de l’Atlantique", // 4
    "Heure d’été du centre de l’Australie", // 5
    "Heure normale du centre de l’Australie", // 6
    "Heure d’été de l’Est de l’Australie", // 7
    "Heure normale de l’Est de l’Australie", // 8
    "Heure d’été de l’Ouest de l’Australie", // 9
    "Heure normale de l’Ouest de l’Australie", // 10
    "Heure des Açores", // 11
    "Heure de Bagdad", // 12
    "Heure normale de Béring", // 13
    "Fuseau 2 du Brésil", // 14
    "Double heure d’été britannique", // 15
    "Heure d’été britannique", // 16
    "Heure de guerre britannique", // 17
    "Heure d’été du Centre nord-américain", // 18
    "Heure d’été d’Europe centrale", // 19
    "Heure normale d’Europe centrale", // 20
    "Heure normale du Centre nord-américain", // 21
    "Heure de guerre du Centre nord-américain", // 22
    "Heure de la côte chinoise", // 23
    "Heure d’été de l’Est nord-américain", // 24
    "Heure d’été d’Europe de l’Est", // 25
    "Heure normale d’Europe de l’Est", // 26
    "Heure normale de l’Est nord-américain", // 27
    "Heure de guerre de l’Est nord-américain", // 28
    "Heure moyenne de Greenwich", // 29
    "Heure normale de Guam", // 30
    "Heure d’été d’Hawaï", // 31
    "Heure normale d’Hawaï", // 32
    "Heure de guerre d’Hawaï", // 33
    "Heure de l’Inde", // 34
    "Ligne de changement de date (Est)", // 35
    "Ligne de changement de date (Ouest)", // 36
    "Heure de l’Iran", // 37
    "Heure normale du Japon", // 38
    "Heure de Java", // 39
    "Heure d’été d’Europe centrale", // 40
    "Heure d’Europe centrale", // 41
    "Heure des Moluques", // 42
    "Heure d’été des Rocheuses", // 43
    "Heure normale des Rocheuses", // 44
    "Heure de guerre des Rocheuses", // 45
    "Heure d’été normale de Nouvelle-Zélande", // 46
    "Heure normale de Nouvelle-Zélande", // 47
    "Heure d’été de Nouvelle-Zélande", // 48
    "Heure de Nouvelle-Zélande", // 49
    "Heure normale de Terre-Neuve", // 50
    "Heure de Nome", // 51
    "Heure du nord de Sumatra", // 52
    "Heure d’été du Pacifique nord-américain", // 53
    "Heure normale du Pacifique nord-américain", // 54
    "Heure de guerre du Pacifique nord-américain", // 55
    "Heure d’été d’Australie-Méridionale", // 56
    "Heure d’été d’Australie-Méridionale", // 57
    "Heure normale d’Australie-Méridionale", // 58
    "Heure normale d’Australie-Méridionale", // 59
    "Heure du sud de Sumatra", // 60
    "Temps universel", // 61
    "Fuseau 10 de l’URSS", // 62
    "Fuseau 3 de l’URSS", // 63
    "Fuseau 4 de l’URSS", // 64
    "Fuseau 5 de l’URSS", // 65
    "Fuseau 6 de l’URSS", // 66
    "Heure d’Afrique de l’Ouest", // 67
    "Heure d’été du Yukon", // 68
    "Heure normale du Yukon", // 69
    "Heure de guerre du Yukon", // 70
};
// clang-format on

} // namespace orbenza::texts::fr
