// The planet-in-house texts.
//
// One paragraph for each of the ten planets in each of the twelve houses; the
// report prints it under "<planet> In <house name>". Each entry is keyed by its
// house number and planet, so the order below is only for the reader; the
// build fails if a pair is missing or appears twice. Each paragraph stays on a
// single line (the report adds the line breaks), is 69 to 765 characters long
// and differs from every other one; the tests check that.

#include "base/Body.h"
#include "report/texts/InterpretationTextData.h"

#include <cstddef>
#include <iterator>

namespace orbenza::texts {
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
    {1, Sun, R"(These people have a strong, radiant personality that others notice as soon as they walk into a room. They are self-confident, proud and full of vitality, and they would rather lead than follow. Recognition matters a great deal to them, and they are happiest when they can express themselves openly and be taken at their own value. Their health and powers of recovery are usually good. They should guard against vanity and against the habit of putting themselves first in every situation, for their warmth wins them more than their pride does.)"},

    // ---- Moon in the First House ----
    {1, Moon, R"(People with the Moon here wear their feelings on their face. Their moods change easily and show at once in their manner, and they react to their surroundings with great sensitivity. They are caring, receptive and often popular with the public, but they may find it hard to separate their own identity from the needs of those around them. Their looks and their health tend to follow their emotional state.)"},

    // ---- Mercury in the First House ----
    {1, Mercury, R"(These people are quick-witted, talkative and curious about everything. They present themselves through words and ideas, and others see them as clever, lively and youthful; many look younger than their years. They learn fast and adapt easily to new company, though they grow restless and nervous when there is nothing to occupy the mind.)"},

    // ---- Venus in the First House ----
    {1, Venus, R"(You have a pleasant, graceful manner and a natural charm that makes people like you from the first meeting. Appearance matters to you and you usually dress with taste. You avoid conflict, prefer harmony and know how to please, which opens many doors in social life. The danger is a tendency to be too easy-going, or to rely on charm where effort is needed.)"},

    // ---- Mars in the First House ----
    {1, Mars, R"(These people are energetic, direct and courageous, and they meet life head on. They act first and think later, love competition and cannot bear to be held back. Their physical strength and drive are considerable, and traditionally they carry a scar or mark on the head or face. Impatience, a quick temper and a tendency to rush into accidents are the faults to watch.)"},

    // ---- Jupiter in the First House ----
    {1, Jupiter, R"(People with Jupiter rising have a generous, optimistic and expansive nature. They are cheerful, friendly and often lucky, and others trust them easily. They think big and carry themselves with an air of confidence and goodwill. They tend to put on weight in later years, and their main weakness is overindulgence or promising more than they can deliver.)"},

    // ---- Saturn in the First House ----
    {1, Saturn, R"(These people seem serious, reserved and older than their age, especially in youth. Life asks them to take on responsibility early, and they can be shy or self-critical, expecting a great deal of themselves. Their strength is discipline: they work patiently, build slowly and usually grow more confident and relaxed as the years go by. Their health needs care in childhood but tends to improve with age.)"},

    // ---- Uranus in the First House ----
    {1, Uranus, R"(You come across as original, independent and a little unpredictable. You dislike convention, insist on doing things your own way and are drawn to new ideas, science and technology. Others may find you brilliant but eccentric. Your life is likely to bring sudden changes of direction, and you need plenty of personal freedom to feel like yourself.)"},

    // ---- Neptune in the First House ----
    {1, Neptune, R"(These people have a dreamy, gentle and elusive quality that others find hard to pin down. They are highly impressionable, artistic and intuitive, and they absorb the moods of the people around them like a sponge. Their image can be glamorous, yet they may be unsure of who they really are. They should be careful with alcohol and drugs, and with people who would take advantage of their kindness.)"},

    // ---- Pluto in the First House ----
    {1, Pluto, R"(People with Pluto here have an intense, magnetic presence and a formidable will. They are private and watchful, revealing little of themselves while seeing a great deal in others. Their lives often pass through crises that transform them completely, and each time they come back stronger. They can be compelling leaders but must guard against the wish to control others.)"},

    // ======================== Second House ========================

    // ---- Sun in the Second House ----
    {2, Sun, R"(These people find their sense of self in what they earn, own and build. They work hard for financial security and take pride in their possessions, often spending generously on quality and comfort. Money can come through their own efforts, through positions of authority or through the favour of influential people. They should take care not to measure their own worth, or that of others, by wealth alone.)"},

    // ---- Moon in the Second House ----
    {2, Moon, R"(Income for these people tends to rise and fall like the tides, and their feeling of safety depends closely on their bank balance. They may earn through dealing with the public, through food, property or anything connected with home and family. They are attached to their belongings, keep things for sentimental reasons and feel uneasy whenever money is short.)"},

    // ---- Mercury in the Second House ----
    {2, Mercury, R"(These people are full of money making ideas. They know the true value of things and are very value conscious.)"},

