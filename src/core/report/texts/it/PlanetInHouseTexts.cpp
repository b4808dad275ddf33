// The planet-in-house texts in Italian.
//
// The Italian translation of the English table of the same name one folder up,
// with the same keys in the same order. Each paragraph stays on a single line,
// is 69 to 765 characters long and differs from every other one.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

#include <cstddef>
#include <iterator>

namespace orbenza::texts::it {
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
    {1, Sun, R"(Queste persone hanno una personalità forte e radiosa che gli altri notano non appena entrano in una stanza. Sono sicure di sé, orgogliose e piene di vitalità, e preferiscono guidare piuttosto che seguire. Il riconoscimento conta molto per loro, e sono più felici quando possono esprimersi apertamente ed essere apprezzate per ciò che valgono. La salute e la capacità di recupero sono di solito buone. Devono guardarsi dalla vanità e dall'abitudine di mettersi al primo posto in ogni situazione, perché il loro calore conquista più del loro orgoglio.)"},

    // ---- Moon in the First House ----
    {1, Moon, R"(Chi ha la Luna in questa casa porta i propri sentimenti sul volto. L'umore cambia facilmente e si riflette subito nel comportamento, e reagisce all'ambiente con grande sensibilità. Sono persone premurose, ricettive e spesso amate dal pubblico, ma può essere difficile per loro separare la propria identità dai bisogni di chi le circonda. Aspetto e salute tendono a seguire il loro stato emotivo.)"},

    // ---- Mercury in the First House ----
    {1, Mercury, R"(Queste persone hanno la battuta pronta, sono loquaci e curiose di tutto. Si presentano attraverso le parole e le idee, e gli altri le vedono intelligenti, vivaci e giovanili; molte sembrano più giovani della loro età. Imparano in fretta e si adattano facilmente a nuove compagnie, ma diventano irrequiete e nervose quando la mente non ha nulla di cui occuparsi.)"},

    // ---- Venus in the First House ----
    {1, Venus, R"(Hai modi piacevoli e aggraziati e un fascino naturale che ti rende simpatico fin dal primo incontro. L'aspetto conta per te e di solito ti vesti con gusto. Eviti i conflitti, cerchi l'armonia e sai piacere, il che ti apre molte porte nella vita sociale. Il pericolo è la tendenza a essere troppo accomodante, o a contare sul fascino dove servirebbe l'impegno.)"},

    // ---- Mars in the First House ----
    {1, Mars, R"(Queste persone sono energiche, dirette e coraggiose, e affrontano la vita di petto. Agiscono prima e pensano dopo, amano la competizione e non sopportano di essere frenate. La forza fisica e l'energia sono notevoli, e secondo la tradizione portano una cicatrice o un segno sulla testa o sul viso. L'impazienza, l'ira facile e la fretta che porta agli incidenti sono i difetti da tenere d'occhio.)"},

    // ---- Jupiter in the First House ----
    {1, Jupiter, R"(Chi ha Giove all'Ascendente ha una natura generosa, ottimista ed espansiva. Sono persone allegre, cordiali e spesso fortunate, e gli altri si fidano facilmente di loro. Pensano in grande e si presentano con un'aria di fiducia e benevolenza. Con gli anni tendono a ingrassare, e il loro punto debole è l'eccesso o il promettere più di quanto possano mantenere.)"},

    // ---- Saturn in the First House ----
    {1, Saturn, R"(Queste persone sembrano serie, riservate e più vecchie della loro età, specialmente in gioventù. La vita chiede loro di assumersi presto delle responsabilità, e possono essere timide o autocritiche, esigendo molto da se stesse. La loro forza è la disciplina: lavorano con pazienza, costruiscono lentamente e di solito diventano più sicure e serene con il passare degli anni. La salute richiede cure nell'infanzia ma tende a migliorare con l'età.)"},

    // ---- Uranus in the First House ----
    {1, Uranus, R"(Appari originale, indipendente e un po' imprevedibile. Non ami le convenzioni, insisti per fare le cose a modo tuo e sei attratto dalle idee nuove, dalla scienza e dalla tecnologia. Gli altri possono trovarti brillante ma eccentrico. La tua vita porterà probabilmente improvvisi cambi di direzione, e hai bisogno di molta libertà personale per sentirti te stesso.)"},

    // ---- Neptune in the First House ----
    {1, Neptune, R"(Queste persone hanno qualcosa di sognante, dolce e sfuggente che gli altri faticano a inquadrare. Sono molto impressionabili, artistiche e intuitive, e assorbono gli umori di chi sta loro intorno come una spugna. La loro immagine può essere affascinante, eppure possono non sapere bene chi sono davvero. Devono stare attente all'alcol e alle droghe, e alle persone che approfitterebbero della loro gentilezza.)"},

    // ---- Pluto in the First House ----
    {1, Pluto, R"(Chi ha Plutone in questa casa ha una presenza intensa e magnetica e una volontà formidabile. Sono persone riservate e vigili, che rivelano poco di sé pur vedendo molto negli altri. La loro vita attraversa spesso crisi che le trasformano completamente, e ogni volta ne escono più forti. Possono essere leader carismatici ma devono guardarsi dal desiderio di controllare gli altri.)"},

    // ======================== Second House ========================

    // ---- Sun in the Second House ----
    {2, Sun, R"(Queste persone trovano la propria identità in ciò che guadagnano, possiedono e costruiscono. Lavorano sodo per la sicurezza economica e sono orgogliose dei loro beni, spendendo spesso con generosità per la qualità e il comfort. Il denaro può arrivare dai loro sforzi, da posizioni di autorità o dal favore di persone influenti. Devono fare attenzione a non misurare il proprio valore, o quello degli altri, solo in base alla ricchezza.)"},

    // ---- Moon in the Second House ----
    {2, Moon, R"(Il reddito di queste persone tende a salire e scendere come le maree, e il loro senso di sicurezza dipende strettamente dal saldo del conto in banca. Possono guadagnare lavorando con il pubblico, con il cibo, con gli immobili o con tutto ciò che riguarda la casa e la famiglia. Sono attaccate alle loro cose, conservano oggetti per motivi sentimentali e si sentono a disagio quando il denaro scarseggia.)"},

    // ---- Mercury in the Second House ----
    {2, Mercury, R"(Queste persone sono piene di idee per fare soldi. Conoscono il vero valore delle cose e badano molto al prezzo.)"},

    // ---- Venus in the Second House ----
    {2, Venus, R"(Hai un gusto raffinato per le cose belle e di valore, e il denaro ti arriva spesso con facilità, attraverso l'arte, la moda, i beni di lusso o le tue conoscenze. Ami il comfort e spendi volentieri per il piacere, i vestiti e la buona tavola. Venere è qui nella sua casa naturale ed è una posizione favorevole per le tue finanze, purché l'amore per il lusso non superi le tue entrate.)"},

