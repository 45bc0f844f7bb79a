#include "model/spoken_texts.h"

#include "model/readout_texts.h"

namespace tintora {
namespace {

// Appends a NUL-ended text, keeping the last character for the terminator.
void Append(SpokenText& text, int& length, const wchar_t* more) {
    while (*more != L'\0' && length < static_cast<int>(text.size()) - 1)
        text[length++] = *more++;
    text[length] = L'\0';
}

} // namespace

SpokenText SpokenValueOf(ColourValue colour) {
    SpokenText text{};
    int length = 0;
    Append(text, length, MakeReadoutTexts(colour)[kHexa].data());
    return text;
}

SpokenText SpokenDescriptionOf(ColourValue colour) {
    static constexpr const wchar_t* kWords[] = {L"hue ",   L", saturation ", L", luminance ",
                                                L", red ", L", green ",      L", blue "};
    const ReadoutTexts readouts = MakeReadoutTexts(colour);
    SpokenText text{};
    int length = 0;
    for (int i = kHue; i <= kBlue; ++i) {
        Append(text, length, kWords[i]);
        Append(text, length, readouts[i].data());
    }
    return text;
}

} // namespace tintora