    // ---- Venus in the Second House ----
    {2, Venus, R"(You have a fine taste for beautiful and valuable things, and money often comes to you easily, through art, fashion, luxury goods or your social connections. You enjoy comfort and like to spend on pleasure, clothes and good food. Venus is at home in this house and it is a favourable placement for your finances, provided you do not let a love of luxury run ahead of your income.)"},

    // ---- Mars in the Second House ----
    {2, Mars, R"(These people earn their money through hard work, initiative and a competitive spirit, and they are prepared to fight for what they want. They spend as quickly as they earn, often on impulse, and may take financial risks. Engineering, sport, the armed forces or a business of their own suit them. They need to learn patience and planning where money is concerned.)"},

    // ---- Jupiter in the Second House ----
    {2, Jupiter, R"(This is one of the best placements for wealth. People with Jupiter here usually enjoy a good income and a generous flow of resources, and opportunities to prosper seem to find them. They are open-handed with money and enjoy sharing their good fortune. Their only danger is extravagance, since they may assume that the money will always keep coming.)"},

    // ---- Saturn in the Second House ----
    {2, Saturn, R"(Money does not come easily to these people, and they may know hardship or want early in life. They learn to be careful, thrifty and patient, and through steady work they often build lasting security later on. They fear losing what they have and can be too cautious or even stingy. Land, property and long-term investments serve them best.)"},

    // ---- Uranus in the Second House ----
    {2, Uranus, R"(You are likely to see sudden ups and downs in your finances, with unexpected gains followed by equally unexpected losses. You earn best through original ideas, technology, inventions or unusual work, and you dislike being tied to a routine job for the sake of a wage. Your values may differ sharply from those of your family, and you need to plan for stability.)"},

    // ---- Neptune in the Second House ----
    {2, Neptune, R"(People with Neptune here can be vague and idealistic about money. They may earn through art, music, film, healing or charitable work, yet they often lose track of what they spend or trust the wrong people with their savings. They are generous to a fault. Clear accounts, careful contracts and honest advisers are essential for them.)"},

    // ---- Pluto in the Second House ----
    {2, Pluto, R"(These people have a strong drive to gain control over resources, and they may build, lose and rebuild fortunes in the course of their lives. They are shrewd, determined and capable of handling large sums, often in banking, investment, insurance or the rescue of failing enterprises. For them possessions are bound up with power, and they must be careful not to become obsessed with them.)"},

    // ======================== Third House ========================

    // ---- Sun in the Third House ----
    {3, Sun, R"(These people shine through communication. They are bright, talkative and keen to learn, and they put their ideas across with confidence. Writing, teaching, journalism, sales or any work that brings them into contact with many people suits them. Brothers, sisters and neighbours play an important part in their lives, and short journeys are frequent.)"},

    // ---- Moon in the Third House ----
    {3, Moon, R"(Your mind is strongly coloured by your feelings, and you think in images and memories rather than cold logic. You have a good memory, a changeable mind and a liking for travel and new surroundings. You are emotionally close to your brothers and sisters and may take on a caring role among them. Your moods can affect your concentration.)"},

    // ---- Mercury in the Third House ----
    {3, Mercury, R"(Mercury is at home in this house and gives a quick, alert and versatile mind. These people love to read, write and talk, and they pick up information and languages with ease. They are always busy with messages, calls and errands. Their gift lies in explaining things clearly, though they may spread their attention too thinly.)"},

    // ---- Venus in the Third House ----
    {3, Venus, R"(People with Venus here speak gracefully and know how to say the right thing at the right moment. They have a talent for writing, poetry or design, and they enjoy pleasant trips and the company of their neighbours. Relations with brothers and sisters are usually affectionate. A romance may begin during their studies or on a short journey.)"},

    // ---- Mars in the Third House ----
    {3, Mars, R"(These people have a sharp tongue and a quick, combative mind. They enjoy debate, argue with conviction and can be impatient with slower thinkers. Their energy makes them good writers, journalists or campaigners. Quarrels with siblings or neighbours are possible, and they should take care when driving or travelling in haste.)"},

    // ---- Jupiter in the Third House ----
    {3, Jupiter, R"(You have a broad, optimistic mind and learn easily, especially the subjects that widen your outlook, such as languages, philosophy or travel. You are a natural teacher and a friendly neighbour, and your brothers and sisters are likely to help you in life. Your weak point may be talking too much, or promising more than you remember to do.)"},

    // ---- Saturn in the Third House ----
    {3, Saturn, R"(These people think slowly but deeply, and they take their words seriously. Their schooling may have been hard or interrupted, and they may have felt shy about speaking out when young. Over time they develop a practical, methodical and reliable mind, good at mathematics, science or any structured work. Relations with siblings may involve responsibility or distance.)"},

