// The cost of one chart: the whole run from birth details to the eleven
// position texts, and its parts.
#include "Delhi1985.h"
#include "aspects/Aspects.h"
#include "base/Angles.h"
#include "chart/ChartRun.h"
#include "chart/ChartSpeeds.h"
#include "chart/TimeZones.h"
#include "houses/Houses.h"
#include "moon/MoonPosition.h"
#include "positions/Ascendant.h"
#include "positions/PlanetLongitudes.h"

#include <benchmark/benchmark.h>

namespace {

void bmWholeChartRun(benchmark::State& state) {
    const orbenza::BirthData birth = orbenza::delhi1985Birth();
    const orbenza::UtCorrection correction = orbenza::zoneCalculation(34, {});
    for (auto _ : state)
        benchmark::DoNotOptimize(
            orbenza::computeChart(birth, correction, orbenza::Positions::Classic));
}
BENCHMARK(bmWholeChartRun);

void bmMoon(benchmark::State& state) {
    const orbenza::BirthData birth = orbenza::delhi1985Birth();
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::moonCalculation(birth, {-5, -30}));
}
BENCHMARK(bmMoon);

void bmAscendant(benchmark::State& state) {
    const orbenza::BirthData birth = orbenza::delhi1985Birth();
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::ascendantCalculation(birth, {-5, -30}));
}
BENCHMARK(bmAscendant);

void bmNinePlanetLongitudes(benchmark::State& state) {
    for (auto _ : state) {
        for (int body = 0; body < orbenza::kElementBodyCount; ++body)
            benchmark::DoNotOptimize(orbenza::planetLongitude(body, -5313.125));
    }
}
BENCHMARK(bmNinePlanetLongitudes);

// What the house systems and aspects add to a chart: one system's cusps, the
// angles and their daily motion, and the major aspects among the twelve
// points, for the Delhi chart. The argument is the house system.
void bmCuspsAnglesMajorAspects(benchmark::State& state) {
    using namespace orbenza;
    const BirthData birth = delhi1985Birth();
    const ChartResult chart = computeChart(birth, zoneCalculation(34, {}), Positions::Classic);
    const AscendantResult asc = ascendantCalculation(birth, {-5, -30});
    const HouseFrame frame{asc.siderealDegrees, asc.obliquityRadians * kRadiansToDegrees,
                           latitudeDegOf(birth)};
    const auto system = static_cast<HouseSystem>(state.range(0));
    const OrbTable orbs;
    for (auto _ : state) {
        const HouseCusps cusps = houseCusps(system, frame);
        const AngleSpeeds rates = angleSpeeds(frame);
        PointArray<PointMotion> points;
        for (std::size_t planet = 0; planet < kPlanetCount; ++planet)
            points[bodyAt(planet)] = {chart.longitudesDeg[bodyAt(planet)],
                                      chart.speedsDegPerDay[bodyAt(planet)]};
        points[Body::Ascendant] = {cusps.angles.ascDeg, rates.ascDegPerDay};
        points[Body::Midheaven] = {cusps.angles.mcDeg, rates.mcDegPerDay};
        benchmark::DoNotOptimize(cusps);
        benchmark::DoNotOptimize(chartAspects(points, AspectSet::Major, orbs));
    }
    state.SetLabel(std::string(houseSystemName(system)));
}
BENCHMARK(bmCuspsAnglesMajorAspects)
    ->Arg(static_cast<int>(orbenza::HouseSystem::Equal))
    ->Arg(static_cast<int>(orbenza::HouseSystem::Placidus))
    ->Arg(static_cast<int>(orbenza::HouseSystem::Koch))
    ->Arg(static_cast<int>(orbenza::HouseSystem::Regiomontanus));

// The daily motions of Sun ... Pluto by the built-in method.
void bmClassicSpeeds(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::classicSpeedsDegPerDay(-5313.125));
}
BENCHMARK(bmClassicSpeeds);

} // namespace
