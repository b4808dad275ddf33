// The house descriptions in French.
//
// The French translation of the English table of the same name one folder up,
// one paragraph per house. Each paragraph stays on a single line and is 589 to
// 731 characters long.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::fr {

// clang-format off
constexpr HouseDescriptionTable kHouseDescriptions = {
    // Slot 0 is unused: houses are numbered from 1.
    "",

    // ---- First House ----
    R"(Cette maison révèle beaucoup sur la personnalité de quelqu'un. Elle commence à l'Ascendant, le degré du zodiaque qui se levait à l'horizon est au moment de la naissance, et décrit le moi sous sa forme la plus immédiate : le corps et sa vitalité, le visage que vous montrez au monde et la première impression que vous faites. Elle indique comment vous abordez les situations nouvelles, commencez les choses et affirmez votre identité. Les astrologues y lisent le tempérament, l'apparence et la santé, ainsi que le milieu où la personnalité s'est formée. Toute planète placée ici colore le caractère entier et se remarque facilement.)",

    // ---- Second House ----
    R"(Cette maison est traditionnellement celle des biens matériels et de la richesse. Elle montre comment vous gagnez l'argent, comment vous le dépensez et ce qui vous semble digne d'être possédé. Au-delà de l'argent et des biens, elle décrit votre sentiment de sécurité et votre estime de vous, vos talents et ressources, et les valeurs qui guident vos choix. Une deuxième maison forte indique un revenu régulier et un sens pratique de l'épargne, tandis que des afflictions ici peuvent signaler des périodes de gêne ou une tendance à trop dépenser. Elle régit aussi les biens meubles, les placements et les collections, et le plaisir que vous tirez du monde matériel.)",

    // ---- Third House ----
    R"(Cette maison correspond à votre capacité de communiquer. Elle régit la parole, l'écriture, l'apprentissage et l'échange quotidien d'idées, ainsi que la manière dont votre esprit recueille et classe l'information. Frères, sœurs, cousins et voisins appartiennent à cette maison, de même que les courts déplacements, les lettres, les messages et les premières années d'école. Une troisième maison bien placée donne un esprit vif et curieux, un don pour les langues et de l'aisance avec l'entourage proche. Sous tension, elle peut signaler des malentendus avec la fratrie, une pensée agitée ou des études dispersées. Elle montre comment vous raisonnez, écoutez et vous adaptez à votre milieu.)",

    // ---- Fourth House ----
    R"(En Inde, cette maison est aussi appelée 'Matristhan', la maison de la mère. Située au fond du thème, elle décrit vos racines : le foyer, la famille, les ancêtres et le parent qui vous a le plus nourri. Elle montre l'atmosphère du foyer de votre enfance et celui que vous fonderez, ainsi que les terres, maisons et autres biens immobiliers. Plus profondément, elle est le fondement intime de la personnalité, la sécurité affective dont vous avez besoin et le lieu où vous revenez quand le monde devient trop lourd. Les astrologues y lisent aussi la dernière partie de la vie et les conditions qui vous entourent dans la vieillesse.)",

    // ---- Fifth House ----
    R"(Cette maison signifie les amours, votre relation avec votre fiancé et les attachements romantiques de votre vie. C'est la maison du plaisir et de l'expression de soi : séduction, flirt, loisirs, jeux, sport, divertissements et toute création qui vient du cœur. On y lit aussi les enfants, les vôtres comme votre rapport à la jeunesse. La spéculation, le jeu d'argent et la prise de risque en font partie, car ils partagent le même esprit ludique. Une cinquième maison forte donne chaleur, charme et un talent naturel pour profiter de la vie, tandis qu'une maison affligée peut signaler des déceptions amoureuses ou le goût des risques inutiles.)",

    // ---- Sixth House ----
    R"(Cette maison indique nos compétences et le travail qui leur convient. Elle régit la routine, le devoir et le service : l'emploi plutôt que la carrière, les collègues et employés avec qui vous traitez, et les habitudes d'une journée de travail ordinaire. C'est aussi la maison de la santé, qui montre comment le corps réagit au stress, à l'alimentation et au surmenage, et à quels maux une personne est sujette. Les petits animaux domestiques y sont traditionnellement rattachés. Une sixième maison équilibrée donne assiduité, efficacité et désir d'être utile, tandis qu'une maison tendue peut signaler des frictions au travail, des soucis ou des troubles d'origine nerveuse.)",

    // ---- Seventh House ----
    R"(Cette maison est réputée définir notre vie conjugale, le genre de personne que nous choisissons pour époux et les joies ou les peines de la relation avec le conjoint. Opposée à la première maison, elle décrit l'autre dans toute association étroite, en affaires comme en amour. On y lit aussi les contrats, les accords et les ennemis déclarés, car tous impliquent quelqu'un qui nous fait face. Les planètes de cette maison montrent ce que nous cherchons chez les autres, et souvent ce que nous projetons sur eux. Une septième maison harmonieuse promet coopération et partenaire fidèle, tandis qu'une maison troublée peut apporter disputes, procès ou séparation.)",

    // ---- Eighth House ----
    R"(Cette maison correspond à la nature sexuelle d'une personne. C'est la maison de l'intimité, des liens affectifs profonds et de tout ce que deux personnes partagent, dont les finances communes, les héritages, les impôts, les dettes et l'argent du partenaire. Traditionnellement, c'est aussi la maison de la mort, mais une lecture moderne y voit plutôt les fins, les crises et les transformations qui permettent de recommencer. Les secrets, les choses cachées, la recherche et l'intérêt pour l'occulte s'y rattachent aussi. Une huitième maison forte donne intensité, compréhension des motivations d'autrui et force de se relever d'une perte, une maison difficile jalousie, querelles d'argent commun ou peur de perdre le contrôle.)",

    // ---- Ninth House ----
    R"(Cette maison du thème natal définit les valeurs que vous suivez toute votre vie, votre compréhension philosophique du monde et votre orientation religieuse. C'est la maison de l'esprit supérieur : études universitaires, droit, éthique, édition et toute quête de sens qui dépasse la vie quotidienne. Les longs voyages, les pays étrangers et les gens d'autres cultures s'y lisent aussi. Elle montre vos maîtres, mentors et guides spirituels et, dans la tradition indienne, le père et la bonne fortune. Une neuvième maison bien soutenue donne largeur de vue, optimisme et amour du savoir, tandis qu'une maison tendue peut rendre dogmatique, agité ou léger avec les promesses.)",

    // ---- Tenth House ----
    R"(Cette maison parle de votre carrière et de votre orientation en matière de travail et d'emploi. Elle occupe le haut du thème, la région du Milieu du Ciel, et décrit votre vie publique : réputation, statut, réussites et la façon dont le monde vous voit. Elle montre vos ambitions, votre rapport à l'autorité et aux employeurs, et les responsabilités que vous êtes prêt à assumer. On y lit aussi l'un des parents, traditionnellement le père. Les planètes placées ici sont très visibles et orientent souvent toute une vie. Une dixième maison forte apporte reconnaissance et avancement, tandis qu'une maison difficile peut signaler des revers de carrière ou une chute de position.)",

    // ---- Eleventh House ----
    R"(Cette maison est traditionnellement celle des revenus. Elle montre les gains et les récompenses de votre travail et de vos efforts et, plus largement, la réalisation de vos espoirs, de vos souhaits et de vos objectifs à long terme. C'est aussi la maison des amis, des groupes, des clubs, des sociétés et des associations, des gens qui partagent vos idéaux et vous aident en chemin. Les causes humanitaires et votre place dans une communauté s'y lisent également. Une onzième maison bien placée apporte des amis secourables, des contacts influents et des occasions constantes, tandis qu'une maison tendue peut signaler de faux amis, des espoirs déçus ou des pertes dues à ceux en qui vous avez confiance.)",

    // ---- Twelfth House ----
    R"(En astrologie indienne, cette maison est appelée 'Vyaysthana', la maison des dépenses. Elle montre où s'écoulent l'argent et l'énergie et, en astrologie occidentale, c'est la maison des fins, de la retraite et de tout ce qui est caché. Les hôpitaux, les prisons, les monastères et autres lieux de retraite en relèvent, comme les ennemis secrets, l'autodestruction et les peurs que l'on ne s'avoue pas. C'est pourtant aussi la maison de la compassion, de la charité, des rêves, de l'intuition et de la croissance spirituelle, où l'on apprend le lâcher-prise. Une douzième maison forte donne une riche vie intérieure et un don pour le service discret, une maison difficile isolement, confusion ou pertes inexplicables.)",
};
// clang-format on

} // namespace orbenza::texts::fr
