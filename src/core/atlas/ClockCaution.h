// Whether a clock time from the time-zone database deserves a caution: before
// 1970 the database keeps one history per zone, that of its principal city,
// and a place far from that city may have kept other clocks (in the United
// States before 1967 each town chose its own summer time).
#pragma once

#include <string>
#include <string_view>

namespace orbenza::atlas {

struct ClockCaution {
    enum class Code {
        None,              // the zone's history holds for the place
        PrincipalCityOnly, // before 1970, more than kCautionDistanceKm from the zone's city
    };
    Code code = Code::None;
    std::string principalCity; // "Chicago", from the zone's name
    std::string place;         // "Ames", the place's own name
};

// How far from its zone's principal city a place lies before the caution.
inline constexpr double kCautionDistanceKm = 100.0;

// The caution for a place of a zone on a local date's year: none from 1970
// on, none within kCautionDistanceKm of the city whose coordinates the
// system's zone.tab (or zone1970.tab) gives for the zone, and none for a zone
// those files do not list.
ClockCaution clockCaution(std::string_view zoneName, std::string_view placeName, double latitudeDeg,
                          double longitudeDeg, int year);

// The coordinates of an ISO 6709 pair as zone.tab writes it ("+4151-08739",
// "+415100-0873900"), degrees North and East; false when malformed.
bool parseIso6709(std::string_view text, double& latitudeDeg, double& longitudeDeg);

// The great-circle distance between two points in kilometres (a sphere of
// radius 6371 km, the haversine formula: within 0.5% of the ellipsoid).
double greatCircleKm(double lat1Deg, double lon1Deg, double lat2Deg, double lon2Deg);

} // namespace orbenza::atlas
