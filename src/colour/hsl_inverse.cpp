// From hue, sat and lum back to a colour. The 0-240 scale is coarser than the channels, and the
// readouts round, so the continuous inverse often misses by one. The search goes part by part, the
// way the readouts are made: luminance names a few sums of the largest and smallest channel, each sum
// with saturation a few differences, and each pair with hue a few values of the middle channel. Every
// candidate is checked with the readouts themselves.
//
// Candidates are ranked by distances in doubles, and where two are equal or nearly so the rounding
// of each step decides. So the doubles are computed in integers (binary64.h), step by step as the
// formulas are written: an x87 unit would round them differently and pick other colours.
#include "colour/hsl.h"

#include "colour/binary64.h"

#include <algorithm>
#include <array>
#include <cstdint>
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

// a / b rounded down and up, b positive. The bounds below are these ratios; in doubles they are
// never near enough an integer to round onto one.
constexpr int FloorDiv(int a, int b) { return a / b - (a % b < 0 ? 1 : 0); }
constexpr int CeilDiv(int a, int b) { return a / b + (a % b > 0 ? 1 : 0); }

using Rgb = std::array<Binary64, 3>; // red, green, blue

// The textbook conversion on continuous channels: where several colours have the readouts, the one
// nearest this is the one people expect (hue 80, sat 240, lum 120 is 00FF00, not 00FE00).
Rgb ContinuousColour(HslColour readouts) {
    const Binary64 one(1);
    const Binary64 lum = Binary64::Ratio(readouts.Lum, 240);
    const Binary64 chroma = (one - Abs(Binary64(2) * lum - one)) * Binary64::Ratio(readouts.Sat, 240);
    // hue / 40 modulo 6, and that modulo 2: both exact.
    const int hue = readouts.Hue % 240;
    const Binary64 sextant = Binary64::Ratio(hue, 40);
    const Binary64 rising = chroma * (one - Abs((sextant - Binary64(hue / 80 * 2)) - one));
    const Binary64 low = lum - chroma * Binary64::Ratio(1, 2);
    Binary64 red, green, blue;
    switch (hue / 40) {
    case 0: red = chroma, green = rising; break;
    case 1: red = rising, green = chroma; break;
    case 2: green = chroma, blue = rising; break;
    case 3: green = rising, blue = chroma; break;
    case 4: red = rising, blue = chroma; break;
    default: red = chroma, blue = rising; break;
    }
    const Binary64 scale(255);
    return Rgb{(red + low) * scale, (green + low) * scale, (blue + low) * scale};
}

Binary64 SquaredDistance(const Rgb& from, ColourValue colour) {
    const Binary64 red = from[0] - Binary64(GetRed(colour));
    const Binary64 green = from[1] - Binary64(GetGreen(colour));
    const Binary64 blue = from[2] - Binary64(GetBlue(colour));
    return red * red + green * green + blue * blue;
}

