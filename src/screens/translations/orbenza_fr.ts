<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>BiWheelExport</name>
    <message>
        <source>The chart picture could not be saved to &quot;%1&quot;.

%2</source>
        <translation>L&apos;image du thème n&apos;a pas pu être enregistrée dans « %1 ».

%2</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>Exporter l&apos;image du thème</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>Le document PDF n&apos;a pas pu être écrit.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>%1 could not be saved to &quot;%2&quot;.

%3</source>
        <translation>%1 n&apos;a pas pu être enregistré dans « %2 ».

%3</translation>
    </message>
    <message>
        <source>The chart picture</source>
        <translation>L&apos;image du thème</translation>
    </message>
    <message>
        <source>The report</source>
        <translation>L&apos;interprétation</translation>
    </message>
    <message>
        <source>Orbenza chart</source>
        <translation>Thème Orbenza</translation>
    </message>
    <message>
        <source>Orbenza chart of %1</source>
        <translation>Thème Orbenza de %1</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Image SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Image PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Document PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>Exporter l&apos;image du thème</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Enregistrer l&apos;interprétation en PDF</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>Un signe par maison, compté à partir du signe de l&apos;Ascendant</translation>
    </message>
    <message>
        <source>The SVG picture could not be drawn.</source>
        <translation>L&apos;image SVG n&apos;a pas pu être dessinée.</translation>
    </message>
    <message>
        <source>A picture can be 1 to %1 pixels wide, not %2.</source>
        <translation>Une image peut avoir une largeur de 1 à %1 pixels, pas %2.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>La mémoire est insuffisante pour une image de %1 x %2 pixels.</translation>
    </message>
    <message>
        <source>Orbenza report</source>
        <translation>Interprétation Orbenza</translation>
    </message>
    <message>
        <source>Orbenza report of %1</source>
        <translation>Interprétation Orbenza de %1</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>Planètes en maisons</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>Le document PDF n&apos;a pas pu être écrit.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>The file could not be written completely; the disk may be full.</source>
        <translation>Le fichier n&apos;a pas pu être écrit entièrement ; le disque est peut-être plein.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>LibraryExchange</name>
    <message>
        <source>an #A93 record needs 7 fields</source>
        <translation>un enregistrement #A93 doit avoir 7 champs</translation>
    </message>
    <message>
        <source>a #B93 record needs 5 fields</source>
        <translation>un enregistrement #B93 doit avoir 5 champs</translation>
    </message>
    <message>
        <source>the #A93 record has no #B93 record after it</source>
        <translation>l&apos;enregistrement #A93 n&apos;est suivi d&apos;aucun enregistrement #B93</translation>
    </message>
    <message>
        <source>the #B93 record has no #A93 record before it</source>
        <translation>l&apos;enregistrement #B93 n&apos;est précédé d&apos;aucun enregistrement #A93</translation>
    </message>
    <message>
        <source>the date is not day.month.year</source>
        <translation>la date n&apos;est pas au format jour.mois.année</translation>
    </message>
    <message>
        <source>the time is not hh:mm</source>
        <translation>l&apos;heure n&apos;est pas au format hh:mm</translation>
    </message>
    <message>
        <source>the date or the time of birth is unknown</source>
        <translation>la date ou l&apos;heure de naissance est inconnue</translation>
    </message>
    <message>
        <source>the latitude cannot be read</source>
        <translation>la latitude est illisible</translation>
    </message>
    <message>
        <source>the longitude cannot be read</source>
        <translation>la longitude est illisible</translation>
    </message>
    <message>
        <source>the zone difference cannot be read</source>
        <translation>le décalage horaire est illisible</translation>
    </message>
    <message>
        <source>the summer time flag is not 0 or 1</source>
        <translation>l&apos;indicateur d&apos;heure d&apos;été n&apos;est ni 0 ni 1</translation>
    </message>
    <message>
        <source>the Julian day is not a number</source>
        <translation>le jour julien n&apos;est pas un nombre</translation>
    </message>
    <message>
        <source>both the zone difference and the Julian day are unknown</source>
        <translation>le décalage horaire et le jour julien sont tous deux inconnus</translation>
    </message>
    <message>
        <source>the Julian day disagrees with the date, time and zone</source>
        <translation>le jour julien ne concorde pas avec la date, l&apos;heure et le fuseau</translation>
    </message>
    <message>
        <source>AAF files (*.aaf *.txt);;All files (*)</source>
        <translation>Fichiers AAF (*.aaf *.txt);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Export Charts as AAF</source>
        <translation>Exporter les thèmes au format AAF</translation>
    </message>
    <message>
        <source>Import Charts from AAF</source>
        <translation>Importer des thèmes depuis un fichier AAF</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>Impossible de lire %1 : %2</translation>
    </message>
    <message>
        <source>%1 holds no #A93 record; is it an AAF file?</source>
        <translation>%1 ne contient aucun enregistrement #A93 ; s&apos;agit-il d&apos;un fichier AAF ?</translation>
    </message>
    <message>
        <source>Importing charts…</source>
        <translation>Importation des thèmes…</translation>
    </message>
    <message>
        <source>Charts imported: %1.</source>
        <translation>Thèmes importés : %1.</translation>
    </message>
    <message>
        <source>Charts that could not be read: %1</source>
        <translation>Thèmes qui n&apos;ont pas pu être lus : %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>et %1 de plus.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>Impossible d&apos;écrire %1 : %2</translation>
    </message>
    <message>
        <source>Charts exported: %1.</source>
        <translation>Thèmes exportés : %1.</translation>
    </message>
    <message>
        <source>Charts with a comma or line break written as a semicolon or a space: %1.</source>
        <translation>Thèmes dont une virgule ou un saut de ligne a été écrit comme point-virgule ou espace : %1.</translation>
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
        <translation>La bibliothèque contient déjà un thème de %1. Mettre ce thème à jour, ou garder les deux ?</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Mettre à jour</translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation>&amp;Garder les deux</translation>
    </message>
    <message>
        <source>Delete the chart of %1 from the library?</source>
        <translation>Supprimer le thème de %1 de la bibliothèque ?</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The user guide could not be found. It was looked for in:
