#include "atlas/Atlas.h"

#include "base/MessageText.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <new>
#include <sys/stat.h>
#include <unistd.h>

namespace orbenza::atlas {

namespace {

constexpr std::string_view kMagic = "ORBENZA-ATLAS\t1";
constexpr std::string_view kUnavailable = "The place atlas is unavailable: ";
// A text that more places start with than this is searched by population
// (see Atlas::matches); fewer are simply all ordered.
constexpr std::size_t kLongPrefixRange = 256;
// No atlas comes near this size (the world's file is under 6 MB); a larger
// file is something else and is not read into memory.
constexpr std::int64_t kMaxFileBytes = std::int64_t{256} << 20;
// A text of more comma-separated parts than this names no place.
constexpr std::size_t kMaxTextParts = 16;

// FNV-1a, 32 bits: the sum the generator writes on the closing line.
std::uint32_t fnv1a(std::string_view bytes) {
    std::uint32_t hash = 0x811c9dc5u;
    for (const char c : bytes) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x01000193u;
    }
    return hash;
}

// Reads lines one by one from a text, each without its line feed.
class LineReader {
public:
    explicit LineReader(std::string_view text) : m_text(text) {}
    bool next(std::string_view& line) {
        if (m_pos >= m_text.size())
            return false;
        const std::size_t end = m_text.find('\n', m_pos);
        if (end == std::string_view::npos)
            return false; // every line of the file ends with a line feed
        line = m_text.substr(m_pos, end - m_pos);
        m_pos = end + 1;
        ++m_number;
        return true;
    }
    std::size_t number() const { return m_number; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    std::size_t m_number = 0;
};

// Splits a line at tabs into exactly `count` fields.
bool splitFields(std::string_view line, std::string_view* fields, std::size_t count) {
    std::size_t start = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t tab = line.find('\t', start);
        const bool last = i + 1 == count;
        if (last != (tab == std::string_view::npos))
            return false;
        fields[i] = line.substr(start, last ? std::string_view::npos : tab - start);
        start = tab + 1;
    }
    return true;
}

template <typename T> bool parseNumber(std::string_view text, T& value, int base = 10) {
    const char* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value, base);
    return !text.empty() && result.ec == std::errc() && result.ptr == end;
}

// Decodes one UTF-8 sequence at `pos`; returns false for a malformed one
// (and steps over one byte).
bool decodeUtf8(std::string_view text, std::size_t& pos, char32_t& cp, std::size_t& length) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(pos);
    length = lead < 0x80           ? 1
             : (lead >> 5) == 0x6  ? 2
             : (lead >> 4) == 0xe  ? 3
             : (lead >> 3) == 0x1e ? 4
                                   : 0;
    if (length == 0 || pos + length > text.size()) {
        ++pos;
        return false;
    }
    cp = length == 1 ? lead : lead & (0x7f >> length);
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xc0) != 0x80) {
            ++pos;
            return false;
        }
        cp = (cp << 6) | (byte(pos + i) & 0x3f);
    }
    pos += length;
    return true;
}

bool startsWith(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && text.compare(0, prefix.size(), prefix) == 0;
}

} // namespace

Atlas::Atlas() {
    m_reason = std::string(kUnavailable) + "no atlas file was read";
}
Atlas::Atlas(Atlas&&) noexcept = default;
Atlas& Atlas::operator=(Atlas&&) noexcept = default;
Atlas::~Atlas() = default;

void Atlas::fail(const std::string& reason) {
    *this = Atlas();
    m_reason = std::string(kUnavailable) + reason;
}

