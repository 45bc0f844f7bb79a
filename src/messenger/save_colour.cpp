// Save: the chosen colour becomes Messenger's "IM Color", and the Current swatch shows what the
// registry holds afterwards. Pure white is stored as 0xFFFFFE.
#include "editor/frm_tintora.h"

#include "messenger/im_color.h"
#include "messenger/registry_reader.h"
#include "messenger/registry_writer.h"
#include "messenger/shell_reg_write.h"

namespace tintora {
namespace {

constexpr ColourValue kWhite = 0xFFFFFF;
constexpr ColourValue kNearWhite = 0xFFFFFE;

} // namespace

// Alt+S or a click on Save. Shows no message: the Current swatch is the answer.
void frmTintora::cmdSaveColor_Click() {
    if (static_cast<ColourValue>(Box(picChosenColor).BackColor()) == kWhite) SetBaseColor(kNearWhite);
    const auto chosen = static_cast<ColourValue>(Box(picChosenColor).BackColor());
    // Where the script host is missing or disabled, the same value goes in through the registry API,
    // so a Save is never silently lost.
    if (!modTintora::ShellRegWriteDword(modTintora::kImColorPath, chosen))
        modTintora::WriteRegistryDword(modTintora::kMessengerKey, modTintora::kImColorValue, chosen);
    Box(picCurrent)
        .SetBackColor(DisplayedColour(
            modTintora::ReadRegistryValue(modTintora::kMessengerKey, modTintora::kImColorValue)));
}

} // namespace tintora