%1</source>
        <translation>Le guide de l&apos;utilisateur est introuvable. Il a été cherché dans :
%1</translation>
    </message>
    <message>
        <source>Orbenza User Guide</source>
        <translation>Guide de l&apos;utilisateur d&apos;Orbenza</translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>No web browser could be opened for %1.</source>
        <translation>Aucun navigateur web n&apos;a pu être ouvert pour %1.</translation>
    </message>
</context>
<context>
    <name>orbenza::AboutBox</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Cliquez ici pour visiter %1</translation>
    </message>
    <message>
        <source>Place atlas: GeoNames (geonames.org), its places, names, regions and time zones, CC BY 4.0. Clock times: the IANA time-zone database (public domain).</source>
        <translation>Atlas des lieux : GeoNames (geonames.org), ses lieux, noms, régions et fuseaux horaires, CC BY 4.0. Heures légales : la base de données des fuseaux horaires IANA (domaine public).</translation>
    </message>
    <message>
        <source>Precise positions: series fitted to the Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, with JPL&apos;s DE431). Hindi text: the Lohit Devanagari font (SIL Open Font License 1.1).</source>
        <translation>Positions précises : séries ajustées sur la Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, avec la DE431 du JPL). Texte hindi : la police Lohit Devanagari (SIL Open Font License 1.1).</translation>
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
        <translation>Thème Orbenza de %1</translation>
    </message>
    <message>
        <source>Save Chart to &amp;Library</source>
        <translation>Enregistrer le thème dans la &amp;bibliothèque</translation>
    </message>
    <message>
        <source>&amp;Open Chart…</source>
        <translation>&amp;Ouvrir un thème…</translation>
    </message>
    <message>
        <source>The chart of %1 was updated in the library</source>
        <translation>Le thème de %1 a été mis à jour dans la bibliothèque</translation>
    </message>
    <message>
        <source>The chart of %1 was saved to the library</source>
        <translation>Le thème de %1 a été enregistré dans la bibliothèque</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>Le thème de %1 ne peut pas être dessiné : %2</translation>
    </message>
    <message>
        <source>Chart &amp;Settings…</source>
        <translation>Paramètre&amp;s du thème…</translation>
    </message>
</context>
<context>
    <name>orbenza::AspectGrid</name>
    <message>
        <source>Aspect grid</source>
        <translation>Grille des aspects</translation>
    </message>
    <message>
        <source>%1 %2 %3, orb %4°, %5</source>
        <translation>%1 %2 %3, orbe %4°, %5</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>appliquant</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>séparant</translation>
    </message>
