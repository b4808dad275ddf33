<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>BiWheelExport</name>
    <message>
        <source>The chart picture could not be saved to &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar la imagen de la carta en «%1».

%2</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>Exportar imagen de la carta</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>No se pudo escribir el documento PDF.</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>%1 could not be saved to &quot;%2&quot;.

%3</source>
        <translation>No se pudo guardar %1 en «%2».

%3</translation>
    </message>
    <message>
        <source>The chart picture</source>
        <translation>La imagen de la carta</translation>
    </message>
    <message>
        <source>The report</source>
        <translation>El informe</translation>
    </message>
    <message>
        <source>Orbenza chart</source>
        <translation>Carta de Orbenza</translation>
    </message>
    <message>
        <source>Orbenza chart of %1</source>
        <translation>Carta de Orbenza de %1</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>Imagen SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>Imagen PNG (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>Documento PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>Exportar imagen de la carta</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>Guardar informe como PDF</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>Un signo por casa, contando desde el signo del Ascendente</translation>
    </message>
    <message>
        <source>The SVG picture could not be drawn.</source>
        <translation>No se pudo dibujar la imagen SVG.</translation>
    </message>
    <message>
        <source>A picture can be 1 to %1 pixels wide, not %2.</source>
        <translation>Una imagen puede tener de 1 a %1 píxeles de ancho, no %2.</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>No hay memoria suficiente para una imagen de %1 x %2 píxeles.</translation>
    </message>
    <message>
        <source>Orbenza report</source>
        <translation>Informe de Orbenza</translation>
    </message>
    <message>
        <source>Orbenza report of %1</source>
        <translation>Informe de Orbenza de %1</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>Planetas en las casas</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>No se pudo escribir el documento PDF.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>The file could not be written completely; the disk may be full.</source>
        <translation>No se pudo escribir el archivo completo; puede que el disco esté lleno.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>LibraryExchange</name>
    <message>
        <source>an #A93 record needs 7 fields</source>
        <translation>un registro #A93 necesita 7 campos</translation>
    </message>
    <message>
        <source>a #B93 record needs 5 fields</source>
        <translation>un registro #B93 necesita 5 campos</translation>
    </message>
    <message>
        <source>the #A93 record has no #B93 record after it</source>
        <translation>el registro #A93 no va seguido de ningún registro #B93</translation>
    </message>
    <message>
        <source>the #B93 record has no #A93 record before it</source>
        <translation>el registro #B93 no va precedido de ningún registro #A93</translation>
    </message>
    <message>
        <source>the date is not day.month.year</source>
        <translation>la fecha no tiene el formato día.mes.año</translation>
    </message>
    <message>
        <source>the time is not hh:mm</source>
        <translation>la hora no tiene el formato hh:mm</translation>
    </message>
    <message>
        <source>the date or the time of birth is unknown</source>
        <translation>se desconoce la fecha o la hora de nacimiento</translation>
    </message>
    <message>
        <source>the latitude cannot be read</source>
        <translation>no se puede leer la latitud</translation>
    </message>
    <message>
        <source>the longitude cannot be read</source>
        <translation>no se puede leer la longitud</translation>
    </message>
    <message>
        <source>the zone difference cannot be read</source>
        <translation>no se puede leer la diferencia horaria</translation>
    </message>
    <message>
        <source>the summer time flag is not 0 or 1</source>
        <translation>el indicador de horario de verano no es 0 ni 1</translation>
    </message>
    <message>
        <source>the Julian day is not a number</source>
        <translation>el día juliano no es un número</translation>
    </message>
    <message>
        <source>both the zone difference and the Julian day are unknown</source>
        <translation>se desconocen tanto la diferencia horaria como el día juliano</translation>
    </message>
    <message>
        <source>the Julian day disagrees with the date, time and zone</source>
        <translation>el día juliano no concuerda con la fecha, la hora y la zona</translation>
    </message>
    <message>
        <source>AAF files (*.aaf *.txt);;All files (*)</source>
        <translation>Archivos AAF (*.aaf *.txt);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Export Charts as AAF</source>
        <translation>Exportar cartas como AAF</translation>
    </message>
    <message>
        <source>Import Charts from AAF</source>
        <translation>Importar cartas desde AAF</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>%1 holds no #A93 record; is it an AAF file?</source>
        <translation>%1 no contiene ningún registro #A93; ¿es un archivo AAF?</translation>
    </message>
    <message>
        <source>Importing charts…</source>
        <translation>Importando cartas…</translation>
    </message>
    <message>
        <source>Charts imported: %1.</source>
        <translation>Cartas importadas: %1.</translation>
    </message>
    <message>
        <source>Charts that could not be read: %1</source>
        <translation>Cartas que no se pudieron leer: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>línea %1: %2</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>y %1 más.</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>Charts exported: %1.</source>
        <translation>Cartas exportadas: %1.</translation>
    </message>
    <message>
        <source>Charts with a comma or line break written as a semicolon or a space: %1.</source>
        <translation>Cartas con una coma o un salto de línea escritos como punto y coma o espacio: %1.</translation>
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
        <translation>La biblioteca ya contiene una carta de %1. ¿Actualizar esa carta o conservar ambas?</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>&amp;Actualizar</translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation>&amp;Conservar ambas</translation>
    </message>
    <message>
        <source>Delete the chart of %1 from the library?</source>
        <translation>¿Borrar de la biblioteca la carta de %1?</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The user guide could not be found. It was looked for in:
%1</source>
        <translation>No se encontró la guía del usuario. Se buscó en:
%1</translation>
    </message>
    <message>
        <source>Orbenza User Guide</source>
        <translation>Guía del usuario de Orbenza</translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>No web browser could be opened for %1.</source>
        <translation>No se pudo abrir ningún navegador web para %1.</translation>
    </message>
</context>
<context>
    <name>orbenza::AboutBox</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>Haga clic aquí para visitar %1</translation>
    </message>
    <message>
        <source>Place atlas: GeoNames (geonames.org), its places, names, regions and time zones, CC BY 4.0. Clock times: the IANA time-zone database (public domain).</source>
        <translation>Atlas de lugares: GeoNames (geonames.org), sus lugares, nombres, regiones y zonas horarias, CC BY 4.0. Horas de reloj: la base de datos de zonas horarias de la IANA (dominio público).</translation>
    </message>
    <message>
        <source>Precise positions: series fitted to the Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, with JPL&apos;s DE431). Hindi text: the Lohit Devanagari font (SIL Open Font License 1.1).</source>
        <translation>Posiciones precisas: series ajustadas a la Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, con la DE431 del JPL). Texto en hindi: la fuente Lohit Devanagari (SIL Open Font License 1.1).</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>orbenza::AppController</name>
    <message>
        <source>Orbenza chart of %1</source>
        <translation>Carta de Orbenza de %1</translation>
    </message>
    <message>
        <source>Save Chart to &amp;Library</source>
        <translation>Guardar carta en la &amp;biblioteca</translation>
    </message>
    <message>
        <source>&amp;Open Chart…</source>
        <translation>&amp;Abrir carta…</translation>
    </message>
    <message>
        <source>The chart of %1 was updated in the library</source>
        <translation>La carta de %1 se actualizó en la biblioteca</translation>
    </message>
    <message>
        <source>The chart of %1 was saved to the library</source>
        <translation>La carta de %1 se guardó en la biblioteca</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>No se puede dibujar la carta de %1: %2</translation>
    </message>
    <message>
        <source>Chart &amp;Settings…</source>
        <translation>C&amp;onfiguración de la carta…</translation>
    </message>
