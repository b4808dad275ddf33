// Any bytes as a compiled zone file (TZif), as a zone named by --tz or an
// atlas place would be read from the system's database.
//
// Promises checked, for bytes the reader takes:
// - the stretch it gives for a moment of universal time holds that moment;
// - a local clock time shown once lies in its stretch at that stretch's
//   offset; one shown twice lies in both stretches, the earlier first; one
//   never shown falls between two stretches that meet, the clocks jumping
//   over it from the first's offset to the second's;
// - the local time a moment shows is shown, and when only once, in the
//   stretch the moment lies in.
#include "FuzzSupport.h"
#include "atlas/ZoneFile.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using namespace orbenza;
using atlas::ZoneFile;

namespace {

std::string describe(const ZoneFile::Stretch& s) {
    return std::to_string(s.beginUt) + ".." + std::to_string(s.endUt) + " at " +
           std::to_string(s.utOffsetSeconds) + " " + fuzz::printable(s.abbreviation);
}

bool shows(const ZoneFile::Stretch& s, std::int64_t local) {
    const std::int64_t ut = local - s.utOffsetSeconds;
    return s.beginUt <= ut && ut < s.endUt;
}

void checkLocal(const ZoneFile& zone, std::int64_t local) {
    const ZoneFile::LocalStretches found = zone.atLocal(local);
    const std::string at = "local " + std::to_string(local) + ": ";
    FUZZ_CHECK(found.count >= 0 && found.count <= 2, at + std::to_string(found.count));
    if (found.count >= 1)
        FUZZ_CHECK(shows(found.first, local), at + describe(found.first));
    if (found.count == 2)
        FUZZ_CHECK(shows(found.second, local) && found.first.endUt <= found.second.beginUt,
                   at + describe(found.first) + " then " + describe(found.second));
    if (found.count == 0)
        FUZZ_CHECK(found.first.endUt == found.second.beginUt &&
                       local >= found.first.endUt + found.first.utOffsetSeconds &&
                       local < found.second.beginUt + found.second.utOffsetSeconds,
                   at + describe(found.first) + " jumping to " + describe(found.second));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::optional<ZoneFile> zone = ZoneFile::parse(bytes);
    if (!zone)
        return 0;
    // Moments around each listed change and across the years of charts.
    std::vector<std::int64_t> moments = {-2208988800, 0, 2556144000};
    for (std::int64_t t = zone->at(-2208988800).endUt; t < 2556144000 && moments.size() < 400;
         t = zone->at(t).endUt)
        for (const std::int64_t d : {-1, 0, 1800})
            moments.push_back(t + d);
    for (const std::int64_t ut : moments) {
        const ZoneFile::Stretch s = zone->at(ut);
        FUZZ_CHECK(s.beginUt <= ut && ut < s.endUt,
                   "moment " + std::to_string(ut) + ": " + describe(s));
        const std::int64_t local = ut + s.utOffsetSeconds;
        const ZoneFile::LocalStretches found = zone->atLocal(local);
        FUZZ_CHECK(found.count >= 1 && (found.count == 2 || found.first.beginUt == s.beginUt),
                   "moment " + std::to_string(ut) + " in " + describe(s) +
                       " is not found from its local time");
        checkLocal(*zone, local - 1);
        checkLocal(*zone, local + 3599);
    }
    return 0;
}
