// The planet-in-house texts in German.
//
// The German translation of the English table of the same name one folder up,
// with the same keys in the same order. Each paragraph stays on a single line,
// is 69 to 765 characters long and differs from every other one.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

#include <cstddef>
#include <iterator>

namespace orbenza::texts::de {
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
    {1, Sun, R"(Diese Menschen haben eine starke, strahlende Persönlichkeit, die anderen auffällt, sobald sie einen Raum betreten. Sie sind selbstbewusst, stolz und voller Lebenskraft und führen lieber, als dass sie folgen. Anerkennung bedeutet ihnen viel, und am glücklichsten sind sie, wenn sie sich offen zeigen dürfen und so genommen werden, wie sie sich selbst sehen. Ihre Gesundheit und ihre Erholungsfähigkeit sind meist gut. Sie sollten sich vor Eitelkeit hüten und vor der Gewohnheit, sich in jeder Lage an die erste Stelle zu setzen, denn ihre Wärme gewinnt ihnen mehr als ihr Stolz.)"},

    // ---- Moon in the First House ----
    {1, Moon, R"(Menschen mit dem Mond in diesem Haus tragen ihre Gefühle im Gesicht. Ihre Stimmungen wechseln leicht und zeigen sich sofort in ihrem Auftreten, und sie reagieren sehr feinfühlig auf ihre Umgebung. Sie sind fürsorglich, empfänglich und oft in der Öffentlichkeit beliebt, doch es kann ihnen schwerfallen, die eigene Identität von den Bedürfnissen ihrer Mitmenschen zu trennen. Aussehen und Gesundheit folgen meist ihrer seelischen Verfassung.)"},

    // ---- Mercury in the First House ----
    {1, Mercury, R"(Diese Menschen sind schlagfertig, gesprächig und neugierig auf alles. Sie zeigen sich durch Worte und Ideen, und andere erleben sie als klug, lebhaft und jugendlich; viele wirken jünger, als sie sind. Sie lernen schnell und finden sich leicht in neuer Gesellschaft zurecht, werden aber unruhig und nervös, wenn ihr Verstand nichts zu tun hat.)"},

    // ---- Venus in the First House ----
    {1, Venus, R"(Sie haben ein angenehmes, anmutiges Wesen und einen natürlichen Charme, der Sie schon bei der ersten Begegnung sympathisch macht. Ihr Äußeres ist Ihnen wichtig, und Sie kleiden sich meist mit Geschmack. Sie meiden Streit, suchen Harmonie und wissen zu gefallen, was Ihnen im gesellschaftlichen Leben viele Türen öffnet. Die Gefahr liegt in zu viel Bequemlichkeit oder darin, sich auf den Charme zu verlassen, wo Anstrengung nötig wäre.)"},

    // ---- Mars in the First House ----
    {1, Mars, R"(Diese Menschen sind tatkräftig, direkt und mutig und gehen das Leben frontal an. Sie handeln zuerst und denken danach, lieben den Wettbewerb und ertragen es nicht, gebremst zu werden. Ihre körperliche Kraft und ihr Antrieb sind beträchtlich, und der Überlieferung nach tragen sie eine Narbe oder ein Mal an Kopf oder Gesicht. Ungeduld, Jähzorn und die Neigung, durch Hast Unfälle heraufzubeschwören, sind die Schwächen, auf die sie achten müssen.)"},

    // ---- Jupiter in the First House ----
    {1, Jupiter, R"(Menschen mit Jupiter am Aszendenten haben ein großzügiges, optimistisches und weltoffenes Wesen. Sie sind heiter, freundlich und haben oft Glück, und andere schenken ihnen leicht Vertrauen. Sie denken in großen Maßstäben und treten mit Zuversicht und Wohlwollen auf. In späteren Jahren neigen sie zum Zunehmen, und ihre größte Schwäche ist die Maßlosigkeit oder das Versprechen von mehr, als sie halten können.)"},

    // ---- Saturn in the First House ----
    {1, Saturn, R"(Diese Menschen wirken ernst, zurückhaltend und älter, als sie sind, besonders in der Jugend. Das Leben verlangt früh Verantwortung von ihnen, und sie können schüchtern oder selbstkritisch sein und viel von sich fordern. Ihre Stärke ist die Disziplin: Sie arbeiten geduldig, bauen langsam auf und werden mit den Jahren meist sicherer und gelassener. Ihre Gesundheit braucht in der Kindheit Pflege, bessert sich aber meist mit dem Alter.)"},

    // ---- Uranus in the First House ----
    {1, Uranus, R"(Sie wirken originell, unabhängig und ein wenig unberechenbar. Sie mögen keine Konventionen, bestehen darauf, die Dinge auf Ihre Weise zu tun, und fühlen sich von neuen Ideen, Wissenschaft und Technik angezogen. Andere halten Sie vielleicht für brillant, aber exzentrisch. Ihr Leben bringt wahrscheinlich plötzliche Richtungswechsel, und Sie brauchen viel persönliche Freiheit, um sich selbst treu zu sein.)"},

    // ---- Neptune in the First House ----
    {1, Neptune, R"(Diese Menschen haben etwas Verträumtes, Sanftes und schwer Fassbares, das andere kaum greifen können. Sie sind sehr beeindruckbar, künstlerisch und intuitiv und saugen die Stimmungen ihrer Mitmenschen auf wie ein Schwamm. Ihre Ausstrahlung kann glanzvoll sein, doch sie sind sich oft unsicher, wer sie wirklich sind. Sie sollten vorsichtig sein mit Alkohol und Drogen und mit Menschen, die ihre Güte ausnutzen würden.)"},

    // ---- Pluto in the First House ----
    {1, Pluto, R"(Menschen mit Pluto in diesem Haus haben eine intensive, magnetische Ausstrahlung und einen gewaltigen Willen. Sie sind verschlossen und wachsam, geben wenig von sich preis und sehen doch viel von anderen. Ihr Leben führt oft durch Krisen, die sie von Grund auf verwandeln, und jedes Mal gehen sie gestärkt daraus hervor. Sie können mitreißende Führungspersönlichkeiten sein, müssen sich aber vor dem Wunsch hüten, andere zu beherrschen.)"},

    // ======================== Second House ========================

    // ---- Sun in the Second House ----
    {2, Sun, R"(Diese Menschen finden ihr Selbstgefühl in dem, was sie verdienen, besitzen und aufbauen. Sie arbeiten hart für finanzielle Sicherheit, sind stolz auf ihren Besitz und geben oft großzügig für Qualität und Komfort aus. Geld kann durch eigene Leistung, durch leitende Stellungen oder durch die Gunst einflussreicher Menschen kommen. Sie sollten darauf achten, ihren eigenen Wert und den anderer nicht allein am Reichtum zu messen.)"},

    // ---- Moon in the Second House ----
    {2, Moon, R"(Das Einkommen dieser Menschen steigt und fällt oft wie die Gezeiten, und ihr Gefühl von Sicherheit hängt eng an ihrem Kontostand. Sie verdienen vielleicht im Umgang mit der Öffentlichkeit, mit Nahrungsmitteln, Immobilien oder allem, was mit Heim und Familie zu tun hat. Sie hängen an ihren Sachen, bewahren Dinge aus Sentimentalität auf und fühlen sich unwohl, sobald das Geld knapp wird.)"},

    // ---- Mercury in the Second House ----
    {2, Mercury, R"(Diese Menschen stecken voller Ideen, wie man Geld verdient. Sie kennen den wahren Wert der Dinge und sind sehr preisbewusst.)"},

    // ---- Venus in the Second House ----
    {2, Venus, R"(Sie haben einen feinen Geschmack für schöne und wertvolle Dinge, und Geld kommt Ihnen oft leicht zu, durch Kunst, Mode, Luxusgüter oder Ihre gesellschaftlichen Verbindungen. Sie genießen Komfort und geben gern Geld für Vergnügen, Kleidung und gutes Essen aus. Venus ist in diesem Haus zu Hause, und für Ihre Finanzen ist das eine günstige Stellung, solange Sie Ihre Freude am Luxus nicht Ihrem Einkommen davonlaufen lassen.)"},