</context>
<context>
    <name>orbenza::BirthDetailsScreen</name>
    <message>
        <source>Jan</source>
        <translation>janv.</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>févr.</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>avr.</translation>
    </message>
    <message>
        <source>May</source>
        <translation>mai</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>juil.</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>août</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>sept.</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>oct.</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>nov.</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>déc.</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>The place atlas is unavailable: type the coordinates and choose the zone by hand.</source>
        <translation>L&apos;atlas des lieux n&apos;est pas disponible : saisissez les coordonnées et choisissez le fuseau à la main.</translation>
    </message>
    <message>
        <source>%1 · %2 %3 %4 is no date of the calendar</source>
        <translation>%1 · %2 %3 %4 n&apos;est pas une date du calendrier</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 à %2</translation>
    </message>
    <message>
        <source>%1 · %2 did not exist: the clocks were put forward. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 n&apos;a pas existé : les horloges ont été avancées. Continuer demande quel temps universel est voulu.</translation>
    </message>
    <message>
        <source>%1 · %2 happened twice: the clocks were put back. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 a eu lieu deux fois : les horloges ont été retardées. Continuer demande quel temps universel est voulu.</translation>
    </message>
    <message>
        <source>Before 1970 this zone&apos;s clock history is that of %1; local practice in %2 may have differed: check the birth record.</source>
        <translation>Avant 1970, l&apos;historique horaire de ce fuseau est celui de %1 ; l&apos;usage local à %2 a pu différer : vérifiez l&apos;acte de naissance.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (summer time)</source>
        <translation>%1 · %2 · %3 le %4 (heure d&apos;été)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (local mean time)</source>
        <translation>%1 · %2 · %3 le %4 (temps moyen local)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4</source>
        <translation>%1 · %2 · %3 le %4</translation>
    </message>
    <message>
        <source>From the atlas: %1 (%2)</source>
        <translation>D&apos;après l&apos;atlas : %1 (%2)</translation>
    </message>
    <message>
        <source>Coordinates, zone and daylight saving set by hand, not from the atlas.</source>
        <translation>Coordonnées, fuseau et heure d&apos;été saisis à la main, pas d&apos;après l&apos;atlas.</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 did not exist: the clocks were put forward over it. Read on the clock before the change (%3) it is %4; read on the clock after the change (%5) it is %6. Which one is meant?</source>
        <translation>À %1, l&apos;heure %2 n&apos;a pas existé : les horloges ont été avancées par-dessus. Lue sur l&apos;horloge d&apos;avant le changement (%3), elle correspond à %4 ; lue sur l&apos;horloge d&apos;après le changement (%5), elle correspond à %6. Laquelle est voulue ?</translation>
    </message>
    <message>
        <source>Clock before the change: %1</source>
        <translation>Horloge d&apos;avant le changement : %1</translation>
    </message>
    <message>
        <source>Clock after the change: %1</source>
        <translation>Horloge d&apos;après le changement : %1</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 happened twice: the clocks were put back over it. The first time (%3) it was %4; the second time (%5) it was %6. Which one is meant?</source>
        <translation>À %1, l&apos;heure %2 a eu lieu deux fois : les horloges ont été retardées par-dessus. La première fois (%3), il était %4 ; la seconde fois (%5), il était %6. Laquelle est voulue ?</translation>
    </message>
    <message>
        <source>First time: %1</source>
        <translation>Première fois : %1</translation>
    </message>
    <message>
        <source>Second time: %1</source>
        <translation>Seconde fois : %1</translation>
    </message>
    <message>
        <source>Orbenza shows the positions of the planets in the twelve houses in your natal chart. The distribution of the planets in the different houses play an important role in interpreting the birth chart of an individual.</source>
        <translation>Orbenza montre les positions des planètes dans les douze maisons de votre thème natal. La répartition des planètes dans les différentes maisons joue un rôle important dans l&apos;interprétation du thème de naissance d&apos;une personne.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guide de l&apos;utilisateur</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Aide en &amp;ligne</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visitez notre site</translation>
    </message>
    <message>
        <source>Check for Software U&amp;pdate</source>
        <translation>Rechercher une &amp;mise à jour du logiciel</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>À &amp;propos du logiciel</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>Deg</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>Min</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>Cliquez ici pour trouver latitude &amp;&amp; longitude</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Date de naissance</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Heure de naissance</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ville</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Région</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>Pays</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Est</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Ouest</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitude</translation>
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
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fuseau</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Heure d&apos;été</translation>
    </message>
    <message>
        <source>Discuss your chart on our online discussion board at %1</source>
        <translation>Discutez de votre thème sur notre forum en ligne à %1</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>P&amp;recise Positions</source>
        <translation>Positions &amp;précises</translation>
    </message>
    <message>
        <source>Compute the positions from series fitted to the JPL ephemeris, to a tenth of an arcsecond, instead of the built-in method</source>
        <translation>Calculer les positions à partir de séries ajustées aux éphémérides du JPL, au dixième de seconde d&apos;arc, au lieu de la méthode intégrée</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>January</source>
        <translation>janvier</translation>
    </message>
    <message>
        <source>February</source>
        <translation>février</translation>
    </message>
    <message>
        <source>March</source>
        <translation>mars</translation>
    </message>
    <message>
        <source>April</source>
        <translation>avril</translation>
    </message>
    <message>
        <source>June</source>
        <translation>juin</translation>
    </message>
    <message>
        <source>July</source>
        <translation>juillet</translation>
    </message>
    <message>
        <source>August</source>
        <translation>août</translation>
    </message>
    <message>
        <source>September</source>
        <translation>septembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>octobre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>novembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>décembre</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartInTimeScreen</name>
    <message>
        <source>Progressions of %1</source>
        <translation>Progressions de %1</translation>
    </message>
    <message>
        <source>Solar Return of %1</source>
        <translation>Révolution solaire de %1</translation>
    </message>
    <message>
        <source>Lunar Return of %1</source>
        <translation>Révolution lunaire de %1</translation>
    </message>
    <message>
        <source>%1 Compared With %2</source>
        <translation>Comparaison de %1 et de %2</translation>
    </message>
    <message>
        <source>Bi-wheel</source>
        <translation>Double roue</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspect</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>Orbe</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Progressed to &amp;date:</source>
        <translation>&amp;Date de progression :</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Année :</translation>
    </message>
    <message>
        <source>the birth place</source>
        <translation>le lieu de naissance</translation>
    </message>
    <message>
        <source>A place of the atlas to draw the return for; empty for the birth place</source>
        <translation>Un lieu de l&apos;atlas pour lequel dresser la révolution ; vide pour le lieu de naissance</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Lieu :</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mois :</translation>
    </message>
    <message>
        <source>&amp;Return:</source>
        <translation>&amp;Révolution :</translation>
    </message>
    <message>
        <source>Synastry: the other chart outside</source>
        <translation>Synastrie : l&apos;autre thème à l&apos;extérieur</translation>
    </message>
    <message>
        <source>Composite: the midpoints of the two charts outside</source>
        <translation>Composite : les mi-points des deux thèmes à l&apos;extérieur</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Afficher :</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Progressé</translation>
    </message>
    <message>
        <source>Solar return</source>
        <translation>Révolution solaire</translation>
    </message>
    <message>
        <source>Lunar return</source>
        <translation>Révolution lunaire</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Composite</translation>
    </message>
    <message>
        <source>the progressed chart for %1, the sky of %2</source>
        <translation>le thème progressé pour le %1, le ciel du %2</translation>
    </message>
    <message>
        <source>No solar return in %1</source>
        <translation>Pas de révolution solaire en %1</translation>
    </message>
    <message>
        <source>the solar return of %1</source>
        <translation>la révolution solaire du %1</translation>
    </message>
    <message>
        <source>No lunar return in this month</source>
        <translation>Pas de révolution lunaire ce mois-ci</translation>
    </message>
    <message>
        <source>No chart to compare with</source>
        <translation>Aucun thème à comparer</translation>
    </message>
    <message>
        <source>the composite of %1 and %2</source>
        <translation>le composite de %1 et de %2</translation>
    </message>
    <message>
        <source>the chart of %1</source>
        <translation>le thème de %1</translation>
    </message>
    <message>
        <source>the lunar return of %1</source>
        <translation>la révolution lunaire du %1</translation>
    </message>
    <message>
        <source>Inside: %1. Outside: %2</source>
        <translation>Intérieur : %1. Extérieur : %2</translation>
    </message>
    <message>
        <source>progressions</source>
        <translation>progressions</translation>
    </message>
    <message>
        <source>solar return</source>
        <translation>révolution solaire</translation>
    </message>
    <message>
        <source>lunar return</source>
        <translation>révolution lunaire</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>avec %1</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparaison</translation>
    </message>
    <message>
        <source>Aspects to the birth chart</source>
        <translation>Aspects au thème natal</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparer avec</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>Le thème de %1 ne peut pas être dessiné : %2</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Thème</translation>
    </message>
    <message>
        <source>&amp;Progressions…</source>
        <translation>&amp;Progressions…</translation>
    </message>
    <message>
        <source>&amp;Solar Return…</source>
        <translation>Révolution &amp;solaire…</translation>
    </message>
    <message>
        <source>&amp;Lunar Return…</source>
        <translation>Révolution &amp;lunaire…</translation>
    </message>
    <message>
        <source>&amp;Compare With…</source>
        <translation>&amp;Comparer avec…</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartListModel</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Date et heure</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lieu</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartScreen</name>
    <message>
        <source>Sun</source>
        <translation>Soleil</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>Lune</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>Mercure</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>Vénus</translation>
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
        <translation>Saturne</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>Uranus</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>Neptune</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Pluton</translation>
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
        <translation>Chiron</translation>
    </message>
    <message>
        <source>True Node</source>
        <translation>Nœud vrai</translation>
    </message>
    <message>
        <source>Mean Node</source>
        <translation>Nœud moyen</translation>
    </message>
    <message>
        <source>Lilith</source>
        <translation>Lilith</translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation>Fortune</translation>
    </message>
    <message>
        <source>For more detailed analysis of your planets in houses Visit %1</source>
        <translation>Pour une analyse plus détaillée de vos planètes en maisons, visitez %1</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>Vos données</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation>Date de naissance :</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation>Heure de naissance :</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>Ville :</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>Région :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>Pays :</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>Latitude   :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>Longitude :</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>Autres données</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signe solaire</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Signe lunaire</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Ascendant</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Positions planétaires</translation>
    </message>
    <message>
        <source>&amp;Degree Wheel</source>
        <translation>Roue des &amp;degrés</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>Un signe par maison, compté à partir du signe de l&apos;Ascendant</translation>
    </message>
    <message>
        <source>Whole-&amp;Sign Houses</source>
        <translation>Maisons en &amp;signes entiers</translation>
    </message>
    <message>
        <source>&amp;Aspect Grid</source>
        <translation>&amp;Grille des aspects</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>Tra&amp;nsits</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>Planètes en maisons</translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris series)</source>
        <translation>Positions précises (séries Swiss Ephemeris)</translation>
    </message>
    <message>
        <source>Classic positions (the built-in method)</source>
        <translation>Positions classiques (la méthode intégrée)</translation>
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
        <translation>Porphyre</translation>
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
        <translation>Topocentrique (Polich-Page)</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morinus</translation>
    </message>
    <message>
        <source>Meridian (axial rotation)</source>
        <translation>Méridien (rotation axiale)</translation>
    </message>
    <message>
        <source>Whole sign</source>
        <translation>Signes entiers</translation>
    </message>
    <message>
        <source>Equal houses from the Ascendant&apos;s degree</source>
        <translation>Maisons égales depuis le degré de l&apos;Ascendant</translation>
    </message>
    <message>
        <source>Equal houses from the Midheaven</source>
        <translation>Maisons égales depuis le Milieu du Ciel</translation>
    </message>
    <message>
        <source>Equal houses of whole degrees, as the report has always counted</source>
        <translation>Maisons égales en degrés entiers, comme l&apos;interprétation les a toujours comptées</translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation>Conjonction</translation>
    </message>
    <message>
        <source>Opposition</source>
        <translation>Opposition</translation>
    </message>
    <message>
        <source>Trine</source>
        <translation>Trigone</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Carré</translation>
    </message>
    <message>
        <source>Sextile</source>
        <translation>Sextile</translation>
    </message>
    <message>
        <source>Quincunx</source>
        <translation>Quinconce</translation>
    </message>
    <message>
        <source>Semi-sextile</source>
        <translation>Semi-sextile</translation>
    </message>
    <message>
        <source>Semi-square</source>
        <translation>Semi-carré</translation>
    </message>
    <message>
        <source>Sesquiquadrate</source>
        <translation>Sesqui-carré</translation>
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
        <translation>Paramètres du thème</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Maisons</translation>
    </message>
    <message>
        <source>House &amp;system:</source>
        <translation>&amp;Système de maisons :</translation>
    </message>
    <message>
        <source>Where Placidus or Koch have no cusps (near and beyond the polar circles) the chart uses Porphyry and says so.</source>
        <translation>Là où Placidus ou Koch n&apos;ont pas de cuspides (près des cercles polaires et au-delà), le thème utilise Porphyre et le signale.</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspects</translation>
    </message>
    <message>
        <source>The five major aspects</source>
        <translation>Les cinq aspects majeurs</translation>
    </message>
    <message>
        <source>All eleven aspects</source>
        <translation>Les onze aspects</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Liste :</translation>
    </message>
    <message>
        <source>%1 orb:</source>
        <translation>Orbe %1 :</translation>
    </message>
    <message>
        <source>A major aspect with the Sun or the Moon in it has %1° more.</source>
        <translation>Un aspect majeur impliquant le Soleil ou la Lune a %1° de plus.</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Roue du thème</translation>
    </message>
