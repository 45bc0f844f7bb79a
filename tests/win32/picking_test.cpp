// Picking on the palette and the strip with real mouse messages to the real window: every button,
// drags that leave the boxes while the mouse is captured, the edges, what the readouts, the arrow
// and the screen show, and a long drag that must leave no allocation and no object behind.
#include "window_fixture.h"

#include <psapi.h>

#include <atomic>
#include <cstdlib>
#include <new>
#include <utility>

using namespace tintora;
using namespace tintora::testing;
using modTintora::PackRgb;

namespace {

std::atomic<long> allocations{0};

class Picking : public WindowTest {
protected:
    HWND Palette() { return form_->Control(picColors); }
    HWND Strip() { return form_->Control(picGradient); }
    COLORREF PaletteAt(int x, int y) { return form_->Box(picColors).ReadPixel(x, y); }
    COLORREF StripAt(int row) { return form_->Box(picGradient).ReadPixel(0, row); }
    COLORREF Chosen() { return form_->Box(picChosenColor).BackColor(); }
    COLORREF Base() {
        const ColourState& state = form_->State();
        return PackRgb(state.BaseRed, state.BaseGreen, state.BaseBlue);
    }
    std::wstring Readouts() {
        std::wstring joined;
        for (ControlId id : {txtHue, txtSat, txtLum, txtRed, txtGreen, txtBlue, txtHexa})
            joined += TextOf(form_->Control(id)) + L"|";
        return joined;
    }
    // What the readouts show for a colour, as a fresh window shows it after SetBaseColor.
    std::wstring ReadoutsFor(COLORREF colour) {
        const ReadoutTexts texts = MakeReadoutTexts(static_cast<ColourValue>(colour));
        std::wstring joined;
        for (const ReadoutText& text : texts)
            joined += std::wstring(text.data()) + L"|";
        return joined;
    }
    // The arrow's top edge as the window shows it, once it has handled what is pending.
    int ArrowOnScreen() {
        PumpMessages();
        return ClientRectIn(form_->Control(imgArrow), form_->Hwnd()).top;
    }
};

} // namespace

TEST_F(Picking, EveryButtonPicksThePalettePixelAndTheMarkerStays) {
    StoreImColor(0);
    Open();
    struct Case {
        UINT down, up;
        int x, y;
    };
    for (const Case& c :
         {Case{WM_LBUTTONDOWN, WM_LBUTTONUP, 20, 30}, Case{WM_RBUTTONDOWN, WM_RBUTTONUP, 90, 5},
          Case{WM_MBUTTONDOWN, WM_MBUTTONUP, 150, 160}}) {
        Press(Palette(), c.x, c.y, c.down);
        EXPECT_EQ(::GetCapture(), Palette()) << "a press keeps the mouse until the release";
        EXPECT_EQ(Base(), PaletteAt(c.x, c.y));
        EXPECT_EQ(Chosen(), PaletteAt(c.x, c.y)) << "the marker is on the base band";
        EXPECT_EQ(Readouts(), ReadoutsFor(PaletteAt(c.x, c.y)));
        // The release picks the pixel under it once more.
        Release(Palette(), c.x + 3, c.y + 4, c.up);
        EXPECT_EQ(::GetCapture(), nullptr);
        EXPECT_EQ(Base(), PaletteAt(c.x + 3, c.y + 4));
        EXPECT_EQ(form_->State().MarkerPos, 75);
        EXPECT_EQ(ArrowOnScreen(), 88);
    }
}

TEST_F(Picking, PaletteMovesPickOnlyWithAButtonHeld) {
    StoreImColor(0);
    Open();
    ASSERT_NE(PaletteAt(10, 10), PaletteAt(100, 100));
    Press(Palette(), 10, 10);
    MoveHeld(Palette(), 100, 100, 0);
    EXPECT_EQ(Base(), PaletteAt(10, 10)) << "a move with no button changes nothing";
    // Whichever button is held, and whatever the shift keys say.
    for (WPARAM keys : {MK_LBUTTON, MK_RBUTTON, MK_MBUTTON, MK_LBUTTON | MK_SHIFT | MK_CONTROL}) {
        MoveHeld(Palette(), 100, 100, keys);
        EXPECT_EQ(Base(), PaletteAt(100, 100)) << keys;
        MoveHeld(Palette(), 10, 10, keys);
        EXPECT_EQ(Base(), PaletteAt(10, 10)) << keys;
    }
    Release(Palette(), 10, 10);
}