Atlas Atlas::load(const std::string& path) {
    Atlas atlas;
    // Only a regular file can be the atlas: a folder or a device would be
    // read as nonsense, or as a size the memory cannot hold.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        atlas.fail(path + " cannot be read");
        return atlas;
    }
    if (S_ISDIR(info.st_mode)) {
        atlas.fail(path + " is a folder, not an atlas file");
        return atlas;
    }
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxFileBytes) {
        atlas.fail(path + " is not an atlas file");
        return atlas;
    }
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) {
        atlas.fail(path + " cannot be read");
        return atlas;
    }
    std::string text(kMagic.size() + 1, '\0');
    // The first line tells an atlas from any other file before the rest is read.
    in.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (!in.bad() &&
        (!in || std::string_view(text).substr(0, kMagic.size()) != kMagic || text.back() != '\n')) {
        const bool atlasOfAnotherVersion =
            startsWith(text, kMagic.substr(0, kMagic.find('\t') + 1));
        atlas.fail(path + (atlasOfAnotherVersion ? " is not an atlas file of this version"
                                                 : " is not an atlas file"));
        return atlas;
    }
    if (!in) {
        atlas.fail(path + " cannot be read");
        return atlas;
    }
    try {
        text.resize(static_cast<std::size_t>(info.st_size));
    } catch (const std::bad_alloc&) {
        atlas.fail(path + " is too large to be read");
        return atlas;
    }
    const auto rest = static_cast<std::streamsize>(text.size() - (kMagic.size() + 1));
    if (!in.read(text.data() + kMagic.size() + 1, rest) ||
        in.peek() != std::ifstream::traits_type::eof()) {
        atlas.fail(path + " cannot be read whole");
        return atlas;
    }
    return fromText(std::move(text), path);
}

Atlas Atlas::fromText(std::string text, const std::string& origin) {
    Atlas atlas;
    atlas.m_text = std::make_unique<std::string>(std::move(text));
    const std::string_view all = *atlas.m_text;
    const auto damaged = [&](const std::string& what) {
        atlas.fail(origin + " is damaged (" + what + ")");
        return std::move(atlas);
    };

    // The closing line "END\t<sum>" covers every byte before it.
    if (all.size() < 14 || all.back() != '\n')
        return damaged("cut short");
    const std::size_t closing = all.rfind('\n', all.size() - 2) + 1;
    const std::string_view endLine = all.substr(closing, all.size() - closing - 1);
    std::uint32_t sum = 0;
    if (!startsWith(endLine, "END\t") || !parseNumber(endLine.substr(4), sum, 16))
        return damaged("no closing line");
    const std::string_view body = all.substr(0, closing);
    if (fnv1a(body) != sum)
        return damaged("its sum does not match its content");

    LineReader lines(body);
    std::string_view line;
    if (!lines.next(line) || line != kMagic)
        return damaged("not an atlas file of this version");
    const auto nextData = [&](std::string_view& out) {
        while (lines.next(out)) {
            if (!startsWith(out, "#"))
                return true;
        }
        return false;
    };
    const auto section = [&](char letter, std::size_t& count) {
        std::string_view head;
        return nextData(head) && head.size() > 2 && head[0] == letter && head[1] == '\t' &&
               parseNumber(head.substr(2), count);
    };
    const auto where = [&] { return "line " + std::to_string(lines.number()); };

    std::size_t count = 0;
    if (!section('F', count))
        return damaged("no fold table");
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view f[2];
        std::uint32_t cp = 0;
        if (!nextData(line) || !splitFields(line, f, 2) || !parseNumber(f[0], cp, 16))
            return damaged(where());
        atlas.m_folds.emplace(static_cast<char32_t>(cp), std::string(f[1]));
    }

    if (!section('Z', count))
        return damaged("no zone list");
    for (std::size_t i = 0; i < count; ++i) {
        if (!nextData(line) || line.empty())
            return damaged(where());
        atlas.m_zones.push_back(line);
    }

    if (!section('C', count))
        return damaged("no country list");
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view f[2];
        if (!nextData(line) || !splitFields(line, f, 2) || f[0].empty() || f[1].empty())
            return damaged(where());
        atlas.m_countries.push_back({f[0], f[1], atlas.fold(f[0]), atlas.fold(f[1])});
    }

    if (!section('R', count))
        return damaged("no region list");
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view f[3];
        std::uint16_t country = 0;
        if (!nextData(line) || !splitFields(line, f, 3) || !parseNumber(f[0], country) ||
            country >= atlas.m_countries.size() || f[2].empty())
            return damaged(where());
        atlas.m_regions.push_back({country, f[1], f[2], atlas.fold(f[1]), atlas.fold(f[2])});
    }

    if (!section('P', count))
        return damaged("no place list");
    atlas.m_places.reserve(count);
    atlas.m_keys.reserve(count * 12);
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view f[7];
        Record r{};
        if (!nextData(line) || !splitFields(line, f, 7) || f[0].empty() || f[0].size() > 0xffff)
            return damaged(where());
        r.region = -1;
        if (!f[1].empty() && !parseNumber(f[1], r.region))
            return damaged(where());
        if (!parseNumber(f[2], r.country) || !parseNumber(f[3], r.latE4) ||
            !parseNumber(f[4], r.lonE4) || !parseNumber(f[5], r.population) ||
            !parseNumber(f[6], r.zone))
            return damaged(where());
        if (r.region >= static_cast<std::int32_t>(atlas.m_regions.size()) ||
            r.country >= atlas.m_countries.size() || r.zone >= atlas.m_zones.size() ||
            std::abs(r.latE4) > 900000 || std::abs(r.lonE4) > 1800000)
            return damaged(where());
        r.nameOffset = static_cast<std::uint32_t>(f[0].data() - all.data());
        r.nameLength = static_cast<std::uint16_t>(f[0].size());
        r.keyOffset = static_cast<std::uint32_t>(atlas.m_keys.size());
        atlas.foldAppend(f[0], atlas.m_keys);
        if (atlas.m_keys.size() - r.keyOffset > 0xffff)
            return damaged(where());
        r.keyLength = static_cast<std::uint16_t>(atlas.m_keys.size() - r.keyOffset);
        atlas.m_places.push_back(r);
    }
    if (nextData(line))
        return damaged("text after the place list");

    // The generator writes the places in the order of their search keys; a
    // file written otherwise is still searched right, after a sort.
    atlas.m_byKey.resize(atlas.m_places.size());
    for (std::uint32_t i = 0; i < atlas.m_byKey.size(); ++i)
        atlas.m_byKey[i] = i;
    const auto byKey = [&](std::uint32_t a, std::uint32_t b) {
        return atlas.keyOf(atlas.m_places[a]) < atlas.keyOf(atlas.m_places[b]);
    };
    if (!std::is_sorted(atlas.m_byKey.begin(), atlas.m_byKey.end(), byKey))
        std::sort(atlas.m_byKey.begin(), atlas.m_byKey.end(), byKey);
    atlas.m_populationGroups = std::make_unique<PopulationGroups>();
    atlas.m_available = true;
    atlas.m_reason.clear();
    return atlas;
}