    // ---- Mars in the Second House ----
    {2, Mars, R"(Diese Menschen verdienen ihr Geld durch harte Arbeit, Eigeninitiative und Kampfgeist, und sie sind bereit, für das zu kämpfen, was sie wollen. Sie geben es so schnell aus, wie sie es verdienen, oft aus einer Laune heraus, und gehen mitunter finanzielle Risiken ein. Technik, Sport, Militär oder ein eigenes Geschäft liegen ihnen. In Geldfragen müssen sie Geduld und Planung lernen.)"},

    // ---- Jupiter in the Second House ----
    {2, Jupiter, R"(Dies ist eine der besten Stellungen für Wohlstand. Menschen mit Jupiter in diesem Haus haben meist ein gutes Einkommen und reichliche Mittel, und Gelegenheiten zum Wohlstand scheinen sie von selbst zu finden. Sie gehen großzügig mit Geld um und teilen ihr Glück gern. Ihre einzige Gefahr ist die Verschwendung, da sie leicht annehmen, dass das Geld immer weiter fließen wird.)"},

    // ---- Saturn in the Second House ----
    {2, Saturn, R"(Geld fällt diesen Menschen nicht leicht zu, und sie lernen vielleicht früh Not oder Mangel kennen. Sie werden vorsichtig, sparsam und geduldig und schaffen sich durch stetige Arbeit später oft dauerhafte Sicherheit. Sie fürchten, das Erreichte zu verlieren, und können übervorsichtig oder sogar geizig sein. Grundbesitz, Immobilien und langfristige Anlagen sind für sie am besten.)"},

    // ---- Uranus in the Second House ----
    {2, Uranus, R"(Ihre Finanzen erleben wahrscheinlich plötzliche Höhen und Tiefen, mit unerwarteten Gewinnen, denen ebenso unerwartete Verluste folgen. Am besten verdienen Sie mit originellen Ideen, Technik, Erfindungen oder ungewöhnlicher Arbeit, und Sie mögen es nicht, des Lohnes wegen an eine Routinestelle gebunden zu sein. Ihre Werte können sich deutlich von denen Ihrer Familie unterscheiden, und Sie sollten bewusst für Stabilität sorgen.)"},

    // ---- Neptune in the Second House ----
    {2, Neptune, R"(Menschen mit Neptun in diesem Haus können in Geldfragen unklar und idealistisch sein. Sie verdienen vielleicht mit Kunst, Musik, Film, Heilen oder wohltätiger Arbeit, verlieren aber oft den Überblick über ihre Ausgaben oder vertrauen ihre Ersparnisse den falschen Leuten an. Sie sind großzügig bis zur Selbstaufgabe. Klare Buchführung, sorgfältige Verträge und ehrliche Berater sind für sie unerlässlich.)"},

    // ---- Pluto in the Second House ----
    {2, Pluto, R"(Diese Menschen haben einen starken Drang, Macht über Mittel und Ressourcen zu gewinnen, und im Lauf ihres Lebens bauen sie vielleicht Vermögen auf, verlieren sie und bauen sie neu auf. Sie sind scharfsinnig, entschlossen und können mit großen Summen umgehen, oft im Bankwesen, bei Geldanlagen, Versicherungen oder der Sanierung angeschlagener Unternehmen. Besitz ist für sie eng mit Macht verbunden, und sie müssen aufpassen, nicht davon besessen zu werden.)"},

    // ======================== Third House ========================

    // ---- Sun in the Third House ----
    {3, Sun, R"(Diese Menschen glänzen durch Kommunikation. Sie sind aufgeweckt, gesprächig und lernbegierig und vertreten ihre Ideen mit Selbstvertrauen. Schreiben, Unterrichten, Journalismus, Verkauf oder jede Arbeit, die sie mit vielen Menschen in Kontakt bringt, liegt ihnen. Geschwister und Nachbarn spielen eine wichtige Rolle in ihrem Leben, und kurze Reisen sind häufig.)"},

    // ---- Moon in the Third House ----
    {3, Moon, R"(Ihr Denken ist stark von Ihren Gefühlen geprägt, und Sie denken eher in Bildern und Erinnerungen als in kühler Logik. Sie haben ein gutes Gedächtnis, einen wechselhaften Geist und eine Vorliebe für Reisen und neue Umgebungen. Ihren Geschwistern stehen Sie gefühlsmäßig nahe und übernehmen unter ihnen vielleicht eine fürsorgliche Rolle. Ihre Stimmungen können Ihre Konzentration beeinträchtigen.)"},

    // ---- Mercury in the Third House ----
    {3, Mercury, R"(Merkur ist in diesem Haus zu Hause und schenkt einen schnellen, wachen und vielseitigen Geist. Diese Menschen lesen, schreiben und reden gern und nehmen Informationen und Sprachen mühelos auf. Ständig sind sie mit Nachrichten, Anrufen und Besorgungen beschäftigt. Ihre Gabe liegt darin, Dinge klar zu erklären, auch wenn sie ihre Aufmerksamkeit manchmal zu sehr verzetteln.)"},

    // ---- Venus in the Third House ----
    {3, Venus, R"(Menschen mit Venus in diesem Haus sprechen mit Anmut und wissen im richtigen Moment das Richtige zu sagen. Sie haben Talent zum Schreiben, zur Dichtung oder zur Gestaltung und genießen angenehme Ausflüge und die Gesellschaft ihrer Nachbarn. Die Beziehung zu den Geschwistern ist meist herzlich. Eine Liebe kann während der Ausbildung oder auf einer kurzen Reise beginnen.)"},

    // ---- Mars in the Third House ----
    {3, Mars, R"(Diese Menschen haben eine spitze Zunge und einen schnellen, kämpferischen Verstand. Sie lieben die Debatte, argumentieren mit Überzeugung und können mit langsameren Denkern ungeduldig sein. Ihre Energie macht sie zu guten Schriftstellern, Journalisten oder Aktivisten. Streit mit Geschwistern oder Nachbarn ist möglich, und beim Autofahren oder auf eiligen Reisen sollten sie vorsichtig sein.)"},

    // ---- Jupiter in the Third House ----
    {3, Jupiter, R"(Sie haben einen weiten, optimistischen Geist und lernen leicht, besonders die Fächer, die Ihren Horizont erweitern, etwa Sprachen, Philosophie oder Reisen. Sie sind ein geborener Lehrer und ein freundlicher Nachbar, und Ihre Geschwister werden Ihnen im Leben wahrscheinlich helfen. Ihre Schwäche ist vielleicht, zu viel zu reden oder mehr zu versprechen, als Sie später noch im Kopf haben.)"},

    // ---- Saturn in the Third House ----
    {3, Saturn, R"(Diese Menschen denken langsam, aber gründlich, und sie nehmen ihre Worte ernst. Ihre Schulzeit war vielleicht schwer oder wurde unterbrochen, und in jungen Jahren scheuten sie sich vielleicht, offen zu sprechen. Mit der Zeit entwickeln sie einen praktischen, methodischen und verlässlichen Verstand, der für Mathematik, Naturwissenschaft oder jede geordnete Arbeit taugt. Die Beziehung zu den Geschwistern kann von Verantwortung oder Distanz geprägt sein.)"},

    // ---- Uranus in the Third House ----
    {3, Uranus, R"(Menschen mit Uranus in diesem Haus haben einen originellen, erfinderischen Geist, und ihre Ideen kommen wie Blitze. Sie erfassen neue Begriffe schnell und fühlen sich zu Wissenschaft, Computern und modernen Kommunikationsmitteln hingezogen. Ihre Ausbildung verläuft vielleicht unkonventionell oder bricht plötzlich ab. Im Gespräch können sie schroff und widerspenstig sein, und ihre nervöse Energie braucht ein Ventil.)"},

