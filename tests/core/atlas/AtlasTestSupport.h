// Small atlases written in the atlas file's layout, for the tests.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace orbenza::testing {

// The closing line the generator writes: "END\t" and the sum of the body,
// FNV-1a (64 bits) over 8-byte little-endian words, zero-padded, in four
// lanes, then over the lanes and the byte count, folded to 32 bits, as
// tools/atlas/generate.js writes it.
inline std::string closeAtlas(const std::string& body) {
    constexpr std::uint64_t kBasis = 0xcbf29ce484222325u, kPrime = 0x100000001b3u;
    std::uint64_t lane[4] = {kBasis, kBasis, kBasis, kBasis};
    for (std::size_t i = 0; i * 8 < body.size(); ++i) {
        std::uint64_t word = 0;
        for (std::size_t k = 0; k < 8 && i * 8 + k < body.size(); ++k)
            word |= std::uint64_t{static_cast<unsigned char>(body[i * 8 + k])} << (8 * k);
        lane[i % 4] = (lane[i % 4] ^ word) * kPrime;
    }
    std::uint64_t total = kBasis;
    for (const std::uint64_t value : lane)
        total = (total ^ value) * kPrime;
    total = (total ^ body.size()) * kPrime;
    const auto hash = static_cast<std::uint32_t>(total ^ total >> 32);
    char sum[16];
    std::snprintf(sum, sizeof sum, "%08x", hash);
    return body + "END\t" + sum + "\n";
}

struct TestPlace {
    std::string name;
    std::string region; // region index, or empty
    int country;
    int latE4, lonE4;
    std::uint32_t population;
    int zone;
    std::vector<std::string> otherNames = {};
};

// The search key of a test name: ASCII lower case, a hyphen as a blank, and
// the small atlas's two folds (ü, ß).
inline std::string testKey(std::string name) {
    for (const auto& [from, to] : {std::pair<std::string, std::string>{"\u00fc", "u"},
                                   std::pair<std::string, std::string>{"\u00df", "ss"}}) {
        for (std::size_t at = name.find(from); at != std::string::npos; at = name.find(from))
            name.replace(at, from.size(), to);
    }
    for (char& c : name) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        else if (c == '-')
            c = ' ';
    }
    return name;
}

// An atlas of two countries (0 DE Germany, 1 US United States), three regions
// (0 Bavaria of DE; 1 IL Illinois and 2 MO Missouri of the US) and two zones.
inline std::string smallAtlasText(const std::vector<TestPlace>& places) {
    std::string body = "ORBENZA-ATLAS\t2\n# test\nF\t2\nfc\tu\ndf\tss\nZ\t2\nAmerica/Chicago\n"
                       "Europe/Berlin\nC\t2\nDE\tGermany\nUS\tUnited States\nR\t3\n0\t02\tBavaria\n"
                       "1\tIL\tIllinois\n1\tMO\tMissouri\nP\t" +
                       std::to_string(places.size()) + "\n";
    for (const TestPlace& p : places) {
        body += p.name + "\t" + p.region + "\t" + std::to_string(p.country) + "\t" +
                std::to_string(p.latE4) + "\t" + std::to_string(p.lonE4) + "\t" +
                std::to_string(p.population) + "\t" + std::to_string(p.zone) + "\n";
    }
    // key, place, name (empty for the place's own), sorted as the generator does
    std::vector<std::tuple<std::string, std::size_t, std::string>> names;
    for (std::size_t i = 0; i < places.size(); ++i) {
        names.emplace_back(testKey(places[i].name), i, "");
        for (const std::string& other : places[i].otherNames)
            names.emplace_back(testKey(other), i, other);
    }
    std::sort(names.begin(), names.end());
    body += "N\t" + std::to_string(names.size()) + "\n";
    for (const auto& [key, place, name] : names)
        body += key + "\t" + std::to_string(place) + "\t" + name + "\n";
    return closeAtlas(body);
}

inline std::string sourceAtlasPath() {
    return std::string(ORBENZA_SOURCE_DIR) + "/data/places.atlas";
}

} // namespace orbenza::testing
