// The colour model: the rules every way of picking follows, tested on many generated inputs and on
// random sequences of actions, and a complete pick allocates nothing.
#include "model/colour_model.h"

#include "model/random_colour.h"
#include "model/readout_texts.h"
#include "model/spoken_texts.h"

#include <gtest/gtest.h>

#include "allocation_counter.h"

#include <algorithm>
#include <cstdlib>
#include <random>
#include <string>

using namespace tintora;

namespace {

const PalettePicture& Palette() {
    static const PalettePicture palette;
    return palette;
}

constexpr float kHeight = static_cast<float>(kStripRows);

// An engine that draws the same bits every time.
struct FixedEngine {
    std::uint32_t bits;
    std::uint32_t operator()() const { return bits; }
};

void PressStrip(ColourModel& model, float y) {
    model.PointOnStrip(PointerAction::Press, y, kHeight, 1);
    model.PointOnStrip(PointerAction::Release, y, kHeight, 1);
}

ColourModel StartedWith(ColourValue stored) {
    ColourModel model;
    model.Start(stored);
    return model;
}

// Bases spread over the whole cube, every grey and the corners among them.
std::vector<ColourValue> SomeBases() {
    std::vector<ColourValue> bases;
    for (ColourValue value = 0; value <= 0xFFFFFF; value += 2039)
        bases.push_back(value);
    for (int level = 0; level < 256; ++level)
        bases.push_back(PackRgb(level, level, level));
    for (ColourValue corner :
         {0xFF0000, 0x00FF00, 0x0000FF, 0xFFFF00, 0x00FFFF, 0xFF00FF, 0xFFFFFF, 0x000008})
        bases.push_back(corner);
    return bases;
}

} // namespace

// Down each half of the strip every channel falls: from white at the top towards the base colour,
// and from the base colour itself in band 15 towards black; a band that cannot be formed is black
// and so is every band below it.
TEST(ColourModel, EveryStripRunsFromWhiteThroughTheBaseTowardsBlack) {
    for (ColourValue base : SomeBases()) {
        const ColourModel model = StartedWith(base);
        const BandColours& bands = model.Bands();
        ASSERT_EQ(bands[0], kWhite) << base;
        ASSERT_EQ(bands[kBaseBand], base) << base;
        for (int band = 1; band < kBandCount; ++band) {
            if (band == kBaseBand) continue; // the tint steps are rounded: band 14 may pass the base
            ASSERT_LE(GetRed(bands[band]), GetRed(bands[band - 1])) << base << " band " << band;
            ASSERT_LE(GetGreen(bands[band]), GetGreen(bands[band - 1])) << base << " band " << band;
            ASSERT_LE(GetBlue(bands[band]), GetBlue(bands[band - 1])) << base << " band " << band;
            ASSERT_TRUE(bands[band - 1] != kBlack || band <= kBaseBand || bands[band] == kBlack) << base;
        }
        // Each step is the nearest whole number to a fifteenth of the way to white or to black.
        for (int channel : {GetRed(base), GetGreen(base), GetBlue(base)}) {
            ASSERT_LE(std::abs(15 * TintStep(channel) + (255 - channel)), 7) << base;
            ASSERT_LE(std::abs(15 * ShadeStep(channel) + channel), 7) << base;
        }
    }
}

TEST(ColourModel, StripPicksHoldsAndReleasesFollowThePointer) {
    ColourModel model = StartedWith(0x003264C8);
    model.PointOnStrip(PointerAction::Press, 40.0f, kHeight, 2);
    const ColourValue row40 = model.Bands()[8];
    EXPECT_EQ(model.Chosen(), row40);
    EXPECT_FALSE(model.PointOnStrip(PointerAction::Move, 100.0f, kHeight, 0)) << "no button held";
    model.PointOnStrip(PointerAction::Move, -5.0f, kHeight, 0);
    EXPECT_EQ(model.MarkerPos(), 0);
    EXPECT_EQ(model.Chosen(), row40) << "a hold keeps the chosen colour";
    model.PointOnStrip(PointerAction::Move, 300.0f, kHeight, 4);
    EXPECT_EQ(model.MarkerPos(), kStripRows);
    EXPECT_FALSE(model.PointOnStrip(PointerAction::Release, 300.0f, kHeight, 4)) << "a release outside";
    EXPECT_EQ(model.Chosen(), row40);
    // Rows round to the nearest, ties to even; one that rounds past the strip keeps the colour.
    model.PointOnStrip(PointerAction::Move, 2.5f, kHeight, 1);
    EXPECT_EQ(model.MarkerPos(), 2);
    model.PointOnStrip(PointerAction::Move, 170.6f, kHeight, 1);
    EXPECT_EQ(model.MarkerPos(), kStripRows);
    EXPECT_EQ(model.Chosen(), kWhite);
    EXPECT_FALSE(model.PointOnStrip(PointerAction::Press, std::nanf(""), kHeight, 1));
    EXPECT_EQ(model.Bands()[kBaseBand], 0x003264C8) << "strip picks leave the base colour";
}

