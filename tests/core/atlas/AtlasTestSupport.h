// Small atlases written in the atlas file's layout, for the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace orbenza::testing {

// The closing line the generator writes: "END\t" and the FNV-1a sum of the body.
inline std::string closeAtlas(const std::string& body) {
    std::uint32_t hash = 0x811c9dc5u;
    for (const char c : body) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 0x01000193u;
    }
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
};

// An atlas of two countries (0 DE Germany, 1 US United States), three regions
// (0 Bavaria of DE; 1 IL Illinois and 2 MO Missouri of the US) and two zones.
inline std::string smallAtlasText(const std::vector<TestPlace>& places) {
    std::string body = "ORBENZA-ATLAS\t1\n# test\nF\t2\nfc\tu\ndf\tss\nZ\t2\nAmerica/Chicago\n"
                       "Europe/Berlin\nC\t2\nDE\tGermany\nUS\tUnited States\nR\t3\n0\t02\tBavaria\n"
                       "1\tIL\tIllinois\n1\tMO\tMissouri\nP\t" +
                       std::to_string(places.size()) + "\n";
    for (const TestPlace& p : places) {
        body += p.name + "\t" + p.region + "\t" + std::to_string(p.country) + "\t" +
                std::to_string(p.latE4) + "\t" + std::to_string(p.lonE4) + "\t" +
                std::to_string(p.population) + "\t" + std::to_string(p.zone) + "\n";
    }
    return closeAtlas(body);
}

inline std::string sourceAtlasPath() {
    return std::string(ORBENZA_SOURCE_DIR) + "/data/places.atlas";
}

} // namespace orbenza::testing
