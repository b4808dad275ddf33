<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>BiWheelExport</name>
    <message>
        <source>The chart picture could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Impossibile salvare l&apos;immagine del tema in &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>Esporta l&apos;immagine del tema</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>Impossibile scrivere il documento PDF.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>%1 could not be saved to &quot;%2&quot;.

%3</source>
        <translation>Impossibile salvare %1 in &quot;%2&quot;.

%3</translation>
    </message>
    <message>
        <source>The chart picture</source>
        <translation>L&apos;immagine del tema</translation>
    </message>
    <message>
        <source>The report</source>
        <translation>L&apos;interpretazione</translation>
    </message>
    <message>
        <source>Orbenza chart</source>
        <translation>Tema Orbenza</translation>
    </message>
    <message>
        <source>Orbenza chart of %1</source>
        <translation>Tema Orbenza di %1</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Immagine SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Immagine PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>Esporta l&apos;immagine del tema</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Salva l&apos;interpretazione come PDF</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>Un segno per casa, contando dal segno dell&apos;Ascendente</translation>
    </message>
    <message>
        <source>The SVG picture could not be drawn.</source>
        <translation>Impossibile disegnare l&apos;immagine SVG.</translation>
    </message>
    <message>
        <source>A picture can be 1 to %1 pixels wide, not %2.</source>
        <translation>Un&apos;immagine può essere larga da 1 a %1 pixel, non %2.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Memoria insufficiente per un&apos;immagine di %1 x %2 pixel.</translation>
    </message>
    <message>
        <source>Orbenza report</source>
        <translation>Interpretazione Orbenza</translation>
    </message>
    <message>
        <source>Orbenza report of %1</source>
        <translation>Interpretazione Orbenza di %1</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>Pianeti nelle case</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>Impossibile scrivere il documento PDF.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>The file could not be written completely; the disk may be full.</source>
        <translation>Impossibile scrivere il file per intero; il disco potrebbe essere pieno.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>LibraryExchange</name>
    <message>
        <source>an #A93 record needs 7 fields</source>
        <translation>un record #A93 richiede 7 campi</translation>
    </message>
    <message>
        <source>a #B93 record needs 5 fields</source>
        <translation>un record #B93 richiede 5 campi</translation>
    </message>
    <message>
        <source>the #A93 record has no #B93 record after it</source>
        <translation>il record #A93 non è seguito da un record #B93</translation>
    </message>
    <message>
        <source>the #B93 record has no #A93 record before it</source>
        <translation>il record #B93 non è preceduto da un record #A93</translation>
    </message>
    <message>
        <source>the date is not day.month.year</source>
        <translation>la data non è nel formato giorno.mese.anno</translation>
    </message>
    <message>
        <source>the time is not hh:mm</source>
        <translation>l&apos;ora non è nel formato hh:mm</translation>
    </message>
    <message>
        <source>the date or the time of birth is unknown</source>
        <translation>la data o l&apos;ora di nascita è sconosciuta</translation>
    </message>
    <message>
        <source>the latitude cannot be read</source>
        <translation>la latitudine non è leggibile</translation>
    </message>
    <message>
        <source>the longitude cannot be read</source>
        <translation>la longitudine non è leggibile</translation>
    </message>
    <message>
        <source>the zone difference cannot be read</source>
        <translation>la differenza di fuso non è leggibile</translation>
    </message>
    <message>
        <source>the summer time flag is not 0 or 1</source>
        <translation>l&apos;indicatore dell&apos;ora legale non è né 0 né 1</translation>
    </message>
    <message>
        <source>the Julian day is not a number</source>
        <translation>il giorno giuliano non è un numero</translation>
    </message>
    <message>
        <source>both the zone difference and the Julian day are unknown</source>
        <translation>sia la differenza di fuso sia il giorno giuliano sono sconosciuti</translation>
    </message>
    <message>
        <source>the Julian day disagrees with the date, time and zone</source>
        <translation>il giorno giuliano non concorda con data, ora e fuso</translation>
    </message>
    <message>
        <source>AAF files (*.aaf *.txt);;All files (*)</source>
        <translation>File AAF (*.aaf *.txt);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Export Charts as AAF</source>
        <translation>Esporta i temi in formato AAF</translation>
    </message>
    <message>
        <source>Import Charts from AAF</source>
        <translation>Importa temi da AAF</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossibile leggere %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no #A93 record; is it an AAF file?</source>
        <translation>%1 non contiene alcun record #A93; è un file AAF?</translation>
    </message>
    <message>
        <source>Importing charts…</source>
        <translation>Importazione dei temi…</translation>
    </message>
    <message>
        <source>Charts imported: %1.</source>
        <translation>Temi importati: %1.</translation>
    </message>
    <message>
        <source>Charts that could not be read: %1</source>
        <translation>Temi che non è stato possibile leggere: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>riga %1: %2</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>e altri %1.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossibile scrivere %1: %2</translation>
    </message>
    <message>
        <source>Charts exported: %1.</source>
        <translation>Temi esportati: %1.</translation>
    </message>
    <message>
        <source>Charts with a comma or line break written as a semicolon or a space: %1.</source>
        <translation>Temi con una virgola o un a capo scritti come punto e virgola o spazio: %1.</translation>
    </message>
