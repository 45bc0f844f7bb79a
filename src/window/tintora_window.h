// The Tintora window. The colour model owns the colour state and decides every rule; the window
// turns each message into one model call and shows the model: the view paints the strip, swatches,
// arrow and readouts, the focus cues and the screen readers' texts follow it.
#pragma once

#include "model/colour_model.h"
#include "model/palette_picture.h"
#include "model/random_colour.h"
#include "platform/picture_box.h"
#include "resources/pictures.h"
#include "window/accessibility.h"
#include "window/colour_view.h"
#include "window/controls.h"
#include "window/entry_boxes.h"
#include "window/eyedropper.h"
#include "window/focus_cues.h"

#include <memory>

namespace tintora {

class TintoraWindow final : private platform::PictureBoxListener, private EntryListener {
public:
    static constexpr const wchar_t* kClassName = L"TintoraWindow";
    static bool Register(HINSTANCE instance);

    TintoraWindow();
    TintoraWindow(const TintoraWindow&) = delete;
    TintoraWindow& operator=(const TintoraWindow&) = delete;
    ~TintoraWindow();

    // Creates the window, hidden, started from Messenger's stored colour.
    bool Create(HINSTANCE instance);
    HWND Hwnd() const noexcept { return hwnd_; }
    HWND Control(ControlId id) const noexcept { return controls_.Control(id); }
    const platform::PictureBox& Box(ControlId id) const noexcept { return controls_.Box(id); }
    const ColourModel& Model() const noexcept { return model_; }
    const ControlSet& Controls() const noexcept { return controls_; }
    // Dots per inch the window is laid out for: its monitor's.
    int Dpi() const noexcept { return controls_.Dpi(); }
    // Where the window draws the arrow beside the strip, in its client area.
    RECT ArrowPlace() const noexcept { return controls_.BoundsOf(LayoutOf(imgArrow), view_.ShownArrowTop()); }

private:
    static constexpr UINT_PTR kFrameTimer = Eyedropper::kFrameTimer + 1;
    static constexpr UINT kShownMessage = WM_APP;

    template <typename Owner> friend LRESULT CALLBACK platform::BoundWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    // The window itself (tintora_window.cpp).
    bool OnCreate() noexcept;
    void OnShown() noexcept;
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam) noexcept;
    void OnPaint() noexcept;
    void OnActivate(int state) noexcept;
    LRESULT OnChangeUiState(WPARAM wParam, LPARAM lParam) noexcept;
    void OnDpiChanged(int dpi, const RECT& suggested) noexcept;
    void SetIcons() noexcept;

    // What the user does (actions.cpp).
    void OnCommand(int id, int code) noexcept;
    void OnMouseDown(platform::PictureBox& box, const platform::MouseEvent& event) override;
    void OnMouseMove(platform::PictureBox& box, const platform::MouseEvent& event) override;
    void OnMouseUp(platform::PictureBox& box, const platform::MouseEvent& event) override;
    bool OnKeyDown(platform::PictureBox& box, const platform::KeyEvent& event) override;
    void OnFocusChanged(platform::PictureBox& box) override;
    void OnCaptureLost(platform::PictureBox& box) override;
    bool PointAt(const platform::PictureBox& box, PointerAction action, const platform::MouseEvent& event);
    void Randomise() noexcept;
    void Save() noexcept;
    void Close() noexcept;
    void PressSampler() noexcept;
    void Sample(bool checkButtons) noexcept;
    void OnTimer(WPARAM id) noexcept;
    void EndSampling(bool cancel) noexcept;
    // The window shows the model as it now is.
    void Render() noexcept;

    // Colours given by their numbers (colour_entry.cpp).
    bool OnEntry(Readout box, std::wstring_view text) noexcept override;
    void CopyColour() noexcept;
    void PasteColour() noexcept;

    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr; // the control to give the focus back to
    ColourModel model_;
    std::unique_ptr<const PalettePicture> palette_;
    RandomEngine random_;
    Pictures pictures_;
    // The window's own icons, where its density is not the system's; destroyed after the window.
    platform::UniqueIcon icon_;
    platform::UniqueIcon smallIcon_;
    ControlSet controls_;
    ColourView view_{controls_, model_};
    EntryBoxes entries_{controls_, view_};
    FocusCues focusCues_;
    SpokenControls spoken_{model_, controls_};
    Eyedropper eyedropper_;
};

} // namespace tintora
