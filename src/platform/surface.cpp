#include "platform/surface.h"

#include "platform/dpi_scale.h"

namespace tintora::platform {
namespace {

// DIB pixels are 0x00RRGGBB; a COLORREF is 0x00BBGGRR.
constexpr std::uint32_t SwapRedBlue(std::uint32_t value) {
    return (value & 0x00FF00u) | ((value & 0xFFu) << 16) | ((value >> 16) & 0xFFu);
}

} // namespace

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
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
    SettleGdi();
    return SwapRedBlue(bits_[y * width_ + x]);
}

void Surface::Write(int x, int y, COLORREF colour) noexcept {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    SettleGdi();
    bits_[y * width_ + x] = SwapRedBlue(colour);
}

void Surface::WriteAll(const std::int32_t* colours) noexcept {
    SettleGdi();
    for (int i = 0; i < width_ * height_; ++i)
        bits_[i] = SwapRedBlue(static_cast<std::uint32_t>(colours[i]));
}

void Surface::Fill(int left, int top, int right, int bottom, COLORREF colour) noexcept {
    left = left < 0 ? 0 : left;
    top = top < 0 ? 0 : top;
    right = right >= width_ ? width_ - 1 : right;
    bottom = bottom >= height_ ? height_ - 1 : bottom;
    if (left > right || top > bottom) return;
    SettleGdi();
    const std::uint32_t pixel = SwapRedBlue(colour);
    for (int y = top; y <= bottom; ++y) {
        std::uint32_t* row = bits_ + y * width_;
        for (int x = left; x <= right; ++x)
            row[x] = pixel;
    }
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