</context>
<context>
    <name>PredictiveTexts</name>
    <message>
        <source>%1 UT</source>
        <translation>%1 UT</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The library already holds a chart of %1. Update that chart, or keep both?</source>
        <translation>L&apos;archivio contiene già un tema di %1. Aggiornare quel tema o conservarli entrambi?</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aggiorna</translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation>&amp;Conserva entrambi</translation>
    </message>
    <message>
        <source>Delete the chart of %1 from the library?</source>
        <translation>Eliminare il tema di %1 dall&apos;archivio?</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The user guide could not be found. It was looked for in:
%1</source>
        <translation>Impossibile trovare la guida utente. È stata cercata in:
%1</translation>
    </message>
    <message>
        <source>Orbenza User Guide</source>
        <translation>Guida utente di Orbenza</translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>No web browser could be opened for %1.</source>
        <translation>Impossibile aprire un browser web per %1.</translation>
    </message>
</context>
<context>
    <name>orbenza::AboutBox</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Fai clic qui per visitare %1</translation>
    </message>
    <message>
        <source>Place atlas: GeoNames (geonames.org), its places, names, regions and time zones, CC BY 4.0. Clock times: the IANA time-zone database (public domain).</source>
        <translation>Atlante dei luoghi: GeoNames (geonames.org), con i suoi luoghi, nomi, regioni e fusi orari, CC BY 4.0. Orari civili: il database dei fusi orari IANA (pubblico dominio).</translation>
    </message>
    <message>
        <source>Precise positions: series fitted to the Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, with JPL&apos;s DE431). Hindi text: the Lohit Devanagari font (SIL Open Font License 1.1).</source>
        <translation>Posizioni precise: serie adattate alla Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, con la DE431 del JPL). Testo in hindi: il carattere Lohit Devanagari (SIL Open Font License 1.1).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>orbenza::AppController</name>
    <message>
        <source>Orbenza chart of %1</source>
        <translation>Tema Orbenza di %1</translation>
    </message>
    <message>
        <source>Save Chart to &amp;Library</source>
        <translation>Salva il tema nell&apos;a&amp;rchivio</translation>
    </message>
    <message>
        <source>&amp;Open Chart…</source>
        <translation>&amp;Apri tema…</translation>
    </message>
    <message>
        <source>The chart of %1 was updated in the library</source>
        <translation>Il tema di %1 è stato aggiornato nell&apos;archivio</translation>
    </message>
    <message>
        <source>The chart of %1 was saved to the library</source>
        <translation>Il tema di %1 è stato salvato nell&apos;archivio</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>Impossibile disegnare il tema di %1: %2</translation>
    </message>
    <message>
        <source>Chart &amp;Settings…</source>
        <translation>Impo&amp;stazioni del tema…</translation>
    </message>
</context>
<context>
    <name>orbenza::AspectGrid</name>
    <message>
        <source>Aspect grid</source>
        <translation>Griglia degli aspetti</translation>
    </message>
    <message>
        <source>%1 %2 %3, orb %4°, %5</source>
        <translation>%1 %2 %3, orbita %4°, %5</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>applicativo</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>separativo</translation>
    </message>
