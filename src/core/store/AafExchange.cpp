#include "store/AafExchange.h"

#include "base/TextTrim.h"
#include "base/Utf8.h"
#include "store/RecordChart.h"

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <variant>

namespace orbenza::store {

namespace {

constexpr int kSecondsPerDay = 86400;
constexpr int kSecondsPerHour = 3600;
// The zone difference holds whole minutes: a Julian day may differ from it
// by less than this.
constexpr double kZoneToleranceSeconds = 60.0;
// Decimals of a Julian day that pin the time to a tenth of a second.
constexpr int kPreciseJulianDecimals = 6;
constexpr double kLargestOffsetSeconds = 15.0 * kSecondsPerHour;

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::vector<std::string_view> splitFields(std::string_view text) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = text.find(',', start);
        fields.push_back(trimBlanks(text.substr(start, comma - start)));
        if (comma == std::string_view::npos)
            return fields;
        start = comma + 1;
    }
}

bool isUnknown(std::string_view field) {
    return field == "*" || field.empty();
}

// A text field as UTF-8; bytes that are not UTF-8 are taken for ISO 8859-1.
std::string textOf(std::string_view field) {
    if (isUnknown(field))
        return {};
    if (isUtf8(field))
        return std::string(field);
    std::string out;
    for (char c : field)
        appendUtf8(out, static_cast<unsigned char>(c));
    return out;
}

// Digits only, 1..maxDigits of them.
std::optional<int> number(std::string_view text, std::size_t maxDigits) {
    if (text.empty() || text.size() > maxDigits)
        return std::nullopt;
    int value = 0;
    for (char c : text) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

struct Date {
    int year, month, day;
};

std::optional<Date> parseDate(std::string_view text) {
    const std::size_t first = text.find('.');
    const std::size_t second = text.find('.', first == std::string_view::npos ? 0 : first + 1);
    if (first == std::string_view::npos || second == std::string_view::npos)
        return std::nullopt;
    const auto day = number(text.substr(0, first), 2);
    const auto month = number(text.substr(first + 1, second - first - 1), 2);
    const auto year = number(text.substr(second + 1), 4);
    if (!day || !month || !year)
        return std::nullopt;
    return Date{*year, *month, *day};
}

struct Clock {
    int hour, minute, second;
};

std::optional<Clock> parseClock(std::string_view text) {
    const std::size_t first = text.find(':');
    if (first == std::string_view::npos)
        return std::nullopt;
    const std::size_t second = text.find(':', first + 1);
    const auto hour = number(text.substr(0, first), 2);
    const auto minute = number(text.substr(first + 1, second - first - 1), 2);
    const auto seconds = second == std::string_view::npos ? std::optional<int>(0)
                                                          : number(text.substr(second + 1), 2);
    if (!hour || !minute || !seconds)
        return std::nullopt;
    return Clock{*hour, *minute, *seconds};
}

struct Coordinate {
    int degrees, minutes;
    bool positive; // north or east
};

// "49n05", "8e12", "122w25'30": degrees, hemisphere, minutes and optional
// seconds after ' or :, rounded to the minute.
std::optional<Coordinate> parseCoordinate(std::string_view text, char positive, char negative,
                                          std::size_t maxDegreeDigits) {
    std::size_t letter = 0;
    while (letter < text.size() && isDigit(text[letter]))
        ++letter;
    if (letter == text.size())
        return std::nullopt;
    const char hemisphere = static_cast<char>(text[letter] | 0x20); // lower case
    if (hemisphere != positive && hemisphere != negative)
        return std::nullopt;
    std::string_view rest = text.substr(letter + 1);
    const std::size_t mark = rest.find_first_of("':");
    const auto degrees = number(text.substr(0, letter), maxDegreeDigits);
    auto minutes = number(rest.substr(0, mark), 2);
    const auto seconds =
        mark == std::string_view::npos ? std::optional<int>(0) : number(rest.substr(mark + 1), 2);
    if (!degrees || !minutes || !seconds || *minutes > 59 || *seconds > 59)
        return std::nullopt;
    Coordinate c{*degrees, *minutes + (*seconds >= 30 ? 1 : 0), hemisphere == positive};
    if (c.minutes == 60) {
        c.minutes = 0;
        ++c.degrees;
    }
    return c;
}

struct Zone {
    bool known = false;
    bool localMean = false;
    int offsetSeconds = 0; // the clock ahead of universal time; for local mean time, as written
};

// "1hE00", "5hW30", "0mE34", or "m" / "LMT" alone for local mean time.
std::optional<Zone> parseZone(std::string_view text) {
    if (isUnknown(text))
        return Zone{};
    if (text == "m" || text == "M" || text == "LMT" || text == "lmt")
        return Zone{true, true, 0};
    std::size_t letter = 0;
    while (letter < text.size() && isDigit(text[letter]))
        ++letter;
    if (letter + 2 > text.size())
        return std::nullopt;
    const char kind = static_cast<char>(text[letter] | 0x20);
    const char side = static_cast<char>(text[letter + 1] | 0x20);
    const auto hours = number(text.substr(0, letter), 2);
    const auto minutes = number(text.substr(letter + 2), 2);
    if ((kind != 'h' && kind != 'm') || (side != 'e' && side != 'w') || !hours || !minutes ||
        *minutes > 59)
        return std::nullopt;
    const int offset = *hours * kSecondsPerHour + *minutes * 60;
    return Zone{true, kind == 'm', side == 'e' ? offset : -offset};
}

struct JulianDay {
    bool known = false;
    double value = 0;
    int decimals = 0;
};

std::optional<JulianDay> parseJulianDay(std::string_view text) {
    if (isUnknown(text))
        return JulianDay{};
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.empty() || whole.size() > 8)
        return std::nullopt;
    for (char c : whole)
        if (!isDigit(c))
            return std::nullopt;
    for (char c : fraction)
        if (!isDigit(c))
            return std::nullopt;
    return JulianDay{true, std::strtod(std::string(text).c_str(), nullptr),
                     static_cast<int>(fraction.size())};
}

