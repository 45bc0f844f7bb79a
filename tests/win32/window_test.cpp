// The whole window: frame, controls, texts, fonts, tab order, start-up from the registry, Random
// and Exit, on the real window in a throwaway prefix.
#include "window_fixture.h"

#include "editor/marker.h"

#include <set>
#include <vector>

using namespace tintora;
using namespace tintora::testing;
using modTintora::PackRgb;

namespace {

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = L"";
    ::GetClassNameW(window, name, 64);
    return name;
}

std::wstring FaceOf(HWND control, bool* bold) {
    LOGFONTW font{};
    ::GetObjectW(reinterpret_cast<HFONT>(::SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font, &font);
    *bold = font.lfWeight >= FW_BOLD;
    return font.lfFaceName;
}

} // namespace

TEST_F(WindowTest, FixedFrameCentredWithItsTitleAndNoMenu) {
    frmTintora& form = Open();
    wchar_t title[32] = L"";
    ::GetWindowTextW(form.Hwnd(), title, 32);
    EXPECT_STREQ(title, L"Tintora!");
    const LONG style = ::GetWindowLongW(form.Hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_EQ(::GetMenu(form.Hwnd()), nullptr);
    RECT client{};
    ::GetClientRect(form.Hwnd(), &client);
    EXPECT_EQ(client.right, 290);
    EXPECT_EQ(client.bottom, 275);
    RECT frame{}, work{};
    ::GetWindowRect(form.Hwnd(), &frame);
    ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    EXPECT_LE(std::abs((frame.left + frame.right) - (work.left + work.right)), 1);
    EXPECT_LE(std::abs((frame.top + frame.bottom) - (work.top + work.bottom)), 1);
    EXPECT_EQ(::GetClassLongPtrW(form.Hwnd(), GCLP_HBRBACKGROUND), COLOR_BTNFACE + 1);
}

TEST_F(WindowTest, EveryControlIsARealChildAtItsPlace) {
    frmTintora& form = Open();
    for (const ControlLayout& layout : kControls) {
        const HWND control = form.Control(layout.id);
        ASSERT_NE(control, nullptr) << layout.id;
        EXPECT_EQ(::GetDlgCtrlID(control), layout.id);
        const RECT rect = ClientRectIn(control, form.Hwnd());
        // Labels sized to their text keep their right edge; with MS Sans Serif they are exact.
        EXPECT_EQ(rect.right, layout.left + layout.width) << layout.id;
        EXPECT_EQ(rect.top, layout.id == imgArrow ? ArrowTopFor(kStartMarker) : layout.top) << layout.id;
        EXPECT_EQ(rect.bottom - rect.top, layout.height) << layout.id;
        if (!(layout.look & kRightAligned)) {
            EXPECT_EQ(rect.left, layout.left) << layout.id;
        }
        const std::wstring kind = ClassOf(control);
        switch (layout.kind) {
        case ControlKind::Label: EXPECT_EQ(kind, L"Static") << layout.id; break;
        case ControlKind::TextBox: EXPECT_EQ(kind, L"Edit") << layout.id; break;
        case ControlKind::Button: EXPECT_EQ(kind, L"Button") << layout.id; break;
        default: EXPECT_EQ(kind, L"TintoraPictureBox") << layout.id; break;
        }
        if (layout.text != nullptr && layout.kind != ControlKind::TextBox) {
            EXPECT_EQ(TextOf(control), layout.text) << layout.id;
        }
        EXPECT_EQ(::IsWindowVisible(control) != FALSE, !(layout.look & kHidden)) << layout.id;
    }
    // Swatches and the sampler have a one-pixel border inside their outer size.
    RECT inner{};
    ::GetClientRect(form.Control(picChosenColor), &inner);
    EXPECT_EQ(inner.right, 58);
    EXPECT_EQ(inner.bottom, 40);
    ::GetClientRect(form.Control(picGradient), &inner);
    EXPECT_EQ(inner.right, 11);
    EXPECT_EQ(inner.bottom, 171);
}

TEST_F(WindowTest, ReadoutsAreReadOnlyButSelectable) {
    frmTintora& form = Open();
    for (ControlId id : {txtHue, txtSat, txtLum, txtRed, txtGreen, txtBlue, txtHexa}) {
        const HWND box = form.Control(id);
        EXPECT_TRUE(::GetWindowLongW(box, GWL_STYLE) & ES_READONLY) << id;
        const std::wstring before = TextOf(box);
        ::SendMessageW(box, WM_CHAR, L'7', 0);
        EXPECT_EQ(TextOf(box), before) << id;
    }
}

TEST_F(WindowTest, FontsAreMsSansSerifWithSaveInBold) {
    frmTintora& form = Open();
    bool bold = false;
    EXPECT_EQ(FaceOf(form.Control(cmdSaveColor), &bold), L"MS Sans Serif");
    EXPECT_TRUE(bold);
    EXPECT_EQ(FaceOf(form.Control(lblRed), &bold), L"MS Sans Serif");
    EXPECT_FALSE(bold);
    EXPECT_EQ(FaceOf(form.Control(cmdRandom), &bold), L"MS Sans Serif");
    EXPECT_FALSE(bold);
}

TEST_F(WindowTest, FocusStartsOnThePaletteAndTabVisitsInOrder) {
    frmTintora& form = Open();
    ::SetForegroundWindow(form.Hwnd());
    ::SetFocus(form.Hwnd());
    EXPECT_EQ(::GetFocus(), form.Control(picColors));
    const std::vector<ControlId> expected{
        picGradient, picChosenColor, txtHue,   txtSat,    txtLum,         txtRed,  txtGreen, txtBlue,
        picCurrent,  cmdSaveColor,   cmdClose, cmdRandom, picScreenColor, txtHexa, picColors};
    HWND at = form.Control(picColors);
    for (ControlId id : expected) {
        at = ::GetNextDlgTabItem(form.Hwnd(), at, FALSE);
        EXPECT_EQ(::GetDlgCtrlID(at), id);
    }
}

TEST_F(WindowTest, EnterAndEscPressNothing) {
    frmTintora& form = Open();
    StoreImColor(0x123456);
    ::SetFocus(form.Control(picColors));
    const COLORREF before = form.Box(picChosenColor).BackColor();
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        MSG message{form.Control(picColors), WM_KEYDOWN, key, 0, 0, {}};
        ::IsDialogMessageW(form.Hwnd(), &message);
        PumpMessages();
        EXPECT_TRUE(::IsWindow(form.Hwnd()));
    }
    EXPECT_EQ(form.Box(picChosenColor).BackColor(), before);
    EXPECT_EQ(StoredImColor(), 0x123456u);
}

