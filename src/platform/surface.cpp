#include "platform/surface.h"

#include "platform/dpi_scale.h"

namespace tintora::platform {

bool Surface::Create(int width, int height) {
    // A bitmap still selected into its DC cannot be deleted: take the old one apart in order first.
    selection_.reset();
    dc_.reset();
    bitmap_.reset();
    bits_ = nullptr;
    width_ = height_ = 0;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height; // top-down: row 0 first
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_.reset(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    dc_.reset(::CreateCompatibleDC(nullptr));
    if (!bitmap_ || !dc_ || bits == nullptr) return false;
    selection_.emplace(dc_.get(), bitmap_.get());
    bits_ = static_cast<std::uint32_t*>(bits);
    width_ = width;
    height_ = height;
    return true;
}

COLORREF Surface::Read(int x, int y) const noexcept {
    SettleGdi();
    return Pixels().Read(x, y);
}

void Surface::Write(int x, int y, COLORREF colour) noexcept {
    SettleGdi();
    Pixels().Write(x, y, colour);
}

void Surface::WriteAll(const std::int32_t* colours) noexcept {
    SettleGdi();
    Pixels().WriteAll(colours);
}

void Surface::Fill(int left, int top, int right, int bottom, COLORREF colour) noexcept {
    SettleGdi();
    Pixels().Fill(left, top, right, bottom, colour);
}

void Surface::SettleGdi() const noexcept {
    if (!gdiDrew_) return;
    ::GdiFlush();
    gdiDrew_ = false;
}

void Surface::Show(HDC target, const RECT& area) const noexcept {
    ::BitBlt(target, area.left, area.top, area.right - area.left, area.bottom - area.top, dc_.get(),
             area.left, area.top, SRCCOPY);
}

void Surface::Enlarge(const Surface& model, int dpi) noexcept {
    ::GdiFlush();
    ScaleNearest(model.bits_, model.width_, model.height_, bits_, width_, height_, dpi);
}

} // namespace tintora::platform
