// The planet-in-house texts in Spanish.
//
// A translation of the English table in the parent folder, with the same
// keys in the same order. Each paragraph stays on a single line and differs
// from every other one.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

#include <cstddef>
#include <iterator>

namespace orbenza::texts::es {
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
    {1, Sun, R"(Estas personas tienen una personalidad fuerte y radiante que los demás notan en cuanto entran en una habitación. Son seguras de sí mismas, orgullosas y llenas de vitalidad, y prefieren dirigir antes que seguir. El reconocimiento les importa mucho, y son más felices cuando pueden expresarse abiertamente y ser valoradas por lo que son. Su salud y su capacidad de recuperación suelen ser buenas. Deben guardarse de la vanidad y de la costumbre de ponerse siempre en primer lugar, pues su calidez les gana más que su orgullo.)"},

    // ---- Moon in the First House ----
    {1, Moon, R"(Las personas con la Luna aquí llevan los sentimientos escritos en la cara. Su humor cambia con facilidad y se refleja enseguida en su actitud, y reaccionan a su entorno con gran sensibilidad. Son atentas, receptivas y a menudo populares entre el público, pero les puede costar separar su propia identidad de las necesidades de quienes las rodean. Su aspecto y su salud tienden a seguir su estado emocional.)"},

    // ---- Mercury in the First House ----
    {1, Mercury, R"(Estas personas son agudas, habladoras y curiosas por todo. Se presentan a través de las palabras y las ideas, y los demás las ven inteligentes, vivaces y juveniles; muchas aparentan menos edad de la que tienen. Aprenden rápido y se adaptan con facilidad a la gente nueva, aunque se vuelven inquietas y nerviosas cuando no tienen nada en que ocupar la mente.)"},

    // ---- Venus in the First House ----
    {1, Venus, R"(Usted tiene unos modales agradables y elegantes y un encanto natural que hace que la gente le aprecie desde el primer encuentro. El aspecto le importa y suele vestir con gusto. Evita los conflictos, prefiere la armonía y sabe agradar, lo que le abre muchas puertas en la vida social. El peligro es la tendencia a ser demasiado complaciente o a confiar en el encanto cuando hace falta esfuerzo.)"},

    // ---- Mars in the First House ----
    {1, Mars, R"(Estas personas son enérgicas, directas y valientes, y afrontan la vida de cara. Primero actúan y después piensan, les encanta la competencia y no soportan que las frenen. Su fuerza física y su empuje son considerables, y tradicionalmente llevan una cicatriz o marca en la cabeza o en la cara. La impaciencia, el genio vivo y la tendencia a precipitarse hacia los accidentes son los defectos que deben vigilar.)"},

    // ---- Jupiter in the First House ----
    {1, Jupiter, R"(Las personas con Júpiter en el Ascendente tienen una naturaleza generosa, optimista y expansiva. Son alegres, amables y a menudo afortunadas, y los demás confían en ellas fácilmente. Piensan a lo grande y se conducen con un aire de confianza y buena voluntad. Tienden a ganar peso con los años, y su principal debilidad es el exceso o prometer más de lo que pueden cumplir.)"},

    // ---- Saturn in the First House ----
    {1, Saturn, R"(Estas personas parecen serias, reservadas y mayores de lo que son, sobre todo en la juventud. La vida les pide asumir responsabilidades pronto, y pueden ser tímidas o autocríticas y exigirse mucho a sí mismas. Su fuerza es la disciplina: trabajan con paciencia, construyen despacio y suelen ganar confianza y soltura con los años. Su salud requiere cuidados en la infancia, pero tiende a mejorar con la edad.)"},

    // ---- Uranus in the First House ----
    {1, Uranus, R"(Usted da la impresión de ser original, independiente y algo imprevisible. Le disgustan los convencionalismos, insiste en hacer las cosas a su manera y le atraen las ideas nuevas, la ciencia y la tecnología. Los demás pueden verle brillante pero excéntrico. Es probable que su vida traiga cambios de rumbo repentinos, y necesita mucha libertad personal para sentirse usted mismo.)"},

    // ---- Neptune in the First House ----
    {1, Neptune, R"(Estas personas tienen una cualidad soñadora, dulce y esquiva que a los demás les cuesta definir. Son muy impresionables, artísticas e intuitivas, y absorben como una esponja el estado de ánimo de quienes las rodean. Su imagen puede resultar seductora, pero quizá no estén seguras de quiénes son en realidad. Deben tener cuidado con el alcohol y las drogas, y con las personas que quieran aprovecharse de su bondad.)"},

    // ---- Pluto in the First House ----
    {1, Pluto, R"(Las personas con Plutón aquí tienen una presencia intensa y magnética y una voluntad formidable. Son reservadas y observadoras: revelan poco de sí mismas y ven mucho en los demás. Su vida suele atravesar crisis que las transforman por completo, y cada vez salen más fuertes. Pueden ser líderes cautivadores, pero deben guardarse del deseo de controlar a los demás.)"},

    // ======================== Second House ========================

    // ---- Sun in the Second House ----
    {2, Sun, R"(Estas personas encuentran su identidad en lo que ganan, poseen y construyen. Trabajan duro por su seguridad económica y se enorgullecen de sus bienes, y a menudo gastan con generosidad en calidad y comodidad. El dinero puede llegarles por su propio esfuerzo, por puestos de autoridad o por el favor de personas influyentes. Deben cuidar de no medir su propio valor, ni el de los demás, solo por la riqueza.)"},

    // ---- Moon in the Second House ----
    {2, Moon, R"(Los ingresos de estas personas suelen subir y bajar como las mareas, y su sensación de seguridad depende mucho de su saldo bancario. Pueden ganar dinero tratando con el público, con la alimentación, los inmuebles o cualquier cosa relacionada con el hogar y la familia. Están apegadas a sus pertenencias, guardan cosas por motivos sentimentales y se inquietan cada vez que falta dinero.)"},

    // ---- Mercury in the Second House ----
    {2, Mercury, R"(Estas personas están llenas de ideas para ganar dinero. Conocen el verdadero valor de las cosas y son muy conscientes de él.)"},

    // ---- Venus in the Second House ----
    {2, Venus, R"(Usted tiene un gusto refinado por las cosas bellas y valiosas, y el dinero le llega a menudo con facilidad, a través del arte, la moda, los artículos de lujo o sus contactos sociales. Disfruta de la comodidad y le gusta gastar en placeres, ropa y buena comida. Venus está en su domicilio en esta casa y es una posición favorable para sus finanzas, siempre que el amor al lujo no vaya por delante de sus ingresos.)"},

