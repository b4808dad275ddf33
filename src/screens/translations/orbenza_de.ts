<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>BiWheelExport</name>
    <message>
        <source>The chart picture could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Das Horoskopbild konnte nicht unter „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>Horoskopbild exportieren</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>Das PDF-Dokument konnte nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>%1 could not be saved to &quot;%2&quot;.

%3</source>
        <translation>%1 konnte nicht unter „%2“ gespeichert werden.

%3</translation>
    </message>
    <message>
        <source>The chart picture</source>
        <translation>Das Horoskopbild</translation>
    </message>
    <message>
        <source>The report</source>
        <translation>Die Deutung</translation>
    </message>
    <message>
        <source>Orbenza chart</source>
        <translation>Orbenza-Horoskop</translation>
    </message>
    <message>
        <source>Orbenza chart of %1</source>
        <translation>Orbenza-Horoskop von %1</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG-Bild (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>Horoskopbild exportieren</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Deutung als PDF speichern</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>Ein Zeichen je Haus, gezählt ab dem Zeichen des Aszendenten</translation>
    </message>
    <message>
        <source>The SVG picture could not be drawn.</source>
        <translation>Das SVG-Bild konnte nicht gezeichnet werden.</translation>
    </message>
    <message>
        <source>A picture can be 1 to %1 pixels wide, not %2.</source>
        <translation>Ein Bild kann 1 bis %1 Pixel breit sein, nicht %2.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>Für ein Bild von %1 x %2 Pixeln reicht der Speicher nicht aus.</translation>
    </message>
    <message>
        <source>Orbenza report</source>
        <translation>Orbenza-Deutung</translation>
    </message>
    <message>
        <source>Orbenza report of %1</source>
        <translation>Orbenza-Deutung für %1</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>Planeten in den Häusern</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>Das PDF-Dokument konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>The file could not be written completely; the disk may be full.</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden; der Datenträger ist vielleicht voll.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>LibraryExchange</name>
    <message>
        <source>an #A93 record needs 7 fields</source>
        <translation>ein #A93-Datensatz braucht 7 Felder</translation>
    </message>
    <message>
        <source>a #B93 record needs 5 fields</source>
        <translation>ein #B93-Datensatz braucht 5 Felder</translation>
    </message>
    <message>
        <source>the #A93 record has no #B93 record after it</source>
        <translation>auf den #A93-Datensatz folgt kein #B93-Datensatz</translation>
    </message>
    <message>
        <source>the #B93 record has no #A93 record before it</source>
        <translation>vor dem #B93-Datensatz steht kein #A93-Datensatz</translation>
    </message>
    <message>
        <source>the date is not day.month.year</source>
        <translation>das Datum hat nicht die Form Tag.Monat.Jahr</translation>
    </message>
    <message>
        <source>the time is not hh:mm</source>
        <translation>die Uhrzeit hat nicht die Form hh:mm</translation>
    </message>
    <message>
        <source>the date or the time of birth is unknown</source>
        <translation>Geburtsdatum oder Geburtszeit ist unbekannt</translation>
    </message>
    <message>
        <source>the latitude cannot be read</source>
        <translation>die Breite ist nicht lesbar</translation>
    </message>
    <message>
        <source>the longitude cannot be read</source>
        <translation>die Länge ist nicht lesbar</translation>
    </message>
    <message>
        <source>the zone difference cannot be read</source>
        <translation>die Zonendifferenz ist nicht lesbar</translation>
    </message>
    <message>
        <source>the summer time flag is not 0 or 1</source>
        <translation>die Sommerzeit-Kennung ist weder 0 noch 1</translation>
    </message>
    <message>
        <source>the Julian day is not a number</source>
        <translation>der Julianische Tag ist keine Zahl</translation>
    </message>
    <message>
        <source>both the zone difference and the Julian day are unknown</source>
        <translation>sowohl die Zonendifferenz als auch der Julianische Tag sind unbekannt</translation>
    </message>
    <message>
        <source>the Julian day disagrees with the date, time and zone</source>
        <translation>der Julianische Tag passt nicht zu Datum, Uhrzeit und Zone</translation>
    </message>
    <message>
        <source>AAF files (*.aaf *.txt);;All files (*)</source>
        <translation>AAF-Dateien (*.aaf *.txt);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Export Charts as AAF</source>
        <translation>Horoskope als AAF exportieren</translation>
    </message>
    <message>
        <source>Import Charts from AAF</source>
        <translation>Horoskope aus AAF importieren</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1 holds no #A93 record; is it an AAF file?</source>
        <translation>%1 enthält keinen #A93-Datensatz; ist das eine AAF-Datei?</translation>
    </message>
    <message>
        <source>Importing charts…</source>
        <translation>Horoskope werden importiert…</translation>
    </message>
    <message>
        <source>Charts imported: %1.</source>
        <translation>Importierte Horoskope: %1.</translation>
    </message>
    <message>
        <source>Charts that could not be read: %1</source>
        <translation>Horoskope, die nicht gelesen werden konnten: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>und %1 weitere.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Charts exported: %1.</source>
        <translation>Exportierte Horoskope: %1.</translation>
    </message>
    <message>
        <source>Charts with a comma or line break written as a semicolon or a space: %1.</source>
        <translation>Horoskope, bei denen ein Komma oder Zeilenumbruch als Semikolon oder Leerzeichen geschrieben wurde: %1.</translation>
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
        <translation>Die Bibliothek enthält bereits ein Horoskop von %1. Dieses Horoskop aktualisieren oder beide behalten?</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Aktualisieren</translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation>&amp;Beide behalten</translation>
    </message>
    <message>
        <source>Delete the chart of %1 from the library?</source>
        <translation>Das Horoskop von %1 aus der Bibliothek löschen?</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The user guide could not be found. It was looked for in:
%1</source>
        <translation>Das Benutzerhandbuch wurde nicht gefunden. Gesucht wurde in:
%1</translation>
    </message>
    <message>
        <source>Orbenza User Guide</source>
        <translation>Orbenza-Benutzerhandbuch</translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>No web browser could be opened for %1.</source>
        <translation>Für %1 konnte kein Webbrowser geöffnet werden.</translation>
    </message>
</context>
<context>
    <name>orbenza::AboutBox</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Hier klicken, um %1 zu besuchen</translation>
    </message>
    <message>
        <source>Place atlas: GeoNames (geonames.org), its places, names, regions and time zones, CC BY 4.0. Clock times: the IANA time-zone database (public domain).</source>
        <translation>Ortsatlas: GeoNames (geonames.org), seine Orte, Namen, Regionen und Zeitzonen, CC BY 4.0. Uhrzeiten: die IANA-Zeitzonendatenbank (gemeinfrei).</translation>
    </message>
    <message>
        <source>Precise positions: series fitted to the Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, with JPL&apos;s DE431). Hindi text: the Lohit Devanagari font (SIL Open Font License 1.1).</source>
        <translation>Genaue Positionen: Reihen, angepasst an die Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, mit JPLs DE431). Hindi-Text: die Schrift Lohit Devanagari (SIL Open Font License 1.1).</translation>
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
        <translation>Orbenza-Horoskop von %1</translation>
    </message>
    <message>
        <source>Save Chart to &amp;Library</source>
        <translation>Horoskop in der &amp;Bibliothek speichern</translation>
    </message>
    <message>
        <source>&amp;Open Chart…</source>
        <translation>Horoskop ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>The chart of %1 was updated in the library</source>
        <translation>Das Horoskop von %1 wurde in der Bibliothek aktualisiert</translation>
    </message>
    <message>
        <source>The chart of %1 was saved to the library</source>
        <translation>Das Horoskop von %1 wurde in der Bibliothek gespeichert</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>Das Horoskop von %1 kann nicht gezeichnet werden: %2</translation>
    </message>
    <message>
        <source>Chart &amp;Settings…</source>
        <translation>&amp;Horoskopeinstellungen…</translation>
    </message>