    // ---- Neptune in the Third House ----
    {3, Neptune, R"(Diese Menschen denken poetisch und fantasievoll und verständigen sich oft besser durch Bilder, Musik oder Geschichten als durch nüchterne Tatsachen. Sie sind intuitiv und scheinen manchmal die Gedanken anderer zu lesen. Konzentration und Klarheit können ein Problem sein, und Missverständnisse oder Verwirrung in Briefen und Dokumenten sind möglich.)"},

    // ---- Pluto in the Third House ----
    {3, Pluto, R"(Sie haben einen durchdringenden Verstand, der bei jedem Thema unter die Oberfläche blickt. Sie sind überzeugend und können andere mit Ihren Worten stark beeinflussen, was Sie zu einem guten Forscher, Ermittler oder Debattierer macht. Ihre eigenen Geheimnisse behalten Sie für sich, und in Diskussionen können Sie sehr eindringlich sein. Die frühe Beziehung zu Geschwistern oder Nachbarn war vielleicht von Rivalität geprägt.)"},

    // ======================== Fourth House ========================

    // ---- Sun in the Fourth House ----
    {4, Sun, R"(Diese Menschen hängen sehr an Heim und Familie und sind stolz auf ihre Wurzeln. Sie wünschen sich ein Zuhause, in dem sie das Oberhaupt sind, und legen ihr Geld oft in Immobilien an. Der Vater war in ihrer Kindheit vielleicht eine beherrschende Gestalt. Ihr Leben wird in der zweiten Hälfte meist erfolgreicher und erfüllter, sobald sie sich eine sichere Grundlage geschaffen haben.)"},

    // ---- Moon in the Fourth House ----
    {4, Moon, R"(Der Mond steht in diesem Haus stark. Sie sind im Herzen ein häuslicher Mensch, Ihrer Familie ergeben und Ihrer Mutter besonders nah. Sie brauchen vor allem seelische Geborgenheit und fühlen sich am wohlsten inmitten vertrauter Dinge und vertrauter Gesichter. Vielleicht ziehen Sie mehrmals um, doch Sie bleiben der Vergangenheit, den Familientraditionen und Ihrem Geburtsort eng verbunden.)"},

    // ---- Mercury in the Fourth House ----
    {4, Mercury, R"(Menschen mit Merkur in diesem Haus arbeiten vielleicht von zu Hause aus oder machen ihr Heim zu einem Ort des Lernens, voller Bücher und Gespräche. In ihrer Familie wurde Bildung hoch geschätzt. Sie ziehen gern um oder stellen ihre Umgebung um und interessieren sich für Geschichte, Stammbäume oder Immobilien. Ihre Denkweise ist stark von ihrer Erziehung geprägt.)"},

    // ---- Venus in the Fourth House ----
    {4, Venus, R"(Sie lieben Ihr Zuhause und machen es schön, behaglich und einladend. Sie empfangen dort gern Gäste, und Ihr Familienleben ist meist harmonisch. Die Beziehung zu Ihrer Mutter oder Ihren Eltern ist liebevoll. Sie können durch Immobilien oder ein Erbe gewinnen und finden in der zweiten Lebenshälfte wahrscheinlich mehr Zufriedenheit und Behaglichkeit.)"},

    // ---- Mars in the Fourth House ----
    {4, Mars, R"(Diese Menschen bringen viel Energie ins Haus, aber auch Streit. Die Atmosphäre ihrer Kindheit war vielleicht gespannt, mit Zank oder einem willensstarken Elternteil. Sie wollen Herr im eigenen Haus sein und erledigen Reparaturen und Bauarbeiten gern selbst. Sie sollten sich zu Hause vor Feuer und Unfällen in Acht nehmen und häusliche Streitigkeiten nicht wachsen lassen.)"},

    // ---- Jupiter in the Fourth House ----
    {4, Jupiter, R"(Diese Stellung bringt meist ein glückliches, behagliches und geräumiges Zuhause. Diese Menschen stammen aus einer großzügigen Familie, gewinnen durch Immobilien oder Erbschaft und versammeln gern Verwandte und Freunde unter ihrem Dach. Ihre Verhältnisse bessern sich mit dem Alter, und ihr Lebensabend wird wahrscheinlich friedlich und wohlhabend sein.)"},

    // ---- Saturn in the Fourth House ----
    {4, Saturn, R"(Diese Menschen tragen oft schon früh Verantwortung im Elternhaus, pflegen vielleicht einen Elternteil oder leben mit strengen Regeln und wenig Wärme, und ihre Kindheit kann sich schwer oder unsicher angefühlt haben. Als Erwachsene arbeiten sie hart daran, sich ein solides eigenes Zuhause zu schaffen, und schätzen Beständigkeit und Tradition. Vielleicht übernehmen sie die Pflege betagter Verwandter, und oft besitzen sie alte Häuser.)"},

    // ---- Uranus in the Fourth House ----
    {4, Uranus, R"(Ihr häusliches Leben ist wahrscheinlich ungewöhnlich und unruhig, mit häufigen Umzügen oder plötzlichen Ereignissen, die die Familie durcheinanderbringen. Ihre Erziehung war vielleicht unkonventionell, oder ein Elternteil war abwesend oder exzentrisch. Sie brauchen Raum und Freiheit zu Hause und bevorzugen vielleicht eine ungewöhnliche Wohnform oder Hausgemeinschaft.)"},

    // ---- Neptune in the Fourth House ----
    {4, Neptune, R"(Menschen mit Neptun in diesem Haus sehnen sich nach einem idealen Heim und einer idealen Familie, die das wirkliche Leben nicht so leicht bietet. In der Familiengeschichte kann etwas Unklares oder Verborgenes liegen, oder ein Elternteil war abwesend, krank oder aufopfernd. Sie leben gern am Wasser, in ruhiger und friedlicher Umgebung. Immobiliengeschäfte müssen sorgfältig geprüft werden, um Täuschungen zu vermeiden.)"},

    // ---- Pluto in the Fourth House ----
    {4, Pluto, R"(Diese Menschen haben tiefe, intensive Bindungen an ihre Familie und ihre Vergangenheit. Ihre Kindheit barg vielleicht Machtkämpfe, einen beherrschenden Elternteil oder ein Familiengeheimnis, das bleibende Spuren hinterließ. Irgendwann durchlaufen Heim und Familie eine völlige Wandlung. Am Ende gewinnen sie große innere Kraft daraus, dass sie sich dem stellen, was an ihren Wurzeln liegt.)"},

    // ======================== Fifth House ========================

    // ---- Sun in the Fifth House ----
    {5, Sun, R"(Diese Menschen sind schöpferisch, warmherzig und voller Lebensfreude. Sie lieben es, aufzutreten, zu spielen und bewundert zu werden, und haben oft Talent für Kunst, Theater oder Sport. Die Liebe ist ihnen wichtig, und sie schenken sich darin großzügig. Sie haben Freude an Kindern und oft eine enge Bindung zu ihnen. Ein Hang zum Glücksspiel und zum Risiko muss im Zaum gehalten werden.)"},

    // ---- Moon in the Fifth House ----
    {5, Moon, R"(Sie sind romantisch, zärtlich und gefühlsmäßig stark in Ihre Liebesbeziehungen verwickelt, und Ihre Gefühle können schnell umschlagen. Trost finden Sie in kreativen Hobbys und Unterhaltung. Sie haben einen starken Elterninstinkt und eine enge Beziehung zu Ihren Kindern. Vergnügen und seelische Geborgenheit sind bei Ihnen eng miteinander verbunden.)"},

    // ---- Mercury in the Fifth House ----
    {5, Mercury, R"(Menschen mit Merkur in diesem Haus drücken sich mit Witz und Verspieltheit aus. Sie mögen Geschicklichkeitsspiele, Rätsel und Hobbys, die den Geist fordern, und schreiben, unterrichten oder arbeiten vielleicht mit jungen Menschen. In der Liebe zieht sie Intelligenz und gute Unterhaltung an, und ein leichter, verspielter Flirt ist ihnen lieber als eine schwere Bindung.)"},

