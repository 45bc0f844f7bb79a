// Colours given by their numbers on the real window: typing into the readout boxes with Enter, Escape
// and Tab through the program's own pump, bad entries and their balloon tip, and Ctrl+C and Ctrl+V
// with the real clipboard. None of it touches the registry.
#include "window_fixture.h"

#include "model/colour_codes.h"
#include "model/readout_texts.h"
#include "platform/message_loop.h"

#include <commctrl.h>

#include <string>
#include <vector>

using namespace tintora;
using namespace tintora::testing;

namespace {

constexpr std::uint32_t kStored = 0x003264C8; // red 200, green 100, blue 50

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
    std::vector<std::wstring> Readouts() {
        std::vector<std::wstring> texts;
        for (ControlId id : {txtHue, txtSat, txtLum, txtRed, txtGreen, txtBlue, txtHexa})
            texts.push_back(Text(id));
        return texts;
    }
    // New is the colour, as the base of a strip whose marker is on the base band, and the readouts show it.
    ::testing::AssertionResult Entered(ColourValue colour) {
        std::vector<std::wstring> texts;
        for (const ReadoutText& text : MakeReadoutTexts(colour))
            texts.emplace_back(text.data());
        if (Chosen() == static_cast<COLORREF>(colour) && Marker() == ColourModel::kStartMarker &&
            StripAt(75) == static_cast<COLORREF>(colour) && Readouts() == texts)
            return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "New is " << std::hex << Chosen() << ", marker " << std::dec
                                             << Marker() << ", hex readout " << Text(txtHexa).c_str();
    }
};

} // namespace

// Each box reads against New as it stands; what each makes of its text is the colour codes' tests' part.
TEST_F(Entry, EnterInEachBoxMakesTheTypedColourTheBaseAndScreenReadersHearIt) {
    Heard();
    const struct {
        ControlId box;
        Readout readout;
        const wchar_t* text;
    } entries[] = {{txtRed, kRed, L"10"},        {txtGreen, kGreen, L"255"}, {txtBlue, kBlue, L"0"},
                   {txtHexa, kHexa, L"#1e90ff"}, {txtHue, kHue, L"80"},      {txtSat, kSat, L" 0 "},
                   {txtLum, kLum, L"240"}};
    for (const auto& entry : entries) {
        const ColourValue expected =
            *EnteredColour(entry.readout, entry.text, static_cast<ColourValue>(Chosen()));
        Type(entry.box, entry.text);
        Key(VK_RETURN);
        EXPECT_TRUE(Entered(expected)) << entry.text;
        EXPECT_EQ(::GetFocus(), form_->Control(entry.box)) << "Enter keeps the focus";
    }
    EXPECT_EQ(Chosen(), kWhite);
    EXPECT_EQ(Heard().size(), 7u) << "each entry is announced";
    EXPECT_EQ(StoredImColor(), kStored) << "nothing is stored until Save";
}

TEST_F(Entry, EscapeRestoresLeavingEntersAndTabbingThroughChangesNothing) {
    const COLORREF picked = Chosen();
    const std::vector<std::wstring> shown = Readouts();
    for (int i = 0; i < 15; ++i) // through every box and round to the strip again without typing
        Key(VK_TAB);
    EXPECT_EQ(::GetFocus(), form_->Control(picGradient));
    EXPECT_EQ(Chosen(), picked);

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
    EXPECT_TRUE(Entered(PackRgb(GetRed(ColourValue(picked)), 50, GetBlue(ColourValue(picked)))));
}

TEST_F(Entry, TextABoxDoesNotTakeChangesNothingAndTheBoxSaysWhatItTakes) {
    const COLORREF picked = Chosen();
    const std::vector<std::wstring> shown = Readouts();
    const wchar_t* const byte = L"Type a number from 0 to 255.";
    const wchar_t* const scale = L"Type a number from 0 to 240.";
    const struct {
        ControlId box;
        const wchar_t* text;
        const wchar_t* hint;
    } cases[] = {{txtRed, L"256", byte},
                 {txtHue, L"241", scale},
                 {txtLum, L"", scale},
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
    Type(txtRed, L"7");
    ::SendMessageW(form_->Hwnd(), WM_COMMAND, MAKEWPARAM(cmdRandom, BN_CLICKED),
                   reinterpret_cast<LPARAM>(form_->Control(cmdRandom)));
    PumpMessages();
    const ColourValue random = static_cast<ColourValue>(Chosen());
    EXPECT_EQ(Text(txtRed), L"7");
    EXPECT_EQ(Text(txtGreen), std::to_wstring(GetGreen(random)));
    Key(VK_RETURN);
    EXPECT_TRUE(Entered(PackRgb(7, GetGreen(random), GetBlue(random))));
}

TEST_F(Entry, CtrlVPastesAColourCodeAndCtrlCCopiesNewOutsideTheTextBoxes) {
    ::SetFocus(form_->Control(picColors));
    SetClipboard(L"rgb(30, 144, 255)");
    Key('V', VK_CONTROL);
    EXPECT_TRUE(Entered(PackRgb(30, 144, 255)));
    ::SetFocus(form_->Control(cmdSaveColor));
    SetClipboard(L"  #F80\r\n");
    Key('V', VK_CONTROL);
    EXPECT_TRUE(Entered(PackRgb(255, 136, 0))) << "from a button too";
    SetClipboard(L"no colour");
    Key('V', VK_CONTROL);
    EXPECT_TRUE(Entered(PackRgb(255, 136, 0)));
    ::SetFocus(form_->Control(cmdRandom));
    Key('C', VK_CONTROL);
    EXPECT_EQ(ClipboardText(), L"#FF8800");
    EXPECT_EQ(::GetFocus(), form_->Control(cmdRandom)) << "neither key presses a button";

    // In a readout box the keys are the box's own: a copy of the selection, a paste into the box.
    ::SetFocus(form_->Control(txtRed));
    ::SendMessageW(form_->Control(txtRed), EM_SETSEL, 0, -1);
    Key('C', VK_CONTROL);
    EXPECT_EQ(ClipboardText(), L"255");
    SetClipboard(L"12");
    Key('V', VK_CONTROL);
    EXPECT_EQ(Text(txtRed), L"12");
    EXPECT_EQ(Chosen(), PackRgb(255, 136, 0)) << "until Enter";
    Key(VK_RETURN);
    EXPECT_TRUE(Entered(PackRgb(12, 136, 0)));
    EXPECT_EQ(StoredImColor(), kStored) << "nothing is stored until Save";
}
