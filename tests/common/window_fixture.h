// Helpers for tests that drive the real window with real messages in a throwaway prefix.
#pragma once

#include "window/tintora_window.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tintora::testing {

// Messenger's stored colour; nullopt when there is no REG_DWORD.
void StoreImColor(std::uint32_t value);
std::optional<std::uint32_t> StoredImColor();
void DeleteMessengerKey();

// Dispatches the waiting messages, calling each after every one.
void PumpMessages(const std::function<void()>& each = nullptr);
// Pumps messages, waiting for input between rounds, until the condition holds or the deadline passes.
bool WaitFor(const std::function<bool()>& condition, int milliseconds = 5000,
             const std::function<void()>& each = nullptr);
std::wstring TextOf(HWND window);
COLORREF ScreenAt(POINT at);
COLORREF ScreenPixel(HWND window, int x, int y); // what the screen shows at a client point, once painted

// Mouse messages to a picture box, as a drag sends them.
inline void Mouse(HWND box, UINT message, int x, int y, WPARAM keys) {
    ::SendMessageW(box, message, keys, MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)));
}
inline void Press(HWND box, int x, int y) { Mouse(box, WM_LBUTTONDOWN, x, y, MK_LBUTTON); }
inline void MoveHeld(HWND box, int x, int y) { Mouse(box, WM_MOUSEMOVE, x, y, MK_LBUTTON); }
inline void Release(HWND box, int x, int y) { Mouse(box, WM_LBUTTONUP, x, y, 0); }

// A real mouse button, pressed or let go as the system sees it (MOUSEEVENTF_LEFTDOWN, ...).
void Button(DWORD flags);

// A window of one colour on top of everything, for the pointer to rest on.
struct ColourPatch {
    ColourPatch(POINT centre, int size, COLORREF colour);
    ~ColourPatch();
    const platform::UniqueHandle<HBRUSH, platform::DeleteGdiObject> brush;
    const std::wstring name;
    HWND window = nullptr;
};

class WindowTest : public ::testing::Test {
protected:
    TintoraWindow& Open(); // a fresh window, created (started from the registry) and shown
    TintoraWindow& OpenFocused(std::uint32_t stored, ControlId id); // in front, with the focus on id
    void TearDown() override;                                       // lets go of a button a test held
    // The eyedropper: held while the sampler shows no picture; a real left button pressed on it.
    bool Held() { return form_->Box(picScreenColor).Picture() == nullptr; }
    void Hold();
    void PointAt(ControlId id, int x, int y);
    // A key to the focus through the program's own pump, dialog navigation included; held is
    // VK_SHIFT or VK_CONTROL, held down meanwhile.
    void Key(WPARAM key, BYTE held = 0);
    // The windows screen readers were told changed value since the last call; the first starts listening.
    std::vector<HWND> Heard();
    void Click(ControlId id, int x, int y) {
        Press(form_->Control(id), x, y);
        Release(form_->Control(id), x, y);
    }
    // The window follows the model once a display frame; reading a readout brings it up to date at
    // once, as it does for a screen reader.
    void Presented() { TextOf(form_->Control(txtHexa)); }
    // What the window shows: the New swatch, the palette and the strip as drawn.
    COLORREF Chosen() {
        Presented();
        return form_->Box(picChosenColor).BackColor();
    }
    int Marker() { return form_->Model().MarkerPos(); }
    COLORREF PaletteAt(int x, int y) { return form_->Box(picColors).ReadPixel(x, y); }
    COLORREF StripAt(int row) {
        Presented();
        return form_->Box(picGradient).ReadPixel(0, row);
    }
    std::unique_ptr<TintoraWindow> form_;
    HWINEVENTHOOK hook_ = nullptr;
};

} // namespace tintora::testing
