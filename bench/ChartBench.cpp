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

void BM_WholeChartRun(benchmark::State& state) {
    const orbenza::BirthData birth = orbenza::delhi1985Birth();
    const orbenza::UtCorrection correction = orbenza::zoneCalculation(34, {});
    for (auto _ : state)
        benchmark::DoNotOptimize(
            orbenza::computeChart(birth, correction, orbenza::Positions::Classic));
}
BENCHMARK(BM_WholeChartRun);

void BM_Moon(benchmark::State& state) {
    const orbenza::BirthData birth = orbenza::delhi1985Birth();
    const orbenza::BirthMoment moment = orbenza::birthMomentOf(birth, {-5, -30});
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::moonCalculation(birth, moment));
}
BENCHMARK(BM_Moon);

void BM_Ascendant(benchmark::State& state) {
    const orbenza::BirthData birth = orbenza::delhi1985Birth();
    const orbenza::BirthMoment moment = orbenza::birthMomentOf(birth, {-5, -30});
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::ascendantCalculation(birth, moment));
}
BENCHMARK(BM_Ascendant);

void BM_NinePlanetLongitudes(benchmark::State& state) {
    for (auto _ : state) {
        for (int body = 0; body < orbenza::kElementBodyCount; ++body)
            benchmark::DoNotOptimize(orbenza::planetLongitude(body, -5313.125));
    }
}
BENCHMARK(BM_NinePlanetLongitudes);

// What the house systems and aspects add to a chart: one system's cusps, the
// angles and their daily motion, and the major aspects among the twelve
// points, for the Delhi chart. The argument is the house system.
void BM_CuspsAnglesMajorAspects(benchmark::State& state) {
    using namespace orbenza;
    const BirthData birth = delhi1985Birth();
    const ChartResult chart = computeChart(birth, zoneCalculation(34, {}), Positions::Classic);
    const AscendantResult asc = ascendantCalculation(birth, birthMomentOf(birth, {-5, -30}));
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
BENCHMARK(BM_CuspsAnglesMajorAspects)
    ->Arg(static_cast<int>(orbenza::HouseSystem::Equal))
    ->Arg(static_cast<int>(orbenza::HouseSystem::Placidus))
    ->Arg(static_cast<int>(orbenza::HouseSystem::Koch))
    ->Arg(static_cast<int>(orbenza::HouseSystem::Regiomontanus));

// The aspects among the fifteen aspect points of the Delhi chart, major
// (argument 0) or all eleven (1).
void BM_ChartAspects(benchmark::State& state) {
    using namespace orbenza;
    const ChartResult chart =
        computeChart(delhi1985Birth(), zoneCalculation(34, {}), Positions::Classic);
    PointArray<PointMotion> points;
    for (std::size_t planet = 0; planet < kPlanetCount; ++planet)
        points[bodyAt(planet)] = {chart.longitudesDeg[bodyAt(planet)],
                                  chart.speedsDegPerDay[bodyAt(planet)]};
    points[Body::Ascendant] = {chart.angles.ascDeg, 360.0};
    points[Body::Midheaven] = {chart.angles.mcDeg, 360.0};
    for (Body body : {Body::Chiron, Body::TrueNode, Body::MeanNode})
        points[body] = {chart.pointLongitudesDeg[body], 0.01};
    const AspectSet set = state.range(0) != 0 ? AspectSet::All : AspectSet::Major;
    const OrbTable orbs;
    for (auto _ : state)
        benchmark::DoNotOptimize(chartAspects(points, set, orbs));
}
BENCHMARK(BM_ChartAspects)->Arg(0)->Arg(1);

// The daily motions of Sun ... Pluto by the built-in method.
void BM_ClassicSpeeds(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::classicSpeedsDegPerDay(-5313.125));
}
BENCHMARK(BM_ClassicSpeeds);

} // namespace
