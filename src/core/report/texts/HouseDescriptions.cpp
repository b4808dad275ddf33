// The house descriptions.
//
// One paragraph per house about what the house means; the report prints it
// under "More About <house name>" after the planets that stand in the house.
// Each paragraph stays on a single line (the report adds the line breaks) and
// is 589 to 731 characters long; the tests check both.

#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts {

// clang-format off
constexpr HouseDescriptionTable kHouseDescriptions = {
    // Slot 0 is unused: houses are numbered from 1.
    "",

    // ---- First House ----
    R"(Much can be determined about someone's personality from this house. It begins at the Ascendant, the degree of the zodiac that was rising on the eastern horizon at the moment of birth, and it describes the self in its most immediate form: the body and its vitality, the face you show the world and the first impression you make on others. It tells how you meet new situations, how you start things and how you assert your own identity. Astrologers read it for temperament, physical appearance and general health, and for the surroundings in which the personality first took shape. Any planet placed here colours the whole character and is easily seen by others.)",

    // ---- Second House ----
    R"(This house is traditionally known as the house of material possessions and wealth. It shows how you earn money, how you spend it and what you consider worth owning. Beyond cash and property it describes your sense of security and self-worth, the talents and resources you can draw upon and the values that guide your choices. A strong second house points to a steady income and a practical gift for building up savings over time, while afflictions here may show periods of financial strain or a habit of spending too freely. It also rules movable goods, investments and the things you collect, and it shows how much comfort and pleasure you take from the physical world.)",

    // ---- Third House ----
    R"(This house corresponds to your power of communication. It rules speech, writing, learning and the everyday exchange of ideas, as well as the way your mind gathers and sorts information. Brothers, sisters, cousins and neighbours belong to this house, and so do short journeys, local travel, letters, messages and the early years of schooling. A well placed third house gives a quick, curious mind, a talent for languages and an easy manner with the people close at hand. When it is under strain there may be misunderstandings with siblings, restless thinking or scattered studies. It shows how you reason, how you listen and how you adapt to your immediate surroundings.)",

    // ---- Fourth House ----
    R"(This house is also known as 'Matristhan' in India or the house referring to your mother. It lies at the bottom of the chart and describes your roots: home, family, ancestry and the parent who nurtured you most. It shows the atmosphere of the home you grew up in and the kind of home you will make for yourself, together with land, houses and other fixed property. On a deeper level it is the private foundation of the personality, the emotional security you need and the place you return to when the outside world becomes too much. Astrologers also read it for the later part of life and for the conditions that surround you in old age.)",

    // ---- Fifth House ----
    R"(This house signifies the place of love affairs, how you will relate to your fiancé and romantic attachments in your life. It is the house of pleasure and self-expression: courtship, flirtation, hobbies, games, sport, entertainment and every kind of creative work that comes from the heart. Children are read from this house as well, both your own and the way you relate to the young. Speculation, gambling and risk-taking belong here too, since they share the same spirit of play. A strong fifth house gives warmth, charm and a natural flair for enjoying life, while a troubled one may show disappointments in love or a tendency to take needless chances.)",

    // ---- Sixth House ----
    R"(This house indicates the skills we possess and the kind of work compatible with those abilities. It governs daily routine, duty and service: the job itself rather than the career, the colleagues and employees you deal with, and the habits that shape an ordinary working day. It is also the house of health, showing how the body responds to stress, diet and overwork and which complaints a person may be prone to. Small animals and pets are traditionally placed here as well. A balanced sixth house brings diligence, efficiency and a willingness to be useful, while a strained one may show friction at work, worry, or health problems brought on by nervous tension.)",

    // ---- Seventh House ----
    R"(This house is commonly believed to define our conjugal life, the king of persons we are inclined to choose as a marriage partner and woes or happiness regarding your relationship with your spouse. It stands opposite the first house and describes the other person in every close partnership, in business as much as in love. Contracts, agreements and open enemies are read here too, since all of them involve someone who meets us face to face. Planets in this house show what we look for in others, and often what we project onto them. A harmonious seventh house promises cooperation and a loyal partner, while a troubled one may bring disputes, lawsuits or separation.)",

    // ---- Eighth House ----
    R"(This house corresponds to the sexual nature of a person. It is the house of intimacy, deep emotional bonds and everything two people share, including joint finances, inheritances, taxes, debts and the money of a partner. Traditionally it is also the house of death, though a modern reading more often finds in it the endings, crises and transformations that allow a person to begin again. Secrets, hidden matters, research and an interest in the occult belong here as well. A strong eighth house gives intensity, insight into the motives of others and the power to recover from loss, while a difficult one may show jealousy, quarrels over shared resources or a fear of losing control.)",

    // ---- Ninth House ----
    R"(This house of your natal chart defines the values you follow throughout your life, philosophic understanding of this world as well as your religious orientation. It is the house of the higher mind: university studies, law, ethics, publishing and every search for meaning that reaches beyond daily life. Long journeys and foreign countries, and people from other cultures, are read here too. It also shows your teachers, mentors and spiritual guides, and in Indian tradition the father and good fortune. A well supported ninth house gives broad vision, optimism and a love of learning, while a strained one may make a person dogmatic, restless or careless with promises.)",

    // ---- Tenth House ----
    R"(This house of tells about your career and your orientation regarding work and employment. It occupies the top of the chart, the region of the Midheaven, and describes your public life: reputation, status, achievements and the way the world sees you. It shows your ambitions, your relationship with authority and with employers, and the kind of responsibility you are willing to carry. One of the parents, traditionally the father, is also read from this house. Planets placed here are highly visible and tend to shape the direction of a whole lifetime. A strong tenth house brings recognition and advancement, while a difficult one may show setbacks in career or a fall from position.)",

    // ---- Eleventh House ----
    R"(This house is traditionally known as the house of income. It shows the gains and rewards that come from your work and efforts, and in a wider sense the fulfilment of your hopes, wishes and long-term goals. It is also the house of friends, groups, clubs, societies and associations, of the people who share your ideals and help you along the way. Humanitarian causes and your place within a community are read from here as well. A well placed eleventh house brings helpful friends, influential contacts and a steady flow of opportunities, while a strained one may show false friends, disappointed hopes or losses through the very people you trust.)",

    // ---- Twelfth House ----
    R"(In Indian Astrology, this house is known as the 'Vyaysthana' or the house of expenses. It shows where money and energy drain away, and in Western astrology it is the house of endings, seclusion and everything hidden. Hospitals, prisons, monasteries and other places of retreat belong to it, as do secret enemies, self-undoing and the fears we do not admit even to ourselves. Yet it is also the house of compassion, charity, dreams, intuition and spiritual growth, where a person learns to let go. A strong twelfth house gives a rich inner life and a gift for quiet service to others, while a difficult one may bring isolation, confusion or losses that are hard to explain.)",
};
// clang-format on

} // namespace orbenza::texts