    // ---- Uranus in the Third House ----
    {3, Uranus, R"(People with Uranus here have an original, inventive mind and ideas that come like flashes of lightning. They grasp new concepts quickly and are drawn to science, computers and modern means of communication. Their education may be unconventional or broken off suddenly. They can be blunt and contrary in conversation, and their nervous energy needs an outlet.)"},

    // ---- Neptune in the Third House ----
    {3, Neptune, R"(These people have a poetic and imaginative way of thinking, and they often communicate better through images, music or stories than through plain facts. They are intuitive and sometimes seem to read the thoughts of others. Concentration and clarity can be a problem, and misunderstandings or confusion in letters and documents are possible.)"},

    // ---- Pluto in the Third House ----
    {3, Pluto, R"(You have a penetrating mind that looks beneath the surface of every subject. You are persuasive and can influence others powerfully with your words, which makes you a good researcher, investigator or debater. You keep your own secrets and can be intense in discussion. Early relations with siblings or neighbours may have been marked by rivalry.)"},

    // ======================== Fourth House ========================

    // ---- Sun in the Fourth House ----
    {4, Sun, R"(These people are deeply attached to home and family, and they take great pride in their roots. They want a home in which they are the head, and they often invest in property. The father may have been a dominant figure in their childhood. Their life tends to become more successful and fulfilling in its second half, once they have built a secure base.)"},

    // ---- Moon in the Fourth House ----
    {4, Moon, R"(The Moon is strong in this house. You are a homemaker at heart, devoted to your family and especially close to your mother. You need emotional security above all and feel best surrounded by familiar things and familiar faces. You may change residence several times, yet you keep a strong bond with the past, with family traditions and with the place where you were born.)"},

    // ---- Mercury in the Fourth House ----
    {4, Mercury, R"(People with Mercury here may work from home or turn their home into a place of study, full of books and conversation. Their family placed great value on learning. They like to move house or rearrange their surroundings, and they are interested in history, family trees or property. Their way of thinking is strongly shaped by their upbringing.)"},

    // ---- Venus in the Fourth House ----
    {4, Venus, R"(You love your home and make it beautiful, comfortable and welcoming. You enjoy entertaining guests there, and your family life is usually harmonious. Your relationship with your mother or parents is affectionate. You may benefit from property or inheritance, and you are likely to find greater contentment and comfort in the later part of your life.)"},

    // ---- Mars in the Fourth House ----
    {4, Mars, R"(These people bring great energy into the home, but also conflict. The atmosphere of their childhood may have been tense, with quarrels or a strong-willed parent. They want to be master in their own house and like to do repairs and building work themselves. They should take care over fire and accidents at home, and keep domestic disputes from growing.)"},

    // ---- Jupiter in the Fourth House ----
    {4, Jupiter, R"(This placement usually brings a happy, comfortable and spacious home. These people come from a generous family, gain through property or inheritance and enjoy gathering relatives and friends under their roof. Their circumstances improve with age, and the end of life is likely to be peaceful and prosperous.)"},

    // ---- Saturn in the Fourth House ----
    {4, Saturn, R"(These people often carry responsibilities at home from an early age, perhaps caring for a parent or living with strict rules and little warmth, and their childhood may have felt heavy or insecure. As adults they work hard to build a solid home of their own and value stability and tradition. They may take on the care of elderly relatives, and they often own old property.)"},

    // ---- Uranus in the Fourth House ----
    {4, Uranus, R"(Your home life is likely to be unusual and unsettled, with frequent changes of residence or sudden events that disrupt the family. Your upbringing may have been unconventional, or one parent may have been absent or eccentric. You need space and freedom at home, and you may prefer an unusual kind of dwelling or household.)"},

    // ---- Neptune in the Fourth House ----
    {4, Neptune, R"(People with Neptune here long for an ideal home and family, which real life may not easily provide. There can be something unclear or hidden in the family background, or a parent who was absent, ill or self-sacrificing. They like to live near water, in quiet and peaceful surroundings. Property matters need careful checking to avoid deception.)"},

    // ---- Pluto in the Fourth House ----
    {4, Pluto, R"(These people have deep, intense ties to their family and their past. Their childhood may have held power struggles, a controlling parent or a family secret that left a lasting mark. At some stage home and family go through a complete transformation. In the end they gain great inner strength from facing what lies at their roots.)"},

    // ======================== Fifth House ========================

    // ---- Sun in the Fifth House ----
    {5, Sun, R"(These people are creative, warm-hearted and full of the joy of living. They love to perform, play and be admired, and they often have talent for the arts, drama or sport. Romance is important to them and they give generously in love. They delight in children and often have a close bond with them. A taste for gambling and risk needs to be kept in check.)"},

    // ---- Moon in the Fifth House ----
    {5, Moon, R"(You are romantic, affectionate and emotionally involved in your love affairs, and your feelings can change quickly. You find comfort in creative hobbies and entertainment. You have a strong parental instinct and a close relationship with your children. Pleasure and emotional security are closely linked for you.)"},