</context>
<context>
    <name>orbenza::AspectGrid</name>
    <message>
        <source>Aspect grid</source>
        <translation>Tabla de aspectos</translation>
    </message>
    <message>
        <source>%1 %2 %3, orb %4°, %5</source>
        <translation>%1 %2 %3, orbe %4°, %5</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>aplicativo</translation>
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
        <translation>Ene</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Abr</translation>
    </message>
    <message>
        <source>May</source>
        <translation>May</translation>
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
        <translation>Ago</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>Dic</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>The place atlas is unavailable: type the coordinates and choose the zone by hand.</source>
        <translation>El atlas de lugares no está disponible: escriba las coordenadas y elija la zona a mano.</translation>
    </message>
    <message>
        <source>%1 · %2 %3 %4 is no date of the calendar</source>
        <translation>%1 · %2 %3 %4 no es una fecha del calendario</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1 a las %2</translation>
    </message>
    <message>
        <source>%1 · %2 did not exist: the clocks were put forward. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 no existió: se adelantaron los relojes. Al continuar se le preguntará a qué hora universal se refiere.</translation>
    </message>
    <message>
        <source>%1 · %2 happened twice: the clocks were put back. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 ocurrió dos veces: se atrasaron los relojes. Al continuar se le preguntará a qué hora universal se refiere.</translation>
    </message>
    <message>
        <source>Before 1970 this zone&apos;s clock history is that of %1; local practice in %2 may have differed: check the birth record.</source>
        <translation>Antes de 1970 la historia horaria de esta zona es la de %1; la práctica local en %2 pudo ser distinta: compruebe el acta de nacimiento.</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (summer time)</source>
        <translation>%1 · %2 · %3 el %4 (horario de verano)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (local mean time)</source>
        <translation>%1 · %2 · %3 el %4 (hora media local)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4</source>
        <translation>%1 · %2 · %3 el %4</translation>
    </message>
    <message>
        <source>From the atlas: %1 (%2)</source>
        <translation>Del atlas: %1 (%2)</translation>
    </message>
    <message>
        <source>Coordinates, zone and daylight saving set by hand, not from the atlas.</source>
        <translation>Coordenadas, zona y horario de verano introducidos a mano, no tomados del atlas.</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 did not exist: the clocks were put forward over it. Read on the clock before the change (%3) it is %4; read on the clock after the change (%5) it is %6. Which one is meant?</source>
        <translation>En %1 la hora de reloj %2 no existió: los relojes se adelantaron por encima de ella. Leída en el reloj anterior al cambio (%3) es %4; leída en el reloj posterior al cambio (%5) es %6. ¿A cuál se refiere?</translation>
    </message>
    <message>
        <source>Clock before the change: %1</source>
        <translation>Reloj antes del cambio: %1</translation>
    </message>
    <message>
        <source>Clock after the change: %1</source>
        <translation>Reloj después del cambio: %1</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 happened twice: the clocks were put back over it. The first time (%3) it was %4; the second time (%5) it was %6. Which one is meant?</source>
        <translation>En %1 la hora de reloj %2 ocurrió dos veces: los relojes se atrasaron por encima de ella. La primera vez (%3) fue %4; la segunda vez (%5) fue %6. ¿A cuál se refiere?</translation>
    </message>
    <message>
        <source>First time: %1</source>
        <translation>Primera vez: %1</translation>
    </message>
    <message>
        <source>Second time: %1</source>
        <translation>Segunda vez: %1</translation>
    </message>
    <message>
        <source>Orbenza shows the positions of the planets in the twelve houses in your natal chart. The distribution of the planets in the different houses play an important role in interpreting the birth chart of an individual.</source>
        <translation>Orbenza muestra las posiciones de los planetas en las doce casas de su carta natal. La distribución de los planetas en las distintas casas desempeña un papel importante en la interpretación de la carta natal de una persona.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>&amp;Guía del usuario</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>Ayuda en &amp;línea</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>&amp;Visítenos en línea</translation>
    </message>
    <message>
        <source>Check for Software U&amp;pdate</source>
        <translation>Buscar &amp;actualizaciones del programa</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>A&amp;cerca del programa</translation>
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
        <translation>Haga clic aquí para buscar latitud &amp;&amp; longitud</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>Fecha de nacimiento</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>Hora de nacimiento</translation>
    </message>
    <message>
        <source>City</source>
        <translation>Ciudad</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado/Provincia</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>País</translation>
    </message>
    <message>
        <source>East</source>
        <translation>Este</translation>
    </message>
    <message>
        <source>West</source>
        <translation>Oeste</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>Longitud</translation>
    </message>
    <message>
        <source>North</source>
        <translation>Norte</translation>
    </message>
    <message>
        <source>South</source>
        <translation>Sur</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>Latitud</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zona</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>Horario de verano</translation>
    </message>
    <message>
        <source>Discuss your chart on our online discussion board at %1</source>
        <translation>Comente su carta en nuestro foro de debate en línea en %1</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>P&amp;recise Positions</source>
        <translation>Posiciones p&amp;recisas</translation>
    </message>
    <message>
        <source>Compute the positions from series fitted to the JPL ephemeris, to a tenth of an arcsecond, instead of the built-in method</source>
        <translation>Calcular las posiciones con series ajustadas a la efeméride JPL, con una precisión de una décima de segundo de arco, en lugar del método integrado</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>January</source>
        <translation>Enero</translation>
    </message>
    <message>
        <source>February</source>
        <translation>Febrero</translation>
    </message>
    <message>
        <source>March</source>
        <translation>Marzo</translation>
    </message>
    <message>
        <source>April</source>
        <translation>Abril</translation>
    </message>
    <message>
        <source>June</source>
        <translation>Junio</translation>
    </message>
    <message>
        <source>July</source>
        <translation>Julio</translation>
    </message>
    <message>
        <source>August</source>
        <translation>Agosto</translation>
    </message>
    <message>
        <source>September</source>
        <translation>Septiembre</translation>
    </message>
    <message>
        <source>October</source>
        <translation>Octubre</translation>
    </message>
    <message>
        <source>November</source>
        <translation>Noviembre</translation>
    </message>
    <message>
        <source>December</source>
        <translation>Diciembre</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartInTimeScreen</name>
    <message>
        <source>Progressions of %1</source>
        <translation>Progresiones de %1</translation>
    </message>
    <message>
        <source>Solar Return of %1</source>
        <translation>Revolución solar de %1</translation>
    </message>
    <message>
        <source>Lunar Return of %1</source>
        <translation>Revolución lunar de %1</translation>
    </message>
    <message>
        <source>%1 Compared With %2</source>
        <translation>Comparación de %1 con %2</translation>
    </message>
    <message>
        <source>Bi-wheel</source>
        <translation>Doble rueda</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>Orbe</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source>Progressed to &amp;date:</source>
        <translation>&amp;Fecha de progresión:</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>&amp;Año:</translation>
    </message>
    <message>
        <source>the birth place</source>
        <translation>el lugar de nacimiento</translation>
    </message>
    <message>
        <source>A place of the atlas to draw the return for; empty for the birth place</source>
        <translation>Un lugar del atlas para el que levantar la revolución; vacío para el lugar de nacimiento</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>&amp;Lugar:</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>&amp;Mes:</translation>
    </message>
    <message>
        <source>&amp;Return:</source>
        <translation>&amp;Revolución:</translation>
    </message>
    <message>
        <source>Synastry: the other chart outside</source>
        <translation>Sinastría: la otra carta por fuera</translation>
    </message>
    <message>
        <source>Composite: the midpoints of the two charts outside</source>
        <translation>Compuesta: los puntos medios de las dos cartas por fuera</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>&amp;Mostrar:</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>Progresado</translation>
    </message>
    <message>
        <source>Solar return</source>
        <translation>Revolución solar</translation>
    </message>
    <message>
        <source>Lunar return</source>
        <translation>Revolución lunar</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>Compuesta</translation>
    </message>
    <message>
        <source>the progressed chart for %1, the sky of %2</source>
        <translation>la carta progresada para el %1, el cielo del %2</translation>
    </message>
    <message>
        <source>No solar return in %1</source>
        <translation>No hay revolución solar en %1</translation>
    </message>
    <message>
        <source>the solar return of %1</source>
        <translation>la revolución solar del %1</translation>
    </message>
    <message>
        <source>No lunar return in this month</source>
        <translation>No hay revolución lunar en este mes</translation>
    </message>
    <message>
        <source>No chart to compare with</source>
        <translation>No hay ninguna carta con la que comparar</translation>
    </message>
    <message>
        <source>the composite of %1 and %2</source>
        <translation>la carta compuesta de %1 y %2</translation>
    </message>
    <message>
        <source>the chart of %1</source>
        <translation>la carta de %1</translation>
    </message>
    <message>
        <source>the lunar return of %1</source>
        <translation>la revolución lunar del %1</translation>
    </message>
    <message>
        <source>Inside: %1. Outside: %2</source>
        <translation>Dentro: %1. Fuera: %2</translation>
    </message>
    <message>
        <source>progressions</source>
        <translation>progresiones</translation>
    </message>
    <message>
        <source>solar return</source>
        <translation>revolución solar</translation>
    </message>
    <message>
        <source>lunar return</source>
        <translation>revolución lunar</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>con %1</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparación</translation>
    </message>
    <message>
        <source>Aspects to the birth chart</source>
        <translation>Aspectos a la carta natal</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>Comparar con</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>No se puede dibujar la carta de %1: %2</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>&amp;Carta</translation>
    </message>
    <message>
        <source>&amp;Progressions…</source>
        <translation>&amp;Progresiones…</translation>
    </message>
    <message>
        <source>&amp;Solar Return…</source>
        <translation>Revolución &amp;solar…</translation>
    </message>
    <message>
        <source>&amp;Lunar Return…</source>
        <translation>Revolución &amp;lunar…</translation>
    </message>
    <message>
        <source>&amp;Compare With…</source>
        <translation>&amp;Comparar con…</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartListModel</name>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>Fecha y hora</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>Lugar</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartScreen</name>
    <message>
        <source>Sun</source>
        <translation>Sol</translation>
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
        <translation>Venus</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>Marte</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>Júpiter</translation>
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
        <translation>Neptuno</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>Plutón</translation>
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
        <translation>Quirón</translation>
    </message>
    <message>
        <source>True Node</source>
        <translation>Nodo verdadero</translation>
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
        <translation>Para un análisis más detallado de sus planetas en las casas, visite %1</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>Sus datos</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation>Fecha de nacimiento:</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation>Hora de nacimiento:</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>Ciudad:</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>Estado/Provincia:</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>País:</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>Latitud   :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>Longitud :</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>Otros datos</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>Signo solar</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>Signo lunar</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>Ascendente</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>Posiciones planetarias</translation>
    </message>
    <message>
        <source>&amp;Degree Wheel</source>
        <translation>Rueda de &amp;grados</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>Un signo por casa, contando desde el signo del Ascendente</translation>
    </message>
    <message>
        <source>Whole-&amp;Sign Houses</source>
        <translation>Casas de signos &amp;enteros</translation>
    </message>
    <message>
        <source>&amp;Aspect Grid</source>
        <translation>Tabla de as&amp;pectos</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>T&amp;ránsitos</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>Planetas en las casas</translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris series)</source>
        <translation>Posiciones precisas (series Swiss Ephemeris)</translation>
    </message>
    <message>
        <source>Classic positions (the built-in method)</source>
        <translation>Posiciones clásicas (el método integrado)</translation>
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
        <translation>Alcabitius</translation>
    </message>
    <message>
        <source>Topocentric (Polich-Page)</source>
        <translation>Topocéntrico (Polich-Page)</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>Morinus</translation>
    </message>
    <message>
        <source>Meridian (axial rotation)</source>
        <translation>Meridiano (rotación axial)</translation>
    </message>
    <message>
        <source>Whole sign</source>
        <translation>Signos enteros</translation>
    </message>
    <message>
        <source>Equal houses from the Ascendant&apos;s degree</source>
        <translation>Casas iguales desde el grado del Ascendente</translation>
    </message>
    <message>
        <source>Equal houses from the Midheaven</source>
        <translation>Casas iguales desde el Medio Cielo</translation>
    </message>
    <message>
        <source>Equal houses of whole degrees, as the report has always counted</source>
        <translation>Casas iguales de grados enteros, como siempre las ha contado el informe</translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation>Conjunción</translation>
    </message>
    <message>
        <source>Opposition</source>
        <translation>Oposición</translation>
    </message>
    <message>
        <source>Trine</source>
        <translation>Trígono</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>Cuadratura</translation>
    </message>
    <message>
        <source>Sextile</source>
        <translation>Sextil</translation>
    </message>
    <message>
        <source>Quincunx</source>
        <translation>Quincuncio</translation>
    </message>
    <message>
        <source>Semi-sextile</source>
        <translation>Semisextil</translation>
    </message>
    <message>
        <source>Semi-square</source>
        <translation>Semicuadratura</translation>
    </message>
    <message>
        <source>Sesquiquadrate</source>
        <translation>Sesquicuadratura</translation>
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
        <translation>Configuración de la carta</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>Casas</translation>
    </message>
    <message>
        <source>House &amp;system:</source>
        <translation>&amp;Sistema de casas:</translation>
    </message>
    <message>
        <source>Where Placidus or Koch have no cusps (near and beyond the polar circles) the chart uses Porphyry and says so.</source>
        <translation>Donde Placidus o Koch no tienen cúspides (cerca de los círculos polares y más allá), la carta usa Porfirio y lo indica.</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>Aspectos</translation>
    </message>
    <message>
        <source>The five major aspects</source>
        <translation>Los cinco aspectos mayores</translation>
    </message>
    <message>
        <source>All eleven aspects</source>
        <translation>Los once aspectos</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>&amp;Lista:</translation>
    </message>
    <message>
        <source>%1 orb:</source>
        <translation>Orbe de %1:</translation>
    </message>
    <message>
        <source>A major aspect with the Sun or the Moon in it has %1° more.</source>
        <translation>Un aspecto mayor en el que interviene el Sol o la Luna tiene %1° más.</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>Rueda de la carta</translation>
    </message>