    // ---- Mars in the Second House ----
    {2, Mars, R"(Queste persone guadagnano grazie al duro lavoro, all'iniziativa e allo spirito competitivo, e sono pronte a lottare per ciò che vogliono. Spendono con la stessa rapidità con cui guadagnano, spesso d'impulso, e possono correre rischi finanziari. L'ingegneria, lo sport, le forze armate o un'attività in proprio sono adatti a loro. Devono imparare pazienza e pianificazione in fatto di denaro.)"},

    // ---- Jupiter in the Second House ----
    {2, Jupiter, R"(È una delle posizioni migliori per la ricchezza. Chi ha Giove in questa casa gode di solito di un buon reddito e di risorse abbondanti, e le occasioni di prosperare sembrano venirgli incontro. Sono persone generose con il denaro e amano condividere la propria fortuna. Il loro unico pericolo è la prodigalità, perché possono pensare che il denaro continuerà sempre ad arrivare.)"},

    // ---- Saturn in the Second House ----
    {2, Saturn, R"(Il denaro non arriva facilmente a queste persone, che possono conoscere ristrettezze o bisogno già presto nella vita. Imparano a essere prudenti, parsimoniose e pazienti, e con un lavoro costante costruiscono spesso più tardi una sicurezza duratura. Temono di perdere ciò che hanno e possono essere troppo caute o perfino avare. Terreni, immobili e investimenti a lungo termine sono la scelta migliore per loro.)"},

    // ---- Uranus in the Second House ----
    {2, Uranus, R"(Le tue finanze conosceranno probabilmente alti e bassi improvvisi, con guadagni inattesi seguiti da perdite altrettanto inattese. Guadagni meglio con idee originali, la tecnologia, le invenzioni o un lavoro insolito, e non ami essere legato a un impiego di routine per uno stipendio. I tuoi valori possono differire nettamente da quelli della tua famiglia, e devi pianificare per avere stabilità.)"},

    // ---- Neptune in the Second House ----
    {2, Neptune, R"(Chi ha Nettuno in questa casa può essere vago e idealista riguardo al denaro. Può guadagnare con l'arte, la musica, il cinema, le terapie o il lavoro benefico, ma spesso perde il conto delle spese o affida i propri risparmi alle persone sbagliate. È generoso fino all'eccesso. Conti chiari, contratti accurati e consulenti onesti sono per lui indispensabili.)"},

    // ---- Pluto in the Second House ----
    {2, Pluto, R"(Queste persone hanno un forte impulso a ottenere il controllo sulle risorse, e nel corso della vita possono costruire, perdere e ricostruire fortune. Sono accorte, determinate e capaci di gestire grandi somme, spesso nelle banche, negli investimenti, nelle assicurazioni o nel risanamento di imprese in crisi. Per loro i beni sono legati al potere, e devono fare attenzione a non esserne ossessionate.)"},

    // ======================== Third House ========================

    // ---- Sun in the Third House ----
    {3, Sun, R"(Queste persone brillano nella comunicazione. Sono sveglie, loquaci e desiderose di imparare, e sostengono le loro idee con sicurezza. La scrittura, l'insegnamento, il giornalismo, le vendite o qualsiasi lavoro che le metta in contatto con molte persone sono adatti a loro. Fratelli, sorelle e vicini hanno un ruolo importante nella loro vita, e i viaggi brevi sono frequenti.)"},

    // ---- Moon in the Third House ----
    {3, Moon, R"(La tua mente è fortemente colorata dai sentimenti, e pensi per immagini e ricordi più che con fredda logica. Hai una buona memoria, una mente mutevole e il gusto per i viaggi e gli ambienti nuovi. Sei emotivamente vicino ai tuoi fratelli e sorelle e forse hai tra loro un ruolo protettivo. I tuoi stati d'animo possono influire sulla tua concentrazione.)"},

    // ---- Mercury in the Third House ----
    {3, Mercury, R"(Mercurio è qui nella sua casa naturale e dà una mente rapida, vigile e versatile. Queste persone amano leggere, scrivere e parlare, e assimilano informazioni e lingue con facilità. Sono sempre indaffarate con messaggi, telefonate e commissioni. Il loro talento sta nello spiegare le cose con chiarezza, anche se tendono a disperdere troppo l'attenzione.)"},

    // ---- Venus in the Third House ----
    {3, Venus, R"(Chi ha Venere in questa casa parla con grazia e sa dire la cosa giusta al momento giusto. Ha talento per la scrittura, la poesia o il design, e ama le gite piacevoli e la compagnia dei vicini. I rapporti con fratelli e sorelle sono di solito affettuosi. Un amore può nascere durante gli studi o in un breve viaggio.)"},

    // ---- Mars in the Third House ----
    {3, Mars, R"(Queste persone hanno la lingua tagliente e una mente rapida e combattiva. Amano il dibattito, argomentano con convinzione e possono spazientirsi con chi pensa più lentamente. La loro energia ne fa buoni scrittori, giornalisti o attivisti. Sono possibili liti con fratelli o vicini, e devono fare attenzione alla guida e ai viaggi fatti di fretta.)"},

    // ---- Jupiter in the Third House ----
    {3, Jupiter, R"(Hai una mente ampia e ottimista e impari facilmente, soprattutto le materie che allargano i tuoi orizzonti, come le lingue, la filosofia o i viaggi. Sei un insegnante nato e un vicino cordiale, e i tuoi fratelli e sorelle probabilmente ti aiuteranno nella vita. Il tuo punto debole può essere parlare troppo, o promettere più di quanto ti ricordi di fare.)"},

    // ---- Saturn in the Third House ----
    {3, Saturn, R"(Queste persone pensano lentamente ma in profondità, e prendono sul serio le proprie parole. La scuola può essere stata difficile o interrotta, e da giovani possono essere state timide nell'esprimersi. Col tempo sviluppano una mente pratica, metodica e affidabile, portata per la matematica, le scienze o qualsiasi lavoro strutturato. I rapporti con i fratelli possono comportare responsabilità o distanza.)"},

    // ---- Uranus in the Third House ----
    {3, Uranus, R"(Chi ha Urano in questa casa ha una mente originale e inventiva, e le idee arrivano come lampi. Afferra in fretta i concetti nuovi ed è attratto dalla scienza, dai computer e dai moderni mezzi di comunicazione. La sua istruzione può essere anticonformista o interrompersi all'improvviso. Nella conversazione può essere brusco e bastian contrario, e la sua energia nervosa ha bisogno di uno sfogo.)"},

