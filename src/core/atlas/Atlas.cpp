#include "atlas/Atlas.h"

#include "base/MessageText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace orbenza::atlas {

namespace {

constexpr std::string_view kMagic = "ORBENZA-ATLAS\t2";
constexpr std::string_view kUnavailable = "The place atlas is unavailable: ";
// A text that more places start with than this is searched by population
// (see Atlas::matches); fewer are simply all ordered.
constexpr std::size_t kLongPrefixRange = 256;
// A step of the walk by population (a heap over the groups, each look at a
// name's population far away in memory) costs about this many of the
// comparisons that choosing from the range makes.
constexpr std::size_t kWalkStepCost = 4;
// No atlas comes near this size (the world's file is about 25 MB); a larger
// file is something else and is not mapped.
constexpr std::int64_t kMaxFileBytes = std::int64_t{256} << 20;
// A text of more comma-separated parts than this names no place.
constexpr std::size_t kMaxTextParts = 16;
// Names are grouped by their keys' first two bytes for texts of one or two,
// and by their first three for longer texts (see Atlas::groupByPopulation),
// so that a group is mostly the names a text finds, not a big city's many
// names in other languages.
constexpr std::size_t kLongGroupBytes = 3;

// The sum the generator writes on the closing line: FNV-1a, 64 bits, taken
// over the bytes as 8-byte little-endian words (the last one padded with
// zeros) in four lanes (word i to lane i mod 4, so the lanes' multiplications
// overlap and 25 MB sum in a few milliseconds), then the four lanes and the
// byte count summed by FNV-1a into one, folded to 32 bits.
std::uint32_t atlasSum(std::string_view bytes,
                       const std::function<void(const char* upTo)>& consumed) {
    constexpr std::uint64_t kBasis = 0xcbf29ce484222325u, kPrime = 0x100000001b3u;
    std::uint64_t lane[4] = {kBasis, kBasis, kBasis, kBasis};
    const auto word = [&](std::size_t at) {
        unsigned char b[8] = {};
        if (at + 8 <= bytes.size())
            std::memcpy(b, bytes.data() + at, 8);
        else
            std::memcpy(b, bytes.data() + at, bytes.size() - at);
        std::uint64_t w = 0;
        for (int k = 7; k >= 0; --k)
            w = w << 8 | b[k];
        return w;
    };
    std::size_t at = 0;
    for (; at + 32 <= bytes.size(); at += 32) {
        if (consumed && at % (1u << 20) == 0)
            consumed(bytes.data() + at);
        for (std::size_t k = 0; k < 4; ++k)
            lane[k] = (lane[k] ^ word(at + 8 * k)) * kPrime;
    }
    for (std::size_t k = 0; at < bytes.size(); at += 8, ++k)
        lane[k] = (lane[k] ^ word(at)) * kPrime;
    std::uint64_t hash = kBasis;
    for (const std::uint64_t value : lane)
        hash = (hash ^ value) * kPrime;
    hash = (hash ^ bytes.size()) * kPrime;
    return static_cast<std::uint32_t>(hash ^ hash >> 32);
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
    // The text not yet read, and stepping over a part of it of `lines` lines.
    std::string_view rest() const { return m_text.substr(m_pos); }
    void skip(std::size_t bytes, std::size_t lines) {
        m_pos += bytes;
        m_number += lines;
    }

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

// Whether a folded qualifier is a region's or country's folded code, its dots
// aside: "d.c." for "dc", "u.s." for "us".
bool isCode(std::string_view qualifier, std::string_view code) {
    if (code.empty())
        return false;
    std::size_t at = 0;
    for (const char c : qualifier) {
        if (c == '.')
            continue;
        if (at == code.size() || code[at] != c)
            return false;
        ++at;
    }
    return at == code.size();
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
    // Only a regular file can be the atlas: a folder or a device would be
    // read as nonsense, or as a size the memory cannot hold.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    const bool examined = fd >= 0 && ::fstat(fd, &info) == 0;
    const auto refuse = [&](const char* why) {
        if (fd >= 0)
            ::close(fd);
        Atlas atlas;
        atlas.fail(path + why);
        return atlas;
    };
    if (!examined)
        return refuse(" cannot be read");
    if (S_ISDIR(info.st_mode))
        return refuse(" is a folder, not an atlas file");
    if (!S_ISREG(info.st_mode) || info.st_size > kMaxFileBytes)
        return refuse(" is not an atlas file");
    // The first line tells an atlas from any other file before the rest is read.
    std::string head(kMagic.size() + 1, '\0');
    const ::ssize_t headBytes = ::pread(fd, head.data(), head.size(), 0);
    if (headBytes < 0)
        return refuse(" cannot be read");
    if (static_cast<std::size_t>(headBytes) != head.size() || !startsWith(head, kMagic) ||
        head.back() != '\n') {
        const bool atlasOfAnotherVersion =
            startsWith(head.substr(0, static_cast<std::size_t>(headBytes)),
                       kMagic.substr(0, kMagic.find('\t') + 1));
        return refuse(atlasOfAnotherVersion ? " is not an atlas file of this version"
                                            : " is not an atlas file");
    }
    // Mapped rather than read: no copy of the 25 MB, and the pages already
    // read are given back as the reading goes (they come again from the page
    // cache for the second pass), so that the file never stays resident whole.
    const auto size = static_cast<std::size_t>(info.st_size);
    void* mapped = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
    ::close(fd);
    if (mapped == MAP_FAILED) {
        Atlas atlas;
        atlas.fail(path + " cannot be read");
        return atlas;
    }
    const char* const base = static_cast<const char*>(mapped);
    const auto pageSize = static_cast<std::size_t>(::sysconf(_SC_PAGESIZE));
    std::size_t released = 0;
    const auto consumed = [&](const char* upTo) {
        const auto done = static_cast<std::size_t>(upTo - base) / pageSize * pageSize;
        if (done < released)
            released = 0; // the next pass began
        if (done > released)
            ::madvise(const_cast<char*>(base) + released, done - released, MADV_DONTNEED);
        released = std::max(released, done);
    };
    Atlas atlas = fromBytes(std::string_view(base, size), path, consumed);
    ::munmap(mapped, size);
    return atlas;
}

Atlas Atlas::fromText(std::string_view text, const std::string& origin) {
    return fromBytes(text, origin, nullptr);
}

Atlas Atlas::fromBytes(std::string_view text, const std::string& origin,
                       const std::function<void(const char* upTo)>& consumed) {
    Atlas atlas;
    const std::string_view all = text;
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
    if (atlasSum(body, consumed) != sum)
        return damaged("its sum does not match its content");

    // Every text kept is a piece of the file, so the file's size bounds them
    // and m_strings never moves once reserved; pages never written are not
    // resident.
    atlas.m_strings = std::make_unique<std::string>();
    atlas.m_strings->reserve(all.size());
    std::string& strings = *atlas.m_strings;
    const auto keep = [&](std::string_view piece) {
        const std::size_t at = strings.size();
        strings.append(piece);
        return std::string_view(strings).substr(at, piece.size());
    };

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
        atlas.m_zones.push_back(keep(line));
    }

    if (!section('C', count))
        return damaged("no country list");
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view f[2];
        if (!nextData(line) || !splitFields(line, f, 2) || f[0].empty() || f[1].empty())
            return damaged(where());
        atlas.m_countries.push_back({keep(f[0]), keep(f[1]), atlas.fold(f[0]), atlas.fold(f[1])});
    }