</context>
<context>
    <name>orbenza::BirthDetailsScreen</name>
    <message>
        <source>Jan</source>
        <translation>gen</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>maggio</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>giu</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>lug</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>set</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>ott</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>dic</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>The place atlas is unavailable: type the coordinates and choose the zone by hand.</source>
        <translation>L&apos;atlante dei luoghi non è disponibile: inserisci le coordinate e scegli il fuso a mano.</translation>
    </message>
    <message>
        <source>%1 · %2 %3 %4 is no date of the calendar</source>
        <translation>%1 · %2 %3 %4 non è una data del calendario</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 alle %2</translation>
    </message>
    <message>
        <source>%1 · %2 did not exist: the clocks were put forward. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 non è esistito: gli orologi furono spostati avanti. Procedi chiede quale tempo universale si intende.</translation>
    </message>
    <message>
        <source>%1 · %2 happened twice: the clocks were put back. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 si è verificato due volte: gli orologi furono spostati indietro. Procedi chiede quale tempo universale si intende.</translation>
    </message>
    <message>
        <source>Before 1970 this zone&apos;s clock history is that of %1; local practice in %2 may have differed: check the birth record.</source>
        <translation>Prima del 1970 la storia oraria di questo fuso è quella di %1; l&apos;uso locale a %2 può essere stato diverso: controlla l&apos;atto di nascita.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (summer time)</source>
        <translation>%1 · %2 · %3 il %4 (ora legale)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (local mean time)</source>
        <translation>%1 · %2 · %3 il %4 (tempo medio locale)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4</source>
        <translation>%1 · %2 · %3 il %4</translation>
    </message>
    <message>
        <source>From the atlas: %1 (%2)</source>
        <translation>Dall&apos;atlante: %1 (%2)</translation>
    </message>
    <message>
        <source>Coordinates, zone and daylight saving set by hand, not from the atlas.</source>
        <translation>Coordinate, fuso e ora legale impostati a mano, non dall&apos;atlante.</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 did not exist: the clocks were put forward over it. Read on the clock before the change (%3) it is %4; read on the clock after the change (%5) it is %6. Which one is meant?</source>
        <translation>A %1 l&apos;ora %2 non è esistita: gli orologi furono spostati avanti scavalcandola. Letta sull&apos;orologio prima del cambio (%3) corrisponde a %4; letta sull&apos;orologio dopo il cambio (%5) corrisponde a %6. Quale si intende?</translation>
    </message>
    <message>
        <source>Clock before the change: %1</source>
        <translation>Orologio prima del cambio: %1</translation>
    </message>
    <message>
        <source>Clock after the change: %1</source>
        <translation>Orologio dopo il cambio: %1</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 happened twice: the clocks were put back over it. The first time (%3) it was %4; the second time (%5) it was %6. Which one is meant?</source>
        <translation>A %1 l&apos;ora %2 si è verificata due volte: gli orologi furono spostati indietro ripassandola. La prima volta (%3) erano le %4; la seconda volta (%5) erano le %6. Quale si intende?</translation>
    </message>
    <message>
        <source>First time: %1</source>
        <translation>Prima volta: %1</translation>
    </message>
    <message>
        <source>Second time: %1</source>
        <translation>Seconda volta: %1</translation>
    </message>
    <message>
        <source>Orbenza shows the positions of the planets in the twelve houses in your natal chart. The distribution of the planets in the different houses play an important role in interpreting the birth chart of an individual.</source>
        <translation>Orbenza mostra le posizioni dei pianeti nelle dodici case del tuo tema natale. La distribuzione dei pianeti nelle diverse case ha un ruolo importante nell&apos;interpretazione del tema natale di una persona.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guida utente</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Guida &amp;online</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visita il nostro sito</translation>
    </message>
    <message>
        <source>Check for Software U&amp;pdate</source>
        <translation>Cerca &amp;aggiornamenti del programma</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Informazioni sul programma</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Gradi</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Fai clic qui per trovare latitudine &amp;&amp; longitudine</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Data di nascita</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Ora di nascita</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Città</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Regione</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Paese</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ovest</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitudine</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sud</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitudine</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuso</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Ora legale</translation>
    </message>
    <message>
        <source>Discuss your chart on our online discussion board at %1</source>
        <translation>Discuti del tuo tema nel nostro forum online su %1</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Procedi</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>P&amp;recise Positions</source>
        <translation>Posizioni &amp;precise</translation>
    </message>
    <message>
        <source>Compute the positions from series fitted to the JPL ephemeris, to a tenth of an arcsecond, instead of the built-in method</source>
        <translation>Calcola le posizioni con serie adattate alle effemeridi JPL, al decimo di secondo d&apos;arco, invece che con il metodo integrato</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>January</source>
        <translation>gennaio</translation>
    </message>
    <message>
        <source>February</source>
        <translation>febbraio</translation>
    </message>
    <message>
        <source>March</source>
        <translation>marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>aprile</translation>
    </message>
    <message>
        <source>June</source>
        <translation>giugno</translation>
    </message>
    <message>
        <source>July</source>
        <translation>luglio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>settembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>ottobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>dicembre</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartInTimeScreen</name>
    <message>
        <source>Progressions of %1</source>
        <translation>Progressioni di %1</translation>
    </message>
    <message>
        <source>Solar Return of %1</source>
        <translation>Rivoluzione solare di %1</translation>
    </message>
    <message>
        <source>Lunar Return of %1</source>
        <translation>Rivoluzione lunare di %1</translation>
    </message>
    <message>
        <source>%1 Compared With %2</source>
        <translation>Confronto tra %1 e %2</translation>
    </message>
    <message>
        <source>Bi-wheel</source>
        <translation>Doppia ruota</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>Orbita</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;sporta…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Chiudi</translation>
    </message>
    <message>
        <source>Progressed to &amp;date:</source>
        <translation>&amp;Data di progressione:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Anno:</translation>
    </message>
    <message>
        <source>the birth place</source>
        <translation>il luogo di nascita</translation>
    </message>
    <message>
        <source>A place of the atlas to draw the return for; empty for the birth place</source>
        <translation>Un luogo dell&apos;atlante per cui calcolare la rivoluzione; vuoto per il luogo di nascita</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Luogo:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mese:</translation>
    </message>
    <message>
        <source>&amp;Return:</source>
        <translation>&amp;Rivoluzione:</translation>
    </message>
    <message>
        <source>Synastry: the other chart outside</source>
        <translation>Sinastria: l&apos;altro tema all&apos;esterno</translation>
    </message>
    <message>
        <source>Composite: the midpoints of the two charts outside</source>
        <translation>Composito: i punti medi dei due temi all&apos;esterno</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostra:</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Progredito</translation>
    </message>
    <message>
        <source>Solar return</source>
        <translation>Rivoluzione solare</translation>
    </message>
    <message>
        <source>Lunar return</source>
        <translation>Rivoluzione lunare</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Composito</translation>
    </message>
    <message>
        <source>the progressed chart for %1, the sky of %2</source>
        <translation>il tema progredito per il %1, il cielo del %2</translation>
    </message>
    <message>
        <source>No solar return in %1</source>
        <translation>Nessuna rivoluzione solare nel %1</translation>
    </message>
    <message>
        <source>the solar return of %1</source>
        <translation>la rivoluzione solare del %1</translation>
    </message>
    <message>
        <source>No lunar return in this month</source>
        <translation>Nessuna rivoluzione lunare in questo mese</translation>
    </message>
    <message>
        <source>No chart to compare with</source>
        <translation>Nessun tema da confrontare</translation>
    </message>
    <message>
        <source>the composite of %1 and %2</source>
        <translation>il tema composito di %1 e %2</translation>
    </message>
    <message>
        <source>the chart of %1</source>
        <translation>il tema di %1</translation>
    </message>
    <message>
        <source>the lunar return of %1</source>
        <translation>la rivoluzione lunare del %1</translation>
    </message>
    <message>
        <source>Inside: %1. Outside: %2</source>
        <translation>Interno: %1. Esterno: %2</translation>
    </message>
    <message>
        <source>progressions</source>
        <translation>progressioni</translation>
    </message>
    <message>
        <source>solar return</source>
        <translation>rivoluzione solare</translation>
    </message>
    <message>
        <source>lunar return</source>
        <translation>rivoluzione lunare</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>con %1</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>confronto</translation>
    </message>
    <message>
        <source>Aspects to the birth chart</source>
        <translation>Aspetti al tema natale</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Confronta con</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>Impossibile disegnare il tema di %1: %2</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Tema</translation>
    </message>
    <message>
        <source>&amp;Progressions…</source>
        <translation>&amp;Progressioni…</translation>
    </message>
    <message>
        <source>&amp;Solar Return…</source>
        <translation>Rivoluzione &amp;solare…</translation>
    </message>
    <message>
        <source>&amp;Lunar Return…</source>
        <translation>Rivoluzione &amp;lunare…</translation>
    </message>
    <message>
        <source>&amp;Compare With…</source>
        <translation>&amp;Confronta con…</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartListModel</name>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Data e ora</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Luogo</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartScreen</name>
    <message>
        <source>Sun</source>
        <translation>Sole</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Luna</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercurio</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venere</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Giove</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturno</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Urano</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Nettuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutone</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>Asc</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>Chiron</source>
        <translation>Chirone</translation>
    </message>
    <message>
        <source>True Node</source>
        <translation>Nodo vero</translation>
    </message>
    <message>
        <source>Mean Node</source>
        <translation>Nodo medio</translation>
    </message>
    <message>
        <source>Lilith</source>
        <translation>Lilith</translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation>Fortuna</translation>
    </message>
    <message>
        <source>For more detailed analysis of your planets in houses Visit %1</source>
        <translation>Per un&apos;analisi più dettagliata dei tuoi pianeti nelle case visita %1</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>I tuoi dati</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation>Data di nascita :</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation>Ora di nascita :</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>Città :</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>Regione :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>Paese :</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>Latitudine   :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>Longitudine :</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>Altri dati</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Segno solare</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Segno lunare</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Posizioni planetarie</translation>
    </message>
    <message>
        <source>&amp;Degree Wheel</source>
        <translation>Ruota dei &amp;gradi</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>Un segno per casa, contando dal segno dell&apos;Ascendente</translation>
    </message>
    <message>
        <source>Whole-&amp;Sign Houses</source>
        <translation>Case a segno inte&amp;ro</translation>
    </message>
    <message>
        <source>&amp;Aspect Grid</source>
        <translation>Griglia degli as&amp;petti</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>Tra&amp;nsiti</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>Pianeti nelle case</translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris series)</source>
        <translation>Posizioni precise (serie Swiss Ephemeris)</translation>
    </message>
    <message>
        <source>Classic positions (the built-in method)</source>
        <translation>Posizioni classiche (il metodo integrato)</translation>
    </message>
    <message>
        <source> (R) </source>
        <translation> (R) </translation>
    </message>