    // ---- Mercury in the Fifth House ----
    {5, Mercury, R"(People with Mercury here express themselves with wit and playfulness. They enjoy games of skill, puzzles and hobbies that exercise the mind, and they may write, teach or work with young people. In love they are attracted by intelligence and good conversation, and they prefer a light-hearted, flirtatious romance to heavy commitment.)"},

    // ---- Venus in the Fifth House ----
    {5, Venus, R"(This is a very happy placement for love and pleasure. These people are charming, affectionate and popular with the opposite sex, and they enjoy a full romantic life. They have artistic talent and appreciate music, theatre and beauty in all its forms. Children bring them joy. They must avoid indulging too freely in pleasure.)"},

    // ---- Mars in the Fifth House ----
    {5, Mars, R"(These people are passionate and impulsive in love and pursue the object of their desire with great energy. They enjoy sport, competition and adventure, and they take bold risks in speculation. Their love affairs may begin suddenly and end in quarrels. As parents they are active and encourage independence, but they need to control their temper with their children.)"},

    // ---- Jupiter in the Fifth House ----
    {5, Jupiter, R"(You enjoy life to the full and have good fortune in love, creativity and pleasure. Your romantic relationships are generous and happy, and you are likely to have children who bring you pride and honour. You may succeed in teaching, sport or the arts. Speculation can be lucky, but overconfidence may lead you to gamble too much.)"},

    // ---- Saturn in the Fifth House ----
    {5, Saturn, R"(These people may be shy or inhibited in love and find it hard to let go and enjoy themselves. Romance often comes late, or involves older partners and a sense of duty. Children can bring responsibility, delay or worry. They are disciplined in creative work and can achieve lasting results through patience. They should avoid risky speculation.)"},

    // ---- Uranus in the Fifth House ----
    {5, Uranus, R"(People with Uranus here take an unconventional attitude to love and are attracted to unusual or independent partners. Their romances start suddenly, are exciting and may end just as quickly. They are creative in original ways, often through technology or modern art. Their children may be gifted or unusual, and they want freedom in how they raise them.)"},

    // ---- Neptune in the Fifth House ----
    {5, Neptune, R"(These people are romantic dreamers who fall in love with an ideal rather than a real person. Their love life may involve illusion, secret affairs or sacrifice. They are gifted in music, dance, film or poetry and have a vivid imagination. They should be careful with gambling and speculation, where they can easily be deceived.)"},

    // ---- Pluto in the Fifth House ----
    {5, Pluto, R"(You love with great intensity, and your affairs of the heart can be all-consuming and change you deeply. Jealousy and power struggles in romance are possible. Your creative drive is strong and may find its outlet in demanding or profound artistic work. Children may bring life-changing experiences, and you tend to be very protective of them.)"},

    // ======================== Sixth House ========================

    // ---- Sun in the Sixth House ----
    {6, Sun, R"(These are normally very determined workers but can be very demanding.)"},

    // ---- Moon in the Sixth House ----
    {6, Moon, R"(These people feel secure when they are useful and have a routine to follow. They often work in caring professions, nursing, catering or service to the public, and they change jobs more often than most. Their health is sensitive to their emotional state, and digestive troubles can follow worry. They are kind to colleagues and fond of pets.)"},

    // ---- Mercury in the Sixth House ----
    {6, Mercury, R"(You have a practical, precise and analytical mind, well suited to detailed work, accounts, research, editing or technical jobs. You are efficient and like to organise your daily tasks. You may worry too much about your health and read widely about diet and medicine. Nervous strain is your weak point, so you need proper rest.)"},

    // ---- Venus in the Sixth House ----
    {6, Venus, R"(People with Venus here enjoy pleasant working conditions and good relations with colleagues. They work well in beauty, fashion, art, catering or any job that brings harmony to others, and they may meet a partner at work. Their health is generally good, though too many sweets and too much rich food can upset it.)"},

    // ---- Mars in the Sixth House ----
    {6, Mars, R"(These people are fast, tireless workers who can achieve a great deal, but they grow irritable when others are slow. Conflicts with colleagues or employees are possible. They may do well in engineering, surgery, the armed forces or physical work. They are prone to fevers, inflammation and injuries brought on by overwork.)"},

    // ---- Jupiter in the Sixth House ----
    {6, Jupiter, R"(You are likely to find pleasant, rewarding work and to be well liked by colleagues and employees. You are helpful and willing to serve, and you may work in medicine, law, education or welfare. Your health is generally good, although weight, rich food or the liver may need attention in later life.)"},

    // ---- Saturn in the Sixth House ----
    {6, Saturn, R"(These people are conscientious, disciplined and dependable workers, but their work can feel burdensome or poorly rewarded. They take their duties seriously and succeed through persistence and care. Their health needs attention, especially the bones, joints, teeth and skin, and chronic complaints are possible if they neglect themselves.)"},

