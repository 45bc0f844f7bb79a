#include "window/text_rooms.h"

#include "window/geometry.h"

namespace tintora {
namespace {

// What a control shows at its widest and the room it has for it at the density. Readouts show
// 0-240 (hue, saturation, luminance), 0-255 (the channels) or six hex digits, with no margins.
platform::TextRoom RoomOf(const ControlLayout& layout, int dpi, int clientEdge) {
    const platform::Edges edges =
        platform::ScaleEdges(layout.left, layout.top, layout.width, layout.height, dpi);
    platform::TextRoom room;
    room.text = layout.text;
    room.width = edges.right - edges.left;
    room.height = edges.bottom - edges.top;
    room.bold = (layout.look & kBold) != 0;
    switch (layout.kind) {
    case ControlKind::TextBox:
        room.width -= 2 * clientEdge;
        room.height -= 2 * clientEdge;
        room.base = layout.id == txtHexa ? 16 : 10;
        room.largest = layout.id == txtHexa ? 0xFFFFFF : layout.id <= txtLum ? 240 : 255;
        room.digits = layout.id == txtHexa ? 6 : 1;
        break;
    case ControlKind::Button: {
        // Inside the button's edge and its focus rectangle.
        const int inset = clientEdge + 1;
        room.width -= 2 * inset;
        room.height -= 2 * inset;
        room.accessKeys = true;
        break;
    }
    case ControlKind::Label: {
        const platform::Edges label = LabelEdges(layout, dpi);
        room.width = label.right - label.left;
        break;
    }
    default: break;
    }
    return room;
}

} // namespace

ControlTexts ControlTextsAt(int dpi, int clientEdge) {
    ControlTexts texts;
    for (const ControlLayout& layout : kControls) {
        if (layout.kind != ControlKind::Label && layout.kind != ControlKind::TextBox &&
            layout.kind != ControlKind::Button)
            continue;
        (layout.id == txtHexa ? texts.hex : texts.window).push_back(RoomOf(layout, dpi, clientEdge));
    }
    return texts;
}

std::array<platform::WantedFace, 8> FontFaces(const std::wstring& dialogFace) {
    return {{
        {L"MS Sans Serif"},
        {L"Microsoft Sans Serif"},
        {L"Tahoma"},
        {dialogFace},
        {dialogFace, false},
        {L"Arial Narrow"},
        {L"Liberation Sans Narrow"},
        {L"DejaVu Sans Condensed"},
    }};
}

} // namespace tintora
