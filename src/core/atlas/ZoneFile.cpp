#include "atlas/ZoneFile.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace orbenza::atlas {

namespace {

// Changes farther than this from 1970 (about 36 billion years) are no
// change of a clock, and keep the sums of times and offsets in range; zic
// writes its earliest, the "big bang", at -2^59.
constexpr std::int64_t kFarthestChangeUt = std::int64_t{1} << 60;

// Reads the big-endian numbers of a zone file from front to back.
class ByteReader {
public:
    explicit ByteReader(std::string_view bytes) : m_bytes(bytes) {}
    std::size_t left() const { return m_bytes.size() - m_at; }
    bool skip(std::size_t count) {
        if (count > left())
            return false;
        m_at += count;
        return true;
    }
    std::string_view take(std::size_t count) {
        const std::string_view part = m_bytes.substr(m_at, count);
        m_at += part.size();
        return part;
    }
    std::uint8_t byte() { return static_cast<std::uint8_t>(m_bytes[m_at++]); }
    // A signed number of 4 or 8 bytes.
    std::int64_t number(std::size_t size) {
        std::uint64_t value = 0;
        for (std::size_t i = 0; i < size; ++i)
            value = value << 8 | byte();
        if (size == 4)
            return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        return static_cast<std::int64_t>(value);
    }

private:
    std::string_view m_bytes;
    std::size_t m_at = 0;
};

// RFC 8536, section 3.1: "TZif", a version byte, 15 bytes unused, six counts.
struct Header {
    char version = '\0';
    std::uint64_t isUtCount = 0, isStdCount = 0, leapCount = 0;
    std::uint64_t timeCount = 0, typeCount = 0, charCount = 0;

    std::uint64_t dataBytes(std::uint64_t timeSize) const {
        return timeCount * timeSize + timeCount + typeCount * 6 + charCount +
               leapCount * (timeSize + 4) + isStdCount + isUtCount;
    }
};

std::optional<Header> readHeader(ByteReader& in) {
    if (in.left() < 44 || in.take(4) != "TZif")
        return std::nullopt;
    Header header;
    header.version = static_cast<char>(in.byte());
    in.skip(15);
    for (std::uint64_t* count : {&header.isUtCount, &header.isStdCount, &header.leapCount,
                                 &header.timeCount, &header.typeCount, &header.charCount})
        *count = static_cast<std::uint32_t>(in.number(4));
    const bool indicatorsFit = (header.isUtCount == 0 || header.isUtCount == header.typeCount) &&
                               (header.isStdCount == 0 || header.isStdCount == header.typeCount);
    // At most 256 types, as a change names its type in one byte.
    if (header.typeCount == 0 || header.typeCount > 256 || header.charCount == 0 || !indicatorsFit)
        return std::nullopt;
    return header;
}

} // namespace

ZoneFile ZoneFile::withoutIdleChanges(const std::vector<std::int64_t>& changesUt,
                                      const std::vector<std::uint8_t>& typeAfter,
                                      std::vector<LocalTimeType> types) {
    // A change to a clock that is the same in all (zic writes one at
    // 2038-01-19 03:14:07 UT for readers of 32-bit times) divides no stretch.
    ZoneFile zone;
    std::uint8_t current = 0;
    for (std::size_t i = 0; i < changesUt.size(); ++i) {
        if (types[typeAfter[i]] == types[current])
            continue;
        zone.m_changesUt.push_back(changesUt[i]);
        zone.m_typeAfter.push_back(typeAfter[i]);
        current = typeAfter[i];
    }
    const auto [lowest, highest] = std::minmax_element(
        types.begin(), types.end(), [](const LocalTimeType& a, const LocalTimeType& b) {
            return a.utOffsetSeconds < b.utOffsetSeconds;
        });
    zone.m_lowestOffsetSeconds = lowest->utOffsetSeconds;
    zone.m_highestOffsetSeconds = highest->utOffsetSeconds;
    zone.m_types = std::move(types);
    return zone;
}