</context>
<context>
    <name>orbenza::ChartSettingsDialog</name>
    <message>
        <source>Placidus</source>
        <translation>Placidus</translation>
    </message>
    <message>
        <source>Koch</source>
        <translation>Koch</translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation>Porfirio</translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <translation>Regiomontano</translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation>Campano</translation>
    </message>
    <message>
        <source>Alcabitius</source>
        <translation>Alcabizio</translation>
    </message>
    <message>
        <source>Topocentric (Polich-Page)</source>
        <translation>Topocentrico (Polich-Page)</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morinus</translation>
    </message>
    <message>
        <source>Meridian (axial rotation)</source>
        <translation>Meridiano (rotazione assiale)</translation>
    </message>
    <message>
        <source>Whole sign</source>
        <translation>Segno intero</translation>
    </message>
    <message>
        <source>Equal houses from the Ascendant&apos;s degree</source>
        <translation>Case uguali dal grado dell&apos;Ascendente</translation>
    </message>
    <message>
        <source>Equal houses from the Midheaven</source>
        <translation>Case uguali dal Medio Cielo</translation>
    </message>
    <message>
        <source>Equal houses of whole degrees, as the report has always counted</source>
        <translation>Case uguali a gradi interi, come le ha sempre contate l&apos;interpretazione</translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation>Congiunzione</translation>
    </message>
    <message>
        <source>Opposition</source>
        <translation>Opposizione</translation>
    </message>
    <message>
        <source>Trine</source>
        <translation>Trigono</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadratura</translation>
    </message>
    <message>
        <source>Sextile</source>
        <translation>Sestile</translation>
    </message>
    <message>
        <source>Quincunx</source>
        <translation>Quinconce</translation>
    </message>
    <message>
        <source>Semi-sextile</source>
        <translation>Semisestile</translation>
    </message>
    <message>
        <source>Semi-square</source>
        <translation>Semiquadratura</translation>
    </message>
    <message>
        <source>Sesquiquadrate</source>
        <translation>Sesquiquadratura</translation>
    </message>
    <message>
        <source>Quintile</source>
        <translation>Quintile</translation>
    </message>
    <message>
        <source>Biquintile</source>
        <translation>Biquintile</translation>
    </message>
    <message>
        <source>Chart Settings</source>
        <translation>Impostazioni del tema</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Case</translation>
    </message>
    <message>
        <source>House &amp;system:</source>
        <translation>&amp;Sistema di case:</translation>
    </message>
    <message>
        <source>Where Placidus or Koch have no cusps (near and beyond the polar circles) the chart uses Porphyry and says so.</source>
        <translation>Dove Placidus o Koch non hanno cuspidi (vicino ai circoli polari e oltre), il tema usa Porfirio e lo segnala.</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspetti</translation>
    </message>
    <message>
        <source>The five major aspects</source>
        <translation>I cinque aspetti maggiori</translation>
    </message>
    <message>
        <source>All eleven aspects</source>
        <translation>Tutti gli undici aspetti</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Elenco:</translation>
    </message>
    <message>
        <source>%1 orb:</source>
        <translation>Orbita %1:</translation>
    </message>
    <message>
        <source>A major aspect with the Sun or the Moon in it has %1° more.</source>
        <translation>Un aspetto maggiore che coinvolge il Sole o la Luna ha %1° in più.</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Ruota del tema</translation>
    </message>