    // ---- Mars in the Second House ----
    {2, Mars, R"(Estas personas ganan su dinero con trabajo duro, iniciativa y espíritu competitivo, y están dispuestas a luchar por lo que quieren. Gastan tan rápido como ganan, a menudo por impulso, y pueden correr riesgos financieros. Les convienen la ingeniería, el deporte, las fuerzas armadas o un negocio propio. Necesitan aprender paciencia y planificación en cuestiones de dinero.)"},

    // ---- Jupiter in the Second House ----
    {2, Jupiter, R"(Es una de las mejores posiciones para la riqueza. Las personas con Júpiter aquí suelen disfrutar de buenos ingresos y de un generoso caudal de recursos, y las oportunidades de prosperar parecen buscarlas. Son desprendidas con el dinero y les gusta compartir su buena suerte. Su único peligro es el derroche, pues pueden dar por hecho que el dinero seguirá llegando siempre.)"},

    // ---- Saturn in the Second House ----
    {2, Saturn, R"(El dinero no llega fácilmente a estas personas, que quizá conozcan estrecheces o carencias en los primeros años. Aprenden a ser cuidadosas, ahorradoras y pacientes, y con un trabajo constante suelen construir más adelante una seguridad duradera. Temen perder lo que tienen y pueden ser demasiado prudentes o incluso tacañas. Las tierras, los inmuebles y las inversiones a largo plazo son lo que mejor les sirve.)"},

    // ---- Uranus in the Second House ----
    {2, Uranus, R"(Es probable que sus finanzas conozcan altibajos repentinos, con ganancias inesperadas seguidas de pérdidas igual de inesperadas. Gana mejor con ideas originales, tecnología, inventos o trabajos poco comunes, y le disgusta atarse a un empleo rutinario por un sueldo. Sus valores pueden diferir mucho de los de su familia, y necesita planificar para tener estabilidad.)"},

    // ---- Neptune in the Second House ----
    {2, Neptune, R"(Las personas con Neptuno aquí pueden ser vagas e idealistas con el dinero. Pueden ganarlo con el arte, la música, el cine, la sanación o la beneficencia, pero a menudo pierden la cuenta de lo que gastan o confían sus ahorros a quien no deben. Son generosas en exceso. Unas cuentas claras, contratos cuidadosos y asesores honrados les son imprescindibles.)"},

    // ---- Pluto in the Second House ----
    {2, Pluto, R"(Estas personas sienten un fuerte impulso de controlar los recursos, y pueden construir, perder y reconstruir fortunas a lo largo de su vida. Son astutas, decididas y capaces de manejar grandes sumas, a menudo en la banca, las inversiones, los seguros o el rescate de empresas en quiebra. Para ellas los bienes están ligados al poder, y deben cuidar de no obsesionarse con ellos.)"},

    // ======================== Third House ========================

    // ---- Sun in the Third House ----
    {3, Sun, R"(Estas personas brillan a través de la comunicación. Son despiertas, habladoras y deseosas de aprender, y exponen sus ideas con seguridad. Les convienen la escritura, la enseñanza, el periodismo, las ventas o cualquier trabajo que las ponga en contacto con mucha gente. Los hermanos y los vecinos tienen un papel importante en su vida, y los viajes cortos son frecuentes.)"},

    // ---- Moon in the Third House ----
    {3, Moon, R"(Su mente está muy teñida por sus sentimientos, y usted piensa con imágenes y recuerdos más que con fría lógica. Tiene buena memoria, una mente cambiante y gusto por los viajes y los entornos nuevos. Está emocionalmente unido a sus hermanos y puede asumir entre ellos un papel protector. Su estado de ánimo puede afectar a su concentración.)"},

    // ---- Mercury in the Third House ----
    {3, Mercury, R"(Mercurio está en su domicilio en esta casa y da una mente rápida, despierta y versátil. Estas personas adoran leer, escribir y conversar, y asimilan información e idiomas con facilidad. Siempre andan ocupadas con mensajes, llamadas y recados. Su don es explicar las cosas con claridad, aunque pueden dispersar demasiado su atención.)"},

    // ---- Venus in the Third House ----
    {3, Venus, R"(Las personas con Venus aquí hablan con gracia y saben decir lo justo en el momento justo. Tienen talento para la escritura, la poesía o el diseño, y disfrutan de los viajes agradables y de la compañía de sus vecinos. La relación con los hermanos suele ser afectuosa. Un romance puede comenzar durante los estudios o en un viaje corto.)"},

    // ---- Mars in the Third House ----
    {3, Mars, R"(Estas personas tienen la lengua afilada y una mente rápida y combativa. Disfrutan del debate, discuten con convicción y pueden impacientarse con quienes piensan más despacio. Su energía las convierte en buenas escritoras, periodistas o activistas. Son posibles las riñas con hermanos o vecinos, y deben tener cuidado al conducir o al viajar con prisas.)"},

    // ---- Jupiter in the Third House ----
    {3, Jupiter, R"(Usted tiene una mente amplia y optimista y aprende con facilidad, sobre todo las materias que ensanchan su horizonte, como los idiomas, la filosofía o los viajes. Es un maestro nato y un vecino amable, y es probable que sus hermanos le ayuden en la vida. Su punto débil puede ser hablar demasiado o prometer más de lo que recuerda hacer.)"},

    // ---- Saturn in the Third House ----
    {3, Saturn, R"(Estas personas piensan despacio pero a fondo, y se toman en serio sus palabras. Su escolaridad pudo ser difícil o interrumpida, y de jóvenes quizá les diera vergüenza hablar. Con el tiempo desarrollan una mente práctica, metódica y fiable, dotada para las matemáticas, las ciencias o cualquier trabajo estructurado. La relación con los hermanos puede implicar responsabilidad o distancia.)"},

    // ---- Uranus in the Third House ----
    {3, Uranus, R"(Las personas con Urano aquí tienen una mente original e inventiva e ideas que llegan como relámpagos. Captan rápido los conceptos nuevos y les atraen la ciencia, la informática y los medios de comunicación modernos. Su educación puede ser poco convencional o interrumpirse de golpe. En la conversación pueden ser bruscas y llevar la contraria, y su energía nerviosa necesita una salida.)"},