</context>
<context>
    <name>orbenza::DegreeWheelView</name>
    <message>
        <source>Degree wheel</source>
        <translation>Roue des degrés</translation>
    </message>
</context>
<context>
    <name>orbenza::Languages</name>
    <message>
        <source>&amp;View</source>
        <translation>Affic&amp;hage</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>The next chart is written in the new language; the menus and screens follow when Orbenza starts again.</source>
        <translation>Le prochain thème sera rédigé dans la nouvelle langue ; les menus et les fenêtres suivront au prochain démarrage d’Orbenza.</translation>
    </message>
</context>
<context>
    <name>orbenza::MainWindow</name>
    <message>
        <source>Join our online astrology community at %1</source>
        <translation>Rejoignez notre communauté astrologique en ligne à %1</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>&amp;Retour</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>Export Chart &amp;Picture…</source>
        <translation>Exporter l&apos;&amp;image du thème…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <translation>Enregistrer l&apos;interprétation en P&amp;DF…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
</context>
<context>
    <name>orbenza::OpenChartDialog</name>
    <message>
        <source>Open Chart</source>
        <translation>Ouvrir un thème</translation>
    </message>
    <message>
        <source>Type part of a name, a date or a place</source>
        <translation>Tapez une partie d&apos;un nom, d&apos;une date ou d&apos;un lieu</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifier</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Import AAF…</source>
        <translation>&amp;Importer AAF…</translation>
    </message>
    <message>
        <source>&amp;Export AAF…</source>
        <translation>&amp;Exporter AAF…</translation>
    </message>
    <message numerus="yes">
        <source>%n chart(s) in the library</source>
        <translation>
            <numerusform>%n thème dans la bibliothèque</numerusform>
            <numerusform>%n thèmes dans la bibliothèque</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 chart(s) shown</source>
        <translation>
            <numerusform>%n thème affiché sur %1</numerusform>
            <numerusform>%n thèmes affichés sur %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orbenza::PictureSizeDialog</name>
    <message>
        <source>Picture Size</source>
        <translation>Taille de l&apos;image</translation>
    </message>
    <message>
        <source>Width of the PNG picture. The height follows from it, so the wheel keeps its proportions.</source>
        <translation>Largeur de l&apos;image PNG. La hauteur en découle, pour que la roue garde ses proportions.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
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
        <translation>&amp;Thèmes récents</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
