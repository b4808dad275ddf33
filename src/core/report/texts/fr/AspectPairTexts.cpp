// The aspect texts in French.
//
// The French translation of the English table of the same name one folder up,
// with the same keys in the same order. Each paragraph stays on a single line,
// has two to four sentences and differs from every other one, and no sentence
// appears in two paragraphs.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::fr {
namespace {

using enum Body;
using enum AspectFamily;

// clang-format off
constexpr AspectTextEntry kEntries[] = {

    // ======================== Sun ========================

    // ---- Sun and Moon ----
    {Sun, Moon, Conjunction, R"(Nées près de la Nouvelle Lune, ces personnes sont tout d'une pièce : ce qu'elles veulent et ce dont elles ont besoin va dans le même sens. Elles poursuivent leurs buts avec une énergie entière et sont rarement troublées par le doute intérieur. Cette même unité peut les empêcher de se voir de l'extérieur ou de comprendre les gens faits autrement qu'elles.)"},
    {Sun, Moon, Harmonious, R"(Votre volonté et vos sentiments travaillent ensemble, ce qui vous donne un équilibre intérieur aisé et une tranquille confiance en vous. Vous vous entendez bien avec les autres, et votre vie de famille soutient vos ambitions plutôt qu'elle ne les entrave. La santé et la vitalité sont généralement bonnes, et vous vous remettez vite des revers.)"},
    {Sun, Moon, Challenging, R"(Ces personnes ont souvent l'impression que leur tête et leur cœur veulent des choses différentes, et elles peuvent osciller de l'une à l'autre. Cette tension peut remonter à des différences entre les parents ressenties tôt dans la vie. Quand elles apprennent à écouter les deux côtés de leur nature, cette agitation devient un moteur et une profonde compréhension des conflits humains.)"},

    // ---- Sun and Mercury ----
    {Sun, Mercury, Conjunction, R"(L'esprit et le sentiment de soi sont étroitement liés, si bien que ces personnes s'identifient fortement à leurs propres idées et opinions. Elles pensent et parlent avec conviction et ont souvent le don de se mettre en valeur. Quand la conjonction est très serrée, elles ont parfois du mal à entendre une critique de leurs idées sans la prendre personnellement.)"},
    {Sun, Mercury, Harmonious, R"(Vous vous exprimez clairement, et votre pensée sert bien vos desseins. Apprendre vous est facile, et vous savez expliquer ce que vous voulez d'une manière que les autres acceptent. Votre esprit reste vif et pratique toute votre vie.)"},
    {Sun, Mercury, Challenging, R"(Ces personnes peuvent avoir le sentiment que leurs mots ne disent jamais tout à fait ce qu'elles pensent, ou que leurs projets et leur vrai but vont dans des directions différentes. Elles ont tendance à plaider leur cause avec trop d'insistance et peuvent devenir nerveuses sous la pression. Avec la pratique, cette friction aiguise l'intellect et leur donne un talent pour le débat.)"},

    // ---- Sun and Venus ----
    {Sun, Venus, Conjunction, R"(Les personnes qui ont cette conjonction possèdent charme, chaleur et amour de la beauté, qui se voient dans leur apparence et leur cadre de vie. Elles sont affectueuses et veulent être aimées, et elles le sont généralement. Beaucoup ont un talent artistique, mais elles peuvent trop aimer le confort et fuir les choix difficiles.)"},
    {Sun, Venus, Harmonious, R"(Vous avez un tempérament aimable et agréable et le don de mettre les autres à l'aise. L'amour, l'amitié et les arts vous apportent beaucoup de bonheur, et l'aide vous parvient souvent par vos relations sociales. Vous avez bon goût et savez profiter de la vie.)"},
    {Sun, Venus, Challenging, R"(Ces personnes veulent amour et admiration mais peuvent sentir que l'affection ne leur vient pas sous la forme espérée. Elles peuvent trop dépenser pour leurs plaisirs ou s'efforcer trop de plaire. Quand elles apprennent à s'estimer sans attendre l'approbation d'autrui, le vrai charme de cet aspect se révèle.)"},

    // ---- Sun and Mars ----
    {Sun, Mars, Conjunction, R"(Ces personnes sont pleines d'énergie, de courage et de volonté, et elles poursuivent ce qu'elles veulent sans hésiter. Ce sont des compétiteurs nés qui aiment les défis et excellent souvent dans le sport ou dans un travail physique exigeant. Elles s'emportent vite et doivent apprendre que toute situation n'appelle pas un combat.)"},
    {Sun, Mars, Harmonious, R"(Vous avez beaucoup de vitalité et le courage d'agir selon vos convictions. Vous travaillez dur, récupérez vite et aimez prendre les devants, et les autres respectent votre franchise. Comme votre énergie va là où vous la dirigez, vos efforts portent généralement leurs fruits.)"},
    {Sun, Mars, Challenging, R"(Les personnes ayant cet aspect ont un élan puissant mais peuvent le gaspiller en querelles, en impatience ou en actes irréfléchis. Elles peuvent être combatives et tendent à provoquer l'opposition, surtout chez les personnes en position d'autorité. Quand elles apprennent à doser leurs forces, elles ont une endurance énorme et peuvent accomplir beaucoup par leur seule détermination.)"},

    // ---- Sun and Jupiter ----
    {Sun, Jupiter, Conjunction, R"(C'est une conjonction heureuse qui donne générosité, optimisme et une vision large de la vie. Ces personnes sont confiantes et chaleureuses, et elles attirent facilement l'aide et les occasions. Leur principal danger est l'excès : trop d'assurance, trop de dépenses et des promesses qu'elles ne peuvent tenir.)"},
    {Sun, Jupiter, Harmonious, R"(Vous avez une nature gaie et pleine d'espoir et un sens aigu de la justice et de l'équité. La chance arrive souvent au bon moment, et vous êtes en général respecté et apprécié. Les études, les voyages et la quête de sens élargissent votre vie et vous apportent le succès.)"},
    {Sun, Jupiter, Challenging, R"(Ces personnes sont généreuses et ambitieuses mais enclines à viser trop haut, attendant trop de la vie ou d'elles-mêmes. Elles peuvent être dépensières, imbues d'elles-mêmes ou négligentes dans les détails. Quand elles gardent des buts réalistes, leur enthousiasme et leur foi les mènent loin.)"},

    // ---- Sun and Saturn ----
    {Sun, Saturn, Conjunction, R"(Ces personnes sont sérieuses, responsables et disciplinées, et elles portent souvent de lourdes charges dès leur jeune âge. Elles ont pu ressentir un manque de chaleur ou de reconnaissance, en particulier de la part du père, et peuvent être très dures envers elles-mêmes. Le succès vient lentement mais il dure, car elles bâtissent sur un sol ferme.)"},
    {Sun, Saturn, Harmonious, R"(Vous êtes patient, pratique et fiable, et vous savez travailler avec constance vers des buts à long terme. Les autres vous confient des responsabilités, et votre carrière s'élève peu à peu vers une position respectée. Vous vieillissez bien et gagnez souvent en assurance avec les années.)"},
    {Sun, Saturn, Challenging, R"(Les personnes ayant cet aspect rencontrent obstacles, retards et doutes de soi, et elles peuvent sentir que la vie exige davantage d'elles que des autres. Pères, employeurs et fonctionnaires semblent leur barrer la route, et la peur de l'échec peut les retenir. Par la persévérance, elles acquièrent une discipline et une force que des vies plus faciles ne développent jamais.)"},

    // ---- Sun and Uranus ----
    {Sun, Uranus, Conjunction, R"(Ces personnes sont originales, indépendantes et souvent en avance sur leur temps. Elles ont besoin de la liberté de vivre à leur façon et réagissent vivement à toute tentative de les restreindre. Leur vie est marquée par des changements soudains, et beaucoup ont un talent pour la science, l'invention ou tout ce qui est nouveau.)"},
    {Sun, Uranus, Harmonious, R"(Vous avez un esprit inventif et le courage de suivre votre propre chemin. Les idées nouvelles vous viennent facilement, et vous savez provoquer le changement sans bouleversement inutile. Les amis, les groupes et les personnes qui vous ressemblent jouent un rôle important dans votre réussite.)"},
    {Sun, Uranus, Challenging, R"(Ces personnes sont agitées et rebelles, et elles peuvent quitter brusquement un emploi, un foyer ou une relation quand elles se sentent enfermées. Leur vie peut être pleine de bouleversements soudains et de heurts avec l'autorité. Leur don est l'originalité, et quand elles apprennent à travailler avec les autres plutôt que contre eux, elles peuvent être de vrais réformateurs.)"},

    // ---- Sun and Neptune ----
    {Sun, Neptune, Conjunction, R"(Les personnes qui ont cette conjonction sont sensibles, imaginatives et idéalistes, avec un sens aigu de la musique, de l'art ou de la dimension spirituelle de la vie. Leur sentiment d'identité peut être flou, et elles ont parfois du mal à s'affirmer. Elles doivent se garder de l'illusion sur elles-mêmes et des gens qui profiteraient de leur bonté.)"},
    {Sun, Neptune, Harmonious, R"(Vous avez une riche imagination et une nature compatissante, et vous êtes profondément sensible à l'art, à la musique et à la beauté. Votre intuition est bonne, et vous pouvez inspirer les autres par vos idéaux. Les travaux créatifs, thérapeutiques et caritatifs vous conviennent bien.)"},
    {Sun, Neptune, Challenging, R"(Ces personnes peuvent douter de leurs propres buts et se laisser facilement égarer par les illusions, la flatterie ou le désir de fuir. Elles idéalisent parfois les autres puis se sentent trompées quand la vérité éclate. Elles doivent garder les pieds sur terre en matière d'argent et de santé, et se méfier de l'alcool et des drogues.)"},

    // ---- Sun and Pluto ----
    {Sun, Pluto, Conjunction, R"(Ces personnes ont une volonté formidable, une grande intensité et le besoin d'être maîtres de leur destin. Elles traversent dans la vie de profondes transformations, souvent après une crise, et ressortent de chacune plus fortes. Elles peuvent être des chefs redoutables, mais doivent user de leur pouvoir avec sagesse et ne pas chercher à dominer les autres.)"},
    {Sun, Pluto, Harmonious, R"(Vous avez une grande force intérieure et la capacité de vous renouveler après les difficultés. Vous pouvez travailler avec une concentration intense et ne vous laissez pas facilement détourner une fois votre décision prise. Les positions d'influence vous viennent naturellement, et vous pouvez vous en servir pour provoquer de vrais changements.)"},
    {Sun, Pluto, Challenging, R"(Les personnes ayant cet aspect sont entraînées dans des luttes de pouvoir, surtout avec l'autorité, et peuvent être poussées par un besoin farouche de l'emporter. Leur vie apporte des bouleversements qui les obligent à lâcher prise et à recommencer. Quand elles tournent cette intensité vers la maîtrise d'elles-mêmes plutôt que des autres, elles deviennent remarquablement résistantes.)"},

    // ---- Sun and Ascendant ----
    {Sun, Ascendant, Conjunction, R"(Le Soleil à l'Ascendant donne une personnalité chaleureuse et imposante et un air naturel d'autorité. Ces personnes sont sûres d'elles, fières et se font facilement remarquer, et elles aiment être vues telles qu'elles sont. La santé et la vitalité sont généralement bonnes, mais elles peuvent être assez égocentriques.)"},
    {Sun, Ascendant, Harmonious, R"(Vous vous présentez avec chaleur et assurance, et les autres voient facilement vos qualités. Le but de votre vie s'accorde avec votre manière d'aborder le monde, ce qui vous rend facile à comprendre et digne de confiance. Votre personnalité rayonne dans tout ce que vous faites.)"},
    {Sun, Ascendant, Challenging, R"(Ces personnes peuvent sentir que l'image qu'elles montrent au monde ne correspond pas à ce qu'elles sont vraiment, ou chercher leur propre lumière chez un partenaire. Les relations peuvent entraîner des conflits de volonté, surtout avec des personnes aussi fortes qu'elles. Trouver le moyen d'exprimer ouvertement leur vraie nature leur apporte aisance et reconnaissance.)"},

    // ---- Sun and Midheaven ----
    {Sun, Midheaven, Conjunction, R"(Le Soleil au sommet du thème indique l'ambition, un rôle public et le désir d'être reconnu pour ce que l'on accomplit. Ces personnes sont attirées par les postes de direction et réussissent souvent dans leur carrière. Elles peuvent s'identifier si étroitement à leur travail que la vie privée passe au second plan.)"},
    {Sun, Midheaven, Harmonious, R"(Votre carrière et votre sens du but se soutiennent mutuellement, si bien que vous trouverez probablement un travail qui vous convient. Vos supérieurs vous respectent, et la reconnaissance vient sans que vous ayez à la forcer. Votre réputation tend à grandir régulièrement au fil de la vie.)"},
    {Sun, Midheaven, Challenging, R"(Ces personnes peuvent se sentir tiraillées entre leurs buts personnels et les exigences de la carrière, du foyer ou de la famille. Elles peuvent rencontrer l'opposition de leurs supérieurs ou lutter pour la reconnaissance qu'elles estiment mériter. Une fois qu'elles savent clairement ce qu'elles veulent, leur élan les porte vers une position respectée.)"},

    // ======================== Moon ========================

    // ---- Moon and Mercury ----
    {Moon, Mercury, Conjunction, R"(Ces personnes pensent avec leurs sentiments et se souviennent de tout ce qui les a touchées. Elles sont vives, bavardes et réceptives, avec une bonne mémoire et l'art de sentir ce que les autres veulent entendre. Leurs opinions peuvent changer avec leur humeur.)"},
    {Moon, Mercury, Harmonious, R"(Vous mettez facilement vos sentiments en mots, et votre bon sens est solide. Vous êtes une oreille compréhensive et un communicant né, et vous tirez bien les leçons de l'expérience. L'écriture, l'enseignement ou le travail avec le public vous conviennent.)"},
    {Moon, Mercury, Challenging, R"(Les personnes ayant cet aspect peuvent constater que la raison et le sentiment ne s'accordent pas, ce qui les rend changeantes, nerveuses ou portées à l'inquiétude. Anxieuses, elles parlent trop ou disent des choses qu'elles regrettent ensuite. Apprendre à marquer une pause avant de parler fait de leur esprit vif et sensible un véritable atout.)"},

    // ---- Moon and Venus ----
    {Moon, Venus, Conjunction, R"(Cette conjonction donne une nature douce, affectueuse et sociable et l'amour du confort et de la beauté. Ces personnes sont gentilles et appréciées, et elles créent un foyer agréable et accueillant. Elles peuvent faire de grands efforts pour éviter les désagréments et sont enclines à se faire plaisir, surtout avec la nourriture et les sucreries.)"},
    {Moon, Venus, Harmonious, R"(Vous avez bon cœur et un charme facile, et les gens se sentent bien en votre compagnie. Votre vie familiale et vos relations sont généralement harmonieuses, et les femmes vous viennent souvent en aide. Vous avez un goût artistique et appréciez un beau cadre de vie.)"},
    {Moon, Venus, Challenging, R"(Ces personnes ont soif d'affection mais peuvent sentir que l'amour ne leur est pas rendu aussi pleinement qu'elles le donnent. Elles peuvent être complaisantes envers elles-mêmes, trop dépenser pour leur confort ou chercher à se rassurer dans le plaisir. L'équilibre vient quand elles apprennent à s'accorder le soin qu'elles donnent si volontiers aux autres.)"},

    // ---- Moon and Mars ----
    {Moon, Mars, Conjunction, R"(Ces personnes ont des émotions fortes et rapides et réagissent aussitôt à tout ce qui les touche. Elles sont courageuses et protègent ceux qu'elles aiment, mais elles s'emportent facilement. Bien canalisée, leur énergie en fait des travailleurs infatigables au service des gens et des causes qui leur tiennent à cœur.)"},
    {Moon, Mars, Harmonious, R"(Vous avez du courage émotionnel et l'énergie d'agir selon vos sentiments. Vous êtes franc et enthousiaste, prompt à défendre les autres et à vous remettre d'une déception. Votre détermination vous aide à mener les choses à bien, chez vous comme au travail.)"},
    {Moon, Mars, Challenging, R"(Les personnes ayant cet aspect sont impulsives et facilement provoquées, et leurs humeurs peuvent tourner à la dispute, souvent à la maison. Elles ont tendance à agir d'abord et à le regretter ensuite. L'activité physique et une parole sincère sur leurs sentiments les aident à relâcher la tension avant qu'elle n'explose.)"},

    // ---- Moon and Jupiter ----
    {Moon, Jupiter, Conjunction, R"(Ces personnes sont généreuses, bonnes et optimistes, et leur bonne humeur les rend populaires. Elles jouissent souvent d'un foyer confortable et de la protection de leur famille. Elles doivent surveiller une tendance à trop manger ou à être trop indulgentes envers elles-mêmes.)"},
    {Moon, Jupiter, Harmonious, R"(Vous avez une nature bienveillante et compatissante et une foi en la vie qui vous porte dans les moments difficiles. Les autres sont attirés par votre chaleur et vous aident souvent en retour. Le foyer, la famille et les voyages vous apportent beaucoup de bonheur.)"},
    {Moon, Jupiter, Challenging, R"(Ces personnes sont chaleureuses et généreuses mais enclines à l'excès, que ce soit dans les sentiments, la nourriture ou les dépenses. Elles peuvent promettre plus qu'elles ne peuvent donner ou attendre trop des autres. Apprendre la modération fait de leur grand cœur une vraie source de chance.)"},

    // ---- Moon and Saturn ----
    {Moon, Saturn, Conjunction, R"(Ces personnes gardent leurs sentiments sous contrôle et peuvent avoir du mal à montrer ou à accepter l'affection. Leurs jeunes années ont pu être marquées par les responsabilités, la solitude ou une mère distante ou accablée. Elles sont loyales, fiables et patientes, et la chaleur qu'elles apprennent à montrer plus tard est profonde et durable.)"},
    {Moon, Saturn, Harmonious, R"(Vous êtes émotionnellement stable, sensé et fiable, et vous prenez au sérieux vos devoirs envers votre famille. Vous réglez les questions pratiques avec calme et gardez la tête froide dans une crise. Votre loyauté fait de vous un ami et un partenaire de confiance.)"},
    {Moon, Saturn, Challenging, R"(Les personnes ayant cet aspect peuvent souffrir de solitude, de pessimisme ou du sentiment de ne pas être assez aimées. Elles peuvent être sur la défensive et lentes à faire confiance, et les charges familiales peuvent peser sur elles pendant des années. Avec le temps, elles apprennent à prendre soin d'elles-mêmes et acquièrent une grande maturité affective.)"},

    // ---- Moon and Uranus ----
    {Moon, Uranus, Conjunction, R"(Ces personnes ont une nature émotionnelle originale et indépendante et ont besoin de beaucoup de liberté. Leur humeur change brusquement, et elles sont attirées par la nouveauté et l'anticonformisme. La vie familiale peut être irrégulière, avec de fréquents déménagements ou des événements inattendus.)"},
    {Moon, Uranus, Harmonious, R"(Vous êtes intuitif, inventif et ouvert d'esprit, et vous réagissez vite aux situations nouvelles. Vous vous faites facilement des amis et aimez la variété dans votre vie quotidienne. Votre façon originale de ressentir aide les autres à voir les choses familières sous un jour nouveau.)"},
    {Moon, Uranus, Challenging, R"(Les personnes ayant cet aspect sont agitées et imprévisibles sur le plan affectif, et elles peuvent quitter une relation ou un foyer sans prévenir. Elles ont soif d'excitation mais trouvent l'intimité difficile. Apprendre à concilier liberté et engagement leur apporte la stabilité qu'elles désirent secrètement.)"},

    // ---- Moon and Neptune ----
    {Moon, Neptune, Conjunction, R"(Ces personnes sont extrêmement sensibles, réceptives et imaginatives, et elles captent les sentiments des autres presque sans effort. Elles sont compatissantes, artistes et souvent médiums. Elles ont besoin d'être protégées des milieux rudes et doivent veiller à ne pas se perdre dans les rêves ou dans les soucis d'autrui.)"},
    {Moon, Neptune, Harmonious, R"(Vous avez une nature douce et compatissante et une intuition puissante. La musique, la poésie et les arts vous émeuvent profondément, et vous avez peut-être vous-même de vrais dons créatifs. Vous êtes un aidant né et réconfortez facilement les autres.)"},
    {Moon, Neptune, Challenging, R"(Les personnes ayant cet aspect peuvent être confuses sur le plan affectif, faciles à tromper ou enclines à fuir la réalité quand la vie devient dure. Leur compassion spontanée peut en faire les victimes de ceux qui en profitent. Elles doivent éviter l'alcool et les drogues et poser des limites claires dans leurs relations.)"},

    // ---- Moon and Pluto ----
    {Moon, Pluto, Conjunction, R"(Ces personnes ressentent tout intensément et ont des émotions profondes, parfois compulsives. Elles protègent farouchement ceux qu'elles aiment et peuvent être possessives ou jalouses. Elles traversent souvent des crises émotionnelles qui les changent complètement et les rendent plus sages.)"},
    {Moon, Pluto, Harmonious, R"(Vous avez de la profondeur émotionnelle, de la perspicacité et la force d'affronter les sentiments difficiles. Vous comprenez les motivations cachées des gens et pouvez aider les autres à traverser une crise. Votre capacité à vous renouveler sur le plan affectif est remarquable.)"},
    {Moon, Pluto, Challenging, R"(Les personnes ayant cet aspect peuvent être extrêmes dans leurs émotions et lutter contre la jalousie, la rancune ou le besoin de contrôler leurs proches. Le lien avec la mère, ou l'atmosphère familiale, a pu être difficile. Affronter honnêtement leurs sentiments transforme cette intensité en une grande force psychologique.)"},

    // ---- Moon and Ascendant ----
    {Moon, Ascendant, Conjunction, R"(La Lune à l'Ascendant donne une personnalité sensible et changeante dont les humeurs sont visibles de tous. Ces personnes sont maternelles et abordables, et les inconnus se confient facilement à elles. Elles réagissent fortement à leur environnement et ont besoin d'un foyer paisible pour se sentir au mieux.)"},
    {Moon, Ascendant, Harmonious, R"(Vous montrez vos sentiments naturellement, et les gens vous trouvent abordable et sympathique. Vous vous adaptez facilement à votre environnement et sentez bien ce dont les autres ont besoin. Le foyer et la famille tiennent une place importante dans votre façon de vous présenter.)"},
    {Moon, Ascendant, Challenging, R"(Ces personnes peuvent sentir que leurs besoins intérieurs se heurtent à la manière dont on attend qu'elles se comportent, ou chercher chez un partenaire la sécurité qu'elles ne peuvent se donner. Leurs humeurs colorent fortement leurs relations. Elles gagnent à apprendre à répondre d'abord à leurs propres besoins affectifs.)"},

    // ---- Moon and Midheaven ----
    {Moon, Midheaven, Conjunction, R"(La Lune près du Milieu du Ciel apporte un engagement émotionnel dans la carrière et une vie menée sous le regard du public. Ces personnes peuvent travailler avec le public, avec les femmes, dans l'alimentation, l'immobilier ou les métiers du soin. Leur position peut monter et descendre, et elles peuvent changer plusieurs fois de carrière.)"},
    {Moon, Midheaven, Harmonious, R"(Votre vie familiale et votre carrière se soutiennent mutuellement, et vous pouvez réussir dans un travail qui sert les gens ou prend soin d'eux. Le public vous accueille chaleureusement. Votre mère ou votre famille vous aide souvent dans les premières années de votre carrière.)"},
    {Moon, Midheaven, Challenging, R"(Ces personnes peuvent se sentir tiraillées entre les exigences du foyer et celles de la carrière. Leurs émotions privées peuvent affecter leur réputation, et elles changent parfois souvent de direction. Quand elles trouvent un travail qui répond à leurs besoins affectifs, elles se stabilisent et réussissent.)"},

    // ======================== Mercury ========================

    // ---- Mercury and Venus ----
    {Mercury, Venus, Conjunction, R"(Ces personnes parlent avec grâce et pensent avec goût et tact. Elles ont souvent du talent pour l'écriture, la poésie, la musique ou le design, et elles sont d'agréable compagnie. Elles préfèrent la diplomatie à l'affrontement et évitent parfois de dire les vérités désagréables.)"},
    {Mercury, Venus, Harmonious, R"(Vous vous exprimez avec charme et avez le don de trouver le mot juste au bon moment. Votre vie sociale est animée, et vous pouvez gagner de l'argent par l'écriture, l'art ou tout travail lié aux mots. Vous êtes un pacificateur né parmi vos amis et collègues.)"},
    {Mercury, Venus, Challenging, R"(Les personnes ayant cet aspect peuvent dire ce que les autres veulent entendre plutôt que ce qu'elles pensent vraiment, ou laisser l'affection troubler leur jugement. Elles peuvent paraître superficielles ou indécises. Une expression sincère donne une vraie substance à leur charme naturel.)"},

    // ---- Mercury and Mars ----
    {Mercury, Mars, Conjunction, R"(Ces personnes ont un esprit aiguisé, rapide et combatif, et elles aiment une bonne discussion. Elles parlent franchement, décident vite et défendent leurs idées avec vigueur. Leurs mots peuvent blesser, et des critiques irréfléchies peuvent leur valoir des ennemis.)"},
    {Mercury, Mars, Harmonious, R"(Vous pensez vite et mettez vos idées en œuvre avec énergie. Vous êtes décidé, pratique et persuasif, et vous réussissez dans le débat, le travail technique ou partout où il faut penser vite. Votre endurance intellectuelle est considérable.)"},
    {Mercury, Mars, Challenging, R"(Les personnes ayant cet aspect s'emportent en paroles et peuvent discuter pour le plaisir de discuter. Elles ont tendance à être impatientes et hâtives dans leurs jugements et peuvent souffrir de tension nerveuse. Quand elles apprennent à modérer leurs paroles, elles deviennent des orateurs et des écrivains percutants.)"},

    // ---- Mercury and Jupiter ----
    {Mercury, Jupiter, Conjunction, R"(Ces personnes ont un esprit large et optimiste et aiment l'étude, les voyages et les grandes idées. Elles font souvent de bons enseignants, écrivains ou orateurs. Leur faiblesse est une tendance à négliger les détails ou à trop promettre.)"},
    {Mercury, Jupiter, Harmonious, R"(Vous avez un jugement sûr, un esprit généreux et le talent de voir l'ensemble. Les études, l'édition, le droit et les voyages peuvent tous vous apporter le succès. Les gens se fient à vos opinions et viennent vous demander conseil.)"},
    {Mercury, Jupiter, Challenging, R"(Ces personnes ont beaucoup d'idées mais peuvent exagérer, disperser leurs énergies ou négliger les détails. Leur jugement peut être léger, et elles parlent parfois plus qu'elles n'agissent. La discipline dans l'étude transforme leur esprit large en véritable sagesse.)"},

    // ---- Mercury and Saturn ----
    {Mercury, Saturn, Conjunction, R"(Ces personnes pensent sérieusement et avec soin, avec une bonne concentration et un esprit pratique et méthodique. Elles peuvent être lentes à parler et timides dans leur jeunesse, mais ce qu'elles disent est bien réfléchi. Elles peuvent avoir tendance à s'inquiéter ou à voir le côté sombre des choses.)"},
    {Mercury, Saturn, Harmonious, R"(Vous avez un esprit discipliné et organisé et la patience d'un travail soigneux et précis. Vous planifiez bien, retenez ce que vous apprenez et parlez avec autorité. Les sciences, les mathématiques, la comptabilité et l'administration vous conviennent.)"},
    {Mercury, Saturn, Challenging, R"(Les personnes ayant cet aspect ont pu avoir des difficultés à l'école ou le sentiment que leurs idées n'étaient pas prises au sérieux. Leur pensée peut être pessimiste, rigide ou anxieuse. Par la persévérance, elles acquièrent une grande discipline et une grande profondeur d'esprit.)"},

    // ---- Mercury and Uranus ----
    {Mercury, Uranus, Conjunction, R"(Ces personnes ont un esprit brillant, original et très rapide. Elles saisissent les idées par intuition, aiment les technologies nouvelles et pensent de façon peu conventionnelle. Elles peuvent être très nerveuses et impatientes envers les esprits plus lents.)"},
    {Mercury, Uranus, Harmonious, R"(Vous avez un esprit inventif et des éclairs d'intuition que les autres trouvent inspirants. Vous êtes attiré par la science, l'informatique, l'astrologie ou la réforme, et vous apprenez très vite. Votre pensée est indépendante et souvent en avance sur son temps.)"},
    {Mercury, Uranus, Challenging, R"(Les personnes ayant cet aspect pensent très vite mais peuvent être fantasques, maladroites ou contrariantes par principe. Elles sautent parfois d'une idée à l'autre sans rien achever et peuvent souffrir de tension nerveuse. Bien canalisée, leur originalité peut mener à de vraies découvertes.)"},

    // ---- Mercury and Neptune ----
    {Mercury, Neptune, Conjunction, R"(Ces personnes ont un esprit poétique, imaginatif et intuitif. Elles pensent en images et peuvent être douées pour la musique, la poésie ou les arts visuels. Elles peuvent être vagues et distraites, et ont parfois du mal à séparer les faits de l'imaginaire.)"},
    {Mercury, Neptune, Harmonious, R"(Vous avez une imagination fine et le talent d'exprimer des sentiments subtils par les mots ou les images. Votre intuition est forte, et vous êtes peut-être attiré par les études mystiques ou spirituelles. L'écriture, l'art, la photographie et le cinéma vous conviennent.)"},
    {Mercury, Neptune, Challenging, R"(Les personnes ayant cet aspect peuvent être confuses, distraites ou faciles à induire en erreur, et elles doivent être prudentes avec les contrats et les documents. Elles racontent parfois des histoires qui brouillent la vérité, parfois sans s'en rendre compte. La discipline de pensée les aide à transformer leur imagination en dons créatifs.)"},

    // ---- Mercury and Pluto ----
    {Mercury, Pluto, Conjunction, R"(Ces personnes ont un esprit pénétrant et investigateur qui va au fond des choses. Elles sont douées pour la recherche, l'analyse et la découverte des secrets, et leurs paroles ont du poids. Elles peuvent être secrètes et têtues dans leurs opinions.)"},
    {Mercury, Pluto, Harmonious, R"(Vous avez de la profondeur d'esprit, une perception aiguë et la capacité de vous concentrer intensément. La recherche, la psychologie et l'enquête vous conviennent, et vos paroles peuvent convaincre et transformer les autres. On ne vous trompe pas facilement.)"},
    {Mercury, Pluto, Challenging, R"(Les personnes ayant cet aspect peuvent avoir une pensée obsessionnelle, être méfiantes ou autoritaires dans la discussion. Elles peuvent essayer d'imposer leurs vues aux autres ou garder des secrets qui pèsent sur elles. Quand elles utilisent honnêtement leur perspicacité, elles deviennent des chercheurs et des conseillers remarquables.)"},

    // ---- Mercury and Ascendant ----
    {Mercury, Ascendant, Conjunction, R"(Mercure à l'Ascendant donne une personnalité vive, curieuse et bavarde. Ces personnes ont l'air éveillé et juvénile et aiment échanger des idées avec tous ceux qu'elles rencontrent. Leurs mains et leurs yeux sont rarement immobiles, et l'ennui est ce qu'elles craignent le plus.)"},
    {Mercury, Ascendant, Harmonious, R"(Vous vous exprimez bien, et les autres vous voient comme intelligent et facile à aborder. Vous faites une bonne première impression par vos paroles et vous adaptez vite à une nouvelle compagnie. Votre esprit est votre meilleur outil face au monde.)"},
    {Mercury, Ascendant, Challenging, R"(Ces personnes peuvent constater que leur façon de parler est mal comprise, ou avoir de nombreuses disputes avec leurs partenaires et associés. Elles ont tendance à trop penser à l'image qu'elles donnent. Une communication claire et honnête apaise leurs relations.)"},

    // ---- Mercury and Midheaven ----
    {Mercury, Midheaven, Conjunction, R"(Mercure au sommet du thème indique une carrière dans la communication, l'écriture, l'enseignement, le commerce ou les voyages. Ces personnes se font connaître par leur intelligence et leurs paroles. Elles peuvent changer souvent d'emploi ou faire plusieurs choses à la fois.)"},
    {Mercury, Midheaven, Harmonious, R"(Vos dons intellectuels servent votre carrière, et vous pouvez acquérir une bonne réputation par la parole, l'écriture ou les affaires. Vous organisez votre vie professionnelle avec bon sens. Les contacts et l'information vous apportent des occasions.)"},
    {Mercury, Midheaven, Challenging, R"(Ces personnes peuvent être agitées dans leur carrière ou voir leurs idées se heurter à celles de leurs supérieurs. Des soucis de réputation ou des affaires familiales peuvent les distraire. Une planification soigneuse les aide à trouver une carrière qui utilise pleinement leur intelligence.)"},

    // ======================== Venus ========================

    // ---- Venus and Mars ----
    {Venus, Mars, Conjunction, R"(Ces personnes ont des passions fortes et une nature chaleureuse, affectueuse et sensuelle. L'amour et le désir sont étroitement liés chez elles, et elles sont souvent très attirantes pour les autres. Elles peuvent se précipiter dans les relations et agir impulsivement en amour.)"},
    {Venus, Mars, Harmonious, R"(Vous avez une nature chaleureuse et passionnée et un bon équilibre entre donner et recevoir en amour. Votre énergie créative et artistique est forte. Vous attirez les autres et êtes généralement heureux dans vos relations.)"},
    {Venus, Mars, Challenging, R"(Les personnes ayant cet aspect ressentent une forte tension entre l'amour et le désir, et leurs relations peuvent être orageuses ou pleines de disputes. Elles peuvent être impulsives ou jalouses en amour. Apprendre à unir la tendresse et la passion leur apporte l'épanouissement.)"},

    // ---- Venus and Jupiter ----
    {Venus, Jupiter, Conjunction, R"(C'est l'une des conjonctions les plus heureuses, qui donne générosité, charme, bon goût et amour du plaisir. Ces personnes sont populaires et souvent chanceuses en amour et en argent. Elles peuvent être dépensières et complaisantes envers elles-mêmes.)"},
    {Venus, Jupiter, Harmonious, R"(Vous avez une nature bonne et généreuse et attirez la bienveillance partout où vous allez. L'amour, le mariage et l'amitié sont généralement heureux, et l'argent vient souvent facilement. L'art, la musique et la vie sociale vous apportent de la joie.)"},
    {Venus, Jupiter, Challenging, R"(Ces personnes ont bon cœur mais sont enclines à l'excès dans le plaisir, les dépenses ou l'affection. Elles peuvent être paresseuses ou attendre que les autres subviennent à leurs besoins. La modération transforme leur chance naturelle en bienfait durable.)"},

    // ---- Venus and Saturn ----
    {Venus, Saturn, Conjunction, R"(Ces personnes sont sérieuses et fidèles en amour mais peuvent être timides, réservées ou lentes à montrer leur affection. Elles se marient souvent tard ou choisissent un partenaire plus âgé, et leurs relations sont faites pour durer. Elles apprécient la qualité, la solidité et la beauté classique.)"},
    {Venus, Saturn, Harmonious, R"(Vous êtes fidèle et responsable dans vos relations et prenez vos engagements au sérieux. Votre sens artistique a de la discipline et de la forme. Votre amour s'approfondit avec les années, et vous gérez l'argent avec sagesse.)"},
    {Venus, Saturn, Challenging, R"(Les personnes ayant cet aspect peuvent se sentir mal aimées, rejetées ou freinées dans leurs relations, et l'amour peut leur venir avec déception ou retard. Elles sont parfois trop prudentes pour ouvrir leur cœur. La patience et le respect de soi finissent par leur apporter une union durable.)"},

    // ---- Venus and Uranus ----
    {Venus, Uranus, Conjunction, R"(Ces personnes sont attirées par les relations insolites et excitantes et ont besoin de liberté en amour. Elles tombent amoureuses soudainement et peuvent mettre fin à une liaison tout aussi vite. Leur goût artistique est original et souvent en avance sur la mode.)"},
    {Venus, Uranus, Harmonious, R"(Vous avez une personnalité magnétique et attirez des gens intéressants. Votre vie amoureuse est animée et peu conventionnelle sans être instable, et vos amitiés sont stimulantes. Vous avez des idées créatives originales.)"},
    {Venus, Uranus, Challenging, R"(Les personnes ayant cet aspect peuvent connaître des attirances soudaines, des séparations soudaines et des relations qui ne se stabilisent jamais vraiment. Elles veulent à la fois la proximité et l'indépendance et ont du mal à concilier les deux. Laisser de la liberté à un partenaire tout en restant fidèles leur apporte le bonheur.)"},

    // ---- Venus and Neptune ----
    {Venus, Neptune, Conjunction, R"(Ces personnes sont romantiques, idéalistes et douées pour les arts, surtout la musique, la danse ou la poésie. Elles rêvent d'un amour parfait et peuvent se sacrifier. Elles peuvent être déçues quand un partenaire n'est pas à la hauteur de l'idéal.)"},
    {Venus, Neptune, Harmonious, R"(Vous avez une nature raffinée et sensible et un sens aigu de la beauté et de l'harmonie. L'amour a pour vous une dimension spirituelle, et votre compassion s'étend bien au-delà de votre cercle. Votre talent artistique est souvent considérable.)"},
    {Venus, Neptune, Challenging, R"(Les personnes ayant cet aspect sont sujettes aux illusions en amour et peuvent se tromper elles-mêmes, ou être trompées, au sujet d'un partenaire. Elles peuvent glisser vers des relations secrètes ou trop sacrifier pour quelqu'un qui ne le mérite pas. Un jugement clair les aide à trouver un amour véritable.)"},

    // ---- Venus and Pluto ----
    {Venus, Pluto, Conjunction, R"(Ces personnes aiment intensément et passionnément, et leurs relations les transforment. Elles sont magnétiques et séduisantes, mais peuvent être jalouses et possessives. Leur vie amoureuse et leurs finances peuvent toutes deux connaître des changements spectaculaires.)"},
    {Venus, Pluto, Harmonious, R"(Vous avez des sentiments profonds et intenses et une grande capacité d'aimer. Vos relations vous aident à grandir, et vous pouvez vous remettre pleinement d'un chagrin d'amour. Vous avez peut-être un talent pour gagner de l'argent par des placements ou des ressources partagées.)"},
    {Venus, Pluto, Challenging, R"(Les personnes ayant cet aspect peuvent rencontrer en amour la jalousie, l'obsession ou les luttes de pouvoir. Les relations peuvent finir de façon dramatique et laisser des marques profondes. Quand elles apprennent à aimer sans avoir besoin de contrôler, elles acquièrent une grande profondeur affective.)"},

    // ---- Venus and Ascendant ----
    {Venus, Ascendant, Conjunction, R"(Vénus à l'Ascendant donne charme, grâce et beauté. Ces personnes sont agréables, sociables et appréciées, et elles s'habillent avec goût. Elles peuvent être vaniteuses, ou si désireuses de plaire qu'elles ont du mal à dire non.)"},
    {Venus, Ascendant, Harmonious, R"(Vous êtes charmant, plein de tact et agréable à fréquenter, et les gens se prennent vite d'affection pour vous. Vos manières sont gracieuses, et vos relations sont généralement heureuses. Il vous est facile de faire en sorte que les autres se sentent les bienvenus.)"},
    {Venus, Ascendant, Challenging, R"(Ces personnes peuvent trop dépendre d'un partenaire pour leur estime d'elles-mêmes, ou constater que l'amour leur apporte des difficultés inattendues. Elles peuvent être trop accommodantes et céder pour préserver la paix. Apprendre à s'estimer aide leurs relations à trouver un véritable équilibre.)"},

    // ---- Venus and Midheaven ----
    {Venus, Midheaven, Conjunction, R"(Vénus au sommet du thème donne une réputation agréable et le succès dans un travail lié à l'art, à la beauté, à la mode ou à la diplomatie. Ces personnes sont appréciées de leurs collègues et du public. Leur aisance sociale sert leur carrière.)"},
    {Venus, Midheaven, Harmonious, R"(Votre charme et votre tact servent votre carrière, et vos supérieurs vous apprécient. Vous pouvez gagner votre vie par l'art, la beauté ou le travail avec les gens. Votre image publique est séduisante.)"},
    {Venus, Midheaven, Challenging, R"(Ces personnes peuvent constater que l'amour et la carrière tirent dans des directions différentes, ou que le foyer et le travail se disputent leur affection. Elles comptent parfois sur leur capacité à plaire là où le travail acharné les servirait mieux. Un équilibre entre vie privée et vie publique leur apporte satisfaction.)"},

    // ======================== Mars ========================

    // ---- Mars and Jupiter ----
    {Mars, Jupiter, Conjunction, R"(Ces personnes ont une énergie, un enthousiasme et un courage abondants, et elles poursuivent de grands buts avec une grande confiance. Elles sont aventureuses et aiment le sport, les voyages et la compétition. Elles peuvent être imprudentes et trop sûres d'elles, entreprenant plus qu'elles-mêmes ne peuvent mener.)"},
    {Mars, Jupiter, Harmonious, R"(Vous alliez l'énergie au bon jugement, et vos efforts sont généralement récompensés. Vous êtes entreprenant, franc et généreux, et vous réussissez souvent dans les affaires, le sport ou le droit. Vous êtes prêt à vous battre pour une juste cause.)"},
    {Mars, Jupiter, Challenging, R"(Les personnes ayant cet aspect sont agitées et impulsives et peuvent en entreprendre trop ou agir à la légère. Elles peuvent être dépensières, insouciantes face au risque ou querelleuses au sujet de leurs convictions. Quand elles dirigent leur énergie avec sagesse, elles accomplissent de grandes choses.)"},

    // ---- Mars and Saturn ----
    {Mars, Saturn, Conjunction, R"(Ces personnes ont une grande endurance et peuvent travailler avec constance vers des buts difficiles. Elles sont disciplinées et déterminées mais peuvent sentir leur énergie bloquée ou contrariée. Elles doivent se garder d'une colère trop longtemps contenue et de la dureté envers elles-mêmes et les autres.)"},
    {Mars, Saturn, Harmonious, R"(Vous alliez énergie et patience et pouvez travailler dur pendant de longues périodes. Vous êtes pratique, organisé et fiable dans les tâches difficiles. L'ingénierie, le bâtiment, la gestion et tout travail qui demande de l'endurance vous conviennent.)"},
    {Mars, Saturn, Challenging, R"(Les personnes ayant cet aspect peuvent rencontrer frustrations, retards et obstacles qui bloquent leurs efforts. Elles peuvent osciller entre prudence et témérité et ressentir une colère qu'elles ne peuvent exprimer. La persévérance finit par transformer cette lutte en véritable endurance et en force.)"},

    // ---- Mars and Uranus ----
    {Mars, Uranus, Conjunction, R"(Ces personnes sont audacieuses, indépendantes et pleines d'énergie nerveuse, et elles agissent soudainement. Elles aiment l'aventure, la vitesse et les machines et ne supportent aucune contrainte. Elles doivent veiller à éviter les accidents et les accès soudains de colère.)"},
    {Mars, Uranus, Harmonious, R"(Vous avez du courage, de l'originalité et des réflexes rapides, et vous agissez avec décision quand un changement s'impose. Vous êtes inventif dans les choses pratiques et pouvez ouvrir la voie à des méthodes nouvelles. Les autres trouvent votre énergie stimulante.)"},
    {Mars, Uranus, Challenging, R"(Les personnes ayant cet aspect sont impatientes, rebelles et sujettes à des actes soudains qu'elles regrettent. Elles peuvent être enclines aux accidents et doivent être prudentes avec les machines, l'électricité, le feu et la vitesse. Apprendre la maîtrise de soi transforme leur audace en véritable courage.)"},

    // ---- Mars and Neptune ----
    {Mars, Neptune, Conjunction, R"(Ces personnes agissent par inspiration et par idéal, et leur énergie va souvent dans l'art, la musique, la danse ou l'aide aux autres. Leur élan peut être inégal et difficile à soutenir. Elles doivent éviter de se laisser aller à la dérive ou d'agir sur des illusions quant à ce qu'elles peuvent accomplir.)"},
    {Mars, Neptune, Harmonious, R"(Vous mettez votre énergie au service de vos rêves et de vos idéaux, et vous avez peut-être un talent pour la danse, le cinéma, la musique ou les soins. Vous travaillez volontiers pour les causes auxquelles vous croyez. Votre intuition guide bien vos actes.)"},
    {Mars, Neptune, Challenging, R"(Les personnes ayant cet aspect peuvent sentir leur énergie épuisée ou dispersée, et elles peuvent agir dans la confusion ou se laisser prendre à la tromperie. Des conflits cachés, des adversaires sournois ou le désir de fuir peuvent les troubler. Des buts clairs et des rapports honnêtes les protègent.)"},

    // ---- Mars and Pluto ----
    {Mars, Pluto, Conjunction, R"(Ces personnes ont une énergie et une volonté immenses, et elles peuvent franchir presque n'importe quel obstacle. Elles sont intenses, intrépides et déterminées, mais peuvent être impitoyables quand on les contrarie. Leur force trouve son meilleur emploi dans les grandes tâches.)"},
    {Mars, Pluto, Harmonious, R"(Vous avez une endurance formidable et la capacité de concentrer votre énergie sur un but jusqu'à l'atteindre. Vous êtes courageux dans la crise et pouvez reconstruire après les revers. Votre seule détermination vous permet d'accomplir beaucoup.)"},
    {Mars, Pluto, Challenging, R"(Les personnes ayant cet aspect sont entraînées dans des luttes de pouvoir et peuvent subir la force, ou en user elles-mêmes. Elles peuvent être compulsives et impitoyables quand elles veulent quelque chose. Apprendre à utiliser leur pouvoir de façon constructive leur donne une force extraordinaire.)"},

    // ---- Mars and Ascendant ----
    {Mars, Ascendant, Conjunction, R"(Mars à l'Ascendant donne une personnalité énergique, affirmée et courageuse. Ces personnes sont directes, compétitives et physiquement actives, et elles sont sujettes aux coupures, aux brûlures et aux petites blessures dues à la hâte. Elles peuvent être agressives et promptes à la colère.)"},
    {Mars, Ascendant, Harmonious, R"(Vous abordez le monde avec énergie et assurance et prenez volontiers l'initiative. Votre courage et votre franchise inspirent le respect. Vous êtes physiquement actif et vous remettez vite d'une maladie ou d'une fatigue.)"},
    {Mars, Ascendant, Challenging, R"(Ces personnes peuvent paraître agressives, ou s'attirer des querelles avec leurs partenaires et leurs adversaires déclarés. Elles peuvent être impatientes envers les autres et promptes à se vexer. Apprendre à coopérer transforme leur élan en force.)"},

    // ---- Mars and Midheaven ----
    {Mars, Midheaven, Conjunction, R"(Mars au sommet du thème donne une forte ambition et une grande énergie pour la carrière. Ces personnes veulent diriger et se retrouvent souvent dans des domaines comme l'ingénierie, l'armée, la chirurgie ou le sport. Elles peuvent se heurter à leurs supérieurs.)"},
    {Mars, Midheaven, Harmonious, R"(Vous travaillez dur pour votre carrière et progressez par votre propre initiative. Vous êtes ambitieux, énergique et doué pour diriger les autres. Votre réputation repose sur votre courage et vos réalisations.)"},
    {Mars, Midheaven, Challenging, R"(Ces personnes peuvent entrer en conflit avec l'autorité, les concurrents ou la famille en poursuivant leurs ambitions. Elles peuvent être téméraires dans leurs choix professionnels et se faire des ennemis au travail. La patience et la coopération les aident à atteindre leurs buts.)"},

    // ======================== Jupiter ========================

    // ---- Jupiter and Saturn ----
    {Jupiter, Saturn, Conjunction, R"(Ces personnes équilibrent l'optimisme par la prudence et l'espoir par le réalisme. Elles bâtissent avec constance, souvent avec un grand succès plus tard dans la vie, et savent bien préparer l'avenir. Elles peuvent osciller entre confiance et doute.)"},
    {Jupiter, Saturn, Harmonious, R"(Vous avez un bon jugement, de la patience et un sens juste des proportions. Vous planifiez sagement et savez transformer les occasions en succès durable. Les autres respectent votre équité et votre expérience.)"},
    {Jupiter, Saturn, Challenging, R"(Les personnes ayant cet aspect peuvent se sentir tiraillées entre croissance et restriction, entre le besoin de s'étendre et celui de la prudence. Leur vie peut alterner entre des périodes de chance et des périodes d'épreuves. Apprendre quand avancer et quand se retenir leur apporte la stabilité.)"},

    // ---- Jupiter and Uranus ----
    {Jupiter, Uranus, Conjunction, R"(Ces personnes sont optimistes, originales et ouvertes aux idées nouvelles, et elles connaissent souvent de soudains coups de chance. Elles aiment la liberté, les voyages et l'aventure. Elles peuvent être agitées et imprévisibles dans leurs croyances et leurs projets.)"},
    {Jupiter, Uranus, Harmonious, R"(Vous avez un esprit inventif, une vision large et le talent de voir des occasions là où d'autres n'en voient pas. Une chance soudaine vous aide souvent. Vous êtes un réformateur né et un penseur progressiste.)"},
    {Jupiter, Uranus, Challenging, R"(Les personnes ayant cet aspect peuvent être agitées et rebelles, et sujettes à de brusques changements de croyance ou de fortune. Elles peuvent prendre des risques imprudents en quête de liberté ou de gain rapide. La modération et la patience les aident à bien employer leur originalité.)"},

    // ---- Jupiter and Neptune ----
    {Jupiter, Neptune, Conjunction, R"(Ces personnes sont idéalistes, compatissantes et portées vers le spirituel, et elles peuvent être attirées par la religion, la mystique ou l'art. Elles sont généreuses et bonnes. Elles peuvent manquer de réalisme et se laisser facilement tromper.)"},
    {Jupiter, Neptune, Harmonious, R"(Vous avez un esprit généreux et une profonde sympathie pour les autres. Votre intuition et votre imagination sont fortes, et vous pouvez trouver l'épanouissement dans la charité, l'art ou la vie spirituelle. La chance vous vient souvent par la foi.)"},
    {Jupiter, Neptune, Challenging, R"(Les personnes ayant cet aspect peuvent se laisser emporter par des rêves impossibles, de faux maîtres ou des vœux pieux. Elles peuvent être dépensières ou peu pratiques, surtout avec l'argent. Garder le sens de la mesure les aide à réaliser leurs idéaux.)"},

    // ---- Jupiter and Pluto ----
    {Jupiter, Pluto, Conjunction, R"(Ces personnes ont une grande ambition et le pouvoir d'organiser à grande échelle. Elles peuvent être attirées par les positions d'influence, la finance ou la réforme. Elles peuvent être fanatiques dans leurs convictions.)"},
    {Jupiter, Pluto, Harmonious, R"(Vous avez une volonté forte et la capacité de réussir par la vision et la détermination. Vous pouvez redonner vie à des situations compromises et mener les autres vers le changement. Vos ressources croissent souvent par les placements ou la richesse partagée.)"},
    {Jupiter, Pluto, Challenging, R"(Les personnes ayant cet aspect peuvent rechercher à l'excès le pouvoir, la richesse ou l'influence et entrer en conflit avec l'autorité ou la loi. Elles peuvent être dogmatiques et convaincues que la fin justifie les moyens. Mettre leur pouvoir au service des autres leur apporte un vrai succès.)"},

    // ---- Jupiter and Ascendant ----
    {Jupiter, Ascendant, Conjunction, R"(Jupiter à l'Ascendant donne une personnalité généreuse, optimiste et amicale. Ces personnes sont populaires, confiantes et souvent chanceuses, et elles ont tendance à prendre du poids avec l'âge. Elles peuvent tomber dans l'excès.)"},
    {Jupiter, Ascendant, Harmonious, R"(Vous abordez le monde avec chaleur et bonne humeur, et les autres vous font confiance au premier regard. Les occasions et l'aide semblent vous trouver, souvent par des maîtres, des voyages ou des gens venus de l'étranger. Votre manière amicale et ouverte vous ouvre bien des portes.)"},
    {Jupiter, Ascendant, Challenging, R"(Ces personnes peuvent se surestimer ou trop promettre dans leurs rapports avec les autres. Elles peuvent être dépensières ou suffisantes. Quand elles gardent leur générosité dans certaines limites, elles ont de la chance dans leurs associations.)"},

    // ---- Jupiter and Midheaven ----
    {Jupiter, Midheaven, Conjunction, R"(Jupiter au sommet du thème est un signe classique de succès et de bonne renommée. Ces personnes atteignent souvent des positions d'honneur et d'autorité, dans le droit, l'enseignement, l'édition ou la vie publique. Elles peuvent être trop ambitieuses ou considérer leur chance comme acquise.)"},
    {Jupiter, Midheaven, Harmonious, R"(Votre carrière prospère, et vous êtes respecté dans la vie publique pour votre équité et votre générosité. Les occasions viennent par vos supérieurs et des contacts influents. Vous avez un don naturel pour diriger que les autres suivent volontiers.)"},
    {Jupiter, Midheaven, Challenging, R"(Ces personnes peuvent viser si haut qu'elles se dépassent, ou voir la carrière et la famille se disputer leur temps. Elles peuvent être trop fières de leur position. Des objectifs réalistes leur apportent un succès durable.)"},

    // ======================== Saturn ========================

    // ---- Saturn and Uranus ----
    {Saturn, Uranus, Conjunction, R"(Ces personnes allient discipline et originalité et savent donner une forme pratique aux idées nouvelles. Elles ressentent souvent une tension entre tradition et changement, entre ce qui a été bâti et ce qui veut naître. Elles sont déterminées et persévérantes une fois leur cap choisi.)"},
    {Saturn, Uranus, Harmonious, R"(Vous savez introduire des réformes de manière pratique et responsable. Vous respectez la tradition tout en accueillant le progrès, et vous travaillez avec constance à de nouveaux projets jusqu'à leur réussite. Les sciences, la technique et l'organisation vous conviennent.)"},
    {Saturn, Uranus, Challenging, R"(Les personnes ayant cet aspect ressentent un fort conflit entre le besoin de sécurité et le désir de liberté. Des bouleversements soudains peuvent ébranler des situations qu'elles croyaient établies, et elles peuvent osciller entre contrôle rigide et rébellion. Trouver un équilibre entre l'ancien et le nouveau leur donne une grande force.)"},

    // ---- Saturn and Neptune ----
    {Saturn, Neptune, Conjunction, R"(Ces personnes cherchent à donner forme à leurs rêves et à leurs idéaux, et elles peuvent être douées pour l'architecture, la musique ou une discipline spirituelle. Elles peuvent être sujettes à la mélancolie quand la réalité reste en deçà de la vision. Elles doivent veiller à ne pas renoncer trop tôt à leurs idéaux.)"},
    {Saturn, Neptune, Harmonious, R"(Vous pouvez réaliser vos rêves par l'effort pratique et la patience. Votre intuition est disciplinée, et vous avez peut-être un talent pour l'art, les soins ou le service aux autres. Vous êtes compatissant et responsable.)"},
    {Saturn, Neptune, Challenging, R"(Les personnes ayant cet aspect peuvent souffrir de peurs vagues, de déceptions ou du sentiment que leurs rêves ne se réaliseront jamais. Des angoisses cachées peuvent miner leur confiance ou leur santé. La foi jointe à l'effort pratique les aide à surmonter ces peurs.)"},

    // ---- Saturn and Pluto ----
    {Saturn, Pluto, Conjunction, R"(Ces personnes ont une grande endurance, du sérieux et de la détermination, et elles peuvent survivre à de vraies épreuves. Elles peuvent être impitoyables dans la poursuite de leurs buts. Leur vie peut apporter de lourds fardeaux qui finissent par les transformer.)"},
    {Saturn, Pluto, Harmonious, R"(Vous avez une grande discipline et une forte puissance de concentration, et vous pouvez tout reconstruire de fond en comble. Vous poursuivez patiemment des buts à long terme et ne vous découragez pas de l'effort qu'ils coûtent. Votre force réside dans l'endurance.)"},
    {Saturn, Pluto, Challenging, R"(Les personnes ayant cet aspect peuvent rencontrer des circonstances dures, de lourdes responsabilités ou des pressions d'autorités auxquelles elles ne peuvent échapper. Elles peuvent devenir rigides ou craindre de perdre le contrôle. Affronter ces défis leur donne une force redoutable.)"},

    // ---- Saturn and Ascendant ----
    {Saturn, Ascendant, Conjunction, R"(Saturne à l'Ascendant donne une allure sérieuse, réservée et responsable. Ces personnes peuvent paraître plus âgées que leur âge et ont souvent une enfance dure ou solitaire. Elles gagnent en assurance et en détente avec l'âge.)"},
    {Saturn, Ascendant, Harmonious, R"(Vous vous présentez comme fiable, mûr et discipliné, et les autres vous confient des responsabilités. Vous êtes patient et ne gaspillez pas votre énergie. Votre constance vous vaut un respect durable.)"},
    {Saturn, Ascendant, Challenging, R"(Ces personnes peuvent se sentir limitées par les autres ou alourdies par leurs associations, et elles peuvent se marier tard ou choisir un partenaire bien plus âgé ou plus sérieux qu'elles. Elles peuvent être timides ou sur la défensive avec les inconnus. La patience leur apporte des relations durables et mûres.)"},

    // ---- Saturn and Midheaven ----
    {Saturn, Midheaven, Conjunction, R"(Saturne au sommet du thème donne une grande ambition et une ascension professionnelle lente mais sûre. Ces personnes gagnent leur autorité par un travail acharné. Elles doivent prendre garde à une chute d'une position élevée si elles abusent de leur pouvoir.)"},
    {Saturn, Midheaven, Harmonious, R"(Votre carrière progresse régulièrement par la discipline, la responsabilité et la patience. On vous respecte pour votre fiabilité et votre sens du devoir. Le succès vient plus tard dans la vie et il dure.)"},
    {Saturn, Midheaven, Challenging, R"(Ces personnes peuvent rencontrer des obstacles dans leur carrière, ou être freinées par leurs devoirs familiaux. Elles peuvent avoir l'impression que leurs réalisations restent longtemps méconnues. La persévérance finit par leur apporter le respect pour lequel elles ont travaillé.)"},

    // ======================== Uranus ========================

    // ---- Uranus and Neptune ----
    {Uranus, Neptune, Conjunction, R"(Cette conjonction est partagée par toute une génération et montre un intérêt pour la mystique, les nouveaux mouvements spirituels et l'art inspiré. Dans un thème personnel, elle donne de l'intuition et une sensibilité aux changements sociaux. Ces personnes peuvent être idéalistes quant à l'avenir.)"},
    {Uranus, Neptune, Harmonious, R"(Vous avez une perception intuitive et une ouverture aux idées spirituelles et artistiques nouvelles, comme une grande partie de votre génération. Vous êtes peut-être doué pour la musique, la psychologie ou les arts de guérison. Vous pressentez les changements à venir avant les autres.)"},
    {Uranus, Neptune, Challenging, R"(Cet aspect est partagé par une génération qui a grandi dans des temps de confusion et de changements sociaux. Dans un thème personnel, il peut donner de la tension nerveuse et des idées irréalistes. Une approche ancrée dans le réel aide ces personnes à tirer parti de leur inspiration.)"},

    // ---- Uranus and Pluto ----
    {Uranus, Pluto, Conjunction, R"(Cette conjonction marque toute une génération née en une période de bouleversements et montre une soif de changement radical. Personnellement, ces personnes peuvent être révolutionnaires et intenses. Elles peuvent provoquer de profondes transformations dans le monde qui les entoure.)"},
    {Uranus, Pluto, Harmonious, R"(Vous appartenez à une génération capable d'apporter des changements constructifs à la société, et vous avez l'instinct des forces qui façonnent votre époque. Les bouleversements ne vous effraient pas. Vous vous y adaptez bien et aidez les autres à en faire autant.)"},
    {Uranus, Pluto, Challenging, R"(Cet aspect appartient à une génération qui a vécu des changements sociaux soudains et parfois violents. Personnellement, il peut apporter des bouleversements qui imposent un tout nouveau départ. Ces personnes doivent apprendre à accepter le changement plutôt qu'à le combattre.)"},

    // ---- Uranus and Ascendant ----
    {Uranus, Ascendant, Conjunction, R"(Uranus à l'Ascendant donne une personnalité originale, indépendante et non conformiste. Ces personnes paraissent singulières aux autres et ont besoin de beaucoup de liberté. Leur vie est marquée par des revirements soudains.)"},
    {Uranus, Ascendant, Harmonious, R"(Vous vous présentez comme original et inventif, et les autres trouvent votre compagnie stimulante. Vous vous adaptez bien au changement et voyez souvent au premier coup d'œil une nouvelle façon de faire. Les amis et les groupes vous aident sur votre chemin.)"},
    {Uranus, Ascendant, Challenging, R"(Ces personnes peuvent connaître des débuts et des fins soudains dans leurs relations, ou être attirées par des partenaires insolites et épris de liberté. Les autres peuvent les trouver fantasques ou peu fiables. Un espace d'indépendance au sein du couple leur est indispensable.)"},

    // ---- Uranus and Midheaven ----
    {Uranus, Midheaven, Conjunction, R"(Uranus au sommet du thème indique une carrière inhabituelle, souvent dans la technologie, la science, l'astrologie ou la réforme sociale. Ces personnes peuvent changer brusquement de profession, parfois plus d'une fois. Elles ont besoin d'indépendance dans leur travail et supportent mal un employeur conventionnel.)"},
    {Uranus, Midheaven, Harmonious, R"(Votre carrière profite de l'originalité et des idées nouvelles, et vous travaillerez peut-être dans la technologie, la recherche ou des domaines de pointe. Vous voyez vite où va une profession. Des occasions inattendues vous font avancer aux tournants de votre vie.)"},
    {Uranus, Midheaven, Challenging, R"(Ces personnes peuvent connaître des changements soudains dans leur carrière, ou des conflits avec l'autorité qui mettent brusquement fin à un poste. Leur vie familiale peut aussi être perturbée par des déménagements ou des bouleversements. Un travail qui leur laisse de l'indépendance, ou une affaire à leur compte, leur convient le mieux.)"},

    // ======================== Neptune ========================

    // ---- Neptune and Pluto ----
    {Neptune, Pluto, Conjunction, R"(Cette conjonction rare marque la génération née à la fin du dix-neuvième siècle, une époque où les vieilles certitudes se sont dissoutes et où de nouvelles idées spirituelles et scientifiques ont pris racine. Dans un thème personnel, elle donne un sentiment profond, souvent inconscient, de participer à de grands changements historiques. Son effet se fait sentir davantage à travers l'époque qu'à travers l'individu.)"},
    {Neptune, Pluto, Harmonious, R"(Le long sextile de ces deux planètes est partagé par les générations nées depuis le milieu du vingtième siècle et relie leurs idéaux à un désir de renouveau profond. Personnellement, il donne une compréhension intuitive des forces collectives et un intérêt pour la psychologie et la spiritualité. Il agit discrètement à l'arrière-plan du thème.)"},
    {Neptune, Pluto, Challenging, R"(Un carré ou une opposition entre ces deux planètes lentes appartient à des générations entières et à des époques de profonde crise collective. Dans un thème personnel, il peut traduire le sentiment de vivre l'effondrement d'anciens idéaux. Ces personnes sont appelées à trouver foi et sens là où d'autres ne voient que perte.)"},

    // ---- Neptune and Ascendant ----
    {Neptune, Ascendant, Conjunction, R"(Neptune à l'Ascendant donne une présence douce et changeante dans laquelle chacun tend à voir ce qu'il souhaite voir. Ces personnes sont impressionnables, artistes et intuitives, et beaucoup ont un don pour le théâtre, la musique ou la photographie. Elles doivent se méfier de l'alcool, des drogues et des gens qui profiteraient d'elles.)"},
    {Neptune, Ascendant, Harmonious, R"(Vous paraissez doux, compatissant et imaginatif, et les autres sentent votre bonté. Votre intuition vous guide bien dans vos rapports avec les gens. Vous avez un sens naturel de l'art, de la musique et de tout ce qui élève l'âme.)"},
    {Neptune, Ascendant, Challenging, R"(Ces personnes peuvent ne pas savoir comment les autres les voient, ou idéaliser un partenaire et être déçues ensuite. Elles peuvent être trompées dans leurs relations et dans leurs associations d'affaires. L'honnêteté envers elles-mêmes et une lecture attentive de chaque contrat les protègent.)"},

    // ---- Neptune and Midheaven ----
    {Neptune, Midheaven, Conjunction, R"(Neptune au sommet du thème indique une carrière dans les arts, le cinéma, la musique, la médecine ou l'action caritative, ou une vocation d'ordre spirituel. Ces personnes peuvent avoir un sens incertain de leur orientation professionnelle. Leur réputation peut être prestigieuse mais aussi sujette aux rumeurs.)"},
    {Neptune, Midheaven, Harmonious, R"(Votre imagination et votre compassion peuvent façonner votre carrière. Vous pouvez réussir dans les arts, les soins ou le service aux autres, et votre travail peut inspirer les gens. Vos idéaux, plus que l'ambition, guident le choix de votre métier.)"},
    {Neptune, Midheaven, Challenging, R"(Ces personnes peuvent être incertaines de leur orientation professionnelle ou déçues par leur travail. Elles peuvent rencontrer scandale, rumeur ou malentendu dans la vie publique et doivent être scrupuleuses dans toutes leurs affaires. Des objectifs réalistes les aident à trouver leur vraie vocation.)"},

    // ======================== Pluto ========================

    // ---- Pluto and Ascendant ----
    {Pluto, Ascendant, Conjunction, R"(Pluton à l'Ascendant donne un regard pénétrant et une personnalité que l'on ressent avant de la comprendre. Ces personnes gardent leurs pensées pour elles et observent les autres de près, et elles peuvent troubler les gens sans le vouloir. Leur vie traverse des crises qui les transforment complètement.)"},
    {Pluto, Ascendant, Harmonious, R"(Vous avez une intensité tranquille et une force de caractère que les autres respectent. Vous savez vous renouveler après les temps difficiles et aider les autres à traverser les leurs. Vous comprenez ce qui fait agir les gens, souvent avant qu'ils le sachent eux-mêmes.)"},
    {Pluto, Ascendant, Challenging, R"(Ces personnes peuvent être entraînées dans des luttes de pouvoir au sein de leurs relations, ou attirer des partenaires qui cherchent à les contrôler. Elles peuvent être intenses et exigeantes envers les autres et lentes à pardonner. Apprendre à partager le pouvoir leur apporte la paix.)"},

    // ---- Pluto and Midheaven ----
    {Pluto, Midheaven, Conjunction, R"(Pluton au sommet du thème donne une puissante volonté de réussite et de maîtrise de son destin. Ces personnes peuvent s'élever à des positions de grande influence et transforment souvent leur domaine. Elles doivent se garder d'abuser du pouvoir.)"},
    {Pluto, Midheaven, Harmonious, R"(Vous avez le pouvoir de transformer votre carrière et de diriger avec profondeur et perspicacité. Vous pouvez travailler dans la recherche, la psychologie, la finance ou tout domaine qui exige une compréhension profonde. Votre influence grandit avec le temps.)"},
    {Pluto, Midheaven, Challenging, R"(Ces personnes peuvent connaître des revirements soudains ou des luttes de pouvoir dans leur carrière, ou voir leur travail perturbé par les bouleversements de la vie familiale. Elles peuvent être impitoyables dans la quête d'une position. User sagement de leur influence les mène à de grandes réalisations.)"},
};
// clang-format on

static_assert(coversEveryAspectKeyOnce(kEntries),
              "one aspect text for every pair and family, each pair in chart order");

} // namespace

constexpr AspectTextTable kAspectTexts = buildAspectTextTable(kEntries);

} // namespace orbenza::texts::fr
