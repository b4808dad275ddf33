#include "LibraryPlace.h"

#include "atlas/PlaceClock.h"

namespace orbenza::cli {

void keepPlaceInRecord(store::ChartRecord& record, const PlaceClockInfo& place) {
    if (place.label.empty())
        return;
    record.atlasName = place.name;
    record.atlasState = place.state;
    record.atlasCountry = place.country;
    record.atlasLatitudeDeg = place.latitudeDeg;
    record.atlasLongitudeDeg = place.longitudeDeg;
}

std::optional<PlaceClockInfo> placeOfRecord(const store::ChartRecord& r) {
    if (r.atlasZone.empty())
        return std::nullopt;
    PlaceClockInfo place;
    place.name = r.atlasName;
    place.state = r.atlasState;
    place.country = r.atlasCountry;
    place.label = r.atlasPlace;
    // The chart's own coordinates, worked out as the zone's option does.
    const double latitudeDeg = r.latitudeDegrees + r.latitudeMinutes / 60.0;
    const double longitudeDeg = r.longitudeDegrees + r.longitudeMinutes / 60.0;
    place.latitudeDeg = r.atlasLatitudeDeg.value_or(r.south ? -latitudeDeg : latitudeDeg);
    place.longitudeDeg = r.atlasLongitudeDeg.value_or(r.east ? longitudeDeg : -longitudeDeg);
    place.timeZone = r.atlasZone;
    place.fold = foldNamed(r.atlasFold).value_or(Fold::None);
    place.utOffsetSeconds = -r.correctionSeconds;

    // The abbreviation and the summer-time mark of the stretch the stored
    // offset belongs to.
    const atlas::ZoneClock clock = atlas::ZoneClock::find(r.atlasZone);
    if (clock.valid()) {
        const atlas::DateTime local{r.year, r.month, r.day, r.hour, r.minute, r.second};
        const atlas::PlaceTime time = clock.at(local, place.longitudeDeg);
        const bool later =
            time.kind == atlas::PlaceTime::Kind::HappenedTwice && r.atlasFold == "later";
        const atlas::ZoneState& state = later ? time.second : time.first;
        place.abbreviation = state.abbreviation;
        place.summerTime = state.summerTime;
    }
    return place;
}

} // namespace orbenza::cli
