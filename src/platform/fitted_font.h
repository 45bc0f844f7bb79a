// A font that fits texts into the room their controls give them, in whatever faces the system has:
// the wanted face at the wanted size where it exists and fits, else another face at that size, else
// the nearest smaller size that fits, never below a legible minimum.
#pragma once

#include "platform/font_choice.h"
#include "platform/handles.h"

#include <span>

namespace tintora::platform {

// The first of `faces` at `pixels` that fits every text in its room, else the same at each smaller
// size down to `minimum`.
FittedFont FitFont(std::span<const WantedFace> faces, int pixels, int minimum,
                   std::span<const TextRoom> texts);
// Whether that font fits every text in its room.
bool Fits(const FittedFont& font, std::span<const TextRoom> texts);
UniqueFont MakeFont(const FittedFont& font, bool bold);

} // namespace tintora::platform