std::optional<ZoneFile> ZoneFile::parse(std::string_view bytes) {
    ByteReader in(bytes);
    std::optional<Header> header = readHeader(in);
    if (!header)
        return std::nullopt;
    std::uint64_t timeSize = 4;
    if (header->version != '\0') {
        // Version 2 and later repeat the data with 64-bit times after the
        // 32-bit block, which older readers use; this reader skips it.
        if (header->dataBytes(4) > in.left() || !in.skip(header->dataBytes(4)))
            return std::nullopt;
        header = readHeader(in);
        if (!header)
            return std::nullopt;
        timeSize = 8;
    }
    // Leap-second records belong to the "right/" files, which count time in
    // another way; the zones the program names have none.
    if (header->leapCount != 0 || header->dataBytes(timeSize) > in.left())
        return std::nullopt;

    std::vector<std::int64_t> changesUt;
    for (std::uint64_t i = 0; i < header->timeCount; ++i) {
        changesUt.push_back(in.number(timeSize));
        if (std::abs(changesUt[i]) > kFarthestChangeUt ||
            (i > 0 && changesUt[i] <= changesUt[i - 1]))
            return std::nullopt;
    }
    std::vector<std::uint8_t> typeAfter;
    for (std::uint64_t i = 0; i < header->timeCount; ++i) {
        typeAfter.push_back(in.byte());
        if (typeAfter.back() >= header->typeCount)
            return std::nullopt;
    }
    std::vector<LocalTimeType> types(header->typeCount);
    std::vector<std::uint8_t> abbreviationAt;
    for (LocalTimeType& type : types) {
        type.utOffsetSeconds = static_cast<std::int32_t>(in.number(4));
        const std::uint8_t isDst = in.byte();
        abbreviationAt.push_back(in.byte());
        if (type.utOffsetSeconds == INT32_MIN || isDst > 1 ||
            abbreviationAt.back() >= header->charCount)
            return std::nullopt;
        type.daylight = isDst == 1;
    }
    const std::string_view names = in.take(header->charCount);
    for (std::size_t i = 0; i < types.size(); ++i) {
        const std::string_view rest = names.substr(abbreviationAt[i]);
        types[i].abbreviation = std::string(rest.substr(0, rest.find('\0')));
    }
    ZoneFile zone = withoutIdleChanges(changesUt, typeAfter, std::move(types));
    in.skip(header->isStdCount + header->isUtCount);

    // The footer of version 2 and later: the closing rule between two line
    // feeds; a file whose rule is empty or malformed keeps its last stretch.
    if (timeSize == 8 && in.left() >= 2 && in.take(1) == "\n") {
        const std::string_view rest = in.take(in.left());
        const std::size_t end = rest.find('\n');
        if (end != std::string_view::npos && end > 0)
            zone.m_closingRule = PosixTzRule::parse(rest.substr(0, end));
    }
    return zone;
}

std::optional<ZoneFile> ZoneFile::read(const std::string& path) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr)
        return std::nullopt;
    // The largest zone files of the database are about 3 kB (fat ones 6 kB);
    // anything past this bound is not one.
    constexpr std::size_t kMostBytes = 1 << 20;
    std::string bytes;
    char buffer[8192];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0 && bytes.size() < kMostBytes)
        bytes.append(buffer, count);
    const bool failed = std::ferror(file) != 0;
    std::fclose(file);
    if (failed || bytes.size() >= kMostBytes)
        return std::nullopt;
    return parse(bytes);
}

std::size_t ZoneFile::stretchIndexAt(std::int64_t ut) const {
    return static_cast<std::size_t>(std::upper_bound(m_changesUt.begin(), m_changesUt.end(), ut) -
                                    m_changesUt.begin());
}

ZoneFile::Stretch ZoneFile::stretch(std::size_t k) const {
    const LocalTimeType& type = m_types[k == 0 ? 0 : m_typeAfter[k - 1]];
    Stretch result;
    result.beginUt = k == 0 ? INT64_MIN : m_changesUt[k - 1];
    result.endUt = k == m_changesUt.size() ? INT64_MAX : m_changesUt[k];
    result.utOffsetSeconds = type.utOffsetSeconds;
    result.daylight = type.daylight;
    result.abbreviation = type.abbreviation;
    return result;
}

ZoneFile::Stretch ZoneFile::at(std::int64_t ut) const {
    return stretch(stretchIndexAt(ut));
}

ZoneFile::LocalStretches ZoneFile::atLocal(std::int64_t localSeconds) const {
    // Only the stretches that hold a universal time this clock time can mean
    // (by the highest offset to the lowest) can show it.
    const std::size_t from = stretchIndexAt(localSeconds - m_highestOffsetSeconds);
    const std::size_t to = stretchIndexAt(localSeconds - m_lowestOffsetSeconds);
    LocalStretches result;
    result.count = 0;
    for (std::size_t k = from; k <= to && result.count < 2; ++k) {
        Stretch s = stretch(k);
        const std::int64_t ut = localSeconds - s.utOffsetSeconds;
        if (ut < s.beginUt || ut >= s.endUt)
            continue;
        (result.count == 0 ? result.first : result.second) = std::move(s);
        ++result.count;
    }
    if (result.count > 0)
        return result;
    // None: the clocks jumped over it at the end of one stretch.
    for (std::size_t k = from; k < to; ++k) {
        const std::int64_t change = m_changesUt[k];
        const std::int32_t before = m_types[k == 0 ? 0 : m_typeAfter[k - 1]].utOffsetSeconds;
        const std::int32_t after = m_types[m_typeAfter[k]].utOffsetSeconds;
        if (localSeconds >= change + before && localSeconds < change + after) {
            result.first = stretch(k);
            result.second = stretch(k + 1);
            return result;
        }
    }
    result.count = 1; // cannot be reached: the stretches between them show every clock time
    result.first = stretch(from);
    return result;
}

std::optional<std::int64_t> ZoneFile::lastChangeUt() const {
    if (m_changesUt.empty())
        return std::nullopt;
    return m_changesUt.back();
}

} // namespace orbenza::atlas