</context>
<context>
    <name>orbenza::DegreeWheelView</name>
    <message>
        <source>Degree wheel</source>
        <translation>Rueda de grados</translation>
    </message>
</context>
<context>
    <name>orbenza::Languages</name>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ver</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>The next chart is written in the new language; the menus and screens follow when Orbenza starts again.</source>
        <translation>La próxima carta se escribirá en el nuevo idioma; los menús y las ventanas cambiarán la próxima vez que se inicie Orbenza.</translation>
    </message>
</context>
<context>
    <name>orbenza::MainWindow</name>
    <message>
        <source>Join our online astrology community at %1</source>
        <translation>Únase a nuestra comunidad astrológica en línea en %1</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>A&amp;trás</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>Export Chart &amp;Picture…</source>
        <translation>Exportar &amp;imagen de la carta…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <translation>Guardar informe como P&amp;DF…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
</context>
<context>
    <name>orbenza::OpenChartDialog</name>
    <message>
        <source>Open Chart</source>
        <translation>Abrir carta</translation>
    </message>
    <message>
        <source>Type part of a name, a date or a place</source>
        <translation>Escriba parte de un nombre, una fecha o un lugar</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ab&amp;rir</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Import AAF…</source>
        <translation>&amp;Importar AAF…</translation>
    </message>
    <message>
        <source>&amp;Export AAF…</source>
        <translation>E&amp;xportar AAF…</translation>
    </message>
    <message numerus="yes">
        <source>%n chart(s) in the library</source>
        <translation>
            <numerusform>%n carta en la biblioteca</numerusform>
            <numerusform>%n cartas en la biblioteca</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 chart(s) shown</source>
        <translation>
            <numerusform>Se muestra %n de %1 cartas</numerusform>
            <numerusform>Se muestran %n de %1 cartas</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orbenza::PictureSizeDialog</name>
    <message>
        <source>Picture Size</source>
        <translation>Tamaño de la imagen</translation>
    </message>
    <message>
        <source>Width of the PNG picture. The height follows from it, so the wheel keeps its proportions.</source>
        <translation>Ancho de la imagen PNG. La altura se deriva de él, de modo que la rueda mantiene sus proporciones.</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>&amp;Ancho:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Alto:</translation>
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
        <translation>&amp;Cartas recientes</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
