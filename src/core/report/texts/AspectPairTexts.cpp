// The aspect texts.
//
// One paragraph for each pair of the twelve aspect points and each aspect
// family; the report prints it under a heading such as "Sun Trine Moon". Each
// entry is keyed by its two points in chart order and its family, so the order
// below is only for the reader; the build fails if a key is missing, appears
// twice or names its points out of order. Each paragraph stays on a single
// line (the report adds the line breaks), has two to four sentences and
// differs from every other one; the tests check that.
//
// A translation is a copy of this file with its own table of the same keys.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

namespace orbenza::texts {
namespace {

using enum Body;
using enum AspectFamily;

// clang-format off
constexpr AspectTextEntry kEntries[] = {

    // ======================== Sun ========================

    // ---- Sun and Moon ----
    {Sun, Moon, Conjunction, R"(Born close to the New Moon, these people are single-minded: what they want and what they need pull in the same direction. They pursue their aims with wholehearted energy and are seldom troubled by inner doubt. The same unity can make it hard for them to see themselves from the outside or to understand people who are made differently.)"},
    {Sun, Moon, Harmonious, R"(Your will and your feelings work together, which gives you an easy inner balance and a quiet self-confidence. You get on well with others, and your home life tends to support your ambitions rather than stand in their way. Health and vitality are usually good, and you recover quickly from setbacks.)"},
    {Sun, Moon, Challenging, R"(These people often feel that their head and their heart want different things, and they may swing from one to the other. The tension can go back to differences between the parents that were felt early in life. Once they learn to listen to both sides of their nature, this restlessness becomes drive and a deep understanding of human conflict.)"},

    // ---- Sun and Mercury ----
    {Sun, Mercury, Conjunction, R"(The mind and the sense of self are closely bound together, so these people identify strongly with their own ideas and opinions. They think and speak with conviction and often have a gift for putting themselves across. When the conjunction is very close, they may find it hard to hear criticism of their views without taking it personally.)"},
    {Sun, Mercury, Harmonious, R"(You express yourself clearly, and your thinking serves your purpose well. Learning comes easily to you, and you can explain what you want in a way that others accept. Your mind stays lively and practical throughout life.)"},
    {Sun, Mercury, Challenging, R"(These people may feel that their words never quite say what they mean, or that their plans and their real purpose point in different directions. They tend to argue their case too hard and can become nervous under pressure. With practice the friction sharpens the intellect and gives them a talent for debate.)"},

    // ---- Sun and Venus ----
    {Sun, Venus, Conjunction, R"(People with this conjunction have charm, warmth and a love of beauty that shows in their appearance and in their surroundings. They are affectionate and want to be liked, and usually they are. Many have artistic talent, though they can be too fond of comfort and may shy away from hard choices.)"},
    {Sun, Venus, Harmonious, R"(You have a friendly, pleasant disposition and a gift for putting others at ease. Love, friendship and the arts bring you much happiness, and help often reaches you through your social connections. Your taste is good and you know how to enjoy life.)"},
    {Sun, Venus, Challenging, R"(These people want love and admiration but may feel that affection does not come to them in the form they hope for. They can overspend on pleasure or try too hard to please. When they learn to value themselves without waiting for the approval of others, the real charm of this aspect comes through.)"},

    // ---- Sun and Mars ----
    {Sun, Mars, Conjunction, R"(These people are full of energy, courage and will power, and they go after what they want without hesitation. They are natural competitors who love a challenge and often excel in sport or in work that demands physical effort. Their temper is quick, and they must learn that not every situation calls for a fight.)"},
    {Sun, Mars, Harmonious, R"(You have plenty of vitality and the courage to act on your convictions. You work hard, recover quickly and like to take the lead, and others respect your directness. Because your energy goes where you aim it, your efforts usually bring results.)"},
    {Sun, Mars, Challenging, R"(People with this aspect have a strong drive but may waste it in quarrels, impatience or rash action. They can be combative and tend to provoke opposition, especially from people in authority. Once they learn to pace themselves, they have enormous stamina and can achieve a great deal through sheer determination.)"},

    // ---- Sun and Jupiter ----
    {Sun, Jupiter, Conjunction, R"(This is a fortunate conjunction that gives generosity, optimism and a large outlook on life. These people are confident and warm-hearted, and they readily attract help and opportunity. Their main danger is excess: overconfidence, overspending and promising more than they can keep.)"},
    {Sun, Jupiter, Harmonious, R"(You have a cheerful, hopeful nature and a strong sense of justice and fair play. Good fortune often arrives at the right moment, and you tend to be respected and well liked. Study, travel and the search for meaning broaden your life and bring you success.)"},
    {Sun, Jupiter, Challenging, R"(These people are generous and ambitious but inclined to overreach, expecting too much of life or of themselves. They may be extravagant, self-important or careless with details. When they keep their aims realistic, their enthusiasm and faith carry them a long way.)"},

    // ---- Sun and Saturn ----
    {Sun, Saturn, Conjunction, R"(These people are serious, responsible and self-disciplined, and they often carry heavy duties from an early age. They may have felt a lack of warmth or recognition, particularly from the father, and they can be very hard on themselves. Success comes slowly but it lasts, because they build on solid ground.)"},
    {Sun, Saturn, Harmonious, R"(You are patient, practical and reliable, and you know how to work steadily toward long-term goals. Others trust you with responsibility, and your career tends to rise gradually to a position of respect. You age well and often grow more confident with the years.)"},
    {Sun, Saturn, Challenging, R"(People with this aspect meet obstacles, delays and self-doubt, and they may feel that life demands more of them than of others. Fathers, employers and officials can seem to block their way, and fear of failure may hold them back. Through persistence they acquire a discipline and a strength that easier lives never develop.)"},

    // ---- Sun and Uranus ----
    {Sun, Uranus, Conjunction, R"(These people are original, independent and often ahead of their time. They need the freedom to live in their own way and react strongly against any attempt to restrict them. Their lives are marked by sudden changes, and many have a talent for science, invention or anything new.)"},
    {Sun, Uranus, Harmonious, R"(You have an inventive mind and the courage to follow your own path. New ideas come to you easily, and you can bring about change without causing needless upheaval. Friends, groups and like-minded people play an important part in your success.)"},
    {Sun, Uranus, Challenging, R"(These people are restless and rebellious, and they may break off a job, a home or a relationship abruptly when they feel confined. Their lives can be full of sudden upsets and clashes with authority. Their gift is originality, and when they learn to work with others rather than against them they can be true reformers.)"},

    // ---- Sun and Neptune ----
    {Sun, Neptune, Conjunction, R"(People with this conjunction are sensitive, imaginative and idealistic, with a strong feeling for music, art or the spiritual side of life. Their sense of who they are can be vague, and they may find it hard to stand up for themselves. They must guard against self-deception and against people who would take advantage of their kindness.)"},
    {Sun, Neptune, Harmonious, R"(You have a rich imagination and a compassionate nature, and you respond deeply to art, music and beauty. Your intuition is good, and you can inspire others with your ideals. Creative, healing and charitable work suits you well.)"},
    {Sun, Neptune, Challenging, R"(These people can be unsure of their own aims and are easily led astray by illusions, flattery or the wish to escape. They may idealise others and then feel deceived when the truth comes out. They should keep their feet on the ground in matters of money and health, and be wary of alcohol and drugs.)"},

    // ---- Sun and Pluto ----
    {Sun, Pluto, Conjunction, R"(These people have tremendous will power, intensity and a need to be master of their own destiny. They go through profound transformations in life, often after a crisis, and come out of each one stronger. They can be formidable leaders, but they must use their power wisely and not try to dominate others.)"},
    {Sun, Pluto, Harmonious, R"(You have great inner strength and the ability to renew yourself after difficulty. You can work with intense concentration and are not easily deterred once your mind is made up. Positions of influence come naturally to you, and you can use them to bring about real change.)"},
    {Sun, Pluto, Challenging, R"(People with this aspect are drawn into power struggles, especially with authority, and may be driven by a fierce need to prevail. Their lives bring upheavals that force them to let go and start again. When they turn this intensity toward mastering themselves instead of others, they become remarkably resilient.)"},

    // ---- Sun and Ascendant ----
    {Sun, Ascendant, Conjunction, R"(The Sun rising gives a warm, commanding personality and a natural air of authority. These people are confident, proud and easily noticed, and they like to be seen for who they are. Health and vitality are usually good, though they can be rather self-centred.)"},
    {Sun, Ascendant, Harmonious, R"(You present yourself with warmth and confidence, and others readily see your good qualities. Your purpose in life agrees with the way you meet the world, which makes you easy to understand and to trust. Your personality shines through in everything you do.)"},
    {Sun, Ascendant, Challenging, R"(These people may feel that the image they show the world does not fit who they really are, or they may look for their own light in a partner. Relationships can bring clashes of will, especially with people as strong as themselves. Finding a way to express their true self openly brings them ease and recognition.)"},

    // ---- Sun and Midheaven ----
    {Sun, Midheaven, Conjunction, R"(The Sun at the top of the chart points to ambition, a public role and a wish to be recognised for what one achieves. These people are drawn to positions of leadership and are often successful in their careers. They may identify so closely with their work that private life takes second place.)"},
    {Sun, Midheaven, Harmonious, R"(Your career and your sense of purpose support each other, so you are likely to find work that suits you. Superiors respect you, and recognition comes without your having to force it. Your reputation tends to grow steadily through life.)"},
    {Sun, Midheaven, Challenging, R"(These people may feel torn between their personal aims and the demands of career, home or family. They can meet opposition from superiors or struggle for the recognition they feel they deserve. Once they know clearly what they want, their drive carries them to a position of respect.)"},

    // ======================== Moon ========================

    // ---- Moon and Mercury ----
    {Moon, Mercury, Conjunction, R"(These people think with their feelings and remember everything that has touched them emotionally. They are quick, talkative and responsive, with a good memory and a knack for sensing what others want to hear. Their opinions can change with their moods.)"},
    {Moon, Mercury, Harmonious, R"(You put your feelings into words easily, and your common sense is sound. You are a sympathetic listener and a natural communicator, and you learn well from experience. Writing, teaching or work with the public suits you.)"},
    {Moon, Mercury, Challenging, R"(People with this aspect may find that reason and feeling disagree, which makes them changeable, nervous or prone to worry. When anxious they talk too much or say things they later regret. Learning to pause before speaking turns their quick, sensitive mind into a real asset.)"},

    // ---- Moon and Venus ----
    {Moon, Venus, Conjunction, R"(This conjunction gives a gentle, affectionate and sociable nature and a love of comfort and beauty. These people are kind and well liked, and they make a pleasant, welcoming home. They may go to great lengths to avoid unpleasantness and are inclined to indulge themselves, especially in food and sweets.)"},
    {Moon, Venus, Harmonious, R"(You have a warm heart and an easy charm, and people feel comfortable in your company. Your home life and relationships tend to be harmonious, and women are often helpful to you. You have artistic taste and enjoy beautiful surroundings.)"},
    {Moon, Venus, Challenging, R"(These people long for affection but may feel that love is not returned as fully as they give it. They can be self-indulgent, overspending on comforts or seeking reassurance in pleasure. Balance comes when they learn to give to themselves the care they so readily give to others.)"},

    // ---- Moon and Mars ----
    {Moon, Mars, Conjunction, R"(These people have strong, quick emotions and react at once to whatever touches them. They are brave and protective of those they love, but their temper flares easily. Channelled well, their energy makes them tireless workers for the people and causes they care about.)"},
    {Moon, Mars, Harmonious, R"(You have emotional courage and the energy to act on your feelings. You are frank and enthusiastic, quick to defend others and quick to recover from disappointment. Your determination helps you get things done, at home and at work.)"},
    {Moon, Mars, Challenging, R"(People with this aspect are impulsive and easily provoked, and their moods can flare into quarrels, often at home. They tend to act first and regret it later. Physical activity and honest talk about their feelings help them release tension before it explodes.)"},

    // ---- Moon and Jupiter ----
    {Moon, Jupiter, Conjunction, R"(These people are generous, kind-hearted and optimistic, and their good humour makes them popular. They often enjoy a comfortable home and the protection of their family. They should watch a tendency to overeat or to be too easy on themselves.)"},
    {Moon, Jupiter, Harmonious, R"(You have a benevolent, sympathetic nature and a faith in life that carries you through hard times. Others are drawn to your warmth and often help you in return. Home, family and travel bring you much happiness.)"},
    {Moon, Jupiter, Challenging, R"(These people are warm and generous but inclined to excess, whether in feeling, eating or spending. They may promise more than they can give or expect too much of others. Learning moderation turns their large heart into a real source of good fortune.)"},

    // ---- Moon and Saturn ----
    {Moon, Saturn, Conjunction, R"(These people keep their feelings under firm control and may find it hard to show affection or to accept it. Early life may have been marked by responsibility, loneliness or a mother who was distant or burdened. They are loyal, dependable and patient, and the warmth they learn to show later in life is deep and lasting.)"},
    {Moon, Saturn, Harmonious, R"(You are emotionally steady, sensible and dependable, and you take your duties to your family seriously. You handle practical matters calmly and keep your head in a crisis. Your loyalty makes you a trusted friend and partner.)"},
    {Moon, Saturn, Challenging, R"(People with this aspect may suffer from loneliness, pessimism or a feeling of not being loved enough. They can be defensive and slow to trust, and family burdens may weigh on them for years. With time they learn to care for themselves and gain great emotional maturity.)"},

    // ---- Moon and Uranus ----
    {Moon, Uranus, Conjunction, R"(These people have an unusual, independent emotional nature and need a great deal of freedom. Their moods change suddenly, and they are attracted to the new and the unconventional. Home life may be irregular, with frequent moves or unexpected events.)"},
    {Moon, Uranus, Harmonious, R"(You are intuitive, inventive and open-minded, and you respond quickly to new situations. You make friends easily and enjoy variety in your daily life. Your original way of feeling helps others to see familiar things in a fresh light.)"},
    {Moon, Uranus, Challenging, R"(People with this aspect are restless and emotionally unpredictable, and they may walk out of relationships or homes without warning. They crave excitement but find closeness difficult. Learning to combine freedom with commitment brings them the stability they secretly want.)"},

    // ---- Moon and Neptune ----
    {Moon, Neptune, Conjunction, R"(These people are extremely sensitive, receptive and imaginative, and they pick up the feelings of others almost without trying. They are compassionate, artistic and often psychic. They need protection from harsh surroundings and must take care not to lose themselves in dreams or in other people's troubles.)"},
    {Moon, Neptune, Harmonious, R"(You have a gentle, sympathetic nature and a strong intuition. Music, poetry and the arts move you deeply, and you may have real creative gifts of your own. You are a natural helper and comfort others easily.)"},
    {Moon, Neptune, Challenging, R"(People with this aspect may be emotionally confused, easily deceived or inclined to escape from reality when life grows hard. Their ready sympathy can make them the victims of those who take advantage. They should avoid alcohol and drugs and keep clear boundaries in their relationships.)"},

    // ---- Moon and Pluto ----
    {Moon, Pluto, Conjunction, R"(These people feel everything intensely and have deep, sometimes compulsive emotions. They are fiercely protective of those they love and may be possessive or jealous. They often pass through emotional crises that change them completely and leave them wiser.)"},
    {Moon, Pluto, Harmonious, R"(You have emotional depth, insight and the strength to face difficult feelings. You understand people's hidden motives and can help others through a crisis. Your ability to renew yourself emotionally is remarkable.)"},
    {Moon, Pluto, Challenging, R"(People with this aspect can be emotionally extreme and may struggle with jealousy, resentment or a need to control those close to them. The bond with the mother, or the atmosphere of the family, may have been difficult. Facing their feelings honestly transforms this intensity into great psychological strength.)"},

    // ---- Moon and Ascendant ----
    {Moon, Ascendant, Conjunction, R"(The Moon rising gives a sensitive, changeable personality whose moods are visible to everyone. These people are motherly and approachable, and strangers confide in them easily. They react strongly to their surroundings and need a peaceful home to feel at their best.)"},
    {Moon, Ascendant, Harmonious, R"(You show your feelings naturally, and people find you approachable and sympathetic. You adapt easily to your surroundings and have a good instinct for what others need. Home and family are an important part of the way you present yourself.)"},
    {Moon, Ascendant, Challenging, R"(These people may feel that their inner needs clash with the way they are expected to behave, or they may look to a partner for the security they cannot give themselves. Their moods colour their relationships strongly. They benefit from learning to meet their own emotional needs first.)"},

    // ---- Moon and Midheaven ----
    {Moon, Midheaven, Conjunction, R"(The Moon near the Midheaven brings emotional involvement in career and a life lived in public view. These people may work with the public, with women, with food, property or the caring professions. Their standing can rise and fall, and they may change career several times.)"},
    {Moon, Midheaven, Harmonious, R"(Your home life and your career support each other, and you may find success in work that serves or cares for people. The public responds to you warmly. Your mother or your family often helps you in the early years of your career.)"},
    {Moon, Midheaven, Challenging, R"(These people may feel pulled between the demands of home and those of career. Their private emotions can affect their reputation, and they may change direction often. When they find work that meets their emotional needs, they settle down and succeed.)"},

    // ======================== Mercury ========================

    // ---- Mercury and Venus ----
    {Mercury, Venus, Conjunction, R"(These people speak gracefully and think with taste and tact. They often have talent for writing, poetry, music or design, and they are pleasant company. They prefer diplomacy to confrontation and may avoid saying unpleasant truths.)"},
    {Mercury, Venus, Harmonious, R"(You express yourself charmingly and have a gift for finding the right word at the right moment. Your social life is lively, and you may earn money through writing, art or any work with words. You are a natural peacemaker among friends and colleagues.)"},
    {Mercury, Venus, Challenging, R"(People with this aspect may say what others want to hear rather than what they really think, or let affection cloud their judgement. They can seem superficial or indecisive. Honest expression gives their natural charm real substance.)"},

    // ---- Mercury and Mars ----
    {Mercury, Mars, Conjunction, R"(These people have a sharp, quick and combative mind, and they love a good argument. They speak frankly, decide fast and defend their ideas with vigour. Their words can cut, and careless criticism may make them enemies.)"},
    {Mercury, Mars, Harmonious, R"(You think quickly and act on your ideas with energy. You are decisive, practical and persuasive, and you do well in debate, in technical work or anywhere quick thinking is needed. Your mental stamina is considerable.)"},
    {Mercury, Mars, Challenging, R"(People with this aspect are quick-tempered in speech and may argue for the sake of arguing. They tend to be impatient and hasty in judgement and can suffer from nervous tension. Once they learn to temper their words, they become forceful speakers and writers.)"},

    // ---- Mercury and Jupiter ----
    {Mercury, Jupiter, Conjunction, R"(These people have a broad, optimistic mind and a love of learning, travel and big ideas. They often make good teachers, writers or speakers. Their weakness is a tendency to overlook details or to promise too much.)"},
    {Mercury, Jupiter, Harmonious, R"(You have sound judgement, a generous mind and a talent for seeing the larger picture. Study, publishing, law and travel may all bring you success. People trust your opinions and come to you for advice.)"},
    {Mercury, Jupiter, Challenging, R"(These people have plenty of ideas but may exaggerate, scatter their energies or neglect the details. Their judgement can be careless, and they may talk more than they do. Discipline in study turns their broad mind into real wisdom.)"},

    // ---- Mercury and Saturn ----
    {Mercury, Saturn, Conjunction, R"(These people think seriously and carefully, with good concentration and a practical, methodical mind. They may be slow to speak and shy in youth, but what they say is well considered. They can tend to worry or to see the dark side of things.)"},
    {Mercury, Saturn, Harmonious, R"(You have a disciplined, organised mind and the patience for careful, exact work. You plan well, remember what you learn and speak with authority. Science, mathematics, accounts and administration suit you.)"},
    {Mercury, Saturn, Challenging, R"(People with this aspect may have had difficulties at school or felt that their ideas were not taken seriously. They can be pessimistic, rigid or anxious in their thinking. Through persistence they develop great mental discipline and depth.)"},

    // ---- Mercury and Uranus ----
    {Mercury, Uranus, Conjunction, R"(These people have a brilliant, original and very fast mind. They grasp ideas intuitively, love new technology and think in unconventional ways. They can be highly strung and impatient with slower minds.)"},
    {Mercury, Uranus, Harmonious, R"(You have an inventive mind and flashes of insight that others find inspiring. You are attracted to science, computers, astrology or reform, and you learn very quickly. Your thinking is independent and often ahead of its time.)"},
    {Mercury, Uranus, Challenging, R"(People with this aspect think very fast but may be erratic, tactless or contrary for its own sake. They can jump from one idea to the next without finishing anything and may suffer from nervous strain. Channelled well, their originality can lead to real discoveries.)"},

    // ---- Mercury and Neptune ----
    {Mercury, Neptune, Conjunction, R"(These people have a poetic, imaginative and intuitive mind. They think in images and may have gifts for music, poetry or the visual arts. They can be vague and forgetful, and sometimes find it hard to separate fact from fantasy.)"},
    {Mercury, Neptune, Harmonious, R"(You have a fine imagination and a talent for expressing subtle feelings in words or pictures. Your intuition is strong, and you may be drawn to mystical or spiritual studies. Writing, art, photography and film suit you.)"},
    {Mercury, Neptune, Challenging, R"(People with this aspect may be confused, absent-minded or easily misled, and they must take care with contracts and documents. They can tell stories that blur the truth, sometimes without noticing. Discipline in thinking helps them turn their imagination into creative gifts.)"},

    // ---- Mercury and Pluto ----
    {Mercury, Pluto, Conjunction, R"(These people have a penetrating, investigative mind that goes to the bottom of things. They are good at research, analysis and uncovering secrets, and their words carry weight. They can be secretive and stubborn in their opinions.)"},
    {Mercury, Pluto, Harmonious, R"(You have mental depth, keen perception and the ability to concentrate intensely. Research, psychology and investigation suit you, and your words can persuade and change others. You are not easily deceived.)"},
    {Mercury, Pluto, Challenging, R"(People with this aspect may be obsessive in their thinking, suspicious or overbearing in argument. They may try to force their views on others or keep secrets that weigh on them. When they use their insight honestly, they become outstanding researchers and counsellors.)"},

    // ---- Mercury and Ascendant ----
    {Mercury, Ascendant, Conjunction, R"(Mercury rising gives a quick, curious and talkative personality. These people look alert and youthful and enjoy exchanging ideas with everyone they meet. Their hands and eyes are seldom still, and boredom is the thing they fear most.)"},
    {Mercury, Ascendant, Harmonious, R"(You express yourself well, and others see you as intelligent and easy to talk to. You make a good first impression with your words and adapt quickly to new company. Your mind is your best tool in dealing with the world.)"},
    {Mercury, Ascendant, Challenging, R"(These people may find that their way of speaking is misunderstood, or they may have many arguments with partners and associates. They tend to think too much about how they come across. Clear, honest communication smooths their relationships.)"},

    // ---- Mercury and Midheaven ----
    {Mercury, Midheaven, Conjunction, R"(Mercury at the top of the chart points to a career in communication, writing, teaching, trade or travel. These people become known for their intelligence and their words. They may change jobs often or do several things at once.)"},
    {Mercury, Midheaven, Harmonious, R"(Your intellectual gifts help your career, and you can gain a good reputation through speaking, writing or business. You plan your working life sensibly. Contacts and information bring you opportunity.)"},
    {Mercury, Midheaven, Challenging, R"(These people may be restless in their careers or find that their ideas clash with those of their superiors. Worries about reputation, or about family matters, can distract them. Careful planning helps them find a career that uses their intelligence to the full.)"},

    // ======================== Venus ========================

    // ---- Venus and Mars ----
    {Venus, Mars, Conjunction, R"(These people have strong passions and a warm, affectionate and sensual nature. Love and desire are closely bound together in them, and they are often very attractive to others. They may rush into relationships and act impulsively in love.)"},
    {Venus, Mars, Harmonious, R"(You have a warm, passionate nature and a good balance between giving and taking in love. Your creative and artistic energy is strong. You are attractive to others and usually happy in your relationships.)"},
    {Venus, Mars, Challenging, R"(People with this aspect feel a strong tension between love and desire, and their relationships can be stormy or full of quarrels. They may be impulsive or jealous in love. Learning to join tenderness with passion brings them fulfilment.)"},

    // ---- Venus and Jupiter ----
    {Venus, Jupiter, Conjunction, R"(This is one of the most fortunate conjunctions, giving generosity, charm, good taste and a love of pleasure. These people are popular and often lucky in love and money. They may be extravagant and self-indulgent.)"},
    {Venus, Jupiter, Harmonious, R"(You have a kind, generous nature and attract goodwill wherever you go. Love, marriage and friendship are usually happy, and money tends to come easily. Art, music and social life bring you joy.)"},
    {Venus, Jupiter, Challenging, R"(These people are warm-hearted but inclined to excess in pleasure, spending or affection. They may be lazy or expect others to provide for them. Moderation turns their natural good fortune into lasting benefit.)"},

    // ---- Venus and Saturn ----
    {Venus, Saturn, Conjunction, R"(These people are serious and loyal in love but may be shy, reserved or slow to show affection. They often marry late or choose an older partner, and their relationships are built to last. They value quality, durability and classic beauty.)"},
    {Venus, Saturn, Harmonious, R"(You are faithful and responsible in relationships and take your commitments seriously. Your artistic sense has discipline and form. Your love deepens with the years, and you handle money wisely.)"},
    {Venus, Saturn, Challenging, R"(People with this aspect may feel unloved, rejected or held back in their relationships, and love can come to them with disappointment or delay. They may be too cautious to open their hearts. Patience and self-respect eventually bring them a lasting partnership.)"},

    // ---- Venus and Uranus ----
    {Venus, Uranus, Conjunction, R"(These people are attracted to unusual, exciting relationships and need freedom in love. They fall in love suddenly and may end an affair just as quickly. Their artistic taste is original and often ahead of fashion.)"},
    {Venus, Uranus, Harmonious, R"(You have a magnetic personality and attract interesting people. Your love life is lively and unconventional without being unstable, and your friendships are stimulating. You have original creative ideas.)"},
    {Venus, Uranus, Challenging, R"(People with this aspect may experience sudden attractions, sudden separations and relationships that never quite settle. They want both closeness and independence and find it hard to combine them. Giving a partner freedom while staying loyal brings them happiness.)"},

    // ---- Venus and Neptune ----
    {Venus, Neptune, Conjunction, R"(These people are romantic, idealistic and artistically gifted, especially in music, dance or poetry. They dream of perfect love and can be self-sacrificing. They may be disappointed when a partner fails to live up to the ideal.)"},
    {Venus, Neptune, Harmonious, R"(You have a refined, sensitive nature and a strong feeling for beauty and harmony. Love has a spiritual quality for you, and your compassion reaches far beyond your own circle. Your artistic talent is often considerable.)"},
    {Venus, Neptune, Challenging, R"(People with this aspect are prone to illusions in love and may deceive themselves, or be deceived, about a partner. They may drift into secret relationships or sacrifice too much for someone who does not deserve it. Clear judgement helps them find a love that is real.)"},

    // ---- Venus and Pluto ----
    {Venus, Pluto, Conjunction, R"(These people love intensely and passionately, and their relationships transform them. They are magnetic and attractive, but they can be jealous and possessive. Their love life and their finances may both pass through dramatic changes.)"},
    {Venus, Pluto, Harmonious, R"(You have deep, intense feelings and a powerful capacity for love. Your relationships help you grow, and you can recover fully after heartbreak. You may have a talent for making money through investments or shared resources.)"},
    {Venus, Pluto, Challenging, R"(People with this aspect may meet jealousy, obsession or power struggles in love. Relationships can end dramatically and leave deep marks. When they learn to love without needing to control, they gain great emotional depth.)"},

    // ---- Venus and Ascendant ----
    {Venus, Ascendant, Conjunction, R"(Venus rising gives charm, grace and good looks. These people are pleasant, sociable and well liked, and they dress with taste. They may be vain, or so eager to please that they find it hard to say no.)"},
    {Venus, Ascendant, Harmonious, R"(You are charming, tactful and pleasant to be with, and people warm to you quickly. Your manners are graceful, and your relationships are usually happy. You find it easy to make others feel welcome.)"},
    {Venus, Ascendant, Challenging, R"(These people may depend too much on a partner for their sense of worth, or find that love brings them unexpected difficulties. They can be overly accommodating and give way to keep the peace. Learning to value themselves helps their relationships find a true balance.)"},

    // ---- Venus and Midheaven ----
    {Venus, Midheaven, Conjunction, R"(Venus at the top of the chart gives a pleasant reputation and success in work connected with art, beauty, fashion or diplomacy. These people are popular with colleagues and with the public. Their social graces help their careers.)"},
    {Venus, Midheaven, Harmonious, R"(Your charm and tact help your career, and you are well liked by your superiors. You may earn your living through art, beauty or work with people. Your public image is attractive.)"},
    {Venus, Midheaven, Challenging, R"(These people may find that love and career pull in different directions, or that home and work compete for their affection. They may count on being liked where hard work would serve them better. A balance between private and public life brings them satisfaction.)"},

    // ======================== Mars ========================

    // ---- Mars and Jupiter ----
    {Mars, Jupiter, Conjunction, R"(These people have abundant energy, enthusiasm and courage, and they pursue big goals with great confidence. They are adventurous and love sport, travel and competition. They can be reckless and overconfident, taking on more than even they can handle.)"},
    {Mars, Jupiter, Harmonious, R"(You have energy and good judgement together, and your efforts tend to be rewarded. You are enterprising, frank and generous, and you often succeed in business, sport or law. You are ready to fight for a just cause.)"},
    {Mars, Jupiter, Challenging, R"(People with this aspect are restless and impulsive and may take on too much or act rashly. They can be extravagant, careless with risk or quarrelsome about their beliefs. When they direct their energy wisely, they accomplish great things.)"},

    // ---- Mars and Saturn ----
    {Mars, Saturn, Conjunction, R"(These people have great endurance and can work steadily toward difficult goals. They are disciplined and determined but may feel their energy blocked or frustrated. They must guard against anger that is held in too long and against harshness toward themselves and others.)"},
    {Mars, Saturn, Harmonious, R"(You combine energy with patience and can work hard for long periods. You are practical, organised and reliable in difficult tasks. Engineering, building, management and any work that calls for stamina suit you.)"},
    {Mars, Saturn, Challenging, R"(People with this aspect may meet frustration, delays and obstacles that block their efforts. They may swing between caution and rashness and feel an anger they cannot express. Persistence eventually turns this struggle into real endurance and strength.)"},

    // ---- Mars and Uranus ----
    {Mars, Uranus, Conjunction, R"(These people are daring, independent and full of nervous energy, and they act suddenly. They love adventure, speed and machines and cannot stand any restraint. They must take care to avoid accidents and sudden outbursts of temper.)"},
    {Mars, Uranus, Harmonious, R"(You have courage, originality and quick reflexes, and you act decisively when change is needed. You are inventive in practical matters and can pioneer new methods. Others find your energy exciting.)"},
    {Mars, Uranus, Challenging, R"(People with this aspect are impatient, rebellious and prone to sudden actions they regret. They may be accident-prone and should take care with machines, electricity, fire and speed. Learning self-control turns their daring into genuine courage.)"},

    // ---- Mars and Neptune ----
    {Mars, Neptune, Conjunction, R"(These people act on inspiration and ideals, and their energy often goes into art, music, dance or helping others. Their drive may be uneven and hard to sustain. They must avoid drifting, or acting on illusions about what they can achieve.)"},
    {Mars, Neptune, Harmonious, R"(You put your energy into your dreams and ideals, and you may have a talent for dance, film, music or healing. You work willingly for causes you believe in. Your intuition guides your actions well.)"},
    {Mars, Neptune, Challenging, R"(People with this aspect may feel their energy drained or scattered, and they can act out of confusion or be drawn in by deception. Hidden conflicts, underhand opponents or the wish to escape may trouble them. Clear goals and honest dealings protect them.)"},

    // ---- Mars and Pluto ----
    {Mars, Pluto, Conjunction, R"(These people have immense energy and will power, and they can push through almost any obstacle. They are intense, fearless and determined, but they can be ruthless when crossed. Their strength is best used for great tasks.)"},
    {Mars, Pluto, Harmonious, R"(You have tremendous stamina and the ability to concentrate your energy on a goal until it is reached. You are courageous in a crisis and can rebuild after setbacks. Sheer determination lets you achieve a great deal.)"},
    {Mars, Pluto, Challenging, R"(People with this aspect are drawn into power struggles and may meet force, or use it themselves. They can be compulsive and ruthless when they want something. Learning to use their power constructively gives them extraordinary strength.)"},

    // ---- Mars and Ascendant ----
    {Mars, Ascendant, Conjunction, R"(Mars rising gives an energetic, assertive and courageous personality. These people are direct, competitive and physically active, and they are prone to cuts, burns and minor injuries through haste. They can be aggressive and quick to anger.)"},
    {Mars, Ascendant, Harmonious, R"(You meet the world with energy and confidence and take the initiative readily. Your courage and directness win respect. You are physically active and recover quickly from illness or strain.)"},
    {Mars, Ascendant, Challenging, R"(These people may come across as aggressive, or they may attract quarrels with partners and open opponents. They can be impatient with others and quick to take offence. Learning to cooperate turns their drive into strength.)"},

    // ---- Mars and Midheaven ----
    {Mars, Midheaven, Conjunction, R"(Mars at the top of the chart gives strong ambition and great energy for a career. These people want to lead and are often found in fields such as engineering, the armed forces, surgery or sport. They may clash with their superiors.)"},
    {Mars, Midheaven, Harmonious, R"(You work hard for your career and advance through your own initiative. You are ambitious, energetic and good at leading others. Your reputation rests on your courage and your achievements.)"},
    {Mars, Midheaven, Challenging, R"(These people may meet conflict with authority, competitors or family in the pursuit of their ambitions. They can be rash in their professional choices and make enemies at work. Patience and cooperation help them reach their goals.)"},

    // ======================== Jupiter ========================

    // ---- Jupiter and Saturn ----
    {Jupiter, Saturn, Conjunction, R"(These people balance optimism with caution and hope with realism. They build steadily, often with great success in later life, and are good at planning for the future. They may swing between confidence and doubt.)"},
    {Jupiter, Saturn, Harmonious, R"(You have good judgement, patience and a sound sense of proportion. You plan wisely and can turn opportunities into lasting success. Others respect your fairness and your experience.)"},
    {Jupiter, Saturn, Challenging, R"(People with this aspect may feel torn between growth and restriction, between the urge to expand and the need for caution. Their lives may alternate between periods of luck and periods of hardship. Learning when to advance and when to hold back brings them stability.)"},

    // ---- Jupiter and Uranus ----
    {Jupiter, Uranus, Conjunction, R"(These people are optimistic, original and open to new ideas, and they often enjoy sudden strokes of luck. They love freedom, travel and adventure. They may be restless and unpredictable in their beliefs and plans.)"},
    {Jupiter, Uranus, Harmonious, R"(You have an inventive mind, a broad vision and a talent for seeing opportunity where others see none. Sudden good fortune often helps you. You are a natural reformer and a progressive thinker.)"},
    {Jupiter, Uranus, Challenging, R"(People with this aspect may be restless and rebellious, and prone to sudden changes of belief or fortune. They can take unwise risks in search of freedom or quick gain. Moderation and patience help them make good use of their originality.)"},

    // ---- Jupiter and Neptune ----
    {Jupiter, Neptune, Conjunction, R"(These people are idealistic, compassionate and spiritually inclined, and they may be drawn to religion, mysticism or art. They are generous and kind. They can be unrealistic and easily deceived.)"},
    {Jupiter, Neptune, Harmonious, R"(You have a generous spirit and a deep sympathy for others. Your intuition and imagination are strong, and you may find fulfilment in charity, art or spiritual life. Good fortune often comes to you through faith.)"},
    {Jupiter, Neptune, Challenging, R"(People with this aspect may be carried away by impossible dreams, false teachers or wishful thinking. They can be extravagant or impractical, especially with money. Keeping a sense of proportion helps them realise their ideals.)"},

    // ---- Jupiter and Pluto ----
    {Jupiter, Pluto, Conjunction, R"(These people have great ambition and the power to organise on a large scale. They may be drawn to positions of influence, to finance or to reform. They can be fanatical in their beliefs.)"},
    {Jupiter, Pluto, Harmonious, R"(You have a strong will and the ability to succeed through vision and determination. You can breathe new life into failing situations and lead others toward change. Your resources often grow through investment or shared wealth.)"},
    {Jupiter, Pluto, Challenging, R"(People with this aspect may seek power, wealth or influence to excess and come into conflict with authority or the law. They can be dogmatic and convinced that the end justifies the means. Using their power for the good of others brings them real success.)"},

    // ---- Jupiter and Ascendant ----
    {Jupiter, Ascendant, Conjunction, R"(Jupiter rising gives a generous, optimistic and friendly personality. These people are popular, confident and often lucky, and they tend to put on weight with age. They may overdo things.)"},
    {Jupiter, Ascendant, Harmonious, R"(You meet the world with warmth and good humour, and others trust you at first sight. Opportunity and help seem to find you, often through teachers, travel or people from abroad. Your friendly, open manner opens many doors.)"},
    {Jupiter, Ascendant, Challenging, R"(These people may overestimate themselves or promise too much in their dealings with others. They can be extravagant or self-righteous. When they keep their generosity within limits, they enjoy good fortune through partnerships.)"},

    // ---- Jupiter and Midheaven ----
    {Jupiter, Midheaven, Conjunction, R"(Jupiter at the top of the chart is a classic sign of success and a good name. These people often reach positions of honour and authority, in law, teaching, publishing or public life. They may be overambitious or take their good fortune for granted.)"},
    {Jupiter, Midheaven, Harmonious, R"(Your career prospers, and you are respected in public life for your fairness and generosity. Opportunities come through superiors and influential contacts. You have a natural gift for leadership that others are glad to follow.)"},
    {Jupiter, Midheaven, Challenging, R"(These people may set their sights so high that they overreach, or find career and family competing for their time. They can be too proud of their position. Realistic goals bring them lasting success.)"},

    // ======================== Saturn ========================

    // ---- Saturn and Uranus ----
    {Saturn, Uranus, Conjunction, R"(These people combine discipline with originality and can give practical form to new ideas. They often feel a tension between tradition and change, between what has been built and what wants to be born. They are determined and persistent once they have chosen their course.)"},
    {Saturn, Uranus, Harmonious, R"(You can introduce reforms in a practical, responsible way. You respect tradition yet welcome progress, and you work steadily on new projects until they succeed. Science, technology and organisation suit you.)"},
    {Saturn, Uranus, Challenging, R"(People with this aspect feel a strong conflict between the need for security and the urge for freedom. Sudden upheavals may shake situations they believed were settled, and they can swing between rigid control and rebellion. Finding a balance between the old and the new gives them great strength.)"},

    // ---- Saturn and Neptune ----
    {Saturn, Neptune, Conjunction, R"(These people try to give form to their dreams and ideals, and they may be gifted in architecture, music or a spiritual discipline. They can be prone to melancholy when reality falls short of the vision. They must be careful not to give up on their ideals too soon.)"},
    {Saturn, Neptune, Harmonious, R"(You can realise your dreams through practical effort and patience. Your intuition is disciplined, and you may have a talent for art, healing or service to others. You are compassionate and responsible.)"},
    {Saturn, Neptune, Challenging, R"(People with this aspect may suffer vague fears, disappointments or a feeling that their dreams will never come true. Hidden anxieties can undermine their confidence or their health. Faith joined to practical effort helps them overcome these fears.)"},

    // ---- Saturn and Pluto ----
    {Saturn, Pluto, Conjunction, R"(These people have great endurance, seriousness and determination, and they can survive real hardship. They may be ruthless in pursuit of their aims. Their lives can bring heavy burdens that ultimately transform them.)"},
    {Saturn, Pluto, Harmonious, R"(You have great discipline and power of concentration, and you can rebuild things from the ground up. You are patient in pursuing long-term goals and are not discouraged by the effort they cost. Your strength lies in endurance.)"},
    {Saturn, Pluto, Challenging, R"(People with this aspect may meet harsh circumstances, heavy responsibility or pressure from authorities they cannot escape. They can become rigid or afraid of losing control. Facing these challenges gives them formidable strength.)"},

    // ---- Saturn and Ascendant ----
    {Saturn, Ascendant, Conjunction, R"(Saturn rising gives a serious, reserved and responsible manner. These people may look older than their years and often have a hard or lonely childhood. They grow more confident and relaxed with age.)"},
    {Saturn, Ascendant, Harmonious, R"(You present yourself as reliable, mature and disciplined, and others trust you with responsibility. You are patient and do not waste your energy. Your steadiness earns lasting respect.)"},
    {Saturn, Ascendant, Challenging, R"(These people may feel restricted by others or burdened by their partnerships, and they may marry late or choose a partner much older or more serious than themselves. They can be shy or defensive with new people. Patience brings them lasting and mature relationships.)"},

    // ---- Saturn and Midheaven ----
    {Saturn, Midheaven, Conjunction, R"(Saturn at the top of the chart gives great ambition and a slow but steady rise in career. These people earn authority through hard work. They must be careful of a fall from a high position if they misuse their power.)"},
    {Saturn, Midheaven, Harmonious, R"(Your career grows steadily through discipline, responsibility and patience. You are respected for your reliability and your sense of duty. Success comes later in life and lasts.)"},
    {Saturn, Midheaven, Challenging, R"(These people may meet obstacles in their career, or family duties may hold them back. They can feel that their achievements go unrecognised for a long time. Persistence eventually brings them the respect they have worked for.)"},

    // ======================== Uranus ========================

    // ---- Uranus and Neptune ----
    {Uranus, Neptune, Conjunction, R"(This conjunction is shared by a whole generation and shows an interest in mysticism, new spiritual movements and inspired art. In a personal chart it gives intuition and a sensitivity to social change. These people may be idealistic about the future.)"},
    {Uranus, Neptune, Harmonious, R"(You have intuitive insight and an openness to new spiritual and artistic ideas, as does much of your generation. You may be gifted in music, psychology or the healing arts. You can sense coming changes before others do.)"},
    {Uranus, Neptune, Challenging, R"(This aspect is shared by a generation that grew up in times of confusion and social change. In a personal chart it may give nervous tension and unrealistic ideas. A grounded approach helps these people use their inspiration.)"},

    // ---- Uranus and Pluto ----
    {Uranus, Pluto, Conjunction, R"(This conjunction marks a whole generation born in a time of upheaval, and shows a drive for radical change. Personally these people can be revolutionary and intense. They can bring about deep transformations in the world around them.)"},
    {Uranus, Pluto, Harmonious, R"(You belong to a generation able to bring about constructive changes in society, and you have an instinct for the forces that shape your times. Upheaval does not frighten you. You adapt to it well and help others to do the same.)"},
    {Uranus, Pluto, Challenging, R"(This aspect belongs to a generation that lived through sudden and sometimes violent changes in society. Personally it may bring upheavals that force a completely new start. These people must learn to accept change rather than fight it.)"},

    // ---- Uranus and Ascendant ----
    {Uranus, Ascendant, Conjunction, R"(Uranus rising gives an original, independent and unconventional personality. These people seem unusual to others and need a great deal of freedom. Their lives are marked by sudden changes.)"},
    {Uranus, Ascendant, Harmonious, R"(You present yourself as original and inventive, and others find you stimulating company. You adapt well to change and often see a new way of doing things at first glance. Friends and groups help you along your way.)"},
    {Uranus, Ascendant, Challenging, R"(These people may experience sudden beginnings and endings in their relationships, or be attracted to unusual, freedom-loving partners. Others may find them erratic or hard to rely on. Room for independence within a partnership is essential for them.)"},

    // ---- Uranus and Midheaven ----
    {Uranus, Midheaven, Conjunction, R"(Uranus at the top of the chart points to an unusual career, often in technology, science, astrology or social reform. These people may change profession suddenly, sometimes more than once. They need independence in their work and chafe under a conventional employer.)"},
    {Uranus, Midheaven, Harmonious, R"(Your career benefits from originality and new ideas, and you may work in technology, research or progressive fields. You are quick to see where a profession is heading. Unexpected opportunities advance you at the turning points of your life.)"},
    {Uranus, Midheaven, Challenging, R"(These people may experience sudden changes in their career, or conflicts with authority that end a position abruptly. Their home life may also be unsettled by moves or upheavals. Work that gives them independence, or a business of their own, suits them best.)"},

    // ======================== Neptune ========================

    // ---- Neptune and Pluto ----
    {Neptune, Pluto, Conjunction, R"(This rare conjunction marks the generation born at the end of the nineteenth century, a time when old certainties dissolved and new spiritual and scientific ideas took root. In a personal chart it gives a deep, often unconscious sense of taking part in great historical changes. Its effect is felt more through the age than through the individual.)"},
    {Neptune, Pluto, Harmonious, R"(The long sextile of these two planets is shared by generations born since the middle of the twentieth century and links their ideals with a wish for deep renewal. Personally it gives an intuitive grasp of collective forces and an interest in psychology and spirituality. It works quietly in the background of the chart.)"},
    {Neptune, Pluto, Challenging, R"(A square or opposition between these two slow planets belongs to whole generations and to ages of deep collective crisis. In a personal chart it may show a sense of living through the collapse of old ideals. These people are asked to find faith and meaning where others see only loss.)"},

    // ---- Neptune and Ascendant ----
    {Neptune, Ascendant, Conjunction, R"(Neptune rising gives a soft, changeable presence in which people tend to see whatever they wish to see. These people are impressionable, artistic and intuitive, and many have a gift for acting, music or photography. They should be careful with alcohol, drugs and people who would take advantage of them.)"},
    {Neptune, Ascendant, Harmonious, R"(You come across as gentle, sympathetic and imaginative, and others sense your kindness. Your intuition guides you well in your dealings with people. You have a natural feeling for art, music and anything that lifts the spirit.)"},
    {Neptune, Ascendant, Challenging, R"(These people may be unsure how others see them, or idealise a partner and later feel disappointed. They can be deceived in relationships and in business partnerships. Honesty with themselves, and a careful reading of every contract, protects them.)"},

    // ---- Neptune and Midheaven ----
    {Neptune, Midheaven, Conjunction, R"(Neptune at the top of the chart points to a career in the arts, film, music, medicine or charity, or a calling of a spiritual kind. These people may have an uncertain sense of direction in their careers. Their reputation can be glamorous but also subject to rumour.)"},
    {Neptune, Midheaven, Harmonious, R"(Your imagination and compassion can shape your career. You may find success in the arts, in healing or in service to others, and your work can inspire people. Your ideals, more than ambition, guide your choice of work.)"},
    {Neptune, Midheaven, Challenging, R"(These people may feel unsure of their career direction or disappointed by their work. They may meet scandal, rumour or misunderstanding in public life and should be scrupulous in all their dealings. Realistic goals help them find their true vocation.)"},

    // ======================== Pluto ========================

    // ---- Pluto and Ascendant ----
    {Pluto, Ascendant, Conjunction, R"(Pluto rising gives a penetrating gaze and a personality that is felt before it is understood. These people keep their own counsel and observe others closely, and they can unsettle people without meaning to. Their lives pass through crises that transform them completely.)"},
    {Pluto, Ascendant, Harmonious, R"(You have a quiet intensity and a strength of character that others respect. You can renew yourself after hard times and help others through theirs. You understand what moves people, often before they know it themselves.)"},
    {Pluto, Ascendant, Challenging, R"(These people may become involved in power struggles in their relationships, or attract partners who try to control them. They can be intense and demanding with others and slow to forgive. Learning to share power brings them peace.)"},

    // ---- Pluto and Midheaven ----
    {Pluto, Midheaven, Conjunction, R"(Pluto at the top of the chart gives a powerful drive for achievement and control over one's destiny. These people may rise to positions of great influence and often transform their field. They must beware of abusing power.)"},
    {Pluto, Midheaven, Harmonious, R"(You have the power to transform your career and to lead with depth and insight. You may work in research, psychology, finance or any field that calls for deep understanding. Your influence grows over time.)"},
    {Pluto, Midheaven, Challenging, R"(These people may experience sudden reversals or power struggles in their careers, or the upheavals of family life may disturb their work. They can be ruthless in pursuit of position. Using their influence wisely leads them to great achievements.)"},
};
// clang-format on

static_assert(coversEveryAspectKeyOnce(kEntries),
              "one aspect text for every pair and family, each pair in chart order");

} // namespace

constexpr AspectTextTable kAspectTexts = buildAspectTextTable(kEntries);

} // namespace orbenza::texts