TEST_F(Picking, PaletteDragOutsideChangesNothingAndResumesOnReturn) {
    StoreImColor(0);
    Open();
    Press(Palette(), 30, 40);
    const COLORREF picked = Base();
    const std::wstring readouts = Readouts();
    // Out to the left and the top: the captured mouse brings negative coordinates.
    for (POINT p : {POINT{-1, 40}, POINT{30, -1}, POINT{-40, -25}, POINT{175, 40}, POINT{30, 171}}) {
        MoveHeld(Palette(), p.x, p.y);
        EXPECT_EQ(Base(), picked) << p.x << "," << p.y;
    }
    EXPECT_EQ(Readouts(), readouts);
    MoveHeld(Palette(), 0, 0);
    EXPECT_EQ(Base(), PaletteAt(0, 0));
    MoveHeld(Palette(), 174, 170);
    EXPECT_EQ(Base(), PaletteAt(174, 170));
    MoveHeld(Palette(), 175, 170);
    MoveHeld(Palette(), 174, 171);
    EXPECT_EQ(Base(), PaletteAt(174, 170)) << "one pixel beyond the right or bottom edge is outside";
    // A release outside changes nothing and lets the mouse go.
    Release(Palette(), -5, 80);
    EXPECT_EQ(Base(), PaletteAt(174, 170));
    EXPECT_EQ(::GetCapture(), nullptr);
}

TEST_F(Picking, StripPressMarksTheRowUnderThePointer) {
    StoreImColor(PackRgb(200, 100, 50));
    Open();
    const COLORREF bottom = StripAt(170);
    for (auto [down, up] : {std::pair{WM_LBUTTONDOWN, WM_LBUTTONUP}, std::pair{WM_RBUTTONDOWN, WM_RBUTTONUP},
                            std::pair{WM_MBUTTONDOWN, WM_MBUTTONUP}}) {
        Press(Strip(), 5, 10, down);
        Release(Strip(), 5, 10, up);
        Press(Strip(), 5, 40, down);
        EXPECT_EQ(::GetCapture(), Strip());
        EXPECT_EQ(form_->State().MarkerPos, 40);
        EXPECT_EQ(form_->ArrowTop(), 53);
        EXPECT_EQ(Chosen(), StripAt(40));
        EXPECT_EQ(Readouts(), ReadoutsFor(StripAt(40)));
        EXPECT_EQ(ArrowOnScreen(), 53);
        Release(Strip(), 5, 40, up);
        EXPECT_EQ(::GetCapture(), nullptr);
    }
    // The strip and the base colour are left as they were.
    EXPECT_EQ(Base(), PackRgb(200, 100, 50));
    EXPECT_EQ(StripAt(170), bottom);
    // The arrow's tip, and the chosen colour, on the screen.
    const RECT swatch = ClientRectIn(form_->Control(picChosenColor), form_->Hwnd());
    EXPECT_EQ(ScreenPixel(form_->Hwnd(), swatch.left + 20, swatch.top + 20), StripAt(40));
    EXPECT_EQ(ScreenPixel(form_->Hwnd(), kArrowLeft, kStripTop + 40), 0u);
}

TEST_F(Picking, StripDragHoldsAtTheEdgesAndKeepsTheLastRowPicked) {
    StoreImColor(PackRgb(200, 100, 50));
    Open();
    Press(Strip(), 5, 40);
    MoveHeld(Strip(), 5, 0, 0);
    EXPECT_EQ(form_->State().MarkerPos, 40) << "a move with no button changes nothing";
    const std::wstring readouts = Readouts();

    MoveHeld(Strip(), 5, -5);
    EXPECT_EQ(form_->State().MarkerPos, 0);
    EXPECT_EQ(ArrowOnScreen(), 13);
    EXPECT_EQ(Chosen(), StripAt(40));
    EXPECT_EQ(Readouts(), readouts);
    for (int y : {171, 300}) {
        MoveHeld(Strip(), 5, y);
        EXPECT_EQ(form_->State().MarkerPos, 171);
        EXPECT_EQ(ArrowOnScreen(), 184);
        EXPECT_EQ(Chosen(), StripAt(40));
        EXPECT_EQ(Readouts(), readouts);
    }
    // A release below changes nothing either.
    Release(Strip(), 5, 300);
    EXPECT_EQ(form_->State().MarkerPos, 171);
    EXPECT_EQ(Chosen(), StripAt(40));
    EXPECT_EQ(::GetCapture(), nullptr);

    // The last row picks, the next one holds; sideways off the strip it goes on picking by row.
    Press(Strip(), 5, 100);
    MoveHeld(Strip(), 5, 170);
    EXPECT_EQ(form_->State().MarkerPos, 170);
    EXPECT_EQ(Chosen(), StripAt(170));
    MoveHeld(Strip(), -30, 0);
    EXPECT_EQ(form_->State().MarkerPos, 0);
    EXPECT_EQ(Chosen(), PackRgb(255, 255, 255));
    MoveHeld(Strip(), 60, 122);
    EXPECT_EQ(Chosen(), StripAt(122));
    Release(Strip(), 60, 80);
    EXPECT_EQ(form_->State().MarkerPos, 80) << "a release inside picks once more";
    EXPECT_EQ(Chosen(), StripAt(80));
}

