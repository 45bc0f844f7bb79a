// A pick runs once per mouse move: bands, conversion and readout texts must not touch the heap.
#include "colour/hsl.h"
#include "editor/readout_texts.h"
#include "editor/strip_bands.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

namespace {
std::atomic<long> allocations{0};
}

// Counting replacements of the global allocator; GCC cannot see that they pair up.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }

TEST(Pick, AllocatesNothing) {
    using namespace tintora;
    const long before = allocations.load();
    long sink = 0;
    for (int colour = 0; colour < 0xFFFFFF; colour += 4099) {
        const Channels base = ChannelsOf(colour);
        const BandColours bands = ComputeBands(base, TintSteps(base), ShadeSteps(base));
        sink += MakeReadoutTexts(bands[13])[kHexa][0] + modTintora::RgbToHsl(bands[20]).Lum;
    }
    EXPECT_EQ(allocations.load(), before);
    EXPECT_NE(sink, 0);
}
