<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hi_IN">
<context>
    <name>BiWheelExport</name>
    <message>
        <source>The chart picture could not be saved to &quot;%1&quot;.

%2</source>
        <translation>कुंडली का चित्र &quot;%1&quot; में सहेजा नहीं जा सका।

%2</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>कुंडली का चित्र निर्यात करें</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>PDF दस्तावेज़ लिखा नहीं जा सका।</translation>
    </message>
</context>
<context>
    <name>ChartExport</name>
    <message>
        <source>%1 could not be saved to &quot;%2&quot;.

%3</source>
        <translation>%1 को &quot;%2&quot; में सहेजा नहीं जा सका।

%3</translation>
    </message>
    <message>
        <source>The chart picture</source>
        <translation>कुंडली का चित्र</translation>
    </message>
    <message>
        <source>The report</source>
        <translation>रिपोर्ट</translation>
    </message>
    <message>
        <source>Orbenza chart</source>
        <translation>Orbenza कुंडली</translation>
    </message>
    <message>
        <source>Orbenza chart of %1</source>
        <translation>%1 की Orbenza कुंडली</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG चित्र (*.svg)</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG चित्र (*.png)</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF दस्तावेज़ (*.pdf)</translation>
    </message>
    <message>
        <source>Export Chart Picture</source>
        <translation>कुंडली का चित्र निर्यात करें</translation>
    </message>
    <message>
        <source>Save Report as PDF</source>
        <translation>रिपोर्ट को PDF के रूप में सहेजें</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>हर भाव में एक राशि, लग्न की राशि से गिनकर</translation>
    </message>
    <message>
        <source>The SVG picture could not be drawn.</source>
        <translation>SVG चित्र नहीं बनाया जा सका।</translation>
    </message>
    <message>
        <source>A picture can be 1 to %1 pixels wide, not %2.</source>
        <translation>चित्र की चौड़ाई 1 से %1 पिक्सेल तक हो सकती है, %2 नहीं।</translation>
    </message>
    <message>
        <source>There is not enough memory for a picture of %1 x %2 pixels.</source>
        <translation>%1 x %2 पिक्सेल के चित्र के लिए पर्याप्त मेमोरी नहीं है।</translation>
    </message>
    <message>
        <source>Orbenza report</source>
        <translation>Orbenza रिपोर्ट</translation>
    </message>
    <message>
        <source>Orbenza report of %1</source>
        <translation>%1 की Orbenza रिपोर्ट</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>भावों में ग्रह</translation>
    </message>
    <message>
        <source>The PDF document could not be written.</source>
        <translation>PDF दस्तावेज़ लिखा नहीं जा सका।</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>अज्ञात त्रुटि</translation>
    </message>
</context>
<context>
    <name>FileSaving</name>
    <message>
        <source>The file could not be written completely; the disk may be full.</source>
        <translation>फ़ाइल पूरी नहीं लिखी जा सकी; संभव है कि डिस्क भर गई हो।</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>अज्ञात त्रुटि</translation>
    </message>
