// The aspect texts in Brazilian Portuguese.
//
// A translation of the English table in the parent folder, with the same keys
// in the same order. Each paragraph stays on a single line, has as many
// sentences as its English original (two to four) and differs from every
// other one.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::pt_BR {
namespace {

using enum Body;
using enum AspectFamily;

// clang-format off
constexpr AspectTextEntry kEntries[] = {

    // ======================== Sun ========================

    // ---- Sun and Moon ----
    {Sun, Moon, Conjunction, R"(Nascidas perto da Lua Nova, essas pessoas têm um propósito único: o que querem e o que precisam puxam na mesma direção. Perseguem seus objetivos com energia total e raramente são perturbadas pela dúvida interior. Essa mesma unidade pode dificultar que se vejam de fora ou que entendam pessoas feitas de outro jeito.)"},
    {Sun, Moon, Harmonious, R"(Sua vontade e seus sentimentos trabalham juntos, o que lhe dá um equilíbrio interior tranquilo e uma autoconfiança serena. Você se dá bem com os outros, e sua vida doméstica tende a apoiar suas ambições em vez de atrapalhá-las. A saúde e a vitalidade costumam ser boas, e você se recupera rápido dos contratempos.)"},
    {Sun, Moon, Challenging, R"(Essas pessoas sentem muitas vezes que a cabeça e o coração querem coisas diferentes, e podem oscilar entre um e outro. A tensão pode vir de diferenças entre os pais sentidas cedo na vida. Quando aprendem a ouvir os dois lados da sua natureza, essa inquietação vira impulso e uma compreensão profunda do conflito humano.)"},

    // ---- Sun and Mercury ----
    {Sun, Mercury, Conjunction, R"(A mente e o senso de identidade estão muito ligados, de modo que essas pessoas se identificam fortemente com suas próprias ideias e opiniões. Pensam e falam com convicção e muitas vezes têm o dom de se fazer entender. Quando a conjunção é muito exata, pode ser difícil ouvir críticas às suas opiniões sem levá-las para o lado pessoal.)"},
    {Sun, Mercury, Harmonious, R"(Você se expressa com clareza, e seu pensamento serve bem aos seus propósitos. Aprender é fácil para você, e você sabe explicar o que quer de um jeito que os outros aceitam. Sua mente continua viva e prática a vida inteira.)"},
    {Sun, Mercury, Challenging, R"(Essas pessoas podem sentir que suas palavras nunca dizem exatamente o que querem dizer, ou que seus planos e seu verdadeiro propósito apontam para direções diferentes. Tendem a defender sua posição com força demais e podem ficar nervosas sob pressão. Com prática, o atrito afia o intelecto e lhes dá talento para o debate.)"},

    // ---- Sun and Venus ----
    {Sun, Venus, Conjunction, R"(Pessoas com esta conjunção têm charme, calor humano e um amor pela beleza que aparece na sua aparência e no seu ambiente. São afetuosas e querem ser queridas, e geralmente são. Muitas têm talento artístico, embora possam gostar demais do conforto e fugir de escolhas difíceis.)"},
    {Sun, Venus, Harmonious, R"(Você tem um temperamento simpático e agradável e o dom de deixar os outros à vontade. O amor, a amizade e as artes lhe trazem muita felicidade, e a ajuda muitas vezes chega por meio dos seus contatos sociais. Você tem bom gosto e sabe aproveitar a vida.)"},
    {Sun, Venus, Challenging, R"(Essas pessoas querem amor e admiração, mas podem sentir que o afeto não chega a elas da forma que esperam. Podem gastar demais com prazeres ou se esforçar demais para agradar. Quando aprendem a se valorizar sem esperar a aprovação dos outros, o verdadeiro encanto deste aspecto aparece.)"},

    // ---- Sun and Mars ----
    {Sun, Mars, Conjunction, R"(Essas pessoas são cheias de energia, coragem e força de vontade, e vão atrás do que querem sem hesitar. São competidoras natas que adoram um desafio e muitas vezes se destacam no esporte ou em trabalhos que exigem esforço físico. Têm pavio curto e precisam aprender que nem toda situação pede briga.)"},
    {Sun, Mars, Harmonious, R"(Você tem muita vitalidade e a coragem de agir segundo suas convicções. Trabalha duro, se recupera rápido e gosta de tomar a frente, e os outros respeitam sua franqueza. Como sua energia vai para onde você a dirige, seus esforços costumam dar resultado.)"},
    {Sun, Mars, Challenging, R"(Pessoas com este aspecto têm um forte impulso, mas podem desperdiçá-lo em brigas, impaciência ou atitudes precipitadas. Podem ser combativas e tendem a provocar oposição, sobretudo de quem tem autoridade. Quando aprendem a dosar as forças, têm uma resistência enorme e podem conquistar muito pela pura determinação.)"},

    // ---- Sun and Jupiter ----
    {Sun, Jupiter, Conjunction, R"(Esta é uma conjunção afortunada, que dá generosidade, otimismo e uma visão ampla da vida. Essas pessoas são confiantes e calorosas, e atraem facilmente ajuda e oportunidades. Seu principal perigo é o excesso: confiança demais, gastos demais e promessas maiores do que podem cumprir.)"},
    {Sun, Jupiter, Harmonious, R"(Você tem uma natureza alegre e esperançosa e um forte senso de justiça e de jogo limpo. A boa sorte muitas vezes chega na hora certa, e você tende a ser respeitado e querido. Os estudos, as viagens e a busca de sentido ampliam sua vida e lhe trazem sucesso.)"},
    {Sun, Jupiter, Challenging, R"(Essas pessoas são generosas e ambiciosas, mas tendem a exagerar, esperando demais da vida ou de si mesmas. Podem ser extravagantes, presunçosas ou descuidadas com os detalhes. Quando mantêm objetivos realistas, seu entusiasmo e sua fé as levam longe.)"},

    // ---- Sun and Saturn ----
    {Sun, Saturn, Conjunction, R"(Essas pessoas são sérias, responsáveis e disciplinadas, e muitas vezes carregam deveres pesados desde cedo. Podem ter sentido falta de carinho ou de reconhecimento, sobretudo por parte do pai, e podem ser muito duras consigo mesmas. O sucesso vem devagar, mas dura, porque constroem em terreno firme.)"},
    {Sun, Saturn, Harmonious, R"(Você é paciente, prático e confiável, e sabe trabalhar com constância rumo a metas de longo prazo. Os outros lhe confiam responsabilidades, e sua carreira tende a subir aos poucos até uma posição respeitada. Você envelhece bem e muitas vezes ganha confiança com os anos.)"},
    {Sun, Saturn, Challenging, R"(Pessoas com este aspecto encontram obstáculos, atrasos e dúvidas sobre si mesmas, e podem sentir que a vida exige delas mais do que dos outros. Pais, patrões e autoridades podem parecer bloquear seu caminho, e o medo do fracasso pode segurá-las. Com persistência adquirem uma disciplina e uma força que vidas mais fáceis nunca desenvolvem.)"},

    // ---- Sun and Uranus ----
    {Sun, Uranus, Conjunction, R"(Essas pessoas são originais, independentes e muitas vezes à frente do seu tempo. Precisam de liberdade para viver do seu jeito e reagem com força a qualquer tentativa de limitá-las. Sua vida é marcada por mudanças súbitas, e muitas têm talento para a ciência, a invenção ou tudo o que é novo.)"},
    {Sun, Uranus, Harmonious, R"(Você tem uma mente inventiva e a coragem de seguir seu próprio caminho. Ideias novas lhe vêm com facilidade, e você consegue promover mudanças sem causar abalos desnecessários. Amigos, grupos e pessoas afins têm um papel importante no seu sucesso.)"},
    {Sun, Uranus, Challenging, R"(Essas pessoas são inquietas e rebeldes, e podem largar de repente um emprego, uma casa ou um relacionamento quando se sentem presas. Sua vida pode ser cheia de reviravoltas e choques com a autoridade. Seu dom é a originalidade, e quando aprendem a trabalhar com os outros, e não contra eles, podem ser verdadeiros reformadores.)"},

    // ---- Sun and Neptune ----
    {Sun, Neptune, Conjunction, R"(Pessoas com esta conjunção são sensíveis, imaginativas e idealistas, com grande afinidade pela música, pela arte ou pelo lado espiritual da vida. Sua noção de quem são pode ser vaga, e podem ter dificuldade em se defender. Devem se proteger do autoengano e de pessoas que queiram se aproveitar da sua bondade.)"},
    {Sun, Neptune, Harmonious, R"(Você tem uma imaginação rica e uma natureza compassiva, e reage profundamente à arte, à música e à beleza. Sua intuição é boa, e você pode inspirar os outros com seus ideais. Trabalhos criativos, de cura e beneficentes combinam bem com você.)"},
    {Sun, Neptune, Challenging, R"(Essas pessoas podem não ter clareza sobre seus próprios objetivos e se deixam desviar facilmente por ilusões, bajulação ou desejo de fuga. Podem idealizar os outros e depois se sentir enganadas quando a verdade aparece. Devem manter os pés no chão em questões de dinheiro e saúde, e ter cuidado com álcool e drogas.)"},

    // ---- Sun and Pluto ----
    {Sun, Pluto, Conjunction, R"(Essas pessoas têm uma força de vontade tremenda, intensidade e a necessidade de ser donas do próprio destino. Passam por transformações profundas na vida, muitas vezes depois de uma crise, e saem de cada uma mais fortes. Podem ser líderes formidáveis, mas devem usar seu poder com sabedoria e não tentar dominar os outros.)"},
    {Sun, Pluto, Harmonious, R"(Você tem grande força interior e a capacidade de se renovar depois das dificuldades. Consegue trabalhar com concentração intensa e não se deixa desviar facilmente depois de tomar uma decisão. Posições de influência chegam a você com naturalidade, e você pode usá-las para promover mudanças reais.)"},
    {Sun, Pluto, Challenging, R"(Pessoas com este aspecto são arrastadas para lutas de poder, sobretudo com a autoridade, e podem ser movidas por uma necessidade feroz de prevalecer. Sua vida traz reviravoltas que as obrigam a soltar e recomeçar. Quando voltam essa intensidade para dominar a si mesmas, e não aos outros, tornam-se extraordinariamente resilientes.)"},

    // ---- Sun and Ascendant ----
    {Sun, Ascendant, Conjunction, R"(O Sol no Ascendente dá uma personalidade calorosa e imponente e um ar natural de autoridade. Essas pessoas são confiantes, orgulhosas e facilmente notadas, e gostam de ser vistas como são. A saúde e a vitalidade costumam ser boas, embora possam ser um tanto egocêntricas.)"},
    {Sun, Ascendant, Harmonious, R"(Você se apresenta com calor e confiança, e os outros logo percebem suas boas qualidades. Seu propósito de vida combina com a maneira como você encara o mundo, o que torna fácil entender você e confiar em você. Sua personalidade brilha em tudo o que faz.)"},
    {Sun, Ascendant, Challenging, R"(Essas pessoas podem sentir que a imagem que mostram ao mundo não combina com quem realmente são, ou podem buscar a própria luz num parceiro. Os relacionamentos podem trazer choques de vontade, sobretudo com pessoas tão fortes quanto elas. Encontrar um jeito de expressar abertamente seu verdadeiro eu lhes traz tranquilidade e reconhecimento.)"},

    // ---- Sun and Midheaven ----
    {Sun, Midheaven, Conjunction, R"(O Sol no alto do mapa indica ambição, um papel público e o desejo de ser reconhecido pelo que se conquista. Essas pessoas se sentem atraídas por posições de liderança e muitas vezes têm sucesso na carreira. Podem se identificar tanto com o trabalho que a vida privada fica em segundo plano.)"},
    {Sun, Midheaven, Harmonious, R"(Sua carreira e seu senso de propósito se apoiam, então é provável que você encontre um trabalho que combine com você. Os superiores o respeitam, e o reconhecimento chega sem que você precise forçá-lo. Sua reputação tende a crescer de forma constante ao longo da vida.)"},
    {Sun, Midheaven, Challenging, R"(Essas pessoas podem se sentir divididas entre seus objetivos pessoais e as exigências da carreira, do lar ou da família. Podem encontrar oposição dos superiores ou lutar pelo reconhecimento que acham merecer. Quando sabem com clareza o que querem, seu impulso as leva a uma posição de respeito.)"},

    // ======================== Moon ========================

    // ---- Moon and Mercury ----
    {Moon, Mercury, Conjunction, R"(Essas pessoas pensam com os sentimentos e se lembram de tudo o que as tocou emocionalmente. São rápidas, falantes e receptivas, com boa memória e jeito para perceber o que os outros querem ouvir. Suas opiniões podem mudar com o humor.)"},
    {Moon, Mercury, Harmonious, R"(Você põe seus sentimentos em palavras com facilidade, e seu bom senso é sólido. É um ouvinte compreensivo e um comunicador nato, e aprende bem com a experiência. Escrita, ensino ou trabalho com o público combinam com você.)"},
    {Moon, Mercury, Challenging, R"(Pessoas com este aspecto podem perceber que razão e sentimento discordam, o que as torna instáveis, nervosas ou propensas à preocupação. Quando ansiosas, falam demais ou dizem coisas de que depois se arrependem. Aprender a fazer uma pausa antes de falar transforma sua mente rápida e sensível num verdadeiro trunfo.)"},

    // ---- Moon and Venus ----
    {Moon, Venus, Conjunction, R"(Esta conjunção dá uma natureza gentil, afetuosa e sociável e o gosto pelo conforto e pela beleza. Essas pessoas são bondosas e queridas, e criam um lar agradável e acolhedor. Podem fazer de tudo para evitar situações desagradáveis e tendem a se mimar, sobretudo com comida e doces.)"},
    {Moon, Venus, Harmonious, R"(Você tem um coração caloroso e um charme natural, e as pessoas se sentem à vontade na sua companhia. Sua vida doméstica e seus relacionamentos tendem a ser harmoniosos, e as mulheres muitas vezes ajudam você. Você tem gosto artístico e aprecia ambientes bonitos.)"},
    {Moon, Venus, Challenging, R"(Essas pessoas anseiam por afeto, mas podem sentir que o amor não é retribuído tão plenamente quanto o dão. Podem ser indulgentes consigo mesmas, gastando demais com conforto ou buscando consolo nos prazeres. O equilíbrio vem quando aprendem a dar a si mesmas o cuidado que dão tão facilmente aos outros.)"},

    // ---- Moon and Mars ----
    {Moon, Mars, Conjunction, R"(Essas pessoas têm emoções fortes e rápidas e reagem na hora a tudo o que as toca. São corajosas e protetoras com quem amam, mas perdem a paciência com facilidade. Bem canalizada, sua energia as torna trabalhadoras incansáveis pelas pessoas e causas que lhes importam.)"},
    {Moon, Mars, Harmonious, R"(Você tem coragem emocional e energia para agir de acordo com o que sente. É franco e entusiasmado, rápido em defender os outros e em se recuperar das decepções. Sua determinação ajuda você a fazer as coisas acontecerem, em casa e no trabalho.)"},
    {Moon, Mars, Challenging, R"(Pessoas com este aspecto são impulsivas e se irritam facilmente, e seu humor pode explodir em brigas, muitas vezes em casa. Tendem a agir primeiro e se arrepender depois. Atividade física e uma conversa franca sobre o que sentem as ajudam a liberar a tensão antes que ela exploda.)"},

    // ---- Moon and Jupiter ----
    {Moon, Jupiter, Conjunction, R"(Essas pessoas são generosas, bondosas e otimistas, e seu bom humor as torna populares. Muitas vezes desfrutam de um lar confortável e da proteção da família. Devem vigiar a tendência a comer demais ou a ser condescendentes demais consigo mesmas.)"},
    {Moon, Jupiter, Harmonious, R"(Você tem uma natureza benevolente e compreensiva e uma fé na vida que o sustenta nos tempos difíceis. Os outros são atraídos pelo seu calor humano e muitas vezes ajudam você em troca. Lar, família e viagens lhe trazem muita felicidade.)"},
    {Moon, Jupiter, Challenging, R"(Essas pessoas são calorosas e generosas, mas tendem ao excesso, seja nos sentimentos, na comida ou nos gastos. Podem prometer mais do que conseguem dar ou esperar demais dos outros. Aprender a moderação transforma seu grande coração numa verdadeira fonte de boa sorte.)"},

    // ---- Moon and Saturn ----
    {Moon, Saturn, Conjunction, R"(Essas pessoas mantêm os sentimentos sob controle firme e podem ter dificuldade em demonstrar ou aceitar afeto. O início da vida pode ter sido marcado por responsabilidade, solidão ou uma mãe distante ou sobrecarregada. São leais, confiáveis e pacientes, e o carinho que aprendem a mostrar mais tarde é profundo e duradouro.)"},
    {Moon, Saturn, Harmonious, R"(Você é emocionalmente estável, sensato e confiável, e leva a sério seus deveres com a família. Lida com questões práticas com calma e mantém a cabeça fria numa crise. Sua lealdade faz de você um amigo e parceiro de confiança.)"},
    {Moon, Saturn, Challenging, R"(Pessoas com este aspecto podem sofrer de solidão, pessimismo ou da sensação de não serem amadas o bastante. Podem ficar na defensiva e demorar a confiar, e os fardos da família podem pesar sobre elas por anos. Com o tempo aprendem a cuidar de si mesmas e alcançam grande maturidade emocional.)"},

    // ---- Moon and Uranus ----
    {Moon, Uranus, Conjunction, R"(Essas pessoas têm uma natureza emocional incomum e independente e precisam de muita liberdade. Seu humor muda de repente, e elas se sentem atraídas pelo novo e pelo não convencional. A vida doméstica pode ser irregular, com mudanças frequentes ou acontecimentos inesperados.)"},
    {Moon, Uranus, Harmonious, R"(Você é intuitivo, inventivo e de mente aberta, e reage rapidamente a situações novas. Faz amigos com facilidade e gosta de variedade no dia a dia. Seu modo original de sentir ajuda os outros a ver coisas conhecidas com outros olhos.)"},
    {Moon, Uranus, Challenging, R"(Pessoas com este aspecto são inquietas e emocionalmente imprevisíveis, e podem abandonar relacionamentos ou lares sem aviso. Desejam emoção, mas acham difícil a intimidade. Aprender a conciliar liberdade e compromisso lhes traz a estabilidade que secretamente desejam.)"},

    // ---- Moon and Neptune ----
    {Moon, Neptune, Conjunction, R"(Essas pessoas são extremamente sensíveis, receptivas e imaginativas, e captam os sentimentos dos outros quase sem esforço. São compassivas, artísticas e muitas vezes têm dons psíquicos. Precisam de proteção contra ambientes hostis e devem tomar cuidado para não se perder em sonhos ou nos problemas alheios.)"},
    {Moon, Neptune, Harmonious, R"(Você tem uma natureza gentil e compreensiva e uma forte intuição. A música, a poesia e as artes o tocam profundamente, e você pode ter verdadeiros dons criativos. Você é um ajudante nato e consola os outros com facilidade.)"},
    {Moon, Neptune, Challenging, R"(Pessoas com este aspecto podem ficar emocionalmente confusas, ser facilmente enganadas ou tender a fugir da realidade quando a vida fica difícil. Sua compaixão fácil pode torná-las vítimas de quem se aproveita. Devem evitar álcool e drogas e manter limites claros nos relacionamentos.)"},

    // ---- Moon and Pluto ----
    {Moon, Pluto, Conjunction, R"(Essas pessoas sentem tudo com intensidade e têm emoções profundas, às vezes compulsivas. Protegem ferozmente quem amam e podem ser possessivas ou ciumentas. Muitas vezes passam por crises emocionais que as transformam por completo e as deixam mais sábias.)"},
    {Moon, Pluto, Harmonious, R"(Você tem profundidade emocional, perspicácia e força para encarar sentimentos difíceis. Entende os motivos ocultos das pessoas e pode ajudar os outros a atravessar uma crise. Sua capacidade de se renovar emocionalmente é notável.)"},
    {Moon, Pluto, Challenging, R"(Pessoas com este aspecto podem ser emocionalmente extremas e lutar contra o ciúme, o ressentimento ou a necessidade de controlar as pessoas próximas. O vínculo com a mãe, ou o clima da família, pode ter sido difícil. Encarar os sentimentos com honestidade transforma essa intensidade em grande força psicológica.)"},

    // ---- Moon and Ascendant ----
    {Moon, Ascendant, Conjunction, R"(A Lua no Ascendente dá uma personalidade sensível e mutável, cujo humor fica visível para todos. Essas pessoas são maternais e acessíveis, e estranhos se abrem com elas com facilidade. Reagem fortemente ao ambiente e precisam de um lar tranquilo para se sentir bem.)"},
    {Moon, Ascendant, Harmonious, R"(Você mostra seus sentimentos com naturalidade, e as pessoas o acham acessível e compreensivo. Adapta-se facilmente ao ambiente e tem bom instinto para o que os outros precisam. Lar e família são parte importante da maneira como você se apresenta.)"},
    {Moon, Ascendant, Challenging, R"(Essas pessoas podem sentir que suas necessidades interiores se chocam com o comportamento que se espera delas, ou podem buscar num parceiro a segurança que não conseguem dar a si mesmas. Seu humor colore fortemente os relacionamentos. Faz bem a elas aprender a atender primeiro às próprias necessidades emocionais.)"},

    // ---- Moon and Midheaven ----
    {Moon, Midheaven, Conjunction, R"(A Lua perto do Meio do Céu traz envolvimento emocional com a carreira e uma vida vivida aos olhos do público. Essas pessoas podem trabalhar com o público, com mulheres, com alimentação, imóveis ou em profissões de cuidado. Sua posição pode subir e descer, e podem mudar de carreira várias vezes.)"},
    {Moon, Midheaven, Harmonious, R"(Sua vida doméstica e sua carreira se apoiam, e você pode ter sucesso num trabalho que sirva ou cuide das pessoas. O público reage a você com carinho. Sua mãe ou sua família muitas vezes ajudam você no início da carreira.)"},
    {Moon, Midheaven, Challenging, R"(Essas pessoas podem se sentir puxadas entre as exigências do lar e as da carreira. Suas emoções íntimas podem afetar sua reputação, e podem mudar de rumo com frequência. Quando encontram um trabalho que atende às suas necessidades emocionais, sossegam e têm sucesso.)"},

    // ======================== Mercury ========================

    // ---- Mercury and Venus ----
    {Mercury, Venus, Conjunction, R"(Essas pessoas falam com graça e pensam com gosto e tato. Muitas vezes têm talento para a escrita, a poesia, a música ou o design, e são uma companhia agradável. Preferem a diplomacia ao confronto e podem evitar dizer verdades desagradáveis.)"},
    {Mercury, Venus, Harmonious, R"(Você se expressa com charme e tem o dom de encontrar a palavra certa na hora certa. Sua vida social é animada, e você pode ganhar dinheiro com a escrita, a arte ou qualquer trabalho com palavras. É um pacificador nato entre amigos e colegas.)"},
    {Mercury, Venus, Challenging, R"(Pessoas com este aspecto podem dizer o que os outros querem ouvir em vez do que realmente pensam, ou deixar que o afeto turve seu julgamento. Podem parecer superficiais ou indecisas. A expressão honesta dá verdadeira substância ao seu charme natural.)"},

    // ---- Mercury and Mars ----
    {Mercury, Mars, Conjunction, R"(Essas pessoas têm uma mente afiada, rápida e combativa, e adoram uma boa discussão. Falam com franqueza, decidem rápido e defendem suas ideias com vigor. Suas palavras podem ferir, e críticas descuidadas podem lhes criar inimigos.)"},
    {Mercury, Mars, Harmonious, R"(Você pensa rápido e põe suas ideias em prática com energia. É decidido, prático e persuasivo, e se sai bem em debates, em trabalhos técnicos ou onde quer que seja preciso pensar rápido. Sua resistência mental é considerável.)"},
    {Mercury, Mars, Challenging, R"(Pessoas com este aspecto são esquentadas no falar e podem discutir só por discutir. Tendem a ser impacientes e apressadas no julgamento e podem sofrer de tensão nervosa. Quando aprendem a moderar as palavras, tornam-se oradores e escritores vigorosos.)"},

    // ---- Mercury and Jupiter ----
    {Mercury, Jupiter, Conjunction, R"(Essas pessoas têm uma mente ampla e otimista e amam o saber, as viagens e as grandes ideias. Muitas vezes são bons professores, escritores ou oradores. Sua fraqueza é a tendência a deixar passar os detalhes ou a prometer demais.)"},
    {Mercury, Jupiter, Harmonious, R"(Você tem bom discernimento, uma mente generosa e talento para enxergar o quadro geral. Estudos, publicações, direito e viagens podem lhe trazer sucesso. As pessoas confiam nas suas opiniões e procuram você para pedir conselhos.)"},
    {Mercury, Jupiter, Challenging, R"(Essas pessoas têm muitas ideias, mas podem exagerar, dispersar as energias ou negligenciar os detalhes. Seu julgamento pode ser descuidado, e podem falar mais do que fazem. A disciplina nos estudos transforma sua mente ampla em verdadeira sabedoria.)"},

    // ---- Mercury and Saturn ----
    {Mercury, Saturn, Conjunction, R"(Essas pessoas pensam com seriedade e cuidado, com boa concentração e uma mente prática e metódica. Podem demorar a falar e ser tímidas na juventude, mas o que dizem é bem pensado. Podem tender a se preocupar ou a ver o lado sombrio das coisas.)"},
    {Mercury, Saturn, Harmonious, R"(Você tem uma mente disciplinada e organizada e paciência para trabalhos cuidadosos e exatos. Planeja bem, lembra o que aprende e fala com autoridade. Ciência, matemática, contabilidade e administração combinam com você.)"},
    {Mercury, Saturn, Challenging, R"(Pessoas com este aspecto podem ter tido dificuldades na escola ou sentido que suas ideias não eram levadas a sério. Podem ser pessimistas, rígidas ou ansiosas no modo de pensar. Com persistência desenvolvem grande disciplina e profundidade mental.)"},

    // ---- Mercury and Uranus ----
    {Mercury, Uranus, Conjunction, R"(Essas pessoas têm uma mente brilhante, original e muito rápida. Captam as ideias intuitivamente, adoram tecnologia nova e pensam de forma pouco convencional. Podem ser muito tensas e impacientes com mentes mais lentas.)"},
    {Mercury, Uranus, Harmonious, R"(Você tem uma mente inventiva e lampejos de percepção que os outros acham inspiradores. Sente-se atraído pela ciência, pela informática, pela astrologia ou por reformas, e aprende muito depressa. Seu pensamento é independente e muitas vezes está à frente do seu tempo.)"},
    {Mercury, Uranus, Challenging, R"(Pessoas com este aspecto pensam muito rápido, mas podem ser erráticas, sem tato ou do contra só por ser. Podem pular de uma ideia para outra sem terminar nada e sofrer de tensão nervosa. Bem canalizada, sua originalidade pode levar a verdadeiras descobertas.)"},

    // ---- Mercury and Neptune ----
    {Mercury, Neptune, Conjunction, R"(Essas pessoas têm uma mente poética, imaginativa e intuitiva. Pensam em imagens e podem ter dons para a música, a poesia ou as artes visuais. Podem ser vagas e esquecidas, e às vezes têm dificuldade em separar fato de fantasia.)"},
    {Mercury, Neptune, Harmonious, R"(Você tem uma imaginação refinada e talento para expressar sentimentos sutis em palavras ou imagens. Sua intuição é forte, e você pode se sentir atraído por estudos místicos ou espirituais. Escrita, arte, fotografia e cinema combinam com você.)"},
    {Mercury, Neptune, Challenging, R"(Pessoas com este aspecto podem ser confusas, distraídas ou facilmente enganadas, e devem tomar cuidado com contratos e documentos. Podem contar histórias que embaçam a verdade, às vezes sem perceber. A disciplina no pensamento as ajuda a transformar a imaginação em dons criativos.)"},

    // ---- Mercury and Pluto ----
    {Mercury, Pluto, Conjunction, R"(Essas pessoas têm uma mente penetrante e investigativa, que vai ao fundo das coisas. São boas em pesquisa, análise e na descoberta de segredos, e suas palavras têm peso. Podem ser reservadas e teimosas nas suas opiniões.)"},
    {Mercury, Pluto, Harmonious, R"(Você tem profundidade mental, percepção aguçada e capacidade de concentração intensa. Pesquisa, psicologia e investigação combinam com você, e suas palavras podem persuadir e transformar os outros. Não é fácil enganar você.)"},
    {Mercury, Pluto, Challenging, R"(Pessoas com este aspecto podem ser obsessivas no pensamento, desconfiadas ou autoritárias na discussão. Podem tentar impor suas opiniões aos outros ou guardar segredos que pesam sobre elas. Quando usam sua perspicácia com honestidade, tornam-se pesquisadores e conselheiros notáveis.)"},

    // ---- Mercury and Ascendant ----
    {Mercury, Ascendant, Conjunction, R"(Mercúrio no Ascendente dá uma personalidade rápida, curiosa e falante. Essas pessoas parecem alertas e joviais e gostam de trocar ideias com todos que encontram. Suas mãos e seus olhos raramente ficam quietos, e o tédio é o que mais temem.)"},
    {Mercury, Ascendant, Harmonious, R"(Você se expressa bem, e os outros o veem como inteligente e fácil de conversar. Causa uma boa primeira impressão com suas palavras e se adapta rápido a gente nova. Sua mente é sua melhor ferramenta para lidar com o mundo.)"},
    {Mercury, Ascendant, Challenging, R"(Essas pessoas podem perceber que seu jeito de falar é mal compreendido, ou podem ter muitas discussões com parceiros e sócios. Tendem a pensar demais na impressão que causam. Uma comunicação clara e honesta suaviza seus relacionamentos.)"},

    // ---- Mercury and Midheaven ----
    {Mercury, Midheaven, Conjunction, R"(Mercúrio no alto do mapa indica uma carreira em comunicação, escrita, ensino, comércio ou viagens. Essas pessoas ficam conhecidas pela inteligência e pelas palavras. Podem mudar de emprego com frequência ou fazer várias coisas ao mesmo tempo.)"},
    {Mercury, Midheaven, Harmonious, R"(Seus dons intelectuais ajudam sua carreira, e você pode conquistar boa reputação falando, escrevendo ou nos negócios. Você planeja sua vida profissional com sensatez. Contatos e informações lhe trazem oportunidades.)"},
    {Mercury, Midheaven, Challenging, R"(Essas pessoas podem ficar inquietas na carreira ou perceber que suas ideias se chocam com as dos superiores. Preocupações com a reputação, ou com assuntos de família, podem distraí-las. Um planejamento cuidadoso as ajuda a encontrar uma carreira que use plenamente sua inteligência.)"},

    // ======================== Venus ========================

    // ---- Venus and Mars ----
    {Venus, Mars, Conjunction, R"(Essas pessoas têm paixões fortes e uma natureza calorosa, afetuosa e sensual. Nelas o amor e o desejo estão muito ligados, e muitas vezes são bastante atraentes para os outros. Podem se precipitar nos relacionamentos e agir por impulso no amor.)"},
    {Venus, Mars, Harmonious, R"(Você tem uma natureza calorosa e apaixonada e um bom equilíbrio entre dar e receber no amor. Sua energia criativa e artística é forte. Você é atraente para os outros e costuma ser feliz nos relacionamentos.)"},
    {Venus, Mars, Challenging, R"(Pessoas com este aspecto sentem uma forte tensão entre amor e desejo, e seus relacionamentos podem ser tempestuosos ou cheios de brigas. Podem ser impulsivas ou ciumentas no amor. Aprender a unir ternura e paixão lhes traz realização.)"},

    // ---- Venus and Jupiter ----
    {Venus, Jupiter, Conjunction, R"(Esta é uma das conjunções mais afortunadas, e dá generosidade, charme, bom gosto e amor pelo prazer. Essas pessoas são populares e muitas vezes têm sorte no amor e no dinheiro. Podem ser extravagantes e indulgentes consigo mesmas.)"},
    {Venus, Jupiter, Harmonious, R"(Você tem uma natureza bondosa e generosa e atrai boa vontade aonde quer que vá. O amor, o casamento e a amizade costumam ser felizes, e o dinheiro tende a vir com facilidade. A arte, a música e a vida social lhe trazem alegria.)"},
    {Venus, Jupiter, Challenging, R"(Essas pessoas têm bom coração, mas tendem ao excesso nos prazeres, nos gastos ou no afeto. Podem ser preguiçosas ou esperar que os outros as sustentem. A moderação transforma sua boa sorte natural em benefício duradouro.)"},

    // ---- Venus and Saturn ----
    {Venus, Saturn, Conjunction, R"(Essas pessoas são sérias e leais no amor, mas podem ser tímidas, reservadas ou lentas em demonstrar afeto. Muitas vezes se casam tarde ou escolhem um parceiro mais velho, e seus relacionamentos são feitos para durar. Valorizam a qualidade, a durabilidade e a beleza clássica.)"},
    {Venus, Saturn, Harmonious, R"(Você é fiel e responsável nos relacionamentos e leva a sério seus compromissos. Seu senso artístico tem disciplina e forma. Seu amor se aprofunda com os anos, e você lida com o dinheiro com sabedoria.)"},
    {Venus, Saturn, Challenging, R"(Pessoas com este aspecto podem se sentir pouco amadas, rejeitadas ou travadas nos relacionamentos, e o amor pode chegar com decepção ou atraso. Podem ser cautelosas demais para abrir o coração. Paciência e respeito próprio acabam lhes trazendo uma parceria duradoura.)"},

    // ---- Venus and Uranus ----
    {Venus, Uranus, Conjunction, R"(Essas pessoas se sentem atraídas por relacionamentos incomuns e empolgantes e precisam de liberdade no amor. Apaixonam-se de repente e podem terminar um caso com a mesma rapidez. Seu gosto artístico é original e muitas vezes está à frente da moda.)"},
    {Venus, Uranus, Harmonious, R"(Você tem uma personalidade magnética e atrai pessoas interessantes. Sua vida amorosa é animada e pouco convencional sem ser instável, e suas amizades são estimulantes. Você tem ideias criativas originais.)"},
    {Venus, Uranus, Challenging, R"(Pessoas com este aspecto podem viver atrações súbitas, separações súbitas e relacionamentos que nunca se acomodam de verdade. Querem ao mesmo tempo proximidade e independência e têm dificuldade em conciliá-las. Dar liberdade ao parceiro sem deixar de ser leal lhes traz felicidade.)"},

    // ---- Venus and Neptune ----
    {Venus, Neptune, Conjunction, R"(Essas pessoas são românticas, idealistas e têm dons artísticos, sobretudo para a música, a dança ou a poesia. Sonham com um amor perfeito e podem se sacrificar por ele. Podem se decepcionar quando o parceiro não corresponde ao ideal.)"},
    {Venus, Neptune, Harmonious, R"(Você tem uma natureza refinada e sensível e um forte senso de beleza e harmonia. O amor tem para você uma qualidade espiritual, e sua compaixão vai muito além do seu próprio círculo. Seu talento artístico costuma ser considerável.)"},
    {Venus, Neptune, Challenging, R"(Pessoas com este aspecto são propensas a ilusões no amor e podem se enganar, ou ser enganadas, a respeito de um parceiro. Podem se deixar levar para relacionamentos secretos ou se sacrificar demais por alguém que não merece. Um julgamento claro as ajuda a encontrar um amor verdadeiro.)"},

    // ---- Venus and Pluto ----
    {Venus, Pluto, Conjunction, R"(Essas pessoas amam com intensidade e paixão, e seus relacionamentos as transformam. São magnéticas e atraentes, mas podem ser ciumentas e possessivas. Sua vida amorosa e suas finanças podem passar por mudanças drásticas.)"},
    {Venus, Pluto, Harmonious, R"(Você tem sentimentos profundos e intensos e uma poderosa capacidade de amar. Seus relacionamentos ajudam você a crescer, e você consegue se recuperar por completo de uma desilusão. Pode ter talento para ganhar dinheiro com investimentos ou recursos compartilhados.)"},
    {Venus, Pluto, Challenging, R"(Pessoas com este aspecto podem encontrar ciúme, obsessão ou lutas de poder no amor. Os relacionamentos podem terminar de forma dramática e deixar marcas profundas. Quando aprendem a amar sem precisar controlar, ganham grande profundidade emocional.)"},

    // ---- Venus and Ascendant ----
    {Venus, Ascendant, Conjunction, R"(Vênus no Ascendente dá charme, graça e boa aparência. Essas pessoas são agradáveis, sociáveis e queridas, e se vestem com bom gosto. Podem ser vaidosas, ou tão ansiosas por agradar que têm dificuldade em dizer não.)"},
    {Venus, Ascendant, Harmonious, R"(Você é charmoso, diplomático e agradável de conviver, e as pessoas simpatizam com você rapidamente. Seus modos são graciosos, e seus relacionamentos costumam ser felizes. É fácil para você fazer os outros se sentirem bem-vindos.)"},
    {Venus, Ascendant, Challenging, R"(Essas pessoas podem depender demais de um parceiro para se sentir valorizadas, ou descobrir que o amor lhes traz dificuldades inesperadas. Podem ser complacentes demais e ceder para manter a paz. Aprender a se valorizar ajuda seus relacionamentos a encontrar um verdadeiro equilíbrio.)"},

    // ---- Venus and Midheaven ----
    {Venus, Midheaven, Conjunction, R"(Vênus no alto do mapa dá uma reputação agradável e sucesso em trabalhos ligados à arte, à beleza, à moda ou à diplomacia. Essas pessoas são populares entre os colegas e junto ao público. Sua elegância social ajuda a carreira.)"},
    {Venus, Midheaven, Harmonious, R"(Seu charme e seu tato ajudam sua carreira, e você é querido pelos superiores. Pode ganhar a vida com arte, beleza ou trabalho com pessoas. Sua imagem pública é atraente.)"},
    {Venus, Midheaven, Challenging, R"(Essas pessoas podem perceber que amor e carreira puxam para lados diferentes, ou que casa e trabalho disputam seu afeto. Podem contar com a simpatia onde o trabalho duro as serviria melhor. Um equilíbrio entre vida privada e vida pública lhes traz satisfação.)"},

    // ======================== Mars ========================

    // ---- Mars and Jupiter ----
    {Mars, Jupiter, Conjunction, R"(Essas pessoas têm energia, entusiasmo e coragem de sobra, e perseguem grandes metas com muita confiança. São aventureiras e adoram esporte, viagens e competição. Podem ser imprudentes e confiantes demais, assumindo mais do que até elas conseguem dar conta.)"},
    {Mars, Jupiter, Harmonious, R"(Você tem energia e bom discernimento juntos, e seus esforços tendem a ser recompensados. É empreendedor, franco e generoso, e muitas vezes tem sucesso nos negócios, no esporte ou no direito. Está pronto para lutar por uma causa justa.)"},
    {Mars, Jupiter, Challenging, R"(Pessoas com este aspecto são inquietas e impulsivas e podem assumir coisas demais ou agir de forma precipitada. Podem ser extravagantes, descuidadas com os riscos ou briguentas quanto às suas crenças. Quando dirigem sua energia com sabedoria, realizam grandes coisas.)"},

    // ---- Mars and Saturn ----
    {Mars, Saturn, Conjunction, R"(Essas pessoas têm grande resistência e conseguem trabalhar com constância rumo a metas difíceis. São disciplinadas e determinadas, mas podem sentir a energia bloqueada ou frustrada. Devem se proteger da raiva guardada por tempo demais e da dureza consigo mesmas e com os outros.)"},
    {Mars, Saturn, Harmonious, R"(Você combina energia e paciência e consegue trabalhar duro por longos períodos. É prático, organizado e confiável em tarefas difíceis. Engenharia, construção, gestão e qualquer trabalho que exija fôlego combinam com você.)"},
    {Mars, Saturn, Challenging, R"(Pessoas com este aspecto podem encontrar frustração, atrasos e obstáculos que bloqueiam seus esforços. Podem oscilar entre cautela e imprudência e sentir uma raiva que não conseguem expressar. A persistência acaba transformando essa luta em verdadeira resistência e força.)"},

    // ---- Mars and Uranus ----
    {Mars, Uranus, Conjunction, R"(Essas pessoas são ousadas, independentes e cheias de energia nervosa, e agem de repente. Adoram aventura, velocidade e máquinas e não suportam nenhuma restrição. Devem tomar cuidado para evitar acidentes e explosões súbitas de raiva.)"},
    {Mars, Uranus, Harmonious, R"(Você tem coragem, originalidade e reflexos rápidos, e age com decisão quando é preciso mudar. É inventivo nas coisas práticas e pode ser pioneiro em novos métodos. Os outros acham sua energia empolgante.)"},
    {Mars, Uranus, Challenging, R"(Pessoas com este aspecto são impacientes, rebeldes e propensas a ações súbitas de que se arrependem. Podem ser propensas a acidentes e devem ter cuidado com máquinas, eletricidade, fogo e velocidade. Aprender o autocontrole transforma sua ousadia em coragem genuína.)"},

    // ---- Mars and Neptune ----
    {Mars, Neptune, Conjunction, R"(Essas pessoas agem por inspiração e por ideais, e sua energia muitas vezes vai para a arte, a música, a dança ou a ajuda aos outros. Seu impulso pode ser irregular e difícil de sustentar. Devem evitar ficar à deriva ou agir com base em ilusões sobre o que podem alcançar.)"},
    {Mars, Neptune, Harmonious, R"(Você põe sua energia nos seus sonhos e ideais, e pode ter talento para a dança, o cinema, a música ou a cura. Trabalha de boa vontade por causas em que acredita. Sua intuição guia bem suas ações.)"},
    {Mars, Neptune, Challenging, R"(Pessoas com este aspecto podem sentir a energia drenada ou dispersa, e podem agir por confusão ou ser envolvidas por enganos. Conflitos ocultos, adversários desleais ou o desejo de fuga podem perturbá-las. Metas claras e conduta honesta as protegem.)"},

    // ---- Mars and Pluto ----
    {Mars, Pluto, Conjunction, R"(Essas pessoas têm energia e força de vontade imensas, e conseguem superar quase qualquer obstáculo. São intensas, destemidas e determinadas, mas podem ser implacáveis quando contrariadas. Sua força é mais bem usada em grandes tarefas.)"},
    {Mars, Pluto, Harmonious, R"(Você tem uma resistência tremenda e a capacidade de concentrar sua energia numa meta até alcançá-la. É corajoso nas crises e sabe reconstruir depois dos reveses. A pura determinação lhe permite realizar muito.)"},
    {Mars, Pluto, Challenging, R"(Pessoas com este aspecto são arrastadas para lutas de poder e podem encontrar a força bruta, ou usá-la elas mesmas. Podem ser compulsivas e implacáveis quando querem algo. Aprender a usar seu poder de forma construtiva lhes dá uma força extraordinária.)"},

    // ---- Mars and Ascendant ----
    {Mars, Ascendant, Conjunction, R"(Marte no Ascendente dá uma personalidade enérgica, assertiva e corajosa. Essas pessoas são diretas, competitivas e fisicamente ativas, e por causa da pressa são propensas a cortes, queimaduras e pequenos ferimentos. Podem ser agressivas e se irritar com facilidade.)"},
    {Mars, Ascendant, Harmonious, R"(Você encara o mundo com energia e confiança e toma a iniciativa com facilidade. Sua coragem e sua franqueza conquistam respeito. Você é fisicamente ativo e se recupera rápido de doenças ou desgaste.)"},
    {Mars, Ascendant, Challenging, R"(Essas pessoas podem parecer agressivas, ou atrair brigas com parceiros e adversários declarados. Podem ser impacientes com os outros e se ofender facilmente. Aprender a cooperar transforma seu impulso em força.)"},

    // ---- Mars and Midheaven ----
    {Mars, Midheaven, Conjunction, R"(Marte no alto do mapa dá forte ambição e grande energia para a carreira. Essas pessoas querem liderar e muitas vezes estão em áreas como engenharia, forças armadas, cirurgia ou esporte. Podem entrar em choque com os superiores.)"},
    {Mars, Midheaven, Harmonious, R"(Você trabalha duro pela sua carreira e avança por iniciativa própria. É ambicioso, enérgico e bom em liderar os outros. Sua reputação se apoia na sua coragem e nas suas conquistas.)"},
    {Mars, Midheaven, Challenging, R"(Essas pessoas podem entrar em conflito com autoridades, concorrentes ou a família ao perseguir suas ambições. Podem ser precipitadas nas escolhas profissionais e fazer inimigos no trabalho. Paciência e cooperação as ajudam a alcançar suas metas.)"},

    // ======================== Jupiter ========================

    // ---- Jupiter and Saturn ----
    {Jupiter, Saturn, Conjunction, R"(Essas pessoas equilibram otimismo com cautela e esperança com realismo. Constroem com constância, muitas vezes com grande sucesso na maturidade, e sabem planejar o futuro. Podem oscilar entre a confiança e a dúvida.)"},
    {Jupiter, Saturn, Harmonious, R"(Você tem bom discernimento, paciência e um sólido senso de proporção. Planeja com sabedoria e consegue transformar oportunidades em sucesso duradouro. Os outros respeitam sua justiça e sua experiência.)"},
    {Jupiter, Saturn, Challenging, R"(Pessoas com este aspecto podem se sentir divididas entre crescimento e restrição, entre o impulso de se expandir e a necessidade de cautela. Sua vida pode alternar entre períodos de sorte e períodos de dificuldade. Aprender quando avançar e quando recuar lhes traz estabilidade.)"},

    // ---- Jupiter and Uranus ----
    {Jupiter, Uranus, Conjunction, R"(Essas pessoas são otimistas, originais e abertas a ideias novas, e muitas vezes têm golpes de sorte repentinos. Amam a liberdade, as viagens e a aventura. Podem ser inquietas e imprevisíveis nas suas crenças e nos seus planos.)"},
    {Jupiter, Uranus, Harmonious, R"(Você tem uma mente inventiva, uma visão ampla e talento para ver oportunidades onde os outros não veem nenhuma. A sorte repentina muitas vezes ajuda você. Você é um reformador nato e um pensador progressista.)"},
    {Jupiter, Uranus, Challenging, R"(Pessoas com este aspecto podem ser inquietas e rebeldes, e propensas a mudanças súbitas de crença ou de sorte. Podem correr riscos imprudentes em busca de liberdade ou de ganho rápido. Moderação e paciência as ajudam a fazer bom uso da sua originalidade.)"},

    // ---- Jupiter and Neptune ----
    {Jupiter, Neptune, Conjunction, R"(Essas pessoas são idealistas, compassivas e de inclinação espiritual, e podem se sentir atraídas pela religião, pelo misticismo ou pela arte. São generosas e bondosas. Podem ser pouco realistas e facilmente enganadas.)"},
    {Jupiter, Neptune, Harmonious, R"(Você tem um espírito generoso e uma profunda compaixão pelos outros. Sua intuição e sua imaginação são fortes, e você pode encontrar realização na caridade, na arte ou na vida espiritual. A boa sorte muitas vezes chega a você por meio da fé.)"},
    {Jupiter, Neptune, Challenging, R"(Pessoas com este aspecto podem se deixar levar por sonhos impossíveis, falsos mestres ou pensamento mágico. Podem ser extravagantes ou pouco práticas, sobretudo com dinheiro. Manter o senso de proporção as ajuda a realizar seus ideais.)"},

    // ---- Jupiter and Pluto ----
    {Jupiter, Pluto, Conjunction, R"(Essas pessoas têm grande ambição e capacidade de organizar em larga escala. Podem se sentir atraídas por posições de influência, pelas finanças ou por reformas. Podem ser fanáticas nas suas crenças.)"},
    {Jupiter, Pluto, Harmonious, R"(Você tem uma vontade forte e a capacidade de vencer pela visão e pela determinação. Consegue dar nova vida a situações em declínio e conduzir os outros rumo à mudança. Seus recursos muitas vezes crescem por meio de investimentos ou de bens compartilhados.)"},
    {Jupiter, Pluto, Challenging, R"(Pessoas com este aspecto podem buscar poder, riqueza ou influência em excesso e entrar em conflito com a autoridade ou a lei. Podem ser dogmáticas e convencidas de que os fins justificam os meios. Usar seu poder para o bem dos outros lhes traz verdadeiro sucesso.)"},

    // ---- Jupiter and Ascendant ----
    {Jupiter, Ascendant, Conjunction, R"(Júpiter no Ascendente dá uma personalidade generosa, otimista e simpática. Essas pessoas são populares, confiantes e muitas vezes sortudas, e tendem a ganhar peso com a idade. Podem exagerar nas coisas.)"},
    {Jupiter, Ascendant, Harmonious, R"(Você encara o mundo com calor e bom humor, e os outros confiam em você à primeira vista. Oportunidades e ajuda parecem encontrar você, muitas vezes por meio de professores, viagens ou pessoas do exterior. Seu jeito simpático e aberto abre muitas portas.)"},
    {Jupiter, Ascendant, Challenging, R"(Essas pessoas podem se superestimar ou prometer demais no trato com os outros. Podem ser extravagantes ou se achar donas da razão. Quando mantêm a generosidade dentro de limites, têm boa sorte por meio das parcerias.)"},

    // ---- Jupiter and Midheaven ----
    {Jupiter, Midheaven, Conjunction, R"(Júpiter no alto do mapa é um sinal clássico de sucesso e bom nome. Essas pessoas muitas vezes alcançam posições de honra e autoridade, no direito, no ensino, no mercado editorial ou na vida pública. Podem ser ambiciosas demais ou considerar sua boa sorte garantida.)"},
    {Jupiter, Midheaven, Harmonious, R"(Sua carreira prospera, e você é respeitado na vida pública pela sua justiça e generosidade. As oportunidades chegam por meio de superiores e contatos influentes. Você tem um dom natural para a liderança que os outros seguem de bom grado.)"},
    {Jupiter, Midheaven, Challenging, R"(Essas pessoas podem mirar tão alto que passam do ponto, ou perceber que carreira e família disputam seu tempo. Podem ter orgulho demais da sua posição. Metas realistas lhes trazem sucesso duradouro.)"},

    // ======================== Saturn ========================

    // ---- Saturn and Uranus ----
    {Saturn, Uranus, Conjunction, R"(Essas pessoas combinam disciplina com originalidade e conseguem dar forma prática a ideias novas. Muitas vezes sentem uma tensão entre tradição e mudança, entre o que já foi construído e o que quer nascer. São determinadas e persistentes depois que escolhem seu rumo.)"},
    {Saturn, Uranus, Harmonious, R"(Você consegue introduzir reformas de forma prática e responsável. Respeita a tradição, mas acolhe o progresso, e trabalha com constância em projetos novos até que deem certo. Ciência, tecnologia e organização combinam com você.)"},
    {Saturn, Uranus, Challenging, R"(Pessoas com este aspecto sentem um forte conflito entre a necessidade de segurança e o impulso de liberdade. Reviravoltas súbitas podem abalar situações que julgavam resolvidas, e podem oscilar entre o controle rígido e a rebeldia. Encontrar um equilíbrio entre o velho e o novo lhes dá grande força.)"},

    // ---- Saturn and Neptune ----
    {Saturn, Neptune, Conjunction, R"(Essas pessoas tentam dar forma aos seus sonhos e ideais, e podem ter talento para a arquitetura, a música ou uma disciplina espiritual. Podem cair na melancolia quando a realidade fica aquém da visão. Devem tomar cuidado para não desistir cedo demais dos seus ideais.)"},
    {Saturn, Neptune, Harmonious, R"(Você consegue realizar seus sonhos com esforço prático e paciência. Sua intuição é disciplinada, e você pode ter talento para a arte, a cura ou o serviço aos outros. É compassivo e responsável.)"},
    {Saturn, Neptune, Challenging, R"(Pessoas com este aspecto podem sofrer de medos vagos, decepções ou da sensação de que seus sonhos nunca vão se realizar. Ansiedades ocultas podem minar sua confiança ou sua saúde. A fé unida ao esforço prático as ajuda a superar esses medos.)"},

    // ---- Saturn and Pluto ----
    {Saturn, Pluto, Conjunction, R"(Essas pessoas têm grande resistência, seriedade e determinação, e conseguem sobreviver a privações reais. Podem ser implacáveis na busca dos seus objetivos. Sua vida pode trazer fardos pesados que, no fim, as transformam.)"},
    {Saturn, Pluto, Harmonious, R"(Você tem grande disciplina e poder de concentração, e consegue reconstruir as coisas desde o alicerce. É paciente na busca de metas de longo prazo e não desanima com o esforço que elas custam. Sua força está na resistência.)"},
    {Saturn, Pluto, Challenging, R"(Pessoas com este aspecto podem enfrentar circunstâncias duras, responsabilidades pesadas ou pressões de autoridades das quais não conseguem escapar. Podem ficar rígidas ou ter medo de perder o controle. Enfrentar esses desafios lhes dá uma força formidável.)"},

    // ---- Saturn and Ascendant ----
    {Saturn, Ascendant, Conjunction, R"(Saturno no Ascendente dá uma postura séria, reservada e responsável. Essas pessoas podem parecer mais velhas do que são e muitas vezes têm uma infância dura ou solitária. Ganham confiança e leveza com a idade.)"},
    {Saturn, Ascendant, Harmonious, R"(Você se apresenta como alguém confiável, maduro e disciplinado, e os outros lhe confiam responsabilidades. É paciente e não desperdiça energia. Sua firmeza conquista um respeito duradouro.)"},
    {Saturn, Ascendant, Challenging, R"(Essas pessoas podem se sentir limitadas pelos outros ou sobrecarregadas pelas parcerias, e podem se casar tarde ou escolher um parceiro muito mais velho ou mais sério. Podem ser tímidas ou defensivas com gente nova. A paciência lhes traz relacionamentos duradouros e maduros.)"},

    // ---- Saturn and Midheaven ----
    {Saturn, Midheaven, Conjunction, R"(Saturno no alto do mapa dá grande ambição e uma ascensão profissional lenta, mas firme. Essas pessoas conquistam autoridade com trabalho duro. Devem tomar cuidado com uma queda de uma posição elevada caso abusem do poder.)"},
    {Saturn, Midheaven, Harmonious, R"(Sua carreira cresce de forma constante com disciplina, responsabilidade e paciência. Você é respeitado pela sua confiabilidade e pelo seu senso de dever. O sucesso vem mais tarde na vida e dura.)"},
    {Saturn, Midheaven, Challenging, R"(Essas pessoas podem encontrar obstáculos na carreira, ou os deveres familiares podem segurá-las. Podem sentir que suas conquistas ficam muito tempo sem reconhecimento. A persistência acaba lhes trazendo o respeito pelo qual trabalharam.)"},

    // ======================== Uranus ========================

    // ---- Uranus and Neptune ----
    {Uranus, Neptune, Conjunction, R"(Esta conjunção é compartilhada por toda uma geração e mostra interesse pelo misticismo, pelos novos movimentos espirituais e pela arte inspirada. Num mapa pessoal, dá intuição e sensibilidade às mudanças sociais. Essas pessoas podem ser idealistas quanto ao futuro.)"},
    {Uranus, Neptune, Harmonious, R"(Você tem percepção intuitiva e abertura a novas ideias espirituais e artísticas, como grande parte da sua geração. Pode ter talento para a música, a psicologia ou as artes de cura. Você pressente as mudanças que vêm antes dos outros.)"},
    {Uranus, Neptune, Challenging, R"(Este aspecto é compartilhado por uma geração que cresceu em tempos de confusão e mudança social. Num mapa pessoal, pode dar tensão nervosa e ideias irrealistas. Uma abordagem com os pés no chão ajuda essas pessoas a usar sua inspiração.)"},

    // ---- Uranus and Pluto ----
    {Uranus, Pluto, Conjunction, R"(Esta conjunção marca toda uma geração nascida numa época de reviravoltas e mostra um impulso por mudanças radicais. No plano pessoal, essas pessoas podem ser revolucionárias e intensas. Podem provocar transformações profundas no mundo ao seu redor.)"},
    {Uranus, Pluto, Harmonious, R"(Você pertence a uma geração capaz de promover mudanças construtivas na sociedade, e tem instinto para as forças que moldam o seu tempo. As reviravoltas não o assustam. Você se adapta bem a elas e ajuda os outros a fazer o mesmo.)"},
    {Uranus, Pluto, Challenging, R"(Este aspecto pertence a uma geração que viveu mudanças súbitas e às vezes violentas na sociedade. No plano pessoal, pode trazer reviravoltas que obrigam a começar do zero. Essas pessoas precisam aprender a aceitar a mudança em vez de combatê-la.)"},

    // ---- Uranus and Ascendant ----
    {Uranus, Ascendant, Conjunction, R"(Urano no Ascendente dá uma personalidade original, independente e pouco convencional. Essas pessoas parecem incomuns aos outros e precisam de muita liberdade. Sua vida é marcada por mudanças súbitas.)"},
    {Uranus, Ascendant, Harmonious, R"(Você se apresenta como alguém original e inventivo, e os outros acham sua companhia estimulante. Adapta-se bem às mudanças e muitas vezes vê à primeira vista uma nova maneira de fazer as coisas. Amigos e grupos ajudam você no caminho.)"},
    {Uranus, Ascendant, Challenging, R"(Essas pessoas podem viver começos e fins súbitos nos relacionamentos, ou se sentir atraídas por parceiros incomuns e amantes da liberdade. Os outros podem achá-las instáveis ou pouco confiáveis. Espaço para a independência dentro da parceria é essencial para elas.)"},

    // ---- Uranus and Midheaven ----
    {Uranus, Midheaven, Conjunction, R"(Urano no alto do mapa indica uma carreira incomum, muitas vezes em tecnologia, ciência, astrologia ou reforma social. Essas pessoas podem mudar de profissão de repente, às vezes mais de uma vez. Precisam de independência no trabalho e se irritam sob um patrão convencional.)"},
    {Uranus, Midheaven, Harmonious, R"(Sua carreira se beneficia da originalidade e das ideias novas, e você pode trabalhar com tecnologia, pesquisa ou áreas progressistas. Percebe rápido para onde uma profissão está indo. Oportunidades inesperadas fazem você avançar nos momentos decisivos da vida.)"},
    {Uranus, Midheaven, Challenging, R"(Essas pessoas podem viver mudanças súbitas na carreira, ou conflitos com a autoridade que encerram bruscamente um cargo. A vida doméstica também pode ser abalada por mudanças ou reviravoltas. Um trabalho que lhes dê independência, ou um negócio próprio, é o que mais lhes convém.)"},

    // ======================== Neptune ========================

    // ---- Neptune and Pluto ----
    {Neptune, Pluto, Conjunction, R"(Esta rara conjunção marca a geração nascida no fim do século XIX, uma época em que velhas certezas se dissolveram e novas ideias espirituais e científicas criaram raízes. Num mapa pessoal, dá um senso profundo, muitas vezes inconsciente, de participar de grandes mudanças históricas. Seu efeito é sentido mais por meio da época do que do indivíduo.)"},
    {Neptune, Pluto, Harmonious, R"(O longo sextil entre estes dois planetas é compartilhado pelas gerações nascidas desde meados do século XX e liga seus ideais a um desejo de renovação profunda. No plano pessoal, dá uma compreensão intuitiva das forças coletivas e interesse pela psicologia e pela espiritualidade. Ele atua silenciosamente no pano de fundo do mapa.)"},
    {Neptune, Pluto, Challenging, R"(Uma quadratura ou oposição entre estes dois planetas lentos pertence a gerações inteiras e a épocas de profunda crise coletiva. Num mapa pessoal, pode mostrar a sensação de viver o colapso de velhos ideais. Pede-se a essas pessoas que encontrem fé e sentido onde os outros só veem perda.)"},

    // ---- Neptune and Ascendant ----
    {Neptune, Ascendant, Conjunction, R"(Netuno no Ascendente dá uma presença suave e mutável, na qual as pessoas tendem a ver o que desejam ver. Essas pessoas são impressionáveis, artísticas e intuitivas, e muitas têm talento para a atuação, a música ou a fotografia. Devem ter cuidado com álcool, drogas e pessoas que queiram se aproveitar delas.)"},
    {Neptune, Ascendant, Harmonious, R"(Você passa uma imagem gentil, compreensiva e imaginativa, e os outros sentem sua bondade. Sua intuição guia você bem no trato com as pessoas. Você tem uma sensibilidade natural para a arte, a música e tudo o que eleva o espírito.)"},
    {Neptune, Ascendant, Challenging, R"(Essas pessoas podem não saber bem como os outros as veem, ou idealizar um parceiro e depois se decepcionar. Podem ser enganadas nos relacionamentos e nas sociedades comerciais. Honestidade consigo mesmas e uma leitura atenta de cada contrato as protegem.)"},

    // ---- Neptune and Midheaven ----
    {Neptune, Midheaven, Conjunction, R"(Netuno no alto do mapa indica uma carreira nas artes, no cinema, na música, na medicina ou na caridade, ou uma vocação de natureza espiritual. Essas pessoas podem ter um senso incerto de direção na carreira. Sua reputação pode ser glamorosa, mas também sujeita a boatos.)"},
    {Neptune, Midheaven, Harmonious, R"(Sua imaginação e sua compaixão podem moldar sua carreira. Você pode ter sucesso nas artes, na cura ou no serviço aos outros, e seu trabalho pode inspirar as pessoas. Seus ideais, mais do que a ambição, guiam sua escolha profissional.)"},
    {Neptune, Midheaven, Challenging, R"(Essas pessoas podem se sentir inseguras quanto ao rumo da carreira ou decepcionadas com o trabalho. Podem enfrentar escândalos, boatos ou mal-entendidos na vida pública e devem ser escrupulosas em todos os seus negócios. Metas realistas as ajudam a encontrar sua verdadeira vocação.)"},

    // ======================== Pluto ========================

    // ---- Pluto and Ascendant ----
    {Pluto, Ascendant, Conjunction, R"(Plutão no Ascendente dá um olhar penetrante e uma personalidade que é sentida antes de ser compreendida. Essas pessoas guardam seus pensamentos para si e observam os outros de perto, e podem perturbar as pessoas sem querer. Sua vida passa por crises que as transformam por completo.)"},
    {Pluto, Ascendant, Harmonious, R"(Você tem uma intensidade silenciosa e uma força de caráter que os outros respeitam. Consegue se renovar depois de tempos difíceis e ajudar os outros a atravessar os deles. Você entende o que move as pessoas, muitas vezes antes que elas mesmas saibam.)"},
    {Pluto, Ascendant, Challenging, R"(Essas pessoas podem se envolver em lutas de poder nos relacionamentos, ou atrair parceiros que tentam controlá-las. Podem ser intensas e exigentes com os outros e demorar a perdoar. Aprender a dividir o poder lhes traz paz.)"},

    // ---- Pluto and Midheaven ----
    {Pluto, Midheaven, Conjunction, R"(Plutão no alto do mapa dá um poderoso impulso de realização e de controle sobre o próprio destino. Essas pessoas podem chegar a posições de grande influência e muitas vezes transformam sua área. Devem tomar cuidado para não abusar do poder.)"},
    {Pluto, Midheaven, Harmonious, R"(Você tem o poder de transformar sua carreira e de liderar com profundidade e perspicácia. Pode trabalhar com pesquisa, psicologia, finanças ou qualquer área que exija compreensão profunda. Sua influência cresce com o tempo.)"},
    {Pluto, Midheaven, Challenging, R"(Essas pessoas podem viver reveses súbitos ou lutas de poder na carreira, ou as reviravoltas da vida familiar podem atrapalhar seu trabalho. Podem ser implacáveis na busca de posição. Usar sua influência com sabedoria as leva a grandes conquistas.)"},
};
// clang-format on

static_assert(coversEveryAspectKeyOnce(kEntries),
              "one aspect text for every pair and family, each pair in chart order");

} // namespace

constexpr AspectTextTable kAspectTexts = buildAspectTextTable(kEntries);

} // namespace orbenza::texts::pt_BR
