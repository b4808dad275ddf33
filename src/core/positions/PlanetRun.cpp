#include "positions/PlanetRun.h"

#include "positions/PlanetLongitudes.h"

namespace orbenza {

PlanetRunResult planetCalculation(const BirthMoment& moment) {
    PlanetRunResult run;
    run.planetUniversalTime = moment.universalTime;
    run.daysJ2000 = moment.daysJ2000;
    run.longitudesDeg = planetLongitudesDeg(run.daysJ2000);
    return run;
}

} // namespace orbenza