// The place's own clock on local mean time: four minutes of time for each
// degree east of Greenwich, four seconds for each minute of arc.
int localMeanOffsetSeconds(const ChartRecord& r) {
    const int seconds = r.longitudeDegrees * 240 + r.longitudeMinutes * 4;
    return r.east ? seconds : -seconds;
}

struct Pending {
    std::size_t line = 0;
    std::vector<std::string_view> fields;
};

using Outcome = std::optional<AafRefusal>;

AafRefusal refusal(std::size_t line, AafProblem problem, std::string_view detail) {
    return {line, problem, std::string(detail), std::nullopt};
}

AafRefusal recordRefusal(std::size_t line, const RecordProblem& problem) {
    return {line, AafProblem::Record, problem.detail, problem.input};
}

// Settles the correction from the zone difference, the summer time flag and
// the Julian day; the record's date, time and longitude are set.
Outcome settleClock(ChartRecord& r, const Zone& zone, const JulianDay& jd, std::size_t line,
                    std::string_view jdText) {
    const int summer = r.daylightSaving ? kSecondsPerHour : 0;
    std::optional<int> stated;
    if (zone.known)
        stated = -(zone.localMean ? localMeanOffsetSeconds(r) : zone.offsetSeconds);
    if (!jd.known) {
        if (!stated)
            return refusal(line, AafProblem::UnknownClock, {});
        r.correctionSeconds = *stated;
        return std::nullopt;
    }
    const double localJd = julianDayOf(r.year, r.month, r.day, r.hour, r.minute, r.second);
    // universal time = local clock time + correction - summer time
    const double fromJd = (jd.value - localJd) * kSecondsPerDay + summer;
    if (!stated) {
        // No clock runs more than 14 hours from universal time, 15 with summer time.
        if (std::abs(fromJd) > kLargestOffsetSeconds)
            return refusal(line, AafProblem::Disagrees, jdText);
        r.correctionSeconds = static_cast<int>(std::lround(fromJd));
        return std::nullopt;
    }
    const double resolution = kSecondsPerDay * std::pow(10.0, -jd.decimals);
    const bool precise = jd.decimals >= kPreciseJulianDecimals;
    const double allowed = kZoneToleranceSeconds + (precise ? 0.0 : resolution / 2);
    if (std::abs(fromJd - *stated) >= allowed)
        return refusal(line, AafProblem::Disagrees, jdText);
    r.correctionSeconds = precise ? static_cast<int>(std::lround(fromJd)) : *stated;
    return std::nullopt;
}

