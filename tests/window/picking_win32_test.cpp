// Picking with real mouse messages: which buttons pick, capture and coordinates off the boxes (where
// the pick lands is the model's tests' part), and a long drag that leaves nothing behind.
#include "allocation_counter.h"
#include "window_fixture.h"

#include <psapi.h>

using namespace tintora;
using namespace tintora::testing;

class Picking : public WindowTest {};

TEST_F(Picking, DragsPickWithAnyButtonUnderCaptureAndOffTheBoxes) {
    StoreImColor(0x003264C8);
    Open();
    const HWND palette = form_->Control(picColors), strip = form_->Control(picGradient);
    Mouse(palette, WM_RBUTTONDOWN, 30, 40, MK_RBUTTON);
    EXPECT_EQ(::GetCapture(), palette);
    EXPECT_EQ(Chosen(), PaletteAt(30, 40));
    Mouse(palette, WM_MOUSEMOVE, 100, 100, 0);
    EXPECT_EQ(Chosen(), PaletteAt(30, 40)) << "a move with no button changes nothing";
    Mouse(palette, WM_MOUSEMOVE, 174, 170, MK_RBUTTON);
    EXPECT_EQ(Chosen(), PaletteAt(174, 170));
    // Capture lasts until the last button is let go; a release off the palette changes nothing.
    Mouse(palette, WM_LBUTTONDOWN, 12, 12, MK_LBUTTON | MK_RBUTTON);
    Mouse(palette, WM_RBUTTONUP, 0, 0, MK_LBUTTON);
    EXPECT_EQ(::GetCapture(), palette);
    EXPECT_EQ(Chosen(), PaletteAt(0, 0));
    Release(palette, -5, 80);
    EXPECT_EQ(Chosen(), PaletteAt(0, 0));
    EXPECT_EQ(::GetCapture(), nullptr);

    // Coordinates above the strip are negative, not far below it.
    Press(strip, 5, 40);
    MoveHeld(strip, 5, -5);
    EXPECT_EQ(Marker(), 0);
    MoveHeld(strip, -30, 171);
    Release(strip, 5, 300);
    EXPECT_EQ(Marker(), 171);
    EXPECT_EQ(Chosen(), StripAt(40)) << "beyond the strip the colour holds";
    EXPECT_EQ(::GetCapture(), nullptr);
}

// Moves allocate nothing, and no GDI or USER object and no memory is left behind.
TEST_F(Picking, LongDragLeaksNothing) {
    Open();
    const auto drag = [&](int from, int moves) {
        for (HWND box : {form_->Control(picColors), form_->Control(picGradient)}) {
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
