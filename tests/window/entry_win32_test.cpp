// Colours given by their numbers on the real window: typing into the readout boxes with Enter, Escape
// and Tab through the program's own pump, bad entries and their balloon tip, and Ctrl+C and Ctrl+V
// with the real clipboard. What each box makes of its text is the colour codes' tests' part.
#include "window_fixture.h"

#include "platform/clipboard.h"
#include "platform/message_loop.h"

#include <commctrl.h>

#include <string>

using namespace tintora;
using namespace tintora::testing;

namespace {

constexpr COLORREF kStored = RGB(200, 100, 50);

// Read back independently of the program, as another program would.
std::wstring ClipboardText() {
    std::wstring text = L"(not opened)";
    if (!::OpenClipboard(nullptr)) return text;
    const HANDLE data = ::GetClipboardData(CF_UNICODETEXT);
    text = data != nullptr ? static_cast<const wchar_t*>(::GlobalLock(data)) : L"";
    if (data != nullptr) ::GlobalUnlock(data);
    ::CloseClipboard();
    return text;
}

// The text of the balloon tip this thread shows, if one shows.
std::wstring BalloonText() {
    std::wstring found;
    const auto note = [](HWND window, LPARAM result) -> BOOL {
        wchar_t name[64] = L"";
        ::GetClassNameW(window, name, 64);
        if (::lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && ::IsWindowVisible(window))
            *reinterpret_cast<std::wstring*>(result) = TextOf(window);
        return TRUE;
    };
    ::EnumThreadWindows(::GetCurrentThreadId(), note, reinterpret_cast<LPARAM>(&found));
    return found;
}

class Entry : public WindowTest {
protected:
    // The window at the stored colour with the marker on the strip's last row, New a dark row.
    void SetUp() override {
        OpenFocused(kStored, picGradient);
        Key(VK_END);
    }
    // Replaces a box's text as typing over its selection would.
    void Type(ControlId id, const wchar_t* text) {
        ::SetFocus(form_->Control(id));
        ::SendMessageW(form_->Control(id), EM_SETSEL, 0, -1);
        ::PostMessageW(form_->Control(id), WM_CHAR, VK_BACK, 1);
        for (const wchar_t* c = text; *c != L'\0'; ++c)
            ::PostMessageW(form_->Control(id), WM_CHAR, *c, 1);
        platform::PumpPendingMessages(form_->Hwnd());
    }
    std::wstring Text(ControlId id) { return TextOf(form_->Control(id)); }
    // New is the colour, as the base of a strip whose marker is on the base band.
    bool Entered(COLORREF colour) {
        return Chosen() == colour && Marker() == ColourModel::kStartMarker && StripAt(75) == colour;
    }
};

} // namespace

