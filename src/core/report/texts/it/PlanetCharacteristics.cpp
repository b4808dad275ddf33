// The planet characteristics in Italian.
//
// The Italian translation of the English table of the same name one folder up,
// one paragraph per planet on a single line, each as long as its English
// original in characters (Sun 759, Moon 223, Mercury 67, Venus 93, Mars 168,
// Jupiter 113, Saturn 111, Uranus 129, Neptune 101, Pluto 61). Pluto's text
// has no closing full stop, like the English one.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::it {

// clang-format off
constexpr PlanetCharacteristicsTable kPlanetCharacteristics = {
    // ---- Sun ----
    R"(Può essere buono o malvagio a seconda dei pianeti coi quali è in configurazione. Il Sole è il re dei pianeti e il centro dell'oroscopo, la fonte di luce attorno alla quale tutto il resto ruota. Rappresenta l'io cosciente, la volontà e l'energia vitale che mantiene vivi il corpo e lo spirito. La sua casa mostra dove vuoi brillare, dove cerchi riconoscimento e dove il tuo senso dello scopo è più forte. Se ben sostenuto, dà fiducia, generosità, dignità e capacità di comando; sotto tensione, le stesse qualità possono trasformarsi in orgoglio, arroganza, vanità o bisogno di dominare. È legato anche al padre, agli uomini di potere, al cuore, alla colonna vertebrale e agli occhi. Al suo meglio porta calore, coraggio e forza creativa in tutto ciò che tocca.)",

    // ---- Moon ----
    R"(La Luna è il pianeta più legato ai nostri sentimenti e alle emozioni che proviamo verso gli altri. Governa l'istinto, l'abitudine, la memoria, la casa e la madre, e la sua casa mostra dove cerchi conforto, sicurezza e cura.)",

    // ---- Mercury ----
    R"(Mercurio governa il modo con cui comunichi con quelli attorno a te.)",

    // ---- Venus ----
    R"(Venere è il pianeta che mostra come le persone si esprimono in società, in amore e nell'arte.)",

    // ---- Mars ----
    R"(Qui risiedono la tua capacità di affermarti e la tua forza. Marte dà energia, coraggio e spinta, e mostra dove agisci per primo, lotti di più e talvolta perdi pazienza.)",

    // ---- Jupiter ----
    R"(Dove Giove è situato in casa, è probabile che tu pensi in modo ottimista e positivo riguardo alle cose in genere.)",

    // ---- Saturn ----
    R"(È qui che le persone rischiano di trovare pesanti ostacoli. È il pianeta delle restrizioni e delle limitazioni.)",

    // ---- Uranus ----
    R"(Questo pianeta mostra quali ambiti della nostra vita chiedono libertà e isolamento. Qui avvengono anche molti mutamenti inattesi.)",

    // ---- Neptune ----
    R"(Nettuno è molto mistico e onirico; è qui che si esprimerà il lato spirituale e medianico dell'essere.)",

    // ---- Pluto ----
    R"(Plutone è un pianeta potentissimo, ma sorgono lotte di potere)",
};
// clang-format on

} // namespace orbenza::texts::it
