// The Tintora window. It owns every piece of state the program has: the base colour's channels and
// the strip's steps, the marker, and the controls, whose New swatch holds the chosen colour. Each
// user action is one handler below; the window procedure only turns a message into such a call.
#pragma once

#include "colour/colour_value.h"
#include "editor/layout.h"
#include "editor/readout_texts.h"
#include "editor/strip_bands.h"
#include "platform/picture_box.h"
#include "resources/palette_picture.h"
#include "resources/pictures.h"

#include <array>
#include <memory>
#include <random>

namespace tintora {

struct ColourState {
    Channel BaseRed = 0;
    Channel BaseGreen = 0;
    Channel BaseBlue = 0;
    int TintStepRed = 0;
    int TintStepGreen = 0;
    int TintStepBlue = 0;
    int ShadeStepRed = 0;
    int ShadeStepGreen = 0;
    int ShadeStepBlue = 0;
    int MarkerPos = 0; // strip row counted from the strip's top
};

class frmTintora final : private platform::PictureBoxListener {
public:
    static constexpr const wchar_t* kClassName = L"TintoraWindow";
    static bool Register(HINSTANCE instance);

    frmTintora() = default;
    frmTintora(const frmTintora&) = delete;
    frmTintora& operator=(const frmTintora&) = delete;
    ~frmTintora();

    // Creates the window, hidden; Form_Load has run when this returns true.
    bool Create(HINSTANCE instance);
    HWND Hwnd() const noexcept { return hwnd_; }
    HWND Control(ControlId id) const noexcept;
    platform::PictureBox& Box(ControlId id) noexcept;
    const ColourState& State() const noexcept { return state_; }
    // The arrow's top edge in layout pixels (at 96 dpi); on screen it is scaled to the density.
    int ArrowTop() const noexcept { return arrowTop_; }
    // Dots per inch the window is laid out for: its monitor's.
    int Dpi() const noexcept { return dpi_; }

    // Colour state.
    void SetBaseColor(ColourValue colour);
    void RefreshReadouts();

    // Handlers.
    void Form_Load();
    void cmdRandom_Click();
    void cmdClose_Click();
    void cmdSaveColor_Click();
    void picColors_MouseDown(int button, int shift, float x, float y);
    void picColors_MouseMove(int button, int shift, float x, float y);
    void picColors_MouseUp(int button, int shift, float x, float y);
    void picGradient_MouseDown(int button, int shift, float x, float y);
    void picGradient_MouseMove(int button, int shift, float x, float y);
    void picGradient_MouseUp(int button, int shift, float x, float y);
    void picScreenColor_MouseDown(int button, int shift, float x, float y);
    void picScreenColor_MouseUp(int button, int shift, float x, float y);

private:
    static constexpr DWORD kStyle =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    static constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

    static LRESULT CALLBACK WndProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnCreate();
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    bool CreateControl(const ControlSpec& spec);
    // Density: the layout's places, the window's frame, and a move to a monitor of another density.
    RECT BoundsOf(const ControlSpec& spec) const noexcept;
    void SetFont(HWND control, const ControlSpec& spec) noexcept;
    void FitLabel(HWND label, const ControlSpec& spec) noexcept;
    SIZE FrameSizeAt(int dpi) const noexcept;
    void SetIcons() noexcept;
    void OnDpiChanged(int dpi, const RECT& suggested);
    LRESULT OnGetDpiScaledSize(int dpi, SIZE* size) const noexcept;
    void OnActivate(int state);
    void OnCommand(int id, int code);
    void OnPaint();
    LRESULT OnColorStatic(HDC dc, HWND control);
    void OnMouseDown(platform::PictureBox& box, const platform::MouseEvent& event) override;
    void OnMouseMove(platform::PictureBox& box, const platform::MouseEvent& event) override;
    void OnMouseUp(platform::PictureBox& box, const platform::MouseEvent& event) override;

    // Shared steps of the handlers.
    void PalettePick(float x, float y);
    void StripPick(float y);
    void HoldMarker(int row);
    void MoveArrow(int top);
    void SampleScreenOnce();
    bool PumpPendingMessages();

    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr; // the control to give the focus back to
    int dpi_ = platform::kBaseDpi;
    ColourState state_;
    int arrowTop_ = SpecOf(imgArrow).top; // layout pixels
    ReadoutTexts shownTexts_{};
    std::mt19937 random_;
    // The window's mouse-pointer setting: the eyedropper while the screen is being sampled.
    enum class Pointer { Default, Eyedropper } pointer_ = Pointer::Default;
    Pictures pictures_;
    std::unique_ptr<const PalettePicture> palette_;
    // The window's own icons, where its density is not the system's; destroyed after the window.
    platform::UniqueIcon icon_;
    platform::UniqueIcon smallIcon_;
    platform::UniqueFont font_;
    platform::UniqueFont boldFont_;
    std::array<HWND, kControls.size()> controls_{};
    // Picture boxes, in the order of kPictureBoxIds.
    std::array<platform::PictureBox, 7> boxes_;
};

} // namespace tintora
