// The planet characteristics.
//
// One paragraph per planet about what the planet stands for wherever it falls;
// the report prints it under "Characteristics Of Planet <name> :-" after the
// planet's house text. Each paragraph stays on a single line (the report adds
// the line breaks). Their lengths are fixed: Sun 759, Moon 223, Mercury 67,
// Venus 93, Mars 168, Jupiter 113, Saturn 111, Uranus 129, Neptune 101 and
// Pluto 61 characters; the tests check them, so an edit must keep the length.
// Pluto's text has no closing full stop, and that is intended.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts {

// clang-format off
constexpr PlanetCharacteristicsTable kPlanetCharacteristics = {
    // ---- Sun ----
    R"(He can be good or evil depending upon the planets in configuration with him. The Sun is the king of the planets and the centre of the horoscope, the source of light around which all else turns. He stands for the conscious self, the will and the vital energy that keeps body and spirit alive. His house shows where you want to shine, where you seek recognition and where your sense of purpose is strongest. Well supported, he gives confidence, generosity, dignity and the ability to lead; under strain, the same qualities can turn into pride, arrogance, vanity or a need to dominate. He is also linked with the father, with men in authority and with the heart, the spine and the eyes. At his best he brings warmth, courage and creative power to all he touches.)",

    // ---- Moon ----
    R"(The moon is the planet most connected to our feelings and emotions linked to other people in their lives. It governs instinct, habit, memory, home and the mother, and its house shows where you seek comfort, safety and care.)",

    // ---- Mercury ----
    R"(Mercury governs the way that you communicate with those around you.)",

    // ---- Venus ----
    R"(Venus is the planet that is about how people express socially, romantically and artistically.)",

    // ---- Mars ----
    R"(This is where your assertiveness and power will lie. Mars gives energy, courage and drive, and shows where you act first, strive hardest and sometimes lose your temper.)",

    // ---- Jupiter ----
    R"(Where the house placement of Jupiter is where you are likely to think optimistically and positively about things.)",

    // ---- Saturn ----
    R"(This is where people are likely to encounter heavy obstacles. It is the planet of restrictions and limitations.)",

    // ---- Uranus ----
    R"(This planet shows which areas of our life need to have freedom and seclusion. It is also where a lot of unexpected changes occur.)",

    // ---- Neptune ----
    R"(Neptune is very mystical and dreamlike; it is where the spiritual and psychic side will be portrayed.)",

    // ---- Pluto ----
    R"(Pluto is a very powerful planet yet power struggles may occur)",
};
// clang-format on

} // namespace orbenza::texts
