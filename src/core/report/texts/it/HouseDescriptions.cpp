// The house descriptions in Italian.
//
// The Italian translation of the English table of the same name one folder up,
// one paragraph per house. Each paragraph stays on a single line and is 589 to
// 731 characters long.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::it {

// clang-format off
constexpr HouseDescriptionTable kHouseDescriptions = {
    // Slot 0 is unused: houses are numbered from 1.
    "",

    // ---- First House ----
    R"(Da questa casa si può capire molto della personalità di una persona. Inizia all'Ascendente, il grado dello zodiaco che sorgeva all'orizzonte orientale al momento della nascita, e descrive l'io nella sua forma più immediata: il corpo e la sua vitalità, il volto che mostri al mondo e la prima impressione che fai agli altri. Indica come affronti le situazioni nuove, come inizi le cose e come affermi la tua identità. Gli astrologi vi leggono il temperamento, l'aspetto fisico e la salute, e l'ambiente in cui la personalità ha preso forma. Ogni pianeta posto qui colora l'intero carattere ed è ben visibile agli altri.)",

    // ---- Second House ----
    R"(Questa casa è tradizionalmente nota come la casa dei beni materiali e della ricchezza. Mostra come guadagni il denaro, come lo spendi e che cosa ritieni degno di essere posseduto. Oltre al denaro e alla proprietà descrive il tuo senso di sicurezza e di autostima, i talenti e le risorse a cui puoi attingere e i valori che guidano le tue scelte. Una seconda casa forte indica un reddito stabile e un'abilità pratica nel risparmiare, mentre afflizioni qui possono indicare periodi di difficoltà economica o l'abitudine di spendere troppo. Governa anche i beni mobili, gli investimenti e le collezioni, e mostra quanto piacere trai dal mondo materiale.)",

    // ---- Third House ----
    R"(Questa casa corrisponde alla tua capacità di comunicare. Governa la parola, la scrittura, l'apprendimento e lo scambio quotidiano di idee, oltre al modo in cui la mente raccoglie e ordina le informazioni. Fratelli, sorelle, cugini e vicini appartengono a questa casa, come i brevi viaggi, gli spostamenti locali, le lettere, i messaggi e i primi anni di scuola. Una terza casa ben disposta dà una mente rapida e curiosa, un talento per le lingue e un rapporto facile con le persone vicine. Sotto tensione possono esserci malintesi con i fratelli, pensieri irrequieti o studi dispersivi. Mostra come ragioni, come ascolti e come ti adatti all'ambiente circostante.)",

    // ---- Fourth House ----
    R"(Questa casa è detta anche 'Matristhan' in India, la casa che riguarda la madre. Si trova in fondo al tema e descrive le tue radici: la casa, la famiglia, gli antenati e il genitore che ti ha accudito di più. Mostra l'atmosfera della casa in cui sei cresciuto e il tipo di casa che costruirai per te, insieme a terreni, edifici e altri beni immobili. A un livello più profondo è il fondamento intimo della personalità, la sicurezza emotiva di cui hai bisogno e il luogo in cui torni quando il mondo esterno diventa troppo. Gli astrologi vi leggono anche l'ultima parte della vita e le condizioni che ti circondano nella vecchiaia.)",

    // ---- Fifth House ----
    R"(Questa casa indica le storie d'amore, il rapporto con il tuo fidanzato e i legami sentimentali della tua vita. È la casa del piacere e dell'espressione di sé: corteggiamento, flirt, hobby, giochi, sport, divertimenti e ogni lavoro creativo che nasce dal cuore. Da questa casa si leggono anche i figli, sia i tuoi sia il tuo rapporto con i giovani. Vi appartengono anche la speculazione, il gioco d'azzardo e il gusto del rischio, che condividono lo stesso spirito di gioco. Una quinta casa forte dà calore, fascino e un talento naturale per godersi la vita, mentre una casa difficile può indicare delusioni d'amore o la tendenza a correre rischi inutili.)",

    // ---- Sixth House ----
    R"(Questa casa indica le capacità che possediamo e il tipo di lavoro adatto a esse. Governa la routine quotidiana, il dovere e il servizio: l'impiego più che la carriera, i colleghi e i dipendenti con cui hai a che fare e le abitudini di una normale giornata di lavoro. È anche la casa della salute, che mostra come il corpo reagisce a stress, alimentazione e superlavoro e a quali disturbi una persona è soggetta. Tradizionalmente vi appartengono anche i piccoli animali domestici. Una sesta casa equilibrata dà diligenza, efficienza e disponibilità, mentre una casa tesa può indicare attriti sul lavoro, preoccupazioni o disturbi dovuti alla tensione nervosa.)",

    // ---- Seventh House ----
    R"(Si ritiene comunemente che questa casa definisca la vita coniugale, il tipo di persona che tendiamo a scegliere come coniuge e le gioie o i dolori del rapporto con il coniuge. Si trova di fronte alla prima casa e descrive l'altro in ogni unione stretta, negli affari come in amore. Vi si leggono anche i contratti, gli accordi e i nemici dichiarati, perché tutti implicano qualcuno che ci sta di fronte. I pianeti in questa casa mostrano ciò che cerchiamo negli altri, e spesso ciò che proiettiamo su di loro. Una settima casa armoniosa promette collaborazione e un partner fedele, mentre una casa difficile può portare dispute, cause legali o separazione.)",

    // ---- Eighth House ----
    R"(Questa casa corrisponde alla natura sessuale di una persona. È la casa dell'intimità, dei legami emotivi profondi e di tutto ciò che due persone condividono, comprese le finanze comuni, le eredità, le tasse, i debiti e il denaro del partner. Tradizionalmente è anche la casa della morte, ma una lettura moderna vi trova piuttosto le fini, le crisi e le trasformazioni che permettono di ricominciare. Vi appartengono anche i segreti, le cose nascoste, la ricerca e l'interesse per l'occulto. Un'ottava casa forte dà intensità, comprensione dei moventi altrui e la forza di riprendersi dalle perdite, mentre una difficile può indicare gelosia, liti sulle risorse comuni o paura di perdere il controllo.)",

    // ---- Ninth House ----
    R"(Questa casa del tema natale definisce i valori che segui per tutta la vita, la comprensione filosofica del mondo e l'orientamento religioso. È la casa della mente superiore: studi universitari, diritto, etica, editoria e ogni ricerca di senso che va oltre la vita quotidiana. Vi si leggono anche i lunghi viaggi, i paesi stranieri e le persone di altre culture. Mostra inoltre i tuoi insegnanti, mentori e guide spirituali e, nella tradizione indiana, il padre e la buona sorte. Una nona casa ben sostenuta dà ampiezza di vedute, ottimismo e amore per lo studio, mentre una casa tesa può rendere dogmatici, irrequieti o leggeri nelle promesse.)",

    // ---- Tenth House ----
    R"(Questa casa parla della tua carriera e del tuo orientamento riguardo al lavoro e all'impiego. Occupa la parte alta del tema, la zona del Medio Cielo, e descrive la tua vita pubblica: reputazione, posizione, successi e il modo in cui il mondo ti vede. Mostra le tue ambizioni, il rapporto con l'autorità e con i datori di lavoro e quanta responsabilità sei disposto a portare. Da questa casa si legge anche uno dei genitori, tradizionalmente il padre. I pianeti posti qui sono molto visibili e tendono a orientare un'intera vita. Una decima casa forte porta riconoscimenti e avanzamenti, mentre una difficile può indicare battute d'arresto o la perdita di una posizione.)",

    // ---- Eleventh House ----
    R"(Questa casa è tradizionalmente nota come la casa del reddito. Mostra i guadagni e le ricompense che derivano dal tuo lavoro e dai tuoi sforzi e, in senso più ampio, la realizzazione delle tue speranze, dei tuoi desideri e dei tuoi obiettivi a lungo termine. È anche la casa degli amici, dei gruppi, dei club, delle società e delle associazioni, delle persone che condividono i tuoi ideali e ti aiutano lungo il cammino. Vi si leggono anche le cause umanitarie e il tuo posto in una comunità. Un'undicesima casa ben disposta porta amici d'aiuto, contatti influenti e occasioni costanti, mentre una casa tesa può indicare falsi amici, speranze deluse o perdite causate proprio da chi godeva della tua fiducia.)",

    // ---- Twelfth House ----
    R"(Nell'astrologia indiana questa casa è detta 'Vyaysthana', la casa delle spese. Mostra dove denaro ed energia si disperdono, e nell'astrologia occidentale è la casa delle conclusioni, dell'isolamento e di tutto ciò che è nascosto. Vi appartengono ospedali, carceri, monasteri e altri luoghi di ritiro, come pure i nemici segreti, l'autolesionismo e le paure che non ammettiamo nemmeno a noi stessi. Eppure è anche la casa della compassione, della carità, dei sogni, dell'intuizione e della crescita spirituale, dove si impara a lasciar andare. Una dodicesima casa forte dà una ricca vita interiore e un dono per il servizio silenzioso, mentre una difficile può portare isolamento, confusione o perdite inspiegabili.)",
};
// clang-format on

} // namespace orbenza::texts::it
