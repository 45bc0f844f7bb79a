// A short balloon tip pointing at a text box: the box's own (EM_SHOWBALLOONTIP) where the common
// controls offer it, else a tracking balloon tooltip under the box. Either goes on Hide, on the next
// Show, or after kShownFor.
#pragma once

#include "platform/handles.h"

namespace tintora::platform {

class BalloonTip {
public:
    static constexpr UINT kShownFor = 8000; // milliseconds

    BalloonTip() = default;
    ~BalloonTip() { Hide(); } // the timer never reaches a tip that is gone
    BalloonTip(const BalloonTip&) = delete;
    BalloonTip& operator=(const BalloonTip&) = delete;

    // The text stays the caller's and must outlive the tip.
    void Show(HWND box, const wchar_t* text) noexcept;
    void Hide() noexcept;

private:
    static void CALLBACK Expire(HWND, UINT, UINT_PTR, DWORD) noexcept;
    bool MakeTooltip(HWND box, const wchar_t* text) noexcept;

    static BalloonTip* expiring_; // the tip the timer hides; one balloon shows at a time
    HWND box_ = nullptr;
    HWND tooltip_ = nullptr; // owned by the box's top-level window, destroyed with it
    UINT_PTR timer_ = 0;
};

} // namespace tintora::platform
