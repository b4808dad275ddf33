// The aspect texts in German.
//
// The German translation of the English table of the same name one folder up,
// with the same keys in the same order. Each paragraph stays on a single line,
// has two to four sentences and differs from every other one, and no sentence
// appears in two paragraphs.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::de {
namespace {

using enum Body;
using enum AspectFamily;

// clang-format off
constexpr AspectTextEntry kEntries[] = {

    // ======================== Sun ========================

    // ---- Sun and Moon ----
    {Sun, Moon, Conjunction, R"(Kurz vor oder nach Neumond geboren, sind diese Menschen zielstrebig: Was sie wollen und was sie brauchen, zieht in dieselbe Richtung. Sie verfolgen ihre Ziele mit ungeteilter Kraft und werden selten von inneren Zweifeln geplagt. Dieselbe Einheit kann es ihnen schwer machen, sich selbst von außen zu sehen oder Menschen zu verstehen, die anders gestrickt sind.)"},
    {Sun, Moon, Harmonious, R"(Ihr Wille und Ihre Gefühle arbeiten zusammen, was Ihnen ein müheloses inneres Gleichgewicht und ein ruhiges Selbstvertrauen schenkt. Sie kommen gut mit anderen aus, und Ihr häusliches Leben unterstützt Ihren Ehrgeiz eher, als ihm im Weg zu stehen. Gesundheit und Lebenskraft sind meist gut, und von Rückschlägen erholen Sie sich schnell.)"},
    {Sun, Moon, Challenging, R"(Diese Menschen haben oft das Gefühl, dass Kopf und Herz verschiedene Dinge wollen, und sie schwanken zwischen beiden hin und her. Die Spannung kann auf Gegensätze zwischen den Eltern zurückgehen, die früh im Leben zu spüren waren. Sobald sie lernen, beiden Seiten ihres Wesens zuzuhören, wird diese Unruhe zu Antrieb und zu einem tiefen Verständnis menschlicher Konflikte.)"},

    // ---- Sun and Mercury ----
    {Sun, Mercury, Conjunction, R"(Verstand und Selbstgefühl sind eng miteinander verbunden, sodass diese Menschen sich stark mit ihren eigenen Ideen und Meinungen identifizieren. Sie denken und sprechen mit Überzeugung und haben oft ein Talent, sich gut darzustellen. Ist die Konjunktion sehr eng, fällt es ihnen vielleicht schwer, Kritik an ihren Ansichten zu hören, ohne sie persönlich zu nehmen.)"},
    {Sun, Mercury, Harmonious, R"(Sie drücken sich klar aus, und Ihr Denken dient Ihren Absichten gut. Das Lernen fällt Ihnen leicht, und Sie können erklären, was Sie wollen, sodass andere es annehmen. Ihr Geist bleibt ein Leben lang lebendig und praktisch.)"},
    {Sun, Mercury, Challenging, R"(Diese Menschen haben vielleicht das Gefühl, dass ihre Worte nie ganz sagen, was sie meinen, oder dass ihre Pläne und ihr eigentliches Ziel in verschiedene Richtungen weisen. Sie vertreten ihre Sache oft zu heftig und können unter Druck nervös werden. Mit Übung schärft die Reibung den Verstand und schenkt ihnen ein Talent für die Debatte.)"},

    // ---- Sun and Venus ----
    {Sun, Venus, Conjunction, R"(Menschen mit dieser Konjunktion haben Charme, Wärme und eine Liebe zur Schönheit, die sich in ihrer Erscheinung und ihrer Umgebung zeigt. Sie sind zärtlich und wollen gemocht werden, und meist werden sie es auch. Viele haben künstlerisches Talent, doch sie lieben die Bequemlichkeit vielleicht zu sehr und scheuen schwere Entscheidungen.)"},
    {Sun, Venus, Harmonious, R"(Sie haben ein freundliches, angenehmes Wesen und die Gabe, andere zu entspannen. Liebe, Freundschaft und die Künste schenken Ihnen viel Glück, und Hilfe erreicht Sie oft über Ihre gesellschaftlichen Verbindungen. Ihr Geschmack ist gut, und Sie wissen das Leben zu genießen.)"},
    {Sun, Venus, Challenging, R"(Diese Menschen wünschen sich Liebe und Bewunderung, haben aber vielleicht das Gefühl, dass ihnen Zuneigung nicht in der erhofften Form zuteilwird. Sie geben womöglich zu viel für Vergnügungen aus oder bemühen sich zu sehr, zu gefallen. Wenn sie lernen, sich selbst zu schätzen, ohne auf die Anerkennung anderer zu warten, kommt der echte Charme dieses Aspekts zum Vorschein.)"},

    // ---- Sun and Mars ----
    {Sun, Mars, Conjunction, R"(Diese Menschen sind voller Energie, Mut und Willenskraft und gehen ohne Zögern auf ihre Ziele los. Sie sind geborene Wettkämpfer, die Herausforderungen lieben und oft im Sport oder in körperlich fordernder Arbeit glänzen. Ihr Temperament ist hitzig, und sie müssen lernen, dass nicht jede Lage einen Kampf verlangt.)"},
    {Sun, Mars, Harmonious, R"(Sie haben reichlich Lebenskraft und den Mut, nach Ihren Überzeugungen zu handeln. Sie arbeiten hart, erholen sich schnell und übernehmen gern die Führung, und andere achten Ihre Geradlinigkeit. Weil Ihre Energie dorthin geht, wohin Sie sie lenken, tragen Ihre Anstrengungen meist Früchte.)"},
    {Sun, Mars, Challenging, R"(Menschen mit diesem Aspekt haben einen starken Antrieb, vergeuden ihn aber vielleicht in Streit, Ungeduld oder unbesonnenem Handeln. Sie können streitlustig sein und fordern leicht Widerstand heraus, besonders von Autoritätspersonen. Sobald sie lernen, ihre Kräfte einzuteilen, haben sie enormes Durchhaltevermögen und können allein durch Entschlossenheit viel erreichen.)"},

    // ---- Sun and Jupiter ----
    {Sun, Jupiter, Conjunction, R"(Dies ist eine glückliche Konjunktion, die Großzügigkeit, Optimismus und einen weiten Blick auf das Leben schenkt. Diese Menschen sind zuversichtlich und warmherzig und ziehen Hilfe und Gelegenheiten mühelos an. Ihre größte Gefahr ist das Übermaß: zu viel Selbstvertrauen, zu viele Ausgaben und mehr Versprechen, als sie halten können.)"},
    {Sun, Jupiter, Harmonious, R"(Sie haben ein heiteres, hoffnungsvolles Wesen und einen ausgeprägten Sinn für Gerechtigkeit und Fairness. Das Glück stellt sich oft im richtigen Augenblick ein, und Sie werden meist geachtet und geschätzt. Studium, Reisen und die Suche nach Sinn erweitern Ihr Leben und bringen Ihnen Erfolg.)"},
    {Sun, Jupiter, Challenging, R"(Diese Menschen sind großzügig und ehrgeizig, neigen aber dazu, sich zu übernehmen und zu viel vom Leben oder von sich selbst zu erwarten. Sie können verschwenderisch, selbstgefällig oder nachlässig im Detail sein. Wenn sie ihre Ziele realistisch halten, tragen ihre Begeisterung und ihr Glaube sie weit.)"},

    // ---- Sun and Saturn ----
    {Sun, Saturn, Conjunction, R"(Diese Menschen sind ernst, verantwortungsbewusst und selbstdiszipliniert und tragen oft schon früh schwere Pflichten. Vielleicht haben sie einen Mangel an Wärme oder Anerkennung gespürt, besonders vom Vater, und sie können sehr hart mit sich selbst sein. Der Erfolg kommt langsam, aber er bleibt, weil sie auf festem Grund bauen.)"},
    {Sun, Saturn, Harmonious, R"(Sie sind geduldig, praktisch und zuverlässig und wissen, wie man stetig auf langfristige Ziele hinarbeitet. Andere vertrauen Ihnen Verantwortung an, und Ihre Laufbahn steigt meist allmählich zu einer geachteten Stellung auf. Sie altern gut und werden mit den Jahren oft selbstsicherer.)"},
    {Sun, Saturn, Challenging, R"(Menschen mit diesem Aspekt stoßen auf Hindernisse, Verzögerungen und Selbstzweifel und haben vielleicht das Gefühl, dass das Leben mehr von ihnen verlangt als von anderen. Väter, Arbeitgeber und Behörden scheinen ihnen den Weg zu versperren, und die Angst vor dem Scheitern kann sie zurückhalten. Durch Beharrlichkeit erwerben sie eine Disziplin und eine Stärke, die ein leichteres Leben nie hervorbringt.)"},

    // ---- Sun and Uranus ----
    {Sun, Uranus, Conjunction, R"(Diese Menschen sind originell, unabhängig und ihrer Zeit oft voraus. Sie brauchen die Freiheit, auf ihre eigene Weise zu leben, und wehren sich heftig gegen jeden Versuch, sie einzuschränken. Ihr Leben ist von plötzlichen Veränderungen geprägt, und viele haben Talent für Wissenschaft, Erfindungen oder alles Neue.)"},
    {Sun, Uranus, Harmonious, R"(Sie haben einen erfinderischen Geist und den Mut, Ihren eigenen Weg zu gehen. Neue Ideen fallen Ihnen leicht zu, und Sie können Veränderungen bewirken, ohne unnötige Umwälzungen auszulösen. Freunde, Gruppen und Gleichgesinnte spielen eine wichtige Rolle für Ihren Erfolg.)"},
    {Sun, Uranus, Challenging, R"(Diese Menschen sind ruhelos und rebellisch und brechen eine Stelle, ein Zuhause oder eine Beziehung vielleicht abrupt ab, wenn sie sich eingeengt fühlen. Ihr Leben kann voller plötzlicher Umbrüche und Zusammenstöße mit Autoritäten sein. Ihre Gabe ist die Originalität, und wenn sie lernen, mit anderen statt gegen sie zu arbeiten, können sie echte Reformer sein.)"},

    // ---- Sun and Neptune ----
    {Sun, Neptune, Conjunction, R"(Menschen mit dieser Konjunktion sind feinfühlig, fantasievoll und idealistisch und haben ein starkes Gespür für Musik, Kunst oder die spirituelle Seite des Lebens. Ihr Bild von sich selbst kann verschwommen sein, und es fällt ihnen vielleicht schwer, für sich einzustehen. Sie müssen sich vor Selbsttäuschung hüten und vor Menschen, die ihre Güte ausnutzen würden.)"},
    {Sun, Neptune, Harmonious, R"(Sie haben eine reiche Fantasie und ein mitfühlendes Wesen, und Kunst, Musik und Schönheit berühren Sie tief. Ihre Intuition ist gut, und Sie können andere mit Ihren Idealen begeistern. Schöpferische, heilende und wohltätige Arbeit liegt Ihnen.)"},
    {Sun, Neptune, Challenging, R"(Diese Menschen sind sich ihrer eigenen Ziele oft unsicher und lassen sich leicht von Illusionen, Schmeichelei oder dem Wunsch nach Flucht verleiten. Sie idealisieren andere vielleicht und fühlen sich dann getäuscht, wenn die Wahrheit ans Licht kommt. In Geld- und Gesundheitsfragen sollten sie auf dem Boden bleiben und sich vor Alkohol und Drogen hüten.)"},

    // ---- Sun and Pluto ----
    {Sun, Pluto, Conjunction, R"(Diese Menschen haben eine gewaltige Willenskraft, große Intensität und das Bedürfnis, Herr ihres eigenen Schicksals zu sein. Sie durchlaufen im Leben tiefe Wandlungen, oft nach einer Krise, und gehen aus jeder gestärkt hervor. Sie können eindrucksvolle Führungspersönlichkeiten sein, müssen ihre Macht aber weise nutzen und dürfen andere nicht beherrschen wollen.)"},
    {Sun, Pluto, Harmonious, R"(Sie haben große innere Stärke und die Fähigkeit, sich nach Schwierigkeiten zu erneuern. Sie können mit intensiver Konzentration arbeiten und lassen sich nicht leicht abbringen, wenn Sie sich einmal entschieden haben. Einflussreiche Positionen fallen Ihnen natürlich zu, und Sie können sie nutzen, um echte Veränderungen zu bewirken.)"},
    {Sun, Pluto, Challenging, R"(Menschen mit diesem Aspekt geraten in Machtkämpfe, besonders mit Autoritäten, und werden vielleicht von einem heftigen Bedürfnis getrieben, sich durchzusetzen. Ihr Leben bringt Umwälzungen, die sie zwingen, loszulassen und neu anzufangen. Wenn sie diese Intensität darauf richten, sich selbst statt andere zu meistern, werden sie bemerkenswert widerstandsfähig.)"},

    // ---- Sun and Ascendant ----
    {Sun, Ascendant, Conjunction, R"(Die Sonne am Aszendenten schenkt eine warme, gebieterische Persönlichkeit und eine natürliche Ausstrahlung von Autorität. Diese Menschen sind selbstsicher, stolz und fallen leicht auf, und sie wollen als die gesehen werden, die sie sind. Gesundheit und Lebenskraft sind meist gut, doch sie können recht selbstbezogen sein.)"},
    {Sun, Ascendant, Harmonious, R"(Sie treten mit Wärme und Selbstvertrauen auf, und andere erkennen Ihre guten Eigenschaften schnell. Ihr Lebensziel stimmt mit der Art überein, wie Sie der Welt begegnen, was Sie leicht verständlich und vertrauenswürdig macht. Ihre Persönlichkeit strahlt aus allem, was Sie tun.)"},
    {Sun, Ascendant, Challenging, R"(Diese Menschen haben vielleicht das Gefühl, dass das Bild, das sie der Welt zeigen, nicht zu ihrem wahren Wesen passt, oder sie suchen ihr eigenes Licht in einem Partner. Beziehungen können Willenskämpfe bringen, besonders mit Menschen, die ebenso stark sind wie sie. Einen Weg zu finden, ihr wahres Selbst offen zu zeigen, bringt ihnen Gelassenheit und Anerkennung.)"},

    // ---- Sun and Midheaven ----
    {Sun, Midheaven, Conjunction, R"(Die Sonne an der Spitze des Horoskops weist auf Ehrgeiz, eine öffentliche Rolle und den Wunsch hin, für die eigenen Leistungen anerkannt zu werden. Diese Menschen streben nach Führungspositionen und sind im Beruf oft erfolgreich. Sie identifizieren sich vielleicht so stark mit ihrer Arbeit, dass das Privatleben zurücktritt.)"},
    {Sun, Midheaven, Harmonious, R"(Ihre Laufbahn und Ihr Lebensziel stützen einander, sodass Sie wahrscheinlich eine Arbeit finden, die zu Ihnen passt. Vorgesetzte achten Sie, und Anerkennung kommt, ohne dass Sie sie erzwingen müssen. Ihr Ruf wächst meist stetig im Lauf des Lebens.)"},
    {Sun, Midheaven, Challenging, R"(Diese Menschen fühlen sich vielleicht hin- und hergerissen zwischen ihren persönlichen Zielen und den Anforderungen von Beruf, Heim oder Familie. Sie stoßen womöglich auf Widerstand von Vorgesetzten oder kämpfen um die Anerkennung, die ihnen ihrer Meinung nach zusteht. Sobald sie genau wissen, was sie wollen, trägt ihr Antrieb sie in eine geachtete Stellung.)"},

    // ======================== Moon ========================

    // ---- Moon and Mercury ----
    {Moon, Mercury, Conjunction, R"(Diese Menschen denken mit dem Gefühl und erinnern sich an alles, was sie je berührt hat. Sie sind schnell, gesprächig und empfänglich, haben ein gutes Gedächtnis und ein Gespür dafür, was andere hören wollen. Ihre Meinungen können mit ihren Stimmungen wechseln.)"},
    {Moon, Mercury, Harmonious, R"(Sie bringen Ihre Gefühle leicht in Worte, und Ihr gesunder Menschenverstand ist verlässlich. Sie sind ein verständnisvoller Zuhörer und ein geborener Vermittler, und Sie lernen gut aus Erfahrung. Schreiben, Unterrichten oder die Arbeit mit der Öffentlichkeit liegen Ihnen.)"},
    {Moon, Mercury, Challenging, R"(Menschen mit diesem Aspekt erleben vielleicht, dass Verstand und Gefühl uneins sind, was sie wankelmütig, nervös oder grüblerisch macht. Wenn sie ängstlich sind, reden sie zu viel oder sagen Dinge, die sie später bereuen. Zu lernen, vor dem Sprechen innezuhalten, macht ihren schnellen, feinfühligen Geist zu einem echten Gewinn.)"},

    // ---- Moon and Venus ----
    {Moon, Venus, Conjunction, R"(Diese Konjunktion schenkt ein sanftes, liebevolles und geselliges Wesen und eine Liebe zu Behaglichkeit und Schönheit. Diese Menschen sind gütig und beliebt und schaffen ein angenehmes, gastliches Zuhause. Sie tun vielleicht sehr viel, um Unannehmlichkeiten zu vermeiden, und neigen dazu, sich zu verwöhnen, besonders mit Essen und Süßem.)"},
    {Moon, Venus, Harmonious, R"(Sie haben ein warmes Herz und einen mühelosen Charme, und die Menschen fühlen sich in Ihrer Gesellschaft wohl. Ihr häusliches Leben und Ihre Beziehungen sind meist harmonisch, und Frauen helfen Ihnen oft. Sie haben künstlerischen Geschmack und genießen eine schöne Umgebung.)"},
    {Moon, Venus, Challenging, R"(Diese Menschen sehnen sich nach Zuneigung, haben aber vielleicht das Gefühl, dass ihre Liebe nicht so reich erwidert wird, wie sie sie geben. Sie können genusssüchtig sein, zu viel für Annehmlichkeiten ausgeben oder Bestätigung im Vergnügen suchen. Das Gleichgewicht kommt, wenn sie lernen, sich selbst die Fürsorge zu schenken, die sie anderen so bereitwillig geben.)"},

    // ---- Moon and Mars ----
    {Moon, Mars, Conjunction, R"(Diese Menschen haben starke, schnelle Gefühle und reagieren sofort auf alles, was sie berührt. Sie sind mutig und beschützen die, die sie lieben, doch ihr Temperament flammt leicht auf. Gut gelenkt macht ihre Energie sie zu unermüdlichen Kämpfern für die Menschen und Anliegen, die ihnen am Herzen liegen.)"},
    {Moon, Mars, Harmonious, R"(Sie haben seelischen Mut und die Energie, nach Ihren Gefühlen zu handeln. Sie sind offen und begeisterungsfähig, verteidigen andere rasch und erholen sich schnell von Enttäuschungen. Ihre Entschlossenheit hilft Ihnen, die Dinge zu erledigen, zu Hause wie bei der Arbeit.)"},
    {Moon, Mars, Challenging, R"(Menschen mit diesem Aspekt sind impulsiv und leicht zu reizen, und ihre Stimmungen können in Streit umschlagen, oft zu Hause. Sie handeln meist zuerst und bereuen es später. Körperliche Bewegung und ein ehrliches Gespräch über ihre Gefühle helfen ihnen, Spannung abzubauen, bevor sie explodiert.)"},

    // ---- Moon and Jupiter ----
    {Moon, Jupiter, Conjunction, R"(Diese Menschen sind großzügig, gutherzig und optimistisch, und ihr Humor macht sie beliebt. Oft genießen sie ein behagliches Zuhause und den Schutz ihrer Familie. Sie sollten auf eine Neigung achten, zu viel zu essen oder zu nachsichtig mit sich zu sein.)"},
    {Moon, Jupiter, Harmonious, R"(Sie haben ein wohlwollendes, mitfühlendes Wesen und ein Vertrauen ins Leben, das Sie durch schwere Zeiten trägt. Andere fühlen sich von Ihrer Wärme angezogen und helfen Ihnen oft im Gegenzug. Heim, Familie und Reisen schenken Ihnen viel Glück.)"},
    {Moon, Jupiter, Challenging, R"(Diese Menschen sind warmherzig und großzügig, neigen aber zum Übermaß, sei es im Gefühl, beim Essen oder beim Geldausgeben. Sie versprechen vielleicht mehr, als sie geben können, oder erwarten zu viel von anderen. Mäßigung zu lernen macht ihr großes Herz zu einer echten Quelle des Glücks.)"},

    // ---- Moon and Saturn ----
    {Moon, Saturn, Conjunction, R"(Diese Menschen halten ihre Gefühle fest unter Kontrolle, und es fällt ihnen vielleicht schwer, Zuneigung zu zeigen oder anzunehmen. Ihre Kindheit war vielleicht von Verantwortung, Einsamkeit oder einer Mutter geprägt, die fern oder überlastet war. Sie sind treu, verlässlich und geduldig, und die Wärme, die sie später zu zeigen lernen, ist tief und dauerhaft.)"},
    {Moon, Saturn, Harmonious, R"(Sie sind gefühlsmäßig ausgeglichen, vernünftig und verlässlich und nehmen Ihre Pflichten gegenüber der Familie ernst. Praktische Dinge erledigen Sie ruhig, und in einer Krise behalten Sie einen kühlen Kopf. Ihre Treue macht Sie zu einem vertrauten Freund und Partner.)"},
    {Moon, Saturn, Challenging, R"(Menschen mit diesem Aspekt leiden vielleicht unter Einsamkeit, Pessimismus oder dem Gefühl, nicht genug geliebt zu werden. Sie können abwehrend sein und fassen nur langsam Vertrauen, und Familienlasten drücken vielleicht jahrelang auf sie. Mit der Zeit lernen sie, für sich selbst zu sorgen, und gewinnen große seelische Reife.)"},

    // ---- Moon and Uranus ----
    {Moon, Uranus, Conjunction, R"(Diese Menschen haben ein ungewöhnliches, unabhängiges Gefühlsleben und brauchen sehr viel Freiheit. Ihre Stimmungen wechseln plötzlich, und sie fühlen sich vom Neuen und Unkonventionellen angezogen. Das häusliche Leben kann unregelmäßig sein, mit häufigen Umzügen oder unerwarteten Ereignissen.)"},
    {Moon, Uranus, Harmonious, R"(Sie sind intuitiv, erfinderisch und aufgeschlossen und reagieren schnell auf neue Situationen. Sie finden leicht Freunde und genießen Abwechslung im Alltag. Ihre originelle Art zu fühlen hilft anderen, Vertrautes in einem neuen Licht zu sehen.)"},
    {Moon, Uranus, Challenging, R"(Menschen mit diesem Aspekt sind ruhelos und gefühlsmäßig unberechenbar und verlassen Beziehungen oder ein Zuhause vielleicht ohne Vorwarnung. Sie sehnen sich nach Aufregung, tun sich aber mit Nähe schwer. Zu lernen, Freiheit und Bindung zu vereinen, bringt ihnen die Beständigkeit, die sie sich insgeheim wünschen.)"},

    // ---- Moon and Neptune ----
    {Moon, Neptune, Conjunction, R"(Diese Menschen sind äußerst feinfühlig, empfänglich und fantasievoll und nehmen die Gefühle anderer fast mühelos auf. Sie sind mitfühlend, künstlerisch und oft medial begabt. Sie brauchen Schutz vor einer rauen Umgebung und müssen darauf achten, sich nicht in Träumen oder in den Sorgen anderer zu verlieren.)"},
    {Moon, Neptune, Harmonious, R"(Sie haben ein sanftes, mitfühlendes Wesen und eine starke Intuition. Musik, Dichtung und die Künste bewegen Sie tief, und vielleicht besitzen Sie selbst echte schöpferische Gaben. Sie sind ein geborener Helfer und spenden anderen leicht Trost.)"},
    {Moon, Neptune, Challenging, R"(Menschen mit diesem Aspekt sind vielleicht gefühlsmäßig verwirrt, leicht zu täuschen oder neigen zur Flucht aus der Wirklichkeit, wenn das Leben hart wird. Ihr bereitwilliges Mitgefühl kann sie zu Opfern derer machen, die es ausnutzen. Sie sollten Alkohol und Drogen meiden und in ihren Beziehungen klare Grenzen ziehen.)"},

    // ---- Moon and Pluto ----
    {Moon, Pluto, Conjunction, R"(Diese Menschen fühlen alles intensiv und haben tiefe, manchmal zwanghafte Gefühle. Sie beschützen die, die sie lieben, mit aller Kraft und können besitzergreifend oder eifersüchtig sein. Oft durchlaufen sie seelische Krisen, die sie völlig verwandeln und weiser zurücklassen.)"},
    {Moon, Pluto, Harmonious, R"(Sie haben seelische Tiefe, Einsicht und die Kraft, sich schwierigen Gefühlen zu stellen. Sie verstehen die verborgenen Beweggründe der Menschen und können anderen durch eine Krise helfen. Ihre Fähigkeit, sich seelisch zu erneuern, ist bemerkenswert.)"},
    {Moon, Pluto, Challenging, R"(Menschen mit diesem Aspekt können gefühlsmäßig extrem sein und mit Eifersucht, Groll oder dem Bedürfnis ringen, ihnen nahestehende Menschen zu kontrollieren. Die Bindung an die Mutter oder die Atmosphäre in der Familie war vielleicht schwierig. Sich den eigenen Gefühlen ehrlich zu stellen, verwandelt diese Intensität in große seelische Stärke.)"},

    // ---- Moon and Ascendant ----
    {Moon, Ascendant, Conjunction, R"(Der Mond am Aszendenten schenkt eine feinfühlige, wechselhafte Persönlichkeit, deren Stimmungen für jeden sichtbar sind. Diese Menschen sind mütterlich und zugänglich, und Fremde vertrauen sich ihnen leicht an. Sie reagieren stark auf ihre Umgebung und brauchen ein friedliches Zuhause, um sich wohlzufühlen.)"},
    {Moon, Ascendant, Harmonious, R"(Sie zeigen Ihre Gefühle natürlich, und die Menschen finden Sie zugänglich und sympathisch. Sie passen sich leicht Ihrer Umgebung an und haben ein gutes Gespür dafür, was andere brauchen. Heim und Familie sind ein wichtiger Teil Ihres Auftretens.)"},
    {Moon, Ascendant, Challenging, R"(Diese Menschen haben vielleicht das Gefühl, dass ihre inneren Bedürfnisse dem widersprechen, was man von ihnen erwartet, oder sie suchen bei einem Partner die Sicherheit, die sie sich selbst nicht geben können. Ihre Stimmungen färben ihre Beziehungen stark. Es tut ihnen gut, zu lernen, zuerst ihre eigenen seelischen Bedürfnisse zu stillen.)"},

    // ---- Moon and Midheaven ----
    {Moon, Midheaven, Conjunction, R"(Der Mond nahe dem Medium Coeli bringt gefühlsmäßige Beteiligung am Beruf und ein Leben vor den Augen der Öffentlichkeit. Diese Menschen arbeiten vielleicht mit der Öffentlichkeit, mit Frauen, mit Nahrungsmitteln, Immobilien oder in Pflegeberufen. Ihr Ansehen kann steigen und fallen, und sie wechseln vielleicht mehrmals den Beruf.)"},
    {Moon, Midheaven, Harmonious, R"(Ihr häusliches Leben und Ihre Laufbahn stützen einander, und Sie haben vielleicht Erfolg in einer Arbeit, die Menschen dient oder für sie sorgt. Die Öffentlichkeit begegnet Ihnen mit Wärme. Ihre Mutter oder Ihre Familie hilft Ihnen oft in den ersten Jahren Ihrer Laufbahn.)"},
    {Moon, Midheaven, Challenging, R"(Diese Menschen fühlen sich vielleicht hin- und hergerissen zwischen den Ansprüchen des Heims und denen des Berufs. Ihre privaten Gefühle können ihren Ruf beeinflussen, und sie ändern vielleicht oft die Richtung. Wenn sie eine Arbeit finden, die ihre seelischen Bedürfnisse erfüllt, kommen sie zur Ruhe und haben Erfolg.)"},

    // ======================== Mercury ========================

    // ---- Mercury and Venus ----
    {Mercury, Venus, Conjunction, R"(Diese Menschen sprechen mit Anmut und denken mit Geschmack und Takt. Sie haben oft Talent zum Schreiben, zur Dichtung, zur Musik oder zur Gestaltung und sind angenehme Gesellschaft. Diplomatie ist ihnen lieber als Konfrontation, und unangenehme Wahrheiten sprechen sie vielleicht nicht aus.)"},
    {Mercury, Venus, Harmonious, R"(Sie drücken sich charmant aus und haben die Gabe, im richtigen Moment das richtige Wort zu finden. Ihr gesellschaftliches Leben ist lebhaft, und vielleicht verdienen Sie Geld durch Schreiben, Kunst oder jede Arbeit mit Worten. Unter Freunden und Kollegen sind Sie ein geborener Friedensstifter.)"},
    {Mercury, Venus, Challenging, R"(Menschen mit diesem Aspekt sagen vielleicht, was andere hören wollen, statt was sie wirklich denken, oder lassen ihr Urteil von Zuneigung trüben. Sie können oberflächlich oder unentschlossen wirken. Ehrlicher Ausdruck verleiht ihrem natürlichen Charme echte Substanz.)"},

    // ---- Mercury and Mars ----
    {Mercury, Mars, Conjunction, R"(Diese Menschen haben einen scharfen, schnellen und streitbaren Verstand und lieben eine gute Auseinandersetzung. Sie sprechen offen, entscheiden schnell und verteidigen ihre Ideen mit Nachdruck. Ihre Worte können verletzen, und unbedachte Kritik kann ihnen Feinde machen.)"},
    {Mercury, Mars, Harmonious, R"(Sie denken schnell und setzen Ihre Ideen tatkräftig um. Sie sind entschlossen, praktisch und überzeugend und bewähren sich in der Debatte, in technischer Arbeit oder überall, wo schnelles Denken gefragt ist. Ihre geistige Ausdauer ist beträchtlich.)"},
    {Mercury, Mars, Challenging, R"(Menschen mit diesem Aspekt sind im Reden hitzig und streiten vielleicht um des Streitens willen. Sie neigen zu Ungeduld und voreiligen Urteilen und können unter nervöser Anspannung leiden. Sobald sie lernen, ihre Worte zu mäßigen, werden sie zu kraftvollen Rednern und Schreibern.)"},

    // ---- Mercury and Jupiter ----
    {Mercury, Jupiter, Conjunction, R"(Diese Menschen haben einen weiten, optimistischen Geist und lieben das Lernen, das Reisen und große Ideen. Sie sind oft gute Lehrer, Schriftsteller oder Redner. Ihre Schwäche ist die Neigung, Einzelheiten zu übersehen oder zu viel zu versprechen.)"},
    {Mercury, Jupiter, Harmonious, R"(Sie haben ein gesundes Urteilsvermögen, einen großzügigen Geist und ein Talent, das große Ganze zu sehen. Studium, Verlagswesen, Recht und Reisen können Ihnen Erfolg bringen. Die Menschen vertrauen Ihrer Meinung und kommen zu Ihnen, um Rat zu suchen.)"},
    {Mercury, Jupiter, Challenging, R"(Diese Menschen haben viele Ideen, übertreiben aber vielleicht, verzetteln ihre Kräfte oder vernachlässigen die Einzelheiten. Ihr Urteil kann leichtfertig sein, und sie reden vielleicht mehr, als sie tun. Disziplin beim Lernen macht ihren weiten Geist zu echter Weisheit.)"},

    // ---- Mercury and Saturn ----
    {Mercury, Saturn, Conjunction, R"(Diese Menschen denken ernsthaft und sorgfältig, mit guter Konzentration und einem praktischen, methodischen Verstand. In der Jugend sind sie vielleicht wortkarg und schüchtern, doch was sie sagen, ist wohlüberlegt. Sie neigen mitunter zum Grübeln oder dazu, die dunkle Seite der Dinge zu sehen.)"},
    {Mercury, Saturn, Harmonious, R"(Sie haben einen disziplinierten, geordneten Verstand und die Geduld für sorgfältige, genaue Arbeit. Sie planen gut, behalten, was Sie lernen, und sprechen mit Autorität. Naturwissenschaft, Mathematik, Buchhaltung und Verwaltung liegen Ihnen.)"},
    {Mercury, Saturn, Challenging, R"(Menschen mit diesem Aspekt hatten vielleicht Schwierigkeiten in der Schule oder das Gefühl, dass ihre Ideen nicht ernst genommen wurden. Ihr Denken kann pessimistisch, starr oder ängstlich sein. Durch Beharrlichkeit entwickeln sie große geistige Disziplin und Tiefe.)"},

    // ---- Mercury and Uranus ----
    {Mercury, Uranus, Conjunction, R"(Diese Menschen haben einen brillanten, originellen und sehr schnellen Verstand. Sie erfassen Ideen intuitiv, lieben neue Technik und denken unkonventionell. Sie können sehr reizbar und ungeduldig mit langsameren Köpfen sein.)"},
    {Mercury, Uranus, Harmonious, R"(Sie haben einen erfinderischen Verstand und Geistesblitze, die andere inspirierend finden. Sie fühlen sich zu Wissenschaft, Computern, Astrologie oder Reformen hingezogen und lernen sehr schnell. Ihr Denken ist unabhängig und seiner Zeit oft voraus.)"},
    {Mercury, Uranus, Challenging, R"(Menschen mit diesem Aspekt denken sehr schnell, können aber sprunghaft, taktlos oder aus Prinzip widerspenstig sein. Sie springen vielleicht von einer Idee zur nächsten, ohne etwas zu vollenden, und leiden unter nervöser Anspannung. Gut gelenkt kann ihre Originalität zu echten Entdeckungen führen.)"},

    // ---- Mercury and Neptune ----
    {Mercury, Neptune, Conjunction, R"(Diese Menschen haben einen dichterischen, fantasievollen und intuitiven Geist. Sie denken in Bildern und haben vielleicht eine Begabung für Musik, Dichtung oder bildende Kunst. Sie können unklar und vergesslich sein und haben manchmal Mühe, Tatsachen von Fantasie zu trennen.)"},
    {Mercury, Neptune, Harmonious, R"(Sie haben eine feine Vorstellungskraft und das Talent, zarte Gefühle in Worten oder Bildern auszudrücken. Ihre Intuition ist stark, und vielleicht zieht es Sie zu mystischen oder spirituellen Studien. Schreiben, Kunst, Fotografie und Film liegen Ihnen.)"},
    {Mercury, Neptune, Challenging, R"(Menschen mit diesem Aspekt sind vielleicht verwirrt, zerstreut oder leicht irrezuführen und müssen bei Verträgen und Dokumenten aufpassen. Sie erzählen mitunter Geschichten, die die Wahrheit verwischen, manchmal ohne es zu merken. Disziplin im Denken hilft ihnen, ihre Fantasie in schöpferische Gaben zu verwandeln.)"},

    // ---- Mercury and Pluto ----
    {Mercury, Pluto, Conjunction, R"(Diese Menschen haben einen durchdringenden, forschenden Verstand, der den Dingen auf den Grund geht. Sie sind gut im Forschen, Analysieren und Aufdecken von Geheimnissen, und ihre Worte haben Gewicht. In ihren Meinungen können sie verschlossen und starrsinnig sein.)"},
    {Mercury, Pluto, Harmonious, R"(Sie haben geistige Tiefe, scharfe Wahrnehmung und die Fähigkeit, sich intensiv zu konzentrieren. Forschung, Psychologie und Ermittlungsarbeit liegen Ihnen, und Ihre Worte können andere überzeugen und verändern. Sie lassen sich nicht leicht täuschen.)"},
    {Mercury, Pluto, Challenging, R"(Menschen mit diesem Aspekt können in ihrem Denken zwanghaft, misstrauisch oder im Streit herrisch sein. Vielleicht versuchen sie, anderen ihre Ansichten aufzuzwingen, oder hüten Geheimnisse, die auf ihnen lasten. Wenn sie ihre Einsicht ehrlich nutzen, werden sie zu herausragenden Forschern und Beratern.)"},

    // ---- Mercury and Ascendant ----
    {Mercury, Ascendant, Conjunction, R"(Merkur am Aszendenten schenkt eine schnelle, neugierige und gesprächige Persönlichkeit. Diese Menschen wirken wach und jugendlich und tauschen gern mit jedem, den sie treffen, Gedanken aus. Ihre Hände und Augen stehen selten still, und Langeweile fürchten sie am meisten.)"},
    {Mercury, Ascendant, Harmonious, R"(Sie drücken sich gut aus, und andere sehen Sie als intelligent und als angenehmen Gesprächspartner. Mit Ihren Worten machen Sie einen guten ersten Eindruck und finden sich schnell in neuer Gesellschaft zurecht. Ihr Verstand ist Ihr bestes Werkzeug im Umgang mit der Welt.)"},
    {Mercury, Ascendant, Challenging, R"(Diese Menschen erleben vielleicht, dass ihre Art zu sprechen missverstanden wird, oder sie streiten oft mit Partnern und Geschäftsfreunden. Sie denken meist zu viel darüber nach, wie sie wirken. Klare, ehrliche Kommunikation glättet ihre Beziehungen.)"},

    // ---- Mercury and Midheaven ----
    {Mercury, Midheaven, Conjunction, R"(Merkur an der Spitze des Horoskops weist auf einen Beruf in Kommunikation, Schreiben, Unterricht, Handel oder Reisewesen hin. Diese Menschen werden für ihre Intelligenz und ihre Worte bekannt. Sie wechseln vielleicht oft die Stelle oder tun mehrere Dinge zugleich.)"},
    {Mercury, Midheaven, Harmonious, R"(Ihre geistigen Gaben fördern Ihre Laufbahn, und Sie können sich durch Reden, Schreiben oder Geschäfte einen guten Ruf erwerben. Sie planen Ihr Berufsleben vernünftig. Kontakte und Informationen eröffnen Ihnen Gelegenheiten.)"},
    {Mercury, Midheaven, Challenging, R"(Diese Menschen sind im Beruf vielleicht rastlos oder merken, dass ihre Ideen mit denen ihrer Vorgesetzten zusammenstoßen. Sorgen um ihren Ruf oder um Familienangelegenheiten können sie ablenken. Sorgfältige Planung hilft ihnen, einen Beruf zu finden, der ihre Intelligenz voll nutzt.)"},

    // ======================== Venus ========================

    // ---- Venus and Mars ----
    {Venus, Mars, Conjunction, R"(Diese Menschen haben starke Leidenschaften und ein warmes, zärtliches und sinnliches Wesen. Liebe und Begehren sind bei ihnen eng verbunden, und oft wirken sie sehr anziehend auf andere. Sie stürzen sich vielleicht Hals über Kopf in Beziehungen und handeln in der Liebe impulsiv.)"},
    {Venus, Mars, Harmonious, R"(Sie haben ein warmes, leidenschaftliches Wesen und ein gutes Gleichgewicht zwischen Geben und Nehmen in der Liebe. Ihre schöpferische und künstlerische Energie ist stark. Sie wirken anziehend auf andere und sind in Ihren Beziehungen meist glücklich.)"},
    {Venus, Mars, Challenging, R"(Menschen mit diesem Aspekt spüren eine starke Spannung zwischen Liebe und Begehren, und ihre Beziehungen können stürmisch oder voller Streit sein. In der Liebe sind sie vielleicht impulsiv oder eifersüchtig. Zu lernen, Zärtlichkeit mit Leidenschaft zu verbinden, bringt ihnen Erfüllung.)"},

    // ---- Venus and Jupiter ----
    {Venus, Jupiter, Conjunction, R"(Dies ist eine der glücklichsten Konjunktionen und schenkt Großzügigkeit, Charme, guten Geschmack und Freude am Genuss. Diese Menschen sind beliebt und haben oft Glück in Liebe und Geld. Sie können verschwenderisch und genusssüchtig sein.)"},
    {Venus, Jupiter, Harmonious, R"(Sie haben ein gütiges, großzügiges Wesen und ernten überall Wohlwollen. Liebe, Ehe und Freundschaft sind meist glücklich, und Geld kommt Ihnen oft leicht zu. Kunst, Musik und Geselligkeit bereiten Ihnen Freude.)"},
    {Venus, Jupiter, Challenging, R"(Diese Menschen sind warmherzig, neigen aber zum Übermaß im Genuss, beim Geldausgeben oder in der Zuneigung. Sie sind vielleicht bequem oder erwarten, dass andere für sie sorgen. Mäßigung macht ihr natürliches Glück zu einem dauerhaften Segen.)"},

    // ---- Venus and Saturn ----
    {Venus, Saturn, Conjunction, R"(Diese Menschen sind in der Liebe ernsthaft und treu, aber vielleicht schüchtern, zurückhaltend oder langsam darin, Zuneigung zu zeigen. Oft heiraten sie spät oder wählen einen älteren Partner, und ihre Beziehungen sind auf Dauer angelegt. Sie schätzen Qualität, Beständigkeit und klassische Schönheit.)"},
    {Venus, Saturn, Harmonious, R"(Sie sind in Beziehungen treu und verantwortungsvoll und nehmen Ihre Bindungen ernst. Ihr künstlerischer Sinn hat Disziplin und Form. Ihre Liebe vertieft sich mit den Jahren, und Sie gehen klug mit Geld um.)"},
    {Venus, Saturn, Challenging, R"(Menschen mit diesem Aspekt fühlen sich in ihren Beziehungen vielleicht ungeliebt, zurückgewiesen oder gehemmt, und die Liebe kommt zu ihnen womöglich mit Enttäuschung oder Verspätung. Vielleicht sind sie zu vorsichtig, um ihr Herz zu öffnen. Geduld und Selbstachtung schenken ihnen schließlich eine dauerhafte Partnerschaft.)"},

    // ---- Venus and Uranus ----
    {Venus, Uranus, Conjunction, R"(Diese Menschen fühlen sich zu ungewöhnlichen, aufregenden Beziehungen hingezogen und brauchen Freiheit in der Liebe. Sie verlieben sich plötzlich und beenden eine Affäre vielleicht ebenso schnell. Ihr künstlerischer Geschmack ist originell und der Mode oft voraus.)"},
    {Venus, Uranus, Harmonious, R"(Sie haben eine magnetische Persönlichkeit und ziehen interessante Menschen an. Ihr Liebesleben ist lebhaft und unkonventionell, ohne unbeständig zu sein, und Ihre Freundschaften sind anregend. Sie haben originelle schöpferische Ideen.)"},
    {Venus, Uranus, Challenging, R"(Menschen mit diesem Aspekt erleben vielleicht plötzliche Anziehung, plötzliche Trennungen und Beziehungen, die nie ganz zur Ruhe kommen. Sie wollen Nähe und Unabhängigkeit zugleich und können beides nur schwer verbinden. Einem Partner Freiheit zu lassen und dabei treu zu bleiben, macht sie glücklich.)"},

    // ---- Venus and Neptune ----
    {Venus, Neptune, Conjunction, R"(Diese Menschen sind romantisch, idealistisch und künstlerisch begabt, besonders in Musik, Tanz oder Dichtung. Sie träumen von der vollkommenen Liebe und können sich aufopfern. Vielleicht werden sie enttäuscht, wenn ein Partner dem Ideal nicht gerecht wird.)"},
    {Venus, Neptune, Harmonious, R"(Sie haben ein feines, empfindsames Wesen und ein starkes Gespür für Schönheit und Harmonie. Die Liebe hat für Sie eine spirituelle Qualität, und Ihr Mitgefühl reicht weit über Ihren eigenen Kreis hinaus. Ihr künstlerisches Talent ist oft beträchtlich.)"},
    {Venus, Neptune, Challenging, R"(Menschen mit diesem Aspekt neigen in der Liebe zu Illusionen und täuschen sich selbst über einen Partner oder werden von ihm getäuscht. Sie geraten vielleicht in heimliche Beziehungen oder opfern zu viel für jemanden, der es nicht verdient. Ein klares Urteil hilft ihnen, eine Liebe zu finden, die echt ist.)"},

    // ---- Venus and Pluto ----
    {Venus, Pluto, Conjunction, R"(Diese Menschen lieben intensiv und leidenschaftlich, und ihre Beziehungen verwandeln sie. Sie sind magnetisch und anziehend, können aber eifersüchtig und besitzergreifend sein. Ihr Liebesleben und ihre Finanzen durchlaufen vielleicht beide dramatische Veränderungen.)"},
    {Venus, Pluto, Harmonious, R"(Sie haben tiefe, intensive Gefühle und eine gewaltige Fähigkeit zu lieben. Ihre Beziehungen helfen Ihnen zu wachsen, und nach Liebeskummer können Sie sich ganz erholen. Vielleicht haben Sie ein Talent, durch Geldanlagen oder gemeinsame Mittel Geld zu verdienen.)"},
    {Venus, Pluto, Challenging, R"(Menschen mit diesem Aspekt begegnen in der Liebe vielleicht Eifersucht, Besessenheit oder Machtkämpfen. Beziehungen können dramatisch enden und tiefe Spuren hinterlassen. Wenn sie lernen zu lieben, ohne kontrollieren zu müssen, gewinnen sie große seelische Tiefe.)"},

    // ---- Venus and Ascendant ----
    {Venus, Ascendant, Conjunction, R"(Venus am Aszendenten schenkt Charme, Anmut und gutes Aussehen. Diese Menschen sind angenehm, gesellig und beliebt und kleiden sich mit Geschmack. Sie können eitel sein oder so sehr gefallen wollen, dass es ihnen schwerfällt, nein zu sagen.)"},
    {Venus, Ascendant, Harmonious, R"(Sie sind charmant, taktvoll und angenehm im Umgang, und die Menschen fassen schnell Zuneigung zu Ihnen. Ihre Umgangsformen sind anmutig, und Ihre Beziehungen sind meist glücklich. Es fällt Ihnen leicht, anderen das Gefühl zu geben, willkommen zu sein.)"},
    {Venus, Ascendant, Challenging, R"(Diese Menschen machen ihr Selbstwertgefühl vielleicht zu sehr von einem Partner abhängig oder erleben, dass die Liebe ihnen unerwartete Schwierigkeiten bringt. Sie können übertrieben entgegenkommend sein und nachgeben, um den Frieden zu wahren. Zu lernen, sich selbst zu schätzen, hilft ihren Beziehungen, ein echtes Gleichgewicht zu finden.)"},

    // ---- Venus and Midheaven ----
    {Venus, Midheaven, Conjunction, R"(Venus an der Spitze des Horoskops schenkt einen angenehmen Ruf und Erfolg in Berufen, die mit Kunst, Schönheit, Mode oder Diplomatie zu tun haben. Diese Menschen sind bei Kollegen und in der Öffentlichkeit beliebt. Ihre gesellschaftliche Gewandtheit fördert ihre Laufbahn.)"},
    {Venus, Midheaven, Harmonious, R"(Ihr Charme und Ihr Takt fördern Ihre Laufbahn, und Ihre Vorgesetzten schätzen Sie. Vielleicht verdienen Sie Ihren Lebensunterhalt mit Kunst, Schönheit oder der Arbeit mit Menschen. Ihr öffentliches Bild ist anziehend.)"},
    {Venus, Midheaven, Challenging, R"(Diese Menschen erleben vielleicht, dass Liebe und Beruf in verschiedene Richtungen ziehen oder dass Heim und Arbeit um ihre Zuneigung wetteifern. Sie setzen womöglich darauf, gemocht zu werden, wo harte Arbeit ihnen mehr nützen würde. Ein Gleichgewicht zwischen privatem und öffentlichem Leben bringt ihnen Zufriedenheit.)"},

    // ======================== Mars ========================

    // ---- Mars and Jupiter ----
    {Mars, Jupiter, Conjunction, R"(Diese Menschen haben reichlich Energie, Begeisterung und Mut und verfolgen große Ziele mit viel Zuversicht. Sie sind abenteuerlustig und lieben Sport, Reisen und Wettkampf. Sie können leichtsinnig und übermütig sein und sich mehr aufladen, als selbst sie bewältigen können.)"},
    {Mars, Jupiter, Harmonious, R"(Sie verbinden Energie mit gutem Urteilsvermögen, und Ihre Anstrengungen werden meist belohnt. Sie sind unternehmungslustig, offen und großzügig und haben oft Erfolg in Geschäft, Sport oder Recht. Für eine gerechte Sache sind Sie bereit zu kämpfen.)"},
    {Mars, Jupiter, Challenging, R"(Menschen mit diesem Aspekt sind ruhelos und impulsiv und übernehmen sich vielleicht oder handeln unbesonnen. Sie können verschwenderisch, leichtfertig im Umgang mit Risiken oder streitsüchtig in Glaubensfragen sein. Wenn sie ihre Energie klug lenken, vollbringen sie Großes.)"},

    // ---- Mars and Saturn ----
    {Mars, Saturn, Conjunction, R"(Diese Menschen haben großes Durchhaltevermögen und können stetig auf schwierige Ziele hinarbeiten. Sie sind diszipliniert und entschlossen, empfinden ihre Energie aber vielleicht als blockiert oder gebremst. Sie müssen sich vor zu lange zurückgehaltenem Zorn hüten und vor Härte gegen sich selbst und andere.)"},
    {Mars, Saturn, Harmonious, R"(Sie verbinden Energie mit Geduld und können lange Zeit hart arbeiten. Bei schwierigen Aufgaben sind Sie praktisch, organisiert und zuverlässig. Technik, Bauwesen, Management und jede Arbeit, die Ausdauer verlangt, liegen Ihnen.)"},
    {Mars, Saturn, Challenging, R"(Menschen mit diesem Aspekt stoßen vielleicht auf Frustration, Verzögerungen und Hindernisse, die ihre Anstrengungen blockieren. Sie schwanken womöglich zwischen Vorsicht und Übereilung und spüren einen Zorn, den sie nicht ausdrücken können. Beharrlichkeit verwandelt diesen Kampf schließlich in echte Ausdauer und Stärke.)"},

    // ---- Mars and Uranus ----
    {Mars, Uranus, Conjunction, R"(Diese Menschen sind wagemutig, unabhängig und voller nervöser Energie, und sie handeln plötzlich. Sie lieben Abenteuer, Geschwindigkeit und Maschinen und ertragen keinerlei Einschränkung. Sie müssen sich vor Unfällen und plötzlichen Wutausbrüchen in Acht nehmen.)"},
    {Mars, Uranus, Harmonious, R"(Sie haben Mut, Originalität und schnelle Reflexe und handeln entschlossen, wenn eine Veränderung nötig ist. In praktischen Dingen sind Sie erfinderisch und können neue Methoden bahnbrechend einführen. Andere finden Ihre Energie mitreißend.)"},
    {Mars, Uranus, Challenging, R"(Menschen mit diesem Aspekt sind ungeduldig, rebellisch und neigen zu plötzlichen Handlungen, die sie bereuen. Sie sind vielleicht unfallgefährdet und sollten mit Maschinen, Elektrizität, Feuer und Geschwindigkeit vorsichtig sein. Selbstbeherrschung zu lernen, verwandelt ihren Wagemut in echte Tapferkeit.)"},

    // ---- Mars and Neptune ----
    {Mars, Neptune, Conjunction, R"(Diese Menschen handeln aus Eingebung und Idealen, und ihre Energie fließt oft in Kunst, Musik, Tanz oder in die Hilfe für andere. Ihr Antrieb ist vielleicht ungleichmäßig und schwer aufrechtzuerhalten. Sie müssen sich davor hüten, sich treiben zu lassen oder sich Illusionen über das Erreichbare hinzugeben.)"},
    {Mars, Neptune, Harmonious, R"(Sie stecken Ihre Energie in Ihre Träume und Ideale und haben vielleicht ein Talent für Tanz, Film, Musik oder Heilen. Für Anliegen, an die Sie glauben, arbeiten Sie gern. Ihre Intuition leitet Ihr Handeln gut.)"},
    {Mars, Neptune, Challenging, R"(Menschen mit diesem Aspekt fühlen ihre Energie vielleicht ausgelaugt oder zersplittert, und sie handeln aus Verwirrung oder lassen sich von Täuschung einfangen. Verborgene Konflikte, hinterhältige Gegner oder der Wunsch nach Flucht können ihnen zu schaffen machen. Klare Ziele und ehrliches Handeln schützen sie.)"},

    // ---- Mars and Pluto ----
    {Mars, Pluto, Conjunction, R"(Diese Menschen haben ungeheure Energie und Willenskraft und können sich durch fast jedes Hindernis kämpfen. Sie sind intensiv, furchtlos und entschlossen, können aber rücksichtslos werden, wenn man sich ihnen in den Weg stellt. Ihre Stärke ist am besten bei großen Aufgaben eingesetzt.)"},
    {Mars, Pluto, Harmonious, R"(Sie haben enormes Durchhaltevermögen und die Fähigkeit, Ihre Energie so lange auf ein Ziel zu richten, bis es erreicht ist. In einer Krise sind Sie mutig und können nach Rückschlägen neu aufbauen. Schiere Entschlossenheit lässt Sie sehr viel erreichen.)"},
    {Mars, Pluto, Challenging, R"(Menschen mit diesem Aspekt werden in Machtkämpfe hineingezogen und stoßen vielleicht auf Gewalt oder üben sie selbst aus. Sie können zwanghaft und rücksichtslos sein, wenn sie etwas wollen. Zu lernen, ihre Macht aufbauend einzusetzen, verleiht ihnen außergewöhnliche Stärke.)"},

    // ---- Mars and Ascendant ----
    {Mars, Ascendant, Conjunction, R"(Mars am Aszendenten schenkt eine tatkräftige, durchsetzungsstarke und mutige Persönlichkeit. Diese Menschen sind direkt, kämpferisch und körperlich aktiv, und durch Hast ziehen sie sich leicht Schnitte, Verbrennungen und kleine Verletzungen zu. Sie können aggressiv und jähzornig sein.)"},
    {Mars, Ascendant, Harmonious, R"(Sie begegnen der Welt mit Energie und Selbstvertrauen und ergreifen bereitwillig die Initiative. Ihr Mut und Ihre Geradheit verschaffen Ihnen Achtung. Sie sind körperlich aktiv und erholen sich schnell von Krankheit oder Belastung.)"},
    {Mars, Ascendant, Challenging, R"(Diese Menschen wirken vielleicht aggressiv oder ziehen Streit mit Partnern und offenen Gegnern an. Sie können mit anderen ungeduldig sein und sind schnell gekränkt. Zu lernen, zusammenzuarbeiten, macht ihren Antrieb zur Stärke.)"},

    // ---- Mars and Midheaven ----
    {Mars, Midheaven, Conjunction, R"(Mars an der Spitze des Horoskops schenkt starken Ehrgeiz und viel Energie für den Beruf. Diese Menschen wollen führen und finden sich oft in Bereichen wie Technik, Militär, Chirurgie oder Sport. Mit ihren Vorgesetzten geraten sie vielleicht aneinander.)"},
    {Mars, Midheaven, Harmonious, R"(Sie arbeiten hart für Ihre Laufbahn und steigen durch eigene Initiative auf. Sie sind ehrgeizig, tatkräftig und können andere gut führen. Ihr Ruf beruht auf Ihrem Mut und Ihren Leistungen.)"},
    {Mars, Midheaven, Challenging, R"(Diese Menschen geraten beim Verfolgen ihres Ehrgeizes vielleicht in Konflikt mit Autoritäten, Konkurrenten oder der Familie. Bei beruflichen Entscheidungen können sie vorschnell sein und sich bei der Arbeit Feinde machen. Geduld und Zusammenarbeit helfen ihnen, ihre Ziele zu erreichen.)"},

    // ======================== Jupiter ========================

    // ---- Jupiter and Saturn ----
    {Jupiter, Saturn, Conjunction, R"(Diese Menschen verbinden Optimismus mit Vorsicht und Hoffnung mit Realismus. Sie bauen stetig auf, oft mit großem Erfolg im späteren Leben, und planen gut für die Zukunft. Sie schwanken vielleicht zwischen Zuversicht und Zweifel.)"},
    {Jupiter, Saturn, Harmonious, R"(Sie haben ein gutes Urteilsvermögen, Geduld und einen gesunden Sinn für das rechte Maß. Sie planen klug und können Gelegenheiten in dauerhaften Erfolg verwandeln. Andere achten Ihre Fairness und Ihre Erfahrung.)"},
    {Jupiter, Saturn, Challenging, R"(Menschen mit diesem Aspekt fühlen sich vielleicht hin- und hergerissen zwischen Wachstum und Einschränkung, zwischen dem Drang zur Ausdehnung und dem Bedürfnis nach Vorsicht. Ihr Leben wechselt womöglich zwischen Zeiten des Glücks und Zeiten der Not. Zu lernen, wann man vorangeht und wann man sich zurückhält, bringt ihnen Beständigkeit.)"},

    // ---- Jupiter and Uranus ----
    {Jupiter, Uranus, Conjunction, R"(Diese Menschen sind optimistisch, originell und offen für neue Ideen und erleben oft plötzliche Glücksfälle. Sie lieben Freiheit, Reisen und Abenteuer. In ihren Überzeugungen und Plänen sind sie vielleicht ruhelos und unberechenbar.)"},
    {Jupiter, Uranus, Harmonious, R"(Sie haben einen erfinderischen Geist, einen weiten Blick und ein Talent, Gelegenheiten zu sehen, wo andere keine sehen. Plötzliches Glück hilft Ihnen oft. Sie sind ein geborener Reformer und ein fortschrittlicher Denker.)"},
    {Jupiter, Uranus, Challenging, R"(Menschen mit diesem Aspekt sind vielleicht ruhelos und rebellisch und neigen zu plötzlichen Wechseln im Glauben oder im Glück. Auf der Suche nach Freiheit oder schnellem Gewinn gehen sie womöglich unkluge Risiken ein. Mäßigung und Geduld helfen ihnen, ihre Originalität gut zu nutzen.)"},

    // ---- Jupiter and Neptune ----
    {Jupiter, Neptune, Conjunction, R"(Diese Menschen sind idealistisch, mitfühlend und spirituell veranlagt und fühlen sich vielleicht zu Religion, Mystik oder Kunst hingezogen. Sie sind großzügig und gütig. Sie können wirklichkeitsfremd sein und lassen sich leicht täuschen.)"},
    {Jupiter, Neptune, Harmonious, R"(Sie haben einen großzügigen Geist und ein tiefes Mitgefühl für andere. Ihre Intuition und Ihre Fantasie sind stark, und vielleicht finden Sie Erfüllung in Wohltätigkeit, Kunst oder spirituellem Leben. Glück kommt oft durch Ihren Glauben zu Ihnen.)"},
    {Jupiter, Neptune, Challenging, R"(Menschen mit diesem Aspekt lassen sich vielleicht von unmöglichen Träumen, falschen Lehrern oder Wunschdenken mitreißen. Sie können verschwenderisch oder unpraktisch sein, besonders mit Geld. Ein Sinn für das rechte Maß hilft ihnen, ihre Ideale zu verwirklichen.)"},

    // ---- Jupiter and Pluto ----
    {Jupiter, Pluto, Conjunction, R"(Diese Menschen haben großen Ehrgeiz und die Kraft, in großem Maßstab zu organisieren. Sie fühlen sich vielleicht zu einflussreichen Positionen, zum Finanzwesen oder zu Reformen hingezogen. In ihren Überzeugungen können sie fanatisch sein.)"},
    {Jupiter, Pluto, Harmonious, R"(Sie haben einen starken Willen und die Fähigkeit, durch Weitblick und Entschlossenheit Erfolg zu haben. Sie können verfahrenen Lagen neues Leben einhauchen und andere zur Veränderung führen. Ihre Mittel wachsen oft durch Geldanlagen oder gemeinsamen Wohlstand.)"},
    {Jupiter, Pluto, Challenging, R"(Menschen mit diesem Aspekt streben vielleicht maßlos nach Macht, Reichtum oder Einfluss und geraten in Konflikt mit Behörden oder dem Gesetz. Sie können dogmatisch sein und überzeugt, dass der Zweck die Mittel heiligt. Ihre Macht zum Wohl anderer einzusetzen, bringt ihnen echten Erfolg.)"},

    // ---- Jupiter and Ascendant ----
    {Jupiter, Ascendant, Conjunction, R"(Jupiter am Aszendenten schenkt eine großzügige, optimistische und freundliche Persönlichkeit. Diese Menschen sind beliebt, selbstsicher und haben oft Glück, und mit dem Alter neigen sie zum Zunehmen. Sie übertreiben es vielleicht.)"},
    {Jupiter, Ascendant, Harmonious, R"(Sie begegnen der Welt mit Wärme und Humor, und andere vertrauen Ihnen auf den ersten Blick. Gelegenheiten und Hilfe scheinen Sie zu finden, oft durch Lehrer, Reisen oder Menschen aus dem Ausland. Ihre freundliche, offene Art öffnet Ihnen viele Türen.)"},
    {Jupiter, Ascendant, Challenging, R"(Diese Menschen überschätzen sich vielleicht oder versprechen anderen zu viel. Sie können verschwenderisch oder selbstgerecht sein. Wenn sie ihre Großzügigkeit in Grenzen halten, haben sie Glück in Partnerschaften.)"},

    // ---- Jupiter and Midheaven ----
    {Jupiter, Midheaven, Conjunction, R"(Jupiter an der Spitze des Horoskops ist ein klassisches Zeichen für Erfolg und einen guten Namen. Diese Menschen erreichen oft Stellungen von Ehre und Autorität, im Recht, im Lehrberuf, im Verlagswesen oder im öffentlichen Leben. Sie sind vielleicht übermäßig ehrgeizig oder halten ihr Glück für selbstverständlich.)"},
    {Jupiter, Midheaven, Harmonious, R"(Ihre Laufbahn gedeiht, und in der Öffentlichkeit werden Sie für Ihre Fairness und Großzügigkeit geachtet. Gelegenheiten kommen über Vorgesetzte und einflussreiche Kontakte. Sie haben eine natürliche Führungsgabe, der andere gern folgen.)"},
    {Jupiter, Midheaven, Challenging, R"(Diese Menschen stecken ihre Ziele vielleicht so hoch, dass sie sich übernehmen, oder Beruf und Familie streiten um ihre Zeit. Sie können zu stolz auf ihre Stellung sein. Realistische Ziele bringen ihnen dauerhaften Erfolg.)"},

    // ======================== Saturn ========================

    // ---- Saturn and Uranus ----
    {Saturn, Uranus, Conjunction, R"(Diese Menschen verbinden Disziplin mit Originalität und können neuen Ideen eine praktische Form geben. Oft spüren sie eine Spannung zwischen Tradition und Wandel, zwischen dem, was gebaut wurde, und dem, was geboren werden will. Haben sie ihren Kurs einmal gewählt, sind sie entschlossen und beharrlich.)"},
    {Saturn, Uranus, Harmonious, R"(Sie können Reformen auf praktische, verantwortungsvolle Weise einführen. Sie achten die Tradition und begrüßen doch den Fortschritt, und Sie arbeiten stetig an neuen Vorhaben, bis sie gelingen. Naturwissenschaft, Technik und Organisation liegen Ihnen.)"},
    {Saturn, Uranus, Challenging, R"(Menschen mit diesem Aspekt spüren einen starken Konflikt zwischen dem Bedürfnis nach Sicherheit und dem Drang nach Freiheit. Plötzliche Umwälzungen können Verhältnisse erschüttern, die sie für gefestigt hielten, und sie schwanken womöglich zwischen starrer Kontrolle und Auflehnung. Ein Gleichgewicht zwischen Altem und Neuem zu finden, verleiht ihnen große Stärke.)"},

    // ---- Saturn and Neptune ----
    {Saturn, Neptune, Conjunction, R"(Diese Menschen versuchen, ihren Träumen und Idealen Gestalt zu geben, und sind vielleicht begabt für Architektur, Musik oder eine spirituelle Disziplin. Sie neigen zur Schwermut, wenn die Wirklichkeit hinter der Vision zurückbleibt. Sie müssen aufpassen, ihre Ideale nicht zu früh aufzugeben.)"},
    {Saturn, Neptune, Harmonious, R"(Sie können Ihre Träume durch praktische Mühe und Geduld verwirklichen. Ihre Intuition ist diszipliniert, und vielleicht haben Sie ein Talent für Kunst, Heilen oder den Dienst an anderen. Sie sind mitfühlend und verantwortungsbewusst.)"},
    {Saturn, Neptune, Challenging, R"(Menschen mit diesem Aspekt leiden vielleicht unter unbestimmten Ängsten, Enttäuschungen oder dem Gefühl, dass ihre Träume sich nie erfüllen werden. Verborgene Sorgen können ihr Selbstvertrauen oder ihre Gesundheit untergraben. Glaube, verbunden mit praktischer Mühe, hilft ihnen, diese Ängste zu überwinden.)"},

    // ---- Saturn and Pluto ----
    {Saturn, Pluto, Conjunction, R"(Diese Menschen haben großes Durchhaltevermögen, Ernst und Entschlossenheit und können echte Not überstehen. Bei der Verfolgung ihrer Ziele sind sie vielleicht rücksichtslos. Ihr Leben kann schwere Lasten bringen, die sie letztlich verwandeln.)"},
    {Saturn, Pluto, Harmonious, R"(Sie haben große Disziplin und Konzentrationskraft und können Dinge von Grund auf neu aufbauen. Sie verfolgen langfristige Ziele geduldig und lassen sich von der Mühe, die sie kosten, nicht entmutigen. Ihre Stärke liegt in der Ausdauer.)"},
    {Saturn, Pluto, Challenging, R"(Menschen mit diesem Aspekt begegnen vielleicht harten Umständen, schwerer Verantwortung oder Druck von Behörden, dem sie nicht entkommen können. Sie können starr werden oder Angst haben, die Kontrolle zu verlieren. Sich diesen Herausforderungen zu stellen, verleiht ihnen gewaltige Stärke.)"},

    // ---- Saturn and Ascendant ----
    {Saturn, Ascendant, Conjunction, R"(Saturn am Aszendenten schenkt ein ernstes, zurückhaltendes und verantwortungsbewusstes Auftreten. Diese Menschen wirken vielleicht älter, als sie sind, und haben oft eine harte oder einsame Kindheit. Mit dem Alter werden sie selbstsicherer und gelassener.)"},
    {Saturn, Ascendant, Harmonious, R"(Sie treten zuverlässig, reif und diszipliniert auf, und andere vertrauen Ihnen Verantwortung an. Sie sind geduldig und vergeuden Ihre Kräfte nicht. Ihre Beständigkeit bringt Ihnen dauerhafte Achtung ein.)"},
    {Saturn, Ascendant, Challenging, R"(Diese Menschen fühlen sich vielleicht von anderen eingeengt oder von ihren Partnerschaften belastet, und sie heiraten womöglich spät oder wählen einen Partner, der viel älter oder ernster ist als sie. Neuen Menschen gegenüber können sie scheu oder abwehrend sein. Geduld schenkt ihnen dauerhafte und reife Beziehungen.)"},

    // ---- Saturn and Midheaven ----
    {Saturn, Midheaven, Conjunction, R"(Saturn an der Spitze des Horoskops schenkt großen Ehrgeiz und einen langsamen, aber stetigen beruflichen Aufstieg. Diese Menschen verdienen sich ihre Autorität durch harte Arbeit. Sie müssen sich vor dem Sturz aus einer hohen Stellung hüten, wenn sie ihre Macht missbrauchen.)"},
    {Saturn, Midheaven, Harmonious, R"(Ihre Laufbahn wächst stetig durch Disziplin, Verantwortung und Geduld. Man achtet Sie für Ihre Zuverlässigkeit und Ihr Pflichtgefühl. Der Erfolg kommt später im Leben und ist von Dauer.)"},
    {Saturn, Midheaven, Challenging, R"(Diese Menschen stoßen im Beruf vielleicht auf Hindernisse, oder familiäre Pflichten halten sie zurück. Sie haben womöglich das Gefühl, dass ihre Leistungen lange nicht gewürdigt werden. Beharrlichkeit bringt ihnen schließlich die Achtung, für die sie gearbeitet haben.)"},

    // ======================== Uranus ========================

    // ---- Uranus and Neptune ----
    {Uranus, Neptune, Conjunction, R"(Diese Konjunktion teilt eine ganze Generation, und sie zeigt ein Interesse an Mystik, neuen spirituellen Bewegungen und inspirierter Kunst. Im persönlichen Horoskop schenkt sie Intuition und ein Gespür für gesellschaftlichen Wandel. Diese Menschen sind vielleicht idealistisch, was die Zukunft betrifft.)"},
    {Uranus, Neptune, Harmonious, R"(Sie haben intuitive Einsicht und eine Offenheit für neue spirituelle und künstlerische Ideen, wie ein großer Teil Ihrer Generation. Vielleicht sind Sie begabt für Musik, Psychologie oder Heilkunst. Sie spüren kommende Veränderungen früher als andere.)"},
    {Uranus, Neptune, Challenging, R"(Diesen Aspekt teilt eine Generation, die in Zeiten der Verwirrung und des gesellschaftlichen Wandels aufwuchs. Im persönlichen Horoskop kann er nervöse Anspannung und unrealistische Vorstellungen geben. Eine bodenständige Haltung hilft diesen Menschen, ihre Eingebungen zu nutzen.)"},

    // ---- Uranus and Pluto ----
    {Uranus, Pluto, Conjunction, R"(Diese Konjunktion kennzeichnet eine ganze Generation, die in einer Zeit des Umbruchs geboren wurde, und zeigt einen Drang nach radikalem Wandel. Persönlich können diese Menschen revolutionär und intensiv sein. Sie können tiefe Wandlungen in der Welt um sie herum bewirken.)"},
    {Uranus, Pluto, Harmonious, R"(Sie gehören zu einer Generation, die in der Gesellschaft aufbauende Veränderungen bewirken kann, und Sie haben ein Gespür für die Kräfte, die Ihre Zeit prägen. Umbrüche schrecken Sie nicht. Sie passen sich ihnen gut an und helfen anderen, dasselbe zu tun.)"},
    {Uranus, Pluto, Challenging, R"(Dieser Aspekt gehört einer Generation, die plötzliche und mitunter gewaltsame gesellschaftliche Veränderungen erlebt hat. Persönlich kann er Umwälzungen bringen, die einen völligen Neubeginn erzwingen. Diese Menschen müssen lernen, Veränderung anzunehmen, statt sie zu bekämpfen.)"},

    // ---- Uranus and Ascendant ----
    {Uranus, Ascendant, Conjunction, R"(Uranus am Aszendenten schenkt eine originelle, unabhängige und unkonventionelle Persönlichkeit. Diese Menschen wirken auf andere ungewöhnlich und brauchen sehr viel Freiheit. Ihr Leben ist von plötzlichen Wendungen geprägt.)"},
    {Uranus, Ascendant, Harmonious, R"(Sie treten originell und erfinderisch auf, und andere finden Ihre Gesellschaft anregend. Sie passen sich gut an Veränderungen an und sehen oft auf den ersten Blick einen neuen Weg, die Dinge zu tun. Freunde und Gruppen helfen Ihnen auf Ihrem Weg.)"},
    {Uranus, Ascendant, Challenging, R"(Diese Menschen erleben vielleicht plötzliche Anfänge und Enden in ihren Beziehungen oder fühlen sich zu ungewöhnlichen, freiheitsliebenden Partnern hingezogen. Andere finden sie womöglich sprunghaft oder wenig verlässlich. Raum für Unabhängigkeit in einer Partnerschaft ist für sie unerlässlich.)"},

    // ---- Uranus and Midheaven ----
    {Uranus, Midheaven, Conjunction, R"(Uranus an der Spitze des Horoskops weist auf einen ungewöhnlichen Beruf hin, oft in Technik, Wissenschaft, Astrologie oder Sozialreform. Diese Menschen wechseln vielleicht plötzlich den Beruf, manchmal mehr als einmal. Sie brauchen Unabhängigkeit in ihrer Arbeit und leiden unter einem konventionellen Arbeitgeber.)"},
    {Uranus, Midheaven, Harmonious, R"(Ihre Laufbahn profitiert von Originalität und neuen Ideen, und vielleicht arbeiten Sie in Technik, Forschung oder fortschrittlichen Bereichen. Sie erkennen schnell, wohin sich ein Beruf entwickelt. Unerwartete Gelegenheiten bringen Sie an den Wendepunkten Ihres Lebens voran.)"},
    {Uranus, Midheaven, Challenging, R"(Diese Menschen erleben vielleicht plötzliche Veränderungen im Beruf oder Konflikte mit Autoritäten, die eine Stellung abrupt beenden. Auch ihr häusliches Leben kann durch Umzüge oder Umbrüche unruhig sein. Eine Arbeit, die ihnen Unabhängigkeit gibt, oder ein eigenes Geschäft passt am besten zu ihnen.)"},

    // ======================== Neptune ========================

    // ---- Neptune and Pluto ----
    {Neptune, Pluto, Conjunction, R"(Diese seltene Konjunktion kennzeichnet die Generation, die am Ende des neunzehnten Jahrhunderts geboren wurde, in einer Zeit, in der alte Gewissheiten zerfielen und neue spirituelle und wissenschaftliche Ideen Wurzeln schlugen. Im persönlichen Horoskop schenkt sie ein tiefes, oft unbewusstes Gefühl, an großen geschichtlichen Veränderungen teilzuhaben. Ihre Wirkung zeigt sich mehr im Zeitalter als im Einzelnen.)"},
    {Neptune, Pluto, Harmonious, R"(Das lange Sextil dieser beiden Planeten teilen die Generationen, die seit der Mitte des zwanzigsten Jahrhunderts geboren wurden, und es verbindet ihre Ideale mit dem Wunsch nach tiefer Erneuerung. Persönlich schenkt es ein intuitives Gespür für kollektive Kräfte und ein Interesse an Psychologie und Spiritualität. Es wirkt still im Hintergrund des Horoskops.)"},
    {Neptune, Pluto, Challenging, R"(Ein Quadrat oder eine Opposition zwischen diesen beiden langsamen Planeten gehört ganzen Generationen und Zeiten tiefer kollektiver Krisen. Im persönlichen Horoskop kann es das Gefühl zeigen, den Zusammenbruch alter Ideale mitzuerleben. Diese Menschen sind aufgerufen, Glauben und Sinn zu finden, wo andere nur Verlust sehen.)"},

    // ---- Neptune and Ascendant ----
    {Neptune, Ascendant, Conjunction, R"(Neptun am Aszendenten schenkt eine sanfte, wandelbare Ausstrahlung, in der die Menschen meist sehen, was sie sehen wollen. Diese Menschen sind beeindruckbar, künstlerisch und intuitiv, und viele haben eine Begabung für Schauspiel, Musik oder Fotografie. Sie sollten vorsichtig sein mit Alkohol, Drogen und Menschen, die sie ausnutzen würden.)"},
    {Neptune, Ascendant, Harmonious, R"(Sie wirken sanft, mitfühlend und fantasievoll, und andere spüren Ihre Güte. Ihre Intuition leitet Sie gut im Umgang mit Menschen. Sie haben ein natürliches Gespür für Kunst, Musik und alles, was die Seele erhebt.)"},
    {Neptune, Ascendant, Challenging, R"(Diese Menschen sind vielleicht unsicher, wie andere sie sehen, oder idealisieren einen Partner und sind später enttäuscht. In Beziehungen und geschäftlichen Partnerschaften können sie getäuscht werden. Ehrlichkeit mit sich selbst und das sorgfältige Lesen jedes Vertrags schützen sie.)"},

    // ---- Neptune and Midheaven ----
    {Neptune, Midheaven, Conjunction, R"(Neptun an der Spitze des Horoskops weist auf einen Beruf in Kunst, Film, Musik, Medizin oder Wohltätigkeit hin oder auf eine spirituelle Berufung. Diese Menschen haben in ihrer Laufbahn vielleicht kein klares Gefühl für die Richtung. Ihr Ruf kann glanzvoll sein, aber auch Gerüchten ausgesetzt.)"},
    {Neptune, Midheaven, Harmonious, R"(Ihre Fantasie und Ihr Mitgefühl können Ihre Laufbahn prägen. Vielleicht haben Sie Erfolg in der Kunst, im Heilen oder im Dienst an anderen, und Ihre Arbeit kann Menschen inspirieren. Mehr als der Ehrgeiz leiten Ihre Ideale Ihre Berufswahl.)"},
    {Neptune, Midheaven, Challenging, R"(Diese Menschen sind sich ihrer beruflichen Richtung vielleicht unsicher oder von ihrer Arbeit enttäuscht. Im öffentlichen Leben begegnen ihnen womöglich Skandale, Gerüchte oder Missverständnisse, und sie sollten in all ihren Geschäften äußerst gewissenhaft sein. Realistische Ziele helfen ihnen, ihre wahre Berufung zu finden.)"},

    // ======================== Pluto ========================

    // ---- Pluto and Ascendant ----
    {Pluto, Ascendant, Conjunction, R"(Pluto am Aszendenten schenkt einen durchdringenden Blick und eine Persönlichkeit, die man spürt, bevor man sie versteht. Diese Menschen behalten ihre Gedanken für sich und beobachten andere genau, und sie können Menschen verunsichern, ohne es zu wollen. Ihr Leben führt durch Krisen, die sie völlig verwandeln.)"},
    {Pluto, Ascendant, Harmonious, R"(Sie haben eine stille Intensität und eine Charakterstärke, die andere achten. Sie können sich nach harten Zeiten erneuern und anderen durch die ihren helfen. Sie verstehen, was Menschen bewegt, oft bevor diese es selbst wissen.)"},
    {Pluto, Ascendant, Challenging, R"(Diese Menschen geraten vielleicht in Machtkämpfe in ihren Beziehungen oder ziehen Partner an, die sie zu kontrollieren versuchen. Sie können anderen gegenüber intensiv und fordernd sein und nur schwer verzeihen. Zu lernen, Macht zu teilen, bringt ihnen Frieden.)"},

    // ---- Pluto and Midheaven ----
    {Pluto, Midheaven, Conjunction, R"(Pluto an der Spitze des Horoskops schenkt einen mächtigen Drang nach Leistung und nach Kontrolle über das eigene Schicksal. Diese Menschen steigen vielleicht in Positionen großen Einflusses auf und verwandeln oft ihr Fachgebiet. Sie müssen sich vor Machtmissbrauch hüten.)"},
    {Pluto, Midheaven, Harmonious, R"(Sie haben die Kraft, Ihre Laufbahn zu verwandeln und mit Tiefe und Einsicht zu führen. Vielleicht arbeiten Sie in Forschung, Psychologie, Finanzwesen oder einem Bereich, der tiefes Verständnis verlangt. Ihr Einfluss wächst mit der Zeit.)"},
    {Pluto, Midheaven, Challenging, R"(Diese Menschen erleben vielleicht plötzliche Umschwünge oder Machtkämpfe in ihrer Laufbahn, oder die Umwälzungen des Familienlebens stören ihre Arbeit. Im Streben nach einer Stellung können sie rücksichtslos sein. Ihren Einfluss weise zu nutzen, führt sie zu großen Leistungen.)"},
};
// clang-format on

static_assert(coversEveryAspectKeyOnce(kEntries),
              "one aspect text for every pair and family, each pair in chart order");

} // namespace

constexpr AspectTextTable kAspectTexts = buildAspectTextTable(kEntries);

} // namespace orbenza::texts::de