</context>
<context>
    <name>LibraryExchange</name>
    <message>
        <source>an #A93 record needs 7 fields</source>
        <translation>#A93 रिकॉर्ड में 7 फ़ील्ड होने चाहिए</translation>
    </message>
    <message>
        <source>a #B93 record needs 5 fields</source>
        <translation>#B93 रिकॉर्ड में 5 फ़ील्ड होने चाहिए</translation>
    </message>
    <message>
        <source>the #A93 record has no #B93 record after it</source>
        <translation>#A93 रिकॉर्ड के बाद कोई #B93 रिकॉर्ड नहीं है</translation>
    </message>
    <message>
        <source>the #B93 record has no #A93 record before it</source>
        <translation>#B93 रिकॉर्ड से पहले कोई #A93 रिकॉर्ड नहीं है</translation>
    </message>
    <message>
        <source>the date is not day.month.year</source>
        <translation>तिथि दिन.महीना.वर्ष के रूप में नहीं है</translation>
    </message>
    <message>
        <source>the time is not hh:mm</source>
        <translation>समय hh:mm के रूप में नहीं है</translation>
    </message>
    <message>
        <source>the date or the time of birth is unknown</source>
        <translation>जन्म की तिथि या समय अज्ञात है</translation>
    </message>
    <message>
        <source>the latitude cannot be read</source>
        <translation>अक्षांश पढ़ा नहीं जा सकता</translation>
    </message>
    <message>
        <source>the longitude cannot be read</source>
        <translation>देशांतर पढ़ा नहीं जा सकता</translation>
    </message>
    <message>
        <source>the zone difference cannot be read</source>
        <translation>समय-क्षेत्र का अंतर पढ़ा नहीं जा सकता</translation>
    </message>
    <message>
        <source>the summer time flag is not 0 or 1</source>
        <translation>ग्रीष्मकालीन समय का संकेतक 0 या 1 नहीं है</translation>
    </message>
    <message>
        <source>the Julian day is not a number</source>
        <translation>जूलियन दिन कोई संख्या नहीं है</translation>
    </message>
    <message>
        <source>both the zone difference and the Julian day are unknown</source>
        <translation>समय-क्षेत्र का अंतर और जूलियन दिन दोनों अज्ञात हैं</translation>
    </message>
    <message>
        <source>the Julian day disagrees with the date, time and zone</source>
        <translation>जूलियन दिन तिथि, समय और समय-क्षेत्र से मेल नहीं खाता</translation>
    </message>
    <message>
        <source>AAF files (*.aaf *.txt);;All files (*)</source>
        <translation>AAF फ़ाइलें (*.aaf *.txt);;सभी फ़ाइलें (*)</translation>
    </message>
    <message>
        <source>Export Charts as AAF</source>
        <translation>कुंडलियाँ AAF के रूप में निर्यात करें</translation>
    </message>
    <message>
        <source>Import Charts from AAF</source>
        <translation>AAF से कुंडलियाँ आयात करें</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 पढ़ी नहीं जा सकती: %2</translation>
    </message>
    <message>
        <source>%1 holds no #A93 record; is it an AAF file?</source>
        <translation>%1 में कोई #A93 रिकॉर्ड नहीं है; क्या यह AAF फ़ाइल है?</translation>
    </message>
    <message>
        <source>Importing charts…</source>
        <translation>कुंडलियाँ आयात हो रही हैं…</translation>
    </message>
    <message>
        <source>Charts imported: %1.</source>
        <translation>आयात की गई कुंडलियाँ: %1।</translation>
    </message>
    <message>
        <source>Charts that could not be read: %1</source>
        <translation>कुंडलियाँ जो पढ़ी नहीं जा सकीं: %1</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>पंक्ति %1: %2</translation>
    </message>
    <message>
        <source>and %1 more.</source>
        <translation>और %1 अन्य।</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>%1 लिखी नहीं जा सकती: %2</translation>
    </message>
    <message>
        <source>Charts exported: %1.</source>
        <translation>निर्यात की गई कुंडलियाँ: %1।</translation>
    </message>
    <message>
        <source>Charts with a comma or line break written as a semicolon or a space: %1.</source>
        <translation>कुंडलियाँ जिनमें अल्पविराम या नई पंक्ति को अर्धविराम या रिक्त स्थान के रूप में लिखा गया: %1।</translation>
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
        <translation>लाइब्रेरी में %1 की कुंडली पहले से है। उस कुंडली को अपडेट करें, या दोनों रखें?</translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation>अपडेट करें(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Keep Both</source>
        <translation>दोनों रखें(&amp;K)</translation>
    </message>
    <message>
        <source>Delete the chart of %1 from the library?</source>
        <translation>%1 की कुंडली लाइब्रेरी से हटाएँ?</translation>
    </message>
</context>
<context>
    <name>UserGuide</name>
    <message>
        <source>The user guide could not be found. It was looked for in:
%1</source>
        <translation>उपयोगकर्ता गाइड नहीं मिली। इसे यहाँ खोजा गया:
%1</translation>
    </message>
    <message>
        <source>Orbenza User Guide</source>
        <translation>Orbenza उपयोगकर्ता गाइड</translation>
    </message>
</context>
<context>
    <name>WebLinks</name>
    <message>
        <source>No web browser could be opened for %1.</source>
        <translation>%1 के लिए कोई वेब ब्राउज़र नहीं खोला जा सका।</translation>
    </message>
</context>
<context>
    <name>orbenza::AboutBox</name>
    <message>
        <source>Click here to visit %1</source>
        <translation>%1 पर जाने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>Place atlas: GeoNames (geonames.org), its places, names, regions and time zones, CC BY 4.0. Clock times: the IANA time-zone database (public domain).</source>
        <translation>स्थान एटलस: GeoNames (geonames.org), इसके स्थान, नाम, क्षेत्र और समय-क्षेत्र, CC BY 4.0। घड़ी का समय: IANA समय-क्षेत्र डेटाबेस (सार्वजनिक डोमेन)।</translation>
    </message>
    <message>
        <source>Precise positions: series fitted to the Swiss Ephemeris 2.10 (Astrodienst AG, AGPL-3.0, with JPL&apos;s DE431). Hindi text: the Lohit Devanagari font (SIL Open Font License 1.1).</source>
        <translation>सटीक स्थितियाँ: स्विस एफ़ेमेरिस 2.10 (Astrodienst AG, AGPL-3.0, JPL की DE431 सहित) से मिलाई गई श्रेणियाँ। हिंदी पाठ: लोहित देवनागरी फ़ॉन्ट (SIL Open Font License 1.1)।</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
</context>
<context>
    <name>orbenza::AppController</name>
    <message>
        <source>Orbenza chart of %1</source>
        <translation>%1 की Orbenza कुंडली</translation>
    </message>
    <message>
        <source>Save Chart to &amp;Library</source>
        <translation>कुंडली को लाइब्रेरी में सहेजें(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Open Chart…</source>
        <translation>कुंडली खोलें(&amp;O)…</translation>
    </message>
    <message>
        <source>The chart of %1 was updated in the library</source>
        <translation>%1 की कुंडली लाइब्रेरी में अपडेट की गई</translation>
    </message>
    <message>
        <source>The chart of %1 was saved to the library</source>
        <translation>%1 की कुंडली लाइब्रेरी में सहेजी गई</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>%1 की कुंडली नहीं बनाई जा सकती: %2</translation>
    </message>
    <message>
        <source>Chart &amp;Settings…</source>
        <translation>कुंडली सेटिंग्स(&amp;S)…</translation>
    </message>
</context>
<context>
    <name>orbenza::AspectGrid</name>
    <message>
        <source>Aspect grid</source>
        <translation>दृष्टि तालिका</translation>
    </message>
    <message>
        <source>%1 %2 %3, orb %4°, %5</source>
        <translation>%1 और %3 की %2, दीप्तांश %4°, %5</translation>
    </message>
    <message>
        <source>applying</source>
        <translation>निकट आती</translation>
    </message>
    <message>
        <source>separating</source>
        <translation>दूर जाती</translation>
    </message>
</context>
<context>
    <name>orbenza::BirthDetailsScreen</name>
    <message>
        <source>Jan</source>
        <translation>जन॰</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>फ़र॰</translation>
    </message>
    <message>
        <source>Mar</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>अप्रै॰</translation>
    </message>
    <message>
        <source>May</source>
        <translation>मई</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>जुला॰</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>अग॰</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>सितं॰</translation>
    </message>
    <message>
        <source>Oct</source>
        <translation>अक्टू॰</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>नवं॰</translation>
    </message>
    <message>
        <source>Dec</source>
        <translation>दिसं॰</translation>
    </message>
    <message>
        <source>%1 %2 %3</source>
        <translation>%1 %2 %3</translation>
    </message>
    <message>
        <source>The place atlas is unavailable: type the coordinates and choose the zone by hand.</source>
        <translation>स्थान एटलस उपलब्ध नहीं है: निर्देशांक टाइप करें और समय-क्षेत्र स्वयं चुनें।</translation>
    </message>
    <message>
        <source>%1 · %2 %3 %4 is no date of the calendar</source>
        <translation>%1 · %2 %3 %4 कैलेंडर की कोई तिथि नहीं है</translation>
    </message>
    <message>
        <source>%1 at %2</source>
        <translation>%1, %2 बजे</translation>
    </message>
    <message>
        <source>%1 · %2 did not exist: the clocks were put forward. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 का अस्तित्व नहीं था: घड़ियाँ आगे की गई थीं। आगे बढ़ें दबाने पर पूछा जाएगा कि कौन-सा सार्वभौमिक समय अभिप्रेत है।</translation>
    </message>
    <message>
        <source>%1 · %2 happened twice: the clocks were put back. Proceed asks which universal time is meant.</source>
        <translation>%1 · %2 दो बार आया: घड़ियाँ पीछे की गई थीं। आगे बढ़ें दबाने पर पूछा जाएगा कि कौन-सा सार्वभौमिक समय अभिप्रेत है।</translation>
    </message>
    <message>
        <source>Before 1970 this zone&apos;s clock history is that of %1; local practice in %2 may have differed: check the birth record.</source>
        <translation>1970 से पहले इस समय-क्षेत्र का घड़ी-इतिहास %1 का है; %2 में स्थानीय प्रथा अलग रही हो सकती है: जन्म का अभिलेख जाँचें।</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (summer time)</source>
        <translation>%1 · %2 · %3, %4 को (ग्रीष्मकालीन समय)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4 (local mean time)</source>
        <translation>%1 · %2 · %3, %4 को (स्थानीय माध्य समय)</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 on %4</source>
        <translation>%1 · %2 · %3, %4 को</translation>
    </message>
    <message>
        <source>From the atlas: %1 (%2)</source>
        <translation>एटलस से: %1 (%2)</translation>
    </message>
    <message>
        <source>Coordinates, zone and daylight saving set by hand, not from the atlas.</source>
        <translation>निर्देशांक, समय-क्षेत्र और डेलाइट सेविंग हाथ से निर्धारित, एटलस से नहीं।</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 did not exist: the clocks were put forward over it. Read on the clock before the change (%3) it is %4; read on the clock after the change (%5) it is %6. Which one is meant?</source>
        <translation>%1 में घड़ी का समय %2 अस्तित्व में नहीं था: घड़ियाँ उसके ऊपर से आगे कर दी गई थीं। परिवर्तन से पहले की घड़ी (%3) से पढ़ने पर यह %4 है; परिवर्तन के बाद की घड़ी (%5) से पढ़ने पर यह %6 है। कौन-सा अभिप्रेत है?</translation>
    </message>
    <message>
        <source>Clock before the change: %1</source>
        <translation>परिवर्तन से पहले की घड़ी: %1</translation>
    </message>
    <message>
        <source>Clock after the change: %1</source>
        <translation>परिवर्तन के बाद की घड़ी: %1</translation>
    </message>
    <message>
        <source>In %1 the clock time %2 happened twice: the clocks were put back over it. The first time (%3) it was %4; the second time (%5) it was %6. Which one is meant?</source>
        <translation>%1 में घड़ी का समय %2 दो बार आया: घड़ियाँ उसके ऊपर से पीछे कर दी गई थीं। पहली बार (%3) यह %4 था; दूसरी बार (%5) यह %6 था। कौन-सा अभिप्रेत है?</translation>
    </message>
    <message>
        <source>First time: %1</source>
        <translation>पहली बार: %1</translation>
    </message>
    <message>
        <source>Second time: %1</source>
        <translation>दूसरी बार: %1</translation>
    </message>
    <message>
        <source>Orbenza shows the positions of the planets in the twelve houses in your natal chart. The distribution of the planets in the different houses play an important role in interpreting the birth chart of an individual.</source>
        <translation>Orbenza आपकी जन्म कुंडली के बारह भावों में ग्रहों की स्थितियाँ दिखाता है। विभिन्न भावों में ग्रहों का वितरण किसी व्यक्ति की जन्म कुंडली की व्याख्या में महत्वपूर्ण भूमिका निभाता है।</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>सहायता(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;User Guide</source>
        <translation>उपयोगकर्ता गाइड(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Online Help</source>
        <translation>ऑनलाइन सहायता(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Visit Us Online</source>
        <translation>ऑनलाइन हमसे मिलें(&amp;V)</translation>
    </message>
    <message>
        <source>Check for Software U&amp;pdate</source>
        <translation>सॉफ़्टवेयर अपडेट जाँचें(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;About Software</source>
        <translation>सॉफ़्टवेयर के बारे में(&amp;A)</translation>
    </message>
    <message>
        <source>Deg</source>
        <translation>अंश</translation>
    </message>
    <message>
        <source>Min</source>
        <translation>कला</translation>
    </message>
    <message>
        <source>Click Here To Find Latitude &amp;&amp; Longitude</source>
        <translation>अक्षांश &amp;&amp; देशांतर खोजने के लिए यहाँ क्लिक करें</translation>
    </message>
    <message>
        <source>HH:MM:SS</source>
        <translation>HH:MM:SS</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date of Birth</source>
        <translation>जन्म तिथि</translation>
    </message>
    <message>
        <source>Time of Birth</source>
        <translation>जन्म समय</translation>
    </message>
    <message>
        <source>City</source>
        <translation>शहर</translation>
    </message>
    <message>
        <source>State</source>
        <translation>राज्य</translation>
    </message>
    <message>
        <source>Country</source>
        <translation>देश</translation>
    </message>
    <message>
        <source>East</source>
        <translation>पूर्व</translation>
    </message>
    <message>
        <source>West</source>
        <translation>पश्चिम</translation>
    </message>
    <message>
        <source>Longitude</source>
        <translation>देशांतर</translation>
    </message>
    <message>
        <source>North</source>
        <translation>उत्तर</translation>
    </message>
    <message>
        <source>South</source>
        <translation>दक्षिण</translation>
    </message>
    <message>
        <source>Latitude</source>
        <translation>अक्षांश</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>समय-क्षेत्र</translation>
    </message>
    <message>
        <source>Daylight Saving Time</source>
        <translation>डेलाइट सेविंग समय</translation>
    </message>
    <message>
        <source>Discuss your chart on our online discussion board at %1</source>
        <translation>अपनी कुंडली पर हमारे ऑनलाइन चर्चा मंच %1 पर बात करें</translation>
    </message>
    <message>
        <source>Proceed</source>
        <translation>आगे बढ़ें</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>P&amp;recise Positions</source>
        <translation>सटीक स्थितियाँ(&amp;R)</translation>
    </message>
    <message>
        <source>Compute the positions from series fitted to the JPL ephemeris, to a tenth of an arcsecond, instead of the built-in method</source>
        <translation>अंतर्निहित विधि के बजाय JPL पंचांग से मिलाई गई श्रेणियों से, एक चाप-विकला के दसवें भाग तक की सटीकता से स्थितियों की गणना करें</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
    <message>
        <source>January</source>
        <translation>जनवरी</translation>
    </message>
    <message>
        <source>February</source>
        <translation>फ़रवरी</translation>
    </message>
    <message>
        <source>March</source>
        <translation>मार्च</translation>
    </message>
    <message>
        <source>April</source>
        <translation>अप्रैल</translation>
    </message>
    <message>
        <source>June</source>
        <translation>जून</translation>
    </message>
    <message>
        <source>July</source>
        <translation>जुलाई</translation>
    </message>
    <message>
        <source>August</source>
        <translation>अगस्त</translation>
    </message>
    <message>
        <source>September</source>
        <translation>सितंबर</translation>
    </message>
    <message>
        <source>October</source>
        <translation>अक्टूबर</translation>
    </message>
    <message>
        <source>November</source>
        <translation>नवंबर</translation>
    </message>
    <message>
        <source>December</source>
        <translation>दिसंबर</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartInTimeScreen</name>
    <message>
        <source>Progressions of %1</source>
        <translation>%1 की प्रगामी कुंडली</translation>
    </message>
    <message>
        <source>Solar Return of %1</source>
        <translation>%1 का सौर प्रत्यावर्तन</translation>
    </message>
    <message>
        <source>Lunar Return of %1</source>
        <translation>%1 का चंद्र प्रत्यावर्तन</translation>
    </message>
    <message>
        <source>%1 Compared With %2</source>
        <translation>%1 की %2 से तुलना</translation>
    </message>
    <message>
        <source>Bi-wheel</source>
        <translation>द्वि-चक्र</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>दृष्टि</translation>
    </message>
    <message>
        <source>Orb</source>
        <translation>दीप्तांश</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>निर्यात करें(&amp;X)…</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>बंद करें(&amp;C)</translation>
    </message>
    <message>
        <source>Progressed to &amp;date:</source>
        <translation>प्रगति की तिथि(&amp;D):</translation>
    </message>
    <message>
        <source>&amp;Year:</source>
        <translation>वर्ष(&amp;Y):</translation>
    </message>
    <message>
        <source>the birth place</source>
        <translation>जन्म स्थान</translation>
    </message>
    <message>
        <source>A place of the atlas to draw the return for; empty for the birth place</source>
        <translation>एटलस का वह स्थान जिसके लिए प्रत्यावर्तन कुंडली बनानी है; जन्म स्थान के लिए खाली छोड़ें</translation>
    </message>
    <message>
        <source>&amp;Place:</source>
        <translation>स्थान(&amp;P):</translation>
    </message>
    <message>
        <source>&amp;Month:</source>
        <translation>महीना(&amp;M):</translation>
    </message>
    <message>
        <source>&amp;Return:</source>
        <translation>प्रत्यावर्तन(&amp;R):</translation>
    </message>
    <message>
        <source>Synastry: the other chart outside</source>
        <translation>सिनेस्ट्री: दूसरी कुंडली बाहर</translation>
    </message>
    <message>
        <source>Composite: the midpoints of the two charts outside</source>
        <translation>संयुक्त कुंडली: दोनों कुंडलियों के मध्यबिंदु बाहर</translation>
    </message>
    <message>
        <source>&amp;Show:</source>
        <translation>दिखाएँ(&amp;S):</translation>
    </message>
    <message>
        <source>Progressed</source>
        <translation>प्रगामी</translation>
    </message>
    <message>
        <source>Solar return</source>
        <translation>सौर प्रत्यावर्तन</translation>
    </message>
    <message>
        <source>Lunar return</source>
        <translation>चंद्र प्रत्यावर्तन</translation>
    </message>
    <message>
        <source>Composite</source>
        <translation>संयुक्त कुंडली</translation>
    </message>
    <message>
        <source>the progressed chart for %1, the sky of %2</source>
        <translation>%1 के लिए प्रगामी कुंडली, %2 का आकाश</translation>
    </message>
    <message>
        <source>No solar return in %1</source>
        <translation>%1 में कोई सौर प्रत्यावर्तन नहीं</translation>
    </message>
    <message>
        <source>the solar return of %1</source>
        <translation>%1 का सौर प्रत्यावर्तन</translation>
    </message>
    <message>
        <source>No lunar return in this month</source>
        <translation>इस महीने कोई चंद्र प्रत्यावर्तन नहीं</translation>
    </message>
    <message>
        <source>No chart to compare with</source>
        <translation>तुलना के लिए कोई कुंडली नहीं</translation>
    </message>
    <message>
        <source>the composite of %1 and %2</source>
        <translation>%1 और %2 की संयुक्त कुंडली</translation>
    </message>
    <message>
        <source>the chart of %1</source>
        <translation>%1 की कुंडली</translation>
    </message>
    <message>
        <source>the lunar return of %1</source>
        <translation>%1 का चंद्र प्रत्यावर्तन</translation>
    </message>
    <message>
        <source>Inside: %1. Outside: %2</source>
        <translation>भीतर: %1। बाहर: %2</translation>
    </message>
    <message>
        <source>progressions</source>
        <translation>प्रगामी कुंडली</translation>
    </message>
    <message>
        <source>solar return</source>
        <translation>सौर प्रत्यावर्तन</translation>
    </message>
    <message>
        <source>lunar return</source>
        <translation>चंद्र प्रत्यावर्तन</translation>
    </message>
    <message>
        <source>with %1</source>
        <translation>%1 के साथ</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>तुलना</translation>
    </message>
    <message>
        <source>Aspects to the birth chart</source>
        <translation>जन्म कुंडली से दृष्टियाँ</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>तुलना करें</translation>
    </message>
    <message>
        <source>The chart of %1 cannot be drawn: %2</source>
        <translation>%1 की कुंडली नहीं बनाई जा सकती: %2</translation>
    </message>
    <message>
        <source>&amp;Chart</source>
        <translation>कुंडली(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Progressions…</source>
        <translation>प्रगामी कुंडली(&amp;P)…</translation>
    </message>
    <message>
        <source>&amp;Solar Return…</source>
        <translation>सौर प्रत्यावर्तन(&amp;S)…</translation>
    </message>
    <message>
        <source>&amp;Lunar Return…</source>
        <translation>चंद्र प्रत्यावर्तन(&amp;L)…</translation>
    </message>
    <message>
        <source>&amp;Compare With…</source>
        <translation>तुलना करें(&amp;C)…</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartListModel</name>
    <message>
        <source>Name</source>
        <translation>नाम</translation>
    </message>
    <message>
        <source>Date and time</source>
        <translation>तिथि और समय</translation>
    </message>
    <message>
        <source>Place</source>
        <translation>स्थान</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartScreen</name>
    <message>
        <source>Sun</source>
        <translation>सूर्य</translation>
    </message>
    <message>
        <source>Moon</source>
        <translation>चंद्र</translation>
    </message>
    <message>
        <source>Mercury</source>
        <translation>बुध</translation>
    </message>
    <message>
        <source>Venus</source>
        <translation>शुक्र</translation>
    </message>
    <message>
        <source>Mars</source>
        <translation>मंगल</translation>
    </message>
    <message>
        <source>Jupiter</source>
        <translation>बृहस्पति</translation>
    </message>
    <message>
        <source>Saturn</source>
        <translation>शनि</translation>
    </message>
    <message>
        <source>Uranus</source>
        <translation>यूरेनस</translation>
    </message>
    <message>
        <source>Neptune</source>
        <translation>नेपच्यून</translation>
    </message>
    <message>
        <source>Pluto</source>
        <translation>प्लूटो</translation>
    </message>
    <message>
        <source>Asc</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>MC</source>
        <translation>मध्याकाश</translation>
    </message>
    <message>
        <source>Chiron</source>
        <translation>काइरन</translation>
    </message>
    <message>
        <source>True Node</source>
        <translation>सत्य राहु</translation>
    </message>
    <message>
        <source>Mean Node</source>
        <translation>मध्यम राहु</translation>
    </message>
    <message>
        <source>Lilith</source>
        <translation>लिलिथ</translation>
    </message>
    <message>
        <source>Fortune</source>
        <translation>भाग्य बिंदु</translation>
    </message>
    <message>
        <source>For more detailed analysis of your planets in houses Visit %1</source>
        <translation>भावों में अपने ग्रहों के और विस्तृत विश्लेषण के लिए %1 पर जाएँ</translation>
    </message>
    <message>
        <source>Your Details</source>
        <translation>आपका विवरण</translation>
    </message>
    <message>
        <source>Date of Birth :</source>
        <translation>जन्म तिथि :</translation>
    </message>
    <message>
        <source>Time of Birth :</source>
        <translation>जन्म समय :</translation>
    </message>
    <message>
        <source>City :</source>
        <translation>शहर :</translation>
    </message>
    <message>
        <source>State :</source>
        <translation>राज्य :</translation>
    </message>
    <message>
        <source>Country :</source>
        <translation>देश :</translation>
    </message>
    <message>
        <source>Latitude   :</source>
        <translation>अक्षांश   :</translation>
    </message>
    <message>
        <source>Longitude :</source>
        <translation>देशांतर :</translation>
    </message>
    <message>
        <source>Other Details</source>
        <translation>अन्य विवरण</translation>
    </message>
    <message>
        <source>Sun Sign</source>
        <translation>सूर्य राशि</translation>
    </message>
    <message>
        <source>Moon Sign</source>
        <translation>चंद्र राशि</translation>
    </message>
    <message>
        <source>Ascendant</source>
        <translation>लग्न</translation>
    </message>
    <message>
        <source>Planetary Positions</source>
        <translation>ग्रहों की स्थितियाँ</translation>
    </message>
    <message>
        <source>&amp;Degree Wheel</source>
        <translation>अंश चक्र(&amp;D)</translation>
    </message>
    <message>
        <source>One sign to a house, counted from the Ascendant&apos;s sign</source>
        <translation>हर भाव में एक राशि, लग्न की राशि से गिनकर</translation>
    </message>
    <message>
        <source>Whole-&amp;Sign Houses</source>
        <translation>संपूर्ण राशि भाव(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Aspect Grid</source>
        <translation>दृष्टि तालिका(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Transits</source>
        <translation>गोचर(&amp;T)</translation>
    </message>
    <message>
        <source>Planets in Houses</source>
        <translation>भावों में ग्रह</translation>
    </message>
    <message>
        <source>Precise positions (Swiss Ephemeris series)</source>
        <translation>सटीक स्थितियाँ (स्विस एफ़ेमेरिस श्रेणियाँ)</translation>
    </message>
    <message>
        <source>Classic positions (the built-in method)</source>
        <translation>पारंपरिक स्थितियाँ (अंतर्निहित विधि)</translation>
    </message>
    <message>
        <source> (R) </source>
        <translation> (व) </translation>
    </message>
</context>
<context>
    <name>orbenza::ChartSettingsDialog</name>
    <message>
        <source>Placidus</source>
        <translation>प्लेसिडस</translation>
    </message>
    <message>
        <source>Koch</source>
        <translation>कोच</translation>
    </message>
    <message>
        <source>Porphyry</source>
        <translation>पोर्फिरी</translation>
    </message>
    <message>
        <source>Regiomontanus</source>
        <translation>रेजियोमोंटेनस</translation>
    </message>
    <message>
        <source>Campanus</source>
        <translation>कैम्पेनस</translation>
    </message>
    <message>
        <source>Alcabitius</source>
        <translation>अल्काबिटियस</translation>
    </message>
    <message>
        <source>Topocentric (Polich-Page)</source>
        <translation>टोपोसेंट्रिक (पोलिक-पेज)</translation>
    </message>
    <message>
        <source>Morinus</source>
        <translation>मोरिनस</translation>
    </message>
    <message>
        <source>Meridian (axial rotation)</source>
        <translation>मेरिडियन (अक्षीय घूर्णन)</translation>
    </message>
    <message>
        <source>Whole sign</source>
        <translation>संपूर्ण राशि</translation>
    </message>
    <message>
        <source>Equal houses from the Ascendant&apos;s degree</source>
        <translation>लग्न के अंश से समान भाव</translation>
    </message>
    <message>
        <source>Equal houses from the Midheaven</source>
        <translation>मध्याकाश से समान भाव</translation>
    </message>
    <message>
        <source>Equal houses of whole degrees, as the report has always counted</source>
        <translation>पूर्ण अंशों के समान भाव, जैसे रिपोर्ट उन्हें सदा से गिनती आई है</translation>
    </message>
    <message>
        <source>Conjunction</source>
        <translation>युति</translation>
    </message>
    <message>
        <source>Opposition</source>
        <translation>प्रतियुति</translation>
    </message>
    <message>
        <source>Trine</source>
        <translation>त्रिकोण</translation>
    </message>
    <message>
        <source>Square</source>
        <translation>चतुष्कोण</translation>
    </message>
    <message>
        <source>Sextile</source>
        <translation>षट्कोण</translation>
    </message>
    <message>
        <source>Quincunx</source>
        <translation>क्विनकंक्स</translation>
    </message>
    <message>
        <source>Semi-sextile</source>
        <translation>अर्ध-षट्कोण</translation>
    </message>
    <message>
        <source>Semi-square</source>
        <translation>अर्ध-चतुष्कोण</translation>
    </message>
    <message>
        <source>Sesquiquadrate</source>
        <translation>सार्ध-चतुष्कोण</translation>
    </message>
    <message>
        <source>Quintile</source>
        <translation>पंचमांश</translation>
    </message>
    <message>
        <source>Biquintile</source>
        <translation>द्वि-पंचमांश</translation>
    </message>
    <message>
        <source>Chart Settings</source>
        <translation>कुंडली सेटिंग्स</translation>
    </message>
    <message>
        <source>Houses</source>
        <translation>भाव</translation>
    </message>
    <message>
        <source>House &amp;system:</source>
        <translation>भाव पद्धति(&amp;S):</translation>
    </message>
    <message>
        <source>Where Placidus or Koch have no cusps (near and beyond the polar circles) the chart uses Porphyry and says so.</source>
        <translation>जहाँ प्लेसिडस या कोच के भाव-संधि नहीं बनते (ध्रुवीय वृत्तों के पास और उनसे परे), वहाँ कुंडली पोर्फिरी का प्रयोग करती है और यह बताती है।</translation>
    </message>
    <message>
        <source>Aspects</source>
        <translation>दृष्टियाँ</translation>
    </message>
    <message>
        <source>The five major aspects</source>
        <translation>पाँच प्रमुख दृष्टियाँ</translation>
    </message>
    <message>
        <source>All eleven aspects</source>
        <translation>सभी ग्यारह दृष्टियाँ</translation>
    </message>
    <message>
        <source>&amp;List:</source>
        <translation>सूची(&amp;L):</translation>
    </message>
    <message>
        <source>%1 orb:</source>
        <translation>%1 का दीप्तांश:</translation>
    </message>
    <message>
        <source>A major aspect with the Sun or the Moon in it has %1° more.</source>
        <translation>जिस प्रमुख दृष्टि में सूर्य या चंद्र हो, उसका दीप्तांश %1° अधिक होता है।</translation>
    </message>
</context>
<context>
    <name>orbenza::ChartWheel</name>
    <message>
        <source>Chart wheel</source>
        <translation>कुंडली चक्र</translation>
    </message>
</context>
<context>
    <name>orbenza::DegreeWheelView</name>
    <message>
        <source>Degree wheel</source>
        <translation>अंश चक्र</translation>
    </message>
</context>
<context>
    <name>orbenza::Languages</name>
    <message>
        <source>&amp;View</source>
        <translation>दृश्य(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>भाषा(&amp;L)</translation>
    </message>
    <message>
        <source>The next chart is written in the new language; the menus and screens follow when Orbenza starts again.</source>
        <translation>अगली कुंडली नई भाषा में लिखी जाएगी; मेनू और स्क्रीन Orbenza के अगली बार शुरू होने पर बदलेंगे।</translation>
    </message>
</context>
<context>
    <name>orbenza::MainWindow</name>
    <message>
        <source>Join our online astrology community at %1</source>
        <translation>हमारे ऑनलाइन ज्योतिष समुदाय %1 से जुड़ें</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>वापस(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>बाहर निकलें(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>Export Chart &amp;Picture…</source>
        <translation>कुंडली का चित्र निर्यात करें(&amp;P)…</translation>
    </message>
    <message>
        <source>Save Report as P&amp;DF…</source>
        <translation>रिपोर्ट PDF के रूप में सहेजें(&amp;D)…</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>बाहर निकलें(&amp;X)</translation>
    </message>
</context>
<context>
    <name>orbenza::OpenChartDialog</name>
    <message>
        <source>Open Chart</source>
        <translation>कुंडली खोलें</translation>
    </message>
    <message>
        <source>Type part of a name, a date or a place</source>
        <translation>नाम, तिथि या स्थान का कोई अंश टाइप करें</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>खोलें(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>संपादित करें(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>हटाएँ(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>फ़ाइल(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Import AAF…</source>
        <translation>AAF आयात करें(&amp;I)…</translation>
    </message>
    <message>
        <source>&amp;Export AAF…</source>
        <translation>AAF निर्यात करें(&amp;E)…</translation>
    </message>
    <message numerus="yes">
        <source>%n chart(s) in the library</source>
        <translation>
            <numerusform>लाइब्रेरी में %n कुंडली</numerusform>
            <numerusform>लाइब्रेरी में %n कुंडलियाँ</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 chart(s) shown</source>
        <translation>
            <numerusform>%1 में से %n कुंडली दिखाई गई</numerusform>
            <numerusform>%1 में से %n कुंडलियाँ दिखाई गईं</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>orbenza::PictureSizeDialog</name>
    <message>
        <source>Picture Size</source>
        <translation>चित्र का आकार</translation>
    </message>
    <message>
        <source>Width of the PNG picture. The height follows from it, so the wheel keeps its proportions.</source>
        <translation>PNG चित्र की चौड़ाई। ऊँचाई इसी से निकलती है, ताकि चक्र का अनुपात बना रहे।</translation>
    </message>
    <message>
        <source> px</source>
        <translation> px</translation>
    </message>
    <message>
        <source>&amp;Width:</source>
        <translation>चौड़ाई(&amp;W):</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>ऊँचाई:</translation>
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
        <translation>हाल की कुंडलियाँ(&amp;C)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(कोई नहीं)</translation>
    </message>
</context>
<context>
    <name>orbenza::SaveScreen</name>
    <message>
        <source>Rich Text Format (*.rtf)</source>
        <translation>रिच टेक्स्ट फ़ॉर्मेट (*.rtf)</translation>
    </message>
    <message>
        <source>Plain text (*.txt)</source>
        <translation>सादा टेक्स्ट (*.txt)</translation>
    </message>
    <message>
        <source>Report Generated By %1</source>
        <translation>%1 द्वारा बनाई गई रिपोर्ट</translation>
    </message>
    <message>
        <source>Visit us now at %1 for more about your chart</source>
        <translation>अपनी कुंडली के बारे में और जानने के लिए अभी %1 पर आएँ</translation>
    </message>
    <message>
        <source>Talk about your chart with other readers in our online discussion forum</source>
        <translation>हमारे ऑनलाइन चर्चा मंच पर दूसरे पाठकों के साथ अपनी कुंडली पर बात करें</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>सहेजें(&amp;S)</translation>
    </message>
    <message>
        <source>Save the report as Rich Text or plain text</source>
        <translation>रिपोर्ट को रिच टेक्स्ट या सादे टेक्स्ट के रूप में सहेजें</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>प्रिंट करें(&amp;P)</translation>
    </message>
    <message>
        <source>Print the report, or only the part of it you have selected</source>
        <translation>रिपोर्ट प्रिंट करें, या उसका केवल वह भाग जो आपने चुना है</translation>
    </message>
    <message>
        <source>The report could not be saved to &quot;%1&quot;.

%2</source>
        <translation>रिपोर्ट को &quot;%1&quot; में सहेजा नहीं जा सका।

%2</translation>
    </message>
    <message>
        <source>The report could not be printed to &quot;%1&quot;.</source>
        <translation>रिपोर्ट को &quot;%1&quot; पर प्रिंट नहीं किया जा सका।</translation>
    </message>
</context>
<context>
    <name>orbenza::TransitsTab</name>
    <message>
        <source>Transits bi-wheel</source>
        <translation>गोचर द्वि-चक्र</translation>
    </message>
    <message>
        <source>Exact transits in the next twelve months</source>
        <translation>अगले बारह महीनों के सटीक गोचर</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>निर्यात करें(&amp;X)…</translation>
    </message>
    <message>
        <source>Save the bi-wheel as an SVG or PNG picture or a PDF document</source>
        <translation>द्वि-चक्र को SVG या PNG चित्र या PDF दस्तावेज़ के रूप में सहेजें</translation>
    </message>
    <message>
        <source>Exact (UT)</source>
        <translation>सटीक (UT)</translation>
    </message>
    <message>
        <source>Transiting</source>
        <translation>गोचर ग्रह</translation>
    </message>
    <message>
        <source>Aspect</source>
        <translation>दृष्टि</translation>
    </message>
    <message>
        <source>Natal</source>
        <translation>जन्मकालीन</translation>
    </message>
    <message>
        <source>In orb</source>
        <translation>दीप्तांश में</translation>
    </message>
    <message>
        <source>Double-click a transit to show the sky of its exact moment</source>
        <translation>किसी गोचर के सटीक क्षण का आकाश देखने के लिए उस पर डबल-क्लिक करें</translation>
    </message>
    <message>
        <source>« Month</source>
        <translation>« महीना</translation>
    </message>
    <message>
        <source>One month earlier</source>
        <translation>एक महीना पहले</translation>
    </message>
    <message>
        <source>‹ Day</source>
        <translation>‹ दिन</translation>
    </message>
    <message>
        <source>One day earlier</source>
        <translation>एक दिन पहले</translation>
    </message>
    <message>
        <source>‹ Hour</source>
        <translation>‹ घंटा</translation>
    </message>
    <message>
        <source>One hour earlier</source>
        <translation>एक घंटा पहले</translation>
    </message>
    <message>
        <source>Moment of the transits, universal time</source>
        <translation>गोचर का क्षण, सार्वभौमिक समय</translation>
    </message>
    <message>
        <source>UT</source>
        <translation>UT</translation>
    </message>
    <message>
        <source>Hour ›</source>
        <translation>घंटा ›</translation>
    </message>
    <message>
        <source>One hour later</source>
        <translation>एक घंटा बाद</translation>
    </message>
    <message>
        <source>Day ›</source>
        <translation>दिन ›</translation>
    </message>
    <message>
        <source>One day later</source>
        <translation>एक दिन बाद</translation>
    </message>
    <message>
        <source>Month »</source>
        <translation>महीना »</translation>
    </message>
    <message>
        <source>One month later</source>
        <translation>एक महीना बाद</translation>
    </message>
    <message>
        <source>&amp;Now</source>
        <translation>अभी(&amp;N)</translation>
    </message>
    <message>
        <source>The sky of this moment</source>
        <translation>इस क्षण का आकाश</translation>
    </message>
    <message>
        <source> (R)</source>
        <translation> (व)</translation>
    </message>
    <message>
        <source>, pass %1 of %2</source>
        <translation>, स्पर्श %1 (कुल %2)</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 से %2 तक</translation>
    </message>
    <message>
        <source>Exact transits from %1 to %2</source>
        <translation>%1 से %2 तक के सटीक गोचर</translation>
    </message>
    <message>
        <source>Inside: the birth chart. Outside: the sky of %1</source>
        <translation>भीतर: जन्म कुंडली। बाहर: %1 का आकाश</translation>
    </message>
    <message>
        <source>Transits</source>
        <translation>गोचर</translation>
    </message>
    <message>
        <source>Transits of %1</source>
        <translation>%1 के गोचर</translation>
    </message>
    <message>
        <source>The sky of %1 round the birth chart</source>
        <translation>जन्म कुंडली के चारों ओर %1 का आकाश</translation>
    </message>
    <message>
        <source>transits</source>
        <translation>गोचर</translation>
    </message>
</context>
<context>
    <name>orbenza::UserMessages</name>
    <message>
        <source>OK</source>
        <translation>ठीक है</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>रद्द करें</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>बंद करें</translation>
    </message>
    <message>
        <source>Restore Defaults</source>
        <translation>डिफ़ॉल्ट पुनर्स्थापित करें</translation>
    </message>
    <message>
        <source>&amp;Yes</source>
        <translation>हाँ(&amp;Y)</translation>
    </message>
    <message>
        <source>&amp;No</source>
        <translation>नहीं(&amp;N)</translation>
    </message>
    <message>
        <source>Please Enter Name</source>
        <translation>कृपया नाम दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 179 in the Degree of Longitude</source>
        <translation>कृपया देशांतर के अंश में 0 से 179 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Longitude</source>
        <translation>कृपया देशांतर की कला में 0 से 59 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 89 in the Degree of Latitude</source>
        <translation>कृपया अक्षांश के अंश में 0 से 89 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Value Between 0 And 59 in the  Minute of Latitude</source>
        <translation>कृपया अक्षांश की कला में 0 से 59 के बीच का मान दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month!</source>
        <translation>कृपया सही तिथि या महीना दर्ज करें!</translation>
    </message>
    <message>
        <source>Please Enter Correct Date Or Month !</source>
        <translation>कृपया सही तिथि या महीना दर्ज करें !</translation>
    </message>
    <message>
        <source>Only Numbers Are Accepted</source>
        <translation>केवल अंक स्वीकार किए जाते हैं</translation>
    </message>
    <message>
        <source>Please Enter only Letters</source>
        <translation>कृपया केवल अक्षर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter City</source>
        <translation>कृपया शहर दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter State</source>
        <translation>कृपया राज्य दर्ज करें</translation>
    </message>
    <message>
        <source>Please Enter Country</source>
        <translation>कृपया देश दर्ज करें</translation>
    </message>
    <message>
        <source>Application is already running</source>
        <translation>एप्लिकेशन पहले से चल रहा है</translation>
    </message>
</context>
</TS>