</context>
<context>
    <name>orbenza::DegreeWheelView</name>
    <message>
        <source>Degree wheel</source>
        <translation>Ruota dei gradi</translation>
    </message>
</context>
<context>
    <name>orbenza::Languages</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Visualizza</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Lingua</translation>
    </message>
    <message>
        <source>The next chart is written in the new language; the menus and screens follow when Orbenza starts again.</source>
        <translation>Il prossimo tema sarà scritto nella nuova lingua; menu e finestre seguiranno al prossimo avvio di Orbenza.</translation>
    </message>
</context>
<context>
    <name>orbenza::MainWindow</name>
    <message>
        <source>Join our online astrology community at %1</source>
        <translation>Unisciti alla nostra comunità astrologica online su %1</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Indietro</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Export Chart &amp;Picture…</source>
        <translation>Es&amp;porta l&apos;immagine del tema…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <translation>Salva l&apos;interpretazione come P&amp;DF…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
</context>
<context>
    <name>orbenza::OpenChartDialog</name>
    <message>
        <source>Open Chart</source>
        <translation>Apri tema</translation>
    </message>
    <message>
        <source>Type part of a name, a date or a place</source>
        <translation>Digita parte di un nome, di una data o di un luogo</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Apri</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Import AAF…</source>
        <translation>&amp;Importa AAF…</translation>
    </message>
    <message>
        <source>&amp;Export AAF…</source>
        <translation>E&amp;sporta AAF…</translation>
    </message>
    <message numerus="yes">
        <source>%n chart(s) in the library</source>
        <translation>
            <numerusform>%n tema nell&apos;archivio</numerusform>
            <numerusform>%n temi nell&apos;archivio</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 chart(s) shown</source>
        <translation>
            <numerusform>%n tema visualizzato su %1</numerusform>
            <numerusform>%n temi visualizzati su %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orbenza::PictureSizeDialog</name>
    <message>
        <source>Picture Size</source>
        <translation>Dimensioni dell&apos;immagine</translation>
    </message>
    <message>
        <source>Width of the PNG picture. The height follows from it, so the wheel keeps its proportions.</source>
        <translation>Larghezza dell&apos;immagine PNG. L&apos;altezza ne deriva, così la ruota mantiene le sue proporzioni.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Larghezza:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Altezza:</translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation>%1 px</translation>
    </message>
