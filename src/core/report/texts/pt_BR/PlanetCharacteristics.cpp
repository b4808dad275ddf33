// The planet characteristics in Brazilian Portuguese.
//
// A translation of the English table in the parent folder, one paragraph per
// planet in the same order. Each paragraph stays on a single line; Pluto's
// text has no closing full stop, as in English.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::pt_BR {

// clang-format off
constexpr PlanetCharacteristicsTable kPlanetCharacteristics = {
    // ---- Sun ----
    R"(Ele pode ser benéfico ou maléfico conforme os planetas que formam configuração com ele. O Sol é o rei dos planetas e o centro do horóscopo, a fonte de luz em torno da qual tudo gira. Ele representa o eu consciente, a vontade e a energia vital que mantém vivos o corpo e o espírito. Sua casa mostra onde você quer brilhar, onde busca reconhecimento e onde seu senso de propósito é mais forte. Bem aspectado, dá confiança, generosidade, dignidade e capacidade de liderança; sob tensão, essas mesmas qualidades podem virar orgulho, arrogância, vaidade ou necessidade de dominar. Ele também está ligado ao pai, aos homens com autoridade e ao coração, à coluna e aos olhos. No seu melhor, traz calor, coragem e poder criativo a tudo o que toca.)",

    // ---- Moon ----
    R"(A Lua é o planeta mais ligado aos nossos sentimentos e às emoções que nos unem às outras pessoas de nossa vida. Ela rege o instinto, os hábitos, a memória, o lar e a mãe, e sua casa mostra onde você busca conforto, segurança e cuidado.)",

    // ---- Mercury ----
    R"(Mercúrio rege a maneira como você se comunica com as pessoas ao seu redor.)",

    // ---- Venus ----
    R"(Vênus é o planeta que mostra como as pessoas se expressam social, romântica e artisticamente.)",

    // ---- Mars ----
    R"(É aqui que estão sua assertividade e seu poder. Marte dá energia, coragem e impulso, e mostra onde você age primeiro, se esforça mais e às vezes perde a paciência.)",

    // ---- Jupiter ----
    R"(A casa onde Júpiter está é aquela em que você tende a pensar nas coisas com otimismo e de forma positiva.)",

    // ---- Saturn ----
    R"(É aqui que as pessoas costumam encontrar obstáculos pesados. É o planeta das restrições e das limitações.)",

    // ---- Uranus ----
    R"(Este planeta mostra quais áreas da nossa vida precisam de liberdade e recolhimento. É também onde ocorrem muitas mudanças inesperadas.)",

    // ---- Neptune ----
    R"(Netuno é muito místico e onírico; é onde se manifesta o lado espiritual e psíquico da pessoa.)",

    // ---- Pluto ----
    R"(Plutão é um planeta muito poderoso, mas podem surgir lutas pelo poder)",
};
// clang-format on

} // namespace orbenza::texts::pt_BR