</context>
<context>
    <name>orbenza::SaveScreen</name>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Texte enrichi RTF (*.rtf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texte brut (*.txt)</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Interprétation générée par %1</translation>
    </message>
    <message>
        <source>Visit us now at %1 for more about your chart</source>
        <translation>Rendez-nous visite dès maintenant à %1 pour en savoir plus sur votre thème</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online discussion forum</source>
        <translation>Parlez de votre thème avec d&apos;autres lecteurs sur notre forum de discussion en ligne</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save the report as Rich Text or plain text</source>
        <translation>Enregistrer l&apos;interprétation en texte enrichi ou en texte brut</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Print the report, or only the part of it you have selected</source>
        <translation>Imprimer l&apos;interprétation, ou seulement la partie sélectionnée</translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;.

%2</source>
        <translation>L&apos;interprétation n&apos;a pas pu être enregistrée dans « %1 ».

%2</translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;.</source>
        <translation>L&apos;interprétation n&apos;a pas pu être imprimée vers « %1 ».</translation>
    </message>
</context>
<context>
    <name>orbenza::TransitsTab</name>
    <message>
        <source>Transits bi-wheel</source>
        <translation>Double roue des transits</translation>
    </message>
    <message>
        <source>Exact transits in the next twelve months</source>
        <translation>Transits exacts dans les douze prochains mois</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>Save the bi-wheel as an SVG or PNG picture or a PDF document</source>
        <translation>Enregistrer la double roue en image SVG ou PNG ou en document PDF</translation>
    </message>
    <message>
        <source>Exact (UT)</source>
        <translation>Exact (UT)</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>Transitant</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspect</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>In orb</source>
        <translation>Dans l&apos;orbe</translation>
    </message>
    <message>
        <source>Double-click a transit to show the sky of its exact moment</source>
        <translation>Double-cliquez sur un transit pour afficher le ciel de son moment exact</translation>
    </message>
    <message>
        <source>« Month</source>
        <translation>« Mois</translation>
    </message>
    <message>
        <source>One month earlier</source>
        <translation>Un mois plus tôt</translation>
    </message>
    <message>
        <source>‹ Day</source>
        <translation>‹ Jour</translation>
    </message>
    <message>
        <source>One day earlier</source>
        <translation>Un jour plus tôt</translation>
    </message>
    <message>
        <source>‹ Hour</source>
        <translation>‹ Heure</translation>
    </message>
    <message>
        <source>One hour earlier</source>
        <translation>Une heure plus tôt</translation>
    </message>
    <message>
        <source>Moment of the transits, universal time</source>
        <translation>Moment des transits, temps universel</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Hour ›</source>
        <translation>Heure ›</translation>
    </message>
    <message>
        <source>One hour later</source>
        <translation>Une heure plus tard</translation>
    </message>
    <message>
        <source>Day ›</source>
        <translation>Jour ›</translation>
    </message>
    <message>
        <source>One day later</source>
        <translation>Un jour plus tard</translation>
    </message>
    <message>
        <source>Month »</source>
        <translation>Mois »</translation>
    </message>
    <message>
        <source>One month later</source>
        <translation>Un mois plus tard</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>&amp;Maintenant</translation>
    </message>
    <message>
        <source>The sky of this moment</source>
        <translation>Le ciel de cet instant</translation>
    </message>
    <message>
        <source> (R)</source>
        <translation> (R)</translation>
    </message>
    <message>
        <source>, pass %1 of %2</source>
        <translation>, passage %1 sur %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>du %1 au %2</translation>
    </message>
    <message>
        <source>Exact transits from %1 to %2</source>
        <translation>Transits exacts du %1 au %2</translation>
    </message>
    <message>
        <source>Inside: the birth chart. Outside: the sky of %1</source>
        <translation>Intérieur : le thème natal. Extérieur : le ciel du %1</translation>
    </message>
    <message>
        <source>Transits</source>
        <translation>Transits</translation>
    </message>
    <message>
        <source>Transits of %1</source>
        <translation>Transits de %1</translation>
    </message>
    <message>
        <source>The sky of %1 round the birth chart</source>
        <translation>Le ciel du %1 autour du thème natal</translation>
    </message>
    <message>
        <source>transits</source>
        <translation>transits</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Oui</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;Non</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Veuillez saisir le nom</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Veuillez saisir une valeur entre 0 et 179 dans les degrés de longitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Veuillez saisir une valeur entre 0 et 59 dans les minutes de longitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Veuillez saisir une valeur entre 0 et 89 dans les degrés de latitude</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Veuillez saisir une valeur entre 0 et 59 dans les minutes de latitude</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>Veuillez saisir un jour ou un mois correct !</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>Veuillez saisir un jour ou un mois correct !</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Seuls les chiffres sont acceptés</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Veuillez saisir uniquement des lettres</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Veuillez saisir la ville</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Veuillez saisir la région</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Veuillez saisir le pays</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>L&apos;application est déjà en cours d&apos;exécution</translation>
    </message>
</context>
</TS>
