// From hue, sat and lum back to a colour. The 0-240 scale is coarser than the channels, and the
// readouts round, so the continuous inverse often misses by one. The search goes part by part, the
// way the readouts are made: luminance names a few sums of the largest and smallest channel, each sum
// with saturation a few differences, and each pair with hue a few values of the middle channel. Every
// candidate is checked with the readouts themselves.
#include "colour/hsl.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>

namespace tintora {
namespace {

// A sixth of the hue circle: which channel is the largest, which lies between, where the hue starts
// and which way it runs as the middle channel rises from the smallest to the largest.
struct Sextant {
    int base;
    int direction;
    int top; // 0 red, 1 green, 2 blue
    int middle;
};
constexpr Sextant kSextants[] = {{0, 1, 0, 1},    {80, -1, 1, 0}, {80, 1, 1, 2},
                                 {160, -1, 2, 1}, {160, 1, 2, 0}, {240, -1, 0, 2}};

ColourValue Arrange(const Sextant& sextant, int high, int middle, int low) {
    int channels[3] = {low, low, low};
    channels[sextant.top] = high;
    channels[sextant.middle] = middle;
    return PackRgb(channels[0], channels[1], channels[2]);
}

using Rgb = std::array<double, 3>; // red, green, blue

// The textbook conversion on continuous channels: where several colours have the readouts, the one
// nearest this is the one people expect (hue 80, sat 240, lum 120 is 00FF00, not 00FE00).
Rgb ContinuousColour(HslColour readouts) {
    const double lum = readouts.Lum / 240.0;
    const double chroma = (1.0 - std::fabs(2.0 * lum - 1.0)) * (readouts.Sat / 240.0);
    const double sextant = std::fmod(readouts.Hue / 40.0, 6.0);
    const double rising = chroma * (1.0 - std::fabs(std::fmod(sextant, 2.0) - 1.0));
    const double low = lum - chroma / 2.0;
    double red = 0.0, green = 0.0, blue = 0.0;
    switch (static_cast<int>(sextant)) {
    case 0: red = chroma, green = rising; break;
    case 1: red = rising, green = chroma; break;
    case 2: green = chroma, blue = rising; break;
    case 3: green = rising, blue = chroma; break;
    case 4: red = rising, blue = chroma; break;
    default: red = chroma, blue = rising; break;
    }
    return Rgb{(red + low) * 255.0, (green + low) * 255.0, (blue + low) * 255.0};
}

double SquaredDistance(const Rgb& from, ColourValue colour) {
    const double red = from[0] - GetRed(colour);
    const double green = from[1] - GetGreen(colour);
    const double blue = from[2] - GetBlue(colour);
    return red * red + green * green + blue * blue;
}

// Luminance is 240 x sum / 510 rounded up: the sums that read lum are the two or three above
// 510 x (lum - 1) / 240 up to 510 x lum / 240.
template <typename Visit> void ForEachSum(int lum, Visit visit) {
    const int first = std::max(0, 510 * (lum - 1) / 240 + 1);
    const int last = std::min(510, 510 * lum / 240);
    for (int sum = first; sum <= last; ++sum)
        if (LumReadout(sum) == lum) visit(sum);
}

// The largest difference a sum allows: channels stay within 0-255. Sum and difference share their
// parity, as the largest channel is half their sum.
int WidestDiff(int sum) { return std::min(sum, 510 - sum); }

class Search {
public:
    explicit Search(HslColour wanted)
        : wanted_(wanted)
        , continuous_(ContinuousColour(wanted)) {}

    // Every colour with exactly the wanted readouts is weighed; true when there is one.
    bool FindExact() {
        ForEachSum(wanted_.Lum, [this](int sum) {
            if (wanted_.Sat == 0) {
                if (sum % 2 == 0 && wanted_.Hue == 160)
                    Take(Candidate{0.0, 0.0, PackRgb(sum / 2, sum / 2, sum / 2)});
                return; // only greys read saturation 0
            }
            // Saturation is (240 x diff + 0.5) / divisor, the divisor the sum up to 253 and 510 less
            // it above: it reads sat for differences within half a unit either side.
            const double divisor = sum <= 253 ? sum : 510 - sum;
            const double wanted = wanted_.Sat;
            int diff = std::max(1, static_cast<int>(std::ceil(((wanted - 0.5) * divisor - 0.5) / 240.0)));
            const int last = std::min(WidestDiff(sum),
                                      static_cast<int>(std::floor(((wanted + 0.5) * divisor - 0.5) / 240.0)));
            if ((diff - sum) % 2 != 0) ++diff;
            for (; diff <= last; diff += 2)
                if (SatReadout(sum, diff) == wanted_.Sat) WeighExactHues(sum, diff);
        });
        return found_;
    }