</context>
<context>
    <name>orbenza::RecentChartsMenu</name>
    <message>
        <source>Recent &amp;Charts</source>
        <translation>&amp;Temi recenti</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuno)</translation>
    </message>
</context>
<context>
    <name>orbenza::SaveScreen</name>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Rich Text Format (*.rtf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Testo semplice (*.txt)</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Interpretazione generata da %1</translation>
    </message>
    <message>
        <source>Visit us now at %1 for more about your chart</source>
        <translation>Visitaci subito su %1 per saperne di più sul tuo tema</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online discussion forum</source>
        <translation>Parla del tuo tema con altri lettori nel nostro forum di discussione online</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save the report as Rich Text or plain text</source>
        <translation>Salva l&apos;interpretazione come Rich Text o testo semplice</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Stam&amp;pa</translation>
    </message>
    <message>
        <source>Print the report, or only the part of it you have selected</source>
        <translation>Stampa l&apos;interpretazione, o solo la parte selezionata</translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Impossibile salvare l&apos;interpretazione in &quot;%1&quot;.

%2</translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;.</source>
        <translation>Impossibile stampare l&apos;interpretazione su &quot;%1&quot;.</translation>
    </message>
</context>
<context>
    <name>orbenza::TransitsTab</name>
    <message>
        <source>Transits bi-wheel</source>
        <translation>Doppia ruota dei transiti</translation>
    </message>
    <message>
        <source>Exact transits in the next twelve months</source>
        <translation>Transiti esatti nei prossimi dodici mesi</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>Espo&amp;rta…</translation>
    </message>
    <message>
        <source>Save the bi-wheel as an SVG or PNG picture or a PDF document</source>
        <translation>Salva la doppia ruota come immagine SVG o PNG o come documento PDF</translation>
    </message>
    <message>
        <source>Exact (UT)</source>
        <translation>Esatto (UT)</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>Transitante</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspetto</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natale</translation>
    </message>
    <message>
        <source>In orb</source>
        <translation>Nell&apos;orbita</translation>
    </message>
    <message>
        <source>Double-click a transit to show the sky of its exact moment</source>
        <translation>Fai doppio clic su un transito per mostrare il cielo del suo momento esatto</translation>
    </message>
    <message>
        <source>« Month</source>
        <translation>« Mese</translation>
    </message>
    <message>
        <source>One month earlier</source>
        <translation>Un mese prima</translation>
    </message>
    <message>
        <source>‹ Day</source>
        <translation>‹ Giorno</translation>
    </message>
    <message>
        <source>One day earlier</source>
        <translation>Un giorno prima</translation>
    </message>
    <message>
        <source>‹ Hour</source>
        <translation>‹ Ora</translation>
    </message>
    <message>
        <source>One hour earlier</source>
        <translation>Un&apos;ora prima</translation>
    </message>
    <message>
        <source>Moment of the transits, universal time</source>
        <translation>Momento dei transiti, tempo universale</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Hour ›</source>
        <translation>Ora ›</translation>
    </message>
    <message>
        <source>One hour later</source>
        <translation>Un&apos;ora dopo</translation>
    </message>
    <message>
        <source>Day ›</source>
        <translation>Giorno ›</translation>
    </message>
    <message>
        <source>One day later</source>
        <translation>Un giorno dopo</translation>
    </message>
    <message>
        <source>Month »</source>
        <translation>Mese »</translation>
    </message>
    <message>
        <source>One month later</source>
        <translation>Un mese dopo</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>A&amp;desso</translation>
    </message>
    <message>
        <source>The sky of this moment</source>
        <translation>Il cielo di questo momento</translation>
    </message>
    <message>
        <source> (R)</source>
        <translation> (R)</translation>
    </message>
    <message>
        <source>, pass %1 of %2</source>
        <translation>, passaggio %1 di %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>da %1 a %2</translation>
    </message>
    <message>
        <source>Exact transits from %1 to %2</source>
        <translation>Transiti esatti dal %1 al %2</translation>
    </message>
    <message>
        <source>Inside: the birth chart. Outside: the sky of %1</source>
        <translation>Interno: il tema natale. Esterno: il cielo del %1</translation>
    </message>
    <message>
        <source>Transits</source>
        <translation>Transiti</translation>
    </message>
    <message>
        <source>Transits of %1</source>
        <translation>Transiti di %1</translation>
    </message>
    <message>
        <source>The sky of %1 round the birth chart</source>
        <translation>Il cielo del %1 attorno al tema natale</translation>
    </message>
    <message>
        <source>transits</source>
        <translation>transiti</translation>
    </message>
</context>
<context>
    <name>orbenza::UserMessages</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sì</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Inserisci il nome</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Inserisci un valore tra 0 e 179 nei gradi di longitudine</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Inserisci un valore tra 0 e 59 nei minuti di longitudine</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Inserisci un valore tra 0 e 89 nei gradi di latitudine</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Inserisci un valore tra 0 e 59 nei minuti di latitudine</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Inserisci un giorno o un mese corretto!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Inserisci un giorno o un mese corretto !</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Sono accettati solo numeri</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Inserisci solo lettere</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Inserisci la città</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Inserisci la regione</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Inserisci il paese</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;applicazione è già in esecuzione</translation>
    </message>
</context>
</TS>