TEST(ColourModel, PalettePicksInsideOnlyAndKeepTheMarker) {
    ColourModel model = StartedWith(0x003264C8);
    PressStrip(model, 40.0f);
    EXPECT_TRUE(model.PointOnPalette(PointerAction::Press, 120.0f, 90.0f, 2, Palette()));
    EXPECT_EQ(model.Bands()[kBaseBand], Palette().At(120, 90));
    EXPECT_EQ(model.MarkerPos(), 40);
    EXPECT_EQ(model.Chosen(), model.Bands()[8]);
    EXPECT_EQ(model.PalettePick(), (PalettePoint{120, 90}));
    EXPECT_FALSE(model.PointOnPalette(PointerAction::Move, 10.0f, 10.0f, 0, Palette()));
    EXPECT_FALSE(model.PointOnPalette(PointerAction::Move, 175.0f, 5.0f, 1, Palette()));
    EXPECT_FALSE(model.PointOnPalette(PointerAction::Move, 10.0f, 171.0f, 1, Palette()));
    EXPECT_TRUE(model.PointOnPalette(PointerAction::Release, 174.0f, 170.0f, 1, Palette()));
    EXPECT_EQ(model.Bands()[kBaseBand], Palette().At(174, 170));
    // After a hold below the strip, a new base is read at the nearest row.
    model.PointOnStrip(PointerAction::Move, 400.0f, kHeight, 1);
    model.PointOnPalette(PointerAction::Press, 0.0f, 0.0f, 1, Palette());
    EXPECT_EQ(model.MarkerPos(), kStripRows);
    EXPECT_EQ(model.Chosen(), model.Bands()[kBandCount - 1]);
}

TEST(ColourModel, StartSamplesAndRandomPutTheMarkerOnTheBase) {
    ColourModel model = StartedWith(-1);
    EXPECT_EQ(model.Current(), PackRgb(255, 0, 0)) << "Current shows what the strip makes of it";
    EXPECT_EQ(model.Chosen(), PackRgb(255, 0, 0));
    PressStrip(model, 3.0f);
    model.TakeSample(0x00123456);
    EXPECT_EQ(model.MarkerPos(), ColourModel::kStartMarker);
    EXPECT_EQ(model.Chosen(), 0x00123456);
    PressStrip(model, 160.0f);
    // Each channel from the top 24 bits of a 32-bit draw.
    FixedEngine lowest{0}, half{0x80000000}, highest{0xFFFFFFFF};
    model.Randomise(DrawBits(lowest), DrawBits(half), DrawBits(highest));
    EXPECT_EQ(model.Chosen(), PackRgb(1, 128, 255)) << "never a channel of 0";
    EXPECT_EQ(model.Current(), PackRgb(255, 0, 0)) << "Random leaves Current";
    // Every draw makes the channel single precision makes of it: the product stored as a float, so
    // that a 32-bit x87 build rounds it too, then cut.
    for (std::uint32_t bits = 0; bits < (1u << 24); ++bits) {
        const volatile float product = static_cast<float>(bits) * (1.0f / 16777216.0f) * 255.0f;
        ASSERT_EQ(RandomChannel(bits), static_cast<int>(product) + 1) << bits;
    }
}

// The engine Random draws from reaches both ends of its channels' range.
TEST(ColourModel, RandomChannelsReachOneAnd255) {
    RandomEngine random(20261207);
    int lowest = 255, highest = 1;
    for (int draw = 0; draw < 10000; ++draw) {
        const int channel = RandomChannel(DrawBits(random));
        lowest = std::min(lowest, channel);
        highest = std::max(highest, channel);
    }
    EXPECT_EQ(lowest, 1);
    EXPECT_EQ(highest, 255);
}

TEST(ColourModel, SaveStoresNearWhiteForAWhiteBaseAndWhiteFromTheAlwaysWhiteBands) {
    ColourModel model = StartedWith(kWhite);
    EXPECT_EQ(model.PrepareSave(), PackRgb(254, 255, 255));
    EXPECT_EQ(model.Bands()[kBaseBand], PackRgb(254, 255, 255));
    EXPECT_EQ(model.Chosen(), PackRgb(254, 255, 255));
    model = StartedWith(PackRgb(0, 0, 200));
    PressStrip(model, 0.0f);
    EXPECT_EQ(model.PrepareSave(), kWhite);
    EXPECT_EQ(model.Bands()[kBaseBand], PackRgb(254, 255, 255)) << "the strip is drawn from near-white";
    EXPECT_EQ(model.MarkerPos(), 0);
    model.ShowStored(kWhite);
    EXPECT_EQ(model.Current(), kWhite);
}