    // ---- Neptune in the Third House ----
    {3, Neptune, R"(Estas personas tienen una forma de pensar poética e imaginativa, y a menudo se comunican mejor con imágenes, música o relatos que con hechos escuetos. Son intuitivas y a veces parecen leer el pensamiento ajeno. La concentración y la claridad pueden ser un problema, y son posibles los malentendidos o la confusión en cartas y documentos.)"},

    // ---- Pluto in the Third House ----
    {3, Pluto, R"(Usted tiene una mente penetrante que mira bajo la superficie de cada tema. Es persuasivo y puede influir poderosamente en los demás con sus palabras, lo que le convierte en un buen investigador, detective o polemista. Guarda sus propios secretos y puede ser intenso en las discusiones. La relación temprana con hermanos o vecinos pudo estar marcada por la rivalidad.)"},

    // ======================== Fourth House ========================

    // ---- Sun in the Fourth House ----
    {4, Sun, R"(Estas personas están muy apegadas al hogar y la familia, y se enorgullecen de sus raíces. Quieren un hogar en el que ser el cabeza de familia, y a menudo invierten en inmuebles. El padre pudo ser una figura dominante en su infancia. Su vida tiende a ser más exitosa y plena en su segunda mitad, una vez que han construido una base segura.)"},

    // ---- Moon in the Fourth House ----
    {4, Moon, R"(La Luna es fuerte en esta casa. Usted es hogareño de corazón, entregado a su familia y muy unido a su madre. Necesita ante todo seguridad emocional y se siente mejor rodeado de cosas y caras conocidas. Puede cambiar de residencia varias veces, pero mantiene un fuerte vínculo con el pasado, con las tradiciones familiares y con el lugar donde nació.)"},

    // ---- Mercury in the Fourth House ----
    {4, Mercury, R"(Las personas con Mercurio aquí pueden trabajar desde casa o convertir su hogar en un lugar de estudio, lleno de libros y conversación. Su familia daba gran valor al saber. Les gusta mudarse o reorganizar su entorno, y les interesan la historia, los árboles genealógicos o los inmuebles. Su manera de pensar está muy marcada por su educación.)"},

    // ---- Venus in the Fourth House ----
    {4, Venus, R"(Usted ama su hogar y lo hace bello, cómodo y acogedor. Disfruta recibiendo invitados en él, y su vida familiar suele ser armoniosa. Su relación con su madre o con sus padres es afectuosa. Puede beneficiarse de inmuebles o herencias, y es probable que encuentre más satisfacción y bienestar en la última parte de su vida.)"},

    // ---- Mars in the Fourth House ----
    {4, Mars, R"(Estas personas llevan gran energía al hogar, pero también conflicto. El ambiente de su infancia pudo ser tenso, con peleas o un progenitor de carácter fuerte. Quieren mandar en su propia casa y les gusta hacer ellas mismas las reparaciones y las obras. Deben tener cuidado con el fuego y los accidentes domésticos, y evitar que crezcan las disputas familiares.)"},

    // ---- Jupiter in the Fourth House ----
    {4, Jupiter, R"(Esta posición suele traer un hogar feliz, cómodo y espacioso. Estas personas proceden de una familia generosa, se benefician de inmuebles o herencias y disfrutan reuniendo a parientes y amigos bajo su techo. Sus circunstancias mejoran con la edad, y es probable que el final de su vida sea tranquilo y próspero.)"},

    // ---- Saturn in the Fourth House ----
    {4, Saturn, R"(Estas personas suelen cargar con responsabilidades en casa desde muy pronto, quizá cuidando de un padre o viviendo bajo normas estrictas y con poco calor, y su infancia pudo sentirse pesada o insegura. De adultas trabajan duro para construir un hogar sólido propio y valoran la estabilidad y la tradición. Pueden hacerse cargo de parientes mayores, y a menudo poseen inmuebles antiguos.)"},

    // ---- Uranus in the Fourth House ----
    {4, Uranus, R"(Es probable que su vida doméstica sea inusual e inestable, con frecuentes cambios de residencia o sucesos repentinos que alteran a la familia. Su educación pudo ser poco convencional, o uno de sus padres pudo estar ausente o ser excéntrico. Necesita espacio y libertad en casa, y quizá prefiera una vivienda o una forma de convivencia poco habitual.)"},

    // ---- Neptune in the Fourth House ----
    {4, Neptune, R"(Las personas con Neptuno aquí anhelan un hogar y una familia ideales que la vida real quizá no les dé con facilidad. Puede haber algo confuso u oculto en el pasado familiar, o un padre ausente, enfermo o sacrificado. Les gusta vivir cerca del agua, en un entorno tranquilo y sereno. Los asuntos inmobiliarios deben comprobarse con cuidado para evitar engaños.)"},

    // ---- Pluto in the Fourth House ----
    {4, Pluto, R"(Estas personas tienen lazos profundos e intensos con su familia y su pasado. Su infancia pudo albergar luchas de poder, un padre controlador o un secreto familiar que dejó una huella duradera. En algún momento el hogar y la familia atraviesan una transformación completa. Al final obtienen una gran fuerza interior al afrontar lo que hay en sus raíces.)"},

    // ======================== Fifth House ========================

    // ---- Sun in the Fifth House ----
    {5, Sun, R"(Estas personas son creativas, cálidas y llenas de alegría de vivir. Les encanta actuar, jugar y ser admiradas, y a menudo tienen talento para las artes, el teatro o el deporte. El romance es importante para ellas y se entregan con generosidad en el amor. Disfrutan de los niños y suelen tener un vínculo estrecho con ellos. Deben moderar su gusto por el juego y el riesgo.)"},

    // ---- Moon in the Fifth House ----
    {5, Moon, R"(Usted es romántico, afectuoso y se implica emocionalmente en sus amores, y sus sentimientos pueden cambiar deprisa. Encuentra consuelo en las aficiones creativas y las diversiones. Tiene un fuerte instinto paternal y una relación estrecha con sus hijos. Para usted el placer y la seguridad emocional van muy unidos.)"},

    // ---- Mercury in the Fifth House ----
    {5, Mercury, R"(Las personas con Mercurio aquí se expresan con ingenio y sentido lúdico. Disfrutan de los juegos de habilidad, los acertijos y las aficiones que ejercitan la mente, y pueden escribir, enseñar o trabajar con jóvenes. En el amor les atraen la inteligencia y la buena conversación, y prefieren un romance ligero y coqueto a un compromiso pesado.)"},