    // Luminance one step further out at a time, until no colour there can be nearer than the best.
    void FindNearest() {
        for (int step = 0; step <= 240 && step * step <= best_.distance; ++step) {
            const int lums[] = {wanted_.Lum - step, wanted_.Lum + step};
            for (int side = step == 0 ? 1 : 0; side < 2; ++side) {
                const int lum = lums[side];
                if (lum < 0 || lum > 240) continue;
                ForEachSum(lum, [&](int sum) {
                    for (int diff = sum % 2; diff <= WidestDiff(sum); diff += 2) {
                        // No hue brings a colour nearer than its distance from the axis allows.
                        const double across = Colourfulness(wanted_.Sat, wanted_.Lum) -
                                              Colourfulness(SatReadout(sum, diff), lum);
                        if (step * step + across * across > best_.distance) continue;
                        if (diff == 0) {
                            const HslColour grey{160, 0, static_cast<std::int16_t>(lum)};
                            Weigh(grey, PackRgb(sum / 2, sum / 2, sum / 2));
                        } else {
                            WeighNearestHues(sum, diff, lum);
                        }
                    }
                });
            }
        }
    }

    ColourValue Best() const { return best_.colour; }

private:
    struct Candidate {
        double distance = std::numeric_limits<double>::infinity();
        double offContinuous = 0.0;
        ColourValue colour = kBlack;
    };

    // Readouts as points of the double cone of colours: luminance the height, hue the angle and the
    // distance from the axis the saturation, scaled down to nothing at black and at white.
    static double Colourfulness(int sat, int lum) { return sat * std::min(lum, 240 - lum) / 120.0; }
    double Distance(HslColour readouts) const {
        const double angle = 2.0 * std::numbers::pi * (wanted_.Hue - readouts.Hue) / 240.0;
        const double wanted = Colourfulness(wanted_.Sat, wanted_.Lum);
        const double other = Colourfulness(readouts.Sat, readouts.Lum);
        const double height = wanted_.Lum - readouts.Lum;
        return height * height + wanted * wanted + other * other - 2.0 * wanted * other * std::cos(angle);
    }

    // The middle channels of every sextant near the wanted hue. The hue moves 40 / diff for each step
    // of the middle channel; one step more either side makes up for the rounding of the readouts.
    template <typename Visit> void ForEachSextant(int diff, double slack, Visit visit) const {
        for (const Sextant& sextant : kSextants) {
            const int along = sextant.direction * (wanted_.Hue - sextant.base);
            if (along < -1 || along > 41) continue;
            const int first = std::max(0, static_cast<int>(std::ceil((along - slack) * diff / 40.0)) - 1);
            const int last = std::min(diff, static_cast<int>(std::floor((along + slack) * diff / 40.0)) + 1);
            if (first <= last) visit(sextant, first, last);
        }
    }

    // The middle channels that read the wanted hue are a run; of them the one nearest the continuous
    // colour's is the nearest colour of this sum and difference. It is the nearest in the run's
    // bounds, or the first one reading the hue on the way in from there.
    void WeighExactHues(int sum, int diff) {
        const int high = (sum + diff) / 2;
        const int low = (sum - diff) / 2;
        ForEachSextant(diff, 0.5, [&](const Sextant& sextant, int first, int last) {
            const double wanted = continuous_[sextant.middle] - low;
            const int nearest = std::clamp(static_cast<int>(std::lround(wanted)), first, last);
            for (const int way : {1, -1}) {
                for (int middle = nearest; middle >= first && middle <= last; middle += way) {
                    const ColourValue colour = Arrange(sextant, high, low + middle, low);
                    if (HueReadout(colour) != wanted_.Hue) continue;
                    Take(Candidate{0.0, 0.0, colour});
                    if (middle == nearest) return;
                    break;
                }
            }
        });
    }

    // The hues nearest the wanted one at this sum and difference, which read lum.
    void WeighNearestHues(int sum, int diff, int lum) {
        const int high = (sum + diff) / 2;
        const int low = (sum - diff) / 2;
        const auto sat = SatReadout(sum, diff);
        ForEachSextant(diff, 1.0, [&](const Sextant& sextant, int first, int last) {
            for (int middle = first; middle <= last; ++middle) {
                const ColourValue colour = Arrange(sextant, high, low + middle, low);
                const std::int16_t hue = HueReadout(colour);
                Weigh(HslColour{hue, sat, static_cast<std::int16_t>(lum)}, colour);
            }
        });
    }

    void Weigh(HslColour readouts, ColourValue colour) { Take(Candidate{Distance(readouts), 0.0, colour}); }

    void Take(Candidate candidate) {
        candidate.offContinuous = SquaredDistance(continuous_, candidate.colour);
        const auto key = [](const Candidate& c) { return std::tie(c.distance, c.offContinuous); };
        if (!found_ || key(candidate) < key(best_)) best_ = candidate;
        found_ = true;
    }

    HslColour wanted_;
    Rgb continuous_;
    Candidate best_;
    bool found_ = false;
};

} // namespace

ColourValue ColourWithHsl(HslColour readouts) {
    const auto clamp = [](std::int16_t value) {
        return static_cast<std::int16_t>(std::clamp<int>(value, 0, 240));
    };
    Search search(HslColour{clamp(readouts.Hue), clamp(readouts.Sat), clamp(readouts.Lum)});
    if (!search.FindExact()) search.FindNearest();
    return search.Best();
}

} // namespace tintora
