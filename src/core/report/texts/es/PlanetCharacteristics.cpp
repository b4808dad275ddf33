// The planet characteristics in Spanish.
//
// A translation of the English table in the parent folder, one paragraph per
// planet in the same order. Each paragraph stays on a single line; Pluto's
// text has no closing full stop, as in English.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::es {

// clang-format off
constexpr PlanetCharacteristicsTable kPlanetCharacteristics = {
    // ---- Sun ----
    R"(Puede ser benéfico o maléfico según los planetas que formen configuración con él. El Sol es el rey de los planetas y el centro del horóscopo, la fuente de luz alrededor de la cual gira todo lo demás. Representa el yo consciente, la voluntad y la energía vital que mantiene vivos el cuerpo y el espíritu. Su casa muestra dónde quiere usted brillar, dónde busca reconocimiento y dónde su sentido de propósito es más fuerte. Bien aspectado, da confianza, generosidad, dignidad y capacidad de mando; bajo tensión, esas mismas cualidades pueden volverse orgullo, arrogancia, vanidad o afán de dominar. Se asocia también con el padre, con los hombres que tienen autoridad y con el corazón, la columna y los ojos. En su mejor expresión aporta calidez, valor y poder creativo a todo lo que toca.)",

    // ---- Moon ----
    R"(La Luna es el planeta más unido a nuestros sentimientos y emociones en relación con las demás personas de nuestra vida. Rige el instinto, los hábitos, la memoria, el hogar y la madre, y su casa muestra dónde busca usted consuelo, seguridad y cuidado.)",

    // ---- Mercury ----
    R"(Mercurio rige la manera en que usted se comunica con quienes le rodean.)",

    // ---- Venus ----
    R"(Venus es el planeta que muestra cómo se expresan las personas en lo social, lo amoroso y lo artístico.)",

    // ---- Mars ----
    R"(Aquí residen su firmeza y su poder. Marte da energía, valor e impulso, y muestra dónde actúa usted primero, dónde se esfuerza más y dónde a veces pierde los estribos.)",

    // ---- Jupiter ----
    R"(La casa donde se encuentra Júpiter es aquella en la que usted tiende a pensar con optimismo y de forma positiva.)",

    // ---- Saturn ----
    R"(Aquí es donde las personas suelen encontrar obstáculos pesados. Es el planeta de las restricciones y los límites.)",

    // ---- Uranus ----
    R"(Este planeta muestra qué áreas de nuestra vida necesitan libertad y retiro. También es donde se producen muchos cambios inesperados.)",

    // ---- Neptune ----
    R"(Neptuno es muy místico y onírico; es donde se manifiesta el lado espiritual y psíquico de la persona.)",

    // ---- Pluto ----
    R"(Plutón es un planeta muy poderoso, aunque pueden surgir luchas de poder)",
};
// clang-format on

} // namespace orbenza::texts::es
