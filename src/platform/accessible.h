// What screen readers hear from a control. A control made accessible here answers WM_GETOBJECT for
// its client area with a small accessible object of ours: it takes the name, value and description
// from a source and hands every other question to the standard object Windows makes for the window,
// so roles, states, places and focus stay as the system reports them.
#pragma once

#include "platform/accessible_source.h"
#include "platform/handles.h"

namespace tintora::platform {

// Subclasses the control (SetWindowSubclass); the subclass goes with the control. The source
// outlives the control.
bool MakeAccessible(HWND control, AccessibleSource& source) noexcept;

// For a window class of one's own, which needs no subclass: its window procedure hands every message
// here first. True when the message was a screen reader's and answer holds the reply.
bool AnswerAccessible(HWND control, UINT message, WPARAM wParam, LPARAM lParam, AccessibleSource& source,
                      LRESULT& answer) noexcept;

// Tells screen readers that the control's value has changed.
void AnnounceValueChange(HWND control) noexcept;

} // namespace tintora::platform
