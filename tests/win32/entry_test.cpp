// Colours given by their numbers on the real window: typing into the readout boxes with Enter, Escape
// and Tab through the program's own pump, bad entries and their balloon tip, and Ctrl+C and Ctrl+V
// with the real clipboard. None of it touches the registry.
#include "window_fixture.h"

#include "colour/hsl.h"
#include "model/readout_texts.h"
#include "platform/message_loop.h"

#include <commctrl.h>

#include <string>
#include <utility>
#include <vector>

using namespace tintora;
using namespace tintora::testing;

namespace {

constexpr std::uint32_t kStored = 0x003264C8; // red 200, green 100, blue 50: hue 13, sat 144, lum 118

void SetClipboard(const std::wstring& text) {
    ASSERT_TRUE(::OpenClipboard(nullptr));
    ::EmptyClipboard();
    const HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    ::lstrcpyW(static_cast<wchar_t*>(::GlobalLock(memory)), text.c_str());
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
}

std::wstring ClipboardText() {
    std::wstring text;
    if (!::OpenClipboard(nullptr)) return L"(not opened)";
    if (const HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        text = static_cast<const wchar_t*>(::GlobalLock(data));
        ::GlobalUnlock(data);
    }
    ::CloseClipboard();
    return text;
}

// The text of the balloon tip this thread shows, if one shows.
std::wstring BalloonText() {
    std::wstring found;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND window, LPARAM result) {
            wchar_t name[64] = L"";
            ::GetClassNameW(window, name, 64);
            if (::lstrcmpiW(name, TOOLTIPS_CLASSW) == 0 && ::IsWindowVisible(window))
                *reinterpret_cast<std::wstring*>(result) = TextOf(window);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&found));
    return found;
}

std::vector<HWND> announced;

void CALLBACK OnWinEvent(HWINEVENTHOOK, DWORD, HWND window, LONG object, LONG child, DWORD, DWORD) {
    if (object == OBJID_CLIENT && child == CHILDID_SELF) announced.push_back(window);
}

class Entry : public WindowTest {
protected:
    TintoraWindow& OpenFocused(ControlId id) {
        StoreImColor(kStored);
        TintoraWindow& form = Open();
        ::SetForegroundWindow(form.Hwnd());
        ::SetFocus(form.Control(id));
        return form;
    }
    // Keys and characters go to the focus through the program's own pump, dialog navigation included.
    void Key(WPARAM key, bool control = false) {
        BYTE state[256] = {};
        ::GetKeyboardState(state);
        state[VK_CONTROL] = control ? 0x80 : 0;
        ::SetKeyboardState(state);
        ::PostMessageW(::GetFocus(), WM_KEYDOWN, key, 1);
        ::PostMessageW(::GetFocus(), WM_KEYUP, key, static_cast<LPARAM>(0xC0000001u));
        platform::PumpPendingMessages(form_->Hwnd());
        state[VK_CONTROL] = 0;
        ::SetKeyboardState(state);
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
    std::vector<std::wstring> Readouts() {
        std::vector<std::wstring> texts;
        for (ControlId id : {txtHue, txtSat, txtLum, txtRed, txtGreen, txtBlue, txtHexa})
            texts.push_back(Text(id));
        return texts;
    }
    static std::vector<std::wstring> ReadoutsOf(ColourValue colour) {
        std::vector<std::wstring> texts;
        for (const ReadoutText& text : MakeReadoutTexts(colour))
            texts.emplace_back(text.data());
        return texts;
    }
    // The New colour, as the base colour of a strip whose marker is on the base band.
    ::testing::AssertionResult Entered(ColourValue colour) {
        if (Chosen() == static_cast<COLORREF>(colour) && Marker() == ColourModel::kStartMarker &&
            StripAt(75) == static_cast<COLORREF>(colour) && Readouts() == ReadoutsOf(colour))
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "New is " << std::hex << Chosen() << ", marker " << std::dec
                                             << Marker() << ", hex readout " << Text(txtHexa).c_str();
    }
};

} // namespace

