// The planet characteristics in French.
//
// The French translation of the English table of the same name one folder up,
// one paragraph per planet on a single line, each as long as its English
// original in characters (Sun 759, Moon 223, Mercury 67, Venus 93, Mars 168,
// Jupiter 113, Saturn 111, Uranus 129, Neptune 101, Pluto 61). Pluto's text
// has no closing full stop, like the English one.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::fr {

// clang-format off
constexpr PlanetCharacteristicsTable kPlanetCharacteristics = {
    // ---- Sun ----
    R"(Il peut être bon ou mauvais selon les planètes avec lesquelles il est en configuration. Le Soleil est le roi des planètes et le centre du thème, la source de lumière autour de laquelle tout tourne. Il représente le moi conscient, la volonté et l'énergie vitale qui anime le corps et l'esprit. Sa maison montre où vous voulez briller, où vous cherchez la reconnaissance et où votre sens du but est le plus vif. Bien soutenu, il donne confiance, générosité, dignité et aptitude à diriger ; sous tension, ces qualités peuvent virer à l'orgueil, l'arrogance, la vanité ou le besoin de dominer. Il est lié au père, aux hommes d'autorité, au cœur, à la colonne vertébrale et aux yeux. Au mieux, il apporte chaleur, courage et force créatrice à tout ce qu'il touche.)",

    // ---- Moon ----
    R"(La Lune est la planète la plus liée à nos sentiments et à nos émotions envers les autres. Elle régit l'instinct, l'habitude, la mémoire, le foyer et la mère, et sa maison montre où vous cherchez réconfort, sécurité et soin.)",

    // ---- Mercury ----
    R"(Mercure gouverne votre manière de communiquer avec votre entourage.)",

    // ---- Venus ----
    R"(Vénus est la planète qui montre comment les gens s'expriment socialement, en amour et en art.)",

    // ---- Mars ----
    R"(C'est là que résident votre assurance et votre force. Mars donne énergie, courage et élan, et montre où vous agissez d'abord, luttez le plus et perdez parfois patience.)",

    // ---- Jupiter ----
    R"(Là où Jupiter se trouve en maison, vous aurez tendance à penser d'une façon optimiste et positive sur les choses.)",

    // ---- Saturn ----
    R"(C'est là que les gens risquent de trouver de rudes obstacles. C'est la planète des restrictions et des limites.)",

    // ---- Uranus ----
    R"(Cette planète montre quels domaines de la vie ont besoin de liberté et de retrait. C'est là aussi que surgissent maints imprévus.)",

    // ---- Neptune ----
    R"(Neptune est très mystique et onirique ; c'est là que se manifesteront le spirituel et le médiumnique.)",

    // ---- Pluto ----
    R"(Pluton est très puissant, mais engendre des luttes de pouvoir)",
};
// clang-format on

} // namespace orbenza::texts::fr
