// The window's controls, made from the layout table at the window's density: labels, readout boxes,
// buttons and picture boxes, with their fonts. On a move to a monitor of another density they are
// placed and given fonts anew; the picture boxes keep their pixel pictures.
#pragma once

#include "platform/handles.h"
#include "platform/picture_box.h"
#include "window/control_fonts.h"
#include "window/layout.h"

#include <array>

namespace tintora {

class ControlSet {
public:
    ControlSet() = default;
    ControlSet(const ControlSet&) = delete;
    ControlSet& operator=(const ControlSet&) = delete;

    // Every control of the layout, children of parent, but the arrow and the labels, which the window
    // draws itself;
    // picture boxes report to the listener (the hidden eyedropper copy to no one).
    bool Create(HWND parent, int dpi, int arrowTop, platform::PictureBoxListener& listener);
    // Every control at its place and with its font at a new density.
    void Place(int dpi, int arrowTop);

    HWND Control(ControlId id) const noexcept { return controls_[IndexOf(id)]; }
    platform::PictureBox& Box(ControlId id) noexcept { return boxes_[BoxIndexOf(id)]; }
    const platform::PictureBox& Box(ControlId id) const noexcept { return boxes_[BoxIndexOf(id)]; }
    int Dpi() const noexcept { return dpi_; }

private:
    static constexpr std::size_t IndexOf(ControlId id) { return static_cast<std::size_t>(id - picColors); }
    static std::size_t BoxIndexOf(ControlId id) noexcept;
    bool CreateControl(const ControlLayout& layout, int arrowTop, platform::PictureBoxListener& listener);

public:
    // Where a control goes at the window's density; the arrow's top edge follows the marker.
    RECT BoundsOf(const ControlLayout& layout, int arrowTop) const noexcept;
    // The room a label's text is drawn in, and the font a control or label shows its text in.
    RECT LabelBounds(const ControlLayout& layout) const noexcept;
    HFONT FontFor(const ControlLayout& layout) const noexcept { return fonts_.For(layout); }
    // The labels, drawn by the window beneath every control.
    void PaintLabels(HDC dc) const noexcept;

private:
    void SetFont(HWND control, const ControlLayout& layout) noexcept;

    HWND parent_ = nullptr;
    int dpi_ = platform::kBaseDpi;
    ControlFonts fonts_;
    std::array<HWND, kControls.size()> controls_{};
    std::array<platform::PictureBox, 6> boxes_; // in the order of kPictureBoxIds
};

} // namespace tintora
