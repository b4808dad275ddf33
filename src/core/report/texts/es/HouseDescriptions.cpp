// The house descriptions in Spanish.
//
// A translation of the English table in the parent folder, one paragraph per
// house in the same order. Each paragraph stays on a single line and is 589 to
// 731 characters long, as in English.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts::es {

// clang-format off
constexpr HouseDescriptionTable kHouseDescriptions = {
    // Slot 0 is unused: houses are numbered from 1.
    "",

    // ---- First House ----
    R"(Esta casa revela mucho sobre la personalidad de alguien. Comienza en el Ascendente, el grado del zodíaco que se elevaba por el horizonte oriental en el momento del nacimiento, y describe el yo en su forma más inmediata: el cuerpo y su vitalidad, la cara que se muestra al mundo y la primera impresión que se causa en los demás. Indica cómo afronta usted las situaciones nuevas, cómo inicia las cosas y cómo afirma su propia identidad. Los astrólogos la leen para conocer el temperamento, el aspecto físico y la salud general, así como el entorno en que se formó la personalidad. Todo planeta situado aquí tiñe el carácter entero y los demás lo perciben con facilidad.)",

    // ---- Second House ----
    R"(Tradicionalmente se la conoce como la casa de los bienes materiales y la riqueza. Muestra cómo gana usted el dinero, cómo lo gasta y qué considera digno de poseer. Más allá del dinero y las propiedades, describe su sentido de la seguridad y de la autoestima, los talentos y recursos con que cuenta y los valores que guían sus decisiones. Una segunda casa fuerte indica ingresos estables y un talento práctico para ahorrar con el tiempo, mientras que las aflicciones aquí pueden señalar épocas de apuros económicos o la costumbre de gastar demasiado. Rige además los bienes muebles, las inversiones y lo que usted colecciona, y muestra cuánto disfruta del mundo físico.)",

    // ---- Third House ----
    R"(Esta casa corresponde a su capacidad de comunicación. Rige el habla, la escritura, el aprendizaje y el intercambio cotidiano de ideas, así como la forma en que su mente reúne y ordena la información. Los hermanos, primos y vecinos pertenecen a esta casa, y también los viajes cortos, los desplazamientos locales, las cartas, los mensajes y los primeros años de escuela. Una tercera casa bien dispuesta da una mente rápida y curiosa, facilidad para los idiomas y un trato fácil con las personas cercanas. Cuando está tensa puede haber malentendidos con los hermanos, pensamientos inquietos o estudios dispersos. Muestra cómo razona usted, cómo escucha y cómo se adapta a su entorno inmediato.)",

    // ---- Fourth House ----
    R"(En la India esta casa se conoce también como «Matristhan», la casa que se refiere a la madre. Está en el fondo de la carta y describe sus raíces: el hogar, la familia, los antepasados y el progenitor que más le cuidó. Muestra el ambiente del hogar en que usted creció y el tipo de hogar que formará, junto con las tierras, casas y demás bienes inmuebles. En un plano más profundo es el cimiento íntimo de la personalidad, la seguridad emocional que necesita y el lugar al que vuelve cuando el mundo exterior le abruma. Los astrólogos la leen también para la última etapa de la vida y las condiciones que le rodearán en la vejez.)",

    // ---- Fifth House ----
    R"(Esta casa señala el terreno de los amores, cómo se relacionará usted con su prometido y con sus vínculos románticos. Es la casa del placer y la expresión personal: el cortejo, el flirteo, las aficiones, los juegos, el deporte, las diversiones y toda obra creativa que nace del corazón. También los hijos se leen en esta casa, tanto los propios como su trato con los jóvenes. La especulación, el juego y el riesgo pertenecen igualmente a ella, pues comparten el mismo espíritu lúdico. Una quinta casa fuerte da calidez, encanto y un don natural para disfrutar de la vida, mientras que una afligida puede indicar desengaños amorosos o la tendencia a correr riesgos innecesarios.)",

    // ---- Sixth House ----
    R"(Esta casa indica las habilidades que poseemos y el tipo de trabajo acorde con ellas. Rige la rutina diaria, el deber y el servicio: el empleo más que la carrera, los compañeros y subordinados con quienes se trata y los hábitos que dan forma a una jornada laboral. Es también la casa de la salud, y muestra cómo responde el cuerpo al estrés, la dieta y el exceso de trabajo, y a qué dolencias se es propenso. Tradicionalmente se sitúan aquí también los animales pequeños y las mascotas. Una sexta casa equilibrada aporta diligencia, eficacia y ganas de ser útil, mientras que una tensa puede mostrar roces en el trabajo, preocupaciones o problemas de salud causados por la tensión nerviosa.)",

    // ---- Seventh House ----
    R"(Se cree comúnmente que esta casa define nuestra vida conyugal, el tipo de persona que tendemos a elegir como cónyuge y las penas o alegrías de la relación con el esposo o la esposa. Está enfrente de la primera casa y describe al otro en toda asociación estrecha, tanto en los negocios como en el amor. Los contratos, los acuerdos y los enemigos declarados se leen también aquí, pues todos implican a alguien que nos encara. Los planetas en esta casa muestran lo que buscamos en los demás, y a menudo lo que proyectamos en ellos. Una séptima casa armoniosa promete cooperación y una pareja leal, mientras que una afligida puede traer disputas, pleitos o separación.)",

    // ---- Eighth House ----
    R"(Esta casa corresponde a la naturaleza sexual de la persona. Es la casa de la intimidad, de los lazos emocionales profundos y de todo lo que dos personas comparten, incluidas las finanzas comunes, herencias, impuestos, deudas y el dinero de la pareja. Tradicionalmente es también la casa de la muerte, aunque una lectura moderna ve en ella los finales, crisis y transformaciones que permiten volver a empezar. Le pertenecen también los secretos, la investigación y el interés por lo oculto. Una octava casa fuerte da intensidad, comprensión de los motivos ajenos y fuerza para reponerse de las pérdidas, mientras que una difícil puede mostrar celos, disputas por bienes compartidos o miedo a perder el control.)",

    // ---- Ninth House ----
    R"(Esta casa de su carta natal define los valores que usted sigue a lo largo de la vida, su comprensión filosófica del mundo y su orientación religiosa. Es la casa de la mente superior: los estudios universitarios, el derecho, la ética, la edición y toda búsqueda de sentido que va más allá de la vida diaria. Los viajes largos, los países extranjeros y las personas de otras culturas se leen también aquí. Muestra además a sus maestros, mentores y guías espirituales, y en la tradición india al padre y la buena fortuna. Una novena casa bien aspectada da amplitud de miras, optimismo y amor por el saber, mientras que una tensa puede volver a la persona dogmática, inquieta o descuidada con sus promesas.)",

    // ---- Tenth House ----
    R"(Esta casa habla de su carrera y de su orientación en cuanto al trabajo y el empleo. Ocupa la parte alta de la carta, la región del Medio Cielo, y describe su vida pública: reputación, posición, logros y la forma en que le ve el mundo. Muestra sus ambiciones, su relación con la autoridad y con los jefes, y el tipo de responsabilidad que está dispuesto a asumir. Uno de los padres, tradicionalmente el padre, se lee también en esta casa. Los planetas situados aquí son muy visibles y suelen marcar el rumbo de toda una vida. Una décima casa fuerte trae reconocimiento y ascenso, mientras que una difícil puede mostrar reveses profesionales o la pérdida de una posición.)",

    // ---- Eleventh House ----
    R"(Tradicionalmente se la conoce como la casa de los ingresos. Muestra las ganancias y recompensas que traen su trabajo y sus esfuerzos y, en un sentido más amplio, el cumplimiento de sus esperanzas, deseos y metas a largo plazo. Es también la casa de los amigos, los grupos, clubes, sociedades y asociaciones, de las personas que comparten sus ideales y le ayudan en el camino. Las causas humanitarias y su lugar en una comunidad se leen también aquí. Una undécima casa bien dispuesta trae amigos serviciales, contactos influyentes y oportunidades constantes, mientras que una tensa puede mostrar falsos amigos, esperanzas frustradas o pérdidas causadas por las mismas personas en quienes confía.)",

    // ---- Twelfth House ----
    R"(En la astrología india esta casa se conoce como «Vyaysthana», la casa de los gastos. Muestra por dónde se van el dinero y la energía, y en la astrología occidental es la casa de los finales, el retiro y todo lo oculto. Le pertenecen los hospitales, las cárceles, los monasterios y otros lugares de recogimiento, así como los enemigos secretos, la autodestrucción y los miedos que no admitimos ni ante nosotros. Pero es también la casa de la compasión, la caridad, los sueños, la intuición y el crecimiento espiritual, donde uno aprende a soltar. Una duodécima casa fuerte da una rica vida interior y un don para servir discretamente a los demás, mientras que una difícil puede traer aislamiento, confusión o pérdidas inexplicables.)",
};
// clang-format on

} // namespace orbenza::texts::es
