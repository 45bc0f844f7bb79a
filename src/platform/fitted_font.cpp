#include "platform/fitted_font.h"

#include <array>

namespace tintora::platform {
namespace {

UniqueFont Create(const wchar_t* face, int pixels, bool bold) {
    LOGFONTW font{};
    font.lfHeight = -pixels;
    font.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    font.lfCharSet = DEFAULT_CHARSET;
    lstrcpynW(font.lfFaceName, face, LF_FACESIZE);
    return UniqueFont(::CreateFontIndirectW(&font));
}

// Whether the font selected into dc is the face asked for, with characters of about the height asked.
bool Realised(HDC dc, const wchar_t* face, int pixels) {
    wchar_t realised[LF_FACESIZE] = L"";
    TEXTMETRICW metrics{};
    if (::GetTextFaceW(dc, LF_FACESIZE, realised) == 0 || !::GetTextMetricsW(dc, &metrics)) return false;
    const int off = metrics.tmHeight - metrics.tmInternalLeading - pixels;
    return lstrcmpiW(realised, face) == 0 && off >= -1 && off <= 1;
}

// Whether a text fits its room in the font selected into dc.
bool FitsIn(HDC dc, const TextRoom& room) {
    TEXTMETRICW metrics{};
    if (!::GetTextMetricsW(dc, &metrics)) return false;
    if (metrics.tmHeight - metrics.tmInternalLeading > room.height) return false;
    std::wstring text = room.text;
    if (room.base >= 2 && room.base <= 16) {
        std::array<int, 16> widths{};
        for (int d = 0; d < room.base; ++d) {
            const wchar_t digit = L"0123456789ABCDEF"[d];
            SIZE size{};
            if (!::GetTextExtentPoint32W(dc, &digit, 1, &size)) return false;
            widths[static_cast<std::size_t>(d)] = size.cx;
        }
        text = WidestNumeral(std::span<const int>(widths.data(), static_cast<std::size_t>(room.base)),
                             room.largest, room.digits);
    }
    RECT rect{0, 0, room.width, room.height};
    if (::DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &rect,
                    (room.accessKeys ? 0 : DT_NOPREFIX) | DT_SINGLELINE | DT_CALCRECT) == 0 &&
        !text.empty())
        return false;
    return rect.right - rect.left <= room.width;
}

FaceFit Try(const WantedFace& face, int pixels, std::span<const TextRoom> texts) {
    const UniqueFont regular = Create(face.name.c_str(), pixels, false);
    const UniqueFont bold = Create(face.name.c_str(), pixels, true);
    if (regular == nullptr || bold == nullptr) return FaceFit::Missing;
    const UniqueWindowDc screen = GetWindowDc(nullptr);
    if (screen == nullptr) return FaceFit::Missing;
    {
        const SelectionGuard selection(screen.get(), regular.get());
        if (face.exact && !Realised(screen.get(), face.name.c_str(), pixels)) return FaceFit::Missing;
    }
    for (const TextRoom& room : texts) {
        const SelectionGuard selection(screen.get(), room.bold ? bold.get() : regular.get());
        if (!FitsIn(screen.get(), room)) return FaceFit::TooBig;
    }
    return FaceFit::Fits;
}

} // namespace

FittedFont FitFont(std::span<const WantedFace> faces, int pixels, int minimum,
                   std::span<const TextRoom> texts) {
    if (faces.empty()) return FittedFont{};
    const FontChoice choice =
        ChooseFont(static_cast<int>(faces.size()), pixels, minimum, [&](int face, int size) {
            return Try(faces[static_cast<std::size_t>(face)], size, texts);
        });
    return FittedFont{faces[static_cast<std::size_t>(choice.face)].name, choice.pixels, choice.fits};
}

bool Fits(const FittedFont& font, std::span<const TextRoom> texts) {
    return Try(WantedFace{font.face, false}, font.pixels, texts) == FaceFit::Fits;
}

UniqueFont MakeFont(const FittedFont& font, bool bold) {
    return Create(font.face.c_str(), font.pixels, bold);
}

} // namespace tintora::platform