TEST_F(Picking, PalettePicksKeepTheMarkerSetOnTheStrip) {
    StoreImColor(0);
    Open();
    Press(Strip(), 5, 40);
    Release(Strip(), 5, 40);
    Press(Palette(), 60, 20);
    Release(Palette(), 60, 20);
    EXPECT_EQ(form_->State().MarkerPos, 40);
    EXPECT_EQ(Chosen(), StripAt(40)) << "the new strip's colour at the marker";
    EXPECT_NE(Chosen(), PaletteAt(60, 20));
    EXPECT_EQ(Readouts(), ReadoutsFor(StripAt(40)));
    EXPECT_EQ(ArrowOnScreen(), 53);

    // After a hold below the strip the palette reads the nearest row.
    Press(Strip(), 5, 100);
    MoveHeld(Strip(), 5, 200);
    Release(Strip(), 5, 200);
    Press(Palette(), 120, 90);
    Release(Palette(), 120, 90);
    EXPECT_EQ(form_->State().MarkerPos, 171);
    EXPECT_EQ(Chosen(), StripAt(170));
    EXPECT_EQ(ArrowOnScreen(), 184);
}

TEST_F(Picking, CaptureLastsUntilTheLastButtonIsLetGo) {
    StoreImColor(0);
    Open();
    Press(Palette(), 10, 10, WM_LBUTTONDOWN);
    ::SendMessageW(Palette(), WM_RBUTTONDOWN, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(12, 12));
    ::SendMessageW(Palette(), WM_LBUTTONUP, MK_RBUTTON, MAKELPARAM(14, 14));
    EXPECT_EQ(::GetCapture(), Palette());
    EXPECT_EQ(Base(), PaletteAt(14, 14));
    Release(Palette(), 16, 16, WM_RBUTTONUP);
    EXPECT_EQ(::GetCapture(), nullptr);
}

// A long drag: moves allocate nothing, and memory and window-system objects end where they began.
TEST_F(Picking, LongDragLeaksNothing) {
    StoreImColor(PackRgb(20, 140, 220));
    Open();
    const auto drag = [&](HWND box, int moves, int from, auto point) {
        Press(box, 5, 5);
        for (int i = from; i < from + moves; ++i) {
            const POINT p = point(i);
            MoveHeld(box, p.x, p.y);
            if (i % 25 == 0) PumpMessages(); // the window catches up, as between mouse moves
        }
        Release(box, 5, 5);
        PumpMessages();
    };
    const auto palettePoint = [](int i) { return POINT{(i * 37) % 200 - 10, (i * 53) % 190 - 10}; };
    const auto stripPoint = [](int i) { return POINT{5, (i * 7) % 200 - 15}; };
    drag(Palette(), 2000, 0, palettePoint); // first use of every path
    drag(Strip(), 2000, 0, stripPoint);

    const HANDLE process = ::GetCurrentProcess();
    const DWORD gdiBefore = ::GetGuiResources(process, GR_GDIOBJECTS);
    const DWORD userBefore = ::GetGuiResources(process, GR_USEROBJECTS);
    PROCESS_MEMORY_COUNTERS_EX before{};
    ASSERT_TRUE(
        ::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&before), sizeof before));
    const long allocationsBefore = allocations.load();

    drag(Palette(), 20000, 2000, palettePoint);
    drag(Strip(), 20000, 2000, stripPoint);

    EXPECT_EQ(allocations.load(), allocationsBefore);
    // Wine counts no objects here (both stay 0); Windows does.
    EXPECT_EQ(::GetGuiResources(process, GR_GDIOBJECTS), gdiBefore);
    EXPECT_EQ(::GetGuiResources(process, GR_USEROBJECTS), userBefore);
    PROCESS_MEMORY_COUNTERS_EX after{};
    ASSERT_TRUE(
        ::GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&after), sizeof after));
    constexpr SIZE_T kSlack = 256 * 1024;
    EXPECT_LE(after.PrivateUsage, before.PrivateUsage + kSlack);
    EXPECT_LE(after.WorkingSetSize, before.WorkingSetSize + kSlack);
}

// Counting replacements of the global allocator; GCC cannot see that they pair up.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
#endif

void* operator new(std::size_t size) {
    ++allocations;
    if (void* memory = std::malloc(size ? size : 1)) return memory;
    throw std::bad_alloc();
}
void operator delete(void* memory) noexcept { std::free(memory); }
void operator delete(void* memory, std::size_t) noexcept { std::free(memory); }
