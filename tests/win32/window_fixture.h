// Helpers for tests that drive the real window with real messages in a throwaway prefix.
#pragma once

#include "editor/frm_tintora.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace tintora::testing {

// Messenger's stored colour; nullopt when there is no REG_DWORD.
void StoreImColor(std::uint32_t value);
std::optional<std::uint32_t> StoredImColor();
void DeleteMessengerKey();

void PumpMessages();
std::wstring TextOf(HWND window);
RECT ClientRectIn(HWND control, HWND parent);    // the control's outer rectangle in the parent's client
COLORREF ScreenPixel(HWND window, int x, int y); // what the screen shows at a client point, once painted

// Real mouse messages to a picture box, as a drag would send them.
void Press(HWND box, int x, int y, UINT message = WM_LBUTTONDOWN);
void MoveHeld(HWND box, int x, int y, WPARAM keys = MK_LBUTTON);
void Release(HWND box, int x, int y, UINT message = WM_LBUTTONUP);

class WindowTest : public ::testing::Test {
protected:
    frmTintora& Open(); // a fresh window, created (Form_Load runs) and shown
    void TearDown() override;
    void Click(ControlId id, int x, int y) {
        Press(form_->Control(id), x, y);
        Release(form_->Control(id), x, y);
    }
    COLORREF Chosen() { return form_->Box(picChosenColor).BackColor(); }
    COLORREF PaletteAt(int x, int y) { return form_->Box(picColors).ReadPixel(x, y); }
    COLORREF StripAt(int row) { return form_->Box(picGradient).ReadPixel(0, row); }
    std::unique_ptr<frmTintora> form_;
};

} // namespace tintora::testing