    // ---- Venus in the Fifth House ----
    {5, Venus, R"(Es una posición muy feliz para el amor y el placer. Estas personas son encantadoras, afectuosas y populares entre el sexo opuesto, y disfrutan de una vida amorosa plena. Tienen talento artístico y aprecian la música, el teatro y la belleza en todas sus formas. Los hijos les traen alegría. Deben evitar entregarse demasiado a los placeres.)"},

    // ---- Mars in the Fifth House ----
    {5, Mars, R"(Estas personas son apasionadas e impulsivas en el amor y persiguen el objeto de su deseo con gran energía. Disfrutan del deporte, la competición y la aventura, y asumen riesgos audaces en la especulación. Sus amores pueden empezar de repente y acabar en peleas. Como padres son activos y fomentan la independencia, pero deben controlar su genio con sus hijos.)"},

    // ---- Jupiter in the Fifth House ----
    {5, Jupiter, R"(Usted disfruta plenamente de la vida y tiene buena suerte en el amor, la creatividad y el placer. Sus relaciones amorosas son generosas y felices, y es probable que tenga hijos que le den orgullo y honra. Puede triunfar en la enseñanza, el deporte o las artes. La especulación puede salirle bien, pero el exceso de confianza puede llevarle a apostar demasiado.)"},

    // ---- Saturn in the Fifth House ----
    {5, Saturn, R"(Estas personas pueden ser tímidas o cohibidas en el amor y les cuesta soltarse y divertirse. El romance suele llegar tarde, o con parejas mayores y un sentido del deber. Los hijos pueden traer responsabilidad, retrasos o preocupaciones. Son disciplinadas en el trabajo creativo y pueden lograr resultados duraderos con paciencia. Deben evitar la especulación arriesgada.)"},

    // ---- Uranus in the Fifth House ----
    {5, Uranus, R"(Las personas con Urano aquí tienen una actitud poco convencional ante el amor y les atraen las parejas insólitas o independientes. Sus romances empiezan de repente, son emocionantes y pueden acabar igual de rápido. Son creativas de forma original, a menudo a través de la tecnología o el arte moderno. Sus hijos pueden ser dotados o singulares, y quieren libertad en su manera de criarlos.)"},

    // ---- Neptune in the Fifth House ----
    {5, Neptune, R"(Estas personas son soñadoras románticas que se enamoran de un ideal más que de una persona real. Su vida amorosa puede incluir ilusiones, amores secretos o sacrificios. Están dotadas para la música, la danza, el cine o la poesía y tienen una imaginación viva. Deben tener cuidado con el juego y la especulación, donde pueden ser engañadas con facilidad.)"},

    // ---- Pluto in the Fifth House ----
    {5, Pluto, R"(Usted ama con gran intensidad, y sus asuntos del corazón pueden consumirle por entero y cambiarle profundamente. Son posibles los celos y las luchas de poder en el amor. Su impulso creativo es fuerte y puede encontrar salida en obras artísticas exigentes o profundas. Los hijos pueden traerle experiencias que cambian la vida, y tiende a protegerlos mucho.)"},

    // ======================== Sixth House ========================

    // ---- Sun in the Sixth House ----
    {6, Sun, R"(Suelen ser trabajadores muy decididos, pero pueden resultar muy exigentes.)"},

    // ---- Moon in the Sixth House ----
    {6, Moon, R"(Estas personas se sienten seguras cuando son útiles y tienen una rutina que seguir. A menudo trabajan en profesiones de cuidado, la enfermería, la hostelería o la atención al público, y cambian de empleo más que la mayoría. Su salud es sensible a su estado emocional, y las preocupaciones pueden traer trastornos digestivos. Son amables con los compañeros y les gustan los animales.)"},

    // ---- Mercury in the Sixth House ----
    {6, Mercury, R"(Usted tiene una mente práctica, precisa y analítica, muy apta para el trabajo minucioso, la contabilidad, la investigación, la corrección de textos o los empleos técnicos. Es eficiente y le gusta organizar sus tareas diarias. Puede preocuparse demasiado por su salud y leer mucho sobre dieta y medicina. La tensión nerviosa es su punto débil, así que necesita descansar bien.)"},

    // ---- Venus in the Sixth House ----
    {6, Venus, R"(Las personas con Venus aquí disfrutan de unas condiciones de trabajo agradables y de buenas relaciones con los compañeros. Trabajan bien en la estética, la moda, el arte, la hostelería o cualquier empleo que aporte armonía a otros, y pueden conocer a su pareja en el trabajo. Su salud suele ser buena, aunque el exceso de dulces y de comidas copiosas puede alterarla.)"},

    // ---- Mars in the Sixth House ----
    {6, Mars, R"(Estas personas son trabajadoras rápidas e incansables que pueden lograr mucho, pero se irritan cuando los demás son lentos. Son posibles los conflictos con compañeros o empleados. Pueden destacar en la ingeniería, la cirugía, las fuerzas armadas o el trabajo físico. Son propensas a fiebres, inflamaciones y lesiones causadas por el exceso de trabajo.)"},

    // ---- Jupiter in the Sixth House ----
    {6, Jupiter, R"(Es probable que encuentre un trabajo agradable y gratificante y que sus compañeros y empleados le aprecien. Es servicial y está dispuesto a ayudar, y puede trabajar en la medicina, el derecho, la educación o la asistencia social. Su salud suele ser buena, aunque el peso, las comidas copiosas o el hígado pueden requerir atención en la madurez.)"},

    // ---- Saturn in the Sixth House ----
    {6, Saturn, R"(Estas personas son trabajadoras concienzudas, disciplinadas y fiables, pero su trabajo puede resultarles pesado o mal recompensado. Se toman en serio sus deberes y triunfan gracias a la constancia y el esmero. Su salud requiere atención, sobre todo los huesos, las articulaciones, los dientes y la piel, y pueden aparecer dolencias crónicas si se descuidan.)"},

    // ---- Uranus in the Sixth House ----
    {6, Uranus, R"(Las personas con Urano aquí necesitan independencia y variedad en su trabajo y detestan las rutinas estrictas. A menudo cambian de empleo de repente o trabajan en campos técnicos, científicos o por cuenta propia, y les gusta introducir métodos nuevos allí donde trabajan. Su salud puede resentirse de la tensión nerviosa, y pueden responder bien a las terapias alternativas.)"},

