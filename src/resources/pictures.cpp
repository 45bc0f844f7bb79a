#include "resources/pictures.h"

#include "resources/resource_ids.h"

namespace tintora {
namespace {

platform::UniqueIcon LoadEyedropper(HINSTANCE instance) {
    return platform::UniqueIcon(static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDC_EYEDROPPER), IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE)));
}

// The arrow is stored as a two-colour bitmap, black where drawn; as an icon it draws with its
// white parts transparent.
platform::UniqueIcon LoadArrow(HINSTANCE instance) {
    const platform::UniqueBitmap mask(static_cast<HBITMAP>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDB_ARROW), IMAGE_BITMAP, 0, 0, LR_MONOCHROME)));
    if (!mask) return nullptr;
    BITMAP size{};
    ::GetObjectW(mask.get(), sizeof size, &size);
    const platform::UniqueBitmap black(::CreateBitmap(size.bmWidth, size.bmHeight, 1, 1, nullptr));
    if (!black) return nullptr;
    {
        const platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
        platform::SelectionGuard selection(dc.get(), black.get());
        ::PatBlt(dc.get(), 0, 0, size.bmWidth, size.bmHeight, BLACKNESS);
    }
    ICONINFO info{TRUE, 0, 0, mask.get(), black.get()};
    return platform::UniqueIcon(::CreateIconIndirect(&info)); // copies both bitmaps
}

} // namespace

bool Pictures::Load(HINSTANCE instance) {
    eyedropper_ = LoadEyedropper(instance);
    eyedropperCopy_ = LoadEyedropper(instance);
    arrow_ = LoadArrow(instance);
    return eyedropper_ && eyedropperCopy_ && arrow_;
}

HICON LoadWindowIcon(HINSTANCE instance, bool large) {
    const int size = ::GetSystemMetrics(large ? SM_CXICON : SM_CXSMICON);
    return static_cast<HICON>(
        ::LoadImageW(instance, MAKEINTRESOURCEW(IDI_TINTORA), IMAGE_ICON, size, size, LR_SHARED));
}

} // namespace tintora
