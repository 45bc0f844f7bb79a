// Our picture box: a child window that shows a retained surface. It has a background colour, an
// optional picture drawn at its top-left corner, pixel access, and mouse events in its own pixels
// that keep coming from the press to the release, wherever the pointer goes.
// A drag sends many events a second, so nothing here asks the window server anything per move, and
// a box that already waits for its repaint is not invalidated again.
//
// A box may hold a picture of fixed pixel size (a model): on a denser screen it is shown enlarged
// nearest-neighbour and the mouse arrives in the model's pixels, so what is drawn and picked there
// does not depend on the density.
#pragma once

#include "platform/accessible.h"
#include "platform/bound_window.h"
#include "platform/dpi_scale.h"
#include "platform/pointer_events.h"
#include "platform/surface.h"

#include <optional>

namespace tintora::platform {

// A focus rectangle along the edge of rect: dots of the window-text colour on the window colour,
// drawn over what is there (not inverted), so drawing it twice looks the same as once.
void DrawFocusFrame(HDC dc, const RECT& rect) noexcept;

class PictureBox {
public:
    static constexpr const wchar_t* kClassName = L"RetainedPictureBox";
    static bool Register(HINSTANCE instance);

    PictureBox() = default;
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;
    ~PictureBox();

    // style: WS_BORDER for the flat one-pixel border, WS_TABSTOP to take the focus, WS_VISIBLE.
    // model: the size of a picture of fixed pixel size; {0, 0} for a surface of the client area's
    // size, in screen pixels.
    bool Create(HWND parent, int id, const RECT& bounds, DWORD style, COLORREF background,
                PictureBoxListener* listener, int dpi = kBaseDpi, SIZE model = SIZE{0, 0});
    // A new place and density. A model keeps its pixels; any other surface takes the new size and is
    // repainted in the background colour and the picture.
    bool Place(const RECT& bounds, int dpi) noexcept;

    HWND Hwnd() const noexcept { return hwnd_; }
    int Id() const noexcept { return id_; }
    int ScaleWidth() const noexcept { return surface_.Width(); }
    int ScaleHeight() const noexcept { return surface_.Height(); }
    // For drawing on the surface with GDI.
    HDC SurfaceDc() noexcept {
        drawnOver_ = true;
        return surface_.Dc();
    }

    COLORREF BackColor() const noexcept { return back_; }
    // Repaints the whole box in the colour, with the picture on top (unless it shows exactly that).
    void SetBackColor(COLORREF colour) noexcept;

    HICON Picture() const noexcept { return picture_; }
    // Not owned; nullptr clears the picture.
    void SetPicture(HICON picture) noexcept;

    COLORREF ReadPixel(int x, int y) const noexcept { return surface_.Read(x, y); }
    // Drawing goes to the retained surface; Invalidate() then shows it, once for many drawings.
    void SetPixel(int x, int y, COLORREF colour) noexcept {
        drawnOver_ = true;
        surface_.Write(x, y, colour);
    }
    void FillRect(int left, int top, int right, int bottom, COLORREF colour) noexcept {
        drawnOver_ = true;
        surface_.Fill(left, top, right, bottom, colour);
    }
    // A whole picture of the box's size, row by row.
    void SetPixels(const std::int32_t* colours) noexcept {
        drawnOver_ = true;
        surface_.WriteAll(colours);
        Invalidate();
    }
    void Invalidate() noexcept;

    // Screen readers hear the source's texts for the box from now on.
    void MakeAccessible(AccessibleSource& source) noexcept { accessible_ = &source; }

    bool Focused() const noexcept { return focused_; }
    // The focus cue of a box with a border: a dotted rectangle on the border, never over the
    // drawing. A box without one leaves the cue to its owner, who draws its frame.
    void SetFocusCue(bool shown) noexcept;
    bool FocusCue() const noexcept { return focusCue_; }

private:
    template <typename Owner> friend LRESULT CALLBACK BoundWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void Redraw() noexcept;
    bool Fit(int dpi) noexcept;
    void OnPaint() noexcept;
    void OnButtonDown(int button, WPARAM keys, LPARAM point) noexcept;
    void OnMove(WPARAM keys, LPARAM point) noexcept;
    void OnButtonUp(int button, WPARAM keys, LPARAM point) noexcept;
    MouseEvent EventOf(int button, WPARAM keys, LPARAM point, bool withAlt) const noexcept;
    bool OnKeyDown(WPARAM key) noexcept;
    void OnFocus(bool focused) noexcept;
    void OnCaptureChanged() noexcept;
    LRESULT OnOtherMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    void OnNcPaint(WPARAM region) noexcept;

    HWND hwnd_ = nullptr;
    int id_ = 0;
    COLORREF back_ = RGB(255, 255, 255);
    HICON picture_ = nullptr;
    PictureBoxListener* listener_ = nullptr;
    AccessibleSource* accessible_ = nullptr; // a box answers screen readers itself: no subclass in between
    bool drawnOver_ = false;                 // the surface holds more than the background and the picture
    bool awaitsPaint_ = false;               // invalidated, and WM_PAINT has not come yet
    bool focused_ = false;
    bool focusCue_ = false;
    int dpi_ = kBaseDpi;
    SIZE model_{0, 0};
    SIZE client_{0, 0};
    Surface surface_;
    // A model shown enlarged: the screen-sized copy, redone at the next paint after a change.
    std::optional<Surface> shown_;
    bool shownStale_ = false;
};

} // namespace tintora::platform
