// The planet-in-house texts in French.
//
// The French translation of the English table of the same name one folder up,
// with the same keys in the same order. Each paragraph stays on a single line,
// is 69 to 765 characters long and differs from every other one.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

#include <cstddef>
#include <iterator>

namespace orbenza::texts::fr {
namespace {

using enum Body;

struct PlanetInHouseEntry {
    int house; // 1..12
    Body planet;
    std::string_view text;
};

// clang-format off
constexpr PlanetInHouseEntry kEntries[] = {

    // ======================== First House ========================

    // ---- Sun in the First House ----
    {1, Sun, R"(Ces personnes ont une personnalité forte et rayonnante que les autres remarquent dès qu'elles entrent dans une pièce. Elles sont sûres d'elles, fières et pleines de vitalité, et préfèrent diriger plutôt que suivre. La reconnaissance compte beaucoup pour elles, et elles sont plus heureuses lorsqu'elles peuvent s'exprimer librement et être estimées à leur juste valeur. Leur santé et leur capacité de récupération sont généralement bonnes. Elles doivent se garder de la vanité et de l'habitude de se placer en premier en toute circonstance, car leur chaleur leur gagne plus de cœurs que leur orgueil.)"},

    // ---- Moon in the First House ----
    {1, Moon, R"(Les personnes qui ont la Lune ici portent leurs sentiments sur leur visage. Leur humeur change facilement et se lit aussitôt dans leur attitude, et elles réagissent à leur entourage avec une grande sensibilité. Elles sont attentionnées, réceptives et souvent appréciées du public, mais elles ont parfois du mal à distinguer leur propre identité des besoins de ceux qui les entourent. Leur apparence et leur santé suivent souvent leur état émotionnel.)"},

    // ---- Mercury in the First House ----
    {1, Mercury, R"(Ces personnes ont l'esprit vif, aiment parler et sont curieuses de tout. Elles se présentent à travers les mots et les idées, et les autres les voient intelligentes, vives et juvéniles ; beaucoup paraissent plus jeunes que leur âge. Elles apprennent vite et s'adaptent facilement à de nouvelles fréquentations, mais deviennent agitées et nerveuses quand leur esprit n'a rien pour s'occuper.)"},

    // ---- Venus in the First House ----
    {1, Venus, R"(Vous avez des manières agréables et gracieuses et un charme naturel qui vous rend sympathique dès la première rencontre. L'apparence compte pour vous et vous vous habillez généralement avec goût. Vous évitez les conflits, recherchez l'harmonie et savez plaire, ce qui vous ouvre bien des portes dans la vie sociale. Le danger est une tendance à la facilité, ou à compter sur votre charme là où il faudrait de l'effort.)"},

    // ---- Mars in the First House ----
    {1, Mars, R"(Ces personnes sont énergiques, directes et courageuses, et elles affrontent la vie de face. Elles agissent d'abord et réfléchissent ensuite, aiment la compétition et ne supportent pas d'être freinées. Leur force physique et leur dynamisme sont considérables, et selon la tradition elles portent une cicatrice ou une marque à la tête ou au visage. L'impatience, la colère prompte et la précipitation qui mène aux accidents sont les défauts à surveiller.)"},

    // ---- Jupiter in the First House ----
    {1, Jupiter, R"(Les personnes qui ont Jupiter à l'Ascendant ont une nature généreuse, optimiste et expansive. Elles sont joyeuses, aimables et souvent chanceuses, et les autres leur font facilement confiance. Elles voient grand et se présentent avec assurance et bienveillance. Elles ont tendance à prendre du poids avec les années, et leur principale faiblesse est l'excès ou la promesse de plus qu'elles ne peuvent tenir.)"},

    // ---- Saturn in the First House ----
    {1, Saturn, R"(Ces personnes paraissent sérieuses, réservées et plus âgées que leur âge, surtout dans leur jeunesse. La vie leur demande tôt de prendre des responsabilités, et elles peuvent être timides ou critiques envers elles-mêmes, exigeant beaucoup d'elles-mêmes. Leur force est la discipline : elles travaillent avec patience, construisent lentement et gagnent en assurance et en sérénité avec les années. Leur santé demande des soins dans l'enfance mais s'améliore généralement avec l'âge.)"},

    // ---- Uranus in the First House ----
    {1, Uranus, R"(Vous paraissez original, indépendant et un peu imprévisible. Vous n'aimez pas les conventions, tenez à faire les choses à votre façon et êtes attiré par les idées nouvelles, la science et la technique. Les autres peuvent vous trouver brillant mais excentrique. Votre vie connaîtra probablement de brusques changements de direction, et vous avez besoin de beaucoup de liberté personnelle pour vous sentir vous-même.)"},

    // ---- Neptune in the First House ----
    {1, Neptune, R"(Ces personnes ont quelque chose de rêveur, de doux et d'insaisissable que les autres ont du mal à cerner. Elles sont très impressionnables, artistes et intuitives, et absorbent l'humeur de leur entourage comme une éponge. Leur image peut être séduisante, mais elles ne savent pas toujours qui elles sont vraiment. Elles doivent se méfier de l'alcool et des drogues, et des gens qui profiteraient de leur bonté.)"},

    // ---- Pluto in the First House ----
    {1, Pluto, R"(Les personnes qui ont Pluton ici ont une présence intense et magnétique et une volonté redoutable. Elles sont discrètes et vigilantes, révèlent peu d'elles-mêmes tout en percevant beaucoup chez les autres. Leur vie traverse souvent des crises qui les transforment complètement, et chaque fois elles en ressortent plus fortes. Elles peuvent être des meneurs fascinants mais doivent se garder du désir de contrôler autrui.)"},

    // ======================== Second House ========================

    // ---- Sun in the Second House ----
    {2, Sun, R"(Ces personnes trouvent leur identité dans ce qu'elles gagnent, possèdent et construisent. Elles travaillent dur pour leur sécurité financière et sont fières de leurs biens, dépensant souvent généreusement pour la qualité et le confort. L'argent peut venir de leurs propres efforts, de postes d'autorité ou de la faveur de personnes influentes. Elles doivent veiller à ne pas mesurer leur propre valeur, ni celle des autres, à la seule richesse.)"},

    // ---- Moon in the Second House ----
    {2, Moon, R"(Les revenus de ces personnes montent et descendent souvent comme les marées, et leur sentiment de sécurité dépend étroitement de leur solde bancaire. Elles peuvent gagner leur vie au contact du public, dans l'alimentation, l'immobilier ou tout ce qui touche au foyer et à la famille. Elles sont attachées à leurs affaires, gardent des objets par sentimentalité et se sentent mal à l'aise dès que l'argent vient à manquer.)"},

    // ---- Mercury in the Second House ----
    {2, Mercury, R"(Ces personnes regorgent d'idées pour gagner de l'argent. Elles connaissent la vraie valeur des choses et sont très attentives aux prix.)"},

    // ---- Venus in the Second House ----
    {2, Venus, R"(Vous avez un goût raffiné pour les belles choses et les objets de valeur, et l'argent vous vient souvent facilement, par l'art, la mode, le luxe ou vos relations sociales. Vous aimez le confort et dépensez volontiers pour le plaisir, les vêtements et la bonne chère. Vénus est ici chez elle, et c'est une position favorable pour vos finances, pourvu que votre goût du luxe ne dépasse pas vos revenus.)"},

    // ---- Mars in the Second House ----
    {2, Mars, R"(Ces personnes gagnent leur argent par le travail acharné, l'initiative et l'esprit de compétition, et elles sont prêtes à se battre pour ce qu'elles veulent. Elles dépensent aussi vite qu'elles gagnent, souvent sur un coup de tête, et peuvent prendre des risques financiers. L'ingénierie, le sport, l'armée ou une entreprise à leur compte leur conviennent. Elles doivent apprendre la patience et la prévoyance en matière d'argent.)"},

    // ---- Jupiter in the Second House ----
    {2, Jupiter, R"(C'est l'une des meilleures positions pour la fortune. Les personnes qui ont Jupiter ici jouissent généralement de bons revenus et de ressources abondantes, et les occasions de prospérer semblent venir à elles. Elles sont généreuses avec l'argent et aiment partager leur chance. Leur seul danger est la prodigalité, car elles peuvent croire que l'argent continuera toujours d'affluer.)"},

    // ---- Saturn in the Second House ----
    {2, Saturn, R"(L'argent ne vient pas facilement à ces personnes, et elles peuvent connaître la gêne ou le manque tôt dans la vie. Elles apprennent à être prudentes, économes et patientes, et par un travail régulier elles bâtissent souvent plus tard une sécurité durable. Elles craignent de perdre ce qu'elles ont et peuvent être trop prudentes, voire avares. La terre, l'immobilier et les placements à long terme leur réussissent le mieux.)"},

    // ---- Uranus in the Second House ----
    {2, Uranus, R"(Vos finances connaîtront probablement des hauts et des bas soudains, avec des gains inattendus suivis de pertes tout aussi inattendues. Vous gagnez le mieux grâce à des idées originales, la technologie, les inventions ou un travail inhabituel, et vous n'aimez pas être lié à un emploi routinier pour un salaire. Vos valeurs peuvent différer nettement de celles de votre famille, et vous devez prévoir de quoi assurer votre stabilité.)"},

    // ---- Neptune in the Second House ----
    {2, Neptune, R"(Les personnes qui ont Neptune ici peuvent être vagues et idéalistes en matière d'argent. Elles gagnent parfois leur vie par l'art, la musique, le cinéma, les soins ou les œuvres caritatives, mais perdent souvent le fil de leurs dépenses ou confient leurs économies aux mauvaises personnes. Elles sont généreuses jusqu'à l'excès. Des comptes clairs, des contrats soignés et des conseillers honnêtes leur sont indispensables.)"},

    // ---- Pluto in the Second House ----
    {2, Pluto, R"(Ces personnes ont un fort besoin de maîtriser les ressources, et elles peuvent bâtir, perdre et rebâtir des fortunes au cours de leur vie. Elles sont perspicaces, déterminées et capables de gérer de grosses sommes, souvent dans la banque, l'investissement, l'assurance ou le sauvetage d'entreprises en difficulté. Pour elles, les biens sont liés au pouvoir, et elles doivent veiller à ne pas en devenir obsédées.)"},

    // ======================== Third House ========================

    // ---- Sun in the Third House ----
    {3, Sun, R"(Ces personnes brillent par la communication. Elles sont vives, bavardes et avides d'apprendre, et elles défendent leurs idées avec assurance. L'écriture, l'enseignement, le journalisme, la vente ou tout travail qui les met en contact avec beaucoup de gens leur conviennent. Frères, sœurs et voisins jouent un rôle important dans leur vie, et les courts voyages sont fréquents.)"},

    // ---- Moon in the Third House ----
    {3, Moon, R"(Votre esprit est fortement teinté par vos sentiments, et vous pensez en images et en souvenirs plutôt qu'avec une logique froide. Vous avez une bonne mémoire, un esprit changeant et le goût des voyages et des lieux nouveaux. Vous êtes affectivement proche de vos frères et sœurs et jouez peut-être un rôle protecteur parmi eux. Vos humeurs peuvent nuire à votre concentration.)"},

    // ---- Mercury in the Third House ----
    {3, Mercury, R"(Mercure est ici chez lui et donne un esprit rapide, alerte et polyvalent. Ces personnes aiment lire, écrire et parler, et elles assimilent informations et langues avec aisance. Elles sont toujours occupées par des messages, des appels et des courses. Leur talent est d'expliquer clairement les choses, même si elles dispersent parfois trop leur attention.)"},

    // ---- Venus in the Third House ----
    {3, Venus, R"(Les personnes qui ont Vénus ici parlent avec grâce et savent dire ce qu'il faut au bon moment. Elles ont du talent pour l'écriture, la poésie ou le design, et elles apprécient les promenades agréables et la compagnie de leurs voisins. Les relations avec les frères et sœurs sont généralement affectueuses. Une idylle peut naître pendant les études ou lors d'un court voyage.)"},

    // ---- Mars in the Third House ----
    {3, Mars, R"(Ces personnes ont la langue acérée et un esprit vif et combatif. Elles aiment le débat, argumentent avec conviction et peuvent s'impatienter devant ceux qui pensent plus lentement. Leur énergie en fait de bons écrivains, journalistes ou militants. Des querelles avec les frères, sœurs ou voisins sont possibles, et elles doivent être prudentes au volant ou en voyageant dans la précipitation.)"},

    // ---- Jupiter in the Third House ----
    {3, Jupiter, R"(Vous avez un esprit large et optimiste et apprenez facilement, surtout les matières qui élargissent vos horizons, comme les langues, la philosophie ou les voyages. Vous êtes un enseignant né et un voisin aimable, et vos frères et sœurs vous aideront probablement dans la vie. Votre point faible est peut-être de trop parler, ou de promettre plus que vous ne pensez à faire.)"},

    // ---- Saturn in the Third House ----
    {3, Saturn, R"(Ces personnes pensent lentement mais profondément, et elles prennent leurs paroles au sérieux. Leur scolarité a pu être difficile ou interrompue, et elles ont peut-être été timides pour s'exprimer dans leur jeunesse. Avec le temps, elles développent un esprit pratique, méthodique et fiable, doué pour les mathématiques, les sciences ou tout travail structuré. Les relations avec les frères et sœurs peuvent impliquer responsabilité ou distance.)"},

    // ---- Uranus in the Third House ----
    {3, Uranus, R"(Les personnes qui ont Uranus ici ont un esprit original et inventif, et leurs idées surgissent comme des éclairs. Elles saisissent vite les concepts nouveaux et sont attirées par la science, l'informatique et les moyens de communication modernes. Leur éducation peut être peu conventionnelle ou s'interrompre brusquement. Elles peuvent être abruptes et contrariantes dans la conversation, et leur énergie nerveuse a besoin d'un exutoire.)"},

    // ---- Neptune in the Third House ----
    {3, Neptune, R"(Ces personnes ont une façon de penser poétique et imaginative, et elles communiquent souvent mieux par des images, de la musique ou des histoires que par des faits bruts. Elles sont intuitives et semblent parfois lire dans les pensées des autres. La concentration et la clarté peuvent poser problème, et des malentendus ou des confusions dans les lettres et les documents sont possibles.)"},

    // ---- Pluto in the Third House ----
    {3, Pluto, R"(Vous avez un esprit pénétrant qui regarde sous la surface de chaque sujet. Vous êtes persuasif et pouvez influencer fortement les autres par vos paroles, ce qui fait de vous un bon chercheur, enquêteur ou débatteur. Vous gardez vos secrets pour vous et pouvez être intense dans la discussion. Les premières relations avec les frères, sœurs ou voisins ont pu être marquées par la rivalité.)"},

    // ======================== Fourth House ========================

    // ---- Sun in the Fourth House ----
    {4, Sun, R"(Ces personnes sont profondément attachées au foyer et à la famille, et elles sont fières de leurs racines. Elles veulent un foyer dont elles sont le chef et investissent souvent dans l'immobilier. Le père a pu être une figure dominante de leur enfance. Leur vie devient généralement plus réussie et plus épanouie dans sa seconde moitié, une fois qu'elles ont bâti une base solide.)"},

    // ---- Moon in the Fourth House ----
    {4, Moon, R"(La Lune est forte dans cette maison. Vous êtes au fond de vous une personne de foyer, dévouée à votre famille et particulièrement proche de votre mère. Vous avez avant tout besoin de sécurité affective et vous sentez mieux entouré de choses et de visages familiers. Vous déménagerez peut-être plusieurs fois, mais vous gardez un lien fort avec le passé, les traditions familiales et le lieu de votre naissance.)"},

    // ---- Mercury in the Fourth House ----
    {4, Mercury, R"(Les personnes qui ont Mercure ici travaillent peut-être à domicile ou font de leur foyer un lieu d'étude, rempli de livres et de conversations. Leur famille accordait une grande valeur au savoir. Elles aiment déménager ou réaménager leur cadre de vie, et elles s'intéressent à l'histoire, à la généalogie ou à l'immobilier. Leur manière de penser est fortement marquée par leur éducation.)"},

    // ---- Venus in the Fourth House ----
    {4, Venus, R"(Vous aimez votre foyer et le rendez beau, confortable et accueillant. Vous aimez y recevoir des invités, et votre vie de famille est généralement harmonieuse. Votre relation avec votre mère ou vos parents est affectueuse. Vous pouvez tirer profit de biens immobiliers ou d'un héritage, et vous trouverez probablement plus de contentement et de confort dans la seconde partie de votre vie.)"},

    // ---- Mars in the Fourth House ----
    {4, Mars, R"(Ces personnes apportent beaucoup d'énergie au foyer, mais aussi des conflits. L'atmosphère de leur enfance a pu être tendue, avec des disputes ou un parent autoritaire. Elles veulent être maîtres chez elles et aiment faire elles-mêmes les réparations et les travaux. Elles doivent prendre garde au feu et aux accidents domestiques, et empêcher les querelles familiales de s'envenimer.)"},

    // ---- Jupiter in the Fourth House ----
    {4, Jupiter, R"(Cette position apporte généralement un foyer heureux, confortable et spacieux. Ces personnes viennent d'une famille généreuse, tirent profit de biens immobiliers ou d'un héritage et aiment réunir parents et amis sous leur toit. Leur situation s'améliore avec l'âge, et la fin de leur vie sera probablement paisible et prospère.)"},

    // ---- Saturn in the Fourth House ----
    {4, Saturn, R"(Ces personnes assument souvent des responsabilités familiales dès leur jeune âge, en s'occupant peut-être d'un parent ou en vivant sous des règles strictes avec peu de chaleur, et leur enfance a pu leur sembler lourde ou incertaine. Adultes, elles travaillent dur pour bâtir un foyer solide et attachent du prix à la stabilité et à la tradition. Elles peuvent prendre en charge des parents âgés, et elles possèdent souvent de vieilles maisons.)"},

    // ---- Uranus in the Fourth House ----
    {4, Uranus, R"(Votre vie familiale sera probablement inhabituelle et instable, avec de fréquents déménagements ou des événements soudains qui bouleversent la famille. Votre éducation a pu être peu conventionnelle, ou l'un de vos parents absent ou excentrique. Vous avez besoin d'espace et de liberté chez vous, et vous préférerez peut-être un logement ou un mode de vie familial original.)"},

    // ---- Neptune in the Fourth House ----
    {4, Neptune, R"(Les personnes qui ont Neptune ici aspirent à un foyer et à une famille idéaux que la vie réelle ne leur offre pas facilement. Il peut y avoir quelque chose de flou ou de caché dans l'histoire familiale, ou un parent absent, malade ou sacrifié. Elles aiment vivre près de l'eau, dans un cadre calme et paisible. Les affaires immobilières demandent une vérification attentive pour éviter les tromperies.)"},

    // ---- Pluto in the Fourth House ----
    {4, Pluto, R"(Ces personnes ont des liens profonds et intenses avec leur famille et leur passé. Leur enfance a pu connaître des luttes de pouvoir, un parent dominateur ou un secret de famille qui a laissé une marque durable. À un moment de leur vie, le foyer et la famille connaissent une transformation complète. Au bout du compte, elles tirent une grande force intérieure du fait d'affronter ce qui se trouve à leurs racines.)"},

    // ======================== Fifth House ========================

    // ---- Sun in the Fifth House ----
    {5, Sun, R"(Ces personnes sont créatives, chaleureuses et pleines de joie de vivre. Elles aiment se produire, jouer et être admirées, et elles ont souvent du talent pour les arts, le théâtre ou le sport. L'amour est important pour elles et elles donnent généreusement en amour. Elles adorent les enfants et ont souvent un lien étroit avec eux. Le goût du jeu et du risque doit être tenu en bride.)"},

    // ---- Moon in the Fifth House ----
    {5, Moon, R"(Vous êtes romantique, tendre et émotionnellement engagé dans vos amours, et vos sentiments peuvent changer vite. Vous trouvez du réconfort dans les loisirs créatifs et les divertissements. Vous avez un fort instinct parental et une relation étroite avec vos enfants. Plaisir et sécurité affective sont étroitement liés pour vous.)"},

    // ---- Mercury in the Fifth House ----
    {5, Mercury, R"(Les personnes qui ont Mercure ici s'expriment avec esprit et espièglerie. Elles aiment les jeux d'adresse, les énigmes et les loisirs qui font travailler l'esprit, et elles peuvent écrire, enseigner ou travailler avec les jeunes. En amour, elles sont attirées par l'intelligence et la bonne conversation, et préfèrent une idylle légère et badine à un engagement pesant.)"},

    // ---- Venus in the Fifth House ----
    {5, Venus, R"(C'est une position très heureuse pour l'amour et le plaisir. Ces personnes sont charmantes, affectueuses et appréciées du sexe opposé, et elles ont une vie amoureuse bien remplie. Elles ont un talent artistique et apprécient la musique, le théâtre et la beauté sous toutes ses formes. Les enfants leur apportent de la joie. Elles doivent éviter de trop s'abandonner aux plaisirs.)"},

    // ---- Mars in the Fifth House ----
    {5, Mars, R"(Ces personnes sont passionnées et impulsives en amour et poursuivent l'objet de leur désir avec une grande énergie. Elles aiment le sport, la compétition et l'aventure, et prennent des risques audacieux en spéculation. Leurs amours peuvent commencer soudainement et finir dans les disputes. Comme parents, elles sont actives et encouragent l'indépendance, mais doivent maîtriser leur humeur avec leurs enfants.)"},

    // ---- Jupiter in the Fifth House ----
    {5, Jupiter, R"(Vous profitez pleinement de la vie et avez de la chance en amour, dans la création et dans les plaisirs. Vos relations amoureuses sont généreuses et heureuses, et vous aurez probablement des enfants qui vous apporteront fierté et honneur. Vous pouvez réussir dans l'enseignement, le sport ou les arts. La spéculation peut être heureuse, mais l'excès de confiance peut vous pousser à trop jouer.)"},

    // ---- Saturn in the Fifth House ----
    {5, Saturn, R"(Ces personnes peuvent être timides ou inhibées en amour et ont du mal à se laisser aller et à profiter de la vie. L'amour arrive souvent tard, ou avec des partenaires plus âgés et un sentiment de devoir. Les enfants peuvent apporter responsabilités, retards ou soucis. Elles sont disciplinées dans le travail créatif et peuvent obtenir des résultats durables par la patience. Elles doivent éviter les spéculations risquées.)"},

    // ---- Uranus in the Fifth House ----
    {5, Uranus, R"(Les personnes qui ont Uranus ici ont une attitude peu conventionnelle envers l'amour et sont attirées par des partenaires originaux ou indépendants. Leurs idylles commencent soudainement, sont passionnantes et peuvent finir tout aussi vite. Elles sont créatives de façon originale, souvent par la technologie ou l'art moderne. Leurs enfants peuvent être doués ou hors du commun, et elles veulent être libres dans leur façon de les élever.)"},

    // ---- Neptune in the Fifth House ----
    {5, Neptune, R"(Ces personnes sont des rêveurs romantiques qui tombent amoureux d'un idéal plutôt que d'une personne réelle. Leur vie amoureuse peut comporter illusions, liaisons secrètes ou sacrifices. Elles sont douées pour la musique, la danse, le cinéma ou la poésie et ont une imagination vive. Elles doivent se méfier du jeu et de la spéculation, où elles peuvent facilement être trompées.)"},

    // ---- Pluto in the Fifth House ----
    {5, Pluto, R"(Vous aimez avec une grande intensité, et vos affaires de cœur peuvent vous consumer et vous transformer profondément. Jalousie et luttes de pouvoir en amour sont possibles. Votre élan créatif est puissant et peut s'exprimer dans une œuvre artistique exigeante ou profonde. Les enfants peuvent vous faire vivre des expériences qui changent votre vie, et vous avez tendance à être très protecteur envers eux.)"},

    // ======================== Sixth House ========================

    // ---- Sun in the Sixth House ----
    {6, Sun, R"(Ce sont en général des travailleurs très déterminés, mais ils peuvent être très exigeants.)"},

    // ---- Moon in the Sixth House ----
    {6, Moon, R"(Ces personnes se sentent en sécurité lorsqu'elles sont utiles et ont une routine à suivre. Elles travaillent souvent dans les métiers du soin, les soins infirmiers, la restauration ou le service au public, et elles changent d'emploi plus souvent que la plupart. Leur santé est sensible à leur état émotionnel, et des troubles digestifs peuvent suivre les soucis. Elles sont bienveillantes envers leurs collègues et aiment les animaux.)"},

    // ---- Mercury in the Sixth House ----
    {6, Mercury, R"(Vous avez un esprit pratique, précis et analytique, bien adapté au travail minutieux, à la comptabilité, à la recherche, à la correction de textes ou aux métiers techniques. Vous êtes efficace et aimez organiser vos tâches quotidiennes. Vous vous inquiétez peut-être trop de votre santé et lisez beaucoup sur l'alimentation et la médecine. La tension nerveuse est votre point faible, aussi avez-vous besoin d'un vrai repos.)"},

    // ---- Venus in the Sixth House ----
    {6, Venus, R"(Les personnes qui ont Vénus ici jouissent de conditions de travail agréables et de bonnes relations avec leurs collègues. Elles réussissent dans l'esthétique, la mode, l'art, la restauration ou tout métier qui apporte de l'harmonie aux autres, et elles peuvent rencontrer un partenaire au travail. Leur santé est en général bonne, mais trop de sucreries et de plats riches peuvent la perturber.)"},

    // ---- Mars in the Sixth House ----
    {6, Mars, R"(Ces personnes travaillent vite et sans relâche et peuvent accomplir beaucoup, mais elles s'irritent quand les autres sont lents. Des conflits avec les collègues ou les employés sont possibles. Elles peuvent réussir dans l'ingénierie, la chirurgie, l'armée ou le travail physique. Elles sont sujettes aux fièvres, aux inflammations et aux blessures dues au surmenage.)"},

    // ---- Jupiter in the Sixth House ----
    {6, Jupiter, R"(Vous trouverez probablement un travail agréable et gratifiant et serez apprécié de vos collègues et employés. Vous êtes serviable et prêt à rendre service, et vous travaillerez peut-être dans la médecine, le droit, l'éducation ou l'action sociale. Votre santé est en général bonne, même si le poids, la nourriture riche ou le foie peuvent demander de l'attention plus tard dans la vie.)"},

    // ---- Saturn in the Sixth House ----
    {6, Saturn, R"(Ces personnes sont des travailleurs consciencieux, disciplinés et fiables, mais leur travail peut leur sembler pesant ou mal récompensé. Elles prennent leurs devoirs au sérieux et réussissent par la persévérance et le soin. Leur santé demande de l'attention, surtout les os, les articulations, les dents et la peau, et des troubles chroniques sont possibles si elles se négligent.)"},

    // ---- Uranus in the Sixth House ----
    {6, Uranus, R"(Les personnes qui ont Uranus ici ont besoin d'indépendance et de variété dans leur travail et n'aiment pas les routines strictes. Elles changent souvent d'emploi du jour au lendemain ou travaillent dans des domaines techniques, scientifiques ou en indépendant, et elles aiment introduire de nouvelles méthodes partout où elles sont employées. Leur santé peut souffrir de la tension nerveuse, et elles réagissent parfois bien aux médecines douces.)"},

    // ---- Neptune in the Sixth House ----
    {6, Neptune, R"(Ces personnes aiment servir et aider les autres et peuvent travailler dans les hôpitaux, les œuvres caritatives, les arts ou les soins. Leur vie professionnelle peut être confuse, avec des tâches mal définies ou des collègues peu fiables. Leur santé est délicate et elles peuvent réagir fortement aux médicaments ou aux produits chimiques. Un diagnostic soigneux est important, car leurs symptômes peuvent être vagues ou difficiles à expliquer.)"},

    // ---- Pluto in the Sixth House ----
    {6, Pluto, R"(Vous travaillez avec une grande intensité et pouvez mener des réformes en profondeur dans votre domaine. Vous êtes peut-être attiré par la recherche, la médecine, la psychologie ou un travail lié aux crises et à la guérison. Des luttes de pouvoir avec des collègues ou des employeurs sont possibles. Votre santé peut traverser des crises soudaines, mais vous avez une remarquable capacité de régénération.)"},

    // ======================== Seventh House ========================

    // ---- Sun in the Seventh House ----
    {7, Sun, R"(Ces personnes trouvent leur identité à travers leurs partenariats et se sentent plus vivantes en étroite coopération avec une autre personne. Le mariage est important pour elles, et elles peuvent choisir un partenaire fier, fort ou en vue. Elles travaillent bien en association et ont des rapports aisés avec le public. Elles doivent éviter de trop dépendre de l'approbation des autres.)"},

    // ---- Moon in the Seventh House ----
    {7, Moon, R"(Vous avez besoin d'un partenaire qui vous soutient affectivement et vous vous sentez incomplet seul. Vous cherchez peut-être quelqu'un qui prenne soin de vous comme un parent, ou vous endossez vous-même ce rôle. Vos relations peuvent être changeantes, et vous êtes sensible à chaque humeur de votre conjoint. Le contact avec le public vous est naturel.)"},

    // ---- Mercury in the Seventh House ----
    {7, Mercury, R"(Les personnes qui ont Mercure ici recherchent un partenaire intelligent, communicatif et peut-être plus jeune qu'elles, et une bonne conversation est essentielle dans leur mariage. Elles ont un talent pour négocier, rédiger des contrats et servir d'intermédiaire. Elles peuvent avoir plusieurs unions brèves avant de se fixer.)"},

    // ---- Venus in the Seventh House ----
    {7, Venus, R"(C'est l'une des meilleures positions pour le mariage. Ces personnes sont charmantes, diplomates et désireuses d'harmonie, et elles attirent généralement un partenaire affectueux et séduisant. Elles peuvent se marier jeunes ou gagner financièrement par le mariage. Elles réussissent dans les associations et les relations publiques, mais elles évitent parfois une confrontation pourtant nécessaire.)"},

    // ---- Mars in the Seventh House ----
    {7, Mars, R"(Ces personnes attirent des partenaires volontaires et énergiques, et leurs relations sont pleines de passion mais aussi de conflits. Elles peuvent se précipiter dans le mariage ou une association, et des disputes, des rivalités ou des procès sont possibles. Elles apprennent beaucoup par la confrontation. La coopération et la patience sont les leçons de cette position.)"},

    // ---- Jupiter in the Seventh House ----
    {7, Jupiter, R"(Vous connaîtrez probablement un mariage heureux avec un partenaire généreux, sage ou prospère, et vous pouvez bénéficier d'associations aussi bien en amour qu'en affaires. Les gens aiment travailler avec vous, et les affaires juridiques tournent généralement en votre faveur. Votre seul danger est d'attendre trop d'un partenaire, ou d'être trop confiant.)"},

    // ---- Saturn in the Seventh House ----
    {7, Saturn, R"(Ces personnes prennent le mariage très au sérieux et peuvent se marier tard, ou épouser un partenaire plus âgé et plus mûr. Leurs relations sont stables mais peuvent sembler froides ou alourdies par le devoir. Des retards et des difficultés dans le couple sont possibles, mais les liens qu'elles nouent ont tendance à durer. Elles apprennent par l'engagement et la responsabilité.)"},

    // ---- Uranus in the Seventh House ----
    {7, Uranus, R"(Les personnes qui ont Uranus ici ont besoin de beaucoup de liberté dans leurs relations et sont attirées par des partenaires originaux et indépendants. Le mariage peut arriver soudainement et finir tout aussi brusquement, et une séparation ou un divorce est probable si les deux partenaires ne se laissent pas d'espace. Une relation peu conventionnelle leur conviendra peut-être le mieux.)"},

    // ---- Neptune in the Seventh House ----
    {7, Neptune, R"(Ces personnes idéalisent leurs partenaires et peuvent être déçues quand la réalité ne correspond pas au rêve. Elles sont attirées par des partenaires artistes, spirituels ou ayant besoin d'aide. Tromperie ou confusion dans le mariage et dans les associations d'affaires sont possibles, aussi doivent-elles voir les autres avec lucidité et lire les contrats avec soin.)"},

    // ---- Pluto in the Seventh House ----
    {7, Pluto, R"(Vous êtes entraîné dans des relations intenses qui vous changent. Votre partenaire peut être puissant, possessif ou exercer une influence profonde sur votre vie, et des luttes de pouvoir et de la jalousie sont possibles. Le mariage vous transforme profondément. Vous pouvez aussi être une force puissante dans la vie des autres, dans les affaires, le conseil ou la négociation.)"},

    // ======================== Eighth House ========================

    // ---- Sun in the Eighth House ----
    {8, Sun, R"(Ces personnes sont attirées par les mystères de la vie, de la mort et de la renaissance. Elles ont des désirs puissants et une nature profonde et intense, et peuvent réussir dans la finance, l'assurance, l'enquête, la chirurgie ou la psychologie. Elles peuvent bénéficier d'un héritage ou de l'argent d'un partenaire. Leur vie peut comporter de grandes crises dont elles ressortent renouvelées.)"},

    // ---- Moon in the Eighth House ----
    {8, Moon, R"(Vos émotions sont profondes, secrètes et intenses, et vous êtes peut-être attiré par l'occultisme et les expériences psychiques. Vous pouvez hériter d'un parent, en particulier de votre mère, ou profiter des ressources des autres. Vos humeurs sont fortement influencées par vos relations intimes, et vous avez besoin de sincérité affective de la part d'un partenaire.)"},

    // ---- Mercury in the Eighth House ----
    {8, Mercury, R"(Les personnes qui ont Mercure ici ont un esprit fouilleur et inquisiteur et aiment résoudre des mystères. Elles sont faites pour la recherche, le travail de détective, la comptabilité, la fiscalité ou l'assurance, et elles s'intéressent à la psychologie, à la vie après la mort et aux sujets cachés. Elles peuvent avoir affaire à des testaments, des legs et aux papiers liés à l'argent d'autrui.)"},

    // ---- Venus in the Eighth House ----
    {8, Venus, R"(Ces personnes peuvent gagner par le mariage, un héritage ou les ressources d'un partenaire, et l'argent leur vient souvent par les autres. Leur nature sexuelle est chaleureuse et sensuelle, l'intimité compte beaucoup pour elles, et elles recherchent des relations profondes. Des legs ou des dons peuvent leur apporter un avantage financier, et selon la tradition leur fin est paisible.)"},

    // ---- Mars in the Eighth House ----
    {8, Mars, R"(Ces personnes ont une sexualité forte et passionnée et des désirs ardents. Des disputes au sujet d'argent commun, d'héritages ou d'impôts sont possibles. Elles sont courageuses dans les crises et peuvent travailler en chirurgie, dans les secours ou dans l'armée. Selon la tradition, cette position met en garde contre le danger d'accidents ou de violence, aussi doivent-elles éviter les risques inutiles.)"},

    // ---- Jupiter in the Eighth House ----
    {8, Jupiter, R"(Vous bénéficierez probablement des ressources d'autrui, par un héritage, la fortune d'un partenaire, des prêts ou des investissements. Votre attitude envers la mort et la perte est philosophique, et vous avez peut-être un don pour la psychologie ou les études spirituelles. Selon la tradition, cette position promet une longue vie et une fin paisible.)"},

    // ---- Saturn in the Eighth House ----
    {8, Saturn, R"(Ces personnes peuvent rencontrer des difficultés et des retards avec les héritages, les impôts, les assurances ou les finances communes. Elles peuvent être prudentes ou inhibées dans les relations intimes et lentes à faire confiance. Elles prennent au sérieux la mort et la responsabilité des ressources partagées. Cette position passe traditionnellement pour donner une longue vie.)"},

    // ---- Uranus in the Eighth House ----
    {8, Uranus, R"(Les personnes qui ont Uranus ici peuvent connaître des changements soudains liés à l'argent des autres, avec des héritages ou des pertes inattendus. Leur intérêt pour l'astrologie, l'occultisme et les phénomènes psychiques est vif. Leur rapport à l'intimité est original et indépendant, et des événements soudains et imprévus marquent les grandes transitions de leur vie.)"},

    // ---- Neptune in the Eighth House ----
    {8, Neptune, R"(Ces personnes ont une sensibilité médiumnique et sont attirées par les choses mystiques et spirituelles, la méditation ou la médiumnité. Les finances communes et les héritages peuvent être confus ou donner lieu à des tromperies, aussi doivent-elles tenir des comptes clairs. Dans les relations intimes, elles recherchent une union spirituelle et sont facilement déçues.)"},

    // ---- Pluto in the Eighth House ----
    {8, Pluto, R"(Pluton est fort dans cette maison. Vous avez une grande profondeur, des désirs intenses et une compréhension naturelle du pouvoir, des motivations cachées et de la transformation. Vous gérez peut-être de grosses sommes appartenant à d'autres ou travaillez dans la recherche, la psychologie ou la médecine. Votre vie traverse des cycles de mort et de renaissance au sens symbolique.)"},

    // ======================== Ninth House ========================

    // ---- Sun in the Ninth House ----
    {9, Sun, R"(Ces personnes cherchent un sens et une vérité à la vie et sont attirées par la philosophie, la religion, le droit, les études supérieures et les cultures étrangères. Elles voyagent souvent beaucoup ou vivent à l'étranger, et elles peuvent réussir comme enseignants, juristes, écrivains ou éditeurs. Elles sont idéalistes et ont des principes fermes, mais doivent éviter le dogmatisme.)"},

    // ---- Moon in the Ninth House ----
    {9, Moon, R"(Vous avez un esprit inquiet qui aspire aux voyages et aux horizons nouveaux, et vous vous sentez chez vous parmi des gens d'autres cultures. Vos idées religieuses et morales sont fortement marquées par votre éducation et par votre mère. Vous apprenez par le sentiment et l'expérience plutôt que par la théorie, et vous vous établirez peut-être dans un pays étranger.)"},

    // ---- Mercury in the Ninth House ----
    {9, Mercury, R"(Les personnes qui ont Mercure ici ont un esprit philosophique et curieux, désireux de comprendre la vue d'ensemble. Elles sont attirées par les études supérieures, les langues, le droit et l'édition. Elles aiment voyager et écrivent ou enseignent souvent sur ce qu'elles ont vu à l'étranger. Leurs convictions peuvent manquer de cohérence, car elles changent sans cesse d'avis.)"},

    // ---- Venus in the Ninth House ----
    {9, Venus, R"(Ces personnes aiment les voyages, l'art et les cultures étrangères, et elles peuvent trouver le bonheur ou un partenaire à l'étranger ou au cours de leurs études supérieures. Leurs convictions sont raffinées, tolérantes et humaines. Elles apprécient la littérature, la philosophie et la beauté de l'art religieux, et elles s'entendent bien avec leur belle-famille. Elles peuvent gagner leur vie par le commerce extérieur ou la culture.)"},

    // ---- Mars in the Ninth House ----
    {9, Mars, R"(Ces personnes défendent passionnément leurs convictions et se battront pour une cause. Elles aiment les voyages d'aventure, le sport à l'étranger et l'exploration. Leurs opinions sont tranchées, et elles peuvent entrer en conflit avec d'autres sur la religion, la politique ou le droit. Elles doivent accepter que tout le monde ne partage pas leurs convictions.)"},

    // ---- Jupiter in the Ninth House ----
    {9, Jupiter, R"(Jupiter est ici chez lui. Vous êtes optimiste, généreux, tolérant et sage, avec un profond intérêt pour la philosophie, la religion et les études supérieures. Vous voyagerez probablement beaucoup et profiterez de relations à l'étranger. Vous pouvez réussir dans le droit, l'enseignement, l'édition ou la vie religieuse, et l'on respecte votre jugement.)"},

    // ---- Saturn in the Ninth House ----
    {9, Saturn, R"(Ces personnes prennent la religion et la philosophie au sérieux et peuvent avoir des convictions conservatrices et traditionnelles. Les études supérieures peuvent être retardées ou exiger un travail acharné, mais elles deviennent des érudits consciencieux. Les longs voyages peuvent apporter des difficultés ou être entrepris par devoir. Elles acquièrent la sagesse lentement et en sont respectées plus tard dans la vie.)"},

    // ---- Uranus in the Ninth House ----
    {9, Uranus, R"(Les personnes qui ont Uranus ici ont des vues peu conventionnelles et progressistes et remettent en question la religion établie et l'autorité. Elles sont attirées par les philosophies nouvelles, l'astrologie et la science. Des voyages soudains ou des événements inattendus à l'étranger peuvent changer leur vie. Elles peuvent briller dans les études supérieures, même si elles n'aiment pas l'enseignement traditionnel.)"},

    // ---- Neptune in the Ninth House ----
    {9, Neptune, R"(Ces personnes ont des croyances mystiques et idéalistes et sont attirées par la spiritualité, la religion ou les philosophies exotiques. Elles peuvent voyager vers des lieux sacrés, ou par la mer. Leur foi peut être inspirante, mais elles peuvent aussi être égarées par de faux maîtres ou des idées floues. Elles ont une imagination poétique et la vision d'un monde meilleur.)"},

    // ---- Pluto in the Ninth House ----
    {9, Pluto, R"(Ces personnes ont des convictions morales très fortes et croient fermement au pouvoir de la justice.)"},

    // ======================== Tenth House ========================

    // ---- Sun in the Tenth House ----
    {10, Sun, R"(Ces personnes sont ambitieuses et veulent atteindre le sommet dans le domaine qu'elles ont choisi. Elles ont une autorité naturelle, recherchent la reconnaissance publique et réussissent souvent dans la direction, la fonction publique ou tout poste en vue. Leur réputation compte énormément pour elles. L'un des parents, souvent le père, a une forte influence sur leur carrière.)"},

    // ---- Moon in the Tenth House ----
    {10, Moon, R"(Vous aurez probablement une carrière publique et serez connu de beaucoup de gens, peut-être dans un travail lié aux femmes, au foyer, à l'alimentation ou au grand public. Votre carrière peut changer plusieurs fois, et votre popularité peut monter et descendre. Votre mère a peut-être fortement influencé vos ambitions.)"},

    // ---- Mercury in the Tenth House ----
    {10, Mercury, R"(Les personnes qui ont Mercure ici bâtissent leur carrière sur l'intelligence et la communication. Elles réussissent dans l'écriture, l'enseignement, les médias, le commerce, les voyages ou l'administration, et elles sont connues pour leurs idées. Elles peuvent exercer plus d'un métier ou changer de profession. Elles planifient leur carrière avec soin et parlent bien en public.)"},

    // ---- Venus in the Tenth House ----
    {10, Venus, R"(Ces personnes sont populaires et appréciées de leurs supérieurs, et leur charme les aide à progresser dans leur carrière. Elles peuvent travailler dans l'art, la mode, l'esthétique, le spectacle ou la diplomatie. Leur image publique est agréable et séduisante. Le mariage peut élever leur rang social ou servir leur carrière.)"},

    // ---- Mars in the Tenth House ----
    {10, Mars, R"(Ces personnes sont ambitieuses, combatives et poussées à réussir, et elles veulent commander. Elles travaillent dur et peuvent accomplir de grandes choses dans les affaires, l'armée, l'ingénierie ou le sport. Elles peuvent se heurter aux chefs et à l'autorité, et leur carrière peut être marquée par des conflits ou des revirements soudains. Elles doivent éviter de se faire des ennemis en montant.)"},

    // ---- Jupiter in the Tenth House ----
    {10, Jupiter, R"(C'est une position très favorable pour la carrière et la réputation. Vous atteindrez probablement une position élevée, obtiendrez des honneurs et jouirez du respect du public. Vous pouvez réussir dans le droit, la politique, l'éducation, la religion ou les grandes organisations. Votre réputation d'honnêteté et de générosité vous ouvre bien des portes.)"},

    // ---- Saturn in the Tenth House ----
    {10, Saturn, R"(Ces personnes sont très ambitieuses et travaillent avec patience et sans relâche pour atteindre le sommet. Le succès vient généralement tard, après de longues années d'efforts et de discipline, mais il a tendance à durer. Elles assument de lourdes responsabilités et sont faites pour les postes d'autorité. Elles doivent se garder d'une chute causée par l'orgueil ou l'abus de pouvoir.)"},

    // ---- Uranus in the Tenth House ----
    {10, Uranus, R"(Les personnes qui ont Uranus ici ont besoin d'indépendance dans leur carrière et n'aiment pas travailler sous les ordres d'autrui. Elles peuvent changer brusquement de carrière ou travailler dans des domaines inhabituels comme la technologie, la science, l'astrologie ou la réforme. Leur carrière peut connaître des hauts et des bas inattendus, et elles réussissent souvent mieux à leur compte.)"},

    // ---- Neptune in the Tenth House ----
    {10, Neptune, R"(Ces personnes peuvent rester longtemps incertaines de leur orientation professionnelle, ou trouver leur vocation dans l'art, la musique, le cinéma, les soins ou un travail spirituel. Leur image publique peut être séduisante ou mystérieuse. Elles doivent se garder des scandales ou des tromperies qui pourraient nuire à leur réputation, et elles ont besoin d'objectifs clairs.)"},

    // ---- Pluto in the Tenth House ----
    {10, Pluto, R"(Vous avez une forte soif de pouvoir et d'influence dans votre carrière et pouvez atteindre une position de grande autorité. Vous travaillerez peut-être dans la politique, la recherche, la médecine ou les grandes entreprises, et vous êtes capable de transformer les organisations où vous travaillez. Votre carrière peut comporter des changements spectaculaires et des luttes de pouvoir.)"},

    // ======================== Eleventh House ========================

    // ---- Sun in the Eleventh House ----
    {11, Sun, R"(Ces personnes brillent dans les groupes, les clubs et les organisations, et elles deviennent souvent les meneurs de leur cercle d'amis. Elles ont beaucoup d'amis influents et des objectifs clairs pour l'avenir. Elles peuvent s'engager dans des causes sociales, et leurs espoirs se réalisent souvent. Les gains viennent de leur travail et de leurs relations.)"},

    // ---- Moon in the Eleventh House ----
    {11, Moon, R"(Vous avez beaucoup d'amis et de connaissances, surtout des femmes, et votre vie sociale est importante pour votre bien-être affectif. Vos amitiés changent peut-être souvent, tout comme vos espoirs et vos souhaits. Vous pouvez tirer profit du public ou de groupes qui vous donnent un sentiment d'appartenance.)"},

    // ---- Mercury in the Eleventh House ----
    {11, Mercury, R"(Les personnes qui ont Mercure ici ont beaucoup d'amis avec qui elles partagent des idées et des conversations animées. Elles sont attirées par les cercles intellectuels, les sociétés et les réseaux. Leurs objectifs sont rationnels et bien planifiés, et leurs amis les aident par leurs conseils et des contacts utiles. Des revenus peuvent venir de l'écriture ou de la communication.)"},

    // ---- Venus in the Eleventh House ----
    {11, Venus, R"(Ces personnes sont populaires et ont de nombreux amis fidèles et agréables, souvent parmi les artistes. La vie sociale leur apporte de la joie, et elles peuvent rencontrer un partenaire par des amis ou des groupes. Leurs souhaits ont de bonnes chances de se réaliser, et elles gagnent par leurs relations amicales. Elles sont bonnes et généreuses envers leurs amis.)"},

    // ---- Mars in the Eleventh House ----
    {11, Mars, R"(Ces personnes sont actives dans les groupes et les organisations et en prennent souvent la tête. Elles ont des amis énergiques et audacieux, mais il peut aussi y avoir entre eux des disputes ou des rivalités. Elles poursuivent leurs objectifs avec vigueur. Leurs amitiés peuvent finir soudainement sur un désaccord, aussi ont-elles besoin de tact.)"},

    // ---- Jupiter in the Eleventh House ----
    {11, Jupiter, R"(Vous avez la chance d'avoir de nombreux amis fidèles, généreux et influents qui vous aident tout au long de votre vie. Vos espoirs et vos souhaits se réalisent souvent, et vous gagnez beaucoup par votre travail et vos relations sociales. Vous êtes actif dans des groupes humanitaires ou caritatifs et portez un regard large sur l'avenir.)"},

    // ---- Saturn in the Eleventh House ----
    {11, Saturn, R"(Ces personnes ont peu d'amis, mais ceux qu'elles ont sont fidèles, sérieux et souvent plus âgés. Elles peuvent se sentir isolées dans les groupes ou assumer des responsabilités au sein d'organisations. Leurs espoirs se réalisent lentement et au prix d'un dur travail. Les gains viennent tard dans la vie, mais ils durent.)"},

    // ---- Uranus in the Eleventh House ----
    {11, Uranus, R"(Uranus est ici chez lui. Les personnes qui ont cette position ont des amis originaux, brillants ou excentriques et sont attirées par les groupes progressistes, la science et les causes humanitaires. Les amitiés commencent et finissent soudainement. Leurs objectifs sont originaux, et elles profitent d'occasions inattendues.)"},

    // ---- Neptune in the Eleventh House ----
    {11, Neptune, R"(Ces personnes sont idéalistes en amitié et peuvent être attirées par des groupes spirituels, artistiques ou caritatifs. Elles peuvent être trompées par des amis ou donner plus qu'elles ne reçoivent, et leurs espoirs sont parfois irréalistes. Elles doivent choisir leurs amis avec soin et garder des objectifs clairs.)"},

    // ---- Pluto in the Eleventh House ----
    {11, Pluto, R"(Vous avez des amitiés intenses qui peuvent transformer votre vie, et vous êtes peut-être attiré par des groupes ou des organisations puissants. Vous voulez influencer la société et pouvez être une force puissante au sein d'une équipe. Des luttes de pouvoir dans les groupes sont possibles. Vos objectifs sont ambitieux et vous les poursuivez avec une grande détermination.)"},

    // ======================== Twelfth House ========================

    // ---- Sun in the Twelfth House ----
    {12, Sun, R"(Ces personnes travaillent souvent dans l'ombre et se trouvent bien dans la solitude. Elles peuvent travailler dans les hôpitaux, les prisons, la recherche ou les institutions caritatives. Elles ont une riche vie intérieure et un fort besoin de croissance spirituelle. Elles manquent parfois de confiance en elles ou cachent leurs vraies capacités, et elles s'épanouissent le mieux en servant les autres discrètement.)"},

    // ---- Moon in the Twelfth House ----
    {12, Moon, R"(Vous êtes très sensible, secret et émotif, et vous cachez souvent vos sentiments aux autres. Vous avez besoin de périodes régulières de retraite pour retrouver votre équilibre. Vous êtes compatissant et travaillerez peut-être dans le soin ou dans des institutions. Votre petite enfance ou votre relation avec votre mère a pu laisser des blessures affectives cachées.)"},

    // ---- Mercury in the Twelfth House ----
    {12, Mercury, R"(Les personnes qui ont Mercure ici pensent en secret et gardent beaucoup de leurs pensées pour elles. Elles ont une forte intuition et beaucoup d'imagination et peuvent écrire, chercher ou étudier dans l'isolement. Elles peuvent être timides pour exprimer leurs idées. L'anxiété nerveuse ou l'inquiétude peuvent poser problème, et une correspondance secrète est possible.)"},

    // ---- Venus in the Twelfth House ----
    {12, Venus, R"(Ces personnes sont compatissantes et trouvent du plaisir dans les choses calmes, cachées ou privées. Elles peuvent avoir des amours secrètes, ou une idylle qui doit rester cachée. Elles sont bonnes envers ceux qui sont dans le besoin et trouvent leur épanouissement dans les œuvres caritatives, l'art ou la musique. Elles apprécient la paix et la solitude.)"},

    // ---- Mars in the Twelfth House ----
    {12, Mars, R"(Ces personnes refoulent souvent leur colère et agissent dans l'ombre. Elles peuvent avoir des ennemis cachés et poursuivre leurs buts en secret. Leur énergie trouve son meilleur emploi dans la recherche, le travail hospitalier ou caritatif. Elles doivent éviter les actes qui se retournent contre elles et apprendre à exprimer ouvertement leurs désirs.)"},

    // ---- Jupiter in the Twelfth House ----
    {12, Jupiter, R"(Vous bénéficiez d'une protection cachée, et l'aide vous vient souvent de sources inattendues dans les moments difficiles. Vous êtes généreux, charitable et spirituel, et vous trouvez le bonheur dans le service et la solitude. Vous pouvez travailler dans les hôpitaux, les institutions religieuses ou les œuvres caritatives, et vous êtes préservé des malheurs graves.)"},

    // ---- Saturn in the Twelfth House ----
    {12, Saturn, R"(Ces personnes peuvent se sentir seules, limitées ou accablées par des peurs et des responsabilités cachées, et elles travaillent souvent dans des institutions ou dans l'ombre. Elles doivent affronter leurs angoisses intérieures et apprendre à faire confiance à la vie. Avec de la patience, elles développent une grande force intérieure et une grande sagesse. Des problèmes de santé chroniques peuvent nécessiter des soins hospitaliers.)"},

    // ---- Uranus in the Twelfth House ----
    {12, Uranus, R"(Les personnes qui ont Uranus ici ont des intuitions soudaines et un accès à l'inconscient. Elles peuvent avoir des intérêts secrets et peu conventionnels et vivre des événements soudains et cachés. Elles ont besoin de périodes de retraite et de liberté. Leur originalité peut rester cachée, et la psychologie ou une pratique spirituelle leur fait du bien.)"},

    // ---- Neptune in the Twelfth House ----
    {12, Neptune, R"(Neptune est ici chez lui. Ces personnes sont profondément spirituelles, intuitives et compatissantes, et elles ont un fort besoin d'isolement, de méditation et de retraite. Elles peuvent travailler dans les hôpitaux, les monastères ou les œuvres caritatives. Elles sont très sensibles et doivent éviter la fuite dans l'évasion, l'alcool et les drogues. Leur vie intérieure est riche et pleine de rêves.)"},

    // ---- Pluto in the Twelfth House ----
    {12, Pluto, R"(Vous avez une grande force cachée et une profonde intuition psychologique. Vous travaillerez peut-être dans la recherche, la psychologie ou l'enquête, souvent en secret. Votre inconscient recèle des forces puissantes qu'il faut affronter et transformer. Vous avez peut-être des ennemis cachés, mais aussi le pouvoir de surmonter de grandes difficultés.)"},
};
// clang-format on

static_assert(std::size(kEntries) == std::size_t{kHouseCount} * kReportPlanetCount,
              "one text for every planet in every house");

// True when every (house, planet) pair has exactly one entry and every key is
// in range, so the table built below has no gap and no text is overwritten.
constexpr bool everyPairExactlyOnce() {
    std::array<std::array<int, kReportPlanetCount>, kHouseCount + 1> seen{};
    for (const PlanetInHouseEntry& entry : kEntries) {
        if (entry.house < 1 || entry.house > kHouseCount || indexOf(entry.planet) >= kPlanetCount ||
            entry.text.empty())
            return false;
        if (++seen[entry.house][indexOf(entry.planet)] != 1)
            return false;
    }
    return true;
}
static_assert(everyPairExactlyOnce(), "each planet-in-house pair must appear exactly once");

constexpr PlanetInHouseTable buildTable() {
    PlanetInHouseTable table{};
    for (const PlanetInHouseEntry& entry : kEntries)
        table[entry.house][indexOf(entry.planet)] = entry.text;
    return table;
}

} // namespace

constexpr PlanetInHouseTable kPlanetInHouseTexts = buildTable();

} // namespace orbenza::texts::fr