    if (!section('R', count))
        return damaged("no region list");
    for (std::size_t i = 0; i < count; ++i) {
        std::string_view f[3];
        std::uint16_t country = 0;
        if (!nextData(line) || !splitFields(line, f, 3) || !parseNumber(f[0], country) ||
            country >= atlas.m_countries.size() || f[2].empty())
            return damaged(where());
        atlas.m_regions.push_back(
            {country, keep(f[1]), keep(f[2]), atlas.fold(f[1]), atlas.fold(f[2])});
    }

    if (!section('P', count))
        return damaged("no place list");
    atlas.m_places.reserve(count);
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
        r.nameOffset = static_cast<std::uint32_t>(strings.size());
        r.nameLength = static_cast<std::uint16_t>(f[0].size());
        keep(f[0]);
        atlas.m_places.push_back(r);
    }

    // The names: search key, place, and the name as written when it is not
    // the place's own; the key is the fold() of the name, written by the
    // generator so that loading folds nothing.
    if (!section('N', count))
        return damaged("no name list");
    atlas.m_names.reserve(count);
    // key TAB place TAB name, read byte by byte in one pass: these are most
    // of the file's lines, too short for memchr to pay.
    const std::string_view rest = lines.rest();
    const char* const from = rest.data();
    const char* const end = from + rest.size();
    const char* at = from;
    std::size_t lineCount = 0;
    for (std::size_t i = 0; i < count; ++lineCount) {
        const auto bad = [&] {
            lines.skip(static_cast<std::size_t>(at - from), lineCount + 1);
            return damaged(where());
        };
        if (at == end)
            return bad();
        if (*at == '#') { // a comment
            while (at != end && *at != '\n')
                ++at;
            if (at != end)
                ++at;
            continue;
        }
        const char* const key = at;
        while (at != end && *at != '\t' && *at != '\n')
            ++at;
        if (at == end || *at != '\t' || at == key || at - key > 0xffff)
            return bad();
        const auto keyLength = static_cast<std::size_t>(at - key);
        std::uint64_t place = 0;
        const char* const digits = ++at;
        while (at != end && *at >= '0' && *at <= '9' && place < atlas.m_places.size())
            place = place * 10 + static_cast<unsigned>(*at++ - '0');
        if (at == digits || at == end || *at != '\t' || place >= atlas.m_places.size())
            return bad();
        const char* const name = ++at;
        while (at != end && *at != '\t' && *at != '\n')
            ++at;
        if (at == end || *at != '\n' || at - name > 0xffff)
            return bad();
        NameEntry entry{};
        entry.place = static_cast<std::uint32_t>(place);
        entry.keyOffset = static_cast<std::uint32_t>(strings.size());
        entry.keyLength = static_cast<std::uint16_t>(keyLength);
        entry.nameLength = static_cast<std::uint16_t>(at - name);
        strings.append(key, keyLength);
        strings.append(name, entry.nameLength);
        atlas.m_names.push_back(entry);
        ++at;
        if (++i % 16384 == 0 && consumed)
            consumed(at);
    }
    lines.skip(static_cast<std::size_t>(at - from), lineCount);
    if (nextData(line))
        return damaged("text after the name list");

    // The generator writes the names in the order of their keys; a file
    // written otherwise is still searched right, after a sort.
    const auto byKey = [&](const NameEntry& a, const NameEntry& b) {
        return atlas.keyOf(a) < atlas.keyOf(b);
    };
    if (!std::is_sorted(atlas.m_names.begin(), atlas.m_names.end(), byKey))
        std::stable_sort(atlas.m_names.begin(), atlas.m_names.end(), byKey);
    // Every place has its own name once.
    std::vector<bool> named(atlas.m_places.size(), false);
    for (std::uint32_t i = 0; i < atlas.m_names.size(); ++i) {
        const NameEntry& entry = atlas.m_names[i];
        if (entry.nameLength == 0) {
            if (named[entry.place])
                return damaged("a place named twice");
            named[entry.place] = true;
            atlas.m_places[entry.place].ownName = i;
        }
    }
    if (std::find(named.begin(), named.end(), false) != named.end())
        return damaged("a place without its name");
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

