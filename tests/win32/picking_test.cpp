// Picking with real mouse messages: the palette's and the strip's edges, drags that leave the boxes
// while the mouse is captured, and a long drag that leaves nothing behind.
#include "allocation_counter.h"
#include "window_fixture.h"

#include <psapi.h>

using namespace tintora;
using namespace tintora::testing;

namespace {

class Picking : public WindowTest {
protected:
    HWND Palette() { return form_->Control(picColors); }
    HWND Strip() { return form_->Control(picGradient); }
    int ArrowOnScreen() {
        Presented();
        return form_->ArrowPlace().top;
    }
};

} // namespace

TEST_F(Picking, PaletteDragPicksInsideOnlyAndResumesOnReturn) {
    Open();
    Press(Palette(), 30, 40, WM_RBUTTONDOWN);
    EXPECT_EQ(::GetCapture(), Palette());
    EXPECT_EQ(Chosen(), PaletteAt(30, 40)) << "the marker is on the base band";
    MoveHeld(Palette(), 100, 100, 0);
    EXPECT_EQ(Chosen(), PaletteAt(30, 40)) << "a move with no button changes nothing";
    MoveHeld(Palette(), 174, 170, MK_RBUTTON);
    EXPECT_EQ(Chosen(), PaletteAt(174, 170));
    MoveHeld(Palette(), -40, -25, MK_RBUTTON); // off the palette, where the model picks nothing
    EXPECT_EQ(Chosen(), PaletteAt(174, 170));
    // Capture lasts until the last button is let go; a release outside changes nothing.
    ::SendMessageW(Palette(), WM_LBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(12, 12));
    ::SendMessageW(Palette(), WM_RBUTTONUP, MK_LBUTTON, MAKELPARAM(0, 0));
    EXPECT_EQ(::GetCapture(), Palette());
    EXPECT_EQ(Chosen(), PaletteAt(0, 0));
    Release(Palette(), -5, 80);
    EXPECT_EQ(Chosen(), PaletteAt(0, 0));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(Picking, StripDragHoldsBeyondItsEdgesWithTheArrowBesideTheMarker) {
    StoreImColor(0x003264C8);
    Open();
    Press(Strip(), 5, 40);
    EXPECT_EQ(Chosen(), StripAt(40));
    EXPECT_EQ(ArrowOnScreen(), 53);
    MoveHeld(Strip(), 5, -5);
    EXPECT_EQ(Marker(), 0);
    EXPECT_EQ(ArrowOnScreen(), 13);
    EXPECT_EQ(Chosen(), StripAt(40));
    MoveHeld(Strip(), -30, 170);
    EXPECT_EQ(Marker(), 170);
    EXPECT_EQ(Chosen(), StripAt(170));
    MoveHeld(Strip(), 5, 171);
    EXPECT_EQ(ArrowOnScreen(), 184);
    Release(Strip(), 5, 300);
    EXPECT_EQ(Marker(), 171);
    EXPECT_EQ(Chosen(), StripAt(170));
    EXPECT_EQ(::GetCapture(), nullptr);
}

// Moves allocate nothing, and no GDI or USER object and no memory is left behind.
TEST_F(Picking, LongDragLeaksNothing) {
    Open();
    const auto drag = [&](int from, int moves) {
        for (HWND box : {Palette(), Strip()}) {
            Press(box, 5, 5);
            for (int i = from; i < from + moves; ++i) {
                MoveHeld(box, (i * 37) % 200 - 10, (i * 53) % 190 - 10);
                if (i % 25 == 0) PumpMessages(); // the window catches up, as between mouse moves
            }
            Release(box, 5, 5);
            PumpMessages();
        }
    };
    const auto privateBytes = [] {
        PROCESS_MEMORY_COUNTERS_EX counters{};
        ::GetProcessMemoryInfo(::GetCurrentProcess(), reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters),
                               sizeof counters);
        return counters.PrivateUsage;
    };
    const auto objects = [](DWORD kind) { return ::GetGuiResources(::GetCurrentProcess(), kind); };
    drag(0, 2000); // first use of every path
    const DWORD gdiBefore = objects(GR_GDIOBJECTS), userBefore = objects(GR_USEROBJECTS);
    const SIZE_T bytesBefore = privateBytes();
    const long allocationsBefore = testing_support::Allocations();
    drag(2000, 20000);
    EXPECT_EQ(testing_support::Allocations(), allocationsBefore);
    EXPECT_EQ(objects(GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(objects(GR_USEROBJECTS), userBefore);
    EXPECT_LE(privateBytes(), bytesBefore + 64 * 1024) << "about three bytes a move at most";
}
