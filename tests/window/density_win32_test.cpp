// The window moved between monitors of 96 and 144 dpi, either way and with the eyedropper held, looks
// exactly as a fresh start at the new density; the held eyedropper's magnifier is sized for the
// monitor under the pointer and stays on it. Runs on the two-monitor desk. Wine gives every monitor
// the system's density and never sends WM_DPICHANGED, so here the platform layer's look-up answers
// each monitor's density from a table the tests set, and the tests send WM_DPICHANGED themselves,
// with the rectangle Windows suggests.
#include "window_fixture.h"

#include "platform/surface.h"
#include "platform/system_library.h"
#include "window/magnifier.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

using namespace tintora;
using namespace tintora::testing;

namespace {

int primaryDpi = 96;
int secondDpi = 96;

MONITORINFO InfoOf(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    ::GetMonitorInfoW(monitor, &info);
    return info;
}

int DpiOf(HMONITOR monitor) {
    return (InfoOf(monitor).dwFlags & MONITORINFOF_PRIMARY) != 0 ? primaryDpi : secondDpi;
}

UINT WINAPI DpiForWindow(HWND window) {
    return static_cast<UINT>(DpiOf(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST)));
}

HRESULT WINAPI DpiForMonitor(HMONITOR monitor, int, UINT* x, UINT* y) {
    *x = *y = static_cast<UINT>(DpiOf(monitor));
    return S_OK;
}

// Wine draws every frame at the system's density, whatever the window's.
BOOL WINAPI FrameAsDrawn(RECT* rect, DWORD style, BOOL menu, DWORD exStyle, UINT) {
    return ::AdjustWindowRectEx(rect, style, menu, exStyle);
}

template <typename Function> FARPROC AsFarProc(Function function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void (*)()>(function));
}

FARPROC FromTheTable(const wchar_t* library, const char* name) noexcept;
// Before main, so before anything is looked up: each caller keeps what it found first.
const platform::NewerFunctionLookup systemLookup = platform::UseNewerFunctionLookup(&FromTheTable);

FARPROC FromTheTable(const wchar_t* library, const char* name) noexcept {
    const std::string_view wanted = name;
    if (wanted == "GetDpiForWindow") return AsFarProc(&DpiForWindow);
    if (wanted == "GetDpiForMonitor") return AsFarProc(&DpiForMonitor);
    if (wanted == "AdjustWindowRectExForDpi") return AsFarProc(&FrameAsDrawn);
    return systemLookup(library, name);
}

constexpr POINT kPatch{60, 60};
constexpr COLORREF kPatchColour = RGB(30, 120, 200);

SIZE PictureSize(HICON picture) {
    ICONINFO info{};
    if (picture == nullptr || !::GetIconInfo(picture, &info)) return {0, 0};
    const platform::UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
    BITMAP bitmap{};
    ::GetObjectW(colour ? colour.get() : mask.get(), sizeof bitmap, &bitmap);
    // A cursor without colours stacks its two masks in one bitmap.
    return {bitmap.bmWidth, colour ? bitmap.bmHeight : bitmap.bmHeight / 2};
}

// What a window shows: its client area's size, the arrow's place and the pictures' sizes, and the
// client area's pixels, which show every control's place and font.
struct Look {
    std::vector<std::string> measures;
    std::vector<COLORREF> pixels;
    int width = 0;
};

std::ostream& operator<<(std::ostream& out, const RECT& rect) {
    return out << rect.left << ',' << rect.top << '-' << rect.right << ',' << rect.bottom;
}
std::ostream& operator<<(std::ostream& out, SIZE size) { return out << size.cx << 'x' << size.cy; }

template <typename... Parts> std::string Line(const Parts&... parts) {
    std::ostringstream out;
    (out << ... << parts);
    return out.str();
}

class Densities : public WindowTest {
protected:
    void SetUp() override {
        primary_ = ::MonitorFromPoint({0, 0}, MONITOR_DEFAULTTONULL);
        second_ = ::MonitorFromPoint({-512, -300}, MONITOR_DEFAULTTONULL);
        ASSERT_TRUE(primary_ != nullptr && second_ != nullptr && primary_ != second_)
            << "not on the two-monitor desk (TINTORA_DESK=two-monitors)";
    }

