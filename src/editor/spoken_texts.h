// What a screen reader says for each control: its name, and for the swatches the colour they show,
// as the hex text (the value) and the readouts in words (the description). Buttons and labels speak
// their own captions, and the readout boxes their labels' words.
#pragma once

#include "colour/colour_value.h"
#include "editor/layout.h"

#include <array>

namespace tintora {

// nullptr: the control's own text serves.
constexpr const wchar_t* SpokenNameOf(ControlId id) {
    switch (id) {
    case picColors: return L"Colour palette";
    case picGradient: return L"Luminance";
    case picChosenColor: return L"New colour";
    case picCurrent: return L"Current colour";
    case picScreenColor: return L"Colour picker: hold and drag over the screen";
    case imgArrow: return L"Luminance marker";
    case txtHue: return L"Hue";
    case txtSat: return L"Sat";
    case txtLum: return L"Lum";
    case txtRed: return L"Red";
    case txtGreen: return L"Green";
    case txtBlue: return L"Blue";
    case txtHexa: return L"#";
    default: return nullptr;
    }
}

using SpokenText = std::array<wchar_t, 80>;

// "C86400": the colour as the hex readout shows it.
SpokenText SpokenValueOf(modTintora::ColourValue colour);
// "hue 20, saturation 240, luminance 95, red 200, green 100, blue 0": the other readouts in words.
SpokenText SpokenDescriptionOf(modTintora::ColourValue colour);

} // namespace tintora
