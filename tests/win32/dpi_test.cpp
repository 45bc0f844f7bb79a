// The window on a denser screen. CTest runs this program three times: at 96 dpi, and with the
// prefix's LogPixels set to 144 and to 192 before it starts (TINTORA_TEST_DPI says which). The window
// must lay itself out for the density, show the palette and the strip enlarged pixel for pixel,
// take a press on the picture pixel drawn under the pointer, and sample the screen pixel under the
// eyedropper's tip.
#include "window_fixture.h"

#include "editor/marker.h"
#include "platform/dpi.h"

#include <cstdlib>
#include <vector>

using namespace tintora;
using namespace tintora::testing;
using platform::FirstPhysical;
using platform::LogicalFromPhysical;
using platform::MiddlePhysical;

namespace {

int DensityUnderTest() {
    const char* dpi = std::getenv("TINTORA_TEST_DPI");
    return dpi != nullptr ? std::atoi(dpi) : 96;
}

// What the screen shows over a control's client area, row by row.
struct ScreenPicture {
    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    COLORREF At(int x, int y) const { return pixels[y * width + x]; }
};

ScreenPicture Shown(HWND control) {
    ScreenPixel(control, 0, 0); // paints, and lets Wine hand the pixels to the X server
    RECT client{};
    ::GetClientRect(control, &client);
    POINT origin{0, 0};
    ::ClientToScreen(control, &origin);
    ScreenPicture picture{client.right, client.bottom, {}};
    BITMAPINFO info{};
    info.bmiHeader = {sizeof info.bmiHeader, picture.width, -picture.height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    const platform::UniqueBitmap copy(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const platform::UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    {
        const platform::SelectionGuard selection(dc.get(), copy.get());
        const platform::UniqueWindowDc screen = platform::GetWindowDc(nullptr);
        ::BitBlt(dc.get(), 0, 0, picture.width, picture.height, screen.get(), origin.x, origin.y, SRCCOPY);
    }
    ::GdiFlush();
    for (int i = 0; i < picture.width * picture.height; ++i) {
        const std::uint32_t pixel = static_cast<const std::uint32_t*>(bits)[i];
        picture.pixels.push_back(RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
    }
    return picture;
}

LOGFONTW FontOf(HWND control) {
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    return font;
}

class Density : public WindowTest {
protected:
    void SetUp() override { dpi_ = DensityUnderTest(); }

    // Every control where the layout puts it at that density, in its fonts.
    void ExpectLaidOutAt(int dpi) {
        RECT client{};
        ::GetClientRect(form_->Hwnd(), &client);
        EXPECT_EQ(client.right, platform::Scale(kClientWidth, dpi));
        EXPECT_EQ(client.bottom, platform::Scale(kClientHeight, dpi));
        for (const ControlLayout& layout : kControls) {
            const RECT rect = ClientRectIn(form_->Control(layout.id), form_->Hwnd());
            if (layout.id == imgArrow) {
                EXPECT_EQ(rect.left, platform::Scale(kArrowLeft, dpi));
                EXPECT_EQ(rect.top, ArrowTopAt(ArrowTopFor(form_->State().MarkerPos), dpi));
                EXPECT_EQ(rect.right - rect.left, FirstPhysical(kArrowWidth, dpi));
                EXPECT_EQ(rect.bottom - rect.top, FirstPhysical(kArrowHeight, dpi));
                continue;
            }
            const platform::Edges edges =
                platform::ScaleEdges(layout.left, layout.top, layout.width, layout.height, dpi);
            EXPECT_EQ(rect.top, edges.top) << layout.id << " at " << dpi;
            EXPECT_EQ(rect.right, edges.right) << layout.id << " at " << dpi;
            EXPECT_EQ(rect.bottom, edges.bottom) << layout.id << " at " << dpi;
            // Labels sized to their text keep their right edge and may grow to the left.
            if (layout.look & kRightAligned) {
                EXPECT_LE(rect.left, edges.left) << layout.id << " at " << dpi;
            } else {
                EXPECT_EQ(rect.left, edges.left) << layout.id << " at " << dpi;
            }
            if (layout.kind != ControlKind::PictureBox && layout.kind != ControlKind::Image) {
                const LOGFONTW font = FontOf(form_->Control(layout.id));
                EXPECT_EQ(font.lfHeight, -platform::Scale(11, dpi)) << layout.id << " at " << dpi;
                EXPECT_EQ(font.lfWeight >= FW_BOLD, layout.id == cmdSaveColor) << layout.id << " at " << dpi;
            }
        }
        // The palette and the strip keep their pixels, whatever the density.
        EXPECT_EQ(form_->Box(picColors).ScaleWidth(), 175);
        EXPECT_EQ(form_->Box(picColors).ScaleHeight(), 171);
        EXPECT_EQ(form_->Box(picGradient).ScaleWidth(), 11);
        EXPECT_EQ(form_->Box(picGradient).ScaleHeight(), 171);
    }

    // Readouts of three digits and the hex code fit their boxes.
    void ExpectReadoutsFit() {
        for (ControlId id : {txtHue, txtSat, txtLum, txtRed, txtGreen, txtBlue, txtHexa}) {
            const HWND box = form_->Control(id);
            RECT format{};
            ::SendMessageW(box, EM_GETRECT, 0, reinterpret_cast<LPARAM>(&format));
            const wchar_t* widest = id == txtHexa ? L"D0D0D0" : L"240";
            SIZE extent{};
            const platform::UniqueWindowDc dc = platform::GetWindowDc(box);
            const platform::SelectionGuard selection(
                dc.get(), reinterpret_cast<HFONT>(::SendMessageW(box, WM_GETFONT, 0, 0)));
            ::GetTextExtentPoint32W(dc.get(), widest, lstrlenW(widest), &extent);
            EXPECT_LE(extent.cx, format.right - format.left) << id;
        }
    }

    int dpi_ = 96;
};

} // namespace

TEST_F(Density, WineTellsTheDensityAndTheProgramIsPerMonitorAwareWithCurrentControls) {
    frmTintora& form = Open();
    EXPECT_EQ(platform::WindowDpi(form.Hwnd()), dpi_);
    EXPECT_EQ(platform::SystemDpi(), dpi_);
    EXPECT_EQ(form.Dpi(), dpi_);
    // From the manifest compiled into the program. (Wine 8 takes PerMonitorV2 as per-monitor, the
    // awareness both versions report.)
    EXPECT_EQ(::GetAwarenessFromDpiAwarenessContext(::GetThreadDpiAwarenessContext()),
              DPI_AWARENESS_PER_MONITOR_AWARE);
    // Common controls 6 come from their side-by-side assembly.
    wchar_t path[MAX_PATH] = L"";
    ::GetModuleFileNameW(::GetModuleHandleW(L"comctl32.dll"), path, MAX_PATH);
    CharLowerW(path);
    EXPECT_NE(std::wstring(path).find(L"microsoft.windows.common-controls_6595b64144ccf1df_6.0."),
              std::wstring::npos)
        << path;
}

TEST_F(Density, TheFrameAndEveryControlScaleTogether) {
    frmTintora& form = Open();
    ExpectLaidOutAt(dpi_);
    ExpectReadoutsFit();
    RECT frame{}, work{};
    ::GetWindowRect(form.Hwnd(), &frame);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 1);
}

TEST_F(Density, ThePaletteShowsEveryPixelWholeAndAPressTakesThePixelUnderThePointer) {
    frmTintora& form = Open();
    const HWND palette = form.Control(picColors);
    const ScreenPicture shown = Shown(palette);
    // Enlarged nearest-neighbour: every screen pixel is one palette pixel, none blended.
    for (int y = 0; y < shown.height; ++y)
        for (int x = 0; x < shown.width; ++x)
            ASSERT_EQ(shown.At(x, y), form.Box(picColors).ReadPixel(LogicalFromPhysical(x, dpi_),
                                                                    LogicalFromPhysical(y, dpi_)))
                << x << "," << y;
    EXPECT_EQ(LogicalFromPhysical(shown.width - 1, dpi_), 174);
    EXPECT_EQ(LogicalFromPhysical(shown.height - 1, dpi_), 170);
    // Every screen column along three rows and every screen row along three columns: the press
    // chooses the colour shown under it (the marker is on the base colour's band).
    const auto pressAt = [&](int x, int y) {
        Press(palette, x, y, WM_RBUTTONDOWN);
        Release(palette, x, y, WM_RBUTTONUP);
        return form.Box(picChosenColor).BackColor();
    };
    for (int y : {0, shown.height / 2 + 1, shown.height - 1})
        for (int x = 0; x < shown.width; ++x)
            ASSERT_EQ(pressAt(x, y), shown.At(x, y)) << x << "," << y;
    for (int x : {0, shown.width / 3, shown.width - 1})
        for (int y = 0; y < shown.height; ++y)
            ASSERT_EQ(pressAt(x, y), shown.At(x, y)) << x << "," << y;
    // Dragged one screen pixel beyond any edge, the pointer is off the palette and picks nothing.
    const COLORREF last = pressAt(shown.width / 2, shown.height / 2);
    Press(palette, shown.width / 2, shown.height / 2);
    for (POINT off : {POINT{shown.width, 5}, POINT{5, shown.height}, POINT{-1, 5}, POINT{5, -1}})
        MoveHeld(palette, off.x, off.y);
    Release(palette, shown.width, shown.height);
    EXPECT_EQ(form.Box(picChosenColor).BackColor(), last);
}

TEST_F(Density, TheStripPicksTheRowUnderThePointerAndTheArrowPointsAtIt) {
    frmTintora& form = Open();
    form.SetBaseColor(RGB(200, 100, 50));
    const HWND strip = form.Control(picGradient);
    const ScreenPicture shown = Shown(strip);
    const RECT stripRect = ClientRectIn(strip, form.Hwnd());
    for (int y = 0; y < shown.height; ++y) {
        for (int x = 0; x < shown.width; ++x)
            ASSERT_EQ(shown.At(x, y), form.Box(picGradient).ReadPixel(0, LogicalFromPhysical(y, dpi_))) << y;
        Press(strip, shown.width - 1, y);
        Release(strip, shown.width - 1, y);
        ASSERT_EQ(form.State().MarkerPos, LogicalFromPhysical(y, dpi_)) << y;
        ASSERT_EQ(form.Box(picChosenColor).BackColor(), shown.At(0, y)) << y;
        // The middle of the arrow's tip is on a screen row that shows the marked row. The arrow window
        // follows once the window has handled its waiting messages.
        PumpMessages();
        const RECT arrow = ClientRectIn(form.Control(imgArrow), form.Hwnd());
        const int tip = arrow.top + MiddlePhysical(kArrowTipRow, dpi_) - stripRect.top;
        ASSERT_EQ(LogicalFromPhysical(tip, dpi_), form.State().MarkerPos) << y;
    }
    // The tip itself, black on the screen beside a marked row, and the row beside it.
    Press(strip, 0, FirstPhysical(40, dpi_));
    Release(strip, 0, FirstPhysical(40, dpi_));
    PumpMessages();
    const RECT arrow = ClientRectIn(form.Control(imgArrow), form.Hwnd());
    EXPECT_EQ(arrow.top + MiddlePhysical(kArrowTipRow, dpi_), stripRect.top + MiddlePhysical(40, dpi_));
    EXPECT_EQ(ScreenPixel(form.Hwnd(), arrow.left, stripRect.top + MiddlePhysical(40, dpi_)), RGB(0, 0, 0));
    // Dragged one screen row beyond either end, the marker holds at that edge.
    Press(strip, 0, 0);
    MoveHeld(strip, 0, -1);
    EXPECT_EQ(form.State().MarkerPos, 0);
    MoveHeld(strip, 0, shown.height);
    EXPECT_EQ(form.State().MarkerPos, 171);
    Release(strip, 0, shown.height);
    PumpMessages();
    EXPECT_EQ(ClientRectIn(form.Control(imgArrow), form.Hwnd()).top, ArrowTopAt(ArrowTopFor(171), dpi_));
}

TEST_F(Density, TheEyedropperIsItsSizeForTheDensityAndSamplesThePixelUnderItsTip) {
    frmTintora& form = Open();
    ICONINFO cursor{};
    ASSERT_TRUE(::GetIconInfo(form.Box(picScreenColor).Picture(), &cursor));
    const platform::UniqueBitmap mask(cursor.hbmMask);
    const platform::UniqueBitmap colour(cursor.hbmColor);
    BITMAP size{};
    ::GetObjectW(colour.get(), sizeof size, &size);
    EXPECT_EQ(size.bmWidth, platform::Scale(32, dpi_));
    EXPECT_EQ(cursor.xHotspot, 0u);
    EXPECT_EQ(cursor.yHotspot, static_cast<DWORD>(platform::Scale(20, dpi_)));

    // The tip on palette pixels whose screen pixels start at odd places; one pass of the loop, which
    // the release waiting in the queue ends.
    const HWND palette = form.Control(picColors);
    const ScreenPicture shown = Shown(palette);
    for (POINT at : {POINT{1, 1}, POINT{FirstPhysical(101, dpi_), FirstPhysical(40, dpi_) + 1},
                     POINT{shown.width - 1, shown.height - 1}}) {
        POINT screen = at;
        ::ClientToScreen(palette, &screen);
        ::SetCursorPos(screen.x, screen.y);
        ::PostMessageW(form.Control(picScreenColor), WM_LBUTTONUP, 0, 0);
        Press(form.Control(picScreenColor), 1, 1);
        EXPECT_EQ(form.Box(picChosenColor).BackColor(), shown.At(at.x, at.y)) << at.x << "," << at.y;
        EXPECT_EQ(
            form.Box(picChosenColor).BackColor(),
            form.Box(picColors).ReadPixel(LogicalFromPhysical(at.x, dpi_), LogicalFromPhysical(at.y, dpi_)));
    }
}

// Windows sends WM_DPICHANGED when the window goes to a monitor of another density; Wine, with one
// density for every monitor, never does, so the test sends it as Windows would.
TEST_F(Density, AMoveToAnotherDensityLaysTheWindowOutAnewAndBack) {
    frmTintora& form = Open();
    const int other = dpi_ == 144 ? 192 : 144;
    for (int dpi : {other, 96, dpi_}) {
        SIZE size{};
        ASSERT_TRUE(::SendMessageW(form.Hwnd(), WM_GETDPISCALEDSIZE, dpi, reinterpret_cast<LPARAM>(&size)));
        RECT frame{};
        ::GetWindowRect(form.Hwnd(), &frame);
        RECT suggested{frame.left, frame.top, frame.left + size.cx, frame.top + size.cy};
        ::SendMessageW(form.Hwnd(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi),
                       reinterpret_cast<LPARAM>(&suggested));
        PumpMessages();
        EXPECT_EQ(form.Dpi(), dpi);
        ExpectLaidOutAt(dpi);
        ICONINFO cursor{};
        ASSERT_TRUE(::GetIconInfo(form.Box(picMouse).Picture(), &cursor));
        const platform::UniqueBitmap mask(cursor.hbmMask);
        const platform::UniqueBitmap colour(cursor.hbmColor);
        EXPECT_EQ(cursor.yHotspot, static_cast<DWORD>(platform::Scale(20, dpi)));
        ICONINFO icon{};
        ASSERT_TRUE(::GetIconInfo(
            reinterpret_cast<HICON>(::SendMessageW(form.Hwnd(), WM_GETICON, ICON_SMALL, 0)), &icon));
        const platform::UniqueBitmap iconMask(icon.hbmMask);
        const platform::UniqueBitmap iconColour(icon.hbmColor);
        BITMAP iconSize{};
        ::GetObjectW(iconColour.get(), sizeof iconSize, &iconSize);
        EXPECT_EQ(iconSize.bmWidth, platform::Scale(16, dpi));
        // Picks still land on the pixel under the pointer.
        const HWND palette = form.Control(picColors);
        const ScreenPicture shown = Shown(palette);
        const POINT at{FirstPhysical(120, dpi), FirstPhysical(33, dpi)};
        Press(palette, at.x, at.y);
        Release(palette, at.x, at.y);
        EXPECT_EQ(form.Box(picChosenColor).BackColor(), shown.At(at.x, at.y));
        EXPECT_EQ(form.Box(picChosenColor).BackColor(), form.Box(picColors).ReadPixel(120, 33));
    }
}
