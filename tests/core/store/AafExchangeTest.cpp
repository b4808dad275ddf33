#include "store/AafExchange.h"

#include "store/RecordChart.h"

#include <gtest/gtest.h>
#include <random>

namespace orbenza::store {
namespace {

const AafRefusal* refusalAt(const AafRead& read, std::size_t line) {
    for (const auto& r : read.refusals)
        if (r.line == line)
            return &r;
    return nullptr;
}

TEST(AafExchange, JulianDayOfKnownDates) {
    // Meeus, Astronomical Algorithms, example 7.a and the J2000 epoch.
    EXPECT_DOUBLE_EQ(julianDayOf(2000, 1, 1, 12, 0, 0), 2451545.0);
    EXPECT_NEAR(julianDayOf(1957, 10, 4, 19, 26, 24), 2436116.31, 1e-9);
    EXPECT_DOUBLE_EQ(julianDayOf(1901, 1, 1, 0, 0, 0), 2415385.5);
}

TEST(AafExchange, KandelOnCentralEuropeanTimeGetsItsUniversalTime) {
    const AafRead read = readAaf("\xEF\xBB\xBF#A93:Muster,Anna,f,12.3.1970,15:42,Kandel/Pfalz,D\r\n"
                                 "#B93:2440658.112500,49n05,8e12,1hE00,0\r\n");
    ASSERT_TRUE(read.refusals.empty());
    ASSERT_EQ(read.records.size(), 1u);
    const ChartRecord& r = read.records[0];
    EXPECT_EQ(r.name, "Anna Muster");
    EXPECT_EQ(r.city, "Kandel/Pfalz");
    EXPECT_EQ(r.country, "D");
    EXPECT_EQ(r.correctionSeconds, -3600);
    EXPECT_EQ(r.zonePosition, -1);
    EXPECT_TRUE(r.east);
    EXPECT_FALSE(r.south);
    EXPECT_EQ(r.latitudeDegrees * 100 + r.latitudeMinutes, 4905);
    EXPECT_EQ(r.longitudeDegrees * 100 + r.longitudeMinutes, 812);
    const auto chart = chartOfRecord(r);
    ASSERT_TRUE(std::holds_alternative<ChartResult>(chart));
    EXPECT_EQ(std::get<ChartResult>(chart).moment.universalTime,
              (UniversalMoment{1970, 3, 12, 14, 42, 0}));
}

TEST(AafExchange, LocalMeanTime) {
    // Before 1901 the chart is refused for its year, the rest of the file read.
    const AafRead read = readAaf("#A93:Cezanne,Paul,m,19.1.1839,1:00,Aix-en-Provence,F\n"
                                 "#B93:2393125.44167,43n32,5e26,0mE22,0\n"
                                 "#A93:Weiss,Eva,f,5.6.1905,10:00,Kandel,D\n"
                                 "#B93:*,49n05,8e12,0mE33,0\n"
                                 "#A93:West,Tom,m,5.6.1905,10:00,*,*\n"
                                 "#B93:2417002.12,40n00,74w00,m,0\n");
    ASSERT_EQ(read.records.size(), 2u);
    ASSERT_EQ(read.refusals.size(), 1u);
    EXPECT_EQ(read.refusals[0].line, 1u);
    EXPECT_EQ(read.refusals[0].problem, AafProblem::Record);
    EXPECT_NE(read.refusals[0].detail.find("1839"), std::string::npos);
    // The place's own offset, to the second, not the field's rounded minutes:
    // 8 degrees 12 minutes east is 32 min 48 s ahead.
    EXPECT_EQ(read.records[0].correctionSeconds, -(32 * 60 + 48));
    // West of Greenwich the clock is behind; a coarse Julian day only checks.
    EXPECT_EQ(read.records[1].correctionSeconds, 4 * 3600 + 56 * 60);
    EXPECT_TRUE(read.records[1].city.empty());
}

TEST(AafExchange, JulianDaySettlesOrChecksTheClock) {
    // Amsterdam's clock 1909-1937 was 19 min 32 s ahead; the zone field holds
    // 0hE20 and a precise Julian day the seconds.
    const double amsterdam = julianDayOf(1930, 7, 1, 12, 0, 0) - (19 * 60 + 32) / 86400.0;
    char precise[160];
    std::snprintf(precise, sizeof precise,
                  "#A93:A,*,*,1.7.1930,12:00,Amsterdam,NL\n#B93:%.6f,52n22,4e54,0hE20,0\n",
                  amsterdam);
    AafRead read = readAaf(precise);
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].correctionSeconds, -(19 * 60 + 32));

