// The platform's building blocks against the real GDI: a selection guard puts back what it replaced,
// and a surface's pixels are what GDI and direct writes put there.
#include "platform/surface.h"

#include <gtest/gtest.h>

using namespace tintora::platform;

TEST(SelectionGuard, PutsBackWhatItReplacedEvenWhenNested) {
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const auto selected = [&dc] { return ::GetCurrentObject(dc.get(), OBJ_BITMAP); };
    const HGDIOBJ original = selected();
    const UniqueBitmap first(::CreateCompatibleBitmap(dc.get(), 4, 4));
    const UniqueBitmap second(::CreateCompatibleBitmap(dc.get(), 4, 4));
    {
        const SelectionGuard outer(dc.get(), first.get());
        {
            const SelectionGuard inner(dc.get(), second.get());
            EXPECT_EQ(selected(), second.get());
        }
        EXPECT_EQ(selected(), first.get());
    }
    EXPECT_EQ(selected(), original);
}

TEST(Surface, PixelsWrittenDirectlyOrDrawnWithGdiReadBackAndNothingOutside) {
    Surface surface;
    ASSERT_TRUE(surface.Create(5, 3));
    surface.Fill(-2, -2, 10, 10, RGB(1, 2, 3));
    EXPECT_EQ(surface.Read(4, 2), RGB(1, 2, 3));
    surface.Write(1, 1, RGB(200, 100, 50));
    surface.Write(7, 7, RGB(9, 9, 9)); // nothing happens
    EXPECT_EQ(surface.Read(5, 0), CLR_INVALID);
    EXPECT_EQ(surface.Read(0, -1), CLR_INVALID);
    // GDI drawing lands before the next direct read.
    ::SetPixelV(surface.Dc(), 3, 2, RGB(40, 50, 60));
    EXPECT_EQ(surface.Read(3, 2), RGB(40, 50, 60));
    // What a block copy from the surface shows is what it holds.
    const UniqueMemoryDc target(::CreateCompatibleDC(nullptr));
    const UniqueBitmap bitmap(::CreateBitmap(5, 3, 1, 32, nullptr));
    const SelectionGuard selection(target.get(), bitmap.get());
    surface.Show(target.get(), RECT{0, 0, 5, 3});
    EXPECT_EQ(::GetPixel(target.get(), 1, 1), RGB(200, 100, 50));
    EXPECT_EQ(::GetPixel(target.get(), 4, 0), RGB(1, 2, 3));
}
