// The editor's whole colour state and every rule that changes it. The base colour gives the strip
// its 30 bands; the marker row says which strip row is chosen, and the chosen (New) colour is that
// row's band. Current is what Messenger has stored. Each user action is one call with plain
// inputs; the window only shows what this holds. Nothing here allocates, so a drag that calls it
// on every mouse move costs no heap.
#pragma once

#include "colour/colour_value.h"
#include "model/key_rules.h"
#include "model/palette_picture.h"
#include "model/readout_texts.h"
#include "model/strip.h"

#include <cstdint>
#include <string_view>

namespace tintora {

// A mouse button going down, the pointer moving, or the button coming up.
enum class PointerAction { Press, Move, Release };

class ColourModel {
public:
    // The marker row of start-up, Random and the eyedropper: the first row of the base band.
    static constexpr int kStartMarker = BandFirstRow(kBaseBand);

    ColourModel() { Start(kBlack); }

    // Start-up: the stored value is Current and the base colour, with the marker on the base band.
    void Start(ColourValue stored);
    // A new base colour: the strip is drawn anew and the chosen colour read at the marked row.
    void SetBaseColor(ColourValue colour);

    // The palette under a press, a move with the buttons held (a bit mask, 0 for none) or a
    // release, at a point in palette pixels. True when it picked.
    bool PointOnPalette(PointerAction action, float x, float y, int buttons, const PalettePicture& palette);
    // The strip under a press, move or release at row y of a strip that many rows high. A move
    // beyond either edge holds the marker there and keeps the chosen colour. True when it changed
    // the marker or the chosen colour.
    bool PointOnStrip(PointerAction action, float y, float height, int buttons);
    // The eyedropper is pressed: what it changes can be taken back with CancelSampling.
    void BeginSampling();
    // One eyedropper sample: the colour becomes the base colour, the marker goes to the base band.
    // False when the sample changes nothing (the same colour again).
    bool TakeSample(ColourValue sample);
    // Released (or the mouse taken away): the last sample stays.
    void EndSampling() noexcept { sampling_ = false; }
    // Escape: everything is as it was before the press, as if it never happened.
    void CancelSampling();
    bool Sampling() const noexcept { return sampling_; }
    // Random, from three uniform draws of 24 bits: channels 1-255, marker on the base band.
    void Randomise(std::uint32_t bits1, std::uint32_t bits2, std::uint32_t bits3);
    // A colour given by its numbers, typed or pasted: it becomes the base colour with the marker on
    // the base band, as a sample does, so New shows exactly that colour.
    void EnterColour(ColourValue colour);
    // Text typed into a readout box, read against the readouts New shows now. False, changing nothing,
    // when the box does not take that text.
    bool EnterReadout(Readout box, std::wstring_view text);
    // A colour code from the clipboard; false, changing nothing, when the text is no colour code.
    bool PasteCode(std::wstring_view text);
    // A key on the focused palette or strip; false for a key that picks nothing there.
    bool PaletteKey(PickKey key, bool shift, const PalettePicture& palette);
    bool StripKey(PickKey key);

    // Save: the value to write. Pure white is stored as near-white, except where the chosen row is
    // white whatever the base colour; the strip then shows the near-white base.
    ColourValue PrepareSave();
    // What the registry holds after the write, as Current shows it.
    void ShowStored(ColourValue readBack);

    const Channels& Base() const noexcept { return now_.base; }
    const ChannelSteps& TintStep() const noexcept { return now_.tint; }
    const ChannelSteps& ShadeStep() const noexcept { return now_.shade; }
    const BandColours& Bands() const noexcept { return now_.bands; }
    // The marked row from the strip's top: 0 to kStripRows, the last one a hold below the strip.
    int MarkerPos() const noexcept { return now_.markerPos; }
    ColourValue Chosen() const noexcept { return now_.bands[BandAt(now_.chosenRow)]; }
    ColourValue Current() const noexcept { return current_; }
    // The palette's pick position: the last pixel picked there, by mouse or key.
    PalettePoint PalettePick() const noexcept { return now_.palettePick; }

private:
    // What a pick changes; Current is what Messenger stores and no pick changes it.
    struct Picked {
        Channels base{};
        ChannelSteps tint{};
        ChannelSteps shade{};
        BandColours bands{};
        int markerPos = kStartMarker;
        // The strip row the chosen colour comes from. It follows the marker, except while a drag holds
        // the marker beyond the strip: the chosen colour then stays that of the last row picked.
        int chosenRow = kStartMarker;
        PalettePoint palettePick{0, 0};
    };

    void PickPalette(PalettePoint at, const PalettePicture& palette);
    void PickStripRow(float y);

    Picked now_;
    Picked beforeSampling_;
    bool sampling_ = false;
    ColourValue current_ = kBlack;
};

} // namespace tintora
