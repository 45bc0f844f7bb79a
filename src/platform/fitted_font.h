// A font that fits texts into the room their controls give them, in whatever faces the system has:
// the wanted face at the wanted size where it exists and fits, else another face at that size, else
// the nearest smaller size that fits, never below a legible minimum.
#pragma once

#include "platform/handles.h"

#include <span>
#include <string>

namespace tintora::platform {

// What one control shows and the room it has for it, in pixels.
struct TextRoom {
    const wchar_t* text = L""; // a caption, drawn with DrawText and `format`
    unsigned long largest = 0; // with base: a readout of every number 0..largest
    int base = 0;              // 0: a caption; 10 or 16: a readout
    int digits = 1;            // a readout's numbers, zero-padded to this many digits
    int width = 0;             // room across
    int height = 0;            // room down, for the characters' height
    bool bold = false;         // drawn in the bold twin of the font
    UINT format = DT_NOPREFIX; // the DrawText flags the control draws with
};

// A face to try. An exact face counts only where the font mapper gives that very face at about the
// size asked; otherwise whatever the mapper gives for the name will do.
struct WantedFace {
    std::wstring name;
    bool exact = true;
};

struct FittedFont {
    std::wstring face;
    int pixels = 0; // character height, as LOGFONT's negative lfHeight
    bool fits = false;
};

// The first of `faces` at `pixels` that fits every text in its room, else the same at each smaller
// size down to `minimum`.
FittedFont FitFont(std::span<const WantedFace> faces, int pixels, int minimum,
                   std::span<const TextRoom> texts);
// Whether that font fits every text in its room.
bool Fits(const FittedFont& font, std::span<const TextRoom> texts);
UniqueFont MakeFont(const FittedFont& font, bool bold);

} // namespace tintora::platform
