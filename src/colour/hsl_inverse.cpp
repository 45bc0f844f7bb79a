// From hue, sat and lum back to a colour. The 0-240 scale is coarser than the channels, and the
// readouts round, so the continuous inverse often misses by one. The search goes part by part, the
// way the readouts are made: luminance names a few sums of the largest and smallest channel, each sum
// with saturation a few differences, and each pair with hue a run of values of the middle channel.
//
// All of it is exact, in integers. Distances are squared distances in RGB, and continuous colours the
// textbook conversion on real channels. Colours are ranked by these in turn, each deciding ties of the last:
//   - where no colour has the wanted readouts, the distance between the continuous colours of its
//     readouts and of the wanted ones;
//   - the distance from the colour itself to the continuous colour of the wanted readouts;
//   - the smaller colour value, 0x00BBGGRR.
#include "colour/hsl.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <tuple>

namespace tintora {
namespace {

// A sixth of the hue circle: which channel is the largest, which lies between, where the hue starts
// and which way it runs as the middle channel rises from the smallest to the largest.
struct Sextant {
    int base, direction, top, middle; // top and middle: 0 red, 1 green, 2 blue
};
constexpr Sextant kSextants[] = {{0, 1, 0, 1},    {80, -1, 1, 0}, {80, 1, 1, 2},
                                 {160, -1, 2, 1}, {160, 1, 2, 0}, {240, -1, 0, 2}};

// Channels in 1/76800 of a channel step, where every continuous colour is whole.
using Point = std::array<int, 3>;
constexpr int kStep = 76800;
constexpr int kLumUnit = 81600;  // a unit of lum: 255 / 240 of a channel step
constexpr int kChromaUnit = 340; // half the chroma, for a unit of sat x min(lum, 240 - lum)
constexpr int kHueUnit = 17;     // the middle channel, for a unit of that product and of hue

Point Arranged(const Sextant& sextant, int high, int middle, int low) {
    Point channels{low, low, low};
    channels[sextant.top] = high;
    channels[sextant.middle] = middle;
    return channels;
}
ColourValue Packed(const Point& channels) { return PackRgb(channels[0], channels[1], channels[2]); }

// a / b rounded up, b positive.
constexpr int CeilDiv(int a, int b) { return a / b + (a % b > 0 ? 1 : 0); }
constexpr std::int64_t Square(std::int64_t value) { return value * value; }

int HalfChroma(int sat, int lum) { return sat * std::min(lum, 240 - lum); }

// The largest and smallest channel lie half the chroma either side of lum, and the middle one moves
// straight between them along each sixth of the hue.
Point ContinuousColour(HslColour readouts) {
    const int half = HalfChroma(readouts.Sat, readouts.Lum);
    const int hue = readouts.Hue % 240;
    const int low = kLumUnit * readouts.Lum - kChromaUnit * half;
    const int middle = low + kHueUnit * half * (40 - std::abs(hue % 80 - 40));
    return Arranged(kSextants[hue / 40], low + 2 * kChromaUnit * half, middle, low);
}

std::int64_t Distance(const Point& a, const Point& b) {
    return Square(a[0] - b[0]) + Square(a[1] - b[1]) + Square(a[2] - b[2]);
}

// Luminance is 240 x sum / 510 rounded up: the sums that read lum are the two or three above
// 510 x (lum - 1) / 240 up to 510 x lum / 240.
template <typename Visit> void ForEachSum(int lum, Visit visit) {
    const int first = std::max(0, 510 * (lum - 1) / 240 + 1);
    const int last = std::min(510, 510 * lum / 240);
    for (int sum = first; sum <= last; ++sum)
        if (LumReadout(sum) == lum) visit(sum);
}

class Search {
public:
    explicit Search(HslColour wanted)
        : wanted_(wanted)
        , continuous_(ContinuousColour(wanted))
        , halfChroma_(HalfChroma(wanted.Sat, wanted.Lum)) {}

    // Exact: every colour with the wanted readouts, or with sat 0 the greys of that lum, whatever the
    // hue. Else lum one step further out at a time, until no colour there can be nearer than the
    // best: its largest and smallest channel are each a lum step's worth or more away. True when a
    // colour is at no distance.
    bool Find(bool exact) {
        for (int i = 0; i <= (exact ? 0 : 480); ++i) {
            const int step = (i + 1) / 2; // below, then above
            if (Square(kLumUnit * step) > OffReadouts()) break;
            const int lum = wanted_.Lum + (i % 2 != 0 ? -step : step);
            if (lum >= 0 && lum <= 240) ForEachSum(lum, [&](int sum) { WeighDiffs(sum, lum, exact); });
        }
        return OffReadouts() == 0;
    }

