#include "platform/balloon_tip.h"

#include <commctrl.h>

namespace tintora::platform {

namespace {

TOOLINFOW ToolOf(HWND box) {
    TOOLINFOW tool{};
    tool.cbSize = sizeof tool;
    tool.hwnd = ::GetAncestor(box, GA_ROOT);
    tool.uId = reinterpret_cast<UINT_PTR>(box);
    return tool;
}

} // namespace

BalloonTip* BalloonTip::expiring_ = nullptr;

void BalloonTip::Show(HWND box, const wchar_t* text) noexcept {
    Hide();
    box_ = box;
    EDITBALLOONTIP tip{sizeof tip, L"", text, TTI_NONE};
    if (::SendMessageW(box, EM_SHOWBALLOONTIP, 0, reinterpret_cast<LPARAM>(&tip)) == FALSE) {
        // Common controls without edit balloons (Wine's): a tooltip of our own, its tip at the
        // middle of the box's lower edge.
        if (!MakeTooltip(box, text)) return;
        RECT bounds{};
        ::GetWindowRect(box, &bounds);
        ::SendMessageW(tooltip_, TTM_TRACKPOSITION, 0,
                       MAKELPARAM((bounds.left + bounds.right) / 2, bounds.bottom));
        TOOLINFOW tool = ToolOf(box);
        ::SendMessageW(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
    }
    expiring_ = this;
    timer_ = ::SetTimer(nullptr, 0, kShownFor, &BalloonTip::Expire);
}

void BalloonTip::Hide() noexcept {
    if (timer_ != 0) ::KillTimer(nullptr, timer_);
    timer_ = 0;
    if (expiring_ == this) expiring_ = nullptr;
    if (box_ == nullptr) return;
    ::SendMessageW(box_, EM_HIDEBALLOONTIP, 0, 0);
    if (tooltip_ != nullptr && ::IsWindow(tooltip_)) {
        TOOLINFOW tool = ToolOf(box_);
        ::SendMessageW(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
    }
    box_ = nullptr;
}

void CALLBACK BalloonTip::Expire(HWND, UINT, UINT_PTR, DWORD) noexcept {
    if (expiring_ != nullptr) expiring_->Hide();
}

// One tooltip serves every box of the window, each box a tool of its own, added anew with its text.
bool BalloonTip::MakeTooltip(HWND box, const wchar_t* text) noexcept {
    const HWND owner = ::GetAncestor(box, GA_ROOT);
    if (tooltip_ == nullptr || !::IsWindow(tooltip_)) {
        tooltip_ = ::CreateWindowExW(
            WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_BALLOON | TTS_ALWAYSTIP,
            CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr,
            reinterpret_cast<HINSTANCE>(::GetWindowLongPtrW(owner, GWLP_HINSTANCE)), nullptr);
        if (tooltip_ == nullptr) return false;
    }
    TOOLINFOW tool = ToolOf(box);
    ::SendMessageW(tooltip_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    tool.uFlags = TTF_IDISHWND | TTF_TRACK | TTF_ABSOLUTE;
    tool.lpszText = const_cast<wchar_t*>(text);
    return ::SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool)) != FALSE;
}

} // namespace tintora::platform