    // ---- Neptune in the Third House ----
    {3, Neptune, R"(Queste persone hanno un modo di pensare poetico e fantasioso, e spesso comunicano meglio con immagini, musica o storie che con i semplici fatti. Sono intuitive e a volte sembrano leggere nel pensiero altrui. Concentrazione e chiarezza possono essere un problema, e sono possibili malintesi o confusione in lettere e documenti.)"},

    // ---- Pluto in the Third House ----
    {3, Pluto, R"(Hai una mente penetrante che guarda sotto la superficie di ogni argomento. Sei persuasivo e puoi influenzare fortemente gli altri con le parole, il che fa di te un buon ricercatore, investigatore o polemista. Custodisci i tuoi segreti e puoi essere intenso nelle discussioni. I primi rapporti con fratelli o vicini possono essere stati segnati dalla rivalità.)"},

    // ======================== Fourth House ========================

    // ---- Sun in the Fourth House ----
    {4, Sun, R"(Queste persone sono profondamente legate alla casa e alla famiglia, e sono orgogliose delle proprie radici. Vogliono una casa di cui essere il capo, e spesso investono negli immobili. Il padre può essere stato una figura dominante nella loro infanzia. La loro vita tende a diventare più riuscita e appagante nella seconda metà, una volta costruita una base sicura.)"},

    // ---- Moon in the Fourth House ----
    {4, Moon, R"(La Luna è forte in questa casa. Sei una persona casalinga nell'anima, devota alla famiglia e particolarmente vicina a tua madre. Hai bisogno soprattutto di sicurezza emotiva e ti senti meglio circondato da cose e volti familiari. Puoi cambiare casa più volte, ma mantieni un legame forte con il passato, con le tradizioni di famiglia e con il luogo in cui sei nato.)"},

    // ---- Mercury in the Fourth House ----
    {4, Mercury, R"(Chi ha Mercurio in questa casa può lavorare da casa o farne un luogo di studio, pieno di libri e conversazioni. La sua famiglia dava grande valore all'istruzione. Ama traslocare o riorganizzare il proprio ambiente, e si interessa di storia, genealogia o immobili. Il suo modo di pensare è fortemente plasmato dall'educazione ricevuta.)"},

    // ---- Venus in the Fourth House ----
    {4, Venus, R"(Ami la tua casa e la rendi bella, comoda e accogliente. Ti piace ricevere ospiti, e la tua vita familiare è di solito armoniosa. Il rapporto con tua madre o con i tuoi genitori è affettuoso. Puoi trarre vantaggio da immobili o da un'eredità, e probabilmente troverai più serenità e comfort nella seconda parte della vita.)"},

    // ---- Mars in the Fourth House ----
    {4, Mars, R"(Queste persone portano molta energia in casa, ma anche conflitti. L'atmosfera della loro infanzia può essere stata tesa, con litigi o un genitore dalla volontà forte. Vogliono essere padroni in casa propria e amano fare da sé riparazioni e lavori edili. Devono fare attenzione al fuoco e agli incidenti domestici, e impedire che le liti familiari crescano.)"},

    // ---- Jupiter in the Fourth House ----
    {4, Jupiter, R"(Questa posizione porta di solito una casa felice, comoda e spaziosa. Queste persone provengono da una famiglia generosa, traggono vantaggio da immobili o eredità e amano riunire parenti e amici sotto il proprio tetto. La loro situazione migliora con l'età, e la fine della vita sarà probabilmente serena e prospera.)"},

    // ---- Saturn in the Fourth House ----
    {4, Saturn, R"(Queste persone portano spesso responsabilità in famiglia fin da piccole, magari accudendo un genitore o vivendo con regole severe e poco calore, e la loro infanzia può essere sembrata pesante o insicura. Da adulte lavorano sodo per costruirsi una casa solida e danno valore alla stabilità e alla tradizione. Possono prendersi cura di parenti anziani, e spesso possiedono case antiche.)"},

    // ---- Uranus in the Fourth House ----
    {4, Uranus, R"(La tua vita domestica sarà probabilmente insolita e instabile, con frequenti traslochi o eventi improvvisi che sconvolgono la famiglia. La tua educazione può essere stata anticonformista, oppure un genitore era assente o eccentrico. Hai bisogno di spazio e libertà in casa, e forse preferisci un tipo di abitazione o di convivenza fuori dal comune.)"},

    // ---- Neptune in the Fourth House ----
    {4, Neptune, R"(Chi ha Nettuno in questa casa desidera una casa e una famiglia ideali che la vita reale non offre facilmente. Nella storia familiare può esserci qualcosa di poco chiaro o nascosto, o un genitore assente, malato o pieno di sacrificio. Ama vivere vicino all'acqua, in un ambiente quieto e tranquillo. Le questioni immobiliari vanno verificate con cura per evitare inganni.)"},

    // ---- Pluto in the Fourth House ----
    {4, Pluto, R"(Queste persone hanno legami profondi e intensi con la famiglia e con il passato. La loro infanzia può aver conosciuto lotte di potere, un genitore dominante o un segreto di famiglia che ha lasciato un segno duraturo. A un certo punto casa e famiglia attraversano una trasformazione completa. Alla fine traggono una grande forza interiore dall'affrontare ciò che sta alle loro radici.)"},

    // ======================== Fifth House ========================

    // ---- Sun in the Fifth House ----
    {5, Sun, R"(Queste persone sono creative, calorose e piene di gioia di vivere. Amano esibirsi, giocare ed essere ammirate, e hanno spesso talento per le arti, il teatro o lo sport. L'amore è importante per loro e in amore danno con generosità. Adorano i bambini e hanno spesso un legame stretto con loro. La passione per il gioco d'azzardo e il rischio va tenuta a freno.)"},

    // ---- Moon in the Fifth House ----
    {5, Moon, R"(Sei romantico, affettuoso ed emotivamente coinvolto nelle tue storie d'amore, e i tuoi sentimenti possono cambiare in fretta. Trovi conforto negli hobby creativi e nei divertimenti. Hai un forte istinto genitoriale e un rapporto stretto con i tuoi figli. Piacere e sicurezza emotiva sono per te strettamente legati.)"},

    // ---- Mercury in the Fifth House ----
    {5, Mercury, R"(Chi ha Mercurio in questa casa si esprime con spirito e giocosità. Ama i giochi di abilità, gli enigmi e gli hobby che esercitano la mente, e può scrivere, insegnare o lavorare con i giovani. In amore è attratto dall'intelligenza e dalla buona conversazione, e preferisce una storia leggera e civettuola a un impegno pesante.)"},

