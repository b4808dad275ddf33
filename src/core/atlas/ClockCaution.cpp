#include "atlas/ClockCaution.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <mutex>
#include <numbers>
#include <string>
#include <unordered_map>

namespace orbenza::atlas {

namespace {

struct ZoneCity {
    double latitudeDeg = 0, longitudeDeg = 0;
};

// Reads the zone names and coordinates of a zone.tab-like file (country code,
// coordinates, zone name, comment; tab-separated; '#' comments) into `cities`,
// keeping entries already there.
void readZoneTable(const std::string& path, std::unordered_map<std::string, ZoneCity>& cities) {
    std::ifstream in(path);
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#')
            continue;
        const std::size_t tab1 = line.find('\t');
        const std::size_t tab2 = tab1 == std::string::npos ? tab1 : line.find('\t', tab1 + 1);
        if (tab2 == std::string::npos)
            continue;
        const std::size_t tab3 = line.find('\t', tab2 + 1);
        const std::string zone =
            line.substr(tab2 + 1, tab3 == std::string::npos ? std::string::npos : tab3 - tab2 - 1);
        ZoneCity city;
        if (parseIso6709(std::string_view(line).substr(tab1 + 1, tab2 - tab1 - 1), city.latitudeDeg,
                         city.longitudeDeg))
            cities.emplace(zone, city);
    }
}

// The principal cities of the system's zones. zone.tab first: Debian builds
// each of its zones with the zone's own history before 1970, so its city is
// the one the history belongs to; zone1970.tab adds the rest.
const std::unordered_map<std::string, ZoneCity>& zoneCities() {
    static std::once_flag once;
    static std::unordered_map<std::string, ZoneCity> cities;
    std::call_once(once, [] {
        const char* dir = std::getenv("TZDIR");
        const std::string root = dir != nullptr && *dir != '\0' ? dir : "/usr/share/zoneinfo";
        readZoneTable(root + "/zone.tab", cities);
        readZoneTable(root + "/zone1970.tab", cities);
    });
    return cities;
}

// "±DDMM[SS]" or "±DDDMM[SS]" in degrees.
bool parseAngle(std::string_view text, std::size_t degreeDigits, double& degrees) {
    if (text.size() != 1 + degreeDigits + 2 && text.size() != 1 + degreeDigits + 4)
        return false;
    if (text[0] != '+' && text[0] != '-')
        return false;
    int parts[3] = {0, 0, 0};
    std::size_t at = 1;
    for (std::size_t part = 0; at < text.size(); ++part) {
        const std::size_t digits = part == 0 ? degreeDigits : 2;
        for (std::size_t k = 0; k < digits; ++k, ++at) {
            if (text[at] < '0' || text[at] > '9')
                return false;
            parts[part] = parts[part] * 10 + (text[at] - '0');
        }
    }
    degrees = parts[0] + parts[1] / 60.0 + parts[2] / 3600.0;
    if (text[0] == '-')
        degrees = -degrees;
    return true;
}

} // namespace

bool parseIso6709(std::string_view text, double& latitudeDeg, double& longitudeDeg) {
    const std::size_t split = text.find_first_of("+-", 1);
    if (split == std::string_view::npos)
        return false;
    return parseAngle(text.substr(0, split), 2, latitudeDeg) &&
           parseAngle(text.substr(split), 3, longitudeDeg);
}

double greatCircleKm(double lat1Deg, double lon1Deg, double lat2Deg, double lon2Deg) {
    constexpr double kRadiusKm = 6371.0;
    constexpr double kRad = std::numbers::pi / 180.0;
    const double dLat = (lat2Deg - lat1Deg) * kRad;
    const double dLon = (lon2Deg - lon1Deg) * kRad;
    const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                     std::cos(lat1Deg * kRad) * std::cos(lat2Deg * kRad) * std::sin(dLon / 2) *
                         std::sin(dLon / 2);
    return 2 * kRadiusKm * std::asin(std::min(1.0, std::sqrt(a)));
}

ClockCaution clockCaution(std::string_view zoneName, std::string_view placeName, double latitudeDeg,
                          double longitudeDeg, int year) {
    ClockCaution caution;
    if (year >= 1970)
        return caution;
    const auto& cities = zoneCities();
    const auto found = cities.find(std::string(zoneName));
    if (found == cities.end())
        return caution;
    if (greatCircleKm(latitudeDeg, longitudeDeg, found->second.latitudeDeg,
                      found->second.longitudeDeg) <= kCautionDistanceKm)
        return caution;
    // The city is the zone name's last part, blanks for underscores.
    std::string city(zoneName.substr(zoneName.rfind('/') + 1));
    for (char& c : city) {
        if (c == '_')
            c = ' ';
    }
    caution.code = ClockCaution::Code::PrincipalCityOnly;
    caution.principalCity = std::move(city);
    caution.place = std::string(placeName);
    return caution;
}

} // namespace orbenza::atlas