    // Zone unknown: the Julian day alone; summer time still counts apart.
    read = readAaf("#A93:B,*,*,1.7.1980,12:00,*,*\n#B93:2444421.916667,0n0,0e0,*,1\n");
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].correctionSeconds, -3600);
    EXPECT_TRUE(read.records[0].daylightSaving);

    // Summer time and a standard zone agreeing with the Julian day (10:00 UT).
    read = readAaf("#A93:C,*,*,1.7.1980,12:00,*,*\n#B93:2444421.916667,0n0,0e0,1hE00,1\n");
    EXPECT_EQ(read.records.size(), 1u);
    // The same chart a minute off, and with nothing to settle the clock.
    read = readAaf("#A93:D,*,*,1.7.1980,12:02,*,*\n#B93:2444421.916667,0n0,0e0,1hE00,1\n"
                   "#A93:E,*,*,1.7.1980,12:00,*,*\n#B93:*,0n0,0e0,*,0\n"
                   // With the zone unknown a Julian day days away is no offset at all.
                   "#A93:F,*,*,1.7.1980,12:00,*,*\n#B93:2444521.916667,0n0,0e0,*,0\n");
    EXPECT_TRUE(read.records.empty());
    ASSERT_EQ(read.refusals.size(), 3u);
    EXPECT_EQ(read.refusals[2].problem, AafProblem::Disagrees);
    EXPECT_EQ(read.refusals[0].problem, AafProblem::Disagrees);
    EXPECT_EQ(read.refusals[0].line, 2u);
    EXPECT_EQ(read.refusals[1].problem, AafProblem::UnknownClock);
}

TEST(AafExchange, UnreadableRecordsAreListedWithTheirLines) {
    const AafRead read = readAaf("#COM:a comment\n"
                                 "#A93:Short,record\n"                // 2
                                 "#B93:*,0n0,0e0,0hE00,0\n"           // goes with line 2
                                 "#A93:Lost,*,*,1.1.1950,10:00,*,*\n" // 4: no #B93
                                 "#A93:Date,*,*,1-1-1950,10:00,*,*\n" // 5
                                 "#B93:*,0n0,0e0,0hE00,0\n"
                                 "#A93:Lat,*,*,1.1.1950,10:00,*,*\n"
                                 "#B93:*,0x0,0e0,0hE00,0\n" // 8
                                 "#A93:Zone,*,*,1.1.1950,10:00,*,*\n"
                                 "#B93:*,0n0,0e0,1hX00,0\n" // 10
                                 "#A93:Dst,*,*,1.1.1950,10:00,*,*\n"
                                 "#B93:*,0n0,0e0,0hE00,2\n"       // 12
                                 "#A93:Time,*,*,1.1.1950,*,*,*\n" // 13
                                 "#B93:*,0n0,0e0,0hE00,0\n"
                                 "#B93:*,0n0,0e0,0hE00,0\n"           // 15: stray
                                 "#A93:Feb,*,*,30.2.1950,10:00,*,*\n" // 16
                                 "#B93:*,0n0,0e0,0hE00,0\n"
                                 "#A93:Good,*,*,1.1.1950,10:00,*,*\n"
                                 "#B93:*,0n0,0e0,0hE00,0"); // no final line break
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].name, "Good");
    EXPECT_EQ(read.a93Lines, 9u);
    const std::vector<std::pair<std::size_t, AafProblem>> expected{
        {2, AafProblem::A93Fields},    {4, AafProblem::MissingB93}, {5, AafProblem::Date},
        {8, AafProblem::Latitude},     {10, AafProblem::Zone},      {12, AafProblem::SummerTime},
        {13, AafProblem::UnknownTime}, {15, AafProblem::StrayB93},  {16, AafProblem::Record}};
    ASSERT_EQ(read.refusals.size(), expected.size());
    for (const auto& [line, problem] : expected) {
        const AafRefusal* r = refusalAt(read, line);
        ASSERT_NE(r, nullptr) << line;
        EXPECT_EQ(r->problem, problem) << line;
    }
}