    // ---- Uranus in the Sixth House ----
    {6, Uranus, R"(People with Uranus here need independence and variety in their work and dislike strict routines. They often change jobs suddenly or work in technical, scientific or freelance fields, and they like to introduce new methods wherever they are employed. Their health can suffer from nervous tension, and they may respond well to alternative treatments.)"},

    // ---- Neptune in the Sixth House ----
    {6, Neptune, R"(These people like to serve and help others and may work in hospitals, charities, the arts or healing. Their working life can be confusing, with unclear duties or unreliable colleagues. Their health is delicate and they may react strongly to drugs or chemicals. Careful diagnosis matters, since their symptoms can be vague or hard to explain.)"},

    // ---- Pluto in the Sixth House ----
    {6, Pluto, R"(You work with great intensity and can bring about thorough reforms in your field. You may be drawn to research, medicine, psychology or work that deals with crisis and recovery. Power struggles with colleagues or employers are possible. Your health can go through sudden crises, but you have a remarkable ability to regenerate.)"},

    // ======================== Seventh House ========================

    // ---- Sun in the Seventh House ----
    {7, Sun, R"(These people find their identity through their partnerships and feel most alive in close cooperation with another person. Marriage is important to them, and they may choose a partner who is proud, strong or prominent. They work well in partnership and deal easily with the public. They must avoid depending too much on the approval of others.)"},

    // ---- Moon in the Seventh House ----
    {7, Moon, R"(You need an emotionally supportive partner and feel incomplete when alone. You may look for someone who cares for you as a parent would, or take on that role yourself. Your relationships can be changeable, and you are sensitive to every mood of your spouse. Dealing with the public comes naturally to you.)"},

    // ---- Mercury in the Seventh House ----
    {7, Mercury, R"(People with Mercury here look for a partner who is intelligent, communicative and perhaps younger than themselves, and good conversation is essential in their marriage. They have a talent for negotiating, drawing up contracts and acting as go-between. They may have several short partnerships before they settle down.)"},

    // ---- Venus in the Seventh House ----
    {7, Venus, R"(This is one of the best placements for marriage. These people are charming, diplomatic and eager for harmony, and they usually attract an affectionate and attractive partner. They may marry early or gain financially through marriage. They do well in partnerships and public relations, though they may avoid a confrontation that is really needed.)"},

    // ---- Mars in the Seventh House ----
    {7, Mars, R"(These people attract strong-willed and energetic partners, and there is a great deal of passion but also conflict in their relationships. They may rush into marriage or partnership, and disputes, rivalry or lawsuits are possible. They learn much through confrontation. Cooperation and patience are the lessons of this placement.)"},

    // ---- Jupiter in the Seventh House ----
    {7, Jupiter, R"(You are likely to have a happy marriage to a generous, wise or prosperous partner, and you may benefit from partnerships in both love and business. People are glad to work with you, and legal matters usually go in your favour. Your only danger is expecting too much of a partner, or being too trusting.)"},

    // ---- Saturn in the Seventh House ----
    {7, Saturn, R"(These people take marriage very seriously and may marry late, or marry an older and more mature partner. Their relationships are stable but can feel cold or weighed down by duty. Delays and difficulties in partnership are possible, yet the bonds they form tend to last. They learn through commitment and responsibility.)"},

    // ---- Uranus in the Seventh House ----
    {7, Uranus, R"(People with Uranus here need a great deal of freedom within their relationships and are attracted to unusual, independent partners. Marriage can come suddenly and end just as unexpectedly, and separation or divorce is likely unless both partners allow each other space. An unconventional relationship may suit them best.)"},

    // ---- Neptune in the Seventh House ----
    {7, Neptune, R"(These people idealise their partners and may be disappointed when reality does not match the dream. They are drawn to partners who are artistic, spiritual or in need of help. Deception or confusion in marriage and in business partnerships is possible, so they must see others clearly and read contracts carefully.)"},

    // ---- Pluto in the Seventh House ----
    {7, Pluto, R"(You are drawn into intense relationships that change you. Your partner may be powerful, possessive or deeply influential in your life, and power struggles and jealousy are possible. Marriage transforms you profoundly. You can also be a strong force in the lives of others, in business, counselling or negotiation.)"},

    // ======================== Eighth House ========================

    // ---- Sun in the Eighth House ----
    {8, Sun, R"(These people are attracted to the mysteries of life, death and rebirth. They have strong desires and a deep, intense nature, and they may succeed in finance, insurance, investigation, surgery or psychology. They can benefit through inheritance or a partner's money. Their life may include major crises from which they emerge renewed.)"},

    // ---- Moon in the Eighth House ----
    {8, Moon, R"(Your emotions are deep, private and intense, and you may be drawn to the occult and to psychic experience. You may inherit from a parent, particularly your mother, or gain through the resources of others. Your moods are strongly affected by your intimate relationships, and you need emotional honesty from a partner.)"},