TEST_F(Entry, TypedNumbersEnterOnEnterOrLeavingEscapeRestoresAndBadTextShowsWhatTheBoxTakes) {
    const COLORREF picked = Chosen();
    for (int i = 0; i < 15; ++i) // through every box and round to the strip again without typing
        Key(VK_TAB);
    EXPECT_EQ(::GetFocus(), form_->Control(picGradient));
    const struct {
        ControlId box;
        const wchar_t* text;
        WPARAM key;
        const wchar_t* hint; // shown where the box does not take the text
    } rejected[] = {{txtRed, L"256", VK_RETURN, L"Type a number from 0 to 255."},
                    {txtLum, L"", VK_RETURN, L"Type a number from 0 to 240."},
                    {txtHexa, L"1E90FF00000000000000000000000000000001", VK_RETURN,
                     L"Type six hex digits, red first, such as 1E90FF."},
                    {txtBlue, L"x", VK_TAB, nullptr},
                    {txtRed, L"99", VK_ESCAPE, nullptr}};
    for (const auto& c : rejected) {
        const std::wstring shown = Text(c.box);
        Type(c.box, c.text);
        Key(c.key);
        EXPECT_EQ(Chosen(), picked) << c.text;
        EXPECT_EQ(Text(c.box), shown) << c.text;
        if (c.hint != nullptr) {
            EXPECT_EQ(BalloonText(), c.hint) << c.text;
        }
    }
    Key(VK_TAB);
    EXPECT_EQ(::GetFocus(), form_->Control(txtGreen));
    EXPECT_EQ(Chosen(), picked) << "what Escape undid is not entered on leaving";
    EXPECT_EQ(Marker(), kStripRows - 1);

    Heard();
    const struct {
        ControlId box;
        const wchar_t* text;
        WPARAM key;
        COLORREF colour;
    } entries[] = {{txtGreen, L"50", VK_TAB, RGB(GetRValue(picked), 50, GetBValue(picked))},
                   {txtHexa, L"#1e90ff", VK_RETURN, RGB(30, 144, 255)},
                   {txtRed, L"10", VK_RETURN, RGB(10, 144, 255)},
                   {txtGreen, L"255", VK_RETURN, RGB(10, 255, 255)},
                   {txtBlue, L"0", VK_RETURN, RGB(10, 255, 0)}};
    for (const auto& entry : entries) {
        Type(entry.box, entry.text);
        Key(entry.key);
        EXPECT_TRUE(Entered(entry.colour)) << entry.text;
    }
    EXPECT_EQ(::GetFocus(), form_->Control(txtBlue)) << "Enter keeps the focus";
    const std::pair<ControlId, const wchar_t*> scales[] = {{txtHue, L"80"}, {txtSat, L"0"}, {txtLum, L"240"}};
    for (const auto& [box, text] : scales) {
        Type(box, text);
        Key(VK_RETURN);
        EXPECT_EQ(Text(box), text);
    }
    EXPECT_EQ(Chosen(), RGB(255, 255, 255));
    EXPECT_EQ(Heard().size(), 8u) << "each entry is announced";

    // A model change that leaves the focus where it is (a screen reader pressing Random, say) updates
    // every box but the one being typed in; that one is entered as typed when the user finishes.
    Type(txtRed, L"7");
    ::SendMessageW(form_->Hwnd(), WM_COMMAND, MAKEWPARAM(cmdRandom, BN_CLICKED),
                   reinterpret_cast<LPARAM>(form_->Control(cmdRandom)));
    const COLORREF random = Chosen();
    EXPECT_EQ(Text(txtRed), L"7");
    EXPECT_EQ(Text(txtGreen), std::to_wstring(GetGValue(random)));
    Key(VK_RETURN);
    EXPECT_TRUE(Entered(RGB(7, GetGValue(random), GetBValue(random))));
    EXPECT_EQ(StoredImColor(), kStored) << "nothing is stored until Save";
}

TEST_F(Entry, CtrlVPastesAColourCodeAndCtrlCCopiesNewOutsideTheTextBoxes) {
    for (const auto& [focus, code] :
         {std::pair{picColors, L"rgb(30, 144, 255)"}, {cmdSaveColor, L"no colour"}}) {
        ::SetFocus(form_->Control(focus));
        ASSERT_TRUE(platform::CopyText(nullptr, code));
        Key('V', VK_CONTROL);
        EXPECT_TRUE(Entered(RGB(30, 144, 255))) << "after pasting a code and then none";
    }
    ::SetFocus(form_->Control(cmdRandom));
    Key('C', VK_CONTROL);
    EXPECT_EQ(ClipboardText(), L"#1E90FF");
    EXPECT_EQ(::GetFocus(), form_->Control(cmdRandom)) << "neither key presses a button";

    // In a readout box the keys are the box's own: a copy of the selection, a paste into the box.
    ::SetFocus(form_->Control(txtRed));
    ::SendMessageW(form_->Control(txtRed), EM_SETSEL, 0, -1);
    Key('C', VK_CONTROL);
    EXPECT_EQ(ClipboardText(), L"30");
    ASSERT_TRUE(platform::CopyText(nullptr, L"12"));
    Key('V', VK_CONTROL);
    EXPECT_EQ(Chosen(), RGB(30, 144, 255)) << "until Enter";
    Key(VK_RETURN);
    EXPECT_TRUE(Entered(RGB(12, 144, 255)));
}