    // ---- Venus in the Fifth House ----
    {5, Venus, R"(È una posizione molto felice per l'amore e il piacere. Queste persone sono affascinanti, affettuose e apprezzate dall'altro sesso, e godono di una ricca vita sentimentale. Hanno talento artistico e amano la musica, il teatro e la bellezza in tutte le sue forme. I figli portano loro gioia. Devono evitare di abbandonarsi troppo ai piaceri.)"},

    // ---- Mars in the Fifth House ----
    {5, Mars, R"(Queste persone sono passionali e impulsive in amore e inseguono l'oggetto del desiderio con grande energia. Amano lo sport, la competizione e l'avventura, e corrono rischi audaci nella speculazione. Le loro storie d'amore possono iniziare all'improvviso e finire in litigi. Come genitori sono attivi e incoraggiano l'indipendenza, ma devono controllare il proprio temperamento con i figli.)"},

    // ---- Jupiter in the Fifth House ----
    {5, Jupiter, R"(Godi appieno della vita e hai fortuna in amore, nella creatività e nei piaceri. Le tue relazioni sentimentali sono generose e felici, e probabilmente avrai figli che ti daranno orgoglio e onore. Puoi riuscire nell'insegnamento, nello sport o nelle arti. La speculazione può essere fortunata, ma l'eccesso di fiducia può spingerti a giocare troppo.)"},

    // ---- Saturn in the Fifth House ----
    {5, Saturn, R"(Queste persone possono essere timide o inibite in amore e faticano a lasciarsi andare e a divertirsi. L'amore arriva spesso tardi, o con partner più anziani e un senso del dovere. I figli possono portare responsabilità, ritardi o preoccupazioni. Sono disciplinate nel lavoro creativo e possono ottenere risultati duraturi con la pazienza. Devono evitare le speculazioni rischiose.)"},

    // ---- Uranus in the Fifth House ----
    {5, Uranus, R"(Chi ha Urano in questa casa ha un atteggiamento anticonformista verso l'amore ed è attratto da partner insoliti o indipendenti. Le sue storie iniziano all'improvviso, sono emozionanti e possono finire altrettanto in fretta. È creativo in modi originali, spesso attraverso la tecnologia o l'arte moderna. I suoi figli possono essere dotati o fuori dal comune, e vuole libertà nel modo di crescerli.)"},

    // ---- Neptune in the Fifth House ----
    {5, Neptune, R"(Queste persone sono sognatori romantici che si innamorano di un ideale più che di una persona reale. La loro vita sentimentale può comportare illusioni, relazioni segrete o sacrifici. Sono portate per la musica, la danza, il cinema o la poesia e hanno un'immaginazione vivida. Devono fare attenzione al gioco d'azzardo e alla speculazione, dove possono essere facilmente ingannate.)"},

    // ---- Pluto in the Fifth House ----
    {5, Pluto, R"(Ami con grande intensità, e le tue questioni di cuore possono consumarti e trasformarti profondamente. Sono possibili gelosie e lotte di potere in amore. La tua spinta creativa è forte e può trovare sfogo in opere artistiche impegnative o profonde. I figli possono portarti esperienze che cambiano la vita, e tendi a essere molto protettivo con loro.)"},

    // ======================== Sixth House ========================

    // ---- Sun in the Sixth House ----
    {6, Sun, R"(Di solito sono lavoratori molto determinati, ma possono essere molto esigenti.)"},

    // ---- Moon in the Sixth House ----
    {6, Moon, R"(Queste persone si sentono sicure quando sono utili e hanno una routine da seguire. Lavorano spesso nelle professioni di cura, nell'assistenza infermieristica, nella ristorazione o al servizio del pubblico, e cambiano lavoro più spesso della maggior parte delle persone. La loro salute è sensibile allo stato emotivo, e le preoccupazioni possono causare disturbi digestivi. Sono gentili con i colleghi e amano gli animali domestici.)"},

    // ---- Mercury in the Sixth House ----
    {6, Mercury, R"(Hai una mente pratica, precisa e analitica, adatta al lavoro minuzioso, alla contabilità, alla ricerca, alla redazione di testi o ai mestieri tecnici. Sei efficiente e ami organizzare i tuoi compiti quotidiani. Forse ti preoccupi troppo della salute e leggi molto di alimentazione e medicina. La tensione nervosa è il tuo punto debole, quindi hai bisogno di un riposo adeguato.)"},

    // ---- Venus in the Sixth House ----
    {6, Venus, R"(Chi ha Venere in questa casa gode di condizioni di lavoro piacevoli e di buoni rapporti con i colleghi. Lavora bene nell'estetica, nella moda, nell'arte, nella ristorazione o in qualsiasi lavoro che porti armonia agli altri, e può incontrare un partner sul lavoro. La salute è in genere buona, anche se troppi dolci e cibi troppo ricchi possono turbarla.)"},

    // ---- Mars in the Sixth House ----
    {6, Mars, R"(Queste persone lavorano in fretta e senza sosta e possono realizzare molto, ma si irritano quando gli altri sono lenti. Sono possibili conflitti con colleghi o dipendenti. Possono riuscire nell'ingegneria, nella chirurgia, nelle forze armate o nel lavoro fisico. Sono soggette a febbri, infiammazioni e ferite dovute al troppo lavoro.)"},

    // ---- Jupiter in the Sixth House ----
    {6, Jupiter, R"(Probabilmente troverai un lavoro piacevole e gratificante e sarai benvoluto da colleghi e dipendenti. Sei disponibile e pronto a servire, e forse lavorerai nella medicina, nel diritto, nell'istruzione o nell'assistenza sociale. La tua salute è in genere buona, anche se il peso, i cibi ricchi o il fegato possono richiedere attenzione più avanti negli anni.)"},

    // ---- Saturn in the Sixth House ----
    {6, Saturn, R"(Queste persone sono lavoratori coscienziosi, disciplinati e affidabili, ma il loro lavoro può sembrare gravoso o mal ricompensato. Prendono sul serio i propri doveri e riescono grazie alla perseveranza e alla cura. La salute richiede attenzione, specialmente ossa, articolazioni, denti e pelle, e sono possibili disturbi cronici se si trascurano.)"},

    // ---- Uranus in the Sixth House ----
    {6, Uranus, R"(Chi ha Urano in questa casa ha bisogno di indipendenza e varietà nel lavoro e non ama le routine rigide. Cambia spesso lavoro all'improvviso o lavora in campi tecnici, scientifici o come libero professionista, e ama introdurre metodi nuovi ovunque sia impiegato. La salute può risentire della tensione nervosa, e può rispondere bene alle terapie alternative.)"},

