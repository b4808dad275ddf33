// The aspect texts in Italian.
//
// The Italian translation of the English table of the same name one folder up,
// with the same keys in the same order. Each paragraph stays on a single line,
// has two to four sentences and differs from every other one, and no sentence
// appears in two paragraphs.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::it {
namespace {

using enum Body;
using enum AspectFamily;

// clang-format off
constexpr AspectTextEntry kEntries[] = {

    // ======================== Sun ========================

    // ---- Sun and Moon ----
    {Sun, Moon, Conjunction, R"(Nate vicino alla Luna Nuova, queste persone sono tutte d'un pezzo: ciò che vogliono e ciò di cui hanno bisogno vanno nella stessa direzione. Perseguono i propri scopi con energia piena e raramente sono turbate da dubbi interiori. La stessa unità può rendere loro difficile vedersi dall'esterno o capire chi è fatto in modo diverso.)"},
    {Sun, Moon, Harmonious, R"(La tua volontà e i tuoi sentimenti lavorano insieme, il che ti dà un equilibrio interiore spontaneo e una tranquilla fiducia in te stesso. Vai d'accordo con gli altri, e la vita familiare tende a sostenere le tue ambizioni invece di ostacolarle. Salute e vitalità sono di solito buone, e ti riprendi in fretta dagli insuccessi.)"},
    {Sun, Moon, Challenging, R"(Queste persone sentono spesso che testa e cuore vogliono cose diverse, e possono oscillare dall'una all'altro. La tensione può risalire a differenze tra i genitori avvertite presto nella vita. Quando imparano ad ascoltare entrambi i lati della propria natura, questa inquietudine diventa spinta e una profonda comprensione dei conflitti umani.)"},

    // ---- Sun and Mercury ----
    {Sun, Mercury, Conjunction, R"(La mente e il senso di sé sono strettamente legati, così queste persone si identificano molto con le proprie idee e opinioni. Pensano e parlano con convinzione e hanno spesso il dono di sapersi presentare. Quando la congiunzione è molto stretta, può essere difficile per loro ascoltare critiche alle proprie idee senza prenderle sul personale.)"},
    {Sun, Mercury, Harmonious, R"(Ti esprimi con chiarezza, e il tuo pensiero serve bene i tuoi scopi. Imparare ti riesce facile, e sai spiegare ciò che vuoi in un modo che gli altri accettano. La tua mente resta vivace e pratica per tutta la vita.)"},
    {Sun, Mercury, Challenging, R"(Queste persone possono sentire che le loro parole non dicono mai del tutto ciò che intendono, o che i loro piani e il loro vero scopo puntano in direzioni diverse. Tendono a difendere le proprie ragioni con troppa foga e possono innervosirsi sotto pressione. Con l'esercizio l'attrito affina l'intelletto e dà loro un talento per il dibattito.)"},

    // ---- Sun and Venus ----
    {Sun, Venus, Conjunction, R"(Chi ha questa congiunzione possiede fascino, calore e un amore per la bellezza che si vede nell'aspetto e nell'ambiente in cui vive. Sono persone affettuose che vogliono piacere, e di solito ci riescono. Molte hanno talento artistico, ma possono amare troppo le comodità ed evitare le scelte difficili.)"},
    {Sun, Venus, Harmonious, R"(Hai un carattere cordiale e piacevole e il dono di mettere gli altri a proprio agio. Amore, amicizia e arte ti danno molta felicità, e l'aiuto ti arriva spesso attraverso le tue conoscenze. Hai buon gusto e sai goderti la vita.)"},
    {Sun, Venus, Challenging, R"(Queste persone desiderano amore e ammirazione ma possono sentire che l'affetto non arriva loro nella forma sperata. Possono spendere troppo per i piaceri o sforzarsi troppo di piacere. Quando imparano a stimarsi senza aspettare l'approvazione altrui, emerge il vero fascino di questo aspetto.)"},

    // ---- Sun and Mars ----
    {Sun, Mars, Conjunction, R"(Queste persone sono piene di energia, coraggio e forza di volontà, e inseguono ciò che vogliono senza esitare. Sono competitori nati che amano le sfide e spesso eccellono nello sport o in lavori fisicamente impegnativi. Si accendono facilmente e devono imparare che non ogni situazione richiede una battaglia.)"},
    {Sun, Mars, Harmonious, R"(Hai molta vitalità e il coraggio di agire secondo le tue convinzioni. Lavori sodo, ti riprendi in fretta e ami prendere l'iniziativa, e gli altri rispettano la tua franchezza. Poiché la tua energia va dove la dirigi, i tuoi sforzi di solito danno frutto.)"},
    {Sun, Mars, Challenging, R"(Chi ha questo aspetto ha una forte spinta ma può sprecarla in litigi, impazienza o azioni avventate. Può essere battagliero e tende a provocare opposizione, soprattutto da parte di chi detiene l'autorità. Quando impara a dosare le forze, ha una resistenza enorme e può ottenere moltissimo con la sola determinazione.)"},

    // ---- Sun and Jupiter ----
    {Sun, Jupiter, Conjunction, R"(È una congiunzione fortunata che dà generosità, ottimismo e una visione ampia della vita. Queste persone sono fiduciose e di buon cuore, e attirano facilmente aiuto e occasioni. Il loro pericolo principale è l'eccesso: troppa sicurezza, troppe spese e promesse che non possono mantenere.)"},
    {Sun, Jupiter, Harmonious, R"(Hai una natura allegra e piena di speranza e un forte senso della giustizia e della correttezza. La fortuna arriva spesso al momento giusto, e di solito sei rispettato e benvoluto. Lo studio, i viaggi e la ricerca di un senso arricchiscono la tua vita e ti portano successo.)"},
    {Sun, Jupiter, Challenging, R"(Queste persone sono generose e ambiziose ma tendono a strafare, aspettandosi troppo dalla vita o da se stesse. Possono essere spendaccione, piene di sé o trascurate nei dettagli. Quando mantengono obiettivi realistici, il loro entusiasmo e la loro fede le portano lontano.)"},

    // ---- Sun and Saturn ----
    {Sun, Saturn, Conjunction, R"(Queste persone sono serie, responsabili e disciplinate, e spesso portano pesanti doveri fin da giovani. Possono aver sentito una mancanza di calore o di riconoscimento, in particolare da parte del padre, e possono essere molto dure con se stesse. Il successo arriva lentamente ma dura, perché costruiscono su un terreno solido.)"},
    {Sun, Saturn, Harmonious, R"(Sei paziente, pratico e affidabile, e sai lavorare con costanza verso obiettivi a lungo termine. Gli altri ti affidano responsabilità, e la tua carriera tende a salire gradualmente fino a una posizione rispettata. Invecchi bene e spesso acquisti sicurezza con gli anni.)"},
    {Sun, Saturn, Challenging, R"(Chi ha questo aspetto incontra ostacoli, ritardi e dubbi su di sé, e può sentire che la vita gli chiede più che agli altri. Padri, datori di lavoro e funzionari sembrano sbarrargli la strada, e la paura di fallire può frenarlo. Con la perseveranza acquista una disciplina e una forza che le vite più facili non sviluppano mai.)"},

    // ---- Sun and Uranus ----
    {Sun, Uranus, Conjunction, R"(Queste persone sono originali, indipendenti e spesso in anticipo sui tempi. Hanno bisogno della libertà di vivere a modo loro e reagiscono con forza a ogni tentativo di limitarle. La loro vita è segnata da cambiamenti improvvisi, e molte hanno talento per la scienza, l'invenzione o qualsiasi cosa nuova.)"},
    {Sun, Uranus, Harmonious, R"(Hai una mente inventiva e il coraggio di seguire la tua strada. Le idee nuove ti vengono facilmente, e sai portare cambiamenti senza sconvolgimenti inutili. Amici, gruppi e persone affini hanno un ruolo importante nel tuo successo.)"},
    {Sun, Uranus, Challenging, R"(Queste persone sono irrequiete e ribelli, e possono lasciare bruscamente un lavoro, una casa o una relazione quando si sentono in gabbia. La loro vita può essere piena di sconvolgimenti improvvisi e di scontri con l'autorità. Il loro dono è l'originalità, e quando imparano a lavorare con gli altri anziché contro di loro possono essere veri riformatori.)"},

    // ---- Sun and Neptune ----
    {Sun, Neptune, Conjunction, R"(Chi ha questa congiunzione è sensibile, fantasioso e idealista, con un forte sentimento per la musica, l'arte o il lato spirituale della vita. Il senso della propria identità può essere vago, e può essere difficile per lui farsi valere. Deve guardarsi dall'autoinganno e da chi approfitterebbe della sua bontà.)"},
    {Sun, Neptune, Harmonious, R"(Hai un'immaginazione ricca e una natura compassionevole, e rispondi profondamente all'arte, alla musica e alla bellezza. La tua intuizione è buona, e puoi ispirare gli altri con i tuoi ideali. Il lavoro creativo, terapeutico e benefico ti si addice.)"},
    {Sun, Neptune, Challenging, R"(Queste persone possono essere incerte sui propri obiettivi e lasciarsi sviare facilmente da illusioni, lusinghe o desiderio di fuga. Possono idealizzare gli altri e poi sentirsi ingannate quando la verità viene a galla. Devono tenere i piedi per terra in fatto di denaro e salute, e diffidare dell'alcol e delle droghe.)"},

    // ---- Sun and Pluto ----
    {Sun, Pluto, Conjunction, R"(Queste persone hanno una forza di volontà enorme, grande intensità e il bisogno di essere padrone del proprio destino. Attraversano nella vita trasformazioni profonde, spesso dopo una crisi, e ne escono ogni volta più forti. Possono essere leader formidabili, ma devono usare il loro potere con saggezza e non cercare di dominare gli altri.)"},
    {Sun, Pluto, Harmonious, R"(Hai una grande forza interiore e la capacità di rinnovarti dopo le difficoltà. Sai lavorare con una concentrazione intensa e non ti lasci distogliere facilmente una volta presa una decisione. Le posizioni di influenza ti vengono naturali, e puoi usarle per portare veri cambiamenti.)"},
    {Sun, Pluto, Challenging, R"(Chi ha questo aspetto viene trascinato in lotte di potere, specialmente con l'autorità, e può essere spinto da un bisogno feroce di prevalere. La vita porta sconvolgimenti che lo costringono a lasciar andare e ricominciare. Quando rivolge questa intensità al dominio di sé invece che degli altri, diventa straordinariamente resistente.)"},

    // ---- Sun and Ascendant ----
    {Sun, Ascendant, Conjunction, R"(Il Sole all'Ascendente dà una personalità calda e autorevole e un'aria naturale di comando. Queste persone sono sicure di sé, orgogliose e si fanno notare facilmente, e amano essere viste per ciò che sono. Salute e vitalità sono di solito buone, anche se possono essere piuttosto egocentriche.)"},
    {Sun, Ascendant, Harmonious, R"(Ti presenti con calore e sicurezza, e gli altri vedono subito le tue qualità. Il tuo scopo nella vita si accorda con il modo in cui affronti il mondo, il che ti rende facile da capire e degno di fiducia. La tua personalità risplende in tutto ciò che fai.)"},
    {Sun, Ascendant, Challenging, R"(Queste persone possono sentire che l'immagine che mostrano al mondo non corrisponde a ciò che sono davvero, o cercare la propria luce in un partner. Le relazioni possono portare scontri di volontà, specialmente con persone forti quanto loro. Trovare il modo di esprimere apertamente il proprio vero io porta loro serenità e riconoscimento.)"},

    // ---- Sun and Midheaven ----
    {Sun, Midheaven, Conjunction, R"(Il Sole al vertice del tema indica ambizione, un ruolo pubblico e il desiderio di essere riconosciuti per ciò che si realizza. Queste persone sono attratte dalle posizioni di comando e spesso hanno successo nella carriera. Possono identificarsi così tanto con il lavoro che la vita privata passa in secondo piano.)"},
    {Sun, Midheaven, Harmonious, R"(La tua carriera e il tuo scopo nella vita si sostengono a vicenda, così probabilmente troverai un lavoro adatto a te. I superiori ti rispettano, e il riconoscimento arriva senza che tu debba forzarlo. La tua reputazione tende a crescere costantemente nel corso della vita.)"},
    {Sun, Midheaven, Challenging, R"(Queste persone possono sentirsi divise tra i propri obiettivi personali e le esigenze della carriera, della casa o della famiglia. Possono incontrare l'opposizione dei superiori o lottare per il riconoscimento che ritengono di meritare. Una volta che sanno con chiarezza cosa vogliono, la loro spinta le porta a una posizione rispettata.)"},

    // ======================== Moon ========================

    // ---- Moon and Mercury ----
    {Moon, Mercury, Conjunction, R"(Queste persone pensano con i sentimenti e ricordano tutto ciò che le ha toccate emotivamente. Sono rapide, loquaci e ricettive, con una buona memoria e un fiuto per ciò che gli altri vogliono sentirsi dire. Le loro opinioni possono cambiare con l'umore.)"},
    {Moon, Mercury, Harmonious, R"(Traduci facilmente i sentimenti in parole, e il tuo buon senso è solido. Sai ascoltare con comprensione e sei un comunicatore nato, e impari bene dall'esperienza. La scrittura, l'insegnamento o il lavoro con il pubblico sono adatti a te.)"},
    {Moon, Mercury, Challenging, R"(Chi ha questo aspetto può scoprire che ragione e sentimento non vanno d'accordo, il che lo rende volubile, nervoso o incline a preoccuparsi. Quando è in ansia parla troppo o dice cose di cui poi si pente. Imparare a fermarsi prima di parlare trasforma la sua mente rapida e sensibile in una vera risorsa.)"},

    // ---- Moon and Venus ----
    {Moon, Venus, Conjunction, R"(Questa congiunzione dà una natura dolce, affettuosa e socievole e l'amore per il comfort e la bellezza. Queste persone sono gentili e benvolute, e creano una casa piacevole e accogliente. Possono fare di tutto per evitare le situazioni sgradevoli e tendono a concedersi troppo, soprattutto a tavola e con i dolci.)"},
    {Moon, Venus, Harmonious, R"(Hai un cuore caldo e un fascino spontaneo, e la gente si sente a suo agio in tua compagnia. La tua vita familiare e le tue relazioni sono di solito armoniose, e le donne ti aiutano spesso. Hai gusto artistico e ami un ambiente bello.)"},
    {Moon, Venus, Challenging, R"(Queste persone desiderano affetto ma possono sentire che l'amore non viene ricambiato con la pienezza con cui lo danno. Possono essere indulgenti con se stesse, spendere troppo per le comodità o cercare rassicurazione nel piacere. L'equilibrio arriva quando imparano a darsi la cura che offrono così volentieri agli altri.)"},

    // ---- Moon and Mars ----
    {Moon, Mars, Conjunction, R"(Queste persone hanno emozioni forti e rapide e reagiscono subito a tutto ciò che le tocca. Sono coraggiose e protettive verso chi amano, ma il loro temperamento si infiamma facilmente. Ben incanalata, la loro energia ne fa lavoratori instancabili per le persone e le cause che stanno loro a cuore.)"},
    {Moon, Mars, Harmonious, R"(Hai coraggio emotivo e l'energia per agire secondo i tuoi sentimenti. Sei franco ed entusiasta, pronto a difendere gli altri e a riprenderti dalle delusioni. La tua determinazione ti aiuta a portare a termine le cose, a casa come al lavoro.)"},
    {Moon, Mars, Challenging, R"(Chi ha questo aspetto è impulsivo e si lascia provocare facilmente, e i suoi umori possono sfociare in litigi, spesso in casa. Tende ad agire prima e a pentirsene dopo. L'attività fisica e un dialogo sincero sui propri sentimenti lo aiutano a scaricare la tensione prima che esploda.)"},

    // ---- Moon and Jupiter ----
    {Moon, Jupiter, Conjunction, R"(Queste persone sono generose, di buon cuore e ottimiste, e il loro buonumore le rende popolari. Godono spesso di una casa confortevole e della protezione della famiglia. Devono sorvegliare la tendenza a mangiare troppo o a essere troppo indulgenti con se stesse.)"},
    {Moon, Jupiter, Harmonious, R"(Hai una natura benevola e comprensiva e una fiducia nella vita che ti sostiene nei momenti difficili. Gli altri sono attratti dal tuo calore e spesso ti aiutano a loro volta. Casa, famiglia e viaggi ti danno molta felicità.)"},
    {Moon, Jupiter, Challenging, R"(Queste persone sono calorose e generose ma inclini all'eccesso, nei sentimenti, nel mangiare o nello spendere. Possono promettere più di quanto possano dare o aspettarsi troppo dagli altri. Imparare la moderazione trasforma il loro grande cuore in una vera fonte di fortuna.)"},

    // ---- Moon and Saturn ----
    {Moon, Saturn, Conjunction, R"(Queste persone tengono i sentimenti sotto stretto controllo e possono faticare a mostrare o ad accettare l'affetto. I primi anni di vita possono essere stati segnati da responsabilità, solitudine o da una madre distante o oberata. Sono leali, affidabili e pazienti, e il calore che imparano a mostrare più avanti è profondo e duraturo.)"},
    {Moon, Saturn, Harmonious, R"(Sei emotivamente stabile, assennato e affidabile, e prendi sul serio i tuoi doveri verso la famiglia. Affronti le questioni pratiche con calma e mantieni la testa fredda nelle crisi. La tua lealtà fa di te un amico e un partner fidato.)"},
    {Moon, Saturn, Challenging, R"(Chi ha questo aspetto può soffrire di solitudine, pessimismo o della sensazione di non essere amato abbastanza. Può essere sulla difensiva e lento a fidarsi, e i pesi familiari possono gravare su di lui per anni. Col tempo impara a prendersi cura di sé e acquista una grande maturità emotiva.)"},

    // ---- Moon and Uranus ----
    {Moon, Uranus, Conjunction, R"(Queste persone hanno una natura emotiva insolita e indipendente e hanno bisogno di molta libertà. I loro umori cambiano all'improvviso, e sono attratte dal nuovo e dall'anticonformismo. La vita domestica può essere irregolare, con frequenti traslochi o eventi inattesi.)"},
    {Moon, Uranus, Harmonious, R"(Sei intuitivo, inventivo e di mentalità aperta, e reagisci in fretta alle situazioni nuove. Fai amicizia facilmente e ami la varietà nella vita quotidiana. Il tuo modo originale di sentire aiuta gli altri a vedere le cose familiari sotto una luce nuova.)"},
    {Moon, Uranus, Challenging, R"(Chi ha questo aspetto è irrequieto ed emotivamente imprevedibile, e può abbandonare relazioni o case senza preavviso. Desidera l'emozione ma trova difficile l'intimità. Imparare a unire libertà e impegno gli porta la stabilità che desidera in segreto.)"},

    // ---- Moon and Neptune ----
    {Moon, Neptune, Conjunction, R"(Queste persone sono estremamente sensibili, ricettive e fantasiose, e colgono i sentimenti altrui quasi senza sforzo. Sono compassionevoli, artistiche e spesso dotate di facoltà medianiche. Hanno bisogno di protezione dagli ambienti duri e devono fare attenzione a non perdersi nei sogni o nei problemi altrui.)"},
    {Moon, Neptune, Harmonious, R"(Hai una natura dolce e comprensiva e un'intuizione forte. La musica, la poesia e le arti ti commuovono profondamente, e forse possiedi tu stesso veri doni creativi. Sei un soccorritore nato e consoli gli altri con facilità.)"},
    {Moon, Neptune, Challenging, R"(Chi ha questo aspetto può essere emotivamente confuso, facile da ingannare o incline a fuggire dalla realtà quando la vita si fa dura. La sua pronta compassione può renderlo vittima di chi se ne approfitta. Deve evitare alcol e droghe e porre confini chiari nelle relazioni.)"},

    // ---- Moon and Pluto ----
    {Moon, Pluto, Conjunction, R"(Queste persone sentono tutto con intensità e hanno emozioni profonde, talvolta compulsive. Proteggono con fierezza chi amano e possono essere possessive o gelose. Attraversano spesso crisi emotive che le cambiano completamente e le rendono più sagge.)"},
    {Moon, Pluto, Harmonious, R"(Hai profondità emotiva, acume e la forza di affrontare i sentimenti difficili. Comprendi i moventi nascosti delle persone e puoi aiutare gli altri ad attraversare una crisi. La tua capacità di rinnovarti emotivamente è notevole.)"},
    {Moon, Pluto, Challenging, R"(Chi ha questo aspetto può essere emotivamente estremo e lottare con gelosia, risentimento o il bisogno di controllare chi gli sta vicino. Il legame con la madre, o l'atmosfera familiare, può essere stato difficile. Affrontare con onestà i propri sentimenti trasforma questa intensità in una grande forza psicologica.)"},

    // ---- Moon and Ascendant ----
    {Moon, Ascendant, Conjunction, R"(La Luna all'Ascendente dà una personalità sensibile e mutevole i cui umori sono visibili a tutti. Queste persone sono materne e alla mano, e gli estranei si confidano facilmente con loro. Reagiscono fortemente all'ambiente e hanno bisogno di una casa tranquilla per stare al meglio.)"},
    {Moon, Ascendant, Harmonious, R"(Mostri i tuoi sentimenti con naturalezza, e la gente ti trova avvicinabile e simpatico. Ti adatti facilmente all'ambiente e hai un buon istinto per ciò di cui gli altri hanno bisogno. Casa e famiglia sono una parte importante del modo in cui ti presenti.)"},
    {Moon, Ascendant, Challenging, R"(Queste persone possono sentire che i loro bisogni interiori si scontrano con il comportamento che ci si aspetta da loro, o cercare in un partner la sicurezza che non sanno darsi da sole. I loro umori colorano fortemente le relazioni. Traggono beneficio dall'imparare a soddisfare prima i propri bisogni emotivi.)"},

    // ---- Moon and Midheaven ----
    {Moon, Midheaven, Conjunction, R"(La Luna vicino al Medio Cielo porta un coinvolgimento emotivo nella carriera e una vita vissuta sotto gli occhi del pubblico. Queste persone possono lavorare con il pubblico, con le donne, con il cibo, gli immobili o nelle professioni di cura. La loro posizione può salire e scendere, e possono cambiare carriera più volte.)"},
    {Moon, Midheaven, Harmonious, R"(La tua vita familiare e la tua carriera si sostengono a vicenda, e puoi avere successo in un lavoro che serve le persone o se ne prende cura. Il pubblico ti accoglie con calore. Tua madre o la tua famiglia ti aiutano spesso nei primi anni della carriera.)"},
    {Moon, Midheaven, Challenging, R"(Queste persone possono sentirsi divise tra le esigenze della casa e quelle della carriera. Le loro emozioni private possono influire sulla reputazione, e possono cambiare spesso direzione. Quando trovano un lavoro che soddisfa i loro bisogni emotivi, si stabilizzano e hanno successo.)"},

    // ======================== Mercury ========================

    // ---- Mercury and Venus ----
    {Mercury, Venus, Conjunction, R"(Queste persone parlano con grazia e pensano con gusto e tatto. Hanno spesso talento per la scrittura, la poesia, la musica o il design, e sono piacevoli compagnie. Preferiscono la diplomazia allo scontro e possono evitare di dire verità sgradevoli.)"},
    {Mercury, Venus, Harmonious, R"(Ti esprimi con fascino e hai il dono di trovare la parola giusta al momento giusto. La tua vita sociale è vivace, e puoi guadagnare con la scrittura, l'arte o qualsiasi lavoro con le parole. Sei un pacificatore nato tra amici e colleghi.)"},
    {Mercury, Venus, Challenging, R"(Chi ha questo aspetto può dire ciò che gli altri vogliono sentire anziché ciò che pensa davvero, o lasciare che l'affetto offuschi il suo giudizio. Può sembrare superficiale o indeciso. Un'espressione sincera dà vera sostanza al suo fascino naturale.)"},

    // ---- Mercury and Mars ----
    {Mercury, Mars, Conjunction, R"(Queste persone hanno una mente acuta, rapida e combattiva, e amano una bella discussione. Parlano con franchezza, decidono in fretta e difendono le proprie idee con vigore. Le loro parole possono ferire, e critiche sconsiderate possono procurare loro nemici.)"},
    {Mercury, Mars, Harmonious, R"(Pensi in fretta e metti in pratica le tue idee con energia. Sei deciso, pratico e persuasivo, e te la cavi bene nel dibattito, nel lavoro tecnico o dovunque serva pensare rapidamente. La tua resistenza mentale è notevole.)"},
    {Mercury, Mars, Challenging, R"(Chi ha questo aspetto si accalora facilmente nel parlare e può discutere per il gusto di discutere. Tende a essere impaziente e affrettato nei giudizi e può soffrire di tensione nervosa. Quando impara a moderare le parole, diventa un oratore e uno scrittore incisivo.)"},

    // ---- Mercury and Jupiter ----
    {Mercury, Jupiter, Conjunction, R"(Queste persone hanno una mente ampia e ottimista e amano lo studio, i viaggi e le grandi idee. Sono spesso buoni insegnanti, scrittori o oratori. Il loro punto debole è la tendenza a trascurare i dettagli o a promettere troppo.)"},
    {Mercury, Jupiter, Harmonious, R"(Hai un giudizio sano, una mente generosa e il talento di vedere il quadro d'insieme. Lo studio, l'editoria, il diritto e i viaggi possono tutti portarti successo. La gente si fida delle tue opinioni e viene da te per un consiglio.)"},
    {Mercury, Jupiter, Challenging, R"(Queste persone hanno molte idee ma possono esagerare, disperdere le energie o trascurare i dettagli. Il loro giudizio può essere superficiale, e possono parlare più di quanto facciano. La disciplina nello studio trasforma la loro mente ampia in vera saggezza.)"},

    // ---- Mercury and Saturn ----
    {Mercury, Saturn, Conjunction, R"(Queste persone pensano con serietà e attenzione, con una buona concentrazione e una mente pratica e metodica. In gioventù possono essere lente a parlare e timide, ma ciò che dicono è ben ponderato. Possono tendere a preoccuparsi o a vedere il lato oscuro delle cose.)"},
    {Mercury, Saturn, Harmonious, R"(Hai una mente disciplinata e organizzata e la pazienza per un lavoro accurato e preciso. Pianifichi bene, ricordi ciò che impari e parli con autorevolezza. Le scienze, la matematica, la contabilità e l'amministrazione sono adatte a te.)"},
    {Mercury, Saturn, Challenging, R"(Chi ha questo aspetto può aver avuto difficoltà a scuola o la sensazione che le sue idee non fossero prese sul serio. Il suo modo di pensare può essere pessimista, rigido o ansioso. Con la perseveranza sviluppa una grande disciplina mentale e profondità.)"},

    // ---- Mercury and Uranus ----
    {Mercury, Uranus, Conjunction, R"(Queste persone hanno una mente brillante, originale e molto veloce. Colgono le idee in modo intuitivo, amano le nuove tecnologie e pensano in modo anticonformista. Possono essere molto tese e impazienti con le menti più lente.)"},
    {Mercury, Uranus, Harmonious, R"(Hai una mente inventiva e lampi di intuizione che gli altri trovano stimolanti. Sei attratto dalla scienza, dai computer, dall'astrologia o dalle riforme, e impari molto in fretta. Il tuo pensiero è indipendente e spesso in anticipo sui tempi.)"},
    {Mercury, Uranus, Challenging, R"(Chi ha questo aspetto pensa molto in fretta ma può essere discontinuo, privo di tatto o polemico per principio. Può saltare da un'idea all'altra senza concludere nulla e soffrire di tensione nervosa. Ben incanalata, la sua originalità può portare a vere scoperte.)"},

    // ---- Mercury and Neptune ----
    {Mercury, Neptune, Conjunction, R"(Queste persone hanno una mente poetica, fantasiosa e intuitiva. Pensano per immagini e possono essere dotate per la musica, la poesia o le arti visive. Possono essere vaghe e distratte, e a volte faticano a separare i fatti dalla fantasia.)"},
    {Mercury, Neptune, Harmonious, R"(Hai un'immaginazione raffinata e il talento di esprimere sentimenti sottili con parole o immagini. La tua intuizione è forte, e forse sei attratto dagli studi mistici o spirituali. La scrittura, l'arte, la fotografia e il cinema sono adatti a te.)"},
    {Mercury, Neptune, Challenging, R"(Chi ha questo aspetto può essere confuso, distratto o facile da fuorviare, e deve fare attenzione a contratti e documenti. Può raccontare storie che offuscano la verità, talvolta senza accorgersene. La disciplina nel pensiero lo aiuta a trasformare l'immaginazione in doni creativi.)"},

    // ---- Mercury and Pluto ----
    {Mercury, Pluto, Conjunction, R"(Queste persone hanno una mente penetrante e indagatrice che va fino in fondo alle cose. Sono brave nella ricerca, nell'analisi e nello scoprire segreti, e le loro parole hanno peso. Possono essere riservate e ostinate nelle proprie opinioni.)"},
    {Mercury, Pluto, Harmonious, R"(Hai profondità mentale, percezione acuta e la capacità di concentrarti intensamente. La ricerca, la psicologia e le indagini sono adatte a te, e le tue parole possono persuadere e cambiare gli altri. Non ti lasci ingannare facilmente.)"},
    {Mercury, Pluto, Challenging, R"(Chi ha questo aspetto può essere ossessivo nel pensiero, sospettoso o prepotente nelle discussioni. Può cercare di imporre le proprie opinioni agli altri o custodire segreti che gli pesano. Quando usa onestamente il suo acume, diventa un ricercatore e un consulente eccellente.)"},

    // ---- Mercury and Ascendant ----
    {Mercury, Ascendant, Conjunction, R"(Mercurio all'Ascendente dà una personalità vivace, curiosa e loquace. Queste persone hanno un'aria sveglia e giovanile e amano scambiare idee con chiunque incontrino. Mani e occhi sono raramente fermi, e la noia è ciò che temono di più.)"},
    {Mercury, Ascendant, Harmonious, R"(Ti esprimi bene, e gli altri ti vedono come intelligente e facile con cui parlare. Fai una buona prima impressione con le parole e ti adatti in fretta a nuove compagnie. La tua mente è il tuo strumento migliore nel rapporto con il mondo.)"},
    {Mercury, Ascendant, Challenging, R"(Queste persone possono scoprire che il loro modo di parlare viene frainteso, o avere molte discussioni con partner e soci. Tendono a pensare troppo a come appaiono. Una comunicazione chiara e onesta rende più distese le loro relazioni.)"},

    // ---- Mercury and Midheaven ----
    {Mercury, Midheaven, Conjunction, R"(Mercurio al vertice del tema indica una carriera nella comunicazione, nella scrittura, nell'insegnamento, nel commercio o nei viaggi. Queste persone diventano note per la loro intelligenza e le loro parole. Possono cambiare spesso lavoro o fare più cose contemporaneamente.)"},
    {Mercury, Midheaven, Harmonious, R"(Le tue doti intellettuali aiutano la tua carriera, e puoi farti un buon nome parlando, scrivendo o negli affari. Organizzi la tua vita professionale con giudizio. Contatti e informazioni ti portano occasioni.)"},
    {Mercury, Midheaven, Challenging, R"(Queste persone possono essere irrequiete nella carriera o scoprire che le loro idee si scontrano con quelle dei superiori. Le preoccupazioni per la reputazione, o per le questioni di famiglia, possono distrarle. Un'attenta pianificazione le aiuta a trovare una carriera che sfrutti appieno la loro intelligenza.)"},

    // ======================== Venus ========================

    // ---- Venus and Mars ----
    {Venus, Mars, Conjunction, R"(Queste persone hanno passioni forti e una natura calda, affettuosa e sensuale. Amore e desiderio sono strettamente legati in loro, e spesso sono molto attraenti per gli altri. Possono precipitarsi nelle relazioni e agire d'impulso in amore.)"},
    {Venus, Mars, Harmonious, R"(Hai una natura calda e passionale e un buon equilibrio tra il dare e il ricevere in amore. La tua energia creativa e artistica è forte. Sei attraente per gli altri e di solito felice nelle tue relazioni.)"},
    {Venus, Mars, Challenging, R"(Chi ha questo aspetto sente una forte tensione tra amore e desiderio, e le sue relazioni possono essere burrascose o piene di litigi. In amore può essere impulsivo o geloso. Imparare a unire tenerezza e passione gli porta appagamento.)"},

    // ---- Venus and Jupiter ----
    {Venus, Jupiter, Conjunction, R"(È una delle congiunzioni più fortunate e dà generosità, fascino, buon gusto e amore per il piacere. Queste persone sono popolari e spesso fortunate in amore e con il denaro. Possono essere spendaccione e troppo indulgenti con se stesse.)"},
    {Venus, Jupiter, Harmonious, R"(Hai una natura gentile e generosa e attiri benevolenza ovunque tu vada. Amore, matrimonio e amicizia sono di solito felici, e il denaro tende ad arrivare facilmente. Arte, musica e vita sociale ti danno gioia.)"},
    {Venus, Jupiter, Challenging, R"(Queste persone hanno buon cuore ma sono inclini all'eccesso nel piacere, nelle spese o negli affetti. Possono essere pigre o aspettarsi che gli altri provvedano a loro. La moderazione trasforma la loro fortuna naturale in un beneficio duraturo.)"},

    // ---- Venus and Saturn ----
    {Venus, Saturn, Conjunction, R"(Queste persone sono serie e fedeli in amore ma possono essere timide, riservate o lente a mostrare affetto. Spesso si sposano tardi o scelgono un partner più anziano, e le loro relazioni sono fatte per durare. Apprezzano la qualità, la solidità e la bellezza classica.)"},
    {Venus, Saturn, Harmonious, R"(Sei fedele e responsabile nelle relazioni e prendi sul serio i tuoi impegni. Il tuo senso artistico ha disciplina e forma. Il tuo amore si approfondisce con gli anni, e gestisci il denaro con saggezza.)"},
    {Venus, Saturn, Challenging, R"(Chi ha questo aspetto può sentirsi non amato, respinto o frenato nelle relazioni, e l'amore può arrivargli con delusioni o ritardi. Può essere troppo prudente per aprire il proprio cuore. Pazienza e rispetto di sé gli portano alla fine un'unione duratura.)"},

    // ---- Venus and Uranus ----
    {Venus, Uranus, Conjunction, R"(Queste persone sono attratte da relazioni insolite ed eccitanti e hanno bisogno di libertà in amore. Si innamorano all'improvviso e possono chiudere una storia altrettanto in fretta. Il loro gusto artistico è originale e spesso in anticipo sulla moda.)"},
    {Venus, Uranus, Harmonious, R"(Hai una personalità magnetica e attiri persone interessanti. La tua vita sentimentale è vivace e anticonformista senza essere instabile, e le tue amicizie sono stimolanti. Hai idee creative originali.)"},
    {Venus, Uranus, Challenging, R"(Chi ha questo aspetto può vivere attrazioni improvvise, separazioni improvvise e relazioni che non si assestano mai del tutto. Vuole insieme vicinanza e indipendenza e fatica a conciliarle. Lasciare libertà a un partner restando fedele gli porta felicità.)"},

    // ---- Venus and Neptune ----
    {Venus, Neptune, Conjunction, R"(Queste persone sono romantiche, idealiste e dotate artisticamente, specialmente nella musica, nella danza o nella poesia. Sognano l'amore perfetto e possono sacrificarsi. Possono restare deluse quando un partner non è all'altezza dell'ideale.)"},
    {Venus, Neptune, Harmonious, R"(Hai una natura raffinata e sensibile e un forte senso della bellezza e dell'armonia. L'amore ha per te una qualità spirituale, e la tua compassione va ben oltre la tua cerchia. Il tuo talento artistico è spesso notevole.)"},
    {Venus, Neptune, Challenging, R"(Chi ha questo aspetto è incline alle illusioni in amore e può ingannarsi, o essere ingannato, riguardo a un partner. Può scivolare in relazioni segrete o sacrificare troppo per qualcuno che non lo merita. Un giudizio lucido lo aiuta a trovare un amore vero.)"},

    // ---- Venus and Pluto ----
    {Venus, Pluto, Conjunction, R"(Queste persone amano in modo intenso e appassionato, e le loro relazioni le trasformano. Sono magnetiche e attraenti, ma possono essere gelose e possessive. La loro vita sentimentale e le loro finanze possono entrambe attraversare cambiamenti drammatici.)"},
    {Venus, Pluto, Harmonious, R"(Hai sentimenti profondi e intensi e una grande capacità di amare. Le tue relazioni ti aiutano a crescere, e puoi riprenderti completamente dopo una delusione d'amore. Forse hai talento nel guadagnare attraverso investimenti o risorse condivise.)"},
    {Venus, Pluto, Challenging, R"(Chi ha questo aspetto può incontrare in amore gelosia, ossessione o lotte di potere. Le relazioni possono finire in modo drammatico e lasciare segni profondi. Quando impara ad amare senza il bisogno di controllare, acquista una grande profondità emotiva.)"},

    // ---- Venus and Ascendant ----
    {Venus, Ascendant, Conjunction, R"(Venere all'Ascendente dà fascino, grazia e bell'aspetto. Queste persone sono piacevoli, socievoli e benvolute, e si vestono con gusto. Possono essere vanitose, o così desiderose di piacere da faticare a dire di no.)"},
    {Venus, Ascendant, Harmonious, R"(Sei affascinante, pieno di tatto e piacevole da frequentare, e la gente si affeziona presto a te. I tuoi modi sono aggraziati, e le tue relazioni sono di solito felici. Ti riesce facile far sentire gli altri benvenuti.)"},
    {Venus, Ascendant, Challenging, R"(Queste persone possono dipendere troppo da un partner per il proprio senso di valore, o scoprire che l'amore porta loro difficoltà inattese. Possono essere troppo accomodanti e cedere per mantenere la pace. Imparare a stimarsi aiuta le loro relazioni a trovare un vero equilibrio.)"},

    // ---- Venus and Midheaven ----
    {Venus, Midheaven, Conjunction, R"(Venere al vertice del tema dà una buona reputazione e successo in lavori legati all'arte, alla bellezza, alla moda o alla diplomazia. Queste persone sono benvolute dai colleghi e dal pubblico. La loro disinvoltura sociale aiuta la carriera.)"},
    {Venus, Midheaven, Harmonious, R"(Il tuo fascino e il tuo tatto aiutano la carriera, e i tuoi superiori ti apprezzano. Puoi guadagnarti da vivere con l'arte, la bellezza o il lavoro con le persone. La tua immagine pubblica è attraente.)"},
    {Venus, Midheaven, Challenging, R"(Queste persone possono scoprire che amore e carriera tirano in direzioni diverse, o che casa e lavoro si contendono il loro affetto. Possono contare sul fatto di piacere dove il duro lavoro servirebbe di più. Un equilibrio tra vita privata e vita pubblica porta loro soddisfazione.)"},

    // ======================== Mars ========================

    // ---- Mars and Jupiter ----
    {Mars, Jupiter, Conjunction, R"(Queste persone hanno energia, entusiasmo e coraggio in abbondanza, e perseguono grandi obiettivi con molta fiducia. Sono avventurose e amano lo sport, i viaggi e la competizione. Possono essere spericolate e troppo sicure di sé, e intraprendere più di quanto perfino loro possano gestire.)"},
    {Mars, Jupiter, Harmonious, R"(Unisci energia e buon giudizio, e i tuoi sforzi tendono a essere ricompensati. Sei intraprendente, franco e generoso, e hai spesso successo negli affari, nello sport o nel diritto. Sei pronto a batterti per una causa giusta.)"},
    {Mars, Jupiter, Challenging, R"(Chi ha questo aspetto è irrequieto e impulsivo e può assumersi troppo o agire avventatamente. Può essere spendaccione, incurante dei rischi o litigioso riguardo alle proprie convinzioni. Quando dirige saggiamente la sua energia, realizza grandi cose.)"},

    // ---- Mars and Saturn ----
    {Mars, Saturn, Conjunction, R"(Queste persone hanno grande resistenza e sanno lavorare con costanza verso obiettivi difficili. Sono disciplinate e determinate, ma possono sentire la propria energia bloccata o frustrata. Devono guardarsi dalla rabbia trattenuta troppo a lungo e dalla durezza verso se stesse e gli altri.)"},
    {Mars, Saturn, Harmonious, R"(Unisci energia e pazienza e puoi lavorare sodo per lunghi periodi. Sei pratico, organizzato e affidabile nei compiti difficili. L'ingegneria, l'edilizia, la gestione e qualsiasi lavoro che richieda resistenza sono adatti a te.)"},
    {Mars, Saturn, Challenging, R"(Chi ha questo aspetto può incontrare frustrazioni, ritardi e ostacoli che bloccano i suoi sforzi. Può oscillare tra prudenza e avventatezza e provare una rabbia che non riesce a esprimere. La perseveranza trasforma alla fine questa lotta in vera resistenza e forza.)"},

    // ---- Mars and Uranus ----
    {Mars, Uranus, Conjunction, R"(Queste persone sono audaci, indipendenti e piene di energia nervosa, e agiscono all'improvviso. Amano l'avventura, la velocità e le macchine e non sopportano alcun vincolo. Devono fare attenzione a evitare incidenti e improvvisi scatti d'ira.)"},
    {Mars, Uranus, Harmonious, R"(Hai coraggio, originalità e riflessi pronti, e agisci con decisione quando serve un cambiamento. Sei inventivo nelle questioni pratiche e puoi aprire la strada a metodi nuovi. Gli altri trovano la tua energia entusiasmante.)"},
    {Mars, Uranus, Challenging, R"(Chi ha questo aspetto è impaziente, ribelle e incline ad azioni improvvise di cui si pente. Può essere soggetto a incidenti e deve fare attenzione a macchinari, elettricità, fuoco e velocità. Imparare l'autocontrollo trasforma la sua audacia in vero coraggio.)"},

    // ---- Mars and Neptune ----
    {Mars, Neptune, Conjunction, R"(Queste persone agiscono per ispirazione e per ideali, e la loro energia va spesso nell'arte, nella musica, nella danza o nell'aiuto agli altri. La loro spinta può essere discontinua e difficile da sostenere. Devono evitare di andare alla deriva o di agire in base a illusioni su ciò che possono ottenere.)"},
    {Mars, Neptune, Harmonious, R"(Metti la tua energia nei tuoi sogni e nei tuoi ideali, e forse hai talento per la danza, il cinema, la musica o le terapie. Lavori volentieri per le cause in cui credi. La tua intuizione guida bene le tue azioni.)"},
    {Mars, Neptune, Challenging, R"(Chi ha questo aspetto può sentire la propria energia prosciugata o dispersa, e può agire nella confusione o lasciarsi coinvolgere dall'inganno. Conflitti nascosti, avversari subdoli o il desiderio di fuga possono turbarlo. Obiettivi chiari e rapporti onesti lo proteggono.)"},

    // ---- Mars and Pluto ----
    {Mars, Pluto, Conjunction, R"(Queste persone hanno un'energia e una forza di volontà immense, e possono superare quasi ogni ostacolo. Sono intense, impavide e determinate, ma possono diventare spietate quando vengono ostacolate. La loro forza trova il miglior impiego nelle grandi imprese.)"},
    {Mars, Pluto, Harmonious, R"(Hai una resistenza straordinaria e la capacità di concentrare la tua energia su un obiettivo finché non lo raggiungi. Sei coraggioso nelle crisi e sai ricostruire dopo le sconfitte. La sola determinazione ti permette di realizzare moltissimo.)"},
    {Mars, Pluto, Challenging, R"(Chi ha questo aspetto viene coinvolto in lotte di potere e può subire la forza, o usarla a sua volta. Può essere compulsivo e spietato quando vuole qualcosa. Imparare a usare il proprio potere in modo costruttivo gli dà una forza straordinaria.)"},

    // ---- Mars and Ascendant ----
    {Mars, Ascendant, Conjunction, R"(Marte all'Ascendente dà una personalità energica, assertiva e coraggiosa. Queste persone sono dirette, competitive e fisicamente attive, e sono soggette a tagli, bruciature e piccole ferite dovute alla fretta. Possono essere aggressive e facili all'ira.)"},
    {Mars, Ascendant, Harmonious, R"(Affronti il mondo con energia e sicurezza e prendi volentieri l'iniziativa. Il tuo coraggio e la tua schiettezza ti guadagnano rispetto. Sei fisicamente attivo e ti riprendi in fretta da malattie o fatiche.)"},
    {Mars, Ascendant, Challenging, R"(Queste persone possono apparire aggressive, o attirare litigi con partner e avversari dichiarati. Possono essere impazienti con gli altri e offendersi facilmente. Imparare a collaborare trasforma la loro spinta in forza.)"},

    // ---- Mars and Midheaven ----
    {Mars, Midheaven, Conjunction, R"(Marte al vertice del tema dà una forte ambizione e grande energia per la carriera. Queste persone vogliono comandare e si trovano spesso in campi come l'ingegneria, le forze armate, la chirurgia o lo sport. Possono scontrarsi con i superiori.)"},
    {Mars, Midheaven, Harmonious, R"(Lavori sodo per la tua carriera e avanzi grazie alla tua iniziativa. Sei ambizioso, energico e bravo a guidare gli altri. La tua reputazione si fonda sul tuo coraggio e sui tuoi risultati.)"},
    {Mars, Midheaven, Challenging, R"(Queste persone possono entrare in conflitto con l'autorità, i concorrenti o la famiglia nel perseguire le proprie ambizioni. Possono essere avventate nelle scelte professionali e farsi nemici sul lavoro. Pazienza e collaborazione le aiutano a raggiungere i loro obiettivi.)"},

    // ======================== Jupiter ========================

    // ---- Jupiter and Saturn ----
    {Jupiter, Saturn, Conjunction, R"(Queste persone bilanciano l'ottimismo con la prudenza e la speranza con il realismo. Costruiscono con costanza, spesso con grande successo più avanti negli anni, e sanno pianificare bene il futuro. Possono oscillare tra fiducia e dubbio.)"},
    {Jupiter, Saturn, Harmonious, R"(Hai un buon giudizio, pazienza e un sano senso della misura. Pianifichi con saggezza e sai trasformare le occasioni in successo duraturo. Gli altri rispettano la tua equità e la tua esperienza.)"},
    {Jupiter, Saturn, Challenging, R"(Chi ha questo aspetto può sentirsi diviso tra crescita e restrizione, tra lo slancio a espandersi e il bisogno di prudenza. La sua vita può alternare periodi di fortuna e periodi di difficoltà. Imparare quando avanzare e quando trattenersi gli porta stabilità.)"},

    // ---- Jupiter and Uranus ----
    {Jupiter, Uranus, Conjunction, R"(Queste persone sono ottimiste, originali e aperte alle idee nuove, e godono spesso di improvvisi colpi di fortuna. Amano la libertà, i viaggi e l'avventura. Possono essere irrequiete e imprevedibili nelle loro convinzioni e nei loro progetti.)"},
    {Jupiter, Uranus, Harmonious, R"(Hai una mente inventiva, una visione ampia e il talento di vedere opportunità dove altri non ne vedono. Una fortuna improvvisa ti aiuta spesso. Sei un riformatore nato e un pensatore progressista.)"},
    {Jupiter, Uranus, Challenging, R"(Chi ha questo aspetto può essere irrequieto e ribelle, e soggetto a bruschi cambiamenti di fede o di fortuna. Può correre rischi imprudenti in cerca di libertà o di guadagno rapido. Moderazione e pazienza lo aiutano a fare buon uso della sua originalità.)"},

    // ---- Jupiter and Neptune ----
    {Jupiter, Neptune, Conjunction, R"(Queste persone sono idealiste, compassionevoli e inclini alla spiritualità, e possono essere attratte dalla religione, dal misticismo o dall'arte. Sono generose e gentili. Possono essere poco realistiche e facili da ingannare.)"},
    {Jupiter, Neptune, Harmonious, R"(Hai uno spirito generoso e una profonda simpatia per gli altri. La tua intuizione e la tua immaginazione sono forti, e puoi trovare appagamento nella carità, nell'arte o nella vita spirituale. La fortuna ti arriva spesso attraverso la fede.)"},
    {Jupiter, Neptune, Challenging, R"(Chi ha questo aspetto può lasciarsi trascinare da sogni impossibili, falsi maestri o pii desideri. Può essere spendaccione o poco pratico, specialmente con il denaro. Mantenere il senso della misura lo aiuta a realizzare i propri ideali.)"},

    // ---- Jupiter and Pluto ----
    {Jupiter, Pluto, Conjunction, R"(Queste persone hanno una grande ambizione e la capacità di organizzare su vasta scala. Possono essere attratte da posizioni di influenza, dalla finanza o dalle riforme. Possono essere fanatiche nelle loro convinzioni.)"},
    {Jupiter, Pluto, Harmonious, R"(Hai una volontà forte e la capacità di riuscire grazie alla visione e alla determinazione. Sai ridare vita a situazioni compromesse e guidare gli altri verso il cambiamento. Le tue risorse crescono spesso grazie a investimenti o ricchezze condivise.)"},
    {Jupiter, Pluto, Challenging, R"(Chi ha questo aspetto può cercare in modo eccessivo potere, ricchezza o influenza ed entrare in conflitto con l'autorità o la legge. Può essere dogmatico e convinto che il fine giustifichi i mezzi. Usare il proprio potere per il bene altrui gli porta vero successo.)"},

    // ---- Jupiter and Ascendant ----
    {Jupiter, Ascendant, Conjunction, R"(Giove all'Ascendente dà una personalità generosa, ottimista e cordiale. Queste persone sono popolari, sicure di sé e spesso fortunate, e con l'età tendono a ingrassare. Possono esagerare.)"},
    {Jupiter, Ascendant, Harmonious, R"(Affronti il mondo con calore e buonumore, e gli altri si fidano di te a prima vista. Occasioni e aiuto sembrano trovarti da soli, spesso tramite insegnanti, viaggi o persone dall'estero. I tuoi modi cordiali e aperti ti aprono molte porte.)"},
    {Jupiter, Ascendant, Challenging, R"(Queste persone possono sopravvalutarsi o promettere troppo nei rapporti con gli altri. Possono essere spendaccione o presuntuose. Quando mantengono la loro generosità entro certi limiti, hanno fortuna nelle unioni e nelle società.)"},

    // ---- Jupiter and Midheaven ----
    {Jupiter, Midheaven, Conjunction, R"(Giove al vertice del tema è un segno classico di successo e di buon nome. Queste persone raggiungono spesso posizioni di onore e di autorità, nel diritto, nell'insegnamento, nell'editoria o nella vita pubblica. Possono essere troppo ambiziose o dare per scontata la propria fortuna.)"},
    {Jupiter, Midheaven, Harmonious, R"(La tua carriera prospera, e nella vita pubblica sei rispettato per la tua equità e generosità. Le occasioni arrivano tramite superiori e contatti influenti. Hai un dono naturale per il comando che gli altri seguono volentieri.)"},
    {Jupiter, Midheaven, Challenging, R"(Queste persone possono puntare così in alto da strafare, o vedere carriera e famiglia contendersi il loro tempo. Possono essere troppo orgogliose della propria posizione. Obiettivi realistici portano loro un successo duraturo.)"},

    // ======================== Saturn ========================

    // ---- Saturn and Uranus ----
    {Saturn, Uranus, Conjunction, R"(Queste persone uniscono disciplina e originalità e sanno dare forma pratica alle idee nuove. Sentono spesso una tensione tra tradizione e cambiamento, tra ciò che è stato costruito e ciò che vuole nascere. Sono determinate e perseveranti una volta scelta la rotta.)"},
    {Saturn, Uranus, Harmonious, R"(Sai introdurre riforme in modo pratico e responsabile. Rispetti la tradizione ma accogli il progresso, e lavori con costanza ai nuovi progetti finché riescono. La scienza, la tecnologia e l'organizzazione sono adatte a te.)"},
    {Saturn, Uranus, Challenging, R"(Chi ha questo aspetto sente un forte conflitto tra il bisogno di sicurezza e l'impulso alla libertà. Sconvolgimenti improvvisi possono scuotere situazioni che credeva stabili, e può oscillare tra un controllo rigido e la ribellione. Trovare un equilibrio tra vecchio e nuovo gli dà una grande forza.)"},

    // ---- Saturn and Neptune ----
    {Saturn, Neptune, Conjunction, R"(Queste persone cercano di dare forma ai propri sogni e ideali, e possono essere dotate per l'architettura, la musica o una disciplina spirituale. Possono essere inclini alla malinconia quando la realtà non è all'altezza della visione. Devono fare attenzione a non rinunciare troppo presto ai propri ideali.)"},
    {Saturn, Neptune, Harmonious, R"(Puoi realizzare i tuoi sogni con l'impegno pratico e la pazienza. La tua intuizione è disciplinata, e forse hai talento per l'arte, le terapie o il servizio agli altri. Sei compassionevole e responsabile.)"},
    {Saturn, Neptune, Challenging, R"(Chi ha questo aspetto può soffrire di paure vaghe, delusioni o della sensazione che i suoi sogni non si avvereranno mai. Ansie nascoste possono minare la sua fiducia o la sua salute. La fede unita all'impegno pratico lo aiuta a superare queste paure.)"},

    // ---- Saturn and Pluto ----
    {Saturn, Pluto, Conjunction, R"(Queste persone hanno grande resistenza, serietà e determinazione, e possono sopravvivere a vere avversità. Possono essere spietate nel perseguire i propri scopi. La loro vita può portare pesanti fardelli che alla fine le trasformano.)"},
    {Saturn, Pluto, Harmonious, R"(Hai grande disciplina e capacità di concentrazione, e sai ricostruire le cose dalle fondamenta. Persegui con pazienza obiettivi a lungo termine e non ti scoraggi per lo sforzo che costano. La tua forza sta nella resistenza.)"},
    {Saturn, Pluto, Challenging, R"(Chi ha questo aspetto può incontrare circostanze dure, pesanti responsabilità o pressioni da autorità a cui non può sfuggire. Può diventare rigido o temere di perdere il controllo. Affrontare queste sfide gli dà una forza formidabile.)"},

    // ---- Saturn and Ascendant ----
    {Saturn, Ascendant, Conjunction, R"(Saturno all'Ascendente dà un modo di fare serio, riservato e responsabile. Queste persone possono sembrare più vecchie della loro età e hanno spesso un'infanzia dura o solitaria. Con l'età diventano più sicure e rilassate.)"},
    {Saturn, Ascendant, Harmonious, R"(Ti presenti come affidabile, maturo e disciplinato, e gli altri ti affidano responsabilità. Sei paziente e non sprechi le tue energie. La tua costanza ti guadagna un rispetto duraturo.)"},
    {Saturn, Ascendant, Challenging, R"(Queste persone possono sentirsi limitate dagli altri o gravate dalle loro unioni, e possono sposarsi tardi o scegliere un partner molto più anziano o più serio di loro. Possono essere timide o sulla difensiva con le persone nuove. La pazienza porta loro relazioni durature e mature.)"},

    // ---- Saturn and Midheaven ----
    {Saturn, Midheaven, Conjunction, R"(Saturno al vertice del tema dà una grande ambizione e un'ascesa professionale lenta ma sicura. Queste persone si guadagnano l'autorità con il duro lavoro. Devono guardarsi da una caduta da una posizione elevata se abusano del loro potere.)"},
    {Saturn, Midheaven, Harmonious, R"(La tua carriera cresce con costanza grazie a disciplina, responsabilità e pazienza. Sei rispettato per la tua affidabilità e il tuo senso del dovere. Il successo arriva più avanti nella vita e dura.)"},
    {Saturn, Midheaven, Challenging, R"(Queste persone possono incontrare ostacoli nella carriera, o essere frenate dai doveri familiari. Possono sentire che i loro risultati restano a lungo non riconosciuti. La perseveranza porta loro alla fine il rispetto per cui hanno lavorato.)"},

    // ======================== Uranus ========================

    // ---- Uranus and Neptune ----
    {Uranus, Neptune, Conjunction, R"(Questa congiunzione è condivisa da un'intera generazione e indica un interesse per il misticismo, i nuovi movimenti spirituali e l'arte ispirata. In un tema personale dà intuizione e sensibilità ai cambiamenti sociali. Queste persone possono essere idealiste riguardo al futuro.)"},
    {Uranus, Neptune, Harmonious, R"(Hai una comprensione intuitiva e un'apertura alle nuove idee spirituali e artistiche, come gran parte della tua generazione. Forse sei dotato per la musica, la psicologia o le arti terapeutiche. Avverti i cambiamenti in arrivo prima degli altri.)"},
    {Uranus, Neptune, Challenging, R"(Questo aspetto è condiviso da una generazione cresciuta in tempi di confusione e di cambiamento sociale. In un tema personale può dare tensione nervosa e idee poco realistiche. Un approccio concreto aiuta queste persone a usare la loro ispirazione.)"},

    // ---- Uranus and Pluto ----
    {Uranus, Pluto, Conjunction, R"(Questa congiunzione segna un'intera generazione nata in un periodo di sconvolgimenti e indica una spinta verso il cambiamento radicale. Sul piano personale queste persone possono essere rivoluzionarie e intense. Possono portare profonde trasformazioni nel mondo che le circonda.)"},
    {Uranus, Pluto, Harmonious, R"(Appartieni a una generazione capace di portare cambiamenti costruttivi nella società, e hai un istinto per le forze che plasmano il tuo tempo. Gli sconvolgimenti non ti spaventano. Ti ci adatti bene e aiuti gli altri a fare lo stesso.)"},
    {Uranus, Pluto, Challenging, R"(Questo aspetto appartiene a una generazione che ha vissuto cambiamenti sociali improvvisi e a volte violenti. Sul piano personale può portare sconvolgimenti che impongono un inizio del tutto nuovo. Queste persone devono imparare ad accettare il cambiamento invece di combatterlo.)"},

    // ---- Uranus and Ascendant ----
    {Uranus, Ascendant, Conjunction, R"(Urano all'Ascendente dà una personalità originale, indipendente e anticonformista. Queste persone sembrano insolite agli altri e hanno bisogno di molta libertà. La loro vita è segnata da svolte improvvise.)"},
    {Uranus, Ascendant, Harmonious, R"(Ti presenti come originale e inventivo, e gli altri trovano stimolante la tua compagnia. Ti adatti bene al cambiamento e spesso vedi a prima vista un modo nuovo di fare le cose. Amici e gruppi ti aiutano lungo il cammino.)"},
    {Uranus, Ascendant, Challenging, R"(Queste persone possono vivere inizi e fini improvvisi nelle relazioni, o essere attratte da partner insoliti e amanti della libertà. Gli altri possono trovarle incostanti o poco affidabili. Uno spazio di indipendenza all'interno della coppia è per loro indispensabile.)"},

    // ---- Uranus and Midheaven ----
    {Uranus, Midheaven, Conjunction, R"(Urano al vertice del tema indica una carriera insolita, spesso nella tecnologia, nella scienza, nell'astrologia o nella riforma sociale. Queste persone possono cambiare professione all'improvviso, a volte più di una volta. Hanno bisogno di indipendenza nel lavoro e mal sopportano un datore di lavoro convenzionale.)"},
    {Uranus, Midheaven, Harmonious, R"(La tua carriera trae vantaggio dall'originalità e dalle idee nuove, e forse lavorerai nella tecnologia, nella ricerca o in settori d'avanguardia. Capisci in fretta dove sta andando una professione. Occasioni inattese ti fanno avanzare nei momenti di svolta della tua vita.)"},
    {Uranus, Midheaven, Challenging, R"(Queste persone possono vivere cambiamenti improvvisi nella carriera, o conflitti con l'autorità che pongono bruscamente fine a un incarico. Anche la vita domestica può essere turbata da traslochi o sconvolgimenti. Un lavoro che dia loro indipendenza, o un'attività in proprio, è la soluzione migliore.)"},

    // ======================== Neptune ========================

    // ---- Neptune and Pluto ----
    {Neptune, Pluto, Conjunction, R"(Questa rara congiunzione segna la generazione nata alla fine dell'Ottocento, un'epoca in cui le vecchie certezze si dissolvevano e nuove idee spirituali e scientifiche mettevano radici. In un tema personale dà un senso profondo, spesso inconscio, di partecipare a grandi cambiamenti storici. Il suo effetto si avverte più attraverso l'epoca che attraverso l'individuo.)"},
    {Neptune, Pluto, Harmonious, R"(Il lungo sestile di questi due pianeti è condiviso dalle generazioni nate dalla metà del Novecento in poi e lega i loro ideali al desiderio di un rinnovamento profondo. Sul piano personale dà una comprensione intuitiva delle forze collettive e un interesse per la psicologia e la spiritualità. Agisce in silenzio sullo sfondo del tema.)"},
    {Neptune, Pluto, Challenging, R"(Una quadratura o un'opposizione tra questi due pianeti lenti appartiene a intere generazioni e a epoche di profonda crisi collettiva. In un tema personale può indicare la sensazione di vivere il crollo di vecchi ideali. A queste persone è chiesto di trovare fede e senso dove altri vedono solo perdita.)"},

    // ---- Neptune and Ascendant ----
    {Neptune, Ascendant, Conjunction, R"(Nettuno all'Ascendente dà una presenza morbida e mutevole in cui la gente tende a vedere ciò che desidera vedere. Queste persone sono impressionabili, artistiche e intuitive, e molte hanno un dono per la recitazione, la musica o la fotografia. Devono stare attente all'alcol, alle droghe e a chi potrebbe approfittarsi di loro.)"},
    {Neptune, Ascendant, Harmonious, R"(Appari gentile, comprensivo e fantasioso, e gli altri avvertono la tua bontà. La tua intuizione ti guida bene nei rapporti con le persone. Hai un senso naturale per l'arte, la musica e tutto ciò che eleva lo spirito.)"},
    {Neptune, Ascendant, Challenging, R"(Queste persone possono non sapere come le vedono gli altri, o idealizzare un partner e poi restare deluse. Possono essere ingannate nelle relazioni e nelle società d'affari. L'onestà con se stesse e una lettura attenta di ogni contratto le proteggono.)"},

    // ---- Neptune and Midheaven ----
    {Neptune, Midheaven, Conjunction, R"(Nettuno al vertice del tema indica una carriera nelle arti, nel cinema, nella musica, nella medicina o nella beneficenza, o una vocazione di tipo spirituale. Queste persone possono avere un senso incerto della direzione nella carriera. La loro reputazione può essere affascinante ma anche soggetta a dicerie.)"},
    {Neptune, Midheaven, Harmonious, R"(La tua immaginazione e la tua compassione possono plasmare la tua carriera. Puoi avere successo nelle arti, nelle terapie o nel servizio agli altri, e il tuo lavoro può ispirare le persone. Sono i tuoi ideali, più dell'ambizione, a guidare la scelta del lavoro.)"},
    {Neptune, Midheaven, Challenging, R"(Queste persone possono essere incerte sulla propria direzione professionale o deluse dal loro lavoro. Possono incontrare scandali, dicerie o malintesi nella vita pubblica e devono essere scrupolose in tutti i loro affari. Obiettivi realistici le aiutano a trovare la loro vera vocazione.)"},

    // ======================== Pluto ========================

    // ---- Pluto and Ascendant ----
    {Pluto, Ascendant, Conjunction, R"(Plutone all'Ascendente dà uno sguardo penetrante e una personalità che si percepisce prima di capirla. Queste persone tengono per sé i propri pensieri e osservano gli altri da vicino, e possono mettere a disagio la gente senza volerlo. La loro vita attraversa crisi che le trasformano completamente.)"},
    {Pluto, Ascendant, Harmonious, R"(Hai un'intensità tranquilla e una forza di carattere che gli altri rispettano. Sai rinnovarti dopo i momenti difficili e aiutare gli altri ad attraversare i loro. Capisci che cosa muove le persone, spesso prima che lo sappiano loro stesse.)"},
    {Pluto, Ascendant, Challenging, R"(Queste persone possono essere coinvolte in lotte di potere nelle relazioni, o attirare partner che cercano di controllarle. Possono essere intense ed esigenti con gli altri e lente a perdonare. Imparare a condividere il potere porta loro pace.)"},

    // ---- Pluto and Midheaven ----
    {Pluto, Midheaven, Conjunction, R"(Plutone al vertice del tema dà una potente spinta al successo e al controllo del proprio destino. Queste persone possono salire a posizioni di grande influenza e spesso trasformano il loro campo. Devono guardarsi dall'abuso di potere.)"},
    {Pluto, Midheaven, Harmonious, R"(Hai il potere di trasformare la tua carriera e di guidare con profondità e acume. Puoi lavorare nella ricerca, nella psicologia, nella finanza o in qualsiasi campo che richieda una comprensione profonda. La tua influenza cresce con il tempo.)"},
    {Pluto, Midheaven, Challenging, R"(Queste persone possono vivere rovesci improvvisi o lotte di potere nella carriera, oppure gli sconvolgimenti della vita familiare possono disturbare il loro lavoro. Possono essere spietate nella ricerca di una posizione. Usare con saggezza la propria influenza le porta a grandi realizzazioni.)"},
};
// clang-format on

static_assert(coversEveryAspectKeyOnce(kEntries),
              "one aspect text for every pair and family, each pair in chart order");

} // namespace

constexpr AspectTextTable kAspectTexts = buildAspectTextTable(kEntries);

} // namespace orbenza::texts::it