    // ---- Mercury in the Eighth House ----
    {8, Mercury, R"(People with Mercury here have a probing, investigative mind and enjoy solving mysteries. They are well suited to research, detective work, accounting, tax or insurance, and they are interested in psychology, life after death and hidden subjects. They may have to deal with wills, legacies and the paperwork of other people's money.)"},

    // ---- Venus in the Eighth House ----
    {8, Venus, R"(These people may gain through marriage, inheritance or a partner's resources, and money often comes to them through others. Their sexual nature is warm and sensual, and intimacy matters greatly to them; they are drawn to deep relationships. Legacies or gifts may bring financial benefit, and their passing is traditionally peaceful.)"},

    // ---- Mars in the Eighth House ----
    {8, Mars, R"(These people have a strong, passionate sexual nature and fierce desires. Disputes over shared money, inheritances or taxes are possible. They are brave in a crisis and may work in surgery, rescue or military service. Traditionally this placement warns of danger from accidents or violence, so they should avoid needless risk.)"},

    // ---- Jupiter in the Eighth House ----
    {8, Jupiter, R"(You are likely to benefit from the resources of others, through inheritance, a partner's wealth, loans or investment. Your attitude to death and loss is philosophical, and you may have a gift for psychology or spiritual studies. Traditionally this placement promises a long life and a peaceful end.)"},

    // ---- Saturn in the Eighth House ----
    {8, Saturn, R"(These people may meet difficulties and delays with inheritances, taxes, insurance or joint finances. They may be cautious or inhibited in intimate relationships and slow to trust. They take death and the responsibility for shared resources seriously. This placement is traditionally thought to give a long life.)"},

    // ---- Uranus in the Eighth House ----
    {8, Uranus, R"(People with Uranus here may see sudden changes through the money of others, with unexpected inheritances or losses. Their interest in astrology, the occult and psychic matters is strong. Their attitude to intimacy is unusual and independent, and sudden, unforeseen events mark the great transitions of their lives.)"},

    // ---- Neptune in the Eighth House ----
    {8, Neptune, R"(These people have psychic sensitivity and are drawn to mystical and spiritual matters, meditation or mediumship. Joint finances and inheritances may be confused or involve deception, so they must keep clear records. In intimate relationships they look for a spiritual union and are easily disappointed.)"},

    // ---- Pluto in the Eighth House ----
    {8, Pluto, R"(Pluto is strong in this house. You have great depth, intense desires and a natural understanding of power, hidden motives and transformation. You may handle large sums of other people's money or work in research, psychology or medicine. Your life passes through cycles of death and rebirth in a symbolic sense.)"},

    // ======================== Ninth House ========================

    // ---- Sun in the Ninth House ----
    {9, Sun, R"(These people seek meaning and truth in life and are drawn to philosophy, religion, law, higher education and foreign cultures. They often travel widely or live abroad, and they can succeed as teachers, lawyers, writers or publishers. They are idealistic and hold firm principles, but they should avoid being dogmatic.)"},

    // ---- Moon in the Ninth House ----
    {9, Moon, R"(You have a restless spirit that longs for travel and new horizons, and you feel emotionally at home among people of other cultures. Your religious and moral views are shaped strongly by your upbringing and your mother. You learn through feeling and experience rather than theory, and you may settle in a foreign country.)"},

    // ---- Mercury in the Ninth House ----
    {9, Mercury, R"(People with Mercury here have a philosophical, curious mind, eager to understand the big picture. They are drawn to higher learning, languages, law and publishing. They enjoy travel and often write or teach about what they have seen abroad. Their beliefs may be inconsistent, since they keep changing their opinions.)"},

    // ---- Venus in the Ninth House ----
    {9, Venus, R"(These people love travel, art and foreign cultures, and they may find happiness or a partner abroad or through higher studies. Their beliefs are refined, tolerant and humane. They enjoy literature, philosophy and the beauty of religious art, and they get on well with their in-laws. They may earn through foreign trade or culture.)"},

    // ---- Mars in the Ninth House ----
    {9, Mars, R"(These people are passionate about their beliefs and will fight for a cause. They enjoy adventurous travel, sport abroad and exploration. Their opinions are strong, and they may clash with others over religion, politics or law. They need to accept that not everyone shares their convictions.)"},

    // ---- Jupiter in the Ninth House ----
    {9, Jupiter, R"(Jupiter is at home in this house. You are optimistic, generous, tolerant and wise, with a deep interest in philosophy, religion and higher education. You are likely to travel widely and to benefit from foreign connections. You may succeed in law, teaching, publishing or religious life, and you are respected for your judgement.)"},

    // ---- Saturn in the Ninth House ----
    {9, Saturn, R"(These people take religion and philosophy seriously and may hold conservative, traditional beliefs. Higher education may be delayed or involve hard work, yet they become thorough scholars. Long journeys can bring difficulties or be undertaken for duty. They gain wisdom slowly and are respected for it in later life.)"},

