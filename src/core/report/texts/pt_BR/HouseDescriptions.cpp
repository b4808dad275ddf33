// The house descriptions in Brazilian Portuguese.
//
// A translation of the English table in the parent folder, one paragraph per
// house in the same order. Each paragraph stays on a single line and is 589 to
// 731 characters long, as in English.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::pt_BR {

// clang-format off
constexpr HouseDescriptionTable kHouseDescriptions = {
    // Slot 0 is unused: houses are numbered from 1.
    "",

    // ---- First House ----
    R"(Muito sobre a personalidade de alguém pode ser percebido por esta casa. Ela começa no Ascendente, o grau do zodíaco que subia no horizonte leste no momento do nascimento, e descreve o eu em sua forma mais imediata: o corpo e sua vitalidade, a face que você mostra ao mundo e a primeira impressão que causa nos outros. Ela diz como você enfrenta situações novas, como começa as coisas e como afirma sua própria identidade. Os astrólogos a leem para conhecer o temperamento, a aparência física e a saúde em geral, e o ambiente em que a personalidade se formou. Todo planeta situado aqui colore o caráter inteiro e é facilmente notado pelos outros.)",

    // ---- Second House ----
    R"(Esta casa é tradicionalmente conhecida como a casa dos bens materiais e da riqueza. Ela mostra como você ganha dinheiro, como o gasta e o que considera digno de possuir. Além do dinheiro e dos bens, descreve seu senso de segurança e de valor próprio, os talentos e recursos com que você pode contar e os valores que guiam suas escolhas. Uma segunda casa forte indica renda estável e um talento prático para juntar economias com o tempo, enquanto aflições aqui podem mostrar períodos de aperto financeiro ou o hábito de gastar demais. Ela também rege os bens móveis, os investimentos e as coisas que você coleciona, e mostra quanto prazer você tira do mundo físico.)",

    // ---- Third House ----
    R"(Esta casa corresponde ao seu poder de comunicação. Ela rege a fala, a escrita, o aprendizado e a troca diária de ideias, bem como a maneira como sua mente reúne e organiza as informações. Irmãos, irmãs, primos e vizinhos pertencem a esta casa, assim como as viagens curtas, os deslocamentos locais, as cartas, as mensagens e os primeiros anos de escola. Uma terceira casa bem posicionada dá uma mente rápida e curiosa, facilidade para línguas e um trato fácil com as pessoas próximas. Quando está sob tensão, pode haver mal-entendidos com os irmãos, pensamentos inquietos ou estudos dispersos. Ela mostra como você raciocina, como escuta e como se adapta ao ambiente imediato.)",

    // ---- Fourth House ----
    R"(Na Índia esta casa também é conhecida como «Matristhan», a casa que se refere à mãe. Ela fica no fundo do mapa e descreve suas raízes: o lar, a família, os antepassados e o genitor que mais cuidou de você. Mostra o ambiente do lar em que você cresceu e o tipo de lar que vai formar, junto com terras, casas e outros imóveis. Num nível mais profundo, é o alicerce íntimo da personalidade, a segurança emocional de que você precisa e o lugar a que volta quando o mundo lá fora pesa demais. Os astrólogos também a leem para a fase final da vida e para as condições que cercam você na velhice.)",

    // ---- Fifth House ----
    R"(Esta casa indica o terreno dos casos amorosos, como você vai se relacionar com seu noivo e com os vínculos românticos da sua vida. É a casa do prazer e da autoexpressão: a conquista, o flerte, os hobbies, os jogos, o esporte, a diversão e todo trabalho criativo que vem do coração. Os filhos também são lidos nesta casa, tanto os seus quanto a forma como você se relaciona com os jovens. A especulação, o jogo e o gosto pelo risco pertencem a ela, pois têm o mesmo espírito lúdico. Uma quinta casa forte dá calor, charme e um talento natural para aproveitar a vida, enquanto uma casa aflita pode indicar decepções amorosas ou a tendência a correr riscos desnecessários.)",

    // ---- Sixth House ----
    R"(Esta casa indica as habilidades que possuímos e o tipo de trabalho compatível com elas. Ela rege a rotina diária, o dever e o serviço: o emprego mais do que a carreira, os colegas e funcionários com quem se lida e os hábitos que moldam um dia comum de trabalho. É também a casa da saúde, e mostra como o corpo reage ao estresse, à dieta e ao excesso de trabalho e a quais males a pessoa tende. Animais pequenos e de estimação também são tradicionalmente colocados aqui. Uma sexta casa equilibrada traz diligência, eficiência e vontade de ser útil, enquanto uma casa tensa pode mostrar atritos no trabalho, preocupação ou problemas de saúde causados pela tensão nervosa.)",

    // ---- Seventh House ----
    R"(Costuma-se acreditar que esta casa define nossa vida conjugal, o tipo de pessoa que tendemos a escolher como cônjuge e as tristezas ou alegrias da relação com o marido ou a esposa. Ela fica em frente à primeira casa e descreve o outro em toda parceria próxima, nos negócios tanto quanto no amor. Contratos, acordos e inimigos declarados também são lidos aqui, pois todos envolvem alguém que nos encara de frente. Os planetas nesta casa mostram o que buscamos nos outros e, muitas vezes, o que projetamos neles. Uma sétima casa harmoniosa promete cooperação e um parceiro leal, enquanto uma casa aflita pode trazer brigas, processos ou separação.)",

    // ---- Eighth House ----
    R"(Esta casa corresponde à natureza sexual da pessoa. É a casa da intimidade, dos laços emocionais profundos e de tudo o que duas pessoas compartilham, incluindo finanças conjuntas, heranças, impostos, dívidas e o dinheiro do parceiro. Tradicionalmente é também a casa da morte, embora uma leitura moderna veja nela os fins, as crises e as transformações que permitem recomeçar. Segredos, assuntos ocultos, pesquisa e interesse pelo oculto também pertencem a ela. Uma oitava casa forte dá intensidade, percepção dos motivos alheios e força para se recuperar de perdas, enquanto uma casa difícil pode mostrar ciúme, brigas por bens compartilhados ou medo de perder o controle.)",

    // ---- Ninth House ----
    R"(Esta casa do seu mapa natal define os valores que você segue ao longo da vida, sua compreensão filosófica do mundo e sua orientação religiosa. É a casa da mente superior: a universidade, o direito, a ética, as publicações e toda busca de sentido que vai além da vida diária. Viagens longas, países estrangeiros e pessoas de outras culturas também são lidos aqui. Ela mostra ainda seus professores, mentores e guias espirituais e, na tradição indiana, o pai e a boa sorte. Uma nona casa bem aspectada dá visão ampla, otimismo e amor pelo saber, enquanto uma casa tensa pode tornar a pessoa dogmática, inquieta ou descuidada com as promessas.)",

    // ---- Tenth House ----
    R"(Esta casa fala da sua carreira e da sua orientação quanto ao trabalho e ao emprego. Ela ocupa o alto do mapa, a região do Meio do Céu, e descreve sua vida pública: reputação, posição, conquistas e a maneira como o mundo vê você. Mostra suas ambições, sua relação com a autoridade e com os patrões e o tipo de responsabilidade que você está disposto a assumir. Um dos pais, tradicionalmente o pai, também é lido nesta casa. Os planetas aqui são muito visíveis e tendem a moldar o rumo de uma vida inteira. Uma décima casa forte traz reconhecimento e promoção, enquanto uma casa difícil pode mostrar reveses na carreira ou a perda de uma posição.)",

    // ---- Eleventh House ----
    R"(Esta casa é tradicionalmente conhecida como a casa dos ganhos. Ela mostra os lucros e recompensas que vêm do seu trabalho e dos seus esforços e, num sentido mais amplo, a realização das suas esperanças, desejos e metas de longo prazo. É também a casa dos amigos, dos grupos, clubes, sociedades e associações, das pessoas que partilham seus ideais e ajudam você pelo caminho. As causas humanitárias e seu lugar numa comunidade também são lidos aqui. Uma décima primeira casa bem posicionada traz amigos prestativos, contatos influentes e um fluxo constante de oportunidades, enquanto uma casa tensa pode mostrar falsos amigos, esperanças frustradas ou perdas causadas pelas pessoas em quem você confia.)",

    // ---- Twelfth House ----
    R"(Na astrologia indiana esta casa é conhecida como «Vyaysthana», a casa das despesas. Ela mostra por onde escoam o dinheiro e a energia e, na astrologia ocidental, é a casa dos fins, do isolamento e de tudo o que está oculto. Hospitais, prisões, mosteiros e outros lugares de retiro pertencem a ela, assim como os inimigos ocultos, a autossabotagem e os medos que não admitimos nem para nós mesmos. Mas é também a casa da compaixão, da caridade, dos sonhos, da intuição e do crescimento espiritual, onde se aprende a deixar ir. Uma décima segunda casa forte dá uma rica vida interior e um dom para servir discretamente, enquanto uma casa difícil pode trazer isolamento, confusão ou perdas difíceis de explicar.)",
};
// clang-format on

} // namespace orbenza::texts::pt_BR
