// The pure cost of one complete pick: the strip's bands, the conversion and the seven readout texts;
// and of one typed hue, sat or lum, turned back into a colour.
#include "colour/hsl.h"
#include "model/readout_texts.h"
#include "model/strip.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

// Unsigned: the next colour wraps, as a signed product would overflow.
int NextColour(int colour) {
    return static_cast<int>((static_cast<unsigned>(colour) * 1103515245u + 12345u) & 0xFFFFFFu);
}

// Readouts typed back, some colour's own (exact) or ones no colour has (nearest).
std::vector<tintora::HslColour> TypedReadouts(bool exact) {
    using namespace tintora;
    std::vector<HslColour> typed;
    int colour = 0x123456;
    for (int i = 0; typed.size() < 4096; ++i) {
        colour = NextColour(colour);
        const HslColour own = RgbToHsl(colour);
        const HslColour wanted = exact ? own
                                       : HslColour{static_cast<std::int16_t>(i % 241), own.Sat,
                                                   static_cast<std::int16_t>(own.Lum)};
        if (exact || !(RgbToHsl(ColourWithHsl(wanted)) == wanted)) typed.push_back(wanted);
    }
    return typed;
}

void BenchTyped(benchmark::State& state, bool exact) {
    const std::vector<tintora::HslColour> typed = TypedReadouts(exact);
    std::size_t next = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(tintora::ColourWithHsl(typed[next]));
        next = (next + 1) % typed.size();
    }
}

} // namespace

static void BM_CompletePick(benchmark::State& state) {
    using namespace tintora;
    int colour = 0x123456;
    for (auto _ : state) {
        const Channels base = ChannelsOf(colour);
        const BandColours bands = ComputeBands(base, TintSteps(base), ShadeSteps(base));
        const ReadoutTexts texts = MakeReadoutTexts(bands[kBaseBand]);
        benchmark::DoNotOptimize(texts);
        colour = NextColour(colour);
    }
}
BENCHMARK(BM_CompletePick);

// A typed hue, sat or lum that some colour has: the colour with exactly those readouts.
static void BM_TypedHslExact(benchmark::State& state) { BenchTyped(state, true); }
BENCHMARK(BM_TypedHslExact);

// One that no colour has: the colour with the nearest readouts.
static void BM_TypedHslNearest(benchmark::State& state) { BenchTyped(state, false); }
BENCHMARK(BM_TypedHslNearest);

BENCHMARK_MAIN();