TEST(AafExchange, TextsAndCoordinates) {
    // ISO 8859-1 bytes become UTF-8; seconds of arc round to the minute.
    const AafRead read = readAaf("#A93:M\xfcller,J\xfcrgen,m,1.1.1950,10:00,Z\xfcrich,CH\n"
                                 "#B93:*,47n22'40,8e32'29,1hE00,0\n"
                                 "#A93:*,Solo,e,1.1.1950,10:00,*,*\n"
                                 "#B93:*,89n59'45,179w59:10,0hE00,0\n");
    ASSERT_EQ(read.records.size(), 1u);
    EXPECT_EQ(read.records[0].name, "J\u00fcrgen M\u00fcller");
    EXPECT_EQ(read.records[0].city, "Z\u00fcrich");
    EXPECT_EQ(read.records[0].latitudeMinutes, 23);
    EXPECT_EQ(read.records[0].longitudeMinutes, 32);
    // 89 59' 45" rounds to 90 degrees, beyond what a chart takes.
    ASSERT_EQ(read.refusals.size(), 1u);
    EXPECT_EQ(read.refusals[0].problem, AafProblem::Record);

    ChartRecord r = read.records[0];
    r.name = "Smith, John\nJr";
    EXPECT_TRUE(aafAltersTexts(r));
    const AafRead again = readAaf(aafOfRecord(r));
    ASSERT_EQ(again.records.size(), 1u);
    EXPECT_EQ(again.records[0].name, "Smith; John Jr");
}

TEST(AafExchange, ThousandChartsRoundTrip) {
    std::mt19937 random(1993);
    auto pick = [&](int low, int high) { return std::uniform_int_distribution(low, high)(random); };
    std::vector<ChartRecord> records;
    std::string text;
    for (int i = 0; i < 1000; ++i) {
        ChartRecord r;
        r.name = "Person " + std::to_string(i);
        r.year = pick(1901, 2050);
        r.month = pick(1, 12);
        r.day = pick(1, 28);
        r.hour = pick(0, 23);
        r.minute = pick(0, 59);
        r.second = pick(0, 3) == 0 ? pick(1, 59) : 0;
        r.zonePosition = -1;
        // Whole quarter hours mostly, now and then an offset with seconds.
        r.correctionSeconds = pick(-55, 47) * 900 + (pick(0, 9) == 0 ? pick(-599, 599) : 0);
        r.daylightSaving = pick(0, 1) == 1;
        r.longitudeDegrees = pick(0, 179);
        r.longitudeMinutes = pick(0, 59);
        r.east = pick(0, 1) == 1;
        r.latitudeDegrees = pick(0, 89);
        r.latitudeMinutes = pick(0, 59);
        r.south = pick(0, 1) == 1;
        r.city = i % 7 == 0 ? "" : "City " + std::to_string(i);
        r.country = i % 5 == 0 ? "" : "Land";
        records.push_back(r);
        text += aafOfRecord(r);
    }
    const AafRead read = readAaf(text);
    ASSERT_TRUE(read.refusals.empty()) << read.refusals[0].line;
    ASSERT_EQ(read.records, records);
    for (std::size_t i = 0; i < records.size(); i += 97) {
        const auto before = chartOfRecord(records[i]);
        const auto after = chartOfRecord(read.records[i]);
        ASSERT_TRUE(std::holds_alternative<ChartResult>(after));
        EXPECT_EQ(std::get<ChartResult>(after).longitudesDeg,
                  std::get<ChartResult>(before).longitudesDeg);
        EXPECT_EQ(std::get<ChartResult>(after).moment.universalTime,
                  std::get<ChartResult>(before).moment.universalTime);
    }
}

} // namespace
} // namespace orbenza::store