// The chart of an #A93 line and the #B93 line after it.
std::variant<ChartRecord, AafRefusal> chartOf(const Pending& a, const Pending& b) {
    const auto& af = a.fields;
    const auto& bf = b.fields;
    ChartRecord r;
    const std::string last = textOf(af[0]);
    const std::string first = textOf(af[1]);
    r.name = first.empty() ? last : last.empty() ? first : first + " " + last;
    if (isUnknown(af[3]) || isUnknown(af[4]))
        return refusal(a.line, AafProblem::UnknownTime, {});
    const auto date = parseDate(af[3]);
    if (!date)
        return refusal(a.line, AafProblem::Date, af[3]);
    const auto clock = parseClock(af[4]);
    if (!clock)
        return refusal(a.line, AafProblem::Time, af[4]);
    r.year = date->year;
    r.month = date->month;
    r.day = date->day;
    r.hour = clock->hour;
    r.minute = clock->minute;
    r.second = clock->second;
    r.city = textOf(af[5]);
    r.country = textOf(af[6]);

    const auto jd = parseJulianDay(bf[0]);
    if (!jd)
        return refusal(b.line, AafProblem::JulianDay, bf[0]);
    const auto latitude = parseCoordinate(bf[1], 'n', 's', 2);
    if (!latitude)
        return refusal(b.line, AafProblem::Latitude, bf[1]);
    const auto longitude = parseCoordinate(bf[2], 'e', 'w', 3);
    if (!longitude)
        return refusal(b.line, AafProblem::Longitude, bf[2]);
    const auto zone = parseZone(bf[3]);
    if (!zone)
        return refusal(b.line, AafProblem::Zone, bf[3]);
    if (bf[4] != "0" && bf[4] != "1" && !isUnknown(bf[4]))
        return refusal(b.line, AafProblem::SummerTime, bf[4]);
    r.daylightSaving = bf[4] == "1";
    r.latitudeDegrees = latitude->degrees;
    r.latitudeMinutes = latitude->minutes;
    r.south = !latitude->positive;
    r.longitudeDegrees = longitude->degrees;
    r.longitudeMinutes = longitude->minutes;
    r.east = longitude->positive;
    r.zonePosition = -1;
    // The date first: the Julian day is compared on a calendar date only.
    if (auto problem = recordProblem(r))
        return recordRefusal(a.line, *problem);
    if (auto problem = settleClock(r, *zone, *jd, b.line, bf[0]))
        return *problem;
    if (auto problem = recordProblem(r))
        return recordRefusal(a.line, *problem);
    return r;
}

// A text as one field: no comma, no line break; "*" when empty.
std::string fieldOf(const std::string& text) {
    if (text.empty())
        return "*";
    std::string out = text;
    for (char& c : out) {
        if (c == ',')
            c = ';';
        else if (c == '\n' || c == '\r')
            c = ' ';
    }
    return out;
}

} // namespace

double julianDayOf(int year, int month, int day, int hour, int minute, int second) {
    using namespace std::chrono;
    // JD 2440587.5 is 1970-01-01 0h UT, the start of the system clock's days.
    const sys_days date =
        year_month_day{std::chrono::year{year}, std::chrono::month{static_cast<unsigned>(month)},
                       std::chrono::day{static_cast<unsigned>(day)}};
    const double days = static_cast<double>(date.time_since_epoch().count());
    return 2440587.5 + days + (hour * kSecondsPerHour + minute * 60 + second) / 86400.0;
}