    // ---- Venus in the Fifth House ----
    {5, Venus, R"(Dies ist eine sehr glückliche Stellung für Liebe und Vergnügen. Diese Menschen sind charmant, zärtlich und beim anderen Geschlecht beliebt, und sie genießen ein erfülltes Liebesleben. Sie haben künstlerisches Talent und schätzen Musik, Theater und Schönheit in all ihren Formen. Kinder bereiten ihnen Freude. Sie müssen sich davor hüten, sich zu sehr dem Vergnügen hinzugeben.)"},

    // ---- Mars in the Fifth House ----
    {5, Mars, R"(Diese Menschen sind in der Liebe leidenschaftlich und impulsiv und verfolgen das Ziel ihres Begehrens mit großer Energie. Sie lieben Sport, Wettkampf und Abenteuer und gehen bei Spekulationen kühne Risiken ein. Ihre Liebschaften beginnen vielleicht plötzlich und enden im Streit. Als Eltern sind sie aktiv und fördern die Selbstständigkeit, doch sie müssen ihr Temperament gegenüber ihren Kindern zügeln.)"},

    // ---- Jupiter in the Fifth House ----
    {5, Jupiter, R"(Sie genießen das Leben in vollen Zügen und haben Glück in der Liebe, im schöpferischen Tun und im Vergnügen. Ihre Liebesbeziehungen sind großzügig und glücklich, und Sie haben wahrscheinlich Kinder, die Ihnen Stolz und Ehre bringen. Sie können im Unterricht, im Sport oder in der Kunst erfolgreich sein. Spekulationen können glücken, doch Übermut kann Sie zu viel aufs Spiel setzen lassen.)"},

    // ---- Saturn in the Fifth House ----
    {5, Saturn, R"(Diese Menschen sind in der Liebe vielleicht schüchtern oder gehemmt und können sich nur schwer gehen lassen und das Leben genießen. Die Liebe kommt oft spät oder mit älteren Partnern und einem Gefühl der Pflicht. Kinder können Verantwortung, Verzögerung oder Sorgen mit sich bringen. Im schöpferischen Tun sind sie diszipliniert und erreichen mit Geduld dauerhafte Ergebnisse. Riskante Spekulationen sollten sie meiden.)"},

    // ---- Uranus in the Fifth House ----
    {5, Uranus, R"(Menschen mit Uranus in diesem Haus haben eine unkonventionelle Einstellung zur Liebe und fühlen sich zu ungewöhnlichen oder unabhängigen Partnern hingezogen. Ihre Romanzen beginnen plötzlich, sind aufregend und enden vielleicht ebenso schnell. Sie sind auf originelle Weise kreativ, oft mit Technik oder moderner Kunst. Ihre Kinder sind vielleicht begabt oder ungewöhnlich, und bei der Erziehung wollen sie freie Hand haben.)"},

    // ---- Neptune in the Fifth House ----
    {5, Neptune, R"(Diese Menschen sind romantische Träumer, die sich eher in ein Ideal verlieben als in einen wirklichen Menschen. Ihr Liebesleben kann Illusionen, heimliche Affären oder Opfer mit sich bringen. Sie sind begabt für Musik, Tanz, Film oder Dichtung und haben eine lebhafte Fantasie. Beim Glücksspiel und bei Spekulationen, wo sie leicht getäuscht werden, sollten sie vorsichtig sein.)"},

    // ---- Pluto in the Fifth House ----
    {5, Pluto, R"(Sie lieben mit großer Intensität, und Ihre Herzensangelegenheiten können Sie ganz verzehren und tief verändern. Eifersucht und Machtkämpfe in der Liebe sind möglich. Ihr schöpferischer Drang ist stark und findet vielleicht Ausdruck in anspruchsvoller oder tiefgründiger künstlerischer Arbeit. Kinder können Erfahrungen bringen, die Ihr Leben verändern, und Sie beschützen sie meist sehr.)"},

    // ======================== Sixth House ========================

    // ---- Sun in the Sixth House ----
    {6, Sun, R"(Diese Menschen sind meist sehr entschlossene Arbeiter, können aber sehr fordernd sein.)"},

    // ---- Moon in the Sixth House ----
    {6, Moon, R"(Diese Menschen fühlen sich sicher, wenn sie nützlich sind und einem geregelten Tagesablauf folgen können. Sie arbeiten oft in Pflegeberufen, in der Krankenpflege, der Gastronomie oder im Dienst an der Öffentlichkeit und wechseln die Stelle häufiger als die meisten. Ihre Gesundheit reagiert empfindlich auf ihre Gemütslage, und auf Sorgen können Verdauungsbeschwerden folgen. Zu Kollegen sind sie freundlich, und sie lieben Haustiere.)"},

    // ---- Mercury in the Sixth House ----
    {6, Mercury, R"(Sie haben einen praktischen, genauen und analytischen Verstand, der sich gut für Detailarbeit, Buchhaltung, Forschung, Lektorat oder technische Berufe eignet. Sie sind tüchtig und organisieren Ihre täglichen Aufgaben gern. Vielleicht sorgen Sie sich zu sehr um Ihre Gesundheit und lesen viel über Ernährung und Medizin. Nervöse Anspannung ist Ihr schwacher Punkt, deshalb brauchen Sie ausreichend Ruhe.)"},

    // ---- Venus in the Sixth House ----
    {6, Venus, R"(Menschen mit Venus in diesem Haus genießen angenehme Arbeitsbedingungen und ein gutes Verhältnis zu ihren Kollegen. Sie arbeiten gut in Kosmetik, Mode, Kunst, Gastronomie oder jedem Beruf, der anderen Harmonie bringt, und lernen ihren Partner vielleicht bei der Arbeit kennen. Ihre Gesundheit ist im Allgemeinen gut, doch zu viele Süßigkeiten und zu reichhaltiges Essen können ihr schaden.)"},

    // ---- Mars in the Sixth House ----
    {6, Mars, R"(Diese Menschen arbeiten schnell und unermüdlich und können viel leisten, werden aber gereizt, wenn andere langsam sind. Konflikte mit Kollegen oder Angestellten sind möglich. In Technik, Chirurgie, beim Militär oder in körperlicher Arbeit können sie erfolgreich sein. Sie neigen zu Fieber, Entzündungen und Verletzungen infolge von Überarbeitung.)"},

    // ---- Jupiter in the Sixth House ----
    {6, Jupiter, R"(Sie finden wahrscheinlich eine angenehme, lohnende Arbeit und sind bei Kollegen und Angestellten beliebt. Sie sind hilfsbereit und dienen gern, und vielleicht arbeiten Sie in Medizin, Recht, Erziehung oder Sozialwesen. Ihre Gesundheit ist im Allgemeinen gut, doch im späteren Leben brauchen Gewicht, üppiges Essen oder die Leber vielleicht Aufmerksamkeit.)"},

    // ---- Saturn in the Sixth House ----
    {6, Saturn, R"(Diese Menschen sind gewissenhafte, disziplinierte und zuverlässige Arbeiter, doch ihre Arbeit kann sich mühsam anfühlen oder schlecht entlohnt sein. Sie nehmen ihre Pflichten ernst und haben Erfolg durch Beharrlichkeit und Sorgfalt. Ihre Gesundheit braucht Aufmerksamkeit, besonders Knochen, Gelenke, Zähne und Haut, und chronische Beschwerden sind möglich, wenn sie sich vernachlässigen.)"},

    // ---- Uranus in the Sixth House ----
    {6, Uranus, R"(Menschen mit Uranus in diesem Haus brauchen Unabhängigkeit und Abwechslung in ihrer Arbeit und mögen keine starre Routine. Sie wechseln oft plötzlich die Stelle oder arbeiten in technischen, wissenschaftlichen oder freiberuflichen Bereichen und führen gern neue Methoden ein, wo immer sie angestellt sind. Ihre Gesundheit kann unter nervöser Anspannung leiden, und sie sprechen vielleicht gut auf alternative Heilmethoden an.)"},

