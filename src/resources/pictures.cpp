#include "resources/pictures.h"

#include "platform/dpi_scale.h"
#include "resources/resource_ids.h"

namespace tintora {
namespace {

constexpr int kEyedropperSize = 32;

// The cursor holds the eyedropper at 32, 48 and 64 pixels; Windows picks the one for the size asked.
platform::UniqueIcon LoadEyedropper(HINSTANCE instance, int dpi) {
    const int size = platform::Scale(kEyedropperSize, dpi);
    return platform::UniqueIcon(static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDC_EYEDROPPER), IMAGE_CURSOR, size, size, 0)));
}

// The arrow's mask enlarged nearest-neighbour, pixel by pixel as the strip is (dpi_scale.h), so that
// its tip covers the screen rows the window expects.
platform::UniqueBitmap EnlargedMask(HBITMAP mask, SIZE enlarged, int dpi) {
    platform::UniqueBitmap bitmap(::CreateBitmap(enlarged.cx, enlarged.cy, 1, 1, nullptr));
    if (!bitmap) return nullptr;
    const platform::UniqueMemoryDc from(::CreateCompatibleDC(nullptr));
    const platform::UniqueMemoryDc to(::CreateCompatibleDC(nullptr));
    const platform::SelectionGuard fromSelection(from.get(), mask);
    const platform::SelectionGuard toSelection(to.get(), bitmap.get());
    for (int y = 0; y < enlarged.cy; ++y) {
        const int row = platform::LogicalFromPhysical(y, dpi);
        for (int x = 0; x < enlarged.cx; ++x)
            ::SetPixelV(to.get(), x, y, ::GetPixel(from.get(), platform::LogicalFromPhysical(x, dpi), row));
    }
    return bitmap;
}

// The arrow is stored as a two-colour bitmap, black where drawn; as an icon it draws with its
// white parts transparent.
platform::UniqueIcon LoadArrow(HINSTANCE instance, int dpi) {
    const platform::UniqueBitmap stored(static_cast<HBITMAP>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDB_ARROW), IMAGE_BITMAP, 0, 0, LR_MONOCHROME)));
    if (!stored) return nullptr;
    BITMAP info{};
    ::GetObjectW(stored.get(), sizeof info, &info);
    const SIZE size{platform::FirstPhysical(info.bmWidth, dpi), platform::FirstPhysical(info.bmHeight, dpi)};
    const platform::UniqueBitmap mask = EnlargedMask(stored.get(), size, dpi);
    const platform::UniqueBitmap black(::CreateBitmap(size.cx, size.cy, 1, 1, nullptr));
    if (!mask || !black) return nullptr;
    {
        const platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        const platform::SelectionGuard selection(dc.get(), black.get());
        ::PatBlt(dc.get(), 0, 0, size.cx, size.cy, BLACKNESS);
    }
    ICONINFO icon{TRUE, 0, 0, mask.get(), black.get()};
    return platform::UniqueIcon(::CreateIconIndirect(&icon)); // copies both bitmaps
}

} // namespace

bool Pictures::Load(HINSTANCE instance, int dpi) {
    eyedropper_ = LoadEyedropper(instance, dpi);
    eyedropperCopy_ = LoadEyedropper(instance, dpi);
    arrow_ = LoadArrow(instance, dpi);
    return eyedropper_ && eyedropperCopy_ && arrow_;
}

HICON LoadWindowIcon(HINSTANCE instance, bool large) {
    const int size = ::GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
    return static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_TINTORA), IMAGE_ICON, size, size, LR_SHARED));
}

platform::UniqueIcon LoadWindowIconAt(HINSTANCE instance, bool large, int dpi) {
    const int size = platform::Scale(large ? 32 : 16, dpi);
    return platform::UniqueIcon(
        static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_TINTORA), IMAGE_ICON, size, size, 0)));
}

} // namespace tintora
