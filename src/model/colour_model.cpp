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
    now_.markerPos = kStartMarker;
    current_ = DisplayedColour(stored);
    SetBaseColor(stored);
}

void ColourModel::SetBaseColor(ColourValue colour) {
    now_.base = ChannelsOf(colour);
    now_.tint = TintSteps(now_.base);
    now_.shade = ShadeSteps(now_.base);
    now_.bands = ComputeBands(now_.base, now_.tint, now_.shade);
    now_.chosenRow = NearestRow(now_.markerPos);
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
    now_.palettePick = at;
    SetBaseColor(palette.At(at.x, at.y));
}

bool ColourModel::PointOnStrip(PointerAction action, float y, float height, int buttons) {
    const int before = now_.markerPos;
    const ColourValue chosen = Chosen();
    if (Inside(y, height)) {
        if (action != PointerAction::Move || buttons != 0) PickStripRow(y);
    } else if (action == PointerAction::Move) {
        // Only a drag takes the pointer beyond the strip, whatever the buttons say.
        now_.markerPos = y < 0.0f ? 0 : static_cast<int>(height);
    }
    return now_.markerPos != before || Chosen() != chosen;
}

// The row under the pointer, to the nearest integer, ties to even. A row that rounds to just past
// the strip has no colour: the marker moves there and the chosen colour stays.
void ColourModel::PickStripRow(float y) {
    now_.markerPos = static_cast<int>(std::nearbyint(y));
    if (now_.markerPos >= 0 && now_.markerPos < kStripRows) now_.chosenRow = now_.markerPos;
}

void ColourModel::BeginSampling() {
    if (!sampling_) beforeSampling_ = now_;
    sampling_ = true;
}

bool ColourModel::TakeSample(ColourValue sample) {
    if (now_.markerPos == kStartMarker && now_.chosenRow == kStartMarker &&
        DisplayedColour(sample) == Chosen())
        return false;
    now_.markerPos = kStartMarker;
    SetBaseColor(sample);
    return true;
}

void ColourModel::CancelSampling() {
    if (sampling_) now_ = beforeSampling_;
    sampling_ = false;
}

void ColourModel::Randomise(std::uint32_t bits1, std::uint32_t bits2, std::uint32_t bits3) {
    now_.markerPos = kStartMarker;
    SetBaseColor(RandomColour(bits1, bits2, bits3));
}

void ColourModel::EnterColour(ColourValue colour) {
    now_.markerPos = kStartMarker;
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
        PaletteKeyTarget(now_.palettePick, key, shift, kPaletteWidth, kPaletteHeight);
    if (!target) return false;
    PickPalette(*target, palette);
    return true;
}

bool ColourModel::StripKey(PickKey key) {
    const std::optional<int> row = StripKeyTarget(now_.markerPos, key, kStripRows, kBandRows);
    if (!row) return false;
    PickStripRow(static_cast<float>(*row));
    return true;
}

// The chosen colour is re-read at the row it came from, not at a marker a drag left beyond the strip:
// Save never stores a colour New did not show.
ColourValue ColourModel::PrepareSave() {
    if (Chosen() == kWhite) {
        const int row = now_.chosenRow;
        SetBaseColor(kNearWhite);
        now_.chosenRow = row;
    }
    return Chosen();
}

void ColourModel::ShowStored(ColourValue readBack) { current_ = DisplayedColour(readBack); }

} // namespace tintora
