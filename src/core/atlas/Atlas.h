// The offline place atlas: populated places of the world with their region,
// country, coordinates, population and IANA time zone, read from the file
// that tools/atlas/generate.js writes, and the search over their names.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace orbenza::atlas {

// One place. The texts view into the atlas and live as long as it does.
struct Place {
    std::string_view name;        // as GeoNames writes it, e.g. "Zürich"
    std::string_view region;      // first-level region ("Illinois"); empty when unknown
    std::string_view regionCode;  // GeoNames admin1 code ("IL"); empty when unknown
    std::string_view country;     // "Switzerland"
    std::string_view countryCode; // ISO 3166-1 alpha-2 ("CH")
    std::string_view timeZone;    // IANA name ("Europe/Zurich")
    double latitudeDeg = 0;       // degrees, North positive (1e-4 degree steps)
    double longitudeDeg = 0;      // degrees, East positive (1e-4 degree steps)
    std::uint32_t population = 0; // 0 when GeoNames does not know it
    // The other name a search found the place by ("Bombay" for Mumbai);
    // empty when its own name matched or starts with that name.
    std::string_view matchedName;
};

// The outcome of resolving a text to one place.
struct PlaceLookup {
    enum class Status { Found, NotFound, Ambiguous, Unavailable };
    Status status = Status::NotFound;
    Place place;                   // when Found
    std::vector<Place> candidates; // when Ambiguous: the near-equal answers, best first
    std::string message;           // a sentence for the user, empty when Found
};

class Atlas {
public:
    // At most this many candidates are listed for an ambiguous text.
    static constexpr std::size_t kMaxCandidates = 20;
    // A place wins over the next one of its tier only with at least this many
    // times its population; otherwise the text is ambiguous.
    static constexpr std::uint32_t kClearLeadFactor = 10;

    // An empty, unavailable atlas.
    Atlas();
    Atlas(Atlas&&) noexcept;
    Atlas& operator=(Atlas&&) noexcept;
    ~Atlas();

    // Reads the atlas file. A missing, cut or damaged file gives an
    // unavailable atlas whose unavailableReason() says why; it never throws
    // for the file's content.
    static Atlas load(const std::string& path);
    // Reads the atlas from its text in memory (the tests' damaged files); the
    // atlas keeps copies of what it needs, not the text.
    static Atlas fromText(std::string_view text, const std::string& origin);

    bool available() const { return m_available; }
    // "The place atlas is unavailable: ..." when not available.
    const std::string& unavailableReason() const { return m_reason; }
    std::size_t size() const { return m_places.size(); }
    Place place(std::size_t index) const;
    // Every name a search looks at, in the order of their search keys: the
    // place it names and the name as written (its own or another).
    std::size_t nameCount() const { return m_names.size(); }
    std::pair<std::size_t, std::string_view> nameAt(std::size_t index) const;

    // Places one of whose names (its own, its ASCII form, its other and
    // historic names) starts with the text, folded (no accents, any case).
    // Of a text with commas, as much as gives places is taken as the name
    // ("Basford, Stoke on Trent"), the longest first; every part after it
    // must match the place's region or country by name prefix or by code
    // (dots aside: "D.C."), several parts together where that name has
    // commas ("Congo, The Democratic Republic of the"). Places with a whole
    // name equal to the text come first, then by population, largest first;
    // each place once, by its best name. A district ("Zürich (Kreis 4)")
    // follows its city when both are listed. At most `limit` places.
    std::vector<Place> search(std::string_view text, std::size_t limit = kMaxCandidates) const;

    // One place for a text, or a refusal. The answers are taken in tiers:
    // the places one of whose whole names is the text, or when there are none the
    // places whose name starts with it. A tier of one place gives that place;
    // in a larger tier the most populous place wins only when it has at least
    // kClearLeadFactor times the population of the next, or, in a tier of
    // whole names, when it is the one place of the tier whose region is called
    // by the same name ("Geneva" gives Genève, in the canton of Geneva, before
    // the American Genevas); otherwise the text is ambiguous and the tier's
    // best places are listed.
    PlaceLookup resolve(std::string_view text) const;

    // The search key of a text: accents removed, lower case, a hyphen as a
    // blank, runs of blanks as one, no blanks at either end, one blank after
    // a comma and none before it.
    std::string fold(std::string_view text) const;

private:
    struct Record {
        std::uint32_t nameOffset; // in m_strings
        std::uint16_t nameLength;
        std::uint16_t zone;
        std::int32_t latE4;
        std::int32_t lonE4;
        std::uint32_t population;
        std::int32_t region; // -1 when unknown
        std::uint16_t country;
        std::uint32_t ownName; // its own name's entry in m_names
    };
    // One searchable name of a place: its search key in m_strings, followed
    // there by the name as written when it is not the place's own name.
    struct NameEntry {
        std::uint32_t keyOffset;
        std::uint32_t place;
        std::uint16_t keyLength;
        std::uint16_t nameLength; // 0 for the place's own name
    };
    struct Region {
        std::uint16_t country;
        std::string_view code, name;
        std::string codeKey, nameKey;
    };
    struct Country {
        std::string_view code, name;
        std::string codeKey, nameKey;
    };
    struct Match {
        std::uint32_t name; // in m_names
        bool exact;
    };