    // ---- Neptune in the Sixth House ----
    {6, Neptune, R"(Diese Menschen dienen und helfen gern und arbeiten vielleicht in Krankenhäusern, Hilfswerken, der Kunst oder im Heilwesen. Ihr Arbeitsleben kann verworren sein, mit unklaren Aufgaben oder unzuverlässigen Kollegen. Ihre Gesundheit ist zart, und auf Medikamente oder Chemikalien reagieren sie vielleicht heftig. Eine sorgfältige Diagnose ist wichtig, da ihre Beschwerden unbestimmt oder schwer zu erklären sein können.)"},

    // ---- Pluto in the Sixth House ----
    {6, Pluto, R"(Sie arbeiten mit großer Intensität und können in Ihrem Fach tiefgreifende Reformen bewirken. Vielleicht zieht es Sie zu Forschung, Medizin, Psychologie oder zu Aufgaben, bei denen es um Krise und Genesung geht. Machtkämpfe mit Kollegen oder Arbeitgebern sind möglich. Ihre Gesundheit kann plötzliche Krisen durchlaufen, doch Sie haben eine bemerkenswerte Fähigkeit zur Regeneration.)"},

    // ======================== Seventh House ========================

    // ---- Sun in the Seventh House ----
    {7, Sun, R"(Diese Menschen finden ihre Identität durch ihre Partnerschaften und fühlen sich am lebendigsten in enger Zusammenarbeit mit einem anderen Menschen. Die Ehe ist ihnen wichtig, und sie wählen vielleicht einen Partner, der stolz, stark oder angesehen ist. Sie arbeiten gut im Team und gehen leicht mit der Öffentlichkeit um. Sie müssen vermeiden, zu sehr von der Anerkennung anderer abzuhängen.)"},

    // ---- Moon in the Seventh House ----
    {7, Moon, R"(Sie brauchen einen Partner, der Ihnen seelischen Halt gibt, und fühlen sich allein unvollständig. Vielleicht suchen Sie jemanden, der für Sie sorgt wie ein Elternteil, oder Sie übernehmen selbst diese Rolle. Ihre Beziehungen können wechselhaft sein, und Sie spüren jede Stimmung Ihres Ehepartners. Der Umgang mit der Öffentlichkeit fällt Ihnen leicht.)"},

    // ---- Mercury in the Seventh House ----
    {7, Mercury, R"(Menschen mit Merkur in diesem Haus suchen einen Partner, der intelligent, mitteilsam und vielleicht jünger ist als sie selbst, und gute Gespräche sind in ihrer Ehe unerlässlich. Sie haben Talent zum Verhandeln, zum Aufsetzen von Verträgen und zum Vermitteln. Vielleicht haben sie mehrere kurze Partnerschaften, bevor sie sich binden.)"},

    // ---- Venus in the Seventh House ----
    {7, Venus, R"(Dies ist eine der besten Stellungen für die Ehe. Diese Menschen sind charmant, diplomatisch und harmoniebedürftig und ziehen meist einen liebevollen und attraktiven Partner an. Sie heiraten vielleicht früh oder gewinnen durch die Ehe finanziell. In Partnerschaften und in der Öffentlichkeitsarbeit sind sie erfolgreich, weichen aber vielleicht einer Auseinandersetzung aus, die eigentlich nötig wäre.)"},

    // ---- Mars in the Seventh House ----
    {7, Mars, R"(Diese Menschen ziehen willensstarke und energische Partner an, und in ihren Beziehungen gibt es viel Leidenschaft, aber auch Streit. Sie stürzen sich vielleicht überhastet in Ehe oder Partnerschaft, und Streitigkeiten, Rivalität oder Prozesse sind möglich. Sie lernen viel durch Konfrontation. Zusammenarbeit und Geduld sind die Lektionen dieser Stellung.)"},

    // ---- Jupiter in the Seventh House ----
    {7, Jupiter, R"(Sie führen wahrscheinlich eine glückliche Ehe mit einem großzügigen, weisen oder wohlhabenden Partner, und Partnerschaften in Liebe wie Geschäft können Ihnen Vorteile bringen. Die Menschen arbeiten gern mit Ihnen zusammen, und Rechtsangelegenheiten gehen meist zu Ihren Gunsten aus. Ihre einzige Gefahr ist, zu viel von einem Partner zu erwarten oder zu vertrauensselig zu sein.)"},

    // ---- Saturn in the Seventh House ----
    {7, Saturn, R"(Diese Menschen nehmen die Ehe sehr ernst und heiraten vielleicht spät oder einen älteren und reiferen Partner. Ihre Beziehungen sind beständig, können sich aber kühl oder von Pflichten beschwert anfühlen. Verzögerungen und Schwierigkeiten in der Partnerschaft sind möglich, doch die Bindungen, die sie eingehen, halten meist. Sie lernen durch Verbindlichkeit und Verantwortung.)"},

    // ---- Uranus in the Seventh House ----
    {7, Uranus, R"(Menschen mit Uranus in diesem Haus brauchen in ihren Beziehungen viel Freiheit und fühlen sich zu ungewöhnlichen, unabhängigen Partnern hingezogen. Die Ehe kann plötzlich kommen und ebenso unerwartet enden, und Trennung oder Scheidung sind wahrscheinlich, wenn beide Partner einander keinen Raum lassen. Eine unkonventionelle Beziehung passt vielleicht am besten zu ihnen.)"},

    // ---- Neptune in the Seventh House ----
    {7, Neptune, R"(Diese Menschen idealisieren ihre Partner und sind vielleicht enttäuscht, wenn die Wirklichkeit dem Traum nicht entspricht. Sie fühlen sich zu Partnern hingezogen, die künstlerisch, spirituell oder hilfsbedürftig sind. Täuschung oder Verwirrung in der Ehe und in geschäftlichen Partnerschaften sind möglich, deshalb müssen sie andere klar sehen und Verträge sorgfältig lesen.)"},

    // ---- Pluto in the Seventh House ----
    {7, Pluto, R"(Sie werden in intensive Beziehungen hineingezogen, die Sie verändern. Ihr Partner ist vielleicht mächtig, besitzergreifend oder übt tiefen Einfluss auf Ihr Leben aus, und Machtkämpfe und Eifersucht sind möglich. Die Ehe verwandelt Sie von Grund auf. Auch Sie selbst können eine starke Kraft im Leben anderer sein, im Geschäft, in der Beratung oder bei Verhandlungen.)"},

    // ======================== Eighth House ========================

    // ---- Sun in the Eighth House ----
    {8, Sun, R"(Diese Menschen fühlen sich zu den Geheimnissen von Leben, Tod und Wiedergeburt hingezogen. Sie haben starke Begierden und ein tiefes, intensives Wesen und können im Finanzwesen, in Versicherungen, Ermittlungen, Chirurgie oder Psychologie erfolgreich sein. Sie können durch ein Erbe oder das Geld eines Partners gewinnen. Ihr Leben kann große Krisen enthalten, aus denen sie erneuert hervorgehen.)"},

    // ---- Moon in the Eighth House ----
    {8, Moon, R"(Ihre Gefühle sind tief, verschlossen und intensiv, und vielleicht zieht es Sie zum Okkulten und zu übersinnlichen Erfahrungen. Sie erben vielleicht von einem Elternteil, besonders von Ihrer Mutter, oder gewinnen durch die Mittel anderer. Ihre Stimmungen hängen stark von Ihren intimen Beziehungen ab, und Sie brauchen von einem Partner seelische Aufrichtigkeit.)"},

    // ---- Mercury in the Eighth House ----
    {8, Mercury, R"(Menschen mit Merkur in diesem Haus haben einen forschenden, ergründenden Verstand und lösen gern Rätsel. Sie eignen sich gut für Forschung, Detektivarbeit, Buchhaltung, Steuern oder Versicherungen und interessieren sich für Psychologie, das Leben nach dem Tod und verborgene Themen. Vielleicht haben sie mit Testamenten, Vermächtnissen und dem Papierkram um das Geld anderer Leute zu tun.)"},

