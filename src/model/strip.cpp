#include "model/strip.h"

namespace tintora {
namespace {

int BandChannel(int band, int base, int tint, int shade) {
    if (band < kBaseBand) return 255 + band * tint;
    if (band == kBaseBand) return base;
    const int steps = band == kBandCount - 1 ? kDeepestShade : band - kBaseBand;
    return base + steps * shade;
}

} // namespace

BandColours ComputeBands(Channels base, ChannelSteps tint, ChannelSteps shade) {
    BandColours bands{};
    bool black = false;
    for (int band = 0; band < kBandCount; ++band) {
        const int red = BandChannel(band, base.red, tint.red, shade.red);
        const int green = BandChannel(band, base.green, tint.green, shade.green);
        const int blue = BandChannel(band, base.blue, tint.blue, shade.blue);
        black = black || red < 0 || green < 0 || blue < 0;
        bands[band] = black ? kBlack : PackRgb(red, green, blue);
    }
    return bands;
}

} // namespace tintora
