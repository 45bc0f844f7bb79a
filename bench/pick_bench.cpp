// The pure cost of one complete pick: the strip's bands, the conversion and the seven readout texts.
#include "colour/hsl.h"
#include "model/readout_texts.h"
#include "model/strip.h"

#include <benchmark/benchmark.h>

static void BM_CompletePick(benchmark::State& state) {
    using namespace tintora;
    int colour = 0x123456;
    for (auto _ : state) {
        const Channels base = ChannelsOf(colour);
        const BandColours bands = ComputeBands(base, TintSteps(base), ShadeSteps(base));
        const ReadoutTexts texts = MakeReadoutTexts(bands[kBaseBand]);
        benchmark::DoNotOptimize(texts);
        // Unsigned: the next colour wraps, as a signed product would overflow.
        colour = static_cast<int>((static_cast<unsigned>(colour) * 1103515245u + 12345u) & 0xFFFFFFu);
    }
}
BENCHMARK(BM_CompletePick);

BENCHMARK_MAIN();