std::string Atlas::fold(std::string_view text) const {
    std::string out;
    out.reserve(text.size());
    foldAppend(text, out);
    return out;
}

void Atlas::foldAppend(std::string_view text, std::string& out) const {
    const std::size_t begin = out.size();
    bool pendingBlank = false;
    const auto put = [&](char c) {
        if (c == ' ') {
            pendingBlank = out.size() > begin;
            return;
        }
        if (pendingBlank)
            out += ' ';
        pendingBlank = false;
        out += c;
    };
    std::size_t pos = 0;
    while (pos < text.size()) {
        const unsigned char lead = static_cast<unsigned char>(text[pos]);
        if (lead < 0x80) {
            char c = static_cast<char>(lead);
            if (c >= 'A' && c <= 'Z')
                c = static_cast<char>(c - 'A' + 'a');
            else if (c == '-' || c == '\t')
                c = ' ';
            if (c == ',') {
                // One blank after a comma and none before: "Xeraco,Jaraco"
                // and "Xeraco , Jaraco" fold as "xeraco, jaraco".
                pendingBlank = false;
                put(c);
                pendingBlank = true;
            } else {
                put(c);
            }
            ++pos;
            continue;
        }
        const std::size_t start = pos;
        char32_t cp = 0;
        std::size_t length = 0;
        if (!decodeUtf8(text, pos, cp, length))
            continue; // a malformed byte folds to nothing
        const auto found = m_folds.find(cp);
        for (const char c :
             found != m_folds.end() ? std::string_view(found->second) : text.substr(start, length))
            put(c);
    }
}

std::string_view Atlas::keyOf(const Record& record) const {
    return std::string_view(m_keys).substr(record.keyOffset, record.keyLength);
}

Place Atlas::place(std::size_t index) const {
    const Record& r = m_places.at(index);
    Place p;
    p.name = std::string_view(*m_text).substr(r.nameOffset, r.nameLength);
    if (r.region >= 0) {
        p.region = m_regions[static_cast<std::size_t>(r.region)].name;
        p.regionCode = m_regions[static_cast<std::size_t>(r.region)].code;
    }
    p.country = m_countries[r.country].name;
    p.countryCode = m_countries[r.country].code;
    p.timeZone = m_zones[r.zone];
    p.latitudeDeg = r.latE4 / 1e4;
    p.longitudeDeg = r.lonE4 / 1e4;
    p.population = r.population;
    return p;
}

