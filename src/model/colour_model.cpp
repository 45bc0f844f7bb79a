#include "model/colour_model.h"

#include "model/colour_codes.h"
#include "model/random_colour.h"

#include <cmath>

namespace tintora {
namespace {

// Positions are the floats the window delivers, compared as they are: 0 is inside, the width or
// height is outside, and NaN is never inside.
constexpr bool Inside(float value, float size) { return value >= 0.0f && value < size; }

// A hold below the strip marks the row one past its end; colours are read at the nearest real row.
constexpr int NearestRow(int markerPos) {
    return markerPos < 0 ? 0 : markerPos >= kStripRows ? kStripRows - 1 : markerPos;
}

constexpr ColourValue kNearWhite = PackRgb(254, 255, 255);

} // namespace

void ColourModel::Start(ColourValue stored) {
    markerPos_ = kStartMarker;
    current_ = DisplayedColour(stored);
    SetBaseColor(stored);
}

void ColourModel::SetBaseColor(ColourValue colour) {
    base_ = ChannelsOf(colour);
    tint_ = TintSteps(base_);
    shade_ = ShadeSteps(base_);
    bands_ = ComputeBands(base_, tint_, shade_);
    chosenRow_ = NearestRow(markerPos_);
}

bool ColourModel::PointOnPalette(PointerAction action, float x, float y, int buttons,
                                 const PalettePicture& palette) {
    if (action == PointerAction::Move && buttons == 0) return false;
    if (!Inside(x, static_cast<float>(kPaletteWidth)) || !Inside(y, static_cast<float>(kPaletteHeight)))
        return false;
    PickPalette(PalettePoint{static_cast<int>(x), static_cast<int>(y)}, palette);
    return true;
}

void ColourModel::PickPalette(PalettePoint at, const PalettePicture& palette) {
    palettePick_ = at;
    SetBaseColor(palette.At(at.x, at.y));
}

bool ColourModel::PointOnStrip(PointerAction action, float y, float height, int buttons) {
    const int before = markerPos_;
    const ColourValue chosen = Chosen();
    if (Inside(y, height)) {
        if (action != PointerAction::Move || buttons != 0) PickStripRow(y);
    } else if (action == PointerAction::Move) {
        // Only a drag takes the pointer beyond the strip, whatever the buttons say.
        markerPos_ = y < 0.0f ? 0 : static_cast<int>(height);
    }
    return markerPos_ != before || Chosen() != chosen;
}

// The row under the pointer, to the nearest integer, ties to even. A row that rounds to just past
// the strip has no colour: the marker moves there and the chosen colour stays.
void ColourModel::PickStripRow(float y) {
    markerPos_ = static_cast<int>(std::nearbyint(y));
    if (markerPos_ >= 0 && markerPos_ < kStripRows) chosenRow_ = markerPos_;
}

void ColourModel::TakeSample(ColourValue sample) {
    markerPos_ = kStartMarker;
    SetBaseColor(sample);
}

void ColourModel::Randomise(float r1, float r2, float r3) {
    markerPos_ = kStartMarker;
    SetBaseColor(RandomColour(r1, r2, r3));
}

void ColourModel::EnterColour(ColourValue colour) {
    markerPos_ = kStartMarker;
    SetBaseColor(colour);
}

bool ColourModel::EnterReadout(Readout box, std::wstring_view text) {
    const std::optional<ColourValue> colour = EnteredColour(box, text, Chosen());
    if (colour) EnterColour(*colour);
    return colour.has_value();
}

bool ColourModel::PasteCode(std::wstring_view text) {
    const std::optional<ColourValue> colour = ParseColourCode(text);
    if (colour) EnterColour(*colour);
    return colour.has_value();
}

bool ColourModel::PaletteKey(PickKey key, bool shift, const PalettePicture& palette) {
    const std::optional<PalettePoint> target =
        PaletteKeyTarget(palettePick_, key, shift, kPaletteWidth, kPaletteHeight);
    if (!target) return false;
    PickPalette(*target, palette);
    return true;
}

bool ColourModel::StripKey(PickKey key) {
    const std::optional<int> row = StripKeyTarget(markerPos_, key, kStripRows, kBandRows);
    if (!row) return false;
    PickStripRow(static_cast<float>(*row));
    return true;
}

// The chosen colour is re-read at the row it came from, not at a marker a drag left beyond the strip:
// Save never stores a colour New did not show.
ColourValue ColourModel::PrepareSave() {
    if (Chosen() == kWhite) {
        const int row = chosenRow_;
        SetBaseColor(kNearWhite);
        chosenRow_ = row;
    }
    return Chosen();
}

void ColourModel::ShowStored(ColourValue readBack) { current_ = DisplayedColour(readBack); }

} // namespace tintora
