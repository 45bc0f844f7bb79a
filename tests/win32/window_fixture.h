// Helpers for tests that drive the real window with real messages.
#pragma once

#include "editor/frm_tintora.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

namespace tintora::testing {

// The stored Messenger colour in the test prefix's registry.
void StoreImColor(std::uint32_t value);
void StoreImColorRaw(DWORD type, const void* data, DWORD size);
void DeleteMessengerKey();
std::optional<std::uint32_t> StoredImColor(); // nullopt when absent or not a REG_DWORD

void PumpMessages();
std::wstring TextOf(HWND control);
RECT ClientRectIn(HWND control, HWND parent);    // the control's outer rectangle in the parent's client
COLORREF ScreenPixel(HWND window, int x, int y); // what the window shows at a client point

// Real mouse messages to a picture box, as a drag would send them.
void Press(HWND box, int x, int y, UINT message = WM_LBUTTONDOWN);
void MoveHeld(HWND box, int x, int y, WPARAM keys = MK_LBUTTON);
void Release(HWND box, int x, int y, UINT message = WM_LBUTTONUP);

class WindowTest : public ::testing::Test {
protected:
    // A fresh window, created (Form_Load runs) and shown.
    frmTintora& Open();
    void TearDown() override;
    std::unique_ptr<frmTintora> form_;
};

} // namespace tintora::testing