    // ---- Neptune in the Sixth House ----
    {6, Neptune, R"(Queste persone amano servire e aiutare gli altri e possono lavorare in ospedali, enti benefici, nelle arti o nelle terapie. La loro vita lavorativa può essere confusa, con compiti poco chiari o colleghi inaffidabili. La salute è delicata e possono reagire fortemente a farmaci o sostanze chimiche. Una diagnosi accurata è importante, perché i loro sintomi possono essere vaghi o difficili da spiegare.)"},

    // ---- Pluto in the Sixth House ----
    {6, Pluto, R"(Lavori con grande intensità e puoi realizzare riforme profonde nel tuo campo. Forse sei attratto dalla ricerca, dalla medicina, dalla psicologia o da un lavoro che ha a che fare con la crisi e la guarigione. Sono possibili lotte di potere con colleghi o datori di lavoro. La tua salute può attraversare crisi improvvise, ma hai una straordinaria capacità di rigenerarti.)"},

    // ======================== Seventh House ========================

    // ---- Sun in the Seventh House ----
    {7, Sun, R"(Queste persone trovano la propria identità attraverso le relazioni e si sentono più vive in stretta collaborazione con un'altra persona. Il matrimonio è importante per loro, e possono scegliere un partner orgoglioso, forte o in vista. Lavorano bene in società e trattano con facilità con il pubblico. Devono evitare di dipendere troppo dall'approvazione altrui.)"},

    // ---- Moon in the Seventh House ----
    {7, Moon, R"(Hai bisogno di un partner che ti sostenga emotivamente e da solo ti senti incompleto. Forse cerchi qualcuno che si prenda cura di te come un genitore, oppure assumi tu stesso quel ruolo. Le tue relazioni possono essere mutevoli, e sei sensibile a ogni umore del tuo coniuge. Il contatto con il pubblico ti viene naturale.)"},

    // ---- Mercury in the Seventh House ----
    {7, Mercury, R"(Chi ha Mercurio in questa casa cerca un partner intelligente, comunicativo e magari più giovane, e una buona conversazione è essenziale nel suo matrimonio. Ha talento per negoziare, redigere contratti e fare da intermediario. Può avere diverse unioni brevi prima di sistemarsi.)"},

    // ---- Venus in the Seventh House ----
    {7, Venus, R"(È una delle posizioni migliori per il matrimonio. Queste persone sono affascinanti, diplomatiche e desiderose di armonia, e di solito attirano un partner affettuoso e attraente. Possono sposarsi presto o guadagnare economicamente con il matrimonio. Riescono bene nelle società e nelle pubbliche relazioni, anche se a volte evitano un confronto che sarebbe davvero necessario.)"},

    // ---- Mars in the Seventh House ----
    {7, Mars, R"(Queste persone attirano partner volitivi ed energici, e nelle loro relazioni c'è molta passione ma anche conflitto. Possono precipitarsi nel matrimonio o in una società, e sono possibili dispute, rivalità o cause legali. Imparano molto dal confronto. Cooperazione e pazienza sono le lezioni di questa posizione.)"},

    // ---- Jupiter in the Seventh House ----
    {7, Jupiter, R"(Probabilmente avrai un matrimonio felice con un partner generoso, saggio o benestante, e puoi trarre vantaggio dalle unioni sia in amore sia negli affari. La gente lavora volentieri con te, e le questioni legali di solito si risolvono a tuo favore. Il tuo unico pericolo è aspettarti troppo da un partner, o fidarti troppo.)"},

    // ---- Saturn in the Seventh House ----
    {7, Saturn, R"(Queste persone prendono il matrimonio molto sul serio e possono sposarsi tardi, o con un partner più anziano e maturo. Le loro relazioni sono stabili ma possono sembrare fredde o appesantite dal dovere. Sono possibili ritardi e difficoltà nella coppia, eppure i legami che creano tendono a durare. Imparano attraverso l'impegno e la responsabilità.)"},

    // ---- Uranus in the Seventh House ----
    {7, Uranus, R"(Chi ha Urano in questa casa ha bisogno di molta libertà nelle relazioni ed è attratto da partner insoliti e indipendenti. Il matrimonio può arrivare all'improvviso e finire in modo altrettanto inatteso, e una separazione o un divorzio è probabile se i partner non si lasciano spazio a vicenda. Una relazione anticonformista può essere la più adatta.)"},

    // ---- Neptune in the Seventh House ----
    {7, Neptune, R"(Queste persone idealizzano i partner e possono restare deluse quando la realtà non corrisponde al sogno. Sono attratte da partner artistici, spirituali o bisognosi di aiuto. Sono possibili inganni o confusione nel matrimonio e nelle società d'affari, quindi devono vedere gli altri con lucidità e leggere attentamente i contratti.)"},

    // ---- Pluto in the Seventh House ----
    {7, Pluto, R"(Sei attratto in relazioni intense che ti cambiano. Il tuo partner può essere potente, possessivo o avere un'influenza profonda sulla tua vita, e sono possibili lotte di potere e gelosie. Il matrimonio ti trasforma profondamente. Anche tu puoi essere una forza potente nella vita degli altri, negli affari, nella consulenza o nelle trattative.)"},

    // ======================== Eighth House ========================

    // ---- Sun in the Eighth House ----
    {8, Sun, R"(Queste persone sono attratte dai misteri della vita, della morte e della rinascita. Hanno desideri forti e una natura profonda e intensa, e possono riuscire nella finanza, nelle assicurazioni, nelle indagini, nella chirurgia o nella psicologia. Possono trarre vantaggio da un'eredità o dal denaro di un partner. La loro vita può comprendere grandi crisi da cui escono rinnovate.)"},

    // ---- Moon in the Eighth House ----
    {8, Moon, R"(Le tue emozioni sono profonde, riservate e intense, e forse sei attratto dall'occulto e dalle esperienze psichiche. Puoi ereditare da un genitore, in particolare da tua madre, o trarre vantaggio dalle risorse altrui. I tuoi umori sono fortemente influenzati dalle relazioni intime, e hai bisogno di sincerità emotiva da un partner.)"},

    // ---- Mercury in the Eighth House ----
    {8, Mercury, R"(Chi ha Mercurio in questa casa ha una mente indagatrice e ama risolvere i misteri. È portato per la ricerca, il lavoro investigativo, la contabilità, il fisco o le assicurazioni, e si interessa di psicologia, di vita dopo la morte e di argomenti nascosti. Può doversi occupare di testamenti, lasciti e pratiche legate al denaro altrui.)"},