    ColourValue Best() const { return std::get<2>(best_); }

private:
    // The differences that read the wanted sat; for the nearest, outward both ways from the first
    // whose chroma reaches the wanted one, while the largest or the smallest channel, off by the lum
    // and the chroma, leaves a chance. Channels stay within 0-255, and the difference has the sum's
    // parity, as the largest channel is half their sum.
    void WeighDiffs(int sum, int lum, bool exact) {
        const int reach = std::min(lum, 240 - lum);
        const int height = kLumUnit * std::abs(lum - wanted_.Lum);
        const auto near = [&](int diff) {
            if (exact) return SatReadout(sum, diff) == wanted_.Sat;
            const int off = std::abs(reach * SatReadout(sum, diff) - halfChroma_);
            return Square(height + kChromaUnit * off) <= OffReadouts();
        };
        const int widest = std::min(sum, 510 - sum);
        // Sat is about 240 x diff / divisor, the divisor the sum up to 253 and 510 less it above.
        const int sat = exact ? wanted_.Sat : reach == 0 ? 0 : CeilDiv(halfChroma_, reach);
        int start = std::min(widest, sat * (sum <= 253 ? sum : 510 - sum) / 240);
        start += (start - sum) % 2 != 0 ? 1 : 0;
        while (start >= 2 && SatReadout(sum, start - 2) >= sat)
            start -= 2;
        while (start <= widest && SatReadout(sum, start) < sat)
            start += 2;
        for (int diff = start; diff <= widest && near(diff); diff += 2)
            WeighHues(sum, diff, exact);
        for (int diff = start - 2; !exact && diff >= 0 && near(diff); diff -= 2)
            WeighHues(sum, diff, exact);
    }

    // Along a sextant the hue readout never falls as the middle channel m rises, so the middle channels
    // that read one hue are a run, at most diff / 40 + 1 long. The wanted hue's run starts at the first
    // that reaches its step along the sextant. The nearest hue readouts are the last short of the
    // wanted continuous colour's step and the first at or past it: their runs lie within a run's length
    // of that first one. Only sextants whose largest and smallest channel leave a chance are searched.
    void WeighHues(int sum, int diff, bool exact) {
        const HslColour readouts{160, SatReadout(sum, diff), LumReadout(sum)};
        const int high = (sum + diff) / 2;
        const int low = (sum - diff) / 2;
        if (diff == 0) return Take(PackRgb(low, low, low), Distance(ContinuousColour(readouts), continuous_));
        const int half = HalfChroma(readouts.Sat, readouts.Lum);
        const int lowest = kLumUnit * readouts.Lum - kChromaUnit * half; // of the continuous colour
        const int highest = lowest + 2 * kChromaUnit * half;
        for (const Sextant& sextant : kSextants) {
            const auto colourAt = [&](int m) { return Packed(Arranged(sextant, high, low + m, low)); };
            const auto along = [&](int m) {
                return sextant.direction * (HueReadout(colourAt(m)) - sextant.base);
            };
            // Nearest the sextant comes: its largest and smallest channel, and the wanted middle one.
            const Point closest = Arranged(sextant, highest, continuous_[sextant.middle], lowest);
            int step = sextant.direction * (wanted_.Hue - sextant.base);
            if (exact ? step < 0 || step > 40 : Distance(closest, continuous_) > OffReadouts()) continue;
            // The nearest: the wanted continuous colour's step, rounded up (any where half is 0).
            const int wanted = continuous_[sextant.middle] - lowest;
            if (!exact) step = std::clamp(half == 0 ? 0 : CeilDiv(wanted, kHueUnit * half), 0, 41);
            // The last sextant leaves its first middle channel, which reads hue 0, to the first.
            const int first = sextant.base == 240 ? 1 : 0;
            int up = std::clamp(CeilDiv(step * diff, 40), first, diff + 1);
            while (up > first && along(up - 1) >= step)
                --up;
            while (up <= diff && along(up) < step)
                ++up;
            const int run = diff / 40 + 1;
            for (int m = std::max(first, exact ? up : up - run); m <= std::min(diff, up + run); ++m) {
                const HslColour got{HueReadout(colourAt(m)), readouts.Sat, readouts.Lum};
                if (exact && got.Hue != wanted_.Hue) break;
                Take(colourAt(m), exact ? 0 : Distance(ContinuousColour(got), continuous_));
            }
        }
    }

    void Take(ColourValue colour, std::int64_t offReadouts) {
        if (offReadouts > OffReadouts()) return;
        const Point exact{kStep * GetRed(colour), kStep * GetGreen(colour), kStep * GetBlue(colour)};
        best_ = std::min(best_, Rank{offReadouts, Distance(exact, continuous_), colour});
    }
    std::int64_t OffReadouts() const { return std::get<0>(best_); }

    using Rank = std::tuple<std::int64_t, std::int64_t, ColourValue>; // the three rankings in turn
    HslColour wanted_;
    Point continuous_;
    int halfChroma_; // the wanted readouts'
    Rank best_{std::numeric_limits<std::int64_t>::max(), 0, kBlack};
};

} // namespace

ColourValue ColourWithHsl(HslColour readouts) {
    const auto clamp = [](std::int16_t value) {
        return static_cast<std::int16_t>(std::clamp<int>(value, 0, 240));
    };
    Search search(HslColour{clamp(readouts.Hue), clamp(readouts.Sat), clamp(readouts.Lum)});
    if (!search.Find(true)) search.Find(false);
    return search.Best();
}

} // namespace tintora
