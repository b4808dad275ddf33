// The house descriptions in German.
//
// The German translation of the English table of the same name one folder up,
// one paragraph per house. Each paragraph stays on a single line and is 589 to
// 731 characters long.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::de {

// clang-format off
constexpr HouseDescriptionTable kHouseDescriptions = {
    // Slot 0 is unused: houses are numbered from 1.
    "",

    // ---- First House ----
    R"(Aus diesem Haus lässt sich viel über die Persönlichkeit eines Menschen ablesen. Es beginnt am Aszendenten, dem Grad des Tierkreises, der im Augenblick der Geburt am östlichen Horizont aufstieg, und beschreibt das Selbst in seiner unmittelbarsten Form: den Körper und seine Lebenskraft, das Gesicht, das Sie der Welt zeigen, und den ersten Eindruck, den Sie machen. Es zeigt, wie Sie Neuem begegnen, Dinge beginnen und sich behaupten. Astrologen lesen daraus Temperament, Erscheinung und Gesundheit sowie die Umgebung, in der die Persönlichkeit zuerst Gestalt annahm. Jeder Planet hier färbt den ganzen Charakter und ist für andere leicht zu erkennen.)",

    // ---- Second House ----
    R"(Dieses Haus gilt traditionell als das Haus des materiellen Besitzes und des Wohlstands. Es zeigt, wie Sie Geld verdienen, wie Sie es ausgeben und was Ihnen besitzenswert erscheint. Über Bargeld und Eigentum hinaus beschreibt es Ihr Gefühl von Sicherheit und Selbstwert, Ihre Talente und Mittel und die Werte, die Ihre Entscheidungen leiten. Ein starkes zweites Haus weist auf ein stetiges Einkommen und eine praktische Begabung zum Sparen hin, Belastungen hier dagegen auf Zeiten finanzieller Enge oder einen zu lockeren Umgang mit Geld. Es regiert auch bewegliche Güter, Geldanlagen und Sammlungen und zeigt, wie viel Genuss Ihnen die stoffliche Welt bereitet.)",

    // ---- Third House ----
    R"(Dieses Haus entspricht Ihrer Fähigkeit zur Kommunikation. Es regiert Sprechen, Schreiben, Lernen und den alltäglichen Austausch von Gedanken sowie die Art, wie Ihr Verstand Informationen sammelt und ordnet. Geschwister, Vettern und Nachbarn gehören zu diesem Haus, ebenso kurze Reisen, Briefe, Nachrichten und die ersten Schuljahre. Ein gut gestelltes drittes Haus schenkt einen schnellen, neugierigen Geist, Sprachbegabung und einen leichten Umgang mit den Menschen der nahen Umgebung. Unter Spannung kann es Missverständnisse mit Geschwistern, ruheloses Denken oder zerstreutes Lernen geben. Es zeigt, wie Sie denken, zuhören und sich Ihrer Umgebung anpassen.)",

    // ---- Fourth House ----
    R"(Dieses Haus heißt in Indien auch 'Matristhan', das Haus, das sich auf Ihre Mutter bezieht. Es liegt am unteren Ende des Horoskops und beschreibt Ihre Wurzeln: Heim, Familie, Herkunft und den Elternteil, der Sie am meisten umsorgt hat. Es zeigt die Atmosphäre des Elternhauses und das Zuhause, das Sie sich selbst schaffen werden, dazu Land, Häuser und anderen Grundbesitz. Auf einer tieferen Ebene ist es das private Fundament der Persönlichkeit, die seelische Geborgenheit, die Sie brauchen, und der Ort, an den Sie zurückkehren, wenn Ihnen die Welt zu viel wird. Astrologen lesen daraus auch den späteren Lebensabschnitt und die Umstände im Alter.)",

    // ---- Fifth House ----
    R"(Dieses Haus steht für Liebesaffären, für Ihre Beziehung zu Ihrem Verlobten und für die romantischen Bindungen in Ihrem Leben. Es ist das Haus des Vergnügens und des Selbstausdrucks: Werben, Flirten, Hobbys, Spiel, Sport, Unterhaltung und jede schöpferische Arbeit, die von Herzen kommt. Auch Kinder werden aus diesem Haus gelesen, die eigenen ebenso wie Ihr Verhältnis zur Jugend. Spekulation, Glücksspiel und Wagnisse gehören ebenfalls hierher, denn sie teilen denselben Geist des Spiels. Ein starkes fünftes Haus schenkt Wärme, Charme und ein natürliches Talent, das Leben zu genießen, ein belastetes dagegen Enttäuschungen in der Liebe oder unnötige Wagnisse.)",

    // ---- Sixth House ----
    R"(Dieses Haus zeigt die Fähigkeiten, die wir besitzen, und die Arbeit, die zu ihnen passt. Es regiert Alltag, Pflicht und Dienst: die Arbeitsstelle mehr als die Laufbahn, die Kollegen und Angestellten, mit denen Sie zu tun haben, und die Gewohnheiten eines gewöhnlichen Arbeitstages. Es ist auch das Haus der Gesundheit und zeigt, wie der Körper auf Stress, Ernährung und Überarbeitung reagiert und zu welchen Beschwerden jemand neigt. Auch Kleintiere und Haustiere gehören traditionell hierher. Ein ausgewogenes sechstes Haus schenkt Fleiß, Tüchtigkeit und Hilfsbereitschaft, ein belastetes dagegen Reibereien bei der Arbeit, Sorgen oder nervös bedingte Leiden.)",

    // ---- Seventh House ----
    R"(Dieses Haus bestimmt nach verbreiteter Ansicht unser Eheleben, die Art Mensch, die wir als Ehepartner wählen, und Glück oder Kummer in der Beziehung zum Ehepartner. Es liegt dem ersten Haus gegenüber und beschreibt den anderen in jeder engen Partnerschaft, im Geschäft ebenso wie in der Liebe. Verträge, Vereinbarungen und offene Feinde werden hier ebenfalls gelesen, denn bei allen steht uns jemand gegenüber. Planeten in diesem Haus zeigen, was wir bei anderen suchen und oft auch, was wir auf sie projizieren. Ein harmonisches siebtes Haus verspricht Zusammenarbeit und einen treuen Partner, ein belastetes dagegen Streit, Prozesse oder Trennung.)",

    // ---- Eighth House ----
    R"(Dieses Haus entspricht dem sexuellen Wesen eines Menschen. Es ist das Haus der Intimität, der tiefen seelischen Bindungen und alles dessen, was zwei Menschen teilen, darunter gemeinsame Finanzen, Erbschaften, Steuern, Schulden und das Geld eines Partners. Traditionell ist es auch das Haus des Todes, doch die moderne Deutung sieht darin eher Abschlüsse, Krisen und Wandlungen, die einen Neubeginn ermöglichen. Geheimnisse, Verborgenes, Forschung und Interesse am Okkulten gehören ebenfalls hierher. Ein starkes achtes Haus schenkt Intensität, Einblick in fremde Beweggründe und die Kraft, Verluste zu überwinden, ein schwieriges dagegen Eifersucht, Streit ums Gemeinsame oder Angst vor Kontrollverlust.)",

    // ---- Ninth House ----
    R"(Dieses Haus Ihres Geburtshoroskops bestimmt die Werte, denen Sie Ihr Leben lang folgen, Ihr philosophisches Verständnis der Welt und Ihre religiöse Ausrichtung. Es ist das Haus des höheren Geistes: Studium, Recht, Ethik, Verlagswesen und jede Suche nach Sinn, die über den Alltag hinausreicht. Auch weite Reisen, fremde Länder und Menschen anderer Kulturen werden hier gelesen. Es zeigt außerdem Ihre Lehrer, Mentoren und geistigen Führer und in der indischen Tradition den Vater und das Glück. Ein gut unterstütztes neuntes Haus schenkt Weitblick, Optimismus und Freude am Lernen, ein belastetes dagegen Dogmatismus, Rastlosigkeit oder leichtfertige Versprechen.)",

    // ---- Tenth House ----
    R"(Dieses Haus spricht von Ihrer Laufbahn und Ihrer Einstellung zu Arbeit und Beruf. Es nimmt die Spitze des Horoskops ein, den Bereich des Medium Coeli, und beschreibt Ihr öffentliches Leben: Ruf, Stellung, Leistungen und wie die Welt Sie sieht. Es zeigt Ihren Ehrgeiz, Ihr Verhältnis zu Autorität und Arbeitgebern und wie viel Verantwortung Sie zu tragen bereit sind. Auch ein Elternteil, traditionell der Vater, wird aus diesem Haus gelesen. Planeten hier sind weithin sichtbar und prägen oft die Richtung eines ganzen Lebens. Ein starkes zehntes Haus bringt Anerkennung und Aufstieg, ein schwieriges dagegen berufliche Rückschläge oder den Verlust einer Stellung.)",

    // ---- Eleventh House ----
    R"(Dieses Haus gilt traditionell als das Haus des Einkommens. Es zeigt den Gewinn und Lohn, den Ihre Arbeit und Mühe einbringen, und im weiteren Sinn die Erfüllung Ihrer Hoffnungen, Wünsche und langfristigen Ziele. Es ist auch das Haus der Freunde, Gruppen, Vereine, Gesellschaften und Verbände, der Menschen, die Ihre Ideale teilen und Ihnen unterwegs helfen. Humanitäre Anliegen und Ihr Platz in einer Gemeinschaft werden ebenfalls hier gelesen. Ein gut gestelltes elftes Haus bringt hilfreiche Freunde, einflussreiche Kontakte und stetige Gelegenheiten, ein belastetes dagegen falsche Freunde, enttäuschte Hoffnungen oder Verluste durch gerade die Menschen, denen Sie vertrauen.)",

    // ---- Twelfth House ----
    R"(In der indischen Astrologie heißt dieses Haus 'Vyaysthana', das Haus der Ausgaben. Es zeigt, wo Geld und Kraft versickern, und in der westlichen Astrologie ist es das Haus der Abschlüsse, der Zurückgezogenheit und alles Verborgenen. Krankenhäuser, Gefängnisse, Klöster und andere Orte des Rückzugs gehören dazu, ebenso heimliche Feinde, Selbstschädigung und die Ängste, die wir nicht einmal uns selbst eingestehen. Doch es ist auch das Haus des Mitgefühls, der Nächstenliebe, der Träume, der Intuition und des geistigen Wachstums, wo man loslassen lernt. Ein starkes zwölftes Haus schenkt ein reiches Innenleben und eine Gabe zum stillen Dienst, ein schwieriges dagegen Einsamkeit, Verwirrung oder rätselhafte Verluste.)",
};
// clang-format on

} // namespace orbenza::texts::de