    // ---- Venus in the Eighth House ----
    {8, Venus, R"(Diese Menschen können durch Heirat, Erbschaft oder die Mittel eines Partners gewinnen, und Geld kommt oft über andere zu ihnen. Ihre Sexualität ist warm und sinnlich, Intimität bedeutet ihnen viel, und sie suchen tiefe Beziehungen. Vermächtnisse oder Geschenke können finanzielle Vorteile bringen, und ihr Tod ist der Überlieferung nach friedlich.)"},

    // ---- Mars in the Eighth House ----
    {8, Mars, R"(Diese Menschen haben eine starke, leidenschaftliche Sexualität und heftige Begierden. Streit um gemeinsames Geld, Erbschaften oder Steuern ist möglich. In einer Krise sind sie mutig und arbeiten vielleicht in der Chirurgie, im Rettungsdienst oder beim Militär. Der Überlieferung nach warnt diese Stellung vor Gefahr durch Unfälle oder Gewalt, deshalb sollten sie unnötige Risiken meiden.)"},

    // ---- Jupiter in the Eighth House ----
    {8, Jupiter, R"(Sie profitieren wahrscheinlich von den Mitteln anderer, durch ein Erbe, das Vermögen eines Partners, Darlehen oder Geldanlagen. Ihre Haltung zu Tod und Verlust ist philosophisch, und vielleicht haben Sie eine Begabung für Psychologie oder spirituelle Studien. Der Überlieferung nach verspricht diese Stellung ein langes Leben und ein friedliches Ende.)"},

    // ---- Saturn in the Eighth House ----
    {8, Saturn, R"(Diese Menschen stoßen vielleicht auf Schwierigkeiten und Verzögerungen bei Erbschaften, Steuern, Versicherungen oder gemeinsamen Finanzen. In intimen Beziehungen sind sie vielleicht vorsichtig oder gehemmt und fassen nur langsam Vertrauen. Den Tod und die Verantwortung für gemeinsame Mittel nehmen sie ernst. Dieser Stellung wird traditionell ein langes Leben zugeschrieben.)"},

    // ---- Uranus in the Eighth House ----
    {8, Uranus, R"(Menschen mit Uranus in diesem Haus erleben vielleicht plötzliche Veränderungen durch das Geld anderer, mit unerwarteten Erbschaften oder Verlusten. Ihr Interesse an Astrologie, Okkultismus und übersinnlichen Dingen ist groß. Ihre Haltung zur Intimität ist ungewöhnlich und unabhängig, und plötzliche, unvorhergesehene Ereignisse prägen die großen Übergänge ihres Lebens.)"},

    // ---- Neptune in the Eighth House ----
    {8, Neptune, R"(Diese Menschen haben eine mediale Empfindsamkeit und fühlen sich zu mystischen und spirituellen Dingen, zur Meditation oder zur Medialität hingezogen. Gemeinsame Finanzen und Erbschaften können unklar sein oder Täuschung beinhalten, deshalb müssen sie sorgfältig Buch führen. In intimen Beziehungen suchen sie eine seelische Vereinigung und werden leicht enttäuscht.)"},

    // ---- Pluto in the Eighth House ----
    {8, Pluto, R"(Pluto steht in diesem Haus stark. Sie haben große Tiefe, starke Begierden und ein natürliches Verständnis für Macht, verborgene Beweggründe und Wandlung. Vielleicht verwalten Sie große Summen fremden Geldes oder arbeiten in Forschung, Psychologie oder Medizin. Ihr Leben durchläuft im symbolischen Sinn Zyklen von Tod und Wiedergeburt.)"},

    // ======================== Ninth House ========================

    // ---- Sun in the Ninth House ----
    {9, Sun, R"(Diese Menschen suchen Sinn und Wahrheit im Leben und fühlen sich zu Philosophie, Religion, Recht, höherer Bildung und fremden Kulturen hingezogen. Oft reisen sie viel oder leben im Ausland, und sie können als Lehrer, Juristen, Schriftsteller oder Verleger erfolgreich sein. Sie sind idealistisch und haben feste Grundsätze, sollten sich aber vor Dogmatismus hüten.)"},

    // ---- Moon in the Ninth House ----
    {9, Moon, R"(Sie haben einen rastlosen Geist, der sich nach Reisen und neuen Horizonten sehnt, und unter Menschen anderer Kulturen fühlen Sie sich innerlich zu Hause. Ihre religiösen und moralischen Ansichten sind stark von Ihrer Erziehung und Ihrer Mutter geprägt. Sie lernen eher durch Gefühl und Erfahrung als durch Theorie, und vielleicht lassen Sie sich in einem fremden Land nieder.)"},

    // ---- Mercury in the Ninth House ----
    {9, Mercury, R"(Menschen mit Merkur in diesem Haus haben einen philosophischen, neugierigen Geist, der das große Ganze verstehen will. Sie fühlen sich zu höherer Bildung, Sprachen, Recht und Verlagswesen hingezogen. Sie reisen gern und schreiben oder lehren oft über das, was sie im Ausland gesehen haben. Ihre Überzeugungen sind vielleicht widersprüchlich, da sie ihre Meinung immer wieder ändern.)"},

    // ---- Venus in the Ninth House ----
    {9, Venus, R"(Diese Menschen lieben Reisen, Kunst und fremde Kulturen und finden vielleicht ihr Glück oder einen Partner im Ausland oder während des Studiums. Ihre Überzeugungen sind feinsinnig, tolerant und menschlich. Sie genießen Literatur, Philosophie und die Schönheit religiöser Kunst und verstehen sich gut mit ihren Schwiegereltern. Vielleicht verdienen sie mit Außenhandel oder Kultur.)"},

    // ---- Mars in the Ninth House ----
    {9, Mars, R"(Diese Menschen sind leidenschaftlich von ihren Überzeugungen erfüllt und kämpfen für eine Sache. Sie lieben abenteuerliche Reisen, Sport im Ausland und Entdeckungen. Ihre Meinungen sind entschieden, und sie geraten vielleicht wegen Religion, Politik oder Recht mit anderen aneinander. Sie müssen akzeptieren, dass nicht jeder ihre Überzeugungen teilt.)"},

    // ---- Jupiter in the Ninth House ----
    {9, Jupiter, R"(Jupiter ist in diesem Haus zu Hause. Sie sind optimistisch, großzügig, tolerant und weise und interessieren sich tief für Philosophie, Religion und höhere Bildung. Sie werden wahrscheinlich weit reisen und von Verbindungen ins Ausland profitieren. Vielleicht haben Sie Erfolg im Recht, im Lehrberuf, im Verlagswesen oder im religiösen Leben, und man schätzt Ihr Urteil.)"},

    // ---- Saturn in the Ninth House ----
    {9, Saturn, R"(Diese Menschen nehmen Religion und Philosophie ernst und haben vielleicht konservative, traditionelle Überzeugungen. Das Studium kommt vielleicht spät oder kostet harte Arbeit, doch sie werden gründliche Gelehrte. Weite Reisen können Schwierigkeiten bringen oder aus Pflicht unternommen werden. Sie gewinnen langsam an Weisheit und werden im späteren Leben dafür geachtet.)"},

    // ---- Uranus in the Ninth House ----
    {9, Uranus, R"(Menschen mit Uranus in diesem Haus haben unkonventionelle und fortschrittliche Ansichten und stellen etablierte Religion und Autorität in Frage. Sie fühlen sich zu neuen Philosophien, zur Astrologie und zur Wissenschaft hingezogen. Plötzliche Reisen oder unerwartete Ereignisse im Ausland können ihr Leben verändern. Im Studium können sie glänzen, auch wenn sie herkömmlichen Unterricht nicht mögen.)"},

