#include "editor/readout_texts.h"

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

ReadoutTexts MakeReadoutTexts(modTintora::ColourValue chosen) {
    const modTintora::HslColor hsl = modTintora::RgbToHsl(chosen);
    ReadoutTexts texts{};
    texts[kHue] = Decimal(hsl.Hue);
    texts[kSat] = Decimal(hsl.Sat);
    texts[kLum] = Decimal(hsl.Lum);
    texts[kRed] = Decimal(modTintora::GetRed(chosen));
    texts[kGreen] = Decimal(modTintora::GetGreen(chosen));
    texts[kBlue] = Decimal(modTintora::GetBlue(chosen));
    const modTintora::HexText hex = modTintora::HexTextOf(chosen);
    for (int i = 0; i < 7; ++i)
        texts[kHexa][i] = static_cast<wchar_t>(hex[i]);
    return texts;
}

} // namespace tintora
