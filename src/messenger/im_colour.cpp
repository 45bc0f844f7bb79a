#include "messenger/im_colour.h"

#include "messenger/registry_reader.h"
#include "messenger/registry_writer.h"
#include "messenger/shell_reg_write.h"

namespace tintora {

ColourValue ReadImColour() noexcept { return ReadRegistryValue(kMessengerKey, kImColorValue); }

bool StoreImColour(ColourValue colour) noexcept {
    return ShellRegWriteDword(kImColorPath, colour) ||
           WriteRegistryDword(kMessengerKey, kImColorValue, colour);
}

} // namespace tintora
