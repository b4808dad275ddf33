#include "positions/PlanetRun.h"

#include "positions/PlanetLongitudes.h"

namespace orbenza {

PlanetRunResult Planet_Calculation(const BirthMoment& moment) {
    PlanetRunResult run;
    run.PlanetUniversalTime = moment.universalTime;
    run.DaysJ2000 = moment.daysJ2000;
    run.longitudesDeg = planetLongitudesDeg(run.DaysJ2000);
    return run;
}

} // namespace orbenza