// Any sequence of actions (a flick below the strip after picking its white among them): Save stores
// the colour New showed (pure white as near-white, or as white where the always-white bands were
// picked), New still shows it, and Current shows what was stored.
TEST(ColourModel, RandomSequencesOfActionsSaveWhatNewShows) {
    std::mt19937 random(20261207);
    const auto uniform = [&](float low, float high) {
        return std::uniform_real_distribution<float>(low, high)(random);
    };
    constexpr PickKey kKeys[] = {PickKey::Left, PickKey::Right, PickKey::Up,     PickKey::Down,
                                 PickKey::Home, PickKey::End,   PickKey::PageUp, PickKey::PageDown};
    for (int run = 0; run < 300; ++run) {
        ColourModel model = StartedWith(static_cast<ColourValue>(random()));
        for (int step = 0; step < 60; ++step) {
            const auto action = static_cast<PointerAction>(random() % 3);
            const int buttons = static_cast<int>(random() % 8);
            switch (random() % 9) {
            case 0:
                model.PointOnPalette(action, uniform(-20, 200), uniform(-20, 190), buttons, Palette());
                break;
            case 1:
            case 2: model.PointOnStrip(action, std::floor(uniform(-40, 220)), kHeight, buttons); break;
            case 3: model.TakeSample(static_cast<ColourValue>(random() & 0xFFFFFF)); break;
            case 4: model.Randomise(DrawBits(random), DrawBits(random), DrawBits(random)); break;
            case 5: model.PaletteKey(kKeys[random() % 8], random() % 2 == 0, Palette()); break;
            case 6: model.StripKey(kKeys[random() % 8]); break;
            case 7:
                model.SetBaseColor(random() % 4 == 0 ? kWhite : static_cast<ColourValue>(random()));
                break;
            default: {
                const ColourValue shown = model.Chosen();
                const ColourValue stored = model.PrepareSave();
                if (shown == kWhite)
                    ASSERT_TRUE(stored == kWhite || stored == PackRgb(254, 255, 255)) << run << "/" << step;
                else
                    ASSERT_EQ(stored, shown) << run << "/" << step;
                ASSERT_EQ(model.Chosen(), stored);
                model.ShowStored(stored);
                ASSERT_EQ(model.Current(), stored);
            }
            }
            ASSERT_TRUE(model.MarkerPos() >= 0 && model.MarkerPos() <= kStripRows);
            ASSERT_TRUE(model.Chosen() >= 0 && model.Chosen() <= kWhite);
        }
    }
}

// Escape on the held eyedropper, after any number of samples: the base colour, the strip, the marker
// and the palette's pick are all as before the press. A release keeps the last sample, and Escape
// with nothing held takes nothing back.
TEST(ColourModel, EscapeTakesTheWholePickBackAndAReleaseKeepsIt) {
    const auto same = [](const ColourModel& a, const ColourModel& b) {
        return a.Bands() == b.Bands() && a.MarkerPos() == b.MarkerPos() && a.Chosen() == b.Chosen() &&
               a.PalettePick() == b.PalettePick() && !a.Sampling() && !b.Sampling();
    };
    std::mt19937 random(20261207);
    for (int run = 0; run < 200; ++run) {
        ColourModel model = StartedWith(static_cast<ColourValue>(random() & 0xFFFFFF));
        model.PointOnPalette(PointerAction::Press, static_cast<float>(random() % 175),
                             static_cast<float>(random() % 171), 1, Palette());
        PressStrip(model, static_cast<float>(random() % kStripRows));
        const ColourModel before = model;
        model.BeginSampling();
        for (int sample = 0; sample <= run % 3; ++sample)
            model.TakeSample(static_cast<ColourValue>(random() & 0xFFFFFF));
        model.CancelSampling();
        ASSERT_TRUE(same(model, before)) << run;

        model.BeginSampling();
        model.TakeSample(static_cast<ColourValue>(random() & 0xFFFFFF));
        const ColourModel sampled = model;
        model.EndSampling();
        model.CancelSampling();
        ASSERT_EQ(model.MarkerPos(), ColourModel::kStartMarker) << run;
        ASSERT_TRUE(model.Bands() == sampled.Bands() && model.Chosen() == sampled.Chosen()) << run;
    }
}

// A complete pick of every kind, readouts and spoken texts included, never touches the heap.
TEST(ColourModel, APickAllocatesNothing) {
    ColourModel model = StartedWith(0x00336699);
    const long before = testing_support::Allocations();
    long sink = 0;
    for (int i = 0; i < 2000; ++i) {
        const float at = static_cast<float>(i % 190) - 10.0f;
        model.PointOnPalette(PointerAction::Move, at, at / 2.0f, 1, Palette());
        model.PointOnStrip(PointerAction::Move, at, kHeight, 1);
        model.TakeSample(i * 4099);
        model.StripKey(PickKey::Down);
        model.PaletteKey(PickKey::Right, i % 2 == 0, Palette());
        sink += MakeReadoutTexts(model.Chosen())[kHexa][0] + SpokenDescriptionOf(model.Chosen())[4];
    }
    EXPECT_EQ(testing_support::Allocations(), before);
    EXPECT_NE(sink, 0);
}