    // ---- Neptune in the Sixth House ----
    {6, Neptune, R"(A estas personas les gusta servir y ayudar a los demás, y pueden trabajar en hospitales, organizaciones benéficas, las artes o la sanación. Su vida laboral puede ser confusa, con funciones poco claras o compañeros poco fiables. Su salud es delicada y pueden reaccionar con fuerza a los medicamentos o las sustancias químicas. Un diagnóstico cuidadoso es importante, pues sus síntomas pueden ser vagos o difíciles de explicar.)"},

    // ---- Pluto in the Sixth House ----
    {6, Pluto, R"(Usted trabaja con gran intensidad y puede llevar a cabo reformas a fondo en su campo. Pueden atraerle la investigación, la medicina, la psicología o el trabajo con crisis y recuperación. Son posibles las luchas de poder con compañeros o jefes. Su salud puede pasar por crisis repentinas, pero tiene una notable capacidad de regeneración.)"},

    // ======================== Seventh House ========================

    // ---- Sun in the Seventh House ----
    {7, Sun, R"(Estas personas encuentran su identidad a través de sus asociaciones y se sienten más vivas en estrecha cooperación con otra persona. El matrimonio es importante para ellas, y pueden elegir una pareja orgullosa, fuerte o destacada. Trabajan bien en sociedad y tratan con facilidad con el público. Deben evitar depender demasiado de la aprobación ajena.)"},

    // ---- Moon in the Seventh House ----
    {7, Moon, R"(Usted necesita una pareja que le apoye emocionalmente y se siente incompleto cuando está solo. Puede buscar a alguien que le cuide como lo haría un padre, o asumir usted ese papel. Sus relaciones pueden ser cambiantes, y es sensible a cada estado de ánimo de su cónyuge. El trato con el público le resulta natural.)"},

    // ---- Mercury in the Seventh House ----
    {7, Mercury, R"(Las personas con Mercurio aquí buscan una pareja inteligente, comunicativa y quizá más joven que ellas, y la buena conversación es esencial en su matrimonio. Tienen talento para negociar, redactar contratos y hacer de intermediarias. Pueden tener varias relaciones breves antes de asentarse.)"},

    // ---- Venus in the Seventh House ----
    {7, Venus, R"(Es una de las mejores posiciones para el matrimonio. Estas personas son encantadoras, diplomáticas y amantes de la armonía, y suelen atraer a una pareja afectuosa y atractiva. Pueden casarse pronto o ganar económicamente con el matrimonio. Destacan en las sociedades y las relaciones públicas, aunque pueden eludir una confrontación que de verdad hace falta.)"},

    // ---- Mars in the Seventh House ----
    {7, Mars, R"(Estas personas atraen parejas enérgicas y de voluntad fuerte, y en sus relaciones hay mucha pasión pero también conflicto. Pueden precipitarse al matrimonio o a una sociedad, y son posibles las disputas, la rivalidad o los pleitos. Aprenden mucho a través del enfrentamiento. La cooperación y la paciencia son las lecciones de esta posición.)"},

    // ---- Jupiter in the Seventh House ----
    {7, Jupiter, R"(Es probable que tenga un matrimonio feliz con una pareja generosa, sabia o próspera, y puede beneficiarse de asociaciones tanto en el amor como en los negocios. La gente trabaja con usted de buen grado, y los asuntos legales suelen resolverse a su favor. Su único peligro es esperar demasiado de la pareja o ser demasiado confiado.)"},

    // ---- Saturn in the Seventh House ----
    {7, Saturn, R"(Estas personas se toman el matrimonio muy en serio y pueden casarse tarde, o con una pareja mayor y más madura. Sus relaciones son estables, pero pueden resultar frías o cargadas de deber. Son posibles los retrasos y las dificultades en la pareja, pero los lazos que forman suelen durar. Aprenden a través del compromiso y la responsabilidad.)"},

    // ---- Uranus in the Seventh House ----
    {7, Uranus, R"(Las personas con Urano aquí necesitan mucha libertad dentro de sus relaciones y les atraen las parejas insólitas e independientes. El matrimonio puede llegar de repente y terminar igual de inesperadamente, y la separación o el divorcio son probables si ambos no se dejan espacio. Una relación poco convencional puede ser lo que mejor les va.)"},

    // ---- Neptune in the Seventh House ----
    {7, Neptune, R"(Estas personas idealizan a su pareja y pueden decepcionarse cuando la realidad no está a la altura del sueño. Les atraen parejas artísticas, espirituales o necesitadas de ayuda. Son posibles el engaño o la confusión en el matrimonio y en las sociedades comerciales, así que deben ver a los demás con claridad y leer los contratos con atención.)"},

    // ---- Pluto in the Seventh House ----
    {7, Pluto, R"(Usted se ve arrastrado a relaciones intensas que le cambian. Su pareja puede ser poderosa, posesiva o ejercer una profunda influencia en su vida, y son posibles las luchas de poder y los celos. El matrimonio le transforma profundamente. También usted puede ser una fuerza poderosa en la vida de los demás, en los negocios, la orientación o la negociación.)"},

    // ======================== Eighth House ========================

    // ---- Sun in the Eighth House ----
    {8, Sun, R"(A estas personas les atraen los misterios de la vida, la muerte y el renacimiento. Tienen deseos fuertes y una naturaleza profunda e intensa, y pueden triunfar en las finanzas, los seguros, la investigación, la cirugía o la psicología. Pueden beneficiarse de herencias o del dinero de la pareja. Su vida puede incluir grandes crisis de las que salen renovadas.)"},

    // ---- Moon in the Eighth House ----
    {8, Moon, R"(Sus emociones son profundas, íntimas e intensas, y pueden atraerle lo oculto y las experiencias psíquicas. Puede heredar de uno de sus padres, en especial de su madre, o beneficiarse de los recursos de otros. Su estado de ánimo está muy influido por sus relaciones íntimas, y necesita honestidad emocional por parte de su pareja.)"},

    // ---- Mercury in the Eighth House ----
    {8, Mercury, R"(Las personas con Mercurio aquí tienen una mente inquisitiva e investigadora y disfrutan resolviendo misterios. Están muy dotadas para la investigación, el trabajo de detective, la contabilidad, los impuestos o los seguros, y les interesan la psicología, la vida después de la muerte y los temas ocultos. Puede que tengan que ocuparse de testamentos, legados y del papeleo del dinero ajeno.)"},