</context>
<context>
    <name>orbenza::AspectGrid</name>
    <message>
        <source>Aspect grid</source>
        <translation>Aspekttabelle</translation>
    </message>
    <message>
        <source>%1 %2 %3, orb %4°, %5</source>
        <translation>%1 %2 %3, Orbis %4°, %5</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>applikativ</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>separativ</translation>
    </message>
</context>
<context>
    <name>orbenza::BirthDetailsScreen</name>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mär</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>Mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Okt</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dez</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>The place atlas is unavailable: type the coordinates and choose the zone by hand.</source>
        <translation>Der Ortsatlas ist nicht verfügbar: Geben Sie die Koordinaten ein und wählen Sie die Zone von Hand.</translation>
    </message>
    <message>
        <source>%1 · %2 %3 %4 is no date of the calendar</source>
        <translation>%1 · %2 %3 %4 ist kein Datum des Kalenders</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 um %2</translation>
    </message>
    <message>
        <source>%1 · %2 did not exist: the clocks were put forward. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 gab es nicht: Die Uhren wurden vorgestellt. Weiter fragt, welche Weltzeit gemeint ist.</translation>
    </message>
    <message>
        <source>%1 · %2 happened twice: the clocks were put back. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 gab es zweimal: Die Uhren wurden zurückgestellt. Weiter fragt, welche Weltzeit gemeint ist.</translation>
    </message>
    <message>
        <source>Before 1970 this zone&apos;s clock history is that of %1; local practice in %2 may have differed: check the birth record.</source>
        <translation>Vor 1970 folgt die Uhrzeitgeschichte dieser Zone der von %1; der örtliche Brauch in %2 kann abgewichen sein: Prüfen Sie die Geburtsurkunde.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (summer time)</source>
        <translation>%1 · %2 · %3 am %4 (Sommerzeit)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (local mean time)</source>
        <translation>%1 · %2 · %3 am %4 (mittlere Ortszeit)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4</source>
        <translation>%1 · %2 · %3 am %4</translation>
    </message>
    <message>
        <source>From the atlas: %1 (%2)</source>
        <translation>Aus dem Atlas: %1 (%2)</translation>
    </message>
    <message>
        <source>Coordinates, zone and daylight saving set by hand, not from the atlas.</source>
        <translation>Koordinaten, Zone und Sommerzeit von Hand gesetzt, nicht aus dem Atlas.</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 did not exist: the clocks were put forward over it. Read on the clock before the change (%3) it is %4; read on the clock after the change (%5) it is %6. Which one is meant?</source>
        <translation>In %1 gab es die Uhrzeit %2 nicht: Die Uhren wurden über sie hinweg vorgestellt. Auf der Uhr vor der Umstellung (%3) gelesen, ist es %4; auf der Uhr nach der Umstellung (%5) gelesen, ist es %6. Welche ist gemeint?</translation>
    </message>
    <message>
        <source>Clock before the change: %1</source>
        <translation>Uhr vor der Umstellung: %1</translation>
    </message>
    <message>
        <source>Clock after the change: %1</source>
        <translation>Uhr nach der Umstellung: %1</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 happened twice: the clocks were put back over it. The first time (%3) it was %4; the second time (%5) it was %6. Which one is meant?</source>
        <translation>In %1 gab es die Uhrzeit %2 zweimal: Die Uhren wurden über sie hinweg zurückgestellt. Beim ersten Mal (%3) war es %4; beim zweiten Mal (%5) war es %6. Welche ist gemeint?</translation>
    </message>
    <message>
        <source>First time: %1</source>
        <translation>Erstes Mal: %1</translation>
    </message>
    <message>
        <source>Second time: %1</source>
        <translation>Zweites Mal: %1</translation>
    </message>
    <message>
        <source>Orbenza shows the positions of the planets in the twelve houses in your natal chart. The distribution of the planets in the different houses play an important role in interpreting the birth chart of an individual.</source>
        <translation>Orbenza zeigt die Stellungen der Planeten in den zwölf Häusern Ihres Geburtshoroskops. Die Verteilung der Planeten auf die verschiedenen Häuser spielt eine wichtige Rolle bei der Deutung des Geburtshoroskops eines Menschen.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Benutzerhandbuch</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>&amp;Online-Hilfe</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>Besuchen &amp;Sie uns online</translation>
    </message>
    <message>
        <source>Check for Software U&amp;pdate</source>
        <translation>Nach Software-&amp;Aktualisierung suchen</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>&amp;Über die Software</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Grad</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Hier klicken, um Breite &amp;&amp; Länge zu finden</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Geburtsdatum</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Geburtszeit</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Region</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Land</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Ost</translation>
    </message>
    <message>
        <source>West</source>
        <translation>West</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Länge</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Nord</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Süd</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Sommerzeit</translation>
    </message>
    <message>
        <source>Discuss your chart on our online discussion board at %1</source>
        <translation>Besprechen Sie Ihr Horoskop in unserem Online-Diskussionsforum unter %1</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>P&amp;recise Positions</source>
        <translation>&amp;Genaue Positionen</translation>
    </message>
    <message>
        <source>Compute the positions from series fitted to the JPL ephemeris, to a tenth of an arcsecond, instead of the built-in method</source>
        <translation>Die Positionen aus Reihen berechnen, die an die JPL-Ephemeriden angepasst sind, auf eine zehntel Bogensekunde genau, statt mit dem eingebauten Verfahren</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Januar</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Februar</translation>
    </message>
    <message>
        <source>March</source>
        <translation>März</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Juni</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Juli</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Oktober</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Dezember</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartInTimeScreen</name>
    <message>
        <source>Progressions of %1</source>
        <translation>Progressionen von %1</translation>
    </message>
    <message>
        <source>Solar Return of %1</source>
        <translation>Solarhoroskop von %1</translation>
    </message>
    <message>
        <source>Lunar Return of %1</source>
        <translation>Lunarhoroskop von %1</translation>
    </message>
    <message>
        <source>%1 Compared With %2</source>
        <translation>Vergleich von %1 mit %2</translation>
    </message>
    <message>
        <source>Bi-wheel</source>
        <translation>Doppelkreis</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspekt</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>Orbis</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source>Progressed to &amp;date:</source>
        <translation>Progressions&amp;datum:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Jahr:</translation>
    </message>
    <message>
        <source>the birth place</source>
        <translation>der Geburtsort</translation>
    </message>
    <message>
        <source>A place of the atlas to draw the return for; empty for the birth place</source>
        <translation>Ein Ort aus dem Atlas, für den das Horoskop erstellt wird; leer für den Geburtsort</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Ort:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Monat:</translation>
    </message>
    <message>
        <source>&amp;Return:</source>
        <translation>&amp;Wiederkehr:</translation>
    </message>
    <message>
        <source>Synastry: the other chart outside</source>
        <translation>Synastrie: das andere Horoskop außen</translation>
    </message>
    <message>
        <source>Composite: the midpoints of the two charts outside</source>
        <translation>Composit: die Halbsummen beider Horoskope außen</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Zeigen:</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Progressiv</translation>
    </message>
    <message>
        <source>Solar return</source>
        <translation>Solarhoroskop</translation>
    </message>
    <message>
        <source>Lunar return</source>
        <translation>Lunarhoroskop</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Composit</translation>
    </message>
    <message>
        <source>the progressed chart for %1, the sky of %2</source>
        <translation>das progressive Horoskop für den %1, der Himmel am %2</translation>
    </message>
    <message>
        <source>No solar return in %1</source>
        <translation>Kein Solarhoroskop im Jahr %1</translation>
    </message>
    <message>
        <source>the solar return of %1</source>
        <translation>das Solarhoroskop vom %1</translation>
    </message>
    <message>
        <source>No lunar return in this month</source>
        <translation>Kein Lunarhoroskop in diesem Monat</translation>
    </message>
    <message>
        <source>No chart to compare with</source>
        <translation>Kein Horoskop zum Vergleichen</translation>
    </message>
    <message>
        <source>the composite of %1 and %2</source>
        <translation>das Composit von %1 und %2</translation>
    </message>
    <message>
        <source>the chart of %1</source>
        <translation>das Horoskop von %1</translation>
    </message>
    <message>
        <source>the lunar return of %1</source>
        <translation>das Lunarhoroskop vom %1</translation>
    </message>
    <message>
        <source>Inside: %1. Outside: %2</source>
        <translation>Innen: %1. Außen: %2</translation>
    </message>
    <message>
        <source>progressions</source>
        <translation>Progressionen</translation>
    </message>
    <message>
        <source>solar return</source>
        <translation>Solarhoroskop</translation>
    </message>
    <message>
        <source>lunar return</source>
        <translation>Lunarhoroskop</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>mit %1</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>Vergleich</translation>
    </message>
    <message>
        <source>Aspects to the birth chart</source>
        <translation>Aspekte zum Geburtshoroskop</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Vergleichen mit</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>Das Horoskop von %1 kann nicht gezeichnet werden: %2</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>H&amp;oroskop</translation>
    </message>
    <message>
        <source>&amp;Progressions…</source>
        <translation>&amp;Progressionen…</translation>
    </message>
    <message>
        <source>&amp;Solar Return…</source>
        <translation>&amp;Solarhoroskop…</translation>
    </message>
    <message>
        <source>&amp;Lunar Return…</source>
        <translation>&amp;Lunarhoroskop…</translation>
    </message>
    <message>
        <source>&amp;Compare With…</source>
        <translation>&amp;Vergleichen mit…</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartListModel</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Datum und Uhrzeit</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Ort</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartScreen</name>
    <message>
        <source>Sun</source>
        <translation>Sonne</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Mond</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Merkur</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Mars</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Jupiter</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>Saturn</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptun</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluto</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>AC</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>MC</translation>
    </message>
    <message>
        <source>Chiron</source>
        <translation>Chiron</translation>
    </message>
    <message>
        <source>True Node</source>
        <translation>Wahrer Knoten</translation>
    </message>
    <message>
        <source>Mean Node</source>
        <translation>Mittlerer Knoten</translation>
    </message>
    <message>
        <source>Lilith</source>
        <translation>Lilith</translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation>Glückspunkt</translation>
    </message>
    <message>
        <source>For more detailed analysis of your planets in houses Visit %1</source>
        <translation>Eine ausführlichere Deutung Ihrer Planeten in den Häusern finden Sie unter %1</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>Ihre Daten</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation>Geburtsdatum :</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation>Geburtszeit :</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>Ort :</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>Region :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>Land :</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>Breite   :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>Länge :</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>Weitere Angaben</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Sonnenzeichen</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Mondzeichen</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Aszendent</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Planetenstände</translation>
    </message>
    <message>
        <source>&amp;Degree Wheel</source>
        <translation>&amp;Gradkreis</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>Ein Zeichen je Haus, gezählt ab dem Zeichen des Aszendenten</translation>
    </message>
    <message>
        <source>Whole-&amp;Sign Houses</source>
        <translation>Ganze Zeichen a&amp;ls Häuser</translation>
    </message>
    <message>
        <source>&amp;Aspect Grid</source>
        <translation>As&amp;pekttabelle</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>&amp;Transite</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>Planeten in den Häusern</translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris series)</source>
        <translation>Genaue Positionen (Swiss-Ephemeris-Reihen)</translation>
    </message>
    <message>
        <source>Classic positions (the built-in method)</source>
        <translation>Klassische Positionen (das eingebaute Verfahren)</translation>
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
        <translation>Porphyrius</translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <translation>Regiomontanus</translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation>Campanus</translation>
    </message>
    <message>
        <source>Alcabitius</source>
        <translation>Alcabitius</translation>
    </message>
    <message>
        <source>Topocentric (Polich-Page)</source>
        <translation>Topozentrisch (Polich-Page)</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morinus</translation>
    </message>
    <message>
        <source>Meridian (axial rotation)</source>
        <translation>Meridian (Achsendrehung)</translation>
    </message>
    <message>
        <source>Whole sign</source>
        <translation>Ganze Zeichen</translation>
    </message>
    <message>
        <source>Equal houses from the Ascendant&apos;s degree</source>
        <translation>Gleiche Häuser ab dem Grad des Aszendenten</translation>
    </message>
    <message>
        <source>Equal houses from the Midheaven</source>
        <translation>Gleiche Häuser ab dem Medium Coeli</translation>
    </message>
    <message>
        <source>Equal houses of whole degrees, as the report has always counted</source>
        <translation>Gleiche Häuser in ganzen Graden, wie die Deutung sie immer gezählt hat</translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation>Konjunktion</translation>
    </message>
    <message>
        <source>Opposition</source>
        <translation>Opposition</translation>
    </message>
    <message>
        <source>Trine</source>
        <translation>Trigon</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Quadrat</translation>
    </message>
    <message>
        <source>Sextile</source>
        <translation>Sextil</translation>
    </message>
    <message>
        <source>Quincunx</source>
        <translation>Quinkunx</translation>
    </message>
    <message>
        <source>Semi-sextile</source>
        <translation>Halbsextil</translation>
    </message>
    <message>
        <source>Semi-square</source>
        <translation>Halbquadrat</translation>
    </message>
    <message>
        <source>Sesquiquadrate</source>
        <translation>Anderthalbquadrat</translation>
    </message>
    <message>
        <source>Quintile</source>
        <translation>Quintil</translation>
    </message>
    <message>
        <source>Biquintile</source>
        <translation>Biquintil</translation>
    </message>
    <message>
        <source>Chart Settings</source>
        <translation>Horoskopeinstellungen</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Häuser</translation>
    </message>
    <message>
        <source>House &amp;system:</source>
        <translation>Häuser&amp;system:</translation>
    </message>
    <message>
        <source>Where Placidus or Koch have no cusps (near and beyond the polar circles) the chart uses Porphyry and says so.</source>
        <translation>Wo Placidus oder Koch keine Häuserspitzen haben (nahe und jenseits der Polarkreise), verwendet das Horoskop Porphyrius und weist darauf hin.</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspekte</translation>
    </message>
    <message>
        <source>The five major aspects</source>
        <translation>Die fünf Hauptaspekte</translation>
    </message>
    <message>
        <source>All eleven aspects</source>
        <translation>Alle elf Aspekte</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Liste:</translation>
    </message>
    <message>
        <source>%1 orb:</source>
        <translation>Orbis %1:</translation>
    </message>
    <message>
        <source>A major aspect with the Sun or the Moon in it has %1° more.</source>
        <translation>Ein Hauptaspekt, an dem Sonne oder Mond beteiligt sind, hat %1° mehr.</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Horoskopkreis</translation>
    </message>