TEST_F(WindowTest, StartsFromTheStoredColour) {
    StoreImColor(0x00FF0000);
    frmTintora& form = Open();
    EXPECT_EQ(form.Box(picCurrent).BackColor(), PackRgb(0, 0, 255));
    EXPECT_EQ(form.Box(picChosenColor).BackColor(), PackRgb(0, 0, 255));
    EXPECT_EQ(form.State().MarkerPos, kStartMarker);
    EXPECT_EQ(TextOf(form.Control(txtHexa)), L"0000FF");
    EXPECT_EQ(form.Box(picGradient).ReadPixel(0, 75), PackRgb(0, 0, 255));
}

TEST_F(WindowTest, NothingStoredStartsBlack) {
    DeleteMessengerKey();
    frmTintora& form = Open();
    EXPECT_EQ(form.Box(picCurrent).BackColor(), 0u);
    EXPECT_EQ(form.Box(picChosenColor).BackColor(), 0u);
    EXPECT_EQ(form.Box(picGradient).ReadPixel(0, 5), PackRgb(238, 238, 238));
    EXPECT_EQ(form.Box(picGradient).ReadPixel(0, 100), 0u);
    EXPECT_EQ(StoredImColor(), std::nullopt);
}

TEST_F(WindowTest, OddStoredValuesShowTheSameColourAsCurrentAndNew) {
    const BYTE binary[] = {1, 2, 3};
    StoreImColorRaw(REG_BINARY, binary, sizeof binary);
    {
        frmTintora& form = Open();
        EXPECT_EQ(form.Box(picCurrent).BackColor(), PackRgb(1, 2, 3));
        EXPECT_EQ(form.Box(picChosenColor).BackColor(), PackRgb(1, 2, 3));
        form_.reset();
    }
    for (std::uint32_t stored : {0x7F123456u, 0xFF0000FFu, 0xFFFFFFFFu}) {
        StoreImColor(stored);
        frmTintora& form = Open();
        EXPECT_EQ(form.Box(picCurrent).BackColor(), form.Box(picChosenColor).BackColor())
            << std::hex << stored;
        EXPECT_EQ(form.Box(picCurrent).BackColor() >> 24, 0u) << std::hex << stored;
        EXPECT_EQ(StoredImColor(), stored) << "start-up writes nothing";
        form_.reset();
        PumpMessages();
    }
}

TEST_F(WindowTest, RandomNeverGivesAZeroChannelAndLeavesCurrentAlone) {
    StoreImColor(0x00FF0000);
    frmTintora& form = Open();
    std::set<COLORREF> seen;
    for (int press = 0; press < 400; ++press) {
        ::SendMessageW(form.Control(cmdRandom), BM_CLICK, 0, 0);
        const COLORREF chosen = form.Box(picChosenColor).BackColor();
        ASSERT_NE(GetRValue(chosen), 0);
        ASSERT_NE(GetGValue(chosen), 0);
        ASSERT_NE(GetBValue(chosen), 0);
        ASSERT_EQ(form.Box(picGradient).ReadPixel(0, 75), chosen);
        seen.insert(chosen);
    }
    EXPECT_GT(seen.size(), 390u);
    EXPECT_EQ(form.State().MarkerPos, kStartMarker);
    EXPECT_EQ(form.Box(picCurrent).BackColor(), PackRgb(0, 0, 255));
    EXPECT_EQ(StoredImColor(), 0x00FF0000u);
}

TEST_F(WindowTest, ExitClosesTheWindowAndWritesNothing) {
    StoreImColor(0x00123456);
    frmTintora& form = Open();
    ::SendMessageW(form.Control(cmdRandom), BM_CLICK, 0, 0);
    ::SendMessageW(form.Control(cmdClose), BM_CLICK, 0, 0);
    EXPECT_EQ(form.Hwnd(), nullptr);
    MSG quit{};
    EXPECT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(StoredImColor(), 0x00123456u);
    // The close box does the same.
    frmTintora& again = Open();
    ::SendMessageW(again.Hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    EXPECT_EQ(again.Hwnd(), nullptr);
    EXPECT_EQ(StoredImColor(), 0x00123456u);
}