    // ---- Venus in the Eighth House ----
    {8, Venus, R"(Estas personas pueden beneficiarse del matrimonio, de herencias o de los recursos de la pareja, y el dinero les llega a menudo a través de otros. Su naturaleza sexual es cálida y sensual, y la intimidad les importa mucho; les atraen las relaciones profundas. Los legados o regalos pueden traerles beneficios económicos, y tradicionalmente su muerte es apacible.)"},

    // ---- Mars in the Eighth House ----
    {8, Mars, R"(Estas personas tienen una naturaleza sexual fuerte y apasionada y deseos ardientes. Son posibles las disputas por dinero compartido, herencias o impuestos. Son valientes en las crisis y pueden trabajar en cirugía, rescate o el servicio militar. Tradicionalmente esta posición advierte del peligro de accidentes o violencia, así que deben evitar riesgos innecesarios.)"},

    // ---- Jupiter in the Eighth House ----
    {8, Jupiter, R"(Es probable que se beneficie de los recursos de otros, por herencia, por la riqueza de la pareja, préstamos o inversiones. Su actitud ante la muerte y la pérdida es filosófica, y puede tener dotes para la psicología o los estudios espirituales. Tradicionalmente esta posición promete una vida larga y un final apacible.)"},

    // ---- Saturn in the Eighth House ----
    {8, Saturn, R"(Estas personas pueden encontrar dificultades y retrasos con herencias, impuestos, seguros o finanzas compartidas. Pueden ser cautas o cohibidas en las relaciones íntimas y tardar en confiar. Se toman en serio la muerte y la responsabilidad por los recursos compartidos. Tradicionalmente se considera que esta posición da una vida larga.)"},

    // ---- Uranus in the Eighth House ----
    {8, Uranus, R"(Las personas con Urano aquí pueden vivir cambios repentinos a través del dinero de otros, con herencias o pérdidas inesperadas. Su interés por la astrología, lo oculto y los asuntos psíquicos es fuerte. Su actitud ante la intimidad es insólita e independiente, y sucesos repentinos e imprevistos marcan las grandes transiciones de su vida.)"},

    // ---- Neptune in the Eighth House ----
    {8, Neptune, R"(Estas personas tienen sensibilidad psíquica y les atraen los asuntos místicos y espirituales, la meditación o la mediumnidad. Las finanzas compartidas y las herencias pueden ser confusas o implicar engaños, así que deben llevar registros claros. En las relaciones íntimas buscan una unión espiritual y se decepcionan con facilidad.)"},

    // ---- Pluto in the Eighth House ----
    {8, Pluto, R"(Plutón es fuerte en esta casa. Usted tiene una gran profundidad, deseos intensos y una comprensión natural del poder, los motivos ocultos y la transformación. Puede manejar grandes sumas de dinero ajeno o trabajar en investigación, psicología o medicina. Su vida atraviesa ciclos de muerte y renacimiento en sentido simbólico.)"},

    // ======================== Ninth House ========================

    // ---- Sun in the Ninth House ----
    {9, Sun, R"(Estas personas buscan el sentido y la verdad de la vida y les atraen la filosofía, la religión, el derecho, los estudios superiores y las culturas extranjeras. A menudo viajan mucho o viven en el extranjero, y pueden triunfar como profesores, abogados, escritores o editores. Son idealistas y tienen principios firmes, pero deben evitar ser dogmáticas.)"},

    // ---- Moon in the Ninth House ----
    {9, Moon, R"(Usted tiene un espíritu inquieto que anhela viajar y descubrir nuevos horizontes, y se siente emocionalmente en casa entre personas de otras culturas. Sus ideas religiosas y morales están muy marcadas por su educación y por su madre. Aprende a través del sentimiento y la experiencia más que de la teoría, y puede establecerse en un país extranjero.)"},

    // ---- Mercury in the Ninth House ----
    {9, Mercury, R"(Las personas con Mercurio aquí tienen una mente filosófica y curiosa, deseosa de comprender el panorama general. Les atraen los estudios superiores, los idiomas, el derecho y la edición. Disfrutan viajando y a menudo escriben o enseñan sobre lo que han visto en el extranjero. Sus creencias pueden ser incoherentes, pues cambian de opinión constantemente.)"},

    // ---- Venus in the Ninth House ----
    {9, Venus, R"(Estas personas aman los viajes, el arte y las culturas extranjeras, y pueden encontrar la felicidad o una pareja en el extranjero o en los estudios superiores. Sus creencias son refinadas, tolerantes y humanas. Disfrutan de la literatura, la filosofía y la belleza del arte religioso, y se llevan bien con su familia política. Pueden ganar dinero con el comercio exterior o la cultura.)"},

    // ---- Mars in the Ninth House ----
    {9, Mars, R"(Estas personas defienden con pasión sus creencias y lucharán por una causa. Disfrutan de los viajes de aventura, el deporte en el extranjero y la exploración. Sus opiniones son firmes, y pueden chocar con otros por la religión, la política o el derecho. Necesitan aceptar que no todos comparten sus convicciones.)"},

    // ---- Jupiter in the Ninth House ----
    {9, Jupiter, R"(Júpiter está en su domicilio en esta casa. Usted es optimista, generoso, tolerante y sabio, con un profundo interés por la filosofía, la religión y los estudios superiores. Es probable que viaje mucho y se beneficie de contactos en el extranjero. Puede triunfar en el derecho, la enseñanza, la edición o la vida religiosa, y se le respeta por su buen juicio.)"},

    // ---- Saturn in the Ninth House ----
    {9, Saturn, R"(Estas personas se toman en serio la religión y la filosofía y pueden tener creencias conservadoras y tradicionales. Los estudios superiores pueden retrasarse o exigir mucho esfuerzo, pero llegan a ser estudiosas concienzudas. Los viajes largos pueden traer dificultades o hacerse por obligación. Adquieren sabiduría despacio y se las respeta por ella en la madurez.)"},

    // ---- Uranus in the Ninth House ----
    {9, Uranus, R"(Las personas con Urano aquí tienen ideas poco convencionales y progresistas y cuestionan la religión y la autoridad establecidas. Les atraen las nuevas filosofías, la astrología y la ciencia. Viajes repentinos o sucesos inesperados en el extranjero pueden cambiar su vida. Pueden brillar en los estudios superiores, aunque les disgusta la enseñanza tradicional.)"},