</context>
<context>
    <name>orbenza::DegreeWheelView</name>
    <message>
        <source>Degree wheel</source>
        <translation>Gradkreis</translation>
    </message>
</context>
<context>
    <name>orbenza::Languages</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
    <message>
        <source>The next chart is written in the new language; the menus and screens follow when Orbenza starts again.</source>
        <translation>Das nächste Horoskop wird in der neuen Sprache geschrieben; Menüs und Fenster folgen beim nächsten Start von Orbenza.</translation>
    </message>
</context>
<context>
    <name>orbenza::MainWindow</name>
    <message>
        <source>Join our online astrology community at %1</source>
        <translation>Werden Sie Teil unserer Online-Astrologiegemeinschaft unter %1</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dru&amp;cken</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>Export Chart &amp;Picture…</source>
        <translation>Horoskopbild e&amp;xportieren…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <translation>Deutung als P&amp;DF speichern…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
</context>
<context>
    <name>orbenza::OpenChartDialog</name>
    <message>
        <source>Open Chart</source>
        <translation>Horoskop öffnen</translation>
    </message>
    <message>
        <source>Type part of a name, a date or a place</source>
        <translation>Geben Sie einen Teil eines Namens, eines Datums oder eines Ortes ein</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Import AAF…</source>
        <translation>AAF &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Export AAF…</source>
        <translation>AAF &amp;exportieren…</translation>
    </message>
    <message numerus="yes">
        <source>%n chart(s) in the library</source>
        <translation>
            <numerusform>%n Horoskop in der Bibliothek</numerusform>
            <numerusform>%n Horoskope in der Bibliothek</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 chart(s) shown</source>
        <translation>
            <numerusform>%n von %1 Horoskopen angezeigt</numerusform>
            <numerusform>%n von %1 Horoskopen angezeigt</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orbenza::PictureSizeDialog</name>
    <message>
        <source>Picture Size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Width of the PNG picture. The height follows from it, so the wheel keeps its proportions.</source>
        <translation>Breite des PNG-Bildes. Die Höhe ergibt sich daraus, sodass der Kreis seine Proportionen behält.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
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
        <translation>Zu&amp;letzt geöffnete Horoskope</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
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
        <translation>Reiner Text (*.txt)</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Deutung erstellt mit %1</translation>
    </message>
    <message>
        <source>Visit us now at %1 for more about your chart</source>
        <translation>Besuchen Sie uns jetzt unter %1, um mehr über Ihr Horoskop zu erfahren</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online discussion forum</source>
        <translation>Sprechen Sie mit anderen Lesern in unserem Online-Diskussionsforum über Ihr Horoskop</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save the report as Rich Text or plain text</source>
        <translation>Die Deutung als Rich Text oder reinen Text speichern</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>Dru&amp;cken</translation>
    </message>
    <message>
        <source>Print the report, or only the part of it you have selected</source>
        <translation>Die Deutung drucken, oder nur den markierten Teil davon</translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;.

