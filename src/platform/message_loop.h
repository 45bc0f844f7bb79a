// The program's message loop, and the pump the eyedropper runs between two samples. Both route
// keys through dialog navigation, so Tab, Alt+R/S/X and the arrows behave alike in either, and both
// send the dialog WM_COPY and WM_PASTE for Ctrl+C and Ctrl+V outside text boxes.
#pragma once

#include "platform/handles.h"

namespace tintora::platform {

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop(HWND dialog);

// Handles every message already waiting. Returns false once WM_QUIT has been seen (it is posted
// again, so the outer loop ends too) or the dialog is gone.
bool PumpPendingMessages(HWND dialog);

} // namespace tintora::platform
