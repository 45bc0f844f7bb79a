#include "model/readout_texts.h"

#include "colour/hex_text.h"
#include "colour/hsl.h"

namespace tintora {
namespace {

// Plain decimal digits, no sign, no leading zeros; the readouts only ever show 0-255.
ReadoutText Decimal(int value) {
    ReadoutText text{};
    wchar_t reversed[8];
    int count = 0;
    do {
        reversed[count++] = static_cast<wchar_t>(L'0' + value % 10);
        value /= 10;
    } while (value > 0 && count < 7);
    for (int i = 0; i < count; ++i)
        text[i] = reversed[count - 1 - i];
    return text;
}

} // namespace

ReadoutTexts MakeReadoutTexts(ColourValue chosen) {
    const HslColour hsl = RgbToHsl(chosen);
    ReadoutTexts texts{};
    texts[kHue] = Decimal(hsl.Hue);
    texts[kSat] = Decimal(hsl.Sat);
    texts[kLum] = Decimal(hsl.Lum);
    texts[kRed] = Decimal(GetRed(chosen));
    texts[kGreen] = Decimal(GetGreen(chosen));
    texts[kBlue] = Decimal(GetBlue(chosen));
    const HexText hex = HexTextOf(chosen);
    for (int i = 0; i < 7; ++i)
        texts[kHexa][i] = static_cast<wchar_t>(hex[i]);
    return texts;
}

} // namespace tintora
