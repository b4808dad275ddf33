// The planet characteristics in German.
//
// The German translation of the English table of the same name one folder up,
// one paragraph per planet on a single line, each as long as its English
// original in characters (Sun 759, Moon 223, Mercury 67, Venus 93, Mars 168,
// Jupiter 113, Saturn 111, Uranus 129, Neptune 101, Pluto 61). Pluto's text
// has no closing full stop, like the English one.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::de {

// clang-format off
constexpr PlanetCharacteristicsTable kPlanetCharacteristics = {
    // ---- Sun ----
    R"(Sie kann gut oder böse wirken, je nach den Planeten, mit denen sie verbunden ist. Die Sonne ist die Königin der Planeten und die Mitte des Horoskops, die Quelle des Lichts, um das alles kreist. Sie steht für das bewusste Ich, den Willen und die Lebenskraft, die Körper und Geist lebendig hält. Ihr Haus zeigt, wo Sie glänzen wollen, wo Sie Anerkennung suchen und wo Sie Ihre Bestimmung am stärksten spüren. Gut unterstützt schenkt sie Selbstvertrauen, Großzügigkeit, Würde und Führungskraft; unter Spannung können diese Gaben zu Stolz, Hochmut, Eitelkeit oder Herrschsucht werden. Sie steht auch für den Vater, für Männer in Machtstellungen und für Herz, Wirbelsäule und Augen. In bester Form bringt sie Wärme, Mut und Schöpferkraft in alles, was sie berührt.)",

    // ---- Moon ----
    R"(Der Mond ist der Planet, der am engsten mit unseren Gefühlen für andere Menschen verbunden ist. Er beherrscht Instinkt, Gewohnheit, Erinnerung, Heim und Mutter; sein Haus zeigt, wo Sie Trost, Sicherheit und Fürsorge suchen.)",

    // ---- Mercury ----
    R"(Merkur regelt, wie Sie mit den Menschen um Sie herum kommunizieren.)",

    // ---- Venus ----
    R"(Venus ist der Planet, der zeigt, wie Menschen sich sozial, romantisch und künstlerisch geben.)",

    // ---- Mars ----
    R"(Hier liegen Ihre Durchsetzungskraft und Stärke. Mars schenkt Energie, Mut und Antrieb und zeigt, wo Sie vorangehen, am meisten ringen und zuweilen die Geduld verlieren.)",

    // ---- Jupiter ----
    R"(Wo Jupiter im Haus steht, denken Sie wahrscheinlich optimistisch und sehen die Dinge gerne von ihrer guten Seite.)",

    // ---- Saturn ----
    R"(Hier stoßen Menschen meist auf schwere Hindernisse. Saturn ist der Planet der Einschränkungen und Begrenzungen.)",

    // ---- Uranus ----
    R"(Dieser Planet zeigt, welche Lebensbereiche Freiheit und Abgeschiedenheit brauchen. Hier gibt es zudem viele unerwartete Umbrüche.)",

    // ---- Neptune ----
    R"(Neptun ist sehr mystisch und traumartig; hier offenbart sich die spirituelle und übersinnliche Seite.)",

    // ---- Pluto ----
    R"(Pluto ist ein sehr mächtiger Planet, wobei Machtkämpfe drohen)",
};
// clang-format on

} // namespace orbenza::texts::de
