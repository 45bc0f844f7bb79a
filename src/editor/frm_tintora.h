// The Tintora window. It owns every piece of state the program has: the base colour's channels and
// the strip's steps, the marker, and the controls, whose New swatch holds the chosen colour. Each
// user action is one handler below; the window procedure only turns a message into such a call.
#pragma once

#include "colour/colour_value.h"
#include "editor/layout.h"
#include "editor/readout_texts.h"
#include "editor/strip_bands.h"
#include "picking/key_rules.h"
#include "platform/accessible.h"
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

class frmTintora final : private platform::PictureBoxListener, private platform::AccessibleSource {
public:
    static constexpr const wchar_t* kClassName = L"TintoraWindow";
    static constexpr UINT kPresentMessage = WM_APP;
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
    // Where the arrow belongs now, in layout pixels (at 96 dpi); the arrow window follows, scaled to
    // the density, by the time the window next waits.
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
    // A key on the focused box: virtual-key code, and 1 Shift, 2 Ctrl, 4 Alt. True when it was used.
    bool picColors_KeyDown(int key, int shift);
    bool picGradient_KeyDown(int key, int shift);
    bool picScreenColor_KeyDown(int key, int shift);

    // One pass of the eyedropper's loop: the pixel under the pointer becomes the base colour, then
    // pending messages run. False once the window is gone or a quit request has come.
    bool SampleScreenOnce();

private:
    static constexpr DWORD kStyle =
        WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
    static constexpr DWORD kExStyle = WS_EX_CONTROLPARENT;

    template <typename Owner> friend LRESULT CALLBACK platform::BoundWindowProc(HWND, UINT, WPARAM, LPARAM);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnCreate();
    LRESULT OnSetCursor(WPARAM wParam, LPARAM lParam);
    bool CreateControl(const ControlLayout& layout);
    // Density: the layout's places, the window's frame, and a move to a monitor of another density.
    RECT BoundsOf(const ControlLayout& layout) const noexcept;
    void SetFont(HWND control, const ControlLayout& layout) noexcept;
    void FitLabel(HWND label, const ControlLayout& layout) noexcept;
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
    bool OnKeyDown(platform::PictureBox& box, const platform::KeyEvent& event) override;
    void OnFocusChanged(platform::PictureBox& box) override;
    bool AccessibleText(int controlId, platform::AccessibleField field, wchar_t* text,
                        int size) noexcept override;

    // Keyboard focus cues and screen readers.
    LRESULT OnChangeUiState(WPARAM wParam, LPARAM lParam);
    LRESULT OnQueryUiState();
    void RefreshFocusCues();
    void PaintFocusCues(HDC dc);
    void FollowPalettePick(int x, int y);
    void DrawPaletteCue(bool shown);
    void MakeControlsAccessible();
    void AnnounceChosenColour();

    // Shared steps of the handlers.
    void PalettePick(float x, float y);
    void StripPick(float y);
    void HoldMarker(int row);
    void MoveArrow(int top);
    COLORREF SampleScreenPixel();
    void RequestPresent();
    // Brings the arrow and the readout boxes in line with the colour state. Runs by itself before
    // the window waits for input again and whenever a readout's text is asked for.
    void PresentReadouts();
    static LRESULT CALLBACK ReadoutProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

    HWND hwnd_ = nullptr;
    HWND focus_ = nullptr; // the control to give the focus back to
    int dpi_ = platform::kBaseDpi;
    ColourState state_;
    // What the arrow and the readouts should show, and what their windows show: a drag changes the
    // first on every move, the second once per batch of messages (each window call is a trip to the
    // window server, dearer than a whole pick).
    int arrowTop_ = LayoutOf(imgArrow).top; // layout pixels
    ReadoutTexts texts_{};
    int shownArrowTop_ = LayoutOf(imgArrow).top;
    ReadoutTexts shownTexts_{};
    bool presentRequested_ = false;
    WNDPROC editProc_ = nullptr;
    BandColours stripBands_{};
    bool stripPainted_ = false;
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

    // Focus cues stay hidden until the keyboard is used, as on Windows.
    bool focusCuesHidden_ = true;
    PalettePoint palettePoint_{0, 0}; // the palette's pick position: the last pixel picked there
    // The palette's pick-position cue: where it is drawn and the pixels it covers.
    bool paletteCueDrawn_ = false;
    PalettePoint paletteCueAt_{0, 0};
    std::array<COLORREF, 24> underPaletteCue_{};
    COLORREF announced_ = 0; // the chosen colour screen readers last heard of
};

} // namespace tintora