    // The eyedropper held, the pointer then on the patch, the patch sampled.
    void HoldOverThePatch() {
        Hold();
        ::SetCursorPos(kPatch.x, kPatch.y);
        ASSERT_TRUE(WaitFor([&] { return Chosen() == kPatchColour; })) << "the patch was not sampled";
    }
    void Release() {
        Button(MOUSEEVENTF_LEFTUP);
        ASSERT_TRUE(WaitFor([&] { return !Held(); }));
    }

    // A fresh window at that density on either monitor, while held over the patch and after.
    std::pair<Look, Look> FreshAt(int dpi) {
        primaryDpi = secondDpi = dpi;
        Open();
        EXPECT_EQ(form_->Dpi(), dpi);
        HoldOverThePatch();
        Look held = LookOf();
        Release();
        return {std::move(held), LookOf()};
    }

    // As Windows does: the window goes to the monitor at its size, then hears of the new density with
    // the place and size suggested, which Windows 10 asks the window for and 8.1 scales from the frame.
    void MoveTo(HMONITOR monitor, bool asked) {
        const HWND window = form_->Hwnd();
        const int from = form_->Dpi(), to = DpiOf(monitor);
        RECT frame{};
        ::GetWindowRect(window, &frame);
        SIZE size{::MulDiv(frame.right - frame.left, to, from), ::MulDiv(frame.bottom - frame.top, to, from)};
        EXPECT_TRUE(!asked ||
                    ::SendMessageW(window, WM_GETDPISCALEDSIZE, to, reinterpret_cast<LPARAM>(&size)));
        const RECT area = InfoOf(monitor).rcMonitor;
        const LONG left = (area.left + area.right - size.cx) / 2,
                   top = (area.top + area.bottom - size.cy) / 2;
        const RECT suggested{left, top, left + size.cx, top + size.cy};
        ::SetWindowPos(window, nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        ::SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to, to), reinterpret_cast<LPARAM>(&suggested));
    }

    Look LookOf() {
        Look look;
        const HWND window = form_->Hwnd();
        RECT client{};
        ::GetClientRect(window, &client);
        look.measures.push_back(Line("density ", form_->Dpi(), ", client area ", client));
        look.measures.push_back(Line("arrow at ", form_->ArrowPlace()));
        look.measures.push_back(Line("sampler's picture ", PictureSize(form_->Box(picScreenColor).Picture()),
                                     ", its copy ", PictureSize(form_->Box(picMouse).Picture()), ", pointer ",
                                     PictureSize(::GetCursor())));
        for (const WPARAM kind : {ICON_BIG, ICON_SMALL}) {
            auto icon = reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, kind, 0));
            if (icon == nullptr)
                icon = reinterpret_cast<HICON>(
                    ::GetClassLongPtrW(window, kind == ICON_BIG ? GCLP_HICON : GCLP_HICONSM));
            look.measures.push_back(Line("window icon ", PictureSize(icon)));
        }
        // What the screen shows, labels and the arrow's picture among it.
        ScreenPixel(window, 0, 0);
        POINT origin{0, 0};
        ::ClientToScreen(window, &origin);
        platform::Surface copy;
        if (!copy.Create(client.right, client.bottom)) return look;
        const platform::UniqueWindowDc screen = platform::GetWindowDc(nullptr);
        ::BitBlt(copy.Dc(), 0, 0, client.right, client.bottom, screen.get(), origin.x, origin.y, SRCCOPY);
        look.width = client.right;
        for (int y = 0; y < client.bottom; ++y)
            for (int x = 0; x < client.right; ++x)
                look.pixels.push_back(copy.Read(x, y));
        return look;
    }

    static void ExpectSame(const Look& shown, const Look& fresh, const std::string& when) {
        ASSERT_EQ(shown.measures.size(), fresh.measures.size());
        for (std::size_t i = 0; i < shown.measures.size(); ++i)
            EXPECT_EQ(shown.measures[i], fresh.measures[i]) << when;
        if (shown.pixels.size() != fresh.pixels.size()) return; // the client area's size differs, above
        std::size_t differing = 0, first = 0;
        for (std::size_t i = 0; i < shown.pixels.size(); ++i) {
            if (shown.pixels[i] == fresh.pixels[i]) continue;
            if (differing++ == 0) first = i;
        }
        EXPECT_EQ(differing, 0u) << when << ": the first at " << first % fresh.width << ','
                                 << first / fresh.width;
    }

    HMONITOR primary_ = nullptr;
    HMONITOR second_ = nullptr;
    // Where the pointer rests while the eyedropper is held, clear of the window and the magnifier.
    const ColourPatch patch_{kPatch, 20, kPatchColour};
};

} // namespace

