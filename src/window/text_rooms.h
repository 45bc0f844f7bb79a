// The texts the window's controls show and the room each has for them at a density, and the faces
// their font is chosen from: MS Sans Serif 8.25 pt where the system has it, else the nearest face and
// size in which everything fits.
#pragma once

#include "platform/font_choice.h"
#include "window/layout.h"

#include <array>
#include <string>
#include <vector>

namespace tintora {

inline constexpr int kFontPixels = 11;   // 8.25 points at 96 dpi
inline constexpr int kMinimumPixels = 9; // about 7 points: smaller is hard to read

struct ControlTexts {
    // The captions and readouts that share the window's font.
    std::vector<platform::TextRoom> window;
    // The hex readout's: its letters are wider than digits, and MS Sans Serif does not fit six of the
    // widest in its box, so that one readout may take a font of its own.
    std::vector<platform::TextRoom> hex;
};

// clientEdge: the width of a text box's sunken edge (SM_CXEDGE), which also insets a button's caption.
ControlTexts ControlTextsAt(int dpi, int clientEdge);

// The faces to try, best first. MS Sans Serif is a bitmap font with a few sizes only; at a density
// where it has none near the size, its outline twin takes its place, then Tahoma and the dialog font.
// Whatever the mapper gives for the dialog font comes next, then narrower faces.
std::array<platform::WantedFace, 8> FontFaces(const std::wstring& dialogFace);

} // namespace tintora