%2</source>
        <translation>Die Deutung konnte nicht unter „%1“ gespeichert werden.

%2</translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;.</source>
        <translation>Die Deutung konnte nicht nach „%1“ gedruckt werden.</translation>
    </message>
</context>
<context>
    <name>orbenza::TransitsTab</name>
    <message>
        <source>Transits bi-wheel</source>
        <translation>Transit-Doppelkreis</translation>
    </message>
    <message>
        <source>Exact transits in the next twelve months</source>
        <translation>Exakte Transite in den nächsten zwölf Monaten</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>Save the bi-wheel as an SVG or PNG picture or a PDF document</source>
        <translation>Den Doppelkreis als SVG- oder PNG-Bild oder als PDF-Dokument speichern</translation>
    </message>
    <message>
        <source>Exact (UT)</source>
        <translation>Exakt (UT)</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>Transitierend</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspekt</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Radix</translation>
    </message>
    <message>
        <source>In orb</source>
        <translation>Im Orbis</translation>
    </message>
    <message>
        <source>Double-click a transit to show the sky of its exact moment</source>
        <translation>Doppelklicken Sie auf einen Transit, um den Himmel zu seinem exakten Zeitpunkt zu zeigen</translation>
    </message>
    <message>
        <source>« Month</source>
        <translation>« Monat</translation>
    </message>
    <message>
        <source>One month earlier</source>
        <translation>Einen Monat früher</translation>
    </message>
    <message>
        <source>‹ Day</source>
        <translation>‹ Tag</translation>
    </message>
    <message>
        <source>One day earlier</source>
        <translation>Einen Tag früher</translation>
    </message>
    <message>
        <source>‹ Hour</source>
        <translation>‹ Stunde</translation>
    </message>
    <message>
        <source>One hour earlier</source>
        <translation>Eine Stunde früher</translation>
    </message>
    <message>
        <source>Moment of the transits, universal time</source>
        <translation>Zeitpunkt der Transite, Weltzeit</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Hour ›</source>
        <translation>Stunde ›</translation>
    </message>
    <message>
        <source>One hour later</source>
        <translation>Eine Stunde später</translation>
    </message>
    <message>
        <source>Day ›</source>
        <translation>Tag ›</translation>
    </message>
    <message>
        <source>One day later</source>
        <translation>Einen Tag später</translation>
    </message>
    <message>
        <source>Month »</source>
        <translation>Monat »</translation>
    </message>
    <message>
        <source>One month later</source>
        <translation>Einen Monat später</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Jetzt</translation>
    </message>
    <message>
        <source>The sky of this moment</source>
        <translation>Der Himmel in diesem Augenblick</translation>
    </message>
    <message>
        <source> (R)</source>
        <translation> (R)</translation>
    </message>
    <message>
        <source>, pass %1 of %2</source>
        <translation>, Durchgang %1 von %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message>
        <source>Exact transits from %1 to %2</source>
        <translation>Exakte Transite vom %1 bis %2</translation>
    </message>
    <message>
        <source>Inside: the birth chart. Outside: the sky of %1</source>
        <translation>Innen: das Geburtshoroskop. Außen: der Himmel am %1</translation>
    </message>
    <message>
        <source>Transits</source>
        <translation>Transite</translation>
    </message>
    <message>
        <source>Transits of %1</source>
        <translation>Transite von %1</translation>
    </message>
    <message>
        <source>The sky of %1 round the birth chart</source>
        <translation>Der Himmel am %1 um das Geburtshoroskop</translation>
    </message>
    <message>
        <source>transits</source>
        <translation>Transite</translation>
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
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Ja</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Nein</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Bitte Namen eingeben</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Bitte einen Wert zwischen 0 und 179 bei den Grad der Länge eingeben</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Bitte einen Wert zwischen 0 und 59 bei den Minuten der Länge eingeben</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Bitte einen Wert zwischen 0 und 89 bei den Grad der Breite eingeben</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Bitte einen Wert zwischen 0 und 59 bei den Minuten der Breite eingeben</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Bitte korrekten Tag oder Monat eingeben!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Bitte korrekten Tag oder Monat eingeben !</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Nur Zahlen sind erlaubt</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Bitte nur Buchstaben eingeben</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Bitte Ort eingeben</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Bitte Region eingeben</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Bitte Land eingeben</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>Die Anwendung läuft bereits</translation>
    </message>
</context>
</TS>