TEST_F(Densities, AMoveEitherWayLooksAsAFreshStartAtTheNewDensityAlsoWithTheEyedropperHeld) {
    const std::pair<Look, Look> fresh96 = FreshAt(96), fresh144 = FreshAt(144);
    struct Row {
        int start;  // the primary monitor's density, where the window starts; the second has the other
        bool asked; // the size suggested as Windows 10 does; else as 8.1 does
        bool held;
    };
    for (const Row row :
         {Row{96, true, false}, Row{96, false, false}, Row{96, true, true}, Row{144, false, true}}) {
        primaryDpi = row.start;
        secondDpi = row.start == 96 ? 144 : 96;
        Open();
        for (const HMONITOR to : {second_, primary_}) {
            const auto& [held, released] = DpiOf(to) == 96 ? fresh96 : fresh144;
            const std::string when = Line("to ", DpiOf(to), " dpi from a start at ", row.start,
                                          row.asked ? ", asked" : ", scaled", row.held ? ", held" : "");
            HoldOverThePatch();
            if (!row.held) Release();
            MoveTo(to, row.asked);
            if (row.held) {
                ExpectSame(LookOf(), held, when);
                EXPECT_EQ(::GetCapture(), form_->Control(picScreenColor)) << when;
                Release();
            }
            ExpectSame(LookOf(), released, when);
        }
    }
}

TEST_F(Densities, TheHeldEyedroppersMagnifierIsSizedForTheMonitorUnderThePointerAndStaysOnIt) {
    primaryDpi = 96;
    secondDpi = 144;
    Open();
    HoldOverThePatch();
    const HWND magnifier = ::FindWindowW(Magnifier::kClassName, nullptr);
    // Each monitor's middle, its corners next to the other monitor or to no monitor at all, and the
    // second's right edge above the primary, where the room to the right is on no monitor.
    for (const POINT tip : {POINT{-512, -300}, POINT{-3, 165}, POINT{-1020, 164}, POINT{-4, -300},
                            POINT{512, 400}, POINT{3, 3}, POINT{1020, 764}}) {
        const HMONITOR monitor = ::MonitorFromPoint(tip, MONITOR_DEFAULTTONULL);
        const RECT area = InfoOf(monitor).rcMonitor;
        const MagnifierLook look = MagnifierLookAt(DpiOf(monitor));
        ::SetCursorPos(tip.x, tip.y);
        RECT place{}, reach{};
        // Once it stands beside the tip (the gap away), not where it stood for the last one.
        const bool placed = WaitFor([&] {
            ::GetWindowRect(magnifier, &place);
            ::SetRect(&reach, place.left - look.gap, place.top - look.gap, place.right + look.gap + 1,
                      place.bottom + look.gap + 1);
            return ::IsWindowVisible(magnifier) && ::PtInRect(&reach, tip) &&
                   place.right - place.left == look.side && place.bottom - place.top == look.side &&
                   place.left >= area.left && place.top >= area.top && place.right <= area.right &&
                   place.bottom <= area.bottom;
        });
        EXPECT_TRUE(placed) << Line(tip.x, ',', tip.y, ": ", place, " on ", area, ", ", look.side, " wide");
    }
}