    // ---- Venus in the Eighth House ----
    {8, Venus, R"(Queste persone possono guadagnare grazie al matrimonio, a un'eredità o alle risorse di un partner, e il denaro arriva loro spesso tramite altri. La loro natura sessuale è calda e sensuale, l'intimità conta molto per loro, e cercano relazioni profonde. Lasciti o doni possono portare vantaggi economici, e secondo la tradizione la loro morte è serena.)"},

    // ---- Mars in the Eighth House ----
    {8, Mars, R"(Queste persone hanno una sessualità forte e passionale e desideri ardenti. Sono possibili dispute per denaro comune, eredità o tasse. Sono coraggiose nelle crisi e possono lavorare in chirurgia, nel soccorso o nelle forze armate. Secondo la tradizione questa posizione mette in guardia dal pericolo di incidenti o violenze, quindi devono evitare rischi inutili.)"},

    // ---- Jupiter in the Eighth House ----
    {8, Jupiter, R"(Probabilmente trarrai vantaggio dalle risorse altrui, attraverso un'eredità, la ricchezza di un partner, prestiti o investimenti. Il tuo atteggiamento verso la morte e la perdita è filosofico, e forse hai un talento per la psicologia o gli studi spirituali. Secondo la tradizione questa posizione promette una vita lunga e una fine serena.)"},

    // ---- Saturn in the Eighth House ----
    {8, Saturn, R"(Queste persone possono incontrare difficoltà e ritardi con eredità, tasse, assicurazioni o finanze comuni. Possono essere caute o inibite nelle relazioni intime e lente a fidarsi. Prendono sul serio la morte e la responsabilità delle risorse condivise. Tradizionalmente si ritiene che questa posizione dia una vita lunga.)"},

    // ---- Uranus in the Eighth House ----
    {8, Uranus, R"(Chi ha Urano in questa casa può vedere cambiamenti improvvisi legati al denaro altrui, con eredità o perdite inattese. Il suo interesse per l'astrologia, l'occulto e i fenomeni psichici è forte. Il suo rapporto con l'intimità è insolito e indipendente, e eventi improvvisi e imprevisti segnano le grandi transizioni della sua vita.)"},

    // ---- Neptune in the Eighth House ----
    {8, Neptune, R"(Queste persone hanno una sensibilità medianica e sono attratte dalle questioni mistiche e spirituali, dalla meditazione o dalla medianità. Le finanze comuni e le eredità possono essere confuse o comportare inganni, quindi devono tenere conti chiari. Nelle relazioni intime cercano un'unione spirituale e restano facilmente deluse.)"},

    // ---- Pluto in the Eighth House ----
    {8, Pluto, R"(Plutone è forte in questa casa. Hai grande profondità, desideri intensi e una comprensione naturale del potere, delle motivazioni nascoste e della trasformazione. Forse gestisci grandi somme di denaro altrui o lavori nella ricerca, nella psicologia o nella medicina. La tua vita attraversa cicli di morte e rinascita in senso simbolico.)"},

    // ======================== Ninth House ========================

    // ---- Sun in the Ninth House ----
    {9, Sun, R"(Queste persone cercano senso e verità nella vita e sono attratte dalla filosofia, dalla religione, dal diritto, dagli studi superiori e dalle culture straniere. Spesso viaggiano molto o vivono all'estero, e possono riuscire come insegnanti, giuristi, scrittori o editori. Sono idealiste e hanno principi saldi, ma devono evitare il dogmatismo.)"},

    // ---- Moon in the Ninth House ----
    {9, Moon, R"(Hai uno spirito irrequieto che desidera viaggi e orizzonti nuovi, e ti senti emotivamente a casa tra persone di altre culture. Le tue idee religiose e morali sono fortemente plasmate dalla tua educazione e da tua madre. Impari attraverso il sentimento e l'esperienza più che con la teoria, e forse ti stabilirai in un paese straniero.)"},

    // ---- Mercury in the Ninth House ----
    {9, Mercury, R"(Chi ha Mercurio in questa casa ha una mente filosofica e curiosa, desiderosa di capire il quadro generale. È attratto dagli studi superiori, dalle lingue, dal diritto e dall'editoria. Ama viaggiare e spesso scrive o insegna su ciò che ha visto all'estero. Le sue convinzioni possono essere incoerenti, perché cambia continuamente opinione.)"},

    // ---- Venus in the Ninth House ----
    {9, Venus, R"(Queste persone amano i viaggi, l'arte e le culture straniere, e possono trovare la felicità o un partner all'estero o durante gli studi superiori. Le loro convinzioni sono raffinate, tolleranti e umane. Amano la letteratura, la filosofia e la bellezza dell'arte sacra, e vanno d'accordo con i suoceri. Possono guadagnare con il commercio estero o la cultura.)"},

    // ---- Mars in the Ninth House ----
    {9, Mars, R"(Queste persone sono appassionate delle proprie convinzioni e si battono per una causa. Amano i viaggi avventurosi, lo sport all'estero e l'esplorazione. Le loro opinioni sono forti, e possono scontrarsi con gli altri su religione, politica o diritto. Devono accettare che non tutti condividono le loro convinzioni.)"},

    // ---- Jupiter in the Ninth House ----
    {9, Jupiter, R"(Giove è qui nella sua casa naturale. Sei ottimista, generoso, tollerante e saggio, con un profondo interesse per la filosofia, la religione e gli studi superiori. Probabilmente viaggerai molto e trarrai vantaggio dai contatti con l'estero. Puoi riuscire nel diritto, nell'insegnamento, nell'editoria o nella vita religiosa, e il tuo giudizio è rispettato.)"},

    // ---- Saturn in the Ninth House ----
    {9, Saturn, R"(Queste persone prendono sul serio la religione e la filosofia e possono avere convinzioni conservatrici e tradizionali. Gli studi superiori possono essere rimandati o richiedere un duro lavoro, ma diventano studiosi scrupolosi. I viaggi lunghi possono portare difficoltà o essere intrapresi per dovere. Acquistano saggezza lentamente e per questo sono rispettate più avanti negli anni.)"},

    // ---- Uranus in the Ninth House ----
    {9, Uranus, R"(Chi ha Urano in questa casa ha idee anticonformiste e progressiste e mette in discussione la religione e l'autorità costituite. È attratto da filosofie nuove, dall'astrologia e dalla scienza. Viaggi improvvisi o eventi inattesi all'estero possono cambiargli la vita. Può brillare negli studi superiori, anche se non ama l'insegnamento tradizionale.)"},