    // ---- Neptune in the Ninth House ----
    {9, Neptune, R"(Diese Menschen haben mystische und idealistische Überzeugungen und fühlen sich zu Spiritualität, Religion oder exotischen Philosophien hingezogen. Vielleicht reisen sie zu heiligen Stätten oder übers Meer. Ihr Glaube kann inspirierend sein, doch sie können auch von falschen Lehrern oder vagen Ideen in die Irre geführt werden. Sie haben eine dichterische Fantasie und eine Vision von einer besseren Welt.)"},

    // ---- Pluto in the Ninth House ----
    {9, Pluto, R"(Diese Menschen haben sehr feste moralische Überzeugungen und glauben fest an die Macht der Gerechtigkeit.)"},

    // ======================== Tenth House ========================

    // ---- Sun in the Tenth House ----
    {10, Sun, R"(Diese Menschen sind ehrgeizig und wollen in ihrem Fach an die Spitze. Sie haben natürliche Autorität, suchen öffentliche Anerkennung und sind oft erfolgreich in leitenden Positionen, in der Politik oder in jeder herausgehobenen Stellung. Ihr Ruf ist ihnen sehr wichtig. Ein Elternteil, oft der Vater, hat starken Einfluss auf ihre Laufbahn.)"},

    // ---- Moon in the Tenth House ----
    {10, Moon, R"(Sie haben wahrscheinlich einen Beruf in der Öffentlichkeit und sind vielen Menschen bekannt, vielleicht durch Arbeit, die mit Frauen, dem Heim, Nahrungsmitteln oder der breiten Öffentlichkeit zu tun hat. Ihre Laufbahn kann mehrmals wechseln, und Ihre Beliebtheit kann steigen und sinken. Ihre Mutter hatte vielleicht starken Einfluss auf Ihren Ehrgeiz.)"},

    // ---- Mercury in the Tenth House ----
    {10, Mercury, R"(Menschen mit Merkur in diesem Haus bauen ihre Laufbahn auf Intelligenz und Kommunikation auf. Sie sind erfolgreich im Schreiben, Unterrichten, in den Medien, im Handel, im Reisewesen oder in der Verwaltung und sind für ihre Ideen bekannt. Vielleicht haben sie mehr als eine Stelle oder wechseln den Beruf. Sie planen ihre Laufbahn sorgfältig und sprechen gut vor Publikum.)"},

    // ---- Venus in the Tenth House ----
    {10, Venus, R"(Diese Menschen sind beliebt und bei ihren Vorgesetzten geschätzt, und ihr Charme hilft ihnen beim beruflichen Aufstieg. Sie arbeiten vielleicht in Kunst, Mode, Kosmetik, Unterhaltung oder Diplomatie. Ihr öffentliches Bild ist angenehm und anziehend. Die Ehe kann ihr gesellschaftliches Ansehen heben oder ihrer Laufbahn helfen.)"},

    // ---- Mars in the Tenth House ----
    {10, Mars, R"(Diese Menschen sind ehrgeizig, kämpferisch und erfolgshungrig und wollen das Sagen haben. Sie arbeiten hart und können in der Wirtschaft, beim Militär, in der Technik oder im Sport Großes erreichen. Mit Vorgesetzten und Autoritäten geraten sie vielleicht aneinander, und ihre Laufbahn kann von Konflikten oder plötzlichen Wendungen geprägt sein. Auf dem Weg nach oben sollten sie sich keine Feinde machen.)"},

    // ---- Jupiter in the Tenth House ----
    {10, Jupiter, R"(Dies ist eine sehr glückliche Stellung für Beruf und Ansehen. Sie erreichen wahrscheinlich eine hohe Stellung, erhalten Ehrungen und genießen die Achtung der Öffentlichkeit. Vielleicht sind Sie erfolgreich in Recht, Politik, Bildung, Religion oder großen Organisationen. Ihr Ruf der Ehrlichkeit und Großzügigkeit öffnet Ihnen viele Türen.)"},

    // ---- Saturn in the Tenth House ----
    {10, Saturn, R"(Diese Menschen sind sehr ehrgeizig und arbeiten geduldig und unermüdlich, um an die Spitze zu gelangen. Der Erfolg kommt meist spät, nach vielen Jahren der Mühe und Disziplin, doch er ist von Dauer. Sie übernehmen schwere Verantwortung und eignen sich für Führungspositionen. Sie müssen sich vor einem Sturz aus ihrer Stellung hüten, den Hochmut oder Machtmissbrauch verursachen könnte.)"},

    // ---- Uranus in the Tenth House ----
    {10, Uranus, R"(Menschen mit Uranus in diesem Haus brauchen Unabhängigkeit im Beruf und arbeiten ungern unter anderen. Sie wechseln vielleicht plötzlich den Beruf oder arbeiten in ungewöhnlichen Bereichen wie Technik, Wissenschaft, Astrologie oder Reformbewegungen. Ihre Laufbahn kann unerwartete Höhen und Tiefen haben, und oft geht es ihnen als Selbstständige am besten.)"},

    // ---- Neptune in the Tenth House ----
    {10, Neptune, R"(Diese Menschen sind sich vielleicht lange unsicher über ihre berufliche Richtung oder finden ihre Berufung in Kunst, Musik, Film, Heilen oder spiritueller Arbeit. Ihr öffentliches Bild kann glanzvoll oder geheimnisvoll sein. Sie sollten sich vor Skandalen oder Täuschungen hüten, die ihrem Ruf schaden könnten, und brauchen klare Ziele.)"},

    // ---- Pluto in the Tenth House ----
    {10, Pluto, R"(Sie haben einen starken Drang nach Macht und Einfluss im Beruf und können eine Stellung großer Autorität erreichen. Vielleicht arbeiten Sie in Politik, Forschung, Medizin oder großen Konzernen, und Sie können die Organisationen, in denen Sie tätig sind, grundlegend umgestalten. Ihre Laufbahn kann dramatische Wendungen und Machtkämpfe enthalten.)"},

    // ======================== Eleventh House ========================

    // ---- Sun in the Eleventh House ----
    {11, Sun, R"(Diese Menschen glänzen in Gruppen, Vereinen und Organisationen und werden oft zu Anführern in ihrem Freundeskreis. Sie haben viele einflussreiche Freunde und klare Ziele für die Zukunft. Vielleicht engagieren sie sich für soziale Anliegen, und ihre Hoffnungen erfüllen sich oft. Gewinne kommen durch ihre Arbeit und ihre Beziehungen.)"},

    // ---- Moon in the Eleventh House ----
    {11, Moon, R"(Sie haben viele Freunde und Bekannte, besonders Frauen, und Ihr gesellschaftliches Leben ist wichtig für Ihr seelisches Wohlbefinden. Ihre Freundschaften wechseln vielleicht oft, ebenso Ihre Hoffnungen und Wünsche. Sie können durch die Öffentlichkeit oder durch Gruppen gewinnen, die Ihnen ein Gefühl der Zugehörigkeit geben.)"},

    // ---- Mercury in the Eleventh House ----
    {11, Mercury, R"(Menschen mit Merkur in diesem Haus haben viele Freunde, mit denen sie Ideen und lebhafte Gespräche teilen. Sie fühlen sich zu intellektuellen Kreisen, Gesellschaften und Netzwerken hingezogen. Ihre Ziele sind vernünftig und gut geplant, und ihre Freunde helfen ihnen mit Rat und nützlichen Kontakten. Einkommen kann durch Schreiben oder Kommunikation kommen.)"},

    // ---- Venus in the Eleventh House ----
    {11, Venus, R"(Diese Menschen sind beliebt und haben viele treue und angenehme Freunde, oft unter Künstlern. Geselligkeit macht ihnen Freude, und vielleicht lernen sie einen Partner über Freunde oder Gruppen kennen. Ihre Wünsche werden sich wahrscheinlich erfüllen, und sie gewinnen durch freundschaftliche Kontakte. Zu ihren Freunden sind sie gütig und großzügig.)"},

    // ---- Mars in the Eleventh House ----
    {11, Mars, R"(Diese Menschen sind in Gruppen und Organisationen aktiv und übernehmen oft die Führung. Sie haben tatkräftige, kühne Freunde, doch unter ihnen kann es auch Streit oder Rivalität geben. Ihre Ziele verfolgen sie mit Nachdruck. Ihre Freundschaften können plötzlich im Streit enden, deshalb brauchen sie Taktgefühl.)"},

