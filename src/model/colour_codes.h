// Colours given by their numbers: what each readout box takes when typed into, the colour codes people
// paste from elsewhere, and the code Tintora copies. Text is read by hand, ASCII only, so no locale
// and no digits of other scripts change what a code means.
#pragma once

#include "colour/colour_value.h"
#include "model/readout_texts.h"

#include <array>
#include <optional>
#include <string_view>

namespace tintora {

// A whole number from 0 to top in plain ASCII digits, spaces around allowed; no sign, nothing else.
std::optional<int> ParseNumber(std::wstring_view text, int top);
// The hex box: six hex digits, either case, red first, after an optional '#'; spaces around allowed.
std::optional<ColourValue> ParseHexCode(std::wstring_view text);
// A pasted colour code: #RRGGBB, RRGGBB, #RGB, rgb(r, g, b) or r, g, b, spaces around allowed.
std::optional<ColourValue> ParseColourCode(std::wstring_view text);

// The colour a readout box's text asks for, the readouts showing shown: a channel or the hex code
// replace their part; a hue, sat or lum joins the other two as they stand and gives the colour with
// those readouts (or the nearest). nullopt when the box does not take the text.
std::optional<ColourValue> EnteredColour(Readout box, std::wstring_view text, ColourValue shown);
// What a box takes, said when it is given something else.
const wchar_t* EntryHint(Readout box);

// "#RRGGBB", the code Tintora copies.
using ColourCode = std::array<wchar_t, 8>;
ColourCode ColourCodeOf(ColourValue colour);

} // namespace tintora
