<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>BiWheelExport</name>
    <message>
        <source>The chart picture could not be saved to &quot;%1&quot;.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>%1 could not be saved to &quot;%2&quot;.

%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbenza chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbenza chart of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The SVG picture could not be drawn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A picture can be 1 to %1 pixels wide, not %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbenza report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbenza report of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>The file could not be written completely; the disk may be full.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LibraryExchange</name>
    <message>
        <source>an #A93 record needs 7 fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a #B93 record needs 5 fields</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the #A93 record has no #B93 record after it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the #B93 record has no #A93 record before it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the date is not day.month.year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the time is not hh:mm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the date or the time of birth is unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the latitude cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the longitude cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the zone difference cannot be read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the summer time flag is not 0 or 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Julian day is not a number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>both the zone difference and the Julian day are unknown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the Julian day disagrees with the date, time and zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AAF files (*.aaf *.txt);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Charts as AAF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Import Charts from AAF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds no #A93 record; is it an AAF file?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importing charts…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts imported: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts that could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts exported: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Charts with a comma or line break written as a semicolon or a space: %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PredictiveTexts</name>
    <message>
        <source>%1 UT</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The library already holds a chart of %1. Update that chart, or keep both?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete the chart of %1 from the library?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The user guide could not be found. It was looked for in:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbenza User Guide</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>No web browser could be opened for %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::AboutBox</name>
    <message>
        <source>Click here to visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place atlas: GeoNames (geonames.org), its places, names, regions and time zones, CC BY 4.0. Clock times: the IANA time-zone database (public domain).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise positions: series fitted to the Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, with JPL&apos;s DE431). Hindi text: the Lohit Devanagari font (SIL Open Font License 1.1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::AppController</name>
    <message>
        <source>Orbenza chart of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Chart to &amp;Library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open Chart…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart of %1 was updated in the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart of %1 was saved to the library</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart &amp;Settings…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::AspectGrid</name>
    <message>
        <source>Aspect grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3, orb %4°, %5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>applying</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>separating</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::BirthDetailsScreen</name>
    <message>
        <source>Deg</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>May</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The place atlas is unavailable: type the coordinates and choose the zone by hand.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 %3 %4 is no date of the calendar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 did not exist: the clocks were put forward. Proceed asks which universal time is meant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 happened twice: the clocks were put back. Proceed asks which universal time is meant.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Before 1970 this zone&apos;s clock history is that of %1; local practice in %2 may have differed: check the birth record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (summer time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (local mean time)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From the atlas: %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Coordinates, zone and daylight saving set by hand, not from the atlas.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1 the clock time %2 did not exist: the clocks were put forward over it. Read on the clock before the change (%3) it is %4; read on the clock after the change (%5) it is %6. Which one is meant?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock before the change: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock after the change: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In %1 the clock time %2 happened twice: the clocks were put back over it. The first time (%3) it was %4; the second time (%5) it was %6. Which one is meant?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Second time: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orbenza shows the positions of the planets in the twelve houses in your natal chart. The distribution of the planets in the different houses play an important role in interpreting the birth chart of an individual.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for Software U&amp;pdate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>East</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>West</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>North</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>South</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discuss your chart on our online discussion board at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;recise Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compute the positions from series fitted to the JPL ephemeris, to a tenth of an arcsecond, instead of the built-in method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>January</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>February</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>March</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>June</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>July</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>October</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>December</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::ChartInTimeScreen</name>
    <message>
        <source>Progressions of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar Return of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar Return of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Compared With %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bi-wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progressed to &amp;date:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the birth place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A place of the atlas to draw the return for; empty for the birth place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Return:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Synastry: the other chart outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Composite: the midpoints of the two charts outside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Solar return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lunar return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Composite</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the progressed chart for %1, the sky of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No solar return in %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the solar return of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No lunar return in this month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No chart to compare with</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the composite of %1 and %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the chart of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the lunar return of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inside: %1. Outside: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>progressions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>solar return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>lunar return</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>with %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>comparison</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspects to the birth chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progressions…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Solar Return…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Lunar Return…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Compare With…</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::ChartListModel</name>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::ChartScreen</name>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Venus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mars</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Asc</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chiron</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>True Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mean Node</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lilith</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For more detailed analysis of your planets in houses Visit %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>City :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Country :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Degree Wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole-&amp;Sign Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Aspect Grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris series)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Classic positions (the built-in method)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (R) </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::ChartSettingsDialog</name>
    <message>
        <source>Placidus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Koch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alcabitius</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topocentric (Polich-Page)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Meridian (axial rotation)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whole sign</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal houses from the Ascendant&apos;s degree</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal houses from the Midheaven</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Equal houses of whole degrees, as the report has always counted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opposition</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trine</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sextile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quincunx</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-sextile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-square</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sesquiquadrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quintile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Biquintile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Chart Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Houses</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>House &amp;system:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Where Placidus or Koch have no cusps (near and beyond the polar circles) the chart uses Porphyry and says so.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The five major aspects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All eleven aspects</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 orb:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A major aspect with the Sun or the Moon in it has %1° more.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::DegreeWheelView</name>
    <message>
        <source>Degree wheel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::Languages</name>
    <message>
        <source>&amp;View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The next chart is written in the new language; the menus and screens follow when Orbenza starts again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::MainWindow</name>
    <message>
        <source>Join our online astrology community at %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Chart &amp;Picture…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::OpenChartDialog</name>
    <message>
        <source>Open Chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type part of a name, a date or a place</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import AAF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Export AAF…</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n chart(s) in the library</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 chart(s) shown</source>
        <translation type="unfinished">
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orbenza::PictureSizeDialog</name>
    <message>
        <source>Picture Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width of the PNG picture. The height follows from it, so the wheel keeps its proportions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> px</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 px</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::RecentChartsMenu</name>
    <message>
        <source>Recent &amp;Charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(none)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::SaveScreen</name>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visit us now at %1 for more about your chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online discussion forum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the report as Rich Text or plain text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the report, or only the part of it you have selected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;.

%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::TransitsTab</name>
    <message>
        <source>Transits bi-wheel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact transits in the next twelve months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the bi-wheel as an SVG or PNG picture or a PDF document</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact (UT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Natal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>In orb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double-click a transit to show the sky of its exact moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>« Month</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One month earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>‹ Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One day earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>‹ Hour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One hour earlier</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Moment of the transits, universal time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hour ›</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One hour later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day ›</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One day later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Month »</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One month later</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sky of this moment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (R)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, pass %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exact transits from %1 to %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Inside: the birth chart. Outside: the sky of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transits of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sky of %1 round the birth chart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>transits</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>orbenza::UserMessages</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