    // ---- Neptune in the Ninth House ----
    {9, Neptune, R"(Estas personas tienen creencias místicas e idealistas y les atraen la espiritualidad, la religión o las filosofías exóticas. Pueden viajar a lugares sagrados, o por mar. Su fe puede ser inspiradora, pero también pueden dejarse engañar por falsos maestros o ideas vagas. Tienen una imaginación poética y la visión de un mundo mejor.)"},

    // ---- Pluto in the Ninth House ----
    {9, Pluto, R"(Las personas aquí tienen creencias muy morales y creen firmemente en el poder de la justicia. )"},

    // ======================== Tenth House ========================

    // ---- Sun in the Tenth House ----
    {10, Sun, R"(Estas personas son ambiciosas y quieren llegar a lo más alto en el campo que han elegido. Tienen autoridad natural, buscan el reconocimiento público y a menudo triunfan en la dirección de empresas, el gobierno o cualquier puesto destacado. Su reputación les importa mucho. Uno de los padres, a menudo el padre, influye fuertemente en su carrera.)"},

    // ---- Moon in the Tenth House ----
    {10, Moon, R"(Es probable que tenga una carrera pública y que le conozca mucha gente, quizá en un trabajo relacionado con las mujeres, el hogar, la alimentación o el público en general. Su carrera puede cambiar varias veces, y su popularidad puede subir y bajar. Su madre pudo influir mucho en sus ambiciones.)"},

    // ---- Mercury in the Tenth House ----
    {10, Mercury, R"(Las personas con Mercurio aquí construyen su carrera sobre la inteligencia y la comunicación. Les va bien en la escritura, la enseñanza, los medios, el comercio, los viajes o la administración, y se las conoce por sus ideas. Pueden tener más de un empleo o cambiar de profesión. Planifican su carrera con cuidado y hablan bien en público.)"},

    // ---- Venus in the Tenth House ----
    {10, Venus, R"(Estas personas son populares y gozan del aprecio de sus superiores, y su encanto les ayuda a avanzar en su carrera. Pueden trabajar en el arte, la moda, la estética, el espectáculo o la diplomacia. Su imagen pública es agradable y atractiva. El matrimonio puede elevar su posición social o favorecer su carrera.)"},

    // ---- Mars in the Tenth House ----
    {10, Mars, R"(Estas personas son ambiciosas, competitivas y decididas a triunfar, y quieren estar al mando. Trabajan duro y pueden lograr grandes cosas en los negocios, las fuerzas armadas, la ingeniería o el deporte. Pueden chocar con los jefes y la autoridad, y su carrera puede estar marcada por conflictos o cambios repentinos. Deben evitar crearse enemigos en su ascenso.)"},

    // ---- Jupiter in the Tenth House ----
    {10, Jupiter, R"(Es una posición muy afortunada para la carrera y la reputación. Es probable que alcance un puesto elevado, obtenga honores y goce del respeto del público. Puede triunfar en el derecho, la política, la educación, la religión o las grandes organizaciones. Su fama de honradez y generosidad le abre muchas puertas.)"},

    // ---- Saturn in the Tenth House ----
    {10, Saturn, R"(Estas personas son muy ambiciosas y trabajan con paciencia y sin descanso para llegar a lo más alto. El éxito suele llegar tarde, tras muchos años de esfuerzo y disciplina, pero tiende a durar. Asumen grandes responsabilidades y son aptas para puestos de autoridad. Deben guardarse de una caída causada por el orgullo o el abuso de poder.)"},

    // ---- Uranus in the Tenth House ----
    {10, Uranus, R"(Las personas con Urano aquí necesitan independencia en su carrera y no les gusta trabajar a las órdenes de otros. Pueden cambiar de profesión de repente o trabajar en campos insólitos como la tecnología, la ciencia, la astrología o la reforma social. Su carrera puede tener altibajos inesperados, y a menudo les va mejor trabajando por cuenta propia.)"},

    // ---- Neptune in the Tenth House ----
    {10, Neptune, R"(Estas personas pueden dudar mucho tiempo sobre el rumbo de su carrera, o encontrar su vocación en el arte, la música, el cine, la sanación o el trabajo espiritual. Su imagen pública puede ser seductora o misteriosa. Deben guardarse de escándalos o engaños que puedan dañar su reputación, y necesitan metas claras.)"},

    // ---- Pluto in the Tenth House ----
    {10, Pluto, R"(Usted tiene un fuerte afán de poder e influencia en su carrera y puede alcanzar un puesto de gran autoridad. Puede trabajar en la política, la investigación, la medicina o las grandes corporaciones, y es capaz de transformar las organizaciones en que trabaja. Su carrera puede incluir cambios drásticos y luchas de poder.)"},

    // ======================== Eleventh House ========================

    // ---- Sun in the Eleventh House ----
    {11, Sun, R"(Estas personas brillan en grupos, clubes y organizaciones, y a menudo se convierten en líderes entre sus amigos. Tienen muchos amigos influyentes y metas claras para el futuro. Pueden participar en causas sociales, y sus esperanzas suelen cumplirse. Las ganancias llegan a través de su trabajo y sus contactos.)"},

    // ---- Moon in the Eleventh House ----
    {11, Moon, R"(Usted tiene muchos amigos y conocidos, sobre todo mujeres, y su vida social es importante para su bienestar emocional. Sus amistades pueden cambiar a menudo, igual que sus esperanzas y deseos. Puede beneficiarse del público o de grupos que le dan un sentido de pertenencia.)"},

    // ---- Mercury in the Eleventh House ----
    {11, Mercury, R"(Las personas con Mercurio aquí tienen muchos amigos con quienes comparten ideas y conversaciones animadas. Les atraen los grupos intelectuales, las sociedades y las redes. Sus metas son racionales y bien planificadas, y sus amigos les ayudan con consejos y contactos útiles. Los ingresos pueden llegar por la escritura o la comunicación.)"},

    // ---- Venus in the Eleventh House ----
    {11, Venus, R"(Estas personas son populares y tienen muchos amigos leales y agradables, a menudo entre artistas. La vida social les da alegría, y pueden conocer a su pareja a través de amigos o grupos. Es probable que sus deseos se cumplan, y se benefician de sus contactos amistosos. Son amables y generosas con sus amigos.)"},

    // ---- Mars in the Eleventh House ----
    {11, Mars, R"(Estas personas son activas en grupos y organizaciones y a menudo toman la iniciativa. Tienen amigos enérgicos y audaces, pero también puede haber peleas o rivalidades entre ellos. Persiguen sus metas con fuerza. Sus amistades pueden terminar de repente por desacuerdos, así que necesitan tacto.)"},

