// What a picture box reports to its owner: mouse and key events in plain numbers, and the listener
// that takes them. The key-state bits are the fixed numbers Windows gives them, so that what a
// mouse message means can be decided and tested without a window.
#pragma once

namespace tintora::platform {

// Buttons, in a press's or release's `button` and a move's buttons held.
inline constexpr int kLeftButton = 1;
inline constexpr int kRightButton = 2;
inline constexpr int kMiddleButton = 4;
// Modifiers, in an event's `shift`.
inline constexpr int kShiftHeld = 1;
inline constexpr int kCtrlHeld = 2;
inline constexpr int kAltHeld = 4;

struct MouseEvent {
    int button; // press and release: the button concerned; move: the buttons held
    int shift;  // the modifiers held (Alt on presses and releases only)
    float x;    // drawing-area pixels, whole; negative or beyond the box while the mouse is captured
    float y;
};

struct KeyEvent {
    int key;   // virtual-key code
    int shift; // the modifiers held
};

// The buttons held, from a mouse message's key state (MK_LBUTTON 0x1, MK_RBUTTON 0x2, MK_MBUTTON 0x10).
constexpr int ButtonsHeld(unsigned long keys) {
    return ((keys & 0x1) ? kLeftButton : 0) | ((keys & 0x2) ? kRightButton : 0) |
           ((keys & 0x10) ? kMiddleButton : 0);
}

// Shift and Ctrl, from a mouse message's key state (MK_SHIFT 0x4, MK_CONTROL 0x8).
constexpr int ModifiersHeld(unsigned long keys) {
    return ((keys & 0x4) ? kShiftHeld : 0) | ((keys & 0x8) ? kCtrlHeld : 0);
}

class PictureBox;

class PictureBoxListener {
public:
    virtual void OnMouseDown(PictureBox& box, const MouseEvent& event) = 0;
    virtual void OnMouseMove(PictureBox& box, const MouseEvent& event) = 0;
    virtual void OnMouseUp(PictureBox& box, const MouseEvent& event) = 0;
    // A key pressed while the box has the focus; true when the key was used.
    virtual bool OnKeyDown(PictureBox&, const KeyEvent&) { return false; }
    // The box got or lost the keyboard focus.
    virtual void OnFocusChanged(PictureBox&) {}
    // The box lost the mouse capture, by its own release or because something took it away
    // (another window's capture, WM_CANCELMODE).
    virtual void OnCaptureLost(PictureBox&) {}

protected:
    ~PictureBoxListener() = default;
};

} // namespace tintora::platform
