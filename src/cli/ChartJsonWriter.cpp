#include "ChartJsonWriter.h"

#include "ChartOutput.h"
#include "JsonText.h"
#include "base/Body.h"
#include "chart/ChartReport.h"
#include "chart/TimeZones.h"
#include "present/PositionText.h"
#include "present/Presentation.h"
#include "report/HouseReport.h"
#include "report/InterpretationTexts.h"

#include <algorithm>
#include <array>

namespace orbenza::cli {

namespace {

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

// From "Name" to "Positions", and the "SunSign" key: the birth as given and
// the moment computed; false when a text is not UTF-8.
bool appendBirthFields(JsonScratch& json, const ChartResult& chart) {
    const BirthData& birth = chart.birth;
    json.raw("{\"Name\":");
    bool ok = json.string(birth.name);
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
    return ok;
}

// From the "SunSign" value to the birth-time windows: the chart's signs,
// texts, longitudes and houses; false when a text is not UTF-8.
bool appendChartFields(JsonScratch& json, const ChartResult& chart) {
    bool ok = json.string(sunSignOf(chart));
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
        json.sixDecimals(longitudeSixDecimals(chart.longitudesDeg[body]));
    }
    for (const OtherPoint& point : kOtherPoints) {
        json.raw(",\"");
        json.raw(point.key);
        json.raw("\":");
        json.sixDecimals(longitudeSixDecimals(chart.pointLongitudesDeg[point.body]));
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

bool ChartJsonWriter::appendReportRuns(OutputBuffer& buffer, const ChartResult& chart) {
    bool first = true;
    for (const ReportRun& run : chartReport(chart)) {
        const std::uint32_t color =
            (std::uint32_t{run.color.r} << 16) | (std::uint32_t{run.color.g} << 8) | run.color.b;
        const std::string* fragment = runFragment(run.text, run.heading, color);
        if (fragment == nullptr)
            return false;
        // The fragment starts with the comma that separates it from the run before.
        buffer.appendStable(first ? std::string_view(*fragment).substr(1)
                                  : std::string_view(*fragment));
        first = false;
    }
    return true;
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
    const OutputBuffer::Mark start = buffer.mark();
    bool ok = true;
    {
        JsonScratch json(buffer.text);
        ok = appendBirthFields(json, chart) && appendChartFields(json, chart);
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
    if (!appendReportRuns(buffer, chart)) {
        buffer.rollback(start);
        return false;
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
