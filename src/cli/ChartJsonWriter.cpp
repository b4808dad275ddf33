#include "ChartJsonWriter.h"

#include "ChartOutput.h"
#include "base/Body.h"
#include "base/Utf8.h"
#include "chart/ChartReport.h"
#include "chart/TimeZones.h"
#include "present/PositionText.h"
#include "present/Presentation.h"
#include "report/HouseReport.h"
#include "report/InterpretationTexts.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <functional>
#include <nlohmann/json.hpp>

namespace orbenza::cli {

namespace {

// Appends text as a JSON string the way the JSON library dumps it without
// ensure_ascii: the two-character escapes for " \ \b \f \n \r \t, \u00xx in
// lower-case hexadecimal for the other control characters, everything else as
// it is. Bytes that are not UTF-8 make it fail (strict) or become U+FFFD.
// The bytes that leave the plain ASCII run: quote, backslash, control
// characters and everything from 0x80 (checked as UTF-8).
constexpr std::array<bool, 256> kLeavesPlainRun = [] {
    std::array<bool, 256> table{};
    for (int c = 0; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = c < 0x20 || c == '"' || c == '\\' || c >= 0x80;
    return table;
}();

bool appendJsonString(std::string& out, std::string_view text, bool replaceInvalid) {
    out += '"';
    const char* const data = text.data();
    const std::size_t size = text.size();
    std::size_t runStart = 0;
    std::size_t i = 0;
    for (;;) {
        while (i < size && !kLeavesPlainRun[static_cast<unsigned char>(data[i])])
            ++i;
        out.append(data + runStart, i - runStart);
        if (i == size)
            break;
        const auto c = static_cast<unsigned char>(data[i]);
        if (c < 0x80) {
            switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\b':
                out += "\\b";
                break;
            case '\f':
                out += "\\f";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default: {
                static constexpr char kHex[] = "0123456789abcdef";
                const char escape[6] = {'\\', 'u', '0', '0', kHex[c >> 4], kHex[c & 0xF]};
                out.append(escape, sizeof escape);
            }
            }
            ++i;
        } else if (const Utf8Step step = decodeUtf8(text, i); step.valid) {
            out.append(data + i, step.length);
            i += step.length;
        } else {
            if (!replaceInvalid)
                return false;
            out += "\xEF\xBF\xBD";
            ++i;
        }
        runStart = i;
    }
    out += '"';
    return true;
}

// value as printf's %0<width>d writes it, at p (room for 24 characters);
// returns the end.
char* writePadded(char* p, int value, int width) {
    if (value < 0)
        return p + std::snprintf(p, 24, "%0*d", width, value);
    char digits[12];
    int n = 0;
    do {
        digits[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    for (int pad = n; pad < width; ++pad)
        *p++ = '0';
    while (n > 0)
        *p++ = digits[--n];
    return p;
}

// True when no byte of text leaves the plain ASCII run, tested eight bytes
// at a time: a byte below 0x20, a quote, a backslash or a byte from 0x80 sets
// the high bit of its lane.
bool isPlain(std::string_view text) {
    constexpr std::uint64_t kOnes = 0x0101010101010101ull;
    constexpr std::uint64_t kHighs = 0x8080808080808080ull;
    auto zeroByteIn = [](std::uint64_t v) { return (v - kOnes) & ~v & kHighs; };
    const char* p = text.data();
    std::size_t left = text.size();
    while (left >= 8) {
        std::uint64_t word;
        std::memcpy(&word, p, 8);
        // Bytes below 0x20: subtracting 0x20 borrows into the high bit for
        // them (or for bytes from 0x80 up, which are caught anyway).
        const std::uint64_t special = ((word - 0x20 * kOnes) & ~word & kHighs) |
                                      zeroByteIn(word ^ ('"' * kOnes)) |
                                      zeroByteIn(word ^ ('\\' * kOnes)) | (word & kHighs);
        if (special != 0)
            return false;
        p += 8;
        left -= 8;
    }
    for (; left > 0; ++p, --left) {
        if (kLeavesPlainRun[static_cast<unsigned char>(*p)])
            return false;
    }
    return true;
}

// Collects short pieces of JSON on the stack and hands them to the string in
// one append, which saves most of the string's per-append bookkeeping. Texts
// that need escapes, or are long, go through appendJsonString.
class JsonScratch {
public:
    explicit JsonScratch(std::string& out) : m_out(out) {}
    JsonScratch(const JsonScratch&) = delete;
    JsonScratch& operator=(const JsonScratch&) = delete;
    ~JsonScratch() { flush(); }

    void flush() {
        m_out.append(m_buffer, static_cast<std::size_t>(m_end - m_buffer));
        m_end = m_buffer;
    }
    char* room(std::size_t size) {
        if (static_cast<std::size_t>(m_buffer + sizeof m_buffer - m_end) < size)
            flush();
        return m_end;
    }
    void raw(std::string_view text) {
        if (text.size() > sizeof m_buffer / 2) {
            flush();
            m_out.append(text);
            return;
        }
        char* p = room(text.size());
        std::copy(text.begin(), text.end(), p); // memcpy may not take an empty view's null data
        m_end = p + text.size();
    }
    void raw(char c) { *room(1) = c, ++m_end; }
    // A number as the JSON library writes it (its own shortest round-trip form).
    void number(double value) {
        char* p = room(64);
        if (!std::isfinite(value)) {
            std::memcpy(p, "null", 4);
            m_end = p + 4;
            return;
        }
        m_end = nlohmann::detail::to_chars(p, p + 64, value);
    }
    // A value already rounded to six decimals, as the JSON library writes it.
    // Its shortest form is the six-decimal one without trailing zeros, written
    // here directly. The library's digit generation (Grisu2) gives a longer
    // form when the value lies within a few thousandths of an ulp of the
    // middle between two doubles, and an exponent below 0.0001: such values,
    // and all under 0.001, go through the library.
    void sixDecimals(double value) {
        const double magnitude = std::fabs(value);
        if (!(magnitude >= 1e-3 && magnitude < 1e9)) {
            number(value);
            return;
        }
        const double micro = std::nearbyint(value * 1e6);
        const double residual = std::fma(value, 1e6, -micro);
        const double halfUlp = (std::nextafter(magnitude, 2 * magnitude) - magnitude) * 0.5e6;
        if (std::fabs(residual) > 0.9 * halfUlp) {
            number(value);
            return;
        }
        char* p = room(32);
        if (value < 0)
            *p++ = '-';
        const auto whole = static_cast<std::uint64_t>(std::fabs(micro));
        p = writePadded(p, static_cast<int>(whole / 1000000), 1);
        *p++ = '.';
        auto fraction = static_cast<int>(whole % 1000000);
        if (fraction == 0) {
            *p++ = '0';
        } else {
            int digits = 6;
            while (fraction % 10 == 0) {
                fraction /= 10;
                --digits;
            }
            p = writePadded(p, fraction, digits);
        }
        m_end = p;
    }
    // A JSON string; false for text that is not UTF-8 (strict).
    bool string(std::string_view text) {
        if (text.size() > sizeof m_buffer / 2 || !isPlain(text)) {
            flush();
            return appendJsonString(m_out, text, false);
        }
        char* p = room(text.size() + 2);
        *p++ = '"';
        std::copy(text.begin(), text.end(), p); // memcpy may not take an empty view's null data
        p += text.size();
        *p++ = '"';
        m_end = p;
        return true;
    }
    bool strings(const std::array<std::string, kBodyCount>& texts) {
        raw('[');
        for (std::size_t i = 0; i < texts.size(); ++i) {
            if (i != 0)
                raw(',');
            if (!string(texts[i]))
                return false;
        }
        raw(']');
        return true;
    }
    void padded(int value, int width) { m_end = writePadded(room(24), value, width); }
    // YYYY-MM-DD
    void isoDate(int year, int month, int day) {
        padded(year, 4);
        raw('-');
        padded(month, 2);
        raw('-');
        padded(day, 2);
    }

private:
    std::string& m_out;
    char m_buffer[2048];
    char* m_end = m_buffer;
};

// The keys of the house systems and aspects, as addHousesAndAspects writes
// them: after the report, before the place.
bool appendHousesAndAspects(JsonScratch& json, const ChartResult& chart) {
    json.raw(",\"HouseSystem\":\"");
    json.raw(houseSystemName(chart.houseSystem));
    json.raw("\",\"HouseNote\":");
    bool ok = true;
    if (chart.houseNote == HouseNote::None)
        json.raw("null");
    else
        ok = json.string(houseNoteText(chart));
    json.raw(",\"Cusps\":[");
    for (std::size_t k = 0; k < chart.cuspsDeg.size(); ++k) {
        if (k != 0)
            json.raw(',');
        json.sixDecimals(longitudeSixDecimals(chart.cuspsDeg[k]));
    }
    const ChartAngles& a = chart.angles;
    json.raw("],\"Angles\":{\"Asc\":");
    json.sixDecimals(longitudeSixDecimals(a.ascDeg));
    json.raw(",\"MC\":");
    json.sixDecimals(longitudeSixDecimals(a.mcDeg));
    json.raw(",\"Dsc\":");
    json.sixDecimals(longitudeSixDecimals(a.dscDeg));
    json.raw(",\"IC\":");
    json.sixDecimals(longitudeSixDecimals(a.icDeg));
    json.raw(",\"Vertex\":");
    json.sixDecimals(longitudeSixDecimals(a.vertexDeg));
    json.raw("},\"Speeds\":{");
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet) {
        if (planet != 0)
            json.raw(',');
        json.raw('"');
        json.raw(bodyLabel(bodyAt(planet)));
        json.raw("\":");
        json.sixDecimals(sixDecimals(chart.speedsDegPerDay[bodyAt(planet)]));
    }
    json.raw("},\"Aspects\":[");
    for (std::size_t i = 0; i < chart.aspects.size(); ++i) {
        const AspectFound& aspect = chart.aspects[i];
        json.raw(i == 0 ? "{\"A\":\"" : ",{\"A\":\"");
        json.raw(bodyLabel(aspect.a));
        json.raw("\",\"B\":\"");
        json.raw(bodyLabel(aspect.b));
        json.raw("\",\"Aspect\":\"");
        json.raw(aspectName(aspect.aspect));
        json.raw("\",\"Angle\":");
        json.sixDecimals(sixDecimals(aspect.angleDeg));
        json.raw(",\"Orb\":");
        json.sixDecimals(sixDecimals(aspect.orbDeg));
        json.raw(aspect.applying ? ",\"Applying\":true}" : ",\"Applying\":false}");
    }
    json.raw(']');
    return ok;
}

std::string_view sunSignOf(const ChartResult& chart) {
    return signName(chart.sunSign());
}

std::string_view zoneTextOf(const ChartResult& chart) {
    return chart.input.zonePosition >= 0 && chart.input.zonePosition < kTimeZoneCount
               ? timeZoneEntries()[static_cast<std::size_t>(chart.input.zonePosition)].text
               : std::string_view{};
}

void appendHexColor(std::string& out, std::uint32_t rgb) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    out += '#';
    for (int shift = 20; shift >= 0; shift -= 4)
        out += kHex[(rgb >> shift) & 0xF];
}

// {"From":"1985-06-15T13:52:10","To":null}: the window's ends in local clock
// time, null for an end beyond 12 hours.
void appendWindow(JsonScratch& json, const TimeWindow& window) {
    json.raw("{\"From\":");
    json.raw(window.from ? "\"" + isoClockTime(*window.from) + "\"" : std::string("null"));
    json.raw(",\"To\":");
    json.raw(window.to ? "\"" + isoClockTime(*window.to) + "\"" : std::string("null"));
    json.raw('}');
}

// ,"Place":{...} as placeJson(place) dumps it; false when a text is not UTF-8.
bool appendPlace(std::string& out, const PlaceClockInfo& place) {
    JsonScratch json(out);
    json.raw(",\"Place\":{\"Name\":");
    bool ok = json.string(place.name);
    json.raw(",\"State\":");
    ok = ok && json.string(place.state);
    json.raw(",\"Country\":");
    ok = ok && json.string(place.country);
    json.raw(",\"Latitude\":");
    json.number(place.latitudeDeg);
    json.raw(",\"Longitude\":");
    json.number(place.longitudeDeg);
    json.raw(",\"TimeZone\":");
    ok = ok && json.string(place.timeZone);
    json.raw(",\"Abbreviation\":");
    ok = ok && json.string(place.abbreviation);
    json.raw(",\"UtOffset\":");
    ok = ok && json.string(atlas::formatIsoOffset(place.utOffsetSeconds));
    json.raw(place.summerTime ? ",\"SummerTime\":true" : ",\"SummerTime\":false");
    const std::string caution = cautionSentence(place.caution);
    json.raw(",\"Caution\":");
    if (caution.empty())
        json.raw("null");
    else
        ok = ok && json.string(caution);
    json.raw('}');
    return ok;
}

} // namespace

ChartJsonWriter::ChartJsonWriter(bool withReport) : m_withReport(withReport), m_slots(1024) {}

void ChartJsonWriter::grow() {
    std::vector<Slot> old(m_slots.size() * 2);
    old.swap(m_slots);
    const std::size_t mask = m_slots.size() - 1;
    for (const Slot& slot : old) {
        if (slot.text == nullptr)
            continue;
        std::size_t index =
            (std::hash<const void*>{}(slot.text) * 0x9E3779B97F4A7C15ull >> 20) & mask;
        while (m_slots[index].text != nullptr)
            index = (index + 1) & mask;
        m_slots[index] = slot;
    }
}

const std::string* ChartJsonWriter::runFragment(std::string_view text, bool heading,
                                                std::uint32_t color) {
    const std::uint32_t format = color | (heading ? 0x1000000u : 0u);
    std::size_t mask = m_slots.size() - 1;
    std::size_t index =
        (std::hash<const void*>{}(text.data()) * 0x9E3779B97F4A7C15ull >> 20) & mask;
    for (;;) {
        const Slot& slot = m_slots[index];
        if (slot.text == nullptr)
            break;
        if (slot.text == text.data() && slot.size == text.size() && slot.format == format)
            return slot.fragment;
        index = (index + 1) & mask;
    }
    std::string fragment = ",{\"text\":";
    if (!appendJsonString(fragment, text, false))
        return nullptr;
    fragment += heading ? ",\"heading\":true,\"color\":\"" : ",\"heading\":false,\"color\":\"";
    appendHexColor(fragment, color);
    fragment += "\"}";
    m_fragments.push_back(std::move(fragment));
    m_slots[index] = Slot{text.data(), text.size(), format, &m_fragments.back()};
    if (m_fragments.size() * 2 > m_slots.size())
        grow();
    return &m_fragments.back();
}

bool ChartJsonWriter::append(std::string& text, const ChartResult& chart,
                             const PlaceClockInfo* place) {
    OutputBuffer buffer;
    if (!append(buffer, chart, place))
        return false;
    text += buffer.flattened();
    return true;
}

bool ChartJsonWriter::append(OutputBuffer& buffer, const ChartResult& chart,
                             const PlaceClockInfo* place) {
    // The place's object is made first: texts that are not UTF-8 refuse the
    // chart before anything is written.
    std::string placeText;
    if (place != nullptr && !appendPlace(placeText, *place))
        return false;
    const BirthData& birth = chart.birth;
    const OutputBuffer::Mark start = buffer.mark();
    bool ok = true;
    {
        JsonScratch json(buffer.text);
        json.raw("{\"Name\":");
        ok = json.string(birth.name);
        json.raw(",\"Date\":\"");
        json.isoDate(birth.birthYear, birth.birthMonth, birth.birthDay);
        json.raw("\",\"Time\":\"");
        json.padded(birth.birthHour, 2);
        json.raw(':');
        json.padded(birth.birthMinute, 2);
        json.raw("\",\"Zone\":");
        ok = ok && json.string(zoneTextOf(chart));
        json.raw(isTrue16(birth.isDaylightSaving) ? ",\"DaylightSaving\":true"
                                                  : ",\"DaylightSaving\":false");
        const UniversalMoment& ut = chart.moment.universalTime;
        json.raw(",\"UniversalTime\":\"");
        json.isoDate(ut.year, ut.month, ut.day);
        json.raw('T');
        json.padded(ut.hour, 2);
        json.raw(':');
        json.padded(ut.minute, 2);
        if (ut.second != 0) {
            json.raw(':');
            json.padded(ut.second, 2);
        }
        json.raw("Z\",\"Positions\":\"");
        json.raw(positionsName(chart.positions));
        json.raw("\",\"SunSign\":");
        ok = ok && json.string(sunSignOf(chart));
        const ChartTexts texts = chartTexts(chart);
        json.raw(",\"MoonSignName\":");
        ok = ok && json.string(texts.moonSignName);
        json.raw(",\"Ascendant\":");
        ok = ok && json.string(signName(chart.ascendantSign()));
        json.raw(",\"AscendantText\":");
        ok = ok && json.string(texts.ascendantText);
        json.raw(",\"MoonPositionText\":");
        ok = ok && json.string(texts.moonPositionText);
        json.raw(",\"PlanetPositions\":");
        ok = ok && json.strings(texts.planetPositions);
        json.raw(",\"PlanetNames\":");
        ok = ok && json.strings(texts.planetNames);
        json.raw(",\"Longitudes\":{");
        for (Body body : kAllBodies) {
            if (body != Body::Sun)
                json.raw(',');
            json.raw('"');
            json.raw(bodyLabel(body));
            json.raw("\":");
            json.number(longitudeSixDecimals(chart.longitudesDeg[body]));
        }
        for (const OtherPoint& point : kOtherPoints) {
            json.raw(",\"");
            json.raw(point.key);
            json.raw("\":");
            json.number(longitudeSixDecimals(chart.pointLongitudesDeg[point.body]));
        }
        json.raw("},\"Houses\":{");
        bool first = true;
        for (int planet = 0; planet < kReportPlanetCount; ++planet) {
            const int house = chart.houses[bodyAt(static_cast<std::size_t>(planet))];
            if (house == 0)
                continue;
            if (!first)
                json.raw(',');
            first = false;
            ok = ok && json.string(reportPlanetName(planet));
            json.raw(':');
            json.padded(house, 1);
        }
        json.raw('}');
        if (const auto& windows = chart.windows) {
            json.raw(",\"AscendantWindow\":");
            appendWindow(json, windows->ascendant);
            json.raw(",\"HouseWindow\":");
            appendWindow(json, windows->houses);
        }
        if (m_withReport) {
            json.raw(",\"Report\":[");
        } else {
            ok = ok && (!chart.housesAndAspects || appendHousesAndAspects(json, chart));
            json.raw(placeText);
            json.raw('}');
        }
    }
    if (!ok) {
        buffer.rollback(start);
        return false;
    }
    if (!m_withReport)
        return true;
    bool first = true;
    for (const ReportRun& run : chartReport(chart)) {
        const std::uint32_t color =
            (std::uint32_t{run.color.r} << 16) | (std::uint32_t{run.color.g} << 8) | run.color.b;
        const std::string* fragment = runFragment(run.text, run.heading, color);
        if (fragment == nullptr) {
            buffer.rollback(start);
            return false;
        }
        // The fragment starts with the comma that separates it from the run before.
        buffer.appendStable(first ? std::string_view(*fragment).substr(1)
                                  : std::string_view(*fragment));
        first = false;
    }
    buffer.text += ']';
    if (chart.housesAndAspects) {
        JsonScratch json(buffer.text);
        if (!appendHousesAndAspects(json, chart)) {
            json.flush();
            buffer.rollback(start);
            return false;
        }
    }
    buffer.text += placeText;
    buffer.text += '}';
    return true;
}

void appendBatchErrorJson(std::string& out, std::uint64_t line, std::string_view message) {
    out += "{\"line\":";
    out += std::to_string(line);
    out += ",\"error\":";
    appendJsonString(out, message, true);
    out += '}';
}

} // namespace orbenza::cli