    // ---- Uranus in the Ninth House ----
    {9, Uranus, R"(People with Uranus here hold unconventional and progressive views and question established religion and authority. They are drawn to new philosophies, astrology and science. Sudden journeys or unexpected events abroad may change their lives. They can be brilliant in higher education, though they dislike traditional teaching.)"},

    // ---- Neptune in the Ninth House ----
    {9, Neptune, R"(These people have mystical and idealistic beliefs and are drawn to spirituality, religion or exotic philosophies. They may travel to sacred places, or by sea. Their faith can be inspiring, but they may also be misled by false teachers or vague ideas. They have a poetic imagination and a vision of a better world.)"},

    // ---- Pluto in the Ninth House ----
    {9, Pluto, R"(People here have very moral believes and are strong believers in the power of justice. )"},

    // ======================== Tenth House ========================

    // ---- Sun in the Tenth House ----
    {10, Sun, R"(These people are ambitious and want to reach the top of their chosen field. They have natural authority, seek public recognition and often succeed in management, government or any prominent position. Their reputation matters greatly to them. One parent, often the father, has a strong influence on their career.)"},

    // ---- Moon in the Tenth House ----
    {10, Moon, R"(You are likely to have a public career and to be known by many people, perhaps in work connected with women, the home, food or the general public. Your career may change several times, and your popularity can rise and fall. Your mother may have been a strong influence on your ambitions.)"},

    // ---- Mercury in the Tenth House ----
    {10, Mercury, R"(People with Mercury here build their career on intelligence and communication. They do well in writing, teaching, the media, trade, travel or administration, and they are known for their ideas. They may hold more than one job or change profession. They plan their careers carefully and speak well in public.)"},

    // ---- Venus in the Tenth House ----
    {10, Venus, R"(These people are popular and liked by their superiors, and their charm helps them advance in their career. They may work in art, fashion, beauty, entertainment or diplomacy. Their public image is pleasant and attractive. Marriage may raise their social standing or help their career.)"},

    // ---- Mars in the Tenth House ----
    {10, Mars, R"(These people are ambitious, competitive and driven to succeed, and they want to be in charge. They work hard and can achieve great things in business, the armed forces, engineering or sport. They may clash with bosses and authority, and their career can be marked by conflicts or sudden changes. They should avoid making enemies on the way up.)"},

    // ---- Jupiter in the Tenth House ----
    {10, Jupiter, R"(This is a very fortunate placement for career and reputation. You are likely to reach a high position, gain honours and enjoy the respect of the public. You may succeed in law, politics, education, religion or large organisations. Your reputation for honesty and generosity opens many doors.)"},

    // ---- Saturn in the Tenth House ----
    {10, Saturn, R"(These people are very ambitious and work patiently and tirelessly to reach the top. Success usually comes late, after many years of effort and discipline, but it tends to last. They take on heavy responsibility and are suited to positions of authority. They must guard against a fall from position caused by pride or misuse of power.)"},

    // ---- Uranus in the Tenth House ----
    {10, Uranus, R"(People with Uranus here need independence in their career and dislike working under others. They may change career suddenly or work in unusual fields such as technology, science, astrology or reform. Their career can have unexpected ups and downs, and they often do best when self-employed.)"},

    // ---- Neptune in the Tenth House ----
    {10, Neptune, R"(These people may be unsure of their career direction for a long time, or find their calling in art, music, film, healing or spiritual work. Their public image can be glamorous or mysterious. They should guard against scandal or deception that could damage their reputation, and they need clear goals.)"},

    // ---- Pluto in the Tenth House ----
    {10, Pluto, R"(You have a strong drive for power and influence in your career and can reach a position of great authority. You may work in politics, research, medicine or large corporations, and you are capable of transforming the organisations you work in. Your career may include dramatic changes and power struggles.)"},

    // ======================== Eleventh House ========================

    // ---- Sun in the Eleventh House ----
    {11, Sun, R"(These people shine in groups, clubs and organisations, and they often become leaders among their friends. They have many influential friends and clear goals for the future. They may be active in social causes, and their hopes are often fulfilled. Gains come through their work and their connections.)"},

    // ---- Moon in the Eleventh House ----
    {11, Moon, R"(You have many friends and acquaintances, especially women, and your social life is important to your emotional well-being. Your friendships may change often, and so may your hopes and wishes. You may benefit through the public or through groups that give you a sense of belonging.)"},

    // ---- Mercury in the Eleventh House ----
    {11, Mercury, R"(People with Mercury here have many friends with whom they share ideas and lively conversation. They are drawn to intellectual groups, societies and networks. Their goals are rational and well planned, and their friends help them with advice and useful contacts. Income may come through writing or communication.)"},

    // ---- Venus in the Eleventh House ----
    {11, Venus, R"(These people are popular and have many loyal and pleasant friends, often among artists. Social life brings them joy, and they may meet a partner through friends or groups. Their wishes are likely to be fulfilled, and they gain through friendly contacts. They are kind and generous to their friends.)"},