bool Atlas::qualifierMatches(const Record& record, std::string_view qualifier) const {
    const Country& country = m_countries[record.country];
    if (qualifier == country.codeKey || startsWith(country.nameKey, qualifier))
        return true;
    if (record.region < 0)
        return false;
    const Region& region = m_regions[static_cast<std::size_t>(record.region)];
    return qualifier == region.codeKey || startsWith(region.nameKey, qualifier);
}

bool Atlas::qualifiersMatch(const Record& record, const Qualifiers& qualifiers) const {
    // Every part belongs to a qualifier, each of one part or of several that
    // are one name with commas: which ends of parts can be reached.
    const std::size_t count = qualifiers.parts.size();
    std::uint32_t reached = 1; // bit i: the parts before i are qualifiers
    for (std::size_t i = 0; i < count; ++i) {
        if ((reached >> i & 1u) == 0)
            continue;
        for (std::size_t j = i + 1; j <= count; ++j) {
            if (qualifierMatches(record, qualifiers.runs[i * (count + 1) + j]))
                reached |= 1u << j;
        }
    }
    return (reached >> count & 1u) != 0;
}

std::pair<std::size_t, std::size_t> Atlas::keyRange(std::string_view prefix) const {
    const auto first = std::lower_bound(
        m_byKey.begin(), m_byKey.end(), prefix,
        [&](std::uint32_t index, std::string_view key) { return keyOf(m_places[index]) < key; });
    // The keys from `first` on start with the prefix up to the first that does not.
    const auto last = std::partition_point(first, m_byKey.end(), [&](std::uint32_t index) {
        return startsWith(keyOf(m_places[index]), prefix);
    });
    return {static_cast<std::size_t>(first - m_byKey.begin()),
            static_cast<std::size_t>(last - m_byKey.begin())};
}

const Atlas::PopulationGroups& Atlas::populationGroups() const {
    std::call_once(m_populationGroups->made, [this] { groupByPopulation(*m_populationGroups); });
    return *m_populationGroups;
}

void Atlas::groupByPopulation(PopulationGroups& groups) const {
    const std::size_t count = m_byKey.size();
    // The groups: runs of m_byKey whose keys share their first two bytes.
    std::vector<std::uint32_t> groupOf(count); // by place index
    std::vector<std::uint32_t>& starts = groups.groupStarts;
    std::string_view head;
    for (std::size_t i = 0; i < count; ++i) {
        const std::string_view key = keyOf(m_places[m_byKey[i]]).substr(0, 2);
        if (i == 0 || key != head) {
            starts.push_back(static_cast<std::uint32_t>(i));
            head = key;
        }
        groupOf[m_byKey[i]] = static_cast<std::uint32_t>(starts.size() - 1);
    }
    starts.push_back(static_cast<std::uint32_t>(count));

    // Every place by population, largest first, then by index: a stable
    // least-significant-digit radix sort (three digits of 11 bits) of the
    // places in index order, each carried as its population above its index.
    constexpr unsigned kDigitBits = 11;
    constexpr std::uint32_t kDigitMask = (1u << kDigitBits) - 1;
    std::vector<std::uint64_t> order(count), sorted(count);
    for (std::size_t i = 0; i < count; ++i)
        order[i] = std::uint64_t{m_places[i].population} << 32 | i;
    for (unsigned shift = 32; shift < 64; shift += kDigitBits) {
        // Larger digits first.
        const auto bucket = [&](std::uint64_t item) {
            return kDigitMask - (static_cast<std::uint32_t>(item >> shift) & kDigitMask);
        };
        std::vector<std::uint32_t> next(kDigitMask + 2, 0);
        for (const std::uint64_t item : order)
            ++next[bucket(item) + 1];
        for (std::size_t b = 1; b < next.size(); ++b)
            next[b] += next[b - 1];
        for (const std::uint64_t item : order)
            sorted[next[bucket(item)]++] = item;
        order.swap(sorted);
    }
    // Then each place into its group, in that order.
    std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
    groups.byPopulation.resize(count);
    for (const std::uint64_t item : order) {
        const auto index = static_cast<std::uint32_t>(item & UINT32_MAX);
        groups.byPopulation[next[groupOf[index]]++] = index;
    }
}