TEST_F(Entry, EnterInEachBoxMakesTheTypedColourTheBaseAndScreenReadersHearIt) {
    OpenFocused(picGradient);
    Key(VK_END); // the marker away from the base band, New a dark row
    const ColourValue dark = static_cast<ColourValue>(Chosen());
    const HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_OBJECT_VALUECHANGE, EVENT_OBJECT_VALUECHANGE, nullptr, &OnWinEvent,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    PumpMessages();
    announced.clear();
    // Each box reads against New as it stands.
    const std::pair<ControlId, const wchar_t*> channels[] = {
        {txtRed, L"10"}, {txtGreen, L"255"}, {txtBlue, L"0"}, {txtHexa, L"#1e90ff"}};
    const ColourValue results[] = {PackRgb(10, GetGreen(dark), GetBlue(dark)),
                                   PackRgb(10, 255, GetBlue(dark)), PackRgb(10, 255, 0),
                                   PackRgb(30, 144, 255)};
    for (int i = 0; i < 4; ++i) {
        Type(channels[i].first, channels[i].second);
        Key(VK_RETURN);
        EXPECT_TRUE(Entered(results[i])) << channels[i].second;
        EXPECT_EQ(::GetFocus(), form_->Control(channels[i].first)) << "Enter keeps the focus";
    }
    PumpMessages();
    EXPECT_EQ(std::exchange(announced, {}).size(), 4u) << "each entry is announced";

    // Hue, sat and lum join the other two as they stand.
    Type(txtHue, L"80");
    Key(VK_RETURN);
    EXPECT_EQ(RgbToHsl(static_cast<ColourValue>(Chosen())), (HslColour{80, 240, 135}));
    EXPECT_TRUE(Entered(static_cast<ColourValue>(Chosen())));
    Type(txtSat, L" 0 ");
    Key(VK_RETURN);
    EXPECT_EQ(Readouts()[0] + L"," + Readouts()[1] + L"," + Readouts()[2], L"160,0,135") << "a grey";
    Type(txtLum, L"240");
    Key(VK_RETURN);
    EXPECT_TRUE(Entered(kWhite));
    ::UnhookWinEvent(hook);
    EXPECT_EQ(StoredImColor(), kStored) << "nothing is stored until Save";
}

TEST_F(Entry, EscapeRestoresLeavingEntersAndTabbingThroughChangesNothing) {
    OpenFocused(picGradient);
    Key(VK_END);
    const COLORREF picked = Chosen();
    const std::vector<std::wstring> shown = Readouts();
    // Through every box and round to the strip again without typing.
    for (int i = 0; i < 15; ++i)
        Key(VK_TAB);
    EXPECT_EQ(::GetFocus(), form_->Control(picGradient));
    EXPECT_EQ(Chosen(), picked);
    EXPECT_EQ(Marker(), kStripRows - 1);

    Type(txtRed, L"99");
    Key(VK_ESCAPE);
    EXPECT_EQ(Text(txtRed), shown[kRed]);
    Key(VK_TAB);
    EXPECT_EQ(::GetFocus(), form_->Control(txtGreen));
    EXPECT_EQ(Chosen(), picked) << "what Escape undid is not entered on leaving";
    EXPECT_EQ(Marker(), kStripRows - 1);

    Type(txtGreen, L"50");
    Key(VK_TAB);
    EXPECT_EQ(::GetFocus(), form_->Control(txtBlue));
    EXPECT_TRUE(Entered(
        PackRgb(GetRed(static_cast<ColourValue>(picked)), 50, GetBlue(static_cast<ColourValue>(picked)))));
}

