// The aspect texts in Spanish.
//
// A translation of the English table in the parent folder, with the same keys
// in the same order. Each paragraph stays on a single line, has as many
// sentences as its English original (two to four) and differs from every
// other one.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::es {
namespace {

using enum Body;
using enum AspectFamily;

// clang-format off
constexpr AspectTextEntry kEntries[] = {

    // ======================== Sun ========================

    // ---- Sun and Moon ----
    {Sun, Moon, Conjunction, R"(Nacidas cerca de la Luna nueva, estas personas tienen un propósito único: lo que quieren y lo que necesitan tiran en la misma dirección. Persiguen sus metas con una energía entregada y rara vez les inquieta la duda interior. Esa misma unidad puede hacer que les cueste verse desde fuera o comprender a quienes están hechos de otra manera.)"},
    {Sun, Moon, Harmonious, R"(Su voluntad y sus sentimientos colaboran, lo que le da un equilibrio interior sereno y una tranquila confianza en sí mismo. Se lleva bien con los demás, y su vida familiar tiende a apoyar sus ambiciones en lugar de estorbarlas. La salud y la vitalidad suelen ser buenas, y se recupera pronto de los contratiempos.)"},
    {Sun, Moon, Challenging, R"(Estas personas sienten a menudo que la cabeza y el corazón quieren cosas distintas, y pueden oscilar entre uno y otro. La tensión puede remontarse a diferencias entre los padres vividas en los primeros años. Cuando aprenden a escuchar ambos lados de su naturaleza, esa inquietud se convierte en empuje y en una honda comprensión del conflicto humano.)"},

    // ---- Sun and Mercury ----
    {Sun, Mercury, Conjunction, R"(La mente y el sentido del yo están muy unidos, de modo que estas personas se identifican mucho con sus propias ideas y opiniones. Piensan y hablan con convicción y a menudo tienen don para hacerse entender. Cuando la conjunción es muy estrecha, les puede costar oír críticas a sus opiniones sin tomárselas como algo personal.)"},
    {Sun, Mercury, Harmonious, R"(Usted se expresa con claridad, y su pensamiento sirve bien a sus propósitos. Aprender le resulta fácil, y sabe explicar lo que quiere de un modo que los demás aceptan. Su mente se mantiene viva y práctica toda la vida.)"},
    {Sun, Mercury, Challenging, R"(Estas personas pueden sentir que sus palabras nunca dicen del todo lo que quieren decir, o que sus planes y su verdadero propósito apuntan en direcciones distintas. Tienden a defender su postura con demasiada vehemencia y pueden ponerse nerviosas bajo presión. Con práctica, el roce afila el intelecto y les da talento para el debate.)"},

    // ---- Sun and Venus ----
    {Sun, Venus, Conjunction, R"(Las personas con esta conjunción tienen encanto, calidez y un amor por la belleza que se nota en su aspecto y en su entorno. Son afectuosas y quieren caer bien, y normalmente lo consiguen. Muchas tienen talento artístico, aunque pueden ser demasiado amantes de la comodidad y rehuir las decisiones difíciles.)"},
    {Sun, Venus, Harmonious, R"(Usted tiene un carácter amable y agradable y un don para que los demás se sientan a gusto. El amor, la amistad y las artes le dan mucha felicidad, y la ayuda le llega a menudo a través de sus relaciones sociales. Tiene buen gusto y sabe disfrutar de la vida.)"},
    {Sun, Venus, Challenging, R"(Estas personas desean amor y admiración, pero pueden sentir que el cariño no les llega en la forma que esperan. Pueden gastar de más en placeres o esforzarse demasiado por agradar. Cuando aprenden a valorarse sin esperar la aprobación ajena, aflora el verdadero encanto de este aspecto.)"},

    // ---- Sun and Mars ----
    {Sun, Mars, Conjunction, R"(Estas personas están llenas de energía, valor y fuerza de voluntad, y van tras lo que quieren sin dudar. Son competidoras natas a las que les encanta un reto, y a menudo destacan en el deporte o en trabajos que exigen esfuerzo físico. Tienen un genio vivo, y deben aprender que no toda situación pide pelea.)"},
    {Sun, Mars, Harmonious, R"(Usted tiene mucha vitalidad y el valor de actuar según sus convicciones. Trabaja duro, se recupera rápido y le gusta tomar la iniciativa, y los demás respetan su franqueza. Como su energía va adonde usted la dirige, sus esfuerzos suelen dar fruto.)"},
    {Sun, Mars, Challenging, R"(Las personas con este aspecto tienen un fuerte empuje, pero pueden malgastarlo en peleas, impaciencia o acciones precipitadas. Pueden ser combativas y tienden a provocar oposición, sobre todo de quienes tienen autoridad. Cuando aprenden a dosificarse, tienen una resistencia enorme y pueden lograr mucho a fuerza de pura determinación.)"},

    // ---- Sun and Jupiter ----
    {Sun, Jupiter, Conjunction, R"(Es una conjunción afortunada que da generosidad, optimismo y una visión amplia de la vida. Estas personas son seguras y cálidas, y atraen con facilidad ayuda y oportunidades. Su principal peligro es el exceso: demasiada confianza, demasiado gasto y prometer más de lo que pueden cumplir.)"},
    {Sun, Jupiter, Harmonious, R"(Usted tiene un carácter alegre y esperanzado y un fuerte sentido de la justicia y del juego limpio. La buena suerte suele llegar en el momento oportuno, y tiende a ser respetado y apreciado. El estudio, los viajes y la búsqueda de sentido amplían su vida y le traen éxito.)"},
    {Sun, Jupiter, Challenging, R"(Estas personas son generosas y ambiciosas, pero propensas a excederse, esperando demasiado de la vida o de sí mismas. Pueden ser derrochadoras, engreídas o descuidadas con los detalles. Cuando mantienen metas realistas, su entusiasmo y su fe las llevan muy lejos.)"},

    // ---- Sun and Saturn ----
    {Sun, Saturn, Conjunction, R"(Estas personas son serias, responsables y disciplinadas, y a menudo cargan con deberes pesados desde muy jóvenes. Quizá sintieron falta de calor o de reconocimiento, sobre todo por parte del padre, y pueden ser muy duras consigo mismas. El éxito llega despacio pero dura, porque construyen sobre terreno firme.)"},
    {Sun, Saturn, Harmonious, R"(Usted es paciente, práctico y fiable, y sabe trabajar con constancia hacia metas a largo plazo. Los demás le confían responsabilidades, y su carrera tiende a ascender poco a poco hasta una posición respetada. Envejece bien y a menudo gana confianza con los años.)"},
    {Sun, Saturn, Challenging, R"(Las personas con este aspecto encuentran obstáculos, retrasos y dudas sobre sí mismas, y pueden sentir que la vida les exige más que a los demás. Padres, jefes y funcionarios pueden parecer cerrarles el paso, y el miedo al fracaso puede frenarlas. Con perseverancia adquieren una disciplina y una fortaleza que las vidas más fáciles nunca desarrollan.)"},

    // ---- Sun and Uranus ----
    {Sun, Uranus, Conjunction, R"(Estas personas son originales, independientes y a menudo adelantadas a su tiempo. Necesitan libertad para vivir a su manera y reaccionan con fuerza ante cualquier intento de limitarlas. Su vida está marcada por cambios repentinos, y muchas tienen talento para la ciencia, la invención o todo lo nuevo.)"},
    {Sun, Uranus, Harmonious, R"(Usted tiene una mente inventiva y el valor de seguir su propio camino. Las ideas nuevas le llegan con facilidad, y puede provocar cambios sin causar trastornos innecesarios. Los amigos, los grupos y las personas afines tienen un papel importante en su éxito.)"},
    {Sun, Uranus, Challenging, R"(Estas personas son inquietas y rebeldes, y pueden dejar de golpe un empleo, un hogar o una relación cuando se sienten encerradas. Su vida puede estar llena de sobresaltos y choques con la autoridad. Su don es la originalidad, y cuando aprenden a trabajar con los demás y no contra ellos pueden ser verdaderos reformadores.)"},

    // ---- Sun and Neptune ----
    {Sun, Neptune, Conjunction, R"(Las personas con esta conjunción son sensibles, imaginativas e idealistas, con una fuerte afinidad por la música, el arte o el lado espiritual de la vida. Su sentido de quiénes son puede ser difuso, y les puede costar defenderse. Deben guardarse del autoengaño y de quienes quieran aprovecharse de su bondad.)"},
    {Sun, Neptune, Harmonious, R"(Usted tiene una imaginación rica y una naturaleza compasiva, y responde profundamente al arte, la música y la belleza. Su intuición es buena, y puede inspirar a otros con sus ideales. Le convienen el trabajo creativo, sanador y benéfico.)"},
    {Sun, Neptune, Challenging, R"(Estas personas pueden no tener claros sus propios fines y se dejan desviar fácilmente por ilusiones, halagos o el deseo de evadirse. Pueden idealizar a otros y luego sentirse engañadas cuando sale a la luz la verdad. Deben mantener los pies en la tierra en cuestiones de dinero y salud, y tener cuidado con el alcohol y las drogas.)"},

    // ---- Sun and Pluto ----
    {Sun, Pluto, Conjunction, R"(Estas personas tienen una enorme fuerza de voluntad, intensidad y la necesidad de ser dueñas de su destino. Atraviesan transformaciones profundas en la vida, a menudo tras una crisis, y salen de cada una más fuertes. Pueden ser líderes formidables, pero deben usar su poder con sabiduría y no intentar dominar a los demás.)"},
    {Sun, Pluto, Harmonious, R"(Usted tiene una gran fuerza interior y la capacidad de renovarse tras las dificultades. Puede trabajar con una concentración intensa y no se desanima fácilmente una vez que ha tomado una decisión. Los puestos de influencia le llegan con naturalidad, y puede usarlos para lograr cambios reales.)"},
    {Sun, Pluto, Challenging, R"(Las personas con este aspecto se ven arrastradas a luchas de poder, sobre todo con la autoridad, y pueden estar movidas por una feroz necesidad de imponerse. Su vida trae convulsiones que las obligan a soltar y empezar de nuevo. Cuando dirigen esa intensidad a dominarse a sí mismas en lugar de a otros, se vuelven extraordinariamente resistentes.)"},

    // ---- Sun and Ascendant ----
    {Sun, Ascendant, Conjunction, R"(El Sol en el Ascendente da una personalidad cálida e imponente y un aire natural de autoridad. Estas personas son seguras, orgullosas y no pasan desapercibidas, y les gusta que se las vea tal como son. La salud y la vitalidad suelen ser buenas, aunque pueden ser algo egocéntricas.)"},
    {Sun, Ascendant, Harmonious, R"(Usted se presenta con calidez y confianza, y los demás ven enseguida sus buenas cualidades. Su propósito vital concuerda con su manera de salir al mundo, lo que le hace fácil de comprender y de creer. Su personalidad brilla en todo lo que hace.)"},
    {Sun, Ascendant, Challenging, R"(Estas personas pueden sentir que la imagen que muestran al mundo no encaja con quienes son de verdad, o pueden buscar su propia luz en la pareja. Las relaciones pueden traer choques de voluntad, sobre todo con personas tan fuertes como ellas. Encontrar la manera de expresar abiertamente su verdadero yo les da sosiego y reconocimiento.)"},

    // ---- Sun and Midheaven ----
    {Sun, Midheaven, Conjunction, R"(El Sol en lo alto de la carta indica ambición, un papel público y el deseo de ser reconocido por los propios logros. A estas personas les atraen los puestos de mando y a menudo triunfan en su carrera. Pueden identificarse tanto con su trabajo que la vida privada queda en segundo plano.)"},
    {Sun, Midheaven, Harmonious, R"(Su carrera y su sentido de propósito se apoyan mutuamente, así que es probable que encuentre un trabajo que le convenga. Sus superiores le respetan, y el reconocimiento llega sin que tenga que forzarlo. Su reputación tiende a crecer de forma constante a lo largo de la vida.)"},
    {Sun, Midheaven, Challenging, R"(Estas personas pueden sentirse divididas entre sus metas personales y las exigencias de la carrera, el hogar o la familia. Pueden encontrar oposición de sus superiores o luchar por el reconocimiento que creen merecer. Una vez que saben con claridad lo que quieren, su empuje las lleva a una posición respetada.)"},

    // ======================== Moon ========================

    // ---- Moon and Mercury ----
    {Moon, Mercury, Conjunction, R"(Estas personas piensan con los sentimientos y recuerdan todo lo que les ha tocado emocionalmente. Son rápidas, habladoras y receptivas, con buena memoria y un don para intuir lo que los demás quieren oír. Sus opiniones pueden cambiar con su estado de ánimo.)"},
    {Moon, Mercury, Harmonious, R"(Usted pone en palabras sus sentimientos con facilidad, y su sentido común es sólido. Sabe escuchar con empatía, es un comunicador nato y aprende bien de la experiencia. Le convienen la escritura, la enseñanza o el trabajo con el público.)"},
    {Moon, Mercury, Challenging, R"(Las personas con este aspecto pueden notar que la razón y el sentimiento no se ponen de acuerdo, lo que las vuelve cambiantes, nerviosas o propensas a preocuparse. Cuando están ansiosas hablan demasiado o dicen cosas de las que luego se arrepienten. Aprender a pararse antes de hablar convierte su mente rápida y sensible en una verdadera ventaja.)"},

    // ---- Moon and Venus ----
    {Moon, Venus, Conjunction, R"(Esta conjunción da una naturaleza dulce, afectuosa y sociable y el gusto por la comodidad y la belleza. Estas personas son amables y queridas, y crean un hogar agradable y acogedor. Pueden hacer lo imposible por evitar lo desagradable y tienden a darse caprichos, sobre todo con la comida y los dulces.)"},
    {Moon, Venus, Harmonious, R"(Usted tiene un corazón cálido y un encanto natural, y la gente se siente cómoda en su compañía. Su vida familiar y sus relaciones tienden a ser armoniosas, y las mujeres suelen ayudarle. Tiene gusto artístico y disfruta de los entornos bellos.)"},
    {Moon, Venus, Challenging, R"(Estas personas anhelan afecto, pero pueden sentir que el amor no se les devuelve con la plenitud con que lo dan. Pueden ser complacientes consigo mismas, gastar de más en comodidades o buscar consuelo en los placeres. El equilibrio llega cuando aprenden a darse a sí mismas el cuidado que tan fácilmente dan a los demás.)"},

    // ---- Moon and Mars ----
    {Moon, Mars, Conjunction, R"(Estas personas tienen emociones fuertes y rápidas y reaccionan al instante ante lo que les afecta. Son valientes y protectoras con quienes aman, pero se enfadan con facilidad. Bien encauzada, su energía las convierte en trabajadoras incansables por las personas y las causas que les importan.)"},
    {Moon, Mars, Harmonious, R"(Usted tiene valor emocional y energía para actuar según lo que siente. Es franco y entusiasta, rápido en defender a los demás y en reponerse de las decepciones. Su determinación le ayuda a sacar adelante las cosas, en casa y en el trabajo.)"},
    {Moon, Mars, Challenging, R"(Las personas con este aspecto son impulsivas y se irritan con facilidad, y su humor puede estallar en peleas, a menudo en casa. Tienden a actuar primero y arrepentirse después. La actividad física y hablar con franqueza de lo que sienten les ayudan a liberar la tensión antes de que explote.)"},

    // ---- Moon and Jupiter ----
    {Moon, Jupiter, Conjunction, R"(Estas personas son generosas, bondadosas y optimistas, y su buen humor las hace populares. A menudo disfrutan de un hogar cómodo y de la protección de su familia. Deben vigilar la tendencia a comer en exceso o a ser demasiado indulgentes consigo mismas.)"},
    {Moon, Jupiter, Harmonious, R"(Usted tiene una naturaleza benévola y comprensiva y una fe en la vida que le sostiene en los momentos difíciles. Los demás se sienten atraídos por su calidez y a menudo le ayudan a cambio. El hogar, la familia y los viajes le dan mucha felicidad.)"},
    {Moon, Jupiter, Challenging, R"(Estas personas son cálidas y generosas, pero tienden al exceso, ya sea en los sentimientos, la comida o el gasto. Pueden prometer más de lo que pueden dar o esperar demasiado de los demás. Aprender la moderación convierte su gran corazón en una verdadera fuente de buena suerte.)"},

    // ---- Moon and Saturn ----
    {Moon, Saturn, Conjunction, R"(Estas personas mantienen sus sentimientos bajo un firme control y les puede costar mostrar afecto o aceptarlo. Sus primeros años pudieron estar marcados por la responsabilidad, la soledad o una madre distante o agobiada. Son leales, fiables y pacientes, y el calor que aprenden a mostrar más adelante es profundo y duradero.)"},
    {Moon, Saturn, Harmonious, R"(Usted es emocionalmente estable, sensato y fiable, y se toma en serio sus deberes con la familia. Maneja los asuntos prácticos con calma y mantiene la cabeza fría en una crisis. Su lealtad le convierte en un amigo y una pareja de confianza.)"},
    {Moon, Saturn, Challenging, R"(Las personas con este aspecto pueden sufrir soledad, pesimismo o la sensación de no ser suficientemente queridas. Pueden ponerse a la defensiva y tardar en confiar, y las cargas familiares pueden pesarles durante años. Con el tiempo aprenden a cuidarse y alcanzan una gran madurez emocional.)"},

    // ---- Moon and Uranus ----
    {Moon, Uranus, Conjunction, R"(Estas personas tienen una naturaleza emocional insólita e independiente y necesitan mucha libertad. Su humor cambia de repente, y les atrae lo nuevo y lo poco convencional. La vida familiar puede ser irregular, con mudanzas frecuentes o sucesos inesperados.)"},
    {Moon, Uranus, Harmonious, R"(Usted es intuitivo, inventivo y de mente abierta, y responde con rapidez a las situaciones nuevas. Hace amigos con facilidad y disfruta de la variedad en su vida diaria. Su forma original de sentir ayuda a los demás a ver lo familiar con otros ojos.)"},
    {Moon, Uranus, Challenging, R"(Las personas con este aspecto son inquietas y emocionalmente imprevisibles, y pueden abandonar relaciones u hogares sin previo aviso. Ansían emociones fuertes, pero la intimidad les resulta difícil. Aprender a combinar libertad y compromiso les da la estabilidad que en secreto desean.)"},

    // ---- Moon and Neptune ----
    {Moon, Neptune, Conjunction, R"(Estas personas son extremadamente sensibles, receptivas e imaginativas, y captan los sentimientos ajenos casi sin proponérselo. Son compasivas, artísticas y a menudo tienen dotes psíquicas. Necesitan protección frente a los entornos duros y deben cuidar de no perderse en sueños o en los problemas de otros.)"},
    {Moon, Neptune, Harmonious, R"(Usted tiene una naturaleza dulce y comprensiva y una fuerte intuición. La música, la poesía y las artes le conmueven profundamente, y puede tener verdaderos dones creativos propios. Es un ayudante nato y consuela a los demás con facilidad.)"},
    {Moon, Neptune, Challenging, R"(Las personas con este aspecto pueden sentirse confusas emocionalmente, ser fáciles de engañar o tender a huir de la realidad cuando la vida se pone difícil. Su pronta compasión puede convertirlas en víctimas de quienes se aprovechan. Deben evitar el alcohol y las drogas y mantener límites claros en sus relaciones.)"},

    // ---- Moon and Pluto ----
    {Moon, Pluto, Conjunction, R"(Estas personas lo sienten todo con intensidad y tienen emociones profundas, a veces compulsivas. Protegen ferozmente a quienes aman y pueden ser posesivas o celosas. A menudo atraviesan crisis emocionales que las cambian por completo y las dejan más sabias.)"},
    {Moon, Pluto, Harmonious, R"(Usted tiene profundidad emocional, perspicacia y fuerza para afrontar los sentimientos difíciles. Comprende los motivos ocultos de la gente y puede ayudar a otros a atravesar una crisis. Su capacidad de renovarse emocionalmente es notable.)"},
    {Moon, Pluto, Challenging, R"(Las personas con este aspecto pueden ser emocionalmente extremas y luchar con los celos, el resentimiento o la necesidad de controlar a sus allegados. El vínculo con la madre, o el ambiente familiar, pudo ser difícil. Afrontar con honestidad sus sentimientos transforma esta intensidad en una gran fortaleza psicológica.)"},

    // ---- Moon and Ascendant ----
    {Moon, Ascendant, Conjunction, R"(La Luna en el Ascendente da una personalidad sensible y cambiante cuyos estados de ánimo están a la vista de todos. Estas personas son maternales y accesibles, y los desconocidos se confían a ellas con facilidad. Reaccionan mucho a su entorno y necesitan un hogar tranquilo para sentirse bien.)"},
    {Moon, Ascendant, Harmonious, R"(Usted muestra sus sentimientos con naturalidad, y la gente le encuentra accesible y comprensivo. Se adapta con facilidad a su entorno y tiene buen instinto para lo que necesitan los demás. El hogar y la familia son una parte importante de su forma de presentarse.)"},
    {Moon, Ascendant, Challenging, R"(Estas personas pueden sentir que sus necesidades interiores chocan con la conducta que se espera de ellas, o pueden buscar en la pareja la seguridad que no saben darse. Su estado de ánimo tiñe mucho sus relaciones. Les beneficia aprender a atender primero sus propias necesidades emocionales.)"},

    // ---- Moon and Midheaven ----
    {Moon, Midheaven, Conjunction, R"(La Luna cerca del Medio Cielo trae implicación emocional en la carrera y una vida a la vista del público. Estas personas pueden trabajar con el público, con mujeres, con la alimentación, los inmuebles o en profesiones de cuidado. Su posición puede subir y bajar, y pueden cambiar de carrera varias veces.)"},
    {Moon, Midheaven, Harmonious, R"(Su vida familiar y su carrera se apoyan mutuamente, y puede triunfar en un trabajo que sirva o cuide a las personas. El público le responde con calidez. Su madre o su familia suelen ayudarle en los primeros años de su carrera.)"},
    {Moon, Midheaven, Challenging, R"(Estas personas pueden sentirse divididas entre las exigencias del hogar y las de la carrera. Sus emociones privadas pueden afectar a su reputación, y pueden cambiar de rumbo a menudo. Cuando encuentran un trabajo que satisface sus necesidades emocionales, se asientan y triunfan.)"},

    // ======================== Mercury ========================

    // ---- Mercury and Venus ----
    {Mercury, Venus, Conjunction, R"(Estas personas hablan con gracia y piensan con gusto y tacto. A menudo tienen talento para la escritura, la poesía, la música o el diseño, y son una compañía agradable. Prefieren la diplomacia al enfrentamiento y pueden evitar decir verdades desagradables.)"},
    {Mercury, Venus, Harmonious, R"(Usted se expresa con encanto y tiene el don de encontrar la palabra justa en el momento justo. Su vida social es animada, y puede ganar dinero con la escritura, el arte o cualquier trabajo con palabras. Es un pacificador nato entre amigos y compañeros.)"},
    {Mercury, Venus, Challenging, R"(Las personas con este aspecto pueden decir lo que los demás quieren oír en lugar de lo que de verdad piensan, o dejar que el afecto nuble su juicio. Pueden parecer superficiales o indecisas. La expresión sincera da verdadera sustancia a su encanto natural.)"},

    // ---- Mercury and Mars ----
    {Mercury, Mars, Conjunction, R"(Estas personas tienen una mente aguda, rápida y combativa, y les encanta una buena discusión. Hablan con franqueza, deciden deprisa y defienden sus ideas con vigor. Sus palabras pueden herir, y las críticas descuidadas pueden crearles enemigos.)"},
    {Mercury, Mars, Harmonious, R"(Usted piensa con rapidez y pone en práctica sus ideas con energía. Es decidido, práctico y persuasivo, y destaca en el debate, en el trabajo técnico o dondequiera que se necesite pensar rápido. Su resistencia mental es considerable.)"},
    {Mercury, Mars, Challenging, R"(Las personas con este aspecto tienen un hablar irascible y pueden discutir por el gusto de discutir. Tienden a ser impacientes y precipitadas en sus juicios y pueden sufrir tensión nerviosa. Cuando aprenden a templar sus palabras, se convierten en oradores y escritores contundentes.)"},

    // ---- Mercury and Jupiter ----
    {Mercury, Jupiter, Conjunction, R"(Estas personas tienen una mente amplia y optimista y aman el saber, los viajes y las grandes ideas. A menudo son buenos profesores, escritores u oradores. Su debilidad es la tendencia a pasar por alto los detalles o a prometer demasiado.)"},
    {Mercury, Jupiter, Harmonious, R"(Usted tiene un juicio sólido, una mente generosa y talento para ver el conjunto. El estudio, la edición, el derecho y los viajes pueden traerle éxito. La gente confía en sus opiniones y acude a usted en busca de consejo.)"},
    {Mercury, Jupiter, Challenging, R"(Estas personas tienen muchas ideas, pero pueden exagerar, dispersar sus energías o descuidar los detalles. Su juicio puede ser descuidado, y pueden hablar más de lo que hacen. La disciplina en el estudio convierte su mente amplia en verdadera sabiduría.)"},

    // ---- Mercury and Saturn ----
    {Mercury, Saturn, Conjunction, R"(Estas personas piensan con seriedad y cuidado, con buena concentración y una mente práctica y metódica. Pueden tardar en hablar y ser tímidas de jóvenes, pero lo que dicen está bien meditado. Pueden tender a preocuparse o a ver el lado oscuro de las cosas.)"},
    {Mercury, Saturn, Harmonious, R"(Usted tiene una mente disciplinada y ordenada y la paciencia para el trabajo cuidadoso y exacto. Planifica bien, recuerda lo que aprende y habla con autoridad. Le convienen la ciencia, las matemáticas, la contabilidad y la administración.)"},
    {Mercury, Saturn, Challenging, R"(Las personas con este aspecto pueden haber tenido dificultades en la escuela o haber sentido que no se tomaban en serio sus ideas. Pueden ser pesimistas, rígidas o ansiosas en su forma de pensar. Con perseverancia desarrollan una gran disciplina y profundidad mental.)"},

    // ---- Mercury and Uranus ----
    {Mercury, Uranus, Conjunction, R"(Estas personas tienen una mente brillante, original y muy rápida. Captan las ideas de forma intuitiva, adoran la tecnología nueva y piensan de manera poco convencional. Pueden ser muy nerviosas e impacientes con las mentes más lentas.)"},
    {Mercury, Uranus, Harmonious, R"(Usted tiene una mente inventiva y destellos de lucidez que los demás encuentran inspiradores. Le atraen la ciencia, la informática, la astrología o la reforma, y aprende muy deprisa. Su pensamiento es independiente y a menudo se adelanta a su tiempo.)"},
    {Mercury, Uranus, Challenging, R"(Las personas con este aspecto piensan muy rápido, pero pueden ser erráticas, faltas de tacto o llevar la contraria por sistema. Pueden saltar de una idea a otra sin terminar nada y sufrir tensión nerviosa. Bien encauzada, su originalidad puede conducir a verdaderos descubrimientos.)"},

    // ---- Mercury and Neptune ----
    {Mercury, Neptune, Conjunction, R"(Estas personas tienen una mente poética, imaginativa e intuitiva. Piensan en imágenes y pueden tener dotes para la música, la poesía o las artes visuales. Pueden ser vagas y olvidadizas, y a veces les cuesta separar la realidad de la fantasía.)"},
    {Mercury, Neptune, Harmonious, R"(Usted tiene una imaginación fina y talento para expresar sentimientos sutiles con palabras o imágenes. Su intuición es fuerte, y pueden atraerle los estudios místicos o espirituales. Le convienen la escritura, el arte, la fotografía y el cine.)"},
    {Mercury, Neptune, Challenging, R"(Las personas con este aspecto pueden ser confusas, distraídas o fáciles de engañar, y deben tener cuidado con los contratos y los documentos. Pueden contar historias que difuminan la verdad, a veces sin darse cuenta. La disciplina mental les ayuda a convertir su imaginación en dones creativos.)"},

    // ---- Mercury and Pluto ----
    {Mercury, Pluto, Conjunction, R"(Estas personas tienen una mente penetrante e investigadora que llega al fondo de las cosas. Se les dan bien la investigación, el análisis y el descubrimiento de secretos, y sus palabras tienen peso. Pueden ser reservadas y obstinadas en sus opiniones.)"},
    {Mercury, Pluto, Harmonious, R"(Usted tiene profundidad mental, una percepción aguda y la capacidad de concentrarse intensamente. Le convienen la investigación, la psicología y las pesquisas, y sus palabras pueden persuadir y cambiar a los demás. No es fácil engañarle.)"},
    {Mercury, Pluto, Challenging, R"(Las personas con este aspecto pueden ser obsesivas en su pensamiento, suspicaces o avasalladoras en la discusión. Pueden intentar imponer sus opiniones a otros o guardar secretos que les pesan. Cuando usan su perspicacia con honestidad, se convierten en investigadores y consejeros sobresalientes.)"},

    // ---- Mercury and Ascendant ----
    {Mercury, Ascendant, Conjunction, R"(Mercurio en el Ascendente da una personalidad rápida, curiosa y habladora. Estas personas parecen despiertas y juveniles y disfrutan intercambiando ideas con todo el que encuentran. Sus manos y sus ojos rara vez están quietos, y el aburrimiento es lo que más temen.)"},
    {Mercury, Ascendant, Harmonious, R"(Usted se expresa bien, y los demás le ven inteligente y fácil de tratar. Causa una buena primera impresión con sus palabras y se adapta rápido a la gente nueva. Su mente es su mejor herramienta para tratar con el mundo.)"},
    {Mercury, Ascendant, Challenging, R"(Estas personas pueden notar que su manera de hablar se malinterpreta, o pueden discutir mucho con parejas y socios. Tienden a pensar demasiado en la impresión que causan. Una comunicación clara y sincera suaviza sus relaciones.)"},

    // ---- Mercury and Midheaven ----
    {Mercury, Midheaven, Conjunction, R"(Mercurio en lo alto de la carta indica una carrera en la comunicación, la escritura, la enseñanza, el comercio o los viajes. Estas personas se dan a conocer por su inteligencia y sus palabras. Pueden cambiar a menudo de empleo o hacer varias cosas a la vez.)"},
    {Mercury, Midheaven, Harmonious, R"(Sus dotes intelectuales favorecen su carrera, y puede ganarse una buena reputación hablando, escribiendo o en los negocios. Planifica su vida laboral con sensatez. Los contactos y la información le traen oportunidades.)"},
    {Mercury, Midheaven, Challenging, R"(Estas personas pueden sentirse inquietas en su carrera o ver que sus ideas chocan con las de sus superiores. Las preocupaciones por su reputación, o por asuntos familiares, pueden distraerlas. Una planificación cuidadosa les ayuda a encontrar una carrera que aproveche plenamente su inteligencia.)"},

    // ======================== Venus ========================

    // ---- Venus and Mars ----
    {Venus, Mars, Conjunction, R"(Estas personas tienen pasiones fuertes y una naturaleza cálida, afectuosa y sensual. En ellas el amor y el deseo están muy unidos, y a menudo resultan muy atractivas para los demás. Pueden precipitarse en las relaciones y actuar impulsivamente en el amor.)"},
    {Venus, Mars, Harmonious, R"(Usted tiene una naturaleza cálida y apasionada y un buen equilibrio entre dar y recibir en el amor. Su energía creativa y artística es fuerte. Resulta atractivo para los demás y suele ser feliz en sus relaciones.)"},
    {Venus, Mars, Challenging, R"(Las personas con este aspecto sienten una fuerte tensión entre el amor y el deseo, y sus relaciones pueden ser tormentosas o llenas de peleas. Pueden ser impulsivas o celosas en el amor. Aprender a unir ternura y pasión les trae plenitud.)"},

    // ---- Venus and Jupiter ----
    {Venus, Jupiter, Conjunction, R"(Es una de las conjunciones más afortunadas, y da generosidad, encanto, buen gusto y amor por el placer. Estas personas son populares y a menudo tienen suerte en el amor y el dinero. Pueden ser derrochadoras y darse demasiados caprichos.)"},
    {Venus, Jupiter, Harmonious, R"(Usted tiene una naturaleza amable y generosa y despierta buena voluntad dondequiera que va. El amor, el matrimonio y la amistad suelen ser felices, y el dinero tiende a llegar con facilidad. El arte, la música y la vida social le dan alegría.)"},
    {Venus, Jupiter, Challenging, R"(Estas personas son de buen corazón, pero tienden al exceso en el placer, el gasto o el afecto. Pueden ser perezosas o esperar que otros las mantengan. La moderación convierte su buena suerte natural en un beneficio duradero.)"},

    // ---- Venus and Saturn ----
    {Venus, Saturn, Conjunction, R"(Estas personas son serias y leales en el amor, pero pueden ser tímidas, reservadas o tardar en mostrar afecto. A menudo se casan tarde o eligen una pareja mayor, y sus relaciones están hechas para durar. Valoran la calidad, la solidez y la belleza clásica.)"},
    {Venus, Saturn, Harmonious, R"(Usted es fiel y responsable en las relaciones y se toma en serio sus compromisos. Su sentido artístico tiene disciplina y forma. Su amor se hace más profundo con los años, y maneja el dinero con sensatez.)"},
    {Venus, Saturn, Challenging, R"(Las personas con este aspecto pueden sentirse poco queridas, rechazadas o frenadas en sus relaciones, y el amor puede llegarles con desengaños o retrasos. Pueden ser demasiado prudentes para abrir su corazón. La paciencia y el respeto por sí mismas les traen al final una relación duradera.)"},

    // ---- Venus and Uranus ----
    {Venus, Uranus, Conjunction, R"(A estas personas les atraen las relaciones insólitas y emocionantes y necesitan libertad en el amor. Se enamoran de repente y pueden terminar un idilio igual de rápido. Su gusto artístico es original y a menudo se adelanta a la moda.)"},
    {Venus, Uranus, Harmonious, R"(Usted tiene una personalidad magnética y atrae a personas interesantes. Su vida amorosa es animada y poco convencional sin ser inestable, y sus amistades son estimulantes. Tiene ideas creativas originales.)"},
    {Venus, Uranus, Challenging, R"(Las personas con este aspecto pueden vivir atracciones repentinas, separaciones repentinas y relaciones que nunca terminan de asentarse. Quieren a la vez cercanía e independencia y les cuesta conciliarlas. Dar libertad a la pareja sin dejar de ser leales les trae felicidad.)"},

    // ---- Venus and Neptune ----
    {Venus, Neptune, Conjunction, R"(Estas personas son románticas, idealistas y tienen dotes artísticas, sobre todo para la música, la danza o la poesía. Sueñan con un amor perfecto y pueden sacrificarse por él. Pueden decepcionarse cuando la pareja no está a la altura del ideal.)"},
    {Venus, Neptune, Harmonious, R"(Usted tiene una naturaleza refinada y sensible y un fuerte sentido de la belleza y la armonía. El amor tiene para usted una cualidad espiritual, y su compasión llega mucho más allá de su propio círculo. Su talento artístico suele ser considerable.)"},
    {Venus, Neptune, Challenging, R"(Las personas con este aspecto son propensas a las ilusiones en el amor y pueden engañarse, o ser engañadas, respecto a su pareja. Pueden deslizarse hacia relaciones secretas o sacrificarse demasiado por alguien que no lo merece. Un juicio claro les ayuda a encontrar un amor real.)"},

    // ---- Venus and Pluto ----
    {Venus, Pluto, Conjunction, R"(Estas personas aman con intensidad y pasión, y sus relaciones las transforman. Son magnéticas y atractivas, pero pueden ser celosas y posesivas. Su vida amorosa y sus finanzas pueden atravesar cambios drásticos.)"},
    {Venus, Pluto, Harmonious, R"(Usted tiene sentimientos profundos e intensos y una poderosa capacidad de amar. Sus relaciones le ayudan a crecer, y puede recuperarse por completo tras un desengaño. Puede tener talento para ganar dinero con inversiones o recursos compartidos.)"},
    {Venus, Pluto, Challenging, R"(Las personas con este aspecto pueden encontrar celos, obsesión o luchas de poder en el amor. Las relaciones pueden terminar de forma dramática y dejar huellas profundas. Cuando aprenden a amar sin necesidad de controlar, ganan una gran profundidad emocional.)"},

    // ---- Venus and Ascendant ----
    {Venus, Ascendant, Conjunction, R"(Venus en el Ascendente da encanto, gracia y buena presencia. Estas personas son agradables, sociables y queridas, y visten con gusto. Pueden ser vanidosas, o tan deseosas de agradar que les cuesta decir que no.)"},
    {Venus, Ascendant, Harmonious, R"(Usted es encantador, diplomático y de trato agradable, y la gente le toma cariño enseguida. Sus modales son elegantes, y sus relaciones suelen ser felices. Le resulta fácil hacer que los demás se sientan bienvenidos.)"},
    {Venus, Ascendant, Challenging, R"(Estas personas pueden depender demasiado de la pareja para sentirse valiosas, o descubrir que el amor les trae dificultades inesperadas. Pueden ser demasiado complacientes y ceder para mantener la paz. Aprender a valorarse ayuda a sus relaciones a encontrar un verdadero equilibrio.)"},

    // ---- Venus and Midheaven ----
    {Venus, Midheaven, Conjunction, R"(Venus en lo alto de la carta da una reputación agradable y éxito en trabajos relacionados con el arte, la belleza, la moda o la diplomacia. Estas personas son populares entre sus compañeros y ante el público. Su don de gentes favorece su carrera.)"},
    {Venus, Midheaven, Harmonious, R"(Su encanto y su tacto favorecen su carrera, y sus superiores le aprecian. Puede ganarse la vida con el arte, la estética o el trabajo con personas. Su imagen pública es atractiva.)"},
    {Venus, Midheaven, Challenging, R"(Estas personas pueden ver que el amor y la carrera tiran en direcciones distintas, o que el hogar y el trabajo compiten por su afecto. Pueden confiar en caer bien donde el trabajo duro les serviría más. Un equilibrio entre la vida privada y la pública les trae satisfacción.)"},

    // ======================== Mars ========================

    // ---- Mars and Jupiter ----
    {Mars, Jupiter, Conjunction, R"(Estas personas tienen energía, entusiasmo y valor en abundancia, y persiguen grandes metas con mucha confianza. Son aventureras y aman el deporte, los viajes y la competición. Pueden ser temerarias y demasiado confiadas, y asumir más de lo que incluso ellas pueden abarcar.)"},
    {Mars, Jupiter, Harmonious, R"(Usted une energía y buen juicio, y sus esfuerzos suelen verse recompensados. Es emprendedor, franco y generoso, y a menudo triunfa en los negocios, el deporte o el derecho. Está dispuesto a luchar por una causa justa.)"},
    {Mars, Jupiter, Challenging, R"(Las personas con este aspecto son inquietas e impulsivas y pueden abarcar demasiado o actuar con precipitación. Pueden ser derrochadoras, descuidadas con los riesgos o pendencieras con sus creencias. Cuando dirigen su energía con sabiduría, logran grandes cosas.)"},

    // ---- Mars and Saturn ----
    {Mars, Saturn, Conjunction, R"(Estas personas tienen una gran resistencia y pueden trabajar con constancia hacia metas difíciles. Son disciplinadas y decididas, pero pueden sentir su energía bloqueada o frustrada. Deben guardarse de la ira contenida demasiado tiempo y de la dureza consigo mismas y con los demás.)"},
    {Mars, Saturn, Harmonious, R"(Usted combina energía y paciencia y puede trabajar duro durante largos periodos. Es práctico, organizado y fiable en las tareas difíciles. Le convienen la ingeniería, la construcción, la gestión y cualquier trabajo que exija aguante.)"},
    {Mars, Saturn, Challenging, R"(Las personas con este aspecto pueden encontrar frustración, retrasos y obstáculos que bloquean sus esfuerzos. Pueden oscilar entre la cautela y la temeridad y sentir una ira que no saben expresar. La perseverancia acaba convirtiendo esta lucha en verdadera resistencia y fortaleza.)"},

    // ---- Mars and Uranus ----
    {Mars, Uranus, Conjunction, R"(Estas personas son audaces, independientes y llenas de energía nerviosa, y actúan de improviso. Aman la aventura, la velocidad y las máquinas y no soportan ninguna atadura. Deben tener cuidado para evitar accidentes y arrebatos repentinos de cólera.)"},
    {Mars, Uranus, Harmonious, R"(Usted tiene valor, originalidad y reflejos rápidos, y actúa con decisión cuando hace falta un cambio. Es inventivo en lo práctico y puede ser pionero de nuevos métodos. Los demás encuentran estimulante su energía.)"},
    {Mars, Uranus, Challenging, R"(Las personas con este aspecto son impacientes, rebeldes y propensas a actos repentinos de los que se arrepienten. Pueden ser propensas a los accidentes y deben tener cuidado con las máquinas, la electricidad, el fuego y la velocidad. Aprender a dominarse convierte su audacia en auténtico valor.)"},

    // ---- Mars and Neptune ----
    {Mars, Neptune, Conjunction, R"(Estas personas actúan movidas por la inspiración y los ideales, y su energía se dirige a menudo al arte, la música, la danza o la ayuda a los demás. Su empuje puede ser irregular y difícil de mantener. Deben evitar ir a la deriva o actuar según ilusiones sobre lo que pueden lograr.)"},
    {Mars, Neptune, Harmonious, R"(Usted pone su energía al servicio de sus sueños e ideales, y puede tener talento para la danza, el cine, la música o la sanación. Trabaja de buen grado por las causas en que cree. Su intuición guía bien sus actos.)"},
    {Mars, Neptune, Challenging, R"(Las personas con este aspecto pueden sentir su energía agotada o dispersa, y pueden actuar por confusión o dejarse arrastrar por el engaño. Conflictos ocultos, adversarios solapados o el deseo de evadirse pueden inquietarlas. Metas claras y un trato honrado las protegen.)"},

    // ---- Mars and Pluto ----
    {Mars, Pluto, Conjunction, R"(Estas personas tienen una energía y una fuerza de voluntad inmensas, y pueden abrirse paso a través de casi cualquier obstáculo. Son intensas, intrépidas y decididas, pero pueden ser implacables cuando se les contraría. Su fuerza se emplea mejor en grandes tareas.)"},
    {Mars, Pluto, Harmonious, R"(Usted tiene un aguante tremendo y la capacidad de concentrar su energía en una meta hasta alcanzarla. Es valiente en las crisis y sabe reconstruir tras los reveses. Su pura determinación le permite lograr mucho.)"},
    {Mars, Pluto, Challenging, R"(Las personas con este aspecto se ven arrastradas a luchas de poder y pueden encontrarse con la fuerza, o usarla ellas mismas. Pueden ser compulsivas e implacables cuando quieren algo. Aprender a usar su poder de forma constructiva les da una fuerza extraordinaria.)"},

    // ---- Mars and Ascendant ----
    {Mars, Ascendant, Conjunction, R"(Marte en el Ascendente da una personalidad enérgica, firme y valiente. Estas personas son directas, competitivas y físicamente activas, y por las prisas son propensas a cortes, quemaduras y pequeñas lesiones. Pueden ser agresivas y enfadarse con facilidad.)"},
    {Mars, Ascendant, Harmonious, R"(Usted afronta el mundo con energía y confianza y toma la iniciativa de buen grado. Su valor y su franqueza le ganan respeto. Es físicamente activo y se recupera rápido de las enfermedades o el cansancio.)"},
    {Mars, Ascendant, Challenging, R"(Estas personas pueden parecer agresivas, o atraer peleas con sus parejas y con adversarios declarados. Pueden ser impacientes con los demás y ofenderse con facilidad. Aprender a cooperar convierte su empuje en fortaleza.)"},

    // ---- Mars and Midheaven ----
    {Mars, Midheaven, Conjunction, R"(Marte en lo alto de la carta da una fuerte ambición y una gran energía para la carrera. Estas personas quieren dirigir y se las encuentra a menudo en campos como la ingeniería, las fuerzas armadas, la cirugía o el deporte. Pueden chocar con sus superiores.)"},
    {Mars, Midheaven, Harmonious, R"(Usted trabaja duro por su carrera y avanza gracias a su propia iniciativa. Es ambicioso, enérgico y sabe dirigir a los demás. Su reputación se basa en su valor y sus logros.)"},
    {Mars, Midheaven, Challenging, R"(Estas personas pueden entrar en conflicto con la autoridad, los competidores o la familia al perseguir sus ambiciones. Pueden ser precipitadas en sus decisiones profesionales y crearse enemigos en el trabajo. La paciencia y la cooperación les ayudan a alcanzar sus metas.)"},

    // ======================== Jupiter ========================

    // ---- Jupiter and Saturn ----
    {Jupiter, Saturn, Conjunction, R"(Estas personas equilibran el optimismo con la cautela y la esperanza con el realismo. Construyen con constancia, a menudo con gran éxito en la madurez, y saben planificar el futuro. Pueden oscilar entre la confianza y la duda.)"},
    {Jupiter, Saturn, Harmonious, R"(Usted tiene buen juicio, paciencia y un sano sentido de la proporción. Planifica con sabiduría y sabe convertir las oportunidades en éxitos duraderos. Los demás respetan su imparcialidad y su experiencia.)"},
    {Jupiter, Saturn, Challenging, R"(Las personas con este aspecto pueden sentirse divididas entre el crecimiento y la restricción, entre el impulso de expandirse y la necesidad de prudencia. Su vida puede alternar periodos de suerte y periodos de penuria. Aprender cuándo avanzar y cuándo contenerse les da estabilidad.)"},

    // ---- Jupiter and Uranus ----
    {Jupiter, Uranus, Conjunction, R"(Estas personas son optimistas, originales y abiertas a las ideas nuevas, y a menudo disfrutan de golpes de suerte repentinos. Aman la libertad, los viajes y la aventura. Pueden ser inquietas e imprevisibles en sus creencias y sus planes.)"},
    {Jupiter, Uranus, Harmonious, R"(Usted tiene una mente inventiva, una visión amplia y talento para ver oportunidades donde otros no ven ninguna. La buena suerte repentina le ayuda a menudo. Es un reformador nato y un pensador progresista.)"},
    {Jupiter, Uranus, Challenging, R"(Las personas con este aspecto pueden ser inquietas y rebeldes, y propensas a cambios repentinos de creencias o de fortuna. Pueden correr riesgos imprudentes en busca de libertad o de ganancias rápidas. La moderación y la paciencia les ayudan a aprovechar bien su originalidad.)"},

    // ---- Jupiter and Neptune ----
    {Jupiter, Neptune, Conjunction, R"(Estas personas son idealistas, compasivas y de inclinación espiritual, y pueden sentirse atraídas por la religión, el misticismo o el arte. Son generosas y amables. Pueden ser poco realistas y fáciles de engañar.)"},
    {Jupiter, Neptune, Harmonious, R"(Usted tiene un espíritu generoso y una profunda compasión por los demás. Su intuición y su imaginación son fuertes, y puede realizarse en la beneficencia, el arte o la vida espiritual. La buena suerte le llega a menudo a través de la fe.)"},
    {Jupiter, Neptune, Challenging, R"(Las personas con este aspecto pueden dejarse llevar por sueños imposibles, falsos maestros o ilusiones. Pueden ser derrochadoras o poco prácticas, sobre todo con el dinero. Mantener el sentido de la proporción les ayuda a hacer realidad sus ideales.)"},

    // ---- Jupiter and Pluto ----
    {Jupiter, Pluto, Conjunction, R"(Estas personas tienen una gran ambición y capacidad para organizar a gran escala. Pueden sentirse atraídas por los puestos de influencia, las finanzas o la reforma. Pueden ser fanáticas en sus creencias.)"},
    {Jupiter, Pluto, Harmonious, R"(Usted tiene una voluntad fuerte y la capacidad de triunfar gracias a su visión y su determinación. Puede insuflar nueva vida a situaciones que se hunden y guiar a otros hacia el cambio. Sus recursos crecen a menudo gracias a inversiones o a bienes compartidos.)"},
    {Jupiter, Pluto, Challenging, R"(Las personas con este aspecto pueden buscar poder, riqueza o influencia en exceso y entrar en conflicto con la autoridad o la ley. Pueden ser dogmáticas y estar convencidas de que el fin justifica los medios. Usar su poder por el bien de los demás les trae verdadero éxito.)"},

    // ---- Jupiter and Ascendant ----
    {Jupiter, Ascendant, Conjunction, R"(Júpiter en el Ascendente da una personalidad generosa, optimista y amable. Estas personas son populares, seguras y a menudo afortunadas, y tienden a ganar peso con la edad. Pueden excederse.)"},
    {Jupiter, Ascendant, Harmonious, R"(Usted afronta el mundo con calidez y buen humor, y los demás confían en usted a primera vista. Las oportunidades y la ayuda parecen encontrarle, a menudo a través de maestros, viajes o personas del extranjero. Su trato amable y abierto le abre muchas puertas.)"},
    {Jupiter, Ascendant, Challenging, R"(Estas personas pueden sobrestimarse o prometer demasiado en su trato con los demás. Pueden ser derrochadoras o creerse en posesión de la razón. Cuando mantienen su generosidad dentro de unos límites, disfrutan de buena suerte a través de sus asociaciones.)"},

    // ---- Jupiter and Midheaven ----
    {Jupiter, Midheaven, Conjunction, R"(Júpiter en lo alto de la carta es un signo clásico de éxito y buen nombre. Estas personas alcanzan a menudo puestos de honor y autoridad, en el derecho, la enseñanza, la edición o la vida pública. Pueden ser demasiado ambiciosas o dar por sentada su buena suerte.)"},
    {Jupiter, Midheaven, Harmonious, R"(Su carrera prospera, y se le respeta en la vida pública por su imparcialidad y su generosidad. Las oportunidades llegan a través de superiores y contactos influyentes. Tiene un don natural para el liderazgo que los demás siguen de buen grado.)"},
    {Jupiter, Midheaven, Challenging, R"(Estas personas pueden apuntar tan alto que se exceden, o ver que la carrera y la familia compiten por su tiempo. Pueden sentirse demasiado orgullosas de su posición. Las metas realistas les traen un éxito duradero.)"},

    // ======================== Saturn ========================

    // ---- Saturn and Uranus ----
    {Saturn, Uranus, Conjunction, R"(Estas personas combinan disciplina y originalidad y pueden dar forma práctica a ideas nuevas. A menudo sienten una tensión entre la tradición y el cambio, entre lo ya construido y lo que quiere nacer. Son decididas y perseverantes una vez que han elegido su rumbo.)"},
    {Saturn, Uranus, Harmonious, R"(Usted sabe introducir reformas de manera práctica y responsable. Respeta la tradición pero acoge el progreso, y trabaja con constancia en los proyectos nuevos hasta que triunfan. Le convienen la ciencia, la tecnología y la organización.)"},
    {Saturn, Uranus, Challenging, R"(Las personas con este aspecto sienten un fuerte conflicto entre la necesidad de seguridad y el impulso de libertad. Convulsiones repentinas pueden sacudir situaciones que creían resueltas, y pueden oscilar entre el control rígido y la rebeldía. Encontrar un equilibrio entre lo viejo y lo nuevo les da una gran fortaleza.)"},

    // ---- Saturn and Neptune ----
    {Saturn, Neptune, Conjunction, R"(Estas personas intentan dar forma a sus sueños e ideales, y pueden tener dotes para la arquitectura, la música o una disciplina espiritual. Pueden caer en la melancolía cuando la realidad no alcanza a la visión. Deben cuidar de no renunciar demasiado pronto a sus ideales.)"},
    {Saturn, Neptune, Harmonious, R"(Usted puede hacer realidad sus sueños con esfuerzo práctico y paciencia. Su intuición es disciplinada, y puede tener talento para el arte, la sanación o el servicio a los demás. Es compasivo y responsable.)"},
    {Saturn, Neptune, Challenging, R"(Las personas con este aspecto pueden sufrir miedos difusos, desengaños o la sensación de que sus sueños nunca se cumplirán. Las angustias ocultas pueden minar su confianza o su salud. La fe unida al esfuerzo práctico les ayuda a superar esos miedos.)"},

    // ---- Saturn and Pluto ----
    {Saturn, Pluto, Conjunction, R"(Estas personas tienen una gran resistencia, seriedad y determinación, y pueden sobrevivir a verdaderas penurias. Pueden ser implacables en la persecución de sus fines. Su vida puede traer cargas pesadas que al final las transforman.)"},
    {Saturn, Pluto, Harmonious, R"(Usted tiene una gran disciplina y capacidad de concentración, y puede reconstruir las cosas desde los cimientos. Es paciente en la búsqueda de metas a largo plazo y no le desanima el esfuerzo que cuestan. Su fuerza reside en el aguante.)"},
    {Saturn, Pluto, Challenging, R"(Las personas con este aspecto pueden afrontar circunstancias duras, grandes responsabilidades o presiones de autoridades de las que no pueden escapar. Pueden volverse rígidas o temer perder el control. Afrontar estos retos les da una fuerza formidable.)"},

    // ---- Saturn and Ascendant ----
    {Saturn, Ascendant, Conjunction, R"(Saturno en el Ascendente da unos modales serios, reservados y responsables. Estas personas pueden aparentar más edad de la que tienen y a menudo tienen una infancia dura o solitaria. Ganan confianza y soltura con la edad.)"},
    {Saturn, Ascendant, Harmonious, R"(Usted se presenta como una persona fiable, madura y disciplinada, y los demás le confían responsabilidades. Es paciente y no malgasta su energía. Su firmeza le gana un respeto duradero.)"},
    {Saturn, Ascendant, Challenging, R"(Estas personas pueden sentirse limitadas por los demás o agobiadas por sus relaciones, y pueden casarse tarde o elegir una pareja mucho mayor o más seria que ellas. Pueden ser tímidas o defensivas con la gente nueva. La paciencia les trae relaciones duraderas y maduras.)"},

    // ---- Saturn and Midheaven ----
    {Saturn, Midheaven, Conjunction, R"(Saturno en lo alto de la carta da una gran ambición y un ascenso profesional lento pero firme. Estas personas se ganan la autoridad con trabajo duro. Deben tener cuidado con una caída desde un puesto elevado si abusan de su poder.)"},
    {Saturn, Midheaven, Harmonious, R"(Su carrera crece de forma constante gracias a la disciplina, la responsabilidad y la paciencia. Se le respeta por su fiabilidad y su sentido del deber. El éxito llega en la madurez y perdura.)"},
    {Saturn, Midheaven, Challenging, R"(Estas personas pueden encontrar obstáculos en su carrera, o los deberes familiares pueden frenarlas. Pueden sentir que sus logros pasan mucho tiempo sin reconocimiento. La perseverancia les trae al final el respeto por el que han trabajado.)"},

    // ======================== Uranus ========================

    // ---- Uranus and Neptune ----
    {Uranus, Neptune, Conjunction, R"(Esta conjunción la comparte toda una generación y muestra interés por el misticismo, los nuevos movimientos espirituales y el arte inspirado. En una carta personal da intuición y sensibilidad ante el cambio social. Estas personas pueden ser idealistas respecto al futuro.)"},
    {Uranus, Neptune, Harmonious, R"(Usted tiene una percepción intuitiva y una apertura a las nuevas ideas espirituales y artísticas, como gran parte de su generación. Puede tener dotes para la música, la psicología o las artes curativas. Percibe los cambios que se avecinan antes que los demás.)"},
    {Uranus, Neptune, Challenging, R"(Este aspecto lo comparte una generación que creció en tiempos de confusión y cambio social. En una carta personal puede dar tensión nerviosa e ideas poco realistas. Un enfoque con los pies en la tierra ayuda a estas personas a aprovechar su inspiración.)"},

    // ---- Uranus and Pluto ----
    {Uranus, Pluto, Conjunction, R"(Esta conjunción marca a toda una generación nacida en una época de convulsiones y muestra un impulso hacia el cambio radical. En lo personal, estas personas pueden ser revolucionarias e intensas. Pueden provocar transformaciones profundas en el mundo que las rodea.)"},
    {Uranus, Pluto, Harmonious, R"(Usted pertenece a una generación capaz de producir cambios constructivos en la sociedad, y tiene instinto para las fuerzas que moldean su época. Las convulsiones no le asustan. Se adapta bien a ellas y ayuda a los demás a hacer lo mismo.)"},
    {Uranus, Pluto, Challenging, R"(Este aspecto pertenece a una generación que vivió cambios sociales repentinos y a veces violentos. En lo personal puede traer convulsiones que obligan a empezar de cero. Estas personas deben aprender a aceptar el cambio en lugar de combatirlo.)"},

    // ---- Uranus and Ascendant ----
    {Uranus, Ascendant, Conjunction, R"(Urano en el Ascendente da una personalidad original, independiente y poco convencional. Estas personas parecen insólitas a los demás y necesitan mucha libertad. Su vida está marcada por cambios repentinos.)"},
    {Uranus, Ascendant, Harmonious, R"(Usted se presenta como alguien original e inventivo, y los demás encuentran estimulante su compañía. Se adapta bien al cambio y a menudo ve a primera vista una nueva manera de hacer las cosas. Los amigos y los grupos le ayudan en su camino.)"},
    {Uranus, Ascendant, Challenging, R"(Estas personas pueden vivir comienzos y finales repentinos en sus relaciones, o sentirse atraídas por parejas insólitas y amantes de la libertad. Los demás pueden verlas erráticas o poco fiables. Un espacio para la independencia dentro de la pareja les es imprescindible.)"},

    // ---- Uranus and Midheaven ----
    {Uranus, Midheaven, Conjunction, R"(Urano en lo alto de la carta indica una carrera poco común, a menudo en la tecnología, la ciencia, la astrología o la reforma social. Estas personas pueden cambiar de profesión de repente, a veces más de una vez. Necesitan independencia en su trabajo y se sienten incómodas con un jefe convencional.)"},
    {Uranus, Midheaven, Harmonious, R"(Su carrera se beneficia de la originalidad y las ideas nuevas, y puede trabajar en la tecnología, la investigación o campos progresistas. Ve enseguida hacia dónde va una profesión. Oportunidades inesperadas le hacen avanzar en los momentos decisivos de su vida.)"},
    {Uranus, Midheaven, Challenging, R"(Estas personas pueden vivir cambios repentinos en su carrera, o conflictos con la autoridad que ponen fin bruscamente a un puesto. Su vida familiar también puede verse alterada por mudanzas o trastornos. Lo que mejor les va es un trabajo que les dé independencia, o un negocio propio.)"},

    // ======================== Neptune ========================

    // ---- Neptune and Pluto ----
    {Neptune, Pluto, Conjunction, R"(Esta rara conjunción marca a la generación nacida a finales del siglo XIX, una época en que las viejas certezas se disolvieron y arraigaron nuevas ideas espirituales y científicas. En una carta personal da un sentido profundo, a menudo inconsciente, de participar en grandes cambios históricos. Su efecto se siente más a través de la época que del individuo.)"},
    {Neptune, Pluto, Harmonious, R"(El largo sextil de estos dos planetas lo comparten las generaciones nacidas desde mediados del siglo XX y une sus ideales a un deseo de renovación profunda. En lo personal da una comprensión intuitiva de las fuerzas colectivas y un interés por la psicología y la espiritualidad. Actúa discretamente en el trasfondo de la carta.)"},
    {Neptune, Pluto, Challenging, R"(Una cuadratura u oposición entre estos dos planetas lentos pertenece a generaciones enteras y a épocas de honda crisis colectiva. En una carta personal puede mostrar la sensación de vivir el derrumbe de viejos ideales. A estas personas se les pide encontrar fe y sentido donde otros solo ven pérdida.)"},

    // ---- Neptune and Ascendant ----
    {Neptune, Ascendant, Conjunction, R"(Neptuno en el Ascendente da una presencia suave y cambiante en la que la gente tiende a ver lo que desea ver. Estas personas son impresionables, artísticas e intuitivas, y muchas tienen dotes para la interpretación, la música o la fotografía. Deben tener cuidado con el alcohol, las drogas y las personas que quieran aprovecharse de ellas.)"},
    {Neptune, Ascendant, Harmonious, R"(Usted resulta dulce, comprensivo e imaginativo, y los demás perciben su bondad. Su intuición le guía bien en el trato con la gente. Tiene una sensibilidad natural para el arte, la música y todo lo que eleva el espíritu.)"},
    {Neptune, Ascendant, Challenging, R"(Estas personas pueden no saber bien cómo las ven los demás, o idealizar a una pareja y sentirse decepcionadas después. Pueden ser engañadas en las relaciones y en las sociedades comerciales. La honestidad consigo mismas y una lectura atenta de cada contrato las protegen.)"},

    // ---- Neptune and Midheaven ----
    {Neptune, Midheaven, Conjunction, R"(Neptuno en lo alto de la carta indica una carrera en las artes, el cine, la música, la medicina o la beneficencia, o una vocación de tipo espiritual. Estas personas pueden tener un sentido incierto del rumbo en su carrera. Su reputación puede ser seductora, pero también blanco de rumores.)"},
    {Neptune, Midheaven, Harmonious, R"(Su imaginación y su compasión pueden dar forma a su carrera. Puede triunfar en las artes, la sanación o el servicio a los demás, y su trabajo puede inspirar a la gente. Sus ideales, más que la ambición, guían su elección profesional.)"},
    {Neptune, Midheaven, Challenging, R"(Estas personas pueden sentirse inseguras sobre el rumbo de su carrera o decepcionadas por su trabajo. Pueden encontrarse con escándalos, rumores o malentendidos en la vida pública y deben ser escrupulosas en todos sus tratos. Las metas realistas les ayudan a encontrar su verdadera vocación.)"},

    // ======================== Pluto ========================

    // ---- Pluto and Ascendant ----
    {Pluto, Ascendant, Conjunction, R"(Plutón en el Ascendente da una mirada penetrante y una personalidad que se siente antes de comprenderse. Estas personas se guardan sus pensamientos y observan a los demás con atención, y pueden inquietar a la gente sin proponérselo. Su vida atraviesa crisis que las transforman por completo.)"},
    {Pluto, Ascendant, Harmonious, R"(Usted tiene una intensidad serena y una fuerza de carácter que los demás respetan. Sabe renovarse tras los tiempos difíciles y ayudar a otros a superar los suyos. Comprende lo que mueve a la gente, a menudo antes que ella misma.)"},
    {Pluto, Ascendant, Challenging, R"(Estas personas pueden verse envueltas en luchas de poder en sus relaciones, o atraer parejas que intentan controlarlas. Pueden ser intensas y exigentes con los demás y tardar en perdonar. Aprender a compartir el poder les trae paz.)"},

    // ---- Pluto and Midheaven ----
    {Pluto, Midheaven, Conjunction, R"(Plutón en lo alto de la carta da un poderoso impulso de logro y de control sobre el propio destino. Estas personas pueden ascender a puestos de gran influencia y a menudo transforman su campo. Deben guardarse de abusar del poder.)"},
    {Pluto, Midheaven, Harmonious, R"(Usted tiene el poder de transformar su carrera y de dirigir con profundidad y perspicacia. Puede trabajar en la investigación, la psicología, las finanzas o cualquier campo que exija una comprensión profunda. Su influencia crece con el tiempo.)"},
    {Pluto, Midheaven, Challenging, R"(Estas personas pueden vivir reveses repentinos o luchas de poder en su carrera, o las convulsiones de la vida familiar pueden perturbar su trabajo. Pueden ser implacables en la búsqueda de una posición. Usar su influencia con sabiduría las lleva a grandes logros.)"},
};
// clang-format on

static_assert(coversEveryAspectKeyOnce(kEntries),
              "one aspect text for every pair and family, each pair in chart order");

} // namespace

constexpr AspectTextTable kAspectTexts = buildAspectTextTable(kEntries);

} // namespace orbenza::texts::es