    // ---- Neptune in the Ninth House ----
    {9, Neptune, R"(Queste persone hanno convinzioni mistiche e idealiste e sono attratte dalla spiritualità, dalla religione o da filosofie esotiche. Possono viaggiare verso luoghi sacri, o per mare. La loro fede può essere fonte di ispirazione, ma possono anche essere fuorviate da falsi maestri o da idee vaghe. Hanno un'immaginazione poetica e la visione di un mondo migliore.)"},

    // ---- Pluto in the Ninth House ----
    {9, Pluto, R"(Queste persone hanno convinzioni morali molto salde e credono fermamente nel potere della giustizia.)"},

    // ======================== Tenth House ========================

    // ---- Sun in the Tenth House ----
    {10, Sun, R"(Queste persone sono ambiziose e vogliono arrivare al vertice nel campo che hanno scelto. Hanno un'autorità naturale, cercano il riconoscimento pubblico e riescono spesso nella dirigenza, nel governo o in qualsiasi posizione di rilievo. La reputazione conta moltissimo per loro. Uno dei genitori, spesso il padre, ha una forte influenza sulla loro carriera.)"},

    // ---- Moon in the Tenth House ----
    {10, Moon, R"(Probabilmente avrai una carriera pubblica e sarai conosciuto da molte persone, forse con un lavoro legato alle donne, alla casa, al cibo o al grande pubblico. La tua carriera può cambiare più volte, e la tua popolarità può salire e scendere. Tua madre può aver influito molto sulle tue ambizioni.)"},

    // ---- Mercury in the Tenth House ----
    {10, Mercury, R"(Chi ha Mercurio in questa casa costruisce la carriera sull'intelligenza e sulla comunicazione. Riesce bene nella scrittura, nell'insegnamento, nei media, nel commercio, nei viaggi o nell'amministrazione, ed è noto per le sue idee. Può avere più di un lavoro o cambiare professione. Pianifica con cura la carriera e parla bene in pubblico.)"},

    // ---- Venus in the Tenth House ----
    {10, Venus, R"(Queste persone sono popolari e benvolute dai superiori, e il loro fascino le aiuta a fare carriera. Possono lavorare nell'arte, nella moda, nell'estetica, nello spettacolo o nella diplomazia. La loro immagine pubblica è piacevole e attraente. Il matrimonio può elevare la loro posizione sociale o aiutare la carriera.)"},

    // ---- Mars in the Tenth House ----
    {10, Mars, R"(Queste persone sono ambiziose, competitive e spinte al successo, e vogliono comandare. Lavorano sodo e possono ottenere grandi risultati negli affari, nelle forze armate, nell'ingegneria o nello sport. Possono scontrarsi con capi e autorità, e la loro carriera può essere segnata da conflitti o svolte improvvise. Devono evitare di farsi nemici durante l'ascesa.)"},

    // ---- Jupiter in the Tenth House ----
    {10, Jupiter, R"(È una posizione molto fortunata per la carriera e la reputazione. Probabilmente raggiungerai una posizione elevata, otterrai onori e godrai del rispetto del pubblico. Puoi riuscire nel diritto, nella politica, nell'istruzione, nella religione o nelle grandi organizzazioni. La tua fama di onestà e generosità ti apre molte porte.)"},

    // ---- Saturn in the Tenth House ----
    {10, Saturn, R"(Queste persone sono molto ambiziose e lavorano con pazienza e senza sosta per arrivare in cima. Il successo arriva di solito tardi, dopo molti anni di impegno e disciplina, ma tende a durare. Si assumono pesanti responsabilità e sono adatte a posizioni di autorità. Devono guardarsi da una caduta causata dall'orgoglio o dall'abuso di potere.)"},

    // ---- Uranus in the Tenth House ----
    {10, Uranus, R"(Chi ha Urano in questa casa ha bisogno di indipendenza nella carriera e non ama lavorare alle dipendenze altrui. Può cambiare carriera all'improvviso o lavorare in campi insoliti come la tecnologia, la scienza, l'astrologia o le riforme. La sua carriera può avere alti e bassi inattesi, e spesso riesce meglio lavorando in proprio.)"},

    // ---- Neptune in the Tenth House ----
    {10, Neptune, R"(Queste persone possono restare a lungo incerte sulla propria direzione professionale, o trovare la loro vocazione nell'arte, nella musica, nel cinema, nelle terapie o nel lavoro spirituale. La loro immagine pubblica può essere affascinante o misteriosa. Devono guardarsi da scandali o inganni che potrebbero danneggiare la loro reputazione, e hanno bisogno di obiettivi chiari.)"},

    // ---- Pluto in the Tenth House ----
    {10, Pluto, R"(Hai un forte desiderio di potere e di influenza nella carriera e puoi raggiungere una posizione di grande autorità. Forse lavorerai nella politica, nella ricerca, nella medicina o nelle grandi aziende, e sei capace di trasformare le organizzazioni in cui lavori. La tua carriera può comprendere cambiamenti drammatici e lotte di potere.)"},

    // ======================== Eleventh House ========================

    // ---- Sun in the Eleventh House ----
    {11, Sun, R"(Queste persone brillano nei gruppi, nei club e nelle organizzazioni, e diventano spesso i leader tra i loro amici. Hanno molti amici influenti e obiettivi chiari per il futuro. Possono impegnarsi in cause sociali, e le loro speranze si realizzano spesso. I guadagni arrivano dal lavoro e dalle conoscenze.)"},

    // ---- Moon in the Eleventh House ----
    {11, Moon, R"(Hai molti amici e conoscenti, specialmente donne, e la vita sociale è importante per il tuo benessere emotivo. Le tue amicizie possono cambiare spesso, e così anche le tue speranze e i tuoi desideri. Puoi trarre vantaggio dal pubblico o da gruppi che ti danno un senso di appartenenza.)"},

    // ---- Mercury in the Eleventh House ----
    {11, Mercury, R"(Chi ha Mercurio in questa casa ha molti amici con cui condivide idee e conversazioni vivaci. È attratto da circoli intellettuali, associazioni e reti di contatti. I suoi obiettivi sono razionali e ben pianificati, e gli amici lo aiutano con consigli e contatti utili. Il reddito può arrivare dalla scrittura o dalla comunicazione.)"},

    // ---- Venus in the Eleventh House ----
    {11, Venus, R"(Queste persone sono popolari e hanno molti amici fedeli e piacevoli, spesso tra gli artisti. La vita sociale dà loro gioia, e possono incontrare un partner tramite amici o gruppi. I loro desideri hanno buone probabilità di realizzarsi, e traggono vantaggio dai contatti amichevoli. Sono gentili e generose con gli amici.)"},