// The bits of cos(2.0 x pi x k / 240.0) for k 0-240, that angle in doubles and its cosine rounded
// correctly (as the C library gives it). Angles k and 240 - k round differently, and so do some of
// their cosines: nearly equal distances are ranked by those last bits.
constexpr std::uint64_t kCosineBits[241] = {
    0x3FF0000000000000u, 0x3FEFFD315BBF4275u, 0x3FEFF4C5ED12E61Du, 0x3FEFE6BF2E2660AFu, 0x3FEFD31F94F867C6u,
    0x3FEFB9EA92EC689Bu, 0x3FEF9B24942FE45Cu, 0x3FEF76D2FEF3CC4Bu, 0x3FEF4CFC327A0080u, 0x3FEF1DA785F71BCEu,
    0x3FEEE8DD4748BF15u, 0x3FEEAEA6B98095C0u, 0x3FEE6F0E134454FFu, 0x3FEE2A1E7D02FE9Fu, 0x3FEDDFE40EFFB805u,
    0x3FED906BCF328D46u, 0x3FED3BC3AEFF7F95u, 0x3FECE1FA88C445BBu, 0x3FEC83201D3D2C6Du, 0x3FEC1F4510C18B95u,
    0x3FEBB67AE8584CABu, 0x3FEB48D406A50540u, 0x3FEAD663A8AE2FDCu, 0x3FEA5F3DE27D13F2u, 0x3FE9E3779B97F4A8u,
    0x3FE963268B572492u, 0x3FE8DE613515A328u, 0x3FE8553EE43DEF13u, 0x3FE7C7D7A833BEC2u, 0x3FE73644501B56CDu,
    0x3FE6A09E667F3BCDu, 0x3FE607002CD5031Du, 0x3FE5698496E20BD8u, 0x3FE4C8474600EEEEu, 0x3FE4236484487ABEu,
    0x3FE37AF93F9513EAu, 0x3FE2CF2304755A5Eu, 0x3FE21FFFF8FAF674u, 0x3FE16DAED770771Eu, 0x3FE0B84EE8F52E9Du,
    0x3FE0000000000001u, 0x3FDE89C4E59427B4u, 0x3FDD0E2E2B44DE01u, 0x3FDB8D7E6A56D478u, 0x3FDA07F921061AD4u,
    0x3FD87DE2A6AEA964u, 0x3FD6EF801FCED33Eu, 0x3FD55D1771E5BAB9u, 0x3FD3C6EF372FE950u, 0x3FD22D4EB2443166u,
    0x3FD0907DC1930690u, 0x3FCDE189A594FBCEu, 0x3FCA9CD9AC4258F2u, 0x3FC7537E63143E2Eu, 0x3FC4060B67A85377u,
    0x3FC0B5150F6DA2CDu, 0x3FBAC2609B3C576Bu, 0x3FB415E532398E4Du, 0x3FAACBC748EFC901u, 0x3F9ACE214390CA8Du,
    0x3CB469898CC51702u, 0xBF9ACE214390CA6Au, 0xBFAACBC748EFC8EFu, 0xBFB415E532398E44u, 0xBFBAC2609B3C5762u,
    0xBFC0B5150F6DA2C9u, 0xBFC4060B67A85373u, 0xBFC7537E63143E29u, 0xBFCA9CD9AC4258F6u, 0xBFCDE189A594FBC9u,
    0xBFD0907DC193068Eu, 0xBFD22D4EB2443164u, 0xBFD3C6EF372FE94Eu, 0xBFD55D1771E5BAB7u, 0xBFD6EF801FCED33Cu,
    0xBFD87DE2A6AEA962u, 0xBFDA07F921061ACEu, 0xBFDB8D7E6A56D472u, 0xBFDD0E2E2B44DDFFu, 0xBFDE89C4E59427B2u,
    0xBFDFFFFFFFFFFFFCu, 0xBFE0B84EE8F52E9Cu, 0xBFE16DAED770771Au, 0xBFE21FFFF8FAF676u, 0xBFE2CF2304755A5Du,
    0xBFE37AF93F9513EAu, 0xBFE4236484487ABCu, 0xBFE4C8474600EEEDu, 0xBFE5698496E20BD5u, 0xBFE607002CD5031Eu,
    0xBFE6A09E667F3BCCu, 0xBFE73644501B56CDu, 0xBFE7C7D7A833BEC0u, 0xBFE8553EE43DEF13u, 0xBFE8DE613515A328u,
    0xBFE963268B572493u, 0xBFE9E3779B97F4A7u, 0xBFEA5F3DE27D13F0u, 0xBFEAD663A8AE2FDBu, 0xBFEB48D406A50540u,
    0xBFEBB67AE8584CABu, 0xBFEC1F4510C18B94u, 0xBFEC83201D3D2C6Cu, 0xBFECE1FA88C445B9u, 0xBFED3BC3AEFF7F96u,
    0xBFED906BCF328D46u, 0xBFEDDFE40EFFB805u, 0xBFEE2A1E7D02FE9Eu, 0xBFEE6F0E134454FFu, 0xBFEEAEA6B98095BFu,
    0xBFEEE8DD4748BF15u, 0xBFEF1DA785F71BCEu, 0xBFEF4CFC327A0080u, 0xBFEF76D2FEF3CC4Au, 0xBFEF9B24942FE45Bu,
    0xBFEFB9EA92EC689Bu, 0xBFEFD31F94F867C7u, 0xBFEFE6BF2E2660AFu, 0xBFEFF4C5ED12E61Du, 0xBFEFFD315BBF4275u,
    0xBFF0000000000000u, 0xBFEFFD315BBF4275u, 0xBFEFF4C5ED12E61Du, 0xBFEFE6BF2E2660AFu, 0xBFEFD31F94F867C7u,
    0xBFEFB9EA92EC689Cu, 0xBFEF9B24942FE45Cu, 0xBFEF76D2FEF3CC4Bu, 0xBFEF4CFC327A0080u, 0xBFEF1DA785F71BCFu,
    0xBFEEE8DD4748BF16u, 0xBFEEAEA6B98095C0u, 0xBFEE6F0E13445500u, 0xBFEE2A1E7D02FE9Fu, 0xBFEDDFE40EFFB806u,
    0xBFED906BCF328D47u, 0xBFED3BC3AEFF7F95u, 0xBFECE1FA88C445BAu, 0xBFEC83201D3D2C6Du, 0xBFEC1F4510C18B95u,
    0xBFEBB67AE8584CACu, 0xBFEB48D406A50541u, 0xBFEAD663A8AE2FDCu, 0xBFEA5F3DE27D13F1u, 0xBFE9E3779B97F4A9u,
    0xBFE963268B572494u, 0xBFE8DE613515A329u, 0xBFE8553EE43DEF14u, 0xBFE7C7D7A833BEC2u, 0xBFE73644501B56CFu,
    0xBFE6A09E667F3BCEu, 0xBFE607002CD50320u, 0xBFE5698496E20BDAu, 0xBFE4C8474600EEECu, 0xBFE4236484487AC1u,
    0xBFE37AF93F9513ECu, 0xBFE2CF2304755A5Fu, 0xBFE21FFFF8FAF674u, 0xBFE16DAED770771Cu, 0xBFE0B84EE8F52E9Au,
    0xBFE0000000000004u, 0xBFDE89C4E59427B6u, 0xBFDD0E2E2B44DE03u, 0xBFDB8D7E6A56D476u, 0xBFDA07F921061ADDu,
    0xBFD87DE2A6AEA96Du, 0xBFD6EF801FCED335u, 0xBFD55D1771E5BAB0u, 0xBFD3C6EF372FE952u, 0xBFD22D4EB2443164u,
    0xBFD0907DC193068Eu, 0xBFCDE189A594FBE1u, 0xBFCA9CD9AC425906u, 0xBFC7537E63143E3Au, 0xBFC4060B67A8537Bu,
    0xBFC0B5150F6DA2F1u, 0xBFBAC2609B3C57A3u, 0xBFB415E532398E36u, 0xBFAACBC748EFC8D3u, 0xBF9ACE214390CAF0u,
    0xBCAA79394C9E8A0Au, 0x3F9ACE214390CA86u, 0x3FAACBC748EFC91Eu, 0x3FB415E532398E1Cu, 0x3FBAC2609B3C5749u,
    0x3FC0B5150F6DA2C5u, 0x3FC4060B67A8536Eu, 0x3FC7537E63143E2Du, 0x3FCA9CD9AC4258F9u, 0x3FCDE189A594FBD5u,
    0x3FD0907DC1930697u, 0x3FD22D4EB244315Eu, 0x3FD3C6EF372FE94Cu, 0x3FD55D1771E5BAB9u, 0x3FD6EF801FCED32Fu,
    0x3FD87DE2A6AEA958u, 0x3FDA07F921061AC9u, 0x3FDB8D7E6A56D470u, 0x3FDD0E2E2B44DDFEu, 0x3FDE89C4E59427B0u,
    0x3FE0000000000001u, 0x3FE0B84EE8F52E9Eu, 0x3FE16DAED7707719u, 0x3FE21FFFF8FAF671u, 0x3FE2CF2304755A5Cu,
    0x3FE37AF93F9513E9u, 0x3FE4236484487AB8u, 0x3FE4C8474600EEE9u, 0x3FE5698496E20BDAu, 0x3FE607002CD50320u,
    0x3FE6A09E667F3BCBu, 0x3FE73644501B56CDu, 0x3FE7C7D7A833BEC2u, 0x3FE8553EE43DEF14u, 0x3FE8DE613515A325u,
    0x3FE963268B572490u, 0x3FE9E3779B97F4A7u, 0x3FEA5F3DE27D13EDu, 0x3FEAD663A8AE2FD8u, 0x3FEB48D406A50541u,
    0x3FEBB67AE8584CACu, 0x3FEC1F4510C18B93u, 0x3FEC83201D3D2C6Cu, 0x3FECE1FA88C445BAu, 0x3FED3BC3AEFF7F96u,
    0x3FED906BCF328D44u, 0x3FEDDFE40EFFB803u, 0x3FEE2A1E7D02FE9Eu, 0x3FEE6F0E134454FFu, 0x3FEEAEA6B98095BDu,
    0x3FEEE8DD4748BF15u, 0x3FEF1DA785F71BCFu, 0x3FEF4CFC327A0080u, 0x3FEF76D2FEF3CC4Au, 0x3FEF9B24942FE45Bu,
    0x3FEFB9EA92EC689Bu, 0x3FEFD31F94F867C6u, 0x3FEFE6BF2E2660AFu, 0x3FEFF4C5ED12E61Du, 0x3FEFFD315BBF4275u,
    0x3FF0000000000000u,
};

