// Every one of the 241^3 hue, sat and lum triples typed back into a colour. The same source runs
// natively and, built for Windows, under Wine as a 64-bit and as a 32-bit program whose own code is
// built for any i686 processor: all of them must give the same colours, which the digest pins.
#include "colour/hsl.h"

#include <gtest/gtest.h>

#include <cstdint>

using namespace tintora;

// A change to the ranking changes the digest; say here how many triples moved and why. Last, when the
// ranking became exact: 2,289,366 of 13,997,521. Of those some colour has, 10,363 moved between
// colours exactly as near the continuous colour. Of those none has, 991,128 moved to a nearer colour
// of the same readouts, 576,148 to readouts nearer by the RGB distance, and 711,727 to readouts as
// near, with a colour nearer the continuous colour or smaller.
TEST(ColourWithHsl, EveryTripleGivesThePinnedColours) {
    std::uint64_t digest = 14695981039346656037u; // FNV-1a over each colour's three bytes
    for (std::int16_t hue = 0; hue <= 240; ++hue) {
        for (std::int16_t sat = 0; sat <= 240; ++sat) {
            for (std::int16_t lum = 0; lum <= 240; ++lum) {
                const ColourValue colour = ColourWithHsl({hue, sat, lum});
                for (int shift = 0; shift < 24; shift += 8)
                    digest = (digest ^ static_cast<std::uint64_t>((colour >> shift) & 0xFF)) * 1099511628211u;
            }
        }
    }
    EXPECT_EQ(digest, 0x1d9cfde9b6a723ffu);
}
