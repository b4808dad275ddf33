// The cost of drawing the degree wheel: its layout, and layout plus the SVG
// document, for a plain chart and for a crowded one.
#include "wheel/DegreeWheel.h"
#include "wheel/WheelSvg.h"

#include <benchmark/benchmark.h>

namespace {

// 5 Feb 1962 06:30 IST at 77E13 28N39: eight bodies within 17 degrees of
// Aquarius (longitudes as the chart run gives them, to the minute).
orbenza::WheelInput crowded1962() {
    using orbenza::Body;
    orbenza::WheelInput input;
    const double longitudes[] = {315.75, 316.22, 316.87, 317.83, 302.40, 318.57,
                                 303.90, 149.03, 223.45, 159.42, 303.54};
    for (std::size_t i = 0; i < orbenza::kBodyCount; ++i)
        input.longitudesDeg[orbenza::bodyAt(i)] = longitudes[i];
    input.retrograde[Body::Mercury] = true;
    input.retrograde[Body::Uranus] = true;
    input.retrograde[Body::Pluto] = true;
    return input;
}

orbenza::WheelInput spreadOut() {
    orbenza::WheelInput input;
    for (std::size_t i = 0; i < orbenza::kBodyCount; ++i)
        input.longitudesDeg[orbenza::bodyAt(i)] = 33.0 * static_cast<double>(i) + 7.5;
    return input;
}

void bmWheelLayoutCrowded(benchmark::State& state) {
    const orbenza::WheelInput input = crowded1962();
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::buildDegreeWheel(input));
}
BENCHMARK(bmWheelLayoutCrowded)->Unit(benchmark::kMicrosecond);

void bmWheelLayoutAndSvgCrowded(benchmark::State& state) {
    const orbenza::WheelInput input = crowded1962();
    const orbenza::WheelSvgTitle title{"Orbenza chart of Test", "Born 5 February 1962"};
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::wheelSvg(orbenza::buildDegreeWheel(input), 800.0, title));
}
BENCHMARK(bmWheelLayoutAndSvgCrowded)->Unit(benchmark::kMicrosecond);

void bmWheelLayoutAndSvgSpreadOut(benchmark::State& state) {
    const orbenza::WheelInput input = spreadOut();
    const orbenza::WheelSvgTitle title{"Orbenza chart", ""};
    for (auto _ : state)
        benchmark::DoNotOptimize(orbenza::wheelSvg(orbenza::buildDegreeWheel(input), 800.0, title));
}
BENCHMARK(bmWheelLayoutAndSvgSpreadOut)->Unit(benchmark::kMicrosecond);

} // namespace