std::string_view Atlas::keyOf(const NameEntry& entry) const {
    return std::string_view(*m_strings).substr(entry.keyOffset, entry.keyLength);
}

std::pair<std::size_t, std::string_view> Atlas::nameAt(std::size_t index) const {
    const NameEntry& entry = m_names.at(index);
    if (entry.nameLength == 0)
        return {entry.place, place(entry.place).name};
    return {
        entry.place,
        std::string_view(*m_strings).substr(entry.keyOffset + entry.keyLength, entry.nameLength)};
}

Place Atlas::placeOf(const Match& match) const {
    const NameEntry& entry = m_names[match.name];
    Place p = place(entry.place);
    // The other name is shown unless the own name starts with it ("New York
    // City" found by "New York").
    if (entry.nameLength > 0 &&
        !startsWith(keyOf(m_names[m_places[entry.place].ownName]), keyOf(entry)))
        p.matchedName = std::string_view(*m_strings)
                            .substr(entry.keyOffset + entry.keyLength, entry.nameLength);
    return p;
}

Place Atlas::place(std::size_t index) const {
    const Record& r = m_places.at(index);
    Place p;
    p.name = std::string_view(*m_strings).substr(r.nameOffset, r.nameLength);
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
    if (isCode(qualifier, country.codeKey) || startsWith(country.nameKey, qualifier))
        return true;
    if (record.region < 0)
        return false;
    const Region& region = m_regions[static_cast<std::size_t>(record.region)];
    return isCode(qualifier, region.codeKey) || startsWith(region.nameKey, qualifier);
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
        m_names.begin(), m_names.end(), prefix,
        [&](const NameEntry& entry, std::string_view key) { return keyOf(entry) < key; });
    // The keys from `first` on start with the prefix up to the first that does not.
    const auto last = std::partition_point(first, m_names.end(), [&](const NameEntry& entry) {
        return startsWith(keyOf(entry), prefix);
    });
    return {static_cast<std::size_t>(first - m_names.begin()),
            static_cast<std::size_t>(last - m_names.begin())};
}

