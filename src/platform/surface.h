// A retained off-screen drawing surface: a top-down 32-bit DIB section selected into its own memory
// DC. Pixels are read and written straight in memory (no GDI call, no allocation), and the surface
// is copied to the screen only from WM_PAINT.
#pragma once

#include "platform/handles.h"
#include "platform/pixels.h"

#include <cstdint>
#include <optional>

namespace tintora::platform {

class Surface {
public:
    Surface() = default;
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    // Makes the surface, or makes it anew at another size (its pixels are then undefined).
    bool Create(int width, int height);

    int Width() const noexcept { return width_; }
    int Height() const noexcept { return height_; }
    // For drawing with GDI; the next direct pixel access waits for that drawing to land.
    HDC Dc() noexcept {
        gdiDrew_ = true;
        return dc_.get();
    }

    // The colour at a point, or CLR_INVALID (-1) outside the surface.
    COLORREF Read(int x, int y) const noexcept;
    void Write(int x, int y, COLORREF colour) noexcept;
    // A whole picture of the surface's size, row by row, in COLORREF layout.
    void WriteAll(const std::int32_t* colours) noexcept;
    // Both corners inclusive, clipped to the surface.
    void Fill(int left, int top, int right, int bottom, COLORREF colour) noexcept;
    void Show(HDC target, const RECT& area) const noexcept;
    // The pixels in memory, once GDI's drawing into them has landed.
    PixelView View() noexcept {
        SettleGdi();
        return Pixels();
    }
    // Fills this surface with the model enlarged to the density, nearest-neighbour (dpi_scale.h).
    void Enlarge(const Surface& model, int dpi) noexcept;

private:
    // Destroyed in reverse order: the original bitmap goes back into the DC, then the DC goes,
    // then the bitmap that was selected into it.
    UniqueBitmap bitmap_;
    UniqueMemoryDc dc_;
    std::optional<SelectionGuard> selection_;
    // GDI may batch drawing into the bitmap; flushed before the next direct access, and only then,
    // since a flush on every access would cost more than a strip's worth of pixels.
    void SettleGdi() const noexcept;
    PixelView Pixels() const noexcept { return PixelView{bits_, width_, height_}; }

    mutable bool gdiDrew_ = false;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};

} // namespace tintora::platform