AafRead readAaf(std::string_view text) {
    AafRead read;
    std::optional<Pending> a93;
    bool a93Refused = false; // the #B93 line after a refused #A93 line goes with it
    std::size_t lineNumber = 0;
    // A byte order mark, which some editors put first, is no part of the first line.
    std::size_t start = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        std::string_view line = text.substr(start, end - start);
        start = end + 1;
        ++lineNumber;
        if (!line.empty() && line.back() == '\r')
            line.remove_suffix(1);
        const bool isA = line.rfind("#A93:", 0) == 0;
        const bool isB = line.rfind("#B93:", 0) == 0;
        if (!isA && !isB)
            continue;
        Pending current{lineNumber, splitFields(line.substr(5))};
        if (isA) {
            ++read.a93Lines;
            if (a93)
                read.refusals.push_back(refusal(a93->line, AafProblem::MissingB93, {}));
            a93.reset();
            a93Refused = current.fields.size() != 7;
            if (a93Refused)
                read.refusals.push_back(refusal(lineNumber, AafProblem::A93Fields, {}));
            else
                a93 = std::move(current);
            continue;
        }
        if (!a93) {
            if (!a93Refused)
                read.refusals.push_back(refusal(lineNumber, AafProblem::StrayB93, {}));
            a93Refused = false;
            continue;
        }
        if (current.fields.size() != 5) {
            read.refusals.push_back(refusal(lineNumber, AafProblem::B93Fields, {}));
        } else {
            auto chart = chartOf(*a93, current);
            if (auto* record = std::get_if<ChartRecord>(&chart))
                read.records.push_back(std::move(*record));
            else
                read.refusals.push_back(std::get<AafRefusal>(std::move(chart)));
        }
        a93.reset();
    }
    if (a93)
        read.refusals.push_back(refusal(a93->line, AafProblem::MissingB93, {}));
    return read;
}

bool aafAltersTexts(const ChartRecord& r) {
    for (const std::string* text : {&r.name, &r.city, &r.country})
        if (text->find_first_of(",\r\n") != std::string::npos)
            return true;
    return false;
}

std::string aafOfRecord(const ChartRecord& r) {
    char date[32];
    std::snprintf(date, sizeof date, "%02d.%02d.%04d", r.day, r.month, r.year);
    char clock[32];
    if (r.second != 0)
        std::snprintf(clock, sizeof clock, "%02d:%02d:%02d", r.hour, r.minute, r.second);
    else
        std::snprintf(clock, sizeof clock, "%02d:%02d", r.hour, r.minute);
    std::string out = "#A93:" + fieldOf(r.name) + ",*,*," + date + "," + clock + "," +
                      fieldOf(r.city) + "," + fieldOf(r.country) + "\n";

    const int summer = r.daylightSaving ? kSecondsPerHour : 0;
    const int universalShift = r.correctionSeconds - summer;
    const double jd =
        julianDayOf(r.year, r.month, r.day, r.hour, r.minute, r.second) + universalShift / 86400.0;
    // The zone difference to the nearest minute; the Julian day keeps the seconds.
    const int offsetMinutes = static_cast<int>(std::lround(-r.correctionSeconds / 60.0));
    const int magnitude = std::abs(offsetMinutes);
    char line[128];
    std::snprintf(line, sizeof line, "#B93:%.6f,%d%c%02d,%d%c%02d,%dh%c%02d,%d\n", jd,
                  r.latitudeDegrees, r.south ? 's' : 'n', r.latitudeMinutes, r.longitudeDegrees,
                  r.east ? 'e' : 'w', r.longitudeMinutes, magnitude / 60,
                  offsetMinutes < 0 ? 'W' : 'E', magnitude % 60, r.daylightSaving ? 1 : 0);
    return out + line;
}

} // namespace orbenza::store