const Atlas::PopulationGroups& Atlas::populationGroups() const {
    std::call_once(m_populationGroups->made, [this] { groupByPopulation(*m_populationGroups); });
    return *m_populationGroups;
}

void Atlas::groupByPopulation(PopulationGroups& groups) const {
    const std::size_t count = m_names.size();

    // Every name by its place's population, largest first, then by place,
    // then by index: a stable least-significant-digit radix sort (three
    // digits of 11 bits), each name carried as the population above its index.
    constexpr unsigned kDigitBits = 11;
    constexpr std::uint32_t kDigitMask = (1u << kDigitBits) - 1;
    std::vector<std::uint64_t> order(count), sorted(count);
    // Start from the names in the order of their places (a counting sort),
    // so that equal populations stay in place order as a search ranks them.
    std::vector<std::uint32_t> placeStart(m_places.size() + 1, 0);
    for (const NameEntry& entry : m_names)
        ++placeStart[entry.place + 1];
    for (std::size_t p = 1; p < placeStart.size(); ++p)
        placeStart[p] += placeStart[p - 1];
    for (std::size_t i = 0; i < count; ++i)
        order[placeStart[m_names[i].place]++] =
            std::uint64_t{populationOf(static_cast<std::uint32_t>(i))} << 32 | i;
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
    // Then each name into its group, in that order: the groups are runs of
    // m_names whose keys share their first bytes.
    for (const std::size_t bytes : {std::size_t{2}, kLongGroupBytes}) {
        Grouping& grouping = bytes == 2 ? groups.byTwo : groups.byThree;
        std::vector<std::uint32_t> groupOf(count); // by name
        std::vector<std::uint32_t>& starts = grouping.groupStarts;
        std::string_view head;
        for (std::size_t i = 0; i < count; ++i) {
            const std::string_view key = keyOf(m_names[i]).substr(0, bytes);
            if (i == 0 || key != head) {
                starts.push_back(static_cast<std::uint32_t>(i));
                head = key;
            }
            groupOf[i] = static_cast<std::uint32_t>(starts.size() - 1);
        }
        starts.push_back(static_cast<std::uint32_t>(count));
        std::vector<std::uint32_t> next(starts.begin(), starts.end() - 1);
        grouping.byPopulation.resize(count);
        for (const std::uint64_t item : order) {
            const auto index = static_cast<std::uint32_t>(item & UINT32_MAX);
            grouping.byPopulation[next[groupOf[index]]++] = index;
        }
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

bool Atlas::better(const Match& a, const Match& b) const {
    // Whole names first, then by population; of one place's names the whole
    // one, then its own name, then the first.
    if (a.exact != b.exact)
        return a.exact;
    const std::uint32_t pa = populationOf(a.name);
    const std::uint32_t pb = populationOf(b.name);
    if (pa != pb)
        return pa > pb;
    const NameEntry& ea = m_names[a.name];
    const NameEntry& eb = m_names[b.name];
    if (ea.place != eb.place)
        return ea.place < eb.place;
    if ((ea.nameLength == 0) != (eb.nameLength == 0))
        return ea.nameLength == 0;
    return a.name < b.name;
}

std::vector<Atlas::Match> Atlas::matchesOf(const std::string& name, const Qualifiers& qualifiers,
                                           std::size_t limit) const {
    const auto [first, last] = keyRange(name);
    const std::size_t groupBytes = name.size() <= 2 ? 2 : kLongGroupBytes;
    const auto [groupFirst, groupLast] =
        name.size() <= groupBytes ? std::pair(first, last)
                                  : keyRange(std::string_view(name).substr(0, groupBytes));
    // Walking the group by population meets about limit * group / range
    // names before it has enough, each at the cost of a step of a heap;
    // choosing from the range costs about one comparison a name. The groups
    // are made at the second search that wants them: a process that searches
    // once (--find-place) chooses from the range instead.
    const std::size_t range = last - first;
    if (range > kLongPrefixRange && limit < range &&
        kWalkStepCost * limit * (groupLast - groupFirst) < range * range && wantGroups()) {
        std::vector<Match> found;
        if (walkByPopulation(name, qualifiers, limit, {first, last}, {groupFirst, groupLast},
                             found)) {
            preferOwnNames(found, name);
            return found;
        }
    }
    std::vector<Match> found = bestOfRange(first, last, name.size(), qualifiers, limit);
    preferOwnNames(found, name);
    return found;
}

bool Atlas::wantGroups() const {
    PopulationGroups& groups = *m_populationGroups;
    return groups.wanted.exchange(true, std::memory_order_relaxed);
}

bool Atlas::walkByPopulation(const std::string& name, const Qualifiers& qualifiers,
                             std::size_t limit, std::pair<std::size_t, std::size_t> names,
                             std::pair<std::size_t, std::size_t> group,
                             std::vector<Match>& found) const {
    const auto listed = [&](const Match& m) {
        return std::any_of(found.begin(), found.end(), [&](const Match& f) {
            return m_names[f.name].place == m_names[m.name].place;
        });
    };
    // The whole names (first in the range, as the shortest keys) in order,
    // then the names of the text's first three letters (one group), or of its
    // one or two (all groups of two that start so, merged), by population,
    // taking those that start with the text until enough.
    std::vector<Match> whole;
    for (std::size_t i = names.first; i < names.second && keyOf(m_names[i]).size() == name.size();
         ++i) {
        if (qualifiersMatch(m_places[m_names[i].place], qualifiers))
            whole.push_back({static_cast<std::uint32_t>(i), true});
    }
    std::sort(whole.begin(), whole.end(),
              [this](const Match& a, const Match& b) { return better(a, b); });
    for (const Match& m : whole) {
        if (found.size() < limit && !listed(m))
            found.push_back(m);
    }
    const Grouping& groups =
        name.size() <= 2 ? populationGroups().byTwo : populationGroups().byThree;
    const std::vector<std::uint32_t>& byPopulation = groups.byPopulation;
    const std::vector<std::uint32_t>& groupStarts = groups.groupStarts;
    // A cursor holds its name's population and place, so that the heap
    // compares numbers at hand rather than looking them up.
    struct Cursor {
        std::size_t at, end; // within byPopulation
        std::uint64_t rank;  // population (largest first), then place
        std::uint32_t name;
    };
    const auto aim = [&](Cursor& cursor) {
        cursor.name = byPopulation[cursor.at];
        const std::uint32_t place = m_names[cursor.name].place;
        cursor.rank = std::uint64_t{UINT32_MAX - m_places[place].population} << 32 | place;
    };
    // A heap whose top is the cursor at the best name.
    const auto worse = [](const Cursor& a, const Cursor& b) {
        return a.rank != b.rank ? a.rank > b.rank : a.name > b.name;
    };
    std::vector<Cursor> cursors;
    for (auto at = std::lower_bound(groupStarts.begin(), groupStarts.end(), group.first);
         *at < group.second; ++at) {
        cursors.push_back({*at, *(at + 1), 0, 0});
        aim(cursors.back());
    }
    std::make_heap(cursors.begin(), cursors.end(), worse);
    // The group's most populous names may belong to other texts (a big
    // city's many names): past as many names as the range holds, choosing
    // from the range itself costs less.
    const std::size_t range = names.second - names.first;
    std::size_t looked = 0;
    while (!cursors.empty() && found.size() < limit && ++looked <= range) {
        std::pop_heap(cursors.begin(), cursors.end(), worse);
        Cursor& cursor = cursors.back();
        const std::uint32_t index = cursor.name;
        const std::string_view key = keyOf(m_names[index]);
        const Match m{index, false};
        if (key.size() > name.size() && startsWith(key, name) &&
            qualifiersMatch(m_places[m_names[index].place], qualifiers) && !listed(m))
            found.push_back(m);
        if (++cursor.at < cursor.end) {
            aim(cursor);
            std::push_heap(cursors.begin(), cursors.end(), worse);
        } else {
            cursors.pop_back();
        }
    }
    if (looked <= range)
        return true;
    found.clear();
    return false;
}

std::vector<Atlas::Match> Atlas::bestOfRange(std::size_t first, std::size_t last,
                                             std::size_t nameSize, const Qualifiers& qualifiers,
                                             std::size_t limit) const {
    // Each name as one number that orders as better() does: whole names
    // first, then population (largest first), place, the place's own name
    // first; ties go by the name's position. The best few are then chosen
    // with about one comparison a name, the rest left unsorted.
    struct Ranked {
        std::uint64_t order;
        std::uint32_t name;
    };
    std::vector<Ranked> ranked;
    ranked.reserve(last - first);
    for (std::size_t i = first; i < last; ++i) {
        const NameEntry& entry = m_names[i];
        const Record& record = m_places[entry.place];
        if (!qualifiersMatch(record, qualifiers))
            continue;
        const bool exact = keyOf(entry).size() == nameSize;
        ranked.push_back({(exact ? 0 : std::uint64_t{1} << 63) |
                              std::uint64_t{UINT32_MAX - record.population} << 31 |
                              std::uint64_t{entry.place} << 1 | (entry.nameLength == 0 ? 0u : 1u),
                          static_cast<std::uint32_t>(i)});
    }
    const auto before = [](const Ranked& a, const Ranked& b) {
        return a.order != b.order ? a.order < b.order : a.name < b.name;
    };
    // Each place once, by its best name: a place can stand among the whole
    // names and again among the longer ones.
    std::vector<Match> found;
    std::vector<bool> seen(limit > kMaxCandidates && ranked.size() > 32 ? m_places.size() : 0);
    const auto listed = [&](const Match& m) {
        const std::uint32_t place = m_names[m.name].place;
        if (!seen.empty()) {
            const bool wasSeen = seen[place];
            seen[place] = true;
            return wasSeen;
        }
        return std::any_of(found.begin(), found.end(),
                           [&](const Match& f) { return m_names[f.name].place == place; });
    };
    for (std::size_t done = 0; found.size() < limit && done < ranked.size();) {
        const std::size_t upTo = std::min(ranked.size(), std::max(2 * done, 4 * kMaxCandidates));
        std::partial_sort(ranked.begin() + static_cast<std::ptrdiff_t>(done),
                          ranked.begin() + static_cast<std::ptrdiff_t>(upTo), ranked.end(), before);
        for (; done < upTo && found.size() < limit; ++done) {
            const Match m{ranked[done].name, ranked[done].order >> 63 == 0};
            if (!listed(m))
                found.push_back(m);
        }
    }
    return found;
}

void Atlas::preferOwnNames(std::vector<Match>& found, std::string_view text) const {
    // A place shows the name it was found by only when its own name would not
    // have found it as well (so "Mum" lists plain "Mumbai"); only the first
    // few, which are shown, are looked at.
    for (std::size_t i = 0; i < found.size() && i < kMaxCandidates; ++i) {
        Match& m = found[i];
        const NameEntry& entry = m_names[m.name];
        if (entry.nameLength == 0)
            continue;
        const std::uint32_t ownName = m_places[entry.place].ownName;
        const std::string_view own = keyOf(m_names[ownName]);
        if (startsWith(own, text) && (own.size() == text.size()) == m.exact)
            m.name = ownName;
    }
}

void Atlas::putDistrictsAfterCities(std::vector<Match>& found) const {
    // A district is named "City (District)" in the city's country; it moves
    // to just after the last of its city's districts listed before it.
    for (std::size_t i = 0; i < found.size(); ++i) {
        const Record& district = m_places[m_names[found[i].name].place];
        const std::string_view name =
            std::string_view(*m_strings).substr(district.nameOffset, district.nameLength);
        const std::size_t open = name.find(" (");
        if (open == std::string_view::npos || name.back() != ')')
            continue;
        const std::string_view city = name.substr(0, open);
        for (std::size_t j = i + 1; j < found.size(); ++j) {
            const Record& r = m_places[m_names[found[j].name].place];
            if (r.country == district.country && found[j].exact == found[i].exact &&
                std::string_view(*m_strings).substr(r.nameOffset, r.nameLength) == city) {
                const Match moved = found[i];
                found.erase(found.begin() + static_cast<std::ptrdiff_t>(i));
                found.insert(found.begin() + static_cast<std::ptrdiff_t>(j), moved);
                --i; // the entry now at i has not been looked at
                break;
            }
        }
    }
}

std::vector<Place> Atlas::search(std::string_view text, std::size_t limit) const {
    std::vector<Place> places;
    std::vector<Match> found = matches(text, limit);
    putDistrictsAfterCities(found);
    places.reserve(found.size());
    for (const Match& m : found)
        places.push_back(placeOf(m));
    return places;
}

bool Atlas::leadsAsItsRegionsNamesake(const std::vector<Match>& found, std::size_t tier) const {
    // The whole name is the text, folded; the region's name key is folded alike.
    const auto namesItsRegion = [&](const Match& m) {
        const Record& record = m_places[m_names[m.name].place];
        return record.region >= 0 &&
               m_regions[static_cast<std::size_t>(record.region)].nameKey == keyOf(m_names[m.name]);
    };
    if (!namesItsRegion(found[0]))
        return false;
    for (std::size_t i = 1; i < tier; ++i) {
        if (namesItsRegion(found[i]))
            return false;
    }
    return true;
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
    const std::uint64_t best = populationOf(found[0].name);
    const std::uint64_t next = tier > 1 ? populationOf(found[1].name) : 0;
    if (tier == 1 || (best > 0 && best >= kClearLeadFactor * next) ||
        (exactTier && leadsAsItsRegionsNamesake(found, tier))) {
        lookup.status = PlaceLookup::Status::Found;
        lookup.place = placeOf(found[0]);
        return lookup;
    }
    lookup.status = PlaceLookup::Status::Ambiguous;
    for (std::size_t i = 0; i < tier && i < kMaxCandidates; ++i)
        lookup.candidates.push_back(placeOf(found[i]));
    const Place& example = lookup.candidates[0];
    std::string& message = lookup.message;
    message = quotedForMessage(text);
    message += " names " + std::to_string(tier);
    message += " places; add the region or country after a comma, e.g. \"";
    message.append(example.name);
    message += ", ";
    message.append(example.region.empty() ? example.countryCode : example.region);
    message += '"';
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
    if (!place.matchedName.empty()) {
        label += " (";
        label += place.matchedName;
        label += ')';
    }
    label += " \u2014 ";
    if (!place.region.empty()) {
        label += place.region;
        label += ", ";
    }
    label += place.country;
    return label;
}

} // namespace orbenza::atlas

namespace orbenza::atlas {

std::vector<std::string> distinctPlaceLabels(const std::vector<Place>& places) {
    std::vector<std::string> labels;
    labels.reserve(places.size());
    for (const Place& place : places)
        labels.push_back(placeLabel(place));
    std::vector<bool> alike(labels.size(), false);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        for (std::size_t j = i + 1; j < labels.size(); ++j) {
            if (labels[i] == labels[j])
                alike[i] = alike[j] = true;
        }
    }
    for (std::size_t i = 0; i < labels.size(); ++i) {
        if (!alike[i])
            continue;
        char where[48];
        std::snprintf(where, sizeof where, " (%.2f\u00b0%c %.2f\u00b0%c)",
                      std::fabs(places[i].latitudeDeg), places[i].latitudeDeg < 0 ? 'S' : 'N',
                      std::fabs(places[i].longitudeDeg), places[i].longitudeDeg < 0 ? 'W' : 'E');
        labels[i] += where;
    }
    return labels;
}

} // namespace orbenza::atlas