    // ---- Jupiter in the Eleventh House ----
    {11, Jupiter, R"(Sie sind mit vielen treuen, großzügigen und einflussreichen Freunden gesegnet, die Ihnen Ihr Leben lang helfen. Ihre Hoffnungen und Wünsche erfüllen sich oft, und Sie gewinnen viel durch Ihre Arbeit und Ihre gesellschaftlichen Verbindungen. Sie engagieren sich in humanitären oder wohltätigen Gruppen und haben einen weiten Blick für die Zukunft.)"},

    // ---- Saturn in the Eleventh House ----
    {11, Saturn, R"(Diese Menschen haben wenige Freunde, doch diese sind treu, ernsthaft und oft älter. In Gruppen fühlen sie sich vielleicht einsam oder übernehmen Verantwortung in Organisationen. Ihre Hoffnungen verwirklichen sich langsam und durch harte Arbeit. Gewinne kommen spät im Leben, aber sie bleiben.)"},

    // ---- Uranus in the Eleventh House ----
    {11, Uranus, R"(Uranus ist in diesem Haus zu Hause. Menschen mit dieser Stellung haben ungewöhnliche, brillante oder exzentrische Freunde und fühlen sich zu fortschrittlichen Gruppen, zur Wissenschaft und zu humanitären Anliegen hingezogen. Freundschaften beginnen und enden plötzlich. Ihre Ziele sind originell, und sie gewinnen durch unerwartete Gelegenheiten.)"},

    // ---- Neptune in the Eleventh House ----
    {11, Neptune, R"(Diese Menschen sind in der Freundschaft idealistisch und fühlen sich vielleicht zu spirituellen, künstlerischen oder wohltätigen Gruppen hingezogen. Sie können von Freunden getäuscht werden oder mehr geben, als sie bekommen, und ihre Hoffnungen sind vielleicht unrealistisch. Sie müssen ihre Freunde sorgfältig wählen und ihre Ziele klar im Auge behalten.)"},

    // ---- Pluto in the Eleventh House ----
    {11, Pluto, R"(Sie haben intensive Freundschaften, die Ihr Leben verwandeln können, und fühlen sich vielleicht zu mächtigen Gruppen oder Organisationen hingezogen. Sie wollen die Gesellschaft beeinflussen und können in einem Team eine starke Kraft sein. Machtkämpfe in Gruppen sind möglich. Ihre Ziele sind ehrgeizig, und Sie verfolgen sie mit großer Entschlossenheit.)"},

    // ======================== Twelfth House ========================

    // ---- Sun in the Twelfth House ----
    {12, Sun, R"(Diese Menschen arbeiten oft im Hintergrund und sind in der Einsamkeit zufrieden. Vielleicht arbeiten sie in Krankenhäusern, Gefängnissen, in der Forschung oder in wohltätigen Einrichtungen. Sie haben ein reiches Innenleben und ein starkes Bedürfnis nach geistigem Wachstum. Vielleicht fehlt es ihnen an Selbstvertrauen oder sie verbergen ihre wahren Fähigkeiten, und am besten geht es ihnen, wenn sie anderen im Stillen dienen.)"},

    // ---- Moon in the Twelfth House ----
    {12, Moon, R"(Sie sind sehr empfindsam, verschlossen und gefühlvoll und verbergen Ihre Gefühle oft vor anderen. Sie brauchen regelmäßig Zeiten des Rückzugs, um Ihr Gleichgewicht wiederzufinden. Sie sind mitfühlend und arbeiten vielleicht in der Pflege oder in Einrichtungen. Ihre frühe Kindheit oder die Beziehung zu Ihrer Mutter hat vielleicht verborgene seelische Wunden hinterlassen.)"},

    // ---- Mercury in the Twelfth House ----
    {12, Mercury, R"(Menschen mit Merkur in diesem Haus denken im Stillen und behalten viele ihrer Gedanken für sich. Sie haben eine starke Intuition und Vorstellungskraft und schreiben, forschen oder studieren vielleicht in der Abgeschiedenheit. Es fällt ihnen vielleicht schwer, ihre Ideen zu äußern. Nervöse Ängste oder Sorgen können ein Problem sein, und heimliche Briefwechsel sind möglich.)"},

    // ---- Venus in the Twelfth House ----
    {12, Venus, R"(Diese Menschen sind mitfühlend und finden Freude an stillen, verborgenen oder privaten Dingen. Vielleicht haben sie heimliche Liebschaften oder eine Liebe, die verborgen bleiben muss. Zu Bedürftigen sind sie gütig, und Erfüllung finden sie in wohltätiger Arbeit, in der Kunst oder in der Musik. Sie genießen Frieden und Einsamkeit.)"},

    // ---- Mars in the Twelfth House ----
    {12, Mars, R"(Diese Menschen unterdrücken oft ihren Zorn und handeln im Hintergrund. Sie können heimliche Feinde haben und verfolgen ihre Ziele vielleicht im Verborgenen. Ihre Energie ist am besten in Forschung, Krankenhausarbeit oder wohltätiger Arbeit aufgehoben. Sie müssen selbstschädigendes Handeln vermeiden und lernen, ihre Wünsche offen auszusprechen.)"},

    // ---- Jupiter in the Twelfth House ----
    {12, Jupiter, R"(Sie genießen einen verborgenen Schutz, und in Zeiten der Not kommt Ihnen oft Hilfe aus unerwarteter Richtung. Sie sind großzügig, wohltätig und spirituell und finden Glück im Dienen und in der Stille. Vielleicht arbeiten Sie in Krankenhäusern, religiösen Einrichtungen oder Hilfswerken, und Sie bleiben vor ernstem Schaden bewahrt.)"},

    // ---- Saturn in the Twelfth House ----
    {12, Saturn, R"(Diese Menschen fühlen sich vielleicht einsam, eingeengt oder von verborgenen Ängsten und Pflichten belastet, und sie arbeiten oft in Einrichtungen oder im Hintergrund. Sie müssen sich ihren inneren Ängsten stellen und lernen, dem Leben zu vertrauen. Mit Geduld entwickeln sie große innere Stärke und Weisheit. Chronische Gesundheitsprobleme können eine Behandlung im Krankenhaus erfordern.)"},

    // ---- Uranus in the Twelfth House ----
    {12, Uranus, R"(Menschen mit Uranus in diesem Haus haben plötzliche Eingebungen und Einblick in das Unbewusste. Vielleicht haben sie heimliche, unkonventionelle Interessen und erleben plötzliche, verborgene Ereignisse. Sie brauchen Zeiten des Rückzugs und der Freiheit. Ihre Originalität bleibt vielleicht verborgen, und Psychologie oder spirituelle Praxis tun ihnen gut.)"},

    // ---- Neptune in the Twelfth House ----
    {12, Neptune, R"(Neptun ist in diesem Haus zu Hause. Diese Menschen sind tief spirituell, intuitiv und mitfühlend und haben ein starkes Bedürfnis nach Abgeschiedenheit, Meditation und Rückzug. Vielleicht arbeiten sie in Krankenhäusern, Klöstern oder Hilfswerken. Sie sind sehr empfindsam und müssen Weltflucht, Alkohol und Drogen meiden. Ihr Innenleben ist reich und voller Träume.)"},

    // ---- Pluto in the Twelfth House ----
    {12, Pluto, R"(Sie besitzen tiefe verborgene Kraft und große psychologische Einsicht. Vielleicht arbeiten Sie in Forschung, Psychologie oder Ermittlung, oft im Verborgenen. Ihr Unbewusstes birgt mächtige Kräfte, denen Sie sich stellen und die Sie verwandeln müssen. Sie haben vielleicht heimliche Feinde, aber auch die Kraft, große Schwierigkeiten zu überwinden.)"},
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

} // namespace orbenza::texts::de
