// The readout boxes as entry boxes. Enter, or the focus moving to another control, enters what was
// typed; Escape puts the box's value back. Text a box does not take changes nothing: the box shows
// its value again and a balloon tip says what it takes. A box only enters what was typed into it, so
// Tab through the boxes changes nothing.
#pragma once

#include "model/readout_texts.h"
#include "platform/balloon_tip.h"
#include "window/colour_view.h"
#include "window/controls.h"

#include <string_view>

namespace tintora {

class EntryListener {
public:
    // Text typed into a readout box; false when the box does not take it.
    virtual bool OnEntry(Readout box, std::wstring_view text) noexcept = 0;

protected:
    ~EntryListener() = default;
};

class EntryBoxes {
public:
    EntryBoxes(ControlSet& controls, ColourView& view) noexcept
        : controls_(controls)
        , view_(view) {}
    EntryBoxes(const EntryBoxes&) = delete;
    EntryBoxes& operator=(const EntryBoxes&) = delete;

    // The readout boxes take typing from here on, and report entries to the listener.
    bool Attach(EntryListener& listener) noexcept;

private:
    static LRESULT CALLBACK BoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR readout,
                                    DWORD_PTR self) noexcept;
    void Enter(HWND box, Readout readout) noexcept;
    void Restore(HWND box, Readout readout) noexcept;

    ControlSet& controls_;
    ColourView& view_;
    EntryListener* listener_ = nullptr;
    platform::BalloonTip tip_;
};

} // namespace tintora
