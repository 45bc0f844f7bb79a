// The magnifier beside the held eyedropper: a small window that shows the block of screen pixels
// captured around the tip, enlarged, with the sampled one framed. It never takes the focus or the
// mouse, has no taskbar button, and keeps out of what it magnifies: Windows leaves it out of screen
// captures where it can, and it always stands clear of the captured block.
#pragma once

#include "platform/bound_window.h"
#include "platform/pixels.h"
#include "platform/surface.h"
#include "window/magnifier_geometry.h"

#include <array>
#include <cstdint>

namespace tintora {

class Magnifier {
public:
    static constexpr const wchar_t* kClassName = L"TintoraMagnifier";

    Magnifier() = default;
    Magnifier(const Magnifier&) = delete;
    Magnifier& operator=(const Magnifier&) = delete;
    ~Magnifier();

    // Made once, hidden, owned by the window, so it goes with it.
    bool Create(HWND owner) noexcept;
    HWND Hwnd() const noexcept { return hwnd_; }
    // Whether nothing of it is on the block of screen pixels around the tip: it is hidden, or stands
    // elsewhere.
    bool ClearOf(POINT tip) const noexcept;
    // Shows the captured block (kMagnifiedSide square, centred on the tip) beside the tip.
    void Show(const platform::PixelView& block, POINT tip) noexcept;
    // Only moves beside the tip, still showing what it showed.
    void Follow(POINT tip) noexcept;
    // Whether the pixel read at the tip may be the magnifier's own, still on the screen where it
    // stood until it followed the tip, before what it uncovered is painted again. Asked of the next
    // few samples only, so a screen that shows the very same colour there is read all the same.
    bool MayBeItself(POINT tip, COLORREF read) noexcept;
    void Hide() noexcept;

private:
    template <typename Owner> friend LRESULT CALLBACK platform::BoundWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void OnPaint() noexcept;
    // Takes the tip's monitor's density and place; false where the picture cannot be made.
    bool PlaceAt(POINT tip) noexcept;
    bool Redraw(const platform::PixelView& block) noexcept;

    HWND hwnd_ = nullptr;
    platform::Surface shown_;
    MagnifierLook look_{};
    int dpi_ = 0;
    platform::Edges place_{};
    platform::Edges vacated_{};
    int settling_ = 0; // samples still asked about the place it left
    bool visible_ = false;
    bool drawn_ = false;
    // The block now shown, so that a still pointer over still pixels paints nothing again.
    std::array<std::uint32_t, kMagnifiedSide * kMagnifiedSide> block_{};
};

} // namespace tintora