std::vector<Atlas::Match> Atlas::matches(std::string_view text, std::size_t limit) const {
    if (!m_available || limit == 0)
        return {};
    // The text's comma-separated parts.
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t comma = text.find(',', start);
        parts.push_back(
            text.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos)
            break;
        start = comma + 1;
    }
    if (parts.size() > kMaxTextParts)
        return {};
    // A part is tried as part of the name ("Washington, D.C.") before it is
    // taken as a region or country: the longest name that gives places wins.
    for (std::size_t nameParts = parts.size(); nameParts > 0; --nameParts) {
        // "Washington," is a name still being qualified, not a name with a comma.
        if (nameParts > 1 && fold(parts[nameParts - 1]).empty())
            continue;
        const std::size_t nameLength =
            static_cast<std::size_t>(parts[nameParts - 1].end() - text.begin());
        const std::string name = fold(text.substr(0, nameLength));
        if (name.empty())
            return {};
        Qualifiers qualifiers;
        for (std::size_t i = nameParts; i < parts.size(); ++i) {
            if (!fold(parts[i]).empty())
                qualifiers.parts.push_back(parts[i]);
        }
        const std::size_t count = qualifiers.parts.size();
        qualifiers.runs.resize(count * (count + 1));
        for (std::size_t i = 0; i < count; ++i) {
            std::string run;
            for (std::size_t j = i; j < count; ++j) {
                run += j == i ? "" : ",";
                run += qualifiers.parts[j];
                qualifiers.runs[i * (count + 1) + j + 1] = fold(run);
            }
        }
        std::vector<Match> found = matchesOf(name, qualifiers, limit);
        if (!found.empty())
            return found;
    }
    return {};
}

std::vector<Atlas::Match> Atlas::matchesOf(const std::string& name, const Qualifiers& qualifiers,
                                           std::size_t limit) const {
    std::vector<Match> found;
    const auto better = [&](const Match& a, const Match& b) {
        if (a.exact != b.exact)
            return a.exact;
        const Record& ra = m_places[a.index];
        const Record& rb = m_places[b.index];
        if (ra.population != rb.population)
            return ra.population > rb.population;
        return a.index < b.index;
    };
    const auto [first, last] = keyRange(name);
    if (last - first > kLongPrefixRange && limit < last - first) {
        // A short text: the whole names (first in the range, as the shortest
        // keys) in order, then the places of its first two letters (one
        // group), or of its only letter (all groups of that letter, merged),
        // by population, taking those that start with the text until enough.
        for (std::size_t i = first; i < last && keyOf(m_places[m_byKey[i]]).size() == name.size();
             ++i) {
            if (qualifiersMatch(m_places[m_byKey[i]], qualifiers))
                found.push_back({m_byKey[i], true});
        }
        std::sort(found.begin(), found.end(), better);
        if (found.size() >= limit) {
            found.resize(limit);
            return found;
        }
        const auto [groupFirst, groupLast] = name.size() <= 2
                                                 ? std::pair(first, last)
                                                 : keyRange(std::string_view(name).substr(0, 2));
        const PopulationGroups& groups = populationGroups();
        const std::vector<std::uint32_t>& byPopulation = groups.byPopulation;
        const std::vector<std::uint32_t>& groupStarts = groups.groupStarts;
        struct Cursor {
            std::size_t at, end; // within byPopulation
        };
        // A heap whose top is the cursor at the best place.
        const auto worse = [&](const Cursor& a, const Cursor& b) {
            const std::uint32_t ia = byPopulation[a.at];
            const std::uint32_t ib = byPopulation[b.at];
            if (m_places[ia].population != m_places[ib].population)
                return m_places[ia].population < m_places[ib].population;
            return ia > ib;
        };
        std::vector<Cursor> cursors;
        for (auto group = std::lower_bound(groupStarts.begin(), groupStarts.end(), groupFirst);
             *group < groupLast; ++group)
            cursors.push_back({*group, *(group + 1)});
        std::make_heap(cursors.begin(), cursors.end(), worse);
        while (!cursors.empty() && found.size() < limit) {
            std::pop_heap(cursors.begin(), cursors.end(), worse);
            Cursor& cursor = cursors.back();
            const std::uint32_t index = byPopulation[cursor.at];
            const std::string_view key = keyOf(m_places[index]);
            if (key.size() > name.size() && startsWith(key, name) &&
                qualifiersMatch(m_places[index], qualifiers))
                found.push_back({index, false});
            if (++cursor.at < cursor.end)
                std::push_heap(cursors.begin(), cursors.end(), worse);
            else
                cursors.pop_back();
        }
        return found;
    }

    for (std::size_t i = first; i < last; ++i) {
        const Record& record = m_places[m_byKey[i]];
        if (qualifiersMatch(record, qualifiers))
            found.push_back({m_byKey[i], keyOf(record).size() == name.size()});
    }
    // Only the first `limit` are put in order.
    if (limit < found.size()) {
        std::partial_sort(found.begin(), found.begin() + static_cast<std::ptrdiff_t>(limit),
                          found.end(), better);
        found.resize(limit);
    } else {
        std::sort(found.begin(), found.end(), better);
    }
    return found;
}