</context>
<context>
    <name>orbenza::SaveScreen</name>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>Formato de texto enriquecido (*.rtf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>Texto sin formato (*.txt)</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>Informe generado por %1</translation>
    </message>
    <message>
        <source>Visit us now at %1 for more about your chart</source>
        <translation>Visítenos ahora en %1 para saber más sobre su carta</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online discussion forum</source>
        <translation>Hable de su carta con otros lectores en nuestro foro de debate en línea</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save the report as Rich Text or plain text</source>
        <translation>Guardar el informe como texto enriquecido o texto sin formato</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Print the report, or only the part of it you have selected</source>
        <translation>Imprimir el informe, o solo la parte que haya seleccionado</translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;.

%2</source>
        <translation>No se pudo guardar el informe en «%1».

%2</translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;.</source>
        <translation>No se pudo imprimir el informe en «%1».</translation>
    </message>
</context>
<context>
    <name>orbenza::TransitsTab</name>
    <message>
        <source>Transits bi-wheel</source>
        <translation>Doble rueda de tránsitos</translation>
    </message>
    <message>
        <source>Exact transits in the next twelve months</source>
        <translation>Tránsitos exactos en los próximos doce meses</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>Save the bi-wheel as an SVG or PNG picture or a PDF document</source>
        <translation>Guardar la doble rueda como imagen SVG o PNG o como documento PDF</translation>
    </message>
    <message>
        <source>Exact (UT)</source>
        <translation>Exacto (UT)</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>En tránsito</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>Aspecto</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>Natal</translation>
    </message>
    <message>
        <source>In orb</source>
        <translation>Dentro del orbe</translation>
    </message>
    <message>
        <source>Double-click a transit to show the sky of its exact moment</source>
        <translation>Haga doble clic en un tránsito para mostrar el cielo de su momento exacto</translation>
    </message>
    <message>
        <source>« Month</source>
        <translation>« Mes</translation>
    </message>
    <message>
        <source>One month earlier</source>
        <translation>Un mes antes</translation>
    </message>
    <message>
        <source>‹ Day</source>
        <translation>‹ Día</translation>
    </message>
    <message>
        <source>One day earlier</source>
        <translation>Un día antes</translation>
    </message>
    <message>
        <source>‹ Hour</source>
        <translation>‹ Hora</translation>
    </message>
    <message>
        <source>One hour earlier</source>
        <translation>Una hora antes</translation>
    </message>
    <message>
        <source>Moment of the transits, universal time</source>
        <translation>Momento de los tránsitos, hora universal</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Hour ›</source>
        <translation>Hora ›</translation>
    </message>
    <message>
        <source>One hour later</source>
        <translation>Una hora después</translation>
    </message>
    <message>
        <source>Day ›</source>
        <translation>Día ›</translation>
    </message>
    <message>
        <source>One day later</source>
        <translation>Un día después</translation>
    </message>
    <message>
        <source>Month »</source>
        <translation>Mes »</translation>
    </message>
    <message>
        <source>One month later</source>
        <translation>Un mes después</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>A&amp;hora</translation>
    </message>
    <message>
        <source>The sky of this moment</source>
        <translation>El cielo de este momento</translation>
    </message>
    <message>
        <source> (R)</source>
        <translation> (R)</translation>
    </message>
    <message>
        <source>, pass %1 of %2</source>
        <translation>, paso %1 de %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 a %2</translation>
    </message>
    <message>
        <source>Exact transits from %1 to %2</source>
        <translation>Tránsitos exactos del %1 al %2</translation>
    </message>
    <message>
        <source>Inside: the birth chart. Outside: the sky of %1</source>
        <translation>Dentro: la carta natal. Fuera: el cielo del %1</translation>
    </message>
    <message>
        <source>Transits</source>
        <translation>Tránsitos</translation>
    </message>
    <message>
        <source>Transits of %1</source>
        <translation>Tránsitos de %1</translation>
    </message>
    <message>
        <source>The sky of %1 round the birth chart</source>
        <translation>El cielo del %1 alrededor de la carta natal</translation>
    </message>
    <message>
        <source>transits</source>
        <translation>tránsitos</translation>
    </message>
</context>
<context>
    <name>orbenza::UserMessages</name>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>&amp;Sí</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>Introduzca el nombre</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>Introduzca un valor entre 0 y 179 en los grados de longitud</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>Introduzca un valor entre 0 y 59 en los minutos de longitud</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>Introduzca un valor entre 0 y 89 en los grados de latitud</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>Introduzca un valor entre 0 y 59 en los minutos de latitud</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>¡Introduzca una fecha o un mes correctos!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>¡Introduzca una fecha o un mes correctos!</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>Solo se aceptan números</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>Introduzca solo letras</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>Introduzca la ciudad</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>Introduzca el estado o la provincia</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>Introduzca el país</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>La aplicación ya se está ejecutando</translation>
    </message>
</context>
</TS>