    // fromText(), telling `consumed` now and then how far it has read the
    // text in its current pass (it reads it twice: the sum, then the lines),
    // so that load() can give back the pages already read.
    static Atlas fromBytes(std::string_view text, const std::string& origin,
                           const std::function<void(const char* upTo)>& consumed);
    std::string_view keyOf(const NameEntry& entry) const;
    std::uint32_t populationOf(std::uint32_t name) const {
        return m_places[m_names[name].place].population;
    }
    Place placeOf(const Match& match) const;
    void putDistrictsAfterCities(std::vector<Match>& found) const;
    void preferOwnNames(std::vector<Match>& found, std::string_view text) const;
    void foldAppend(std::string_view text, std::string& out) const;
    // The comma-separated parts of a text after its name, and every run of
    // consecutive parts folded as one text: runs[i * (parts + 1) + j] holds
    // parts i to j - 1.
    struct Qualifiers {
        std::vector<std::string_view> parts;
        std::vector<std::string> runs;
    };
    bool qualifierMatches(const Record& record, std::string_view qualifier) const;
    bool qualifiersMatch(const Record& record, const Qualifiers& qualifiers) const;
    std::vector<Match> matches(std::string_view text, std::size_t limit) const;
    std::vector<Match> matchesOf(const std::string& name, const Qualifiers& qualifiers,
                                 std::size_t limit) const;
    // Whether a match ranks before another: whole names, population, place.
    bool better(const Match& a, const Match& b) const;
    // The best `limit` places of the names first ... last, each once.
    std::vector<Match> bestOfRange(std::size_t first, std::size_t last, std::size_t nameSize,
                                   const Qualifiers& qualifiers, std::size_t limit) const;
    // A short text's places by walking its group of names by population;
    // false (found left empty) when that took longer than the range is long.
    bool walkByPopulation(const std::string& name, const Qualifiers& qualifiers, std::size_t limit,
                          std::pair<std::size_t, std::size_t> names,
                          std::pair<std::size_t, std::size_t> group,
                          std::vector<Match>& found) const;
    // Whether the first of a tier of whole names, its most populous place, is
    // the only one whose region bears the same name (Genève, in the canton of
    // Geneva, among the American Genevas).
    bool leadsAsItsRegionsNamesake(const std::vector<Match>& found, std::size_t tier) const;
    // False the first time a search could walk by population, true after:
    // the groups are made only for a second such search.
    bool wantGroups() const;
    // The positions in m_names of the names whose key starts with prefix.
    std::pair<std::size_t, std::size_t> keyRange(std::string_view prefix) const;
    // m_names in groups of the names whose keys share their first bytes
    // (two bytes, and again three; a shorter key is a group of its own), each group where it stands
    // in m_names but ordered by their places' population, largest first, then by name: a short
    // text's best places are the first of its letters' names that start with it. groupStarts: where
    // each group begins, then the count of places. Made on the second search that could use it,
    // so that reading the atlas for one place or one search (--place, --find-place, a batch)
    // does not pay for it.
    struct Grouping {
        std::vector<std::uint32_t> byPopulation;
        std::vector<std::uint32_t> groupStarts;
    };
    struct PopulationGroups {
        std::once_flag made;
        std::atomic<bool> wanted{false}; // a search could have walked before
        Grouping byTwo, byThree;         // by the keys' first two or three bytes
    };
    const PopulationGroups& populationGroups() const;
    void groupByPopulation(PopulationGroups& groups) const;
    void fail(const std::string& reason);

    bool m_available = false;
    std::string m_reason;
    // The file's head (folds, zones, countries, regions), which the lists
    // below view into, and the place names and search keys copied out of the
    // rest (the file's numbers are not kept); on the heap so that views stay
    // put when the atlas moves.
    std::unique_ptr<std::string> m_text;
    std::unique_ptr<std::string> m_strings;
    std::unordered_map<char32_t, std::string> m_folds;
    std::vector<std::string_view> m_zones;
    std::vector<Country> m_countries;
    std::vector<Region> m_regions;
    std::vector<Record> m_places;
    std::vector<NameEntry> m_names;                       // sorted by key
    std::unique_ptr<PopulationGroups> m_populationGroups; // when available
};

// Where the program looks for the atlas file, in this order: the file named by
// ORBENZA_ATLAS; share/orbenza/places.atlas beside the running program's
// prefix; the install prefix chosen at build time; the source tree's data/.
std::vector<std::string> atlasSearchPaths();
// The file named by ORBENZA_ATLAS when it is set, present or not; else the
// first of atlasSearchPaths() that exists, else the first of them.
std::string atlasPath();

// "Madrid — Madrid, Spain": the name (and the other name it was found by:
// "Mumbai (Bombay) — Maharashtra, India"), then the region and the country,
// as the library keeps the place a chart's clock time came from.
std::string placeLabel(const Place& place);

// The labels of a list of places, those that would read alike told apart by
// their coordinates: "Madridejos — Central Visayas, Philippines (11.27°N
// 123.73°E)".
std::vector<std::string> distinctPlaceLabels(const std::vector<Place>& places);

} // namespace orbenza::atlas