Binary64 Cosine(int hueSteps) { return Binary64::FromBits(kCosineBits[hueSteps < 0 ? -hueSteps : hueSteps]); }

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
        , continuous_(ContinuousColour(wanted))
        , colourfulness_(Colourfulness(wanted.Sat, wanted.Lum)) {}

    // Every colour with exactly the wanted readouts is weighed; true when there is one.
    bool FindExact() {
        ForEachSum(wanted_.Lum, [this](int sum) {
            if (wanted_.Sat == 0) {
                if (sum % 2 == 0 && wanted_.Hue == 160)
                    Take(Candidate{Binary64(), Binary64(), PackRgb(sum / 2, sum / 2, sum / 2)});
                return; // only greys read saturation 0
            }
            // Saturation is (240 x diff + 0.5) / divisor, the divisor the sum up to 253 and 510 less
            // it above: it reads sat for differences within half a unit either side.
            const int divisor = sum <= 253 ? sum : 510 - sum;
            const int wanted = wanted_.Sat;
            int diff = std::max(1, CeilDiv((2 * wanted - 1) * divisor - 1, 480));
            const int last = std::min(WidestDiff(sum), FloorDiv((2 * wanted + 1) * divisor - 1, 480));
            if ((diff - sum) % 2 != 0) ++diff;
            for (; diff <= last; diff += 2)
                if (SatReadout(sum, diff) == wanted_.Sat) WeighExactHues(sum, diff);
        });
        return found_;
    }

    // Luminance one step further out at a time, until no colour there can be nearer than the best.
    void FindNearest() {
        for (int step = 0; step <= 240 && Binary64(step * step) <= best_.distance; ++step) {
            const int lums[] = {wanted_.Lum - step, wanted_.Lum + step};
            for (int side = step == 0 ? 1 : 0; side < 2; ++side) {
                const int lum = lums[side];
                if (lum < 0 || lum > 240) continue;
                ForEachSum(lum, [&](int sum) {
                    for (int diff = sum % 2; diff <= WidestDiff(sum); diff += 2) {
                        // No hue brings a colour nearer than its distance from the axis allows.
                        const Binary64 across = colourfulness_ - Colourfulness(SatReadout(sum, diff), lum);
                        if (Binary64(step * step) + across * across > best_.distance) continue;
                        if (diff == 0) {
                            const Binary64 distance = Distance(RingAt(0, lum), 160); // a grey
                            Take(Candidate{distance, Binary64(), PackRgb(sum / 2, sum / 2, sum / 2)});
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
        Binary64 distance = Binary64::Largest();
        Binary64 offContinuous;
        ColourValue colour = kBlack;
    };

    // Readouts as points of the double cone of colours: luminance the height, hue the angle and the
    // distance from the axis the saturation, scaled down to nothing at black and at white.
    static Binary64 Colourfulness(int sat, int lum) {
        return Binary64::Ratio(sat * std::min(lum, 240 - lum), 120);
    }
    // The distance is height^2 + wanted^2 + other^2 - 2 x wanted x other x cos(angle), evaluated left to
    // right: all but the last product is the same for every hue at one sat and lum.
    struct Ring {
        Binary64 squares;
        Binary64 twice;
    };
    Ring RingAt(int sat, int lum) const {
        const Binary64 other = Colourfulness(sat, lum);
        const Binary64 height(wanted_.Lum - lum);
        return Ring{height * height + colourfulness_ * colourfulness_ + other * other,
                    Binary64(2) * colourfulness_ * other};
    }
    Binary64 Distance(const Ring& ring, int hue) const {
        return ring.squares - ring.twice * Cosine(wanted_.Hue - hue);
    }

    // The middle channels of every sextant near the wanted hue. The hue moves 40 / diff for each step
    // of the middle channel; one step more either side makes up for the rounding of the readouts. The
    // slack around the wanted hue is in half steps of hue.
    template <typename Visit> void ForEachSextant(int diff, int twiceSlack, Visit visit) const {
        for (const Sextant& sextant : kSextants) {
            const int along = sextant.direction * (wanted_.Hue - sextant.base);
            if (along < -1 || along > 41) continue;
            const int first = std::max(0, CeilDiv((2 * along - twiceSlack) * diff, 80) - 1);
            const int last = std::min(diff, FloorDiv((2 * along + twiceSlack) * diff, 80) + 1);
            if (first <= last) visit(sextant, first, last);
        }
    }

    // The middle channels that read the wanted hue are a run; of them the one nearest the continuous
    // colour's is the nearest colour of this sum and difference. It is the nearest in the run's
    // bounds, or the first one reading the hue on the way in from there.
    void WeighExactHues(int sum, int diff) {
        const int high = (sum + diff) / 2;
        const int low = (sum - diff) / 2;
        ForEachSextant(diff, 1, [&](const Sextant& sextant, int first, int last) {
            const Binary64 wanted = continuous_[sextant.middle] - Binary64(low);
            const int nearest = static_cast<int>(std::clamp<std::int64_t>(wanted.NearestAway(), first, last));
            for (const int way : {1, -1}) {
                for (int middle = nearest; middle >= first && middle <= last; middle += way) {
                    const ColourValue colour = Arrange(sextant, high, low + middle, low);
                    if (HueReadout(colour) != wanted_.Hue) continue;
                    Take(Candidate{Binary64(), Binary64(), colour});
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
        const Ring ring = RingAt(SatReadout(sum, diff), lum);
        ForEachSextant(diff, 2, [&](const Sextant& sextant, int first, int last) {
            for (int middle = first; middle <= last; ++middle) {
                const ColourValue colour = Arrange(sextant, high, low + middle, low);
                Take(Candidate{Distance(ring, HueReadout(colour)), Binary64(), colour});
            }
        });
    }

    void Take(Candidate candidate) {
        if (found_ && candidate.distance > best_.distance) return; // out, however near the continuous colour
        candidate.offContinuous = SquaredDistance(continuous_, candidate.colour);
        const auto key = [](const Candidate& c) { return std::tie(c.distance, c.offContinuous); };
        if (!found_ || key(candidate) < key(best_)) best_ = candidate;
        found_ = true;
    }

    HslColour wanted_;
    Rgb continuous_;
    Binary64 colourfulness_; // the wanted readouts' distance from the axis
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