std::vector<Place> Atlas::search(std::string_view text, std::size_t limit) const {
    std::vector<Place> places;
    for (const Match& m : matches(text, limit)) {
        places.push_back(place(m.index));
    }
    return places;
}

PlaceLookup Atlas::resolve(std::string_view text) const {
    PlaceLookup lookup;
    if (!m_available) {
        lookup.status = PlaceLookup::Status::Unavailable;
        lookup.message = m_reason;
        return lookup;
    }
    const std::vector<Match> found = matches(text, SIZE_MAX);
    if (found.empty()) {
        lookup.status = PlaceLookup::Status::NotFound;
        lookup.message = "No place in the atlas is called " + quotedForMessage(text);
        return lookup;
    }
    // The tier: the exact names when there are any (they come first), else all.
    const bool exactTier = found.front().exact;
    std::size_t tier = 0;
    while (tier < found.size() && found[tier].exact == exactTier)
        ++tier;
    const std::uint64_t best = m_places[found[0].index].population;
    const std::uint64_t next = tier > 1 ? m_places[found[1].index].population : 0;
    if (tier == 1 || (best > 0 && best >= kClearLeadFactor * next)) {
        lookup.status = PlaceLookup::Status::Found;
        lookup.place = place(found[0].index);
        return lookup;
    }
    lookup.status = PlaceLookup::Status::Ambiguous;
    for (std::size_t i = 0; i < tier && i < kMaxCandidates; ++i)
        lookup.candidates.push_back(place(found[i].index));
    lookup.message =
        quotedForMessage(text) + " names " + std::to_string(tier) +
        " places; add the region or country after a comma, e.g. \"" +
        std::string(lookup.candidates[0].name) + ", " +
        std::string(lookup.candidates[0].region.empty() ? lookup.candidates[0].countryCode
                                                        : lookup.candidates[0].region) +
        "\"";
    return lookup;
}

std::vector<std::string> atlasSearchPaths() {
    std::vector<std::string> paths;
    if (const char* env = std::getenv("ORBENZA_ATLAS"); env != nullptr && *env != '\0')
        paths.emplace_back(env);
    // The running program's prefix: <prefix>/bin/program -> <prefix>/share/orbenza.
    char self[4096];
    const ssize_t length = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (length > 0) {
        std::string dir(self, static_cast<std::size_t>(length));
        dir.erase(dir.find_last_of('/') == std::string::npos ? 0 : dir.find_last_of('/'));
        const std::size_t up = dir.find_last_of('/');
        if (up != std::string::npos)
            paths.push_back(dir.substr(0, up) + "/share/orbenza/places.atlas");
    }
#ifdef ORBENZA_INSTALL_DATADIR
    paths.emplace_back(ORBENZA_INSTALL_DATADIR "/orbenza/places.atlas");
#endif
#ifdef ORBENZA_SOURCE_DATADIR
    paths.emplace_back(ORBENZA_SOURCE_DATADIR "/places.atlas");
#endif
    return paths;
}

std::string atlasPath() {
    // A file named in the environment is the one meant, present or not.
    if (const char* env = std::getenv("ORBENZA_ATLAS"); env != nullptr && *env != '\0')
        return env;
    const std::vector<std::string> paths = atlasSearchPaths();
    for (const std::string& path : paths) {
        if (::access(path.c_str(), R_OK) == 0)
            return path;
    }
    return paths.empty() ? std::string("places.atlas") : paths.front();
}

std::string placeLabel(const atlas::Place& place) {
    std::string label(place.name);
    label += " \u2014 ";
    if (!place.region.empty()) {
        label += place.region;
        label += ", ";
    }
    label += place.country;
    return label;
}

} // namespace orbenza::atlas