    // ---- Mars in the Eleventh House ----
    {11, Mars, R"(These people are active in groups and organisations and often take the lead. They have energetic, bold friends, but there can also be quarrels or rivalry among them. They pursue their goals forcefully. Their friendships can end suddenly in disagreement, so they need tact.)"},

    // ---- Jupiter in the Eleventh House ----
    {11, Jupiter, R"(You are blessed with many loyal, generous and influential friends who help you throughout life. Your hopes and wishes are often fulfilled, and you gain substantially through your work and social connections. You are active in humanitarian or charitable groups and take a broad view of the future.)"},

    // ---- Saturn in the Eleventh House ----
    {11, Saturn, R"(These people have few friends, but those they have are loyal, serious and often older. They may feel isolated in groups or take on responsibility within organisations. Their hopes are realised slowly and through hard work. Gains come later in life, but they last.)"},

    // ---- Uranus in the Eleventh House ----
    {11, Uranus, R"(Uranus is at home in this house. People with this placement have unusual, brilliant or eccentric friends and are drawn to progressive groups, science and humanitarian causes. Friendships begin and end suddenly. Their goals are original, and they gain through unexpected opportunities.)"},

    // ---- Neptune in the Eleventh House ----
    {11, Neptune, R"(These people are idealistic about friendship and may be drawn to spiritual, artistic or charitable groups. They can be deceived by friends or give more than they receive, and their hopes may be unrealistic. They need to choose their friends carefully and keep their goals clear.)"},

    // ---- Pluto in the Eleventh House ----
    {11, Pluto, R"(You have intense friendships that can transform your life, and you may be drawn to powerful groups or organisations. You want to influence society and can be a strong force within a team. Power struggles in groups are possible. Your goals are ambitious and you pursue them with great determination.)"},

    // ======================== Twelfth House ========================

    // ---- Sun in the Twelfth House ----
    {12, Sun, R"(These people often work behind the scenes and are content in solitude. They may work in hospitals, prisons, research or charitable institutions. They have a rich inner life and a strong need for spiritual growth. They may lack confidence or hide their true abilities, and they do best when serving others quietly.)"},

    // ---- Moon in the Twelfth House ----
    {12, Moon, R"(You are very sensitive, private and emotional, and you often hide your feelings from others. You need regular periods of retreat to recover your balance. You are compassionate and may work in care or in institutions. Your early childhood or your relationship with your mother may have left hidden emotional wounds.)"},

    // ---- Mercury in the Twelfth House ----
    {12, Mercury, R"(People with Mercury here think privately and keep many of their thoughts to themselves. They have a strong intuition and imagination and may write, research or study in seclusion. They can be shy about expressing their ideas. Nervous anxiety or worry can be a problem, and secret correspondence is possible.)"},

    // ---- Venus in the Twelfth House ----
    {12, Venus, R"(These people are compassionate and find pleasure in quiet, hidden or private matters. They may have secret love affairs, or a romance that has to remain hidden. They are kind to those in need and find fulfilment in charitable work, art or music. They enjoy peace and solitude.)"},

    // ---- Mars in the Twelfth House ----
    {12, Mars, R"(These people often suppress their anger and act behind the scenes. They can have hidden enemies and may work in secret towards their goals. Their energy is best directed into research, hospital or charitable work. They must avoid self-defeating actions and learn to express their desires openly.)"},

    // ---- Jupiter in the Twelfth House ----
    {12, Jupiter, R"(You have hidden protection, and help often comes to you from unexpected sources in times of need. You are generous, charitable and spiritual, and you find happiness in service and solitude. You may work in hospitals, religious institutions or charities, and you are shielded from serious harm.)"},

    // ---- Saturn in the Twelfth House ----
    {12, Saturn, R"(These people may feel lonely, restricted or burdened by hidden fears and responsibilities, and they often work in institutions or behind the scenes. They must face their inner anxieties and learn to trust life. With patience they develop great inner strength and wisdom. Chronic health problems may call for hospital care.)"},

    // ---- Uranus in the Twelfth House ----
    {12, Uranus, R"(People with Uranus here have sudden intuitions and insight into the unconscious. They may have secret, unconventional interests and experience sudden, hidden events. They need periods of retreat and freedom. Their originality may stay hidden, and they benefit from psychology or spiritual practice.)"},

    // ---- Neptune in the Twelfth House ----
    {12, Neptune, R"(Neptune is at home in this house. These people are deeply spiritual, intuitive and compassionate, and they have a strong need for seclusion, meditation and retreat. They may work in hospitals, monasteries or charities. They are very sensitive and must avoid escapism, alcohol and drugs. Their inner life is rich and full of dreams.)"},

    // ---- Pluto in the Twelfth House ----
    {12, Pluto, R"(You have deep hidden strength and great psychological insight. You may work in research, psychology or investigation, often in secret. Your unconscious holds powerful forces that need to be faced and transformed. You may have hidden enemies, but also the power to overcome great difficulties.)"},
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

} // namespace orbenza::texts