    // ---- Mars in the Eleventh House ----
    {11, Mars, R"(Queste persone sono attive nei gruppi e nelle organizzazioni e spesso ne prendono la guida. Hanno amici energici e audaci, ma tra loro possono esserci anche litigi o rivalità. Perseguono i loro obiettivi con forza. Le loro amicizie possono finire all'improvviso per un disaccordo, quindi hanno bisogno di tatto.)"},

    // ---- Jupiter in the Eleventh House ----
    {11, Jupiter, R"(Hai la fortuna di avere molti amici fedeli, generosi e influenti che ti aiutano per tutta la vita. Le tue speranze e i tuoi desideri si realizzano spesso, e guadagni molto grazie al lavoro e alle relazioni sociali. Sei attivo in gruppi umanitari o benefici e hai una visione ampia del futuro.)"},

    // ---- Saturn in the Eleventh House ----
    {11, Saturn, R"(Queste persone hanno pochi amici, ma quelli che hanno sono fedeli, seri e spesso più anziani. Possono sentirsi isolate nei gruppi o assumere responsabilità all'interno delle organizzazioni. Le loro speranze si realizzano lentamente e con un duro lavoro. I guadagni arrivano tardi nella vita, ma durano.)"},

    // ---- Uranus in the Eleventh House ----
    {11, Uranus, R"(Urano è qui nella sua casa naturale. Chi ha questa posizione ha amici insoliti, brillanti o eccentrici ed è attratto da gruppi progressisti, dalla scienza e dalle cause umanitarie. Le amicizie iniziano e finiscono all'improvviso. I suoi obiettivi sono originali, e trae vantaggio da occasioni inattese.)"},

    // ---- Neptune in the Eleventh House ----
    {11, Neptune, R"(Queste persone sono idealiste nell'amicizia e possono essere attratte da gruppi spirituali, artistici o benefici. Possono essere ingannate dagli amici o dare più di quanto ricevono, e le loro speranze possono essere irrealistiche. Devono scegliere gli amici con cura e mantenere chiari i propri obiettivi.)"},

    // ---- Pluto in the Eleventh House ----
    {11, Pluto, R"(Hai amicizie intense che possono trasformarti la vita, e forse sei attratto da gruppi o organizzazioni potenti. Vuoi influenzare la società e puoi essere una forza potente all'interno di una squadra. Sono possibili lotte di potere nei gruppi. I tuoi obiettivi sono ambiziosi e li persegui con grande determinazione.)"},

    // ======================== Twelfth House ========================

    // ---- Sun in the Twelfth House ----
    {12, Sun, R"(Queste persone lavorano spesso dietro le quinte e stanno bene in solitudine. Possono lavorare in ospedali, carceri, nella ricerca o in istituti benefici. Hanno una ricca vita interiore e un forte bisogno di crescita spirituale. Possono mancare di fiducia in se stesse o nascondere le loro vere capacità, e danno il meglio servendo gli altri in silenzio.)"},

    // ---- Moon in the Twelfth House ----
    {12, Moon, R"(Sei molto sensibile, riservato ed emotivo, e spesso nascondi agli altri i tuoi sentimenti. Hai bisogno di regolari periodi di ritiro per ritrovare il tuo equilibrio. Sei compassionevole e forse lavorerai nell'assistenza o in istituti. La tua prima infanzia o il rapporto con tua madre possono aver lasciato ferite emotive nascoste.)"},

    // ---- Mercury in the Twelfth House ----
    {12, Mercury, R"(Chi ha Mercurio in questa casa pensa in privato e tiene per sé molti pensieri. Ha una forte intuizione e immaginazione e può scrivere, fare ricerca o studiare in solitudine. Può essere timido nell'esprimere le proprie idee. Ansia nervosa o preoccupazioni possono essere un problema, ed è possibile una corrispondenza segreta.)"},

    // ---- Venus in the Twelfth House ----
    {12, Venus, R"(Queste persone sono compassionevoli e trovano piacere nelle cose quiete, nascoste o private. Possono avere amori segreti, o una storia che deve restare nascosta. Sono gentili con chi è nel bisogno e trovano appagamento nel lavoro benefico, nell'arte o nella musica. Amano la pace e la solitudine.)"},

    // ---- Mars in the Twelfth House ----
    {12, Mars, R"(Queste persone spesso reprimono la rabbia e agiscono dietro le quinte. Possono avere nemici nascosti e perseguire i loro obiettivi in segreto. La loro energia trova il miglior impiego nella ricerca, nel lavoro ospedaliero o benefico. Devono evitare azioni autolesionistiche e imparare a esprimere apertamente i propri desideri.)"},

    // ---- Jupiter in the Twelfth House ----
    {12, Jupiter, R"(Godi di una protezione nascosta, e nei momenti di bisogno l'aiuto ti arriva spesso da fonti inattese. Sei generoso, caritatevole e spirituale, e trovi la felicità nel servizio e nella solitudine. Puoi lavorare in ospedali, istituzioni religiose o enti benefici, e sei al riparo da danni gravi.)"},

    // ---- Saturn in the Twelfth House ----
    {12, Saturn, R"(Queste persone possono sentirsi sole, limitate o gravate da paure e responsabilità nascoste, e lavorano spesso in istituzioni o dietro le quinte. Devono affrontare le proprie ansie interiori e imparare ad avere fiducia nella vita. Con pazienza sviluppano una grande forza interiore e saggezza. Problemi di salute cronici possono richiedere cure ospedaliere.)"},

    // ---- Uranus in the Twelfth House ----
    {12, Uranus, R"(Chi ha Urano in questa casa ha intuizioni improvvise e accesso all'inconscio. Può avere interessi segreti e anticonformisti e vivere eventi improvvisi e nascosti. Ha bisogno di periodi di ritiro e di libertà. La sua originalità può restare nascosta, e trae beneficio dalla psicologia o da una pratica spirituale.)"},

    // ---- Neptune in the Twelfth House ----
    {12, Neptune, R"(Nettuno è qui nella sua casa naturale. Queste persone sono profondamente spirituali, intuitive e compassionevoli, e hanno un forte bisogno di solitudine, meditazione e ritiro. Possono lavorare in ospedali, monasteri o enti benefici. Sono molto sensibili e devono evitare la fuga dalla realtà, l'alcol e le droghe. La loro vita interiore è ricca e piena di sogni.)"},

    // ---- Pluto in the Twelfth House ----
    {12, Pluto, R"(Hai una profonda forza nascosta e una grande capacità di introspezione psicologica. Forse lavorerai nella ricerca, nella psicologia o nelle indagini, spesso in segreto. Il tuo inconscio custodisce forze potenti che vanno affrontate e trasformate. Puoi avere nemici nascosti, ma anche il potere di superare grandi difficoltà.)"},
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

} // namespace orbenza::texts::it