TEST_F(Entry, TextABoxDoesNotTakeChangesNothingAndTheBoxSaysWhatItTakes) {
    OpenFocused(picGradient);
    Key(VK_END);
    const COLORREF picked = Chosen();
    const std::vector<std::wstring> shown = Readouts();
    const struct {
        ControlId box;
        const wchar_t* text;
        const wchar_t* hint;
    } cases[] = {{txtRed, L"256", L"Type a number from 0 to 255."},
                 {txtGreen, L"abc", L"Type a number from 0 to 255."},
                 {txtBlue, L"-1", L"Type a number from 0 to 255."},
                 {txtHue, L"241", L"Type a number from 0 to 240."},
                 {txtSat, L"1.5", L"Type a number from 0 to 240."},
                 {txtLum, L"", L"Type a number from 0 to 240."},
                 {txtHexa, L"12345", L"Type six hex digits, red first, such as 1E90FF."},
                 {txtHexa, L"1E90FF00000000000000000000000000000001",
                  L"Type six hex digits, red first, such as 1E90FF."}};
    for (const auto& c : cases) {
        Type(c.box, c.text);
        Key(VK_RETURN);
        EXPECT_EQ(Chosen(), picked) << c.text;
        EXPECT_EQ(Marker(), kStripRows - 1) << c.text;
        EXPECT_EQ(Readouts(), shown) << c.text;
        EXPECT_EQ(BalloonText(), c.hint) << c.text;
    }
    Type(txtBlue, L"x");
    Key(VK_TAB); // leaving with a bad entry is the same
    EXPECT_EQ(Chosen(), picked);
    EXPECT_EQ(Text(txtBlue), shown[kBlue]);
}

// A model change that leaves the focus where it is (a screen reader pressing Random, say) updates
// every box but the one being typed in; that one is entered as typed when the user finishes.
TEST_F(Entry, TypingIsNotOverwrittenWhileTheColourChangesElsewhere) {
    OpenFocused(picGradient);
    Type(txtRed, L"7");
    ::SendMessageW(form_->Hwnd(), WM_COMMAND, MAKEWPARAM(cmdRandom, BN_CLICKED),
                   reinterpret_cast<LPARAM>(form_->Control(cmdRandom)));
    PumpMessages();
    const ColourValue random = static_cast<ColourValue>(Chosen());
    ASSERT_NE(random, static_cast<ColourValue>(kStored));
    EXPECT_EQ(Text(txtRed), L"7");
    EXPECT_EQ(Text(txtGreen), ReadoutsOf(random)[kGreen]);
    Key(VK_RETURN);
    EXPECT_TRUE(Entered(PackRgb(7, GetGreen(random), GetBlue(random))));
}

TEST_F(Entry, CtrlVPastesAColourCodeAndCtrlCCopiesNewOutsideTheTextBoxes) {
    OpenFocused(picColors);
    SetClipboard(L"rgb(30, 144, 255)");
    Key('V', true);
    EXPECT_TRUE(Entered(PackRgb(30, 144, 255)));
    ::SetFocus(form_->Control(cmdSaveColor));
    SetClipboard(L"  #F80\r\n");
    Key('V', true);
    EXPECT_TRUE(Entered(PackRgb(255, 136, 0))) << "from a button too";
    SetClipboard(L"no colour");
    Key('V', true);
    EXPECT_TRUE(Entered(PackRgb(255, 136, 0)));
    ::SetFocus(form_->Control(cmdRandom));
    Key('C', true);
    EXPECT_EQ(ClipboardText(), L"#FF8800");
    EXPECT_EQ(::GetFocus(), form_->Control(cmdRandom)) << "neither key presses a button";

    // In a readout box the keys are the box's own: a copy of the selection, a paste into the box.
    ::SetFocus(form_->Control(txtRed));
    ::SendMessageW(form_->Control(txtRed), EM_SETSEL, 0, -1);
    Key('C', true);
    EXPECT_EQ(ClipboardText(), L"255");
    SetClipboard(L"12");
    Key('V', true);
    EXPECT_EQ(Text(txtRed), L"12");
    EXPECT_EQ(Chosen(), PackRgb(255, 136, 0)) << "until Enter";
    Key(VK_RETURN);
    EXPECT_TRUE(Entered(PackRgb(12, 136, 0)));
    EXPECT_EQ(StoredImColor(), kStored) << "nothing is stored until Save";
}
