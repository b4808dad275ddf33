// The planet-in-house texts in Brazilian Portuguese.
//
// A translation of the English table in the parent folder, with the same
// keys in the same order. Each paragraph stays on a single line and differs
// from every other one.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

#include <cstddef>
#include <iterator>

namespace orbenza::texts::pt_BR {
namespace {

using enum Body;

struct PlanetInHouseEntry {
    int house; // 1..12
    Body planet;
    std::string_view text;
};

// clang-format off
constexpr PlanetInHouseEntry kEntries[] = {

    // ======================== First House ========================

    // ---- Sun in the First House ----
    {1, Sun, R"(Essas pessoas têm uma personalidade forte e radiante, que os outros notam assim que elas entram numa sala. São autoconfiantes, orgulhosas e cheias de vitalidade, e preferem liderar a seguir. O reconhecimento importa muito para elas, e ficam mais felizes quando podem se expressar abertamente e ser valorizadas pelo que são. A saúde e a capacidade de recuperação costumam ser boas. Devem se proteger da vaidade e do hábito de se colocar sempre em primeiro lugar, pois seu calor humano conquista mais do que seu orgulho.)"},

    // ---- Moon in the First House ----
    {1, Moon, R"(Pessoas com a Lua aqui trazem os sentimentos estampados no rosto. O humor muda com facilidade e aparece logo no seu jeito, e elas reagem ao ambiente com grande sensibilidade. São atenciosas, receptivas e muitas vezes populares junto ao público, mas podem ter dificuldade em separar a própria identidade das necessidades de quem está à sua volta. A aparência e a saúde tendem a acompanhar seu estado emocional.)"},

    // ---- Mercury in the First House ----
    {1, Mercury, R"(Essas pessoas são espirituosas, falantes e curiosas sobre tudo. Elas se apresentam por meio de palavras e ideias, e os outros as veem como inteligentes, animadas e joviais; muitas parecem mais novas do que são. Aprendem rápido e se adaptam facilmente a gente nova, mas ficam inquietas e nervosas quando não têm nada para ocupar a mente.)"},

    // ---- Venus in the First House ----
    {1, Venus, R"(Você tem um jeito agradável e gracioso e um charme natural que faz as pessoas gostarem de você desde o primeiro encontro. A aparência importa para você, e você costuma se vestir com bom gosto. Evita conflitos, prefere a harmonia e sabe agradar, o que lhe abre muitas portas na vida social. O perigo é a tendência a ser condescendente demais ou a contar com o charme onde é preciso esforço.)"},

    // ---- Mars in the First House ----
    {1, Mars, R"(Essas pessoas são enérgicas, diretas e corajosas, e encaram a vida de frente. Agem primeiro e pensam depois, adoram competir e não suportam ser contidas. Sua força física e seu impulso são consideráveis, e tradicionalmente carregam uma cicatriz ou marca na cabeça ou no rosto. A impaciência, o pavio curto e a tendência a se precipitar em acidentes são os defeitos a vigiar.)"},

    // ---- Jupiter in the First House ----
    {1, Jupiter, R"(Pessoas com Júpiter no Ascendente têm uma natureza generosa, otimista e expansiva. São alegres, simpáticas e muitas vezes sortudas, e os outros confiam nelas facilmente. Pensam grande e se portam com um ar de confiança e boa vontade. Tendem a ganhar peso com os anos, e sua principal fraqueza é o exagero ou prometer mais do que podem cumprir.)"},

    // ---- Saturn in the First House ----
    {1, Saturn, R"(Essas pessoas parecem sérias, reservadas e mais velhas do que são, sobretudo na juventude. A vida lhes pede que assumam responsabilidades cedo, e elas podem ser tímidas ou autocríticas, exigindo muito de si mesmas. Sua força é a disciplina: trabalham com paciência, constroem devagar e costumam ganhar confiança e leveza com o passar dos anos. A saúde exige cuidado na infância, mas tende a melhorar com a idade.)"},

    // ---- Uranus in the First House ----
    {1, Uranus, R"(Você passa a impressão de ser original, independente e um pouco imprevisível. Não gosta de convenções, insiste em fazer as coisas do seu jeito e se sente atraído por ideias novas, ciência e tecnologia. Os outros podem achar você brilhante, mas excêntrico. Sua vida provavelmente trará mudanças súbitas de rumo, e você precisa de muita liberdade pessoal para se sentir você mesmo.)"},

    // ---- Neptune in the First House ----
    {1, Neptune, R"(Essas pessoas têm uma qualidade sonhadora, gentil e esquiva que os outros têm dificuldade em definir. São muito impressionáveis, artísticas e intuitivas, e absorvem como uma esponja o humor de quem as cerca. Sua imagem pode ser glamorosa, mas talvez não tenham certeza de quem realmente são. Devem ter cuidado com álcool e drogas, e com pessoas que queiram se aproveitar da sua bondade.)"},

    // ---- Pluto in the First House ----
    {1, Pluto, R"(Pessoas com Plutão aqui têm uma presença intensa e magnética e uma vontade formidável. São reservadas e observadoras, revelam pouco de si e enxergam muito nos outros. Sua vida costuma passar por crises que as transformam por completo, e a cada vez elas voltam mais fortes. Podem ser líderes cativantes, mas devem se proteger do desejo de controlar os outros.)"},

    // ======================== Second House ========================

    // ---- Sun in the Second House ----
    {2, Sun, R"(Essas pessoas encontram sua identidade no que ganham, possuem e constroem. Trabalham duro pela segurança financeira e se orgulham de seus bens, gastando muitas vezes com generosidade em qualidade e conforto. O dinheiro pode vir do próprio esforço, de cargos de autoridade ou do favor de pessoas influentes. Devem tomar cuidado para não medir o próprio valor, ou o dos outros, apenas pela riqueza.)"},

    // ---- Moon in the Second House ----
    {2, Moon, R"(A renda dessas pessoas tende a subir e descer como as marés, e sua sensação de segurança depende muito do saldo bancário. Podem ganhar dinheiro lidando com o público, com alimentação, imóveis ou qualquer coisa ligada ao lar e à família. São apegadas aos seus pertences, guardam coisas por motivos sentimentais e ficam inquietas sempre que o dinheiro está curto.)"},

    // ---- Mercury in the Second House ----
    {2, Mercury, R"(Essas pessoas estão cheias de ideias para ganhar dinheiro. Conhecem o verdadeiro valor das coisas e são muito atentas a ele.)"},

    // ---- Venus in the Second House ----
    {2, Venus, R"(Você tem um gosto refinado por coisas belas e valiosas, e o dinheiro muitas vezes chega com facilidade, por meio da arte, da moda, de artigos de luxo ou de seus contatos sociais. Gosta de conforto e de gastar com prazeres, roupas e boa comida. Vênus está em seu domicílio nesta casa, e esta é uma posição favorável às suas finanças, desde que o amor ao luxo não corra à frente da sua renda.)"},

    // ---- Mars in the Second House ----
    {2, Mars, R"(Essas pessoas ganham dinheiro com trabalho duro, iniciativa e espírito competitivo, e estão dispostas a lutar pelo que querem. Gastam tão rápido quanto ganham, muitas vezes por impulso, e podem correr riscos financeiros. Engenharia, esporte, forças armadas ou um negócio próprio combinam com elas. Precisam aprender paciência e planejamento quando se trata de dinheiro.)"},

    // ---- Jupiter in the Second House ----
    {2, Jupiter, R"(Esta é uma das melhores posições para a riqueza. Pessoas com Júpiter aqui costumam ter uma boa renda e um fluxo generoso de recursos, e as oportunidades de prosperar parecem encontrá-las. São mãos-abertas com o dinheiro e gostam de dividir sua boa sorte. O único perigo é a extravagância, pois podem achar que o dinheiro continuará chegando para sempre.)"},

    // ---- Saturn in the Second House ----
    {2, Saturn, R"(O dinheiro não chega facilmente a essas pessoas, que podem conhecer dificuldades ou privações no começo da vida. Aprendem a ser cuidadosas, econômicas e pacientes, e com trabalho constante muitas vezes constroem mais tarde uma segurança duradoura. Têm medo de perder o que têm e podem ser cautelosas demais ou até sovinas. Terras, imóveis e investimentos de longo prazo são o que melhor as serve.)"},

    // ---- Uranus in the Second House ----
    {2, Uranus, R"(É provável que suas finanças tenham altos e baixos súbitos, com ganhos inesperados seguidos de perdas igualmente inesperadas. Você ganha melhor com ideias originais, tecnologia, invenções ou trabalhos incomuns, e não gosta de ficar preso a um emprego rotineiro por causa do salário. Seus valores podem ser muito diferentes dos da sua família, e você precisa se planejar para ter estabilidade.)"},

    // ---- Neptune in the Second House ----
    {2, Neptune, R"(Pessoas com Netuno aqui podem ser vagas e idealistas com o dinheiro. Podem ganhar com arte, música, cinema, cura ou trabalho beneficente, mas muitas vezes perdem a conta do que gastam ou confiam suas economias às pessoas erradas. São generosas até demais. Contas claras, contratos cuidadosos e consultores honestos são essenciais para elas.)"},

    // ---- Pluto in the Second House ----
    {2, Pluto, R"(Essas pessoas têm um forte impulso de controlar recursos, e podem construir, perder e reconstruir fortunas ao longo da vida. São astutas, determinadas e capazes de lidar com grandes somas, muitas vezes em bancos, investimentos, seguros ou na recuperação de empresas em crise. Para elas os bens estão ligados ao poder, e precisam tomar cuidado para não ficar obcecadas por eles.)"},

    // ======================== Third House ========================

    // ---- Sun in the Third House ----
    {3, Sun, R"(Essas pessoas brilham por meio da comunicação. São inteligentes, falantes e ávidas por aprender, e transmitem suas ideias com confiança. Escrita, ensino, jornalismo, vendas ou qualquer trabalho que as ponha em contato com muita gente combinam com elas. Irmãos, irmãs e vizinhos têm um papel importante em sua vida, e as viagens curtas são frequentes.)"},

    // ---- Moon in the Third House ----
    {3, Moon, R"(Sua mente é fortemente colorida pelos sentimentos, e você pensa em imagens e lembranças mais do que em lógica fria. Tem boa memória, uma mente mutável e gosto por viagens e ambientes novos. É emocionalmente próximo de seus irmãos e pode assumir entre eles o papel de quem cuida. Seu humor pode afetar sua concentração.)"},

    // ---- Mercury in the Third House ----
    {3, Mercury, R"(Mercúrio está em seu domicílio nesta casa e dá uma mente rápida, alerta e versátil. Essas pessoas adoram ler, escrever e conversar, e assimilam informações e idiomas com facilidade. Estão sempre ocupadas com mensagens, ligações e tarefas. Seu dom é explicar as coisas com clareza, embora possam dispersar demais a atenção.)"},

    // ---- Venus in the Third House ----
    {3, Venus, R"(Pessoas com Vênus aqui falam com graça e sabem dizer a coisa certa na hora certa. Têm talento para a escrita, a poesia ou o design, e gostam de passeios agradáveis e da companhia dos vizinhos. A relação com irmãos e irmãs costuma ser afetuosa. Um romance pode começar durante os estudos ou numa viagem curta.)"},

    // ---- Mars in the Third House ----
    {3, Mars, R"(Essas pessoas têm a língua afiada e uma mente rápida e combativa. Gostam de debater, argumentam com convicção e podem ser impacientes com quem pensa mais devagar. Sua energia faz delas boas escritoras, jornalistas ou militantes. Brigas com irmãos ou vizinhos são possíveis, e devem ter cuidado ao dirigir ou viajar com pressa.)"},

    // ---- Jupiter in the Third House ----
    {3, Jupiter, R"(Você tem uma mente ampla e otimista e aprende com facilidade, sobretudo os assuntos que ampliam sua visão, como línguas, filosofia ou viagens. É um professor nato e um vizinho simpático, e seus irmãos provavelmente vão ajudar você na vida. Seu ponto fraco pode ser falar demais ou prometer mais do que se lembra de fazer.)"},

    // ---- Saturn in the Third House ----
    {3, Saturn, R"(Essas pessoas pensam devagar, mas a fundo, e levam suas palavras a sério. A vida escolar pode ter sido difícil ou interrompida, e na juventude talvez tivessem vergonha de falar. Com o tempo desenvolvem uma mente prática, metódica e confiável, boa em matemática, ciências ou qualquer trabalho estruturado. A relação com os irmãos pode envolver responsabilidade ou distância.)"},

    // ---- Uranus in the Third House ----
    {3, Uranus, R"(Pessoas com Urano aqui têm uma mente original e inventiva e ideias que chegam como relâmpagos. Captam rapidamente conceitos novos e se sentem atraídas pela ciência, pela informática e pelos meios modernos de comunicação. Sua educação pode ser pouco convencional ou interrompida de repente. Podem ser bruscas e do contra numa conversa, e sua energia nervosa precisa de uma válvula de escape.)"},

    // ---- Neptune in the Third House ----
    {3, Neptune, R"(Essas pessoas têm um modo de pensar poético e imaginativo, e muitas vezes se comunicam melhor com imagens, música ou histórias do que com fatos secos. São intuitivas e às vezes parecem ler os pensamentos alheios. Concentração e clareza podem ser um problema, e são possíveis mal-entendidos ou confusões em cartas e documentos.)"},

    // ---- Pluto in the Third House ----
    {3, Pluto, R"(Você tem uma mente penetrante que olha por baixo da superfície de cada assunto. É persuasivo e pode influenciar fortemente os outros com suas palavras, o que faz de você um bom pesquisador, investigador ou debatedor. Guarda seus próprios segredos e pode ser intenso nas discussões. A relação inicial com irmãos ou vizinhos pode ter sido marcada pela rivalidade.)"},

    // ======================== Fourth House ========================

    // ---- Sun in the Fourth House ----
    {4, Sun, R"(Essas pessoas são muito apegadas ao lar e à família, e têm grande orgulho de suas raízes. Querem um lar em que sejam o chefe, e muitas vezes investem em imóveis. O pai pode ter sido uma figura dominante na infância. Sua vida tende a ficar mais bem-sucedida e plena na segunda metade, depois que constroem uma base segura.)"},

    // ---- Moon in the Fourth House ----
    {4, Moon, R"(A Lua é forte nesta casa. Você é caseiro de coração, dedicado à família e especialmente ligado à sua mãe. Precisa acima de tudo de segurança emocional e se sente melhor cercado de coisas e rostos conhecidos. Pode mudar de residência várias vezes, mas mantém um forte vínculo com o passado, com as tradições da família e com o lugar onde nasceu.)"},

    // ---- Mercury in the Fourth House ----
    {4, Mercury, R"(Pessoas com Mercúrio aqui podem trabalhar em casa ou transformar o lar num lugar de estudo, cheio de livros e conversas. Sua família dava grande valor ao saber. Gostam de se mudar ou de reorganizar o ambiente, e se interessam por história, árvores genealógicas ou imóveis. Seu modo de pensar é muito marcado pela criação que tiveram.)"},

    // ---- Venus in the Fourth House ----
    {4, Venus, R"(Você ama seu lar e o torna bonito, confortável e acolhedor. Gosta de receber visitas ali, e sua vida familiar costuma ser harmoniosa. Sua relação com a mãe ou com os pais é afetuosa. Você pode se beneficiar de imóveis ou heranças, e provavelmente encontrará mais contentamento e conforto na fase final da vida.)"},

    // ---- Mars in the Fourth House ----
    {4, Mars, R"(Essas pessoas trazem muita energia para o lar, mas também conflito. O clima da infância pode ter sido tenso, com brigas ou um dos pais de gênio forte. Querem mandar na própria casa e gostam de fazer elas mesmas os consertos e as obras. Devem ter cuidado com fogo e acidentes domésticos, e impedir que as brigas em casa cresçam.)"},

    // ---- Jupiter in the Fourth House ----
    {4, Jupiter, R"(Esta posição costuma trazer um lar feliz, confortável e espaçoso. Essas pessoas vêm de uma família generosa, ganham com imóveis ou heranças e gostam de reunir parentes e amigos sob seu teto. Sua situação melhora com a idade, e o fim da vida provavelmente será tranquilo e próspero.)"},

    // ---- Saturn in the Fourth House ----
    {4, Saturn, R"(Essas pessoas muitas vezes carregam responsabilidades em casa desde cedo, talvez cuidando de um dos pais ou vivendo sob regras rígidas e com pouco carinho, e a infância pode ter parecido pesada ou insegura. Adultas, trabalham duro para construir um lar sólido e valorizam a estabilidade e a tradição. Podem assumir o cuidado de parentes idosos, e muitas vezes possuem imóveis antigos.)"},

    // ---- Uranus in the Fourth House ----
    {4, Uranus, R"(Sua vida doméstica provavelmente será incomum e instável, com mudanças frequentes de residência ou acontecimentos súbitos que abalam a família. Sua criação pode ter sido pouco convencional, ou um dos pais pode ter sido ausente ou excêntrico. Você precisa de espaço e liberdade em casa, e talvez prefira uma moradia ou um arranjo familiar fora do comum.)"},

    // ---- Neptune in the Fourth House ----
    {4, Neptune, R"(Pessoas com Netuno aqui anseiam por um lar e uma família ideais, que a vida real nem sempre oferece. Pode haver algo obscuro ou escondido na história da família, ou um dos pais ausente, doente ou abnegado. Gostam de morar perto da água, num ambiente calmo e sereno. Assuntos de imóveis precisam ser verificados com cuidado para evitar enganos.)"},

    // ---- Pluto in the Fourth House ----
    {4, Pluto, R"(Essas pessoas têm laços profundos e intensos com a família e o passado. A infância pode ter abrigado lutas de poder, um dos pais controlador ou um segredo de família que deixou marcas duradouras. Em algum momento o lar e a família passam por uma transformação completa. No fim, ganham grande força interior ao enfrentar o que está em suas raízes.)"},

    // ======================== Fifth House ========================

    // ---- Sun in the Fifth House ----
    {5, Sun, R"(Essas pessoas são criativas, calorosas e cheias de alegria de viver. Adoram se apresentar, brincar e ser admiradas, e muitas vezes têm talento para as artes, o teatro ou o esporte. O romance é importante para elas, e se entregam com generosidade no amor. Encantam-se com as crianças e costumam ter um vínculo próximo com elas. O gosto pelo jogo e pelo risco precisa ser controlado.)"},

    // ---- Moon in the Fifth House ----
    {5, Moon, R"(Você é romântico, afetuoso e se envolve emocionalmente nos seus casos de amor, e seus sentimentos podem mudar rápido. Encontra conforto em hobbies criativos e diversões. Tem um forte instinto paterno ou materno e uma relação próxima com seus filhos. Para você, prazer e segurança emocional andam muito juntos.)"},

    // ---- Mercury in the Fifth House ----
    {5, Mercury, R"(Pessoas com Mercúrio aqui se expressam com humor e leveza. Gostam de jogos de habilidade, quebra-cabeças e hobbies que exercitam a mente, e podem escrever, ensinar ou trabalhar com jovens. No amor, sentem-se atraídas pela inteligência e por uma boa conversa, e preferem um romance leve e cheio de flerte a um compromisso pesado.)"},

    // ---- Venus in the Fifth House ----
    {5, Venus, R"(Esta é uma posição muito feliz para o amor e o prazer. Essas pessoas são charmosas, afetuosas e populares com o sexo oposto, e têm uma vida amorosa plena. Têm talento artístico e apreciam a música, o teatro e a beleza em todas as suas formas. Os filhos lhes trazem alegria. Devem evitar se entregar demais aos prazeres.)"},

    // ---- Mars in the Fifth House ----
    {5, Mars, R"(Essas pessoas são apaixonadas e impulsivas no amor e perseguem o objeto do seu desejo com grande energia. Gostam de esporte, competição e aventura, e correm riscos ousados na especulação. Seus romances podem começar de repente e terminar em brigas. Como pais, são ativos e estimulam a independência, mas precisam controlar o gênio com os filhos.)"},

    // ---- Jupiter in the Fifth House ----
    {5, Jupiter, R"(Você aproveita a vida ao máximo e tem sorte no amor, na criatividade e no prazer. Suas relações amorosas são generosas e felizes, e você provavelmente terá filhos que lhe trarão orgulho e honra. Pode ter sucesso no ensino, no esporte ou nas artes. A especulação pode dar certo, mas o excesso de confiança pode levar você a apostar demais.)"},

    // ---- Saturn in the Fifth House ----
    {5, Saturn, R"(Essas pessoas podem ser tímidas ou inibidas no amor e ter dificuldade em se soltar e se divertir. O romance costuma chegar tarde, ou envolver parceiros mais velhos e um senso de dever. Os filhos podem trazer responsabilidade, atraso ou preocupação. São disciplinadas no trabalho criativo e podem obter resultados duradouros com paciência. Devem evitar especulações arriscadas.)"},

    // ---- Uranus in the Fifth House ----
    {5, Uranus, R"(Pessoas com Urano aqui têm uma atitude pouco convencional diante do amor e se sentem atraídas por parceiros incomuns ou independentes. Seus romances começam de repente, são empolgantes e podem acabar com a mesma rapidez. São criativas de modo original, muitas vezes por meio da tecnologia ou da arte moderna. Seus filhos podem ser talentosos ou diferentes, e elas querem liberdade na forma de criá-los.)"},

    // ---- Neptune in the Fifth House ----
    {5, Neptune, R"(Essas pessoas são sonhadoras românticas que se apaixonam por um ideal mais do que por uma pessoa real. Sua vida amorosa pode envolver ilusões, casos secretos ou sacrifícios. Têm talento para a música, a dança, o cinema ou a poesia e uma imaginação viva. Devem ter cuidado com jogos e especulações, em que podem ser facilmente enganadas.)"},

    // ---- Pluto in the Fifth House ----
    {5, Pluto, R"(Você ama com grande intensidade, e seus assuntos do coração podem consumir você por inteiro e transformá-lo profundamente. Ciúme e lutas de poder no romance são possíveis. Seu impulso criativo é forte e pode encontrar expressão em obras artísticas exigentes ou profundas. Os filhos podem trazer experiências que mudam sua vida, e você tende a protegê-los muito.)"},

    // ======================== Sixth House ========================

    // ---- Sun in the Sixth House ----
    {6, Sun, R"(Costumam ser trabalhadores muito determinados, mas podem ser muito exigentes.)"},

    // ---- Moon in the Sixth House ----
    {6, Moon, R"(Essas pessoas se sentem seguras quando são úteis e têm uma rotina a seguir. Muitas vezes trabalham em profissões de cuidado, enfermagem, alimentação ou atendimento ao público, e trocam de emprego com mais frequência do que a maioria. A saúde é sensível ao estado emocional, e a preocupação pode trazer problemas digestivos. São gentis com os colegas e gostam de animais de estimação.)"},

    // ---- Mercury in the Sixth House ----
    {6, Mercury, R"(Você tem uma mente prática, precisa e analítica, muito adequada a trabalhos minuciosos, contabilidade, pesquisa, revisão de textos ou funções técnicas. É eficiente e gosta de organizar as tarefas do dia. Pode se preocupar demais com a saúde e ler muito sobre dieta e medicina. A tensão nervosa é seu ponto fraco, por isso você precisa descansar bem.)"},

    // ---- Venus in the Sixth House ----
    {6, Venus, R"(Pessoas com Vênus aqui desfrutam de condições de trabalho agradáveis e de boas relações com os colegas. Trabalham bem com estética, moda, arte, alimentação ou qualquer função que traga harmonia aos outros, e podem conhecer um parceiro no trabalho. A saúde costuma ser boa, embora doces demais e comida pesada demais possam prejudicá-la.)"},

    // ---- Mars in the Sixth House ----
    {6, Mars, R"(Essas pessoas trabalham rápido e sem se cansar e podem realizar muito, mas ficam irritadas quando os outros são lentos. Conflitos com colegas ou funcionários são possíveis. Podem se sair bem na engenharia, na cirurgia, nas forças armadas ou no trabalho físico. São propensas a febres, inflamações e lesões causadas pelo excesso de trabalho.)"},

    // ---- Jupiter in the Sixth House ----
    {6, Jupiter, R"(Você provavelmente encontrará um trabalho agradável e gratificante e será querido por colegas e funcionários. É prestativo e disposto a servir, e pode trabalhar com medicina, direito, educação ou assistência social. Sua saúde costuma ser boa, embora o peso, a comida pesada ou o fígado possam exigir atenção na maturidade.)"},

    // ---- Saturn in the Sixth House ----
    {6, Saturn, R"(Essas pessoas são trabalhadoras conscienciosas, disciplinadas e confiáveis, mas o trabalho pode lhes parecer pesado ou mal recompensado. Levam a sério seus deveres e vencem pela persistência e pelo cuidado. A saúde precisa de atenção, sobretudo ossos, articulações, dentes e pele, e podem surgir problemas crônicos se elas se descuidarem.)"},

    // ---- Uranus in the Sixth House ----
    {6, Uranus, R"(Pessoas com Urano aqui precisam de independência e variedade no trabalho e detestam rotinas rígidas. Muitas vezes trocam de emprego de repente ou trabalham em áreas técnicas, científicas ou como autônomas, e gostam de introduzir métodos novos onde quer que estejam. A saúde pode sofrer com a tensão nervosa, e elas podem responder bem a tratamentos alternativos.)"},

    // ---- Neptune in the Sixth House ----
    {6, Neptune, R"(Essas pessoas gostam de servir e ajudar os outros e podem trabalhar em hospitais, instituições de caridade, nas artes ou na cura. A vida profissional pode ser confusa, com funções pouco claras ou colegas pouco confiáveis. A saúde é delicada, e podem reagir fortemente a remédios ou produtos químicos. Um diagnóstico cuidadoso é importante, pois os sintomas podem ser vagos ou difíceis de explicar.)"},

    // ---- Pluto in the Sixth House ----
    {6, Pluto, R"(Você trabalha com grande intensidade e pode promover reformas profundas em sua área. Pode se sentir atraído pela pesquisa, pela medicina, pela psicologia ou por trabalhos que lidam com crises e recuperação. Lutas de poder com colegas ou patrões são possíveis. Sua saúde pode passar por crises súbitas, mas você tem uma notável capacidade de regeneração.)"},

    // ======================== Seventh House ========================

    // ---- Sun in the Seventh House ----
    {7, Sun, R"(Essas pessoas encontram sua identidade por meio das parcerias e se sentem mais vivas em estreita cooperação com outra pessoa. O casamento é importante para elas, e podem escolher um parceiro orgulhoso, forte ou de destaque. Trabalham bem em sociedade e lidam facilmente com o público. Devem evitar depender demais da aprovação dos outros.)"},

    // ---- Moon in the Seventh House ----
    {7, Moon, R"(Você precisa de um parceiro que lhe dê apoio emocional e se sente incompleto quando está sozinho. Pode procurar alguém que cuide de você como um pai ou uma mãe, ou assumir esse papel. Suas relações podem ser instáveis, e você é sensível a cada mudança de humor do seu cônjuge. Lidar com o público é natural para você.)"},

    // ---- Mercury in the Seventh House ----
    {7, Mercury, R"(Pessoas com Mercúrio aqui procuram um parceiro inteligente, comunicativo e talvez mais jovem, e uma boa conversa é essencial no casamento. Têm talento para negociar, redigir contratos e atuar como intermediárias. Podem ter várias parcerias curtas antes de sossegar.)"},

    // ---- Venus in the Seventh House ----
    {7, Venus, R"(Esta é uma das melhores posições para o casamento. Essas pessoas são charmosas, diplomáticas e desejosas de harmonia, e costumam atrair um parceiro afetuoso e atraente. Podem se casar cedo ou ganhar financeiramente com o casamento. Saem-se bem em parcerias e relações públicas, embora possam evitar um confronto que é realmente necessário.)"},

    // ---- Mars in the Seventh House ----
    {7, Mars, R"(Essas pessoas atraem parceiros enérgicos e de vontade forte, e há muita paixão, mas também conflito, em seus relacionamentos. Podem se precipitar num casamento ou numa sociedade, e brigas, rivalidades ou processos são possíveis. Aprendem muito pelo confronto. Cooperação e paciência são as lições desta posição.)"},

    // ---- Jupiter in the Seventh House ----
    {7, Jupiter, R"(Você provavelmente terá um casamento feliz com um parceiro generoso, sábio ou próspero, e pode se beneficiar de parcerias tanto no amor quanto nos negócios. As pessoas gostam de trabalhar com você, e as questões jurídicas costumam se resolver a seu favor. O único perigo é esperar demais do parceiro ou ser confiante demais.)"},

    // ---- Saturn in the Seventh House ----
    {7, Saturn, R"(Essas pessoas levam o casamento muito a sério e podem se casar tarde, ou com um parceiro mais velho e mais maduro. Seus relacionamentos são estáveis, mas podem parecer frios ou pesados de obrigações. Atrasos e dificuldades na parceria são possíveis, mas os laços que formam tendem a durar. Aprendem pelo compromisso e pela responsabilidade.)"},

    // ---- Uranus in the Seventh House ----
    {7, Uranus, R"(Pessoas com Urano aqui precisam de muita liberdade nos relacionamentos e se sentem atraídas por parceiros incomuns e independentes. O casamento pode vir de repente e terminar de forma igualmente inesperada, e a separação ou o divórcio são prováveis se os dois não derem espaço um ao outro. Um relacionamento fora do convencional pode ser o que mais lhes convém.)"},

    // ---- Neptune in the Seventh House ----
    {7, Neptune, R"(Essas pessoas idealizam o parceiro e podem se decepcionar quando a realidade não corresponde ao sonho. Sentem-se atraídas por parceiros artísticos, espirituais ou que precisam de ajuda. Enganos ou confusões no casamento e nas sociedades comerciais são possíveis, por isso devem enxergar os outros com clareza e ler os contratos com atenção.)"},

    // ---- Pluto in the Seventh House ----
    {7, Pluto, R"(Você é atraído para relacionamentos intensos que o transformam. Seu parceiro pode ser poderoso, possessivo ou exercer profunda influência em sua vida, e lutas de poder e ciúme são possíveis. O casamento transforma você profundamente. Você também pode ser uma força poderosa na vida dos outros, nos negócios, no aconselhamento ou na negociação.)"},

    // ======================== Eighth House ========================

    // ---- Sun in the Eighth House ----
    {8, Sun, R"(Essas pessoas se sentem atraídas pelos mistérios da vida, da morte e do renascimento. Têm desejos fortes e uma natureza profunda e intensa, e podem ter sucesso em finanças, seguros, investigação, cirurgia ou psicologia. Podem se beneficiar de heranças ou do dinheiro do parceiro. Sua vida pode incluir grandes crises das quais saem renovadas.)"},

    // ---- Moon in the Eighth House ----
    {8, Moon, R"(Suas emoções são profundas, reservadas e intensas, e você pode se sentir atraído pelo oculto e por experiências psíquicas. Pode herdar de um dos pais, sobretudo da mãe, ou ganhar com os recursos de outras pessoas. Seu humor é muito afetado pelas relações íntimas, e você precisa de honestidade emocional do parceiro.)"},

    // ---- Mercury in the Eighth House ----
    {8, Mercury, R"(Pessoas com Mercúrio aqui têm uma mente investigativa e perscrutadora e gostam de desvendar mistérios. São muito indicadas para pesquisa, trabalho de detetive, contabilidade, impostos ou seguros, e se interessam por psicologia, vida após a morte e assuntos ocultos. Podem ter de lidar com testamentos, legados e a papelada do dinheiro alheio.)"},

    // ---- Venus in the Eighth House ----
    {8, Venus, R"(Essas pessoas podem ganhar com o casamento, com heranças ou com os recursos do parceiro, e o dinheiro muitas vezes chega a elas por meio dos outros. Sua natureza sexual é calorosa e sensual, e a intimidade importa muito; elas se sentem atraídas por relações profundas. Legados ou presentes podem trazer benefícios financeiros, e tradicionalmente sua morte é serena.)"},

    // ---- Mars in the Eighth House ----
    {8, Mars, R"(Essas pessoas têm uma natureza sexual forte e apaixonada e desejos ardentes. Disputas por dinheiro comum, heranças ou impostos são possíveis. São corajosas nas crises e podem trabalhar em cirurgia, resgate ou no serviço militar. Tradicionalmente esta posição alerta para o perigo de acidentes ou violência, por isso devem evitar riscos desnecessários.)"},

    // ---- Jupiter in the Eighth House ----
    {8, Jupiter, R"(Você provavelmente vai se beneficiar dos recursos de outras pessoas, por herança, pela riqueza do parceiro, por empréstimos ou investimentos. Sua atitude diante da morte e da perda é filosófica, e você pode ter talento para a psicologia ou os estudos espirituais. Tradicionalmente esta posição promete vida longa e um fim tranquilo.)"},

    // ---- Saturn in the Eighth House ----
    {8, Saturn, R"(Essas pessoas podem enfrentar dificuldades e atrasos com heranças, impostos, seguros ou finanças conjuntas. Podem ser cautelosas ou inibidas nas relações íntimas e demorar a confiar. Levam a sério a morte e a responsabilidade pelos recursos compartilhados. Tradicionalmente, considera-se que esta posição dá vida longa.)"},

    // ---- Uranus in the Eighth House ----
    {8, Uranus, R"(Pessoas com Urano aqui podem ver mudanças súbitas por meio do dinheiro dos outros, com heranças ou perdas inesperadas. Seu interesse por astrologia, ocultismo e assuntos psíquicos é forte. Sua atitude diante da intimidade é incomum e independente, e acontecimentos súbitos e imprevistos marcam as grandes transições de sua vida.)"},

    // ---- Neptune in the Eighth House ----
    {8, Neptune, R"(Essas pessoas têm sensibilidade psíquica e se sentem atraídas por assuntos místicos e espirituais, pela meditação ou pela mediunidade. Finanças conjuntas e heranças podem ser confusas ou envolver enganos, por isso precisam manter registros claros. Nas relações íntimas buscam uma união espiritual e se decepcionam com facilidade.)"},

    // ---- Pluto in the Eighth House ----
    {8, Pluto, R"(Plutão é forte nesta casa. Você tem grande profundidade, desejos intensos e uma compreensão natural do poder, dos motivos ocultos e da transformação. Pode lidar com grandes somas de dinheiro alheio ou trabalhar com pesquisa, psicologia ou medicina. Sua vida passa por ciclos de morte e renascimento em sentido simbólico.)"},

    // ======================== Ninth House ========================

    // ---- Sun in the Ninth House ----
    {9, Sun, R"(Essas pessoas buscam sentido e verdade na vida e se sentem atraídas pela filosofia, religião, direito, ensino superior e culturas estrangeiras. Muitas vezes viajam muito ou moram no exterior, e podem ter sucesso como professoras, advogadas, escritoras ou editoras. São idealistas e têm princípios firmes, mas devem evitar ser dogmáticas.)"},

    // ---- Moon in the Ninth House ----
    {9, Moon, R"(Você tem um espírito inquieto que anseia por viagens e novos horizontes, e se sente emocionalmente em casa entre pessoas de outras culturas. Suas visões religiosas e morais são muito marcadas pela sua criação e pela sua mãe. Aprende pelo sentimento e pela experiência mais do que pela teoria, e pode se estabelecer num país estrangeiro.)"},

    // ---- Mercury in the Ninth House ----
    {9, Mercury, R"(Pessoas com Mercúrio aqui têm uma mente filosófica e curiosa, ansiosa por entender o quadro geral. Sentem-se atraídas pelo ensino superior, pelos idiomas, pelo direito e pelo mercado editorial. Gostam de viajar e muitas vezes escrevem ou ensinam sobre o que viram no exterior. Suas crenças podem ser incoerentes, já que vivem mudando de opinião.)"},

    // ---- Venus in the Ninth House ----
    {9, Venus, R"(Essas pessoas amam viagens, arte e culturas estrangeiras, e podem encontrar a felicidade ou um parceiro no exterior ou nos estudos superiores. Suas crenças são refinadas, tolerantes e humanas. Apreciam a literatura, a filosofia e a beleza da arte religiosa, e se dão bem com os sogros. Podem ganhar com o comércio exterior ou a cultura.)"},

    // ---- Mars in the Ninth House ----
    {9, Mars, R"(Essas pessoas são apaixonadas por suas crenças e lutam por uma causa. Gostam de viagens de aventura, esportes no exterior e expedições. Suas opiniões são fortes, e podem entrar em choque com os outros por religião, política ou leis. Precisam aceitar que nem todos compartilham suas convicções.)"},

    // ---- Jupiter in the Ninth House ----
    {9, Jupiter, R"(Júpiter está em seu domicílio nesta casa. Você é otimista, generoso, tolerante e sábio, com profundo interesse por filosofia, religião e ensino superior. Provavelmente viajará muito e se beneficiará de contatos no exterior. Pode ter sucesso no direito, no ensino, no mercado editorial ou na vida religiosa, e é respeitado pelo seu discernimento.)"},

    // ---- Saturn in the Ninth House ----
    {9, Saturn, R"(Essas pessoas levam a religião e a filosofia a sério e podem ter crenças conservadoras e tradicionais. O ensino superior pode atrasar ou exigir muito esforço, mas elas se tornam estudiosas meticulosas. Viagens longas podem trazer dificuldades ou ser feitas por obrigação. Adquirem sabedoria aos poucos e são respeitadas por ela na maturidade.)"},

    // ---- Uranus in the Ninth House ----
    {9, Uranus, R"(Pessoas com Urano aqui têm visões progressistas e pouco convencionais e questionam a religião e a autoridade estabelecidas. Sentem-se atraídas por novas filosofias, pela astrologia e pela ciência. Viagens súbitas ou acontecimentos inesperados no exterior podem mudar sua vida. Podem brilhar no ensino superior, embora não gostem do ensino tradicional.)"},

    // ---- Neptune in the Ninth House ----
    {9, Neptune, R"(Essas pessoas têm crenças místicas e idealistas e se sentem atraídas pela espiritualidade, pela religião ou por filosofias exóticas. Podem viajar a lugares sagrados, ou pelo mar. Sua fé pode ser inspiradora, mas também podem ser enganadas por falsos mestres ou ideias vagas. Têm uma imaginação poética e a visão de um mundo melhor.)"},

    // ---- Pluto in the Ninth House ----
    {9, Pluto, R"(As pessoas aqui têm crenças muito morais e acreditam firmemente no poder da justiça. )"},

    // ======================== Tenth House ========================

    // ---- Sun in the Tenth House ----
    {10, Sun, R"(Essas pessoas são ambiciosas e querem chegar ao topo da área que escolheram. Têm autoridade natural, buscam reconhecimento público e muitas vezes têm sucesso na gestão, no governo ou em qualquer cargo de destaque. A reputação importa muito para elas. Um dos pais, muitas vezes o pai, tem forte influência na sua carreira.)"},

    // ---- Moon in the Tenth House ----
    {10, Moon, R"(Você provavelmente terá uma carreira pública e será conhecido por muita gente, talvez num trabalho ligado às mulheres, ao lar, à alimentação ou ao público em geral. Sua carreira pode mudar várias vezes, e sua popularidade pode subir e descer. Sua mãe pode ter tido grande influência nas suas ambições.)"},

    // ---- Mercury in the Tenth House ----
    {10, Mercury, R"(Pessoas com Mercúrio aqui constroem a carreira com inteligência e comunicação. Saem-se bem na escrita, no ensino, na mídia, no comércio, em viagens ou na administração, e são conhecidas por suas ideias. Podem ter mais de um emprego ou mudar de profissão. Planejam a carreira com cuidado e falam bem em público.)"},

    // ---- Venus in the Tenth House ----
    {10, Venus, R"(Essas pessoas são populares e queridas pelos superiores, e seu charme as ajuda a avançar na carreira. Podem trabalhar com arte, moda, beleza, entretenimento ou diplomacia. Sua imagem pública é agradável e atraente. O casamento pode elevar sua posição social ou ajudar a carreira.)"},

    // ---- Mars in the Tenth House ----
    {10, Mars, R"(Essas pessoas são ambiciosas, competitivas e movidas pelo desejo de vencer, e querem estar no comando. Trabalham duro e podem realizar grandes coisas nos negócios, nas forças armadas, na engenharia ou no esporte. Podem entrar em choque com chefes e autoridades, e sua carreira pode ser marcada por conflitos ou mudanças súbitas. Devem evitar fazer inimigos na subida.)"},

    // ---- Jupiter in the Tenth House ----
    {10, Jupiter, R"(Esta é uma posição muito afortunada para a carreira e a reputação. Você provavelmente alcançará uma posição elevada, receberá honrarias e terá o respeito do público. Pode ter sucesso no direito, na política, na educação, na religião ou em grandes organizações. Sua fama de honestidade e generosidade abre muitas portas.)"},

    // ---- Saturn in the Tenth House ----
    {10, Saturn, R"(Essas pessoas são muito ambiciosas e trabalham com paciência e sem descanso para chegar ao topo. O sucesso costuma vir tarde, depois de muitos anos de esforço e disciplina, mas tende a durar. Assumem grandes responsabilidades e são indicadas para cargos de autoridade. Devem se proteger de uma queda causada pelo orgulho ou pelo abuso de poder.)"},

    // ---- Uranus in the Tenth House ----
    {10, Uranus, R"(Pessoas com Urano aqui precisam de independência na carreira e não gostam de trabalhar sob as ordens dos outros. Podem mudar de carreira de repente ou trabalhar em áreas incomuns, como tecnologia, ciência, astrologia ou reforma social. A carreira pode ter altos e baixos inesperados, e muitas vezes se saem melhor como autônomas.)"},

    // ---- Neptune in the Tenth House ----
    {10, Neptune, R"(Essas pessoas podem ficar muito tempo inseguras quanto ao rumo da carreira, ou encontrar sua vocação na arte, na música, no cinema, na cura ou no trabalho espiritual. Sua imagem pública pode ser glamorosa ou misteriosa. Devem se proteger de escândalos ou enganos que possam prejudicar sua reputação, e precisam de metas claras.)"},

    // ---- Pluto in the Tenth House ----
    {10, Pluto, R"(Você tem um forte impulso de poder e influência na carreira e pode alcançar uma posição de grande autoridade. Pode trabalhar com política, pesquisa, medicina ou em grandes corporações, e é capaz de transformar as organizações em que atua. Sua carreira pode incluir mudanças drásticas e lutas de poder.)"},

    // ======================== Eleventh House ========================

    // ---- Sun in the Eleventh House ----
    {11, Sun, R"(Essas pessoas brilham em grupos, clubes e organizações, e muitas vezes se tornam líderes entre os amigos. Têm muitos amigos influentes e metas claras para o futuro. Podem atuar em causas sociais, e suas esperanças muitas vezes se realizam. Os ganhos vêm do trabalho e dos contatos.)"},

    // ---- Moon in the Eleventh House ----
    {11, Moon, R"(Você tem muitos amigos e conhecidos, sobretudo mulheres, e sua vida social é importante para o seu bem-estar emocional. Suas amizades podem mudar com frequência, assim como suas esperanças e desejos. Você pode se beneficiar do público ou de grupos que lhe dão um sentimento de pertencimento.)"},

    // ---- Mercury in the Eleventh House ----
    {11, Mercury, R"(Pessoas com Mercúrio aqui têm muitos amigos com quem trocam ideias e conversas animadas. Sentem-se atraídas por grupos intelectuais, sociedades e redes. Suas metas são racionais e bem planejadas, e os amigos as ajudam com conselhos e contatos úteis. A renda pode vir da escrita ou da comunicação.)"},

    // ---- Venus in the Eleventh House ----
    {11, Venus, R"(Essas pessoas são populares e têm muitos amigos leais e agradáveis, muitas vezes entre artistas. A vida social lhes traz alegria, e podem conhecer um parceiro por meio de amigos ou grupos. Seus desejos provavelmente se realizarão, e elas ganham com os contatos de amizade. São gentis e generosas com os amigos.)"},

    // ---- Mars in the Eleventh House ----
    {11, Mars, R"(Essas pessoas são ativas em grupos e organizações e muitas vezes assumem a liderança. Têm amigos enérgicos e ousados, mas também pode haver brigas ou rivalidades entre eles. Perseguem suas metas com vigor. Suas amizades podem terminar de repente por desentendimentos, por isso precisam de tato.)"},

    // ---- Jupiter in the Eleventh House ----
    {11, Jupiter, R"(Você tem a bênção de muitos amigos leais, generosos e influentes que o ajudam ao longo da vida. Suas esperanças e desejos muitas vezes se realizam, e você ganha bastante com seu trabalho e seus contatos sociais. Atua em grupos humanitários ou beneficentes e tem uma visão ampla do futuro.)"},

    // ---- Saturn in the Eleventh House ----
    {11, Saturn, R"(Essas pessoas têm poucos amigos, mas os que têm são leais, sérios e muitas vezes mais velhos. Podem se sentir isoladas em grupos ou assumir responsabilidades dentro das organizações. Suas esperanças se realizam devagar e com trabalho duro. Os ganhos vêm mais tarde na vida, mas duram.)"},

    // ---- Uranus in the Eleventh House ----
    {11, Uranus, R"(Urano está em seu domicílio nesta casa. Pessoas com esta posição têm amigos incomuns, brilhantes ou excêntricos e se sentem atraídas por grupos progressistas, pela ciência e por causas humanitárias. As amizades começam e terminam de repente. Suas metas são originais, e elas ganham com oportunidades inesperadas.)"},

    // ---- Neptune in the Eleventh House ----
    {11, Neptune, R"(Essas pessoas são idealistas quanto à amizade e podem se sentir atraídas por grupos espirituais, artísticos ou beneficentes. Podem ser enganadas por amigos ou dar mais do que recebem, e suas esperanças podem ser irrealistas. Precisam escolher os amigos com cuidado e manter as metas claras.)"},

    // ---- Pluto in the Eleventh House ----
    {11, Pluto, R"(Você tem amizades intensas que podem transformar sua vida, e pode se sentir atraído por grupos ou organizações poderosos. Quer influenciar a sociedade e pode ser uma força poderosa dentro de uma equipe. Lutas de poder em grupos são possíveis. Suas metas são ambiciosas e você as persegue com grande determinação.)"},

    // ======================== Twelfth House ========================

    // ---- Sun in the Twelfth House ----
    {12, Sun, R"(Essas pessoas muitas vezes trabalham nos bastidores e se sentem bem na solidão. Podem trabalhar em hospitais, prisões, pesquisa ou instituições de caridade. Têm uma rica vida interior e uma forte necessidade de crescimento espiritual. Podem ter pouca confiança ou esconder suas verdadeiras capacidades, e se saem melhor quando servem os outros em silêncio.)"},

    // ---- Moon in the Twelfth House ----
    {12, Moon, R"(Você é muito sensível, reservado e emotivo, e muitas vezes esconde seus sentimentos dos outros. Precisa de períodos regulares de retiro para recuperar o equilíbrio. É compassivo e pode trabalhar com cuidados ou em instituições. A primeira infância ou a relação com sua mãe pode ter deixado feridas emocionais ocultas.)"},

    // ---- Mercury in the Twelfth House ----
    {12, Mercury, R"(Pessoas com Mercúrio aqui pensam em silêncio e guardam muitos pensamentos para si. Têm intuição e imaginação fortes e podem escrever, pesquisar ou estudar em recolhimento. Podem ser tímidas para expressar suas ideias. Ansiedade nervosa ou preocupação podem ser um problema, e correspondências secretas são possíveis.)"},

    // ---- Venus in the Twelfth House ----
    {12, Venus, R"(Essas pessoas são compassivas e encontram prazer em assuntos tranquilos, ocultos ou privados. Podem ter casos de amor secretos, ou um romance que precisa ficar escondido. São bondosas com os necessitados e se realizam no trabalho beneficente, na arte ou na música. Apreciam a paz e a solidão.)"},

    // ---- Mars in the Twelfth House ----
    {12, Mars, R"(Essas pessoas muitas vezes reprimem a raiva e agem nos bastidores. Podem ter inimigos ocultos e trabalhar em segredo pelas suas metas. Sua energia é mais bem aplicada em pesquisa, hospitais ou trabalho beneficente. Devem evitar atitudes que se voltam contra elas mesmas e aprender a expressar abertamente seus desejos.)"},

    // ---- Jupiter in the Twelfth House ----
    {12, Jupiter, R"(Você tem uma proteção oculta, e nos momentos de necessidade a ajuda muitas vezes chega de fontes inesperadas. É generoso, caridoso e espiritual, e encontra felicidade no serviço e na solidão. Pode trabalhar em hospitais, instituições religiosas ou de caridade, e está protegido de danos graves.)"},

    // ---- Saturn in the Twelfth House ----
    {12, Saturn, R"(Essas pessoas podem se sentir sozinhas, limitadas ou sobrecarregadas por medos e responsabilidades ocultos, e muitas vezes trabalham em instituições ou nos bastidores. Precisam enfrentar suas angústias internas e aprender a confiar na vida. Com paciência desenvolvem grande força interior e sabedoria. Problemas crônicos de saúde podem exigir cuidados hospitalares.)"},

    // ---- Uranus in the Twelfth House ----
    {12, Uranus, R"(Pessoas com Urano aqui têm intuições súbitas e percepção do inconsciente. Podem ter interesses secretos e pouco convencionais e viver acontecimentos súbitos e ocultos. Precisam de períodos de retiro e liberdade. Sua originalidade pode permanecer escondida, e a psicologia ou a prática espiritual lhes fazem bem.)"},

    // ---- Neptune in the Twelfth House ----
    {12, Neptune, R"(Netuno está em seu domicílio nesta casa. Essas pessoas são profundamente espirituais, intuitivas e compassivas, e têm forte necessidade de recolhimento, meditação e retiro. Podem trabalhar em hospitais, mosteiros ou instituições de caridade. São muito sensíveis e devem evitar a fuga da realidade, o álcool e as drogas. Sua vida interior é rica e cheia de sonhos.)"},

    // ---- Pluto in the Twelfth House ----
    {12, Pluto, R"(Você tem uma força oculta profunda e grande percepção psicológica. Pode trabalhar com pesquisa, psicologia ou investigação, muitas vezes em segredo. Seu inconsciente guarda forças poderosas que precisam ser enfrentadas e transformadas. Você pode ter inimigos ocultos, mas também o poder de superar grandes dificuldades.)"},
};
// clang-format on

static_assert(std::size(kEntries) == std::size_t{kHouseCount} * kReportPlanetCount,
              "one text for every planet in every house");

// True when every (house, planet) pair has exactly one entry and every key is
// in range, so the table built below has no gap and no text is overwritten.
constexpr bool everyPairExactlyOnce() {
    std::array<std::array<int, kReportPlanetCount>, kHouseCount + 1> seen{};
    for (const PlanetInHouseEntry& entry : kEntries) {
        if (entry.house < 1 || entry.house > kHouseCount || indexOf(entry.planet) >= kPlanetCount ||
            entry.text.empty())
            return false;
        if (++seen[entry.house][indexOf(entry.planet)] != 1)
            return false;
    }
    return true;
}
static_assert(everyPairExactlyOnce(), "each planet-in-house pair must appear exactly once");

constexpr PlanetInHouseTable buildTable() {
    PlanetInHouseTable table{};
    for (const PlanetInHouseEntry& entry : kEntries)
        table[entry.house][indexOf(entry.planet)] = entry.text;
    return table;
}

} // namespace

constexpr PlanetInHouseTable kPlanetInHouseTexts = buildTable();

} // namespace orbenza::texts::pt_BR