    // ---- Jupiter in the Eleventh House ----
    {11, Jupiter, R"(Usted tiene la suerte de contar con muchos amigos leales, generosos e influyentes que le ayudan a lo largo de la vida. Sus esperanzas y deseos se cumplen a menudo, y obtiene ganancias considerables gracias a su trabajo y a sus relaciones sociales. Participa en grupos humanitarios o benéficos y tiene una visión amplia del futuro.)"},

    // ---- Saturn in the Eleventh House ----
    {11, Saturn, R"(Estas personas tienen pocos amigos, pero los que tienen son leales, serios y a menudo mayores. Pueden sentirse aisladas en los grupos o asumir responsabilidades dentro de las organizaciones. Sus esperanzas se realizan despacio y con trabajo duro. Las ganancias llegan tarde en la vida, pero perduran.)"},

    // ---- Uranus in the Eleventh House ----
    {11, Uranus, R"(Urano está en su domicilio en esta casa. Las personas con esta posición tienen amigos insólitos, brillantes o excéntricos y les atraen los grupos progresistas, la ciencia y las causas humanitarias. Las amistades empiezan y terminan de repente. Sus metas son originales, y se benefician de oportunidades inesperadas.)"},

    // ---- Neptune in the Eleventh House ----
    {11, Neptune, R"(Estas personas son idealistas respecto a la amistad y pueden sentirse atraídas por grupos espirituales, artísticos o benéficos. Pueden ser engañadas por amigos o dar más de lo que reciben, y sus esperanzas pueden ser poco realistas. Necesitan elegir a sus amigos con cuidado y mantener claras sus metas.)"},

    // ---- Pluto in the Eleventh House ----
    {11, Pluto, R"(Usted tiene amistades intensas que pueden transformar su vida, y pueden atraerle grupos u organizaciones poderosos. Quiere influir en la sociedad y puede ser una fuerza poderosa dentro de un equipo. Son posibles las luchas de poder en los grupos. Sus metas son ambiciosas y las persigue con gran determinación.)"},

    // ======================== Twelfth House ========================

    // ---- Sun in the Twelfth House ----
    {12, Sun, R"(Estas personas suelen trabajar entre bastidores y se sienten a gusto en soledad. Pueden trabajar en hospitales, prisiones, centros de investigación o instituciones benéficas. Tienen una rica vida interior y una fuerte necesidad de crecimiento espiritual. Puede faltarles confianza u ocultar sus verdaderas capacidades, y dan lo mejor de sí cuando sirven a los demás discretamente.)"},

    // ---- Moon in the Twelfth House ----
    {12, Moon, R"(Usted es muy sensible, reservado y emotivo, y a menudo oculta sus sentimientos a los demás. Necesita periodos regulares de retiro para recuperar el equilibrio. Es compasivo y puede trabajar en el cuidado de otros o en instituciones. Su primera infancia o la relación con su madre pudo dejarle heridas emocionales ocultas.)"},

    // ---- Mercury in the Twelfth House ----
    {12, Mercury, R"(Las personas con Mercurio aquí piensan en privado y se guardan muchos de sus pensamientos. Tienen una fuerte intuición e imaginación y pueden escribir, investigar o estudiar en retiro. Pueden ser tímidas a la hora de expresar sus ideas. La ansiedad nerviosa o la preocupación pueden ser un problema, y es posible la correspondencia secreta.)"},

    // ---- Venus in the Twelfth House ----
    {12, Venus, R"(Estas personas son compasivas y encuentran placer en los asuntos tranquilos, ocultos o privados. Pueden tener amores secretos, o un romance que debe permanecer oculto. Son amables con los necesitados y se realizan en la beneficencia, el arte o la música. Disfrutan de la paz y la soledad.)"},

    // ---- Mars in the Twelfth House ----
    {12, Mars, R"(Estas personas suelen reprimir su ira y actuar entre bastidores. Pueden tener enemigos ocultos y trabajar en secreto por sus metas. Su energía se encauza mejor en la investigación, el trabajo hospitalario o benéfico. Deben evitar las acciones que se vuelven contra ellas mismas y aprender a expresar sus deseos abiertamente.)"},

    // ---- Jupiter in the Twelfth House ----
    {12, Jupiter, R"(Usted goza de una protección oculta, y en los momentos de necesidad la ayuda le llega a menudo de fuentes inesperadas. Es generoso, caritativo y espiritual, y encuentra la felicidad en el servicio y la soledad. Puede trabajar en hospitales, instituciones religiosas u organizaciones benéficas, y está a salvo de daños graves.)"},

    // ---- Saturn in the Twelfth House ----
    {12, Saturn, R"(Estas personas pueden sentirse solas, limitadas o agobiadas por miedos y responsabilidades ocultos, y a menudo trabajan en instituciones o entre bastidores. Deben afrontar sus angustias internas y aprender a confiar en la vida. Con paciencia desarrollan una gran fuerza interior y sabiduría. Los problemas crónicos de salud pueden requerir atención hospitalaria.)"},

    // ---- Uranus in the Twelfth House ----
    {12, Uranus, R"(Las personas con Urano aquí tienen intuiciones repentinas y una visión del inconsciente. Pueden tener intereses secretos y poco convencionales y vivir sucesos repentinos y ocultos. Necesitan periodos de retiro y libertad. Su originalidad puede permanecer oculta, y les beneficia la psicología o la práctica espiritual.)"},

    // ---- Neptune in the Twelfth House ----
    {12, Neptune, R"(Neptuno está en su domicilio en esta casa. Estas personas son profundamente espirituales, intuitivas y compasivas, y tienen una fuerte necesidad de aislamiento, meditación y retiro. Pueden trabajar en hospitales, monasterios u organizaciones benéficas. Son muy sensibles y deben evitar la evasión, el alcohol y las drogas. Su vida interior es rica y llena de sueños.)"},

    // ---- Pluto in the Twelfth House ----
    {12, Pluto, R"(Usted tiene una gran fuerza oculta y una gran penetración psicológica. Puede trabajar en la investigación, la psicología o las pesquisas, a menudo en secreto. Su inconsciente alberga fuerzas poderosas que deben afrontarse y transformarse. Puede tener enemigos ocultos, pero también el poder de superar grandes dificultades.)"},
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

} // namespace orbenza::texts::es
